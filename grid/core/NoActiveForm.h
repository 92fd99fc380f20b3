#pragma once
#include "platform/controls/Form.h"

// The snapshot of dragged cells: a bordered pop-up that never takes the
// focus or activation.
class TNoActiveForm : public TForm {
public:
    explicit TNoActiveForm(TComponent* AOwner);

protected:
    void CreateParams(TCreateParams& Params) override;
    void WndProc(TMessage& Message) override;
};
