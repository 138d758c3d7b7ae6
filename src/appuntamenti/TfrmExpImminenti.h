#pragma once
// The imminent appointments of the agenda, in time order, exported to
// "Appuntamenti_Imminenti.xls".
#include "appuntamenti/AppointmentSummary.h"

class TfrmExpImminenti : public TAppointmentSummary {
    Q_OBJECT
public:
    // The title of the help shared by the exports opened from the agenda.
    static inline const QString kHelpTitle = QStringLiteral("Visualizzazione appuntamenti");

    // Created for one use by the agenda, its owner.
    explicit TfrmExpImminenti(QWidget* owner = nullptr);

protected:
    Selection selection() const override;
};
