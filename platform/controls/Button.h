#pragma once
// TButton: a push button over the native button. A click with the mouse,
// Space, Enter on a Default button or Escape on a Cancel one runs Click:
// the parent form's ModalResult is set, then OnClick.
#include "platform/controls/ButtonControl.h"

class TButton : public TCustomButton {
public:
    explicit TButton(TComponent* AOwner = nullptr);

protected:
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void CMTextChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
};
