#include <QAbstractButton>
#include <QLabel>
#include <QTableView>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "AgendaCards.h"
#include "app/HelpTopics.h"
#include "appuntamenti/AppointmentColumns.h"
#include "appuntamenti/TfrmAgenda.h"
#include "appuntamenti/TfrmExpGiornaliere.h"
#include "appuntamenti/TfrmExpImminenti.h"
#include "appuntamenti/TfrmExpMensili.h"
#include "appuntamenti/TfrmExpScadenzario.h"
#include "archive/SpreadsheetExport.h"
#include "support/Seams.h"
#include "support/Sheet.h"
#include "ui/Grid.h"
#include "ui/RecordList.h"

namespace {

struct Window {
    const char* caption;
    const char* file;
    const char* sheet;
    const char* help;
    bool keyed;
    std::function<std::unique_ptr<TExportWindow>()> make;
};

const std::vector<Window>& windows() {
    static const std::vector<Window> w = {
        {" Esportazione archivio appuntamenti", "Riepilogo_Appuntamenti.xls", "Riepilogo Appuntamenti",
         "Esportazione archivio appuntamenti in Excel", false, [] { return std::make_unique<TfrmExpScadenzario>(); }},
        {" Appuntamenti imminenti", "Appuntamenti_Imminenti.xls", "Appuntamenti imminenti",
         "Visualizzazione appuntamenti", true, [] { return std::make_unique<TfrmExpImminenti>(); }},
        {" Appuntamenti del giorno", "Appuntamenti_Giornalieri.xls", "Appuntamenti del giorno",
         "Visualizzazione appuntamenti", true, [] { return std::make_unique<TfrmExpGiornaliere>(); }},
        {" Appuntamenti del mese", "Appuntamenti_Mensili.xls", "Appuntamenti del mese", "Visualizzazione appuntamenti",
         true, [] { return std::make_unique<TfrmExpMensili>(); }},
    };
    return w;
}

class AgendaExports : public SeamsTest {
protected:
    void archive(std::initializer_list<Card> cards) { appendCards(seams, cards); }

    static QAbstractItemModel* grid(QWidget* w) { return child<QTableView>(w, "grdRecords")->model(); }
    static QStringList column(QWidget* w, int c) {
        QStringList out;
        for (int r = 0; r < grid(w)->rowCount(); ++r) out << grid(w)->index(r, c).data().toString();
        return out;
    }
    static QStringList headers(QWidget* w) {
        QStringList out;
        for (int c = 0; c < grid(w)->columnCount(); ++c) out << grid(w)->headerData(c, Qt::Horizontal).toString();
        return out;
    }
    // Exports the window's rows and returns the file written.
    QByteArray exportFrom(TExportWindow& w, const char* file) {
        child<QAbstractButton>(&w, "cmdEsporta")->click();
        return fileBytes(seams.file(QLatin1String(file)));
    }
};

const QStringList kHeaders = {"N.",
                              "Data appuntamento",
                              "Ora",
                              "Agente",
                              "Servizi richiesti",
                              "Dettagli",
                              "Cliente",
                              "Telefono",
                              "Cellulare",
                              "E-mail",
                              "Modalit\u00E0 di pagamento",
                              "Importo",
                              "Impegno assolto",
                              "Note"};

// The sheet's columns: the grid's after "N.", with their widths.
Sheet::Columns sheetColumns(bool keyed) {
    const QList<int> widths = {180, 150, 280, 400, 400, 300, 200, 200, 250, 300, 200, 200, 400};
    Sheet::Columns c;
    for (int i = 0; i < widths.size(); ++i) c.push_back({kHeaders.at(i + 1), widths.at(i)});
    c[0].kind = Sheet::Kind::Date;     // "Data appuntamento"
    c[10].kind = Sheet::Kind::Amount;  // "Importo"
    if (keyed) c.push_back({"Codice univoco", 150});
    return c;
}

// The rows of a window's grid, without the number.
std::vector<QStringList> gridRows(TExportWindow* w) {
    std::vector<QStringList> rows;
    for (int r = 0; r < w->grid()->gridModel()->rows(); ++r) {
        QStringList cells;
        for (int c = 1; c < w->grid()->model()->columnCount(); ++c) cells << w->grid()->text(r, c);
        rows.push_back(cells);
    }
    return rows;
}

}  // namespace

