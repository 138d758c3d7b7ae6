#pragma once
// The export of the whole client archive to "Clienti.xls".
#include "archive/ExportWindow.h"

class TfrmExpClienti : public TExportWindow {
    Q_OBJECT
public:
    static inline const QString kHelpTitle = QStringLiteral("Esportazione archivio clienti in Excel");

    // Created for one use by the client window, its owner.
    explicit TfrmExpClienti(QWidget* owner = nullptr);
};
