#include "app/FBoot.h"
#include "app/FRodedoruzoFirmWare.h"
#include "app/WindowParts.h"
#include "controls/button/LbButton.h"
#include "core/Globals.h"
#include "core/Lang.h"
#include "grid/features/ProColumnGrid.h"
#include "platform/controls/Application.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/XmlDocument.h"
#include "platform/services/IcmpEcho.h"

TFBoot* FBoot = nullptr;

namespace {

constexpr int Window_Width = 449;

TPanel* Place_Panel(TComponent* Owner, TWinControl* Parent, const char* Name, int Top, int Height)
{
    auto* panel = Place<TPanel>(Owner, Parent, Name, 0, Top, Window_Width, Height);
    panel->SetBevelOuter(bvNone);
    panel->SetShowCaption(false);
    return panel;
}

// One operation of the job: what differs between firmware and the banks.
struct TJob_Operation {
    QString FileName;
    const char* Start_Address;
    const char* Bank_Type;
    const char* Write_CSS;
    bool GoToApp_After;
};

void Add_Text(TXMLNode* Parent, const char* Name, const QString& Text)
{
    TXMLNode* node = Parent->AddChild(QString::fromLatin1(Name));
    if (!Text.isEmpty())
        node->SetText(Text);
}

void Add_Text(TXMLNode* Parent, const char* Name, const char* Text)
{
    Add_Text(Parent, Name, QString::fromLatin1(Text));
}

void Add_Operation(TXMLNode* Operations, const TJob_Operation& Op, bool Read_Back)
{
    TXMLNode* o = Operations->AddChild(QStringLiteral("Operation"));
    Add_Text(o, "Ope_Protection_Enabled", "");
    Add_Text(o, "Ope_GoToBoot_Before", "0");
    Add_Text(o, "Ope_GoToApp_Before", "0");
    Add_Text(o, "Ope_IP_Address", "");
    Add_Text(o, "Ope_Port", "2008");
    Add_Text(o, "Ope_Port_Sec", "2007");
    Add_Text(o, "Ope_Erase_Memory", "0");
    Add_Text(o, "Ope_FileName", Op.FileName);
    Add_Text(o, "Ope_Start_Address", Op.Start_Address);
    Add_Text(o, "Ope_Memory_Type", "0");
    Add_Text(o, "Ope_Bank_Type", Op.Bank_Type);
    Add_Text(o, "Ope_Read_Back", Read_Back ? "1" : "0");
    Add_Text(o, "Ope_Write_CSS", Op.Write_CSS);
    Add_Text(o, "Ope_Address_CSS", "0x07A00");
    Add_Text(o, "Ope_Command_CSS", "0x02");
    Add_Text(o, "Ope_Write_Internal_Data", "0");
    Add_Text(o, "Ope_WID_Address", "0x07810");
    Add_Text(o, "Ope_WID_Command", "0x02");
    Add_Text(o, "Ope_WID_Data", "0x00, 0x00, 0x00, 0x01");
    Add_Text(o, "Ope_GoToApp_After", Op.GoToApp_After ? "1" : "0");
}

// Clears FChecking and enables the buttons again however the check ends.
class TCheck_Guard {
public:
    TCheck_Guard(bool& Flag, TControl* A, TControl* B) : FFlag(Flag), FA(A), FB(B)
    {
        FFlag = true;
        FA->SetEnabled(false);
        FB->SetEnabled(false);
    }
    ~TCheck_Guard()
    {
        FFlag = false;
        FA->SetEnabled(true);
        FB->SetEnabled(true);
    }

private:
    bool& FFlag;
    TControl* FA;
    TControl* FB;
};

} // namespace

