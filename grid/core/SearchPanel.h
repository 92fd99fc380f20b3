#pragma once
// The search bar under the grid: TRetEdit, its edit, which reports Return
// and Ctrl+Return instead of inserting a line.
#include "platform/controls/Edit.h"

class TRetEdit : public TEdit {
public:
    using TEdit::TEdit;

    TNotifyEvent OnReturn;
    TNotifyEvent OnCtrlReturn;

protected:
    // Return fires OnCtrlReturn with Ctrl down, else OnReturn, and goes
    // no further; a line feed or carriage return character goes to
    // OnKeyPress only, so nothing is inserted.
    void WndProc(TMessage& Message) override;
    // The edit wants Return, as a multi-line edit does.
    void WMGetDlgCode(TMessage& Message) override;
};
