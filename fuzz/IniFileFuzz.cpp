// Arbitrary bytes as an INI file: reading, writing it back and reading that
// again must give the same sections, keys and values.
#include "platform/rtl/IniFile.h"
#include "platform/rtl/StringList.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

namespace {

QStringList Dump(TMemIniFile& Ini)
{
    QStringList Out;
    TStringList Sections, Values;
    Ini.ReadSections(&Sections);
    for (int i = 0; i < Sections.Count(); ++i) {
        Out << u'[' + Sections[i] + u']';
        Ini.ReadSectionValues(Sections[i], &Values);
        Out << Values.ToStringList();
    }
    return Out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    static QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("fuzz.ini"));
    {
        QFile F(Path);
        if (!F.open(QIODevice::WriteOnly))
            std::abort();
        F.write(reinterpret_cast<const char*>(Data), qint64(Size));
    }
    TMemIniFile Ini(Path);
    const QStringList Before = Dump(Ini);
    Ini.WriteString(QStringLiteral("Fuzz"), QStringLiteral("Key"), QStringLiteral("v=\\n "));
    Ini.DeleteKey(QStringLiteral("Fuzz"), QStringLiteral("Key"));
    Ini.UpdateFile();
    TMemIniFile Again(Path);
    // The probe may have left an empty section "Fuzz" that was not there.
    const QStringList After = Dump(Again);
    if (After != Before && After != Before + QStringList{QStringLiteral("[Fuzz]")})
        std::abort();
    return 0;
}
