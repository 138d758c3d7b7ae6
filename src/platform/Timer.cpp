#include "platform/Timer.h"

#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace {
bool g_manual = false;
std::vector<TTimer*>& timers() {
    static std::vector<TTimer*> all;
    return all;
}
}  // namespace

TTimer::TTimer(const QString& objectName, int intervalMs, QObject* parent) : QObject(parent), interval_(intervalMs) {
    setObjectName(objectName);
    real_ = new QTimer(this);
    connect(real_, &QTimer::timeout, this, &TTimer::fire);
    timers().push_back(this);
}

TTimer::~TTimer() { std::erase(timers(), this); }

void TTimer::setInterval(int ms) {
    interval_ = ms;
    if (active_) start();
}

void TTimer::start() {
    active_ = true;
    elapsed_ = 0;
    if (g_manual)
        real_->stop();
    else
        real_->start(std::max(0, interval_));
}

void TTimer::stop() {
    active_ = false;
    elapsed_ = 0;
    real_->stop();
}

void TTimer::fire() {
    if (!active_) return;
    elapsed_ = 0;
    if (singleShot_) stop();
    emit timeout();
}

// Runs the timers by hand; a friend so that it can reach their time.
struct TimerClock {
    static qint64 period(const TTimer* t) { return std::max(1, t->interval_); }

    static void setManual(bool manual) {
        g_manual = manual;
        for (TTimer* t : timers()) {
            if (!t->active_) continue;
            t->elapsed_ = 0;
            if (manual)
                t->real_->stop();
            else
                t->real_->start(std::max(0, t->interval_));
        }
    }

    static void advance(qint64 left) {
        for (;;) {
            // The running timer whose interval ends first, if it ends within left.
            qint64 step = left + 1;
            for (const TTimer* t : timers())
                if (t->active_) step = std::min(step, period(t) - t->elapsed_);
            if (step > left) {
                for (TTimer* t : timers())
                    if (t->active_) t->elapsed_ += left;
                return;
            }
            left -= step;
            std::vector<QPointer<TTimer>> due;
            for (TTimer* t : timers()) {
                if (!t->active_) continue;
                t->elapsed_ += step;
                if (t->elapsed_ >= period(t)) due.emplace_back(t);
            }
            // A handler may stop, restart or free any timer.
            for (const QPointer<TTimer>& t : due)
                if (t && t->active_ && t->elapsed_ >= period(t)) t->fire();
        }
    }
};

namespace Timers {

void setManual(bool manual) { TimerClock::setManual(manual); }

void advance(int ms) {
    if (g_manual && ms > 0) TimerClock::advance(ms);
}

}  // namespace Timers
