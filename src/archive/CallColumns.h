#pragma once
// The columns of the call summaries: the grid of the call history of a
// client and of the call register's summaries, and the spreadsheet columns
// their exports write.
#include <QStringList>
#include <vector>

#include "archive/RecordLayout.h"
#include "archive/SpreadsheetExport.h"

struct CallGridColumn {
    QString name;    // colDataRit …
    QString header;  // "Data chiamata" …
    QString field;   // the call record field; empty for the running number
};

namespace CallColumns {

// The sixteen grid columns, the running number "N." (colNum) first.
const std::vector<CallGridColumn>& grid();

// The fifteen exported columns, in grid order after the running number.
const std::vector<ExportColumn>& exported();

// One grid row of a call record (TSchedaChiamata): the fifteen trimmed
// fields of the grid's columns after the running number.
QStringList row(const Record& call);

}  // namespace CallColumns
