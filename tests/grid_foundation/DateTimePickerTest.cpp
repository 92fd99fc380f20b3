// The date-time picker control and the in-place date editor: the companion
// time picker, values without milliseconds, auto-tab through the fields and
// into the companion, and the check box coupling.
#include "grid/foundation/ProDateTimePicker.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/controls/Label.h"
#include "platform/rtl/DateTime.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

class TestPicker : public TProDateTimePicker {
public:
    using TProDateTimePicker::KeyPress;
    using TProDateTimePicker::TProDateTimePicker;
};

class TestTimePicker : public TCustomDateTimePicker {
public:
    using TCustomDateTimePicker::KeyPress;
    using TCustomDateTimePicker::TCustomDateTimePicker;
};

class Picker : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(50, 50, 400, 200);
        P = new TestPicker(Form.get());
        P->SetParent(Form.get());
        P->SetBounds(10, 10, 250, 24);
        Form->Show();
    }
    // Logs the key-downs that reach Control.
    void WatchKeys(TControl* Control)
    {
        Control->WindowProc = [this, Control](TMessage& m) {
            if (m.Msg == WM_KEYDOWN)
                Keys << int(m.WParam);
            Control->WndProc(m);
        };
    }
    std::unique_ptr<TForm> Form;
    TestPicker* P = nullptr;
    QList<int> Keys;
};

TEST_F(Picker, DateAndTimeShowTheCompanionAtTheRightEnd)
{
    EXPECT_EQ(P->Kind(), dkDateTime);
    EXPECT_EQ(P->Version(), QStringLiteral("1.2.0.0"));
    EXPECT_EQ(TSgDateTimePicker().Version(), QStringLiteral("1.0.0.0"));
    TCustomDateTimePicker* t = P->TimePicker();
    ASSERT_NE(t, nullptr);
    EXPECT_TRUE(t->Visible());
    EXPECT_EQ(t->Parent(), P);
    EXPECT_EQ(t->Left() + t->Width(), 250 - 21);
    EXPECT_EQ(t->Top(), 2);
    EXPECT_EQ(t->Height(), 20);

    t->TDateTimePicker::SetTime(EncodeTime(7, 8, 9, 0));
    EXPECT_NEAR(P->Time(), EncodeTime(7, 8, 9, 0), 1e-9);
    P->SetKind(dkDate);
    EXPECT_EQ(P->TimePicker(), nullptr);
    P->SetTime(EncodeTime(1, 2, 3, 0));
    EXPECT_NEAR(P->Time(), EncodeTime(1, 2, 3, 0), 1e-9);
}

TEST_F(Picker, ValuesDropTheirMillisecondsAndDateKeepsTheTime)
{
    const TDateTime v = EncodeDateTime(2024, 5, 6, 7, 8, 9, 500);
    const TDateTime clean = EncodeDateTime(2024, 5, 6, 7, 8, 9, 0);
    P->SetDateTime(v);
    EXPECT_NEAR(P->DateTime(), clean, 1e-9);
    ASSERT_NE(P->TimePicker(), nullptr);
    EXPECT_NEAR(P->TimePicker()->TDateTimePicker::DateTime(), clean, 1e-9);
    P->SetDate(EncodeDate(2025, 1, 2));
    EXPECT_NEAR(P->DateTime(), EncodeDateTime(2025, 1, 2, 7, 8, 9, 0), 1e-9);
}

struct TAutoTabCase {
    const char* Name;
    const char* Format;
    TDateTime After;
    // 1: Right arrow posted, 2: the companion takes the focus, 0: nothing.
    int Outcome;
};

const TAutoTabCase AutoTabCases[] = {
    {"DayMovesOn", "dd.MM.yyyy", EncodeDate(2024, 5, 7), 1},
    {"MonthMovesOn", "dd.MM.yyyy", EncodeDate(2024, 6, 6), 1},
    {"YearGoesIntoTheCompanion", "dd.MM.yyyy", EncodeDate(2025, 5, 6), 2},
    {"NoChangeDoesNothing", "dd.MM.yyyy", EncodeDate(2024, 5, 6), 0},
    {"LocaleFormatDayMovesOn", "", EncodeDate(2024, 5, 16), 1},
    {"LocaleFormatYearGoesIntoTheCompanion", "", EncodeDate(2023, 5, 6), 2},
};

