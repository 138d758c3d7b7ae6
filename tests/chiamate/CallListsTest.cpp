#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include "ui/Grid.h"

#include "archive/CallColumns.h"
#include "archive/CallFields.h"
#include "archive/SpreadsheetExport.h"
#include "chiamate/SchedaChiamata.h"
#include "chiamate/TfrmChiamate.h"
#include "chiamate/TfrmExpChiamate.h"
#include "chiamate/TfrmRiepChiamateOggi.h"
#include "chiamate/TfrmStampaChiamata.h"
#include "clienti/TfrmClienti.h"
#include "clienti/TfrmStoricoChiamate.h"
#include "platform/Text.h"
#include "report/PreparedReport.h"
#include "support/Seams.h"
#include "support/Sheet.h"
#include "ui/FieldEditor.h"
#include "ui/RecordList.h"

namespace {

struct Call {
    const char* date;
    const char* time = "10:30";
    const char* subject = "Preventivo";
    const char* client = "Rossi Mario";
    const char* code = "RSSMRA80A01H501U";
    const char* mobile = "3331234567";
    const char* outcome = "";
};

// The sheet's columns of every call export.
const Sheet::Columns kSheetColumns = {{"Data chiamata", 150, Sheet::Kind::Date},
                                      {"Ora chiamata", 150},
                                      {"Tipo chiamata", 200},
                                      {"Oggetto", 350},
                                      {"Esito", 300},
                                      {"Grado soddisfazione", 250},
                                      {"Durata", 200},
                                      {"Cognome e nome cliente", 250},
                                      {"Codice fiscale", 200},
                                      {"Zona di appartenenza", 250},
                                      {"Tel. preferenziale", 200},
                                      {"Tel. cellulare", 200},
                                      {"Indirizzo e-mail", 250},
                                      {"Note", 350},
                                      {"Operatore o agente", 250}};

// A call as the call window stores it: the day, month and year repeat the date.
Record call(const Call& c) {
    Record r(CallFields::get().layout());
    const QString date = QString::fromUtf8(c.date);
    if (!date.isEmpty()) {
        r.set("Giorno", date.left(2));
        static const QStringList months = {"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                                           "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
        r.set("Mese", months.at(date.mid(3, 2).toInt() - 1));
        r.set("Anno", date.mid(6));
    }
    r.set("DataChiamata", date);
    r.set("Ore", QString::fromUtf8(c.time).left(2));
    r.set("Minuti", QString::fromUtf8(c.time).mid(3));
    r.set("OraChiamata", QString::fromUtf8(c.time));
    r.set("Tipo", "In entrata");
    r.set("Oggetto", QString::fromUtf8(c.subject));
    r.set("Cliente", QString::fromUtf8(c.client));
    r.set("CodFisc", QString::fromUtf8(c.code));
    r.set("TelCel", QString::fromUtf8(c.mobile));
    r.set("Esito", QString::fromUtf8(c.outcome));
    return r;
}

class CallLists : public SeamsTest {
protected:
    void archive(std::initializer_list<Call> calls) {
        std::vector<Record> records;
        for (const Call& c : calls) records.push_back(call(c));
        appendRecords(seams.file("Registro_Chiamate.pro"), records);
    }
    static QStringList column(TGrid* g, int c) {
        QStringList out;
        for (int r = 0; r < g->rowCount(); ++r) out << g->text(r, c);
        return out;
    }
};

}  // namespace

TEST_F(CallLists, TodaysCallsAreThoseDatedTodayWhateverTheirTime) {
    archive({{"05/03/2024", "00:00", "Primo"},
             {"05/03/2023", "10:00", "Anno prima"},
             {"06/03/2024", "10:00", "Dopo"},
             {"05/03/2024", "23:59", "Ultimo"},
             {"", "10:00", "Senza data"}});
    struct Case {
        QDateTime now;
        QStringList subjects;
    };
    const Case cases[] = {
        {QDateTime(QDate(2024, 3, 5), QTime(0, 0)), {"Primo", "Ultimo"}},
        {QDateTime(QDate(2024, 3, 5), QTime(23, 59, 59)), {"Primo", "Ultimo"}},
        {QDateTime(QDate(2024, 3, 6), QTime(8, 0)), {"Dopo"}},
        {QDateTime(QDate(2025, 3, 5), QTime(12, 0)), {}},
    };
    for (const Case& c : cases) {
        seams.setNow(c.now);
        TfrmRiepChiamateOggi w;
        w.show();
        EXPECT_EQ(column(w.grid(), 4), c.subjects) << c.now.toString().toStdString();
        QStringList numbers;
        for (int i = 1; i <= c.subjects.size(); ++i) numbers << QString::number(i);
        EXPECT_EQ(column(w.grid(), 0), numbers);
    }
}

TEST_F(CallLists, TheRegisterExportHoldsEveryDatedCallWhole) {
    const QString subject = QStringLiteral("Richiesta di preventivo per la ristrutturazione");  // beyond 30
    archive({{"07/03/2024", "09:05", "Prima"}, {"", "10:00", "Senza data"}, {"08/03/2024", "16:40", "Seconda"}});
    {
        Record r = call({"09/03/2024"});
        r.set("Oggetto", subject);
        appendRecords(seams.file("Registro_Chiamate.pro"), {r});
    }
    TfrmExpChiamate w;
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral(" Esportazione registro chiamate in Excel"));
    EXPECT_EQ(column(w.grid(), 4), QStringList({"Prima", "Seconda", subject}));
    EXPECT_EQ(column(w.grid(), 1), QStringList({"07/03/2024", "08/03/2024", "09/03/2024"}));
    EXPECT_EQ(column(w.grid(), 2), QStringList({"09:05", "16:40", "10:30"}));
    EXPECT_EQ(w.grid()->headerText(15), QStringLiteral("Operatore / Agente"));

