#pragma once
// TProDetailDropDown: a drop-down edit whose popup lists detail items in
// one column, each with an image, a caption and a line of notes in
// mini-markup. Typing completes the edit's text against the captions.
// The list is an item selector whose cells the drop-down draws itself.
//
// A click in the list chooses the item and closes the popup; keys move
// the selection without closing it; a cancelled close restores the item
// chosen when the popup opened. Letters typed while a list key is looked
// up collect for 500 ms from the first one.
#include "grid/dropdown/DropDownCompletion.h"
#include "grid/dropdown/ProItemSelector.h"

class TDetailItem : public TCollectionItem {
public:
    explicit TDetailItem(TCollection* Collection = nullptr);
    ~TDetailItem() override;

    // Copies caption, notes, image index, picture, enabled state, Tag and
    // ItemObject.
    void Assign(TPersistent* Source) override;

    // Written into the edit when the item is chosen.
    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    // The second line, mini-markup.
    const QString& Notes() const { return FNotes; }
    void SetNotes(const QString& Value) { FNotes = Value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    // Drawn instead of ImageIndex when not empty.
    TPicture* Image() const { return FImage.get(); }
    void SetImage(TPicture* Value);
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    // Not owned.
    TObject* ItemObject() const { return FItemObject; }
    void SetItemObject(TObject* Value) { FItemObject = Value; }

    bool FEnabled = true;

private:
    void ItemChanged();

    QString FCaption;
    QString FNotes;
    int FImageIndex = -1;
    std::unique_ptr<TPicture> FImage;
    int FTag = 0;
    TObject* FItemObject = nullptr;
};

class TDetailItems : public TOwnedCollection {
public:
    explicit TDetailItems(TPersistent* AOwner);

    TDetailItem* Add();
    TDetailItem* Insert(int Index);
    TDetailItem* Items(int Index) const;
    // The first item whose caption equals AValue (case-sensitive); -1 when none.
    int IndexOf(const QString& AValue) const;

    TNotifyEvent OnChange;
};

// Replaces the drawing of a list cell's content (Sender = the drop-down).
using TOnDrawSelectedItem = std::function<void(TObject* Sender, TCanvas* Canvas, const TRect& R)>;

class TProDetailDropDown : public TProCustomDropDown {
public:
    explicit TProDetailDropDown(TComponent* AOwner = nullptr);
    ~TProDetailDropDown() override;

    TDetailItems* Items() const { return FItems.get(); }
    void SetItems(TDetailItems* Value);
    int ItemIndex() const { return FItemIndex; }
    // An item index writes its caption into the edit (all selected) and
    // fires OnSelect; -1 empties the edit; anything else is ignored.
    void SetItemIndex(int Value);
    // Height of every list cell.
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int Value) { FItemHeight = Value; }
    TItemLayout Layout() const { return FLayout; }
    void SetLayout(TItemLayout Value) { FLayout = Value; }
    TItemAppearance* ItemAppearance() const { return FItemAppearance.get(); }
    void SetItemAppearance(TItemAppearance* Value);
    TFont* CaptionFont() const { return FCaptionFont.get(); }
    void SetCaptionFont(TFont* Value);
    TFont* NotesFont() const { return FNotesFont.get(); }
    void SetNotesFont(TFont* Value);
    // Completion compares case-sensitively.
    bool MatchCase() const { return FMatchCase; }
    void SetMatchCase(bool Value) { FMatchCase = Value; }
    // Note: stored only.
    bool MatchStart() const { return FMatchStart; }
    void SetMatchStart(bool Value) { FMatchStart = Value; }
    // The list in the popup.
    TProCustomItemSelector* ItemSelector() const { return FItemSelector; }

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();

    void SetComponentStyle(TQLXStyle AStyle) override;
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;

    TNotifyEvent OnSelect;
    TOnDrawSelectedItem OnDrawSelectedImage;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoShowDropDown() override;
    void UpdateDropDownSize() override;
    void DoHideDropDown(bool Cancelled) override;
    void DropDownSizing() override;
    void DoSelectNext() override;
    void DoSelectPrevious() override;
    void Change() override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyUp(int& Key, TShiftState Shift) override;
    void WMKeyDown(TWMKey& Message) override;
    void ControlKeyDown(int& Key, TShiftState Shift) override;

    // The list's OnItemSelect: chooses the item, and closes the popup as
    // accepted unless the drop-down moved the list itself.
    void SelectorItemSelect(TObject* Sender);
    // The list's cell content.
    void DrawDetailItem(TObject* Sender, TCanvas* ACanvas, const TRect& R, int Index);
    void GetDetailItemSize(TObject* Sender, TSize& ASize);

private:
    void SyncSelector();
    void FillSelectorItems();
    // Moves the list's selection as the keyboard does: without closing.
    void ListMove(const std::function<void()>& Move);
    void ListSelect(int Index);
    // The list key of the table; true when it was one.
    bool ListKey(int Key);
    bool ListOpen() const;

    std::unique_ptr<TDetailItems> FItems;
    std::unique_ptr<TItemAppearance> FItemAppearance;
    std::unique_ptr<TFont> FCaptionFont;
    std::unique_ptr<TFont> FNotesFont;
    TProCustomItemSelector* FItemSelector = nullptr;
    std::unique_ptr<TKeySearch> FKeySearch;
    int FItemIndex = -1;
    int FItemHeight = 22;
    TItemLayout FLayout = ilCaptionRight;
    bool FMatchCase = false;
    bool FMatchStart = false;
    int FOldItemIndex = -1;
    bool FWorkMode = true;
    TCompletion FCompletion;
    bool FInternalCall = false;
    // A letter typed in the list chose an item.
    bool FLookupChose = false;
};
