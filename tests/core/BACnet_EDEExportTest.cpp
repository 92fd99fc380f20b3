// The EDE export against files worked out by hand, with the clock fixed.
#include "ConfigImageTestSupport.h"

#include "core/BACnet_EDE.h"
#include "core/Globals.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString Ede_Data_Dir(const char* Case)
{
    return QStringLiteral(STRATAGON_TEST_DATA "/core/ede/") + QString::fromLatin1(Case);
}

QByteArray Read_File(const QString& Path)
{
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Fixes the clock at 5 March 2024 09:07:05 and sets the configuration name.
class BACnet_EDEExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        FSaved_Name = Conf_Name;
        FClock.SetNow(EncodeDateTime(2024, 3, 5, 9, 7, 5, 0));
        SetClock(&FClock);
        ASSERT_TRUE(FOut.isValid());
    }
    void TearDown() override
    {
        SetClock(nullptr);
        Conf_Name = FSaved_Name;
    }
    QString Out(const char* Name = "export.csv") const
    {
        return FOut.filePath(QString::fromLatin1(Name));
    }

    TFakeClock FClock;
    QTemporaryDir FOut;
    QString FSaved_Name;
};

struct TGoldenCase {
    const char* Name;
    const char* Folder;
    const char* Conf_Name;
};

void PrintTo(const TGoldenCase& c, std::ostream* os) { *os << c.Name; }

class BACnet_EDEGolden : public BACnet_EDEExport, public ::testing::WithParamInterface<TGoldenCase> {};

// mixed: BACnet/IP, instance "007" kept as text, several types counted per
// type across both tables, trimmed and lower-case type texts, an unknown
// type, a 22-character name, ";" and CR LF in a mnemonic, characters in and
// outside Windows-1252, a row without mnemonic, a ";" in the name.
// long_names: MS/TP instance and 32-character names. empty: no files.
TEST_P(BACnet_EDEGolden, MatchesExpectedBytes)
{
    const TGoldenCase& c = GetParam();
    const QString dir = Ede_Data_Dir(c.Folder);
    TConfigFolder folder(dir);
    Conf_Name = QString::fromUtf8(c.Conf_Name);
    ASSERT_NO_THROW(Create_EDE_File(Out()));
    EXPECT_EQ(Read_File(Out()), Read_File(dir + QStringLiteral("/expected.csv")));
    EXPECT_EQ(EDE_Obj_List, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Cases, BACnet_EDEGolden,
                         ::testing::Values(TGoldenCase{"Mixed", "mixed", "Hall;B"},
                                           TGoldenCase{"LongNames", "long_names", "MSTP"},
                                           TGoldenCase{"NoFiles", "empty", ""},
                                           TGoldenCase{"EmptyTables", "empty_tables", "Office 2"}),
                         [](const auto& info) { return std::string(info.param.Name); });

// Export into an existing file replaces it whole.
TEST_F(BACnet_EDEExport, ReplacesExistingFile)
{
    QFile old(Out());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(5000, 'x'));
    old.close();
    const QString dir = Ede_Data_Dir("empty");
    TConfigFolder folder(dir);
    Conf_Name.clear();
    Create_EDE_File(Out());
    EXPECT_EQ(Read_File(Out()), Read_File(dir + QStringLiteral("/expected.csv")));
}

struct TDeviceCase {
    const char* Name;
    const char* ParGen;        // nullptr: no parameter file
    const char* Instance;
    bool Long_Names;
};

void PrintTo(const TDeviceCase& c, std::ostream* os) { *os << c.Name; }

class BACnet_EDEDevicePar : public ::testing::TestWithParam<TDeviceCase> {};

