#pragma once
// The columns of the protocol archive's grids (the interval summary and the
// whole-year export) and of the spreadsheet both write.
#include "archive/ColumnTable.h"

namespace ProtocolColumns {

// The eighteen columns after the grid's running number, each a trimmed
// field of a protocol card; all of them are exported.
const ColumnTable& table();

}  // namespace ProtocolColumns
