// Arbitrary bytes as the program's settings file and as the parameter
// file: whatever is read, written and read again gives the same values
// without a message.
#include "FuzzFile.h"
#include "app/ParGenFile.h"
#include "app/Settings.h"
#include "core/Globals.h"
#include "platform/rtl/XmlDocument.h"

#include <QFileInfo>
#include <cstdlib>

namespace {

QStringList SettingsValues()
{
    return {Conf_Name,
            Last_IP_Address,
            Language_Name,
            QString::number(Opt_Enable_Internet),
            QString::number(Opt_Enable_Update),
            QString::number(Opt_Jump_Field_Tables),
            QString::number(Opt_Double_Click_Auto_Size)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    // The settings file lies in the program folder, here the run's folder.
    static const bool Started = (Init_Program_Folders(QFileInfo(FuzzFilePath(QStringLiteral("x"))).path()), true);
    (void)Started;
    const QByteArray Bytes(reinterpret_cast<const char*>(Data), qsizetype(Size));
    WriteFuzzFile(QStringLiteral("Stratagon.xml"), Bytes);
    const QString ParGen = WriteFuzzFile(QStringLiteral("ParGen.xml"), Bytes);
    TXMLDocument XML;

    Read_Settings(&XML);
    const QStringList Settings = SettingsValues();
    Write_Settings(&XML);
    if (!Read_Settings(&XML).isEmpty() || SettingsValues() != Settings)
        std::abort();

    const QStringList Values = Read_ParGen_File(&XML, ParGen);
    const QString Copy = FuzzFilePath(QStringLiteral("ParGen_saved.xml"));
    Write_ParGen_File(&XML, Copy, Values);
    QString Error;
    if (Read_ParGen_File(&XML, Copy, &Error) != Values || !Error.isEmpty())
        std::abort();
    return 0;
}
