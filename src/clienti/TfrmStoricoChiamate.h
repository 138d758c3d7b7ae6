#pragma once
// The calls of the call register that belong to the client on screen in the
// client window: those with the same tax code, exactly. Exported to
// "Storico_Chiamate_Cliente.xls".
#include "archive/CallSummary.h"

class TfrmStoricoChiamate : public TCallSummary {
    Q_OBJECT
public:
    static inline const QString kHelpTitle = QStringLiteral("Storico chiamate cliente");

    // Created for one use by the client window, its owner: the tax code is
    // read from the owner's txtCodFisc each time the window is shown.
    explicit TfrmStoricoChiamate(QWidget* owner = nullptr);

protected:
    Selection selection() const override;

private:
    QString taxCode() const;
};
