#pragma once
// TCheckListBox: a list box with a check box per item. Clicking a box or
// pressing Space on the focused item toggles it and runs OnClickCheck.
// The check states follow their items when items are inserted, deleted or
// sorted.
#include "platform/controls/CheckBox.h"
#include "platform/controls/ListBox.h"

class TCheckListBox : public TCustomListBox {
public:
    explicit TCheckListBox(TComponent* AOwner = nullptr);

    bool Checked(int Index) const { return State(Index) == cbChecked; }
    void SetChecked(int Index, bool value) { SetState(Index, value ? cbChecked : cbUnchecked); }
    TCheckBoxState State(int Index) const;
    void SetState(int Index, TCheckBoxState value);
    bool ItemEnabled(int Index) const;
    void SetItemEnabled(int Index, bool value);
    // A click steps through unchecked, grayed, checked.
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool value) { FAllowGrayed = value; }

    TNotifyEvent OnClickCheck;

protected:
    virtual void ClickCheck();
    void CreateWnd() override;
    void KeyPress(QChar& Key) override;
    void ItemsChanged() override;
    void ItemsPushed() override;

private:
    friend class CheckListBridge;
    struct TEntry {
        QString Text;
        TCheckBoxState State = cbUnchecked;
        bool Enabled = true;
    };
    void CheckIndex(int Index) const;
    void Toggle(int Index);
    void PushEntry(int Index);

    std::vector<TEntry> FEntries;
    bool FAllowGrayed = false;
    bool FPushing = false;
};
