#include "platform/controls/qt/KeyTranslator.h"
#include <QHash>

namespace {

const QHash<int, int>& KeyTable()
{
    static const QHash<int, int> table = {
        {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB}, {Qt::Key_Backtab, VK_TAB},
        {Qt::Key_Clear, VK_CLEAR}, {Qt::Key_Return, VK_RETURN}, {Qt::Key_Enter, VK_RETURN},
        {Qt::Key_Shift, VK_SHIFT}, {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU},
        {Qt::Key_AltGr, VK_RMENU}, {Qt::Key_Pause, VK_PAUSE}, {Qt::Key_CapsLock, VK_CAPITAL},
        {Qt::Key_Escape, VK_ESCAPE}, {Qt::Key_Space, VK_SPACE}, {Qt::Key_PageUp, VK_PRIOR},
        {Qt::Key_PageDown, VK_NEXT}, {Qt::Key_End, VK_END}, {Qt::Key_Home, VK_HOME},
        {Qt::Key_Left, VK_LEFT}, {Qt::Key_Up, VK_UP}, {Qt::Key_Right, VK_RIGHT},
        {Qt::Key_Down, VK_DOWN}, {Qt::Key_Select, VK_SELECT}, {Qt::Key_Print, VK_SNAPSHOT},
        {Qt::Key_Execute, VK_EXECUTE}, {Qt::Key_Insert, VK_INSERT}, {Qt::Key_Delete, VK_DELETE},
        {Qt::Key_Help, VK_HELP}, {Qt::Key_Meta, VK_LWIN}, {Qt::Key_Super_L, VK_LWIN},
        {Qt::Key_Super_R, VK_RWIN}, {Qt::Key_Menu, VK_APPS}, {Qt::Key_NumLock, VK_NUMLOCK},
        {Qt::Key_ScrollLock, VK_SCROLL},
        // Punctuation, by the US layout's keys (shifted symbols included).
        {Qt::Key_Semicolon, VK_OEM_1}, {Qt::Key_Colon, VK_OEM_1}, {Qt::Key_Equal, VK_OEM_PLUS},
        {Qt::Key_Plus, VK_OEM_PLUS}, {Qt::Key_Comma, VK_OEM_COMMA}, {Qt::Key_Less, VK_OEM_COMMA},
        {Qt::Key_Minus, VK_OEM_MINUS}, {Qt::Key_Underscore, VK_OEM_MINUS},
        {Qt::Key_Period, VK_OEM_PERIOD}, {Qt::Key_Greater, VK_OEM_PERIOD},
        {Qt::Key_Slash, VK_OEM_2}, {Qt::Key_Question, VK_OEM_2}, {Qt::Key_QuoteLeft, VK_OEM_3},
        {Qt::Key_AsciiTilde, VK_OEM_3}, {Qt::Key_BracketLeft, VK_OEM_4}, {Qt::Key_BraceLeft, VK_OEM_4},
        {Qt::Key_Backslash, VK_OEM_5}, {Qt::Key_Bar, VK_OEM_5}, {Qt::Key_BracketRight, VK_OEM_6},
        {Qt::Key_BraceRight, VK_OEM_6}, {Qt::Key_Apostrophe, VK_OEM_7}, {Qt::Key_QuoteDbl, VK_OEM_7},
        {Qt::Key_Exclam, '1'}, {Qt::Key_At, '2'}, {Qt::Key_NumberSign, '3'}, {Qt::Key_Dollar, '4'},
        {Qt::Key_Percent, '5'}, {Qt::Key_AsciiCircum, '6'}, {Qt::Key_Ampersand, '7'},
        {Qt::Key_Asterisk, '8'}, {Qt::Key_ParenLeft, '9'}, {Qt::Key_ParenRight, '0'},
    };
    return table;
}

int KeypadKey(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return VK_NUMPAD0 + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Asterisk: return VK_MULTIPLY;
    case Qt::Key_Plus: return VK_ADD;
    case Qt::Key_Minus: return VK_SUBTRACT;
    case Qt::Key_Period:
    case Qt::Key_Comma: return VK_DECIMAL;
    case Qt::Key_Slash: return VK_DIVIDE;
    default: return 0;
    }
}

LPARAM KeyData(const QKeyEvent& e, bool alt, bool up)
{
    LPARAM d = std::max(1, e.count()) & 0xFFFF;
    if (alt)
        d |= KF_ALTDOWN_BIT;
    if (e.isAutoRepeat() || up)
        d |= KF_REPEAT_BIT;
    if (up)
        d |= KF_UP_BIT;
    return d;
}

bool AltHeld(const QKeyEvent& e) { return (e.modifiers() & Qt::AltModifier) && !IsAltGr(e); }
bool CtrlHeld(const QKeyEvent& e) { return (e.modifiers() & Qt::ControlModifier) && !IsAltGr(e); }

} // namespace

int VirtualKeyFromQt(int QtKey, Qt::KeyboardModifiers Modifiers)
{
    if (Modifiers & Qt::KeypadModifier) {
        if (int vk = KeypadKey(QtKey))
            return vk;
    }
    if ((QtKey >= Qt::Key_A && QtKey <= Qt::Key_Z) || (QtKey >= Qt::Key_0 && QtKey <= Qt::Key_9))
        return QtKey;
    if (QtKey >= Qt::Key_F1 && QtKey <= Qt::Key_F24)
        return VK_F1 + (QtKey - Qt::Key_F1);
    return KeyTable().value(QtKey, 0);
}

bool IsAltGr(const QKeyEvent& Event)
{
    return Event.key() == Qt::Key_AltGr || (Event.modifiers() & Qt::GroupSwitchModifier);
}

KeyPressRecords TranslateKeyPress(const QKeyEvent& Event)
{
    bool alt = AltHeld(Event);
    bool ctrl = CtrlHeld(Event);
    KeyPressRecords r;
    r.KeyDown.Msg = alt && !ctrl ? WM_SYSKEYDOWN : WM_KEYDOWN;
    r.KeyDown.WParam = WPARAM(VirtualKeyFromQt(Event.key(), Event.modifiers()));
    r.KeyDown.LParam = KeyData(Event, alt, false);

    QString text = Event.text();
    if (text.isEmpty()) {
        switch (Event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: text = QStringLiteral("\r"); break;
        case Qt::Key_Escape: text = QStringLiteral("\x1b"); break;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: text = QStringLiteral("\t"); break;
        case Qt::Key_Backspace: text = QStringLiteral("\b"); break;
        default:
            // Ctrl+letter types the control character, as the framework expects.
            if (ctrl && Event.key() >= Qt::Key_A && Event.key() <= Qt::Key_Z)
                text = QChar(char16_t(Event.key() - Qt::Key_A + 1));
            break;
        }
    }
    if (text == QStringLiteral("\x7f") || (ctrl && alt))
        text.clear();
    r.Chars = text;
    return r;
}

TMessage TranslateKeyRelease(const QKeyEvent& Event)
{
    if (Event.isAutoRepeat())
        return {};
    bool alt = AltHeld(Event);
    bool ctrl = CtrlHeld(Event);
    TMessage m;
    m.Msg = alt && !ctrl ? WM_SYSKEYUP : WM_KEYUP;
    m.WParam = WPARAM(VirtualKeyFromQt(Event.key(), Event.modifiers()));
    m.LParam = KeyData(Event, alt, true);
    return m;
}
