#pragma once
// Checks of the dates a user gives: the year of a menu, and the interval of a
// summary, with the messages the windows show.
#include <QDate>
#include <optional>

#include "ui/Messages.h"

namespace DateRules {

// What a refusal sends the user back to: the year, the first or the last day.
enum class Part { Year, Start, End };

// A refused year or interval: the message, its box, and the part to mend;
// none when the two days are each real but in the wrong order.
struct Refused {
    std::optional<Part> part;
    QString text;
    MsgKind kind = MsgKind::Warning;
};

// A year of exactly four characters: "Attenzione: indicare l'anno solare
// utilizzando quattro cifre.".
std::optional<Refused> year(const QString& year);

// Two dates "dd/mm/yyyy" of a summary, both ends included: each must name a
// real day (refused in a plain box) and the end may not come before the
// start (a plain box).
std::optional<Refused> interval(const QString& start, const QString& end);

}  // namespace DateRules
