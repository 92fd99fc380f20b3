#include "platform/services/Registry.h"

#include "platform/rtl/AtomicFile.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QMap>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>
#include <mutex>

namespace {

struct TRegValue {
    QString Name;
    TRegDataType Type = TRegDataType::rdString;
    QString Text;
    int Int = 0;
};

struct TRegKey {
    QString Path; // full path with the root's name, as first written
    QList<TRegValue> Values;

    TRegValue* Find(const QString& name)
    {
        for (TRegValue& v : Values)
            if (v.Name.compare(name, Qt::CaseInsensitive) == 0)
                return &v;
        return nullptr;
    }
};

// Value names may hold any character; those the INI syntax gives a meaning
// to are percent-encoded, and the unnamed value is written "@".
QString EncodeName(const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral("@");
    QByteArray e = QUrl::toPercentEncoding(name, "!$&'()*+,/:<>?\\^`{|}\"# ", "@");
    if (e.startsWith(' '))
        e.replace(0, 1, "%20");
    if (e.endsWith(' '))
        e.replace(e.size() - 1, 1, "%20");
    return QString::fromLatin1(e);
}

QString DecodeName(const QString& text)
{
    return text == QLatin1String("@") ? QString() : QUrl::fromPercentEncoding(text.toLatin1());
}

QString EscapeText(const QString& s)
{
    QString r;
    r.reserve(s.size());
    for (QChar c : s) {
        if (c == u'\\')
            r += QLatin1String("\\\\");
        else if (c == u'\n')
            r += QLatin1String("\\n");
        else if (c == u'\r')
            r += QLatin1String("\\r");
        else
            r += c;
    }
    return r;
}

QString UnescapeText(const QString& s)
{
    QString r;
    r.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] != u'\\' || i + 1 == s.size()) {
            r += s[i];
            continue;
        }
        const QChar c = s[++i];
        r += c == u'n' ? QChar(u'\n') : c == u'r' ? QChar(u'\r') : c;
    }
    return r;
}

QString RootName(HKEY root)
{
    switch (root) {
    case HKEY_CLASSES_ROOT: return QStringLiteral("HKEY_CLASSES_ROOT");
    case HKEY_CURRENT_USER: return QStringLiteral("HKEY_CURRENT_USER");
    case HKEY_LOCAL_MACHINE: return QStringLiteral("HKEY_LOCAL_MACHINE");
    case HKEY_USERS: return QStringLiteral("HKEY_USERS");
    case HKEY_CURRENT_CONFIG: return QStringLiteral("HKEY_CURRENT_CONFIG");
    default: return QStringLiteral("HKEY_%1").arg(quint64(root), 8, 16, QLatin1Char('0'));
    }
}

// "a\\b\" -> "a\b": empty parts dropped.
QString CleanPath(const QString& path)
{
    return path.split(u'\\', Qt::SkipEmptyParts).join(u'\\');
}

QString JoinPath(const QString& a, const QString& b)
{
    return a.isEmpty() ? b : b.isEmpty() ? a : a + u'\\' + b;
}

// All keys of the process, read once from the file and saved whole after
// every change.
class TRegStore {
public:
    std::recursive_mutex Mutex;

    QString FileName()
    {
        if (FFileName.isEmpty())
            FFileName = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                        QStringLiteral("/Stratagon/Registry.ini");
        return FFileName;
    }

    void SetFileName(const QString& name)
    {
        FFileName = name;
        FLoaded = false;
        FKeys.clear();
    }

    TRegKey* Find(const QString& fullPath)
    {
        Load();
        auto it = FKeys.find(fullPath.toLower());
        return it == FKeys.end() ? nullptr : &it.value();
    }

    // True when the key was made or has subkeys below it.
    bool Exists(const QString& fullPath)
    {
        Load();
        const QString lower = fullPath.toLower();
        if (FKeys.contains(lower))
            return true;
        const QString prefix = lower + u'\\';
        auto it = FKeys.lowerBound(prefix);
        return it != FKeys.end() && it.key().startsWith(prefix);
    }

