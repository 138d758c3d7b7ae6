#include "archive/LeftOut.h"

#include <QLabel>

bool LeftOut::takes(const RecordFilter& filter, const Record& record, qint64 position) {
    if (!filter) return true;
    const Pick pick = filter(record);
    switch (pick.kind()) {
    case Pick::Take: return true;
    case Pick::Leave: return false;
    case Pick::UnreadableState: state_ = true; [[fallthrough]];
    case Pick::UnreadableDate:
        if (count_++ == 0) first_ = position;
        return false;
    }
    return false;
}

QString LeftOut::message() const {
    if (count_ == 0) return {};
    const QString why = state_ ? QStringLiteral("la data o lo stato dell'impegno non sono leggibili")
                               : QStringLiteral("la data non \u00E8 leggibile");
    if (count_ == 1)
        return QStringLiteral("1 scheda non \u00E8 elencata perch\u00E9 %1 (\u00E8 la scheda n. %2).")
            .arg(why)
            .arg(first_);
    return QStringLiteral("%1 schede non sono elencate perch\u00E9 %2 (la prima \u00E8 la scheda n. %3).")
        .arg(count_)
        .arg(why)
        .arg(first_);
}

void LeftOut::showIn(QLabel* line) const {
    const QString text = message();
    line->setText(text);
    line->setVisible(!text.isEmpty());
}
