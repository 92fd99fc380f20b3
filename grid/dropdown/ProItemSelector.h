#pragma once
// The item selector: the list the detail, image picker and colour picker
// drop-downs show in their popups. TProCustomItemSelector is a scrolling
// host that owns the items and settings; its one TCustomItemSelector
// panel is exactly as large as its cells need and scrolls inside it. The
// cells stand in a grid of Columns columns, each with an image (or a
// colour box) and a mini-markup caption; a hot (hovered) and a selected
// cell are painted with the TItemAppearance colours.
//
// Files: ProItemSelector.cpp (items, appearance, host, selection, mouse),
// ProItemSelectorPaint.cpp (cell size, layout, painting).
#include "grid/dropdown/ItemLayout.h"
#include "grid/dropdown/ProDropDown.h"
#include "platform/controls/ScrollingWinControl.h"
#include "platform/rtl/Collection.h"

class TPicture;
class TProCustomItemSelector;

enum TSelectorType { stImage, stColor };

// Replaces the content of a cell (R in panel coordinates).
using TSelectorDrawItemEvent = std::function<void(TObject* Sender, TCanvas* Canvas, const TRect& R, int Index)>;
// Replaces the measured cell size.
using TItemSizeEvent = std::function<void(TObject* Sender, TSize& ASize)>;

class TSelectorItem : public TCollectionItem {
public:
    explicit TSelectorItem(TCollection* Collection = nullptr);
    ~TSelectorItem() override;

    // Copies caption, colour and image index (through the setters), the
    // picture, the enabled state and the hint.
    void Assign(TPersistent* Source) override;

    // Mini-markup.
    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    // Shown instead of ImageIndex when not empty.
    TPicture* Image() const { return FImage.get(); }
    // Note: fires no OnChange.
    void SetImage(TPicture* Value);
    // The colour box of colour selectors.
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    // The panel's hint while the item is hot.
    const QString& Hint() const { return FHint; }
    void SetHint(const QString& Value) { FHint = Value; }

    // A disabled item can be neither hot nor selected.
    bool FEnabled = true;
    // The item's cell in panel coordinates (ArrangeItems).
    TRect FRect;

private:
    void ItemChanged();

    QString FCaption;
    int FImageIndex = -1;
    std::unique_ptr<TPicture> FImage;
    TColor FColor = clNone;
    QString FHint;
};

// Note: adding, inserting or deleting items fires no OnChange; the owner
// re-lays out explicitly.
class TSelectorItems : public TOwnedCollection {
public:
    explicit TSelectorItems(TPersistent* AOwner);

    TSelectorItem* Add();
    TSelectorItem* Insert(int Index);
    TSelectorItem* Items(int Index) const;
    void SetItem(int Index, TSelectorItem* Value) { SetItems(Index, Value); }

    // A caption, colour or image index changed (Sender = the collection).
    TNotifyEvent OnChange;
};

// The colours of hot and selected cells, with presets for the selection
// colour styles.
class TItemAppearance : public TPersistent {
public:
    explicit TItemAppearance(TPersistent* AOwner = nullptr);
    ~TItemAppearance() override;

    // Copies the twelve cell colours and the font, then the colour style
    // (a different style replaces the copied colours with its preset), then
    // the selected text and the hot and selected borders; not the hot text.
    void Assign(TPersistent* Source) override;
    TPersistent* GetOwner() const override { return FOwner; }

    TSelectionColorStyle ColorStyle() const { return FColorStyle; }
    // Applies the preset of Value when it differs; scCustom keeps the colours.
    void SetColorStyle(TSelectionColorStyle Value);

