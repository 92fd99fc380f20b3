#pragma once
// What the table editors (BACnet objects, MQTT topics) build alike: the
// title band and the row of six buttons, the look of their column grids,
// emptying, loading and reading a table, and the messages of a file read
// in part.
#include "app/WindowParts.h"
#include "core/Table_Rows.h"
#include "platform/graphics/Color.h"
#include <functional>

class TForm;
class TProColumnGrid;

// The title band, 69 high: the software code large and grey, the
// description bold below it.
TTitleBand Place_Editor_Title_Band(TForm* Form, int Width, TColor Colour);

// The bottom panel with Btn_OK, Btn_Cancel (modal result Cancel),
// Btn_DelRow, Btn_InsRow, Btn_CopyRow and Btn_PasteRow, 110 x 28 each;
// only the copy and paste buttons show their hints.
struct TRow_Buttons {
    TPanel* P_Button = nullptr;
    TLbButton* Btn_OK = nullptr;
    TLbButton* Btn_Cancel = nullptr;
    TLbButton* Btn_DelRow = nullptr;
    TLbButton* Btn_InsRow = nullptr;
    TLbButton* Btn_CopyRow = nullptr;
    TLbButton* Btn_PasteRow = nullptr;
};
TRow_Buttons Place_Row_Buttons(TForm* Form, int Width, int Height, TColor Colour);

// The look the editors give their grids: fonts, the fixed row and column,
// the active cell, editing in place, and cells as plain text (EnableHTML
// off, EditWithTags on), so a text such as "Setpoint <Room 1>" stays as
// typed.
void Grid_Table_Look(TProColumnGrid* Grid);
// Rows 1 to Rows with their numbers in column 0 and every other column
// (hidden ones included) empty; the row count becomes Rows + 1.
void Grid_Reset_Rows(TProColumnGrid* Grid, int Rows);
// Rows[i] into row i + 1, columns 1 on.
void Grid_Load_Table(TProColumnGrid* Grid, const TTable_Rows& Rows);
// Rows 1 on as cell texts by real column.
TTable_Rows Grid_Table(TProColumnGrid* Grid);

// Shows what reading a table file said: the warning alone for a file with
// more rows than the table, else the damage with what is shown of the
// file (Kept, for example "objects"). Nothing for "".
void Report_Table_File(const QString& Messages, int Table_Rows, const QString& Kept);
// The row buttons on a grid's current row, after its open in-place
// editor has handed its text to the cell.
// Asks Question followed by the row's number, then deletes the row.
void Ask_Delete_Row(TProColumnGrid* Grid, const QString& Question);
void Insert_Current_Row(TProColumnGrid* Grid);
void Copy_Current_Row(TProColumnGrid* Grid);
void Paste_Current_Row(TProColumnGrid* Grid, bool Copy_Valid);

// OK of a table editor: both grids' open editors hand in their texts,
// then Check (which shows its own failure) and Write. A failed write is
// shown in an error box. True when the file was written.
bool Check_And_Save(TProColumnGrid* First, TProColumnGrid* Second, const std::function<bool()>& Check,
                    const std::function<void()>& Write);
