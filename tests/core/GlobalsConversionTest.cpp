#include "core/Globals.h"

#include <gtest/gtest.h>

namespace {

struct IntCase {
    const char* name;
    const char* text;
    int expected;
};

const int kDef = -777;

const IntCase kIntCases[] = {
    {"Decimal", "123", 123},
    {"LeadingZeros", "007", 7},
    {"Zero", "0", 0},
    {"LeadingBlanks", "   42", 42},
    {"PlusSign", "+5", 5},
    {"MinusSign", "-5", -5},
    {"DollarHex", "$1F", 31},
    {"LowerXHex", "x1f", 31},
    {"UpperXHex", "X10", 16},
    {"ZeroXHex", "0x0A", 10},
    {"ZeroUpperXHex", "0X7fffffff", 2147483647},
    {"NegativeHex", "-$10", -16},
    {"BlanksSignAndPrefix", "  -0x10", -16},
    {"MaxInt", "2147483647", 2147483647},
    {"MinInt", "-2147483648", -2147483647 - 1},
    {"MinIntHex", "-0x80000000", -2147483647 - 1},
    {"AboveMaxInt", "2147483648", kDef},
    {"BelowMinInt", "-2147483649", kDef},
    {"HexAboveMaxInt", "$80000000", kDef},
    {"HexAllOnes", "$FFFFFFFF", kDef},
    {"HugeDecimal", "99999999999999999999999", kDef},
    {"Empty", "", kDef},
    {"OnlyBlanks", "   ", kDef},
    {"OnlySign", "-", kDef},
    {"OnlyPrefix", "0x", kDef},
    {"OnlyDollar", "$", kDef},
    {"TrailingBlank", "12 ", kDef},
    {"TrailingLetter", "12a", kDef},
    {"BlankAfterSign", "- 5", kDef},
    {"HexDigitWithoutPrefix", "1F", kDef},
    {"DecimalPoint", "1.5", kDef},
    {"DoubleSign", "--5", kDef},
    {"SignAfterPrefix", "$-10", kDef},
    {"LeadingTab", "\t5", kDef},
    {"NonAsciiDigit", "\xd9\xa3", kDef},
};

void PrintTo(const IntCase& c, std::ostream* os) { *os << c.name; }

class StrToIntDefTable : public testing::TestWithParam<IntCase> {};

TEST_P(StrToIntDefTable, Converts)
{
    const IntCase& c = GetParam();
    EXPECT_EQ(Str_To_Int_Def(QString::fromUtf8(c.text), kDef), c.expected) << c.text;
    // The 64-bit form agrees wherever the value fits 32 bits.
    if (c.expected != kDef) {
        EXPECT_EQ(Str_To_Int64_Def(QString::fromUtf8(c.text), kDef), c.expected) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Globals, StrToIntDefTable, testing::ValuesIn(kIntCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Globals, StrToInt64DefRange)
{
    struct Case {
        const char* text;
        qint64 expected;
    } cases[] = {
        {"2147483648", 2147483648LL},
        {"$FFFFFFFF", 0xFFFFFFFFLL},
        {"9223372036854775807", 9223372036854775807LL},
        {"-9223372036854775808", -9223372036854775807LL - 1},
        {"0x7FFFFFFFFFFFFFFF", 9223372036854775807LL},
        {"9223372036854775808", -1},
        {"-9223372036854775809", -1},
        {"$8000000000000000", -1},
        {"18446744073709551616", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Str_To_Int64_Def(QString::fromLatin1(c.text), -1), c.expected) << c.text;
}

struct IpCase {
    const char* name;
    const char* text;
    bool ok;
    const char* parts[4]; // as assigned, also on failure
};

const IpCase kIpCases[] = {
    {"Plain", "192.168.2.205", true, {"192", "168", "2", "205"}},
    {"BlanksAroundParts", " 10 . 0 . 0 . 1 ", true, {"10", "0", "0", "1"}},
    {"ControlCharsAtEnds", "\t1.2.3.4\r\n", true, {"1", "2", "3", "4"}},
    {"HexPart", "0x0A.0.0.1", true, {"0x0A", "0", "0", "1"}},
    {"Bounds", "0.255.0.255", true, {"0", "255", "0", "255"}},
    {"TwoDots", "1.2.3", false, {"1", "2", "", ""}},
    {"NoDot", "1234", false, {"", "", "", ""}},
    {"FourDots", "1.2.3.4.5", false, {"1", "2", "3", "4.5"}},
    {"Above255", "256.0.0.1", false, {"256", "0", "0", "1"}},
    {"Negative", "-1.0.0.1", false, {"-1", "0", "0", "1"}},
    {"Letters", "a.b.c.d", false, {"a", "b", "c", "d"}},
    {"EmptyPart", "1..3.4", false, {"1", "", "3", "4"}},
    {"Empty", "", false, {"", "", "", ""}},
};

void PrintTo(const IpCase& c, std::ostream* os) { *os << c.name; }

class CheckIpAddressTable : public testing::TestWithParam<IpCase> {};

TEST_P(CheckIpAddressTable, Checks)
{
    const IpCase& c = GetParam();
    QString p[4];
    EXPECT_EQ(Check_IP_Address(QString::fromLatin1(c.text), p[0], p[1], p[2], p[3]), c.ok);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(p[i], QString::fromLatin1(c.parts[i])) << "part " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(Globals, CheckIpAddressTable, testing::ValuesIn(kIpCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Globals, HasInvalidChars)
{
    struct Case {
        const char* text;
        bool invalid;
    } cases[] = {
        {"devicename1", false},
        {"ABCxyz0189", false},
        {"", false},
        {"device_name", true},
        {"device name", true},
        {"caf\xc3\xa9", true},
        {"name-1", true},
        {"\xef\xbc\xa1", true}, // full-width A
    };
    for (const Case& c : cases)
        EXPECT_EQ(Has_Invalid_Chars(QString::fromUtf8(c.text)), c.invalid) << c.text;
}

} // namespace
