#pragma once
// The BACnet EDE file: a semicolon-separated list of the configuration's
// BACnet objects for engineering tools. Seven header lines, then one line
// per object of the object file (read rows, then write rows), numbered per
// object type. Written in ANSI (Windows-1252), every line ending in CR LF.
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Object.h"
#include <QString>

class TObjectList;

// Raised when the object file lacks one of its two tables.
STRATAGON_DECLARE_EXCEPTION(EEDEError, Exception)

// One line of the file; the fields in output order.
class TBACnet_EDE_Obj : public TObject {
public:
    QString Keyname;
    QString DevObjInstance;
    QString ObjectName;
    QString ObjectType;
    QString ObjectInstance;
    QString Description;
    QString UnitCode;
};

// The lines of the export under way (owns them); nullptr outside an export.
extern TObjectList* EDE_Obj_List;
// Device instance as written in the parameter file (its text).
extern QString EDE_Dev_Instance;
// Object names of up to 32 characters instead of 16.
extern bool EDE_Long_Names;

// Object types that have an instance counter, and their counters.
constexpr int EDE_Counter_Count = 18;
extern const int EDE_Counter_Types[EDE_Counter_Count];
extern qint32 EDE_Counters[EDE_Counter_Count];

// The whole export from File_ParGen and File_BACnet_Slave to FileName,
// replacing it atomically. Raises EEDEError when the object file lacks a
// table, the parser's error when a file cannot be read, and the platform's
// file error when the file cannot be written; FileName is then untouched.
void Create_EDE_File(const QString& FileName);

// Steps of the export
void Clear_EDE_Counters();
// Sets EDE_Dev_Instance and EDE_Long_Names afresh from File_ParGen. Note:
// without the file or the element the instance is the image's default
// ("0" without the file, "1" for BACnet/IP and "0" for MS/TP without the
// element).
void Read_BACnet_Device_Par();
// Appends one TBACnet_EDE_Obj per row of File_BACnet_Slave to EDE_Obj_List;
// no rows when the file does not exist. Note: does nothing outside an
// export (EDE_Obj_List nullptr).
void Read_BACnet_Objects_EDE();
// Writes the header and EDE_Obj_List (when given) to FileName unless Skip
// is not 0.
void Write_EDE_File(int Skip, const QString& FileName);

// BACnet object type number of a type text (trimmed, upper-cased); 0 when
// the text names no known type.
int Get_Object_Type_Num(const QString& Type_Text);
// The next instance of the type (0, 1, 2, ...); 0 for a type without counter.
qint32 Next_Object_Instance(int Type_Num);
// "hh:nn:ss dd/mm/yyyy" of the clock's current local time.
QString Get_TimeStamp_Str();
// The name part of the project line; always empty.
QString Get_EDE_Name_Part();
