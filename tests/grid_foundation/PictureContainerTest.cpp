#include "grid/foundation/PictureContainer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"
#include <QFile>
#include "tests/support/QStringPrinter.h"
#include <gtest/gtest.h>

namespace {

QString DataFile(const char* Name)
{
    return QStringLiteral(STRATAGON_TEST_DATA "/grid_foundation/") + QLatin1String(Name);
}

// three-frames.gif: an 8 x 6 screen; frame 1 all red (delay 10), frame 2 a
// green 4 x 3 block at (2, 1) (delay 20, transparent, disposal 2), frame 3
// a blue 3 x 2 block at (5, 4) (delay 30).
TEST(HTMLPicture, GifFramesAreSliced)
{
    THTMLPicture p;
    int frameChanges = 0;
    p.OnFrameChange = [&](TObject*) { ++frameChanges; };
    p.LoadFromFile(DataFile("three-frames.gif"));
    ASSERT_FALSE(p.Empty());
    EXPECT_TRUE(p.IsGIF());
    EXPECT_EQ(p.FrameCount(), 3);
    EXPECT_EQ(p.Width(), 8);
    EXPECT_EQ(p.Height(), 6);
    EXPECT_EQ(p.GetMaxWidth(), 8);

    p.SetFrame(2);
    EXPECT_EQ(frameChanges, 1);
    EXPECT_EQ(p.FrameXPos(), 2);
    EXPECT_EQ(p.FrameYPos(), 1);
    EXPECT_EQ(p.Width(), 4);
    EXPECT_EQ(p.Height(), 3);
    EXPECT_EQ(p.GetMaxWidth(), 8);
    EXPECT_EQ(p.GetMaxHeight(), 6);

    TBitmap bmp(10, 10);
    bmp.Canvas()->Brush()->SetColor(clWhite);
    bmp.Canvas()->FillRect(Rect(0, 0, 10, 10));
    p.Draw(bmp.Canvas(), Rect(1, 1, 9, 9));
    EXPECT_EQ(bmp.Canvas()->Pixels(1, 1), clLime);
    EXPECT_EQ(bmp.Canvas()->Pixels(4, 3), clLime);
    EXPECT_EQ(bmp.Canvas()->Pixels(5, 1), clWhite);

    EXPECT_EQ(p.GetFrameTime(1), 10);
    EXPECT_EQ(p.GetFrameTime(2), 20);
    EXPECT_TRUE(p.FrameTransparent());
    EXPECT_EQ(p.FrameDisposal(), 2);
    EXPECT_EQ(p.GetFrameTime(4), -1);

    p.SetFrame(3);
    p.FrameNext();
    EXPECT_EQ(p.Frame(), 1);
    p.FramePrev();
    EXPECT_EQ(p.Frame(), 3);
}

TEST(HTMLPicture, StepAdvancesByFrameDelay)
{
    THTMLPicture p;
    p.LoadFromFile(DataFile("three-frames.gif"));
    // Frame 1 lasts 10 hundredths: the third step (10 x 1 >= 10) moves on.
    std::vector<int> frames;
    std::vector<bool> changed;
    for (int i = 0; i < 6; ++i) {
        changed.push_back(p.Step());
        frames.push_back(p.Frame());
    }
    EXPECT_EQ(changed, (std::vector<bool>{false, false, true, false, true, false}));
    EXPECT_EQ(frames, (std::vector<int>{1, 1, 2, 2, 3, 3}));
    EXPECT_EQ(p.FrameXPos(), 5);

    THTMLPicture single;
    single.LoadFromFile(DataFile("single-frame.gif"));
    EXPECT_EQ(single.FrameCount(), 1);
    for (int i = 0; i < 20; ++i)
        EXPECT_FALSE(single.Step());
}

TEST(HTMLPicture, TruncatedGifNeverReadsPastItsData)
{
    // The third frame's image descriptor is cut after its first bytes.
    THTMLPicture p;
    p.LoadFromFile(DataFile("truncated.gif"));
    ASSERT_FALSE(p.Empty());
    EXPECT_EQ(p.FrameCount(), 3);
    EXPECT_EQ(p.GetFrameTime(3), 30);
    EXPECT_THROW(p.SetFrame(3), EInvalidGraphic);
    EXPECT_EQ(p.FrameXPos(), 0);
    EXPECT_EQ(p.Width(), 0);
}

TEST(HTMLPicture, NonGifAndBadData)
{
    TBitmap bmp(5, 4);
    TMemoryStream bytes;
    bmp.SaveToStream(&bytes);
    bytes.SetPosition(0);

    THTMLPicture p;
    int changes = 0;
    p.OnChange = [&](TObject*) { ++changes; };
    p.LoadFromStream(&bytes);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(p.IsGIF());
    EXPECT_EQ(p.FrameCount(), -1);
    EXPECT_EQ(p.GetFrameTime(1), -1);
    EXPECT_EQ(p.Width(), 5);
    EXPECT_EQ(p.GetMaxWidth(), 5);
    EXPECT_EQ(p.GetMaxHeight(), 4);
    EXPECT_EQ(p.SaveToBytes(), bytes.Data());

    TBytesStream junk(QByteArray("not a picture"));
    EXPECT_THROW(p.LoadFromStream(&junk), EInvalidGraphic);
    EXPECT_TRUE(p.Empty());

    // A file load never raises.
    p.LoadFromFile(DataFile("no-such-file.gif"));
    EXPECT_TRUE(p.Empty());
}

TEST(HTMLPicture, AssignCopiesBytes)
{
    THTMLPicture a;
    a.LoadFromFile(DataFile("three-frames.gif"));
    a.SetFrame(2);
    THTMLPicture b;
    b.Assign(&a);
    EXPECT_FALSE(b.Empty());
    EXPECT_EQ(b.Frame(), 1);
    EXPECT_EQ(b.Width(), 8);
    EXPECT_EQ(b.SaveToBytes(), a.SaveToBytes());
    b.Assign(nullptr);
    EXPECT_TRUE(b.Empty());
    EXPECT_TRUE(b.SaveToBytes().isEmpty());
}

TEST(HTMLPicture, LoadFromURL)
{
    THTMLPicture file;
    const QString url = "FILE://" + DataFile("single-frame.gif");
    file.LoadFromURL(url);
    EXPECT_FALSE(file.Empty());
    EXPECT_EQ(file.ID(), url);

    THTMLPicture res;
    res.LoadFromURL("res://SINGLE-FRAME.GIF");
    EXPECT_FALSE(res.Empty());
    EXPECT_EQ(res.ID(), "res://SINGLE-FRAME.GIF");
    THTMLPicture missing;
    missing.LoadFromResourceName(HInstance, "NOPE");
    EXPECT_TRUE(missing.Empty());
    EXPECT_THROW(missing.LoadFromResourceID(HInstance, 4711), EResNotFound);

    // Remote locations stay empty; with Asynch a second call does nothing.
    THTMLPicture web;
    web.LoadFromURL("http://example.invalid/a.gif");
    EXPECT_TRUE(web.Busy());
    EXPECT_EQ(web.URL(), "http://example.invalid/a.gif");
    EXPECT_EQ(web.ID(), "");
    web.LoadFromURL("http://example.invalid/b.gif");
    EXPECT_EQ(web.URL(), "http://example.invalid/a.gif");
    EXPECT_TRUE(web.Empty());

    THTMLPicture sync;
    sync.SetAsynch(false);
    sync.LoadFromURL("ftp://x/y.png");
    EXPECT_EQ(sync.ID(), "ftp://x/y.png");
    EXPECT_FALSE(sync.Busy());
}

TEST(PictureContainer, FindPicture)
{
    TPictureContainer c;
    TPictureItem* logo = c.Items()->Add();
    logo->SetName("logo");
    logo->Picture()->LoadFromFile(DataFile("single-frame.gif"));
    c.Items()->Add()->SetName("other");
    EXPECT_EQ(c.FindPicture("LOGO"), logo->Picture());
    EXPECT_EQ(c.FindPicture("Other"), c.Items()->GetItem(1)->Picture());
    EXPECT_EQ(c.FindPicture("none"), nullptr);

    TPictureContainer copy;
    copy.SetItems(c.Items());
    ASSERT_EQ(copy.Items()->Count(), 2);
    EXPECT_FALSE(copy.FindPicture("logo")->Empty());
    EXPECT_NE(copy.FindPicture("logo"), logo->Picture());
}

TEST(PictureCache, FindIsExactAndAnimateSteps)
{
    THTMLPictureCache cache;
    THTMLPicture* a = cache.AddPicture();
    a->SetID("FILE://a.gif");
    EXPECT_EQ(cache.FindPicture("FILE://a.gif"), a);
    EXPECT_EQ(cache.FindPicture("file://a.gif"), nullptr);

    a->LoadFromFile(DataFile("three-frames.gif"));
    cache.AddPicture()->LoadFromFile(DataFile("single-frame.gif"));
    bool any = false;
    for (int i = 0; i < 3; ++i)
        any |= cache.Animate();
    EXPECT_TRUE(any);
    EXPECT_EQ(a->Frame(), 2);
    cache.ClearPictures();
    EXPECT_EQ(cache.Count(), 0);
}

} // namespace
