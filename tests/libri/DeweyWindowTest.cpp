#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "libri/TfrmCodici_Dewey.h"
#include "libri/TfrmLibri.h"
#include "platform/Timer.h"
#include "report/PreparedReport.h"
#include "support/Seams.h"
#include "support/WindowDriver.h"
#include "ui/RecordList.h"

namespace {

class DeweyTable : public SeamsTest, protected WindowDriver {
protected:
    TfrmLibri w;

    DeweyTable() : WindowDriver(&w) {}
    void SetUp() override { showActive(&w); }

    static TRecordList* list(QDialog* d) { return child<TRecordList>(d, "lstRecords"); }
    // The table as the user sees it once its second has passed.
    static void loaded(QDialog* d) {
        Timers::advance(1000);
        QCoreApplication::processEvents();  // the list lays its lines out, as it does on screen
        ASSERT_EQ(list(d)->count(), 3721);
    }
    static int rowOf(QDialog* d, const char* line) { return int(list(d)->lines().indexOf(QLatin1String(line))); }
    static void find(QDialog* d, const char* text) {
        child<QLineEdit>(d, "txtTrova")->setText(QString::fromUtf8(text));
        child<QPushButton>(d, "btnTrova")->click();
    }
    // Opens the table from the book window with the class field holding
    // "XYZ", lets the driver act, and gives what the field holds then.
    QString openTable(std::function<void(QDialog*)> driver) {
        put("txtDewey", "XYZ");
        ctl("txtTitolo")->setFocus();
        seams.onModal(std::move(driver));
        click("btnDewey");
        EXPECT_EQ(seams.modals.back().className, QStringLiteral("TfrmCodici_Dewey"));
        // However the table closed, the user goes on in the class field.
        EXPECT_EQ(w.focusWidget(), ctl("txtDewey"));
        return text("txtDewey");
    }
};

}  // namespace

TEST_F(DeweyTable, TheListFillsOneSecondAfterShowingUnderTheLoadingPicture) {
    openTable([](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral(" Tabella Codici Dewey"));
        EXPECT_EQ(child<QLabel>(d, "lblMemory")->text(), QStringLiteral("libri"));
        EXPECT_TRUE(child<QLineEdit>(d, "txtTrova")->hasFocus());
        auto* loading = child<QWidget>(d, "panDewey");
        EXPECT_TRUE(loading->isVisible());
        EXPECT_EQ(loading->geometry(), list(d)->rect());  // it covers the list
        Timers::advance(999);
        EXPECT_EQ(list(d)->count(), 0);
        Timers::advance(1);
        ASSERT_EQ(list(d)->count(), 3721);
        EXPECT_FALSE(loading->isVisible());
        EXPECT_EQ(list(d)->line(0), QStringLiteral("001 CONOSCENZA"));
        EXPECT_EQ(list(d)->line(3720), QStringLiteral("999 STORIA DI MONDI EXTRATERRESTRI"));
        // No line is cut: each is as wide as the longest of the table.
        const QString longest =
            QStringLiteral("820 LETTERATURE IN LINGUA INGLESE DI ALTRI PAESI (IRLANDA, AUSTRALIA, INDIA, AFRICA)");
        const int at = rowOf(d, longest.toLatin1().constData());
        ASSERT_GE(at, 0);
        EXPECT_GE(list(d)->visualRect(list(d)->model()->index(at, 0)).width(),
                  list(d)->fontMetrics().horizontalAdvance(longest));
    });
}

