#pragma once
// The client window: the office's address book of clients, one card at a
// time over "Contatti.pro".
#include <memory>

#include "archive/RecordWindow.h"

class TReport;

class TfrmClienti : public TRecordWindow {
    Q_OBJECT
public:
    static inline const QString kHelpTitle = QStringLiteral("App Clienti e Servizi");

    static inline const QString kMsgPdf = QStringLiteral(
        "L'esportazione della scheda in PDF \u00E8 terminata con successo.\r\n\r\nSi vuole aprire il file?");

    explicit TfrmClienti(QWidget* owner = nullptr);
    ~TfrmClienti() override;

    // The card the window carries, as last printed, previewed or exported
    // (a blank card before).
    TReport& repScheda() const { return *repScheda_; }

public slots:
    void btnChiamateClick();
    void btnProveClick();
    void cmdRicontattaClick();
    void cmdFileClick();
    void cmdTrovaClick() override;
    void cmdEsportaClick() override;
    void cmdStampaClick() override;
    void cmdAnteprimaClick() override;
    void cmdPDFClick();

private:
    void buildSections();

    std::unique_ptr<TReport> repScheda_;
};
