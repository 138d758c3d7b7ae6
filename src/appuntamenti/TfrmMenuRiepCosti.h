#pragma once
// The revenue menu: the year, the client and services filters and the
// period, picked day by day and month by month from lists. "Visualizza
// riepilogo" checks the period and shows the summary of the appointments
// in it.
#include <functional>

#include "appuntamenti/RevenueRules.h"
#include "ui/Form.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TfrmRiepCosti;

class TfrmMenuRiepCosti : public TAppWindow {
    Q_OBJECT
public:
    static inline const QString kMsgNonAccessibile =
        QStringLiteral("Attenzione: il file di archivio non risulta accessibile.");

    explicit TfrmMenuRiepCosti(QWidget* owner = nullptr);

    // The summary window "Visualizza riepilogo" opens, given when first
    // needed; without one the menu makes its own.
    using WindowSource = std::function<TfrmRiepCosti*()>;
    void setSummaryWindow(WindowSource source) { summary_ = std::move(source); }

    // The period as the menu holds it, trimmed, for the checks.
    RevenuePeriod period() const;

public slots:
    void btnVisualizzaClick();
    void impClienteClick();
    void btnEsciClick();

protected:
    void FormShow() override;

private:
    TfrmRiepCosti* summaryWindow();
    QWidget* control(PeriodPart part) const;

    WindowSource summary_;
    TfrmRiepCosti* ownSummary_ = nullptr;
    QLineEdit* txtAnno_;
    QLineEdit* txtCliente_;
    QLineEdit* txtTarga_;
    QComboBox* txtGiornoInizio_;
    QComboBox* txtMeseInizio_;
    QComboBox* txtGiornoFine_;
    QComboBox* txtMeseFine_;
    QLabel* lblAnnoInizio_;
    QLabel* lblAnnoFine_;
    QLabel* lblDataInizio_;
    QLabel* lblDataFine_;
    QLabel* lblAttendere_;
    QPushButton* btnVisualizza_;
};
