#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

// Bounds of every pixel that is not white.
TRect Ink(TBitmap& Bmp)
{
    TRect r{Bmp.Width(), Bmp.Height(), 0, 0};
    for (int y = 0; y < Bmp.Height(); ++y)
        for (int x = 0; x < Bmp.Width(); ++x)
            if (Bmp.Canvas()->Pixels(x, y) != clWhite) {
                r.Left = std::min(r.Left, x);
                r.Top = std::min(r.Top, y);
                r.Right = std::max(r.Right, x + 1);
                r.Bottom = std::max(r.Bottom, y + 1);
            }
    return r;
}

std::vector<TColor> Pixels(TBitmap& Bmp)
{
    std::vector<TColor> out;
    for (int y = 0; y < Bmp.Height(); ++y)
        for (int x = 0; x < Bmp.Width(); ++x)
            out.push_back(Bmp.Canvas()->Pixels(x, y));
    return out;
}

class CanvasText : public testing::Test {
protected:
    CanvasText() : Bmp(200, 40)
    {
        C = Bmp.Canvas();
        SetBkMode(C->Handle(), TRANSPARENT);
    }
    void Clear()
    {
        C->Brush()->SetColor(clWhite);
        C->FillRect(Rect(0, 0, Bmp.Width(), Bmp.Height()));
        SetBkMode(C->Handle(), TRANSPARENT);
    }
    // Draws Text into R after clearing the image; returns DrawText's result.
    int Draw(const QString& Text, TRect R, unsigned Format)
    {
        Clear();
        return DrawText(C->Handle(), Text, -1, &R, Format);
    }
    std::vector<TColor> Drawn(const QString& Text, unsigned Format)
    {
        Draw(Text, Rect(0, 0, 200, 40), Format);
        return Pixels(Bmp);
    }

    TBitmap Bmp;
    TCanvas* C;
};

TEST_F(CanvasText, HorizontalAlignment)
{
    const TRect box = Rect(10, 0, 190, 40);
    Draw(QStringLiteral("Caption"), box, DT_LEFT | DT_SINGLELINE);
    const TRect left = Ink(Bmp);
    EXPECT_GE(left.Left, 10);
    EXPECT_LE(left.Left, 12);

    Draw(QStringLiteral("Caption"), box, DT_RIGHT | DT_SINGLELINE);
    const TRect right = Ink(Bmp);
    EXPECT_LE(right.Right, 190);
    EXPECT_GE(right.Right, 187);
    EXPECT_EQ(right.Width(), left.Width());

    Draw(QStringLiteral("Caption"), box, DT_CENTER | DT_SINGLELINE);
    const TRect centre = Ink(Bmp);
    EXPECT_LE(std::abs((centre.Left - box.Left) - (box.Right - centre.Right)), 3);
}

TEST_F(CanvasText, VerticalAlignmentOfASingleLine)
{
    const TRect box = Rect(0, 0, 200, 40);
    Draw(QStringLiteral("Caption"), box, DT_SINGLELINE | DT_TOP);
    const TRect top = Ink(Bmp);
    const int bottomReturn = Draw(QStringLiteral("Caption"), box, DT_SINGLELINE | DT_BOTTOM);
    const TRect bottom = Ink(Bmp);
    Draw(QStringLiteral("Caption"), box, DT_SINGLELINE | DT_VCENTER);
    const TRect middle = Ink(Bmp);
    EXPECT_LT(top.Top, 5);
    EXPECT_GT(bottom.Bottom, 34);
    EXPECT_EQ(bottomReturn, 40) << "offset from the top to the text's bottom";
    EXPECT_NEAR((middle.Top + middle.Bottom) / 2.0, 20.0, 3.0);
}

