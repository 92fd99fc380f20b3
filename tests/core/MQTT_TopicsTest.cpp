// The MQTT topic file, its read defaults and hidden columns, and the
// checks of the publish and subscribe tables.
#include "core/Lang.h"
#include "core/MQTT_Topics.h"
#include "platform/rtl/XmlDocument.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A publish row: the given cells, the rest empty.
QStringList Pub(std::initializer_list<std::pair<int, const char*>> Cells, int N = 1)
{
    QStringList row;
    row << QString::number(N);
    for (int c = 1; c < Pub_Col_Count; ++c)
        row << QString();
    for (const auto& [col, text] : Cells)
        row[col] = QString::fromUtf8(text);
    return row;
}

QStringList Sub(std::initializer_list<std::pair<int, const char*>> Cells, int N = 1)
{
    QStringList row;
    row << QString::number(N);
    for (int c = 1; c < Sub_Col_Count; ++c)
        row << QString();
    for (const auto& [col, text] : Cells)
        row[col] = QString::fromUtf8(text);
    return row;
}

class MQTTTopics : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!Lang_SL)
            Load_Default_Lang();
    }
    QString Path() const { return FDir.path() + QStringLiteral("/MQTT_Set_Topic.xml"); }
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

TEST_F(MQTTTopics, ReadDefaultsAndRoundTripWithHiddenColumns)
{
    Write("<MQTT_Set_Topic><MQTT_Publish>"
          "<row Topic=\"a/b\" Retained=\"Y\" QoS=\"1\" IPAddress=\"10.0.0.9\" Mnemonic=\"Setpoint &lt;Room 1&gt;\"/>"
          "</MQTT_Publish><MQTT_Subscribe>"
          "<row Topic=\"c\" Retained=\"N\" QoS=\"0\" Port=\"502\" EthType=\"UDP\" Mnemonic=\"\"/>"
          "</MQTT_Subscribe></MQTT_Set_Topic>");
    TTable_Rows pub{Pub({{Pub_Col_Topic, "old"}})}, sub;
    EXPECT_EQ(Read_MQTT_File(&FXML, Path(), MQTT_Table_Rows, pub, sub), QString());
    ASSERT_EQ(pub.size(), 1u);
    ASSERT_EQ(sub.size(), 1u);
    EXPECT_EQ(pub[0], Pub({{Pub_Col_Topic, "a/b"}, {Pub_Col_Retained, "Y"}, {Pub_Col_QoS, "1"},
                           {Pub_Col_IP_Address, "10.0.0.9"}, {Pub_Col_OnChange, "N"}, {Pub_Col_OnCMD, "N"},
                           {Pub_Col_OnTimer, "N"}, {Pub_Col_Swap, "N"}, {Pub_Col_Swap_Word, "N"},
                           {Pub_Col_Mnemonic, "Setpoint <Room 1>"}}));
    EXPECT_EQ(sub[0], Sub({{Sub_Col_Topic, "c"}, {Sub_Col_Retained, "N"}, {Sub_Col_QoS, "0"},
                           {Sub_Col_Port, "502"}, {Sub_Col_Eth_Type, "UDP"}, {Sub_Col_Swap, "N"},
                           {Sub_Col_Swap_Word, "N"}}));

    // Channel, Swap and Swap Word are not stored: they come back "", "N", "N".
    pub[0][Pub_Col_Channel] = QStringLiteral("All");
    pub[0][Pub_Col_Swap] = QStringLiteral("Y");
    pub[0][Pub_Col_Time] = QStringLiteral("1000");
    Write_MQTT_File(&FXML, Path(), pub, sub);
    EXPECT_EQ(Compact().toStdString(),
              "<MQTT_Set_Topic><MQTT_Publish>"
              "<row Topic=\"a/b\" Retained=\"Y\" QoS=\"1\" DataType=\"\" Dimension=\"\" Position=\"\" "
              "IPAddress=\"10.0.0.9\" InputTemplate=\"\" Template=\"\" OnChange=\"N\" OnCMD=\"N\" OnTimer=\"N\" "
              "Time=\"1000\" Mnemonic=\"Setpoint &lt;Room 1>\" />"
              "</MQTT_Publish><MQTT_Subscribe>"
              "<row Topic=\"c\" Retained=\"N\" QoS=\"0\" DataType=\"\" Dimension=\"\" Position=\"\" IPAddress=\"\" "
              "Port=\"502\" EthType=\"UDP\" InputTemplate=\"\" Template=\"\" Mnemonic=\"\" />"
              "</MQTT_Subscribe></MQTT_Set_Topic><!--SW_VERSION = 1.000-->");
    TTable_Rows pub2, sub2;
    EXPECT_EQ(Read_MQTT_File(&FXML, Path(), MQTT_Table_Rows, pub2, sub2), QString());
    pub[0][Pub_Col_Channel] = QString();
    pub[0][Pub_Col_Swap] = QStringLiteral("N");
    EXPECT_EQ(pub2, pub);
    EXPECT_EQ(sub2, sub);
}

