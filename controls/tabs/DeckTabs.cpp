// The strip's state, update batching, change reaction and life cycle.
#include "controls/tabs/DeckTabs.h"
#include "controls/tabs/DeckTabsDefaults.h"
#include "controls/tabs/ThreadTimer.h"
#include "platform/controls/Menu.h"
#include "platform/controls/Timer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/ImageList.h"
#include "controls/tabs/DeckTabsUtils.h"

namespace {
} // namespace

TCustomDeckTabs::TCustomDeckTabs(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle += csCaptureMouse;
    FControlStyle += csReplicatable;
    FControlStyle += csOpaque;
    FCanvasBmp = new TBitmap();
    FCanvasBmp->SetPixelFormat(pf32bit);
    FBackgroundBmp = new TBitmap();
    FBackgroundBmp->SetPixelFormat(pf32bit);
    FLookAndFeel = new TDeckTabsLookAndFeel(this);
    FOptions = new TOptions(this);
    FTabs = new TDeckTabsList(this);
    FAddButtonControl = new TAddButtonControl(this);
    FScrollButtonLeftControl = new TScrollButtonLeftControl(this);
    FScrollButtonRightControl = new TScrollButtonRightControl(this);

    FAnimateTimer = new TThreadTimer(this);
    FAnimateTimer->SetInterval(FOptions->Animation()->AnimationTimerInterval());
    FAnimateTimer->OnTimer = [this](TObject* Sender) { DoAnimateTimer(Sender); };
    FAnimateTimer->SetEnabled(true);
    FCancelTabSmartResizeTimer = new TTimer(this);
    FCancelTabSmartResizeTimer->SetEnabled(false);
    FCancelTabSmartResizeTimer->SetInterval(unsigned(FOptions->Behaviour()->TabSmartDeleteResizeCancelDelay()));
    FCancelTabSmartResizeTimer->OnTimer = [this](TObject* Sender) { DoCancelTabSmartResize(Sender); };
    FScrollTimer = new TTimer(this);
    FScrollTimer->SetEnabled(false);
    FScrollTimer->SetInterval(unsigned(FOptions->Scrolling()->ScrollRepeatDelay()));
    FScrollTimer->OnTimer = [this](TObject* Sender) { DoScrollTimer(Sender); };

    SetBounds(Left(), Top(), 300, 30);
    FScrollOffset = -1;

    SetDefaultOptions();
    SetDefaultLookAndFeel();
    for (int i = 0; i < FTabs->Count(); ++i)
        if (TDeckTabControl* c = GetTabControl(i))
            SetControlDrawState(c, c->DrawState(), true);
    AfterConstruction();
}

void TCustomDeckTabs::AfterConstruction() { FControlConstructed = true; }

TCustomDeckTabs::~TCustomDeckTabs()
{
    AbandonDrag();
    Destroying();
    FAnimateTimer->SetEnabled(false);
    delete std::exchange(FTabs, nullptr);
    delete std::exchange(FScrollButtonLeftControl, nullptr);
    delete std::exchange(FScrollButtonRightControl, nullptr);
    delete std::exchange(FAddButtonControl, nullptr);
    delete std::exchange(FCanvasBmp, nullptr);
    delete std::exchange(FBackgroundBmp, nullptr);
    delete std::exchange(FTabPopupMenu, nullptr);
    delete std::exchange(FOptions, nullptr);
    delete std::exchange(FLookAndFeel, nullptr);
    FActiveDragTabObject.reset();
    FDragTabObject.reset();
}

bool TCustomDeckTabs::ControlReady()
{
    return !IsLoading() && !IsDestroying() && FControlConstructed && !FCreatingWindow;
}

// State set

bool TCustomDeckTabs::AddState(TDeckTabState S)
{
    if (FState.Contains(S))
        return false;
    const TDeckTabStates previous = FState;
    FState += S;
    DoOnStateChange(previous, FState);
    return true;
}

bool TCustomDeckTabs::RemoveState(TDeckTabState S)
{
    if (!FState.Contains(S))
        return false;
    const TDeckTabStates previous = FState;
    FState -= S;
    DoOnStateChange(previous, FState);
    return true;
}

// Update batching

void TCustomDeckTabs::BeginUpdate()
{
    if (FUpdateCount == 0)
        FPausedUpdateCount = 0;
    ++FUpdateCount;
}

