#include "grid/core/FloatingFooter.h"
#include "grid/core/ProStringGrid.h"
#include "platform/rtl/Exceptions.h"

void TFloatingFooter::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TFloatingFooter*>(Source);
    if (!src)
        return;
    FCalculateHiddenRows = src->FCalculateHiddenRows;
    FColor = src->FColor;
    FColumn = src->FColumn;
    FCustomTemplate = src->FCustomTemplate;
    FFooterStyle = src->FFooterStyle;
    SetVisible(src->FVisible);
    FShowHint = src->FShowHint;
}

void TFloatingFooter::Invalidate()
{
    if (FGrid && FGrid->FooterPanel())
        FGrid->FooterPanel()->Invalidate();
}

TColumnCalcType TFloatingFooter::GetColumnCalc(int c) const
{
    const int r = FGrid->RowCount() - 1;
    if (!FGrid->HasCellProperties(c, r))
        return acNONE;
    return FGrid->CellProperties(c, r)->CalcType();
}

void TFloatingFooter::SetColumnCalc(int c, TColumnCalcType Value)
{
    FGrid->CellProperties(c, FGrid->RowCount() - 1)->SetCalcType(Value);
    FGrid->CalcFooter(c);
}

void TFloatingFooter::SetVisible(bool Value)
{
    FVisible = Value;
    if (!FGrid)
        return;
    const bool lastRow = FFooterStyle == fsFixedLastRow;
    if (TFooterPanel* panel = FGrid->FooterPanel()) {
        panel->SetHeight(Value ? FHeight - 1 : 0);
        panel->SetVisible(Value);
        FGrid->SetFixedFooters(panel->Visible() && lastRow ? 1 : 0);
    }
    FGrid->SetHideLastRow(Value && lastRow);
    FGrid->Invalidate();
}

void TFloatingFooter::SetFooterStyle(TFooterStyle Value)
{
    FFooterStyle = Value;
    if (!FGrid)
        return;
    FGrid->SetHideLastRow(Value == fsFixedLastRow && FVisible);
    FGrid->Invalidate();
    Invalidate();
}

void TFloatingFooter::SetHeight(int Value)
{
    FHeight = Value;
    if (FGrid && FGrid->FooterPanel() && Value > 0)
        FGrid->FooterPanel()->SetHeight(Value - 1);
}

void TFloatingFooter::SetColor(TColor Value)
{
    FColor = Value;
    Invalidate();
}

void TFloatingFooter::SetColumn(int Value)
{
    FColumn = Value;
    Invalidate();
}

void TFloatingFooter::SetCustomTemplate(const QString& Value)
{
    FCustomTemplate = Value;
    Invalidate();
}

void TFloatingFooter::SetBorderColor(TColor Value)
{
    if (FBorderColor == Value)
        return;
    FBorderColor = Value;
    Invalidate();
}

void TFloatingFooter::SetShowHint(bool Value)
{
    FShowHint = Value;
    if (FGrid && FGrid->FooterPanel())
        FGrid->FooterPanel()->SetShowHint(Value);
}

TFooterPanel::TFooterPanel(TComponent* AOwner) : TCustomPanel(AOwner), FGrid(dynamic_cast<TProStringGrid*>(AOwner))
{
    if (!FGrid)
        throw EInvalidCast(QStringLiteral("Invalid class typecast"));
}

void TFooterPanel::CreateWnd()
{
    TCustomPanel::CreateWnd();
    TFloatingFooter* footer = FGrid->FloatingFooter();
    SetHeight(footer && footer->Visible() ? footer->Height() : 0);
    if (FGrid->OnCreatedFloatingFooter)
        FGrid->OnCreatedFloatingFooter(FGrid);
}
