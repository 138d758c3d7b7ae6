#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/Crypt.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmPassword.h"
#include "app/WindowSet.h"
#include "platform/Cp1252.h"
#include "platform/IniFile.h"
#include "support/Seams.h"

namespace {

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

class PasswordTest : public SeamsTest {
protected:
    WindowSet set;
    QWidget* password = set.frmPassword;
    QWidget* change = set.frmCambiaPassword;
    QWidget* launcher = set.frmAvvio;
    QString store = seams.file("unins000.dll");

    void SetUp() override {
        storeRaw(Crypt::Encode(QStringLiteral("PLENARO")));
        password->show();
    }
    void storeRaw(const QString& value) { IniFile::writeString(store, "Accesso", "Valore", value); }
    QByteArray storeOf(const QByteArray& stored) {
        return "[Accesso]\r\nValore=" + Crypt::Encode(QString::fromLatin1(stored)).toLatin1() + "\r\n";
    }

    QLineEdit* field(QWidget* w, const char* name) { return child<QLineEdit>(w, QLatin1String(name)); }
    QPushButton* button(QWidget* w, const char* name) { return child<QPushButton>(w, QLatin1String(name)); }

    // Types the password and presses OK; true when the launcher opened.
    bool login(const QString& typed) {
        password->show();
        field(password, "txtPassword")->setText(typed);
        button(password, "cmdOK")->click();
        return launcher->isVisible() && !password->isVisible();
    }

    void openChange() {
        password->show();
        button(password, "btnCambiaPassword")->click();
        ASSERT_TRUE(change->isVisible());
        ASSERT_FALSE(password->isVisible());
    }
    void changeTo(const QString& old, const QString& fresh, const QString& confirm) {
        openChange();
        field(change, "txtPasswordOld")->setText(old);
        field(change, "txtPasswordNew")->setText(fresh);
        field(change, "txtConferma")->setText(confirm);
        ASSERT_TRUE(button(change, "cmdOK")->isEnabled());
        button(change, "cmdOK")->click();
    }
};

}  // namespace

TEST_F(PasswordTest, LoginComparesInUpperCaseWithBlanksAroundIgnored) {
    struct Case {
        const char* typed;
        bool enters;
    };
    for (const Case& c : {Case{"plenaro", true}, Case{"  PlEnArO \t", true}, Case{"PLENAR", false},
                          Case{"PLENARO2", false}, Case{"PLE NARO", false}}) {
        seams.messages.clear();
        launcher->hide();
        const bool entered = login(QString::fromUtf8(c.typed));
        EXPECT_EQ(entered, c.enters) << c.typed;
        EXPECT_EQ(field(password, "txtPassword")->text(), QString()) << c.typed;
        if (!c.enters) {
            ASSERT_EQ(seams.messages.size(), 1u);
            EXPECT_EQ(seams.lastMessage().text, kWrong);
            EXPECT_EQ(seams.lastMessage().kind, MsgKind::Plain);
            EXPECT_EQ(seams.lastMessage().buttons, MsgButtons::Ok);
            EXPECT_TRUE(password->isVisible());
        } else {
            EXPECT_TRUE(seams.messages.empty());
        }
    }
}

TEST_F(PasswordTest, OKWaitsForANonBlankPasswordAndEnterDoesNothingUntilThen) {
    QApplication::setActiveWindow(password);
    ASSERT_TRUE(QTest::qWaitForWindowActive(password));
    QLineEdit* txt = field(password, "txtPassword");
    QPushButton* ok = button(password, "cmdOK");
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_TRUE(txt->hasFocus());
    EXPECT_EQ(txt->echoMode(), QLineEdit::Password);
    QTest::keyClicks(txt, "   ");
    EXPECT_FALSE(ok->isEnabled());
    QTest::keyClick(txt, Qt::Key_Return);
    QTest::keyClick(txt, Qt::Key_Enter);
    EXPECT_TRUE(seams.messages.empty());
    EXPECT_EQ(seams.quitRequests, 0);  // not the window's Esci either
    EXPECT_TRUE(password->isVisible());

    QTest::keyClicks(txt, "plenaro ");
    EXPECT_TRUE(ok->isEnabled());
    QTest::keyClick(txt, Qt::Key_Return);
    EXPECT_TRUE(launcher->isVisible());
    EXPECT_FALSE(password->isVisible());
}

