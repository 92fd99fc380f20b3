#include "controls/tabs/DeckTabsControls.h"
#include "controls/tabs/DeckTabsLookAndFeel.h"
#include "controls/tabs/DeckTabsOptions.h"
#include "platform/graphics/ImageList.h"
#include "platform/rtl/Clock.h"
#include <cmath>

// TBaseDeckTabsControl

TBaseDeckTabsControl::TBaseDeckTabsControl(IDeckTabs* DeckTabs) : FDeckTabs(DeckTabs) {}

TOptions* TBaseDeckTabsControl::Options() const { return FDeckTabs->GetOptions(); }
TDeckTabsLookAndFeel* TBaseDeckTabsControl::LookAndFeel() const { return FDeckTabs->GetLookAndFeel(); }

void TBaseDeckTabsControl::DoChanged() { FDeckTabs->DoOnChange(nullptr, tcControlState); }

bool TBaseDeckTabsControl::IsRightToLeft()
{
    const TBiDiMode mode = FDeckTabs->GetBiDiMode();
    return mode == bdRightToLeft || mode == bdRightToLeftNoAlign;
}

TRect TBaseDeckTabsControl::BiDiControlRect() const
{
    return FOverrideBidi ? FControlRect : FDeckTabs->BidiControlRect(FControlRect);
}

TRect TBaseDeckTabsControl::BidiRect(const TRect& R)
{
    return IsRightToLeft() ? FDeckTabs->BidiControlRect(R) : R;
}

TRect TBaseDeckTabsControl::ScrolledRect(const TRect& R)
{
    return FScrollableControl ? FDeckTabs->BidiScrollRect(R) : R;
}

TRect TBaseDeckTabsControl::ControlRectScrolled() { return FDeckTabs->BidiScrollRect(FControlRect); }

TPolygon TBaseDeckTabsControl::BidiPolygon(const TPolygon& Polygon)
{
    return IsRightToLeft() ? MirrorPolygon(BiDiControlRect(), Polygon) : Polygon;
}

TPolygon TBaseDeckTabsControl::NewPolygon(const TRect& Rect, const std::vector<TPoint>& Points,
                                          TTabOrientation Orientation)
{
    return PolygonFromPoints(ScrolledRect(Rect), Points, Orientation);
}

TDeckTabPolygonsRef TBaseDeckTabsControl::InternalGetPolygons(TDeckTabItemType ControlType, TGPBrush* DefaultBrush,
                                                              TGPPen* DefaultPen)
{
    TDeckTabPolygonsRef polygons;
    FDeckTabs->DoOnGetControlPolygons(this, FControlRect, ControlType,
                                      Options()->Display()->Tabs()->Orientation(), polygons);
    if (polygons)
        for (int i = 0; i < polygons->PolygonCount(); ++i) {
            TDeckTabPolygon* p = polygons->GetPolygons(i);
            if (!p->Brush)
                p->Brush = DefaultBrush;
            if (!p->Pen)
                p->Pen = DefaultPen;
        }
    return polygons;
}

bool TBaseDeckTabsControl::ContainsPoint(TPoint Pt)
{
    TDeckTabPolygonsRef polygons = GetPolygons();
    if (!polygons)
        return false;
    for (int i = 0; i < polygons->PolygonCount(); ++i)
        if (PointInPolygon(polygons->GetPolygons(i)->Polygon, Pt.X, Pt.Y))
            return true;
    return false;
}

void TBaseDeckTabsControl::SetPosition(const TRect& ARect, uint32_t AnimationTime, TDeckTabsEaseType EaseType)
{
    FEaseType = EaseType;
    FAnimationTime = AnimationTime;
    // A move without time has nothing to animate: it takes its place at once.
    if (FPositionInitialised && EaseType != ttNone && AnimationTime > 0) {
        if (ARect == FEndRect)
            return;
        FEndRect = ARect;
        FStartRect = FControlRect;
        FStartTicks = GetTickCount64();
        FCurrentTickCount = 0;
        FMoving = true;
        return;
    }
    FPositionInitialised = true;
    FMoving = false;
    StopAnimation();
    FControlRect = FStartRect = FEndRect = ARect;
    FStartTicks = AnimationTime;
    FCurrentTickCount = AnimationTime;
}

