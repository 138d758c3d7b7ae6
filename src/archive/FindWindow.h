#pragma once
// The find window of every archive: the user fills one or more search fields,
// the window lists every record matching all of them as one fixed-width line,
// and a double click brings the record back into the window that asked.
// A find window describes its search fields, its list line, its modes and
// what a double click copies in each.
#include <QMap>
#include <functional>
#include <vector>

#include "archive/RecordLayout.h"
#include "ui/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class TQuickFind;
class TRecordList;

struct FindField {
    QString control;  // objectName of the search field
    QString label;
    QString field;    // record field it is matched against
};

// One piece of a list line: a literal, then a field trimmed and padded or
// cut to width characters; width -1 leaves the field as stored (trimmed).
struct LinePart {
    QString literal;
    QString field;
    int width = -1;
};

// What a double click copies in one mode: record field → control name of the
// asking window. A mode that loads the whole card loads every field of a
// record window and sets its position.
struct FindMode {
    std::vector<std::pair<QString, QString>> copies;
    bool loadsCard = false;
};

struct FindWindowDescription {
    QString caption;
    const RecordLayout* layout = nullptr;
    QString fileName;
    std::vector<FindField> fields;  // in Enter-chain order
    std::vector<LinePart> line;
    QString printTitle;
    bool sorted = false;
    QMap<QString, FindMode> modes;  // by the keyword in lblMemory
    // "Il presente riepilogo contiene " + n + " schede." unless a window words it otherwise.
    std::function<QString(int)> foundText;
    QString instruction = QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda");
};

// The line of a record, built from its parts.
QString buildLine(const std::vector<LinePart>& parts, const Record& record);

// A list entry mapped back to its records: every record whose rebuilt line,
// trimmed, equals the entry, trimmed, in file order — so with identical lines
// the last record is visited last. Throws on a file error.
void forEachRecordOfLine(const QString& fileName, const RecordLayout& layout, const std::vector<LinePart>& parts,
                         const QString& entry, const std::function<void(const Record&, int position)>& visit);

class TFindWindow : public TForm {
    Q_OBJECT
public:
    static inline const QString kAttendere = QStringLiteral("Ricerca schede in corso. Attendere...");

    TFindWindow(const FindWindowDescription& desc, QWidget* owner);

    const FindWindowDescription& desc() const { return desc_; }
    // The mode keyword, as the asking window writes it.
    void setMode(const QString& mode);
    QString mode() const;

public slots:
    void btnCercaClick();
    void lstRecordsDblClick();
    void btnStampaClick();

protected:
    void FormShow() override;
    void FormClose() override;

private:
    bool matches(const Record& record) const;
    void copyInto(const Record& record, int position);

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
};
