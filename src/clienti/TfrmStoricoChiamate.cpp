#include "clienti/TfrmStoricoChiamate.h"

#include "platform/Text.h"

TfrmStoricoChiamate::TfrmStoricoChiamate(QWidget* owner, const QString& taxCode)
    : TCallSummary(owner, QStringLiteral(" Storico chiamate cliente"), QStringLiteral("Storico_Chiamate_Cliente.xls"),
                   QStringLiteral("Storico Chiamate Cliente"), kHelpTitle),
      taxCode_(Text::trim(taxCode)) {
    setObjectName(QStringLiteral("frmStoricoChiamate"));
}

TCallSummary::Selection TfrmStoricoChiamate::selection() const {
    // Without a code no call belongs to the client, not even those saved
    // without one.
    return [code = taxCode_](const Record& call) {
        return !code.isEmpty() && Text::trim(call.get(QStringLiteral("CodFisc"))) == code;
    };
}
