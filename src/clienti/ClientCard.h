#pragma once
// The printed card of a client ("repScheda"): the logo, the title, 24 rows of
// labels and values, and the print stamp, filled from the client window as it
// stands, saved or not.
#include <memory>

#include "report/Report.h"

class TfrmClienti;

namespace ClientCard {

enum class Output { Print, Preview, Pdf };

std::unique_ptr<TReport> create();

// Fills the template from the window; the PDF names row 22 in full.
void fill(TReport& report, const TfrmClienti& window, Output output);

}  // namespace ClientCard
