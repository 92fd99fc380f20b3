#pragma once
// TStringGrid: a draw grid that keeps a text and an object per cell in a
// cell store (see GridCellStore.h). Cells outside ColCount and RowCount
// keep their contents; moved columns and rows take theirs along, and a
// deleted column or row takes its contents away.
#include "platform/controls/CustomGrid.h"
#include "platform/controls/GridCellStore.h"
#include "platform/rtl/StringList.h"
#include <map>
#include <memory>

class TStringGrid;

// A row or column of a string grid as a string list: reading and writing
// go to the cells. Adding and inserting are not supported.
class TStringGridStrings : public TStrings {
public:
    TStringGridStrings(TStringGrid* AGrid, bool AIsCol, int AIndex);

    QString Get(int Index) const override;
    void Put(int Index, const QString& S) override;
    TObject* GetObject(int Index) const override;
    void PutObject(int Index, TObject* AObject) override;
    int GetCount() const override;
    // Appends after the last cell that holds a text or an object.
    int Add(const QString& S) override;
    int AddObject(const QString& S, TObject* AObject) override;
    void Insert(int Index, const QString& S) override;
    void Delete(int Index) override;
    void Clear() override;

private:
    TStringGrid* FGrid;
    bool FIsCol;
    int FIndex;
};

class TStringGrid : public TDrawGrid {
public:
    explicit TStringGrid(TComponent* AOwner = nullptr);
    ~TStringGrid() override;

    QString Cells(int ACol, int ARow) const { return FStore.Text(ACol, ARow); }
    // Note: repaints the cell when it is visible, and reloads the editor
    // when it edits this cell. A negative index raises EInvalidGridOperation.
    void SetCells(int ACol, int ARow, const QString& Value);
    TObject* Objects(int ACol, int ARow) const { return FStore.Object(ACol, ARow); }
    void SetObjects(int ACol, int ARow, TObject* Value);
    // The row (column) as a string list of ColCount (RowCount) items; the
    // list stays valid while the grid lives.
    TStrings* Rows(int Index);
    TStrings* Cols(int Index);
    void SetRows(int Index, TStrings* Value);
    void SetCols(int Index, TStrings* Value);
    const TGridCellStore& Store() const { return FStore; }

    void DeleteColumn(int ACol) override;
    void DeleteRow(int ARow) override;
    // Exchanges the texts and objects of two rows in constant time.
    // Note: row heights, the selection and the current cell stay.
    void ExchangeRows(int ARow1, int ARow2);

protected:
    // For bulk row work of derived grids: no checks, no repaints.
    TGridCellStore& CellStore() { return FStore; }
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    QString GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const QString& Value) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;

private:
    TStrings* Lines(bool IsCol, int Index);

    TGridCellStore FStore;
    // Set while the editor's text is written back.
    bool FEditUpdate = false;
    // The lists handed out by Rows and Cols, one per line asked for.
    std::map<std::pair<bool, int>, std::unique_ptr<TStringGridStrings>> FLines;
};