void TCustomDeckTabs::EndUpdate()
{
    if (FUpdateCount <= 0)
        return;
    --FUpdateCount;
    if (FUpdateCount == 0 && FPausedUpdateCount > 0) {
        FPausedUpdateCount = 0;
        Redraw();
    }
}

void TCustomDeckTabs::Redraw()
{
    if (FUpdateCount > 0) {
        ++FPausedUpdateCount;
        AddState(stsPendingUpdates);
        return;
    }
    RemoveState(stsPendingUpdates);
    Invalidate();
    if (HandleAllocated())
        Update();
}

void TCustomDeckTabs::Invalidate() { TCustomControl::Invalidate(); }

// Properties

int TCustomDeckTabs::ActiveTabIndex() const
{
    TDeckTab* tab = FTabs->ActiveTab();
    return tab ? tab->Index() : -1;
}

void TCustomDeckTabs::SetActiveTabIndex(int Value)
{
    if (Value == -1) {
        // Clearing leaves no tab active: no neighbour takes over.
        FClearingActiveTab = true;
        try {
            if (TDeckTab* tab = FTabs->ActiveTab())
                tab->SetActive(false);
        } catch (...) {
            FClearingActiveTab = false;
            throw;
        }
        FClearingActiveTab = false;
    } else if (Value >= 0 && Value < FTabs->Count()) {
        FTabs->Items(Value)->SetActive(true);
    }
}

void TCustomDeckTabs::SetActiveTab(TDeckTab* Value)
{
    if (Value)
        FTabs->SetActiveTab(Value);
}

void TCustomDeckTabs::SetImages(TCustomImageList* Value)
{
    FImages = Value;
    if (Value)
        Value->FreeNotification(this);
    Redraw();
}

void TCustomDeckTabs::SetImagesOverlay(TCustomImageList* Value)
{
    FImagesOverlay = Value;
    if (Value)
        Value->FreeNotification(this);
    Redraw();
}

void TCustomDeckTabs::SetBiDiModeAndRedraw(TBiDiMode Value)
{
    SetBiDiMode(Value);
    Redraw();
}

void TCustomDeckTabs::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    // One list may serve both; neither may keep it once it is gone.
    if (AComponent == FImages)
        SetImages(nullptr);
    if (AComponent == FImagesOverlay)
        SetImagesOverlay(nullptr);
    if (AComponent == FImagesSpinnerUpload)
        FImagesSpinnerUpload = nullptr;
    if (AComponent == FImagesSpinnerDownload)
        FImagesSpinnerDownload = nullptr;
}

void TCustomDeckTabs::SetDefaultOptions() { SetDefaultDeckTabsOptions(FOptions); }

void TCustomDeckTabs::SetDefaultLookAndFeel()
{
    BeginUpdate();
    SetDefaultDeckTabsLookAndFeel(FLookAndFeel);
    EndUpdate();
}

// Helpers

TDeckTabControl* TCustomDeckTabs::GetTabControl(int Index) const
{
    if (Index < 0 || Index >= FTabs->Count())
        return nullptr;
    return static_cast<TDeckTabControl*>(FTabs->Items(Index)->TabControl());
}

int TCustomDeckTabs::GetLastPinnedIndex()
{
    int last = -1;
    while (last + 1 < FTabs->Count() && FTabs->Items(last + 1)->Pinned())
        ++last;
    return last;
}

int TCustomDeckTabs::GetLastVisibleTabIndex(int Start)
{
    for (int i = std::min(Start, FTabs->Count() - 1); i >= 0; --i)
        if (FTabs->Items(i)->Visible())
            return i;
    return -1;
}

int TCustomDeckTabs::GetVisiblePinnedTabCount(bool IncludeMarked)
{
    int n = 0;
    for (int i = 0; i < GetPinnedTabCount(); ++i) {
        TDeckTab* t = FTabs->Items(i);
        if (t->Visible() && (IncludeMarked || !t->MarkedForDeletion()))
            ++n;
    }
    return n;
}

int TCustomDeckTabs::GetVisibleNonPinnedTabCount(bool IncludeMarked)
{
    int n = 0;
    for (int i = GetPinnedTabCount(); i < FTabs->Count(); ++i) {
        TDeckTab* t = FTabs->Items(i);
        if (t->Visible() && (IncludeMarked || !t->MarkedForDeletion()))
            ++n;
    }
    return n;
}