bool TBaseDeckTabsControl::AnimateMovement()
{
    if (!FMoving || FCurrentTickCount >= FAnimationTime)
        return false;
    FCurrentTickCount = uint32_t(std::min<uint64_t>(GetTickCount64() - FStartTicks, FAnimationTime));
    FControlRect = TweenRect(FStartRect, FEndRect, FCurrentTickCount, FAnimationTime, FEaseType);
    return true;
}

void TBaseDeckTabsControl::SetLeft(int Value, uint32_t AnimationTime, TDeckTabsEaseType EaseType)
{
    const TRect& r = FControlRect;
    SetPosition({Value, r.Top, Value + RectWidth(r), r.Bottom}, AnimationTime, EaseType);
}

void TBaseDeckTabsControl::SetTop(int Value, uint32_t AnimationTime, TDeckTabsEaseType EaseType)
{
    const TRect& r = FControlRect;
    SetPosition({r.Left, Value, r.Right, Value + RectHeight(r)}, AnimationTime, EaseType);
}

void TBaseDeckTabsControl::SetWidth(int Value, uint32_t AnimationTime, TDeckTabsEaseType EaseType)
{
    const TRect& r = FControlRect;
    SetPosition({r.Left, r.Top, r.Left + Value, r.Bottom}, AnimationTime, EaseType);
}

void TBaseDeckTabsControl::SetHeight(int Value, uint32_t AnimationTime, TDeckTabsEaseType EaseType)
{
    const TRect& r = FControlRect;
    SetPosition({r.Left, r.Top, r.Right, r.Top + Value}, AnimationTime, EaseType);
}

void TBaseDeckTabsControl::SetDrawState(TDrawState Value, int, TDeckTabsEaseType, bool ForceUpdate)
{
    if (ForceUpdate || Value != FDrawState) {
        FDrawState = Value;
        TBaseDeckTabsControl::DoChanged();
    }
}

// TDeckTabControl

TDeckTabControl::TDeckTabControl(IDeckTabs* DeckTabs, IDeckTab* TabInterface)
    : TBaseDeckTabsControl(DeckTabs)
    , FDeckTab(TabInterface)
    , FDeckTabControlPropertyItems(std::make_unique<TDeckTabControlPropertyItems>())
{
    FControlType = itTab;
    FScrollableControl = true;
}

TDeckTabControl::~TDeckTabControl() = default;

void TDeckTabControl::Invalidate()
{
    FInvalidated = true;
    FPenInvalidated = true;
    FBrushInvalidated = true;
    FCloseButtonInvalidate = true;
}

void TDeckTabControl::StopAnimation()
{
    FDeckTabControlPropertyItems->EndAnimation();
    AnimateStyle();
}

bool TDeckTabControl::AnimateStyle()
{
    if (!FDeckTabControlPropertyItems->TransformColors(false))
        return false;
    Invalidate();
    return true;
}

void TDeckTabControl::SetDrawState(TDrawState Value, int AnimationTimeMS, TDeckTabsEaseType EaseType,
                                   bool ForceUpdate)
{
    if (ForceUpdate || Value != FDrawState) {
        TDeckTabsLookAndFeelTab* tabs = LookAndFeel()->Tabs();
        FTabProperties = Value == dsActive ? tabs->Active() : Value == dsHot ? tabs->Hot() : tabs->NotActive();
        FDeckTabControlPropertyItems->SetProperties(
            FTabProperties->Style(), FTabProperties->Font(),
            FTabProperties->Font()->UseDefaultFont() ? tabs->DefaultFont() : nullptr, uint32_t(AnimationTimeMS),
            EaseType);
        Invalidate();
    }
    TBaseDeckTabsControl::SetDrawState(Value, AnimationTimeMS, EaseType, ForceUpdate);
}

