#pragma once
// TProMemoDropDown: an edit for a multi-line text whose popup is a memo.
// Without the editor the edit shows the first line, with "..." when more
// lines follow or when it is too wide. MemoText is the committed text; the
// memo holds the edited copy while the popup is open: a normal close
// commits it, a cancelled one discards it. Enter, the arrows and typing
// stay in the memo; Escape, F4 and keys with Alt reach the edit.
#include "grid/dropdown/ProDropDown.h"
#include "platform/controls/Memo.h"

class TProMemoDropDown : public TProCustomDropDown {
public:
    explicit TProMemoDropDown(TComponent* AOwner = nullptr);
    ~TProMemoDropDown() override;

    // A change rebuilds the edit's text; an open memo takes it too.
    TStringList* MemoText() const { return FMemoText.get(); }
    void SetMemoText(TStrings* Value);
    // Applied at the next opening.
    TScrollStyle MemoScrollBars() const { return FMemoScrollBars; }
    void SetMemoScrollBars(TScrollStyle Value) { FMemoScrollBars = Value; }
    // Applied at once to an open memo.
    bool MemoReadOnly() const { return FMemoReadOnly; }
    void SetMemoReadOnly(bool Value);
    // Applied at the next opening.
    TComponent* MemoPopup() const { return FMemoPopup; }
    void SetMemoPopup(TComponent* Value) { FMemoPopup = Value; }
    // The popup opens when the edit gets the focus.
    bool AutoDrop() const { return FAutoDrop; }
    void SetAutoDrop(bool Value) { FAutoDrop = Value; }
    TMemo* Memo() const { return FMemo; }

    // Every change of the memo's text.
    TNotifyEvent OnMemoChange;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoHideDropDown(bool Cancelled) override;
    void AfterHideDropDown() override;
    void DropDownFormDestroyed() override;
    void ControlKeyDown(int& Key, TShiftState Shift) override;
    void ControlKeyUp(int& Key, TShiftState Shift) override;
    void ControlKeyPress(QChar& Key) override;
    void DoEnter() override;
    // The typed text becomes MemoText.
    void Change() override;
    // The edit's text from MemoText.
    void UpdateEditText();

private:
    void MemoTextChanged();

    std::unique_ptr<TStringList> FMemoText;
    TScrollStyle FMemoScrollBars = ssNone;
    bool FMemoReadOnly = false;
    TComponent* FMemoPopup = nullptr;
    bool FAutoDrop = false;
    TMemo* FMemo = nullptr;
    bool FInternalUpdate = false;
};
