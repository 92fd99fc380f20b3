#include "grid/foundation/MarkupCore.h"
#include "grid/foundation/MarkupText.h"
#include "tests/support/QStringPrinter.h"
#include <gtest/gtest.h>

namespace {

struct StringCase {
    const char* Name;
    QString Input;
    QString Expected;
};

std::string CaseName(const testing::TestParamInfo<StringCase>& Info)
{
    return Info.param.Name;
}

// StripHTMLTags

class StripTags : public testing::TestWithParam<StringCase> {};

TEST_P(StripTags, GivesPlainText)
{
    EXPECT_EQ(StripHTMLTags(GetParam().Input), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    MarkupText, StripTags,
    testing::Values(StringCase{"BoldAndBreak", "a<b>c</b><br>d", "ac\r\nd"},
                    StringCase{"RuleAnyCase", "x<hR>y<Br>z", "x\r\ny\r\nz"},
                    StringCase{"OpenTagKeptOnce", "ab<cd", "ab<cd"},
                    StringCase{"OpenTagAfterTag", "<i>a</i>b<c", "ab<c"},
                    StringCase{"EntitiesKept", "&amp;&lt;<b>x</b>", "&amp;&lt;x"},
                    StringCase{"NoTags", "plain", "plain"}),
    CaseName);

// Highlighting

struct HilightCase {
    const char* Name;
    QString HTML;
    QString Text;
    bool DoCase;
    QString Expected;
};

class Hilight : public testing::TestWithParam<HilightCase> {};

TEST_P(Hilight, WrapsVisibleMatches)
{
    const HilightCase& c = GetParam();
    const QString marked = HilightHTMLText(c.HTML, c.Text, QStringLiteral("hi"), c.DoCase);
    EXPECT_EQ(marked, c.Expected);
    // Removing the tags again gives the text back.
    EXPECT_EQ(UnHilightHTMLText(marked, QStringLiteral("HI")), c.HTML);
}

INSTANTIATE_TEST_SUITE_P(
    MarkupText, Hilight,
    testing::Values(
        HilightCase{"FirstLetterInBold", "<b>a</b>b", "ab", true, "<hi><b>a</b>b</hi>"},
        HilightCase{"TwoWithOneBetween", "abxab", "ab", true, "<hi>ab</hi>x<hi>ab</hi>"},
        HilightCase{"AdjacentMarksFirstOnly", "abab", "ab", true, "<hi>ab</hi>ab"},
        HilightCase{"CaseIgnored", "xAbx", "aB", false, "x<hi>Ab</hi>x"},
        HilightCase{"CaseKept", "xAbx", "aB", true, "xAbx"},
        HilightCase{"InsideTagNotFound", "<font face=\"ab\">c</font>", "ab", true,
                    "<font face=\"ab\">c</font>"},
        HilightCase{"StrayBracketEscaped", "a>b c", "b", true, "a&gt;<hi>b</hi> c"},
        HilightCase{"EmptyTextFindsNothing", "abc", "", true, "abc"}),
    [](const testing::TestParamInfo<HilightCase>& Info) { return std::string(Info.param.Name); });

TEST(MarkupText, UnHilightRemovesTagsAndUnescapesBrackets)
{
    EXPECT_EQ(UnHilightHTMLText("<HI>a</hi>&lt;b&gt;<b>c</b>", "hi"), "a<b><b>c</b>");
}

TEST(MarkupText, VisibleToMarkupIndex)
{
    const QString html = "<b>ab</b>c";
    EXPECT_EQ(VisibleToMarkupIndex(html, 1), 1);
    EXPECT_EQ(VisibleToMarkupIndex(html, 2), 5);
    EXPECT_EQ(VisibleToMarkupIndex(html, 3), 6);
    EXPECT_EQ(VisibleToMarkupIndex(html, 4), 11);
    EXPECT_EQ(VisibleToMarkupIndex(html, 5), 0);
}

// Escaping

TEST(MarkupText, EscapeHTML)
{
    EXPECT_EQ(EscapeHTML("a&b\"<c>", false), "a&amp;b&quot;&lt;c&gt;");
    // A literal "*amp;" is text like any other.
    EXPECT_EQ(EscapeHTML("*amp; &", false), "*amp; &amp;");
    EXPECT_EQ(EscapeHTML(QString::fromUtf8("é€»"), false), QString::fromUtf8("é€»"));
    EXPECT_EQ(EscapeHTML(QString::fromUtf8("é€»Ø"), true), "&eacute;&euro;&raquo;&Oslash;");
}

TEST(MarkupText, UnescapeHTML)
{
    EXPECT_EQ(UnescapeHTML("&lt;a&gt;&amp;&quot;", false), "<a>&\"");
    EXPECT_EQ(UnescapeHTML("&eacute;&Eacute;&EACUTE;", true), QString::fromUtf8("éÉ&EACUTE;"));
    EXPECT_EQ(UnescapeHTML("&eacute;", false), "&eacute;");
    // "&amp;" goes first, so an escaped entity name becomes the letter.
    EXPECT_EQ(UnescapeHTML("&amp;eacute;", true), QString::fromUtf8("é"));
}

TEST(MarkupText, EscapeThenUnescapeRoundTrips)
{
    for (const char* s : {"plain", "a < b && c > \"d\"", "*amp;", "Ça coûte 5 € « net »", ""}) {
        const QString text = QString::fromUtf8(s);
        EXPECT_EQ(UnescapeHTML(EscapeHTML(text, true), true), text) << s;
        EXPECT_EQ(UnescapeHTML(EscapeHTML(text, false), false), text) << s;
    }
}

TEST(MarkupText, SpacesToNbsp)
{
    EXPECT_EQ(SpacesToNbsp("a b  c"), "a&nbsp;b&nbsp;&nbsp;c");
}

// Form-control elements

const QString kControls = "x<CONTROL TYPE=\"check\" ID=\"c1\" VALUE=\"TRUE\" WIDTH=\"15\">"
                          "<control type=\"EDIT\" id=\"e1\" value=\"&eacute;t&eacute;\" width=\"80\" "
                          "prop=\"p&amp;q\" maxlen=\"12\" height=\"30\">"
                          "<CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\" WIDTH=\"15\">"
                          "<CONTROL TYPE=\"BUTTON\" ID=\"b1\" VALUE=\"Go\" WIDTH=\"40\">"
                          "<CONTROL TYPE=\"COMBO\" ID=\"k1\" VALUE=\"one\" WIDTH=\"60\">y";

TEST(MarkupText, ParseControlTag)
{
    const TControlTagFields f = ParseControlTag(
        "<control type=\"edit\" id=\"Id\" value=\"a&lt;&eacute;\" width=\"80\" prop=\"P\" maxlen=\"5\" height=\"30\">");
    EXPECT_EQ(f.Type, "EDIT");
    EXPECT_EQ(f.ID, "Id");
    EXPECT_EQ(f.Value, QString::fromUtf8("a<é"));
    EXPECT_EQ(f.Width, "80");
    EXPECT_EQ(f.Height, "30");
    EXPECT_EQ(f.Prop, "P");
    EXPECT_EQ(f.MaxLen, "5");
    const TControlTagFields none = ParseControlTag("<CONTROL>");
    EXPECT_TRUE(none.Type.isEmpty() && none.ID.isEmpty() && none.Width.isEmpty() && none.Value.isEmpty());
}

TEST(MarkupText, ControlQueries)
{
    EXPECT_TRUE(HasControlTag("a<control"));
    EXPECT_FALSE(HasControlTag("a<contro"));
    QString value;
    EXPECT_TRUE(GetControlValue(kControls, "e1", value));
    EXPECT_EQ(value, QString::fromUtf8("été"));
    EXPECT_FALSE(GetControlValue(kControls, "zz", value));
    EXPECT_EQ(GetControlProp(kControls, "e1"), "p&q");
    EXPECT_EQ(GetControlProp(kControls, "zz"), "");
    EXPECT_EQ(GetControlMaxLen(kControls, "e1"), 12);
    EXPECT_EQ(GetControlMaxLen(kControls, "c1"), 0);
    // Check boxes, radio buttons and buttons are skipped.
    EXPECT_EQ(NextEditControlID(kControls, ""), "e1");
    EXPECT_EQ(NextEditControlID(kControls, "e1"), "k1");
    EXPECT_EQ(NextEditControlID(kControls, "c1"), "e1");
    EXPECT_EQ(NextEditControlID(kControls, "k1"), "");
    EXPECT_EQ(NextEditControlID(kControls, "zz"), "");
}

TEST(MarkupText, SetControlValueKeepsOtherAttributes)
{
    QString s = kControls;
    ASSERT_TRUE(SetControlValue(s, "e1", QString::fromUtf8("a\"é")));
    EXPECT_TRUE(s.contains("<CONTROL ID=\"e1\" VALUE=\"a&quot;&eacute;\" WIDTH=\"80\" TYPE=\"EDIT\" "
                           "PROP=\"p&amp;q\" MAXLEN=\"12\" HEIGHT=\"30\">"));
    QString value;
    EXPECT_TRUE(GetControlValue(s, "e1", value));
    EXPECT_EQ(value, QString::fromUtf8("a\"é"));
    EXPECT_EQ(GetControlProp(s, "e1"), "p&q");
    EXPECT_EQ(GetControlMaxLen(s, "e1"), 12);
    EXPECT_TRUE(s.startsWith("x<CONTROL TYPE=\"check\""));
    EXPECT_TRUE(s.endsWith("VALUE=\"one\" WIDTH=\"60\">y"));

    QString unchanged = kControls;
    EXPECT_FALSE(SetControlValue(unchanged, "zz", "v"));
    EXPECT_EQ(unchanged, kControls);
}

TEST(MarkupText, ClearRadioControls)
{
    const QString two = "<CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\" WIDTH=\"15\">a"
                        "<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"TRUE\" WIDTH=\"15\">"
                        "<CONTROL TYPE=\"radio\" ID=\"r2\" VALUE=\"TRUE\" WIDTH=\"15\">b";
    const QString cleared = ClearRadioControls(two);
    QString v;
    EXPECT_TRUE(GetControlValue(cleared, "r1", v));
    EXPECT_EQ(v, "FALSE");
    EXPECT_TRUE(GetControlValue(cleared, "r2", v));
    EXPECT_EQ(v, "FALSE");
    EXPECT_TRUE(GetControlValue(cleared, "c", v));
    EXPECT_EQ(v, "TRUE");
    EXPECT_TRUE(cleared.endsWith(">b"));
}

// Language helpers

TEST(MarkupCore, Colours)
{
    EXPECT_EQ(markup::TagColor(u"#FF0000"), clRed);
    EXPECT_EQ(markup::TagColor(u"#ff0000"), clRed);
    EXPECT_EQ(markup::TagColor(u"#102030"), RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(markup::TagColor(u"CLNAVY"), TColor(0x800000));
    EXPECT_EQ(markup::TagColor(u"clBtnFace"), TColor(0xFF00000F));
    EXPECT_EQ(markup::TagColor(u"clinfobk"), TColor(0xFF000018));
    EXPECT_EQ(markup::TagColor(u"purplish"), clBlack);
    EXPECT_EQ(markup::BodyColor(u"CLRED"), clRed);
    EXPECT_EQ(markup::BodyColor(u"CL#00FF00"), clLime);
    EXPECT_EQ(markup::BodyColor(u"RED"), clBlack);
}

TEST(MarkupCore, AttributeValueTakesFirstOccurrence)
{
    QString v;
    EXPECT_TRUE(markup::AttributeValue(u"<A HREF=\"x\" TITLE=\"t\">", u"title", v));
    EXPECT_EQ(v, "t");
    // The name inside an earlier value is found there.
    EXPECT_TRUE(markup::AttributeValue(u"<A TITLE=\"href\" HREF=\"u\">", u"HREF", v));
    EXPECT_EQ(v, " HREF=");
    EXPECT_FALSE(markup::AttributeValue(u"<A HREF=\"x\">", u"TITLE", v));
    EXPECT_TRUE(markup::AttributeValue(u"<IMG SRC=>", u"SRC", v));
    EXPECT_EQ(v, "");
}

TEST(MarkupCore, LenientInt)
{
    EXPECT_EQ(markup::LenientInt(u"  42px"), 42);
    EXPECT_EQ(markup::LenientInt(u"$1F"), 31);
    EXPECT_EQ(markup::LenientInt(u"0x10"), 16);
    EXPECT_EQ(markup::LenientInt(u"abc"), 0);
    EXPECT_EQ(markup::LenientInt(u""), 0);
}

TEST(MarkupCore, PrePass)
{
    const auto prepared = [](QString s) {
        markup::PrepareMarkup(s);
        return s;
    };
    EXPECT_EQ(prepared("a&AMP;b&quot;&Euro;&trade;"), QString::fromUtf8("a&&b\"€™"));
    // "&amp;amp;" is undone one level per round.
    EXPECT_EQ(prepared("&amp;amp;"), "&&&");
    EXPECT_EQ(prepared("&lt;b&gt;"), "&lt;b&gt;");
    EXPECT_EQ(prepared("x<#12>y"), "x#12y");
    EXPECT_EQ(prepared("a\r\nb\rc"), "a<BR>b<BR>c");
    // Form-control values keep their entities for the element's own parsing.
    EXPECT_EQ(prepared("&amp;<CONTROL VALUE=\"a&quot;b&amp;\">&quot;<control value=\"&amp;\">"),
              "&&<CONTROL VALUE=\"a&quot;b&amp;\">\"<control value=\"&amp;\">");
}

} // namespace
