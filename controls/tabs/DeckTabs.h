#pragma once
// TCustomDeckTabs: an owner-drawn, animated tab strip. It owns its tabs,
// the option and look-and-feel trees, an add button and two scroll
// buttons; every part reports its changes through IDeckTabs::DoOnChange and
// the strip decides what to lay out, animate and repaint. Everything is
// drawn with GDI+ into a back buffer that is copied to the window at once.
// TDeckTabs publishes it.
#include "controls/tabs/DeckTab.h"
#include "controls/tabs/DeckTabPolygons.h"
#include "controls/tabs/DeckTabsControls.h"
#include "controls/tabs/DeckTabsInterfaces.h"
#include "controls/tabs/DeckTabsLookAndFeel.h"
#include "controls/tabs/DeckTabsOptions.h"
#include "platform/controls/CustomControl.h"
#include "platform/rtl/Set.h"
#include <functional>
#include <memory>

class TBitmap;
class TPopupMenu;
class TTimer;
class TThreadTimer;
class TCustomImageList;
class TForm;
class TStream;

enum TDeckTabState {
    stsAnimatingMovement, stsAnimatingStyle, stsDragging, stsDragStarted, stsDragFinished, stsCancellingDrag,
    stsCompletingDrag, stsDeletingUnPinnedTabs, stsTabDeleted, stsEndTabDeleted, stsResizing, stsMouseDown,
    stsPendingUpdates, stsAddingDroppedTab, stsAnimatingNewTab, stsFirstPaint, stsControlPositionsInvalidated,
    stsDebug, stsAnimatingCloseTab
};
using TDeckTabStates = Set<TDeckTabState>;

enum TTabDisplayState { tdNormal, tdCompressed, tdScrolling };
enum TScrollDirection { mdsNone, mdsLeft, mdsRight };

class TCustomDeckTabs;

using TActiveTabChangingEvent = std::function<void(TObject* Sender, TDeckTab* AOldTab, TDeckTab* ANewTab, bool& Allow)>;
using TTabChangeEvent = std::function<void(TObject* Sender, TDeckTab* ATab, TTabChangeType TabChangeType)>;
using TActiveTabChangedEvent = std::function<void(TObject* Sender, TDeckTab* ATab)>;
using TDebugLogEvent = std::function<void(TObject* Sender, const QString& Text)>;
using TButtonAddClickEvent = std::function<void(TObject* Sender, bool& Handled)>;
using TButtonCloseTabClickEvent = std::function<void(TObject* Sender, TDeckTab* ATab, bool& Close)>;
using TStateChangeEvent = std::function<void(TObject* Sender, TDeckTabStates PreviousState, TDeckTabStates CurrentState)>;
using TBeforeDrawItemEvent = std::function<void(TObject* Sender, TGPGraphics* TargetCanvas, const TRect& ItemRect,
                                                TDeckTabItemType ItemType, int TabIndex, bool& Handled)>;
using TAfterDrawItemEvent = std::function<void(TObject* Sender, TGPGraphics* TargetCanvas, const TRect& ItemRect,
                                               TDeckTabItemType ItemType, int TabIndex)>;
using TGetControlPolygonsEvent =
    std::function<void(TObject* Sender, TObject* DeckTabsControl, const TRect& ItemRect, TDeckTabItemType ItemType,
                       TTabOrientation Orientation, TDeckTabPolygonsRef& Polygons)>;
using TShowHintEvent = std::function<void(TObject* Sender, const THitTestResult& HitTestResult, QString& HintText,
                                          int& HintTimeout)>;
using TTabDblClickEvent = std::function<void(TObject* Sender, TDeckTab* ATab)>;
using TAnimateStyleEvent = std::function<void(TObject* Sender, TBaseDeckTabsControl* DeckTabsControl,
                                              TDrawState NewDrawState, uint32_t& AnimationTimeMS,
                                              TDeckTabsEaseType& EaseType)>;
