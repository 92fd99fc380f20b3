#pragma once
// The tab strip's option tree. Every settings object is created by its
// parent, owned by it and never replaced; a write to a reporting property
// stores the value and reports tcPropertyUpdated up the owner chain to the
// strip. The values set by the constructors are the classes' own; a new
// strip then applies its defaults (SetDefaultDeckTabsOptions).
#include "controls/tabs/DeckTabsUtils.h"
#include "platform/controls/Control.h"
#include "platform/graphics/Color.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/Types.h"
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

class TDeckTabsPersistent;

// A stored property of a settings object, as the text form sees it: a held
// settings object, or a value read and written as text.
struct TDeckTabsProperty {
    QString Name;
    // The held object; nullptr for a value.
    TDeckTabsPersistent* Object = nullptr;
    std::function<QString()> Get;
    // Raises EReadError "Invalid property value" for text it cannot take.
    std::function<void(const QString&)> Set;
};
using TDeckTabsPropertyList = std::vector<TDeckTabsProperty>;

// The base of every option and look-and-feel class.
class TDeckTabsPersistent : public TPersistent {
public:
    explicit TDeckTabsPersistent(TPersistent* AOwner);

    TPersistent* Owner() const { return FOwner; }
    TPersistent* GetOwner() const override { return FOwner; }
    // Reports tcPropertyUpdated (no tab) to the first owner up the chain
    // that is a strip; nothing when there is none.
    virtual void DoChanged();
    // Marks the object changed; look-and-feel classes drop cached GDI+
    // objects and pass it on to their members.
    virtual void Invalidate();
    bool Invalidated() const { return FInvalidated; }
    // Appends the stored properties in the order the text form lists them;
    // a derived class appends its own after its base's.
    virtual void GetProperties(TDeckTabsPropertyList& List) {}

protected:
    template <typename T>
    void Report(T& Field, const T& Value)
    {
        Field = Value;
        DoChanged();
    }

    TPersistent* FOwner;
    bool FInvalidated = false;
};

enum TCloseButtonVisiblity { bvNever, bvAll, bvActive };
enum TAddButtonVisibility { avNone, avLeft, avRightFloating, avRightFixed };
enum TDeckTabModifiedStyle { msNone, msLeftToRight, msRightToLeft, msKnightRider };
enum TTextTrimType { tttNone, tttCharacter, tttWord, tttEllipsisCharacter, tttEllipsisWord, tttEllipsisPath, tttFade };
enum TDeckTabDragType { dtNone, dtWithinContainer, dtBetweenContainers };
enum TDeckTabDragDisplay { ddCursor, ddTab, ddControl, ddTabAndControl };
enum TDeckTabScrollButtons { csbNone, csbLeft, csbRight, csbLeftAndRight };

// Control positions

class TDeckTabsOffsets : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    using TDeckTabsPersistent::TDeckTabsPersistent;
    int Vertical() const { return FVertical; }
    void SetVertical(int Value) { Report(FVertical, Value); }
    int Horizontal() const { return FHorizontal; }
    void SetHorizontal(int Value) { Report(FHorizontal, Value); }

private:
    friend class TDeckTabsControlPosition;
    int FVertical = 0;
    int FHorizontal = 0;
};

class TDeckTabsControlPosition : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    explicit TDeckTabsControlPosition(TPersistent* AOwner);
    ~TDeckTabsControlPosition() override;

    TDeckTabsOffsets* Offsets() const { return FOffsets; }
    int Height() const { return FHeight; }
    void SetHeight(int Value) { Report(FHeight, Value); }
    int Width() const { return FWidth; }
    void SetWidth(int Value) { Report(FWidth, Value); }

protected:
    // Sets the values without reports (constructors).
    void InitPosition(int Vertical, int Horizontal, int Height, int Width);

private:
    friend class TDeckTabsDisplayOptions;
    friend class TDeckTabsSpinnerOptions;
    TDeckTabsOffsets* FOffsets;
    int FHeight = 0;
    int FWidth = 0;
};

