#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "tests/support/QStringPrinter.h"
#include <gtest/gtest.h>
#include <cmath>

namespace {

// Pins the clock to Thursday 10 Dec 2026, 09:15 for parsing with the current year.
class DateTimeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Fake.SetNow(EncodeDate(2026, 12, 10) + EncodeTime(9, 15, 0, 0));
        SetClock(&Fake);
    }
    void TearDown() override { SetClock(nullptr); }

    TFakeClock Fake;
};

} // namespace

TEST_F(DateTimeTest, EncodeDateSerials)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
    EXPECT_EQ(EncodeDate(2024, 3, 5), 45356);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
    EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465);
    EXPECT_DOUBLE_EQ(EncodeTime(12, 0, 0, 0), 0.5);
    EXPECT_DOUBLE_EQ(EncodeTime(6, 0, 0, 0), 0.25);
}

TEST_F(DateTimeTest, EncodeRejectsInvalidArguments)
{
    const int dates[][3] = {{2023, 2, 29}, {2100, 2, 29}, {2024, 13, 1}, {2024, 0, 1}, {2024, 4, 31},
                            {2024, 1, 0}, {0, 1, 1}, {10000, 1, 1}};
    for (const auto& d : dates) {
        try {
            EncodeDate(d[0], d[1], d[2]);
            ADD_FAILURE() << d[0] << "-" << d[1] << "-" << d[2] << " accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "Invalid argument to date encode");
        }
        TDateTime v = 123;
        EXPECT_FALSE(TryEncodeDate(d[0], d[1], d[2], v));
        EXPECT_EQ(v, 123);
    }
    const int times[][4] = {{24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 1000}, {-1, 0, 0, 0}};
    for (const auto& t : times) {
        try {
            EncodeTime(t[0], t[1], t[2], t[3]);
            ADD_FAILURE() << t[0] << ":" << t[1] << ":" << t[2] << "." << t[3] << " accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "Invalid argument to time encode");
        }
    }
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(2023, 2), 28);
}

TEST_F(DateTimeTest, DecodeRoundTrips)
{
    const struct {
        int Y, M, D, H, N, S, Z;
    } cases[] = {
        {2024, 2, 29, 23, 59, 59, 999}, {1600, 3, 1, 0, 0, 0, 0}, {1899, 12, 29, 6, 0, 0, 0},
        {1, 1, 1, 12, 0, 0, 0}, {9999, 12, 31, 23, 59, 59, 999}, {1970, 1, 1, 0, 0, 0, 1},
    };
    for (const auto& c : cases) {
        const TDateTime v = EncodeDateTime(c.Y, c.M, c.D, c.H, c.N, c.S, c.Z);
        int y, m, d, h, n, s, z;
        DecodeDateTime(v, y, m, d, h, n, s, z);
        EXPECT_EQ(QString("%1-%2-%3 %4:%5:%6.%7").arg(y).arg(m).arg(d).arg(h).arg(n).arg(s).arg(z),
                  QString("%1-%2-%3 %4:%5:%6.%7").arg(c.Y).arg(c.M).arg(c.D).arg(c.H).arg(c.N).arg(c.S).arg(c.Z));
    }
    // A negative value counts its time forward from its date.
    int y, m, d, h, n, s, z;
    DecodeDateTime(-1.25, y, m, d, h, n, s, z);
    EXPECT_EQ(QString("%1-%2-%3 %4").arg(y).arg(m).arg(d).arg(h), "1899-12-29 6");
    // A time that rounds up to midnight moves to the next day, never 24:00.
    DecodeDateTime(EncodeDate(2024, 1, 31) + 0.9999999999, y, m, d, h, n, s, z);
    EXPECT_EQ(QString("%1-%2-%3 %4:%5:%6.%7").arg(y).arg(m).arg(d).arg(h).arg(n).arg(s).arg(z), "2024-2-1 0:0:0.0");

    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 1, 1)), 2);
    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 10)), 5);
    EXPECT_EQ(DayOfWeek(0), 7);
    EXPECT_EQ(DayOfWeek(-1), 6);
}

TEST_F(DateTimeTest, IncMonthClampsDay)
{
    EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 31), 1), EncodeDate(2024, 2, 29));
    EXPECT_EQ(IncMonth(EncodeDate(2024, 3, 31), -1), EncodeDate(2024, 2, 29));
    EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 15), -13), EncodeDate(2022, 12, 15));
    EXPECT_EQ(IncMonth(EncodeDate(2024, 11, 30), 3), EncodeDate(2025, 2, 28));
    EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2024, 1, 15) + 0.5), EncodeDate(2024, 2, 15) + 0.5);
}

