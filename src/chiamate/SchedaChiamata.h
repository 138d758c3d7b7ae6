#pragma once
// The printed card of a call, "Scheda chiamata": a heading band, fifteen
// framed rows of a caption and its value, and the print stamp at the foot.
#include <memory>
#include <vector>

#include "report/CardReport.h"

class TRecordWindow;

namespace SchedaChiamata {

// The fifteen rows from the call window's fields as they stand, saved or not.
std::vector<CardRow> rows(const TRecordWindow& callWindow);

// The card `repDocumento` laid out and filled with the rows, ready to prepare.
std::unique_ptr<TReport> build(const std::vector<CardRow>& rows);

}  // namespace SchedaChiamata
