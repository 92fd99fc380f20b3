#include "app/FEnOcean_Variable.h"
#include "app/EnOceanParts.h"
#include "app/FEnOcean_SetAccess2.h"
#include "app/WindowParts.h"
#include "controls/button/LbButton.h"
#include "core/Globals.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/StringList.h"

TFEnOcean_Variable* FEnOcean_Variable = nullptr;

namespace {

constexpr int Variable_Client_Width = 460;
constexpr int Variable_Client_Height = 390;
constexpr int Variable_Label_Left = 16;
constexpr int Variable_Field_Left = 100;
constexpr int Variable_Field_Width = 340;

} // namespace

TFEnOcean_Variable::TFEnOcean_Variable(TComponent* AOwner) : TForm(AOwner)
{
    SetName(QStringLiteral("FEnOcean_Variable"));
    FEnOcean_Variable = this;
    SetBorderStyle(bsSingle);
    SetBorderIcons(TBorderIcons{biSystemMenu});
    SetPosition(poScreenCenter);
    SetBounds(0, 0, Variable_Client_Width, Variable_Client_Height);

    const TTitleBand band = Place_Title_Band(this, this, Variable_Client_Width);
    P_Title = band.P_Title;
    L_SW_Code = band.L_SW_Code;
    L_SW_Desc = band.L_SW_Desc;

    L_EEP = Place<TLabel>(this, this, "L_EEP", Variable_Label_Left, 58, 200, 16);
    L_EEP->Font()->SetStyle(TFontStyles{fsBold});
    L_EEP_RORG = Place<TLabel>(this, this, "L_EEP_RORG", Variable_Label_Left, 83, 80, 16);
    CB_EEP_Rorg = Row_List("CB_EEP_Rorg", 80);
    L_EEP_FUNC = Place<TLabel>(this, this, "L_EEP_FUNC", Variable_Label_Left, 113, 80, 16);
    CB_EEP_Func = Row_List("CB_EEP_Func", 110);
    L_EEP_TYPE = Place<TLabel>(this, this, "L_EEP_TYPE", Variable_Label_Left, 143, 80, 16);
    CB_EEP_Type = Row_List("CB_EEP_Type", 140);
    L_Variable = Place<TLabel>(this, this, "L_Variable", Variable_Label_Left, 176, 200, 16);
    L_Variable->Font()->SetStyle(TFontStyles{fsBold});
    L_Var_CASE = Place<TLabel>(this, this, "L_Var_CASE", Variable_Label_Left, 201, 80, 16);
    CB_Var_Case = Row_List("CB_Var_Case", 198);
    L_Var_Variable = Place<TLabel>(this, this, "L_Var_Variable", Variable_Label_Left, 231, 80, 16);
    CB_Var_Variable = Row_List("CB_Var_Variable", 228);
    L_Var_Position = Place<TLabel>(this, this, "L_Var_Position", Variable_Label_Left, 261, 80, 16);
    E_Var_Position = Place<TEdit>(this, this, "E_Var_Position", Variable_Field_Left, 258, 100, 21);
    L_Var_BitStart = Place<TLabel>(this, this, "L_Var_BitStart", Variable_Label_Left, 291, 80, 16);
    CB_Var_BitStart = Place<TComboBox>(this, this, "CB_Var_BitStart", Variable_Field_Left, 288, 100, 22);
    CB_Var_BitStart->SetStyle(csDropDownList);
    for (int bit = 0; bit < 8; ++bit)
        CB_Var_BitStart->Items()->Add(QString::number(bit));
    CB_Var_BitStart->SetItemIndex(0);

    P_Button = Place<TPanel>(this, this, "P_Button", 0, Variable_Client_Height - 40, Variable_Client_Width, 40);
    P_Button->SetAlign(alBottom);
    P_Button->SetBevelOuter(bvNone);
    P_Button->SetShowCaption(false);
    Btn_OK = Place_Button(this, P_Button, "Btn_OK", 100, 6, 110, 28);
    Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
    Btn_Cancel = Place_Button(this, P_Button, "Btn_Cancel", 250, 6, 110, 28);
    Btn_Cancel->SetModalResult(mrCancel);

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

TFEnOcean_Variable::~TFEnOcean_Variable()
{
    if (FEnOcean_Variable == this)
        FEnOcean_Variable = nullptr;
}

TComboBox* TFEnOcean_Variable::Row_List(const char* Name, int Top)
{
    TComboBox* list = Place<TComboBox>(this, this, Name, Variable_Field_Left, Top, Variable_Field_Width, 22);
    list->SetStyle(csDropDownList);
    list->SetDropDownCount(16);
    list->OnChange = [this](TObject* Sender) { CB_EEP_Var_Change(Sender); };
    return list;
}

void TFEnOcean_Variable::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(Variable_Client_Width);
    SetClientHeight(Variable_Client_Height);
    Set_Lang();
    FChoice = std::make_unique<TEEP_Cascade>(Cat_EnOcean);
    Fill_Combo(CB_EEP_Rorg, FChoice->Rorg_Items(), -1);
}

