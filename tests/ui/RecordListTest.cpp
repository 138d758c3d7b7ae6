#include <QApplication>
#include <QDialog>
#include <QFont>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "support/Seams.h"
#include "ui/RecordList.h"

TEST(RecordList, IdenticalLinesOpenTheLastRecordInEitherOrder) {
    const std::vector<RecordLine> lines = {{"Rossi  ", 2}, {"Bianchi", 4}, {"Rossi", 7}, {"Verdi", 9}, {" Rossi", 5}};
    struct Case {
        bool sorted;
        QStringList texts;
        std::vector<int> positions;
        std::vector<int> opens;
    };
    const Case cases[] = {
        {false, {"Rossi  ", "Bianchi", "Rossi", "Verdi", " Rossi"}, {2, 4, 7, 9, 5}, {7, 4, 7, 9, 7}},
        {true, {" Rossi", "Bianchi", "Rossi", "Rossi  ", "Verdi"}, {5, 4, 7, 2, 9}, {7, 4, 7, 7, 9}},
    };
    for (const Case& c : cases) {
        TRecordList list;
        list.setSorted(c.sorted);
        list.setLines(lines);
        EXPECT_EQ(list.lines(), c.texts) << c.sorted;
        std::vector<int> positions, opens;
        for (int row = 0; row < list.count(); ++row) {
            positions.push_back(list.lineModel()->position(row));
            opens.push_back(list.positionOf(row));
        }
        EXPECT_EQ(positions, c.positions) << c.sorted;
        EXPECT_EQ(opens, c.opens) << c.sorted;
    }
}

TEST(RecordList, SortedLinesFollowTheTextAndIdenticalLinesOpenTheLastRecord) {
    // Lines alike in their first characters, as a long sorted list has
    // them: the same hour twice, a line that begins another, a character
    // zero, an empty line; and, in the second case, blanks and zeros at the ends.
    const QString zero(QChar(0));
    // A line without the codes 32 and below at its ends.
    auto ends = [](QString s) {
        while (!s.isEmpty() && s.front().unicode() <= 32) s.remove(0, 1);
        while (!s.isEmpty() && s.back().unicode() <= 32) s.chop(1);
        return s;
    };
    const QStringList shapes = {"ID: 202503050930  Rossi",
                                "ID: 202503050930  Bianchi",
                                "ID: 202503050930",
                                "ID: 2025030509",
                                "ID: 202503050930  Rossi  x",
                                "ID: 202503041100  Verdi",
                                "",
                                "ID: 2025030509" + zero + "1"};
    for (const bool blanks : {false, true}) {
        std::vector<RecordLine> lines;
        for (int i = 0; i < 60; ++i) {
            QString text = shapes[(i * 7) % shapes.size()];
            if (blanks && i % 5 == 0) text += i % 10 ? QStringLiteral("  ") : zero;
            lines.push_back({text, (i * 37) % 61 + 1});
        }
        // What the list must show: text order, equal lines in their order;
        // each line opens the highest position among its identical lines.
        std::vector<RecordLine> expected = lines;
        std::stable_sort(expected.begin(), expected.end(),
                         [](const RecordLine& a, const RecordLine& b) { return a.text < b.text; });
        TRecordList list;
        list.setSorted(true);
        list.setLines(lines);
        ASSERT_EQ(list.count(), int(expected.size()));
        for (int row = 0; row < list.count(); ++row) {
            EXPECT_EQ(list.line(row), expected[size_t(row)].text) << row;
            EXPECT_EQ(list.lineModel()->position(row), expected[size_t(row)].position) << row;
            qint64 opens = 0;
            for (const RecordLine& l : lines)
                if (ends(l.text) == ends(expected[size_t(row)].text)) opens = std::max(opens, l.position);
            EXPECT_EQ(list.positionOf(row), opens) << row << " " << blanks;
        }
    }
}

