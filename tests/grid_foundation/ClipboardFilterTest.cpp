#include "grid/foundation/ClipboardHtml.h"
#include "grid/foundation/FilterMatch.h"
#include "platform/rtl/CodePages.h"
#include "platform/rtl/FormatSettings.h"
#include <gtest/gtest.h>

namespace {

// The clipboard text for a fragment, written out by hand.
QString Expected(const char* EndHtml, const char* EndFragment, const QString& Fragment)
{
    return QStringLiteral("Version:1.0\r\nStartHTML:00000097\r\nEndHTML:") + QLatin1String(EndHtml) +
           QStringLiteral("\r\nStartFragment:00000274\r\nEndFragment:") + QLatin1String(EndFragment) +
           QStringLiteral("\r\n<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"
                          "<html><head><META http-equiv=Content-Type content=\"text/html; charset=iso-8859-1\">"
                          "</head><body><!--StartFragment-->") +
           Fragment + QStringLiteral("<!--EndFragment--></body></html>");
}

} // namespace

TEST(ClipboardHtml, HeaderOffsetsPointIntoTheDocument)
{
    QString s = QStringLiteral("<td>x</td>");
    BuildClipboardHTML(s);
    EXPECT_EQ(s, Expected("00000316", "00000284", QStringLiteral("<td>x</td>")));
    EXPECT_EQ(s.mid(97, 9), QStringLiteral("<!DOCTYPE"));
    EXPECT_EQ(s.mid(274, 10), QStringLiteral("<td>x</td>"));
    EXPECT_EQ(s.mid(284, 4), QStringLiteral("<!--"));
    EXPECT_EQ(s.size(), 316);

    QString empty;
    BuildClipboardHTML(empty);
    EXPECT_EQ(empty, Expected("00000306", "00000274", QString()));
}

TEST(ClipboardHtml, OffsetsCountAnsiBytes)
{
    // "é" and "€" are single Windows-1252 bytes; "☺" becomes an entity.
    QString s = QStringLiteral("é€☺");
    BuildClipboardHTML(s);
    const QString fragment = QStringLiteral("é€&#9786;");
    EXPECT_EQ(s, Expected("00000315", "00000283", fragment));
    const QByteArray bytes = Utf16ToAnsi(s);
    EXPECT_EQ(bytes.size(), 315);
    EXPECT_EQ(bytes.mid(274, 9), Utf16ToAnsi(fragment));

    QString astral = QString::fromUcs4(U"\U0001F600");
    BuildClipboardHTML(astral);
    EXPECT_TRUE(astral.contains(QStringLiteral("-->&#128512;<!--")));
}

namespace {

struct FilterCase {
    const char* condition;
    const char* value;
    bool caseSensitive;
    bool match;
};

// Every case also through a condition read once, which must answer the same.
void CheckFilterCases(std::initializer_list<FilterCase> cases)
{
    for (const FilterCase& c : cases) {
        const QString condition = QString::fromUtf8(c.condition);
        const QString value = QString::fromUtf8(c.value);
        EXPECT_EQ(MatchFilterCondition(condition, value, c.caseSensitive), c.match)
            << "condition " << c.condition << " value " << c.value;
        EXPECT_EQ(TFilterCondition(condition, c.caseSensitive).Match(value), c.match)
            << "compiled condition " << c.condition << " value " << c.value;
    }
}

class FilterMatch : public testing::Test {
protected:
    void TearDown() override { SetTestFormatSettings(); }
};

} // namespace

TEST_F(FilterMatch, Comparisons)
{
    CheckFilterCases({
        {">10", "12", false, true},      {">10", "10.5", false, true},   {">10", "9", false, false},
        {">=10", "10", false, true},     {">10", "10", false, false},    {"<5", "3", false, true},
        {"<=5", "5", false, true},       {"<5", "5", false, false},      {"> \"m\"", "n", false, true},
        {"> \"m\"", "a", false, false},  {">b", "c", true, true},        {">1e3", "2000", false, true},
        {">24/12/2020", "01/01/2021", false, true},
        {">24/12/2020", "01/01/2020", false, false},
        {">=\"24/12/2020 10:00\"", "24/12/2020 10:00", false, true},
        {">=\"24/12/2020 10:00\"", "24/12/2020 09:59", false, false},
    });
    FormatSettings.DecimalSeparator = u',';
    FormatSettings.ThousandSeparator = u'.';
    CheckFilterCases({{">1.000", "1.500,5", false, true}, {">1.000", "999", false, false}});
}