int TCustomDeckTabs::GetVisibleTabCount(bool IncludeMarked)
{
    return GetVisiblePinnedTabCount(IncludeMarked) + GetVisibleNonPinnedTabCount(IncludeMarked);
}

QString TCustomDeckTabs::GetTabDescription(int Index) const
{
    if (Index < 0 || Index >= FTabs->Count())
        return QString();
    const QString caption = FTabs->Items(Index)->Caption();
    return caption.isEmpty() ? QStringLiteral("<No Caption>") : caption;
}

bool TCustomDeckTabs::IsRightToLeftLayout() const
{
    return BiDiMode() == bdRightToLeft || BiDiMode() == bdRightToLeftNoAlign;
}

int TCustomDeckTabs::BidiXPos(int X) { return IsRightToLeftLayout() ? ClientWidth() - X : X; }

int TCustomDeckTabs::BidiScrollOffset() const { return IsRightToLeftLayout() ? -FScrollOffset : FScrollOffset; }

TRect TCustomDeckTabs::ScrollRect(int Left, int Top, int Right, int Bottom)
{
    return {Left - FScrollOffset, Top, Right - FScrollOffset, Bottom};
}

TRect TCustomDeckTabs::BidiScrollRect(const TRect& Rect)
{
    const int offset = BidiScrollOffset();
    return {Rect.Left - offset, Rect.Top, Rect.Right - offset, Rect.Bottom};
}

TRect TCustomDeckTabs::BidiControlRect(const TRect& Rect)
{
    return IsRightToLeftLayout() ? MirrorRect({0, 0, ClientWidth(), ClientHeight()}, Rect) : Rect;
}

TDeckTabPolygonsRef TCustomDeckTabs::GetPreviousTabPolygons(int Index)
{
    TDeckTabControl* c = GetTabControl(GetLastVisibleTabIndex(Index - 1));
    return c ? c->GetPolygons() : nullptr;
}

// Events

void TCustomDeckTabs::DoOnBeforeDrawItem(TGPGraphics* TargetCanvas, const TRect& ItemRect,
                                         TDeckTabItemType ItemType, int TabIndex, bool& Handled)
{
    Handled = false;
    if (OnBeforeDrawItem)
        OnBeforeDrawItem(this, TargetCanvas, ItemRect, ItemType, TabIndex, Handled);
}

void TCustomDeckTabs::DoOnAfterDrawItem(TGPGraphics* TargetCanvas, const TRect& ItemRect, TDeckTabItemType ItemType,
                                        int TabIndex)
{
    if (OnAfterDrawItem)
        OnAfterDrawItem(this, TargetCanvas, ItemRect, ItemType, TabIndex);
}

void TCustomDeckTabs::DoOnGetControlPolygons(TObject* DeckTabsControl, const TRect& ItemRect,
                                             TDeckTabItemType ItemType, TTabOrientation Orientation,
                                             TDeckTabPolygonsRef& Polygons)
{
    if (OnGetControlPolygons)
        OnGetControlPolygons(this, DeckTabsControl, ItemRect, ItemType, Orientation, Polygons);
}

void TCustomDeckTabs::DoOnDebugLog(const QString& Text, std::initializer_list<TVarRec> Args)
{
    if (FOptions && FOptions->Behaviour()->DebugMode() && OnDebugLog)
        OnDebugLog(this, Format(Text, Args));
}

void TCustomDeckTabs::DoOnActiveTabChanging(TDeckTab* AOldTab, TDeckTab* ANewTab, bool& Allow)
{
    if (OnActiveTabChanging)
        OnActiveTabChanging(this, AOldTab, ANewTab, Allow);
}

void TCustomDeckTabs::DoOnActiveTabChanged(TDeckTab* ATab)
{
    if (OnActiveTabChanged)
        OnActiveTabChanged(this, ATab);
}

void TCustomDeckTabs::DoOnButtonCloseTabClick(TDeckTab* ATab, bool& Close)
{
    if (OnButtonCloseTabClick)
        OnButtonCloseTabClick(this, ATab, Close);
}

void TCustomDeckTabs::DoOnButtonAddClick()
{
    bool handled = false;
    if (OnButtonAddClick)
        OnButtonAddClick(this, handled);
    if (!handled)
        FTabs->Add();
}

void TCustomDeckTabs::DoOnStateChange(TDeckTabStates PreviousState, TDeckTabStates CurrentState)
{
    if (OnStateChange)
        OnStateChange(this, PreviousState, CurrentState);
}

