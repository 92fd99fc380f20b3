#include "platform/controls/ScrollingWinControl.h"
#include "platform/controls/SystemMetrics.h"
#include "platform/controls/WinApi.h"
#include <algorithm>

// Control scroll bar

TControlScrollBar::TControlScrollBar(TScrollingWinControl* AControl, TScrollBarKind AKind)
    : FControl(AControl), FKind(AKind)
{
}

bool TControlScrollBar::IsScrollBarVisible() const
{
    return FKind == sbHorizontal ? FControl->FShowHorz : FControl->FShowVert;
}

int TControlScrollBar::ControlSize() const
{
    return FKind == sbHorizontal ? FControl->ClientWidth() : FControl->ClientHeight();
}

void TControlScrollBar::SetPosition(int Value)
{
    const int last = IsScrollBarVisible() ? std::max(FRange - ControlSize(), 0) : 0;
    Value = std::clamp(Value, 0, last);
    if (Value == FPosition)
        return;
    const int delta = FPosition - Value;
    FPosition = Value;
    if (FKind == sbHorizontal)
        FControl->ScrollBy(delta, 0);
    else
        FControl->ScrollBy(0, delta);
    if (TScrollBar* bar = FKind == sbHorizontal ? FControl->FHorzBar : FControl->FVertBar)
        bar->SetPosition(FPosition);
}

void TControlScrollBar::SetRange(int Value)
{
    SetRangeSilent(Value);
    FControl->UpdateScrollBars();
}

void TControlScrollBar::SetMargin(int Value)
{
    FMargin = std::max(Value, 0);
    FControl->CalcAutoRange();
}

void TControlScrollBar::SetVisible(bool Value)
{
    if (FVisible == Value)
        return;
    FVisible = Value;
    FControl->UpdateScrollBars();
}

void TControlScrollBar::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TControlScrollBar*>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    FMargin = s->FMargin;
    FIncrement = s->FIncrement;
    FVisible = s->FVisible;
    FTracking = s->FTracking;
    FRange = s->FRange;
    FControl->CalcAutoRange();
    SetPosition(s->FPosition);
}

void TControlScrollBar::ScrollMessage(int Code, int Pos)
{
    switch (TScrollCode(Code)) {
    case scLineUp: SetPosition(FPosition - FIncrement); break;
    case scLineDown: SetPosition(FPosition + FIncrement); break;
    case scPageUp: SetPosition(FPosition - ControlSize()); break;
    case scPageDown: SetPosition(FPosition + ControlSize()); break;
    case scPosition: SetPosition(Pos); break;
    case scTrack:
        if (FTracking)
            SetPosition(Pos);
        break;
    case scTop: SetPosition(0); break;
    case scBottom: SetPosition(FRange); break;
    default: break;
    }
}

// Scrolling control

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner)
    : TWinControl(AOwner), FHorzScrollBar(std::make_unique<TControlScrollBar>(this, sbHorizontal)),
      FVertScrollBar(std::make_unique<TControlScrollBar>(this, sbVertical))
{
}

TScrollingWinControl::~TScrollingWinControl()
{
    // The bars go with the other children; nothing may place them meanwhile.
    FUpdatingBars = true;
}

void TScrollingWinControl::SetAutoScroll(bool Value)
{
    if (FAutoScroll == Value)
        return;
    FAutoScroll = Value;
    if (!Value) {
        FHorzScrollBar->SetRangeSilent(0);
        FVertScrollBar->SetRangeSilent(0);
    }
    CalcAutoRange();
}

void TScrollingWinControl::EnableAutoRange()
{
    if (FAutoRangeCount > 0 && --FAutoRangeCount == 0)
        CalcAutoRange();
}

TRect TScrollingWinControl::ClientRect() const
{
    const int size = GetSystemMetrics(SM_CXVSCROLL);
    const int w = Width() - (FShowVert ? size : 0);
    const int h = Height() - (FShowHorz ? GetSystemMetrics(SM_CYHSCROLL) : 0);
    return {0, 0, std::max(w, 0), std::max(h, 0)};
}

void TScrollingWinControl::CalcAutoRange()
{
    if (FAutoRangeCount > 0 || IsDestroying())
        return;
    if (FAutoScroll) {
        int right = 0;
        int bottom = 0;
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* c = Controls(i);
            if (IsBar(c) || !c->Visible() || c->Align() != alNone)
                continue;
            right = std::max(right, c->Left() + c->Width() + FHorzScrollBar->FPosition);
            bottom = std::max(bottom, c->Top() + c->Height() + FVertScrollBar->FPosition);
        }
        FHorzScrollBar->SetRangeSilent(right > 0 ? right + FHorzScrollBar->FMargin : 0);
        FVertScrollBar->SetRangeSilent(bottom > 0 ? bottom + FVertScrollBar->FMargin : 0);
    }
    UpdateScrollBars();
}

