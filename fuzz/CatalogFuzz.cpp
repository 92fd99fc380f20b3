// Reads arbitrary bytes as an EEP catalogue file, then asks every look-up.
#include "core/Catalog_EnOcean.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    static QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("eep.xml"));
    QFile File(Path);
    if (!File.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    File.write(reinterpret_cast<const char*>(Data), qint64(Size));
    File.close();

    TCatalog_EnOcean Cat;
    Cat.Read_Cat_EnOcean_XML(Path);
    for (const TRorg* Rorg : Cat.List_Rorg)
        for (const TFunc* Func : Rorg->List_Func)
            for (const TType* Type : Func->List_Type)
                for (int c = -1; c <= int(Type->List_Case.size()); ++c) {
                    Cat.Get_Case_Name_Str(Rorg->Number(), Func->Number(), Type->Number(), c);
                    Cat.Get_DataField_Index(Rorg->Number(), Func->Number(), Type->Number(), c, QStringLiteral("x"));
                }
    return 0;
}
