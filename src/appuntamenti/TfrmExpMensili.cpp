#include "appuntamenti/TfrmExpMensili.h"

#include "appuntamenti/AppointmentColumns.h"
#include "appuntamenti/AppointmentFields.h"
#include "appuntamenti/TfrmExpImminenti.h"
#include "platform/Clock.h"
#include "platform/Formats.h"
#include "platform/Text.h"

TfrmExpMensili::TfrmExpMensili(QWidget* owner, const QDate& day)
    : TExportWindow(owner), day_(day.isValid() ? day : Clock::today()) {
    setObjectName(QStringLiteral("frmExpMensili"));
    // "mm/yyyy" from the chosen day, compared with the card's date from its
    // fourth character on.
    FormCreate(AppointmentColumns::summary(
        QStringLiteral(" Appuntamenti del mese"), QStringLiteral("Appuntamenti_Mensili.xls"),
        QStringLiteral("Appuntamenti del mese"), TfrmExpImminenti::kHelpTitle, true,
        [month = Formats::date(day_).mid(3)] {
            return [month](const Record& card) -> Pick {
                const QString d = Text::trim(card.get(AppointmentFields::get().Data));
                if (d.mid(3, 7) == month) return true;
                return Formats::parseDate(d).isValid() ? Pick(false) : Pick::unreadableDate();
            };
        }));
}
