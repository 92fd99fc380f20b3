// Faces read back from the button's image, the face routines, and the
// hot-track fade stepped with a fake clock.
#include "ButtonForm.h"
#include "controls/button/LbButtonThread.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Clock.h"
#include <vector>

using namespace SyntheticInput;

namespace {

// The look the configurator's windows store on their buttons.
constexpr TColor ProgramFace = 0xEDF7F8;
constexpr TColor ProgramDown = 0x0080FF;

void ApplyProgramLook(TLbButton* b)
{
    b->SetColor(ProgramFace);
    b->SetColorWhenDown(ProgramDown);
    b->SetHotTrackColor(clYellow);
    b->SetLightColor(clGray);
    b->SetParentColor(false);
    b->SetUseHotTrackFont(false);
    b->SetStyle(bsEncarta);
    b->SetCaption(QStringLiteral("Update"));
}

TEST_F(ButtonForm, ProgramFaceIdleHotPressedAndBack)
{
    ApplyProgramLook(Button);
    // Left-aligned, so a bold caption starts where the normal one does.
    Button->SetAlignment(taLeftJustify);
    Button->Repaint();
    EXPECT_EQ(Pixel(2, 2), ProgramFace);
    EXPECT_EQ(Pixel(0, 0), clGray);
    const int idleInk = InkCount(ProgramFace);
    const TPoint idleOrigin = InkOrigin(ProgramFace);
    EXPECT_GT(idleInk, 0);

    MouseMove(Button, {50, 14});
    EXPECT_EQ(Pixel(2, 2), clYellow);

    MouseDown(Button, mbLeft, {50, 14});
    EXPECT_EQ(Pixel(2, 2), ProgramDown);
    // Bold caption, no pressed offset.
    EXPECT_GT(InkCount(ProgramDown), idleInk);
    const TPoint pressedOrigin = InkOrigin(ProgramDown);
    EXPECT_EQ(pressedOrigin, idleOrigin);

    MouseUp(Button, mbLeft, {50, 14});
    EXPECT_EQ(Pixel(2, 2), clYellow);
    MouseLeave(Button);
    EXPECT_EQ(Pixel(2, 2), ProgramFace);
}

TEST_F(ButtonForm, ProgramFaceDisabled)
{
    ApplyProgramLook(Button);
    Button->SetEnabled(false);
    MouseMove(Button, {50, 14});
    MouseDown(Button, mbLeft, {50, 14});
    EXPECT_FALSE(Button->CursorOnButton());
    EXPECT_EQ(Pixel(2, 2), ProgramFace);
    int grey = 0;
    int black = 0;
    for (int y = 5; y < 23; ++y)
        for (int x = 5; x < 95; ++x) {
            grey += Pixel(x, y) == clGray;
            black += Pixel(x, y) == clBlack;
        }
    EXPECT_GT(grey, 10);
    EXPECT_EQ(black, 0);
    MouseUp(Button, mbLeft, {50, 14});
}

// Corners of the classic raised and sunken face.
TEST_F(ButtonForm, ClassicCornersSwapWhenPressed)
{
    const int W = Button->Width();
    const int H = Button->Height();
    const TColor face = ColorToRGB(clBtnFace) & 0xFFFFFF;
    Button->SetCaption(QStringLiteral("Go"));
    Button->Repaint();
    struct Corner {
        int X, Y;
        TColor Idle, Pressed;
    };
    const Corner corners[] = {{0, 0, clWhite, clGray},         {W - 2, 0, clWhite, clGray},
                              {W - 1, 0, clGray, clWhite},     {W - 1, H - 1, clGray, clWhite},
                              {0, H - 1, clWhite, clGray},     {1, H - 1, clGray, clWhite},
                              {1, 1, face, face}};
    for (const Corner& c : corners)
        EXPECT_EQ(Pixel(c.X, c.Y), c.Idle) << c.X << "," << c.Y;
    const TPoint idle = InkOrigin(face);

    MouseDown(Button, mbLeft, {50, 14});
    for (const Corner& c : corners)
        EXPECT_EQ(Pixel(c.X, c.Y), c.Pressed) << c.X << "," << c.Y;
    // Caption one pixel right and down (the focus rectangle lies outside the inked box).
    const TPoint pressed = InkOrigin(face);
    EXPECT_EQ(pressed.X, idle.X + 1);
    EXPECT_EQ(pressed.Y, idle.Y + 1);
    MouseUp(Button, mbLeft, {50, 14});
}

TEST_F(ButtonForm, FlatEdgeOnlyWhenHotOrFocused)
{
    const TColor face = ColorToRGB(clBtnFace) & 0xFFFFFF;
    auto* box = new TPlainBox(Form);
    box->SetParent(Form);
    box->SetFocus();
    Button->SetFlat(true);
    EXPECT_EQ(Pixel(0, 0), face);
    MouseMove(Button, {50, 14});
    EXPECT_EQ(Pixel(0, 0), clWhite);
    MouseLeave(Button);
    EXPECT_EQ(Pixel(0, 0), face);
    Button->SetFocus();
    EXPECT_EQ(Pixel(0, 0), clWhite);
    Button->SetEnabled(false);
    EXPECT_EQ(Pixel(0, 0), face);
}

TEST_F(ButtonForm, HotTrackFontWhileHotOrFocused)
{
    auto* box = new TPlainBox(Form);
    box->SetParent(Form);
    box->SetFocus();
    Button->SetColor(clWhite);
    Button->SetCaption(QStringLiteral("Update"));
    TFont bold;
    bold.Assign(Button->Font());
    bold.SetStyle(bold.Style() + fsBold);
    Button->SetHotTrackFont(&bold);
    Button->SetUseHotTrackFont(true);
    Button->Repaint();
    const int normal = InkCount(clWhite);
    MouseMove(Button, {50, 14});
    const int hot = InkCount(clWhite);
    EXPECT_GT(hot, normal);
    MouseLeave(Button);
    EXPECT_EQ(InkCount(clWhite), normal);
    Button->SetFocus();
    EXPECT_EQ(InkCount(clWhite), hot);
    Button->SetUseHotTrackFont(false);
    Button->Repaint();
    EXPECT_EQ(InkCount(clWhite), normal);
}

TEST_F(ButtonForm, OldStyleFocusedHasBlackFrame)
{
    Button->SetStyle(bsOld);
    Button->SetFocus();
    Button->Repaint();
    const int W = Button->Width();
    const int H = Button->Height();
    for (TPoint p : {TPoint{0, 0}, TPoint{W - 1, 0}, TPoint{0, H - 1}, TPoint{W - 1, H - 1}})
        EXPECT_EQ(Pixel(p.X, p.Y), clBlack) << p.X << "," << p.Y;
    // The face's light top-left edge moved in by one pixel.
    EXPECT_EQ(Pixel(1, 1), clWhite);
}

// Edge and corner pixels of every style on a 40 x 20 face over a marker
// background, worked out from the polylines and frames of each style.
TEST(LbButtonFace, EdgesByStyle)
{
    constexpr TColor Marker = 0x00FF00FF;
    constexpr TColor F = 0x0000C0;
    constexpr TColor L = 0x00FF00;
    constexpr TColor S = 0xFF0000;
    const TColor K = ColorToRGB(cl3DDkShadow) & 0xFFFFFF;
    struct Pix {
        int X, Y;
        TColor Expected;
    };
    struct Case {
        const char* Name;
        TLbButtonStyle Style;
        bool Down, Enabled, Flat;
        std::vector<Pix> Pixels;
    };
    const Case cases[] = {
        {"old raised", bsOld, false, true, false,
         {{0, 0, L}, {38, 0, L}, {39, 0, K}, {38, 1, S}, {38, 18, S}, {1, 18, S}, {0, 18, L}, {0, 19, K},
          {39, 19, K}, {1, 1, F}, {37, 17, F}}},
        {"old sunken", bsOld, true, true, false,
         {{0, 0, K}, {38, 0, K}, {39, 0, L}, {0, 19, L}, {39, 19, L}, {1, 1, S}, {37, 1, S}, {38, 1, F},
          {1, 17, S}, {1, 18, F}, {2, 2, F}}},
        {"old disabled keeps raised edges", bsOld, true, false, false,
         {{0, 0, L}, {39, 0, K}, {38, 1, S}, {1, 1, F}}},
        {"normal disabled keeps its edges", bsNormal, true, false, false,
         {{0, 0, L}, {38, 0, L}, {39, 0, S}, {0, 19, L}, {1, 19, S}, {39, 19, S}, {1, 1, F}}},
        {"normal flat disabled has none", bsNormal, false, false, true, {{0, 0, F}, {39, 19, F}}},
        {"encarta sunken", bsEncarta, true, true, false,
         {{0, 0, S}, {0, 19, S}, {1, 19, L}, {39, 0, L}, {39, 19, L}, {1, 1, F}}},
        {"modern", bsModern, false, true, false,
         {{0, 0, Marker}, {20, 0, S}, {0, 10, S}, {39, 10, S}, {20, 19, S}, {20, 1, F}, {1, 10, F},
          {38, 10, F}, {20, 18, F}}},
        {"modern pressed frame", bsModern, true, true, false,
         {{0, 0, Marker}, {20, 0, S}, {20, 1, S}, {1, 10, S}, {38, 10, S}, {20, 18, S}}},
        {"quicken", bsQuicken, false, true, false,
         {{3, 0, Marker}, {4, 0, S}, {34, 0, S}, {35, 0, Marker}, {4, 19, S}, {34, 19, S}, {35, 19, Marker},
          {0, 1, Marker}, {0, 10, F}, {20, 1, F}, {20, 18, F}, {38, 10, F}, {39, 10, Marker}}},
        {"shape", bsShape, false, true, false, {{0, 0, Marker}, {20, 10, Marker}, {39, 19, Marker}}},
    };
    for (const Case& c : cases) {
        TBitmap target(40, 20);
        target.Canvas()->Brush()->SetColor(Marker);
        target.Canvas()->FillRect(Rect(0, 0, 40, 20));
        TLbFaceInputs in;
        in.W = 40;
        in.H = 20;
        in.Color = F;
        in.LightColor = L;
        in.ShadowColor = S;
        in.Style = c.Style;
        in.Down = c.Down;
        in.Enabled = c.Enabled;
        in.Flat = c.Flat;
        DrawButtonFace(target.Canvas(), in);
        for (const Pix& p : c.Pixels)
            EXPECT_EQ(target.Canvas()->Pixels(p.X, p.Y) & 0xFFFFFF, p.Expected)
                << c.Name << " at " << p.X << "," << p.Y;
    }
}

// Glyph cell choice on a four-cell strip whose cells are told apart by colour.
TEST(LbButtonFace, GlyphCellByState)
{
    const TColor cells[] = {clRed, clGreen, clBlue, clPurple};
    TBitmap strip(32, 8);
    for (int i = 0; i < 4; ++i) {
        strip.Canvas()->Brush()->SetColor(cells[i]);
        strip.Canvas()->FillRect(Rect(i * 8, 0, i * 8 + 8, 8));
        strip.Canvas()->SetPixels(i * 8, 7, clOlive);
    }
    struct Case {
        const char* Name;
        int NumGlyphs;
        bool Enabled, Hot, Down;
        TColor Expected;
    };
    const Case cases[] = {
        {"normal", 4, true, false, false, clRed},      {"hot", 4, true, true, false, clPurple},
        {"pressed wins over hot", 4, true, true, true, clBlue}, {"disabled", 4, false, true, true, clGreen},
        {"hot needs four cells", 3, true, true, false, clRed},  {"pressed needs three", 2, true, false, true, clRed},
        {"disabled single cell", 1, false, false, false, clRed},
    };
    for (const Case& c : cases) {
        TBitmap target(60, 24);
        TLbFaceInputs in;
        in.W = 60;
        in.H = 24;
        in.Color = clWhite;
        in.Glyph = &strip;
        in.NumGlyphs = c.NumGlyphs;
        in.Enabled = c.Enabled;
        in.Hot = c.Hot;
        in.Down = c.Down;
        in.Style = bsEncarta;
        DrawButtonFace(target.Canvas(), in);
        const int cellW = 32 / c.NumGlyphs;
        // No caption: the glyph is centred.
        const int x = (60 - cellW) / 2 + 2;
        EXPECT_EQ(target.Canvas()->Pixels(x, 10) & 0xFFFFFF, c.Expected) << c.Name;
        EXPECT_EQ(target.Canvas()->Pixels((60 - cellW) / 2, 8 + 7), clWhite) << c.Name << ": transparent corner";
    }
}

// Where a one-cell glyph lands beside an empty caption, and the popup arrow.
TEST(LbButtonFace, GlyphPlacementAndPopupArrow)
{
    TBitmap glyph(10, 10);
    glyph.Canvas()->Brush()->SetColor(clRed);
    glyph.Canvas()->FillRect(Rect(0, 0, 10, 10));
    glyph.Canvas()->SetPixels(0, 9, clOlive);
    struct Case {
        const char* Name;
        TLbButtonLayout Layout;
        TAlignment Alignment;
        bool WordWrap;
        int Left;
    };
    const Case cases[] = {
        {"left, left-aligned", blGlyphLeft, taLeftJustify, false, 4},
        {"left, centred", blGlyphLeft, taCenter, false, 35},
        {"left, right-aligned", blGlyphLeft, taRightJustify, false, 66},
        {"left, wrapped ignores alignment", blGlyphLeft, taRightJustify, true, 4},
        {"right, left-aligned", blGlyphRight, taLeftJustify, false, 4},
        {"right, right-aligned", blGlyphRight, taRightJustify, false, 66},
    };
    for (const Case& c : cases) {
        TBitmap target(80, 30);
        TLbFaceInputs in;
        in.W = 80;
        in.H = 30;
        in.Color = clWhite;
        in.Style = bsEncarta;
        in.Glyph = &glyph;
        in.NumGlyphs = 1;
        in.Layout = c.Layout;
        in.Alignment = c.Alignment;
        in.WordWrap = c.WordWrap;
        in.HasPopup = c.Left < 60;
        DrawButtonFace(target.Canvas(), in);
        TCanvas* t = target.Canvas();
        EXPECT_EQ(t->Pixels(c.Left + 1, 10) & 0xFFFFFF, clRed) << c.Name;
        EXPECT_EQ(t->Pixels(c.Left - 1, 15) & 0xFFFFFF, clWhite) << c.Name;
        EXPECT_EQ(t->Pixels(c.Left + 9, 19) & 0xFFFFFF, clRed) << c.Name;
        EXPECT_EQ(t->Pixels(c.Left + 10, 15) & 0xFFFFFF, clWhite) << c.Name;
        if (!in.HasPopup)
            continue;
        // The arrow: a downward triangle at (W - 11, H / 2 - 1).
        EXPECT_EQ(t->Pixels(69, 14) & 0xFFFFFF, clBlack) << c.Name;
        EXPECT_EQ(t->Pixels(73, 14) & 0xFFFFFF, clBlack) << c.Name;
        EXPECT_EQ(t->Pixels(71, 16) & 0xFFFFFF, clBlack) << c.Name;
        EXPECT_EQ(t->Pixels(70, 16) & 0xFFFFFF, clWhite) << c.Name;
    }
}

// Glyph above or below the caption: a 10 x 10 red glyph and a black caption
// on an 80 x 60 face.
TEST(LbButtonFace, StackedLayouts)
{
    TBitmap glyph(10, 10);
    glyph.Canvas()->Brush()->SetColor(clRed);
    glyph.Canvas()->FillRect(Rect(0, 0, 10, 10));
    glyph.Canvas()->SetPixels(0, 9, clOlive);
    struct Found {
        int GlyphLeft = -1, GlyphTop = -1, InkTop = -1;
    };
    auto draw = [&](TLbButtonLayout layout, TAlignment alignment, int numGlyphs) {
        TBitmap target(80, 60);
        TFont font;
        font.SetColor(clBlack);
        TLbFaceInputs in;
        in.W = 80;
        in.H = 60;
        in.Color = clWhite;
        in.LightColor = clWhite;
        in.ShadowColor = clWhite;
        in.Font = &font;
        in.Caption = QStringLiteral("Ab");
        in.Glyph = &glyph;
        in.NumGlyphs = numGlyphs;
        in.Layout = layout;
        in.Alignment = alignment;
        DrawButtonFace(target.Canvas(), in);
        Found f;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 80; ++x) {
                const TColor p = target.Canvas()->Pixels(x, y) & 0xFFFFFF;
                if (p == clRed && f.GlyphTop < 0) {
                    f.GlyphTop = y;
                    f.GlyphLeft = x;
                }
                if (p != clRed && p != clWhite && f.InkTop < 0)
                    f.InkTop = y;
            }
        return f;
    };
    const Found top = draw(blGlyphTop, taCenter, 1);
    const Found bottom = draw(blGlyphBottom, taCenter, 1);
    // The glyph sits right above the caption's box, or right below it; the
    // pair is centred as a whole with 4 pixels to spare.
    const int TH = bottom.GlyphTop - top.GlyphTop;
    EXPECT_GT(TH, 8);
    EXPECT_EQ(top.GlyphTop, (60 - TH - 14) / 2);
    EXPECT_EQ(top.InkTop - bottom.InkTop, 10);
    EXPECT_EQ(top.GlyphLeft, 35);
    EXPECT_EQ(draw(blGlyphTop, taLeftJustify, 1).GlyphLeft, 4);
    EXPECT_EQ(draw(blGlyphBottom, taRightJustify, 1).GlyphLeft, 66);
    // Without cells nothing is drawn, but the strip's height still makes room.
    const Found none = draw(blGlyphTop, taCenter, 0);
    EXPECT_EQ(none.GlyphTop, -1);
    EXPECT_EQ(none.InkTop, top.InkTop);
}

