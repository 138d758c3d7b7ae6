#pragma once
// The read-only grids of the export windows: a "N." column, then the
// columns of a table, over a model that keeps each row's cells in one
// compact block. Only the cells on screen become texts, so a grid of every
// card of a large archive opens at once and costs a few tens of bytes a cell.
#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <vector>

class TGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TGridModel(QObject* parent = nullptr);

    // The headers after "N."; a column's name (colDataRit …), where given,
    // is its header's Qt::UserRole data ("colNum" for "N.").
    void setColumns(const QStringList& headers, const QStringList& names);

    // Rows are gathered, then shown together by show().
    void clearRows();
    void addRow(int number, const QStringList& cells);
    void show();

    int rows() const { return int(numbers_.size()); }
    int number(int row) const { return numbers_[size_t(row)]; }
    // The cell of a table column (0 is the first after "N.").
    QString cell(int row, int column) const;
    QStringList cells(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QStringList headers_, names_;
    int columns_ = 0;
    std::vector<int> numbers_;
    // Every cell's text in UTF-8, back to back in blocks of about a
    // megabyte that never move once filled; a row lies in one block, and a
    // cell runs from its start to the next one's (one more start closes each
    // row's last cell).
    std::vector<QByteArray> blocks_;
    std::vector<quint32> rowBlock_;
    std::vector<quint32> starts_;
    bool shown_ = true;
};

class TGrid : public QTableView {
    Q_OBJECT
public:
    explicit TGrid(QWidget* parent = nullptr);

    TGridModel* gridModel() const { return model_; }
    int rowCount() const { return model_->rowCount(); }
    int columnCount() const { return model_->columnCount(); }
    // The text shown at a grid row and column ("N." is column 0).
    QString text(int row, int column) const;
    QString headerText(int column) const;

private:
    TGridModel* model_;
};
