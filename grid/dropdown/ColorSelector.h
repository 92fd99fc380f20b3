#pragma once
// The colour choosers the colour picker drop-down hosts in its popup:
// TCustomColorSelector, a grid of colour boxes (a 60-box office palette by
// default); TProColorCubePanel, a honeycomb of 127 hexagonal cells;
// TProColorSpectrumPanel, a 128 x 128 spectrum picture from which any
// pixel can be picked. They know nothing of the drop-down: a choice is
// reported through their own events and read from SelectedColor.
#include "grid/dropdown/ProDropDown.h"
#include "platform/controls/CustomControl.h"
#include "platform/rtl/Collection.h"
#include <array>

class TImage;

// What the three panels share.
class TProCustomColorSelectorPanel : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    // Fired by the cube and the spectrum on every mouse release.
    TNotifyEvent FOnShouldHide;
};

// 127 hexagonal cells numbered 1 to 127 in 13 rows.
class TProColorCubePanel : public TProCustomColorSelectorPanel {
public:
    struct TCubeCell {
        int X = 0;
        int Y = 0;
        TColor Color = clNone;
    };

    explicit TProColorCubePanel(TComponent* AOwner = nullptr);

    TColor SelectedColor() const { return FSelectedColor; }
    // The selected cell becomes the first cell of that colour, or none.
    // Note: no repaint.
    void SetSelectedColor(TColor Value);
    // Sets the hint of the hot cell ("Red: r,  Green: g,  Blue: b"); also ShowHint.
    bool ShowRGBHint() const { return FShowRGBHint; }
    void SetShowRGBHint(bool Value);
    // -1 for none.
    int SelectedCell() const { return FSelectedCell; }
    int HotCell() const { return FHotCell; }
    // Builds the cell table.
    void InitCubeCells();
    // No hot cell; 182 x 160.
    void ResetCubePanel();
    // Cell Index (1 to 127).
    const TCubeCell& Cell(int Index) const { return FCubeCells[Index - 1]; }
    // The first cell whose centre is at most the half-width (6) away; -1 when none.
    int CellAt(int X, int Y) const;

    TNotifyEvent OnSelect;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void DrawCell(int Index);
    void DrawHexagon(int Index, int A, int B);

    std::array<TCubeCell, 127> FCubeCells;
    TPoint FCubeSize{6, 3};
    TColor FSelectedColor = clNone;
    int FSelectedCell = -1;
    int FHotCell = -1;
    bool FShowRGBHint = true;
};

// A 128 x 128 spectrum: hue across, white at the top, black at the bottom;
// the swatches below show the selected and the hot colour.
class TProColorSpectrumPanel : public TProCustomColorSelectorPanel {
public:
    explicit TProColorSpectrumPanel(TComponent* AOwner = nullptr);

    // Note: stored only.
    TColor SelectedColor() const { return FSelectedColor; }
    void SetSelectedColor(TColor Value) { FSelectedColor = Value; }
    TColor HotColor() const { return FHotColor; }
    TImage* Spectrum() const { return FSpectrum; }
    TRect SelectedRect() const { return FSelectedRect; }
    TRect HotRect() const { return FHotRect; }
    // 150 x 174: the picture centred at the top, the swatches below; no
    // hot colour.
    void UpdateSpectrumLayout();

    TNotifyEvent OnSelect;

protected:
    void Paint() override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void DrawSwatch(const TRect& R, TColor Color);
    void ImageMouseMove(int X, int Y);
    void ImageMouseDown();

    TImage* FSpectrum = nullptr;
    TColor FHotColor = clNone;
    TColor FSelectedColor = clWhite;
    TRect FHotRect;
    TRect FSelectedRect;
};

enum TItemPos { ipStandAlone, ipTop, ipMiddle, ipBottom };

// One box of the discrete selector.
class TColorBoxItem : public TCollectionItem {
public:
    explicit TColorBoxItem(TCollection* Collection = nullptr);

    // Copies the colour and the enabled state; not ColorBoxPos.
    void Assign(TPersistent* Source) override;
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    // How the outline joins the boxes above and below.
    TItemPos ColorBoxPos() const { return FColorBoxPos; }
    void SetColorBoxPos(TItemPos Value) { FColorBoxPos = Value; }

