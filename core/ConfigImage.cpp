// The build sequence of the two images and the writing of the bank files.
#include "core/ConfigImage.h"

#include "core/ConfigImageIO.h"
#include "core/Globals.h"
#include "platform/rtl/AtomicFile.h"

#include <cstring>

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
    // Both temporary files are complete before either replaces its target.
    TAtomicFileWriter bank1(Conf_Dir + QStringLiteral("/bin/bank1.bin"));
    TAtomicFileWriter bank2(Conf_Dir + QStringLiteral("/bin/bank2.bin"));
    bank1.Write(reinterpret_cast<const char*>(Bank1_Buf), Bank1_Len);
    bank2.Write(reinterpret_cast<const char*>(Bank2_Buf), Bank2_Len);
    bank1.Commit();
    bank2.Commit();
}
