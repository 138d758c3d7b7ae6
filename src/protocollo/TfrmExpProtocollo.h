#pragma once
// The whole year's protocol, exported to "Protocollo.xls".
#include "archive/ExportWindow.h"

class TfrmExpProtocollo : public TExportWindow {
    Q_OBJECT
public:
    static inline const QString kHelpTitle = QStringLiteral("Esportazione protocollo posta in Excel");

    // Created for one use by the protocol window, on the archive it shows.
    explicit TfrmExpProtocollo(QWidget* owner = nullptr, const QString& archiveFile = {});
};
