// The base grid's cell store: texts through merged ranges and display
// hooks, properties made on demand, merges and splits with their queries,
// index errors, and who frees the properties objects.
#include "BaseGridFixture.h"
#include "grid/foundation/StringUtils.h"
#include "platform/controls/CustomGrid.h"

namespace {

int LiveGraphics = 0;

// Named as the string grid's graphic class: the grid frees it.
class TCellGraphic : public TObject {
public:
    TCellGraphic() { ++LiveGraphics; }
    ~TCellGraphic() override { --LiveGraphics; }
};

// Any other class stays the caller's.
class TOtherGraphic : public TObject {};

class BaseGridCells : public BaseGridTest {
protected:
    void SetUp() override
    {
        BaseGridTest::SetUp();
        LiveGraphics = 0;
    }
    // Gives the cell properties holding a TCellGraphic, whose life tells
    // whether the properties were freed.
    void Tag(TBaseGrid* G, int ACol, int ARow) { G->CellProperties(ACol, ARow)->SetGraphicObject(new TCellGraphic); }
};

TEST_F(BaseGridCells, AFreshGridHasPlainCells)
{
    EXPECT_EQ(Grid->Cells(2, 3), QString());
    EXPECT_EQ(Grid->BaseCell(2, 3), (TPoint{2, 3}));
    EXPECT_EQ(Grid->CellSpan(2, 3), (TPoint{0, 0}));
    EXPECT_TRUE(Grid->IsBaseCell(2, 3));
    EXPECT_FALSE(Grid->IsMergedCell(2, 3));
    EXPECT_FALSE(Grid->HasCellProperties(2, 3));
    EXPECT_FALSE(Grid->HasCellProps());
}

TEST_F(BaseGridCells, PropertiesAreMadeOnReadWithTheGridsLook)
{
    Grid->Font()->SetColor(clNavy);
    Grid->Font()->SetStyle({fsBold});
    Grid->SetWordWrap(false);
    TCellProperties* p = Grid->CellProperties(2, 3);
    ASSERT_TRUE(Grid->HasCellProperties(2, 3));
    EXPECT_EQ(Grid->GridObjects(2, 3), p);
    EXPECT_EQ(Grid->CellProperties(2, 3), p);
    EXPECT_EQ(p->OwnerCol(), 2);
    EXPECT_EQ(p->OwnerRow(), 3);
    EXPECT_TRUE(p->IsBaseCell());
    EXPECT_EQ(p->CellSpanX(), -1);
    EXPECT_EQ(p->CellSpanY(), -1);
    EXPECT_EQ(p->BrushColor(), clWhite);
    EXPECT_EQ(p->BrushColorTo(), clNone);
    EXPECT_EQ(p->FontColor(), clNavy);
    EXPECT_EQ(p->FontName(), Grid->Font()->Name());
    EXPECT_EQ(p->FontSize(), Grid->Font()->Size());
    EXPECT_EQ(p->FontStyle(), TFontStyles{fsBold});
    EXPECT_EQ(p->Alignment(), taLeftJustify);
    EXPECT_EQ(p->VAlignment(), vtaTop);
    EXPECT_FALSE(p->WordWrap());
    EXPECT_TRUE(Grid->HasCellProps());
}

TEST_F(BaseGridCells, AMergedRangeAnswersThroughItsBaseCell)
{
    Grid->MergeCells(1, 1, 3, 2);
    TCellProperties* base = Grid->CellProperties(1, 1);
    EXPECT_TRUE(base->IsBaseCell());
    EXPECT_EQ(base->CellSpanX(), 2);
    EXPECT_EQ(base->CellSpanY(), 1);
    TCellProperties* corner = Grid->CellProperties(3, 2);
    EXPECT_FALSE(corner->IsBaseCell());
    EXPECT_EQ(corner->CellSpanX(), 2);
    EXPECT_EQ(corner->CellSpanY(), 1);

    Grid->SetCells(3, 2, QStringLiteral("x"));
    EXPECT_EQ(Grid->GridCells(1, 1), QStringLiteral("x"));
    EXPECT_EQ(Grid->GridCells(3, 2), QString());
    EXPECT_EQ(Grid->Cells(2, 2), QStringLiteral("x"));
    EXPECT_EQ(Grid->Log, QStringList{QStringLiteral("CellChanged 1,1")});

    EXPECT_EQ(Grid->CellSpan(3, 2), (TPoint{2, 1}));
    EXPECT_EQ(Grid->CellExt(2, 1), (TPoint{1, 1}));
    EXPECT_EQ(Grid->FullCell(3, 2), (TRect{1, 1, 3, 2}));
    EXPECT_EQ(Grid->BaseCell(3, 2), (TPoint{1, 1}));
    int bc = -1, br = -1;
    EXPECT_FALSE(Grid->IsBaseCellEx(2, 2, bc, br));
    EXPECT_EQ((TPoint{bc, br}), (TPoint{1, 1}));
    EXPECT_TRUE(Grid->IsBaseCellEx(1, 1, bc, br));
    EXPECT_TRUE(Grid->IsMergedCell(1, 1));
    EXPECT_TRUE(Grid->IsMergedNonBaseCell(2, 1));
    EXPECT_FALSE(Grid->IsMergedNonBaseCell(1, 1));
    EXPECT_TRUE(Grid->IsXMergedCell(3, 1));
    EXPECT_TRUE(Grid->IsYMergedCell(3, 1));
    EXPECT_FALSE(Grid->IsMergedCell(4, 1));
    EXPECT_EQ(Grid->MergeCount(), 1);
    // The range's rectangle is the union of its cells.
    EXPECT_EQ(Grid->CellRect(2, 2), (TRect{50, 20, 200, 60}));
    EXPECT_EQ(Grid->CellSize(3, 1), (TPoint{150, 40}));
}

TEST_F(BaseGridCells, SplitRestoresTheCellsAndKeepsTheText)
{
    Grid->MergeCells(1, 1, 3, 2);
    Grid->SetCells(2, 2, QStringLiteral("x"));
    TCellProperties* corner = Grid->CellProperties(3, 2);
    Grid->SplitCells(2, 2);
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 3; ++c) {
            SCOPED_TRACE(testing::Message() << c << "," << r);
            TCellProperties* p = Grid->CellProperties(c, r);
            EXPECT_TRUE(p->IsBaseCell());
            EXPECT_EQ(p->CellSpanX(), -1);
            EXPECT_EQ(p->CellSpanY(), -1);
        }
    EXPECT_EQ(Grid->CellProperties(3, 2), corner);
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("x"));
    EXPECT_EQ(Grid->Cells(2, 2), QString());
    EXPECT_EQ(Grid->MergeCount(), 0);
    Grid->SplitCells(2, 2);
    EXPECT_EQ(Grid->MergeCount(), -1);
}

