// A paint pass: canvas operations sharing one open painter draw exactly the
// pixels they draw each on a painter of their own, none of them leaks its
// pen, brush, font, clip or origin into the next, and replacing the image
// inside the pass leaves the painter on the new one.
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/qt/ImageSurface.h"
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A mix of operations that each set painter state of their own.
void DrawScene(TCanvas* C, TBitmap* Source)
{
    C->Brush()->SetColor(clYellow);
    C->FillRect(Rect(0, 0, 120, 80));
    int saved = SaveDC(C);
    SetViewportOrgEx(C, 10, 5, nullptr);
    IntersectClipRect(C, 0, 0, 50, 30);
    C->Font()->SetHeight(-13);
    C->Font()->SetStyle({fsBold});
    C->Brush()->SetColor(clAqua);
    C->TextRect(Rect(0, 0, 60, 20), 2, 2, QStringLiteral("clipped text"));
    C->Pen()->SetMode(pmXor);
    C->Pen()->SetColor(clRed);
    C->MoveTo(0, 25);
    C->LineTo(70, 25);
    C->Pen()->SetMode(pmCopy);
    RestoreDC(C, saved);
    C->Font()->SetStyle({fsItalic, fsUnderline});
    C->Font()->SetOrientation(900);
    C->TextOut(100, 70, QStringLiteral("up"));
    C->Font()->SetOrientation(0);
    TRect box = Rect(5, 40, 70, 75);
    SetBkMode(C, TRANSPARENT);
    DrawText(C, QStringLiteral("&wrapped words in a box"), -1, &box, DT_CENTER | DT_WORDBREAK);
    C->Brush()->SetStyle(bsDiagCross);
    C->Brush()->SetColor(clNavy);
    C->Pen()->SetWidth(3);
    C->Rectangle(60, 5, 110, 40);
    C->Pen()->SetWidth(1);
    C->Brush()->SetStyle(bsSolid);
    C->Ellipse(70, 45, 95, 60);
    C->DrawFocusRect(Rect(2, 2, 118, 78));
    BitBlt(C, 80, 60, 20, 15, Source->Canvas(), 0, 0, SRCINVERT);
    C->SetPixels(119, 79, clLime);
    C->TextOut(0, 0, QStringLiteral("last"));
}

QImage Drawn(bool InPass)
{
    TBitmap source(20, 15);
    source.Canvas()->Brush()->SetColor(clGreen);
    source.Canvas()->FillRect(Rect(0, 0, 10, 15));
    ImageSurface surface(120, 80);
    TCanvas canvas;
    canvas.SetSurface(&surface);
    QPainter* pass = InPass ? surface.BeginPaint() : nullptr;
    DrawScene(&canvas, &source);
    if (pass)
        surface.EndPaint(pass);
    return surface.image().copy();
}

TEST(ImageSurfacePass, DrawsWhatSingleOperationsDraw)
{
    const QImage alone = Drawn(false), shared = Drawn(true);
    ASSERT_EQ(alone.size(), shared.size());
    int differ = 0;
    for (int y = 0; y < alone.height(); ++y)
        for (int x = 0; x < alone.width(); ++x)
            differ += alone.pixel(x, y) != shared.pixel(x, y);
    EXPECT_EQ(differ, 0);
}

TEST(ImageSurfacePass, ReplacingTheImageKeepsThePassOnTheNewOne)
{
    ImageSurface surface(10, 10);
    TCanvas canvas;
    canvas.SetSurface(&surface);
    QPainter* pass = surface.BeginPaint();
    canvas.Brush()->SetColor(clRed);
    canvas.FillRect(Rect(0, 0, 10, 10));
    surface.Resize(30, 20);
    canvas.Brush()->SetColor(clBlue);
    canvas.FillRect(Rect(20, 15, 30, 20));
    surface.SetFormat(QImage::Format_ARGB32);
    canvas.Brush()->SetColor(clLime);
    canvas.FillRect(Rect(12, 0, 14, 2));
    surface.EndPaint(pass);
    EXPECT_EQ(canvas.Pixels(5, 5), clRed) << "kept through the resize";
    EXPECT_EQ(canvas.Pixels(25, 17), clBlue);
    EXPECT_EQ(canvas.Pixels(13, 1), clLime);
    EXPECT_EQ(canvas.Pixels(15, 5), clWhite);
}

} // namespace
