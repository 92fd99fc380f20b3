#pragma once
// TScrollingWinControl: a windowed control whose children scroll inside it.
// Each direction has a TControlScrollBar; with AutoScroll its Range is the
// children's extent (their right or bottom edge at position 0, plus the
// bar's Margin), and the bar shows while the range exceeds the client
// size. Moving a bar's Position moves every child by the difference, so a
// child's Left and Top stay client coordinates. Children that align to an
// edge or the client area fill the client and count for no range.
//
// The bars arrive as WM_HSCROLL and WM_VSCROLL (code in the low word, the
// thumb position in the high word): lines by Increment, pages by the
// client size; thumb tracking moves the children only with Tracking.
#include "platform/controls/ScrollBar.h"

class TScrollingWinControl;

class TControlScrollBar : public TPersistent {
public:
    TControlScrollBar(TScrollingWinControl* AControl, TScrollBarKind AKind);

    TScrollBarKind Kind() const { return FKind; }
    // 0 .. Range - client size; setting it scrolls the children.
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    // Position while the bar shows, 0 otherwise.
    int ScrollPos() const { return IsScrollBarVisible() ? FPosition : 0; }
    // Note: AutoScroll overwrites it whenever the children change.
    int Range() const { return FRange; }
    void SetRange(int Value);
    // Room kept past the farthest child.
    int Margin() const { return FMargin; }
    void SetMargin(int Value);
    // Pixels of one line step.
    int Increment() const { return FIncrement; }
    void SetIncrement(int Value) { FIncrement = Value < 1 ? 1 : Value; }
    // False: the bar never shows.
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    bool Tracking() const { return FTracking; }
    void SetTracking(bool Value) { FTracking = Value; }
    // The bar shows now.
    bool IsScrollBarVisible() const;
    // The client size along the bar.
    int ControlSize() const;

    void Assign(TPersistent* Source) override;

private:
    friend class TScrollingWinControl;
    // Range and position without scrolling (from the control's range count).
    void SetRangeSilent(int Value) { FRange = Value < 0 ? 0 : Value; }
    // Handles one scroll code of the bar.
    void ScrollMessage(int Code, int Pos);

    TScrollingWinControl* FControl;
    TScrollBarKind FKind;
    int FPosition = 0;
    int FRange = 0;
    int FMargin = 0;
    int FIncrement = 8;
    bool FVisible = true;
    bool FTracking = false;
};

class TScrollingWinControl : public TWinControl {
public:
    explicit TScrollingWinControl(TComponent* AOwner = nullptr);
    ~TScrollingWinControl() override;

    TControlScrollBar* HorzScrollBar() const { return FHorzScrollBar.get(); }
    TControlScrollBar* VertScrollBar() const { return FVertScrollBar.get(); }
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool Value);
    // The range is not recalculated until the matching EnableAutoRange.
    void DisableAutoRange() { ++FAutoRangeCount; }
    void EnableAutoRange();
    // Note: the area inside the shown bars.
    TRect ClientRect() const override;
    // The bar windows; nullptr until first shown.
    TScrollBar* HorzBarControl() const { return FHorzBar; }
    TScrollBar* VertBarControl() const { return FVertBar; }

protected:
    // Recomputes the ranges from the children (AutoScroll only), then the bars.
    virtual void CalcAutoRange();
    // Shows, hides and places the bars; keeps the positions in range.
    void UpdateScrollBars();
    // Moves every child (not the bars) by the given pixels.
    virtual void ScrollBy(int DeltaX, int DeltaY);
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void Dispatch(TMessage& Message) override;
    virtual void WMHScroll(TMessage& Message);
    virtual void WMVScroll(TMessage& Message);

private:
    friend class TControlScrollBar;
    bool IsBar(const TControl* Control) const { return Control == FHorzBar || Control == FVertBar; }
    void PlaceBar(TScrollBar*& Bar, bool Show, bool Vertical);

    std::unique_ptr<TControlScrollBar> FHorzScrollBar;
    std::unique_ptr<TControlScrollBar> FVertScrollBar;
    TScrollBar* FHorzBar = nullptr;
    TScrollBar* FVertBar = nullptr;
    bool FAutoScroll = true;
    int FAutoRangeCount = 0;
    bool FUpdatingBars = false;
    bool FShowHorz = false;
    bool FShowVert = false;
};
