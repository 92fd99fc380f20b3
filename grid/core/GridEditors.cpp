#include "grid/core/GridEditors.h"
#include "grid/core/GridUnit.h"
#include "grid/core/ProInplaceEdit.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/TextUtils.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/SysUtils.h"
#include "platform/services/Clipboard.h"
#include "grid/core/GridCoreHelpers.h"

// The special editors' key protocol. The common steps of a key that ends
// an edit: the control's text goes into the current cell and is
// validated; a refusal keeps the control open with the accepted text and
// swallows the key; otherwise the edit ends (DoneInplaceEdit) and, with
// AdvanceOnEnter and AdvanceAutoEdit, the editor opens in the new cell.

namespace {

TProStringGrid* GridOf(TComponent* AOwner) { return dynamic_cast<TProStringGrid*>(AOwner); }

} // namespace

// The grid's side of the protocol

bool TProStringGrid::CommitEditorText(const QString& Text)
{
    SetCurrentCell(Text);
    return ValidateCell(Text);
}

void TProStringGrid::TakeFocus()
{
    const bool alwaysEdit = FNavigation->AlwaysEdit();
    FNavigation->SetAlwaysEdit(false);
    if (CanFocus())
        SetFocus();
    FNavigation->SetAlwaysEdit(alwaysEdit);
}

void TProStringGrid::EndEditorByKey(int& Key, TShiftState Shift)
{
    DoneInplaceEdit(Key, Shift);
    if (FNavigation->AdvanceOnEnter() && FNavigation->AdvanceAutoEdit())
        ShowInplaceEdit();
    Key = 0;
}

bool TProStringGrid::TabFromEditor(TShiftState Shift)
{
    if (!Options().Contains(goTabs)) {
        PostMessage(this, WM_KEYDOWN, VK_TAB, 0);
        return false;
    }
    HideInplaceEdit();
    TakeFocus();
    TabNavigate(Shift.Contains(ssShift));
    return true;
}

void TProStringGrid::FireComboChange(int Index)
{
    if (!FEditCombo)
        return;
    TStrings* items = FEditCombo->Items();
    const bool item = Index >= 0 && Index < items->Count();
    const QString text = item ? items->Strings(Index) : FEditCombo->Text();
    if (OnComboChange)
        OnComboChange(this, RealCol(), Row(), Index, text);
    if (OnComboObjectChange)
        OnComboObjectChange(this, RealCol(), Row(), Index, text, item ? items->Objects(Index) : nullptr);
}

// Walks one cell left or right out of an editor's text; the editor's
// focus loss commits it first.
void TProStringGrid::CursorWalk(const QString& Text, bool Forward)
{
    const int span = Forward ? CellSpan(RealCol(), Row()).X : 0;
    const int target = Forward ? Col() + span + 1 : Col() - 1;
    const bool inside = Forward ? Col() < ColCount() - FFixedRightCols - 1 : Col() > FixedCols();
    if (inside && IsControlCell(DisplToRealCol(target), Row())) {
        if (ValidateCell(Text)) {
            HideInplaceEdit();
            SetCol(target);
        }
        return;
    }
    TakeFocus();
    const TAdvanceDirection direction = FNavigation->AdvanceDirection();
    FNavigation->SetAdvanceDirection(adLeftRight);
    AdvanceEdit(Col(), Row(), true, true, Forward, false, true);
    FNavigation->SetAdvanceDirection(direction);
    if (FNavigation->CursorWalkAlwaysEdit())
        ShowEditor();
}

// Combo

TGridCombo::TGridCombo(TComponent* AOwner) : TSgComboBox(AOwner), FGrid(GridOf(AOwner)) { SetButtonWidth(16); }

void TGridCombo::CMWantSpecialKey(TWMKey& Message)
{
    TSgComboBox::CMWantSpecialKey(Message);
    const int key = Message.CharCode;
    if (key == VK_RETURN || key == VK_ESCAPE || (key == VK_TAB && FGrid && FGrid->WantTabKey()))
        Message.Result = 1;
}

