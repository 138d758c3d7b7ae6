#pragma once
// The spreadsheet file an export should write, put together here from the
// file's published format rather than by the program's writer, so that a
// fault in the writer cannot hide in the expectation.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace Sheet {

using Columns = std::vector<std::pair<QString, int>>;  // header, width in pixels

// The whole file: the workbook head naming the sheet, the header row, one
// row per list of cells (trimmed, with &, < and > escaped), in Windows-1252.
QByteArray expected(const QString& sheetName, const Columns& columns, const std::vector<QStringList>& rows);

// Text in Windows-1252, as the file holds it.
QByteArray cp1252(const QString& text);

}  // namespace Sheet
