#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include "ui/Grid.h"

#include "platform/Clock.h"
#include "platform/ProgramFolder.h"

#include "archive/ArchivioSchede.h"
#include "archive/ColumnTable.h"
#include "archive/ExportWindow.h"
#include "support/Calc.h"
#include "support/Said.h"
#include "support/Seams.h"
#include "support/Sheet.h"
#include "ui/Help.h"
#include "ui/PictureButton.h"
#include "ui/StatusLine.h"

namespace {

// The file of a two-column sheet "Prova", written out by hand.
const QByteArray kHead =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\"><head>"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
    "<!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet><x:Name>Prova</x:Name>"
    "<x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number><x:ActiveRow>3</x:ActiveRow>"
    "</x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents><x:ProtectObjects>False</x:ProtectObjects>"
    "<x:ProtectScenarios>False</x:ProtectScenarios></x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets>"
    "</x:ExcelWorkbook></xml><![endif]--><style>.t{mso-number-format:\"\\@\";}</style></head><body><table x:str>";
const QByteArray kHeaderRow =
    "<tr><td style=\"text-align: left; font-weight: bold;\" width=250>Cognome e nome</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=150>Citt\xE0</td></tr>";
const QByteArray kRows =
    "<tr><td class=t style=\"text-align: left;\">Rossi Niccol\xF2</td>"
    "<td class=t style=\"text-align: left;\">Roma</td></tr>"
    "<tr><td class=t style=\"text-align: left;\">Bianchi Anna</td>"
    "<td class=t style=\"text-align: left;\"></td></tr>";
const QByteArray kTail = "</table></body></html>";

const std::vector<QStringList> kTwoRows = {{"  Rossi Niccol\u00F2 ", "Roma"}, {"Bianchi Anna", ""}};

const RecordLayout& provaLayout() {
    static const RecordLayout layout("TProva", {{"Nome", 60}, {"Citta", 250}, {"Prov", 2}});
    return layout;
}

// The grid says "Comune / Città", the sheet "Città".
const ColumnTable kTable({{"Cognome e nome", "Nome", 250}, {"Comune / Citt\u00E0", "Citta", 150, {}, "Citt\u00E0"}});

// The sheet's columns as the file states them.
const Sheet::Columns kProvaColumns = {{"Cognome e nome", 250}, {"Citt\u00E0", 150}};

// A name, and a text read as a date and as an amount: the same field in
// three columns of the three types.
const ColumnTable kTypedTable({{"Nome", "Nome", 200},
                               {.header = "Data", .field = "Citta", .sheetWidth = 100, .type = CellType::Date},
                               {.header = "Importo", .field = "Citta", .sheetWidth = 100, .type = CellType::Amount}});

// Cells of the file, written out by hand.
QByteArray textCell(const QByteArray& text) { return "<td class=t style=\"text-align: left;\">" + text + "</td>"; }
QByteArray dateCell(const QByteArray& day, const QByteArray& text) {
    return "<td style=\"text-align: left; mso-number-format:'dd\\/mm\\/yyyy';\" x:num=\"" + day + "\" sdval=\"" + day +
           "\" sdnum=\"1033;1040;GG/MM/AAAA\">" + text + "</td>";
}
QByteArray amountCell(const QByteArray& value, const QByteArray& text) {
    return "<td style=\"text-align: left; mso-number-format:'0\\.00';\" x:num=\"" + value + "\" sdval=\"" + value +
           "\" sdnum=\"1033;1040;0,00\">" + text + "</td>";
}

// An export window over "Prova.pro", written with the given records, their
// fields in layout order; reading fails at the record failAt.
class TfrmProva : public TExportWindow {
public:
    int failAt = -1;

