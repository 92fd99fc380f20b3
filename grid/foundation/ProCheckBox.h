#pragma once
// TProCheckBox: the owner-drawn check box of the grid's search bar, with a
// classic (or themed) box, an optional transparent background copied from
// the parent (and cached on request), ellipsis, the box's vertical place
// and a read-only mode. It calls Click itself on a toggle.
#include "platform/controls/CheckBox.h"
#include "platform/controls/CustomControl.h"
#include "platform/controls/Label.h"
#include <memory>

class TBitmap;

// Side of the box.
using TLeftRight = TAlignment;

// True with Windows XP or later, an active visual style and common controls 6.
bool IsXPThemed();

class TProCheckBox : public TCustomControl {
public:
    explicit TProCheckBox(TComponent* AOwner = nullptr);
    ~TProCheckBox() override;

    TCheckBoxState State() const { return FState; }
    // Repaints only the box.
    void SetState(TCheckBoxState value);
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool value);
    // Unless ReadOnly: Checked := not Checked.
    void Toggle();
    // Also the window text; repaints.
    void SetCaption(const QString& value);
    // taLeftJustify (default): box left of the caption; taRightJustify: right of it.
    TLeftRight Alignment() const { return FAlignment; }
    void SetAlignment(TLeftRight value);
    TTextLayout ButtonVertAlign() const { return FBtnVAlign; }
    void SetButtonVertAlign(TTextLayout value);
    bool Ellipsis() const { return FEllipsis; }
    void SetEllipsis(bool value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    // Enter moves the focus on like Tab.
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool value) { FReturnIsTab = value; }
    // Shows the parent's background.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // Keeps a copy of the parent's background (spelled so).
    bool TransparentChaching() const { return FTransparentCaching; }
    void SetTransparentChaching(bool value) { FTransparentCaching = value; }
    // The pressed look.
    bool Down() const { return FDown; }
    void SetDown(bool value) { FDown = value; }
    bool Hot() const { return FHot; }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // The box in client coordinates.
    TRect BoxRect() const;

protected:
    void Paint() override;
    void PaintWindow() override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyUp(int& Key, TShiftState Shift) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void CMEnter(TMessage& Message) override;
    void CMExit(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    void CMWantSpecialKey(TWMKey& Message) override;
    void WMGetDlgCode(TMessage& Message) override;

private:
    void InvalidateBox();
    void PaintBackground(TCanvas* C);

    bool FDown = false;
    TCheckBoxState FState = cbUnchecked;
    bool FFocused = false;
    bool FReturnIsTab = false;
    TTextLayout FBtnVAlign = tlTop;
    TLeftRight FAlignment = taLeftJustify;
    bool FEllipsis = false;
    bool FIsWinXP = false;
    bool FHot = false;
    bool FClicksDisabled = false;
    bool FReadOnly = false;
    bool FMouseDown = false;
    std::unique_ptr<TBitmap> FBkgBmp;
    bool FBkgCache = false;
    bool FTransparentCaching = false;
    bool FTransparent = false;
};
