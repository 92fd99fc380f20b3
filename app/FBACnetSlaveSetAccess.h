#pragma once
// The BACnet object editor ("BACnet Set Access"): two column grids, the
// objects the BACnet side reads and those it writes, each bound to a
// position in the gateway's data area. Reads "BACnet_Slave.xml" when
// shown, checks both tables on OK and rewrites the file whole.
#include "platform/controls/Form.h"

class TPanel;
class TLabel;
class TPageControl;
class TTabSheet;
class TProColumnGrid;
class TLbButton;
class TXMLDocument;

class TFBACnetSlaveSetAccess : public TForm {
public:
    explicit TFBACnetSlaveSetAccess(TComponent* AOwner = nullptr);
    ~TFBACnetSlaveSetAccess() override;

    void FormCreate(TObject* Sender);
    void Set_Lang();
    // Empties both tables, sizes them from the parameter file (1000 rows
    // with long descriptions, else 2000) and loads the object file. A
    // damaged parameter or object file, or one with more rows than the
    // table, is reported; what was read is shown.
    void FormShow(TObject* Sender);
    // OK: the checks, then the file; a failure keeps the window open.
    void bitbtn1Click(TObject* Sender);
    // The checks in order; the first failure is shown in an error box.
    bool Controllo_dati();
    // Row buttons on the active page's table and its current row.
    void Btn_DelRow_Click(TObject* Sender);
    void Btn_InsRowClick(TObject* Sender);
    void Btn_CopyRowClick(TObject* Sender);
    void Btn_PasteRowClick(TObject* Sender);
    void KeyPress(TObject* Sender, QChar& Key);
    // A click in column 0 selects the row.
    void ClickCell(TObject* Sender, int ARow, int ACol);
    // Eng. Unit: the unit chooser; every column: the header auto-size.
    void CG_BACnet_in_ReadDblClickCell(TObject* Sender, int ARow, int ACol);
    void CG_BACnet_in_WriteDblClickCell(TObject* Sender, int ARow, int ACol);
    // A Data Type chosen in the write table fills its Length.
    void CG_BACnet_in_WriteComboChange(TObject* Sender, int ACol, int ARow, int AItemIndex,
                                       const QString& ASelection);
    void GridHint(TObject* Sender, int ARow, int ACol, QString& hintstr);

    // The grid of the active page.
    TProColumnGrid* Active_Grid() const;

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TPageControl* PageControl1;
    TTabSheet* TS_BACnet_in_Read;
    TTabSheet* TS_BACnet_in_Write;
    TProColumnGrid* CG_BACnet_in_Read;
    TProColumnGrid* CG_BACnet_in_Write;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;
    TLbButton* Btn_DelRow;
    TLbButton* Btn_InsRow;
    TLbButton* Btn_CopyRow;
    TLbButton* Btn_PasteRow;
    TXMLDocument* XML1;

    // The parameter file asks for long (32-character) descriptions.
    bool Desc_Lenght = false;
    // A row was copied from the read (write) table since the last showing.
    bool Do_Copy_Read = false;
    bool Do_Copy_Write = false;
    // Bytes of the read-side and the write-side data area.
    int NByte_IN = 1500;
    int NByte_OUT = 1500;

private:
    TProColumnGrid* Make_Grid(TTabSheet* Page, const char* Name);
    void Eng_Unit_DblClick(TProColumnGrid* Grid, int ARow, int ACol);
};

extern TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess;
