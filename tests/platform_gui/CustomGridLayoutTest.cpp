// Layout of the grid: the sunken frame of bsSingle around the client area,
// and scaling of the sizes and the font.
#include "CustomGridFixture.h"
#include "platform/controls/InplaceEdit.h"
#include "platform/controls/Panel.h"
#include "platform/controls/TestHooks.h"
#include "platform/graphics/Canvas.h"

using namespace SyntheticInput;

namespace {

struct FrameCase {
    const char* Name;
    TBorderStyle Style;
    int Frame;
};
const FrameCase FrameCases[] = {{"bsNone", bsNone, 0}, {"bsSingle", bsSingle, 2}};

TEST_F(CustomGridTest, SingleBorderDrawsASunkenFrameAroundTheCells)
{
    struct PixelCase {
        int X, Y;
        TColor Color;
    };
    for (const FrameCase& c : FrameCases) {
        SCOPED_TRACE(c.Name);
        Grid->SetBorderStyle(c.Style);
        Grid->Update();
        int b = c.Frame;
        EXPECT_EQ(Grid->ClientRect(), Rect(0, 0, 256 - 2 * b, 106 - 2 * b));
        EXPECT_EQ(Grid->CellRect(2, 2), Rect(102, 42, 152, 62)) << "client coordinates";
        std::vector<PixelCase> pixels = {
            {b, b, clBtnHighlight},         // the fixed corner cell's raised edge
            {b + 5, b + 5, clBtnFace},      // inside it
            {b + 110, b + 50, clWindow},    // cell 2,2
            {b + 101, b + 50, clSilver},    // the line after column 1
        };
        if (b) {
            pixels.push_back({0, 0, clBtnShadow});
            pixels.push_back({1, 1, cl3DDkShadow});
            pixels.push_back({255, 105, clBtnHighlight});
            pixels.push_back({254, 104, cl3DLight});
            pixels.push_back({100, 0, clBtnShadow});
            pixels.push_back({0, 50, clBtnShadow});
            pixels.push_back({100, 105, clBtnHighlight});
            pixels.push_back({255, 50, clBtnHighlight});
        }
        for (const PixelCase& p : pixels)
            EXPECT_EQ(Grid->Canvas()->Pixels(p.X, p.Y), ColorToRGB(p.Color)) << p.X << "," << p.Y;
    }
}

TEST_F(CustomGridTest, FramedGridTakesMouseRepaintsAndEditorInClientCoordinates)
{
    for (const FrameCase& c : FrameCases) {
        SCOPED_TRACE(c.Name);
        Grid->SetBorderStyle(c.Style);
        Grid->SetOptions(Grid->Options() + goDrawFocusSelected);
        Grid->SetCol(1);
        Grid->SetRow(1);
        Grid->Update();
        TPoint frame{c.Frame, c.Frame};
        TPoint centre = Centre(3, 2);
        Click(Grid, {centre.X + frame.X, centre.Y + frame.Y});
        EXPECT_EQ(Grid->Col(), 3);
        EXPECT_EQ(Grid->Row(), 2);
        // The repaint reaches the cell's last pixel column and row.
        Grid->Update();
        TRect r = Grid->CellRect(3, 2);
        EXPECT_EQ(Grid->Canvas()->Pixels(r.Right - 1 + frame.X, r.Bottom - 1 + frame.Y), ColorToRGB(clHighlight));
        // The frame itself holds no cell.
        if (c.Frame) {
            Click(Grid, {1, 1});
            EXPECT_EQ(Grid->Col(), 3);
            EXPECT_EQ(Grid->Row(), 2);
        }
        Grid->SetOptions(Grid->Options() + goEditing);
        Grid->ShowEditor();
        ASSERT_NE(Grid->InplaceEditor(), nullptr);
        EXPECT_EQ(Grid->InplaceEditor()->Left(), r.Left + frame.X);
        EXPECT_EQ(Grid->InplaceEditor()->Top(), r.Top + frame.Y);
        Grid->HideEditor();
        Grid->SetOptions(Grid->Options() - goEditing - goDrawFocusSelected);
    }
}

TEST_F(CustomGridTest, ScrollBarsLieInsideTheFrame)
{
    Grid->SetBorderStyle(bsSingle);
    Grid->SetScrollBars(ssBoth);
    ASSERT_NE(Grid->VertScrollBar(), nullptr);
    ASSERT_NE(Grid->HorzScrollBar(), nullptr);
    EXPECT_EQ(Grid->VertScrollBar()->BoundsRect(), Rect(237, 2, 254, 87));
    EXPECT_EQ(Grid->HorzScrollBar()->BoundsRect(), Rect(2, 87, 237, 104));
    EXPECT_EQ(Grid->ClientRect(), Rect(0, 0, 235, 85));
    // Back to no frame: the bars take the whole edge again.
    Grid->SetBorderStyle(bsNone);
    EXPECT_EQ(Grid->VertScrollBar()->BoundsRect(), Rect(239, 0, 256, 89));
    EXPECT_EQ(Grid->HorzScrollBar()->BoundsRect(), Rect(0, 89, 239, 106));
}

TEST_F(CustomGridTest, ADockedChildMeetsTheFrameOrTheBar)
{
    auto* bar = new TPanel(Grid);
    bar->SetParent(Grid);
    bar->SetAlign(alBottom);
    bar->SetHeight(30);
    Grid->SetBorderStyle(bsSingle);
    EXPECT_EQ(bar->BoundsRect(), Rect(2, 74, 254, 104)) << "no cells below it";
    Grid->SetScrollBars(ssBoth);
    EXPECT_EQ(bar->BoundsRect(), Rect(2, 57, 237, 87));
    Grid->SetBorderStyle(bsNone);
    EXPECT_EQ(bar->BoundsRect(), Rect(0, 59, 239, 89));
}

TEST_F(CustomGridTest, ChangeScaleScalesSizesAndAnOwnFontButNotTheBounds)
{
    struct Case {
        const char* Name;
        int M, D;
        bool OwnFont;
        int ColWidth, RowHeight, Col2, Row1, FontHeight;
    };
    const Case cases[] = {
        {"up by half", 3, 2, true, 75, 30, 45, 23, -17},
        {"down by half", 1, 2, true, 25, 10, 15, 8, -6},
        {"same", 4, 4, true, 50, 20, 30, 15, -11},
        {"parent font stays", 3, 2, false, 75, 30, 45, 23, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Grid->SetDefaultColWidth(50);
        Grid->SetDefaultRowHeight(20);
        Grid->SetColWidths(2, 30);
        Grid->SetColWidths(3, -1);
        Grid->SetRowHeights(1, 15);
        Grid->Font()->SetHeight(-11);
        Grid->SetParentFont(!c.OwnFont);
        int fontHeight = Grid->Font()->Height();
        Grid->ChangeScale(c.M, c.D);
        EXPECT_EQ(Grid->DefaultColWidth(), c.ColWidth);
        EXPECT_EQ(Grid->DefaultRowHeight(), c.RowHeight);
        EXPECT_EQ(Grid->ColWidths(1), c.ColWidth);
        EXPECT_EQ(Grid->ColWidths(2), c.Col2);
        EXPECT_EQ(Grid->ColWidths(3), -1) << "a hidden column stays hidden";
        EXPECT_EQ(Grid->RowHeights(1), c.Row1);
        EXPECT_EQ(Grid->RowHeights(2), c.RowHeight);
        EXPECT_EQ(Grid->Font()->Height(), c.OwnFont ? c.FontHeight : fontHeight);
        EXPECT_EQ(Grid->BoundsRect(), Rect(10, 10, 266, 116));
    }
}

struct DirectionCase {
    const char* Name;
    TBiDiMode Mode;
    // Client x of logical pixel column X.
    int (*At)(int X);
};
const DirectionCase Directions[] = {
    {"left to right", bdLeftToRight, [](int X) { return X; }},
    {"right to left", bdRightToLeft, [](int X) { return 255 - X; }},
};

TEST_F(CustomGridTest, RightToLeftLaysColumnsOutFromTheRightEdge)
{
    for (const DirectionCase& d : Directions) {
        SCOPED_TRACE(d.Name);
        Grid->SetBiDiMode(d.Mode);
        Grid->Update();
        // Column 0 spans 0..49 and its line 50, column 1 51..100, column 5 from 255 on.
        EXPECT_EQ(Grid->CellRect(0, 0), Rect(std::min(d.At(0), d.At(49)), 0, std::max(d.At(0), d.At(49)) + 1, 20));
        EXPECT_EQ(Grid->CellRect(1, 1), Rect(std::min(d.At(51), d.At(100)), 21, std::max(d.At(51), d.At(100)) + 1, 41));
        struct Hit {
            int X, Y, Col, Row;
        };
        for (Hit h : {Hit{5, 5, 0, 0}, Hit{75, 30, 1, 1}, Hit{255, 5, 5, 0}, Hit{50, 30, 0, 1}}) {
            int col = 0, row = 0;
            Grid->MouseToCell(d.At(h.X), h.Y, col, row);
            EXPECT_EQ(col, h.Col) << h.X;
            EXPECT_EQ(row, h.Row) << h.X;
        }
        EXPECT_EQ(Grid->Canvas()->Pixels(d.At(5), 5), ColorToRGB(clBtnFace));
        EXPECT_EQ(Grid->Canvas()->Pixels(d.At(75), 50), ColorToRGB(clWindow));
        EXPECT_EQ(Grid->Canvas()->Pixels(d.At(101), 50), ColorToRGB(clSilver)) << "line after column 1";
        EXPECT_EQ(Grid->Canvas()->Pixels(d.At(50), 5), ColorToRGB(clBlack)) << "fixed line";
        // Mouse and keys follow the mirrored columns.
        Click(Grid, Centre(3, 2));
        EXPECT_EQ(Grid->Col(), 3);
        Key(Grid, VK_RIGHT);
        EXPECT_EQ(Grid->Col(), d.Mode == bdRightToLeft ? 2 : 4);
        Key(Grid, VK_LEFT);
        EXPECT_EQ(Grid->Col(), 3);
        // Dragging the line after column 1 ten pixels outwards widens it.
        Grid->SetOptions(Grid->Options() + goColSizing);
        MouseDown(Grid, mbLeft, {d.At(101), 10});
        MouseMove(Grid, {d.At(111), 10}, {ssLeft});
        MouseUp(Grid, mbLeft, {d.At(111), 10});
        EXPECT_EQ(Grid->ColWidths(1), 60);
        Grid->SetColWidths(1, 50);
        // The editor covers the current cell.
        Grid->SetOptions(Grid->Options() - goColSizing + goEditing);
        Grid->ShowEditor();
        ASSERT_NE(Grid->InplaceEditor(), nullptr);
        EXPECT_EQ(Grid->InplaceEditor()->BoundsRect(), Grid->CellRect(3, 2));
        Grid->HideEditor();
        Grid->SetOptions(Grid->Options() - goEditing);
    }
}

TEST_F(CustomGridTest, RightToLeftHorizontalBarRunsMirrored)
{
    Grid->SetScrollBars(ssBoth);
    Grid->SetBiDiMode(bdRightToLeft);
    TScrollBar* bar = Grid->HorzScrollBar();
    ASSERT_NE(bar, nullptr);
    int last = Grid->ColCount() - 1 - Grid->VisibleColCount();
    EXPECT_EQ(bar->Position(), last) << "the first columns show with the thumb at the right";
    Grid->SetLeftCol(3);
    EXPECT_EQ(bar->Position(), last - 2);
    Key(bar, VK_END);
    EXPECT_EQ(Grid->LeftCol(), 1);
    Key(bar, VK_HOME);
    EXPECT_EQ(Grid->LeftCol(), 1 + last);
    Grid->SetBiDiMode(bdLeftToRight);
    EXPECT_EQ(bar->Position(), last);
}

} // namespace
