#pragma once
// The line of a case in the urgent list and in the find results: subject,
// protocol, opening date, client, phone and state at fixed widths, so that
// the columns line up in the fixed-pitch list.
#include <vector>

#include "archive/RecordLines.h"

namespace CaseLine {

const std::vector<LinePart>& parts();

}  // namespace CaseLine
