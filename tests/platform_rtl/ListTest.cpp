#include "platform/rtl/Exceptions.h"
#include "platform/rtl/List.h"

#include <gtest/gtest.h>

namespace {

struct ListCounted : TObject {
    ListCounted(int* freed, int value = 0) : freed(freed), value(value) {}
    ~ListCounted() override { ++*freed; }
    int* freed;
    int value;
};

QString IndexError(std::function<void()> f)
{
    try {
        f();
    } catch (const EListError& e) {
        return e.Message();
    }
    return "<no exception>";
}

TEST(List, EditsKeepOrder)
{
    int a = 1, b = 2, c = 3, d = 4;
    TList list;
    EXPECT_EQ(list.Add(&a), 0);
    EXPECT_EQ(list.Add(&b), 1);
    list.Insert(0, &c);
    list.Insert(3, &d);
    EXPECT_EQ(list.IndexOf(&a), 1);
    list.Exchange(0, 3);
    list.Move(0, 2);
    // c a b d -> d a b c -> a b d c
    EXPECT_EQ(list[0], &a);
    EXPECT_EQ(list[1], &b);
    EXPECT_EQ(list[2], &d);
    EXPECT_EQ(list.Last(), &c);
    EXPECT_EQ(list.Remove(&b), 1);
    EXPECT_EQ(list.Remove(&b), -1);
    EXPECT_EQ(list.Extract(&d), &d);
    EXPECT_EQ(list.Extract(&d), nullptr);
    EXPECT_EQ(list.Count(), 2);
    list.Sort([](void* x, void* y) { return *static_cast<int*>(y) - *static_cast<int*>(x); });
    EXPECT_EQ(list.First(), &c);
    list.SetCount(4);
    EXPECT_EQ(list[3], nullptr);
    list.Pack();
    EXPECT_EQ(list.Count(), 2);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(List, IndexErrors)
{
    int x = 0;
    TList list;
    list.Add(&x);
    list.Add(&x);
    EXPECT_EQ(IndexError([&] { list.Items(2); }), "List index out of bounds (2)");
    EXPECT_EQ(IndexError([&] { list.Items(-1); }), "List index out of bounds (-1)");
    EXPECT_EQ(IndexError([&] { list.Delete(5); }), "List index out of bounds (5)");
    EXPECT_EQ(IndexError([&] { list.Insert(3, &x); }), "List index out of bounds (3)");
    EXPECT_EQ(IndexError([&] { list.SetItems(2, &x); }), "List index out of bounds (2)");
    EXPECT_EQ(IndexError([&] { list.Exchange(0, 2); }), "List index out of bounds (2)");
    EXPECT_EQ(IndexError([&] { list.Move(2, 0); }), "List index out of bounds (2)");
    EXPECT_EQ(IndexError([&] { TList().First(); }), "List index out of bounds (0)");
    EXPECT_EQ(list.Count(), 2);
}

TEST(ObjectList, OwnsAndFreesItsObjects)
{
    int freed = 0;
    {
        TObjectList list;
        EXPECT_TRUE(list.OwnsObjects());
        for (int i = 0; i < 5; ++i)
            list.Add(new ListCounted(&freed, i));
        list.Delete(0);
        EXPECT_EQ(freed, 1);
        auto* second = list[0];
        EXPECT_EQ(list.Remove(second), 0);
        EXPECT_EQ(freed, 2);
        auto* kept = static_cast<ListCounted*>(list.Extract(list[0]));
        EXPECT_EQ(freed, 2);
        delete kept;
        // Replacing an owned object frees the old one; setting the same one
        // again frees nothing.
        list.SetItems(0, new ListCounted(&freed));
        EXPECT_EQ(freed, 4);
        list.SetItems(0, list[0]);
        EXPECT_EQ(freed, 4);
        EXPECT_EQ(list.Count(), 2);
    }
    EXPECT_EQ(freed, 6);

    ListCounted stays(&freed);
    {
        TObjectList list(false);
        list.Add(&stays);
        list.Delete(0);
        list.Add(&stays);
        list.Clear();
        list.Add(&stays);
    }
    EXPECT_EQ(freed, 6);
}

} // namespace
