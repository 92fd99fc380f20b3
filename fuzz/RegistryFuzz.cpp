// Arbitrary bytes as the registry file: every key and value read from it
// must read the same after one write saved the file again.
#include "platform/services/Registry.h"
#include "platform/rtl/StringList.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

namespace {

void Dump(TRegistry& Reg, const QString& Path, QStringList& Out, int Depth)
{
    if (Depth > 8 || !Reg.OpenKeyReadOnly(u'\\' + Path))
        return;
    TStringList names;
    Reg.GetValueNames(&names);
    for (int i = 0; i < names.Count(); ++i) {
        const TRegDataType type = Reg.GetDataType(names[i]);
        Out << Path + u'|' + names[i] + u'=' +
                   (type == TRegDataType::rdInteger ? QString::number(Reg.ReadInteger(names[i]))
                                                    : Reg.ReadString(names[i]));
    }
    Reg.GetKeyNames(&names);
    const QStringList keys = names.ToStringList();
    for (const QString& k : keys)
        Dump(Reg, Path.isEmpty() ? k : Path + u'\\' + k, Out, Depth + 1);
}

QStringList DumpAll()
{
    QStringList out;
    for (HKEY root : {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS, HKEY_CURRENT_CONFIG}) {
        TRegistry reg;
        reg.SetRootKey(root);
        out << QString::number(quint64(root));
        Dump(reg, QString(), out, 0);
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    static QTemporaryDir Dir;
    const QString path = Dir.filePath(QStringLiteral("Registry.ini"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return 0;
    f.write(reinterpret_cast<const char*>(Data), qint64(Size));
    f.close();
    SetRegistryFileName(path);
    const QStringList before = DumpAll();
    TRegistry reg;
    reg.OpenKey(QStringLiteral("Fuzz"), true);
    reg.DeleteKey(QStringLiteral("\\Fuzz"));
    SetRegistryFileName(path);
    if (DumpAll() != before)
        std::abort();
    return 0;
}
