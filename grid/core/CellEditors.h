#pragma once
// The small editor classes of the string grid's editing:
// TEditLink, the base of an application's own cell editor (edCustom),
// shown over the cell or in a popup form; TProRichEdit, the rich edit of
// rich-text cells; TGridTransEdit and TGridTransCombo, the editors of
// fixed cells; TControlEdit and TControlCombo, the editors of the form
// controls inside a cell's markup.
#include "grid/foundation/SgComboBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/MaskEdit.h"
#include "platform/controls/RichEdit.h"

class TCustomForm;
class TFont;
class TProStringGrid;

enum TEditStyle { esInplace, esPopup };

class TEditLink : public TComponent {
public:
    explicit TEditLink(TComponent* AOwner = nullptr);

    TEditStyle EditStyle() const { return FEditStyle; }
    void SetEditStyle(TEditStyle Value) { FEditStyle = Value; }
    int PopupWidth() const { return FPopupWidth; }
    void SetPopupWidth(int Value) { FPopupWidth = Value; }
    int PopupHeight() const { return FPopupHeight; }
    void SetPopupHeight(int Value) { FPopupHeight = Value; }
    // -1: placed at the cell.
    int PopupLeft() const { return FPopupLeft; }
    void SetPopupLeft(int Value) { FPopupLeft = Value; }
    int PopupTop() const { return FPopupTop; }
    void SetPopupTop(int Value) { FPopupTop = Value; }
    // The popup is as wide as the cell.
    bool AutoPopupWidth() const { return FAutoPopupWidth; }
    void SetAutoPopupWidth(bool Value) { FAutoPopupWidth = Value; }
    // Keys the editor keeps instead of handing them to the grid.
    bool WantKeyLeftRight() const { return FWantKeyLeftRight; }
    void SetWantKeyLeftRight(bool Value) { FWantKeyLeftRight = Value; }
    bool WantKeyUpDown() const { return FWantKeyUpDown; }
    void SetWantKeyUpDown(bool Value) { FWantKeyUpDown = Value; }
    bool WantKeyHomeEnd() const { return FWantKeyHomeEnd; }
    void SetWantKeyHomeEnd(bool Value) { FWantKeyHomeEnd = Value; }
    bool WantKeyPriorNext() const { return FWantKeyPriorNext; }
    void SetWantKeyPriorNext(bool Value) { FWantKeyPriorNext = Value; }
    bool WantKeyReturn() const { return FWantKeyReturn; }
    void SetWantKeyReturn(bool Value) { FWantKeyReturn = Value; }
    bool WantKeyEscape() const { return FWantKeyEscape; }
    void SetWantKeyEscape(bool Value) { FWantKeyEscape = Value; }
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool Value) { FWantReturns = Value; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool Value) { FWantTabs = Value; }

    // The grid showing the link and the cell it edits (real column).
    TProStringGrid* Grid() const { return FGrid; }
    TPoint EditCell() const { return FEditCell; }
    TCustomForm* PopupForm() const { return FPopupForm; }

    // Bind to the edit control's key-down: routes keys between editor and
    // grid; a key that leaves commits the value.
    virtual void EditKeyDown(TObject* Sender, int& Key, TShiftState Shift);
    virtual TWinControl* GetEditControl() { return nullptr; }
    virtual void CreateEditor(TWinControl* AParent) {}
    virtual void DestroyEditor() {}
    // Focus to the editor (True) or back to the grid.
    virtual void SetFocus(bool Value);
    virtual void SetRect(const TRect& R);
    virtual void SetVisible(bool Value);
    virtual void SetProperties() {}
    virtual void SetCellProps(TColor AColor, TFont* AFont) {}
    virtual QString GetEditorValue() { return QString(); }
    virtual void SetEditorValue(const QString& S) {}

    QString GetCellValue();
    void SetCellValue(const QString& S);
    // The popup form for esPopup, else the grid.
    TWinControl* GetParent();
    // Writes the editor's value and ends the edit.
    void HideEditor();
    void RestoreWinProc();
    void EditExit(TObject* Sender);
    // The popup form lost the activation.
    void FormExit(TObject* Sender);

