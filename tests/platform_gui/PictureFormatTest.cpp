#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Jpeg.h"
#include "platform/graphics/Picture.h"
#include "platform/graphics/RasterImage.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// A 2x2 GIF with a four-colour palette (red, green, blue, white).
const QByteArray SmallGif = QByteArray::fromHex(
    "474946383961" "0200" "0200" "810000" // header: 2x2, global palette of 4
    "ff0000" "00ff00" "0000ff" "ffffff"   // palette
    "2c" "00000000" "02000200" "00"       // image descriptor
    "02" "03" "449a02" "00"               // LZW codes: clear 0 1 2 3 end
    "3b");

// A picture with smooth areas and edges, as a photo would have.
void PaintSample(TBitmap& bmp)
{
    bmp.SetSize(64, 48);
    TCanvas* c = bmp.Canvas();
    for (int x = 0; x < 64; ++x) {
        c->Pen()->SetColor(RGB(x * 4, 128, 255 - x * 4));
        c->MoveTo(x, 0);
        c->LineTo(x, 48);
    }
    c->Brush()->SetColor(clYellow);
    c->Ellipse(10, 10, 40, 40);
}

double MeanDifference(TBitmap& a, TBitmap& b)
{
    double sum = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) {
            const TColor p = a.Canvas()->Pixels(x, y), q = b.Canvas()->Pixels(x, y);
            sum += std::abs(GetRValue(p) - GetRValue(q)) + std::abs(GetGValue(p) - GetGValue(q))
                + std::abs(GetBValue(p) - GetBValue(q));
        }
    return sum / (3.0 * a.Width() * a.Height());
}

