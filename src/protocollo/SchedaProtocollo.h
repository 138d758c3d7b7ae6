#pragma once
// The printed card of a protocol document, "Scheda Protocollo": a framed
// title band, sixteen framed rows of a caption and its value, and the print
// stamp at the foot. The kind of mail and the attachments are not printed.
#include <memory>
#include <vector>

#include "archive/CardRules.h"
#include "report/CardReport.h"

namespace SchedaProtocollo {

inline const QString kTitolo = QStringLiteral("SCHEDA PROTOCOLLO DOCUMENTO");

// The sixteen rows of a card's values, as the protocol window shows them.
std::vector<CardRow> rows(const CardValues& card);

// The card laid out and filled with the rows, ready to prepare.
std::unique_ptr<TReport> build(const std::vector<CardRow>& rows);

}  // namespace SchedaProtocollo
