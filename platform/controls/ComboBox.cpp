#include "platform/controls/ComboBox.h"
#include "platform/controls/NativeControl.h"
#include "platform/graphics/Canvas.h"

TCustomComboBox::TCustomComboBox(TComponent* AOwner)
    : TWinControl(AOwner), FItems(new TStringList), FCanvas(new TCanvas)
{
    FControlStyle = {csSetCaption, csDoubleClicks};
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 145, 21);
    FItems->OnChange = [this](TObject*) {
        if (FItemIndex >= FItems->Count())
            FItemIndex = -1;
        PushItems();
    };
}

TCustomComboBox::~TCustomComboBox()
{
    FItems->OnChange = nullptr;
    DestroyHandleOnFree();
    delete FItems;
    delete FCanvas;
}

void TCustomComboBox::SetStyle(TComboBoxStyle value)
{
    if (FStyle == value)
        return;
    FStyle = value;
    RecreateWnd();
}

void TCustomComboBox::SetItemIndex(int value)
{
    if (value < -1 || value >= FItems->Count())
        value = -1;
    FItemIndex = value;
    TWinControl::SetText(value >= 0 ? FItems->Strings(value) : QString());
    PushState();
}

void TCustomComboBox::SetText(const QString& value)
{
    int index = FItems->IndexOf(value);
    if (FStyle == csDropDownList || FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable) {
        SetItemIndex(index);
        return;
    }
    FItemIndex = index;
    TWinControl::SetText(value);
    PushState();
}

void TCustomComboBox::SetDropDownCount(int value)
{
    FDropDownCount = std::max(value, 1);
    PushState();
}

void TCustomComboBox::SetItemHeight(int value)
{
    FItemHeight = std::max(value, 1);
    PushItems();
}

void TCustomComboBox::SetMaxLength(int value)
{
    FMaxLength = std::max(value, 0);
    PushState();
}

void TCustomComboBox::Clear()
{
    FItems->Clear();
    SetItemIndex(-1);
    TWinControl::SetText(QString());
    PushState();
}

// Events

void TCustomComboBox::Change()
{
    CallEvent(OnChange, this);
}

void TCustomComboBox::Select()
{
    if (OnSelect)
        CallEvent(OnSelect, this);
    else
        Change();
}

void TCustomComboBox::DropDown()
{
    CallEvent(OnDropDown, this);
}

void TCustomComboBox::CloseUp()
{
    CallEvent(OnCloseUp, this);
}

void DrawListItemText(TCanvas* Canvas, const TStrings* Items, int Index, TRect Rect)
{
    Canvas->FillRect(Rect);
    if (Index >= 0 && Index < Items->Count())
        Canvas->TextOut(Rect.Left + 2, Rect.Top, Items->Strings(Index));
}

void TCustomComboBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State)
{
    if (OnDrawItem) {
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    DrawListItemText(FCanvas, FItems, Index, Rect);
}

// Messages

void TCustomComboBox::WndProc(TMessage& Message)
{
    NativeWndProc(this, Message, [&] { TWinControl::WndProc(Message); });
}

void TCustomComboBox::Dispatch(TMessage& Message)
{
    if (Message.Msg == CN_COMMAND)
        CallWithRecord<TWMCommand>(Message, this, &TCustomComboBox::CNCommand);
    else
        TWinControl::Dispatch(Message);
}

void TCustomComboBox::CNCommand(TWMCommand& Message)
{
    switch (Message.NotifyCode) {
    case CBN_SELCHANGE: {
        TControlGuard alive = Guard();
        TWinControl::SetText(FItemIndex >= 0 ? FItems->Strings(FItemIndex) : Text());
        Click();
        if (!alive.expired())
            Select();
        break;
    }
    case CBN_EDITCHANGE: Change(); break;
    case CBN_DROPDOWN: DropDown(); break;
    case CBN_CLOSEUP: CloseUp(); break;
    }
}

void TCustomComboBox::CMFontChanged(TMessage& Message)
{
    TWinControl::CMFontChanged(Message);
    NativeApplyFont(this);
}

void TCustomComboBox::NativeSelected(int Index)
{
    FItemIndex = Index;
    SendCommandNotify(this, CBN_SELCHANGE);
}

void TCustomComboBox::NativeEdited(const QString& Text)
{
    FItemIndex = FItems->IndexOf(Text);
    TWinControl::SetText(Text);
    SendCommandNotify(this, CBN_EDITCHANGE);
}
