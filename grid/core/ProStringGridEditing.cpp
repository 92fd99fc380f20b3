#include "grid/core/CellEditors.h"
#include "grid/core/ControlLook.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridEditors.h"
#include "grid/core/GridUnit.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProInplaceEdit.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/ScrollControl.h"
#include "grid/foundation/MarkupText.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/ProGridUndoRedo.h"
#include "grid/foundation/ProStringGridCheck.h"
#include "grid/foundation/StringUtils.h"
#include "grid/foundation/SyncGrid.h"
#include "grid/foundation/TextUtils.h"
#include "platform/controls/HintWindow.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/controls/StringGrid.h"
#include <algorithm>

// The in-place editing life cycle: which cell may be edited, which editor
// opens, how an edited value is validated and written, and how an edit
// ends. The editors themselves are in ProInplaceEdit.cpp and
// GridEditors.cpp; the special editors are shown and committed in
// ProStringGridEditors.cpp.

namespace {

// Restores a flag when the scope ends, also by an exception.
class TFlagScope {
public:
    TFlagScope(bool& Flag, bool Value) : FFlag(Flag), FOld(Flag) { FFlag = Value; }
    ~TFlagScope() { FFlag = FOld; }

private:
    bool& FFlag;
    bool FOld;
};

} // namespace

// Which cells edit

bool TProStringGrid::IsEditable(int ACol, int ARow)
{
    const bool on = Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit() || FEditDisable;
    return on && IsEditableCell(ACol, ARow);
}

bool TProStringGrid::IsEditableCell(int ACol, int ARow)
{
    const TPoint b = IsMergedNonBaseCell(ACol, ARow) ? BaseCell(ACol, ARow) : TPoint{ACol, ARow};
    bool canEdit = true;
    CanEditCell(b.X, b.Y, canEdit);
    // The fixed-cell question takes a display column.
    bool fixed = false;
    IsFixedCell(RealToDisplCol(b.X), b.Y, fixed);
    return canEdit && !fixed;
}

bool TProStringGrid::IsControlCell(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return false;
    const TPoint b = BaseCell(ACol, ARow);
    return HasControlGraphic(b.X, b.Y);
}

bool TProStringGrid::WantTabKey() const
{
    return Options().Contains(goTabs) || bool(OnCellValidate) || bool(OnCellValidateWide);
}

TAlignment TProStringGrid::EffectiveAlignment(int ACol, int ARow)
{
    TAlignment ha = FDefaultAlignment;
    if (HasCellProperties(ACol, ARow) && GetGridCellProps(ACol, ARow)->Alignment() != taLeftJustify)
        ha = GetGridCellProps(ACol, ARow)->Alignment();
    TVAlignment va = FVAlignment;
    GetCellAlignment(ACol, ARow, ha, va);
    return ha;
}

// The framework's editor protocol

TInplaceEdit* TProStringGrid::CreateEditor() { return new TProInplaceEdit(this); }

TProInplaceEdit* TProStringGrid::NormalEdit() const { return static_cast<TProInplaceEdit*>(InplaceEditor()); }

bool TProStringGrid::CanEditShow()
{
    if (FValidating)
        return false;
    bool r = TBaseGrid::CanEditShow();
    if (TComponent::IsDesigning())
        return r;
    const TPoint b = BaseCell(DisplToRealCol(Col()), Row());
    if (r && !FEditMode && IsControlCell(b.X, b.Y))
        return false;
    if (r && !FEditMode) {
        FNoEditChange = true;
        FCellCache = CurrentCell();
        // The edit starts from the cell's text as it is now.
        StoreOldCell(Col(), Row());
        FEditControl = FDefaultEditor;
        GetCellEditor(b.X, b.Y, FEditControl);
        if (FEditControl == edNone)
            return false;
        FEditMode = true;
        if (IsTextEditorKind(FEditControl)) {
            FShowEditProcess = true;
        } else {
            ShowEditControl(RealToDisplCol(b.X), b.Y);
            FEntered = true;
            if (FFocusHelper->Enabled())
                ShowFocusFrame(CellRect(Col(), Row()));
            r = false;
        }
    }
    if (r) {
        FEntered = true;
        FEditing = true;
    }
    return r;
}

