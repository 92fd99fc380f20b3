#pragma once
// TProColumnGrid: the string grid with one settings object per column.
// Columns holds a TGridColumnItem per real column, hidden ones included,
// in real column order; every question the string grid asks about a cell
// is answered from its column's item first and then by the string grid.
// Files: the grid (ProColumnGrid.cpp), the items and their collection
// (ProColumnGridItems.cpp), the column stream and the column positions
// (ProColumnGridStream.cpp).
#include "grid/core/ProStringGrid.h"
#include "platform/rtl/Collection.h"
#include <memory>

class TEditLink;
class TPopupMenu;
class TProColumnGrid;
class TStream;

// Which click on a column opens its ColumnPopup.
enum TColumnPopupType {
    cpFixedCellsRClick, cpFixedCellsLClick, cpNormalCellsRClick, cpNormalCellsLClick, cpAllCellsRClick,
    cpAllCellsLClick
};

// ACol is the real column.
using TColumnPopupEvent = std::function<void(TObject* Sender, int ACol, int ARow, TPopupMenu* PopupMenu)>;
// Real indexes of the moved column before and after the move.
using TAfterColumnMoved = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;

// The settings of one column. Sizes of 0 mean no limit.
class TGridColumnItem : public TCollectionItem {
public:
    // Colour and fonts start as the grid's; a detached item (no
    // collection) starts with the framework's defaults.
    explicit TGridColumnItem(TCollection* Collection = nullptr);
    ~TGridColumnItem() override;

    // From another column item only (anything else is ignored): every
    // setting but ColumnPopupType, PrintBorderCustom and PrintFontCustom,
    // plus DefIdx; the width is the source column's grid width, kept in
    // this item only. Nothing is repainted or resized.
    void Assign(TPersistent* Source) override;
    // As Assign, but colour and font are the grid's, and ComboItems,
    // DropDownCount, Header, HeaderFont, Name, Tag and DefIdx stay.
    void AssignVisuals(TPersistent* Source);

    // The grid this item's column belongs to; nil when detached.
    TProColumnGrid* Grid() const;

    // Auto-sizing and user sizing limits
    int AutoMinSize() const { return FAutoMinSize; }
    void SetAutoMinSize(int Value) { FAutoMinSize = Value; }
    int AutoMaxSize() const { return FAutoMaxSize; }
    void SetAutoMaxSize(int Value) { FAutoMaxSize = Value; }
    int MinSize() const { return FMinSize; }
    void SetMinSize(int Value) { FMinSize = Value; }
    int MaxSize() const { return FMaxSize; }
    void SetMaxSize(int Value) { FMaxSize = Value; }
    // The grid's width of the column (0 when detached); writing sets it.
    int Width() const;
    void SetWidth(int Value);

    // Look of the normal cells
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TCellBorders Borders() const { return FBorders; }
    void SetBorders(TCellBorders Value);
    // The setter copies the pen in.
    TPen* BorderPen() const { return FBorderPen.get(); }
    void SetBorderPen(TPen* Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    // The setter copies the font in.
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value);
    // The column paints and acts as a fixed column.
    bool Fixed() const { return FFixed; }
    void SetFixed(bool Value);
    // Cells are shown masked.
    bool Password() const { return FPassword; }
    void SetPassword(bool Value);
    // The grid's row banding applies to this column.
    bool ShowBands() const { return FShowBands; }
    void SetShowBands(bool Value);
    // Number format of the column; empty: the grid's FloatFormat.
    const QString& FloatFormat() const { return FFloatFormat; }
    void SetFloatFormat(const QString& Value);

    // Header
    // Also written into row 0 while the grid has fixed rows.
    const QString& Header() const { return FHeader; }
    void SetHeader(const QString& Value);
    TAlignment HeaderAlignment() const { return FHeaderAlignment; }
    void SetHeaderAlignment(TAlignment Value);
    // Font of the fixed rows; the setter copies the font in.
    TFont* HeaderFont() const { return FHeaderFont.get(); }
    void SetHeaderFont(TFont* Value);

