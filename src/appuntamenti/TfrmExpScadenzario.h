#pragma once
// The whole appointment archive, in file order, exported to
// "Riepilogo_Appuntamenti.xls".
#include "archive/ExportWindow.h"

class TfrmExpScadenzario : public TExportWindow {
    Q_OBJECT
public:
    static inline const QString kHelpTitle = QStringLiteral("Esportazione archivio appuntamenti in Excel");

    // Created for one use by the appointment card window, its owner.
    explicit TfrmExpScadenzario(QWidget* owner = nullptr);
};