TEST_F(PasswordTest, MissingOrDamagedStoreNeverLetsAnyoneIn) {
    struct Case {
        const char* what;
        QByteArray bytes;  // empty: no store at all
        QString loginMessage, changeMessage;
    };
    const std::vector<Case> cases = {
        {"no store", {}, kWrong, kOldWrong},
        {"no key", "[Altro]\r\nValore=" + Crypt::Encode("PLENARO").toLatin1() + "\r\n", kWrong, kOldWrong},
        {"empty value", "[Accesso]\r\nValore=\r\n", kWrong, kOldWrong},
        {"not hexadecimal", "[Accesso]\r\nValore=ZZ\r\n", kReadError, kChangeError},
    };
    for (const Case& c : cases) {
        QFile::remove(store);
        if (!c.bytes.isEmpty()) {
            QFile f(store);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.bytes);
        }
        seams.messages.clear();
        launcher->hide();
        for (const char* typed : {"plenaro", " ", "x"}) EXPECT_FALSE(login(QLatin1String(typed))) << c.what;
        EXPECT_EQ(seams.lastMessage().text, c.loginMessage) << c.what;

        changeTo("plenaro", "nuova", "nuova");
        EXPECT_EQ(seams.lastMessage().text, c.changeMessage) << c.what;
        EXPECT_TRUE(change->isVisible()) << c.what;
        EXPECT_EQ(fileBytes(store), c.bytes) << c.what;  // left as it was
        change->close();
    }
    // Unreadable: the store is a folder.
    QFile::remove(store);
    ASSERT_TRUE(QDir().mkpath(store));
    EXPECT_FALSE(login("plenaro"));
    EXPECT_EQ(seams.lastMessage().text, kReadError);
}

TEST_F(PasswordTest, ChangeStoresTheNewPasswordInUpperCaseAndReturnsToLogin) {
    changeTo(" PlEnArO ", "  Nuova Chiave ", "Nuova Chiave");
    EXPECT_EQ(seams.lastMessage().text, kChanged);
    EXPECT_EQ(seams.lastMessage().buttons, MsgButtons::Ok);
    EXPECT_FALSE(change->isVisible());
    EXPECT_TRUE(password->isVisible());
    EXPECT_EQ(field(password, "txtPassword")->text(), QString());
    EXPECT_EQ(fileBytes(store), storeOf("NUOVA CHIAVE"));

    EXPECT_FALSE(login("plenaro"));
    EXPECT_TRUE(login(" nUOVA chiave"));
}

TEST_F(PasswordTest, RefusedChangesKeepTheOldPassword) {
    struct Case {
        const char* what;
        QString old, fresh, confirm;
        QString message;
        const char* emptied;  // the fields the refusal empties
        const char* focus;
    };
    const QString longest(255, QLatin1Char('k'));
    const std::vector<Case> cases = {
        {"old wrong", "plenar", "nuova", "nuova", kOldWrong, "txtPasswordOld", "txtPasswordOld"},
        {"lower case new, upper case confirmation", "plenaro", "segreto", "SEGRETO", kNotConfirmed,
         "txtPasswordNew txtConferma", "txtPasswordNew"},
        {"256 characters", "plenaro", longest + "k", longest + "k",
         QStringLiteral("Attenzione: la nuova password non può superare i 255 caratteri. Scegliere una password "
                        "più corta e reinserire entrambi i valori."),
         "txtPasswordNew txtConferma", "txtPasswordNew"},
        {"Greek letter", "plenaro", QStringLiteral("Ωmega"), QStringLiteral("Ωmega"),
         QStringLiteral("Attenzione: la nuova password contiene caratteri che non possono essere memorizzati (per "
                        "esempio lettere greche o cirilliche, o simboli grafici). Usare lettere, cifre e segni di "
                        "punteggiatura comuni e reinserire entrambi i valori."),
         "txtPasswordNew txtConferma", "txtPasswordNew"},
    };
    const QByteArray before = fileBytes(store);
    for (const Case& c : cases) {
        seams.messages.clear();
        changeTo(c.old, c.fresh, c.confirm);
        ASSERT_EQ(seams.messages.size(), 1u) << c.what;
        EXPECT_EQ(seams.lastMessage().text, c.message) << c.what;
        EXPECT_EQ(seams.lastMessage().kind, MsgKind::Plain) << c.what;
        EXPECT_TRUE(change->isVisible()) << c.what;
        for (const char* name : {"txtPasswordOld", "txtPasswordNew", "txtConferma"})
            EXPECT_EQ(field(change, name)->text().isEmpty(), QByteArray(c.emptied).contains(name)) << c.what << name;
        EXPECT_EQ(fileBytes(store), before) << c.what;
        change->close();
    }

    // The longest password, and Windows-1252 letters beyond Latin-1, are stored as their bytes.
    changeTo("plenaro", longest, longest);
    EXPECT_EQ(seams.lastMessage().text, kChanged);
    EXPECT_TRUE(login(longest));
    changeTo(longest, QStringLiteral("caffè€"), QStringLiteral("caffè€"));
    EXPECT_EQ(seams.lastMessage().text, kChanged);
    EXPECT_EQ(fileBytes(store), storeOf("CAFF\xE8\x80"));
    EXPECT_FALSE(login(QStringLiteral("caffè¬")));
    EXPECT_TRUE(login(QStringLiteral("CAFFè€")));
}

