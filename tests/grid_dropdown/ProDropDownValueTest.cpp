// Typed editing of the drop-down edit: the value between prefix and
// suffix, the character filter of each edit type, number formatting, the
// caret keys, focus formatting and the clipboard.
#include "grid/dropdown/ProDropDown.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Form.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/WinApi.h"
#include "platform/services/Clipboard.h"
#include <gtest/gtest.h>
#include <memory>

using namespace SyntheticInput;

namespace {

class DropDownValue : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(100, 100, 400, 200);
        Other = new TEdit(Form.get());
        Other->SetParent(Form.get());
        Other->SetBounds(10, 100, 100, 21);
        Edit = new TProCustomDropDown(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 10, 200, 21);
        Form->Show();
        Edit->SetFocus();
    }
    // Caret at Pos of the shown text, nothing selected.
    void Caret(int Pos) { Edit->SetSelStart(Pos); }

    std::unique_ptr<TForm> Form;
    TEdit* Other = nullptr;
    TProCustomDropDown* Edit = nullptr;
};

struct TTypeCase {
    const char* Name;
    TDropDownEditType Type;
    int Precision;
    bool Signed;
    const char* Start;
    // Caret in the value; -1: at its end.
    int Caret;
    const char* Typed;
    const char* Value;
};

const TTypeCase TypeCases[] = {
    {"NumericTakesDigitsOnly", etNumeric, 0, false, "", -1, "12a3", "123"},
    {"NumericDropsMinusUnsigned", etNumeric, 0, false, "12", -1, "-", "12"},
    {"NumericMinusTogglesSign", etNumeric, 0, true, "12", -1, "-", "-12"},
    {"NumericMinusTogglesBack", etNumeric, 0, true, "-12", -1, "-", "12"},
    {"FloatFullDecimalsDropADigit", etFloat, 2, false, "1.25", -1, "9", "1.25"},
    {"FloatDigitReplacesTheNextDecimal", etFloat, 2, false, "1.25", 3, "7", "1.27"},
    {"FloatSecondSeparatorIsDropped", etFloat, 2, false, "1.25", 1, ".", "1.25"},
    {"FloatNoSeparatorWithoutPrecision", etFloat, 0, false, "12", -1, ".5", "125"},
    {"FloatSeparatorIntoEmptyGivesZero", etFloat, -1, false, "", 0, ".5", "0.5"},
    {"MoneyRegroupsAfterEachDigit", etMoney, -1, false, "", 0, "1234", "1,234"},
    {"MoneySeparatorThreeAfterAGroup", etMoney, 2, false, "1,234", -1, ".", "1,234."},
    {"MoneySeparatorTooNearAGroupIsDropped", etMoney, 2, false, "1,234", 4, ".", "1,234"},
    {"UpperCase", etUppercase, 0, false, "", -1, "ab", "AB"},
    {"LowerCase", etLowerCase, 0, false, "", -1, "AB", "ab"},
    {"MixedCase", etMixedCase, 0, false, "", -1, "john smith", "John Smith"},
    {"RangeNoDoubleSeparator", etRange, 0, false, "", -1, "1--5,,7", "1-5,7"},
    {"RangeNoLeadingSeparator", etRange, 0, false, "", -1, ",1", "1"},
    {"HexDigitsAndLetters", etHex, 0, false, "", 0, "1fG", "1f"},
    {"AlphaNumeric", etAlphaNumeric, 0, false, "", -1, "a-1 b", "a1b"},
};

class DropDownTyping : public DropDownValue, public ::testing::WithParamInterface<TTypeCase> {};

TEST_P(DropDownTyping, TheEditTypeFiltersWhatIsTyped)
{
    const TTypeCase& c = GetParam();
    Edit->SetEditType(c.Type);
    Edit->SetSigned(c.Signed);
    Edit->SetPrecision(c.Precision);
    Edit->SetTextDirect(QString::fromUtf8(c.Start));
    Caret(c.Caret < 0 ? int(Edit->GetText().size()) : c.Caret);
    Type(Edit, QString::fromUtf8(c.Typed));
    EXPECT_EQ(Edit->GetText(), QString::fromUtf8(c.Value));
}

