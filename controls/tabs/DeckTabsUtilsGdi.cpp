#include "controls/tabs/DeckTabsUtils.h"

#include <vector>

void ClipToPolygon(TGPGraphics* Graphics, const TPolygon& Polygon, TCombineMode Mode)
{
    std::vector<TGPPointF> points;
    points.reserve(size_t(Polygon.Length()));
    for (const TPoint& p : Polygon)
        points.push_back({float(p.X), float(p.Y)});
    TGPGraphicsPath path(FillModeAlternate);
    path.AddPolygon(points.data(), int(points.size()));
    Graphics->SetClip(&path, Mode);
}
