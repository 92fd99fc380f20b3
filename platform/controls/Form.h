#pragma once
// TCustomForm and TForm: top-level windows.
//
// ShowModal shows the form, disables the other visible forms and runs a
// nested event loop until ModalResult becomes non-zero; the value is
// checked after the current handler returns, OnCloseQuery and OnClose run
// (caNone keeps the form open), then the form hides, the other forms are
// enabled again and the previously active form and focus come back.
//
// Dialog keys: Tab and Shift+Tab move the focus by TabOrder; arrows move
// it among siblings; Enter and Escape are broadcast as CM_DIALOGKEY, which
// the Default and Cancel buttons take when visible and enabled (see
// ButtonControl.h). Alt+letter (or a letter in a control that does not
// want characters) is broadcast as CM_DIALOGCHAR for "&" mnemonics.
#include "platform/controls/WinControl.h"

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = Set<TBorderIcon>;
enum TPosition {
    poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
    poDesktopCenter, poMainFormCenter, poOwnerFormCenter
};
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TDefaultMonitor { dmDesktop, dmPrimary, dmMainForm, dmActiveForm };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TFormStateFlag { fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated };
using TFormState = Set<TFormStateFlag>;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;
using TCanResizeEvent = std::function<void(TObject* Sender, int& NewWidth, int& NewHeight, bool& Resize)>;
using TShortCutEvent = std::function<void(TWMKey& Msg, bool& Handled)>;

class TMainMenu;
class TMonitor;

class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* AOwner = nullptr);
    ~TCustomForm() override;

    // Window
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition value) { FPosition = value; }
    TWindowState WindowState() const;
    void SetWindowState(TWindowState value);
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle value);
    TDefaultMonitor DefaultMonitor() const { return FDefaultMonitor; }
    void SetDefaultMonitor(TDefaultMonitor value) { FDefaultMonitor = value; }
    // Note: a form has no frame of its own here; the client area is the
    // whole form below the menu bar and the window manager adds the frame.
    TRect ClientRect() const override;
    void SetClientWidth(int v) override { SetWidth(v); }
    void SetClientHeight(int v) override { SetHeight(v + FMenuBarHeight); }
    TFormState FormState() const { return FFormState; }
    // True while this is the active form of the application.
    bool Active() const { return FActive; }

    // Keys and focus
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool value) { FKeyPreview = value; }
    TWinControl* ActiveControl() const { return FActiveControl; }
    // Focuses the control when the form is showing; raises
    // EInvalidOperation when it cannot take the focus.
    void SetActiveControl(TWinControl* Control);
    void FocusControl(TWinControl* Control);
    // Focuses the first control in tab order.
    void SelectFirst();
    // Called while the focus moves to Control: sends CM_EXIT up from the old
    // control and CM_ENTER down to the new one. False when a handler moved
    // the focus elsewhere.
    bool SetFocusedControl(TWinControl* Control);
    // Forgets Control (being hidden, removed or destroyed) as the active control.
    void DefocusControl(TWinControl* Control);
    // Shortcut keys of the form: OnShortCut first, then the items of Menu.
    virtual bool IsShortCut(TWMKey& Message);
    // The form's main menu (nullptr: none); a freed menu is forgotten. Its
    // visible items show as a bar above the client area, which follows
    // changes to the items.
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* value);
    void SendCancelMode(TControl* Sender);

    // Showing and closing
    void SetVisible(bool value) override;
    void Show() { SetVisible(true); BringToFront(); }
    void Hide() { SetVisible(false); }
    void BringToFront();
    void Close();
    virtual bool CloseQuery();
    // Frees the form once the current handler has returned.
    void Release();
    virtual int ShowModal();
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    // Calls OnCreate; the application calls it after constructing a form.
    void DoCreate();

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    TPoint ClientOrigin() const override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    // Note: runs from TCustomForm's destructor, after the destructors of
    // derived forms; it must not touch their members.
    TNotifyEvent OnDestroy;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TCanResizeEvent OnCanResize;
    TShortCutEvent OnShortCut;

    // Activation, as the window system reports it.
    void Activate();
    void Deactivate();

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateHandle() override;
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& Action);
    virtual bool CanResize(int& NewWidth, int& NewHeight);
    void Dispatch(TMessage& Message) override;
    void CMDialogKey(TWMKey& Message) override;
    void CMDialogChar(TWMKey& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WMSetFocus(TWMFocus& Message) override;
    virtual void WMClose(TMessage& Message);
    virtual void CMRelease(TMessage& Message);

private:
    friend class TWinControl;
    void ApplyPosition();
    // The monitor DefaultMonitor places the form on; nullptr: where it is.
    TMonitor* DefaultMonitorTarget() const;
    void CloseModal();
    void RecreateKeepingVisibility();
    // Rebuilds the menu bar; realigns when its height changed.
    void UpdateMenuBar();
    bool SendFocusMessage(TWinControl* Control, unsigned Msg, int Count);

    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TPosition FPosition = poDesigned;
    TWindowState FWindowState = wsNormal;
    TFormStyle FFormStyle = fsNormal;
    TDefaultMonitor FDefaultMonitor = dmActiveForm;
    TFormState FFormState;
    bool FKeyPreview = false;
    bool FActive = false;
    bool FPositioned = false;
    TWinControl* FActiveControl = nullptr;
    TWinControl* FFocusedControl = nullptr;
    int FFocusCount = 0;
    TModalResult FModalResult = mrNone;
    TMainMenu* FMenu = nullptr;
    // Height of the menu bar above the client area; 0 without one.
    int FMenuBarHeight = 0;
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
};
