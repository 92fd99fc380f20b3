#include "platform/controls/CategoryPanelGroup.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Frames.h"
#include "platform/rtl/Exceptions.h"

// Panel

TCategoryPanel::TCategoryPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
    SetColor(clWindow);
    SetBounds(0, 0, 200, 200);
}

TCategoryPanelGroup* TCategoryPanel::PanelGroup() const { return dynamic_cast<TCategoryPanelGroup*>(Parent()); }

void TCategoryPanel::SetPanelGroup(TCategoryPanelGroup* value) { SetParent(value); }

int TCategoryPanel::HeaderHeight() const
{
    TCategoryPanelGroup* g = PanelGroup();
    return g ? g->HeaderHeight() : 24;
}

void TCategoryPanel::SetCollapsed(bool value)
{
    if (FCollapsed == value)
        return;
    FCollapsed = value;
    if (TCategoryPanelGroup* g = PanelGroup())
        g->Realign();
    else
        SetBounds(Left(), Top(), Width(), value ? HeaderHeight() : FExpandedHeight);
    Invalidate();
    if (value && OnCollapse)
        OnCollapse(this);
    else if (!value && OnExpand)
        OnExpand(this);
}

void TCategoryPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (!FPlacing && !FCollapsed)
        FExpandedHeight = AHeight;
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (!FPlacing)
        if (TCategoryPanelGroup* g = PanelGroup())
            g->Realign();
}

void TCategoryPanel::SetParent(TWinControl* AParent)
{
    TWinControl* old = Parent();
    TCustomControl::SetParent(AParent);
    // The groups left and joined stack their panels again.
    if (auto* g = dynamic_cast<TCategoryPanelGroup*>(old))
        g->Realign();
    if (TCategoryPanelGroup* g = PanelGroup())
        g->Realign();
}

void TCategoryPanel::AdjustClientRect(TRect& Rect)
{
    TCustomControl::AdjustClientRect(Rect);
    Rect.Top += HeaderHeight();
}

void TCategoryPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && Y < HeaderHeight())
        SetCollapsed(!FCollapsed);
}

void TCategoryPanel::CMTextChanged(TMessage& Message)
{
    TCustomControl::CMTextChanged(Message);
    Invalidate();
}

void TCategoryPanel::Paint()
{
    TCanvas* c = Canvas();
    TRect client = ClientRect();
    int h = HeaderHeight();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(Rect(0, h, client.Right, client.Bottom));
    TRect header = Rect(0, 0, client.Right, h);
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(header);
    TRect edge = header;
    DrawEdge(c, &edge, BDR_RAISEDINNER, BF_RECT);
    // The chevron: down when expanded, right when collapsed.
    int cx = 10, cy = h / 2;
    c->Pen()->SetColor(clBtnText);
    c->Brush()->SetColor(clBtnText);
    if (FCollapsed)
        c->Polygon({{cx - 2, cy - 4}, {cx + 2, cy}, {cx - 2, cy + 4}});
    else
        c->Polygon({{cx - 4, cy - 2}, {cx + 4, cy - 2}, {cx, cy + 2}});
    c->Brush()->SetStyle(bsClear);
    c->SetFont(Font());
    c->Font()->SetStyle({fsBold});
    TRect text = Rect(20, 0, client.Right - 4, h);
    DrawText(c, Caption(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}

// Group

TCategoryPanelGroup::TCategoryPanelGroup(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks};
    SetColor(clBtnFace);
    SetBounds(0, 0, 200, 400);
}

std::vector<TCategoryPanel*> TCategoryPanelGroup::PanelList() const
{
    std::vector<TCategoryPanel*> list;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* p = dynamic_cast<TCategoryPanel*>(Controls(i)))
            list.push_back(p);
    return list;
}

int TCategoryPanelGroup::PanelCount() const { return int(PanelList().size()); }

TCategoryPanel* TCategoryPanelGroup::Panels(int Index) const
{
    auto list = PanelList();
    if (Index < 0 || Index >= int(list.size()))
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return list[std::size_t(Index)];
}

void TCategoryPanelGroup::SetHeaderHeight(int value)
{
    FHeaderHeight = std::max(value, 1);
    Realign();
    for (TCategoryPanel* p : PanelList())
        p->Invalidate();
}

int TCategoryPanelGroup::ScrollRange() const
{
    int total = 0;
    for (TCategoryPanel* p : PanelList())
        if (p->Visible())
            total += p->Collapsed() ? FHeaderHeight : p->ExpandedHeight();
    return std::max(0, total - ClientHeight());
}

void TCategoryPanelGroup::SetScrollPos(int value)
{
    value = std::clamp(value, 0, ScrollRange());
    if (value == FScrollPos)
        return;
    FScrollPos = value;
    Realign();
}

void TCategoryPanelGroup::CollapseAll()
{
    for (TCategoryPanel* p : PanelList())
        p->SetCollapsed(true);
}

void TCategoryPanelGroup::ExpandAll()
{
    for (TCategoryPanel* p : PanelList())
        p->SetCollapsed(false);
}

void TCategoryPanelGroup::AlignControls(TControl*, TRect&)
{
    if (FPlacing)
        return;
    FPlacing = true;
    FScrollPos = std::clamp(FScrollPos, 0, ScrollRange());
    int y = -FScrollPos;
    for (TCategoryPanel* p : PanelList()) {
        if (!p->Visible())
            continue;
        int h = p->Collapsed() ? FHeaderHeight : p->ExpandedHeight();
        p->FPlacing = true;
        p->SetBounds(0, y, ClientWidth(), h);
        p->FPlacing = false;
        y += h;
    }
    FPlacing = false;
}

bool TCategoryPanelGroup::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos))
        return true;
    if (ScrollRange() == 0)
        return false;
    int step = GetWheelScrollLines() * FIncrement;
    SetScrollPos(FScrollPos - WheelDelta * step / WHEEL_DELTA);
    return true;
}