QString TProStringGrid::GetEditText(int ACol, int ARow)
{
    FNoEditChange = true;
    const int c = DisplToRealCol(ACol);
    if (TProInplaceEdit* editor = NormalEdit())
        editor->SetVAlign(EffectiveAlignment(c, ARow) == taRightJustify);
    const TPoint b = BaseCell(c, ARow);
    QString text = TBaseGrid::GetEditText(b.X, b.Y);
    // Only a cell drawn as markup loses its tags; a text that merely
    // holds a "<" stays as it is.
    if (!FEditWithTags && ClassifyCellText(text, FEnableHTML) == ctHTML)
        text = StripHTMLTags(text);
    return text;
}

void TProStringGrid::SetEditText(int ACol, int ARow, const QString& Value)
{
    const TPoint b = BaseCell(DisplToRealCol(ACol), ARow);
    TBaseGrid::SetEditText(b.X, b.Y, Value);
}

QString TProStringGrid::GetEditMask(int ACol, int ARow)
{
    QString value = FEditMask;
    if (OnGetEditMask)
        OnGetEditMask(this, ACol, ARow, value);
    return value;
}

void TProStringGrid::SetEditTextEx(int ACol, int ARow, const QString& Value)
{
    SetEditText(RealToDisplCol(ACol), ARow, Value);
    SetCellEx(ACol, ARow, Value);
}

QString TProStringGrid::GetCurrentCellText()
{
    const TPoint b = BaseCell(RealCol(), Row());
    return GetCellEx(b.X, b.Y);
}

void TProStringGrid::SetCurrentCellEditText(const QString& Value)
{
    const TPoint b = BaseCell(RealCol(), Row());
    SetEditText(IsBaseCell(RealCol(), Row()) ? Col() : RealToDisplCol(b.X), b.Y, Value);
}

void TProStringGrid::RestoreCurrentCell() { SetCurrentCell(FCellCache); }

// Opening and closing

void TProStringGrid::ShowInplaceEdit()
{
    if (IsControlCell(RealCol(), Row()))
        return;
    if (Row() < TopRow() && Row() >= TCustomGrid::FixedRows())
        SetTopRow(Row());
    if (Col() < LeftCol() && Col() >= TCustomGrid::FixedCols())
        SetLeftCol(Col());
    ShowEditor();
}

void TProStringGrid::HideInplaceEdit()
{
    if (!FEditMode) {
        // The platform's editor may still be shown for a cell that never
        // went through the grid's own opening.
        if (EditorMode())
            HideEditor();
        return;
    }
    HideEditor();
    HideEditControl(Col(), Row());
    FEditMode = false;
    if (FRefusalNotice)
        FRefusalNotice->ReleaseHandle();
    SelectCell(Col(), Row());
}

void TProStringGrid::HideCellEdit() { HideEditControl(Col(), Row()); }

void TProStringGrid::ShowCellEdit() { Perform(WM_KEYDOWN, VK_F2, 0); }

void TProStringGrid::DoneInplaceEdit(int Key, TShiftState Shift)
{
    TFlagScope block(FBlockFocus, true);
    FEditing = false;
    HideInplaceEdit();
    const bool floating = FFloatingFooter->Visible();
    if (FNavigation->AppendOnArrowDown() && Key == VK_DOWN
        && (Row() + 1 == RowCount() - FFixedFooters || (floating && Row() + 2 == RowCount())))
        AutoAddRow();
    if (Key == VK_TAB || (Key >= VK_LEFT && Key <= VK_DOWN)) {
        int key = Key;
        KeyDown(key, Shift);
    }
    const bool alwaysEdit = FNavigation->AlwaysEdit();
    FNavigation->SetAlwaysEdit(false);
    struct Restore {
        TNavigation* Nav;
        bool Value;
        ~Restore() { Nav->SetAlwaysEdit(Value); }
    } restore{FNavigation.get(), alwaysEdit};
    if (CanFocus())
        SetFocus();
    if (Key == VK_RETURN)
        AdvanceEdit(Col(), Row(), false, true, true, false, false);
}