    child<QAbstractButton>(&w, "cmdEsporta")->click();
    std::vector<QStringList> rows;
    for (int r = 0; r < 3; ++r) {
        QStringList cells;
        for (int c = 1; c <= 15; ++c) cells << w.grid()->text(r, c);
        rows.push_back(cells);
    }
    EXPECT_EQ(fileBytes(seams.file("Registro_Chiamate.xls")),
              Sheet::expected("Registro Chiamate", kSheetColumns, rows));
    EXPECT_EQ(rows.at(2).at(3), subject);
}

TEST_F(CallLists, ExportingNoCallsTodayWritesTheHeaderRowOnly) {
    archive({{"04/03/2025"}});  // the seams' clock says 5 March 2025
    TfrmRiepChiamateOggi w;
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral(" Riepilogo chiamate di oggi"));
    ASSERT_EQ(w.grid()->rowCount(), 0);
    child<QAbstractButton>(&w, "cmdEsporta")->click();
    const QByteArray bytes = fileBytes(seams.file("Chiamate_Odierne.xls"));
    EXPECT_EQ(bytes, Sheet::expected("Chiamate di oggi", kSheetColumns, {}));
    EXPECT_EQ(bytes.count("<tr>"), 1);
    EXPECT_TRUE(bytes.contains("Operatore o agente"));
    EXPECT_TRUE(bytes.contains("<x:Name>Chiamate di oggi</x:Name>"));
}

class CallFind : public CallLists {
protected:
    TfrmChiamate calls;

    // Opens the find window from the call window's button; the driver works on it.
    void find(const std::function<void(QDialog*)>& driver) {
        seams.onModal(driver);
        child<QAbstractButton>(&calls, "cmdTrova")->click();
    }
    static QStringList search(QDialog* d, std::initializer_list<std::pair<const char*, const char*>> criteria) {
        for (const auto& [name, text] : criteria) child<QLineEdit>(d, name)->setText(QString::fromUtf8(text));
        child<QPushButton>(d, "btnCerca")->click();
        return child<TRecordList>(d, "lstRecords")->lines();
    }
    static QString line(const Call& c) {
        return "Data: " + Text::fixed(c.date, 10) + "  Ora: " + Text::fixed(c.time, 5) +
               "  Oggetto: " + Text::fixed(QString::fromUtf8(c.subject), 30) +
               "  Cliente: " + Text::fixed(c.client, 30) + "  CF: " + Text::fixed(c.code, 16) + "  Cel. " + c.mobile;
    }
};