TEST_F(PasswordTest, UnwritableStoreRefusesTheChangeAndTheOldPasswordStays) {
    const QByteArray before = fileBytes(store);
    {
        FullDisk full;
        changeTo("plenaro", "nuova", "nuova");
    }
    EXPECT_EQ(seams.lastMessage().text, kChangeError);
    EXPECT_TRUE(change->isVisible());
    EXPECT_EQ(fileBytes(store), before);
    EXPECT_EQ(QDir(seams.folder()).entryList(QDir::Files), QStringList{"unins000.dll"});  // no leftovers
    change->close();
    EXPECT_TRUE(login("plenaro"));
}

TEST_F(PasswordTest, ChangeWindowFieldsRulesAndClose) {
    openChange();
    QApplication::setActiveWindow(change);
    ASSERT_TRUE(QTest::qWaitForWindowActive(change));
    QLineEdit* old = field(change, "txtPasswordOld");
    QLineEdit* fresh = field(change, "txtPasswordNew");
    QLineEdit* confirm = field(change, "txtConferma");
    QPushButton* ok = button(change, "cmdOK");
    EXPECT_TRUE(old->hasFocus());
    EXPECT_FALSE(ok->isEnabled());

    // OK only while all three hold more than blanks.
    QTest::keyClicks(old, "a");
    QTest::keyClick(old, Qt::Key_Return);
    EXPECT_TRUE(fresh->hasFocus());
    QTest::keyClicks(fresh, "b");
    QTest::keyClick(fresh, Qt::Key_Return);
    EXPECT_TRUE(confirm->hasFocus());
    QTest::keyClicks(confirm, "  ");
    EXPECT_FALSE(ok->isEnabled());
    QTest::keyClicks(confirm, "c");
    EXPECT_TRUE(ok->isEnabled());
    QTest::keyClick(confirm, Qt::Key_Return);
    EXPECT_TRUE(old->hasFocus());
    EXPECT_TRUE(seams.messages.empty());

    // Chiudi: back to the password window with its field emptied.
    field(password, "txtPassword")->setText("resto");
    button(change, "cmdEsci")->click();
    EXPECT_FALSE(change->isVisible());
    EXPECT_TRUE(password->isVisible());
    EXPECT_EQ(field(password, "txtPassword")->text(), QString());

    // Shown again, the change window starts empty.
    openChange();
    EXPECT_EQ(old->text() + fresh->text() + confirm->text(), QString());
    EXPECT_FALSE(ok->isEnabled());
}

// The store saved again by another editor, with a byte-order mark or with CR
// line ends, still lets the right password in and no other.
TEST_F(PasswordTest, StoreFromAnotherEditorStillLetsTheRightPasswordIn) {
    const QByteArray value = Crypt::Encode(QStringLiteral("PLENARO")).toLatin1();
    for (const QByteArray& bytes :
         {"\xEF\xBB\xBF[Accesso]\r\nValore=" + value + "\r\n", "; chiave\r[Accesso]\rValore=" + value + "\r"}) {
        writeFile(store, bytes);
        launcher->hide();
        EXPECT_FALSE(login("ALTRA")) << bytes.constData();
        EXPECT_TRUE(login("plenaro")) << bytes.constData();
    }
}
