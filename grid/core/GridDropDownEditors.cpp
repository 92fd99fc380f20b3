#include "grid/core/GridDropDownEditors.h"
#include "grid/core/ProStringGrid.h"
#include "platform/controls/WinApi.h"

// The drop-down editors' key protocol and the wrappers that hand it their
// keys.

namespace {

bool IsKey(int Key, std::initializer_list<int> Keys)
{
    for (int k : Keys)
        if (k == Key)
            return true;
    return false;
}

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

// Track bar: the pattern.

TGridTrackbarDropDown::TGridTrackbarDropDown(TComponent* AOwner)
    : TProTrackBarDropDown(AOwner), FKeys(this, AOwner)
{
    FKeys.ClaimReturnEscape = true;
}

void TGridTrackbarDropDown::CMWantSpecialKey(TWMKey& Message)
{
    TProTrackBarDropDown::CMWantSpecialKey(Message);
    FKeys.WantSpecialKey(Message);
}

void TGridTrackbarDropDown::KeyDown(int& Key, TShiftState Shift)
{
    if (!FKeys.KeyDown(Key, Shift))
        TProTrackBarDropDown::KeyDown(Key, Shift);
}

void TGridTrackbarDropDown::KeyPress(QChar& Key)
{
    FKeys.KeyPress(Key);
    TProTrackBarDropDown::KeyPress(Key);
}

void TGridTrackbarDropDown::Change()
{
    TProTrackBarDropDown::Change();
    FKeys.Changed();
}

void TGridTrackbarDropDown::DoExit()
{
    TProTrackBarDropDown::DoExit();
    FKeys.Exit();
}

// Memo: the value is the memo's whole text.

TGridMemoDropDown::TGridMemoDropDown(TComponent* AOwner) : TProMemoDropDown(AOwner), FKeys(this, AOwner)
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

void TGridMemoDropDown::CMWantSpecialKey(TWMKey& Message)
{
    TProMemoDropDown::CMWantSpecialKey(Message);
    FKeys.WantSpecialKey(Message);
}

void TGridMemoDropDown::KeyDown(int& Key, TShiftState Shift)
{
    if (!FKeys.KeyDown(Key, Shift))
        TProMemoDropDown::KeyDown(Key, Shift);
}

void TGridMemoDropDown::KeyPress(QChar& Key)
{
    FKeys.KeyPress(Key);
    TProMemoDropDown::KeyPress(Key);
}

void TGridMemoDropDown::Change()
{
    TProMemoDropDown::Change();
    FKeys.Changed();
}

void TGridMemoDropDown::DoExit()
{
    TProMemoDropDown::DoExit();
    FKeys.Exit();
}

// Calculator

TGridCalculatorDropDown::TGridCalculatorDropDown(TComponent* AOwner)
    : TProCalculatorDropdown(AOwner), FKeys(this, AOwner)
{
    // The open keypad computes on its own Return.
    FKeys.BeforeReturn = [this] {
        if (!DroppedDown())
            CalcResult();
    };
}

void TGridCalculatorDropDown::CMWantSpecialKey(TWMKey& Message)
{
    TProCalculatorDropdown::CMWantSpecialKey(Message);
    FKeys.WantSpecialKey(Message);
}

void TGridCalculatorDropDown::KeyDown(int& Key, TShiftState Shift)
{
    if (!FKeys.KeyDown(Key, Shift))
        TProCalculatorDropdown::KeyDown(Key, Shift);
}

void TGridCalculatorDropDown::KeyPress(QChar& Key)
{
    FKeys.KeyPress(Key);
    TProCalculatorDropdown::KeyPress(Key);
}

void TGridCalculatorDropDown::Change()
{
    TProCalculatorDropdown::Change();
    FKeys.Changed();
}

void TGridCalculatorDropDown::DoExit()
{
    TProCalculatorDropdown::DoExit();
    FKeys.Exit();
}

// Time picker: no focus drawing.

TGridTimepickerDropDown::TGridTimepickerDropDown(TComponent* AOwner)
    : TProTimePickerDropDown(AOwner), FKeys(this, AOwner)
{
    SetFocusDraw(false);
}

void TGridTimepickerDropDown::CMWantSpecialKey(TWMKey& Message)
{
    TProTimePickerDropDown::CMWantSpecialKey(Message);
    FKeys.WantSpecialKey(Message);
}

void TGridTimepickerDropDown::KeyDown(int& Key, TShiftState Shift)
{
    if (!FKeys.KeyDown(Key, Shift))
        TProTimePickerDropDown::KeyDown(Key, Shift);
}

void TGridTimepickerDropDown::KeyPress(QChar& Key)
{
    FKeys.KeyPress(Key);
    TProTimePickerDropDown::KeyPress(Key);
}

void TGridTimepickerDropDown::Change()
{
    TProTimePickerDropDown::Change();
    FKeys.Changed();
}

void TGridTimepickerDropDown::DoExit()
{
    TProTimePickerDropDown::DoExit();
    FKeys.Exit();
}

// Detail list

TGridDetailPickerDropDown::TGridDetailPickerDropDown(TComponent* AOwner)
    : TProDetailDropDown(AOwner), FKeys(this, AOwner)
{
}

void TGridDetailPickerDropDown::CMWantSpecialKey(TWMKey& Message)
{
    TProDetailDropDown::CMWantSpecialKey(Message);
    FKeys.WantSpecialKey(Message);
}

void TGridDetailPickerDropDown::KeyDown(int& Key, TShiftState Shift)
{
    if (!FKeys.KeyDown(Key, Shift))
        TProDetailDropDown::KeyDown(Key, Shift);
}

void TGridDetailPickerDropDown::KeyPress(QChar& Key)
{
    FKeys.KeyPress(Key);
    TProDetailDropDown::KeyPress(Key);
}

void TGridDetailPickerDropDown::Change()
{
    TProDetailDropDown::Change();
    FKeys.Changed();
}

void TGridDetailPickerDropDown::DoExit()
{
    TProDetailDropDown::DoExit();
    FKeys.Exit();
}

// Multi-column list

TGridGridDropDown::TGridGridDropDown(TComponent* AOwner) : TProMultiColumnDropDown(AOwner), FKeys(this, AOwner) {}

void TGridGridDropDown::CMWantSpecialKey(TWMKey& Message)
{
    TProMultiColumnDropDown::CMWantSpecialKey(Message);
    FKeys.WantSpecialKey(Message);
}

void TGridGridDropDown::KeyDown(int& Key, TShiftState Shift)
{
    if (!FKeys.KeyDown(Key, Shift))
        TProMultiColumnDropDown::KeyDown(Key, Shift);
}

void TGridGridDropDown::KeyPress(QChar& Key)
{
    FKeys.KeyPress(Key);
    TProMultiColumnDropDown::KeyPress(Key);
}

void TGridGridDropDown::Change()
{
    TProMultiColumnDropDown::Change();
    FKeys.Changed();
}

void TGridGridDropDown::DoExit()
{
    TProMultiColumnDropDown::DoExit();
    FKeys.Exit();
}

// Image picker: Escape puts the image of the opening back.

TGridImageDropDown::TGridImageDropDown(TComponent* AOwner) : TProImagePickerDropDown(AOwner), FKeys(this, AOwner)
{
    FKeys.Restore = [this] { SetImageIndex(OpeningIndex); };
}

void TGridImageDropDown::CMWantSpecialKey(TWMKey& Message)
{
    TProImagePickerDropDown::CMWantSpecialKey(Message);
    FKeys.WantSpecialKey(Message);
}

void TGridImageDropDown::WMKeyDown(TWMKey& Message)
{
    if (!FKeys.PreviewKey(Message))
        TProImagePickerDropDown::WMKeyDown(Message);
}

void TGridImageDropDown::KeyDown(int& Key, TShiftState Shift)
{
    if (!FKeys.KeyDown(Key, Shift))
        TProImagePickerDropDown::KeyDown(Key, Shift);
}

void TGridImageDropDown::KeyPress(QChar& Key)
{
    FKeys.KeyPress(Key);
    TProImagePickerDropDown::KeyPress(Key);
}

void TGridImageDropDown::Change()
{
    TProImagePickerDropDown::Change();
    FKeys.Changed();
}

void TGridImageDropDown::DoExit()
{
    TProImagePickerDropDown::DoExit();
    FKeys.Exit();
}

// Colour picker: Escape puts the colour of the opening back.

TGridColorDropDown::TGridColorDropDown(TComponent* AOwner) : TProColorPickerDropDown(AOwner), FKeys(this, AOwner)
{
    FKeys.ClaimReturnEscape = true;
    FKeys.ColorKeys = true;
    FKeys.Value = [this] { return SelectedColorText(); };
    // The edit shows the colour, not a text.
    FKeys.Show = [](const QString&) {};
    FKeys.Restore = [this] { SetSelectedColor(OpeningColor); };
}

void TGridColorDropDown::CMWantSpecialKey(TWMKey& Message)
{
    TProColorPickerDropDown::CMWantSpecialKey(Message);
    FKeys.WantSpecialKey(Message);
}

void TGridColorDropDown::WMKeyDown(TWMKey& Message)
{
    if (!FKeys.PreviewKey(Message))
        TProColorPickerDropDown::WMKeyDown(Message);
}

void TGridColorDropDown::KeyDown(int& Key, TShiftState Shift)
{
    if (!FKeys.KeyDown(Key, Shift))
        TProColorPickerDropDown::KeyDown(Key, Shift);
}

void TGridColorDropDown::KeyPress(QChar& Key)
{
    FKeys.KeyPress(Key);
    TProColorPickerDropDown::KeyPress(Key);
}

void TGridColorDropDown::Change()
{
    TProColorPickerDropDown::Change();
    FKeys.Changed();
}

void TGridColorDropDown::DoExit()
{
    TProColorPickerDropDown::DoExit();
    FKeys.Exit();
}
