#pragma once
// TRadioGroup: a captioned frame with one radio button per item, laid out
// in Columns. ItemIndex is the checked item (-1 none); a change by a click
// or by the program runs OnClick.
#include "platform/controls/CustomControl.h"
#include "platform/rtl/StringList.h"
#include <vector>

class TRadioButton;

class TRadioGroup : public TCustomControl {
public:
    explicit TRadioGroup(TComponent* AOwner = nullptr);
    ~TRadioGroup() override;

    TStrings* Items() const { return FItems; }
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int value);
    int Columns() const { return FColumns; }
    void SetColumns(int value);
    // The button of an item.
    TRadioButton* Buttons(int Index) const;

protected:
    void Paint() override;
    void AdjustClientRect(TRect& Rect) override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void CMTextChanged(TMessage& Message) override;

private:
    void UpdateButtons();
    void ButtonClicked(TRadioButton* Button);

    TStringList* FItems;
    std::vector<TRadioButton*> FButtons;
    int FItemIndex = -1;
    int FColumns = 1;
    bool FUpdating = false;
};
