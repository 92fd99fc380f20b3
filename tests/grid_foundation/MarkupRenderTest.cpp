#include "grid/foundation/MarkupRender.h"
#include "grid/foundation/PictureContainer.h"
#include "grid/foundation/ThemeBinding.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"
#include "tests/support/QStringPrinter.h"
#include <gtest/gtest.h>

namespace {

// One call of the renderer with the arguments a test cares about.
struct Render {
    TCanvas* Canvas = nullptr;
    TRect Bounds{0, 0, 300, 100};
    TCustomImageList* Images = nullptr;
    int MouseX = -1;
    int MouseY = -1;
    int FocusAnchorIndex = -1;
    int HoverAnchorNumber = 0;
    bool HitTestOnly = false;
    bool MeasureOnly = false;
    bool SelectedMode = false;
    bool BlinkOn = true;
    bool HoverOnly = true;
    bool WrapWords = true;
    TColor LinkColor = clBlue;
    TColor HoverBackColor = clNone;
    TColor HoverTextColor = clNone;
    THTMLPictureCache* Cache = nullptr;
    TPictureContainer* Container = nullptr;

    QString LinkAtMouse, PlainText, FocusLink, TitleAtMouse, ControlID, ControlValue, ControlType;
    int ExtentX = -1, ExtentY = -1, AnchorCount = -1, AnchorAtMouse = 0;
    TRect AnchorRect, ControlRect;

    bool operator()(const QString& Text)
    {
        return RenderHTMLText(Canvas, Text, Bounds, Images, MouseX, MouseY, FocusAnchorIndex, HoverAnchorNumber, 1,
                              HitTestOnly, MeasureOnly, false, SelectedMode, BlinkOn, HoverOnly, WrapWords, false,
                              1.0, LinkColor, HoverBackColor, HoverTextColor, clGray, LinkAtMouse, PlainText,
                              FocusLink, TitleAtMouse, ExtentX, ExtentY, AnchorCount, AnchorAtMouse, AnchorRect,
                              ControlRect, ControlID, ControlValue, ControlType, Cache, Container, nullptr, 0);
    }
};

class MarkupRender : public testing::Test {
protected:
    MarkupRender() : Bmp(300, 100)
    {
        C = Bmp.Canvas();
        C->Font()->SetName("DejaVu Sans");
        C->Font()->SetSize(8);
        C->Font()->SetColor(clBlack);
        // Exact colours: no antialiased edges.
        C->Font()->SetQuality(fqNonAntialiased);
        Clear();
    }
    void Clear()
    {
        C->Brush()->SetColor(clWhite);
        C->FillRect(Rect(0, 0, Bmp.Width(), Bmp.Height()));
    }
    Render Measure()
    {
        Render r;
        r.Canvas = C;
        r.MeasureOnly = true;
        return r;
    }
    Render Draw()
    {
        Render r;
        r.Canvas = C;
        return r;
    }
    // Width of Text in the canvas font, as a run is measured.
    int W(const QString& Text)
    {
        TRect r{0, 0, 0, 0};
        DrawText(C, Text, -1, &r, DT_SINGLELINE | DT_CALCRECT);
        return r.Right;
    }
    int Gh() { return C->TextHeight("gh"); }
    int Count(TColor Color, TRect Area = {0, 0, 300, 100})
    {
        int n = 0;
        for (int y = Area.Top; y < Area.Bottom; ++y)
            for (int x = Area.Left; x < Area.Right; ++x)
                n += C->Pixels(x, y) == Color;
        return n;
    }
    std::vector<TColor> Image()
    {
        std::vector<TColor> out;
        for (int y = 0; y < Bmp.Height(); ++y)
            for (int x = 0; x < Bmp.Width(); ++x)
                out.push_back(C->Pixels(x, y));
        return out;
    }