TEST_F(FilterMatch, Wildcards)
{
    CheckFilterCases({
        {"a*", "abc", false, true},     {"a*", "ABC", false, true},     {"a*", "ABC", true, false},
        {"a*", "bac", false, false},    {"*b", "aab", false, true},     {"*b", "aba", false, false},
        {"a?c", "abc", false, true},    {"a?c", "ac", false, false},    {"a*abc", "abc", false, false},
        {"a*b*c", "axxbyyc", false, true}, {"*", "", false, true},      {"?", "", false, false},
        {"abc", "abc", false, true},    {"abc", "abcd", false, false},
        {"*b*", "abc", false, true},    {"*B*", "abc", true, false},    {"**b**", "b", false, true},
        {"\"*a b*\"", "xA Bx", false, true}, {"\"*a b*\"", "ab", false, false}, {"*a\"\"b*", "xaby", true, true},
        {"*a*b*", "ab", false, true},   {"a\"b\"", "ab", false, true},  {"*", "x", false, true},
    });
}

TEST_F(FilterMatch, NegationOperatorsGroupsAndQuotes)
{
    CheckFilterCases({
        {"!abc", "abd", false, true},   {"!abc", "abc", false, false},  {"!a*", "bcd", false, true},
        {"", "", false, true},          {"", "x", false, false},        {"  ", "", false, true},
        {"=abc", "abc", false, true},   {">5&<10", "7", false, true},   {">5&<10", "12", false, false},
        {"<5|>10", "3", false, true},   {"<5|>10", "11", false, true},  {"<5|>10", "7", false, false},
        {"a;b", "b", false, true},      {"a^b", "b", false, true},
        {"(a|b)&c", "c", false, false}, {"(a|b)&c*", "c", false, false}, {"a&(b*|*b)", "ab", false, false},
        {"(a*|b*)&*c", "abc", false, true}, {"a|b&c", "a", false, false}, {"a|(b&c)", "a", false, true},
        {"\"a b\"", "a b", false, true}, {"a b", "ab", false, true},    {"\"a|b\"", "a|b", false, true},
        {"((a))", "a", false, true},    {"(a)", "b", false, false},
    });
}

TEST_F(FilterMatch, UnbalancedGroupRunsToTheEnd)
{
    CheckFilterCases({
        {"(abc", "abc", false, true},   {"(abc", "abd", false, false},  {"(a|b", "b", false, true},
        {"x|(a&b", "x", false, true},   {"(((", "", false, true},       {"a(b", "a", false, true},
    });
}

TEST_F(FilterMatch, ManyStarsOverALongTextStayFast)
{
    const QString value = QString(5000, u'a');
    EXPECT_FALSE(MatchFilterCondition(QStringLiteral("*a*a*a*a*a*a*a*a*b"), value, true));
    EXPECT_TRUE(MatchFilterCondition(QStringLiteral("*a*a*a*a*a*a*a*a*a"), value, true));
    EXPECT_FALSE(MatchFilterCondition(QStringLiteral("!*a*a*a*a*a*a*a*"), value, false));
}

TEST(FilterMatchHelpers, QuotesAndParentheses)
{
    EXPECT_EQ(RemoveUnquotedBlanks(QStringLiteral(" a \" b c\" d ")), QStringLiteral("a\" b c\"d"));
    int pos = 0;
    const TCharSet chars = {u'&', u'|'};
    EXPECT_EQ(FindUnquotedChar(chars, QStringLiteral("\"a&b\"|c"), pos), QChar(u'|'));
    EXPECT_EQ(pos, 6);
    EXPECT_EQ(FindUnquotedChar(chars, QStringLiteral("abc"), pos), QChar(0));
    EXPECT_EQ(pos, -1);
    EXPECT_EQ(FindClosingParen(QStringLiteral("(a(b)c)d")), 7);
    EXPECT_EQ(FindClosingParen(QStringLiteral("(a(b)")), 0);
}
