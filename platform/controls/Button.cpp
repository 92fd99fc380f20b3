#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/NativeControl.h"

TButton::TButton(TComponent* AOwner) : TCustomButton(AOwner) {}

void TButton::WndProc(TMessage& Message)
{
    TControlGuard alive = Guard();
    TCustomButton::WndProc(Message);
    if (alive.expired())
        return;
    if (Message.Msg == WM_KEYUP && (Message.WParam & 0xFFFF) == VK_SPACE) {
        Click();
        return;
    }
    // The native button shows the pressed look; the framework clicks.
    if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST)
        NativeDefault(this, Message);
}

void TButton::CMFontChanged(TMessage& Message)
{
    TCustomButton::CMFontChanged(Message);
    NativeApplyFont(this);
}

// Check boxes

TCustomCheckBox::TCustomCheckBox(TComponent* AOwner) : TButtonControl(AOwner)
{
    FControlStyle = {csSetCaption, csDoubleClicks};
    SetBounds(0, 0, 97, 17);
    // The native box draws no background: around it the parent shows.
    SetParentColor(true);
}

void TCustomCheckBox::SetState(TCheckBoxState value)
{
    if (FState == value)
        return;
    FState = value;
    PushState();
    Click();
}

void TCustomCheckBox::Toggle()
{
    switch (FState) {
    case cbUnchecked: SetState(FAllowGrayed ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
    }
}

void TCustomCheckBox::WndProc(TMessage& Message)
{
    TControlGuard alive = Guard();
    TButtonControl::WndProc(Message);
    if (alive.expired())
        return;
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        FPressed = true;
        if (CanFocus())
            SetFocus();
        break;
    case WM_LBUTTONUP: {
        bool inside = ClientRect().Contains({LoSigned(WPARAM(Message.LParam)), HiSigned(WPARAM(Message.LParam))});
        if (FPressed && inside) {
            FPressed = false;
            Toggle();
        }
        FPressed = false;
        break;
    }
    case WM_KEYUP:
        if ((Message.WParam & 0xFFFF) == VK_SPACE)
            Toggle();
        break;
    }
}

void TCustomCheckBox::CMDialogChar(TWMKey& Message)
{
    if (IsAccel(QChar(char16_t(Message.CharCode)), Caption()) && CanFocus()) {
        SetFocus();
        Toggle();
        Message.Result = 1;
        return;
    }
    TButtonControl::CMDialogChar(Message);
}

void TCustomCheckBox::CMFontChanged(TMessage& Message)
{
    TButtonControl::CMFontChanged(Message);
    NativeApplyFont(this);
}

TRadioButton::TRadioButton(TComponent* AOwner) : TCustomCheckBox(AOwner) {}

void TRadioButton::Toggle()
{
    if (FState == cbChecked)
        return;
    if (TWinControl* parent = Parent()) {
        for (int i = 0; i < parent->ControlCount(); ++i) {
            auto* other = dynamic_cast<TRadioButton*>(parent->Controls(i));
            if (other && other != this && other->FState == cbChecked) {
                other->FState = cbUnchecked;
                other->PushState();
            }
        }
    }
    SetState(cbChecked);
}