void TGridCombo::KeyDown(int& Key, TShiftState Shift)
{
    TProStringGrid* g = FGrid;
    if (!g) {
        TSgComboBox::KeyDown(Key, Shift);
        return;
    }
    TNavigation* nav = g->Navigation();
    const bool list = Style() == csDropDownList;
    const bool dropped = DroppedDown();
    bool leave = list || dropped ? IsKey(Key, {VK_TAB, VK_RETURN, VK_ESCAPE, VK_LEFT, VK_RIGHT})
                                 : IsKey(Key, {VK_TAB, VK_RETURN, VK_ESCAPE, VK_PRIOR, VK_NEXT, VK_END, VK_UP, VK_DOWN});
    FWorkMode = Key != VK_BACK && Key != VK_DELETE;
    FSelKeyDown = SelStart();
    TControlGuard alive = Guard();
    if ((Key == VK_UP || Key == VK_DOWN) && !dropped && !nav->ComboGetUpDown()) {
        // The edit ends in this cell and the cursor moves; the hidden combo
        // takes nothing more of the key.
        g->HideInplaceEdit();
        g->TakeFocus();
        int key = Key;
        g->KeyDown(key, Shift);
        Key = 0;
        return;
    }
    if (Key == VK_DOWN && Shift.Contains(ssAlt))
        leave = false;
    if (!leave) {
        TSgComboBox::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        SetText(g->CurrentCell());
        g->HideInplaceEdit();
        g->TakeFocus();
    }
    if (IsKey(Key, {VK_RETURN, VK_UP, VK_DOWN, VK_TAB}) && (Key != VK_TAB || g->WantTabKey())) {
        if (!g->CommitEditorText(Text())) {
            if (alive.expired())
                return;
            SetText(g->FNewCellText);
            if (!list)
                SetSelStart(int(Text().size()));
            Key = 0;
            Invalidate();
            return;
        }
        if (list)
            SetItemIndex(Items()->IndexOf(g->CurrentCell()));
        else
            SetText(g->CurrentCell());
        if (Key == VK_TAB && g->TabFromEditor(Shift)) {
            Key = 0;
            return;
        }
    }
    if (alive.expired())
        return;
    if (dropped || list) {
        TMouseActions* mouse = g->MouseActions();
        const bool directClose = mouse->DirectComboClose();
        mouse->SetDirectComboClose(false);
        g->HideInplaceEdit();
        mouse->SetDirectComboClose(directClose);
        if (Key == VK_LEFT || Key == VK_RIGHT) {
            int key = Key;
            g->TakeFocus();
            g->KeyDown(key, Shift);
        }
        if (IsKey(Key, {VK_PRIOR, VK_NEXT, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN})) {
            Key = 0;
            return;
        }
    } else if (Key == VK_END) {
        TSgComboBox::KeyDown(Key, Shift);
        return;
    }
    g->EndEditorByKey(Key, Shift);
}

void TGridCombo::KeyPress(QChar& Key)
{
    if (FGrid && FGrid->OnKeyPress)
        FGrid->OnKeyPress(this, Key);
    if (Key == QChar(VK_ESCAPE))
        Key = QChar();
    if (Key == QChar(VK_RETURN) && OnReturnKey)
        OnReturnKey(this);
    if (Key == QChar(VK_RETURN) || Key == QChar(VK_TAB))
        Key = QChar();
    TSgComboBox::KeyPress(Key);
}

void TGridCombo::KeyUp(int& Key, TShiftState Shift)
{
    TProStringGrid* g = FGrid;
    if (g && Style() != csDropDownList && g->Navigation()->CursorWalkEditor() && SelLength() == 0
        && !Shift.Contains(ssShift)) {
        const bool left = Key == VK_LEFT && SelStart() == 0;
        const bool right = Key == VK_RIGHT && SelStart() == int(Text().size());
        if (left || right) {
            Key = 0;
            g->CursorWalk(Text(), right);
            return;
        }
    }
    if (Key != VK_RETURN)
        TSgComboBox::KeyUp(Key, Shift);
    DoChange();
}

void TGridCombo::DoChange()
{
    TProStringGrid* g = FGrid;
    if (!g || !FWorkMode || !g->Lookup() || Style() == csDropDownList)
        return;
    const int caret = SelStart();
    const QString typed = Text().left(caret);
    if (typed.isEmpty())
        return;
    const bool caseSensitive = g->LookupCaseSensitive();
    const QString key = caseSensitive ? typed : typed.toUpper();
    auto complete = [&](TStrings* List, bool Select) {
        for (int i = 0; i < List->Count(); ++i) {
            const QString item = List->Strings(i);
            if (!(caseSensitive ? item : item.toUpper()).startsWith(key))
                continue;
            // The typed part keeps its case; the rest comes from the item.
            SetItemIndex(Select ? i : -1);
            SetText(typed + item.mid(typed.size(), 255));
            SetSelStart(int(typed.size()));
            SetSelLength(int(Text().size() - typed.size()));
            return true;
        }
        return false;
    };
    if (!complete(Items(), true))
        complete(g->LookupItems(), false);
}

