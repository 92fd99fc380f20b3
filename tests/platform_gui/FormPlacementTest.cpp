// Form size and place from outside the program: OnCanResize on resizes the
// window system makes, and the monitor a form is placed on.
#include "platform/controls/Form.h"
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

} // namespace
