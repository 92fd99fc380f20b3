#pragma once
// The framework's registry classes over an INI file of our own in the
// user's configuration folder. Each key is a section named by its full
// path ("HKEY_CURRENT_USER\Software\..."); values carry their type. Only
// what this program wrote exists: keys another program would have made are
// never there.
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/Object.h"
#include <QString>
#include <cstdint>
#include <memory>

class TStrings;

STRATAGON_DECLARE_EXCEPTION(ERegistryException, Exception)

using HKEY = uintptr_t;
constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000;
constexpr HKEY HKEY_CURRENT_USER = 0x80000001;
constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;
constexpr HKEY HKEY_USERS = 0x80000003;
constexpr HKEY HKEY_CURRENT_CONFIG = 0x80000005;

enum class TRegDataType { rdUnknown, rdString, rdInteger };

// The file behind the registry; "<config>/Stratagon/Registry.ini" unless
// set. Setting another name drops what was read from the old one.
QString RegistryFileName();
void SetRegistryFileName(const QString& fileName);

class TRegistry : public TObject {
public:
    TRegistry();
    ~TRegistry() override;

    // The root the key paths start from; HKEY_CURRENT_USER by default.
    // Setting it closes the open key.
    HKEY RootKey() const { return FRootKey; }
    void SetRootKey(HKEY value);
    // Path of the open key below the root, without a leading "\".
    const QString& CurrentPath() const { return FCurrentPath; }
    bool KeyOpen() const { return FOpen; }

    // Key names starting with "\" are taken from the root, others from the
    // open key. Note: OpenKey without CanCreate fails for a missing key.
    bool OpenKey(const QString& Key, bool CanCreate);
    bool OpenKeyReadOnly(const QString& Key);
    bool CreateKey(const QString& Key);
    // Removes the key with all its subkeys and values.
    bool DeleteKey(const QString& Key);
    bool KeyExists(const QString& Key);
    void CloseKey();

    bool ValueExists(const QString& Name);
    bool DeleteValue(const QString& Name);
    TRegDataType GetDataType(const QString& Name);
    bool HasSubKeys();
    // Clears strings, then adds the names of the open key's subkeys / values.
    void GetKeyNames(TStrings* Strings);
    void GetValueNames(TStrings* Strings);

    // Values of the open key (the root when none is open). Reading a
    // missing string gives ""; a missing or mistyped integer raises
    // ERegistryException. Writing to a key opened read-only, or failing to
    // save the file, raises ERegistryException.
    QString ReadString(const QString& Name);
    void WriteString(const QString& Name, const QString& Value);
    int ReadInteger(const QString& Name);
    void WriteInteger(const QString& Name, int Value);
    // Stored as the integer 1 or 0.
    bool ReadBool(const QString& Name);
    void WriteBool(const QString& Name, bool Value);

private:
    QString Resolve(const QString& Key) const;
    QString OpenPath() const;
    void CheckWritable(const QString& Name) const;

    HKEY FRootKey = HKEY_CURRENT_USER;
    QString FCurrentPath;
    bool FOpen = false;
    bool FReadOnly = false;
};

// Registry keys seen as an INI file: the key named at creation is the
// file, its subkeys the sections. Note: integers and booleans are written
// as strings, and read from either kind.
class TRegIniFile : public TRegistry {
public:
    // Opens (creating it when missing) the key FileName below
    // HKEY_CURRENT_USER.
    explicit TRegIniFile(const QString& FileName);

    const QString& FileName() const { return FFileName; }

    QString ReadString(const QString& Section, const QString& Ident, const QString& Default);
    void WriteString(const QString& Section, const QString& Ident, const QString& Value);
    int ReadInteger(const QString& Section, const QString& Ident, int Default);
    void WriteInteger(const QString& Section, const QString& Ident, int Value);
    bool ReadBool(const QString& Section, const QString& Ident, bool Default);
    void WriteBool(const QString& Section, const QString& Ident, bool Value);
    void ReadSection(const QString& Section, TStrings* Strings);
    void ReadSections(TStrings* Strings);
    // Clears Strings, then adds "name=value" lines.
    void ReadSectionValues(const QString& Section, TStrings* Strings);
    void EraseSection(const QString& Section);
    void DeleteKey(const QString& Section, const QString& Ident);

private:
    // Opens Section below the file key for a read or write; false when a
    // read finds it missing.
    bool Enter(const QString& Section, bool write);
    // Back to the file key.
    void Leave();

    QString FFileName;
};

// A TRegIniFile behind the INI file interface, so code that keeps
// settings can take either store.
class TRegistryIniFile : public TCustomIniFile {
public:
    explicit TRegistryIniFile(const QString& FileName);
    ~TRegistryIniFile() override;

    TRegIniFile& RegIniFile() { return *FRegIniFile; }

    QString ReadString(const QString& section, const QString& ident, const QString& def) override;
    void WriteString(const QString& section, const QString& ident, const QString& value) override;
    bool SectionExists(const QString& section) override;
    bool ValueExists(const QString& section, const QString& ident) override;
    void ReadSection(const QString& section, TStrings* strings) override;
    void ReadSections(TStrings* strings) override;
    void ReadSectionValues(const QString& section, TStrings* strings) override;
    void EraseSection(const QString& section) override;
    void DeleteKey(const QString& section, const QString& ident) override;
    // The registry saves every change at once; nothing is left to write.
    void UpdateFile() override {}

private:
    std::unique_ptr<TRegIniFile> FRegIniFile;
};
