// The edit with button and the unit edit: the button and F4, typing when
// the editor is disabled, splitting value and unit, and the unit menu.
#include "grid/foundation/EditBtn.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Form.h"
#include "platform/controls/Menu.h"
#include "platform/controls/TestHooks.h"
#include <gtest/gtest.h>
#include <memory>

using namespace SyntheticInput;

namespace {

class EditButton : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(50, 50, 300, 200);
        Other = new TEdit(Form.get());
        Other->SetParent(Form.get());
        Other->SetBounds(10, 100, 100, 24);
        Form->Show();
    }
    template <typename T>
    T* Make()
    {
        auto* e = new T(Form.get());
        e->SetParent(Form.get());
        e->SetBounds(10, 10, 150, 24);
        e->OnClickBtn = [this](TObject* Sender) { Senders.push_back(Sender); };
        return e;
    }
    std::unique_ptr<TForm> Form;
    TEdit* Other = nullptr;
    std::vector<TObject*> Senders;
};

TEST_F(EditButton, ButtonAndF4FireOnClickBtn)
{
    auto* e = Make<TSgEditBtn>();
    EXPECT_EQ(e->Text(), QStringLiteral("0"));
    EXPECT_EQ(e->Button()->Width(), 18);
    EXPECT_EQ(e->Button()->Left() + e->Button()->Width(), 150 - 3);
    Other->SetFocus();
    Click(e->Button()->Button(), {4, 4});
    ASSERT_EQ(Senders.size(), 1u);
    EXPECT_EQ(Senders[0], e->Button());
    EXPECT_TRUE(e->Focused());
    // A right click does nothing.
    MouseDown(e->Button()->Button(), mbRight, {4, 4});
    MouseUp(e->Button()->Button(), mbRight, {4, 4});
    EXPECT_EQ(Senders.size(), 1u);

    Senders.clear();
    Key(e, VK_F4);
    Key(e, VK_F4, {ssCtrl});
    Key(e, VK_F4, {ssAlt});
    ASSERT_EQ(Senders.size(), 1u);
    EXPECT_EQ(Senders[0], e);
}

TEST_F(EditButton, DisabledEditorTakesNoTypingButTheButtonWorks)
{
    auto* e = Make<TSgEditBtn>();
    e->SetFocus();
    e->SetEditorEnabled(false);
    e->SetSelStart(1);
    Type(e, QStringLiteral("5"));
    Key(e, VK_BACK);
    EXPECT_EQ(e->Text(), QStringLiteral("0"));
    Click(e->Button()->Button(), {4, 4});
    EXPECT_EQ(Senders.size(), 1u);
}

struct TUnitCase {
    const char* Name;
    QStringList Units;
    const char* Input;
    const char* Text;
    const char* Unit;
};

const TUnitCase UnitCases[] = {
    {"FirstEntryEndingTheTextWins", {"m", "km"}, "5km", "5k", "m"},
    {"LongerUnitListedFirst", {"km", "m"}, "5km", "5", "km"},
    {"UnitNotAtTheEndChangesNothing", {"m"}, "2m3m", "0", "old"},
    {"NoUnitChangesNothing", {"m", "km"}, "42", "0", "old"},
};

class UnitSplit : public EditButton, public ::testing::WithParamInterface<TUnitCase> {};

TEST_P(UnitSplit, TextAndUnitSplitsAtTheFirstMatchingUnit)
{
    const TUnitCase& c = GetParam();
    auto* e = Make<TSgUnitEditBtn>();
    TStringList units;
    for (const QString& u : c.Units)
        units.Add(u);
    e->SetUnits(&units);
    e->SetUnitID(QStringLiteral("old"));
    e->SetTextAndUnit(QString::fromUtf8(c.Input));
    EXPECT_EQ(e->Text(), QString::fromUtf8(c.Text));
    EXPECT_EQ(e->UnitID(), QString::fromUtf8(c.Unit));
    EXPECT_EQ(e->TextAndUnit(), e->Text() + e->UnitID());
}

INSTANTIATE_TEST_SUITE_P(EditButton, UnitSplit, ::testing::ValuesIn(UnitCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(EditButton, UnitMenuPicksAndReportsOnlyAChange)
{
    auto* e = Make<TSgUnitEditBtn>();
    TStringList units;
    units.Add(QStringLiteral("m"));
    units.Add(QStringLiteral("km"));
    e->SetUnits(&units);
    e->SetUnitID(QStringLiteral("m"));
    QStringList changes;
    e->OnUnitChanged = [&](TObject*, const QString& u) { changes << u; };
    int pick = 0;
    QStringList shown;
    TMenuChooser old = SetMenuChooser([&](TPopupMenu* m) {
        shown.clear();
        for (int i = 0; i < m->Items()->Count(); ++i)
            shown << m->Items()->Items(i)->Caption();
        return pick < m->Items()->Count() ? m->Items()->Items(pick) : nullptr;
    });
    Click(e->Button()->Button(), {4, 4});
    EXPECT_EQ(shown, QStringList({"m", "km"}));
    EXPECT_TRUE(changes.isEmpty());
    pick = 1;
    Click(e->Button()->Button(), {4, 4});
    EXPECT_EQ(e->UnitID(), QStringLiteral("km"));
    EXPECT_EQ(changes, QStringList({"km"}));
    ASSERT_EQ(Senders.size(), 2u);
    EXPECT_EQ(Senders[0], e);
    // An empty list still clicks and shows an empty menu.
    TStringList none;
    e->Units()->Clear();
    Click(e->Button()->Button(), {4, 4});
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_EQ(Senders.size(), 3u);
    SetMenuChooser(old);
}

TEST_F(EditButton, UnitSpaceMovesTheEditRectangle)
{
    auto* e = Make<TSgUnitEditBtn>();
    TRect r;
    e->Perform(EM_GETRECT, 0, LPARAM(&r));
    // 150 - 2 - (18 + 20 + 5) - 3.
    EXPECT_EQ(r.Right, 102);
    EXPECT_EQ(e->UnitRect().Width(), 20);
    e->SetUnitSpace(0);
    e->Perform(EM_GETRECT, 0, LPARAM(&r));
    EXPECT_EQ(r.Right, 125);
    EXPECT_TRUE(e->UnitRect().IsEmpty());
}

TEST_F(EditButton, ColouredButtonFillsAndTurnsHotAndDown)
{
    auto* e = Make<TSgEditBtn>();
    TSgEditButton* holder = e->Button();
    holder->SetButtonColor(0x00C000);
    holder->SetButtonColorHot(0x0000C0);
    holder->SetButtonColorDown(0xC00000);
    TProSpeedButton* b = holder->Button();
    auto pixel = [&] {
        holder->Repaint();
        TControlCanvas canvas(holder);
        return canvas.Pixels(2, 2);
    };
    EXPECT_EQ(pixel(), 0x00C000);
    MouseMove(b, {3, 3});
    EXPECT_EQ(pixel(), 0x0000C0);
    MouseDown(b, mbLeft, {3, 3});
    EXPECT_EQ(pixel(), 0xC00000);
    MouseUp(b, mbLeft, {3, 3});
}

} // namespace
