#include "app/FRodedoruzoFirmWare.h"
#include "app/FBACnetSlaveSetAccess.h"
#include "app/FBACnet_Eng_Unit.h"
#include "app/FNew_Project.h"
#include "app/FOpenConf.h"
#include "app/FParGen.h"
#include "app/FSoftOptions.h"
#include "app/FAbout.h"
#include "app/FBoot.h"
#include "app/FEnOcean_SetAccess.h"
#include "app/FEnOcean_SetAccess2.h"
#include "app/FMQTT_Set_Topic.h"
#include "app/FProfinetFileName.h"
#include "app/Settings.h"
#include "app/VersionCheck.h"
#include "app/WindowParts.h"
#include "controls/button/LbButton.h"
#include "core/BACnet_EDE.h"
#include "core/Catalog_EnOcean.h"
#include "core/ExportDialogs.h"
#include "core/ConfigImage.h"
#include "core/Globals.h"
#include "core/Lang.h"
#include "core/PROFINET_GSDML.h"
#include "platform/controls/Application.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Label.h"
#include "platform/controls/LinkLabel.h"
#include "platform/controls/Shape.h"
#include "platform/controls/Timer.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/XmlDocument.h"
#include "platform/services/HttpClient.h"
#include "platform/services/Process.h"
#include "platform/services/Shell.h"

TFRodedoruzoFirmWare* FRodedoruzoFirmWare = nullptr;

namespace {

constexpr int Step_Button_Width = 170;
constexpr int Step_Button_Height = 36;
constexpr unsigned First_Check_Interval = 60000;
constexpr unsigned Check_Interval = 7200000;
constexpr uint32_t Program_Wait_Limit = 150000;

} // namespace

