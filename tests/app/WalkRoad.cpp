#include "WalkRoad.h"
#include "../support/QStringPrinter.h"
#include "platform/rtl/DateTime.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace WalkRoad {

namespace {

QByteArray Read_All(const QString& Path)
{
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString Text(const QString& Path)
{
    return QString::fromUtf8(Read_All(Path));
}

void Write_All(const QString& Path, const QByteArray& Bytes)
{
    QDir().mkpath(QFileInfo(Path).path());
    QFile f(Path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << Path.toStdString();
    f.write(Bytes);
}

// A little-endian image filled field by field.
class TImage {
public:
    explicit TImage(int Size) : FBytes(Size, '\0') {}
    void U8(int At, quint32 V) { FBytes[At] = char(V & 0xFF); }
    void U16(int At, quint32 V)
    {
        U8(At, V);
        U8(At + 1, V >> 8);
    }
    void U32(int At, quint32 V)
    {
        U16(At, V);
        U16(At + 2, V >> 16);
    }
    void Text(int At, const char* S)
    {
        for (int i = 0; S[i]; ++i)
            U8(At + i, quint8(S[i]));
    }
    QByteArray& Bytes() { return FBytes; }

private:
    QByteArray FBytes;
};

// Where the road's configuration lives below the program folder.
QString Conf_Dir(const QString& Exe_Dir)
{
    return Exe_Dir + QStringLiteral("/PROJECTS/") + QLatin1String(Conf);
}

} // namespace

void Prepare_Program_Folder(const QString& Exe_Dir)
{
    // Test programs run in their build folder; the catalogue is the one
    // the program ships with.
    const QString catalogue = QStringLiteral(STRATAGON_TEST_DATA "/../../core/data/CAT_EnOcean/eep.xml");
    ASSERT_TRUE(QFile::exists(catalogue)) << catalogue.toStdString();
    QDir().mkpath(Exe_Dir + QStringLiteral("/CAT_EnOcean"));
    ASSERT_TRUE(QFile::copy(catalogue, Exe_Dir + QStringLiteral("/CAT_EnOcean/eep.xml")));
    Write_All(Exe_Dir + QStringLiteral("/MASTER/Sim38R12.sim"), "firmware");
    const QString stub = Exe_Dir + QStringLiteral("/Ethernet_Update");
    Write_All(stub, "#!/bin/sh\n"
                    "echo \"$# $(pwd)\" > stub-args.txt\n"
                    "cp Ethernet_Update.xml stub-job.xml\n");
    QFile::setPermissions(stub, QFile::permissions(stub) | QFile::ExeOwner);
}

double EDE_Time()
{
    return EncodeDate(2026, 12, 11) + EncodeTime(8, 30, 5, 0);
}

QByteArray Settings()
{
    return "<Conf_Settings>\n"
           "  <lastproj>\n"
           "    <projectname>Hall_B</projectname>\n"
           "  </lastproj>\n"
           "  <lastipadd>\n"
           "    <ipaddress>127.0.0.1</ipaddress>\n"
           "  </lastipadd>\n"
           "  <lastlang>\n"
           "    <language>English</language>\n"
           "  </lastlang>\n"
           "  <lastinternet>\n"
           "    <enable_internet>0</enable_internet>\n"
           "    <enable_update>0</enable_update>\n"
           "    <enable_jump_field_tables>0</enable_jump_field_tables>\n"
           "    <Double_Click_Auto_Size>0</Double_Click_Auto_Size>\n"
           "  </lastinternet>\n"
           "</Conf_Settings>\n";
}

QByteArray ParGen()
{
    // BACnet/IP as typed; the MS/TP and Ethernet sides at their defaults.
    const char* const elements[][2] = {
        {"BACnet_Type", "0"},
        {"BACnet_IP1", "10"}, {"BACnet_IP2", "0"}, {"BACnet_IP3", "0"}, {"BACnet_IP4", "50"},
        {"BACnet_SM1", "255"}, {"BACnet_SM2", "255"}, {"BACnet_SM3", "255"}, {"BACnet_SM4", "0"},
        {"BACnet_GAT1", "10"}, {"BACnet_GAT2", "0"}, {"BACnet_GAT3", "0"}, {"BACnet_GAT4", "1"},
        {"BACnet_EN_GAT", "1"},
        {"BACnet_PORT", "47809"},
        {"BACnet_NAME_STA", "HallB7"},
        {"BACnet_DEV_IDE", "1234"},
        {"BACnet_Ser_Baudrate", "3"},
        {"BACnet_Ser_Parity", "0"},
        {"BACnet_Ser_ID", "0"},
        {"BACnet_Ser_NAME_STA", "devicename1"},
        {"BACnet_Ser_Max_Master", "1"},
        {"BACnet_Ser_Max_Info_Frames", "1"},
        {"BACnet_Ser_DEV_IDE", "1"},
        {"BACnet_Ser_Network", "1"},
        {"BACnet_Desc_Chars_Limit", "0"},
        {"Ethernet_IP1", "192"}, {"Ethernet_IP2", "168"}, {"Ethernet_IP3", "0"}, {"Ethernet_IP4", "10"},
        {"Ethernet_SM1", "255"}, {"Ethernet_SM2", "255"}, {"Ethernet_SM3", "255"}, {"Ethernet_SM4", "0"},
        {"Ethernet_GAT1", "192"}, {"Ethernet_GAT2", "168"}, {"Ethernet_GAT3", "0"}, {"Ethernet_GAT4", "1"},
        {"Ethernet_EN_GAT", "0"},
        {"Ethernet_DNS1", "8"}, {"Ethernet_DNS2", "8"}, {"Ethernet_DNS3", "8"}, {"Ethernet_DNS4", "8"},
        {"Ethernet_EN_DNS", "0"},
    };
    static_assert(std::size(elements) == 44);
    QByteArray xml = "<Par_Gen>\n";
    for (const auto& e : elements)
        xml += QByteArray("  <") + e[0] + ">" + e[1] + "</" + e[0] + ">\n";
    return xml + "</Par_Gen>\n<!--SW_VERSION = 1.000-->\n";
}

QByteArray EnOcean()
{
    return "<EnOcean>\n"
           "  <DevicesList>\n"
           "    <Device Id=\"0x0180A1B2\" Secure_Type=\"0\" Key=\"\" RollCode=\"\" RollCodeAlg=\"0\" RollCodeTx=\"0\" "
           "CMACAlg=\"0\" DataCript=\"0\" PTM=\"0\">\n"
           "      <UnidirectionalList>\n"
           "        <RorgFuncType RorgNum=\"165\" FuncNum=\"2\" TypeNum=\"5\">\n"
           "          <VariablesList>\n"
           "            <Variable CaseInd=\"0\" Data=\"Temperature\" BitOffs=\"16\" BitSize=\"8\" Position=\"0\" "
           "BitStart=\"0\" />\n"
           "            <Variable CaseInd=\"0\" Data=\"LRN Bit\" BitOffs=\"28\" BitSize=\"1\" Position=\"4\" "
           "BitStart=\"3\" />\n"
           "          </VariablesList>\n"
           "        </RorgFuncType>\n"
           "      </UnidirectionalList>\n"
           "      <SmartACKList />\n"
           "      <Remote />\n"
           "    </Device>\n"
           "    <Device Id=\"25\" Secure_Type=\"1\" Key=\"0011223344556677\" RollCode=\"\" RollCodeAlg=\"0\" "
           "RollCodeTx=\"0\" CMACAlg=\"0\" DataCript=\"0\" PTM=\"0\">\n"
           "      <UnidirectionalList>\n"
           "        <RorgFuncType RorgNum=\"246\" FuncNum=\"2\" TypeNum=\"1\">\n"
           "          <VariablesList>\n"
           "            <Variable CaseInd=\"0\" Data=\"Rocker 1st action\" BitOffs=\"0\" BitSize=\"3\" "
           "Position=\"10\" BitStart=\"0\" />\n"
           "            <Variable CaseInd=\"1\" Data=\"Number of buttons pressed simultaneously\" BitOffs=\"0\" "
           "BitSize=\"3\" Position=\"11\" BitStart=\"0\" />\n"
           "          </VariablesList>\n"
           "        </RorgFuncType>\n"
           "      </UnidirectionalList>\n"
           "      <SmartACKList />\n"
           "      <Remote />\n"
           "    </Device>\n"
           "  </DevicesList>\n"
           "</EnOcean>\n"
           "<!--SW_VERSION = 1.000-->\n";
}

QByteArray BACnet_Slave()
{
    // Typed rows carry an empty Swap; the write table's Length came from
    // the chosen type.
    return "<BACnet_to_Modbus>\n"
           "  <BACnet_in_Read>\n"
           "    <row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Position=\"0\" Bit=\"\" Length=\"1\" Swap=\"\" "
           "Mnemonic=\"Hall B temperature 1\" />\n"
           "    <row Data_Type=\"Binary Input\" Eng_Unit=\"95\" Position=\"4\" Bit=\"3\" Length=\"\" Swap=\"\" "
           "Mnemonic=\"Learn bit\" />\n"
           "    <row Data_Type=\"Multi State Input\" Eng_Unit=\"95\" Position=\"10\" Bit=\"\" Length=\"1\" Swap=\"\" "
           "Mnemonic=\"Rocker\" />\n"
           "    <row Data_Type=\"Analog Input\" Eng_Unit=\"98\" Position=\"11\" Bit=\"\" Length=\"1\" Swap=\"\" "
           "Mnemonic=\"Buttons\" />\n"
           "  </BACnet_in_Read>\n"
           "  <BACnet_in_Write>\n"
           "    <row Data_Type=\"Binary Out\" Eng_Unit=\"95\" Position=\"20\" Bit=\"0\" Length=\"1\" Swap=\"\" "
           "Mnemonic=\"Relay 1\" />\n"
           "    <row Data_Type=\"Analog Value\" Eng_Unit=\"62\" Position=\"21\" Bit=\"\" Length=\"4\" Swap=\"\" "
           "Mnemonic=\"\" />\n"
           "  </BACnet_in_Write>\n"
           "</BACnet_to_Modbus>\n"
           "<!--SW_VERSION = 1.000-->\n";
}

QByteArray Bank1()
{
    TImage p(2048);
    p.U32(0, 250000);
    p.U32(4, 250000);
    p.U32(12, 9600);
    // BACnet/IP address, mask and the gateway in use.
    p.U8(40, 10), p.U8(41, 0), p.U8(42, 0), p.U8(43, 50);
    p.U8(44, 255), p.U8(45, 255), p.U8(46, 255), p.U8(47, 0);
    p.U8(48, 10), p.U8(49, 0), p.U8(50, 0), p.U8(51, 1);
    p.U16(52, 10000);
    p.U16(54, 10001);
    p.U16(56, 10001);
    p.U16(58, 47809);
    p.Text(80, "HallB7");
    p.U32(248, 0x80000);
    p.U32(308, 1234);
    // Objects per type: two analog inputs, one each of binary input, binary
    // out, multi state input and analog value.
    p.U32(312, 2);
    p.U32(324, 1);
    p.U32(328, 1);
    p.U32(356, 1);
    p.U32(320, 1);
    for (int i = 436; i < 444; ++i)
        p.U8(i, 8);
    p.U32(1540, 0x90800);
    p.U32(1544, 1);
    quint32 sum = 0;
    for (int i = 0; i < 2044; ++i)
        sum += quint8(p.Bytes()[i]);
    p.U32(2044, sum);
    return p.Bytes();
}

QByteArray Bank2()
{
    TImage b(0x10968);
    // Object entries, grouped by type: analog inputs (read rows 1 and 4),
    // binary input (read row 2), binary out (write row 1, row number 5),
    // multi state input (read row 3), analog value (write row 2, row 6).
    // Descriptions start at 0x80000 + 16 * 2047 = 0x87FF0.
    struct TEntry {
        quint32 Position, Unit, Length, Direction, Desc, Row, Bit;
    } const entries[] = {
        {0, 62, 1, 0, 0x87FF1, 1, 0},
        {11, 98, 1, 0, 0x88002, 4, 0},
        {4, 95, 0, 0, 0x8800A, 2, 3},
        {20, 95, 1, 1, 0x88014, 5, 0},
        {10, 95, 1, 0, 0x8801C, 3, 0},
        {21, 62, 4, 1, 0x87FF0, 6, 0},
    };
    int at = 0;
    for (const TEntry& e : entries) {
        b.U32(at, e.Position);
        b.U16(at + 4, e.Unit);
        b.U8(at + 6, e.Length);
        b.U8(at + 7, e.Direction);
        b.U32(at + 8, e.Desc);
        b.U16(at + 12, e.Row);
        b.U8(at + 14, e.Bit);
        at += 16;
    }
    // The description area at bank offset 0x7FF0; byte 0 is the empty text.
    const int area = 0x7FF0;
    b.Text(area + 1, "Hall B temperatu");
    b.Text(area + 18, "Buttons");
    b.Text(area + 26, "Learn bit");
    b.Text(area + 36, "Relay 1");
    b.Text(area + 44, "Rocker");

    // EnOcean tables at bank offset 0x10800, device address 0x90800.
    at = 0x10800;
    auto u32s = [&](std::initializer_list<quint32> Values) {
        for (quint32 v : Values) {
            b.U32(at, v);
            at += 4;
        }
    };
    u32s({2, 0x90808});
    // Devices: Id, security, security block, profiles and their address,
    // Smart ACK profiles and their address.
    u32s({0x0180A1B2, 0, 0x90840, 1, 0x90898, 0, 0x908A4});
    u32s({25, 1, 0x9086C, 1, 0x908A4, 0, 0x908B0});
    // Security blocks: none for device 1; device 2's pre-shared key.
    at += 44;
    b.Text(at, "0011223344556677");
    at += 44;
    // Profiles: RORG, cases and their address.
    u32s({0xA5, 1, 0x908B0});
    u32s({0xF6, 2, 0x908D8});
    // Cases: A5 has one (identification 0); F6-02-01's two cases are told
    // apart by their status bits, 48 and 32.
    u32s({0, 0, 0, 2, 0x90928, 0, 0, 0, 0, 0x90948});
    u32s({0, 0, 48, 1, 0x90948, 0, 0, 0, 0, 0x90958});
    u32s({0, 0, 32, 1, 0x90958, 0, 0, 0, 0, 0x90968});
    // Variables: bit size, bit offset, position, start bit.
    u32s({8, 16, 0, 0});
    u32s({1, 28, 4, 3});
    u32s({3, 0, 10, 0});
    u32s({3, 0, 11, 0});
    EXPECT_EQ(at, 0x10968);
    return b.Bytes();
}

QByteArray EDE(const QString& Time_Stamp)
{
    return "PROJECT_NAME; Velmora--Hall_B;;;;;;\r\n"
           "VERSION_OF_REFERENCEFILE;1.0;;;;;;\r\n"
           "TIMESTAMP_OF_LAST_CHANGE;" + Time_Stamp.toLatin1() + ";;;;;;\r\n"
           "AUTHOR_OF_LAST_CHANGE;Velmora;;;;;;\r\n"
           "VERSION_OF_LAYOUT;2;;;;;;\r\n"
           "# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;\r\n"
           "# keyname;device obj.-instance;object-name;object-type;object-instance;description;unit-code;\r\n"
           "1234_Hall B temperature 1_0;1234;Hall B temperatu;0;0;Hall B temperatu;62;\r\n"
           "1234_Learn bit_0;1234;Learn bit;3;0;Learn bit;95;\r\n"
           "1234_Rocker_0;1234;Rocker;13;0;Rocker;95;\r\n"
           "1234_Buttons_1;1234;Buttons;0;1;Buttons;98;\r\n"
           "1234_Relay 1_0;1234;Relay 1;4;0;Relay 1;95;\r\n"
           "1234__0;1234;;2;0;;62;\r\n";
}

QByteArray Job(const QString& Exe_Dir)
{
    auto op = [](const QString& File, const char* Start, const char* Bank, const char* CSS, const char* GoToApp) {
        return QStringLiteral("    <Operation>\n"
                              "      <Ope_Protection_Enabled />\n"
                              "      <Ope_GoToBoot_Before>0</Ope_GoToBoot_Before>\n"
                              "      <Ope_GoToApp_Before>0</Ope_GoToApp_Before>\n"
                              "      <Ope_IP_Address />\n"
                              "      <Ope_Port>2008</Ope_Port>\n"
                              "      <Ope_Port_Sec>2007</Ope_Port_Sec>\n"
                              "      <Ope_Erase_Memory>0</Ope_Erase_Memory>\n"
                              "      <Ope_FileName>%1</Ope_FileName>\n"
                              "      <Ope_Start_Address>%2</Ope_Start_Address>\n"
                              "      <Ope_Memory_Type>0</Ope_Memory_Type>\n"
                              "      <Ope_Bank_Type>%3</Ope_Bank_Type>\n"
                              "      <Ope_Read_Back>1</Ope_Read_Back>\n"
                              "      <Ope_Write_CSS>%4</Ope_Write_CSS>\n"
                              "      <Ope_Address_CSS>0x07A00</Ope_Address_CSS>\n"
                              "      <Ope_Command_CSS>0x02</Ope_Command_CSS>\n"
                              "      <Ope_Write_Internal_Data>0</Ope_Write_Internal_Data>\n"
                              "      <Ope_WID_Address>0x07810</Ope_WID_Address>\n"
                              "      <Ope_WID_Command>0x02</Ope_WID_Command>\n"
                              "      <Ope_WID_Data>0x00, 0x00, 0x00, 0x01</Ope_WID_Data>\n"
                              "      <Ope_GoToApp_After>%5</Ope_GoToApp_After>\n"
                              "    </Operation>\n")
            .arg(File, QLatin1String(Start), QLatin1String(Bank), QLatin1String(CSS), QLatin1String(GoToApp));
    };
    const QString bin = Conf_Dir(Exe_Dir) + QStringLiteral("/bin/");
    // Firmware and configuration, read back on, BACnet/IP.
    return ("<Ethernet_Update>\n"
            "  <Version>1000</Version>\n"
            "  <Title>Velmora - KQ38R12 Ethernet Update</Title>\n"
            "  <IP_Address_Dev>127.0.0.1</IP_Address_Dev>\n"
            "  <Application_Port>10000</Application_Port>\n"
            "  <Boot_Port>2008</Boot_Port>\n"
            "  <Boot_Port_Sec>2007</Boot_Port_Sec>\n"
            "  <Address_Protection>0x07800</Address_Protection>\n"
            "  <Protections>\n"
            "    <Protection>0x3B3</Protection>\n"
            "  </Protections>\n"
            "  <Operations>\n"
            + op(Exe_Dir + QStringLiteral("/MASTER/Sim38R12.sim"), "0x8000", "1", "1", "0")
            + op(bin + QStringLiteral("bank1.bin"), "0x07000", "2", "0", "0")
            + op(bin + QStringLiteral("bank2.bin"), "0x80000", "2", "0", "1")
            + "  </Operations>\n"
              "</Ethernet_Update>\n")
        .toUtf8();
}

void Check_Files(const QString& Exe_Dir, const QString& Time_Stamp)
{
    const QString conf = Conf_Dir(Exe_Dir) + QChar(u'/');
    EXPECT_EQ(Text(Exe_Dir + QStringLiteral("/Stratagon.xml")), QString::fromUtf8(Settings()));
    EXPECT_EQ(Text(conf + QStringLiteral("ParGen.xml")), QString::fromUtf8(ParGen()));
    EXPECT_EQ(Text(conf + QStringLiteral("EnOcean.xml")), QString::fromUtf8(EnOcean()));
    EXPECT_EQ(Text(conf + QStringLiteral("BACnet_Slave.xml")), QString::fromUtf8(BACnet_Slave()));
    EXPECT_FALSE(QFile::exists(conf + QStringLiteral("MQTT_Set_Topic.xml")));

    // The images, compared in pieces so a difference names its place.
    const QByteArray bank1 = Read_All(conf + QStringLiteral("bin/bank1.bin"));
    const QByteArray bank2 = Read_All(conf + QStringLiteral("bin/bank2.bin"));
    const QByteArray want1 = Bank1();
    const QByteArray want2 = Bank2();
    EXPECT_EQ(bank1.size(), want1.size());
    EXPECT_EQ(bank2.size(), want2.size());
    auto compare = [](const char* Name, const QByteArray& Got, const QByteArray& Want) {
        const int n = int(qMin(Got.size(), Want.size()));
        for (int i = 0; i < n; ++i)
            if (Got[i] != Want[i]) {
                ADD_FAILURE() << Name << " differs first at offset 0x" << std::hex << i << ": 0x"
                              << int(quint8(Got[i])) << " instead of 0x" << int(quint8(Want[i]));
                return;
            }
    };
    compare("bank1.bin", bank1, want1);
    compare("bank2.bin", bank2, want2);

    const QByteArray ede = Read_All(conf + QLatin1String(EDE_Name) + QStringLiteral(".csv"));
    QString stamp = Time_Stamp;
    if (stamp.isEmpty()) {
        // HH:MM:SS DD/MM/YYYY in the third line.
        const QList<QByteArray> lines = ede.split('\n');
        const QByteArray line = lines.size() > 2 ? lines[2] : QByteArray();
        stamp = QString::fromLatin1(line.mid(25, 19));
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d \\d\\d/\\d\\d/\\d{4}$"))
                        .match(stamp)
                        .hasMatch())
            << line.toStdString();
    }
    EXPECT_EQ(QString::fromLatin1(ede), QString::fromLatin1(EDE(stamp)));

    const QByteArray job = Read_All(Exe_Dir + QStringLiteral("/Ethernet_Update.xml"));
    EXPECT_EQ(QString::fromUtf8(job), QString::fromUtf8(Job(Exe_Dir)));
    // The update program ran in the program folder without arguments and
    // found the job there.
    EXPECT_EQ(Read_All(Exe_Dir + QStringLiteral("/stub-args.txt")).trimmed(),
              "0 " + QDir(Exe_Dir).canonicalPath().toUtf8());
    EXPECT_EQ(Read_All(Exe_Dir + QStringLiteral("/stub-job.xml")), job);
}

} // namespace WalkRoad
