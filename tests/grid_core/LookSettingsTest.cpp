#include "FakeGridOwner.h"
#include "grid/core/ControlLook.h"
#include "grid/core/LookSettings.h"
#include "grid/dropdown/DropDownAppearance.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Exceptions.h"
#include <gtest/gtest.h>

TEST(ControlLook, NewLookPassesItsMirrorColoursToTheGrid)
{
    FakeGridOwner grid;
    for (TColor& c : grid.QLX)
        c = 1;
    TControlLook look(&grid);
    EXPECT_EQ(look.FixedGradientHoverFrom(), clGray);
    EXPECT_EQ(look.FixedGradientHoverTo(), clWhite);
    EXPECT_EQ(look.FixedGradientDownFrom(), clGray);
    EXPECT_EQ(look.FixedGradientDownTo(), clSilver);
    EXPECT_EQ(look.CheckSize(), 15);
    EXPECT_EQ(look.RadioSize(), 10);
    EXPECT_EQ(look.DropDownCount(), 8);
    EXPECT_EQ(look.ControlStyle(), csTheme);
    EXPECT_EQ(look.CommentColor(), clRed);
    EXPECT_EQ(look.DropDownHeader()->GetOwner(), &grid);
    EXPECT_EQ(look.DropDownHeader()->Font()->Name(), "Tahoma");
    // Init sets the four mirror colours through their setters only.
    const TColor expected[14] = {1, 1, 1, 1, 1, 1, clNone, clNone, 1, 1, 1, clNone, clNone, 1};
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(grid.QLX[i], expected[i]) << i;
    EXPECT_TRUE(grid.Log.isEmpty());
}

TEST(ControlLook, GradientSettersSkipClNoneExceptMirrors)
{
    FakeGridOwner grid;
    TControlLook look(&grid);
    look.SetFixedGradientFrom(clRed);
    look.SetFixedGradientHoverBorder(clBlue);
    look.SetFixedGradientMirrorFrom(clLime);
    EXPECT_EQ(grid.QLX[0], clRed);
    EXPECT_EQ(grid.QLX[8], clBlue);
    EXPECT_EQ(grid.QLX[2], clLime);

    look.SetFixedGradientFrom(clNone);
    look.SetFixedGradientHoverBorder(clNone);
    look.SetFixedGradientMirrorFrom(clNone);
    EXPECT_EQ(look.FixedGradientFrom(), clNone);
    EXPECT_EQ(grid.QLX[0], clRed);
    EXPECT_EQ(grid.QLX[8], clBlue);
    EXPECT_EQ(grid.QLX[2], clNone);

    // Control looks repaint; stored-only members do not.
    look.SetCheckSize(20);
    look.SetProgressBorderColor(clRed);
    look.SetDropDownCount(12);
    EXPECT_EQ(grid.Log, QStringList{"Invalidate"});
}

TEST(ControlLook, AssignIsPartialAndQuiet)
{
    FakeGridOwner grid;
    TControlLook src(nullptr), dst(&grid);
    src.SetFixedGradientFrom(clRed);
    src.SetFixedGradientDownBorder(clBlue);
    src.SetFixedGradientHoverMirrorTo(clLime);
    src.SetFlatButton(true);
    src.SetProgressXP(true);
    src.SetFixedDropDownButton(true);
    src.SetHintMaxWidth(300);
    src.SetControlStyle(csFlat);
    src.DropDownHeader()->SetCaption("Head");
    src.CheckedGlyph()->SetSize(4, 4);
    grid.Log.clear();
    for (TColor& c : grid.QLX)
        c = 1;

    dst.Assign(&src);
    EXPECT_EQ(dst.FixedGradientFrom(), clRed);
    EXPECT_EQ(dst.FixedGradientDownBorder(), clBlue);
    EXPECT_EQ(dst.FixedGradientHoverMirrorTo(), clLime);
    EXPECT_EQ(dst.HintMaxWidth(), 300);
    EXPECT_EQ(dst.ControlStyle(), csFlat);
    EXPECT_EQ(dst.DropDownHeader()->Caption(), "Head");
    EXPECT_EQ(dst.CheckedGlyph()->Width(), 4);
    EXPECT_FALSE(dst.FlatButton());
    EXPECT_FALSE(dst.ProgressXP());
    EXPECT_FALSE(dst.FixedDropDownButton());
    EXPECT_TRUE(grid.Log.isEmpty());
    for (TColor c : grid.QLX)
        EXPECT_EQ(c, 1);
}

