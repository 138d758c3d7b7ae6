#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/HelpTopics.h"
#include "app/TfrmAvvio.h"
#include "app/WindowSet.h"
#include "archive/Layouts.h"
#include "chiamate/TfrmChiamate.h"
#include "support/Seams.h"
#include "support/WindowDriver.h"
#include "ui/FieldEditor.h"
#include "ui/RecordList.h"

namespace {

const int kSize = 1291;

class CallWindow : public CardWindowTest<TfrmChiamate> {
protected:
    QDateTime moment() const override { return QDateTime(QDate(2024, 3, 7), QTime(9, 5, 40)); }

    // The required fields besides the date, time and direction of the reset.
    void fillRequired() {
        type("txtOggetto", "Richiesta preventivo");
        type("txtCliente", "Rossi Mario");
        type("txtCodFisc", "RSSMRA80A01H501U");
        type("txtTelCel", "3331234567");
    }
};

Record storedCall(const QString& day, const QString& month, const QString& year) {
    Record r(Layouts::TSchedaChiamata());
    r.set("Giorno", day);
    r.set("Mese", month);
    r.set("Anno", year);
    r.set("DataChiamata", "01/01/2000");
    r.set("Ore", "10");
    r.set("Minuti", "30");
    r.set("OraChiamata", "10:30");
    r.set("Tipo", "In uscita");
    r.set("Oggetto", "Sollecito");
    r.set("Esito", "Richiamare");
    r.set("Cliente", "Bianchi Anna");
    r.set("CodFisc", "BNCNNA90B41F205X");
    r.set("TelCel", "3471112223");
    r.set("Note", "Cliente storico");
    return r;
}

}  // namespace

TEST_F(CallWindow, NewCallIsStampedWithTheClockAndTheTodayButtonsRestampIt) {
    put("lblDataRit", "01/01/2000");
    type("txtCliente", "Rossi");
    seams.setNow(QDateTime(QDate(2025, 12, 1), QTime(0, 7, 0)));
    click("cmdNuovo");
    EXPECT_EQ(text("txtGiornoRit"), QStringLiteral("01"));
    EXPECT_EQ(text("txtMeseRit"), QStringLiteral("Dicembre"));
    EXPECT_EQ(text("lblAnnoRit"), QStringLiteral("2025"));
    EXPECT_EQ(text("txtOreRit"), QStringLiteral("00"));
    EXPECT_EQ(text("txtMinutiRit"), QStringLiteral("07"));
    EXPECT_EQ(text("txtTipo"), QStringLiteral("In entrata"));
    EXPECT_EQ(text("txtCliente"), QString());
    EXPECT_EQ(text("lblDataRit"), QStringLiteral("01/01/2000"));  // left as it was
    for (const char* name : {"txtGiornoRit", "txtMeseRit", "txtOreRit", "txtMinutiRit"})
        EXPECT_EQ(list(name)->currentIndex(), -1) << name;
    EXPECT_TRUE(ctl("txtOggetto")->hasFocus());
    EXPECT_EQ(pos(), QString());

    seams.setNow(QDateTime(QDate(2026, 2, 9), QTime(18, 45, 0)));
    click("impRitiro");
    EXPECT_EQ(text("txtGiornoRit") + " " + text("txtMeseRit") + " " + text("lblAnnoRit"),
              QStringLiteral("09 Febbraio 2026"));
    EXPECT_EQ(text("txtOreRit"), QStringLiteral("00"));  // the time stays
    click("impOraRit");
    EXPECT_EQ(text("txtOreRit") + ":" + text("txtMinutiRit"), QStringLiteral("18:45"));
    EXPECT_EQ(text("lblDataRit"), QStringLiteral("01/01/2000"));
}

