// Every export of the program opened in Calc, as the office opens it, on an
// Italian and on an English desktop: each cell reads as it was typed. Codes,
// postcodes, VAT and telephone numbers keep their leading zeros; times,
// "1e5", "1.000", "3/4", accented letters and &, < and > stay text; real
// days are dates and amounts are numbers that add up to the revenue
// summary's total.
#include <QAbstractButton>
#include <QFile>
#include <QLineEdit>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "appuntamenti/AppointmentFields.h"
#include "appuntamenti/RevenueRules.h"
#include "appuntamenti/TfrmExpGiornaliere.h"
#include "appuntamenti/TfrmExpImminenti.h"
#include "appuntamenti/TfrmExpMensili.h"
#include "appuntamenti/TfrmExpScadenzario.h"
#include "archive/CallFields.h"
#include "archive/ClientFields.h"
#include "archive/Layouts.h"
#include "chiamate/TfrmExpChiamate.h"
#include "chiamate/TfrmRiepChiamateOggi.h"
#include "clienti/TfrmExpClienti.h"
#include "clienti/TfrmStoricoChiamate.h"
#include "pratiche/CaseFields.h"
#include "pratiche/TfrmExpPratiche.h"
#include "protocollo/ProtocolFields.h"
#include "protocollo/TfrmExpProtocollo.h"
#include "protocollo/TfrmRiepProtocollo.h"
#include "support/Calc.h"
#include "support/Seams.h"
#include "support/Sheet.h"
#include "ui/Grid.h"

