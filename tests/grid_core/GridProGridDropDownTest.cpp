// The grid drop-down as a cell editor: the cell's row is current on
// opening; a row chosen in the popup and Return commit it into the cell;
// Escape leaves the cell as it was.
#include "GridEditingFixture.h"
#include "grid/core/GridProGridDropDown.h"
#include "grid/core/ProCustomGridDropDownGrid.h"

using namespace SyntheticInput;
using namespace ProCustomGridDropDownUnit;

namespace {

TWinControl* FocusedControl() { return TWinControl::FocusedControl(); }

class GridProGridDropDownEdit : public GridEditing {
protected:
    void SetUp() override
    {
        GridEditing::SetUp();
        Grid->SetCol(2);
        LogEvents();
        EditorKinds({{2, edProGridDropDown}});
        TGridProGridDropDown* d = Grid->ProGridDropDown();
        d->Columns()->Add()->SetHeader(QStringLiteral("Code"));
        d->Columns()->Add()->SetHeader(QStringLiteral("Device"));
        d->SetLookupColumn(1);
        const char* rows[][2] = {{"01", "Room sensor"}, {"02", "Window contact"}, {"03", "Rocker switch"}};
        for (const auto& r : rows) {
            TDropDownItem* item = d->Items()->Add();
            item->Text()->Add(QString::fromUtf8(r[0]));
            item->Text()->Add(QString::fromUtf8(r[1]));
        }
        Grid->SetCells(2, 1, QStringLiteral("Window contact"));
    }
    TGridProGridDropDown* DropDown() const { return Grid->ProGridDropDown(); }
};

TEST_F(GridProGridDropDownEdit, ChooseInThePopupAndCommit)
{
    Key(Grid, VK_F2);
    TGridProGridDropDown* d = DropDown();
    ASSERT_EQ(dynamic_cast<TGridProGridDropDown*>(Grid->EditCtrl()), d);
    EXPECT_TRUE(d->Visible());
    EXPECT_EQ(d->ItemIndex(), 1) << "the cell's row";
    EXPECT_EQ(d->GetText(), QStringLiteral("Window contact"));
    EXPECT_EQ(d->GetGrid(), static_cast<TProStringGrid*>(d->TCustomProGridDropDown::GetGrid()));
    Key(FocusedControl(), VK_DOWN, {ssAlt});
    ASSERT_TRUE(d->DroppedDown());
    EXPECT_EQ(d->TCustomProGridDropDown::GetGrid()->Row(), 2);
    Key(FocusedControl(), VK_DOWN);
    Key(FocusedControl(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_FALSE(d->DroppedDown()) << "Return in the popup chooses";
    EXPECT_TRUE(Grid->EditMode());
    EXPECT_EQ(d->GetText(), QStringLiteral("Rocker switch"));
    Key(FocusedControl(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_FALSE(Grid->EditMode());
    EXPECT_FALSE(d->Visible());
    EXPECT_EQ(Grid->Cells(2, 1), QStringLiteral("Rocker switch"));
    EXPECT_EQ(Log.value(0), QStringLiteral("validate 2,1 Rocker switch"));
}

TEST_F(GridProGridDropDownEdit, AClickChoosesAndEscapeRestores)
{
    Key(Grid, VK_F2);
    TGridProGridDropDown* d = DropDown();
    d->ShowDropDown();
    ASSERT_TRUE(d->DroppedDown());
    TProColGrid* popup = d->TCustomProGridDropDown::GetGrid();
    const TRect r = popup->CellRect(1, 1);
    Click(popup, {r.Left + 5, r.Top + 5});
    EXPECT_FALSE(d->DroppedDown());
    EXPECT_EQ(d->GetText(), QStringLiteral("Room sensor"));
    Key(FocusedControl(), VK_ESCAPE, {}, QStringLiteral("\x1b"));
    EXPECT_FALSE(Grid->EditMode());
    EXPECT_EQ(Grid->Cells(2, 1), QStringLiteral("Window contact"));
    // Typed in the edit: the look-up completes and Return commits.
    Key(Grid, VK_F2);
    ASSERT_EQ(FocusedControl(), d);
    d->SelectAll();
    Type(d, QStringLiteral("ro"));
    EXPECT_EQ(d->GetText(), QStringLiteral("Room sensor"));
    Key(d, VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_EQ(Grid->Cells(2, 1), QStringLiteral("Room sensor"));
}

} // namespace
