// Timers follow the replaceable clock: their phase, restarts and stops.
#include "platform/controls/Timer.h"
#include "platform/rtl/Clock.h"
#include <gtest/gtest.h>

namespace {

class TimerPhase : public ::testing::Test {
protected:
    void SetUp() override { SetClock(&Fake); }
    void TearDown() override { SetClock(nullptr); }
    TFakeClock Fake{0, 1000};
};

TEST_F(TimerPhase, ANewTimerRunsEverySecond)
{
    TTimer timer;
    EXPECT_TRUE(timer.Running());
    EXPECT_EQ(timer.NextDue(), 2000u);
}

TEST_F(TimerPhase, EnablingARunningTimerKeepsItsPhase)
{
    TTimer timer;
    timer.SetInterval(100);
    EXPECT_EQ(timer.NextDue(), 1100u);
    Fake.Advance(60);
    timer.SetEnabled(true);
    EXPECT_EQ(timer.NextDue(), 1100u);
    // Disabling and enabling again starts a new period.
    timer.SetEnabled(false);
    EXPECT_EQ(timer.NextDue(), 0u);
    timer.SetEnabled(true);
    EXPECT_EQ(timer.NextDue(), 1160u);
}

TEST_F(TimerPhase, FiresOnlyWhenDueAndStaysOnItsGrid)
{
    TTimer timer;
    int fired = 0;
    timer.OnTimer = [&](TObject*) { ++fired; };
    timer.SetInterval(100);
    Fake.Advance(99);
    timer.CheckDue();
    EXPECT_EQ(fired, 0);
    Fake.Advance(1);
    timer.CheckDue();
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(timer.NextDue(), 1200u);
    // A late check runs once and skips the missed periods.
    Fake.Advance(350);
    timer.CheckDue();
    EXPECT_EQ(fired, 2);
    EXPECT_EQ(timer.NextDue(), 1500u);
}

TEST_F(TimerPhase, IntervalZeroStopsAndANewIntervalRestarts)
{
    TTimer timer;
    timer.SetInterval(100);
    Fake.Advance(30);
    timer.SetInterval(0);
    EXPECT_FALSE(timer.Running());
    EXPECT_TRUE(timer.Enabled());
    timer.SetInterval(50);
    EXPECT_EQ(timer.NextDue(), 1080u);
    int fired = 0;
    timer.OnTimer = [&](TObject*) { ++fired; };
    timer.SetEnabled(false);
    Fake.Advance(500);
    timer.CheckDue();
    EXPECT_EQ(fired, 0);
}

} // namespace
