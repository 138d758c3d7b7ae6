#include <QAbstractButton>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <gtest/gtest.h>
#include "ui/Grid.h"

#include "archive/ArchivioSchede.h"
#include "archive/CallFields.h"
#include "archive/ClientFields.h"
#include "archive/SpreadsheetExport.h"
#include "clienti/ClientiExportHelp.h"
#include "clienti/TfrmClienti.h"
#include "clienti/TfrmExpClienti.h"
#include "clienti/TfrmStoricoChiamate.h"
#include "support/Said.h"
#include "support/Seams.h"
#include "support/Sheet.h"

namespace {

QStringList gridRow(TGrid* g, int row) {
    QStringList cells;
    for (int c = 0; c < g->columnCount(); ++c) cells << g->text(row, c);
    return cells;
}

QStringList headers(TGrid* g) {
    QStringList out;
    for (int c = 0; c < g->columnCount(); ++c) out << g->headerText(c);
    return out;
}

// Clicks the Excel button and answers Yes to both questions.
void exportGrid(QWidget* w) { child<QAbstractButton>(w, "cmdEsporta")->click(); }

Record call(const QString& cliente, const QString& codFisc) {
    Record r(CallFields::get().layout());
    r.set("DataChiamata", "05/03/2025");
    r.set("Cliente", cliente);
    r.set("CodFisc", codFisc);
    return r;
}

}  // namespace

class ClientExport : public SeamsTest {};

