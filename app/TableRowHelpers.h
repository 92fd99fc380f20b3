#pragma once
// The row commands the table editors share, on a column grid whose column
// 0 holds the row numbers and whose row 0 is the header: insert, delete,
// copy and paste of a whole row through the one-row clipboard
// Row_Clipboard_SL, Enter as "next field" and a header double-click that
// fits the column. Cells are addressed by real column, so hidden columns
// move with their rows; column 0 is never touched.
#include <QChar>
#include <QList>
#include <QStringList>

class TObject;
class TProColumnGrid;

// Opens an empty row at ARow; the last row's texts are lost. Note: on a
// table whose last row holds data nothing changes and an error box says
// the table is full; the result is then false.
bool Grid_Insert_Row(int ARow, TProColumnGrid* Grid);
// Removes row ARow; the rows below move up and the last row is emptied.
void Grid_Delete_Row(int ARow, TProColumnGrid* Grid);
// Puts the texts of columns 1 on of row ARow into Row_Clipboard_SL.
void Grid_Copy_Row(TProColumnGrid* Grid, int ARow);
// Writes Row_Clipboard_SL into row ARow: refused (text 1702) unless
// Copy_Valid, refused (text 1701) unless the clipboard fits the table;
// a row holding data is overwritten only after a Yes to text 1700.
void Grid_Paste_Row(TProColumnGrid* Grid, int ARow, bool Copy_Valid);
// With Opt_Jump_Field_Tables, Enter moves to the next shown column, or
// to column 1 of the next row (from the last row back to row 1), and Key
// becomes 0.
void Grid_KeyPress_Jump(TObject* Sender, QChar& Key);
// With Opt_Double_Click_Auto_Size, a double-click on a header cell fits
// its column to the content.
void Grid_DblClick_AutoSize(TProColumnGrid* Grid, int ARow, int ACol);

// The texts of a row by real column, column 0 included.
QStringList Grid_Row_Texts(TProColumnGrid* Grid, int ARow);
// The real columns whose editor is the data check box.
QList<int> Grid_Check_Box_Cols(TProColumnGrid* Grid);