namespace {

using Cell = Calc::Cell;
using Fields = std::vector<std::pair<const char*, QString>>;

const QString kTaxCode = QStringLiteral("RSSNCL61C07D704X");

Record card(const RecordLayout& layout, const Fields& fields) {
    Record r(layout);
    for (const auto& [name, value] : fields) r.set(name, value);
    return r;
}

// The cards of every archive, with the values a spreadsheet program is
// tempted to read as something else. The seams' clock says 5 March 2025.
void writeArchives(const Seams& seams) {
    const RecordLayout& client = ClientFields::get().layout();
    appendRecords(seams.file("Contatti.pro"),
                  {card(client, {{"Cliente", "Rossi Niccol\u00F2 & <Figli>"},
                                 {"DataNasc", "07/03/1961"},
                                 {"ComuneNasc", "Forl\u00EC"},
                                 {"ProvNasc", "FC"},
                                 {"Recapito", "0755551234"},
                                 {"IndirizzoRes", "Via  Roma 1-2"},
                                 {"ComuneRes", "Perugia"},
                                 {"ProvRes", "PG"},
                                 {"CapRes", "06121"},
                                 {"Estremi", "3/4"},
                                 {"TelCasa", "007"},
                                 {"TelUff", "1e5"},
                                 {"TelCel", "1.000"},
                                 {"Fax", "rossi@pec.it"},
                                 {"Email", "a&b@rossi.it"},
                                 {"CodFisc", kTaxCode},
                                 {"Carta", "0000123412341234"},
                                 {"ScadeCarta", "05/27"},
                                 {"PartitaIva", "01234567890"},
                                 {"Iban", "IT60X0542811101000000123456"},
                                 {"Documento", "CI 00123"},
                                 {"Occupazione", "a < b"},
                                 {"Titoli", "1,5"},
                                 {"Prodotti", "=1+2"},
                                 {"Zona", "00184"},
                                 {"Questioni", "TRUE"},
                                 {"Note", "12,50 \u20AC"}}),
                   card(client, {{"Cliente", "Bianchi Anna"},
                                 {"DataNasc", "31/02/1961"},
                                 {"Recapito", "+39 06 1234"},
                                 {"PartitaIva", "00000000000"},
                                 {"Note", "09:30"}}),
                   card(client, {{"Cliente", "Verdi Luca"}, {"DataNasc", "1961"}, {"Zona", "1-2"}})});

    const RecordLayout& call = CallFields::get().layout();
    appendRecords(seams.file("Registro_Chiamate.pro"),
                  {card(call, {{"DataChiamata", "05/03/2025"},
                               {"OraChiamata", "09:05"},
                               {"Tipo", "In entrata"},
                               {"Oggetto", "Preventivo & <offerta>"},
                               {"Esito", "1-2"},
                               {"Grado", "3/4"},
                               {"Durata", "1e5"},
                               {"Cliente", "Rossi Niccol\u00F2"},
                               {"CodFisc", kTaxCode},
                               {"Zona", "00184"},
                               {"Recapito", "0755551234"},
                               {"TelCel", "007"},
                               {"Email", "rossi@example.it"},
                               {"Note", "Via  Roma"},
                               {"Operatore", "Bianchi Anna"}}),
                   card(call, {{"DataChiamata", "04/03/2025"},
                               {"OraChiamata", "17:45"},
                               {"Cliente", "Rossi Niccol\u00F2"},
                               {"CodFisc", kTaxCode},
                               {"Note", "1.000"}}),
                   card(call, {{"DataChiamata", "31/02/2025"}, {"Cliente", "Verdi Luca"}, {"Recapito", "06121"}})});

    const RecordLayout& doc = ProtocolFields::get().layout();
    appendRecords(
        seams.file("2025.prt"),
        {card(doc, {{"Numero", "007/2025"},
                    {"Tipo", "In entrata"},
                    {"DataReg", "05/03/2025"},
                    {"Ufficio", "Segreteria"},
                    {"Operatore", "Bianchi Anna"},
                    {"Categoria", "Fatture"},
                    {"Collocazione", "Armadio 3/4"},
                    {"Oggetto", "Fattura 1e5 & <allegati>"},
                    {"DataSpe", "01/03/2025"},
                    {"DataRic", "1/3/2025"},
                    {"Formato", "A4"},
                    {"Pagine", "1-2"},
                    {"Riferimenti", "1.000"},
                    {"Note", "Citt\u00E0"},
                    {"Mittente", "Comune di Forl\u00EC"},
                    {"RecapitoMit", "06121 Perugia"},
                    {"Destinatario", "Rossi"},
                    {"RecapitoDes", "0755551234"}}),
         card(doc, {{"Numero", "0008"}, {"DataReg", "04/03/2025"}, {"DataRic", "31/02/2025"}, {"Pagine", "007"}})});

    const RecordLayout& appointment = AppointmentFields::get().layout();
    auto appointmentCard = [&](const char* date, const char* time, const char* notice, const char* done,
                               const char* amount, Fields more) {
        const QString t = QString::fromLatin1(time);
        more.insert(more.end(), {{"Data", date},
                                 {"Ora", t},
                                 {"OreApp", t.left(2)},
                                 {"MinutiApp", t.mid(3)},
                                 {"Avviso", notice},
                                 {"Ottemperata", done},
                                 {"Importo", amount}});
        return card(appointment, more);
    };
    appendRecords(seams.file("Archivio_Appuntamenti.pro"),
                  {appointmentCard("05/03/2025", "09:30", "0", "No", "12,5",
                                   {{"Tipologia", "Agente & <Co>"},
                                    {"Causale", "Visura 1-2"},
                                    {"Contatto", "Rossi Niccol\u00F2"},
                                    {"Tel", "0755551234"},
                                    {"Cel", "007"},
                                    {"Luogo", "3/4"},
                                    {"Note", "1e5"}}),
                   appointmentCard("05/03/2025", "15:00", "0", "S\u00EC", "7", {{"Contatto", "Bianchi Anna"}}),
                   appointmentCard("20/03/2025", "08:00", "30", "No", "0,10",
                                   {{"Contatto", "Verdi Luca"}, {"Note", "Via  Roma"}}),
                   appointmentCard("31/12/2025", "10:00", "0", "No", "1.000", {{"Contatto", "Neri Paola"}}),
                   appointmentCard("31/02/2025", "11:00", "0", "No", "", {{"Contatto", "Data sbagliata"}})});

    const RecordLayout& kase = CaseFields::get().layout();
    appendRecords(
        seams.file("Pratiche.pro"),
        {card(kase, {{"Oggetto", "Successione & <eredi>"},
                     {"Tipologia", "Civile"},
                     {"Protocollo", "007/2025"},
                     {"Apertura", "01/02/2025"},
                     {"Stato", "3/4"},
                     {"Documenti", "1e5"},
                     {"Uffici", "Catasto"},
                     {"Consulente", "Bianchi Anna"},
                     {"Cliente", "Rossi Niccol\u00F2"},
                     {"Recapito", "0755551234"},
                     {"IndirizzoRes", "Via  Roma 1-2"},
                     {"ComuneRes", "Perugia"},
                     {"ProvRes", "PG"},
                     {"CapRes", "06121"},
                     {"CodFisc", kTaxCode},
                     {"PartitaIva", "01234567890"},
                     {"Saldati", "1.000"},
                     {"Sospesi", "12,50"},
                     {"Note", "TRUE"}}),
         card(kase,
              {{"Oggetto", "Locazione"}, {"Apertura", "1/2/2025"}, {"Chiusura", "31/12/2024"}, {"CapRes", "00184"}})});
}

// The columns that hold dates and amounts, by their header.
Sheet::Kind kindOf(const QString& header) {
    static const QStringList dates = {"Data di nascita", "Data chiamata",     "Data registrazione", "Data spedizione",
                                      "Data ricezione",  "Data appuntamento", "Data apertura",      "Data chiusura"};
    if (dates.contains(header)) return Sheet::Kind::Date;
    return header == QLatin1String("Importo") ? Sheet::Kind::Amount : Sheet::Kind::Text;
}

// A cell as Calc should read what the grid shows: a real day as a date,
// shown as typed; an amount as a number shown with two decimals; anything
// else as text exactly as shown.
Cell asTyped(Sheet::Kind kind, const QString& text) {
    const QDate day = Sheet::day(text);
    if (kind == Sheet::Kind::Date && day.isValid() && day >= QDate(1900, 3, 1)) return Cell::day(text, day);
    qint64 cents = 0;
    if (kind == Sheet::Kind::Amount && Sheet::cents(text, &cents))
        return Cell::amount(QStringLiteral("%1%2,%3")
                                .arg(cents < 0 ? "-" : "")
                                .arg(qAbs(cents) / 100)
                                .arg(qAbs(cents) % 100, 2, 10, QLatin1Char('0')),
                            double(cents) / 100);
    return Cell::text(text);
}

// The sheet Calc should read from a window: the grid's headers (the
// sheet's own where they differ) and rows, without the number column.
Calc::Table asTyped(TExportWindow& w) {
    TGrid* g = w.grid();
    std::vector<Sheet::Kind> kinds;
    Calc::Table table(1);
    for (int c = 1; c < g->columnCount(); ++c) {
        QString header = g->headerText(c);
        if (header == QLatin1String("Comune / Stato estero di nascita")) header = "Comune di nascita";
        if (header == QLatin1String("Operatore / Agente")) header = "Operatore o agente";
        table[0].push_back(Cell::text(header));
        kinds.push_back(kindOf(header));
    }
    for (int r = 0; r < g->rowCount(); ++r) {
        std::vector<Cell> row;
        for (int c = 1; c < g->columnCount(); ++c) row.push_back(asTyped(kinds[size_t(c - 1)], g->text(r, c)));
        while (!row.empty() && row.back() == Cell{}) row.pop_back();
        table.push_back(row);
    }
    return table;
}

// The cell of a sheet under a header, in a row counted from the first card.
Cell at(const Calc::Table& sheet, int row, const QString& header) {
    const std::vector<Cell>& headers = sheet.at(0);
    for (size_t c = 0; c < headers.size(); ++c)
        if (headers[c].shown == header) {
            const std::vector<Cell>& cells = sheet.at(size_t(row));
            return c < cells.size() ? cells[c] : Cell{};
        }
    ADD_FAILURE() << "no column " << header.toStdString();
    return {};
}

struct Export {
    const char* file;
    std::function<std::unique_ptr<TExportWindow>()> make;
    std::function<void(TExportWindow&)> choose = nullptr;  // what the user picks before exporting
};

const std::vector<Export>& exports() {
    static const std::vector<Export> all = {
        {"Clienti.xls", [] { return std::make_unique<TfrmExpClienti>(); }},
        {"Storico_Chiamate_Cliente.xls", [] { return std::make_unique<TfrmStoricoChiamate>(nullptr, kTaxCode); }},
        {"Registro_Chiamate.xls", [] { return std::make_unique<TfrmExpChiamate>(); }},
        {"Chiamate_Odierne.xls", [] { return std::make_unique<TfrmRiepChiamateOggi>(); }},
        {"Protocollo.xls", [] { return std::make_unique<TfrmExpProtocollo>(); }},
        {"Protocollo.xls", [] { return std::make_unique<TfrmRiepProtocollo>(); },
         [](TExportWindow& w) {
             child<QLineEdit>(&w, "txtDataInizio")->setText("01/01/2025");
             child<QLineEdit>(&w, "txtDataFine")->setText("31/12/2025");
             child<QAbstractButton>(&w, "cmdTrova")->click();
         }},
        {"Riepilogo_Appuntamenti.xls", [] { return std::make_unique<TfrmExpScadenzario>(); }},
        {"Appuntamenti_Imminenti.xls", [] { return std::make_unique<TfrmExpImminenti>(); }},
        {"Appuntamenti_Giornalieri.xls",
         [] { return std::make_unique<TfrmExpGiornaliere>(nullptr, QDate(2025, 3, 5)); }},
        {"Appuntamenti_Mensili.xls", [] { return std::make_unique<TfrmExpMensili>(nullptr, QDate(2025, 3, 5)); }},
        {"Pratiche.xls", [] { return std::make_unique<TfrmExpPratiche>(); }},
    };
    return all;
}

class ExportsInCalc : public SeamsTest {};

}  // namespace

