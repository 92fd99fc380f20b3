#include "grid/core/GridDropDownEditors.h"
#include "grid/core/ProStringGrid.h"
#include "platform/controls/WinApi.h"
#include "grid/core/GridCoreHelpers.h"

// The drop-down editors' key protocol and the wrappers that hand it their
// keys.

namespace {

} // namespace

TGridDropDownKeys::TGridDropDownKeys(TProCustomDropDown* Edit, TComponent* AOwner)
    : FEdit(Edit), FGrid(dynamic_cast<TProStringGrid*>(AOwner))
{
}

QString TGridDropDownKeys::CurrentValue() const
{
    return Value ? Value() : FEdit->Text();
}

void TGridDropDownKeys::ShowValue(const QString& Text)
{
    if (Show)
        Show(Text);
    else
        FEdit->SetTextDirect(Text);
}

void TGridDropDownKeys::WantSpecialKey(TWMKey& Message)
{
    const int key = Message.CharCode;
    if ((key == VK_TAB && FGrid && FGrid->WantTabKey())
        || (ClaimReturnEscape && (key == VK_RETURN || key == VK_ESCAPE)))
        Message.Result = 1;
}

bool TGridDropDownKeys::PreviewKey(TWMKey& Message)
{
    int key = Message.CharCode;
    if (FEdit->EditorEnabled() || FEdit->DroppedDown() || key == VK_RETURN || key == VK_ESCAPE)
        return false;
    const TShiftState shift = KeyboardStateToShiftState();
    if (!IsLeaveKey(key, shift) || !KeyDown(key, shift))
        return false;
    Message.CharCode = key;
    return true;
}

bool TGridDropDownKeys::IsLeaveKey(int Key, TShiftState Shift) const
{
    if (Key == VK_DOWN && Shift.Contains(ssAlt))
        return false;
    if (ColorKeys && FEdit->DroppedDown())
        return IsKey(Key, {VK_TAB, VK_RETURN, VK_ESCAPE});
    if (ColorKeys && Key == VK_HOME)
        return true;
    return IsKey(Key, {VK_TAB, VK_RETURN, VK_ESCAPE, VK_PRIOR, VK_NEXT, VK_END, VK_UP, VK_DOWN});
}

bool TGridDropDownKeys::KeyDown(int& Key, TShiftState Shift)
{
    TProStringGrid* g = FGrid;
    if (!g)
        return false;
    FWorkMode = Key != VK_BACK && Key != VK_DELETE;
    if (!IsLeaveKey(Key, Shift))
        return false;
    TControlGuard alive = FEdit->Guard();
    if (Key == VK_ESCAPE) {
        FCancelled = true;
        if (Restore)
            Restore();
        else
            ShowValue(g->CurrentCell());
        g->HideInplaceEdit();
        g->TakeFocus();
        if (alive.expired())
            return true;
    }
    const bool validates = Key == VK_RETURN || (!ColorKeys && (Key == VK_UP || Key == VK_DOWN));
    if (validates || (Key == VK_TAB && g->WantTabKey())) {
        if (Key == VK_RETURN && BeforeReturn)
            BeforeReturn();
        if (!g->CommitEditorText(CurrentValue())) {
            if (alive.expired())
                return true;
            ShowValue(g->NewCellText());
            FEdit->SelectAll();
            Key = 0;
            FEdit->Invalidate();
            return true;
        }
        if (alive.expired())
            return true;
        ShowValue(g->CurrentCell());
        if (Key == VK_TAB && g->TabFromEditor(Shift)) {
            Key = 0;
            return true;
        }
    }
    if (alive.expired())
        return true;
    if (FEdit->DroppedDown()) {
        g->HideInplaceEdit();
        if (IsKey(Key, {VK_PRIOR, VK_NEXT, VK_UP, VK_DOWN})) {
            Key = 0;
            return true;
        }
    } else if (Key == VK_END) {
        return false;
    }
    g->EndEditorByKey(Key, Shift);
    return true;
}

void TGridDropDownKeys::KeyPress(QChar& Key)
{
    if (FGrid && FGrid->OnKeyPress)
        FGrid->OnKeyPress(FEdit, Key);
    if (Key == QChar(VK_ESCAPE) || Key == QChar(VK_RETURN) || Key == QChar(VK_TAB))
        Key = QChar();
}

