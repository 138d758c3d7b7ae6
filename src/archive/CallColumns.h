#pragma once
// The columns of the call summaries: the grid of a client's call history
// and of the call register's summaries, and the spreadsheet their exports
// write.
#include <vector>

#include "archive/ColumnTable.h"
#include "archive/ExportWindow.h"

namespace CallColumns {

// The fifteen call columns after the grid's running number, each a trimmed
// field of a call record (TSchedaChiamata); all of them are exported.
const ColumnTable& table();

// An export of the calls of the register that the filter takes, in file order.
ExportWindowDescription summary(const QString& caption, const QString& fileName, const QString& sheetName,
                                const QString& helpTitle, std::function<RecordFilter()> filter);

}  // namespace CallColumns
