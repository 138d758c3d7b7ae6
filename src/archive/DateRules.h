#pragma once
// Checks of the dates a user gives: the year of a menu, and the interval of a
// summary, with the messages the windows show.
#include <QDate>
#include <optional>

#include "archive/CardRules.h"

namespace DateRules {

// A year of exactly four characters: "Attenzione: indicare l'anno solare
// utilizzando quattro cifre.".
std::optional<Refusal> fourDigitYear(const QString& year, const QString& field = {});

// The end of a summary's interval a refusal sends the user back to.
enum class IntervalEnd { Start, End };

// What is wrong with an interval: the message, and the end to mend; none
// when each end is a real day but the two are in the wrong order.
struct IntervalRefusal {
    std::optional<IntervalEnd> end;
    QString text;
    MsgKind kind = MsgKind::Plain;

    bool operator==(const IntervalRefusal&) const = default;
};

// Two dates "dd/mm/yyyy" of a summary, both ends included: each must name a
// real day (refused in a plain box, the focus on its end) and the end may
// not come before the start (a plain box).
std::optional<IntervalRefusal> interval(const QString& start, const QString& end);

// Transitional, for a window whose rules name its fields by text: the same
// checks, the refusal naming the end's field.
std::optional<Refusal> interval(const QString& start, const QString& end, const QString& startField,
                                const QString& endField);

}  // namespace DateRules
