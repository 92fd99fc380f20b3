// Category panel groups: stacking, collapsing and scrolling by the wheel.
#include "StdControlsFixture.h"
#include "platform/controls/CategoryPanelGroup.h"
#include "platform/controls/Edit.h"
#include "platform/controls/WinApi.h"
#include "platform/controls/TestHooks.h"

using namespace SyntheticInput;

namespace {

class CategoryPanelScroll : public StdControlsTest {
protected:
    void SetUp() override
    {
        StdControlsTest::SetUp();
        Group = new TCategoryPanelGroup(Form);
        Group->SetParent(Form);
        Group->SetBounds(0, 0, 200, 300);
        for (int h : {150, 200, 100}) {
            auto* p = new TCategoryPanel(Form);
            // Sized before joining: the group stacks it when it joins.
            p->SetHeight(h);
            p->SetPanelGroup(Group);
            Panels.push_back(p);
        }
    }
    std::vector<int> Tops() const
    {
        std::vector<int> tops;
        for (TCategoryPanel* p : Panels)
            tops.push_back(p->Top());
        return tops;
    }
    TCategoryPanelGroup* Group = nullptr;
    std::vector<TCategoryPanel*> Panels;
};

TEST_F(CategoryPanelScroll, PanelsStackTopToBottomAndCollapseToTheirHeader)
{
    EXPECT_EQ(Tops(), (std::vector<int>{0, 150, 350}));
    EXPECT_EQ(Panels[1]->Width(), 200);
    Panels[0]->Collapse();
    EXPECT_EQ(Panels[0]->Height(), Group->HeaderHeight());
    EXPECT_EQ(Tops(), (std::vector<int>{0, 24, 224}));
    // A click on the header expands it again, to its old height.
    Click(Panels[0], {50, 5});
    EXPECT_FALSE(Panels[0]->Collapsed());
    EXPECT_EQ(Panels[0]->Height(), 150);
    // A click below the header does nothing.
    Click(Panels[0], {50, 100});
    EXPECT_FALSE(Panels[0]->Collapsed());
}

TEST_F(CategoryPanelScroll, WheelScrollsByTheSystemsLinesAndStopsAtTheEnds)
{
    int step = GetWheelScrollLines() * Group->VertScrollIncrement();
    EXPECT_EQ(Group->ScrollRange(), 150);
    Wheel(Group, -WHEEL_DELTA, {10, 10});
    EXPECT_EQ(Group->ScrollPos(), step);
    EXPECT_EQ(Tops(), (std::vector<int>{-step, 150 - step, 350 - step}));
    // A wheel over a panel, or over an edit in a panel, scrolls the group too.
    auto* edit = new TEdit(Form);
    edit->SetParent(Panels[1]);
    edit->SetTop(40);
    Wheel(Panels[1], -WHEEL_DELTA, {10, 50});
    Wheel(edit, -WHEEL_DELTA, {5, 5});
    EXPECT_EQ(Group->ScrollPos(), 3 * step);
    for (int i = 0; i < 20; ++i)
        Wheel(Group, -WHEEL_DELTA, {10, 10});
    EXPECT_EQ(Group->ScrollPos(), 150);
    Wheel(Group, 40 * WHEEL_DELTA, {10, 10});
    EXPECT_EQ(Group->ScrollPos(), 0);
    // Collapsing makes everything fit: nothing to scroll.
    Group->CollapseAll();
    EXPECT_EQ(Group->ScrollRange(), 0);
    Wheel(Group, -WHEEL_DELTA, {10, 10});
    EXPECT_EQ(Group->ScrollPos(), 0);
}

} // namespace
