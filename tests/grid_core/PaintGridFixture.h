#pragma once
// A string grid on a shown form for pixel checks: 5 columns of 64 and 8
// rows of 20 pixels, one fixed row and column, no frame and no scroll bars,
// so the client starts at the grid's corner. The test grid records the
// cells whose content it drew.
#include "grid/core/ProStringGrid.h"
#include "platform/controls/Form.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/RasterImage.h"
#include <gtest/gtest.h>
#include <vector>

class TPaintTestGrid : public TProStringGrid {
public:
    using TProStringGrid::TProStringGrid;
    using TProStringGrid::FMouseDown;

    struct TCell {
        int Col, Row;
    };
    std::vector<TCell> Drawn;

protected:
    void DrawCellContent(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override
    {
        Drawn.push_back({ACol, ARow});
        TProStringGrid::DrawCellContent(ACanvas, ACol, ARow, ARect, AState);
    }
};

class PaintGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 420, 260);
        Grid = new TPaintTestGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBorderStyle(bsNone);
        Grid->SetScrollBars(ssNone);
        Grid->SetBounds(0, 0, 5 * 64 + 5, 8 * 20 + 8);
        Grid->SetColCount(5);
        Grid->SetRowCount(8);
        Grid->SetDefaultColWidth(64);
        Grid->SetDefaultRowHeight(20);
        Grid->SetColor(clWhite);
        Form->Show();
        Grid->SetFocus();
        Repaint();
    }
    void TearDown() override { delete Form; }

    void Repaint()
    {
        Grid->Invalidate();
        Grid->Drawn.clear();
        Grid->Update();
    }
    TColor Pixel(int X, int Y) const { return Grid->Canvas()->Pixels(X, Y); }
    // The cell's client rectangle.
    TRect Cell(int ACol, int ARow) const { return Grid->CellRect(ACol, ARow); }
    // The darkest channel sum inside R.
    int Darkest(const TRect& R) const
    {
        int best = 3 * 255;
        for (int y = R.Top; y < R.Bottom; ++y)
            for (int x = R.Left; x < R.Right; ++x) {
                const TColor c = Pixel(x, y);
                best = std::min(best, GetRValue(c) + GetGValue(c) + GetBValue(c));
            }
        return best;
    }

    void Save(const QString& File)
    {
        TPngImage png;
        png.SetSize(Grid->Width(), Grid->Height());
        png.Bitmap()->Canvas()->CopyRect(TRect{0, 0, Grid->Width(), Grid->Height()}, Grid->Canvas(),
                                         TRect{0, 0, Grid->Width(), Grid->Height()});
        png.SaveToFile(File);
    }

    TForm* Form = nullptr;
    TPaintTestGrid* Grid = nullptr;
};
