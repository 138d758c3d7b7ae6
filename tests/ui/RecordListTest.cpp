#include <QDialog>
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
    struct Case { bool sorted; QStringList texts; std::vector<int> positions; std::vector<int> opens; };
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
    struct Case { TQuickFind::Opening opening; const char* fieldAfter; std::vector<int> rows; };
    const Case cases[] = {
        {TQuickFind::Opening::Forgets, "", {0, 0}},          // the same text, typed again, starts at the first
        {TQuickFind::Opening::Keeps, "ROSSI", {0, 2}},       // it goes on after the selected line
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
            if (opening == 0) text->setText("ROSSI");
            else EXPECT_EQ(text->text(), QString::fromUtf8(c.fieldAfter));
            if (text->text().isEmpty()) text->setText("rossi");
            button->click();
            rows.push_back(list->currentRow());
        }
        EXPECT_EQ(rows, c.rows);
    }
}
