// The BACnet object file, the table checks with their messages, the write
// table's Length fill, and the image builder on a saved file.
#include "ConfigImageTestSupport.h"

#include "core/BACnet_Objects.h"
#include "core/ConfigImage.h"
#include "core/Lang.h"
#include "platform/rtl/XmlDocument.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList Row(int N, const char* Type, const char* Unit, const char* Pos, const char* Bit,
                const char* Length, const char* Swap = "", const char* Mnemonic = "")
{
    return {QString::number(N), Type, Unit, Pos, Bit, Length, Swap, Mnemonic};
}

class BACnetObjects : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!Lang_SL)
            Load_Default_Lang();
    }
    QString Path() const { return FDir.path() + QStringLiteral("/BACnet_Slave.xml"); }
    void Write(const QByteArray& Bytes)
    {
        QFile f(Path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(Bytes);
    }
    QString Compact()
    {
        QFile f(Path());
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return QString::fromUtf8(f.readAll()).simplified().replace(QStringLiteral("> <"), QStringLiteral("><"));
    }

    QTemporaryDir FDir;
    TXMLDocument FXML;
};

TEST_F(BACnetObjects, RoundTripKeepsSwapAsReadAndStopsAtTheFirstEmptyType)
{
    Write("<BACnet_to_Modbus><BACnet_in_Read>"
          "<row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Position=\"0\" Bit=\"\" Length=\"4\" Mnemonic=\"Setpoint &lt;Room 1&gt;\"/>"
          "<row Data_Type=\"Binary Value\" Eng_Unit=\"95\" Position=\"7\" Bit=\"2\" Length=\"\" Swap=\"Y\" Mnemonic=\"\"/>"
          "</BACnet_in_Read><BACnet_in_Write/></BACnet_to_Modbus><!--SW_VERSION = 1.000-->");
    TTable_Rows read, write;
    EXPECT_EQ(Read_BACnet_File(&FXML, Path(), 2000, read, write), QString());
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0], Row(1, "Analog Input", "62", "0", "", "4", "N", "Setpoint <Room 1>"));
    EXPECT_EQ(read[1], Row(2, "Binary Value", "95", "7", "2", "", "Y"));
    EXPECT_TRUE(write.empty());

    // A typed row has an empty Swap; a blank Data Type ends the table.
    write.push_back(Row(1, "Analog Out", "98", "20", "", "4", "", "Valve"));
    write.push_back(Row(2, "  ", "1", "1", "", "", "", ""));
    write.push_back(Row(3, "Analog Out", "98", "21", "", "4", "", "lost"));
    Write_BACnet_File(&FXML, Path(), read, write);
    EXPECT_EQ(Compact().toStdString(),
              "<BACnet_to_Modbus><BACnet_in_Read>"
              "<row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Position=\"0\" Bit=\"\" Length=\"4\" Swap=\"N\" Mnemonic=\"Setpoint &lt;Room 1>\" />"
              "<row Data_Type=\"Binary Value\" Eng_Unit=\"95\" Position=\"7\" Bit=\"2\" Length=\"\" Swap=\"Y\" Mnemonic=\"\" />"
              "</BACnet_in_Read><BACnet_in_Write>"
              "<row Data_Type=\"Analog Out\" Eng_Unit=\"98\" Position=\"20\" Bit=\"\" Length=\"4\" Swap=\"\" Mnemonic=\"Valve\" />"
              "</BACnet_in_Write></BACnet_to_Modbus><!--SW_VERSION = 1.000-->");
    TTable_Rows read2, write2;
    EXPECT_EQ(Read_BACnet_File(&FXML, Path(), 2000, read2, write2), QString());
    EXPECT_EQ(read2, read);
    ASSERT_EQ(write2.size(), 1u);
    EXPECT_EQ(write2[0], write[0]);

    // Empty tables still write both lists.
    Write_BACnet_File(&FXML, Path(), {}, {});
    EXPECT_EQ(Compact().toStdString(),
              "<BACnet_to_Modbus><BACnet_in_Read /><BACnet_in_Write /></BACnet_to_Modbus><!--SW_VERSION = 1.000-->");
}

