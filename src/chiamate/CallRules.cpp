#include "chiamate/CallRules.h"

#include "platform/Formats.h"

namespace {

using CardRules::needs;
using Check = std::function<bool(const QString&)>;

CardRule rule(const char* field, Check passes, const QString& warning, MsgKind kind = MsgKind::Warning) {
    return [field = QString::fromLatin1(field), passes = std::move(passes), warning,
            kind](const CardValues& v) -> std::optional<Refusal> {
        if (passes(v[field])) return std::nullopt;
        return Refusal{field, warning, kind};
    };
}

bool filled(const QString& s) { return !s.isEmpty(); }
Check atLeast(int n) {
    return [n](const QString& s) { return s.size() >= n; };
}

}  // namespace

namespace CallRules {

QString composedDate(const CardValues& call) {
    return Formats::composeDate(call["Giorno"], Formats::monthNumber(call["Mese"]), call["Anno"]);
}

const std::vector<CardRule>& saveRules() {
    static const std::vector<CardRule> rules = {
        rule("Giorno", filled, needs("il giorno della chiamata.")),
        rule("Giorno", atLeast(2), needs("il giorno della chiamata usando due cifre.")),
        rule("Mese", filled, needs("il mese della chiamata.")),
        rule("Anno", filled, needs("l'anno della chiamata.")),
        rule("Anno", atLeast(4), needs("l'anno della chiamata usando quattro cifre.")),
        rule("Ore", filled, needs("l'ora della chiamata.")),
        rule("Minuti", filled, needs("i minuti dell'ora della chiamata.")),
        rule("Ore", atLeast(2), needs("l'ora della chiamata usando due cifre.")),
        rule("Minuti", atLeast(2), needs("i minuti dell'ora della vendita usando due cifre.")),
        rule("Tipo", filled, needs("il tipo di chiamata (in entrata o in uscita).")),
        rule("Oggetto", filled, needs("l'oggetto della chiamata.")),
        rule("Cliente", filled, needs("il nome del cliente.")),
        rule("CodFisc", filled, needs("il codice fiscale del cliente.")),
        rule("TelCel", filled, needs("il numero di cellulare del cliente.")),
        rule(
            "Mese", [](const QString& m) { return Formats::monthNumber(m) > 0; },
            QStringLiteral("Attenzione: selezionare il mese dal menu a cascata.\n\r\n\r"
                           "Per poter salvare la scheda \u00E8 necessario indicare una data valida.")),
        [](const CardValues& v) -> std::optional<Refusal> {
            const QString date = composedDate(v);
            if (Formats::parseDate(date).isValid()) return std::nullopt;
            return Refusal{
                QStringLiteral("Giorno"),
                QStringLiteral("Attenzione: la data ") + date +
                    QStringLiteral(" non esiste.\n\r\n\r"
                                   "Per poter salvare la scheda \u00E8 necessario indicare una data valida."),
                MsgKind::Plain};
        },
    };
    return rules;
}

}  // namespace CallRules
