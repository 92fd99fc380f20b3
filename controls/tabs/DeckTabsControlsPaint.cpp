// Drawing of the tab sub-control and the strip buttons.
#include "controls/tabs/DeckTabsControls.h"
#include "controls/tabs/DeckTabsLookAndFeel.h"
#include "controls/tabs/DeckTabsOptions.h"
#include "platform/graphics/ImageList.h"

bool TDeckTabControl::Hooked(TGPGraphics* Canvas, const TRect& R, TDeckTabItemType ItemType)
{
    bool handled = false;
    FDeckTabs->DoOnBeforeDrawItem(Canvas, R, ItemType, FDeckTab->GetIndex(), handled);
    return !handled;
}

void TDeckTabControl::DrawTo(TGPGraphics* TabCanvas, int MouseX, int MouseY, TDeckTabPolygonsRef ClipPolygons)
{
    if (!FTabProperties || !FDeckTabs)
        return;
    TDeckTabsDisplayOptions* d = Options()->Display();
    TDeckTabsLookAndFeelTab* look = LookAndFeel()->Tabs();
    const int index = FDeckTab->GetIndex();

    if (ClipPolygons)
        for (int i = 0; i < ClipPolygons->PolygonCount(); ++i)
            ClipToPolygon(TabCanvas, ClipPolygons->GetPolygons(i)->Polygon, CombineModeExclude);
    const unsigned kept = TabCanvas->Save();

    TDeckTabPolygonsRef outline = GetPolygons();
    const TContentRects rects = CalculateRects();

    if (Hooked(TabCanvas, FControlRect, itTab))
        outline->DrawTo(TabCanvas, dfBrush);
    if (outline->PolygonCount() > 0)
        ClipToPolygon(TabCanvas, outline->GetPolygons(0)->Polygon, CombineModeIntersect);

    TDeckTabModifiedDisplayOptions* glow = d->TabModifiedGlow();
    if (FDeckTab->GetModified() && glow->Style() != msNone && Hooked(TabCanvas, FControlRect, itTabModifiedGlow)) {
        // Tabs at the bottom take the band mirrored about the tab's bottom edge.
        int top = glow->VerticalOffset();
        int bottom = glow->VerticalOffset() + glow->Height();
        if (d->Tabs()->Orientation() == toBottom) {
            bottom = FControlRect.Bottom - glow->VerticalOffset();
            top = bottom - glow->Height();
        }
        const TRect r = BidiRect({FModifiedPosition, top, FModifiedPosition + glow->Width(), bottom});
        TDeckTabsLookAndFeelGlow* g = look->Modified();
        DrawGlow(TabCanvas, r, g->CentreColor(), g->OutsideColor(), g->CentreAlpha(), g->OutsideAlpha());
    }

    TDeckTabsControlPropertiesEx* mouseGlow = d->TabMouseGlow();
    if (mouseGlow->Visible() && !FDeckTabs->IsDragging() && outline->PolygonCount() > 0
        && PointInPolygon(outline->GetPolygons(0)->Polygon, MouseX, MouseY)
        && Hooked(TabCanvas, FControlRect, itTabMouseGlow)) {
        const int w = mouseGlow->Width(), h = mouseGlow->Height();
        TDeckTabsLookAndFeelGlow* g = look->MouseGlow();
        DrawGlow(TabCanvas, {MouseX - w / 2, MouseY - h / 2, MouseX + w / 2, MouseY + h / 2}, g->CentreColor(),
                 g->OutsideColor(), g->CentreAlpha(), g->OutsideAlpha());
    }
    TabCanvas->Restore(kept);

    if (rects.ShowText && Hooked(TabCanvas, rects.TextRect, itTabText)) {
        DrawTabText(TabCanvas, rects.TextRect);
        FDeckTabs->DoOnAfterDrawItem(TabCanvas, rects.TextRect, itTabText, index);
    }
    if (Hooked(TabCanvas, FControlRect, itTabOutline))
        outline->DrawTo(TabCanvas, dfPen);
    if (CloseButtonVisible() && Hooked(TabCanvas, rects.CloseButtonRect, itTabCloseButton)) {
        DrawCloseButton(TabCanvas, rects);
        FDeckTabs->DoOnAfterDrawItem(TabCanvas, rects.CloseButtonRect, itTabCloseButton, index);
    }
    if (!(rects.ShowSpinner && d->TabSpinners()->HideImagesWhenSpinnerVisible())) {
        if (rects.ShowImage)
            DrawTabImage(TabCanvas, FDeckTabs->GetImages(), FDeckTab->GetImageIndex(), rects.ImageRect, itTabImage);
        if (rects.ShowOverlay)
            DrawTabImage(TabCanvas, FDeckTabs->GetImagesOverlay(), FDeckTab->GetImageIndexOverlay(),
                         rects.ImageRect, itTabImageOverlay);
    }
    if (rects.ShowSpinner)
        DrawSpinner(TabCanvas, rects.ImageRect);
    FDeckTabs->DoOnAfterDrawItem(TabCanvas, FControlRect, itTab, index);
}

