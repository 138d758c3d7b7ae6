#pragma once
// The help window: a topic's title and its text, and a link to the whole
// guide in PDF.
#include "ui/Form.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class TLink;

class TfrmGuida : public TForm {
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget* owner = nullptr);

    void setTopic(const QString& title, const QString& text);

    void lnkWebClick();
    void btnChiudiClick();

    // A fresh help window owned by owner, on the topic with this title, shown
    // modally and freed when it closes.
    static void open(QWidget* owner, const QString& title);

private:
    QLabel* lblTitolo;
    QPlainTextEdit* txtGuida;
    TLink* lnkWeb;
    QPushButton* btnChiudi;
};
