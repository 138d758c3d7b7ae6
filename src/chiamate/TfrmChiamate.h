#pragma once
// The call register: one card per telephone call the office made or
// received, over "Registro_Chiamate.pro". The date and time of a call are
// picked from lists and composed into "dd/mm/yyyy" and "hh:mm" when it is
// saved; a client's data is imported from the client archive.
#include "archive/RecordWindow.h"

class QComboBox;
class QLineEdit;

class TfrmChiamate : public TRecordWindow {
    Q_OBJECT
public:
    static inline const QString kHelpTitle = QStringLiteral("App Registro Chiamate");
    static inline const QString kInfoIniziale = QStringLiteral("Pronto per stampare una nuova scheda...");

    explicit TfrmChiamate(QWidget* owner = nullptr);

    // "Gennaio" for 1 to "Dicembre" for 12.
    static const QStringList& monthNames();

public slots:
    void cmdTrovaClick() override;
    void cmdStampaClick() override;
    void cmdAnteprimaClick() override;
    void cmdEsportaClick() override;
    void cmdRiepOggiClick();
    void impClienteClick();
    void impRitiroClick();
    void impOraRitClick();
    void btnCodFiscClick();
    void btnEmailClick();

protected:
    void newCard() override;
    bool validate() override;
    void completeRecord(Record& record) const override;
    void afterDuplicate() override;
    QWidget* duplicateFocus() const override;

private:
    void buildSections();
    QComboBox* pickList(const QString& objectName, const QStringList& entries, int width);
    // Stops a save: the message, then the focus on the field.
    bool refuse(const QString& control, const QString& warning, bool plain = false);
    // The day, month and year lists / the hour and minute lists of a moment.
    void putDate(const QDate& date);
    void putTime(const QTime& time);

    QComboBox* txtGiornoRit_ = nullptr;
    QComboBox* txtMeseRit_ = nullptr;
    QLineEdit* lblAnnoRit_ = nullptr;
    QComboBox* txtOreRit_ = nullptr;
    QComboBox* txtMinutiRit_ = nullptr;
    QComboBox* txtTipo_ = nullptr;
};
