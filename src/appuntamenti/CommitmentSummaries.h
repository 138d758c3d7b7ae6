#pragma once
// The summaries of the commitments — to do, overdue, done — opened by the
// appointment card window, and the list line of an appointment they share
// with the appointment find. A double click (or Enter) on a line chooses
// its card, which the card window then shows.
#include <functional>
#include <optional>

#include "archive/RecordLines.h"
#include "ui/Form.h"

class TQuickFind;
class TRecordList;

namespace AppointmentLines {
// "Data: " date, "  Ora: " time, the services, "  Cliente: ", "  Cel. ",
// "  Importo: € " and the amount whole.
const std::vector<LinePart>& parts();
}  // namespace AppointmentLines

class TCommitmentSummary : public TForm {
    Q_OBJECT
public:
    // Shows the summary modally; the card of the line chosen, read fresh from
    // the archive, or nothing.
    std::optional<FoundRecord> choose();
    const std::optional<FoundRecord>& chosen() const { return chosen_; }
    TRecordList* list() const { return list_; }

public slots:
    // A double click or Enter on a line (row), or on none (-1).
    void lstRecordsDblClick(int row);
    void btnStampaClick();

protected:
    // Which cards the summary lists, decided once for each filling.
    using Selection = std::function<bool(const Record& card)>;

    TCommitmentSummary(QWidget* owner, const QString& objectName, const QString& caption, const QString& printTitle);
    virtual Selection selection() const = 0;

    void FormShow() override;
    void FormClose() override;

private:
    QString printTitle_;
    TRecordList* list_;
    TQuickFind* quickFind_;
    std::optional<FoundRecord> chosen_;
};

// Every card whose commitment is still to do, overdue or not.
class TfrmConfermati : public TCommitmentSummary {
    Q_OBJECT
public:
    explicit TfrmConfermati(QWidget* owner = nullptr);

protected:
    Selection selection() const override;
};

// The cards still to do dated before today.
class TfrmScaduti : public TCommitmentSummary {
    Q_OBJECT
public:
    explicit TfrmScaduti(QWidget* owner = nullptr);

protected:
    Selection selection() const override;
};

// The cards whose commitment is done.
class TfrmAssolti : public TCommitmentSummary {
    Q_OBJECT
public:
    explicit TfrmAssolti(QWidget* owner = nullptr);

protected:
    Selection selection() const override;
};
