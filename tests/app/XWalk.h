#pragma once
// Real X input for the walk under Xvfb. The walk's script runs on a thread
// of its own and sends input with xdotool, presses and releases apart,
// while the GUI thread runs the program's event loops (modal windows,
// message boxes and file dialogs included). Everything the script reads of
// the program it reads on the GUI thread through Gui(). A step that does
// not come about in time throws TXAbort.
#include "platform/controls/Control.h"
#include <QMetaObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <stdexcept>
#include <string>
#include <type_traits>

class QWidget;
class TCustomForm;
class TWinControl;

// Set by "--screenshots DIR": where the walk keeps its pictures.
extern QString XWalk_Screenshot_Dir;

struct TXAbort : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class TXDriver {
public:
    // Runs F on the GUI thread, waiting for it, and returns its result.
    template <typename F>
    static std::invoke_result_t<F> Gui(F Fn)
    {
        using R = std::invoke_result_t<F>;
        if constexpr (std::is_void_v<R>) {
            Invoke([&] { Fn(); });
        } else {
            R r{};
            Invoke([&] { r = Fn(); });
            return r;
        }
    }

    // Waits until Pred holds (asked on the GUI thread every 20 ms);
    // TXAbort naming What after Ms.
    void Wait(const std::string& What, const std::function<bool()>& Pred, int Ms = 15000);
    // Lets the program run for Ms without asking anything.
    static void Pause(int Ms);

    // The visible form of that object name, or nullptr.
    static TCustomForm* Form(const QString& Name);
    // Waits until the form is shown and is the active window.
    TCustomForm* Wait_Form(const QString& Name);
    void Wait_Closed(const QString& Name);
    // The message box or file dialog on top, once it is the active window.
    QWidget* Wait_Dialog(const char* Class_Name);
    void Wait_Dialog_Closed();
    // Text of the message box on top.
    static QString Box_Text(QWidget* Box);

    // Mouse: move, press, release, each sent on its own.
    void Click(TControl* Control, TPoint P);
    void Click(TControl* Control);
    void Click_Screen(int X, int Y, int Button = 1);
    void Double_Click(TControl* Control, TPoint P);
    // Keys by X key name ("Return", "Down"), pressed and released apart.
    void Key(const char* Name);
    // Each character pressed and released, then Final_Key when given.
    void Type(const QString& Text, const char* Final_Key = nullptr);
    // A click, then the characters and Final_Key (when given) in one go:
    // the click has taken effect before the keys arrive.
    void Click_Type(TControl* Control, TPoint P, const QString& Text, const char* Final_Key = nullptr);
    // A click that a modal window must keep from the main window: nothing
    // of the main window may open, and Form stays the active window.
    void Click_Behind(TCustomForm* Form, TControl* Main_Control);

    // Click, select all (Ctrl+A), type.
    void Type_Into(TWinControl* Edit, const QString& Text);
    // Opens the list with a click and clicks the entry.
    void Pick(TWinControl* Combo, int Index);

    // Keeps a picture of the form's window as DIR/Name.png (with
    // --screenshots).
    static void Shot(TCustomForm* Form, const char* Name);

    // The whole screen as File (PNG), to see a failed step.
    static void Shot_Screen(const QString& File);
    // After a failed step: closes what is open, so the loops end.
    static void Close_All();

private:
    static void Invoke(const std::function<void()>& Fn);
    // xdotool arguments of a click (move, press, release) and of typing.
    // Note: each xdotool run costs about half a second in its first key or
    // button, so a step's input goes in one run where it can.
    static QStringList Click_Args(TControl* Control, TPoint P);
    static QStringList Type_Args(const QString& Text);
    void Xdotool(const QStringList& Args);
};