TEST_F(CanvasText, EndEllipsisKeepsTheTextInsideItsBox)
{
    const QString text = QStringLiteral("A rather long caption that does not fit");
    const TRect box = Rect(0, 0, 80, 40);
    Draw(text, box, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(Ink(Bmp).Right, 80) << "without ellipsis the text runs on";
    Draw(text, box, DT_SINGLELINE | DT_NOCLIP | DT_END_ELLIPSIS);
    EXPECT_LE(Ink(Bmp).Right, 80);
    EXPECT_GT(Ink(Bmp).Right, 50);
    Draw(QStringLiteral("C:\\Projects\\Gateway\\Building A\\config.xml"), box,
         DT_SINGLELINE | DT_NOCLIP | DT_PATH_ELLIPSIS);
    EXPECT_LE(Ink(Bmp).Right, 80);
    Draw(QStringLiteral("Short"), box, DT_SINGLELINE | DT_END_ELLIPSIS);
    const TRect shortInk = Ink(Bmp);
    Draw(QStringLiteral("Short"), box, DT_SINGLELINE);
    EXPECT_EQ(Ink(Bmp), shortInk) << "a text that fits is left alone";
}

TEST_F(CanvasText, WordEllipsisCutsAtAWordBoundary)
{
    struct WordCase {
        const char* Name;
        QString Text;
        QString FitsWith; // the box is as wide as this text
        QString Shown;
    };
    const WordCase cases[] = {
        {"after the last whole word", QStringLiteral("A rather long caption"), QStringLiteral("A rather long cap..."),
         QStringLiteral("A rather long...")},
        {"blanks before the cut dropped", QStringLiteral("Gateway   configuration"),
         QStringLiteral("Gateway   conf..."), QStringLiteral("Gateway...")},
        {"one word too wide is cut inside", QStringLiteral("Configuration"), QStringLiteral("Configur..."),
         QStringLiteral("Configur...")},
    };
    for (const WordCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const TRect box = Rect(0, 0, C->TextWidth(c.FitsWith), 40);
        Draw(c.Text, box, DT_SINGLELINE | DT_NOPREFIX | DT_WORD_ELLIPSIS);
        const auto cut = Pixels(Bmp);
        Draw(c.Shown, box, DT_SINGLELINE | DT_NOPREFIX);
        EXPECT_EQ(cut, Pixels(Bmp));
    }
}

TEST_F(CanvasText, PrefixCharacters)
{
    struct PrefixCase {
        const char* Name;
        QString A;
        unsigned FormatA;
        QString B;
        unsigned FormatB;
        bool Same;
    };
    const PrefixCase cases[] = {
        {"double ampersand draws one", QStringLiteral("Save && Exit"), 0, QStringLiteral("Save & Exit"), DT_NOPREFIX, true},
        {"hidden prefix draws no underline", QStringLiteral("&File"), DT_HIDEPREFIX, QStringLiteral("File"), DT_NOPREFIX, true},
        {"prefix underlines its letter", QStringLiteral("&File"), 0, QStringLiteral("File"), DT_NOPREFIX, false},
        {"no prefix shows the ampersand", QStringLiteral("&File"), DT_NOPREFIX, QStringLiteral("File"), DT_NOPREFIX, false},
    };
    for (const PrefixCase& c : cases) {
        const auto a = Drawn(c.A, DT_SINGLELINE | c.FormatA);
        const auto b = Drawn(c.B, DT_SINGLELINE | c.FormatB);
        EXPECT_EQ(a == b, c.Same) << c.Name;
    }
    // The underline sits under the first letter only.
    Draw(QStringLiteral("&File"), Rect(0, 0, 200, 40), DT_SINGLELINE);
    const auto underlined = Pixels(Bmp);
    const auto plain = Drawn(QStringLiteral("File"), DT_SINGLELINE | DT_NOPREFIX);
    int minX = 200, maxX = 0;
    for (size_t i = 0; i < plain.size(); ++i)
        if (plain[i] != underlined[i]) {
            minX = std::min(minX, int(i % 200));
            maxX = std::max(maxX, int(i % 200));
        }
    EXPECT_LT(maxX - minX, C->TextWidth(QStringLiteral("F")) + 1);
}

TEST_F(CanvasText, CalcRectMeasuresWithoutDrawing)
{
    Clear();
    TRect r = Rect(5, 5, 300, 5);
    const int h = DrawText(C->Handle(), QStringLiteral("Caption"), -1, &r, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(h, C->TextHeight(QStringLiteral("Caption")));
    EXPECT_EQ(r, Rect(5, 5, 5 + C->TextWidth(QStringLiteral("Caption")), 5 + h));
    EXPECT_EQ(Ink(Bmp).Right, 0) << "nothing drawn";

    TRect wrapped = Rect(0, 0, 60, 0);
    const int lines = DrawText(C->Handle(), QStringLiteral("one two three four five"), -1, &wrapped,
                               DT_CALCRECT | DT_WORDBREAK);
    EXPECT_GE(lines, 3 * h);
    EXPECT_LE(wrapped.Right, 60);
    EXPECT_EQ(wrapped.Bottom, lines);

    TRect twoLines = Rect(0, 0, 300, 0);
    EXPECT_EQ(DrawText(C->Handle(), QStringLiteral("first\nsecond"), -1, &twoLines, DT_CALCRECT), 2 * h);
}

TEST_F(CanvasText, WordBreakWrapsBetweenWords)
{
    Bmp.SetSize(60, 80);
    Draw(QStringLiteral("one two three"), Rect(0, 0, 60, 80), DT_WORDBREAK);
    const TRect ink = Ink(Bmp);
    EXPECT_GT(ink.Height(), C->TextHeight(QStringLiteral("one")));
    EXPECT_LE(ink.Right, 60);

    // A word wider than the box is only broken in an edit-control layout.
    const QString word = QStringLiteral("Configurationfile");
    Draw(word, Rect(0, 0, 40, 80), DT_WORDBREAK | DT_NOCLIP);
    EXPECT_GT(Ink(Bmp).Right, 40);
    Draw(word, Rect(0, 0, 40, 80), DT_WORDBREAK | DT_EDITCONTROL | DT_NOCLIP);
    EXPECT_LE(Ink(Bmp).Right, 40);
    EXPECT_GT(Ink(Bmp).Height(), C->TextHeight(word));
}

TEST_F(CanvasText, TallTextKeepsWholeLinesInEditControlLayout)
{
    const QString text = QStringLiteral("one two three four five six seven eight nine ten");
    const int line = C->TextHeight(QStringLiteral("Ag"));
    Bmp.SetSize(60, 120);
    struct FitCase {
        const char* Name;
        unsigned Format;
        int MaxBottom;
    };
    const FitCase cases[] = {
        {"edit control drops the partial line", DT_WORDBREAK | DT_EDITCONTROL | DT_NOCLIP, line},
        {"ellipsis on the last whole line", DT_WORDBREAK | DT_EDITCONTROL | DT_END_ELLIPSIS | DT_NOCLIP, line},
        {"plain word break shows the partial line", DT_WORDBREAK, line + line / 2},
    };
    for (const FitCase& c : cases) {
        Draw(text, Rect(0, 0, 60, line + line / 2), c.Format);
        EXPECT_LE(Ink(Bmp).Bottom, c.MaxBottom) << c.Name;
        EXPECT_GT(Ink(Bmp).Bottom, c.MaxBottom - line / 2) << c.Name;
    }
}

TEST_F(CanvasText, BackgroundFollowsTheBrush)
{
    Clear();
    C->Brush()->SetColor(clRed);
    C->TextOut(2, 2, QStringLiteral("x"));
    EXPECT_EQ(C->Pixels(2, 2), clRed) << "solid brush: opaque background";
    Clear();
    C->Brush()->SetStyle(bsClear);
    C->TextOut(2, 2, QStringLiteral("x"));
    EXPECT_EQ(C->Pixels(2, 2), clWhite) << "clear brush: transparent";
    EXPECT_EQ(C->PenPos(), Point(2 + C->TextWidth(QStringLiteral("x")), 2));

    Clear();
    C->Brush()->SetColor(clYellow);
    C->TextRect(Rect(20, 5, 80, 30), 22, 6, QStringLiteral("A long text clipped to its rectangle"));
    EXPECT_EQ(C->Pixels(79, 29), clYellow) << "the whole rectangle is filled";
    EXPECT_EQ(C->Pixels(80, 8), clWhite) << "nothing past the rectangle";
}

TEST_F(CanvasText, MissingFontFamilyMeasuresAsDejaVuSans)
{
    C->Font()->SetName(QStringLiteral("DejaVu Sans"));
    const TSize dejavu = C->TextExtent(QStringLiteral("Gateway 42"));
    C->Font()->SetName(QStringLiteral("No Such Family"));
    EXPECT_EQ(C->TextExtent(QStringLiteral("Gateway 42")), dejavu);
    C->Font()->SetName(QStringLiteral("Tahoma"));
    EXPECT_EQ(C->TextExtent(QStringLiteral("Gateway 42")), dejavu);
}

TEST(FontSize, PointsAndPixelsAt96Dpi)
{
    struct SizeCase {
        int Size;
        int Height;
    };
    const SizeCase cases[] = {{8, -11}, {9, -12}, {10, -13}, {12, -16}, {18, -24}};
    for (const SizeCase& c : cases) {
        TFont f;
        f.SetSize(c.Size);
        EXPECT_EQ(f.Height(), c.Height) << c.Size;
        f.SetHeight(c.Height);
        EXPECT_EQ(f.Size(), c.Size) << c.Size;
    }
    TFont a, b;
    int changes = 0;
    b.OnChange = [&changes](TObject*) { ++changes; };
    a.SetName(QStringLiteral("Courier New"));
    a.SetStyle({fsBold, fsItalic});
    a.SetOrientation(900);
    b.Assign(&a);
    EXPECT_EQ(b.Name(), QStringLiteral("Courier New"));
    EXPECT_EQ(b.Style(), TFontStyles({fsBold, fsItalic}));
    EXPECT_EQ(b.Orientation(), 900);
    EXPECT_EQ(changes, 1);
}

TEST(LoMetricText, IsNeitherMirroredNorMoved)
{
    TBitmap screen(60, 30), page(60, 30);
    SetBkMode(screen.Canvas()->Handle(), TRANSPARENT);
    screen.Canvas()->TextOut(5, 5, QStringLiteral("Tg"));
    TCanvas* c = page.Canvas();
    SetBkMode(c->Handle(), TRANSPARENT);
    SetMapMode(c->Handle(), MM_LOMETRIC);
    c->Font()->SetHeight(-29); // 11 pixels at 96 dpi
    c->TextOut(13, -13, QStringLiteral("Tg"));
    SetMapMode(c->Handle(), MM_TEXT);
    EXPECT_EQ(Pixels(page), Pixels(screen));
}

} // namespace
