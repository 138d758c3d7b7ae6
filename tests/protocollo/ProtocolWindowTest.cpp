#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

#include "archive/ArchivioSchede.h"
#include "archive/Layouts.h"
#include "platform/IniFile.h"
#include "protocollo/TfrmMenuProtocollo.h"
#include "protocollo/TfrmNumerazione.h"
#include "protocollo/TfrmProtocollo.h"
#include "report/PreparedReport.h"
#include "support/Seams.h"
#include "support/WindowDriver.h"
#include "ui/FieldEditor.h"
#include "ui/Form.h"

namespace {

const int kSize = 3403;
const QString kSi = QStringLiteral("S\u00EC");

// A card as another copy of the program, or an older run, stored it.
Record document(const QString& number, const QString& kind = "In entrata", const QString& date = "02/03/2026") {
    Record r(Layouts::TSchedaProtocollo());
    r.set("Numero", number);
    r.set("Tipo", kind);
    r.set("DataReg", date);
    r.set("Categoria", "Fatture");
    r.set("Oggetto", "Documento " + number);
    return r;
}

class ProtocolWindow : public SeamsTest, protected WindowDriver {
protected:
    std::unique_ptr<TfrmProtocollo> w;

    void SetUp() override {
        seams.setNow(QDateTime(QDate(2026, 3, 9), QTime(11, 20, 5)));
        open("2026");
    }
    // The window as the year menu hands it over, shown.
    void open(const QString& year) {
        w = std::make_unique<TfrmProtocollo>();
        w->openYear(year);
        drive(w.get());
        showActive(w.get());
    }
    void settings(const QString& start, const QString& withYear) {
        IniFile::writeString(seams.file("Quarzeno.ini"), "Numerazione Protocollo", "Inizio", start);
        IniFile::writeString(seams.file("Quarzeno.ini"), "Numerazione Protocollo", "Indicazione Anno Solare", withYear);
    }
    void fillRequired() {
        put("txtCategoria", "Fatture");
        put("txtOggetto", "Fattura n. 12");
        click("optUscita");
    }
    QByteArray archive(const char* year = "2026") { return fileBytes(seams.file(QString(year) + ".prt")); }
};

}  // namespace

TEST_F(ProtocolWindow, NewProposesTheNextNumberAndTodayAndRepeatsItUntilSaved) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral(" Plenaro - Protocollo Posta anno 2026"));
    EXPECT_EQ(child<QLabel>(w.get(), "lblFile")->text(), seams.file("2026.prt"));
    EXPECT_EQ(text("txtDataReg"), QStringLiteral("09/03/2026"));
    EXPECT_TRUE(ctl("txtNumero")->hasFocus());

    for (int i = 0; i < 2; ++i) {
        click("cmdNuovo");
        EXPECT_EQ(text("txtNumero"), QStringLiteral("1"));
        EXPECT_EQ(text("txtDataReg"), QStringLiteral("09/03/2026"));
        EXPECT_TRUE(ctl("txtCategoria")->hasFocus());
    }
    EXPECT_EQ(archive().size(), 0);  // created by the count, still empty
    fillRequired();
    click("cmdSalva");
    EXPECT_EQ(seams.lastMessage().text, QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio."));
    EXPECT_EQ(pos(), QStringLiteral("1"));
    click("cmdNuovo");
    EXPECT_EQ(text("txtNumero"), QStringLiteral("2"));
    EXPECT_EQ(text("txtCategoria"), QString());
    EXPECT_EQ(text("grpTipo"), QString());
    EXPECT_EQ(pos(), QString());
}

