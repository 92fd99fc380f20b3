// Messages the grid takes before the platform: the spin and button
// editors echo each change into the cell, the look's border is drawn
// again over the frame, and a theme change is adopted with AutoThemeAdapt.
#include "GridEditingFixture.h"
#include "grid/foundation/SpinEdit.h"
#include "platform/graphics/Canvas.h"

using namespace SyntheticInput;

TEST_F(GridEditing, TheSpinEditorEchoesEachStepIntoTheCell)
{
    EditorKinds({{1, edSpinEdit}});
    Grid->SetCells(1, 1, QStringLiteral("5"));
    Key(Grid, VK_F2);
    TGridSpin* spin = Grid->SpinEdit();
    ASSERT_TRUE(spin->Visible());
    Log << Grid->Cells(1, 1);
    Key(spin, VK_PRIOR);
    Log << Grid->Cells(1, 1);
    spin->UpClick(spin);
    Log << Grid->Cells(1, 1);
    Key(spin, VK_ESCAPE, {}, QStringLiteral("\x1b"));
    Log << Grid->Cells(1, 1) + QStringLiteral(" open %1").arg(spin->Visible());
    EXPECT_EQ(Log, QStringList({"5", "6", "7", "5 open 0"}));
}

TEST_F(GridEditing, TheButtonEditorEchoesWhatIsTyped)
{
    EditorKinds({{1, edEditBtn}});
    Key(Grid, VK_F2);
    TGridEditBtn* edit = Grid->BtnEdit();
    ASSERT_TRUE(edit->Visible());
    edit->SelectAll();
    Type(edit, QStringLiteral("ab"));
    Log << Grid->Cells(1, 1);
    Key(edit, VK_RETURN, {}, QStringLiteral("\r"));
    Log << Grid->Cells(1, 1) + QStringLiteral(" open %1").arg(edit->Visible());
    EXPECT_EQ(Log, QStringList({"ab", "ab open 0"}));
}

namespace {

struct FramedGrid : ::testing::Test {
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 400, 300);
        Grid = new TProStringGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 300, 200);
        Form->Show();
    }
    std::unique_ptr<TForm> Form;
    TProStringGrid* Grid = nullptr;
};

} // namespace

TEST_F(FramedGrid, NonClientPaintDrawsTheLooksBorderUnlessUpdatesAreHeld)
{
    Grid->SetLook(glSoft);
    Grid->SetBorderColor(clRed);
    Grid->Repaint();
    TCanvas* c = Grid->Canvas();
    QStringList log;
    // Cells fitted in the grid: the border runs one pixel inside the edge.
    auto corner = [&] { log << QStringLiteral("%1 %2").arg(c->Pixels(1, 1) == clRed).arg(c->Pixels(298, 100) == clRed); };
    corner();
    c->SetPixels(1, 1, clLime);
    Grid->BeginUpdate();
    log << QString::number(Grid->Perform(WM_NCPAINT, 0, 0));
    corner();
    Grid->EndUpdate();
    c->SetPixels(1, 1, clLime);
    Grid->Perform(WM_NCPAINT, 0, 0);
    corner();
    EXPECT_EQ(log, QStringList({"1 1", "0", "0 1", "1 1"}));
}

TEST_F(FramedGrid, AThemeChangeIsAdoptedOnlyWithAutoThemeAdapt)
{
    QStringList log;
    Grid->Perform(WM_THEMECHANGED, 0, 0);
    log << QString::number(Grid->ComponentStyle() == tsOffice2003Classic);
    Grid->SetAutoThemeAdapt(true);
    Grid->Perform(WM_THEMECHANGED, 0, 0);
    log << QString::number(Grid->ComponentStyle() == tsOffice2003Classic);
    EXPECT_EQ(log, QStringList({"0", "1"}));
}
