#pragma once
// The columns of the call summaries: the grid of a client's call history
// and of the call register's summaries, and the spreadsheet their exports
// write.
#include <vector>

#include "archive/ColumnTable.h"

namespace CallColumns {

// The fifteen call columns after the grid's running number, each a trimmed
// field of a call record (TSchedaChiamata); all of them are exported.
const ColumnTable& table();

// The spreadsheet's columns of the table.
const std::vector<ExportColumn>& exported();

}  // namespace CallColumns