void TProStringGrid::EditingDone(int ACol, int ARow)
{
    if (OnEditingDone)
        OnEditingDone(this);
    FEditMode = false;
    PostMessage(this, WM_GRIDEDITDONE, WPARAM(ACol), LPARAM(ARow));
}

void TProStringGrid::WMGridEditDone(TMessage& Message)
{
    if (OnEditCellDone)
        OnEditCellDone(this, int(Message.WParam), int(Message.LParam));
    if (FMouseActions->EditOnDblClickOnly()) {
        HideInplaceEdit();
        FEditMode = false;
        SetOptions(Options() - goEditing);
    }
}

void TProStringGrid::SimulateCellClick(int ACol, int ARow)
{
    const TRect r = CellRect(ACol, ARow);
    TFlagScope force(FForceSel, true);
    const TMouseEvent down = OnMouseDown;
    const TMouseEvent up = OnMouseUp;
    OnMouseDown = nullptr;
    OnMouseUp = nullptr;
    struct Restore {
        TProStringGrid* G;
        TMouseEvent Down, Up;
        ~Restore()
        {
            G->OnMouseDown = Down;
            G->OnMouseUp = Up;
        }
    } restore{this, down, up};
    GridMouseDown(mbLeft, {}, r.Left + 2, r.Top + 2);
    GridMouseUp(mbLeft, {}, r.Left + 2, r.Top + 2);
}

void TProStringGrid::TopLeftChanged()
{
    // A fixed background picture stays where it is on the window: the cells
    // it covered before the scroll are those it covers now, shifted back.
    TRect before = BackgroundRange();
    const int dc = FOldLeftCol - LeftCol();
    const int dr = FOldTopRow - TopRow();
    before = TRect{before.Left + dc, before.Top + dr, before.Right + dc, before.Bottom + dr};
    TBaseGrid::TopLeftChanged();
    if (FSelectionRectangle && Selection().Bottom > Selection().Top)
        Invalidate();
    switch (FBackGround->Display()) {
    case bdFixed:
        if (FBackGround->Bitmap() && !FBackGround->Bitmap()->Empty()) {
            RepaintRect(before);
            RepaintRect(BackgroundRange());
        }
        break;
    case bdTile:
        if (FBackGround->Bitmap() && !FBackGround->Bitmap()->Empty())
            Invalidate();
        break;
    default:
        if (FBackGround->ColorTo() != clNone)
            Invalidate();
        break;
    }
    // Special and fixed-cell editors never scroll with the cells: the value
    // is committed.
    if (FEditMode && !IsTextEditorKind(FEditControl))
        HideInplaceEdit();
    EndFixedEdit();
    UpdateFooter();
    CellControlsUpdate(false);
    FOldLeftCol = LeftCol();
    FOldTopRow = TopRow();
    if (TStringGrid* other = FSyncGrid->Grid()) {
        if (FSyncGrid->ScrollVertical() && other->TopRow() != TopRow())
            other->SetTopRow(std::clamp(TopRow(), other->FixedRows(), std::max(other->FixedRows(), other->RowCount() - 1)));
        if (FSyncGrid->ScrollHorizontal() && other->LeftCol() != LeftCol())
            other->SetLeftCol(std::clamp(LeftCol(), other->FixedCols(), std::max(other->FixedCols(), other->ColCount() - 1)));
    }
    // The painted scroll strips follow the cells.
    if (FVScrollControl)
        FVScrollControl->Invalidate();
    if (FHScrollControl)
        FHScrollControl->Invalidate();
}

// A cell with an auto-range scroll bar scrolls over its whole text.
void TProStringGrid::CellChanged(int ACol, int ARow)
{
    if (!HasAutoRangeScrollBar(ACol, ARow))
        return;
    const TSize size = GetCellTextSize(ACol, ARow);
    SetScrollProp(ACol, ARow, TScrollProp{RowHeights(ARow), size.cy});
}

// Moving the current cell

