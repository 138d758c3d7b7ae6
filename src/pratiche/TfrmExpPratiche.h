#pragma once
// The whole case archive in a grid, exported to "Pratiche.xls": the first
// twenty fields of every case. The urgency flag, the document list and the
// attached files stay out.
#include "archive/ExportWindow.h"

class TfrmExpPratiche : public TExportWindow {
    Q_OBJECT
public:
    static inline const QString kHelpTitle = QStringLiteral("Esportazione archivio pratiche in Excel");

    // Created for one use by the case window, its owner.
    explicit TfrmExpPratiche(QWidget* owner = nullptr);

    static const ColumnTable& columns();
};
