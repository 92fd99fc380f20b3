// The build sequence of the two images and the writing of the bank files.
#include "core/ConfigImage.h"

#include "core/ConfigImageIO.h"
#include "core/Globals.h"
#include "platform/rtl/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <optional>

quint8 Bank1_Buf[Bank_Buf_Size];
quint8 Bank2_Buf[Bank_Buf_Size];
qint32 Bank1_Len = 0;
qint32 Bank2_Len = 0;

namespace {

// Set only by a build that ran to its end; a refused build clears it, so
// that no half-built image can reach the files.
bool Images_Valid = false;

} // namespace

void Build_Config_Image()
{
    Images_Valid = false;
    Bank1_Len = 0;
    Bank2_Len = 0;

    Init_Param_Record();
    Clear_Object_Table();
    Clear_Object_Counters();
    Load_ParGen();
    Put_U32(Param_Record, 1540, EnOcean_Base_Add);
    Put_U32(Param_Record, 248, Table_Bank_Add);
    Put_U32(Param_Record, 1544, 1);
    Load_EnOcean(EnOcean_Base_Add);
    Load_BACnet_Objects(Long_Desc, Table_Bank_Add);
    Put_Object_Counters();

    // Every limit has been checked by now; nothing below can fail.
    Bank1_Len = Put_Param_Record(0, Bank1_Buf);
    const int pos = Put_Object_Table(0, Bank2_Buf);
    Bank2_Len = Put_EnOcean_Tables(pos, Bank2_Buf);
    Images_Valid = true;
}

void Write_Bank_Files()
{
    if (!Images_Valid)
        throw EConfigImageError(QStringLiteral("No configuration image has been built; the bank files are left as they are."));
    if (Conf_Dir.isEmpty())
        throw EConfigImageError(QStringLiteral("No configuration is active."));
    const QString path1 = Conf_Dir + QStringLiteral("/bin/bank1.bin");
    const QString path2 = Conf_Dir + QStringLiteral("/bin/bank2.bin");
    // Both temporary files are on disk before either replaces its target.
    TAtomicFileWriter bank1(path1);
    TAtomicFileWriter bank2(path2);
    bank1.Write(reinterpret_cast<const char*>(Bank1_Buf), Bank1_Len);
    bank2.Write(reinterpret_cast<const char*>(Bank2_Buf), Bank2_Len);
    bank1.Flush();
    bank2.Flush();
    // A copy of the old bank1 waits beside it, so that a failed bank2 can put
    // the pair back as it was by a rename alone.
    std::optional<TAtomicFileWriter> old1;
    if (QFileInfo(path1).isFile()) {
        QFile file(path1);
        if (!file.open(QIODevice::ReadOnly))
            throw EFOpenError(QStringLiteral("Cannot open file \"%1\". %2").arg(path1, file.errorString()));
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            throw EReadError(QStringLiteral("Cannot read file \"%1\". %2").arg(path1, file.errorString()));
        old1.emplace(path1);
        old1->Write(bytes);
        old1->Flush();
    }
    bank1.Commit();
    try {
        bank2.Commit();
    } catch (const Exception& failure) {
        try {
            if (old1)
                old1->Commit();
            else if (QFile file(path1); !file.remove())
                throw EInOutError(QStringLiteral("Cannot remove file \"%1\". %2").arg(path1, file.errorString()));
        } catch (const Exception& restore) {
            throw EInOutError(failure.Message() + QLatin1Char(' ') + restore.Message());
        }
        throw;
    }
}