TEST_F(DateTimeTest, FormatDateTimeLetters)
{
    const TDateTime afternoon = EncodeDateTime(2024, 3, 5, 14, 7, 9, 45);
    const TDateTime midnight = EncodeDateTime(2024, 3, 5, 0, 30, 0, 0);
    const struct {
        const char* Name;
        QString Format;
        TDateTime Value;
        QString Expected;
    } cases[] = {
        {"IsoDate", "yyyy-mm-dd", afternoon, "2024-03-05"},
        {"ShortFields", "d/m/yy", afternoon, "5/3/24"},
        {"DayNames", "ddd dddd", afternoon, "Tue Tuesday"},
        {"MonthNames", "mmm mmmm", afternoon, "Mar March"},
        {"UpperCaseLetters", "DD MMM YYYY", afternoon, "05 Mar 2024"},
        {"Time", "hh:nn:ss.zzz", afternoon, "14:07:09.045"},
        {"TimeUnpadded", "h:n:s.z", afternoon, "14:7:9.45"},
        {"MinutesAfterHour", "hh:mm", afternoon, "14:07"},
        {"MonthAfterOtherField", "dd mm hh", afternoon, "05 03 14"},
        {"AmPmLower", "h:mm am/pm", afternoon, "2:07 pm"},
        {"AmPmUpper", "h:mm AM/PM", afternoon, "2:07 PM"},
        {"AP", "h a/p", afternoon, "2 p"},
        {"AmPmFromSettings", "hh ampm", afternoon, "02 PM"},
        {"MidnightHourIs12", "h:nn am/pm", midnight, "12:30 am"},
        {"AmPmOnlyForPrecedingHour", "h am/pm h", afternoon, "2 pm 14"},
        {"DateAndTime", "c", afternoon, "05/03/2024 14:07:09"},
        {"DateOnlyAtMidnight", "c", EncodeDate(2024, 3, 5), "05/03/2024"},
        {"EmptyFormatIsC", "", afternoon, "05/03/2024 14:07:09"},
        {"ShortDate", "ddddd", afternoon, "05/03/2024"},
        {"LongDate", "dddddd", afternoon, "Tuesday, 5 March 2024"},
        {"ShortTime", "t", afternoon, "14:07"},
        {"LongTime", "tt", afternoon, "14:07:09"},
        {"QuotedText", "'Date:' yyyy \"at\" hh", afternoon, "Date: 2024 at 14"},
        {"QuotedLetters", "'dd mm' dd", afternoon, "dd mm 05"},
        {"Literals", "yyyymmdd_hhnnss", afternoon, "20240305_140709"},
        {"FirstYearPadded", "yyyy", EncodeDate(1, 1, 1), "0001"},
        {"NotANumberGivesZeros", "yyyy-mm-dd hh mmm", std::nan(""), "0000-00-00 00 "},
        {"OutOfRangeGivesZeros", "yyyy-mm-dd", 1e300, "0000-00-00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatDateTime(c.Format, c.Value), c.Expected) << c.Name;
}

TEST_F(DateTimeTest, SeparatorsComeFromSettings)
{
    TFormatSettings fs = TFormatSettings::Invariant();
    fs.DateSeparator = u'.';
    fs.TimeSeparator = u'-';
    fs.ShortDateFormat = "dd/mm/yyyy";
    const TDateTime v = EncodeDateTime(2024, 3, 5, 14, 7, 9, 0);
    EXPECT_EQ(FormatDateTime("dd/mm/yyyy hh:nn", v, fs), "05.03.2024 14-07");
    EXPECT_EQ(DateTimeToStr(v, fs), "05.03.2024 14-07-09");
    EXPECT_EQ(StrToDate("5.3.2024", fs), EncodeDate(2024, 3, 5));
    EXPECT_EQ(DateToStr(v), "05/03/2024");
    EXPECT_EQ(TimeToStr(v), "14:07:09");
    EXPECT_EQ(DateTimeToStr(v), "05/03/2024 14:07:09");
}

TEST_F(DateTimeTest, StrToDate)
{
    const struct {
        QString Text;
        TDateTime Expected;
    } accepted[] = {
        {"05/03/2024", EncodeDate(2024, 3, 5)},
        {" 5/3/2024 ", EncodeDate(2024, 3, 5)},
        {"5/3/24", EncodeDate(2024, 3, 5)},
        {"5/3/80", EncodeDate(1980, 3, 5)},
        {"5/3/0024", EncodeDate(24, 3, 5)},
        {"5/3", EncodeDate(2026, 3, 5)},
    };
    for (const auto& c : accepted)
        EXPECT_EQ(StrToDate(c.Text), c.Expected) << c.Text.toStdString();

    const char* rejected[] = {"31/02/2024", "2024-03-05", "5/3/2024x", "", "5//2024", "5", "14:07"};
    for (const char* text : rejected) {
        try {
            StrToDate(text);
            ADD_FAILURE() << text << " accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("'%1' is not a valid date").arg(text));
        }
    }

    TFormatSettings mdy = TFormatSettings::Invariant();
    mdy.ShortDateFormat = "M/d/yyyy";
    EXPECT_EQ(StrToDate("3/5/2024", mdy), EncodeDate(2024, 3, 5));
    TFormatSettings ymd = TFormatSettings::Invariant();
    ymd.ShortDateFormat = "yyyy-MM-dd";
    ymd.DateSeparator = u'-';
    EXPECT_EQ(StrToDate("2024-03-05", ymd), EncodeDate(2024, 3, 5));
}

TEST_F(DateTimeTest, StrToTimeAndDateTime)
{
    const struct {
        QString Text;
        TDateTime Expected;
    } times[] = {
        {"14:07", EncodeTime(14, 7, 0, 0)},
        {"14:07:09", EncodeTime(14, 7, 9, 0)},
        {"14:07:09.045", EncodeTime(14, 7, 9, 45)},
        {"14:07:09.5", EncodeTime(14, 7, 9, 500)},
        {"2:07 PM", EncodeTime(14, 7, 0, 0)},
        {"12:00 am", 0},
        {"12:30 PM", EncodeTime(12, 30, 0, 0)},
        {"9", EncodeTime(9, 0, 0, 0)},
    };
    for (const auto& c : times)
        EXPECT_DOUBLE_EQ(StrToTime(c.Text), c.Expected) << c.Text.toStdString();

    const char* rejected[] = {"25:00", "14:60", "13:00 PM", "0:10 AM", "abc", "14:", "14:07 x"};
    for (const char* text : rejected) {
        try {
            StrToTime(text);
            ADD_FAILURE() << text << " accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("'%1' is not a valid time").arg(text));
        }
    }

    EXPECT_DOUBLE_EQ(StrToDateTime("05/03/2024 14:07:09"), EncodeDateTime(2024, 3, 5, 14, 7, 9, 0));
    EXPECT_DOUBLE_EQ(StrToDateTime("05/03/2024"), EncodeDate(2024, 3, 5));
    EXPECT_DOUBLE_EQ(StrToDateTime("14:07"), EncodeTime(14, 7, 0, 0));
    try {
        StrToDateTime("05/03/2024 x");
        ADD_FAILURE() << "accepted";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'05/03/2024 x' is not a valid date and time");
    }
    // Round trip through the pinned formats.
    const TDateTime v = EncodeDateTime(2031, 12, 24, 18, 0, 5, 0);
    EXPECT_DOUBLE_EQ(StrToDateTime(DateTimeToStr(v)), v);
}

TEST_F(DateTimeTest, UnixTime)
{
    EXPECT_EQ(DateTimeToUnix(EncodeDate(1970, 1, 1)), 0);
    EXPECT_EQ(DateTimeToUnix(EncodeDateTime(2024, 3, 5, 14, 7, 9, 0)), 1709647629);
    EXPECT_DOUBLE_EQ(UnixToDateTime(86400), EncodeDate(1970, 1, 2));
    EXPECT_EQ(DateTimeToUnix(UnixToDateTime(-1234567)), -1234567);
}

TEST_F(DateTimeTest, NowDateAndTimeFollowTheClock)
{
    EXPECT_DOUBLE_EQ(Now(), EncodeDate(2026, 12, 10) + EncodeTime(9, 15, 0, 0));
    EXPECT_EQ(Date(), EncodeDate(2026, 12, 10));
    EXPECT_NEAR(Time(), EncodeTime(9, 15, 0, 0), 1e-9);
    Fake.Advance(90 * 60 * 1000);
    EXPECT_EQ(FormatDateTime("hh:nn", Now()), "10:45");
}
