#pragma once
// The strip's light-weight sub-controls: plain objects, not windows, each
// holding one element's rectangle (left to right and unscrolled, in strip
// client coordinates), moving it with an eased animation, building its
// outline and drawing itself into the strip's GDI+ back buffer.
#include "controls/tabs/DeckTab.h"
#include "controls/tabs/DeckTabControlPropertyItems.h"
#include "controls/tabs/DeckTabPolygons.h"
#include "controls/tabs/DeckTabsInterfaces.h"
#include "controls/tabs/DeckTabsUtils.h"
#include <cstdint>
#include <memory>
#include <vector>

class TDeckTabsLookAndFeelStyle;
class TDeckTabsLookAndFeelStyleProperties;

class TBaseDeckTabsControl : public TObject {
public:
    explicit TBaseDeckTabsControl(IDeckTabs* DeckTabs);

    const TRect& ControlRect() const { return FControlRect; }
    const TRect& StartRect() const { return FStartRect; }
    const TRect& EndRect() const { return FEndRect; }
    TDrawState DrawState() const { return FDrawState; }
    TDeckTabItemType ControlType() const { return FControlType; }
    // ControlRect mirrored for a right-to-left strip unless OverrideBidi.
    TRect BiDiControlRect() const;
    bool ScrollableControl() const { return FScrollableControl; }
    void SetScrollableControl(bool Value) { FScrollableControl = Value; }
    bool OverrideBidi() const { return FOverrideBidi; }
    void SetOverrideBidi(bool Value) { FOverrideBidi = Value; }
    bool Invalidated() const { return FInvalidated; }

    virtual void DoChanged();
    virtual void StopAnimation() {}
    virtual void Invalidate() { FInvalidated = true; }
    virtual void DrawTo(TGPGraphics* TabCanvas, int MouseX, int MouseY, TDeckTabPolygonsRef ClipPolygons) = 0;
    virtual TDeckTabPolygonsRef GetPolygons() = 0;
    // Steps the movement; True while moving, the step reaching the end included.
    virtual bool AnimateMovement();
    virtual bool AnimateStyle() { return false; }
    // The rectangle with the strip's scroll offset applied.
    virtual TRect ControlRectScrolled();
    virtual bool ContainsPoint(TPoint Pt);
    // The first call, or one with ttNone, places the control at once.
    virtual void SetPosition(const TRect& ARect, uint32_t AnimationTime, TDeckTabsEaseType EaseType);
    virtual void SetDrawState(TDrawState Value, int AnimationTimeMS, TDeckTabsEaseType EaseType, bool ForceUpdate);
    virtual void SetHeight(int Value, uint32_t AnimationTime, TDeckTabsEaseType EaseType);
    virtual void SetWidth(int Value, uint32_t AnimationTime, TDeckTabsEaseType EaseType);
    virtual void SetLeft(int Value, uint32_t AnimationTime, TDeckTabsEaseType EaseType);
    virtual void SetTop(int Value, uint32_t AnimationTime, TDeckTabsEaseType EaseType);

protected:
    // The polygons an OnGetControlPolygons handler supplied, completed with
    // the defaults; nullptr when it supplied none.
    virtual TDeckTabPolygonsRef InternalGetPolygons(TDeckTabItemType ControlType, TGPBrush* DefaultBrush,
                                                    TGPPen* DefaultPen);
    virtual TPolygon NewPolygon(const TRect& Rect, const std::vector<TPoint>& Points, TTabOrientation Orientation);
    TPolygon BidiPolygon(const TPolygon& Polygon);
    TRect ScrolledRect(const TRect& R);
    TRect BidiRect(const TRect& R);
    bool IsRightToLeft();
    TOptions* Options() const;
    TDeckTabsLookAndFeel* LookAndFeel() const;

    TRect FControlRect;
    IDeckTabs* FDeckTabs;
    TDrawState FDrawState = dsUnknown;
    TRect FStartRect;
    uint64_t FStartTicks = 0;
    uint32_t FCurrentTickCount = 0;
    TRect FEndRect;
    bool FMoving = false; // a movement was started; the tick count may be any value
    bool FPositionInitialised = false;
    bool FScrollableControl = false;
    bool FOverrideBidi = false;
    TDeckTabsEaseType FEaseType = ttNone;
    uint32_t FAnimationTime = 0;
    bool FInvalidated = false;
    TDeckTabItemType FControlType = itTab;
};

// The sub-control of one tab.
class TDeckTabControl : public TBaseDeckTabsControl {
public:
    TDeckTabControl(IDeckTabs* DeckTabs, IDeckTab* TabInterface);
    ~TDeckTabControl() override;

    TDrawState CloseButtonState() const { return FCloseButtonState; }
    virtual void SetCloseButtonState(TDrawState Value);
    IDeckTab* DeckTab() const { return FDeckTab; }
    const TDeckTabControlPropertyItems* PropertyItems() const { return FDeckTabControlPropertyItems.get(); }

    void Invalidate() override;
    void StopAnimation() override;
    void DrawTo(TGPGraphics* TabCanvas, int MouseX, int MouseY, TDeckTabPolygonsRef ClipPolygons) override;
    TDeckTabPolygonsRef GetPolygons() override;
    bool AnimateStyle() override;
    void SetDrawState(TDrawState Value, int AnimationTimeMS, TDeckTabsEaseType EaseType, bool ForceUpdate) override;
    // Steps the modified glow; False when the tab shows none.
    virtual bool AnimateModified();
    // Steps the spinner; False when the tab shows none.
    virtual bool AnimateSpinner();