TFRodedoruzoFirmWare::TFRodedoruzoFirmWare(TComponent* AOwner) : TForm(AOwner)
{
    SetName(QStringLiteral("FRodedoruzoFirmWare"));
    SetBorderStyle(bsSingle);
    SetBorderIcons(TBorderIcons{biSystemMenu, biMinimize});
    SetPosition(poScreenCenter);
    SetColor(clWhite);
    FRodedoruzoFirmWare = this;

    L_SW_Code = Place<TLabel>(this, this, "L_SW_Code", 16, 8, 200, 28);
    L_SW_Code->Font()->SetSize(16);
    L_SW_Code->Font()->SetStyle(TFontStyles{fsBold});
    L_SW_Desc = Place<TLabel>(this, this, "L_SW_Desc", 16, 42, 400, 20);
    L_SW_Desc->Font()->SetSize(10);
    L_Begin = Place<TLabel>(this, this, "L_Begin", 16, 84, 60, 16);
    Shape2 = Place<TShape>(this, this, "Shape2", 80, 70, 424, 36);
    Shape2->Brush()->SetStyle(bsClear);
    Shape2->Pen()->SetColor(clGray);
    L_Name_Conf = Place<TLabel>(this, this, "L_Name_Conf", 87, 75, 410, 14);
    L_Name_Conf_L2 = Place<TLabel>(this, this, "L_Name_Conf_L2", 87, 88, 410, 14);
    L_Name_Conf_L2->Font()->SetStyle(TFontStyles{fsBold});
    // A long name stays inside Shape2, cut with an ellipsis.
    L_Name_Conf_L2->SetAutoSize(false);
    L_Name_Conf_L2->SetBounds(87, 88, 410, 14);
    L_Name_Conf_L2->SetEllipsisPosition(epEndEllipsis);
    for (int n = 0; n < 8; ++n) {
        const QByteArray name = "L_Step_" + QByteArray::number(n + 1);
        L_Step[n] = Place<TLabel>(this, this, name.constData(), 16, 128 + 44 * n, 60, 16);
    }
    Shape1 = Place<TShape>(this, this, "Shape1", 10, 383, 674, 1);
    Shape1->Pen()->SetColor(clGray);
    L_Velmora = Place<TLabel>(this, this, "L_Velmora", 565, 0, 120, 16);
    L_Velmora->SetCursor(crHandPoint);
    L_Velmora->Font()->SetColor(clBlue);
    L_Velmora->Font()->SetStyle(TFontStyles{fsUnderline});
    L_Velmora->SetCaption(QStringLiteral("www.velmora.com"));
    L_Velmora->OnClick = [this](TObject* Sender) { L_VelmoraClick(Sender); };
    LL_Update = Place<TLinkLabel>(this, this, "LL_Update", 208, 19, 300, 18);
    LL_Update->SetVisible(false);
    LL_Update->OnLinkClick = [this](TObject* Sender, const QString& Link, TSysLinkType) {
        LL_UpdateLinkClick(Sender, Link);
    };

    auto button = [this](const char* Name, int Left, int Top, int Width, int Height) {
        TLbButton* b = Place_Button(this, this, Name, Left, Top, Width, Height);
        b->OnClick = [this](TObject* Sender) { Btn_Click(Sender); };
        return b;
    };
    Btn_Info = button("Btn_Info", 516, 8, 50, 50);
    Btn_Info->SetCaption(QStringLiteral("?"));
    Btn_Opz = button("Btn_Opz", 574, 8, 50, 50);
    Btn_Opz->SetCaption(QStringLiteral("..."));
    Btn_Close = button("Btn_Close", 632, 8, 50, 50);
    Btn_Close->SetCaption(QStringLiteral("X"));
    Btn_New = button("Btn_New", 80, 112, Step_Button_Width, Step_Button_Height);
    Btn_Open = button("Btn_Open", 258, 112, Step_Button_Width, Step_Button_Height);
    Btn_Prm_Gen = button("Btn_Prm_Gen", 80, 156, Step_Button_Width, Step_Button_Height);
    Btn_EnOcean_Access = button("Btn_EnOcean_Access", 80, 200, Step_Button_Width, Step_Button_Height);
    Btn_BACnet_SetAccess = button("Btn_BACnet_SetAccess", 80, 244, Step_Button_Width, Step_Button_Height);
    Btn_BACnet_EDE_File = button("Btn_BACnet_EDE_File", 80, 288, Step_Button_Width, Step_Button_Height);
    Btn_CreateBin = button("Btn_CreateBin", 80, 332, Step_Button_Width, Step_Button_Height);
    Btn_MQTT_Set_Topic = button("Btn_MQTT_Set_Topic", 258, 156, Step_Button_Width, Step_Button_Height);
    Btn_MQTT_Set_Topic->SetVisible(false);
    Btn_PROFINET_XML = button("Btn_PROFINET_XML", 258, 288, Step_Button_Width, Step_Button_Height);
    Btn_PROFINET_XML->SetVisible(false);

    Timer_Update = new TTimer(this);
    Timer_Update->SetName(QStringLiteral("Timer_Update"));
    Timer_Update->SetEnabled(false);
    Timer_Update->SetInterval(First_Check_Interval);
    Timer_Update->OnTimer = [this](TObject* Sender) { Timer_UpdateTimer(Sender); };

    SD1 = new TSaveDialog(this);
    SD1->SetName(QStringLiteral("SD1"));
    SD1->SetFilter(QStringLiteral("CSV (MS-DOS) (*.csv)|*.csv"));

    XML1 = new TXMLDocument(this);
    XML1->SetName(QStringLiteral("XML1"));
    HTTP1 = CreateHttpClient();

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnClose = [this](TObject* Sender, TCloseAction& Action) { FormClose(Sender, Action); };
}

TFRodedoruzoFirmWare::~TFRodedoruzoFirmWare()
{
    if (FRodedoruzoFirmWare == this)
        FRodedoruzoFirmWare = nullptr;
}

void TFRodedoruzoFirmWare::Lay_Out()
{
    for (TLabel* label : L_Step)
        label->SetVisible(false);
    for (int n = 0; n < 8; ++n)
        L_Step[n]->SetBounds(16, 128 + 44 * n, L_Step[n]->Width(), L_Step[n]->Height());
    for (int n = 0; n < 6; ++n)
        L_Step[n]->SetVisible(true);
    L_Velmora->SetTop(L_Step[5]->Top());
    Shape1->SetTop(Btn_CreateBin->Top() + 51);
    SetClientWidth(694);
    SetClientHeight(Btn_CreateBin->Top() + 152);
}

