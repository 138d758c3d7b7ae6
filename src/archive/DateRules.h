#pragma once
// Checks of the dates a user gives: the year of a menu, and the interval of a
// summary, with the messages the windows show.
#include <QDate>
#include <optional>

#include "archive/CardRules.h"

namespace DateRules {

// A year of exactly four characters: "Attenzione: indicare l'anno solare
// utilizzando quattro cifre.".
std::optional<Refusal> fourDigitYear(const QString& year, const QString& field);

// Two dates "dd/mm/yyyy" of a summary, both ends included: each must name a
// real day (refused in a plain box, the focus on its field) and the end may
// not come before the start (a plain box).
std::optional<Refusal> interval(const QString& start, const QString& end, const QString& startField,
                                const QString& endField);

}  // namespace DateRules