    TBitmap Bmp;
    TCanvas* C;
};

// Measuring

struct MeasureCase {
    const char* Name;
    QString Markup;
    QString Plain;
    std::vector<QString> Runs; // the visible runs, summed for ExtentX
    int Lines;
};

class MarkupMeasure : public MarkupRender, public testing::WithParamInterface<MeasureCase> {};

TEST_P(MarkupMeasure, PlainTextAndExtents)
{
    const MeasureCase& c = GetParam();
    Render r = Measure();
    EXPECT_FALSE(r(c.Markup));
    EXPECT_EQ(r.PlainText, c.Plain);
    int width = 0;
    for (const QString& run : c.Runs)
        width += W(run);
    EXPECT_EQ(r.ExtentX, width);
    EXPECT_EQ(r.ExtentY, c.Lines * Gh());
}

INSTANTIATE_TEST_SUITE_P(
    MarkupRender, MarkupMeasure,
    testing::Values(MeasureCase{"Empty", "", "", {}, 1}, MeasureCase{"Plain", "abc", "abc", {"abc"}, 1},
                    MeasureCase{"Break", "ab<br>c", "ab\rc", {"ab"}, 2},
                    MeasureCase{"CarriageReturn", "ab\r\nc", "ab\rc", {"ab"}, 2},
                    MeasureCase{"UnknownTagsSkipped", "a<q>b<BIG>c<xyz>d", "abcd", {"a", "b", "c", "d"}, 1},
                    MeasureCase{"OpenTagDropsRest", "ab<cd efg", "ab", {"ab"}, 1},
                    MeasureCase{"LoneBracketAtEnd", "ab<c", "ab", {"ab"}, 1},
                    MeasureCase{"EscapedBrackets", "&lt;b&gt;", "<b>", {"<b>"}, 1},
                    MeasureCase{"NonBreakingSpace", "a&nbsp;b", "a b", {"a b"}, 1},
                    MeasureCase{"HashInBrackets", "x<#12>", "x#12", {"x#12"}, 1},
                    MeasureCase{"AmpersandEntity", "x&amp;y", "x&&y", {"x&&y"}, 1},
                    MeasureCase{"QuoteEntityAnyCase", "&QUOT;q&euro;", QString::fromUtf8("\"q€"),
                                {QString::fromUtf8("\"q€")}, 1},
                    MeasureCase{"HiddenTakesNoWidth", "<Z>hid</Z>den", "hidden", {"den"}, 1},
                    MeasureCase{"ListBreaksLine", "abc<UL>d</UL>", "abcd", {"abc"}, 2}),
    [](const testing::TestParamInfo<MeasureCase>& Info) { return std::string(Info.param.Name); });

TEST_F(MarkupRender, FontTagExtents)
{
    TFont big;
    big.Assign(C->Font());
    big.SetSize(12);
    TBitmap other(10, 10);
    other.Canvas()->Font()->Assign(&big);
    const TSize gh12 = other.Canvas()->TextExtent("gh");

    Render r = Measure();
    r("<FONT SIZE=\"3\">gh</FONT>");
    EXPECT_EQ(r.ExtentX, gh12.cx);
    EXPECT_EQ(r.ExtentY, gh12.cy);
    // Upper or lower case, the same tag.
    Render lower = Measure();
    lower("<font size=\"3\">gh</font>");
    EXPECT_EQ(lower.ExtentX, gh12.cx);

    Render bold = Measure();
    bold("a<b>bc</b>d");
    TFont b;
    b.Assign(C->Font());
    b.SetStyle(TFontStyles{fsBold});
    other.Canvas()->Font()->Assign(&b);
    TRect br{0, 0, 0, 0};
    DrawText(other.Canvas(), "bc", -1, &br, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(bold.ExtentX, W("a") + br.Right + W("d"));
    EXPECT_GT(br.Right, W("bc"));
    // The canvas font comes back.
    EXPECT_EQ(C->Font()->Size(), 8);
    EXPECT_FALSE(C->Font()->Style().Contains(fsBold));
}

TEST_F(MarkupRender, WordWrap)
{
    Render r = Measure();
    r.Bounds = Rect(0, 0, W("aaa ") + W("bbb ") + 3, 100);
    r("aaa bbb ccc");
    EXPECT_EQ(r.ExtentY, 2 * Gh());
    // The blank ending a line does not count.
    EXPECT_EQ(r.ExtentX, W("aaa ") + W("bbb ") - W(" "));

    // A word wider than the rectangle stays whole on its line.
    Render longWord = Measure();
    longWord.Bounds = Rect(0, 0, 20, 100);
    longWord("abcdefghij");
    EXPECT_EQ(longWord.ExtentY, Gh());
    EXPECT_EQ(longWord.ExtentX, W("abcdefghij"));

    // Words joined by tags without blanks never break apart.
    Render joined = Measure();
    joined.Bounds = Rect(0, 0, W("xx ") + 3, 100);
    joined("xx yy<b>zz</b>ww");
    EXPECT_EQ(joined.ExtentY, 2 * Gh());

    // Without word wrap only tags break lines.
    Render noWrap = Measure();
    noWrap.WrapWords = false;
    noWrap.Bounds = Rect(0, 0, 30, 100);
    noWrap("aaa bbb ccc<br>d");
    EXPECT_EQ(noWrap.ExtentY, 2 * Gh());
    // ... and the first run that overflows after another run ends the text.
    Render overflow = Measure();
    overflow.WrapWords = false;
    overflow.Bounds = Rect(0, 0, W("aaa ") + 4, 100);
    overflow("aaa <i>bbb</i><br>ccc");
    EXPECT_EQ(overflow.ExtentY, Gh());
    EXPECT_EQ(overflow.PlainText, "aaa bbb");
}

TEST_F(MarkupRender, ListItems)
{
    Render r = Measure();
    r("<UL><LI>a<LI>b</UL>");
    // One line for the list tag, one per item, each indented one level.
    EXPECT_EQ(r.ExtentY, 3 * Gh());
    EXPECT_EQ(r.ExtentX, 12 + std::max(W("a"), W("b")));
    EXPECT_EQ(r.PlainText, "ab");
}

TEST_F(MarkupRender, DrawingStopsAtTheLastWholeLine)
{
    Render measure = Measure();
    measure.Bounds = Rect(0, 0, 300, 2 * Gh() + 2);
    measure("a<br>b<br>c");
    EXPECT_EQ(measure.ExtentY, 3 * Gh());

    Render draw = Draw();
    draw.Bounds = measure.Bounds;
    draw("a<br>b<br>c");
    EXPECT_EQ(draw.ExtentY, 2 * Gh());
}

TEST_F(MarkupRender, MeasureOnlyDrawsNothing)
{
    const std::vector<TColor> before = Image();
    Render r = Measure();
    EXPECT_FALSE(r("<font color=\"clred\">abc</font> <a href=\"x\">link</a>"));
    EXPECT_EQ(Image(), before);
    EXPECT_EQ(r.AnchorCount, 1);
    EXPECT_EQ(r.PlainText, "abc link");
}

// Colours on the canvas

struct ColorCase {
    const char* Name;
    QString Markup;
    TColor Expected;
    TColor Absent;
};

class MarkupColor : public MarkupRender, public testing::WithParamInterface<ColorCase> {};

TEST_P(MarkupColor, TextDrawnInColor)
{
    C->Font()->SetColor(clGreen);
    Render r = Draw();
    r(GetParam().Markup);
    EXPECT_GT(Count(GetParam().Expected), 10);
    EXPECT_EQ(Count(GetParam().Absent), 0);
}

INSTANTIATE_TEST_SUITE_P(
    MarkupRender, MarkupColor,
    testing::Values(ColorCase{"HexRed", "<FONT COLOR=\"#FF0000\">WWW</FONT>", clRed, clGreen},
                    ColorCase{"HexLowerCase", "<font color=\"#ff0000\">WWW</font>", clRed, clGreen},
                    ColorCase{"NamedNavy", "<FONT COLOR=\"clnavy\">WWW</FONT>", RGB(0, 0, 128), clGreen},
                    ColorCase{"UnknownNameBlack", "<FONT COLOR=\"clnothing\">WWW</FONT>", clBlack, clGreen},
                    ColorCase{"FontEndRestores", "<FONT COLOR=\"#FF0000\">W</FONT>WW", clGreen, clBlack},
                    ColorCase{"ParagraphBackground", "<P BGCOLOR=\"#FFFF00\">WWW</P>", clYellow, clBlack},
                    ColorCase{"BodyBackground", "<BODY BGCOLOR=\"CLAQUA\">WWW", clAqua, clBlack},
                    ColorCase{"LinkColour", "<A HREF=\"x\">WWW</A>", clBlue, clGreen}),
    [](const testing::TestParamInfo<ColorCase>& Info) { return std::string(Info.param.Name); });

TEST_F(MarkupRender, SelectedModeKeepsColours)
{
    C->Font()->SetColor(clGreen);
    Render r = Draw();
    r.SelectedMode = true;
    r("<FONT COLOR=\"#FF0000\">WWW</FONT><A HREF=\"x\">WW</A>");
    EXPECT_EQ(Count(clRed), 0);
    EXPECT_EQ(Count(clBlue), 0);
    EXPECT_GT(Count(clGreen), 10);
}

TEST_F(MarkupRender, OpenBracketShowsOnlyTextBeforeIt)
{
    Draw()("a");
    const std::vector<TColor> a = Image();
    Clear();
    Draw()("a<b");
    EXPECT_EQ(Image(), a);
    Clear();
    Draw()("a<b c d");
    EXPECT_EQ(Image(), a);
}

TEST_F(MarkupRender, AmpersandUnderlinesNextCharacter)
{
    Draw()("&&x");
    const std::vector<TColor> literal = Image();
    Clear();
    Draw()("&amp;x");
    EXPECT_EQ(Image(), literal);
    Clear();
    Draw()("&x");
    const std::vector<TColor> underlined = Image();
    Clear();
    Draw()("x");
    EXPECT_NE(Image(), underlined);
    EXPECT_NE(Image(), literal);
}

TEST_F(MarkupRender, HighlightAndErrorMark)
{
    SetHTMLHighlightColors(clYellow, clRed);
    Draw()("a<HI>WW</HI>b");
    EXPECT_GT(Count(clYellow), 10);
    EXPECT_GT(Count(clRed), 5);
    SetHTMLHighlightColors(clHighlight, clHighlightText);

    Clear();
    C->Font()->SetColor(clBlack);
    Draw()("<E>abc</E>");
    // The zigzag lies around the text's bottom, below the letters.
    const int bottom = Gh();
    EXPECT_GT(Count(clRed, Rect(0, bottom - 1, 40, bottom + 2)), 5);
}

// Hyperlinks

TEST_F(MarkupRender, AnchorsAreCountedAndHitTested)
{
    const QString text = "<a href=\"one\">first</a> and <A HREF=\"Two\" TITLE=\"Second link\">second</a>";
    const int left = 1 + W("first") + W(" ") + W("and ");
    Render r = Draw();
    r.HitTestOnly = true;
    r.MouseX = left + 3;
    r.MouseY = Gh() / 2;
    EXPECT_TRUE(r(text));
    EXPECT_EQ(r.AnchorCount, 2);
    EXPECT_EQ(r.AnchorAtMouse, 2);
    EXPECT_EQ(r.LinkAtMouse, "Two");
    EXPECT_EQ(r.TitleAtMouse, "Second link");
    EXPECT_EQ(r.AnchorRect, Rect(left, 0, left + W("second"), Gh()));

    Render first = Draw();
    first.HitTestOnly = true;
    first.MouseX = 4;
    first.MouseY = Gh() / 2;
    EXPECT_TRUE(first(text));
    EXPECT_EQ(first.AnchorAtMouse, 1);
    EXPECT_EQ(first.LinkAtMouse, "one");

    Render between = Draw();
    between.HitTestOnly = true;
    between.MouseX = 1 + W("first") + 4;
    between.MouseY = Gh() / 2;
    between.LinkAtMouse = "kept";
    EXPECT_FALSE(between(text));
    EXPECT_EQ(between.AnchorAtMouse, -1);
    EXPECT_EQ(between.LinkAtMouse, "kept");

    Render below = Draw();
    below.HitTestOnly = true;
    below.MouseX = 4;
    below.MouseY = Gh() + 5;
    EXPECT_FALSE(below(text));
    EXPECT_EQ(below.AnchorAtMouse, -1);
}

TEST_F(MarkupRender, FocusedAnchor)
{
    Render r = Draw();
    r.FocusAnchorIndex = 0;
    r("<a href=\"one\">first</a> <a href=\"two\">second</a>");
    EXPECT_EQ(r.FocusLink, "one");
    // The focus rectangle is a dotted frame around the first hyperlink.
    EXPECT_LT(Count(clWhite, Rect(0, 0, 1, Gh())), Gh());

    Render second = Draw();
    second.FocusAnchorIndex = 1;
    second("<a href=\"one\">first</a> <a href=\"two\">second</a>");
    EXPECT_EQ(second.FocusLink, "two");
}

// Pictures

TEST_F(MarkupRender, PicturesByNameAndSize)
{
    TPictureContainer container;
    TPictureItem* item = container.Items()->Add();
    item->SetName("Logo");
    item->Picture()->LoadFromFile(STRATAGON_TEST_DATA "/grid_foundation/single-frame.gif");
    ASSERT_FALSE(item->Picture()->Empty());

    Render r = Draw();
    r.Container = &container;
    r("<img src=\"logo\">");
    EXPECT_EQ(r.ExtentX, 8);
    EXPECT_EQ(r.ExtentY, std::max(6, Gh()));
    EXPECT_EQ(Count(clLime, Rect(1, 0, 9, 6)), 48);

    Render stretched = Measure();
    stretched.Container = &container;
    stretched("<IMG SRC=\"LOGO\" WIDTH=\"16\">");
    EXPECT_EQ(stretched.ExtentX, 16);
    Render both = Measure();
    both.Container = &container;
    both("<IMG SRC=\"LOGO\" WIDTH=\"40\" HEIGHT=\"30\">");
    EXPECT_EQ(both.ExtentX, 40);
    EXPECT_EQ(both.ExtentY, 30);

    // Unknown names, missing containers and bad indexes take no space.
    Render none = Measure();
    none("a<img src=\"logo\"><img src=\"idx:0\"><img src=\"ssys:12\">b");
    EXPECT_EQ(none.ExtentX, W("a") + W("b"));
}

TEST_F(MarkupRender, PictureCacheLoadsByLocationOnce)
{
    THTMLPictureCache cache;
    const QString url = QStringLiteral("FILE://" STRATAGON_TEST_DATA "/grid_foundation/three-frames.gif");
    Render r = Measure();
    r.Cache = &cache;
    r("<img src=\"" + url + "\">");
    ASSERT_EQ(cache.Count(), 1);
    EXPECT_EQ(cache.GetPicture(0)->ID(), url);
    EXPECT_EQ(r.ExtentX, 8);

    // A location that cannot load stays one empty picture.
    for (int i = 0; i < 3; ++i)
        r("<img src=\"http://example.invalid/x.gif\">");
    EXPECT_EQ(cache.Count(), 2);
    EXPECT_EQ(r.ExtentX, 0);
}

TEST_F(MarkupRender, ImageListPictures)
{
    TImageList list(10, 8);
    TBitmap red(10, 8);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect(Rect(0, 0, 10, 8));
    list.Add(&red, nullptr);
    Render r = Draw();
    r.Images = &list;
    r("a<img src=\"IDX:0\">");
    EXPECT_EQ(r.ExtentX, W("a") + 10);
    EXPECT_EQ(Count(clRed), 80);
}

// Form-control elements

TEST_F(MarkupRender, ControlElements)
{
    const QString text = "a<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"v\" WIDTH=\"50\">"
                         "<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"TRUE\" WIDTH=\"15\">";
    Render r = Draw();
    r.HitTestOnly = true;
    r.MouseX = 1 + W("a") + 10;
    r.MouseY = 5;
    EXPECT_TRUE(r(text));
    EXPECT_EQ(r.LinkAtMouse, "ctrl");
    EXPECT_EQ(r.ControlID, "e1");
    EXPECT_EQ(r.ControlType, "EDIT");
    EXPECT_EQ(r.ControlValue, "v");
    EXPECT_EQ(r.ControlRect, Rect(1 + W("a"), 0, 1 + W("a") + 50, Gh() + 10));
    EXPECT_EQ(r.ExtentX, W("a") + 50 + 16);

    Render byId = Draw();
    byId.HitTestOnly = true;
    byId.ControlID = "c1";
    EXPECT_TRUE(byId(text));
    EXPECT_EQ(byId.ControlType, "CHECK");

    // A value with a quote and an ampersand, escaped as SetControlValue
    // writes it, comes back whole.
    Render quoted = Draw();
    quoted.HitTestOnly = true;
    quoted.ControlID = "q";
    EXPECT_TRUE(quoted("<CONTROL TYPE=\"EDIT\" ID=\"q\" VALUE=\"a&quot;b&amp;c\" WIDTH=\"50\">"));
    EXPECT_EQ(quoted.ControlValue, "a\"b&c");

    Render missing = Measure();
    missing("a<CONTROL TYPE=\"EDIT\" ID=\"x\">b");
    EXPECT_EQ(missing.ExtentX, W("a") + W("b"));

    // Drawn: a grey frame around the edit's white box.
    Draw()(text);
    EXPECT_GT(Count(TColor(0x808080)), 50);
}

TEST_F(MarkupRender, ThemedControlsDrawThroughTheBinding)
{
    static std::vector<std::pair<int, int>> parts;
    parts.clear();
    const TThemeBinding saved = ProXPVS;
    ProXPVS.IsThemeActive = [] { return true; };
    ProXPVS.OpenThemeData = [](void*, const QString&) { return reinterpret_cast<HTHEME>(1); };
    ProXPVS.DrawThemeBackground = [](HTHEME, HDC, int Part, int State, const TRect*, const TRect*) -> HRESULT {
        parts.push_back({Part, State});
        return S_OK;
    };
    ProXPVS.CloseThemeData = [](HTHEME) -> HRESULT { return S_OK; };
    Draw()("<CONTROL TYPE=\"CHECK\" ID=\"a\" VALUE=\"true\" WIDTH=\"15\">"
           "<CONTROL TYPE=\"RADIO\" ID=\"b\" VALUE=\"FALSE\" WIDTH=\"15\">");
    ProXPVS = saved;
    EXPECT_EQ(parts, (std::vector<std::pair<int, int>>{{3, 5}, {2, 1}}));
}

} // namespace
