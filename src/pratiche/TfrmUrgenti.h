#pragma once
// The cases marked urgent, in file order, whatever their state: a closed or
// settled case still marked urgent is listed too. A double click opens the
// case in the case window.
#include "archive/SummaryList.h"

class TfrmUrgenti : public TSummaryList {
    Q_OBJECT
public:
    static inline const QString kTitolo = QStringLiteral("Riepilogo pratiche urgenti");

    // Created for one use by the case window, its owner.
    explicit TfrmUrgenti(QWidget* owner = nullptr);

protected:
    RecordFilter selection() const override;
};
