#pragma once
// The revenue summary: the checks of the period menu, and the appointments of
// a period that pass the client and services filters, each as its line, with
// the total of their amounts in whole cents.
#include <QDate>
#include <QString>
#include <vector>

#include "archive/CardRules.h"
#include "archive/RecordLayout.h"
#include "platform/Formats.h"
#include "ui/RecordList.h"

class ProgressWork;

namespace RevenueRules {

// The values the menu's checks read, by control: "txtAnno",
// "txtGiornoInizio", "txtMeseInizio", "txtGiornoFine", "txtMeseFine".
// In order: a four-digit year, the four lists picked, both dates real days,
// the end not before the start. Each refusal names the control to focus.
const std::vector<CardRule>& periodRules();

// The first or last day of the period, "dd/mm/yyyy", from the day and month
// picked and the year: 31 Aprile 2025 gives "31/04/2025", no real day.
QString startDate(const CardValues& menu);
QString endDate(const CardValues& menu);

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
    qint64 leftOut = 0;
    qint64 firstLeftOut = 0;  // the position of the first

    // Reads the appointment archive (created when missing), each line "ID:
    // " + the card's key (year, month, day, hour, minutes), then date, time,
    // services, client, cellphone and amount. Throws ArchiveError when the
    // archive cannot be read; what was read before stays. Given progress,
    // the reading is long work the user may cancel: false then.
    bool read(const RevenueQuery& query, ProgressWork* progress = nullptr);
};
