#include "../support/ExceptionMessage.h"
#include "../support/QStringPrinter.h"
#include "grid/features/GridStreamCodec.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"
#include <cmath>
#include <gtest/gtest.h>

namespace {

QByteArray Encoded(const TStreamValue& V)
{
    TMemoryStream s;
    TObjectWriter(&s).WriteValue(V);
    return s.Data();
}

QByteArray Ext(double V)
{
    uint8_t b[10];
    DoubleToExtended(V, b);
    return QByteArray(reinterpret_cast<const char*>(b), 10);
}

struct ValueCase {
    const char* Name;
    TStreamValue Value;
    QByteArray Bytes;
};

class StreamValue : public ::testing::TestWithParam<ValueCase> {};

} // namespace

TEST_P(StreamValue, TagAndDataAsTheEncodingGives)
{
    EXPECT_EQ(Encoded(GetParam().Value).toHex(' '), GetParam().Bytes.toHex(' '));
}

INSTANTIATE_TEST_SUITE_P(
    GridStreamCodec, StreamValue,
    ::testing::Values(
        ValueCase{"Zero", TStreamValue::Integer(0), QByteArray("\x02\x00", 2)},
        ValueCase{"Int8Low", TStreamValue::Integer(-128), "\x02\x80"},
        ValueCase{"Int16", TStreamValue::Integer(128), QByteArray("\x03\x80\x00", 3)},
        ValueCase{"Int32Negative", TStreamValue::Integer(-32769), "\x04\xFF\x7F\xFF\xFF"},
        ValueCase{"UnsignedRowAsInt32", TStreamValue::Integer(40000), QByteArray("\x04\x40\x9C\x00\x00", 5)},
        ValueCase{"ShortString", TStreamValue::String("x"), "\x06\x01x"},
        ValueCase{"LongString", TStreamValue::String(QString(256, u'a')),
                  QByteArray("\x0C\x00\x01\x00\x00", 5) + QByteArray(256, 'a')},
        // Two UTF-8 bytes for one character: wide.
        ValueCase{"WideString", TStreamValue::String(QStringLiteral("é")),
                  QByteArray("\x12\x01\x00\x00\x00\xE9\x00", 7)},
        ValueCase{"Utf8String", TStreamValue::String(QStringLiteral("aé")),
                  QByteArray("\x14\x03\x00\x00\x00" "a\xC3\xA9", 8)},
        ValueCase{"Ident", TStreamValue::Ident("clNone"), "\x07\x06" "clNone"},
        ValueCase{"Booleans", TStreamValue::ListOf({TStreamValue::Boolean(false), TStreamValue::Boolean(true)}),
                  QByteArray("\x01\x08\x09\x00", 4)},
        ValueCase{"Set", TStreamValue::SetOf({"fsBold", "fsItalic"}),
                  QByteArray("\x0B\x06" "fsBold" "\x08" "fsItalic" "\x00", 18)},
        ValueCase{"EmptySet", TStreamValue::SetOf({}), QByteArray("\x0B\x00", 2)},
        ValueCase{"Binary", TStreamValue::Binary("ab"), QByteArray("\x0A\x02\x00\x00\x00" "ab", 7)},
        ValueCase{"ExtendedOne", TStreamValue::Extended(1.0),
                  QByteArray("\x05\x00\x00\x00\x00\x00\x00\x00\x80\xFF\x3F", 11)},
        ValueCase{"Collection",
                  TStreamValue::Collection({TStreamProps{{"A", TStreamValue::Integer(1)}}, TStreamProps{}}),
                  QByteArray("\x0E\x01\x01" "A" "\x02\x01\x00\x01\x00\x00", 10)}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(GridStreamCodec, ExtendedFloatsByHandAndBack)
{
    EXPECT_EQ(Ext(0.0), QByteArray(10, '\0'));
    EXPECT_EQ(Ext(-2.5).toHex(' '), QByteArray("00 00 00 00 00 00 00 a0 00 c0"));
    EXPECT_EQ(Ext(INFINITY).toHex(' '), QByteArray("00 00 00 00 00 00 00 80 ff 7f"));
    for (double v : {0.1, -123456.789, 1e300, 5e-324, 3.14159, -0.0}) {
        const QByteArray b = Ext(v);
        const double back = ExtendedToDouble(reinterpret_cast<const uint8_t*>(b.constData()));
        EXPECT_EQ(back, v);
        EXPECT_EQ(std::signbit(back), std::signbit(v));
    }
    const QByteArray nan = Ext(NAN);
    EXPECT_TRUE(std::isnan(ExtendedToDouble(reinterpret_cast<const uint8_t*>(nan.constData()))));
    // Beyond a double's range the value reads as infinity.
    const uint8_t huge[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x7F};
    EXPECT_TRUE(std::isinf(ExtendedToDouble(huge)));
}

TEST(GridStreamCodec, ObjectsRoundTrip)
{
    TStreamObject obj{"THolder", "", {}, {}};
    obj.Props = {{"Count", TStreamValue::Integer(-70000)},
                 {"Name", TStreamValue::String(QStringLiteral("Zürich €"))},
                 {"Value", TStreamValue::Extended(2.75)},
                 {"Flag", TStreamValue::Boolean(true)},
                 {"Style", TStreamValue::SetOf({"fsUnderline"})},
                 {"Lines", TStreamValue::ListOf({TStreamValue::String("a"), TStreamValue::String("b")})},
                 {"Items", TStreamValue::Collection({TStreamProps{{"Width", TStreamValue::Integer(64)}}})}};
    obj.Children.push_back(TStreamObject{"TChild", "c1", {{"X", TStreamValue::Integer(5)}}, {}});
    TMemoryStream s;
    TObjectWriter(&s).WriteRootObject(obj);
    TObjectWriter(&s).WriteRootObject(TStreamObject{"TNext", "", {}, {}});
    s.SetPosition(0);
    TObjectReader r(&s);
    const TStreamObject back = r.ReadRootObject();
    EXPECT_EQ(back.ClassName, "THolder");
    EXPECT_EQ(back.Find("Count")->Int, -70000);
    EXPECT_EQ(back.Find("Name")->Text, QStringLiteral("Zürich €"));
    EXPECT_EQ(back.Find("Value")->Float, 2.75);
    EXPECT_EQ(back.Find("Flag")->Type, vaTrue);
    EXPECT_EQ(back.Find("Style")->Names, QStringList{"fsUnderline"});
    EXPECT_EQ(back.Find("Lines")->List.at(1).Text, "b");
    EXPECT_EQ(back.Find("Items")->Items.at(0).at(0).second.Int, 64);
    ASSERT_EQ(back.Children.size(), 1u);
    EXPECT_EQ(back.Children[0].Name, "c1");
    EXPECT_FALSE(r.AtEnd());
    EXPECT_EQ(r.ReadRootObject().ClassName, "TNext");
    EXPECT_TRUE(r.AtEnd());
}

TEST(GridStreamCodec, DamagedStreamsRaiseReadErrors)
{
    const QByteArray good("TPF0\x01T\x00\x01" "A\x02\x05\x00\x00", 13);
    struct {
        const char* Name;
        QByteArray Bytes;
        const char* Message;
    } cases[] = {
        {"Signature", "TPF1\x01T\x00\x00\x00", "Invalid stream format"},
        {"NoClassName", QByteArray("TPF0\x00\x00\x00\x00", 8), "Invalid stream format"},
        {"UnknownTag", QByteArray("TPF0\x01T\x00\x01" "A\x63\x00\x00", 12), "Invalid property value"},
        {"CutShort", good.left(10), "Stream read error"},
        {"HugeBinary", QByteArray("TPF0\x01T\x00\x01" "A\x0A\xFF\xFF\xFF\x7F", 14), "Stream read error"},
        {"HugeWide", QByteArray("TPF0\x01T\x00\x01" "A\x12\xFF\xFF\xFF\xFF", 14), "Stream read error"},
        {"DeepLists", QByteArray("TPF0\x01T\x00\x01" "A", 9) + QByteArray(100, '\x01'), "Invalid stream format"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.Name);
        TBytesStream s(k.Bytes);
        EXPECT_EQ(MessageOf<EReadError>([&] { TObjectReader(&s).ReadRootObject(); }), k.Message);
    }
    TBytesStream s(good);
    EXPECT_EQ(TObjectReader(&s).ReadRootObject().Find("A")->Int, 5);
}
