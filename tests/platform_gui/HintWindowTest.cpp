// The hint manager: the control under the mouse is asked with CM_HINTSHOW,
// a hint window shows its text and hides when the mouse leaves.
#include "RecordingControl.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/controls/HintWindow.h"
#include "platform/controls/TestHooks.h"
#include <gtest/gtest.h>

using namespace SyntheticInput;

namespace {

// Per-cell hints: 10-pixel cells, the hint names the cell under the mouse.
class TCellHintControl : public TRecordingControl {
public:
    using TRecordingControl::TRecordingControl;
    bool Refuse = false;

protected:
    void CMHintShow(TMessage& Message) override
    {
        THintInfo* info = HintInfoOf(Message);
        if (Refuse) {
            Message.Result = 1;
            return;
        }
        int cell = info->CursorPos.X / 10;
        info->HintStr = QStringLiteral("cell %1").arg(cell);
        info->CursorRect = Rect(cell * 10, 0, cell * 10 + 10, Height());
    }
};

class CustomHintWindow : public THintWindow {
public:
    static int Made;
    CustomHintWindow() { ++Made; }
};
int CustomHintWindow::Made = 0;

class Hints : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = new TForm(nullptr);
        Control = new TCellHintControl(Form);
        Control->SetParent(Form);
        Control->SetShowHint(true);
        Form->Show();
    }
    void TearDown() override
    {
        Application->CancelHint();
        delete Form;
    }
    // Moves the mouse to P and lets the hint pause pass.
    void HoverAt(TPoint p)
    {
        MouseMove(Control, p);
        Application->ActivateHint(Control->ClientToScreen(p));
    }
    TForm* Form = nullptr;
    TCellHintControl* Control = nullptr;
};

TEST_F(Hints, ShowTheControlsHintAndHideOnLeave)
{
    auto* plain = new TRecordingControl(Form);
    plain->SetBounds(0, 60, 50, 20);
    plain->SetParent(Form);
    plain->SetHint(QStringLiteral("Save the project|Writes the project file"));
    plain->SetShowHint(true);
    MouseMove(plain, {5, 5});
    EXPECT_EQ(Application->HintControl(), plain);
    EXPECT_EQ(Application->Hint(), QStringLiteral("Writes the project file"));
    EXPECT_EQ(Application->HintWindow(), nullptr);
    Application->ActivateHint(plain->ClientToScreen({5, 5}));
    THintWindow* w = Application->HintWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->IsHintShowing());
    EXPECT_EQ(w->Caption(), QStringLiteral("Save the project"));
    EXPECT_GT(w->Width(), 6);
    EXPECT_EQ(w->Top(), plain->ClientToScreen({5, 5}).Y + 20);

    MouseLeave(plain);
    EXPECT_EQ(Application->HintWindow(), nullptr);
    EXPECT_FALSE(w->IsHintShowing());
}

TEST_F(Hints, APressHidesTheHint)
{
    for (TMouseButton button : {mbLeft, mbRight, mbMiddle}) {
        HoverAt({15, 5});
        ASSERT_NE(Application->HintWindow(), nullptr);
        MouseDown(Control, button, {15, 5});
        EXPECT_EQ(Application->HintWindow(), nullptr) << int(button);
        MouseMove(Control, {16, 5});
        EXPECT_EQ(Application->HintWindow(), nullptr) << "back only after the pause";
        MouseUp(Control, button, {16, 5});
    }
}

TEST_F(Hints, ControlDecidesTextAndAreaThroughHintShow)
{
    HoverAt({15, 5});
    ASSERT_NE(Application->HintWindow(), nullptr);
    EXPECT_EQ(Application->HintWindow()->Caption(), QStringLiteral("cell 1"));
    MouseMove(Control, {18, 5});
    EXPECT_NE(Application->HintWindow(), nullptr);
    MouseMove(Control, {25, 5});
    EXPECT_EQ(Application->HintWindow(), nullptr);
    Application->ActivateHint(Control->ClientToScreen({25, 5}));
    ASSERT_NE(Application->HintWindow(), nullptr);
    EXPECT_EQ(Application->HintWindow()->Caption(), QStringLiteral("cell 2"));
}

TEST_F(Hints, NonZeroResultOrNoShowHintMeansNoWindow)
{
    Control->Refuse = true;
    HoverAt({5, 5});
    EXPECT_EQ(Application->HintWindow(), nullptr);
    Control->Refuse = false;
    Control->SetShowHint(false);
    HoverAt({5, 5});
    EXPECT_EQ(Application->HintWindow(), nullptr);
}

TEST_F(Hints, HintWindowClassMakesTheWindow)
{
    THintWindowClass saved = Application->HintWindowClass;
    Application->CancelHint();
    Application->HintWindowClass = [] { return new CustomHintWindow; };
    int before = CustomHintWindow::Made;
    HoverAt({5, 5});
    Application->HintWindowClass = saved;
    ASSERT_NE(Application->HintWindow(), nullptr);
    EXPECT_NE(dynamic_cast<CustomHintWindow*>(Application->HintWindow()), nullptr);
    EXPECT_EQ(CustomHintWindow::Made, before + 1);
}

TEST_F(Hints, FreeingTheHintedControlCancelsTheHint)
{
    HoverAt({5, 5});
    ASSERT_NE(Application->HintWindow(), nullptr);
    delete Control;
    Control = nullptr;
    EXPECT_EQ(Application->HintWindow(), nullptr);
    EXPECT_EQ(Application->HintControl(), nullptr);
}

} // namespace
