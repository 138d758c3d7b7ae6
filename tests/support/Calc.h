#pragma once
// The spreadsheet program of the office's desktop, LibreOffice Calc, as a
// reader of files: soffice opens them headless and saves each first sheet as
// flat OpenDocument, whose cells tell their type, their value and the text
// Calc shows. Each run has a profile folder of its own.
#include <QDate>
#include <QString>
#include <QStringList>
#include <ostream>
#include <vector>

namespace Calc {

struct Cell {
    enum class Type { Empty, Text, Number, Date, Other };
    Type type = Type::Empty;
    QString shown;      // as Calc shows it
    double number = 0;  // of a number
    QDate date;         // of a date

    static Cell text(const QString& t) { return t.isEmpty() ? Cell{} : Cell{Type::Text, t, 0, {}}; }
    static Cell amount(const QString& shown, double value) { return {Type::Number, shown, value, {}}; }
    static Cell day(const QString& shown, const QDate& d) { return {Type::Date, shown, 0, d}; }

    bool operator==(const Cell&) const = default;
};
void PrintTo(const Cell& cell, std::ostream* os);

// Rows of cells, as far as the last cell that holds something.
using Table = std::vector<std::vector<Cell>>;

// Empty when soffice can be run here, else why not.
QString unavailable();

// The first sheet of each file as Calc reads it on a desktop in the given
// language ("it_IT.UTF-8", "en_US.UTF-8"), all the files in one run. Throws
// std::runtime_error when soffice fails or leaves a file unread.
std::vector<Table> read(const QStringList& files, const QString& language);

}  // namespace Calc
