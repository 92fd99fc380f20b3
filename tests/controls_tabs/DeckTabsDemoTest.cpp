// A strip with an active, a hovered and a pinned tab, saved as a PNG in the
// build folder for a look by eye.
#include "DeckTabsFixture.h"
#include "platform/controls/TestHooks.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"
#include "platform/graphics/RasterImage.h"
#include <QFile>

namespace {

TEST_F(DeckTabsStrip, DemoPicture)
{
    TImageList images(16, 16);
    TBitmap icon(16, 16);
    icon.Canvas()->Brush()->SetColor(clWhite);
    icon.Canvas()->FillRect(Rect(0, 0, 16, 16));
    icon.Canvas()->Brush()->SetColor(0x2080E0);
    icon.Canvas()->Ellipse(2, 2, 14, 14);
    images.AddMasked(&icon, clWhite);

    Form->SetBounds(40, 40, 640, 120);
    Strip->SetBounds(10, 10, 600, 30);
    Strip->SetImages(&images);
    AddTabs({"Pinned", "Unidirectional", "Smart ACK with a long caption", "Remote", "Settings"});
    Strip->Tabs()->Items(0)->SetImageIndex(0);
    Strip->Tabs()->Items(0)->SetPinned(true);
    Strip->SetActiveTabIndex(1);
    Settle();
    SyntheticInput::MouseMove(Strip, TabPoint(3));
    Settle();
    EXPECT_EQ(Strip->GetTabControl(3)->DrawState(), dsHot);
    EXPECT_TRUE(Strip->Tabs()->Items(0)->Pinned());


    TBitmap shot(Form->ClientWidth(), 50);
    shot.Canvas()->Brush()->SetColor(Form->Color());
    shot.Canvas()->FillRect(Rect(0, 0, shot.Width(), shot.Height()));
    shot.Canvas()->CopyRect(Strip->BoundsRect(), Strip->Canvas(), Rect(0, 0, Strip->Width(), Strip->Height()));
    TPngImage png;
    png.Bitmap()->Assign(&shot);
    const QString file = QStringLiteral(TABS_DEMO_DIR "/decktabs_demo.png");
    png.SaveToFile(file);
    EXPECT_TRUE(QFile::exists(file));
}

} // namespace
