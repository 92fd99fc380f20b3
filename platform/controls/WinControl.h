#pragma once
// TWinControl: a control with a window of its own (a host widget), child
// controls, keyboard focus and the key messages.
//
// Key order: a key press becomes CN_KEYDOWN (dialog keys: Tab, arrows,
// Enter and Escape go to the form unless WM_GETDLGCODE or
// CM_WANTSPECIALKEY keeps them), then WM_KEYDOWN (form KeyPreview first,
// then KeyDown, then OnKeyDown), then WM_CHAR for the typed character
// unless the key-down handler set the key to 0, and WM_KEYUP on release.
// Auto-repeat sends more key-downs with no release in between.
//
// Focus order: WM_KILLFOCUS to the control losing focus (with the window
// gaining it), then WM_SETFOCUS to the one gaining it (with the window that
// lost it); during WM_SETFOCUS the form sends CM_EXIT up the old chain and
// CM_ENTER down the new one (OnExit, then OnEnter).
//
// Painting: each window has a retained image its paint code draws into;
// see CustomControl.h.
#include "platform/controls/Control.h"
#include <vector>

// Window styles used by CreateParams
constexpr unsigned WS_POPUP = 0x80000000u;
constexpr unsigned WS_CHILD = 0x40000000u;
constexpr unsigned WS_VISIBLE = 0x10000000u;
constexpr unsigned WS_DISABLED = 0x08000000u;
constexpr unsigned WS_CLIPSIBLINGS = 0x04000000u;
constexpr unsigned WS_CLIPCHILDREN = 0x02000000u;
constexpr unsigned WS_CAPTION = 0x00C00000u;
constexpr unsigned WS_BORDER = 0x00800000u;
constexpr unsigned WS_DLGFRAME = 0x00400000u;
constexpr unsigned WS_VSCROLL = 0x00200000u;
constexpr unsigned WS_HSCROLL = 0x00100000u;
constexpr unsigned WS_SYSMENU = 0x00080000u;
constexpr unsigned WS_THICKFRAME = 0x00040000u;
constexpr unsigned WS_MINIMIZEBOX = 0x00020000u;
constexpr unsigned WS_MAXIMIZEBOX = 0x00010000u;
constexpr unsigned WS_TABSTOP = 0x00010000u;
constexpr unsigned WS_EX_DLGMODALFRAME = 0x00000001u;
constexpr unsigned WS_EX_TOPMOST = 0x00000008u;
constexpr unsigned WS_EX_TRANSPARENT = 0x00000020u;
constexpr unsigned WS_EX_TOOLWINDOW = 0x00000080u;
constexpr unsigned WS_EX_CLIENTEDGE = 0x00000200u;
constexpr unsigned WS_EX_CONTEXTHELP = 0x00000400u;
constexpr unsigned WS_EX_LAYERED = 0x00080000u;
constexpr unsigned WS_EX_NOACTIVATE = 0x08000000u;

struct TCreateParams {
    QString Caption;
    unsigned Style = 0;
    unsigned ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    // Parent window; nullptr for a top-level window.
    HWND WndParent = nullptr;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner = nullptr);
    ~TWinControl() override;

    // Window
    // The host window, created on first use.
    HWND Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded();
    // Sends WM_DESTROY, then frees the window (children first).
    // Note: from the destructor WM_DESTROY reaches only TWinControl's
    // handling; a derived control releases its timers and hooks in its own
    // destructor.
    void DestroyHandle();
    // For destructors: DestroyHandle without an instance's WindowProc,
    // whose code may belong to a class already destroyed.
    void DestroyHandleOnFree();
    void RecreateWnd();
    void SetParent(TWinControl* AParent) override;

    // Children
    int ControlCount() const { return int(FControls.size()); }
    TControl* Controls(int Index) const { return FControls.at(std::size_t(Index)); }
    // The windowed children.
    int WinControlCount() const;
    void InsertControl(TControl* AControl);
    void RemoveControl(TControl* AControl);
    bool ContainsControl(const TControl* Control) const;
    // The visible child at Pos (client coordinates), last on top; nullptr
    // when none.
    TControl* ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls = false) const;
    // Sends the message to every child.
    void Broadcast(TMessage& Message);
    void NotifyControls(unsigned Msg);
    // Moves a child in the z-order (its index among the children).
    void SetChildOrder(TControl* Child, int Order);

    // Alignment
    void Realign();
    void DisableAlign();
    void EnableAlign();

    // Focus
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value);
    int TabOrder() const;
    void SetTabOrder(int value);
    // Visible and enabled up to the form.
    virtual bool CanFocus() const;
    virtual void SetFocus();
    bool Focused() const;
    // Controls of this parent that Tab visits, in tab order.
    void GetTabOrderList(std::vector<TWinControl*>& List) const;
    TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent) const;
    void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);

    // Look
    bool DoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool value) { FDoubleBuffered = value; }
    // Note: a window's whole client area is its retained image; the rectangle
    // is added to the area the next WM_PAINT repaints.
    void InvalidateRect(const TRect& r);
    void Invalidate() override;
    void Update() override;
    // The area WM_PAINT is repainting (client coordinates); empty outside
    // a paint cycle.
    TRect PaintRect() const { return FPaintRect; }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetVisible(bool value) override;
    void SetEnabled(bool value) override;
    void SetCursor(TCursor value) override;
    void SetText(const QString& value) override;
    TPoint ClientOrigin() const override;

    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;

    // The control that has the keyboard focus, or nullptr.
    static TWinControl* FocusedControl();

