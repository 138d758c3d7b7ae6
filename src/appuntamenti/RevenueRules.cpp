#include "appuntamenti/RevenueRules.h"

#include "appuntamenti/AppointmentFields.h"
#include "archive/ArchivioSchede.h"
#include "archive/DateRules.h"
#include "archive/Layouts.h"
#include "archive/RecordLines.h"
#include "platform/Text.h"

namespace {

// A refusal of the shared date checks, its focus on the menu's own part: a
// day of the period is mended on its day's list.
std::optional<PeriodRefusal> onMenu(const std::optional<DateRules::Refused>& r) {
    if (!r) return std::nullopt;
    std::optional<PeriodPart> focus;
    if (r->part) {
        switch (*r->part) {
        case DateRules::Part::Year: focus = PeriodPart::Year; break;
        case DateRules::Part::Start: focus = PeriodPart::StartDay; break;
        case DateRules::Part::End: focus = PeriodPart::EndDay; break;
        }
    }
    return PeriodRefusal{focus, r->text, r->kind};
}

QString composed(const QString& year, const QString& day, const QString& month) {
    return Formats::composeDate(day, Formats::monthNumber(month), year);
}

// The key is the year, month and day of the date ("dd/mm/yyyy"), the hour
// and the minutes, so that text order is time order. Then services 40,
// client 24 and cellphone 12 characters, narrower than the agenda's, so
// that the amount stays in sight.
const std::vector<LinePart>& lineParts() {
    static const std::vector<LinePart> parts = [] {
        const AppointmentFields& f = AppointmentFields::get();
        return std::vector<LinePart>{
            {"ID: ", f.Data, -1, 6, 4},
            {"", f.Data, -1, 3, 2},
            {"", f.Data, -1, 0, 2},
            {"", f.OreApp},
            {"", f.MinutiApp},
            {"  Data: ", f.Data, 10},
            {"  Ora: ", f.Ora, 5},
            {"  ", f.Causale, 40},
            {"  Cliente: ", f.Contatto, 24},
            {"  Cel. ", f.Cel, 12},
            {"  \u20AC ", f.Importo, -1},
        };
    }();
    return parts;
}

}  // namespace

QString RevenuePeriod::startDate() const { return composed(year, startDay, startMonth); }
QString RevenuePeriod::endDate() const { return composed(year, endDay, endMonth); }

namespace RevenueRules {

const std::vector<PeriodRule>& periodRules() {
    // Each list of the period must be picked.
    auto picked = [](QString RevenuePeriod::*part, PeriodPart focus, const char* what) -> PeriodRule {
        return [part, focus, what](const RevenuePeriod& p) -> std::optional<PeriodRefusal> {
            if (!(p.*part).isEmpty()) return std::nullopt;
            return PeriodRefusal{focus, QStringLiteral("Attenzione: indicare il ") + QLatin1String(what) +
                                            QStringLiteral(" intervallo selezionandolo dall'elenco a cascata.")};
        };
    };
    static const std::vector<PeriodRule> rules = {
        [](const RevenuePeriod& p) { return onMenu(DateRules::year(p.year)); },
        picked(&RevenuePeriod::startDay, PeriodPart::StartDay, "giorno di inizio"),
        picked(&RevenuePeriod::startMonth, PeriodPart::StartMonth, "mese di inizio"),
        picked(&RevenuePeriod::endDay, PeriodPart::EndDay, "giorno di fine"),
        picked(&RevenuePeriod::endMonth, PeriodPart::EndMonth, "mese di fine"),
        [](const RevenuePeriod& p) { return onMenu(DateRules::interval(p.startDate(), p.endDate())); },
    };
    return rules;
}

std::optional<PeriodRefusal> check(const RevenuePeriod& period) {
    for (const PeriodRule& rule : periodRules())
        if (std::optional<PeriodRefusal> r = rule(period)) return r;
    return std::nullopt;
}

}  // namespace RevenueRules

int RevenueQuery::filterCount() const {
    return (Text::trim(client).isEmpty() ? 0 : 1) + (Text::trim(services).isEmpty() ? 0 : 1);
}

bool RevenueSummary::read(const RevenueQuery& query, ProgressWork* progress) {
    const AppointmentFields& f = AppointmentFields::get();
    const RecordLayout& layout = f.layout();
    const LineBuilder builder(lineParts(), layout);
    const int contatto = f.Contatto.index(), causale = f.Causale.index(), data = f.Data.index(),
              importo = f.Importo.index();
    // Trimmed and folded once; an empty filter never matches, so with no
    // filter every card passes (none of none).
    const QString client = Text::lowerAZ(Text::trim(query.client));
    const QString services = Text::lowerAZ(Text::trim(query.services));
    const int needed = query.filterCount();
    // Each card's date and amount are read into these, not into strings of
    // their own: the summary reads every card of the archive.
    Record::FieldText dateText, amountText;

    return Archive::scan(
        ArchiveFiles::Appuntamenti, layout, leftOut,
        [&](const Record& card, qint64 position) -> Pick {
            if (needed > 0) {
                int matches = 0;
                if (!client.isEmpty() && Text::lowerAZ(card.get(contatto)).contains(client)) ++matches;
                if (!services.isEmpty() && Text::lowerAZ(card.get(causale)).contains(services)) ++matches;
                if (matches < needed) return false;
            }
            const QDate date = Formats::parseDate(card.read(data, dateText));
            if (!date.isValid()) return Pick::unreadableDate();
            if (date < query.start || date > query.end) return false;
            // An empty amount is none, as the amount field reads it.
            const QStringView amount = card.read(importo, amountText);
            if (!amount.isEmpty() && !total.add(amount)) return Pick::unreadableAmount();
            builder.append(card, lines, position);
            return true;
        },
        progress);
}
