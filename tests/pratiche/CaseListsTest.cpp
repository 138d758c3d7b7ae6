#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/HelpTopics.h"
#include "archive/Layouts.h"
#include "pratiche/CaseFields.h"
#include "pratiche/TfrmExpPratiche.h"
#include "pratiche/TfrmPratica.h"
#include "pratiche/TfrmTrovaPratica.h"
#include "pratiche/TfrmUrgenti.h"
#include "report/PreparedReport.h"
#include "support/Said.h"
#include "support/Seams.h"
#include "support/Sheet.h"
#include "support/WindowDriver.h"
#include "ui/Grid.h"
#include "ui/RecordList.h"

namespace {

struct Case {
    const char* subject;
    const char* state;
    const char* urgent;
    const char* client = "Rossi Mario";
    const char* type = "";
};

Record stored(const Case& c) {
    Record r(CaseFields::get().layout());
    r.set("Oggetto", QString::fromUtf8(c.subject));
    r.set("Tipologia", QString::fromUtf8(c.type));
    r.set("Protocollo", "12/2025");
    r.set("Apertura", "03/03/2025");
    r.set("Cliente", QString::fromUtf8(c.client));
    r.set("Recapito", "06 1234567");
    r.set("Stato", QString::fromUtf8(c.state));
    r.set("Urgente", QString::fromUtf8(c.urgent));
    return r;
}

// The case line as the user reads it, for a subject and a state of the
// cases above.
QString line(const QString& subject42, const QString& state) {
    // Protocol padded to 16, client to 28, phone to 14; the state as stored.
    return subject42 + "  Prot. 12/2025         " + "  Data: 03/03/2025" + "  Rossi Mario                 " +
           "  Tel. 06 1234567    " + "  " + state;
}

QStringList lines(QDialog* d) { return child<TRecordList>(d, "lstRecords")->lines(); }

class CaseLists : public CardWindowTest<TfrmPratica> {
protected:
    // The urgent list as the case window opens it.
    QStringList urgentLines() {
        QStringList seen;
        seams.onModal([&](QDialog* d) { seen = lines(d); });
        click("cmdUrgente");
        EXPECT_EQ(seams.modals.back().className, QStringLiteral("TfrmUrgenti"));
        return seen;
    }
};

}  // namespace

TEST_F(CaseLists, TheUrgentListFollowsTheFlagAfterEachSave) {
    archive(
        {stored({"Chiusa ma urgente", "Chiusa e saldata", "S\u00EC"}), stored({"Flag illeggibile", "Aperta", "si"})});
    const QString first = line("Chiusa ma urgente                         ", "Chiusa e saldata");
    EXPECT_EQ(urgentLines(), QStringList({first}));

    type("txtOggetto", "Nuova pratica");
    type("txtProtocollo", "12/2025");
    type("txtApertura", "03/03/2025");
    type("txtCliente", "Rossi Mario");
    type("txtRecapito", "06 1234567");
    child<QCheckBox>(&w, "chkUrgente")->setChecked(true);
    EXPECT_EQ(urgentLines(), QStringList({first}));  // not saved yet
    click("cmdSalva");
    const QString nuova = line("Nuova pratica                             ", "");
    EXPECT_EQ(urgentLines(), QStringList({first, nuova}));

    child<QCheckBox>(&w, "chkUrgente")->setChecked(false);
    click("cmdSalva");
    EXPECT_EQ(seams.lastMessage().text, Said::salvata);
    EXPECT_EQ(urgentLines(), QStringList({first}));
    child<QCheckBox>(&w, "chkUrgente")->setChecked(true);
    click("cmdSalva");
    EXPECT_EQ(urgentLines(), QStringList({first, nuova}));
}

TEST_F(CaseLists, IdenticalLinesOpenTheLaterCaseFromEitherList) {
    archive({stored({"Successione", "Aperta", "S\u00EC", "Rossi Mario", "Prima"}), stored({"Altra", "Aperta", "No"}),
             stored({"Successione", "Aperta", "S\u00EC", "Rossi Mario", "Seconda"})});
    struct Opening {
        const char* button;
        std::function<void(QDialog*)> search;
    };
    const Opening openings[] = {
        {"cmdUrgente", [](QDialog*) {}},
        {"cmdTrova", [](QDialog* d) { child<QPushButton>(d, "btnCerca")->click(); }},
    };
    for (const Opening& o : openings) {
        click("cmdNuovo");
        seams.onModal([&](QDialog* d) {
            o.search(d);
            doubleClickLine(child<TRecordList>(d, "lstRecords"), 0);
        });
        click(o.button);
        EXPECT_EQ(pos(), QStringLiteral("3")) << o.button;
        EXPECT_EQ(text("txtTipologia"), QStringLiteral("Seconda")) << o.button;
        EXPECT_TRUE(child<QCheckBox>(&w, "chkUrgente")->isChecked());
    }
}

