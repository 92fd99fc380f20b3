#pragma once
// The EnOcean variable dialog: an EEP chosen from the catalogue by RORG,
// FUNC and TYPE and, within it, a data field by case and field, with the
// byte position and bit start where the gateway places its value. Used to
// add a variable (and its EEP when the device lacks it), to change an
// EEP's profile and to change a variable.
//
// The lists mirror a TEEP_Cascade: a user's choice refills the lists
// below it; a preset runs the cascade itself and a selection made in code
// does not run it again.
#include "core/EnOcean_Edit.h"
#include "platform/controls/Form.h"
#include <memory>

class TPanel;
class TLabel;
class TEdit;
class TComboBox;
class TLbButton;

class TFEnOcean_Variable : public TForm {
public:
    explicit TFEnOcean_Variable(TComponent* AOwner = nullptr);
    ~TFEnOcean_Variable() override;

    // Fills the RORG list from the catalogue.
    void FormCreate(TObject* Sender);
    // Enables the lists for the mode and sets the captions; modifying an
    // EEP empties and disables the variable part.
    void FormShow(TObject* Sender);
    // Closes with OK when Check_Data passes.
    void Btn_OKClick(TObject* Sender);
    // A user's choice in any of the five catalogue lists.
    void CB_EEP_Var_Change(TObject* Sender);

    // Preset from EEP Ind_EEP (and its variable Ind_Var) of device Ind_Dev's
    // unidirectional list; with Ind_EEP -1 the lists keep their last state.
    // The device is the one the OK check looks at.
    void ShowData_Uni_Add_Var(int Ind_Dev, int Ind_EEP, int Ind_Var);
    // The same for the Smart ACK list, whose RORG and FUNC are fixed.
    void ShowData_SAck_Add_Var(int Ind_Dev, int Ind_EEP, int Ind_Var);

    // The OK check: an incomplete choice, a position that is no integer of
    // 0 or more, a fifth EEP (1126) or a variable its EEP already holds
    // (1127) is shown in an error box and gives false. Sets EEP_Index.
    bool Check_Data();
    void Set_Lang();

    // The choice as shown (position and bit start as typed and picked).
    const TEEP_Cascade& Choice();

    int Uni_SAck = 0;          // 0 unidirectional list, 1 Smart ACK list
    int Mode = 0;              // 0 add, 1 modify
    int Modify_EEP_Var = 0;    // in modify mode: 0 the EEP, 1 a variable
    int EEP_Index = -1;        // set by the OK check

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;

    TLabel* L_EEP;
    TLabel* L_EEP_RORG;
    TComboBox* CB_EEP_Rorg;
    TLabel* L_EEP_FUNC;
    TComboBox* CB_EEP_Func;
    TLabel* L_EEP_TYPE;
    TComboBox* CB_EEP_Type;
    TLabel* L_Variable;
    TLabel* L_Var_CASE;
    TComboBox* CB_Var_Case;
    TLabel* L_Var_Variable;
    TComboBox* CB_Var_Variable;
    TLabel* L_Var_Position;
    TEdit* E_Var_Position;
    TLabel* L_Var_BitStart;
    TComboBox* CB_Var_BitStart;

private:
    TComboBox* Row_List(const char* Name, int Top);
    // Position and bit start from the controls into the choice.
    void Pull_Choice();
    // The lists below the RORG list, their selections, the position and
    // the bit start from the choice.
    void Show_Choice();
    TDevice_EnOcean* Device() const;
    TVariable_Edit Edit_State() const;

    std::unique_ptr<TEEP_Cascade> FChoice;
    int FInd_Dev = -1;
    int FInd_EEP = -1;
    int FInd_Var = -1;
};

extern TFEnOcean_Variable* FEnOcean_Variable;