using TAnimateMovementEvent = std::function<void(TObject* Sender, TBaseDeckTabsControl* DeckTabsControl,
                                                 uint32_t& AnimationTimeMS, TDeckTabsEaseType& EaseType)>;
using TSetTabWidthEvent = std::function<void(TObject* Sender, TDeckTabControl* ATabControl, int& TabWidth)>;
using TNeedDragImageControlEvent = std::function<void(TObject* Sender, TDeckTab* ATab, TWinControl*& DragControl)>;
using TCreateDragFormEvent = std::function<void(TObject* Sender, TDeckTab* ATab, TForm*& DragForm)>;
using TTabDragStartEvent = std::function<void(TObject* Sender, TDeckTab* ATab, bool& Allow)>;
using TTabDragOverEvent = std::function<void(TObject* Sender, int X, int Y, TDragState State,
                                             TDragTabObjectRef DragTabObject, bool& Accept)>;
using TTabDragDropEvent = std::function<void(TObject* Sender, int X, int Y, TDragTabObjectRef DragTabObject,
                                             bool Cancelled, TTabDropOptions& TabDropOptions)>;
using TTabDragDroppedEvent = std::function<void(TObject* Sender, TDragTabObjectRef DragTabObject, TDeckTab* NewTab)>;
using TTabDragEndEvent = std::function<void(TObject* Sender, int MouseX, int MouseY, bool Cancelled)>;

class TCustomDeckTabs : public TCustomControl, public IDeckTabs, public IDeckTabDockControl {
public:
    explicit TCustomDeckTabs(TComponent* AOwner = nullptr);
    ~TCustomDeckTabs() override;
    void AfterConstruction();

    // Update batching: redraws requested meanwhile become one repaint at
    // the outermost EndUpdate. EndUpdate without BeginUpdate does nothing.
    void BeginUpdate();
    void EndUpdate();
    // Repaints now, or once at the end of the running update batch.
    void Redraw();
    // Tab dragging: BeginDrag starts at a point on a tab (client
    // coordinates); EndDrag drops or, when Cancelled, restores. A cancelled
    // drag deletes and creates no tab.
    void BeginDrag(int MouseX, int MouseY);
    void EndDrag(int MouseX, int MouseY, bool Cancelled);
    // The drag this strip started, or nullptr.
    TDragTabObjectRef DragTabObject() const { return FDragTabObject; }
    // This strip's own drag is over this strip.
    bool OwnDragDockedHere() const;
    // The drag over this strip is docked here.
    bool ActiveDragDockedHere() const;
    // The strip within Range pixels of the screen point Pt, trying squares
    // shrinking by Step from the outside in, then the point; nullptr for none.
    static TCustomDeckTabs* FindDeckTabsAtPoint(TPoint Pt, int Range, int Step);
    // Shows, hides and moves the drag image window (X, Y: client coordinates).
    void MoveDragForm(int X, int Y, bool Visible);

    // Saving and loading the option and look-and-feel trees in text form.
    // A load sets each property read through its setter inside one update
    // batch; a failing load raises EReadError, keeps what was read before
    // and still ends the batch. A file is written through the atomic write.
    virtual void SaveOptions(TStream* Stream);
    virtual void SaveOptions(const QString& FileName);
    virtual void LoadOptions(TStream* Stream);
    virtual void LoadOptions(const QString& FileName);
    virtual void SaveLookAndFeel(TStream* Stream);
    virtual void SaveLookAndFeel(const QString& FileName);
    virtual void LoadLookAndFeel(TStream* Stream);
    virtual void LoadLookAndFeel(const QString& FileName);
    // Each tree as "DeckTabs1.Path := Value;" lines.
    QString OptionsToCode();
    QString LookAndFeelToCode();