void TGridDropDownKeys::Changed()
{
    if (FGrid && FGrid->OnEditChange)
        FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), CurrentValue());
}

void TGridDropDownKeys::Exit()
{
    if (FGrid)
        FGrid->HideInplaceEdit();
}

// The wrappers

template <class TDropDown>
TGridDropDown<TDropDown>::TGridDropDown(TComponent* AOwner) : TDropDown(AOwner), FKeys(this, AOwner)
{
}

template <class TDropDown>
void TGridDropDown<TDropDown>::CMWantSpecialKey(TWMKey& Message)
{
    TDropDown::CMWantSpecialKey(Message);
    FKeys.WantSpecialKey(Message);
}

template <class TDropDown>
void TGridDropDown<TDropDown>::WMKeyDown(TWMKey& Message)
{
    if (!FKeys.PreviewKey(Message))
        TDropDown::WMKeyDown(Message);
}

template <class TDropDown>
void TGridDropDown<TDropDown>::KeyDown(int& Key, TShiftState Shift)
{
    if (!FKeys.KeyDown(Key, Shift))
        TDropDown::KeyDown(Key, Shift);
}

template <class TDropDown>
void TGridDropDown<TDropDown>::KeyPress(QChar& Key)
{
    FKeys.KeyPress(Key);
    TDropDown::KeyPress(Key);
}

template <class TDropDown>
void TGridDropDown<TDropDown>::Change()
{
    TDropDown::Change();
    FKeys.Changed();
}

template <class TDropDown>
void TGridDropDown<TDropDown>::DoExit()
{
    TDropDown::DoExit();
    FKeys.Exit();
}

TGridTrackbarDropDown::TGridTrackbarDropDown(TComponent* AOwner) : TGridDropDown(AOwner)
{
    FKeys.ClaimReturnEscape = true;
}

TGridMemoDropDown::TGridMemoDropDown(TComponent* AOwner) : TGridDropDown(AOwner)
{
    // The lines joined by line breaks, without one at the end.
    FKeys.Value = [this] {
        QString text = MemoText()->Text();
        if (text.endsWith(QLatin1String("\r\n")))
            text.chop(2);
        return text;
    };
    FKeys.Show = [this](const QString& Text) { MemoText()->SetText(Text); };
}

TGridCalculatorDropDown::TGridCalculatorDropDown(TComponent* AOwner) : TGridDropDown(AOwner)
{
    // The open keypad computes on its own Return.
    FKeys.BeforeReturn = [this] {
        if (!DroppedDown())
            CalcResult();
    };
}

void TGridCalculatorDropDown::CMVisibleChanged(TMessage& Message)
{
    TGridDropDown::CMVisibleChanged(Message);
    if (!Visible())
        EndPendingOperation();
}

TGridTimepickerDropDown::TGridTimepickerDropDown(TComponent* AOwner) : TGridDropDown(AOwner)
{
    SetFocusDraw(false);
}

// Escape puts the image of the opening back.
TGridImageDropDown::TGridImageDropDown(TComponent* AOwner) : TGridDropDown(AOwner)
{
    FKeys.Restore = [this] { SetImageIndex(OpeningIndex); };
}

// Escape puts the colour of the opening back.
TGridColorDropDown::TGridColorDropDown(TComponent* AOwner) : TGridDropDown(AOwner)
{
    FKeys.ClaimReturnEscape = true;
    FKeys.ColorKeys = true;
    FKeys.Value = [this] { return SelectedColorText(); };
    // The edit shows the colour, not a text.
    FKeys.Show = [](const QString&) {};
    FKeys.Restore = [this] { SetSelectedColor(OpeningColor); };
}

template class TGridDropDown<TProTrackBarDropDown>;
template class TGridDropDown<TProMemoDropDown>;
template class TGridDropDown<TProCalculatorDropdown>;
template class TGridDropDown<TProTimePickerDropDown>;
template class TGridDropDown<TProDetailDropDown>;
template class TGridDropDown<TProMultiColumnDropDown>;
template class TGridDropDown<TProImagePickerDropDown>;
template class TGridDropDown<TProColorPickerDropDown>;
