#include "grid/core/SearchPanel.h"
#include "platform/controls/WinApi.h"

void TRetEdit::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_KEYDOWN && Message.WParam == WPARAM(VK_RETURN)) {
        const TNotifyEvent& event = GetKeyState(VK_CONTROL) < 0 ? OnCtrlReturn : OnReturn;
        if (event)
            event(this);
        return;
    }
    if (Message.Msg == WM_CHAR && (Message.WParam == 10 || Message.WParam == 13)) {
        QChar key(char16_t(Message.WParam));
        if (OnKeyPress)
            OnKeyPress(this, key);
        Message.Result = 0;
        return;
    }
    TEdit::WndProc(Message);
}

void TRetEdit::WMGetDlgCode(TMessage& Message)
{
    TEdit::WMGetDlgCode(Message);
    Message.Result |= DLGC_WANTALLKEYS;
}
