#include "chiamate/TfrmExpChiamate.h"

#include "platform/Text.h"

TfrmExpChiamate::TfrmExpChiamate(QWidget* owner)
    : TCallSummary(owner, QStringLiteral(" Esportazione registro chiamate in Excel"),
                   QStringLiteral("Registro_Chiamate.xls"), QStringLiteral("Registro Chiamate"), kHelpTitle) {
    setObjectName(QStringLiteral("frmExpChiamate"));
}

TCallSummary::Selection TfrmExpChiamate::selection() const {
    // Every call saved by the call window has a date.
    return [](const Record& call) { return !Text::trim(call.get(QStringLiteral("DataChiamata"))).isEmpty(); };
}
