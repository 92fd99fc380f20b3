#pragma once
// TCustomProGridDropDown: a drop-down edit whose popup hosts a whole string
// grid (TProColGrid, ProCustomGridDropDownGrid.h). One column, LookupColumn,
// gives the edit its text and is the column typed text is looked up in.
// The rows come from Items and Columns (UseItems, the default) or from
// the popup grid itself, filled by the owner through GetGrid.
//
// ItemIndex, the text and the grid's current row follow each other: a row
// chosen in the popup sets ItemIndex and the text; typing looks a row up
// (lmLookup), narrows the grid to the matching rows with the grid's filter
// (lmNarrowDown) or neither (lmNone), and the edit completes the typed text
// from the lookup list. The popup grid's events are offered again as
// OnGrid... events of the drop-down.
//
// It lives with the string grid because its popup is one: the files are
// ProCustomGridDropDown.cpp (columns, items, properties, styles),
// ProCustomGridDropDownPopup.cpp (opening, closing, choosing, sorting),
// ProCustomGridDropDownKeys.cpp (lookup, completion, keys),
// ProCustomGridDropDownEvents.cpp (the forwarded grid events) and
// ProCustomGridDropDownGrid.cpp (the popup grid).
#include "grid/core/ProStringGridEvents.h"
#include "grid/dropdown/ProDropDown.h"
#include "grid/foundation/GridEvents.h"
#include "platform/rtl/Collection.h"
#include "platform/rtl/StringList.h"

class TBands;
class TMouseActions;
class TNavigation;
class TProStringGrid;
class TSearchFooter;
class TCustomProGridDropDown;

// The column and item types of the grid drop-down; the multi-column
// drop-down has types of the same names of its own.
namespace ProCustomGridDropDownUnit {

enum TColumnType { ctText, ctImage };
// How typing in the edit acts on the rows.
enum TLookupMethod { lmLookup, lmNarrowDown, lmNone };
// dsDropDownList: nothing is typed freely.
enum TDropDownStyle { dsDropDown, dsDropDownList };
// The sort indicators of the popup grid.
enum TGridSorting { gsNone, gsSingleColumn, gsMultiColumn };

class TProColGrid;

class TDropDownColumn : public TCollectionItem {
public:
    explicit TDropDownColumn(TCollection* Collection = nullptr);
    ~TDropDownColumn() override;

    // Copies all nine settings (the font by copy).
    void Assign(TPersistent* Source) override;

    // Pixels; also the weight when the columns scale to the popup.
    int Width() const { return FWidth; }
    void SetWidth(int Value) { FWidth = Value; }
    // Background of the column's cells.
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value) { FAlignment = Value; }
    // Note: stored only.
    bool Ellipsis() const { return FEllipsis; }
    void SetEllipsis(bool Value) { FEllipsis = Value; }
    // Measures the column's texts when it is sized.
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value);
    // ctImage: the item's image counts when the column is sized.
    TColumnType ColumnType() const { return FColumnType; }
    void SetColumnType(TColumnType Value) { FColumnType = Value; }
    const QString& Header() const { return FHeader; }
    void SetHeader(const QString& Value) { FHeader = Value; }
    // The texts wrap and the rows grow to fit.
    bool Wordwrap() const { return FWordwrap; }
    void SetWordwrap(bool Value) { FWordwrap = Value; }
    // In items mode the column takes its widest text at each opening.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value) { FAutoSize = Value; }

private:
    int FWidth = 80;
    TColor FColor = 0xFFFFFF;
    TAlignment FAlignment = taLeftJustify;
    bool FEllipsis = false;
    std::unique_ptr<TFont> FFont;
    TColumnType FColumnType = ctText;
    QString FHeader;
    bool FWordwrap = false;
    bool FAutoSize = false;
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
    // String i is the text of column i.
    TStringList* Text() const { return FText.get(); }
    void SetText(TStringList* Value);
    // The text of Column; empty when the item has fewer strings.
    QString ColumnText(int Column) const;

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
    // The class of the items Add and Insert make; a descendant collection
    // hands its own to the constructor.
    virtual TCollectionItem* GetItemClass(TCollection* Collection) const;

    TNotifyEvent OnChange;