TEST_F(ProtocolWindow, TheSettingsStartTheNumberAndAddTheCurrentYear) {
    struct Case {
        const char* year;
        const char* start;
        QString withYear;
        int cards;
        const char* proposed;
    };
    const Case cases[] = {
        {"2026", "100", kSi, 0, "100/2026"},
        {"2024", "100", kSi, 0, "100/2026"},  // a past year's archive still takes today's year
        {"2026", " 7 ", "No", 2, "9"},
        {"2026", "", "si", 1, "2"},  // only "Sì" adds the year
        {"2025", "0", "No", 3, "3"},
    };
    for (const Case& c : cases) {
        QFile::remove(seams.file(QString(c.year) + ".prt"));
        std::vector<Record> cards;
        for (int i = 0; i < c.cards; ++i) cards.push_back(document(QString::number(i + 1)));
        appendRecords(seams.file(QString(c.year) + ".prt"), cards);
        settings(c.start, c.withYear);
        open(c.year);
        click("cmdNuovo");
        EXPECT_EQ(text("txtNumero"), QString(c.proposed)) << c.year << " " << c.start;
    }

    // A start that is no whole number is told as an access failure; the card stays.
    settings("12a", "No");
    put("txtOggetto", "In corso");
    seams.messages.clear();
    click("cmdNuovo");
    ASSERT_EQ(seams.messages.size(), 1u);
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Error);
    EXPECT_TRUE(seams.lastMessage().text.startsWith("Attenzione: il sistema non permette di accedere all'archivio."));
    EXPECT_EQ(text("txtOggetto"), QStringLiteral("In corso"));
}

// A settings file that cannot be read counts as a missing one: the register
// keeps working, and the user is told once which file it is.
TEST_F(ProtocolWindow, AnUnreadableSettingsFileIsReadAsMissingWithOneWarning) {
    settings("100", kSi);
    w->close();
    QFile::remove(seams.file("Quarzeno.ini"));
    QDir().mkdir(seams.file("Quarzeno.ini"));  // a folder in its place: unreadable even for root
    seams.messages.clear();
    open("2026");
    ASSERT_EQ(seams.messages.size(), 1u);
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Warning);
    EXPECT_EQ(seams.lastMessage().text,
              QStringLiteral("Attenzione: il sistema non permette di leggere il file delle impostazioni "
                             "Quarzeno.ini.\n\r\n\rFinch\u00E9 il file non sar\u00E0 leggibile, la numerazione "
                             "dei documenti parte da 1 senza l'indicazione dell'anno solare, e l'ufficio e "
                             "l'operatore vanno indicati a mano. Accertarsi di possedere i privilegi di lettura "
                             "nella cartella di installazione del programma."));
    EXPECT_EQ(text("txtUfficio"), QString());
    for (const char* expected : {"1", "2"}) {
        click("cmdNuovo");
        EXPECT_EQ(text("txtNumero"), QString(expected));
        fillRequired();
        click("cmdSalva");
        EXPECT_EQ(seams.lastMessage().text, QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio."));
    }
    EXPECT_EQ(seams.messages.size(), 3u);  // the warning, then the two saves
    EXPECT_EQ(archive().size(), 2 * kSize);
}

TEST_F(ProtocolWindow, SaveChecksRunInOrderAndWriteNothingUntilAllPass) {
    put("txtDataReg", "");
    struct Step {
        const char* control;
        const char* value;
        const char* message;
        const char* focus;
    };
    const Step steps[] = {
        {nullptr, nullptr, "il numero di protocollo del documento.", "txtNumero"},
        {"txtNumero", "  ", "il numero di protocollo del documento.", "txtNumero"},
        {"txtNumero", "15", "la data di registrazione del documento.", "txtDataReg"},
        {"txtDataReg", "01/03/2026", "la categoria del documento.", "txtCategoria"},
        {"txtCategoria", "Contratti", "l'oggetto del documento.", "txtOggetto"},
        {"txtOggetto", "Contratto di locazione", "la tipologia di posta (in entrata, in uscita o interna).",
         "optEntrata"},
    };
    for (const Step& s : steps) expectSaveRefused(seams, s.control, s.value, s.message, s.focus);
    EXPECT_FALSE(QFile::exists(seams.file("2026.prt")));
    EXPECT_EQ(pos(), QString());
    click("optInterna");
    click("cmdSalva");
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Information);
    EXPECT_EQ(archive().size(), kSize);
}