INSTANTIATE_TEST_SUITE_P(DropDownValue, DropDownTyping, ::testing::ValuesIn(TypeCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(DropDownValue, ValidCharsTakesOnlyItsCharacters)
{
    Edit->SetEditType(etValidChars);
    Edit->SetValidChars(QStringLiteral("abc"));
    Type(Edit, QStringLiteral("abxc"));
    EXPECT_EQ(Edit->GetText(), QStringLiteral("abc"));
}

TEST_F(DropDownValue, MoneyKeepsTheCaretAfterTheTypedDigit)
{
    Edit->SetEditType(etMoney);
    Edit->SetTextDirect(QStringLiteral("1,234"));
    Caret(1);
    Type(Edit, QStringLiteral("5"));
    EXPECT_EQ(Edit->GetText(), QStringLiteral("15,234"));
    EXPECT_EQ(Edit->SelStart(), 2);
}

TEST_F(DropDownValue, PrefixAndSuffixAroundTheValue)
{
    Edit->SetPrefix(QStringLiteral("$"));
    Edit->SetSuffix(QStringLiteral(" EUR"));
    Edit->SetText(QStringLiteral("12"));
    EXPECT_EQ(Edit->EditText(), QStringLiteral("$12 EUR"));
    EXPECT_EQ(Edit->GetText(), QStringLiteral("12"));
    Key(Edit, VK_END);
    EXPECT_EQ(Edit->SelStart(), 3);
    Key(Edit, VK_RIGHT);
    EXPECT_EQ(Edit->SelStart(), 3);
    Key(Edit, VK_HOME);
    EXPECT_EQ(Edit->SelStart(), 1);
    Key(Edit, VK_LEFT);
    EXPECT_EQ(Edit->SelStart(), 1);
    Key(Edit, VK_BACK);
    EXPECT_EQ(Edit->EditText(), QStringLiteral("$12 EUR"));
    Key(Edit, VK_END);
    Key(Edit, VK_DELETE);
    EXPECT_EQ(Edit->EditText(), QStringLiteral("$12 EUR"));
    Key(Edit, VK_BACK);
    EXPECT_EQ(Edit->EditText(), QStringLiteral("$1 EUR"));
    // A suffix that is not there still cuts as many characters.
    Edit->SetTextDirect(QStringLiteral("$1234"));
    EXPECT_EQ(Edit->GetText(), QString());
}

TEST_F(DropDownValue, SignedNumericKeepsPrefixAndSuffix)
{
    Edit->SetEditType(etNumeric);
    Edit->SetSigned(true);
    Edit->SetPrefix(QStringLiteral("<"));
    Edit->SetSuffix(QStringLiteral(">"));
    Edit->SetText(QStringLiteral("5"));
    Caret(2);
    Type(Edit, QStringLiteral("-"));
    EXPECT_EQ(Edit->EditText(), QStringLiteral("<-5>"));
}

TEST_F(DropDownValue, LengthLimitCountsTheDigitsBeforeTheSeparator)
{
    Edit->SetEditType(etFloat);
    Edit->SetPrecision(-1);
    Edit->SetLengthLimit(3);
    Edit->SetTextDirect(QStringLiteral("123.45"));
    Caret(1);
    Type(Edit, QStringLiteral("9"));
    EXPECT_EQ(Edit->GetText(), QStringLiteral("123.45"));
    Caret(4);
    Type(Edit, QStringLiteral("9"));
    EXPECT_EQ(Edit->GetText(), QStringLiteral("123.945"));
}

struct TSetTextCase {
    const char* Name;
    TDropDownEditType Type;
    int Precision;
    const char* Input;
    const char* Value;
};

const TSetTextCase SetTextCases[] = {
    {"FloatWithPrecision", etFloat, 2, "3", "3.00"},
    {"MoneyGroupsThousands", etMoney, 2, "1234.5", "1,234.50"},
    {"ErrorIsNeverFormatted", etFloat, 2, "Error", "Error"},
    {"EmptyNumericIsZero", etNumeric, 0, "", "0"},
    {"HexIsUpperCased", etHex, 0, "ff", "FF"},
    {"StringUnchanged", etString, 0, "abc", "abc"},
};

class DropDownSetText : public DropDownValue, public ::testing::WithParamInterface<TSetTextCase> {};

TEST_P(DropDownSetText, SetTextNormalisesAndRemembersTheOldText)
{
    const TSetTextCase& c = GetParam();
    Edit->SetEditType(c.Type);
    Edit->SetPrecision(c.Precision);
    Edit->SetText(QString::fromUtf8(c.Input));
    EXPECT_EQ(Edit->GetText(), QString::fromUtf8(c.Value));
    EXPECT_EQ(Edit->OldText(), QString::fromUtf8(c.Value));
    EXPECT_FALSE(Edit->GetIsModified());
}

INSTANTIATE_TEST_SUITE_P(DropDownValue, DropDownSetText, ::testing::ValuesIn(SetTextCases),
                         [](const auto& info) { return std::string(info.param.Name); });

struct TFloatCase {
    const char* Name;
    TDropDownEditType Type;
    const char* Value;
    double Expected;
};

const TFloatCase FloatCases[] = {
    {"FloatText", etFloat, "12.5", 12.5},       {"FloatError", etFloat, "Error", 0},
    {"FloatMinusAlone", etFloat, "-", 0},       {"MoneyGrouped", etMoney, "1,234.5", 1234.5},
    {"MoneyTrailingSeparator", etMoney, "12.", 12}, {"HexText", etHex, "FF", 255},
    {"StringLeadingNumber", etString, "7.5", 7.5},  {"UpperCaseIsZero", etUppercase, "12", 0},
};

class DropDownFloatValue : public DropDownValue, public ::testing::WithParamInterface<TFloatCase> {};

TEST_P(DropDownFloatValue, GetFloatValueByType)
{
    const TFloatCase& c = GetParam();
    Edit->SetEditType(c.Type);
    Edit->SetTextDirect(QString::fromUtf8(c.Value));
    EXPECT_DOUBLE_EQ(Edit->GetFloatValue(), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(DropDownValue, DropDownFloatValue, ::testing::ValuesIn(FloatCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(DropDownValue, SetFloatAndIntValueFormatByTypeAndMark)
{
    Edit->SetEditType(etFloat);
    Edit->SetPrecision(-1);
    Edit->SetFloatValue(0.1 + 0.2);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("0.3"));
    EXPECT_TRUE(Edit->GetIsModified());
    Edit->SetEditType(etMoney);
    Edit->SetPrecision(2);
    Edit->SetFloatValue(1234567.891);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("1,234,567.89"));
    Edit->SetEditType(etHex);
    Edit->SetIntValue(255);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("FF"));
}

TEST_F(DropDownValue, ChangingTypeOrPrecisionRepairsTheValue)
{
    Edit->SetText(QStringLiteral("abc"));
    Edit->SetPrecision(2);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("0.00"));
    Edit->SetText(QStringLiteral("abc"));
    Edit->SetEditType(etNumeric);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("0"));
    Edit->SetEditType(etPassword);
    EXPECT_EQ(Edit->PasswordChar(), QChar(u'*'));
    EXPECT_FALSE(Edit->CanUndo());
}

TEST_F(DropDownValue, LeavingFormatsNumbers)
{
    Edit->SetEditType(etNumeric);
    Edit->SetTextDirect(QString());
    Other->SetFocus();
    EXPECT_EQ(Edit->GetText(), QStringLiteral("0"));

    Edit->SetEditType(etFloat);
    Edit->SetPrecision(2);
    Edit->SetFocus();
    Edit->SetTextDirect(QStringLiteral("4.5"));
    Other->SetFocus();
    EXPECT_EQ(Edit->GetText(), QStringLiteral("4.50"));

    Edit->SetAllowNumericNullValue(true);
    Edit->SetFocus();
    Edit->SetTextDirect(QString());
    Other->SetFocus();
    EXPECT_EQ(Edit->GetText(), QString());
}

TEST_F(DropDownValue, FocusSelectsTheValueOnly)
{
    Edit->SetPrefix(QStringLiteral("#"));
    Edit->SetText(QStringLiteral("42"));
    Other->SetFocus();
    Edit->SetFocus();
    EXPECT_EQ(Edit->SelStart(), 1);
    EXPECT_EQ(Edit->SelLength(), 2);
    EXPECT_EQ(Edit->OldString(), QStringLiteral("42"));
}

TEST_F(DropDownValue, PasteByType)
{
    Edit->SetEditType(etNumeric);
    Edit->SetText(QStringLiteral("12"));
    Caret(2);
    Clipboard()->SetAsText(QStringLiteral("34"));
    Key(Edit, 'V', {ssCtrl});
    EXPECT_EQ(Edit->GetText(), QStringLiteral("1234"));
    Clipboard()->SetAsText(QStringLiteral("x"));
    Key(Edit, 'V', {ssCtrl});
    EXPECT_EQ(Edit->GetText(), QStringLiteral("1234"));

    for (TDropDownEditType t : {etHex, etRange}) {
        Edit->SetEditType(t);
        Edit->SetTextDirect(QStringLiteral("1"));
        Clipboard()->SetAsText(QStringLiteral("2"));
        Edit->Perform(WM_PASTE);
        EXPECT_EQ(Edit->GetText(), QStringLiteral("1"));
    }
    Edit->SetEditType(etUppercase);
    Edit->SetTextDirect(QString());
    Clipboard()->SetAsText(QStringLiteral("abc"));
    Edit->Perform(WM_PASTE);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("ABC"));
}