class TDeckTabsControlPropertiesEx : public TDeckTabsControlPosition {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    using TDeckTabsControlPosition::TDeckTabsControlPosition;
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { Report(FVisible, Value); }

private:
    bool FVisible = true;
};

class TDeckTabsCloseButtonProperties : public TDeckTabsControlPosition {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    explicit TDeckTabsCloseButtonProperties(TPersistent* AOwner);

    bool AutoHide() const { return FAutoHide; }
    void SetAutoHide(bool Value) { Report(FAutoHide, Value); }
    TCloseButtonVisiblity Visibility() const { return FVisibility; }
    void SetVisibility(TCloseButtonVisiblity Value) { Report(FVisibility, Value); }
    // Tabs narrower than this hide their close button.
    int AutoHideWidth() const { return FAutoHideWidth; }
    void SetAutoHideWidth(int Value) { Report(FAutoHideWidth, Value); }
    int CrossRadialOffset() const { return FCrossRadialOffset; }
    void SetCrossRadialOffset(int Value) { Report(FCrossRadialOffset, Value); }

private:
    bool FAutoHide = true;
    TCloseButtonVisiblity FVisibility = bvAll;
    int FAutoHideWidth = 20;
    int FCrossRadialOffset = 4;
};

class TDeckTabsAddButtonProperties : public TDeckTabsControlPosition {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    explicit TDeckTabsAddButtonProperties(TPersistent* AOwner);

    bool ShowPlusSign() const { return FShowPlusSign; }
    void SetShowPlusSign(bool Value) { Report(FShowPlusSign, Value); }
    TAddButtonVisibility Visibility() const { return FVisibility; }
    void SetVisibility(TAddButtonVisibility Value) { Report(FVisibility, Value); }
    int HorizontalOffsetFloating() const { return FHorizontalOffsetFloating; }
    void SetHorizontalOffsetFloating(int Value) { Report(FHorizontalOffsetFloating, Value); }

private:
    bool FShowPlusSign = true;
    TAddButtonVisibility FVisibility = avRightFloating;
    int FHorizontalOffsetFloating = 0;
};

// Display

class TDeckTabModifiedDisplayOptions : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    using TDeckTabsPersistent::TDeckTabsPersistent;

    TDeckTabModifiedStyle Style() const { return FStyle; }
    void SetStyle(TDeckTabModifiedStyle Value) { Report(FStyle, Value); }
    int VerticalOffset() const { return FVerticalOffset; }
    void SetVerticalOffset(int Value) { Report(FVerticalOffset, Value); }
    int Height() const { return FHeight; }
    void SetHeight(int Value) { Report(FHeight, Value); }
    int Width() const { return FWidth; }
    void SetWidth(int Value) { Report(FWidth, Value); }
    int AnimationPeriodMS() const { return FAnimationPeriodMS; }
    void SetAnimationPeriodMS(int Value) { Report(FAnimationPeriodMS, Value); }
    TDeckTabsEaseType EaseType() const { return FEaseType; }
    void SetEaseType(TDeckTabsEaseType Value) { Report(FEaseType, Value); }
    int AnimationUpdateMS() const { return FAnimationUpdateMS; }
    void SetAnimationUpdateMS(int Value) { Report(FAnimationUpdateMS, Value); }

private:
    TDeckTabModifiedStyle FStyle = msRightToLeft;
    int FVerticalOffset = -6;
    int FHeight = 30;
    int FWidth = 100;
    int FAnimationPeriodMS = 4000;
    TDeckTabsEaseType FEaseType = ttEaseInOutQuad;
    int FAnimationUpdateMS = 50;
};

