#pragma once
// Program resources: raw data compiled into the program as Qt resources,
// each one a file under ":/RCDATA/" named after the resource.
#include <QByteArray>
#include <QString>

using HINSTANCE = void*;
// The program itself (the only module there is).
constexpr HINSTANCE HInstance = nullptr;

// The bytes of the raw-data resource Name (letter case ignored); false when
// the program has none of that name.
bool FindRCData(HINSTANCE Instance, const QString& Name, QByteArray& Data);
// The raw-data resource with number Id (the file named by the number).
bool FindRCData(HINSTANCE Instance, int Id, QByteArray& Data);
