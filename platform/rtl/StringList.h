#pragma once
// String lists: the abstract TStrings and the TStringList that stores
// strings with an object pointer each.
#include "platform/rtl/Object.h"
#include "platform/rtl/TextFile.h"
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class TStream;
class TStringList;

enum class TDuplicates { dupIgnore, dupAccept, dupError };

// Compares the items at Index1 and Index2: negative, zero or positive.
using TStringListSortCompare = std::function<int(TStringList* List, int Index1, int Index2)>;

class TStrings : public TPersistent {
public:
    TStrings() = default;
    ~TStrings() override;

    // Adding and removing
    virtual int Add(const QString& S);
    virtual int AddObject(const QString& S, TObject* AObject);
    void Append(const QString& S) { Add(S); }
    virtual void AddStrings(TStrings* Strings);
    void AddStrings(const QStringList& Strings);
    virtual void Insert(int Index, const QString& S) = 0;
    virtual void InsertObject(int Index, const QString& S, TObject* AObject);
    virtual void Delete(int Index) = 0;
    virtual void Clear() = 0;
    virtual void Exchange(int Index1, int Index2);
    // Moves the item (string and object) from CurIndex to NewIndex.
    virtual void Move(int CurIndex, int NewIndex);

    // Copies strings and objects from another TStrings; anything else
    // raises the "Cannot assign" error.
    void Assign(TPersistent* Source) override;
    // True when both lists hold the same strings in the same order.
    bool Equals(TStrings* Strings) const;

    // Searching; comparisons go through CompareStrings.
    virtual int IndexOf(const QString& S) const;
    // Index of the first "name=value" item with this name, or -1.
    int IndexOfName(const QString& Name) const;
    int IndexOfObject(TObject* AObject) const;

    // Item access
    int Count() const { return GetCount(); }
    QString Strings(int Index) const { return Get(Index); }
    void SetStrings(int Index, const QString& S) { Put(Index, S); }
    QString operator[](int Index) const { return Get(Index); }
    TObject* Objects(int Index) const { return GetObject(Index); }
    void SetObjects(int Index, TObject* AObject) { PutObject(Index, AObject); }
    virtual QString Get(int Index) const = 0;
    virtual void Put(int Index, const QString& S);
    virtual TObject* GetObject(int Index) const;
    virtual void PutObject(int Index, TObject* AObject);
    virtual int GetCount() const = 0;

    // Name=value items
    // The part before the first NameValueSeparator; "" when there is none.
    QString Names(int Index) const;
    // The value of the first item named Name; "" when there is none.
    QString Values(const QString& Name) const;
    // Note: an empty value deletes the item; a new name is added at the end.
    void SetValues(const QString& Name, const QString& Value);
    // The part after the first NameValueSeparator; "" when there is none.
    QString ValueFromIndex(int Index) const;
    // Note: an empty value deletes the item.
    void SetValueFromIndex(int Index, const QString& Value);
    QChar NameValueSeparator() const { return FNameValueSeparator; }
    void SetNameValueSeparator(QChar c) { FNameValueSeparator = c; }

    // Delimited text
    // The items joined by ","; an item with ",", '"' or a character up to
    // U+0020 is quoted with embedded quotes doubled. Uses StrictDelimiter.
    QString CommaText() const;
    void SetCommaText(const QString& Value);
    // As CommaText with Delimiter and QuoteChar.
    QString DelimitedText() const;
    // Note: without StrictDelimiter, unquoted blanks split items too, and
    // blanks around items are dropped.
    void SetDelimitedText(const QString& Value);
    QChar Delimiter() const { return FDelimiter; }
    void SetDelimiter(QChar c) { FDelimiter = c; }
    QChar QuoteChar() const { return FQuoteChar; }
    void SetQuoteChar(QChar c) { FQuoteChar = c; }
    bool StrictDelimiter() const { return FStrictDelimiter; }
    void SetStrictDelimiter(bool value) { FStrictDelimiter = value; }

    // Text: every line ended by CR LF.
    QString Text() const { return GetTextStr(); }
    // Splits at CR, LF and CR LF; a final line break adds no empty line.
    void SetText(const QString& Value) { SetTextStr(Value); }
    virtual QString GetTextStr() const;
    virtual void SetTextStr(const QString& Value);
    QStringList ToStringList() const;

