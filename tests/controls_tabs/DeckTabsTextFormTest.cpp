#include "controls/tabs/DeckTabsDefaults.h"
#include "controls/tabs/DeckTabsUtils.h"
#include "FakeDeckTabs.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"
#include <gtest/gtest.h>

namespace {

QString OptionsText(TOptions* Options)
{
    TTabsOptions holder;
    holder.SetOptions(Options);
    TMemoryStream stream;
    ComponentToTextStream(&holder, &stream);
    stream.SetPosition(0);
    return QString::fromUtf8(stream.ReadAll());
}

QString LookText(TDeckTabsLookAndFeel* Look)
{
    TTabsLookAndFeel holder;
    holder.SetLookAndFeel(Look);
    TMemoryStream stream;
    ComponentToTextStream(&holder, &stream);
    stream.SetPosition(0);
    return QString::fromUtf8(stream.ReadAll());
}

void LoadOptions(TOptions* Options, const QString& Text)
{
    TTabsOptions holder;
    holder.SetOptions(Options);
    TStringStream stream(Text);
    TextStreamToComponent(&holder, &stream);
}

void LoadLook(TDeckTabsLookAndFeel* Look, const QString& Text)
{
    TTabsLookAndFeel holder;
    holder.SetLookAndFeel(Look);
    TStringStream stream(Text);
    TextStreamToComponent(&holder, &stream);
}

TEST(DeckTabsTextForm, OptionsTextListsEveryPropertyByPath)
{
    TOptions options(nullptr);
    SetDefaultDeckTabsOptions(&options);
    const QStringList lines = OptionsText(&options).split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines.first(), QStringLiteral("object TTabsOptions"));
    EXPECT_EQ(lines[lines.size() - 2], QStringLiteral("end"));
    EXPECT_TRUE(lines.last().isEmpty()); // the last line ends in CR LF too
    for (const char* expected : {
             "  Options.Display.CloseButton.Offsets.Vertical = 6",
             "  Options.Display.CloseButton.Visibility = bvAll",
             "  Options.Display.Tabs.TabOverlap = 15",
             "  Options.Display.Tabs.TextTrimType = tttFade",
             "  Options.Display.Tabs.TextAlignmentVertical = taVerticalCenter",
             "  Options.Display.Tabs.ShowPinnedTabText = False",
             "  Options.Display.TabSpinners.Upload.Position.Width = 16",
             "  Options.Display.TabSpinners.AnimationUpdateMS = 50",
             "  Options.DragDrop.DragControlImageResizeFactor = 0.500000000000000000",
             "  Options.DragDrop.DragCursor = crDefault",
             "  Options.Animation.MovementAnimations.TabMove.EaseType = ttEaseOutExpo",
             "  Options.Scrolling.Enabled = True",
         })
        EXPECT_TRUE(lines.contains(QString::fromLatin1(expected))) << expected;
    // Every value of the tree (121), and nothing else.
    EXPECT_EQ(lines.size(), 2 + 121 + 1);
}

TEST(DeckTabsTextForm, LookTextNamesColoursAndQuotesStrings)
{
    TDeckTabsLookAndFeel look(nullptr);
    SetDefaultDeckTabsLookAndFeel(&look);
    const QStringList lines = LookText(&look).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.first(), QStringLiteral("object TTabsLookAndFeel"));
    for (const char* expected : {
             "  LookAndFeel.Tabs.Active.Font.Name = 'Segoe UI'",
             "  LookAndFeel.Tabs.Active.Font.TextRendoringMode = TextRenderingHintClearTypeGridFit",
             "  LookAndFeel.Tabs.Active.Font.UseDefaultFont = True",
             "  LookAndFeel.Tabs.BaseLine.Thickness = 1.000000000000000000",
             "  LookAndFeel.TabsContainer.StartColor = 14586466",
             "  LookAndFeel.TabsContainer.OutlineSize = 0.000000000000000000",
             "  LookAndFeel.CloseButton.Circle.Normal.StartColor = clGradientActiveCaption",
             "  LookAndFeel.CloseButton.Circle.Normal.StopColor = clNone",
             "  LookAndFeel.CloseButton.Cross.Hot.Color = clWhite",
             "  LookAndFeel.ScrollButtons.Arrow.Disabled.OutlineAlpha = 200",
         })
        EXPECT_TRUE(lines.contains(QString::fromLatin1(expected))) << expected;
}

