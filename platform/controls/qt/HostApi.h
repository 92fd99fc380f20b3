#pragma once
// What the framework classes ask of a window's host widget. Declared
// without Qt types so that platform/controls/*.cpp stays free of QtWidgets;
// implemented next to WidgetHost. A null HWND is ignored by every call.
#include "platform/controls/Messages.h"
#include <QString>
#include <QStringList>

class TBitmap;
class TMenu;
class TWinControl;
class CanvasSurface;
struct TRegion;

// Window flags a host is created with (see CreateParams).
struct HostParams {
    bool TopLevel = false;
    bool Frameless = false;
    bool FixedSize = false;
    bool Dialog = false;
    bool Tool = false;
    bool StayOnTop = false;
    bool NoActivate = false;
    bool TransparentForInput = false;
    bool SystemMenu = true;
    bool MinimizeButton = true;
    bool MaximizeButton = true;
    bool HelpButton = false;
};

HWND HostCreate(TWinControl* Control, HWND Parent, const HostParams& Params);
void HostDestroy(HWND Wnd);
void HostSetParent(HWND Wnd, HWND Parent);
void HostSetGeometry(HWND Wnd, const TRect& Bounds);
// Window position on the screen (top-level) or in the parent (child).
TRect HostGeometry(HWND Wnd);
TPoint HostClientToScreen(HWND Wnd, TPoint P);
void HostSetVisible(HWND Wnd, bool Visible);
bool HostIsVisible(HWND Wnd);
void HostSetEnabled(HWND Wnd, bool Enabled);
bool HostIsEnabled(HWND Wnd);
// The tick (GetTickCount64) at which the window last became enabled, itself
// or through its parents; 0 when it never was disabled.
uint64_t HostEnabledTick(HWND Wnd);
void HostSetTitle(HWND Wnd, const QString& Title);
void HostSetCursor(HWND Wnd, int Cursor);
// Raises the window; the visible windows it owns, and stay-on-top windows
// above an ordinary one, go back above it.
void HostRaise(HWND Wnd);
void HostLower(HWND Wnd);
// The window a top-level window belongs to (the top-level window of Owner):
// it stays above it, and the window manager hears of it as transient for it.
// nullptr: none. An owner that the window itself owns is refused.
void HostSetOwner(HWND Wnd, HWND Owner);
HWND HostOwner(HWND Wnd);
void HostStackUnder(HWND Wnd, HWND Above);
void HostSetFocus(HWND Wnd);
void HostActivate(HWND Wnd);
bool HostIsActiveWindow(HWND Wnd);
void HostSetTabFocus(HWND Wnd, bool TabStop);
void HostGrabMouse(HWND Wnd, bool Grab);
// Adds the rectangle to the area the next paint event repaints.
void HostInvalidate(HWND Wnd, const TRect& Rect);
// Delivers WM_PAINT for the pending area now (into the retained image).
void HostPaintNow(HWND Wnd);
// Copies the retained image to the screen again (after drawing outside
// a paint cycle), without a WM_PAINT.
void HostRefreshScreen(HWND Wnd);
// The retained image of the window, the size of its client area.
CanvasSurface* HostSurface(HWND Wnd);
// Window state: 0 normal, 1 minimised, 2 maximised.
void HostSetWindowState(HWND Wnd, int State);
int HostWindowState(HWND Wnd);
// Lets the window system move a top-level window with the mouse, as if its
// caption were dragged; false where the platform cannot.
bool HostStartSystemMove(HWND Wnd);
void HostSetOpacity(HWND Wnd, double Opacity);
// Shape of a top-level window; nullptr restores the rectangle.
void HostSetShape(HWND Wnd, const TRegion* Region);
void HostSetFixedSize(HWND Wnd, bool Fixed);
// Shows the menu's visible items as a bar across the top of the window,
// above the client area (nullptr or no visible item: no bar), and returns
// the bar's height. A null window gives the height the bar would have.
int HostSetMenuBar(HWND Wnd, TMenu* Menu);
// Opens the menu of the bar's enabled item with that "&" mnemonic (or
// chooses the item when it has no sub-items); false when there is none.
bool HostMenuBarKey(HWND Wnd, QChar Mnemonic);
// Takes the mouse from Qt's implicit grab when a capture ends mid-press.
bool HostMouseButtonsDown();

// Screen
TRect ScreenGeometry();
TRect ScreenWorkArea();
TRect ScreenGeometryAt(TPoint P);
QStringList ScreenFontFamilies();
int HostWheelScrollLines();
// Changes the application-wide cursor; crDefault restores the normal one.
void ApplicationSetOverrideCursor(int Cursor);
// Own cursor images by id (CursorImages.cpp); nil removes one.
void HostSetCursorImage(int Cursor, TBitmap* Image, TPoint HotSpot);
bool HostHasCursorImage(int Cursor);
// Runs the event loop once (WaitForMore: block until an event arrives).
void HostProcessEvents(bool WaitForMore);
bool HostApplicationExists();
// Creates the Qt application object when there is none.
void HostEnsureApplication(int& argc, char** argv);
void HostQuit();
void HostBeep();
int HostExec();
