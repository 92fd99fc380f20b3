#pragma once
// The process-wide office theme notifier. Windows register with it to
// receive WM_OFFICETHEMECHANGE when the office colour scheme changes. No
// office suite exists on this platform, so the notifier never watches
// anything: registering does nothing and the message is never sent.
#include "platform/controls/Messages.h"
#include "platform/rtl/List.h"
#include "platform/rtl/Object.h"

// Sent to registered windows when the office colour scheme changed
// (WParam: the watched root key, LParam: the key path).
constexpr unsigned WM_OFFICETHEMECHANGE = 0x0BB1;

// A list of window handles.
class THandleList : public TList {
public:
    int Add(HWND Value) { return TList::Add(Value); }
    void Insert(int Index, HWND Value) { TList::Insert(Index, Value); }
    void Delete(int Index) { TList::Delete(Index); }
    // Removes the first entry equal to Value; nothing when absent.
    void DeleteValue(HWND Value);
    bool HasValue(HWND Value) const { return IndexOf(Value) >= 0; }
    HWND GetInteger(int Index) const { return static_cast<HWND>(Items(Index)); }
    void SetInteger(int Index, HWND Value) { SetItems(Index, Value); }
};

class TThemeNotifier : public TComponent {
public:
    explicit TThemeNotifier(TComponent* AOwner);
    // Clears the shared notifier when it is this one.
    ~TThemeNotifier() override;

    // Nothing without a watch on the office colour scheme.
    void RegisterWindow(HWND Hwnd);
    void UnRegisterWindow(HWND Hwnd);

    TNotifyEvent OnOfficeThemeChange;
};

// The shared notifier, made on the first call. Its owner is the main form
// when that form's window exists, else AOwner; when its owner frees it, the
// next call makes a new one.
TThemeNotifier* GetThemeNotifier(TComponent* AOwner);