void TFRodedoruzoFirmWare::FormCreate(TObject*)
{
    if (Lang_SL)
        Lang_SL->Clear();
    else
        Lang_SL = new TStringList;
    Lay_Out();

    Init_Program_Folders(Program_Dir_Override.isEmpty() ? ExtractFileDir(Application->ExeName())
                                                        : Program_Dir_Override);
    Conf_Name.clear();
    Update_Read_Back = true;
    const QString settingsError = Read_Settings(XML1);
    Update_Timer_State();

    Main_Caption = QStringLiteral("Velmora - Configurator KQ38R12 - EnOcean / BACnet Slave ");
    SW_Code = QStringLiteral("KQ38R12");
    SW_Desc = QStringLiteral("EnOcean / BACnet Slave - Converter");
    SetCaption(Main_Caption);
    L_SW_Code->SetCaption(SW_Code);
    L_SW_Desc->SetCaption(SW_Desc);

    Load_Language();

    const QString last = Projects_Dir + QChar(u'/') + Conf_Name;
    if (!Conf_Name.isEmpty() && DirectoryExists(last))
        Conf_Dir = last;
    else
        Conf_Dir.clear();
    Set_Lang();
    Set_Files();

    if (Row_Clipboard_SL)
        Row_Clipboard_SL->Clear();
    else
        Row_Clipboard_SL = new TStringList;
    // A catalogue that cannot be read stays empty; nothing is reported.
    delete Cat_EnOcean;
    Cat_EnOcean = new TCatalog_EnOcean;
    Cat_EnOcean->Read_Cat_EnOcean_XML(Cat_EnOcean_Dir + QStringLiteral("/eep.xml"));

    if (!settingsError.isEmpty())
        Report_Damaged_Settings(settingsError);
}

void TFRodedoruzoFirmWare::Report_Damaged_Settings(const QString& Reason)
{
    // The copy is made now: the next write replaces the damaged file.
    QString copyError;
    const QString copy = Keep_Settings_Copy(copyError);
    const QString kept = copy.isEmpty()
        ? QStringLiteral("No copy of it could be made: %1. It is replaced when the settings are saved.").arg(copyError)
        : QStringLiteral("A copy of it is kept as \"%1\".").arg(copy);
    Error_Box(QStringLiteral("The settings file could not be read whole:\n%1\n\n"
                             "The settings read before the damage are used, the defaults for the rest. %2")
                  .arg(Reason, kept));
}

void TFRodedoruzoFirmWare::FormClose(TObject*, TCloseAction&)
{
    Save_Setting();
}

void TFRodedoruzoFirmWare::Show_Label_Pair()
{
    if (!Conf_Dir.isEmpty()) {
        L_Name_Conf->SetCaption(Lang(11));
        L_Name_Conf_L2->SetCaption(Conf_Name);
    } else {
        L_Name_Conf->SetCaption(Lang(9));
        L_Name_Conf_L2->SetCaption(Lang(10));
    }
}

void TFRodedoruzoFirmWare::Set_Lang()
{
    L_Begin->SetCaption(Lang(0));
    for (int n = 0; n < 8; ++n)
        L_Step[n]->SetCaption(Lang(1 + n));
    Show_Label_Pair();
    Btn_Info->SetHint(Lang(12));
    Btn_Opz->SetHint(Lang(13));
    Btn_Close->SetHint(Lang(14));
    Btn_New->SetCaption(Lang(15));
    Btn_Open->SetCaption(Lang(16));
    Btn_CreateBin->SetCaption(Lang(17));
    Btn_Prm_Gen->SetCaption(Lang(20));
    Btn_EnOcean_Access->SetCaption(Lang(21));
    Btn_New->SetHint(Lang(22));
    Btn_Open->SetHint(Lang(23));
    Btn_Prm_Gen->SetHint(Lang(24));
    Btn_EnOcean_Access->SetHint(Lang(25));
    Btn_CreateBin->SetHint(Lang(26));
    Btn_MQTT_Set_Topic->SetCaption(Lang(27));
    Btn_MQTT_Set_Topic->SetHint(Lang(28));
    Btn_PROFINET_XML->SetCaption(Lang(29));
    Btn_PROFINET_XML->SetHint(Lang(30));
    Btn_BACnet_SetAccess->SetCaption(Lang(32));
    Btn_BACnet_SetAccess->SetHint(Lang(33));
    Btn_BACnet_EDE_File->SetCaption(Lang(34));
    Btn_BACnet_EDE_File->SetHint(Lang(35));
}

