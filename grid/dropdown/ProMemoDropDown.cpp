#include "grid/dropdown/ProMemoDropDown.h"
#include "grid/dropdown/DropDownUtils.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"

TProMemoDropDown::TProMemoDropDown(TComponent* AOwner)
    : TProCustomDropDown(AOwner), FMemoText(std::make_unique<TStringList>())
{
    FMemoText->OnChange = [this](TObject*) { MemoTextChanged(); };
    if (!ComponentState().Contains(TComponentStateFlag::csDesigning))
        CreateDropDownForm();
}

TProMemoDropDown::~TProMemoDropDown()
{
    FMemoText->OnChange = nullptr;
    if (FMemo)
        FMemo->OnChange = nullptr;
}

void TProMemoDropDown::CreateDropDownForm()
{
    TProCustomDropDown::CreateDropDownForm();
    if (!FDropDownForm || !FMemoText)
        return;
    if (!FMemo) {
        FMemo = new TMemo(this);
        FMemo->SetParent(FDropDownForm);
        FMemo->SetBounds(0, 0, FMemo->Width(), 100);
        FMemo->SetBorderStyle(bsNone);
        FMemo->OnChange = [this](TObject*) { CallEvent(OnMemoChange, this); };
        SetControl(FMemo);
    }
}

void TProMemoDropDown::DropDownFormDestroyed()
{
    FMemo = nullptr;
}

void TProMemoDropDown::SetMemoText(TStrings* Value)
{
    FMemoText->Assign(Value);
}

void TProMemoDropDown::MemoTextChanged()
{
    if (FMemo)
        FMemo->Lines()->Assign(FMemoText.get());
    UpdateEditText();
}

void TProMemoDropDown::SetMemoReadOnly(bool Value)
{
    FMemoReadOnly = Value;
    if (FMemo && FDroppedDown)
        FMemo->SetReadOnly(Value);
}

void TProMemoDropDown::BeforeDropDown()
{
    TProCustomDropDown::BeforeDropDown();
    if (!FMemo)
        return;
    FDropDownForm->SetCancelOnDeActivate(false);
    // The popup takes its size from the memo: as wide as the edit.
    FMemo->SetAlign(alNone);
    FMemo->SetBounds(0, 0, Width(), 100);
    FMemo->Lines()->Assign(FMemoText.get());
    FMemo->SetPopupMenu(FMemoPopup);
    FMemo->SetMaxLength(MaxLength());
    FMemo->SetScrollBars(FMemoScrollBars);
    FMemo->SetReadOnly(FMemoReadOnly);
}

void TProMemoDropDown::DoHideDropDown(bool Cancelled)
{
    // The focus coming back to the edit must not open the popup again.
    const bool autoDrop = FAutoDrop;
    FAutoDrop = false;
    if (Cancelled && FMemo)
        FMemo->Lines()->Assign(FMemoText.get());
    TControlGuard alive = Guard();
    // A cancelled close writes the edit's last set text back; the committed
    // MemoText stays, and the edit shows it again.
    const bool internal = FInternalUpdate;
    FInternalUpdate = Cancelled;
    TProCustomDropDown::DoHideDropDown(Cancelled);
    if (alive.expired())
        return;
    FInternalUpdate = internal;
    if (Cancelled)
        UpdateEditText();
    FAutoDrop = autoDrop;
}

void TProMemoDropDown::AfterHideDropDown()
{
    TProCustomDropDown::AfterHideDropDown();
    if (FMemo)
        FMemoText->Assign(FMemo->Lines());
    UpdateEditText();
    SetSelStart(0);
}

void TProMemoDropDown::UpdateEditText()
{
    QString text;
    if (FMemoText->Count() == 0 || FEditorEnabled) {
        text = FMemoText->Text();
        // The list's text ends with a line break the edit does not show.
        if (text.endsWith(QStringLiteral("\r\n")))
            text.chop(2);
    } else {
        TBitmap measure(1, 1);
        TCanvas* canvas = measure.Canvas();
        canvas->Font()->Assign(Font());
        text = FMemoText->Strings(0);
        const int room = GetEditRect().Width();
        if (GetTextSize(canvas, text).X < room) {
            if (FMemoText->Count() > 1)
                text += QStringLiteral("...");
        } else {
            text = TruncateText(canvas, text, room, true);
        }
    }
    const bool internal = FInternalUpdate;
    FInternalUpdate = true;
    SetTextDirect(text);
    FInternalUpdate = internal;
}

void TProMemoDropDown::Change()
{
    if (!FInternalUpdate) {
        FMemoText->OnChange = nullptr;
        FMemoText->SetText(GetText());
        FMemoText->OnChange = [this](TObject*) { MemoTextChanged(); };
    }
    TProCustomDropDown::Change();
}

void TProMemoDropDown::DoEnter()
{
    TProCustomDropDown::DoEnter();
    if (FAutoDrop)
        DoShowDropDown();
}

namespace {

// Keys of the memo the edit hears: Escape, F4 and keys with Alt.
bool ForEdit(int Key)
{
    return GetKeyState(VK_MENU) < 0 || Key == VK_ESCAPE || Key == VK_F4;
}

} // namespace

void TProMemoDropDown::ControlKeyDown(int& Key, TShiftState Shift)
{
    if (Shift.Contains(ssCtrl) && (Key == 65 || Key == 97) && FMemo) {
        FMemo->SelectAll();
        return;
    }
    if (ForEdit(Key))
        TProCustomDropDown::ControlKeyDown(Key, Shift);
}

void TProMemoDropDown::ControlKeyUp(int& Key, TShiftState Shift)
{
    if (ForEdit(Key))
        TProCustomDropDown::ControlKeyUp(Key, Shift);
}

void TProMemoDropDown::ControlKeyPress(QChar& Key)
{
    if (GetKeyState(VK_MENU) < 0 || Key == QChar(27))
        TProCustomDropDown::ControlKeyPress(Key);
}
