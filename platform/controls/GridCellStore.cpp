#include "platform/controls/GridCellStore.h"
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

// One row: a header, then End[ColCap] (end offset of each column's text),
// then Chars[TextCap] (the texts back to back), in one heap block.
struct TGridCellStore::TRow {
    TObject** Objects = nullptr; // ObjCap slots, or nullptr
    unsigned ObjCap = 0;
    unsigned Cols = 0; // column slots in End; the last one holds a text
    unsigned ColCap = 0;
    unsigned TextCap = 0;
    unsigned Live = 0; // cells holding a text or an object

    unsigned* End() { return reinterpret_cast<unsigned*>(this + 1); }
    const unsigned* End() const { return reinterpret_cast<const unsigned*>(this + 1); }
    char16_t* Chars() { return reinterpret_cast<char16_t*>(End() + ColCap); }
    const char16_t* Chars() const { return reinterpret_cast<const char16_t*>(End() + ColCap); }
    unsigned Start(unsigned c) const { return c ? End()[c - 1] : 0; }
    unsigned Used() const { return Cols ? End()[Cols - 1] : 0; }
    unsigned Length(unsigned c) const { return c < Cols ? End()[c] - Start(c) : 0; }
    TObject* Object(unsigned c) const { return c < ObjCap ? Objects[c] : nullptr; }
    bool Holds(unsigned c) const { return Length(c) || Object(c); }
};