TEST(LookSettings, GroupingBalloonAndShowModifiedCopies)
{
    TGrouping g1, g2;
    g1.SetHeaderColor(clRed);
    g1.SetSummary(true);
    g1.SetHeaderLineWidth(5);
    g1.SetSummaryLineColor(clRed);
    g1.SetGroupCountFormat("(%d)");
    g2.Assign(&g1);
    EXPECT_EQ(g2.HeaderColor(), clRed);
    EXPECT_EQ(g2.GroupCountFormat(), "(%d)");
    EXPECT_FALSE(g2.Summary());
    EXPECT_EQ(g2.HeaderLineWidth(), 2);
    EXPECT_EQ(g2.SummaryLineColor(), clBlue);

    TBalloonSettings b1, b2;
    int fired = 0;
    b2.OnEnableChange = [&](TObject*) { ++fired; };
    b1.SetEnable(true);
    b1.SetTransparency(40);
    b1.SetAutoHideDelay(500);
    b2.Assign(&b1);
    EXPECT_TRUE(b2.Enable());
    EXPECT_EQ(b2.AutoHideDelay(), 500);
    EXPECT_EQ(b2.Transparency(), 0);
    EXPECT_EQ(fired, 0);
    b2.SetEnable(true);
    b2.SetEnable(true);
    EXPECT_EQ(fired, 2);

    TShowModified m1, m2;
    int changes = 0;
    m2.OnChange = [&](TObject*) { ++changes; };
    EXPECT_EQ(m2.Color(), clYellow);
    m1.SetEnabled(true);
    m1.SetColor(clRed);
    m2.Assign(&m1);
    EXPECT_TRUE(m2.Enabled());
    EXPECT_EQ(m2.Color(), clRed);
    EXPECT_EQ(changes, 0);
    m2.SetColor(clRed);
    EXPECT_EQ(changes, 1);
}

TEST(LookSettings, ProgressAppearanceNotifiesRealChanges)
{
    TGridProgressAppearance p, q;
    int changes = 0;
    p.OnChange = [&](TObject*) { ++changes; };
    EXPECT_EQ(p.Steps(), 11);
    EXPECT_EQ(p.Level1Perc(), 70);
    EXPECT_EQ(p.Style(), psXP);
    p.SetSteps(11);
    p.SetCompleteColor(clRed);
    EXPECT_EQ(changes, 0);
    p.SetSteps(5);
    EXPECT_EQ(changes, 1);

    q.SetStyle(psClassic);
    q.SetLevel3ColorTo(clBlack);
    p.Assign(&q);
    EXPECT_EQ(p.Style(), psClassic);
    EXPECT_EQ(p.Level3ColorTo(), clBlack);
    EXPECT_EQ(p.Steps(), 11);
    EXPECT_EQ(changes, 2);
}

TEST(LookSettings, BackGroundRepaintsOnEveryWrite)
{
    FakeGridOwner grid;
    TBackGround bg(&grid);
    EXPECT_EQ(bg.Display(), bdTile);
    EXPECT_EQ(bg.Color(), clWindow);
    EXPECT_EQ(bg.ColorTo(), clBtnFace);
    bg.SetLeft(0);
    bg.SetDisplay(bdGradientVert);
    EXPECT_EQ(grid.Log, (QStringList{"Invalidate", "Invalidate"}));
    TBackGround other(nullptr);
    EXPECT_THROW(bg.Assign(&other), EConvertError);
}

TEST(LookSettings, ForeignSourcesChangeNothing)
{
    TGrouping g;
    TBalloonSettings b;
    TShowModified m;
    TGridProgressAppearance p;
    int changes = 0;
    p.OnChange = [&](TObject*) { ++changes; };
    TControlLook look(nullptr);
    for (TPersistent* target : std::initializer_list<TPersistent*>{&g, &b, &m, &p, &look}) {
        for (TPersistent* source : std::initializer_list<TPersistent*>{&g, &b, &m, &p, &look}) {
            if (source != target) {
                EXPECT_NO_THROW(target->Assign(source));
            }
        }
    }
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(g.HeaderLineWidth(), 2);
    EXPECT_EQ(m.Color(), clYellow);
}
