#include <gtest/gtest.h>

#include "support/Seams.h"
#include "ui/Grid.h"

namespace {

// Rows numbered backwards, every other one with characters of every width.
class Rows : public GridSource {
public:
    static constexpr int kRows = 30000;
    int rows() const override { return kRows; }
    int number(int row) const override { return kRows - row; }
    QString cell(int row, int column) const override { return cells(row).value(column); }
    static QStringList cells(int row) {
        if (row % 2) return {QStringLiteral("Niccol\u00F2 \u20AC 5"), QStringLiteral("a\U0001F600b\u00E8"), QString()};
        return {QString::number(row), QString(200, QLatin1Char('x')), QString()};
    }
};

}  // namespace

// The grid shows the number and the cells its source tells, row by row,
// under its headers; while the source is being filled it shows no rows.
TEST(GridModel, ShowsWhatItsSourceTellsUnderItsHeaders) {
    TGrid grid;
    TGridModel* model = grid.gridModel();
    model->setColumns({"Uno", "Due", "Tre"}, {"", "colDue", ""});
    Rows rows;
    model->clearRows();
    EXPECT_EQ(grid.rowCount(), 0);
    model->setSource(&rows);
    EXPECT_EQ(grid.rowCount(), 0);  // not until shown
    model->show();

    ASSERT_EQ(grid.rowCount(), Rows::kRows);
    ASSERT_EQ(grid.columnCount(), 4);
    for (int r : {0, 1, Rows::kRows - 2, Rows::kRows - 1}) {
        EXPECT_EQ(grid.text(r, 0), QString::number(Rows::kRows - r)) << r;
        EXPECT_EQ(model->cells(r), Rows::cells(r)) << r;
        EXPECT_EQ(grid.text(r, 2), Rows::cells(r).at(1)) << r;
    }
    EXPECT_EQ(grid.headerText(0), QStringLiteral("N."));
    EXPECT_EQ(grid.headerText(2), QStringLiteral("Due"));
    EXPECT_EQ(model->headerData(2, Qt::Horizontal, Qt::UserRole).toString(), QStringLiteral("colDue"));
    EXPECT_FALSE(model->headerData(1, Qt::Horizontal, Qt::UserRole).isValid());

    model->clearRows();
    model->show();
    EXPECT_EQ(grid.rowCount(), 0);
}
