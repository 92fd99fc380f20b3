#include "platform/controls/Memo.h"
#include "platform/controls/NativeControl.h"

TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomEdit(AOwner), FLines(new TStringList)
{
    SetAutoSelect(false);
    SetBounds(0, 0, 185, 89);
    FLines->OnChange = [this](TObject*) {
        if (FSyncingLines)
            return;
        QString text = FLines->Text();
        if (text.endsWith(QLatin1String("\r\n")))
            text.chop(2);
        FSyncingLines = true;
        SetText(text);
        FSyncingLines = false;
    };
}

TCustomMemo::~TCustomMemo()
{
    FLines->OnChange = nullptr;
    DestroyHandleOnFree();
    delete FLines;
}

void TCustomMemo::SetScrollBars(TScrollStyle value)
{
    FScrollBars = value;
    PushStyle();
}

void TCustomMemo::SetWordWrap(bool value)
{
    FWordWrap = value;
    PushStyle();
}

void TCustomMemo::WndProc(TMessage& Message)
{
    TControlGuard alive = Guard();
    TWinControl::WndProc(Message);
    if (alive.expired() || !IsNativeInput(Message.Msg))
        return;
    int key = int(Message.WParam & 0xFFFF);
    if ((Message.Msg == WM_KEYDOWN || Message.Msg == WM_KEYUP) && key == VK_RETURN && (!FWantReturns || ReadOnly()))
        return;
    NativeDefault(this, Message, FWantTabs);
}

void TCustomMemo::WMGetDlgCode(TMessage& Message)
{
    TCustomEdit::WMGetDlgCode(Message);
    Message.Result |= DLGC_WANTALLKEYS * FWantReturns;
    if (FWantTabs)
        Message.Result |= DLGC_WANTTAB;
}

void TCustomMemo::CMTextChanged(TMessage& Message)
{
    TCustomEdit::CMTextChanged(Message);
    if (FSyncingLines)
        return;
    FSyncingLines = true;
    FLines->SetTextStr(Text());
    FSyncingLines = false;
}

QString TCustomMemo::DisplayFromText(const QString& Text) const
{
    QString s = Text;
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(u'\r', u'\n');
    return s;
}

QString TCustomMemo::TextFromDisplay(const QString& Display) const
{
    QString s = Display;
    s.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return s;
}
