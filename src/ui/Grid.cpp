#include "ui/Grid.h"

#include <QHeaderView>

TGridModel::TGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void TGridModel::setColumns(const QStringList& headers, const QStringList& names) {
    beginResetModel();
    headers_ = headers;
    names_ = names;
    columns_ = int(headers.size());
    source_ = nullptr;
    endResetModel();
}

void TGridModel::clearRows() {
    beginResetModel();
    source_ = nullptr;
    shown_ = false;
    endResetModel();
}

void TGridModel::setSource(const GridSource* source) {
    beginResetModel();
    source_ = source;
    endResetModel();
}

void TGridModel::show() {
    beginResetModel();
    shown_ = true;
    endResetModel();
}

QString TGridModel::cell(int row, int column) const {
    if (row < 0 || row >= rows() || column < 0 || column >= columns_) return {};
    return source_->cell(row, column);
}

QStringList TGridModel::cells(int row) const {
    QStringList out;
    out.reserve(columns_);
    for (int c = 0; c < columns_; ++c) out << cell(row, c);
    return out;
}

int TGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() || !shown_ ? 0 : rows(); }
int TGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns_ + 1; }

QVariant TGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows()) return {};
    if (role == Qt::DisplayRole) {
        if (index.column() == 0) return QString::number(number(index.row()));
        return cell(index.row(), index.column() - 1);
    }
    if (role == Qt::TextAlignmentRole && index.column() == 0)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    return {};
}

QVariant TGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section > columns_) return {};
    if (role == Qt::DisplayRole) return section == 0 ? QStringLiteral("N.") : headers_.at(section - 1);
    if (role == Qt::UserRole) {
        if (section == 0) return QStringLiteral("colNum");
        const QString name = section - 1 < names_.size() ? names_.at(section - 1) : QString();
        return name.isEmpty() ? QVariant() : QVariant(name);
    }
    return {};
}

Qt::ItemFlags TGridModel::flags(const QModelIndex& index) const {
    return index.isValid() ? (Qt::ItemIsEnabled | Qt::ItemIsSelectable) : Qt::NoItemFlags;
}

TGrid::TGrid(QWidget* parent) : QTableView(parent) {
    model_ = new TGridModel(this);
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(true);
    setWordWrap(false);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    // One height for every row: the view never measures row by row.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(22);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}

QString TGrid::text(int row, int column) const { return model_->index(row, column).data().toString(); }
QString TGrid::headerText(int column) const {
    return model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}