    TRegKey& Make(const QString& fullPath)
    {
        Load();
        TRegKey& k = FKeys[fullPath.toLower()];
        if (k.Path.isEmpty())
            k.Path = fullPath;
        return k;
    }

    void Remove(const QString& fullPath)
    {
        Load();
        const QString lower = fullPath.toLower();
        FKeys.remove(lower);
        const QString prefix = lower + u'\\';
        for (auto it = FKeys.lowerBound(prefix); it != FKeys.end() && it.key().startsWith(prefix);)
            it = FKeys.erase(it);
    }

    // Names of the keys directly below fullPath, in the case first written,
    // sorted without regard to case.
    QStringList Children(const QString& fullPath)
    {
        Load();
        const QString prefix = fullPath.toLower() + u'\\';
        QStringList names;
        QSet<QString> seen;
        for (auto it = FKeys.lowerBound(prefix); it != FKeys.end() && it.key().startsWith(prefix); ++it) {
            const QString name = it.value().Path.mid(prefix.size()).section(u'\\', 0, 0);
            if (!seen.contains(name.toLower())) {
                seen.insert(name.toLower());
                names << name;
            }
        }
        std::sort(names.begin(), names.end(),
                  [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        return names;
    }

    void Save()
    {
        QStringList lines;
        for (const TRegKey& k : FKeys) {
            lines << u'[' + k.Path + u']';
            for (const TRegValue& v : k.Values)
                lines << EncodeName(v.Name) + u'=' +
                             (v.Type == TRegDataType::rdInteger ? QStringLiteral("int:") + QString::number(v.Int)
                                                                : QStringLiteral("str:") + EscapeText(v.Text));
            lines << QString();
        }
        const QString name = FileName();
        QDir().mkpath(QFileInfo(name).absolutePath());
        WriteFileAtomic(name, EncodeText(lines.join(u'\n'), TEncodingKind::ekUtf8, false));
    }

private:
    void Load()
    {
        if (FLoaded)
            return;
        FLoaded = true;
        FKeys.clear();
        TMemIniFile ini(FileName());
        TStringList sections, idents;
        ini.ReadSections(&sections);
        for (int i = 0; i < sections.Count(); ++i) {
            const QString path = CleanPath(sections[i]);
            if (path.isEmpty())
                continue;
            TRegKey& k = Make(path);
            ini.ReadSection(sections[i], &idents);
            for (int j = 0; j < idents.Count(); ++j) {
                const QString raw = ini.ReadString(sections[i], idents[j], QString());
                TRegValue v;
                v.Name = DecodeName(idents[j]);
                if (raw.startsWith(QLatin1String("int:"))) {
                    bool ok = false;
                    v.Type = TRegDataType::rdInteger;
                    v.Int = raw.mid(4).toInt(&ok);
                    if (!ok)
                        continue;
                } else if (raw.startsWith(QLatin1String("str:"))) {
                    v.Text = UnescapeText(raw.mid(4));
                } else {
                    continue;
                }
                if (!k.Find(v.Name))
                    k.Values << v;
            }
        }
    }

    QString FFileName;
    bool FLoaded = false;
    QMap<QString, TRegKey> FKeys; // by lower-case full path
};

TRegStore& Store()
{
    static TRegStore store;
    return store;
}

using TLock = std::lock_guard<std::recursive_mutex>;

[[noreturn]] void RaiseSetFailed(const QString& name, const QString& why = QString())
{
    QString msg = QStringLiteral("Failed to set data for '%1'").arg(name);
    if (!why.isEmpty())
        msg += QStringLiteral(": ") + why;
    throw ERegistryException(msg);
}

void SaveOrRaise(const QString& name)
{
    try {
        Store().Save();
    } catch (const Exception& e) {
        RaiseSetFailed(name, e.Message());
    }
}

} // namespace

QString RegistryFileName()
{
    TLock lock(Store().Mutex);
    return Store().FileName();
}

void SetRegistryFileName(const QString& fileName)
{
    TLock lock(Store().Mutex);
    Store().SetFileName(fileName);
}

// TRegistry

TRegistry::TRegistry() = default;
TRegistry::~TRegistry() = default;

void TRegistry::SetRootKey(HKEY value)
{
    CloseKey();
    FRootKey = value;
}

QString TRegistry::Resolve(const QString& Key) const
{
    if (Key.startsWith(u'\\'))
        return CleanPath(Key);
    return CleanPath(JoinPath(FOpen ? FCurrentPath : QString(), Key));
}

QString TRegistry::OpenPath() const
{
    return JoinPath(RootName(FRootKey), FOpen ? FCurrentPath : QString());
}

void TRegistry::CheckWritable(const QString& Name) const
{
    if (FOpen && FReadOnly)
        RaiseSetFailed(Name, QStringLiteral("the key is open read-only"));
}

bool TRegistry::OpenKey(const QString& Key, bool CanCreate)
{
    TLock lock(Store().Mutex);
    const QString path = Resolve(Key);
    const QString full = JoinPath(RootName(FRootKey), path);
    if (!path.isEmpty() && !Store().Exists(full)) {
        if (!CanCreate)
            return false;
        Store().Make(full);
        SaveOrRaise(path);
    }
    FCurrentPath = path;
    FOpen = true;
    FReadOnly = false;
    return true;
}

bool TRegistry::OpenKeyReadOnly(const QString& Key)
{
    TLock lock(Store().Mutex);
    const QString path = Resolve(Key);
    if (!path.isEmpty() && !Store().Exists(JoinPath(RootName(FRootKey), path)))
        return false;
    FCurrentPath = path;
    FOpen = true;
    FReadOnly = true;
    return true;
}

bool TRegistry::CreateKey(const QString& Key)
{
    TLock lock(Store().Mutex);
    const QString path = Resolve(Key);
    if (path.isEmpty())
        return false;
    const QString full = JoinPath(RootName(FRootKey), path);
    if (!Store().Exists(full)) {
        Store().Make(full);
        SaveOrRaise(path);
    }
    return true;
}

bool TRegistry::DeleteKey(const QString& Key)
{
    TLock lock(Store().Mutex);
    const QString path = Resolve(Key);
    const QString full = JoinPath(RootName(FRootKey), path);
    if (path.isEmpty() || !Store().Exists(full))
        return false;
    Store().Remove(full);
    SaveOrRaise(path);
    return true;
}

bool TRegistry::KeyExists(const QString& Key)
{
    TLock lock(Store().Mutex);
    const QString path = Resolve(Key);
    return path.isEmpty() || Store().Exists(JoinPath(RootName(FRootKey), path));
}

void TRegistry::CloseKey()
{
    FOpen = false;
    FReadOnly = false;
    FCurrentPath.clear();
}

bool TRegistry::ValueExists(const QString& Name)
{
    TLock lock(Store().Mutex);
    TRegKey* k = Store().Find(OpenPath());
    return k && k->Find(Name);
}

bool TRegistry::DeleteValue(const QString& Name)
{
    TLock lock(Store().Mutex);
    TRegKey* k = Store().Find(OpenPath());
    if (!k || !k->Find(Name) || (FOpen && FReadOnly))
        return false;
    k->Values.removeIf([&](const TRegValue& v) { return v.Name.compare(Name, Qt::CaseInsensitive) == 0; });
    SaveOrRaise(Name);
    return true;
}

TRegDataType TRegistry::GetDataType(const QString& Name)
{
    TLock lock(Store().Mutex);
    TRegKey* k = Store().Find(OpenPath());
    TRegValue* v = k ? k->Find(Name) : nullptr;
    return v ? v->Type : TRegDataType::rdUnknown;
}

bool TRegistry::HasSubKeys()
{
    TLock lock(Store().Mutex);
    return !Store().Children(OpenPath()).isEmpty();
}

void TRegistry::GetKeyNames(TStrings* Strings)
{
    TLock lock(Store().Mutex);
    Strings->BeginUpdate();
    Strings->Clear();
    for (const QString& name : Store().Children(OpenPath()))
        Strings->Add(name);
    Strings->EndUpdate();
}

void TRegistry::GetValueNames(TStrings* Strings)
{
    TLock lock(Store().Mutex);
    Strings->BeginUpdate();
    Strings->Clear();
    if (TRegKey* k = Store().Find(OpenPath()))
        for (const TRegValue& v : k->Values)
            Strings->Add(v.Name);
    Strings->EndUpdate();
}

QString TRegistry::ReadString(const QString& Name)
{
    TLock lock(Store().Mutex);
    TRegKey* k = Store().Find(OpenPath());
    TRegValue* v = k ? k->Find(Name) : nullptr;
    if (!v)
        return QString();
    if (v->Type != TRegDataType::rdString)
        throw ERegistryException(QStringLiteral("Invalid data type for '%1'").arg(Name));
    return v->Text;
}

void TRegistry::WriteString(const QString& Name, const QString& Value)
{
    TLock lock(Store().Mutex);
    CheckWritable(Name);
    TRegKey& k = Store().Make(OpenPath());
    TRegValue* v = k.Find(Name);
    if (!v) {
        k.Values << TRegValue{Name, TRegDataType::rdString, QString(), 0};
        v = &k.Values.last();
    }
    v->Type = TRegDataType::rdString;
    v->Text = Value;
    v->Int = 0;
    SaveOrRaise(Name);
}

int TRegistry::ReadInteger(const QString& Name)
{
    TLock lock(Store().Mutex);
    TRegKey* k = Store().Find(OpenPath());
    TRegValue* v = k ? k->Find(Name) : nullptr;
    if (!v)
        throw ERegistryException(QStringLiteral("Failed to get data for '%1'").arg(Name));
    if (v->Type != TRegDataType::rdInteger)
        throw ERegistryException(QStringLiteral("Invalid data type for '%1'").arg(Name));
    return v->Int;
}

void TRegistry::WriteInteger(const QString& Name, int Value)
{
    TLock lock(Store().Mutex);
    CheckWritable(Name);
    TRegKey& k = Store().Make(OpenPath());
    TRegValue* v = k.Find(Name);
    if (!v) {
        k.Values << TRegValue{Name, TRegDataType::rdInteger, QString(), 0};
        v = &k.Values.last();
    }
    v->Type = TRegDataType::rdInteger;
    v->Text.clear();
    v->Int = Value;
    SaveOrRaise(Name);
}

bool TRegistry::ReadBool(const QString& Name)
{
    return ReadInteger(Name) != 0;
}

void TRegistry::WriteBool(const QString& Name, bool Value)
{
    WriteInteger(Name, Value ? 1 : 0);
}

// TRegIniFile

void TRegIniFile::Leave()
{
    if (!OpenKey(u'\\' + CleanPath(FFileName), false))
        CloseKey();
}

TRegIniFile::TRegIniFile(const QString& FileName) : FFileName(FileName)
{
    OpenKey(FileName, true);
}

bool TRegIniFile::Enter(const QString& Section, bool write)
{
    const QString path = JoinPath(CleanPath(FFileName), CleanPath(Section));
    return write ? OpenKey(u'\\' + path, true) : OpenKeyReadOnly(u'\\' + path);
}

QString TRegIniFile::ReadString(const QString& Section, const QString& Ident, const QString& Default)
{
    QString result = Default;
    if (Enter(Section, false)) {
        const TRegDataType type = GetDataType(Ident);
        if (type == TRegDataType::rdString)
            result = TRegistry::ReadString(Ident);
        else if (type == TRegDataType::rdInteger)
            result = QString::number(TRegistry::ReadInteger(Ident));
    }
    Leave();
    return result;
}

void TRegIniFile::WriteString(const QString& Section, const QString& Ident, const QString& Value)
{
    Enter(Section, true);
    TRegistry::WriteString(Ident, Value);
    Leave();
}

int TRegIniFile::ReadInteger(const QString& Section, const QString& Ident, int Default)
{
    int result = Default;
    if (Enter(Section, false)) {
        const TRegDataType type = GetDataType(Ident);
        if (type == TRegDataType::rdString)
            result = StrToIntDef(TRegistry::ReadString(Ident), Default);
        else if (type == TRegDataType::rdInteger)
            result = TRegistry::ReadInteger(Ident);
    }
    Leave();
    return result;
}

void TRegIniFile::WriteInteger(const QString& Section, const QString& Ident, int Value)
{
    WriteString(Section, Ident, QString::number(Value));
}

bool TRegIniFile::ReadBool(const QString& Section, const QString& Ident, bool Default)
{
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TRegIniFile::WriteBool(const QString& Section, const QString& Ident, bool Value)
{
    WriteInteger(Section, Ident, Value ? 1 : 0);
}

void TRegIniFile::ReadSection(const QString& Section, TStrings* Strings)
{
    if (Enter(Section, false))
        GetValueNames(Strings);
    else
        Strings->Clear();
    Leave();
}

void TRegIniFile::ReadSections(TStrings* Strings)
{
    Leave();
    GetKeyNames(Strings);
}

void TRegIniFile::ReadSectionValues(const QString& Section, TStrings* Strings)
{
    TStringList names;
    ReadSection(Section, &names);
    Strings->BeginUpdate();
    Strings->Clear();
    for (int i = 0; i < names.Count(); ++i)
        Strings->Add(names[i] + u'=' + ReadString(Section, names[i], QString()));
    Strings->EndUpdate();
}

void TRegIniFile::EraseSection(const QString& Section)
{
    Leave();
    TRegistry::DeleteKey(u'\\' + JoinPath(CleanPath(FFileName), CleanPath(Section)));
}

void TRegIniFile::DeleteKey(const QString& Section, const QString& Ident)
{
    if (Enter(Section, true))
        DeleteValue(Ident);
    Leave();
}

// TRegistryIniFile

TRegistryIniFile::TRegistryIniFile(const QString& FileName)
    : TCustomIniFile(FileName), FRegIniFile(std::make_unique<TRegIniFile>(FileName))
{
}

TRegistryIniFile::~TRegistryIniFile() = default;

QString TRegistryIniFile::ReadString(const QString& section, const QString& ident, const QString& def)
{
    return FRegIniFile->ReadString(section, ident, def);
}

void TRegistryIniFile::WriteString(const QString& section, const QString& ident, const QString& value)
{
    FRegIniFile->WriteString(section, ident, value);
}

bool TRegistryIniFile::SectionExists(const QString& section)
{
    return FRegIniFile->KeyExists(u'\\' + JoinPath(CleanPath(FileName()), CleanPath(section)));
}

bool TRegistryIniFile::ValueExists(const QString& section, const QString& ident)
{
    TStringList names;
    FRegIniFile->ReadSection(section, &names);
    for (int i = 0; i < names.Count(); ++i)
        if (names[i].compare(ident, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

void TRegistryIniFile::ReadSection(const QString& section, TStrings* strings)
{
    FRegIniFile->ReadSection(section, strings);
}

void TRegistryIniFile::ReadSections(TStrings* strings)
{
    FRegIniFile->ReadSections(strings);
}

void TRegistryIniFile::ReadSectionValues(const QString& section, TStrings* strings)
{
    FRegIniFile->ReadSectionValues(section, strings);
}

void TRegistryIniFile::EraseSection(const QString& section)
{
    FRegIniFile->EraseSection(section);
}

void TRegistryIniFile::DeleteKey(const QString& section, const QString& ident)
{
    FRegIniFile->DeleteKey(section, ident);
}
