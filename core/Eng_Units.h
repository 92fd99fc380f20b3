#pragma once
// Engineering units of the BACnet objects: numbers 0 to 236 with their
// names, and the categories the unit chooser lists them in.
#include <QList>
#include <QString>
#include <QStringList>

// Highest unit number with a name.
constexpr int Eng_Unit_Last = 236;

// The name of unit Num_Unit; "unknown" outside 0 to 236.
QString Desc_Unit(int Num_Unit);

// The 23 category names in list order ("Acceleration" first).
QStringList Eng_Unit_Categories();
// The unit numbers of category Index in list order; empty outside the list.
QList<int> Eng_Unit_Category_Units(int Index);
// The name the chooser's unit list shows for Num_Unit. Note: three units
// are listed under a spelling of their own (139, 140 and 172).
QString Eng_Unit_List_Name(int Num_Unit);