void TDeckTabControl::SetCloseButtonState(TDrawState Value)
{
    if (Value == FCloseButtonState)
        return;
    FCloseButtonState = Value;
    FCloseButtonInvalidate = true;
    FDeckTabs->DoOnChange(FDeckTab->GetTab(), tcControlState);
}

TGPBrush* TDeckTabControl::GetTabBrush()
{
    if (FBrushInvalidated || !FTabBrush) {
        FBrushInvalidated = false;
        const TDeckTabControlProperties& p = FDeckTabControlPropertyItems->CurrentTabProperties();
        FTabBrush = std::make_unique<TGPLinearGradientBrush>(
            MakePoint(0, float(FControlRect.Top)), MakePoint(0, float(FControlRect.Bottom)),
            MakeGPColor(p.StartColor, uint8_t(p.StartAlpha)), MakeGPColor(p.StopColor, uint8_t(p.StopAlpha)));
    }
    return FTabBrush.get();
}

TGPPen* TDeckTabControl::GetTabPen()
{
    if (FPenInvalidated || !FTabPen) {
        FPenInvalidated = false;
        const TDeckTabControlProperties& p = FDeckTabControlPropertyItems->CurrentTabProperties();
        FTabPen = std::make_unique<TGPPen>(MakeGPColor(p.OutlineColor, uint8_t(p.OutlineAlpha)), p.OutlineSize);
    }
    return FTabPen.get();
}

TDeckTabPolygonsRef TDeckTabControl::GetPolygons()
{
    TDeckTabPolygonsRef polygons = InternalGetPolygons(itTab, GetTabBrush(), GetTabPen());
    if (polygons)
        return polygons;
    const int w = RectWidth(FControlRect), h = RectHeight(FControlRect);
    polygons = NewDeckTabPolygons();
    polygons->AddPolygon(
        BidiPolygon(NewPolygon(BiDiControlRect(),
                               {{0, h}, {4, h - 3}, {12, 3}, {13, 2}, {14, 1}, {16, 0}, {w - 16, 0}, {w - 14, 1},
                                {w - 13, 2}, {w - 12, 3}, {w - 4, h - 3}, {w, h}},
                               Options()->Display()->Tabs()->Orientation())),
        GetTabBrush(), GetTabPen());
    return polygons;
}

TRect TDeckTabControl::GetCloseButonRect()
{
    TDeckTabsDisplayOptions* d = Options()->Display();
    TDeckTabsCloseButtonProperties* c = d->CloseButton();
    TRect r;
    r.Left = FControlRect.Right - d->Tabs()->ContentOffsetRight() - c->Width() - c->Offsets()->Horizontal();
    r.Top = FControlRect.Top + c->Offsets()->Vertical();
    r.Right = r.Left + c->Width();
    r.Bottom = r.Top + c->Height();
    return r;
}

TRect TDeckTabControl::GetCloseButtonCrossRect()
{
    return ShrinkRect(GetCloseButonRect(), Options()->Display()->CloseButton()->CrossRadialOffset());
}

bool TDeckTabControl::CloseButtonVisible()
{
    TDeckTabsDisplayOptions* d = Options()->Display();
    TDeckTabsCloseButtonProperties* c = d->CloseButton();
    if (!FDeckTab->GetActive()
        && c->AutoHideWidth()
               >= RectWidth(FControlRect) - d->Tabs()->ContentOffsetRight() - d->Tabs()->ContentOffsetLeft())
        return false;
    if (FDeckTab->GetHideCloseButton())
        return false;
    switch (c->Visibility()) {
    case bvNever: return false;
    case bvAll: return !FDeckTab->GetPinned();
    case bvActive: return !FDeckTab->GetPinned() && FDrawState == dsActive;
    }
    return false;
}

namespace {
bool ImageVisible(TDeckTabsOptions* Tabs, TCustomImageList* List, int Index)
{
    return Tabs->ShowImages() && List && Index >= 0 && Index < List->Count();
}
} // namespace

