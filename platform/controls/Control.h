#pragma once
// TControl: the base of every visual control. A control has a parent, a
// position in the parent's client area, a window procedure and the
// overridable input hooks.
//
// Message model. Input reaches a control as a TMessage handed to WndProc
// (through WindowProc when one is set). TControl::WndProc dispatches each
// message to its handler (WMLButtonDown, CMMouseEnter, ...; DefaultHandler
// for the rest). The handlers are the platform's own handling and call the
// overridable hooks: WMLButtonDown -> DoMouseDown -> MouseDown -> OnMouseDown.
// A derived control overrides the hook, or the handler to run before the
// platform, and can call TControl::WMLButtonDown itself to reach the
// platform's handling past its own overrides.
//
// Mouse order: press, release, double click, release for a double click
// (WM_LBUTTONDBLCLK only with csDoubleClicks, otherwise a second press);
// Click runs on the release inside the control, before MouseUp.
// A click does not move the focus; controls that take focus call SetFocus
// from their MouseDown.
#include "platform/controls/Messages.h"
#include "platform/graphics/Color.h"
#include "platform/rtl/Object.h"
#include <QChar>
#include <QString>
#include <functional>
#include <memory>

class TWinControl;
class TCustomForm;
class TFont;
class TComponent;
class TBasicAction;
class TBasicActionLink;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = Set<TAnchorKind>;

enum TControlStyleFlag {
    csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents, csFramed,
    csSetCaption, csOpaque, csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible,
    csReplicatable, csNoStdEvents, csDisplayDragImage, csReflector, csActionClient,
    csMenuEvents, csNeedsBorderPaint, csParentBackground, csPannable
};
using TControlStyle = Set<TControlStyleFlag>;

enum TControlStateFlag {
    csLButtonDown, csClicked, csPalette, csReadingState, csAlignmentNeeded, csFocusing,
    csCreating, csPaintCopy, csCustomPaint, csDestroyingHandle, csDocking, csPanning,
    csRecreating, csAligning
};
using TControlState = Set<TControlStateFlag>;

enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
// Phases of a drag over a control.
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

// Cursor codes of the framework
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;
constexpr TCursor crSize = -22;

// Modal results
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrClose = 8;
constexpr TModalResult mrAll = 12;
constexpr TModalResult mrNoToAll = 13;
constexpr TModalResult mrYesToAll = 14;

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent = std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent = std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;
using TKeyEvent = std::function<void(TObject* Sender, int& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, QChar& Key)>;
using TWndMethod = std::function<void(TMessage& Message)>;
using TContextPopupEvent = std::function<void(TObject* Sender, TPoint MousePos, bool& Handled)>;

// Calls an event handler, when set, through a copy of it: the handler may
// free the object that holds it.
template <typename F, typename... A>
void CallEvent(const F& Handler, A&&... Args)
{
    if (Handler) {
        F copy = Handler;
        copy(std::forward<A>(Args)...);
    }
}

