#pragma once
// IGridSettingsOwner: the string grid as its settings and look objects see
// it. TProStringGrid implements it with its own operations of these names;
// the objects can so be built and tested without a grid.
#include "platform/graphics/Color.h"

class TSortIndexList;

class IGridSettingsOwner {
public:
    virtual ~IGridSettingsOwner() = default;

    // Repainting
    virtual void Invalidate() = 0;
    virtual void Repaint() = 0;
    virtual void RepaintRow(int ARow) = 0;
    virtual void RepaintCell(int ACol, int ARow) = 0;

    virtual int FixedRows() const = 0;
    // True when the grid sits in a parent control.
    virtual bool HasParentWindow() const = 0;

    // Sorting and filtering
    virtual TSortIndexList* SortIndexes() const = 0;
    virtual void QSort() = 0;
    virtual void QSortIndexed() = 0;
    // The column whose filter list is open; -1 for none.
    virtual void SetFilterColumn(int ACol) = 0;

    // Fills the column so that the columns take the client width; nothing
    // while ColumnSize.Stretch is off.
    virtual void StretchColumn(int ACol) = 0;

    // Fixed-cell gradient. From, To and the two mirror colours are stored
    // as RGB and repaint the grid; the hover and pressed colours are stored.
    virtual void SetQLXGradientFrom(TColor Value) = 0;
    virtual void SetQLXGradientTo(TColor Value) = 0;
    virtual void SetQLXGradientMirrorFrom(TColor Value) = 0;
    virtual void SetQLXGradientMirrorTo(TColor Value) = 0;
    virtual void SetQLXGradientHoverFrom(TColor Value) = 0;
    virtual void SetQLXGradientHoverTo(TColor Value) = 0;
    virtual void SetQLXGradientHoverMirrorFrom(TColor Value) = 0;
    virtual void SetQLXGradientHoverMirrorTo(TColor Value) = 0;
    virtual void SetQLXGradientHoverBorder(TColor Value) = 0;
    virtual void SetQLXGradientDownFrom(TColor Value) = 0;
    virtual void SetQLXGradientDownTo(TColor Value) = 0;
    virtual void SetQLXGradientDownMirrorFrom(TColor Value) = 0;
    virtual void SetQLXGradientDownMirrorTo(TColor Value) = 0;
    virtual void SetQLXGradientDownBorder(TColor Value) = 0;
};
