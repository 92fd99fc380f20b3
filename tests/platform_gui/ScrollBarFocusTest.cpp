// A scroll bar clicked with the mouse takes the keyboard focus only when it
// is a tab stop; the bars of a grid, a memo or a list never take it from
// their control, so the keys still reach the control.
#include "platform/controls/ListBox.h"
#include "platform/controls/Memo.h"
#include "platform/controls/ScrollBar.h"
#include "platform/controls/StringGrid.h"
#include "platform/controls/WinApi.h"
#include "platform/controls/qt/WidgetHost.h"
#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QWidget* ScrollHostOf(TWinControl* c) { return static_cast<QWidget*>(c->Handle()); }

// The control's visible vertical bar, its own or one inside it.
QScrollBar* VerticalBarOf(TWinControl* c)
{
    for (QScrollBar* bar : ScrollHostOf(c)->findChildren<QScrollBar*>())
        if (bar->orientation() == Qt::Vertical && bar->isVisible())
            return bar;
    return nullptr;
}

struct BarFocusCase {
    const char* Name;
    TWinControl* (*Make)(TForm* Form);
    // The bar takes the focus itself.
    bool BarTakesFocus;
};

void PrintTo(const BarFocusCase& c, std::ostream* os) { *os << c.Name; }

const BarFocusCase kBarFocus[] = {
    {"GridBar",
     [](TForm* f) -> TWinControl* {
         auto* g = new TStringGrid(f);
         g->SetRowCount(50);
         return g;
     },
     false},
    {"MemoBar",
     [](TForm* f) -> TWinControl* {
         auto* m = new TMemo(f);
         m->SetScrollBars(ssVertical);
         for (int i = 0; i < 50; ++i)
             m->Lines()->Add(QStringLiteral("line %1").arg(i));
         return m;
     },
     false},
    {"ListBoxBar",
     [](TForm* f) -> TWinControl* {
         auto* l = new TListBox(f);
         for (int i = 0; i < 50; ++i)
             l->Items()->Add(QStringLiteral("item %1").arg(i));
         return l;
     },
     false},
    {"TabStopScrollBar",
     [](TForm* f) -> TWinControl* {
         auto* b = new TScrollBar(f);
         b->SetKind(sbVertical);
         return b;
     },
     true},
};

class ScrollBarFocus : public ::testing::TestWithParam<BarFocusCase> {};

TEST_P(ScrollBarFocus, FollowsTheBarsTabStop)
{
    const BarFocusCase& c = GetParam();
    TForm form(nullptr);
    form.SetBounds(100, 100, 400, 300);
    auto* other = new TMemo(&form);
    other->SetParent(&form);
    other->SetBounds(250, 10, 100, 100);
    TWinControl* control = c.Make(&form);
    control->SetParent(&form);
    control->SetBounds(10, 10, 200, 150);
    form.Show();
    QWidget* window = ScrollHostOf(&form)->window();
    window->activateWindow();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), window);

    QScrollBar* bar = VerticalBarOf(control);
    ASSERT_NE(bar, nullptr);
    // A bar of its own takes the focus from another control; any other
    // leaves it with its control.
    TWinControl* focused = c.BarTakesFocus ? other : control;
    focused->SetFocus();
    ASSERT_TRUE(focused->Focused());
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 25));
    EXPECT_TRUE(control->Focused());
    EXPECT_EQ(QApplication::focusWidget() == bar, c.BarTakesFocus);
}

INSTANTIATE_TEST_SUITE_P(Controls, ScrollBarFocus, ::testing::ValuesIn(kBarFocus),
                         [](const auto& info) { return std::string(info.param.Name); });

// After a click on its bar the grid still moves with the arrow keys.
TEST(ScrollBarFocus, GridTakesArrowKeysAfterItsBarWasClicked)
{
    TForm form(nullptr);
    form.SetBounds(100, 100, 400, 300);
    auto* grid = new TStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(10, 10, 300, 150);
    grid->SetRowCount(50);
    form.Show();
    QWidget* window = ScrollHostOf(&form)->window();
    window->activateWindow();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), window);
    grid->SetFocus();
    QScrollBar* bar = VerticalBarOf(grid);
    ASSERT_NE(bar, nullptr);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 25));
    EXPECT_GT(grid->TopRow(), 1) << "the click pages down";
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 2);
}

} // namespace
