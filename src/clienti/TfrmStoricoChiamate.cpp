#include "clienti/TfrmStoricoChiamate.h"

#include "platform/Text.h"
#include "ui/Controls.h"

TfrmStoricoChiamate::TfrmStoricoChiamate(QWidget* owner)
    : TCallSummary(owner, QStringLiteral(" Storico chiamate cliente"), QStringLiteral("Storico_Chiamate_Cliente.xls"),
                   QStringLiteral("Storico Chiamate Cliente"), kHelpTitle) {
    setObjectName(QStringLiteral("frmStoricoChiamate"));
}

QString TfrmStoricoChiamate::taxCode() const {
    const QWidget* owner = parentWidget();
    const QWidget* field = owner ? owner->findChild<QWidget*>(QStringLiteral("txtCodFisc")) : nullptr;
    return field ? Text::trim(Controls::text(field)) : QString();
}

TCallSummary::Selection TfrmStoricoChiamate::selection() const {
    // Without a code no call belongs to the client, not even those saved
    // without one.
    return [code = taxCode()](const Record& call) {
        return !code.isEmpty() && Text::trim(call.get(QStringLiteral("CodFisc"))) == code;
    };
}
