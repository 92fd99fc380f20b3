// Delivery order of mouse, key, focus, posted and timer messages, compared
// as whole sequences of a recording control.
#include "RecordingControl.h"
#include "platform/controls/Application.h"
#include "platform/controls/DialogServices.h"
#include "platform/controls/Form.h"
#include "platform/controls/Menu.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/WinApi.h"
#include <QElapsedTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace SyntheticInput;

namespace {

class MessageOrder : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 300, 200);
        A = Add(QStringLiteral("A"), 10, 10);
        B = Add(QStringLiteral("B"), 10, 100);
        Form->Show();
        Log.clear();
    }
    void TearDown() override { delete Form; }

    TRecordingControl* Add(const QString& tag, int x, int y)
    {
        auto* c = new TRecordingControl(Form, &Log);
        c->Tag = tag;
        c->SetLeft(x);
        c->SetTop(y);
        c->SetParent(Form);
        return c;
    }

    // Logs the hooks too, to show where they run among the messages.
    void LogHooks(TRecordingControl* c)
    {
        c->OnClick = [this](TObject*) { Log << QStringLiteral("OnClick"); };
        c->OnDblClick = [this](TObject*) { Log << QStringLiteral("OnDblClick"); };
        c->OnMouseDown = [this](TObject*, TMouseButton, TShiftState s, int x, int y) {
            Log << QStringLiteral("OnMouseDown %1,%2%3").arg(x).arg(y).arg(s.Contains(ssDouble) ? " double" : "");
        };
        c->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int x, int y) {
            Log << QStringLiteral("OnMouseUp %1,%2").arg(x).arg(y);
        };
    }

    TForm* Form = nullptr;
    TRecordingControl* A = nullptr;
    TRecordingControl* B = nullptr;
    QStringList Log;
};

struct MouseCase {
    const char* Name;
    std::function<void(TRecordingControl*)> Setup;
    std::function<void(TRecordingControl*)> Act;
    QStringList Expected;
};

void PrintTo(const MouseCase& c, std::ostream* os) { *os << c.Name; }

class MouseSequence : public MessageOrder, public ::testing::WithParamInterface<MouseCase> {};

