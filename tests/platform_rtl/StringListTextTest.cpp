#include "platform/rtl/StringList.h"

#include <gtest/gtest.h>
#include <ostream>
#include <random>
#include "tests/support/QStringPrinter.h"

namespace {

QStringList TextLines(const TStrings& list)
{
    return list.ToStringList();
}

// Items written as comma text and read back.
struct CommaCase {
    const char* name;
    QStringList items;
    QString text;
};

void PrintTo(const CommaCase& c, std::ostream* os)
{
    *os << c.name;
}

class CommaTextRoundTrip : public ::testing::TestWithParam<CommaCase> {};

TEST_P(CommaTextRoundTrip, WritesAndReadsBack)
{
    const CommaCase& c = GetParam();
    TStringList list;
    list.AddStrings(c.items);
    EXPECT_EQ(list.CommaText(), c.text);
    TStringList back;
    back.SetCommaText(c.text);
    EXPECT_EQ(TextLines(back), c.items);
}

INSTANTIATE_TEST_SUITE_P(
    StringList, CommaTextRoundTrip,
    ::testing::Values(
        CommaCase{"Plain", {"a", "b", "c"}, "a,b,c"},
        CommaCase{"EmptyList", {}, ""},
        CommaCase{"SingleEmptyItemIsQuoted", {""}, "\"\""},
        CommaCase{"EmptyItemInTheMiddle", {"a", "", "b"}, "a,,b"},
        CommaCase{"EmptyLastItem", {"a", ""}, "a,"},
        CommaCase{"TwoEmptyItems", {"", ""}, ","},
        CommaCase{"BlankIsQuoted", {"a b", "c"}, "\"a b\",c"},
        CommaCase{"LeadingBlankKept", {" a", "b "}, "\" a\",\"b \""},
        CommaCase{"ControlCharIsQuoted", {"a\tb"}, "\"a\tb\""},
        CommaCase{"DelimiterIsQuoted", {"x,y", "z"}, "\"x,y\",z"},
        CommaCase{"QuotesAreDoubled", {"say \"hi\""}, "\"say \"\"hi\"\"\""},
        CommaCase{"OnlyAQuote", {"\""}, "\"\"\"\""},
        CommaCase{"NonAsciiNotQuoted", {QString::fromUtf8("\xc3\xa9t\xc3\xa9"), "x"},
                  QString::fromUtf8("\xc3\xa9t\xc3\xa9,x")}),
    [](const ::testing::TestParamInfo<CommaCase>& info) { return std::string(info.param.name); });

// Texts read with SetDelimitedText.
struct ReadCase {
    const char* name;
    QChar delimiter;
    QChar quote;
    bool strict;
    QString text;
    QStringList items;
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.name;
}

class DelimitedTextRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(DelimitedTextRead, SplitsIntoItems)
{
    const ReadCase& c = GetParam();
    TStringList list;
    list.Add("old");
    list.SetDelimiter(c.delimiter);
    list.SetQuoteChar(c.quote);
    list.SetStrictDelimiter(c.strict);
    list.SetDelimitedText(c.text);
    EXPECT_EQ(TextLines(list), c.items);
}

const QChar kComma = QLatin1Char(',');
const QChar kQuote = QLatin1Char('"');

INSTANTIATE_TEST_SUITE_P(
    StringList, DelimitedTextRead,
    ::testing::Values(
        ReadCase{"BlankSplitsUnquoted", kComma, kQuote, false, "a b,c", {"a", "b", "c"}},
        ReadCase{"BlanksAroundItemsDropped", kComma, kQuote, false, "  a ,  b  ", {"a", "b"}},
        ReadCase{"StrictKeepsBlanks", kComma, kQuote, true, " a b , c", {" a b ", " c"}},
        ReadCase{"StrictTrailingDelimiter", kComma, kQuote, true, "a,", {"a", ""}},
        ReadCase{"QuotedDelimiterAndBlank", kComma, kQuote, false, "\"a, b\",c", {"a, b", "c"}},
        ReadCase{"DoubledQuoteIsOneQuote", kComma, kQuote, false, "\"a\"\"b\",c", {"a\"b", "c"}},
        ReadCase{"UnterminatedQuoteRunsToEnd", kComma, kQuote, false, "\"abc", {"abc"}},
        ReadCase{"TextAfterClosingQuoteIsNextItem", kComma, kQuote, false, "\"ab\"cd,e", {"ab", "cd", "e"}},
        ReadCase{"EmptyText", kComma, kQuote, false, "", {}},
        ReadCase{"OnlyBlanks", kComma, kQuote, false, "   ", {}},
        ReadCase{"LeadingEmptyItem", kComma, kQuote, false, ",a", {"", "a"}},
        ReadCase{"OwnDelimiterAndQuote", QLatin1Char(';'), QLatin1Char('\''), false, "'a;b';c,d;'it''s'",
                 {"a;b", "c,d", "it's"}},
        ReadCase{"QuoteCharNotAtStartIsText", kComma, kQuote, true, "a\"b,c", {"a\"b", "c"}}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

// Any list, written and read back with the same settings, is the same list.
TEST(StringListDelimitedText, RandomListsRoundTrip)
{
    const QString alphabet = QStringLiteral("ab ,;\"'\t=");
    std::mt19937 rng(7);
    for (int round = 0; round < 400; ++round) {
        QStringList items;
        const int n = int(rng() % 5);
        for (int i = 0; i < n; ++i) {
            QString item;
            const int len = int(rng() % 4);
            for (int k = 0; k < len; ++k)
                item += alphabet[int(rng() % alphabet.size())];
            items << item;
        }
        const bool strict = round % 2 == 1;
        const bool own = round % 4 >= 2;
        TStringList list;
        list.SetStrictDelimiter(strict);
        if (own) {
            list.SetDelimiter(QLatin1Char(';'));
            list.SetQuoteChar(QLatin1Char('\''));
        }
        list.AddStrings(items);
        const QString text = list.DelimitedText();
        TStringList back;
        back.SetStrictDelimiter(strict);
        back.SetDelimiter(list.Delimiter());
        back.SetQuoteChar(list.QuoteChar());
        back.SetDelimitedText(text);
        ASSERT_EQ(TextLines(back), items) << "text: " << text.toStdString() << (strict ? " strict" : "");
        back.SetCommaText(list.CommaText());
        ASSERT_EQ(TextLines(back), items) << "comma text: " << list.CommaText().toStdString();
    }
}

TEST(StringListDelimitedText, WritesWithOwnDelimiterAndQuote)
{
    TStringList list;
    list.SetDelimiter(QLatin1Char(';'));
    list.SetQuoteChar(QLatin1Char('\''));
    list.AddStrings(QStringList{"a;b", "it's", "x,y", "p q"});
    EXPECT_EQ(list.DelimitedText(), "'a;b';'it''s';x,y;'p q'");
    // CommaText keeps to comma and double quote whatever the settings.
    EXPECT_EQ(list.CommaText(), "a;b,it's,\"x,y\",\"p q\"");
}

TEST(StringListText, JoinsEveryLineWithCrLf)
{
    TStringList list;
    EXPECT_EQ(list.Text(), "");
    list.AddStrings(QStringList{"a", "", "b"});
    EXPECT_EQ(list.Text(), "a\r\n\r\nb\r\n");
}

TEST(StringListText, SplitsAtCrLfAndCrLf)
{
    struct Case {
        const char* name;
        QString text;
        QStringList lines;
    };
    const Case cases[] = {
        {"Empty", "", {}},
        {"NoBreak", "a", {"a"}},
        {"FinalBreakAddsNoLine", "a\r\n", {"a"}},
        {"MixedBreaks", "a\nb\rc\r\nd", {"a", "b", "c", "d"}},
        {"EmptyLines", "a\r\n\r\n", {"a", ""}},
        {"OnlyABreak", "\r\n", {""}},
        {"LfCrIsTwoBreaks", "a\n\rb", {"a", "", "b"}},
        {"CrCrIsTwoBreaks", "a\r\rb", {"a", "", "b"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TStringList list;
        list.Add("old");
        list.SetText(c.text);
        EXPECT_EQ(TextLines(list), c.lines);
    }
}

class StringListNameValue : public ::testing::Test {
protected:
    void SetUp() override { list.AddStrings(QStringList{"a=1", "B=2", "plain", "d==x", "e=", "=v"}); }
    TStringList list;
};

TEST_F(StringListNameValue, ReadsNamesAndValues)
{
    EXPECT_EQ(list.Names(0), "a");
    EXPECT_EQ(list.Names(2), "");
    EXPECT_EQ(list.Names(3), "d");
    EXPECT_EQ(list.ValueFromIndex(3), "=x");
    EXPECT_EQ(list.ValueFromIndex(2), "");
    EXPECT_EQ(list.ValueFromIndex(-1), "");
    EXPECT_EQ(list.Values("b"), "2");
    EXPECT_EQ(list.Values("plain"), "");
    EXPECT_EQ(list.Values(""), "v");
    EXPECT_EQ(list.IndexOfName("plain"), -1);
    EXPECT_EQ(list.IndexOfName("E"), 4);
    EXPECT_EQ(list.IndexOfName("zz"), -1);
}

TEST_F(StringListNameValue, SettingValuesReplacesAddsAndDeletes)
{
    list.SetValues("A", "9");
    EXPECT_EQ(list[0], "A=9");
    list.SetValues("new", "x");
    EXPECT_EQ(list[list.Count() - 1], "new=x");
    list.SetValues("b", "");
    EXPECT_EQ(list.IndexOfName("b"), -1);
    list.SetValues("missing", "");
    list.SetValueFromIndex(2, "y");
    EXPECT_EQ(list[2], "d=y");
    list.SetValueFromIndex(0, "");
    EXPECT_EQ(TextLines(list), (QStringList{"plain", "d=y", "e=", "=v", "new=x"}));
}

TEST_F(StringListNameValue, OwnSeparator)
{
    TStringList colon;
    colon.SetNameValueSeparator(QLatin1Char(':'));
    colon.AddStrings(QStringList{"a=b:c", "k:v"});
    EXPECT_EQ(colon.Names(0), "a=b");
    EXPECT_EQ(colon.Values("k"), "v");
    colon.SetValues("n", "1");
    EXPECT_EQ(colon[2], "n:1");
}

} // namespace
