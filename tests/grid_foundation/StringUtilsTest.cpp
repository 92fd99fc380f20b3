#include "grid/foundation/StringUtils.h"
#include "platform/rtl/StringList.h"
#include <gtest/gtest.h>

namespace {

QString S(const char16_t* s)
{
    return QString::fromUtf16(s);
}

} // namespace

TEST(StringUtils, CsvQuotingRoundTrips)
{
    for (const char16_t* text : {u"plain", u"say \"hi\"", u"\"\"", u"a\"\"\"b", u""}) {
        const QString original = S(text);
        const QString quoted = DoubleQuoteChars(original);
        EXPECT_EQ(UndoubleChar(u'"', quoted), original) << original.toStdString();
    }
    EXPECT_EQ(UndoubleChar(u'"', S(u"a\"\"\"b")), S(u"a\"\"b"));
    EXPECT_EQ(UndoubleChar(u'"', S(u"none")), S(u"none"));

    QString multi = S(u"a\r\nb\"c");
    QuoteMultiLine(multi);
    EXPECT_EQ(multi, S(u"\"a\vb\"c\""));
    VTToCRLF(multi);
    EXPECT_EQ(multi, S(u"\"a\r\nb\"c\""));
}

TEST(StringUtils, UnpairedQuotes)
{
    struct Case {
        const char16_t* text;
        int pos;
    };
    const Case cases[] = {
        {u"ab\"\" c\" d", 7}, {u"x\"", 2}, {u"x\"\"", 3}, {u"\"\"x", 0}, {u"", 0}, {u"\"a", 1},
    };
    for (const Case& c : cases) {
        int pos = -1;
        EXPECT_EQ(UnpairedCharPos(u'"', S(c.text), pos), c.pos) << QString::fromUtf16(c.text).toStdString();
        EXPECT_EQ(pos, c.pos);
    }
    EXPECT_EQ(CountUnpairedChars(u'"', S(u"\"a\",\"b\"\"c\"")), 4);
    EXPECT_EQ(CountChar(u'"', S(u"\"a\"\"")), 3);
}

TEST(StringUtils, LineBreakForms)
{
    QString s = S(u"a\r\nb\rc\n");
    CRLFToLF(s);
    EXPECT_EQ(s, S(u"a\nb\rc\n"));

    s = S(u"a\r\nb");
    CRToTilde(s);
    EXPECT_EQ(s, S(u"a~b"));
    TildeToCRLF(s);
    EXPECT_EQ(s, S(u"a\r\nb"));
    s = S(u"^");
    TildeToCRLF(s);
    EXPECT_TRUE(s.isEmpty());

    EXPECT_EQ(BackslashNToCR(S(u"a\\nb\\n")), S(u"a\rb\r"));
    EXPECT_EQ(CRToBackslashN(S(u"a\r\nb")), S(u"a\\nb"));
    EXPECT_EQ(CRToHTMLBreak(S(u"a\r\nb")), S(u"a<br>\nb"));
    EXPECT_EQ(RemoveCR(S(u"a\r\nb\r")), S(u"a\nb"));
    EXPECT_EQ(CRToLF(S(u"a\rb")), S(u"a\nb"));
    EXPECT_EQ(CountLines(S(u"a\rb\rc"), true), 3);
    EXPECT_EQ(CountLines(S(u"a\rb\rc"), false), 1);

    QString rest = S(u"one\r\n\ntwo\rthree"), line;
    SplitFirstLine(rest, true, line);
    EXPECT_EQ(line, S(u"one"));
    EXPECT_EQ(rest, S(u"\ntwo\rthree"));
    rest = S(u"one\rtwo");
    SplitFirstLine(rest, false, line);
    EXPECT_EQ(line, S(u"one"));
    EXPECT_TRUE(rest.isEmpty());
    rest = S(u"only");
    SplitFirstLine(rest, true, line);
    EXPECT_EQ(line, S(u"only"));
    EXPECT_TRUE(rest.isEmpty());
}

TEST(StringUtils, CellBreakEncoding)
{
    EXPECT_EQ(EncodeCellBreaks(S(u"a\tb")), S(u"a\tb"));
    const QString encoded = EncodeCellBreaks(QString(S(u"a\r\n\tb")) + QChar(0));
    EXPECT_EQ(encoded, QString(S(u"a\t\b\tb")) + QChar(1));
    // A TAB in a multi-line cell comes back as CR.
    EXPECT_EQ(DecodeCellBreaks(encoded, true), QString(S(u"a\r\n\rb")) + QChar(0));
    EXPECT_EQ(DecodeCellBreaks(encoded, false), S(u"a"));
    // A lone CR is encoded but, holding no BS, not decoded.
    EXPECT_EQ(DecodeCellBreaks(EncodeCellBreaks(S(u"a\rb")), true), S(u"a\tb"));
}

TEST(StringUtils, PackedWideTextAndCodePages)
{
    const QString smiley = S(u"\u263A");
    const QString packed = PackWideText(smiley);
    EXPECT_EQ(packed, S(u"|\\") + QChar(0x26) + QChar(0x3A));
    EXPECT_EQ(UnpackWideText(packed), smiley);
    EXPECT_EQ(UnpackWideText(PackWideText(S(u"Grüße ☺"))), S(u"Grüße ☺"));
    EXPECT_EQ(UnpackWideText(S(u"abc")), S(u"abc"));
    EXPECT_EQ(UnpackWideText(S(u"|\\") + QChar(0) + u'a' + u'x'), S(u"a"));
    EXPECT_EQ(WideTextPos(S(u"☺"), S(u"ab☺")), 3);

    // "é" is 0xE9 in ANSI and 0x82 in OEM.
    QString s = S(u"é");
    ConvertToOEM(s);
    EXPECT_EQ(s, QString(QChar(0x201A)));
    ConvertFromOEM(s);
    EXPECT_EQ(s, S(u"é"));
}