TEST_F(AgendaExports, EachWindowHasItsNamesAndColumnsAndExportsAnEmptyArchiveAsTheHeaderRow) {
    for (const Window& c : windows()) {
        SCOPED_TRACE(c.file);
        std::unique_ptr<TExportWindow> w = c.make();
        w->show();
        EXPECT_EQ(w->windowTitle(), QLatin1String(c.caption));
        EXPECT_EQ(headers(w.get()), c.keyed ? kHeaders + QStringList{"Codice univoco"} : kHeaders);
        EXPECT_EQ(grid(w.get())->rowCount(), 0);
        const QByteArray file = exportFrom(*w, c.file);
        EXPECT_EQ(file, Sheet::expected(QString::fromUtf8(c.sheet), sheetColumns(c.keyed), {}));
        EXPECT_EQ(file.count("<tr>"), 1);
        child<QAbstractButton>(w.get(), "cmdGuida")->click();
        EXPECT_EQ(seams.helpRequests.last(), QLatin1String(c.help));
        EXPECT_TRUE(HelpTopics::find(QLatin1String(c.help)).has_value());
    }
}

TEST_F(AgendaExports, TheArchiveExportHoldsEveryCardInFileOrderWithThirteenColumns) {
    archive({{"10/03/2026", "15:30", "0", "S\u00EC", "Verdi Luca"},
             {"01/01/2024", "09:05", "3", "No", "Neri Paola", "347 765 4321", "Visura <catastale>", "1250,00"},
             {"10/03/2026", "08:00"}});
    TfrmExpScadenzario w;
    w.show();
    EXPECT_EQ(column(&w, 0), QStringList({"1", "2", "3"}));
    EXPECT_EQ(column(&w, 6), QStringList({"Verdi Luca", "Neri Paola", "Rossi Mario"}));
    QStringList second;
    for (int c = 1; c < grid(&w)->columnCount(); ++c) second << grid(&w)->index(1, c).data().toString();
    EXPECT_EQ(second, QStringList({"01/01/2024", "09:05", "Bianchi Anna", "Visura <catastale>", "", "Neri Paola",
                                   "061234567", "347 765 4321", "", "", "1250,00", "No", ""}));
    EXPECT_EQ(exportFrom(w, "Riepilogo_Appuntamenti.xls"),
              Sheet::expected("Riepilogo Appuntamenti", sheetColumns(false), gridRows(&w)));
}

