#include "core/Globals.h"
#include "platform/rtl/StringList.h"
#include "platform/services/SerialPorts.h"

#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

TEST(SerialPorts, NumberOfDeviceName)
{
    struct Case {
        const char* name;
        int number;
    } cases[] = {
        {"ttyS0", 1},       {"ttyS127", 128},   {"ttyS128", 0},   {"ttyUSB0", 129},
        {"ttyUSB63", 192},  {"ttyUSB64", 0},    {"ttyACM0", 193}, {"ttyACM63", 256},
        {"ttyACM64", 0},    {"ttyS01", 0},      {"ttyS", 0},      {"tty0", 0},
        {"ttyAMA0", 0},     {"xttyS0", 0},      {"ttyS0x", 0},    {"ttyS1000", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SerialPortNumber(QString::fromLatin1(c.name)), c.number) << c.name;
}

void Touch(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

// A folder of device names: openable ones, a dangling link, misnamed ones,
// and a pseudo terminal that this test holds open as another program would.
TEST(SerialPorts, ListsOpenableAndHeldPortsInNumberOrder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString d = dir.path();

    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    const QByteArray slave = ptsname(master);
    const int held = ::open(slave.constData(), O_RDWR | O_NOCTTY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::symlink(slave.constData(), QFile::encodeName(d + "/ttyUSB1").constData()), 0);

    Touch(d + "/ttyACM2");
    Touch(d + "/ttyS3");
    Touch(d + "/ttyS0");
    Touch(d + "/ttyS01");
    Touch(d + "/ttyUSB99");
    Touch(d + "/console");
    ASSERT_EQ(::symlink("/nonexistent/ttyS9", QFile::encodeName(d + "/ttyS9").constData()), 0);

    const QList<TSerialPortInfo> ports = EnumSerialPorts(d);
    ::close(held);
    ::close(master);

    QStringList got;
    for (const TSerialPortInfo& p : ports)
        got << QString::number(p.Number) + "=" + p.Device.mid(d.size() + 1);
    EXPECT_EQ(got, QStringList({"1=ttyS0", "4=ttyS3", "130=ttyUSB1", "195=ttyACM2"}));
}

TEST(SerialPorts, MissingFolderGivesEmptyList)
{
    EXPECT_TRUE(EnumSerialPorts(QStringLiteral("/nonexistent-serial-folder")).isEmpty());
}

// The configurator's list is the system's port numbers as texts.
TEST(SerialPorts, ListComPortsGivesPortNumbers)
{
    std::unique_ptr<TStringList> list(List_COM_Ports());
    ASSERT_NE(list, nullptr);
    QStringList expected;
    for (const TSerialPortInfo& p : EnumSerialPorts())
        expected << QString::number(p.Number);
    QStringList got;
    for (int i = 0; i < list->Count(); ++i)
        got << list->Strings(i);
    EXPECT_EQ(got, expected);
}

} // namespace
