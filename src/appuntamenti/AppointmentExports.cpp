#include "appuntamenti/AppointmentExports.h"

// The export windows arrive with the agenda; until then the buttons do nothing.
namespace AppointmentExports {

void openArchive(QWidget*) {}
void openImminent(QWidget*) {}
void openDay(QWidget*, const QDate&) {}
void openMonth(QWidget*, const QDate&) {}

}  // namespace AppointmentExports
