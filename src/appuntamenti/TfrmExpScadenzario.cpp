#include "appuntamenti/TfrmExpScadenzario.h"

#include "appuntamenti/AppointmentColumns.h"

TfrmExpScadenzario::TfrmExpScadenzario(QWidget* owner) : TExportWindow(owner) {
    setObjectName(QStringLiteral("frmExpScadenzario"));
    FormCreate(AppointmentColumns::summary(QStringLiteral(" Esportazione archivio appuntamenti"),
                                           QStringLiteral("Riepilogo_Appuntamenti.xls"),
                                           QStringLiteral("Riepilogo Appuntamenti"), kHelpTitle, false, {}));
}
