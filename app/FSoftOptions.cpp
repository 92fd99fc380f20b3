#include "app/FSoftOptions.h"
#include "app/FRodedoruzoFirmWare.h"
#include "app/VersionCheck.h"
#include "app/WindowParts.h"
#include "controls/button/LbButton.h"
#include "core/Globals.h"
#include "core/Lang.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/LinkLabel.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"
#include "platform/services/HttpClient.h"
#include "platform/services/Shell.h"

TFSoftOptions* FSoftOptions = nullptr;

TFSoftOptions::TFSoftOptions(TComponent* AOwner) : TForm(AOwner)
{
    SetName(QStringLiteral("FSoftOptions"));
    FSoftOptions = this;
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 509, 373);

    const TTitleBand band = Place_Title_Band(this, this, 509);
    P_Title = band.P_Title;
    L_SW_Code = band.L_SW_Code;
    L_SW_Desc = band.L_SW_Desc;

    PC_Options = Place<TPageControl>(this, this, "PC_Options", 8, 56, 493, 261);
    auto page = [this](const char* Name) {
        auto* sheet = new TTabSheet(this);
        sheet->SetName(QString::fromLatin1(Name));
        sheet->SetPageControl(PC_Options);
        return sheet;
    };
    TS_Language = page("TS_Language");
    TS_Con_Options = page("TS_Con_Options");
    TS_Soft_Settings = page("TS_Soft_Settings");

    L_Sel_Lang = Place<TLabel>(this, TS_Language, "L_Sel_Lang", 12, 10, 300, 16);
    L_Page_Lang = Place<TLabel>(this, TS_Language, "L_Page_Lang", 380, 10, 90, 16);
    for (int i = 0; i < Slots; ++i) {
        const int x = 24 + 150 * (i % 3);
        const int y = 40 + 76 * (i / 3);
        const QByteArray image = "I_L" + QByteArray::number(i + 1);
        const QByteArray label = "L_L" + QByteArray::number(i + 1);
        I_L[i] = Place<TImage>(this, TS_Language, image.constData(), x, y, 48, 32);
        I_L[i]->SetStretch(true);
        I_L[i]->SetCursor(crHandPoint);
        I_L[i]->OnClick = [this](TObject* Sender) { LangClick(Sender); };
        L_L[i] = Place<TLabel>(this, TS_Language, label.constData(), x, y + 36, 130, 16);
        L_L[i]->SetCursor(crHandPoint);
        L_L[i]->OnClick = [this](TObject* Sender) { LangClick(Sender); };
    }
    Btn_Prev = Place_Button(this, TS_Language, "Btn_Prev", 12, 196, 88, 28);
    Btn_Prev->OnClick = [this](TObject* Sender) { Btn_NextClick(Sender); };
    Btn_Next = Place_Button(this, TS_Language, "Btn_Next", 384, 196, 88, 28);
    Btn_Next->OnClick = [this](TObject* Sender) { Btn_NextClick(Sender); };

    auto box = [this](TWinControl* Parent, const char* Name, int Top) {
        TCheckBox* cb = Place<TCheckBox>(this, Parent, Name, 16, Top, 450, 20);
        cb->OnClick = [this](TObject* Sender) { CB_En_ConClick(Sender); };
        return cb;
    };
    CB_En_Con = box(TS_Con_Options, "CB_En_Con", 16);
    CB_Update = box(TS_Con_Options, "CB_Update", 44);
    Btn_Check_Update = Place_Button(this, TS_Con_Options, "Btn_Check_Update", 16, 80, 180, 30);
    Btn_Check_Update->OnClick = [this](TObject* Sender) { Btn_Check_UpdateClick(Sender); };
    LL_Check_Update = Place<TLinkLabel>(this, TS_Con_Options, "LL_Check_Update", 210, 88, 270, 16);
    LL_Check_Update->OnLinkClick = [this](TObject* Sender, const QString& Link, TSysLinkType) {
        LL_Check_UpdateLinkClick(Sender, Link);
    };
    CB_Soft_Set_Jump_Table = box(TS_Soft_Settings, "CB_Soft_Set_Jump_Table", 16);
    CB_DoubleClick_Auto_Size = box(TS_Soft_Settings, "CB_DoubleClick_Auto_Size", 44);

    P_Button = Place<TPanel>(this, this, "P_Button", 0, 325, 509, 48);
    P_Button->SetAlign(alBottom);
    P_Button->SetBevelOuter(bvNone);
    P_Button->SetShowCaption(false);
    Btn_OK = Place_Button(this, P_Button, "Btn_OK", 158, 8, 88, 30);
    Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
    Btn_Cancel = Place_Button(this, P_Button, "Btn_Cancel", 262, 8, 88, 30);
    Btn_Cancel->SetModalResult(mrCancel);

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

