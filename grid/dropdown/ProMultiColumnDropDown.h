#pragma once
// TProMultiColumnDropDown: a drop-down edit whose popup shows a table, one
// row per item and one column per defined column under a header row. The
// LookupColumn links rows and text: choosing a row writes its lookup text
// into the edit, typing in the edit completes against the lookup texts,
// and characters typed in the open table look its rows up.
//
// The table is TProColGrid, a string grid that holds no texts of its own
// and draws every cell from the drop-down's columns and items.
//
// Files: ProMultiColumnDropDown.cpp (columns, items, the drop-down),
// ProMultiColumnGrid.cpp (the table).
#include "grid/dropdown/DropDownCompletion.h"
#include "grid/dropdown/ProDropDown.h"
#include "platform/controls/StringGrid.h"
#include "platform/rtl/Collection.h"
#include "platform/rtl/StringList.h"

class TProMultiColumnDropDown;

// The column and item types of this drop-down; the grid drop-down has
// types of the same names of its own.
namespace ProMultiColumnDropDownUnit {

enum TColumnType { ctText, ctImage };

// Replaces the drawing of a table cell (Sender = the drop-down).
using TDrawCellEvent =
    std::function<void(TObject* Sender, int Column, int Row, TCanvas* ACanvas, const TRect& ARect)>;
// Changes the text of a table cell before it is drawn.
using TGetCellTextEvent = std::function<void(TObject* Sender, int Column, int Row, QString& Text)>;
// Declared; never fired.
using TGetCellPropEvent =
    std::function<void(TObject* Sender, int Column, int Row, TFont* Font, TColor& AColor, TColor& AColorTo)>;

class TDropDownColumn : public TCollectionItem {
public:
    explicit TDropDownColumn(TCollection* Collection = nullptr);
    ~TDropDownColumn() override;

    // Copies all nine settings.
    void Assign(TPersistent* Source) override;

    const QString& Header() const { return FHeader; }
    void SetHeader(const QString& Value) { FHeader = Value; }
    // Overwritten by automatic sizing.
    int Width() const { return FWidth; }
    void SetWidth(int Value) { FWidth = Value; }
    // The width follows the widest cell when the popup opens.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value) { FAutoSize = Value; }
    // Cells wrap and rows grow to fit.
    bool Wordwrap() const { return FWordwrap; }
    void SetWordwrap(bool Value) { FWordwrap = Value; }
    bool Ellipsis() const { return FEllipsis; }
    void SetEllipsis(bool Value) { FEllipsis = Value; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value) { FAlignment = Value; }
    // Background of the data cells.
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value);
    // ctImage: the row's ImageIndex image shows in this column.
    TColumnType ColumnType() const { return FColumnType; }
    void SetColumnType(TColumnType Value) { FColumnType = Value; }

private:
    QString FHeader;
    int FWidth = 80;
    bool FAutoSize = false;
    bool FWordwrap = false;
    bool FEllipsis = false;
    TAlignment FAlignment = taLeftJustify;
    TColor FColor = 0xFFFFFF;
    std::unique_ptr<TFont> FFont;
    TColumnType FColumnType = ctText;
};

class TDropDownColumns : public TOwnedCollection {
public:
    explicit TDropDownColumns(TPersistent* AOwner);

    TDropDownColumn* Add();
    TDropDownColumn* Insert(int Index);
    TDropDownColumn* Items(int Index) const;

    TNotifyEvent OnChange;
};

class TDropDownItem : public TCollectionItem {
public:
    explicit TDropDownItem(TCollection* Collection = nullptr);
    ~TDropDownItem() override;

    // Copies the image index and the texts.
    void Assign(TPersistent* Source) override;

    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    // Element i is the text of column i.
    TStringList* Text() const { return FText.get(); }
    // The text of Column; empty when the item has fewer texts.
    QString ColumnText(int Column) const;
    bool HasText(int Column) const { return Column >= 0 && Column < FText->Count(); }

private:
    int FImageIndex = -1;
    std::unique_ptr<TStringList> FText;
};

class TDropDownItems : public TOwnedCollection {
public:
    explicit TDropDownItems(TPersistent* AOwner);

    TDropDownItem* Add();
    TDropDownItem* Insert(int Index);
    TDropDownItem* Items(int Index) const;
    // The first item with a text for Column equal to Value (case-sensitive);
    // items with fewer texts are skipped; -1 when none.
    int IndexInColumn(int Column, const QString& Value) const;

    TNotifyEvent OnChange;
};

// The table of the popup: a string grid without texts of its own that
// draws its cells from the drop-down's columns and items.
class TProColGrid : public TStringGrid {
public:
    explicit TProColGrid(TComponent* AOwner = nullptr);
    ~TProColGrid() override;

