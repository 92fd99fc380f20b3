#pragma once
// TInplaceEdit: the masked edit a grid places over its current cell. The
// grid creates and owns it (see TCustomGrid::CreateEditor). Keys it does
// not keep go back to the grid's key handling: Up, Down, Page Up/Down,
// Escape and Tab always; Left, Right, Home and End with goAlwaysShowEditor
// at the text's edge or with Ctrl. Every typed character passes the grid's
// KeyPress first (Return there toggles the editor).
#include "platform/controls/MaskEdit.h"

class TCustomGrid;

class TInplaceEdit : public TCustomMaskEdit {
public:
    explicit TInplaceEdit(TComponent* AOwner = nullptr);

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

private:
    TCustomGrid* FGrid = nullptr;
};