TEST_F(DeweyTable, ADoubleClickedLineGivesItsClassAndAnyOtherCloseChangesNothing) {
    struct Case {
        const char* how;
        std::function<void(QDialog*)> act;
        const char* field;
    };
    const Case cases[] = {
        {"the line of Italian history from 476 to 774",
         [](QDialog* d) {
             loaded(d);
             doubleClickLine(list(d), rowOf(d, "945 STORIA. ITALIA, 476-774"));
         },
         "945"},
        {"the first line",
         [](QDialog* d) {
             loaded(d);
             doubleClickLine(list(d), 0);
         },
         "001"},
        {"Enter on a line found",
         [](QDialog* d) {
             loaded(d);
             find(d, "programmazione orientata");
             QTest::keyClick(list(d), Qt::Key_Return);
         },
         "005"},
        {"a double click before the list is filled", [](QDialog* d) { doubleClickLine(list(d), -1); }, "XYZ"},
        {"Chiudi",
         [](QDialog* d) {
             loaded(d);
             list(d)->setCurrentRow(10);
             child<QPushButton>(d, "btnChiudi")->click();
         },
         "XYZ"},
    };
    for (const Case& c : cases) {
        bool open = true;
        EXPECT_EQ(openTable([&](QDialog* d) {
                      c.act(d);
                      open = d->isVisible();
                  }),
                  QLatin1String(c.field))
            << c.how;
        EXPECT_FALSE(open) << c.how;  // the window closed by itself
    }
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(DeweyTable, TrovaFindsFictionLineAfterLineAndRemembersItsTextAtTheNextOpening) {
    QStringList selected;
    auto chosen = [&](QDialog* d) { selected << list(d)->selectedLine(); };
    openTable([&](QDialog* d) {
        find(d, "narrativa");  // before the list is filled
        EXPECT_EQ(seams.messageTexts(),
                  QStringList({QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.")}));
        loaded(d);
        find(d, "storia");  // whatever an earlier opening sought
        find(d, "narrativa");
        chosen(d);
        child<QPushButton>(d, "btnTrova")->click();
        chosen(d);
        find(d, "conoscenza");  // a new text starts again from the first line
        chosen(d);
        child<QPushButton>(d, "btnChiudi")->click();
    });
    openTable([&](QDialog* d) {
        EXPECT_EQ(child<QLineEdit>(d, "txtTrova")->text(), QString());
        loaded(d);
        // The text of the previous opening, sought again, goes on after the
        // selected line instead of testing the first.
        find(d, "CONOSCENZA");
        chosen(d);
    });
    EXPECT_EQ(selected, QStringList({"808 RETORICA DELLA NARRATIVA (TECNICA DEL RACCONTO E DEL ROMANZO)",
                                     "808 ANTOLOGIE DI NARRATIVA", "001 CONOSCENZA",
                                     "121 EPISTEMOLOGIA (TEORIA DELLA CONOSCENZA)"}));
}

TEST_F(DeweyTable, StampaPrintsTheWholeTableUnderItsTitle) {
    openTable([&](QDialog* d) {
        loaded(d);
        auto* notice = child<QLabel>(d, "lblAttendere");
        EXPECT_FALSE(notice->isVisible());
        EXPECT_EQ(notice->text(), QStringLiteral("Stampa in corso. Attendere..."));
        child<QPushButton>(d, "btnStampa")->click();
        EXPECT_FALSE(notice->isVisible());
        EXPECT_TRUE(d->isVisible());  // printing leaves the table open
        child<QPushButton>(d, "btnChiudi")->click();
    });
    ASSERT_EQ(seams.reports.size(), 1u);
    const PreparedReport& printed = *seams.reports[0].report;
    EXPECT_EQ(printedLines(printed, "txtTitolo"), QStringList({"Tabella Codici Dewey"}));
    const QStringList lines = printedLines(printed, "txtRiepilogo");
    ASSERT_EQ(lines.size(), 3721);
    EXPECT_EQ(lines.first(), QStringLiteral("001 CONOSCENZA"));
    EXPECT_EQ(lines[2], QStringLiteral("001 DISCIPLINE UMANISTICHE"));
    EXPECT_EQ(lines.last(), QStringLiteral("999 STORIA DI MONDI EXTRATERRESTRI"));
    EXPECT_GT(printed.pageCount(), 30);
}