TEST(RecordList, EnterAndDoubleClickChooseALineWithoutPressingTheDefaultButton) {
    QDialog d;
    auto* v = new QVBoxLayout(&d);
    auto* list = new TRecordList(&d);
    auto* ok = new QPushButton("OK", &d);
    ok->setDefault(true);
    v->addWidget(list);
    v->addWidget(ok);
    list->setLines({{"uno", 1}, {"due", 2}});
    d.resize(500, 300);
    d.show();
    // Lines 1600 pixels wide scroll sideways in a narrower list.
    EXPECT_EQ(list->visualRect(list->model()->index(0, 0)).width(), 1600);
    EXPECT_GT(list->horizontalScrollBar()->maximum(), 0);
    QSignalSpy chosen(list, &TRecordList::lineChosen);
    QSignalSpy pressed(ok, &QPushButton::clicked);

    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_Return);
    list->clearSelection();
    QTest::keyClick(list, Qt::Key_Enter);
    doubleClickLine(list, 0);
    doubleClickLine(list, -1);  // below the lines, with the first still selected

    std::vector<int> rows;
    for (const QList<QVariant>& signal : chosen) rows.push_back(signal.at(0).toInt());
    EXPECT_EQ(rows, (std::vector<int>{1, -1, 0, -1}));
    EXPECT_EQ(list->selectedLine(), QStringLiteral("uno"));
    EXPECT_EQ(pressed.count(), 0);
    EXPECT_TRUE(d.isVisible());
}

TEST(RecordList, AQuickFindForgetsItsSearchOnANewOpeningUnlessItKeepsIt) {
    struct Case {
        TQuickFind::Opening opening;
        const char* fieldAfter;
        std::vector<int> rows;
    };
    const Case cases[] = {
        {TQuickFind::Opening::Forgets, "", {0, 0}},     // the same text, typed again, starts at the first
        {TQuickFind::Opening::Keeps, "ROSSI", {0, 2}},  // it goes on after the selected line
    };
    for (const Case& c : cases) {
        QWidget w;
        auto* list = new TRecordList(&w);
        auto* text = new QLineEdit(&w);
        auto* button = new QPushButton("Trova", &w);
        TQuickFind find(list, text, button, c.opening);
        std::vector<int> rows;
        for (int opening = 0; opening < 2; ++opening) {
            find.reset();
            list->setLines({{"Rossi Mario", 1}, {"Verdi Anna", 2}, {"Rossini Luca", 3}});
            if (opening == 0)
                text->setText("ROSSI");
            else
                EXPECT_EQ(text->text(), QString::fromUtf8(c.fieldAfter));
            if (text->text().isEmpty()) text->setText("rossi");
            button->click();
            rows.push_back(list->currentRow());
        }
        EXPECT_EQ(rows, c.rows);
    }
}

TEST(RecordList, ADoubleClickOnAScrolledListChoosesTheLineUnderThePointer) {
    // The list has no focus and no line chosen yet: the click that gives it
    // the focus must not move it back to its first line.
    QDialog d;
    auto* v = new QVBoxLayout(&d);
    auto* other = new QLineEdit(&d);
    auto* list = new TRecordList(&d);
    v->addWidget(other);
    v->addWidget(list);
    std::vector<RecordLine> lines;
    for (int i = 0; i < 500; ++i) lines.push_back({QStringLiteral("Riga %1").arg(i), i + 1});
    list->setLines(lines);
    d.resize(400, 300);
    d.show();
    QApplication::setActiveWindow(&d);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    other->setFocus();
    QCoreApplication::processEvents();
    QSignalSpy chosen(list, &TRecordList::lineChosen);
    doubleClickLine(list, 400);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0].at(0).toInt(), 400);
    EXPECT_EQ(list->selectedLine(), QStringLiteral("Riga 400"));
}

TEST(RecordList, TheFontStepsDownUntilAWholeLineFitsButNotBelowNinePoints) {
    TRecordList list;
    const int characters = 156;  // a revenue summary's line
    auto widthAt = [&](int points) {
        QFont f = list.font();
        f.setPointSize(points);
        return QFontMetrics(f).horizontalAdvance(QString(characters, QLatin1Char('0')));
    };
    struct Case {
        int room;
        int points;
    };
    const Case cases[] = {
        {widthAt(12), 12},      // a wide screen: as designed
        {widthAt(12) - 1, 11},  // a pixel short: one step down
        {widthAt(10), 10},
        {widthAt(9) - 1, 9},  // never below nine points, even if the line is cut
        {100, 9},
    };
    for (const Case& c : cases) {
        const int shown = list.fitLines(characters, c.room);
        EXPECT_EQ(list.font().pointSize(), c.points) << c.room;
        EXPECT_EQ(shown, widthAt(c.points)) << c.room;
    }
}