void TDeckTabControl::DrawCloseButton(TGPGraphics* Canvas, const TContentRects& Rects)
{
    TDeckTabsLookAndFeelCloseButton* close = LookAndFeel()->CloseButton();
    TDeckTabsLookAndFeelStyle* circle = close->Circle()->Normal();
    TDeckTabsLookAndFeelPen* cross = close->Cross()->Normal();
    if (FCloseButtonState == dsDown) {
        circle = close->Circle()->Down();
        cross = close->Cross()->Down();
    } else if (FCloseButtonState == dsHot) {
        circle = close->Circle()->Hot();
        cross = close->Cross()->Hot();
    }
    const TRect& b = Rects.CloseButtonRect;
    const TGPRectF ellipse = RectToGPRectF(b);
    Canvas->FillEllipse(circle->GetBrush(b), ellipse);
    Canvas->DrawEllipse(circle->GetPen(), ellipse);
    const TRect& c = Rects.CloseButtonCrossRect;
    TGPPen* pen = cross->GetPen();
    Canvas->DrawLine(pen, float(c.Left), float(c.Top), float(c.Right), float(c.Bottom));
    Canvas->DrawLine(pen, float(c.Left), float(c.Bottom), float(c.Right), float(c.Top));
}

void TDeckTabControl::DrawGlow(TGPGraphics* Canvas, const TRect& R, TColor CentreColor, TColor OutsideColor,
                               uint8_t CentreAlpha, uint8_t OutsideAlpha)
{
    TGPGraphicsPath path;
    path.AddEllipse(RectToGPRectF(R));
    TGPPathGradientBrush brush(&path);
    brush.SetCenterPoint(MakePoint(float(R.Left + RectWidth(R) / 2), float(R.Top + RectHeight(R) / 2)));
    brush.SetCenterColor(MakeGPColor(CentreColor, CentreAlpha));
    ARGB surround = MakeGPColor(OutsideColor, OutsideAlpha);
    int count = 1;
    brush.SetSurroundColors(&surround, &count);
    Canvas->FillPath(&brush, &path);
}

void TDeckTabControl::DrawTabImage(TGPGraphics* Canvas, TCustomImageList* List, int Index, const TRect& R,
                                   TDeckTabItemType ItemType)
{
    if (!Hooked(Canvas, R, ItemType))
        return;
    TGPBitmap image(List, Index);
    Canvas->DrawImage(&image, float(R.Left), float(R.Top));
    FDeckTabs->DoOnAfterDrawItem(Canvas, R, ItemType, FDeckTab->GetIndex());
}

void TDeckTabControl::DrawSpinner(TGPGraphics* Canvas, const TRect& R)
{
    bool handled = false;
    FDeckTabs->DoOnBeforeDrawItem(Canvas, R, itTabImageSpinner, FDeckTab->GetIndex(), handled);
    if (handled)
        return;
    const TDeckTabSpinnerState state = FDeckTab->GetSpinnerState();
    if (state == tssRenderedUpload || state == tssRenderedDownload) {
        const bool up = state == tssRenderedUpload;
        TDeckTabsLookAndFeelPen* look = up ? LookAndFeel()->Tabs()->Spinners()->Upload()
                                           : LookAndFeel()->Tabs()->Spinners()->Download();
        TDeckTabsSpinnerOptions* o = up ? Options()->Display()->TabSpinners()->Upload()
                                        : Options()->Display()->TabSpinners()->Download();
        TGPPen pen(MakeGPColor(look->Color(), uint8_t(look->Alpha())), look->Thickness());
        const float half = look->Thickness() / 2;
        TDeckTabsControlPosition* p = o->Position();
        Canvas->DrawArc(&pen,
                        {R.Left + half + p->Offsets()->Horizontal(), R.Top + half + p->Offsets()->Vertical(),
                         p->Width() - 2 * half, p->Height() - 2 * half},
                        float(FSpinnerRenderedDegrees), float(o->SweepAngle()));
    } else if (TCustomImageList* list = SpinnerImages()) {
        DrawTabImage(Canvas, list, FSpinnerImageIndex, R, itTabImageSpinner);
    }
}