TEST_F(CallFind, MarchByTheMonthNameOrByTheDateText) {
    const Call marchLast{"07/03/2023", "09:05", "Richiesta di preventivo per la ristrutturazione"};
    const Call april{"03/04/2024", "11:00", "Sollecito marzo"};
    const Call march{"15/03/2024", "16:40", "Reclamo", "Bianchi Anna", "BNCNNA90B41F205X", "3471112223"};
    archive({marchLast, april, march, {"01/01/2024", "08:00", "Auguri"}});
    find([&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral(" Trova schede in registro chiamate"));
        EXPECT_TRUE(child<QWidget>(d, "txtDataRit")->hasFocus());
        const QStringList lines = search(d, {{"txtMeseRit", "marzo"}});
        EXPECT_EQ(lines, QStringList({line(marchLast), line(march)}));
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_TRUE(
            lines[0].startsWith("Data: 07/03/2023  Ora: 09:05  Oggetto: Richiesta di preventivo per la  Cliente: "))
            << lines[0].toStdString();
        EXPECT_EQ(child<QLabel>(d, "lblTrovate")->text(), QStringLiteral("Il presente riepilogo contiene 2 schede."));
        child<QPushButton>(d, "btnStampa")->click();
    });
    find([&](QDialog* d) {
        // Pressing "Cerca" shows the notice without moving the button from under the mouse.
        auto* cerca = child<QPushButton>(d, "btnCerca");
        const QPoint at = cerca->mapTo(d, QPoint(0, 0));
        QTest::mousePress(cerca, Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_TRUE(child<QLabel>(d, "lblAttendere")->isVisible());
        EXPECT_EQ(cerca->mapTo(d, QPoint(0, 0)), at);
        QTest::mouseRelease(cerca, Qt::LeftButton);
        EXPECT_EQ(search(d, {{"txtDataRit", "/03/"}}), QStringList({line(marchLast), line(march)}));
    });
    find([&](QDialog* d) {
        EXPECT_EQ(search(d, {{"txtMeseRit", "MARZO"}, {"txtCliente", "bianchi"}}), QStringList({line(march)}));
    });

    ASSERT_EQ(seams.reports.size(), 1u);
    EXPECT_EQ(printedLines(*seams.reports[0].report, "txtTitolo"), QStringList({"Riepilogo chiamate"}));
    EXPECT_EQ(printedLines(*seams.reports[0].report, "txtRiepilogo"), QStringList({line(marchLast), line(march)}));
}

TEST_F(CallFind, IdenticalLinesOpenTheLaterCallWithItsPosition) {
    archive({{"07/03/2024", "09:05", "Preventivo", "Rossi Mario", "RSSMRA80A01H501U", "333", "Primo esito"},
             {"08/03/2024"},
             {"07/03/2024", "09:05", "Preventivo", "Rossi Mario", "RSSMRA80A01H501U", "333", "Secondo esito"}});
    for (int row : {0, 1}) {
        child<QAbstractButton>(&calls, "cmdNuovo")->click();
        find([&](QDialog* d) {
            const QStringList lines = search(d, {{"txtDataRit", "07/03"}});
            ASSERT_EQ(lines.size(), 2);
            EXPECT_EQ(lines[0], lines[1]);
            auto* list = child<TRecordList>(d, "lstRecords");
            doubleClickLine(list, row);
            EXPECT_FALSE(d->isVisible());
        });
        EXPECT_EQ(calls.fieldText("Esito"), QStringLiteral("Secondo esito")) << row;
        EXPECT_EQ(child<QLabel>(&calls, "lblPosizione")->text(), QStringLiteral("3"));
        EXPECT_EQ(calls.fieldText("DataChiamata"), QStringLiteral("07/03/2024"));
        EXPECT_EQ(calls.fieldText("Mese"), QStringLiteral("Marzo"));
    }
}

