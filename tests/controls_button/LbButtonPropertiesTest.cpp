// Kinds, colour schemes, glyph and modal-result setters.
#include "ButtonForm.h"
#include "controls/button/LbButtonThread.h"
#include "platform/graphics/Bitmap.h"

namespace {

struct KindCase {
    TLbButtonKind Kind;
    TModalResult Result;
    QString Caption;
    int GlyphHeight;
};

void PrintTo(const KindCase& c, std::ostream* os) { *os << c.Caption.toStdString() << ' ' << c.Result; }

class LbButtonKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(LbButtonKinds, SetGlyphCaptionAndResult)
{
    const KindCase& c = GetParam();
    TLbButton b;
    b.SetKind(c.Kind);
    EXPECT_EQ(b.Kind(), c.Kind);
    EXPECT_EQ(b.ModalResult(), c.Result);
    EXPECT_EQ(b.Caption(), c.Caption);
    EXPECT_EQ(b.NumGlyphs(), 2);
    EXPECT_EQ(b.Glyph()->Width(), 36);
    EXPECT_EQ(b.Glyph()->Height(), c.GlyphHeight);
    // Both cells have a transparent background and a picture.
    TCanvas* g = b.Glyph()->Canvas();
    const TColor bg = g->Pixels(0, c.GlyphHeight - 1);
    for (int cell = 0; cell < 2; ++cell) {
        EXPECT_EQ(g->Pixels(cell * 18, c.GlyphHeight - 1), bg);
        int ink = 0;
        for (int y = 0; y < c.GlyphHeight; ++y)
            for (int x = cell * 18; x < cell * 18 + 18; ++x)
                ink += g->Pixels(x, y) != bg;
        EXPECT_GT(ink, 10) << "cell " << cell;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, LbButtonKinds,
                         ::testing::Values(KindCase{bkOK, 1, "OK", 18}, KindCase{bkCancel, 2, "Abbrechen", 18},
                                           KindCase{bkHelp, 0, "Hilfe", 18}, KindCase{bkYes, 6, "Ja", 18},
                                           KindCase{bkNo, 7, "Nein", 18},
                                           KindCase{bkClose, 0, QStringLiteral("Schließen"), 18},
                                           KindCase{bkAbort, 3, "Abbrechen", 18},
                                           KindCase{bkRetry, 4, "Wiederholen", 18},
                                           KindCase{bkIgnore, 5, "Ignorieren", 18}, KindCase{bkAll, 12, "Alle", 19}));

TEST(LbButtonKind, ModalResultAfterKindMakesItCustom)
{
    TLbButton b;
    b.SetKind(bkCancel);
    b.SetModalResult(mrOk);
    EXPECT_EQ(b.Kind(), bkCustom);
    EXPECT_EQ(b.Caption(), QStringLiteral("Abbrechen"));
    EXPECT_EQ(b.NumGlyphs(), 2);
    EXPECT_EQ(b.ModalResult(), mrOk);
}

TEST(LbButtonKind, CustomKindChangesNothingElse)
{
    TLbButton b;
    b.SetKind(bkOK);
    b.SetKind(bkCustom);
    EXPECT_EQ(b.Kind(), bkCustom);
    EXPECT_EQ(b.Caption(), QStringLiteral("OK"));
    EXPECT_EQ(b.ModalResult(), mrOk);
}

TEST(LbButtonGlyph, CountsSquareCellsAndResetsKind)
{
    struct Case {
        const char* Name;
        int W, H;
        int Cells;
    };
    for (const Case& c : {Case{"three cells", 48, 16, 3}, Case{"one cell", 18, 18, 1},
                          Case{"narrower than tall", 10, 16, 0}, Case{"no height", 16, 0, 0}}) {
        TLbButton b;
        b.SetKind(bkOK);
        TBitmap bmp(c.W, c.H);
        b.SetGlyph(&bmp);
        EXPECT_EQ(b.NumGlyphs(), c.Cells) << c.Name;
        EXPECT_EQ(b.Kind(), bkCustom) << c.Name;
    }
    TLbButton b;
    TBitmap bmp(32, 16);
    b.SetGlyph(&bmp);
    b.SetGlyph(nullptr);
    EXPECT_EQ(b.NumGlyphs(), 0);
    EXPECT_EQ(b.Glyph()->Height(), 0);
}

TEST(LbButtonDefaults, MatchConstruction)
{
    TForm form(nullptr);
    form.Font()->SetName(QStringLiteral("Verdana"));
    TLbButton b(&form);
    EXPECT_EQ(b.Width(), 100);
    EXPECT_EQ(b.Height(), 23);
    EXPECT_EQ(b.ControlStyle(), TControlStyle({csCaptureMouse, csSetCaption}));
    EXPECT_TRUE(b.TabStop());
    EXPECT_EQ(b.Color(), clBtnFace);
    EXPECT_EQ(b.LightColor(), 0xFFFFFF);
    EXPECT_EQ(b.ShadowColor(), 0x808080);
    EXPECT_EQ(b.ColorWhenDown(), clNone);
    EXPECT_EQ(b.HotTrackColor(), clNone);
    EXPECT_EQ(b.Alignment(), taCenter);
    EXPECT_EQ(b.Style(), bsNormal);
    EXPECT_EQ(b.Kind(), bkCustom);
    EXPECT_EQ(b.NumGlyphs(), 0);
    EXPECT_FALSE(b.SlowDecease());
    EXPECT_NE(b.FadeThread(), nullptr);
    EXPECT_TRUE(b.FadeThread()->Suspended());
    EXPECT_EQ(b.HotTrackFont()->Name(), QStringLiteral("Verdana"));
}

struct SchemeCase {
    const char* Name;
    TLbColorStyle Scheme;
    TLbColorStyleColors Colors;
};

void PrintTo(const SchemeCase& c, std::ostream* os) { *os << c.Name; }

class LbButtonSchemes : public ::testing::TestWithParam<SchemeCase> {};

TEST_P(LbButtonSchemes, WriteColoursFlatAndStyle)
{
    const SchemeCase& c = GetParam();
    TLbButton b;
    b.SetStyle(bsEncarta);
    b.SetColorStyle(c.Scheme);
    EXPECT_EQ(b.ColorStyle(), lcsCustom);
    EXPECT_EQ(b.Color(), c.Colors.Face);
    EXPECT_EQ(b.Font()->Color(), c.Colors.Text);
    EXPECT_EQ(b.LightColor(), c.Colors.Light);
    EXPECT_EQ(b.ShadowColor(), c.Colors.Shadow);
    EXPECT_EQ(b.ColorWhenDown(), c.Colors.WhenDown);
    EXPECT_EQ(b.HotTrackColor(), c.Colors.HotTrack);
    EXPECT_EQ(b.Flat(), c.Colors.Flat);
    EXPECT_EQ(b.Style(), c.Colors.Style);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LbButtonSchemes,
    ::testing::Values(
        SchemeCase{"Gold", lcsGold, {0x00C0C0, 0x00FFFF, 0x008080, clNone, 0x00DFDF, 0, false, bsModern}},
        SchemeCase{"Deck", lcsDeck, {0xC0C0C0, 0xFFFFFF, 0x808080, clNone, clNone, 0, false, bsModern}},
        SchemeCase{"Blue", lcsBlue, {0xFF8000, 0xFFFF00, 0xFF0000, clNone, clNone, 0, false, bsModern}},
        SchemeCase{"Red", lcsRed, {0x0000FF, 0xC0C0FF, 0x0000C0, clNone, clNone, 0, false, bsModern}},
        SchemeCase{"UltraFlat1", lcsUltraFlat1, {clBtnFace, 0xB59284, 0xB59284, 0xB59284, 0xDED3D6, 0, true, bsNormal}},
        SchemeCase{"UltraFlat2", lcsUltraFlat2, {clBtnFace, 0, 0, 0x24DABC, 0x8CF6E4, 0, true, bsNormal}},
        SchemeCase{"UltraFlatXP", lcsUltraFlatXP, {0xD1D8DB, 0xB59284, 0xB59285, 0xB59285, 0xD2BDB6, 0, true, bsNormal}},
        SchemeCase{"Aqua", lcsAqua, {0xECCE94, 0xFCE6D4, 0, clNone, clNone, 0, false, bsModern}},
        SchemeCase{"Default", lcsDefault, {clBtnFace, 0xFFFFFF, 0x808080, clNone, clNone, 0, false, bsNormal}},
        SchemeCase{"Quicken", lcsQuicken, {0x603000, 0xC0C0C0, 0xC0C0C0, 0xAD6529, 0xCEAE9C, 0xFFFFFF, false, bsQuicken}}),
    [](const ::testing::TestParamInfo<SchemeCase>& i) { return std::string(i.param.Name); });

TEST(LbButtonScheme, CustomChangesNothing)
{
    TLbButton b;
    b.SetColor(0x123456);
    b.SetLightColor(0x111111);
    b.SetStyle(bsOld);
    b.SetColorStyle(lcsCustom);
    EXPECT_EQ(b.Color(), 0x123456);
    EXPECT_EQ(b.LightColor(), 0x111111);
    EXPECT_EQ(b.Style(), bsOld);
}

TEST(LbButtonStyle, TransparentStylesAskForTransparentWindow)
{
    TLbButton b;
    for (TLbButtonStyle s : {bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken}) {
        b.SetStyle(s);
        const bool transparent = s == bsModern || s == bsShape || s == bsQuicken;
        EXPECT_EQ(b.ExStyle(), transparent ? WS_EX_TRANSPARENT : 0u) << int(s);
    }
}

} // namespace