TEST_F(CallWindow, SaveTestsRunInOrderAndWriteNothingUntilAllPass) {
    for (const char* name : {"txtGiornoRit", "txtMeseRit", "lblAnnoRit", "txtOreRit", "txtMinutiRit", "txtTipo"})
        TFieldEditor::of(ctl(name))->clear();
    struct Step {
        const char* control;
        const char* value;
        const char* message;
        const char* focus;
    };
    // Each step mends what the previous save refused; the next save tells the next test.
    const Step steps[] = {
        {nullptr, nullptr, "il giorno della chiamata.", "txtGiornoRit"},
        {"txtGiornoRit", "7", "il giorno della chiamata usando due cifre.", "txtGiornoRit"},
        {"txtGiornoRit", "29", "il mese della chiamata.", "txtMeseRit"},
        {"txtMeseRit", "Febbraio", "l'anno della chiamata.", "lblAnnoRit"},
        {"lblAnnoRit", "202", "l'anno della chiamata usando quattro cifre.", "lblAnnoRit"},
        {"lblAnnoRit", "2023", "l'ora della chiamata.", "txtOreRit"},
        {"txtOreRit", "9", "i minuti dell'ora della chiamata.", "txtMinutiRit"},
        {"txtMinutiRit", "5", "l'ora della chiamata usando due cifre.", "txtOreRit"},
        {"txtOreRit", "09", "i minuti dell'ora della vendita usando due cifre.", "txtMinutiRit"},
        {"txtMinutiRit", "05", "il tipo di chiamata (in entrata o in uscita).", "txtTipo"},
        {"txtTipo", "In uscita", "l'oggetto della chiamata.", "txtOggetto"},
        {"txtOggetto", "Preventivo", "il nome del cliente.", "txtCliente"},
        {"txtCliente", "Rossi Mario", "il codice fiscale del cliente.", "txtCodFisc"},
        {"txtCodFisc", "RSSMRA80A01H501U", "il numero di cellulare del cliente.", "txtTelCel"},
    };
    for (const Step& s : steps) expectSaveRefused(seams, s.control, s.value, s.message, s.focus);
    EXPECT_FALSE(QFile::exists(seams.file("Registro_Chiamate.pro")));

    put("txtTelCel", "3331234567");
    click("cmdSalva");
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Plain);
    EXPECT_EQ(seams.lastMessage().text,
              QStringLiteral("Attenzione: la data 29/02/2023 non esiste.\n\r\n\r"
                             "Per poter salvare la scheda è necessario indicare una data valida."));
    EXPECT_TRUE(ctl("txtGiornoRit")->hasFocus());
    EXPECT_FALSE(QFile::exists(seams.file("Registro_Chiamate.pro")));
    EXPECT_EQ(pos(), QString());

    put("lblAnnoRit", "2024");  // a leap year
    click("cmdSalva");
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Information);
    EXPECT_EQ(seams.lastMessage().text, QStringLiteral("La scheda corrente è stata salvata in archivio."));
    EXPECT_EQ(pos(), QStringLiteral("1"));
    EXPECT_EQ(bytes().size(), kSize);
}

TEST_F(CallWindow, DatesThatDoNotExistAreNamedAndAMonthOutsideTheListIsRefused) {
    struct Case {
        const char* day;
        const char* month;
        const char* year;
        const char* named;
    };
    const Case cases[] = {
        {"31", "Aprile", "2024", "31/04/2024"},  {"29", "Febbraio", "1900", "29/02/1900"},  // a century is no leap year
        {"07", "Marzo", "20245", "07/03/20245"},  // five digits pass the length test
        {"07", "Marzo", "0000", "07/03/0000"},    // there is no year 0
        {"00", "Marzo", "2024", "00/03/2024"},
    };
    fillRequired();
    for (const Case& c : cases) {
        put("txtGiornoRit", c.day);
        put("txtMeseRit", c.month);
        put("lblAnnoRit", c.year);
        click("cmdSalva");
        EXPECT_EQ(seams.lastMessage().kind, MsgKind::Plain) << c.named;
        EXPECT_TRUE(seams.lastMessage().text.startsWith(QStringLiteral("Attenzione: la data ") + c.named +
                                                        " non esiste.\n\r\n\r"))
            << seams.lastMessage().text.toStdString();
    }
    struct Saved {
        const char* day;
        const char* month;
        const char* year;
    };
    for (const Saved& s :
         {Saved{"29", "Febbraio", "2000"}, Saved{"31", "dicembre", "9999"}, Saved{"01", "GENNAIO", "0001"}}) {
        click("cmdNuovo");
        fillRequired();
        put("txtGiornoRit", s.day);
        put("txtMeseRit", s.month);  // a name read from the file in another case still names its month
        put("lblAnnoRit", s.year);
        click("cmdSalva");
        EXPECT_EQ(seams.lastMessage().kind, MsgKind::Information) << s.day << s.month << s.year;
    }
    EXPECT_EQ(bytes().size(), 3 * kSize);

    // A month name that is not one of the twelve, as an older card may hold.
    archive({storedCall("07", "Marz", "2024")});
    click("cmdUltimo");
    EXPECT_EQ(text("txtMeseRit"), QStringLiteral("Marz"));
    click("cmdSalva");
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Warning);
    EXPECT_EQ(seams.lastMessage().text,
              QStringLiteral("Attenzione: selezionare il mese dal menu a cascata.\n\r\n\r"
                             "Per poter salvare la scheda è necessario indicare una data valida."));
    EXPECT_TRUE(ctl("txtMeseRit")->hasFocus());
    EXPECT_EQ(bytes().mid(3 * kSize), storedCall("07", "Marz", "2024").bytes());
}

