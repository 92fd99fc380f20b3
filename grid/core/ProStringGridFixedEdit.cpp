// Editing fixed cells in place and the drop-down button of fixed cells.
// A fixed cell is edited in one of the two transparent editors laid over
// it (an edit or a combo, as MouseActions and OnFixedEdit choose); the
// cell's text changes only when the edit is committed. The drop-down
// button at the right of a hover-highlighted fixed cell pops up
// FixedDropDownMenu.
#include "grid/core/CellEditors.h"
#include "grid/core/ControlLook.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/MouseActions.h"
#include "platform/controls/Menu.h"

namespace {

// The width of the drop-down button at a fixed cell's right edge.
constexpr int DropDownWidth = 16;
// A press this close to a border that may be sized does not edit.
constexpr int SizingMargin = 4;

} // namespace

void TProStringGrid::StartFixedCellEdit(int ACol, int ARow)
{
    if (!EndFixedEdit())
        return;
    bool canEdit = true;
    DoCanEditCell(ACol, ARow, canEdit);
    if (!canEdit)
        return;
    // A cell of the fixed columns below the fixed rows takes the column
    // editor; every other fixed cell (the corner's column 0 aside) the row
    // editor.
    const bool colEditor = ACol == 0 || (ACol < FixedCols() && ARow >= FixedRows());
    TGridFixedCellEditor kind = colEditor ? FMouseActions->FixedColsEditor() : FMouseActions->FixedRowsEditor();
    // The handler may change this edit's items; FixedComboValues stays.
    FTransCombo->Items()->Assign(FMouseActions->FixedComboValues());
    DoFixedEdit(ACol, ARow, kind, FTransCombo->Items());
    const int realCol = DisplToRealCol(ACol);
    TRect r = CellRect(ACol, ARow);
    InflateRect(r, -1, -1);
    SetFixedEditCell(ACol, ARow);
    TWinControl* editor = nullptr;
    if (kind == fceEdit) {
        FTransEdit->OnChange = nullptr;
        FTransEdit->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        FTransEdit->SetText(Cells(realCol, ARow));
        FTransEdit->SetCol(realCol);
        FTransEdit->SetRow(ARow);
        FTransEdit->OnChange = [this](TObject* Sender) { FixedEditChange(Sender); };
        editor = FTransEdit;
    } else {
        FTransCombo->OnChange = nullptr;
        FTransCombo->SetBounds(r.Left - 1, r.Top - 1, r.Width() + 1, r.Height() + 1);
        FTransCombo->SetStyle(kind == fceComboEdit ? csDropDown : csDropDownList);
        FTransCombo->SetText(Cells(realCol, ARow));
        FTransCombo->SetCol(realCol);
        FTransCombo->SetRow(ARow);
        FTransCombo->OnChange = [this](TObject* Sender) { FixedEditChange(Sender); };
        editor = FTransCombo;
    }
    editor->SetVisible(true);
    if (editor->CanFocus())
        editor->SetFocus();
}

bool TProStringGrid::FixedEditing() const
{
    return (FTransEdit && FTransEdit->Visible()) || (FTransCombo && FTransCombo->Visible());
}

bool TProStringGrid::EndFixedEdit()
{
    if (!FixedEditing())
        return true;
    TWinControl* editor = FTransEdit->Visible() ? static_cast<TWinControl*>(FTransEdit) : FTransCombo;
    // Focused, the editor commits as the grid takes the focus back.
    if (editor->Focused())
        TakeFocus();
    else if (editor == FTransEdit)
        FTransEdit->StopEdit();
    else
        FTransCombo->StopEdit();
    return !editor->Visible();
}

bool TProStringGrid::PressFixedEdit(TMouseButton Button, int X, int Y)
{
    int col = -1, row = -1;
    MouseToCell(X, Y, col, row);
    if (col < 0 || row < 0)
        return false;
    const bool fixedRow = row < FixedRows();
    const bool fixedCol = col < FixedCols();
    if (Button == mbRight) {
        if ((fixedRow && FMouseActions->FixedRowsEdit() == fceRightClick) ||
            (fixedCol && FMouseActions->FixedColsEdit() == fceRightClick)) {
            StartFixedCellEdit(col, row);
            return true;
        }
        return false;
    }
    if (Button != mbLeft)
        return false;
    const bool byRow = fixedRow && FMouseActions->FixedRowsEdit() == fceLeftClick;
    const bool byCol = fixedCol && FMouseActions->FixedColsEdit() == fceLeftClick;
    if (!byRow && !byCol)
        return false;
    // Presses on a border that may be sized size it instead.
    const TRect r = CellRect(col, row);
    const bool rowInside = X - r.Left > SizingMargin && r.Right - X > SizingMargin;
    const bool colInside = Y - r.Top > SizingMargin && r.Bottom - Y > SizingMargin;
    if (byRow && Options().Contains(goColSizing) && !rowInside)
        return false;
    if (!byRow && Options().Contains(goRowSizing) && !colInside)
        return false;
    StartFixedCellEdit(col, row);
    return true;
}

bool TProStringGrid::OnFixedDropDownButton(int ACol, int ARow, int X)
{
    if (!FControlLook->FixedDropDownButton() || !IsHoverFixedCell(ACol, ARow) ||
        !CanShowFixedDropDown(DisplToRealCol(ACol)))
        return false;
    const TRect r = CellRect(ACol, ARow);
    const int right = Options().Contains(goColSizing) ? r.Right - 2 : r.Right;
    return X > r.Right - DropDownWidth && X < right;
}

bool TProStringGrid::PressFixedDropDown(int X, int Y)
{
    int col = -1, row = -1;
    MouseToCell(X, Y, col, row);
    if (!OnFixedDropDownButton(col, row, X) || (!FFixedDropDownMenu && !OnFixedDropDownClick))
        return false;
    FNoMouseLeave = true;
    TPopupMenu* menu = FFixedDropDownMenu;
    if (menu)
        menu->SetTag(col);
    bool keep = false;
    if (OnFixedDropDownClick)
        OnFixedDropDownClick(this, col, row, menu, keep);
    if (menu) {
        const TRect r = CellRect(col, row);
        const TPoint old = FHoverFixedCell;
        FHoverFixedCell = TPoint{col, row};
        if (old.X >= 0 && (old.X != col || old.Y != row))
            RepaintCell(old.X, old.Y);
        RepaintCell(col, row);
        const TPoint at = ClientToScreen(TPoint{r.Right - DropDownWidth, r.Bottom});
        menu->SetPopupComponent(this);
        menu->Popup(at.X, at.Y);
        // Kept, the cell stays highlighted until the mouse moves to
        // another cell.
        if (!keep) {
            FHoverFixedCell = TPoint{-1, -1};
            RepaintCell(col, row);
        }
    }
    FNoMouseLeave = keep;
    return true;
}
