#pragma once
// TCategoryPanelGroup and TCategoryPanel: panels with a header each,
// stacked top to bottom in the group. Clicking a header collapses or
// expands its panel to the header alone. When the panels are taller than
// the group, the wheel scrolls them by the system's wheel lines times
// VertScrollIncrement pixels per notch.
#include "platform/controls/CustomControl.h"
#include <vector>

class TCategoryPanelGroup;

class TCategoryPanel : public TCustomControl {
public:
    explicit TCategoryPanel(TComponent* AOwner = nullptr);

    // The group the panel is stacked in (its parent).
    TCategoryPanelGroup* PanelGroup() const;
    void SetPanelGroup(TCategoryPanelGroup* value);
    bool Collapsed() const { return FCollapsed; }
    void SetCollapsed(bool value);
    void Collapse() { SetCollapsed(true); }
    void Expand() { SetCollapsed(false); }
    // The height when expanded.
    int ExpandedHeight() const { return FExpandedHeight; }
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetParent(TWinControl* AParent) override;

    TNotifyEvent OnCollapse;
    TNotifyEvent OnExpand;

protected:
    void Paint() override;
    void AdjustClientRect(TRect& Rect) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMTextChanged(TMessage& Message) override;
    int HeaderHeight() const;

private:
    friend class TCategoryPanelGroup;
    bool FCollapsed = false;
    int FExpandedHeight = 200;
    bool FPlacing = false;
};

class TCategoryPanelGroup : public TCustomControl {
public:
    explicit TCategoryPanelGroup(TComponent* AOwner = nullptr);

    // The panels in stacking order.
    int PanelCount() const;
    TCategoryPanel* Panels(int Index) const;
    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int value);
    // Pixels the panels are scrolled up by.
    int ScrollPos() const { return FScrollPos; }
    void SetScrollPos(int value);
    // The largest ScrollPos: the panels' height past the group's.
    int ScrollRange() const;
    int VertScrollIncrement() const { return FIncrement; }
    void SetVertScrollIncrement(int value) { FIncrement = std::max(value, 1); }
    void CollapseAll();
    void ExpandAll();

protected:
    void AlignControls(TControl* AControl, TRect& Rect) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;

private:
    std::vector<TCategoryPanel*> PanelList() const;
    int FHeaderHeight = 24;
    int FScrollPos = 0;
    int FIncrement = 8;
    bool FPlacing = false;
};