TEST_F(ProtocolWindow, SavedCardIsTheRecordBuiltByHandAndComesBackWhole) {
    appendRecords(seams.file("2026.prt"), {document("1")});
    const char* values[][2] = {
        {"txtNumero", " 2/2026 "},
        {"txtDataReg", "09/03/2026"},
        {"txtUfficio", "Segreteria"},
        {"txtOperatore", "Anna Verdi"},
        {"txtCategoria", "Contratti"},
        {"txtCollocazione", "Armadio B, ripiano 2"},
        {"txtOggetto", "Contratto di locazione via Roma"},
        {"txtDataSpe", "05/03/2026"},
        {"txtDataRic", "08/03/2026"},
        {"txtFormato", "A4"},
        {"txtPagine", "12"},
        {"txtRiferimenti", "Prot. 1/2026"},
        {"txtNote", "Originale firmato"},
        {"txtMittente", "Immobiliare Sole"},
        {"txtRecapitoMit", "Via Po 3, Torino"},
        {"txtDestinatario", "Studio"},
        {"txtRecapitoDes", "Via Roma 1"},
        {"txtCopia", "contratto.pdf"},
        {"lblFile01", "planimetria.pdf"},
        {"lblDesc01", "Planimetria"},
        {"lblFile03", "visura.pdf"},
        {"lblDesc03", "Visura catastale"},
    };
    for (const auto& v : values) put(v[0], QString::fromUtf8(v[1]));
    put("txtOggetto", QString(300, QLatin1Char('x')));  // longer than a field holds: the control cuts it
    put("txtOggetto", "Contratto di locazione via Roma");
    click("optEntrata");
    click("cmdSalva");
    ASSERT_EQ(pos(), QStringLiteral("2"));

    Record expected(Layouts::TSchedaProtocollo());
    const char* fields[] = {"Numero",  "DataReg",  "Ufficio",     "Operatore",    "Categoria",   "Collocazione",
                            "Oggetto", "DataSpe",  "DataRic",     "Formato",      "Pagine",      "Riferimenti",
                            "Note",    "Mittente", "RecapitoMit", "Destinatario", "RecapitoDes", "Copia",
                            "File01",  "Desc01",   "File03",      "Desc03"};
    for (size_t i = 0; i < std::size(fields); ++i)
        expected.set(QLatin1String(fields[i]), QString::fromUtf8(values[i][1]).trimmed());
    expected.set("Tipo", "In entrata");
    const QByteArray bytes = archive();
    ASSERT_EQ(bytes.size(), 2 * kSize);
    EXPECT_EQ(bytes.mid(kSize), expected.bytes());

    // Overwritten in place with the other kind; browsing brings every value back.
    click("optInterna");
    click("cmdSalva");
    EXPECT_EQ(seams.lastMessage().text,
              QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
    click("cmdNuovo");
    click("cmdUltimo");
    EXPECT_EQ(pos(), QStringLiteral("2"));
    EXPECT_TRUE(child<QRadioButton>(w.get(), "optInterna")->isChecked());
    EXPECT_FALSE(child<QRadioButton>(w.get(), "optEntrata")->isChecked());
    EXPECT_EQ(text("lblDesc03"), QStringLiteral("Visura catastale"));
    EXPECT_EQ(text("txtNumero"), QStringLiteral("2/2026"));
    click("cmdPrimo");
    EXPECT_TRUE(child<QRadioButton>(w.get(), "optEntrata")->isChecked());
    EXPECT_EQ(text("txtUfficio"), QString());  // the card's office replaces the one on screen
    EXPECT_EQ(text("lblDesc03"), QString());
}

TEST_F(ProtocolWindow, OfficeAndOperatorSurviveClosingAndReopening) {
    put("txtUfficio", " Segreteria ");
    put("txtOperatore", "Anna Verdì");
    w->close();
    EXPECT_EQ(IniFile::readString(seams.file("Quarzeno.ini"), "Protocollo Documenti", "Operatore"),
              QStringLiteral("Anna Verdì"));
    EXPECT_TRUE(fileBytes(seams.file("Quarzeno.ini")).contains("Anna Verd\xEC"));  // Windows-1252

    open("2026");
    EXPECT_EQ(text("txtUfficio"), QStringLiteral("Segreteria"));
    EXPECT_EQ(text("txtOperatore"), QStringLiteral("Anna Verdì"));
    click("cmdNuovo");
    EXPECT_EQ(text("txtUfficio"), QStringLiteral("Segreteria"));
    EXPECT_EQ(text("txtOperatore"), QStringLiteral("Anna Verdì"));
}

TEST_F(ProtocolWindow, DigitalCopyIsCopiedInAndAnExistingFileKeptOnNo) {
    QDir().mkpath(seams.file("in"));
    QDir().mkpath(seams.file("Documenti_Allegati"));
    const QString source = seams.file("in/lettera.pdf");
    writeFile(source, "nuova");
    auto* apri = child<QPushButton>(w.get(), "btnApri");
    EXPECT_FALSE(apri->isEnabled());

    click("btnSfoglia");  // cancelled
    ASSERT_EQ(seams.fileRequests.size(), 1u);
    EXPECT_EQ(seams.fileRequests[0].caption, QStringLiteral("Selezionare il file da allegare:"));
    EXPECT_EQ(seams.fileRequests[0].filter, QStringLiteral("Tutti i file (*.*)"));
    EXPECT_EQ(text("txtCopia"), QString());

    writeFile(seams.file("Documenti_Allegati/lettera.pdf"), "vecchia");
    seams.pickFile(source);
    seams.answer(MsgAnswer::No);
    click("btnSfoglia");
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Confirmation);
    EXPECT_TRUE(seams.lastMessage().text.startsWith(
        "Attenzione: nella cartella dei documenti allegati \u00E8 presente un file con lo stesso nome."));
    EXPECT_EQ(fileBytes(seams.file("Documenti_Allegati/lettera.pdf")), QByteArray("vecchia"));
    EXPECT_EQ(text("txtCopia"), QStringLiteral("lettera.pdf"));
    EXPECT_TRUE(apri->isEnabled());

    seams.pickFile(source);
    click("btnSfoglia");  // Yes
    EXPECT_EQ(fileBytes(seams.file("Documenti_Allegati/lettera.pdf")), QByteArray("nuova"));

    click("btnApri");
    ASSERT_EQ(seams.opened.size(), 1);
    EXPECT_TRUE(seams.opened[0].startsWith('"') && seams.opened[0].endsWith("Documenti_Allegati/lettera.pdf\""))
        << seams.opened[0].toStdString();

    click("imgCancella01");
    EXPECT_EQ(text("txtCopia"), QString());
    EXPECT_FALSE(apri->isEnabled());
    EXPECT_TRUE(QFile::exists(seams.file("Documenti_Allegati/lettera.pdf")));
}