void TCustomDeckTabs::DoOnMouseLeave()
{
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TCustomDeckTabs::DoOnShowHint(const THitTestResult& HitTestResult, QString& HintText, int& HintTimeout)
{
    if (OnShowHint)
        OnShowHint(this, HitTestResult, HintText, HintTimeout);
}

void TCustomDeckTabs::DoOnTabDblClick(TDeckTab* ATab)
{
    if (OnTabDblClick)
        OnTabDblClick(this, ATab);
}

void TCustomDeckTabs::DoOnScroll()
{
    if (OnScroll)
        OnScroll(this);
}

void TCustomDeckTabs::DoOnScrollWidthChanged()
{
    if (OnScrollWidthChanged)
        OnScrollWidthChanged(this);
}

void TCustomDeckTabs::DoOnAnimateStyle(TBaseDeckTabsControl* Control, TDrawState NewDrawState,
                                       uint32_t& AnimationTimeMS, TDeckTabsEaseType& EaseType)
{
    if (OnAnimateStyle)
        OnAnimateStyle(this, Control, NewDrawState, AnimationTimeMS, EaseType);
}

void TCustomDeckTabs::DoOnAnimateMovement(TBaseDeckTabsControl* Control, uint32_t& AnimationTimeMS,
                                          TDeckTabsEaseType& EaseType)
{
    if (OnAnimateMovement)
        OnAnimateMovement(this, Control, AnimationTimeMS, EaseType);
}

void TCustomDeckTabs::DoOnSetTabWidth(TDeckTabControl* ATabControl, int& TabWidth)
{
    if (OnSetTabWidth)
        OnSetTabWidth(this, ATabControl, TabWidth);
}

// Change reaction

void TCustomDeckTabs::UpdateTimerIntervals()
{
    FAnimateTimer->SetInterval(FOptions->Animation()->AnimationTimerInterval());
    FCancelTabSmartResizeTimer->SetInterval(unsigned(FOptions->Behaviour()->TabSmartDeleteResizeCancelDelay()));
    FScrollTimer->SetInterval(unsigned(FOptions->Scrolling()->ScrollRepeatDelay()));
}

void TCustomDeckTabs::ClearSmartDeleteStates()
{
    RemoveState(stsDeletingUnPinnedTabs);
    RemoveState(stsTabDeleted);
    RemoveState(stsEndTabDeleted);
    Redraw();
}

void TCustomDeckTabs::DeleteTab(int Index)
{
    FTabs->DeleteTab(Index, Designing(this));
}

void TCustomDeckTabs::DoOnChange(TDeckTab* ATab, TTabChangeType TabChangeType)
{
    if (IsDestroying() || !FTabs || !FOptions)
        return;
    if (ControlReady() && TabChangeType == tcPropertyUpdated) {
        UpdateTimerIntervals();
        SetControlDrawStates(true);
        InvalidateAllControls();
    }
    if (ATab) {
        TDeckTabsDisplayOptions* display = FOptions->Display();
        TDeckTabsAnimationOptions* animation = FOptions->Animation();
        if (!ATab->TabControl()) {
            auto* control = new TDeckTabControl(this, ATab);
            ATab->SetTabControl(control);
            TDeckTabsMovementAnimationTypes* add = animation->MovementAnimations()->TabAdd();
            if (animation->GetMovementAnimationEaseType(add) != ttNone) {
                TDeckTabControl* previous = GetTabControl(GetLastVisibleTabIndex(FTabs->Count() - 2));
                const int left = previous ? previous->ControlRect().Right - display->Tabs()->TabOverlap()
                                          : display->Tabs()->OffsetLeft() + display->TabContainer()->PaddingLeft();
                SetMovementAnimation(add);
                control->SetPosition({left, display->Tabs()->OffsetTop(),
                                      left + animation->MinimumTabAnimationWidth(),
                                      ClientHeight() - display->Tabs()->OffsetBottom()},
                                     0, ttNone);
            }
            if (OnChange)
                OnChange(this, ATab, TabChangeType);
            if (FOptions->Behaviour()->ActivateNewTab()
                && (!FTabs->ActiveTab() || (ControlReady() && !HasState(stsAddingDroppedTab)))) {
                ATab->SetActive(true);
                AddState(stsAnimatingNewTab);
            } else {
                SetControlDrawState(control, dsNotActive, false);
            }
        }
        auto* control = static_cast<TDeckTabControl*>(ATab->TabControl());
        switch (TabChangeType) {
        case tcAdded: ClearSmartDeleteStates(); break;
        case tcMoved:
        case tcPropertyUpdated: break;
        case tcDeleting:
            RemoveState(stsEndTabDeleted);
            if (FOptions->Behaviour()->TabSmartDeleteResizing())
                AddState(ATab->Index() == FTabs->Count() - 1 ? stsEndTabDeleted : stsTabDeleted);
            break;
        case tcDeleted: {
            TDeckTabsMovementAnimationTypes* del = animation->MovementAnimations()->TabDelete();
            SetMovementAnimation(del);
            if (animation->GetMovementAnimationEaseType(del) != ttNone) {
                if (GetTabDisplayState() == tdCompressed && ATab->Index() == FTabs->Count() - 1) {
                    // Deleted at once: hand OnChange no freed tab.
                    FTabs->DeleteTab(ATab->Index(), true);
                    ATab = nullptr;
                    control = nullptr;
                } else {
                    AddState(stsAnimatingCloseTab);
                    control->SetWidth(animation->MinimumTabAnimationWidth(), FMovementAnimationTime,
                                      FMovementEaseType);
                }
            }
            break;
        }
        case tcActivated:
            SetControlDrawState(control, dsActive, false);
            if (FOptions->Scrolling()->Enabled())
                ScrollIntoView(ATab);
            DoOnActiveTabChanged(ATab);
            break;
        case tcDeactivated:
            SetControlDrawState(control, dsNotActive, false);
            if (!FTabs->ActiveTab() && !FClearingActiveTab) {
                const int index = ATab->Index();
                int next = -1;
                for (int i = index + 1; i < FTabs->Count() && next == -1; ++i)
                    if (FTabs->Items(i)->Visible())
                        next = i;
                for (int i = index - 1; i >= 0 && next == -1; --i)
                    if (FTabs->Items(i)->Visible())
                        next = i;
                if (next != -1)
                    FTabs->Items(next)->SetActive(true);
            }
            break;
        case tcPinned:
        case tcVisibility: AddState(stsControlPositionsInvalidated); break;
        case tcControlState:
            if (control)
                control->Invalidate();
            break;
        }
        if (!FTabs->ActiveTab() && !FClearingActiveTab && FOptions->Behaviour()->ActivateNewTab()
            && GetVisibleTabCount(false) > 0)
            SetActiveTabIndex(GetLastVisibleTabIndex(FTabs->Count() - 1));
        Redraw();
    }
    if (OnChange)
        OnChange(this, ATab, TabChangeType);
}

void TCustomDeckTabs::InvalidateAllControls()
{
    if (!ControlReady() || FInvalidatingControls)
        return;
    FInvalidatingControls = true;
    try {
        for (int i = 0; i < FTabs->Count(); ++i)
            if (TDeckTabControl* c = GetTabControl(i))
                SetControlDrawState(c, c->DrawState(), true);
        FLookAndFeel->Invalidate();
        FAddButtonControl->Invalidate();
        FScrollButtonLeftControl->Invalidate();
        FScrollButtonRightControl->Invalidate();
        if (!HasState(stsDeletingUnPinnedTabs))
            AddState(stsControlPositionsInvalidated);
        Redraw();
    } catch (...) {
        FInvalidatingControls = false;
        throw;
    }
    FInvalidatingControls = false;
}

// Window

void TCustomDeckTabs::CreateWnd()
{
    FCreatingWindow = true;
    TCustomControl::CreateWnd();
    FCreatingWindow = false;
    // The field held -1 until now; it starts at 0 whatever the scrolling
    // option, or a strip that does not scroll would sit 1 pixel off.
    if (FOptions->Scrolling()->Enabled())
        SetScrollOffset(0);
    else
        FScrollOffset = 0;
    for (TBaseDeckTabsControl* b : std::initializer_list<TBaseDeckTabsControl*>{
             FAddButtonControl, FScrollButtonLeftControl, FScrollButtonRightControl})
        b->SetDrawState(dsNotActive, 0, ttNone, true);
    SetControlDrawStates(true);
    AddState(stsControlPositionsInvalidated);
    AddState(stsFirstPaint);
    Redraw();
}
