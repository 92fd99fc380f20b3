#pragma once
// Message records and the framework's message, key and dialog-code
// constants. A TMessage is what a window procedure receives; the typed
// records (TWMMouse, TWMKey, ...) are copies that a handler reads and
// changes and that dispatch writes back into the TMessage.
#include "platform/rtl/Set.h"
#include "platform/rtl/Types.h"
#include <cstdint>

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

class WidgetHost;
// A window: the opaque host of a windowed control.
using HWND = WidgetHost*;

struct TMessage {
    unsigned Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

constexpr int LoWord(std::uintptr_t v) { return int(v & 0xFFFF); }
constexpr int HiWord(std::uintptr_t v) { return int((v >> 16) & 0xFFFF); }
// Signed 16-bit halves, as mouse coordinates are packed.
constexpr int LoSigned(std::uintptr_t v) { return std::int16_t(v & 0xFFFF); }
constexpr int HiSigned(std::uintptr_t v) { return std::int16_t((v >> 16) & 0xFFFF); }
constexpr LPARAM MakeLParam(int lo, int hi) { return LPARAM(std::uint32_t((lo & 0xFFFF) | ((hi & 0xFFFF) << 16))); }
constexpr WPARAM MakeWParam(int lo, int hi) { return WPARAM(std::uint32_t((lo & 0xFFFF) | ((hi & 0xFFFF) << 16))); }
constexpr LPARAM PointToLParam(TPoint p) { return MakeLParam(p.X, p.Y); }

// Window messages
constexpr unsigned WM_NULL = 0x0000;
constexpr unsigned WM_CREATE = 0x0001;
constexpr unsigned WM_DESTROY = 0x0002;
constexpr unsigned WM_MOVE = 0x0003;
constexpr unsigned WM_SIZE = 0x0005;
constexpr unsigned WM_ACTIVATE = 0x0006;
constexpr unsigned WM_SETFOCUS = 0x0007;
constexpr unsigned WM_KILLFOCUS = 0x0008;
constexpr unsigned WM_ENABLE = 0x000A;
constexpr unsigned WM_SETREDRAW = 0x000B;
constexpr unsigned WM_SETTEXT = 0x000C;
constexpr unsigned WM_GETTEXT = 0x000D;
constexpr unsigned WM_PAINT = 0x000F;
constexpr unsigned WM_CLOSE = 0x0010;
constexpr unsigned WM_ERASEBKGND = 0x0014;
constexpr unsigned WM_SHOWWINDOW = 0x0018;
constexpr unsigned WM_CANCELMODE = 0x001F;
constexpr unsigned WM_SETCURSOR = 0x0020;
constexpr unsigned WM_MOUSEACTIVATE = 0x0021;
constexpr unsigned WM_WINDOWPOSCHANGING = 0x0046;
constexpr unsigned WM_WINDOWPOSCHANGED = 0x0047;
constexpr unsigned WM_NOTIFY = 0x004E;
constexpr unsigned WM_CONTEXTMENU = 0x007B;
constexpr unsigned WM_NCHITTEST = 0x0084;
constexpr unsigned WM_NCPAINT = 0x0085;
constexpr unsigned WM_NCACTIVATE = 0x0086;
constexpr unsigned WM_GETDLGCODE = 0x0087;
constexpr unsigned WM_NCLBUTTONDOWN = 0x00A1;
constexpr unsigned WM_KEYDOWN = 0x0100;
constexpr unsigned WM_KEYUP = 0x0101;
constexpr unsigned WM_CHAR = 0x0102;
constexpr unsigned WM_SYSKEYDOWN = 0x0104;
constexpr unsigned WM_SYSKEYUP = 0x0105;
constexpr unsigned WM_SYSCHAR = 0x0106;
constexpr unsigned WM_COMMAND = 0x0111;
constexpr unsigned WM_SYSCOMMAND = 0x0112;
// WM_SYSCOMMAND commands (the low four bits are the system's own).
constexpr WPARAM SC_MOVE = 0xF010;
constexpr unsigned WM_TIMER = 0x0113;
constexpr unsigned WM_HSCROLL = 0x0114;
constexpr unsigned WM_VSCROLL = 0x0115;
constexpr unsigned WM_MOUSEFIRST = 0x0200;
constexpr unsigned WM_MOUSEMOVE = 0x0200;
constexpr unsigned WM_LBUTTONDOWN = 0x0201;
constexpr unsigned WM_LBUTTONUP = 0x0202;
constexpr unsigned WM_LBUTTONDBLCLK = 0x0203;
constexpr unsigned WM_RBUTTONDOWN = 0x0204;
constexpr unsigned WM_RBUTTONUP = 0x0205;
constexpr unsigned WM_RBUTTONDBLCLK = 0x0206;
constexpr unsigned WM_MBUTTONDOWN = 0x0207;
constexpr unsigned WM_MBUTTONUP = 0x0208;
constexpr unsigned WM_MBUTTONDBLCLK = 0x0209;
constexpr unsigned WM_MOUSEWHEEL = 0x020A;
constexpr unsigned WM_MOUSELAST = 0x020A;
// A window is being resized from outside; LParam: TRect* of the new
// bounds, which the handler may change.
constexpr unsigned WM_SIZING = 0x0214;
constexpr unsigned WM_CAPTURECHANGED = 0x0215;
constexpr unsigned WM_MOUSELEAVE = 0x02A3;
constexpr unsigned WM_CUT = 0x0300;
constexpr unsigned WM_COPY = 0x0301;
constexpr unsigned WM_PASTE = 0x0302;
constexpr unsigned WM_CLEAR = 0x0303;
constexpr unsigned WM_UNDO = 0x0304;
constexpr unsigned WM_THEMECHANGED = 0x031A;
constexpr unsigned WM_USER = 0x0400;
constexpr unsigned WM_APP = 0x8000;

// Control messages of the framework
constexpr unsigned CM_BASE = 0xB000;
constexpr unsigned CM_ACTIVATE = CM_BASE + 0;
constexpr unsigned CM_DEACTIVATE = CM_BASE + 1;
constexpr unsigned CM_CANCELMODE = CM_BASE + 4;
constexpr unsigned CM_DIALOGKEY = CM_BASE + 5;
constexpr unsigned CM_DIALOGCHAR = CM_BASE + 6;
constexpr unsigned CM_FOCUSCHANGED = CM_BASE + 7;
constexpr unsigned CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr unsigned CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr unsigned CM_HITTEST = CM_BASE + 10;
constexpr unsigned CM_VISIBLECHANGED = CM_BASE + 11;
constexpr unsigned CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr unsigned CM_COLORCHANGED = CM_BASE + 13;
constexpr unsigned CM_FONTCHANGED = CM_BASE + 14;
constexpr unsigned CM_CURSORCHANGED = CM_BASE + 15;
constexpr unsigned CM_TEXTCHANGED = CM_BASE + 18;
constexpr unsigned CM_MOUSEENTER = CM_BASE + 19;
constexpr unsigned CM_MOUSELEAVE = CM_BASE + 20;
constexpr unsigned CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr unsigned CM_ENTER = CM_BASE + 26;
constexpr unsigned CM_EXIT = CM_BASE + 27;
constexpr unsigned CM_DESIGNHITTEST = CM_BASE + 28;
constexpr unsigned CM_WANTSPECIALKEY = CM_BASE + 30;
constexpr unsigned CM_RELEASE = CM_BASE + 33;
constexpr unsigned CM_SHOWHINTCHANGED = CM_BASE + 34;
constexpr unsigned CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
constexpr unsigned CM_TABSTOPCHANGED = CM_BASE + 40;
constexpr unsigned CM_UIACTIVATE = CM_BASE + 41;
constexpr unsigned CM_CONTROLLISTCHANGE = CM_BASE + 44;
constexpr unsigned CM_CHILDKEY = CM_BASE + 46;
constexpr unsigned CM_HINTSHOW = CM_BASE + 48;
constexpr unsigned CM_RECREATEWND = CM_BASE + 51;
constexpr unsigned CM_INVALIDATE = CM_BASE + 52;
constexpr unsigned CM_CONTROLCHANGE = CM_BASE + 54;
constexpr unsigned CM_CHANGED = CM_BASE + 55;
constexpr unsigned CM_BORDERCHANGED = CM_BASE + 59;
constexpr unsigned CM_BIDIMODECHANGED = CM_BASE + 60;
constexpr unsigned CM_PARENTBIDIMODECHANGED = CM_BASE + 61;
constexpr unsigned CM_HINTSHOWPAUSE = CM_BASE + 65;
constexpr unsigned CM_MOUSEWHEEL = CM_BASE + 67;
constexpr unsigned CM_STYLECHANGED = CM_BASE + 81;

// Notifications reflected back to the control that caused them
constexpr unsigned CN_BASE = 0xBC00;
constexpr unsigned CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr unsigned CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr unsigned CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr unsigned CN_KEYUP = CN_BASE + WM_KEYUP;
constexpr unsigned CN_CHAR = CN_BASE + WM_CHAR;
constexpr unsigned CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
constexpr unsigned CN_SYSCHAR = CN_BASE + WM_SYSCHAR;

// Ids handed out by RegisterWindowMessage start here.
constexpr unsigned RegisteredMessageBase = 0xC000;

// WM_GETDLGCODE answers: the keys a control keeps from dialog navigation
constexpr LRESULT DLGC_WANTARROWS = 0x0001;
constexpr LRESULT DLGC_WANTTAB = 0x0002;
constexpr LRESULT DLGC_WANTALLKEYS = 0x0004;
constexpr LRESULT DLGC_WANTMESSAGE = 0x0004;
constexpr LRESULT DLGC_HASSETSEL = 0x0008;
constexpr LRESULT DLGC_DEFPUSHBUTTON = 0x0010;
constexpr LRESULT DLGC_UNDEFPUSHBUTTON = 0x0020;
constexpr LRESULT DLGC_RADIOBUTTON = 0x0040;
constexpr LRESULT DLGC_WANTCHARS = 0x0080;
constexpr LRESULT DLGC_STATIC = 0x0100;
constexpr LRESULT DLGC_BUTTON = 0x2000;

// WM_COMMAND notification codes
constexpr int EN_SETFOCUS = 0x0100;
constexpr int EN_KILLFOCUS = 0x0200;
constexpr int EN_CHANGE = 0x0300;
constexpr int EN_UPDATE = 0x0400;
constexpr int EN_MAXTEXT = 0x0501;
constexpr int EN_REQUESTRESIZE = 0x0701;
constexpr int CBN_SELCHANGE = 1;
constexpr int CBN_DBLCLK = 2;
constexpr int CBN_SETFOCUS = 3;
constexpr int CBN_KILLFOCUS = 4;
constexpr int CBN_EDITCHANGE = 5;
constexpr int CBN_EDITUPDATE = 6;
constexpr int CBN_DROPDOWN = 7;
constexpr int CBN_CLOSEUP = 8;
constexpr int CBN_SELENDOK = 9;
constexpr int CBN_SELENDCANCEL = 10;
constexpr int BN_CLICKED = 0;

// Mouse key flags in WParam of mouse messages
constexpr int MK_LBUTTON = 0x0001;
constexpr int MK_RBUTTON = 0x0002;
constexpr int MK_SHIFT = 0x0004;
constexpr int MK_CONTROL = 0x0008;
constexpr int MK_MBUTTON = 0x0010;
// Not a system flag: Alt held, so that ssAlt survives the record.
constexpr int MK_ALT = 0x0020;

// One notch of a mouse wheel.
constexpr int WHEEL_DELTA = 120;

// WM_SIZE kinds
constexpr int SIZE_RESTORED = 0;
constexpr int SIZE_MINIMIZED = 1;
constexpr int SIZE_MAXIMIZED = 2;

// Bit 29 of a key record's KeyData: Alt was held. Bit 30: the key was
// already down (auto-repeat). Bit 31: the key is being released.
constexpr LPARAM KF_ALTDOWN_BIT = LPARAM(1) << 29;
constexpr LPARAM KF_REPEAT_BIT = LPARAM(1) << 30;
constexpr LPARAM KF_UP_BIT = LPARAM(1) << 31;

// Virtual-key codes
constexpr int VK_LBUTTON = 0x01;
constexpr int VK_RBUTTON = 0x02;
constexpr int VK_CANCEL = 0x03;
constexpr int VK_MBUTTON = 0x04;
constexpr int VK_BACK = 0x08;
constexpr int VK_TAB = 0x09;
constexpr int VK_CLEAR = 0x0C;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;
constexpr int VK_PAUSE = 0x13;
constexpr int VK_CAPITAL = 0x14;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_PRIOR = 0x21;
constexpr int VK_NEXT = 0x22;
constexpr int VK_END = 0x23;
constexpr int VK_HOME = 0x24;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_SELECT = 0x29;
constexpr int VK_PRINT = 0x2A;
constexpr int VK_EXECUTE = 0x2B;
constexpr int VK_SNAPSHOT = 0x2C;
constexpr int VK_INSERT = 0x2D;
constexpr int VK_DELETE = 0x2E;
constexpr int VK_HELP = 0x2F;
// '0'..'9' and 'A'..'Z' are their ASCII codes.
constexpr int VK_LWIN = 0x5B;
constexpr int VK_RWIN = 0x5C;
constexpr int VK_APPS = 0x5D;
constexpr int VK_NUMPAD0 = 0x60;
constexpr int VK_NUMPAD9 = 0x69;
constexpr int VK_MULTIPLY = 0x6A;
constexpr int VK_ADD = 0x6B;
constexpr int VK_SEPARATOR = 0x6C;
constexpr int VK_SUBTRACT = 0x6D;
constexpr int VK_DECIMAL = 0x6E;
constexpr int VK_DIVIDE = 0x6F;
constexpr int VK_F1 = 0x70;
constexpr int VK_F2 = 0x71;
constexpr int VK_F3 = 0x72;
constexpr int VK_F4 = 0x73;
constexpr int VK_F5 = 0x74;
constexpr int VK_F10 = 0x79;
constexpr int VK_F12 = 0x7B;
constexpr int VK_F24 = 0x87;
constexpr int VK_NUMLOCK = 0x90;
constexpr int VK_SCROLL = 0x91;
constexpr int VK_LSHIFT = 0xA0;
constexpr int VK_RSHIFT = 0xA1;
constexpr int VK_LCONTROL = 0xA2;
constexpr int VK_RCONTROL = 0xA3;
constexpr int VK_LMENU = 0xA4;
constexpr int VK_RMENU = 0xA5;
constexpr int VK_OEM_1 = 0xBA;
constexpr int VK_OEM_PLUS = 0xBB;
constexpr int VK_OEM_COMMA = 0xBC;
constexpr int VK_OEM_MINUS = 0xBD;
constexpr int VK_OEM_PERIOD = 0xBE;
constexpr int VK_OEM_2 = 0xBF;
constexpr int VK_OEM_3 = 0xC0;
constexpr int VK_OEM_4 = 0xDB;
constexpr int VK_OEM_5 = 0xDC;
constexpr int VK_OEM_6 = 0xDD;
constexpr int VK_OEM_7 = 0xDE;
constexpr int VK_OEM_102 = 0xE2;

// Keyboard and mouse state of an input event
enum TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = Set<TShiftStateFlag>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// MK_* flags of a mouse record to a shift state.
TShiftState KeysToShiftState(int Keys);
// Shift state of a key record: Shift and Ctrl from the keyboard state,
// Alt from bit 29 of KeyData.
TShiftState KeyDataToShiftState(LPARAM KeyData);
// The shift state of the keyboard and mouse right now.
TShiftState KeyboardStateToShiftState();
int ShiftStateToKeys(TShiftState Shift);

// Typed records

struct TWMMouse {
    unsigned Msg = 0;
    int Keys = 0;
    // Client coordinates; signed, outside the control while it has capture.
    int XPos = 0;
    int YPos = 0;
    LRESULT Result = 0;

