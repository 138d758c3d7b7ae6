#pragma once
// The detailed list of a case's documents: 32 entries edited apart from the
// case, printed or previewed with the case's heading, and given back to the
// case window only on "Applica e chiudi".
#include <array>
#include <optional>

#include "archive/CardRules.h"
#include "pratiche/CaseDocuments.h"
#include "ui/Form.h"

class QLineEdit;
class TRecordWindow;

class TfrmDettagli : public TForm {
    Q_OBJECT
public:
    explicit TfrmDettagli(QWidget* owner = nullptr);

    // Created for one use on the case the case window shows, modally, and
    // freed: the entries go into the case on "Applica e chiudi" (true),
    // nothing changes on "Annulla".
    static bool editOn(TRecordWindow& caseWindow);

    // The case as the case window shows it (for the printout's heading) and
    // its entries, each trimmed.
    void setCase(const CardValues& caseValues, const CaseDocuments& documents);
    // The entries as edited, each trimmed.
    CaseDocuments documents() const;
    const std::optional<CaseDocuments>& applied() const { return applied_; }

public slots:
    void btnChiudiClick();
    void btnAnnullaClick();
    void btnAnteprimaClick();
    void btnStampaClick();

private:
    std::array<QLineEdit*, CaseDocuments::kEntries> txtDoc_{};
    CardValues case_;
    std::optional<CaseDocuments> applied_;
};