void TFRodedoruzoFirmWare::Set_Files()
{
    ::Set_Files();
}

void TFRodedoruzoFirmWare::Save_Setting()
{
    try {
        Write_Settings(XML1);
    } catch (const Exception& E) {
        Error_Box(E.Message());
    }
}

void TFRodedoruzoFirmWare::Update_Timer_State()
{
    Timer_Update->SetEnabled(Opt_Enable_Internet && Opt_Enable_Update);
}

void TFRodedoruzoFirmWare::Btn_Click(TObject* Sender)
{
    if (Sender == Btn_New) {
        Create_New_Project();
    } else if (Sender == Btn_Open) {
        Open_Project();
    } else if (Sender == Btn_Close) {
        Close();
    } else if (Sender == Btn_Info) {
        if (FAbout)
            FAbout->ShowModal();
    } else if (Sender == Btn_Opz) {
        if (FSoftOptions && FSoftOptions->ShowModal() == mrOk) {
            Save_Setting();
            Update_Timer_State();
        }
    } else if (!Configuration_Present()) {
        Error_Box(Lang(18));
    } else if (Sender == Btn_Prm_Gen) {
        if (FParGen)
            FParGen->ShowModal();
    } else if (Sender == Btn_EnOcean_Access) {
        if (FEnOcean_SetAccess2)
            FEnOcean_SetAccess2->ShowModal();
    } else if (Sender == Btn_MQTT_Set_Topic) {
        if (FMQTT_Set_Topic)
            FMQTT_Set_Topic->ShowModal();
    } else if (Sender == Btn_PROFINET_XML) {
        PROFINET_XML();
    } else if (Sender == Btn_BACnet_SetAccess) {
        if (FBACnetSlaveSetAccess)
            FBACnetSlaveSetAccess->ShowModal();
    } else if (Sender == Btn_BACnet_EDE_File) {
        BACnet_EDE_File();
    } else if (Sender == Btn_CreateBin) {
        Update_Device();
    }
    // The editors' modal results are not looked at.
}

bool TFRodedoruzoFirmWare::Configuration_Present()
{
    if (Conf_Dir.isEmpty())
        return false;
    if (DirectoryExists(Conf_Dir))
        return true;
    // The folder went away while the program ran: no configuration is open
    // any more; the name is kept for the settings, as at start-up.
    Conf_Dir.clear();
    Show_Label_Pair();
    Set_Files();
    return false;
}

void TFRodedoruzoFirmWare::Create_New_Project()
{
    if (FNew_Project && FNew_Project->ShowModal() == mrOk)
        Show_Label_Pair();
}

void TFRodedoruzoFirmWare::Open_Project()
{
    if (!FOpenConf || FOpenConf->ShowModal() != mrOk)
        return;
    Conf_Name = FOpenConf->Name_Conf;
    if (!Conf_Name.isEmpty())
        Conf_Dir = Projects_Dir + QChar(u'/') + Conf_Name;
    else
        Conf_Dir.clear();
    Show_Label_Pair();
    Set_Files();
}

void TFRodedoruzoFirmWare::BACnet_EDE_File()
{
    SD1->SetInitialDir(Conf_Dir);
    if (!SD1->Execute())
        return;
    QString name = SD1->FileName();
    if (name.right(4).toUpper() != u".CSV")
        name += QStringLiteral(".csv");
    if (FileExists(name) && MessageDlg(Lang(31), mtConfirmation, mbYesNoCancel) != mrYes)
        return;
    try {
        Create_EDE_File(name);
    } catch (const std::exception& E) {
        Error_Box(QString::fromUtf8(E.what()));
    }
}

