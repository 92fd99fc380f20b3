#pragma once
// TCheckBox and TRadioButton over the native buttons. The framework keeps
// the state: a click (mouse or Space) toggles it and runs Click; setting
// the state by program runs Click too.
#include "platform/controls/ButtonControl.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCustomCheckBox : public TButtonControl {
public:
    explicit TCustomCheckBox(TComponent* AOwner = nullptr);

    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState value);
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
    // A click steps through unchecked, grayed, checked.
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool value) { FAllowGrayed = value; }
    // Which side of the box the caption stands: taRightJustify (default) or taLeftJustify.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);

protected:
    // The state after a click.
    virtual void Toggle();
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override { Message.Result = DLGC_BUTTON; }
    void CMDialogChar(TWMKey& Message) override;
    void CMTextChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    virtual void PushState();

    TCheckBoxState FState = cbUnchecked;
    bool FAllowGrayed = false;
    TAlignment FAlignment = taRightJustify;
    bool FPressed = false;
};

class TCheckBox : public TCustomCheckBox {
public:
    using TCustomCheckBox::TCustomCheckBox;
};

// Checking a radio button unchecks the other radio buttons of its parent.
class TRadioButton : public TCustomCheckBox {
public:
    explicit TRadioButton(TComponent* AOwner = nullptr);

protected:
    void Toggle() override;
    void CreateWnd() override;
    void PushState() override;
    void WMGetDlgCode(TMessage& Message) override { Message.Result = DLGC_BUTTON | DLGC_RADIOBUTTON; }
};
