// The column widths and the column order in the settings store that
// ColumnSize names: an INI file or the user's registry, one section per grid.
#include "grid/core/GridSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/IntList.h"
#include "platform/rtl/IniFile.h"
#include "platform/services/Registry.h"
#include <algorithm>
#include <memory>
#include <set>

namespace {

std::unique_ptr<TCustomIniFile> OpenStore(const TColumnSize& Size)
{
    if (Size.Location() == clIniFile)
        return std::make_unique<TMemIniFile>(Size.Key());
    return std::make_unique<TRegistryIniFile>(Size.Key());
}

QString ColKey(int i) { return QStringLiteral("Col%1").arg(i); }
QString PosKey(int i) { return QStringLiteral("Pos%1").arg(i); }

} // namespace

bool TProStringGrid::HasColumnStore() const
{
    return !FColumnSize->Key().isEmpty() && !FColumnSize->Section().isEmpty() && !ComponentState().Contains(TComponentStateFlag::csDesigning);
}

void TProStringGrid::SaveColSizes()
{
    if (!HasColumnStore())
        return;
    auto store = OpenStore(*FColumnSize);
    for (int i = 0; i < ColCount(); ++i)
        store->WriteInteger(FColumnSize->Section(), ColKey(i), ColWidths(i));
    store->UpdateFile();
}

void TProStringGrid::LoadColSizes()
{
    if (!HasColumnStore())
        return;
    auto store = OpenStore(*FColumnSize);
    for (int i = 0; i < ColCount(); ++i) {
        const int w = store->ReadInteger(FColumnSize->Section(), ColKey(i), ColWidths(i));
        if (w != ColWidths(i))
            SetColWidths(i, w);
    }
}

void TProStringGrid::SaveColPositions()
{
    if (!HasColumnStore())
        return;
    auto store = OpenStore(*FColumnSize);
    // Never moved: the columns stand in their first order, and that is
    // written too, so no older order comes back on loading.
    const int n = FColumnOrder->Count() > 0 ? FColumnOrder->Count() : AllColCount();
    for (int i = 0; i < n; ++i)
        store->WriteInteger(FColumnSize->Section(), PosKey(i),
                            FColumnOrder->Count() > 0 ? FColumnOrder->Items(i) : i);
    store->UpdateFile();
}

void TProStringGrid::LoadColPositions()
{
    if (!HasColumnStore())
        return;
    auto store = OpenStore(*FColumnSize);
    const QString& section = FColumnSize->Section();
    if (store->ReadInteger(section, PosKey(0), -1) == -1)
        return;
    std::vector<int> order;
    for (int i = 0; i < AllColCount(); ++i) {
        const int v = store->ReadInteger(section, PosKey(i), -1);
        if (v != -1)
            order.push_back(v);
    }
    ApplyColumnOrder(order);
}

void TProStringGrid::ApplyColumnOrder(const std::vector<int>& Order)
{
    // The columns hidden now, by the index they had before any move.
    std::set<int> hidden;
    for (int c = 0; c < AllColCount(); ++c)
        if (IsHiddenColumn(c))
            hidden.insert(FColumnOrder->Count() > c ? FColumnOrder->Items(c) : c);
    // Back to the first order, so the saved order is not laid over a moved one.
    if (FColumnOrder->Count() > 0)
        ResetColumnOrder();
    UnHideColumnsAll();
    const int n = AllColCount();
    // Moving column i to the position the saved order gives it is what
    // ResetColumnOrder does with the inverse of that order.
    std::vector<std::vector<int>> positions(n);
    for (int q = 0; q < int(Order.size()); ++q)
        if (Order[q] >= 0 && Order[q] < n)
            positions[Order[q]].push_back(q);
    std::vector<int> inverse;
    for (int p = 0; p < n && int(inverse.size()) < n; ++p)
        for (int q : positions[p])
            inverse.push_back(q);
    inverse.resize(std::min<std::size_t>(inverse.size(), n));
    FColumnOrder->Clear();
    for (int v : inverse)
        FColumnOrder->Add(v);
    if (FColumnOrder->Count() > 0)
        ResetColumnOrder();
    FColumnOrder->Clear();
    for (int v : Order)
        FColumnOrder->Add(v);
    for (int c = n - 1; c >= 0; --c)
        if (hidden.count(c < int(Order.size()) ? Order[c] : c))
            HideColumn(c);
}
