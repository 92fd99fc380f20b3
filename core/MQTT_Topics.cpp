#include "core/MQTT_Topics.h"

#include "core/Globals.h"
#include "core/Lang.h"
#include "core/Table_File.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"

namespace {

const TTable_Layout& Topic_Layout(int Pub_Sub)
{
    static const TTable_Layout pub{
        "MQTT_Publish",
        Pub_Col_Count,
        Pub_Col_Topic,
        {{"Topic", Pub_Col_Topic, nullptr},
         {"Retained", Pub_Col_Retained, nullptr},
         {"QoS", Pub_Col_QoS, nullptr},
         {"DataType", Pub_Col_Data_Type, ""},
         {"Dimension", Pub_Col_Dimension, ""},
         {"Position", Pub_Col_Position, ""},
         {"IPAddress", Pub_Col_IP_Address, ""},
         {"InputTemplate", Pub_Col_Input_Template, ""},
         {"Template", Pub_Col_Template, ""},
         {"OnChange", Pub_Col_OnChange, "N"},
         {"OnCMD", Pub_Col_OnCMD, "N"},
         {"OnTimer", Pub_Col_OnTimer, "N"},
         {"Time", Pub_Col_Time, ""},
         {"Mnemonic", Pub_Col_Mnemonic, nullptr}},
        {{Pub_Col_Channel, ""}, {Pub_Col_Swap, "N"}, {Pub_Col_Swap_Word, "N"}}};
    static const TTable_Layout sub{
        "MQTT_Subscribe",
        Sub_Col_Count,
        Sub_Col_Topic,
        {{"Topic", Sub_Col_Topic, nullptr},
         {"Retained", Sub_Col_Retained, nullptr},
         {"QoS", Sub_Col_QoS, nullptr},
         {"DataType", Sub_Col_Data_Type, ""},
         {"Dimension", Sub_Col_Dimension, ""},
         {"Position", Sub_Col_Position, ""},
         {"IPAddress", Sub_Col_IP_Address, ""},
         {"Port", Sub_Col_Port, ""},
         {"EthType", Sub_Col_Eth_Type, ""},
         {"InputTemplate", Sub_Col_Input_Template, ""},
         {"Template", Sub_Col_Template, ""},
         {"Mnemonic", Sub_Col_Mnemonic, nullptr}},
        {{Sub_Col_Swap, "N"}, {Sub_Col_Swap_Word, "N"}}};
    return Pub_Sub == 0 ? pub : sub;
}

// Topic_Text numbers and columns of one table's checks.
struct TTable_Checks {
    int Data_Type_Col, Dimension_Col, Position_Col, Template_Col;
    int Data_Type, Dim_Int, Dim_Float, Dim_Other, Position, Template;
    int Byte_Count;
    bool Timer;   // the publish table's OnTimer and Time(ms)
};

QString Topic_Text(int Index)
{
    return Lang_SL->Strings(Index);
}

QString Topic_Row_Error(int Row, int Index)
{
    return Topic_Text(1451) + QString::number(Row) + Topic_Text(Index);
}

QString Check_Row(const QStringList& Row, int N, const TTable_Checks& T, const QList<int>& Hidden)
{
    auto shown = [&](int col) { return !Hidden.contains(col); };
    const QString type = UpperCase(Trim(Cell(Row, T.Data_Type_Col)));
    if (shown(T.Data_Type_Col) && type.isEmpty())
        return Topic_Row_Error(N, T.Data_Type);
    if (shown(T.Dimension_Col)) {
        const int dim = Str_To_Int_Def(Cell(Row, T.Dimension_Col), -1);
        if (type == QLatin1String("INT")) {
            if (dim != 1 && dim != 2 && dim != 4 && dim != 8)
                return Topic_Row_Error(N, T.Dim_Int);
        } else if (type == QLatin1String("FLOAT")) {
            if (dim != 4 && dim != 8)
                return Topic_Row_Error(N, T.Dim_Float);
        } else if (dim < 1) {
            return Topic_Row_Error(N, T.Dim_Other);
        }
    }
    if (shown(T.Position_Col)) {
        const int p = Str_To_Int_Def(Cell(Row, T.Position_Col), -1);
        if (p < 0 || p > T.Byte_Count - 1)
            return Topic_Row_Error(N, T.Position) + QString::number(T.Byte_Count - 1);
    }
    if (shown(T.Template_Col) && Error_In_Topic_Template(Trim(Cell(Row, T.Template_Col))))
        return Topic_Row_Error(N, T.Template);
    if (T.Timer && UpperCase(Trim(Cell(Row, Pub_Col_OnTimer))) == QLatin1String("Y")) {
        const int time = Str_To_Int_Def(Cell(Row, Pub_Col_Time), -1);
        if (time < 1 || time > 999999999)
            return Topic_Row_Error(N, 1489);
    }
    return QString();
}

QString Check_Table(const TTable_Rows& Rows, int Pub_Sub, const TTable_Checks& T, int Working_Mode)
{
    const QList<int> hidden = MQTT_Hidden_Cols(Pub_Sub, Working_Mode);
    const int n = Table_Content_Rows(Rows, Topic_Layout(Pub_Sub).Key_Col);
    for (int r = 0; r < n; ++r) {
        const QString error = Check_Row(Rows[size_t(r)], r + 1, T, hidden);
        if (!error.isEmpty())
            return error;
    }
    return Empty_Row_Error(Rows, Topic_Layout(Pub_Sub).Key_Col, MQTT_Check_Box_Cols(Pub_Sub));
}

} // namespace