    // Properties
    TDeckTabsList* Tabs() const { return FTabs; }
    void SetTabs(TDeckTabsList* Value) { FTabs->Assign(Value); }
    TOptions* Options() const { return FOptions; }
    void SetOptions(TOptions* Value) { FOptions->Assign(Value); }
    TDeckTabsLookAndFeel* LookAndFeel() const { return FLookAndFeel; }
    void SetLookAndFeel(TDeckTabsLookAndFeel* Value) { FLookAndFeel->Assign(Value); }
    // -1 when no tab is active; writing -1 clears, an index out of range is ignored.
    int ActiveTabIndex() const;
    void SetActiveTabIndex(int Value);
    TDeckTab* ActiveTab() const { return FTabs->ActiveTab(); }
    // nullptr is ignored.
    void SetActiveTab(TDeckTab* Value);
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    TCustomImageList* ImagesOverlay() const { return FImagesOverlay; }
    void SetImagesOverlay(TCustomImageList* Value);
    TCustomImageList* ImagesSpinnerUpload() const { return FImagesSpinnerUpload; }
    void SetImagesSpinnerUpload(TCustomImageList* Value) { FImagesSpinnerUpload = Value; }
    TCustomImageList* ImagesSpinnerDownload() const { return FImagesSpinnerDownload; }
    void SetImagesSpinnerDownload(TCustomImageList* Value) { FImagesSpinnerDownload = Value; }
    void SetBiDiModeAndRedraw(TBiDiMode Value);
    TDragTabObjectRef ActiveDragTabObject() const { return FActiveDragTabObject; }

    TDeckTabStates State() const { return FState; }
    bool HasState(TDeckTabState S) const { return FState.Contains(S); }
    int PausedUpdateCount() const { return FPausedUpdateCount; }
    int ScrollOffset() const { return FScrollOffset; }
    // Clamped to 0..MaxScrollOffset; only while scrolling is enabled.
    void SetScrollOffset(int Value);
    int BidiScrollOffset() const;
    int ScrollWidth() const { return FScrollWidth; }
    const TRect& TabContainerRect() const { return FTabContainerRect; }
    int MaxScrollOffset() const;
    int LastMouseX() const { return FLastMouseX; }
    int LastMouseY() const { return FLastMouseY; }

    // Parts
    TDeckTabControl* GetTabControl(int Index) const;
    TAddButtonControl* AddButtonControl() const { return FAddButtonControl; }
    TScrollButtonLeftControl* ScrollButtonLeftControl() const { return FScrollButtonLeftControl; }
    TScrollButtonRightControl* ScrollButtonRightControl() const { return FScrollButtonRightControl; }
    // The built-in menu last shown, or nullptr.
    TPopupMenu* TabPopupMenu() const { return FTabPopupMenu; }

    // The tab's caption, "<No Caption>" for an empty one, empty out of range.
    QString GetTabDescription(int Index) const;
    virtual THitTestResult HitTest(TPoint Pt, bool IgnoreDisabledControls = false);
    TDeckTab* GetTabUnderMouse();
    TTabDisplayState GetTabDisplayState();
    virtual void ScrollIntoView(TDeckTab* Tab);
    void ScrollTabs(TScrollDirection Direction, bool StartTimer);
    void InvalidateAllControls();
    void SetDefaultOptions();
    void SetDefaultLookAndFeel();
    bool ScrollButtonLeftVisible();
    bool ScrollButtonRightVisible();
    // One animation tick; the animation timer runs it.
    void DoAnimateTimer(TObject* Sender);
    TThreadTimer* AnimateTimer() const { return FAnimateTimer; }
    TTimer* ScrollTimer() const { return FScrollTimer; }
    TTimer* CancelTabSmartResizeTimer() const { return FCancelTabSmartResizeTimer; }

    void Invalidate() override;
    void Resize() override;