class PictureFiles : public testing::Test {
protected:
    QString Path(const QString& name) const { return Dir.filePath(name); }
    void Write(const QString& name, const QByteArray& data) const
    {
        QFile f(Path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    QByteArray Read(const QString& name) const
    {
        QFile f(Path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir Dir;
};

TEST_F(PictureFiles, JpegQuality75RoundTripsThroughTheLibrary)
{
    TBitmap original;
    PaintSample(original);
    TJPEGImage jpeg;
    jpeg.Assign(&original);
    jpeg.SetCompressionQuality(75);
    jpeg.SaveToFile(Path("photo.jpg"));
    EXPECT_TRUE(Read("photo.jpg").startsWith("\xFF\xD8"));

    struct Decode {
        const char* Name;
        TJPEGPixelFormat Format;
        TJPEGPerformance Performance;
        double MaxDifference;
    };
    const Decode decodes[] = {
        {"24-bit", jf24Bit, jpBestQuality, 8.0},
        {"8-bit two-pass", jf8Bit, jpBestQuality, 12.0},
        {"8-bit one-pass", jf8Bit, jpBestSpeed, 20.0},
    };
    for (const Decode& d : decodes) {
        TJPEGImage back;
        back.SetPixelFormat(d.Format);
        back.SetPerformance(d.Performance);
        back.LoadFromFile(Path("photo.jpg"));
        ASSERT_EQ(back.Width(), 64) << d.Name;
        ASSERT_EQ(back.Height(), 48) << d.Name;
        const double diff = MeanDifference(original, *back.Bitmap());
        EXPECT_LT(diff, d.MaxDifference) << d.Name;
        EXPECT_GT(diff, 0.0) << d.Name << ": lossy, so never exact";
    }

    TPicture picture;
    picture.LoadFromFile(Path("photo.jpg"));
    EXPECT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), 64);
}

TEST_F(PictureFiles, LowerQualityGivesSmallerFiles)
{
    TBitmap original;
    PaintSample(original);
    TJPEGImage jpeg;
    jpeg.Assign(&original);
    jpeg.SetCompressionQuality(10);
    const int small = int(jpeg.SaveToBytes().size());
    jpeg.SetCompressionQuality(100);
    EXPECT_LT(small, jpeg.SaveToBytes().size());
    jpeg.SetCompressionQuality(500);
    EXPECT_EQ(jpeg.CompressionQuality(), 100);
}

TEST_F(PictureFiles, DamagedFilesGiveAnEmptyPicture)
{
    TBitmap original;
    PaintSample(original);
    TJPEGImage jpeg;
    jpeg.Assign(&original);
    const QByteArray jpg = jpeg.SaveToBytes();
    const QByteArray bmp = original.SaveToBytes();
    TPngImage png;
    png.Assign(&original);
    const QByteArray pngBytes = png.SaveToBytes();

    struct Damaged {
        const char* Name;
        const char* File;
        QByteArray Data;
    };
    const Damaged cases[] = {
        {"truncated jpeg", "cut.jpg", jpg.left(jpg.size() / 2)},
        {"jpeg header only", "head.jpg", jpg.left(20)},
        {"truncated gif", "cut.gif", SmallGif.left(SmallGif.size() - 6)},
        {"gif header only", "head.gif", SmallGif.left(10)},
        {"truncated png", "cut.png", pngBytes.left(pngBytes.size() / 2)},
        {"truncated bmp", "cut.bmp", bmp.left(30)},
        {"text as jpeg", "text.jpg", QByteArray("not a picture at all")},
        {"empty gif", "empty.gif", QByteArray()},
    };
    for (const Damaged& d : cases) {
        Write(d.File, d.Data);
        TPicture picture;
        picture.Bitmap()->SetSize(5, 5);
        EXPECT_THROW(picture.LoadFromFile(Path(d.File)), EInvalidGraphic) << d.Name;
        EXPECT_EQ(picture.Graphic(), nullptr) << d.Name;
        EXPECT_EQ(picture.Width(), 0) << d.Name;
    }
}

TEST_F(PictureFiles, GifIsReadThroughTheRegistry)
{
    Write("small.gif", SmallGif);
    TPicture picture;
    picture.LoadFromFile(Path("small.gif"));
    auto* gif = dynamic_cast<TGIFImage*>(picture.Graphic());
    ASSERT_NE(gif, nullptr);
    EXPECT_EQ(gif->Width(), 2);
    EXPECT_EQ(gif->Bitmap()->Canvas()->Pixels(0, 0), clRed);
}

TEST_F(PictureFiles, LosslessFormatsKeepEveryPixel)
{
    TBitmap original;
    PaintSample(original);
    const char* names[] = {"copy.bmp", "copy.png"};
    for (const char* name : names) {
        TPicture out;
        if (QString::fromLatin1(name).endsWith(QLatin1String(".png"))) {
            TPngImage png;
            png.Assign(&original);
            out.SetGraphic(&png);
        } else {
            out.SetGraphic(&original);
        }
        out.SaveToFile(Path(name));
        TPicture in;
        in.LoadFromFile(Path(name));
        TBitmap back;
        back.Assign(in.Graphic());
        ASSERT_EQ(back.Width(), 64) << name;
        EXPECT_EQ(MeanDifference(original, back), 0.0) << name;
    }
}

TEST_F(PictureFiles, UnknownExtensionIsRefused)
{
    Write("picture.xyz", QByteArray("data"));
    TPicture picture;
    try {
        picture.LoadFromFile(Path("picture.xyz"));
        FAIL() << "no exception";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Unknown picture file extension (.xyz)"));
    }
    EXPECT_TRUE(TPicture::SupportsExtension(QStringLiteral("JPG")));
    EXPECT_TRUE(TPicture::GraphicFilter().startsWith(QStringLiteral("All (*.bmp;*.png;*.gif;*.ico;*.jpg")));
}

TEST_F(PictureFiles, StreamsAreRecognisedByTheirFirstBytes)
{
    TMemoryStream stream;
    stream.WriteBytes(SmallGif);
    stream.SetPosition(0);
    TPicture picture;
    picture.LoadFromStream(&stream);
    EXPECT_NE(dynamic_cast<TGIFImage*>(picture.Graphic()), nullptr);
}

TEST(BitmapTransparency, LowerLeftPixelIsTheTransparentColour)
{
    TBitmap sprite(4, 4);
    sprite.Canvas()->Brush()->SetColor(clFuchsia);
    sprite.Canvas()->FillRect(Rect(0, 0, 4, 4));
    sprite.Canvas()->SetPixels(1, 1, clBlue);
    EXPECT_EQ(sprite.TransparentColor(), clFuchsia);
    sprite.SetTransparent(true);

    TBitmap target(8, 8);
    target.Canvas()->Draw(2, 2, &sprite);
    EXPECT_EQ(target.Canvas()->Pixels(3, 3), clBlue);
    EXPECT_EQ(target.Canvas()->Pixels(2, 2), clWhite) << "key colour left out";

    sprite.SetTransparentColor(clBlue);
    EXPECT_EQ(sprite.TransparentMode(), tmFixed);
    target.Canvas()->Draw(2, 2, &sprite);
    EXPECT_EQ(target.Canvas()->Pixels(2, 2), clFuchsia);
}

TEST(BitmapAssign, PngKeepsItsAlpha)
{
    // A 2x1 PNG: one opaque red pixel, one fully transparent pixel.
    TPngImage png;
    TBitmap source(2, 1);
    source.SetPixelFormat(pf32bit);
    source.SetAlphaFormat(afDefined);
    auto* row = static_cast<unsigned char*>(source.ScanLine(0));
    const unsigned char pixels[8] = {0, 0, 255, 255, 0, 0, 0, 0}; // B,G,R,A twice
    std::copy(pixels, pixels + 8, row);
    png.Assign(&source);
    TMemoryStream stream;
    png.SaveToStream(&stream);
    stream.SetPosition(0);
    TPicture picture;
    picture.LoadFromStream(&stream);

    TBitmap copy;
    copy.Assign(picture.Graphic());
    EXPECT_EQ(copy.PixelFormat(), pf32bit);
    TBitmap target(2, 1);
    target.Canvas()->Brush()->SetColor(clBlue);
    target.Canvas()->FillRect(Rect(0, 0, 2, 1));
    target.Canvas()->Draw(0, 0, &copy);
    EXPECT_EQ(target.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(target.Canvas()->Pixels(1, 0), clBlue) << "transparent pixel";
}

TEST(BitmapScanLine, RowsHoldPixelsInTheFrameworkOrder)
{
    TBitmap bmp(3, 2);
    bmp.SetPixelFormat(pf24bit);
    bmp.Canvas()->SetPixels(1, 1, RGB(10, 20, 30));
    auto* row = static_cast<unsigned char*>(bmp.ScanLine(1));
    EXPECT_EQ(row[3], 30); // blue first
    EXPECT_EQ(row[4], 20);
    EXPECT_EQ(row[5], 10);
    bmp.SetPixelFormat(pf32bit);
    row = static_cast<unsigned char*>(bmp.ScanLine(1));
    EXPECT_EQ(row[4], 30);
    EXPECT_EQ(row[6], 10);
    EXPECT_THROW(bmp.ScanLine(2), EInvalidGraphicOperation);
}

} // namespace
