#include "app/FEnOcean_Variable_SAck.h"
#include "app/EnOceanParts.h"
#include "app/FEnOcean_SetAccess2.h"
#include "app/WindowParts.h"
#include "controls/button/LbButton.h"
#include "core/Catalog_EnOcean.h"
#include "core/EnOcean_Edit.h"
#include "core/Globals.h"
#include "grid/features/ProColumnGrid.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/StringList.h"

TFEnOcean_Variable_SAck* FEnOcean_Variable_SAck = nullptr;

namespace {

constexpr int SAck_Label_Left = 16;
constexpr int Table_Height = 170;

TLabel* Heading(TComponent* Owner, TWinControl* Parent, const char* Name, int Top, const char* Caption)
{
    TLabel* label = Place<TLabel>(Owner, Parent, Name, SAck_Label_Left, Top, 300, 16);
    label->Font()->SetStyle(TFontStyles{fsBold});
    label->SetCaption(QString::fromLatin1(Caption));
    return label;
}

TLabel* Row_Label(TComponent* Owner, TWinControl* Parent, const char* Name, int Top, const char* Caption)
{
    TLabel* label = Place<TLabel>(Owner, Parent, Name, SAck_Label_Left, Top + 3, 80, 16);
    label->SetCaption(QString::fromLatin1(Caption));
    return label;
}

} // namespace

TFEnOcean_Variable_SAck::TFEnOcean_Variable_SAck(TComponent* AOwner) : TForm(AOwner)
{
    SetName(QStringLiteral("FEnOcean_Variable_SAck"));
    FEnOcean_Variable_SAck = this;
    SetPosition(poScreenCenter);
    SetCaption(QStringLiteral("Add EnOcean Variable"));
    SetBounds(0, 0, Client_Width, Client_Height);

    const TTitleBand band = Place_Title_Band(this, this, Client_Width);
    P_Title = band.P_Title;
    L_SW_Code = band.L_SW_Code;
    L_SW_Desc = band.L_SW_Desc;
    L_SW_Desc->SetCaption(QStringLiteral("Add EnOcean Variable"));

    L_EEP = Heading(this, this, "L_EEP", 58, "EEP");
    L_EEP_RORG = Row_Label(this, this, "L_EEP_RORG", 80, "Rorg");
    CB_EEP_Rorg = Row_List("CB_EEP_Rorg", 80);
    L_EEP_FUNC = Row_Label(this, this, "L_EEP_FUNC", 110, "Func");
    CB_EEP_Func = Row_List("CB_EEP_Func", 110);
    L_EEP_TYPE = Row_Label(this, this, "L_EEP_TYPE", 140, "Type");
    CB_EEP_Type = Row_List("CB_EEP_Type", 140);
    L_Vars_IN = Heading(this, this, "L_Vars_IN", 176, "Variables Smart Ack - Case IN");
    L_Var_Case_IN = Row_Label(this, this, "L_Var_Case_IN", 198, "Case");
    CB_Var_Case_IN = Row_List("CB_Var_Case_IN", 198);
    CG_Vars_Case_IN = Make_Table("CG_Vars_Case_IN", 228);
    L_Vars_OUT = Heading(this, this, "L_Vars_OUT", 410, "Variables Smart Ack - Case OUT");
    L_Var_Case_OUT = Row_Label(this, this, "L_Var_Case_OUT", 432, "Case");
    CB_Var_Case_OUT = Row_List("CB_Var_Case_OUT", 432);
    CG_Vars_Case_OUT = Make_Table("CG_Vars_Case_OUT", 462);

    P_Button = Place<TPanel>(this, this, "P_Button", 0, Client_Height - 40, Client_Width, 40);
    P_Button->SetAlign(alBottom);
    P_Button->SetBevelOuter(bvNone);
    P_Button->SetShowCaption(false);
    Btn_OK = Place_Button(this, P_Button, "Btn_OK", 100, 6, 110, 28);
    Btn_OK->SetCaption(QStringLiteral("OK"));
    Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
    Btn_Cancel = Place_Button(this, P_Button, "Btn_Cancel", 250, 6, 110, 28);
    Btn_Cancel->SetCaption(QStringLiteral("Cancel"));
    Btn_Cancel->SetModalResult(mrCancel);

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    OnCanResize = [this](TObject* Sender, int& NewWidth, int& NewHeight, bool& Resize) {
        FormCanResize(Sender, NewWidth, NewHeight, Resize);
    };
}

TFEnOcean_Variable_SAck::~TFEnOcean_Variable_SAck()
{
    if (FEnOcean_Variable_SAck == this)
        FEnOcean_Variable_SAck = nullptr;
}

TComboBox* TFEnOcean_Variable_SAck::Row_List(const char* Name, int Top, int Left)
{
    TComboBox* list = Place<TComboBox>(this, this, Name, Left, Top, Client_Width - Left - 24, 22);
    list->SetStyle(csDropDownList);
    list->OnChange = [this](TObject* Sender) { CB_Change(Sender); };
    return list;
}

