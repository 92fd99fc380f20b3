#pragma once
// The gateway's two configuration images, built from the files of the
// active configuration: the parameter bank "bank1.bin" (a 2048-byte record
// with a checksum) and the table bank "bank2.bin" (BACnet object table,
// description area and EnOcean device tables). Everything is little-endian;
// a byte at offset x of the table bank has the device address 0x80000 + x.
#include "platform/rtl/Exceptions.h"
#include <QtGlobal>

// Raised when a configuration cannot be turned into images; the message
// names the file, the row or device and the value at fault.
STRATAGON_DECLARE_EXCEPTION(EConfigImageError, Exception)

// Sizes and device addresses
constexpr int Param_Record_Size = 2048;
constexpr int Bank_Buf_Size = 0x20000;
constexpr quint32 Table_Bank_Add = 0x80000;
constexpr quint32 EnOcean_Base_Add = 0x90800;
constexpr int Object_Part_Size = 0x10800;      // object table, descriptions, padding
constexpr int Object_Table_Size = 2048;        // entries held; 2047 (1023) are written
constexpr int Object_Entry_Size = 16;
constexpr int Desc_Area_Size = 0x8800;
constexpr int Object_Type_Count = 19;
constexpr int EnOcean_Space = Bank_Buf_Size - Object_Part_Size;

// Image of "bank1.bin".
extern quint8 Param_Record[Param_Record_Size];
// Descriptions of up to 32 characters and a table of 1023 entries instead of
// 16 and 2047; taken from the parameter file at every build.
extern bool Long_Desc;

// Bank buffers and the number of their bytes that belong to the images.
extern quint8 Bank1_Buf[Bank_Buf_Size];
extern quint8 Bank2_Buf[Bank_Buf_Size];
extern qint32 Bank1_Len;
extern qint32 Bank2_Len;

// Builds both images into the bank buffers from File_ParGen, File_EnOcean
// and File_BACnet_Slave; the EnOcean variables are grouped through
// Cat_EnOcean. Raises EConfigImageError (or the XML parser's error) when the
// configuration cannot be built; the buffers then hold no image.
void Build_Config_Image();

// Writes Conf_Dir + "/bin/bank1.bin" and "/bin/bank2.bin" from the last
// successful build. Both files are replaced atomically; a failure raises
// and leaves the old files as they were.
void Write_Bank_Files();

// Steps of the build
void Init_Param_Record();
void Load_ParGen();
// Stores the checksum at 2044, copies the record to Buffer[Pos..]; returns Pos + 2048.
int Put_Param_Record(int Pos, quint8* Buffer);

void Clear_Object_Table();
void Clear_Object_Counters();
void Load_BACnet_Objects(bool Long_Desc_Layout, quint32 Base_Add);
void Put_Object_Counters();
// Writes the entries, the description area and the padding; returns Pos + 0x10800.
int Put_Object_Table(int Pos, quint8* Buffer);

void Load_EnOcean(quint32 Base_Add);
// Writes the EnOcean tables from Pos on; returns the position after them.
int Put_EnOcean_Tables(int Pos, quint8* Buffer);
// Data-encryption code of the image: 1 -> 3, 2 -> 4, anything else 0.
int Conv_DataCript(int Value);
