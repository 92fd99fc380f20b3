#include "DeckTabsFixture.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray ReadFile(const QString& Path)
{
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteFile(const QString& Path, const QByteArray& Data)
{
    QFile f(Path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(Data);
}

class DeckTabsPersist : public DeckTabsStrip {
protected:
    void SetUp() override
    {
        DeckTabsStrip::SetUp();
        AddTabs({"One", "Two"});
        Settle();
        Other = new TDeckTabs(Form);
        Other->SetParent(Form);
        Other->SetTop(60);
        Strip->OnAfterDrawItem = [this](TObject*, TGPGraphics*, const TRect&, TDeckTabItemType ItemType, int) {
            if (ItemType == itTabContainer)
                ++Paints;
        };
    }
    QString Path(const QString& Name) const { return Dir.filePath(Name); }

    TDeckTabs* Other = nullptr;
    QTemporaryDir Dir;
    int Paints = 0;
};

TEST_F(DeckTabsPersist, SavedTreesLoadIntoAnotherStripEqual)
{
    Strip->Options()->Display()->Tabs()->SetTabOverlap(21);
    Strip->Options()->DragDrop()->SetDragType(dtWithinContainer);
    Strip->Options()->DragDrop()->SetDragControlImageResizeFactor(0.25);
    Strip->LookAndFeel()->Tabs()->Active()->Style()->SetStartAlpha(17);
    ASSERT_NE(Strip->OptionsToCode(), Other->OptionsToCode());
    ASSERT_NE(Strip->LookAndFeelToCode(), Other->LookAndFeelToCode());

    TMemoryStream options, look;
    Strip->SaveOptions(&options);
    Strip->SaveLookAndFeel(&look);
    options.SetPosition(0);
    look.SetPosition(0);
    Other->LoadOptions(&options);
    Other->LoadLookAndFeel(&look);
    EXPECT_EQ(Other->OptionsToCode(), Strip->OptionsToCode());
    EXPECT_EQ(Other->LookAndFeelToCode(), Strip->LookAndFeelToCode());
    EXPECT_EQ(Other->Options()->Display()->Tabs()->TabOverlap(), 21);

    Strip->SaveOptions(Path("options.txt"));
    Strip->SaveLookAndFeel(Path("look.txt"));
    auto* third = new TDeckTabs(Form);
    third->LoadOptions(Path("options.txt"));
    third->LoadLookAndFeel(Path("look.txt"));
    EXPECT_EQ(third->OptionsToCode(), Strip->OptionsToCode());
    EXPECT_EQ(third->LookAndFeelToCode(), Strip->LookAndFeelToCode());
}

TEST_F(DeckTabsPersist, SavingAFileReplacesItWhole)
{
    const QString file = Path("options.txt");
    WriteFile(file, QByteArray(200000, 'x'));
    Strip->SaveOptions(file);
    TMemoryStream expected;
    Strip->SaveOptions(&expected);
    expected.SetPosition(0);
    EXPECT_EQ(ReadFile(file), expected.ReadAll());
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), QStringList{"options.txt"}) << "no temporary file stays";

    EXPECT_THROW(Strip->SaveOptions(Path("missing/options.txt")), Exception);
    EXPECT_THROW(Strip->LoadOptions(Path("missing.txt")), Exception);
}

