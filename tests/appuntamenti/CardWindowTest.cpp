#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/HelpTopics.h"
#include "app/TfrmAvvio.h"
#include "app/WindowSet.h"
#include "appuntamenti/AppointmentFields.h"
#include "appuntamenti/TfrmArchivio_Scadenze.h"
#include "archive/Layouts.h"
#include "report/PreparedReport.h"
#include "support/Seams.h"
#include "support/WindowDriver.h"
#include "ui/FieldEditor.h"
#include "ui/RecordList.h"

namespace {

const int kSize = 1265;

// A card as the card window stores it.
Record card(std::initializer_list<std::pair<const char*, QString>> fields) {
    Record r(AppointmentFields::get().layout());
    const std::pair<const char*, QString> defaults[] = {{"Data", "07/03/2024"},
                                                        {"OreApp", "10"},
                                                        {"MinutiApp", "30"},
                                                        {"Ora", "10:30"},
                                                        {"Avviso", "2"},
                                                        {"Tipologia", "Laura"},
                                                        {"Causale", "Consulenza fiscale"},
                                                        {"Contatto", "Bianchi Anna"},
                                                        {"Cel", "3471112223"},
                                                        {"Importo", "50,00"},
                                                        {"Ottemperata", "No"}};
    for (const auto& [f, v] : defaults) r.set(f, v);
    for (const auto& [f, v] : fields) r.set(f, v);
    return r;
}

class CardWindow : public CardWindowTest<TfrmArchivio_Scadenze> {
protected:
    QDateTime moment() const override { return QDateTime(QDate(2024, 3, 7), QTime(9, 5, 40)); }

    void fillRequired() {
        put("txtData", "12/03/2024");
        type("txtCausale", "Consulenza fiscale");
        type("txtContatto", "Rossi Mario");
        type("txtCel", "3331234567");
    }
};

}  // namespace

