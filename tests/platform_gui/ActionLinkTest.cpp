// Actions linked to controls: values passed on, click executing the action,
// lifetimes of action, list, image list and control.
#include "platform/controls/ActionList.h"
#include "platform/controls/CustomControl.h"
#include "platform/graphics/ImageList.h"
#include <QStringList>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

namespace {

struct LinkCase {
    const char* Name;
    std::function<void(TAction*)> Change;
    std::function<bool(TControl*)> Holds;
};

void PrintTo(const LinkCase& c, std::ostream* os) { *os << c.Name; }

class ActionChanges : public ::testing::TestWithParam<LinkCase> {};

TEST_P(ActionChanges, ReachTheLinkedControl)
{
    TAction action;
    TCustomControl control;
    control.SetAction(&action);
    GetParam().Change(&action);
    EXPECT_TRUE(GetParam().Holds(&control));
}

INSTANTIATE_TEST_SUITE_P(
    Properties, ActionChanges,
    ::testing::Values(
        LinkCase{"Caption", [](TAction* a) { a->SetCaption("&Save"); },
                 [](TControl* c) { return c->Caption() == "&Save"; }},
        LinkCase{"Enabled", [](TAction* a) { a->SetEnabled(false); }, [](TControl* c) { return !c->Enabled(); }},
        LinkCase{"Hint", [](TAction* a) { a->SetHint("Saves|Saves the file"); },
                 [](TControl* c) { return c->Hint() == "Saves|Saves the file"; }},
        LinkCase{"Visible", [](TAction* a) { a->SetVisible(false); }, [](TControl* c) { return !c->Visible(); }}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(ActionLink, LinkingCopiesTheActionsValues)
{
    TAction action;
    action.SetCaption("Open");
    action.SetEnabled(false);
    action.SetHint("Opens");
    TCustomControl control;
    control.SetCaption("Before");
    control.SetAction(&action);
    EXPECT_EQ(control.Action(), &action);
    EXPECT_EQ(control.Caption(), "Open");
    EXPECT_FALSE(control.Enabled());
    EXPECT_EQ(control.Hint(), "Opens");
}

TEST(ActionLink, ClickExecutesTheActionUnlessOnClickIsSetLater)
{
    QStringList log;
    TAction action;
    action.OnExecute = [&](TObject* sender) {
        log << QStringLiteral("execute");
        EXPECT_EQ(sender, &action);
    };
    TCustomControl control;
    control.OnClick = [&](TObject*) { log << QStringLiteral("old click"); };
    control.SetAction(&action);
    control.Click();
    EXPECT_EQ(log, QStringList{"execute"});
    EXPECT_EQ(action.ActionComponent(), nullptr);

    control.OnClick = [&](TObject*) { log << QStringLiteral("own click"); };
    control.Click();
    EXPECT_EQ(log, (QStringList{"execute", "own click"}));
}

TEST(ActionLink, DisabledActionDoesNotExecuteAndUpdateRunsFirst)
{
    int executed = 0;
    TAction action;
    bool enable = false;
    action.OnUpdate = [&](TObject*) { action.SetEnabled(enable); };
    action.OnExecute = [&](TObject*) { ++executed; };
    EXPECT_FALSE(action.Execute());
    enable = true;
    EXPECT_TRUE(action.Execute());
    EXPECT_EQ(executed, 1);
}

TEST(ActionLink, FreeingEitherSideUnlinks)
{
    auto action = std::make_unique<TAction>();
    auto control = std::make_unique<TCustomControl>();
    control->SetAction(action.get());
    EXPECT_EQ(action->ClientCount(), 1);
    action.reset();
    EXPECT_EQ(control->Action(), nullptr);
    control->Click(); // no action left to run

    action = std::make_unique<TAction>();
    control->SetAction(action.get());
    control.reset();
    EXPECT_EQ(action->ClientCount(), 0);
    action->SetCaption("still fine");
}

TEST(ActionLink, UnlinkedControlKeepsItsValues)
{
    TAction action;
    action.SetCaption("A");
    TCustomControl control;
    control.SetAction(&action);
    control.SetAction(nullptr);
    action.SetCaption("B");
    EXPECT_EQ(control.Caption(), "A");
    EXPECT_EQ(action.ClientCount(), 0);
}

TEST(ActionList, OwnsItsActionsAndForgetsAFreedImageList)
{
    auto list = std::make_unique<TActionList>();
    auto* a = new TAction;
    auto* b = new TAction;
    a->SetActionList(list.get());
    b->SetActionList(list.get());
    EXPECT_EQ(list->ActionCount(), 2);
    EXPECT_EQ(b->Index(), 1);
    delete a;
    EXPECT_EQ(list->ActionCount(), 1);
    EXPECT_EQ(b->Index(), 0);

    auto images = std::make_unique<TImageList>();
    list->SetImages(images.get());
    images.reset();
    EXPECT_EQ(list->Images(), nullptr);

    TCustomControl control;
    control.SetAction(b);
    list.reset(); // frees b
    EXPECT_EQ(control.Action(), nullptr);
}

} // namespace
