#pragma once
// The whole call register, exported to "Registro_Chiamate.xls".
#include "archive/ExportWindow.h"

class TfrmExpChiamate : public TExportWindow {
    Q_OBJECT
public:
    static inline const QString kHelpTitle = QStringLiteral("Esportazione registro chiamate in Excel");

    // Created for one use by the call window, its owner.
    explicit TfrmExpChiamate(QWidget* owner = nullptr);
};
