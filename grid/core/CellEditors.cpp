#include "grid/core/CellEditors.h"
#include "grid/core/GridSettings.h"
#include "grid/core/ProInplaceEdit.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/Navigation.h"
#include "platform/controls/Form.h"
#include "platform/controls/WinApi.h"

// Custom editor link

TEditLink::TEditLink(TComponent* AOwner) : TComponent(AOwner) {}

QString TEditLink::GetCellValue()
{
    if (!FGrid)
        return QString();
    return FGrid->Cells(FGrid->DisplToRealCol(FGrid->Col()), FGrid->Row());
}

void TEditLink::SetCellValue(const QString& S)
{
    if (FGrid)
        FGrid->SetEditTextEx(FGrid->DisplToRealCol(FGrid->Col()), FGrid->Row(), S);
}

TWinControl* TEditLink::GetParent()
{
    if (FEditStyle == esPopup && FPopupForm)
        return FPopupForm;
    return FGrid;
}

void TEditLink::SetRect(const TRect& R)
{
    TWinControl* control = GetEditControl();
    if (!control || !FGrid)
        return;
    const int line = FGrid->GridLineWidth();
    control->SetBounds(R.Left, R.Top, R.Right - R.Left - line, R.Bottom - R.Top - line);
}

void TEditLink::SetVisible(bool Value)
{
    if (TWinControl* control = GetEditControl())
        control->SetVisible(Value);
}

void TEditLink::SetFocus(bool Value)
{
    TWinControl* control = GetEditControl();
    if (Value && control) {
        if (!control->Visible())
            control->SetVisible(true);
        if (!control->Enabled())
            control->SetEnabled(true);
    }
    if (FEditStyle == esInplace && control && !FSubClassed && FGrid) {
        // While shown in the cell the control wants every key it can get
        // when the grid walks with Tab.
        FSavedWindowProc = control->WindowProc;
        FSubClassedControl = control;
        TProStringGrid* grid = FGrid;
        TWndMethod saved = FSavedWindowProc;
        control->WindowProc = [grid, control, saved](TMessage& Message) {
            if (Message.Msg == WM_GETDLGCODE && grid->Options().Contains(goTabs)) {
                Message.Result |= DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTALLKEYS;
                return;
            }
            if (saved)
                saved(Message);
            else
                control->WndProc(Message);
        };
        FSubClassed = true;
    }
    if (Value && control && control->CanFocus())
        control->SetFocus();
    else if (!Value && FGrid && FGrid->CanFocus())
        FGrid->SetFocus();
}

void TEditLink::RestoreWinProc()
{
    if (FEditStyle != esInplace || !FSubClassedControl)
        return;
    FSubClassedControl->WindowProc = FSavedWindowProc;
    FSubClassed = false;
    if (FSubClassedControl->HandleAllocated())
        FSubClassedControl->SetVisible(false);
    FSubClassedControl = nullptr;
}

void TEditLink::HideEditor()
{
    SetCellValue(GetEditorValue());
    if (FGrid)
        FGrid->HideInplaceEdit();
    RestoreWinProc();
}

void TEditLink::EditExit(TObject*)
{
    HideEditor();
    if (FEditStyle == esPopup && FPopupForm) {
        DestroyEditor();
        FPopupForm->Hide();
    }
}

void TEditLink::FormExit(TObject* Sender)
{
    if (FGrid && FGrid->NormalEdit())
        FGrid->NormalEdit()->SetText(GetEditorValue());
    if (FForcedExit) {
        SetCellValue(GetEditorValue());
        return;
    }
    EditExit(Sender);
    if (FGrid)
        FGrid->SetInvokedFocusChange(true);
}

void TEditLink::EditKeyDown(TObject*, int& Key, TShiftState Shift)
{
    TProStringGrid* g = FGrid;
    if (!g)
        return;
    const bool toGrid =
        Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || (Key >= VK_PRIOR && Key <= VK_END)
        || (Key >= VK_LEFT && Key <= VK_DOWN) || Shift.Contains(ssAlt);
    if (!toGrid)
        return;
    const bool kept = ((Key == VK_UP || Key == VK_DOWN) && FWantKeyUpDown)
        || ((Key == VK_LEFT || Key == VK_RIGHT) && FWantKeyLeftRight)
        || ((Key == VK_END || Key == VK_HOME) && FWantKeyHomeEnd)
        || ((Key == VK_PRIOR || Key == VK_NEXT) && FWantKeyPriorNext) || (Key == VK_RETURN && FWantKeyReturn)
        || (Key == VK_ESCAPE && FWantKeyEscape) || (Key == VK_TAB && FWantTabs);
    if (kept)
        return;
    auto commit = [&] {
        FForcedExit = true;
        if (g->CanFocus())
            g->SetFocus();
        FForcedExit = false;
        g->HideEditControl(g->Col(), g->Row());
        if (FEditStyle == esPopup)
            EditExit(this);
        g->FEditMode = false;
        g->SelectCell(g->Col(), g->Row());
    };
    if (Key == VK_TAB) {
        Key = 0;
        commit();
        if (g->Navigation()->TabToNextAtEnd() && g->TabToNextCell(Shift.Contains(ssShift))
            && !g->IsControlCell(g->RealCol(), g->Row()))
            PostMessage(g, WM_KEYDOWN, VK_F2, 0);
        return;
    }
    if (Key == VK_ESCAPE)
        SetEditorValue(g->FCellCache);
    const int key = Key;
    commit();
    if (key == VK_RETURN && g->LastValidation()) {
        g->AdvanceEdit(g->Col(), g->Row(), false, true, !Shift.Contains(ssShift), false, true);
        Key = 0;
        return;
    }
    if (!g->LastValidation()) {
        g->FLastValidation = true;
        g->ShowEditControl(g->Col(), g->Row());
        Key = 0;
        return;
    }
    if (key == VK_ESCAPE || key == VK_RETURN) {
        Key = 0;
        return;
    }
    if (key >= VK_LEFT && key <= VK_DOWN) {
        int k = key;
        g->KeyDown(k, Shift);
    }
    if (TWinControl* control = GetEditControl())
        control->SetEnabled(false);
    FForcedExit = true;
    if (g->CanFocus())
        g->SetFocus();
    FForcedExit = false;
    Key = 0;
}

