#include "chiamate/TfrmExpChiamate.h"

#include "archive/CallColumns.h"
#include "archive/CallFields.h"
#include "platform/Text.h"

TfrmExpChiamate::TfrmExpChiamate(QWidget* owner) : TExportWindow(owner) {
    setObjectName(QStringLiteral("frmExpChiamate"));
    FormCreate(CallColumns::summary(
        QStringLiteral(" Esportazione registro chiamate in Excel"), QStringLiteral("Registro_Chiamate.xls"),
        QStringLiteral("Registro Chiamate"), kHelpTitle, [] {
            // Every call saved by the call window has a date.
            return [](const Record& call) { return !Text::trim(call.get(CallFields::get().DataChiamata)).isEmpty(); };
        }));
}
