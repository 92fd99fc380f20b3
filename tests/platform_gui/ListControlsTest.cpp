// Check list boxes, radio groups, status bars, link labels and page
// controls: state that follows its items, and the events of clicks.
#include "StdControlsFixture.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/CheckListBox.h"
#include "platform/controls/LinkLabel.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/TestHooks.h"
#include "platform/rtl/Exceptions.h"

using namespace SyntheticInput;

namespace {

using ListControls = StdControlsTest;

TEST_F(ListControls, CheckStatesFollowTheirItems)
{
    auto* list = new TCheckListBox(Form);
    list->SetParent(Form);
    for (const char* s : {"b", "d", "a", "c"})
        list->Items()->Add(QString::fromLatin1(s));
    list->SetChecked(1, true);
    list->SetState(3, cbGrayed);
    list->SetItemEnabled(0, false);
    list->Items()->Insert(0, QStringLiteral("new"));
    list->Items()->Delete(3);
    list->SetSorted(true);
    // Sorted: a, b, c, d, new ("a" was deleted before sorting: b d c new... )
    QStringList states;
    for (int i = 0; i < list->Items()->Count(); ++i)
        states << list->Items()->Strings(i) + QString::number(list->State(i)) + (list->ItemEnabled(i) ? "" : "-");
    EXPECT_EQ(states, QStringList({"b0-", "c2", "d1", "new0"}));
    EXPECT_THROW(list->Checked(4), EListError);

    int clicks = 0;
    list->OnClickCheck = [&](TObject*) { ++clicks; };
    list->SetAllowGrayed(true);
    list->SetFocus();
    list->SetItemIndex(3);
    Key(list, VK_SPACE, {}, QStringLiteral(" "));
    EXPECT_EQ(list->State(3), cbGrayed);
    Key(list, VK_SPACE, {}, QStringLiteral(" "));
    EXPECT_EQ(list->State(3), cbChecked);
    // A disabled item does not toggle.
    list->SetItemIndex(0);
    Key(list, VK_SPACE, {}, QStringLiteral(" "));
    EXPECT_EQ(list->State(0), cbUnchecked);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ListControls, RadioGroupItemIndexFollowsClicks)
{
    auto* group = new TRadioGroup(Form);
    group->SetParent(Form);
    group->SetCaption(QStringLiteral("Mode"));
    for (const char* s : {"Off", "On", "Auto"})
        group->Items()->Add(QString::fromLatin1(s));
    group->SetColumns(2);
    int clicks = 0;
    group->OnClick = [&](TObject*) { ++clicks; };
    group->SetItemIndex(1);
    EXPECT_TRUE(group->Buttons(1)->Checked());
    Click(group->Buttons(2), {3, 3});
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_FALSE(group->Buttons(1)->Checked());
    EXPECT_EQ(clicks, 2);
    // Two columns: the third item starts the second column.
    EXPECT_GT(group->Buttons(2)->Left(), group->Buttons(0)->Left());
    group->Items()->Delete(2);
    EXPECT_EQ(group->ItemIndex(), -1);
}

TEST_F(ListControls, StatusBarPanelsSitSideBySide)
{
    auto* bar = new TStatusBar(Form);
    bar->SetParent(Form);
    for (int w : {100, 60, 50})
        bar->Panels()->Add()->SetWidth(w);
    EXPECT_EQ(bar->Top() + bar->Height(), Form->ClientHeight());
    EXPECT_EQ(bar->PanelRect(1), Rect(100, 0, 160, bar->ClientHeight()));
    // The last panel takes the rest.
    EXPECT_EQ(bar->PanelRect(2).Right, bar->ClientWidth());
}

TEST_F(ListControls, LinkLabelReportsLinksAndTheirType)
{
    struct Case {
        const char* Caption;
        std::vector<std::pair<QString, TSysLinkType>> Links;
        const char* Plain;
    };
    const Case cases[] = {
        {"See <a href=\"https://example.org/a?b=1&c\">the site</a> or <a id=\"help\">help</a>.",
         {{"https://example.org/a?b=1&c", sltURL}, {"help", sltID}}, "See the site or help."},
        {"<A HREF='x'>one</A><a>two</a>", {{"x", sltURL}, {"two", sltURL}}, "onetwo"},
        {"no links <b>bold</b> & <script>", {}, "no links <b>bold</b> & <script>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Caption);
        auto* label = new TLinkLabel(Form);
        label->SetParent(Form);
        label->SetCaption(QString::fromUtf8(c.Caption));
        std::vector<std::pair<QString, TSysLinkType>> got;
        label->OnLinkClick = [&](TObject*, const QString& link, TSysLinkType type) { got.push_back({link, type}); };
        for (int i = 0; i < label->LinkCount(); ++i)
            label->ClickLink(i);
        EXPECT_EQ(got, c.Links);
        QString plain;
        for (const TLinkPart& p : ParseLinkCaption(label->Caption()))
            plain += p.Text;
        EXPECT_EQ(plain, QString::fromUtf8(c.Plain));
        delete label;
    }
}

TEST_F(ListControls, PageControlAsksBeforeChangingPages)
{
    auto* pages = new TPageControl(Form);
    pages->SetParent(Form);
    pages->SetBounds(0, 0, 300, 200);
    std::vector<TTabSheet*> sheets;
    for (const char* s : {"General", "Hidden", "Network"}) {
        auto* sheet = new TTabSheet(Form);
        sheet->SetCaption(QString::fromLatin1(s));
        sheet->SetPageControl(pages);
        sheets.push_back(sheet);
    }
    sheets[1]->SetTabVisible(false);
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
    EXPECT_TRUE(sheets[0]->Visible());
    EXPECT_FALSE(sheets[2]->Visible());
    EXPECT_EQ(sheets[2]->TabIndex(), 1);
    // The sheet fills the area under the tabs.
    EXPECT_GT(sheets[0]->Top(), pages->TabHeight() - 1);

    bool allow = false;
    QStringList log;
    pages->OnChanging = [&](TObject*, bool& a) { log << QStringLiteral("changing"); a = allow; };
    pages->OnChange = [&](TObject*) { log << QStringLiteral("change"); };
    pages->SetFocus();
    Key(pages, VK_RIGHT);
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
    allow = true;
    Key(pages, VK_RIGHT);
    // The hidden tab is skipped.
    EXPECT_EQ(pages->ActivePage(), sheets[2]);
    EXPECT_EQ(log, QStringList({"changing", "changing", "change"}));
    log.clear();
    pages->SetActivePageIndex(1);
    EXPECT_EQ(pages->ActivePageIndex(), 1);
    EXPECT_TRUE(log.isEmpty());
    // Freeing the active sheet shows another one.
    delete sheets[1];
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_NE(pages->ActivePage(), nullptr);
}

} // namespace