QList<int> MQTT_Check_Box_Cols(int Pub_Sub)
{
    if (Pub_Sub == 0)
        return {Pub_Col_Retained, Pub_Col_OnChange, Pub_Col_OnCMD, Pub_Col_OnTimer, Pub_Col_Swap, Pub_Col_Swap_Word};
    return {Sub_Col_Retained, Sub_Col_Swap, Sub_Col_Swap_Word};
}

namespace {

QStringList Texts(std::initializer_list<int> Indexes)
{
    QStringList out;
    for (int i : Indexes)
        out << Topic_Text(i);
    return out;
}

} // namespace

QStringList MQTT_Headers(int Pub_Sub)
{
    if (Pub_Sub == 0)
        return Texts({1414, 1415, 1416, 1417, 1437, 1438, 1439, 1462, 1463, 1435, 1481, 1483, 1484, 1485,
                      1490, 1493, 1494, 1418});
    return Texts({1424, 1425, 1426, 1427, 1443, 1444, 1445, 1466, 1467, 1468, 1469, 1446, 1493, 1494, 1428});
}

QStringList MQTT_Header_Hints(int Pub_Sub)
{
    if (Pub_Sub == 0)
        return Texts({1419, 1420, 1421, 1440, 1441, 1442, 1464, 1465, 1436, 1482, 1486, 1487, 1488, 1491,
                      1495, 1496, 1422});
    return Texts({1429, 1430, 1431, 1447, 1448, 1449, 1470, 1471, 1472, 1473, 1450, 1497, 1498, 1432});
}

QList<int> MQTT_Hidden_Cols(int Pub_Sub, int Working_Mode)
{
    QList<int> hidden;
    QList<int> shown_again;
    if (Pub_Sub == 0) {
        hidden = {Pub_Col_Data_Type, Pub_Col_Dimension, Pub_Col_Position, Pub_Col_IP_Address,
                  Pub_Col_Input_Template, Pub_Col_Template, Pub_Col_Channel, Pub_Col_Swap, Pub_Col_Swap_Word};
        shown_again = {Pub_Col_Data_Type, Pub_Col_Dimension, Pub_Col_Position, Pub_Col_Template};
    } else {
        for (int c : {Sub_Col_Retained, Sub_Col_Data_Type, Sub_Col_Dimension, Sub_Col_Position,
                      Sub_Col_IP_Address, Sub_Col_Port, Sub_Col_Eth_Type, Sub_Col_Input_Template,
                      Sub_Col_Template, Sub_Col_Swap, Sub_Col_Swap_Word})
            hidden << c;
        shown_again = {Sub_Col_Data_Type, Sub_Col_Dimension, Sub_Col_Position, Sub_Col_Template};
    }
    if (Working_Mode == 1)
        for (int c : shown_again)
            hidden.removeAll(c);
    return hidden;
}

QString Read_MQTT_File(TXMLDocument* XML, const QString& FileName, int Table_Rows,
                       TTable_Rows& Pub, TTable_Rows& Sub)
{
    const TTable_Layout* layouts[2] = {&Topic_Layout(0), &Topic_Layout(1)};
    TTable_Rows* tables[2] = {&Pub, &Sub};
    return Read_Table_File(XML, FileName, Table_Rows, layouts, tables);
}

void Write_MQTT_File(TXMLDocument* XML, const QString& FileName, const TTable_Rows& Pub,
                     const TTable_Rows& Sub)
{
    const TTable_Layout* layouts[2] = {&Topic_Layout(0), &Topic_Layout(1)};
    const TTable_Rows* tables[2] = {&Pub, &Sub};
    Write_Table_File(XML, FileName, QStringLiteral("MQTT_Set_Topic"), layouts, tables);
}

bool Error_In_Topic_Template(const QString& Str)
{
    return Str.count(QLatin1Char('$')) % 2 != 0;
}

QString Check_MQTT_Tables(const TTable_Rows& Pub, const TTable_Rows& Sub, int Working_Mode)
{
    const TTable_Checks pub{Pub_Col_Data_Type, Pub_Col_Dimension, Pub_Col_Position, Pub_Col_Template,
                            1452, 1453, 1454, 1455, 1456, 1478, MQTT_Byte_IN, true};
    const TTable_Checks sub{Sub_Col_Data_Type, Sub_Col_Dimension, Sub_Col_Position, Sub_Col_Template,
                            1457, 1458, 1459, 1460, 1461, 1480, MQTT_Byte_OUT, false};
    QString error = Check_Table(Pub, 0, pub, Working_Mode);
    if (error.isEmpty())
        error = Check_Table(Sub, 1, sub, Working_Mode);
    return error;
}

QList<QPair<QString, QString>> MQTT_Template_Keywords(int Pub_Sub)
{
    QList<QPair<QString, QString>> list{{QStringLiteral("$VALUE$"), Topic_Text(1619)}};
    if (Pub_Sub == 0)
        list << qMakePair(QStringLiteral("$DESC$"), Topic_Text(1621)) << qMakePair(QStringLiteral("$TIME$"), Topic_Text(1622));
    return list;
}
