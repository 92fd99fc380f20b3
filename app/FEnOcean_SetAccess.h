#pragma once
// The older EnOcean editor: the same device file edited in one window,
// the device fields inline on the "ID & Security" page and the EEPs and
// variables on the "Data Exchange" page. Created at start-up and kept in
// the language refresh; the program opens the newer editor instead.
//
// It keeps no Smart ACK EEPs in the file: the Smart ACK lists are written
// empty and not read.
#include "core/Device_EnOcean.h"
#include "platform/controls/Form.h"
#include <memory>

class TPanel;
class TLabel;
class TEdit;
class TComboBox;
class TListBox;
class TTreeView;
class TLbButton;
class TDeckTabs;
class TDeckTab;
class TXMLDocument;
class TEEP_Cascade;

class TFEnOcean_SetAccess : public TForm {
public:
    static constexpr int Client_Width = 1150;
    static constexpr int Client_Height = 650;

    // The controls of one kind's page on "Data Exchange": the EEP tree and
    // the "EEP" and "Variable" panels.
    struct TEEP_Page {
        TPanel* P_Page = nullptr;
        TTreeView* TW_EEP = nullptr;
        TDeckTabs* CT_EEP_Var = nullptr;
        TPanel* P_EEP = nullptr;
        TLabel* L_EEP_Rorg = nullptr;
        TComboBox* CB_EEP_Rorg = nullptr;
        TLabel* L_EEP_Func = nullptr;
        TComboBox* CB_EEP_Func = nullptr;
        TLabel* L_EEP_Type = nullptr;
        TComboBox* CB_EEP_Type = nullptr;
        TLbButton* Btn_EEP_Add = nullptr;
        TLbButton* Btn_EEP_Modify = nullptr;
        TLbButton* Btn_EEP_Delete = nullptr;
        TPanel* P_Var = nullptr;
        TLabel* L_Var_Case = nullptr;
        TComboBox* CB_Var_Case = nullptr;
        TLabel* L_Var_DataField = nullptr;
        TComboBox* CB_Var_DataField = nullptr;
        TLabel* L_Var_Position = nullptr;
        TEdit* E_Var_Position = nullptr;
        TLabel* L_Var_BitStart = nullptr;
        TComboBox* CB_Var_BitStart = nullptr;
        TLbButton* Btn_Var_Add = nullptr;
        TLbButton* Btn_Var_Modify = nullptr;
        TLbButton* Btn_Var_Delete = nullptr;
    };

    explicit TFEnOcean_SetAccess(TComponent* AOwner = nullptr);
    ~TFEnOcean_SetAccess() override;

    void FormCreate(TObject* Sender);
    // Reads the file again and fills the device list and the RORG list.
    void FormShow(TObject* Sender);
    // Destroys the devices.
    void FormClose(TObject* Sender, TCloseAction& Action);
    // Saves and closes; a failed save is shown and the window stays.
    void Btn_OKClick(TObject* Sender);
    void LB_ID_Devices_ListClick(TObject* Sender);
    void CB_DevEnOcean_SecTypeChange(TObject* Sender);
    void Btn_DeviceClick(TObject* Sender);
    void TW_EEPClick(TObject* Sender);
    void Btn_EEPClick(TObject* Sender);
    void Btn_VarClick(TObject* Sender);
    // A user's choice in the catalogue lists of the unidirectional page.
    void CB_EEP_Var_Change(TObject* Sender);
    void Set_Lang();

    // Devices
    void Show_Device_List();
    void Show_Device_Data();
    // Rows of the security type, and the device buttons below the last.
    void Show_Security_Type();
    // Rebuilds the tree of the active kind for the selected device.
    void Show_EEP_Tree();
    void Find_Selected_EEP_Var();

    // The device file, the Smart ACK lists left out.
    bool Save_Configuration(QString* Error = nullptr);
    QString Load_Configuration();
    void Cancel_Devices_List();

    TDevice_List DevList;
    int Ind_EEP = -1;
    int Ind_Var = -1;

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;
    TLabel* L_ID_Devices_List;
    TListBox* LB_ID_Devices_List;
    TDeckTabs* CT_ID_Data;
    TPanel* P_ID_Security;
    TPanel* P_Data_Exchange;

    TLabel* L_DevEnOcean_ID;
    TEdit* E_DevEnOcean_ID;
    TLabel* L_DevEnOcean_SecType;
    TComboBox* CB_DevEnOcean_SecType;
    TLabel* L_DevEnOcean_Secure_Key;
    TEdit* E_DevEnOcean_Secure_Key;
    TLabel* L_DevEnOcean_Secure_RollCode;
    TEdit* E_DevEnOcean_Secure_RollCode;
    TLabel* L_DevEnOcean_Secure_RollCodeAlg;
    TComboBox* CB_DevEnOcean_Secure_RollCodeAlg;
    TLabel* L_DevEnOcean_Secure_RollCodeTx;
    TComboBox* CB_DevEnOcean_Secure_RollCodeTx;
    TLabel* L_DevEnOcean_Secure_CMACAlg;
    TComboBox* CB_DevEnOcean_Secure_CMACAlg;
    TLabel* L_DevEnOcean_Secure_DataEnc;
    TComboBox* CB_DevEnOcean_Secure_DataEnc;
    TLabel* L_DevEnOcean_Secure_PTM;
    TComboBox* CB_DevEnOcean_Secure_PTM;
    TLbButton* Btn_Add_Device;
    TLbButton* Btn_Modify_Device;
    TLbButton* Btn_Delete_Device;

    TDeckTabs* CT_Uni_Smart_Remote;
    // The unidirectional page works for both kinds; the Smart ACK page's
    // copies have no effect.
    TEEP_Page Uni;
    TEEP_Page SAck;

    TXMLDocument* XML1;

private:
    void Create_Device_Page();
    void Create_Data_Page();
    void Create_EEP_Page(TEEP_Page& Page, const char* Prefix, bool Bound);
    TDeckTabs* Make_Tabs(TWinControl* Parent, const char* Name, std::initializer_list<const char*> Captions);
    void Show_Page(TObject* Sender);
    int Selected_Device() const;
    // 0 unidirectional, 1 Smart ACK, 2 remote.
    int Active_Kind() const;
    // The selected EEP of the active kind, or nullptr.
    TRorFunTyp* Selected_EEP() const;
    void Show_Choice();
    void Select_Node(int EEP, int Var);
    bool Check_EEP();
    bool Check_Var();

    std::unique_ptr<TEEP_Cascade> FChoice;
    std::vector<TControl*> FSecurity_Rows[9];
};

extern TFEnOcean_SetAccess* FEnOcean_SetAccess;
