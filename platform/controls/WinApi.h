#pragma once
// The window functions of the framework: sending and posting messages,
// registered messages, timers, mouse capture, key state and cursor.
#include "platform/controls/Messages.h"
// GetTickCount and GetTickCount64 come from the replaceable clock.
#include "platform/rtl/Clock.h"
#include <QString>
#include <functional>

class TControl;
class TWinControl;

// Calls the window procedure of the control at once; returns Result.
LRESULT SendMessage(TControl* Control, unsigned Msg, WPARAM WParam, LPARAM LParam);
LRESULT SendMessage(HWND Wnd, unsigned Msg, WPARAM WParam, LPARAM LParam);
// Queues the message; it is delivered from the event loop after the
// current handler returns, in posting order, and dropped if the control
// is destroyed first. Returns false for a null target.
bool PostMessage(TControl* Control, unsigned Msg, WPARAM WParam, LPARAM LParam);
bool PostMessage(HWND Wnd, unsigned Msg, WPARAM WParam, LPARAM LParam);
// Delivers every posted message now (also done by ProcessMessages).
void DeliverPostedMessages();

// The same id for the same name (case-insensitive), from 0xC000 on.
unsigned RegisterWindowMessage(const QString& Name);

// Starts (or restarts) timer IDEvent of the control: WM_TIMER with
// WParam = IDEvent every Elapse milliseconds. Returns IDEvent, 0 on failure.
unsigned SetTimer(TControl* Control, unsigned IDEvent, unsigned Elapse);
unsigned SetTimer(HWND Wnd, unsigned IDEvent, unsigned Elapse);
bool KillTimer(TControl* Control, unsigned IDEvent);
bool KillTimer(HWND Wnd, unsigned IDEvent);
// Number of running timers of the control (for tests and leak checks).
int TimerCount(const TControl* Control);
// Sends WM_TIMER for a running timer now, as if it had elapsed; false when
// the control has no such timer.
bool FireTimer(TControl* Control, unsigned IDEvent);

// Mouse capture: while a control holds it, mouse messages go to it with
// client coordinates that may lie outside it (negative or past its size).
TControl* GetCaptureControl();
// Sets the capture holder; a previous holder gets WM_CAPTURECHANGED.
void SetCaptureControl(TControl* Control);
HWND SetCapture(HWND Wnd);
bool ReleaseCapture();
HWND GetCapture();

// Key state: negative (high bit set) while the key or mouse button is down.
// Known keys: VK_SHIFT, VK_CONTROL, VK_MENU (with their left/right forms),
// VK_LBUTTON, VK_RBUTTON, VK_MBUTTON. Follows the input the layer has seen.
short GetKeyState(int VirtualKey);
short GetAsyncKeyState(int VirtualKey);
// Screen position of the mouse as last seen by the layer.
bool GetCursorPos(TPoint* Point);
TPoint GetCursorPos();

// Lines one wheel notch scrolls, as the desktop sets it (3 by default).
int GetWheelScrollLines();

// The system beep (Type is ignored). A test may count beeps with a hook.
bool MessageBeep(unsigned Type = 0);
using TBeepHook = std::function<void()>;
// Installs the hook (empty: the real beep); returns the previous one.
TBeepHook SetBeepHook(TBeepHook Hook);

// Focus
HWND GetFocus();
HWND SetFocus(HWND Wnd);

// Windows
bool InvalidateRect(HWND Wnd, const TRect* Rect, bool Erase);
bool UpdateWindow(HWND Wnd);
bool IsWindowVisible(HWND Wnd);
bool IsWindowEnabled(HWND Wnd);
bool EnableWindow(HWND Wnd, bool Enable);
bool GetClientRect(HWND Wnd, TRect* Rect);
bool GetWindowRect(HWND Wnd, TRect* Rect);

// Helper windows
struct TRegion;
constexpr unsigned LWA_COLORKEY = 0x1;
constexpr unsigned LWA_ALPHA = 0x2;
// Shapes a top-level window by Region (window coordinates; nullptr: the
// whole rectangle). The window takes the region: do not free it.
int SetWindowRgn(HWND Wnd, TRegion* Region, bool Redraw);
// Opacity of a top-level window (LWA_ALPHA; 255 opaque). Best effort:
// without a compositor the window stays opaque. The colour key is ignored.
bool SetLayeredWindowAttributes(HWND Wnd, unsigned Key, unsigned char Alpha, unsigned Flags);