bool TProStringGrid::SelectCell(int ACol, int ARow)
{
    if (FForceSel) {
        if (!FRowIndicator->Empty() && FixedCols() > 0) {
            RepaintCell(0, Row());
            RepaintCell(0, ARow);
        }
        return true;
    }
    if (!Parent())
        return true;
    KeepAboveSearchPanel(ACol, ARow);
    if (ACol < 0 || ARow < 0)
        return false;
    if (IsMergedNonBaseCell(DisplToRealCol(ACol), ARow) && !Options().Contains(goRowSelect)) {
        const TPoint b = BaseCell(DisplToRealCol(ACol), ARow);
        const int bc = RealToDisplCol(b.X);
        MoveColRow(bc, b.Y, true, true);
        RepaintCell(bc, b.Y);
        if (FMouseActions->DirectEdit() || (FControlLook->DropDownAlwaysVisible() && HasComboBox(ACol, ARow)))
            ShowEditor();
        return false;
    }
    if (ACol == 0 && FNumNodes > 0 && !Options().Contains(goRowSelect))
        return false;
    if (FUseEnabledRows && FNavigation->SkipDisabledRows() && !GetRowEnabled(ARow))
        return false;
    const int r = DisplToRealCol(ACol);
    QString text = GetCellEx(r, ARow);
    const bool normalFocused = NormalEdit() && NormalEdit()->Focused();
    DecideEditing(ACol, ARow, r, text);

    bool allow = true;
    bool result = false;
    if (!FEditing || normalFocused) {
        DoCellChanging(ACol, ARow, allow);
        if (IsFixed(ACol, ARow) || !allow)
            result = (allow && Options().Contains(goRowSelect)) || (FFixedRowAlways && RowCount() == FixedRows());
        else
            result = TBaseGrid::SelectCell(ACol, ARow);
    } else {
        const QString saved = FCellCache;
        result = IsWideCell(RealCol(), Row()) ? ValidateCellWide(UnpackWideText(CurrentCell()))
                                               : ValidateCell(CurrentCell());
        DoCellChanging(ACol, ARow, allow);
        result = result && allow && TBaseGrid::SelectCell(ACol, ARow);
        if (!result)
            text = saved;
    }
    if (FActiveCellShow)
        RepaintActiveHeaders(Col(), Row(), ACol, ARow);
    if (!IsLoading() && ARow != FOldRowSel && OnRowUpdate) {
        OnRowUpdate(this, FOldRowSel, ARow);
        FOldRowSel = ARow;
    }
    if (FISelect)
        FISelect->SelectCell(Col(), ARow);
    FCellCache = text;
    return result;
}

void TProStringGrid::DecideEditing(int ACol, int ARow, int R, QString& Text)
{
    const bool rangeEdit = FMouseActions->RangeSelectAndEdit();
    auto switchEditing = [this](bool On) {
        FEditChange = true;
        SetOptions(On ? Options() + goEditing : Options() - goEditing);
    };
    if (IsControlCell(R, ARow)) {
        bool canEdit = true;
        CanEditCell(R, ARow, canEdit);
        if (!FEditDisable)
            FEditDisable = !canEdit && (Options().Contains(goEditing) || rangeEdit);
        if (!Options().Contains(goEditing) && !Options().Contains(goRowSelect) && canEdit)
            switchEditing(true);
        return;
    }
    bool canEdit = Options().Contains(goEditing) || FEditDisable;
    CanEditCell(R, ARow, canEdit);
    if (canEdit && FMouseActions->DirectEdit()) {
        FEditControl = FDefaultEditor;
        canEdit = !HasNoEditor(R, ARow);
    }
    if (FMouseActions->EditOnDblClickOnly())
        canEdit = false;
    if (canEdit) {
        FEditDisable = false;
        if (!Options().Contains(goEditing)) {
            if (!FEditing)
                StoreOldCell(ACol, ARow);
            if (Options().Contains(goRowSelect) && rangeEdit)
                SetOptions(Options() - goRowSelect);
            switchEditing(true);
        }
    }
    if (FEditing) {
        HideInplaceEdit();
        Text = GetCellEx(R, ARow);
    }
    if (!canEdit && Options().Contains(goEditing)) {
        FEditMode = false;
        FEditDisable = true;
        switchEditing(false);
        HideEditor();
    }
}

