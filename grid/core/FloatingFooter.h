#pragma once
// The floating footer: its settings (TFloatingFooter) and the panel docked
// under the cells that shows it (TFooterPanel).
#include "grid/core/GridCoreTypes.h"
#include "grid/core/ProStringGridEvents.h"
#include "platform/controls/Panel.h"
#include "platform/rtl/Object.h"

class TProStringGrid;

class TFloatingFooter : public TPersistent {
public:
    explicit TFloatingFooter(TProStringGrid* AOwner) : FGrid(AOwner) {}

    // Copies CalculateHiddenRows, Color, Column, CustomTemplate,
    // FooterStyle, Visible (through its setter) and ShowHint.
    void Assign(TPersistent* Source) override;
    // Repaints the footer panel.
    void Invalidate();

    // The calculation of footer cell (c, RowCount - 1); acNONE without
    // cell properties.
    TColumnCalcType GetColumnCalc(int c) const;
    // Stores it in that cell's properties and recalculates the column.
    void SetColumnCalc(int c, TColumnCalcType Value);

    // Shows the panel: FixedFooters 1 and the last row kept out of the
    // scrolling rows with fsFixedLastRow.
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    TFooterStyle FooterStyle() const { return FFooterStyle; }
    void SetFooterStyle(TFooterStyle Value);
    // The grid's DefaultRowHeight; the panel is one pixel lower.
    int Height() const { return FHeight; }
    void SetHeight(int Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    // The column fsColumnPreview shows.
    int Column() const { return FColumn; }
    void SetColumn(int Value);
    const QString& CustomTemplate() const { return FCustomTemplate; }
    void SetCustomTemplate(const QString& Value);
    // Line along the top of the footer; clNone draws none.
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    bool CalculateHiddenRows() const { return FCalculateHiddenRows; }
    void SetCalculateHiddenRows(bool Value) { FCalculateHiddenRows = Value; }
    bool EnableCalculation() const { return FEnableCalculation; }
    void SetEnableCalculation(bool Value) { FEnableCalculation = Value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);

    TCalcFooterEvent OnCalcFooter;

private:
    TProStringGrid* FGrid;
    int FHeight = 0;
    bool FVisible = false;
    TColor FColor = clBtnFace;
    TFooterStyle FFooterStyle = fsFixedLastRow;
    int FColumn = 0;
    QString FCustomTemplate;
    bool FCalculateHiddenRows = true;
    bool FEnableCalculation = true;
    bool FShowHint = false;
    TColor FBorderColor = clNone;
};

class TFooterPanel : public TCustomPanel {
public:
    // Note: raises EInvalidCast when AOwner is not a string grid.
    explicit TFooterPanel(TComponent* AOwner);

    TProStringGrid* Grid() const { return FGrid; }
    // The grid column under client X: the fixed columns, then those from
    // LeftCol; -1 past the last.
    int ColumnAt(int X) const;
    // The custom template with each "<#n>" replaced by the text of column
    // n in the current row. A token whose n is no number is dropped, a
    // column outside the grid reads empty, and an "<#" without its ">"
    // is kept as written.
    QString ExpandedTemplate() const;
    // The column whose hint shows; -1 for none.
    int LastHintX() const { return FLastHintX; }

protected:
    // Full footer height while visible, else 0; then the grid's
    // OnCreatedFloatingFooter.
    void CreateWnd() override;
    void Paint() override;
    void CMHintShow(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    // The grid's OnClick, then its OnClickCell for the footer row.
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    // The painted width: the fixed columns and those from LeftCol.
    int FooterWidth() const;
    // The footer area [0, W), or its mirror at the right edge.
    TRect FooterArea(int W) const;
    TRect Mirrored(const TRect& R) const;
    void FillRest(const TRect& Area);
    int PaintFixedLastRow();
    int PaintPreview(bool Template);

    TProStringGrid* FGrid;
    // The column whose hint shows; -1 for none.
    int FLastHintX = -1;
};
