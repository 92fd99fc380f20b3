// The pure translators from Qt events to message records.
#include "RecordingControl.h"
#include "platform/controls/Form.h"
#include "platform/controls/qt/KeyTranslator.h"
#include "platform/controls/qt/MouseTranslator.h"
#include "platform/controls/qt/WidgetHost.h"
#include <QApplication>
#include <gtest/gtest.h>

namespace {

struct KeyPressCase {
    const char* Name;
    int QtKey;
    Qt::KeyboardModifiers Modifiers;
    QString Text;
    unsigned Msg;
    int Vk;
    QString Chars;
    bool AltBit;
};

void PrintTo(const KeyPressCase& c, std::ostream* os) { *os << c.Name; }

class KeyPress : public ::testing::TestWithParam<KeyPressCase> {};

TEST_P(KeyPress, BecomesKeyDownAndCharacters)
{
    const KeyPressCase& c = GetParam();
    QKeyEvent e(QEvent::KeyPress, c.QtKey, c.Modifiers, c.Text);
    KeyPressRecords r = TranslateKeyPress(e);
    EXPECT_EQ(r.KeyDown.Msg, c.Msg);
    EXPECT_EQ(int(r.KeyDown.WParam), c.Vk);
    EXPECT_EQ(r.Chars, c.Chars);
    EXPECT_EQ((r.KeyDown.LParam & KF_ALTDOWN_BIT) != 0, c.AltBit);
}

const auto None = Qt::NoModifier;

INSTANTIATE_TEST_SUITE_P(
    EventTranslator, KeyPress,
    ::testing::Values(
        KeyPressCase{"Letter", Qt::Key_A, None, "a", WM_KEYDOWN, 'A', "a", false},
        KeyPressCase{"ShiftedLetter", Qt::Key_A, Qt::ShiftModifier, "A", WM_KEYDOWN, 'A', "A", false},
        KeyPressCase{"Digit", Qt::Key_7, None, "7", WM_KEYDOWN, '7', "7", false},
        KeyPressCase{"KeypadDigit", Qt::Key_7, Qt::KeypadModifier, "7", WM_KEYDOWN, VK_NUMPAD0 + 7, "7", false},
        KeyPressCase{"ShiftedSymbolKeepsItsKey", Qt::Key_Exclam, Qt::ShiftModifier, "!", WM_KEYDOWN, '1', "!", false},
        KeyPressCase{"EnterTypesCarriageReturn", Qt::Key_Return, None, "", WM_KEYDOWN, VK_RETURN, "\r", false},
        KeyPressCase{"EscapeTypesEscape", Qt::Key_Escape, None, "", WM_KEYDOWN, VK_ESCAPE, "\x1b", false},
        KeyPressCase{"BacktabIsTab", Qt::Key_Backtab, Qt::ShiftModifier, "", WM_KEYDOWN, VK_TAB, "\t", false},
        KeyPressCase{"ArrowTypesNothing", Qt::Key_Left, None, "", WM_KEYDOWN, VK_LEFT, "", false},
        KeyPressCase{"DeleteTypesNothing", Qt::Key_Delete, None, "\x7f", WM_KEYDOWN, VK_DELETE, "", false},
        KeyPressCase{"FunctionKey", Qt::Key_F2, None, "", WM_KEYDOWN, VK_F2, "", false},
        KeyPressCase{"PageDown", Qt::Key_PageDown, None, "", WM_KEYDOWN, VK_NEXT, "", false},
        KeyPressCase{"CtrlLetterTypesControlCharacter", Qt::Key_C, Qt::ControlModifier, "", WM_KEYDOWN, 'C', "\x03", false},
        KeyPressCase{"AltLetterIsSystemKey", Qt::Key_F, Qt::AltModifier, "f", WM_SYSKEYDOWN, 'F', "f", true},
        KeyPressCase{"CtrlAltTypesNothing", Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier, "q", WM_KEYDOWN, 'Q', "",
                     true},
        KeyPressCase{"AltGrTypesItsCharacter", Qt::Key_Q, Qt::GroupSwitchModifier | Qt::ControlModifier | Qt::AltModifier,
                     "@", WM_KEYDOWN, 'Q', "@", false},
        KeyPressCase{"UnknownKeyStillTypes", Qt::Key_Adiaeresis, None, QString::fromUtf8("ä"), WM_KEYDOWN, 0,
                     QString::fromUtf8("ä"), false}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(EventTranslator, AutoRepeatReleaseIsDroppedAndRepeatIsMarked)
{
    QKeyEvent repeatPress(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier, QString(), true);
    EXPECT_NE(TranslateKeyPress(repeatPress).KeyDown.LParam & KF_REPEAT_BIT, 0);
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
    EXPECT_EQ(TranslateKeyRelease(repeatRelease).Msg, WM_NULL);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier);
    TMessage up = TranslateKeyRelease(release);
    EXPECT_EQ(up.Msg, WM_KEYUP);
    EXPECT_EQ(int(up.WParam), VK_DOWN);
    QKeyEvent altRelease(QEvent::KeyRelease, Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(TranslateKeyRelease(altRelease).Msg, WM_SYSKEYUP);
}

struct MouseEventCase {
    const char* Name;
    QEvent::Type Type;
    Qt::MouseButton Button;
    Qt::MouseButtons Buttons;
    Qt::KeyboardModifiers Modifiers;
    QPointF Pos;
    QString Expected;
};

void PrintTo(const MouseEventCase& c, std::ostream* os) { *os << c.Name; }

class MouseEvent : public ::testing::TestWithParam<MouseEventCase> {};

TEST_P(MouseEvent, BecomesAMouseRecord)
{
    const MouseEventCase& c = GetParam();
    QMouseEvent e(c.Type, c.Pos, c.Pos, c.Button, c.Buttons, c.Modifiers);
    TMessage m = TranslateMouse(e);
    EXPECT_EQ(DescribeMessage(m), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    EventTranslator, MouseEvent,
    ::testing::Values(
        MouseEventCase{"LeftPress", QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier,
                       {10.6, 5.2}, "WM_LBUTTONDOWN 10,5 [Left]"},
        MouseEventCase{"LeftRelease", QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, Qt::NoModifier,
                       {10, 5}, "WM_LBUTTONUP 10,5"},
        MouseEventCase{"LeftDoubleClick", QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier,
                       {1, 2}, "WM_LBUTTONDBLCLK 1,2 [Left]"},
        MouseEventCase{"RightPressWithShift", QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton,
                       Qt::ShiftModifier, {3, 4}, "WM_RBUTTONDOWN 3,4 [Shift,Right]"},
        MouseEventCase{"MiddlePressWithCtrl", QEvent::MouseButtonPress, Qt::MiddleButton, Qt::MiddleButton,
                       Qt::ControlModifier, {0, 0}, "WM_MBUTTONDOWN 0,0 [Ctrl,Middle]"},
        MouseEventCase{"DragOutsideKeepsTheSign", QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, Qt::NoModifier,
                       {-12.5, -0.5}, "WM_MOUSEMOVE -13,-1 [Left]"},
        MouseEventCase{"BackButtonIsIgnored", QEvent::MouseButtonPress, Qt::BackButton, Qt::BackButton,
                       Qt::NoModifier, {1, 1}, ""}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(EventTranslator, WheelPassesWholeNotchesAndCollectsFractions)
{
    struct Step {
        int Delta;
        int Out;
    };
    const Step steps[] = {{120, 120}, {-240, -240}, {40, 0}, {40, 0}, {50, 120}, {-30, 0}, {-100, -120}, {360, 360}};
    WheelAccumulator acc;
    for (const Step& s : steps)
        EXPECT_EQ(acc.Add(s.Delta), s.Out) << "delta " << s.Delta;

    WheelAccumulator touchpad;
    QWheelEvent e({5, 5}, {105, 205}, QPoint(0, 0), QPoint(0, 60), Qt::NoButton, Qt::ShiftModifier, Qt::NoScrollPhase,
                  false);
    EXPECT_EQ(TranslateWheel(e, touchpad).Msg, WM_NULL);
    TMessage m = TranslateWheel(e, touchpad);
    EXPECT_EQ(DescribeMessage(m), QStringLiteral("WM_MOUSEWHEEL 120"));
    TWMMouseWheel w(m);
    EXPECT_EQ(w.XPos, 105);
    EXPECT_EQ(w.YPos, 205);
    EXPECT_EQ(KeysToShiftState(w.Keys), TShiftState({ssShift}));
}

// The whole road once: Qt events sent to a control's window come out as the
// framework's message sequence.
TEST(EventTranslator, HostTurnsQtEventsIntoTheFrameworksSequence)
{
    QStringList log;
    TForm form(nullptr);
    auto* c = new TRecordingControl(&form, &log);
    c->SetParent(&form);
    form.Show();
    c->SetFocus();
    log.clear();
    QWidget* w = c->Handle();
    auto mouse = [&](QEvent::Type t, Qt::MouseButtons held) {
        QMouseEvent e(t, QPointF(4, 6), w->mapToGlobal(QPointF(4, 6)), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    };
    mouse(QEvent::MouseButtonPress, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, Qt::NoButton);
    mouse(QEvent::MouseButtonDblClick, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, Qt::NoButton);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"), true);
    QKeyEvent repeatUp(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"), true);
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    for (QKeyEvent* e : {&down, &repeatUp, &repeat, &up})
        QApplication::sendEvent(w, e);
    EXPECT_EQ(log, QStringList({"WM_LBUTTONDOWN 4,6 [Left]", "WM_LBUTTONUP 4,6", "WM_LBUTTONDBLCLK 4,6 [Left]",
                                "WM_LBUTTONUP 4,6", "WM_KEYDOWN 65", "WM_CHAR 'a'", "WM_KEYDOWN 65", "WM_CHAR 'a'",
                                "WM_KEYUP 65"}));
}

TEST(EventTranslator, LosingTheKeyboardToAnotherApplicationIsNoExit)
{
    QStringList log;
    TForm form(nullptr);
    auto* c = new TRecordingControl(&form, &log);
    c->SetParent(&form);
    form.Show();
    c->SetFocus();
    log.clear();
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(c->Handle(), &out);
    EXPECT_EQ(TWinControl::FocusedControl(), nullptr);
    QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(c->Handle(), &in);
    EXPECT_TRUE(c->Focused());
    EXPECT_EQ(log, QStringList({"WM_KILLFOCUS", "WM_SETFOCUS"}));
}

} // namespace