TEST_F(DropDownValue, RefusedCutKeepsTextAndClipboardAndFiresNoCopy)
{
    Edit->SetText(QStringLiteral("hello"));
    Edit->SelectAll();
    Clipboard()->SetAsText(QStringLiteral("before"));
    int copies = 0;
    QString offered;
    Edit->OnClipboardCopy = [&](TObject*, const QString&, bool&) { ++copies; };
    Edit->OnClipboardCut = [&](TObject*, const QString& v, bool& allow) {
        offered = v;
        allow = false;
    };
    Key(Edit, 'X', {ssCtrl});
    EXPECT_EQ(offered, QStringLiteral("hello"));
    EXPECT_EQ(Edit->GetText(), QStringLiteral("hello"));
    EXPECT_EQ(Clipboard()->AsText(), QStringLiteral("before"));
    EXPECT_EQ(copies, 0);
    Edit->OnClipboardCut = nullptr;
    Key(Edit, 'X', {ssCtrl});
    EXPECT_EQ(Edit->GetText(), QString());
    EXPECT_EQ(Clipboard()->AsText(), QStringLiteral("hello"));
}

TEST_F(DropDownValue, TypingMarksModifiedSetTextClearsIt)
{
    Edit->SetText(QStringLiteral("a"));
    EXPECT_FALSE(Edit->GetIsModified());
    Caret(1);
    Type(Edit, QStringLiteral("b"));
    EXPECT_TRUE(Edit->GetIsModified());
    Edit->SetText(QStringLiteral("c"));
    EXPECT_FALSE(Edit->GetIsModified());
}

} // namespace
