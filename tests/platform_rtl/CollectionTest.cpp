#include "platform/rtl/Collection.h"
#include "platform/rtl/Exceptions.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct TNamedItem : TCollectionItem {
    using TCollectionItem::TCollectionItem;
    QString name;
    void SetName(const QString& value)
    {
        name = value;
        Changed(false);
    }
    void Assign(TPersistent* Source) override
    {
        if (auto* src = dynamic_cast<TNamedItem*>(Source)) {
            name = src->name;
            return;
        }
        TCollectionItem::Assign(Source);
    }
};

// Records every Update and Notify call.
struct TLogCollection : TOwnedCollection {
    explicit TLogCollection(TPersistent* owner = nullptr)
        : TOwnedCollection(owner, [](TCollection* c) { return new TNamedItem(c); })
    {
    }
    TNamedItem* Item(int i) const { return static_cast<TNamedItem*>(Items(i)); }
    QStringList log;

protected:
    void Update(TCollectionItem* item) override
    {
        log << (item ? "update " + static_cast<TNamedItem*>(item)->name : QString("update all"));
    }
    void Notify(TCollectionItem* item, TCollectionNotification action) override
    {
        static const char* names[] = {"added", "extracting", "deleting"};
        log << QString(names[int(action)]) + " " + QString::number(item->ID());
    }
};

QStringList Names(const TLogCollection& c)
{
    QStringList result;
    for (int i = 0; i < c.Count(); ++i)
        result << c.Item(i)->name;
    return result;
}

TEST(Collection, AddInsertDeleteAndIndex)
{
    TLogCollection c;
    auto* a = static_cast<TNamedItem*>(c.Add());
    a->name = "a";
    auto* b = static_cast<TNamedItem*>(c.Add());
    b->name = "b";
    auto* z = static_cast<TNamedItem*>(c.Insert(0));
    z->name = "z";
    EXPECT_EQ(Names(c), (QStringList{"z", "a", "b"}));
    EXPECT_EQ(a->ID(), 0);
    EXPECT_EQ(z->ID(), 2);
    EXPECT_EQ(z->Index(), 0);
    EXPECT_EQ(a->Collection(), &c);
    EXPECT_EQ(c.FindItemID(1), b);
    EXPECT_EQ(c.FindItemID(7), nullptr);

    b->SetIndex(0);
    EXPECT_EQ(Names(c), (QStringList{"b", "z", "a"}));
    c.Delete(1);
    EXPECT_EQ(Names(c), (QStringList{"b", "a"}));
    // IDs are not reused.
    EXPECT_EQ(c.Add()->ID(), 3);
    delete a;
    EXPECT_EQ(c.Count(), 2);
    EXPECT_EQ(c.Item(0), b);

    try {
        c.Items(2);
        FAIL();
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (2)");
    }
    EXPECT_THROW(b->SetIndex(5), EListError);
    c.Clear();
    EXPECT_EQ(c.Count(), 0);
}

TEST(Collection, NotifyAndUpdateOrder)
{
    TLogCollection c;
    c.Add();
    auto* item = static_cast<TNamedItem*>(c.Add());
    item->SetName("x");
    c.Delete(0);
    EXPECT_EQ(c.log, (QStringList{"added 0", "update all", "added 1", "update all", "update x",
                                  "deleting 0", "extracting 0", "update all"}));
}

TEST(Collection, UpdatesWaitForOutermostEndUpdate)
{
    TLogCollection c;
    c.BeginUpdate();
    c.BeginUpdate();
    auto* item = static_cast<TNamedItem*>(c.Add());
    item->SetName("x");
    c.Insert(0);
    item->SetIndex(0);
    c.EndUpdate();
    EXPECT_FALSE(c.log.contains("update all"));
    c.EndUpdate();
    EXPECT_EQ(c.log.filter("update").size(), 1);
    EXPECT_EQ(c.log.last(), "update all");
    c.log.clear();
    c.EndUpdate();
    EXPECT_TRUE(c.log.isEmpty());
    c.Clear();
    EXPECT_EQ(c.log.filter("update"), QStringList{"update all"});
}

TEST(Collection, AssignCopiesItemsAndKnowsItsOwner)
{
    TPersistent owner;
    TLogCollection src(&owner);
    for (const char* n : {"p", "q"})
        static_cast<TNamedItem*>(src.Add())->name = n;
    TLogCollection dst;
    dst.Add();
    dst.log.clear();
    dst.Assign(&src);
    EXPECT_EQ(Names(dst), (QStringList{"p", "q"}));
    EXPECT_EQ(dst.log.filter("update"), QStringList{"update all"});
    EXPECT_EQ(src.Owner(), &owner);
    EXPECT_EQ(dst.Owner(), nullptr);
    EXPECT_EQ(src.Items(0)->GetOwner(), &src);

    TCollection plain;
    EXPECT_EQ(plain.Add()->DisplayName(), "TCollectionItem");
    EXPECT_THROW(dst.Assign(&owner), EConvertError);
}

// Items that join their collection at the end of their own constructor,
// or not at all, are added once by Add.
struct TLateItem : TCollectionItem {
    TLateItem(TCollection* c, bool join) : TCollectionItem(nullptr), label("complete")
    {
        if (join)
            SetCollection(c);
    }
    QString label;
};

struct TLateCollection : TCollection {
    explicit TLateCollection(bool join)
        : TCollection([join](TCollection* c) { return new TLateItem(c, join); })
    {
    }
    QStringList seen;

protected:
    void Notify(TCollectionItem* item, TCollectionNotification action) override
    {
        if (action == TCollectionNotification::cnAdded)
            seen << static_cast<TLateItem*>(item)->label;
    }
};

TEST(Collection, FactoryItemsJoiningLateAreAddedOnce)
{
    for (bool join : {true, false}) {
        SCOPED_TRACE(join ? "joins itself" : "joined by Add");
        TLateCollection c(join);
        c.Add();
        c.Add();
        EXPECT_EQ(c.Count(), 2);
        EXPECT_EQ(c.seen, (QStringList{"complete", "complete"}));
        EXPECT_EQ(c.Items(1)->ID(), 1);
    }
}

TEST(Collection, ItemsMoveBetweenCollections)
{
    TLogCollection a, b;
    auto* item = static_cast<TNamedItem*>(a.Add());
    item->SetCollection(&b);
    EXPECT_EQ(a.Count(), 0);
    EXPECT_EQ(b.Count(), 1);
    EXPECT_EQ(item->Collection(), &b);
    item->SetCollection(nullptr);
    EXPECT_EQ(b.Count(), 0);
    EXPECT_EQ(item->Index(), -1);
    delete item;
}

} // namespace
