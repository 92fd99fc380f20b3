#pragma once
// TInplaceEdit: the masked multi-line edit a grid places over its current
// cell. Its text may hold line breaks; Return types none unless
// WantReturns is set (it goes to the grid, which closes the editor). With an
// edit mask it takes input as the mask edit does (see EditMask.h). The
// grid creates and owns it (see TCustomGrid::CreateEditor). Keys it does
// not keep go back to the grid's key handling: Up, Down, Page Up/Down,
// Escape and Tab always; Left, Right, Home and End with goAlwaysShowEditor
// at the text's edge or with Ctrl. Every typed character passes the grid's
// KeyPress first (Return there toggles the editor).
#include "platform/controls/EditMask.h"
#include "platform/controls/Memo.h"

class TCustomGrid;

class TInplaceEdit : public TCustomMemo {
public:
    explicit TInplaceEdit(TComponent* AOwner = nullptr);

    // Mask
    const QString& EditMask() const { return FMask.Mask(); }
    void SetEditMask(const QString& value);
    bool IsMasked() const { return !FMask.Empty(); }

    TCustomGrid* Grid() const { return FGrid; }
    void SetGrid(TCustomGrid* value) { FGrid = value; }
    // Loads mask, text and limit of the grid's current cell.
    virtual void UpdateContents();
    // Places the editor over Loc (grid client coordinates), shows it and
    // takes the focus when the grid has it.
    void Move(const TRect& Loc);
    // Hides the editor; the focus goes back to the grid.
    void HideEditor();
    void Deselect();

protected:
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void KeyUp(int& Key, TShiftState Shift) override;
    void WMGetDlgCode(TMessage& Message) override;
    QString DisplayFromText(const QString& Text) const override;
    QString TextFromDisplay(const QString& Display) const override;

private:
    // Backspace and Delete blank mask positions; false when unmasked.
    bool MaskDelete(int Key);
    // Types Key into a mask position; false when unmasked.
    bool MaskType(QChar Key);

    TCustomGrid* FGrid = nullptr;
    TEditMask FMask;
};
