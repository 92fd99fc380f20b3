#pragma once
// A string grid without a frame on a shown form, 6 columns of 64 and 10
// rows of 22 with one fixed row and column: column c starts at 64 * c,
// row r at 22 * r, the grid lines inside the cells. Log collects what a
// case records.
#include "../support/QStringPrinter.h"
#include "grid/core/ProStringGrid.h"
#include "platform/controls/Form.h"
#include "platform/controls/Screen.h"
#include "platform/controls/TestHooks.h"
#include <gtest/gtest.h>
#include <memory>

class GridPointer : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 500, 320);
        Grid = new TProStringGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBorderStyle(bsNone);
        Grid->SetBounds(0, 0, 480, 300);
        Grid->SetColCount(6);
        Grid->SetRowCount(10);
        for (int c = 0; c < 6; ++c)
            for (int r = 0; r < 10; ++r)
                Grid->SetCells(c, r, QStringLiteral("%1:%2").arg(c).arg(r));
        Form->Show();
    }
    void TearDown() override { Screen->SetCursor(crDefault); }
    void Move(int X, int Y, TShiftState Shift = {}) { SyntheticInput::MouseMove(Grid, TPoint{X, Y}, Shift); }
    void Down(int X, int Y) { SyntheticInput::MouseDown(Grid, mbLeft, TPoint{X, Y}); }
    void Up(int X, int Y) { SyntheticInput::MouseUp(Grid, mbLeft, TPoint{X, Y}); }
    static QString Pt(TPoint P) { return QStringLiteral("%1,%2").arg(P.X).arg(P.Y); }

    std::unique_ptr<TForm> Form;
    TProStringGrid* Grid = nullptr;
    QStringList Log;
};
