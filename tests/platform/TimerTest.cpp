#include <gtest/gtest.h>

#include "platform/Timer.h"
#include "support/Seams.h"

// Time moved on by hand fires each timer once per interval, in time order,
// and a handler that stops or restarts a timer is obeyed at once.
TEST(Timer, HandStepsFireEachIntervalInTimeOrder) {
    Seams seams;
    QStringList fired;
    TTimer slow(QStringLiteral("slow"), 6000), fast(QStringLiteral("fast"), 2500);
    QObject::connect(&slow, &TTimer::timeout, [&] { fired << QStringLiteral("slow"); });
    QObject::connect(&fast, &TTimer::timeout, [&] {
        fired << QStringLiteral("fast");
        if (fired.count(QStringLiteral("fast")) == 3) fast.stop();
    });
    EXPECT_FALSE(slow.isActive());  // nothing runs until started
    Timers::advance(10000);
    EXPECT_TRUE(fired.isEmpty());

    slow.start();
    fast.start();
    Timers::advance(5999);
    EXPECT_EQ(fired, QStringList({"fast", "fast"}));
    Timers::advance(1);
    EXPECT_EQ(fired, QStringList({"fast", "fast", "slow"}));
    Timers::advance(12000);  // fast stopped itself at 7500
    EXPECT_EQ(fired, QStringList({"fast", "fast", "slow", "fast", "slow", "slow"}));

    // Starting again begins a whole interval; a single-shot timer fires once.
    fired.clear();
    Timers::advance(5000);
    slow.start();
    Timers::advance(5000);
    EXPECT_TRUE(fired.isEmpty());
    slow.stop();
    fast.setSingleShot(true);
    fast.start();
    Timers::advance(10000);
    EXPECT_EQ(fired, QStringList({"fast"}));
    EXPECT_FALSE(fast.isActive());
}

TEST(Timer, AHandlerMayFreeAnotherTimer) {
    Seams seams;
    auto* doomed = new TTimer(QStringLiteral("doomed"), 1000);
    TTimer killer(QStringLiteral("killer"), 1000);
    int doomedTicks = 0;
    QObject::connect(doomed, &TTimer::timeout, [&] { ++doomedTicks; });
    QObject::connect(&killer, &TTimer::timeout, [&] {
        delete doomed;
        doomed = nullptr;
    });
    killer.start();
    doomed->start();
    Timers::advance(3000);
    EXPECT_EQ(doomed, nullptr);
    EXPECT_LE(doomedTicks, 1);
}