    // Editing
    TEditorType Editor() const { return FEditor; }
    void SetEditor(TEditorType Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    // Items of the drop-down editors; the setter copies the list in.
    TStringList* ComboItems() const { return FComboItems.get(); }
    void SetComboItems(TStrings* Value);
    // Visible items of the drop-down list.
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int Value) { FDropDownCount = Value; }
    // Maximum text length of the in-place editor; 0: none.
    int EditLength() const { return FEditLength; }
    void SetEditLength(int Value) { FEditLength = Value; }
    // The custom editor of the column's cells; cleared when it is freed.
    TEditLink* EditLink() const { return FEditLink; }
    void SetEditLink(TEditLink* Value);
    const QString& EditMask() const { return FEditMask; }
    void SetEditMask(const QString& Value) { FEditMask = Value; }
    int SpinMax() const { return FSpinMax; }
    void SetSpinMax(int Value) { FSpinMax = Value; }
    int SpinMin() const { return FSpinMin; }
    void SetSpinMin(int Value) { FSpinMin = Value; }
    int SpinStep() const { return FSpinStep; }
    void SetSpinStep(int Value) { FSpinStep = Value; }
    // Texts of a checked and an unchecked data check box.
    const QString& CheckTrue() const { return FCheckTrue; }
    void SetCheckTrue(const QString& Value) { FCheckTrue = Value; }
    const QString& CheckFalse() const { return FCheckFalse; }
    void SetCheckFalse(const QString& Value) { FCheckFalse = Value; }

    // Column menu; cleared when the menu is freed.
    TPopupMenu* ColumnPopup() const { return FColumnPopup; }
    void SetColumnPopup(TPopupMenu* Value);
    TColumnPopupType ColumnPopupType() const { return FColumnPopupType; }
    void SetColumnPopupType(TColumnPopupType Value) { FColumnPopupType = Value; }

    // Filter entries: "display=condition", or a value that is both. The
    // setter copies the list in; a change repaints the grid.
    TStringList* Filter() const { return FFilter.get(); }
    void SetFilter(TStrings* Value);
    bool FilterCaseSensitive() const { return FFilterCaseSensitive; }
    void SetFilterCaseSensitive(bool Value) { FFilterCaseSensitive = Value; }

    // Sorting
    TSortStyle SortStyle() const { return FSortStyle; }
    void SetSortStyle(TSortStyle Value) { FSortStyle = Value; }
    // Texts ignored before and after the value when sorting.
    const QString& SortPrefix() const { return FSortPrefix; }
    void SetSortPrefix(const QString& Value) { FSortPrefix = Value; }
    const QString& SortSuffix() const { return FSortSuffix; }
    void SetSortSuffix(const QString& Value) { FSortSuffix = Value; }

    // Printing; the custom flags choose the column's borders and font over
    // the print settings'.
    bool PrintBorderCustom() const { return FPrintBorderCustom; }
    void SetPrintBorderCustom(bool Value) { FPrintBorderCustom = Value; }
    TCellBorders PrintBorders() const { return FPrintBorders; }
    void SetPrintBorders(TCellBorders Value) { FPrintBorders = Value; }
    TPen* PrintBorderPen() const { return FPrintBorderPen.get(); }
    void SetPrintBorderPen(TPen* Value);
    TColor PrintColor() const { return FPrintColor; }
    void SetPrintColor(TColor Value) { FPrintColor = Value; }
    bool PrintFontCustom() const { return FPrintFontCustom; }
    void SetPrintFontCustom(bool Value) { FPrintFontCustom = Value; }
    TFont* PrintFont() const { return FPrintFont.get(); }
    void SetPrintFont(TFont* Value);

    // For look-up by name (GetColumnByName).
    const QString& Name() const { return FName; }
    void SetName(const QString& Value) { FName = Value; }
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    // The column's default position (column positions).
    int DefIdx = 0;

    // One row of this item's column through the grid's accessors of the
    // same kind. Note: a detached item reads empty (0) and writes nothing.
    QString Rows(int ARow) const;
    void SetRows(int ARow, const QString& Value);
    int Ints(int ARow) const;
    void SetInts(int ARow, int Value);
    double Floats(int ARow) const;
    void SetFloats(int ARow, double Value);
    TDateTime Dates(int ARow) const;
    void SetDates(int ARow, TDateTime Value);
    TDateTime Times(int ARow) const;
    void SetTimes(int ARow, TDateTime Value);

protected:
    // "Column n", or "Col n: name" when Name is set.
    QString GetDisplayName() const override;

private:
    friend class TProColumnGrid;
    friend struct ColumnItemStream;
    // Copies the settings of Source; All takes the three that Assign leaves.
    void CopyFrom(const TGridColumnItem* Source, bool All);
    void Repaint();
    void FontChanged();

