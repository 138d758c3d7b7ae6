#include "appuntamenti/TfrmExpGiornaliere.h"

#include "appuntamenti/AppointmentColumns.h"
#include "appuntamenti/AppointmentFields.h"
#include "appuntamenti/TfrmExpImminenti.h"
#include "platform/Clock.h"
#include "platform/Formats.h"
#include "platform/Text.h"

TfrmExpGiornaliere::TfrmExpGiornaliere(QWidget* owner, const QDate& day)
    : TExportWindow(owner), day_(day.isValid() ? day : Clock::today()) {
    setObjectName(QStringLiteral("frmExpGiornaliere"));
    FormCreate(AppointmentColumns::summary(
        QStringLiteral(" Appuntamenti del giorno"), QStringLiteral("Appuntamenti_Giornalieri.xls"),
        QStringLiteral("Appuntamenti del giorno"), TfrmExpImminenti::kHelpTitle, true, [date = Formats::date(day_)] {
            return [date](const Record& card) -> Pick {
                const QString d = Text::trim(card.get(AppointmentFields::get().Data));
                if (d == date) return true;
                // A date that is no date might be of any day: counted, not hidden.
                return Formats::parseDate(d).isValid() ? Pick(false) : Pick::unreadableDate();
            };
        }));
}
