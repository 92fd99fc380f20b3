#pragma once
// A Cancel button (the one Escape clicks) on a form, counting its clicks.
#include "platform/controls/Button.h"
#include "platform/controls/Form.h"

inline TButton* AddCancelButton(TCustomForm* Form, const TRect& Bounds, int& Clicks)
{
    auto* cancel = new TButton(Form);
    cancel->SetParent(Form);
    cancel->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
    cancel->SetCaption(QStringLiteral("Cancel"));
    cancel->SetCancel(true);
    cancel->OnClick = [&Clicks](TObject*) { ++Clicks; };
    return cancel;
}
