#include "platform/rtl/Clock.h"
#include "platform/rtl/DateTime.h"
#include <gtest/gtest.h>

TEST(Clock, FakeClockReplacesTheProcessClock)
{
    TFakeClock fake(EncodeDate(2025, 1, 1), 1000);
    SetClock(&fake);
    EXPECT_EQ(&Clock(), &fake);
    EXPECT_EQ(GetTickCount64(), 1000u);
    fake.Advance(1500);
    EXPECT_EQ(GetTickCount64(), 2500u);
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", Now()), "2025-01-01 00:00:01.500");

    // The 32-bit count wraps; the 64-bit one does not.
    fake.SetTicks(0x100000005ull);
    EXPECT_EQ(GetTickCount(), 5u);
    EXPECT_EQ(GetTickCount64(), 0x100000005ull);

    SetClock(nullptr);
    EXPECT_NE(&Clock(), &fake);
}

TEST(Clock, SleepMovesAFakeClockAndWaitsOnTheRealOne)
{
    TFakeClock fake(0, 100);
    SetClock(&fake);
    Sleep(10);
    EXPECT_EQ(GetTickCount64(), 110u);
    SetClock(nullptr);
    const uint64_t before = GetTickCount64();
    Sleep(20);
    EXPECT_GE(GetTickCount64() - before, 20u);
}

TEST(Clock, SystemClockIsPlausibleAndMonotonic)
{
    SetClock(nullptr);
    EXPECT_GT(Now(), EncodeDate(2020, 1, 1));
    const uint64_t a = GetTickCount64();
    const uint64_t b = GetTickCount64();
    EXPECT_LE(a, b);
}