// Options.Display.Tabs: sizes, offsets and content of the tabs.
class TDeckTabsOptions : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    using TDeckTabsPersistent::TDeckTabsPersistent;

    bool SeeThroughTabs() const { return FSeeThroughTabs; }
    void SetSeeThroughTabs(bool Value) { Report(FSeeThroughTabs, Value); }
    int TabOverlap() const { return FTabOverlap; }
    void SetTabOverlap(int Value) { Report(FTabOverlap, Value); }
    int ContentOffsetLeft() const { return FContentOffsetLeft; }
    void SetContentOffsetLeft(int Value) { Report(FContentOffsetLeft, Value); }
    int ContentOffsetRight() const { return FContentOffsetRight; }
    void SetContentOffsetRight(int Value) { Report(FContentOffsetRight, Value); }
    int OffsetLeft() const { return FOffsetLeft; }
    void SetOffsetLeft(int Value) { Report(FOffsetLeft, Value); }
    int OffsetTop() const { return FOffsetTop; }
    void SetOffsetTop(int Value) { Report(FOffsetTop, Value); }
    int OffsetRight() const { return FOffsetRight; }
    void SetOffsetRight(int Value) { Report(FOffsetRight, Value); }
    int OffsetBottom() const { return FOffsetBottom; }
    void SetOffsetBottom(int Value) { Report(FOffsetBottom, Value); }
    // Note: writing MinWidth leaves MaxWidth as it is.
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int Value) { Report(FMinWidth, Value); }
    // Stored as the larger of Value and MinWidth.
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int Value);
    bool TabWidthFromContent() const { return FTabWidthFromContent; }
    void SetTabWidthFromContent(bool Value) { Report(FTabWidthFromContent, Value); }
    int PinnedWidth() const { return FPinnedWidth; }
    void SetPinnedWidth(int Value) { Report(FPinnedWidth, Value); }
    int ImageOffsetLeft() const { return FImageOffsetLeft; }
    void SetImageOffsetLeft(int Value) { Report(FImageOffsetLeft, Value); }
    TTextTrimType TextTrimType() const { return FTextTrimType; }
    void SetTextTrimType(TTextTrimType Value) { Report(FTextTrimType, Value); }
    TTabOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TTabOrientation Value) { Report(FOrientation, Value); }
    bool BaseLineTabRegionOnly() const { return FBaseLineTabRegionOnly; }
    void SetBaseLineTabRegionOnly(bool Value) { Report(FBaseLineTabRegionOnly, Value); }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value) { Report(FWordWrap, Value); }
    TAlignment TextAlignmentHorizontal() const { return FTextAlignmentHorizontal; }
    void SetTextAlignmentHorizontal(TAlignment Value) { Report(FTextAlignmentHorizontal, Value); }
    TVerticalAlignment TextAlignmentVertical() const { return FTextAlignmentVertical; }
    void SetTextAlignmentVertical(TVerticalAlignment Value) { Report(FTextAlignmentVertical, Value); }
    bool ShowImages() const { return FShowImages; }
    void SetShowImages(bool Value) { Report(FShowImages, Value); }
    bool ShowPinnedTabText() const { return FShowPinnedTabText; }
    void SetShowPinnedTabText(bool Value) { Report(FShowPinnedTabText, Value); }

    // GDI+ smoothing for tabs and the drag image; not stored.
    TSmoothingMode CanvasSmoothingMode = SmoothingModeHighQuality;

private:
    bool FSeeThroughTabs = false;
    int FTabOverlap = 15;
    int FContentOffsetLeft = 18;
    int FContentOffsetRight = 16;
    int FOffsetLeft = 0;
    int FOffsetTop = 0;
    int FOffsetRight = 0;
    int FOffsetBottom = 0;
    int FMinWidth = 20;
    int FMaxWidth = 200;
    bool FTabWidthFromContent = false;
    int FPinnedWidth = 39;
    int FImageOffsetLeft = 13;
    TTextTrimType FTextTrimType = tttFade;
    TTabOrientation FOrientation = toTop;
    bool FBaseLineTabRegionOnly = false;
    bool FWordWrap = false;
    TAlignment FTextAlignmentHorizontal = taLeftJustify;
    TVerticalAlignment FTextAlignmentVertical = taVerticalCenter;
    bool FShowImages = true;
    bool FShowPinnedTabText = false;
};

