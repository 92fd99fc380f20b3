#pragma once
// Program-wide state of the configurator and the small checks its editors
// share. The front end fills these values at start-up and whenever the
// active configuration changes; everything else reads them. All start
// empty, zero or off. Paths are joined with "/".
#include <QString>
#include <QtGlobal>

class TStringList;
class TCatalog_EnOcean;

// Active configuration
extern QString Conf_Name;            // folder name under Projects_Dir; empty when none is open
extern QString Conf_Dir;             // Projects_Dir + "/" + Conf_Name; empty: no active configuration

// Program folders
extern QString Exe_Dir;              // folder of the program file, no trailing separator
extern QString Projects_Dir;         // "PROJECTS"
extern QString Master_Dir;           // "MASTER" (firmware files)
extern QString Language_Dir;         // "LANGUAGE" (language files)
extern QString Cat_EnOcean_Dir;      // "CAT_EnOcean" (EEP catalogue)

// Texts shown in the windows' title areas
extern QString Main_Caption;
extern QString SW_Code;              // shown in every window
extern QString SW_Desc;              // shown in the main window

// Update window
extern QString Last_IP_Address;      // saved in the settings file
extern int Update_Option;            // 0 firmware and configuration, 1 firmware only, 2 configuration only
extern bool Update_Read_Back;

// Options
extern QString Language_Name;        // language file: Language_Dir + "/" + Language_Name + ".lng"
extern bool Opt_Enable_Internet;
extern bool Opt_Enable_Update;
extern bool Opt_Jump_Field_Tables;
extern bool Opt_Double_Click_Auto_Size;

// Files of the active configuration (Conf_Dir + "/ParGen.xml" and so on)
extern QString File_ParGen;
extern QString File_EnOcean;
extern QString File_MQTT_Set_Topic;
extern QString File_BACnet_Slave;

// Created by the front end at start-up; live until the process ends.
extern TStringList* Row_Clipboard_SL;   // one-row clipboard of the table editors
extern TCatalog_EnOcean* Cat_EnOcean;   // the EEP catalogue

// Shared text-to-integer conversion: leading blanks, an optional sign, then
// decimal digits, or hexadecimal digits after "$", "x", "X", "0x" or "0X".
// Anything else (trailing blanks included) or a value out of range gives
// Default.
int Str_To_Int_Def(const QString& S, int Default);
qint64 Str_To_Int64_Def(const QString& S, qint64 Default);

// True when Addr is a dotted IPv4 address of four numbers 0..255 (blanks
// around the parts are allowed). Note: the parts are assigned as the parse
// goes, so on false the parts found so far are already set.
bool Check_IP_Address(const QString& Addr, QString& IP_1, QString& IP_2,
                      QString& IP_3, QString& IP_4);

// True when S holds a character other than "0".."9", "A".."Z", "a".."z".
bool Has_Invalid_Chars(const QString& S);

// Numbers of the serial ports that exist, ascending, as texts ("1", "129").
// The caller owns the list.
TStringList* List_COM_Ports();