TEST_F(BaseGridCells, AOneCellMergeIsABaseCellWithoutSpan)
{
    Grid->MergeCells(2, 2, 1, 1);
    EXPECT_EQ(Grid->CellProperties(2, 2)->CellSpanX(), 0);
    EXPECT_FALSE(Grid->IsMergedCell(2, 2));
    EXPECT_EQ(Grid->CellSpan(2, 2), (TPoint{0, 0}));
    EXPECT_EQ(Grid->CellRect(2, 2), (TRect{100, 40, 150, 60}));
}

TEST_F(BaseGridCells, SpansOfRows)
{
    Grid->MergeCells(1, 2, 1, 3);
    Grid->MergeCells(2, 2, 1, 2);
    Grid->MergeCells(2, 4, 1, 2);
    Grid->MergeCells(4, 6, 2, 1);
    EXPECT_EQ(Grid->MinRowSpan(3), 1);
    EXPECT_EQ(Grid->MaxRowSpan(3), 2);
    EXPECT_EQ(Grid->MinRowSpan(8), Grid->RowCount());
    EXPECT_EQ(Grid->MaxRowSpan(8), 0);
    EXPECT_TRUE(Grid->RowSpanIdentical(2, 3));
    EXPECT_FALSE(Grid->RowSpanIdentical(3, 4));
    EXPECT_FALSE(Grid->RowSpanIdentical(7, 8));
    EXPECT_TRUE(Grid->ColSpanIdentical(4, 5));
    EXPECT_FALSE(Grid->ColSpanIdentical(1, 2));
    EXPECT_FALSE(Grid->ColSpanIdentical(1, 3));
}

