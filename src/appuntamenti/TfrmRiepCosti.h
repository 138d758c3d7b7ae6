#pragma once
// The revenue summary: the appointments of the period that pass the menu's
// filters, done or not, one line each in time order, and the total of their
// amounts. The quick find keeps its text from one opening to the next.
#include "appuntamenti/RevenueRules.h"
#include "ui/Form.h"
#include "ui/Messages.h"

class QLabel;
class QLineEdit;
class TQuickFind;
class TRecordList;

class TfrmRiepCosti : public TForm {
    Q_OBJECT
public:
    static inline const QString kHelpTitle = QStringLiteral("App Riepiloghi Incassi");
    // The summing's name in its progress window.
    static inline const QString kLavoroRiepilogo = QStringLiteral("Calcolo del riepilogo in corso\u2026");

    explicit TfrmRiepCosti(QWidget* owner = nullptr);

    // Shows the summary of the query modally.
    void showSummary(const RevenueQuery& query);

    // What showing the window does: reads the archive and fills the list,
    // the interval and the total for the query given last.
    void load(const RevenueQuery& query);

public slots:
    void btnStampaClick();
    void btnEsciClick();
    void imgGuidaClick();

protected:
    void FormShow() override;
    void FormClose() override;

private:
    // A message over the summary once it is on screen, the list filled.
    void tellWhenShown(MsgKind kind, const QString& text);
    // "- - -" without a client filter.
    QString clientText() const;
    // "Dal   " start "   al   " end.
    QString intervalText() const;

    RevenueQuery query_;
    QString total_;       // empty when the archive could not be read
    QString findMemory_;  // the quick find's text, kept from one opening to the next
    TRecordList* lstRecords_;
    TQuickFind* quickFind_;
    QLineEdit* txtTrova_;
    QLabel* titTipologia_;
    QLabel* lblIntervallo_;
    QLabel* lblTotCosti_;
    QLabel* lblConta_;
};