// Rich edit

TProRichEdit::TProRichEdit(TComponent* AOwner) : TRichEdit(AOwner), FGrid(dynamic_cast<TProStringGrid*>(AOwner))
{
    if (!FGrid)
        throw EInvalidCast(QStringLiteral("Invalid class typecast"));
}

void TProRichEdit::SelNormal() { SelAttributes()->SetOffset(voNone); }
void TProRichEdit::SelSubscript() { SelAttributes()->SetOffset(voSubscript); }
void TProRichEdit::SelSuperscript() { SelAttributes()->SetOffset(voSuperscript); }
bool TProRichEdit::IsSelNormal() const { return SelAttributes()->Offset() == voNone; }
bool TProRichEdit::IsSelSubscript() const { return SelAttributes()->Offset() == voSubscript; }
bool TProRichEdit::IsSelSuperscript() const { return SelAttributes()->Offset() == voSuperscript; }

void TProRichEdit::RequestSize(const TRect& Rect)
{
    if (TComponent::IsDesigning())
        return;
    if (this == FGrid->FRichEdit && HandleAllocated()) {
        FReqWidth = Rect.Right - Rect.Left;
        FReqHeight = Rect.Bottom - Rect.Top;
    }
    TProRichEdit* inplace = FGrid->FInplaceRichEdit;
    if (!inplace || !inplace->HandleAllocated())
        return;
    if (this == inplace && FGrid->SizeWhileTyping()->Height() && !FLocked) {
        const int h = Rect.Bottom - Rect.Top;
        const int row = FGrid->Row();
        const TRect cell = FGrid->CellRect(FGrid->Col(), row);
        if (FGrid->RowHeights(row) < h + 5 && cell.Top + h + 5 < FGrid->Height()) {
            SetHeight(h + 9);
            FGrid->SetRowHeights(row, h + 10);
            if (FGrid->OnEndRowSize)
                FGrid->OnEndRowSize(FGrid, row);
        }
    }
    TRichEdit::RequestSize(Rect);
}

void TProRichEdit::WMGetDlgCode(TMessage& Message)
{
    TRichEdit::WMGetDlgCode(Message);
    Message.Result |= DLGC_WANTTAB;
}

void TProRichEdit::WMKillFocus(TWMFocus& Message)
{
    if (!FGrid->InvokedFocusChange() && FindControl(Message.FocusedWnd) == FGrid)
        FGrid->HideInplaceEdit();
    TRichEdit::WMKillFocus(Message);
}

void TProRichEdit::KeyDown(int& Key, TShiftState Shift)
{
    TRichEdit::KeyDown(Key, Shift);
    if (Key == VK_TAB && FGrid->Options().Contains(goTabs)) {
        FGrid->TakeFocus();
        int key = Key;
        FGrid->KeyDown(key, Shift);
        FGrid->ShowInplaceEdit();
        Key = 0;
    } else if ((Key == VK_UP || Key == VK_DOWN) && !FGrid->WordWrap() && !FGrid->Multilinecells()) {
        FGrid->TakeFocus();
        int key = Key;
        FGrid->KeyDown(key, Shift);
        Key = 0;
    }
}

// Fixed-cell editors