    // IDeckTabs
    int GetLastPinnedIndex() override;
    TDeckTab* GetActiveTab() override { return FTabs->ActiveTab(); }
    TDeckTabPolygonsRef GetPreviousTabPolygons(int Index) override;
    void DoOnBeforeDrawItem(TGPGraphics* TargetCanvas, const TRect& ItemRect, TDeckTabItemType ItemType, int TabIndex,
                            bool& Handled) override;
    void DoOnAfterDrawItem(TGPGraphics* TargetCanvas, const TRect& ItemRect, TDeckTabItemType ItemType,
                           int TabIndex) override;
    void DoOnGetControlPolygons(TObject* DeckTabsControl, const TRect& ItemRect, TDeckTabItemType ItemType,
                                TTabOrientation Orientation, TDeckTabPolygonsRef& Polygons) override;
    void DoOnDebugLog(const QString& Text, std::initializer_list<TVarRec> Args) override;
    void DoOnActiveTabChanging(TDeckTab* AOldTab, TDeckTab* ANewTab, bool& Allow) override;
    void DoOnChange(TDeckTab* ATab, TTabChangeType TabChangeType) override;
    TRect ScrollRect(int Left, int Top, int Right, int Bottom) override;
    TRect BidiScrollRect(const TRect& Rect) override;
    TRect BidiControlRect(const TRect& Rect) override;
    TBiDiMode GetBiDiMode() override { return BiDiMode(); }
    TComponentState GetComponentState() override { return ComponentState(); }
    bool IsDragging() override { return FActiveDragTabObject != nullptr; }
    TDeckTabsLookAndFeel* GetLookAndFeel() override { return FLookAndFeel; }
    TOptions* GetOptions() override { return FOptions; }
    TCustomImageList* GetImages() override { return FImages; }
    TCustomImageList* GetImagesOverlay() override { return FImagesOverlay; }
    TCustomImageList* GetImagesSpinnerDownload() override { return FImagesSpinnerDownload; }
    TCustomImageList* GetImagesSpinnerUpload() override { return FImagesSpinnerUpload; }

    // IDeckTabDockControl
    TWinControl* GetControl() override { return this; }
    void DragOver(TObject* Sender, int X, int Y, TDragState State, TDragTabObjectRef DragTabObject,
                  bool& Accept) override;
    void DragDrop(TObject* Sender, int X, int Y, TDragTabObjectRef DragTabObject, bool Cancelled,
                  TTabDropOptions& TabDropOptions) override;
    TDeckTab* InsertDroppedTab() override;
    void FireScrollTimer() override { DoScrollTimer(nullptr); }
    void DragEnd(int MouseX, int MouseY, bool Cancelled) override;

    // Events
    TActiveTabChangingEvent OnActiveTabChanging;
    TTabChangeEvent OnChange;
    TActiveTabChangedEvent OnActiveTabChanged;
    TDebugLogEvent OnDebugLog;
    TButtonAddClickEvent OnButtonAddClick;
    TButtonCloseTabClickEvent OnButtonCloseTabClick;
    TStateChangeEvent OnStateChange;
    TBeforeDrawItemEvent OnBeforeDrawItem;
    TAfterDrawItemEvent OnAfterDrawItem;
    TGetControlPolygonsEvent OnGetControlPolygons;
    TShowHintEvent OnShowHint;
    TTabDblClickEvent OnTabDblClick;
    TNotifyEvent OnScroll;
    TNotifyEvent OnScrollWidthChanged;
    TAnimateStyleEvent OnAnimateStyle;
    TAnimateMovementEvent OnAnimateMovement;
    TSetTabWidthEvent OnSetTabWidth;
    TNeedDragImageControlEvent OnNeedDragImageControl;
    TCreateDragFormEvent OnCreateDragForm;
    TTabDragStartEvent OnTabDragStart;
    TTabDragOverEvent OnTabDragOver;
    TTabDragDropEvent OnTabDragDrop;
    TTabDragDroppedEvent OnTabDragDropped;
    TTabDragEndEvent OnTabDragEnd;
    TNotifyEvent OnAfterDragImageCreated;

protected:
    // Layout
    virtual void CalculateButtonRects();
    virtual void CalculateTabRects();
    virtual void DrawCanvas();
    virtual void SetControlDrawStates(bool ForceUpdate);
    void SetControlDrawState(TBaseDeckTabsControl* Control, TDrawState NewState, bool ForceUpdate);

