#include "archive/DateRules.h"

#include "platform/Formats.h"
#include "platform/Text.h"

namespace {

DateRules::IntervalRefusal missing(const QString& date, DateRules::IntervalEnd end) {
    const char* which = end == DateRules::IntervalEnd::Start ? "inizio" : "fine";
    return {end, QStringLiteral("Attenzione: la data ") + date + QStringLiteral(" di ") + QLatin1String(which) +
                     QStringLiteral(" intervallo non esiste.\n\r\n\r"
                                    "Per poter visualizzare il riepilogo \u00E8 necessario indicare una data valida.")};
}

}  // namespace

namespace DateRules {

std::optional<Refusal> fourDigitYear(const QString& year, const QString& field) {
    if (year.size() == 4) return std::nullopt;
    return Refusal{field, QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.")};
}

std::optional<IntervalRefusal> interval(const QString& start, const QString& end) {
    const QString from = Text::trim(start), to = Text::trim(end);
    const QDate first = Formats::parseDate(from), last = Formats::parseDate(to);
    if (!first.isValid()) return missing(from, IntervalEnd::Start);
    if (!last.isValid()) return missing(to, IntervalEnd::End);
    if (first > last)
        return IntervalRefusal{
            std::nullopt, QStringLiteral("Attenzione: la data di fine intervallo (") + to +
                              QStringLiteral(") non pu\u00F2 essere anteriore a quella di inizio intervallo (") + from +
                              QStringLiteral(").\n\r\n\rPer poter visualizzare il riepilogo \u00E8 necessario "
                                             "indicare un intervallo di tempo valido.")};
    return std::nullopt;
}

std::optional<Refusal> interval(const QString& start, const QString& end, const QString& startField,
                                const QString& endField) {
    const std::optional<IntervalRefusal> r = interval(start, end);
    if (!r) return std::nullopt;
    QString field;
    if (r->end) field = *r->end == IntervalEnd::Start ? startField : endField;
    return Refusal{field, r->text, r->kind};
}

}  // namespace DateRules
