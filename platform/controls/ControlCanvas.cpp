#include "platform/controls/ControlCanvas.h"
#include "platform/controls/WinControl.h"
#include "platform/controls/qt/HostApi.h"

TControlCanvas::~TControlCanvas()
{
    SetSurface(nullptr);
}

void TControlCanvas::SetControl(TWinControl* AControl)
{
    FControl = AControl;
    HWND wnd = AControl ? AControl->Handle() : nullptr;
    SetSurface(HostSurface(wnd));
    AfterDraw = [wnd] { HostRefreshScreen(wnd); };
}