TEST(LbButtonFace, BlendSteps)
{
    struct Case {
        TColor Color, Hot;
        int Step;
        TColor Expected;
    };
    for (const Case& c : {Case{0xFFFFFF, 0x00FFFF, 8, 0x00FFFF}, Case{0xFFFFFF, 0x00FFFF, 0, 0xFFFFFF},
                          Case{0xFFFFFF, 0x00FFFF, 4, 0x7FFFFF}, Case{0x000000, 0x0000FF, 7, 0x0000DF},
                          Case{0x000000, 0x0000FF, 1, 0x00001F}, Case{clBtnFace, clBtnFace, 3, ColorToRGB(clBtnFace)}})
        EXPECT_EQ(BlendHotTrackColor(c.Color, c.Hot, c.Step), c.Expected) << c.Step;
}

TEST(LbButtonFace, GradientBandsRunFromFirstToLastColour)
{
    TBitmap bmp(10, 70);
    TCanvas* c = bmp.Canvas();
    c->Pen()->SetStyle(psDash);
    FillGradientBands(c, 0x000000, 0x0000F8, 0, 0, 10, 70);
    EXPECT_EQ(c->Pixels(5, 0), 0x000000);
    // The last band starts at the bottom and stays empty.
    EXPECT_EQ(c->Pixels(5, 69), 0x0000F0);
    // Band 16 starts at 16 * 70 / 31 = 36 with 16 * 8 = 128 red.
    EXPECT_EQ(c->Pixels(5, 36), 0x000080);
    EXPECT_EQ(c->Pen()->Style(), psDash);
}

