#pragma once
// The printed appointment card, "Scheda Appuntamento": the title band,
// thirteen framed rows of a caption and its value, and the print stamp.
#include <memory>
#include <vector>

#include "report/CardReport.h"

class TRecordWindow;

namespace SchedaAppuntamento {

// The thirteen rows from the card window's fields as they stand, saved or not.
std::vector<CardRow> rows(const TRecordWindow& cardWindow);

// The card laid out and filled with the rows, ready to prepare.
std::unique_ptr<TReport> build(const std::vector<CardRow>& rows);

}  // namespace SchedaAppuntamento