TEST_F(ExportsInCalc, EveryExportReadsAsTyped) {
    if (!Calc::unavailable().isEmpty()) GTEST_SKIP() << Calc::unavailable().toStdString();
    writeArchives(seams);

    // Each window exports from its grid; each file is kept under a name of
    // its own, as both protocol windows write "Protocollo.xls".
    QStringList files;
    std::vector<Calc::Table> expected;
    for (const Export& e : exports()) {
        SCOPED_TRACE(e.file);
        std::unique_ptr<TExportWindow> w = e.make();
        w->show();
        if (e.choose) e.choose(*w);
        ASSERT_GT(w->grid()->rowCount(), 0);
        child<QAbstractButton>(w.get(), "cmdEsporta")->click();
        files << seams.file(QString::number(files.size()) + '_' + e.file);
        ASSERT_TRUE(QFile::rename(seams.file(e.file), files.last()));
        expected.push_back(asTyped(*w));
    }

    // What the revenue summary totals for the year.
    RevenueSummary revenue;
    ASSERT_TRUE(revenue.read({QString(), QString(), QDate(2025, 1, 1), QDate(2025, 12, 31)}));
    EXPECT_EQ(revenue.total.text(), QStringLiteral("19,60"));

    for (const char* language : {"it_IT.UTF-8", "en_US.UTF-8"}) {
        SCOPED_TRACE(language);
        const std::vector<Calc::Table> read = Calc::read(files, language);
        ASSERT_EQ(read.size(), expected.size());
        for (size_t i = 0; i < read.size(); ++i) {
            SCOPED_TRACE(exports()[i].file);
            ASSERT_EQ(read[i].size(), expected[i].size());
            for (size_t r = 0; r < read[i].size(); ++r) EXPECT_EQ(read[i][r], expected[i][r]) << "row " << r;
        }

        // A few cells as the user reads them, whatever the grid says.
        const Calc::Table& clients = read[0];
        EXPECT_EQ(at(clients, 1, "Partita IVA"), Cell::text("01234567890"));
        EXPECT_EQ(at(clients, 1, "Zona"), Cell::text("00184"));
        EXPECT_EQ(at(clients, 1, "Tel. ufficio"), Cell::text("1e5"));
        EXPECT_EQ(at(clients, 1, "Data di nascita"), Cell::day("07/03/1961", QDate(1961, 3, 7)));
        EXPECT_EQ(at(clients, 2, "Data di nascita"), Cell::text("31/02/1961"));
        EXPECT_EQ(at(read[10], 1, "CAP"), Cell::text("06121"));
        EXPECT_EQ(at(read[10], 2, "CAP"), Cell::text("00184"));
        EXPECT_EQ(at(read[10], 1, "Via e numero civico"), Cell::text("Via  Roma 1-2"));
        EXPECT_EQ(at(read[3], 1, "Ora chiamata"), Cell::text("09:05"));

        // The amounts of the archive export add up to the revenue summary's
        // total; an unreadable one ("1.000") is text in both.
        const Calc::Table& appointments = read[6];
        EXPECT_EQ(at(appointments, 1, "Importo"), Cell::amount("12,50", 12.5));
        EXPECT_EQ(at(appointments, 4, "Importo"), Cell::text("1.000"));
        double sum = 0;
        for (int r = 1; r < int(appointments.size()); ++r)
            if (const Cell c = at(appointments, r, "Importo"); c.type == Cell::Type::Number) sum += c.number;
        EXPECT_EQ(std::llround(sum * 100), revenue.total.cents());
    }
}