TEST_F(MQTTTopics, HiddenColumnsByWorkingMode)
{
    EXPECT_EQ(MQTT_Hidden_Cols(0, 1), QList<int>({Pub_Col_IP_Address, Pub_Col_Input_Template, Pub_Col_Channel,
                                                  Pub_Col_Swap, Pub_Col_Swap_Word}));
    EXPECT_EQ(MQTT_Hidden_Cols(1, 1), QList<int>({Sub_Col_Retained, Sub_Col_IP_Address, Sub_Col_Port,
                                                  Sub_Col_Eth_Type, Sub_Col_Input_Template, Sub_Col_Swap,
                                                  Sub_Col_Swap_Word}));
    EXPECT_TRUE(MQTT_Hidden_Cols(0, 0).contains(Pub_Col_Data_Type));
}

TEST_F(MQTTTopics, DamagedOrOversizedFiles)
{
    const QByteArray row = "<row Topic=\"t\" Retained=\"N\" QoS=\"0\" Mnemonic=\"m\"/>";
    const struct {
        const char* Name;
        QByteArray Bytes;
        int Table_Rows, Pub_Rows, Sub_Rows;
        const char* Message;
    } cases[] = {
        {"NotWellFormed", "<MQTT_Set_Topic><MQTT_Publish>\n" + row + "\n<row Topic=", 5, 1, 0, "line 3, column"},
        {"NoSubscribeList", "<MQTT_Set_Topic><MQTT_Publish>" + row + "</MQTT_Publish></MQTT_Set_Topic>", 5, 1, 0,
         "the element \"MQTT_Subscribe\" is missing."},
        {"RowWithoutQoS",
         "<MQTT_Set_Topic><MQTT_Publish>" + row + "</MQTT_Publish><MQTT_Subscribe>" + row
             + "<row Topic=\"u\" Retained=\"N\" Mnemonic=\"m\"/></MQTT_Subscribe></MQTT_Set_Topic>",
         5, 1, 2, "row 2 of MQTT_Subscribe: the attribute \"QoS\" is missing."},
        {"MoreRowsThanTheTable",
         "<MQTT_Set_Topic><MQTT_Publish>" + row + "</MQTT_Publish><MQTT_Subscribe>" + row + row + row
             + "</MQTT_Subscribe></MQTT_Set_Topic>",
         2, 1, 2, "Warning!! The file holds more rows than the table: the rows past 2 were not loaded"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Write(c.Bytes);
        TTable_Rows pub, sub;
        const QString message = Read_MQTT_File(&FXML, Path(), c.Table_Rows, pub, sub);
        EXPECT_EQ(int(pub.size()), c.Pub_Rows);
        EXPECT_EQ(int(sub.size()), c.Sub_Rows);
        EXPECT_TRUE(message.contains(QLatin1String(c.Message))) << message.toStdString();
    }
    QFile::remove(Path());
    TTable_Rows pub, sub;
    EXPECT_EQ(Read_MQTT_File(&FXML, Path(), MQTT_Table_Rows, pub, sub), QString());
    EXPECT_TRUE(pub.empty() && sub.empty());
}

TEST_F(MQTTTopics, ChecksWithTheirMessages)
{
    const QStringList good = Pub({{Pub_Col_Topic, "t"}, {Pub_Col_Data_Type, "Int"}, {Pub_Col_Dimension, "2"},
                                  {Pub_Col_Position, "0"}, {Pub_Col_OnTimer, "N"}});
    auto pub = [&](int Col, const char* Text) {
        QStringList r = good;
        r[Col] = QString::fromLatin1(Text);
        return r;
    };
    auto pub2 = [&](int Col1, const char* T1, int Col2, const char* T2) {
        QStringList r = pub(Col1, T1);
        r[Col2] = QString::fromLatin1(T2);
        return r;
    };
    const QStringList good_sub = Sub({{Sub_Col_Topic, "s"}, {Sub_Col_Data_Type, "Float"},
                                      {Sub_Col_Dimension, "4"}, {Sub_Col_Position, "1439"}});
    auto sub = [&](int Col, const char* Text) {
        QStringList r = good_sub;
        r[Col] = QString::fromLatin1(Text);
        return r;
    };
    const QString p = QStringLiteral("!! [MQTT Publish] ");
    const QString s = QStringLiteral("!! [MQTT Subscribe] ");
    const struct {
        const char* Name;
        TTable_Rows Pub, Sub;
        QString Message;
    } cases[] = {
        {"AllGood", {good, pub(Pub_Col_Template, "$VALUE$ at $TIME$")}, {good_sub}, ""},
        {"NoDataType", {good, pub(Pub_Col_Data_Type, "  ")}, {}, "Error row 2" + p + "Data Type must be selected"},
        {"IntDimensionThree", {pub(Pub_Col_Dimension, "3")}, {}, "Error row 1" + p + "Dimension must be equal to 1 or 2 or 4 or 8"},
        {"LowerCaseInt", {pub2(Pub_Col_Data_Type, " int ", Pub_Col_Dimension, "8")}, {}, ""},
        {"FloatDimensionTwo", {pub2(Pub_Col_Data_Type, "Float", Pub_Col_Dimension, "2")}, {},
         "Error row 1" + p + "Dimension must be equal to 4 or 8"},
        {"StringDimensionZero", {pub2(Pub_Col_Data_Type, "String", Pub_Col_Dimension, "0")}, {},
         "Error row 1" + p + "Dimension must be major of 0"},
        {"DimensionNotANumber", {pub2(Pub_Col_Data_Type, "Base64", Pub_Col_Dimension, "abc")}, {},
         "Error row 1" + p + "Dimension must be major of 0"},
        {"PositionPastTheArea", {pub(Pub_Col_Position, "1440")}, {},
         "Error row 1" + p + "Position must be beetween 0 and 1439"},
        {"OddDollars", {pub(Pub_Col_Template, "$VALUE")}, {},
         "Error row 1" + p + "Template not Correct, Check the Keywords"},
        {"TimerWithoutTime", {pub(Pub_Col_OnTimer, " y")}, {},
         "Error row 1" + p + "Time(ms) must be between 1 and 1000000000"},
        {"TimerAtTheLimit", {pub2(Pub_Col_OnTimer, "Y", Pub_Col_Time, "999999999")}, {}, ""},
        {"TimerPastTheLimit", {pub2(Pub_Col_OnTimer, "Y", Pub_Col_Time, "1000000000")}, {},
         "Error row 1" + p + "Time(ms) must be between 1 and 1000000000"},
        {"NoTimerAnyTime", {pub(Pub_Col_Time, "-5")}, {}, ""},
        {"SubscribePosition", {good}, {sub(Sub_Col_Position, "1440")},
         "Error row 1" + s + "Position must be beetween 0 and 1439"},
        {"SubscribeTemplate", {}, {sub(Sub_Col_Template, "$$$")},
         "Error row 1" + s + "Template not Correct, Check the Keywords"},
        {"SubscribeNoDataType", {}, {sub(Sub_Col_Data_Type, "")}, "Error row 1" + s + "Data Type must be selected"},
        {"PublishFirst", {pub(Pub_Col_Position, "x")}, {sub(Sub_Col_Data_Type, "")},
         "Error row 1" + p + "Position must be beetween 0 and 1439"},
        {"EmptyTopicAboveData", {good, Pub({{Pub_Col_OnTimer, "N"}}, 2), Pub({{Pub_Col_IP_Address, "1.2.3.4"}}, 3)}, {},
         "Error!! Row 2 is empty but rows below it hold data"},
        {"EmptySubscribeTopicAboveData", {}, {Sub({{Sub_Col_Swap, "N"}}), Sub({{Sub_Col_Mnemonic, "x"}}, 2)},
         "Error!! Row 1 is empty but rows below it hold data"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Check_MQTT_Tables(c.Pub, c.Sub, 1), c.Message);
    }
    // Columns a working mode hides are not checked; the timer always is.
    EXPECT_EQ(Check_MQTT_Tables({pub2(Pub_Col_Data_Type, "", Pub_Col_Position, "x")}, {}, 0), QString());
    EXPECT_EQ(Check_MQTT_Tables({pub(Pub_Col_OnTimer, "Y")}, {}, 0),
              "Error row 1" + p + "Time(ms) must be between 1 and 1000000000");
    EXPECT_FALSE(Error_In_Topic_Template(QString()));
    EXPECT_FALSE(Error_In_Topic_Template(QStringLiteral("no keywords")));
    EXPECT_TRUE(Error_In_Topic_Template(QStringLiteral("$VALUE$ $")));
}

TEST_F(MQTTTopics, HeadersAndHintsByRealColumn)
{
    const QStringList pub = MQTT_Headers(0), sub = MQTT_Headers(1);
    ASSERT_EQ(pub.size(), int(Pub_Col_Count));
    ASSERT_EQ(sub.size(), int(Sub_Col_Count));
    EXPECT_EQ(pub[Pub_Col_Time], QStringLiteral("Time(ms)"));
    EXPECT_EQ(pub[Pub_Col_Mnemonic], QStringLiteral("Mnemonic"));
    EXPECT_EQ(sub[Sub_Col_Eth_Type], QStringLiteral("Type"));
    EXPECT_EQ(sub[Sub_Col_Swap_Word], QStringLiteral("Swap Word"));
    const QStringList pub_hints = MQTT_Header_Hints(0), sub_hints = MQTT_Header_Hints(1);
    ASSERT_EQ(pub_hints.size(), int(Pub_Col_Count) - 1);
    ASSERT_EQ(sub_hints.size(), int(Sub_Col_Count) - 1);
    EXPECT_EQ(pub_hints[Pub_Col_Channel - 1], QStringLiteral("Select the DALI Channel for the Topic"));
    EXPECT_EQ(pub_hints[Pub_Col_Mnemonic - 1], QStringLiteral("Description of MQTT Topic"));
    EXPECT_EQ(sub_hints[Sub_Col_Port - 1], QStringLiteral("Insert the Port of Device Where to Send the Ethernet Message"));
    EXPECT_EQ(sub_hints[Sub_Col_Template - 1], QStringLiteral("Insert the Template"));
}

TEST_F(MQTTTopics, TemplateKeywords)
{
    using TList = QList<QPair<QString, QString>>;
    EXPECT_EQ(MQTT_Template_Keywords(0), TList({{"$VALUE$", "Modbus TCP Values of Registers/Status"},
                                                {"$DESC$", "Modbus TCP Description"},
                                                {"$TIME$", "Modbus TCP Timestamp of Frame"}}));
    EXPECT_EQ(MQTT_Template_Keywords(1), TList({{"$VALUE$", "Modbus TCP Values of Registers/Status"}}));
}

} // namespace