TEST_F(ClientExport, OneClientGivesTheHeaderAndOneRowOf25Cells) {
    Record r(ClientFields::get().layout());
    for (const FieldDef& f : ClientFields::get().layout().fields()) r.set(f.name, f.name.left(f.capacity));
    r.set("Cliente", "Rossi Niccol\u00F2");
    r.set("ProvNasc", "");  // a joined field without its second half
    appendRecords(seams.file("Contatti.pro"), {r});

    TfrmExpClienti w;
    w.show();
    TGrid* g = w.grid();
    ASSERT_EQ(g->rowCount(), 1);
    EXPECT_EQ(gridRow(g, 0), QStringList({"1",
                                          "Rossi Niccol\u00F2",
                                          "DataNasc",
                                          "ComuneNasc",
                                          "Recapito",
                                          "IndirizzoRes",
                                          "ComuneRes Pr",
                                          "Estremi",
                                          "TelCasa",
                                          "TelUff",
                                          "TelCel",
                                          "Fax",
                                          "Email",
                                          "CodFisc",
                                          "PartitaIva",
                                          "Carta",
                                          "ScadeCarta",
                                          "Iban",
                                          "Documento",
                                          "Occupazione",
                                          "Civile",
                                          "Titoli",
                                          "Prodotti",
                                          "Zona",
                                          "Questioni",
                                          "Note"}));
    EXPECT_EQ(headers(g).at(3), QStringLiteral("Comune / Stato estero di nascita"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral(" Esporta archivio clienti in Excel"));

    exportGrid(&w);
    const Sheet::Columns columns = {{"Cognome e nome", 250},
                                    {"Data di nascita", 200, Sheet::Kind::Date},
                                    {"Comune di nascita", 250},
                                    {"Tel. preferenziale", 250},
                                    {"Indirizzo di residenza", 300},
                                    {"Comune di residenza", 250},
                                    {"Modalit\u00E0 di pagamento", 250},
                                    {"Tel. casa", 250},
                                    {"Tel. ufficio", 250},
                                    {"Tel. cellulare", 250},
                                    {"PEC", 250},
                                    {"E-mail", 250},
                                    {"Codice fiscale", 250},
                                    {"Partita IVA", 250},
                                    {"Carta di credito n.", 300},
                                    {"Scadenza", 150},
                                    {"IBAN", 300},
                                    {"Estremi documento", 280},
                                    {"Occupazione", 250},
                                    {"Stato civile", 250},
                                    {"Titoli e qualifiche", 280},
                                    {"Prodotti e servizi di interesse", 300},
                                    {"Zona", 250},
                                    {"Questioni in sospeso", 300},
                                    {"Note", 300}};
    QStringList cells = gridRow(g, 0);
    cells.removeFirst();
    const QByteArray bytes = fileBytes(seams.file("Clienti.xls"));
    EXPECT_EQ(bytes, Sheet::expected("Archivio Clienti", columns, {cells}));
    EXPECT_TRUE(bytes.contains("<x:Name>Archivio Clienti</x:Name>"));
    EXPECT_TRUE(bytes.contains("Rossi Niccol\xF2</td>"));
    EXPECT_EQ(bytes.count("<tr>"), 2);
    EXPECT_EQ(bytes.count("<td"), 50);
}

class CallHistory : public SeamsTest {
protected:
    TfrmClienti clienti;
    void onScreen(const QString& code) { child<QLineEdit>(&clienti, "txtCodFisc")->setText(code); }
    QStringList shownClients() {
        TfrmStoricoChiamate h(&clienti, clienti.fieldText("CodFisc"));
        QStringList names;
        seams.onModal([&](QDialog*) {
            TGrid* g = h.grid();
            for (int r = 0; r < g->rowCount(); ++r) names << g->text(r, 0) + " " + g->text(r, 8);
        });
        h.showModal();
        return names;
    }
};

TEST_F(CallHistory, CallsWithExactlyTheTaxCodeOnScreen) {
    appendRecords(seams.file("Registro_Chiamate.pro"),
                  {call("Uno", "RSSMRA80A01H501U"), call("Due", "rssmra80a01h501u"), call("Tre", "BNCNNA90B41F205X"),
                   call("Quattro", "RSSMRA80A01H501U"), call("Cinque", "RSSMRA80A01H501"), call("Sei", "")});
    struct Case {
        QString screen;
        QStringList shown;
    };
    const Case cases[] = {
        {"RSSMRA80A01H501U", {"1 Uno", "2 Quattro"}},  // in register order; lower case is another code
        {"BNCNNA90B41F205X", {"1 Tre"}},               // changed on screen, not saved
        {"XXXXXX00X00X000X", {}},
        {"", {}},  // no code: calls without one are not the client's
    };
    for (const Case& c : cases) {
        onScreen(c.screen);
        EXPECT_EQ(shownClients(), c.shown) << c.screen.toStdString();
    }
}

// The client window hands the history the code on its screen, saved or not.
TEST_F(CallHistory, TheClientWindowHandsOverTheCodeOnScreen) {
    appendRecords(seams.file("Registro_Chiamate.pro"),
                  {call("Uno", "RSSMRA80A01H501U"), call("Due", "BNCNNA90B41F205X")});
    clienti.show();
    child<QLineEdit>(&clienti, "txtCliente")->setText("Rossi Mario");
    child<QLineEdit>(&clienti, "txtTelCel")->setText("3331234567");
    onScreen("RSSMRA80A01H501U");
    child<QAbstractButton>(&clienti, "cmdSalva")->click();
    onScreen("BNCNNA90B41F205X");
    QStringList shown;
    seams.onModal([&](QDialog* d) {
        auto* g = child<TGrid>(d, "grdRecords");
        for (int r = 0; r < g->rowCount(); ++r) shown << g->text(r, 8);
    });
    child<QAbstractButton>(&clienti, "btnChiamate")->click();
    ASSERT_EQ(seams.modals.size(), 1u);
    EXPECT_EQ(seams.modals[0].objectName, QStringLiteral("frmStoricoChiamate"));
    EXPECT_EQ(shown, QStringList{"Due"});
}

TEST_F(CallHistory, GridColumnsAndTheExport) {
    Record r(CallFields::get().layout());
    for (const FieldDef& f : CallFields::get().layout().fields()) r.set(f.name, f.name.left(f.capacity));
    r.set("CodFisc", "RSSMRA80A01H501U");
    r.set("Note", "Richiamare se < 10 giorni & urgente");
    appendRecords(seams.file("Registro_Chiamate.pro"), {r});
    onScreen("RSSMRA80A01H501U");

    TfrmStoricoChiamate h(&clienti, clienti.fieldText("CodFisc"));
    h.show();
    TGrid* g = h.grid();
    EXPECT_EQ(headers(g), QStringList({"N.", "Data chiamata", "Ora chiamata", "Tipo chiamata", "Oggetto", "Esito",
                                       "Grado soddisfazione", "Durata", "Cognome e nome cliente", "Codice fiscale",
                                       "Zona di appartenenza", "Tel. preferenziale", "Tel. cellulare",
                                       "Indirizzo e-mail", "Note", "Operatore / Agente"}));
    ASSERT_EQ(g->rowCount(), 1);
    const QStringList cells = {"DataChiama",
                               "OraCh",
                               "Tipo",
                               "Oggetto",
                               "Esito",
                               "Grado",
                               "Durata",
                               "Cliente",
                               "RSSMRA80A01H501U",
                               "Zona",
                               "Recapito",
                               "TelCel",
                               "Email",
                               "Richiamare se < 10 giorni & urgente",
                               "Operatore"};
    EXPECT_EQ(gridRow(g, 0), QStringList("1") + cells);
    EXPECT_EQ(h.windowTitle(), QStringLiteral(" Storico chiamate cliente"));

    exportGrid(&h);
    const Sheet::Columns columns = {{"Data chiamata", 150, Sheet::Kind::Date},
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
    const QByteArray bytes = fileBytes(seams.file("Storico_Chiamate_Cliente.xls"));
    EXPECT_EQ(bytes, Sheet::expected("Storico Chiamate Cliente", columns, {cells}));
    EXPECT_TRUE(bytes.contains(">Richiamare se &lt; 10 giorni &amp; urgente</td>"));
}

TEST_F(CallHistory, EmptyRegisterGivesAnEmptyGridAndAHeaderOnlyFile) {
    onScreen("RSSMRA80A01H501U");
    TfrmStoricoChiamate h(&clienti, clienti.fieldText("CodFisc"));
    h.show();
    EXPECT_EQ(h.grid()->rowCount(), 0);
    exportGrid(&h);
    const QByteArray bytes = fileBytes(seams.file("Storico_Chiamate_Cliente.xls"));
    EXPECT_EQ(bytes.count("<tr>"), 1);
    EXPECT_TRUE(bytes.contains("width=250>Operatore o agente</td></tr></table>"));
}

TEST_F(CallHistory, HelpButtonsAskForTheWindowsTopics) {
    TfrmExpClienti e(&clienti);
    TfrmStoricoChiamate h(&clienti, clienti.fieldText("CodFisc"));
    child<QAbstractButton>(&e, "cmdGuida")->click();
    child<QAbstractButton>(&h, "cmdGuida")->click();
    const QStringList& asked = seams.helpRequests;
    EXPECT_EQ(asked, QStringList({"Esportazione archivio clienti in Excel", "Storico chiamate cliente"}));
    EXPECT_EQ(asked, QStringList({expClientiHelpTopic().title, storicoChiamateHelpTopic().title}));
}

// Another copy of the program holds the archive past the wait: the grid says
// it could not be filled, and "Esporta" says so again and leaves the earlier
// spreadsheet alone rather than replacing it with an empty one.
TEST_F(ClientExport, ArchiveHeldElsewhereIsToldAndNothingIsExported) {
    Record r(ClientFields::get().layout());
    r.set("Cliente", "Rossi Anna");
    appendRecords(seams.file("Contatti.pro"), {r});
    const QByteArray earlier("earlier export with every client");
    writeFile(seams.file("Clienti.xls"), earlier);

    QProcess holder;
    holder.start(QStringLiteral(PLENARO_TEST_TOOLS_DIR "/archive_appender"), {seams.folder(), "Contatti.pro", "hold"});
    ASSERT_TRUE(holder.waitForReadyRead(10000));  // it prints once it holds the lock
    TfrmExpClienti w;
    w.show();
    holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(10000));

    EXPECT_EQ(w.grid()->rowCount(), 0);
    ASSERT_EQ(seams.messages.size(), 1u);
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Plain);
    EXPECT_EQ(seams.lastMessage().text, Said::accesso);

    exportGrid(&w);
    ASSERT_EQ(seams.messages.size(), 2u);  // no question first: there is nothing to export
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Plain);
    EXPECT_EQ(seams.lastMessage().text, Said::accesso);
    EXPECT_EQ(fileBytes(seams.file("Clienti.xls")), earlier);
    EXPECT_TRUE(seams.opened.isEmpty());
}
