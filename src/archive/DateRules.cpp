#include "archive/DateRules.h"

#include "platform/Formats.h"
#include "platform/Text.h"

namespace {

DateRules::Refused missing(const QString& date, const char* end, DateRules::Part part) {
    return {part,
            QStringLiteral("Attenzione: la data ") + date + QStringLiteral(" di ") + QLatin1String(end) +
                QStringLiteral(" intervallo non esiste.\n\r\n\r"
                               "Per poter visualizzare il riepilogo \u00E8 necessario indicare una data valida."),
            MsgKind::Plain};
}

}  // namespace

namespace DateRules {

std::optional<Refused> year(const QString& year) {
    if (year.size() == 4) return std::nullopt;
    return Refused{Part::Year, QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.")};
}

std::optional<Refused> interval(const QString& start, const QString& end) {
    const QString from = Text::trim(start), to = Text::trim(end);
    const QDate first = Formats::parseDate(from), last = Formats::parseDate(to);
    if (!first.isValid()) return missing(from, "inizio", Part::Start);
    if (!last.isValid()) return missing(to, "fine", Part::End);
    if (first > last)
        return Refused{std::nullopt,
                       QStringLiteral("Attenzione: la data di fine intervallo (") + to +
                           QStringLiteral(") non pu\u00F2 essere anteriore a quella di inizio intervallo (") + from +
                           QStringLiteral(").\n\r\n\rPer poter visualizzare il riepilogo \u00E8 necessario indicare "
                                          "un intervallo di tempo valido."),
                       MsgKind::Plain};
    return std::nullopt;
}

}  // namespace DateRules