    // Hot cell fill; ColorHotTo clNone: solid.
    TColor ColorHot() const { return FColorHot; }
    void SetColorHot(TColor Value) { FColorHot = Value; }
    TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(TColor Value) { FColorHotTo = Value; }
    // Lower half of a hot cell (rounded painter); clNone: one gradient.
    TColor ColorMirrorHot() const { return FColorMirrorHot; }
    void SetColorMirrorHot(TColor Value) { FColorMirrorHot = Value; }
    TColor ColorMirrorHotTo() const { return FColorMirrorHotTo; }
    void SetColorMirrorHotTo(TColor Value) { FColorMirrorHotTo = Value; }
    // The same for the selected cell.
    TColor ColorSelected() const { return FColorSelected; }
    void SetColorSelected(TColor Value) { FColorSelected = Value; }
    TColor ColorSelectedTo() const { return FColorSelectedTo; }
    void SetColorSelectedTo(TColor Value) { FColorSelectedTo = Value; }
    TColor ColorMirrorSelected() const { return FColorMirrorSelected; }
    void SetColorMirrorSelected(TColor Value) { FColorMirrorSelected = Value; }
    TColor ColorMirrorSelectedTo() const { return FColorMirrorSelectedTo; }
    void SetColorMirrorSelectedTo(TColor Value) { FColorMirrorSelectedTo = Value; }
    // Frame of hot and selected cells.
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { FBorderColor = Value; }
    // Inner lines and corner pixels of the rounded painter; BorderColorTop
    // clNone selects the plain painter.
    TColor BorderColorTop() const { return FBorderColorTop; }
    void SetBorderColorTop(TColor Value) { FBorderColorTop = Value; }
    TColor BorderColorBottom() const { return FBorderColorBottom; }
    void SetBorderColorBottom(TColor Value) { FBorderColorBottom = Value; }
    TColor EdgeColor() const { return FEdgeColor; }
    void SetEdgeColor(TColor Value) { FEdgeColor = Value; }
    // Not clNone: the frame of hot (selected) cells, plain painter.
    TColor BorderColorHot() const { return FBorderColorHot; }
    void SetBorderColorHot(TColor Value) { FBorderColorHot = Value; }
    TColor BorderColorSelected() const { return FBorderColorSelected; }
    void SetBorderColorSelected(TColor Value) { FBorderColorSelected = Value; }
    // Caption colours.
    TColor ColorHotText() const { return FColorHotText; }
    void SetColorHotText(TColor Value) { FColorHotText = Value; }
    TColor ColorSelectedText() const { return FColorSelectedText; }
    void SetColorSelectedText(TColor Value) { FColorSelectedText = Value; }

    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value);

private:
    TPersistent* FOwner;
    TSelectionColorStyle FColorStyle = scCustom;
    TColor FColorHot = clNone;
    TColor FColorHotTo = clNone;
    TColor FColorMirrorHot = clNone;
    TColor FColorMirrorHotTo = clNone;
    TColor FColorSelected = clNone;
    TColor FColorSelectedTo = clNone;
    TColor FColorMirrorSelected = clNone;
    TColor FColorMirrorSelectedTo = clNone;
    TColor FBorderColor = clNone;
    TColor FBorderColorTop = clNone;
    TColor FBorderColorBottom = clNone;
    TColor FEdgeColor = clNone;
    TColor FBorderColorHot = clNone;
    TColor FBorderColorSelected = clNone;
    TColor FColorHotText = 0;
    TColor FColorSelectedText = 0;
    std::unique_ptr<TFont> FFont;
};

// The panel: as large as its cells, inside the host. It must be created
// with its host as owner; any other owner raises "Invalid parent".
class TCustomItemSelector : public TCustomControl {
public:
    explicit TCustomItemSelector(TComponent* AOwner);

    TProCustomItemSelector* ProItemSelector() const { return FProItemSelector; }
    // The host's settings.
    int Columns() const;
    TSelectorItems* Items() const;
    TSelectorType SelectorType() const;
    TItemLayout ItemLayout() const;
    TCustomImageList* Images() const;
    int ColorBoxWidth() const;
    int ColorBoxHeight() const;
    TSelectionColorStyle ItemColorStyle() const;
    TColor ItemColorHot() const;
    TColor ItemColorHotTo() const;
    TColor ItemColorSelected() const;
    TColor ItemColorSelectedTo() const;

    int ItemIndex() const { return FItemIndex; }
    // A disabled item and an index past the items are ignored; fires
    // OnItemSelect for every index of 0 or more, also when unchanged.
    void SetItemIndex(int Value);
    int ItemHot() const { return FItemHot; }
    void SetItemHot(int Index);

    void SelectFirst();
    void SelectLast();
    // Item 0 when none is selected; stops at a disabled item.
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    // Selects the first item whose plain caption, trimmed and upper-cased,
    // starts with S (passed upper-case); true when one does, even when it is
    // disabled and the selection therefore stays.
    bool LookupItem(const QString& S);
    // -1 when no cell is there.
    int ItemAtPos(int X, int Y) const;
    // (-1, -1, -1, -1) for an index out of range.
    TRect GetItemRect(int Index) const;
    void DrawItems(TCanvas* ACanvas);

