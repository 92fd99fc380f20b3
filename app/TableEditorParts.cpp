#include "app/TableEditorParts.h"
#include "app/TableRowHelpers.h"
#include "controls/button/LbButton.h"
#include "grid/features/ProColumnGrid.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Form.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Exceptions.h"

namespace {

int Editor_Real_Cols(TProColumnGrid* Grid)
{
    return Grid->ColCount() + Grid->NumHiddenColumns();
}

void Set_Font(TFont* Font, const char* Name, int Size, bool Bold)
{
    Font->SetName(QString::fromLatin1(Name));
    Font->SetSize(Size);
    Font->SetStyle(Bold ? TFontStyles{fsBold} : TFontStyles{});
}

} // namespace

TTitleBand Place_Editor_Title_Band(TForm* Form, int Width, TColor Colour)
{
    TTitleBand band = Place_Title_Band(Form, Form, Width);
    band.P_Title->SetHeight(69);
    band.P_Title->SetColor(Colour);
    Set_Font(band.L_SW_Code->Font(), "Verdana", 24, false);
    band.L_SW_Code->Font()->SetColor(clGray);
    band.L_SW_Code->SetTop(2);
    band.L_SW_Code->SetAutoSize(true);
    Set_Font(band.L_SW_Desc->Font(), "Verdana", 8, true);
    band.L_SW_Desc->Font()->SetColor(clGray);
    band.L_SW_Desc->SetTop(46);
    return band;
}

TRow_Buttons Place_Row_Buttons(TForm* Form, int Width, int Height, TColor Colour)
{
    TRow_Buttons b;
    b.P_Button = Place<TPanel>(Form, Form, "P_Button", 0, Height - 40, Width, 40);
    b.P_Button->SetAlign(alBottom);
    b.P_Button->SetBevelOuter(bvNone);
    b.P_Button->SetShowCaption(false);
    b.P_Button->SetColor(Colour);
    auto button = [&](const char* Name, int Left) {
        TLbButton* btn = Place_Button(Form, b.P_Button, Name, Left, 6, 110, 28);
        btn->SetShowHint(false);
        return btn;
    };
    b.Btn_OK = button("Btn_OK", 16);
    b.Btn_Cancel = button("Btn_Cancel", 134);
    b.Btn_Cancel->SetModalResult(mrCancel);
    b.Btn_DelRow = button("Btn_DelRow", 252);
    b.Btn_InsRow = button("Btn_InsRow", 370);
    b.Btn_CopyRow = button("Btn_CopyRow", 488);
    b.Btn_CopyRow->SetShowHint(true);
    b.Btn_PasteRow = button("Btn_PasteRow", 606);
    b.Btn_PasteRow->SetShowHint(true);
    return b;
}

void Grid_Table_Look(TProColumnGrid* Grid)
{
    Grid->SetEnableHTML(false);
    Grid->SetEditWithTags(true);
    Grid->SetFixedCols(1);
    Grid->SetFixedRows(1);
    Set_Font(Grid->Font(), "Verdana", 8, false);
    Set_Font(Grid->FixedFont(), "Tahoma", 8, true);
    Set_Font(Grid->ActiveCellFont(), "Tahoma", 8, true);
    Grid->SetActiveCellShow(true);
    Grid->SetActiveCellColor(TColor(0xEACAB6));
    Grid->SetDefaultRowHeight(18);
    Grid->SetRowHeights(0, 22);
    Grid->SetColWidths(0, 40);
    Grid->SetOptions(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect,
                                  goColSizing, goEditing});
}

void Grid_Reset_Rows(TProColumnGrid* Grid, int Rows)
{
    Grid->BeginUpdate();
    Grid->SetRowCount(Rows + 1);
    const int cols = Editor_Real_Cols(Grid);
    for (int r = 1; r <= Rows; ++r) {
        Grid->SetAllCells(0, r, QString::number(r));
        for (int c = 1; c < cols; ++c)
            Grid->SetAllCells(c, r, QString());
    }
    Grid->EndUpdate();
}

void Grid_Load_Table(TProColumnGrid* Grid, const TTable_Rows& Rows)
{
    Grid->BeginUpdate();
    const int cols = Editor_Real_Cols(Grid);
    for (size_t i = 0; i < Rows.size() && int(i) + 1 < Grid->RowCount(); ++i)
        for (int c = 1; c < cols; ++c)
            Grid->SetAllCells(c, int(i) + 1, Cell(Rows[i], c));
    Grid->EndUpdate();
}

TTable_Rows Grid_Table(TProColumnGrid* Grid)
{
    TTable_Rows rows;
    rows.reserve(size_t(Grid->RowCount()));
    for (int r = 1; r < Grid->RowCount(); ++r)
        rows.push_back(Grid_Row_Texts(Grid, r));
    return rows;
}

void Report_Table_File(const QString& Messages, int Table_Rows, const QString& Kept)
{
    if (Messages.isEmpty())
        return;
    if (Messages == Too_Many_Rows_Warning(Table_Rows))
        MessageDlg(Messages, mtWarning, TMsgDlgButtons{mbOK});
    else
        Error_Box(Partial_Read_Message(Messages, Kept));
}

void Ask_Delete_Row(TProColumnGrid* Grid, const QString& Question)
{
    Grid->HideInplaceEdit();
    const int row = Grid->Row();
    if (MessageDlg(Question + QString::number(row), mtConfirmation, TMsgDlgButtons{mbYes, mbNo}) == mrYes)
        Grid_Delete_Row(row, Grid);
}

void Insert_Current_Row(TProColumnGrid* Grid)
{
    Grid->HideInplaceEdit();
    Grid_Insert_Row(Grid->Row(), Grid);
}

void Copy_Current_Row(TProColumnGrid* Grid)
{
    Grid->HideInplaceEdit();
    Grid_Copy_Row(Grid, Grid->Row());
}

void Paste_Current_Row(TProColumnGrid* Grid, bool Copy_Valid)
{
    Grid->HideInplaceEdit();
    Grid_Paste_Row(Grid, Grid->Row(), Copy_Valid);
}

bool Check_And_Save(TProColumnGrid* First, TProColumnGrid* Second, const std::function<bool()>& Check,
                    const std::function<void()>& Write)
{
    First->HideInplaceEdit();
    Second->HideInplaceEdit();
    if (!Check())
        return false;
    try {
        Write();
    } catch (const Exception& E) {
        Error_Box(E.Message());
        return false;
    }
    return true;
}