TEST(StringUtils, Urls)
{
    EXPECT_TRUE(ContainsURL(S(u"see http://x")));
    EXPECT_TRUE(ContainsURL(S(u"mailto:a@b")));
    EXPECT_FALSE(ContainsURL(S(u"MAILTO:a@b")));
    QString s = S(u"http://a.b/c");
    StripURLProtocol(s);
    EXPECT_EQ(s, S(u"a.b/c"));
    s = S(u"x mailto:a@b");
    StripURLProtocol(s);
    EXPECT_EQ(s, S(u"a@b"));

    QString link = S(u"untouched");
    EXPECT_TRUE(MakeURLLink(S(u"get FTP://files/a?b"), S(u"FTP://"), link));
    EXPECT_EQ(link, S(u"get <a href=\"FTP://files/a\">FTP://files/a</a>?b"));
    EXPECT_TRUE(MakeURLLink(S(u"<b>FTP://x</b>"), S(u"FTP://"), link));
    EXPECT_EQ(link, S(u"&lt;b&gt;<a href=\"FTP://x\">FTP://x</a>&lt;/b&gt;"));
    EXPECT_TRUE(MakeURLLink(S(u"www.a.com www.b.com"), S(u"WWW."), link));
    EXPECT_EQ(link, S(u"<a href=\"www.a.com\">www.a.com</a> www.b.com"));
    link = S(u"untouched");
    EXPECT_FALSE(MakeURLLink(S(u"no link"), S(u"HTTP://"), link));
    EXPECT_EQ(link, S(u"untouched"));

    EXPECT_EQ(ColorToHTMLHex(0x00C08040), S(u"4080C0"));
    EXPECT_EQ(ColorToHTMLHex(clBtnFace), S(u"0F0000"));
}

TEST(StringUtils, CellAddresses)
{
    struct Case {
        const char16_t* text;
        bool ok;
        int col, row;
    };
    const Case cases[] = {
        {u"r12c3", true, 3, 12}, {u"R1C0", true, 0, 1}, {u"R1C", false, 0, 0}, {u"RC1", false, 0, 0},
        {u"R12", false, 0, 0},   {u"X1C2", false, 0, 0}, {u"R1Cx", false, 0, 0},
    };
    for (const Case& c : cases) {
        TPoint cell{-1, -1};
        EXPECT_EQ(ParseCellAddress(S(c.text), cell), c.ok) << QString::fromUtf16(c.text).toStdString();
        if (c.ok) {
            EXPECT_EQ(cell, (TPoint{c.col, c.row}));
        }
    }
}

TEST(StringUtils, SmallRoutines)
{
    EXPECT_EQ(ClampToLimits(5, 10, 0), 10);
    EXPECT_EQ(ClampToLimits(50, 10, 20), 20);
    EXPECT_EQ(ClampToLimits(5, 0, 0), 5);
    EXPECT_EQ(ClampToLimits(5, 7, 7), 5);
    EXPECT_EQ(ClampToLimits(-3, 0, 20), -3);
    EXPECT_EQ(MaxOf(2, 3), 3);
    EXPECT_EQ(MinOf(2, 3), 2);
    EXPECT_TRUE(CellInGridRect(TGridRect{1, 1, 3, 3}, 3, 1));
    EXPECT_FALSE(CellInGridRect(TGridRect{1, 1, 3, 3}, 4, 1));

    int pos = 99;
    EXPECT_EQ(FindCharPos(u'x', S(u"abc"), pos), 0);
    EXPECT_EQ(pos, 99);
    EXPECT_EQ(FindCharPos(u'c', S(u"abc"), pos), 3);
    EXPECT_EQ(pos, 3);
    EXPECT_EQ(FirstCharPos(u'b', S(u"abcb")), 2);
    EXPECT_EQ(FindSubPos(S(u"cb"), S(u"abcb"), pos), 3);
    EXPECT_EQ(UpperCasePos(S(u"<B>"), S(u"x<b>")), 2);
    EXPECT_EQ(UpperCasePos(S(u"<b>"), S(u"x<b>")), 0);

    QString s = S(u"a,b,c");
    EXPECT_EQ(SplitOffToken(s, S(u",")), S(u"a"));
    EXPECT_EQ(s, S(u"b,c"));
    EXPECT_EQ(SplitOffToken(s, S(u";")), QString());
    EXPECT_EQ(s, S(u"b,c"));
    s = S(u"a::b");
    EXPECT_EQ(SplitOffToken(s, S(u"::")), S(u"a"));
    EXPECT_EQ(s, S(u":b"));

    TStringList lines;
    lines.Add(S(u"ab"));
    lines.Add(S(u"c"));
    EXPECT_EQ(ConcatLines(&lines), S(u"abc"));
    s = S(u"abc");
    FillWithChar(s, u'*');
    EXPECT_EQ(s, S(u"***"));
}
