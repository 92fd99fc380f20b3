#pragma once
// A stand-in for the grid that records what its settings objects ask of it.
#include "grid/core/GridSettingsOwner.h"
#include "grid/foundation/IntList.h"
#include "platform/rtl/Object.h"
#include <QStringList>

class FakeGridOwner : public TComponent, public IGridSettingsOwner {
public:
    QStringList Log;
    int Fixed = 1;
    bool Parented = false;
    int FilterColumn = 0;
    TSortIndexList Indexes{0, 0};
    TColor QLX[14] = {};

    void Invalidate() override { Log << "Invalidate"; }
    void Repaint() override { Log << "Repaint"; }
    void RepaintRow(int ARow) override { Log << QString("RepaintRow %1").arg(ARow); }
    void RepaintCell(int ACol, int ARow) override { Log << QString("RepaintCell %1,%2").arg(ACol).arg(ARow); }
    int FixedRows() const override { return Fixed; }
    bool HasParentWindow() const override { return Parented; }
    TSortIndexList* SortIndexes() const override { return const_cast<TSortIndexList*>(&Indexes); }
    void QSort() override { Log << "QSort"; }
    void QSortIndexed() override { Log << "QSortIndexed"; }
    void SetFilterColumn(int ACol) override { FilterColumn = ACol; }
    void StretchColumn(int ACol) override { Log << QString("StretchColumn %1").arg(ACol); }
    // QLX order: From, To, MirrorFrom, MirrorTo, HoverFrom, HoverTo,
    // HoverMirrorFrom, HoverMirrorTo, HoverBorder, DownFrom, DownTo,
    // DownMirrorFrom, DownMirrorTo, DownBorder.
    void SetQLXGradientFrom(TColor V) override { QLX[0] = V; }
    void SetQLXGradientTo(TColor V) override { QLX[1] = V; }
    void SetQLXGradientMirrorFrom(TColor V) override { QLX[2] = V; }
    void SetQLXGradientMirrorTo(TColor V) override { QLX[3] = V; }
    void SetQLXGradientHoverFrom(TColor V) override { QLX[4] = V; }
    void SetQLXGradientHoverTo(TColor V) override { QLX[5] = V; }
    void SetQLXGradientHoverMirrorFrom(TColor V) override { QLX[6] = V; }
    void SetQLXGradientHoverMirrorTo(TColor V) override { QLX[7] = V; }
    void SetQLXGradientHoverBorder(TColor V) override { QLX[8] = V; }
    void SetQLXGradientDownFrom(TColor V) override { QLX[9] = V; }
    void SetQLXGradientDownTo(TColor V) override { QLX[10] = V; }
    void SetQLXGradientDownMirrorFrom(TColor V) override { QLX[11] = V; }
    void SetQLXGradientDownMirrorTo(TColor V) override { QLX[12] = V; }
    void SetQLXGradientDownBorder(TColor V) override { QLX[13] = V; }
};