TFBoot::TFBoot(TComponent* AOwner) : TForm(AOwner)
{
    SetName(QStringLiteral("FBoot"));
    FBoot = this;
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetBounds(0, 0, Window_Width, 300);

    const TTitleBand band = Place_Title_Band(this, this, Window_Width);
    P_Title = band.P_Title;
    L_SW_Code = band.L_SW_Code;
    L_SW_Desc = band.L_SW_Desc;

    P_IP_Address = Place_Panel(this, this, "P_IP_Address", 48, 64);
    L_IP_Address = Place<TLabel>(this, P_IP_Address, "L_IP_Address", 16, 8, 400, 16);
    TEdit** fields[] = {&E_IP1, &E_IP2, &E_IP3, &E_IP4};
    const char* names[] = {"E_IP1", "E_IP2", "E_IP3", "E_IP4"};
    const char* dots[] = {"L_Dot1", "L_Dot2", "L_Dot3"};
    for (int i = 0; i < 4; ++i) {
        TEdit* e = Place<TEdit>(this, P_IP_Address, names[i], 16 + 64 * i, 30, 48, 22);
        e->SetText(QStringLiteral("0"));
        e->SetMaxLength(3);
        e->SetShowHint(true);
        e->SetTabOrder(i);
        e->OnKeyPress = [this](TObject* Sender, QChar& Key) { KeyPress(Sender, Key); };
        *fields[i] = e;
        if (i < 3)
            Place<TLabel>(this, P_IP_Address, dots[i], 68 + 64 * i, 34, 8, 16)->SetCaption(QStringLiteral("."));
    }

    P_Options = Place_Panel(this, this, "P_Options", 112, 64);
    L_Update_Option = Place<TLabel>(this, P_Options, "L_Update_Option", 16, 8, 400, 16);
    CB_Update_Options = Place<TComboBox>(this, P_Options, "CB_Update_Options", 16, 30, 240, 22);
    CB_Update_Options->SetStyle(csDropDownList);
    CB_Update_Options->Items()->AddStrings(
        QStringList({QStringLiteral("Firmware + Configuration"), QStringLiteral("Firmware"), QStringLiteral("Configuration")}));
    CB_Update_Options->SetItemIndex(0);
    CB_Update_Options->SetShowHint(true);
    CB_Update_Option_Read_Back = Place<TCheckBox>(this, P_Options, "CB_Update_Option_Read_Back", 272, 32, 160, 20);
    CB_Update_Option_Read_Back->SetChecked(true);
    CB_Update_Option_Read_Back->SetShowHint(true);

    P_Serial = Place_Panel(this, this, "P_Serial", 176, 64);
    L_COM_Port = Place<TLabel>(this, P_Serial, "L_COM_Port", 16, 8, 400, 16);
    L_COM_Port->SetCaption(QStringLiteral("Select the COM port for the Update"));
    CB_COM_Port = Place<TComboBox>(this, P_Serial, "CB_COM_Port", 16, 30, 160, 22);
    CB_COM_Port->SetStyle(csDropDownList);
    Btn_COM_List = Place_Button(this, P_Serial, "Btn_COM_List", 192, 26, 30, 30);
    Btn_COM_List->SetCaption(QStringLiteral("..."));
    Btn_COM_List->SetHint(QStringLiteral("Update COM Ports List"));
    Btn_COM_List->OnClick = [this](TObject* Sender) { Btn_COM_ListClick(Sender); };
    P_Serial->SetVisible(false);

    P_Eth_Search = Place_Panel(this, this, "P_Eth_Search", 240, 164);
    L_List_Device = Place<TLabel>(this, P_Eth_Search, "L_List_Device", 16, 8, 300, 16);
    Btn_Search = Place_Button(this, P_Eth_Search, "Btn_Search", 340, 4, 90, 26);
    CG_List_Devices = Place<TProColumnGrid>(this, P_Eth_Search, "CG_List_Devices", 16, 36, 416, 100);
    CG_List_Devices->SetFixedCols(0);
    CG_List_Devices->SetColCount(2);
    CG_List_Devices->SetRowCount(2);
    CG_List_Devices->SetColWidths(0, 200);
    CG_List_Devices->SetColWidths(1, 200);
    CG_List_Devices->SetShowHint(true);
    CB_Find_All_VLM = Place<TCheckBox>(this, P_Eth_Search, "CB_Find_All_VLM", 16, 140, 300, 20);
    CB_Find_All_VLM->SetVisible(false);
    P_Eth_Search->SetVisible(false);

    P_Button = Place_Panel(this, this, "P_Button", 252, 48);
    P_Button->SetAlign(alBottom);
    Btn_Cancel = Place_Button(this, P_Button, "Btn_Cancel", 16, 8, 120, 30);
    Btn_Cancel->SetModalResult(mrCancel);
    Btn_Update = Place_Button(this, P_Button, "Btn_Update", 232, 8, 200, 30);
    Btn_Update->OnClick = [this](TObject* Sender) { Btn_UpdateClick(Sender); };

    XML1 = new TXMLDocument(this);
    XML1->SetName(QStringLiteral("XML1"));

    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    OnCloseQuery = [this](TObject*, bool& CanClose) { CanClose = !FChecking; };
}

TFBoot::~TFBoot()
{
    if (FBoot == this)
        FBoot = nullptr;
}

