#pragma once
// TScreen: the screen, the forms of the application and the cursor.
#include "platform/controls/Control.h"
#include <QStringList>
#include <memory>
#include <vector>

class TBitmap;
class TCustomForm;

class TMonitor : public TObject {
public:
    int MonitorNum = 0;
    bool Primary = true;
    TRect BoundsRect;
    TRect WorkareaRect;
    int Left() const { return BoundsRect.Left; }
    int Top() const { return BoundsRect.Top; }
    int Width() const { return BoundsRect.Width(); }
    int Height() const { return BoundsRect.Height(); }
};

class TScreen : public TComponent {
public:
    TScreen();
    ~TScreen() override;

    int Width() const;
    int Height() const;
    TRect WorkAreaRect() const;
    int WorkAreaWidth() const { return WorkAreaRect().Width(); }
    int WorkAreaHeight() const { return WorkAreaRect().Height(); }
    int PixelsPerInch() const { return 96; }
    // Installed font families, sorted.
    QStringList Fonts() const;
    TMonitor* MonitorFromPoint(TPoint P);
    TMonitor* PrimaryMonitor();
    // Tests: monitors with these bounds (work area = bounds, the first one
    // primary) instead of the window system's; empty: the real ones again.
    void SetTestMonitors(const std::vector<TRect>& Bounds);

    // Forms, in creation order.
    int FormCount() const { return int(FForms.size()); }
    TCustomForm* Forms(int Index) const { return FForms.at(std::size_t(Index)); }
    int CustomFormCount() const { return FormCount(); }
    TCustomForm* CustomForms(int Index) const { return Forms(Index); }
    TCustomForm* ActiveForm() const { return FActiveForm; }
    TCustomForm* ActiveCustomForm() const { return FActiveForm; }
    TWinControl* ActiveControl() const { return FActiveControl; }

    // The application-wide cursor; crDefault lets each control show its own.
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);
    // The cursor last put on screen: Screen.Cursor when set, otherwise the
    // cursor of the control under the mouse.
    TCursor CurrentCursor() const;
    void SetControlCursor(TCursor value) { FControlCursor = value; }
    // An own cursor for Id (a positive number): Image, with the pixels of
    // its transparent colour left out and the hot spot at HotSpot. Controls
    // and Screen.Cursor show it wherever they name Id; nil takes it back.
    void SetCursorImage(TCursor Id, TBitmap* Image, TPoint HotSpot);
    bool HasCursorImage(TCursor Id) const;

private:
    friend class TCustomForm;
    void AddForm(TCustomForm* Form);
    void RemoveForm(TCustomForm* Form);

    std::vector<TCustomForm*> FForms;
    TCustomForm* FActiveForm = nullptr;
    TWinControl* FActiveControl = nullptr;
    TCursor FCursor = crDefault;
    TCursor FControlCursor = crDefault;
    std::vector<std::unique_ptr<TMonitor>> FMonitors;
    std::vector<TRect> FTestMonitors;
};

extern TScreen* Screen;
