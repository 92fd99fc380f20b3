#pragma once
// A string grid on a shown form, focused, that logs SelectCell and
// DrawCell calls. Cells are 50 x 20 with 1-pixel lines; one fixed column
// and row; 10 columns and 20 rows in a 256 x 106 client area without
// frame and scroll bars, so four scrolled columns and four scrolled rows
// show whole.
#include "platform/controls/Form.h"
#include "platform/controls/StringGrid.h"
#include <QStringList>
#include <gtest/gtest.h>

class TLoggingGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
    QStringList Log;
    bool LogDraws = false;
    // Also log the change hooks.
    bool LogHooks = false;
    // Cells SelectCell refuses.
    std::vector<TGridCoord> Refused;
    struct TDraw {
        int Col, Row;
        TRect Rect;
        TGridDrawState State;
    };
    std::vector<TDraw> Draws;
    // Pixels a docked child covers at the bottom.
    int Covered = 0;
    using TCustomGrid::CalcSizingState;
    using TCustomGrid::EditorMode;
    using TCustomGrid::HideEditor;
    using TCustomGrid::ShowEditor;

protected:
    int CoveredBottom() const override { return Covered; }
    bool SelectCell(int ACol, int ARow) override
    {
        Log << QStringLiteral("SelectCell %1,%2").arg(ACol).arg(ARow);
        for (TGridCoord c : Refused)
            if (c == TGridCoord{ACol, ARow})
                return false;
        return TStringGrid::SelectCell(ACol, ARow);
    }
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override
    {
        if (LogDraws)
            Draws.push_back({ACol, ARow, ARect, AState});
        TStringGrid::DrawCell(ACol, ARow, ARect, AState);
    }
    void SizeChanged(int OldColCount, int OldRowCount) override
    {
        if (LogHooks)
            Log << QStringLiteral("SizeChanged %1,%2").arg(OldColCount).arg(OldRowCount);
        TStringGrid::SizeChanged(OldColCount, OldRowCount);
    }
    void ColWidthsChanged() override
    {
        if (LogHooks)
            Log << QStringLiteral("ColWidthsChanged");
        TStringGrid::ColWidthsChanged();
    }
    void RowHeightsChanged() override
    {
        if (LogHooks)
            Log << QStringLiteral("RowHeightsChanged");
        TStringGrid::RowHeightsChanged();
    }
    void TopLeftChanged() override
    {
        if (LogHooks)
            Log << QStringLiteral("TopLeftChanged %1,%2").arg(LeftCol()).arg(TopRow());
        TStringGrid::TopLeftChanged();
    }
    void ColumnMoved(int FromIndex, int ToIndex) override
    {
        if (LogHooks)
            Log << QStringLiteral("ColumnMoved %1,%2").arg(FromIndex).arg(ToIndex);
        TStringGrid::ColumnMoved(FromIndex, ToIndex);
    }
    void SetEditText(int ACol, int ARow, const QString& Value) override
    {
        Log << QStringLiteral("SetEditText %1,%2 %3").arg(ACol).arg(ARow).arg(Value);
        TStringGrid::SetEditText(ACol, ARow, Value);
    }
};

class CustomGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 400, 300);
        Grid = new TLoggingGrid(Form);
        Grid->SetParent(Form);
        Grid->SetScrollBars(ssNone);
        Grid->SetBorderStyle(bsNone);
        Grid->SetBounds(10, 10, 256, 106);
        Grid->SetDefaultColWidth(50);
        Grid->SetDefaultRowHeight(20);
        Grid->SetColCount(10);
        Grid->SetRowCount(20);
        Form->Show();
        Grid->SetFocus();
        Grid->Update();
        Grid->Log.clear();
    }
    void TearDown() override { delete Form; }
    // The centre of a cell that is on screen.
    TPoint Centre(int ACol, int ARow) const
    {
        TRect r = Grid->CellRect(ACol, ARow);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }

    TForm* Form = nullptr;
    TLoggingGrid* Grid = nullptr;
};