void TFRodedoruzoFirmWare::PROFINET_XML()
{
    if (!FProfinetFileName || FProfinetFileName->ShowModal() != mrOk)
        return;
    On_Export_Save_Dialog = [](TSave_Dialog_Request& Request) {
        TSaveDialog dialog;
        dialog.SetInitialDir(Request.InitialDir);
        dialog.SetFilter(Request.Filter);
        dialog.SetFileName(Request.FileName);
        if (!dialog.Execute())
            return false;
        Request.FileName = dialog.FileName();
        return true;
    };
    On_Export_Confirm = [](const QString& Text) {
        return MessageDlg(Text, mtConfirmation, TMsgDlgButtons{mbYes, mbNo}) == mrYes;
    };
    try {
        Save_GSDML_File(FProfinetFileName->Name_File_XML);
    } catch (const std::exception& E) {
        Error_Box(QString::fromUtf8(E.what()));
    }
}

void TFRodedoruzoFirmWare::Update_Device()
{
    try {
        Build_Config_Image();
        const QString bin = Conf_Dir + QStringLiteral("/bin");
        if (!ForceDirectories(bin)) {
            Error_Box(Folder_Error(bin));
            return;
        }
        Write_Bank_Files();
    } catch (const std::exception& E) {
        Error_Box(QString::fromUtf8(E.what()));
        return;
    }
    if (!FBoot)
        return;
    FBoot->BACnetType = Get_Type_BACnet();
    FBoot->Form_Type = 1;
    FBoot->ShowModal();
}

int TFRodedoruzoFirmWare::Get_Type_BACnet()
{
    if (!FileExists(File_ParGen))
        return 0;
    try {
        XML1->SetActive(true);
        XML1->LoadFromFile(File_ParGen);
        TXMLNode* root = XML1->ChildNodes()->First();
        TXMLNode* type = root ? root->FindChild(QStringLiteral("BACnet_Type")) : nullptr;
        if (!type)
            return 0;
        return StrToIntDef(type->Text(), 0);
    } catch (const Exception&) {
        return 0;
    }
}

void TFRodedoruzoFirmWare::Start_Program(const QString& NomeSW, const QString&, uint8_t)
{
    QString error;
    std::unique_ptr<IProcess> process = ProcessLauncher().Start(NomeSW, ExtractFileDir(NomeSW), &error);
    if (!process) {
        Error_Box(QStringLiteral("The program \"%1\" could not be started: %2").arg(NomeSW, error));
        return;
    }
    // Left running at the limit; dropping it hands it to the reaper.
    process->WaitFor(Program_Wait_Limit);
}

void TFRodedoruzoFirmWare::Timer_UpdateTimer(TObject*)
{
    Timer_Update->SetEnabled(false);
    if (FSoftOptions && FSoftOptions->Check_Version()) {
        LL_Update->SetCaption(Link_Caption(Download_Page_Url(QStringLiteral("ZT38R12")), Lang(19)));
        LL_Update->SetVisible(true);
    } else {
        LL_Update->SetVisible(false);
    }
    Timer_Update->SetInterval(Check_Interval);
    Timer_Update->SetEnabled(true);
}

void TFRodedoruzoFirmWare::LL_UpdateLinkClick(TObject*, const QString& Link)
{
    ShellOpen(Link);
}

void TFRodedoruzoFirmWare::L_VelmoraClick(TObject*)
{
    ShellOpen(Home_Page_Url());
}

void TFRodedoruzoFirmWare::Change_Language()
{
    Set_Lang();
    if (FNew_Project)
        FNew_Project->Set_Lang();
    if (FOpenConf)
        FOpenConf->Set_Lang();
    if (FSoftOptions)
        FSoftOptions->Set_Lang();
    if (FBoot)
        FBoot->Set_Lang();
    if (FParGen)
        FParGen->Set_Lang();
    if (FEnOcean_SetAccess)
        FEnOcean_SetAccess->Set_Lang();
    if (FMQTT_Set_Topic)
        FMQTT_Set_Topic->Set_Lang();
    if (FProfinetFileName)
        FProfinetFileName->Set_Lang();
    if (FBACnetSlaveSetAccess)
        FBACnetSlaveSetAccess->Set_Lang();
    if (FBACnet_Eng_Unit)
        FBACnet_Eng_Unit->Set_Lang();
}
