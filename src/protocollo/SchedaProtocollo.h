#pragma once
// The printed card of a protocol document, "Scheda Protocollo": a framed
// title band, sixteen framed rows of a caption and its value, and the print
// stamp at the foot. The kind of mail and the attachments are not printed.
#include <memory>
#include <vector>

#include "report/CardReport.h"

class TRecordWindow;

namespace SchedaProtocollo {

inline const QString kTitolo = QStringLiteral("SCHEDA PROTOCOLLO DOCUMENTO");

// The sixteen rows from the protocol window's fields as they stand.
std::vector<CardRow> rows(const TRecordWindow& protocolWindow);

// The card laid out and filled with the rows, ready to prepare.
std::unique_ptr<TReport> build(const std::vector<CardRow>& rows);

}  // namespace SchedaProtocollo