TEST_F(CallWindow, AppendThenOverwriteWriteTheRecordBuiltByHand) {
    archive({storedCall("01", "Gennaio", "2024")});
    type("txtOggetto", "  Richiesta preventivo  ");
    type("txtEsito", "Inviato per e-mail");
    type("txtGrado", "Buono");
    type("txtDurata", "5 minuti");
    type("txtCliente", "Niccolò Rossi");
    type("txtCodFisc", "rssncc80a01h501z");
    type("txtZona", "Centro");
    type("txtRecapito", "06 1234567");
    type("txtTelCel", "3331234567");
    type("txtEmail", "n.rossi@esempio.it");
    type("txtNote", QString(300, QLatin1Char('n')));  // no more than the field's 250
    type("txtOperatore", "Laura");
    put("txtTipo", "In uscita");
    click("cmdSalva");
    EXPECT_EQ(seams.lastMessage().text, QStringLiteral("La scheda corrente è stata salvata in archivio."));
    EXPECT_EQ(pos(), QStringLiteral("2"));
    EXPECT_EQ(text("txtOggetto"), QStringLiteral("  Richiesta preventivo  "));  // the screen keeps what was typed
    EXPECT_EQ(text("lblDataRit"), QStringLiteral("07/03/2024"));

    Record expected(Layouts::TSchedaChiamata());
    const std::pair<const char*, QString> fields[] = {{"Giorno", "07"},
                                                      {"Mese", "Marzo"},
                                                      {"Anno", "2024"},
                                                      {"DataChiamata", "07/03/2024"},
                                                      {"Ore", "09"},
                                                      {"Minuti", "05"},
                                                      {"OraChiamata", "09:05"},
                                                      {"Tipo", "In uscita"},
                                                      {"Oggetto", "Richiesta preventivo"},
                                                      {"Esito", "Inviato per e-mail"},
                                                      {"Grado", "Buono"},
                                                      {"Durata", "5 minuti"},
                                                      {"Cliente", "Niccolò Rossi"},
                                                      {"CodFisc", "RSSNCC80A01H501Z"},
                                                      {"Zona", "Centro"},
                                                      {"Recapito", "06 1234567"},
                                                      {"TelCel", "3331234567"},
                                                      {"Email", "n.rossi@esempio.it"},
                                                      {"Note", QString(250, QLatin1Char('n'))},
                                                      {"Operatore", "Laura"}};
    for (const auto& [field, value] : fields) expected.set(field, value);
    QByteArray stored = bytes();
    ASSERT_EQ(stored.size(), 2 * kSize);
    EXPECT_EQ(stored.mid(kSize), expected.bytes());
    EXPECT_EQ(stored.mid(kSize, 12), QByteArray("\x02"
                                                "07"
                                                "\x05"
                                                "Marzo\0\0\0\0\0",
                                                12));
    EXPECT_EQ(stored.mid(kSize + Layouts::TSchedaChiamata().offset("Cliente"), 14), QByteArray("\x0DNiccol\xF2 Rossi"));

    put("txtMinutiRit", "50");
    type("txtEsito", "Accettato");
    click("cmdSalva");
    EXPECT_EQ(seams.lastMessage().text,
              QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
    EXPECT_EQ(pos(), QStringLiteral("2"));
    expected.set("Minuti", "50");
    expected.set("OraChiamata", "09:50");
    expected.set("Esito", "Accettato");
    stored = bytes();
    ASSERT_EQ(stored.size(), 2 * kSize);
    EXPECT_EQ(stored.mid(kSize), expected.bytes());
    EXPECT_EQ(stored.left(kSize), storedCall("01", "Gennaio", "2024").bytes());

    // Read back, the hidden labels show the composed date and time.
    click("cmdNuovo");
    click("cmdUltimo");
    EXPECT_EQ(text("lblDataRit"), QStringLiteral("07/03/2024"));
    EXPECT_EQ(text("lblOraRit"), QStringLiteral("09:50"));
    EXPECT_EQ(text("txtNote"), QString(250, QLatin1Char('n')));
}

TEST_F(CallWindow, DuplicateLeavesTheRegisterAloneAndWaitsForANewDateAndTime) {
    click("cmdDuplica");
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Warning);
    EXPECT_EQ(seams.lastMessage().text,
              QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è "
                             "stata inserita in archivio."));
    EXPECT_EQ(text("txtGiornoRit"), QStringLiteral("07"));  // nothing changed

    archive({storedCall("15", "Agosto", "2021")});
    click("cmdPrimo");
    // The register cannot be opened now: the duplicate does not notice.
    QFile::remove(seams.file("Registro_Chiamate.pro"));
    QDir(seams.folder()).mkdir("Registro_Chiamate.pro");
    seams.messages.clear();
    click("cmdDuplica");
    ASSERT_EQ(seams.messages.size(), 1u);
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Information);
    EXPECT_EQ(seams.lastMessage().text,
              QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                             "Al termine premere Salva per inserire la scheda in archivio."));
    EXPECT_EQ(pos(), QString());
    for (const char* name : {"txtGiornoRit", "txtMeseRit", "txtOreRit", "txtMinutiRit"}) {
        EXPECT_EQ(text(name), QString()) << name;
        EXPECT_EQ(list(name)->currentIndex(), -1) << name;
    }
    EXPECT_EQ(text("lblAnnoRit"), QStringLiteral("2024"));
    EXPECT_EQ(text("txtCliente"), QStringLiteral("Bianchi Anna"));
    EXPECT_EQ(text("txtTipo"), QStringLiteral("In uscita"));
    EXPECT_EQ(text("txtNote"), QStringLiteral("Cliente storico"));
    EXPECT_TRUE(ctl("txtGiornoRit")->hasFocus());

    click("cmdSalva");
    EXPECT_EQ(seams.lastMessage().text, requiredWarning("il giorno della chiamata."));
    EXPECT_TRUE(ctl("txtGiornoRit")->hasFocus());
}

