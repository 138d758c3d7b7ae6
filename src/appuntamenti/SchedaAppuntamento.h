#pragma once
// The printed appointment card, "Scheda Appuntamento": the title band,
// thirteen framed rows of a caption and its value, and the print stamp.
#include <memory>
#include <vector>

#include "archive/CardRules.h"
#include "report/CardReport.h"

namespace SchedaAppuntamento {

// The thirteen rows from the card window's values as they stand, saved or
// not; each value's box is named "txt" + its field.
std::vector<CardRow> rows(const CardValues& card);

// The card laid out and filled with the rows, ready to prepare.
std::unique_ptr<TReport> build(const std::vector<CardRow>& rows);

}  // namespace SchedaAppuntamento
