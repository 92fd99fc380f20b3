#include "platform/rtl/Exceptions.h"
#include "platform/rtl/TextFile.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include "tests/support/FileBytes.h"

namespace {

struct DetectCase {
    const char* name;
    QByteArray bytes;
    TEncodingKind encoding;
    bool bom;
    QString text;
};

class TextFileDetect : public testing::TestWithParam<DetectCase> {};

TEST_P(TextFileDetect, FindsEncodingAndText)
{
    const DetectCase& c = GetParam();
    TEncodingKind kind = TEncodingKind::ekAnsi;
    bool bom = !c.bom;
    EXPECT_EQ(DecodeText(c.bytes, &kind, &bom), c.text);
    EXPECT_EQ(kind, c.encoding);
    EXPECT_EQ(bom, c.bom);
}

INSTANTIATE_TEST_SUITE_P(
    TextFile, TextFileDetect,
    testing::Values(
        DetectCase{"Utf8Bom", QByteArray("\xEF\xBB\xBF" "a\xC3\xA9"), TEncodingKind::ekUtf8, true, QStringLiteral("a\u00E9")},
        // A mark alone decides, even when the rest would read as ANSI.
        DetectCase{"Utf8BomWinsOverBadBytes", QByteArray("\xEF\xBB\xBF" "a\xFF"), TEncodingKind::ekUtf8, true, QStringLiteral("a\uFFFD")},
        // Only the first mark is dropped; a second one is text.
        DetectCase{"Utf8BomTwice", QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF" "a"), TEncodingKind::ekUtf8, true, QStringLiteral("\uFEFFa")},
        DetectCase{"Utf16LEBom", QByteArray("\xFF\xFE" "a\0\xAC\x20", 6), TEncodingKind::ekUtf16LE, true, QStringLiteral("a\u20AC")},
        DetectCase{"Utf16BEBom", QByteArray("\xFE\xFF\0a\x20\xAC", 6), TEncodingKind::ekUtf16BE, true, QStringLiteral("a\u20AC")},
        DetectCase{"ValidUtf8NoBom", QByteArray("gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC"), TEncodingKind::ekUtf8, false, QStringLiteral("gr\u00FC\u00DFe \u20AC")},
        DetectCase{"Windows1252", QByteArray("gr\xFC\xDF" "e \x80"), TEncodingKind::ekAnsi, false, QStringLiteral("gr\u00FC\u00DFe \u20AC")},
        // A lead byte without its continuation is no UTF-8.
        DetectCase{"TruncatedUtf8IsAnsi", QByteArray("caf\xC3"), TEncodingKind::ekAnsi, false, QStringLiteral("caf\u00C3")},
        // Overlong form of "/" and an encoded surrogate are invalid UTF-8.
        DetectCase{"OverlongIsAnsi", QByteArray("\xC0\xAF"), TEncodingKind::ekAnsi, false, QStringLiteral("\u00C0\u00AF")},
        DetectCase{"SurrogateIsAnsi", QByteArray("\xED\xA0\x80"), TEncodingKind::ekAnsi, false, QStringLiteral("\u00ED\u00A0\u20AC")},
        DetectCase{"PlainAsciiIsAnsi", QByteArray("abc"), TEncodingKind::ekAnsi, false, QStringLiteral("abc")},
        DetectCase{"Empty", QByteArray(), TEncodingKind::ekAnsi, false, QString()}),
    [](const testing::TestParamInfo<DetectCase>& info) { return std::string(info.param.name); });

struct SplitCase {
    const char* name;
    QString text;
    QStringList lines;
};

class TextFileSplit : public testing::TestWithParam<SplitCase> {};

TEST_P(TextFileSplit, SplitsAtEveryLineEnd)
{
    EXPECT_EQ(SplitLines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    TextFile, TextFileSplit,
    testing::Values(
        SplitCase{"CrLf", "a\r\nb", {"a", "b"}},
        SplitCase{"Lf", "a\nb", {"a", "b"}},
        SplitCase{"Cr", "a\rb", {"a", "b"}},
        SplitCase{"Mixed", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        SplitCase{"LfCrIsTwoEnds", "a\n\rb", {"a", "", "b"}},
        SplitCase{"FinalEndAddsNoLine", "a\r\nb\r\n", {"a", "b"}},
        SplitCase{"BlankLinesKept", "\r\n\r\na", {"", "", "a"}},
        SplitCase{"OnlyLineEnd", "\r\n", {""}},
        SplitCase{"Empty", "", {}},
        SplitCase{"NoLineEnd", "abc", {"abc"}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

TEST(TextFile, WritersEndLinesWithCrLfAndMarkUnicode)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.txt");
    const QStringList lines = {QStringLiteral("\u00E9\u20AC"), QString(), QStringLiteral("x")};

    WriteTextFile(path, lines, TEncodingKind::ekAnsi);
    EXPECT_EQ(ReadBytes(path), QByteArray("\xE9\x80\r\n\r\nx\r\n"));
    WriteTextFile(path, lines, TEncodingKind::ekUtf8);
    EXPECT_EQ(ReadBytes(path), QByteArray("\xEF\xBB\xBF\xC3\xA9\xE2\x82\xAC\r\n\r\nx\r\n"));
    WriteTextFile(path, {QStringLiteral("a")}, TEncodingKind::ekUtf16LE);
    EXPECT_EQ(ReadBytes(path), QByteArray("\xFF\xFE" "a\0\r\0\n\0", 8));

    for (TEncodingKind kind : {TEncodingKind::ekAnsi, TEncodingKind::ekUtf8, TEncodingKind::ekUtf16LE,
                               TEncodingKind::ekUtf16BE}) {
        WriteTextFile(path, lines, kind);
        TEncodingKind found;
        EXPECT_EQ(ReadTextFile(path, &found), lines);
        EXPECT_EQ(found, kind);
    }
}

TEST(TextFile, MissingFileRaisesOpenError)
{
    QTemporaryDir dir;
    EXPECT_THROW(ReadTextFile(dir.filePath("missing.txt")), EFOpenError);
}

} // namespace