protected:
    TDropDownItems(TPersistent* AOwner, TCollectionItemFactory ItemClass);
};

} // namespace ProCustomGridDropDownUnit

class TCustomProGridDropDown : public TProCustomDropDown {
public:
    using TColumnType = ProCustomGridDropDownUnit::TColumnType;
    using TLookupMethod = ProCustomGridDropDownUnit::TLookupMethod;
    using TDropDownStyle = ProCustomGridDropDownUnit::TDropDownStyle;
    using TGridSorting = ProCustomGridDropDownUnit::TGridSorting;
    using TDropDownColumns = ProCustomGridDropDownUnit::TDropDownColumns;
    using TDropDownItems = ProCustomGridDropDownUnit::TDropDownItems;
    using TProColGrid = ProCustomGridDropDownUnit::TProColGrid;

    explicit TCustomProGridDropDown(TComponent* AOwner = nullptr);
    ~TCustomProGridDropDown() override;

    // The popup grid, from construction on; the owner fills it in grid mode.
    TProColGrid* GetGrid() const { return FProColGrid; }
    // Does nothing; EndUpdate rebuilds the lookup list from the items.
    void BeginUpdate() {}
    void EndUpdate() { BuildLookupList(); }
    // The first row whose lookup text starts with Value (case by
    // CaseSensitive): in items mode the item index, in grid mode the grid
    // row. False, Row -1 and FullText empty when none does or Value is empty.
    bool LookupRow(const QString& Value, QString& FullText, int& Row) const;
    // One entry per item: its lookup text. Rebuilt by EndUpdate and Loaded.
    TStringList* LookupItems() const { return FLookupItems.get(); }

    // Rows
    bool UseItems() const { return FUseItems; }
    void SetUseItems(bool Value) { FUseItems = Value; }
    TDropDownItems* Items() const { return FItems.get(); }
    void SetItems(TDropDownItems* Value);
    TDropDownColumns* Columns() const { return FColumns.get(); }
    void SetColumns(TDropDownColumns* Value);
    int ItemIndex() const { return FItemIndex; }
    // Items mode: writes the item's lookup text (empty for -1 or a missing
    // text); an index past the items is ignored. Grid mode: the text of
    // grid row Value + 1; nothing for the current index or a row past the grid.
    void SetItemIndex(int Value);
    // The number of Items (also in grid mode).
    int RowCount() const;
    // Negative: no lookup and no completion.
    int LookupColumn() const { return FLookupColumn; }
    void SetLookupColumn(int Value) { FLookupColumn = Value; }
    TLookupMethod LookupMethod() const { return FLookupMethod; }
    void SetLookupMethod(TLookupMethod Value) { FLookupMethod = Value; }
    // The case rule of LookupRow.
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
    // The case rule of the completion in the edit.
    bool MatchCase() const { return FMatchCase; }
    void SetMatchCase(bool Value) { FMatchCase = Value; }
    // Note: stored only.
    bool MatchStart() const { return FMatchStart; }
    void SetMatchStart(bool Value) { FMatchStart = Value; }
    // dsDropDownList turns the free typing off.
    TDropDownStyle Style() const { return FStyle; }
    void SetStyle(TDropDownStyle Value);
    // A typed character opens the popup.
    bool AutoShowDropDown() const { return FAutoShowDropDown; }
    void SetAutoShowDropDown(bool Value) { FAutoShowDropDown = Value; }