TEST_F(BACnetObjects, DamagedOrOversizedFiles)
{
    const QByteArray ok_row = "<row Data_Type=\"Analog Input\" Eng_Unit=\"1\" Position=\"2\" Bit=\"\" Length=\"1\" Swap=\"N\" Mnemonic=\"m\"/>";
    const struct {
        const char* Name;
        QByteArray Bytes;
        int Table_Rows;
        int Read_Rows, Write_Rows;
        QStringList Last_Read;   // empty: not compared
        const char* Message;     // a part of it; "" for none
    } cases[] = {
        {"Missing", "", 0, 0, 0, {}, ""},
        {"NotWellFormed", "<BACnet_to_Modbus><BACnet_in_Read>\n" + ok_row + "\n<row Data_Type=\"Analog", 5, 1, 0,
         {}, "line 3, column"},
        {"NoWriteList", "<BACnet_to_Modbus><BACnet_in_Read>" + ok_row + "</BACnet_in_Read></BACnet_to_Modbus>", 5, 1, 0,
         {}, "the element \"BACnet_in_Write\" is missing."},
        {"RowWithoutLength",
         "<BACnet_to_Modbus><BACnet_in_Read>" + ok_row
             + "<row Data_Type=\"Binary Input\" Eng_Unit=\"3\" Position=\"4\" Bit=\"1\" Swap=\"Y\" Mnemonic=\"x\"/>" + ok_row
             + "</BACnet_in_Read><BACnet_in_Write>" + ok_row + "</BACnet_in_Write></BACnet_to_Modbus>",
         5, 2, 0, Row(2, "Binary Input", "3", "4", "1", "", "", ""),
         "row 2 of BACnet_in_Read: the attribute \"Length\" is missing."},
        {"MoreRowsThanTheTable",
         "<BACnet_to_Modbus><BACnet_in_Read>" + ok_row + ok_row + ok_row + "</BACnet_in_Read><BACnet_in_Write>" + ok_row
             + "</BACnet_in_Write></BACnet_to_Modbus>",
         2, 2, 1, {},
         "Warning!! The file holds more rows than the table: the rows past 2 were not loaded"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        if (c.Bytes.isEmpty())
            QFile::remove(Path());
        else
            Write(c.Bytes);
        TTable_Rows read{Row(9, "old", "", "", "", "")}, write;
        const QString message = Read_BACnet_File(&FXML, Path(), c.Table_Rows, read, write);
        EXPECT_EQ(int(read.size()), c.Read_Rows);
        EXPECT_EQ(int(write.size()), c.Write_Rows);
        if (!c.Last_Read.isEmpty() && !read.empty()) {
            EXPECT_EQ(read.back(), c.Last_Read);
        }
        if (*c.Message) {
            EXPECT_TRUE(message.contains(QLatin1String(c.Message))) << message.toStdString();
            EXPECT_TRUE(message.contains(Path()) || message.startsWith(QLatin1String("Warning"))) << message.toStdString();
        } else {
            EXPECT_EQ(message, QString());
        }
    }
}

TEST_F(BACnetObjects, LongDescriptionsFromTheParameterFile)
{
    const QString par = FDir.path() + QStringLiteral("/ParGen.xml");
    const struct {
        const char* Name;
        QByteArray Bytes;   // empty: no file
        bool Long;
        bool Error;
    } cases[] = {
        {"NoFile", "", false, false},
        {"One", "<Par_Gen><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></Par_Gen>", true, false},
        {"Zero", "<Par_Gen><BACnet_Desc_Chars_Limit>0</BACnet_Desc_Chars_Limit></Par_Gen>", false, false},
        {"Blank", "<Par_Gen><BACnet_Desc_Chars_Limit> 1</BACnet_Desc_Chars_Limit></Par_Gen>", false, false},
        {"NoElement", "<Par_Gen/>", false, false},
        {"Damaged", "<Par_Gen><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit><Eth", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        QFile::remove(par);
        if (!c.Bytes.isEmpty()) {
            QFile f(par);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.Bytes);
        }
        QString error = QStringLiteral("old");
        EXPECT_EQ(Read_Desc_Lenght(&FXML, par, error), c.Long);
        EXPECT_EQ(!error.isEmpty(), c.Error) << error.toStdString();
    }
    EXPECT_EQ(BACnet_Table_Rows(true), 1000);
    EXPECT_EQ(BACnet_Table_Rows(false), 2000);
}

TEST_F(BACnetObjects, ChecksInOrderWithTheirMessages)
{
    const QStringList good = Row(0, "Analog Input", "62", "0", "", "4");
    const QStringList good_w = Row(0, "Analog Out", "62", "0", "", "4");
    const QString r = QStringLiteral("!! [BACnet in Read] ");
    const QString w = QStringLiteral("!! [BACnet in Write] ");
    const struct {
        const char* Name;
        TTable_Rows Read, Write;
        QString Message;
    } cases[] = {
        {"AllGood", {good, Row(2, "Binary Input", "0", "1499", "0", "")}, {good_w}, ""},
        {"EmptyFirstTypeEndsTheTable", {Row(1, " ", "x", "x", "", "")}, {good_w}, ""},
        {"UnitTooBig", {good, good, Row(3, "Analog Input", "65536", "0", "", "4")}, {},
         "Error row 3" + r + "Eng. Unit must be between 0 and 65535"},
        {"UnitNotANumber", {Row(1, "Analog Input", "abc", "0", "", "4")}, {},
         "Error row 1" + r + "Eng. Unit must be between 0 and 65535"},
        {"PositionPastTheArea", {Row(1, "Analog Input", "1", "1500", "", "4")}, {},
         "Error row 1" + r + "Position must be between 0 and 1499"},
        {"WritePosition", {good}, {Row(1, "Analog Out", "1", "-1", "", "4")},
         "Error row 1" + w + "Position must be between 0 and 1499"},
        {"BinaryWithoutBit", {Row(1, "Binary Value", "1", "3", "", "1")}, {},
         "Error row 1" + r + "Bit must be between 0 and 7"},
        {"WriteBinaryWithoutBit", {}, {Row(1, "Binary Out", "1", "3", "", "1")},
         "Error row 1" + w + "Bit must be between 0 and 7"},
        {"LargeAnalogTooLong", {Row(1, "Large Analog Value", "1", "0", "", "9")}, {},
         "Error row 1" + r + "Length with variable \"Large Analog Value\" must be between 1 and 8"},
        {"LifeSafetyLengthThree", {Row(1, "Life Safety Zone", "1", "0", "", "3")}, {},
         "Error row 1" + r + "Length with variable \"Life Safety Zone\" must be 1 or 2"},
        {"AccessDoorLengthTwo", {}, {Row(1, "Access Door", "1", "0", "", "2")},
         "Error row 1" + w + "Length with variable \"Access Door\" must be equal to 1"},
        {"EmptyLengthCountsZero", {Row(1, "Accumulator", "1", "0", "", "")}, {},
         "Error row 1" + r + "Length with variable \"Accumulator\" must be between 1 and 4"},
        {"EndPastTheArea", {Row(1, "Analog Input", "1", "1499", "", "2")}, {},
         "Error row 1" + r + "Too many bytes to save starting from the Position indicate"},
        {"EndAtTheLastByte", {Row(1, "Analog Input", "1", "1496", "", "4")}, {}, ""},
        // Types the checks do not name: no length rule, but the length moves the end.
        {"UncheckedTypeStillMovesTheEnd", {Row(1, "Integer Value", "1", "1400", "", "200")}, {},
         "Error row 1" + r + "Too many bytes to save starting from the Position indicate"},
        {"OtherLetterCaseIsNotLengthChecked", {Row(1, "analog input", "1", "0", "", "1")}, {}, ""},
        {"EmptyRowAboveData", {good, Row(2, "", "", "", "", "", "N"), Row(3, "", "", "", "", "", "", "kept?")}, {},
         "Error!! Row 2 is empty but rows below it hold data"},
        {"OnlyCheckBoxesBelow", {good, Row(2, "", "", "", "", ""), Row(3, "", "", "", "", "", "Y")}, {}, ""},
        {"ReadTableFirst", {Row(1, "Analog Input", "-1", "0", "", "4")}, {Row(1, "Analog Out", "-1", "0", "", "4")},
         "Error row 1" + r + "Eng. Unit must be between 0 and 65535"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Check_BACnet_Tables(c.Read, c.Write, false), c.Message);
    }
}

TEST_F(BACnetObjects, ObjectCountOverBothTables)
{
    const QStringList row = Row(0, "Binary Input", "0", "0", "0", "");
    const struct {
        int Read, Write;
        bool Long;
        QString Message;
    } cases[] = {
        {600, 400, true, ""},
        {600, 401, true, "Error!! Too many Requests. Max requests 1000"},
        {1000, 1000, false, ""},
        {1000, 1001, false, "Error!! Too many Requests. Max requests 2000"},
    };
    for (const auto& c : cases) {
        const TTable_Rows read(size_t(c.Read), row);
        const TTable_Rows write(size_t(c.Write), Row(0, "Binary Out", "0", "0", "0", ""));
        EXPECT_EQ(Check_BACnet_Tables(read, write, c.Long), c.Message) << c.Read << "+" << c.Write;
    }
}

TEST(BACnetObjectsLength, WriteTableFillsLengthByType)
{
    const struct {
        const char* Type;
        const char* Length;   // nullptr: left alone
    } cases[] = {
        {"Analog Out", "4"}, {"ANALOG VALUE", "4"}, {"Positive Integer Value", "4"}, {"Integer Value", "4"},
        {"Multi State Output", "4"}, {"multi state value", "4"}, {"Large Analog Value", "8"},
        {"Binary Out", "1"}, {"Binary Value", "1"}, {"Access Door", "1"}, {"Octet String", "1"},
        {"Analog Input", nullptr}, {"", nullptr}, {" Analog Out", nullptr},
    };
    for (const auto& c : cases) {
        const QString got = Write_Type_Length(QString::fromLatin1(c.Type));
        if (c.Length)
            EXPECT_EQ(got, QString::fromLatin1(c.Length)) << c.Type;
        else
            EXPECT_TRUE(got.isNull()) << c.Type;
    }
}

quint32 U32(const QByteArray& B, int Pos)
{
    return quint8(B[Pos]) | quint32(quint8(B[Pos + 1])) << 8 | quint32(quint8(B[Pos + 2])) << 16
           | quint32(quint8(B[Pos + 3])) << 24;
}

// A saved file through the image builder: entries grouped by type (analog
// input, analog output, binary input), read rows numbered before write rows.
TEST_F(BACnetObjects, ImageBuilderReadsASavedFile)
{
    const TTable_Rows read{Row(1, "Binary Input", "95", "10", "3", "", "", "Door"),
                           Row(2, "Analog Input", "62", "0", "", "4")};
    const TTable_Rows write{Row(1, "Analog Out", "98", "20", "", "4", "", "Valve")};
    ASSERT_EQ(Check_BACnet_Tables(read, write, false), QString());
    Write_BACnet_File(&FXML, Path(), read, write);
    TConfigFolder folder(FDir.path());
    ASSERT_NO_THROW(Build_Config_Image());
    const QByteArray bank2 = Built_Bank2();
    // Entry: position, unit (16 bits), length, direction, description
    // address, row (16 bits), bit, 0. Descriptions follow the 2047 entries
    // at 0x80000 + 0x7FF0; byte 0 there is the empty text.
    const struct {
        quint32 Position, Unit, Length, Direction, Desc, Row, Bit;
    } entries[] = {
        {0, 62, 4, 0, 0x87FF0, 2, 0},
        {20, 98, 4, 1, 0x87FF1, 3, 0},
        {10, 95, 0, 0, 0x87FF7, 1, 3},
        {0, 0, 0, 0, 0, 0, 0},
    };
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const int p = 16 * i;
        EXPECT_EQ(U32(bank2, p), entries[i].Position);
        EXPECT_EQ(U32(bank2, p + 4) & 0xFFFF, entries[i].Unit);
        EXPECT_EQ(quint8(bank2[p + 6]), entries[i].Length);
        EXPECT_EQ(quint8(bank2[p + 7]), entries[i].Direction);
        EXPECT_EQ(U32(bank2, p + 8), entries[i].Desc);
        EXPECT_EQ(U32(bank2, p + 12) & 0xFFFF, entries[i].Row);
        EXPECT_EQ(quint8(bank2[p + 14]), entries[i].Bit);
    }
    EXPECT_EQ(bank2.mid(0x7FF0, 13), QByteArray("\0Valve\0Door\0\0", 13));
    const QByteArray bank1 = Built_Bank1();
    EXPECT_EQ((std::vector<quint32>{U32(bank1, 312), U32(bank1, 316), U32(bank1, 324), U32(bank1, 320)}),
              (std::vector<quint32>{1, 1, 1, 0}));
}

} // namespace
