#pragma once
// The find window of every archive: the user fills one or more search fields,
// the window lists every record matching all of them as one fixed-width line,
// and a double click (or Enter) on a line chooses that record, which the
// asking window loads or takes from what it imports.
// A find window describes its search fields and its list line.
#include <functional>
#include <optional>
#include <vector>

#include "archive/RecordLines.h"
#include "ui/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class TQuickFind;
class TRecordList;

// A search field under the field's find caption, named "txt" + the field's
// name, or, where the card window names the field's control otherwise
// ("lblDataRit"), "txt" + that name without its prefix ("txtDataRit").
struct FindField {
    FindField(const CardField& field);

    QString control;  // objectName of the search field
    QString label;
    CardField field;  // the record field it is matched against
};

struct FindWindowDescription {
    QString caption;
    const RecordLayout* layout = nullptr;
    QString fileName;
    std::vector<FindField> fields;  // in Enter-chain order
    std::vector<LinePart> line;
    QString printTitle;
    bool sorted = false;  // lines in text order rather than file order
    // The keyword of the asking window, which lblMemory shows.
    QString mode;
    // "Il presente riepilogo contiene " + n + " schede." unless a window words it otherwise.
    std::function<QString(int)> foundText;
    QString instruction = QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda");
};

class TFindWindow : public TForm {
    Q_OBJECT
public:
    static inline const QString kAttendere = QStringLiteral("Ricerca schede in corso. Attendere...");
    // The search's name in its progress window.
    static inline const QString kLavoroRicerca = QStringLiteral("Ricerca schede in corso\u2026");

    TFindWindow(const FindWindowDescription& desc, QWidget* owner);

    const FindWindowDescription& desc() const { return desc_; }
    // Shows the window modally and returns the record chosen, if any.
    std::optional<FoundRecord> choose();
    // The record of the line double-clicked, read fresh from the archive.
    const std::optional<FoundRecord>& chosen() const { return chosen_; }

public slots:
    void btnCercaClick();
    // A double click or Enter on a line (row), or on none (-1).
    void lstRecordsDblClick(int row);
    void btnStampaClick();

protected:
    // A finder that serves several windows shows the asking one's keyword.
    void showMode(const QString& keyword);

    void FormShow() override;
    void FormClose() override;

private:
    FindWindowDescription desc_;
    QWidget* panAvvio_ = nullptr;
    QWidget* panContainer_ = nullptr;
    QLabel* lblAttendere_ = nullptr;
    QLabel* lblConta_ = nullptr;
    QLabel* lblMemory_ = nullptr;
    QLabel* lblTrovate_ = nullptr;
    TRecordList* list_ = nullptr;
    QLineEdit* txtTrova_ = nullptr;
    TQuickFind* quickFind_ = nullptr;
    std::vector<QLineEdit*> searchFields_;
    std::optional<FoundRecord> chosen_;
};
