#pragma once
// The serial-port list. Ports carry fixed numbers, so a number keeps
// naming the same device:
//   ttyS<n>   -> 1 + n      (n = 0..127)
//   ttyUSB<n> -> 129 + n    (n = 0..63)
//   ttyACM<n> -> 193 + n    (n = 0..63)
#include <QList>
#include <QString>

struct TSerialPortInfo {
    int Number = 0;
    QString Device; // full path, e.g. "/dev/ttyUSB0"
};

// Highest port number handed out.
constexpr int MaxSerialPortNumber = 256;

// Number of a device name such as "ttyUSB0"; 0 when it is no serial port.
int SerialPortNumber(const QString& DeviceName);

// The ports in DeviceDir that exist, in ascending number: a port exists when
// it opens for reading and writing, or is busy or denied to us (another
// program holds it).
QList<TSerialPortInfo> EnumSerialPorts(const QString& DeviceDir = QStringLiteral("/dev"));
