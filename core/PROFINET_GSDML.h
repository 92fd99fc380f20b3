#pragma once
// The PROFINET GSDML device description: a fixed XML template in which only
// the station name and the two data lengths vary. Written in UTF-8 with a
// byte-order mark, every line ending in CR LF.
#include <QString>
#include <QtGlobal>

// Values of the last Read_PROFINET_Par.
extern qint32 PROFINET_NB_In;       // default 1438
extern qint32 PROFINET_NB_Out;      // default 1438
extern QString PROFINET_Name_Sta;   // default "SERIAL"

// Asks for the folder through the save dialog (initial folder Conf_Dir,
// offered name Name) and writes Name into the folder chosen; a different
// name typed in the dialog is ignored. An existing file is replaced only
// after text 1811 is answered Yes. Raises as Write_GSDML_File does.
void Save_GSDML_File(const QString& Name);

// Reads the parameters and writes the file at Path, replacing it
// atomically. Raises the parser's error when the parameter file cannot be
// read (nothing is written) and the platform's file error when the file
// cannot be written (Path is then untouched).
void Write_GSDML_File(const QString& Path);

// Sets the three values from File_ParGen ("PROFINET_NB_IN",
// "PROFINET_NB_OUT", "PROFINET_NAME_STA"), each taking its default when
// missing; a name of blanks only becomes "SERIAL".
void Read_PROFINET_Par();