// A weak reference that tells whether a control still exists.
using TControlGuard = std::weak_ptr<char>;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner = nullptr);
    ~TControl() override;

    // Tree
    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* AParent);
    // Note: the form that contains the control (itself for a form), or nullptr.
    TCustomForm* ParentForm() const;
    TControlGuard Guard() const { return FAlive; }

    // Geometry, in the parent's client coordinates
    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int v) { SetBounds(v, FTop, FWidth, FHeight); }
    void SetTop(int v) { SetBounds(FLeft, v, FWidth, FHeight); }
    void SetWidth(int v) { SetBounds(FLeft, FTop, v, FHeight); }
    void SetHeight(int v) { SetBounds(FLeft, FTop, FWidth, v); }
    // Moves and sizes the control; realigns the parent and calls Resize
    // when the size changed.
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    // Note: Right and Bottom lie outside the control.
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    // (0, 0, ClientWidth, ClientHeight).
    virtual TRect ClientRect() const;
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    virtual void SetClientWidth(int v);
    virtual void SetClientHeight(int v);
    // Screen position of the client area's top-left corner.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;
    TPoint ClientToParent(TPoint p, TWinControl* AParent = nullptr) const;
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign value);
    // Sides whose distance to the parent's edges stays fixed on resize.
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors value);

    // State
    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // True when the control and all its parents are visible.
    bool IsVisibleOnScreen() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool value);
    // True when the control was enabled at tick Tick (GetTickCount64) and
    // has stayed so; Tick 0 means now.
    bool EnabledAt(uint64_t Tick) const { return FEnabled && (Tick == 0 || FEnabledTick <= Tick); }
    TFont* Font() const { return FFont; }
    void SetFont(TFont* value);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    const QString& Hint() const { return FHint; }
    void SetHint(const QString& value) { FHint = value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool value);
    TCursor Cursor() const { return FCursor; }
    virtual void SetCursor(TCursor value);
    // The context menu; a TPopupMenu of the standard controls.
    TComponent* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TComponent* value);
    // The linked action (ActionList.h), or nullptr. Linking copies the
    // action's caption, enabled state, hint and visibility and lets Click
    // execute the action.
    TBasicAction* Action() const;
    void SetAction(TBasicAction* value);
    TBasicActionLink* ActionLink() const { return FActionLink; }
    // Caption and Text are the same string.
    const QString& Caption() const { return FText; }
    void SetCaption(const QString& value) { SetText(value); }
    const QString& Text() const { return FText; }
    virtual void SetText(const QString& value);
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode value);
    bool UseRightToLeftAlignment() const { return FBiDiMode == bdRightToLeft; }
    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle value) { FControlStyle = value; }
    TControlState ControlState() const { return FControlState; }
    void SetControlState(TControlState value) { FControlState = value; }
    // Mouse capture: while set, mouse messages go to this control.
    bool MouseCapture() const;
    void SetMouseCapture(bool value);

    // Messages
    // Sends a message to the window procedure at once and returns Result.
    LRESULT Perform(unsigned Msg, WPARAM WParam = 0, LPARAM LParam = 0);
    // Runs WindowProc when set, WndProc otherwise.
    void CallWindowProc(TMessage& Message);
    virtual void WndProc(TMessage& Message);
    // Calls the handler of the message, DefaultHandler when it has none.
    virtual void Dispatch(TMessage& Message);
    virtual void DefaultHandler(TMessage& Message);
    // Replaces the window procedure of this instance; empty: WndProc.
    TWndMethod WindowProc;

    // Painting
    virtual void Invalidate();
    // Note: paints the pending area now.
    virtual void Update();
    void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront();
    void SendToBack();

    // Events
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    TNotifyEvent OnResize;
    // Before the context menu: MousePos in client coordinates ((-1, -1) from
    // the keyboard); Handled keeps the PopupMenu from showing.
    TContextPopupEvent OnContextPopup;

    // Overridable hooks
    // OnClick; without one, the linked action.
    virtual void Click();
    virtual void DblClick();
    virtual void Resize();

