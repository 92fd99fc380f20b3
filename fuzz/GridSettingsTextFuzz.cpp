// Arbitrary text as the column states line and as the sort settings
// string of a grid with cells, a fixed row, a moved and a hidden column:
// each is taken or raises the platform's error, and the column states the
// grid then writes read back to themselves.
#include "GridFuzzApp.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/SortSettings.h"
#include "platform/rtl/Exceptions.h"
#include <cstdlib>

namespace {

void Fill(TProStringGrid& Grid)
{
    Grid.SetColCount(6);
    Grid.SetRowCount(8);
    Grid.SetFixedRows(1);
    for (int r = 1; r < Grid.RowCount(); ++r)
        for (int c = 0; c < Grid.ColCount(); ++c)
            Grid.SetCells(c, r, r % 3 ? QString::number((r * 7 + c * 3) % 10) : QString());
    Grid.MoveColumn(1, 4);
    Grid.HideColumn(2);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    StartGridFuzzApp();
    const QString Text = QString::fromUtf8(reinterpret_cast<const char*>(Data), qsizetype(Size));

    TProStringGrid grid;
    Fill(grid);
    bool taken = true;
    try {
        grid.StringToColumnStates(Text);
    } catch (const Exception&) {
        taken = false;
    }
    if (taken) {
        const QString states = grid.ColumnStatesToString();
        TProStringGrid again;
        Fill(again);
        again.StringToColumnStates(states);
        if (again.ColumnStatesToString() != states)
            std::abort();
    }

    TProStringGrid sorted;
    Fill(sorted);
    try {
        sorted.SortSettings()->LoadFromString(Text);
    } catch (const Exception&) {
    }
    sorted.SortSettings()->SaveToString();
    return 0;
}