TDeckTabControl::TContentRects TDeckTabControl::CalculateRects()
{
    TDeckTabsDisplayOptions* d = Options()->Display();
    TDeckTabsOptions* tabs = d->Tabs();
    TContentRects r;
    r.CloseButtonRect = GetCloseButonRect();
    r.CloseButtonCrossRect = GetCloseButtonCrossRect();
    const bool closeVisible = CloseButtonVisible();
    int right = closeVisible ? r.CloseButtonRect.Left - 1 : FControlRect.Right - tabs->ContentOffsetRight();
    int left = FControlRect.Left + tabs->ContentOffsetLeft();

    r.ShowImage = ImageVisible(tabs, FDeckTabs->GetImages(), FDeckTab->GetImageIndex());
    r.ShowOverlay = ImageVisible(tabs, FDeckTabs->GetImagesOverlay(), FDeckTab->GetImageIndexOverlay());
    r.ShowSpinner = FDeckTab->GetSpinnerState() != tssNone
                    && !FDeckTabs->GetComponentState().Contains(TComponentStateFlag::csDesigning);

    int iw = 0, ih = 0;
    TDeckTabsSpinnersOptions* spinners = d->TabSpinners();
    if (r.ShowSpinner) {
        TDeckTabsControlPosition* pos = FDeckTab->GetSpinnerState() == tssRenderedUpload
                                            ? spinners->Upload()->Position()
                                            : spinners->Download()->Position();
        iw = pos->Width();
        ih = pos->Height();
    }
    if ((r.ShowImage && !(r.ShowSpinner && spinners->HideImagesWhenSpinnerVisible())) || r.ShowOverlay) {
        if (TCustomImageList* images = FDeckTabs->GetImages()) {
            iw = std::max(iw, images->Width());
            ih = std::max(ih, images->Height());
        }
    }
    if (r.ShowOverlay) {
        iw = std::max(iw, FDeckTabs->GetImagesOverlay()->Width());
        ih = std::max(ih, FDeckTabs->GetImagesOverlay()->Height());
    }
    const int cx = FControlRect.Left + RectWidth(FControlRect) / 2;
    if (left + iw > right) {
        r.ShowImage = r.ShowOverlay = r.ShowSpinner = false;
    } else {
        const int cy = FControlRect.Top + RectHeight(FControlRect) / 2 - ih / 2;
        if (FDeckTab->GetPinned() && !tabs->ShowPinnedTabText()) {
            r.ImageRect = {cx - iw / 2, cy, cx - iw / 2 + iw, cy + ih};
        } else {
            r.ImageRect = {left, cy, left + iw, cy + ih};
            left += iw + 1;
        }
    }
    r.ShowText = (!FDeckTab->GetPinned() || tabs->ShowPinnedTabText()) && right - left >= 5;
    if (r.ShowText)
        r.TextRect = {left, FControlRect.Top, right, FControlRect.Bottom};
    if (closeVisible && !r.ShowImage && !r.ShowOverlay && !r.ShowSpinner && !r.ShowText) {
        for (TRect* b : {&r.CloseButtonRect, &r.CloseButtonCrossRect}) {
            const int w = RectWidth(*b);
            b->Left = cx - w / 2;
            b->Right = b->Left + w;
        }
    }
    for (TRect* b : {&r.ImageRect, &r.TextRect, &r.CloseButtonRect, &r.CloseButtonCrossRect})
        *b = ScrolledRect(BidiRect(*b));
    return r;
}

