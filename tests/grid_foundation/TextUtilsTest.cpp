#include "grid/foundation/TextUtils.h"
#include "platform/rtl/Exceptions.h"
#include <gtest/gtest.h>

namespace {

// Format settings changed for one test and restored after it.
class TextUtils : public testing::Test {
protected:
    void TearDown() override { SetTestFormatSettings(); }
    static void UseDecimalComma()
    {
        FormatSettings.DecimalSeparator = u',';
        FormatSettings.ThousandSeparator = u'.';
    }
};

TDateTime DT(int y, int m, int d, int h = 0, int n = 0, int s = 0)
{
    return EncodeDate(y, m, d) + EncodeTime(h, n, s, 0);
}

} // namespace

TEST_F(TextUtils, ClassifyNumberText)
{
    struct Case {
        const char16_t* text;
        int kind;
    };
    const Case cases[] = {
        {u"", 2},           {u"-", 0},          {u"-12", 0},       {u"1,234.5", 1},   {u"1,234,567", 1},
        {u"1,23,456", 2},   {u"1.5e-3", 5},     {u"-1.5e-3", 5},   {u"12-3", 2},      {u"1e", 2},
        {u"1..2", 2},       {u"--1", 2},        {u"e5", 2},        {u"1e5", 5},       {u"1e5e2", 2},
        {u"\u0661\u0662", 0}, {u"12a", 2},      {u"1,234e5", 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyNumberText(QString::fromUtf16(c.text)), c.kind) << QString::fromUtf16(c.text).toStdString();

    UseDecimalComma();
    EXPECT_EQ(ClassifyNumberText(QStringLiteral("1.234,5")), 1);
    EXPECT_EQ(ClassifyNumberText(QStringLiteral("1.23.456")), 2);
}

TEST_F(TextUtils, ExtractFloatText)
{
    struct Case {
        const char* text;
        const char* result;
    };
    const Case cases[] = {
        {" (12) ", "-12"}, {"abc", ""}, {"12abc", "12"}, {"Euro 5", "E"}, {"USD -7", "-7"},
        {"$1,234.50", "1234.50"}, {"", ""}, {"1.5e-3 m", "1.5e-3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExtractFloatText(QString::fromUtf8(c.text)), QString::fromUtf8(c.result)) << c.text;

    UseDecimalComma();
    EXPECT_EQ(ExtractFloatText(QStringLiteral("(1.234,50 EUR)")), QStringLiteral("-1234.50"));
    EXPECT_EQ(NormalizeNumberText(QStringLiteral("1.500,5")), QStringLiteral("1500.5"));
}

TEST_F(TextUtils, ClassifyCellText)
{
    struct Case {
        QString text;
        bool html;
        int kind;
    };
    const QString packedFormula = QStringLiteral("|\\") + QChar(0) + u'=' + QChar(0) + u'A';
    const QString packedText = QStringLiteral("|\\") + QChar(0) + u'a';
    const Case cases[] = {
        {QString(), true, 0},
        {QStringLiteral("=SUM"), false, 3},
        {QStringLiteral("{\\rtf1"), true, 2},
        {QStringLiteral("<b>x"), true, 0},
        {QStringLiteral("<B>x"), true, 1},
        {QStringLiteral("<B>x"), false, 0},
        {QStringLiteral("a</i>"), true, 1},
        {packedFormula, false, 3},
        {packedText, false, 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyCellText(c.text, c.html), c.kind) << c.text.toStdString();
}

TEST_F(TextUtils, LooksLikeDateAndParseDateTimeText)
{
    EXPECT_TRUE(LooksLikeDate(QStringLiteral("1/2/3")));
    EXPECT_FALSE(LooksLikeDate(QStringLiteral("/1/2")));
    EXPECT_FALSE(LooksLikeDate(QStringLiteral("1//2")));
    EXPECT_FALSE(LooksLikeDate(QStringLiteral("12/3")));

    TDateTime v = -1;
    EXPECT_TRUE(ParseDateTimeText(QStringLiteral("24/12/2020 10:30"), v));
    EXPECT_DOUBLE_EQ(v, DT(2020, 12, 24, 10, 30));
    EXPECT_TRUE(ParseDateTimeText(QStringLiteral("24/12/2020 10:30:15"), v));
    EXPECT_DOUBLE_EQ(v, DT(2020, 12, 24, 10, 30, 15));
    v = -1;
    EXPECT_FALSE(ParseDateTimeText(QStringLiteral("24/12/2020 10"), v));
    EXPECT_DOUBLE_EQ(v, DT(2020, 12, 24));
    for (const char* bad : {"32/01/2020", "24/12", "31/02/2020", "24/12/2020 24:00", "24/12/2020 10:60",
                            "24/12/2020 10:30:60", "x/1/2020"})
        EXPECT_FALSE(ParseDateTimeText(QString::fromUtf8(bad), v)) << bad;

    FormatSettings.ShortDateFormat = QStringLiteral("MM/dd/yyyy");
    EXPECT_TRUE(ParseDateTimeText(QStringLiteral("12/24/2020"), v));
    EXPECT_DOUBLE_EQ(v, DT(2020, 12, 24));
}

TEST_F(TextUtils, ParseShortDates)
{
    EXPECT_DOUBLE_EQ(ParseShortDateUS(QStringLiteral("2.28.21")), DT(2021, 2, 28));
    EXPECT_DOUBLE_EQ(ParseShortDateUS(QStringLiteral("12/31/2021")), DT(2021, 12, 31));
    EXPECT_DOUBLE_EQ(ParseShortDateEU(QStringLiteral("31-12-99")), DT(1999, 12, 31));
    EXPECT_DOUBLE_EQ(ParseShortDateEU(QStringLiteral("1/2/25")), DT(2025, 2, 1));
    EXPECT_DOUBLE_EQ(ParseShortDateEU(QStringLiteral("1/2/26")), DT(1926, 2, 1));
    EXPECT_EQ(ParseShortDateUS(QStringLiteral("x/1/1")), 0);
    EXPECT_EQ(ParseShortDateUS(QStringLiteral("1/1")), 0);
    EXPECT_EQ(ParseShortDateUS(QStringLiteral("1/1.5")), 0);
    EXPECT_THROW(ParseShortDateUS(QStringLiteral("13/01/99")), EConvertError);
}

TEST_F(TextUtils, AddToDate)
{
    const TDateTime jan15 = DT(2020, 1, 15, 6);
    EXPECT_DOUBLE_EQ(AddToDate(0, 0, 3, jan15, 9), jan15 + 3);
    EXPECT_DOUBLE_EQ(AddToDate(2, 0, 0, jan15, 9), DT(2022, 1, 15, 6));
    EXPECT_DOUBLE_EQ(AddToDate(0, 1, 0, jan15, 9), DT(2020, 2, 15, 6));
    EXPECT_DOUBLE_EQ(AddToDate(0, 11, 0, DT(2020, 3, 1), 9), DT(2021, 2, 1));
    EXPECT_DOUBLE_EQ(AddToDate(0, 65535, 0, jan15, 9), DT(2019, 12, 15, 6));
    EXPECT_DOUBLE_EQ(AddToDate(0, 0, 0, jan15, 1.5), jan15 + 1.5);
    EXPECT_DOUBLE_EQ(AddToDate(1, 1, 0, jan15, 2), jan15 + 2);
    EXPECT_THROW(AddToDate(0, 1, 0, DT(2020, 1, 31), 0), EConvertError);
    EXPECT_THROW(AddToDate(1, 0, 0, DT(2020, 2, 29), 0), EConvertError);
    EXPECT_THROW(AddToDate(0, 30, 0, jan15, 0), EConvertError);
}

TEST_F(TextUtils, ToMixedCase)
{
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"JOHN O'NEIL-SMITH", "John O'Neil-Smith"},
        {"mcdonald", "McDonald"},
        {"old mcdonald", "Old McDonald"},
        {"henry iii", "Henry III"},
        {"henry ii", "Henry II"},
        {"ivy", "Ivy"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToMixedCase(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
}
