#include "platform/controls/Bevel.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Frames.h"

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FControlStyle += csReplicatable;
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape value)
{
    FShape = value;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle value)
{
    FStyle = value;
    Invalidate();
}

void TBevel::Paint()
{
    TCanvas* c = Canvas();
    TRect r = ClientRect();
    unsigned edge = FStyle == bsLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER;
    switch (FShape) {
    case bsBox: DrawEdge(c, &r, edge, BF_RECT); break;
    case bsFrame: DrawEdge(c, &r, EDGE_ETCHED, BF_RECT); break;
    case bsTopLine: DrawEdge(c, &r, EDGE_ETCHED, BF_TOP); break;
    case bsBottomLine: {
        TRect line = Rect(r.Left, r.Bottom - 2, r.Right, r.Bottom);
        DrawEdge(c, &line, EDGE_ETCHED, BF_TOP);
        break;
    }
    case bsLeftLine: DrawEdge(c, &r, EDGE_ETCHED, BF_LEFT); break;
    case bsRightLine: {
        TRect line = Rect(r.Right - 2, r.Top, r.Right, r.Bottom);
        DrawEdge(c, &line, EDGE_ETCHED, BF_LEFT);
        break;
    }
    case bsSpacer: break;
    }
}
