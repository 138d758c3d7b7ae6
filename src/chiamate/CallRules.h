#pragma once
// The checks a call passes before it is saved, in the order the user is told
// of them: the date and time picked from their lists, the direction, the
// subject and the client; then the month must be one of the list and the
// composed date must exist. The filled fields are tested here with the
// rest, not declared required in the call's catalogue, whose required fields
// would all be tested first: a call tells a three-digit year before a
// missing hour.
#include <vector>

#include "archive/CardRules.h"

namespace CallRules {

const std::vector<CardRule>& saveRules();

// The call's date "dd/mm/yyyy" from its day, month name and year.
QString composedDate(const CardValues& call);

}  // namespace CallRules
