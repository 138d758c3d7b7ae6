#include "platform/Clock.h"

#include <QElapsedTimer>

namespace {
QDateTime g_fixed;
qint64 g_steady = 0;  // the fixed clock's steady time
int g_tick = 0;

const QElapsedTimer& started() {
    static const QElapsedTimer t = [] {
        QElapsedTimer e;
        e.start();
        return e;
    }();
    return t;
}
}  // namespace

namespace Clock {

QDateTime now() { return g_fixed.isValid() ? g_fixed : QDateTime::currentDateTime(); }

qint64 steadyMs() {
    if (!g_fixed.isValid()) return started().elapsed();
    g_steady += g_tick;
    return g_steady;
}

void setFixed(const QDateTime& moment) { g_fixed = moment; }
void setTick(int ms) { g_tick = ms; }

void reset() {
    g_fixed = QDateTime();
    g_steady = 0;
    g_tick = 0;
}

}  // namespace Clock
