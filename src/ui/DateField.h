#pragma once
// A date field ("dd/mm/yyyy") whose value is picked, never typed: Backspace
// or Delete empties it; any other key, Enter included, opens the date picker
// showing the field's keyword and writes the chosen date. Tab and Shift+Tab still
// leave the field, and a lone modifier, Esc or the copy shortcut open
// nothing. Pasted or dropped text never gets in.
#include <QString>

class QLineEdit;

namespace DateField {

// Attach after any Enter chain that holds the field, so that Enter opens the
// picker rather than moving on.
void attach(QLineEdit* field, const QString& keyword);

}  // namespace DateField
