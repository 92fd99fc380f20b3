#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

class CanvasPixels : public testing::Test {
protected:
    CanvasPixels() : Bmp(20, 20) { C = Bmp.Canvas(); }

    // All pixels, for before/after comparisons.
    std::vector<TColor> Snapshot() const
    {
        std::vector<TColor> out;
        for (int y = 0; y < Bmp.Height(); ++y)
            for (int x = 0; x < Bmp.Width(); ++x)
                out.push_back(C->Pixels(x, y));
        return out;
    }
    // Pixels that are no longer white.
    int Painted() const
    {
        int n = 0;
        for (TColor c : Snapshot())
            n += c != clWhite;
        return n;
    }

    TBitmap Bmp;
    TCanvas* C;
};

struct PixelCase {
    const char* Name;
    int X, Y;
    TColor Expected;
};

TEST_F(CanvasPixels, FillRectExcludesRightAndBottom)
{
    C->Brush()->SetColor(clRed);
    C->FillRect(Rect(2, 3, 6, 8));
    const PixelCase cases[] = {
        {"top-left", 2, 3, clRed},      {"bottom-right inside", 5, 7, clRed},
        {"right edge", 6, 5, clWhite},   {"bottom edge", 4, 8, clWhite},
        {"left of box", 1, 5, clWhite}, {"above box", 4, 2, clWhite},
    };
    for (const PixelCase& c : cases)
        EXPECT_EQ(C->Pixels(c.X, c.Y), c.Expected) << c.Name;
    EXPECT_EQ(Painted(), 4 * 5);
}

TEST_F(CanvasPixels, ArcAndPieRunCounterClockwiseFromTheFirstRay)
{
    // From the ray to the east to the ray to the north: the upper right quarter.
    struct Shape {
        const char* Name;
        bool Pie;
        TColor Inside;
    };
    const Shape shapes[] = {{"arc", false, clWhite}, {"pie", true, clRed}};
    for (const Shape& s : shapes) {
        SCOPED_TRACE(s.Name);
        C->Brush()->SetColor(clWhite);
        C->FillRect(Rect(0, 0, 20, 20));
        C->Pen()->SetColor(clBlue);
        C->Brush()->SetColor(clRed);
        if (s.Pie)
            C->Pie(0, 0, 20, 20, 20, 10, 10, 0);
        else
            C->Arc(0, 0, 20, 20, 20, 10, 10, 0);
        EXPECT_EQ(C->Pixels(14, 5), s.Inside);
        EXPECT_GT(Painted(), 0);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                if (C->Pixels(x, y) != clWhite) {
                    EXPECT_TRUE(x >= 9 && y <= 10) << x << "," << y;
                }
    }
}

TEST_F(CanvasPixels, LineToLeavesOutItsEndPoint)
{
    struct Line {
        const char* Name;
        TPoint From, To, LastPainted;
    };
    const Line lines[] = {
        {"horizontal", {2, 5}, {10, 5}, {9, 5}},
        {"vertical", {4, 1}, {4, 9}, {4, 8}},
        {"diagonal", {1, 1}, {8, 8}, {7, 7}},
        {"leftwards", {12, 3}, {5, 3}, {6, 3}},
    };
    for (const Line& l : lines) {
        Bmp.Canvas()->Brush()->SetColor(clWhite);
        C->FillRect(Rect(0, 0, 20, 20));
        C->MoveTo(l.From.X, l.From.Y);
        C->LineTo(l.To.X, l.To.Y);
        EXPECT_EQ(C->Pixels(l.From.X, l.From.Y), clBlack) << l.Name;
        EXPECT_EQ(C->Pixels(l.LastPainted.X, l.LastPainted.Y), clBlack) << l.Name;
        EXPECT_EQ(C->Pixels(l.To.X, l.To.Y), clWhite) << l.Name;
        EXPECT_EQ(C->PenPos(), l.To) << l.Name;
    }
}