    // The popup grid's options
    // Cells can be edited; choosing a row then does not close the popup.
    bool GridEditable() const { return FGridEditable; }
    void SetGridEditable(bool Value) { FGridEditable = Value; }
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool Value) { FRowSelect = Value; }
    bool ColumnSizing() const { return FColumnSizing; }
    void SetColumnSizing(bool Value) { FColumnSizing = Value; }
    bool ColumnMoving() const { return FColumnMoving; }
    void SetColumnMoving(bool Value) { FColumnMoving = Value; }
    bool RowSizing() const { return FRowSizing; }
    void SetRowSizing(bool Value) { FRowSizing = Value; }
    bool RowMoving() const { return FRowMoving; }
    void SetRowMoving(bool Value) { FRowMoving = Value; }
    TGridSorting Sorting() const { return FSorting; }
    void SetSorting(TGridSorting Value) { FSorting = Value; }
    // Columns take their texts' width at each opening.
    bool AutoSizeColumns() const { return FAutoSizeColumns; }
    void SetAutoSizeColumns(bool Value) { FAutoSizeColumns = Value; }
    // Column widths scale to the popup's width.
    bool ColumnSizeWithDropDown() const { return FColumnSizeWithDropDown; }
    void SetColumnSizeWithDropDown(bool Value) { FColumnSizeWithDropDown = Value; }
    // The popup is as wide as the grid's columns.
    bool DropDownAutoWidth() const { return FDropDownAutoWidth; }
    void SetDropDownAutoWidth(bool Value) { FDropDownAutoWidth = Value; }
    // The grid's row height; the popup shows whole rows.
    int DropDownRowHeight() const { return FDropDownRowHeight; }
    void SetDropDownRowHeight(int Value) { FDropDownRowHeight = Value; }
    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int Value) { FHeaderHeight = Value; }
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
    TFont* HeaderFont() const { return FHeaderFont.get(); }
    void SetHeaderFont(TFont* Value);
    TColor LineColor() const { return FLineColor; }
    void SetLineColor(TColor Value) { FLineColor = Value; }
    TColor FixedLineColor() const { return FFixedLineColor; }
    void SetFixedLineColor(TColor Value) { FFixedLineColor = Value; }
    // Note: stored only.
    TColor SelectionTextColor() const { return FSelectionTextColor; }
    void SetSelectionTextColor(TColor Value) { FSelectionTextColor = Value; }
    bool HoverRow() const { return FHoverRow; }
    void SetHoverRow(bool Value) { FHoverRow = Value; }
    TColor HoverRowColor() const { return FHoverRowColor; }
    void SetHoverRowColor(TColor Value) { FHoverRowColor = Value; }
    TColor HoverRowColorTo() const { return FHoverRowColorTo; }
    void SetHoverRowColorTo(TColor Value) { FHoverRowColorTo = Value; }
    // The popup grid's GridImages; a reference, cleared when the list is freed.
    TCustomImageList* GridImages() const { return FGridImages; }
    void SetGridImages(TCustomImageList* Value);
    // Copied into the popup grid at each opening.
    TSearchFooter* SearchFooter() const { return FSearchFooter.get(); }
    void SetSearchFooter(TSearchFooter* Value);
    TNavigation* Navigation() const { return FNavigation.get(); }
    void SetNavigation(TNavigation* Value);
    TMouseActions* MouseActions() const { return FMouseActions.get(); }
    void SetMouseActions(TMouseActions* Value);
    TBands* Bands() const { return FBands.get(); }
    void SetBands(TBands* Value);

    // "6.0.1.1"
    int GetVersionNr() const override { return 0x06000101; }
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;
    void SetComponentStyle(TQLXStyle AStyle) override;

    // A row was chosen in the popup.
    TNotifyEvent OnSelect;

    // The popup grid's events, offered again (the grid as Sender unless
    // said otherwise).
    TAnchorClickEvent OnGridAnchorClick;
    TAnchorEvent OnGridAnchorEnter;
    TAnchorEvent OnGridAnchorExit;
    TAnchorHintEvent OnGridAnchorHint;
    TButtonClickEvent OnGridButtonClick;
    // Note: never fired; the grid's sort events keep the current item.
    TCanSortEvent OnGridCanSort;
    TClickSortEvent OnGridClickSort;
    TCustomCompareEvent OnGridCustomCompare;
    TRawCompareEvent OnGridRawCompare;
    TColumnSizeEvent OnGridColumnSize;
    TColumnSizingEvent OnGridColumnSizing;
    TEndColumnSizeEvent OnGridEndColumnSize;
    TRowSizeEvent OnGridRowSize;
    TRowSizingEvent OnGridRowSizing;
    TEndRowSizeEvent OnGridEndRowSize;
    TRowSizeEvent OnGridRowMove;
    TRowSizeEvent OnGridRowMoving;
    TMovedEvent OnGridRowMoved;
    TColumnSizeEvent OnGridColumnMove;
    TColumnSizeEvent OnGridColumnMoving;
    TMovedEvent OnGridColumnMoved;
    // Bound only when assigned at the opening.
    TCustomCellDrawEvent OnGridCustomCellDraw;
    TCustomCellDrawEvent OnGridCustomCellBkgDraw;
    TGridBalloonEvent OnGridCellBalloon;
    TGridAlignEvent OnGridGetAlignment;
    TGridColorEvent OnGridGetCellColor;
    TGridGradientEvent OnGridGetCellGradient;
    TFloatFormatEvent OnGridGetFloatFormat;
    TGetEditorTypeEvent OnGridGetEditorType;
    TClickCellEvent OnGridGetEditorProp;
    TCanEditCellEvent OnGridCanEditCell;
    TEllipsClickEvent OnGridEllipsClick;
    TGetDisplTextEvent OnGridGetDiplText;
    TGridFormatEvent OnGridGetFormat;
    TGridHintEvent OnGridHint;
    TMouseMoveEvent OnGridMouseMove;
    TMouseEvent OnGridMouseDown;
    TMouseEvent OnGridMouseUp;
    // The drop-down as Sender.
    TKeyEvent OnGridKeyDown;
    TKeyEvent OnGridKeyUp;
    TKeyPressEvent OnGridKeyPress;
    TClickCellEvent OnGridRightClickCell;
    TScrollHintEvent OnGridScrollHint;
    // The drop-down as Sender.
    TNotifyEvent OnGridTopLeftChanged;
    TSearchEditChangeEvent OnGridSearchEditChange;
    // Note: never fired.
    TSpinClickEvent OnGridSpinClick;
    TAutoAddRowEvent OnGridAutoAddRow;
    TAutoInsertRowEvent OnGridInsertRow;
    TAutoInsertColEvent OnGridInsertCol;
    TAutoDeleteRowEvent OnGridDeleteRow;
    TCanAddRowEvent OnGridCanAddRow;
    TCanInsertRowEvent OnGridCanInsertRow;
    TCanDeleteRowEvent OnGridCanDeleteRow;
    TCheckBoxClickEvent OnGridCheckBoxClick;