protected:
    // Window creation: CreateParams fills the parameters, CreateWnd makes the
    // host widget. Controls over a native widget override CreateWnd in qt/.
    virtual void CreateParams(TCreateParams& Params);
    virtual void CreateWnd();
    virtual void DestroyWnd();
    // Called once the host exists (children get their windows here).
    virtual void CreateHandle();
    void SetHandle(HWND h) { FHandle = h; }

    // Key hooks
    virtual void KeyDown(int& Key, TShiftState Shift);
    virtual void KeyPress(QChar& Key);
    virtual void KeyUp(int& Key, TShiftState Shift);
    bool DoKeyDown(TWMKey& Message);
    bool DoKeyPress(TWMKey& Message);
    bool DoKeyUp(TWMKey& Message);
    virtual void DoEnter();
    virtual void DoExit();

    // Realigns; AControl (just placed) goes first among equals.
    void AlignControl(TControl* AControl);
    // Alignment of the children inside Rect.
    virtual void AlignControls(TControl* AControl, TRect& Rect);
    // The client area that aligned children fill.
    virtual void AdjustClientRect(TRect& Rect);

    // Painting: fills the background and paints the window-less children.
    virtual void PaintWindow();
    void PaintControls();
    // Routes mouse messages to the window-less child under the mouse, or
    // to the capture control. True when a child took the message.
    bool IsControlMouseMsg(TWMMouse& Message);

    // Platform handling
    virtual void WMKeyDown(TWMKey& Message);
    virtual void WMKeyUp(TWMKey& Message);
    virtual void WMChar(TWMKey& Message);
    virtual void WMSysKeyDown(TWMKey& Message);
    virtual void WMSysKeyUp(TWMKey& Message);
    virtual void WMSysChar(TWMKey& Message);
    virtual void CNKeyDown(TWMKey& Message);
    virtual void CNChar(TWMKey& Message);
    virtual void CNSysKeyDown(TWMKey& Message);
    virtual void CNSysChar(TWMKey& Message);
    virtual void WMGetDlgCode(TMessage& Message);
    virtual void WMSetFocus(TWMFocus& Message);
    virtual void WMKillFocus(TWMFocus& Message);
    virtual void WMPaint(TMessage& Message);
    virtual void CMEnter(TMessage& Message);
    virtual void CMExit(TMessage& Message);
    virtual void CMDialogKey(TWMKey& Message);
    virtual void CMDialogChar(TWMKey& Message);
    virtual void CMChildKey(TMessage& Message);
    virtual void CMWantSpecialKey(TWMKey& Message);
    void CMColorChanged(TMessage& Message) override;
    void WMSize(TWMSize& Message) override;

    void BoundsChanged() override;

private:
    friend class TControl;
    friend class TCustomForm;
    friend class WidgetHost;
    friend void SetFocusedWindow(TWinControl* Control);

    void ApplyBoundsToHandle();
    void UpdateMouseOver(TControl* Target);

    HWND FHandle = nullptr;
    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FTabList;
    bool FTabStop = false;
    bool FDoubleBuffered = false;
    int FAlignLevel = 0;
    TRect FPaintRect;
    TControl* FMouseOverChild = nullptr;
};

// Window-less control drawn on its parent's image: see GraphicControl.h.
TCustomForm* GetParentForm(const TControl* Control);
// The control a window belongs to, or nullptr.
TWinControl* FindControl(HWND Handle);