TEST_F(ProtocolWindow, ANumberTakenByAnotherCopyIsNotGivenTwice) {
    // Meanwhile another copy sharing the folder registers a document under a
    // number of its own choosing: the proposal is still free and written.
    click("cmdNuovo");
    ASSERT_EQ(text("txtNumero"), QStringLiteral("1"));
    fillRequired();
    appendRecords(seams.file("2026.prt"), {document("50")});
    seams.messages.clear();
    click("cmdSalva");
    ASSERT_EQ(seams.messages.size(), 1u);
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Information);
    EXPECT_EQ(pos(), QStringLiteral("2"));

    // Now it takes the number proposed here, and the next one too.
    click("cmdNuovo");
    ASSERT_EQ(text("txtNumero"), QStringLiteral("3"));
    fillRequired();
    appendRecords(seams.file("2026.prt"), {document("3"), document("5")});
    seams.messages.clear();
    click("cmdSalva");
    ASSERT_EQ(seams.messages.size(), 1u);
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Warning);
    EXPECT_EQ(seams.lastMessage().text,
              QStringLiteral("Attenzione: mentre la scheda veniva compilata il numero 3 \u00E8 stato assegnato a un "
                             "altro documento, forse da un'altra postazione.\n\r\n\r\u00C8 stato proposto il "
                             "primo numero libero, 6: premere di nuovo Salva per registrare la scheda."));
    EXPECT_EQ(text("txtNumero"), QStringLiteral("6"));  // 5 is taken too
    EXPECT_TRUE(ctl("txtNumero")->hasFocus());
    EXPECT_EQ(archive().size(), 4 * kSize);
    EXPECT_EQ(pos(), QString());

    click("cmdSalva");
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Information);
    EXPECT_EQ(pos(), QStringLiteral("5"));
    EXPECT_EQ(Archive::readAt(seams.file("2026.prt"), Layouts::TSchedaProtocollo(), 5).get("Numero"),
              QStringLiteral("6"));

    // A number the user typed is the user's choice.
    click("cmdNuovo");
    fillRequired();
    put("txtNumero", "1");
    appendRecords(seams.file("2026.prt"), {document("7")});
    click("cmdSalva");
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Information);
    EXPECT_EQ(archive().size(), 7 * kSize);
}

