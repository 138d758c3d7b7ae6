#pragma once
// The read-only grids of the export windows: a "N." column, then the
// columns of a table, over rows their owner keeps as it likes. Only the
// cells on screen become texts, so a grid of every card of a large archive
// opens at once.
#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>

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

    // No rows while the source is filled; then its rows, shown by show().
    void clearRows();
    // The rows a source tells; it outlives the model or is replaced first
    // (clearRows() lets it go).
    void setSource(const GridSource* source);
    void show();

    int rows() const { return source_ ? source_->rows() : 0; }
    int number(int row) const { return source_ ? source_->number(row) : 0; }
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
