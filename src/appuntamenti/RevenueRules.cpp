#include "appuntamenti/RevenueRules.h"

#include "archive/ArchivioSchede.h"
#include "archive/DateRules.h"
#include "archive/Layouts.h"
#include "archive/RecordLines.h"
#include "platform/Text.h"

namespace {

const QString kAnno = QStringLiteral("txtAnno");
const QString kGiornoInizio = QStringLiteral("txtGiornoInizio");
const QString kMeseInizio = QStringLiteral("txtMeseInizio");
const QString kGiornoFine = QStringLiteral("txtGiornoFine");
const QString kMeseFine = QStringLiteral("txtMeseFine");

CardRule picked(const QString& control, const char* what) {
    return [control, what](const CardValues& v) -> std::optional<Refusal> {
        if (!v[control].isEmpty()) return std::nullopt;
        return Refusal{control, QStringLiteral("Attenzione: indicare il ") + QLatin1String(what) +
                                    QStringLiteral(" intervallo selezionandolo dall'elenco a cascata.")};
    };
}

QString composed(const CardValues& v, const QString& day, const QString& month) {
    return Formats::composeDate(v[day], Formats::monthNumber(v[month]), v[kAnno]);
}

// The key is the year, month and day of the date ("dd/mm/yyyy"), the hour
// and the minutes, so that text order is time order. Then services 40,
// client 24 and cellphone 12 characters, narrower than the agenda's, so
// that the amount stays in sight.
const std::vector<LinePart>& lineParts() {
    static const std::vector<LinePart> parts = {
        {"ID: ", "Data", -1, 6, 4},
        {"", "Data", -1, 3, 2},
        {"", "Data", -1, 0, 2},
        {"", "OreApp"},
        {"", "MinutiApp"},
        {"  Data: ", "Data", 10},
        {"  Ora: ", "Ora", 5},
        {"  ", "Causale", 40},
        {"  Cliente: ", "Contatto", 24},
        {"  Cel. ", "Cel", 12},
        {"  \u20AC ", "Importo", -1},
    };
    return parts;
}

}  // namespace

namespace RevenueRules {

QString startDate(const CardValues& menu) { return composed(menu, kGiornoInizio, kMeseInizio); }
QString endDate(const CardValues& menu) { return composed(menu, kGiornoFine, kMeseFine); }

const std::vector<CardRule>& periodRules() {
    static const std::vector<CardRule> rules = {
        [](const CardValues& v) { return DateRules::fourDigitYear(v[kAnno], kAnno); },
        picked(kGiornoInizio, "giorno di inizio"),
        picked(kMeseInizio, "mese di inizio"),
        picked(kGiornoFine, "giorno di fine"),
        picked(kMeseFine, "mese di fine"),
        [](const CardValues& v) { return DateRules::interval(startDate(v), endDate(v), kGiornoInizio, kGiornoFine); },
    };
    return rules;
}

}  // namespace RevenueRules

int RevenueQuery::filterCount() const {
    return (Text::trim(client).isEmpty() ? 0 : 1) + (Text::trim(services).isEmpty() ? 0 : 1);
}

bool RevenueSummary::read(const RevenueQuery& query, ProgressWork* progress) {
    const RecordLayout& layout = Layouts::TSchedaAppuntamento();
    const LineBuilder builder(lineParts(), layout);
    const int contatto = layout.indexOf(QStringLiteral("Contatto"));
    const int causale = layout.indexOf(QStringLiteral("Causale"));
    const int data = layout.indexOf(QStringLiteral("Data"));
    const int importo = layout.indexOf(QStringLiteral("Importo"));
    // Trimmed and folded once; an empty filter never matches, so with no
    // filter every card passes (none of none).
    const QString client = Text::lowerAZ(Text::trim(query.client));
    const QString services = Text::lowerAZ(Text::trim(query.services));
    const int needed = query.filterCount();
    // Each card's date and amount are read into these, not into strings of
    // their own: the summary reads every card of the archive.
    Record::FieldText dateText, amountText;

    return Archive::forEach(
        ArchiveFiles::Appuntamenti, layout,
        [&](const Record& card, qint64 position) {
            if (needed > 0) {
                int matches = 0;
                if (!client.isEmpty() && Text::lowerAZ(card.get(contatto)).contains(client)) ++matches;
                if (!services.isEmpty() && Text::lowerAZ(card.get(causale)).contains(services)) ++matches;
                if (matches < needed) return;
            }
            auto passOver = [&] {
                if (leftOut++ == 0) firstLeftOut = position;
            };
            const QDate date = Formats::parseDate(card.read(data, dateText));
            if (!date.isValid()) return passOver();
            if (date < query.start || date > query.end) return;
            // An empty amount is none, as the amount field reads it.
            const QStringView amount = card.read(importo, amountText);
            if (!amount.isEmpty() && !total.add(amount)) return passOver();
            builder.append(card, lines, position);
        },
        progress);
}
