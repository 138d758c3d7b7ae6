#pragma once
// The spreadsheet file an export should write, put together here from the
// file's published format rather than by the program's writer, so that a
// fault in the writer cannot hide in the expectation.
#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

namespace Sheet {

// What a column holds: text, or dates or amounts, which the file marks as
// values when a cell reads as one.
enum class Kind { Text, Date, Amount };

struct Column {
    QString header;
    int width = 0;  // pixels
    Kind kind = Kind::Text;
};
using Columns = std::vector<Column>;

// The whole file: the workbook head naming the sheet, the header row, one
// row per list of cells (trimmed, with &, < and > escaped), in Windows-1252.
QByteArray expected(const QString& sheetName, const Columns& columns, const std::vector<QStringList>& rows);

// Text in Windows-1252, as the file holds it.
QByteArray cp1252(const QString& text);

// A real day written "dd/mm/yyyy": the day, else an invalid date.
QDate day(const QString& text);
// An amount as the office writes it ("12,50", "7", "-3,5", ",05"), in whole
// cents, the third decimal rounding half up; false for anything else.
bool cents(const QString& text, qint64* value);

}  // namespace Sheet