protected:
    friend class ProCustomGridDropDownUnit::TProColGrid;

    // Overrides of the drop-down base
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void AdjustDropDownHeight(int& Height) override;
    void DoShowDropDown() override;
    void PlaceDropDownControl() override;
    void UpdateDropDownSize() override;
    void DoHideDropDown(bool Cancelled) override;
    void DropDownFormDestroyed() override;
    void ControlKeyDown(int& Key, TShiftState Shift) override;
    void ControlKeyUp(int& Key, TShiftState Shift) override;
    void ControlKeyPress(QChar& Key) override;
    void DropDownSizing() override;
    void DoSelectNext() override;
    void DoSelectPrevious() override;
    void DoEnter() override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void KeyUp(int& Key, TShiftState Shift) override;
    void Change() override;
    void WMChar(TWMKey& Message) override;
    void WMKeyDown(TWMKey& Message) override;

    // The item collection the drop-down makes at construction.
    virtual TDropDownItems* CreateItems(TPersistent* AOwner);

    // Forwarders of the popup grid's events
    virtual void DoGridAnchorClick(TObject* Sender, int ARow, int ACol, const QString& Anchor, bool& AutoHandle);
    virtual void DoGridAnchorEnter(TObject* Sender, int ARow, int ACol, const QString& Anchor);
    virtual void DoGridAnchorExit(TObject* Sender, int ARow, int ACol, const QString& Anchor);
    virtual void DoGridAnchorHint(TObject* Sender, int ARow, int ACol, QString& Anchor);
    virtual void DoGridButtonClick(TObject* Sender, int ACol, int ARow);
    virtual void DoGridCanSort(TObject* Sender, int ACol, bool& DoSort);
    virtual void DoGridClickSort(TObject* Sender, int ACol);
    virtual void DoGridCustomCompare(TObject* Sender, const QString& Str1, const QString& Str2, int& Res);
    virtual void DoGridRawCompare(TObject* Sender, int ACol, int Row1, int Row2, int& Res);
    virtual void DoGridColumnSize(TObject* Sender, int ACol, bool& Allow);
    virtual void DoGridColumnSizing(TObject* Sender, int ACol, int ColumnSize);
    virtual void DoGridEndColumnSize(TObject* Sender, int ACol);
    virtual void DoGridRowSize(TObject* Sender, int ARow, bool& Allow);
    virtual void DoGridRowSizing(TObject* Sender, int ARow, int RowSize);
    virtual void DoGridEndRowSize(TObject* Sender, int ARow);
    virtual void DoGridRowMove(TObject* Sender, int ARow, bool& Allow);
    virtual void DoGridRowMoving(TObject* Sender, int ARow, bool& Allow);
    virtual void DoGridRowMoved(TObject* Sender, int FromIndex, int ToIndex);
    virtual void DoGridColumnMove(TObject* Sender, int ACol, bool& Allow);
    virtual void DoGridColumnMoving(TObject* Sender, int ACol, bool& Allow);
    virtual void DoGridColumnMoved(TObject* Sender, int FromIndex, int ToIndex);
    virtual void DoGridCustomCellDraw(TObject* Sender, TCanvas* Canvas, int ACol, int ARow, TGridDrawState AState,
                                      const TRect& ARect, bool Printing);
    virtual void DoGridCustomCellBkgDraw(TObject* Sender, TCanvas* Canvas, int ACol, int ARow, TGridDrawState AState,
                                         const TRect& ARect, bool Printing);
    virtual void DoGridCellBalloon(TObject* Sender, int ACol, int ARow, QString& ATitle, QString& AText, int& AIcon);
    virtual void DoGridGetAlignment(TObject* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign);
    virtual void DoGridGetCellColor(TObject* Sender, int ARow, int ACol, TGridDrawState AState, TBrush* ABrush,
                                    TFont* AFont);
    virtual void DoGridGetCellGradient(TObject* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo,
                                       TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD);
    virtual void DoGridGetFloatFormat(TObject* Sender, int ACol, int ARow, bool& IsFloat, QString& FloatFormat);
    virtual void DoGridGetEditorType(TObject* Sender, int ACol, int ARow, TEditorType& AEditor);
    virtual void DoGridGetEditorProp(TObject* Sender, int ARow, int ACol);
    virtual void DoGridCanEditCell(TObject* Sender, int ARow, int ACol, bool& CanEdit);
    virtual void DoGridEllipsClick(TObject* Sender, int ACol, int ARow, QString& S);
    virtual void DoGridGetDisplText(TObject* Sender, int ACol, int ARow, QString& Value);
    virtual void DoGridGetFormat(TObject* Sender, int ACol, TSortStyle& AStyle, QString& APrefix, QString& ASuffix);
    virtual void DoGridHint(TObject* Sender, int ARow, int ACol, QString& HintStr);
    virtual void DoGridMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    virtual void DoGridMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void DoGridMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void DoGridKeyDown(TObject* Sender, int& Key, TShiftState Shift);
    virtual void DoGridKeyUp(TObject* Sender, int& Key, TShiftState Shift);
    virtual void DoGridKeyPress(TObject* Sender, QChar& Key);
    virtual void DoGridRightClickCell(TObject* Sender, int ARow, int ACol);
    virtual void DoGridScrollHint(TObject* Sender, int ARow, QString& HintStr);
    virtual void DoGridTopLeftChanged(TObject* Sender);
    virtual void DoGridSearchEditChange(TObject* Sender, const QString& Value, bool& DefaultSearch);
    virtual void DoGridSpinClick(TObject* Sender, int ACol, int ARow, int AValue, bool UpDown);
    virtual void DoGridAutoAddRow(TObject* Sender, int ARow);
    virtual void DoGridAutoInsertRow(TObject* Sender, int ARow);
    virtual void DoGridAutoInsertCol(TObject* Sender, int ACol);
    virtual void DoGridAutoDeleteRow(TObject* Sender, int ARow);
    virtual void DoGridCanAddRow(TObject* Sender, bool& CanAdd);
    virtual void DoGridCanInsertRow(TObject* Sender, int ARow, bool& CanInsert);
    virtual void DoGridCanDeleteRow(TObject* Sender, int ARow, bool& CanDelete);
    void DoGridCheckBoxClick(TObject* Sender, int ACol, int ARow, bool State);

    void BuildLookupList();
    // Column widths scaled to the popup's width.
    void SizeColumnsToDropDown();
    // The item (items mode) or data-row count.
    int ItemCount() const;
    // Items mode: the item a grid row shows, and the first row showing an
    // item (ItemIndex when none does).
    int RowToItemIndex(int R) const;
    int ItemIndexToRow(int I) const;
    // One typed character; an item index, a grid row or -1.
    int LookupChar(QChar C);

