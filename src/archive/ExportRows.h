#pragma once
// The rows of an export window, kept as the positions of their cards rather
// than as their texts, so that a grid of a million cards costs a few
// megabytes. The grid reads the cells of the rows on screen from the
// archive, a page at a time; the file is written in a second pass over the
// same cards, straight from their stored bytes, and only if every card
// still shows the cells the grid read: a card changed or an archive that
// can no longer be read refuses the file rather than write something the
// grid never showed.
#include <QByteArray>
#include <QStringList>
#include <functional>
#include <vector>

#include "ui/Grid.h"

class LeftOut;
class Record;
class ProgressWork;
class TArchivioSchede;
struct ExportWindowDescription;

namespace SpreadsheetExport {
class Writer;
}

class ExportRows : public GridSource {
public:
    // The description stays the caller's and must outlive the rows.
    explicit ExportRows(const ExportWindowDescription& desc);

    void clear();

    // Reads the cards the description selects, in its order, as long work.
    // False when the user cancelled. Throws on a file error; the rows read
    // before it stay.
    bool fill(LeftOut& leftOut, ProgressWork* progress);

    int rows() const override { return int(positions_.size()); }
    int number(int row) const override { return numbers_.empty() ? row + 1 : numbers_[size_t(row)]; }
    // An unreadable archive shows empty cells.
    QString cell(int row, int column) const override;

    // Every row's cells as the spreadsheet gets them, read afresh. Throws
    // when the archive cannot be read.
    std::vector<QStringList> sheetRows() const;

    // Writes every row to the sheet. False when the user cancelled. Throws
    // ArchiveError when the archive can no longer be read or a card is no
    // longer as it was read; the sheet is then to be dropped.
    bool write(SpreadsheetExport::Writer& sheet, ProgressWork* progress) const;

private:
    // The cards of rows first to first + count, in row order, into bytes.
    void readCards(TArchivioSchede& archive, int first, int count, QByteArray& bytes) const;
    quint64 cardPrint(const Record& card, qint64 position) const;
    // Every row's card in row order, read a chunk at a time, until visit
    // answers false (then false). Throws when the archive cannot be read.
    bool eachCard(const std::function<bool(const Record& card, int row)>& visit) const;

    const ExportWindowDescription& desc_;
    std::vector<qint64> positions_;  // of each row's card, from 1
    std::vector<int> numbers_;       // each row's number in reading order, when ordered otherwise
    quint64 fingerprint_ = 0;        // of every card read, with its position

    // The cells of the last two pages of rows shown.
    struct Page {
        int first = -1;
        std::vector<QStringList> cells;
    };
    mutable Page pages_[2];
    mutable int older_ = 0;
};
