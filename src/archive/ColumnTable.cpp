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
    // The fields' places are looked up once per record type, not per cell.
    if (resolvedFor_ != &record.layout()) {
        fieldIndex_.clear();
        joinedIndex_.clear();
        for (const Column& c : columns_) {
            fieldIndex_.push_back(c.compute ? -1 : record.layout().indexOf(c.field));
            joinedIndex_.push_back(c.joined.isEmpty() ? -1 : record.layout().indexOf(c.joined));
        }
        resolvedFor_ = &record.layout();
    }
    QStringList out;
    out.reserve(size());
    for (size_t i = 0; i < columns_.size(); ++i) {
        const Column& c = columns_[i];
        if (c.compute) {
            out << c.compute(record);
            continue;
        }
        // An unknown name fails as loudly as reading it by name would.
        QString text = fieldIndex_[i] >= 0 ? record.get(fieldIndex_[i]) : record.get(c.field);
        if (!c.joined.isEmpty()) {
            const QString second = joinedIndex_[i] >= 0 ? record.get(joinedIndex_[i]) : record.get(c.joined);
            text = Text::trim(text + QLatin1Char(' ') + second);
        }
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
