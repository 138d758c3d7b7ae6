#pragma once
// The information window (the program and how to write to its publisher)
// and the splash window (the publisher's notice and web site).
#include "ui/Form.h"

class QPushButton;
class TLink;

class TfrmInfo : public TForm {
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget* owner = nullptr);

    void lnkWebClick();
    void btnChiudiClick();

    // The text handed to the shell to open a new e-mail to the publisher.
    static QString mailCommand();

    // A fresh window owned by owner, shown modally and freed when it closes.
    static void open(QWidget* owner);

protected:
    void FormShow() override;

private:
    TLink* lnkWeb;
    QPushButton* btnChiudi;
};

class TfrmSplash : public TForm {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* owner = nullptr);

    void lnkWebClick();
    void btnChiudiClick();

    static void open(QWidget* owner);

protected:
    void FormShow() override;

private:
    TLink* lnkWeb;
    QPushButton* btnChiudi;
};
