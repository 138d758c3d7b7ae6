#pragma once
// The case archive: one card per matter the office handles for a client,
// over "Pratiche.pro". Besides its twenty inputs and the urgency flag a case
// carries, unseen, its detailed list of 32 documents and three attached
// files; its position names its own folder on disk ("Pratica_" + position).
#include "archive/RecordWindow.h"

class TfrmPratica : public TRecordWindow {
    Q_OBJECT
public:
    static inline const QString kHelpTitle = QStringLiteral("App Archivio Pratiche");

    explicit TfrmPratica(QWidget* owner = nullptr);

public slots:
    // A new case, opened today.
    void cmdNuovoClick() override;
    void cmdTrovaClick() override;
    void cmdStampaClick() override;
    void cmdAnteprimaClick() override;
    void cmdExcelClick();
    void cmdUrgenteClick();
    void cmdAllegaClick();
    void cmdCartellaClick();
    void btnElencoClick();
    void impClienteClick();

private:
    void buildSections();
};