TFSoftOptions::~TFSoftOptions()
{
    if (FSoftOptions == this)
        FSoftOptions = nullptr;
    delete SL_Languages;
}

void TFSoftOptions::FormCreate(TObject*)
{
    if (!SL_Languages)
        SL_Languages = new TStringList;
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(509);
    SetClientHeight(373);
    TS_Con_Options->SetTabVisible(true);
    Set_Lang();
}

void TFSoftOptions::FormShow(TObject*)
{
    Language_In_Use = Language_Name;
    Create_Lang_List();
    Update_CheckBox();
    LL_Check_Update->SetVisible(false);
    PC_Options->SetActivePage(TS_Language);
    CB_En_Con->SetChecked(Opt_Enable_Internet);
    CB_Update->SetChecked(Opt_Enable_Update);
    CB_Soft_Set_Jump_Table->SetChecked(Opt_Jump_Field_Tables);
    CB_DoubleClick_Auto_Size->SetChecked(Opt_Double_Click_Auto_Size);
    Update_CheckBox();
}

void TFSoftOptions::Create_Lang_List()
{
    if (!SL_Languages)
        SL_Languages = new TStringList;
    SL_Languages->Clear();
    TSearchRec rec;
    // Hidden and system files count; read-only files and folders do not.
    if (FindFirst(Language_Dir + QStringLiteral("/*.lng"), faHidden | faSysFile | faArchive | faNormal, rec) == 0) {
        do {
            if (!(rec.Attr & (faReadOnly | faDirectory)))
                SL_Languages->Add(rec.Name);
        } while (FindNext(rec) == 0);
    }
    FindClose(rec);
    SL_Languages->Sort();
    Show_Page = 1;
    Update_Lang_Page(1);
}

int TFSoftOptions::Page_Count() const
{
    return SL_Languages ? (SL_Languages->Count() + Slots - 1) / Slots : 0;
}

void TFSoftOptions::Update_Lang_Page(int Num_Page)
{
    const int pages = Page_Count();
    L_Sel_Lang->SetCaption(Lang(304) + Language_In_Use);
    L_Page_Lang->SetCaption(Lang(305) + IntToStr(Num_Page) + Lang(306) + IntToStr(pages));
    Btn_Prev->SetVisible(Num_Page != 1);
    Btn_Next->SetVisible(Num_Page != pages);

    const int first = Slots * (Num_Page - 1);
    const int shown = qMin(SL_Languages->Count() - first, Slots);
    for (int i = 0; i < Slots; ++i) {
        if (i >= shown) {
            I_L[i]->SetVisible(false);
            L_L[i]->SetVisible(false);
            continue;
        }
        const QString file = SL_Languages->Strings(first + i);
        const QString name = file.left(file.size() - 4);
        L_L[i]->SetCaption(name);
        L_L[i]->SetVisible(true);
        QString flag = Language_Dir + QChar(u'/') + name + QStringLiteral(".bmp");
        if (!FileExists(flag))
            flag = Language_Dir + QStringLiteral("/DefaultFlag.bmp");
        bool loaded = false;
        if (FileExists(flag)) {
            try {
                I_L[i]->Picture()->LoadFromFile(flag);
                loaded = true;
            } catch (const Exception&) {
                // A flag that cannot be read is left out like a missing one.
            }
        }
        I_L[i]->SetVisible(loaded);
    }
}

void TFSoftOptions::Btn_NextClick(TObject* Sender)
{
    if (Sender == Btn_Next && Show_Page + 1 <= Page_Count())
        ++Show_Page;
    else if (Sender == Btn_Prev && Show_Page - 1 > 0)
        --Show_Page;
    Update_Lang_Page(Show_Page);
}

