#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"
#include "tests/support/QStringPrinter.h"
#include <gtest/gtest.h>
#include <cmath>
#include <limits>

namespace {

struct FormatCase {
    const char* Name;
    QString Fmt;
    std::vector<TVarRec> Args;
    QString Expected;
};

QString FormatVector(const QString& fmt, const std::vector<TVarRec>& a)
{
    // Format takes an initializer list; spell out the small arities used here.
    switch (a.size()) {
    case 0: return Format(fmt, {});
    case 1: return Format(fmt, {a[0]});
    case 2: return Format(fmt, {a[0], a[1]});
    default: return Format(fmt, {a[0], a[1], a[2]});
    }
}

} // namespace

TEST(SysUtilsFormat, FormatSpecifiers)
{
    const void* ptr = reinterpret_cast<const void*>(quintptr(0x1234));
    const FormatCase cases[] = {
        {"Decimal", "%d", {42}, "42"},
        {"DecimalWidth", "[%5d]", {42}, "[   42]"},
        {"DecimalLeft", "[%-5d]", {42}, "[42   ]"},
        {"DecimalPrecisionPadsDigits", "%.4d", {-12}, "-0012"},
        {"Decimal64", "%d", {1000000000000LL}, "1000000000000"},
        {"UnsignedOfNegative", "%u", {-1}, "4294967295"},
        {"Hex", "%x", {255}, "FF"},
        {"HexNegative32", "%x", {-1}, "FFFFFFFF"},
        {"HexNegative64", "%X", {-1LL}, "FFFFFFFFFFFFFFFF"},
        {"HexPrecision", "%.4x", {255}, "00FF"},
        {"String", "%s", {"abc"}, "abc"},
        {"StringWidth", "[%5s]", {QString("abc")}, "[  abc]"},
        {"StringLeft", "[%-5s]", {"abc"}, "[abc  ]"},
        {"StringPrecisionCuts", "%.2s", {"abc"}, "ab"},
        {"Char", "%s", {QChar(u'x')}, "x"},
        {"FixedDefaultTwo", "%f", {1.5}, "1.50"},
        {"FixedTieAwayFromZero", "%.0f", {2.5}, "3"},
        {"FixedQuarterTie", "%.1f", {0.25}, "0.3"},
        {"FixedNegativeTie", "%.1f", {-0.25}, "-0.3"},
        {"FixedNegativeRoundsToZero", "%.2f", {-0.001}, "0.00"},
        {"FixedNoThousands", "%.3f", {1234.5678}, "1234.568"},
        {"FixedWidth", "[%8.2f]", {3.14159}, "[    3.14]"},
        {"Number", "%n", {1234567.891}, "1,234,567.89"},
        {"NumberCarry", "%.0n", {999.5}, "1,000"},
        {"NumberNegative", "%.1n", {-1234.56}, "-1,234.6"},
        {"Money", "%m", {1234.5}, "$1,234.50"},
        {"MoneyNegative", "%m", {-5.0}, "-$5.00"},
        {"Exponent", "%e", {1234.5}, "1.23450000000000E+003"},
        {"ExponentPrecision", "%.3e", {1234.5}, "1.23E+003"},
        {"ExponentNegative", "%.2e", {-0.000123}, "-1.2E-004"},
        {"ExponentZero", "%.3e", {0.0}, "0.00E+000"},
        {"GeneralShortest", "%g", {0.1 + 0.2}, "0.3"},
        {"General15Digits", "%g", {1.0 / 3}, "0.333333333333333"},
        {"GeneralInteger", "%g", {100.0}, "100"},
        {"GeneralLargeFixed", "%g", {123456789012345.0}, "123456789012345"},
        {"GeneralLargeScientific", "%g", {1234567890123456.0}, "1.23456789012346E015"},
        {"GeneralSmallFixed", "%g", {0.0001}, "0.0001"},
        {"GeneralSmallScientific", "%g", {0.00001}, "1E-005"},
        {"GeneralPrecision", "%.3g", {1234.0}, "1.23E003"},
        {"Percent", "100%%", {}, "100%"},
        {"Index", "%1:s %0:s", {"a", "b"}, "b a"},
        {"IndexThenNext", "%1:s %s %0:s", {"a", "b", "c"}, "b c a"},
        {"StarWidth", "[%*d]", {5, 42}, "[   42]"},
        {"StarNegativeWidthLeft", "[%*d]", {-4, 7}, "[7   ]"},
        {"StarPrecision", "%.*f", {1, 2.25}, "2.3"},
        {"Pointer", "%p", {ptr}, "0000000000001234"},
        {"Mixed", "%s: %d of %.1f", {"n", 3, 4.0}, "n: 3 of 4.0"},
        {"UpperCaseType", "%D %S", {1, "x"}, "1 x"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatVector(c.Fmt, c.Args), c.Expected) << c.Name;
}

TEST(SysUtilsFormat, InvalidOrIncompatibleRaises)
{
    const FormatCase cases[] = {
        {"IntForString", "%s", {1}, ""},
        {"StringForInt", "%d", {"x"}, ""},
        {"IntForFloat", "%f", {1}, ""},
        {"FloatForInt", "%d", {1.0}, ""},
        {"MissingArgument", "%d %d", {1}, ""},
        {"IndexOutOfRange", "%2:s", {"a"}, ""},
        {"TrailingPercent", "abc%", {}, ""},
        {"UnknownType", "%q", {1}, ""},
        {"NoType", "%5", {1}, ""},
        {"StarNotInteger", "%*d", {"x", 1}, ""},
    };
    for (const auto& c : cases) {
        try {
            FormatVector(c.Fmt, c.Args);
            ADD_FAILURE() << c.Name << " did not raise";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "Format '" + c.Fmt + "' invalid or incompatible with argument") << c.Name;
        }
    }
}