// Each case starts from the values a long-name MS/TP export left behind.
TEST_P(BACnet_EDEDevicePar, ReadAfreshEachExport)
{
    const TDeviceCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    if (c.ParGen)
        Write_Text_File(dir.path(), QStringLiteral("ParGen.xml"), QByteArray(c.ParGen));
    TConfigFolder folder(dir.path());
    EDE_Dev_Instance = QStringLiteral("999");
    EDE_Long_Names = true;
    Read_BACnet_Device_Par();
    EXPECT_EQ(EDE_Dev_Instance.toStdString(), c.Instance);
    EXPECT_EQ(EDE_Long_Names, c.Long_Names);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BACnet_EDEDevicePar,
    ::testing::Values(
        TDeviceCase{"NoFile", nullptr, "0", false},
        TDeviceCase{"IPWithoutElement", "<Par_Gen><BACnet_Type>0</BACnet_Type></Par_Gen>", "1", false},
        TDeviceCase{"MSTPWithoutElement",
                    "<Par_Gen><BACnet_Type>1</BACnet_Type><BACnet_DEV_IDE>4</BACnet_DEV_IDE></Par_Gen>",
                    "0", false},
        TDeviceCase{"TypeMissingMeansIP",
                    "<Par_Gen><BACnet_DEV_IDE>4</BACnet_DEV_IDE><BACnet_Ser_DEV_IDE>5</BACnet_Ser_DEV_IDE></Par_Gen>",
                    "4", false},
        TDeviceCase{"OtherTypeMeansIP",
                    "<Par_Gen><BACnet_Type>2</BACnet_Type><BACnet_DEV_IDE>4</BACnet_DEV_IDE>"
                    "<BACnet_Ser_DEV_IDE>5</BACnet_Ser_DEV_IDE></Par_Gen>",
                    "4", false},
        // The image keeps instance 0 for such a type.
        TDeviceCase{"OtherTypeWithoutElement",
                    "<Par_Gen><BACnet_Type>2</BACnet_Type><BACnet_Ser_DEV_IDE>5</BACnet_Ser_DEV_IDE></Par_Gen>", "0",
                    false},
        TDeviceCase{"MSTPTextAsWritten",
                    "<Par_Gen><BACnet_Type>1</BACnet_Type><BACnet_Ser_DEV_IDE> 05</BACnet_Ser_DEV_IDE>"
                    "<BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></Par_Gen>",
                    " 05", true},
        TDeviceCase{"LimitMustBeExactlyOne",
                    "<Par_Gen><BACnet_Desc_Chars_Limit>1 </BACnet_Desc_Chars_Limit></Par_Gen>",
                    "1", false},
        TDeviceCase{"RootAfterComment",
                    "<!-- x --><Par_Gen><BACnet_DEV_IDE>77</BACnet_DEV_IDE>"
                    "<BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></Par_Gen>",
                    "77", true}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(BACnet_EDETypes, NumbersOfTypeTexts)
{
    const struct {
        const char* Text;
        int Num;
    } cases[] = {
        {"Analog Input", 0}, {"Analog Out", 1}, {"Analog Value", 2}, {"Binary Input", 3},
        {"Binary Out", 4}, {"Binary Value", 5}, {"Multi State Input", 13},
        {"Multi State Output", 14}, {"Multi State Value", 19}, {"Life Safety Point", 21},
        {"Life Safety Zone", 22}, {"Accumulator", 23}, {"Access Door", 30},
        {"CharacterString Value", 40}, {"DateTime Value", 44}, {"Integer Value", 45},
        {"Large Analog Value", 46}, {"Positive Integer Value", 48},
        {" binary value\t", 5}, {"Octet String", 0}, {"Analog Output", 0}, {"", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Get_Object_Type_Num(QString::fromLatin1(c.Text)), c.Num) << c.Text;
}

TEST(BACnet_EDETypes, InstancesCountPerType)
{
    Clear_EDE_Counters();
    EXPECT_EQ(Next_Object_Instance(19), 0);
    EXPECT_EQ(Next_Object_Instance(48), 0);
    EXPECT_EQ(Next_Object_Instance(19), 1);
    EXPECT_EQ(Next_Object_Instance(48), 1);
    // A type without counter always gets 0 and touches no other counter.
    EXPECT_EQ(Next_Object_Instance(6), 0);
    EXPECT_EQ(Next_Object_Instance(6), 0);
    EXPECT_EQ(Next_Object_Instance(0), 0);
    Clear_EDE_Counters();
    EXPECT_EQ(Next_Object_Instance(19), 0);
}

TEST_F(BACnet_EDEExport, TimeStampHasFixedWidthFields)
{
    EXPECT_EQ(Get_TimeStamp_Str().toStdString(), "09:07:05 05/03/2024");
    FClock.SetNow(EncodeDateTime(2025, 12, 31, 23, 59, 58, 999));
    EXPECT_EQ(Get_TimeStamp_Str().toStdString(), "23:59:58 31/12/2025");
}

struct TRefusalCase {
    const char* Name;
    const char* ParGen;        // nullptr: none
    const char* Objects;
};

void PrintTo(const TRefusalCase& c, std::ostream* os) { *os << c.Name; }

class BACnet_EDERefusal : public BACnet_EDEExport, public ::testing::WithParamInterface<TRefusalCase> {};

// A configuration that cannot be read ends the export with an error and
// leaves the old file alone.
TEST_P(BACnet_EDERefusal, RaisesAndKeepsOldFile)
{
    const TRefusalCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    if (c.ParGen)
        Write_Text_File(dir.path(), QStringLiteral("ParGen.xml"), QByteArray(c.ParGen));
    Write_Text_File(dir.path(), QStringLiteral("BACnet_Slave.xml"), QByteArray(c.Objects));
    Write_Text_File(FOut.path(), QStringLiteral("export.csv"), QByteArray("old"));
    TConfigFolder folder(dir.path());
    EXPECT_THROW(Create_EDE_File(Out()), Exception);
    EXPECT_EQ(Read_File(Out()), QByteArray("old"));
    EXPECT_EQ(EDE_Obj_List, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BACnet_EDERefusal,
    ::testing::Values(
        TRefusalCase{"NoReadTable", nullptr,
                     "<BACnet_to_Modbus><BACnet_in_Write><row Data_Type=\"Analog Out\"/>"
                     "</BACnet_in_Write></BACnet_to_Modbus>"},
        TRefusalCase{"NoWriteTable", nullptr,
                     "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Analog Input\"/>"
                     "</BACnet_in_Read></BACnet_to_Modbus>"},
        TRefusalCase{"ObjectsUnparsable", nullptr, "<BACnet_to_Modbus><BACnet_in_Read>"},
        TRefusalCase{"ParGenUnparsable", "<Par_Gen><BACnet_Type>",
                     "<BACnet_to_Modbus><BACnet_in_Read/><BACnet_in_Write/></BACnet_to_Modbus>"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(BACnet_EDEExport, MissingTableIsNamed)
{
    QTemporaryDir dir;
    Write_Text_File(dir.path(), QStringLiteral("BACnet_Slave.xml"),
                    "<BACnet_to_Modbus><BACnet_in_Read/></BACnet_to_Modbus>");
    TConfigFolder folder(dir.path());
    try {
        Create_EDE_File(Out());
        FAIL() << "no error";
    } catch (const EEDEError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("\"BACnet_in_Write\""))) << e.what();
    }
}

TEST_F(BACnet_EDEExport, FailedWriteIsReported)
{
    TConfigFolder folder(Ede_Data_Dir("long_names"));
    EXPECT_THROW(Create_EDE_File(FOut.filePath(QStringLiteral("no/such/folder/x.csv"))),
                 Exception);
    EXPECT_EQ(EDE_Obj_List, nullptr);
}

} // namespace