TEST_F(DeckTabsPersist, AOneLineFileChangesOneValueAndRepaintsOnce)
{
    TDeckTabsLookAndFeelStyle* style = Strip->LookAndFeel()->Tabs()->Active()->Style();
    const int before = style->StartAlpha();
    const QString othersBefore = Strip->OptionsToCode();
    const QString lookBefore = Strip->LookAndFeelToCode();
    WriteFile(Path("one.txt"), QByteArray("object TTabsLookAndFeel\r\n  LookAndFeel.Tabs.Active.Style.StartAlpha = ")
                                   + QByteArray::number(before == 99 ? 98 : 99) + "\r\nend\r\n");
    Paints = 0;
    Strip->LoadLookAndFeel(Path("one.txt"));
    EXPECT_EQ(style->StartAlpha(), before == 99 ? 98 : 99);
    EXPECT_EQ(Paints, 1);
    EXPECT_EQ(Strip->OptionsToCode(), othersBefore);
    QStringList changed;
    const QStringList now = Strip->LookAndFeelToCode().split("\r\n");
    const QStringList old = lookBefore.split("\r\n");
    ASSERT_EQ(now.size(), old.size());
    for (int i = 0; i < now.size(); ++i)
        if (now[i] != old[i])
            changed << now[i];
    EXPECT_EQ(changed.size(), 1) << changed.join(' ').toStdString();
}

TEST_F(DeckTabsPersist, MalformedTextIsRefusedAndTheBatchStillEnds)
{
    struct Case {
        const char* Name;
        const char* Text;
        int OverlapAfter; // values read before the fault stay
    } cases[] = {
        {"UnknownPath", "object TTabsOptions\r\n  Options.Display.Tabs.TabOverlap = 3\r\n  Options.Nowhere = 1\r\nend\r\n", 3},
        {"WrongRoot", "object TTabsOptions\r\n  LookAndFeel.Tabs.Active.Style.StartAlpha = 1\r\nend\r\n", 15},
        {"WrongType", "object TTabsOptions\r\n  Options.Display.Tabs.TabOverlap = wide\r\nend\r\n", 15},
        {"ObjectAsValue", "object TTabsOptions\r\n  Options.Display = 1\r\nend\r\n", 15},
        {"Truncated", "object TTabsOptions\r\n  Options.Display.Tabs.TabOverlap = 4\r\n  Options.Disp", 4},
        {"NoEnd", "object TTabsOptions\r\n  Options.Display.Tabs.TabOverlap = 5\r\n", 5},
        {"NoObject", "Options.Display.Tabs.TabOverlap = 6\r\nend\r\n", 15},
        {"Empty", "", 15},
        {"Binary", "\x01\x02\xff\xfe\x00", 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Strip->Options()->Display()->Tabs()->SetTabOverlap(15);
        TMemoryStream stream;
        stream.WriteBytes(QByteArray(c.Text));
        stream.SetPosition(0);
        EXPECT_THROW(Strip->LoadOptions(&stream), EReadError);
        EXPECT_EQ(Strip->Options()->Display()->Tabs()->TabOverlap(), c.OverlapAfter);
        Paints = 0;
        Strip->Redraw();
        EXPECT_EQ(Paints, 1) << "no update batch left open";
    }
}

TEST_F(DeckTabsPersist, CodeTextHasOneAssignmentPerProperty)
{
    TMemoryStream stream;
    Strip->SaveOptions(&stream);
    stream.SetPosition(0);
    const int propertyLines = int(QString::fromUtf8(stream.ReadAll()).split("\r\n", Qt::SkipEmptyParts).size()) - 2;
    const QString code = Strip->OptionsToCode();
    const QStringList lines = code.split("\r\n");
    ASSERT_EQ(lines.size(), propertyLines + 1) << "each line ends in CR LF";
    EXPECT_TRUE(lines.last().isEmpty());
    EXPECT_TRUE(lines.contains("DeckTabs1.Options.Display.Tabs.TabOverlap := 15;"));
    for (int i = 0; i < propertyLines; ++i) {
        EXPECT_TRUE(lines[i].startsWith("DeckTabs1.Options.")) << lines[i].toStdString();
        EXPECT_TRUE(lines[i].endsWith(';')) << lines[i].toStdString();
        EXPECT_TRUE(lines[i].contains(" := ")) << lines[i].toStdString();
    }
    EXPECT_TRUE(Strip->LookAndFeelToCode().startsWith("DeckTabs1.LookAndFeel."));
}

} // namespace
