#include "appuntamenti/TfrmExpGiornaliere.h"

#include "appuntamenti/TfrmExpImminenti.h"
#include "platform/Clock.h"
#include "platform/Formats.h"
#include "platform/Text.h"

TfrmExpGiornaliere::TfrmExpGiornaliere(QWidget* owner, const QDate& day)
    : TAppointmentSummary(owner, QStringLiteral(" Appuntamenti del giorno"),
                          QStringLiteral("Appuntamenti_Giornalieri.xls"), QStringLiteral("Appuntamenti del giorno"),
                          TfrmExpImminenti::kHelpTitle, Order::Key),
      day_(day.isValid() ? day : Clock::today()) {
    setObjectName(QStringLiteral("frmExpGiornaliere"));
}

TAppointmentSummary::Selection TfrmExpGiornaliere::selection() const {
    return [date = Formats::date(day_)](const Record& card) { return Text::trim(card.get("Data")) == date; };
}