    // Binds D and takes its columns, rows, colours, fonts and sizes.
    void LoadFromDropDown(TProMultiColumnDropDown* D);
    // Border, columns and, unless every row shows, a vertical bar.
    int GetNeededWidth() const;
    void AutoSizeColumns();
    void AutoSizeColumn(int Index);
    // Word-wrapping columns make their rows as high as their texts.
    void AutoRowHeights();
    // The cell rectangle with the column's width and the row's height.
    TRect GetCellRect(int ACol, int ARow) const;

    TProMultiColumnDropDown* ProDropDown() const { return FProDropDown; }
    void SetProDropDown(TProMultiColumnDropDown* Value) { FProDropDown = Value; }
    TDropDownColumns* Columns() const { return FColumns.get(); }
    void SetColumns(TDropDownColumns* Value);
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
    TFont* HeaderFont() const { return FHeaderFont.get(); }
    void SetHeaderFont(TFont* Value);
    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int Value) { FHeaderHeight = Value; }
    TColor LineColor() const { return FLineColor; }
    void SetLineColor(TColor Value) { FLineColor = Value; }
    TColor FixedLineColor() const { return FFixedLineColor; }
    void SetFixedLineColor(TColor Value) { FFixedLineColor = Value; }
    // The width of the lines the table draws; the grid's own stay 0.
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int Value);
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    // The current row was reached by a key or a click (not by the wheel).
    bool ConfirmSelection() const { return FConfirmSelection; }
    // Set during a wheel step.
    bool MouseWheelSelection() const { return FMouseWheelSelection; }

    // Enter or a click on a data row.
    TNotifyEvent OnSelect;

protected:
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    virtual void DoSelect();
    void KeyDown(int& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void WMKeyDown(TWMKey& Message) override;
    void WMGetDlgCode(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    bool OnPopupForm() const;
    void DrawCellLines(const TRect& R, bool Header);

    TProMultiColumnDropDown* FProDropDown = nullptr;
    std::unique_ptr<TDropDownColumns> FColumns;
    TColor FHeaderColor = 0xFFFFFF;
    TColor FHeaderColorTo = 0x808080;
    std::unique_ptr<TFont> FHeaderFont;
    int FHeaderHeight = 25;
    TColor FLineColor = 0x808080;
    TColor FFixedLineColor = 0;
    int FGridLineWidth = 1;
    TCustomImageList* FImages = nullptr;
    bool FConfirmSelection = false;
    bool FMouseWheelSelection = false;
    int FOldRow = 0;
};

} // namespace ProMultiColumnDropDownUnit

class TProMultiColumnDropDown : public TProCustomDropDown {
public:
    using TDropDownColumns = ProMultiColumnDropDownUnit::TDropDownColumns;
    using TDropDownItems = ProMultiColumnDropDownUnit::TDropDownItems;
    using TProColGrid = ProMultiColumnDropDownUnit::TProColGrid;
    using TDrawCellEvent = ProMultiColumnDropDownUnit::TDrawCellEvent;
    using TGetCellTextEvent = ProMultiColumnDropDownUnit::TGetCellTextEvent;
    using TGetCellPropEvent = ProMultiColumnDropDownUnit::TGetCellPropEvent;

    explicit TProMultiColumnDropDown(TComponent* AOwner = nullptr);
    ~TProMultiColumnDropDown() override;

    // Besides the base settings the table's settings, columns, items and
    // the stored ItemIndex (the text stays).
    void Assign(TPersistent* Source) override;

