#pragma once
// A card's own list of entries, kept in a small record file named after the
// card's position in its archive (the services provided to a client, the
// work done by an employee). A list panel shows the entries with a total,
// the quick find and the print; an entry panel adds or modifies one entry.
// A window describes its entry's catalogue, its list line, its fields and
// its texts; the total under the list is its own. A long file fills the list
// as long work, with its progress and "Annulla".
#include <vector>

#include "archive/CardCatalogue.h"
#include "archive/CardRules.h"
#include "archive/RecordLines.h"
#include "ui/Form.h"

class QLabel;
class QLineEdit;
class TFieldEditor;
class TQuickFind;
class TRecordList;

// One field of the entry panel: a field of the entry's catalogue (its
// caption, kind, width and required-field warning come from there), and the
// small button beside it that writes today's date or the time now.
struct EntryField {
    enum class Fill { None, Today, Now };

    CardField field;
    Fill fill = Fill::None;
    QString fillButton = {};  // objectName of the picture button
};

struct EntriesWindowDescription {
    QString objectName;
    QString caption;
    const CardCatalogue* card = nullptr;  // the entry's fields
    QString fileName;                     // the owner card's file, in the program folder (or a full path)
    std::vector<LinePart> line;
    CardField listedField;  // an entry whose trimmed field is empty stays in the file, unlisted

    QString title;              // above the list
    QString modifyInstruction;  // how to modify an entry of the list
    QString totalCaption;       // beside the total
    QString addText;            // "Aggiungi voce"
    QString modifyText;         // "Modifica voce"
    QString printText = QStringLiteral("Stampa riepilogo");
    QString closeText = QStringLiteral("Chiudi");

    QString printTitle;
    QString printTotal;  // the last printed line, before the total's text

    // The entry panel's fields in Enter-chain order; the required ones are
    // tested in the catalogue's order.
    std::vector<EntryField> fields;
};

class TEntriesWindow : public TForm {
    Q_OBJECT
public:
    static inline const QString kMsgModificaVuota =
        QStringLiteral("Modifica non applicabile: la lista non contiene nessuna voce.");
    static inline const QString kMsgSelezionare =
        QStringLiteral("Attenzione: selezionare una voce dall'elenco prima di premere il pulsante di modifica.");
    static inline const QString kMsgInserita = QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio.");
    static inline const QString kMsgSalvata =
        QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

    TEntriesWindow(const EntriesWindowDescription& desc, QWidget* owner);

    const EntriesWindowDescription& desc() const { return desc_; }
    TRecordList* list() const { return list_; }
    // The filling's name in its progress window.
    static inline const QString kLavoroLettura = QStringLiteral("Lettura delle schede in corso\u2026");

public slots:
    void btnAggiungiClick();
    void btnModificaClick();
    void btnSalvaClick();
    void btnStampaClick();

protected:
    void FormShow() override;
    void FormClose() override;

    // The total under the list, kept as the list fills: started empty, then
    // each listed entry in file order (throwing stops the filling), then
    // its text; complete is false when the filling stopped on an error or
    // was cancelled. By default the number of listed entries.
    virtual QString emptyTotal() const { return QStringLiteral("0"); }
    virtual void startTotal() {}
    virtual void addToTotal(const Record&) {}
    virtual QString totalText(bool complete) const;
    int listedCount() const { return listed_; }

private:
    void showEntryPanel();
    void setPosition(qint64 position);
    void setTotal(const QString& total);
    CardValues values() const;

    EntriesWindowDescription desc_;
    QWidget* panContainer_ = nullptr;
    QWidget* panCosti_ = nullptr;
    QLabel* lblTitolo_ = nullptr;
    QLabel* lblTotale_ = nullptr;
    QLabel* lblPosizione_ = nullptr;  // shows position_
    QLabel* lblFile_ = nullptr;       // shows file_
    QString file_;                    // the entries' file, full path
    qint64 position_ = 0;             // the entry on the panel; 0 for a new one
    QString total_;                   // shown in lblTotale
    QLineEdit* txtTrova_ = nullptr;
    TRecordList* list_ = nullptr;
    TQuickFind* quickFind_ = nullptr;
    std::vector<TFieldEditor*> editors_;  // one per described field
    int listed_ = 0;
};