private:
    // Popup steps (ProCustomGridDropDownPopup.cpp)
    void PrepareGrid();
    void BindGridEvents();
    void GridSelectCell(int ARow);
    void GridSelect();
    // Keys (ProCustomGridDropDownKeys.cpp)
    // Writes Text and selects what follows the typed entry.
    void ShowLookupText(const QString& Text);
    bool GridEditing() const;
    // Enter on a text of the lookup list: the entry's exact form and its item.
    void AcceptTypedEntry();

    std::unique_ptr<TDropDownItems> FItems;
    std::unique_ptr<TDropDownColumns> FColumns;
    std::unique_ptr<TFont> FHeaderFont;
    std::unique_ptr<TStringList> FLookupItems;
    std::unique_ptr<TSearchFooter> FSearchFooter;
    std::unique_ptr<TNavigation> FNavigation;
    std::unique_ptr<TMouseActions> FMouseActions;
    std::unique_ptr<TBands> FBands;
    TProColGrid* FProColGrid = nullptr;
    TCustomImageList* FGridImages = nullptr;

    bool FBalloonInit = false;
    bool FCaseSensitive = false;
    bool FColumnSizing = false;
    bool FColumnMoving = false;
    int FLookupColumn = 0;
    TLookupMethod FLookupMethod = ProCustomGridDropDownUnit::lmLookup;
    TColor FHeaderColorTo = 0x808080;
    TColor FHeaderColor = 0xFFFFFF;
    TColor FLineColor = 0xF1EDEB;
    bool FUseItems = true;
    int FItemIndex = -1;
    int FHeaderHeight = 25;
    TColor FFixedLineColor = 0xD1BBA4;
    // The grid row last selected in the popup.
    int FSelRow = 1;
    // Completion is allowed: false after Backspace, Escape or Delete.
    bool FWorkMode = true;
    bool FRowSelect = true;
    bool FMatchCase = false;
    bool FMatchStart = true;
    // The last completion: its item and the typed length.
    bool FItemChange = false;
    int FItemIdx = -1;
    int FItemSel = 0;
    int FOldItemIndex = -1;
    bool FDropDownAutoWidth = true;
    bool FColumnSizeWithDropDown = true;
    TColor FSelectionTextColor = 0;
    int FDropDownRowHeight = 22;
    // The item before a sort of the popup grid.
    int FTempItemIndex = -1;
    TDropDownStyle FStyle = ProCustomGridDropDownUnit::dsDropDown;
    // The text typed so far for the lookup.
    QString FLookupEntry;
    bool FHoverRow = false;
    TColor FHoverRowColor = clInfoBk;
    TColor FHoverRowColorTo = clNone;
    TGridSorting FSorting = ProCustomGridDropDownUnit::gsNone;
    bool FGridEditable = false;
    bool FRowMoving = false;
    bool FRowSizing = false;
    bool FAutoShowDropDown = false;
    bool FAutoSizeColumns = true;
};