    THitTestArea GetHitTestArea(int MouseX, int MouseY);
    TRect GetCloseButonRect();
    TRect GetCloseButtonCrossRect();
    // Caption width plus the room of image and close button, minus the
    // overlap; cached until the caption changes.
    int GetTabWidthByContent();
    bool CloseButtonVisible();
    int ModifiedPosition() const { return FModifiedPosition; }
    int SpinnerImageIndex() const { return FSpinnerImageIndex; }
    int SpinnerRenderedDegrees() const { return FSpinnerRenderedDegrees; }

    // Content layout (strip client coordinates, scrolled and mirrored).
    struct TContentRects {
        TRect ImageRect, TextRect, CloseButtonRect, CloseButtonCrossRect;
        bool ShowImage = false, ShowOverlay = false, ShowSpinner = false, ShowText = false;
    };
    TContentRects CalculateRects();

private:
    TGPBrush* GetTabBrush();
    TGPPen* GetTabPen();
    bool Hooked(TGPGraphics* Canvas, const TRect& R, TDeckTabItemType ItemType);
    void DrawGlow(TGPGraphics* Canvas, const TRect& R, TColor CentreColor, TColor OutsideColor, uint8_t CentreAlpha,
                  uint8_t OutsideAlpha);
    void DrawTabImage(TGPGraphics* Canvas, TCustomImageList* List, int Index, const TRect& R,
                      TDeckTabItemType ItemType);
    void DrawSpinner(TGPGraphics* Canvas, const TRect& R);
    void DrawTabText(TGPGraphics* Canvas, const TRect& R);
    void DrawCloseButton(TGPGraphics* Canvas, const TContentRects& Rects);
    TCustomImageList* SpinnerImages();

    IDeckTab* FDeckTab;
    TDrawState FCloseButtonState = dsUnknown;
    std::unique_ptr<TDeckTabControlPropertyItems> FDeckTabControlPropertyItems;
    TDeckTabsLookAndFeelStyleProperties* FTabProperties = nullptr;
    std::unique_ptr<TGPLinearGradientBrush> FTabBrush;
    std::unique_ptr<TGPPen> FTabPen;
    int FModifiedPosition = 0;
    bool FModifiedMovingLeft = false;
    bool FPenInvalidated = false;
    bool FBrushInvalidated = false;
    bool FCloseButtonInvalidate = false;
    uint32_t FModifiedStartTicks = 0;
    QString FLastCaption;
    int FLastCaptionLength = 0;
    int FSpinnerImageIndex = 0;
    int FSpinnerRenderedDegrees = 0;
};

// A button of the strip: a body and a symbol, each with its own style
// transition.
class TBaseDeckButtonControl : public TBaseDeckTabsControl {
public:
    explicit TBaseDeckButtonControl(IDeckTabs* DeckTabs);
    ~TBaseDeckButtonControl() override;

    void Invalidate() override;
    bool AnimateStyle() override;
    void SetDrawState(TDrawState Value, int AnimationTimeMS, TDeckTabsEaseType EaseType, bool ForceUpdate) override;
    void DrawTo(TGPGraphics* TabCanvas, int MouseX, int MouseY, TDeckTabPolygonsRef ClipPolygons) override;
    TDeckTabsLookAndFeelStyle* ButtonStyle() const { return FButtonStyle; }
    TDeckTabsLookAndFeelStyle* SymbolStyle() const { return FSymbolStyle; }

protected:
    virtual TGPBrush* GetButtonBrush();
    virtual TGPPen* GetButtonPen();
    virtual TGPBrush* GetSymbolBrush();
    virtual TGPPen* GetSymbolPen();
    // Picks the look-and-feel styles of the current draw state.
    virtual void UpdateStyles() {}

    std::unique_ptr<TGPLinearGradientBrush> FButtonBrush;
    std::unique_ptr<TGPPen> FButtonPen;
    std::unique_ptr<TGPLinearGradientBrush> FSymbolBrush;
    std::unique_ptr<TGPPen> FSymbolPen;
    std::unique_ptr<TDeckTabControlPropertyItems> FButtonControlPropertyItems;
    std::unique_ptr<TDeckTabControlPropertyItems> FSymbolControlPropertyItems;
    TDeckTabsLookAndFeelStyle* FButtonStyle = nullptr;
    TDeckTabsLookAndFeelStyle* FSymbolStyle = nullptr;
};

class TAddButtonControl : public TBaseDeckButtonControl {
public:
    explicit TAddButtonControl(IDeckTabs* DeckTabs);
    TDeckTabPolygonsRef GetPolygons() override;

protected:
    void UpdateStyles() override;
};

class TScrollButtonControl : public TBaseDeckButtonControl {
public:
    using TBaseDeckButtonControl::TBaseDeckButtonControl;

protected:
    void UpdateStyles() override;
    TDeckTabPolygonsRef GetScrollButtonPolygons(bool Left);
};

class TScrollButtonLeftControl : public TScrollButtonControl {
public:
    explicit TScrollButtonLeftControl(IDeckTabs* DeckTabs);
    TDeckTabPolygonsRef GetPolygons() override { return GetScrollButtonPolygons(true); }
};

class TScrollButtonRightControl : public TScrollButtonControl {
public:
    explicit TScrollButtonRightControl(IDeckTabs* DeckTabs);
    TDeckTabPolygonsRef GetPolygons() override { return GetScrollButtonPolygons(false); }
};