    // Event firing
    virtual void DoOnActiveTabChanged(TDeckTab* ATab);
    virtual void DoOnButtonCloseTabClick(TDeckTab* ATab, bool& Close);
    virtual void DoOnButtonAddClick();
    virtual void DoOnStateChange(TDeckTabStates PreviousState, TDeckTabStates CurrentState);
    virtual void DoOnMouseLeave();
    virtual void DoOnShowHint(const THitTestResult& HitTestResult, QString& HintText, int& HintTimeout);
    virtual void DoOnTabDblClick(TDeckTab* ATab);
    virtual void DoOnScroll();
    virtual void DoOnScrollWidthChanged();
    virtual void ShowTabPopupMenu(TObject* Sender, TPoint Pos);
    virtual void TabPopupMenuItemClick(TObject* Sender);
    virtual void DoOnAnimateStyle(TBaseDeckTabsControl* Control, TDrawState NewDrawState, uint32_t& AnimationTimeMS,
                                  TDeckTabsEaseType& EaseType);
    virtual void DoOnAnimateMovement(TBaseDeckTabsControl* Control, uint32_t& AnimationTimeMS,
                                     TDeckTabsEaseType& EaseType);
    virtual void DoOnSetTabWidth(TDeckTabControl* ATabControl, int& TabWidth);
    virtual void DoOnNeedDragImageControl(TDeckTab* ATab, TWinControl*& DragControl);
    virtual void DoOnCreateDragForm(TDeckTab* ATab, TForm*& DragForm);
    virtual void DoOnTabDragStart(TDeckTab* ATab, bool& Allow);
    virtual void DoOnTabDragOver(int X, int Y, TDragState State, TDragTabObjectRef DragTabObject, bool& Accept);
    virtual void DoOnTabDragDrop(int X, int Y, TDragTabObjectRef DragTabObject, bool Cancelled,
                                 TTabDropOptions& TabDropOptions);
    virtual void DoOnTabDragDropped(TDragTabObjectRef DragTabObject, TDeckTab* NewTab);
    virtual void DoOnTabDragEnd(int MouseX, int MouseY, bool Cancelled);
    virtual void DoOnAfterDragImageCreated();
    // True unless this strip is the drag source, dragging is on and the
    // point lies outside the tab container.
    virtual bool InsideDropArea(int X, int Y);
    // The drag image window for Tab, or nullptr with ddCursor.
    virtual TForm* CreateDragForm(TDeckTab* Tab);
    bool AddState(TDeckTabState S);
    bool RemoveState(TDeckTabState S);

    // Framework
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WndProc(TMessage& Message) override;
    void CreateWnd() override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void CMHintShow(TMessage& Message) override;
    void WMLButtonDblClk(TWMMouse& Message) override;
    void WMMouseWheel(TWMMouseWheel& Message) override;

private:
    friend class DeckTabsAccess;
    bool ControlReady();
    // Drag steps of MouseMove; true when a drag of this strip took the move.
    bool DragMouseMove(int X, int Y, const THitTestResult& Hit);
    void DragMoveBetweenContainers(int X, int Y);
    // Escape during a drag of this strip; true when it was taken.
    bool CancelDragKey(TMessage& Message);
    // Lets go of a running drag before the strip goes, so that no other
    // strip keeps a reference to it.
    void AbandonDrag();
    // The drag placeholder of a group layout; false when there is none.
    bool PlaceDragPlaceholder(int TabWidth, bool Pinned, int& Width);
    // Opens the gap before Index when the placeholder lies there.
    bool PlaceholderAt(int Index, bool Pinned, int& P);
    void PlaceholderAfterGroup(int LastIndex, bool Pinned, int& P);
    TForm* MakeDragImageForm(TDeckTab* Tab);
    void DrawTabImage(TDeckTabControl* TabControl, TBitmap* Image, int TabY, int ControlWidth);
    int GetLastVisibleTabIndex(int Start);
    int GetPinnedTabCount() { return GetLastPinnedIndex() + 1; }
    int GetVisiblePinnedTabCount(bool IncludeMarked);
    int GetVisibleNonPinnedTabCount(bool IncludeMarked);
    int GetVisibleTabCount(bool IncludeMarked);
    int BidiXPos(int X);
    bool IsRightToLeftLayout() const;
    bool TabsOverflow();
    void UpdateTimerIntervals();
    void ClearSmartDeleteStates();
    void DeleteTab(int Index);
    void SetMovementAnimation(TDeckTabsMovementAnimationTypes* AnimationTypes);
    void SetControlPosition(TBaseDeckTabsControl* Control, const TRect& Rect, bool Animate);
    void CalculateAdjustedTabWidth();
    void CalculateSmartDeleteTabRects(int P);
    void CalculateTabGroupRects(int& P, int TabWidth, int PixelsToAdd, bool Pinned);
    int ClampedTabWidthByContent(TDeckTabControl* TabControl);
    void CorrectScrollOffset(bool Force);
    void ClampScrollOffsetToLayout();
    void DoScrollTimer(TObject* Sender);
    void DoCancelTabSmartResize(TObject* Sender);
    void SetTabClipRegion(TGPGraphics* Graphics);
    void DrawBackground(TGPGraphics* Canvas, TGPGraphics* Background);
    bool ControlVisibleInWindow(TDeckTabControl* Control);
    TCustomForm* TopLevelForm();