class AutoTab : public Picker, public ::testing::WithParamInterface<TAutoTabCase> {};

TEST_P(AutoTab, DigitsMoveToTheNextField)
{
    const TAutoTabCase& c = GetParam();
    P->SetFormat(QString::fromLatin1(c.Format));
    P->SetAutoTab(true);
    P->SetDateTime(EncodeDate(2024, 5, 6) + EncodeTime(10, 0, 0, 0));
    P->SetFocus();
    WatchKeys(P);
    QChar digit(u'5');
    P->KeyPress(digit);
    // What the native control made of the digit.
    P->TDateTimePicker::SetDateTime(c.After + EncodeTime(10, 0, 0, 0));
    Application->ProcessMessages();
    Application->ProcessMessages();
    EXPECT_EQ(Keys.contains(VK_RIGHT), c.Outcome == 1);
    EXPECT_EQ(P->TimePicker()->Focused(), c.Outcome == 2);
}

INSTANTIATE_TEST_SUITE_P(Picker, AutoTab, ::testing::ValuesIn(AutoTabCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Picker, TimePickerMovesOnWhenAFieldChanged)
{
    auto* t = new TestTimePicker(Form.get());
    t->SetParent(Form.get());
    t->SetTop(60);
    t->SetKind(dtkTime);
    t->SetAutoTab(true);
    t->SetDateTime(EncodeTime(10, 20, 30, 0));
    WatchKeys(t);
    QChar digit(u'1');
    t->KeyPress(digit);
    Application->ProcessMessages();
    EXPECT_FALSE(Keys.contains(VK_RIGHT));
    t->KeyPress(digit);
    t->TDateTimePicker::SetDateTime(EncodeTime(11, 20, 30, 0));
    Application->ProcessMessages();
    Application->ProcessMessages();
    EXPECT_TRUE(Keys.contains(VK_RIGHT));
    EXPECT_GE(DTPShiftFocusMsg(), 0xC000u);
}

TEST_F(Picker, AutoTabReachesTheCompanion)
{
    P->SetAutoTab(true);
    EXPECT_TRUE(P->TimePicker()->AutoTab());
}

TEST_F(Picker, CheckBoxEnablesTheCompanion)
{
    P->SetShowCheckbox(true);
    P->SetChecked(false);
    P->SetDateTime(EncodeDate(2024, 1, 1));
    EXPECT_FALSE(P->TimePicker()->Enabled());
    P->SetChecked(true);
    P->SetDateTime(EncodeDate(2024, 1, 1));
    EXPECT_TRUE(P->TimePicker()->Enabled());
    P->SetEnabled(false);
    EXPECT_FALSE(P->TimePicker()->Enabled());
}

TEST_F(Picker, MetroBorderIsBlackUnlessSet)
{
    EXPECT_EQ(P->BorderColor(), clBlack);
    EXPECT_EQ(TSgDateTimePicker().BorderColor(), clNone);
}

TEST_F(Picker, LabelStandsBesideAndFollows)
{
    P->SetLabelPosition(lpTopLeft);
    P->SetLabelCaption(QStringLiteral("Start"));
    ASSERT_NE(P->PickerLabel(), nullptr);
    EXPECT_EQ(P->PickerLabel()->Left(), 10);
    EXPECT_EQ(P->PickerLabel()->Top(), 10 - 4 - P->PickerLabel()->Height());
    P->SetBounds(40, 80, 250, 24);
    EXPECT_EQ(P->PickerLabel()->Left(), 40);
    P->SetEnabled(false);
    EXPECT_FALSE(P->PickerLabel()->Enabled());
}

} // namespace
