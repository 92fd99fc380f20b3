#include "platform/controls/qt/MouseTranslator.h"
#include <cmath>

int MouseKeysFromQt(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Modifiers)
{
    int k = 0;
    if (Buttons & Qt::LeftButton)
        k |= MK_LBUTTON;
    if (Buttons & Qt::RightButton)
        k |= MK_RBUTTON;
    if (Buttons & Qt::MiddleButton)
        k |= MK_MBUTTON;
    if (Modifiers & Qt::ShiftModifier)
        k |= MK_SHIFT;
    if ((Modifiers & Qt::ControlModifier) && !(Modifiers & Qt::GroupSwitchModifier))
        k |= MK_CONTROL;
    if ((Modifiers & Qt::AltModifier) && !(Modifiers & Qt::GroupSwitchModifier))
        k |= MK_ALT;
    return k;
}

TMessage TranslateMouse(const QMouseEvent& Event)
{
    unsigned base = 0;
    switch (Event.button()) {
    case Qt::LeftButton: base = WM_LBUTTONDOWN; break;
    case Qt::RightButton: base = WM_RBUTTONDOWN; break;
    case Qt::MiddleButton: base = WM_MBUTTONDOWN; break;
    default: break;
    }
    TMessage m;
    switch (Event.type()) {
    case QEvent::MouseMove: m.Msg = WM_MOUSEMOVE; break;
    case QEvent::MouseButtonPress: m.Msg = base; break;
    case QEvent::MouseButtonRelease: m.Msg = base ? base + 1 : 0; break;
    case QEvent::MouseButtonDblClick: m.Msg = base ? base + 2 : 0; break;
    default: break;
    }
    if (m.Msg == 0)
        return {};
    QPointF p = Event.position();
    m.WParam = WPARAM(MouseKeysFromQt(Event.buttons(), Event.modifiers()));
    m.LParam = MakeLParam(int(std::floor(p.x())), int(std::floor(p.y())));
    return m;
}

int WheelAccumulator::Add(int Delta)
{
    // A change of direction drops what was collected the other way.
    if ((Delta > 0 && FRemainder < 0) || (Delta < 0 && FRemainder > 0))
        FRemainder = 0;
    FRemainder += Delta;
    int notches = FRemainder / WHEEL_DELTA;
    FRemainder -= notches * WHEEL_DELTA;
    return notches * WHEEL_DELTA;
}

TMessage TranslateWheel(const QWheelEvent& Event, WheelAccumulator& Accumulator)
{
    int delta = Accumulator.Add(Event.angleDelta().y());
    if (delta == 0)
        return {};
    QPointF p = Event.globalPosition();
    TMessage m;
    m.Msg = WM_MOUSEWHEEL;
    m.WParam = MakeWParam(MouseKeysFromQt(Event.buttons(), Event.modifiers()), delta);
    m.LParam = MakeLParam(int(std::floor(p.x())), int(std::floor(p.y())));
    return m;
}
