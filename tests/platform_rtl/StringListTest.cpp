#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"
#include "tests/support/ExceptionMessage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>
#include "tests/support/QStringPrinter.h"

namespace {

QStringList Lines(const TStrings& list)
{
    return list.ToStringList();
}

struct Counted : TObject {
    explicit Counted(int* freed) : freed(freed) {}
    ~Counted() override { ++*freed; }
    int* freed;
};

TEST(StringListSorted, EachDuplicatesMode)
{
    struct Case {
        const char* name;
        TDuplicates mode;
        QStringList items;
        QList<int> indexes; // Add's result for "b", "a", "B", "c", "a"
    };
    const Case cases[] = {
        {"Ignore", TDuplicates::dupIgnore, {"a", "b", "c"}, {0, 0, 1, 2, 0}},
        {"Accept", TDuplicates::dupAccept, {"a", "a", "B", "b", "c"}, {0, 0, 1, 3, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TStringList list;
        list.SetSorted(true);
        list.SetDuplicates(c.mode);
        QList<int> indexes;
        for (const char* s : {"b", "a", "B", "c", "a"})
            indexes << list.Add(s);
        EXPECT_EQ(Lines(list), c.items);
        EXPECT_EQ(indexes, c.indexes);
    }
}

TEST(StringListSorted, DuplicateErrorLeavesListUnchanged)
{
    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(TDuplicates::dupError);
    list.Add("b");
    list.Add("a");
    EXPECT_EQ(MessageOf<EStringListError>([&] { list.Add("B"); }), "String list does not allow duplicates");
    EXPECT_EQ(Lines(list), (QStringList{"a", "b"}));
}

TEST(StringListSorted, CaseSensitiveKeepsBothCases)
{
    TStringList list;
    list.SetCaseSensitive(true);
    list.SetSorted(true);
    list.Add("b");
    list.Add("B");
    list.Add("b");
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list[list.IndexOf("B")], "B");
    EXPECT_EQ(list[list.IndexOf("b")], "b");
    EXPECT_EQ(list.IndexOf("x"), -1);
}

TEST(StringListSorted, FindGivesMatchOrInsertPosition)
{
    TStringList list;
    list.AddStrings(QStringList{"cherry", "apple", "banana"});
    list.SetSorted(true);
    ASSERT_EQ(Lines(list), (QStringList{"apple", "banana", "cherry"}));
    struct Case {
        const char* s;
        bool found;
        int index;
    };
    const Case cases[] = {
        {"banana", true, 1}, {"BANANA", true, 1}, {"a", false, 0},
        {"blueberry", false, 2}, {"zz", false, 3}, {"apple", true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.s);
        int index = -1;
        EXPECT_EQ(list.Find(c.s, index), c.found);
        EXPECT_EQ(index, c.index);
    }
}

TEST(StringListSorted, FindOnDuplicatesGivesFirstMatch)
{
    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(TDuplicates::dupAccept);
    for (const char* s : {"k", "k", "a", "k", "z", "k"})
        list.Add(s);
    int index = -1;
    EXPECT_TRUE(list.Find("K", index));
    EXPECT_EQ(index, 1);
}

TEST(StringListSorted, RefusesPositionalChanges)
{
    TStringList list;
    list.AddStrings(QStringList{"b", "a"});
    list.SetSorted(true);
    const QString msg = "Operation not allowed on sorted list";
    EXPECT_EQ(MessageOf<EStringListError>([&] { list.Insert(0, "x"); }), msg);
    EXPECT_EQ(MessageOf<EStringListError>([&] { list.SetStrings(0, "x"); }), msg);
    EXPECT_EQ(MessageOf<EStringListError>([&] { list.Move(0, 1); }), msg);
    EXPECT_EQ(Lines(list), (QStringList{"a", "b"}));
}

TEST(StringListSort, CustomSortSeesOriginalIndexesAndIsStable)
{
    TStringList list;
    list.AddStrings(QStringList{"bb", "a", "dddd", "cc", "eee", "f"});
    // Longest first; equal lengths keep their order.
    list.CustomSort([](TStringList* l, int i, int j) { return int(l->Strings(j).size() - l->Strings(i).size()); });
    EXPECT_EQ(Lines(list), (QStringList{"dddd", "eee", "bb", "cc", "a", "f"}));

    list.SetSorted(true);
    EXPECT_EQ(Lines(list), (QStringList{"a", "bb", "cc", "dddd", "eee", "f"}));
    // A sorted list keeps its order.
    list.CustomSort([](TStringList*, int i, int j) { return j - i; });
    EXPECT_EQ(list[0], "a");
}

// The list has a fast path for ASCII text; it must order exactly as the
// shared comparison routines do.
TEST(StringListSort, OrderMatchesAnsiCompare)
{
    struct Probe : TStringList {
        using TStringList::CompareStrings;
    };
    const QStringList words = {"", "a", "A", "b", "B", "Z", "z", "_", "[", "~", "0", " ", "ab", "Ab", "aB",
                               "a b", "a-b", "ab_", "abc", QString::fromUtf8("Ã©"), QString::fromUtf8("EÌ")};
    auto sign = [](int v) { return (v > 0) - (v < 0); };
    for (bool caseSensitive : {false, true}) {
        Probe list;
        list.SetCaseSensitive(caseSensitive);
        for (const QString& x : words)
            for (const QString& y : words) {
                const int expected = caseSensitive ? AnsiCompareStr(x, y) : AnsiCompareText(x, y);
                EXPECT_EQ(sign(list.CompareStrings(x, y)), sign(expected))
                    << x.toStdString() << " vs " << y.toStdString() << (caseSensitive ? " (case)" : "");
            }
    }
}

TEST(StringListSort, CaseSensitivityChangeResorts)
{
    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(TDuplicates::dupAccept);
    list.AddStrings(QStringList{"b", "A", "a", "B"});
    list.SetCaseSensitive(true);
    int index = -1;
    EXPECT_TRUE(list.Find("a", index));
    EXPECT_EQ(list[index], "a");
    EXPECT_TRUE(list.Find("B", index));
    EXPECT_EQ(list[index], "B");
    EXPECT_FALSE(list.Find("c", index));
}

TEST(StringListErrors, IndexOutOfBoundsNamesTheIndex)
{
    struct Case {
        const char* name;
        std::function<void(TStringList&)> act;
        QString message;
    };
    const Case cases[] = {
        {"GetNegative", [](TStringList& l) { l.Strings(-1); }, "List index out of bounds (-1)"},
        {"GetPastEnd", [](TStringList& l) { l.Strings(3); }, "List index out of bounds (3)"},
        {"Put", [](TStringList& l) { l.SetStrings(7, "x"); }, "List index out of bounds (7)"},
        {"Objects", [](TStringList& l) { l.Objects(3); }, "List index out of bounds (3)"},
        {"Delete", [](TStringList& l) { l.Delete(3); }, "List index out of bounds (3)"},
        {"InsertPastEnd", [](TStringList& l) { l.Insert(4, "x"); }, "List index out of bounds (4)"},
        {"Exchange", [](TStringList& l) { l.Exchange(0, 5); }, "List index out of bounds (5)"},
        {"MoveTarget", [](TStringList& l) { l.Move(0, 3); }, "List index out of bounds (3)"},
        {"ValueFromIndex", [](TStringList& l) { l.ValueFromIndex(9); }, "List index out of bounds (9)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TStringList list;
        list.AddStrings(QStringList{"a", "b", "c"});
        EXPECT_EQ(MessageOf<EStringListError>([&] { c.act(list); }), c.message);
        EXPECT_EQ(Lines(list), (QStringList{"a", "b", "c"}));
    }
}

TEST(StringListEvents, ChangeEventsFireOncePerBatchAndOnlyOnChange)
{
    struct Case {
        const char* name;
        std::function<void(TStringList&)> act;
        int changing;
        int changed;
    };
    const Case cases[] = {
        {"SingleAdd", [](TStringList& l) { l.Add("x"); }, 1, 1},
        {"BatchOfAdds", [](TStringList& l) {
             l.BeginUpdate();
             l.Add("x");
             l.Add("y");
             l.Delete(0);
             l.EndUpdate();
         }, 1, 1},
        {"EmptyBatch", [](TStringList& l) { l.BeginUpdate(); l.EndUpdate(); }, 0, 0},
        {"NestedBatchFiresAtOutermostEnd", [](TStringList& l) {
             l.BeginUpdate();
             l.BeginUpdate();
             l.Add("x");
             l.EndUpdate();
             EXPECT_EQ(l.UpdateCount(), 1);
             l.EndUpdate();
         }, 1, 1},
        {"ExtraEndUpdateIgnored", [](TStringList& l) { l.EndUpdate(); l.Add("x"); }, 1, 1},
        {"ClearOfEmptyList", [](TStringList& l) { l.Clear(); }, 0, 0},
        {"SetText", [](TStringList& l) { l.SetText("a\r\nb\r\nc"); }, 1, 1},
        {"CommaText", [](TStringList& l) { l.SetCommaText("a,b,c"); }, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TStringList list;
        int changing = 0;
        int changed = 0;
        list.OnChanging = [&](TObject* sender) {
            EXPECT_EQ(sender, &list);
            ++changing;
        };
        list.OnChange = [&](TObject*) { ++changed; };
        c.act(list);
        EXPECT_EQ(changing, c.changing);
        EXPECT_EQ(changed, c.changed);
    }
}

TEST(StringListEvents, IgnoredDuplicateChangesNothing)
{
    TStringList list;
    list.SetSorted(true);
    list.Add("x");
    int events = 0;
    list.OnChanging = [&](TObject*) { ++events; };
    list.OnChange = [&](TObject*) { ++events; };
    EXPECT_EQ(list.Add("X"), 0);
    EXPECT_EQ(events, 0);
}

TEST(StringListEvents, ChangingSeesTheOldContent)
{
    TStringList list;
    list.Add("old");
    QString seen;
    list.OnChanging = [&](TObject*) { seen = list.CommaText(); };
    list.BeginUpdate();
    list.Add("a");
    list.Add("b");
    list.EndUpdate();
    EXPECT_EQ(seen, "old");
}

TEST(StringListObjects, OwnedObjectsAreFreed)
{
    int freed = 0;
    {
        TStringList list(true);
        for (const char* s : {"a", "b", "c", "d"})
            list.AddObject(s, new Counted(&freed));
        list.Delete(0);
        EXPECT_EQ(freed, 1);
        list.Clear();
        EXPECT_EQ(freed, 4);
        list.AddObject("e", new Counted(&freed));
    }
    EXPECT_EQ(freed, 5);

    Counted kept(&freed);
    {
        TStringList list;
        list.AddObject("k", &kept);
        list.Delete(0);
        list.AddObject("k", &kept);
    }
    EXPECT_EQ(freed, 5);
}

TEST(StringListObjects, ObjectsTravelWithTheirStrings)
{
    TObject o1, o2, o3;
    TStringList list;
    list.AddObject("c", &o1);
    list.AddObject("a", &o2);
    list.InsertObject(1, "b", &o3);
    list.Exchange(0, 2);
    list.Move(0, 1);
    EXPECT_EQ(Lines(list), (QStringList{"b", "a", "c"}));
    EXPECT_EQ(list.Objects(0), &o3);
    EXPECT_EQ(list.Objects(1), &o2);
    EXPECT_EQ(list.Objects(2), &o1);
    EXPECT_EQ(list.IndexOfObject(&o1), 2);
    list.SetSorted(true);
    EXPECT_EQ(list.Objects(list.IndexOf("c")), &o1);

    TStringList copy;
    copy.Assign(&list);
    EXPECT_TRUE(copy.Equals(&list));
    EXPECT_EQ(copy.Objects(2), &o1);
    copy.SetStrings(0, "A");
    EXPECT_FALSE(copy.Equals(&list));
}

TEST(StringListAssign, FromAnotherClassRaises)
{
    TStringList list;
    TPersistent other;
    EXPECT_EQ(MessageOf<EConvertError>([&] { list.Assign(&other); }), "Cannot assign a TPersistent to a TStringList");
}

TEST(StringListAssign, AddStringsToItselfDoublesOnce)
{
    TStringList list;
    list.AddStrings(QStringList{"a", "b"});
    list.AddStrings(&list);
    EXPECT_EQ(Lines(list), (QStringList{"a", "b", "a", "b"}));
}

class StringListFiles : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(name); }
    QByteArray Bytes(const char* name) const
    {
        QFile f(Path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void Put(const char* name, const QByteArray& bytes) const
    {
        QFile f(Path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QTemporaryDir dir;
};

TEST_F(StringListFiles, NewListSavesAnsiWithCrLf)
{
    TStringList list;
    list.AddStrings(QStringList{QString::fromUtf8("caf\xc3\xa9"), QString::fromUtf8("\xe2\x82\xac")});
    list.SaveToFile(Path("ansi.txt"));
    EXPECT_EQ(Bytes("ansi.txt"), QByteArray("caf\xe9\r\n\x80\r\n"));
}

TEST_F(StringListFiles, LoadedEncodingIsKeptOnSave)
{
    Put("utf8.txt", QByteArray("\xef\xbb\xbf" "a\n\xce\xa9"));
    TStringList list;
    list.LoadFromFile(Path("utf8.txt"));
    EXPECT_EQ(Lines(list), (QStringList{"a", QString::fromUtf8("\xce\xa9")}));
    EXPECT_EQ(list.Encoding(), TEncodingKind::ekUtf8);
    list.SaveToFile(Path("utf8.txt"));
    EXPECT_EQ(Bytes("utf8.txt"), QByteArray("\xef\xbb\xbf" "a\r\n\xce\xa9\r\n"));
}

TEST_F(StringListFiles, StreamRoundTripWithExplicitEncoding)
{
    TStringList list;
    list.AddStrings(QStringList{"x", QString::fromUtf8("\xce\xa9")});
    TMemoryStream stream;
    list.SaveToStream(&stream, TEncodingKind::ekUtf16LE);
    EXPECT_EQ(stream.Data(), QByteArray("\xff\xfex\0\r\0\n\0\xa9\x03\r\0\n\0", 14));
    stream.SetPosition(0);
    TStringList back;
    back.LoadFromStream(&stream);
    EXPECT_EQ(Lines(back), Lines(list));
}

TEST_F(StringListFiles, MissingFileRaisesOpenError)
{
    TStringList list;
    list.Add("kept");
    const QString msg = MessageOf<EFOpenError>([&] { list.LoadFromFile(Path("none.txt")); });
    EXPECT_TRUE(msg.startsWith("Cannot open file \"" + Path("none.txt") + "\". ")) << msg.toStdString();
    EXPECT_EQ(Lines(list), QStringList{"kept"});
}

} // namespace