    // A disabled box can be neither selected nor hot.
    bool FEnabled = true;
    // Set by ArrangeItems.
    TRect FRect;

private:
    TColor FColor = clNone;
    TItemPos FColorBoxPos = ipStandAlone;
};

class TColorBoxItems : public TOwnedCollection {
public:
    explicit TColorBoxItems(TPersistent* AOwner);

    TColorBoxItem* Add();
    TColorBoxItem* Insert(int Index);
    TColorBoxItem* Items(int Index) const;

    // A box colour changed (Sender = the collection).
    TNotifyEvent OnChange;
};

// The frame colours of plain, hot and selected boxes.
class TColorBoxAppearance : public TPersistent {
public:
    void Assign(TPersistent* Source) override;

    TColor BorderColor = 0xC5C5C5;
    TColor OuterBorderColorHot = 0x3694F2;
    TColor InnerBorderColorHot = 0x94E2FF;
    TColor OuterBorderColorSelected = 0x0000FF;
    TColor InnerBorderColorSelected = 0x94E2FF;
    // Not fired by the class itself.
    TNotifyEvent OnChange;
};

// Boxes of Columns columns; rows holding a stand-alone box are followed by
// a gap, rows of joined boxes touch.
class TCustomColorSelector : public TProCustomColorSelectorPanel {
public:
    explicit TCustomColorSelector(TComponent* AOwner = nullptr);
    ~TCustomColorSelector() override;

    int Columns() const { return FColumns; }
    void SetColumns(int Value);
    int ColumnGap() const { return FColumnGap; }
    void SetColumnGap(int Value);
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int Value);
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int Value);
    TColorBoxAppearance* ColorBoxAppearance() const { return FColorBoxAppearance.get(); }
    void SetColorBoxAppearance(TColorBoxAppearance* Value);
    TColorBoxItems* Items() const { return FItems.get(); }
    void SetItems(TColorBoxItems* Value);
    // Office, Vista and Windows 7 reset the appearance's colours; no repaint.
    TSelectionColorStyle ItemColorStyle() const { return FItemColorStyle; }
    void SetItemColorStyle(TSelectionColorStyle Value);

    int ItemIndex() const { return FItemIndex; }
    // A negative index clears the selection; a disabled box or an index
    // past the boxes is ignored. Fires OnItemSelect for a selected box.
    void SetItemIndex(int Value);
    int ItemHot() const { return FItemHot; }
    void SetItemHot(int Value);
    TColor SelectedColor() const { return FSelectedColor; }
    // Selects the first box of that colour, or none.
    void SetSelectedColor(TColor Value);

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    // The arrows, Home, End, PageUp and PageDown.
    void KeyNavigate(int Key, bool EditorEnabled, bool DroppedDown);
    // 60 boxes in six rows of ten.
    void FillDefaultPalette();
    // -1 when no box is there.
    int ItemAtPos(int X, int Y) const;
    // (-1, -1, -1, -1) for an index out of range.
    TRect GetItemRect(int Index) const;

    virtual void DrawItem(int Index, TCanvas* ACanvas);
    // The client rectangle less the offsets.
    virtual void GetItemsRect(TRect& R);
    virtual void GetItemSize(TSize& Size);
    // Places the boxes and sizes the selector to them.
    virtual void ArrangeItems();
    virtual void InvalidateItem(int Index);

    TNotifyEvent OnItemSelect;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void CMMouseLeave(TMessage& Message) override;

private:
    bool IsEnabledItem(int Index) const;

    int FItemIndex = -1;
    int FItemHot = -1;
    int FOffsetX = 4;
    int FOffsetY = 4;
    int FColumns = 10;
    int FColumnGap = 4;
    int FColorBoxHeight = 12;
    int FColorBoxWidth = 12;
    std::unique_ptr<TColorBoxAppearance> FColorBoxAppearance;
    std::unique_ptr<TColorBoxItems> FItems;
    TSelectionColorStyle FItemColorStyle = scOffice2007;
    TColor FSelectedColor = clNone;
};
