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
    // The mouse glow lightens the hovered tab around the mouse.
    const TPoint m = TabPoint(3);
    const TColor nearMouse = Strip->Canvas()->Pixels(m.X, 28);
    const TColor farAway = Strip->Canvas()->Pixels(m.X + 80, 28);
    EXPECT_GT(GetRValue(nearMouse) + GetGValue(nearMouse) + GetBValue(nearMouse),
              GetRValue(farAway) + GetGValue(farAway) + GetBValue(farAway) + 15);


    // Below it: tabs at the bottom, right to left, a modified tab and a spinner.
    auto* other = new TDeckTabs(Form);
    other->SetBounds(10, 50, 600, 30);
    other->SetParent(Form);
    other->Options()->Display()->Tabs()->SetOrientation(toBottom);
    other->Options()->Display()->Tabs()->SetOffsetTop(0);
    other->Options()->Display()->Tabs()->SetOffsetBottom(4);
    other->SetBiDiModeAndRedraw(bdRightToLeft);
    for (const char* caption : {"First", "Modified", "Spinning"})
        other->Tabs()->Add()->SetCaption(QString::fromLatin1(caption));
    other->Tabs()->Items(1)->SetModified(true);
    other->Tabs()->Items(2)->SetSpinnerState(tssRenderedDownload);
    other->SetActiveTabIndex(0);
    for (int i = 0; i < 40; ++i) {
        Clock.Advance(15);
        other->DoAnimateTimer(nullptr);
    }
    other->Repaint();

    TBitmap shot(Form->ClientWidth(), 90);
    shot.Canvas()->Brush()->SetColor(Form->Color());
    shot.Canvas()->FillRect(Rect(0, 0, shot.Width(), shot.Height()));
    for (TDeckTabs* s : {Strip, other})
        shot.Canvas()->CopyRect(s->BoundsRect(), s->Canvas(), Rect(0, 0, s->Width(), s->Height()));
    TPngImage png;
    png.Bitmap()->Assign(&shot);
    const QString file = QStringLiteral(TABS_DEMO_DIR "/decktabs_demo.png");
    png.SaveToFile(file);
    EXPECT_TRUE(QFile::exists(file));
}

} // namespace
