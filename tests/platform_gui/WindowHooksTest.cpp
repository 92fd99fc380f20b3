// The WH_CALLWNDPROC hook: it hears of window moves and resizes, hooks
// chain newest first, and an unhooked procedure hears nothing more.
#include "platform/controls/Form.h"
#include "platform/controls/WindowHooks.h"
#include <QList>
#include <gtest/gtest.h>

namespace {

QList<QString> Heard;
HHOOK First = nullptr;
HHOOK Second = nullptr;

LRESULT FirstProc(int Code, WPARAM WParam, LPARAM LParam)
{
    auto* s = reinterpret_cast<CWPSTRUCT*>(LParam);
    Heard << QString("first %1").arg(s->message, 0, 16);
    return CallNextHookEx(First, Code, WParam, LParam);
}

LRESULT SecondProc(int Code, WPARAM WParam, LPARAM LParam)
{
    auto* s = reinterpret_cast<CWPSTRUCT*>(LParam);
    Heard << QString("second %1").arg(s->hwnd != nullptr);
    return CallNextHookEx(Second, Code, WParam, LParam);
}

} // namespace

TEST(WindowHooks, MovesReachTheChainNewestFirst)
{
    const int before = HookCount();
    EXPECT_EQ(SetWindowsHookEx(99, FirstProc), nullptr);
    First = SetWindowsHookEx(WH_CALLWNDPROC, FirstProc);
    Second = SetWindowsHookEx(WH_CALLWNDPROC, SecondProc);
    EXPECT_EQ(HookCount(), before + 2);

    TForm form;
    form.SetBounds(20, 20, 200, 150);
    form.Show();
    Heard.clear();
    form.SetBounds(60, 50, 200, 150);
    ASSERT_FALSE(Heard.isEmpty());
    EXPECT_EQ(Heard.mid(0, 2), (QList<QString>{"second 1", "first 47"}));

    EXPECT_TRUE(UnhookWindowsHookEx(Second));
    EXPECT_FALSE(UnhookWindowsHookEx(Second));
    Heard.clear();
    form.SetBounds(60, 50, 260, 150);
    ASSERT_FALSE(Heard.isEmpty());
    EXPECT_FALSE(Heard.contains("second 1"));

    EXPECT_TRUE(UnhookWindowsHookEx(First));
    EXPECT_EQ(HookCount(), before);
    Heard.clear();
    form.SetBounds(80, 50, 260, 150);
    EXPECT_TRUE(Heard.isEmpty());
}