TEST_F(BaseGridCells, ObjectsLiveInTheCellsOwnProperties)
{
    TObject user;
    Grid->SetObjects(0, 5, &user);
    EXPECT_EQ(Grid->Cells(0, 5), QString());
    EXPECT_TRUE(Grid->HasCellProperties(0, 5));
    EXPECT_EQ(Grid->Objects(0, 5), &user);
    EXPECT_EQ(Grid->CellProperties(0, 5)->CellObject(), &user);
    EXPECT_EQ(Grid->Objects(0, 6), nullptr);

    Grid->MergeCells(2, 2, 2, 1);
    Grid->SetObjects(2, 2, &user);
    EXPECT_EQ(Grid->Objects(3, 2), nullptr);
    EXPECT_EQ(Grid->GraphicObjects(3, 2), nullptr);
    // Only properties go into an object slot.
    EXPECT_THROW(Grid->SetGridObjects(1, 1, &user), EInvalidGridOperation);
}

TEST_F(BaseGridCells, DisplayHooksApplyToNormalRowsOnly)
{
    Grid->SetNormalRowCount(5);
    Grid->OnGetDisplText = [](TObject*, int ACol, int ARow, QString& Value) {
        Value = QStringLiteral("%1 at %2,%3").arg(Value).arg(ACol).arg(ARow);
    };
    Grid->SetCells(1, 4, QStringLiteral("a"));
    Grid->SetCells(1, 5, QStringLiteral("b"));
    EXPECT_EQ(Grid->Cells(1, 4), QStringLiteral("a at 1,4"));
    EXPECT_EQ(Grid->Cells(1, 5), QStringLiteral("b"));
    EXPECT_EQ(Grid->GridCells(1, 4), QStringLiteral("a"));

    // A merged cell's hook sees the base cell.
    Grid->MergeCells(2, 1, 2, 2);
    Grid->SetCells(2, 1, QStringLiteral("m"));
    EXPECT_EQ(Grid->Cells(3, 2), QStringLiteral("m at 2,1"));

    // The wide hook gets the unpacked text and hands back the packed form.
    Grid->OnGetDisplText = nullptr;
    Grid->OnGetDisplWideText = [](TObject*, int, int, QString& Value) { Value += QChar(0x3A9); };
    EXPECT_EQ(Grid->Cells(1, 4), PackWideText(QStringLiteral("a") + QChar(0x3A9)));
    EXPECT_EQ(Grid->Cells(1, 5), QStringLiteral("b"));
}

TEST_F(BaseGridCells, WritesToTheReservedLastRowAreReported)
{
    Grid->SetHideLastRow(true);
    Grid->SetCells(2, 11, QStringLiteral("a"));
    Grid->SetCells(3, 11, QStringLiteral("b"));
    Grid->SetCells(3, 10, QStringLiteral("c"));
    EXPECT_EQ(Grid->Log, (QStringList{QStringLiteral("LastRowChanged"), QStringLiteral("LastRowChanged")}));
}

