// The time picker drop-down: its text, typed texts, field steps, the
// watch in the popup and the optional time picker.
#include "grid/dropdown/ProTimePickerDropDown.h"
#include "platform/controls/Application.h"
#include "platform/controls/DateTimePicker.h"
#include "platform/controls/Form.h"
#include "platform/controls/Panel.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/WinApi.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include <gtest/gtest.h>
#include <memory>

using namespace SyntheticInput;

namespace {

class TimePicker : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(100, 100, 400, 200);
        Picker = new TProTimePickerDropDown(Form.get());
        Picker->SetParent(Form.get());
        Picker->SetBounds(10, 10, 150, 21);
        Picker->OnTimeChange = [this](TObject*) { ++Changes; };
        Form->Show();
        Picker->SetFocus();
    }
    QString TimeText() const { return FormatDateTime(QStringLiteral("hh:nn:ss"), Picker->Time()); }

    std::unique_ptr<TForm> Form;
    TProTimePickerDropDown* Picker = nullptr;
    int Changes = 0;
};

TEST_F(TimePicker, NewPickerShowsMidnight)
{
    EXPECT_EQ(Picker->EditText(), QStringLiteral("00:00:00"));
    EXPECT_EQ(Picker->Time(), 0);
    EXPECT_FALSE(Picker->EditorEnabled());
    Picker->SetTime(EncodeTime(8, 15, 42, 0));
    EXPECT_EQ(Picker->EditText(), QStringLiteral("08:15:42"));
    EXPECT_EQ(Changes, 0);
}

struct TTimeTextCase {
    const char* Name;
    bool Seconds;
    const char* Text;
    // Expected time, or empty when the time stays 01:02:00.
    const char* Time;
    const char* Shown;
};

const TTimeTextCase TimeTextCases[] = {
    {"BlankFirstDigitIsIncomplete", false, " 9:05", "", " 9:05"},
    {"CompleteWithoutSeconds", false, "09:05", "09:05:00", "09:05"},
    {"WholeHourIsRewritten", false, "12: 0", "12:00:00", "12:00"},
    {"CompleteWithSeconds", true, "12:34:56", "12:34:56", "12:34:56"},
    {"IncompleteWithSeconds", true, "12:34", "", "12:34"},
};

class TimePickerText : public TimePicker, public ::testing::WithParamInterface<TTimeTextCase> {};

TEST_P(TimePickerText, ACompleteTextSetsTheTime)
{
    const TTimeTextCase& c = GetParam();
    Picker->SetShowSeconds(c.Seconds);
    Picker->SetTime(EncodeTime(1, 2, 0, 0));
    Picker->SetEditMask(QString());
    Picker->SetTextDirect(QString::fromUtf8(c.Text));
    const QString expected = *c.Time ? QString::fromUtf8(c.Time) : QStringLiteral("01:02:00");
    EXPECT_EQ(TimeText(), expected);
    EXPECT_EQ(Picker->EditText(), QString::fromUtf8(c.Shown));
    EXPECT_EQ(Changes, 0);
}

