#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"
#include "tests/support/QStringPrinter.h"
#include <gtest/gtest.h>

TEST(SysUtilsStrings, StrToIntAccepts)
{
    const struct {
        const char* Text;
        int Value;
    } cases[] = {
        {"42", 42}, {"  42", 42}, {"-7", -7}, {"+7", 7}, {"007", 7},
        {"$FF", 255}, {"$ff", 255}, {"0x1f", 31}, {"0X1F", 31}, {"x10", 16}, {"-$10", -16},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}, {"$FFFFFFFF", -1},
        {"$7FFFFFFF", 2147483647},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StrToInt(c.Text), c.Value) << c.Text;
}

TEST(SysUtilsStrings, StrToIntRejectsWithMessage)
{
    const char* cases[] = {"", " ", "42 ", "4 2", "abc", "2147483648", "-2147483649", "1.0",
                           "$", "0x", "--1", "+-1", "$G", "$100000000", "\t42", "１２"};
    for (const char* text : cases) {
        try {
            StrToInt(text);
            ADD_FAILURE() << text << " accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
        }
        EXPECT_EQ(StrToIntDef(text, -99), -99) << text;
        int v = 5;
        EXPECT_FALSE(TryStrToInt(text, v)) << text;
        EXPECT_EQ(v, 5) << text;
    }
}

