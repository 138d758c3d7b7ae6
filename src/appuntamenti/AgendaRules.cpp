#include "appuntamenti/AgendaRules.h"

#include "appuntamenti/AppointmentFields.h"
#include "archive/Layouts.h"
#include "archive/RecordLines.h"
#include "archive/TestoCorto.h"
#include "platform/Formats.h"
#include "platform/Text.h"

namespace {

QString field(const Record& card, const CardField& f) { return Text::trim(card.get(f)); }

// The key is cut from the date by position (always "dd/mm/yyyy"): year,
// month and day, then the hour and the minutes.
const std::vector<LinePart>& lineParts() {
    static const std::vector<LinePart> parts = [] {
        const AppointmentFields& f = AppointmentFields::get();
        return std::vector<LinePart>{
            {"ID: ", f.Data, -1, 6, 4}, {"", f.Data, -1, 3, 2},   {"", f.Data, -1, 0, 2},       {"", f.OreApp},
            {"", f.MinutiApp},          {"  Data: ", f.Data, 10}, {"  Ora: ", f.Ora, 5},        {"  ", f.Contatto, 30},
            {"  Cel. ", f.Cel, 14},     {"  ", f.Causale, 42},    {"  \u20AC ", f.Importo, -1},
        };
    }();
    return parts;
}

}  // namespace

namespace AgendaRules {

QString key(const Record& card) {
    const AppointmentFields& f = AppointmentFields::get();
    const QString date = field(card, f.Data);
    return date.mid(6, 4) + date.mid(3, 2) + date.left(2) + field(card, f.OreApp) + field(card, f.MinutiApp);
}

Pick imminence(const Record& card, const QDate& today) {
    const AppointmentFields& f = AppointmentFields::get();
    if (field(card, f.Ottemperata) == Flag::Si) return false;
    const QDate date = Formats::parseDate(field(card, f.Data));
    if (!date.isValid()) return Pick::unreadableDate();
    const QString notice = field(card, f.Avviso);
    const int days = Text::isDigits(notice) ? notice.toInt() : 0;
    return date.addDays(-days) <= today;
}

QString line(const Record& card) { return buildLine(lineParts(), card); }

void readImminent(ListLines& lines, const QDate& today, LeftOut& leftOut) {
    RecordLines::read(
        lines, ArchiveFiles::Appuntamenti, AppointmentFields::get().layout(), lineParts(),
        [&today](const Record& card) { return imminence(card, today); }, leftOut);
}

}  // namespace AgendaRules
