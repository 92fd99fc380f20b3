#pragma once
// TProInplaceEdit: the string grid's text editor, shown over the current
// cell for the text kinds (edNormal, edNumeric, edFloat, edCapital, ...).
// It filters typed and pasted characters by the cell's editor kind,
// completes from the grid's look-up list, validates through the grid on
// Return, Tab and the keys that leave the text, and reports the end of the
// edit when it loses the focus.
#include "grid/foundation/GridTypes.h"
#include "platform/controls/InplaceEdit.h"

class TProStringGrid;

// The kinds edited in the text editor: edNormal, edNumeric,
// edPositiveNumeric, edFloat, edCapital, edMixedCase, edPassword,
// edLowerCase, edUpperCase, edValidChars, edPositiveFloat.
bool IsTextEditorKind(TEditorType Kind);

// The typed-character filter of an editor kind over the text Text with the
// selection SelStart, SelLength: false drops C (after a beep where the
// kind beeps); C may change case. Kinds without a filter take everything.
bool FilterEditorChar(TEditorType Kind, QChar& C, const QString& Text, int SelStart, int SelLength, bool Ctrl,
                      const QString& ValidChars);

class TProInplaceEdit : public TInplaceEdit {
public:
    explicit TProInplaceEdit(TComponent* AOwner = nullptr);

    // Right-justified text.
    bool VAlign() const { return FValign; }
    void SetVAlign(bool Value);
    // Characters the editor takes; 0 or less: no limit.
    int LengthLimit() const { return FLengthLimit; }
    void SetLengthLimit(int Value) { FLengthLimit = Value; }
    // Look-up completion of the text before the caret.
    void DoChange();
    void UpdateContents() override;
    // Places the editor over the current cell (its merged range), one
    // pixel short of the grid lines.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // The cell the editor was last filled for.
    int EditCol() const { return FColE; }
    int EditRow() const { return FRowE; }

protected:
    void WndProc(TMessage& Message) override;
    void WMKeyDown(TWMKey& Message) override;
    void WMKeyUp(TWMKey& Message) override;
    void WMChar(TWMKey& Message) override;
    void WMSetFocus(TWMFocus& Message) override;
    void WMKillFocus(TWMFocus& Message) override;
    void WMLButtonDblClk(TWMMouse& Message) override;
    void CMWantSpecialKey(TWMKey& Message) override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyUp(int& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void Change() override;

private:
    TProStringGrid* ProGrid() const;
    // Steps of WM_KEYDOWN; true when the key is done with.
    bool HandleTab(TShiftState Shift);
    bool HandleLeaveKey(int Key, TShiftState Shift, bool& Committed);
    // Steps of WM_CHAR; false drops the character.
    bool FilterChar(QChar& C, bool Ctrl, bool Keypad);
    void WalkLeft();
    void WalkRight();
    // Validates through the grid (the text written first with Write);
    // a refusal shows the accepted text again.
    bool Validate(bool Write, bool Repaint);
    void Refuse(const QString& OldText, bool Repaint);
    void Paste();
    int CaretLine() const;
    int LineCount() const;
    void SizeRowToText();

    int FSelKeyDown = 0;
    int FOldSelStart = 0;
    int FLengthLimit = 0;
    bool FValign = false;
    bool FGotKey = false;
    bool FGotFocus = false;
    bool FWorkmode = true;
    int FColE = -1;
    int FRowE = -1;
    bool FAltBack = false;
    // The last key went down on the numeric keypad's decimal key.
    bool FKeypadKey = false;
};