TEST_F(CallWindow, DropDownsAreOnlyPickedFromTheirList) {
    struct Case {
        const char* name;
        const char* shown;
        const char* next;
        const char* after;
    };
    const Case cases[] = {
        {"txtGiornoRit", "07", "txtMeseRit", "08"},
        {"txtMeseRit", "Marzo", "lblAnnoRit", "Aprile"},
        {"txtOreRit", "09", "txtMinutiRit", "10"},
        {"txtMinutiRit", "05", "txtTipo", "06"},
        {"txtTipo", "In entrata", "txtOggetto", "In uscita"},
    };
    for (const Case& c : cases) {
        QComboBox* box = list(c.name);
        box->setFocus();
        typeText(box, "a5 ");
        for (Qt::Key k : {Qt::Key_Home, Qt::Key_End, Qt::Key_Left, Qt::Key_Right}) QTest::keyClick(box, k);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        EXPECT_EQ(box->currentText(), QString::fromUtf8(c.shown)) << c.name;
        // Up and the page keys never change a closed list; Down opens it on
        // the entry shown, and the value changes only once an entry is chosen there.
        for (Qt::Key k : {Qt::Key_Up, Qt::Key_PageUp, Qt::Key_PageDown}) QTest::keyClick(box, k);
        EXPECT_EQ(box->currentText(), QString::fromUtf8(c.shown)) << c.name;
        QTest::keyClick(box, Qt::Key_Down);
        ASSERT_TRUE(box->view()->isVisible()) << c.name;
        EXPECT_EQ(box->currentText(), QString::fromUtf8(c.shown)) << c.name;
        QTest::keyClick(box->view(), Qt::Key_Down);
        QTest::keyClick(box->view(), Qt::Key_Return);
        EXPECT_FALSE(box->view()->isVisible()) << c.name;
        EXPECT_EQ(box->currentText(), QString::fromUtf8(c.after)) << c.name;
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(box->currentText(), QString()) << c.name;
        EXPECT_EQ(box->currentIndex(), -1) << c.name;
        QTest::keyClick(box, Qt::Key_Down);  // opened on an empty field and left with Esc: still empty
        QTest::keyClick(box->view(), Qt::Key_Escape);
        EXPECT_EQ(box->currentText(), QString()) << c.name;
        QTest::keyClick(box, Qt::Key_Delete);
        EXPECT_EQ(box->currentText(), QString()) << c.name;
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_TRUE(ctl(c.next)->hasFocus()) << c.name;
    }

    // Leaving a field keeps only an exact entry of its list, blanks aside.
    QComboBox* month = list("txtMeseRit");
    struct Leave {
        const char* text;
        const char* kept;
    };
    for (const Leave& l : {Leave{"Marz", ""}, Leave{"marzo", ""}, Leave{"Marzo", "Marzo"}, Leave{" Marzo ", " Marzo "},
                           Leave{"Marzo e aprile", ""}}) {
        month->setFocus();
        month->setEditText(QString::fromUtf8(l.text));
        ctl("lblAnnoRit")->setFocus();
        EXPECT_EQ(month->currentText(), QString::fromUtf8(l.kept)) << l.text;
    }
    // Entering a list clears its choice and keeps its text.
    month->setCurrentIndex(4);
    month->setFocus();
    EXPECT_EQ(month->currentIndex(), -1);
    EXPECT_EQ(month->currentText(), QStringLiteral("Maggio"));
}

