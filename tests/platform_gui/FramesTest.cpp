#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Frames.h"
#include <gtest/gtest.h>

namespace {

class Frames : public testing::Test {
protected:
    Frames() : Bmp(30, 30) { C = Bmp.Canvas(); }
    void Clear()
    {
        C->Brush()->SetColor(clWhite);
        C->FillRect(Rect(0, 0, 30, 30));
    }
    TColor At(int x, int y) { return C->Pixels(x, y); }

    TBitmap Bmp;
    TCanvas* C;
};

TEST_F(Frames, EdgeColoursAndCorners)
{
    struct EdgeCase {
        const char* Name;
        unsigned Edge, Flags;
        int X, Y;
        TColor Expected;
    };
    const EdgeCase cases[] = {
        {"raised outer top-left", EDGE_RAISED, BF_RECT, 0, 0, cl3DLight},
        {"raised inner top-left", EDGE_RAISED, BF_RECT, 1, 1, clBtnHighlight},
        {"raised outer bottom-right", EDGE_RAISED, BF_RECT, 9, 9, cl3DDkShadow},
        {"raised inner bottom-right", EDGE_RAISED, BF_RECT, 8, 8, clBtnShadow},
        {"top-right corner is dark", EDGE_RAISED, BF_RECT, 9, 0, cl3DDkShadow},
        {"bottom-left corner is dark", EDGE_RAISED, BF_RECT, 0, 9, cl3DDkShadow},
        {"soft raised outer", EDGE_RAISED, BF_RECT | BF_SOFT, 0, 0, clBtnHighlight},
        {"sunken outer top-left", EDGE_SUNKEN, BF_RECT, 0, 0, clBtnShadow},
        {"sunken inner top-left", EDGE_SUNKEN, BF_RECT, 1, 1, cl3DDkShadow},
        {"sunken outer bottom-right", EDGE_SUNKEN, BF_RECT, 9, 9, clBtnHighlight},
        {"sunken inner bottom-right", EDGE_SUNKEN, BF_RECT, 8, 8, cl3DLight},
        {"etched", EDGE_ETCHED, BF_RECT, 1, 1, clBtnHighlight},
        {"flat", EDGE_SUNKEN, BF_RECT | BF_FLAT, 9, 9, clBtnShadow},
        {"middle", EDGE_RAISED, BF_RECT | BF_MIDDLE, 5, 5, clBtnFace},
        {"no middle", EDGE_RAISED, BF_RECT, 5, 5, clWhite},
        {"right and bottom only", EDGE_RAISED, BF_BOTTOMRIGHT, 0, 0, clWhite},
        {"right edge of bottom-right", EDGE_RAISED, BF_BOTTOMRIGHT, 9, 0, cl3DDkShadow},
        {"outside", EDGE_RAISED, BF_RECT, 10, 10, clWhite},
    };
    for (const EdgeCase& c : cases) {
        Clear();
        TRect r = Rect(0, 0, 10, 10);
        DrawEdge(C->Handle(), &r, c.Edge, c.Flags);
        EXPECT_EQ(At(c.X, c.Y), ColorToRGB(c.Expected)) << c.Name;
    }
}

TEST_F(Frames, AdjustShrinksToTheInside)
{
    struct AdjustCase {
        const char* Name;
        unsigned Edge, Flags;
        TRect Expected;
    };
    const AdjustCase cases[] = {
        {"two layers", EDGE_RAISED, BF_RECT | BF_ADJUST, Rect(2, 2, 8, 8)},
        {"one layer", BDR_SUNKENOUTER, BF_RECT | BF_ADJUST, Rect(1, 1, 9, 9)},
        {"top only", EDGE_SUNKEN, BF_TOP | BF_ADJUST, Rect(0, 2, 10, 10)},
        {"without adjust", EDGE_RAISED, BF_RECT, Rect(0, 0, 10, 10)},
    };
    for (const AdjustCase& c : cases) {
        TRect r = Rect(0, 0, 10, 10);
        DrawEdge(C->Handle(), &r, c.Edge, c.Flags);
        EXPECT_EQ(r, c.Expected) << c.Name;
    }
}

TEST_F(Frames, FrameControlsShowTheirState)
{
    struct ControlCase {
        const char* Name;
        unsigned Type, State;
        int X, Y;
        TColor Expected;
    };
    // A 13-pixel box at (0,0): edge of two pixels, interior 9 x 9 from (2,2).
    const ControlCase cases[] = {
        {"check box interior", DFC_BUTTON, DFCS_BUTTONCHECK, 6, 6, clWindow},
        {"check mark", DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED, 6, 8, clWindowText},
        {"inactive check box", DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_INACTIVE, 6, 6, clBtnFace},
        {"inactive check mark", DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE, 6, 8, clGrayText},
        {"check box edge", DFC_BUTTON, DFCS_BUTTONCHECK, 0, 0, clBtnShadow},
        {"flat check box edge", DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT, 12, 12, clBtnShadow},
        {"flat check box has one layer", DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT, 1, 1, clWindow},
        {"radio centre", DFC_BUTTON, DFCS_BUTTONRADIO, 6, 6, clWindow},
        {"checked radio centre", DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED, 6, 6, clWindowText},
        {"push button face", DFC_BUTTON, DFCS_BUTTONPUSH, 6, 6, clBtnFace},
        {"push button highlight", DFC_BUTTON, DFCS_BUTTONPUSH, 0, 0, clBtnHighlight},
        {"pushed button shadow", DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED, 0, 0, cl3DDkShadow},
        {"combo arrow", DFC_SCROLL, DFCS_SCROLLCOMBOBOX, 6, 6, clBtnText},
        {"inactive combo arrow", DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_INACTIVE, 6, 6, clBtnShadow},
    };
    for (const ControlCase& c : cases) {
        Clear();
        TRect r = Rect(0, 0, 13, 13);
        EXPECT_TRUE(DrawFrameControl(C->Handle(), &r, c.Type, c.State)) << c.Name;
        EXPECT_EQ(At(c.X, c.Y), ColorToRGB(c.Expected)) << c.Name;
    }
}

TEST_F(Frames, ArrowsPointTheirWay)
{
    struct ArrowCase {
        const char* Name;
        unsigned State;
        bool WidestFirst; // widest row (or column) first in reading order
        bool Vertical;
    };
    const ArrowCase cases[] = {
        {"down", DFCS_SCROLLDOWN, true, true},
        {"up", DFCS_SCROLLUP, false, true},
        {"right", DFCS_SCROLLRIGHT, true, false},
        {"left", DFCS_SCROLLLEFT, false, false},
    };
    for (const ArrowCase& c : cases) {
        Clear();
        TRect r = Rect(0, 0, 17, 17);
        DrawFrameControl(C->Handle(), &r, DFC_SCROLL, c.State);
        std::vector<int> widths;
        for (int i = 2; i < 15; ++i) {
            int n = 0;
            for (int j = 2; j < 15; ++j)
                n += (c.Vertical ? At(j, i) : At(i, j)) == clBlack;
            if (n)
                widths.push_back(n);
        }
        ASSERT_EQ(widths.size(), 4u) << c.Name;
        const std::vector<int> expected = c.WidestFirst ? std::vector<int>{7, 5, 3, 1} : std::vector<int>{1, 3, 5, 7};
        EXPECT_EQ(widths, expected) << c.Name;
    }
}

TEST_F(Frames, DrawingKeepsTheCanvasState)
{
    SetBkMode(C->Handle(), TRANSPARENT);
    C->Brush()->SetStyle(bsClear);
    C->Pen()->SetColor(clRed);
    TRect r = Rect(0, 0, 13, 13);
    DrawFrameControl(C->Handle(), &r, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED);
    DrawEdge(C->Handle(), &r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    EXPECT_EQ(GetBkMode(C->Handle()), TRANSPARENT);
    EXPECT_EQ(C->Brush()->Style(), bsClear);
    EXPECT_EQ(C->Pen()->Color(), clRed);
}

TEST_F(Frames, GradientBandsRunFromStartTowardsEnd)
{
    GradientFillRect(C, Rect(0, 0, 10, 5), clBlack, RGB(200, 100, 0), true);
    EXPECT_EQ(At(0, 2), clBlack);
    EXPECT_EQ(At(5, 2), RGB(100, 50, 0));
    EXPECT_EQ(At(9, 4), RGB(180, 90, 0));
    EXPECT_EQ(At(10, 2), clWhite);

    TRIVERTEX v[2];
    v[0].x = 0, v[0].y = 10, v[0].Red = 0xFF00;
    v[1].x = 4, v[1].y = 20, v[1].Blue = 0xFF00;
    GRADIENT_RECT mesh{0, 1};
    EXPECT_TRUE(GradientFill(C->Handle(), v, 2, &mesh, 1, GRADIENT_FILL_RECT_V));
    EXPECT_EQ(At(2, 10), clRed);
    EXPECT_EQ(At(2, 15), RGB(128, 0, 127));
    EXPECT_EQ(At(2, 20), clWhite);
}

} // namespace
