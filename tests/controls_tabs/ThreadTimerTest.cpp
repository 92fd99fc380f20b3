#include "controls/tabs/ThreadTimer.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// Serves events until Done holds; false when it never did.
bool RunUntil(const std::function<bool()>& Done)
{
    QElapsedTimer guard;
    guard.start();
    while (!Done()) {
        if (guard.elapsed() > 5000)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

class TDesignedTimer : public TThreadTimer {
public:
    TDesignedTimer() { SetComponentState(ComponentState() + TComponentStateFlag::csDesigning); }
};

TEST(ThreadTimer, PauseAfterATickIsTheRestOfTheIntervalButAtLeast10)
{
    struct Case {
        int Interval;
        uint64_t Elapsed;
        uint32_t Delay;
    } cases[] = {
        {15, 0, 15}, {15, 5, 10}, {15, 7, 10}, {100, 30, 70},
        {0, 0, 10}, {5, 0, 10},          // short intervals tick about every 10 ms
        {15, 100, 10},                   // an overlong handler is still followed by a pause
        {15, uint64_t(1) << 40, 10},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TThreadTimer::NextDelay(c.Interval, c.Elapsed), c.Delay) << c.Interval << " " << c.Elapsed;
}

TEST(ThreadTimer, NewTimerIsStoppedWithIntervalZero)
{
    TThreadTimer timer;
    EXPECT_EQ(timer.Interval(), 0);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_FALSE(timer.Running());
    timer.SetEnabled(false); // stopping a stopped timer does nothing
    EXPECT_FALSE(timer.Running());
}

TEST(ThreadTimer, TicksUntilTheHandlerDisablesIt)
{
    TThreadTimer timer;
    int ticks = 0;
    timer.SetInterval(1);
    timer.SetEnabled(true);
    timer.SetEnabled(true); // a second start changes nothing
    timer.OnTimer = [&](TObject* sender) {
        EXPECT_EQ(sender, &timer);
        if (++ticks == 3)
            timer.SetEnabled(false);
    };
    ASSERT_TRUE(RunUntil([&] { return ticks >= 3; }));
    EXPECT_FALSE(timer.Running());
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 3);
}

TEST(ThreadTimer, HandlerExceptionsAreSwallowed)
{
    TThreadTimer timer;
    int ticks = 0;
    timer.OnTimer = [&](TObject*) {
        ++ticks;
        throw std::runtime_error("tick failed");
    };
    timer.SetEnabled(true);
    EXPECT_TRUE(RunUntil([&] { return ticks >= 3; }));
}

TEST(ThreadTimer, TicksWithoutHandlerAndRestartFromTheHandler)
{
    TThreadTimer timer;
    timer.SetEnabled(true);
    QCoreApplication::processEvents(); // a tick without handler does nothing
    int ticks = 0;
    timer.OnTimer = [&](TObject*) {
        ++ticks;
        timer.SetEnabled(false);
        timer.SetEnabled(true);
    };
    EXPECT_TRUE(RunUntil([&] { return ticks >= 3; }));
    EXPECT_TRUE(timer.Running());
}

TEST(ThreadTimer, DestroyingARunningTimerStopsIt)
{
    int ticks = 0;
    {
        TThreadTimer timer;
        timer.OnTimer = [&](TObject*) { ++ticks; };
        timer.SetEnabled(true);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 0);
}

TEST(ThreadTimer, DesignTimeCountsAsRunningWithoutTicks)
{
    TDesignedTimer timer;
    int ticks = 0;
    timer.OnTimer = [&](TObject*) { ++ticks; };
    timer.SetEnabled(true);
    EXPECT_TRUE(timer.Running());
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 0);
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_TRUE(timer.Running()); // nothing to stop, so the state stays
}

} // namespace
