#pragma once
// Key rules of edit controls: the Enter chain from field to field, and the
// fields that take digits only. And Enter on buttons, for the whole program.
#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace KeyFilters {

// Enter (Return or the keypad's Enter) moves the focus to the next control
// of the chain; the last leads back to the first.
void enterChain(const QList<QWidget*>& chain);

// Only the digits 0 to 9, Backspace, Delete and the Left and Right arrows
// reach the control; Enter and Tab still move on, Esc still closes. Text pasted into a line
// edit keeps its digits only.
void digitsOnly(QWidget* control);

// Like digitsOnly, with extra characters allowed (the comma of amounts).
void charsOnly(QWidget* control, const QString& allowed);

// Enter in the control moves the focus to target (a field to its button).
void enterTo(QWidget* control, QWidget* target);

// Enter or the keypad's Enter on a focused push button or picture button
// presses it, as Space does, in every window of the application; which
// button is a window's default does not change. Installed once, by the
// first window built; later calls do nothing.
void pressButtonsOnEnter();

}  // namespace KeyFilters
