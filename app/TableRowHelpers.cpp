#include "app/TableRowHelpers.h"
#include "app/WindowParts.h"
#include "core/Globals.h"
#include "core/Table_Rows.h"
#include "grid/features/ProColumnGrid.h"
#include "platform/controls/Dialogs.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"

namespace {

// All real columns, hidden ones included.
int Real_Cols(TProColumnGrid* Grid)
{
    return Grid->ColCount() + Grid->NumHiddenColumns();
}

void Copy_Row(TProColumnGrid* Grid, int From, int To)
{
    for (int c = 1; c < Real_Cols(Grid); ++c)
        Grid->SetAllCells(c, To, Grid->AllCells(c, From));
}

void Empty_Row(TProColumnGrid* Grid, int ARow)
{
    for (int c = 1; c < Real_Cols(Grid); ++c)
        Grid->SetAllCells(c, ARow, QString());
}

} // namespace

QStringList Grid_Row_Texts(TProColumnGrid* Grid, int ARow)
{
    QStringList texts;
    for (int c = 0; c < Real_Cols(Grid); ++c)
        texts << Grid->AllCells(c, ARow);
    return texts;
}

QList<int> Grid_Check_Box_Cols(TProColumnGrid* Grid)
{
    QList<int> cols;
    for (int c = 1; c < Real_Cols(Grid); ++c) {
        TGridColumnItem* item = Grid->ColumnItem(c);
        if (item && item->Editor() == edDataCheckBox)
            cols << c;
    }
    return cols;
}

bool Grid_Insert_Row(int ARow, TProColumnGrid* Grid)
{
    const int last = Grid->RowCount() - 1;
    if (ARow < 1 || ARow > last)
        return false;
    // Inserting would push the last row's data out of the table.
    const QString full = Full_Table_Error(Grid_Row_Texts(Grid, last), Grid_Check_Box_Cols(Grid));
    if (!full.isEmpty()) {
        Error_Box(full);
        return false;
    }
    Grid->BeginUpdate();
    for (int r = last - 1; r >= ARow; --r)
        Copy_Row(Grid, r, r + 1);
    Empty_Row(Grid, ARow);
    Grid->EndUpdate();
    return true;
}

void Grid_Delete_Row(int ARow, TProColumnGrid* Grid)
{
    const int last = Grid->RowCount() - 1;
    if (ARow < 1 || ARow > last)
        return;
    Grid->BeginUpdate();
    for (int r = ARow; r < last; ++r)
        Copy_Row(Grid, r + 1, r);
    Empty_Row(Grid, last);
    Grid->EndUpdate();
}

void Grid_Copy_Row(TProColumnGrid* Grid, int ARow)
{
    Row_Clipboard_SL->Clear();
    for (int c = 1; c < Real_Cols(Grid); ++c)
        Row_Clipboard_SL->Add(Grid->AllCells(c, ARow));
}

void Grid_Paste_Row(TProColumnGrid* Grid, int ARow, bool Copy_Valid)
{
    if (!Copy_Valid) {
        Error_Box(Lang(1702));
        return;
    }
    const int cols = Real_Cols(Grid);
    if (!Row_Clipboard_SL || Row_Clipboard_SL->Count() != cols - 1) {
        Error_Box(Lang(1701));
        return;
    }
    if (Row_Holds_Data(Grid_Row_Texts(Grid, ARow), Grid_Check_Box_Cols(Grid))
        && MessageDlg(Lang(1700), mtConfirmation, TMsgDlgButtons{mbYes, mbNo}) != mrYes)
        return;
    Grid->BeginUpdate();
    for (int c = 1; c < cols; ++c)
        Grid->SetAllCells(c, ARow, Row_Clipboard_SL->Strings(c - 1));
    Grid->EndUpdate();
}

void Grid_KeyPress_Jump(TObject* Sender, QChar& Key)
{
    if (!Opt_Jump_Field_Tables || Key != QChar(13))
        return;
    // The grid, or a cell editor on it (the combo editor reports itself).
    auto* Grid = dynamic_cast<TProColumnGrid*>(Sender);
    if (!Grid)
        if (auto* control = dynamic_cast<TControl*>(Sender))
            Grid = dynamic_cast<TProColumnGrid*>(control->Parent());
    if (!Grid)
        return;
    if (Grid->Col() > 0 && Grid->Row() > 0) {
        if (Grid->Col() < Grid->ColCount() - 1) {
            Grid->SetCol(Grid->Col() + 1);
        } else {
            Grid->SetCol(1);
            Grid->SetRow(Grid->Row() < Grid->RowCount() - 1 ? Grid->Row() + 1 : 1);
        }
    }
    Key = QChar();
}

void Grid_DblClick_AutoSize(TProColumnGrid* Grid, int ARow, int ACol)
{
    if (Opt_Double_Click_Auto_Size && ARow == 0)
        Grid->AutoSizeCol(ACol, 0);
}
