#include "app/FBACnetSlaveSetAccess.h"
#include "app/FBACnet_Eng_Unit.h"
#include "app/TableEditorParts.h"
#include "app/TableRowHelpers.h"
#include "app/WindowParts.h"
#include "controls/button/LbButton.h"
#include "core/BACnet_Objects.h"
#include "core/Eng_Units.h"
#include "core/Globals.h"
#include "grid/features/ProColumnGrid.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/XmlDocument.h"

TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess = nullptr;

namespace {

constexpr int Client_Width = 764;
constexpr int Client_Height = 337;
constexpr TColor Window_Colour = TColor(0xEDF7F8);
// Rows the tables are reset over at every showing.
constexpr int Reset_Rows = 2000;

struct TColumn_Look {
    int Width;
    TEditorType Editor;
    TColor Colour;
};

const TColumn_Look Columns[BACnet_Col_Count] = {
    {40, edNormal, clWindow},
    {150, edComboList, TColor(0xFEFAE0)},
    {100, edNormal, TColor(0xFEFAE0)},
    {64, edComboList, TColor(0xF4D6FC)},
    {64, edComboList, TColor(0xF4D6FC)},
    {64, edNormal, TColor(0xF4D6FC)},
    {40, edDataCheckBox, TColor(0xA8FFFF)},
    {250, edNormal, clWhite},
};

void Slave_Set_Font(TFont* Font, const char* Name, int Size, bool Bold)
{
    Font->SetName(QString::fromLatin1(Name));
    Font->SetSize(Size);
    Font->SetStyle(Bold ? TFontStyles{fsBold} : TFontStyles{});
}

void Fill_List(TStringList* List, const QStringList& Items)
{
    List->BeginUpdate();
    List->Clear();
    for (const QString& item : Items)
        List->Add(item);
    List->EndUpdate();
}

QStringList Numbers(int Count)
{
    QStringList list;
    list.reserve(Count);
    for (int i = 0; i < Count; ++i)
        list << QString::number(i);
    return list;
}

} // namespace

