#include "platform/controls/ScrollBar.h"
#include "platform/controls/NativeControl.h"
#include <algorithm>

// Scroll bar

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner)
{
    FControlStyle = {csFramed, csDoubleClicks, csOpaque};
    SetTabStop(true);
    SetBounds(0, 0, 121, 17);
}

void TScrollBar::SetKind(TScrollBarKind value)
{
    if (FKind == value)
        return;
    FKind = value;
    SetBounds(Left(), Top(), Height(), Width());
    Push();
}

void TScrollBar::SetParams(int APosition, int AMin, int AMax)
{
    if (AMax < AMin)
        AMax = AMin;
    int last = std::max(AMin, AMax - std::max(FPageSize - 1, 0));
    APosition = std::clamp(APosition, AMin, last);
    bool changed = APosition != FPosition;
    FMin = AMin;
    FMax = AMax;
    FPosition = APosition;
    Push();
    if (changed)
        Change();
}

void TScrollBar::SetPageSize(int value)
{
    FPageSize = std::clamp(value, 0, FMax - FMin + 1);
    SetParams(FPosition, FMin, FMax);
}

void TScrollBar::SetSmallChange(int value)
{
    FSmallChange = std::max(value, 1);
    Push();
}

void TScrollBar::SetLargeChange(int value)
{
    FLargeChange = std::max(value, 1);
    Push();
}

void TScrollBar::Scroll(TScrollCode ScrollCode, int& ScrollPos)
{
    if (OnScroll)
        OnScroll(this, ScrollCode, ScrollPos);
}

void TScrollBar::Change()
{
    if (OnChange)
        OnChange(this);
}

void TScrollBar::NativeAction(TScrollCode Code, int Pos)
{
    int pos = FPosition;
    switch (Code) {
    case scLineUp: pos -= FSmallChange; break;
    case scLineDown: pos += FSmallChange; break;
    case scPageUp: pos -= FLargeChange; break;
    case scPageDown: pos += FLargeChange; break;
    case scTop: pos = FMin; break;
    case scBottom: pos = FMax; break;
    case scTrack:
    case scPosition: pos = Pos; break;
    case scEndScroll: break;
    }
    int last = std::max(FMin, FMax - std::max(FPageSize - 1, 0));
    pos = std::clamp(pos, FMin, last);
    Scroll(Code, pos);
    SetPosition(pos);
    // The widget shows the position the framework keeps.
    Push();
}

// The keys scroll as the framework's scroll bar does: Left and Up one
// line back, Right and Down one line on, Page Up/Down a page, Home/End to
// the ends.
void TScrollBar::KeyDown(int& Key, TShiftState Shift)
{
    TWinControl::KeyDown(Key, Shift);
    TScrollCode code;
    switch (Key) {
    case VK_LEFT:
    case VK_UP: code = scLineUp; break;
    case VK_RIGHT:
    case VK_DOWN: code = scLineDown; break;
    case VK_PRIOR: code = scPageUp; break;
    case VK_NEXT: code = scPageDown; break;
    case VK_HOME: code = scTop; break;
    case VK_END: code = scBottom; break;
    default: return;
    }
    Key = 0;
    NativeAction(code, FPosition);
}

void TScrollBar::WndProc(TMessage& Message)
{
    if (Message.Msg == CM_TABSTOPCHANGED)
        Push();
    NativeWndProc(this, Message, [&] { TWinControl::WndProc(Message); });
}
