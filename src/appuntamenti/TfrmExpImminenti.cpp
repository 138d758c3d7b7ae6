#include "appuntamenti/TfrmExpImminenti.h"

#include "appuntamenti/AgendaRules.h"
#include "appuntamenti/AppointmentColumns.h"
#include "platform/Clock.h"

TfrmExpImminenti::TfrmExpImminenti(QWidget* owner) : TExportWindow(owner) {
    setObjectName(QStringLiteral("frmExpImminenti"));
    FormCreate(AppointmentColumns::summary(
        QStringLiteral(" Appuntamenti imminenti"), QStringLiteral("Appuntamenti_Imminenti.xls"),
        QStringLiteral("Appuntamenti imminenti"), kHelpTitle, true,
        [] { return [today = Clock::today()](const Record& card) { return AgendaRules::imminence(card, today); }; }));
}
