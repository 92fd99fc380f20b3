// Labels and panels: size to text, accelerators, client area inside the
// frame, and what they paint.
#include "StdControlsFixture.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/controls/TestHooks.h"
#include "platform/graphics/Canvas.h"

using namespace SyntheticInput;

namespace {

using LabelPanel = StdControlsTest;

TEST_F(LabelPanel, AutoSizeFollowsTheTextAndAccelFocusesItsControl)
{
    auto* label = new TLabel(Form);
    label->SetParent(Form);
    label->SetCaption(QStringLiteral("&Name"));
    int oneWord = label->Width();
    label->SetCaption(QStringLiteral("&Name of the device"));
    EXPECT_GT(label->Width(), oneWord);
    // "&" is not drawn, "&&" is one "&".
    label->SetCaption(QStringLiteral("&&&&"));
    int amps = label->Width();
    label->SetShowAccelChar(false);
    EXPECT_GT(label->Width(), amps);
    label->SetShowAccelChar(true);

    auto* edit = new TEdit(Form);
    edit->SetParent(Form);
    edit->SetTop(40);
    auto* other = new TEdit(Form);
    other->SetParent(Form);
    other->SetTop(80);
    label->SetCaption(QStringLiteral("&Name"));
    label->SetFocusControl(edit);
    other->SetFocus();
    Key(other, 'N', {ssAlt}, QStringLiteral("n"));
    EXPECT_TRUE(edit->Focused());
    delete edit;
    EXPECT_EQ(label->FocusControl(), nullptr);
}

TEST_F(LabelPanel, PanelChildrenFillTheAreaInsideItsFrame)
{
    auto* panel = new TPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(0, 0, 200, 100);
    panel->SetBevelInner(bvLowered);
    panel->SetBevelWidth(2);
    panel->SetBorderWidth(3);
    auto* child = new TPanel(Form);
    child->SetParent(panel);
    child->SetAlign(alClient);
    EXPECT_EQ(child->BoundsRect(), Rect(7, 7, 193, 93));

    panel->SetColor(clRed);
    panel->SetBevelInner(bvNone);
    panel->SetBevelOuter(bvNone);
    panel->SetBorderWidth(0);
    child->SetAlign(alNone);
    child->SetBounds(150, 50, 10, 10);
    panel->Repaint();
    EXPECT_EQ(panel->Canvas()->Pixels(5, 5), clRed);
    panel->SetParentBackground(true);
    Form->SetColor(clLime);
    panel->Repaint();
    EXPECT_EQ(panel->Canvas()->Pixels(5, 5), clLime);
}

TEST_F(LabelPanel, LabelBackgroundAndLayout)
{
    auto* panel = new TPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(0, 0, 200, 100);
    panel->SetBevelOuter(bvNone);
    panel->SetColor(clWhite);
    auto* label = new TLabel(Form);
    label->SetParent(panel);
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 100, 60);
    label->SetParentColor(false);
    label->SetColor(clYellow);
    label->Font()->SetColor(clBlack);
    label->SetCaption(QStringLiteral("MMMM"));
    // The row where text starts, searching down the label's left part.
    auto firstInkRow = [&]() {
        for (int y = 10; y < 70; ++y)
            for (int x = 10; x < 60; ++x)
                if (panel->Canvas()->Pixels(x, y) == clBlack)
                    return y - 10;
        return -1;
    };
    panel->Repaint();
    EXPECT_EQ(panel->Canvas()->Pixels(100, 65), clYellow);
    int top = firstInkRow();
    ASSERT_GE(top, 0);
    label->SetLayout(tlBottom);
    panel->Repaint();
    EXPECT_GT(firstInkRow(), top + 30);
    label->SetTransparent(true);
    panel->Repaint();
    EXPECT_EQ(panel->Canvas()->Pixels(100, 65), clWhite);
}

TEST_F(LabelPanel, EndEllipsisCutsAWideTextInsideTheLabel)
{
    auto* panel = new TPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(0, 0, 200, 40);
    panel->SetBevelOuter(bvNone);
    panel->SetColor(clWhite);
    auto* label = new TLabel(Form);
    label->SetParent(panel);
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 60, 20);
    label->SetTransparent(true);
    label->Font()->SetColor(clBlack);
    // Upright bars: a cut shows a full stroke, "..." a dot.
    label->SetCaption(QString(40, QChar(u'I')));
    // Rows of ink in the rightmost column that has any.
    auto lastInkColumn = [&](int& rows) {
        panel->Repaint();
        for (int x = 199; x >= 0; --x) {
            rows = 0;
            for (int y = 0; y < 40; ++y)
                rows += panel->Canvas()->Pixels(x, y) != clWhite;
            if (rows)
                return x;
        }
        return -1;
    };
    int cutRows = 0;
    const int cut = lastInkColumn(cutRows);
    EXPECT_GT(cut, 60);
    EXPECT_LE(cut, 69);
    label->SetEllipsisPosition(epEndEllipsis);
    int dotRows = 0;
    const int dots = lastInkColumn(dotRows);
    // The last ink is a dot, inside the label.
    EXPECT_GT(dots, 10);
    EXPECT_LE(dots, 69);
    EXPECT_LT(dotRows, cutRows / 2);
    EXPECT_EQ(label->Width(), 60);
}

} // namespace
