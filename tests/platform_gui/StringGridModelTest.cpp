// The string grid's cells against a plain reference over random sequences
// of writes, count changes, moves, deletions and row exchanges: cells
// outside the counts stay put, moved and exchanged cells take their texts
// and objects along, and a deleted row or column never comes back.
#include "CellModel.h"
#include "CustomGridFixture.h"
#include "platform/controls/InplaceEdit.h"
#include "platform/controls/TestHooks.h"

namespace {

constexpr int Far = 24;

class StringGridModel : public CustomGridTest, public testing::WithParamInterface<unsigned> {};

TEST_P(StringGridModel, RandomOperationsMatchTheReference)
{
    std::mt19937 rng(GetParam());
    TObject objects[3];
    CellModel m;
    for (int step = 0; step < 400; ++step) {
        const int cols = Grid->ColCount(), rows = Grid->RowCount();
        const int c = int(rng() % cols), r = int(rng() % rows), c2 = int(rng() % cols), r2 = int(rng() % rows);
        switch (rng() % 11) {
        case 0:
        case 1:
        case 2: {
            // Now and then past the counts.
            const int wc = rng() % 6 ? c : int(rng() % Far), wr = rng() % 6 ? r : int(rng() % Far);
            const QString t = RandomText(rng);
            Grid->SetCells(wc, wr, t);
            m.SetText(wc, wr, t);
            break;
        }
        case 3: {
            TObject* o = rng() % 3 ? &objects[rng() % 3] : nullptr;
            Grid->SetObjects(c, r, o);
            m.SetObject(c, r, o);
            break;
        }
        case 4: Grid->SetRowCount(1 + int(rng() % 20)); break;
        case 5: Grid->SetColCount(1 + int(rng() % 12)); break;
        case 6: Grid->MoveRow(r, r2); m.MapRows(CellModel::Move(r, r2)); break;
        case 7: Grid->MoveColumn(c, c2); m.MapCols(CellModel::Move(c, c2)); break;
        case 8: Grid->ExchangeRows(r, r2); m.MapRows(CellModel::Exchange(r, r2)); break;
        case 9:
            // The row goes last, out of the count, and is emptied there.
            Grid->DeleteRow(r);
            m.MapRows(CellModel::Move(r, rows - 1));
            m.MapRows(CellModel::Clear(rows > 1 ? rows - 1 : r));
            break;
        case 10:
            Grid->DeleteColumn(c);
            m.MapCols(CellModel::Move(c, cols - 1));
            m.MapCols(CellModel::Clear(cols > 1 ? cols - 1 : c));
            break;
        }
        SCOPED_TRACE(testing::Message() << "after step " << step);
        ASSERT_EQ(Grid->Store().CellCount(), m.Cells.size());
        for (int y = 0; y < Far + 2; ++y)
            for (int x = 0; x < Far + 2; ++x) {
                ASSERT_EQ(Grid->Cells(x, y), m.Text(x, y)) << "cell " << x << "," << y;
                ASSERT_EQ(Grid->Objects(x, y), m.Object(x, y)) << "cell " << x << "," << y;
            }
    }
    // The row and column lists read the same cells.
    for (int y = 0; y < Grid->RowCount(); ++y)
        for (int x = 0; x < Grid->ColCount(); ++x) {
            EXPECT_EQ(Grid->Rows(y)->Strings(x), m.Text(x, y));
            EXPECT_EQ(Grid->Cols(x)->Objects(y), m.Object(x, y));
        }
}

INSTANTIATE_TEST_SUITE_P(Seeds, StringGridModel, testing::Values(1u, 5u, 42u, 777u, 31337u));

TEST_F(CustomGridTest, ExchangeRowsChecksItsIndexesAndCommitsTheEditor)
{
    Grid->SetCells(1, 2, QStringLiteral("two"));
    Grid->SetCells(1, 5, QStringLiteral("five"));
    EXPECT_THROW(Grid->ExchangeRows(2, 20), EInvalidGridOperation);
    EXPECT_THROW(Grid->ExchangeRows(-1, 2), EInvalidGridOperation);
    EXPECT_THROW(Grid->SetCells(-1, 2, QStringLiteral("x")), EInvalidGridOperation);
    EXPECT_EQ(Grid->Cells(1, 2), QStringLiteral("two"));

    // An edit in progress on one of the rows is written back first, so it
    // travels with its row.
    Grid->SetOptions(Grid->Options() + goEditing);
    Grid->SetRow(2);
    Grid->SetCol(1);
    SyntheticInput::Key(Grid, VK_F2);
    ASSERT_TRUE(Grid->EditorMode());
    Grid->InplaceEditor()->SetText(QStringLiteral("edited"));
    Grid->ExchangeRows(2, 5);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(1, 5), QStringLiteral("edited"));
    EXPECT_EQ(Grid->Cells(1, 2), QStringLiteral("five"));
}

} // namespace
