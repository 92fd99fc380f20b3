// The calculator drop-down: keypad sequences, the memory, "Error", the
// keys in the popup and the style handed to the keypad.
#include "grid/dropdown/CustomButtonPanel.h"
#include "grid/dropdown/ProCalculatorDropdown.h"
#include "platform/controls/Form.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/WinApi.h"
#include "platform/rtl/Exceptions.h"
#include <gtest/gtest.h>
#include <memory>

using namespace SyntheticInput;

namespace {

TPoint Middle(const TRect& R)
{
    return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};
}

class Calculator : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(100, 100, 400, 200);
        Calc = new TProCalculatorDropdown(Form.get());
        Calc->SetParent(Form.get());
        Calc->SetBounds(10, 10, 200, 21);
        Form->Show();
        Calc->ShowDropDown();
    }
    // Clicks the keypad keys named by their captions, separated by blanks.
    void Keys(const QString& Sequence)
    {
        TCustomButtonPanel* pad = Calc->ButtonPanel();
        for (const QString& key : Sequence.split(u' ', Qt::SkipEmptyParts)) {
            int index = -1;
            for (int i = 0; i < pad->Buttons()->Count(); ++i)
                if (pad->Buttons()->Items(i)->Caption() == key)
                    index = i;
            ASSERT_GE(index, 0) << key.toStdString();
            Click(pad, Middle(pad->Buttons()->Items(index)->BoundsRect()));
        }
    }
    std::unique_ptr<TForm> Form;
    TProCalculatorDropdown* Calc = nullptr;
};

struct TKeysCase {
    const char* Name;
    const char* Keys;
    const char* Text;
};

const TKeysCase KeysCases[] = {
    {"LeftToRightWithoutPrecedence", "2 + 3 * 4 =", "20.00"},
    {"PercentOfTheAccumulator", "2 0 0 + 1 0 %", "20.00"},
    {"PercentThenEquals", "2 0 0 + 1 0 % =", "220.00"},
    {"DivisionByZero", "8 / 0 =", "Error"},
    {"DigitAfterError", "8 / 0 = 5", "5.00"},
    {"PointAfterOperator", "7 + .", "0.00"},
    {"DigitAfterPoint", "7 + . 5", "0.50"},
    {"ThirdDecimalRoundedAway", "1 . 2 3 4", "1.23"},
    {"ClearEntryClearsAll", "5 + 3 CE =", "0.00"},
    {"BackDropsTheLastDigit", "1 2 3 . 4 5 Back", "123.40"},
    {"BackWhilePendingDoesNothing", "1 2 + Back", "12.00"},
    {"SignThenDigitsGrowTheMagnitude", "1 +/- 2", "-12.00"},
    {"SignKeepsTheDecimalPosition", "1 . 5 +/- 2", "-1.52"},
    {"SquareRootOfNegative", "4 +/- sqrt", "Error"},
    {"SquareRoot", "9 sqrt", "3.00"},
    {"ReciprocalOfZero", "0 1/x", "Error"},
    {"Reciprocal", "4 1/x", "0.25"},
    {"MemoryStoreRecall", "6 MS C MR", "6.00"},
    {"MemoryAdd", "6 MS C 4 M+ MR", "10.00"},
    {"MemoryClear", "6 MS MC MR", "0.00"},
};

class CalculatorKeys : public Calculator, public ::testing::WithParamInterface<TKeysCase> {};

TEST_P(CalculatorKeys, KeypadSequence)
{
    Keys(QString::fromUtf8(GetParam().Keys));
    EXPECT_EQ(Calc->GetText(), QString::fromUtf8(GetParam().Text));
}