void TDeckTabControl::DrawTabText(TGPGraphics* Canvas, const TRect& R)
{
    TDeckTabsOptions* tabs = Options()->Display()->Tabs();
    const bool debug = Options()->Behaviour()->DebugMode();
    const TDeckTabControlProperties& current = FDeckTabControlPropertyItems->CurrentTabProperties();
    const TDeckTabControlProperties& stop = FDeckTabControlPropertyItems->StopTabProperties();
    const TBiDiMode bidi = FDeckTabs->GetBiDiMode();
    const int width = RectWidth(R);

    QString text = FDeckTab->GetCaption();
    if (debug)
        text = QStringLiteral("L: %1, T: %2, R: %3: B: %4 W: %5 H: %6")
                   .arg(FControlRect.Left)
                   .arg(FControlRect.Top)
                   .arg(FControlRect.Right)
                   .arg(FControlRect.Bottom)
                   .arg(RectWidth(FControlRect))
                   .arg(RectHeight(FControlRect));
    TGPFont font(stop.FontName, debug ? 7.0f : float(current.FontSize), FontStyleRegular);

    TGPLinearGradientBrush brush(MakePoint(float(R.Left), 0), MakePoint(float(R.Right), 0),
                                 MakeGPColor(current.FontColor, current.FontAlpha), MakeGPColor(current.FontColor, 0));
    float middle = width > 80 ? 0.85f : 0.85f - float(80 - width) / 80.0f;
    float factors[3] = {0, 0, 0};
    TGPStringFormat format;
    format.SetTrimming(StringTrimmingNone);
    if (tabs->TabWidthFromContent() && tabs->MaxWidth() + tabs->TabOverlap() > RectWidth(FControlRect)) {
        // Whole captions fit: solid text, no trimming.
    } else if (tabs->TextTrimType() != tttFade) {
        format.SetTrimming(TStringTrimming(tabs->TextTrimType()));
    } else if (bidi == bdRightToLeft) {
        factors[0] = 1;
        middle = 1 - middle;
    } else {
        factors[2] = 1;
    }
    const float positions[3] = {0, middle, 1};
    brush.SetBlend(factors, positions, 3);

    switch (tabs->TextAlignmentVertical()) {
    case taAlignTop: format.SetLineAlignment(StringAlignmentNear); break;
    case taAlignBottom: format.SetLineAlignment(StringAlignmentFar); break;
    default: format.SetLineAlignment(StringAlignmentCenter); break;
    }
    const bool plain = bidi == bdLeftToRight || bidi == bdRightToLeft;
    switch (tabs->TextAlignmentHorizontal()) {
    case taLeftJustify: format.SetAlignment(plain ? StringAlignmentNear : StringAlignmentFar); break;
    case taRightJustify: format.SetAlignment(plain ? StringAlignmentFar : StringAlignmentNear); break;
    default: format.SetAlignment(StringAlignmentCenter); break;
    }
    int flags = 0;
    if (!debug) {
        if (!tabs->WordWrap())
            flags |= StringFormatFlagsNoWrap;
        if (bidi != bdLeftToRight)
            flags |= StringFormatFlagsDirectionRightToLeft;
    }
    format.SetFormatFlags(flags);
    Canvas->SetTextRenderingHint(stop.TextRendoringMode);
    Canvas->DrawString(text, -1, &font, RectToGPRectF(R), &format, &brush);
}

// Buttons

TBaseDeckButtonControl::TBaseDeckButtonControl(IDeckTabs* DeckTabs)
    : TBaseDeckTabsControl(DeckTabs)
    , FButtonControlPropertyItems(std::make_unique<TDeckTabControlPropertyItems>())
    , FSymbolControlPropertyItems(std::make_unique<TDeckTabControlPropertyItems>())
{
}

TBaseDeckButtonControl::~TBaseDeckButtonControl() = default;