void TFBoot::Set_Lang()
{
    const int mode_text = Form_Type == 0 ? 900 : Form_Type == 1 ? 902 : Form_Type == 2 ? 904 : -1;
    if (mode_text >= 0) {
        SetCaption(Lang(mode_text));
        L_SW_Desc->SetCaption(Lang(mode_text + 1));
    }
    L_IP_Address->SetCaption(Lang(906));
    L_List_Device->SetCaption(Lang(909));
    Btn_Search->SetCaption(Lang(910));
    CG_List_Devices->Columns()->Items(0)->SetHeader(Lang(911));
    CG_List_Devices->Columns()->Items(1)->SetHeader(Lang(912));
    CB_Find_All_VLM->SetCaption(Lang(913));
    L_Update_Option->SetCaption(Lang(914));
    CB_Update_Options->Items()->Clear();
    for (int n = 915; n <= 917; ++n)
        CB_Update_Options->Items()->Add(Lang(n));
    CB_Update_Options->SetItemIndex(0);
    CB_Update_Option_Read_Back->SetCaption(Lang(918));
    Btn_Cancel->SetCaption(Lang(919));
    Btn_Update->SetCaption(Lang(920));
    E_IP1->SetHint(Lang(921));
    E_IP2->SetHint(Lang(922));
    E_IP3->SetHint(Lang(923));
    E_IP4->SetHint(Lang(924));
    Btn_Search->SetHint(Lang(929));
    CG_List_Devices->SetHint(Lang(930));
    CB_Find_All_VLM->SetHint(Lang(931));
    CB_Update_Options->SetHint(Lang(932));
    CB_Update_Option_Read_Back->SetHint(Lang(933));
    Btn_Cancel->SetHint(Lang(934));
    Btn_Update->SetHint(Lang(935));
}

void TFBoot::FormShow(TObject*)
{
    Set_Lang();
    L_SW_Code->SetCaption(SW_Code);
    for (TPanel* p : {P_IP_Address, P_Eth_Search, P_Options, P_Serial}) {
        p->SetVisible(false);
        p->SetAlign(alNone);
    }
    if (Form_Type == 1)
        Show_Ethernet();
    else if (Form_Type == 0)
        Show_Serial();
}

void TFBoot::Show_Ethernet()
{
    P_IP_Address->SetVisible(true);
    P_Options->SetVisible(true);
    SetClientWidth(Window_Width);
    // Aligned one below the other in this order.
    int top = P_Title->Height();
    for (TPanel* p : {P_IP_Address, P_Eth_Search, P_Options}) {
        p->SetTop(top);
        p->SetAlign(alTop);
        top += p->Visible() ? p->Height() : 0;
    }
    SetClientHeight(P_Title->Height() + P_IP_Address->Height() + P_Options->Height() + P_Button->Height());
    int order = 0;
    for (TPanel* p : {P_Title, P_IP_Address, P_Eth_Search, P_Options, P_Button, P_Serial})
        p->SetTabOrder(order++);

    QString ip[4];
    if (!Last_IP_Address.isEmpty() && Check_IP_Address(Last_IP_Address, ip[0], ip[1], ip[2], ip[3])) {
        E_IP1->SetText(ip[0]);
        E_IP2->SetText(ip[1]);
        E_IP3->SetText(ip[2]);
        E_IP4->SetText(ip[3]);
    }
    CB_Update_Options->SetItemIndex(Update_Option);
    CB_Update_Option_Read_Back->SetChecked(Update_Read_Back);
    if (E_IP1->CanFocus())
        E_IP1->SetFocus();
}

void TFBoot::Show_Serial()
{
    P_Options->SetVisible(true);
    P_Serial->SetVisible(true);
    SetClientWidth(Window_Width);
    int top = P_Title->Height();
    for (TPanel* p : {P_Serial, P_Options}) {
        p->SetTop(top);
        p->SetAlign(alTop);
        top += p->Height();
    }
    SetClientHeight(P_Title->Height() + P_Serial->Height() + P_Options->Height() + P_Button->Height());
    int order = 0;
    for (TPanel* p : {P_Title, P_Serial, P_Options, P_Button, P_IP_Address, P_Eth_Search})
        p->SetTabOrder(order++);
    CB_Update_Options->SetItemIndex(Update_Option);
    CB_Update_Option_Read_Back->SetChecked(Update_Read_Back);
    update_ComPort();
    if (CB_COM_Port->CanFocus())
        CB_COM_Port->SetFocus();
}

QString TFBoot::IP_Text() const
{
    return E_IP1->Text() + QChar(u'.') + E_IP2->Text() + QChar(u'.') + E_IP3->Text() + QChar(u'.') + E_IP4->Text();
}

QString TFBoot::Job_File_Path()
{
    return Exe_Dir + QChar(u'/') + QString::fromLatin1(Update_Job_File_Name);
}

void TFBoot::KeyPress(TObject* Sender, QChar& Key)
{
    if (Key != u'.')
        return;
    Key = QChar();
    if (Sender == E_IP1)
        E_IP2->SetFocus();
    else if (Sender == E_IP2)
        E_IP3->SetFocus();
    else if (Sender == E_IP3 && E_IP4->CanFocus())
        E_IP4->SetFocus();
}

