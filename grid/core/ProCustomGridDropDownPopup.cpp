// The grid drop-down's popup: making and placing the grid, opening,
// sizing, closing, following and choosing rows, re-selecting after a sort,
// and the steps of the item index.
#include "grid/core/ProCustomGridDropDown.h"
#include "grid/core/ProCustomGridDropDownGrid.h"
#include "grid/core/LookSettings.h"
#include "grid/core/SortSettings.h"
#include "grid/dropdown/DropDownUtils.h"
#include "grid/foundation/Bands.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/SearchFooter.h"
#include "platform/controls/SystemMetrics.h"
#include "platform/controls/WinApi.h"

using namespace ProCustomGridDropDownUnit;

void TCustomProGridDropDown::CreateDropDownForm()
{
    TProCustomDropDown::CreateDropDownForm();
    if (!FDropDownForm || !FItems)
        return;
    if (!FProColGrid) {
        FProColGrid = new TProColGrid(this);
        FProColGrid->SetParent(FDropDownForm);
        FProColGrid->SetProDropDown(this);
    }
    FProColGrid->SetBounds(0, 0, FProColGrid->Width(), 180);
    FProColGrid->SetColor(DropDownColor());
    FProColGrid->SetDoubleBuffered(true);
    FProColGrid->Navigation()->SetHomeEndKey(heFirstLastRow);
}

void TCustomProGridDropDown::PlaceDropDownControl()
{
    if (FProColGrid && FControl != FProColGrid)
        SetControl(FProColGrid);
    TProCustomDropDown::PlaceDropDownControl();
}

// Opening

void TCustomProGridDropDown::PrepareGrid()
{
    TProColGrid* g = FProColGrid;
    g->PrepareFromDropDown(this);
    g->SetColor(DropDownColor());
    TSortSettings* sort = g->SortSettings();
    sort->SetShow(FSorting != gsNone);
    sort->SetIndexShow(FSorting == gsMultiColumn);
    FBalloonInit = false;
    BindGridEvents();
    g->SearchFooter()->Assign(FSearchFooter.get());
    g->MouseActions()->Assign(FMouseActions.get());
    g->Navigation()->Assign(FNavigation.get());
    g->Bands()->Assign(FBands.get());
    TGridOptions options = g->Options() + goThumbTracking;
    options = FRowSelect ? options + goRowSelect : options - goRowSelect;
    options = FGridEditable ? options + goEditing : options - goEditing;
    g->SetOptions(options);
    g->SetGridImages(FGridImages);
    g->SetComponentStyle(GetComponentStyle());
}

void TCustomProGridDropDown::BeforeDropDown()
{
    if (FDropDownForm)
        FDropDownForm->SetCancelOnDeActivate(false);
    TProColGrid* g = FProColGrid;
    if (!g) {
        TProCustomDropDown::BeforeDropDown();
        return;
    }
    PrepareGrid();
    if (FUseItems) {
        TProCustomDropDown::BeforeDropDown();
        // Rows narrowed while the popup was closed are refilled, then
        // narrowed again.
        const bool narrowed = g->FilterLevel() > 0;
        if (narrowed)
            g->RemoveAllFilters();
        g->SetRowCount(FItems->Count() + 1);
        g->SetFixedRows(1);
        g->FillFromItems();
        const QString entry = FLookupEntry.trimmed();
        if (narrowed && FLookupMethod == lmNarrowDown && !entry.isEmpty())
            g->NarrowDown(entry, FLookupColumn);
        const int r = ItemIndexToRow(FItemIndex);
        if (r >= g->FixedRows() && r < g->RowCount())
            g->SetRow(r);
    } else {
        QString full;
        int row = -1;
        if (LookupRow(GetText(), full, row))
            g->SetRow(row);
        else if (g->RowCount() > g->FixedRows())
            g->SetRow(g->FixedRows());
    }
    TSortSettings* sort = g->SortSettings();
    if (sort->Column() >= 0 && sort->Show())
        g->QSort();
    FOldItemIndex = FItemIndex;
    if (!FUseItems)
        TProCustomDropDown::BeforeDropDown();
}

void TCustomProGridDropDown::DoShowDropDown()
{
    TControlGuard alive = Guard();
    TProCustomDropDown::DoShowDropDown();
    TProColGrid* g = FProColGrid;
    if (alive.expired() || !g)
        return;
    if (!FUseItems)
        while (FColumns->Count() < g->ColCount())
            FColumns->Add();
    if (FDroppedDown)
        SizeColumnsToDropDown();
    const int visible = g->VisibleRowCount();
    if (visible + g->FixedRows() < g->RowCount()) {
        if (g->Row() > g->TopRow() + visible || g->Row() < g->TopRow())
            g->SetTopRow(std::min(g->Row(), std::max(g->RowCount() - visible, g->FixedRows())));
    }
    // The row the grid shows as current: a confirmed close without a new
    // choice keeps the current item.
    FSelRow = g->Row();
    g->SetTabStop(true);
    if (FDroppedDown && g->CanFocus())
        g->SetFocus();
}