void TBaseDeckButtonControl::Invalidate()
{
    FButtonBrush.reset();
    FButtonPen.reset();
    FSymbolBrush.reset();
    FSymbolPen.reset();
}

void TBaseDeckButtonControl::SetDrawState(TDrawState Value, int AnimationTimeMS, TDeckTabsEaseType EaseType,
                                          bool ForceUpdate)
{
    if (ForceUpdate || Value != FDrawState) {
        FDrawState = Value;
        UpdateStyles();
        FButtonControlPropertyItems->SetProperties(FButtonStyle, nullptr, nullptr, uint32_t(AnimationTimeMS),
                                                   EaseType);
        FSymbolControlPropertyItems->SetProperties(FSymbolStyle, nullptr, nullptr, uint32_t(AnimationTimeMS),
                                                   EaseType);
        Invalidate();
    }
    TBaseDeckTabsControl::SetDrawState(Value, AnimationTimeMS, EaseType, ForceUpdate);
}

bool TBaseDeckButtonControl::AnimateStyle()
{
    bool changed = false;
    if (FButtonControlPropertyItems->TransformColors(false)) {
        changed = true;
        FButtonBrush.reset();
        FButtonPen.reset();
        if (FSymbolControlPropertyItems->TransformColors(false)) {
            FSymbolBrush.reset();
            FSymbolPen.reset();
        }
    }
    if (changed)
        Invalidate();
    return changed;
}

namespace {
std::unique_ptr<TGPLinearGradientBrush> MakeBrush(const TDeckTabControlPropertyItems& Items, const TRect& R)
{
    const TDeckTabControlProperties& p = Items.CurrentTabProperties();
    return std::make_unique<TGPLinearGradientBrush>(MakePoint(0, float(R.Top)), MakePoint(0, float(R.Bottom)),
                                                    MakeGPColor(p.StartColor, uint8_t(p.StartAlpha)),
                                                    MakeGPColor(p.StopColor, uint8_t(p.StopAlpha)));
}
std::unique_ptr<TGPPen> MakePen(const TDeckTabControlPropertyItems& Items)
{
    const TDeckTabControlProperties& p = Items.CurrentTabProperties();
    return std::make_unique<TGPPen>(MakeGPColor(p.OutlineColor, uint8_t(p.OutlineAlpha)), p.OutlineSize);
}
} // namespace

TGPBrush* TBaseDeckButtonControl::GetButtonBrush()
{
    if (!FButtonBrush)
        FButtonBrush = MakeBrush(*FButtonControlPropertyItems, FControlRect);
    return FButtonBrush.get();
}

TGPPen* TBaseDeckButtonControl::GetButtonPen()
{
    if (!FButtonPen)
        FButtonPen = MakePen(*FButtonControlPropertyItems);
    return FButtonPen.get();
}

TGPBrush* TBaseDeckButtonControl::GetSymbolBrush()
{
    if (!FSymbolBrush)
        FSymbolBrush = MakeBrush(*FSymbolControlPropertyItems, FControlRect);
    return FSymbolBrush.get();
}

TGPPen* TBaseDeckButtonControl::GetSymbolPen()
{
    if (!FSymbolPen)
        FSymbolPen = MakePen(*FSymbolControlPropertyItems);
    return FSymbolPen.get();
}

void TBaseDeckButtonControl::DrawTo(TGPGraphics* TabCanvas, int, int, TDeckTabPolygonsRef)
{
    bool handled = false;
    FDeckTabs->DoOnBeforeDrawItem(TabCanvas, FControlRect, FControlType, -1, handled);
    if (!handled)
        if (TDeckTabPolygonsRef polygons = GetPolygons())
            polygons->DrawTo(TabCanvas, dfBrushAndPen);
    FDeckTabs->DoOnAfterDrawItem(TabCanvas, FControlRect, FControlType, -1);
}

TAddButtonControl::TAddButtonControl(IDeckTabs* DeckTabs) : TBaseDeckButtonControl(DeckTabs)
{
    FControlType = itAddButton;
    FButtonStyle = LookAndFeel()->AddButton()->Button()->Normal();
    FSymbolStyle = LookAndFeel()->AddButton()->PlusSign()->Normal();
}

