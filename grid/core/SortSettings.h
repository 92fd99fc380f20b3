#pragma once
// TSortSettings: the options of the grid's sorting, with their text form
// ("u3", "d3", or "i;" followed by the sort index list).
#include "grid/core/GridCoreTypes.h"
#include "platform/graphics/Color.h"
#include "platform/rtl/Object.h"
#include <QString>
#include <memory>

class IGridSettingsOwner;
class TBitmap;

class TSortSettings : public TPersistent {
public:
    explicit TSortSettings(IGridSettingsOwner* AOwner);
    ~TSortSettings() override;

    // From a TSortSettings only; Show is stored without a repaint.
    // IgnoreCase and SortOnVirtualCells are not copied.
    void Assign(TPersistent* Source) override;

    // "i;" and the grid's sort indexes with IndexShow; else "u" or "d" and
    // the column ("u-1" when none is set).
    QString SaveToString() const;
    // Shows the sort and sorts by the text: "i;..." loads the sort indexes
    // and sorts by them; otherwise "u" anywhere means ascending and the
    // rest after the first character is the column. An empty text changes
    // nothing; a number that does not convert stops there.
    // Note: one character raises "Invalid sort settings specifier", with
    // Show already set.
    void LoadFromString(const QString& Value);
    // No sort column, no sort indexes; repaints the header row.
    void Remove();
    void ToggleDirection();

    // Sort indicators shown; a header click sorts. Repaints on change.
    bool Show() const { return FShow; }
    void SetShow(bool Value);
    // Sorting by several columns through the grid's SortIndexes.
    bool IndexShow() const { return FIndexShow; }
    void SetIndexShow(bool Value) { FIndexShow = Value; }
    // Rows equal in the sort column are ordered by the following columns.
    bool Full() const { return FFull; }
    void SetFull(bool Value) { FFull = Value; }
    // A sort moves only the cells of the sort column.
    bool SingleColumn() const { return FSingleColumn; }
    void SetSingleColumn(bool Value) { FSingleColumn = Value; }
    // Empty cells go where BlankPos says.
    bool IgnoreBlanks() const { return FIgnoreBlanks; }
    void SetIgnoreBlanks(bool Value) { FIgnoreBlanks = Value; }
    TSortBlankPosition BlankPos() const { return FBlankPos; }
    void SetBlankPos(TSortBlankPosition Value) { FBlankPos = Value; }
    // The comparison style is detected from the cell texts.
    bool AutoFormat() const { return FAutoFormat; }
    void SetAutoFormat(bool Value) { FAutoFormat = Value; }
    TSortDirection Direction() const { return FDirection; }
    void SetDirection(TSortDirection Value) { FDirection = Value; }
    // With fixed columns, column 0 keeps its cells while rows are sorted.
    bool NormalCellsOnly() const { return FNormalCellsOnly; }
    void SetNormalCellsOnly(bool Value) { FNormalCellsOnly = Value; }
    // Header clicks above fixed columns sort too.
    bool FixedCols() const { return FFixedCols; }
    void SetFixedCols(bool Value) { FFixedCols = Value; }
    // Real index; -1: none.
    int Column() const { return FColumn; }
    void SetColumn(int Value) { FColumn = Value; }
    // The fixed row whose cells are sort headers. Note: a value above the
    // grid's FixedRows raises "Sort row should be smaller than number of
    // fixed rows" and keeps the old one.
    int Row() const { return FRow; }
    void SetRow(int Value);
    // Merged cells are split before a click sort and merged after it.
    bool AutoColumnMerge() const { return FAutoColumnMerge; }
    void SetAutoColumnMerge(bool Value) { FAutoColumnMerge = Value; }
    // Background of the sort-index marks.
    TColor IndexColor() const { return FIndexColor; }
    void SetIndexColor(TColor Value) { FIndexColor = Value; }
    // Direction of the first click on a new column.
    TSortDirection InitSortDirection() const { return FInitSortDirection; }
    void SetInitSortDirection(TSortDirection Value) { FInitSortDirection = Value; }
    // A further click on the sorted column restores the unsorted order.
    bool UndoSort() const { return FUndoSort; }
    void SetUndoSort(bool Value) { FUndoSort = Value; }
    bool AutoSortForGrouping() const { return FAutoSortForGrouping; }
    void SetAutoSortForGrouping(bool Value) { FAutoSortForGrouping = Value; }
    // Comparisons use the displayed text (true) or the stored one.
    bool SortOnVirtualCells() const { return FSortOnVirtualCells; }
    void SetSortOnVirtualCells(bool Value) { FSortOnVirtualCells = Value; }
    bool IgnoreCase() const { return FIgnoreCase; }
    void SetIgnoreCase(bool Value) { FIgnoreCase = Value; }
    // The key that adds a clicked column to the indexed sort.
    TIndexSortKey IndexSortKey() const { return FIndexSortKey; }
    void SetIndexSortKey(TIndexSortKey Value) { FIndexSortKey = Value; }

    // The sorted column's header gradient; a change repaints the header
    // row when the grid has fixed rows.
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor Value) { SetHeader(FHeaderColor, Value); }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor Value) { SetHeader(FHeaderColorTo, Value); }
    TColor HeaderMirrorColor() const { return FHeaderMirrorColor; }
    void SetHeaderMirrorColor(TColor Value) { SetHeader(FHeaderMirrorColor, Value); }
    TColor HeaderMirrorColorTo() const { return FHeaderMirrorColorTo; }
    void SetHeaderMirrorColorTo(TColor Value) { SetHeader(FHeaderMirrorColorTo, Value); }

    // Indicator pictures; the setters copy the bitmap.
    TBitmap* UpGlyph() const { return FUpGlyph.get(); }
    void SetUpGlyph(TBitmap* Value);
    TBitmap* DownGlyph() const { return FDownGlyph.get(); }
    void SetDownGlyph(TBitmap* Value);
    TBitmap* IndexUpGlyph() const { return FIndexUpGlyph.get(); }
    void SetIndexUpGlyph(TBitmap* Value);
    TBitmap* IndexDownGlyph() const { return FIndexDownGlyph.get(); }
    void SetIndexDownGlyph(TBitmap* Value);

private:
    void SetHeader(TColor& Field, TColor Value);
    // Repaints row FixedRows - 1 when there is one.
    void RepaintHeaderRow();

    IGridSettingsOwner* FGrid;
    bool FShow = false;
    bool FIndexShow = false;
    bool FFull = true;
    bool FSingleColumn = false;
    bool FIgnoreBlanks = false;
    TSortBlankPosition FBlankPos = blFirst;
    bool FAutoFormat = true;
    TSortDirection FDirection = sdAscending;
    std::unique_ptr<TBitmap> FUpGlyph;
    std::unique_ptr<TBitmap> FDownGlyph;
    std::unique_ptr<TBitmap> FIndexUpGlyph;
    std::unique_ptr<TBitmap> FIndexDownGlyph;
    bool FNormalCellsOnly = false;
    bool FFixedCols = false;
    int FColumn = -1;
    int FRow = 0;
    bool FAutoColumnMerge = false;
    TColor FIndexColor = 0x0000FFFF;
    TSortDirection FInitSortDirection = sdAscending;
    bool FUndoSort = false;
    bool FAutoSortForGrouping = true;
    bool FSortOnVirtualCells = true;
    bool FIgnoreCase = false;
    TColor FHeaderColor = clNone;
    TColor FHeaderColorTo = clNone;
    TColor FHeaderMirrorColor = clNone;
    TColor FHeaderMirrorColorTo = clNone;
    TIndexSortKey FIndexSortKey = ikShift;
};
