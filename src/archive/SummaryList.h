#pragma once
// A summary of the cards of one archive that a window selects, one fixed-width
// line each in file order, with the quick find and the print of the list. A
// double click (or Enter) on a line chooses its card, read fresh from the
// archive, for the record window that opened the summary. An archive that
// cannot be read to its end is reported, so that a short or empty list never
// passes for a complete one, and so are the cards left out because what
// selects them cannot be read, in a line under the list.
#include <QSize>
#include <functional>
#include <optional>
#include <vector>

#include "archive/RecordLines.h"
#include "ui/Form.h"

class QLabel;
class QLineEdit;
class TQuickFind;
class TRecordList;

struct SummaryListDescription {
    QString objectName;
    QString caption;
    QString printTitle;
    QString fileName;
    const RecordLayout* layout = nullptr;
    std::vector<LinePart> line;
    QSize size;
};

class TSummaryList : public TForm {
    Q_OBJECT
public:
    // The filling's name in its progress window.
    static inline const QString kLavoroLettura = QStringLiteral("Lettura delle schede in corso\u2026");

    // Shows the summary modally; the card of the line chosen, or nothing.
    std::optional<FoundRecord> choose();
    const std::optional<FoundRecord>& chosen() const { return chosen_; }
    TRecordList* list() const { return list_; }

public slots:
    // A double click or Enter on a line (row), or on none (-1).
    void lstRecordsDblClick(int row);
    void btnStampaClick();

protected:
    TSummaryList(QWidget* owner, SummaryListDescription desc);
    // Which cards the summary lists, decided once for each filling.
    virtual RecordFilter selection() const = 0;

    // Fills the list; a filling the user cancelled closes the window.
    void FormShow() override;
    void FormClose() override;

private:
    SummaryListDescription desc_;
    TRecordList* list_;
    TQuickFind* quickFind_;
    QLineEdit* txtTrova_;
    QLabel* lblEscluse_;
    std::optional<FoundRecord> chosen_;
};
