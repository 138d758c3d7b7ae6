#pragma once
// The Dewey Decimal Classification at the three-digit level with Italian
// captions, compiled into the program: 3721 lines "NNN CAPTION" in the order
// of their class numbers, a class heading first, then its subdivisions.
#include <QStringList>

namespace DeweyTable {

// The lines of the table, read once from the program's resources.
const QStringList& lines();

// The line with the most characters (the table is in a fixed-pitch font).
const QString& longest();

// The class of a line: its first three characters ("945" of
// "945 STORIA. ITALIA, 476-774").
QString classOf(const QString& line);

}  // namespace DeweyTable
