#include "grid/core/HeaderDragButton.h"
#include "grid/core/ProStringGrid.h"
#include "platform/controls/Form.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include <gtest/gtest.h>

TEST(HeaderDragButton, PaintsTheFixedCellLookAndTheCaption)
{
    TForm form;
    form.SetBounds(10, 10, 500, 400);
    auto* grid = new TProStringGrid(&form);
    grid->SetParent(&form);
    grid->SetFixedColor(clLime);
    form.Show();
    THeaderDragButton* button = grid->MoveButton();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Grid(), grid);
    EXPECT_FALSE(button->Visible());
    EXPECT_FALSE(button->Enabled());

    // The look of fixed cell (0, 0) drawn the same way on a bitmap.
    TBitmap expected(80, 22);
    grid->PaintCellExt(expected.Canvas(), 0, 0, Rect(0, 0, 80, 22), {gdFixed});

    button->SetBounds(0, 0, 80, 22);
    button->Show();
    button->Repaint();
    TCanvas* c = button->Canvas();
    const TRect r = button->ClientRect();
    EXPECT_EQ(c->Pixels(r.Left + 3, r.Top + 3), expected.Canvas()->Pixels(3, 3));

    // A caption puts ink in the middle; none leaves the look alone.
    auto inkInMiddle = [&] {
        int ink = 0;
        for (int x = r.Left + 10; x < r.Right - 10; ++x)
            ink += c->Pixels(x, r.Top + r.Height() / 2) != expected.Canvas()->Pixels(x - r.Left, r.Height() / 2);
        return ink;
    };
    EXPECT_EQ(inkInMiddle(), 0);
    button->SetCaption("Column");
    button->Repaint();
    EXPECT_GT(inkInMiddle(), 0);
}