    explicit TfrmProva(const std::vector<QStringList>& rows, const ColumnTable& table = kTable) {
        QFile file(ProgramFolder::file("Prova.pro"));
        file.open(QIODevice::WriteOnly);
        for (const QStringList& fields : rows) {
            Record r(provaLayout());
            for (int i = 0; i < fields.size(); ++i) r.set(i, fields.at(i));
            file.write(r.bytes());
        }
        file.close();
        ExportWindowDescription desc;
        desc.caption = " Prova";
        desc.fileName = "Prova.xls";
        desc.sheetName = "Prova";
        desc.table = table;
        desc.helpTitle = "Guida prova";
        desc.archive = "Prova.pro";
        desc.layout = &provaLayout();
        desc.filter = [this] {
            return [this, read = 0](const Record&) mutable {
                if (read++ == failAt) throw ArchiveError("unreadable");
                return true;
            };
        };
        FormCreate(desc);
    }
};

class ExportWindow : public SeamsTest {
protected:
    void exportFrom(TfrmProva& w) {
        w.show();
        child<QAbstractButton>(&w, "cmdEsporta")->click();
    }
    QString quotedPath() { return '"' + QDir::toNativeSeparators(seams.file("Prova.xls")) + '"'; }
    QByteArray written() { return fileBytes(seams.file("Prova.xls")); }
};

}  // namespace

// A cell of text and a cell of a card's stored bytes are both trimmed and
// escaped, as are the sheet's name and headers.
TEST(SpreadsheetDocument, EscapesMarkupAndTrimsCells) {
    Seams seams;
    {
        SpreadsheetExport::Writer sheet("Prova.xls", "A & B", {{"<Note>", 300}});
        const QByteArray stored("\t x < y & z > 0 \xE0 ");
        for (const QString& cell :
             {QStringLiteral(" x < y & z > 0 \u00E0 "), QStringLiteral("</td></tr>"), QString()}) {
            sheet.beginRow();
            sheet.text().cell(cell);
            sheet.endRow();
        }
        sheet.beginRow();
        sheet.text().cell(stored.constData(), stored.size());
        sheet.endRow();
        sheet.commit();
    }
    const QByteArray doc = fileBytes(seams.file("Prova.xls"));
    EXPECT_TRUE(doc.contains("<x:Name>A &amp; B</x:Name>"));
    EXPECT_TRUE(doc.contains("width=300>&lt;Note&gt;</td>"));
    EXPECT_TRUE(
        doc.contains("<tr><td class=t style=\"text-align: left;\">x &lt; y &amp; z &gt; 0 \xE0</td></tr>"
                     "<tr><td class=t style=\"text-align: left;\">&lt;/td&gt;&lt;/tr&gt;</td></tr>"
                     "<tr><td class=t style=\"text-align: left;\"></td></tr>"
                     "<tr><td class=t style=\"text-align: left;\">x &lt; y &amp; z &gt; 0 \xE0</td></tr></table>"));
}

TEST_F(ExportWindow, WritesTheGridReplacingAnEarlierFileAndOpensIt) {
    writeFile(seams.file("Prova.xls"), QByteArray(20000, 'x'));  // longer than the new file
    TfrmProva w(kTwoRows);
    exportFrom(w);

    EXPECT_EQ(written(), kHead + kHeaderRow + kRows + kTail);
    EXPECT_EQ(seams.messageTexts(), QStringList({Said::esportaDomanda, Said::esportate}));
    EXPECT_EQ(seams.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(seams.messages[1].buttons, MsgButtons::YesNo);
    EXPECT_EQ(seams.opened, QStringList{quotedPath()});
}

TEST_F(ExportWindow, SecondQuestionDecidesTheOpening) {
    struct Case {
        MsgAnswer answer;
        bool opens;
    };
    for (const Case c : {Case{MsgAnswer::Yes, true}, Case{MsgAnswer::No, false}}) {
        seams.opened.clear();
        seams.answer(MsgAnswer::Yes);
        seams.answer(c.answer);
        TfrmProva w(kTwoRows);
        exportFrom(w);
        EXPECT_EQ(written(), kHead + kHeaderRow + kRows + kTail);
        EXPECT_EQ(seams.opened, c.opens ? QStringList{quotedPath()} : QStringList());
    }

    // No program for spreadsheets: the user is told where the file is.
    seams.shellOpens = false;
    seams.messages.clear();
    TfrmProva w(kTwoRows);
    exportFrom(w);
    ASSERT_EQ(seams.messages.size(), 3u);
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Plain);
    EXPECT_EQ(seams.lastMessage().text,
              "Attenzione: il sistema non \u00E8 riuscito ad aprire il file\r\n\r\n" +
                  QDir::toNativeSeparators(seams.file("Prova.xls")) +
                  "\r\n\r\nAccertarsi che nel computer sia installato un programma in grado di aprirlo, oppure "
                  "copiare il percorso e aprire il file a mano.");
}

