#pragma once
// Pieces of the windows' layouts, and the typing and list rules the field
// kinds are made of.
#include <QString>
#include <functional>

class QAbstractButton;
class QComboBox;
class QLabel;
class QWidget;
class QGridLayout;
class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

namespace Controls {

// A label above the control, with room between them for the focus mark.
QVBoxLayout* labeled(const QString& label, QWidget* control);
// A labelled control with its small button at its right, level with the control.
QHBoxLayout* withButton(QVBoxLayout* labeledControl, QWidget* button);
// The same, in one cell of a grid.
void addLabeled(QGridLayout* grid, int row, int column, int columnSpan, const QString& label, QWidget* control);

// A label that carries a window's state unseen (lblMemory, lblPosizione …).
QLabel* hiddenLabel(const QString& objectName, QWidget* parent);
// A line of notice under a list or a grid, hidden until it has something to say.
QLabel* noteLine(const QString& objectName, QWidget* parent);

// A text button that Enter in a field never presses by itself.
QPushButton* pushButton(const QString& objectName, const QString& caption, QWidget* parent);

// The "please wait" notice "lblAttendere" of a window whose button starts
// long work: hidden, shown as soon as the button is pressed (before the work
// blocks the window), hidden again by the window when the work ends. Its
// room stays when hidden, so that the button does not move under the mouse.
QLabel* waitNotice(const QString& text, QAbstractButton* shownBy, QWidget* parent);

}  // namespace Controls

// Rules that rewrite a field's text as the user types.
namespace TypingRules {

using Transform = std::function<QString(const QString&)>;

// After each change of the text (typed or set).
void onChange(QWidget* control, Transform transform);
// After each key release.
void onKeyRelease(QWidget* control, Transform transform);
// When the control loses the focus.
void onExit(QWidget* control, Transform transform);

QString upper(const QString& s);      // letters a to z in upper case
QString trimUpper(const QString& s);  // trimmed, then upper case
QString trim(const QString& s);

}  // namespace TypingRules

// Rules of the drop-down lists of the record windows.
namespace ListRules {

// Entering the list clears its choice; the text stays.
void clearChoiceOnEnter(QComboBox* list);

// A list whose value is picked, never typed: Backspace and Delete empty the
// whole field; Enter, Tab, Left, Right and Esc pass; Down, Alt+Down and F4
// open the list on the entry shown, where the choice is made; every other
// key, Up and the page keys included, is swallowed. On leaving, a text that is not exactly
// one of the entries (after trimming, case-sensitive) is emptied.
void pickOnly(QComboBox* list);

}  // namespace ListRules
