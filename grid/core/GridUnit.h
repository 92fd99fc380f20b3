#pragma once
// The string grid unit's state, one for all grids. The unit starts up once
// when the program starts and shuts down when it ends; nested start-ups and
// shut-downs only count.
#include "platform/controls/WindowHooks.h"
#include <QString>

class TProStringGrid;

// Nesting count: 0 shut down, below 0 started.
extern int GridInitCount;
// The grid's private clipboard format "TProStringGrid Cells".
extern unsigned CF_GRIDCELLS;
// "GridEditDone" (WParam column, LParam row), posted after an edit.
extern unsigned WM_GRIDEDITDONE;
// "DTPShiftFocus", used by the date picker editor.
extern unsigned WM_DTPSHIFTFOCUS;
// The hook that keeps the focus frame on the edited cell; nullptr when none.
extern HHOOK GridHookHandle;
// The grid whose focus frame follows window moves; nullptr when none.
extern TProStringGrid* FocusGrid;
// The common controls are version 4.70 or later (the date editors need it).
extern bool IsComCtl470;
// The cursor over links; every new grid sets it to crHandPoint.
extern int GridLinkCursor;
// Font name of the grid showing a hint.
extern QString GridHintFontName;

void GridUnitStartUp();
void GridUnitShutDown();
// True for a file version (major in the high word) of at least 4.70;
// -1 (no version) gives false.
bool ComCtlVersionAtLeast470(int FileVersion);
// For every window move: a focus grid re-places its focus frame; the call
// goes on to the next hook.
LRESULT GridCallWndProcHook(int Code, WPARAM WParam, LPARAM LParam);