TEST_F(BaseGridCells, IndexesOutsideTheGridRaise)
{
    struct Case {
        const char* Name;
        std::function<void()> Call;
    };
    const Case cases[] = {
        {"properties left of the grid", [&] { Grid->CellProperties(-1, 0); }},
        {"properties below the grid", [&] { Grid->CellProperties(0, 12); }},
        {"setting properties right of the grid", [&] { Grid->SetCellProperties(6, 0, nullptr); }},
        {"merge reaching past the last column", [&] { Grid->MergeCells(4, 1, 3, 1); }},
        {"merge reaching past the last row", [&] { Grid->MergeCells(1, 10, 1, 3); }},
        {"merge from outside", [&] { Grid->MergeCells(-1, 0, 1, 1); }},
        {"split outside", [&] { Grid->SplitCells(0, 12); }},
        {"object outside", [&] { Grid->SetObjects(7, 0, nullptr); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_THROW(c.Call(), EInvalidGridOperation);
    }
    EXPECT_EQ(Grid->MergeCount(), 0);
    EXPECT_FALSE(Grid->HasCellProps());
    EXPECT_FALSE(Grid->HasCellProperties(-1, 0));
    EXPECT_EQ(Grid->GraphicObjects(9, 9), nullptr);
}

TEST_F(BaseGridCells, FreeingARectangleFreesOnlyTheGridsGraphics)
{
    Tag(Grid, 1, 1);
    auto* other = new TOtherGraphic;
    Grid->CellProperties(2, 1)->SetGraphicObject(other);
    Grid->FreeCellPropsRect(0, 0, 5, 5);
    EXPECT_EQ(LiveGraphics, 0);
    EXPECT_FALSE(Grid->HasCellProperties(1, 1));
    EXPECT_FALSE(Grid->HasCellProperties(2, 1));
    delete other;

    // FreeCellProps leaves the graphic to its owner.
    auto* graphic = new TCellGraphic;
    Grid->CellProperties(3, 3)->SetGraphicObject(graphic);
    Grid->FreeCellProps(3, 3);
    EXPECT_EQ(LiveGraphics, 1);
    delete graphic;
}

TEST_F(BaseGridCells, DeletingALineFreesItsPropertiesOnly)
{
    Tag(Grid, 1, 2);
    Tag(Grid, 1, 3);
    Tag(Grid, 2, 3);
    Grid->DeleteRow(2);
    EXPECT_EQ(LiveGraphics, 2);
    EXPECT_TRUE(Grid->HasCellProperties(1, 2));
    EXPECT_TRUE(Grid->HasCellProperties(2, 2));
    Grid->DeleteColumn(1);
    EXPECT_EQ(LiveGraphics, 1);
    EXPECT_TRUE(Grid->HasCellProperties(1, 2));
}

TEST_F(BaseGridCells, DestructionFreesPropertiesPastShrunkCounts)
{
    auto* grid = new TTestGrid(nullptr);
    grid->SetColCount(6);
    grid->SetRowCount(12);
    Tag(grid, 1, 1);
    Tag(grid, 5, 2);
    Tag(grid, 2, 11);
    grid->SetColCount(3);
    grid->SetRowCount(5);
    EXPECT_EQ(LiveGraphics, 3);
    delete grid;
    EXPECT_EQ(LiveGraphics, 0);
}

TEST_F(BaseGridCells, ResetReleasesSlotsWithoutFreeing)
{
    Grid->MergeCells(1, 1, 2, 1);
    Grid->SetCells(1, 1, QStringLiteral("m"));
    TCellProperties* taken = Grid->CellProperties(2, 1);
    taken->SetGraphicObject(new TCellGraphic);
    Grid->ResetCell(2, 1);
    // The text went from the base cell, through the Cells writer.
    EXPECT_EQ(Grid->GridCells(1, 1), QString());
    EXPECT_FALSE(Grid->HasCellProperties(2, 1));
    EXPECT_EQ(LiveGraphics, 1);

    TCellProperties* base = Grid->CellProperties(1, 1);
    Grid->SetCells(1, 4, QStringLiteral("r"));
    TCellProperties* rowProps = Grid->CellProperties(3, 4);
    Grid->ResetRow(4);
    Grid->ResetCol(1);
    EXPECT_EQ(Grid->GridCells(1, 4), QString());
    EXPECT_FALSE(Grid->HasCellProperties(1, 1));
    EXPECT_FALSE(Grid->HasCellProperties(3, 4));
    delete static_cast<TCellGraphic*>(taken->GraphicObject());
    delete taken;
    delete base;
    delete rowProps;
}

} // namespace
