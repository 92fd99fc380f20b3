#pragma once
// TGridCellStore: the texts and objects of a string grid's cells, addressed
// [col, row]. Only cells holding a text or an object take memory, and the
// store knows nothing of the grid's counts: cells past a shrunk count stay
// until they are overwritten, deleted or moved.
#include <QString>
#include <cstddef>
#include <map>
#include <vector>

class TObject;

class TGridCellStore {
public:
    QString Text(int ACol, int ARow) const;
    // Note: an empty text on a cell without an object frees the cell.
    void SetText(int ACol, int ARow, const QString& Value);
    TObject* Object(int ACol, int ARow) const;
    void SetObject(int ACol, int ARow, TObject* Value);
    // True when the cell holds a text or an object.
    bool Exists(int ACol, int ARow) const;

    // Moves column (row) From to To with its cells; those between shift by one.
    void MoveColumn(int From, int To);
    void MoveRow(int From, int To);
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
    int LastRow() const;

private:
    struct TCell {
        int Col = 0;
        QString Text;
        TObject* Object = nullptr;
    };
    // Cells of one row, sorted by column.
    using TRow = std::vector<TCell>;

    TCell* Find(int ACol, int ARow);
    const TCell* Find(int ACol, int ARow) const;
    TCell& Ensure(int ACol, int ARow);
    void Prune(int ACol, int ARow);
    // Gives every row key in [Lo, Hi] the key Map(key).
    template <typename F>
    void RekeyRows(int Lo, int Hi, F Map);

    std::map<int, TRow> FRows;
    std::size_t FCellCount = 0;
};