void TScrollingWinControl::PlaceBar(TScrollBar*& Bar, bool Show, bool Vertical)
{
    if (!Bar && !Show)
        return;
    if (!Bar) {
        Bar = new TScrollBar(this);
        Bar->SetKind(Vertical ? sbVertical : sbHorizontal);
        Bar->SetTabStop(false);
        Bar->OnScroll = [this, Vertical](TObject*, TScrollCode Code, int& Pos) {
            Perform(Vertical ? WM_VSCROLL : WM_HSCROLL, MakeWParam(int(Code), Pos), 0);
            // The bar shows where the children stand, except under a dragged thumb.
            if (Code != scTrack)
                Pos = Vertical ? FVertScrollBar->Position() : FHorzScrollBar->Position();
        };
        Bar->SetParent(this);
    }
    Bar->SetVisible(Show);
}

void TScrollingWinControl::UpdateScrollBars()
{
    if (FUpdatingBars || IsDestroying())
        return;
    FUpdatingBars = true;
    const int vSize = GetSystemMetrics(SM_CXVSCROLL);
    const int hSize = GetSystemMetrics(SM_CYHSCROLL);
    TControlScrollBar* h = FHorzScrollBar.get();
    TControlScrollBar* v = FVertScrollBar.get();
    // A shown bar narrows the room of the other direction: decide twice.
    bool showH = false;
    bool showV = false;
    for (int pass = 0; pass < 2; ++pass) {
        const int w = Width() - (showV ? vSize : 0);
        const int ht = Height() - (showH ? hSize : 0);
        showV = v->FVisible && v->FRange > ht;
        showH = h->FVisible && h->FRange > w;
    }
    const bool changed = showH != FShowHorz || showV != FShowVert;
    FShowHorz = showH;
    FShowVert = showV;
    PlaceBar(FVertBar, showV, true);
    PlaceBar(FHorzBar, showH, false);
    if (showV)
        FVertBar->SetBounds(Width() - vSize, 0, vSize, Height() - (showH ? hSize : 0));
    if (showH)
        FHorzBar->SetBounds(0, Height() - hSize, Width() - (showV ? vSize : 0), hSize);
    // A grown client or a hidden bar brings scrolled children back.
    auto clamp = [this](TControlScrollBar* Bar, TScrollBar* Control) {
        const int last = Bar->IsScrollBarVisible() ? std::max(Bar->FRange - Bar->ControlSize(), 0) : 0;
        if (Bar->FPosition > last) {
            const int delta = Bar->FPosition - last;
            Bar->FPosition = last;
            if (Bar->FKind == sbHorizontal)
                ScrollBy(delta, 0);
            else
                ScrollBy(0, delta);
        }
        if (Control && Bar->IsScrollBarVisible()) {
            const int page = std::max(Bar->ControlSize(), 1);
            Control->SetParams(0, 0, std::max(Bar->FRange - 1, 0));
            Control->SetPageSize(page);
            Control->SetLargeChange(page);
            Control->SetSmallChange(Bar->FIncrement);
            Control->SetPosition(Bar->FPosition);
        }
    };
    clamp(h, FHorzBar);
    clamp(v, FVertBar);
    if (changed) {
        // The client changed size: aligned children fill the new one.
        TRect r = ClientRect();
        AdjustClientRect(r);
        TWinControl::AlignControls(nullptr, r);
        Invalidate();
    }
    FUpdatingBars = false;
}

void TScrollingWinControl::ScrollBy(int DeltaX, int DeltaY)
{
    if (DeltaX == 0 && DeltaY == 0)
        return;
    DisableAlign();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (IsBar(c) || c->Align() != alNone)
            continue;
        c->SetBounds(c->Left() + DeltaX, c->Top() + DeltaY, c->Width(), c->Height());
    }
    EnableAlign();
    Invalidate();
}

void TScrollingWinControl::AlignControls(TControl* AControl, TRect& Rect)
{
    TWinControl::AlignControls(AControl, Rect);
    if (!FUpdatingBars)
        CalcAutoRange();
}

void TScrollingWinControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_HSCROLL: WMHScroll(Message); return;
    case WM_VSCROLL: WMVScroll(Message); return;
    default: TWinControl::Dispatch(Message); return;
    }
}

void TScrollingWinControl::WMHScroll(TMessage& Message)
{
    FHorzScrollBar->ScrollMessage(LoWord(Message.WParam), HiWord(Message.WParam));
    Message.Result = 0;
}

void TScrollingWinControl::WMVScroll(TMessage& Message)
{
    FVertScrollBar->ScrollMessage(LoWord(Message.WParam), HiWord(Message.WParam));
    Message.Result = 0;
}
