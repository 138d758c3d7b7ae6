#include "app/TfrmPassword.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/Crypt.h"
#include "app/TfrmAvvio.h"
#include "app/WindowSet.h"
#include "platform/Cp1252.h"
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"
#include "platform/Text.h"
#include "ui/Controls.h"
#include "ui/FocusMark.h"
#include "ui/KeyFilters.h"
#include "ui/Messages.h"
#include "ui/Resources.h"

namespace {

const QString kSection = QStringLiteral("Accesso");
const QString kKey = QStringLiteral("Valore");

const QString kWrong = QStringLiteral("Attenzione: password errata.");
const QString kReadError = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di lettura della password. Si consiglia di "
    "reinstallare il software.");
const QString kOldWrong = QStringLiteral("Attenzione: vecchia password errata.");
const QString kNotConfirmed = QStringLiteral(
    "Attenzione: la nuova password non è stata confermata correttamente. E' necessario reinserire entrambi i "
    "valori.");
const QString kChanged = QStringLiteral("Modifica della password completata con successo.");
const QString kChangeError = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di modifica della password. Si consiglia di "
    "reinstallare il software.");
const QString kTooLong = QStringLiteral(
    "Attenzione: la nuova password non può superare i 255 caratteri. Scegliere una password più corta e "
    "reinserire entrambi i valori.");
const QString kBadChars = QStringLiteral(
    "Attenzione: la nuova password contiene caratteri che non possono essere memorizzati (per esempio "
    "lettere greche o cirilliche, o simboli grafici). Usare lettere, cifre e segni di punteggiatura comuni e "
    "reinserire entrambi i valori.");

bool isEnter(QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int k = static_cast<QKeyEvent*>(event)->key();
    return k == Qt::Key_Return || k == Qt::Key_Enter;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, const QRect& at) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(at);
    return b;
}

QLineEdit* passwordEdit(QWidget* parent, const QString& name, const QRect& at) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setEchoMode(QLineEdit::Password);
    e->setGeometry(at);
    TFocusMark::attach(e);
    return e;
}

QLabel* hiddenMemory(QWidget* parent) { return Controls::hiddenLabel(QStringLiteral("lblMemory"), parent); }

}  // namespace

namespace PasswordStore {

QString path() { return ProgramFolder::file(QStringLiteral("unins000.dll")); }

QString normalised(const QString& typed) { return Text::trim(Text::upperAZ(typed)); }

QString read() {
    const QString scrambled = IniFile::readString(path(), kSection, kKey);
    // The scrambling works on the code-page bytes of the characters.
    return Text::trim(Cp1252::toUnicode(Crypt::Decode(scrambled).toLatin1()));
}

void write(const QString& typed) {
    const QString bytes = QString::fromLatin1(Cp1252::fromUnicode(normalised(typed)));
    IniFile::writeString(path(), kSection, kKey, Crypt::Encode(bytes));
}

}  // namespace PasswordStore

// ---------------------------------------------------------------------------

TfrmPassword::TfrmPassword(QWidget* owner) : TForm(owner) {
    setObjectName(QStringLiteral("frmPassword"));
    setWindowTitle(QStringLiteral(" Plenaro - Autenticazione"));

    auto* ico = new QLabel(this);
    ico->setObjectName(QStringLiteral("icoApp"));
    ico->setGeometry(20, 22, 56, 56);
    ico->setPixmap(svgPixmap(QStringLiteral(":/img/icona.svg"), QSize(56, 56), devicePixelRatioF()));

    auto* prompt = new QLabel(QStringLiteral("Immetti la password e premi OK."), this);
    prompt->setObjectName(QStringLiteral("lblPassword"));
    prompt->setGeometry(96, 18, 320, 22);

    txtPassword = passwordEdit(this, QStringLiteral("txtPassword"), QRect(96, 46, 316, 26));
    txtPassword->setAccessibleName(QStringLiteral("Password"));

    btnCambiaPassword =
        button(this, QStringLiteral("btnCambiaPassword"), QStringLiteral("Cambia password"), QRect(96, 104, 136, 30));
    cmdOK = button(this, QStringLiteral("cmdOK"), QStringLiteral("OK"), QRect(242, 104, 80, 30));
    cmdEsci = button(this, QStringLiteral("cmdEsci"), QStringLiteral("Esci"), QRect(332, 104, 80, 30));
    cmdOK->setEnabled(false);
    lblMemory = hiddenMemory(this);

    setTabOrder(txtPassword, cmdOK);
    setTabOrder(cmdOK, btnCambiaPassword);
    setTabOrder(btnCambiaPassword, cmdEsci);

    connect(txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::updateOK);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
    connect(btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
    txtPassword->installEventFilter(this);

    setFixedBorder(432, 152);
    centreOnScreen();
}

void TfrmPassword::updateOK() { cmdOK->setEnabled(!Text::trim(txtPassword->text()).isEmpty()); }

bool TfrmPassword::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtPassword) {
        if (isEnter(event)) {
            if (!Text::trim(txtPassword->text()).isEmpty()) cmdOKClick();
            return true;  // never the dialog's default button
        }
        if (event->type() == QEvent::KeyRelease) updateOK();
    }
    return TForm::eventFilter(watched, event);
}

