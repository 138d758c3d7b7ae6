#include "archive/RecordLines.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "archive/ArchivioSchede.h"
#include "platform/Cp1252.h"

LineBuilder::LineBuilder(const std::vector<LinePart>& from, const RecordLayout& layout) {
    for (const LinePart& p : from) {
        int index = -1;
        if (!p.field.isEmpty()) {
            index = layout.indexOf(p.field);
            if (index < 0)
                throw std::logic_error(("no field " + p.field.name() + " in " + layout.typeName()).toStdString());
        }
        parts_.push_back({p.literal, p.literal.toUtf8(), index, p.width, p.from, p.count});
        longest_ += int(p.literal.size());
        if (index >= 0) {
            const int most = p.count >= 0 ? p.count : layout.capacity(index) - p.from;
            longest_ += p.width >= 0 ? p.width : qMax(0, most);
        }
        literalBytes_ += parts_.back().literalUtf8.size();
    }
}

void LineBuilder::spans(const Record& record, Span* span) const {
    const RecordLayout& layout = record.layout();
    const char* bytes = record.bytes().constData();
    for (size_t k = 0; k < parts_.size(); ++k) {
        const Part& p = parts_[k];
        span[k] = {nullptr, 0, 0};
        if (p.index < 0) continue;
        const auto* field = reinterpret_cast<const unsigned char*>(bytes + layout.offset(p.index));
        const int capacity = layout.capacity(p.index);
        const int length = field[0] > capacity ? capacity : field[0];
        const unsigned char* text = field + 1;
        // Trimmed of codes 32 and below, as every field reads.
        int begin = 0, end = length;
        while (begin < end && text[begin] <= ' ') ++begin;
        while (end > begin && text[end - 1] <= ' ') --end;
        begin = qMin(begin + p.from, end);
        if (p.count >= 0) end = qMin(end, begin + p.count);
        int n = end - begin;
        if (p.width >= 0 && n > p.width) n = p.width;
        span[k] = {text + begin, n, p.width > n ? p.width - n : 0};
    }
}

QString LineBuilder::build(const Record& record) const {
    // Straight from the stored bytes into one string: no field is decoded
    // into a text of its own on the way. First the length of the line, then
    // every character straight into its place: one allocation, no growing.
    Span spanOf[32];
    std::vector<Span> more;
    Span* span = parts_.size() <= 32 ? spanOf : (more.resize(parts_.size()), more.data());
    spans(record, span);
    qsizetype total = 0;
    for (size_t k = 0; k < parts_.size(); ++k) total += parts_[k].literal.size() + span[k].n + span[k].pad;
    QString line(total, Qt::Uninitialized);
    QChar* out = line.data();
    for (size_t k = 0; k < parts_.size(); ++k) {
        const QString& literal = parts_[k].literal;
        std::copy(literal.cbegin(), literal.cend(), out);
        out += literal.size();
        const unsigned char* text = span[k].text;
        const int n = span[k].n;
        unsigned char high = 0;
        for (int i = 0; i < n; ++i) high |= text[i];
        if (high < 0x80)  // plain ASCII, the same in both: a copy the compiler widens many at a time
            for (int i = 0; i < n; ++i) out[i] = QChar(char16_t(text[i]));
        else
            for (int i = 0; i < n; ++i) out[i] = QChar(Cp1252::toUnicode(text[i]));
        out += n;
        for (int i = 0; i < span[k].pad; ++i) *out++ = QLatin1Char(' ');
    }
    return line;
}

void LineBuilder::append(const Record& record, ListLines& lines, qint64 position) const {
    // The line is written once, in place, where the list keeps it: a list
    // of every card of a large archive costs one arena, not a string a card.
    Span spanOf[32];
    std::vector<Span> more;
    Span* span = parts_.size() <= 32 ? spanOf : (more.resize(parts_.size()), more.data());
    spans(record, span);
    qsizetype most = literalBytes_;
    for (size_t k = 0; k < parts_.size(); ++k)
        most += 3 * qsizetype(span[k].n) + span[k].pad;  // three bytes a character at most
    char* const start = lines.room(most);
    char* out = start;
    for (size_t k = 0; k < parts_.size(); ++k) {
        const QByteArray& literal = parts_[k].literalUtf8;
        std::memcpy(out, literal.constData(), size_t(literal.size()));
        out += literal.size();
        const unsigned char* text = span[k].text;
        const int n = span[k].n;
        unsigned char high = 0;
        for (int i = 0; i < n; ++i) high |= text[i];
        if (high < 0x80) {  // plain ASCII, the same in both
            std::memcpy(out, text, size_t(n));
            out += n;
        } else {
            for (int i = 0; i < n; ++i) {
                const char16_t c = text[i] < 0x80 ? char16_t(text[i]) : Cp1252::toUnicode(text[i]);
                if (c < 0x80) {
                    *out++ = char(c);
                } else if (c < 0x800) {
                    *out++ = char(0xC0 | (c >> 6));
                    *out++ = char(0x80 | (c & 0x3F));
                } else {
                    *out++ = char(0xE0 | (c >> 12));
                    *out++ = char(0x80 | ((c >> 6) & 0x3F));
                    *out++ = char(0x80 | (c & 0x3F));
                }
            }
        }
        std::memset(out, ' ', size_t(span[k].pad));
        out += span[k].pad;
    }
    lines.commit(out - start, position);
}

QString buildLine(const std::vector<LinePart>& parts, const Record& record) {
    return LineBuilder(parts, record.layout()).build(record);
}

namespace RecordLines {

bool read(ListLines& lines, const QString& fileName, const RecordLayout& layout, const std::vector<LinePart>& parts,
          const RecordFilter& selects, LeftOut& leftOut, ProgressWork* progress) {
    const LineBuilder shape(parts, layout);
    return Archive::scan(
        fileName, layout, selects, leftOut, [&](const Record& r, qint64 position) { shape.append(r, lines, position); },
        progress);
}

FoundRecord recordOf(const TRecordList& list, int row, const QString& fileName, const RecordLayout& layout) {
    if (row < 0 || row >= list.count()) throw ArchiveError("no entry selected");
    const qint64 position = list.positionOf(row);
    return {Archive::readAt(fileName, layout, position), position};
}

}  // namespace RecordLines