class TDeckTabsContainerOptions : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    using TDeckTabsPersistent::TDeckTabsPersistent;

    bool TransparentBackground() const { return FTransparentBackground; }
    void SetTransparentBackground(bool Value) { Report(FTransparentBackground, Value); }
    bool OverlayButtons() const { return FOverlayButtons; }
    void SetOverlayButtons(bool Value) { Report(FOverlayButtons, Value); }
    int PaddingLeft() const { return FPaddingLeft; }
    void SetPaddingLeft(int Value) { Report(FPaddingLeft, Value); }
    int PaddingRight() const { return FPaddingRight; }
    void SetPaddingRight(int Value) { Report(FPaddingRight, Value); }

private:
    bool FTransparentBackground = false;
    bool FOverlayButtons = false;
    int FPaddingLeft = 0;
    int FPaddingRight = 0;
};

class TDeckTabsSpinnerOptions : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    TDeckTabsSpinnerOptions(TPersistent* AOwner, bool ReverseDirection, int RenderedAnimationStep);
    ~TDeckTabsSpinnerOptions() override;

    bool ReverseDirection() const { return FReverseDirection; }
    void SetReverseDirection(bool Value) { Report(FReverseDirection, Value); }
    int RenderedAnimationStep() const { return FRenderedAnimationStep; }
    void SetRenderedAnimationStep(int Value) { Report(FRenderedAnimationStep, Value); }
    TDeckTabsControlPosition* Position() const { return FPosition; }
    uint16_t SweepAngle() const { return FSweepAngle; }
    void SetSweepAngle(uint16_t Value) { Report(FSweepAngle, Value); }

private:
    bool FReverseDirection;
    int FRenderedAnimationStep;
    TDeckTabsControlPosition* FPosition;
    uint16_t FSweepAngle = 135;
};

class TDeckTabsSpinnersOptions : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    explicit TDeckTabsSpinnersOptions(TPersistent* AOwner);
    ~TDeckTabsSpinnersOptions() override;

    TDeckTabsSpinnerOptions* Upload() const { return FUpload; }
    TDeckTabsSpinnerOptions* Download() const { return FDownload; }
    // Not reported: read at the next spinner step.
    uint32_t AnimationUpdateMS() const { return FAnimationUpdateMS; }
    void SetAnimationUpdateMS(uint32_t Value) { FAnimationUpdateMS = Value; }
    bool HideImagesWhenSpinnerVisible() const { return FHideImagesWhenSpinnerVisible; }
    void SetHideImagesWhenSpinnerVisible(bool Value) { Report(FHideImagesWhenSpinnerVisible, Value); }

private:
    TDeckTabsSpinnerOptions* FUpload;
    TDeckTabsSpinnerOptions* FDownload;
    uint32_t FAnimationUpdateMS = 50;
    bool FHideImagesWhenSpinnerVisible = true;
};

class TDeckTabsDisplayOptions : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    explicit TDeckTabsDisplayOptions(TPersistent* AOwner);
    ~TDeckTabsDisplayOptions() override;

    TDeckTabsCloseButtonProperties* CloseButton() const { return FCloseButton; }
    TDeckTabsAddButtonProperties* AddButton() const { return FAddButton; }
    TDeckTabsControlPosition* ScrollButtonLeft() const { return FScrollButtonLeft; }
    TDeckTabsControlPosition* ScrollButtonRight() const { return FScrollButtonRight; }
    TDeckTabModifiedDisplayOptions* TabModifiedGlow() const { return FTabModifiedGlow; }
    TDeckTabsOptions* Tabs() const { return FTabs; }
    TDeckTabsContainerOptions* TabContainer() const { return FTabContainer; }
    TDeckTabsControlPropertiesEx* TabMouseGlow() const { return FTabMouseGlow; }
    TDeckTabsSpinnersOptions* TabSpinners() const { return FTabSpinners; }

