#include "archive/DateRules.h"

#include "platform/Formats.h"
#include "platform/Text.h"

namespace {

Refusal missing(const QString& date, const char* end, const QString& field) {
    return {field,
            QStringLiteral("Attenzione: la data ") + date + QStringLiteral(" di ") + QLatin1String(end) +
                QStringLiteral(" intervallo non esiste.\n\r\n\r"
                               "Per poter visualizzare il riepilogo \u00E8 necessario indicare una data valida."),
            MsgKind::Plain};
}

}  // namespace

namespace DateRules {

std::optional<Refusal> fourDigitYear(const QString& year, const QString& field) {
    if (year.size() == 4) return std::nullopt;
    return Refusal{field, QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.")};
}

std::optional<Refusal> interval(const QString& start, const QString& end, const QString& startField,
                                const QString& endField) {
    const QString from = Text::trim(start), to = Text::trim(end);
    const QDate first = Formats::parseDate(from), last = Formats::parseDate(to);
    if (!first.isValid()) return missing(from, "inizio", startField);
    if (!last.isValid()) return missing(to, "fine", endField);
    if (first > last)
        return Refusal{{},
                       QStringLiteral("Attenzione: la data di fine intervallo (") + to +
                           QStringLiteral(") non pu\u00F2 essere anteriore a quella di inizio intervallo (") + from +
                           QStringLiteral(").\n\r\n\rPer poter visualizzare il riepilogo \u00E8 necessario indicare "
                                          "un intervallo di tempo valido."),
                       MsgKind::Plain};
    return std::nullopt;
}

}  // namespace DateRules