    TOptions* FOptions = nullptr;
    TDeckTabsLookAndFeel* FLookAndFeel = nullptr;
    TAddButtonControl* FAddButtonControl = nullptr;
    TScrollButtonLeftControl* FScrollButtonLeftControl = nullptr;
    TScrollButtonRightControl* FScrollButtonRightControl = nullptr;
    TDragTabObjectRef FDragTabObject;
    TDragTabObjectRef FActiveDragTabObject;
    TBitmap* FCanvasBmp = nullptr;
    TBitmap* FBackgroundBmp = nullptr;
    TPopupMenu* FTabPopupMenu = nullptr;
    TCustomImageList* FImages = nullptr;
    TCustomImageList* FImagesOverlay = nullptr;
    TCustomImageList* FImagesSpinnerUpload = nullptr;
    TCustomImageList* FImagesSpinnerDownload = nullptr;
    TDeckTabsList* FTabs = nullptr;
    int FUpdateCount = 0;
    TThreadTimer* FAnimateTimer = nullptr;
    TTimer* FScrollTimer = nullptr;
    TTimer* FCancelTabSmartResizeTimer = nullptr;
    int FPausedUpdateCount = 0;
    TDeckTabStates FState;
    int FAdjustedTabWidth = 0;
    int FScrollWidth = 0;
    int FPreviousScrollWidth = 0;
    int FLastMouseX = -1;
    int FLastMouseY = -1;
    TRect FClosedTabRect;
    int FClosedTabIndex = -1;
    bool FInvalidatingControls = false;
    int FTabEndSpace = 0;
    int FScrollOffset = -1;
    TRect FTabContainerRect;
    TScrollDirection FScrollDirection = mdsNone;
    int FLastClientWidth = 0;
    THitTestResult FLastHitTestResult;
    TDeckTabsEaseType FMovementEaseType = ttNone;
    uint32_t FMovementAnimationTime = 0;
    int FMaxAddButtonRight = 0;
    uint64_t FNextModifiedGlowAnimateTickCount = 0;
    uint64_t FNextSpinnerAnimateTickCount = 0;
    bool FControlConstructed = false;
    TMouseButton FMouseButton = mbLeft;
    THitTestResult FMouseDownHitTest;
    TPoint FMouseDownPoint;
    TDeckTabControl* FDragTabControl = nullptr;
    bool FDragCancelled = false;
    bool FCreatingWindow = false;
    bool FClearingActiveTab = false;
};

class TDeckTabs : public TCustomDeckTabs {
public:
    using TCustomDeckTabs::TCustomDeckTabs;
};
