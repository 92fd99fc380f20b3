#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/SysUtils.h"
#include "tests/support/QStringPrinter.h"
#include <gtest/gtest.h>
#include <QLocale>

TEST(FormatSettings, PinnedForTests)
{
    const TFormatSettings& fs = FormatSettings;
    EXPECT_EQ(fs.DecimalSeparator, u'.');
    EXPECT_EQ(fs.ThousandSeparator, u',');
    EXPECT_EQ(fs.DateSeparator, u'/');
    EXPECT_EQ(fs.TimeSeparator, u':');
    EXPECT_EQ(fs.ShortDateFormat, "dd/MM/yyyy");
    EXPECT_EQ(fs.LongTimeFormat, "hh:nn:ss");
    EXPECT_EQ(fs.LongMonthNames[0], "January");
    EXPECT_EQ(fs.ShortDayNames[0], "Sun");
}

TEST(FormatSettings, TakenFromQtLocale)
{
    const TDateTime v = EncodeDateTime(2024, 3, 5, 14, 7, 9, 0);
    // Two-digit years are read relative to the clock's year.
    TFakeClock clock(EncodeDate(2026, 1, 1));
    SetClock(&clock);

    const TFormatSettings de = TFormatSettings::FromLocale(QLocale("de_DE"));
    EXPECT_EQ(de.DecimalSeparator, u',');
    EXPECT_EQ(de.ThousandSeparator, u'.');
    EXPECT_EQ(de.DateSeparator, u'.');
    EXPECT_EQ(DateTimeToStr(v, de), "05.03.24 14:07:09");
    EXPECT_EQ(FormatDateTime("dddd mmmm", v, de), "Dienstag März");
    EXPECT_EQ(Format("%m", {1234.5}, de), QString("1.234,50 ") + QChar(0x20AC));
    EXPECT_EQ(StrToDateTime("05.03.24 14:07:09", de), v);

    const TFormatSettings us = TFormatSettings::FromLocale(QLocale("en_US"));
    EXPECT_EQ(us.ShortDateFormat, "m/d/yy");
    EXPECT_EQ(DateTimeToStr(v, us), "3/5/24 2:07:09 PM");
    EXPECT_EQ(StrToDateTime("3/5/24 2:07:09 PM", us), v);

    const TFormatSettings c = TFormatSettings::FromLocale(QLocale::c());
    EXPECT_EQ(c.ShortDateFormat, TFormatSettings::Invariant().ShortDateFormat);
    SetClock(nullptr);
}
