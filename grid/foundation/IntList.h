#pragma once
// TIntList: a list of 32-bit integers that belongs to one cell and reports
// its changes naming that cell. TSortIndexList: sort keys (column index in
// bits 0-30, bit 31 set for descending) with their text form "u2;d5".
#include "grid/foundation/GridTypes.h"
#include "platform/rtl/List.h"
#include <QString>

class TIntList : public TList {
public:
    // An empty list bound to cell (Col, Row).
    TIntList(int Col, int Row);

    int Items(int Index) const { return GetInteger(Index); }
    int operator[](int Index) const { return GetInteger(Index); }
    int GetInteger(int Index) const;
    // Fires OnChange.
    void SetInteger(int Index, int Value);
    // Fires OnChange.
    int Add(int Value);
    // Note: fires no event.
    void Insert(int Index, int Value);
    // Fires OnChange.
    void Delete(int Index);
    // Deletes the first entry equal to Value; nothing when absent.
    void DeleteValue(int Value);
    bool HasValue(int Value) const;

    // The entries joined by "," ("3,-1,12"). Setting it empties the list
    // without an event and adds each comma-text item (one event each); an
    // item that is no integer raises EConvertError, the items before it
    // staying added.
    QString StrValue() const;
    void SetStrValue(const QString& Value);

    int Col() const { return FCol; }
    int Row() const { return FRow; }

    TImageChangeEvent OnChange;

protected:
    void Changed();

private:
    int FCol;
    int FRow;
};

class TSortIndexList : public TIntList {
public:
    using TIntList::TIntList;

    void AddIndex(int ColumnIndex, bool Ascending);
    // Position of the first entry for the column; -1 when there is none.
    int FindIndex(int ColumnIndex) const;
    // Flips the direction of the first entry for the column.
    void ToggleIndex(int ColumnIndex);

    int SortColumns(int i) const;
    // Keeps the direction of entry i.
    void SetSortColumns(int i, int Value);
    // True for ascending.
    bool SortDirections(int i) const;
    void SetSortDirections(int i, bool Value);

    // "u" or "d" and the column per entry, joined by ";". Note: columns
    // are written with their low 16 bits.
    QString SaveToString() const;
    // Replaces the list by the keys of the text; parts shorter than two
    // characters are skipped, "u" is ascending and any other first
    // character descending.
    void LoadFromString(const QString& S);
};
