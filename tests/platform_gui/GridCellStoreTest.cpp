// The sparse cell store: texts and objects stay with their cells through
// moves and deletions, and empty cells take no room.
#include "platform/controls/GridCellStore.h"
#include "platform/rtl/Object.h"
#include <gtest/gtest.h>

namespace {

// "c,r" in every cell of a 4 x 4 block.
TGridCellStore Block()
{
    TGridCellStore s;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            s.SetText(c, r, QStringLiteral("%1,%2").arg(c).arg(r));
    return s;
}

QString RowText(const TGridCellStore& s, int r)
{
    QStringList parts;
    for (int c = 0; c < 4; ++c)
        parts << s.Text(c, r);
    return parts.join(u' ');
}

TEST(GridCellStore, EmptyCellsTakeNoRoom)
{
    TGridCellStore s;
    TObject o;
    s.SetText(7, 100000, QStringLiteral("x"));
    s.SetObject(7, 100000, &o);
    s.SetText(2, 3, QStringLiteral("y"));
    EXPECT_EQ(s.CellCount(), 2u);
    s.SetText(7, 100000, QString());
    EXPECT_EQ(s.CellCount(), 2u) << "the object keeps the cell";
    EXPECT_EQ(s.Object(7, 100000), &o);
    s.SetObject(7, 100000, nullptr);
    s.SetText(2, 3, QString());
    EXPECT_EQ(s.CellCount(), 0u);
    EXPECT_EQ(s.LastRow(), -1);
    EXPECT_EQ(s.Text(2, 3), QString());
}

TEST(GridCellStore, MovesAndDeletionsCarryTheCells)
{
    struct Case {
        const char* Name;
        void (*Apply)(TGridCellStore&);
        QStringList Rows;
    };
    const Case cases[] = {
        {"row down", [](TGridCellStore& s) { s.MoveRow(0, 2); },
         {"0,1 1,1 2,1 3,1", "0,2 1,2 2,2 3,2", "0,0 1,0 2,0 3,0", "0,3 1,3 2,3 3,3"}},
        {"row up", [](TGridCellStore& s) { s.MoveRow(3, 1); },
         {"0,0 1,0 2,0 3,0", "0,3 1,3 2,3 3,3", "0,1 1,1 2,1 3,1", "0,2 1,2 2,2 3,2"}},
        {"column right", [](TGridCellStore& s) { s.MoveColumn(0, 3); },
         {"1,0 2,0 3,0 0,0", "1,1 2,1 3,1 0,1", "1,2 2,2 3,2 0,2", "1,3 2,3 3,3 0,3"}},
        {"column left", [](TGridCellStore& s) { s.MoveColumn(2, 1); },
         {"0,0 2,0 1,0 3,0", "0,1 2,1 1,1 3,1", "0,2 2,2 1,2 3,2", "0,3 2,3 1,3 3,3"}},
        {"delete row", [](TGridCellStore& s) { s.DeleteRow(1); },
         {"0,0 1,0 2,0 3,0", "0,2 1,2 2,2 3,2", "0,3 1,3 2,3 3,3", "   "}},
        {"delete column", [](TGridCellStore& s) { s.DeleteColumn(0); },
         {"1,0 2,0 3,0 ", "1,1 2,1 3,1 ", "1,2 2,2 3,2 ", "1,3 2,3 3,3 "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TGridCellStore s = Block();
        c.Apply(s);
        for (int r = 0; r < 4; ++r)
            EXPECT_EQ(RowText(s, r), c.Rows[r]) << "row " << r;
    }
}

TEST(GridCellStore, ObjectsMoveWithTheirTexts)
{
    TGridCellStore s = Block();
    TObject a, b;
    s.SetObject(1, 1, &a);
    s.SetObject(3, 3, &b);
    s.MoveRow(1, 3);
    s.MoveColumn(1, 0);
    EXPECT_EQ(s.Object(0, 3), &a);
    EXPECT_EQ(s.Text(0, 3), QStringLiteral("1,1"));
    EXPECT_EQ(s.Object(3, 2), &b);
    EXPECT_EQ(s.Text(3, 2), QStringLiteral("3,3"));
    EXPECT_EQ(s.CellCount(), 16u);
}

} // namespace
