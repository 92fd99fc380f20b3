#pragma once
// WidgetHost: the QWidget behind every windowed control. It owns the
// control's retained image and turns each Qt event into the framework's
// messages through the translators, all in event(). It never decides
// anything about the control: that is the window procedure's job.
#include "platform/controls/qt/HostApi.h"
#include "platform/controls/qt/MouseTranslator.h"
#include "platform/graphics/qt/ImageSurface.h"
#include <QHash>
#include <QPointer>
#include <QRegion>
#include <algorithm>
#include <QWidget>

class QFocusEvent;
class QMenuBar;
class TMenuItem;

class WidgetHost : public QWidget {
public:
    WidgetHost(TWinControl* Control, QWidget* Parent, const HostParams& Params);
    ~WidgetHost() override;

    TWinControl* Control() const { return FControl; }
    void Detach() { FControl = nullptr; }
    ImageSurface& Surface() { return FSurface; }
    const HostParams& Params() const { return FParams; }

    // Adds to the area the next WM_PAINT repaints and schedules a repaint.
    void AddDirty(const QRect& Rect);
    // Delivers WM_PAINT for the pending area now.
    void PaintPending();
    // True while WM_PAINT is being delivered.
    bool Painting() const { return FPainting; }
    // Keeps the image the size of the window.
    void SyncSurfaceSize(const QSize& Size);
    void ApplyCursor(int Cursor);
    // Rows at the top of the window above the client area (the menu bar);
    // the image, the child windows and the mouse count from below them.
    int TopInset() const { return FTopInset; }
    void SetTopInset(int Inset);
    QSize ClientSize() const { return QSize(width(), std::max(0, height() - FTopInset)); }
    QMenuBar* MenuBar() const { return FMenuBar; }
    void SetMenuBar(QMenuBar* Bar);
    // The menu item behind each action of the bar.
    QHash<QAction*, TMenuItem*>& MenuMap() { return FMenuMap; }

    // Top-level windows: the one this window belongs to and stays above.
    WidgetHost* Owner() const { return FOwner; }
    void SetOwner(WidgetHost* Owner);
    bool Owns(const WidgetHost* Other) const;
    // Raises the window, then puts back above it what must stay above.
    void RaiseWindow();
    // After a top-level window came to the top: the visible windows it owns
    // go back above it (in their order), and stay-on-top windows above an
    // ordinary one. Without a window manager nothing else keeps them there.
    void RestackAbove();

    // The host of a widget (itself or its nearest host ancestor), or nullptr.
    static WidgetHost* Of(QWidget* Widget);

    // The one translation of the window's input into the control's
    // messages, for events that reached Source: this window, or a native
    // widget inside it (through its filter). Mouse, wheel, key and
    // keyboard context-menu events; false for any other event.
    bool RouteInput(QWidget* Source, QEvent* Event);
    // The keyboard focus moved into or out of Source's window.
    void RouteFocus(QFocusEvent* Event);
    // When the window last became enabled; 0 when it never was disabled.
    uint64_t EnabledTick() const { return FEnabledTick; }

protected:
    bool event(QEvent* Event) override;
    bool focusNextPrevChild(bool) override { return false; }

private:
    bool HostEvent(QEvent* Event);
    void MouseEvent(QWidget* Source, QMouseEvent* Event);
    void KeyPressEvent(QKeyEvent* Event);
    void KeyReleaseEvent(QKeyEvent* Event);
    void PaintEvent(QPaintEvent* Event);
    void ResizedEvent();
    void MovedEvent();
    void ApplyTransientParent();
    bool StaysOnTop() const;
    void UpdateInput(Qt::KeyboardModifiers Modifiers, Qt::MouseButtons Buttons, bool AltGr);

    TWinControl* FControl;
    HostParams FParams;
    ImageSurface FSurface;
    QRegion FDirty;
    WheelAccumulator FWheel;
    bool FPainting = false;
    int FCursor = 0;
    int FTopInset = 0;
    uint64_t FEnabledTick = 0;
    QMenuBar* FMenuBar = nullptr;
    QPointer<WidgetHost> FOwner;
    quint64 FRaised = 0;
    QHash<QAction*, TMenuItem*> FMenuMap;
};
