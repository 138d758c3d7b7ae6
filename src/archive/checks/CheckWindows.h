#pragma once
// The four small windows that check a number typed in a card: codice
// fiscale, partita IVA, IBAN and payment card. Each is created for one use
// with the card's value (see archive/checks/Checks.h), tells its verdict in
// a message box and closes. They never write anything back.
#include "ui/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSvgWidget;

// The layout the four share: prompt, logo, one field, "Controlla", "Chiudi".
class TCheckWindow : public TForm {
    Q_OBJECT
public:
    // The text to check, kept whole even when longer than what the user may
    // type: the check then tells the user so, rather than checking a part.
    void setNumber(const QString& text);
    QLineEdit* field() const { return field_; }

protected:
    struct Look {
        QString objectName;  // the one instance: "frmCodFisc"
        QString caption;
        QString prompt;
        QString fieldName;
        int maxLength;
        bool digitsOnly;
        bool trimUpper;  // each keystroke trims and upper-cases the text
        QString logo;    // resource path of the picture
    };
    TCheckWindow(QWidget* owner, const Look& look);

    virtual void btnControllaClick() = 0;
    void btnChiudiClick();
    void FormShow() override;

    // A text that cannot be checked: the window stays open for another try.
    void retry(const QString& warning);
    // The verdict, then the window closes.
    void validVerdict(const QString& text);
    void wrongVerdict(const QString& text);

private:
    void fieldTyping(const QString& text);

    QLabel* lblTitolo_;
    QSvgWidget* imgLogo_;
    QLineEdit* field_;
    QPushButton* btnControlla_;
    QPushButton* btnChiudi_;
    int maxLength_;
    bool trimUpper_;
};

class TfrmCodFisc : public TCheckWindow {
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget* owner = nullptr);

protected:
    void btnControllaClick() override;
};

class TfrmPartitaIva : public TCheckWindow {
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget* owner = nullptr);

protected:
    void btnControllaClick() override;
};

class TfrmIban : public TCheckWindow {
    Q_OBJECT
public:
    explicit TfrmIban(QWidget* owner = nullptr);

protected:
    void btnControllaClick() override;
};

class TfrmCarta : public TCheckWindow {
    Q_OBJECT
public:
    explicit TfrmCarta(QWidget* owner = nullptr);

protected:
    void btnControllaClick() override;
};