void TFEnOcean_Variable::Set_Lang()
{
    SetCaption(Lang(1100));
    L_SW_Desc->SetCaption(Lang(1103));
    Btn_OK->SetCaption(Lang(1106));
    Btn_Cancel->SetCaption(Lang(1107));
    Btn_OK->SetHint(Lang(1108));
    Btn_Cancel->SetHint(Lang(1109));
    L_EEP->SetCaption(Lang(1110));
    L_EEP_RORG->SetCaption(Lang(1111));
    CB_EEP_Rorg->SetHint(Lang(1112));
    L_EEP_FUNC->SetCaption(Lang(1113));
    CB_EEP_Func->SetHint(Lang(1114));
    L_EEP_TYPE->SetCaption(Lang(1115));
    CB_EEP_Type->SetHint(Lang(1116));
    L_Variable->SetCaption(Lang(1117));
    L_Var_CASE->SetCaption(Lang(1118));
    CB_Var_Case->SetHint(Lang(1119));
    L_Var_Variable->SetCaption(Lang(1120));
    CB_Var_Variable->SetHint(Lang(1121));
    L_Var_Position->SetCaption(Lang(1122));
    E_Var_Position->SetHint(Lang(1123));
    L_Var_BitStart->SetCaption(Lang(1124));
    CB_Var_BitStart->SetHint(Lang(1125));
}

const TEEP_Cascade& TFEnOcean_Variable::Choice()
{
    Pull_Choice();
    return *FChoice;
}

void TFEnOcean_Variable::Pull_Choice()
{
    FChoice->Position = E_Var_Position->Text();
    FChoice->Bit_Start = std::max(0, CB_Var_BitStart->ItemIndex());
}

void TFEnOcean_Variable::Show_Choice()
{
    CB_EEP_Rorg->SetItemIndex(FChoice->Rorg_Index());
    Fill_Combo(CB_EEP_Func, FChoice->Func_Items(), FChoice->Func_Index());
    Fill_Combo(CB_EEP_Type, FChoice->Type_Items(), FChoice->Type_Index());
    Fill_Combo(CB_Var_Case, FChoice->Case_Items(), FChoice->Case_Index());
    Fill_Combo(CB_Var_Variable, FChoice->Variable_Items(), FChoice->Variable_Index());
    E_Var_Position->SetText(FChoice->Position);
    CB_Var_BitStart->SetItemIndex(FChoice->Bit_Start);
}

void TFEnOcean_Variable::CB_EEP_Var_Change(TObject* Sender)
{
    Pull_Choice();
    auto* list = static_cast<TComboBox*>(Sender);
    const int index = list->ItemIndex();
    if (Sender == CB_EEP_Rorg)
        FChoice->Choose_Rorg(index);
    else if (Sender == CB_EEP_Func)
        FChoice->Choose_Func(index);
    else if (Sender == CB_EEP_Type)
        FChoice->Choose_Type(index);
    else if (Sender == CB_Var_Case)
        FChoice->Choose_Case(index);
    else if (Sender == CB_Var_Variable)
        FChoice->Choose_Variable(index);
    Show_Choice();
}

TDevice_EnOcean* TFEnOcean_Variable::Device() const
{
    if (!FEnOcean_SetAccess2)
        return nullptr;
    const TDevice_List& list = FEnOcean_SetAccess2->DevList;
    return FInd_Dev >= 0 && FInd_Dev < int(list.size()) ? list[size_t(FInd_Dev)] : nullptr;
}

