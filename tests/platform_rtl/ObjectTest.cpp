#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Object.h"

#include <gtest/gtest.h>

namespace {

struct Watcher : TComponent {
    using TComponent::TComponent;
    QStringList log;
    void Notification(TComponent* c, TOperation op) override
    {
        if (op == TOperation::opRemove)
            log << QStringLiteral("remove ") + c->Name();
        TComponent::Notification(c, op);
    }
};

struct TAlpha : TPersistent {};
struct TBeta : TPersistent {};

} // namespace

TEST(Component, OwnerFreesOwnedComponentsAndNotifiesWatchers)
{
    Watcher watcher;
    auto* owner = new TComponent;
    auto* child = new TComponent(owner);
    child->SetName(QStringLiteral("child"));
    child->FreeNotification(&watcher);
    EXPECT_EQ(owner->ComponentCount(), 1);
    EXPECT_EQ(owner->FindComponent(QStringLiteral("CHILD")), child);
    delete owner;
    EXPECT_EQ(watcher.log, QStringList{QStringLiteral("remove child")});
}

TEST(Component, DeletingAChildRemovesItFromItsOwner)
{
    TComponent owner;
    auto* a = new TComponent(&owner);
    new TComponent(&owner);
    delete a;
    EXPECT_EQ(owner.ComponentCount(), 1);
}

TEST(Persistent, IncompatibleAssignRaisesTheFrameworkMessage)
{
    TAlpha a;
    TBeta b;
    try {
        a.Assign(&b);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Cannot assign a TBeta to a TAlpha"));
    }
}