TEST_F(CallLists, PrintoutShowsTheUnsavedCallOnScreen) {
    seams.setNow(QDateTime(QDate(2024, 3, 7), QTime(9, 5, 7)));
    TfrmChiamate w;
    w.show();
    auto put = [&](const char* name, const QString& value) {
        TFieldEditor::of(child<QWidget>(&w, name))->setText(value);
    };
    put("txtOggetto", "  Richiesta preventivo ");
    put("txtCliente", "Rossi Mario");
    put("txtEmail", "m.rossi@esempio.it");
    put("txtNote", "Richiamare lunedì");
    put("txtTipo", "In uscita");

    struct Case {
        const char* button;
        const char* caption;
        const char* action;
        ReportOutput::Action kind;
    };
    const Case cases[] = {
        {"cmdStampa", " Stampa documento", "Stampa", ReportOutput::Action::Print},
        {"cmdAnteprima", " Anteprima di stampa", "Mostra anteprima", ReportOutput::Action::Preview},
    };
    for (const Case& c : cases) {
        seams.onModal([&](QDialog* d) {
            EXPECT_EQ(d->windowTitle(), QString::fromUtf8(c.caption));
            EXPECT_EQ(child<QPushButton>(d, "btnAnnulla")->text(), QStringLiteral("Annulla"));
            child<QPushButton>(d, "btnAnnulla")->click();
        });
        child<QAbstractButton>(&w, c.button)->click();
        EXPECT_TRUE(seams.reports.empty()) << "Annulla printed";

        seams.onModal([&](QDialog* d) {
            auto* go = child<QPushButton>(d, "btnStampa");
            EXPECT_EQ(go->text(), QString::fromUtf8(c.action));
            go->click();
            EXPECT_FALSE(d->isVisible());
        });
        child<QAbstractButton>(&w, c.button)->click();
        ASSERT_EQ(seams.reports.size(), 1u) << c.button;
        EXPECT_EQ(seams.reports[0].action, c.kind);
        const PreparedReport& rep = *seams.reports[0].report;
        EXPECT_EQ(rep.orientation, QPageLayout::Portrait);
        EXPECT_EQ(rep.documentTitle, QStringLiteral("Scheda chiamata"));
        ASSERT_EQ(rep.pageCount(), 1);
        const PreparedPage& page = rep.pages[0];
        const std::pair<const char*, const char*> values[] = {
            {"txtData", "07 Marzo 2024"},
            {"txtOra", "09:05"},
            {"txtTipo", "In uscita"},
            {"txtOggetto", "Richiesta preventivo"},
            {"txtEsito", ""},
            {"txtCliente", "Rossi Mario"},
            {"txtEmail", "m.rossi@esempio.it"},
            {"txtNote", "Richiamare lunedì"},
            {"txtOperatore", ""},
            {"txtCalce", "Stampa eseguita in data 07/03/2024 alle ore 09:05:07"},
            {"titScheda", "SCHEDA INFORMATIVA CHIAMATA"},
            {"titCampo01", "Data chiamata:"},
            {"titCampo08", "Cognome e nome cliente:"},
            {"titCampo15", "Operatore / Agente:"}};
        for (const auto& [memo, text] : values) {
            ASSERT_NE(page.memo(memo), nullptr) << memo;
            EXPECT_EQ(page.memo(memo)->text(), QString::fromUtf8(text)) << memo;
        }
        EXPECT_EQ(page.memo("titScheda")->fillColor(), QColor(0xb0, 0xc4, 0xde));  // light steel blue
        EXPECT_EQ(page.memo("txtCalce")->fillColor(), QColor(0xff, 0xd7, 0x00));   // gold
        seams.reports.clear();
    }
}

// The print window prints the rows it was handed, whoever owns it.
TEST_F(CallLists, ThePrintWindowPrintsTheRowsItWasHanded) {
    TfrmChiamate calls;
    calls.show();
    TFieldEditor::of(child<QWidget>(&calls, "txtCliente"))->setText("Rossi Mario");
    QWidget elsewhere;
    TfrmStampaChiamata w(&elsewhere, SchedaChiamata::rows(calls));
    TFieldEditor::of(child<QWidget>(&calls, "txtCliente"))->setText("Bianchi Anna");  // after the window was made
    seams.onModal([](QDialog* d) { child<QPushButton>(d, "btnStampa")->click(); });
    w.showModal();
    ASSERT_EQ(seams.reports.size(), 1u);
    EXPECT_EQ(printedLines(*seams.reports[0].report, "txtCliente"), QStringList{"Rossi Mario"});
}

TEST_F(CallLists, TheClientsCallHistoryShowsACallSavedByTheCallWindow) {
    {
        TfrmChiamate w;
        w.show();
        auto type = [&](const char* name, const QString& text) {
            auto* e = child<QLineEdit>(&w, name);
            e->setFocus();
            typeText(e, text);
        };
        type("txtOggetto", "Rinnovo contratto");
        type("txtCliente", "Rossi Mario");
        type("txtCodFisc", "rssmra80a01h501u");
        type("txtTelCel", "3331234567");
        child<QAbstractButton>(&w, "cmdSalva")->click();
        ASSERT_EQ(seams.lastMessage().text, QStringLiteral("La scheda corrente è stata salvata in archivio."));
    }
    TfrmClienti clienti;
    child<QLineEdit>(&clienti, "txtCodFisc")->setText("RSSMRA80A01H501U");
    TfrmStoricoChiamate history(&clienti, clienti.fieldText("CodFisc"));
    history.show();
    TGrid* g = history.grid();
    ASSERT_EQ(g->rowCount(), 1);
    EXPECT_EQ(g->text(0, 1), QStringLiteral("05/03/2025"));
    EXPECT_EQ(g->text(0, 2), QStringLiteral("10:15"));
    EXPECT_EQ(g->text(0, 4), QStringLiteral("Rinnovo contratto"));
}