void TFEnOcean_Variable::ShowData_Uni_Add_Var(int Ind_Dev, int Ind_EEP, int Ind_Var)
{
    FInd_Dev = Ind_Dev;
    FInd_EEP = Ind_EEP;
    FInd_Var = Ind_Var;
    TDevice_EnOcean* dev = Device();
    if (!dev || Ind_EEP < 0 || Ind_EEP >= int(dev->UnidirectionalList.size()))
        return;
    const TRorFunTyp* eep = dev->UnidirectionalList[size_t(Ind_EEP)];
    const bool var = Ind_Var >= 0 && Ind_Var < int(eep->VariableList.size());
    FChoice->Preset(*eep, var ? eep->VariableList[size_t(Ind_Var)] : nullptr);
    Show_Choice();
}

void TFEnOcean_Variable::ShowData_SAck_Add_Var(int Ind_Dev, int Ind_EEP, int Ind_Var)
{
    FInd_Dev = Ind_Dev;
    FInd_EEP = Ind_EEP;
    FInd_Var = Ind_Var;
    TDevice_EnOcean* dev = Device();
    if (!dev || Ind_EEP < 0 || Ind_EEP >= int(dev->SmartACKList.size()))
        return;
    const TRorFunTyp* eep = dev->SmartACKList[size_t(Ind_EEP)];
    const bool var = Ind_Var >= 0 && Ind_Var < int(eep->VariableList.size());
    FChoice->Preset_SAck(*eep, var ? eep->VariableList[size_t(Ind_Var)] : nullptr);
    Show_Choice();
}

void TFEnOcean_Variable::FormShow(TObject*)
{
    // The field that had the focus last time may be disabled now; the
    // first enabled one takes the focus when the window opens.
    SetActiveControl(nullptr);
    // An EEP modified last time left the variable lists empty.
    Pull_Choice();
    Show_Choice();
    if (Uni_SAck != 0) {
        if (FChoice->Rorg_Index() != SAck_Rorg_Index || FChoice->Func_Index() != SAck_Func_Index) {
            FChoice->Choose_Rorg(SAck_Rorg_Index);
            FChoice->Choose_Func(SAck_Func_Index);
            Show_Choice();
        }
    }
    CB_EEP_Rorg->SetEnabled(Uni_SAck == 0);
    CB_EEP_Func->SetEnabled(Uni_SAck == 0);
    for (TControl* c : std::initializer_list<TControl*>{CB_EEP_Type, CB_Var_Case, CB_Var_Variable, E_Var_Position,
                                                        CB_Var_BitStart})
        c->SetEnabled(true);
    if (Mode == 0) {
        SetCaption(Lang(1100));
        L_SW_Desc->SetCaption(Lang(1103));
    } else if (Modify_EEP_Var != 0) {
        SetCaption(Lang(1102));
        L_SW_Desc->SetCaption(Lang(1105));
        // The variable's EEP cannot change.
        for (TControl* c : std::initializer_list<TControl*>{CB_EEP_Rorg, CB_EEP_Func, CB_EEP_Type})
            c->SetEnabled(false);
    } else {
        SetCaption(Lang(1101));
        L_SW_Desc->SetCaption(Lang(1104));
        FChoice->Clear_Variable_Part();
        Show_Choice();
        Fill_Combo(CB_Var_Case, nullptr, -1);
        Fill_Combo(CB_Var_Variable, nullptr, -1);
        for (TControl* c : std::initializer_list<TControl*>{CB_Var_Case, CB_Var_Variable, E_Var_Position,
                                                            CB_Var_BitStart})
            c->SetEnabled(false);
    }
}

TVariable_Edit TFEnOcean_Variable::Edit_State() const
{
    TVariable_Edit edit;
    edit.Uni_SAck = Uni_SAck;
    edit.Mode = Mode;
    edit.Modify_EEP_Var = Modify_EEP_Var;
    edit.Ind_EEP = FInd_EEP;
    edit.Ind_Var = FInd_Var;
    return edit;
}

bool TFEnOcean_Variable::Check_Data()
{
    EEP_Index = -1;
    Pull_Choice();
    const TDevice_EnOcean* dev = Device();
    if (!dev)
        return false;
    const QString message = Check_Variable_Choice(*dev, *FChoice, Edit_State(), EEP_Index);
    if (message.isEmpty())
        return true;
    Error_Box(message);
    return false;
}

void TFEnOcean_Variable::Btn_OKClick(TObject*)
{
    if (Check_Data())
        SetModalResult(mrOk);
}
