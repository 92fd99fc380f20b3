#pragma once
// The string grid's drop-down editors: each drop-down of grid/dropdown
// bound to its grid (the owner) as a cell editor. They share one key
// protocol, TGridDropDownKeys: Tab, Return, Escape, PageUp, PageDown, End,
// Up and Down leave the editor (Alt+Down opens the popup); Return, Up and
// Down validate first (a refusal keeps the editor open with the accepted
// text and swallows the key); Escape restores the cell. Losing the focus
// commits. Other keys stay with the drop-down.
//
// A new wrapper derives from TGridDropDown<its drop-down> and sets its
// differences on Keys() in its constructor; the template is instantiated
// for it at the end of GridDropDownEditors.cpp. The grid makes, shows and
// commits it in ProStringGridDropDowns.cpp.
#include "grid/dropdown/ProCalculatorDropdown.h"
#include "grid/dropdown/ProColorPickerDropDown.h"
#include "grid/dropdown/ProDetailDropDown.h"
#include "grid/dropdown/ProImagePickerDropDown.h"
#include "grid/dropdown/ProMemoDropDown.h"
#include "grid/dropdown/ProMultiColumnDropDown.h"
#include "grid/dropdown/ProTimePickerDropDown.h"
#include "grid/dropdown/ProTrackBarDropDown.h"
#include <functional>

class TProStringGrid;

// The key protocol of one drop-down wrapper.
class TGridDropDownKeys {
public:
    TGridDropDownKeys(TProCustomDropDown* Edit, TComponent* AOwner);

    TProStringGrid* Grid() const { return FGrid; }
    // Look-up completion is allowed (cleared by Backspace and Delete).
    bool WorkMode() const { return FWorkMode; }
    // Escape ended the edit: the grid writes nothing back.
    bool Cancelled() const { return FCancelled; }
    void SetCancelled(bool Value) { FCancelled = Value; }

    // Differences of a wrapper from the pattern.
    // Return and Escape are claimed as special keys.
    bool ClaimReturnEscape = false;
    // Home also leaves; an open popup lets only Tab, Return and Escape
    // leave; Up and Down end the edit without validation.
    bool ColorKeys = false;
    // Runs before a Return is validated (the calculator computes).
    std::function<void()> BeforeReturn;
    // The value validated and written back; the edit's text when unset.
    std::function<QString()> Value;
    // Shows the accepted or restored cell text; SetTextDirect when unset.
    std::function<void(const QString&)> Show;
    // Puts the value of the edit's opening back (Escape); Show of the
    // cell's text when unset.
    std::function<void()> Restore;

    void WantSpecialKey(TWMKey& Message);
    // A drop-down without its editor keeps every key but Return and
    // Escape: the keys that leave a closed one reach the protocol first.
    // True when the protocol took the key.
    bool PreviewKey(TWMKey& Message);
    // True when the protocol took the key; otherwise the drop-down's own
    // handling runs.
    bool KeyDown(int& Key, TShiftState Shift);
    // OnKeyPress of the grid; Escape, Return and Tab go no further.
    void KeyPress(QChar& Key);
    // OnEditChange of the grid with the current value.
    void Changed();
    // The focus left: the edit ends.
    void Exit();
    // What the grid validates and writes back.
    QString CurrentValue() const;

private:
    bool IsLeaveKey(int Key, TShiftState Shift) const;
    void ShowValue(const QString& Text);

    TProCustomDropDown* FEdit;
    TProStringGrid* FGrid;
    bool FWorkMode = true;
    bool FCancelled = false;
};

// What the grid asks of every drop-down wrapper.
class IGridDropDown {
public:
    virtual ~IGridDropDown() = default;
    virtual TGridDropDownKeys& Keys() = 0;
};

// A drop-down that hands its keys, changes and focus loss to the protocol.
template <class TDropDown>
class TGridDropDown : public TDropDown, public IGridDropDown {
public:
    explicit TGridDropDown(TComponent* AOwner = nullptr);
    TGridDropDownKeys& Keys() override { return FKeys; }

protected:
    void CMWantSpecialKey(TWMKey& Message) override;
    void WMKeyDown(TWMKey& Message) override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void Change() override;
    void DoExit() override;

    TGridDropDownKeys FKeys;
};

// edTrackbarDropDown: the pattern, and it claims Return and Escape.
class TGridTrackbarDropDown : public TGridDropDown<TProTrackBarDropDown> {
public:
    explicit TGridTrackbarDropDown(TComponent* AOwner = nullptr);
};

// edMemoDropDown: the value is the memo's whole text.
class TGridMemoDropDown : public TGridDropDown<TProMemoDropDown> {
public:
    explicit TGridMemoDropDown(TComponent* AOwner = nullptr);
};

// edCalculatorDropDown: Return computes the result first; the calculation
// ends with the cell's edit.
class TGridCalculatorDropDown : public TGridDropDown<TProCalculatorDropdown> {
public:
    explicit TGridCalculatorDropDown(TComponent* AOwner = nullptr);

protected:
    // The grid hides the editor when the cell's edit ends, committed or
    // cancelled: an operation still pending does not reach the next cell.
    void CMVisibleChanged(TMessage& Message) override;
};

// edTimePickerDropDown: no focus drawing.
class TGridTimepickerDropDown : public TGridDropDown<TProTimePickerDropDown> {
public:
    explicit TGridTimepickerDropDown(TComponent* AOwner = nullptr);
};

// edDetailDropDown.
class TGridDetailPickerDropDown : public TGridDropDown<TProDetailDropDown> {
public:
    using TGridDropDown::TGridDropDown;
};

// edGridDropDown: the multi-column list.
class TGridGridDropDown : public TGridDropDown<TProMultiColumnDropDown> {
public:
    using TGridDropDown::TGridDropDown;
};

// edImagePickerDropDown: the value is the chosen image.
class TGridImageDropDown : public TGridDropDown<TProImagePickerDropDown> {
public:
    explicit TGridImageDropDown(TComponent* AOwner = nullptr);
    // The image index at opening, put back by Escape.
    int OpeningIndex = -1;
};

// edColorPickerDropDown: the value is the selected colour; Home also
// leaves, and only Return validates.
class TGridColorDropDown : public TGridDropDown<TProColorPickerDropDown> {
public:
    explicit TGridColorDropDown(TComponent* AOwner = nullptr);
    // The colour at opening, put back by Escape.
    TColor OpeningColor = clNone;
};