    virtual void DrawItem(int Index, TCanvas* ACanvas);
    // The client rectangle inset by the margins.
    virtual void GetItemsRect(TRect& R);
    virtual void GetItemSize(TSize& ASize);
    virtual void InvalidateItem(int Index);
    // Places the cells and sizes the panel to them.
    virtual void ArrangeItems();

    TNotifyEvent OnItemSelect;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void CMMouseLeave(TMessage& Message) override;

    int FItemIndex = -1;
    int FItemHot = -1;
    // Margin between the panel edge and the cells.
    int FOffSetX = 2;
    int FOffSetY = 2;
    // Inner spacing of a cell.
    int FItemOffSetX = 4;
    int FItemOffSetY = 4;
    // Between image (or box) and caption.
    int FCaptionGap = 4;
    TProCustomItemSelector* FProItemSelector = nullptr;

private:
    TItemAppearance* Appearance() const;
    bool IsEnabledItem(int Index) const;
    // A caption drawn centred vertically in T (ItemLayout left and right).
    void DrawCaptionCentred(TCanvas* ACanvas, const QString& Caption, TRect T, TPoint& Size);
    void DrawContent(TCanvas* ACanvas, TSelectorItem* Item, TPoint P, const TRect& Area, bool CentreVert);
};

// The host: owns the items, the appearance and the panel; the panel
// scrolls inside it.
class TProCustomItemSelector : public TScrollingWinControl {
public:
    explicit TProCustomItemSelector(TComponent* AOwner = nullptr);
    ~TProCustomItemSelector() override;

    TCustomItemSelector* Panel() const { return FSelectorPanel; }
    TSelectorItems* Items() const { return FItems.get(); }
    void SetItems(TSelectorItems* Value);
    TSelectorType SelectorType() const { return FSelectorType; }
    void SetSelectorType(TSelectorType Value);
    // Note: stored only; shows at the next layout and paint.
    TItemLayout ItemLayout() const { return FItemLayout; }
    void SetItemLayout(TItemLayout Value) { FItemLayout = Value; }
    // Cells per row; values below 1 are ignored.
    int Columns() const { return FColumns; }
    void SetColumns(int Value);
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int Value);
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int Value);
    // A reference; cleared when the list is freed.
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    TItemAppearance* ItemAppearance() const { return FItemAppearance.get(); }
    void SetItemAppearance(TItemAppearance* Value);
    // -1 without a panel.
    int ItemIndex() const;
    // Selects through the panel, then scrolls the item into view.
    void SetItemIndex(int Value);
    int ItemHot() const;

    void UpdateSelectorPanel();
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    bool LookupItem(const QString& S);
    // Only with a vertical bar; the cell with the bar's Margin above and below.
    void ScrollItemInView(int Index);
    // Whole rows in the host's height, times Columns; 0 without items or
    // with cells of no height.
    int GetVisibleItemCount() const;
    // The panel's size; 100 x 50 without a panel.
    TSize GetSelectorSize() const;

    TNotifyEvent OnItemSelect;
    TSelectorDrawItemEvent OnDrawItem;
    TItemSizeEvent OnItemSize;

protected:
    virtual void CreateSelectorPanel();
    // The panel's OnItemSelect: fires OnItemSelect with the host as Sender.
    void DoItemSelect(TObject* Sender);
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WMGetDlgCode(TMessage& Message) override;
    // The thumb moves the panel while it is dragged.
    void WMVScroll(TMessage& Message) override;

private:
    TCustomItemSelector* FSelectorPanel = nullptr;
    std::unique_ptr<TSelectorItems> FItems;
    std::unique_ptr<TItemAppearance> FItemAppearance;
    TSelectorType FSelectorType = stImage;
    TItemLayout FItemLayout = ilCaptionRight;
    int FColumns = 1;
    int FColorBoxWidth = 14;
    int FColorBoxHeight = 14;
    TCustomImageList* FImages = nullptr;
};

// Writes the item colours of a visual style into Appearance (nothing for
// tsCustom or nullptr); the colour style stays.
void ApplyItemAppearanceStyle(TItemAppearance* Appearance, TQLXStyle AStyle);
