#pragma once
// The revenue summary: the checks of the period menu, and the appointments of
// a period that pass the client and services filters, each as its line, with
// the total of their amounts in whole cents.
#include <QDate>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "archive/LeftOut.h"
#include "platform/Formats.h"
#include "ui/Messages.h"
#include "ui/RecordList.h"

class ProgressWork;

// The period as the menu holds it, each part trimmed: the year typed, the
// days and months picked from their lists.
struct RevenuePeriod {
    QString year;
    QString startDay, startMonth;
    QString endDay, endMonth;

    // The first or last day, "dd/mm/yyyy", from the day and month picked and
    // the year: 31 Aprile 2025 gives "31/04/2025", no real day.
    QString startDate() const;
    QString endDate() const;
};

// A part of the period, where a refusal puts the focus.
enum class PeriodPart { Year, StartDay, StartMonth, EndDay, EndMonth };

struct PeriodRefusal {
    std::optional<PeriodPart> focus;  // none: the two days are out of order
    QString text;
    MsgKind kind = MsgKind::Warning;

    bool operator==(const PeriodRefusal&) const = default;
};

namespace RevenueRules {

using PeriodRule = std::function<std::optional<PeriodRefusal>(const RevenuePeriod&)>;

// In order: a four-digit year, the four lists picked, both dates real days,
// the end not before the start.
const std::vector<PeriodRule>& periodRules();
// The first refusal of the rules.
std::optional<PeriodRefusal> check(const RevenuePeriod& period);

}  // namespace RevenueRules

// What the summary is asked for: the filters as typed and the period.
struct RevenueQuery {
    QString client;    // found in the card's client, any case; empty takes every client
    QString services;  // found in the card's services, the same way
    QDate start, end;  // both included

    // The filters given (0 to 2); a card must match as many.
    int filterCount() const;
};

struct RevenueSummary {
    ListLines lines;  // in file order, each with its card's position
    Formats::AmountSum total;
    // Cards that pass the filters but whose date or amount cannot be read:
    // passed over, and counted so that the user is told.
    LeftOut leftOut{LeftOut::Telling::Sum};

    // Reads the appointment archive (created when missing), each line "ID:
    // " + the card's key (year, month, day, hour, minutes), then date, time,
    // services, client, cellphone and amount. Throws ArchiveError when the
    // archive cannot be read; what was read before stays. Given progress,
    // the reading is long work the user may cancel: false then.
    bool read(const RevenueQuery& query, ProgressWork* progress = nullptr);
};