protected:
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
    virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
    virtual void MouseWheelHandler(TMessage& Message);
    virtual void DoContextPopup(TPoint MousePos, bool& Handled);

    // Platform handling: calls the hooks above.
    void DoMouseDown(TWMMouse& Message, TMouseButton Button, TShiftState Shift);
    void DoMouseUp(TWMMouse& Message, TMouseButton Button);
    virtual void WMLButtonDown(TWMMouse& Message);
    virtual void WMLButtonUp(TWMMouse& Message);
    virtual void WMLButtonDblClk(TWMMouse& Message);
    virtual void WMRButtonDown(TWMMouse& Message);
    virtual void WMRButtonUp(TWMMouse& Message);
    virtual void WMRButtonDblClk(TWMMouse& Message);
    virtual void WMMButtonDown(TWMMouse& Message);
    virtual void WMMButtonUp(TWMMouse& Message);
    virtual void WMMButtonDblClk(TWMMouse& Message);
    virtual void WMMouseMove(TWMMouse& Message);
    virtual void WMMouseWheel(TWMMouseWheel& Message);
    virtual void CMMouseWheel(TCMMouseWheel& Message);
    virtual void CMMouseEnter(TMessage& Message);
    virtual void CMMouseLeave(TMessage& Message);
    virtual void WMCancelMode(TMessage& Message);
    virtual void CMCancelMode(TMessage& Message);
    virtual void CMHintShow(TMessage& Message);
    virtual void CMEnabledChanged(TMessage& Message);
    virtual void CMVisibleChanged(TMessage& Message);
    virtual void CMFontChanged(TMessage& Message);
    virtual void CMColorChanged(TMessage& Message);
    virtual void CMTextChanged(TMessage& Message);
    virtual void CMParentFontChanged(TMessage& Message);
    virtual void CMParentColorChanged(TMessage& Message);
    virtual void CMParentShowHintChanged(TMessage& Message);
    // WM_CONTEXTMENU (from the default handling of the right button's
    // release, before MouseUp; or from the menu key): OnContextPopup, then
    // the PopupMenu at the mouse. A control that keeps WM_RBUTTONUP from the
    // default handling gets no context menu.
    virtual void WMContextMenu(TMessage& Message);
    virtual void WMTimer(TWMTimer& Message);
    virtual void WMSize(TWMSize& Message);

    // The linked action changed (CheckDefaults: keep values the control
    // already has). Takes caption, enabled, hint and visible from a
    // TCustomAction, and the click unless CheckDefaults and OnClick is set.
    virtual void ActionChange(TObject* Sender, bool CheckDefaults);

    // Forgets a freed PopupMenu.
    void Notification(TComponent* AComponent, TOperation Operation) override;

    // Tells the parent's other children that the control's look changed.
    virtual void Changed();
    // Sends CM_CANCELMODE to the control that has the focus, if any other.
    void SendCancelMode(TControl* Sender);
    // Sets the stored bounds without moving anything; used by the parent's
    // alignment and by hosts that report a size from outside.
    void UpdateBoundsRect(const TRect& r);
    virtual void FontChanged(TObject* Sender);
    // The hook a TWinControl uses to move its window.
    virtual void BoundsChanged() {}
    // Anchor distances, taken when the control is placed by hand.
    void UpdateAnchorRules();
    // Sets Visible without notices (forms show their window themselves).
    void SetVisibleFlag(bool value) { FVisible = value; }

    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    TControlStyle FControlStyle;
    TControlState FControlState;

private:
    friend class TWinControl;
    friend class TCustomForm;
    friend class TControlActionLink;

    TAlign FAlign = alNone;
    TAnchors FAnchors{akLeft, akTop};
    // Right and bottom distances to the parent client edges for akRight/akBottom.
    TPoint FAnchorRules;
    TPoint FOriginalParentSize;
    bool FVisible = true;
    bool FEnabled = true;
    // When the control was last enabled; 0 when it never was disabled.
    uint64_t FEnabledTick = 0;
    TFont* FFont = nullptr;
    bool FParentFont = true;
    TColor FColor = clWindow;
    bool FParentColor = false;
    QString FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TCursor FCursor = crDefault;
    TComponent* FPopupMenu = nullptr;
    QString FText;
    TBiDiMode FBiDiMode = bdLeftToRight;
    TBasicActionLink* FActionLink = nullptr;
    std::shared_ptr<char> FAlive;
};

// Delivers a message to a control's window procedure: the single place
// where a handler's exception is caught and handed to the application.
// Returns false when the control was destroyed by the handler.
bool Deliver(TControl* Control, TMessage& Message);
// Hands the exception being handled to the application: the one guard on
// every road from the event loop into program code (messages, timers, menu
// clicks, posted messages, drag and drop). One not derived from Exception
// is wrapped in one. Call it from a catch block only.
void HandleCurrentException(TObject* Sender);

// The short part of a hint "short|long" and the long part.
QString GetShortHint(const QString& Hint);
QString GetLongHint(const QString& Hint);
// True when Key is the "&" mnemonic of Caption (case-insensitive).
bool IsAccel(QChar Key, const QString& Caption);
