#pragma once
// The Dewey classification table: the 3721 lines of the table, filled one
// second after the window shows (a loading picture covers the empty list
// until then), found by text, printed, and a double click that chooses a
// line's three-digit class for the asking window.
#include <QString>
#include <optional>

#include "ui/Form.h"

class QLabel;
class QLineEdit;
class TListPanel;
class TQuickFind;
class TRecordList;
class TTimer;

class TfrmCodici_Dewey : public TForm {
    Q_OBJECT
public:
    // The windows that ask for a class; lblMemory shows the keyword.
    enum class Mode { Libri };
    static QString keyword(Mode mode);

    static constexpr int kCarica = 1000;  // milliseconds before the list is filled

    // Created for one use by the asking window; the one the program creates
    // at start-up is never shown.
    explicit TfrmCodici_Dewey(QWidget* owner = nullptr, Mode mode = Mode::Libri);

    // Shows the table modally; the class of the line double-clicked ("945"),
    // or nothing when the window closes otherwise.
    std::optional<QString> choose();

    TRecordList* list() const { return lstRecords_; }

public slots:
    void timCaricaTimer();
    // A double click or Enter on a line (row), or on none (-1).
    void lstRecordsDblClick(int row);
    void btnStampaClick();

protected:
    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Mode mode_;
    TListPanel* panel_;
    TRecordList* lstRecords_;
    QLineEdit* txtTrova_;
    QLabel* panDewey_;
    QLabel* lblAttendere_;
    QLabel* lblMemory_;
    TTimer* timCarica_;
    std::optional<QString> chosen_;
};
