#include "clienti/TfrmStoricoChiamate.h"

#include "archive/CallColumns.h"
#include "archive/CallFields.h"
#include "platform/Text.h"

TfrmStoricoChiamate::TfrmStoricoChiamate(QWidget* owner, const QString& taxCode) : TExportWindow(owner) {
    setObjectName(QStringLiteral("frmStoricoChiamate"));
    FormCreate(CallColumns::summary(
        QStringLiteral(" Storico chiamate cliente"), QStringLiteral("Storico_Chiamate_Cliente.xls"),
        QStringLiteral("Storico Chiamate Cliente"), kHelpTitle, [code = Text::trim(taxCode)] {
            // Without a code no call belongs to the client, not even
            // those saved without one.
            return [code](const Record& call) {
                return !code.isEmpty() && Text::trim(call.get(CallFields::get().CodFisc)) == code;
            };
        }));
}
