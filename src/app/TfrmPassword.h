#pragma once
// Access to the program: one password shared by the whole installation,
// kept scrambled in the store "unins000.dll" of the program folder and
// compared in upper case (letters A to Z).
#include <QString>

#include "ui/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace PasswordStore {

QString path();  // program folder + "unins000.dll"

// The password in force, trimmed; the empty text when the store or its key is
// missing. Throws IniError when the store cannot be read, CryptError when its
// value is not hexadecimal.
QString read();

// Stores a password as typed: upper case, trimmed. Each character is kept as
// its Windows-1252 byte. Throws IniError when the store cannot be written; the
// old password then stays.
void write(const QString& typed);

// The typed text as it is compared and stored: upper case A to Z, trimmed.
QString normalised(const QString& typed);

// Longest password the scrambling holds, in characters.
constexpr int kMaxLength = 255;

}  // namespace PasswordStore

class TfrmPassword : public TForm {
    Q_OBJECT
public:
    explicit TfrmPassword(QWidget* owner = nullptr);

    void cmdOKClick();
    void cmdEsciClick();
    void btnCambiaPasswordClick();

    // Back from the change window: field emptied, window shown, field focused.
    void showAgain();

protected:
    void FormShow() override;
    void FormClose() override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateOK();

    QLineEdit* txtPassword;
    QPushButton* cmdOK;
    QPushButton* cmdEsci;
    QPushButton* btnCambiaPassword;
    QLabel* lblMemory;
};

class TfrmCambiaPassword : public TForm {
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(QWidget* owner = nullptr);

    void cmdOKClick();
    void cmdEsciClick();

protected:
    void FormShow() override;
    void FormClose() override;

private:
    void updateOK();
    void refuseNew(const QString& message);

    QLineEdit* txtPasswordOld;
    QLineEdit* txtPasswordNew;
    QLineEdit* txtConferma;
    QPushButton* cmdOK;
    QPushButton* cmdEsci;
    QLabel* lblMemory;
};
