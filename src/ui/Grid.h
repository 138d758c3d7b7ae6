#pragma once
// The read-only grids of the export windows: a "N." column, then the
// columns of a table, over a model that keeps each row's cells in one
// compact block. Only the cells on screen become texts, so a grid of every
// card of a large archive opens at once and costs a few tens of bytes a cell.
#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <vector>

// Rows a grid shows without keeping them: their owner tells the cells of the
// rows on screen when the grid asks for them.
class GridSource {
public:
    virtual ~GridSource() = default;
    virtual int rows() const = 0;
    virtual int number(int row) const = 0;
    // The cell of a table column (0 is the first after "N.").
    virtual QString cell(int row, int column) const = 0;
};

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
    // In place of the rows added: rows told by a source, which outlives the
    // model or is replaced first (clearRows() lets it go).
    void setSource(const GridSource* source);
    void show();

    int rows() const { return source_ ? source_->rows() : int(numbers_.size()); }
    int number(int row) const { return source_ ? source_->number(row) : numbers_[size_t(row)]; }
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
    const GridSource* source_ = nullptr;
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
