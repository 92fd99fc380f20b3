#include "controls/tabs/DeckTabsDefaults.h"
#include "controls/tabs/DeckTabsLookAndFeel.h"
#include "FakeDeckTabs.h"
#include "platform/rtl/Exceptions.h"
#include <functional>
#include <gtest/gtest.h>

namespace {

using StylePick = std::function<TDeckTabsLookAndFeelStyle*(TDeckTabsLookAndFeel*)>;

// A style of a new strip: start, stop, start alpha, stop alpha, outline
// colour, outline size, outline alpha.
struct StyleCase {
    const char* Name;
    StylePick Pick;
    TColor Start, Stop;
    int StartAlpha, StopAlpha;
    TColor Outline;
    float OutlineSize;
    int OutlineAlpha;
};
void PrintTo(const StyleCase& c, std::ostream* os) { *os << c.Name; }

const StyleCase StripStyles[] = {
    {"TabsContainer", [](auto* l) { return l->TabsContainer(); }, 14586466, 13201730, 255, 255, 14520930, 0, 0},
    {"TabsActive", [](auto* l) { return l->Tabs()->Active()->Style(); }, 16777215, 16316920, 255, 255, 10189918, 1, 255},
    {"TabsNotActive", [](auto* l) { return l->Tabs()->NotActive()->Style(); }, 15194573, 15194573, 210, 210, 13546390, 1, 215},
    {"TabsHot", [](auto* l) { return l->Tabs()->Hot()->Style(); }, 15721176, 15589847, 255, 255, 12423799, 1, 235},
    {"CircleNormal", [](auto* l) { return l->CloseButton()->Circle()->Normal(); }, clGradientActiveCaption, clNone, 0, 0, 8421504, 1, 0},
    {"CircleDown", [](auto* l) { return l->CloseButton()->Circle()->Down(); }, 3487169, 3487169, 255, 255, 8421504, 1, 255},
    {"CircleHot", [](auto* l) { return l->CloseButton()->Circle()->Hot(); }, 9408475, 9803748, 255, 255, 6054595, 1, 255},
    {"AddButtonNormal", [](auto* l) { return l->AddButton()->Button()->Normal(); }, 14340292, 14340035, 255, 255, 13088421, 1, 255},
    {"AddButtonDown", [](auto* l) { return l->AddButton()->Button()->Down(); }, 13417645, 13417644, 255, 255, 10852748, 1, 255},
    {"AddButtonHot", [](auto* l) { return l->AddButton()->Button()->Hot(); }, 15524314, 15524314, 255, 255, 14927787, 1, 255},
    {"PlusSignHot", [](auto* l) { return l->AddButton()->PlusSign()->Hot(); }, 16777215, 16777215, 255, 255, 8421504, 1, 255},
    {"ScrollButtonNormal", [](auto* l) { return l->ScrollButtons()->Button()->Normal(); }, 14735310, 14274499, 255, 255, 11507842, 1, 255},
    {"ScrollButtonDown", [](auto* l) { return l->ScrollButtons()->Button()->Down(); }, 13417645, 13417644, 255, 255, 10852748, 1, 255},
    {"ScrollButtonHot", [](auto* l) { return l->ScrollButtons()->Button()->Hot(); }, 15524314, 15524313, 255, 255, 14927788, 1, 255},
    {"ScrollButtonDisabled", [](auto* l) { return l->ScrollButtons()->Button()->Disabled(); }, 14340036, 14274499, 150, 150, 11113341, 1, 100},
    {"ArrowNormal", [](auto* l) { return l->ScrollButtons()->Arrow()->Normal(); }, 16777215, 16777215, 255, 255, 8421504, 1, 200},
    {"ArrowDisabled", [](auto* l) { return l->ScrollButtons()->Arrow()->Disabled(); }, 12632256, 12632256, 150, 150, 8421504, 1, 200},
};

class DeckTabsStripStyles : public testing::TestWithParam<StyleCase> {};

TEST_P(DeckTabsStripStyles, AfterDefaultLook)
{
    TDeckTabsLookAndFeel look(nullptr);
    SetDefaultDeckTabsLookAndFeel(&look);
    const StyleCase& c = GetParam();
    const TDeckTabsLookAndFeelStyle* s = c.Pick(&look);
    EXPECT_EQ(s->StartColor(), c.Start);
    EXPECT_EQ(s->StopColor(), c.Stop);
    EXPECT_EQ(s->StartAlpha(), c.StartAlpha);
    EXPECT_EQ(s->StopAlpha(), c.StopAlpha);
    EXPECT_EQ(s->OutlineColor(), c.Outline);
    EXPECT_FLOAT_EQ(s->OutlineSize(), c.OutlineSize);
    EXPECT_EQ(s->OutlineAlpha(), c.OutlineAlpha);
}

INSTANTIATE_TEST_SUITE_P(DeckTabsLookAndFeel, DeckTabsStripStyles, testing::ValuesIn(StripStyles),
                         [](const testing::TestParamInfo<StyleCase>& info) { return std::string(info.param.Name); });

TEST(DeckTabsLookAndFeel, StripPensFontsAndGlows)
{
    TDeckTabsLookAndFeel look(nullptr);
    SetDefaultDeckTabsLookAndFeel(&look);
    TDeckTabsLookAndFeelTab* tabs = look.Tabs();
    struct PenCase {
        const char* Name;
        TDeckTabsLookAndFeelPen* Pen;
        TColor Color;
        float Thickness;
        int Alpha;
    } pens[] = {
        {"BaseLine", tabs->BaseLine(), 11110509, 1.0f, 255},
        {"CrossNormal", look.CloseButton()->Cross()->Normal(), 6643031, 1.5f, 255},
        {"CrossDown", look.CloseButton()->Cross()->Down(), 15461369, 2.0f, 220},
        {"CrossHot", look.CloseButton()->Cross()->Hot(), 16777215, 2.0f, 220},
        {"SpinnerUpload", tabs->Spinners()->Upload(), 12759975, 2.5f, 255},
        {"SpinnerDownload", tabs->Spinners()->Download(), 14388040, 2.5f, 255},
    };
    for (const PenCase& p : pens) {
        EXPECT_EQ(p.Pen->Color(), p.Color) << p.Name;
        EXPECT_FLOAT_EQ(p.Pen->Thickness(), p.Thickness) << p.Name;
        EXPECT_EQ(p.Pen->Alpha(), p.Alpha) << p.Name;
    }
    struct FontCase {
        const char* Name;
        TDeckTabsLookAndFeelBaseFont* Font;
        TColor Color;
        int Alpha;
    } fonts[] = {
        {"Default", tabs->DefaultFont(), 0, 255},
        {"Active", tabs->Active()->Font(), 32896, 100},
        {"NotActive", tabs->NotActive()->Font(), 4603477, 215},
        {"Hot", tabs->Hot()->Font(), 4210752, 215},
    };
    for (const FontCase& f : fonts) {
        EXPECT_EQ(f.Font->Name(), QStringLiteral("Segoe UI")) << f.Name;
        EXPECT_EQ(f.Font->Size(), 9) << f.Name;
        EXPECT_EQ(f.Font->Color(), f.Color) << f.Name;
        EXPECT_EQ(f.Font->Alpha(), f.Alpha) << f.Name;
        EXPECT_EQ(f.Font->TextRendoringMode(), TextRenderingHintClearTypeGridFit) << f.Name;
    }
    // Active tabs draw with the default font, the others with their own.
    EXPECT_TRUE(tabs->Active()->Font()->UseDefaultFont());
    EXPECT_FALSE(tabs->NotActive()->Font()->UseDefaultFont());
    EXPECT_FALSE(tabs->Hot()->Font()->UseDefaultFont());
    EXPECT_EQ(tabs->Modified()->CentreAlpha(), 130);
    EXPECT_EQ(tabs->MouseGlow()->CentreAlpha(), 120);
    EXPECT_EQ(tabs->MouseGlow()->OutsideAlpha(), 0);
}

TEST(DeckTabsLookAndFeel, ClassValuesBeforeTheStripDefaults)
{
    TDeckTabsLookAndFeel look(nullptr);
    EXPECT_EQ(look.TabsContainer()->OutlineSize(), 0.0f);
    EXPECT_EQ(look.Tabs()->Active()->Style()->OutlineSize(), 1.0f);
    EXPECT_EQ(look.Tabs()->BaseLine()->Color(), 8421504);
    EXPECT_EQ(look.Tabs()->BaseLine()->Thickness(), 2.0f);
    EXPECT_EQ(look.CloseButton()->Cross()->Normal()->Color(), 12103593);
    EXPECT_EQ(look.CloseButton()->Cross()->Hot()->Alpha(), 240);
    EXPECT_EQ(look.CloseButton()->Cross()->Down()->Color(), 255);
    EXPECT_EQ(look.CloseButton()->Circle()->Hot()->StartColor(), 3487169);
    EXPECT_EQ(look.CloseButton()->Circle()->Normal()->OutlineAlpha(), 0);
    EXPECT_EQ(look.Tabs()->Modified()->CentreAlpha(), 180);
    EXPECT_EQ(look.AddButton()->Button()->Normal()->OutlineColor(), 8421504);

    SetDefaultDeckTabsLookAndFeel(&look);
    // Neither the container's outline size nor the spinner pens are touched.
    EXPECT_EQ(look.TabsContainer()->OutlineSize(), 0.0f);
    EXPECT_EQ(look.Tabs()->Spinners()->Upload()->Color(), 12759975);
}

TEST(DeckTabsLookAndFeel, EveryWriteReportsOnce)
{
    TFakeDeckTabs strip;
    const std::function<void(TDeckTabsLookAndFeel*)> writes[] = {
        [](auto* l) { l->TabsContainer()->SetStartColor(1); },
        [](auto* l) { l->Tabs()->BaseLine()->SetThickness(3); },
        [](auto* l) { l->Tabs()->DefaultFont()->SetName(QStringLiteral("Arial")); },
        [](auto* l) { l->Tabs()->Hot()->Font()->SetUseDefaultFont(true); },
        [](auto* l) { l->Tabs()->MouseGlow()->SetCentreAlpha(1); },
        [](auto* l) { l->ScrollButtons()->Arrow()->Disabled()->SetOutlineSize(2); },
        [](auto* l) { l->CloseButton()->Cross()->Down()->SetAlpha(7); },
    };
    for (const auto& write : writes) {
        strip.Log.clear();
        write(strip.LookAndFeel);
        EXPECT_EQ(strip.Log, QStringList{"-:PropertyUpdated"});
    }
}

TEST(DeckTabsLookAndFeel, InvalidateCascadesExceptPastTheTabStates)
{
    TDeckTabsLookAndFeel look(nullptr);
    look.Invalidate();
    EXPECT_TRUE(look.Invalidated());
    EXPECT_TRUE(look.TabsContainer()->Invalidated());
    EXPECT_TRUE(look.ScrollButtons()->Arrow()->Disabled()->Invalidated());
    EXPECT_TRUE(look.CloseButton()->Circle()->Hot()->Invalidated());
    EXPECT_TRUE(look.CloseButton()->Cross()->Down()->Invalidated());
    EXPECT_TRUE(look.AddButton()->PlusSign()->Normal()->Invalidated());
    EXPECT_TRUE(look.Tabs()->BaseLine()->Invalidated());
    // The tab object passes it to its base line only.
    EXPECT_FALSE(look.Tabs()->Active()->Style()->Invalidated());
}

TEST(DeckTabsLookAndFeel, WholeObjectAssignmentFails)
{
    TDeckTabsLookAndFeel a(nullptr), b(nullptr);
    EXPECT_THROW(a.Tabs()->Active()->Assign(b.Tabs()->Active()), EConvertError);
}

// A pixel of row Y of a brush filled into a 4 x 100 image.
ARGB BrushPixel(TGPBrush* Brush, int Y)
{
    TGPBitmap bitmap(4, 100);
    {
        TGPGraphics graphics(&bitmap);
        graphics.FillRectangle(Brush, 0, 0, 4, 100);
    }
    return bitmap.GetPixel(1, Y);
}

TEST(DeckTabsLookAndFeel, BrushKeepsItsFirstGradientUntilAWrite)
{
    TDeckTabsLookAndFeelStyle style(nullptr);
    style.SetStartColor(0x0000FF); // red at the top
    style.SetStopColor(0xFF0000);  // blue at the bottom
    TGPBrush* first = style.GetBrush({0, 0, 10, 10});
    EXPECT_EQ(style.GetBrush({0, 0, 10, 100}), first);
    // The gradient spans rows 0..10 as first asked, so row 5 is already half way.
    const ARGB mid = BrushPixel(first, 5);
    EXPECT_NEAR(int((mid >> 16) & 0xFF), 128, 20);
    EXPECT_NEAR(int(mid & 0xFF), 128, 20);

    style.SetStartColor(0x00FF00);
    TGPBrush* second = style.GetBrush({0, 0, 10, 100});
    const ARGB top = BrushPixel(second, 2);
    EXPECT_GT(int((top >> 8) & 0xFF), 235); // green now
    const ARGB row5 = BrushPixel(second, 5);
    EXPECT_LT(int(row5 & 0xFF), 40); // spread over 100 rows this time
}

TEST(DeckTabsLookAndFeel, PensFollowTheirValues)
{
    TDeckTabsLookAndFeelStyle style(nullptr);
    style.SetOutlineSize(2.5f);
    TGPPen* pen = style.GetPen();
    EXPECT_FLOAT_EQ(pen->GetWidth(), 2.5f);
    EXPECT_EQ(style.GetPen(), pen);
    style.SetOutlineSize(1.5f);
    EXPECT_FLOAT_EQ(style.GetPen()->GetWidth(), 1.5f);

    TDeckTabsLookAndFeelPen line(nullptr);
    line.SetThickness(3.0f);
    EXPECT_FLOAT_EQ(line.GetPen()->GetWidth(), 3.0f);
}

TEST(DeckTabsLookAndFeel, PenAlphaUsesTheLowestByte)
{
    TDeckTabsLookAndFeelPen line(nullptr);
    line.SetColor(0x000000);
    line.SetThickness(1.0f);
    line.SetAlpha(300);
    EXPECT_EQ(line.Alpha(), 300);
    TGPBitmap bitmap(20, 10);
    {
        TGPGraphics graphics(&bitmap);
        graphics.DrawLine(line.GetPen(), 0, 3, 20, 3);
    }
    EXPECT_EQ(int(bitmap.GetPixel(10, 3) >> 24), 44);
}

} // namespace
