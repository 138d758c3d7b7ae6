#include "appuntamenti/TfrmExpImminenti.h"

#include "appuntamenti/AgendaRules.h"
#include "platform/Clock.h"

TfrmExpImminenti::TfrmExpImminenti(QWidget* owner)
    : TAppointmentSummary(owner, QStringLiteral(" Appuntamenti imminenti"), QStringLiteral("Appuntamenti_Imminenti.xls"),
                          QStringLiteral("Appuntamenti imminenti"), kHelpTitle, Order::Key) {
    setObjectName(QStringLiteral("frmExpImminenti"));
}

TAppointmentSummary::Selection TfrmExpImminenti::selection() const {
    return [today = Clock::today()](const Record& card) { return AgendaRules::isImminent(card, today); };
}
