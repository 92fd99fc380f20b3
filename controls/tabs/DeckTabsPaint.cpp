// Painting into the back buffer and the animation tick.
#include "controls/tabs/DeckTabs.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Clock.h"

void TCustomDeckTabs::Paint() { DrawCanvas(); }

void TCustomDeckTabs::SetTabClipRegion(TGPGraphics* Graphics)
{
    TDeckTabsDisplayOptions* d = FOptions->Display();
    TDeckTabsOptions* tabs = d->Tabs();
    const TRect r = d->TabContainer()->OverlayButtons()
                        ? TRect{tabs->OffsetLeft(), tabs->OffsetTop(), Width() - tabs->OffsetRight(),
                                ClientHeight() - tabs->OffsetBottom()}
                        : FTabContainerRect;
    Graphics->ResetClip();
    Graphics->SetClip(RectToGPRectF(BidiControlRect(r)), CombineModeReplace);
}

bool TCustomDeckTabs::ControlVisibleInWindow(TDeckTabControl* Control)
{
    return Control->ControlRect().Right >= FScrollOffset && Control->ControlRect().Left <= Width() + FScrollOffset;
}

void TCustomDeckTabs::DrawBackground(TGPGraphics* Canvas, TGPGraphics* Background)
{
    const TColor parentColor = Parent() ? Parent()->Color() : Color();
    const TRect client{0, 0, ClientWidth(), ClientHeight()};
    for (TGPGraphics* g : {Canvas, Background}) {
        if (!g)
            continue;
        g->Clear(MakeGPColor(parentColor, 255));
        if (!FOptions->Display()->TabContainer()->TransparentBackground()) {
            TDeckTabsLookAndFeelStyle* style = FLookAndFeel->TabsContainer();
            g->FillRectangle(style->GetBrush(client), RectToGPRectF(client));
            g->DrawRectangle(style->GetPen(), RectToGPRectF(client));
        }
    }
}

