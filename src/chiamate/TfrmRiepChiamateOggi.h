#pragma once
// The calls dated today, whatever their time, exported to
// "Chiamate_Odierne.xls".
#include "archive/ExportWindow.h"

class TfrmRiepChiamateOggi : public TExportWindow {
    Q_OBJECT
public:
    static inline const QString kHelpTitle = QStringLiteral("Riepilogo chiamate di oggi");

    // Created for one use by the call window, its owner.
    explicit TfrmRiepChiamateOggi(QWidget* owner = nullptr);
};
