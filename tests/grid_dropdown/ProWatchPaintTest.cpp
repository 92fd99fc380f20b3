// The watch's face, hands and style presets read back from its image.
#include "WatchForm.h"
#include "platform/graphics/GraphicsObjects.h"

namespace {

class WatchPaint : public WatchForm {
protected:
    void SetUp() override
    {
        WatchForm::SetUp();
        Watch->SetTime(At(0, 0));
    }
    void Paint() { Watch->Repaint(); }
    // Ink of the hour number n in a 20-pixel box around its place for the
    // default face (number radius 61 around (90, 90)).
    int NumberInk(int N)
    {
        const double a = N * 30 * M_PI / 180;
        const int x = int(std::lround(std::sin(a) * 61)) + 91;
        const int y = 91 - int(std::lround(std::cos(a) * 61));
        return Ink(Rect(x - 8, y - 8, x + 7, y + 8), clWhite);
    }
};

TEST_F(WatchPaint, DefaultFaceMarksAndBorder)
{
    Paint();
    // Outside the dial the control's colour stays; the border is black.
    EXPECT_EQ(Pixel(2, 2), ColorToRGB(Watch->Color()));
    EXPECT_EQ(Pixel(90, 11), clBlack);
    EXPECT_EQ(Pixel(40, 40), clWhite);
    // The hour mark at 3 runs from 0.9 * 78 = 70.2 to 78 pixels out.
    EXPECT_EQ(Pixel(159, 90), clWhite);
    for (int x = 160; x < 168; ++x)
        EXPECT_EQ(Pixel(x, 90), clBlack) << x;
    // A minute mark at 6 degrees below 3 o'clock, from 74.1 to 78 out.
    EXPECT_EQ(Pixel(166, 98), 0x808080);
    EXPECT_EQ(Pixel(162, 97), clWhite);
}

TEST_F(WatchPaint, TickMarksChooseMarksAndNumbers)
{
    struct TCase {
        TTickMarks Marks;
        bool HourMarkAt1, MinuteMark, QuarterMark, Number1, Number3;
    } const cases[] = {
        {tmAll, true, true, true, true, true},
        {tmHours, true, false, true, false, false},
        {tmQuartHours, false, false, true, false, true},
        {tmNone, false, false, false, false, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(int(c.Marks));
        Watch->Appearance()->SetTickMarks(c.Marks);
        Paint();
        // The hour mark at one o'clock: 60 degrees up from 3 o'clock.
        EXPECT_EQ(Pixel(128, 24) == clBlack, c.HourMarkAt1);
        EXPECT_EQ(Pixel(166, 98) == 0x808080, c.MinuteMark);
        EXPECT_EQ(Pixel(164, 90) == clBlack, c.QuarterMark);
        EXPECT_EQ(NumberInk(1) > 4, c.Number1);
        EXPECT_EQ(NumberInk(3) > 4, c.Number3);
    }
    Watch->Appearance()->SetTickMarks(tmAll);
    Watch->SetShowNumbers(false);
    Paint();
    EXPECT_EQ(NumberInk(3), 0);
}

TEST_F(WatchPaint, HandsOfEachPointerStyle)
{
    // 03:00: the hour hand points right, the minute hand up.
    Watch->SetTime(At(3, 0));
    TWatchAppearance* a = Watch->Appearance();
    a->SetHourPointer(clRed);
    a->SetMinutePointer(clBlue);
    a->SetHourPointerShadow(clNone);
    a->SetMinutePointerShadow(clNone);
    a->SetCenterPointSize(0);
    struct TCase {
        TPointerStyle Style;
        bool Hands;
    } const cases[] = {{psLine, true}, {psPointer, true}, {psShortLine, false}, {psLineArrow, false}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(int(c.Style));
        a->SetPointerStyle(c.Style);
        Paint();
        // Tip at half and 0.7 of the radius; tail a tenth behind the centre.
        EXPECT_EQ(Pixel(120, 90) == clRed, c.Hands);
        EXPECT_EQ(Pixel(84, 90) == clRed, c.Hands);
        EXPECT_NE(Pixel(134, 90), clRed);
        EXPECT_EQ(Pixel(90, 50) == clBlue, c.Hands);
        EXPECT_NE(Pixel(90, 30), clBlue);
    }
    // The pointer shape is wider than a thin line near the centre.
    a->SetPointerStyle(psPointer);
    Paint();
    EXPECT_EQ(Pixel(100, 88), clRed);
    a->SetPointerStyle(psLine);
    a->SetHourPointerSize(1);
    Paint();
    EXPECT_NE(Pixel(100, 88), clRed);
}

TEST_F(WatchPaint, CenterPointWithItsRings)
{
    TWatchAppearance* a = Watch->Appearance();
    a->SetCenterPointSize(20);
    a->SetCenterPointColor(clRed);
    Paint();
    EXPECT_EQ(Pixel(90, 90), clRed);
    EXPECT_EQ(Pixel(82, 90), clRed);
    // The rings' pens are centred on their paths: the outer one, a fifth of
    // the size wide, on the point's box; the inner one, a tenth wide, on a
    // box smaller by the outer ring's width.
    a->SetCenterPointOuterBorderColor(clBlue);
    a->SetCenterPointBorderColor(clLime);
    Paint();
    EXPECT_EQ(Pixel(77, 90), clWhite);
    EXPECT_EQ(Pixel(78, 90), clBlue);
    EXPECT_EQ(Pixel(80, 90), clBlue);
    EXPECT_EQ(Pixel(81, 90), clLime);
    EXPECT_EQ(Pixel(82, 90), clLime);
    EXPECT_EQ(Pixel(83, 90), clRed);
    EXPECT_EQ(Pixel(90, 90), clRed);
    a->SetCenterPointSize(0);
    Paint();
    EXPECT_EQ(Count(Rect(80, 92, 100, 100), clRed), 0);
}

TEST_F(WatchPaint, AmPmBoxFrameAndText)
{
    const TRect box = Watch->GetAMPMRect();
    Paint();
    EXPECT_EQ(Pixel(box.Left, (box.Top + box.Bottom) / 2), clBlack);
    const int amInk = Ink(Rect(box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1), clWhite);
    EXPECT_GT(amInk, 4);
    Watch->SetTime(At(13, 0));
    EXPECT_FALSE(Watch->AM());
    Paint();
    EXPECT_NE(Ink(Rect(box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1), clWhite), amInk);

    // Without colours the text stands alone; the rounded frame spares its corners.
    TWatchAppearance* a = Watch->Appearance();
    a->SetAMPMFrame(apRoundRect);
    Paint();
    EXPECT_EQ(Pixel(box.Left, box.Top), clWhite);
    EXPECT_EQ(Pixel(box.Left, (box.Top + box.Bottom) / 2), clBlack);
    a->SetAMPMColor(clNone);
    a->SetAMPMBorderColor(clNone);
    Watch->SetShowAMPM(false);
    Watch->SetShowAMPM(true);
    Paint();
    EXPECT_EQ(Pixel(box.Left, (box.Top + box.Bottom) / 2), clWhite);
    EXPECT_GT(Ink(box, clWhite), 4);
    Watch->SetShowAMPM(false);
    EXPECT_EQ(Watch->GetAMPMRect(), Rect(-1, -1, -1, -1));
    Paint();
    EXPECT_EQ(Ink(box, clWhite), 0);
}

TEST_F(WatchPaint, StylePresets)
{
    struct TCase {
        const char* Name;
        TWatchStyle Style;
        TWatchShape Shape;
        TTickMarks Marks;
        TPointerStyle Pointer;
        bool AMPM, Numbers;
        TPoint Probe;
        TColor ProbeColor;
        TColor Centre;
    } const cases[] = {
        {"Tower", wsTower, wsRect, tmHours, psPointer, true, false, {5, 1}, 0xB1F0FE, 0x002BD5},
        {"Fluorescent", wsFluorescent, wsRoundRect, tmHours, psLine, false, false, {90, 1}, 0xFF3E3E, 0xFF3E3E},
        {"Emerald", wsEmerald, wsRect, tmHours, psPointer, false, false, {1, 90}, 0x3AE800, 0x38E100},
        {"BlueStar", wsBlueStar, wsRoundRect, tmAll, psPointer, true, true, {90, 1}, 0xFFD5D5, clBlack},
        {"Fuchsia", wsFuchsia, wsRect, tmQuartHours, psLine, false, false, {1, 90}, 0xFFD0FF, clBlack},
        {"Black", wsBlack, wsCircle, tmAll, psLine, false, true, {60, 130}, 0x202020, clWhite},
        {"BlackWhite", wsBlackWhite, wsCircle, tmQuartHours, psPointer, false, true, {60, 130}, clWhite, clBlack},
        {"Gray", wsGray, wsCircle, tmAll, psLine, true, true, {90, 11}, 0x454545, clBlack},
        {"SuperNova", wsSuperNova, wsCircle, tmAll, psLine, false, false, {2, 2}, clBtnFace, clBlack},
        {"Sports", wsSports, wsCircle, tmQuartHours, psLine, false, true, {60, 130}, clBlack, 0x191919},
        {"Smooth", wsSmooth, wsCircle, tmQuartHours, psLine, false, true, {90, 10}, 0x585858, clWhite},
        {"Classic", wsClassic, wsCircle, tmAll, psLine, true, true, {60, 130}, clWhite, clBlack},
    };
    Form->SetColor(clBtnFace);
    Watch->SetParentColor(true);
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Watch->SetStyle(c.Style);
        const TWatchAppearance* a = Watch->Appearance();
        EXPECT_EQ(a->Shape(), c.Shape);
        EXPECT_EQ(a->TickMarks(), c.Marks);
        EXPECT_EQ(a->PointerStyle(), c.Pointer);
        EXPECT_EQ(Watch->ShowAMPM(), c.AMPM);
        EXPECT_EQ(Watch->ShowNumbers(), c.Numbers);
        Paint();
        EXPECT_EQ(Pixel(c.Probe.X, c.Probe.Y), ColorToRGB(c.ProbeColor));
        EXPECT_EQ(Pixel(90, 90), c.Centre);
    }
}

TEST_F(WatchPaint, StyleIsAppliedOnlyOnAChangeAndSizesFollowTheControl)
{
    // A new watch counts as classic: asking for it applies nothing.
    Watch->SetStyle(wsClassic);
    EXPECT_EQ(Watch->Appearance()->HourMarkLength(), 0);
    Watch->SetStyle(wsSuperNova);
    EXPECT_EQ(Watch->Appearance()->HourMarkLength(), 40);
    EXPECT_EQ(Watch->Appearance()->MinuteMarkLength(), 60);
    Watch->Appearance()->SetCenterPointSize(3);
    Watch->SetStyle(wsSuperNova);
    EXPECT_EQ(Watch->Appearance()->CenterPointSize(), 3);
    // A preset starts from the defaults.
    Watch->SetStyle(wsClassic);
    EXPECT_EQ(Watch->Appearance()->CenterPointSize(), 4);
    EXPECT_EQ(Watch->Appearance()->MinuteMarkLength(), 4);
    EXPECT_EQ(Watch->Appearance()->HourFont()->Name(), "Comic Sans MS");
    EXPECT_EQ(Watch->Appearance()->HourFont()->Size(), 10);
    EXPECT_TRUE(Watch->Appearance()->HourFont()->Style().Contains(fsBold));
    Watch->SetBounds(10, 10, 360, 300);
    Watch->SetStyle(wsSports);
    EXPECT_EQ(Watch->Appearance()->CenterPointSize(), 83);
}

TEST_F(WatchPaint, ComponentStyleRows)
{
    TWatchAppearance* a = Watch->Appearance();
    Watch->SetComponentStyle(tsOffice2003Blue);
    EXPECT_EQ(a->BackgroundColor(), 0xFFD2AF);
    EXPECT_EQ(a->AMPMBorderColor(), 0x962D00);
    EXPECT_EQ(a->HourPointer(), 0xD68759);
    EXPECT_EQ(a->MinuteColor(), 0xD68759);
    EXPECT_EQ(a->HourPointerShadow(), clWhite);
    EXPECT_EQ(a->SecondPointer(), clWhite);
    EXPECT_EQ(a->CenterPointOuterBorderColor(), clBlack);
    EXPECT_EQ(a->HourFont()->Color(), clBlack);
    Paint();
    EXPECT_EQ(Pixel(60, 130), 0xFFD2AF);

    Watch->SetComponentStyle(tsOffice2007Obsidian);
    EXPECT_EQ(a->HourFont()->Color(), 0xF2F1F0);
    EXPECT_EQ(a->AMPMFont()->Color(), 0xF2F1F0);
    EXPECT_EQ(a->CenterPointColor(), 0xFFEFE3);

    Watch->SetComponentStyle(tsOffice2010Silver);
    EXPECT_EQ(a->MinutePointerShadow(), 0xC0C0C0);
    EXPECT_EQ(a->HourFont()->Color(), clBlack);

    // The custom style has no row: only the three black settings.
    a->SetCenterPointOuterBorderColor(clRed);
    Watch->SetComponentStyle(tsCustom);
    EXPECT_EQ(a->CenterPointOuterBorderColor(), clBlack);
    EXPECT_EQ(a->BackgroundColor(), clWhite);
}

TEST_F(WatchPaint, AppearanceAssignCopiesAllAndNotifiesThrice)
{
    TWatchAppearance source;
    source.SetShape(wsRoundRect);
    source.SetBackgroundColorTo(clRed);
    source.SetHourMarkLength(9);
    source.SetPointerStyle(psPointer);
    source.SetAMPMColor(clNone);
    source.SetCenterPointOuterBorderColor(clBlue);
    source.SetTickMarks(tmHours);
    source.SetHourMarkStyle(hmsQuartDblLine);
    source.HourFont()->SetName(QStringLiteral("Courier"));
    TWatchAppearance target;
    int changes = 0;
    target.OnChange = [&](TObject*) { ++changes; };
    target.Assign(&source);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(target.Shape(), wsRoundRect);
    EXPECT_EQ(target.BackgroundColorTo(), clRed);
    EXPECT_EQ(target.HourMarkLength(), 9);
    EXPECT_EQ(target.PointerStyle(), psPointer);
    EXPECT_EQ(target.AMPMColor(), clNone);
    EXPECT_EQ(target.CenterPointOuterBorderColor(), clBlue);
    EXPECT_EQ(target.HourMarkStyle(), hmsQuartDblLine);
    EXPECT_EQ(target.HourFont()->Name(), "Courier");
    target.SetDefaults();
    EXPECT_EQ(target.Shape(), wsCircle);
    EXPECT_EQ(target.HourFont()->Name(), "Tahoma");
    EXPECT_EQ(target.HourFont()->Size(), 8);
    EXPECT_EQ(target.AMPMFont()->Size(), 10);
    EXPECT_EQ(target.AMPMColor(), clWhite);
}

} // namespace
