#include "archive/ColumnTable.h"

#include <cstring>
#include <stdexcept>

#include "archive/TestoCorto.h"
#include "platform/Hash.h"
#include "platform/Text.h"

namespace {

// A cell holds what its field holds: a date or an amount as a value the
// spreadsheet computes with, anything else (a time included) as text.
CellType cellTypeOf(const CardField& field) {
    switch (field.value()) {
    case FieldValue::Date: return CellType::Date;
    case FieldValue::Amount: return CellType::Amount;
    case FieldValue::Text:
    case FieldValue::Time: return CellType::Text;
    }
    return CellType::Text;
}

}  // namespace

ColumnTable::ColumnTable(std::vector<Column> columns) : columns_(std::move(columns)) {
    for (int i = 0; i < size(); ++i) {
        Column& c = columns_[size_t(i)];
        if (c.header.isEmpty() && c.field.card()) c.header = c.field.exportHeader();
        if (c.field.card()) c.type = cellTypeOf(c.field);
        if (!c.exported) continue;
        sheet_.push_back({c.sheetHeader.isEmpty() ? c.header : c.sheetHeader, c.sheetWidth, c.type});
        exported_.push_back(i);
    }
}

void ColumnTable::resolve(const RecordLayout& layout) const {
    // The fields' places are looked up once per record type, not per cell.
    if (resolvedFor_ == &layout) return;
    fieldIndex_.clear();
    joinedIndex_.clear();
    for (const Column& c : columns_) {
        fieldIndex_.push_back(c.compute ? -1 : layout.indexOf(c.field));
        joinedIndex_.push_back(c.joined.isEmpty() ? -1 : layout.indexOf(c.joined));
    }
    resolvedFor_ = &layout;
}

QStringList ColumnTable::cells(const Record& record) const {
    resolve(record.layout());
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

namespace {

// A field's stored text, trimmed of codes 32 and below, as bytes.
struct Span {
    const char* data;
    int size;
};

Span trimmedField(const Record& record, int index) {
    const RecordLayout& layout = record.layout();
    const QByteArrayView text =
        TTestoCorto::stored(record.bytes().constData() + layout.offset(index), layout.capacity(index));
    return {text.data(), int(text.size())};
}

int mustFind(const RecordLayout& layout, int index, const CardField& field) {
    // An unknown name fails as loudly as reading it by name would.
    if (index < 0) throw std::logic_error(("no field " + field.name() + " in " + layout.typeName()).toStdString());
    return index;
}

}  // namespace

void ColumnTable::writeSheetCells(SpreadsheetExport::SheetText& sheet, const Record& record) const {
    resolve(record.layout());
    for (int i : exported_) {
        const Column& c = columns_[size_t(i)];
        if (c.compute) {
            sheet.cell(c.compute(record));
            continue;
        }
        const Span first = trimmedField(record, mustFind(record.layout(), fieldIndex_[size_t(i)], c.field));
        if (c.joined.isEmpty()) {
            sheet.cell(first.data, first.size);
            continue;
        }
        // Two trimmed halves and a blank between, trimmed as a whole: a
        // missing half leaves no stray blank.
        const Span second = trimmedField(record, mustFind(record.layout(), joinedIndex_[size_t(i)], c.joined));
        char joined[2 * 255 + 1];
        std::memcpy(joined, first.data, size_t(first.size));
        joined[first.size] = ' ';
        std::memcpy(joined + first.size + 1, second.data, size_t(second.size));
        sheet.cell(joined, first.size + 1 + second.size);
    }
}

quint64 ColumnTable::cellsPrint(const Record& record, quint64 seed) const {
    resolve(record.layout());
    const RecordLayout& layout = record.layout();
    const char* bytes = record.bytes().constData();
    // Each field's length byte and its text, back to back; a worked-out
    // cell as its length and its characters.
    qsizetype most = 0;
    for (size_t i = 0; i < columns_.size(); ++i) {
        if (fieldIndex_[i] >= 0) most += 1 + layout.capacity(fieldIndex_[i]);
        if (joinedIndex_[i] >= 0) most += 1 + layout.capacity(joinedIndex_[i]);
    }
    if (printed_.size() < most) printed_.resize(most);
    char* out = printed_.data();
    char* const start = out;
    auto field = [&](int index, const CardField& name) {
        index = mustFind(layout, index, name);
        const auto* f = reinterpret_cast<const unsigned char*>(bytes + layout.offset(index));
        const int n = 1 + (f[0] > layout.capacity(index) ? layout.capacity(index) : f[0]);
        std::memcpy(out, f, size_t(n));
        out += n;
    };
    quint64 computed = 0;
    for (size_t i = 0; i < columns_.size(); ++i) {
        const Column& c = columns_[i];
        if (c.compute) {
            const QString text = c.compute(record);
            computed = Hash::bytes(text.constData(), text.size() * qsizetype(sizeof(QChar)), computed + i);
            continue;
        }
        field(fieldIndex_[i], c.field);
        if (!c.joined.isEmpty()) field(joinedIndex_[i], c.joined);
    }
    return Hash::bytes(start, out - start, seed ^ computed);
}
