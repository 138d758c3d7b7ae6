#pragma once
// The spreadsheet files of every export: HTML text with the spreadsheet
// markup that spreadsheet programs open as a workbook of one sheet, in
// Windows-1252, one continuous text with no line breaks, saved as ".xls" in
// the program folder.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <stdexcept>
#include <vector>

class QSaveFile;

struct ExportColumn {
    QString header;
    int width = 0;  // pixels, written in the header cell
};

class ExportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace SpreadsheetExport {

// The whole file at once, as Writer writes it. Each cell is trimmed; a row gives one cell per column,
// empty where the row is shorter. Texts have "&", "<" and ">" written as
// entities, so a note holding "</td>" reads as typed instead of ending its
// cell.
QByteArray document(const QString& sheetName, const std::vector<ExportColumn>& columns,
                    const std::vector<QStringList>& rows);

// "&", "<" and ">" as HTML entities; everything else as it is.
QString escape(const QString& text);

// Writes a sheet to program folder + fileName piece by piece: the head and
// the header row at once, each row as it comes, the end on commit(). The
// earlier file is replaced only by commit(), once the new one is complete; a
// writer dropped before commit() leaves it untouched. Throws ExportError when
// the file cannot be written (folder not writable, the name taken by a
// folder, a file the spreadsheet program keeps locked, a full disk).
class Writer {
public:
    Writer(const QString& fileName, const QString& sheetName, const std::vector<ExportColumn>& columns);
    ~Writer();
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    void addRow(const QStringList& cells);
    void commit();

private:
    void flush();

    std::unique_ptr<QSaveFile> file_;
    QByteArray pending_;
    size_t columns_;
};

}  // namespace SpreadsheetExport
