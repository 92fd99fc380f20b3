#pragma once
// A base grid on a shown form: cells 50 x 20, one fixed column and row,
// 6 columns and 12 rows in a 256 x 106 client area without frame and
// scroll bars. The grid logs its hooks and, like the string grid, paints
// a cell in the brush colour of its properties when one is set.
#include "grid/foundation/BaseGrid.h"
#include "platform/controls/Form.h"
#include "platform/graphics/Canvas.h"
#include <QStringList>
#include <gtest/gtest.h>

class TTestGrid : public TBaseGrid {
public:
    using TBaseGrid::TBaseGrid;
    using TBaseGrid::KeyDown;

    QStringList Log;
    // Cells whose content was drawn, with the content rectangle.
    struct TContent {
        int Col, Row;
        TRect Rect;
    };
    std::vector<TContent> Contents;
    bool UseCellColors = true;

    bool HasCellProps() const { return FHasCellProps; }
    void SetHoverRowIdx(int Value) { FHoverRowIdx = Value; }
    void SetNormalRowCount(int Value) { FNormalRowCount = Value; }
    bool NodesShown = false;

    void CellChanged(int ACol, int ARow) override { Log << QStringLiteral("CellChanged %1,%2").arg(ACol).arg(ARow); }
    void LastRowChanged() override { Log << QStringLiteral("LastRowChanged"); }
    bool HasNodes() override { return NodesShown; }
    void DrawCellContent(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override
    {
        Contents.push_back({ACol, ARow, ARect});
        TBaseGrid::DrawCellContent(ACanvas, ACol, ARow, ARect, AState);
    }
    void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                             TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                             TFont* AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                             TCellGradientDirection& GD) override
    {
        if (!UseCellColors || !HasCellProperties(ACol, ARow))
            return;
        TCellProperties* props = CellProperties(ACol, ARow);
        if (props->BrushColor() != clNone)
            ABrush->SetColor(props->BrushColor());
        AColorTo = props->BrushColorTo();
    }
};

class BaseGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 400, 300);
        Grid = new TTestGrid(Form);
        Grid->SetParent(Form);
        Grid->SetScrollBars(ssNone);
        Grid->SetBorderStyle(bsNone);
        Grid->SetBounds(10, 10, 256, 106);
        Grid->SetDefaultColWidth(50);
        Grid->SetDefaultRowHeight(20);
        Grid->SetColCount(6);
        Grid->SetRowCount(12);
        Grid->SetColor(clWhite);
        Grid->SetFixedColor(clSilver);
        Form->Show();
        Grid->SetFocus();
        Grid->Update();
        Grid->Log.clear();
    }
    void TearDown() override { delete Form; }

    // Repaints the whole grid and forgets what earlier passes drew.
    void Repaint()
    {
        Grid->Invalidate();
        Grid->Contents.clear();
        Grid->Update();
    }
    TColor Pixel(int X, int Y) const { return Grid->Canvas()->Pixels(X, Y); }

    TForm* Form = nullptr;
    TTestGrid* Grid = nullptr;
};
