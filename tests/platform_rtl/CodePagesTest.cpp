#include "platform/rtl/CodePages.h"
#include <gtest/gtest.h>

namespace {

TEST(CodePages, AnsiMapsTheWindowsBlockAndRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = AnsiToUtf16(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    EXPECT_EQ(text[0x8A], QChar(0x0160));
    for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(text[b], QChar(b)) << b;
    EXPECT_EQ(text[0xE9], QChar(0xE9));
    EXPECT_EQ(Utf16ToAnsi(text), all);
}

TEST(CodePages, OemMapsCodePage850AndRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = OemToUtf16(all);
    EXPECT_EQ(text[0x80], QChar(0x00C7));
    EXPECT_EQ(text[0x9C], QChar(0x00A3));
    EXPECT_EQ(text[0xD5], QChar(0x0131));
    EXPECT_EQ(text[0xFF], QChar(0x00A0));
    EXPECT_EQ(Utf16ToOem(text), all);
}

TEST(CodePages, UnencodableCharactersBecomeQuestionMarks)
{
    struct Case {
        const char* name;
        QString text;
        QByteArray ansi;
        QByteArray oem;
    };
    const Case cases[] = {
        {"Cyrillic", QStringLiteral("a\u0416b"), "a?b", "a?b"},
        {"SurrogatePairIsOneCharacter", QStringLiteral("x\U0001F600y"), "x?y", "x?y"},
        {"EuroOnlyInAnsi", QStringLiteral("\u20AC"), "\x80", "?"},
        {"BoxOnlyInOem", QStringLiteral("\u2500"), "?", "\xC4"},
        {"LoneSurrogate", QString(QChar(0xD800)), "?", "?"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf16ToAnsi(c.text), c.ansi) << c.name;
        EXPECT_EQ(Utf16ToOem(c.text), c.oem) << c.name;
    }
}

} // namespace
