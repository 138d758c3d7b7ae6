#pragma once
// Lists of record lines: the fixed-width line of a record, the lines of the
// records a list shows, and a chosen line brought back to its record.
#include <QString>
#include <functional>
#include <vector>

#include "archive/LeftOut.h"
#include "archive/RecordLayout.h"
#include "ui/RecordList.h"

class ProgressWork;

// One piece of a list line: a literal, then a field trimmed and padded or
// cut to width characters; width -1 leaves the field as stored (trimmed).
// A part may take only a slice of the trimmed field: count characters
// (all the rest when -1) from character from, counted from 0; a key made
// of the year, month and day of a date takes three slices of it.
struct LinePart {
    QString literal;
    CardField field;
    int width = -1;
    int from = 0;
    int count = -1;
};

// The lines of one shape, built for record after record: the fields are
// looked up once, and each line is written in one allocation.
class LineBuilder {
public:
    // Throws std::logic_error when a part names a field the layout lacks.
    LineBuilder(const std::vector<LinePart>& parts, const RecordLayout& layout);
    QString build(const Record& record) const;
    // The same line straight into a list's arena, in UTF-8.
    void append(const Record& record, ListLines& lines, qint64 position) const;
    // The characters of the longest line this shape makes.
    int longest() const { return longest_; }

private:
    struct Part {
        QString literal;
        QByteArray literalUtf8;
        int index;  // -1: a literal alone
        int width;
        int from;
        int count;
    };
    // Where each part's field text lies in the record, trimmed, sliced and
    // cut, and the blanks after it.
    struct Span {
        const unsigned char* text;
        int n;
        int pad;
    };
    void spans(const Record& record, Span* span) const;
    std::vector<Part> parts_;
    int longest_ = 0;
    qsizetype literalBytes_ = 0;
};

// The line of a record, built from its parts.
QString buildLine(const std::vector<LinePart>& parts, const Record& record);

// A record chosen in a list, with its position (from 1) in its file.
struct FoundRecord {
    Record record;
    qint64 position = 0;
};

namespace RecordLines {

// Appends the line of every record that selects takes (every record when
// selects is empty), in file order, each with its record's position; the
// records it cannot tell are counted in leftOut. On a file error it throws,
// and lines and leftOut keep what was read before. Given progress, the
// reading is long work that the user may cancel: false then.
bool read(ListLines& lines, const QString& fileName, const RecordLayout& layout, const std::vector<LinePart>& parts,
          const RecordFilter& selects, LeftOut& leftOut, ProgressWork* progress = nullptr);

// The record a row of the list opens, read fresh from the file: with
// identical lines, the last of their records in file order. Throws when row
// names no line or the record cannot be read.
FoundRecord recordOf(const TRecordList& list, int row, const QString& fileName, const RecordLayout& layout);

}  // namespace RecordLines