TEST(LbButtonFace, CaptionCutToWidthUnlessWrapped)
{
    for (bool wrap : {false, true}) {
        TBitmap target(60, 40);
        TFont font;
        font.SetColor(clBlack);
        TLbFaceInputs in;
        in.W = 60;
        in.H = 40;
        in.Color = clWhite;
        in.LightColor = clWhite;
        in.ShadowColor = clWhite;
        in.Font = &font;
        in.Caption = QStringLiteral("Wide wide wide caption");
        in.WordWrap = wrap;
        DrawButtonFace(target.Canvas(), in);
        int rows = 0;
        int right = 0;
        for (int y = 0; y < 40; ++y) {
            bool ink = false;
            for (int x = 0; x < 60; ++x)
                if ((target.Canvas()->Pixels(x, y) & 0xFFFFFF) != clWhite) {
                    ink = true;
                    right = std::max(right, x);
                }
            rows += ink;
        }
        EXPECT_LT(right, 56) << wrap;
        if (wrap)
            EXPECT_GT(rows, 16);
        else
            EXPECT_LE(rows, 14);
    }
}

// The fade, stepped on a fake clock.
class LbButtonFade : public ButtonForm {
protected:
    void SetUp() override
    {
        SetClock(&FakeClock);
        ButtonForm::SetUp();
        Button->SetColor(clWhite);
        Button->SetHotTrackColor(0x0000FF);
        Button->SetSlowDecease(true);
    }
    void TearDown() override
    {
        ButtonForm::TearDown();
        SetClock(nullptr);
    }
    // Moves the clock and lets the button's timer look at it.
    bool Tick(int ms)
    {
        FakeClock.Advance(ms);
        return FireTimer(Button, TLbButtonThread::TimerID);
    }
    TFakeClock FakeClock{0, 1000};
};