TEST(SysUtilsFormat, UsesSettingsSeparators)
{
    TFormatSettings fs = TFormatSettings::Invariant();
    fs.DecimalSeparator = u',';
    fs.ThousandSeparator = u'.';
    fs.CurrencyString = QStringLiteral("EUR");
    fs.CurrencyFormat = 3;
    fs.NegCurrFormat = 8;
    EXPECT_EQ(Format("%n|%f|%g", {1234.5, 0.5, 2.25}, fs), "1.234,50|0,50|2,25");
    EXPECT_EQ(Format("%m|%m", {1234.5, -1.0}, fs), "1.234,50 EUR|-1,00 EUR");
    EXPECT_EQ(FloatToStr(1.5, fs), "1,5");
    EXPECT_EQ(FormatFloat("#,##0.00", 1234.5, fs), "1.234,50");
}

TEST(SysUtilsFormat, FloatToStr)
{
    const struct {
        const char* Name;
        double Value;
        QString Expected;
    } cases[] = {
        {"Zero", 0.0, "0"},
        {"Half", 1.5, "1.5"},
        {"Negative", -0.1, "-0.1"},
        {"BinaryNoise", 0.1 + 0.2, "0.3"},
        {"Hundred", 100.0, "100"},
        {"FifteenDigits", 123456789012345.0, "123456789012345"},
        {"SixteenDigitsGoScientific", 1234567890123456.0, "1.23456789012346E15"},
        {"Large", 1e20, "1E20"},
        {"Small", 1.5e-10, "1.5E-10"},
        {"SmallFixed", 0.001234, "0.001234"},
        {"RoundsUpAcrossDigits", 0.9999999999999999, "1"},
        {"Infinity", std::numeric_limits<double>::infinity(), "INF"},
        {"NegativeInfinity", -std::numeric_limits<double>::infinity(), "-INF"},
        {"NaN", std::nan(""), "NAN"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStr(c.Value), c.Expected) << c.Name;
}

TEST(SysUtilsFormat, StrToFloat)
{
    const struct {
        const char* Text;
        double Value;
    } accepted[] = {
        {"1.5", 1.5}, {"  1.5  ", 1.5}, {"-2", -2}, {"+3", 3}, {"1e3", 1000},
        {"1E-2", 0.01}, {"1.", 1}, {".5", 0.5}, {"0.1", 0.1}, {"1e-400", 0},
    };
    for (const auto& c : accepted)
        EXPECT_EQ(StrToFloat(c.Text), c.Value) << c.Text;

    const char* rejected[] = {"", " ", "abc", "1,5", "1.5x", "1e", "--1", "1 000", ".", "e5", "0x10", "1e400"};
    for (const char* text : rejected) {
        double v = 7;
        EXPECT_FALSE(TryStrToFloat(text, v)) << text;
        EXPECT_EQ(v, 7) << text;
        EXPECT_EQ(StrToFloatDef(text, -1), -1) << text;
    }
    try {
        StrToFloat("abc");
        ADD_FAILURE() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'abc' is not a valid floating point value");
    }

    TFormatSettings fs = TFormatSettings::Invariant();
    fs.DecimalSeparator = u',';
    EXPECT_EQ(StrToFloat("1,25", fs), 1.25);
    double v = 0;
    EXPECT_FALSE(TryStrToFloat("1.25", v, fs));
}

TEST(SysUtilsFormat, ValReadsAsFarAsItCan)
{
    const struct {
        QString Text;
        double Value;
        int Code;
    } cases[] = {
        {"12.5", 12.5, 0}, {"  -3e2", -300, 0}, {".5", 0.5, 0}, {"1E+1", 10, 0},
        {"12abc", 12, 3}, {"12 ", 12, 3}, {"1,5", 1, 2}, {"", 0, 1}, {" ", 0, 2},
        {".", 0, 2}, {"abc", 0, 1}, {"-", 0, 2}, {"\t1", 0, 1},
    };
    for (const auto& c : cases) {
        double v = -99;
        int code = -99;
        Val(c.Text, v, code);
        EXPECT_EQ(v, c.Value) << c.Text.toStdString();
        EXPECT_EQ(code, c.Code) << c.Text.toStdString();
    }
}

TEST(SysUtilsFormat, FormatFloatPictures)
{
    const struct {
        const char* Name;
        QString Picture;
        double Value;
        QString Expected;
    } cases[] = {
        {"TwoPlaces", "0.00", 1234.567, "1234.57"},
        {"Thousands", "#,##0.00", 1234567.891, "1,234,567.89"},
        {"ThousandsNegative", "#,##0", -1234567.0, "-1,234,567"},
        {"ZeroWithZeroPlaceholder", "#,##0", 0.0, "0"},
        {"HashOnlyDropsZeroInteger", "#.##", 0.5, ".5"},
        {"OptionalPlacesDropPoint", "0.##", 1.0, "1"},
        {"OptionalPlacesKeepDigits", "0.##", 1.5, "1.5"},
        {"MinimumPlaces", "0.0#", 2.0, "2.0"},
        {"LeadingZeros", "000", 7.0, "007"},
        {"MoreDigitsThanPlaceholders", "0", 12345.0, "12345"},
        {"TieAwayFromZero", "0", 2.5, "3"},
        {"NegativeTie", "0", -2.5, "-3"},
        {"NegativeSection", "0.00;(0.00)", -5.0, "(5.00)"},
        {"PositiveWithNegativeSection", "0.00;(0.00)", 5.0, "5.00"},
        {"ZeroSection", "0.00;(0.00);zero", 0.0, "zero"},
        {"EmptyNegativeSectionUsesFirst", "0.00;;zero", -1.0, "-1.00"},
        {"RoundsIntoZeroSection", "0.00;;zero", 0.001, "zero"},
        {"ScientificPlus", "0.00E+00", 1234.0, "1.23E+03"},
        {"ScientificMinus", "0.0E-0", 0.00123, "1.2E-3"},
        {"ScientificMinusPositiveExponent", "0.0E-00", 1234.0, "1.2E03"},
        {"PlaceholdersAfterExponentPrintNothing", "0E+0#", 5.0, "5E+0"},
        {"QuotedText", "'$'#,##0.00", 1234.5, "$1,234.50"},
        {"DoubleQuotedText", "0 \"items\"", 3.0, "3 items"},
        {"LiteralBetweenDigits", "00-00", 1234.0, "12-34"},
        {"EmptyPictureIsGeneral", "", 1.5, "1.5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFloat(c.Picture, c.Value), c.Expected) << c.Name;
}
