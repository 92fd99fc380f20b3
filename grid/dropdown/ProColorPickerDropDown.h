#pragma once
// TProColorPickerDropDown: a read-only edit that paints a swatch and a
// text of the selected colour; its popup hosts one of four choosers by
// ColorSelectionStyle: the named Colors in an item selector (csList), the
// 60-box palette (csDiscrete), the colour cube (csColorCube) or the
// spectrum (csSpectrum).
//
// A click in a chooser selects and closes; keys in the open list or
// palette select without closing; letters look the names up for 500 ms
// from the first. A cancelled close restores the entry (csList) or the
// palette colour (csDiscrete) of the opening.
#include "grid/dropdown/ColorSelector.h"
#include "grid/dropdown/DropDownCompletion.h"
#include "grid/dropdown/ProDetailDropDown.h"
#include "grid/dropdown/ProItemSelector.h"


enum TColorSelectionStyle { csList, csDiscrete, csColorCube, csSpectrum };
// The text of a colour that is no entry of the list.
enum TColorValueText { cvtNone, cvtHex, cvtWebName, cvtRGB, cvtHTML };

class TColorItem : public TCollectionItem {
public:
    explicit TColorItem(TCollection* Collection = nullptr);

    // Copies caption, colour, enabled state and hint.
    void Assign(TPersistent* Source) override;
    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    const QString& Hint() const { return FHint; }
    void SetHint(const QString& Value) { FHint = Value; }

    bool FEnabled = true;

private:
    void ItemChanged();

    QString FCaption;
    TColor FColor = clNone;
    QString FHint;
};

class TColorItems : public TOwnedCollection {
public:
    explicit TColorItems(TPersistent* AOwner);

    TColorItem* Add();
    TColorItem* Insert(int Index);
    TColorItem* Items(int Index) const;

    // A caption or colour changed (Sender = the collection).
    TNotifyEvent OnChange;
};

// The web (CSS) name of an RGB colour ("clWebRed"), or "#RRGGBB" when it
// has none.
QString WebColorName(TColor RGBColor);

class TProColorPickerDropDown : public TProCustomDropDown {
public:
    explicit TProColorPickerDropDown(TComponent* AOwner = nullptr);
    ~TProColorPickerDropDown() override;

    // Appends the 16 classic colours, black to white.
    void AddDefaultColors();

    TColorSelectionStyle ColorSelectionStyle() const { return FColorSelectionStyle; }
    // Switches the hosted chooser at once.
    void SetColorSelectionStyle(TColorSelectionStyle Value);
    TColorItems* Colors() const { return FColors.get(); }
    void SetColors(TColorItems* Value);
    int ItemIndex() const { return FItemIndex; }
    // An index past Colors is ignored; any other is stored (a negative one
    // selects no entry), takes the entry's colour, repaints and fires
    // OnSelect, also when unchanged.
    void SetItemIndex(int Value);
    TColor SelectedColor() const { return FSelectedColor; }
    // A new colour selects the first entry of that colour (firing
    // OnSelect); without one ItemIndex stays.
    void SetSelectedColor(TColor Value);
    // The entry's caption in csList, else by ColorValueText.
    virtual QString GetSelectedColorText() const;
    QString SelectedColorText() const { return GetSelectedColorText(); }
    TColorValueText ColorValueText() const { return FColorValueText; }
    void SetColorValueText(TColorValueText Value) { FColorValueText = Value; }
    bool ShowText() const { return FShowText; }
    void SetShowText(bool Value);
    // Applied to the list at the next opening.
    int Columns() const { return FColumns; }
    void SetColumns(int Value) { FColumns = Value; }
    TItemLayout Layout() const { return FLayout; }
    void SetLayout(TItemLayout Value) { FLayout = Value; }
    // The swatch in the edit and the boxes of the list.
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int Value) { FColorBoxWidth = Value; }
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int Value) { FColorBoxHeight = Value; }
    TItemAppearance* ItemAppearance() const { return FItemAppearance.get(); }
    void SetItemAppearance(TItemAppearance* Value);

    // The hosted choosers; each nullptr until first needed.
    TProCustomItemSelector* ItemSelector() const { return FItemSelector; }
    TCustomColorSelector* ColorSelector() const { return FColorSelector; }
    TProColorCubePanel* ColorCube() const { return FColorCube; }
    TProColorSpectrumPanel* ColorSpectrum() const { return FColorSpectrum; }

    void SetComponentStyle(TQLXStyle AStyle) override;
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;

    TNotifyEvent OnSelect;
    // Replaces the swatch and text in the edit.
    TOnDrawSelectedItem OnDrawSelectedColor;
    // Replaces the content of list cells (Sender = the drop-down).
    TSelectorDrawItemEvent OnDrawColor;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void PlaceDropDownControl() override;
    void UpdateDropDownSize() override;
    void DoHideDropDown(bool Cancelled) override;
    void DropDownFormDestroyed() override;
    void DoSelectNext() override;
    void DoSelectPrevious() override;
    void DrawFocusText() override;
    void WMKeyDown(TWMKey& Message) override;
    void WMPaint(TMessage& Message) override;

    // The swatch and text of the selected colour.
    void DrawSelectedColor();

private:
    void PrepareStyle(TColorSelectionStyle Style);
    TControl* StyleControl(TColorSelectionStyle Style) const;
    void ShowOnly(TControl* Control);
    void FillSelector();
    void HookDrawColor();
    // Hands the selected colour to the chooser of a style other than csList.
    void LoadChooser();
    void ListMove(const std::function<void()>& Move);
    void ListKey(int Key);
    void StepEntry(TListStep Step);
    void ListSelect();
    void PaletteSelect();
    void PanelSelect(TColor Color);

    TProCustomItemSelector* FItemSelector = nullptr;
    TProColorCubePanel* FColorCube = nullptr;
    TProColorSpectrumPanel* FColorSpectrum = nullptr;
    TCustomColorSelector* FColorSelector = nullptr;
    int FColumns = 1;
    TItemLayout FLayout = ilCaptionRight;
    std::unique_ptr<TColorItems> FColors;
    int FItemIndex = -1;
    int FColorBoxWidth = 14;
    int FColorBoxHeight = 14;
    TColorSelectionStyle FColorSelectionStyle = csList;
    TColor FSelectedColor = clNone;
    bool FShowText = true;
    std::unique_ptr<TItemAppearance> FItemAppearance;
    bool FInternalCall = false;
    std::unique_ptr<TKeySearch> FKeySearch;
    int FOldItemIndex = -1;
    TColor FOldSelectedColor = clNone;
    TColorValueText FColorValueText = cvtNone;
};
