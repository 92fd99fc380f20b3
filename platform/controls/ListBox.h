#pragma once
// TCustomListBox and TListBox over the native list view. A change of the
// selection by the user sends LBN_SELCHANGE to the parent and runs OnClick;
// a double click sends LBN_DBLCLK and runs OnDblClick. Changes by the
// program notify nothing.
#include "platform/controls/ComboBox.h"

constexpr int LBN_SELCHANGE = 1;
constexpr int LBN_DBLCLK = 2;

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbVirtual, lbVirtualOwnerDraw };

class TCustomListBox : public TWinControl {
public:
    explicit TCustomListBox(TComponent* AOwner = nullptr);
    ~TCustomListBox() override;

    TStrings* Items() const { return FItems; }
    void SetItems(TStrings* value) { FItems->Assign(value); }
    // The focused item; -1 when none.
    int ItemIndex() const;
    void SetItemIndex(int value);
    // With MultiSelect, Shift and Ctrl extend the selection.
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool value);
    bool Selected(int Index) const;
    void SetSelected(int Index, bool value);
    int SelCount() const;
    bool Sorted() const { return FItems->Sorted(); }
    void SetSorted(bool value) { FItems->SetSorted(value); }
    TListBoxStyle Style() const { return FStyle; }
    void SetStyle(TListBoxStyle value);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int value);
    // The first visible item.
    int TopIndex() const;
    void SetTopIndex(int value);
    // The item at a client point; with Existing false, Count for a point below
    // the last item, otherwise -1.
    int ItemAtPos(TPoint Pos, bool Existing) const;
    TRect ItemRect(int Index) const;
    TCanvas* Canvas() const { return FCanvas; }
    void Clear() { FItems->Clear(); }

    TDrawItemEvent OnDrawItem;

protected:
    virtual void DrawItem(int Index, TRect Rect, TOwnerDrawState State);
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    virtual void CNCommand(TWMCommand& Message);
    void WMGetDlgCode(TMessage& Message) override { Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }
    void CMFontChanged(TMessage& Message) override;
    // The items changed (before the widget shows them).
    virtual void ItemsChanged() {}
    // The widget shows the items again.
    virtual void ItemsPushed() {}

private:
    friend class ListBoxBridge;
    void PushItems();
    void PushSelection();
    void PullSelection();

    TStringList* FItems;
    TCanvas* FCanvas;
    TListBoxStyle FStyle = lbStandard;
    bool FMultiSelect = false;
    int FItemHeight = 16;
    int FItemIndex = -1;
    int FTopIndex = 0;
    std::vector<bool> FSelected;
    bool FUpdating = false;
};

class TListBox : public TCustomListBox {
public:
    using TCustomListBox::TCustomListBox;
};
