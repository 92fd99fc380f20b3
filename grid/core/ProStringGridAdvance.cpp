#include "grid/core/FloatingFooter.h"
#include "grid/core/ProInplaceEdit.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/MarkupRender.h"
#include "grid/foundation/MarkupText.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/TextUtils.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/SysUtils.h"

// Moving the edit cell on: Enter (AdvanceEdit), Tab (TabNavigate), the
// grid's key press, and the next form control of a markup cell. A walk
// over cells that may not be edited ends after one pass over the grid.

int TProStringGrid::FirstNormalCol() const
{
    const int fixed = FixedCols();
    return fixed == 0 && FNumNodes > 0 ? 1 : fixed;
}

int TProStringGrid::LastNormalCol() const { return ColCount() - FFixedRightCols - 1; }

int TProStringGrid::LastNormalRow() const { return RowCount() - FFixedFooters - 1; }

// One step of an advance from (ACol, ARow); Stop when the advance ends
// there (a new row with no editable cell).
void TProStringGrid::AdvanceStep(int& ACol, int& ARow, bool Forward, bool& Stop)
{
    const TNavigation* nav = FNavigation.get();
    const TAdvanceDirection direction = nav->AdvanceDirection();
    const int firstCol = FirstNormalCol();
    const int lastCol = LastNormalCol();
    const int lastRow = LastNormalRow();
    const int span = CellSpan(DisplToRealCol(ACol), ARow).X;
    if (!Forward) {
        if (direction == adLeftRight) {
            if (ACol > firstCol) {
                --ACol;
            } else {
                ACol = lastCol;
                ARow = ARow <= FixedRows() ? lastRow : ARow - 1;
            }
        } else if (direction == adTopBottom) {
            if (ARow > FixedRows()) {
                --ARow;
            } else {
                ARow = lastRow;
                ACol = ACol <= firstCol ? lastCol : ACol - 1;
            }
        }
        return;
    }
    if (direction == adLeftRight || direction == adLeftRightInRow) {
        if (ACol + span < ColCount() - FFixedRightCols - 1) {
            ACol += span + 1;
        } else if (direction == adLeftRightInRow) {
            if (nav->AdvanceOnEnterLoop())
                ACol = firstCol;
        } else if (ARow == lastRow) {
            if (nav->AdvanceInsert()) {
                bool canAdd = true;
                CanAddRow(canAdd);
                ACol = firstCol;
                if (canAdd) {
                    AddRow();
                    ++ARow;
                    if (OnAutoAddRow)
                        OnAutoAddRow(this, LastNormalRow());
                    bool editable = false;
                    for (int c = FixedCols(); c < ColCount() && !editable; ++c)
                        editable = IsEditable(DisplToRealCol(c), ARow);
                    Stop = !editable;
                }
            } else if (nav->AdvanceOnEnterLoop()) {
                ACol = firstCol;
                ARow = FixedRows();
            }
        } else {
            ++ARow;
            ACol = firstCol;
        }
        return;
    }
    if (ARow != lastRow) {
        ++ARow;
    } else if (direction == adTopBottomInCol) {
        ARow = FixedRows();
    } else {
        if (ACol != lastCol) {
            ARow = FixedRows();
            ++ACol;
            if (ACol >= ColCount())
                ACol = firstCol;
        } else if (nav->AdvanceInsert()) {
            SetColCount(ColCount() + 1);
            ACol += span + 1;
            ARow = FixedRows();
            if (OnAutoInsertCol)
                OnAutoInsertCol(this, ColCount() - FFixedRightCols - 1);
        } else {
            ACol = firstCol;
            ARow = FixedRows();
        }
        Invalidate();
    }
}