// Every short line fanned around a point, and lines from far off the
// surface, paint exactly the integer line: per step along the longer axis
// one pixel, the other coordinate nearest the true line (a tie stays on the
// start's side), the end point left out.
TEST(CanvasLines, LineToPaintsTheIntegerLine)
{
    struct Line {
        TPoint From, To;
    };
    std::vector<Line> lines;
    for (int dy = -12; dy <= 12; ++dy)
        for (int dx = -12; dx <= 12; ++dx)
            if (dx != 0 || dy != 0)
                lines.push_back({{20, 20}, {20 + dx, 20 + dy}});
    lines.push_back({{-1000, -993}, {30, 31}});
    lines.push_back({{100000, 7}, {-100000, 8}});
    lines.push_back({{5, -50000}, {6, 50000}});
    lines.push_back({{40, 3}, {-77777, 33333}});
    TBitmap bmp(41, 41);
    TCanvas* c = bmp.Canvas();
    for (const Line& l : lines) {
        c->Brush()->SetColor(clWhite);
        c->FillRect(Rect(0, 0, 41, 41));
        c->MoveTo(l.From.X, l.From.Y);
        c->LineTo(l.To.X, l.To.Y);
        const int dx = l.To.X - l.From.X, dy = l.To.Y - l.From.Y;
        const bool xMajor = std::abs(dx) >= std::abs(dy);
        const int steps = std::max(std::abs(dx), std::abs(dy));
        const int rise = xMajor ? dy : dx;
        std::vector<TPoint> expected;
        for (int i = 0; i < steps; ++i) {
            const int off = int(std::ceil(double(i) * std::abs(rise) / steps - 0.5)) * (rise < 0 ? -1 : 1);
            const int along = (xMajor ? dx : dy) < 0 ? -i : i;
            const TPoint p = xMajor ? TPoint{l.From.X + along, l.From.Y + off} : TPoint{l.From.X + off, l.From.Y + along};
            if (p.X >= 0 && p.X < 41 && p.Y >= 0 && p.Y < 41)
                expected.push_back(p);
        }
        for (int y = 0; y < 41; ++y)
            for (int x = 0; x < 41; ++x) {
                const bool want = std::find(expected.begin(), expected.end(), TPoint{x, y}) != expected.end();
                EXPECT_EQ(c->Pixels(x, y), want ? clBlack : clWhite)
                    << "line (" << l.From.X << "," << l.From.Y << ") to (" << l.To.X << "," << l.To.Y << ") at " << x
                    << "," << y;
            }
    }
    // The line from (20,20) to (8,27) crosses column 11 at y = 25.25.
    c->Brush()->SetColor(clWhite);
    c->FillRect(Rect(0, 0, 41, 41));
    c->MoveTo(20, 20);
    c->LineTo(8, 27);
    EXPECT_EQ(c->Pixels(11, 25), clBlack);
    EXPECT_EQ(c->Pixels(11, 24), clWhite);
}

TEST_F(CanvasPixels, WidthOnePenIsOnePixel)
{
    C->MoveTo(0, 5);
    C->LineTo(15, 5);
    EXPECT_EQ(Painted(), 15);
    EXPECT_EQ(C->Pixels(3, 4), clWhite);
    EXPECT_EQ(C->Pixels(3, 6), clWhite);
}

TEST_F(CanvasPixels, RectangleDrawsPenInsideAndFillsWithBrush)
{
    C->Brush()->SetColor(clRed);
    C->Rectangle(2, 2, 8, 9);
    const PixelCase cases[] = {
        {"top-left corner", 2, 2, clBlack},  {"bottom-right corner", 7, 8, clBlack},
        {"right column", 7, 4, clBlack},     {"bottom row", 4, 8, clBlack},
        {"inside", 3, 3, clRed},             {"inside bottom-right", 6, 7, clRed},
        {"past the right", 8, 4, clWhite},   {"past the bottom", 4, 9, clWhite},
    };
    for (const PixelCase& c : cases)
        EXPECT_EQ(C->Pixels(c.X, c.Y), c.Expected) << c.Name;
}

TEST_F(CanvasPixels, WidePenStaysInsideTheBox)
{
    C->Pen()->SetWidth(3);
    C->Brush()->SetStyle(bsClear);
    C->Rectangle(2, 2, 12, 12);
    EXPECT_EQ(C->Pixels(4, 6), clBlack);
    EXPECT_EQ(C->Pixels(5, 6), clWhite);
    EXPECT_EQ(C->Pixels(11, 11), clBlack);
    EXPECT_EQ(C->Pixels(12, 12), clWhite);
    EXPECT_EQ(C->Pixels(1, 1), clWhite);
}

