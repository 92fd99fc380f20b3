#pragma once
// THintWindow: the small top-level window a hint shows in. It is shown
// without taking the activation and stays on top. Subclasses override
// CalcHintRect (the size for a text), ActivateHint/ActivateHintData (place
// and show) and Paint.
#include "platform/controls/CustomControl.h"
#include <functional>

class THintWindow;
using THintWindowClass = std::function<THintWindow*()>;

// What CM_HINTSHOW hands to the control under the mouse (through LParam);
// the control may change any field. A non-zero Result cancels the hint.
struct THintInfo {
    TControl* HintControl = nullptr;
    // Empty: the application's HintWindowClass.
    THintWindowClass HintWindowClass;
    // Screen position of the hint window's top-left corner.
    TPoint HintPos;
    int HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    // While the mouse stays inside (client coordinates of HintControl) the
    // hint stays; leaving it hides the hint.
    TRect CursorRect;
    // Mouse position in client coordinates of HintControl.
    TPoint CursorPos;
    int ReshowTimeout = 0;
    // Milliseconds until the hint hides; 0: the application's HintHidePause.
    int HideTimeout = 0;
    QString HintStr;
    void* HintData = nullptr;
};

inline THintInfo* HintInfoOf(const TMessage& m) { return reinterpret_cast<THintInfo*>(m.LParam); }

class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* AOwner = nullptr);

    // The window rectangle (at 0, 0) that shows AHint in at most MaxWidth pixels.
    virtual TRect CalcHintRect(int MaxWidth, const QString& AHint, void* AData);
    // Places the window at Rect (screen) with AHint as caption and shows it.
    virtual void ActivateHint(const TRect& Rect, const QString& AHint);
    virtual void ActivateHintData(const TRect& Rect, const QString& AHint, void* AData);
    virtual void ReleaseHandle();
    bool IsHintShowing() const;

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void CMTextChanged(TMessage& Message) override;
};
