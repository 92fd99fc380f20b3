#include "platform/controls/ButtonControl.h"
#include "platform/controls/Form.h"

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner)
{
    SetTabStop(true);
}

TCustomButton::TCustomButton(TComponent* AOwner) : TButtonControl(AOwner)
{
    FControlStyle = {csSetCaption, csDoubleClicks, csClickEvents, csCaptureMouse};
    SetBounds(0, 0, 75, 25);
}

void TCustomButton::Click()
{
    if (TCustomForm* form = GetParentForm(this))
        form->SetModalResult(FModalResult);
    TButtonControl::Click();
}

void TCustomButton::CMDialogKey(TWMKey& Message)
{
    // Enter goes to the focused button, else to the default one.
    TWinControl* focused = FocusedControl();
    bool active = focused == this || (FDefault && !dynamic_cast<TCustomButton*>(focused));
    bool mine = (Message.CharCode == VK_RETURN && active) || (Message.CharCode == VK_ESCAPE && FCancel);
    if (mine && KeyDataToShiftState(Message.KeyData).Empty() && CanFocus()) {
        Click();
        Message.Result = 1;
        return;
    }
    TButtonControl::CMDialogKey(Message);
}

void TCustomButton::CMDialogChar(TWMKey& Message)
{
    if (IsAccel(QChar(char16_t(Message.CharCode)), Caption()) && CanFocus()) {
        Click();
        Message.Result = 1;
        return;
    }
    TButtonControl::CMDialogChar(Message);
}

void TCustomButton::WMGetDlgCode(TMessage& Message)
{
    Message.Result = DLGC_BUTTON | (FDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}