INSTANTIATE_TEST_SUITE_P(TimePicker, TimePickerText, ::testing::ValuesIn(TimeTextCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(TimePicker, AnOutOfRangeTextRaisesAndKeepsTheTime)
{
    Picker->SetShowSeconds(false);
    Picker->SetTime(EncodeTime(1, 2, 0, 0));
    Picker->SetEditMask(QString());
    // The change notification's error goes to the application.
    QString error;
    Application->OnException = [&](TObject*, Exception* E) { error = E->Message(); };
    Picker->SetTextDirect(QStringLiteral("25:00"));
    Application->OnException = nullptr;
    EXPECT_EQ(error, QStringLiteral("Invalid argument to time encode"));
    EXPECT_EQ(TimeText(), QStringLiteral("01:02:00"));
}

TEST_F(TimePicker, UpAndDownStepTheFieldUnderTheCaret)
{
    Picker->SetShowSeconds(false);
    Picker->SetTime(EncodeTime(0, 30, 0, 0));
    Picker->SetSelStart(1);
    Key(Picker, VK_UP);
    EXPECT_EQ(Picker->EditText(), QStringLiteral("23:30"));
    Key(Picker, VK_DOWN);
    EXPECT_EQ(Picker->EditText(), QStringLiteral("00:30"));
    EXPECT_EQ(Changes, 2);
    Picker->SetTime(EncodeTime(10, 0, 0, 0));
    Picker->SetSelStart(4);
    Key(Picker, VK_UP);
    EXPECT_EQ(Picker->EditText(), QStringLiteral("10:59"));
    EXPECT_EQ(Picker->SelStart(), 4);
    Picker->SetShowSeconds(true);
    Picker->SetSelStart(7);
    Key(Picker, VK_DOWN);
    EXPECT_EQ(Picker->EditText(), QStringLiteral("10:59:01"));
}

TEST_F(TimePicker, FieldSettersIgnoreOutOfRange)
{
    Picker->SetHourPart(24);
    Picker->SetMinutePart(60);
    Picker->SetSecondPart(60);
    Picker->SetHourPart(0);
    EXPECT_EQ(Changes, 0);
    Picker->SetHourPart(23);
    EXPECT_EQ(TimeText(), QStringLiteral("23:00:00"));
    EXPECT_EQ(Changes, 1);
}

TEST_F(TimePicker, SecondsOffAndOnKeepTheSeconds)
{
    Picker->SetTime(EncodeTime(8, 15, 42, 0));
    Picker->SetShowSeconds(false);
    EXPECT_EQ(Picker->EditText(), QStringLiteral("08:15"));
    Picker->SetShowSeconds(true);
    EXPECT_EQ(Picker->EditText(), QStringLiteral("08:15:42"));
}

TEST_F(TimePicker, TheWatchSetsTheTimeAndEscapeBringsItBack)
{
    Picker->SetAnimation(false);
    Picker->SetTime(EncodeTime(10, 0, 0, 0));
    Picker->ShowDropDown();
    ASSERT_TRUE(Picker->DroppedDown());
    // The popup takes its size from the 170 x 170 panel, border included.
    EXPECT_EQ(Picker->DropDownForm()->Width(), 170);
    EXPECT_EQ(Picker->DropDownForm()->Height(), 172);
    EXPECT_EQ(Picker->Watch()->Time(), EncodeTime(10, 0, 0, 0));
    // Page Up moves the watch's hour on; the time follows when the popup closes.
    ASSERT_EQ(TWinControl::FocusedControl(), Picker->DropDownForm());
    Key(TWinControl::FocusedControl(), VK_PRIOR);
    EXPECT_EQ(Picker->Watch()->Time(), EncodeTime(11, 0, 0, 0));
    Key(TWinControl::FocusedControl(), VK_RETURN);
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(TimeText(), QStringLiteral("11:00:00"));

    // Escape puts the time and the text back.
    Picker->ShowDropDown();
    Key(TWinControl::FocusedControl(), VK_PRIOR);
    Key(TWinControl::FocusedControl(), VK_ESCAPE);
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(TimeText(), QStringLiteral("11:00:00"));
    EXPECT_EQ(Picker->EditText(), QStringLiteral("11:00:00"));

    Picker->ShowDropDown();
    Picker->Watch()->HandleKey(VK_RIGHT);
    Picker->HideDropDown(false);
    EXPECT_EQ(TimeText(), QStringLiteral("11:01:00"));
}

TEST_F(TimePicker, WithTheTimePickerBelowTheWatch)
{
    Picker->SetShowTimePicker(true);
    Picker->SetTime(EncodeTime(7, 30, 0, 0));
    Picker->ShowDropDown();
    ASSERT_NE(Picker->DateTimePicker(), nullptr);
    TDateTimePicker* dtp = Picker->DateTimePicker();
    EXPECT_EQ(Picker->DropDownForm()->Width(), 170);
    EXPECT_EQ(Picker->DropDownForm()->Height(), dtp->Height() + 170 + 2);
    EXPECT_EQ(dtp->Time(), EncodeTime(7, 30, 0, 0));
    dtp->SetTime(EncodeTime(9, 45, 0, 0));
    CallEvent(dtp->OnChange, dtp);
    EXPECT_EQ(Picker->Watch()->Time(), EncodeTime(9, 45, 0, 0));
    Picker->HideDropDown(false);
    EXPECT_EQ(TimeText(), QStringLiteral("09:45:00"));
}

} // namespace