void TProStringGrid::AdvanceEdit(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool Recursing,
                                 bool DoEdit)
{
    if (!FNavigation->AdvanceOnEnter() && !Force)
        return;
    if (FMouseActions->RangeSelectAndEdit() && !Options().Contains(goEditing))
        SetOptions(Options() + goEditing);
    if (!Recursing) {
        FAECol = ACol;
        FAERow = ARow;
    }
    FStartEditChar = QChar();
    int oldCol = ACol;
    int oldRow = ARow;
    // Passing over cells that may not be edited goes round the grid at
    // most once.
    const int cells = std::max(LastNormalCol() - FirstNormalCol() + 1, 1) * std::max(LastNormalRow() - FixedRows() + 1, 1);
    int c = DisplToRealCol(ACol);
    bool editable = false;
    for (int step = 0;; ++step) {
        oldCol = ACol;
        oldRow = ARow;
        bool stop = false;
        AdvanceStep(ACol, ARow, Forward, stop);
        if (stop)
            return;
        c = DisplToRealCol(ACol);
        editable = true;
        CanEditCell(c, ARow, editable);
        if (editable) {
            bool allow = true;
            if (OnAutoAdvance)
                OnAutoAdvance(this, FAERow, FAECol, ARow, ACol, allow);
            if (allow && OnCellChanging)
                OnCellChanging(this, FAERow, FAECol, ARow, ACol, allow);
            const bool disable = FDisableChange;
            FDisableChange = true;
            if (allow) {
                SetCol(ACol);
                SetRow(ARow);
            } else {
                TBaseGrid::SelectCell(oldCol, oldRow);
            }
            FDisableChange = disable;
            break;
        }
        if (!FNavigation->AdvanceSkipReadOnlyCells()) {
            const bool disable = FDisableChange;
            FDisableChange = true;
            SetCol(ACol);
            SetRow(ARow);
            FDisableChange = disable;
            break;
        }
        // Nothing editable all the way round: the cursor stays.
        if (step >= cells || (ACol == oldCol && ARow == oldRow))
            return;
    }
    c = DisplToRealCol(Col());
    if (DoEdit)
        AdvanceShowEditor(oldCol, oldRow, c, Row(), AutoEdit);
    if (FMouseActions->DisjunctRowSelect()) {
        ClearRowSelect();
        SetRowSelect(Row(), true);
    }
}

void TProStringGrid::AdvanceShowEditor(int OldCol, int OldRow, int C, int ARow, bool AutoEdit)
{
    const bool control = IsControlCell(C, ARow);
    if (!((AutoEdit && FNavigation->AdvanceAutoEdit()) || control))
        return;
    if (!IsEditable(C, ARow))
        return;
    ShowInplaceEdit();
    if (!control)
        return;
    if (FNavigation->AdvanceDirection() != adLeftRight)
        HideInplaceEdit();
    bool allow = true;
    if (OnCellChanging)
        OnCellChanging(this, OldRow, OldCol, Row(), Col(), allow);
    TEditorType e = FDefaultEditor;
    GetCellEditor(DisplToRealCol(OldCol), OldRow, e);
    if (!IsTextEditorKind(e) || e == edValidChars)
        HideInplaceEdit();
}

// The Tab walk

bool TProStringGrid::CanSelectTabCell(int ACol, int ARow)
{
    bool can = Options().Contains(goEditing) ? IsEditable(DisplToRealCol(ACol), ARow) : !IsFixed(ACol, ARow);
    if (OnSelectCell)
        OnSelectCell(this, ACol, ARow, can);
    return can;
}

void TProStringGrid::AutoAddRow()
{
    bool canAdd = true;
    CanAddRow(canAdd);
    if (!canAdd)
        return;
    AddRow();
    if (FFloatingFooter->Visible() || FFixedFooters > 0)
        SetRow(Row() + 1);
    if (FFloatingFooter->Visible())
        CalcFooter(-1);
    if (OnAutoAddRow)
        OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
}

bool TProStringGrid::TabNavigate(bool Backward)
{
    if (OnKeyDown) {
        int key = VK_TAB;
        OnKeyDown(this, key, Backward ? TShiftState{ssShift} : TShiftState{});
        if (key != VK_TAB)
            return true;
    }
    if (Col() == FLastTabCol && Row() == FLastTabRow)
        return true;
    FLastTabCol = Col();
    FLastTabRow = Row();
    struct Reset {
        TProStringGrid* G;
        ~Reset() { G->FLastTabCol = G->FLastTabRow = -1; }
    } reset{this};
    const TNavigation* nav = FNavigation.get();
    const bool byColumn = nav->TabAdvanceDirection() != adLeftRight;
    const int firstCol = FirstNormalCol();
    const int lastCol = LastNormalCol();
    const int firstRow = FixedRows();
    const int lastRow = LastNormalRow();
    if (lastCol < firstCol || lastRow < firstRow)
        return true;
    bool result = true;
    int col = Col();
    int row = Row();
    // Each step visits the next cell in Tab order; one pass at most.
    const int cells = (lastCol - firstCol + 1) * (lastRow - firstRow + 1);
    for (int n = 0; n < cells; ++n) {
        if (Backward) {
            if (byColumn) {
                if (--row < firstRow) {
                    row = lastRow;
                    col = col <= firstCol ? lastCol : col - 1;
                }
            } else if (--col < firstCol) {
                col = lastCol;
                row = row <= firstRow ? lastRow : row - 1;
            }
        } else if (byColumn) {
            row += CellSpan(DisplToRealCol(col), row).Y + 1;
            if (row > lastRow) {
                row = firstRow;
                col = col >= lastCol ? firstCol : col + 1;
            }
        } else {
            col += CellSpan(DisplToRealCol(col), row).X + 1;
            if (col > lastCol) {
                col = firstCol;
                if (row < lastRow) {
                    ++row;
                } else if (!nav->TabToNextAtEnd() && nav->AdvanceInsert()) {
                    bool canAdd = true;
                    CanAddRow(canAdd);
                    if (canAdd) {
                        AddRow();
                        row = LastNormalRow();
                        if (OnAutoAddRow)
                            OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
                    } else {
                        row = firstRow;
                    }
                } else {
                    row = firstRow;
                    if (nav->TabToNextAtEnd() && Parent()) {
                        // The Tab goes on to the next control of the form.
                        PostMessage(Parent(), WM_KEYDOWN, VK_TAB, 0);
                        result = false;
                    }
                }
            }
        }
        if (IsBaseCell(DisplToRealCol(col), row) && CanSelectTabCell(col, row))
            break;
    }
    const bool force = FForceSel;
    FForceSel = true;
    MoveColRow(col, row, true, true);
    FForceSel = force;
    if (nav->AdvanceAutoEdit() && !IsControlCell(RealCol(), Row()) && IsEditable(RealCol(), Row()))
        SimulateCellClick(Col(), Row());
    if (nav->AlwaysEdit() && CanFocus())
        SetFocus();
    return result;
}

