#include "platform/rtl/IniFile.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"
#include <QFileInfo>
#include <vector>

namespace {

struct TIniEntry {
    QString Key;
    QString Value;
    // Comments and other lines that are no key are kept whole in Value.
    bool IsKey = true;
};

struct TIniSection {
    QString Name;
    // False only for the lines in front of the first section.
    bool HasHeader = true;
    std::vector<TIniEntry> Entries;
};

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool IsComment(const QString& line)
{
    return line.startsWith(u';') || line.startsWith(u'#');
}

} // namespace

struct TMemIniFile::TData {
    std::vector<TIniSection> Sections;

    TIniSection* Find(const QString& name)
    {
        for (TIniSection& s : Sections)
            if (s.HasHeader && SameName(s.Name, name))
                return &s;
        return nullptr;
    }

    TIniSection& FindOrAdd(const QString& name)
    {
        if (TIniSection* s = Find(name))
            return *s;
        Sections.push_back(TIniSection{name, true, {}});
        return Sections.back();
    }

    static TIniEntry* FindKey(TIniSection* section, const QString& key)
    {
        if (!section)
            return nullptr;
        for (TIniEntry& e : section->Entries)
            if (e.IsKey && SameName(e.Key, key))
                return &e;
        return nullptr;
    }

    void Parse(const QStringList& lines)
    {
        Sections.clear();
        TIniSection* current = nullptr;
        for (const QString& raw : lines) {
            const QString line = TrimLeft(raw);
            if (line.isEmpty())
                continue;
            const QString trimmed = TrimRight(line);
            if (trimmed.startsWith(u'[') && trimmed.endsWith(u']') && trimmed.size() >= 2) {
                // A section met again continues the first one of its name.
                current = &FindOrAdd(Trim(trimmed.mid(1, trimmed.size() - 2)));
                continue;
            }
            if (!current) {
                Sections.insert(Sections.begin(), TIniSection{QString(), false, {}});
                current = &Sections.front();
            }
            const qsizetype eq = line.indexOf(u'=');
            if (IsComment(line) || eq < 0 || !current->HasHeader)
                current->Entries.push_back(TIniEntry{QString(), line, false});
            else
                current->Entries.push_back(TIniEntry{Trim(line.left(eq)), line.mid(eq + 1), true});
        }
    }

    QStringList Lines() const
    {
        QStringList lines;
        for (const TIniSection& s : Sections) {
            if (s.HasHeader)
                lines << u'[' + s.Name + u']';
            for (const TIniEntry& e : s.Entries)
                lines << (e.IsKey ? e.Key + u'=' + e.Value : e.Value);
            lines << QString();
        }
        return lines;
    }
};

// TCustomIniFile

TCustomIniFile::TCustomIniFile(const QString& fileName) : FFileName(fileName) {}

TCustomIniFile::~TCustomIniFile() = default;

int TCustomIniFile::ReadInteger(const QString& section, const QString& ident, int def)
{
    QString s = ReadString(section, ident, QString());
    if (s.size() > 2 && s[0] == u'0' && (s[1] == u'x' || s[1] == u'X'))
        s = u'$' + s.mid(2);
    return StrToIntDef(s, def);
}

void TCustomIniFile::WriteInteger(const QString& section, const QString& ident, int value)
{
    WriteString(section, ident, IntToStr(value));
}

bool TCustomIniFile::ReadBool(const QString& section, const QString& ident, bool def)
{
    const QString s = ReadString(section, ident, QString());
    if (s.isEmpty())
        return def;
    return s != u"0";
}

void TCustomIniFile::WriteBool(const QString& section, const QString& ident, bool value)
{
    WriteString(section, ident, value ? QStringLiteral("1") : QStringLiteral("0"));
}

double TCustomIniFile::ReadFloat(const QString& section, const QString& ident, double def)
{
    double v;
    return TryStrToFloat(ReadString(section, ident, QString()), v) ? v : def;
}

void TCustomIniFile::WriteFloat(const QString& section, const QString& ident, double value)
{
    WriteString(section, ident, FloatToStr(value));
}

double TCustomIniFile::ReadDate(const QString& section, const QString& ident, double def)
{
    TDateTime v;
    return TryStrToDate(ReadString(section, ident, QString()), v) ? v : def;
}

void TCustomIniFile::WriteDate(const QString& section, const QString& ident, double value)
{
    WriteString(section, ident, DateToStr(value));
}

double TCustomIniFile::ReadDateTime(const QString& section, const QString& ident, double def)
{
    TDateTime v;
    return TryStrToDateTime(ReadString(section, ident, QString()), v) ? v : def;
}

void TCustomIniFile::WriteDateTime(const QString& section, const QString& ident, double value)
{
    WriteString(section, ident, DateTimeToStr(value));
}

