// Images place their picture by Stretch, Proportional and Center; shapes
// and bevels draw inside their bounds.
#include "StdControlsFixture.h"
#include "platform/controls/Bevel.h"
#include "platform/controls/Image.h"
#include "platform/controls/Panel.h"
#include "platform/controls/Shape.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Picture.h"

namespace {

struct LayoutCase {
    const char* Name;
    bool Stretch, Proportional, Center;
    TRect Want;
};

using ImageLayout = StdControlsTest;

TEST_F(ImageLayout, PicturePlacement)
{
    // A 40 x 20 picture in a 100 x 100 image.
    const LayoutCase cases[] = {
        {"top left", false, false, false, Rect(0, 0, 40, 20)},
        {"centred", false, false, true, Rect(30, 40, 70, 60)},
        {"stretched", true, false, false, Rect(0, 0, 100, 100)},
        {"stretched keeping proportions", true, true, true, Rect(0, 25, 100, 75)},
        {"proportional alone does not enlarge", false, true, false, Rect(0, 0, 40, 20)},
    };
    auto* image = new TImage(Form);
    image->SetParent(Form);
    image->SetBounds(0, 0, 100, 100);
    TBitmap bitmap(40, 20);
    image->Picture()->SetGraphic(&bitmap);
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.Name);
        image->SetStretch(c.Stretch);
        image->SetProportional(c.Proportional);
        image->SetCenter(c.Center);
        EXPECT_EQ(image->DestRect(), c.Want);
    }
    image->SetAutoSize(true);
    EXPECT_EQ(image->Width(), 40);
    EXPECT_EQ(image->Height(), 20);
}

TEST_F(ImageLayout, ShapesFillTheirFigureOnly)
{
    auto* panel = new TPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(0, 0, 100, 100);
    panel->SetBevelOuter(bvNone);
    panel->SetColor(clWhite);
    auto* shape = new TShape(Form);
    shape->SetParent(panel);
    shape->SetBounds(10, 10, 60, 40);
    shape->Brush()->SetColor(clRed);
    shape->SetShape(stCircle);
    panel->Repaint();
    TCanvas* canvas = panel->Canvas();
    // The circle is centred: 40 across, from x = 20 to 60.
    EXPECT_EQ(canvas->Pixels(40, 30), clRed);
    EXPECT_EQ(canvas->Pixels(15, 30), clWhite);
    EXPECT_EQ(canvas->Pixels(11, 11), clWhite);
    shape->SetShape(stRectangle);
    panel->Repaint();
    EXPECT_EQ(canvas->Pixels(15, 30), clRed);
    EXPECT_EQ(canvas->Pixels(10, 10), clBlack);
}

} // namespace
