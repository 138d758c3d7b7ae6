#include "archive/LeftOut.h"

#include <QLabel>

bool LeftOut::tally(const Pick& pick, qint64 position) {
    switch (pick.kind()) {
    case Pick::Take: return true;
    case Pick::Leave: return false;
    case Pick::UnreadableState: state_ = true; break;
    case Pick::UnreadableAmount: amount_ = true; break;
    case Pick::UnreadableDate: break;
    }
    if (count_++ == 0) first_ = position;
    return false;
}

QString LeftOut::message() const {
    if (count_ == 0) return {};
    const bool sum = telling_ == Telling::Sum;
    const QString why = state_           ? QStringLiteral("la data o lo stato dell'impegno non sono leggibili")
                        : amount_ || sum ? QStringLiteral("la data o l'importo non sono leggibili")
                                         : QStringLiteral("la data non \u00E8 leggibile");
    const QString warning = sum ? QStringLiteral("Attenzione: ") : QString();
    if (count_ == 1)
        return warning + QStringLiteral("1 scheda non \u00E8 %1 perch\u00E9 %2 (\u00E8 la scheda n. %3).")
                             .arg(sum ? QStringLiteral("compresa nel riepilogo") : QStringLiteral("elencata"), why)
                             .arg(first_);
    return warning + QStringLiteral("%1 schede non sono %2 perch\u00E9 %3 (la prima \u00E8 la scheda n. %4).")
                         .arg(count_)
                         .arg(sum ? QStringLiteral("comprese nel riepilogo") : QStringLiteral("elencate"), why)
                         .arg(first_);
}

void LeftOut::showIn(QLabel* line) const {
    const QString text = message();
    line->setText(text);
    line->setVisible(!text.isEmpty());
}
