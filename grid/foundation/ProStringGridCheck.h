#pragma once
// TProStringGridCheck: the base of cell-text checkers a string grid links
// to. The base changes nothing; descendants override the hooks. The
// switches tell the grid when to call which hook.
#include "platform/rtl/Object.h"
#include <QString>

class TProStringGridCheck : public TComponent {
public:
    using TComponent::TComponent;

    // s with its errors marked; the base returns s.
    virtual QString MarkError(int ACol, int ARow, const QString& s) { return s; }
    // The corrected s; the base returns s.
    virtual QString Correct(int ACol, int ARow, const QString& s) { return s; }
    // Called before and after an explicit check of one or more cells.
    virtual void StartCheck() {}
    virtual void StopCheck() {}

    // During an explicit check the grid moves its focus to each checked
    // cell, and back after a range.
    bool GotoCell() const { return FGotoCell; }
    void SetGotoCell(bool Value) { FGotoCell = Value; }
    // Correct / mark a cell's new text when an edit is confirmed.
    bool AutoCorrect() const { return FAutoCorrect; }
    void SetAutoCorrect(bool Value) { FAutoCorrect = Value; }
    bool AutoMarkError() const { return FAutoMarkError; }
    void SetAutoMarkError(bool Value) { FAutoMarkError = Value; }
    // Correct / mark cells during an explicit check.
    bool UseCorrect() const { return FUseCorrect; }
    void SetUseCorrect(bool Value) { FUseCorrect = Value; }
    bool UseMarkError() const { return FUseMarkError; }
    void SetUseMarkError(bool Value) { FUseMarkError = Value; }

private:
    bool FGotoCell = false;
    bool FAutoCorrect = false;
    bool FAutoMarkError = false;
    bool FUseCorrect = false;
    bool FUseMarkError = false;
};
