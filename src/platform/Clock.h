#pragma once
// Today's date and the current time, in one place so that tests can fix "now".
#include <QDate>
#include <QDateTime>
#include <QTime>

namespace Clock {

QDateTime now();
inline QDate today() { return now().date(); }
inline QTime time() { return now().time(); }

// Tests: every later now() answers this moment until reset().
void setFixed(const QDateTime& moment);
void reset();

}  // namespace Clock