    int FAutoMinSize = 0;
    int FAutoMaxSize = 0;
    TAlignment FAlignment = taLeftJustify;
    TCellBorders FBorders;
    std::unique_ptr<TPen> FBorderPen;
    QString FCheckFalse = QStringLiteral("N");
    QString FCheckTrue = QStringLiteral("Y");
    TColor FColor = clWindow;
    TPopupMenu* FColumnPopup = nullptr;
    TColumnPopupType FColumnPopupType = cpFixedCellsRClick;
    std::unique_ptr<TStringList> FComboItems;
    int FDropDownCount = 8;
    int FEditLength = 0;
    TEditLink* FEditLink = nullptr;
    QString FEditMask;
    TEditorType FEditor = edNormal;
    std::unique_ptr<TStringList> FFilter;
    bool FFilterCaseSensitive = false;
    bool FFixed = false;
    QString FFloatFormat;
    std::unique_ptr<TFont> FFont;
    QString FHeader;
    TAlignment FHeaderAlignment = taLeftJustify;
    std::unique_ptr<TFont> FHeaderFont;
    int FMinSize = 0;
    int FMaxSize = 0;
    QString FName;
    bool FPassword = false;
    bool FPrintBorderCustom = true;
    TCellBorders FPrintBorders;
    std::unique_ptr<TPen> FPrintBorderPen;
    TColor FPrintColor = TColor(0xFFFFFF);
    bool FPrintFontCustom = true;
    std::unique_ptr<TFont> FPrintFont;
    bool FReadOnly = false;
    bool FShowBands = false;
    TSortStyle FSortStyle = ssAutomatic;
    QString FSortPrefix;
    QString FSortSuffix;
    int FSpinMax = 0;
    int FSpinMin = 0;
    int FSpinStep = 1;
    int FTag = 0;
    int FWidth = 50;
    // Set while settings are copied: the objects' change handlers keep still.
    bool FCopying = false;
};

class TGridColumnCollection : public TOwnedCollection {
public:
    explicit TGridColumnCollection(TProColumnGrid* AOwner);

    // A new item at the end; unless it is the only one it takes the
    // visuals of the item before it.
    TGridColumnItem* Add();
    // A new item with the initial settings at Index.
    TGridColumnItem* Insert(int Index);
    TGridColumnItem* Items(int Index) const { return static_cast<TGridColumnItem*>(TCollection::Items(Index)); }
    // Copies Value into the item at Index.
    void SetItems(int Index, TGridColumnItem* Value) { TCollection::SetItems(Index, Value); }
    TProColumnGrid* Grid() const { return FOwner; }

    // Items count and headers follow the grid, then each item's DefIdx
    // becomes its index.
    void SetOrganization();
    // Moves each column whose DefIdx lies before its index back to DefIdx
    // until every item stands at its DefIdx.
    void ResetOrganization();

    // Set while the grid changes columns and items itself: an item's
    // change then does not resize the grid.
    bool FNoRecursiveUpdate = false;

protected:
    // Unless updating or loading: the grid's column count follows the
    // items (hidden ones not counted), the header list is rebuilt and the
    // grid repainted.
    void Update(TCollectionItem* Item) override;

private:
    TProColumnGrid* FOwner;
};

class TProColumnGrid : public TProStringGrid {
public:
    explicit TProColumnGrid(TComponent* AOwner = nullptr);
    ~TProColumnGrid() override;

    // The column items, one per real column. Writing copies the
    // collection in.
    TGridColumnCollection* Columns();
    void SetColumns(TGridColumnCollection* Value);
    // The item of real column ACol; nil past the items.
    TGridColumnItem* ColumnItem(int ACol);
    // Also adds or frees items at the end.
    void SetColCount(int Value);
    // The filter list shows the column's Header for every entry.
    bool AutoFilterDisplay() const { return FAutoFilterDisplay; }
    void SetAutoFilterDisplay(bool Value) { FAutoFilterDisplay = Value; }
    // A column move is in progress.
    bool ColMoving() const { return FColMoving; }

    // The first item whose Name is AValue, case included; nil when none.
    TGridColumnItem* GetColumnByName(const QString& AValue);
    // Adds or frees items at the end until there is one per real column.
    void SyncColumnItems();
    // ColumnHeaders from the items; an item without a header first takes
    // its column's row-0 text. Only while the grid has fixed rows.
    void RebuildColumnHeaders();

    // Column stream (ProColumnGridStream.cpp): the items in the object
    // stream as a TProColumnGridIO. Loading sets the column count and
    // widths from the stream. Note: a damaged stream raises EReadError
    // and changes nothing.
    void SaveColumnsToStream(TStream* st);
    void LoadColumnsFromStream(TStream* st);

