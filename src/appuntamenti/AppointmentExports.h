#pragma once
// The appointment export windows, each created for one use and shown
// modally over its owner.
#include <QDate>

class QWidget;

namespace AppointmentExports {

void openArchive(QWidget* owner);                  // every card, file order
void openImminent(QWidget* owner);                 // the agenda's list
void openDay(QWidget* owner, const QDate& day);    // the day chosen in the agenda
void openMonth(QWidget* owner, const QDate& day);  // the month of that day

}  // namespace AppointmentExports
