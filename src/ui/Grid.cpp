#include "ui/Grid.h"

#include <QHeaderView>

TGridModel::TGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void TGridModel::setColumns(const QStringList& headers, const QStringList& names) {
    beginResetModel();
    headers_ = headers;
    names_ = names;
    columns_ = int(headers.size());
    source_ = nullptr;
    numbers_.clear();
    blocks_.clear();
    rowBlock_.clear();
    starts_.clear();
    endResetModel();
}

void TGridModel::clearRows() {
    beginResetModel();
    source_ = nullptr;
    numbers_.clear();
    blocks_.clear();
    rowBlock_.clear();
    starts_.clear();
    shown_ = false;
    endResetModel();
}

namespace {

// The text in UTF-8 at the end of out, without a text of its own on the way.
void appendUtf8(QByteArray& out, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else if (QChar::isSurrogate(c)) {
            out += QStringView(text).mid(i).toUtf8();  // rare: the rest the long way
            return;
        } else {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
}

}  // namespace

void TGridModel::addRow(int number, const QStringList& cells) {
    constexpr qsizetype kBlock = 1 << 20;
    qsizetype most = 0;  // UTF-8 takes at most three bytes a character here
    for (int c = 0; c < columns_ && c < cells.size(); ++c) most += 3 * cells.at(c).size();
    if (blocks_.empty() || blocks_.back().size() + most > blocks_.back().capacity()) {
        blocks_.emplace_back();
        blocks_.back().reserve(qMax(kBlock, most));
    }
    QByteArray& block = blocks_.back();
    for (int c = 0; c < columns_; ++c) {
        starts_.push_back(quint32(block.size()));
        if (c < cells.size()) appendUtf8(block, cells.at(c));
    }
    starts_.push_back(quint32(block.size()));
    rowBlock_.push_back(quint32(blocks_.size() - 1));
    numbers_.push_back(number);
}

void TGridModel::setSource(const GridSource* source) {
    beginResetModel();
    numbers_.clear();
    blocks_.clear();
    rowBlock_.clear();
    starts_.clear();
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
    if (source_) return source_->cell(row, column);
    const size_t at = size_t(row) * size_t(columns_ + 1) + size_t(column);
    const QByteArray& block = blocks_[rowBlock_[size_t(row)]];
    return QString::fromUtf8(block.constData() + starts_[at], qsizetype(starts_[at + 1] - starts_[at]));
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
