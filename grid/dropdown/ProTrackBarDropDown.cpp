#include "grid/dropdown/ProTrackBarDropDown.h"
#include "platform/controls/TrackBar.h"
#include "platform/controls/WinApi.h"
#include "platform/rtl/SysUtils.h"

TProTrackBarDropDown::TProTrackBarDropDown(TComponent* AOwner) : TProCustomDropDown(AOwner)
{
    SetEditorEnabled(false);
    FDropDownEnabled = true;
    SetEditType(etNumeric);
    DropDownHeader()->SetVisible(false);
    DropDownFooter()->SetVisible(false);
    FForceShadow = true;
    if (!ComponentState().Contains(TComponentStateFlag::csDesigning))
        CreateDropDownForm();
}

TProTrackBarDropDown::~TProTrackBarDropDown()
{
    if (FTrackBar)
        FTrackBar->OnChange = nullptr;
}

void TProTrackBarDropDown::CreateDropDownForm()
{
    TProCustomDropDown::CreateDropDownForm();
    if (!FDropDownForm)
        return;
    if (!FTrackBar) {
        FTrackBar = new TTrackBar(this);
        FTrackBar->SetParent(FDropDownForm);
        FTrackBar->SetBounds(0, 0, FTrackBar->Width(), 40);
    }
    FTrackBar->OnChange = [this](TObject* Sender) { TrackChange(Sender); };
}

void TProTrackBarDropDown::DropDownFormDestroyed()
{
    FTrackBar = nullptr;
}

void TProTrackBarDropDown::BeforeDropDown()
{
    TProCustomDropDown::BeforeDropDown();
    if (!FTrackBar)
        return;
    FDropDownForm->SetCancelOnDeActivate(false);
    // The track bar writes the text directly: a cancelled close goes back
    // to the position of the opening, not to the last text set.
    FOldText = GetText();
    FTrackBar->SetMin(FMin);
    FTrackBar->SetMax(FMax);
    FTrackBar->SetPosition(FPosition);
    FTrackBar->SetPageSize(FPageSize);
    FTrackBar->SetFrequency(FFrequency);
    SetControl(FTrackBar);
    // Sized after it is placed: the popup takes its size from it.
    FTrackBar->SetAlign(alNone);
    FTrackBar->SetBounds(0, 0, Width(), 40);
}

void TProTrackBarDropDown::Sync(int& Field, int Value, void (TTrackBar::*Set)(int), int (TTrackBar::*Get)() const)
{
    Field = Value;
    if (!FTrackBar)
        return;
    (FTrackBar->*Set)(Value);
    Field = (FTrackBar->*Get)();
}

void TProTrackBarDropDown::SetMin(int Value)
{
    Sync(FMin, Value, &TTrackBar::SetMin, &TTrackBar::Min);
}

void TProTrackBarDropDown::SetMax(int Value)
{
    Sync(FMax, Value, &TTrackBar::SetMax, &TTrackBar::Max);
}

void TProTrackBarDropDown::SetPosition(int Value)
{
    Sync(FPosition, Value, &TTrackBar::SetPosition, &TTrackBar::Position);
}

// Page size and frequency keep their own value: the track bar's lower
// limit does not become the edit's step.
void TProTrackBarDropDown::SetPageSize(int Value)
{
    FPageSize = Value;
    if (FTrackBar)
        FTrackBar->SetPageSize(Value);
}

void TProTrackBarDropDown::SetFrequency(int Value)
{
    FFrequency = Value;
    if (FTrackBar)
        FTrackBar->SetFrequency(Value);
}

void TProTrackBarDropDown::TrackChange(TObject*)
{
    FPosition = FTrackBar->Position();
    SetTextDirect(IntToStr(FPosition));
    CallEvent(OnTrackChange, this);
}

void TProTrackBarDropDown::Change()
{
    TProCustomDropDown::Change();
    int value = 0;
    if (TryStrToInt(GetText(), value))
        SetPosition(value);
}

void TProTrackBarDropDown::WMKeyDown(TWMKey& Message)
{
    const int key = Message.CharCode;
    TControlGuard alive = Guard();
    TProCustomDropDown::WMKeyDown(Message);
    if (alive.expired() || FEditorEnabled || GetKeyState(VK_MENU) < 0)
        return;
    if (key == VK_UP && FPosition - FFrequency >= FMin)
        SetPosition(FPosition - FFrequency);
    else if (key == VK_DOWN && FPosition + FFrequency <= FMax)
        SetPosition(FPosition + FFrequency);
}

void TProTrackBarDropDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TProCustomDropDown::MouseDown(Button, Shift, X, Y);
    if (FDropDownEnabled && !FEditorEnabled) {
        FMouseX = X;
        FMouseDraging = true;
    }
}

void TProTrackBarDropDown::MouseMove(TShiftState Shift, int X, int Y)
{
    TProCustomDropDown::MouseMove(Shift, X, Y);
    // Without a page size there is no step to drag by.
    if (!FMouseDraging || FPageSize == 0)
        return;
    SetPosition(FPosition + (X - FMouseX) / FPageSize);
    FMouseX = X;
}

void TProTrackBarDropDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TProCustomDropDown::MouseUp(Button, Shift, X, Y);
    FMouseDraging = false;
}