TEST_F(ExportWindow, EmptyGridWritesTheHeaderRowOnly) {
    TfrmProva w({});
    exportFrom(w);
    EXPECT_EQ(w.grid()->rowCount(), 0);
    EXPECT_EQ(written(), kHead + kHeaderRow + kTail);
}

TEST_F(ExportWindow, NoToTheFirstQuestionWritesNothing) {
    writeFile(seams.file("Prova.xls"), "earlier");
    seams.answer(MsgAnswer::No);
    TfrmProva w(kTwoRows);
    exportFrom(w);
    EXPECT_EQ(written(), QByteArray("earlier"));
    EXPECT_EQ(seams.messageTexts(), QStringList{Said::esportaDomanda});
    EXPECT_TRUE(seams.opened.isEmpty());
}

TEST_F(ExportWindow, UnwritableTargetGivesThePlainMessage) {
    ASSERT_TRUE(QDir(seams.folder()).mkdir("Prova.xls"));  // the name taken by a folder
    TfrmProva w(kTwoRows);
    exportFrom(w);
    ASSERT_EQ(seams.messages.size(), 2u);
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Plain);
    EXPECT_EQ(seams.lastMessage().buttons, MsgButtons::Ok);
    EXPECT_EQ(seams.lastMessage().text, Said::esportaErrore);
    EXPECT_TRUE(seams.opened.isEmpty());
    EXPECT_EQ(w.grid()->rowCount(), 2);  // the user may try again
}

TEST_F(ExportWindow, FullDiskKeepsTheEarlierFileAndSaysSo) {
    writeFile(seams.file("Prova.xls"), "earlier export");
    TfrmProva w(kTwoRows);
    {
        FullDisk full;
        exportFrom(w);
    }
    EXPECT_EQ(seams.lastMessage().text, Said::esportaErrore);
    EXPECT_EQ(fileBytes(seams.file("Prova.xls")), QByteArray("earlier export"));
    EXPECT_TRUE(seams.opened.isEmpty());
}

