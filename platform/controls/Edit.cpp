#include "platform/controls/Edit.h"
#include "platform/controls/NativeControl.h"
#include <algorithm>

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner)
{
    FControlStyle = {csClickEvents, csSetCaption, csDoubleClicks};
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 121, 21);
}

TCustomEdit::~TCustomEdit() = default;

void TCustomEdit::SetText(const QString& value)
{
    QString text = value;
    if (FCharCase == ecUpperCase)
        text = text.toUpper();
    else if (FCharCase == ecLowerCase)
        text = text.toLower();
    QString display = DisplayFromText(text);
    text = TextFromDisplay(display);
    if (text == Text() && display == FDisplay)
        return;
    FDisplay = display;
    TWinControl::SetText(text);
    FAnchor = FCaret = 0;
    PushText();
    SendCommandNotify(this, EN_CHANGE);
}

void TCustomEdit::SetMaxLength(int value)
{
    FMaxLength = std::max(value, 0);
    PushStyle();
}

void TCustomEdit::CMColorChanged(TMessage& Message)
{
    TWinControl::CMColorChanged(Message);
    PushStyle();
}

void TCustomEdit::SetAlignment(TAlignment value)
{
    if (FAlignment == value)
        return;
    FAlignment = value;
    PushStyle();
}

void TCustomEdit::SetReadOnly(bool value)
{
    FReadOnly = value;
    PushStyle();
}

void TCustomEdit::SetPasswordChar(QChar value)
{
    FPasswordChar = value;
    PushStyle();
}

void TCustomEdit::SetCharCase(TEditCharCase value)
{
    if (FCharCase == value)
        return;
    FCharCase = value;
    if (value != ecNormal)
        SetText(Text());
}

void TCustomEdit::SetBorderStyle(TBorderStyle value)
{
    FBorderStyle = value;
    PushStyle();
}

// Selection

int TCustomEdit::SelStart() const
{
    int anchor, caret;
    GetSelection(anchor, caret);
    return std::min(anchor, caret);
}

int TCustomEdit::SelLength() const
{
    int anchor, caret;
    GetSelection(anchor, caret);
    return std::abs(caret - anchor);
}

void TCustomEdit::SetSelStart(int value) { SetSelection(value, value); }

void TCustomEdit::SetSelLength(int value)
{
    int start = SelStart();
    SetSelection(start, start + value);
}

QString TCustomEdit::SelText() const { return Display().mid(SelStart(), SelLength()); }

void TCustomEdit::SetSelText(const QString& value)
{
    int start = SelStart();
    QString display = Display();
    display.replace(start, SelLength(), value);
    SetDisplay(display, start + int(value.size()));
}

void TCustomEdit::SelectAll() { SetSelection(0, int(Display().size())); }

void TCustomEdit::ClearSelection()
{
    if (SelLength() > 0)
        SetSelText(QString());
}

void TCustomEdit::SetDisplay(const QString& Display, int Caret)
{
    FDisplay = Display;
    PushText();
    SetSelection(Caret, Caret);
    NativeChanged(Display);
}

// Messages

void TCustomEdit::Change()
{
    CallEvent(OnChange, this);
}

void TCustomEdit::WndProc(TMessage& Message)
{
    NativeWndProc(this, Message, [&] { TWinControl::WndProc(Message); });
}

void TCustomEdit::Dispatch(TMessage& Message)
{
    if (Message.Msg == EM_SETRECT || Message.Msg == EM_SETRECTNP) {
        const auto* r = reinterpret_cast<const TRect*>(Message.LParam);
        FEditRect = r ? *r : TRect();
        PushEditRect();
        return;
    }
    if (Message.Msg == EM_GETRECT) {
        if (auto* r = reinterpret_cast<TRect*>(Message.LParam))
            *r = FEditRect.IsEmpty() ? ClientRect() : FEditRect;
        return;
    }
    if (Message.Msg == CN_COMMAND)
        CallWithRecord<TWMCommand>(Message, this, &TCustomEdit::CNCommand);
    else
        TWinControl::Dispatch(Message);
}

void TCustomEdit::CNCommand(TWMCommand& Message)
{
    if (Message.NotifyCode == EN_CHANGE)
        Change();
}

void TCustomEdit::WMGetDlgCode(TMessage& Message)
{
    Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL;
}

void TCustomEdit::CMEnter(TMessage& Message)
{
    if (FAutoSelect && !FControlState.Contains(csLButtonDown))
        SelectAll();
    TWinControl::CMEnter(Message);
}

void TCustomEdit::NativeChanged(const QString& Display)
{
    QString display = Display;
    if (FCharCase == ecUpperCase)
        display = display.toUpper();
    else if (FCharCase == ecLowerCase)
        display = display.toLower();
    if (display != Display) {
        int anchor, caret;
        GetSelection(anchor, caret);
        FDisplay = display;
        PushText();
        SetSelection(anchor, caret);
    }
    FDisplay = display;
    QString text = TextFromDisplay(display);
    FModified = true;
    TWinControl::SetText(text);
    SendCommandNotify(this, EN_CHANGE);
}