    TWMMouse() = default;
    explicit TWMMouse(const TMessage& m)
        : Msg(m.Msg), Keys(int(m.WParam)), XPos(LoSigned(WPARAM(m.LParam))),
          YPos(HiSigned(WPARAM(m.LParam))), Result(m.Result) {}
    TPoint Pos() const { return {XPos, YPos}; }
    void WriteTo(TMessage& m) const
    {
        m.WParam = WPARAM(Keys);
        m.LParam = MakeLParam(XPos, YPos);
        m.Result = Result;
    }
};
using TWMLButtonDown = TWMMouse;
using TWMLButtonUp = TWMMouse;
using TWMLButtonDblClk = TWMMouse;
using TWMRButtonDown = TWMMouse;
using TWMRButtonUp = TWMMouse;
using TWMMButtonDown = TWMMouse;
using TWMMouseMove = TWMMouse;

// WM_MOUSEWHEEL: Keys and WheelDelta in WParam, the screen position in LParam.
struct TWMMouseWheel {
    unsigned Msg = 0;
    int Keys = 0;
    // Positive away from the user, one notch is WHEEL_DELTA.
    int WheelDelta = 0;
    int XPos = 0;
    int YPos = 0;
    LRESULT Result = 0;

    TWMMouseWheel() = default;
    explicit TWMMouseWheel(const TMessage& m)
        : Msg(m.Msg), Keys(LoWord(m.WParam)), WheelDelta(HiSigned(m.WParam)),
          XPos(LoSigned(WPARAM(m.LParam))), YPos(HiSigned(WPARAM(m.LParam))), Result(m.Result) {}
    void WriteTo(TMessage& m) const
    {
        m.WParam = MakeWParam(Keys, WheelDelta);
        m.LParam = MakeLParam(XPos, YPos);
        m.Result = Result;
    }
};

// CM_MOUSEWHEEL: the same packing as WM_MOUSEWHEEL with a shift state.
struct TCMMouseWheel : TWMMouseWheel {
    TCMMouseWheel() = default;
    explicit TCMMouseWheel(const TMessage& m) : TWMMouseWheel(m) {}
    TShiftState ShiftState() const { return KeysToShiftState(Keys); }
};

struct TWMKey {
    unsigned Msg = 0;
    // Virtual-key code (key messages) or character code (char messages).
    // Note: a key-down handler that sets it to 0 stops the character.
    int CharCode = 0;
    LPARAM KeyData = 0;
    LRESULT Result = 0;

