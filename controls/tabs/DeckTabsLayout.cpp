// Layout of buttons and tabs, common widths, smart delete and scrolling.
#include "controls/tabs/DeckTabs.h"
#include "platform/controls/Timer.h"
#include "controls/tabs/DeckTabsUtils.h"

namespace {
} // namespace

void TCustomDeckTabs::SetMovementAnimation(TDeckTabsMovementAnimationTypes* AnimationTypes)
{
    if (!AnimationTypes) {
        FMovementEaseType = ttNone;
        FMovementAnimationTime = 0;
        return;
    }
    FMovementEaseType = FOptions->Animation()->GetMovementAnimationEaseType(AnimationTypes);
    FMovementAnimationTime = FOptions->Animation()->GetMovementAnimationTime(AnimationTypes);
}

void TCustomDeckTabs::SetControlPosition(TBaseDeckTabsControl* Control, const TRect& Rect, bool Animate)
{
    uint32_t time = 0;
    TDeckTabsEaseType ease = ttNone;
    if (Animate && !Designing(this)) {
        time = FMovementAnimationTime;
        ease = FMovementEaseType;
    }
    if (!Designing(this))
        DoOnAnimateMovement(Control, time, ease);
    Control->SetPosition(Rect, time, ease);
}

bool TCustomDeckTabs::TabsOverflow() { return Width() < FScrollWidth - FTabEndSpace; }

bool TCustomDeckTabs::ScrollButtonLeftVisible()
{
    return FOptions->Scrolling()->Enabled() && (TabsOverflow() || !FOptions->Scrolling()->AutoHideButtons());
}

bool TCustomDeckTabs::ScrollButtonRightVisible() { return ScrollButtonLeftVisible(); }

TTabDisplayState TCustomDeckTabs::GetTabDisplayState()
{
    if (TabsOverflow())
        return tdScrolling;
    const int last = GetLastVisibleTabIndex(FTabs->Count() - 1);
    if (GetVisibleTabCount(false) == 0 || last < 0)
        return tdNormal;
    TDeckTabControl* c = GetTabControl(last);
    if (!c || c->EndRect().Right < FTabContainerRect.Right)
        return tdNormal;
    return tdCompressed;
}

int TCustomDeckTabs::MaxScrollOffset() const
{
    int result = FScrollWidth - RectWidth(FTabContainerRect);
    if (FTabs->Count() > 1 && FScrollWidth > 0)
        result += FOptions->Display()->Tabs()->TabOverlap();
    return std::max(result, 0);
}

