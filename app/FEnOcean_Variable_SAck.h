#pragma once
// The Smart ACK variable dialog: a Smart ACK EEP (its RORG and FUNC fixed)
// with the data fields of an incoming and an outgoing case in two tables.
// Created at start-up; the Smart ACK page that would open it is hidden.
#include "platform/controls/Form.h"
#include <memory>

class TLabel;
class TComboBox;
class TLbButton;
class TPanel;
class TProColumnGrid;
class TStringList;
class TEEP_Cascade;

class TFEnOcean_Variable_SAck : public TForm {
public:
    static constexpr int Client_Width = 464;
    static constexpr int Client_Height = 694;

    explicit TFEnOcean_Variable_SAck(TComponent* AOwner = nullptr);
    ~TFEnOcean_Variable_SAck() override;

    void FormCreate(TObject* Sender);
    // The RORG and FUNC of Smart ACK EEPs, chosen and locked.
    void FormShow(TObject* Sender);
    // Keeps the height recorded at creation.
    void FormCanResize(TObject* Sender, int& NewWidth, int& NewHeight, bool& Resize);
    void Btn_OKClick(TObject* Sender);
    // A user's choice in the RORG, FUNC, TYPE or case lists.
    void CB_Change(TObject* Sender);
    // A profile new to the selected device that would be its fifth EEP is
    // refused with text 1126. Sets EEP_Index.
    bool Check_Data();
    void Clear_Table_IN();
    void Clear_Table_OUT();
    // One row per entry of VList: the entry, "Y", an empty position and
    // bit start "0". An empty list leaves the table as it is.
    void Table_Show_Vars(TProColumnGrid* CG, const TStringList* VList);
    // Its texts are those of its layout.
    void Set_Lang() {}

    int EEP_Index = -1;
    int Form_Height = 0;

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
    TLabel* L_Vars_IN;
    TLabel* L_Var_Case_IN;
    TComboBox* CB_Var_Case_IN;
    TProColumnGrid* CG_Vars_Case_IN;
    TLabel* L_Vars_OUT;
    TLabel* L_Var_Case_OUT;
    TComboBox* CB_Var_Case_OUT;
    TProColumnGrid* CG_Vars_Case_OUT;

private:
    TComboBox* Row_List(const char* Name, int Top, int Left = 100);
    TProColumnGrid* Make_Table(const char* Name, int Top);
    void Show_Choice();
    const TStringList* Case_Fields(int Case) const;

    std::unique_ptr<TEEP_Cascade> FChoice;
};

extern TFEnOcean_Variable_SAck* FEnOcean_Variable_SAck;
