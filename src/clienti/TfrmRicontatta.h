#pragma once
// The clients marked "Da ricontattare": their list, the quick find, the print
// and the double click that chooses a client for the client window.
#include <optional>

#include "archive/RecordLines.h"
#include "ui/Form.h"

class TQuickFind;
class TRecordList;

class TfrmRicontatta : public TForm {
    Q_OBJECT
public:
    static inline const QString kTitolo = QStringLiteral("Riepilogo clienti da ricontattare");

    // owner: the client window, which opens the client chosen.
    explicit TfrmRicontatta(QWidget* owner = nullptr);

    // The client of the line double-clicked, read fresh from the archive.
    const std::optional<FoundRecord>& chosen() const { return chosen_; }

public slots:
    // A double click or Enter on a line (row), or on none (-1).
    void lstRecordsDblClick(int row);
    void btnStampaClick();

protected:
    void FormShow() override;
    void FormClose() override;

private:
    TRecordList* list_;
    TQuickFind* quickFind_;
    std::optional<FoundRecord> chosen_;
};
