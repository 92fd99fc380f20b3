// Painting: DrawCell once per visible cell meeting the update area, with
// the cell's states; nothing inside the cells without default drawing.
#include "CustomGridFixture.h"
#include "platform/graphics/Canvas.h"
#include <map>

namespace {

class CustomGridPaint : public CustomGridTest {
protected:
    // Repaints Area and returns the drawn cells as "c,r" with a count each.
    std::map<QString, int> Repaint(const TRect& Area)
    {
        Grid->Draws.clear();
        Grid->LogDraws = true;
        Grid->InvalidateRect(Area);
        Grid->Update();
        Grid->LogDraws = false;
        std::map<QString, int> drawn;
        for (const auto& d : Grid->Draws)
            ++drawn[QStringLiteral("%1,%2").arg(d.Col).arg(d.Row)];
        return drawn;
    }
    TGridDrawState StateOf(int ACol, int ARow) const
    {
        for (const auto& d : Grid->Draws)
            if (d.Col == ACol && d.Row == ARow)
                return d.State;
        ADD_FAILURE() << "cell not drawn";
        return {};
    }
};

TEST_F(CustomGridPaint, EveryVisibleCellOnceIncludingFixedAndPartlyShownOnes)
{
    Grid->SetLeftCol(3);
    auto drawn = Repaint(Grid->ClientRect());
    // Columns 0 and 3..7 (7 shows one pixel), rows 0..5 (5 shows one pixel).
    EXPECT_EQ(drawn.size(), 6u * 6u);
    for (int r : {0, 1, 2, 3, 4, 5})
        for (int c : {0, 3, 4, 5, 6, 7})
            EXPECT_EQ(drawn[QStringLiteral("%1,%2").arg(c).arg(r)], 1) << c << "," << r;
    EXPECT_EQ(Grid->Draws.front().Rect, Rect(0, 0, 50, 20));
}

TEST_F(CustomGridPaint, OnlyCellsMeetingTheUpdateArea)
{
    struct Case {
        const char* Name;
        TRect Area;
        QStringList Cells;
    };
    const Case cases[] = {
        {"inside one cell", {60, 25, 70, 30}, {"1,1"}},
        {"across a vertical line", {95, 25, 110, 30}, {"1,1", "2,1"}},
        {"only a line pixel", {101, 25, 102, 30}, {}},
        {"fixed corner and its neighbours", {45, 15, 55, 25}, {"0,0", "0,1", "1,0", "1,1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Grid->Update();
        auto drawn = Repaint(c.Area);
        QStringList names;
        for (const auto& [name, count] : drawn) {
            names << name;
            EXPECT_EQ(count, 1);
        }
        EXPECT_EQ(names, c.Cells);
    }
}

TEST_F(CustomGridPaint, StatesMarkFixedFocusedAndSelectedCells)
{
    Grid->SetSelection({1, 1, 2, 2});
    Grid->Update();
    Repaint(Grid->ClientRect());
    EXPECT_EQ(StateOf(0, 1), TGridDrawState{gdFixed});
    EXPECT_EQ(StateOf(1, 0), TGridDrawState{gdFixed});
    EXPECT_EQ(StateOf(1, 1), TGridDrawState{gdSelected});
    EXPECT_EQ(StateOf(2, 2), (TGridDrawState{gdFocused, gdSelected}));
    EXPECT_EQ(StateOf(3, 3), TGridDrawState{});
    // Default drawing paints the selection, but not the focused cell.
    EXPECT_EQ(Grid->Canvas()->Pixels(60, 25), ColorToRGB(clHighlight));
    EXPECT_NE(Grid->Canvas()->Pixels(110, 45), ColorToRGB(clHighlight));
    Grid->SetOptions(Grid->Options() + goDrawFocusSelected);
    Grid->Update();
    EXPECT_EQ(Grid->Canvas()->Pixels(110, 45), ColorToRGB(clHighlight)) << "goDrawFocusSelected";
    EXPECT_EQ(Grid->Canvas()->Pixels(5, 25), ColorToRGB(Grid->FixedColor()));
    // Fixed cells look raised: light top left, shadowed bottom right.
    EXPECT_EQ(Grid->Canvas()->Pixels(0, 21), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(Grid->Canvas()->Pixels(49, 40), ColorToRGB(clBtnShadow));
}

TEST_F(CustomGridPaint, WithoutDefaultDrawingAndLinesOnlyTheAreaPastTheCellsIsFilled)
{
    Grid->SetColCount(3);
    Grid->SetRowCount(3);
    Grid->SetDefaultDrawing(false);
    Grid->SetGridLineWidth(0);
    Grid->Update();
    Grid->Canvas()->Brush()->SetColor(clLime);
    Grid->Canvas()->FillRect(Grid->ClientRect());
    Repaint(Grid->ClientRect());
    EXPECT_EQ(Grid->Draws.size(), 9u);
    EXPECT_EQ(Grid->CellRect(1, 1), Rect(50, 20, 100, 40)) << "no gaps without lines";
    for (TPoint p : {TPoint{0, 0}, TPoint{75, 30}, TPoint{149, 59}, TPoint{50, 20}})
        EXPECT_EQ(Grid->Canvas()->Pixels(p.X, p.Y), ColorToRGB(clLime)) << p.X << "," << p.Y;
    for (TPoint p : {TPoint{150, 0}, TPoint{0, 60}, TPoint{255, 105}})
        EXPECT_EQ(Grid->Canvas()->Pixels(p.X, p.Y), ColorToRGB(Grid->Color())) << p.X << "," << p.Y;
}

TEST_F(CustomGridPaint, ACellMayPaintPastItsRowWithinTheUpdateArea)
{
    // As a merged range is painted from the first of its cells.
    Grid->SetDefaultDrawing(false);
    Grid->OnDrawCell = [this](TObject*, int c, int r, const TRect& rect, TGridDrawState) {
        if (c == 1 && r == 1) {
            Grid->Canvas()->Brush()->SetColor(clRed);
            Grid->Canvas()->FillRect({rect.Left, rect.Top, rect.Right + 51, rect.Bottom + 21});
        }
    };
    Grid->Update();
    Grid->Canvas()->Brush()->SetColor(clLime);
    Grid->Canvas()->FillRect(Grid->ClientRect());
    Repaint({60, 25, 120, 60});
    EXPECT_EQ(Grid->Canvas()->Pixels(110, 50), ColorToRGB(clRed)) << "in the next row";
    EXPECT_EQ(Grid->Canvas()->Pixels(125, 50), ColorToRGB(clLime)) << "outside the update area";
}

TEST_F(CustomGridPaint, CellRectIsEmptyOutsideTheView)
{
    Grid->SetTopRow(5);
    EXPECT_EQ(Grid->CellRect(1, 5), Rect(51, 21, 101, 41));
    EXPECT_EQ(Grid->CellRect(1, 0), Rect(51, 0, 101, 20));
    EXPECT_EQ(Grid->CellRect(1, 9), Rect(51, 105, 101, 106)) << "clipped to the client area";
    for (TGridCoord c : {TGridCoord{1, 4}, TGridCoord{1, 10}, TGridCoord{8, 5}, TGridCoord{20, 5}})
        EXPECT_EQ(Grid->CellRect(c.X, c.Y), TRect()) << c.X << "," << c.Y;
    int col = 0, row = 0;
    Grid->MouseToCell(60, 30, col, row);
    EXPECT_EQ((TGridCoord{col, row}), (TGridCoord{1, 5}));
    EXPECT_EQ(Grid->MouseCoord(300, 30), (TGridCoord{-1, -1}));
}

TEST_F(CustomGridPaint, WritingACellRepaintsOnlyThatCell)
{
    Grid->Draws.clear();
    Grid->LogDraws = true;
    Grid->SetCells(3, 2, QStringLiteral("x"));
    Grid->SetCells(3, 50, QStringLiteral("hidden"));
    Grid->Update();
    ASSERT_EQ(Grid->Draws.size(), 1u);
    EXPECT_EQ(Grid->Draws[0].Col, 3);
    EXPECT_EQ(Grid->Draws[0].Row, 2);
}

} // namespace