TEST_F(CardWindow, ANewCardHasItsDefaultsAndWaitsOnTheDate) {
    type("txtCausale", "Da perdere");
    put("chkOttemperata", "Sì");
    click("cmdNuovo");
    const std::pair<const char*, const char*> expected[] = {
        {"txtData", ""},        {"txtOreApp", "00"}, {"txtMinutiApp", "00"},   {"txtAvviso", "0"},
        {"txtImporto", "0,00"}, {"txtCausale", ""},  {"chkOttemperata", "No"}, {"txtNote", ""}};
    for (const auto& [name, value] : expected) EXPECT_EQ(text(name), QString::fromUtf8(value)) << name;
    EXPECT_EQ(list("txtOreApp")->currentIndex(), -1);
    EXPECT_EQ(list("txtMinutiApp")->currentIndex(), -1);
    EXPECT_EQ(pos(), QString());
    EXPECT_TRUE(ctl("txtData")->hasFocus());
    EXPECT_EQ(w.windowTitle(), QStringLiteral(" Plenaro - Schedario Appuntamenti"));
    EXPECT_EQ(child<QLabel>(&w, "panInfo")->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
}

TEST_F(CardWindow, SaveChecksRunInOrderAndWriteNothingUntilAllPass) {
    struct Step {
        const char* control;
        const char* value;
        const char* message;
        const char* focus;
    };
    // Each step mends what the previous save refused; the next save tells the next check.
    const Step steps[] = {
        {"txtImporto", "", "la data dell'appuntamento.", "txtData"},                  // every field empty
        {"txtData", "12/03/2024", "i servizi richiesti dal cliente.", "txtCausale"},  // the notice holds "0"
        {"txtAvviso", "", "i giorni di preavviso rispetto alla data dell'appuntamento.", "txtAvviso"},
        {"txtAvviso", "3", "i servizi richiesti dal cliente.", "txtCausale"},
        {"txtCausale", "Consulenza", "il nome del cliente.", "txtContatto"},
        {"txtContatto", "Rossi Mario", "il numero di cellulare del cliente.", "txtCel"},
    };
    put("txtImporto", QString());
    for (const Step& s : steps) expectSaveRefused(seams, s.control, s.value, s.message, s.focus);
    EXPECT_FALSE(QFile::exists(seams.file("Archivio_Appuntamenti.pro")));
    EXPECT_EQ(pos(), QString());

    put("txtCel", "3331234567");
    click("cmdSalva");
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Information);
    EXPECT_EQ(seams.lastMessage().text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
    EXPECT_EQ(pos(), QStringLiteral("1"));
    EXPECT_EQ(text("txtImporto"), QStringLiteral("0,00"));  // an emptied amount is stored as nothing due
    ASSERT_EQ(bytes().size(), kSize);
    Record saved(AppointmentFields::get().layout());
    saved.bytes() = bytes();
    EXPECT_EQ(saved.get("Importo"), QStringLiteral("0,00"));
    EXPECT_EQ(saved.get("Avviso"), QStringLiteral("3"));
}

TEST_F(CardWindow, LeavingTheAmountWritesItWithTwoDecimals) {
    struct Case {
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"7", "7,00"}, {"7,1", "7,10"},  {"7,104", "7,10"}, {"7,105", "7,11"}, {"1.000", "0,00"},   {",5", "0,50"},
        {",", "0,00"}, {"12,", "12,00"}, {"", "0,00"},      {"1,2,3", "0,00"}, {"0012,5", "12,50"},
    };
    auto* importo = child<QLineEdit>(&w, "txtImporto");
    for (const Case& c : cases) {
        importo->setFocus();
        importo->setText(QString::fromUtf8(c.typed));
        ctl("txtNote")->setFocus();
        EXPECT_EQ(importo->text(), QString::fromUtf8(c.shown)) << c.typed;
    }
    // Typing keeps the digits and the comma only.
    type("txtImporto", "1.5a,2 0");
    EXPECT_EQ(importo->text(), QStringLiteral("15,20"));
    // The amount being typed when Salva is pressed is written before it is read.
    fillRequired();
    type("txtImporto", "7,1");
    click("cmdSalva");
    EXPECT_EQ(importo->text(), QStringLiteral("7,10"));
    Record saved(AppointmentFields::get().layout());
    saved.bytes() = bytes();
    EXPECT_EQ(saved.get("Importo"), QStringLiteral("7,10"));
}

