#pragma once
// The tab strip's shared vocabulary and the two interfaces through which its
// tabs, settings and sub-controls reach it.
#include "controls/tabs/DeckTabsUtils.h"
#include "platform/controls/Control.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/Set.h"
#include "platform/rtl/SysUtils.h"
#include <QString>
#include <initializer_list>
#include <memory>

class TDeckTab;
class TOptions;
class TDeckTabsLookAndFeel;
class TCustomImageList;
class TGPGraphics;
class TWinControl;
class IDeckTabPolygons;
class IDragTabObject;

enum TDrawState { dsUnknown, dsActive, dsNotActive, dsDown, dsHot, dsDisabled };

// What is being drawn or outlined.
enum TDeckTabItemType {
    itTabContainer, itBackground, itTab, itTabOutline, itTabText, itTabCloseButton, itTabImage,
    itTabImageOverlay, itTabImageSpinner, itTabMouseGlow, itTabModifiedGlow, itAddButton,
    itAddButtonPlus, itScrollLeftButton, itScrollRightButton
};

enum THitTestArea {
    htNowhere, htBackground, htTab, htAddButton, htCloseButton, htScrollButtonLeft, htScrollButtonRight
};

struct THitTestResult {
    int TabIndex = -1; // -1 for none
    THitTestArea HitTestArea = htNowhere;
};

// The kind of change reported to the strip by DoOnChange.
enum TTabChangeType {
    tcAdded, tcMoved, tcDeleting, tcDeleted, tcPropertyUpdated, tcActivated, tcDeactivated, tcPinned,
    tcControlState, tcVisibility
};

enum TTabDropOption { tdDeleteDraggedTab, tdCreateDroppedTab, tdMoveTab };
using TTabDropOptions = Set<TTabDropOption>;

// Reference-counted views shared between the strip and its parts.
using TDeckTabPolygonsRef = std::shared_ptr<IDeckTabPolygons>;
using TDragTabObjectRef = std::shared_ptr<IDragTabObject>;

// The strip as its tabs, settings objects and sub-controls see it.
// Note: the strip's lifetime is not governed by references to this interface.
class IDeckTabs {
public:
    virtual ~IDeckTabs() = default;

    // -1 when there are no tabs or tab 0 is not pinned; otherwise the index
    // of the last tab of the unbroken pinned run that starts at 0.
    virtual int GetLastPinnedIndex() = 0;
    virtual TDeckTab* GetActiveTab() = 0;
    // Outline of the last visible tab before Index; nullptr when there is none.
    virtual TDeckTabPolygonsRef GetPreviousTabPolygons(int Index) = 0;

    // Events
    virtual void DoOnBeforeDrawItem(TGPGraphics* TargetCanvas, const TRect& ItemRect, TDeckTabItemType ItemType,
                                    int TabIndex, bool& Handled) = 0;
    virtual void DoOnAfterDrawItem(TGPGraphics* TargetCanvas, const TRect& ItemRect, TDeckTabItemType ItemType,
                                   int TabIndex) = 0;
    virtual void DoOnGetControlPolygons(TObject* DeckTabsControl, const TRect& ItemRect, TDeckTabItemType ItemType,
                                        TTabOrientation Orientation, TDeckTabPolygonsRef& Polygons) = 0;
    // Only with Options.Behaviour.DebugMode on and a handler assigned.
    virtual void DoOnDebugLog(const QString& Text, std::initializer_list<TVarRec> Args) = 0;
    virtual void DoOnActiveTabChanging(TDeckTab* AOldTab, TDeckTab* ANewTab, bool& Allow) = 0;
    // The strip's central reaction to a change; ATab is nullptr for
    // changes of no single tab.
    virtual void DoOnChange(TDeckTab* ATab, TTabChangeType TabChangeType) = 0;

    // Geometry
    // The rectangle with the scroll offset taken from Left and Right.
    virtual TRect ScrollRect(int Left, int Top, int Right, int Bottom) = 0;
    virtual TRect BidiScrollRect(const TRect& Rect) = 0;
    // Mirrored within the client area in a right-to-left layout.
    virtual TRect BidiControlRect(const TRect& Rect) = 0;
    virtual TBiDiMode GetBiDiMode() = 0;

    virtual void Invalidate() = 0;
    virtual TComponentState GetComponentState() = 0;
    virtual bool IsDragging() = 0;

    // Owned and referenced objects
    virtual TDeckTabsLookAndFeel* GetLookAndFeel() = 0;
    virtual TOptions* GetOptions() = 0;
    virtual TCustomImageList* GetImages() = 0;
    virtual TCustomImageList* GetImagesOverlay() = 0;
    virtual TCustomImageList* GetImagesSpinnerDownload() = 0;
    virtual TCustomImageList* GetImagesSpinnerUpload() = 0;
};

// A strip as a dragged tab sees it. X and Y are client coordinates of the
// receiving strip.
class IDeckTabDockControl {
public:
    virtual ~IDeckTabDockControl() = default;

    virtual TWinControl* GetControl() = 0;
    virtual void DragOver(TObject* Sender, int X, int Y, TDragState State, TDragTabObjectRef DragTabObject,
                          bool& Accept) = 0;
    virtual void DragDrop(TObject* Sender, int X, int Y, TDragTabObjectRef DragTabObject, bool Cancelled,
                          TTabDropOptions& TabDropOptions) = 0;
    virtual TDeckTab* InsertDroppedTab() = 0;
    // Runs the scroll-repeat timer's handler once.
    virtual void FireScrollTimer() = 0;
    virtual void DragEnd(int MouseX, int MouseY, bool Cancelled) = 0;
    virtual TBiDiMode GetBiDiMode() = 0;
};
