#pragma once
// TCustomComboBox and TComboBox over the native combo box.
//
// Notifications: picking an item (from the list, by arrow keys or by
// typing its first letters) sends CBN_SELCHANGE to the parent, then the
// combo sets Text to the item and runs OnClick and OnSelect (OnChange when
// no OnSelect is set); typing into the edit part sends CBN_EDITCHANGE, then
// OnChange; opening the list sends CBN_DROPDOWN (OnDropDown) and closing it
// CBN_CLOSEUP (OnCloseUp).
#include "platform/controls/WinControl.h"
#include "platform/rtl/StringList.h"

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
enum TOwnerDrawStateFlag { odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odComboBoxEdit };
using TOwnerDrawState = Set<TOwnerDrawStateFlag>;
using TDrawItemEvent = std::function<void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;

class TCanvas;

// The default look of a list item, for the combo and list boxes: the
// rectangle filled, the item's text 2 pixels in (none past the items).
void DrawListItemText(TCanvas* Canvas, const TStrings* Items, int Index, TRect Rect);

class TCustomComboBox : public TWinControl {
public:
    explicit TCustomComboBox(TComponent* AOwner = nullptr);
    ~TCustomComboBox() override;

    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle value);
    // The list, with objects; changes show at once.
    TStrings* Items() const { return FItems; }
    void SetItems(TStrings* value) { FItems->Assign(value); }
    // -1 when no item is selected.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int value);
    // Note: sets the edit text; in a drop-down list it selects the item of that text.
    void SetText(const QString& value) override;
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int value);
    bool DroppedDown() const;
    void SetDroppedDown(bool value);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int value);
    bool Sorted() const { return FItems->Sorted(); }
    void SetSorted(bool value) { FItems->SetSorted(value); }
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value);
    // The selection in the edit part (csDropDown, csSimple): its start and
    // length; 0 without an edit part or a window. Setting SelStart puts
    // the caret there (nothing selected); SelLength selects from SelStart.
    int SelStart() const;
    void SetSelStart(int value);
    int SelLength() const;
    void SetSelLength(int value);
    // The canvas OnDrawItem draws on (owner-draw styles).
    TCanvas* Canvas() const { return FCanvas; }
    void Clear();
    // Keys typed into the list search its items, joined while they come
    // quickly; this starts the next key's search afresh (the list does so
    // itself when it drops down).
    void ResetTypeAhead();

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    TDrawItemEvent OnDrawItem;

protected:
    virtual void Change();
    virtual void Select();
    virtual void DropDown();
    virtual void CloseUp();
    virtual void DrawItem(int Index, TRect Rect, TOwnerDrawState State);
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    virtual void CNCommand(TWMCommand& Message);
    void WMGetDlgCode(TMessage& Message) override { Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }
    void CMFontChanged(TMessage& Message) override;

private:
    friend class ComboBridge;
    void PushItems();
    void PushState();
    void NativeSelected(int Index);
    void NativeEdited(const QString& Text);

    TStringList* FItems;
    TCanvas* FCanvas;
    TComboBoxStyle FStyle = csDropDown;
    int FItemIndex = -1;
    int FDropDownCount = 8;
    int FItemHeight = 16;
    int FMaxLength = 0;
    bool FUpdating = false;
};

class TComboBox : public TCustomComboBox {
public:
    using TCustomComboBox::TCustomComboBox;
};