TProColumnGrid* TFEnOcean_Variable_SAck::Make_Table(const char* Name, int Top)
{
    auto* grid = new TProColumnGrid(this);
    grid->SetName(QString::fromLatin1(Name));
    grid->SetBounds(SAck_Label_Left, Top, Client_Width - 2 * SAck_Label_Left, Table_Height);
    grid->SetParent(this);
    grid->SetColCount(4);
    grid->SetRowCount(2);
    grid->SetFixedCols(0);
    grid->SetFixedRows(1);
    grid->SetOptions(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing});
    const struct {
        const char* Header;
        int Width;
        TEditorType Editor;
    } columns[] = {{"Variables", 100, edNormal},
                   {"Enable", 45, edDataCheckBox},
                   {"Position", 100, edNormal},
                   {"Bit Start", 64, edComboList}};
    for (int c = 0; c < 4; ++c) {
        TGridColumnItem* item = grid->Columns()->Items(c);
        item->SetHeader(QString::fromLatin1(columns[c].Header));
        item->SetWidth(columns[c].Width);
        item->SetEditor(columns[c].Editor);
    }
    grid->Columns()->Items(1)->SetCheckTrue(QStringLiteral("Y"));
    grid->Columns()->Items(1)->SetCheckFalse(QStringLiteral("N"));
    for (int bit = 0; bit < 8; ++bit)
        grid->Columns()->Items(3)->ComboItems()->Add(QString::number(bit));
    return grid;
}

void TFEnOcean_Variable_SAck::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    Form_Height = Height();
    FChoice = std::make_unique<TEEP_Cascade>(Cat_EnOcean);
    Fill_Combo(CB_EEP_Rorg, FChoice->Rorg_Items());
}

void TFEnOcean_Variable_SAck::FormCanResize(TObject*, int&, int& NewHeight, bool&)
{
    if (Form_Height > 0)
        NewHeight = Form_Height;
}

void TFEnOcean_Variable_SAck::FormShow(TObject*)
{
    FChoice->Choose_Rorg(SAck_Rorg_Index);
    FChoice->Choose_Func(SAck_Func_Index);
    Show_Choice();
    CB_EEP_Rorg->SetEnabled(false);
    CB_EEP_Func->SetEnabled(false);
}

void TFEnOcean_Variable_SAck::Show_Choice()
{
    CB_EEP_Rorg->SetItemIndex(FChoice->Rorg_Index());
    Fill_Combo(CB_EEP_Func, FChoice->Func_Items(), FChoice->Func_Index());
    Fill_Combo(CB_EEP_Type, FChoice->Type_Items(), FChoice->Type_Index());
    Fill_Combo(CB_Var_Case_IN, FChoice->Case_Items());
    Fill_Combo(CB_Var_Case_OUT, FChoice->Case_Items());
    Clear_Table_IN();
    Clear_Table_OUT();
}

const TStringList* TFEnOcean_Variable_SAck::Case_Fields(int Case) const
{
    const TType* type = FChoice->Type();
    if (!type || Case < 0 || Case >= int(type->List_Case.size()))
        return nullptr;
    return type->List_Case[size_t(Case)]->DataField_SL;
}

void TFEnOcean_Variable_SAck::CB_Change(TObject* Sender)
{
    auto* list = static_cast<TComboBox*>(Sender);
    const int index = list->ItemIndex();
    if (Sender == CB_Var_Case_IN) {
        Table_Show_Vars(CG_Vars_Case_IN, Case_Fields(index));
        return;
    }
    if (Sender == CB_Var_Case_OUT) {
        Table_Show_Vars(CG_Vars_Case_OUT, Case_Fields(index));
        return;
    }
    if (Sender == CB_EEP_Rorg)
        FChoice->Choose_Rorg(index);
    else if (Sender == CB_EEP_Func)
        FChoice->Choose_Func(index);
    else if (Sender == CB_EEP_Type)
        FChoice->Choose_Type(index);
    Show_Choice();
}

void TFEnOcean_Variable_SAck::Clear_Table_IN()
{
    CG_Vars_Case_IN->SetRowCount(2);
    for (int c = 0; c < 4; ++c)
        CG_Vars_Case_IN->SetCells(c, 1, QString());
}

void TFEnOcean_Variable_SAck::Clear_Table_OUT()
{
    CG_Vars_Case_OUT->SetRowCount(2);
    for (int c = 0; c < 4; ++c)
        CG_Vars_Case_OUT->SetCells(c, 1, QString());
}

void TFEnOcean_Variable_SAck::Table_Show_Vars(TProColumnGrid* CG, const TStringList* VList)
{
    if (!VList || VList->Count() == 0)
        return;
    CG->SetRowCount(VList->Count() + 1);
    for (int i = 0; i < VList->Count(); ++i) {
        CG->SetCells(0, i + 1, VList->Strings(i));
        CG->SetCells(1, i + 1, QStringLiteral("Y"));
        CG->SetCells(2, i + 1, QString());
        CG->SetCells(3, i + 1, QStringLiteral("0"));
    }
}

bool TFEnOcean_Variable_SAck::Check_Data()
{
    EEP_Index = -1;
    const TType* type = FChoice->Type();
    const int ind_dev = FEnOcean_SetAccess2 ? FEnOcean_SetAccess2->Selected_Device() : -1;
    if (!type || ind_dev < 0) {
        Error_Box(QStringLiteral("Error!! Select a RORG, FUNC and TYPE"));
        return false;
    }
    const TDevice_EnOcean* dev = FEnOcean_SetAccess2->DevList[size_t(ind_dev)];
    for (int i = 0; i < int(dev->SmartACKList.size()); ++i) {
        const TRorFunTyp* eep = dev->SmartACKList[size_t(i)];
        if (eep->FRorgNum == FChoice->Rorg()->Number() && eep->FFuncNum == FChoice->Func()->Number()
            && eep->FTypeNum == type->Number()) {
            EEP_Index = i;
            return true;
        }
    }
    if (dev->EEP_Count() >= 4) {
        Error_Box(Lang(1126));
        return false;
    }
    return true;
}

void TFEnOcean_Variable_SAck::Btn_OKClick(TObject*)
{
    if (Check_Data())
        SetModalResult(mrOk);
}