void TfrmPassword::keyPressEvent(QKeyEvent* event) {
    // Esc does not end the program; only Esci and the close box do.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    TForm::keyPressEvent(event);
}

void TfrmPassword::FormShow() {
    txtPassword->setFocus();
    updateOK();
}

void TfrmPassword::cmdOKClick() {
    QString stored;
    try {
        stored = PasswordStore::read();
    } catch (...) {
        Msg::plain(this, kReadError);
        return;
    }
    const QString typed = PasswordStore::normalised(txtPassword->text());
    // An empty store lets nobody in, whatever reaches this point.
    if (!typed.isEmpty() && typed == stored) {
        txtPassword->clear();
        windows().frmAvvio->showMaximized();
        hide();
        return;
    }
    Msg::plain(this, kWrong);
    txtPassword->clear();
    txtPassword->setFocus();
}

void TfrmPassword::cmdEsciClick() { close(); }

void TfrmPassword::FormClose() { AppShell::quit(); }

void TfrmPassword::btnCambiaPasswordClick() {
    windows().frmCambiaPassword->show();
    hide();
}

void TfrmPassword::showAgain() {
    txtPassword->clear();
    show();
    activateWindow();
    txtPassword->setFocus();
}

// ---------------------------------------------------------------------------

TfrmCambiaPassword::TfrmCambiaPassword(QWidget* owner) : TForm(owner) {
    setObjectName(QStringLiteral("frmCambiaPassword"));
    setWindowTitle(QStringLiteral(" Cambia password"));

    const QStringList captions{QStringLiteral("Vecchia password:"), QStringLiteral("Nuova password:"),
                               QStringLiteral("Conferma nuova password:")};
    const QStringList names{QStringLiteral("txtPasswordOld"), QStringLiteral("txtPasswordNew"),
                            QStringLiteral("txtConferma")};
    QLineEdit* edits[3];
    for (int i = 0; i < 3; ++i) {
        auto* l = new QLabel(captions[i], this);
        l->setObjectName(QStringLiteral("lbl") + names[i].mid(3));
        l->setGeometry(20, 22 + i * 40, 190, 24);
        edits[i] = passwordEdit(this, names[i], QRect(214, 21 + i * 40, 206, 26));
        edits[i]->setAccessibleName(captions[i].chopped(1));
        l->setBuddy(edits[i]);
        connect(edits[i], &QLineEdit::textChanged, this, &TfrmCambiaPassword::updateOK);
    }
    txtPasswordOld = edits[0];
    txtPasswordNew = edits[1];
    txtConferma = edits[2];
    KeyFilters::enterChain({txtPasswordOld, txtPasswordNew, txtConferma});

    cmdOK = button(this, QStringLiteral("cmdOK"), QStringLiteral("OK"), QRect(250, 152, 80, 30));
    cmdEsci = button(this, QStringLiteral("cmdEsci"), QStringLiteral("Chiudi"), QRect(340, 152, 80, 30));
    cmdOK->setEnabled(false);
    lblMemory = hiddenMemory(this);

    connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdEsciClick);

    setFixedBorder(440, 200);
    centreOnScreen();
}

void TfrmCambiaPassword::updateOK() {
    cmdOK->setEnabled(!Text::trim(txtPasswordOld->text()).isEmpty() && !Text::trim(txtPasswordNew->text()).isEmpty() &&
                      !Text::trim(txtConferma->text()).isEmpty());
}

void TfrmCambiaPassword::FormShow() {
    txtPasswordOld->clear();
    txtPasswordNew->clear();
    txtConferma->clear();
    txtPasswordOld->setFocus();
}

void TfrmCambiaPassword::refuseNew(const QString& message) {
    Msg::plain(this, message);
    txtPasswordNew->clear();
    txtConferma->clear();
    txtPasswordNew->setFocus();
}

void TfrmCambiaPassword::cmdOKClick() {
    try {
        const QString stored = PasswordStore::read();
        const QString old = PasswordStore::normalised(txtPasswordOld->text());
        if (old.isEmpty() || old != stored) {
            Msg::plain(this, kOldWrong);
            txtPasswordOld->clear();
            txtPasswordOld->setFocus();
            return;
        }
        const QString typed = Text::trim(txtPasswordNew->text());
        if (typed != Text::trim(txtConferma->text())) return refuseNew(kNotConfirmed);
        // What cannot be stored is refused: the scrambling holds 255 code-page
        // characters, and a character it cannot hold would lock everybody out.
        const QString fresh = PasswordStore::normalised(typed);
        if (fresh.size() > PasswordStore::kMaxLength) return refuseNew(kTooLong);
        if (!Cp1252::canEncode(fresh)) return refuseNew(kBadChars);

        PasswordStore::write(fresh);
    } catch (...) {
        Msg::plain(this, kChangeError);
        return;
    }
    Msg::plain(this, kChanged);
    close();
}

void TfrmCambiaPassword::cmdEsciClick() { close(); }

void TfrmCambiaPassword::FormClose() { windows().frmPassword->showAgain(); }