void TCustomDeckTabs::DrawCanvas()
{
    if (!ControlReady())
        return;
    const uint32_t start = GetTickCount();
    const bool resized = HasState(stsResizing);
    bool laidOut = false;
    if (HasState(stsControlPositionsInvalidated)) {
        RemoveState(stsControlPositionsInvalidated);
        CalculateButtonRects();
        CalculateTabRects();
        laidOut = true;
    } else if (HasState(stsAnimatingMovement) && GetTabDisplayState() == tdNormal) {
        CalculateButtonRects();
        CalculateTabRects();
        laidOut = true;
    }
    if (resized && laidOut)
        ClampScrollOffsetToLayout();
    if (HasState(stsFirstPaint)) {
        RemoveState(stsFirstPaint);
        SetControlDrawStates(true);
    }
    const int w = std::max(1, ClientWidth()), h = std::max(1, ClientHeight());
    FCanvasBmp->SetSize(w, h);
    FBackgroundBmp->SetSize(w, h);
    try {
        TGPGraphics canvas(FCanvasBmp->Canvas()->Handle());
        TGPGraphics background(FBackgroundBmp->Canvas()->Handle());
        const TSmoothingMode smoothing = FOptions->Display()->Tabs()->CanvasSmoothingMode;
        canvas.SetSmoothingMode(smoothing);
        background.SetSmoothingMode(smoothing);
        const TRect client{0, 0, ClientWidth(), ClientHeight()};

        bool handled = false;
        DoOnBeforeDrawItem(&canvas, client, itTabContainer, -1, handled);
        const bool paintCanvas = !handled;
        DoOnBeforeDrawItem(&background, client, itBackground, -1, handled);
        const bool paintBackground = !handled;
        DrawBackground(paintCanvas ? &canvas : nullptr, paintBackground ? &background : nullptr);
        DoOnAfterDrawItem(&background, client, itBackground, -1);

        TDeckTab* active = FTabs->ActiveTab();
        const int activeIndex = active ? active->Index() : -1;
        const bool ownDrag = FDragTabObject != nullptr;
        for (int i = FTabs->Count() - 1; i >= 0; --i) {
            TDeckTab* tab = FTabs->Items(i);
            TDeckTabControl* c = GetTabControl(i);
            if (!tab->Visible() || tab == active || !c || !ControlVisibleInWindow(c))
                continue;
            SetTabClipRegion(&canvas);
            TDeckTabPolygonsRef clip;
            if (!FOptions->Display()->Tabs()->SeeThroughTabs()) {
                clip = NewDeckTabPolygons();
                const int previous = GetLastVisibleTabIndex(i - 1);
                if (TDeckTabControl* p = GetTabControl(previous))
                    if (!(ownDrag && previous == activeIndex)) {
                        TDeckTabPolygonsRef polygons = p->GetPolygons();
                        if (polygons->PolygonCount() > 0)
                            clip->AddPolygon(polygons->GetPolygons(0)->Polygon, nullptr, nullptr);
                    }
                if (activeIndex == i + 1 && !ownDrag)
                    if (TDeckTabControl* a = GetTabControl(activeIndex)) {
                        TDeckTabPolygonsRef polygons = a->GetPolygons();
                        if (polygons->PolygonCount() > 0)
                            clip->AddPolygon(polygons->GetPolygons(0)->Polygon, nullptr, nullptr);
                    }
            }
            c->DrawTo(&canvas, FLastMouseX, FLastMouseY, clip);
        }

        if (FOptions->Display()->Tabs()->BaseLineTabRegionOnly())
            SetTabClipRegion(&canvas);
        else
            canvas.ResetClip();
        TGPPen* baseLine = FLookAndFeel->Tabs()->BaseLine()->GetPen();
        if (FOptions->Display()->Tabs()->Orientation() == toTop)
            canvas.DrawLine(baseLine, 0, float(FTabContainerRect.Bottom - 1), float(Width()),
                            float(FTabContainerRect.Bottom - 1));
        else
            canvas.DrawLine(baseLine, 0, float(FTabContainerRect.Top), float(Width()), float(FTabContainerRect.Top));

        SetTabClipRegion(&canvas);
        const bool shouldDrawActive = !ownDrag || FDragTabObject->DockControl() == this;
        if (TDeckTabControl* a = GetTabControl(activeIndex))
            if (shouldDrawActive && ControlVisibleInWindow(a))
                a->DrawTo(&canvas, FLastMouseX, FLastMouseY, nullptr);

        canvas.ResetClip();
        if (FDragTabControl)
            FDragTabControl->DrawTo(&canvas, FLastMouseX, FLastMouseY, nullptr);

        TDeckTabsAddButtonProperties* add = FOptions->Display()->AddButton();
        if (add->Visibility() != avNone && (!FActiveDragTabObject || !FActiveDragTabObject->HideAddButton())
            && (!FDragTabObject || !FDragTabObject->HideAddButton())
            && ClientWidth() >= RectWidth(FAddButtonControl->ControlRect()))
            FAddButtonControl->DrawTo(&canvas, FLastMouseX, FLastMouseY, nullptr);
        // An unplaced button's arrow would land in the top-left corner.
        if (FOptions->Scrolling()->Enabled()) {
            if (ScrollButtonLeftVisible() && !FScrollButtonLeftControl->ControlRect().IsEmpty())
                FScrollButtonLeftControl->DrawTo(&canvas, FLastMouseX, FLastMouseY, nullptr);
            if (ScrollButtonRightVisible() && !FScrollButtonRightControl->ControlRect().IsEmpty())
                FScrollButtonRightControl->DrawTo(&canvas, FLastMouseX, FLastMouseY, nullptr);
        }
        DoOnAfterDrawItem(&canvas, client, itTabContainer, -1);
    } catch (...) {
        DoOnDebugLog(QStringLiteral("Canvas Draw: %d ms"), {int(GetTickCount() - start)});
        throw;
    }
    DoOnDebugLog(QStringLiteral("Canvas Draw: %d ms"), {int(GetTickCount() - start)});
    BitBlt(Canvas()->Handle(), 0, 0, w, h, FCanvasBmp->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TCustomDeckTabs::DoAnimateTimer(TObject*)
{
    if (IsDestroying() || !FTabs)
        return;
    RemoveState(stsAnimatingMovement);
    RemoveState(stsAnimatingStyle);
    // 64-bit, so the steps go on when the 32-bit count wraps.
    const uint64_t now = GetTickCount64();
    TDeckTabsDisplayOptions* d = FOptions->Display();
    const bool glow = now > FNextModifiedGlowAnimateTickCount;
    if (glow)
        FNextModifiedGlowAnimateTickCount = now + uint64_t(std::max(0, d->TabModifiedGlow()->AnimationUpdateMS()));
    const bool spin = now > FNextSpinnerAnimateTickCount;
    if (spin)
        FNextSpinnerAnimateTickCount = now + d->TabSpinners()->AnimationUpdateMS();

    for (int i = FTabs->Count() - 1; i >= 0; --i) {
        if (i >= FTabs->Count())
            continue;
        TDeckTab* tab = FTabs->Items(i);
        TDeckTabControl* c = GetTabControl(i);
        if (!c)
            continue;
        if (glow && c->AnimateModified())
            AddState(stsAnimatingStyle);
        if (spin && c->AnimateSpinner())
            AddState(stsAnimatingStyle);
        if (c->AnimateStyle())
            AddState(stsAnimatingStyle);
        if (c->AnimateMovement()) {
            AddState(stsAnimatingMovement);
            if (tab->Active() && HasState(stsAnimatingNewTab))
                ScrollIntoView(tab);
        } else if (tab->Active() && HasState(stsAnimatingNewTab)) {
            RemoveState(stsAnimatingNewTab);
            CorrectScrollOffset(true);
            ScrollIntoView(tab);
        }
        if (tab->MarkedForDeletion()) {
            AddState(stsControlPositionsInvalidated);
            AddState(stsAnimatingMovement);
            if (RectWidth(c->ControlRect()) <= FOptions->Animation()->MinimumTabAnimationWidth()) {
                FTabs->DeleteTab(i, true);
                RemoveState(stsAnimatingCloseTab);
            }
        }
    }
    for (TBaseDeckTabsControl* b : std::initializer_list<TBaseDeckTabsControl*>{
             FAddButtonControl, FScrollButtonLeftControl, FScrollButtonRightControl}) {
        if (b->AnimateMovement())
            AddState(stsAnimatingMovement);
        if (b->AnimateStyle())
            AddState(stsAnimatingStyle);
    }
    if (HasState(stsAnimatingMovement) || HasState(stsAnimatingStyle)) {
        if (HasState(stsDeletingUnPinnedTabs) && !HasState(stsDragging))
            SetControlDrawStates(false);
        Redraw();
    }
    if (FDragTabObject && FDragTabObject->DockControl() && FDragTabObject->DockControl() != FDragTabObject->SourceControl())
        FDragTabObject->DockControl()->FireScrollTimer();
}
