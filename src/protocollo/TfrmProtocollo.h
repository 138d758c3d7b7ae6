#pragma once
// The protocol register of one year: one card per document received, sent
// or produced inside the office, over the year's archive (year + ".prt").
// "Nuovo" proposes the next progressive number; the office and operator
// are kept in the settings file from one run to the next.
#include <optional>

#include "archive/RecordWindow.h"
#include "protocollo/ProtocolSettings.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TfrmProtocollo : public TRecordWindow {
    Q_OBJECT
public:
    static inline const QString kHelpTitle = QStringLiteral("App Protocollo Posta");
    static inline const QString kMsgNumeroOccupato = QStringLiteral(
        "Attenzione: mentre la scheda veniva compilata il numero %1 \u00E8 stato assegnato a un altro documento, "
        "forse da un'altra postazione.\n\r\n\r"
        "\u00C8 stato proposto il primo numero libero, %2: premere di nuovo Salva per registrare la scheda.");

    static inline const QString kMsgImpostazioniIlleggibili = QStringLiteral(
        "Attenzione: il sistema non permette di leggere il file delle impostazioni Quarzeno.ini.\n\r\n\r"
        "Finch\u00E9 il file non sar\u00E0 leggibile, la numerazione dei documenti parte da 1 senza l'indicazione "
        "dell'anno solare, e l'ufficio e l'operatore vanno indicati a mano. Accertarsi di possedere i privilegi di "
        "lettura nella cartella di installazione del programma.");

    explicit TfrmProtocollo(QWidget* owner = nullptr);

    // The archive of a year ("2026"): its full path goes into lblFile and
    // the year into the caption. The menu calls it before showing the window.
    void openYear(const QString& year);

public slots:
    // The numbering rule: a new card with the next number and today's date.
    void cmdNuovoClick() override;
    void cmdTrovaClick() override;
    void cmdStampaClick() override;
    void cmdEsportaClick() override;
    void cmdRiepilogoClick();
    void cmdNumerazioneClick();
    void cmdFileClick();
    void btnSfogliaClick();
    void btnApriClick();
    void imgCancella01Click();

protected:
    void FormShow() override;
    void FormClose() override;
    void newCard() override;
    bool validate() override;

private:
    void buildSections();
    // The numbering in the settings file; the defaults when the file cannot
    // be read, of which the user is warned once each time the window shows.
    ProtocolSettings::Numbering numbering();
    void settingsUnreadable();
    bool settingsWarned_ = false;
    bool checkBeforeWrite(TArchivioSchede& archive, const Record& record) override;
    void writeStopped() override;

    // The number "Nuovo" proposed. Saved, it is checked against the archive
    // under the lock of the write: a number another copy of the program has
    // taken meanwhile is never written twice, the first free one is proposed.
    std::optional<QString> proposal_;
    // For the save under way: the numbering to re-propose with, when the
    // card still carries the proposed number; the re-proposal once made.
    struct Numbering {
        qint64 start = 1;
        bool withYear = false;
    };
    std::optional<Numbering> checkNumber_;
    std::optional<QString> reproposal_;

    QLabel* lblFile_ = nullptr;
    QPushButton* btnSfoglia_ = nullptr;
    QPushButton* btnApri_ = nullptr;
    QButtonGroup* tipo_ = nullptr;
};
