// The RTF reader and writer: documents written by hand read into the
// expected runs, and formatted text survives a write and a read.
#include "platform/controls/RichText.h"
#include <gtest/gtest.h>

namespace {

TRichTextStyle Style(bool bold = false, TColor color = clDefault, int size = 0, QString font = {},
                     TVerticalOffset offset = voNone, bool italic = false, bool underline = false)
{
    TRichTextStyle s;
    s.Bold = bold;
    s.Italic = italic;
    s.Underline = underline;
    s.Size = size;
    s.FontName = font;
    s.Color = color;
    s.Offset = offset;
    return s;
}

TEST(RichTextRtf, BoldColourAndUnicodeSurviveWriteAndRead)
{
    TRichText text;
    text.Append(QStringLiteral("Plain {braces} \\ "), Style());
    text.Append(QStringLiteral("bold red"), Style(true, RGB(255, 0, 0)));
    text.Append(QStringLiteral(" \u00b0C \u20ac \u4e2d"), Style(false, RGB(0, 128, 0), 14, QStringLiteral("Arial")));
    text.Append(QStringLiteral("2"), Style(false, clDefault, 0, {}, voSuperscript));
    text.Append(QStringLiteral("x"), Style(false, clDefault, 0, {}, voSubscript, true, true));
    text.Append(QStringLiteral("\nsecond\tline\u2028break\n"), Style(true));
    QByteArray rtf = WriteRtf(text);
    EXPECT_TRUE(IsRtf(rtf));
    // 7-bit output: every character past ASCII is a \u escape.
    for (char c : rtf)
        ASSERT_LT(static_cast<unsigned char>(c), 0x80);
    EXPECT_TRUE(rtf.contains("\\u8364?"));
    EXPECT_TRUE(rtf.contains("\\u20013?"));
    TRichText back = ReadRtf(rtf);
    EXPECT_TRUE(back == text) << rtf.constData();
    EXPECT_EQ(back.PlainText(), QStringLiteral("Plain {braces} \\ bold red \u00b0C \u20ac \u4e2d2x\nsecond\tline\nbreak\n"));
}

struct ReadCase {
    const char* Name;
    const char* Rtf;
    std::vector<TRichTextRun> Runs;
};

TEST(RichTextRtf, ReadsHandWrittenDocuments)
{
    const TColor blue = RGB(0, 0, 255);
    const ReadCase cases[] = {
        {"font and colour tables",
         "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1 Courier New;}}"
         "{\\colortbl ;\\red0\\green0\\blue255;}\\f0\\fs20 A\\f1\\cf1\\b B\\b0\\cf0 C}",
         {{"A", Style(false, clDefault, 10, "Arial")}, {"B", Style(true, blue, 10, "Courier New")},
          {"C", Style(false, clDefault, 10, "Courier New")}}},
        {"unicode with two fallback bytes",
         "{\\rtf1\\uc2 x\\u8364\\'80\\'80y\\u-3998??z}",
         {{"x\u20acy\uf062z", Style()}}},
        {"ansi escapes are Windows-1252", "{\\rtf1 \\'e9t\\'e9 \\'80}", {{"\u00e9t\u00e9 \u20ac", Style()}}},
        {"groups restore the style", "{\\rtf1 a{\\b b{\\i c}}d}",
         {{"a", Style()}, {"b", Style(true)}, {"c", Style(true, clDefault, 0, {}, voNone, true)}, {"d", Style()}}},
        {"ignored destinations", "{\\rtf1{\\*\\generator Writer;}{\\info{\\title T}}{\\stylesheet{x;}}text}",
         {{"text", Style()}}},
        {"plain resets", "{\\rtf1\\b\\ul\\super a\\plain b\\nosupersub}",
         {{"a", Style(true, clDefault, 0, {}, voSuperscript, false, true)}, {"b", Style()}}},
        {"source line breaks are not text", "{\\rtf1 a\r\nb\\par\r\nc}", {{"ab\nc", Style()}}},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TRichText got = ReadRtf(QByteArray(c.Rtf));
        ASSERT_EQ(got.Runs().size(), c.Runs.size());
        for (std::size_t i = 0; i < c.Runs.size(); ++i) {
            EXPECT_EQ(got.Runs()[i].Text, c.Runs[i].Text) << i;
            EXPECT_TRUE(got.Runs()[i].Style == c.Runs[i].Style) << i;
        }
    }
}

TEST(RichTextRtf, MalformedInputReadsWhatItCan)
{
    const char* inputs[] = {
        "", "{", "}", "{\\rtf1 open group {\\b never closed", "{\\rtf1 \\", "{\\rtf1 \\'", "{\\rtf1 \\'zz text}",
        "{\\rtf1 \\u99999999999999999999 x}", "{\\rtf1 \\cf99 missing colour}", "{\\rtf1}}}} after",
    };
    for (const char* in : inputs) {
        SCOPED_TRACE(in);
        TRichText t = ReadRtf(QByteArray(in));
        (void)t.PlainText();
    }
    EXPECT_EQ(ReadRtf("{\\rtf1 open group {\\b never closed").PlainText(), QStringLiteral("open group never closed"));
    EXPECT_TRUE(ReadRtf("{\\rtf1 \\cf99 x}").Runs().at(0).Style.Color == clDefault);
}

// Pieces of RTF in random order: whatever is read survives a write and a read.
TEST(RichTextRtf, RandomPiecesRoundTripTheirText)
{
    const char* pieces[] = {"{", "}", "\\b ", "\\b0 ", "\\i", "\\ul ", "\\par ", "\\line ", "\\tab ",
                            "\\u8364?", "\\u-3998?", "\\'e9", "\\'01", "\\uc0 ", "\\uc3 ", "abc", " ",
                            "\\{", "\\}", "\\\\", "{\\*\\x y}", "\\cf1 ", "\\fs30 ", "\t", "\x01",
                            "{\\colortbl;\\red1\\green2\\blue3;}", "{\\fonttbl{\\f0 A;}}", "\\f0 ", "\\super "};
    unsigned seed = 12345;
    for (int round = 0; round < 300; ++round) {
        QByteArray rtf = "{\\rtf1 ";
        for (int i = 0; i < 25; ++i) {
            seed = seed * 1103515245u + 12345u;
            rtf += pieces[(seed >> 16) % (sizeof(pieces) / sizeof(pieces[0]))];
        }
        TRichText first = ReadRtf(rtf);
        TRichText again = ReadRtf(WriteRtf(first));
        ASSERT_EQ(again.PlainText(), first.PlainText()) << rtf.constData();
        ASSERT_TRUE(again == first) << rtf.constData();
    }
}

} // namespace
