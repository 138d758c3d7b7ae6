#pragma once
// The summaries of the commitments — to do, overdue, done — opened by the
// appointment card window, and the list line of an appointment they share
// with the appointment find. A double click (or Enter) on a line chooses
// its card, which the card window then shows.
#include <functional>
#include <optional>

#include "archive/RecordLines.h"
#include "archive/SummaryList.h"

namespace AppointmentLines {
// "Data: " date, "  Ora: " time, the services, "  Cliente: ", "  Cel. ",
// "  Importo: € " and the amount whole.
const std::vector<LinePart>& parts();
}  // namespace AppointmentLines

class TCommitmentSummary : public TSummaryList {
    Q_OBJECT
protected:
    TCommitmentSummary(QWidget* owner, const QString& objectName, const QString& caption, const QString& printTitle);
};

// Every card whose commitment is still to do, overdue or not.
class TfrmConfermati : public TCommitmentSummary {
    Q_OBJECT
public:
    explicit TfrmConfermati(QWidget* owner = nullptr);

protected:
    RecordFilter selection() const override;
};

// The cards still to do dated before today.
class TfrmScaduti : public TCommitmentSummary {
    Q_OBJECT
public:
    explicit TfrmScaduti(QWidget* owner = nullptr);

protected:
    RecordFilter selection() const override;
};

// The cards whose commitment is done.
class TfrmAssolti : public TCommitmentSummary {
    Q_OBJECT
public:
    explicit TfrmAssolti(QWidget* owner = nullptr);

protected:
    RecordFilter selection() const override;
};