TEST(DeckTabsTextForm, SavedTreesLoadBackEqual)
{
    TOptions saved(nullptr), loaded(nullptr);
    SetDefaultDeckTabsOptions(&saved);
    saved.DragDrop()->SetDragCursor(-21);
    saved.DragDrop()->SetDragControlImageResizeFactor(0.25);
    saved.Display()->Tabs()->SetTextAlignmentHorizontal(taCenter);
    LoadOptions(&loaded, OptionsText(&saved));
    EXPECT_EQ(OptionsText(&loaded), OptionsText(&saved));
    EXPECT_EQ(loaded.DragDrop()->DragCursor(), -21);
    EXPECT_EQ(loaded.Animation()->AnimationTimerInterval(), 15);

    TDeckTabsLookAndFeel savedLook(nullptr), loadedLook(nullptr);
    SetDefaultDeckTabsLookAndFeel(&savedLook);
    savedLook.Tabs()->DefaultFont()->SetName(QStringLiteral("It's #1\t= x"));
    savedLook.Tabs()->BaseLine()->SetAlpha(300);
    LoadLook(&loadedLook, LookText(&savedLook));
    EXPECT_EQ(LookText(&loadedLook), LookText(&savedLook));
    EXPECT_EQ(loadedLook.Tabs()->DefaultFont()->Name(), QStringLiteral("It's #1\t= x"));
    EXPECT_EQ(loadedLook.CloseButton()->Circle()->Normal()->StartColor(), clGradientActiveCaption);
}

TEST(DeckTabsTextForm, OneLineChangesOneValueWithOneReport)
{
    TFakeDeckTabs strip;
    LoadLook(strip.LookAndFeel, QStringLiteral("object TTabsLookAndFeel\r\n"
                                               "  LookAndFeel.Tabs.Hot.Style.StartColor = 255\r\n"
                                               "end\r\n"));
    EXPECT_EQ(strip.Log, QStringList{"-:PropertyUpdated"});
    EXPECT_EQ(strip.LookAndFeel->Tabs()->Hot()->Style()->StartColor(), 255);
    EXPECT_EQ(strip.LookAndFeel->Tabs()->Hot()->Style()->StopColor(), 16777215);
}

TEST(DeckTabsTextForm, BadTextIsRefusedAndEarlierValuesStay)
{
    struct Case {
        const char* Name;
        const char* Body; // after a first line that sets TabOverlap to 7
        const char* Message;
    } cases[] = {
        {"UnknownProperty", "  Options.Display.Tabs.Nonsense = 1\r\nend\r\n", "does not exist"},
        {"UnknownRoot", "  LookAndFeel.Tabs.BaseLine.Alpha = 1\r\nend\r\n", "does not exist"},
        {"ObjectGivenAValue", "  Options.Display.Tabs = 1\r\nend\r\n", "does not exist"},
        {"PathPastAValue", "  Options.Display.Tabs.MinWidth.X = 1\r\nend\r\n", "does not exist"},
        {"BooleanWord", "  Options.Scrolling.Enabled = Maybe\r\nend\r\n", "Invalid property value"},
        {"EnumName", "  Options.Display.Tabs.TextTrimType = tttSome\r\nend\r\n", "Invalid property value"},
        {"ByteRange", "  Options.DragDrop.DragOutsideImageAlpha = 300\r\nend\r\n", "Invalid property value"},
        {"NotANumber", "  Options.Display.Tabs.MinWidth = 2x\r\nend\r\n", "Invalid property value"},
        {"NoEquals", "  Options.Display.Tabs.MinWidth 3\r\nend\r\n", "'=' expected"},
        {"Truncated", "  Options.Display.Tabs.MinWidth = 3\r\n", "'end' expected"},
    };
    for (const Case& c : cases) {
        TOptions options(nullptr);
        try {
            LoadOptions(&options, QStringLiteral("object TTabsOptions\r\n  Options.Display.Tabs.TabOverlap = 7\r\n") +
                                      QString::fromLatin1(c.Body));
            ADD_FAILURE() << c.Name << ": accepted";
        } catch (const EReadError& e) {
            EXPECT_TRUE(e.Message().contains(QString::fromLatin1(c.Message))) << c.Name << ": " << e.what();
        }
        EXPECT_EQ(options.Display()->Tabs()->TabOverlap(), 7) << c.Name;
    }
    TOptions options(nullptr);
    EXPECT_THROW(LoadOptions(&options, QStringLiteral("Options.Display.Tabs.TabOverlap = 7\r\nend\r\n")), EReadError);
    EXPECT_THROW(LoadOptions(&options, QString()), EReadError);
}