void TCustomDeckTabs::CalculateButtonRects()
{
    TDeckTabsDisplayOptions* d = FOptions->Display();
    TDeckTabsScrollOptions* scrolling = FOptions->Scrolling();
    TDeckTabsAddButtonProperties* add = d->AddButton();
    int l = d->TabContainer()->PaddingLeft();
    int r = Width();
    for (TBaseDeckTabsControl* b : std::initializer_list<TBaseDeckTabsControl*>{
             FScrollButtonLeftControl, FScrollButtonRightControl, FAddButtonControl})
        SetControlPosition(b, {0, 0, 0, 0}, false);

    auto placeLeft = [&](TBaseDeckTabsControl* B, TDeckTabsControlPosition* O) {
        const int x = l + O->Offsets()->Horizontal();
        SetControlPosition(B, {x, O->Offsets()->Vertical(), x + O->Width(), O->Offsets()->Vertical() + O->Height()},
                           false);
        l += RectWidth(B->ControlRect()) + O->Offsets()->Horizontal() + 1;
    };
    auto placeRight = [&](TBaseDeckTabsControl* B, TDeckTabsControlPosition* O) {
        SetControlPosition(B,
                           {r - O->Width() - O->Offsets()->Horizontal(), O->Offsets()->Vertical(),
                            r - O->Offsets()->Horizontal(), O->Offsets()->Vertical() + O->Height()},
                           false);
        r -= RectWidth(B->ControlRect()) + O->Offsets()->Horizontal() + 1;
    };
    const TDeckTabScrollButtons buttons = scrolling->ScrollButtons();
    if (ScrollButtonLeftVisible() && (buttons == csbLeft || buttons == csbLeftAndRight))
        placeLeft(FScrollButtonLeftControl, d->ScrollButtonLeft());
    if (ScrollButtonRightVisible() && buttons == csbLeft)
        placeLeft(FScrollButtonRightControl, d->ScrollButtonRight());
    if (add->Visibility() == avLeft)
        placeLeft(FAddButtonControl, add);

    r -= d->TabContainer()->PaddingRight();
    if (ScrollButtonRightVisible() && (buttons == csbRight || buttons == csbLeftAndRight))
        placeRight(FScrollButtonRightControl, d->ScrollButtonRight());
    if (ScrollButtonLeftVisible() && buttons == csbRight)
        placeRight(FScrollButtonLeftControl, d->ScrollButtonLeft());
    if (add->Visibility() == avRightFixed || add->Visibility() == avRightFloating) {
        FMaxAddButtonRight = r - add->Width() - add->Offsets()->Horizontal();
        if (add->Visibility() == avRightFixed)
            SetControlPosition(FAddButtonControl,
                               {FMaxAddButtonRight, add->Offsets()->Vertical(), r - add->Offsets()->Horizontal(),
                                add->Offsets()->Vertical() + add->Height()},
                               false);
        r -= add->Width() + add->Offsets()->Horizontal() + 1;
    }

    TDeckTabsOptions* tabs = d->Tabs();
    if (FOptions->Behaviour()->TabSmartDeleteResizing() && HasState(stsDeletingUnPinnedTabs)
        && HasState(stsEndTabDeleted)) {
        const int old = FScrollOffset;
        FScrollOffset = std::max(0, old + tabs->TabOverlap() - RectWidth(FClosedTabRect));
        FTabContainerRect = {l + tabs->OffsetLeft(), tabs->OffsetTop(), FClosedTabRect.Right + FScrollOffset - old,
                             ClientHeight() - tabs->OffsetBottom()};
        if (FScrollOffset < old)
            RemoveState(stsEndTabDeleted);
    } else {
        FTabContainerRect = {l + tabs->OffsetLeft(), tabs->OffsetTop(), r - tabs->OffsetRight(),
                             ClientHeight() - tabs->OffsetBottom()};
    }
}

void TCustomDeckTabs::CalculateAdjustedTabWidth()
{
    TDeckTabsOptions* tabs = FOptions->Display()->Tabs();
    FTabEndSpace = 0;
    int np = GetVisiblePinnedTabCount(false);
    int nu = GetVisibleNonPinnedTabCount(false);
    // A tab dragged in from another strip counts once more.
    if (FDragTabControl && FActiveDragTabObject && FActiveDragTabObject->SourceControl() != this)
        ++(FActiveDragTabObject->DragTab()->Pinned() ? np : nu);
    int a = tabs->ShowPinnedTabText() ? RectWidth(FTabContainerRect) - tabs->TabOverlap()
                                      : RectWidth(FTabContainerRect) - np * tabs->PinnedWidth() - tabs->TabOverlap();
    if (FDragTabControl)
        a += tabs->TabOverlap();
    int w = 0;
    if (tabs->ShowPinnedTabText()) {
        if (GetVisibleTabCount(false) + np > 0) {
            const int divisor = np + nu;
            if (divisor > 0) {
                w = a / divisor;
                FTabEndSpace = a % divisor;
            }
        }
    } else if (nu > 0) {
        w = a / nu;
        FTabEndSpace = a % nu;
    }
    if (w < tabs->MinWidth()) {
        w = tabs->MinWidth();
        FTabEndSpace = 0;
    }
    if (w > tabs->MaxWidth()) {
        w = tabs->MaxWidth();
        FTabEndSpace = 0;
    }
    FAdjustedTabWidth = w;
}

int TCustomDeckTabs::ClampedTabWidthByContent(TDeckTabControl* TabControl)
{
    TDeckTabsOptions* tabs = FOptions->Display()->Tabs();
    int width = TabControl->GetTabWidthByContent();
    if (width > tabs->MaxWidth())
        width = tabs->MaxWidth();
    else if (width < tabs->MinWidth())
        width = tabs->MinWidth();
    DoOnSetTabWidth(TabControl, width);
    return width;
}

