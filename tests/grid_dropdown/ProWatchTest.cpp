// The watch set by clicks and keys, its animation stepped with a fake
// clock, and its clock mode.
#include "WatchForm.h"
#include "platform/controls/Messages.h"
#include "platform/controls/TestHooks.h"
#include "platform/rtl/Exceptions.h"

using namespace SyntheticInput;

namespace {

QString Hms(TDateTime T) { return FormatDateTime(QStringLiteral("hh:nn:ss"), T); }

TEST_F(WatchForm, FaceGeometryFollowsSizeAndClientArea)
{
    EXPECT_EQ(Watch->Width(), 180);
    EXPECT_EQ(Watch->GetWatchRect(), Rect(10, 10, 170, 170));
    EXPECT_EQ(Watch->GetCenter(), Point(90, 90));
    EXPECT_EQ(Watch->GetRadius(), 80);
    EXPECT_EQ(Watch->GetBorderWidth(), 4);
    Watch->Appearance()->SetSize(101);
    EXPECT_EQ(Watch->GetWatchRect(), Rect(39, 39, 140, 140));
    EXPECT_EQ(Watch->GetCenter(), Point(89, 89));
    // Clamped to the client area; a wide control centres the square.
    Watch->Appearance()->SetSize(500);
    Watch->SetBounds(10, 10, 200, 100);
    EXPECT_EQ(Watch->GetWatchRect(), Rect(50, 0, 150, 100));
    Watch->Appearance()->SetSize(0);
    EXPECT_EQ(Watch->GetWatchRect(), Rect(60, 10, 140, 90));
}

TEST_F(WatchForm, ClicksOutsideTheDialPickTheMinute)
{
    struct TCase {
        const char* Name;
        TPoint At;
        const char* Time;
    } const cases[] = {
        {"straight up", {90, 4}, "10:00"},   {"straight right", {176, 90}, "10:15"},
        {"straight down", {90, 176}, "10:30"}, {"straight left", {4, 90}, "10:45"},
        {"lower right", {175, 175}, "10:23"}, {"upper left", {5, 5}, "10:53"},
        {"upper right", {175, 5}, "10:07"},  {"lower left", {5, 175}, "10:37"},
    };
    Watch->SetAnimation(false);
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Watch->SetTime(At(10, 20));
        Click(Watch, c.At);
        EXPECT_EQ(Hm(Watch->Time()), c.Time);
    }
}

TEST_F(WatchForm, ClicksInsideTheDialPickTheHourOfTheShownHalf)
{
    struct TCase {
        const char* Name;
        TPoint At;
        const char* Morning;
        const char* Afternoon;
    } const cases[] = {
        {"left of twelve", {88, 30}, "00:20", "12:20"},
        {"right of twelve", {92, 30}, "00:20", "12:20"},
        {"three", {140, 90}, "03:20", "15:20"},
        {"six", {90, 150}, "06:20", "18:20"},
        {"nine", {40, 90}, "09:20", "21:20"},
        {"half past one", {115, 47}, "01:20", "13:20"},
    };
    Watch->SetAnimation(false);
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Watch->SetTime(At(10, 20));
        EXPECT_TRUE(Watch->AM());
        Click(Watch, c.At);
        EXPECT_EQ(Hm(Watch->Time()), c.Morning);
        // The box follows a time set in the afternoon.
        Watch->SetTime(At(22, 20));
        EXPECT_FALSE(Watch->AM());
        Click(Watch, c.At);
        EXPECT_EQ(Hm(Watch->Time()), c.Afternoon);
    }
}