    TWMKey() = default;
    explicit TWMKey(const TMessage& m) : Msg(m.Msg), CharCode(int(m.WParam & 0xFFFF)), KeyData(m.LParam), Result(m.Result) {}
    void WriteTo(TMessage& m) const
    {
        m.WParam = WPARAM(CharCode & 0xFFFF);
        m.LParam = KeyData;
        m.Result = Result;
    }
};
using TWMKeyDown = TWMKey;
using TWMKeyUp = TWMKey;
using TWMChar = TWMKey;
using TCMDialogKey = TWMKey;
using TCMDialogChar = TWMKey;
using TCMWantSpecialKey = TWMKey;

// WM_SETFOCUS / WM_KILLFOCUS: the other window of the focus change.
struct TWMFocus {
    unsigned Msg = 0;
    // WM_SETFOCUS: the window that lost focus; WM_KILLFOCUS: the window
    // receiving it. Either may be nullptr.
    HWND FocusedWnd = nullptr;
    LRESULT Result = 0;

    TWMFocus() = default;
    explicit TWMFocus(const TMessage& m) : Msg(m.Msg), FocusedWnd(reinterpret_cast<HWND>(m.WParam)), Result(m.Result) {}
    void WriteTo(TMessage& m) const { m.Result = Result; }
};
using TWMSetFocus = TWMFocus;
using TWMKillFocus = TWMFocus;

struct TWMTimer {
    unsigned Msg = 0;
    unsigned TimerID = 0;
    LRESULT Result = 0;

