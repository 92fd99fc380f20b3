#pragma once
// Reading and writing the table editors' files: a root element holding two
// lists, each with one "row" element per table row whose attributes carry
// the cells of named columns.
#include "core/Table_Rows.h"
#include <vector>

class TXMLDocument;

// One attribute of a row: its column and what a missing one reads as
// (nullptr: the attribute is required).
struct TRow_Attr {
    const char* Name;
    int Col;
    const char* Missing;
};

// One list of the file and the table it fills.
struct TTable_Layout {
    const char* List_Name;
    int Col_Count;
    int Key_Col;                     // the content ends at the first row with this cell blank
    std::vector<TRow_Attr> Attrs;    // in the order written
    std::vector<std::pair<int, const char*>> Loaded;   // cells every loaded row gets, whatever the file holds
};

// Reads both lists into Tables (emptied first), at most Table_Rows rows
// each; column 0 gets the row number. A missing file gives "". Otherwise
// returns "" when the file was read whole, else the messages, one a line:
// damaged XML (with line and column), a missing list, a row lacking a
// required attribute (that row keeps the cells set before; reading ends
// there), and Too_Many_Rows_Warning for lists longer than the table.
QString Read_Table_File(TXMLDocument* XML, const QString& FileName, int Table_Rows,
                        const TTable_Layout* Layouts[2], TTable_Rows* Tables[2]);

// Rewrites FileName whole (atomically): Root, the comment
// "SW_VERSION = 1.000" after it, both lists with the content rows of
// their tables. Raises the platform's file error when it cannot be written.
void Write_Table_File(TXMLDocument* XML, const QString& FileName, const QString& Root,
                      const TTable_Layout* Layouts[2], const TTable_Rows* Tables[2]);
