#include "pratiche/CaseRules.h"

namespace CaseRules {

const std::vector<CardRule>& saveRules() {
    using CardRules::needs;
    using CardRules::required;
    static const std::vector<CardRule> rules = {
        required(QStringLiteral("Oggetto"), needs(QStringLiteral("l'oggetto della pratica."))),
        required(QStringLiteral("Protocollo"), needs(QStringLiteral("il numero di protocollo della pratica."))),
        required(QStringLiteral("Apertura"), needs(QStringLiteral("la data di apertura della pratica."))),
        required(QStringLiteral("Cliente"), needs(QStringLiteral("il nome del cliente."))),
    };
    return rules;
}

}  // namespace CaseRules
