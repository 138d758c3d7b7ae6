#pragma once
// The records a scan left out because what decides them cannot be read: how
// many, and the first of them. The scans of the lists, summaries and exports
// fill one; the window that shows them tells it once, in a line under the
// list, so that a damaged card is never hidden without a sign.
#include <QString>
#include <QtGlobal>

#include "archive/RecordLayout.h"

class QLabel;

class LeftOut {
public:
    // Whether the filter takes the record at position (from 1); a record it
    // cannot tell is counted. An empty filter takes every record.
    bool takes(const RecordFilter& filter, const Record& record, qint64 position);

    void clear() { *this = LeftOut(); }
    qint64 count() const { return count_; }
    qint64 first() const { return first_; }

    // "N schede non sono elencate perché la data non è leggibile (la prima è
    // la scheda n. X).", with "la data o lo stato dell'impegno non sono
    // leggibili" when a done flag was among the causes; empty when none.
    QString message() const;
    // The message in the window's line, hidden when there is none.
    void showIn(QLabel* line) const;

private:
    qint64 count_ = 0;
    qint64 first_ = 0;
    bool state_ = false;
};
