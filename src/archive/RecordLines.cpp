#include "archive/RecordLines.h"

#include <algorithm>
#include <stdexcept>

#include "archive/ArchivioSchede.h"
#include "platform/Cp1252.h"

LineBuilder::LineBuilder(const std::vector<LinePart>& from, const RecordLayout& layout) {
    for (const LinePart& p : from) {
        int index = -1;
        if (!p.field.isEmpty()) {
            index = layout.indexOf(p.field);
            if (index < 0) throw std::logic_error(("no field " + p.field + " in " + layout.typeName()).toStdString());
        }
        parts_.push_back({p.literal, index, p.width, p.from, p.count});
    }
}

QString LineBuilder::build(const Record& record) const {
    // Straight from the stored bytes into one string: a list of every card
    // of a large archive builds a line per card, so no field is decoded into
    // a text of its own on the way.
    const RecordLayout& layout = record.layout();
    const char* bytes = record.bytes().constData();
    // First the length of the line, then every character straight into
    // its place: one allocation per line, no growing.
    struct Span {
        const unsigned char* text;
        int n;
        int pad;
    };
    Span spans[32];
    std::vector<Span> more;
    Span* span = parts_.size() <= 32 ? spans : (more.resize(parts_.size()), more.data());
    qsizetype total = 0;
    for (size_t k = 0; k < parts_.size(); ++k) {
        const Part& p = parts_[k];
        total += p.literal.size();
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
        total += n + span[k].pad;
    }
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

QString buildLine(const std::vector<LinePart>& parts, const Record& record) {
    return LineBuilder(parts, record.layout()).build(record);
}

namespace RecordLines {

void read(std::vector<RecordLine>& lines, const QString& fileName, const RecordLayout& layout,
          const std::vector<LinePart>& parts, const RecordFilter& selects, LeftOut& leftOut) {
    const LineBuilder shape(parts, layout);
    Archive::forEach(fileName, layout, [&](const Record& r, qint64 position) {
        if (leftOut.takes(selects, r, position)) lines.push_back({shape.build(r), position});
    });
}

FoundRecord recordOf(const TRecordList& list, int row, const QString& fileName, const RecordLayout& layout) {
    if (row < 0 || row >= list.count()) throw ArchiveError("no entry selected");
    const qint64 position = list.positionOf(row);
    return {Archive::readAt(fileName, layout, position), position};
}

}  // namespace RecordLines
