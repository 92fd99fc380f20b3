#include "grid/core/ProStringGrid.h"
#include "grid/foundation/ControlList.h"
#include "platform/controls/ScrollBar.h"

// Controls placed over cells: the cell's properties hold the control, the
// control list holds (real column, real row, control) for placing them.

TControl* TProStringGrid::GetCellControls(int ACol, int ARow)
{
    if (!HasCellProperties(ACol, ARow))
        return nullptr;
    return CellProperties(ACol, ARow)->Control();
}

void TProStringGrid::SetCellControls(int ACol, int ARow, TControl* AControl)
{
    const int realRow = RealRowIndex(ARow);
    if (!AControl) {
        if (!HasCellProperties(ACol, ARow))
            return;
        TCellProperties* props = CellProperties(ACol, ARow);
        if (props->Control()) {
            const int i = FControlList->ControlIndex(ACol, realRow);
            if (i >= 0)
                FControlList->RemoveControl(i);
            FNumCellControls = std::max(FNumCellControls - 1, 0);
        }
        props->SetControl(nullptr);
        return;
    }
    TCellProperties* props = CellProperties(ACol, ARow);
    const int i = FControlList->ControlIndex(ACol, realRow);
    if (i >= 0)
        FControlList->RemoveControl(i);
    if (!props->Control())
        ++FNumCellControls;
    FControlList->AddControl(ACol, realRow, AControl);
    props->SetControl(AControl);
    AControl->SetParent(this);
    const TRect r = CellRect(RealToDisplCol(ACol), ARow);
    AControl->SetBounds(r.Left - 1, r.Top - 1, r.Right - r.Left + 1, r.Bottom - r.Top + 1);
}

void TProStringGrid::CellControlsUpdate(bool RebuildList)
{
    if (!HandleAllocated())
        return;
    if (RebuildList) {
        FControlList->Clear();
        for (int r = 0; r < RowCount(); ++r)
            for (int c = 0; c < ColCount(); ++c)
                if (HasCellProperties(c, r))
                    if (TControl* control = CellProperties(c, r)->Control())
                        FControlList->AddControl(c, RealRowIndex(r), control);
    }
    if (FScrollBar && FScrollBar->Visible()) {
        const bool inView = Row() >= TopRow() && LeftCol() <= Col() && Col() < LeftCol() + VisibleColCount() &&
                            Row() < TopRow() + VisibleRowCount();
        if (inView) {
            const TRect r = CellRect(Col(), Row());
            FScrollBar->SetBounds(r.Right - FScrollBar->Width(), r.Top, FScrollBar->Width(), r.Bottom - r.Top);
        } else {
            FScrollBar->SetHeight(0);
        }
    }
    if (FNumCellControls == 0)
        return;
    for (int i = 0; i < FControlList->Count(); ++i) {
        TControlItem* item = FControlList->Control(i);
        TControl* control = item->Control();
        if (!control)
            continue;
        const bool hidden = IsHiddenColumn(item->X()) || IsHiddenRow(item->Y());
        // Stored by real column; placed at the display column.
        const int col = RealToDisplCol(item->X());
        const int row = RealToDisplRow(item->Y());
        if (row < FixedRows() || col < FixedCols())
            continue;
        const bool out = hidden || col < LeftCol() || col > LeftCol() + VisibleColCount() || row < TopRow() ||
                         row > TopRow() + VisibleRowCount();
        if (out) {
            control->SetVisible(false);
            continue;
        }
        const TRect r = CellRect(col, row);
        control->SetBounds(r.Left - 1, r.Top - 1, r.Right - r.Left + 1, r.Bottom - r.Top + 1);
        control->SetVisible(true);
        control->Invalidate();
    }
}