private:
    TDeckTabsCloseButtonProperties* FCloseButton;
    TDeckTabsAddButtonProperties* FAddButton;
    TDeckTabsControlPosition* FScrollButtonLeft;
    TDeckTabsControlPosition* FScrollButtonRight;
    TDeckTabModifiedDisplayOptions* FTabModifiedGlow;
    TDeckTabsOptions* FTabs;
    TDeckTabsContainerOptions* FTabContainer;
    TDeckTabsControlPropertiesEx* FTabMouseGlow;
    TDeckTabsSpinnersOptions* FTabSpinners;
};

// Drag and drop: no property reports; the strip reads them when needed.
class TDeckTabsDragOptions : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    using TDeckTabsPersistent::TDeckTabsPersistent;

    TDeckTabDragType DragType() const { return FDragType; }
    void SetDragType(TDeckTabDragType Value) { FDragType = Value; }
    uint8_t DragOutsideImageAlpha() const { return FDragOutsideImageAlpha; }
    void SetDragOutsideImageAlpha(uint8_t Value) { FDragOutsideImageAlpha = Value; }
    int DragOutsideDistancePixels() const { return FDragOutsideDistancePixels; }
    void SetDragOutsideDistancePixels(int Value) { FDragOutsideDistancePixels = Value; }
    int DragStartPixels() const { return FDragStartPixels; }
    void SetDragStartPixels(int Value) { FDragStartPixels = Value; }
    double DragControlImageResizeFactor() const { return FDragControlImageResizeFactor; }
    void SetDragControlImageResizeFactor(double Value) { FDragControlImageResizeFactor = Value; }
    TCursor DragCursor() const { return FDragCursor; }
    void SetDragCursor(TCursor Value) { FDragCursor = Value; }
    TDeckTabDragDisplay DragDisplay() const { return FDragDisplay; }
    void SetDragDisplay(TDeckTabDragDisplay Value) { FDragDisplay = Value; }
    int DragFormBorderWidth() const { return FDragFormBorderWidth; }
    void SetDragFormBorderWidth(int Value) { FDragFormBorderWidth = Value; }
    int DragFormBorderColor() const { return FDragFormBorderColor; }
    void SetDragFormBorderColor(int Value) { FDragFormBorderColor = Value; }
    bool ContrainDraggedTabWithinContainer() const { return FContrainDraggedTabWithinContainer; }
    void SetContrainDraggedTabWithinContainer(bool Value) { FContrainDraggedTabWithinContainer = Value; }

private:
    TDeckTabDragType FDragType = dtBetweenContainers;
    uint8_t FDragOutsideImageAlpha = 120;
    int FDragOutsideDistancePixels = 30;
    int FDragStartPixels = 2;
    double FDragControlImageResizeFactor = 0.5;
    TCursor FDragCursor = crDefault;
    TDeckTabDragDisplay FDragDisplay = ddTabAndControl;
    int FDragFormBorderWidth = 2;
    int FDragFormBorderColor = 8421504;
    bool FContrainDraggedTabWithinContainer = true;
};

// Animation: no property reports.

class TDeckTabsMovementAnimationTypes : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    TDeckTabsMovementAnimationTypes(TPersistent* AOwner, bool UseDefaults, TDeckTabsEaseType EaseType,
                                    int AnimationTimeMS);

    bool UseDefaultEaseType() const { return FUseDefaultEaseType; }
    void SetUseDefaultEaseType(bool Value) { FUseDefaultEaseType = Value; }
    bool UseDefaultAnimationTime() const { return FUseDefaultAnimationTime; }
    void SetUseDefaultAnimationTime(bool Value) { FUseDefaultAnimationTime = Value; }
    TDeckTabsEaseType EaseType() const { return FEaseType; }
    void SetEaseType(TDeckTabsEaseType Value) { FEaseType = Value; }
    int AnimationTimeMS() const { return FAnimationTimeMS; }
    void SetAnimationTimeMS(int Value) { FAnimationTimeMS = Value; }

private:
    bool FUseDefaultEaseType;
    bool FUseDefaultAnimationTime;
    TDeckTabsEaseType FEaseType;
    int FAnimationTimeMS;
};

