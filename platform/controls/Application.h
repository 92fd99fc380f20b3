#pragma once
// TApplication: the event loop, the forms, exception handling and the
// hint manager. One instance, Application.
#include "platform/controls/HintWindow.h"
#include "platform/controls/Screen.h"
#include "platform/rtl/Exceptions.h"
#include <memory>

class TCustomForm;

using TExceptionEvent = std::function<void(TObject* Sender, Exception* E)>;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    // Creates the Qt application when there is none yet.
    void Initialize();
    void Initialize(int& argc, char** argv);
    // Creates a form owned by the application and calls its OnCreate; the
    // first form created is the main form.
    template <typename T>
    void CreateForm(T*& Reference)
    {
        Reference = new T(this);
        FormCreated(Reference);
    }
    void FormCreated(TCustomForm* Form);
    // Shows the main form and runs the event loop until Terminate.
    void Run();
    // Handles the pending events and posted messages, then returns.
    void ProcessMessages();
    // Waits for one event and handles it (the modal loop's step).
    void HandleMessage();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    TCustomForm* MainForm() const { return FMainForm; }
    void SetMainForm(TCustomForm* Form) { FMainForm = Form; }
    // Full path of the executable.
    QString ExeName() const;
    const QString& Title() const { return FTitle; }
    void SetTitle(const QString& value) { FTitle = value; }
    int ModalLevel() const { return FModalLevel; }

    // Exceptions: OnException when set, otherwise an error box; EAbort is
    // silent. The program goes on either way.
    TExceptionEvent OnException;
    void HandleException(TObject* Sender, Exception* E);
    void ShowException(Exception* E);
    // A message box through the message-box service.
    int MessageBox(const QString& Text, const QString& Caption, unsigned Flags);

    // Hints
    const QString& Hint() const { return FHint; }
    void SetHint(const QString& value);
    TNotifyEvent OnHint;
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    int HintPause() const { return FHintPause; }
    void SetHintPause(int ms) { FHintPause = ms; }
    int HintShortPause() const { return FHintShortPause; }
    void SetHintShortPause(int ms) { FHintShortPause = ms; }
    int HintHidePause() const { return FHintHidePause; }
    void SetHintHidePause(int ms) { FHintHidePause = ms; }
    TColor HintColor() const { return FHintColor; }
    void SetHintColor(TColor value) { FHintColor = value; }
    // Makes the hint windows; a THintWindow unless replaced.
    THintWindowClass HintWindowClass;
    // Asks the control under the mouse (CM_HINTSHOW) and shows its hint at
    // CursorPos (screen); normally called when HintPause has passed.
    void ActivateHint(TPoint CursorPos);
    void CancelHint();
    // The hint window on screen, or nullptr.
    THintWindow* HintWindow() const;
    TControl* HintControl() const;

    // Called by the layer
    // A mouse move or press reached Control: tracks enter/leave and the
    // hint (a press hides it).
    void HintMouseMessage(TControl* Control, const TMessage& Message);
    // The mouse left the window of Control.
    void MouseLeftWindow(TWinControl* Control);
    void HintMouseLeave(TControl* Control);
    void ControlDestroyed(TControl* Control);
    // The control the mouse is over, as tracked by mouse moves.
    TControl* MouseControl() const { return FMouseControl; }

private:
    friend class TCustomForm;
    struct HintState;
    void StartHintTimer(int ms);
    void HideHintWindow();

    TCustomForm* FMainForm = nullptr;
    bool FTerminated = false;
    bool FRunning = false;
    int FModalLevel = 0;
    QString FTitle;
    QString FHint;
    bool FShowHint = true;
    int FHintPause = 500;
    int FHintShortPause = 50;
    int FHintHidePause = 2500;
    TColor FHintColor = clInfoBk;
    TControl* FMouseControl = nullptr;
    TControlGuard FMouseControlAlive;
    std::unique_ptr<HintState> FHintState;
};

extern TApplication* Application;