    // Update batching: change events wait for the outermost EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // Files and streams. Reading without an encoding detects it (byte-order
    // mark, valid UTF-8, else ANSI) and remembers it in Encoding; writing
    // without one uses Encoding. Unicode encodings are written with their
    // byte-order mark; every line ends with CR LF.
    // Note: saving a file goes through the atomic write.
    void LoadFromFile(const QString& FileName);
    virtual void LoadFromFile(const QString& FileName, TEncodingKind AEncoding);
    void LoadFromStream(TStream* Stream);
    virtual void LoadFromStream(TStream* Stream, TEncodingKind AEncoding);
    void SaveToFile(const QString& FileName) const;
    virtual void SaveToFile(const QString& FileName, TEncodingKind AEncoding) const;
    void SaveToStream(TStream* Stream) const;
    virtual void SaveToStream(TStream* Stream, TEncodingKind AEncoding) const;
    // The encoding found by the last load without one; ANSI at first.
    TEncodingKind Encoding() const { return FEncoding; }

protected:
    // Called when BeginUpdate/EndUpdate enter or leave the outermost level.
    virtual void SetUpdateState(bool Updating) {}
    // Compares two strings the way IndexOf and sorting do (case-insensitive).
    virtual int CompareStrings(const QString& S1, const QString& S2) const;
    [[noreturn]] void Error(const QString& Msg, int Data) const;
    void SetDelimitedTextWith(const QString& Value, QChar Delim, QChar Quote);
    QString GetDelimitedTextWith(QChar Delim, QChar Quote) const;
    void LoadFromBytes(const QByteArray& Bytes, const TEncodingKind* AEncoding);

private:
    int FUpdateCount = 0;
    TEncodingKind FEncoding = TEncodingKind::ekAnsi;
    QChar FDelimiter = QLatin1Char(',');
    QChar FQuoteChar = QLatin1Char('"');
    QChar FNameValueSeparator = QLatin1Char('=');
    bool FStrictDelimiter = false;
};

// One string of a TStringList with its object.
struct TStringItem {
    QString FString;
    TObject* FObject = nullptr;
};
// Items move in memory as plain bytes, so inserting into a long list is a
// single memmove.
Q_DECLARE_TYPEINFO(TStringItem, Q_RELOCATABLE_TYPE);

class TStringList : public TStrings {
public:
    explicit TStringList(bool OwnsObjects = false);
    ~TStringList() override;

    int Add(const QString& S) override;
    int AddObject(const QString& S, TObject* AObject) override;
    void Insert(int Index, const QString& S) override;
    void InsertObject(int Index, const QString& S, TObject* AObject) override;
    void Delete(int Index) override;
    void Clear() override;
    void Exchange(int Index1, int Index2) override;
    void Move(int CurIndex, int NewIndex) override;
    int IndexOf(const QString& S) const override;

    // Binary search of a sorted list: true when found; Index is the first
    // match or the position where S would be inserted.
    bool Find(const QString& S, int& Index) const;
    virtual void Sort();
    // Note: does nothing on a Sorted list.
    virtual void CustomSort(const TStringListSortCompare& Compare);

    QString Get(int Index) const override;
    void Put(int Index, const QString& S) override;
    TObject* GetObject(int Index) const override;
    void PutObject(int Index, TObject* AObject) override;
    int GetCount() const override { return int(FList.size()); }

    // Sorting and duplicates
    bool Sorted() const { return FSorted; }
    // Note: switching Sorted on sorts the list.
    void SetSorted(bool value);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates value) { FDuplicates = value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    // Note: a sorted list is sorted again.
    void SetCaseSensitive(bool value);
    // When true, the list frees the objects of deleted items and on Clear.
    bool OwnsObjects() const { return FOwnsObjects; }
    void SetOwnsObjects(bool value) { FOwnsObjects = value; }

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    void SetUpdateState(bool Updating) override;
    int CompareStrings(const QString& S1, const QString& S2) const override;
    virtual void Changed();
    virtual void Changing();
    virtual void InsertItem(int Index, const QString& S, TObject* AObject);

private:
    void CheckIndex(int Index) const;
    void SortWith(const TStringListSortCompare& Compare);
    static int DefaultCompare(TStringList* List, int Index1, int Index2);

    QList<TStringItem> FList;
    TDuplicates FDuplicates = TDuplicates::dupIgnore;
    bool FSorted = false;
    bool FCaseSensitive = false;
    bool FOwnsObjects = false;
    // Set while inside BeginUpdate/EndUpdate: OnChanging already fired,
    // and something changed.
    bool FChangingSent = false;
    bool FChangedPending = false;
};