void TCustomDeckTabs::CalculateSmartDeleteTabRects(int P)
{
    TDeckTabsOptions* tabs = FOptions->Display()->Tabs();
    TDeckTabsAnimationOptions* animation = FOptions->Animation();
    int target = FClosedTabIndex;
    if (animation->GetMovementAnimationEaseType(animation->MovementAnimations()->TabDelete()) != ttNone
        && HasState(stsAnimatingCloseTab))
        ++target;
    for (int i = std::max(FClosedTabIndex, 0); i < FTabs->Count(); ++i) {
        TDeckTab* tab = FTabs->Items(i);
        TDeckTabControl* c = GetTabControl(i);
        if (!tab->Visible() || !c)
            continue;
        int width = RectWidth(c->ControlRect());
        if (i == target) {
            width = RectWidth(FClosedTabRect);
            P = FClosedTabRect.Left;
        }
        if (!tab->MarkedForDeletion())
            SetControlPosition(c, {P, tabs->OffsetTop(), P + width, ClientHeight() - tabs->OffsetBottom()}, true);
        P += width - tabs->TabOverlap();
        FScrollWidth = P;
    }
}

void TCustomDeckTabs::CalculateTabGroupRects(int& P, int TabWidth, int PixelsToAdd, bool Pinned)
{
    TDeckTabsOptions* tabs = FOptions->Display()->Tabs();
    const int first = Pinned ? 0 : GetPinnedTabCount();
    const int last = Pinned ? GetPinnedTabCount() - 1 : FTabs->Count() - 1;
    int placeholderWidth = 0;
    bool placeholderPending = PlaceDragPlaceholder(TabWidth, Pinned, placeholderWidth);
    for (int i = first; i <= last; ++i) {
        TDeckTab* tab = FTabs->Items(i);
        TDeckTabControl* c = GetTabControl(i);
        if (!tab->Visible() || !c)
            continue;
        // The dragged tab has left its home strip: the others close up.
        if (FDragTabObject && tab->Active() && FDragTabObject->DockControl() != this)
            continue;
        if (placeholderPending && PlaceholderAt(i, Pinned, P))
            placeholderPending = false;
        if (HasState(stsDragging) && FDragTabObject && FDragTabObject->DragTab() == tab)
            continue;
        if (tab->MarkedForDeletion()) {
            P += RectWidth(c->ControlRect());
            FScrollWidth += RectWidth(c->ControlRect());
            continue;
        }
        const int addPixel = ((!Pinned || tabs->ShowPinnedTabText()) && !tabs->TabWidthFromContent()
                              && PixelsToAdd > 0)
                                 ? 1
                                 : 0;
        --PixelsToAdd;
        if (HasState(stsResizing))
            SetMovementAnimation(nullptr);
        if (tabs->TabWidthFromContent() && (!Pinned || tabs->ShowPinnedTabText()))
            TabWidth = ClampedTabWidthByContent(c);
        SetControlPosition(
            c, {P, tabs->OffsetTop(), P + TabWidth + tabs->TabOverlap(), ClientHeight() - tabs->OffsetBottom()},
            true);
        P += TabWidth + addPixel;
        FScrollWidth += TabWidth + addPixel;
    }
    if (placeholderPending)
        PlaceholderAfterGroup(last, Pinned, P);
    if (FActiveDragTabObject && FActiveDragTabObject->DropTabIndex() < 0)
        FActiveDragTabObject->SetDropTabIndex(0);
}

void TCustomDeckTabs::CalculateTabRects()
{
    TDeckTabsDisplayOptions* d = FOptions->Display();
    TDeckTabsOptions* tabs = d->Tabs();
    FScrollWidth = 0;
    int p = FTabContainerRect.Left;
    try {
        if (HasState(stsDeletingUnPinnedTabs) && HasState(stsTabDeleted)) {
            CalculateSmartDeleteTabRects(p);
        } else {
            if (!tabs->TabWidthFromContent() && !OwnDragDockedHere())
                CalculateAdjustedTabWidth();
            CalculateTabGroupRects(p, tabs->ShowPinnedTabText() ? FAdjustedTabWidth : tabs->PinnedWidth(), 0, true);
            CalculateTabGroupRects(p, FAdjustedTabWidth, FTabEndSpace, false);
        }
        TDeckTabsAddButtonProperties* add = d->AddButton();
        if (add->Visibility() == avRightFloating) {
            const int lastVisible = GetLastVisibleTabIndex(FTabs->Count() - 1);
            int x = d->TabContainer()->PaddingLeft();
            if (TDeckTabControl* c = GetTabControl(lastVisible))
                x = (HasState(stsEndTabDeleted) ? c->EndRect().Right : c->ControlRect().Right)
                    + add->HorizontalOffsetFloating();
            if (GetTabDisplayState() != tdNormal)
                x = FMaxAddButtonRight;
            else
                x = std::min(x, FMaxAddButtonRight);
            SetControlPosition(FAddButtonControl,
                               {x, add->Offsets()->Vertical(), x + add->Width(),
                                add->Offsets()->Vertical() + add->Height()},
                               false);
        }
        if (FScrollWidth != FPreviousScrollWidth)
            DoOnScrollWidthChanged();
        FPreviousScrollWidth = FScrollWidth;
    } catch (...) {
        RemoveState(stsCancellingDrag);
        RemoveState(stsCompletingDrag);
        RemoveState(stsResizing);
        throw;
    }
    if (HasState(stsCancellingDrag) || HasState(stsCompletingDrag)) {
        RemoveState(stsCancellingDrag);
        RemoveState(stsCompletingDrag);
    }
    RemoveState(stsResizing);
}

