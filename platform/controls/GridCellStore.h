#pragma once
// TGridCellStore: the texts and objects of a string grid's cells, addressed
// [col, row]. Rows are reached through an index of row pointers, so moving,
// inserting, deleting and exchanging rows move pointers, never cells. A row
// keeps its texts packed in one block (UTF-16, with an end offset per
// column) and its objects in a separate array that exists only once the
// row holds an object. Empty rows take no block. The store knows nothing
// of the grid's counts: cells past a shrunk count stay until they are
// overwritten, deleted or moved.
#include <QString>
#include <cstddef>
#include <vector>

class TObject;

class TGridCellStore {
public:
    TGridCellStore() = default;
    TGridCellStore(TGridCellStore&& Other) noexcept;
    TGridCellStore& operator=(TGridCellStore&& Other) noexcept;
    TGridCellStore(const TGridCellStore&) = delete;
    TGridCellStore& operator=(const TGridCellStore&) = delete;
    ~TGridCellStore();

    // Note: a new string on every call; empty outside the stored cells.
    QString Text(int ACol, int ARow) const;
    // Note: an empty text on a cell without an object frees the cell.
    // Writes to a negative index are ignored.
    void SetText(int ACol, int ARow, const QString& Value);
    TObject* Object(int ACol, int ARow) const;
    void SetObject(int ACol, int ARow, TObject* Value);
    // True when the cell holds a text or an object.
    bool Exists(int ACol, int ARow) const;

    // Moves column (row) From to To with its cells; those between shift by one.
    void MoveColumn(int From, int To);
    void MoveRow(int From, int To);
    // Exchanges the cells of two columns (rows); a row exchange is O(1).
    void ExchangeColumns(int A, int B);
    void ExchangeRows(int A, int B);
    // Inserts an empty column (row) at Index; the following ones shift by one.
    void InsertColumn(int Index);
    void InsertRow(int Index);
    // Drops the cells of the column (row); the following ones shift back by one.
    void DeleteColumn(int Index);
    void DeleteRow(int Index);
    // Drops the cells of the column (row) and no others.
    void ClearColumn(int Index);
    void ClearRow(int Index);
    void Clear();

    // Cells that hold a text or an object.
    std::size_t CellCount() const { return FCellCount; }
    // Highest row that holds a cell, -1 when empty.
    int LastRow() const { return int(FRows.size()) - 1; }

    // A row's block, opaque outside the store.
    struct TRow;

private:
    TRow* RowAt(int ARow) const;
    // The row's block, made when missing (sized by the hint for a text).
    TRow*& EnsureRow(int ARow, bool ForText);
    // Frees the row when it holds no cell any more, and trims the index.
    void Settle(int ARow);
    void EnsureIndex(std::size_t Count);
    void TrimIndex();
    template <typename F>
    void ForEachRow(F Apply);

    // Row pointers by row number; nullptr for a row without cells. The
    // last entry is never nullptr.
    std::vector<TRow*> FRows;
    std::size_t FCellCount = 0;
    // Sizes of the row written last: a new row starts with that much room,
    // so a grid filled row by row allocates each row once.
    unsigned FHintCols = 0;
    unsigned FHintChars = 0;
};