void TGridCombo::WndProc(TMessage& Message)
{
    TProStringGrid* g = FGrid;
    if (g && Message.Msg == WM_MOUSEWHEEL && Items()->Count() > 0) {
        const int delta = TWMMouseWheel(Message).WheelDelta;
        const int index = std::clamp(ItemIndex() + (delta < 0 ? 1 : -1), 0, Items()->Count() - 1);
        if (index != ItemIndex()) {
            SetItemIndex(index);
            if (g->OnEditChange)
                g->OnEditChange(g, g->Col(), g->Row(), Items()->Strings(index));
            g->FireComboChange(index);
        }
        Message.Result = 1;
        return;
    }
    TSgComboBox::WndProc(Message);
}

void TGridCombo::CNCommand(TWMCommand& Message)
{
    TControlGuard alive = Guard();
    TSgComboBox::CNCommand(Message);
    TProStringGrid* g = FGrid;
    if (alive.expired() || !g || !g->FEditMode || g->FEditCombo != this)
        return;
    switch (Message.NotifyCode) {
    case CBN_SELCHANGE:
    case CBN_EDITCHANGE: g->FireComboChange(ItemIndex()); break;
    case CBN_CLOSEUP:
        if (g->MouseActions()->DirectComboClose()) {
            TMouseActions* mouse = g->MouseActions();
            const bool direct = mouse->DirectEdit();
            mouse->SetDirectEdit(false);
            g->HideInplaceEdit();
            mouse->SetDirectEdit(direct);
            g->TakeFocus();
        }
        g->DoComboCloseUp(g->Row(), g->RealCol());
        break;
    case CBN_DROPDOWN: g->DoComboDropDown(g->Row(), g->RealCol()); break;
    default: break;
    }
}