TEST_F(AgendaExports, DayAndMonthListTheirCardsDoneOrNotInTimeOrderKeepingFileOrderOnTies) {
    archive({{"01/03/2026", "15:30", "0", "No", "Zeta Pomeriggio"},
             {"01/03/2026", "09:05", "0", "S\u00EC", "Alfa Mattina"},
             {"31/03/2026", "08:00", "0", "No", "Fine Mese"},
             {"01/03/2025", "08:00", "0", "No", "Anno Prima"},
             {"02/03/2026", "10:00", "0", "No", "Zorzi Pari"},
             {"02/03/2026", "10:00", "0", "No", "Abati Pari"},
             {"01/04/2026", "00:00", "0", "No", "Aprile"}});
    struct Case {
        std::function<std::unique_ptr<TExportWindow>()> make;
        const char* file;
        const char* sheet;
        QStringList clients;
        QStringList keys;
        QStringList numbers;  // each row keeps its number in file order
    };
    const Case cases[] = {
        {[] { return std::make_unique<TfrmExpGiornaliere>(nullptr, QDate(2026, 3, 1)); },
         "Appuntamenti_Giornalieri.xls",
         "Appuntamenti del giorno",
         {"Alfa Mattina", "Zeta Pomeriggio"},
         {"202603010905", "202603011530"},
         {"2", "1"}},
        {[] { return std::make_unique<TfrmExpMensili>(nullptr, QDate(2026, 3, 17)); },
         "Appuntamenti_Mensili.xls",
         "Appuntamenti del mese",
         {"Alfa Mattina", "Zeta Pomeriggio", "Zorzi Pari", "Abati Pari", "Fine Mese"},
         {"202603010905", "202603011530", "202603021000", "202603021000", "202603310800"},
         {"2", "1", "4", "5", "3"}},
        {[] { return std::make_unique<TfrmExpGiornaliere>(nullptr, QDate(2026, 3, 3)); },
         "Appuntamenti_Giornalieri.xls",
         "Appuntamenti del giorno",
         {},
         {},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        std::unique_ptr<TExportWindow> w = c.make();
        w->show();
        EXPECT_EQ(column(w.get(), 6), c.clients);
        EXPECT_EQ(column(w.get(), 14), c.keys);
        EXPECT_EQ(column(w.get(), 0), c.numbers);
        const QByteArray file = exportFrom(*w, c.file);
        EXPECT_EQ(file.count("<tr>"), c.clients.size() + 1);
        EXPECT_EQ(file, Sheet::expected(QLatin1String(c.sheet), sheetColumns(true), gridRows(w.get())));
    }
}

TEST_F(AgendaExports, TheImminentExportShowsTheAgendasListInItsOrder) {
    archive({{"05/03/2025", "15:30", "0", "No", "Verdi Luca"},
             {"20/03/2025", "08:00", "20", "No", "Lontano Ugo"},
             {"05/03/2025", "09:05", "0", "No", "Neri Paola"},
             {"04/03/2025", "09:00", "0", "S\u00EC", "Fatto Gia"},
             {"06/03/2025", "09:00", "0", "No", "Domani Eva"},
             {"12/11/2024", "17:00", "0", "No", "Scaduto Ivo"}});
    TfrmAgenda agenda;
    agenda.show();
    QStringList keys;
    for (const QString& line : child<TRecordList>(&agenda, "lstRecords")->lines()) keys << line.mid(4, 12);
    ASSERT_EQ(keys.size(), 4);

    TfrmExpImminenti w;
    w.show();
    EXPECT_EQ(column(&w, 14), keys);
    EXPECT_EQ(column(&w, 6), QStringList({"Scaduto Ivo", "Neri Paola", "Verdi Luca", "Lontano Ugo"}));
    EXPECT_EQ(column(&w, 0), QStringList({"4", "3", "1", "2"}));  // each card keeps its number in file order
}

// The exports that choose cards by their date count those whose date cannot
// be read, in a line under the grid; the whole archive's export shows them all.
TEST_F(AgendaExports, CardsWhoseDateCannotBeReadAreCountedUnderTheGrid) {
    archive({{"05/03/2025", "09:00"},                  // 1 today: in every window
             {"31/02/2025", "09:00"},                  // 2 no date
             {"5/3/2025", "09:00"},                    // 3 a date not in full
             {"31/02/2025", "09:00", "0", "S\u00EC"},  // 4 no date, done
             {"12/03/2025", "09:00", "30"}});          // 5 in the month, not today
    const QString two = QStringLiteral(
        "2 schede non sono elencate perch\u00E9 la data non \u00E8 leggibile "
        "(la prima \u00E8 la scheda n. 2).");
    const QString three = QStringLiteral(
        "3 schede non sono elencate perch\u00E9 la data non \u00E8 leggibile "
        "(la prima \u00E8 la scheda n. 2).");
    struct Case {
        size_t window;
        QStringList dates;
        QString note;
    };
    const Case cases[] = {
        {0, {"05/03/2025", "31/02/2025", "5/3/2025", "31/02/2025", "12/03/2025"}, QString()},  // the whole archive
        {1, {"05/03/2025", "12/03/2025"}, two},    // imminent: a done card is no concern
        {2, {"05/03/2025"}, three},                // the day
        {3, {"05/03/2025", "12/03/2025"}, three},  // the month
    };
    for (const Case& c : cases) {
        std::unique_ptr<TExportWindow> w = windows()[c.window].make();
        w->show();
        auto* note = child<QLabel>(w.get(), "lblEscluse");
        EXPECT_EQ(column(w.get(), 1), c.dates) << windows()[c.window].caption;
        EXPECT_EQ(note->isHidden() ? QString() : note->text(), c.note) << windows()[c.window].caption;
    }
}
