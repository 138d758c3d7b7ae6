#pragma once
// A window's timer: it raises timeout() every interval while it runs (or
// once, when single-shot). The program runs it on the event loop; tests stop
// time and move it on by hand, so that a six-second picture is a call, not a
// wait.
#include <QObject>

class QTimer;

class TTimer : public QObject {
    Q_OBJECT
public:
    explicit TTimer(const QString& objectName, int intervalMs, QObject* parent = nullptr);
    ~TTimer() override;

    void setInterval(int ms);
    int interval() const { return interval_; }
    void setSingleShot(bool singleShot) { singleShot_ = singleShot; }

    // Starting a running timer starts its interval again.
    void start();
    void stop();
    bool isActive() const { return active_; }

signals:
    void timeout();

private:
    friend struct TimerClock;
    void fire();

    QTimer* real_ = nullptr;
    int interval_ = 0;
    bool singleShot_ = false;
    bool active_ = false;
    qint64 elapsed_ = 0;  // by hand: time since the interval began
};

namespace Timers {

// Tests: from now on no timer runs by itself; advance() moves time on.
void setManual(bool manual);

// Moves time on by ms: every running timer fires once for each interval
// that ends within it, in the order of their times, as on the event loop.
void advance(int ms);

}  // namespace Timers
