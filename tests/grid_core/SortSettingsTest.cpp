#include "FakeGridOwner.h"
#include "grid/core/SortSettings.h"
#include "platform/rtl/Exceptions.h"
#include <gtest/gtest.h>

namespace {

struct SortStringCase {
    const char* Name;
    const char* Text;
    bool IndexShow;
    TSortDirection Direction;
    int Column;
    QStringList Log;
};

void PrintTo(const SortStringCase& c, std::ostream* os) { *os << c.Name; }

class SortSettingsLoad : public testing::TestWithParam<SortStringCase> {};

} // namespace

TEST_P(SortSettingsLoad, SetsAndSorts)
{
    const SortStringCase& c = GetParam();
    FakeGridOwner grid;
    TSortSettings s(&grid);
    s.SetColumn(7);
    s.SetIndexShow(!c.IndexShow);
    s.LoadFromString(c.Text);
    EXPECT_TRUE(s.Show());
    EXPECT_EQ(s.IndexShow(), c.IndexShow);
    EXPECT_EQ(s.Direction(), c.Direction);
    EXPECT_EQ(s.Column(), c.Column);
    EXPECT_EQ(grid.Log, c.Log);
}

INSTANTIATE_TEST_SUITE_P(
    SortSettings, SortSettingsLoad,
    testing::Values(
        SortStringCase{"Descending", "d3", false, sdDescending, 3, {"Invalidate", "QSort"}},
        SortStringCase{"AnyOtherLetterDescends", "x5", false, sdDescending, 5, {"Invalidate", "QSort"}},
        SortStringCase{"UAnywhereAscends", "du4", false, sdAscending, 7, {"Invalidate"}},
        SortStringCase{"NoColumn", "u-1", false, sdAscending, -1, {"Invalidate", "QSort"}},
        SortStringCase{"BadNumberStops", "u1x", false, sdAscending, 7, {"Invalidate"}},
        SortStringCase{"IndexedWithoutKeys", "i;", true, sdAscending, 7, {"Invalidate"}},
        SortStringCase{"Indexed", "i;u2;d5", true, sdAscending, 7, {"Invalidate", "QSortIndexed"}}),
    [](const testing::TestParamInfo<SortStringCase>& I) { return std::string(I.param.Name); });

TEST(SortSettings, SaveToStringAndBack)
{
    FakeGridOwner grid;
    TSortSettings s(&grid);
    EXPECT_EQ(s.SaveToString(), "u-1");
    s.SetDirection(sdDescending);
    s.SetColumn(3);
    EXPECT_EQ(s.SaveToString(), "d3");

    s.LoadFromString("i;u2;d5");
    EXPECT_EQ(grid.Indexes.Count(), 2);
    EXPECT_EQ(s.SaveToString(), "i;u2;d5");
}

TEST(SortSettings, OneCharacterRaisesAfterShowing)
{
    FakeGridOwner grid;
    TSortSettings s(&grid);
    try {
        s.LoadFromString("u");
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Invalid sort settings specifier");
    }
    EXPECT_TRUE(s.Show());
    EXPECT_EQ(grid.Log, QStringList{"Invalidate"});

    // An empty text changes nothing.
    TSortSettings t(&grid);
    t.LoadFromString("");
    EXPECT_FALSE(t.Show());
}

TEST(SortSettings, HeaderRepaintsOnlyWithFixedRows)
{
    FakeGridOwner grid;
    TSortSettings s(&grid);
    grid.Indexes.AddIndex(2, true);
    s.SetColumn(2);
    grid.Fixed = 2;
    s.Remove();
    s.SetHeaderColor(clRed);
    s.SetHeaderColor(clRed);
    EXPECT_EQ(s.Column(), -1);
    EXPECT_EQ(grid.Indexes.Count(), 0);
    EXPECT_EQ(grid.Log, (QStringList{"RepaintRow 1", "RepaintRow 1"}));

    grid.Log.clear();
    grid.Fixed = 0;
    s.Remove();
    s.SetHeaderColorTo(clBlue);
    s.SetHeaderMirrorColor(clBlue);
    s.SetHeaderMirrorColorTo(clBlue);
    EXPECT_TRUE(grid.Log.isEmpty());
    EXPECT_EQ(s.HeaderMirrorColorTo(), clBlue);
}

TEST(SortSettings, RowStaysWithinTheFixedRows)
{
    FakeGridOwner grid;
    grid.Fixed = 1;
    TSortSettings s(&grid);
    s.SetRow(1);
    EXPECT_EQ(s.Row(), 1);
    try {
        s.SetRow(2);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Sort row should be smaller than number of fixed rows");
    }
    EXPECT_EQ(s.Row(), 1);
}

TEST(SortSettings, ShowRepaintsOnChangeAndAssignSkipsTwoMembers)
{
    FakeGridOwner grid;
    TSortSettings src(&grid), dst(&grid);
    src.SetShow(true);
    src.SetShow(true);
    EXPECT_EQ(grid.Log, QStringList{"Invalidate"});

    src.SetColumn(4);
    src.SetDirection(sdDescending);
    src.SetHeaderColor(clRed);
    src.SetIgnoreCase(true);
    src.SetSortOnVirtualCells(false);
    src.SetIndexSortKey(ikCtrl);
    grid.Log.clear();
    dst.Assign(&src);
    EXPECT_TRUE(dst.Show());
    EXPECT_EQ(dst.Column(), 4);
    EXPECT_EQ(dst.Direction(), sdDescending);
    EXPECT_EQ(dst.HeaderColor(), clRed);
    EXPECT_EQ(dst.IndexSortKey(), ikCtrl);
    EXPECT_FALSE(dst.IgnoreCase());
    EXPECT_TRUE(dst.SortOnVirtualCells());
    EXPECT_TRUE(grid.Log.isEmpty());

    // Defaults that sorting relies on.
    TSortSettings fresh(&grid);
    EXPECT_TRUE(fresh.Full());
    EXPECT_TRUE(fresh.AutoFormat());
    EXPECT_TRUE(fresh.AutoSortForGrouping());
    EXPECT_EQ(fresh.IndexColor(), 0x0000FFFF);
    EXPECT_EQ(fresh.HeaderColor(), clNone);
}
