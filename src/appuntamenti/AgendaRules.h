#pragma once
// What the agenda and its exports read in an appointment card: its
// chronological key, whether it is imminent, and its line in the agenda.
#include <QDate>
#include <QString>

#include "archive/LeftOut.h"
#include "archive/RecordLayout.h"
#include "ui/RecordList.h"

namespace AgendaRules {

// Twelve digits, year, month, day, hour and minute ("202612090905" for
// 9 December 2026 at 09:05), so that text order is time order.
QString key(const Record& card);

// Not done, and its date minus its days of notice is today or earlier; a
// card to do long past stays imminent until it is marked done. A card not
// done whose date cannot be read cannot tell (it is counted as left out);
// days of notice that cannot be read count as none, so the appointment is
// still reminded on its day.
Pick imminence(const Record& card, const QDate& today);

// "ID: " + key, then date, time, client, cellphone, services and amount in
// fixed-width columns.
QString line(const Record& card);

// The lines of the imminent cards of the appointment archive (created when
// missing), in file order, each with its card's position; the cards whose
// date cannot be read are counted in leftOut. Throws on a file error; lines
// and leftOut keep what was read before.
void readImminent(ListLines& lines, const QDate& today, LeftOut& leftOut);

}  // namespace AgendaRules
