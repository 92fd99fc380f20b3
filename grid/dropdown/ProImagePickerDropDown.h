#pragma once
// TProImagePickerDropDown: a drop-down for choosing an image. The edit
// shows the chosen picture instead of text; the popup shows every image
// item in an item selector of Columns columns. Items come from pictures
// (also loaded from the files of a folder) or from an image list.
//
// A click in the list chooses and closes; keys in the open list choose
// without closing; the wheel moves the hot item of the open list and
// steps the choice of the closed one; letters look the captions up for
// 500 ms from the first. A cancelled close restores the choice of the
// opening.
#include "grid/dropdown/DropDownCompletion.h"
#include "grid/dropdown/ProDetailDropDown.h"

class TImageItem : public TCollectionItem {
public:
    explicit TImageItem(TCollection* Collection = nullptr);
    ~TImageItem() override;

    // Copies caption, image index, picture, enabled state and hint.
    void Assign(TPersistent* Source) override;

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    // Shown instead of ImageIndex when not empty.
    TPicture* Image() const { return FImage.get(); }
    void SetImage(TPicture* Value);
    // The list's hint while the item is hot.
    const QString& Hint() const { return FHint; }
    void SetHint(const QString& Value) { FHint = Value; }

    bool FEnabled = true;

private:
    void ItemChanged();

    QString FCaption;
    int FImageIndex = -1;
    std::unique_ptr<TPicture> FImage;
    QString FHint;
};

class TImageItems : public TOwnedCollection {
public:
    explicit TImageItems(TPersistent* AOwner);

    TImageItem* Add();
    TImageItem* Insert(int Index);
    TImageItem* Items(int Index) const;

    TNotifyEvent OnChange;
};

class TProImagePickerDropDown : public TProCustomDropDown {
public:
    explicit TProImagePickerDropDown(TComponent* AOwner = nullptr);
    ~TProImagePickerDropDown() override;

    TImageItems* Items() const { return FItems.get(); }
    void SetItems(TImageItems* Value);
    int ItemIndex() const { return FItemIndex; }
    // Chooses an item (-1: none), repaints and fires OnChange, then
    // OnSelect; an unchanged index or one outside the items is ignored.
    void SetItemIndex(int Value);
    // The chosen item's image index; -1 when nothing is chosen.
    int GetImageIndex() const;
    // Chooses the first item with that image index, or none.
    void SetImageIndex(int Value);
    // List columns, taken when the popup opens.
    int Columns() const { return FColumns; }
    void SetColumns(int Value) { FColumns = Value; }
    TItemLayout Layout() const { return FLayout; }
    void SetLayout(TItemLayout Value) { FLayout = Value; }
    TItemAppearance* ItemAppearance() const { return FItemAppearance.get(); }
    void SetItemAppearance(TItemAppearance* Value);
    TProCustomItemSelector* ItemSelector() const { return FItemSelector; }

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    // One item per image of Images, without caption.
    void AddImagesFromImageList();
    // One item per entry of AFolder (a folder and a file mask), in name
    // order; an entry that is no picture gives an item with an empty picture.
    // With SetImageCaption a loaded picture's item is captioned with its
    // file name.
    void AddImagesFromFolder(const QString& AFolder, bool SetImageCaption);
    void AddImageFile(const QString& FileName, bool SetImageCaption);

    void SetComponentStyle(TQLXStyle AStyle) override;
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;

    TNotifyEvent OnSelect;
    // Replaces the content of list cells (Sender = the drop-down).
    TSelectorDrawItemEvent OnDrawItem;
    // Replaces the drawing of the chosen image in the edit.
    TOnDrawSelectedItem OnDrawSelectedImage;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void UpdateDropDownSize() override;
    void DoHideDropDown(bool Cancelled) override;
    void DoSelectNext() override;
    void DoSelectPrevious() override;
    void DrawFocusText() override;
    void WMKeyDown(TWMKey& Message) override;
    void WMPaint(TMessage& Message) override;

    void SelectorItemSelect(TObject* Sender);
    void SelectorDrawItem(TObject* Sender, TCanvas* ACanvas, const TRect& R, int Index);
    // The chosen picture or image, centred in the edit rectangle.
    void DrawSelectedImage();

private:
    void SyncSelector();
    bool ListOpen() const;
    void ListMove(const std::function<void()>& Move);
    void ListKey(int Key);

    std::unique_ptr<TImageItems> FItems;
    std::unique_ptr<TItemAppearance> FItemAppearance;
    TProCustomItemSelector* FItemSelector = nullptr;
    std::unique_ptr<TKeySearch> FKeySearch;
    int FItemIndex = -1;
    int FColumns = 1;
    TItemLayout FLayout = ilCaptionRight;
    int FOldItemIndex = -1;
    bool FInternalCall = false;
};
