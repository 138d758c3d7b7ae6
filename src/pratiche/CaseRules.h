#pragma once
// The checks a case passes before it is saved, in the order the user is
// told of them: the subject, the protocol number, the opening date and the
// client's name. Nothing else of a case is checked: dates, states and
// provinces are stored as typed.
#include <vector>

#include "archive/CardRules.h"

namespace CaseRules {

const std::vector<CardRule>& saveRules();

}  // namespace CaseRules
