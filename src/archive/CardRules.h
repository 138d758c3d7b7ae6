#pragma once
// The checks a card passes before it is saved, or a choice before a summary
// is shown, as plain rules over the values: each takes the values and
// either lets them pass or refuses them with a message and the field the
// user must mend. The window shows the box and moves the focus there.
#include <QHash>
#include <QString>
#include <functional>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

#include "archive/CardCatalogue.h"
#include "ui/Messages.h"

struct Refusal {
    CardField field;  // the field (or, outside a card, the control) the focus goes to
    QString text;
    MsgKind kind = MsgKind::Warning;

    bool operator==(const Refusal&) const = default;
};

// The values of a card, trimmed, by field name; a field it does not hold is
// empty.
class CardValues {
public:
    CardValues() = default;
    CardValues(std::initializer_list<std::pair<CardField, QString>> values);

    void set(const CardField& field, const QString& value);
    QString operator[](const CardField& field) const { return values_.value(field.name()); }

private:
    QHash<QString, QString> values_;
};

using CardRule = std::function<std::optional<Refusal>(const CardValues&)>;

namespace CardRules {

// "Attenzione: per salvare la scheda è necessario indicare " + what: the
// warning of most required fields.
QString needs(const QString& what);

// The field may not be left empty.
CardRule required(const CardField& field, const QString& warning);

// The card's required fields, in the catalogue's order: the first one left
// empty is refused with its warning.
std::vector<CardRule> requiredOf(const CardCatalogue& card);

// The first refusal of the rules, in order.
std::optional<Refusal> check(const std::vector<CardRule>& rules, const CardValues& values);

}  // namespace CardRules