INSTANTIATE_TEST_SUITE_P(Calculator, CalculatorKeys, ::testing::ValuesIn(KeysCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Calculator, NewCalculatorDefaults)
{
    EXPECT_EQ(Calc->EditType(), etFloat);
    EXPECT_EQ(Calc->Precision(), 2);
    EXPECT_EQ(Calc->DropDownWidth(), 230);
    EXPECT_FALSE(Calc->DropDownHeader()->Visible());
    ASSERT_TRUE(Calc->DroppedDown());
    EXPECT_EQ(Calc->DropDownForm()->Width(), 230);
    EXPECT_EQ(Calc->ButtonPanel()->Buttons()->Count(), 28);
    // A click outside keeps the value.
    EXPECT_FALSE(Calc->DropDownForm()->CancelOnDeActivate());
}

TEST_F(Calculator, MaxLengthStopsDigitsAndLeavesTheFlag)
{
    Keys(QStringLiteral("1 2"));
    Calc->SetText(Calc->GetText());
    Calc->SetMaxLength(int(Calc->EditText().size()));
    Keys(QStringLiteral("3 +/- ."));
    EXPECT_EQ(Calc->GetText(), QStringLiteral("12.00"));
    EXPECT_FALSE(Calc->GetIsModified());
}

TEST_F(Calculator, ThousandSeparatorAndMemory)
{
    Calc->SetShowThousandSeparator(true);
    Keys(QStringLiteral("1 2 3 4"));
    EXPECT_EQ(Calc->GetText(), QStringLiteral("1,234.00"));
    Keys(QStringLiteral("MS"));
    EXPECT_DOUBLE_EQ(Calc->Memory(), 1234);
    Calc->SetShowThousandSeparator(false);
    EXPECT_EQ(Calc->GetText(), QStringLiteral("1234.00"));
}

TEST_F(Calculator, KeysInThePopup)
{
    TWinControl* popup = TWinControl::FocusedControl();
    ASSERT_NE(popup, Calc);
    Type(popup, QStringLiteral("7*6"));
    Key(popup, VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_FALSE(Calc->DroppedDown());
    EXPECT_EQ(Calc->GetText(), QStringLiteral("42.00"));
    // Escape restores the text of before the drop-down.
    Calc->ShowDropDown();
    popup = TWinControl::FocusedControl();
    Type(popup, QStringLiteral("9"));
    EXPECT_EQ(Calc->GetText(), QStringLiteral("9.00"));
    Key(popup, VK_ESCAPE);
    EXPECT_FALSE(Calc->DroppedDown());
    EXPECT_EQ(Calc->GetText(), QStringLiteral("42.00"));
}

TEST_F(Calculator, ATextThatIsNoNumberRaisesAndKeepsTheState)
{
    Keys(QStringLiteral("5 +"));
    Calc->SetTextDirect(QStringLiteral("-"));
    EXPECT_THROW(Calc->CalcResult(), EConvertError);
    Calc->SetText(QStringLiteral("1"));
    Calc->CalcResult();
    EXPECT_EQ(Calc->GetText(), QStringLiteral("6.00"));
}

TEST_F(Calculator, ReleaseOutsideThePressedKeyClicksNothing)
{
    TCustomButtonPanel* pad = Calc->ButtonPanel();
    const TRect seven = pad->Buttons()->Items(11)->BoundsRect();
    const TRect eight = pad->Buttons()->Items(12)->BoundsRect();
    MouseDown(pad, mbLeft, Middle(seven));
    MouseUp(pad, mbLeft, Middle(eight));
    EXPECT_EQ(Calc->GetText(), QStringLiteral("0.00"));
}

TEST_F(Calculator, StyleReachesTheKeypadAppearance)
{
    Calc->SetComponentStyle(tsOffice2010Blue);
    EXPECT_EQ(Calc->CalcButtonAppearance()->Color(), TColor(0xFDF6EF));
    EXPECT_EQ(Calc->CalcButtonAppearance()->GlowColorHot, TColor(0x8AE3FD));
    Calc->SetComponentStyle(tsOffice2007Luna);
    EXPECT_EQ(Calc->CalcButtonAppearance()->GlowColorDown, TColor(0xD5C244));
    EXPECT_EQ(Calc->CalcButtonAppearance()->GlowColorHot, TColor(0x6EBBFF));
}

} // namespace
