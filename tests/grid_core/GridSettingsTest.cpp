#include "FakeGridOwner.h"
#include "grid/core/GridSettings.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "platform/services/Printer.h"
#include <gtest/gtest.h>

TEST(GridSettings, CellNodeRepaintsOnlyForARealChange)
{
    FakeGridOwner grid;
    TCellNode node(&grid);
    EXPECT_EQ(node.NodeType(), cnXP);
    EXPECT_EQ(node.NodeIndent(), 12);
    EXPECT_EQ(node.TreeColor(), 0x808080);
    node.SetNodeIndent(12);
    node.SetShowTree(true);
    EXPECT_TRUE(grid.Log.isEmpty());
    node.SetNodeIndent(20);
    node.SetColor(clRed);
    node.SetNodeColor(clRed);
    EXPECT_EQ(grid.Log, QStringList{"Repaint"});

    // Assign sets the fields: no repaint, glyphs copied.
    grid.Log.clear();
    TCellNode other(nullptr);
    other.SetTreeColor(clBlue);
    other.ExpandGlyph()->SetSize(3, 3);
    node.Assign(&other);
    EXPECT_EQ(node.TreeColor(), clBlue);
    EXPECT_EQ(node.NodeIndent(), 12);
    EXPECT_EQ(node.ExpandGlyph()->Width(), 3);
    EXPECT_NE(node.ExpandGlyph(), other.ExpandGlyph());
    EXPECT_TRUE(grid.Log.isEmpty());
}

TEST(GridSettings, ColumnStretchNeedsAParentedGrid)
{
    FakeGridOwner grid;
    TColumnSize size(&grid);
    size.SetStretch(true);
    EXPECT_TRUE(size.Stretch());
    EXPECT_TRUE(grid.Log.isEmpty());

    grid.Parented = true;
    size.SetStretch(false);
    EXPECT_EQ(grid.Log, QStringList{"StretchColumn -1"});

    // Assign copies the flag without stretching.
    TColumnSize src(nullptr);
    src.SetStretch(true);
    src.SetStretchColumn(2);
    src.SetLocation(clIniFile);
    size.Assign(&src);
    EXPECT_TRUE(size.Stretch());
    EXPECT_EQ(size.StretchColumn(), 2);
    EXPECT_EQ(size.Location(), clIniFile);
    EXPECT_EQ(grid.Log.size(), 1);

    // An owner that is no grid: stored, then the cast fails.
    TComponent notAGrid;
    TColumnSize odd(&notAGrid);
    EXPECT_THROW(odd.SetStretch(true), EInvalidCast);
    EXPECT_TRUE(odd.Stretch());
}

TEST(GridSettings, HtmlAssignLeavesImagesAndWidths)
{
    THTMLSettings src, dst;
    EXPECT_EQ(dst.BorderSize(), 1);
    EXPECT_EQ(dst.Width(), 100);
    EXPECT_TRUE(dst.ExportImages());
    src.SetExportImages(false);
    src.SetTableStyle("grid");
    src.SetXHTML(true);
    dst.ColWidths()->Add(40);
    dst.Assign(&src);
    EXPECT_EQ(dst.TableStyle(), "grid");
    EXPECT_TRUE(dst.XHTML());
    EXPECT_TRUE(dst.ExportImages());
    EXPECT_EQ(dst.ColWidths()->Count(), 1);
}

TEST(GridSettings, PrintSettingsDefaultsAndCopies)
{
    TPrintSettings src(nullptr), dst(nullptr);
    EXPECT_EQ(dst.DateFormat(), "dd/mm/yyyy");
    EXPECT_EQ(dst.PageNumSep(), "/");
    EXPECT_EQ(dst.Borders(), pbSingle);
    EXPECT_TRUE(dst.Centered());
    EXPECT_TRUE(dst.UseDisplayFont());
    EXPECT_EQ(dst.BorderColor(), clBlack);
    EXPECT_EQ(dst.Orientation(), TPrinterOrientation::poPortrait);

    src.SetFixedCellsAlways(true);
    src.Font()->SetName("Arial");
    src.FooterFont()->SetHeight(-20);
    src.TitleLines()->Add("Report");
    src.SetOrientation(TPrinterOrientation::poLandscape);
    src.SetFitToPage(fpShrink);
    src.SetBorderColor(clRed);
    dst.Assign(&src);
    EXPECT_FALSE(dst.FixedCellsAlways());
    EXPECT_EQ(dst.Font()->Name(), "Arial");
    EXPECT_NE(dst.Font(), src.Font());
    EXPECT_EQ(dst.FooterFont()->Height(), -20);
    EXPECT_EQ(dst.TitleLines()->Text(), src.TitleLines()->Text());
    EXPECT_NE(dst.TitleLines(), src.TitleLines());
    EXPECT_EQ(dst.Orientation(), TPrinterOrientation::poLandscape);
    EXPECT_EQ(dst.FitToPage(), fpShrink);
    EXPECT_EQ(dst.BorderColor(), clRed);

    // Another class is an invalid cast and changes nothing.
    THTMLSettings html;
    TPrintSettings fresh(nullptr);
    EXPECT_THROW(fresh.Assign(&html), EInvalidCast);
    EXPECT_EQ(fresh.Borders(), pbSingle);
}

TEST(GridSettings, ForeignSourcesAreIgnoredOrRefused)
{
    TCellNode node(nullptr);
    TColumnSize size(nullptr);
    THTMLSettings html;
    EXPECT_NO_THROW(node.Assign(&html));
    EXPECT_NO_THROW(size.Assign(&html));
    EXPECT_NO_THROW(html.Assign(&node));
    EXPECT_EQ(html.BorderSize(), 1);

    // TSizeWhileTyping has no Assign of its own.
    TSizeWhileTyping a, b;
    EXPECT_THROW(a.Assign(&b), EConvertError);
}
