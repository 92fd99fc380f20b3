#pragma once
// INI files of our own: sections and keys stay in file order, values are
// kept verbatim.
//
// Reading a file: leading blanks of a line are dropped; "[name]" opens a
// section (name trimmed); "key=value" is an entry whose key is the trimmed
// text before the first "=" and whose value is everything after it, as it
// stands (no trimming, no quote stripping, a literal "\n" stays two
// characters). Other lines (comments) are kept as they are and written
// back, but are no keys. Blank lines are dropped; the file is written with
// one blank line after each section. Section and key names compare without
// regard to case; a key met twice in a section keeps its first value.
#include "platform/rtl/Object.h"
#include "platform/rtl/TextFile.h"
#include <QString>
#include <memory>

class TStrings;

class TCustomIniFile : public TObject {
public:
    explicit TCustomIniFile(const QString& fileName);
    ~TCustomIniFile() override;

    const QString& FileName() const { return FFileName; }

    // The value of a key, or def when the key is missing.
    virtual QString ReadString(const QString& section, const QString& ident,
                               const QString& def) = 0;
    virtual void WriteString(const QString& section, const QString& ident,
                             const QString& value) = 0;
    // Decimal, "$" or "0x" hexadecimal; def when missing or not a number.
    int ReadInteger(const QString& section, const QString& ident, int def);
    void WriteInteger(const QString& section, const QString& ident, int value);
    // "0" is false, any other text true; def when missing or empty.
    bool ReadBool(const QString& section, const QString& ident, bool def);
    // Writes "1" or "0".
    void WriteBool(const QString& section, const QString& ident, bool value);
    // Numbers, dates and times in the current format settings;
    // def when missing or not convertible.
    double ReadFloat(const QString& section, const QString& ident, double def);
    void WriteFloat(const QString& section, const QString& ident, double value);
    double ReadDate(const QString& section, const QString& ident, double def);
    void WriteDate(const QString& section, const QString& ident, double value);
    double ReadDateTime(const QString& section, const QString& ident, double def);
    void WriteDateTime(const QString& section, const QString& ident, double value);
    double ReadTime(const QString& section, const QString& ident, double def);
    void WriteTime(const QString& section, const QString& ident, double value);

    virtual bool SectionExists(const QString& section);
    virtual bool ValueExists(const QString& section, const QString& ident);
    // Clears strings, then adds the key names of the section in file order.
    virtual void ReadSection(const QString& section, TStrings* strings) = 0;
    // Clears strings, then adds the section names in file order.
    virtual void ReadSections(TStrings* strings) = 0;
    // Clears strings, then adds "key=value" lines of the section.
    virtual void ReadSectionValues(const QString& section, TStrings* strings) = 0;
    virtual void EraseSection(const QString& section) = 0;
    virtual void DeleteKey(const QString& section, const QString& ident) = 0;
    // Writes the whole file through the atomic write.
    virtual void UpdateFile() = 0;

private:
    QString FFileName;
};

// The whole file held in memory: read once when created, written back only
// by UpdateFile. A missing file gives an empty INI file.
class TMemIniFile : public TCustomIniFile {
public:
    // Reads the file (encoding detected as text files are); raises
    // EFOpenError when it exists but cannot be read.
    explicit TMemIniFile(const QString& fileName);
    ~TMemIniFile() override;

    QString ReadString(const QString& section, const QString& ident,
                       const QString& def) override;
    void WriteString(const QString& section, const QString& ident,
                     const QString& value) override;
    bool SectionExists(const QString& section) override;
    bool ValueExists(const QString& section, const QString& ident) override;
    void ReadSection(const QString& section, TStrings* strings) override;
    void ReadSections(TStrings* strings) override;
    void ReadSectionValues(const QString& section, TStrings* strings) override;
    void EraseSection(const QString& section) override;
    void DeleteKey(const QString& section, const QString& ident) override;
    // Note: writes in Encoding(): ANSI files stay ANSI, UTF-8 and UTF-16
    // files are written with their byte-order mark.
    void UpdateFile() override;

    // Empties the file in memory.
    void Clear();
    // The file as lines, and replacing it from lines.
    void GetStrings(TStrings* strings);
    void SetStrings(TStrings* strings);

    // The encoding UpdateFile writes; the encoding found when reading.
    TEncodingKind Encoding() const { return FEncoding; }
    void SetEncoding(TEncodingKind value) { FEncoding = value; }

private:
    struct TData;
    std::unique_ptr<TData> FData;
    TEncodingKind FEncoding = TEncodingKind::ekAnsi;
};

// An INI file that writes through: every WriteString, EraseSection and
// DeleteKey ends with UpdateFile, so the file on disk always holds the
// last change. Note: the file is read once, when the object is created.
class TIniFile : public TMemIniFile {
public:
    explicit TIniFile(const QString& fileName);

    void WriteString(const QString& section, const QString& ident,
                     const QString& value) override;
    void EraseSection(const QString& section) override;
    void DeleteKey(const QString& section, const QString& ident) override;
};
