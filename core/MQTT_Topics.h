#pragma once
// The MQTT topic file "MQTT_Set_Topic.xml" and the checks of its publish
// and subscribe tables. Root "MQTT_Set_Topic" with the comment
// "SW_VERSION = 1.000" after it; "MQTT_Publish" and "MQTT_Subscribe" hold
// one "row" per table row, each attribute the text of its column
// unchanged, hidden columns included ("Channel", "Swap" and "Swap Word"
// are not stored).
#include "core/Table_Rows.h"
#include <QPair>

class TXMLDocument;

// Real columns of the publish table.
enum TMQTT_Pub_Col {
    Pub_Col_N, Pub_Col_Topic, Pub_Col_Retained, Pub_Col_QoS, Pub_Col_Data_Type, Pub_Col_Dimension,
    Pub_Col_Position, Pub_Col_IP_Address, Pub_Col_Input_Template, Pub_Col_Template,
    Pub_Col_OnChange, Pub_Col_OnCMD, Pub_Col_OnTimer, Pub_Col_Time, Pub_Col_Channel, Pub_Col_Swap,
    Pub_Col_Swap_Word, Pub_Col_Mnemonic, Pub_Col_Count
};

// Real columns of the subscribe table.
enum TMQTT_Sub_Col {
    Sub_Col_N, Sub_Col_Topic, Sub_Col_Retained, Sub_Col_QoS, Sub_Col_Data_Type, Sub_Col_Dimension,
    Sub_Col_Position, Sub_Col_IP_Address, Sub_Col_Port, Sub_Col_Eth_Type, Sub_Col_Input_Template,
    Sub_Col_Template, Sub_Col_Swap, Sub_Col_Swap_Word, Sub_Col_Mnemonic, Sub_Col_Count
};

// Topic rows per table.
constexpr int MQTT_Table_Rows = 1024;
// Bytes of the publish and the subscribe side's data area.
constexpr int MQTT_Byte_IN = 1440;
constexpr int MQTT_Byte_OUT = 1440;

// Pub_Sub: 0 the publish table, 1 the subscribe table.

// The check-box columns of a table.
QList<int> MQTT_Check_Box_Cols(int Pub_Sub);
// The columns a table hides in a working mode (this edition uses 1).
QList<int> MQTT_Hidden_Cols(int Pub_Sub, int Working_Mode);

// The header texts of a table by real column, column 0 included.
QStringList MQTT_Headers(int Pub_Sub);
// The header hints of a table in column order from column 1: entry c - 1
// is the hint of real column c.
QStringList MQTT_Header_Hints(int Pub_Sub);

// Reads the file into Pub and Sub (emptied first), at most Table_Rows rows
// each; see Read_Table_File for the messages. Missing optional attributes
// read empty, a missing OnChange, OnCMD or OnTimer reads "N"; every loaded
// row gets "Channel" "" and "Swap", "Swap Word" "N". Topic, Retained, QoS
// and Mnemonic are required.
QString Read_MQTT_File(TXMLDocument* XML, const QString& FileName, int Table_Rows,
                       TTable_Rows& Pub, TTable_Rows& Sub);

// Rewrites FileName whole (atomically) with the content of both tables.
// Raises the platform's file error when it cannot be written.
void Write_MQTT_File(TXMLDocument* XML, const QString& FileName, const TTable_Rows& Pub,
                     const TTable_Rows& Sub);

// True (the template is wrong) when Str holds an odd number of "$".
bool Error_In_Topic_Template(const QString& Str);

// The checks on OK: each publish row, then each subscribe row, on the
// columns the working mode shows (data type, dimension by type, position,
// template) and the publish timer; a row left empty above rows holding
// data ends each table's checks. Returns the first failure's message, ""
// when all pass.
QString Check_MQTT_Tables(const TTable_Rows& Pub, const TTable_Rows& Sub, int Working_Mode);

// The keywords a template may hold, with their descriptions, for the
// publish (Pub_Sub 0) or the subscribe table.
QList<QPair<QString, QString>> MQTT_Template_Keywords(int Pub_Sub);