TEST_F(LbButtonFade, StepsDownEveryThirtyMillisecondsThenParks)
{
    MouseMove(Button, {50, 14});
    EXPECT_EQ(Button->HotTrackStep(), 8);
    MouseLeave(Button);
    EXPECT_EQ(Button->HotTrackStep(), 8);
    EXPECT_FALSE(Button->FadeThread()->Suspended());
    EXPECT_TRUE(Tick(29));
    EXPECT_EQ(Button->HotTrackStep(), 8);
    for (int step = 7; step >= 0; --step) {
        EXPECT_TRUE(Tick(step == 7 ? 1 : 30));
        EXPECT_EQ(Button->HotTrackStep(), step);
        EXPECT_EQ(Pixel(2, 2), BlendHotTrackColor(clWhite, 0x0000FF, step)) << step;
    }
    EXPECT_TRUE(Button->FadeThread()->Suspended());
    EXPECT_EQ(TimerCount(Button), 0);
    EXPECT_FALSE(Tick(30));
}

TEST_F(LbButtonFade, EnteringAgainKeepsHotFace)
{
    MouseMove(Button, {50, 14});
    MouseLeave(Button);
    Tick(30);
    Tick(30);
    EXPECT_EQ(Button->HotTrackStep(), 6);
    MouseMove(Button, {50, 14});
    EXPECT_EQ(Button->HotTrackStep(), 8);
    for (int i = 0; i < 10; ++i)
        Tick(30);
    EXPECT_EQ(Button->HotTrackStep(), 8);
    EXPECT_EQ(Pixel(2, 2), 0x0000FF);
    // Leaving once more starts a fresh fade.
    MouseLeave(Button);
    Tick(30);
    EXPECT_EQ(Button->HotTrackStep(), 7);
}

