#pragma once
// The protocol register of one year: one card per document received, sent
// or produced inside the office, over the year's archive (year + ".prt").
// "Nuovo" proposes the next progressive number; the office and operator
// are kept in the settings file from one run to the next.
#include <optional>

#include "archive/RecordWindow.h"

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
        "Attenzione: mentre la scheda veniva compilata sono stati protocollati altri documenti, forse da un'altra "
        "postazione, e il numero %1 potrebbe essere gi\u00E0 stato assegnato.\n\r\n\r"
        "\u00C8 stato proposto il primo numero libero, %2: premere di nuovo Salva per registrare la scheda.");

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
    // The number "Nuovo" proposed and the count of cards it was worked out
    // from; a card saved under it while the archive has grown is stopped.
    struct Proposal {
        QString number;
        qint64 count = 0;
    };
    bool numberStillFree();

    QLabel* lblFile_ = nullptr;
    QPushButton* btnSfoglia_ = nullptr;
    QPushButton* btnApri_ = nullptr;
    QButtonGroup* tipo_ = nullptr;
    std::optional<Proposal> proposal_;
};