// Scrolling

void TCustomDeckTabs::SetScrollOffset(int Value)
{
    if (!FOptions->Scrolling()->Enabled() || Value == FScrollOffset)
        return;
    FScrollOffset = Value;
    if (FTabs->Count() > 0 && Value > MaxScrollOffset())
        FScrollOffset = MaxScrollOffset();
    if (FScrollOffset < 0)
        FScrollOffset = 0;
    AddState(stsControlPositionsInvalidated);
    SetControlDrawStates(true);
    Redraw();
    DoOnScroll();
}

void TCustomDeckTabs::ScrollTabs(TScrollDirection Direction, bool StartTimer)
{
    if (GetTabDisplayState() != tdScrolling)
        return;
    FScrollDirection = Direction;
    int step = FOptions->Scrolling()->ScrollStep();
    if (IsRightToLeftLayout())
        step = -step;
    if (Direction == mdsLeft)
        SetScrollOffset(FScrollOffset - step);
    else if (Direction == mdsRight)
        SetScrollOffset(FScrollOffset + step);
    if (StartTimer)
        FScrollTimer->SetEnabled(true);
}

void TCustomDeckTabs::DoScrollTimer(TObject*)
{
    if (GetTabDisplayState() == tdScrolling)
        ScrollTabs(FScrollDirection, true);
}

void TCustomDeckTabs::ScrollIntoView(TDeckTab* Tab)
{
    TDeckTabControl* c = Tab ? static_cast<TDeckTabControl*>(Tab->TabControl()) : nullptr;
    if (!c)
        return;
    if (c->EndRect().Left < FScrollOffset)
        SetScrollOffset(c->EndRect().Left);
    else if (FTabContainerRect.Right + FScrollOffset < c->EndRect().Right)
        SetScrollOffset(c->EndRect().Right + FOptions->Display()->Tabs()->TabOverlap()
                        - RectWidth(FTabContainerRect));
}

void TCustomDeckTabs::CorrectScrollOffset(bool Force)
{
    if (FOptions->Scrolling()->Enabled() && FScrollOffset > 0 && (Force || Width() > FLastClientWidth)) {
        TDeckTabControl* last = GetTabControl(GetLastVisibleTabIndex(FTabs->Count() - 1));
        if (last && last->ControlRect().Right < ClientWidth() + FScrollOffset)
            SetScrollOffset(MaxScrollOffset());
    }
    FLastClientWidth = Width();
}

// A control widened in one step can leave the offset past the end of the
// new layout; the offset goes back to the layout's maximum.
void TCustomDeckTabs::ClampScrollOffsetToLayout()
{
    const int max = MaxScrollOffset();
    if (FScrollOffset <= max)
        return;
    FScrollOffset = max;
    SetControlDrawStates(true);
    DoOnScroll();
}

void TCustomDeckTabs::DoCancelTabSmartResize(TObject*)
{
    FCancelTabSmartResizeTimer->SetEnabled(false);
    ClearSmartDeleteStates();
    AddState(stsControlPositionsInvalidated);
    FLastClientWidth = -1;
    CorrectScrollOffset(false);
    Redraw();
}

void TCustomDeckTabs::Resize()
{
    TCustomControl::Resize();
    if (!FOptions)
        return;
    CorrectScrollOffset(false);
    AddState(stsResizing);
    SetControlDrawStates(true);
    InvalidateAllControls();
    Redraw();
}