void TAddButtonControl::UpdateStyles()
{
    TDeckTabsLookAndFeelAddButton* add = LookAndFeel()->AddButton();
    switch (FDrawState) {
    case dsDown:
        FButtonStyle = add->Button()->Down();
        FSymbolStyle = add->PlusSign()->Down();
        break;
    case dsHot:
        FButtonStyle = add->Button()->Hot();
        FSymbolStyle = add->PlusSign()->Hot();
        break;
    default:
        FButtonStyle = add->Button()->Normal();
        FSymbolStyle = add->PlusSign()->Normal();
        break;
    }
}

TDeckTabPolygonsRef TAddButtonControl::GetPolygons()
{
    TDeckTabPolygonsRef polygons = InternalGetPolygons(itAddButton, GetButtonBrush(), GetButtonPen());
    if (polygons)
        return polygons;
    polygons = NewDeckTabPolygons();
    const TRect b = BiDiControlRect();
    const int w = RectWidth(b), h = RectHeight(b);
    const TTabOrientation orientation = Options()->Display()->Tabs()->Orientation();
    polygons->AddPolygon(
        BidiPolygon(NewPolygon(b, {{7, h}, {4, h - 2}, {0, 2}, {1, 0}, {w - 7, 0}, {w - 4, 2}, {w, h - 2}, {w, h}},
                               orientation)),
        GetButtonBrush(), GetButtonPen());
    TDeckTabsAddButtonProperties* o = Options()->Display()->AddButton();
    if (o->ShowPlusSign()) {
        const int dx = o->Width() / 2 - 4, dy = o->Height() / 2 - 4;
        const TRect p{b.Left + dx, b.Top + dy, b.Right - dx, b.Bottom - dy};
        polygons->AddPolygon(BidiPolygon(NewPolygon(p,
                                                    {{0, 3}, {3, 3}, {3, 0}, {6, 0}, {6, 3}, {9, 3}, {9, 6}, {6, 6},
                                                     {6, 9}, {3, 9}, {3, 6}, {0, 6}, {0, 3}},
                                                    orientation)),
                             GetSymbolBrush(), GetSymbolPen());
    }
    return polygons;
}

void TScrollButtonControl::UpdateStyles()
{
    TDeckTabsLookAndFeelScrollButton* s = LookAndFeel()->ScrollButtons();
    switch (FDrawState) {
    case dsDown:
        FButtonStyle = s->Button()->Down();
        FSymbolStyle = s->Arrow()->Down();
        break;
    case dsHot:
        FButtonStyle = s->Button()->Hot();
        FSymbolStyle = s->Arrow()->Hot();
        break;
    case dsDisabled:
        FButtonStyle = s->Button()->Disabled();
        FSymbolStyle = s->Arrow()->Disabled();
        break;
    default:
        FButtonStyle = s->Button()->Normal();
        FSymbolStyle = s->Arrow()->Normal();
        break;
    }
}

TDeckTabPolygonsRef TScrollButtonControl::GetScrollButtonPolygons(bool Left)
{
    TDeckTabPolygonsRef polygons = InternalGetPolygons(FControlType, GetButtonBrush(), GetButtonPen());
    if (polygons)
        return polygons;
    polygons = NewDeckTabPolygons();
    const int w = RectWidth(FControlRect), h = RectHeight(FControlRect);
    const TRect b = BiDiControlRect();
    const TTabOrientation orientation = Options()->Display()->Tabs()->Orientation();
    polygons->AddPolygon(BidiPolygon(NewPolygon(b, {{0, h}, {0, 0}, {w, 0}, {w, h}}, orientation)), GetButtonBrush(),
                         GetButtonPen());
    const std::vector<TPoint> arrow = Left ? std::vector<TPoint>{{3, h / 2}, {w - 3, 2}, {w - 3, h - 2}, {3, h / 2}}
                                           : std::vector<TPoint>{{w - 3, h / 2}, {3, 2}, {3, h - 2}, {w - 3, h / 2}};
    polygons->AddPolygon(BidiPolygon(NewPolygon(b, arrow, orientation)), GetSymbolBrush(), GetSymbolPen());
    return polygons;
}

TScrollButtonLeftControl::TScrollButtonLeftControl(IDeckTabs* DeckTabs) : TScrollButtonControl(DeckTabs)
{
    FControlType = itScrollLeftButton;
}

TScrollButtonRightControl::TScrollButtonRightControl(IDeckTabs* DeckTabs) : TScrollButtonControl(DeckTabs)
{
    FControlType = itScrollRightButton;
}
