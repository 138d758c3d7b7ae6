#pragma once
// The attach window: up to three files tied to a card, each copied into
// "Documenti_Allegati" and given a description. The five record windows
// with attachments open it through Attachments::editOn, each with its
// keyword (lblMemory shows it); the card changes only on "Applica e chiudi".
#include <array>
#include <optional>

#include "archive/Attachments.h"
#include "ui/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class TPictureButton;

class TfrmAllegaCartella : public TForm {
    Q_OBJECT
public:
    static inline const QString kDialogCaption = QStringLiteral("Selezionare il file da allegare:");
    static inline const QString kDialogFilter = QStringLiteral("Tutti i file (*.*)");

    explicit TfrmAllegaCartella(QWidget* owner = nullptr);

    // Creates the window for one use owned by owner, showing the caller's
    // keyword, with the card's attachments; shows it modally and frees it.
    // The six values, trimmed, when the user applies them; nothing on
    // "Annulla".
    static std::optional<Attachments> edit(QWidget* owner, const QString& keyword, const Attachments& current);

    // The asking window's keyword, which lblMemory shows.
    void setKeyword(const QString& keyword);
    void setAttachments(const Attachments& a);  // each value trimmed
    Attachments attachments() const;            // each value trimmed
    const std::optional<Attachments>& applied() const { return applied_; }

public slots:
    void btnSfoglia01Click() { sfoglia(0); }
    void btnSfoglia02Click() { sfoglia(1); }
    void btnSfoglia03Click() { sfoglia(2); }
    void btnApri01Click() { apri(0); }
    void btnApri02Click() { apri(1); }
    void btnApri03Click() { apri(2); }
    void imgCancella01Click() { cancella(0); }
    void imgCancella02Click() { cancella(1); }
    void imgCancella03Click() { cancella(2); }
    void btnApplicaClick();
    void btnAnnullaClick();

private:
    struct Slot {
        QLineEdit* txtFile;
        QLineEdit* txtDesc;
        QPushButton* btnSfoglia;
        QPushButton* btnApri;
        TPictureButton* imgCancella;
    };
    void sfoglia(int slot);
    void apri(int slot);
    void cancella(int slot);
    void txtFileChange(int slot);

    std::array<Slot, Attachments::kSlots> slots_{};
    QPushButton* btnApplica_;
    QPushButton* btnAnnulla_;
    QLabel* lblMemory_;
    std::optional<Attachments> applied_;
};
