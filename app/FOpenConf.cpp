#include "app/FOpenConf.h"
#include "app/WindowParts.h"
#include "controls/button/LbButton.h"
#include "core/Globals.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/Panel.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"

TFOpenConf* FOpenConf = nullptr;

TFOpenConf::TFOpenConf(TComponent* AOwner) : TForm(AOwner)
{
    SetName(QStringLiteral("FOpenConf"));
    FOpenConf = this;
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 377, 351);

    const TTitleBand band = Place_Title_Band(this, this, 377);
    P_Title = band.P_Title;
    L_SW_Code = band.L_SW_Code;
    L_SW_Desc = band.L_SW_Desc;
    Label1 = Place<TLabel>(this, this, "Label1", 16, 56, 340, 16);
    ListBox1 = Place<TListBox>(this, this, "ListBox1", 16, 76, 345, 219);
    ListBox1->SetAnchors(TAnchors{akLeft, akTop, akRight, akBottom});
    ListBox1->SetShowHint(true);
    ListBox1->OnClick = [this](TObject* Sender) { ListBox1Click(Sender); };
    P_Button = Place<TPanel>(this, this, "P_Button", 0, 303, 377, 48);
    P_Button->SetAlign(alBottom);
    P_Button->SetBevelOuter(bvNone);
    P_Button->SetShowCaption(false);
    Btn_OK = Place_Button(this, P_Button, "Btn_OK", 92, 8, 88, 30);
    Btn_OK->SetModalResult(mrOk);
    Btn_Cancel = Place_Button(this, P_Button, "Btn_Cancel", 196, 8, 88, 30);
    Btn_Cancel->SetModalResult(mrCancel);

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

TFOpenConf::~TFOpenConf()
{
    if (FOpenConf == this)
        FOpenConf = nullptr;
    delete SL;
}

void TFOpenConf::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(377);
    SetClientHeight(351);
    Set_Lang();
}

void TFOpenConf::Load_Existing_Configuration()
{
    delete SL;
    SL = new TStringList;
    TSearchRec rec;
    if (FindFirst(Projects_Dir + QStringLiteral("/*.*"), faDirectory, rec) == 0) {
        do {
            if (rec.Attr & faDirectory)
                SL->Add(rec.Name);
        } while (FindNext(rec) == 0);
    }
    FindClose(rec);
}

int TFOpenConf::Search_Open_Conf(const QString& snc) const
{
    if (!SL)
        return -1;
    for (int i = 0; i < SL->Count(); ++i)
        if (CompareText(SL->Strings(i), snc) == 0)
            return i;
    return -1;
}

void TFOpenConf::FormShow(TObject*)
{
    Load_Existing_Configuration();
    ListBox1->Clear();
    for (int i = 0; i < SL->Count(); ++i)
        ListBox1->Items()->Add(SL->Strings(i));

    const QString prefix = Projects_Dir + QChar(u'/');
    const QString active = Conf_Dir.startsWith(prefix) ? Conf_Dir.mid(prefix.size()) : QString();
    const int found = active.isEmpty() ? -1 : Search_Open_Conf(active);
    const int index = found >= 0 ? found : (SL->Count() > 0 ? 0 : -1);
    if (index >= 0) {
        ListBox1->SetItemIndex(index);
        Name_Conf = ListBox1->Items()->Strings(index);
    } else {
        // Nothing to open: OK must not bring back an earlier choice whose
        // folder is gone.
        Name_Conf.clear();
    }
}

void TFOpenConf::ListBox1Click(TObject*)
{
    const int index = ListBox1->ItemIndex();
    if (index >= 0)
        Name_Conf = ListBox1->Items()->Strings(index);
}

void TFOpenConf::Set_Lang()
{
    SetCaption(Lang(200));
    L_SW_Desc->SetCaption(Lang(201));
    Label1->SetCaption(Lang(202));
    Btn_OK->SetCaption(Lang(203));
    Btn_Cancel->SetCaption(Lang(204));
    ListBox1->SetHint(Lang(205));
    Btn_OK->SetHint(Lang(206));
    Btn_Cancel->SetHint(Lang(207));
}
