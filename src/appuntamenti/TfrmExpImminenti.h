#pragma once
// The imminent appointments of the agenda, in time order, exported to
// "Appuntamenti_Imminenti.xls".
#include "archive/ExportWindow.h"

class TfrmExpImminenti : public TExportWindow {
    Q_OBJECT
public:
    // The title of the help shared by the exports opened from the agenda.
    static inline const QString kHelpTitle = QStringLiteral("Visualizzazione appuntamenti");

    // Created for one use by the agenda, its owner.
    explicit TfrmExpImminenti(QWidget* owner = nullptr);
};
