#include "grid/core/ProStringGrid.h"
#include "grid/core/LookSettings.h"
#include "grid/foundation/Navigation.h"
#include "platform/rtl/List.h"

// The overridable operations that raise an event; derived grids change
// the answer here instead of handling the event.

void TProStringGrid::DoClickSort(int ACol)
{
    if (OnClickSort)
        OnClickSort(this, ACol);
}

void TProStringGrid::GetPrintPageNum(int PageNum, int PageColNum, QString& PageNumString)
{
    if (OnPrintGetPageNum)
        OnPrintGetPageNum(this, PageNum, PageColNum, PageNumString);
}

void TProStringGrid::DoCheckBoxClick(int ACol, int ARow, bool State)
{
    if (OnCheckBoxClick)
        OnCheckBoxClick(this, ACol, ARow, State);
}

void TProStringGrid::DoFilterDone()
{
    if (OnFilterDone)
        OnFilterDone(this);
}

void TProStringGrid::DoCanEditCell(int ACol, int ARow, bool& CanEdit)
{
    if (OnCanEditCell)
        OnCanEditCell(this, ARow, ACol, CanEdit);
}

void TProStringGrid::DoSearchFooterAction(const QString& Value, int ACol, int ARow, TSearchAction SearchAction)
{
    if (OnSearchFooterAction)
        OnSearchFooterAction(this, Value, ACol, ARow, SearchAction);
}

void TProStringGrid::DoButtonClick(int ACol, int ARow)
{
    if (OnButtonClick)
        OnButtonClick(this, ACol, ARow);
}

void TProStringGrid::DoComboCloseUp(int ARow, int ACol)
{
    if (OnComboCloseUp)
        OnComboCloseUp(this, ARow, ACol);
}

void TProStringGrid::DoComboDropDown(int ARow, int ACol)
{
    if (OnComboDropDown)
        OnComboDropDown(this, ARow, ACol);
}

void TProStringGrid::CellsChanged(const TRect& R)
{
    if (OnCellsChanged)
        OnCellsChanged(this, R);
    for (int i = 0; i < FNotifierList->Count(); ++i)
        static_cast<TGridChangeNotifier*>(FNotifierList->Items(i))->CellsChanged(R);
    CalcFooter(-1);
}

void TProStringGrid::GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont)
{
    if (OnGetCellPrintColor)
        OnGetCellPrintColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TProStringGrid::GetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders)
{
    if (OnGetCellPrintBorder)
        OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}

void TProStringGrid::GetSortFormat(int ACol, TSortStyle& AStyle, QString& APrefix, QString& ASuffix)
{
    if (OnGetFormat)
        OnGetFormat(this, ACol, AStyle, APrefix, ASuffix);
}

void TProStringGrid::IsPasswordCell(int ACol, int ARow, bool& IsPassword)
{
    if (OnIsPasswordCell)
        OnIsPasswordCell(this, ARow, ACol, IsPassword);
}

void TProStringGrid::GetWordWrapEx(int ACol, int ARow, bool& WordWrap)
{
    if (OnGetWordWrap)
        OnGetWordWrap(this, ACol, ARow, WordWrap);
}

void TProStringGrid::CanAddRow(bool& CanAdd)
{
    if (OnCanAddRow)
        OnCanAddRow(this, CanAdd);
}

void TProStringGrid::CanInsertRow(int ARow, bool& CanInsert)
{
    if (OnCanInsertRow)
        OnCanInsertRow(this, ARow, CanInsert);
}

void TProStringGrid::IsDesigning(TObject* Sender, bool& Designing) { Designing = TComponent::IsDesigning(); }

void TProStringGrid::DisableEditing() { SetOptions(Options() - goEditing); }

bool TProStringGrid::AllowFmtClipboard() { return FNavigation->AllowFmtClipboard(); }

void TProStringGrid::DoCheckBoxChange(int ACol, int ARow, bool State)
{
    if (OnCheckBoxChange)
        OnCheckBoxChange(this, ACol, ARow, State);
}

bool TProStringGrid::DoRatingChange(int ACol, int ARow, double& NewRate)
{
    bool allow = true;
    if (OnRatingChange)
        OnRatingChange(this, ACol, ARow, NewRate, allow);
    return allow;
}

void TProStringGrid::DoScrollCell(int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax)
{
    if (OnScrollCell)
        OnScrollCell(this, ACol, ARow, ScrollPosition, ScrollMin, ScrollMax);
}

bool TProStringGrid::CanShowFixedDropDown(int ACol)
{
    bool canShow = true;
    if (OnCanShowFixedDropDown)
        OnCanShowFixedDropDown(this, ACol, canShow);
    return canShow;
}

QString TProStringGrid::GetVersionString() { return QStringLiteral("6.2.1.3 Sep, 2012"); }
