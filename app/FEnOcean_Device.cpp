#include "app/FEnOcean_Device.h"
#include "app/WindowParts.h"
#include "controls/button/LbButton.h"
#include "core/EnOcean_Edit.h"
#include "core/Globals.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"

TFEnOcean_Device* FEnOcean_Device = nullptr;

namespace {

constexpr int Label_Left = 16;
constexpr int Field_Left = 160;
constexpr int Field_Width = 201;
constexpr int Edit_Height = 21;
constexpr int List_Height = 22;
// Space below the last visible field: the button panel and a margin.
constexpr int Bottom_Space = 51;

int Bottom(const TControl* Field)
{
    return Field->Top() + Field->Height();
}

} // namespace

TFEnOcean_Device::TFEnOcean_Device(TComponent* AOwner) : TForm(AOwner)
{
    SetName(QStringLiteral("FEnOcean_Device"));
    FEnOcean_Device = this;
    SetBorderStyle(bsSingle);
    SetBorderIcons(TBorderIcons{biSystemMenu});
    SetPosition(poScreenCenter);
    SetBounds(0, 0, Client_Width, 409);

    const TTitleBand band = Place_Title_Band(this, this, Client_Width);
    P_Title = band.P_Title;
    L_SW_Code = band.L_SW_Code;
    L_SW_Desc = band.L_SW_Desc;

    L_DevEnOcean_ID = Row_Label("L_DevEnOcean_ID", 72);
    E_DevEnOcean_ID = Row_Edit("E_DevEnOcean_ID", 72);
    L_DevEnOcean_SecType = Row_Label("L_DevEnOcean_SecType", 112);
    CB_DevEnOcean_SecType = Row_List("CB_DevEnOcean_SecType", 112,
                                     {"Unsecure", "Secure Pre Shared Key", "Secure with Manual Setting"});
    CB_DevEnOcean_SecType->OnChange = [this](TObject* Sender) { CB_DevEnOcean_SecTypeChange(Sender); };
    L_DevEnOcean_Secure_Key = Row_Label("L_DevEnOcean_Secure_Key", 144);
    E_DevEnOcean_Secure_Key = Row_Edit("E_DevEnOcean_Secure_Key", 144);
    E_DevEnOcean_Secure_Key->SetMaxLength(16);
    L_DevEnOcean_Secure_RollCode = Row_Label("L_DevEnOcean_Secure_RollCode", 176);
    E_DevEnOcean_Secure_RollCode = Row_Edit("E_DevEnOcean_Secure_RollCode", 176);
    E_DevEnOcean_Secure_RollCode->SetMaxLength(16);
    L_DevEnOcean_Secure_RollCodeAlg = Row_Label("L_DevEnOcean_Secure_RollCodeAlg", 208);
    CB_DevEnOcean_Secure_RollCodeAlg =
        Row_List("CB_DevEnOcean_Secure_RollCodeAlg", 208, {"No RLC algorithm", "16-bit", "24-bit"});
    L_DevEnOcean_Secure_RollCodeTx = Row_Label("L_DevEnOcean_Secure_RollCodeTx", 240);
    CB_DevEnOcean_Secure_RollCodeTx = Row_List("CB_DevEnOcean_Secure_RollCodeTx", 240, {"No", "Yes"});
    L_DevEnOcean_Secure_CMACAlg = Row_Label("L_DevEnOcean_Secure_CMACAlg", 272);
    CB_DevEnOcean_Secure_CMACAlg =
        Row_List("CB_DevEnOcean_Secure_CMACAlg", 272, {"No MAC", "AES128 - 3 bytes", "AES128 - 4 bytes"});
    L_DevEnOcean_Secure_DataEnc = Row_Label("L_DevEnOcean_Secure_DataEnc", 304);
    CB_DevEnOcean_Secure_DataEnc = Row_List("CB_DevEnOcean_Secure_DataEnc", 304,
                                            {"No data encryption", "VAES - AES128", "AES - CBC - AES128"});
    L_DevEnOcean_Secure_PTM = Row_Label("L_DevEnOcean_Secure_PTM", 336);
    CB_DevEnOcean_Secure_PTM = Row_List("CB_DevEnOcean_Secure_PTM", 336, {"No PTM", "PTM"});

    P_Button = Place<TPanel>(this, this, "P_Button", 0, 369, Client_Width, 40);
    P_Button->SetAlign(alBottom);
    P_Button->SetBevelOuter(bvNone);
    P_Button->SetShowCaption(false);
    Btn_OK = Place_Button(this, P_Button, "Btn_OK", 60, 6, 110, 28);
    Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
    Btn_Cancel = Place_Button(this, P_Button, "Btn_Cancel", 210, 6, 110, 28);
    Btn_Cancel->SetModalResult(mrCancel);

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

TFEnOcean_Device::~TFEnOcean_Device()
{
    if (FEnOcean_Device == this)
        FEnOcean_Device = nullptr;
}

TLabel* TFEnOcean_Device::Row_Label(const char* Name, int Top)
{
    return Place<TLabel>(this, this, Name, Label_Left, Top + 3, Field_Left - Label_Left - 4, 16);
}

TEdit* TFEnOcean_Device::Row_Edit(const char* Name, int Top)
{
    return Place<TEdit>(this, this, Name, Field_Left, Top, Field_Width, Edit_Height);
}

TComboBox* TFEnOcean_Device::Row_List(const char* Name, int Top, const QStringList& Items)
{
    TComboBox* list = Place<TComboBox>(this, this, Name, Field_Left, Top, Field_Width, List_Height);
    list->SetStyle(csDropDownList);
    for (const QString& item : Items)
        list->Items()->Add(item);
    list->SetItemIndex(0);
    return list;
}

void TFEnOcean_Device::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(Client_Width);
    Set_Lang();
}