    TDropDownColumns* Columns() const { return FColumns.get(); }
    void SetColumns(TDropDownColumns* Value);
    TDropDownItems* Items() const { return FItems.get(); }
    void SetItems(TDropDownItems* Value);
    int ItemIndex() const { return FItemIndex; }
    // Writes the item's lookup text into the edit (empty for a negative
    // index or a missing text); an index past the items is ignored.
    void SetItemIndex(int Value);
    // The first item whose lookup text equals Value (case-sensitive); -1 when none.
    int GetItemIndex(const QString& Value) const;
    // Negative: no lookup and no completion.
    int LookupColumn() const { return FLookupColumn; }
    void SetLookupColumn(int Value) { FLookupColumn = Value; }
    // The case rule of the typed lookup inside the open table.
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
    // Header cells: a vertical gradient, solid HeaderColor when either is clNone.
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int Value) { FHeaderHeight = Value; }
    TFont* HeaderFont() const { return FHeaderFont.get(); }
    void SetHeaderFont(TFont* Value);
    TColor LineColor() const { return FLineColor; }
    void SetLineColor(TColor Value) { FLineColor = Value; }
    TColor FixedLineColor() const { return FFixedLineColor; }
    void SetFixedLineColor(TColor Value) { FFixedLineColor = Value; }
    TColor SelectionTextColor() const { return FSelectionTextColor; }
    void SetSelectionTextColor(TColor Value) { FSelectionTextColor = Value; }
    int DropDownRowHeight() const { return FDropDownRowHeight; }
    void SetDropDownRowHeight(int Value) { FDropDownRowHeight = Value; }
    // The popup is as wide as the columns.
    bool DropDownAutoWidth() const { return FDropDownAutoWidth; }
    void SetDropDownAutoWidth(bool Value) { FDropDownAutoWidth = Value; }
    // Column widths scale to the popup width when it opens or is sized.
    bool ColumnSizeWithDropDown() const { return FColumnSizeWithDropDown; }
    void SetColumnSizeWithDropDown(bool Value) { FColumnSizeWithDropDown = Value; }
    // The user may size the table's columns.
    bool ColumnSizing() const { return FColumnSizing; }
    void SetColumnSizing(bool Value) { FColumnSizing = Value; }
    // The case rule of the edit's completion.
    bool MatchCase() const { return FMatchCase; }
    void SetMatchCase(bool Value) { FMatchCase = Value; }
    // Note: stored only.
    bool MatchStart() const { return FMatchStart; }
    void SetMatchStart(bool Value) { FMatchStart = Value; }
    int RowCount() const;
    TProColGrid* Grid() const { return FGrid; }

    // Does nothing; EndUpdate rebuilds the lookup list from the items.
    void BeginUpdate() {}
    void EndUpdate() { BuildLookupList(); }
    // The lookup texts the completion uses.
    TStringList* LookupList() const { return FLookupList.get(); }

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    // Ten rows on, at most to the last.
    void SelectPageDown();
    void SelectPageUp();

    void SetComponentStyle(TQLXStyle AStyle) override;
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;

    TNotifyEvent OnSelect;
    TDrawCellEvent OnDropDownDrawItem;
    TGetCellTextEvent OnDropDownGetItemText;
    TGetCellPropEvent OnDropDownGetItemProp;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void AdjustDropDownHeight(int& Height) override;
    void DoShowDropDown() override;
    void PlaceDropDownControl() override;
    void UpdateDropDownSize() override;
    void DoHideDropDown(bool Cancelled) override;
    void ControlKeyDown(int& Key, TShiftState Shift) override;
    void ControlKeyUp(int& Key, TShiftState Shift) override;
    void ControlKeyPress(QChar& Key) override;
    void DropDownSizing() override;
    void DoSelectNext() override;
    void DoSelectPrevious() override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void DropDownFormDestroyed() override;
    void Change() override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void KeyUp(int& Key, TShiftState Shift) override;
    void WMKeyDown(TWMKey& Message) override;

    void BuildLookupList();
    // Column widths scaled to the popup's width.
    void SizeColumnsToDropDown();
    void GridSelectCell(TObject* Sender, int ACol, int ARow, bool& CanSelect);
    void GridSelect(TObject* Sender);
    void GridKeyDown(TObject* Sender, int& Key, TShiftState Shift);
    // The first item whose lookup text starts with S (case by
    // CaseSensitive); -1 when none or when S is empty.
    int FindLookup(const QString& S) const;
    // One typed character of the open table; true when it found a row.
    bool LookupKey(QChar Key);

private:
    // The table paints its header with the drop-down's gradient.
    friend class ProMultiColumnDropDownUnit::TProColGrid;
    // Enter on a text of the lookup list: the entry's exact form, its item.
    void AcceptTypedEntry();
    void ShowLookupRow(int Index);

    std::unique_ptr<TDropDownColumns> FColumns;
    std::unique_ptr<TDropDownItems> FItems;
    std::unique_ptr<TFont> FHeaderFont;
    std::unique_ptr<TStringList> FLookupList;
    TProColGrid* FGrid = nullptr;
    int FItemIndex = -1;
    int FLookupColumn = 0;
    bool FCaseSensitive = false;
    TColor FHeaderColor = 0xFFFFFF;
    TColor FHeaderColorTo = 0x808080;
    int FHeaderHeight = 25;
    TColor FLineColor = 0xF1EDEB;
    TColor FFixedLineColor = 0xD1BBA4;
    TColor FSelectionTextColor = 0;
    int FDropDownRowHeight = 22;
    bool FDropDownAutoWidth = true;
    bool FColumnSizeWithDropDown = true;
    bool FColumnSizing = false;
    bool FMatchCase = false;
    bool FMatchStart = true;
    bool FWorkMode = true;
    QString FLookupEntry;
    TCompletion FCompletion;
    int FOldItemIndex = -1;
    bool FShowing = false;
};