// The grid's key press

void TProStringGrid::KeyPress(QChar& Key)
{
    auto fire = [this, &Key] {
        if (OnKeyPress)
            OnKeyPress(this, Key);
    };
    if (Key == QChar(VK_ESCAPE)) {
        if (Options().Contains(goEditing) && (FEditing || FEditMode))
            RestoreCurrentCell();
        fire();
        return;
    }
    const int c = RealCol();
    if (Key == QChar(VK_RETURN) && !FNavigation->AdvanceOnEnter() && !IsEditable(c, Row())) {
        fire();
        Key = QChar();
        return;
    }
    if (Key == QChar(VK_RETURN) && (!Focused() || IsControlCell(c, Row()))) {
        AdvanceEdit(Col(), Row(), false, false, true, false, FEditMode);
        if (!FNavigation->AdvanceAutoEdit()) {
            fire();
            Key = QChar();
            return;
        }
        if (IsControlCell(RealCol(), Row())) {
            fire();
            if (FNavigation->AdvanceOnEnter())
                ShowInplaceEdit();
            Key = QChar();
            return;
        }
    }
    if (!Options().Contains(goEditing) && FNavigation->AutoGotoWhenSorted())
        IncrementalSearch(Key);
    TBaseGrid::KeyPress(Key);
}

void TProStringGrid::IncrementalSearch(QChar Key)
{
    // Control characters other than Backspace take no part in the text.
    const bool backspace = Key == QChar(VK_BACK);
    if (!backspace && Key.unicode() < 32)
        return;
    if (FNavigation->AutoGotoIncremental()) {
        if (backspace)
            FSearchInc.chop(1);
        else
            FSearchInc += Key;
        FSearchTics = 0;
    } else {
        FSearchInc = backspace ? QString() : QString(Key);
    }
    const int row = FSearchInc.isEmpty() ? -1 : Search(AnsiUpperCase(FSearchInc));
    if (row == -1) {
        FSearchInc.clear();
        return;
    }
    SetRow(row);
    // The search bar covers the bottom rows: the row found comes up above it.
    while (SearchPanelHeight() > 0 && TopRow() < row &&
           CellRect(0, row).Bottom > ClientHeight() - SearchPanelHeight()) {
        const int top = TopRow();
        SetTopRow(top + 1);
        if (TopRow() == top)
            break;
    }
}

// The next form control of a markup cell

void TProStringGrid::EditNextCellControl(int ACol, int ARow, const QString& ID)
{
    const int c = DisplToRealCol(ACol);
    const QString text = GetGridCell(c, ARow);
    QString next = NextEditControlID(text, ID);
    if (next.isEmpty()) {
        TakeFocus();
        return;
    }
    TRect r = CellRect(ACol, ARow);
    r.Left += FXYOffset.X + 1;
    r.Top += FXYOffset.Y + 1;
    QString link, plain, focus, title, value, type;
    int extentX = 0, extentY = 0, anchors = 0, anchorAt = 0;
    TRect anchorRect, controlRect;
    Canvas()->Font()->Assign(Font());
    RenderHTMLText(Canvas(), text, r, FGridImages, -1, -1, -1, 0, 1, true, false, false, false, false, false, true,
                   false, 1.0, FURLColor, clNone, clNone, clGray, link, plain, focus, title, extentX, extentY, anchors,
                   anchorAt, anchorRect, controlRect, next, value, type, nullptr, nullptr, nullptr, 0);
    ControlStart(text, type, ARow, c, ACol, controlRect, value, next);
}