// Validation

bool TProStringGrid::ValidateCell(const QString& NewValue)
{
    if (!FEditing || FValidating)
        return true;
    FEditing = false;
    FValidating = true;
    bool valid = true;
    try {
        valid = ValidateSteps(NewValue);
    } catch (...) {
        StoreOldCell(Col(), Row());
        FValidating = false;
        throw;
    }
    StoreOldCell(Col(), Row());
    FValidating = false;
    if (valid)
        HideFocusFrame();
    return valid;
}

bool TProStringGrid::ValidateSteps(const QString& NewValue)
{
    bool valid = true;
    const int c = DisplToRealCol(FOldCell.Col);
    const int row = FOldCell.Row;
    FNewCellText = NewValue;
    const QString oldText = FOldCell.Text;
    if (NewValue == oldText && !FAlwaysValidate) {
        HideRefusalNotice();
        return true;
    }
    const bool changed = NewValue != oldText;
    const bool advance = FNavigation->AdvanceOnEnter();
    FNavigation->SetAdvanceOnEnter(false);
    struct Restore {
        TNavigation* Nav;
        bool Value;
        ~Restore() { Nav->SetAdvanceOnEnter(Value); }
    } restore{FNavigation.get(), advance};
    QString value = NewValue;
    if (FCellChecker && FCellChecker->AutoCorrect())
        value = FCellChecker->Correct(c, row, value);
    if (OnCellValidate)
        OnCellValidate(this, c, row, value, valid);
    if (value != oldText) {
        FGridModified = true;
        if (FixedCols() > 0) {
            SetRowModified(RealRowIndex(Row()), true);
            if (FShowModified->Enabled())
                RepaintCell(0, Row());
        }
    }
    if (valid)
        CellValueChanged(c);
    if (FCellChecker && FCellChecker->AutoMarkError())
        value = FCellChecker->MarkError(c, row, value);
    if (valid && UndoRedo())
        UndoRedo()->RegisterChange(c, row, oldText, value);
    if (valid && changed)
        CellsChanged(TRect(c, row, c, row));
    FNavigation->SetAdvanceOnEnter(advance);
    FNewCellText = value;
    if (valid) {
        SetCellEx(c, row, value);
        if (!IsBaseCell(c, row)) {
            const TPoint b = BaseCell(c, row);
            SetCellEx(b.X, b.Y, value);
        }
        HideRefusalNotice();
    } else {
        FLastValidation = false;
        if (value != NewValue) {
            HideEditor();
            RestoreRefusedCell(c, value);
        } else {
            if (FEditMode)
                FValidating = false;
            HideEditor();
            RestoreRefusedCell(c, oldText);
        }
        FCellModified = FOldCell.Modified;
        ShowRefusalBalloon();
    }
    FOldCell.Text = GetGridCell(c, row);
    return valid;
}

void TProStringGrid::RestoreRefusedCell(int C, const QString& Text)
{
    const int oldCol = FOldCell.Col;
    const int oldRow = FOldCell.Row;
    SetCellEx(C, oldRow, Text);
    if (Col() != oldCol || Row() != oldRow)
        MoveColRow(oldCol, oldRow, true, true);
    FValidating = false;
    FEditing = true;
    ShowInplaceEdit();
}

