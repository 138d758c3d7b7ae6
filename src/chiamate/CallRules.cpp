#include "chiamate/CallRules.h"

#include "archive/CallFields.h"
#include "platform/Formats.h"

namespace {

using CardRules::needs;
using Check = std::function<bool(const QString&)>;

CardRule rule(const CardField& field, Check passes, const QString& warning, MsgKind kind = MsgKind::Warning) {
    return [field, passes = std::move(passes), warning, kind](const CardValues& v) -> std::optional<Refusal> {
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
    const CallFields& f = CallFields::get();
    return Formats::composeDate(call[f.Giorno], Formats::monthNumber(call[f.Mese]), call[f.Anno]);
}

const std::vector<CardRule>& saveRules() {
    static const std::vector<CardRule> rules = [] {
        const CallFields& f = CallFields::get();
        return std::vector<CardRule>{
            rule(f.Giorno, filled, needs("il giorno della chiamata.")),
            rule(f.Giorno, atLeast(2), needs("il giorno della chiamata usando due cifre.")),
            rule(f.Mese, filled, needs("il mese della chiamata.")),
            rule(f.Anno, filled, needs("l'anno della chiamata.")),
            rule(f.Anno, atLeast(4), needs("l'anno della chiamata usando quattro cifre.")),
            rule(f.Ore, filled, needs("l'ora della chiamata.")),
            rule(f.Minuti, filled, needs("i minuti dell'ora della chiamata.")),
            rule(f.Ore, atLeast(2), needs("l'ora della chiamata usando due cifre.")),
            rule(f.Minuti, atLeast(2), needs("i minuti dell'ora della vendita usando due cifre.")),
            rule(f.Tipo, filled, needs("il tipo di chiamata (in entrata o in uscita).")),
            rule(f.Oggetto, filled, needs("l'oggetto della chiamata.")),
            rule(f.Cliente, filled, needs("il nome del cliente.")),
            rule(f.CodFisc, filled, needs("il codice fiscale del cliente.")),
            rule(f.TelCel, filled, needs("il numero di cellulare del cliente.")),
            rule(
                f.Mese, [](const QString& m) { return Formats::monthNumber(m) > 0; },
                QStringLiteral("Attenzione: selezionare il mese dal menu a cascata.\n\r\n\r"
                               "Per poter salvare la scheda \u00E8 necessario indicare una data valida.")),
            [giorno = f.Giorno](const CardValues& v) -> std::optional<Refusal> {
                const QString date = composedDate(v);
                if (Formats::parseDate(date).isValid()) return std::nullopt;
                return Refusal{
                    giorno,
                    QStringLiteral("Attenzione: la data ") + date +
                        QStringLiteral(" non esiste.\n\r\n\r"
                                       "Per poter salvare la scheda \u00E8 necessario indicare una data valida."),
                    MsgKind::Plain};
            },
        };
    }();
    return rules;
}

}  // namespace CallRules
