#include "controls/tabs/DeckTabPolygons.h"
#include "platform/controls/Form.h"
#include "platform/rtl/Exceptions.h"

TDeckTabPolygon* TDeckTabPolygons::GetPolygons(int Index) const
{
    if (Index < 0 || Index >= PolygonCount())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return FPolygons[size_t(Index)].get();
}

IDeckTabPolygons* TDeckTabPolygons::AddPolygon(const TPolygon& Polygon, TGPBrush* Brush, TGPPen* Pen)
{
    auto item = std::make_unique<TDeckTabPolygon>();
    item->Polygon = Polygon;
    item->Brush = Brush;
    item->Pen = Pen;
    FPolygons.push_back(std::move(item));
    return this;
}

void TDeckTabPolygons::DrawTo(TGPGraphics* TargetCanvas, TDrawToFunctions DrawToFunctions)
{
    for (const auto& item : FPolygons) {
        if (item->Brush && (DrawToFunctions == dfBrush || DrawToFunctions == dfBrushAndPen))
            FillGPPolygon(TargetCanvas, item->Brush, item->Polygon);
        if (item->Pen && (DrawToFunctions == dfPen || DrawToFunctions == dfBrushAndPen))
            DrawGPPolygon(TargetCanvas, item->Pen, item->Polygon);
    }
}

namespace {
std::vector<TGPPointF> GPPoints(const TPolygon& Polygon)
{
    std::vector<TGPPointF> points;
    points.reserve(size_t(Polygon.Length()));
    for (const TPoint& p : Polygon)
        points.push_back({float(p.X), float(p.Y)});
    return points;
}
} // namespace

void FillGPPolygon(TGPGraphics* Graphics, TGPBrush* Brush, const TPolygon& Polygon)
{
    if (Polygon.IsEmpty())
        return;
    const std::vector<TGPPointF> points = GPPoints(Polygon);
    Graphics->FillPolygon(Brush, points.data(), int(points.size()), FillModeAlternate);
}

void DrawGPPolygon(TGPGraphics* Graphics, TGPPen* Pen, const TPolygon& Polygon)
{
    if (Polygon.IsEmpty())
        return;
    const std::vector<TGPPointF> points = GPPoints(Polygon);
    Graphics->DrawPolygon(Pen, points.data(), int(points.size()));
}

TDragTabObject::~TDragTabObject()
{
    if (FDragForm)
        FDragForm->Release();
}