    // Column positions (ProColumnGridStream.cpp): "CP<i>" = DefIdx of the
    // column at position i, in section Section of the INI file Key.
    // Note: loading first puts the columns back in their starting order
    // and shows the hidden ones; a file whose positions are missing, out
    // of range or repeated changes nothing.
    void SaveColumnPositions(const QString& Key, const QString& Section);
    void LoadColumnPositions(const QString& Key, const QString& Section);
    // The INI form with ColumnSize's key and section when its location is
    // clIniFile.
    void SaveColPositions();
    void LoadColPositions();

    // Real columns; the items move with them.
    void InsertCols(int ColIndex, int CCount) override;
    void RemoveCols(int ColIndex, int CCount) override;
    // The grouped column's item is kept aside while it is grouped.
    void Group(int Colindex) override;
    void UnGroup() override;

    // Also scales the columns' fonts and header fonts.
    void ChangeScale(int M, int D) override;
    int GetVersionNr() override { return 0x03010301; }
    QString GetVersionString() override;

    // Per-cell questions, answered from the column's item first
    void GetDefaultVisualProperties(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                                    TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                    bool& WW, TCellGradientDirection& GD) override;
    // The column's float format; integers and plain decimals only.
    QString GetFormattedCell(int ACol, int ARow) override;
    void GetCellFloatFormat(int ACol, int ARow, QString& Fmt) override;
    void UpdateColSize(int ACol, int& AWidth) override;
    void UpdateAutoColSize(int ACol, int& AWidth) override;
    void SyncColumnHeaders() override;
    void CellsLoaded() override;
    void GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) override;
    void GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) override;
    void GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) override;
    void GetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) override;
    void GetCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) override;
    void GetSortFormat(int ACol, TSortStyle& AStyle, QString& APrefix, QString& ASuffix) override;
    // Also readies the shared editors with the column's lists and ranges.
    void GetCellEditor(int ACol, int ARow, TEditorType& AEditor) override;
    // ACol is a displayed column.
    void IsFixedCell(int ACol, int ARow, bool& IsFixed) override;
    // Neither ReadOnly nor Fixed, whatever the grid's options.
    void CanEditCell(int ACol, int ARow, bool& CanEdit) override;
    void IsPasswordCell(int ACol, int ARow, bool& IsPassword) override;
    bool HasComboBox(int ACol, int ARow) override;
    void GetCheckTrue(int ACol, int ARow, QString& Value) override;
    void GetCheckFalse(int ACol, int ARow, QString& Value) override;
    // An empty normal cell of an edDataCheckBox column is a data check box;
    // its graphic is one shared by all such cells.
    TCellType GetCellType(int ACol, int ARow) override;
    TCellGraphic* GetCellGraphic(int ACol, int ARow) override;

    // Filter lists from the items (ProColumnGridFilter.cpp): a column whose
    // item has Filter entries lists their shown parts; only such columns
    // have a filter list.
    bool GetColumnFilter(int ACol) override;
    // The item's entry ItemIndex becomes the column's condition, with the
    // item's FilterCaseSensitive.
    void FilterSelect(TObject* Sender, int ItemIndex) override;

    // OnAfterColumnMoved gets real indexes.
    TColumnPopupEvent OnColumnPopup;
    TAfterColumnMoved OnAfterColumnMoved;

protected:
    // Makes the collection, on first use of the columns.
    virtual TGridColumnCollection* CreateColumns();
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void ColWidthsChanged() override;
    // Opens the column's popup menu after the grid's own handling.
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    int GetEditLimit() override;
    QString GetEditMask(int ACol, int ARow) override;

private:
    friend class TGridColumnItem;
    // The item of real column ACol outside the fixed columns and rows; nil
    // for a fixed cell or a column without item.
    TGridColumnItem* NormalItem(int ACol, int ARow);
    // Inside the fixed columns, fixed right columns and fixed footer rows.
    bool IsNormalCell(int ACol, int ARow);
    // ColumnHeaders as a plain copy of the items' headers.
    void FillColumnHeaders();
    void ShowColumnPopup(TMouseButton Button, int X, int Y);

    std::unique_ptr<TGridColumnCollection> FColumnCollection;
    // The settings of the grouped column while it is grouped.
    std::unique_ptr<TGridColumnItem> FSaveCol;
    std::unique_ptr<TCellGraphic> FCellGraphic;
    bool FColMoving = false;
    bool FAutoFilterDisplay = false;
};

// Carries a copy of the columns through the object stream. Its owner must
// be a column grid.
class TProColumnGridIO : public TComponent {
public:
    explicit TProColumnGridIO(TComponent* AOwner);
    ~TProColumnGridIO() override;

    TGridColumnCollection* Items() const { return FItems.get(); }
    void SetItems(TGridColumnCollection* Value);

private:
    std::unique_ptr<TGridColumnCollection> FItems;
};