TEST_F(CardWindow, AppendThenOverwriteWriteTheRecordBuiltByHand) {
    archive({card({}), card({}), card({{"Contatto", "Terzo"}})});
    put("txtData", "12/03/2024");
    put("txtOreApp", "09");
    put("txtMinutiApp", "05");
    type("txtAvviso", "15");
    type("txtTipologia", "  Laura Neri ");
    type("txtCausale", "Dichiarazione dei redditi");
    type("txtDettagli", "Modello 730");
    type("txtContatto", "Niccolò Rossi");
    type("txtTel", "06 1234567");
    type("txtCel", "3331234567");
    type("txtEmail", " n.rossi@esempio.it ");
    type("txtLuogo", "Bonifico");
    type("txtImporto", "120,5");
    type("txtNote", QString(300, QLatin1Char('n')));  // no more than the field's 250
    click("cmdSalva");
    EXPECT_EQ(seams.lastMessage().text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
    EXPECT_EQ(pos(), QStringLiteral("4"));
    EXPECT_EQ(text("lblOra"), QStringLiteral("09:05"));

    Record expected(AppointmentFields::get().layout());
    const std::pair<const char*, QString> fields[] = {{"Data", "12/03/2024"},
                                                      {"OreApp", "09"},
                                                      {"MinutiApp", "05"},
                                                      {"Ora", "09:05"},
                                                      {"Avviso", "15"},
                                                      {"Tipologia", "Laura Neri"},
                                                      {"Causale", "Dichiarazione dei redditi"},
                                                      {"Dettagli", "Modello 730"},
                                                      {"Contatto", "Niccolò Rossi"},
                                                      {"Tel", "06 1234567"},
                                                      {"Cel", "3331234567"},
                                                      {"Email", "n.rossi@esempio.it"},
                                                      {"Luogo", "Bonifico"},
                                                      {"Importo", "120,50"},
                                                      {"Note", QString(250, QLatin1Char('n'))},
                                                      {"Ottemperata", "No"}};
    for (const auto& [field, value] : fields) expected.set(field, value);
    QByteArray file = bytes();
    ASSERT_EQ(file.size(), 4 * kSize);
    EXPECT_EQ(file.mid(3 * kSize), expected.bytes());
    EXPECT_EQ(file.mid(3 * kSize + 11, 12), QByteArray("\x02"
                                                       "09"
                                                       "\x02"
                                                       "05"
                                                       "\x05"
                                                       "09:05",
                                                       12));

    // The same card, done and moved to 17:40, overwrites itself.
    put("txtOreApp", "17");
    put("txtMinutiApp", "40");
    child<QCheckBox>(&w, "chkOttemperata")->setChecked(true);
    click("cmdSalva");
    EXPECT_EQ(seams.lastMessage().text,
              QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
    EXPECT_EQ(pos(), QStringLiteral("4"));
    expected.set("OreApp", "17");
    expected.set("MinutiApp", "40");
    expected.set("Ora", "17:40");
    expected.set("Ottemperata", "Sì");
    file = bytes();
    ASSERT_EQ(file.size(), 4 * kSize);
    EXPECT_EQ(file.mid(3 * kSize), expected.bytes());
    EXPECT_EQ(file.mid(3 * kSize + 1262), QByteArray("\x02\x53\xEC", 3));
    EXPECT_EQ(file.left(kSize), card({}).bytes());

    // Card 3 overwritten stays at 3.
    click("cmdPrimo");
    click("cmdAvanti");
    click("cmdAvanti");
    EXPECT_EQ(text("txtContatto"), QStringLiteral("Terzo"));
    type("txtDettagli", "Rinviato");
    click("cmdSalva");
    EXPECT_EQ(pos(), QStringLiteral("3"));
    EXPECT_EQ(bytes().size(), 4 * kSize);
    EXPECT_EQ(bytes().mid(2 * kSize, kSize), card({{"Contatto", "Terzo"}, {"Dettagli", "Rinviato"}}).bytes());
}

TEST_F(CardWindow, DuplicateKeepsEverythingButTheDateAndTime) {
    click("cmdDuplica");
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Warning);
    EXPECT_EQ(seams.lastMessage().text,
              QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è "
                             "stata inserita in archivio."));

    const Record third = card({{"Ottemperata", "Sì"},
                               {"Note", "Ogni martedì"},
                               {"Email", "a.bianchi@esempio.it"},
                               {"Luogo", "Contanti"},
                               {"Tel", "06 7654321"},
                               {"Dettagli", "Seconda seduta"}});
    archive({card({}), card({}), third});
    click("cmdUltimo");
    EXPECT_EQ(pos(), QStringLiteral("3"));
    seams.messages.clear();
    click("cmdDuplica");
    ASSERT_EQ(seams.messages.size(), 1u);
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Information);
    EXPECT_EQ(seams.lastMessage().text,
              QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                             "Al termine premere Salva per inserire la scheda in archivio."));
    EXPECT_EQ(pos(), QString());
    EXPECT_EQ(text("txtData"), QString());
    EXPECT_EQ(text("txtOreApp"), QStringLiteral("00"));
    EXPECT_EQ(text("txtMinutiApp"), QStringLiteral("00"));
    EXPECT_EQ(list("txtOreApp")->currentIndex(), -1);
    EXPECT_TRUE(ctl("txtData")->hasFocus());

    put("txtData", "14/03/2024");
    put("txtOreApp", "09");
    put("txtMinutiApp", "05");
    click("cmdSalva");
    EXPECT_EQ(seams.lastMessage().text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
    EXPECT_EQ(pos(), QStringLiteral("4"));
    Record expected = third;
    expected.set("Data", "14/03/2024");
    expected.set("OreApp", "09");
    expected.set("MinutiApp", "05");
    expected.set("Ora", "09:05");
    ASSERT_EQ(bytes().size(), 4 * kSize);
    EXPECT_EQ(bytes().mid(3 * kSize), expected.bytes());
    EXPECT_EQ(bytes().mid(2 * kSize, kSize), third.bytes());
}

