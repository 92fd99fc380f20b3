#include "platform/services/SerialPorts.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

struct PortFamily {
    const char* Prefix;
    int First; // number of index 0
    int Size;
};

const PortFamily kFamilies[] = {
    {"ttyS", 1, 128},
    {"ttyUSB", 129, 64},
    {"ttyACM", 193, 64},
};

bool PortPresent(const QString& Path)
{
    const QByteArray native = QFile::encodeName(Path);
    // Non-blocking, so a modem line without carrier does not hang the open.
    const int fd = ::open(native.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    return errno == EBUSY || errno == EACCES || errno == EPERM;
}

} // namespace

int SerialPortNumber(const QString& DeviceName)
{
    static const QRegularExpression re(QStringLiteral("^(ttyS|ttyUSB|ttyACM)(0|[1-9]\\d{0,2})$"));
    const QRegularExpressionMatch m = re.match(DeviceName);
    if (!m.hasMatch())
        return 0;
    const QString prefix = m.captured(1);
    const int n = m.captured(2).toInt();
    for (const PortFamily& f : kFamilies) {
        if (prefix == QLatin1String(f.Prefix))
            return n < f.Size ? f.First + n : 0;
    }
    return 0;
}

QList<TSerialPortInfo> EnumSerialPorts(const QString& DeviceDir)
{
    QList<TSerialPortInfo> ports;
    const QDir dir(DeviceDir);
    const QStringList names = dir.entryList({QStringLiteral("tty*")},
                                            QDir::System | QDir::Files | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        const int number = SerialPortNumber(name);
        if (number == 0)
            continue;
        const QString path = dir.filePath(name);
        if (PortPresent(path))
            ports.append({number, path});
    }
    std::sort(ports.begin(), ports.end(),
              [](const TSerialPortInfo& a, const TSerialPortInfo& b) { return a.Number < b.Number; });
    return ports;
}
