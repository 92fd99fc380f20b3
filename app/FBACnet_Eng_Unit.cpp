#include "app/FBACnet_Eng_Unit.h"
#include "app/TableEditorParts.h"
#include "app/WindowParts.h"
#include "controls/button/LbButton.h"
#include "core/Eng_Units.h"
#include "core/Globals.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/controls/Shape.h"
#include "platform/graphics/GraphicsObjects.h"

TFBACnet_Eng_Unit* FBACnet_Eng_Unit = nullptr;

namespace {

constexpr int Unit_Client_Width = 548;
constexpr int Unit_Client_Height = 306;
constexpr TColor Unit_Window_Colour = TColor(0xEDF7F8);

} // namespace

TFBACnet_Eng_Unit::TFBACnet_Eng_Unit(TComponent* AOwner) : TForm(AOwner)
{
    SetName(QStringLiteral("FBACnet_Eng_Unit"));
    FBACnet_Eng_Unit = this;
    SetBorderStyle(bsSingle);
    SetBorderIcons(TBorderIcons{biSystemMenu});
    SetPosition(poScreenCenter);
    SetColor(Unit_Window_Colour);
    Font()->SetName(QStringLiteral("Verdana"));
    Font()->SetSize(8);
    SetBounds(0, 0, Unit_Client_Width, Unit_Client_Height);

    const TTitleBand band = Place_Editor_Title_Band(this, Unit_Client_Width, Unit_Window_Colour);
    P_Title = band.P_Title;
    L_SW_Code = band.L_SW_Code;
    L_SW_Desc = band.L_SW_Desc;

    Label1 = Place<TLabel>(this, this, "Label1", 16, 84, 220, 16);
    E_Selected_EU = Place<TEdit>(this, this, "E_Selected_EU", 240, 81, 49, 21);
    Label5 = Place<TLabel>(this, this, "Label5", 298, 84, 240, 16);
    Label5->SetCaption(QStringLiteral("-> unknown"));
    Shape1 = Place<TShape>(this, this, "Shape1", 16, 112, 516, 1);
    Shape1->Pen()->SetColor(clGray);
    Label2 = Place<TLabel>(this, this, "Label2", 16, 122, 400, 16);
    Label2->Font()->SetStyle(TFontStyles{fsBold});
    Label3 = Place<TLabel>(this, this, "Label3", 16, 148, 120, 16);
    CB_Select_Type = Place<TComboBox>(this, this, "CB_Select_Type", 140, 145, 240, 21);
    CB_Select_Type->SetStyle(csOwnerDrawFixed);
    CB_Select_Type->SetDropDownCount(23);
    for (const QString& name : Eng_Unit_Categories())
        CB_Select_Type->Items()->Add(name);
    CB_Select_Type->SetItemIndex(0);
    CB_Select_Type->OnSelect = [this](TObject* Sender) { CB_Select_TypeSelect(Sender); };
    Label4 = Place<TLabel>(this, this, "Label4", 16, 176, 120, 16);
    CB_Select_Unit = Place<TComboBox>(this, this, "CB_Select_Unit", 140, 173, 392, 21);
    CB_Select_Unit->SetStyle(csOwnerDrawFixed);
    CB_Select_Unit->SetDropDownCount(16);
    Btn_Select_Eng_Unit = Place_Button(this, this, "Btn_Select_Eng_Unit", 16, 204, 513, 26);
    Btn_Select_Eng_Unit->OnClick = [this](TObject* Sender) { Btn_Select_Eng_UnitClick(Sender); };
    Shape2 = Place<TShape>(this, this, "Shape2", 16, 240, 516, 1);
    Shape2->Pen()->SetColor(clGray);

    P_Button = Place<TPanel>(this, this, "P_Button", 0, Unit_Client_Height - 48, Unit_Client_Width, 48);
    P_Button->SetAlign(alBottom);
    P_Button->SetBevelOuter(bvNone);
    P_Button->SetShowCaption(false);
    P_Button->SetColor(Unit_Window_Colour);
    Btn_OK = Place_Button(this, P_Button, "Btn_OK", 170, 10, 96, 28);
    Btn_OK->SetModalResult(mrOk);
    Btn_Cancel = Place_Button(this, P_Button, "Btn_Cancel", 282, 10, 96, 28);
    Btn_Cancel->SetModalResult(mrCancel);

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

TFBACnet_Eng_Unit::~TFBACnet_Eng_Unit()
{
    if (FBACnet_Eng_Unit == this)
        FBACnet_Eng_Unit = nullptr;
}

void TFBACnet_Eng_Unit::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientHeight(Unit_Client_Height);
    SetClientWidth(Unit_Client_Width);
    Set_Lang();
}

void TFBACnet_Eng_Unit::Set_Lang()
{
    SetCaption(Lang(2000));
    L_SW_Desc->SetCaption(Lang(2001));
    Btn_OK->SetCaption(Lang(2002));
    Btn_Cancel->SetCaption(Lang(2003));
    Label1->SetCaption(Lang(2004));
    Label2->SetCaption(Lang(2005));
    Label3->SetCaption(Lang(2006));
    Label4->SetCaption(Lang(2007));
    Btn_Select_Eng_Unit->SetCaption(Lang(2008));
}

void TFBACnet_Eng_Unit::FormShow(TObject* Sender)
{
    CB_Select_TypeSelect(Sender);
}

void TFBACnet_Eng_Unit::CB_Select_TypeSelect(TObject*)
{
    CB_Select_Unit->Items()->BeginUpdate();
    CB_Select_Unit->Items()->Clear();
    for (int n : Eng_Unit_Category_Units(CB_Select_Type->ItemIndex()))
        CB_Select_Unit->Items()->Add(Eng_Unit_List_Name(n));
    CB_Select_Unit->Items()->EndUpdate();
    CB_Select_Unit->SetItemIndex(CB_Select_Unit->Items()->Count() > 0 ? 0 : -1);
}

void TFBACnet_Eng_Unit::Btn_Select_Eng_UnitClick(TObject*)
{
    const QList<int> units = Eng_Unit_Category_Units(CB_Select_Type->ItemIndex());
    const int i = CB_Select_Unit->ItemIndex();
    if (i < 0 || i >= units.size())
        return;
    E_Selected_EU->SetText(QString::number(units[i]));
    Label5->SetCaption(QStringLiteral("-> ") + Desc_Unit(units[i]));
}