class TDeckTabsMovementAnimations : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    explicit TDeckTabsMovementAnimations(TPersistent* AOwner);
    ~TDeckTabsMovementAnimations() override;

    TDeckTabsMovementAnimationTypes* TabAdd() const { return FTabAdd; }
    TDeckTabsMovementAnimationTypes* TabDelete() const { return FTabDelete; }
    TDeckTabsMovementAnimationTypes* TabMove() const { return FTabMove; }

private:
    TDeckTabsMovementAnimationTypes* FTabAdd;
    TDeckTabsMovementAnimationTypes* FTabDelete;
    TDeckTabsMovementAnimationTypes* FTabMove;
};

class TDeckTabsAnimationOptions : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    explicit TDeckTabsAnimationOptions(TPersistent* AOwner);
    ~TDeckTabsAnimationOptions() override;

    TDeckTabsMovementAnimations* MovementAnimations() const { return FMovementAnimations; }
    uint32_t DefaultMovementAnimationTimeMS() const { return FDefaultMovementAnimationTimeMS; }
    void SetDefaultMovementAnimationTimeMS(uint32_t Value) { FDefaultMovementAnimationTimeMS = Value; }
    uint32_t DefaultStyleAnimationTimeMS() const { return FDefaultStyleAnimationTimeMS; }
    void SetDefaultStyleAnimationTimeMS(uint32_t Value) { FDefaultStyleAnimationTimeMS = Value; }
    // Note: reaches a running animation timer only with the next reported change.
    int AnimationTimerInterval() const { return FAnimationTimerInterval; }
    void SetAnimationTimerInterval(int Value) { FAnimationTimerInterval = Value; }
    int MinimumTabAnimationWidth() const { return FMinimumTabAnimationWidth; }
    void SetMinimumTabAnimationWidth(int Value) { FMinimumTabAnimationWidth = Value; }
    TDeckTabsEaseType DefaultMovementEaseType() const { return FDefaultMovementEaseType; }
    void SetDefaultMovementEaseType(TDeckTabsEaseType Value) { FDefaultMovementEaseType = Value; }
    TDeckTabsEaseType DefaultStyleEaseType() const { return FDefaultStyleEaseType; }
    void SetDefaultStyleEaseType(TDeckTabsEaseType Value) { FDefaultStyleEaseType = Value; }

    // The ease type and time of a movement, honouring its UseDefault flags.
    TDeckTabsEaseType GetMovementAnimationEaseType(const TDeckTabsMovementAnimationTypes* AnimationTypes) const;
    uint32_t GetMovementAnimationTime(const TDeckTabsMovementAnimationTypes* AnimationTypes) const;

private:
    TDeckTabsMovementAnimations* FMovementAnimations;
    uint32_t FDefaultMovementAnimationTimeMS = 100;
    uint32_t FDefaultStyleAnimationTimeMS = 300;
    int FAnimationTimerInterval = 25;
    int FMinimumTabAnimationWidth = 40;
    TDeckTabsEaseType FDefaultMovementEaseType = ttLinearTween;
    TDeckTabsEaseType FDefaultStyleEaseType = ttLinearTween;
};

