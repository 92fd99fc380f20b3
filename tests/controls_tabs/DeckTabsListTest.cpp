#include "controls/tabs/DeckTab.h"
#include "FakeDeckTabs.h"
#include "platform/rtl/Exceptions.h"
#include <functional>
#include <gtest/gtest.h>

namespace {

// Tabs A, B, C (and D) in a fake strip; a step acts on them and the strip's
// reports and the resulting order are compared whole.
struct ModelCase {
    const char* Name;
    QStringList Tabs;
    std::function<void(TFakeDeckTabs&)> Setup;
    std::function<void(TFakeDeckTabs&)> Step;
    QStringList Reports;
    QString Order; // "*" active, "^" pinned
};
void PrintTo(const ModelCase& c, std::ostream* os) { *os << c.Name; }

TDeckTab* Tab(TFakeDeckTabs& s, int i) { return s.Tabs->Items(i); }

const ModelCase ModelCases[] = {
    {"ActivateSecondOfThree", {"A", "B", "C"},
     [](auto& s) { Tab(s, 0)->SetActive(true); },
     [](auto& s) { Tab(s, 1)->SetActive(true); },
     {"Changing:A>B", "A:Deactivated", "A:PropertyUpdated", "B:Activated", "B:PropertyUpdated"},
     "A B* C"},
    {"ActivateActiveTabDoesNothing", {"A", "B"},
     [](auto& s) { Tab(s, 0)->SetActive(true); },
     [](auto& s) { Tab(s, 0)->SetActive(true); },
     {}, "A* B"},
    {"DeactivateAsksNobody", {"A", "B"},
     [](auto& s) { Tab(s, 0)->SetActive(true); },
     [](auto& s) { Tab(s, 0)->SetActive(false); },
     {"A:Deactivated", "A:PropertyUpdated"}, "A B"},
    {"VetoedActivation", {"A", "B"},
     [](auto& s) { Tab(s, 0)->SetActive(true); Tab(s, 1)->SetModified(true); s.AllowActivation = false; },
     [](auto& s) { Tab(s, 1)->SetActive(true); },
     {"Changing:A>B"}, "A* B"},
    {"ListActiveTabWrite", {"A", "B"},
     nullptr,
     [](auto& s) { s.Tabs->SetActiveTab(Tab(s, 1)); },
     {"Changing:->B", "B:Activated", "B:PropertyUpdated"}, "A B*"},
    {"HideActiveTab", {"A", "B", "C"},
     [](auto& s) { Tab(s, 1)->SetActive(true); },
     [](auto& s) { Tab(s, 1)->SetVisible(false); },
     {"B:Deactivated", "B:PropertyUpdated", "B:Visibility"}, "A B C"},
    {"HideInactiveTab", {"A", "B"},
     [](auto& s) { Tab(s, 0)->SetActive(true); },
     [](auto& s) { Tab(s, 1)->SetVisible(false); },
     {"B:Visibility"}, "A* B"},
    {"ShowVisibleTabStillReports", {"A"},
     nullptr,
     [](auto& s) { Tab(s, 0)->SetVisible(true); },
     {"A:Visibility"}, "A"},
    {"PinFourthBehindPinnedFirst", {"A", "B", "C", "D"},
     [](auto& s) { Tab(s, 0)->SetPinned(true); Tab(s, 0)->SetActive(true); },
     [](auto& s) { Tab(s, 3)->SetPinned(true); },
     {"D:Pinned", "Changing:A>D", "A:Deactivated", "A:PropertyUpdated", "D:Activated", "D:PropertyUpdated"},
     "A^ D*^ B C"},
    {"UnpinFirstOfTwoPinned", {"A", "B"},
     [](auto& s) { Tab(s, 0)->SetPinned(true); Tab(s, 1)->SetPinned(true); },
     [](auto& s) { Tab(s, 1)->SetPinned(false); }, // already last of the run, already active
     {"B:Pinned"}, "A^ B*"},
    {"UnpinLeadingTab", {"A", "B"},
     [](auto& s) { Tab(s, 0)->SetPinned(true); Tab(s, 1)->SetPinned(true); Tab(s, 1)->SetActive(true); },
     [](auto& s) { Tab(s, 0)->SetPinned(false); },
     {"A:Pinned", "Changing:B>A", "B:Deactivated", "B:PropertyUpdated", "A:Activated", "A:PropertyUpdated"},
     "B^ A*"},
    {"DeleteActiveLastNow", {"A", "B", "C"},
     [](auto& s) { Tab(s, 2)->SetActive(true); },
     [](auto& s) { s.Tabs->DeleteTab(2, true); },
     {"C:Deleting", "-:Deleted", "Changing:->B", "B:Activated", "B:PropertyUpdated"}, "A B*"},
    {"DeleteActiveFirstNow", {"A", "B", "C"},
     [](auto& s) { Tab(s, 0)->SetActive(true); },
     [](auto& s) { s.Tabs->DeleteTab(0, true); },
     {"A:Deleting", "-:Deleted", "Changing:->B", "B:Activated", "B:PropertyUpdated"}, "B* C"},
    {"DeleteActiveFirstAnimated", {"A", "B", "C"},
     [](auto& s) { Tab(s, 0)->SetActive(true); },
     [](auto& s) { s.Tabs->DeleteTab(0, false); },
     {"A:Deleting", "A:Deleted", "Changing:A>B", "A:Deactivated", "A:PropertyUpdated", "B:Activated",
      "B:PropertyUpdated"},
     "A B* C"},
    {"DeleteMarkedTabSecondPhase", {"A", "B", "C"},
     [](auto& s) { Tab(s, 0)->SetActive(true); s.Tabs->DeleteTab(0, false); },
     [](auto& s) { s.Tabs->DeleteTab(0, false); },
     {}, "B* C"},
    {"DeleteWithoutEaseIsImmediate", {"A", "B"},
     [](auto& s) {
         auto* del = s.Options->Animation()->MovementAnimations()->TabDelete();
         del->SetUseDefaultEaseType(false);
         del->SetEaseType(ttNone);
         Tab(s, 1)->SetActive(true);
     },
     [](auto& s) { s.Tabs->DeleteTab(1, false); },
     {"B:Deleting", "-:Deleted", "Changing:->A", "A:Activated", "A:PropertyUpdated"}, "A*"},
    {"DeleteInactiveKeepsActive", {"A", "B", "C"},
     [](auto& s) { Tab(s, 2)->SetActive(true); },
     [](auto& s) { s.Tabs->DeleteTab(0, true); },
     {"A:Deleting", "-:Deleted"}, "B C*"},
    {"DeleteOnlyTab", {"A"},
     [](auto& s) { Tab(s, 0)->SetActive(true); },
     [](auto& s) { s.Tabs->DeleteTab(0, true); },
     {"A:Deleting", "-:Deleted"}, ""},
    {"DeleteActiveMiddleNow", {"A", "B", "C"},
     [](auto& s) { Tab(s, 1)->SetActive(true); },
     [](auto& s) { s.Tabs->DeleteTab(1, true); },
     {"B:Deleting", "-:Deleted", "Changing:->C", "C:Activated", "C:PropertyUpdated"}, "A C*"},
    {"MoveReportsTheMovedTab", {"A", "B", "C"},
     nullptr,
     [](auto& s) { s.Tabs->Move(0, 2); },
     {"A:Moved"}, "B C A"},
    {"AddReportsAdded", {"A"},
     nullptr,
     [](auto& s) { s.Tabs->Add(); },
     {":Added"}, "A "},
    {"CaptionOnlyWhenChanged", {"A"},
     nullptr,
     [](auto& s) { Tab(s, 0)->SetCaption("A"); Tab(s, 0)->SetCaption("X"); },
     {"X:PropertyUpdated"}, "X"},
    {"IndexesAndStatesOnlyWhenChanged", {"A"},
     nullptr,
     [](auto& s) {
         TDeckTab* t = Tab(s, 0);
         t->SetImageIndex(-1);
         t->SetImageIndex(2);
         t->SetImageIndexOverlay(-1);
         t->SetModified(false);
         t->SetModified(true);
         t->SetSpinnerState(tssNone);
         t->SetSpinnerState(tssImageUpload);
         t->SetTag(5);
         t->SetHideCloseButton(true);
         t->SetData(&s);
     },
     {"A:PropertyUpdated", "A:PropertyUpdated", "A:PropertyUpdated"}, "A"},
    {"AssignEmptyListClearsWithoutDeleteReports", {"A", "B"},
     nullptr,
     [](auto& s) {
         TFakeDeckTabs other;
         s.Tabs->Assign(other.Tabs);
     },
     {"-:PropertyUpdated"}, ""},
};

class DeckTabsListOrders : public testing::TestWithParam<ModelCase> {};

TEST_P(DeckTabsListOrders, ReportsAndResult)
{
    const ModelCase& c = GetParam();
    TFakeDeckTabs strip;
    strip.AddTabs(c.Tabs);
    if (c.Setup)
        c.Setup(strip);
    strip.Log.clear();
    c.Step(strip);
    EXPECT_EQ(strip.Log, c.Reports);
    EXPECT_EQ(strip.Order(), c.Order);
}

INSTANTIATE_TEST_SUITE_P(DeckTabsList, DeckTabsListOrders, testing::ValuesIn(ModelCases),
                         [](const testing::TestParamInfo<ModelCase>& info) { return std::string(info.param.Name); });

TEST(DeckTabsList, VetoKeepsModifiedAndActivationClearsItSilently)
{
    TFakeDeckTabs strip;
    strip.AddTabs({"A", "B"});
    TDeckTab* b = strip.Tabs->Items(1);
    b->SetModified(true);
    strip.AllowActivation = false;
    b->SetActive(true);
    EXPECT_FALSE(b->Active());
    EXPECT_TRUE(b->Modified());
    strip.AllowActivation = true;
    strip.Log.clear();
    b->SetActive(true);
    EXPECT_FALSE(b->Modified());
    EXPECT_EQ(strip.Log, (QStringList{"Changing:->B", "B:Activated", "B:PropertyUpdated"}));
}

TEST(DeckTabsList, AnimatedDeleteMarksAndKeepsTheTab)
{
    TFakeDeckTabs strip;
    strip.AddTabs({"A", "B", "C"});
    strip.Tabs->Items(0)->SetActive(true);
    strip.Tabs->DeleteTab(0, false);
    ASSERT_EQ(strip.Tabs->Count(), 3);
    EXPECT_TRUE(strip.Tabs->Items(0)->MarkedForDeletion());
    EXPECT_EQ(strip.Tabs->ActiveTab(), strip.Tabs->Items(1));
    strip.Tabs->DeleteTab(0, false);
    EXPECT_EQ(strip.Tabs->Count(), 2);
    EXPECT_EQ(strip.Tabs->ActiveTab()->Caption(), QStringLiteral("B"));
}

TEST(DeckTabsList, ActiveTabIsTheFirstActiveAndIgnoresForeignTabs)
{
    TFakeDeckTabs strip, other;
    strip.AddTabs({"A", "B"});
    other.AddTabs({"X"});
    EXPECT_EQ(strip.Tabs->ActiveTab(), nullptr);
    strip.Tabs->SetActiveTab(other.Tabs->Items(0));
    strip.Tabs->SetActiveTab(nullptr);
    EXPECT_EQ(strip.Tabs->ActiveTab(), nullptr);
    EXPECT_FALSE(other.Tabs->Items(0)->Active());
    EXPECT_EQ(strip.Tabs->IndexOf(other.Tabs->Items(0)), -1);
}

TEST(DeckTabsList, TabsCannotBeCopied)
{
    TFakeDeckTabs strip, other;
    strip.AddTabs({"A"});
    other.AddTabs({"X"});
    strip.Log.clear();
    EXPECT_THROW(strip.Tabs->SetItems(0, other.Tabs->Items(0)), EConvertError);
    EXPECT_TRUE(strip.Log.isEmpty());
    EXPECT_THROW(strip.Tabs->Assign(other.Tabs), EConvertError);
    EXPECT_EQ(strip.Log, QStringList{":Added"}); // the first new tab was added before the copy failed
}

TEST(DeckTabsList, IndexErrorsAreTheListErrors)
{
    TFakeDeckTabs strip;
    strip.AddTabs({"A"});
    EXPECT_THROW(strip.Tabs->Items(1), EListError);
    EXPECT_THROW(strip.Tabs->DeleteTab(-1, true), EListError);
    EXPECT_THROW(strip.Tabs->Move(0, 3), EListError);
}

TEST(DeckTabsList, OwnerMustBeAStrip)
{
    TComponent owner;
    try {
        TDeckTabsList list(&owner);
        list.Add();
        FAIL() << "no assertion";
    } catch (const EAssertionFailed& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Collection owner must support IDeckTabInterface"));
    }
}

TEST(DeckTabsList, TabTexts)
{
    TFakeDeckTabs strip;
    strip.AddTabs({"A", ""});
    TDeckTab* a = strip.Tabs->Items(0);
    EXPECT_EQ(a->DisplayName(), QStringLiteral("A"));
    EXPECT_EQ(strip.Tabs->Items(1)->DisplayName(), QStringLiteral("TDeckTab"));
    a->SetPinned(true);
    EXPECT_TRUE(a->DisplayCaption().isEmpty());
    EXPECT_EQ(a->Caption(), QStringLiteral("A"));
    EXPECT_FALSE(a->ImageIsVisible());
    a->SetImageIndexOverlay(0);
    EXPECT_TRUE(a->ImageIsVisible());
}

TEST(DeckTabsList, TabsOutsideAStripStayQuiet)
{
    TCollection plain([](TCollection* c) { return new TDeckTab(c); });
    auto* tab = static_cast<TDeckTab*>(plain.Add());
    tab->SetCaption("A");
    tab->SetActive(true);
    tab->SetPinned(true);
    EXPECT_TRUE(tab->Active());
    EXPECT_TRUE(tab->Pinned());
    EXPECT_EQ(tab->Index(), 0);
}

} // namespace