TEST_F(CardWindow, HourAndMinutesArePickedOnlyAndTheDateOnlyFromThePicker) {
    struct Case {
        const char* name;
        const char* after;
    };
    for (const Case& c : {Case{"txtOreApp", "01"}, Case{"txtMinutiApp", "01"}}) {
        QComboBox* box = list(c.name);
        box->setFocus();
        typeText(box, "5a");
        EXPECT_EQ(box->currentText(), QStringLiteral("00")) << c.name;
        QTest::keyClick(box, Qt::Key_Down);
        QTest::keyClick(box->view(), Qt::Key_Down);
        QTest::keyClick(box->view(), Qt::Key_Return);
        EXPECT_EQ(box->currentText(), QString::fromUtf8(c.after)) << c.name;
        // A value outside the list is emptied on leaving.
        box->setEditText("24");
        ctl("txtNote")->setFocus();
        EXPECT_EQ(box->currentText(), c.name == std::string("txtOreApp") ? QString() : QStringLiteral("24")) << c.name;
    }

    // Any key in the date opens the picker; Annulla changes nothing, Importa writes the day chosen.
    auto* data = child<QLineEdit>(&w, "txtData");
    put("txtData", "01/02/2024");
    seams.onModal([](QDialog* d) {
        EXPECT_EQ(d->findChild<QLabel*>("lblMemory")->text(), QStringLiteral("data"));
        child<QPushButton>(d, "btnAnnulla")->click();
    });
    data->setFocus();
    QTest::keyClick(data, Qt::Key_5);
    EXPECT_EQ(data->text(), QStringLiteral("01/02/2024"));
    seams.onModal([](QDialog* d) {
        child<QCalendarWidget>(d, "calAppuntamenti")->setSelectedDate(QDate(2024, 12, 25));
        child<QPushButton>(d, "btnImportaData")->click();
    });
    click("impData");
    EXPECT_EQ(data->text(), QStringLiteral("25/12/2024"));
    ASSERT_EQ(seams.modals.size(), 2u);
    EXPECT_EQ(seams.modals[1].className, QStringLiteral("TfrmCalendario"));
    QTest::keyClick(data, Qt::Key_Backspace);
    EXPECT_EQ(data->text(), QString());
    EXPECT_EQ(seams.modals.size(), 2u);
}

TEST_F(CardWindow, TypingRulesAndTheTabOrder) {
    type("txtAvviso", "1a2-34");
    EXPECT_EQ(text("txtAvviso"), QStringLiteral("123"));  // digits only, three at most
    type("txtAvviso", "");
    ctl("txtNote")->setFocus();
    EXPECT_EQ(text("txtAvviso"), QStringLiteral("0"));
    type("txtCel", "+39 333-12");
    EXPECT_EQ(text("txtCel"), QStringLiteral("3933312"));
    type("txtEmail", " m.rossi@esempio.it ");
    EXPECT_EQ(text("txtEmail"), QStringLiteral("m.rossi@esempio.it"));

    // Tab goes through the fields in the order of the card, the box "Impegno assolto" among them.
    const QStringList tabs = {"txtData",    "txtOreApp",   "txtMinutiApp", "txtAvviso",      "txtTipologia",
                              "txtCausale", "txtDettagli", "txtContatto",  "txtTel",         "txtCel",
                              "txtEmail",   "txtLuogo",    "txtImporto",   "chkOttemperata", "txtNote"};
    QWidget* at = ctl("txtData");
    for (int i = 1; i < tabs.size(); ++i) {
        QWidget* next = at->nextInFocusChain();
        // Past the small buttons beside the fields and the edit inside each list.
        while (!(next->focusPolicy() & Qt::TabFocus) || next->objectName().isEmpty() ||
               next->objectName().startsWith("imp") || next->objectName().startsWith("btn"))
            next = next->nextInFocusChain();
        EXPECT_EQ(next->objectName(), tabs[i]);
        at = next;
    }
}