TEST_F(CaseLists, FindsMatchEveryFilledCriterionLowerCasedAsTyped) {
    archive({stored({"Successione Bianchi", "Aperta", "No"}), stored({"Ricorso TAR", "In lavorazione", "No"}),
             stored({"Condono", "Chiusa e saldata", "No", "Verdi Anna"}),
             stored({"Sfratto", "Riaperta", "No", "Bianchi Luca"})});
    struct Find {
        std::vector<std::pair<const char*, const char*>> criteria;
        QStringList subjects;
    };
    const Find finds[] = {
        {{{"txtStato", "aperta"}}, {"Successione Bianchi", "Sfratto"}},
        {{{"txtStato", "in lav"}}, {"Ricorso TAR"}},
        {{{"txtOggetto", " "}}, {"Successione Bianchi", "Ricorso TAR", "Condono", "Sfratto"}},  // no criterion
        {{{"txtStato", "aperta"}, {"txtCliente", "ROSSI"}}, {"Successione Bianchi"}},
        {{{"txtOggetto", " tar"}}, {"Ricorso TAR"}},  // the blank is part of the text sought
        {{{"txtOggetto", "tar "}}, {}},
        {{{"txtCliente", "bianchi"}}, {"Sfratto"}},  // the client, not the subject
        {{}, {"Successione Bianchi", "Ricorso TAR", "Condono", "Sfratto"}},
    };
    for (const Find& f : finds) {
        QStringList found;
        QString count, memory;
        seams.onModal([&](QDialog* d) {
            EXPECT_EQ(d->windowTitle(), QStringLiteral(" Trova pratiche in archivio"));
            for (const auto& [criterion, typed] : f.criteria) child<QLineEdit>(d, criterion)->setText(typed);
            child<QPushButton>(d, "btnCerca")->click();
            for (const QString& l : lines(d)) found << l.left(42).trimmed();
            count = child<QLabel>(d, "lblTrovate")->text();
            memory = child<QLabel>(d, "lblMemory")->text();
        });
        click("cmdTrova");
        EXPECT_EQ(found, f.subjects) << (f.criteria.empty() ? "" : f.criteria[0].second);
        EXPECT_EQ(count, QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(f.subjects.size()));
        EXPECT_EQ(memory, QStringLiteral("pratica"));
    }
    EXPECT_EQ(pos(), QString());  // closed without a choice
}

TEST_F(CaseLists, ASixtyCharacterSubjectIsCutInTheLinesAndExportedWhole) {
    const QString sixty = QStringLiteral("Ricorso avverso il diniego della concessione edilizia n. 452");
    ASSERT_EQ(sixty.size(), 60);
    archive({stored({"Breve", "Aperta", "S\u00EC"})});
    Record r = stored({"", "Aperta", "S\u00EC"});
    r.set("Oggetto", sixty);
    archive({r});

    const QString cut = line("Ricorso avverso il diniego della concessio", "Aperta");
    EXPECT_EQ(urgentLines().last(), cut);
    QStringList found;
    seams.onModal([&](QDialog* d) {
        child<QPushButton>(d, "btnCerca")->click();
        found = lines(d);
    });
    click("cmdTrova");
    EXPECT_EQ(found.last(), cut);

    seams.onModal([&](QDialog* d) {
        auto* grid = d->findChild<TGrid*>();
        ASSERT_NE(grid, nullptr);
        EXPECT_EQ(grid->text(1, 1), sixty);
        child<QAbstractButton>(d, "cmdEsporta")->click();
    });
    click("cmdExcel");
    EXPECT_EQ(seams.modals.back().className, QStringLiteral("TfrmExpPratiche"));
    EXPECT_TRUE(fileBytes(seams.file("Pratiche.xls")).contains(Sheet::cp1252(sixty)));
}

TEST_F(CaseLists, ListPrintoutsCarryTheirTitles) {
    archive({stored({"Successione", "Aperta", "S\u00EC"})});
    const std::pair<const char*, std::function<void(QDialog*)>> lists[] = {
        {"cmdUrgente", [](QDialog* d) { child<QPushButton>(d, "btnStampa")->click(); }},
        {"cmdTrova",
         [](QDialog* d) {
             child<QPushButton>(d, "btnCerca")->click();
             child<QPushButton>(d, "btnStampa")->click();
         }},
    };
    for (const auto& [button, print] : lists) {
        seams.onModal(print);
        click(button);
    }
    ASSERT_EQ(seams.reports.size(), 2u);
    const QString caseLine = line("Successione                               ", "Aperta");
    EXPECT_EQ(printedLines(*seams.reports[0].report, "txtTitolo"), QStringList({"Riepilogo pratiche urgenti"}));
    EXPECT_EQ(printedLines(*seams.reports[1].report, "txtTitolo"), QStringList({"Riepilogo Pratiche"}));
    for (const auto& r : seams.reports) EXPECT_EQ(printedLines(*r.report, "txtRiepilogo"), QStringList({caseLine}));
}