TEST_F(WatchForm, TheAmPmBoxFlipsTheHalfOfTheDay)
{
    for (bool animation : {true, false}) {
        SCOPED_TRACE(animation ? "animated" : "direct");
        Watch->SetAnimation(animation);
        Watch->SetTime(At(10, 20));
        int changes = 0;
        Watch->OnChange = [&](TObject*) { ++changes; };
        const TRect box = Watch->GetAMPMRect();
        ASSERT_GT(box.Width(), 8);
        const TPoint mid = Point((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
        Click(Watch, mid);
        EXPECT_EQ(Hm(Watch->Time()), "22:20");
        EXPECT_FALSE(Watch->AM());
        EXPECT_FALSE(Watch->Animating());
        EXPECT_EQ(changes, 1);
        Click(Watch, mid);
        EXPECT_EQ(Hm(Watch->Time()), "10:20");
        EXPECT_TRUE(Watch->AM());
        EXPECT_EQ(changes, 2);
        Watch->OnChange = nullptr;
    }
}

TEST_F(WatchForm, KeysStepHoursAndMinutes)
{
    struct TCase {
        const char* Name;
        TDateTime Start;
        int Key;
        const char* Time;
    } const cases[] = {
        {"Right at 59 turns the hour", At(10, 59, 7), VK_RIGHT, "11:00:07"},
        {"Right", At(5, 30), VK_RIGHT, "05:31:00"},
        {"Left at 0 keeps the seconds", At(10, 0, 42), VK_LEFT, "09:59:42"},
        {"Left at midnight", At(0, 0), VK_LEFT, "23:59:00"},
        {"Left", At(5, 30), VK_LEFT, "05:29:00"},
        {"Page Up at 23", At(23, 15), VK_PRIOR, "00:15:00"},
        {"Page Up", At(5, 30), VK_PRIOR, "06:30:00"},
        {"Page Down at 0", At(0, 15), VK_NEXT, "23:15:00"},
        {"Page Down", At(5, 30), VK_NEXT, "04:30:00"},
        {"Home", At(8, 30), VK_HOME, "12:30:00"},
        {"End", At(8, 30), VK_END, "08:00:00"},
        {"A in the afternoon", At(14, 5), 'A', "02:05:00"},
        {"A in the morning", At(2, 5), 'A', "02:05:00"},
        {"P in the morning", At(2, 5), 'P', "14:05:00"},
        {"Up does nothing", At(2, 5), VK_UP, "02:05:00"},
    };
    Watch->SetAnimation(false);
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Watch->SetTime(c.Start);
        Watch->HandleKey(c.Key);
        EXPECT_EQ(Hms(Watch->Time()), c.Time);
    }
}

TEST_F(WatchForm, AnimatedHourStepsAndFiresOnceAtTheTarget)
{
    struct TCase {
        int Factor;
        QStringList Hours;
    } const cases[] = {
        {10, {"03:00", "04:00", "05:00", "06:00", "07:00", "08:00", "09:00"}},
        // round(7 / 2) = 4, round(3 / 2) = 2 (halves to even), then 1.
        {2, {"06:00", "08:00", "09:00"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Factor);
        Watch->SetAnimationFactor(c.Factor);
        Watch->SetTime(At(2, 0));
        int changes = 0;
        Watch->OnChange = [&](TObject*) {
            ++changes;
            EXPECT_EQ(Hm(Watch->Time()), "09:00");
        };
        Watch->SetHour(9);
        EXPECT_EQ(Hm(Watch->Time()), "02:00");
        EXPECT_TRUE(Watch->Animating());
        QStringList hours;
        for (TDateTime t : Animate())
            hours << Hm(t);
        EXPECT_EQ(hours, c.Hours);
        EXPECT_FALSE(Watch->Animating());
        EXPECT_EQ(changes, 1);
        Watch->OnChange = nullptr;
    }
}

TEST_F(WatchForm, AnimatedMinuteToZeroRunsForwardAndTurnsTheHourOnce)
{
    Watch->SetTime(At(10, 45));
    int changes = 0;
    Watch->OnChange = [&](TObject*) { ++changes; };
    Watch->SetMinute(0);
    QStringList times;
    for (TDateTime t : Animate())
        times << Hm(t);
    QStringList expected{"10:47"};
    for (int m = 48; m <= 59; ++m)
        expected << QStringLiteral("10:%1").arg(m);
    expected << "11:00";
    EXPECT_EQ(times, expected);
    EXPECT_EQ(changes, 1);

    // Backwards: the step is a tenth of the distance left, at least 1.
    Watch->SetTime(At(11, 40));
    Watch->SetMinute(10);
    times.clear();
    for (TDateTime t : Animate())
        times << Hm(t).mid(3);
    expected = QStringList{"37", "34", "32", "30", "28", "26", "24", "23"};
    for (int m = 22; m >= 10; --m)
        expected << QString::number(m);
    EXPECT_EQ(times, expected);
    EXPECT_EQ(Hm(Watch->Time()), "11:10");
}

TEST_F(WatchForm, OutOfRangeValuesChangeNothing)
{
    for (bool animation : {true, false}) {
        SCOPED_TRACE(animation ? "animated" : "direct");
        Watch->SetAnimation(animation);
        Watch->SetTime(At(7, 8));
        try {
            Watch->SetMinute(60);
            ADD_FAILURE() << "no error";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "Invalid time");
        }
        Watch->SetHour(24);
        Watch->SetHour(255);
        EXPECT_FALSE(Watch->Animating());
        EXPECT_EQ(Hm(Watch->Time()), "07:08");
    }
}

TEST_F(WatchForm, ClockModeIgnoresInputAndDrawsSecondsOnRequest)
{
    // 12:00:45 with an offset of 15 minutes: the minute hand points right,
    // the seconds hand left.
    FClock.SetNow(At(12, 0, 45));
    Watch->Settings()->SetTimeOffset(15);
    Watch->Settings()->SetAuto(true);
    EXPECT_TRUE(WatchTimer(100)->Enabled());
    const TDateTime shown = Watch->Time();
    EXPECT_EQ(Hms(shown), "12:00:45");
    Click(Watch, {140, 90});
    Click(Watch, {4, 90});
    Watch->HandleKey(VK_PRIOR);
    EXPECT_EQ(Watch->Time(), shown);

    Watch->Repaint();
    EXPECT_EQ(Pixel(130, 90), clBlack);
    EXPECT_EQ(Pixel(50, 90), 0x0000FF);
    // A tick 15 s later moves the seconds hand up.
    FClock.Advance(15000);
    WatchTimer(100)->CheckDue();
    EXPECT_NE(Pixel(50, 90), 0x0000FF);
    EXPECT_EQ(Pixel(90, 30), 0x0000FF);

    Watch->Settings()->SetSecond(false);
    Watch->Repaint();
    EXPECT_NE(Pixel(90, 30), 0x0000FF);
    Watch->Settings()->SetAuto(false);
    EXPECT_FALSE(WatchTimer(100)->Enabled());
}

TEST_F(WatchForm, SettingsAssignNotifiesOnlyForAuto)
{
    TWatchSettings source;
    source.SetSecond(false);
    source.SetTimeOffset(30);
    TWatchSettings target;
    int changes = 0;
    target.OnChange = [&](TObject*) { ++changes; };
    target.Assign(&source);
    EXPECT_FALSE(target.Second());
    EXPECT_EQ(target.TimeOffset(), 30);
    EXPECT_EQ(changes, 0);
    source.SetAuto(true);
    target.Assign(&source);
    EXPECT_TRUE(target.Auto());
    EXPECT_EQ(changes, 1);
}

} // namespace