TEST_F(CardWindow, ClientImportCopiesExactlyFiveFields) {
    put("txtData", "12/03/2024");
    type("txtContatto", "Da sostituire");
    type("txtCausale", "Visita");
    type("txtNote", "Urgente");
    const Import import =
        importVerdi(seams, AppointmentFields::get().layout(), "impContatto", "scadenze", {{"Recapito", "  06 555 "}});

    QMap<QString, QString> expected = import.before;
    expected["Contatto"] = "Verdi Giuseppe";
    expected["Tel"] = "06 555";
    expected["Cel"] = "CTelCel";
    expected["Email"] = "CEmail";
    expected["Luogo"] = "CEstremi";
    EXPECT_EQ(import.after, expected);
    EXPECT_FALSE(QFile::exists(seams.file("Archivio_Appuntamenti.pro")));
}

TEST_F(CardWindow, WhatsAppConfirmationAndEmail) {
    struct Case {
        const char* date;
        const char* cel;
        const char* warning;
        const char* focus;
    };
    const Case refused[] = {
        {"", "3331234567", "è necessario indicare la data.", "txtData"},
        {"12/03/2024", "", "è necessario indicare il suo numero di cellulare.", "txtCel"},
    };
    for (const Case& c : refused) {
        put("txtData", QString::fromUtf8(c.date));
        put("txtCel", QString::fromUtf8(c.cel));
        ctl("txtNote")->setFocus();
        click("btnWhatsApp");
        EXPECT_EQ(seams.lastMessage().kind, MsgKind::Warning);
        EXPECT_EQ(seams.lastMessage().text,
                  QStringLiteral("Attenzione: per inviare la conferma dell'appuntamento al cliente tramite WhatsApp ") +
                      QString::fromUtf8(c.warning));
        EXPECT_TRUE(ctl(c.focus)->hasFocus()) << c.focus;
    }
    EXPECT_TRUE(seams.opened.isEmpty());

    // Unsaved, as it stands on screen.
    put("txtData", "12/03/2024");
    put("txtOreApp", "09");
    put("txtMinutiApp", "05");
    put("txtCel", " 333 1234567 ");
    click("btnWhatsApp");
    type("txtEmail", "m.rossi@esempio.it");
    click("btnEmail");
    EXPECT_EQ(seams.opened,
              QStringList({"https://api.whatsapp.com/send?phone=393331234567&text=Gentile Cliente, le confermiamo "
                           "l'appuntamento presso il nostro studio alle ore 09:05 del giorno 12/03/2024",
                           "\"mailto:m.rossi@esempio.it\""}));
    EXPECT_EQ(text("txtCel"), QStringLiteral(" 333 1234567 "));  // the card keeps the number as typed
    EXPECT_FALSE(QFile::exists(seams.file("Archivio_Appuntamenti.pro")));
}

