#pragma once
// The calls of the call register that belong to a client: those with the
// client's tax code, exactly. Exported to "Storico_Chiamate_Cliente.xls".
#include "archive/ExportWindow.h"

class TfrmStoricoChiamate : public TExportWindow {
    Q_OBJECT
public:
    static inline const QString kHelpTitle = QStringLiteral("Storico chiamate cliente");

    // Created for one use by the client window, its owner, with the tax code
    // on its screen (saved or not). Without a code no call is the client's.
    explicit TfrmStoricoChiamate(QWidget* owner = nullptr, const QString& taxCode = QString());
};