TEST_F(LbButtonFade, RunsEightTicksWithoutHotColour)
{
    Button->SetHotTrackColor(clNone);
    MouseMove(Button, {50, 14});
    MouseLeave(Button);
    int ticks = 0;
    while (Tick(30))
        ++ticks;
    EXPECT_EQ(ticks, 8);
    EXPECT_EQ(Button->HotTrackStep(), 0);
}

TEST_F(LbButtonFade, SwitchingOffStopsAtOnce)
{
    MouseMove(Button, {50, 14});
    MouseLeave(Button);
    Tick(30);
    Button->SetSlowDecease(false);
    EXPECT_EQ(Button->FadeThread(), nullptr);
    EXPECT_EQ(Button->HotTrackStep(), 0);
    EXPECT_EQ(TimerCount(Button), 0);
    Button->SetSlowDecease(true);
    ASSERT_NE(Button->FadeThread(), nullptr);
    EXPECT_TRUE(Button->FadeThread()->Suspended());
}

TEST_F(ButtonForm, LeavingWithoutFadeRestoresAtOnce)
{
    Button->SetColor(clWhite);
    Button->SetHotTrackColor(0x0000FF);
    MouseMove(Button, {50, 14});
    EXPECT_EQ(Pixel(2, 2), 0x0000FF);
    MouseLeave(Button);
    EXPECT_EQ(Button->HotTrackStep(), 0);
    EXPECT_EQ(Pixel(2, 2), clWhite);
    EXPECT_EQ(TimerCount(Button), 0);
}

TEST_F(ButtonForm, EnterAndExitEvents)
{
    Button->OnMouseEnter = [this](TObject*) { Log << QStringLiteral("enter"); };
    Button->OnMouseExit = [this](TObject*) { Log << QStringLiteral("exit"); };
    MouseMove(Button, {50, 14});
    MouseLeave(Button);
    Button->SetEnabled(false);
    MouseMove(Button, {50, 14});
    MouseLeave(Button);
    EXPECT_EQ(Log, QStringList({"enter", "exit"}));
}

} // namespace
