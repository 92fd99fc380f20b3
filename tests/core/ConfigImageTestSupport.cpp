#include "ConfigImageTestSupport.h"

#include "core/Catalog_EnOcean.h"
#include "core/ConfigImage.h"
#include "core/Globals.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <gtest/gtest.h>

TConfigFolder::TConfigFolder(const QString& Dir)
    : FPrevious(Cat_EnOcean)
    , FConf_Dir(Conf_Dir)
    , FParGen(File_ParGen)
    , FEnOcean(File_EnOcean)
    , FBACnet(File_BACnet_Slave)
{
    Conf_Dir = Dir;
    File_ParGen = Dir + QStringLiteral("/ParGen.xml");
    File_EnOcean = Dir + QStringLiteral("/EnOcean.xml");
    File_BACnet_Slave = Dir + QStringLiteral("/BACnet_Slave.xml");
    const QString eep = Dir + QStringLiteral("/eep.xml");
    if (QFileInfo::exists(eep)) {
        FCatalog = std::make_unique<TCatalog_EnOcean>();
        EXPECT_TRUE(FCatalog->Read_Cat_EnOcean_XML(eep));
        Cat_EnOcean = FCatalog.get();
    } else {
        Cat_EnOcean = nullptr;
    }
}

TConfigFolder::~TConfigFolder()
{
    Cat_EnOcean = FPrevious;
    Conf_Dir = FConf_Dir;
    File_ParGen = FParGen;
    File_EnOcean = FEnOcean;
    File_BACnet_Slave = FBACnet;
}

QString Images_Data_Dir(const QString& Case)
{
    return QStringLiteral(STRATAGON_TEST_DATA "/core/images/") + Case;
}

QByteArray Built_Bank1()
{
    return QByteArray(reinterpret_cast<const char*>(Bank1_Buf), Bank1_Len);
}

QByteArray Built_Bank2()
{
    return QByteArray(reinterpret_cast<const char*>(Bank2_Buf), Bank2_Len);
}

namespace {

struct TExpectedBank {
    int Length = -1;
    QByteArray Bytes;
};

int Number(const QString& text, int base, QString& error)
{
    bool ok = false;
    const int v = text.toInt(&ok, base);
    if (!ok)
        error += QStringLiteral("bad number \"%1\"\n").arg(text);
    return v;
}

QString Compare_Bank(const char* name, const TExpectedBank& want, const QByteArray& got)
{
    QString diff;
    if (got.size() != want.Length)
        diff += QStringLiteral("%1: length %2, expected %3\n").arg(QLatin1String(name)).arg(got.size()).arg(want.Length);
    int shown = 0;
    for (int i = 0; i < qMin(int(got.size()), want.Length) && shown < 12; ++i)
        if (got[i] != want.Bytes[i]) {
            diff += QStringLiteral("%1 0x%2: %3, expected %4\n")
                        .arg(QLatin1String(name))
                        .arg(i, 0, 16)
                        .arg(quint8(got[i]), 2, 16, QLatin1Char('0'))
                        .arg(quint8(want.Bytes[i]), 2, 16, QLatin1Char('0'));
            ++shown;
        }
    return diff;
}

} // namespace

QString Compare_With_Expected(const QString& ExpectedFile)
{
    QFile file(ExpectedFile);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot open ") + ExpectedFile;
    TExpectedBank banks[2];
    QString error;
    struct TLine {
        int Bank;
        int Offset;
        QByteArray Bytes;
    };
    QList<TLine> lines;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).section(QLatin1Char('#'), 0, 0);
        const QStringList t = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (t.isEmpty())
            continue;
        if (t[0] == QLatin1String("length") && t.size() == 3) {
            banks[t[1] == QLatin1String("bank2")].Length = Number(t[2], 0, error);
        } else if ((t[0] == QLatin1String("bank1") || t[0] == QLatin1String("bank2")) && t.size() > 2) {
            TLine l{t[0] == QLatin1String("bank2"), Number(t[1], 0, error), {}};
            for (int i = 2; i < t.size(); ++i)
                l.Bytes.append(char(Number(t[i], 16, error)));
            lines.append(l);
        } else {
            error += QStringLiteral("bad line \"%1\"\n").arg(line);
        }
    }
    for (TExpectedBank& b : banks)
        b.Bytes = QByteArray(qMax(b.Length, 0), '\0');
    for (const TLine& l : lines) {
        QByteArray& bytes = banks[l.Bank].Bytes;
        if (l.Offset + l.Bytes.size() > bytes.size())
            error += QStringLiteral("bytes at 0x%1 lie past the bank\n").arg(l.Offset, 0, 16);
        else
            bytes.replace(l.Offset, l.Bytes.size(), l.Bytes);
    }
    // The hand-worked checksum must agree with the hand-worked bytes.
    if (banks[0].Length == Param_Record_Size) {
        const QByteArray& b = banks[0].Bytes;
        quint32 sum = 0;
        for (int i = 0; i < Param_Record_Size - 4; ++i)
            sum += quint8(b[i]);
        const quint32 stored = quint8(b[2044]) | quint8(b[2045]) << 8 | quint8(b[2046]) << 16
                               | quint32(quint8(b[2047])) << 24;
        if (sum != stored)
            error += QStringLiteral("the expected checksum %1 is not the sum %2 of the expected bytes\n")
                         .arg(stored)
                         .arg(sum);
    }
    if (!error.isEmpty())
        return ExpectedFile + QStringLiteral(": ") + error;
    return Compare_Bank("bank1", banks[0], Built_Bank1()) + Compare_Bank("bank2", banks[1], Built_Bank2());
}

void Write_Text_File(const QString& Dir, const QString& Name, const QByteArray& Text)
{
    QFile file(Dir + QLatin1Char('/') + Name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(Text);
}
