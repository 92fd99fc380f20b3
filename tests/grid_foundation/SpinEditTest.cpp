// The spin editor: value kinds and their steps, the character filter, the
// date and time fields stepped at the caret, and the spin button's
// auto-repeat on the fake clock.
#include "grid/foundation/SpinEdit.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Form.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/Timer.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include <gtest/gtest.h>
#include <memory>

using namespace SyntheticInput;

namespace {

class SpinEdit : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(50, 50, 300, 200);
        Edit = new TSgSpinEdit(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 10, 120, 24);
        Other = new TEdit(Form.get());
        Other->SetParent(Form.get());
        Other->SetBounds(10, 60, 120, 24);
        Form->Show();
        OldBeep = SetBeepHook([this] { ++Beeps; });
    }
    void TearDown() override
    {
        SetBeepHook(OldBeep);
        FormatSettings = Saved;
    }
    // Puts the caret at Pos.
    void Caret(int Pos)
    {
        Edit->SetSelStart(Pos);
        Edit->SetSelLength(0);
    }
    std::unique_ptr<TForm> Form;
    TSgSpinEdit* Edit = nullptr;
    TEdit* Other = nullptr;
    int Beeps = 0;
    TBeepHook OldBeep;
    TFormatSettings Saved = FormatSettings;
};

TEST_F(SpinEdit, WholeNumbersStepAndStopAtTheLimits)
{
    EXPECT_EQ(Edit->Text(), QStringLiteral("0"));
    Key(Edit, VK_UP);
    EXPECT_EQ(Edit->Text(), QStringLiteral("1"));
    for (int i = 0; i < 120; ++i)
        Edit->StepUp(false);
    EXPECT_EQ(Edit->Text(), QStringLiteral("100"));
    Key(Edit, VK_NEXT);
    EXPECT_EQ(Edit->Value(), 99);
    // Equal limits clamp nothing.
    Edit->SetMaxValue(0);
    Edit->SetValue(500);
    EXPECT_EQ(Edit->Text(), QStringLiteral("500"));
}

TEST_F(SpinEdit, ValuesOfTextThatIsNoValue)
{
    Edit->SetMinValue(5);
    Edit->SetMinFloatValue(2.5);
    Edit->SetText(QStringLiteral("abc"));
    EXPECT_EQ(Edit->Value(), 5);
    EXPECT_DOUBLE_EQ(Edit->FloatValue(), 2.5);
    EXPECT_EQ(Edit->TimeValue(), 0);
    Edit->SetText(QString());
    EXPECT_EQ(Edit->Value(), 0);
}

TEST_F(SpinEdit, LeavingClampsOnlyAValueOutsideTheLimits)
{
    Edit->SetFocus();
    Edit->SetText(QString());
    Other->SetFocus();
    EXPECT_EQ(Edit->Text(), QString());
    Edit->SetMinValue(3);
    Edit->SetFocus();
    Edit->SetText(QString());
    Other->SetFocus();
    EXPECT_EQ(Edit->Text(), QStringLiteral("3"));
}

TEST_F(SpinEdit, FloatsStepInTheShortestOrTheFixedForm)
{
    Edit->SetSpinType(sptFloat);
    Edit->StepUp(false);
    EXPECT_EQ(Edit->Text(), QStringLiteral("0.1"));
    Edit->SetPrecision(2);
    EXPECT_EQ(Edit->Text(), QStringLiteral("0.10"));
    Key(Edit, VK_PRIOR);
    EXPECT_EQ(Edit->Text(), QStringLiteral("1.10"));
}

struct TCharCase {
    const char* Name;
    TSgSpinType Kind;
    const char* Text;
    int SelStart;
    int SelLength;
    char16_t Key;
    bool Accepted;
};

const TCharCase CharCases[] = {
    {"NormalDigit", sptNormal, "12", 2, 0, u'7', true},
    {"NormalLetter", sptNormal, "12", 2, 0, u'a', false},
    {"NormalSpace", sptNormal, "12", 2, 0, u' ', false},
    {"NormalCtrlC", sptNormal, "12", 2, 0, 3, false},
    {"NormalMinusAtStart", sptNormal, "12", 0, 0, u'-', true},
    {"NormalMinusInside", sptNormal, "12", 1, 0, u'-', false},
    {"NormalSecondMinus", sptNormal, "-12", 0, 0, u'-', false},
    {"NormalMinusOverMinus", sptNormal, "-12", 0, 1, u'-', true},
    {"NormalDecimal", sptNormal, "12", 2, 0, u'.', false},
    {"FloatThousand", sptFloat, "12", 2, 0, u',', false},
    {"FloatSecondDecimal", sptFloat, "1.2", 3, 0, u'.', false},
    {"FloatDecimalOverDecimal", sptFloat, "1.2", 1, 1, u'.', true},
    {"FloatThirdDecimalDigit", sptFloat, "1.25", 4, 0, u'3', false},
    {"FloatDigitAtStart", sptFloat, "1.25", 0, 0, u'3', true},
    {"DateSeparator", sptDate, "1/2", 3, 0, u'/', true},
    {"DateSeparatorInTime", sptTime, "1:2", 3, 0, u'/', false},
    {"ThirdTimeSeparator", sptTime, "1:2:3", 5, 0, u':', false},
    {"SecondTimeSeparator", sptTime, "1:2", 3, 0, u':', true},
};

