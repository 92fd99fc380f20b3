#pragma once
// The EnOcean editor ("EnOcean Set Access"): the devices of the
// configuration, the EEP tree of the selected device and a table with the
// details of the selected EEP or variable. Devices are edited through the
// device dialog, EEPs and variables through the variable dialog. Reads the
// device file "EnOcean.xml" each time it is shown and rewrites it whole on
// OK; until then every change lives in DevList only.
#include "core/Device_EnOcean.h"
#include "platform/controls/Form.h"

class TPanel;
class TLabel;
class TListBox;
class TSplitter;
class TTreeView;
class TPopupMenu;
class TMenuItem;
class TImageList;
class TLbButton;
class TDeckTabs;
class TDeckTab;
class TProStringGrid;
class TXMLDocument;

class TFEnOcean_SetAccess2 : public TForm {
public:
    static constexpr int Client_Width = 1150;
    static constexpr int Client_Height = 410;

    explicit TFEnOcean_SetAccess2(TComponent* AOwner = nullptr);
    ~TFEnOcean_SetAccess2() override;

    void FormCreate(TObject* Sender);
    // Discards the devices of the last showing and reads the file again. A
    // file read only in part is reported; what was read is shown and OK
    // replaces the file with it.
    void FormShow(TObject* Sender);
    // Saves and closes with OK; a failed save is shown and the window stays.
    void Btn_OKClick(TObject* Sender);
    void Btn_DeviceClick(TObject* Sender);
    void PopUpEnOceanDevice1Click(TObject* Sender);
    void PopUpEEPVariableEnOcean1Click(TObject* Sender);
    // A device chosen by mouse or keyboard: its tree, nothing selected in it.
    void LB_ID_Devices_ListClick(TObject* Sender);
    // Modifies the selected device; adds one when none is selected.
    void LB_ID_Devices_ListDblClick(TObject* Sender);
    void TW_UniSmart_EEPClick(TObject* Sender);
    void CT_Uni_Smart_RemoteActiveTabChanged(TObject* Sender, TDeckTab* ATab);
    void Btn_VariableClick(TObject* Sender);

    // Devices
    // Refills the device list (no selection); the tree and table empty.
    void Show_EnOcean_Device_List();
    void Add_EnOcean_Device();
    void Remove_EnOcean_Device();
    void Modify_EnOcean_Device();

    // EEPs and variables
    void Show_EnOcean_TreeView_Uni_SAck(int Ind_Device);
    // Ind_EEP and Ind_Var from the tree's selection.
    void Find_Selected_EEP_Var();
    void Show_EnOcean_SG_EEP_Var();
    void Add_Uni_EnOcean_Variable();
    void Remove_Uni_EnOcean_Variable();
    void Modify_Uni_EnOcean_Variable();
    void Add_SAck_EnOcean_Variable();
    void Remove_SAck_EnOcean_Variable();
    void Modify_SAck_EnOcean_Variable();

    void Init_Table();
    void Set_Lang();

    // The device file
    // Writes DevList to File_EnOcean; false (and Error, when given, the
    // cause) when it could not be written, the old file then unchanged.
    bool Save_Configuration(QString* Error = nullptr);
    // Appends the devices of File_EnOcean to DevList; returns "" or why the
    // file could not be read whole.
    QString Load_Configuration();
    void Cancel_Devices_List();

    // The selected device's position, -1 without a valid selection.
    int Selected_Device() const;

    TDevice_List DevList;
    int Ind_EEP = -1;
    int Ind_Var = -1;

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;
    TLbButton* Btn_Scan;
    TPanel* P_Devices;
    TLabel* L_ID_Devices_List;
    TListBox* LB_ID_Devices_List;
    TPanel* P_Device_Buttons;
    TLbButton* Btn_Add_Device;
    TLbButton* Btn_Remove_Device;
    TLbButton* Btn_Modify_Device;
    TSplitter* Splitter1;
    TPanel* P_EEP;
    TDeckTabs* CT_Uni_Smart_Remote;
    TPanel* P_Tree;
    TTreeView* TW_UniSmart_EEP;
    TPanel* P_Variable_Buttons;
    TLbButton* Btn_Add_Variable;
    TLbButton* Btn_Remove_Variable;
    TLbButton* Btn_Modify_Variable;
    TSplitter* Splitter2;
    TProStringGrid* SG_EEP_Var;
    TImageList* IL_BtnImage;
    TPopupMenu* PM_Device_EnOcean;
    TPopupMenu* PM_Uni_SAck_EEP_Var;
    TXMLDocument* XML1;

private:
    void Create_Device_Panel();
    void Create_EEP_Panel();
    TMenuItem* Menu_Item(TPopupMenu* Menu, const char* Name, const char* Caption, int Image);
    // The device at Selected_Device(), or nullptr.
    TDevice_EnOcean* Device() const;
    // The EEP list of the active tab: 0 unidirectional, 1 Smart ACK.
    int Active_Kind() const;
    void Clear_Tree_And_Table();
    void Remove_Entry(int Kind, int Text_EEP_Vars, int Text_EEP, int Text_Var);
    void Modify_Entry(int Kind, int Text_Clear);
    void Preset_Variable_Dialog(int Kind, int EEP, int Var);
};

extern TFEnOcean_SetAccess2* FEnOcean_SetAccess2;