// Two copies of the program registering mail in one folder as fast as they
// can, each through its own protocol window.
TEST(ProtocolTwoCopies, EveryNumberOnceNoCardLostAndOnlyTakenNumbersReproposed) {
    Seams seams;
    constexpr int kEach = 300;
    const QString names[2] = {"Prima", "Seconda"};
    QProcess copies[2];
    for (int c = 0; c < 2; ++c)
        copies[c].start(QStringLiteral(PLENARO_TEST_TOOLS_DIR "/protocol_registrar"),
                        {seams.folder(), names[c], QString::number(kEach)});
    QStringList refused[2];
    for (int c = 0; c < 2; ++c) {
        QProcess& p = copies[c];
        ASSERT_TRUE(p.waitForFinished(300000));
        ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        const QStringList out = QString::fromLatin1(p.readAllStandardOutput()).split(QLatin1Char('\n'));
        ASSERT_GE(out.size(), 2);
        // Every registration saved, after however many re-proposals.
        EXPECT_TRUE(out[0].startsWith("registrations=300 saved=300 ") && out[0].endsWith(" unsaved=0"))
            << out[0].toStdString();
        refused[c] = out[1].section('=', 1).split(',', Qt::SkipEmptyParts);
    }
    // Every card there, the numbers 1 to 600 each once: none twice, none missing.
    const QByteArray bytes = fileBytes(seams.file("2025.prt"));
    ASSERT_EQ(bytes.size(), 2 * kEach * kSize);
    auto text = [&](int card, int offset) {
        const QByteArray field = bytes.mid(card * kSize + offset);
        return QString::fromLatin1(field.mid(1, quint8(field.at(0))));
    };
    QMap<int, QString> subjectOf;
    for (int i = 0; i < 2 * kEach; ++i) subjectOf.insert(text(i, 0).toInt(), text(i, 323));
    ASSERT_EQ(subjectOf.size(), 2 * kEach);
    EXPECT_EQ(subjectOf.firstKey(), 1);
    EXPECT_EQ(subjectOf.lastKey(), 2 * kEach);
    // A number is re-proposed only when the other copy has really taken it.
    for (int c = 0; c < 2; ++c)
        for (const QString& n : refused[c])
            EXPECT_TRUE(subjectOf.value(n.toInt()).startsWith(names[1 - c] + ' ')) << n.toStdString();
}

TEST_F(ProtocolWindow, ThePrintedCardHasItsSixteenRows) {
    put("txtNumero", "7/2026");
    put("txtFormato", "A4");
    put("txtPagine", "3");
    put("txtNote", "Urgente");
    seams.onModal([](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral(" Stampa scheda"));
        child<QPushButton>(d, "btnStampa")->click();
    });
    click("cmdStampa");
    ASSERT_EQ(seams.reports.size(), 1u);
    const PreparedReport& rep = *seams.reports[0].report;
    EXPECT_EQ(printedLines(rep, "titScheda"), QStringList({"SCHEDA PROTOCOLLO DOCUMENTO"}));
    EXPECT_EQ(printedLines(rep, "txtNumero"), QStringList({"7/2026"}));
    EXPECT_EQ(printedLines(rep, "txtDataReg"), QStringList({"09/03/2026"}));
    EXPECT_EQ(printedLines(rep, "txtFormato"), QStringList({"A4  -  N. pagine: 3"}));
    EXPECT_EQ(printedLines(rep, "txtNote"), QStringList({"Urgente"}));
    EXPECT_EQ(printedLines(rep, "titCampo16"), QStringList({"Note:"}));
    EXPECT_EQ(printedLines(rep, "txtCalce"), QStringList({"Stampa eseguita in data 09/03/2026 alle ore 11:20:05"}));
}

// The year menu in front of the protocol window.
class YearMenu : public SeamsTest {
protected:
    QWidget launcher;
    TfrmProtocollo protocol;
    TfrmMenuProtocollo menu;

