// Window messages the grid takes before the platform: the special editors'
// changes echoed into the cell while they are typed or stepped, the frame
// drawn again with the look's border, and a changed system theme or office
// colour scheme adopted with AutoThemeAdapt.
#include "grid/core/GridEditors.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/ThemeNotifier.h"
#include "platform/controls/Messages.h"

bool TProStringGrid::WindowNotify(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_COMMAND: return EditorEcho(Message);
    case WM_NCPAINT:
        // The platform draws no frame of its own apart from painting; the
        // look's border goes over the frame unless updates are held.
        TBaseGrid::WndProc(Message);
        PaintBorder();
        Message.Result = 0;
        return true;
    case WM_THEMECHANGED:
    case WM_OFFICETHEMECHANGE:
        if (FAutoThemeAdapt)
            ApplyOfficeTheme();
        return false;
    default: return false;
    }
}

bool TProStringGrid::EditorEcho(const TMessage& Message)
{
    if (HiWord(Message.WParam) != EN_CHANGE || !FEditMode)
        return false;
    // Only the open editor speaks: the texts set while it opens are no
    // changes of the user's.
    TWinControl* editor = FEditCtrl;
    if (!editor || !editor->HandleAllocated() || Message.LParam != LPARAM(editor->Handle()))
        return false;
    bool echo = false;
    switch (FEditControl) {
    case edSpinEdit:
    case edFloatSpinEdit:
    case edTimeSpinEdit:
    case edDateSpinEdit: echo = editor == FEditSpin; break;
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
    case edMaskEditBtn: echo = editor == FEditBtn; break;
    default: break;
    }
    if (!echo)
        return false;
    SetEditText(Col(), Row(), editor->Text());
    return true;
}
