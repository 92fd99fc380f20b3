#include "app/FProfinetFileName.h"
#include "app/WindowParts.h"
#include "controls/button/LbButton.h"
#include "core/Globals.h"
#include "core/PROFINET_File_Name.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Clock.h"

TFProfinetFileName* FProfinetFileName = nullptr;

namespace {

constexpr int Profinet_Client_Width = 540;
constexpr int Profinet_Client_Height = 205;

} // namespace

TFProfinetFileName::TFProfinetFileName(TComponent* AOwner) : TForm(AOwner)
{
    SetName(QStringLiteral("FProfinetFileName"));
    FProfinetFileName = this;
    SetBorderStyle(bsSingle);
    SetBorderIcons(TBorderIcons{biSystemMenu});
    SetPosition(poScreenCenter);
    SetShowHint(true);
    Font()->SetName(QStringLiteral("Verdana"));
    Font()->SetSize(8);
    SetBounds(0, 0, Profinet_Client_Width, Profinet_Client_Height);

    const TTitleBand band = Place_Title_Band(this, this, Profinet_Client_Width);
    P_Title = band.P_Title;
    L_SW_Code = band.L_SW_Code;
    L_SW_Desc = band.L_SW_Desc;
    Label1 = Place<TLabel>(this, this, "Label1", 16, 58, 500, 16);
    Label1->Font()->SetStyle(TFontStyles{fsBold});
    Label2 = Place<TLabel>(this, this, "Label2", 8, 86, 90, 16);
    L_XML_Fix1 = Place<TLabel>(this, this, "L_XML_Fix1", 8, 110, 170, 16);
    Label4 = Place<TLabel>(this, this, "Label4", 184, 86, 267, 16);
    E_XML_User = Place<TEdit>(this, this, "E_XML_User", 184, 106, 267, 21);
    E_XML_User->SetShowHint(true);
    Label5 = Place<TLabel>(this, this, "Label5", 458, 86, 80, 16);
    L_XML_Fix2 = Place<TLabel>(this, this, "L_XML_Fix2", 458, 110, 80, 16);

    P_Button = Place<TPanel>(this, this, "P_Button", 0, Profinet_Client_Height - 48, Profinet_Client_Width, 48);
    P_Button->SetAlign(alBottom);
    P_Button->SetBevelOuter(bvNone);
    P_Button->SetShowCaption(false);
    Btn_OK = Place_Button(this, P_Button, "Btn_OK", 168, 8, 96, 30);
    Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
    Btn_Cancel = Place_Button(this, P_Button, "Btn_Cancel", 276, 8, 96, 30);
    Btn_Cancel->SetModalResult(mrCancel);

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

TFProfinetFileName::~TFProfinetFileName()
{
    if (FProfinetFileName == this)
        FProfinetFileName = nullptr;
}

void TFProfinetFileName::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientHeight(Profinet_Client_Height);
    SetClientWidth(Profinet_Client_Width);
    L_XML_Fix1->SetCaption(PROFINET_Name_Fix1());
    L_XML_Fix2->SetCaption(PROFINET_Name_Fix2(Clock().Now()));
    Set_Lang();
}

void TFProfinetFileName::Set_Lang()
{
    SetCaption(Lang(1800));
    L_SW_Desc->SetCaption(Lang(1801));
    Btn_OK->SetCaption(Lang(1802));
    Btn_Cancel->SetCaption(Lang(1803));
    Label1->SetCaption(Lang(1804));
    Label2->SetCaption(Lang(1805));
    Label4->SetCaption(Lang(1806));
    Label5->SetCaption(Lang(1807));
    E_XML_User->SetHint(Lang(1808));
    Btn_OK->SetHint(Lang(1809));
    Btn_Cancel->SetHint(Lang(1810));
}

void TFProfinetFileName::Btn_OKClick(TObject*)
{
    Name_File_XML = PROFINET_File_Name(L_XML_Fix1->Caption(), E_XML_User->Text(), L_XML_Fix2->Caption());
    SetModalResult(mrOk);
}