TEST_F(CardWindow, PrintoutShowsTheUnsavedCardOnScreen) {
    put("txtData", "12/03/2024");
    put("txtOreApp", "09");
    put("txtMinutiApp", "05");
    put("txtCausale", "  Consulenza ");
    put("txtContatto", "Rossi Mario");
    put("txtNote", "Portare i documenti");
    struct Case {
        const char* button;
        const char* caption;
        const char* action;
        ReportOutput::Action kind;
    };
    const Case cases[] = {
        {"cmdStampa", " Stampa scheda", "Stampa", ReportOutput::Action::Print},
        {"cmdAnteprima", " Anteprima di stampa", "Mostra anteprima", ReportOutput::Action::Preview},
    };
    for (const Case& c : cases) {
        seams.onModal([](QDialog* d) { child<QPushButton>(d, "btnAnnulla")->click(); });
        click(c.button);
        EXPECT_TRUE(seams.reports.empty()) << "Annulla printed";

        seams.onModal([&](QDialog* d) {
            EXPECT_EQ(d->windowTitle(), QString::fromUtf8(c.caption));
            auto* go = child<QPushButton>(d, "btnStampa");
            EXPECT_EQ(go->text(), QString::fromUtf8(c.action));
            go->click();
            EXPECT_FALSE(d->isVisible());
        });
        click(c.button);
        ASSERT_EQ(seams.reports.size(), 1u) << c.button;
        EXPECT_EQ(seams.reports[0].action, c.kind);
        const PreparedReport& rep = *seams.reports[0].report;
        EXPECT_EQ(rep.orientation, QPageLayout::Portrait);
        ASSERT_EQ(rep.pageCount(), 1);
        const PreparedPage& page = rep.pages[0];
        const std::pair<const char*, const char*> values[] = {
            {"txtTitolo", "SCHEDA APPUNTAMENTO"},
            {"txtData", "12/03/2024"},
            {"txtOra", "09:05"},
            {"txtCausale", "Consulenza"},
            {"txtContatto", "Rossi Mario"},
            {"txtImporto", "0,00"},
            {"txtNote", "Portare i documenti"},
            {"txtOttemperata", "No"},
            {"titCampo01", "Data appuntamento:"},
            {"titCampo10", "Modalità di pagamento:"},
            {"titCampo13", "Impegno assolto:"},
            {"txtCalce", "Stampa eseguita in data 07/03/2024 alle ore 09:05:40"}};
        for (const auto& [memo, text] : values) {
            ASSERT_NE(page.memo(memo), nullptr) << memo;
            EXPECT_EQ(page.memo(memo)->text(), QString::fromUtf8(text)) << memo;
        }
        EXPECT_EQ(page.memo("titCampo14"), nullptr);
        seams.reports.clear();
    }
    child<QCheckBox>(&w, "chkOttemperata")->setChecked(true);
    seams.onModal([](QDialog* d) { child<QPushButton>(d, "btnStampa")->click(); });
    click("cmdStampa");
    ASSERT_EQ(seams.reports.size(), 1u);
    EXPECT_EQ(printedLines(*seams.reports[0].report, "txtOttemperata"), QStringList{"Sì"});
    EXPECT_FALSE(QFile::exists(seams.file("Archivio_Appuntamenti.pro")));
}

TEST_F(CardWindow, TheGuideButtonOpensTheCardTopic) {
    click("cmdGuida");
    EXPECT_EQ(seams.helpRequests, QStringList{"App Schedario Appuntamenti"});
}

TEST(AppointmentApp, TheCardWindowReturnsToTheLauncherAndHasItsGuide) {
    Seams seams;
    WindowSet set;
    set.frmAvvio->hide();
    set.frmArchivio_Scadenze->showApp();
    EXPECT_TRUE(set.frmArchivio_Scadenze->isVisible());
    set.frmArchivio_Scadenze->cmdEsciClick();
    EXPECT_FALSE(set.frmArchivio_Scadenze->isVisible());
    EXPECT_TRUE(set.frmAvvio->isVisible());

    const auto guide = HelpTopics::find(QStringLiteral("App Schedario Appuntamenti"));
    ASSERT_TRUE(guide.has_value());
    EXPECT_EQ(guide->paragraphs.size(), 10);
}