class SpinChars : public SpinEdit, public ::testing::WithParamInterface<TCharCase> {};

TEST_P(SpinChars, FilterKeepsOnlyTextOfTheKind)
{
    const TCharCase& c = GetParam();
    FormatSettings.DecimalSeparator = u'.';
    Edit->SetPrecision(2);
    // Through the text: the kind's setter would rewrite it.
    Edit->SetSpinType(c.Kind);
    Edit->SetText(QString::fromUtf8(c.Text));
    Edit->SetSelStart(c.SelStart);
    Edit->SetSelLength(c.SelLength);
    QChar key(c.Key);
    EXPECT_EQ(Edit->IsValidChar(key), c.Accepted);
}

INSTANTIATE_TEST_SUITE_P(SpinEdit, SpinChars, ::testing::ValuesIn(CharCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(SpinEdit, RefusedTypingBeepsAndChangesNothing)
{
    Edit->SetFocus();
    Edit->SetText(QStringLiteral("12"));
    Caret(2);
    Type(Edit, QStringLiteral("x"));
    EXPECT_EQ(Edit->Text(), QStringLiteral("12"));
    EXPECT_EQ(Beeps, 1);
}

TEST_F(SpinEdit, EditorDisabledOnlySteps)
{
    Edit->SetFocus();
    Edit->SetEditorEnabled(false);
    Edit->SetText(QStringLiteral("12"));
    Caret(2);
    Type(Edit, QStringLiteral("3"));
    Key(Edit, VK_BACK);
    EXPECT_EQ(Edit->Text(), QStringLiteral("12"));
    Key(Edit, VK_UP);
    EXPECT_EQ(Edit->Text(), QStringLiteral("13"));
    EXPECT_EQ(Edit->SelLength(), 2);
}

TEST_F(SpinEdit, ReadOnlyStepOnlyBeeps)
{
    Edit->SetReadOnly(true);
    Edit->StepUp(false);
    EXPECT_EQ(Edit->Text(), QStringLiteral("0"));
    EXPECT_EQ(Beeps, 1);
}

struct TDateCase {
    const char* Name;
    const char* Format;
    int Caret;
    int Sign;
    TDateTime From;
    TDateTime To;
};

const TDateCase DateCases[] = {
    {"MonthFirstMonthClipsTheDay", "MM/dd/yyyy", 0, 1, EncodeDate(2024, 12, 31), EncodeDate(2025, 1, 31)},
    {"MonthFirstDay", "MM/dd/yyyy", 3, 1, EncodeDate(2024, 12, 31), EncodeDate(2025, 1, 1)},
    {"MonthFirstYear", "MM/dd/yyyy", 6, 1, EncodeDate(2024, 12, 31), EncodeDate(2025, 12, 31)},
    {"MonthDownToFebruary", "MM/dd/yyyy", 0, -1, EncodeDate(2024, 3, 31), EncodeDate(2024, 2, 29)},
    {"DayFirstDay", "dd/MM/yyyy", 0, -1, EncodeDate(2024, 3, 1), EncodeDate(2024, 2, 29)},
    {"DayFirstMonth", "dd/MM/yyyy", 3, 1, EncodeDate(2024, 1, 31), EncodeDate(2024, 2, 29)},
    {"YearFromLeapDay", "dd/MM/yyyy", 6, 1, EncodeDate(2024, 2, 29), EncodeDate(2025, 2, 28)},
    {"YearFirstFormatTakesTheThirdFieldAsYear", "yyyy/MM/dd", 8, 1, EncodeDate(2024, 5, 6), EncodeDate(2025, 5, 6)},
};

class SpinDates : public SpinEdit, public ::testing::WithParamInterface<TDateCase> {};

TEST_P(SpinDates, StepTheFieldAtTheCaret)
{
    const TDateCase& c = GetParam();
    FormatSettings.ShortDateFormat = QString::fromLatin1(c.Format);
    Edit->SetSpinType(sptDate);
    Edit->SetDateValue(c.From);
    Caret(c.Caret);
    if (c.Sign > 0)
        Edit->StepUp(false);
    else
        Edit->StepDown(false);
    EXPECT_EQ(Edit->Text(), DateToStr(c.To));
}

INSTANTIATE_TEST_SUITE_P(SpinEdit, SpinDates, ::testing::ValuesIn(DateCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(SpinEdit, DateOfZeroIsTodayAndAStepWritesADate)
{
    Edit->SetText(QStringLiteral("0"));
    Edit->SetSpinType(sptDate);
    EXPECT_EQ(Edit->Text(), DateToStr(Date()));
}

TEST_F(SpinEdit, TimesStepAtTheCaretAndWrapAroundMidnight)
{
    Edit->SetSpinType(sptTime);
    Edit->SetShowSeconds(false);
    Edit->SetTimeValue(EncodeTime(9, 5, 0, 0));
    EXPECT_EQ(Edit->Text(), QStringLiteral("9:05"));
    Caret(3);
    Edit->StepUp(false);
    EXPECT_EQ(Edit->Text(), QStringLiteral("9:06"));

    Edit->SetTimeValue(EncodeTime(23, 30, 0, 0));
    Caret(0);
    Edit->StepUp(false);
    EXPECT_EQ(Edit->Text(), QStringLiteral("0:30"));
    Edit->StepDown(false);
    EXPECT_EQ(Edit->Text(), QStringLiteral("23:30"));

    Edit->SetShowSeconds(true);
    Edit->SetTimeValue(EncodeTime(10, 0, 59, 0));
    Caret(7);
    Edit->StepUp(false);
    EXPECT_EQ(Edit->Text(), QStringLiteral("10:01:00"));
}

class SpinRepeat : public SpinEdit {
protected:
    void SetUp() override
    {
        SetClock(&Fake);
        SpinEdit::SetUp();
    }
    void TearDown() override
    {
        SpinEdit::TearDown();
        SetClock(nullptr);
    }
    TFakeClock Fake{0, 1000};
};

TEST_F(SpinRepeat, HeldButtonStepsAt400AndThenEvery100Milliseconds)
{
    TProTimerSpeedButton* up = Edit->Button()->UpButton();
    MouseDown(up, mbLeft, {3, 3});
    TTimer* timer = up->RepeatTimer();
    ASSERT_NE(timer, nullptr);
    std::vector<int> steps;
    for (int ms = 50; ms <= 1000; ms += 50) {
        Fake.Advance(50);
        timer->CheckDue();
        steps.push_back(Edit->Value());
    }
    // Steps at 400, 500, ..., 1000 ms.
    EXPECT_EQ(steps[6], 0);
    EXPECT_EQ(steps[7], 1);
    EXPECT_EQ(steps[8], 1);
    EXPECT_EQ(steps[9], 2);
    EXPECT_EQ(steps[19], 7);
    MouseUp(up, mbLeft, {3, 3});
    EXPECT_EQ(Edit->Value(), 8);
    EXPECT_FALSE(timer->Enabled());

    // A quick click gives one step.
    Click(up, {3, 3});
    EXPECT_EQ(Edit->Value(), 9);
    Click(Edit->Button()->DownButton(), {3, 3});
    EXPECT_EQ(Edit->Value(), 8);
}

TEST_F(SpinEdit, HorizontalSpinButtonStepsDownOnTheLeft)
{
    Edit->SetDirection(spHorizontal);
    TSgSpinButton* spin = Edit->Button();
    EXPECT_EQ(spin->Width(), 20);
    EXPECT_EQ(spin->DownButton()->Left(), 0);
    EXPECT_EQ(spin->UpButton()->Left(), 11);
    Click(spin->DownButton(), {2, 2});
    EXPECT_EQ(Edit->Value(), 0);
    Click(spin->UpButton(), {2, 2});
    EXPECT_EQ(Edit->Value(), 1);
    spin->SetWidth(10);
    EXPECT_EQ(spin->Width(), 20);
}

TEST(SpinButton, SpaceAndArrowsClickTheFocusedButton)
{
    TForm form(nullptr);
    form.SetBounds(50, 50, 200, 100);
    auto* spin = new TSgSpinButton(&form);
    spin->SetParent(&form);
    spin->SetTabStop(true);
    form.Show();
    QStringList log;
    spin->OnUpClick = [&](TObject*) { log << "up"; };
    spin->OnDownClick = [&](TObject*) { log << "down"; };
    spin->SetFocus();
    Key(spin, VK_SPACE);
    Key(spin, VK_DOWN);
    Key(spin, VK_SPACE);
    EXPECT_EQ(log, QStringList({"up", "down", "down"}));
    EXPECT_EQ(spin->FocusedButton(), spin->DownButton());
}

TEST(SpinButton, NilGlyphRestoresTheBuiltInArrow)
{
    TSgSpinButton spin;
    TBitmap other(4, 4);
    spin.SetUpGlyph(&other);
    EXPECT_EQ(spin.UpGlyph()->Width(), 4);
    spin.SetUpGlyph(nullptr);
    ASSERT_EQ(spin.UpGlyph()->Width(), 9);
    EXPECT_EQ(spin.UpGlyph()->Height(), 6);
    TCanvas* c = spin.UpGlyph()->Canvas();
    EXPECT_EQ(c->Pixels(4, 1), clBlack);
    EXPECT_EQ(c->Pixels(3, 1), clOlive);
    EXPECT_EQ(c->Pixels(1, 4), clBlack);
    EXPECT_EQ(c->Pixels(0, 4), clOlive);
}

} // namespace
