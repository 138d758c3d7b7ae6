#pragma once
// The clients marked "Da ricontattare": their list, the quick find, the print
// and the double click that chooses a client for the client window.
#include <optional>

#include "archive/SummaryList.h"

class TfrmRicontatta : public TSummaryList {
    Q_OBJECT
public:
    static inline const QString kTitolo = QStringLiteral("Riepilogo clienti da ricontattare");

    // owner: the client window, which opens the client chosen.
    explicit TfrmRicontatta(QWidget* owner = nullptr);

protected:
    RecordFilter selection() const override;
};
