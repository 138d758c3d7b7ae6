#pragma once
// The appointment cards: one card per appointment fixed with a client, over
// "Archivio_Appuntamenti.pro". The date comes from the date picker, the hour
// and minutes from their lists; the client's data from the client archive.
// From here the user reaches the summaries of the commitments, the
// appointment find, the print of a card and the export of the archive.
#include "archive/RecordWindow.h"

class TfrmArchivio_Scadenze : public TRecordWindow {
    Q_OBJECT
public:
    static inline const QString kHelpTitle = QStringLiteral("App Schedario Appuntamenti");
    static inline const QString kMsgWhatsAppData = QStringLiteral(
        "Attenzione: per inviare la conferma dell'appuntamento al cliente tramite WhatsApp \u00E8 necessario "
        "indicare la data.");
    static inline const QString kMsgWhatsAppCel = QStringLiteral(
        "Attenzione: per inviare la conferma dell'appuntamento al cliente tramite WhatsApp \u00E8 necessario "
        "indicare il suo numero di cellulare.");

    explicit TfrmArchivio_Scadenze(QWidget* owner = nullptr);

    // The confirmation the client receives for the card on screen.
    QString confirmationText() const;

public slots:
    void cmdTrovaClick() override;
    void cmdStampaClick() override;
    void cmdAnteprimaClick() override;
    void cmdEsportaClick() override;
    void cmdAssoltiClick();
    void cmdDaAssolvereClick();
    void cmdScadutiClick();
    void impDataClick();
    void impContattoClick();
    void btnWhatsAppClick();

protected:
    void newCard() override;
    void tidyBeforeSave() override;
    void deriveFields() override;
    void afterDuplicate() override;

private:
    void buildSections();
    // A summary window shown over this one: the card chosen there is shown here.
    template <class Summary>
    void openSummary();
};
