#pragma once
// The columns of the appointment exports: the thirteen fields of a card in
// the archive export, and the same with the card's chronological key
// ("Codice univoco") in the exports opened from the agenda.
#include "archive/ColumnTable.h"
#include "archive/RecordLayout.h"

namespace AppointmentColumns {

// Every column reads a field of a card; with the key, of a keyed card.
const ColumnTable& table(bool withKey);

// A card of the archive with its key after its fields, as the keyed table
// reads it.
Record keyed(const Record& card);

}  // namespace AppointmentColumns
