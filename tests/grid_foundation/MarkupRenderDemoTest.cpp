// A few markup texts rendered offscreen and saved as a PNG in the build
// folder for a look by eye.
#include "grid/foundation/MarkupRender.h"
#include "grid/foundation/PictureContainer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/RasterImage.h"
#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(MarkupRenderDemo, Picture)
{
    TPictureContainer pictures;
    TPictureItem* item = pictures.Items()->Add();
    item->SetName("dot");
    item->Picture()->LoadFromFile(STRATAGON_TEST_DATA "/grid_foundation/single-frame.gif");

    const QStringList texts = {
        "Plain, <b>bold</b>, <i>italic</i>, <u>underlined</u>, <s>struck</s> and <font color=\"#C00000\">red</font> "
        "with <font face=\"DejaVu Serif\" size=\"4\" color=\"clnavy\">a serif</font> and x<sup>2</sup> + y<sub>i</sub>.",
        "<p align=\"center\" bgcolor=\"#FFF2CC\">A centred paragraph on a coloured background</p>"
        "<a href=\"one\">first link</a> | <a href=\"two\" title=\"hint\">hovered link</a> | <hi>highlight</hi> | "
        "<e>misspeled</e> | <sh>shadow</sh> | &copy; &euro; &lt;tag&gt; &amp; <img src=\"dot\" width=\"16\">",
        "<ul><li>first item<li>second item<ul><li>nested item</ul></ul><hr>"
        "Edit <control type=\"EDIT\" id=\"e\" value=\"value\" width=\"80\"> check "
        "<control type=\"CHECK\" id=\"c\" value=\"TRUE\" width=\"15\"> radio "
        "<control type=\"RADIO\" id=\"r\" value=\"FALSE\" width=\"15\"> "
        "<control type=\"BUTTON\" id=\"b\" value=\"Press\" width=\"60\">",
    };
    TBitmap shot(460, 300);
    TCanvas* c = shot.Canvas();
    c->Brush()->SetColor(clWhite);
    c->FillRect(Rect(0, 0, shot.Width(), shot.Height()));
    c->Font()->SetName("DejaVu Sans");
    c->Font()->SetSize(9);
    int top = 4;
    for (const QString& text : texts) {
        QString link, plain, focus, title, id, value, type;
        int ex = 0, ey = 0, anchors = 0, at = 0;
        TRect anchorRect, controlRect;
        const TRect r = Rect(6, top, shot.Width() - 6, shot.Height());
        RenderHTMLText(c, text, r, nullptr, -1, -1, 0, 2, 1, false, false, false, false, true, true, true, false,
                       1.0, clBlue, clNone, clRed, clSilver, link, plain, focus, title, ex, ey, anchors, at,
                       anchorRect, controlRect, id, value, type, nullptr, &pictures, nullptr, 0);
        EXPECT_GT(ey, 0);
        top += ey + 10;
    }
    TPngImage png;
    png.Bitmap()->Assign(&shot);
    const QString file = QStringLiteral(MARKUP_DEMO_DIR "/markup_demo.png");
    png.SaveToFile(file);
    EXPECT_TRUE(QFile::exists(file));
}

} // namespace