TFBACnetSlaveSetAccess::TFBACnetSlaveSetAccess(TComponent* AOwner) : TForm(AOwner)
{
    SetName(QStringLiteral("FBACnetSlaveSetAccess"));
    FBACnetSlaveSetAccess = this;
    SetPosition(poScreenCenter);
    SetColor(Window_Colour);
    SetShowHint(true);
    Slave_Set_Font(Font(), "Tahoma", 8, false);
    SetBounds(0, 0, Client_Width, Client_Height);
    XML1 = new TXMLDocument(this);
    XML1->SetName(QStringLiteral("XML1"));

    const TTitleBand band = Place_Editor_Title_Band(this, Client_Width, Window_Colour);
    P_Title = band.P_Title;
    L_SW_Code = band.L_SW_Code;
    L_SW_Desc = band.L_SW_Desc;

    const TRow_Buttons buttons = Place_Row_Buttons(this, Client_Width, Client_Height, Window_Colour);
    P_Button = buttons.P_Button;
    Btn_OK = buttons.Btn_OK;
    Btn_OK->OnClick = [this](TObject* Sender) { bitbtn1Click(Sender); };
    Btn_Cancel = buttons.Btn_Cancel;
    Btn_DelRow = buttons.Btn_DelRow;
    Btn_DelRow->OnClick = [this](TObject* Sender) { Btn_DelRow_Click(Sender); };
    Btn_InsRow = buttons.Btn_InsRow;
    Btn_InsRow->OnClick = [this](TObject* Sender) { Btn_InsRowClick(Sender); };
    Btn_CopyRow = buttons.Btn_CopyRow;
    Btn_CopyRow->OnClick = [this](TObject* Sender) { Btn_CopyRowClick(Sender); };
    Btn_PasteRow = buttons.Btn_PasteRow;
    Btn_PasteRow->OnClick = [this](TObject* Sender) { Btn_PasteRowClick(Sender); };

    PageControl1 = Place<TPageControl>(this, this, "PageControl1", 0, 69, Client_Width, Client_Height - 109);
    PageControl1->SetAlign(alClient);
    TS_BACnet_in_Read = new TTabSheet(this);
    TS_BACnet_in_Read->SetName(QStringLiteral("TS_BACnet_in_Read"));
    TS_BACnet_in_Read->SetPageControl(PageControl1);
    TS_BACnet_in_Write = new TTabSheet(this);
    TS_BACnet_in_Write->SetName(QStringLiteral("TS_BACnet_in_Write"));
    TS_BACnet_in_Write->SetPageControl(PageControl1);
    CG_BACnet_in_Read = Make_Grid(TS_BACnet_in_Read, "CG_BACnet_in_Read");
    CG_BACnet_in_Read->OnDblClickCell = [this](TObject* Sender, int ARow, int ACol) {
        CG_BACnet_in_ReadDblClickCell(Sender, ARow, ACol);
    };
    CG_BACnet_in_Read->OnGridHint = [this](TObject* Sender, int ARow, int ACol, QString& hintstr) {
        GridHint(Sender, ARow, ACol, hintstr);
    };
    CG_BACnet_in_Write = Make_Grid(TS_BACnet_in_Write, "CG_BACnet_in_Write");
    CG_BACnet_in_Write->OnDblClickCell = [this](TObject* Sender, int ARow, int ACol) {
        CG_BACnet_in_WriteDblClickCell(Sender, ARow, ACol);
    };
    CG_BACnet_in_Write->OnComboChange = [this](TObject* Sender, int ACol, int ARow, int AItemIndex,
                                               const QString& ASelection) {
        CG_BACnet_in_WriteComboChange(Sender, ACol, ARow, AItemIndex, ASelection);
    };

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

TFBACnetSlaveSetAccess::~TFBACnetSlaveSetAccess()
{
    if (FBACnetSlaveSetAccess == this)
        FBACnetSlaveSetAccess = nullptr;
}

TProColumnGrid* TFBACnetSlaveSetAccess::Make_Grid(TTabSheet* Page, const char* Name)
{
    auto* grid = Place<TProColumnGrid>(this, Page, Name, 0, 0, Page->ClientWidth(), Page->ClientHeight());
    grid->SetAlign(alClient);
    grid->SetColCount(BACnet_Col_Count);
    grid->SetRowCount(BACnet_Table_Rows(false) + 1);
    Grid_Table_Look(grid);
    for (int c = 0; c < BACnet_Col_Count; ++c) {
        TGridColumnItem* item = grid->Columns()->Items(c);
        item->SetWidth(Columns[c].Width);
        item->SetEditor(Columns[c].Editor);
        item->SetColor(Columns[c].Colour);
        Slave_Set_Font(item->Font(), "Verdana", 8, false);
        Slave_Set_Font(item->HeaderFont(), "Tahoma", 8, c > 0);
        if (c == BACnet_Col_Swap)
            item->SetAlignment(taCenter);
    }
    grid->ColumnItem(BACnet_Col_N)->SetFixed(true);
    grid->ColumnItem(BACnet_Col_Bit)->ComboItems()->AddStrings(Numbers(8));
    grid->OnClickCell = [this](TObject* Sender, int ARow, int ACol) { ClickCell(Sender, ARow, ACol); };
    grid->OnKeyPress = [this](TObject* Sender, QChar& Key) { KeyPress(Sender, Key); };
    return grid;
}

void TFBACnetSlaveSetAccess::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientHeight(Client_Height);
    SetClientWidth(Client_Width);
    CG_BACnet_in_Read->HideColumn(BACnet_Col_Swap);
    CG_BACnet_in_Write->HideColumn(BACnet_Col_Swap);
    Fill_List(CG_BACnet_in_Read->ColumnItem(BACnet_Col_Data_Type)->ComboItems(), BACnet_Read_Types());
    Fill_List(CG_BACnet_in_Write->ColumnItem(BACnet_Col_Data_Type)->ComboItems(), BACnet_Write_Types());
    Set_Lang();
}

void TFBACnetSlaveSetAccess::Set_Lang()
{
    SetCaption(Lang(1900));
    L_SW_Desc->SetCaption(Lang(1901));
    TLbButton* const buttons[] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    for (int i = 0; i < 6; ++i) {
        buttons[i]->SetCaption(Lang(1902 + i));
        buttons[i]->SetHint(Lang(1910 + i));
    }
    TS_BACnet_in_Read->SetCaption(Lang(1908));
    TS_BACnet_in_Write->SetCaption(Lang(1909));
    for (int c = 0; c < BACnet_Col_Count; ++c) {
        CG_BACnet_in_Read->ColumnItem(c)->SetHeader(Lang(1916 + c));
        CG_BACnet_in_Write->ColumnItem(c)->SetHeader(Lang(1924 + c));
    }
}

void TFBACnetSlaveSetAccess::FormShow(TObject*)
{
    TProColumnGrid* const grids[] = {CG_BACnet_in_Read, CG_BACnet_in_Write};
    for (TProColumnGrid* grid : grids)
        Grid_Reset_Rows(grid, Reset_Rows);
    TS_BACnet_in_Read->SetTabVisible(true);
    TS_BACnet_in_Write->SetTabVisible(true);
    PageControl1->SetActivePage(TS_BACnet_in_Write);
    PageControl1->SetActivePage(TS_BACnet_in_Read);

    NByte_IN = BACnet_NByte;
    NByte_OUT = BACnet_NByte;
    Fill_List(CG_BACnet_in_Read->ColumnItem(BACnet_Col_Position)->ComboItems(), Numbers(NByte_IN));
    Fill_List(CG_BACnet_in_Write->ColumnItem(BACnet_Col_Position)->ComboItems(), Numbers(NByte_OUT));

    // A parameter file that cannot be read leaves the default size; the
    // object file is read all the same, so OK cannot drop its objects.
    QString parError;
    Desc_Lenght = Read_Desc_Lenght(XML1, File_ParGen, parError);
    const int rows = BACnet_Table_Rows(Desc_Lenght);
    for (TProColumnGrid* grid : grids)
        grid->SetRowCount(rows + 1);
    if (!parError.isEmpty())
        Error_Box(QStringLiteral("The parameter file could not be read whole:\n%1\n\n"
                                 "The tables take their default size of %2 rows.")
                      .arg(parError)
                      .arg(rows));

    TTable_Rows read, write;
    const QString messages = Read_BACnet_File(XML1, File_BACnet_Slave, rows, read, write);
    Grid_Load_Table(CG_BACnet_in_Read, read);
    Grid_Load_Table(CG_BACnet_in_Write, write);
    Report_Table_File(messages, rows, QStringLiteral("objects"));

    Do_Copy_Read = false;
    Do_Copy_Write = false;
}