void TGridCombo::Change()
{
    TSgComboBox::Change();
    if (FGrid && FGrid->OnEditChange)
        FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

void TGridCombo::WMSetFocus(TWMFocus& Message)
{
    TSgComboBox::WMSetFocus(Message);
    if (!FGrid)
        return;
    // The edit part shows its text selected, so typing replaces it and
    // completes afresh; without EditSelectAll the caret goes to the end.
    if (Style() != csDropDownList) {
        const bool all = FGrid->Navigation()->EditSelectAll();
        SetSelStart(all ? 0 : int(Text().size()));
        if (all)
            SetSelLength(int(Text().size()));
    }
    FGrid->LButFlg = false;
}

void TGridCombo::DoExit()
{
    if (FGrid && FGrid->LookupHistory() && !Text().isEmpty() && Items()->IndexOf(Text()) < 0)
        Items()->Add(Text());
    TSgComboBox::DoExit();
    if (FGrid)
        FGrid->HideInplaceEdit();
}

void TGridCombo::SizeDropDownWidth()
{
    if (!FGrid)
        return;
    TCanvas* canvas = FGrid->Canvas();
    int w = Width();
    const bool scrolls = Items()->Count() > DropDownCount();
    for (int i = 0; i < Items()->Count(); ++i) {
        const int t = canvas->TextWidth(Items()->Strings(i));
        if (scrolls && t > w - 25)
            w = t + 25;
        else if (!scrolls && t > w - 5)
            w = t + 8;
    }
    SetDropWidth(w);
}

// Spin editor

TGridSpin::TGridSpin(TComponent* AOwner) : TSgSpinEdit(AOwner), FGrid(GridOf(AOwner))
{
    SetMaxValue(100);
    SetMinValue(0);
    SetIncrement(1);
}

void TGridSpin::CMWantSpecialKey(TWMKey& Message)
{
    TSgSpinEdit::CMWantSpecialKey(Message);
    const int key = Message.CharCode;
    if (key == VK_RETURN || key == VK_ESCAPE || (key == VK_TAB && FGrid && FGrid->Options().Contains(goTabs)))
        Message.Result = 1;
}

void TGridSpin::WMChar(TWMKey& Message)
{
    if (Message.CharCode == VK_TAB || Message.CharCode == VK_RETURN) {
        Message.Result = 1;
        return;
    }
    TSgSpinEdit::WMChar(Message);
}

void TGridSpin::WMKeyDown(TWMKey& Message)
{
    // The grid's keys come before the spin edit's own stepping.
    if (FGrid && IsKey(Message.CharCode, {VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT}))
        TCustomMaskEdit::WMKeyDown(Message);
    else
        TSgSpinEdit::WMKeyDown(Message);
}

void TGridSpin::KeyPress(QChar& Key)
{
    if (Key == QChar(VK_ESCAPE) || Key == QChar(VK_RETURN))
        Key = QChar();
    TSgSpinEdit::KeyPress(Key);
}

void TGridSpin::KeyDown(int& Key, TShiftState Shift)
{
    TProStringGrid* g = FGrid;
    if (!g) {
        TSgSpinEdit::KeyDown(Key, Shift);
        return;
    }
    if ((SpinType() == sptNormal || SpinType() == sptFloat) && IsKey(Key, {VK_PRIOR, VK_NEXT, VK_HOME, VK_END})) {
        const bool normal = SpinType() == sptNormal;
        switch (Key) {
        case VK_PRIOR:
            if (normal && Value() + Increment() <= MaxValue())
                SetValue(Value() + Increment());
            else if (!normal && FloatValue() + IncrementFloat() <= MaxFloatValue())
                SetFloatValue(FloatValue() + IncrementFloat());
            break;
        case VK_NEXT:
            if (normal && Value() - Increment() >= MinValue())
                SetValue(Value() - Increment());
            else if (!normal && FloatValue() - IncrementFloat() >= MinFloatValue())
                SetFloatValue(FloatValue() - IncrementFloat());
            break;
        case VK_END: normal ? SetValue(MinValue()) : SetFloatValue(MinFloatValue()); break;
        default: normal ? SetValue(MaxValue()) : SetFloatValue(MaxFloatValue()); break;
        }
        if (g->OnSpinClick)
            g->OnSpinClick(g, g->Col(), g->Row(), Value(), Key == VK_PRIOR || Key == VK_HOME);
        Key = 0;
        return;
    }
    if (!IsKey(Key, {VK_TAB, VK_RETURN, VK_ESCAPE, VK_UP, VK_DOWN})) {
        TSgSpinEdit::KeyDown(Key, Shift);
        return;
    }
    TControlGuard alive = Guard();
    if (Key == VK_ESCAPE) {
        SetText(g->FCellCache);
    } else if (!g->CommitEditorText(Text())) {
        if (alive.expired())
            return;
        SetText(g->CurrentCell());
        SetSelStart(int(Text().size()));
        Key = 0;
        return;
    }
    if (Key == VK_TAB && g->Options().Contains(goTabs)) {
        g->TabFromEditor(Shift);
        Key = 0;
        return;
    }
    g->EndEditorByKey(Key, Shift);
}

void TGridSpin::UpClick(TObject* Sender)
{
    TSgSpinEdit::UpClick(Sender);
    DoSpinClick(true);
}

void TGridSpin::DownClick(TObject* Sender)
{
    TSgSpinEdit::DownClick(Sender);
    DoSpinClick(false);
}

void TGridSpin::DoSpinClick(bool Up)
{
    TProStringGrid* g = FGrid;
    if (!g)
        return;
    switch (SpinType()) {
    case sptNormal:
        if (g->OnSpinClick)
            g->OnSpinClick(g, g->Col(), g->Row(), Value(), Up);
        break;
    case sptFloat:
        if (g->OnFloatSpinClick)
            g->OnFloatSpinClick(g, g->Col(), g->Row(), FloatValue(), Up);
        break;
    case sptDate:
        if (g->OnDateSpinClick)
            g->OnDateSpinClick(g, g->Col(), g->Row(), DateValue(), Up);
        break;
    case sptTime:
        if (g->OnTimeSpinClick)
            g->OnTimeSpinClick(g, g->Col(), g->Row(), TimeValue(), Up);
        break;
    }
}

void TGridSpin::Change()
{
    TSgSpinEdit::Change();
    if (FGrid && FGrid->OnEditChange)
        FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

void TGridSpin::DoExit()
{
    TSgSpinEdit::DoExit();
    if (FGrid)
        FGrid->HideInplaceEdit();
}

// Edit with button

TGridEditBtn::TGridEditBtn(TComponent* AOwner) : TSgEditBtn(AOwner), FGrid(GridOf(AOwner)) {}

void TGridEditBtn::CMWantSpecialKey(TWMKey& Message)
{
    TSgEditBtn::CMWantSpecialKey(Message);
    const int key = Message.CharCode;
    if (key == VK_RETURN || key == VK_ESCAPE || (key == VK_TAB && FGrid && FGrid->WantTabKey()))
        Message.Result = 1;
}

void TGridEditBtn::WMChar(TWMKey& Message)
{
    QChar c(char16_t(Message.CharCode));
    if (c == QChar(VK_TAB) || c == QChar(VK_RETURN)) {
        Message.Result = 1;
        return;
    }
    if (FGrid) {
        const TEditorType kind = FGrid->EditControl();
        const TEditorType filter = kind == edNumericEditBtn ? edNumeric : kind == edFloatEditBtn ? edFloat : edNormal;
        if (!FilterEditorChar(filter, c, Text(), SelStart(), SelLength(), GetKeyState(VK_CONTROL) < 0, QString())) {
            Message.CharCode = 0;
            return;
        }
    }
    TSgEditBtn::WMChar(Message);
}

void TGridEditBtn::KeyPress(QChar& Key)
{
    if (FGrid && FGrid->OnKeyPress)
        FGrid->OnKeyPress(FGrid, Key);
    if (Key == QChar(VK_TAB))
        Key = QChar();
    TSgEditBtn::KeyPress(Key);
}

void TGridEditBtn::KeyDown(int& Key, TShiftState Shift)
{
    TProStringGrid* g = FGrid;
    if (!g) {
        TSgEditBtn::KeyDown(Key, Shift);
        return;
    }
    const bool leave = IsKey(Key, {VK_TAB, VK_RETURN, VK_ESCAPE, VK_PRIOR, VK_NEXT, VK_UP, VK_DOWN});
    if (!leave && g->OnKeyDown)
        g->OnKeyDown(g, Key, Shift);
    FWorkMode = Key != VK_BACK && Key != VK_DELETE;
    FSelKeyDown = SelStart();
    if ((Shift.Contains(ssCtrl) && Key == 'V') || (Shift == TShiftState{ssShift} && Key == VK_INSERT)) {
        Perform(WM_PASTE, 0, 0);
        Key = 0;
        return;
    }
    if (Shift.Contains(ssCtrl) || !leave) {
        TSgEditBtn::KeyDown(Key, Shift);
        return;
    }
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
    TControlGuard alive = Guard();
    if (IsKey(Key, {VK_TAB, VK_RETURN, VK_UP, VK_DOWN})) {
        const TEditorType kind = g->FEditControl;
        const bool valid = g->CommitEditorText(Text());
        if (alive.expired())
            return;
        SetText(g->FNewCellText);
        if (!valid) {
            SelectAll();
            Invalidate();
            g->FEditControl = kind;
            Key = 0;
            return;
        }
        if (Key == VK_TAB && g->TabFromEditor(Shift)) {
            Key = 0;
            return;
        }
    }
    if (Key == VK_ESCAPE)
        SetText(g->FCellCache);
    g->DoneInplaceEdit(Key, Shift);
    Key = 0;
}

void TGridEditBtn::KeyUp(int& Key, TShiftState Shift)
{
    TProStringGrid* g = FGrid;
    if (!g) {
        TSgEditBtn::KeyUp(Key, Shift);
        return;
    }
    if (g->OnKeyUp)
        g->OnKeyUp(g, Key, Shift);
    if (g->Navigation()->CursorWalkEditor() && SelLength() == 0 && !Shift.Contains(ssShift)) {
        const bool left = Key == VK_LEFT && SelStart() == 0 && FSelKeyDown == 0;
        const bool right = Key == VK_RIGHT && SelStart() == int(Text().size());
        if (left || right) {
            Key = 0;
            g->CursorWalk(Text(), right);
            return;
        }
    }
    if (Key != VK_RETURN)
        TSgEditBtn::KeyUp(Key, Shift);
    if (!FWorkMode || SelLength() > 0 || !g->Lookup())
        return;
    const QString typed = Text().left(SelStart());
    if (typed.isEmpty())
        return;
    const bool caseSensitive = g->LookupCaseSensitive();
    TStringList* items = g->LookupItems();
    for (int i = 0; i < items->Count(); ++i) {
        const QString item = items->Strings(i);
        if ((caseSensitive ? item : item.toUpper()).startsWith(caseSensitive ? typed : typed.toUpper())) {
            const QString text = typed + item.mid(typed.size(), 255);
            SetText(text);
            SetSelStart(int(typed.size()));
            SetSelLength(int(text.size() - typed.size()));
            return;
        }
    }
}

void TGridEditBtn::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_PASTE && FGrid) {
        QString t = Clipboard()->AsText();
        bool allow = !t.isEmpty();
        if (FGrid->OnClipboardPaste)
            FGrid->OnClipboardPaste(this, allow);
        if (allow && FGrid->OnClipboardBeforePasteCell)
            FGrid->OnClipboardBeforePasteCell(this, FGrid->Col(), FGrid->Row(), t, allow);
        if (!allow)
            return;
        if (t.endsWith(QStringLiteral("\r\n")) && t.indexOf(QStringLiteral("\r\n")) == t.size() - 2)
            t.chop(2);
        const int start = SelStart();
        const int length = SelLength();
        SetSelText(t);
        if (length > 0) {
            SetSelStart(start);
            SetSelLength(int(t.size()));
        }
        FGrid->SetCurrentCellEditText(Text());
        return;
    }
    TSgEditBtn::WndProc(Message);
}