namespace {

// The fixed cell takes Text unless OnCellValidate refuses it.
bool StopFixedEdit(TProStringGrid* Grid, TWinControl* Editor, int ACol, int ARow, const QString& Text)
{
    if (!Grid) {
        Editor->SetVisible(false);
        return true;
    }
    QString text = Text;
    bool valid = true;
    if (Grid->OnCellValidate)
        Grid->OnCellValidate(Grid, ACol, ARow, text, valid);
    if (!valid) {
        Grid->SetCol(Grid->RealToDisplCol(ACol));
        Grid->SetRow(ARow);
        if (Editor->CanFocus())
            Editor->SetFocus();
        return false;
    }
    if (Grid->OnEditingDone)
        Grid->OnEditingDone(Grid);
    Grid->SetCellEx(ACol, ARow, text);
    Editor->SetVisible(false);
    return true;
}

bool WantsFixedEditKey(const TWMKey& Message)
{
    return Message.CharCode == VK_RETURN || Message.CharCode == VK_ESCAPE;
}

// Return hands the focus to the grid, whose taking it commits the edit;
// Escape hides the editor first, so that its exit stores nothing.
void FixedEditKey(TProStringGrid* Grid, TWinControl* Editor, int& Key)
{
    if (!Grid || !Editor->Visible() || (Key != VK_RETURN && Key != VK_ESCAPE))
        return;
    if (Key == VK_ESCAPE)
        Editor->SetVisible(false);
    Key = 0;
    Grid->TakeFocus();
}

} // namespace

TGridTransEdit::TGridTransEdit(TComponent* AOwner)
    : TCustomEdit(AOwner), FGrid(dynamic_cast<TProStringGrid*>(AOwner))
{
    SetVisible(false);
}

void TGridTransEdit::KeyPress(QChar& Key)
{
    if (Key == QChar(VK_RETURN))
        Key = QChar();
    TCustomEdit::KeyPress(Key);
}

void TGridTransEdit::CMWantSpecialKey(TWMKey& Message)
{
    if (WantsFixedEditKey(Message))
        Message.Result = 1;
    else
        TCustomEdit::CMWantSpecialKey(Message);
}

void TGridTransEdit::KeyDown(int& Key, TShiftState Shift)
{
    FixedEditKey(FGrid, this, Key);
    TCustomEdit::KeyDown(Key, Shift);
}

void TGridTransEdit::DoExit()
{
    TCustomEdit::DoExit();
    // Hidden, the edit was cancelled or has ended.
    if (Visible())
        StopEdit();
}

bool TGridTransEdit::StopEdit() { return StopFixedEdit(FGrid, this, FCol, FRow, Text()); }

TGridTransCombo::TGridTransCombo(TComponent* AOwner)
    : TCustomComboBox(AOwner), FGrid(dynamic_cast<TProStringGrid*>(AOwner))
{
    SetVisible(false);
}

void TGridTransCombo::KeyPress(QChar& Key)
{
    if (Key == QChar(VK_RETURN))
        Key = QChar();
    TCustomComboBox::KeyPress(Key);
}

void TGridTransCombo::CMWantSpecialKey(TWMKey& Message)
{
    if (WantsFixedEditKey(Message))
        Message.Result = 1;
    else
        TCustomComboBox::CMWantSpecialKey(Message);
}

void TGridTransCombo::KeyDown(int& Key, TShiftState Shift)
{
    FixedEditKey(FGrid, this, Key);
    TCustomComboBox::KeyDown(Key, Shift);
}

void TGridTransCombo::DoExit()
{
    TCustomComboBox::DoExit();
    // Hidden, the edit was cancelled or has ended.
    if (Visible())
        StopEdit();
}

bool TGridTransCombo::StopEdit()
{
    // A list shows no text that is none of its items: left without a
    // choice, the cell keeps its text.
    if (Style() == csDropDownList && ItemIndex() < 0) {
        SetVisible(false);
        return true;
    }
    return StopFixedEdit(FGrid, this, FCol, FRow, Text());
}

// Form-control editors

void TControlEdit::CMWantSpecialKey(TWMKey& Message)
{
    if (Message.CharCode == VK_RETURN) {
        Message.Result = 0;
        return;
    }
    if (Message.CharCode == VK_TAB) {
        Message.Result = 1;
        return;
    }
    TCustomMaskEdit::CMWantSpecialKey(Message);
}

namespace {

// Return and Tab close a form-control editor; Tab goes on to the next
// control of the cell (or the next cell with AdvanceAuto).
bool CloseControlEditor(TWinControl* Editor, QChar& Key)
{
    auto* grid = dynamic_cast<TProStringGrid*>(Editor->Parent());
    if (!grid || (Key != QChar(VK_RETURN) && Key != QChar(VK_TAB)))
        return false;
    const bool tab = Key == QChar(VK_TAB);
    Key = QChar();
    const QString id = grid->ControlID();
    grid->ControlExit(Editor);
    if (!tab) {
        grid->TakeFocus();
        return true;
    }
    if (grid->Navigation()->AdvanceAuto())
        grid->AdvanceEdit(grid->Col(), grid->Row(), true, false, true, false, true);
    else
        grid->EditNextCellControl(grid->Col(), grid->Row(), id);
    return true;
}

} // namespace

void TControlEdit::KeyPress(QChar& Key)
{
    if (!CloseControlEditor(this, Key))
        TCustomMaskEdit::KeyPress(Key);
}

void TControlCombo::CMWantSpecialKey(TWMKey& Message)
{
    if (Message.CharCode == VK_TAB) {
        Message.Result = 1;
        return;
    }
    TSgComboBox::CMWantSpecialKey(Message);
}

void TControlCombo::KeyPress(QChar& Key)
{
    if (!CloseControlEditor(this, Key))
        TSgComboBox::KeyPress(Key);
}
