#pragma once
// The records a scan left out because what decides them cannot be read: how
// many, and the first of them. The scan of an archive (Archive::scan) fills
// one for every list, summary and export; the window that shows them tells
// it once, so that a damaged card is never hidden without a sign.
#include <QString>
#include <QtGlobal>

#include "archive/RecordLayout.h"

class QLabel;

class LeftOut {
public:
    // How the window words them: a list says that the cards are not listed,
    // a summed summary that they are not in its total.
    enum class Telling { List, Sum };
    explicit LeftOut(Telling telling = Telling::List) : telling_(telling) {}

    // Counts what a scan made of the record at position (from 1); true when
    // it is taken.
    bool tally(const Pick& pick, qint64 position);
    // Whether the filter takes the record; a record it cannot tell is
    // counted. An empty filter takes every record.
    bool takes(const RecordFilter& filter, const Record& record, qint64 position) {
        return !filter || tally(filter(record), position);
    }

    void clear() { *this = LeftOut(telling_); }
    qint64 count() const { return count_; }
    qint64 first() const { return first_; }

    // A list: "N schede non sono elencate perché la data non è leggibile (la
    // prima è la scheda n. X).", with "la data o lo stato dell'impegno non
    // sono leggibili" when a done flag was among the causes and "la data o
    // l'importo non sono leggibili" when an amount was. A sum: "Attenzione: N
    // schede non sono comprese nel riepilogo perché la data o l'importo non
    // sono leggibili (…)", since its total rests on both. Empty when none.
    QString message() const;
    // The message in the window's line, hidden when there is none.
    void showIn(QLabel* line) const;

private:
    Telling telling_;
    qint64 count_ = 0;
    qint64 first_ = 0;
    bool state_ = false;
    bool amount_ = false;
};