    TWMTimer() = default;
    explicit TWMTimer(const TMessage& m) : Msg(m.Msg), TimerID(unsigned(m.WParam)), Result(m.Result) {}
    void WriteTo(TMessage& m) const { m.Result = Result; }
};

struct TWMSize {
    unsigned Msg = 0;
    int SizeType = SIZE_RESTORED;
    int Width = 0;
    int Height = 0;
    LRESULT Result = 0;

    TWMSize() = default;
    explicit TWMSize(const TMessage& m)
        : Msg(m.Msg), SizeType(int(m.WParam)), Width(LoWord(WPARAM(m.LParam))), Height(HiWord(WPARAM(m.LParam))), Result(m.Result) {}
    void WriteTo(TMessage& m) const { m.Result = Result; }
};

// Messages without parameters worth a name (WM_PAINT, WM_CANCELMODE,
// WM_GETDLGCODE, CM_ENTER, ...) use TMessage directly.
using TWMPaint = TMessage;
using TWMGetDlgCode = TMessage;
using TWMCancelMode = TMessage;
using TCMCancelMode = TMessage;

// Calls a message handler with its typed record and writes the record back.
template <typename Rec, typename Obj>
void CallWithRecord(TMessage& m, Obj* self, void (Obj::*handler)(Rec&))
{
    Rec r(m);
    (self->*handler)(r);
    r.WriteTo(m);
}

struct TWMCommand {
    unsigned Msg = 0;
    int ItemID = 0;
    int NotifyCode = 0;
    HWND Ctl = nullptr;
    LRESULT Result = 0;

    TWMCommand() = default;
    explicit TWMCommand(const TMessage& m)
        : Msg(m.Msg), ItemID(LoWord(m.WParam)), NotifyCode(HiWord(m.WParam)), Ctl(reinterpret_cast<HWND>(m.LParam)), Result(m.Result) {}
    void WriteTo(TMessage& m) const { m.Result = Result; }
};