TEST(SysUtilsStrings, Int64Conversions)
{
    EXPECT_EQ(StrToInt64("9223372036854775807"), INT64_MAX);
    EXPECT_EQ(StrToInt64("-9223372036854775808"), INT64_MIN);
    EXPECT_EQ(StrToInt64("$FFFFFFFFFF"), 0xFFFFFFFFFFLL);
    EXPECT_EQ(StrToInt64Def("9223372036854775808", 3), 3);
    EXPECT_THROW(StrToInt64("1e3"), EConvertError);
    EXPECT_EQ(IntToStr(int64_t(-9000000000)), "-9000000000");
    EXPECT_EQ(IntToStr(-5), "-5");
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(IntToHex(0x12345, 2), "12345");
    EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFF");
    EXPECT_EQ(IntToHex(int64_t(-1), 2), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(IntToHex(uint8_t(0xAB), 4), "00AB");
}

TEST(SysUtilsStrings, RoundHalfToEven)
{
    const struct {
        double Value;
        int64_t Expected;
    } cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
        {2.4999999, 2}, {2.5000001, 3}, {1e10 + 0.5, 10000000000}, {-7.2, -7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Round(c.Value), c.Expected) << c.Value;
    EXPECT_EQ(Trunc(-1.7), -1);
    EXPECT_EQ(Trunc(1.7), 1);
    EXPECT_DOUBLE_EQ(Frac(-1.25), -0.25);
    EXPECT_DOUBLE_EQ(Int(-1.7), -1.0);
}

TEST(SysUtilsStrings, TrimEdges)
{
    const struct {
        const char* Name;
        QString Text, Both, Left, Right;
    } cases[] = {
        {"Empty", "", "", "", ""},
        {"OnlyBlanks", " \t\r\n", "", "", ""},
        {"InnerKept", "\t a b \r\n", "a b", "a b \r\n", "\t a b"},
        {"ControlCharacters", QString(QChar(1)) + "x" + QChar(0x20), "x", "x ", QString(QChar(1)) + "x"},
        {"NoBreakSpaceKept", QString(QChar(0xA0)) + "x", QString(QChar(0xA0)) + "x",
         QString(QChar(0xA0)) + "x", QString(QChar(0xA0)) + "x"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Trim(c.Text), c.Both) << c.Name;
        EXPECT_EQ(TrimLeft(c.Text), c.Left) << c.Name;
        EXPECT_EQ(TrimRight(c.Text), c.Right) << c.Name;
    }
}

TEST(SysUtilsStrings, PosAndCopyEdges)
{
    EXPECT_EQ(Pos("", "abc"), 0);
    EXPECT_EQ(Pos("c", "abc"), 3);
    EXPECT_EQ(Pos("x", "abc"), 0);
    EXPECT_EQ(Pos("abcd", "abc"), 0);
    EXPECT_EQ(PosEx("a", "aXa", 2), 3);
    EXPECT_EQ(PosEx("a", "aXa", 0), 0);
    EXPECT_EQ(PosEx("a", "abc", 4), 0);

    const struct {
        int Index, Count;
        QString Expected;
    } copies[] = {
        {2, 3, "bcd"}, {0, 2, "ab"}, {-3, 2, "ab"}, {5, 100, "ef"},
        {6, 1, "f"}, {7, 1, ""}, {3, -1, ""}, {3, 0, ""},
    };
    for (const auto& c : copies)
        EXPECT_EQ(Copy("abcdef", c.Index, c.Count), c.Expected) << c.Index << "," << c.Count;
    EXPECT_EQ(Copy("abcdef", 3), "cdef");

    const struct {
        int Index, Count;
        QString Expected;
    } deletes[] = {{2, 2, "adef"}, {0, 2, "abcdef"}, {7, 1, "abcdef"}, {5, 100, "abcd"}, {1, 0, "abcdef"}};
    for (const auto& c : deletes) {
        QString s = "abcdef";
        Delete(s, c.Index, c.Count);
        EXPECT_EQ(s, c.Expected) << c.Index << "," << c.Count;
    }
    const struct {
        int Index;
        QString Expected;
    } inserts[] = {{1, "Xabc"}, {2, "aXbc"}, {4, "abcX"}, {10, "abcX"}, {0, "Xabc"}};
    for (const auto& c : inserts) {
        QString s = "abc";
        Insert("X", s, c.Index);
        EXPECT_EQ(s, c.Expected) << c.Index;
    }
}

TEST(SysUtilsStrings, CaseAndComparison)
{
    EXPECT_EQ(UpperCase("äbc-z"), "äBC-Z");
    EXPECT_EQ(LowerCase("ÄBC"), "Äbc");
    EXPECT_EQ(AnsiUpperCase("äbc"), "ÄBC");
    EXPECT_EQ(AnsiLowerCase("ÄBC"), "äbc");
    EXPECT_EQ(AnsiUpperCase("straße").size(), 6);

    EXPECT_LT(CompareStr("A", "a"), 0);
    EXPECT_EQ(CompareStr("abc", "abc"), 0);
    EXPECT_LT(CompareText("abc", "ABD"), 0);
    EXPECT_EQ(CompareText("aBc", "AbC"), 0);
    // Compared as upper case: "_" (0x5F) sorts after "B" (0x42).
    EXPECT_GT(CompareText("a_", "AB"), 0);
    EXPECT_LT(CompareText("ab", "abc"), 0);
    EXPECT_TRUE(SameText("Ab", "aB"));
    EXPECT_FALSE(SameText("äb", "Äb"));

    EXPECT_EQ(AnsiCompareText("Äpfel", "äPFEL"), 0);
    EXPECT_LT(AnsiCompareText("é", "f"), 0);
    EXPECT_LT(AnsiCompareText("e", "é"), 0);
    EXPECT_GT(AnsiCompareText("b", "A"), 0);
    // Punctuation before letters, unlike CompareText.
    EXPECT_LT(AnsiCompareText("a_", "AB"), 0);
    EXPECT_LT(AnsiCompareText("abc", "ABCD"), 0);
    EXPECT_LT(AnsiCompareStr("a", "A"), 0);
    EXPECT_LT(AnsiCompareStr("A", "b"), 0);
    EXPECT_EQ(AnsiCompareStr("Ab", "Ab"), 0);
    EXPECT_TRUE(AnsiSameText("ÄB", "äb"));
}

TEST(SysUtilsStrings, ReplaceAndQuote)
{
    EXPECT_EQ(StringReplace("aXbXc", "X", "-", {}), "a-bXc");
    EXPECT_EQ(StringReplace("aXbXc", "X", "-", {rfReplaceAll}), "a-b-c");
    EXPECT_EQ(StringReplace("aXbxc", "x", "-", {rfReplaceAll, rfIgnoreCase}), "a-b-c");
    EXPECT_EQ(StringReplace("ÄxäX", "ä", "-", {rfReplaceAll, rfIgnoreCase}), "-x-X");
    EXPECT_EQ(StringReplace("aaa", "aa", "b", {rfReplaceAll}), "ba");
    EXPECT_EQ(StringReplace("ab", "", "x", {rfReplaceAll}), "ab");
    EXPECT_EQ(StringReplace("abab", "b", "bb", {rfReplaceAll}), "abbabb");

    EXPECT_EQ(QuotedStr("it's"), "'it''s'");
    EXPECT_EQ(AnsiQuotedStr("a\"b", u'"'), "\"a\"\"b\"");
    const struct {
        QString Text, Expected;
    } dequote[] = {
        {"'it''s'", "it's"}, {"abc", "abc"}, {"'abc", "'abc"}, {"'ab'cd", "ab"}, {"''", ""}, {"", ""},
    };
    for (const auto& c : dequote)
        EXPECT_EQ(AnsiDequotedStr(c.Text, u'\''), c.Expected) << c.Text.toStdString();

    EXPECT_EQ(StringOfChar(u'-', 3), "---");
    EXPECT_EQ(StringOfChar(u'-', -1), "");
    EXPECT_EQ(LastDelimiter("/\\", "a/b\\c"), 4);
    EXPECT_EQ(LastDelimiter(".", "abc"), 0);
    EXPECT_TRUE(IsDelimiter(",;", "a;b", 2));
    EXPECT_FALSE(IsDelimiter(",;", "a;b", 4));
}
