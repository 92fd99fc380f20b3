#include "grid/foundation/IntList.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"
#include <cstdint>

namespace {

constexpr std::uint32_t DescendingBit = 0x80000000u;
constexpr std::uint32_t ColumnMask = 0x7FFFFFFFu;

void* ToItem(int Value)
{
    return reinterpret_cast<void*>(static_cast<std::intptr_t>(Value));
}

} // namespace

TIntList::TIntList(int Col, int Row) : FCol(Col), FRow(Row) {}

void TIntList::Changed()
{
    if (OnChange)
        OnChange(this, FCol, FRow);
}

int TIntList::GetInteger(int Index) const
{
    return static_cast<int>(reinterpret_cast<std::intptr_t>(TList::Items(Index)));
}

void TIntList::SetInteger(int Index, int Value)
{
    SetItems(Index, ToItem(Value));
    Changed();
}

int TIntList::Add(int Value)
{
    const int i = TList::Add(ToItem(Value));
    Changed();
    return i;
}

void TIntList::Insert(int Index, int Value)
{
    TList::Insert(Index, ToItem(Value));
}

void TIntList::Delete(int Index)
{
    TList::Delete(Index);
    Changed();
}

void TIntList::DeleteValue(int Value)
{
    const int i = IndexOf(ToItem(Value));
    if (i >= 0)
        Delete(i);
}

bool TIntList::HasValue(int Value) const
{
    return IndexOf(ToItem(Value)) >= 0;
}

QString TIntList::StrValue() const
{
    QString s;
    for (int i = 0; i < Count(); ++i) {
        if (i > 0)
            s += QLatin1Char(',');
        s += QString::number(GetInteger(i));
    }
    return s;
}

void TIntList::SetStrValue(const QString& Value)
{
    TStringList items;
    items.SetCommaText(Value);
    TList::Clear();
    for (int i = 0; i < items.Count(); ++i)
        Add(StrToInt(items[i]));
}

void TSortIndexList::AddIndex(int ColumnIndex, bool Ascending)
{
    std::uint32_t v = std::uint32_t(ColumnIndex);
    if (!Ascending)
        v |= DescendingBit;
    Add(int(v));
}

int TSortIndexList::FindIndex(int ColumnIndex) const
{
    for (int i = 0; i < Count(); ++i)
        if ((std::uint32_t(GetInteger(i)) & ColumnMask) == (std::uint32_t(ColumnIndex) & ColumnMask))
            return i;
    return -1;
}

void TSortIndexList::ToggleIndex(int ColumnIndex)
{
    const int i = FindIndex(ColumnIndex);
    if (i >= 0)
        SetInteger(i, int(std::uint32_t(GetInteger(i)) ^ DescendingBit));
}

int TSortIndexList::SortColumns(int i) const
{
    return int(std::uint32_t(GetInteger(i)) & ColumnMask);
}

void TSortIndexList::SetSortColumns(int i, int Value)
{
    const std::uint32_t old = std::uint32_t(GetInteger(i));
    SetInteger(i, int((old & DescendingBit) | (std::uint32_t(Value) & ColumnMask)));
}

bool TSortIndexList::SortDirections(int i) const
{
    return (std::uint32_t(GetInteger(i)) & DescendingBit) == 0;
}

void TSortIndexList::SetSortDirections(int i, bool Value)
{
    const std::uint32_t old = std::uint32_t(GetInteger(i));
    SetInteger(i, int(Value ? old & ColumnMask : old | DescendingBit));
}

QString TSortIndexList::SaveToString() const
{
    QString s;
    for (int i = 0; i < Count(); ++i) {
        if (i > 0)
            s += QLatin1Char(';');
        const std::uint32_t v = std::uint32_t(GetInteger(i));
        s += (v & DescendingBit) ? QLatin1Char('d') : QLatin1Char('u');
        s += QString::number(v & 0xFFFF);
    }
    return s;
}

void TSortIndexList::LoadFromString(const QString& S)
{
    TList::Clear();
    QString rest = S;
    while (!rest.isEmpty()) {
        QString part;
        const int p = rest.indexOf(QLatin1Char(';'));
        if (p >= 0) {
            part = rest.left(p);
            rest = rest.mid(p + 1);
        } else {
            part = rest;
            rest.clear();
        }
        if (part.size() < 2)
            continue;
        AddIndex(StrToIntDef(part.mid(1), 0), part[0] == QLatin1Char('u'));
    }
}
