#pragma once
// The appointments of one month, done or not, in time order, exported to
// "Appuntamenti_Mensili.xls".
#include <QDate>

#include "archive/ExportWindow.h"

class TfrmExpMensili : public TExportWindow {
    Q_OBJECT
public:
    // Created for one use by the agenda, its owner, on the month of the day
    // chosen in its calendar; without a day, this month.
    explicit TfrmExpMensili(QWidget* owner = nullptr, const QDate& day = QDate());

    const QDate& day() const { return day_; }

private:
    QDate day_;
};
