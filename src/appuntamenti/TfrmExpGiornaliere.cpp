#include "appuntamenti/TfrmExpGiornaliere.h"

#include "appuntamenti/AppointmentColumns.h"
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
            return [date](const Record& card) { return Text::trim(card.get(QStringLiteral("Data"))) == date; };
        }));
}