TEST_P(MouseSequence, MatchesFramework)
{
    const MouseCase& c = GetParam();
    A->Tag.clear();
    LogHooks(A);
    if (c.Setup)
        c.Setup(A);
    c.Act(A);
    EXPECT_EQ(Log, c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    ControlMessageOrder, MouseSequence,
    ::testing::Values(
        MouseCase{"ClickIsPressThenReleaseWithClickBeforeMouseUp", nullptr,
                  [](TRecordingControl* c) { Click(c, {10, 5}); },
                  {"WM_LBUTTONDOWN 10,5 [Left]", "OnMouseDown 10,5", "WM_LBUTTONUP 10,5", "OnClick", "OnMouseUp 10,5"}},
        MouseCase{"DoubleClickIsPressReleaseDoubleRelease", nullptr,
                  [](TRecordingControl* c) { DoubleClick(c, {3, 4}); },
                  {"WM_LBUTTONDOWN 3,4 [Left]", "OnMouseDown 3,4", "WM_LBUTTONUP 3,4", "OnClick", "OnMouseUp 3,4",
                   "WM_LBUTTONDBLCLK 3,4 [Left]", "OnDblClick", "OnMouseDown 3,4 double", "WM_LBUTTONUP 3,4",
                   "OnMouseUp 3,4"}},
        MouseCase{"WithoutDoubleClickStyleTheSecondPressIsAPress",
                  [](TRecordingControl* c) { c->SetControlStyle(c->ControlStyle() - csDoubleClicks); },
                  [](TRecordingControl* c) { DoubleClick(c, {3, 4}); },
                  {"WM_LBUTTONDOWN 3,4 [Left]", "OnMouseDown 3,4", "WM_LBUTTONUP 3,4", "OnClick", "OnMouseUp 3,4",
                   "WM_LBUTTONDBLCLK 3,4 [Left]", "OnMouseDown 3,4", "WM_LBUTTONUP 3,4", "OnClick", "OnMouseUp 3,4"}},
        MouseCase{"ReleaseOutsideIsNoClick", nullptr,
                  [](TRecordingControl* c) {
                      MouseDown(c, mbLeft, {10, 5});
                      MouseUp(c, mbLeft, {150, 5});
                  },
                  {"WM_LBUTTONDOWN 10,5 [Left]", "OnMouseDown 10,5", "WM_LBUTTONUP 150,5", "OnMouseUp 150,5"}},
        MouseCase{"ShiftAndButtonsTravelInTheRecord", nullptr,
                  [](TRecordingControl* c) {
                      MouseDown(c, mbRight, {1, 2}, {ssShift});
                      MouseUp(c, mbRight, {1, 2}, {ssShift});
                  },
                  {"WM_RBUTTONDOWN 1,2 [Shift,Right]", "OnMouseDown 1,2", "WM_RBUTTONUP 1,2 [Shift]", "OnMouseUp 1,2"}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(MessageOrder, RightClickOpensThePopupMenuAfterTheRelease)
{
    auto* menu = new TPopupMenu(Form);
    auto* item = new TMenuItem(menu);
    item->SetCaption(QStringLiteral("Copy"));
    item->OnClick = [this](TObject*) { Log << QStringLiteral("Copy"); };
    menu->Items()->Add(item);
    A->SetPopupMenu(menu);
    A->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { Log << QStringLiteral("OnMouseUp"); };
    TMenuChooser previous = SetMenuChooser([&](TPopupMenu* m) {
        Log << QStringLiteral("menu for %1").arg(static_cast<TRecordingControl*>(m->PopupComponent())->Tag);
        return item;
    });
    MouseDown(A, mbRight, {4, 4});
    MouseUp(A, mbRight, {4, 4});
    A->OnContextPopup = [this](TObject*, TPoint p, bool& handled) {
        Log << QStringLiteral("OnContextPopup %1,%2").arg(p.X).arg(p.Y);
        handled = true;
    };
    MouseDown(A, mbRight, {6, 7});
    MouseUp(A, mbRight, {6, 7});
    SetMenuChooser(previous);
    // The offscreen platform leaves no window active once a popup closed;
    // the focus notices that follow from it are not the point here.
    Log.removeIf([](const QString& line) { return line.contains(QStringLiteral("FOCUS")); });
    EXPECT_EQ(Log, QStringList({"A WM_RBUTTONDOWN 4,4 [Right]", "A WM_RBUTTONUP 4,4", "menu for A", "Copy",
                                "OnMouseUp", "A WM_RBUTTONDOWN 6,7 [Right]", "A WM_RBUTTONUP 6,7",
                                "OnContextPopup 6,7", "OnMouseUp"}));

    // A control that keeps the release from the default handling has no menu.
    Log.clear();
    A->WindowProc = [&](TMessage& m) {
        if (m.Msg != WM_RBUTTONUP)
            A->WndProc(m);
    };
    MouseDown(A, mbRight, {6, 7});
    MouseUp(A, mbRight, {6, 7});
    A->WindowProc = nullptr;
    EXPECT_EQ(Log, QStringList({"A WM_RBUTTONDOWN 6,7 [Right]"}));
}

TEST_F(MessageOrder, CaptureGivesSignedCoordinatesOutsideTheControl)
{
    int captureChanged = 0;
    A->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_CAPTURECHANGED)
            ++captureChanged;
        A->WndProc(m);
    };
    MouseDown(A, mbLeft, {5, 5});
    EXPECT_EQ(GetCaptureControl(), A);
    // The mouse is over the form now, left of and above A.
    MouseMove(Form, {2, 3});
    MouseUp(Form, mbLeft, {2, 3});
    EXPECT_EQ(GetCaptureControl(), nullptr);
    EXPECT_EQ(captureChanged, 1);
    MouseMove(Form, {2, 3});
    EXPECT_EQ(Log, QStringList({"A WM_LBUTTONDOWN 5,5 [Left]", "A WM_MOUSEMOVE -8,-7 [Left]",
                                "A WM_LBUTTONUP -8,-7"}));
}

TEST_F(MessageOrder, AMenuOpenedByAPressTakesTheMouse)
{
    TPopupMenu menu;
    SetMenuChooser([](TPopupMenu*) -> TMenuItem* { return nullptr; });
    A->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { menu.Popup(0, 0); };
    MouseDown(A, mbLeft, {5, 5});
    SetMenuChooser(nullptr);
    A->OnMouseDown = nullptr;
    EXPECT_EQ(GetCaptureControl(), nullptr);
    // The next press is the form's, not A's.
    Log.clear();
    MouseDown(Form, mbLeft, {2, 3});
    MouseUp(Form, mbLeft, {2, 3});
    EXPECT_EQ(Log, QStringList());
}

TEST_F(MessageOrder, WindowlessChildGetsItsParentsMessagesInItsOwnCoordinates)
{
    auto* g = new TRecordingGraphic(Form, &Log);
    g->Tag = QStringLiteral("G");
    g->SetBounds(30, 10, 20, 20);
    g->SetParent(A);
    MouseMove(A, {35, 15});
    MouseDown(A, mbLeft, {35, 15});
    MouseMove(A, {0, 0});
    MouseUp(A, mbLeft, {0, 0});
    MouseMove(A, {1, 1});
    EXPECT_EQ(Log, QStringList({"A WM_MOUSEMOVE 35,15", "G WM_MOUSEMOVE 5,5", "G CM_MOUSEENTER",
                                "A WM_LBUTTONDOWN 35,15 [Left]", "G WM_LBUTTONDOWN 5,5 [Left]",
                                "A WM_MOUSEMOVE 0,0 [Left]", "G WM_MOUSEMOVE -30,-10 [Left]",
                                "A WM_LBUTTONUP 0,0", "G WM_LBUTTONUP -30,-10",
                                "A WM_MOUSEMOVE 1,1", "G CM_MOUSELEAVE", "A CM_MOUSEENTER"}));
}

struct KeyCase {
    const char* Name;
    int SwallowKey;
    LRESULT DlgCode;
    std::function<void(TRecordingControl*)> Act;
    QStringList Expected;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.Name; }

class KeySequence : public MessageOrder, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeySequence, MatchesFramework)
{
    const KeyCase& c = GetParam();
    A->SetFocus();
    Log.clear();
    A->SwallowKey = c.SwallowKey;
    A->DlgCode = c.DlgCode;
    c.Act(A);
    EXPECT_EQ(Log, c.Expected);
}

const LRESULT WantAll = DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;

INSTANTIATE_TEST_SUITE_P(
    ControlMessageOrder, KeySequence,
    ::testing::Values(
        KeyCase{"KeyDownCharKeyUp", 0, WantAll, [](TRecordingControl* c) { Key(c, 'A', {}, "a"); },
                {"A WM_KEYDOWN 65", "A WM_CHAR 'a'", "A WM_KEYUP 65"}},
        KeyCase{"ZeroedKeyStopsTheCharacter", 'A', WantAll, [](TRecordingControl* c) { Key(c, 'A', {}, "a"); },
                {"A WM_KEYDOWN 65", "A WM_KEYUP 65"}},
        KeyCase{"AutoRepeatSendsNoReleaseInBetween", 0, WantAll,
                [](TRecordingControl* c) {
                    KeyDown(c, 'B', {}, "b");
                    KeyDown(c, 'B', {}, "b", true);
                    KeyDown(c, 'B', {}, "b", true);
                    KeyUp(c, 'B');
                },
                {"A WM_KEYDOWN 66", "A WM_CHAR 'b'", "A WM_KEYDOWN 66", "A WM_CHAR 'b'", "A WM_KEYDOWN 66",
                 "A WM_CHAR 'b'", "A WM_KEYUP 66"}},
        KeyCase{"AltLetterIsASystemKey", 0, WantAll, [](TRecordingControl* c) { Key(c, 'X', {ssAlt}, "x"); },
                {"A WM_SYSKEYDOWN 88", "A WM_SYSCHAR 'x'", "A WM_SYSKEYUP 88"}},
        KeyCase{"ControlThatWantsTabKeepsIt", 0, WantAll, [](TRecordingControl* c) { Key(c, VK_TAB, {}, "\t"); },
                {"A WM_KEYDOWN 9", "A WM_CHAR #9", "A WM_KEYUP 9"}},
        KeyCase{"TabMovesTheFocusWhenTheControlDoesNotWantIt", 0, 0,
                [](TRecordingControl* c) { KeyDown(c, VK_TAB, {}, "\t"); },
                {"A WM_KILLFOCUS", "B WM_SETFOCUS", "A CM_EXIT", "B CM_ENTER"}},
        KeyCase{"ArrowsMoveTheFocusWhenTheControlDoesNotWantThem", 0, DLGC_WANTTAB,
                [](TRecordingControl* c) { KeyDown(c, VK_DOWN); },
                {"A WM_KILLFOCUS", "B WM_SETFOCUS", "A CM_EXIT", "B CM_ENTER"}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(MessageOrder, KeyPreviewLetsTheFormTakeTheKeyFirst)
{
    A->SetFocus();
    Form->SetKeyPreview(true);
    Form->OnKeyDown = [this](TObject*, int& key, TShiftState) {
        Log << QStringLiteral("Form OnKeyDown %1").arg(key);
        key = 0;
    };
    A->OnKeyDown = [this](TObject*, int&, TShiftState) { Log << QStringLiteral("A OnKeyDown"); };
    Log.clear();
    Key(A, 'Q', {}, "q");
    EXPECT_EQ(Log, QStringList({"A WM_KEYDOWN 81", "Form OnKeyDown 81", "A WM_KEYUP 81"}));
}

struct FocusCase {
    const char* Name;
    bool FocusOnClick;
    bool Enabled;
    QString FocusedAfter;
};

void PrintTo(const FocusCase& c, std::ostream* os) { *os << c.Name; }

class FocusOnClick : public MessageOrder, public ::testing::WithParamInterface<FocusCase> {};

TEST_P(FocusOnClick, MovesOnlyWhereTheControlTakesIt)
{
    const FocusCase& c = GetParam();
    A->SetFocus();
    B->FocusOnClick = c.FocusOnClick;
    B->SetEnabled(c.Enabled);
    Click(B, {5, 5});
    ASSERT_NE(TWinControl::FocusedControl(), nullptr);
    EXPECT_EQ(static_cast<TRecordingControl*>(TWinControl::FocusedControl())->Tag, c.FocusedAfter);
    EXPECT_EQ(Form->ActiveControl(), TWinControl::FocusedControl());
}

INSTANTIATE_TEST_SUITE_P(ControlMessageOrder, FocusOnClick,
                         ::testing::Values(FocusCase{"ControlThatTakesFocus", true, true, "B"},
                                           FocusCase{"ControlThatDoesNot", false, true, "A"},
                                           FocusCase{"DisabledControl", true, false, "A"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(MessageOrder, FocusMessagesNameTheOtherWindow)
{
    A->SetFocus();
    HWND seenKill = nullptr;
    HWND seenSet = nullptr;
    A->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_KILLFOCUS)
            seenKill = reinterpret_cast<HWND>(m.WParam);
        A->WndProc(m);
    };
    B->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_SETFOCUS)
            seenSet = reinterpret_cast<HWND>(m.WParam);
        B->WndProc(m);
    };
    B->SetFocus();
    EXPECT_EQ(seenKill, B->Handle());
    EXPECT_EQ(seenSet, A->Handle());
    EXPECT_TRUE(B->Focused());
}

TEST_F(MessageOrder, PostedMessageArrivesAfterTheCurrentHandler)
{
    A->OnClick = [this](TObject*) {
        PostMessage(A, WM_USER + 1, 7, 8);
        PostMessage(A->Handle(), WM_USER + 2, 0, 0);
        Log << QStringLiteral("OnClick done");
    };
    Click(A, {1, 1});
    Log << QStringLiteral("click returned");
    Application->ProcessMessages();
    EXPECT_EQ(Log, QStringList({"A WM_LBUTTONDOWN 1,1 [Left]", "A WM_LBUTTONUP 1,1", "OnClick done", "click returned",
                                "A WM_USER+1 7,8", "A WM_USER+2 0,0"}));
}

TEST_F(MessageOrder, PostedKeyGoesThroughTheKeyHandling)
{
    A->SetFocus();
    A->DlgCode = 0;
    PostMessage(A, WM_KEYDOWN, VK_F2, 1);
    PostMessage(A, WM_KEYDOWN, VK_TAB, 1);
    Log.clear();
    Application->ProcessMessages();
    EXPECT_EQ(Log, QStringList({"A WM_KEYDOWN 113", "A WM_KILLFOCUS", "B WM_SETFOCUS", "A CM_EXIT", "B CM_ENTER"}));
}

TEST_F(MessageOrder, PostedMessageNeverReachesADestroyedControl)
{
    PostMessage(A, WM_USER + 1, 0, 0);
    PostMessage(B, WM_USER + 1, 0, 0);
    delete A;
    A = nullptr;
    Application->ProcessMessages();
    EXPECT_EQ(Log, QStringList({"B WM_USER+1 0,0"}));
}

TEST_F(MessageOrder, RegisteredMessagesKeepTheirIdAndArriveLikeOthers)
{
    unsigned done = RegisterWindowMessage(QStringLiteral("GridEditDone"));
    EXPECT_GE(done, 0xC000u);
    EXPECT_EQ(RegisterWindowMessage(QStringLiteral("GridEditDone")), done);
    EXPECT_EQ(RegisterWindowMessage(QStringLiteral("grideditdone")), done);
    EXPECT_NE(RegisterWindowMessage(QStringLiteral("DTPShiftFocus")), done);
    PostMessage(A, done, 3, 4);
    Application->ProcessMessages();
    EXPECT_EQ(Log, QStringList({"A REGISTERED 3,4"}));
}

TEST_F(MessageOrder, TimersDeliverTheirIdUntilKilled)
{
    EXPECT_EQ(SetTimer(A, 999, 1), 999u);
    EXPECT_EQ(SetTimer(A, 1, 100000), 1u);
    EXPECT_EQ(SetTimer(A, 1, 100000), 1u);
    EXPECT_EQ(TimerCount(A), 2);
    EXPECT_TRUE(FireTimer(A, 1));
    // Let the short timer elapse at least once.
    QElapsedTimer wait;
    wait.start();
    while (!Log.contains(QStringLiteral("A WM_TIMER 999")) && wait.elapsed() < 5000)
        Application->ProcessMessages();
    EXPECT_TRUE(KillTimer(A, 999));
    EXPECT_FALSE(KillTimer(A, 999));
    EXPECT_FALSE(FireTimer(A, 999));
    EXPECT_EQ(Log.first(), QStringLiteral("A WM_TIMER 1"));
    EXPECT_TRUE(Log.contains(QStringLiteral("A WM_TIMER 999")));
    EXPECT_FALSE(Log.contains(QStringLiteral("B WM_TIMER 999")));
}

TEST_F(MessageOrder, TimerOfADestroyedControlStops)
{
    SetTimer(B, 5, 1);
    delete B;
    B = nullptr;
    Application->ProcessMessages();
    EXPECT_TRUE(Log.isEmpty());
}

TEST_F(MessageOrder, WheelGoesToTheParentWhenTheControlLeavesIt)
{
    auto* inner = new TRecordingControl(Form, &Log);
    inner->Tag = QStringLiteral("Inner");
    inner->SetParent(A);
    Wheel(inner, -120, {1, 1});
    inner->OnMouseWheel = [](TObject*, TShiftState, int, TPoint, bool& handled) { handled = true; };
    Wheel(inner, 240, {1, 1});
    EXPECT_EQ(Log, QStringList({"Inner WM_MOUSEWHEEL -120", "Inner CM_MOUSEWHEEL -120", "A CM_MOUSEWHEEL -120",
                                "Inner WM_MOUSEWHEEL 240", "Inner CM_MOUSEWHEEL 240"}));
}

TEST_F(MessageOrder, HandlerExceptionGoesToAnErrorBoxAndInputGoesOn)
{
    TRecordingMessageBoxService boxes;
    TScopedMessageBoxService scope(&boxes);
    A->OnClick = [](TObject*) { throw EConvertError(QStringLiteral("'x' is not a valid integer value")); };
    Click(A, {1, 1});
    B->OnClick = [](TObject*) { Abort(); };
    Click(B, {1, 1});
    Click(A, {1, 1});
    ASSERT_EQ(boxes.Calls.size(), 2u);
    EXPECT_EQ(boxes.Calls[0].Text, QStringLiteral("'x' is not a valid integer value."));
    EXPECT_EQ(boxes.Calls[0].Flags, MB_OK | MB_ICONSTOP);

    QString seen;
    Application->OnException = [&](TObject* sender, Exception* e) {
        seen = static_cast<TRecordingControl*>(sender)->Tag + QLatin1Char(':') + e->Message();
    };
    Click(A, {1, 1});
    Application->OnException = nullptr;
    EXPECT_EQ(seen, QStringLiteral("A:'x' is not a valid integer value"));
    EXPECT_EQ(boxes.Calls.size(), 2u);
}

TEST_F(MessageOrder, ControlFreedByItsOwnClickHandlerEndsTheSequence)
{
    A->OnClick = [this](TObject*) {
        delete A;
        A = nullptr;
    };
    Click(A, {1, 1});
    EXPECT_EQ(A, nullptr);
    EXPECT_EQ(Form->ControlCount(), 1);
}

} // namespace
