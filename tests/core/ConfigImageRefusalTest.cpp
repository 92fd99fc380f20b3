// Configurations the build refuses, and what a refused build or a failed
// write leaves behind.
#include "ConfigImageTestSupport.h"

#include "core/ConfigImage.h"
#include "core/Globals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

namespace {

QByteArray Objects(const QByteArray& read_rows, const QByteArray& write_rows)
{
    return "<BACnet_to_Modbus><BACnet_in_Read>" + read_rows + "</BACnet_in_Read><BACnet_in_Write>"
           + write_rows + "</BACnet_in_Write></BACnet_to_Modbus>";
}

QByteArray Row(const QByteArray& type, const QByteArray& position = "\"1\"",
               const QByteArray& unit = "\"95\"")
{
    QByteArray row = "<row Data_Type=\"" + type + "\" Eng_Unit=" + unit;
    if (!position.isEmpty())
        row += " Position=" + position;
    return row + " Bit=\"\" Length=\"1\" Swap=\"N\" Mnemonic=\"m\"/>";
}

QByteArray Devices(const QByteArray& devices)
{
    return "<EnOcean><DevicesList>" + devices + "</DevicesList></EnOcean>";
}

const QByteArray Unsecured = "Secure_Type=\"0\" Key=\"\" RollCode=\"\" RollCodeAlg=\"0\" RollCodeTx=\"0\" "
                             "CMACAlg=\"0\" DataCript=\"0\" PTM=\"0\"";

QByteArray Rows(const QByteArray& row, int count)
{
    QByteArray rows;
    for (int i = 0; i < count; ++i)
        rows += row;
    return rows;
}

struct TImageRefusalCase {
    const char* Name;
    const char* File;
    QByteArray Content;
    std::vector<const char*> Message;   // parts the message must hold
};

const TImageRefusalCase Refusal_Cases[] = {
    {"RowWithoutPosition", "BACnet_Slave.xml",
     Objects(Row("Analog Input") + Row("Analog Input", ""), ""),
     {"BACnet_Slave.xml", "row 2 of BACnet_in_Read", "\"Position\"", "missing"}},
    {"EngUnitNotANumber", "BACnet_Slave.xml",
     Objects(Row("Analog Input"), Row("Analog Out", "\"4\"", "\"abc\"")),
     {"BACnet_Slave.xml", "row 1 of BACnet_in_Write", "\"Eng_Unit\"", "abc"}},
    {"EmptyPosition", "BACnet_Slave.xml", Objects("", Row("Binary Out", "\"\"")),
     {"row 1 of BACnet_in_Write", "\"Position\"", "not a number"}},
    {"MissingWriteTable", "BACnet_Slave.xml",
     "<BACnet_to_Modbus><BACnet_in_Read/></BACnet_to_Modbus>",
     {"BACnet_Slave.xml", "\"BACnet_in_Write\"", "missing"}},
    {"MoreObjectsThanTheTableHolds", "BACnet_Slave.xml",
     Objects(Rows(Row("Analog Input"), 1024), Rows(Row("Analog Out"), 1024)),
     {"BACnet_Slave.xml", "row 1024 of BACnet_in_Write", "2047"}},
    {"DeviceIdNotANumber", "EnOcean.xml", Devices("<Device Id=\"zz\" " + Unsecured + "/>"),
     {"EnOcean.xml", "device 1", "\"Id\"", "zz"}},
    {"DeviceIdPast32Bits", "EnOcean.xml", Devices("<Device Id=\"4294967296\" " + Unsecured + "/>"),
     {"EnOcean.xml", "device 1 (Id \"4294967296\")", "outside 0 to 4294967295"}},
    {"NegativeDeviceId", "EnOcean.xml", Devices("<Device Id=\"1\" " + Unsecured + "/><Device Id=\"-1\" " + Unsecured + "/>"),
     {"EnOcean.xml", "device 2 (Id \"-1\")", "outside 0 to 4294967295"}},
    {"RollCodeMissingForManualSecurity", "EnOcean.xml",
     Devices("<Device Id=\"1\" " + Unsecured + "/><Device Id=\"0x20\" Secure_Type=\"2\" Key=\"k\" "
             "RollCodeAlg=\"1\" RollCodeTx=\"0\" CMACAlg=\"1\" DataCript=\"1\" PTM=\"0\"/>"),
     {"EnOcean.xml", "device 2 (Id \"0x20\")", "\"RollCode\"", "missing"}},
    {"ProfileWithoutVariablesList", "EnOcean.xml",
     Devices("<Device Id=\"1\" " + Unsecured
             + "><UnidirectionalList><RorgFuncType RorgNum=\"165\" FuncNum=\"2\" TypeNum=\"5\"/>"
               "</UnidirectionalList></Device>"),
     {"EnOcean.xml", "device 1 (Id \"1\"), profile 1", "\"VariablesList\""}},
    {"VariableWithoutPosition", "EnOcean.xml",
     Devices("<Device Id=\"1\" " + Unsecured
             + "><UnidirectionalList><RorgFuncType RorgNum=\"165\" FuncNum=\"2\" TypeNum=\"5\"><VariablesList>"
               "<Variable CaseInd=\"0\" Data=\"Temperature\" BitOffs=\"16\" BitSize=\"8\" BitStart=\"0\"/>"
               "</VariablesList></RorgFuncType></UnidirectionalList></Device>"),
     {"EnOcean.xml", "device 1 (Id \"1\"), profile 1, variable 1", "\"Position\""}},
    // 8 + 882 x (28 + 44) bytes pass the 63488 after the object part.
    {"EnOceanTablesPastTheirSpace", "EnOcean.xml",
     Devices(Rows("<Device Id=\"1\" " + Unsecured + "/>", 882)), {"EnOcean.xml", "63512", "63488"}},
};

void PrintTo(const TImageRefusalCase& c, std::ostream* os)
{
    *os << c.Name;
}

class ConfigImageRefusal : public ::testing::TestWithParam<TImageRefusalCase> {};

TEST_P(ConfigImageRefusal, NamesTheFault)
{
    const TImageRefusalCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // The catalogue knows A5-02-05, so variables of that profile are read.
    QFile::copy(Images_Data_Dir(QStringLiteral("enocean")) + QStringLiteral("/eep.xml"),
                dir.filePath(QStringLiteral("eep.xml")));
    Write_Text_File(dir.path(), QString::fromLatin1(c.File), c.Content);
    TConfigFolder folder(dir.path());
    try {
        Build_Config_Image();
        FAIL() << "the build went through";
    } catch (const EConfigImageError& e) {
        for (const char* part : c.Message)
            EXPECT_TRUE(e.Message().contains(QString::fromUtf8(part)))
                << e.Message().toStdString() << " lacks " << part;
    }
    EXPECT_EQ(Bank1_Len, 0);
    EXPECT_EQ(Bank2_Len, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, ConfigImageRefusal, ::testing::ValuesIn(Refusal_Cases),
                         [](const auto& info) { return std::string(info.param.Name); });

// The limits themselves still build: 2047 objects (1023 with long
// descriptions) and 881 devices without profiles.
TEST(ConfigImageLimits, FullTablesBuild)
{
    struct TLimit {
        const char* Name;
        const char* File;
        QByteArray Content;
        bool Long;
        int Bank2_Length;
    } const limits[] = {
        {"2047 objects", "BACnet_Slave.xml", Objects(Rows(Row("Analog Input"), 2047), ""), false, 0x10808},
        {"1023 long objects", "BACnet_Slave.xml", Objects("", Rows(Row("Analog Out"), 1023)), true, 0x10808},
        {"881 devices", "EnOcean.xml", Devices(Rows("<Device Id=\"1\" " + Unsecured + "/>", 881)), false,
         0x10800 + 8 + 881 * 72},
    };
    for (const TLimit& l : limits) {
        SCOPED_TRACE(l.Name);
        QTemporaryDir dir;
        Write_Text_File(dir.path(), QString::fromLatin1(l.File), l.Content);
        if (l.Long)
            Write_Text_File(dir.path(), QStringLiteral("ParGen.xml"),
                            "<Par_Gen><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></Par_Gen>");
        TConfigFolder folder(dir.path());
        ASSERT_NO_THROW(Build_Config_Image());
        EXPECT_EQ(Bank2_Len, l.Bank2_Length);
    }
}

class ConfigImageFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FDir.isValid());
        ASSERT_TRUE(QDir(FDir.path()).mkdir(QStringLiteral("bin")));
    }

    QByteArray Read(const char* name) const
    {
        QFile file(FDir.filePath(QStringLiteral("bin/")) + QLatin1String(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir FDir;
};

TEST_F(ConfigImageFiles, WritesBothBanks)
{
    TConfigFolder folder(FDir.path());
    Build_Config_Image();
    Write_Bank_Files();
    const QByteArray bank1 = Read("bank1.bin");
    const QByteArray bank2 = Read("bank2.bin");
    EXPECT_EQ(bank1.size(), 2048);
    EXPECT_EQ(bank2.size(), 0x10808);
    Write_Bank_Files();
    EXPECT_EQ(Read("bank1.bin"), bank1);
    EXPECT_EQ(Read("bank2.bin"), bank2);
    EXPECT_EQ(QDir(FDir.filePath(QStringLiteral("bin"))).entryList(QDir::Files).size(), 2);
}

TEST_F(ConfigImageFiles, RefusedBuildLeavesOldBanks)
{
    TConfigFolder folder(FDir.path());
    Write_Text_File(FDir.path(), QStringLiteral("BACnet_Slave.xml"), Objects(Row("Analog Input"), ""));
    Build_Config_Image();
    Write_Bank_Files();
    const QByteArray bank1 = Read("bank1.bin");
    const QByteArray bank2 = Read("bank2.bin");

    Write_Text_File(FDir.path(), QStringLiteral("BACnet_Slave.xml"), Objects(Row("Analog Input", "\"x\""), ""));
    EXPECT_THROW(Build_Config_Image(), EConfigImageError);
    EXPECT_THROW(Write_Bank_Files(), EConfigImageError);
    EXPECT_EQ(Read("bank1.bin"), bank1);
    EXPECT_EQ(Read("bank2.bin"), bank2);
}

TEST_F(ConfigImageFiles, UnreadableFileLeavesOldBanks)
{
    TConfigFolder folder(FDir.path());
    Build_Config_Image();
    Write_Bank_Files();
    const QByteArray bank1 = Read("bank1.bin");

    Write_Text_File(FDir.path(), QStringLiteral("ParGen.xml"), "<Par_Gen><BACnet_Type>1</Par_Gen>");
    EXPECT_ANY_THROW(Build_Config_Image());
    EXPECT_ANY_THROW(Write_Bank_Files());
    EXPECT_EQ(Read("bank1.bin"), bank1);
}

// bank2.bin cannot be replaced (a folder stands in its place): the failure
// is reported and bank1.bin is as it was, or absent when it was absent.
TEST_F(ConfigImageFiles, FailedSecondBankLeavesThePairAsItWas)
{
    for (const bool hadBank1 : {true, false}) {
        SCOPED_TRACE(hadBank1 ? "old bank1" : "no bank1");
        QDir bin(FDir.filePath(QStringLiteral("bin")));
        ASSERT_TRUE(bin.removeRecursively());
        ASSERT_TRUE(bin.mkpath(QStringLiteral("bank2.bin/inside")));
        if (hadBank1) {
            QFile old(bin.filePath(QStringLiteral("bank1.bin")));
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("old bank1");
        }
        TConfigFolder folder(FDir.path());
        Build_Config_Image();
        EXPECT_ANY_THROW(Write_Bank_Files());
        EXPECT_EQ(Read("bank1.bin"), hadBank1 ? QByteArray("old bank1") : QByteArray("<missing>"));
        EXPECT_TRUE(QFileInfo(bin.filePath(QStringLiteral("bank2.bin"))).isDir());
        EXPECT_EQ(bin.entryList(QDir::Files | QDir::Hidden).size(), hadBank1 ? 1 : 0) << "no temporary file stays";
    }
}

TEST_F(ConfigImageFiles, MissingFolderIsReported)
{
    ASSERT_TRUE(QDir(FDir.filePath(QStringLiteral("bin"))).removeRecursively());
    TConfigFolder folder(FDir.path());
    Build_Config_Image();
    EXPECT_ANY_THROW(Write_Bank_Files());
    EXPECT_FALSE(QFile::exists(FDir.filePath(QStringLiteral("bin/bank1.bin"))));
}

} // namespace