private:
    friend class TProStringGrid;
    TProStringGrid* FGrid = nullptr;
    TPoint FEditCell;
    TCustomForm* FPopupForm = nullptr;
    TEditStyle FEditStyle = esInplace;
    int FPopupWidth = 0;
    int FPopupHeight = 0;
    int FPopupLeft = -1;
    int FPopupTop = -1;
    bool FAutoPopupWidth = false;
    bool FWantKeyLeftRight = false;
    bool FWantKeyUpDown = false;
    bool FWantKeyHomeEnd = false;
    bool FWantKeyPriorNext = false;
    bool FWantKeyReturn = false;
    bool FWantKeyEscape = false;
    bool FWantReturns = false;
    bool FWantTabs = false;
    bool FForcedExit = false;
    bool FSubClassed = false;
    TWinControl* FSubClassedControl = nullptr;
    TWndMethod FSavedWindowProc;
};

// The rich edit of rich-text cells: the grid's hidden renderer and its
// in-place rich-text editor. Note: its owner must be a string grid.
class TProRichEdit : public TRichEdit {
public:
    explicit TProRichEdit(TComponent* AOwner);

    void SelNormal();
    void SelSubscript();
    void SelSuperscript();
    bool IsSelNormal() const;
    bool IsSelSubscript() const;
    bool IsSelSuperscript() const;
    void ReCreate() { RecreateWnd(); }
    // Size requests are ignored while locked (the grid loads a cell).
    void Lock() { FLocked = true; }
    void Unlock() { FLocked = false; }
    bool Locked() const { return FLocked; }
    // The size the content asked for last.
    int ReqWidth() const { return FReqWidth; }
    int ReqHeight() const { return FReqHeight; }

protected:
    // The grid's renderer remembers the size; the in-place editor grows its
    // row while typing (SizeWhileTyping.Height).
    void RequestSize(const TRect& Rect) override;
    void WMGetDlgCode(TMessage& Message) override;
    void WMKillFocus(TWMFocus& Message) override;
    void KeyDown(int& Key, TShiftState Shift) override;

private:
    TProStringGrid* FGrid;
    bool FLocked = false;
    int FReqWidth = 0;
    int FReqHeight = 0;
};

// Fixed-cell editors. StopEdit validates (OnCellValidate) and stores the
// text into the fixed cell; a refused value keeps the editor open. Return
// and the focus leaving commit; Escape hides the editor and stores nothing.
class TGridTransEdit : public TCustomEdit {
public:
    explicit TGridTransEdit(TComponent* AOwner = nullptr);
    int Col() const { return FCol; }
    void SetCol(int Value) { FCol = Value; }
    int Row() const { return FRow; }
    void SetRow(int Value) { FRow = Value; }
    bool StopEdit();

protected:
    void CMWantSpecialKey(TWMKey& Message) override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void DoExit() override;

private:
    TProStringGrid* FGrid;
    int FCol = -1;
    int FRow = -1;
};

class TGridTransCombo : public TCustomComboBox {
public:
    explicit TGridTransCombo(TComponent* AOwner = nullptr);
    int Col() const { return FCol; }
    void SetCol(int Value) { FCol = Value; }
    int Row() const { return FRow; }
    void SetRow(int Value) { FRow = Value; }
    bool StopEdit();

protected:
    void CMWantSpecialKey(TWMKey& Message) override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void DoExit() override;

private:
    TProStringGrid* FGrid;
    int FCol = -1;
    int FRow = -1;
};

// The editors of EDIT, PASSWORD, MASK and COMBO form controls in a cell.
class TControlEdit : public TCustomMaskEdit {
public:
    using TCustomMaskEdit::TCustomMaskEdit;

protected:
    void CMWantSpecialKey(TWMKey& Message) override;
    void KeyPress(QChar& Key) override;
};

class TControlCombo : public TSgComboBox {
public:
    using TSgComboBox::TSgComboBox;

protected:
    void CMWantSpecialKey(TWMKey& Message) override;
    void KeyPress(QChar& Key) override;
};
