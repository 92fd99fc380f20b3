#include "grid/core/GridUnit.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/GlowWindow.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Themes.h"
#include "platform/services/Clipboard.h"

int GridInitCount = 0;
unsigned CF_GRIDCELLS = 0;
unsigned WM_GRIDEDITDONE = 0;
unsigned WM_DTPSHIFTFOCUS = 0;
HHOOK GridHookHandle = nullptr;
TProStringGrid* FocusGrid = nullptr;
bool IsComCtl470 = false;
int GridLinkCursor = 0;
QString GridHintFontName;

bool ComCtlVersionAtLeast470(int FileVersion) { return FileVersion > 0x40045; }

LRESULT GridCallWndProcHook(int Code, WPARAM WParam, LPARAM LParam)
{
    // The focus frame follows the edited cell; its own moves do not count.
    static bool moving = false;
    const auto* cwp = reinterpret_cast<const CWPSTRUCT*>(LParam);
    if (Code == HC_ACTION && FocusGrid && cwp && cwp->message == WM_WINDOWPOSCHANGED && !moving &&
        !(FocusGrid->FocusWindow() && cwp->hwnd == FocusGrid->FocusWindow()->Handle())) {
        moving = true;
        FocusGrid->MoveFocusFrame();
        moving = false;
    }
    return CallNextHookEx(GridHookHandle, Code, WParam, LParam);
}

void GridUnitStartUp()
{
    if (GridInitCount-- != 0)
        return;
    FocusGrid = nullptr;
    if (!GridHookHandle)
        GridHookHandle = SetWindowsHookEx(WH_CALLWNDPROC, GridCallWndProcHook);
    IsComCtl470 = ComCtlVersionAtLeast470(int(GetFileVersion(QStringLiteral("comctl32.dll"))));
    CF_GRIDCELLS = RegisterClipboardFormat(QStringLiteral("TProStringGrid Cells"));
    WM_GRIDEDITDONE = RegisterWindowMessage(QStringLiteral("GridEditDone"));
    WM_DTPSHIFTFOCUS = RegisterWindowMessage(QStringLiteral("DTPShiftFocus"));
}

void GridUnitShutDown()
{
    if (GridInitCount++ != -1)
        return;
    if (GridHookHandle)
        UnhookWindowsHookEx(GridHookHandle);
    GridHookHandle = nullptr;
    GridHintFontName.clear();
}

namespace {

// The unit's start-up and shut-down run with the program.
struct GridUnitLife {
    GridUnitLife() { GridUnitStartUp(); }
    ~GridUnitLife() { GridUnitShutDown(); }
} GridUnit;

} // namespace
