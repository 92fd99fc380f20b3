#include "platform/controls/TrackBar.h"
#include "platform/controls/NativeControl.h"
#include <algorithm>

TTrackBar::TTrackBar(TComponent* AOwner) : TWinControl(AOwner)
{
    SetTabStop(true);
    SetBounds(0, 0, 150, 45);
}

void TTrackBar::SetOrientation(TTrackBarOrientation value)
{
    if (FOrientation == value)
        return;
    FOrientation = value;
    SetBounds(Left(), Top(), Height(), Width());
    Push();
}

void TTrackBar::SetMin(int value)
{
    FMin = value;
    FMax = std::max(FMax, FMin);
    SetPosition(FPosition);
    Push();
}

void TTrackBar::SetMax(int value)
{
    FMax = value;
    FMin = std::min(FMin, FMax);
    SetPosition(FPosition);
    Push();
}

void TTrackBar::SetPosition(int value)
{
    value = std::clamp(value, FMin, FMax);
    if (value == FPosition)
        return;
    FPosition = value;
    Push();
    Changed();
}

void TTrackBar::SetFrequency(int value) { FFrequency = std::max(value, 1); Push(); }
void TTrackBar::SetTickStyle(TTickStyle value) { FTickStyle = value; Push(); }
void TTrackBar::SetLineSize(int value) { FLineSize = std::max(value, 1); Push(); }
void TTrackBar::SetPageSize(int value) { FPageSize = std::max(value, 1); Push(); }

void TTrackBar::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TTrackBar::NativeMoved(int Pos) { SetPosition(Pos); }

void TTrackBar::WndProc(TMessage& Message)
{
    NativeWndProc(this, Message, [&] { TWinControl::WndProc(Message); });
}
