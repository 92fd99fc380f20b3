#pragma once
// The program folders next to the program file, the settings file
// "Stratagon.xml" that remembers the last configuration, device address,
// language and option flags, and the four file paths of the active
// configuration. The values live in core/Globals.h.
#include <QString>

class TXMLDocument;

// Default of Last_IP_Address when the settings file does not give one.
inline constexpr char Default_IP_Address[] = "192.168.2.205";

// Folder taken as Exe_Dir at start-up instead of the program file's folder
// (tests point it to a scratch folder); empty: the program file's folder.
extern QString Program_Dir_Override;

// Sets Exe_Dir to Dir and the four folders below it (MASTER, PROJECTS,
// LANGUAGE, CAT_EnOcean), creating each one that is missing. A folder that
// cannot be created is not reported.
void Init_Program_Folders(const QString& Dir);

// Exe_Dir + "/Stratagon.xml".
QString Settings_File_Name();

// Reads the settings file into Conf_Name, Last_IP_Address, Language_Name
// and the four option flags; clears Conf_Dir. Every value the file does not
// give (no file, a missing element) takes its default: empty name,
// "192.168.2.205", "English", off. A flag is on only for the text "1".
// Returns "" or, for a file that cannot be opened or is damaged, the reason
// (file, line and column); the values read whole before the damage are
// used then.
QString Read_Settings(TXMLDocument* XML);

// Copies the settings file to a name of its own beside it
// ("Stratagon.xml.damaged", then ".damaged.1", ...) and returns that name;
// "" when the copy fails, with the reason in Error.
QString Keep_Settings_Copy(QString& Error);

// Writes the settings file from the current values, replacing the old file
// atomically. Raises the platform's file error when it cannot be written;
// the old file is then untouched.
void Write_Settings(TXMLDocument* XML);

// Rebuilds File_ParGen, File_EnOcean, File_MQTT_Set_Topic and
// File_BACnet_Slave from Conf_Dir.
void Set_Files();
