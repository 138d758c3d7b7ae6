#pragma once
// The call register: one card per telephone call the office made or
// received, over "Registro_Chiamate.pro". The date and time of a call are
// picked from lists and composed into "dd/mm/yyyy" and "hh:mm" when it is
// saved; a client's data is imported from the client archive.
#include "archive/RecordWindow.h"

class TfrmChiamate : public TRecordWindow {
    Q_OBJECT
public:
    static inline const QString kHelpTitle = QStringLiteral("App Registro Chiamate");
    static inline const QString kInfoIniziale = QStringLiteral("Pronto per stampare una nuova scheda...");

    explicit TfrmChiamate(QWidget* owner = nullptr);

public slots:
    void cmdTrovaClick() override;
    void cmdStampaClick() override;
    void cmdAnteprimaClick() override;
    void cmdEsportaClick() override;
    void cmdRiepOggiClick();
    void impClienteClick();
    void impRitiroClick();
    void impOraRitClick();

protected:
    void newCard() override;
    void deriveFields() override;
    void afterDuplicate() override;

private:
    void buildSections();
    // The day, month and year lists / the hour and minute lists of a moment.
    void putDate(const QDate& date);
    void putTime(const QTime& time);
};
