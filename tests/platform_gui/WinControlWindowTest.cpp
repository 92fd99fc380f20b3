// Windows of controls: helper top-level windows, key state, cursors, the
// screen and the message-box service seen by the modal hook.
#include "RecordingControl.h"
#include "platform/controls/Application.h"
#include "platform/controls/DialogServices.h"
#include "platform/controls/Form.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/WinApi.h"
#include "platform/controls/qt/WidgetHost.h"
#include "platform/graphics/Canvas.h"
#include <gtest/gtest.h>

using namespace SyntheticInput;

namespace {

// A small window that floats over the others without taking the focus.
class THelperWindow : public TCustomControl {
public:
    THelperWindow() : TCustomControl(nullptr)
    {
        SetVisibleFlag(false);
        SetBounds(50, 60, 40, 30);
    }

protected:
    void CreateParams(TCreateParams& Params) override
    {
        TCustomControl::CreateParams(Params);
        Params.Style = WS_POPUP;
        Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    }
};

TEST(WinControlWindow, HelperWindowFloatsWithoutActivationInItsShape)
{
    THelperWindow helper;
    WidgetHost* w = helper.Handle();
    EXPECT_TRUE(w->isWindow());
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(w->windowFlags() & Qt::WindowDoesNotAcceptFocus);
    EXPECT_TRUE(w->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(SetWindowRgn(helper.Handle(), CreateEllipticRgn(0, 0, 40, 30), true), 1);
    EXPECT_FALSE(w->mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(w->mask().contains(QPoint(20, 15)));
    SetWindowRgn(helper.Handle(), nullptr, true);
    EXPECT_TRUE(w->mask().isEmpty());
    EXPECT_TRUE(SetLayeredWindowAttributes(helper.Handle(), 0, 128, LWA_ALPHA));
    EXPECT_NEAR(w->windowOpacity(), 128 / 255.0, 0.01);
    EXPECT_EQ(helper.ClientOrigin(), Point(50, 60));
    helper.Show();
    EXPECT_TRUE(w->isVisible());
    helper.Hide();
    EXPECT_FALSE(w->isVisible());
}

struct FormWindowCase {
    const char* Name;
    TFormBorderStyle Border;
    TFormStyle Style;
    Qt::WindowFlags Present;
    Qt::WindowFlags Absent;
    bool FixedSize;
};

void PrintTo(const FormWindowCase& c, std::ostream* os) { *os << c.Name; }

class FormWindow : public ::testing::TestWithParam<FormWindowCase> {};

TEST_P(FormWindow, BorderAndStyleShapeTheWindow)
{
    const FormWindowCase& c = GetParam();
    TForm form(nullptr);
    form.SetBounds(10, 10, 200, 100);
    form.SetBorderStyle(c.Border);
    form.SetFormStyle(c.Style);
    WidgetHost* w = form.Handle();
    EXPECT_EQ(w->windowFlags() & c.Present, c.Present);
    EXPECT_EQ(w->windowFlags() & c.Absent, Qt::WindowFlags());
    EXPECT_EQ(w->minimumSize() == w->maximumSize(), c.FixedSize);
    EXPECT_EQ(w->size(), QSize(200, 100));

    // A new style makes a new window; the children move into it.
    auto* child = new TRecordingControl(&form);
    child->SetParent(&form);
    child->Handle();
    form.SetBorderStyle(c.Border == bsSizeable ? bsSingle : bsSizeable);
    EXPECT_EQ(child->Handle()->parentWidget(), static_cast<QWidget*>(form.Handle()));
}

INSTANTIATE_TEST_SUITE_P(
    WinControlWindow, FormWindow,
    ::testing::Values(
        FormWindowCase{"Sizeable", bsSizeable, fsNormal, Qt::WindowMaximizeButtonHint,
                       Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint, false},
        FormWindowCase{"Single", bsSingle, fsNormal, Qt::WindowTitleHint, Qt::FramelessWindowHint, true},
        FormWindowCase{"DialogHasNoMinMax", bsDialog, fsNormal, Qt::Dialog | Qt::WindowCloseButtonHint,
                       Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint, true},
        FormWindowCase{"NoneIsFrameless", bsNone, fsNormal, Qt::FramelessWindowHint, Qt::WindowTitleHint, false},
        FormWindowCase{"StayOnTop", bsSizeable, fsStayOnTop, Qt::WindowStaysOnTopHint, Qt::FramelessWindowHint, false}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(WinControlWindow, KeyStateFollowsTheInputBeingHandled)
{
    TForm form(nullptr);
    auto* c = new TRecordingControl(&form);
    c->SetParent(&form);
    form.Show();
    QStringList seen;
    c->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) {
        seen << QStringLiteral("shift %1 ctrl %2 left %3")
                    .arg(GetKeyState(VK_SHIFT) < 0)
                    .arg(GetKeyState(VK_CONTROL) < 0)
                    .arg(GetAsyncKeyState(VK_LBUTTON) < 0);
    };
    MouseDown(c, mbLeft, {1, 1}, {ssShift});
    MouseUp(c, mbLeft, {1, 1});
    MouseDown(c, mbLeft, {1, 1}, {ssCtrl});
    MouseUp(c, mbLeft, {1, 1});
    EXPECT_EQ(seen, QStringList({"shift 1 ctrl 0 left 1", "shift 0 ctrl 1 left 1"}));
    EXPECT_GE(GetKeyState(VK_LBUTTON), 0);
    EXPECT_EQ(GetCursorPos(), c->ClientToScreen({1, 1}));
}

TEST(WinControlWindow, ScreenCursorIsRememberedAndRestored)
{
    Screen->SetCursor(crHSplit);
    EXPECT_EQ(Screen->Cursor(), crHSplit);
    EXPECT_EQ(Screen->CurrentCursor(), crHSplit);
    Screen->SetCursor(crDefault);
    Screen->SetControlCursor(crIBeam);
    EXPECT_EQ(Screen->CurrentCursor(), crIBeam);

    // A control under the mouse that changes its cursor is what shows.
    TForm form(nullptr);
    auto* c = new TRecordingControl(&form);
    c->SetParent(&form);
    form.Show();
    MouseMove(c, {3, 3});
    c->SetCursor(crHSplit);
    EXPECT_EQ(Screen->CurrentCursor(), crHSplit);
    c->SetCursor(crDefault);
    EXPECT_EQ(Screen->CurrentCursor(), crDefault);
}

TEST(WinControlWindow, ScreenDescribesTheDisplay)
{
    EXPECT_EQ(Screen->PixelsPerInch(), 96);
    EXPECT_GT(Screen->Width(), 0);
    EXPECT_FALSE(Screen->WorkAreaRect().IsEmpty());
    TMonitor* m = Screen->MonitorFromPoint({1, 1});
    ASSERT_NE(m, nullptr);
    EXPECT_TRUE(m->Primary);
    EXPECT_EQ(Screen->MonitorFromPoint({2, 2}), m);
    TForm form(nullptr);
    EXPECT_EQ(Screen->Forms(Screen->FormCount() - 1), &form);
}

TEST(WinControlWindow, MessageBoxDoubleAnswersInOrderAndTellsTheModalHook)
{
    TRecordingMessageBoxService boxes;
    TScopedMessageBoxService scope(&boxes);
    boxes.Answers = {IDNO, IDYES};
    QStringList opened;
    TScopedModalHook hook([&](const TModalEvent& e) { opened << e.Caption + QLatin1Char(':') + e.Text; });
    EXPECT_EQ(Application->MessageBox(QStringLiteral("Save?"), QStringLiteral("Project"), MB_YESNO), IDNO);
    EXPECT_EQ(Application->MessageBox(QStringLiteral("Really?"), QStringLiteral("Project"), MB_YESNO), IDYES);
    EXPECT_EQ(Application->MessageBox(QStringLiteral("Done"), QStringLiteral("Project"), MB_OK), IDOK);
    EXPECT_EQ(opened, QStringList({"Project:Save?", "Project:Really?", "Project:Done"}));
    ASSERT_EQ(boxes.Calls.size(), 3u);
    EXPECT_EQ(boxes.Calls[0].Flags, MB_YESNO);

    TRecordingFileDialogService files;
    TScopedFileDialogService fileScope(&files);
    TFileDialogRequest request;
    request.Filter = QStringLiteral("Projects|*.prj");
    EXPECT_FALSE(FileDialogService().Execute(request).Accepted);
    files.Answers.push_back({true, {QStringLiteral("/tmp/a.prj")}, 1});
    EXPECT_EQ(FileDialogService().Execute(request).Files, QStringList({"/tmp/a.prj"}));
    EXPECT_EQ(files.Requests.size(), 2u);
}

TEST(WinControlWindow, MovingAWindowSendsMoveOnly)
{
    TForm form(nullptr);
    form.SetBounds(10, 10, 200, 100);
    form.Show();
    QStringList seen;
    form.WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_MOVE || m.Msg == WM_SIZE)
            seen << QStringLiteral("%1").arg(m.Msg == WM_MOVE ? "move" : "size");
        form.WndProc(m);
    };
    form.SetBounds(30, 40, 200, 100);
    form.SetBounds(30, 40, 250, 100);
    form.SetBounds(30, 40, 250, 100);
    Application->ProcessMessages();
    form.WindowProc = nullptr;
    EXPECT_EQ(seen, QStringList({"move", "size"}));
    EXPECT_EQ(form.BoundsRect(), Bounds(30, 40, 250, 100));
}

TEST(WinControlWindow, ReparentingMovesTheWindowAlong)
{
    TForm a(nullptr);
    TForm b(nullptr);
    a.Show();
    auto* c = new TRecordingControl(&a);
    c->SetParent(&a);
    WidgetHost* w = c->Handle();
    EXPECT_EQ(w->parentWidget(), static_cast<QWidget*>(a.Handle()));
    c->SetParent(&b);
    EXPECT_FALSE(c->HandleAllocated());
    b.Show();
    c->SetParent(&a);
    c->SetParent(&b);
    EXPECT_EQ(c->Handle()->parentWidget(), static_cast<QWidget*>(b.Handle()));
}

} // namespace
