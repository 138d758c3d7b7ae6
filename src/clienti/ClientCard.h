#pragma once
// The printed card of a client ("repScheda"): the logo, the title, 24 rows
// of captions and values, and the print stamp, from the client window as it
// stands, saved or not.
#include <memory>
#include <vector>

#include "report/CardReport.h"

class TRecordWindow;

namespace ClientCard {

enum class Output { Print, Preview, Pdf };

// The 24 rows, each value from the window's fields; the PDF names row 22 in
// full.
std::vector<CardRow> rows(const TRecordWindow& window, Output output);

// The card laid out and filled, ready to prepare.
std::unique_ptr<TReport> build(const TRecordWindow& window, Output output);

}  // namespace ClientCard