// Behaviour: no property reports.
class TDeckTabsBehaviourOptions : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    using TDeckTabsPersistent::TDeckTabsPersistent;

    bool BackgroundDblClickMaximiseRestoreForm() const { return FBackgroundDblClickMaximiseRestoreForm; }
    void SetBackgroundDblClickMaximiseRestoreForm(bool Value) { FBackgroundDblClickMaximiseRestoreForm = Value; }
    bool BackgroundDragMovesForm() const { return FBackgroundDragMovesForm; }
    void SetBackgroundDragMovesForm(bool Value) { FBackgroundDragMovesForm = Value; }
    bool TabSmartDeleteResizing() const { return FTabSmartDeleteResizing; }
    void SetTabSmartDeleteResizing(bool Value) { FTabSmartDeleteResizing = Value; }
    // Milliseconds.
    int TabSmartDeleteResizeCancelDelay() const { return FTabSmartDeleteResizeCancelDelay; }
    void SetTabSmartDeleteResizeCancelDelay(int Value) { FTabSmartDeleteResizeCancelDelay = Value; }
    bool UseBuiltInPopupMenu() const { return FUseBuiltInPopupMenu; }
    void SetUseBuiltInPopupMenu(bool Value) { FUseBuiltInPopupMenu = Value; }
    bool TabRightClickSelect() const { return FTabRightClickSelect; }
    void SetTabRightClickSelect(bool Value) { FTabRightClickSelect = Value; }
    bool ActivateNewTab() const { return FActivateNewTab; }
    void SetActivateNewTab(bool Value) { FActivateNewTab = Value; }
    bool DebugMode() const { return FDebugMode; }
    void SetDebugMode(bool Value) { FDebugMode = Value; }
    bool IgnoreDoubleClicksWhileAnimatingMovement() const { return FIgnoreDoubleClicksWhileAnimatingMovement; }
    void SetIgnoreDoubleClicksWhileAnimatingMovement(bool Value) { FIgnoreDoubleClicksWhileAnimatingMovement = Value; }

private:
    bool FBackgroundDblClickMaximiseRestoreForm = false;
    bool FBackgroundDragMovesForm = false;
    bool FTabSmartDeleteResizing = true;
    int FTabSmartDeleteResizeCancelDelay = 700;
    bool FUseBuiltInPopupMenu = true;
    bool FTabRightClickSelect = true;
    bool FActivateNewTab = true;
    bool FDebugMode = false;
    bool FIgnoreDoubleClicksWhileAnimatingMovement = true;
};

class TDeckTabsScrollOptions : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    using TDeckTabsPersistent::TDeckTabsPersistent;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { Report(FEnabled, Value); }
    TDeckTabScrollButtons ScrollButtons() const { return FScrollButtons; }
    void SetScrollButtons(TDeckTabScrollButtons Value) { Report(FScrollButtons, Value); }
    int ScrollStep() const { return FScrollStep; }
    void SetScrollStep(int Value) { Report(FScrollStep, Value); }
    // Milliseconds.
    int ScrollRepeatDelay() const { return FScrollRepeatDelay; }
    void SetScrollRepeatDelay(int Value) { Report(FScrollRepeatDelay, Value); }
    bool AutoHideButtons() const { return FAutoHideButtons; }
    void SetAutoHideButtons(bool Value) { Report(FAutoHideButtons, Value); }
    bool DragScroll() const { return FDragScroll; }
    void SetDragScroll(bool Value) { Report(FDragScroll, Value); }
    int DragScrollOffset() const { return FDragScrollOffset; }
    void SetDragScrollOffset(int Value) { Report(FDragScrollOffset, Value); }
    bool MouseWheelScroll() const { return FMouseWheelScroll; }
    void SetMouseWheelScroll(bool Value) { Report(FMouseWheelScroll, Value); }

private:
    bool FEnabled = false;
    TDeckTabScrollButtons FScrollButtons = csbRight;
    int FScrollStep = 20;
    int FScrollRepeatDelay = 20;
    bool FAutoHideButtons = true;
    bool FDragScroll = true;
    int FDragScrollOffset = 50;
    bool FMouseWheelScroll = true;
};

// The root of the option tree, owned by the strip.
class TOptions : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    explicit TOptions(TPersistent* AOwner);
    ~TOptions() override;

    TDeckTabsDisplayOptions* Display() const { return FDisplay; }
    TDeckTabsDragOptions* DragDrop() const { return FDragDrop; }
    TDeckTabsAnimationOptions* Animation() const { return FAnimation; }
    TDeckTabsBehaviourOptions* Behaviour() const { return FBehaviour; }
    TDeckTabsScrollOptions* Scrolling() const { return FScrolling; }

private:
    TDeckTabsDisplayOptions* FDisplay;
    TDeckTabsDragOptions* FDragDrop;
    TDeckTabsAnimationOptions* FAnimation;
    TDeckTabsBehaviourOptions* FBehaviour;
    TDeckTabsScrollOptions* FScrolling;
};
