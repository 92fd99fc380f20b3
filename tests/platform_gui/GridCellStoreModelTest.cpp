// The cell store against a plain reference over random sequences of writes,
// moves, exchanges, inserts, deletes and clears of rows and columns: every
// text and object ends up where the reference has it, and the counts agree.
#include "CellModel.h"
#include "platform/controls/GridCellStore.h"
#include <gtest/gtest.h>

namespace {

constexpr int Span = 12;

void ExpectSame(const TGridCellStore& s, const CellModel& m, int Step)
{
    SCOPED_TRACE(testing::Message() << "after step " << Step);
    ASSERT_EQ(s.CellCount(), m.Cells.size());
    ASSERT_EQ(s.LastRow(), m.LastRow());
    int cols = 0;
    for (const auto& [key, cell] : m.Cells)
        cols = std::max(cols, key.second + 1);
    for (int r = -1; r < m.LastRow() + 3; ++r)
        for (int c = -1; c < cols + 2; ++c) {
            ASSERT_EQ(s.Text(c, r), m.Text(c, r)) << "cell " << c << "," << r;
            ASSERT_EQ(s.Object(c, r), m.Object(c, r)) << "cell " << c << "," << r;
            ASSERT_EQ(s.Exists(c, r), m.Cells.count({r, c}) > 0) << "cell " << c << "," << r;
        }
}

class GridCellStoreModel : public testing::TestWithParam<unsigned> {};

TEST_P(GridCellStoreModel, RandomOperationsMatchTheReference)
{
    std::mt19937 rng(GetParam());
    TObject objects[4];
    TGridCellStore s;
    CellModel m;
    // Mostly inside a small block, so operations meet cells; now and then
    // far out, past every stored row or column.
    auto index = [&] { return rng() % 8 == 0 ? int(Span + rng() % (2 * Span)) : int(rng() % Span); };
    for (int step = 0; step < 1000; ++step) {
        const int a = index(), b = index();
        switch (rng() % 14) {
        case 0:
        case 1:
        case 2:
        case 3: {
            const QString t = RandomText(rng);
            s.SetText(a, b, t);
            m.SetText(a, b, t);
            break;
        }
        case 4: {
            TObject* o = rng() % 3 ? &objects[rng() % 4] : nullptr;
            s.SetObject(a, b, o);
            m.SetObject(a, b, o);
            break;
        }
        case 5: s.MoveRow(a, b); m.MapRows(CellModel::Move(a, b)); break;
        case 6: s.MoveColumn(a, b); m.MapCols(CellModel::Move(a, b)); break;
        case 7: s.ExchangeRows(a, b); m.MapRows(CellModel::Exchange(a, b)); break;
        case 8: s.ExchangeColumns(a, b); m.MapCols(CellModel::Exchange(a, b)); break;
        case 9:
            if (rng() % 2) {
                s.InsertRow(a);
                m.MapRows(CellModel::Insert(a));
            } else {
                s.InsertColumn(a);
                m.MapCols(CellModel::Insert(a));
            }
            break;
        case 10: s.DeleteRow(a); m.MapRows(CellModel::Delete(a)); break;
        case 11: s.DeleteColumn(a); m.MapCols(CellModel::Delete(a)); break;
        case 12: s.ClearRow(a); m.MapRows(CellModel::Clear(a)); break;
        case 13:
            if (rng() % 20 == 0) {
                s.Clear();
                m.Cells.clear();
            } else {
                s.ClearColumn(a);
                m.MapCols(CellModel::Clear(a));
            }
            break;
        }
        ExpectSame(s, m, step);
        if (HasFatalFailure())
            return;
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, GridCellStoreModel, testing::Values(1u, 2u, 3u, 17u, 42u, 1234u, 99991u, 2024u));

TEST(GridCellStore, WideRowsAndNegativeIndexes)
{
    // A row far wider than the first one written, written right to left and
    // then thinned from the left: the packed texts keep their places.
    TGridCellStore s;
    s.SetText(0, 0, QStringLiteral("first"));
    for (int c = 499; c >= 0; --c)
        s.SetText(c, 1, QString(c % 7 + 1, QChar(u'a' + c % 26)));
    for (int c = 0; c < 500; c += 2)
        s.SetText(c, 1, QString());
    for (int c = 0; c < 500; ++c)
        ASSERT_EQ(s.Text(c, 1), c % 2 ? QString(c % 7 + 1, QChar(u'a' + c % 26)) : QString()) << c;
    EXPECT_EQ(s.CellCount(), 251u);
    // Nothing lives at a negative index.
    TObject o;
    s.SetText(-1, 0, QStringLiteral("x"));
    s.SetObject(0, -1, &o);
    EXPECT_EQ(s.Text(-1, 0), QString());
    EXPECT_EQ(s.Object(0, -1), nullptr);
    EXPECT_EQ(s.CellCount(), 251u);
}

} // namespace
