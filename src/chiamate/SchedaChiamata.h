#pragma once
// The printed card of a call, "Scheda chiamata": a heading band, fifteen
// framed rows of a caption and its value, and the print stamp at the foot.
#include <memory>

#include "report/Report.h"

class QWidget;

namespace SchedaChiamata {

// The empty template `repDocumento`.
std::unique_ptr<TReport> create();

// Portrait, every value memo from the call window's controls as they stand
// (each value trimmed, saved or not), the print stamp in txtCalce.
void fill(TReport& report, const QWidget* callWindow);

}  // namespace SchedaChiamata