void TGridEditBtn::WMLButtonDblClk(TWMMouse& Message)
{
    TSgEditBtn::WMLButtonDblClk(Message);
    if (FGrid && FGrid->OnDblClickCell)
        FGrid->OnDblClickCell(FGrid, FGrid->Row(), FGrid->Col());
}

void TGridEditBtn::Change()
{
    TSgEditBtn::Change();
    if (FGrid && FGrid->OnEditChange)
        FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

void TGridEditBtn::ClickButton(TObject* Sender)
{
    if (!FGrid) {
        TSgEditBtn::ClickButton(Sender);
        return;
    }
    SetText(FGrid->DoEllipsClick(Text()));
    SelectAll();
    if (FStopEditAfterClick) {
        FGrid->HideInplaceEdit();
        FGrid->TakeFocus();
    }
}

void TGridEditBtn::DoExit()
{
    TSgEditBtn::DoExit();
    if (FGrid)
        FGrid->HideInplaceEdit();
}

// Unit edit

TGridUnitEditBtn::TGridUnitEditBtn(TComponent* AOwner) : TSgUnitEditBtn(AOwner), FGrid(GridOf(AOwner))
{
    OnUnitChanged = [this](TObject* Sender, const QString& NewUnit) {
        if (FGrid)
            FGrid->DoUnitChanged(Sender, NewUnit);
    };
}

void TGridUnitEditBtn::CMWantSpecialKey(TWMKey& Message)
{
    TSgUnitEditBtn::CMWantSpecialKey(Message);
    const int key = Message.CharCode;
    if (key == VK_RETURN || key == VK_ESCAPE || (key == VK_TAB && FGrid && FGrid->Options().Contains(goTabs)))
        Message.Result = 1;
}

void TGridUnitEditBtn::WMChar(TWMKey& Message)
{
    QChar c(char16_t(Message.CharCode));
    if (c == QChar(VK_RETURN)) {
        Message.Result = 1;
        return;
    }
    if (FGrid) {
        const TEditorType kind = FGrid->EditControl();
        const TEditorType filter =
            kind == edNumericUnitEditBtn ? edNumeric : kind == edFloatUnitEditBtn ? edFloat : edNormal;
        if (!FilterEditorChar(filter, c, Text(), SelStart(), SelLength(), GetKeyState(VK_CONTROL) < 0, QString())) {
            Message.CharCode = 0;
            return;
        }
    }
    TSgUnitEditBtn::WMChar(Message);
}

void TGridUnitEditBtn::KeyDown(int& Key, TShiftState Shift)
{
    TProStringGrid* g = FGrid;
    if (!g || !IsKey(Key, {VK_TAB, VK_RETURN, VK_ESCAPE, VK_PRIOR, VK_NEXT, VK_UP, VK_DOWN})) {
        TSgUnitEditBtn::KeyDown(Key, Shift);
        return;
    }
    TControlGuard alive = Guard();
    if (IsKey(Key, {VK_TAB, VK_RETURN, VK_UP, VK_DOWN})) {
        const bool valid = g->CommitEditorText(TextAndUnit());
        if (alive.expired())
            return;
        if (!valid) {
            SetText(g->CurrentCell());
            Key = 0;
            return;
        }
        SetTextAndUnit(g->CurrentCell());
    }
    if (Key == VK_RETURN && g->Navigation()->AdvanceOnEnter()) {
        g->HideInplaceEdit();
        g->TakeFocus();
        Key = 0;
        g->AdvanceEdit(g->Col(), g->Row(), false, true, true, false, true);
        return;
    }
    if (Key == VK_TAB && g->Options().Contains(goTabs)) {
        g->TabFromEditor(Shift);
        Key = 0;
        return;
    }
    if (Key == VK_ESCAPE) {
        SetUnitID(QString());
        SetText(g->CurrentCell());
    }
    g->DoneInplaceEdit(Key, Shift);
    Key = 0;
}

void TGridUnitEditBtn::ClickButton(TObject* Sender)
{
    if (!FGrid) {
        TSgUnitEditBtn::ClickButton(Sender);
        return;
    }
    SetText(FGrid->DoEllipsClick(Text()));
    SelectAll();
}

void TGridUnitEditBtn::DoExit()
{
    TSgUnitEditBtn::DoExit();
    if (FGrid)
        FGrid->HideInplaceEdit();
}

// Check box

TGridCheckBox::TGridCheckBox(TComponent* AOwner) : TCheckBox(AOwner), FGrid(GridOf(AOwner)) {}

void TGridCheckBox::CMWantSpecialKey(TWMKey& Message)
{
    TCheckBox::CMWantSpecialKey(Message);
    if (FGrid && IsKey(Message.CharCode, {VK_RETURN, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN}))
        Message.Result = 1;
}

void TGridCheckBox::KeyDown(int& Key, TShiftState Shift)
{
    TProStringGrid* g = FGrid;
    if (!g || !IsKey(Key, {VK_RETURN, VK_PRIOR, VK_NEXT, VK_END, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN})) {
        TCheckBox::KeyDown(Key, Shift);
        return;
    }
    g->HideInplaceEdit();
    g->TakeFocus();
    if (Key == VK_RETURN)
        g->AdvanceEdit(g->Col(), g->Row(), false, true, true, false, true);
    if (Key == VK_UP || Key == VK_DOWN) {
        int key = Key;
        g->KeyDown(key, Shift);
    }
    Key = 0;
}

void TGridCheckBox::DoExit()
{
    TCheckBox::DoExit();
    if (FGrid)
        FGrid->HideInplaceEdit();
}

// Button

TGridButton::TGridButton(TComponent* AOwner) : TButton(AOwner), FGrid(GridOf(AOwner)) {}

void TGridButton::CMWantSpecialKey(TWMKey& Message)
{
    TButton::CMWantSpecialKey(Message);
    if (IsKey(Message.CharCode, {VK_ESCAPE, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN}))
        Message.Result = 1;
}

void TGridButton::Leave()
{
    SetVisible(false);
    SetEnabled(false);
    FGrid->FEditMode = false;
    FGrid->FEditActive = false;
    FGrid->TakeFocus();
}

void TGridButton::KeyDown(int& Key, TShiftState Shift)
{
    if (!FGrid || !IsKey(Key, {VK_ESCAPE, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN})) {
        TButton::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        Leave();
        FGrid->RestoreCurrentCell();
    } else {
        int key = Key;
        FGrid->KeyDown(key, Shift);
        Leave();
    }
    FGrid->FEditing = false;
    Key = 0;
}

void TGridButton::KeyUp(int& Key, TShiftState Shift)
{
    if (FGrid && Key == VK_SPACE) {
        Clicked();
        Key = 0;
        return;
    }
    TButton::KeyUp(Key, Shift);
}

void TGridButton::WndProc(TMessage& Message)
{
    TControlGuard alive = Guard();
    TButton::WndProc(Message);
    if (!alive.expired() && Message.Msg == WM_LBUTTONUP && FGrid && Parent() == FGrid)
        Clicked();
}

void TGridButton::Clicked()
{
    const QString text = FGrid->DoEllipsClick(Caption());
    SetCaption(text);
    FGrid->SetCurrentCell(text);
}

// Date picker

TGridDatePicker::TGridDatePicker(TComponent* AOwner) : TSgDateTimePicker(AOwner), FGrid(GridOf(AOwner)) {}

void TGridDatePicker::CMWantSpecialKey(TWMKey& Message)
{
    TSgDateTimePicker::CMWantSpecialKey(Message);
    const int key = Message.CharCode;
    if (key == VK_RETURN || key == VK_ESCAPE || (key == VK_TAB && FGrid && FGrid->WantTabKey()))
        Message.Result = 1;
}

void TGridDatePicker::KeyDown(int& Key, TShiftState Shift)
{
    TProStringGrid* g = FGrid;
    if (!g || !IsKey(Key, {VK_TAB, VK_RETURN, VK_ESCAPE, VK_PRIOR, VK_NEXT, VK_END})) {
        TSgDateTimePicker::KeyDown(Key, Shift);
        return;
    }
    TControlGuard alive = Guard();
    if (Key == VK_ESCAPE) {
        TDateTime value = Now();
        const QString cell = g->CurrentCell();
        if (!ParseDateTimeText(cell, value))
            value = Now();
        if (Kind() == dtkTime)
            SetTime(value);
        else
            SetDate(value);
    } else if (Key == VK_RETURN || (Key == VK_TAB && g->WantTabKey())) {
        const bool valid = g->CommitEditorText(Text());
        if (alive.expired())
            return;
        if (!valid) {
            Key = 0;
            return;
        }
        if (Key == VK_TAB && g->TabFromEditor(Shift)) {
            Key = 0;
            return;
        }
    }
    if (!DroppedDown())
        g->DoneInplaceEdit(Key, Shift);
    Key = 0;
}

void TGridDatePicker::KeyPress(QChar& Key)
{
    if (Key.isDigit()) {
        const TDateTime d = DateTime();
        DecodeDate(d, Fy, Fm, Fd);
        DecodeTime(d, Fth, Ftm, Fts, Ftms);
        TSgDateTimePicker::KeyPress(Key);
        PostMessage(this, WM_DTPSHIFTFOCUS, 0, 0);
    } else {
        TSgDateTimePicker::KeyPress(Key);
    }
    if (FGrid && FGrid->OnKeyPress)
        FGrid->OnKeyPress(FGrid, Key);
}

void TGridDatePicker::ShiftFocusCheck()
{
    int y = 0, m = 0, d = 0, h = 0, n = 0, s = 0, ms = 0;
    DecodeDate(DateTime(), y, m, d);
    DecodeTime(DateTime(), h, n, s, ms);
    bool next = false;
    if (Kind() == dtkTime) {
        next = h != Fth || n != Ftm || s != Fts;
    } else if (!Format().isEmpty()) {
        const QChar last = Format().back().toLower();
        if ((d != Fd && last == u'd') || (m != Fm && last == u'm') || (y != Fy && last == u'y'))
            return;
        next = d != Fd || m != Fm || y != Fy;
    } else {
        next = d != Fd || m != Fm;
    }
    if (next)
        PostMessage(this, WM_KEYDOWN, VK_RIGHT, 0);
}

void TGridDatePicker::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_DTPSHIFTFOCUS && WM_DTPSHIFTFOCUS != 0) {
        ShiftFocusCheck();
        return;
    }
    TSgDateTimePicker::WndProc(Message);
}

