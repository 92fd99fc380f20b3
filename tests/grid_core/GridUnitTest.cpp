#include "grid/core/GridUnit.h"
#include "platform/controls/WinApi.h"
#include "platform/services/Clipboard.h"
#include <gtest/gtest.h>

TEST(GridUnit, StartedWithTheProgram)
{
    EXPECT_EQ(GridInitCount, -1);
    EXPECT_NE(GridHookHandle, nullptr);
    EXPECT_EQ(WM_GRIDEDITDONE, RegisterWindowMessage("GridEditDone"));
    EXPECT_EQ(WM_DTPSHIFTFOCUS, RegisterWindowMessage("DTPShiftFocus"));
    EXPECT_NE(WM_GRIDEDITDONE, WM_DTPSHIFTFOCUS);
    EXPECT_EQ(CF_GRIDCELLS, RegisterClipboardFormat("TProStringGrid Cells"));
    EXPECT_TRUE(IsComCtl470);
}

TEST(GridUnit, NestedStartUpsReleaseOnce)
{
    const HHOOK hook = GridHookHandle;
    const int hooks = HookCount();
    GridUnitStartUp();
    GridUnitStartUp();
    EXPECT_EQ(GridHookHandle, hook);
    EXPECT_EQ(HookCount(), hooks);
    GridUnitShutDown();
    GridUnitShutDown();
    EXPECT_EQ(GridHookHandle, hook);

    // The program's own shut-down releases the hook; a new start-up makes one.
    GridHintFontName = "Tahoma";
    GridUnitShutDown();
    EXPECT_EQ(GridInitCount, 0);
    EXPECT_EQ(GridHookHandle, nullptr);
    EXPECT_EQ(HookCount(), hooks - 1);
    EXPECT_TRUE(GridHintFontName.isEmpty());
    GridUnitStartUp();
    EXPECT_NE(GridHookHandle, nullptr);
    EXPECT_EQ(HookCount(), hooks);
}

TEST(GridUnit, ComCtlVersionFrom470)
{
    EXPECT_TRUE(ComCtlVersionAtLeast470(0x00040046));
    EXPECT_FALSE(ComCtlVersionAtLeast470(0x00040045));
    EXPECT_TRUE(ComCtlVersionAtLeast470(0x0006000A));
    EXPECT_FALSE(ComCtlVersionAtLeast470(-1));
}
