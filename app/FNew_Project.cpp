#include "app/FNew_Project.h"
#include "app/Settings.h"
#include "app/WindowParts.h"
#include "controls/button/LbButton.h"
#include "core/Globals.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/rtl/SysUtils.h"

TFNew_Project* FNew_Project = nullptr;

bool Is_Safe_Conf_Name(const QString& Name)
{
    if (Name.isEmpty() || Name == u"." || Name == u"..")
        return false;
    for (QChar c : Name)
        if (c == u'/' || c == u'\\' || c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    return true;
}

TFNew_Project::TFNew_Project(TComponent* AOwner) : TForm(AOwner)
{
    SetName(QStringLiteral("FNew_Project"));
    FNew_Project = this;
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 331, 162);

    const TTitleBand band = Place_Title_Band(this, this, 331);
    P_Title = band.P_Title;
    L_SW_Code = band.L_SW_Code;
    L_SW_Desc = band.L_SW_Desc;
    Label1 = Place<TLabel>(this, this, "Label1", 16, 58, 300, 16);
    E_New_Proj = Place<TEdit>(this, this, "E_New_Proj", 16, 78, 299, 22);
    E_New_Proj->SetShowHint(true);
    E_New_Proj->OnKeyPress = [this](TObject* Sender, QChar& Key) { E_New_ProjKeyPress(Sender, Key); };
    P_Button = Place<TPanel>(this, this, "P_Button", 0, 118, 331, 44);
    P_Button->SetAlign(alBottom);
    P_Button->SetBevelOuter(bvNone);
    P_Button->SetShowCaption(false);
    Btn_OK = Place_Button(this, P_Button, "Btn_OK", 72, 6, 88, 30);
    Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
    Btn_Cancel = Place_Button(this, P_Button, "Btn_Cancel", 172, 6, 88, 30);
    Btn_Cancel->SetModalResult(mrCancel);

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

TFNew_Project::~TFNew_Project()
{
    if (FNew_Project == this)
        FNew_Project = nullptr;
}

void TFNew_Project::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(331);
    SetClientHeight(162);
    Set_Lang();
}

void TFNew_Project::FormShow(TObject*)
{
    E_New_Proj->SetText(QString());
    if (E_New_Proj->CanFocus())
        E_New_Proj->SetFocus();
}

void TFNew_Project::E_New_ProjKeyPress(TObject*, QChar& Key)
{
    if (Key == QChar(13))
        Btn_OKClick(this);
}

void TFNew_Project::Btn_OKClick(TObject*)
{
    // The name is used as typed, blanks included.
    const QString name = E_New_Proj->Text();
    if (name.isEmpty()) {
        Error_Box(Lang(107));
        return;
    }
    // A separator, "." or ".." would put the folder outside PROJECTS.
    if (!Is_Safe_Conf_Name(name)) {
        Error_Box(Lang(105));
        return;
    }
    const QString dir = Projects_Dir + QChar(u'/') + name;
    if (DirectoryExists(dir)) {
        Error_Box(Lang(106));
        return;
    }
    // The file system's reason tells more than "not valid" here: on Linux a
    // name that passed the check above fails only for the folder's sake.
    if (!CreateDir(dir)) {
        Error_Box(Folder_Error(dir));
        return;
    }
    const QString bin = dir + QStringLiteral("/bin");
    if (!ForceDirectories(bin)) {
        Error_Box(Folder_Error(bin));
        RemoveDir(dir);
        return;
    }
    Conf_Name = name;
    Conf_Dir = Projects_Dir + QChar(u'/') + Conf_Name;
    Set_Files();
    SetModalResult(mrOk);
}

void TFNew_Project::Set_Lang()
{
    SetCaption(Lang(100));
    L_SW_Desc->SetCaption(Lang(101));
    Label1->SetCaption(Lang(102));
    Btn_OK->SetCaption(Lang(103));
    Btn_Cancel->SetCaption(Lang(104));
    E_New_Proj->SetHint(Lang(108));
    Btn_OK->SetHint(Lang(109));
    Btn_Cancel->SetHint(Lang(110));
}