void TGridDatePicker::DoExit()
{
    TSgDateTimePicker::DoExit();
    if (FGrid)
        FGrid->HideInplaceEdit();
}

// Date and time picker

TGridDateTimePicker::TGridDateTimePicker(TComponent* AOwner) : TProDateTimePicker(AOwner), FGrid(GridOf(AOwner)) {}

void TGridDateTimePicker::KeyDown(int& Key, TShiftState Shift)
{
    TProStringGrid* g = FGrid;
    if (!g) {
        TProDateTimePicker::KeyDown(Key, Shift);
        return;
    }
    switch (Key) {
    case VK_ESCAPE:
        SetDateTime(g->FOriginalDateTime);
        g->HideInplaceEdit();
        g->TakeFocus();
        Key = 0;
        return;
    case VK_RETURN:
        g->HideInplaceEdit();
        g->TakeFocus();
        Key = 0;
        g->AdvanceEdit(g->Col(), g->Row(), false, true, true, false, true);
        return;
    case VK_TAB:
        if (g->WantTabKey()) {
            g->HideInplaceEdit();
            g->TakeFocus();
            Key = 0;
            g->TabNavigate(Shift.Contains(ssShift));
            return;
        }
        break;
    default: break;
    }
    TProDateTimePicker::KeyDown(Key, Shift);
}

void TGridDateTimePicker::DoExit()
{
    TProDateTimePicker::DoExit();
    if (FGrid)
        FGrid->HideInplaceEdit();
}
