// SPDX-License-Identifier: GPL-3.0-or-later
// The scan timers' deadline timer: ticks keep to their interval without being
// caught up after a late one, and a timer stopped from its own tick stays quiet.

#include "ui/deadline_timer.h"

#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

namespace volna::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

TEST(DeadlineTimerTest, TheNextTickKeepsToTheIntervalButNeverComesTooSoonAfterALateOne) {
    const std::chrono::nanoseconds interval = 1ms;
    const std::chrono::nanoseconds due = 100ms;
    // On time or a little late: one interval after the last was due.
    EXPECT_EQ(nextDue(due, due, interval), due + 1ms);
    EXPECT_EQ(nextDue(due, due + 50us, interval), due + 1ms);
    EXPECT_EQ(nextDue(due, due + 100us, interval), due + 1ms);
    // Later than a tenth: nine tenths of the interval after this one ran.
    EXPECT_EQ(nextDue(due, due + 400us, interval), due + 1300us);
    // Many intervals late: still one tick, not a burst to catch up.
    EXPECT_EQ(nextDue(due, due + 25ms, interval), due + 25900us);
    // Long intervals scale the same way.
    EXPECT_EQ(nextDue(due, due + 2s, 1000ms), due + 2900ms);
}

TEST(DeadlineTimerTest, TicksComeAtLeastNineTenthsOfTheIntervalApartEvenAfterAnOverrun) {
    std::vector<Clock::time_point> ticks;
    QEventLoop loop; // waits for events, unlike qWaitFor, which sleeps in 10 ms steps
    DeadlineTimer timer([&] {
        ticks.push_back(Clock::now());
        if (ticks.size() == 30) {
            loop.quit();
        }
        if (ticks.size() % 7 == 0) {
            std::this_thread::sleep_for(3ms); // overruns three intervals
        } else if (ticks.size() % 5 == 0) {
            std::this_thread::sleep_for(1500us); // the next is due before this one ends
        }
    });
    timer.start(1);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    timer.stop();
    ASSERT_GE(ticks.size(), 30U);
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        EXPECT_GE(ticks[i] - ticks[i - 1], 900us) << "between ticks " << i - 1 << " and " << i;
    }
}

TEST(DeadlineTimerTest, AStopFromItsOwnTickHoldsAndAStartBeginsAgain) {
    int ticks = 0;
    DeadlineTimer* self = nullptr;
    DeadlineTimer timer([&] {
        if (++ticks == 3) {
            self->stop();
        }
    });
    self = &timer;
    timer.start(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks == 3; }, 5000));
    EXPECT_FALSE(timer.isActive());
    QTest::qWait(30);
    EXPECT_EQ(ticks, 3);

    timer.start(1);
    EXPECT_TRUE(timer.isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks == 4; }, 5000));
    timer.stop();
}

} // namespace
} // namespace volna::test
