#include "platform/rtl/StringList.h"
#include "platform/rtl/AtomicFile.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"
#include "platform/rtl/SysUtils.h"

#include <algorithm>
#include <numeric>
#include "platform/rtl/AsciiChars.h"

namespace {

const QString kIndexError = QStringLiteral("List index out of bounds (%1)");

char16_t FoldAscii(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
}

// The order of AnsiCompareText/AnsiCompareStr for ASCII text, without
// their allocations; anything else goes to them.
int CompareAscii(const QString& S1, const QString& S2, bool caseSensitive)
{
    const qsizetype n = std::min(S1.size(), S2.size());
    const char16_t* a = reinterpret_cast<const char16_t*>(S1.constData());
    const char16_t* b = reinterpret_cast<const char16_t*>(S2.constData());
    int caseOrder = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t fa = FoldAscii(a[i]);
        const char16_t fb = FoldAscii(b[i]);
        if (fa != fb)
            return fa < fb ? -1 : 1;
        // Same letter, other case: lower case first.
        if (caseOrder == 0 && a[i] != b[i])
            caseOrder = a[i] > b[i] ? -1 : 1;
    }
    if (S1.size() != S2.size())
        return S1.size() < S2.size() ? -1 : 1;
    return caseSensitive ? caseOrder : 0;
}

} // namespace

// TStrings

TStrings::~TStrings() = default;

int TStrings::Add(const QString& S)
{
    const int result = GetCount();
    Insert(result, S);
    return result;
}

int TStrings::AddObject(const QString& S, TObject* AObject)
{
    const int result = Add(S);
    PutObject(result, AObject);
    return result;
}

