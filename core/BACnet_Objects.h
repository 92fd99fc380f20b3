#pragma once
// The BACnet object file "BACnet_Slave.xml" and the checks of its two
// tables ("BACnet in Read", "BACnet in Write"). Root "BACnet_to_Modbus"
// with the comment "SW_VERSION = 1.000" after it; "BACnet_in_Read" and
// "BACnet_in_Write" hold one "row" per table row with the attributes
// Data_Type, Eng_Unit, Position, Bit, Length, Swap, Mnemonic, each the cell
// text unchanged.
#include "core/Table_Rows.h"

class TXMLDocument;

// Real columns of both tables.
enum TBACnet_Col {
    BACnet_Col_N,
    BACnet_Col_Data_Type,   // the rows' key
    BACnet_Col_Eng_Unit,
    BACnet_Col_Position,
    BACnet_Col_Bit,
    BACnet_Col_Length,
    BACnet_Col_Swap,        // hidden check box "Y"/"N"
    BACnet_Col_Mnemonic,
    BACnet_Col_Count
};

// Bytes of each side's data area.
constexpr int BACnet_NByte = 1500;

// Rows of each table: 1000 with long descriptions, else 2000.
int BACnet_Table_Rows(bool Desc_Lenght);
// The check-box columns (for Row_Holds_Data and the row helpers).
QList<int> BACnet_Check_Box_Cols();

// The Data Type choices of the read and the write table.
QStringList BACnet_Read_Types();
QStringList BACnet_Write_Types();

// True when the parameter file asks for long (32-character) descriptions:
// its root's "BACnet_Desc_Chars_Limit" reads exactly "1". A missing file or
// element gives false without a message; a file that cannot be read whole
// gives false and sets Error to why (naming the file), else Error is "".
bool Read_Desc_Lenght(TXMLDocument* XML, const QString& ParGen_File, QString& Error);

// Reads the object file into Read and Write (emptied first), at most
// Table_Rows rows each, one entry per real column; a missing Swap reads
// "N". A missing file gives empty tables and "". Returns "" when the file
// was read whole, else the messages, one a line: rows past Table_Rows
// (Too_Many_Rows_Warning), or why reading stopped: damaged XML (with line
// and column), a missing list, a row lacking an attribute (the row keeps
// the cells read before it). Rows read before stay.
QString Read_BACnet_File(TXMLDocument* XML, const QString& FileName, int Table_Rows,
                         TTable_Rows& Read, TTable_Rows& Write);

// Rewrites FileName whole (atomically) with the content of both tables
// (Table_Content_Rows by Data Type). Raises the platform's file error,
// naming the file and the cause, when it cannot be written.
void Write_BACnet_File(TXMLDocument* XML, const QString& FileName, const TTable_Rows& Read,
                       const TTable_Rows& Write);

// The checks on OK, in order: each row of the read table, then the write
// table (units, positions, start bits, lengths by type, the end byte), a
// row left empty above rows holding data, then the number of objects over
// both tables. Returns the first failure's message, "" when all pass.
QString Check_BACnet_Tables(const TTable_Rows& Read, const TTable_Rows& Write, bool Desc_Lenght);

// The Length the write table fills in when its Data Type is chosen: "4",
// "8" or "1" by type (letter case ignored); a null string for a type that
// sets none.
QString Write_Type_Length(const QString& Data_Type);
