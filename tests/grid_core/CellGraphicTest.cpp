#include "../support/GeometryPrinter.h"
#include "../support/QStringPrinter.h"
#include "TrackedBitmap.h"
#include "grid/core/CellGraphic.h"
#include "grid/foundation/IntList.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/StringList.h"
#include <gtest/gtest.h>

namespace {

struct PictureCase {
    const char* Name;
    TStretchMode Mode;
    int Room;
    TPoint Expected;
};

class CellGraphicPicture : public testing::TestWithParam<PictureCase> {};

} // namespace

TEST(CellGraphic, NewGraphicIsEmpty)
{
    TCellGraphic g;
    EXPECT_EQ(g.CellType(), ctNone);
    EXPECT_FALSE(g.CellCreated());
    EXPECT_EQ(g.CellBitmap(), nullptr);
    EXPECT_EQ(g.CellIndex(), 0);
    EXPECT_TRUE(g.CellText().isEmpty());
}

TEST(CellGraphic, SetAngleBringsTheAngleIntoRange)
{
    for (auto [in, out] : {std::pair{-90, 270}, {720, 360}, {360, 360}, {45, 45}, {-450, 270}}) {
        TCellGraphic g;
        g.SetAngle(in);
        EXPECT_EQ(g.CellType(), ctRotated);
        EXPECT_EQ(g.CellAngle(), out) << in;
    }
}

TEST(CellGraphic, ButtonPacksItsSize)
{
    TCellGraphic g;
    g.SetButton(40, 18, QStringLiteral("Go"), haCenter, vaCenter);
    EXPECT_EQ(g.CellType(), ctButton);
    EXPECT_EQ(g.CellIndex() & 0xFFFF, 40);
    EXPECT_EQ(unsigned(g.CellIndex()) >> 16, 18u);
    EXPECT_EQ(g.CellText(), "Go");
}

TEST_P(CellGraphicPicture, FitsByStretchMode)
{
    const PictureCase& c = GetParam();
    TPicture picture;
    picture.Bitmap()->SetSize(100, 50);
    TCellGraphic g;
    g.SetPicture(&picture, false, c.Mode, 4, haLeft, vaTop);
    EXPECT_EQ(g.GetPictureSize(c.Room, c.Room, false), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    CellGraphic, CellGraphicPicture,
    testing::Values(PictureCase{"StretchAspectSmall", StretchWithAspectRatio, 60, {56, 28}},
                    PictureCase{"ShrinkAspectSmall", ShrinkWithAspectRatio, 60, {56, 28}},
                    PictureCase{"ShrinkAspectLarge", ShrinkWithAspectRatio, 200, {100, 50}},
                    PictureCase{"StretchAspectLarge", StretchWithAspectRatio, 200, {196, 98}},
                    PictureCase{"StretchFillsTheRoom", Stretch, 60, {56, 56}},
                    PictureCase{"ShrinkWhenTooBig", Shrink, 60, {56, 56}},
                    PictureCase{"ShrinkKeepsWhatFits", Shrink, 200, {100, 50}},
                    PictureCase{"NoStretch", noStretch, 60, {100, 50}},
                    PictureCase{"UnknownModeIsNoStretch", TStretchMode(7), 60, {100, 50}}),
    [](const testing::TestParamInfo<PictureCase>& info) { return std::string(info.param.Name); });

TEST(CellGraphic, FreesOnlyWhatItOwns)
{
    bool callerAlive = false, createdAlive = false;
    auto* caller = new TTrackedBitmap(callerAlive);
    {
        TCellGraphic g;
        g.SetBitmap(caller, false, haLeft, vaTop);
    }
    EXPECT_TRUE(callerAlive);
    {
        TCellGraphic g;
        g.SetBitmap(new TTrackedBitmap(createdAlive), false, haLeft, vaTop);
        g.SetCellCreated(true);
        // Replacing the kind frees the owned bitmap at once.
        g.SetAngle(90);
        EXPECT_FALSE(createdAlive);
        EXPECT_EQ(g.CellBitmap(), nullptr);
    }
    delete caller;
}

TEST(CellGraphic, AssignCopiesFieldsButNotObjects)
{
    TBitmap bmp;
    TCellGraphic src;
    src.SetBitmap(&bmp, true, haRight, vaBottom);
    src.SetCellText(QStringLiteral("t"));
    src.SetCellCheckBoxState(cbGrayed);
    src.SetCellVar(3);
    TCellGraphic dst;
    dst.Assign(&src);
    EXPECT_EQ(dst.CellType(), ctBitmap);
    EXPECT_TRUE(dst.CellTransparent());
    EXPECT_EQ(dst.CellHAlign(), haRight);
    EXPECT_EQ(dst.CellText(), "t");
    EXPECT_EQ(dst.CellBitmap(), nullptr);
    EXPECT_EQ(dst.CellCheckBoxState(), cbUnchecked);
    EXPECT_FALSE(dst.CellVar().isValid());
}

TEST(CellGraphic, MultiImageListIsOwnedAndReportsItsCell)
{
    int col = -1, row = -1;
    TCellGraphic g;
    g.SetMultiImage(2, 3, 0, haLeft, vaTop, [&](TObject*, int c, int r) {
        col = c;
        row = r;
    });
    ASSERT_NE(g.IntList(), nullptr);
    EXPECT_TRUE(g.CellBoolean());
    g.IntList()->Add(5);
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 3);
}
