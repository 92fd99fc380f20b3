// Push, check and radio buttons: what a click, Space and the program do
// to the state and the events.
#include "StdControlsFixture.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/TestHooks.h"

using namespace SyntheticInput;

namespace {

using ButtonClick = StdControlsTest;

TEST_F(ButtonClick, MouseAndSpaceClickAndSetModalResult)
{
    auto* b = new TButton(Form);
    b->SetParent(Form);
    b->SetCaption(QStringLiteral("&OK"));
    b->SetModalResult(mrOk);
    b->OnClick = LogEvent(QStringLiteral("OnClick"));
    Click(b, {5, 5});
    EXPECT_EQ(Form->ModalResult(), mrOk);
    Form->SetModalResult(mrNone);
    b->SetFocus();
    Key(b, VK_SPACE, {}, QStringLiteral(" "));
    // A press that is released outside does not click.
    MouseDown(b, mbLeft, {5, 5});
    MouseUp(b, mbLeft, {500, 5});
    EXPECT_EQ(Log, QStringList({"OnClick", "OnClick"}));
}

struct ToggleCase {
    const char* Name;
    bool AllowGrayed;
    std::vector<TCheckBoxState> After;
};

TEST_F(ButtonClick, CheckBoxClicksStepThroughStates)
{
    const ToggleCase cases[] = {
        {"two states", false, {cbChecked, cbUnchecked, cbChecked}},
        {"grayed allowed", true, {cbGrayed, cbChecked, cbUnchecked}},
    };
    for (const ToggleCase& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* box = new TCheckBox(Form);
        box->SetParent(Form);
        box->SetAllowGrayed(c.AllowGrayed);
        int clicks = 0;
        box->OnClick = [&](TObject*) { ++clicks; };
        for (std::size_t i = 0; i < c.After.size(); ++i) {
            if (i == 1) {
                box->SetFocus();
                Key(box, VK_SPACE, {}, QStringLiteral(" "));
            } else {
                Click(box, {3, 3});
            }
            EXPECT_EQ(box->State(), c.After[i]) << "step " << i;
        }
        EXPECT_EQ(clicks, int(c.After.size()));
        // Setting the same state runs nothing; a new one runs OnClick.
        box->SetState(box->State());
        box->SetChecked(!box->Checked());
        EXPECT_EQ(clicks, int(c.After.size()) + 1);
        delete box;
    }
}

TEST_F(ButtonClick, RadioButtonUnchecksItsSiblingsOnly)
{
    auto* a = new TRadioButton(Form);
    auto* b = new TRadioButton(Form);
    auto* other = new TCheckBox(Form);
    for (TControl* c : std::initializer_list<TControl*>{a, b, other})
        c->SetParent(Form);
    b->SetTop(30);
    other->SetTop(60);
    other->SetChecked(true);
    a->OnClick = LogEvent(QStringLiteral("a"));
    b->OnClick = LogEvent(QStringLiteral("b"));
    Click(a, {3, 3});
    Click(b, {3, 3});
    Click(b, {3, 3});
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(other->Checked());
    EXPECT_EQ(Log, QStringList({"a", "b"}));
}

} // namespace
