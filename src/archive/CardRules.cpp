#include "archive/CardRules.h"

#include "platform/Text.h"

CardValues::CardValues(std::initializer_list<std::pair<CardField, QString>> values) {
    for (const auto& [field, value] : values) set(field, value);
}

void CardValues::set(const CardField& field, const QString& value) { values_.insert(field.name(), Text::trim(value)); }

namespace CardRules {

QString needs(const QString& what) {
    return QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare ") + what;
}

CardRule required(const CardField& field, const QString& warning) {
    return [field, warning](const CardValues& v) -> std::optional<Refusal> {
        if (v[field].isEmpty()) return Refusal{field, warning};
        return std::nullopt;
    };
}

std::vector<CardRule> requiredOf(const CardCatalogue& card) {
    std::vector<CardRule> rules;
    for (const CardField& f : card.requiredFields()) rules.push_back(required(f, f.row().required));
    return rules;
}

std::optional<Refusal> check(const std::vector<CardRule>& rules, const CardValues& values) {
    for (const CardRule& rule : rules)
        if (std::optional<Refusal> r = rule(values)) return r;
    return std::nullopt;
}

}  // namespace CardRules