namespace {

using TRow = TGridCellStore::TRow;

// Room a new row takes from the hint at most.
constexpr unsigned MaxHintCols = 4096;
constexpr unsigned MaxHintChars = 1u << 16;
// Offsets are 32-bit; a row's texts stay well below that.
constexpr std::size_t MaxRowChars = 0x7FFFFFFF;

unsigned Grown(unsigned Cap, std::size_t Need)
{
    if (Need > MaxRowChars)
        throw std::bad_alloc();
    return unsigned(std::max<std::size_t>(Need, std::size_t(Cap) + Cap / 2));
}

TRow* Allocate(unsigned ColCap, unsigned TextCap)
{
    void* p = std::malloc(sizeof(TRow) + std::size_t(ColCap) * sizeof(unsigned) + std::size_t(TextCap) * sizeof(char16_t));
    if (!p)
        throw std::bad_alloc();
    TRow* r = new (p) TRow;
    r->ColCap = ColCap;
    r->TextCap = TextCap;
    return r;
}

void Free(TRow* Row)
{
    if (!Row)
        return;
    std::free(Row->Objects);
    Row->~TRow();
    std::free(Row);
}

void Grow(TRow*& Row, unsigned Cols, std::size_t Chars)
{
    unsigned colCap = Cols > Row->ColCap ? Grown(Row->ColCap, Cols) : Row->ColCap;
    unsigned textCap = Chars > Row->TextCap ? Grown(Row->TextCap, Chars) : Row->TextCap;
    TRow* n = Allocate(colCap, textCap);
    n->Objects = Row->Objects;
    n->ObjCap = Row->ObjCap;
    n->Cols = Row->Cols;
    n->Live = Row->Live;
    std::memcpy(n->End(), Row->End(), Row->Cols * sizeof(unsigned));
    std::memcpy(n->Chars(), Row->Chars(), Row->Used() * sizeof(char16_t));
    Row->Objects = nullptr;
    Free(Row);
    Row = n;
}

// Makes room for Cols column slots and Chars characters.
inline void Reserve(TRow*& Row, unsigned Cols, std::size_t Chars)
{
    if (Cols > Row->ColCap || Chars > Row->TextCap)
        Grow(Row, Cols, Chars);
}

// Drops trailing empty column slots.
void TrimSlots(TRow* Row)
{
    while (Row->Cols && !Row->Length(Row->Cols - 1))
        --Row->Cols;
}

// Gives the row at least Cols slots (the new ones empty).
void ExtendSlots(TRow*& Row, unsigned Cols)
{
    if (Row->Cols >= Cols)
        return;
    const unsigned used = Row->Used();
    Reserve(Row, Cols, used);
    std::fill(Row->End() + Row->Cols, Row->End() + Cols, used);
    Row->Cols = Cols;
}

void PutText(TRow*& Row, unsigned Col, const QChar* Text, unsigned Len)
{
    const unsigned used = Row->Used();
    if (Col >= Row->Cols) {
        if (!Len)
            return;
        Reserve(Row, Col + 1, std::size_t(used) + Len);
        unsigned* end = Row->End();
        std::fill(end + Row->Cols, end + Col, used);
        std::memcpy(Row->Chars() + used, Text, Len * sizeof(char16_t));
        end[Col] = used + Len;
        Row->Cols = Col + 1;
        return;
    }
    const unsigned start = Row->Start(Col), old = Row->Length(Col);
    if (Len > old)
        Reserve(Row, Row->Cols, std::size_t(used) + (Len - old));
    char16_t* chars = Row->Chars();
    std::memmove(chars + start + Len, chars + start + old, (used - start - old) * sizeof(char16_t));
    if (Len)
        std::memcpy(chars + start, Text, Len * sizeof(char16_t));
    unsigned* end = Row->End();
    for (unsigned i = Col; i < Row->Cols; ++i)
        end[i] = end[i] - old + Len;
    TrimSlots(Row);
}

// Gives the object array at least Count slots (the new ones empty).
void ExtendObjects(TRow* Row, unsigned Count)
{
    if (Row->ObjCap >= Count)
        return;
    const unsigned cap = Grown(Row->ObjCap, Count);
    void* p = std::realloc(Row->Objects, cap * sizeof(TObject*));
    if (!p)
        throw std::bad_alloc();
    Row->Objects = static_cast<TObject**>(p);
    std::fill(Row->Objects + Row->ObjCap, Row->Objects + cap, nullptr);
    Row->ObjCap = cap;
}

void PutObject(TRow* Row, unsigned Col, TObject* Value)
{
    if (Col >= Row->ObjCap) {
        if (!Value)
            return;
        ExtendObjects(Row, Col + 1);
    }
    Row->Objects[Col] = Value;
}

// Scratch space for rearranging the columns of one row after another.
struct TScratch {
    std::vector<char16_t> Chars;
    std::vector<unsigned> Lengths;
    std::vector<unsigned> Offsets;
    std::vector<TObject*> Objects;
};

// Rearranges slots Lo..Hi of a row: new slot k takes old slot Source(k).
// Linear in the slots and characters of the range.
template <typename F>
void Permute(TRow*& Row, unsigned Lo, unsigned Hi, F Source, TScratch& S)
{
    if (Row->Cols > Lo) {
        ExtendSlots(Row, Hi + 1);
        const unsigned from = Row->Start(Lo), to = Row->End()[Hi];
        const char16_t* chars = Row->Chars();
        S.Chars.assign(chars + from, chars + to);
        S.Lengths.resize(Hi - Lo + 1);
        for (unsigned k = Lo; k <= Hi; ++k)
            S.Lengths[k - Lo] = Row->Length(k);
        // Offsets of the old slots inside the copy.
        S.Offsets.resize(S.Lengths.size());
        unsigned acc = 0;
        for (std::size_t i = 0; i < S.Lengths.size(); ++i) {
            S.Offsets[i] = acc;
            acc += S.Lengths[i];
        }
        unsigned* end = Row->End();
        char16_t* out = Row->Chars();
        unsigned pos = from;
        for (unsigned k = Lo; k <= Hi; ++k) {
            const unsigned src = Source(k) - Lo;
            if (S.Lengths[src])
                std::memcpy(out + pos, S.Chars.data() + S.Offsets[src], S.Lengths[src] * sizeof(char16_t));
            pos += S.Lengths[src];
            end[k] = pos;
        }
        TrimSlots(Row);
    }
    if (Row->ObjCap > Lo) {
        ExtendObjects(Row, Hi + 1);
        S.Objects.assign(Row->Objects + Lo, Row->Objects + Hi + 1);
        for (unsigned k = Lo; k <= Hi; ++k)
            Row->Objects[k] = S.Objects[Source(k) - Lo];
    }
}

} // namespace

TGridCellStore::TGridCellStore(TGridCellStore&& Other) noexcept
{
    *this = std::move(Other);
}

TGridCellStore& TGridCellStore::operator=(TGridCellStore&& Other) noexcept
{
    if (this != &Other) {
        Clear();
        FRows.swap(Other.FRows);
        std::swap(FCellCount, Other.FCellCount);
        std::swap(FHintCols, Other.FHintCols);
        std::swap(FHintChars, Other.FHintChars);
    }
    return *this;
}

