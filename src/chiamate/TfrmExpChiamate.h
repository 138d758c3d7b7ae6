#pragma once
// The whole call register, exported to "Registro_Chiamate.xls".
#include "archive/CallSummary.h"

class TfrmExpChiamate : public TCallSummary {
    Q_OBJECT
public:
    static inline const QString kHelpTitle = QStringLiteral("Esportazione registro chiamate in Excel");

    // Created for one use by the call window, its owner.
    explicit TfrmExpChiamate(QWidget* owner = nullptr);

protected:
    Selection selection() const override;
};
