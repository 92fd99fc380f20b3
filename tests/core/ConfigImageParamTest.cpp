// Edge values of the parameter file in the parameter bank.
#include "ConfigImageTestSupport.h"

#include "core/ConfigImage.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct TBytesAt {
    int Offset;
    std::vector<quint8> Bytes;
};

struct TParamCase {
    const char* Name;
    const char* Elements;      // inside <Par_Gen>
    std::vector<TBytesAt> Expected;
};

const std::vector<quint8> Ff4 = {0xFF, 0xFF, 0xFF, 0xFF};

const TParamCase Param_Cases[] = {
    {"MissingOctetTakesItsDefault", "<BACnet_Type>0</BACnet_Type><BACnet_IP1>10</BACnet_IP1>",
     {{40, {10, 168, 0, 5}}}},
    {"MissingPortIs47808", "<BACnet_Type>0</BACnet_Type>", {{58, {0xC0, 0xBA}}}},
    {"MissingTypeIsBACnetIP", "<BACnet_IP4>77</BACnet_IP4>", {{43, {77}}, {58, {0xC0, 0xBA}}}},
    {"OctetCutToItsLowByte", "<BACnet_IP1>300</BACnet_IP1>", {{40, {44}}}},
    {"HexadecimalOctet", "<BACnet_IP2>0x1F</BACnet_IP2>", {{41, {31}}}},
    {"OctetWithTrailingBlankTakesDefault", "<BACnet_IP3>7 </BACnet_IP3>", {{42, {0}}}},
    {"ElementHoldingElementsTakesDefault", "<BACnet_PORT><v>1</v></BACnet_PORT>", {{58, {0xC0, 0xBA}}}},
    {"GatewayEnabled",
     "<BACnet_GAT1>10</BACnet_GAT1><BACnet_GAT4>9</BACnet_GAT4><BACnet_EN_GAT>1</BACnet_EN_GAT>",
     {{48, {10, 168, 0, 9}}}},
    {"GatewayFlagZero", "<BACnet_GAT1>10</BACnet_GAT1><BACnet_EN_GAT>0</BACnet_EN_GAT>", {{48, Ff4}}},
    {"GatewayFlagTrueIsOff", "<BACnet_GAT1>10</BACnet_GAT1><BACnet_EN_GAT>true</BACnet_EN_GAT>", {{48, Ff4}}},
    {"GatewayFlagMissing", "<BACnet_GAT1>10</BACnet_GAT1>", {{48, Ff4}}},
    {"DeviceIdentifierFourBytes", "<BACnet_DEV_IDE>4194303</BACnet_DEV_IDE>", {{308, {0xFF, 0xFF, 0x3F, 0}}}},
    {"NameOf15Characters", "<BACnet_NAME_STA>ABCDEFGHIJKLMNO</BACnet_NAME_STA>",
     {{80, {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M', 'N', 'O', 0}}}},
    {"LongerNameCutTo15", "<BACnet_NAME_STA>ABCDEFGHIJKLMNOPQRST</BACnet_NAME_STA>",
     {{80, {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M', 'N', 'O', 0, 0, 0, 0, 0}}}},
    {"EmptyNameWritesNothing", "<BACnet_NAME_STA></BACnet_NAME_STA>", {{80, std::vector<quint8>(16, 0)}}},
    {"NameKeepsLowByteOfEachCharacter", "<BACnet_NAME_STA>\xCE\xA9z</BACnet_NAME_STA>", {{80, {0xA9, 'z', 0}}}},
    {"BACnetIPLeavesDnsZero", "<Ethernet_DNS1>1</Ethernet_DNS1><Ethernet_EN_DNS>1</Ethernet_EN_DNS>",
     {{1420, {0, 0, 0, 0}}}},
    {"UnknownTypeKeepsResetValues", "<BACnet_Type>2</BACnet_Type><BACnet_IP1>10</BACnet_IP1>",
     {{40, {192, 168, 2, 205, 255, 255, 255, 0, 255, 255, 255, 255}}, {58, {0, 0}}, {80, {0}}, {308, {0}}}},
    {"MstpDefaults", "<BACnet_Type>1</BACnet_Type>",
     {{40, {192, 168, 0, 10, 255, 255, 255, 0, 255, 255, 255, 255}},
      {58, {0, 0}},
      {80, {'d', 'e', 'v', 'i', 'c', 'e', 'n', 'a', 'm', 'e', '1', 0}},
      {256, {0, 1, 1}},
      {270, {1, 0}},
      {300, {0, 0, 0, 0, 0, 0, 0, 0}},
      {400, {0x00, 0xE1, 0, 0}},
      {412, {0x00, 0xE1, 0, 0}},
      {424, {0, 0, 0, 0}},
      {1420, Ff4}}},
    {"MstpBaudIndex5", "<BACnet_Type>1</BACnet_Type><BACnet_Ser_Baudrate>5</BACnet_Ser_Baudrate>",
     {{400, {0x00, 0xC2, 0x01, 0}}, {412, {0x00, 0xC2, 0x01, 0}}}},
    {"MstpBaudIndex7", "<BACnet_Type>1</BACnet_Type><BACnet_Ser_Baudrate>7</BACnet_Ser_Baudrate>",
     {{400, {0x80, 0x25, 0, 0}}, {412, {0x80, 0x25, 0, 0}}}},
    {"MstpBaudIndexMinus1", "<BACnet_Type>1</BACnet_Type><BACnet_Ser_Baudrate>-1</BACnet_Ser_Baudrate>",
     {{400, {0x80, 0x25, 0, 0}}, {412, {0x80, 0x25, 0, 0}}}},
    {"MstpBaudNotANumber", "<BACnet_Type>1</BACnet_Type><BACnet_Ser_Baudrate>fast</BACnet_Ser_Baudrate>",
     {{400, {0x00, 0xE1, 0, 0}}, {412, {0x00, 0xE1, 0, 0}}}},
    {"MstpParityEven", "<BACnet_Type>1</BACnet_Type><BACnet_Ser_Parity>2</BACnet_Ser_Parity>",
     {{424, {2, 0, 0, 2}}}},
    {"MstpParityOtherNumberAsRead", "<BACnet_Type>1</BACnet_Type><BACnet_Ser_Parity>5</BACnet_Ser_Parity>",
     {{424, {5, 0, 0, 5}}}},
    {"MstpDnsEnabled",
     "<BACnet_Type>1</BACnet_Type><Ethernet_DNS2>4</Ethernet_DNS2><Ethernet_EN_DNS>1</Ethernet_EN_DNS>",
     {{1420, {8, 4, 8, 8}}}},
    {"MstpGatewayEnabled",
     "<BACnet_Type>1</BACnet_Type><Ethernet_GAT3>7</Ethernet_GAT3><Ethernet_EN_GAT>1</Ethernet_EN_GAT>",
     {{48, {192, 168, 7, 1}}}},
    {"MstpNetworkCutTo16Bits", "<BACnet_Type>1</BACnet_Type><BACnet_Ser_Network>65537</BACnet_Ser_Network>",
     {{270, {1, 0}}}},
};

void PrintTo(const TParamCase& c, std::ostream* os)
{
    *os << c.Name;
}

class ConfigImageParams : public ::testing::TestWithParam<TParamCase> {};

TEST_P(ConfigImageParams, StoresValues)
{
    const TParamCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Write_Text_File(dir.path(), QStringLiteral("ParGen.xml"),
                    QByteArray("<Par_Gen>") + c.Elements + "</Par_Gen>\n<!--SW_VERSION = 1.000-->\n");
    TConfigFolder folder(dir.path());
    ASSERT_NO_THROW(Build_Config_Image());
    ASSERT_EQ(Bank1_Len, Param_Record_Size);
    for (const TBytesAt& e : c.Expected)
        for (size_t i = 0; i < e.Bytes.size(); ++i)
            EXPECT_EQ(Bank1_Buf[e.Offset + i], e.Bytes[i]) << "offset " << e.Offset + i;

    quint32 sum = 0;
    for (int i = 0; i < 2044; ++i)
        sum += Bank1_Buf[i];
    EXPECT_EQ(quint32(Bank1_Buf[2044] | Bank1_Buf[2045] << 8 | Bank1_Buf[2046] << 16 | Bank1_Buf[2047] << 24), sum);
}

INSTANTIATE_TEST_SUITE_P(Cases, ConfigImageParams, ::testing::ValuesIn(Param_Cases),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
