// Aligned and anchored children of a windowed control.
#include "platform/controls/Form.h"
#include <gtest/gtest.h>

namespace {

struct AlignChild {
    TAlign Align;
    TRect Bounds;
    TRect Expected;
};

struct AlignCase {
    const char* Name;
    std::vector<AlignChild> Children;
};

void PrintTo(const AlignCase& c, std::ostream* os) { *os << c.Name; }

class Alignment : public ::testing::TestWithParam<AlignCase> {};

TEST_P(Alignment, FillsTheClientAreaInTheFrameworksOrder)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    std::vector<TWinControl*> children;
    for (const AlignChild& c : GetParam().Children) {
        auto* w = new TWinControl(&form);
        w->SetBoundsRect(c.Bounds);
        w->SetAlign(c.Align);
        w->SetParent(&form);
        children.push_back(w);
    }
    for (std::size_t i = 0; i < children.size(); ++i) {
        TRect r = children[i]->BoundsRect();
        TRect e = GetParam().Children[i].Expected;
        EXPECT_EQ(r, e) << "child " << i << ": " << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom;
    }
}

INSTANTIATE_TEST_SUITE_P(
    WinControlAlign, Alignment,
    ::testing::Values(
        AlignCase{"TopBottomLeftRightClient",
                  {{alClient, Bounds(0, 0, 5, 5), Rect(30, 20, 180, 90)},
                   {alTop, Bounds(0, 0, 5, 20), Rect(0, 0, 200, 20)},
                   {alBottom, Bounds(0, 0, 5, 10), Rect(0, 90, 200, 100)},
                   {alLeft, Bounds(0, 0, 30, 5), Rect(0, 20, 30, 90)},
                   {alRight, Bounds(0, 0, 20, 5), Rect(180, 20, 200, 90)}}},
        AlignCase{"TopControlsStackByPosition",
                  {{alTop, Bounds(0, 50, 5, 10), Rect(0, 15, 200, 25)},
                   {alTop, Bounds(0, 0, 5, 15), Rect(0, 0, 200, 15)}}},
        AlignCase{"UnalignedControlStaysPut", {{alNone, Bounds(7, 8, 9, 10), Bounds(7, 8, 9, 10)}}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(WinControlAlign, AnchorsKeepTheDistanceToTheRightAndBottomEdges)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto* moving = new TWinControl(&form);
    moving->SetParent(&form);
    moving->SetBounds(150, 70, 40, 20);
    moving->SetAnchors({akRight, akBottom});
    auto* stretching = new TWinControl(&form);
    stretching->SetParent(&form);
    stretching->SetBounds(10, 10, 100, 50);
    stretching->SetAnchors({akLeft, akTop, akRight, akBottom});
    int resized = 0;
    form.OnResize = [&](TObject*) { ++resized; };
    form.SetBounds(0, 0, 300, 150);
    EXPECT_EQ(moving->BoundsRect(), Bounds(250, 120, 40, 20));
    EXPECT_EQ(stretching->BoundsRect(), Bounds(10, 10, 200, 100));
    EXPECT_EQ(resized, 1);
}

} // namespace
