#include "platform/controls/GridCellStore.h"
#include <algorithm>

namespace {

template <typename Row>
auto LowerBound(Row& row, int ACol)
{
    return std::lower_bound(row.begin(), row.end(), ACol, [](const auto& c, int col) { return c.Col < col; });
}

} // namespace

const TGridCellStore::TCell* TGridCellStore::Find(int ACol, int ARow) const
{
    auto r = FRows.find(ARow);
    if (r == FRows.end())
        return nullptr;
    auto it = LowerBound(r->second, ACol);
    return it != r->second.end() && it->Col == ACol ? &*it : nullptr;
}

TGridCellStore::TCell* TGridCellStore::Find(int ACol, int ARow)
{
    return const_cast<TCell*>(static_cast<const TGridCellStore*>(this)->Find(ACol, ARow));
}

TGridCellStore::TCell& TGridCellStore::Ensure(int ACol, int ARow)
{
    TRow& row = FRows[ARow];
    // Filling a row left to right appends.
    if (row.empty() || row.back().Col < ACol) {
        ++FCellCount;
        row.push_back(TCell{ACol, {}, nullptr});
        return row.back();
    }
    auto it = LowerBound(row, ACol);
    if (it != row.end() && it->Col == ACol)
        return *it;
    ++FCellCount;
    return *row.insert(it, TCell{ACol, {}, nullptr});
}

void TGridCellStore::Prune(int ACol, int ARow)
{
    auto r = FRows.find(ARow);
    if (r == FRows.end())
        return;
    auto it = LowerBound(r->second, ACol);
    if (it == r->second.end() || it->Col != ACol || !it->Text.isEmpty() || it->Object)
        return;
    r->second.erase(it);
    --FCellCount;
    if (r->second.empty())
        FRows.erase(r);
}

QString TGridCellStore::Text(int ACol, int ARow) const
{
    const TCell* c = Find(ACol, ARow);
    return c ? c->Text : QString();
}

void TGridCellStore::SetText(int ACol, int ARow, const QString& Value)
{
    if (Value.isEmpty()) {
        if (TCell* c = Find(ACol, ARow)) {
            c->Text.clear();
            Prune(ACol, ARow);
        }
        return;
    }
    Ensure(ACol, ARow).Text = Value;
}

TObject* TGridCellStore::Object(int ACol, int ARow) const
{
    const TCell* c = Find(ACol, ARow);
    return c ? c->Object : nullptr;
}

void TGridCellStore::SetObject(int ACol, int ARow, TObject* Value)
{
    if (!Value) {
        if (TCell* c = Find(ACol, ARow)) {
            c->Object = nullptr;
            Prune(ACol, ARow);
        }
        return;
    }
    Ensure(ACol, ARow).Object = Value;
}

bool TGridCellStore::Exists(int ACol, int ARow) const { return Find(ACol, ARow) != nullptr; }

template <typename F>
void TGridCellStore::RekeyRows(int Lo, int Hi, F Map)
{
    std::vector<decltype(FRows)::node_type> nodes;
    for (auto it = FRows.lower_bound(Lo); it != FRows.end() && it->first <= Hi;)
        nodes.push_back(FRows.extract(it++));
    for (auto& n : nodes) {
        n.key() = Map(n.key());
        FRows.insert(std::move(n));
    }
}

void TGridCellStore::MoveRow(int From, int To)
{
    if (From == To)
        return;
    if (From < To)
        RekeyRows(From, To, [=](int r) { return r == From ? To : r - 1; });
    else
        RekeyRows(To, From, [=](int r) { return r == From ? To : r + 1; });
}

void TGridCellStore::MoveColumn(int From, int To)
{
    if (From == To)
        return;
    int lo = std::min(From, To), hi = std::max(From, To);
    for (auto& [key, row] : FRows) {
        auto first = LowerBound(row, lo);
        auto last = LowerBound(row, hi + 1);
        if (first == last)
            continue;
        for (auto it = first; it != last; ++it) {
            if (it->Col == From)
                it->Col = To;
            else
                it->Col += From < To ? -1 : 1;
        }
        std::sort(first, last, [](const TCell& a, const TCell& b) { return a.Col < b.Col; });
    }
}

void TGridCellStore::ClearRow(int Index)
{
    auto r = FRows.find(Index);
    if (r == FRows.end())
        return;
    FCellCount -= r->second.size();
    FRows.erase(r);
}

void TGridCellStore::ClearColumn(int Index)
{
    for (auto r = FRows.begin(); r != FRows.end();) {
        auto it = LowerBound(r->second, Index);
        if (it != r->second.end() && it->Col == Index) {
            r->second.erase(it);
            --FCellCount;
        }
        if (r->second.empty())
            r = FRows.erase(r);
        else
            ++r;
    }
}

void TGridCellStore::DeleteRow(int Index)
{
    ClearRow(Index);
    if (!FRows.empty())
        RekeyRows(Index + 1, FRows.rbegin()->first, [](int r) { return r - 1; });
}

void TGridCellStore::DeleteColumn(int Index)
{
    ClearColumn(Index);
    for (auto& [key, row] : FRows)
        for (auto it = LowerBound(row, Index + 1); it != row.end(); ++it)
            --it->Col;
}

void TGridCellStore::Clear()
{
    FRows.clear();
    FCellCount = 0;
}

int TGridCellStore::LastRow() const { return FRows.empty() ? -1 : FRows.rbegin()->first; }