void TStrings::AddStrings(TStrings* Strings)
{
    BeginUpdate();
    try {
        // The count is taken first so adding a list to itself ends.
        const int n = Strings->Count();
        for (int i = 0; i < n; ++i)
            AddObject(Strings->Get(i), Strings->GetObject(i));
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::AddStrings(const QStringList& Strings)
{
    BeginUpdate();
    try {
        for (const QString& s : Strings)
            Add(s);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::InsertObject(int Index, const QString& S, TObject* AObject)
{
    Insert(Index, S);
    PutObject(Index, AObject);
}

void TStrings::Exchange(int Index1, int Index2)
{
    BeginUpdate();
    try {
        const QString s = Get(Index1);
        TObject* o = GetObject(Index1);
        Put(Index1, Get(Index2));
        PutObject(Index1, GetObject(Index2));
        Put(Index2, s);
        PutObject(Index2, o);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::Move(int CurIndex, int NewIndex)
{
    if (CurIndex == NewIndex)
        return;
    BeginUpdate();
    try {
        const QString s = Get(CurIndex);
        TObject* o = GetObject(CurIndex);
        Delete(CurIndex);
        InsertObject(NewIndex, s, o);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::Assign(TPersistent* Source)
{
    if (auto* src = dynamic_cast<TStrings*>(Source)) {
        if (src == this)
            return;
        BeginUpdate();
        try {
            Clear();
            FNameValueSeparator = src->FNameValueSeparator;
            FQuoteChar = src->FQuoteChar;
            FDelimiter = src->FDelimiter;
            FStrictDelimiter = src->FStrictDelimiter;
            AddStrings(src);
        } catch (...) {
            EndUpdate();
            throw;
        }
        EndUpdate();
        return;
    }
    TPersistent::Assign(Source);
}

bool TStrings::Equals(TStrings* Strings) const
{
    const int n = GetCount();
    if (!Strings || n != Strings->GetCount())
        return false;
    for (int i = 0; i < n; ++i)
        if (Get(i) != Strings->Get(i))
            return false;
    return true;
}

int TStrings::IndexOf(const QString& S) const
{
    const int n = GetCount();
    for (int i = 0; i < n; ++i)
        if (CompareStrings(Get(i), S) == 0)
            return i;
    return -1;
}

int TStrings::IndexOfName(const QString& Name) const
{
    const int n = GetCount();
    for (int i = 0; i < n; ++i) {
        const QString s = Get(i);
        const int p = s.indexOf(FNameValueSeparator);
        if (p >= 0 && CompareStrings(s.left(p), Name) == 0)
            return i;
    }
    return -1;
}

int TStrings::IndexOfObject(TObject* AObject) const
{
    const int n = GetCount();
    for (int i = 0; i < n; ++i)
        if (GetObject(i) == AObject)
            return i;
    return -1;
}

void TStrings::Put(int Index, const QString& S)
{
    TObject* o = GetObject(Index);
    Delete(Index);
    InsertObject(Index, S, o);
}

TObject* TStrings::GetObject(int Index) const
{
    return nullptr;
}

void TStrings::PutObject(int Index, TObject* AObject)
{
}

QString TStrings::Names(int Index) const
{
    const QString s = Get(Index);
    const int p = s.indexOf(FNameValueSeparator);
    return p >= 0 ? s.left(p) : QString();
}

QString TStrings::Values(const QString& Name) const
{
    const int i = IndexOfName(Name);
    return i >= 0 ? ValueFromIndex(i) : QString();
}

void TStrings::SetValues(const QString& Name, const QString& Value)
{
    int i = IndexOfName(Name);
    if (!Value.isEmpty()) {
        if (i < 0)
            i = Add(QString());
        Put(i, Name + FNameValueSeparator + Value);
    } else if (i >= 0) {
        Delete(i);
    }
}

QString TStrings::ValueFromIndex(int Index) const
{
    if (Index < 0)
        return QString();
    const QString s = Get(Index);
    const int p = s.indexOf(FNameValueSeparator);
    return p >= 0 ? s.mid(p + 1) : QString();
}

void TStrings::SetValueFromIndex(int Index, const QString& Value)
{
    if (!Value.isEmpty()) {
        if (Index < 0)
            Index = Add(QString());
        Put(Index, Names(Index) + FNameValueSeparator + Value);
    } else if (Index >= 0) {
        Delete(Index);
    }
}

QString TStrings::CommaText() const
{
    return GetDelimitedTextWith(QLatin1Char(','), QLatin1Char('"'));
}

void TStrings::SetCommaText(const QString& Value)
{
    SetDelimitedTextWith(Value, QLatin1Char(','), QLatin1Char('"'));
}

QString TStrings::DelimitedText() const
{
    return GetDelimitedTextWith(FDelimiter, FQuoteChar);
}

void TStrings::SetDelimitedText(const QString& Value)
{
    SetDelimitedTextWith(Value, FDelimiter, FQuoteChar);
}

QString TStrings::GetDelimitedTextWith(QChar Delim, QChar Quote) const
{
    const int n = GetCount();
    // A single empty item must not read back as an empty list.
    if (n == 1 && Get(0).isEmpty())
        return QString(2, Quote);
    QString result;
    const QString doubled(2, Quote);
    for (int i = 0; i < n; ++i) {
        const QString s = Get(i);
        const bool quote = std::any_of(s.cbegin(), s.cend(), [&](QChar c) {
            return IsBlank(c) || c == Quote || c == Delim;
        });
        if (i > 0)
            result += Delim;
        if (quote) {
            QString q = s;
            q.replace(Quote, doubled);
            result += Quote + q + Quote;
        } else {
            result += s;
        }
    }
    return result;
}

void TStrings::SetDelimitedTextWith(const QString& Value, QChar Delim, QChar Quote)
{
    const bool strict = FStrictDelimiter;
    const int len = Value.size();
    const QChar* v = Value.constData();
    int p = 0;
    auto skipBlanks = [&] {
        if (!strict)
            while (p < len && IsBlank(v[p]))
                ++p;
    };
    BeginUpdate();
    try {
        Clear();
        skipBlanks();
        while (p < len) {
            QString s;
            if (v[p] == Quote) {
                // Quoted: doubled quotes stand for one; the text ends at a
                // single quote or at the end of the value.
                ++p;
                while (p < len) {
                    if (v[p] == Quote) {
                        ++p;
                        if (p >= len || v[p] != Quote)
                            break;
                    }
                    s += v[p++];
                }
            } else {
                const int start = p;
                while (p < len && v[p] != Delim && (strict || !IsBlank(v[p])))
                    ++p;
                s = Value.mid(start, p - start);
            }
            Add(s);
            skipBlanks();
            if (p < len && v[p] == Delim) {
                if (p + 1 == len)
                    Add(QString());
                ++p;
                skipBlanks();
            }
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

QString TStrings::GetTextStr() const
{
    const int n = GetCount();
    QString result;
    for (int i = 0; i < n; ++i) {
        result += Get(i);
        result += QLatin1String("\r\n");
    }
    return result;
}

void TStrings::SetTextStr(const QString& Value)
{
    BeginUpdate();
    try {
        Clear();
        const int len = Value.size();
        const QChar* v = Value.constData();
        int p = 0;
        while (p < len) {
            const int start = p;
            while (p < len && v[p] != QLatin1Char('\r') && v[p] != QLatin1Char('\n'))
                ++p;
            Add(Value.mid(start, p - start));
            if (p < len && v[p] == QLatin1Char('\r'))
                ++p;
            if (p < len && v[p] == QLatin1Char('\n'))
                ++p;
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

QStringList TStrings::ToStringList() const
{
    QStringList result;
    const int n = GetCount();
    result.reserve(n);
    for (int i = 0; i < n; ++i)
        result << Get(i);
    return result;
}

void TStrings::BeginUpdate()
{
    if (FUpdateCount == 0)
        SetUpdateState(true);
    ++FUpdateCount;
}

void TStrings::EndUpdate()
{
    if (FUpdateCount <= 0)
        return;
    --FUpdateCount;
    if (FUpdateCount == 0)
        SetUpdateState(false);
}

void TStrings::LoadFromFile(const QString& FileName)
{
    TFileStream f(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromBytes(f.ReadAll(), nullptr);
}

void TStrings::LoadFromFile(const QString& FileName, TEncodingKind AEncoding)
{
    TFileStream f(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromBytes(f.ReadAll(), &AEncoding);
}

void TStrings::LoadFromStream(TStream* Stream)
{
    LoadFromBytes(Stream->ReadAll(), nullptr);
}

void TStrings::LoadFromStream(TStream* Stream, TEncodingKind AEncoding)
{
    LoadFromBytes(Stream->ReadAll(), &AEncoding);
}

void TStrings::LoadFromBytes(const QByteArray& Bytes, const TEncodingKind* AEncoding)
{
    QString text;
    if (AEncoding) {
        text = DecodeTextAs(Bytes, *AEncoding);
    } else {
        TEncodingKind found = TEncodingKind::ekAnsi;
        text = DecodeText(Bytes, &found);
        FEncoding = found;
    }
    SetTextStr(text);
}

void TStrings::SaveToFile(const QString& FileName) const
{
    SaveToFile(FileName, FEncoding);
}

void TStrings::SaveToFile(const QString& FileName, TEncodingKind AEncoding) const
{
    WriteFileAtomic(FileName, EncodeText(GetTextStr(), AEncoding, true));
}

void TStrings::SaveToStream(TStream* Stream) const
{
    SaveToStream(Stream, FEncoding);
}

void TStrings::SaveToStream(TStream* Stream, TEncodingKind AEncoding) const
{
    Stream->WriteBytes(EncodeText(GetTextStr(), AEncoding, true));
}

int TStrings::CompareStrings(const QString& S1, const QString& S2) const
{
    if (IsAscii(S1) && IsAscii(S2))
        return CompareAscii(S1, S2, false);
    return AnsiCompareText(S1, S2);
}

void TStrings::Error(const QString& Msg, int Data) const
{
    throw EStringListError(Msg.arg(Data));
}

// TStringList

TStringList::TStringList(bool OwnsObjects)
    : FOwnsObjects(OwnsObjects)
{
}

TStringList::~TStringList()
{
    OnChange = nullptr;
    OnChanging = nullptr;
    if (FOwnsObjects)
        for (TStringItem& item : FList)
            FreeAndNil(item.FObject);
}

void TStringList::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= GetCount())
        Error(kIndexError, Index);
}

void TStringList::SetUpdateState(bool Updating)
{
    if (Updating) {
        FChangingSent = false;
        FChangedPending = false;
    } else if (FChangedPending) {
        FChangedPending = false;
        FChangingSent = false;
        if (OnChange)
            OnChange(this);
    }
}

void TStringList::Changing()
{
    if (UpdateCount() == 0) {
        if (OnChanging)
            OnChanging(this);
    } else if (!FChangingSent) {
        FChangingSent = true;
        if (OnChanging)
            OnChanging(this);
    }
}

void TStringList::Changed()
{
    if (UpdateCount() == 0) {
        if (OnChange)
            OnChange(this);
    } else {
        FChangedPending = true;
    }
}

int TStringList::Add(const QString& S)
{
    return AddObject(S, nullptr);
}

int TStringList::AddObject(const QString& S, TObject* AObject)
{
    int index = GetCount();
    if (FSorted && Find(S, index)) {
        switch (FDuplicates) {
        case TDuplicates::dupIgnore:
            return index;
        case TDuplicates::dupError:
            throw EStringListError(QStringLiteral("String list does not allow duplicates"));
        case TDuplicates::dupAccept:
            break;
        }
    }
    InsertItem(index, S, AObject);
    return index;
}

void TStringList::Insert(int Index, const QString& S)
{
    InsertObject(Index, S, nullptr);
}

void TStringList::InsertObject(int Index, const QString& S, TObject* AObject)
{
    if (FSorted)
        throw EStringListError(QStringLiteral("Operation not allowed on sorted list"));
    if (Index < 0 || Index > GetCount())
        Error(kIndexError, Index);
    InsertItem(Index, S, AObject);
}

void TStringList::InsertItem(int Index, const QString& S, TObject* AObject)
{
    Changing();
    FList.insert(Index, TStringItem{S, AObject});
    Changed();
}

void TStringList::Delete(int Index)
{
    CheckIndex(Index);
    Changing();
    TObject* obj = FList[Index].FObject;
    FList.remove(Index);
    if (FOwnsObjects)
        delete obj;
    Changed();
}

void TStringList::Clear()
{
    if (FList.empty())
        return;
    Changing();
    QList<TStringItem> old;
    old.swap(FList);
    if (FOwnsObjects)
        for (TStringItem& item : old)
            FreeAndNil(item.FObject);
    Changed();
}

void TStringList::Exchange(int Index1, int Index2)
{
    CheckIndex(Index1);
    CheckIndex(Index2);
    Changing();
    FList.swapItemsAt(Index1, Index2);
    Changed();
}

void TStringList::Move(int CurIndex, int NewIndex)
{
    if (CurIndex == NewIndex)
        return;
    if (FSorted)
        throw EStringListError(QStringLiteral("Operation not allowed on sorted list"));
    CheckIndex(CurIndex);
    CheckIndex(NewIndex);
    Changing();
    FList.move(CurIndex, NewIndex);
    Changed();
}

int TStringList::IndexOf(const QString& S) const
{
    if (!FSorted) {
        for (qsizetype i = 0; i < FList.size(); ++i)
            if (CompareStrings(FList[i].FString, S) == 0)
                return int(i);
        return -1;
    }
    int index = 0;
    return Find(S, index) ? index : -1;
}

bool TStringList::Find(const QString& S, int& Index) const
{
    int lo = 0;
    int hi = GetCount() - 1;
    bool found = false;
    while (lo <= hi) {
        const int mid = lo + (hi - lo) / 2;
        const int c = CompareStrings(FList.at(mid).FString, S);
        if (c < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (c == 0)
                found = true;
        }
    }
    Index = lo;
    return found;
}

void TStringList::Sort()
{
    CustomSort(DefaultCompare);
}

// A sorted list is in order already; a custom order would break Find.
void TStringList::CustomSort(const TStringListSortCompare& Compare)
{
    if (!FSorted && GetCount() > 1)
        SortWith(Compare);
}

int TStringList::DefaultCompare(TStringList* List, int Index1, int Index2)
{
    return List->CompareStrings(List->FList.at(Index1).FString, List->FList.at(Index2).FString);
}

void TStringList::SortWith(const TStringListSortCompare& Compare)
{
    // Sort a permutation so the compare function sees the items at their
    // original indexes throughout; then apply it. Equal items keep their order.
    std::vector<int> order(FList.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return Compare(this, a, b) < 0; });
    Changing();
    QList<TStringItem> sorted;
    sorted.reserve(FList.size());
    for (int i : order)
        sorted.push_back(std::move(FList[i]));
    FList.swap(sorted);
    Changed();
}

QString TStringList::Get(int Index) const
{
    CheckIndex(Index);
    return FList.at(Index).FString;
}

void TStringList::Put(int Index, const QString& S)
{
    if (FSorted)
        throw EStringListError(QStringLiteral("Operation not allowed on sorted list"));
    CheckIndex(Index);
    Changing();
    FList[Index].FString = S;
    Changed();
}

TObject* TStringList::GetObject(int Index) const
{
    CheckIndex(Index);
    return FList.at(Index).FObject;
}

void TStringList::PutObject(int Index, TObject* AObject)
{
    CheckIndex(Index);
    Changing();
    FList[Index].FObject = AObject;
    Changed();
}

void TStringList::SetSorted(bool value)
{
    if (FSorted == value)
        return;
    if (value && GetCount() > 1)
        SortWith(DefaultCompare);
    FSorted = value;
}

void TStringList::SetCaseSensitive(bool value)
{
    if (FCaseSensitive == value)
        return;
    FCaseSensitive = value;
    if (FSorted && GetCount() > 1)
        SortWith(DefaultCompare);
}

int TStringList::CompareStrings(const QString& S1, const QString& S2) const
{
    if (IsAscii(S1) && IsAscii(S2))
        return CompareAscii(S1, S2, FCaseSensitive);
    return FCaseSensitive ? AnsiCompareStr(S1, S2) : AnsiCompareText(S1, S2);
}
