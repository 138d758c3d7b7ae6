#include "appuntamenti/TfrmExpScadenzario.h"

TfrmExpScadenzario::TfrmExpScadenzario(QWidget* owner)
    : TAppointmentSummary(owner, QStringLiteral(" Esportazione archivio appuntamenti"),
                          QStringLiteral("Riepilogo_Appuntamenti.xls"), QStringLiteral("Riepilogo Appuntamenti"),
                          kHelpTitle, Order::File) {
    setObjectName(QStringLiteral("frmExpScadenzario"));
}

TAppointmentSummary::Selection TfrmExpScadenzario::selection() const {
    return [](const Record&) { return true; };
}
