#include "controls/tabs/ThreadTimer.h"
#include "platform/rtl/Clock.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

class TDesignedTimer : public TThreadTimer {
public:
    TDesignedTimer() { SetComponentState(ComponentState() + TComponentStateFlag::csDesigning); }
};

// Ticks driven by an injected clock.
class ThreadTimerTicks : public testing::Test {
protected:
    void SetUp() override { SetClock(&Clock); }
    void TearDown() override { SetClock(nullptr); }
    // Moves the clock to the next tick and runs it.
    void Tick(TThreadTimer& Timer)
    {
        ASSERT_NE(Timer.NextDue(), 0u);
        Clock.SetTicks(Timer.NextDue());
        Timer.CheckDue();
    }

    TFakeClock Clock{0, 1000};
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

TEST_F(ThreadTimerTicks, NextTickIsArmedWhenTheHandlerReturns)
{
    struct Case {
        const char* Name;
        int Interval;
        uint64_t HandlerMs;
        uint64_t Pause; // from the handler's end to the next tick
    } cases[] = {
        {"QuickHandler", 15, 0, 15},
        {"HandlerTakesPartOfTheInterval", 40, 15, 25},
        {"HandlerNearlyFillsTheInterval", 15, 7, 10},
        {"OverlongHandler", 15, 60, 10},
        {"IntervalZero", 0, 0, 10},
    };
    for (const Case& c : cases) {
        TThreadTimer timer;
        int ticks = 0;
        timer.SetInterval(c.Interval);
        timer.OnTimer = [&](TObject*) {
            ++ticks;
            Clock.Advance(c.HandlerMs);
        };
        timer.SetEnabled(true);
        EXPECT_EQ(timer.NextDue(), Clock.GetTickCount64() + 1) << c.Name; // first tick right away
        Tick(timer);
        EXPECT_EQ(ticks, 1) << c.Name;
        EXPECT_EQ(timer.NextDue(), Clock.GetTickCount64() + c.Pause) << c.Name;
        Clock.Advance(c.Pause - 1);
        timer.CheckDue(); // not yet
        EXPECT_EQ(ticks, 1) << c.Name;
        Tick(timer);
        EXPECT_EQ(ticks, 2) << c.Name;
    }
}

TEST_F(ThreadTimerTicks, IntervalIsReadAnewAfterEachTick)
{
    TThreadTimer timer;
    timer.SetInterval(15);
    timer.OnTimer = [&](TObject*) { timer.SetInterval(50); };
    timer.SetEnabled(true);
    Tick(timer);
    EXPECT_EQ(timer.NextDue(), Clock.GetTickCount64() + 50);
}

TEST_F(ThreadTimerTicks, HandlerExceptionsAreSwallowed)
{
    TThreadTimer timer;
    int ticks = 0;
    timer.SetInterval(20);
    timer.OnTimer = [&](TObject*) {
        ++ticks;
        throw std::runtime_error("tick failed");
    };
    timer.SetEnabled(true);
    Tick(timer);
    Tick(timer);
    EXPECT_EQ(ticks, 2);
    EXPECT_TRUE(timer.Running());
}

TEST_F(ThreadTimerTicks, HandlerMayStopOrRestartTheTimer)
{
    TThreadTimer timer;
    int ticks = 0;
    timer.SetInterval(20);
    timer.OnTimer = [&](TObject*) {
        ++ticks;
        timer.SetEnabled(false);
    };
    timer.SetEnabled(true);
    Tick(timer);
    EXPECT_FALSE(timer.Running());
    EXPECT_EQ(timer.NextDue(), 0u);

    timer.OnTimer = [&](TObject*) {
        ++ticks;
        timer.SetEnabled(false);
        timer.SetEnabled(true);
    };
    timer.SetEnabled(true);
    Tick(timer);
    EXPECT_TRUE(timer.Running());
    EXPECT_EQ(timer.NextDue(), Clock.GetTickCount64() + 1); // the new start's first tick
    Tick(timer);
    EXPECT_EQ(ticks, 3);
}

TEST_F(ThreadTimerTicks, StartAndStopStates)
{
    TThreadTimer timer;
    EXPECT_EQ(timer.Interval(), 0);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_FALSE(timer.Running());
    timer.SetEnabled(false); // stopping a stopped timer does nothing
    EXPECT_FALSE(timer.Running());
    timer.SetEnabled(true);
    const uint64_t due = timer.NextDue();
    timer.SetEnabled(true); // a second start changes nothing
    EXPECT_EQ(timer.NextDue(), due);
    Tick(timer); // without a handler a tick does nothing
    EXPECT_TRUE(timer.Running());
}

TEST_F(ThreadTimerTicks, DesignTimeCountsAsRunningWithoutTicks)
{
    TDesignedTimer timer;
    int ticks = 0;
    timer.OnTimer = [&](TObject*) { ++ticks; };
    timer.SetEnabled(true);
    EXPECT_TRUE(timer.Running());
    EXPECT_EQ(timer.NextDue(), 0u);
    timer.CheckDue();
    EXPECT_EQ(ticks, 0);
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_TRUE(timer.Running()); // nothing to stop, so the state stays
}

// With the real clock the event loop delivers the ticks.
TEST(ThreadTimer, EventLoopDeliversTicks)
{
    TThreadTimer timer;
    int ticks = 0;
    timer.SetInterval(1);
    timer.OnTimer = [&](TObject* sender) {
        EXPECT_EQ(sender, &timer);
        if (++ticks == 3)
            timer.SetEnabled(false);
    };
    timer.SetEnabled(true);
    QElapsedTimer guard;
    guard.start();
    while (ticks < 3 && guard.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(timer.Running());
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

} // namespace