void TCustomProGridDropDown::UpdateDropDownSize()
{
    TProCustomDropDown::UpdateDropDownSize();
    if (!FDropDownAutoWidth || !FDropDownForm || !FProColGrid)
        return;
    const int w = FProColGrid->GetPreferredWidth();
    FProColGrid->SetAlign(alNone);
    FProColGrid->SetWidth(w);
    FDropDownForm->SetWidth(FProColGrid->Width() + 2 * FDropDownBorderWidth);
    FProColGrid->SetAlign(alClient);
}

void TCustomProGridDropDown::AdjustDropDownHeight(int& Height)
{
    int panels = 0;
    if (DropDownHeader()->Visible())
        panels += DropDownHeader()->Height();
    if (DropDownFooter()->Visible())
        panels += DropDownFooter()->Height();
    const int rows = FDropDownRowHeight > 0 ? (Height - panels - FHeaderHeight - 2) / FDropDownRowHeight : 0;
    Height = panels + FHeaderHeight + 6 + FDropDownRowHeight * rows;
}

void TCustomProGridDropDown::SizeColumnsToDropDown()
{
    TProColGrid* g = FProColGrid;
    if (!FColumnSizeWithDropDown || !g || !FDropDownForm)
        return;
    g->SetScrollBars(ssVertical);
    if (FColumns->Count() == 0)
        return;
    std::vector<int> weights;
    for (int i = 0; i < FColumns->Count(); ++i)
        weights.push_back(FColumns->Items(i)->Width());
    int available = FDropDownForm->Width();
    if (g->VisibleRowCount() + g->FixedRows() < g->RowCount())
        available -= GetSystemMetrics(SM_CXVSCROLL);
    const std::vector<int> widths = ScaleColumnWidths(weights, available);
    for (int i = 0; i < g->ColCount() && i < FColumns->Count(); ++i)
        g->SetColWidths(i, widths[std::size_t(i)]);
}

void TCustomProGridDropDown::DropDownSizing()
{
    TProCustomDropDown::DropDownSizing();
    SizeColumnsToDropDown();
}

// Closing

void TCustomProGridDropDown::DoHideDropDown(bool Cancelled)
{
    if (FDropDownForm && FDropDownForm->Visible()) {
        TControlGuard alive = Guard();
        if (Cancelled) {
            SetItemIndex(FOldItemIndex);
        } else {
            if (FProColGrid && FProColGrid->ConfirmSelection()) {
                if (FUseItems)
                    SetItemIndex(RowToItemIndex(FSelRow));
                else
                    SetItemIndex(FSelRow - FProColGrid->FixedRows());
                FProColGrid->SetConfirmSelection(false);
            }
            FOldItemIndex = FItemIndex;
        }
        if (alive.expired())
            return;
    }
    TProCustomDropDown::DoHideDropDown(Cancelled);
}

// Following and choosing rows

void TCustomProGridDropDown::GridSelectCell(int ARow)
{
    FSelRow = ARow;
    if (FProColGrid->MouseWheelSelection())
        return;
    if (FUseItems) {
        SetItemIndex(RowToItemIndex(ARow));
    } else {
        SetText(FProColGrid->Cells(FLookupColumn, ARow));
        SetItemIndex(ARow - FProColGrid->FixedRows());
    }
}

void TCustomProGridDropDown::GridSelect()
{
    TControlGuard alive = Guard();
    TProColGrid* g = FProColGrid;
    if (g->ConfirmSelection())
        SetItemIndex(FUseItems ? RowToItemIndex(g->Row()) : g->Row() - 1);
    if (!FGridEditable)
        DoHideDropDown(false);
    if (!alive.expired())
        CallEvent(OnSelect, this);
}

// Steps of the item index

void TCustomProGridDropDown::DoSelectNext()
{
    TProCustomDropDown::DoSelectNext();
    const int count = ItemCount();
    if (count == 0)
        return;
    if (FItemIndex < 0)
        SetItemIndex(0);
    else if (FItemIndex + 1 < count)
        SetItemIndex(FItemIndex + 1);
}

void TCustomProGridDropDown::DoSelectPrevious()
{
    TProCustomDropDown::DoSelectPrevious();
    if (ItemCount() == 0)
        return;
    if (FItemIndex < 0)
        SetItemIndex(0);
    else if (FItemIndex - 1 >= 0)
        SetItemIndex(FItemIndex - 1);
}
