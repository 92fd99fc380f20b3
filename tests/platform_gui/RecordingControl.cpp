#include "RecordingControl.h"

namespace {

QString Shift(int keys)
{
    QStringList s;
    if (keys & MK_SHIFT)
        s << QStringLiteral("Shift");
    if (keys & MK_CONTROL)
        s << QStringLiteral("Ctrl");
    if (keys & MK_ALT)
        s << QStringLiteral("Alt");
    if (keys & MK_LBUTTON)
        s << QStringLiteral("Left");
    if (keys & MK_RBUTTON)
        s << QStringLiteral("Right");
    if (keys & MK_MBUTTON)
        s << QStringLiteral("Middle");
    return s.isEmpty() ? QString() : QStringLiteral(" [%1]").arg(s.join(QLatin1Char(',')));
}

QString CharText(WPARAM c)
{
    if (c >= 32 && c < 127)
        return QStringLiteral("'%1'").arg(QChar(char16_t(c)));
    return QStringLiteral("#%1").arg(c);
}

} // namespace

QString DescribeMessage(const TMessage& m)
{
    struct Name {
        unsigned Msg;
        const char* Text;
    };
    static const Name mouse[] = {
        {WM_MOUSEMOVE, "WM_MOUSEMOVE"}, {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"}, {WM_LBUTTONUP, "WM_LBUTTONUP"},
        {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"}, {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"}, {WM_RBUTTONUP, "WM_RBUTTONUP"},
        {WM_MBUTTONDOWN, "WM_MBUTTONDOWN"}, {WM_MBUTTONUP, "WM_MBUTTONUP"},
    };
    for (const Name& n : mouse)
        if (n.Msg == m.Msg)
            return QStringLiteral("%1 %2,%3%4").arg(QLatin1String(n.Text)).arg(LoSigned(WPARAM(m.LParam)))
                .arg(HiSigned(WPARAM(m.LParam))).arg(Shift(int(m.WParam)));
    switch (m.Msg) {
    case WM_KEYDOWN: return QStringLiteral("WM_KEYDOWN %1").arg(m.WParam);
    case WM_KEYUP: return QStringLiteral("WM_KEYUP %1").arg(m.WParam);
    case WM_SYSKEYDOWN: return QStringLiteral("WM_SYSKEYDOWN %1").arg(m.WParam);
    case WM_SYSKEYUP: return QStringLiteral("WM_SYSKEYUP %1").arg(m.WParam);
    case WM_CHAR: return QStringLiteral("WM_CHAR %1").arg(CharText(m.WParam));
    case WM_SYSCHAR: return QStringLiteral("WM_SYSCHAR %1").arg(CharText(m.WParam));
    case WM_SETFOCUS: return QStringLiteral("WM_SETFOCUS");
    case WM_KILLFOCUS: return QStringLiteral("WM_KILLFOCUS");
    case CM_ENTER: return QStringLiteral("CM_ENTER");
    case CM_EXIT: return QStringLiteral("CM_EXIT");
    case WM_TIMER: return QStringLiteral("WM_TIMER %1").arg(m.WParam);
    case CM_MOUSEENTER: return m.LParam ? QString() : QStringLiteral("CM_MOUSEENTER");
    case CM_MOUSELEAVE: return m.LParam ? QString() : QStringLiteral("CM_MOUSELEAVE");
    case WM_MOUSEWHEEL: return QStringLiteral("WM_MOUSEWHEEL %1").arg(HiSigned(m.WParam));
    case CM_MOUSEWHEEL: return QStringLiteral("CM_MOUSEWHEEL %1").arg(HiSigned(m.WParam));
    case WM_CANCELMODE: return QStringLiteral("WM_CANCELMODE");
    default:
        if (m.Msg >= WM_USER && m.Msg < CM_BASE)
            return QStringLiteral("WM_USER+%1 %2,%3").arg(m.Msg - WM_USER).arg(m.WParam).arg(m.LParam);
        if (m.Msg >= RegisteredMessageBase)
            return QStringLiteral("REGISTERED %1,%2").arg(m.WParam).arg(m.LParam);
        return QString();
    }
}

TRecordingControl::TRecordingControl(TComponent* AOwner, QStringList* ALog) : TCustomControl(AOwner), Log(ALog)
{
    SetBounds(0, 0, 100, 50);
    SetTabStop(true);
}

void TRecordingControl::WndProc(TMessage& Message)
{
    QString line = DescribeMessage(Message);
    if (Log && !line.isEmpty())
        *Log << (Tag.isEmpty() ? line : Tag + QLatin1Char(' ') + line);
    TCustomControl::WndProc(Message);
}

void TRecordingControl::KeyDown(int& Key, TShiftState Shift)
{
    if (Key == SwallowKey)
        Key = 0;
    TCustomControl::KeyDown(Key, Shift);
}

void TRecordingControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (FocusOnClick && CanFocus())
        SetFocus();
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

TRecordingGraphic::TRecordingGraphic(TComponent* AOwner, QStringList* ALog) : TGraphicControl(AOwner), Log(ALog)
{
    SetBounds(0, 0, 20, 20);
}

void TRecordingGraphic::WndProc(TMessage& Message)
{
    QString line = DescribeMessage(Message);
    if (Log && !line.isEmpty())
        *Log << (Tag.isEmpty() ? line : Tag + QLatin1Char(' ') + line);
    TGraphicControl::WndProc(Message);
}
