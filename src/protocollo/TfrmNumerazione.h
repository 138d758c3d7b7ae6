#pragma once
// The numbering settings of the protocol: the number the numbering starts
// from and whether the calendar year follows the progressive number.
#include "ui/Form.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

class TfrmNumerazione : public TForm {
    Q_OBJECT
public:
    // Created for one use by the protocol window, its owner.
    explicit TfrmNumerazione(QWidget* owner = nullptr);

public slots:
    void txtInizioExit();
    void btnApplicaClick();
    void btnAnnullaClick();

protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* txtInizio_;
    QCheckBox* chkTipo_;
    QPushButton* btnApplica_;
};
