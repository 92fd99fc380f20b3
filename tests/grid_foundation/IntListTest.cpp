#include "grid/foundation/IntList.h"
#include "platform/rtl/Exceptions.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

struct ChangeLog {
    std::vector<std::pair<int, int>> calls;
    void Attach(TIntList& list)
    {
        list.OnChange = [this](TObject*, int c, int r) { calls.push_back({c, r}); };
    }
};

} // namespace

TEST(IntList, EventsNameTheCellAndInsertStaysSilent)
{
    TIntList list(3, 8);
    ChangeLog log;
    log.Attach(list);
    list.Add(5);
    list.Insert(0, 7);
    list.SetInteger(1, 6);
    list.DeleteValue(42);
    list.DeleteValue(7);
    EXPECT_EQ(list.StrValue(), QStringLiteral("6"));
    ASSERT_EQ(log.calls.size(), 3u);
    EXPECT_EQ(log.calls[0], std::make_pair(3, 8));
    EXPECT_TRUE(list.HasValue(6));
    EXPECT_FALSE(list.HasValue(7));
    EXPECT_THROW(list.Delete(1), EListError);
    EXPECT_THROW(list.Insert(3, 1), EListError);
}

TEST(IntList, StrValueRoundTripsAndFailsPartway)
{
    TIntList list(0, 0);
    EXPECT_EQ(list.StrValue(), QString());
    ChangeLog log;
    log.Attach(list);

    list.SetStrValue(QStringLiteral("3, -1 12"));
    EXPECT_EQ(list.StrValue(), QStringLiteral("3,-1,12"));
    EXPECT_EQ(log.calls.size(), 3u);

    log.calls.clear();
    list.SetStrValue(QString());
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(log.calls.empty());

    EXPECT_THROW(list.SetStrValue(QStringLiteral("1,x,3")), EConvertError);
    EXPECT_EQ(list.StrValue(), QStringLiteral("1"));
}

TEST(SortIndexList, KeysKeepColumnAndDirectionApart)
{
    TSortIndexList list(0, 0);
    int changes = 0;
    list.OnChange = [&](TObject*, int, int) { ++changes; };
    list.AddIndex(3, false);
    EXPECT_EQ(unsigned(list.GetInteger(0)), 0x80000003u);
    EXPECT_EQ(list.SortColumns(0), 3);
    EXPECT_FALSE(list.SortDirections(0));
    list.ToggleIndex(3);
    EXPECT_TRUE(list.SortDirections(0));
    list.ToggleIndex(9);
    EXPECT_EQ(changes, 2);

    list.SetSortDirections(0, false);
    list.SetSortColumns(0, 11);
    EXPECT_EQ(list.SortColumns(0), 11);
    EXPECT_FALSE(list.SortDirections(0));

    list.AddIndex(4, true);
    list.AddIndex(4, false);
    EXPECT_EQ(list.FindIndex(4), 1);
    EXPECT_EQ(list.FindIndex(5), -1);
}

TEST(SortIndexList, TextForm)
{
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"u2;d5;x;U7", "u2;d5;d7"},
        {"d0;u12", "d0;u12"},
        {";;u1", "u1"},
        {"", ""},
        {"uabc;d", "u0"},
    };
    for (const Case& c : cases) {
        TSortIndexList list(0, 0);
        list.AddIndex(99, true);
        list.LoadFromString(QString::fromUtf8(c.in));
        EXPECT_EQ(list.SaveToString(), QString::fromUtf8(c.out)) << c.in;
    }

    TSortIndexList wide(0, 0);
    wide.AddIndex(0x12345, false);
    EXPECT_EQ(wide.SaveToString(), QStringLiteral("d9029"));
}