TEST_F(ExportWindow, GridIsNumberedAndKeepsTheRowsReadBeforeAFailure) {
    TfrmProva w({{"Uno", "A"}, {"Due", "B"}, {"Tre", "C"}});
    w.failAt = 2;
    w.show();
    TGrid* g = w.grid();
    ASSERT_EQ(g->rowCount(), 2);
    ASSERT_EQ(g->columnCount(), 3);
    EXPECT_EQ(g->headerText(0), QStringLiteral("N."));
    EXPECT_EQ(g->headerText(2), QStringLiteral("Comune / Citt\u00E0"));
    EXPECT_EQ(g->text(1, 0), QStringLiteral("2"));
    EXPECT_EQ(g->text(1, 1), QStringLiteral("Due"));
    EXPECT_FALSE(g->model()->flags(g->model()->index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_EQ(w.windowTitle(), QStringLiteral(" Prova"));
    EXPECT_EQ(w.size(), QSize(862, 560));
}

// The grid and the file read one table: the same rows, a joined pair as one
// trimmed cell, the sheet's own header where it differs, and a column left
// out of the file staying in the grid.
TEST_F(ExportWindow, GridAndSheetComeFromTheSameTable) {
    const ColumnTable table({{"Cognome e nome", "Nome", 250},
                             {"Comune / Citt\u00E0", "Citta", 150, "Prov", "Citt\u00E0"},
                             {.header = "Prov.", .field = "Prov", .exported = false}});
    TfrmProva w({{" Rossi Niccol\u00F2 ", "Forl\u00EC", "FC"}, {"Bianchi Anna", "", "RM"}, {"Verdi", "Roma", ""}},
                table);
    exportFrom(w);

    TGrid* g = w.grid();
    QStringList headers;
    for (int c = 0; c < g->columnCount(); ++c) headers << g->headerText(c);
    EXPECT_EQ(headers, QStringList({"N.", "Cognome e nome", "Comune / Citt\u00E0", "Prov."}));
    const std::vector<QStringList> shown = {{"1", "Rossi Niccol\u00F2", "Forl\u00EC FC", "FC"},
                                            {"2", "Bianchi Anna", "RM", "RM"},
                                            {"3", "Verdi", "Roma", ""}};
    ASSERT_EQ(g->rowCount(), 3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_EQ(g->text(r, c), shown[size_t(r)].at(c)) << r << "," << c;

    EXPECT_EQ(written(), kHead + kHeaderRow +
                             "<tr><td class=t style=\"text-align: left;\">Rossi Niccol\xF2</td>"
                             "<td class=t style=\"text-align: left;\">Forl\xEC FC</td></tr>"
                             "<tr><td class=t style=\"text-align: left;\">Bianchi Anna</td>"
                             "<td class=t style=\"text-align: left;\">RM</td></tr>"
                             "<tr><td class=t style=\"text-align: left;\">Verdi</td>"
                             "<td class=t style=\"text-align: left;\">Roma</td></tr>" +
                             kTail);
    EXPECT_EQ(w.rows(), std::vector<QStringList>(
                            {{"Rossi Niccol\u00F2", "Forl\u00EC FC"}, {"Bianchi Anna", "RM"}, {"Verdi", "Roma"}}));
}

// Each cell says what it holds, from its column and its stored bytes: in a
// date column a real day "dd/mm/yyyy" from 01/03/1900 on is a day number, in
// an amount column what the revenue summary reads as an amount is a number
// with a point and two decimals; anything else, in any column, is text as
// stored, its runs of blanks kept.
TEST_F(ExportWindow, CellsAreTypedByTheirColumnAndTheirBytes) {
    struct Case {
        const char* name;
        const char* stored;
        QByteArray nameCell, dateCell, amountCell;
    };
    const Case cases[] = {
        {"06121", "31/12/2024", textCell("06121"), dateCell("45657", "31/12/2024"), textCell("31/12/2024")},
        {"1e5", " 01/03/1900 ", textCell("1e5"), dateCell("61", "01/03/1900"), textCell("01/03/1900")},
        {"x", "31/12/9999", textCell("x"), dateCell("2958465", "31/12/9999"), textCell("31/12/9999")},
        {"Via  Roma   1", "28/02/1900", textCell("Via &#32;Roma &#32;&#32;1"), textCell("28/02/1900"),
         textCell("28/02/1900")},
        {"a < b & c > d", "29/02/2023", textCell("a &lt; b &amp; c &gt; d"), textCell("29/02/2023"),
         textCell("29/02/2023")},
        {"Niccol\u00F2", "1/3/2025", textCell("Niccol\xF2"), textCell("1/3/2025"), textCell("1/3/2025")},
        {"0755551234", "12,5", textCell("0755551234"), textCell("12,5"), amountCell("12.50", "12,5")},
        {"3/4", "7", textCell("3/4"), textCell("7"), amountCell("7.00", "7")},
        {"1.000", ",05", textCell("1.000"), textCell(",05"), amountCell("0.05", ",05")},
        {"1-2", "-3,25", textCell("1-2"), textCell("-3,25"), amountCell("-3.25", "-3,25")},
        {"=1+2", "12,346", textCell("=1+2"), textCell("12,346"), amountCell("12.35", "12,346")},
        {"TRUE", "1.000", textCell("TRUE"), textCell("1.000"), textCell("1.000")},
        {"", "", textCell(""), textCell(""), textCell("")},
    };
    std::vector<QStringList> rows;
    QByteArray expected = kHead +
                          "<tr><td style=\"text-align: left; font-weight: bold;\" width=200>Nome</td>"
                          "<td style=\"text-align: left; font-weight: bold;\" width=100>Data</td>"
                          "<td style=\"text-align: left; font-weight: bold;\" width=100>Importo</td></tr>";
    for (const Case& c : cases) {
        rows.push_back({c.name, c.stored});
        expected += "<tr>" + c.nameCell + c.dateCell + c.amountCell + "</tr>";
    }
    TfrmProva w(rows, kTypedTable);
    exportFrom(w);
    EXPECT_EQ(written(), expected + kTail);
}

// A sheet far larger than the writer's buffer reaches the file whole, in
// order; a disk filling up halfway leaves the earlier file as it was.
TEST_F(ExportWindow, LargeSheetIsWrittenWholeOrNotAtAll) {
    std::vector<QStringList> many;
    for (int i = 0; i < 3000; ++i) many.push_back({QStringLiteral("Cliente %1").arg(i), QString(200, QChar(0xE0))});
    TfrmProva w(many);
    exportFrom(w);
    const QByteArray bytes = written();
    EXPECT_GT(bytes.size(), 600 * 1024);
    EXPECT_EQ(bytes, Sheet::expected("Prova", kProvaColumns, many));
    EXPECT_TRUE(bytes.endsWith("Cliente 2999</td><td class=t style=\"text-align: left;\">" + QByteArray(200, '\xE0') +
                               "</td></tr></table></body></html>"));

    writeFile(seams.file("Prova.xls"), "earlier export");
    seams.messages.clear();
    {
        FullDisk full;
        child<QAbstractButton>(&w, "cmdEsporta")->click();
    }
    EXPECT_EQ(seams.lastMessage().text, Said::esportaErrore);
    EXPECT_EQ(written(), QByteArray("earlier export"));
    EXPECT_EQ(QDir(seams.folder()).entryList(QDir::Files),
              (QStringList{"Prova.pro", "Prova.xls"}));  // no stray temporary file
}

// The file is written from the cards again, so it must still be what the
// grid shows: a card changed or gone since refuses it, as an unreadable
// archive does, and the earlier file stays; a card added since is not in the
// grid and not in the file.
TEST_F(ExportWindow, CardsChangedSinceTheGridRefuseTheFile) {
    const QByteArray earlier("earlier export");
    auto card = [](const QStringList& fields) {
        Record r(provaLayout());
        for (int i = 0; i < fields.size(); ++i) r.set(i, fields.at(i));
        return r.bytes();
    };
    struct Case {
        const char* what;
        std::function<void(const QString& archive)> change;
        bool written;
    };
    const Case cases[] = {
        {"a card added", [&](const QString& a) { appendRecords(a, {Record(provaLayout())}); }, true},
        {"a field not shown changed",
         [&](const QString& a) {
             QFile f(a);
             ASSERT_TRUE(f.open(QIODevice::ReadWrite));
             f.seek(provaLayout().offset("Prov"));
             f.write(card({"", "", "MI"}).mid(provaLayout().offset("Prov")));
         },
         true},
        {"a name changed",
         [&](const QString& a) {
             QFile f(a);
             ASSERT_TRUE(f.open(QIODevice::ReadWrite));
             f.seek(provaLayout().size());
             f.write(card({"Bianchi Anna Maria", ""}));
         },
         false},
        {"the cards swapped",
         [&](const QString& a) {
             const QByteArray bytes = fileBytes(a);
             const int n = provaLayout().size();
             writeFile(a, bytes.mid(n, n) + bytes.left(n));
         },
         false},
        {"the archive cut short", [&](const QString& a) { writeFile(a, fileBytes(a).left(provaLayout().size())); },
         false},
        {"the archive gone", [&](const QString& a) { QFile::remove(a); }, false},
    };
    for (const Case& c : cases) {
        writeFile(seams.file("Prova.xls"), earlier);
        seams.messages.clear();
        TfrmProva w(kTwoRows);
        w.show();
        c.change(seams.file("Prova.pro"));
        child<QAbstractButton>(&w, "cmdEsporta")->click();
        if (c.written) {
            EXPECT_EQ(written(), kHead + kHeaderRow + kRows + kTail) << c.what;
            EXPECT_EQ(seams.messageTexts(), QStringList({Said::esportaDomanda, Said::esportate})) << c.what;
        } else {
            EXPECT_EQ(written(), earlier) << c.what;
            EXPECT_EQ(seams.messageTexts(), QStringList({Said::esportaDomanda, Said::accesso})) << c.what;
            EXPECT_EQ(seams.lastMessage().kind, MsgKind::Plain) << c.what;
        }
        EXPECT_EQ(QDir(seams.folder()).entryList(QDir::Files), (QStringList{"Prova.pro", "Prova.xls"})) << c.what;
    }
}

// Past half a second the export shows its progress; "Annulla" half way
// drops the file being written, so the earlier one stays as it was, and
// nothing more is asked or said.
TEST_F(ExportWindow, ExportCancelledHalfWayLeavesTheEarlierFile) {
    std::vector<QStringList> many;
    for (int i = 0; i < 3000; ++i) many.push_back({QStringLiteral("Cliente %1").arg(i), QString(200, QChar(0xE0))});
    TfrmProva w(many);
    w.show();
    ASSERT_EQ(w.grid()->rowCount(), 3000);
    EXPECT_TRUE(seams.progress.empty());  // a moment's filling: the wait cursor alone

    const QByteArray earlier("earlier export");
    writeFile(seams.file("Prova.xls"), earlier);
    Clock::setTick(100);  // each look at the clock a tenth of a second later
    seams.onProgress = [](const ProgressRequest& r) { return r.done < r.total / 2; };
    child<QAbstractButton>(&w, "cmdEsporta")->click();

    ASSERT_FALSE(seams.progress.empty());
    const ProgressRequest& last = seams.progress.back();
    EXPECT_EQ(last.title, QStringLiteral("Esportazione in corso\u2026"));
    EXPECT_EQ(last.parent, &w);
    EXPECT_EQ(last.total, 3000);
    EXPECT_GE(last.done, 1500);
    EXPECT_LT(last.done, 1600);  // stopped at once
    EXPECT_EQ(written(), earlier);
    EXPECT_EQ(seams.messageTexts(), QStringList{Said::esportaDomanda});
    EXPECT_TRUE(seams.opened.isEmpty());
    EXPECT_EQ(QDir(seams.folder()).entryList(QDir::Files), (QStringList{"Prova.pro", "Prova.xls"}));

    // Not cancelled, the same export goes through.
    seams.onProgress = nullptr;
    child<QAbstractButton>(&w, "cmdEsporta")->click();
    EXPECT_EQ(written(), Sheet::expected("Prova", kProvaColumns, many));
}

// A long filling shows its progress too; cancelled, it closes the window.
TEST_F(ExportWindow, FillingCancelledClosesTheWindow) {
    std::vector<QStringList> many(2000, QStringList{"Rossi", "Roma"});
    TfrmProva w(many);
    Clock::setTick(100);
    seams.onProgress = [](const ProgressRequest& r) { return r.done < 1000; };
    w.show();
    ASSERT_FALSE(seams.progress.empty());
    EXPECT_EQ(seams.progress.front().title, QStringLiteral("Lettura delle schede in corso\u2026"));
    EXPECT_EQ(seams.progress.front().total, 2000);
    EXPECT_EQ(w.grid()->rowCount(), 0);
    QCoreApplication::processEvents();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(ExportWindow, ButtonHintsAndTheBackgroundClearingThem) {
    TfrmProva w({});
    w.show();
    QLabel* info = w.statusLine();
    EXPECT_EQ(info->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
    const struct {
        const char* button;
        QString hint;
    } cases[] = {
        {"cmdEsporta", "Esporta l'archivio in formato Microsoft Excel."},
        {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
        {"cmdEsci", "Esci da questo ambiente di lavoro."},
    };
    for (const auto& c : cases) {
        auto* b = child<TPictureButton>(&w, c.button);
        EXPECT_FALSE(b->accessibleName().isEmpty());
        QMouseEvent over(QEvent::MouseMove, QPointF(5, 5), b->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(b, &over);
        EXPECT_EQ(info->text(), c.hint);
        EXPECT_EQ(b->toolTip(), c.hint);
    }
    // Over the grid the hint stays; over the window's background it goes.
    QWidget* grid = w.grid()->viewport();
    const QPoint inGrid = grid->mapTo(&w, QPoint(10, 10));
    QMouseEvent overGrid(QEvent::MouseMove, QPointF(inGrid), w.mapToGlobal(QPointF(inGrid)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
    QApplication::sendEvent(&w, &overGrid);
    EXPECT_EQ(info->text(), cases[2].hint);
    QMouseEvent background(QEvent::MouseMove, QPointF(2, 2), w.mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                           Qt::NoModifier);
    QApplication::sendEvent(&w, &background);
    EXPECT_EQ(info->text(), QString());
}

TEST_F(ExportWindow, HelpAndExit) {
    const QStringList& titles = seams.helpRequests;
    TfrmProva w({});
    w.show();
    child<QAbstractButton>(&w, "cmdGuida")->click();
    EXPECT_EQ(titles, QStringList{"Guida prova"});
    child<QAbstractButton>(&w, "cmdEsci")->click();
    EXPECT_FALSE(w.isVisible());
}

// Calc, on an Italian and on an English desktop, reads every cell back as
// it was typed: codes and numbers with leading zeros, exponents, points and
// blanks as text, real days as dates shown dd/mm/yyyy, amounts as numbers
// shown with two decimals; an empty sheet as its header row alone.
TEST_F(ExportWindow, CalcReadsEveryCellAsTyped) {
    if (!Calc::unavailable().isEmpty()) GTEST_SKIP() << Calc::unavailable().toStdString();
    using Cell = Calc::Cell;
    const Cell none;
    struct Case {
        const char* name;
        const char* stored;
        Cell date, amount;
    };
    const Case cases[] = {
        {"06121", "31/12/2024", Cell::day("31/12/2024", QDate(2024, 12, 31)), Cell::text("31/12/2024")},
        {"0755551234", "01/03/1900", Cell::day("01/03/1900", QDate(1900, 3, 1)), Cell::text("01/03/1900")},
        {"Via  Roma   1-2", "28/02/1900", Cell::text("28/02/1900"), Cell::text("28/02/1900")},
        {"a < b & c > d", "31/02/2024", Cell::text("31/02/2024"), Cell::text("31/02/2024")},
        {"Niccol\u00F2 \u20AC", "5/3/2025", Cell::text("5/3/2025"), Cell::text("5/3/2025")},
        {"1e5", "12,5", Cell::text("12,5"), Cell::amount("12,50", 12.5)},
        {"1.000", "7", Cell::text("7"), Cell::amount("7,00", 7)},
        {"3/4", ",05", Cell::text(",05"), Cell::amount("0,05", 0.05)},
        {"007", "-1250,1", Cell::text("-1250,1"), Cell::amount("-1250,10", -1250.1)},
        {"=1+2", "1.000", Cell::text("1.000"), Cell::text("1.000")},
        {"09:30", "", none, none},
    };
    std::vector<QStringList> rows;
    Calc::Table expected = {{Cell::text("Nome"), Cell::text("Data"), Cell::text("Importo")}};
    for (const Case& c : cases) {
        rows.push_back({c.name, c.stored});
        expected.push_back({Cell::text(c.name), c.date, c.amount});
    }
    expected.back().resize(1);  // a row ends with its last cell that holds something
    TfrmProva w(rows, kTypedTable);
    exportFrom(w);
    const QString typed = seams.file("Tipi.xls");
    ASSERT_TRUE(QFile::rename(seams.file("Prova.xls"), typed));
    TfrmProva empty({});
    exportFrom(empty);

    for (const char* language : {"it_IT.UTF-8", "en_US.UTF-8"}) {
        SCOPED_TRACE(language);
        const std::vector<Calc::Table> read = Calc::read({typed, seams.file("Prova.xls")}, language);
        ASSERT_EQ(read.size(), 2u);
        ASSERT_EQ(read[0].size(), expected.size());
        for (size_t r = 0; r < expected.size(); ++r) EXPECT_EQ(read[0][r], expected[r]) << "row " << r;
        EXPECT_EQ(read[1], Calc::Table({{Cell::text("Cognome e nome"), Cell::text("Citt\u00E0")}}));
    }
}