TEST_F(CallWindow, TypingRules) {
    type("lblAnnoRit", "20a2-4 56789");
    EXPECT_EQ(text("lblAnnoRit"), QStringLiteral("202456789"));  // digits only, no length limit
    type("txtCodFisc", " rss mra ");
    EXPECT_EQ(text("txtCodFisc"), QStringLiteral("RSSMRA"));
    type("txtEmail", " m.rossi@esempio.it ");
    EXPECT_EQ(text("txtEmail"), QStringLiteral("m.rossi@esempio.it"));
    type("txtOggetto", QString(300, QLatin1Char('o')));
    EXPECT_EQ(text("txtOggetto").size(), 250);
}

TEST_F(CallWindow, ClientImportCopiesExactlySixFields) {
    type("txtCliente", "Da sostituire");
    type("txtOggetto", "Reclamo");
    type("txtNote", "Urgente");
    const Import import = importVerdi(seams, Layouts::TSchedaChiamata(), "impCliente", "chiamate");

    QMap<QString, QString> expected = import.before;
    expected["Cliente"] = "Verdi Giuseppe";
    expected["CodFisc"] = "CCODFISC";
    expected["Zona"] = "CZona";
    expected["Email"] = "CEmail";
    expected["TelCel"] = "CTelCel";
    expected["Recapito"] = "CRecapito";
    EXPECT_EQ(import.after, expected);
}

TEST_F(CallWindow, CheckAndEmailButtons) {
    struct Case {
        const char* code;
        const char* window;
        const char* input;
    };
    for (const Case& c :
         {Case{"01234567890", "TfrmPartitaIva", "txtPartitaIva"}, Case{"RSSMRA85T10A562S", "TfrmCodFisc", "txtCodFisc"},
          Case{"", "TfrmCodFisc", "txtCodFisc"}}) {
        type("txtCodFisc", QString::fromLatin1(c.code));
        QString seen;
        seams.onModal([&](QDialog* d) { seen = child<QLineEdit>(d, QLatin1String(c.input))->text(); });
        click("btnCodFisc");
        EXPECT_EQ(seams.modals.back().className, QString::fromLatin1(c.window)) << c.code;
        EXPECT_EQ(seen, QString::fromLatin1(c.code));
    }
    type("txtEmail", "m.rossi@esempio.it");
    click("btnEmail");
    type("txtEmail", "");
    click("btnEmail");
    EXPECT_EQ(seams.opened, QStringList({"\"mailto:m.rossi@esempio.it\"", "\"mailto:\""}));
}

TEST(CallApp, TileThreeOpensTheRegisterWithItsGuide) {
    Seams seams;
    WindowSet set;
    EXPECT_EQ(set.frmAvvio->app(3), set.frmChiamate);
    set.frmAvvio->appClick(3);
    EXPECT_TRUE(set.frmChiamate->isVisible());
    EXPECT_TRUE(set.frmChiamate->isMaximized());
    EXPECT_FALSE(set.frmAvvio->isVisible());
    set.frmChiamate->cmdEsciClick();
    EXPECT_FALSE(set.frmChiamate->isVisible());
    EXPECT_TRUE(set.frmAvvio->isVisible());

    const auto guide = HelpTopics::find(QStringLiteral("App Registro Chiamate"));
    ASSERT_TRUE(guide.has_value());
    EXPECT_EQ(guide->paragraphs.size(), 9);
    const QStringList titles = {"Riepilogo chiamate di oggi", "Esportazione registro chiamate in Excel"};
    for (const QString& t : titles) EXPECT_TRUE(HelpTopics::find(t).has_value()) << t.toStdString();
}
