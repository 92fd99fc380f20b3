#pragma once
// The engineering-unit chooser: the unit number in E_Selected_EU with its
// name in Label5, and a category list and a unit list from which the
// select button takes a unit. The caller fills E_Selected_EU and Label5
// before showing it and reads E_Selected_EU after OK.
#include "platform/controls/Form.h"

class TPanel;
class TLabel;
class TEdit;
class TComboBox;
class TShape;
class TLbButton;

class TFBACnet_Eng_Unit : public TForm {
public:
    explicit TFBACnet_Eng_Unit(TComponent* AOwner = nullptr);
    ~TFBACnet_Eng_Unit() override;

    void FormCreate(TObject* Sender);
    // Fills the unit list for the category selected (kept between showings).
    void FormShow(TObject* Sender);
    // The selected category's units, the first one selected.
    void CB_Select_TypeSelect(TObject* Sender);
    // The unit selected in the list into E_Selected_EU and Label5; the
    // lists alone change neither.
    void Btn_Select_Eng_UnitClick(TObject* Sender);
    void Set_Lang();

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TLabel* Label1;
    TEdit* E_Selected_EU;
    TLabel* Label5;
    TShape* Shape1;
    TLabel* Label2;
    TLabel* Label3;
    TComboBox* CB_Select_Type;
    TLabel* Label4;
    TComboBox* CB_Select_Unit;
    TLbButton* Btn_Select_Eng_Unit;
    TShape* Shape2;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;
};

extern TFBACnet_Eng_Unit* FBACnet_Eng_Unit;
