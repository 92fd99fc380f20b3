#pragma once
// TButtonControl: the base of push, check and radio buttons.
// TCustomButton: a push button's framework part: Default (Enter),
// Cancel (Escape), ModalResult (closes a modal form when clicked) and its
// "&" mnemonic. The standard controls give it a look.
#include "platform/controls/WinControl.h"

class TButtonControl : public TWinControl {
public:
    explicit TButtonControl(TComponent* AOwner = nullptr);
};

class TCustomButton : public TButtonControl {
public:
    explicit TCustomButton(TComponent* AOwner = nullptr);

    // Enter clicks the button (when no other button has the focus).
    bool Default() const { return FDefault; }
    void SetDefault(bool value) { FDefault = value; }
    // Escape clicks the button.
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }

    // Sets the parent form's ModalResult, then OnClick.
    void Click() override;

protected:
    void CMDialogKey(TWMKey& Message) override;
    void CMDialogChar(TWMKey& Message) override;
    void WMGetDlgCode(TMessage& Message) override;

private:
    bool FDefault = false;
    bool FCancel = false;
    TModalResult FModalResult = mrNone;
};