void TFSoftOptions::LangClick(TObject* Sender)
{
    int slot = -1;
    for (int i = 0; i < Slots; ++i)
        if (Sender == I_L[i] || Sender == L_L[i])
            slot = i;
    const int index = Slots * (Show_Page - 1) + slot;
    if (slot < 0 || index >= SL_Languages->Count())
        return;
    const QString file = SL_Languages->Strings(index);
    const QString name = file.left(file.size() - 4);
    const QString question = Lang(316) + Language_In_Use + Lang(317) + name + Lang(318);
    if (MessageDlg(question, mtConfirmation, mbYesNo) != mrYes)
        return;
    Language_In_Use = name;
    // The texts switch now; the saved language only on OK.
    const QString saved = Language_Name;
    Language_Name = name;
    Load_Language();
    Language_Name = saved;
    if (FRodedoruzoFirmWare)
        FRodedoruzoFirmWare->Change_Language();
    L_Sel_Lang->SetCaption(Lang(304) + Language_In_Use);
}

void TFSoftOptions::CB_En_ConClick(TObject*)
{
    Update_CheckBox();
}

void TFSoftOptions::Update_CheckBox()
{
    CB_Update->SetEnabled(CB_En_Con->Checked());
    Btn_Check_Update->SetEnabled(CB_Update->Enabled() && CB_Update->Checked());
}

bool TFSoftOptions::Check_Version()
{
    if (FRodedoruzoFirmWare && FRodedoruzoFirmWare->HTTP1)
        return ::Check_Version(*FRodedoruzoFirmWare->HTTP1);
    std::unique_ptr<IHttpClient> client = CreateHttpClient();
    return ::Check_Version(*client);
}

int TFSoftOptions::Conv_Version(const QString& Ver_str)
{
    return ::Conv_Version(Ver_str);
}

void TFSoftOptions::Btn_Check_UpdateClick(TObject*)
{
    if (Check_Version())
        LL_Check_Update->SetCaption(Link_Caption(Download_Page_Url(QStringLiteral("ZT38XYZ")), Lang(314)));
    else
        LL_Check_Update->SetCaption(Lang(315));
    LL_Check_Update->SetVisible(true);
}

void TFSoftOptions::LL_Check_UpdateLinkClick(TObject*, const QString& Link)
{
    ShellOpen(Link);
}

void TFSoftOptions::Btn_OKClick(TObject*)
{
    Language_Name = Language_In_Use;
    Opt_Enable_Internet = CB_En_Con->Checked();
    // The mark counts also while the box is disabled.
    Opt_Enable_Update = CB_Update->Checked();
    if (FRodedoruzoFirmWare)
        FRodedoruzoFirmWare->Update_Timer_State();
    Opt_Jump_Field_Tables = CB_Soft_Set_Jump_Table->Checked();
    Opt_Double_Click_Auto_Size = CB_DoubleClick_Auto_Size->Checked();
    SetModalResult(mrOk);
}

void TFSoftOptions::Set_Lang()
{
    SetCaption(Lang(300));
    L_SW_Desc->SetCaption(Lang(301));
    TS_Language->SetCaption(Lang(302));
    TS_Con_Options->SetCaption(Lang(303));
    L_Sel_Lang->SetCaption(Lang(304));
    L_Page_Lang->SetCaption(Lang(305) + QStringLiteral("1") + Lang(306) + QStringLiteral("1"));
    Btn_Prev->SetCaption(Lang(307));
    Btn_Next->SetCaption(Lang(308));
    CB_En_Con->SetCaption(Lang(309));
    CB_Update->SetCaption(Lang(310));
    Btn_Check_Update->SetCaption(Lang(311));
    Btn_OK->SetCaption(Lang(312));
    Btn_Cancel->SetCaption(Lang(313));
    TS_Soft_Settings->SetCaption(Lang(319));
    CB_Soft_Set_Jump_Table->SetCaption(Lang(320));
    CB_DoubleClick_Auto_Size->SetCaption(Lang(321));
}
