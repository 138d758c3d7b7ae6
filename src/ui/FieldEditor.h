#pragma once
// The editors of record fields. Each kind of field — text, flag, list picked
// or typed, amount, hidden value — is a small editor that owns how the
// field's text reaches its control and comes back, and the control's key and
// leave rules. A record window binds its fields to editors by field name and
// never asks what kind of control it holds.
#include <QObject>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

class TFieldEditor : public QObject {
    Q_OBJECT
public:
    // The editor of a control, or null when the control is no field.
    static TFieldEditor* of(const QWidget* control);

    QWidget* control() const { return control_; }

    virtual QString text() const = 0;
    // A value as a record read from the file puts it.
    virtual void setText(const QString& text) = 0;
    // The field of a new card.
    virtual void clear() { setText(QString()); }
    // The most characters the user can type; kinds that are not typed ignore it.
    virtual void setMaxLength(int) {}
    // Whether the user types into it (and so gets a focus mark).
    virtual bool typed() const { return true; }
    // Key rules that must see a key before the window's Enter chain does;
    // the window calls it once the chain is set.
    virtual void keysBeforeChain() {}

protected:
    explicit TFieldEditor(QWidget* control);

private:
    QWidget* control_;
};

namespace FieldKinds {

// Rules of a typed text, applied as the user types and when the field is left.
enum TextRule : unsigned {
    Plain = 0,
    Upper = 1,           // letters a to z in upper case while typing
    UpperOnRelease = 2,  // the same, after each key is released
    TrimmedUpper = 4,    // trimmed and upper case while typing
    Trimmed = 8,         // trimmed while typing
    TrimmedOnExit = 16,  // trimmed when left
    DigitsOnly = 32,     // only digits, Backspace, Delete, Left and Right
};

// A typed text: an edit field named objectName.
QLineEdit* text(QWidget* parent, const QString& objectName, unsigned rules = Plain);

// A flag: ticked is "Sì", cleared is "No"; any other stored text leaves the
// box as it was.
QCheckBox* flag(QWidget* parent, const QString& objectName, const QString& caption);

// A list whose value is picked, never typed (days, months, hours, minutes),
// with the keys of ListRules::pickOnly; entering it clears its choice.
QComboBox* pickList(QWidget* parent, const QString& objectName, const QStringList& entries, int width);

// A list whose entries are offered and any other text typed, kept as typed
// (the state of a case); entering it clears its choice but keeps the text.
QComboBox* typedList(QWidget* parent, const QString& objectName, const QStringList& entries, int width);

// The same in upper case, trimmed as typed (the provinces).
QComboBox* upperList(QWidget* parent, const QString& objectName, const QStringList& entries, int width);

// An amount: digits and the comma only; on leaving, written by the amount rule
// ("7" → "7,00", empty or not a number → "0,00").
QLineEdit* amount(QWidget* parent, const QString& objectName);

// A date ("dd/mm/yyyy") picked from the calendar, which shows the keyword, never
// typed: Backspace or Delete empty it, any other key opens the date picker.
// Its keys hold once keysBeforeChain() ran (a record window runs it).
QLineEdit* date(QWidget* parent, const QString& objectName, const QString& keyword);

// A value the card carries unseen (attached files, descriptions).
QLabel* hidden(QWidget* parent, const QString& objectName);

// A value worked out from other fields at every save, carried unseen; a new
// card leaves it, since the next save works it out again.
QLabel* derived(QWidget* parent, const QString& objectName);

}  // namespace FieldKinds