void TFEnOcean_Device::FormShow(TObject*)
{
    // The field that had the focus last time may be hidden now; the first
    // field takes the focus when the window opens.
    SetActiveControl(nullptr);
    Change_Form_Size();
    if (E_DevEnOcean_ID->CanFocus())
        E_DevEnOcean_ID->SetFocus();
}

void TFEnOcean_Device::CB_DevEnOcean_SecTypeChange(TObject*)
{
    Change_Form_Size();
}

void TFEnOcean_Device::Change_Form_Size()
{
    SetCaption(Lang(Mode == 0 ? 1000 : 1001));
    L_SW_Desc->SetCaption(Lang(Mode == 0 ? 1002 : 1003));

    const int type = CB_DevEnOcean_SecType->ItemIndex();
    const bool key = type == 1 || type == 2;
    const bool manual = type == 2;
    L_DevEnOcean_Secure_Key->SetVisible(key);
    E_DevEnOcean_Secure_Key->SetVisible(key);
    for (TControl* c : {(TControl*)L_DevEnOcean_Secure_RollCode, (TControl*)E_DevEnOcean_Secure_RollCode,
                        (TControl*)L_DevEnOcean_Secure_RollCodeAlg, (TControl*)CB_DevEnOcean_Secure_RollCodeAlg,
                        (TControl*)L_DevEnOcean_Secure_RollCodeTx, (TControl*)CB_DevEnOcean_Secure_RollCodeTx,
                        (TControl*)L_DevEnOcean_Secure_CMACAlg, (TControl*)CB_DevEnOcean_Secure_CMACAlg,
                        (TControl*)L_DevEnOcean_Secure_DataEnc, (TControl*)CB_DevEnOcean_Secure_DataEnc,
                        (TControl*)L_DevEnOcean_Secure_PTM, (TControl*)CB_DevEnOcean_Secure_PTM})
        c->SetVisible(manual);
    const TControl* last = manual ? (TControl*)CB_DevEnOcean_Secure_PTM
                           : key  ? (TControl*)E_DevEnOcean_Secure_Key
                                  : (TControl*)CB_DevEnOcean_SecType;
    SetClientHeight(Bottom(last) + Bottom_Space);
}

bool TFEnOcean_Device::Check_Data_Device()
{
    // The image keeps 32 bits, so 4294967295 is the last identifier; the
    // message keeps the text of the text table.
    if (Check_Device_ID(E_DevEnOcean_ID->Text()))
        return true;
    Error_Box(Lang(1026));
    return false;
}

void TFEnOcean_Device::Btn_OKClick(TObject*)
{
    if (Check_Data_Device())
        SetModalResult(mrOk);
}

void TFEnOcean_Device::Set_Lang()
{
    SetCaption(Lang(1000));
    L_SW_Desc->SetCaption(Lang(1002));
    Btn_OK->SetCaption(Lang(1004));
    Btn_Cancel->SetCaption(Lang(1005));
    Btn_OK->SetHint(Lang(1006));
    Btn_Cancel->SetHint(Lang(1007));
    const std::pair<TLabel*, TControl*> rows[] = {
        {L_DevEnOcean_ID, E_DevEnOcean_ID},
        {L_DevEnOcean_SecType, CB_DevEnOcean_SecType},
        {L_DevEnOcean_Secure_Key, E_DevEnOcean_Secure_Key},
        {L_DevEnOcean_Secure_RollCode, E_DevEnOcean_Secure_RollCode},
        {L_DevEnOcean_Secure_RollCodeAlg, CB_DevEnOcean_Secure_RollCodeAlg},
        {L_DevEnOcean_Secure_RollCodeTx, CB_DevEnOcean_Secure_RollCodeTx},
        {L_DevEnOcean_Secure_CMACAlg, CB_DevEnOcean_Secure_CMACAlg},
        {L_DevEnOcean_Secure_DataEnc, CB_DevEnOcean_Secure_DataEnc},
        {L_DevEnOcean_Secure_PTM, CB_DevEnOcean_Secure_PTM},
    };
    int text = 1008;
    for (const auto& [label, field] : rows) {
        label->SetCaption(Lang(text));
        field->SetHint(Lang(text + 1));
        text += 2;
    }
}