bool TFBACnetSlaveSetAccess::Controllo_dati()
{
    const QString error = Check_BACnet_Tables(Grid_Table(CG_BACnet_in_Read), Grid_Table(CG_BACnet_in_Write),
                                              Desc_Lenght);
    if (!error.isEmpty())
        Error_Box(error);
    return error.isEmpty();
}

void TFBACnetSlaveSetAccess::bitbtn1Click(TObject*)
{
    const bool saved = Check_And_Save(
        CG_BACnet_in_Read, CG_BACnet_in_Write, [this] { return Controllo_dati(); },
        [this] {
            Write_BACnet_File(XML1, File_BACnet_Slave, Grid_Table(CG_BACnet_in_Read),
                              Grid_Table(CG_BACnet_in_Write));
        });
    if (saved)
        SetModalResult(mrOk);
}

TProColumnGrid* TFBACnetSlaveSetAccess::Active_Grid() const
{
    return PageControl1->ActivePage() == TS_BACnet_in_Write ? CG_BACnet_in_Write : CG_BACnet_in_Read;
}

void TFBACnetSlaveSetAccess::Btn_DelRow_Click(TObject*)
{
    Ask_Delete_Row(Active_Grid(), Lang(1960));
}

void TFBACnetSlaveSetAccess::Btn_InsRowClick(TObject*)
{
    Insert_Current_Row(Active_Grid());
}

void TFBACnetSlaveSetAccess::Btn_CopyRowClick(TObject*)
{
    Copy_Current_Row(Active_Grid());
    Do_Copy_Read = Active_Grid() == CG_BACnet_in_Read;
    Do_Copy_Write = !Do_Copy_Read;
}

void TFBACnetSlaveSetAccess::Btn_PasteRowClick(TObject*)
{
    Paste_Current_Row(Active_Grid(), Active_Grid() == CG_BACnet_in_Read ? Do_Copy_Read : Do_Copy_Write);
}

void TFBACnetSlaveSetAccess::KeyPress(TObject* Sender, QChar& Key)
{
    Grid_KeyPress_Jump(Sender, Key);
}

void TFBACnetSlaveSetAccess::ClickCell(TObject* Sender, int ARow, int ACol)
{
    if (ACol == 0)
        static_cast<TProColumnGrid*>(Sender)->SelectRows(ARow, 1);
}

void TFBACnetSlaveSetAccess::Eng_Unit_DblClick(TProColumnGrid* Grid, int ARow, int ACol)
{
    if (ACol == BACnet_Col_Eng_Unit && ARow > 0 && FBACnet_Eng_Unit) {
        Grid->HideInplaceEdit();
        const QString text = Grid->AllCells(BACnet_Col_Eng_Unit, ARow);
        FBACnet_Eng_Unit->E_Selected_EU->SetText(text);
        FBACnet_Eng_Unit->Label5->SetCaption(QStringLiteral("-> ") + Desc_Unit(Str_To_Int_Def(text, -1)));
        if (FBACnet_Eng_Unit->ShowModal() == mrOk)
            Grid->SetAllCells(BACnet_Col_Eng_Unit, ARow, FBACnet_Eng_Unit->E_Selected_EU->Text());
    }
    Grid_DblClick_AutoSize(Grid, ARow, ACol);
}

void TFBACnetSlaveSetAccess::CG_BACnet_in_ReadDblClickCell(TObject*, int ARow, int ACol)
{
    Eng_Unit_DblClick(CG_BACnet_in_Read, ARow, ACol);
}

void TFBACnetSlaveSetAccess::CG_BACnet_in_WriteDblClickCell(TObject*, int ARow, int ACol)
{
    Eng_Unit_DblClick(CG_BACnet_in_Write, ARow, ACol);
}

void TFBACnetSlaveSetAccess::CG_BACnet_in_WriteComboChange(TObject*, int ACol, int ARow, int,
                                                           const QString& ASelection)
{
    if (ACol != BACnet_Col_Data_Type)
        return;
    const QString length = Write_Type_Length(ASelection);
    if (!length.isNull())
        CG_BACnet_in_Write->SetAllCells(BACnet_Col_Length, ARow, length);
}

void TFBACnetSlaveSetAccess::GridHint(TObject*, int, int, QString&) {}
