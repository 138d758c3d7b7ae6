#include "archive/RecordLines.h"

#include "archive/ArchivioSchede.h"
#include "platform/Text.h"

QString buildLine(const std::vector<LinePart>& parts, const Record& record) {
    QString line;
    for (const LinePart& p : parts) {
        line += p.literal;
        if (p.field.isEmpty()) continue;
        const QString value = record.get(p.field);
        line += p.width < 0 ? value : Text::fixed(value, p.width);
    }
    return line;
}

namespace RecordLines {

void read(std::vector<RecordLine>& lines, const QString& fileName, const RecordLayout& layout,
          const std::vector<LinePart>& parts, const std::function<bool(const Record&)>& selects) {
    Archive::forEach(fileName, layout, [&](const Record& r, qint64 position) {
        if (!selects || selects(r)) lines.push_back({buildLine(parts, r), position});
    });
}

FoundRecord recordOf(const TRecordList& list, int row, const QString& fileName, const RecordLayout& layout) {
    if (row < 0 || row >= list.count()) throw ArchiveError("no entry selected");
    const qint64 position = list.positionOf(row);
    return {Archive::readAt(fileName, layout, position), position};
}

}  // namespace RecordLines