    void SetUp() override {
        seams.setNow(QDateTime(QDate(2026, 1, 2), QTime(8, 0)));
        AppShell::setLauncher(&launcher);
        menu.setProtocolWindow(&protocol);
        menu.show();
    }
    void TearDown() override {
        AppShell::setLauncher(nullptr);
        SeamsTest::TearDown();
    }
    QLineEdit* year() { return child<QLineEdit>(&menu, "txtAnnoPreventivi"); }
    QString memory() { return child<QLabel>(&menu, "lblMemory")->text(); }
};

TEST_F(YearMenu, AprOpensTheYearsArchiveAndOtherwiseTheLauncherReturns) {
    EXPECT_EQ(menu.windowTitle(), QStringLiteral(" Plenaro - Protocollo Posta"));
    EXPECT_EQ(year()->text(), QStringLiteral("2026"));
    EXPECT_EQ(memory(), QStringLiteral("avvio"));
    for (const char* wrong : {"", "202"}) {
        year()->setText(wrong);
        child<QPushButton>(&menu, "btnApriPreventivi")->click();
        EXPECT_EQ(seams.lastMessage().text,
                  QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        EXPECT_TRUE(menu.isVisible());
    }
    typeText(year(), "x1");  // only digits get in, and no more than four
    EXPECT_EQ(year()->text(), QStringLiteral("2021"));
    child<QPushButton>(&menu, "btnApriPreventivi")->click();
    EXPECT_FALSE(menu.isVisible());
    EXPECT_TRUE(protocol.isVisible());
    EXPECT_FALSE(launcher.isVisible());
    EXPECT_EQ(memory(), QStringLiteral("protocollo"));
    EXPECT_EQ(protocol.windowTitle(), QStringLiteral(" Plenaro - Protocollo Posta anno 2021"));
    EXPECT_EQ(child<QLabel>(&protocol, "lblFile")->text(), seams.file("2021.prt"));

    protocol.close();
    EXPECT_TRUE(launcher.isVisible());
    launcher.hide();
    menu.show();
    EXPECT_EQ(memory(), QStringLiteral("avvio"));
    EXPECT_EQ(year()->text(), QStringLiteral("2026"));
    child<QAbstractButton>(&menu, "imgGuida")->click();
    EXPECT_EQ(seams.helpRequests, QStringList({"App Protocollo Posta"}));
    child<QAbstractButton>(&menu, "imgEsci")->click();
    EXPECT_TRUE(launcher.isVisible());
    EXPECT_FALSE(protocol.isVisible());
}

TEST(Numbering, TheStartFieldRuleAndTheSettingsWritten) {
    Seams seams;
    struct Case {
        const char* typed;
        const char* becomes;
    };
    const Case cases[] = {{"0012", "12"}, {"", "1"},   {"  ", "1"},  {"12,5", "13"}, {"12,49", "12"},
                          {",5", "1"},    {"5,", "1"}, {"abc", "1"}, {"0", "0"}};
    TfrmNumerazione w;
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    auto* start = child<QLineEdit>(&w, "txtInizio");
    EXPECT_EQ(start->text(), QStringLiteral("1"));  // no settings file yet
    EXPECT_TRUE(start->hasFocus());
    for (const Case& c : cases) {
        start->setText(c.typed);
        w.txtInizioExit();
        EXPECT_EQ(start->text(), QString(c.becomes)) << c.typed;
    }
    start->setText("0012");
    child<QCheckBox>(&w, "chkTipo")->setChecked(true);
    child<QPushButton>(&w, "btnApplica")->click();
    EXPECT_FALSE(w.isVisible());
    const QString ini = seams.file("Quarzeno.ini");
    EXPECT_EQ(IniFile::readString(ini, "Numerazione Protocollo", "Inizio"), QStringLiteral("12"));
    EXPECT_TRUE(fileBytes(ini).contains("Indicazione Anno Solare=S\xEC\r\n"));

    // Shown again it loads them; "Annulla" writes nothing.
    TfrmNumerazione again;
    again.show();
    EXPECT_EQ(child<QLineEdit>(&again, "txtInizio")->text(), QStringLiteral("12"));
    EXPECT_TRUE(child<QCheckBox>(&again, "chkTipo")->isChecked());
    child<QCheckBox>(&again, "chkTipo")->setChecked(false);
    child<QPushButton>(&again, "btnAnnulla")->click();
    EXPECT_EQ(IniFile::readString(ini, "Numerazione Protocollo", "Indicazione Anno Solare"), kSi);
}