double TCustomIniFile::ReadTime(const QString& section, const QString& ident, double def)
{
    TDateTime v;
    return TryStrToTime(ReadString(section, ident, QString()), v) ? v : def;
}

void TCustomIniFile::WriteTime(const QString& section, const QString& ident, double value)
{
    WriteString(section, ident, TimeToStr(value));
}

bool TCustomIniFile::SectionExists(const QString& section)
{
    TStringList keys;
    ReadSection(section, &keys);
    return keys.Count() > 0;
}

bool TCustomIniFile::ValueExists(const QString& section, const QString& ident)
{
    TStringList keys;
    ReadSection(section, &keys);
    for (int i = 0; i < keys.Count(); ++i)
        if (SameName(keys[i], ident))
            return true;
    return false;
}

// TMemIniFile

TMemIniFile::TMemIniFile(const QString& fileName) : TCustomIniFile(fileName), FData(new TData)
{
    if (!fileName.isEmpty() && QFileInfo(fileName).isFile())
        FData->Parse(ReadTextFile(fileName, &FEncoding));
}

TMemIniFile::~TMemIniFile() = default;

QString TMemIniFile::ReadString(const QString& section, const QString& ident, const QString& def)
{
    const TIniEntry* e = TData::FindKey(FData->Find(section), ident);
    return e ? e->Value : def;
}

void TMemIniFile::WriteString(const QString& section, const QString& ident, const QString& value)
{
    TIniSection& s = FData->FindOrAdd(section);
    if (TIniEntry* e = TData::FindKey(&s, ident))
        e->Value = value;
    else
        s.Entries.push_back(TIniEntry{ident, value, true});
}

bool TMemIniFile::SectionExists(const QString& section)
{
    return FData->Find(section) != nullptr;
}

bool TMemIniFile::ValueExists(const QString& section, const QString& ident)
{
    return TData::FindKey(FData->Find(section), ident) != nullptr;
}

void TMemIniFile::ReadSection(const QString& section, TStrings* strings)
{
    strings->BeginUpdate();
    strings->Clear();
    if (const TIniSection* s = FData->Find(section))
        for (const TIniEntry& e : s->Entries)
            if (e.IsKey)
                strings->Add(e.Key);
    strings->EndUpdate();
}

void TMemIniFile::ReadSections(TStrings* strings)
{
    strings->BeginUpdate();
    strings->Clear();
    for (const TIniSection& s : FData->Sections)
        if (s.HasHeader)
            strings->Add(s.Name);
    strings->EndUpdate();
}

void TMemIniFile::ReadSectionValues(const QString& section, TStrings* strings)
{
    strings->BeginUpdate();
    strings->Clear();
    if (const TIniSection* s = FData->Find(section))
        for (const TIniEntry& e : s->Entries)
            if (e.IsKey)
                strings->Add(e.Key + u'=' + e.Value);
    strings->EndUpdate();
}

void TMemIniFile::EraseSection(const QString& section)
{
    auto& v = FData->Sections;
    for (auto it = v.begin(); it != v.end(); ++it)
        if (it->HasHeader && SameName(it->Name, section)) {
            v.erase(it);
            return;
        }
}

void TMemIniFile::DeleteKey(const QString& section, const QString& ident)
{
    if (TIniSection* s = FData->Find(section))
        std::erase_if(s->Entries, [&](const TIniEntry& e) { return e.IsKey && SameName(e.Key, ident); });
}

void TMemIniFile::UpdateFile()
{
    const QStringList lines = FData->Lines();
    // An ANSI file that would lose characters, or read back differently
    // (bytes that look like a byte-order mark or like UTF-8), is written as
    // UTF-8 instead.
    if (FEncoding == TEncodingKind::ekAnsi) {
        const QString text = JoinLines(lines);
        if (DecodeText(EncodeText(text, TEncodingKind::ekAnsi, false)) != text)
            FEncoding = TEncodingKind::ekUtf8;
    }
    WriteTextFile(FileName(), lines, FEncoding);
}

void TMemIniFile::Clear()
{
    FData->Sections.clear();
}

void TMemIniFile::GetStrings(TStrings* strings)
{
    strings->BeginUpdate();
    strings->Clear();
    strings->AddStrings(FData->Lines());
    strings->EndUpdate();
}

void TMemIniFile::SetStrings(TStrings* strings)
{
    FData->Parse(strings->ToStringList());
}

// TIniFile

TIniFile::TIniFile(const QString& fileName) : TMemIniFile(fileName) {}

void TIniFile::WriteString(const QString& section, const QString& ident, const QString& value)
{
    TMemIniFile::WriteString(section, ident, value);
    UpdateFile();
}

void TIniFile::EraseSection(const QString& section)
{
    TMemIniFile::EraseSection(section);
    UpdateFile();
}

void TIniFile::DeleteKey(const QString& section, const QString& ident)
{
    TMemIniFile::DeleteKey(section, ident);
    UpdateFile();
}