TEST(DeckTabsTextForm, ReadsHandWrittenFiles)
{
    TDeckTabsLookAndFeel look(nullptr);
    TTabsLookAndFeel lookHolder;
    lookHolder.SetLookAndFeel(&look);
    TFileStream lookFile(QStringLiteral(STRATAGON_TEST_DATA "/controls_tabs/LookAndFeel.txt"), fmOpenRead);
    TextStreamToComponent(&lookHolder, &lookFile);
    EXPECT_EQ(look.Tabs()->DefaultFont()->Name(), QStringLiteral("Segoe UI\tx"));
    EXPECT_EQ(look.CloseButton()->Circle()->Normal()->StartColor(), clGradientActiveCaption);
    EXPECT_EQ(look.Tabs()->BaseLine()->Alpha(), 300);
    EXPECT_FLOAT_EQ(look.TabsContainer()->OutlineSize(), 1.5f);

    TOptions options(nullptr);
    options.Scrolling()->SetEnabled(false);
    options.DragDrop()->SetDragCursor(-21);
    TTabsOptions optionsHolder;
    optionsHolder.SetOptions(&options);
    TFileStream optionsFile(QStringLiteral(STRATAGON_TEST_DATA "/controls_tabs/Options.txt"), fmOpenRead);
    TextStreamToComponent(&optionsHolder, &optionsFile);
    EXPECT_TRUE(options.Scrolling()->Enabled());
    EXPECT_EQ(options.DragDrop()->DragCursor(), crDefault);
    EXPECT_EQ(options.DragDrop()->DragControlImageResizeFactor(), 0.5);
}

TEST(DeckTabsTextForm, CodeTextAssignsEveryProperty)
{
    TOptions options(nullptr);
    SetDefaultDeckTabsOptions(&options);
    TTabsOptions holder;
    holder.SetOptions(&options);
    const QString code = ComponentToCodeText(&holder, QStringLiteral("DeckTabs1"));
    EXPECT_TRUE(code.startsWith(QStringLiteral("DeckTabs1.Options.Display.CloseButton.Offsets.Vertical := 6;\r\n")));
    EXPECT_TRUE(code.contains(QStringLiteral("\r\nDeckTabs1.Options.Display.Tabs.TabOverlap := 15;\r\n")));
    EXPECT_TRUE(code.endsWith(QStringLiteral(";\r\n")));
    EXPECT_EQ(code.count(QStringLiteral("\r\n")), 121);

    TDeckTabsLookAndFeel look(nullptr);
    look.Tabs()->DefaultFont()->SetName(QStringLiteral("A = B"));
    TTabsLookAndFeel lookHolder;
    lookHolder.SetLookAndFeel(&look);
    EXPECT_TRUE(ComponentToCodeText(&lookHolder, QStringLiteral("X"))
                    .contains(QStringLiteral("X.LookAndFeel.Tabs.DefaultFont.Name := 'A = B';")));

    TTabsOptions empty;
    EXPECT_EQ(ComponentToCodeText(&empty, QStringLiteral("DeckTabs1")), QString());
}

} // namespace
