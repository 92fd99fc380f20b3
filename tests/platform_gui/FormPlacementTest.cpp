// Form size and place from outside the program: OnCanResize on resizes the
// window system makes, and the monitor a form is placed on.
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/controls/Screen.h"
#include "platform/controls/qt/WidgetHost.h"
#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct ResizeCase {
    const char* Name;
    bool Allow;
    int ClampWidth; // 0: keep the asked width
    QSize Expected;
};

TEST(FormUserResize, AsksOnCanResize)
{
    const ResizeCase cases[] = {
        {"allowed", true, 0, {300, 220}},
        {"refused", false, 0, {200, 150}},
        {"adjusted", true, 250, {250, 220}},
    };
    for (const ResizeCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TForm form;
        form.SetBounds(40, 40, 200, 150);
        form.Show();
        int asked = 0;
        form.OnCanResize = [&](TObject*, int& w, int& h, bool& resize) {
            ++asked;
            EXPECT_EQ(QSize(w, h), QSize(300, 220));
            if (c.ClampWidth)
                w = c.ClampWidth;
            resize = c.Allow;
        };
        QWidget* w = form.Handle();
        w->resize(300, 220);
        QApplication::processEvents();
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(QSize(form.Width(), form.Height()), c.Expected);
        EXPECT_EQ(w->size(), c.Expected);
    }
}

// Two monitors side by side; the main form on the right one, the active
// form on the left one.
class DefaultMonitorPlacement : public ::testing::Test {
protected:
    void SetUp() override
    {
        Screen->SetTestMonitors({Rect(0, 0, 1000, 800), Rect(1000, 0, 2000, 800)});
        Main = new TForm(nullptr);
        Main->SetBounds(1100, 100, 300, 200);
        Application->SetMainForm(Main);
        Main->Show();
        Active = new TForm(nullptr);
        Active->SetBounds(100, 100, 300, 200);
        Active->SetDefaultMonitor(dmDesktop);
        Active->Show();
    }
    void TearDown() override
    {
        delete Active;
        delete Main;
        Screen->SetTestMonitors({});
    }

    TForm* Main = nullptr;
    TForm* Active = nullptr;
};

TEST_F(DefaultMonitorPlacement, MovesTheFormWhenItShows)
{
    struct Case {
        const char* Name;
        TDefaultMonitor Monitor;
        TPosition Position;
        TPoint Designed;
        TPoint Expected;
    };
    const Case cases[] = {
        {"desktop keeps the designed place", dmDesktop, poDesigned, {50, 60}, {50, 60}},
        {"main form's monitor", dmMainForm, poDesigned, {50, 60}, {1050, 60}},
        {"active form's monitor", dmActiveForm, poDesigned, {1050, 60}, {50, 60}},
        {"primary monitor", dmPrimary, poDesigned, {1050, 60}, {50, 60}},
        {"already on the monitor", dmMainForm, poDesigned, {1050, 60}, {1050, 60}},
        {"centred on the main form's monitor", dmMainForm, poScreenCenter, {50, 60}, {1400, 350}},
        {"centred on the primary monitor", dmPrimary, poScreenCenter, {1050, 60}, {400, 350}},
        {"owner form centre wins", dmPrimary, poMainFormCenter, {50, 60}, {1150, 150}},
    };
    ASSERT_EQ(Screen->ActiveCustomForm(), Active);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ASSERT_EQ(Screen->ActiveCustomForm(), Active);
        TForm form;
        form.SetBounds(c.Designed.X, c.Designed.Y, 200, 100);
        form.SetDefaultMonitor(c.Monitor);
        form.SetPosition(c.Position);
        form.Show();
        EXPECT_EQ(form.Left(), c.Expected.X);
        EXPECT_EQ(form.Top(), c.Expected.Y);
        form.Hide();
        Active->Activate();
    }
}

} // namespace
