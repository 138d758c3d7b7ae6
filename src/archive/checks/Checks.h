#pragma once
// Opening the check windows from a record window: the field's trimmed text
// goes into the check window, which is owned by the caller for one use,
// shown modally and freed when it closes. Every caller uses these, so the
// rule that sends a codice fiscale field to the right window lives here only.
#include <QString>

class QWidget;

namespace Checks {

// A text of digits only (a company's number in a codice fiscale field) opens
// the partita IVA window; any other text, or none, the codice fiscale window.
void openCodiceFiscale(QWidget* owner, const QString& text);

void openPartitaIva(QWidget* owner, const QString& text);
void openIban(QWidget* owner, const QString& text);
void openCarta(QWidget* owner, const QString& text);

}  // namespace Checks
