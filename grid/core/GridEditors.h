#pragma once
// The string grid's special editors: small controls bound to their grid
// (the owner), shown over a cell by TProStringGrid::ShowEditControl and
// committed by HideEditControl. Each ends an edit the same way: the
// control's text goes into the current cell, the grid validates it
// (refused: the control keeps the accepted text and the key is
// swallowed), then the editor hides and the grid moves on. Losing the
// focus commits.
#include "grid/foundation/EditBtn.h"
#include "grid/foundation/ProDateTimePicker.h"
#include "grid/foundation/SgComboBox.h"
#include "grid/foundation/SpinEdit.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"

class TProStringGrid;

// edComboEdit and edComboList. OnComboChange fires once for every change
// of the shown combo, with the real column: a pick from the list, a key
// or wheel step, a typed text.
class TGridCombo : public TSgComboBox {
public:
    explicit TGridCombo(TComponent* AOwner = nullptr);

    // Look-up completion is allowed (cleared by Backspace and Delete).
    bool WorkMode() const { return FWorkMode; }
    // Widens the list to its longest item.
    void SizeDropDownWidth();
    // Completes the text before the caret from the items, then from the
    // grid's look-up list.
    void DoChange();
    TNotifyEvent OnReturnKey;

protected:
    void WndProc(TMessage& Message) override;
    void CNCommand(TWMCommand& Message) override;
    void CMWantSpecialKey(TWMKey& Message) override;
    void WMSetFocus(TWMFocus& Message) override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void KeyUp(int& Key, TShiftState Shift) override;
    void Change() override;
    void DoExit() override;

private:
    friend class TProStringGrid;
    TProStringGrid* FGrid;
    bool FWorkMode = true;
    int FSelKeyDown = 0;
};

// edSpinEdit, edFloatSpinEdit, edTimeSpinEdit, edDateSpinEdit.
class TGridSpin : public TSgSpinEdit {
public:
    explicit TGridSpin(TComponent* AOwner = nullptr);
    void UpClick(TObject* Sender) override;
    void DownClick(TObject* Sender) override;

protected:
    void CMWantSpecialKey(TWMKey& Message) override;
    void WMChar(TWMKey& Message) override;
    void WMKeyDown(TWMKey& Message) override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void Change() override;
    void DoExit() override;

private:
    void DoSpinClick(bool Up);
    TProStringGrid* FGrid;
};

// edEditBtn, edNumericEditBtn, edFloatEditBtn, edMaskEditBtn.
class TGridEditBtn : public TSgEditBtn {
public:
    explicit TGridEditBtn(TComponent* AOwner = nullptr);
    bool StopEditAfterClick() const { return FStopEditAfterClick; }
    void SetStopEditAfterClick(bool Value) { FStopEditAfterClick = Value; }
    void ClickButton(TObject* Sender) override;

protected:
    void WndProc(TMessage& Message) override;
    void CMWantSpecialKey(TWMKey& Message) override;
    void WMChar(TWMKey& Message) override;
    void WMLButtonDblClk(TWMMouse& Message) override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void KeyUp(int& Key, TShiftState Shift) override;
    void Change() override;
    void DoExit() override;

private:
    TProStringGrid* FGrid;
    bool FWorkMode = true;
    int FSelKeyDown = 0;
    bool FStopEditAfterClick = false;
};

// edUnitEditBtn, edNumericUnitEditBtn, edFloatUnitEditBtn.
class TGridUnitEditBtn : public TSgUnitEditBtn {
public:
    explicit TGridUnitEditBtn(TComponent* AOwner = nullptr);
    void ClickButton(TObject* Sender) override;

protected:
    void CMWantSpecialKey(TWMKey& Message) override;
    void WMChar(TWMKey& Message) override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void DoExit() override;

private:
    TProStringGrid* FGrid;
};

// edCheckBox: a check box over the cell; nothing is written back.
class TGridCheckBox : public TCheckBox {
public:
    explicit TGridCheckBox(TComponent* AOwner = nullptr);

protected:
    void CMWantSpecialKey(TWMKey& Message) override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void DoExit() override;

private:
    TProStringGrid* FGrid;
};

// edButton: a push button over the cell; a click stores what
// OnEllipsClick answers for its caption.
class TGridButton : public TButton {
public:
    explicit TGridButton(TComponent* AOwner = nullptr);
    const QString& TextValue() const { return FText; }
    void SetTextValue(const QString& Value) { FText = Value; }

protected:
    void CMWantSpecialKey(TWMKey& Message) override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyUp(int& Key, TShiftState Shift) override;
    void WndProc(TMessage& Message) override;

private:
    void Clicked();
    void Leave();
    TProStringGrid* FGrid;
    QString FText;
};

// edDateEdit, edDateEditUpDown, edTimeEdit.
class TGridDatePicker : public TSgDateTimePicker {
public:
    explicit TGridDatePicker(TComponent* AOwner = nullptr);
    bool Weeknumbers() const { return FWeekNumbers; }
    void SetWeeknumbers(bool Value) { FWeekNumbers = Value; }
    bool ShowToday() const { return FShowToday; }
    void SetShowToday(bool Value) { FShowToday = Value; }
    bool ShowTodayCircle() const { return FShowTodayCircle; }
    void SetShowTodayCircle(bool Value) { FShowTodayCircle = Value; }
    // Moves to the next field when a typed digit completed the current one.
    void ShiftFocusCheck();

protected:
    void WndProc(TMessage& Message) override;
    void CMWantSpecialKey(TWMKey& Message) override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void DoExit() override;

private:
    TProStringGrid* FGrid;
    int Fy = 0, Fm = 0, Fd = 0, Fth = 0, Ftm = 0, Fts = 0, Ftms = 0;
    bool FWeekNumbers = false;
    bool FShowToday = true;
    bool FShowTodayCircle = true;
};

// edDateTimeEdit.
class TGridDateTimePicker : public TProDateTimePicker {
public:
    explicit TGridDateTimePicker(TComponent* AOwner = nullptr);

protected:
    void KeyDown(int& Key, TShiftState Shift) override;
    void DoExit() override;

private:
    TProStringGrid* FGrid;
};
