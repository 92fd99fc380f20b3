#include "grid/core/GridCursors.h"
#include "platform/controls/Screen.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include <cmath>
#include <vector>

namespace {

constexpr int Size = 24;
constexpr TColor Key = clFuchsia;

std::unique_ptr<TBitmap> Blank()
{
    auto bmp = std::make_unique<TBitmap>(Size, Size);
    bmp->SetTransparentMode(tmFixed);
    bmp->SetTransparentColor(Key);
    TCanvas* c = bmp->Canvas();
    c->Brush()->SetColor(Key);
    c->FillRect(TRect{0, 0, Size, Size});
    c->Pen()->SetColor(clWhite);
    c->Brush()->SetColor(clBlack);
    return bmp;
}

// A filled arrow from the centre towards (DX, DY), outlined in white.
void Arrow(TCanvas* C, int CX, int CY, int DX, int DY, int Length)
{
    const double len = std::hypot(DX, DY);
    const double ux = DX / len, uy = DY / len;
    const int tipX = CX + int(std::lround(ux * Length)), tipY = CY + int(std::lround(uy * Length));
    const int baseX = CX + int(std::lround(ux * (Length - 6))), baseY = CY + int(std::lround(uy * (Length - 6)));
    const int px = int(std::lround(-uy * 5)), py = int(std::lround(ux * 5));
    C->Polygon({TPoint{tipX, tipY}, TPoint{baseX + px, baseY + py}, TPoint{baseX - px, baseY - py}});
    const int sx = int(std::lround(-uy * 1.5)), sy = int(std::lround(ux * 1.5));
    if (Length > 8)
        C->Polygon({TPoint{CX + sx, CY + sy}, TPoint{baseX + sx, baseY + sy}, TPoint{baseX - sx, baseY - sy},
                    TPoint{CX - sx, CY - sy}});
}

void Register(TCursor Id, TBitmap* Bmp, int HotX, int HotY) { Screen->SetCursorImage(Id, Bmp, TPoint{HotX, HotY}); }

// A header arrow pointing along (DX, DY), its hot spot at the tip.
void HeaderArrow(TCursor Id, int DX, int DY)
{
    auto bmp = Blank();
    const int c = Size / 2;
    Arrow(bmp->Canvas(), c - DX * 8, c - DY * 8, DX, DY, 16);
    Register(Id, bmp.get(), c + DX * 8, c + DY * 8);
}

// The neutral panning ring, or a ring with one arrow out of it.
void PanCursor(TCursor Id, int DX, int DY)
{
    auto bmp = Blank();
    TCanvas* c = bmp->Canvas();
    const int m = Size / 2;
    c->Ellipse(m - 3, m - 3, m + 4, m + 4);
    if (DX == 0 && DY == 0) {
        for (auto [dx, dy] : {std::pair{0, -1}, {0, 1}, {-1, 0}, {1, 0}})
            Arrow(c, m + dx * 5, m + dy * 5, dx, dy, 6);
    } else {
        Arrow(c, m, m, DX, DY, 11);
    }
    Register(Id, bmp.get(), m, m);
}

} // namespace

void RegisterGridCursors()
{
    if (!Screen || Screen->HasCursorImage(crPanNeutral))
        return;
    HeaderArrow(crGridRowSelect, 1, 0);
    HeaderArrow(crGridColSelect, 0, 1);
    HeaderArrow(crGridAllSelect, 1, 1);
    auto sel = Blank();
    sel->Canvas()->Rectangle(TRect{4, 4, Size - 4, Size - 4});
    sel->Canvas()->Brush()->SetColor(clWhite);
    sel->Canvas()->Rectangle(TRect{8, 8, Size - 8, Size - 8});
    Register(crGridCellSelector, sel.get(), Size / 2, Size / 2);
    PanCursor(crPanNeutral, 0, 0);
    PanCursor(crPanDown, 0, 1);
    PanCursor(crPanLeft, -1, 0);
    PanCursor(crPanRight, 1, 0);
    PanCursor(crPanUp, 0, -1);
    PanCursor(crPanUpRight, 1, -1);
    PanCursor(crPanUpLeft, -1, -1);
    PanCursor(crPanDownRight, 1, 1);
    PanCursor(crPanDownLeft, -1, 1);
}
