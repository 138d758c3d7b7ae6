#include "appuntamenti/TfrmExpMensili.h"

#include "appuntamenti/TfrmExpImminenti.h"
#include "platform/Clock.h"
#include "platform/Formats.h"
#include "platform/Text.h"

TfrmExpMensili::TfrmExpMensili(QWidget* owner, const QDate& day)
    : TAppointmentSummary(owner, QStringLiteral(" Appuntamenti del mese"), QStringLiteral("Appuntamenti_Mensili.xls"),
                          QStringLiteral("Appuntamenti del mese"), TfrmExpImminenti::kHelpTitle, Order::Key),
      day_(day.isValid() ? day : Clock::today()) {
    setObjectName(QStringLiteral("frmExpMensili"));
}

TAppointmentSummary::Selection TfrmExpMensili::selection() const {
    // "mm/yyyy" from the chosen day, compared with the card's date from its
    // fourth character on.
    return [month = Formats::date(day_).mid(3)](const Record& card) {
        return Text::trim(card.get("Data")).mid(3, 7) == month;
    };
}
