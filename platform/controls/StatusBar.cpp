#include "platform/controls/StatusBar.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Frames.h"
#include "platform/rtl/Exceptions.h"

void TStatusPanel::SetText(const QString& value)
{
    FText = value;
    FOwner->Invalidate();
}

void TStatusPanel::SetWidth(int value)
{
    FWidth = std::max(value, 0);
    FOwner->Invalidate();
}

void TStatusPanel::SetAlignment(TAlignment value)
{
    FAlignment = value;
    FOwner->Invalidate();
}

TStatusPanel* TStatusPanels::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return FItems[std::size_t(Index)];
}

TStatusPanel* TStatusPanels::Add()
{
    auto* p = new TStatusPanel(FOwner);
    FItems.push_back(p);
    FOwner->Invalidate();
    return p;
}

void TStatusPanels::Delete(int Index)
{
    delete Items(Index);
    FItems.erase(FItems.begin() + Index);
    FOwner->Invalidate();
}

void TStatusPanels::Clear()
{
    for (TStatusPanel* p : FItems)
        delete p;
    FItems.clear();
}

TStatusBar::TStatusBar(TComponent* AOwner) : TCustomControl(AOwner), FPanels(new TStatusPanels(this))
{
    FControlStyle = {csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
    SetColor(clBtnFace);
    SetBounds(0, 0, 200, 19);
    SetAlign(alBottom);
}

TStatusBar::~TStatusBar()
{
    delete FPanels;
    FPanels = nullptr;
}

void TStatusBar::SetSimplePanel(bool value)
{
    FSimplePanel = value;
    Invalidate();
}

void TStatusBar::SetSimpleText(const QString& value)
{
    FSimpleText = value;
    Invalidate();
}

TRect TStatusBar::PanelRect(int Index) const
{
    int x = 0;
    for (int i = 0; i < FPanels->Count(); ++i) {
        int w = FPanels->Items(i)->Width();
        bool last = i == FPanels->Count() - 1;
        TRect r = Rect(x, 0, last ? std::max(ClientWidth(), x + w) : x + w, ClientHeight());
        if (i == Index)
            return r;
        x += w;
    }
    return {};
}

void TStatusBar::Paint()
{
    TCanvas* c = Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(ClientRect());
    c->SetFont(Font());
    c->Brush()->SetStyle(bsClear);
    auto text = [c](TRect r, const QString& s, TAlignment a) {
        TRect edge = r;
        DrawEdge(c, &edge, BDR_SUNKENOUTER, BF_RECT);
        r = Rect(r.Left + 3, r.Top + 1, r.Right - 3, r.Bottom - 1);
        unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
        if (a == taCenter)
            flags |= DT_CENTER;
        else if (a == taRightJustify)
            flags |= DT_RIGHT;
        DrawText(c, s, -1, &r, flags);
    };
    if (FSimplePanel) {
        text(ClientRect(), FSimpleText, taLeftJustify);
        return;
    }
    for (int i = 0; i < FPanels->Count(); ++i)
        text(PanelRect(i), FPanels->Items(i)->Text(), FPanels->Items(i)->Alignment());
}
