#include "archive/ColumnTable.h"

#include "platform/Text.h"

ColumnTable::ColumnTable(std::vector<Column> columns) : columns_(std::move(columns)) {
    for (int i = 0; i < size(); ++i) {
        const Column& c = columns_[size_t(i)];
        if (!c.exported) continue;
        sheet_.push_back({c.sheetHeader.isEmpty() ? c.header : c.sheetHeader, c.sheetWidth});
        exported_.push_back(i);
    }
}

QStringList ColumnTable::cells(const Record& record) const {
    QStringList out;
    out.reserve(size());
    for (const Column& c : columns_) {
        QString text = Text::trim(record.get(c.field));
        if (!c.joined.isEmpty()) text = Text::trim(text + QLatin1Char(' ') + Text::trim(record.get(c.joined)));
        out << text;
    }
    return out;
}

QStringList ColumnTable::sheetCells(const QStringList& cells) const {
    QStringList out;
    out.reserve(qsizetype(exported_.size()));
    for (int i : exported_) out << (i < cells.size() ? cells.at(i) : QString());
    return out;
}
