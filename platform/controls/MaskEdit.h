#pragma once
// TCustomMaskEdit and TMaskEdit: an edit that takes input through an edit
// mask (see EditMask.h). With a mask, typed characters overwrite the input
// positions and characters the mask refuses are dropped; Backspace and
// Delete blank a position. Text follows the mask's "save literals" rule;
// EditText is what the edit shows.
#include "platform/controls/Edit.h"
#include "platform/controls/EditMask.h"

class TCustomMaskEdit : public TCustomEdit {
public:
    explicit TCustomMaskEdit(TComponent* AOwner = nullptr);

    const QString& EditMask() const { return FMask.Mask(); }
    void SetEditMask(const QString& value);
    bool IsMasked() const { return !FMask.Empty(); }
    // The shown text, literals and blanks included.
    QString EditText() const { return Display(); }
    void SetEditText(const QString& value);
    // True when every required position is filled (always without a mask).
    bool IsComplete() const;

protected:
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    QString DisplayFromText(const QString& Text) const override;
    QString TextFromDisplay(const QString& Display) const override;

private:
    TEditMask FMask;
};

class TMaskEdit : public TCustomMaskEdit {
public:
    using TCustomMaskEdit::TCustomMaskEdit;
};
