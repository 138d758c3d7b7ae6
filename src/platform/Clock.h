#pragma once
// Today's date and the current time, in one place so that tests can fix "now".
// And a steady clock that times long work, which tests move by hand.
#include <QDate>
#include <QDateTime>
#include <QTime>

namespace Clock {

QDateTime now();
inline QDate today() { return now().date(); }
inline QTime time() { return now().time(); }

// Milliseconds on a clock that never goes back, for how long work has run.
qint64 steadyMs();

// Tests: every later now() answers this moment until reset(), and the
// steady clock stands still.
void setFixed(const QDateTime& moment);
// Tests, with the clock fixed: each reading of steadyMs() moves it on by ms,
// as though every piece of work between two readings took that long.
void setTick(int ms);
void reset();

}  // namespace Clock
