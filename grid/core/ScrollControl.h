#pragma once
// TScrollControl: the thin painted strip that shows and moves the scroll
// position of its parent string grid in place of a scroll bar (the grid's
// ssMetro scroll type). A press before or after the thumb pages, a drag of
// the thumb scrolls.
#include "platform/controls/CustomControl.h"

class TProStringGrid;

enum TScrollDirection { sdVertical, sdHorizontal };

class TScrollControl : public TCustomControl {
public:
    explicit TScrollControl(TComponent* AOwner = nullptr);

    TScrollDirection Direction() const { return FDirection; }
    void SetDirection(TScrollDirection Value);
    // Thumb colour; repaints when it changes.
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    // Thickness of the thumb in pixels.
    int ScrollWidth() const { return FScrollWidth; }
    void SetScrollWidth(int Value);

    // The parent when it is a string grid; everything else does nothing
    // without one.
    TProStringGrid* ParentGrid() const;
    // The widths (heights) of the fixed columns (rows).
    int FixedLength() const;
    // The strip's length less the fixed part and the footer rows (the
    // fixed right columns).
    int TrackLength() const;
    // The thumb's start and length along the strip. False (and no thumb)
    // when the grid has nothing to scroll.
    bool GetThumb(int& Pos, int& Len) const;
    bool Dragging() const { return FDownOnScroller; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    bool HasSomethingToScroll() const;

    TScrollDirection FDirection = sdVertical;
    TColor FColor = clSilver;
    int FScrollWidth = 4;
    bool FDownOnScroller = false;
    int FDownPos = 0;
    int FDownRow = 0;
};