TGridCellStore::~TGridCellStore()
{
    Clear();
}

// Rows

TGridCellStore::TRow* TGridCellStore::RowAt(int ARow) const
{
    return ARow >= 0 && std::size_t(ARow) < FRows.size() ? FRows[std::size_t(ARow)] : nullptr;
}

void TGridCellStore::EnsureIndex(std::size_t Count)
{
    if (FRows.size() < Count)
        FRows.resize(Count, nullptr);
}

void TGridCellStore::TrimIndex()
{
    while (!FRows.empty() && !FRows.back())
        FRows.pop_back();
}

TGridCellStore::TRow*& TGridCellStore::EnsureRow(int ARow, bool ForText)
{
    EnsureIndex(std::size_t(ARow) + 1);
    TRow*& row = FRows[std::size_t(ARow)];
    if (!row)
        row = ForText ? Allocate(std::min(FHintCols, MaxHintCols), std::min(FHintChars, MaxHintChars))
                      : Allocate(0, 0);
    return row;
}

void TGridCellStore::Settle(int ARow)
{
    TRow*& row = FRows[std::size_t(ARow)];
    if (row && !row->Live) {
        Free(row);
        row = nullptr;
    }
    TrimIndex();
}

template <typename F>
void TGridCellStore::ForEachRow(F Apply)
{
    for (TRow*& row : FRows) {
        if (!row)
            continue;
        Apply(row);
        if (!row->Live) {
            Free(row);
            row = nullptr;
        }
    }
    TrimIndex();
}

// Cells

QString TGridCellStore::Text(int ACol, int ARow) const
{
    const TRow* row = RowAt(ARow);
    if (!row || ACol < 0)
        return {};
    const unsigned len = row->Length(unsigned(ACol));
    if (!len)
        return {};
    return QString(reinterpret_cast<const QChar*>(row->Chars() + row->Start(unsigned(ACol))), len);
}

void TGridCellStore::SetText(int ACol, int ARow, const QString& Value)
{
    if (ACol < 0 || ARow < 0)
        return;
    const unsigned col = unsigned(ACol);
    if (Value.isEmpty()) {
        if (!RowAt(ARow))
            return;
        TRow*& row = FRows[std::size_t(ARow)];
        const bool had = row->Holds(col);
        PutText(row, col, nullptr, 0);
        if (had && !row->Holds(col)) {
            --row->Live;
            --FCellCount;
        }
        Settle(ARow);
        return;
    }
    if (std::size_t(Value.size()) > MaxRowChars)
        throw std::bad_alloc();
    TRow*& row = EnsureRow(ARow, true);
    const bool had = row->Holds(col);
    PutText(row, col, Value.constData(), unsigned(Value.size()));
    if (!had) {
        ++row->Live;
        ++FCellCount;
    }
    FHintCols = row->Cols;
    FHintChars = row->Used();
}

TObject* TGridCellStore::Object(int ACol, int ARow) const
{
    const TRow* row = RowAt(ARow);
    return row && ACol >= 0 ? row->Object(unsigned(ACol)) : nullptr;
}

void TGridCellStore::SetObject(int ACol, int ARow, TObject* Value)
{
    if (ACol < 0 || ARow < 0 || (!Value && !RowAt(ARow)))
        return;
    const unsigned col = unsigned(ACol);
    TRow*& row = EnsureRow(ARow, false);
    const bool had = row->Holds(col);
    PutObject(row, col, Value);
    const bool has = row->Holds(col);
    if (has != had) {
        row->Live += has ? 1 : -1;
        FCellCount += has ? 1 : -1;
    }
    Settle(ARow);
}

bool TGridCellStore::Exists(int ACol, int ARow) const
{
    const TRow* row = RowAt(ARow);
    return row && ACol >= 0 && row->Holds(unsigned(ACol));
}

// Row operations: pointers only

void TGridCellStore::MoveRow(int From, int To)
{
    if (From == To || From < 0 || To < 0 || std::size_t(std::min(From, To)) >= FRows.size())
        return;
    EnsureIndex(std::size_t(std::max(From, To)) + 1);
    auto first = FRows.begin();
    if (From < To)
        std::rotate(first + From, first + From + 1, first + To + 1);
    else
        std::rotate(first + To, first + From, first + From + 1);
    TrimIndex();
}