TEST(CaseExport, TwentyColumnsOfEveryCaseUnderTheirHeaders) {
    Seams seams;
    const Sheet::Columns columns = {{"Oggetto pratica", 400},
                                    {"Tipologia", 250},
                                    {"Protocollo n.", 200},
                                    {"Data apertura", 200, Sheet::Kind::Date},
                                    {"Data chiusura", 200, Sheet::Kind::Date},
                                    {"Stato avanzamento", 250},
                                    {"Documenti principali", 400},
                                    {"Uffici interessati", 400},
                                    {"Consulente o curatore", 250},
                                    {"Cliente", 250},
                                    {"Recapito preferenziale", 250},
                                    {"Via e numero civico", 250},
                                    {"Comune di residenza", 250},
                                    {"Prov.", 120},
                                    {"CAP", 120},
                                    {"Codice fiscale", 250},
                                    {"Partita IVA", 200},
                                    {"Pagamenti saldati", 400},
                                    {"Pagamenti da effettuare", 400},
                                    {"Note", 400}};
    {
        // An empty archive: the header row alone.
        TfrmExpPratiche w;
        w.show();
        EXPECT_EQ(w.windowTitle(), QStringLiteral(" Esporta archivio pratiche in Excel"));
        EXPECT_EQ(w.grid()->rowCount(), 0);
        child<QAbstractButton>(&w, "cmdEsporta")->click();
        EXPECT_EQ(fileBytes(seams.file("Pratiche.xls")), Sheet::expected("Riepilogo Pratiche", columns, {}));
    }

    Record r(CaseFields::get().layout());
    for (const FieldDef& f : CaseFields::get().layout().fields()) r.set(f.name, f.name.left(f.capacity));
    r.set("Cliente", "Rossi Niccol\u00F2");
    r.set("Note", "Saldo < 100 & acconto > 50");
    appendRecords(seams.file("Pratiche.pro"), {r, Record(CaseFields::get().layout())});
    seams.messages.clear();
    TfrmExpPratiche w;
    w.show();
    ASSERT_EQ(w.grid()->rowCount(), 2);
    ASSERT_EQ(w.grid()->columnCount(), 21);
    EXPECT_EQ(w.grid()->headerText(0), QStringLiteral("N."));
    for (int c = 1; c <= 20; ++c) EXPECT_EQ(w.grid()->headerText(c), columns[size_t(c - 1)].header) << c;
    EXPECT_EQ(w.grid()->text(1, 0), QStringLiteral("2"));
    child<QAbstractButton>(&w, "cmdEsporta")->click();
    const QStringList first = {"Oggetto",  "Tipologia",    "Protocollo", "Apertura",   "Chiusura",
                               "Stato",    "Documenti",    "Uffici",     "Consulente", "Rossi Niccol\u00F2",
                               "Recapito", "IndirizzoRes", "ComuneRes",  "Pr",         "CapRe",
                               "CodFisc",  "PartitaIva",   "Saldati",    "Sospesi",    "Saldo < 100 & acconto > 50"};
    EXPECT_EQ(fileBytes(seams.file("Pratiche.xls")),
              Sheet::expected("Riepilogo Pratiche", columns, {first, QStringList(20, QString())}));
    EXPECT_EQ(seams.messageTexts(), QStringList({Said::esportaDomanda, Said::esportate}));
    EXPECT_EQ(seams.opened.last(), '"' + QDir::toNativeSeparators(seams.file("Pratiche.xls")) + '"');

    child<QAbstractButton>(&w, "cmdGuida")->click();
    EXPECT_EQ(seams.helpRequests, QStringList({"Esportazione archivio pratiche in Excel"}));
    const auto help = HelpTopics::find(QStringLiteral("Esportazione archivio pratiche in Excel"));
    ASSERT_TRUE(help.has_value());
    EXPECT_EQ(help->text(),
              QStringLiteral(
                  "Il pulsante Esporta archivio consente di esportare i dati di tutte la pratiche in un foglio di "
                  "lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di gestire i "
                  "file in formato XLS (ad esempio, con Open Office, Libre Office o Microsoft Office).\r\n\r\n"
                  "Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic sull'icona di "
                  "Excel. Questa operazione crea in tempo reale un file in formato XLS contenente le schede in "
                  "archivio, che potrà essere aperto immediatamente rispondendo affermativamente al messaggio di "
                  "domanda che appare.\r\n\r\n"
                  "A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un nome "
                  "qualsiasi."));
    const std::pair<const char*, const char*> hints[] = {
        {"cmdEsporta", "Esporta l'archivio in formato Microsoft Excel."},
        {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
        {"cmdEsci", "Esci da questo ambiente di lavoro."}};
    auto* info = child<QLabel>(&w, "panInfo");
    EXPECT_EQ(info->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
    for (const auto& [button, hint] : hints) {
        QTest::mouseMove(child<QWidget>(&w, button));
        EXPECT_EQ(info->text(), QString::fromUtf8(hint)) << button;
    }
}
