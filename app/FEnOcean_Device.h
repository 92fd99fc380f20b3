#pragma once
// The EnOcean device dialog: one device's identifier and security
// settings. It holds no device: the editor fills the fields before showing
// it and reads them back after OK. Only the rows the security type needs
// are shown, and the window's height follows them; hidden rows keep their
// values, and all nine are handed back.
#include "platform/controls/Form.h"

class TPanel;
class TLabel;
class TEdit;
class TComboBox;
class TLbButton;

class TFEnOcean_Device : public TForm {
public:
    static constexpr int Client_Width = 380;

    explicit TFEnOcean_Device(TComponent* AOwner = nullptr);
    ~TFEnOcean_Device() override;

    void FormCreate(TObject* Sender);
    // Lays out for the mode and security type and focuses the identifier.
    void FormShow(TObject* Sender);
    // Closes with OK when the identifier passes its check.
    void Btn_OKClick(TObject* Sender);
    void CB_DevEnOcean_SecTypeChange(TObject* Sender);
    // Captions for the mode; visible rows and client height for the
    // security type (185, 216 or 409).
    void Change_Form_Size();
    // The identifier is a number from 0 to 4294967295; otherwise text 1026
    // in an error box and false.
    bool Check_Data_Device();
    void Set_Lang();

    // 0 add, 1 modify; set by the editor before showing.
    int Mode = 0;

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;

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

private:
    TLabel* Row_Label(const char* Name, int Top);
    TEdit* Row_Edit(const char* Name, int Top);
    TComboBox* Row_List(const char* Name, int Top, const QStringList& Items);
};

extern TFEnOcean_Device* FEnOcean_Device;