TEST_F(CanvasPixels, XorPenDrawnTwiceLeavesImageUnchanged)
{
    C->Brush()->SetColor(clYellow);
    C->FillRect(Rect(3, 3, 12, 12));
    const auto before = Snapshot();
    C->Pen()->SetMode(pmXor);
    C->Pen()->SetColor(clWhite);
    for (int pass = 0; pass < 2; ++pass) {
        C->MoveTo(0, 7);
        C->LineTo(19, 7);
        if (pass == 0) {
            EXPECT_EQ(C->Pixels(5, 7), clBlue) << "yellow xor white";
            EXPECT_EQ(C->Pixels(1, 7), clBlack) << "white xor white";
        }
    }
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(CanvasPixels, PenModesCombineWithTheImage)
{
    struct ModeCase {
        const char* Name;
        TPenMode Mode;
        TColor Expected; // pen clRed (0x0000FF) over background 0x00FF0F
    };
    const ModeCase cases[] = {
        {"copy", pmCopy, 0x0000FF},   {"xor", pmXor, 0x00FFF0},      {"not xor", pmNotXor, 0xFF000F},
        {"merge", pmMerge, 0x00FFFF}, {"mask", pmMask, 0x00000F},    {"not", pmNot, 0xFF00F0},
        {"nop", pmNop, 0x00FF0F},     {"black", pmBlack, 0x000000},  {"white", pmWhite, 0xFFFFFF},
    };
    for (const ModeCase& m : cases) {
        C->Pen()->SetMode(pmCopy);
        C->Brush()->SetColor(0x00FF0F);
        C->FillRect(Rect(0, 0, 20, 20));
        C->Pen()->SetColor(clRed);
        C->Pen()->SetMode(m.Mode);
        C->MoveTo(0, 2);
        C->LineTo(10, 2);
        EXPECT_EQ(C->Pixels(4, 2), m.Expected) << m.Name;
        EXPECT_EQ(C->Pixels(4, 3), 0x00FF0F) << m.Name;
    }
}

// A pen mode combines the shape with the image through a scratch image; on
// black, pmMerge must paint exactly what pmCopy paints, for shapes that run
// off the surface, wide pens, hatches, a clip and a moved origin.
TEST(CanvasPenModes, MergeOnBlackPaintsWhatCopyPaints)
{
    struct Shape {
        const char* Name;
        std::function<void(TCanvas*)> Draw;
    };
    const Shape shapes[] = {
        {"line off the left edge", [](TCanvas* c) { c->MoveTo(-5, 3); c->LineTo(12, 30); }},
        {"wide line", [](TCanvas* c) { c->Pen()->SetWidth(5); c->MoveTo(30, 2); c->LineTo(4, 20); }},
        {"rectangle off the corner", [](TCanvas* c) { c->Rectangle(25, 18, 50, 40); }},
        {"hatched rectangle", [](TCanvas* c) { c->Brush()->SetStyle(bsDiagCross); c->Rectangle(3, 5, 27, 22); }},
        {"ellipse, wide pen", [](TCanvas* c) { c->Pen()->SetWidth(3); c->Ellipse(6, 4, 33, 26); }},
        {"round rectangle", [](TCanvas* c) { c->RoundRect(2, 2, 30, 20, 8, 8); }},
        {"polygon", [](TCanvas* c) { c->Polygon({{5, 25}, {20, 1}, {38, 27}}); }},
        {"polyline", [](TCanvas* c) { c->Polyline({{1, 1}, {39, 5}, {2, 28}}); }},
        {"pie", [](TCanvas* c) { c->Pie(4, 2, 36, 28, 36, 15, 20, 2); }},
        {"arc", [](TCanvas* c) { c->Arc(4, 2, 36, 28, 20, 2, 4, 15); }},
    };
    struct Setup {
        const char* Name;
        std::function<void(HDC)> Apply;
    };
    const Setup setups[] = {
        {"plain", [](HDC) {}},
        {"clipped", [](HDC dc) { IntersectClipRect(dc, 2, 4, 30, 26); }},
        {"origin moved", [](HDC dc) { SetViewportOrgEx(dc, 3, -2, nullptr); }},
    };
    auto paint = [](const Shape& shape, const Setup& setup, TPenMode mode) {
        TBitmap bmp(40, 30);
        TCanvas* c = bmp.Canvas();
        c->Brush()->SetColor(clBlack);
        c->FillRect(Rect(0, 0, 40, 30));
        c->Brush()->SetColor(0x3080F0);
        c->Pen()->SetColor(0xF0C020);
        c->Pen()->SetMode(mode);
        setup.Apply(c->Handle());
        shape.Draw(c);
        SetViewportOrgEx(c->Handle(), 0, 0, nullptr);
        std::vector<TColor> out;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                out.push_back(c->Pixels(x, y));
        return out;
    };
    for (const Shape& shape : shapes)
        for (const Setup& setup : setups) {
            SCOPED_TRACE(std::string(shape.Name) + ", " + setup.Name);
            const auto copied = paint(shape, setup, pmCopy);
            EXPECT_GT(std::count_if(copied.begin(), copied.end(), [](TColor c) { return c != clBlack; }), 10);
            EXPECT_EQ(paint(shape, setup, pmMerge), copied);
        }
}

TEST_F(CanvasPixels, RasterOperationsOfBitBlt)
{
    struct RopCase {
        const char* Name;
        TCopyMode Rop;
        TColor Expected; // source 0x00FF0F onto 0x0F0F00, brush 0x0000FF
    };
    const RopCase cases[] = {
        {"SRCCOPY", SRCCOPY, 0x00FF0F},   {"SRCINVERT", SRCINVERT, 0x0FF00F},
        {"SRCAND", SRCAND, 0x000F00},     {"SRCPAINT", SRCPAINT, 0x0FFF0F},
        {"DSTINVERT", DSTINVERT, 0xF0F0FF}, {"PATCOPY", PATCOPY, 0x0000FF},
        {"PATINVERT", PATINVERT, 0x0F0FFF}, {"BLACKNESS", BLACKNESS, 0x000000},
        {"NOTSRCCOPY", NOTSRCCOPY, 0xFF00F0},
    };
    TBitmap src(4, 4);
    src.Canvas()->Brush()->SetColor(0x00FF0F);
    src.Canvas()->FillRect(Rect(0, 0, 4, 4));
    for (const RopCase& r : cases) {
        C->Brush()->SetColor(0x0F0F00);
        C->FillRect(Rect(0, 0, 20, 20));
        C->Brush()->SetColor(0x0000FF);
        BitBlt(C->Handle(), 5, 5, 4, 4, src.Canvas()->Handle(), 0, 0, r.Rop);
        EXPECT_EQ(C->Pixels(6, 6), r.Expected) << r.Name;
        EXPECT_EQ(C->Pixels(9, 9), 0x0F0F00) << r.Name;
    }
}

TEST_F(CanvasPixels, CopyRectStretchesAndBrushCopyLeavesOutAColour)
{
    TBitmap src(2, 2);
    src.Canvas()->SetPixels(0, 0, clRed);
    src.Canvas()->SetPixels(1, 1, clBlue);
    C->CopyRect(Rect(0, 0, 8, 8), src.Canvas(), Rect(0, 0, 2, 2));
    EXPECT_EQ(C->Pixels(3, 3), clRed) << "each source pixel becomes 4 x 4";
    EXPECT_EQ(C->Pixels(4, 3), clWhite);
    EXPECT_EQ(C->Pixels(7, 7), clBlue);
    EXPECT_EQ(C->Pixels(8, 8), clWhite);

    C->Brush()->SetColor(clGreen);
    C->FillRect(Rect(0, 0, 20, 20));
    C->BrushCopy(Rect(10, 10, 12, 12), &src, Rect(0, 0, 2, 2), clWhite);
    EXPECT_EQ(C->Pixels(10, 10), clRed);
    EXPECT_EQ(C->Pixels(11, 10), clGreen) << "white left out";
}

TEST_F(CanvasPixels, HatchBrushesRunTheirWayOverTheBackground)
{
    // Each hatch line continues by its step: a line pixel at (x, y) has
    // another at (x + dx, y + dy); the pattern's phase does not matter.
    struct HatchCase {
        const char* Name;
        TBrushStyle Style;
        int DX, DY;
    };
    const HatchCase cases[] = {
        {"forward diagonal falls to the right", bsFDiagonal, 1, 1},
        {"backward diagonal rises to the right", bsBDiagonal, 1, -1},
        {"horizontal", bsHorizontal, 1, 0},
        {"vertical", bsVertical, 0, 1},
    };
    for (const HatchCase& c : cases) {
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(clWhite);
        C->FillRect(Rect(0, 0, 20, 20));
        C->Brush()->SetColor(clBlack);
        C->Brush()->SetStyle(c.Style);
        SetBkColor(C->Handle(), clYellow);
        SetBkMode(C->Handle(), OPAQUE);
        C->FillRect(Rect(0, 0, 16, 16));
        int lines = 0, background = 0;
        for (int y = 4; y < 12; ++y)
            for (int x = 4; x < 12; ++x) {
                const TColor p = C->Pixels(x, y);
                background += p == clYellow;
                if (p != clBlack)
                    continue;
                ++lines;
                EXPECT_EQ(C->Pixels(x + c.DX, y + c.DY), clBlack) << c.Name << " at " << x << "," << y;
            }
        EXPECT_GT(lines, 0) << c.Name;
        EXPECT_EQ(lines + background, 64) << c.Name << ": opaque background between the lines";
    }
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(clWhite);
    C->FillRect(Rect(0, 0, 20, 20));
    C->Brush()->SetColor(clBlack);
    C->Brush()->SetStyle(bsCross);
    SetBkMode(C->Handle(), TRANSPARENT);
    C->FillRect(Rect(0, 0, 16, 16));
    int white = 0;
    for (int x = 0; x < 8; ++x)
        white += C->Pixels(x, x / 2) == clWhite;
    EXPECT_GT(white, 0) << "transparent background";
}

TEST_F(CanvasPixels, FocusRectDrawnTwiceRestoresTheImage)
{
    C->Brush()->SetColor(clBtnFace);
    C->FillRect(Rect(0, 0, 20, 20));
    const auto before = Snapshot();
    C->DrawFocusRect(Rect(2, 2, 15, 12));
    EXPECT_NE(Snapshot(), before);
    EXPECT_EQ(C->Pixels(5, 5), ColorToRGB(clBtnFace)) << "inside untouched";
    C->DrawFocusRect(Rect(2, 2, 15, 12));
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(CanvasPixels, ClipRegionsLimitDrawing)
{
    struct ClipCase {
        const char* Name;
        std::function<void(HDC)> Clip;
        TPoint Inside, Outside;
    };
    const ClipCase cases[] = {
        {"exclude", [](HDC dc) { ExcludeClipRect(dc, 5, 5, 10, 10); }, {2, 2}, {7, 7}},
        {"intersect", [](HDC dc) { IntersectClipRect(dc, 5, 5, 10, 10); }, {7, 7}, {2, 2}},
        {"select region",
         [](HDC dc) {
             HRGN rgn = CreateRectRgn(0, 0, 4, 20);
             SelectClipRgn(dc, rgn);
             DeleteObject(rgn);
         },
         {1, 10}, {6, 10}},
    };
    for (const ClipCase& c : cases) {
        SelectClipRgn(C->Handle(), nullptr);
        C->Brush()->SetColor(clWhite);
        C->FillRect(Rect(0, 0, 20, 20));
        const int saved = SaveDC(C->Handle());
        c.Clip(C->Handle());
        C->Brush()->SetColor(clGreen);
        C->FillRect(Rect(0, 0, 20, 20));
        EXPECT_EQ(C->Pixels(c.Inside.X, c.Inside.Y), clGreen) << c.Name;
        EXPECT_EQ(C->Pixels(c.Outside.X, c.Outside.Y), clWhite) << c.Name;
        RestoreDC(C->Handle(), saved);
        C->FillRect(Rect(0, 0, 20, 20));
        EXPECT_EQ(C->Pixels(c.Outside.X, c.Outside.Y), clGreen) << c.Name << ": clip restored";
    }
}

TEST_F(CanvasPixels, ViewportOriginMovesDrawing)
{
    SetViewportOrgEx(C->Handle(), 5, 3, nullptr);
    C->Brush()->SetColor(clRed);
    C->FillRect(Rect(0, 0, 2, 2));
    EXPECT_EQ(C->Pixels(0, 0), clRed) << "pixels are logical too";
    SetViewportOrgEx(C->Handle(), 0, 0, nullptr);
    EXPECT_EQ(C->Pixels(5, 3), clRed);
    EXPECT_EQ(C->Pixels(0, 0), clWhite);
}

TEST_F(CanvasPixels, LoMetricUnitsAreTenthsOfMillimetresWithYUp)
{
    TBitmap page(200, 200);
    TCanvas* c = page.Canvas();
    SetMapMode(c->Handle(), MM_LOMETRIC);
    c->Brush()->SetColor(clBlue);
    // 25.4 mm = 96 pixels at 96 dpi; y runs downwards as it gets negative.
    c->FillRect(Rect(0, 0, 254, -254));
    SetMapMode(c->Handle(), MM_TEXT);
    EXPECT_EQ(GetDeviceCaps(c->Handle(), LOGPIXELSX), 96);
    EXPECT_EQ(c->Pixels(0, 0), clBlue);
    EXPECT_EQ(c->Pixels(95, 95), clBlue);
    EXPECT_EQ(c->Pixels(96, 50), clWhite);
    EXPECT_EQ(c->Pixels(50, 96), clWhite);
}

TEST_F(CanvasPixels, PixelsOutsideTheImageAreInvalid)
{
    C->SetPixels(3, 4, clRed);
    EXPECT_EQ(C->Pixels(3, 4), clRed);
    EXPECT_EQ(C->Pixels(-1, 0), TColor(-1));
    EXPECT_EQ(C->Pixels(20, 0), TColor(-1));
}

TEST_F(CanvasPixels, FloodFillStopsAtTheBorderColour)
{
    C->Brush()->SetStyle(bsClear);
    C->Rectangle(2, 2, 12, 12);
    C->Brush()->SetColor(clLime);
    C->FloodFill(6, 6, clBlack, fsBorder);
    EXPECT_EQ(C->Pixels(3, 3), clLime);
    EXPECT_EQ(C->Pixels(10, 10), clLime);
    EXPECT_EQ(C->Pixels(2, 2), clBlack);
    EXPECT_EQ(C->Pixels(15, 15), clWhite);
}

TEST_F(CanvasPixels, AfterDrawHookRunsForEveryOperation)
{
    int calls = 0;
    C->AfterDraw = [&calls] { ++calls; };
    C->FillRect(Rect(0, 0, 2, 2));
    C->LineTo(5, 5);
    C->TextOut(0, 0, QStringLiteral("x"));
    EXPECT_EQ(calls, 3);
}

// RestoreDC brings back the old background colour; setting the brush again,
// even to the colour it has, makes text fill with the brush once more.
TEST_F(CanvasPixels, BrushSetAgainAfterRestoreDCFillsText)
{
    struct Case {
        const char* Name;
        std::function<void(TCanvas*)> Draw;
    };
    const Case cases[] = {
        {"TextRect", [](TCanvas* c) { c->TextRect(Rect(0, 0, 20, 20), 30, 30, QStringLiteral("x")); }},
        {"TextOut", [](TCanvas* c) { c->TextOut(0, 0, QStringLiteral(" ")); }},
    };
    for (const Case& c : cases) {
        C->Brush()->SetColor(clRed);
        const int saved = SaveDC(C->Handle());
        C->Brush()->SetColor(clBlue);
        RestoreDC(C->Handle(), saved);
        c.Draw(C);
        EXPECT_EQ(C->Pixels(1, 1), clRed) << c.Name << ": the restored background";
        C->Brush()->SetColor(clBlue);
        c.Draw(C);
        EXPECT_EQ(C->Pixels(1, 1), clBlue) << c.Name;
    }
}

} // namespace