void TGridCellStore::ExchangeRows(int A, int B)
{
    if (A == B || A < 0 || B < 0 || std::size_t(std::min(A, B)) >= FRows.size())
        return;
    EnsureIndex(std::size_t(std::max(A, B)) + 1);
    std::swap(FRows[std::size_t(A)], FRows[std::size_t(B)]);
    TrimIndex();
}

void TGridCellStore::InsertRow(int Index)
{
    if (Index >= 0 && std::size_t(Index) < FRows.size())
        FRows.insert(FRows.begin() + Index, nullptr);
}

void TGridCellStore::DeleteRow(int Index)
{
    if (Index < 0 || std::size_t(Index) >= FRows.size())
        return;
    ClearRow(Index);
    if (std::size_t(Index) < FRows.size())
        FRows.erase(FRows.begin() + Index);
}

void TGridCellStore::ClearRow(int Index)
{
    TRow* row = RowAt(Index);
    if (!row)
        return;
    FCellCount -= row->Live;
    Free(row);
    FRows[std::size_t(Index)] = nullptr;
    TrimIndex();
}

void TGridCellStore::Clear()
{
    for (TRow* row : FRows)
        Free(row);
    FRows.clear();
    FCellCount = 0;
}

// Column operations: row by row, over the slots they touch

void TGridCellStore::MoveColumn(int From, int To)
{
    if (From == To || From < 0 || To < 0)
        return;
    const unsigned from = unsigned(From), to = unsigned(To);
    const unsigned lo = std::min(from, to), hi = std::max(from, to);
    TScratch scratch;
    ForEachRow([&](TRow*& row) {
        Permute(
            row, lo, hi,
            [=](unsigned k) {
                if (k == to)
                    return from;
                return from < to ? k + 1 : k - 1;
            },
            scratch);
    });
}

void TGridCellStore::ExchangeColumns(int A, int B)
{
    if (A == B || A < 0 || B < 0)
        return;
    const unsigned lo = unsigned(std::min(A, B)), hi = unsigned(std::max(A, B));
    TScratch scratch;
    ForEachRow([&](TRow*& row) {
        Permute(row, lo, hi, [=](unsigned k) { return k == lo ? hi : k == hi ? lo : k; }, scratch);
    });
}

void TGridCellStore::InsertColumn(int Index)
{
    if (Index < 0)
        return;
    const unsigned at = unsigned(Index);
    ForEachRow([&](TRow*& row) {
        if (at < row->Cols) {
            Reserve(row, row->Cols + 1, row->Used());
            unsigned* end = row->End();
            std::memmove(end + at + 1, end + at, (row->Cols - at) * sizeof(unsigned));
            end[at] = row->Start(at);
            ++row->Cols;
        }
        if (at < row->ObjCap) {
            if (row->Objects[row->ObjCap - 1])
                ExtendObjects(row, row->ObjCap + 1);
            std::memmove(row->Objects + at + 1, row->Objects + at, (row->ObjCap - at - 1) * sizeof(TObject*));
            row->Objects[at] = nullptr;
        }
    });
}

void TGridCellStore::DeleteColumn(int Index)
{
    if (Index < 0)
        return;
    const unsigned at = unsigned(Index);
    ForEachRow([&](TRow*& row) {
        if (row->Holds(at)) {
            --row->Live;
            --FCellCount;
        }
        if (at < row->Cols) {
            const unsigned start = row->Start(at), len = row->Length(at), used = row->Used();
            char16_t* chars = row->Chars();
            std::memmove(chars + start, chars + start + len, (used - start - len) * sizeof(char16_t));
            unsigned* end = row->End();
            for (unsigned i = at + 1; i < row->Cols; ++i)
                end[i - 1] = end[i] - len;
            --row->Cols;
            TrimSlots(row);
        }
        if (at < row->ObjCap) {
            std::memmove(row->Objects + at, row->Objects + at + 1, (row->ObjCap - at - 1) * sizeof(TObject*));
            row->Objects[row->ObjCap - 1] = nullptr;
        }
    });
}

void TGridCellStore::ClearColumn(int Index)
{
    if (Index < 0)
        return;
    const unsigned at = unsigned(Index);
    ForEachRow([&](TRow*& row) {
        if (row->Holds(at)) {
            --row->Live;
            --FCellCount;
        }
        PutText(row, at, nullptr, 0);
        PutObject(row, at, nullptr);
    });
}
