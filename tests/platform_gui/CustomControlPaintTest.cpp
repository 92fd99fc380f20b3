// Painting on the retained image: WM_PAINT for the invalidated area only,
// drawing outside a paint cycle, window-less children on their parent.
#include "platform/controls/CustomControl.h"
#include "platform/controls/Form.h"
#include "platform/controls/GraphicControl.h"
#include "platform/graphics/Canvas.h"
#include <gtest/gtest.h>

namespace {

class TFillControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    TColor Fill = clRed;
    std::vector<TRect> Painted;

protected:
    void Paint() override
    {
        Painted.push_back(PaintRect());
        Canvas()->Brush()->SetColor(Fill);
        Canvas()->FillRect(ClientRect());
    }
};

class TFillGraphic : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override
    {
        Canvas()->Brush()->SetColor(clLime);
        Canvas()->FillRect(Rect(0, 0, Width() + 50, Height() + 50));
    }
};

class Painting : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = new TForm(nullptr);
        Control = new TFillControl(Form);
        Control->SetBounds(0, 0, 60, 40);
        Control->SetParent(Form);
        Control->Update();
        Control->Painted.clear();
    }
    void TearDown() override { delete Form; }
    TForm* Form = nullptr;
    TFillControl* Control = nullptr;
};

TEST_F(Painting, PaintRunsOnceForThePendingAreaAndDrawsOnlyThere)
{
    EXPECT_EQ(Control->Canvas()->Pixels(5, 5), clRed);
    Control->Fill = clBlue;
    Control->InvalidateRect(Rect(10, 10, 20, 20));
    Control->InvalidateRect(Rect(15, 12, 25, 18));
    Control->Update();
    ASSERT_EQ(Control->Painted.size(), 1u);
    EXPECT_EQ(Control->Painted[0], Rect(10, 10, 25, 20));
    EXPECT_EQ(Control->Canvas()->Pixels(10, 10), clBlue);
    EXPECT_EQ(Control->Canvas()->Pixels(24, 19), clBlue);
    EXPECT_EQ(Control->Canvas()->Pixels(25, 19), clRed);
    EXPECT_EQ(Control->Canvas()->Pixels(9, 10), clRed);
    Control->Update();
    EXPECT_EQ(Control->Painted.size(), 1u);
}

TEST_F(Painting, CanvasDrawsIntoTheImageOutsideAPaintCycle)
{
    Control->Canvas()->Pen()->SetColor(clBlack);
    Control->Canvas()->MoveTo(0, 30);
    Control->Canvas()->LineTo(10, 30);
    EXPECT_EQ(Control->Canvas()->Pixels(9, 30), clBlack);
    EXPECT_EQ(Control->Canvas()->Pixels(10, 30), clRed);
    EXPECT_TRUE(Control->Painted.empty());
}

TEST_F(Painting, GrowingKeepsThePixelsAndRepaintsTheNewArea)
{
    Control->Canvas()->SetPixels(1, 1, clYellow);
    Control->Fill = clBlue;
    Control->SetWidth(80);
    Control->Update();
    ASSERT_EQ(Control->Painted.size(), 1u);
    EXPECT_EQ(Control->Painted[0], Rect(60, 0, 80, 40));
    EXPECT_EQ(Control->Canvas()->Pixels(1, 1), clYellow);
    EXPECT_EQ(Control->Canvas()->Pixels(70, 5), clBlue);
}

TEST_F(Painting, WindowlessChildPaintsClippedOnItsParentsImage)
{
    auto* g = new TFillGraphic(Form);
    g->SetBounds(20, 10, 10, 10);
    g->SetParent(Control);
    Control->Update();
    TCanvas* c = Control->Canvas();
    EXPECT_EQ(c->Pixels(20, 10), clLime);
    EXPECT_EQ(c->Pixels(29, 19), clLime);
    EXPECT_EQ(c->Pixels(30, 19), clRed);
    EXPECT_EQ(c->Pixels(29, 20), clRed);
    EXPECT_EQ(c->Pixels(19, 10), clRed);
}

TEST_F(Painting, OpaqueControlsGetNoBackgroundFill)
{
    class TNothing : public TCustomControl {
    public:
        using TCustomControl::TCustomControl;
    };
    auto* plain = new TNothing(Form);
    plain->SetBounds(0, 50, 10, 10);
    plain->SetColor(clYellow);
    plain->SetParent(Form);
    plain->Update();
    EXPECT_EQ(plain->Canvas()->Pixels(5, 5), clYellow);
    plain->Canvas()->SetPixels(5, 5, clBlack);
    plain->SetControlStyle(plain->ControlStyle() + csOpaque);
    plain->Repaint();
    EXPECT_EQ(plain->Canvas()->Pixels(5, 5), clBlack);
}

} // namespace
