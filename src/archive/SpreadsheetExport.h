#pragma once
// The spreadsheet files of every export: HTML text with the spreadsheet
// markup that spreadsheet programs open as a workbook of one sheet, in
// Windows-1252, one continuous text with no line breaks, saved as ".xls" in
// the program folder.
#include <QByteArray>
#include <QString>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <vector>

class QSaveFile;

// What the cells of a column hold, so that a spreadsheet program reads each
// as it is meant: text exactly as stored, a date, or an amount that sums.
// A date or an amount that cannot be read stays text, as stored.
enum class CellType { Text, Date, Amount };

struct ExportColumn {
    QString header;
    int width = 0;  // pixels, written in the header cell
    CellType type = CellType::Text;
};

class ExportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace SpreadsheetExport {

// The text of a sheet as it grows, handed to its file every so often. The
// cells go straight into it, without a text of their own. Texts have "&",
// "<" and ">" written as entities, so a note holding "</td>" reads as typed
// instead of ending its cell. Each cell is marked with what it holds, from
// its column's type and its bytes, so that "06121" stays text and a date or
// an amount becomes a value.
class SheetText {
public:
    // The text gathers in memory up to about this size before it goes to
    // the file.
    static constexpr qsizetype kChunk = 256 * 1024;

    explicit SheetText(QSaveFile* file);

    void head(const QString& sheetName, const std::vector<ExportColumn>& columns);
    void beginRow() {
        literal("<tr>");
        column_ = 0;
    }
    // The row's next cell, of Windows-1252 bytes as a card stores them:
    // trimmed of codes 32 and below, "&", "<" and ">" as entities, every
    // other byte as it is. Typed by its column (text past the last column).
    void cell(const char* bytes, qsizetype size);
    // The row's next cell, of text: in Windows-1252, then as stored bytes.
    void cell(const QString& text);
    void endRow();
    void tail();

    // Hands what gathered to the file.
    void flush();

private:
    template <qsizetype N>
    void literal(const char (&text)[N]) {
        append(text, N - 1);
    }
    void append(const char* bytes, qsizetype size);
    char* room(qsizetype most);
    void textCell(const unsigned char* bytes, qsizetype size);
    void valueCell(std::string_view open, std::string_view value, std::string_view format, const unsigned char* bytes,
                   qsizetype size);

    QSaveFile* file_;
    std::vector<CellType> types_;  // of the columns, in order
    size_t column_ = 0;            // of the row's next cell
    QByteArray buffer_;            // its size is the room; used_ bytes hold text
    qsizetype used_ = 0;
};

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

    // A row cell by cell: its cells, exactly one per column, go in between.
    void beginRow() { text_.beginRow(); }
    SheetText& text() { return text_; }
    void endRow();
    void commit();

private:
    std::unique_ptr<QSaveFile> file_;
    SheetText text_;
};

}  // namespace SpreadsheetExport
