// Writes a picture of edges, frame controls, fonts and gradients for a
// person to look at: <build>/gallery/graphics.png.
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Frames.h"
#include "platform/graphics/GdiPlus.h"
#include "platform/graphics/Picture.h"
#include "platform/graphics/RasterImage.h"
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

void Caption(TCanvas* C, const TRect& R, const QString& Text)
{
    TRect r = R;
    SetBkMode(C->Handle(), TRANSPARENT);
    DrawText(C->Handle(), Text, -1, &r, DT_CENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}

void Heading(TCanvas* C, int Y, const QString& Text)
{
    C->Font()->SetStyle({fsBold});
    SetBkMode(C->Handle(), TRANSPARENT);
    C->TextOut(10, Y, Text);
    C->Font()->SetStyle({});
}

void Edges(TCanvas* C, int Y)
{
    Heading(C, Y, QStringLiteral("DrawEdge"));
    struct Edge {
        const char* Name;
        unsigned Edge, Flags;
    };
    const Edge edges[] = {
        {"raised", EDGE_RAISED, BF_RECT},          {"sunken", EDGE_SUNKEN, BF_RECT},
        {"etched", EDGE_ETCHED, BF_RECT},          {"bump", EDGE_BUMP, BF_RECT},
        {"soft", EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE},
        {"flat", EDGE_SUNKEN, BF_RECT | BF_FLAT},  {"mono", EDGE_SUNKEN, BF_RECT | BF_MONO},
        {"inner", BDR_SUNKENINNER, BF_BOTTOMRIGHT},
    };
    int x = 10;
    for (const Edge& e : edges) {
        TRect r = Bounds(x, Y + 18, 56, 32);
        DrawEdge(C->Handle(), &r, e.Edge, e.Flags);
        Caption(C, Bounds(x - 4, Y + 52, 64, 14), QString::fromLatin1(e.Name));
        x += 68;
    }
}

void FrameControls(TCanvas* C, int Y)
{
    Heading(C, Y, QStringLiteral("DrawFrameControl"));
    struct Control {
        unsigned Type, State;
        int W, H;
    };
    const Control controls[] = {
        {DFC_BUTTON, DFCS_BUTTONCHECK, 13, 13},
        {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED, 13, 13},
        {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE, 13, 13},
        {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_FLAT, 13, 13},
        {DFC_BUTTON, DFCS_BUTTON3STATE | DFCS_CHECKED, 13, 13},
        {DFC_BUTTON, DFCS_BUTTONRADIO, 13, 13},
        {DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED, 13, 13},
        {DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED | DFCS_FLAT, 13, 13},
        {DFC_BUTTON, DFCS_BUTTONPUSH, 40, 22},
        {DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED, 40, 22},
        {DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_FLAT, 40, 22},
        {DFC_SCROLL, DFCS_SCROLLUP, 17, 17},
        {DFC_SCROLL, DFCS_SCROLLDOWN, 17, 17},
        {DFC_SCROLL, DFCS_SCROLLLEFT, 17, 17},
        {DFC_SCROLL, DFCS_SCROLLRIGHT, 17, 17},
        {DFC_SCROLL, DFCS_SCROLLCOMBOBOX, 17, 21},
        {DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_PUSHED, 17, 21},
        {DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_INACTIVE, 17, 21},
        {DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_FLAT, 17, 21},
        {DFC_SCROLL, DFCS_SCROLLSIZEGRIP, 17, 17},
        {DFC_CAPTION, DFCS_CAPTIONCLOSE, 18, 16},
    };
    int x = 10;
    for (const Control& c : controls) {
        TRect r = Bounds(x, Y + 18, c.W, c.H);
        DrawFrameControl(C->Handle(), &r, c.Type, c.State);
        x += c.W + 6;
    }
    DrawFocusRect(C->Handle(), Bounds(x, Y + 18, 40, 20));
}

void Fonts(TCanvas* C, int Y)
{
    Heading(C, Y, QStringLiteral("Fonts and DrawText"));
    struct Sample {
        const char* Family;
        int Size;
        TFontStyles Style;
        const char* Text;
    };
    const Sample samples[] = {
        {"Tahoma", 8, {}, "Tahoma 8: The quick brown fox 0123"},
        {"Tahoma", 8, {fsBold}, "Bold"},
        {"Tahoma", 8, {fsItalic}, "Italic"},
        {"Tahoma", 8, {fsUnderline, fsStrikeOut}, "Underline + strike"},
        {"Arial", 12, {}, "Arial 12 (falls back)"},
        {"DejaVu Sans Mono", 10, {}, "Mono 10"},
        {"Tahoma", 16, {fsBold}, "Gateway 16"},
    };
    int x = 10, y = Y + 18;
    for (const Sample& s : samples) {
        C->Font()->SetName(QString::fromLatin1(s.Family));
        C->Font()->SetSize(s.Size);
        C->Font()->SetStyle(s.Style);
        const QString text = QString::fromLatin1(s.Text);
        if (x + C->TextWidth(text) > 540) {
            x = 10;
            y += 26;
        }
        C->TextOut(x, y, text);
        x += C->TextWidth(text) + 14;
    }
    C->Font()->SetName(QStringLiteral("Tahoma"));
    C->Font()->SetSize(8);
    C->Font()->SetStyle({});
    C->Font()->SetOrientation(900);
    C->TextOut(550, Y + 80, QStringLiteral("Rotated"));
    C->Font()->SetOrientation(0);

    y += 30;
    struct Box {
        const char* Text;
        unsigned Format;
        int W;
    };
    const Box boxes[] = {
        {"End ellipsis on a long caption", DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS, 110},
        {"C:\\Projects\\Gateway\\Building\\config.xml", DT_SINGLELINE | DT_VCENTER | DT_PATH_ELLIPSIS, 130},
        {"&File && Save", DT_SINGLELINE | DT_VCENTER | DT_CENTER, 90},
        {"Right", DT_SINGLELINE | DT_VCENTER | DT_RIGHT, 60},
        {"Word break wraps this text between words", DT_WORDBREAK | DT_CENTER, 120},
    };
    x = 10;
    for (const Box& b : boxes) {
        const TRect r = Bounds(x, y, b.W, 40);
        C->Brush()->SetColor(clWindow);
        C->FillRect(r);
        C->Brush()->SetColor(clBtnShadow);
        C->FrameRect(r);
        TRect inner = r;
        InflateRect(inner, -3, -2);
        SetBkMode(C->Handle(), TRANSPARENT);
        DrawText(C->Handle(), QString::fromLatin1(b.Text), -1, &inner, b.Format);
        x += b.W + 8;
    }
}

void Gradients(TCanvas* C, int Y)
{
    Heading(C, Y, QStringLiteral("Gradients and the GDI+-style layer"));
    const int y = Y + 18;
    GradientFillRect(C, Bounds(10, y, 120, 24), clActiveCaption, clGradientActiveCaption, true);
    GradientFillRect(C, Bounds(10, y + 28, 120, 24), clWhite, clHighlight, false);

    TGPGraphics g(C->Handle());
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    // A tab: rounded top corners, gradient face, 1-pixel outline.
    TGPGraphicsPath tab;
    tab.AddLine(140, y + 52, 146, y + 4);
    tab.AddArc(146, y, 8, 8, 180, 90);
    tab.AddLine(150, y, 236, y);
    tab.AddArc(232, y, 8, 8, 270, 90);
    tab.AddLine(240, y + 4, 246, y + 52);
    tab.CloseFigure();
    TGPLinearGradientBrush face(MakePoint(0, y), MakePoint(0, y + 52), MakeColor(255, 255, 255), MakeColor(215, 228, 242));
    g.FillPath(&face, &tab);
    TGPPen outline(MakeColor(255, 137, 140, 149), 1.0f);
    g.DrawPath(&outline, &tab);
    TGPFont font(QStringLiteral("Tahoma"), 8);
    TGPLinearGradientBrush fade(MakePoint(150, 0), MakePoint(236, 0), MakeColor(255, 0, 0, 0), MakeColor(0, 0, 0, 0));
    const float factors[] = {0, 0, 1};
    const float positions[] = {0, 0.85f, 1};
    fade.SetBlend(factors, positions, 3);
    TGPStringFormat format(StringFormatFlagsNoWrap);
    format.SetLineAlignment(StringAlignmentCenter);
    g.DrawString(QStringLiteral("Tab & caption fading out"), -1, &font, TGPRectF{150, float(y + 10), 86, 30}, &format, &fade);

    // Close button: circle and cross.
    TGPSolidBrush red(MakeColor(255, 199, 80, 80));
    g.FillEllipse(&red, TGPRectF{256, float(y + 18), 16, 16});
    TGPPen white(MakeColor(255, 255, 255, 255), 1.5f);
    g.DrawLine(&white, 260, y + 22, 268, y + 30);
    g.DrawLine(&white, 268, y + 22, 260, y + 30);

    // Glow and a tiled gradient.
    TGPGraphicsPath glowPath;
    glowPath.AddEllipse(284, y, 60, 52);
    TGPPathGradientBrush glow(&glowPath);
    glow.SetCenterColor(MakeColor(200, 255, 255, 255));
    ARGB edge = MakeColor(0, 255, 255, 255);
    int n = 1;
    glow.SetSurroundColors(&edge, &n);
    TGPSolidBrush dark(MakeColor(255, 60, 90, 140));
    g.FillRectangle(&dark, 284, y, 60, 52);
    g.FillPath(&glow, &glowPath);
    TGPLinearGradientBrush tiled(MakePoint(0, y), MakePoint(0, y + 13), MakeColor(255, 51, 153, 255), MakeColor(255, 255, 255, 255));
    g.FillRectangle(&tiled, 354, y, 50, 52);
    TGPPen spinner(MakeColor(255, 51, 153, 255), 2.5f);
    g.DrawArc(&spinner, TGPRectF{414, float(y + 8), 36, 36}, -90, 270);

    // Canvas shapes, pen styles and an XOR line.
    C->Pen()->SetColor(clNavy);
    C->Brush()->SetColor(clInfoBk);
    C->RoundRect(460, y, 540, y + 24, 10, 10);
    C->Brush()->SetColor(clMoneyGreen);
    C->Ellipse(460, y + 28, 500, y + 52);
    C->Polygon({{505, y + 52}, {522, y + 28}, {540, y + 52}});
    const TPenStyle styles[] = {psSolid, psDash, psDot, psDashDot, psDashDotDot};
    for (int i = 0; i < 5; ++i) {
        C->Pen()->SetStyle(styles[i]);
        C->MoveTo(10, y + 62 + 4 * i);
        C->LineTo(250, y + 62 + 4 * i);
    }
    C->Pen()->SetStyle(psSolid);
    C->Pen()->SetMode(pmXor);
    C->Pen()->SetColor(clWhite);
    C->Pen()->SetWidth(3);
    C->MoveTo(270, y + 70);
    C->LineTo(540, y + 70);
    C->Pen()->SetMode(pmCopy);
    C->Pen()->SetWidth(1);
}

TEST(Gallery, WritesAPictureOfTheDrawingPrimitives)
{
    TBitmap page(580, 420);
    TCanvas* c = page.Canvas();
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(Rect(0, 0, 580, 420));
    Edges(c, 8);
    FrameControls(c, 84);
    Fonts(c, 134);
    Gradients(c, 290);

    const QString dir = QStringLiteral(STRATAGON_GALLERY_DIR);
    ASSERT_TRUE(QDir().mkpath(dir));
    const QString file = dir + QStringLiteral("/graphics.png");
    TPngImage png;
    png.Assign(&page);
    png.SaveToFile(file);

    // The frame controls four times enlarged, to check single pixels.
    TBitmap zoom(580 * 2, 44 * 4);
    zoom.Canvas()->CopyRect(Rect(0, 0, 290 * 4, 44 * 4), page.Canvas(), Bounds(0, 98, 290, 44));
    TBitmap zoom2(290 * 4, 44 * 4);
    zoom2.Canvas()->CopyRect(Rect(0, 0, 290 * 4, 44 * 4), page.Canvas(), Bounds(290, 98, 290, 44));
    TPngImage zoomed;
    zoomed.Assign(&zoom);
    zoomed.SaveToFile(dir + QStringLiteral("/graphics-zoom-1.png"));
    zoomed.Assign(&zoom2);
    zoomed.SaveToFile(dir + QStringLiteral("/graphics-zoom-2.png"));

    TPicture back;
    back.LoadFromFile(file);
    EXPECT_EQ(back.Width(), 580);
    EXPECT_EQ(back.Height(), 420);
}

} // namespace
