#pragma once
// A photo shown as large as the screen allows; a click closes it.
#include <QPixmap>

#include "ui/Form.h"

class QLabel;

class TfrmZoom : public TForm {
    Q_OBJECT
public:
    explicit TfrmZoom(QWidget* owner = nullptr);

    void setPicture(const QPixmap& picture);
    void imgFotoClick();

    // A fresh window owned by owner, shown modally and freed when it closes.
    static void open(QWidget* owner, const QPixmap& picture);

protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fit();

    QWidget* panFoto;
    QLabel* imgFoto;
    QPixmap picture_;
};
