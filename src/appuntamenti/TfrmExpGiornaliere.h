#pragma once
// The appointments of one day, done or not, in time order, exported to
// "Appuntamenti_Giornalieri.xls".
#include <QDate>

#include "archive/ExportWindow.h"

class TfrmExpGiornaliere : public TExportWindow {
    Q_OBJECT
public:
    // Created for one use by the agenda, its owner, on the day chosen in its
    // calendar; without a day, today.
    explicit TfrmExpGiornaliere(QWidget* owner = nullptr, const QDate& day = QDate());

    const QDate& day() const { return day_; }

private:
    QDate day_;
};
