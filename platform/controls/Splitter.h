#pragma once
// TSplitter: an aligned bar that resizes the control aligned before it on
// the same side. Dragging stops where the neighbour would fall below
// MinSize or the space left would; OnMoved runs after a drag.
#include "platform/controls/GraphicControl.h"

using TCanResizeSplitterEvent = std::function<void(TObject* Sender, int& NewSize, bool& Accept)>;

class TSplitter : public TGraphicControl {
public:
    explicit TSplitter(TComponent* AOwner = nullptr);

    int MinSize() const { return FMinSize; }
    void SetMinSize(int value) { FMinSize = std::max(value, 1); }
    // The control the splitter resizes, or nullptr.
    TControl* FindControl() const;

    TNotifyEvent OnMoved;
    TCanResizeSplitterEvent OnCanResize;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    bool Vertical() const { return Align() == alLeft || Align() == alRight; }
    int Position(int X, int Y) const;
    void MoveTo(int Pos);

    int FMinSize = 30;
    TControl* FControl = nullptr;
    bool FDragging = false;
    int FDownPos = 0;
    int FStartSize = 0;
};