bool TProStringGrid::ValidateCellWide(const QString& NewValue)
{
    if (!FEditing || FValidating)
        return true;
    FEditing = false;
    FValidating = true;
    bool valid = true;
    try {
        const int c = DisplToRealCol(FOldCell.Col);
        const int row = FOldCell.Row;
        const QString oldText = FOldCell.WideText;
        FNewCellText = NewValue;
        if (NewValue != oldText || FAlwaysValidate) {
            QString value = NewValue;
            CellValueChanged(c);
            if (OnCellValidateWide)
                OnCellValidateWide(this, c, row, value, valid);
            if (NewValue != oldText) {
                FGridModified = true;
                if (FShowModified->Enabled() && FixedCols() > 0) {
                    SetRowModified(row, true);
                    RepaintCell(0, row);
                }
            }
            FNewCellText = value;
            if (valid) {
                SetWideCells(c, row, value);
            } else {
                FLastValidation = false;
                HideEditor();
                RestoreRefusedCell(c, value != NewValue ? value : oldText);
                FCellModified = FOldCell.Modified;
            }
            FOldCell.WideText = WideCells(c, row);
        }
    } catch (...) {
        StoreOldCell(Col(), Row());
        FValidating = false;
        throw;
    }
    StoreOldCell(Col(), Row());
    FValidating = false;
    return valid;
}

// The refusal notice. Shown on the control that holds the edit; without
// one (a check box or date-time cell, no editor at all) nothing shows.
void TProStringGrid::ShowRefusalBalloon()
{
    if (FInvalidEntryTitle.isEmpty() && FInvalidEntryText.isEmpty())
        return;
    TWinControl* target = nullptr;
    if (FEditMode && !FSpecialEditor)
        target = NormalEdit();
    else
        target = FEditCtrl;
    if (!target || !target->Visible())
        return;
    if (!FRefusalNotice)
        FRefusalNotice = new THintWindow(this);
    QString text = FInvalidEntryTitle;
    if (!FInvalidEntryText.isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral("\r\n")) + FInvalidEntryText;
    TRect r = FRefusalNotice->CalcHintRect(300, text, nullptr);
    const TPoint p = target->ClientToScreen(TPoint{0, target->Height()});
    r = TRect(r.Left + p.X, r.Top + p.Y, r.Right + p.X, r.Bottom + p.Y);
    FRefusalNotice->ActivateHint(r, text);
}

void TProStringGrid::HideRefusalNotice()
{
    if (FRefusalNotice && FRefusalNotice->IsHintShowing())
        FRefusalNotice->ReleaseHandle();
}

bool TProStringGrid::RefusalShown() const { return FRefusalNotice && FRefusalNotice->IsHintShowing(); }

// Typing on the grid

void TProStringGrid::WMChar(TWMKey& Message)
{
    QChar c(char16_t(Message.CharCode));
    const QString cell = CurrentCell();
    if (FEnableHTML && ClassifyCellText(cell, true) == ctHTML && HasControlTag(cell)) {
        Message.Result = 1;
        return;
    }
    if (FExcelStyleDecimalSeparator && c == u'.' && (Message.KeyData & (LPARAM(1) << 22)) != 0) {
        c = LocaleDecimalSeparator();
        Message.CharCode = c.unicode();
    }
    const bool control = IsControlCell(RealCol(), Row());
    const bool typed = c != u'\t' && (c.unicode() >= 32 || c.unicode() == 8) && c.unicode() <= 255;
    if (!control && Options().Contains(goEditing) && typed) {
        FStartEditChar = c;
        ShowEditor();
        if (FEditActive)
            return;
        if (InplaceEditor() && InplaceEditor()->Visible()) {
            FStartEditChar = QChar();
            SendMessage(InplaceEditor(), WM_CHAR, WPARAM(c.unicode()), Message.KeyData);
            return;
        }
        FStartEditChar = QChar();
    }
    // A typed character opens no editor on a check box, radio or button.
    if (control && Options().Contains(goEditing) && typed) {
        TCustomControl::WMChar(Message);
        return;
    }
    TBaseGrid::WMChar(Message);
}

void TProStringGrid::SizeRowToLines(int ARow, int Lines, int Offset)
{
    // The font of the row's first normal cell as the cell colour hook sets it.
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(ARow < FixedRows() ? FixedFont() : Font());
    GetCellColor(FixedCols(), ARow, TGridDrawState(), canvas->Brush(), canvas->Font());
    const int h = canvas->TextHeight(QStringLiteral("gh"));
    SetRowHeights(ARow, ClampToLimits(Offset + Lines * (h + h / 8), FMinRowHeight, FMaxRowHeight));
}
