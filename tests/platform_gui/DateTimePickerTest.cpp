// Date-time pickers: value parts, limits, formats and user changes.
#include "StdControlsFixture.h"
#include "platform/controls/DateTimePicker.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/WinApi.h"
#include "platform/rtl/FormatSettings.h"

using namespace SyntheticInput;

namespace {

using DateTimePickerTest = StdControlsTest;

TEST_F(DateTimePickerTest, DateAndTimePartsAndLimits)
{
    auto* picker = new TDateTimePicker(Form);
    picker->SetParent(Form);
    picker->SetDateTime(EncodeDateTime(2026, 12, 10, 14, 30, 0, 0));
    picker->SetDate(EncodeDate(2025, 1, 2));
    EXPECT_EQ(picker->DateTime(), EncodeDateTime(2025, 1, 2, 14, 30, 0, 0));
    picker->SetTime(EncodeTime(8, 15, 0, 0));
    EXPECT_EQ(picker->DateTime(), EncodeDateTime(2025, 1, 2, 8, 15, 0, 0));
    picker->SetMinDate(EncodeDate(2026, 1, 1));
    EXPECT_EQ(picker->Date(), EncodeDate(2026, 1, 1));
    picker->SetMaxDate(EncodeDate(2026, 6, 30));
    picker->SetDate(EncodeDate(2027, 3, 3));
    EXPECT_EQ(picker->Date(), EncodeDate(2026, 6, 30));
}

TEST_F(DateTimePickerTest, FormatsAndUserChanges)
{
    auto* picker = new TDateTimePicker(Form);
    picker->SetParent(Form);
    picker->SetDateTime(EncodeDateTime(2026, 12, 10, 14, 5, 9, 0));
    picker->SetFormat(QStringLiteral("dd/mm/yyyy hh:nn"));
    EXPECT_EQ(picker->DisplayText(), QStringLiteral("10/12/2026 14:05"));
    int changes = 0;
    picker->OnChange = [&](TObject*) { ++changes; };
    picker->SetDate(EncodeDate(2026, 12, 11));
    EXPECT_EQ(changes, 0);
    // Up on the focused day field moves the day.
    picker->SetFocus();
    Key(picker, VK_UP);
    EXPECT_EQ(picker->Date(), EncodeDate(2026, 12, 12));
    EXPECT_EQ(changes, 1);
    // Fields are taken whole: Right moves to the next field, a click
    // selects the field under it, and typed digits replace the field.
    picker->SetFormat(QStringLiteral("dd/mm/yyyy"));
    picker->SetFocus();
    Key(picker, VK_RIGHT);
    Type(picker, QStringLiteral("07"));
    EXPECT_EQ(picker->Date(), EncodeDate(2026, 7, 12));
    Click(picker, {3, picker->Height() / 2});
    Type(picker, QStringLiteral("05"));
    EXPECT_EQ(picker->Date(), EncodeDate(2026, 7, 5));
    // The full day stays selected: two more digits make a new day.
    Type(picker, QStringLiteral("09"));
    EXPECT_EQ(picker->Date(), EncodeDate(2026, 7, 9));
    picker->SetKind(dtkTime);
    picker->SetFormat(QString());
    EXPECT_EQ(picker->EffectiveFormat(), FormatSettings.LongTimeFormat);
}

TEST_F(DateTimePickerTest, CalendarOpensAndClosesWithItsEvents)
{
    auto* picker = new TDateTimePicker(Form);
    picker->SetParent(Form);
    QStringList log;
    picker->OnDropDown = [&](TObject*) { log << QStringLiteral("drop down"); };
    picker->OnCloseUp = [&](TObject*) { log << QStringLiteral("close up"); };
    // The open calendar takes the mouse from whoever held it.
    SetCaptureControl(Form);
    picker->SetDroppedDown(true);
    EXPECT_TRUE(picker->DroppedDown());
    EXPECT_EQ(GetCaptureControl(), nullptr);
    picker->SetDroppedDown(false);
    EXPECT_FALSE(picker->DroppedDown());
    // Alt+Down from the keyboard opens it too.
    picker->SetFocus();
    Key(picker, VK_DOWN, {ssAlt});
    EXPECT_TRUE(picker->DroppedDown());
    picker->SetDroppedDown(false);
    EXPECT_EQ(log, QStringList({"drop down", "close up", "drop down", "close up"}));
}

} // namespace