int TDeckTabControl::GetTabWidthByContent()
{
    const QString caption = FDeckTab->GetCaption();
    if (caption == FLastCaption && FLastCaptionLength > 0)
        return FLastCaptionLength;
    TDeckTabsOptions* tabs = Options()->Display()->Tabs();
    const TDeckTabControlProperties& stop = FDeckTabControlPropertyItems->StopTabProperties();
    const TDeckTabControlProperties& current = FDeckTabControlPropertyItems->CurrentTabProperties();
    TGPBitmap scratch(std::max(1, tabs->MaxWidth()), std::max(1, RectHeight(FControlRect)));
    TGPGraphics graphics(&scratch);
    graphics.SetTextRenderingHint(stop.TextRendoringMode);
    TGPFont font(stop.FontName, float(current.FontSize), FontStyleRegular);
    TGPStringFormat format;
    format.SetTrimming(StringTrimmingNone);
    TGPRectF bounds;
    graphics.MeasureString(caption, -1, &font, MakeRect(0, 0, 1000, float(RectHeight(FControlRect))), &format,
                           &bounds);
    const TContentRects r = CalculateRects();
    const TRect s = ScrolledRect(FControlRect);
    const int x = (r.ShowImage || r.ShowOverlay || r.ShowSpinner) ? r.ImageRect.Right
                                                                  : s.Left + tabs->ContentOffsetLeft();
    const int width = int(std::nearbyint(bounds.Width)) + (x - s.Left) + (s.Right - r.CloseButtonRect.Left)
                      - tabs->TabOverlap();
    FLastCaption = caption;
    FLastCaptionLength = width;
    return width;
}

THitTestArea TDeckTabControl::GetHitTestArea(int MouseX, int MouseY)
{
    if (CloseButtonVisible()) {
        const TRect r = FDeckTabs->BidiScrollRect(BidiRect(GetCloseButonRect()));
        if (MouseX >= r.Left && MouseX < r.Right && MouseY >= r.Top && MouseY < r.Bottom)
            return htCloseButton;
    }
    if (ContainsPoint({MouseX, MouseY}))
        return htTab;
    return htBackground;
}

bool TDeckTabControl::AnimateModified()
{
    TDeckTabModifiedDisplayOptions* glow = Options()->Display()->TabModifiedGlow();
    if (!FDeckTab->GetModified() || glow->Style() == msNone) {
        FModifiedStartTicks = 0;
        return false;
    }
    const uint32_t now = GetTickCount();
    if (FModifiedStartTicks == 0 || now - FModifiedStartTicks > uint32_t(glow->AnimationPeriodMS())) {
        FModifiedMovingLeft = !FModifiedMovingLeft;
        FModifiedStartTicks = now;
    }
    const TRect s = ScrolledRect(FControlRect);
    const int start = s.Left - glow->Width();
    const int travel = s.Right - start;
    const int p = int(std::nearbyint(
        EasedValue(double(now - FModifiedStartTicks), 0, travel, glow->AnimationPeriodMS(), glow->EaseType())));
    if (glow->Style() == msRightToLeft || (glow->Style() == msKnightRider && FModifiedMovingLeft))
        FModifiedPosition = s.Right - p;
    else
        FModifiedPosition = start + p;
    return true;
}

TCustomImageList* TDeckTabControl::SpinnerImages()
{
    switch (FDeckTab->GetSpinnerState()) {
    case tssImageUpload: return FDeckTabs->GetImagesSpinnerUpload();
    case tssImageDownload: return FDeckTabs->GetImagesSpinnerDownload();
    default: return nullptr;
    }
}

bool TDeckTabControl::AnimateSpinner()
{
    const TDeckTabSpinnerState state = FDeckTab->GetSpinnerState();
    TCustomImageList* list = SpinnerImages();
    if (!list && state != tssRenderedUpload && state != tssRenderedDownload)
        return false;
    TDeckTabsSpinnersOptions* spinners = Options()->Display()->TabSpinners();
    if (state == tssRenderedUpload || state == tssRenderedDownload) {
        TDeckTabsSpinnerOptions* o = state == tssRenderedUpload ? spinners->Upload() : spinners->Download();
        if (o->ReverseDirection()) {
            FSpinnerRenderedDegrees -= o->RenderedAnimationStep();
            if (FSpinnerRenderedDegrees < 0)
                FSpinnerRenderedDegrees += 360;
        } else {
            FSpinnerRenderedDegrees += o->RenderedAnimationStep();
            if (FSpinnerRenderedDegrees > 360)
                FSpinnerRenderedDegrees -= 360;
        }
    } else if (state == tssImageUpload) {
        if (--FSpinnerImageIndex < 0)
            FSpinnerImageIndex = list->Count() - 1;
    } else {
        if (++FSpinnerImageIndex >= list->Count())
            FSpinnerImageIndex = 0;
    }
    return true;
}
