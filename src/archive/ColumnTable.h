#pragma once
// The columns of an archive's grid and of the spreadsheet it is exported to,
// in one table: what each column shows of a record, under which header, how
// wide, and whether the spreadsheet gets it. The grid and the file both read
// their columns and cells from here, so they cannot drift apart.
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "archive/RecordLayout.h"
#include "archive/SpreadsheetExport.h"

struct Column {
    QString header = {};       // the grid's header, and the sheet's unless sheetHeader says otherwise;
                               // by default the field's export header
    CardField field = {};      // the record field shown
    int sheetWidth = 0;        // pixels, written in the sheet's header cell
    CardField joined = {};     // optional: a second field, after one blank ("Roma RM")
    QString sheetHeader = {};  // only where the sheet's header differs from the grid's
    QString name = {};         // optional: the column's name (colDataRit …), kept as its grid header's data
    int gridWidth = 0;         // pixels; 0 fits the header and the first rows
    bool exported = true;
    // Where a column is worked out from the whole record rather than read
    // from one field (the key of an appointment), it says how.
    std::function<QString(const Record&)> compute = {};
    // How the spreadsheet reads the cells: what the field holds, for a field
    // of a catalogue; given here for a field named by its text.
    CellType type = CellType::Text;
};

class ColumnTable {
public:
    ColumnTable() = default;
    explicit ColumnTable(std::vector<Column> columns);

    const std::vector<Column>& columns() const { return columns_; }
    int size() const { return int(columns_.size()); }

    // A record's cells, one per column, each trimmed; a joined pair is
    // trimmed as a whole, so a missing half leaves no stray blank.
    QStringList cells(const Record& record) const;

    // The spreadsheet's columns: the exported ones, in table order.
    const std::vector<ExportColumn>& sheetColumns() const { return sheet_; }
    // Of a row's cells (one per column), those the spreadsheet gets.
    QStringList sheetCells(const QStringList& cells) const;
    // The cells the spreadsheet gets of a record, straight from its stored
    // bytes into the sheet: the same cells as sheetCells(cells(record)),
    // without a text of their own on the way.
    void writeSheetCells(SpreadsheetExport::SheetText& sheet, const Record& record) const;

    // A print of a record's cells, every column's: equal prints, equal
    // cells (but for a chance in 2^64). Read from the stored fields as they
    // are, so a field only re-blanked counts as changed too.
    quint64 cellsPrint(const Record& record, quint64 seed) const;

private:
    void resolve(const RecordLayout& layout) const;

    std::vector<Column> columns_;
    std::vector<ExportColumn> sheet_;
    std::vector<int> exported_;  // indexes of the exported columns
    mutable const RecordLayout* resolvedFor_ = nullptr;
    mutable std::vector<int> fieldIndex_, joinedIndex_;
    mutable QByteArray printed_;  // what cellsPrint() hashes, kept for the next record
};
