#pragma once
// The columns of the appointment exports: the thirteen fields of a card in
// the archive export, and the same with the card's chronological key
// ("Codice univoco") in the exports opened from the agenda, which show the
// cards in the key's order.
#include "archive/ColumnTable.h"
#include "archive/ExportWindow.h"

namespace AppointmentColumns {

const ColumnTable& table(bool withKey);

// An export of the appointment cards the filter takes: with the key, in its
// order; without, in file order.
ExportWindowDescription summary(const QString& caption, const QString& fileName, const QString& sheetName,
                                const QString& helpTitle, bool withKey, std::function<RecordFilter()> filter);

}  // namespace AppointmentColumns
