#pragma once
// The road an integrator takes through the configurator, shared by the
// offscreen walk and the walk under Xvfb: what is typed and chosen at each
// step, the program folder it runs in, and every file the road leaves,
// worked out by hand from the file layouts.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace WalkRoad {

inline constexpr char Conf[] = "Hall_B";

// Parameter editor, BACnet/IP: the port is first typed wrong.
inline constexpr char Bad_Port[] = "10000";
inline constexpr char Bad_Port_Text[] =
    "Error BACnet!! PORT must be between 0 and 65535, and different from 10000 and 10001";
inline const QStringList IP = {"10", "0", "0", "50"};
inline const QStringList Gateway = {"10", "0", "0", "1"};
inline constexpr char Port[] = "47809";
inline constexpr char Device_Name[] = "HallB7";
inline constexpr char Device_Id[] = "1234";

// EnOcean devices; the first identifier is first typed wrong.
inline constexpr char Bad_Id[] = "12 ";
inline constexpr char Bad_Id_Text[] = "Error!! Device ID must be between 0 and 4294967296";
inline constexpr char Id_1[] = "0x0180A1B2";
inline constexpr char Id_2[] = "25";
inline constexpr char Key_2[] = "0011223344556677";

// A variable chosen in the variable dialog: positions in the catalogue's
// lists of the shipped "eep.xml", and where the value goes.
struct TVariable {
    int Rorg, Func, Type, Case, Field;
    const char* Position;
    int Bit;
};
// Device 1, A5-02-05: Temperature and LRN Bit of its one case.
inline constexpr TVariable Vars_1[] = {{2, 0, 0, 0, 0, "0", 0}, {2, 0, 0, 0, 1, "4", 3}};
// Device 2, F6-02-01: a field of each of its two cases.
inline constexpr TVariable Vars_2[] = {{0, 0, 0, 0, 0, "10", 0}, {0, 0, 0, 1, 0, "11", 0}};

// BACnet rows as typed: Data Type, Eng. Unit, Position, Start Bit, Length,
// Mnemonic; an empty text is a cell left alone.
struct TRow {
    const char* Type;
    const char* Unit;
    const char* Position;
    const char* Bit;
    const char* Length;
    const char* Mnemonic;
};
inline constexpr TRow Read_Rows[] = {
    {"Analog Input", "62", "0", "", "1", "Hall B temperature 1"},
    {"Binary Input", "95", "4", "3", "", "Learn bit"},
    {"Multi State Input", "95", "10", "", "1", "Rocker"},
    {"Analog Input", "98", "11", "", "1", "Buttons"},
};
// The write table fills Length itself from the type.
inline constexpr TRow Write_Rows[] = {
    {"Binary Out", "95", "20", "0", "", "Relay 1"},
    {"Analog Value", "62", "21", "", "", ""},
};
// OK is first pressed with the last write row's Position still empty.
inline constexpr char Bad_Row_Text[] = "Error row 2!! [BACnet in Write] Position must be between 0 and 1499";

// The EDE file's name as typed in the save dialog (".csv" is added).
inline constexpr char EDE_Name[] = "hall_b_ede";

// The gateway of the update step.
inline const QStringList Gateway_IP = {"127", "0", "0", "1"};

// A fresh program folder: the shipped catalogue copied into CAT_EnOcean,
// a firmware file in MASTER and a stub update program that notes its
// arguments and folder and keeps a copy of the job file.
void Prepare_Program_Folder(const QString& Exe_Dir);

// The date-time of the EDE export (08:30:05 11/12/2026).
double EDE_Time();

// Expected contents.
QByteArray Settings();
QByteArray ParGen();
QByteArray EnOcean();
QByteArray BACnet_Slave();
QByteArray Bank1();
QByteArray Bank2();
QByteArray EDE(const QString& Time_Stamp = QStringLiteral("08:30:05 11/12/2026"));
QByteArray Job(const QString& Exe_Dir);

// Checks every file the road wrote below Exe_Dir (gtest expectations).
// Time_Stamp is the EDE file's; empty takes it from the file (the road
// under Xvfb runs on the system clock).
void Check_Files(const QString& Exe_Dir, const QString& Time_Stamp = QString());

} // namespace WalkRoad
