#include <gtest/gtest.h>

#include "support/Seams.h"
#include "ui/Grid.h"

// Rows are kept as compact text: every cell must come back exactly as given,
// whatever its characters, across the blocks the rows are spread over.
TEST(GridModel, CellsComeBackExactlyAsGivenOverManyBlocks) {
    TGrid grid;
    TGridModel* model = grid.gridModel();
    model->setColumns({"Uno", "Due", "Tre"}, {"", "colDue", ""});
    const QStringList odd = {QStringLiteral("Niccol\u00F2 \u20AC 5"), QStringLiteral("a\U0001F600b\u00E8"), QString()};
    model->clearRows();
    constexpr int kRows = 30000;  // a few megabytes: several blocks
    for (int r = 0; r < kRows; ++r)
        model->addRow(kRows - r, r % 2 ? odd : QStringList{QString::number(r), QString(200, QLatin1Char('x'))});
    model->show();

    ASSERT_EQ(grid.rowCount(), kRows);
    ASSERT_EQ(grid.columnCount(), 4);
    for (int r : {0, 1, 4999, 5000, kRows - 2, kRows - 1}) {
        EXPECT_EQ(grid.text(r, 0), QString::number(kRows - r)) << r;
        const QStringList expected = r % 2 ? odd : QStringList{QString::number(r), QString(200, QLatin1Char('x')), ""};
        EXPECT_EQ(model->cells(r), expected) << r;
    }
    EXPECT_EQ(grid.headerText(0), QStringLiteral("N."));
    EXPECT_EQ(grid.headerText(2), QStringLiteral("Due"));
    EXPECT_EQ(model->headerData(2, Qt::Horizontal, Qt::UserRole).toString(), QStringLiteral("colDue"));
    EXPECT_FALSE(model->headerData(1, Qt::Horizontal, Qt::UserRole).isValid());

    model->clearRows();
    model->show();
    EXPECT_EQ(grid.rowCount(), 0);
}