void TFBoot::Btn_UpdateClick(TObject*)
{
    if (Form_Type == 0) {
        Update_Option = CB_Update_Options->ItemIndex();
        Update_Read_Back = CB_Update_Option_Read_Back->Checked();
        return;
    }
    if (Form_Type != 1 || FChecking)
        return;
    if (!Send_Ping()) {
        if (ping_res == 2)
            MessageDlg(Lang(936), mtWarning, TMsgDlgButtons{mbOK});
        else
            Error_Box(Lang(937));
        return;
    }
    Last_IP_Address = IP_Text();
    Update_Option = CB_Update_Options->ItemIndex();
    Update_Read_Back = CB_Update_Option_Read_Back->Checked();
    try {
        Compile_XML_Parameter_New_Boot();
    } catch (const std::exception& E) {
        // Without a new job the program would repeat the previous one.
        Error_Box(QString::fromUtf8(E.what()));
        return;
    }
    if (FRodedoruzoFirmWare)
        FRodedoruzoFirmWare->Start_Program(Exe_Dir + QChar(u'/') + QString::fromLatin1(Update_Program_Name),
                                           QString(), 0);
}

void TFBoot::PingReply(const TEchoReply& Reply)
{
    ping_res = Reply.Data.isEmpty() ? 2 : 1;
}

void TFBoot::Pause()
{
    Sleep(Pause_Step);
    Application->ProcessMessages();
}

bool TFBoot::Send_Ping()
{
    TCheck_Guard guard(FChecking, Btn_Update, Btn_Cancel);
    ping_res = 0;
    const uint64_t start = GetTickCount64();
    const QString host = IP_Text();
    int good = 0;
    std::unique_ptr<IIcmpEcho> ping = CreateIcmpEcho();
    ping->PacketSize = Echo_Packet_Size;
    ping->ReceiveTimeout = Echo_Timeout;
    ping->OnReply = [this](const TEchoReply& Reply) { PingReply(Reply); };
    for (;;) {
        const uint64_t try_start = GetTickCount64();
        const TEchoReply reply = ping->Ping(host, host.toLatin1(), 0);
        // An echo that cannot be sent ends the check.
        if (reply.Status == TEchoStatus::esError)
            return false;
        do
            Pause();
        while (ping_res == 0 && GetTickCount64() - try_start <= Echo_Timeout);
        if (ping_res == 1 && ++good >= 2)
            break;
        if (GetTickCount64() - start > Check_Limit)
            break;
    }
    return ping_res == 1;
}

void TFBoot::Compile_XML_Parameter_New_Boot()
{
    const bool read_back = CB_Update_Option_Read_Back->Checked();
    const int option = CB_Update_Options->ItemIndex();
    const TJob_Operation firmware{Master_Dir + QStringLiteral("/Sim38R12.sim"), "0x8000", "1", "1", option == 1};
    const TJob_Operation bank1{Conf_Dir + QStringLiteral("/bin/bank1.bin"), "0x07000", "2", "0", false};
    const TJob_Operation bank2{Conf_Dir + QStringLiteral("/bin/bank2.bin"), "0x80000", "2", "0", true};

    XML1->SetActive(true);
    XML1->Clear();
    TXMLNode* root = XML1->AddChild(QStringLiteral("Ethernet_Update"));
    Add_Text(root, "Version", "1000");
    Add_Text(root, "Title", "Velmora - KQ38R12 Ethernet Update");
    Add_Text(root, "IP_Address_Dev", IP_Text());
    Add_Text(root, "Application_Port", "10000");
    Add_Text(root, "Boot_Port", "2008");
    Add_Text(root, "Boot_Port_Sec", "2007");
    Add_Text(root, "Address_Protection", "0x07800");
    Add_Text(root->AddChild(QStringLiteral("Protections")), "Protection", BACnetType == 1 ? "0x3B4" : "0x3B3");
    TXMLNode* operations = root->AddChild(QStringLiteral("Operations"));
    if (option != 2)
        Add_Operation(operations, firmware, read_back);
    if (option != 1) {
        Add_Operation(operations, bank1, read_back);
        Add_Operation(operations, bank2, read_back);
    }
    XML1->SaveToFile(Job_File_Path());
}

void TFBoot::update_ComPort()
{
    TStringList* ports = List_COM_Ports();
    CB_COM_Port->Items()->Clear();
    for (int i = 0; i < ports->Count(); ++i)
        CB_COM_Port->Items()->Add(QStringLiteral("COM") + ports->Strings(i));
    CB_COM_Port->SetItemIndex(CB_COM_Port->Items()->Count() > 0 ? 0 : -1);
    delete ports;
}

void TFBoot::Btn_COM_ListClick(TObject*)
{
    update_ComPort();
}
