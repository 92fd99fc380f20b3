#include "app/FParGen.h"
#include "app/ParGenFile.h"
#include "app/WindowParts.h"
#include "controls/button/LbButton.h"
#include "core/Globals.h"
#include "platform/controls/CategoryPanelGroup.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/WinApi.h"
#include "platform/controls/Panel.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/XmlDocument.h"

TFParGen* FParGen = nullptr;

namespace {

// Child tops count from the panel's top edge, header included; the rows
// start 8 pixels below a header of this height.
constexpr int Header_Height = 24;
constexpr int First_Row_Top = Header_Height + 8;
constexpr int ParGen_Label_Left = 16;
constexpr int Label_Width = 160;
constexpr int ParGen_Field_Left = 180;
constexpr int Octet_Width = 55;
constexpr int Dot_Width = 12;
constexpr int Field_Height = 21;

int Row_Top(int Row)
{
    return First_Row_Top + TFParGen::Row_Step * Row;
}

// The field's text as a decimal integer; -1 when it is none.
qint64 Field_Number(const TEdit* Field)
{
    const QString text = Field->Text();
    int i = 0;
    while (i < text.size() && text[i] <= QChar(u' '))
        ++i;
    if (i < text.size() && (text[i] == QChar(u'+') || text[i] == QChar(u'-')))
        ++i;
    if (i == text.size())
        return -1;
    for (; i < text.size(); ++i)
        if (text[i] < QChar(u'0') || text[i] > QChar(u'9'))
            return -1;
    return Str_To_Int64_Def(text, -1);
}

bool In_Range(const TEdit* Field, qint64 Low, qint64 High)
{
    const qint64 value = Field_Number(Field);
    return value >= Low && value <= High;
}

} // namespace

TFParGen::TFParGen(TComponent* AOwner) : TForm(AOwner)
{
    SetName(QStringLiteral("FParGen"));
    FParGen = this;
    SetPosition(poScreenCenter);
    SetShowHint(true);
    SetBounds(0, 0, Client_Width, 700);
    XML_ParGen = new TXMLDocument(this);
    XML_ParGen->SetName(QStringLiteral("XML_ParGen"));

    const TTitleBand band = Place_Title_Band(this, this, Client_Width);
    P_Title = band.P_Title;
    L_SW_Code = band.L_SW_Code;
    L_SW_Desc = band.L_SW_Desc;

    P_Button = Place<TPanel>(this, this, "P_Button", 0, 652, Client_Width, 48);
    P_Button->SetAlign(alBottom);
    P_Button->SetBevelOuter(bvNone);
    P_Button->SetShowCaption(false);
    Btn_OK = Place_Button(this, P_Button, "Btn_OK", 128, 8, 88, 30);
    Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
    Btn_Cancel = Place_Button(this, P_Button, "Btn_Cancel", 244, 8, 88, 30);
    Btn_Cancel->OnClick = [this](TObject* Sender) { Btn_CancelClick(Sender); };

    CPG = Place<TCategoryPanelGroup>(this, this, "CPG", 0, 48, Client_Width, 604);
    CPG->SetAlign(alClient);
    CPG->SetHeaderHeight(Header_Height);

    // This member's panels come first, so the group stacks them first.
    Create_BACnet_Panel();
    Create_Ethernet_Panel();
    Create_Other_Panels();

    FValue_Controls = {CB_BACnet_Slave_Type};
    for (TEdit* e : E_BACnet_IP_Slave_IP)
        FValue_Controls.push_back(e);
    for (TEdit* e : E_BACnet_IP_Slave_SM)
        FValue_Controls.push_back(e);
    for (TEdit* e : E_BACnet_IP_Slave_GAT)
        FValue_Controls.push_back(e);
    FValue_Controls.insert(FValue_Controls.end(),
                           {CB_BACnet_IP_Slave_GAT, E_BACnet_IP_Slave_Port, E_BACnet_IP_Slave_Device_Name,
                            E_BACnet_IP_Slave_Device_Identifier, CB_BACnet_MSTP_Slave_Baudrate,
                            CB_BACnet_MSTP_Slave_Parity, E_BACnet_MSTP_Slave_MAC_Address,
                            E_BACnet_MSTP_Slave_Device_Name, E_BACnet_MSTP_Slave_Max_Master,
                            E_BACnet_MSTP_Slave_Max_Info_Frame, E_BACnet_MSTP_Slave_Device_Instance,
                            E_BACnet_MSTP_Slave_Network, CB_BACnet_Slave_Desc_32_Chars});
    for (TEdit* e : E_Ethernet_IP)
        FValue_Controls.push_back(e);
    for (TEdit* e : E_Ethernet_SM)
        FValue_Controls.push_back(e);
    for (TEdit* e : E_Ethernet_GAT)
        FValue_Controls.push_back(e);
    FValue_Controls.push_back(CB_Ethernet_En_GAT);
    for (TEdit* e : E_Ethernet_DNS)
        FValue_Controls.push_back(e);
    FValue_Controls.push_back(CB_Ethernet_DNS);
    Q_ASSERT(int(FValue_Controls.size()) == ParGen_Count);

    FChains.push_back({});
    for (TEdit* const* row : {E_BACnet_IP_Slave_IP, E_BACnet_IP_Slave_SM, E_BACnet_IP_Slave_GAT})
        FChains.back().insert(FChains.back().end(), row, row + 4);
    FChains.push_back({});
    for (TEdit* const* row : {E_Ethernet_IP, E_Ethernet_SM, E_Ethernet_GAT, E_Ethernet_DNS})
        FChains.back().insert(FChains.back().end(), row, row + 4);

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    OnResize = [this](TObject* Sender) { FormResize(Sender); };
    OnMouseWheel = [this](TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled) {
        FormMouseWheel(Sender, Shift, WheelDelta, MousePos, Handled);
    };
}

TFParGen::~TFParGen()
{
    if (FParGen == this)
        FParGen = nullptr;
}

// Building the panels

TCategoryPanel* TFParGen::Make_Panel(const char* Name, const char* Caption)
{
    auto* panel = new TCategoryPanel(this);
    panel->SetName(QString::fromLatin1(Name));
    panel->SetPanelGroup(CPG);
    panel->SetCaption(QString::fromLatin1(Caption));
    return panel;
}

TLabel* TFParGen::Make_Label(TCategoryPanel* Panel, const char* Name, int Top)
{
    return Place<TLabel>(this, Panel, Name, ParGen_Label_Left, Top + 3, Label_Width, 16);
}

TCheckBox* TFParGen::Make_Box(TCategoryPanel* Panel, const char* Name, int Top)
{
    TCheckBox* box = Place<TCheckBox>(this, Panel, Name, ParGen_Label_Left, Top, Label_Width, 20);
    box->OnClick = [this](TObject* Sender) { On_Click(Sender); };
    return box;
}

TEdit* TFParGen::Make_Edit(TCategoryPanel* Panel, const char* Name, int Top, int Width, int Max_Length)
{
    TEdit* edit = Place<TEdit>(this, Panel, Name, ParGen_Field_Left, Top, Width, Field_Height);
    edit->SetMaxLength(Max_Length);
    edit->OnChange = [this](TObject* Sender) { On_Change(Sender); };
    return edit;
}

TComboBox* TFParGen::Make_List(TCategoryPanel* Panel, const char* Name, int Top, const QStringList& Items)
{
    TComboBox* list = Place<TComboBox>(this, Panel, Name, ParGen_Field_Left, Top, 150, Field_Height);
    list->SetStyle(csDropDownList);
    for (const QString& item : Items)
        list->Items()->Add(item);
    list->OnChange = [this](TObject* Sender) { On_Change(Sender); };
    return list;
}

TFParGen::TRow TFParGen::Make_Octet_Row(TCategoryPanel* Panel, TControl* Head, const char* Name,
                                        TEdit* (&Fields)[4], int Row)
{
    TRow row;
    row.Head = Head;
    row.Top = Row_Top(Row);
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = QByteArray(Name) + QByteArray::number(i + 1);
        const int left = ParGen_Field_Left + i * (Octet_Width + Dot_Width);
        Fields[i] = Make_Edit(Panel, name.constData(), row.Top, Octet_Width);
        Fields[i]->SetLeft(left);
        Fields[i]->OnKeyPress = [this](TObject* Sender, QChar& Key) { KeyPress(Sender, Key); };
        row.Parts.push_back(Fields[i]);
        if (i < 3) {
            const QByteArray dot = QByteArray(Name) + "_Dot" + QByteArray::number(i + 1);
            TLabel* label = Place<TLabel>(this, Panel, dot.constData(), left + Octet_Width, row.Top + 3, Dot_Width, 16);
            label->SetAlignment(taCenter);
            label->SetCaption(QStringLiteral("."));
            row.Parts.push_back(label);
        }
    }
    return row;
}

void TFParGen::Create_BACnet_Panel()
{
    CP_BACnet_Slave = Make_Panel("CP_BACnet_Slave", "BACnet Slave");
    TCategoryPanel* p = CP_BACnet_Slave;

    L_BACnet_Slave_Type = Make_Label(p, "L_BACnet_Slave_Type", Row_Top(0));
    CB_BACnet_Slave_Type = Make_List(p, "CB_BACnet_Slave_Type", Row_Top(0),
                                     {QStringLiteral("BACnet/IP"), QStringLiteral("BACnet MS/TP")});
    FType_Row = {L_BACnet_Slave_Type, {CB_BACnet_Slave_Type}, Row_Top(0)};

    // BACnet/IP rows at their stored places.
    L_BACnet_IP_Slave_IP = Make_Label(p, "L_BACnet_IP_Slave_IP", Row_Top(1));
    FIP_Rows.push_back(Make_Octet_Row(p, L_BACnet_IP_Slave_IP, "E_BACnet_IP_Slave_IP", E_BACnet_IP_Slave_IP, 1));
    L_BACnet_IP_Slave_SM = Make_Label(p, "L_BACnet_IP_Slave_SM", Row_Top(2));
    FIP_Rows.push_back(Make_Octet_Row(p, L_BACnet_IP_Slave_SM, "E_BACnet_IP_Slave_SM", E_BACnet_IP_Slave_SM, 2));
    CB_BACnet_IP_Slave_GAT = Make_Box(p, "CB_BACnet_IP_Slave_GAT", Row_Top(3));
    FIP_Rows.push_back(
        Make_Octet_Row(p, CB_BACnet_IP_Slave_GAT, "E_BACnet_IP_Slave_GAT", E_BACnet_IP_Slave_GAT, 3));
    auto single = [&](TLabel*& Label, const char* Label_Name, TEdit*& Field, const char* Field_Name, int Row,
                      int Width, int Max_Length, std::vector<TRow>& Rows) {
        Label = Make_Label(p, Label_Name, Row_Top(Row));
        Field = Make_Edit(p, Field_Name, Row_Top(Row), Width, Max_Length);
        Rows.push_back({Label, {Field}, Row_Top(Row)});
    };
    single(L_BACnet_IP_Slave_Port, "L_BACnet_IP_Slave_Port", E_BACnet_IP_Slave_Port, "E_BACnet_IP_Slave_Port", 4,
           80, 0, FIP_Rows);
    single(L_BACnet_IP_Slave_Device_Name, "L_BACnet_IP_Slave_Device_Name", E_BACnet_IP_Slave_Device_Name,
           "E_BACnet_IP_Slave_Device_Name", 5, 150, 15, FIP_Rows);
    single(L_BACnet_IP_Slave_Device_Identifier, "L_BACnet_IP_Slave_Device_Identifier",
           E_BACnet_IP_Slave_Device_Identifier, "E_BACnet_IP_Slave_Device_Identifier", 6, 100, 0, FIP_Rows);

    // MS/TP rows; placed by the layout.
    L_BACnet_MSTP_Slave_Baudrate = Make_Label(p, "L_BACnet_MSTP_Slave_Baudrate", Row_Top(1));
    CB_BACnet_MSTP_Slave_Baudrate =
        Make_List(p, "CB_BACnet_MSTP_Slave_Baudrate", Row_Top(1),
                  {QStringLiteral("9600"), QStringLiteral("19200"), QStringLiteral("38400"), QStringLiteral("57600"),
                   QStringLiteral("76800"), QStringLiteral("115200")});
    FMSTP_Rows.push_back({L_BACnet_MSTP_Slave_Baudrate, {CB_BACnet_MSTP_Slave_Baudrate}, Row_Top(1)});
    L_BACnet_MSTP_Slave_Parity = Make_Label(p, "L_BACnet_MSTP_Slave_Parity", Row_Top(2));
    CB_BACnet_MSTP_Slave_Parity = Make_List(p, "CB_BACnet_MSTP_Slave_Parity", Row_Top(2),
                                            {QStringLiteral("NONE"), QStringLiteral("ODD"), QStringLiteral("EVEN")});
    FMSTP_Rows.push_back({L_BACnet_MSTP_Slave_Parity, {CB_BACnet_MSTP_Slave_Parity}, Row_Top(2)});
    single(L_BACnet_MSTP_Slave_Device_Name, "L_BACnet_MSTP_Slave_Device_Name", E_BACnet_MSTP_Slave_Device_Name,
           "E_BACnet_MSTP_Slave_Device_Name", 3, 150, 15, FMSTP_Rows);
    single(L_BACnet_MSTP_Slave_MAC_Address, "L_BACnet_MSTP_Slave_MAC_Address", E_BACnet_MSTP_Slave_MAC_Address,
           "E_BACnet_MSTP_Slave_MAC_Address", 4, 80, 0, FMSTP_Rows);
    single(L_BACnet_MSTP_Slave_Max_Master, "L_BACnet_MSTP_Slave_Max_Master", E_BACnet_MSTP_Slave_Max_Master,
           "E_BACnet_MSTP_Slave_Max_Master", 5, 80, 15, FMSTP_Rows);
    single(L_BACnet_MSTP_Slave_Max_Info_Frame, "L_BACnet_MSTP_Slave_Max_Info_Frame",
           E_BACnet_MSTP_Slave_Max_Info_Frame, "E_BACnet_MSTP_Slave_Max_Info_Frame", 6, 80, 0, FMSTP_Rows);
    single(L_BACnet_MSTP_Slave_Device_Instance, "L_BACnet_MSTP_Slave_Device_Instance",
           E_BACnet_MSTP_Slave_Device_Instance, "E_BACnet_MSTP_Slave_Device_Instance", 7, 100, 15, FMSTP_Rows);
    single(L_BACnet_MSTP_Slave_Network, "L_BACnet_MSTP_Slave_Network", E_BACnet_MSTP_Slave_Network,
           "E_BACnet_MSTP_Slave_Network", 8, 80, 0, FMSTP_Rows);

    CB_BACnet_Slave_Desc_32_Chars = Make_Box(p, "CB_BACnet_Slave_Desc_32_Chars", Row_Top(7));
    CB_BACnet_Slave_Desc_32_Chars->SetWidth(300);
}

void TFParGen::Create_Ethernet_Panel()
{
    CP_Ethernet = Make_Panel("CP_Ethernet", "Ethernet");
    TCategoryPanel* p = CP_Ethernet;
    L_Ethernet_IP = Make_Label(p, "L_Ethernet_IP", Row_Top(0));
    Make_Octet_Row(p, L_Ethernet_IP, "E_Ethernet_IP", E_Ethernet_IP, 0);
    L_Ethernet_SM = Make_Label(p, "L_Ethernet_SM", Row_Top(1));
    Make_Octet_Row(p, L_Ethernet_SM, "E_Ethernet_SM", E_Ethernet_SM, 1);
    CB_Ethernet_En_GAT = Make_Box(p, "CB_Ethernet_En_GAT", Row_Top(2));
    Make_Octet_Row(p, CB_Ethernet_En_GAT, "E_Ethernet_GAT", E_Ethernet_GAT, 2);
    CB_Ethernet_DNS = Make_Box(p, "CB_Ethernet_DNS", Row_Top(3));
    Make_Octet_Row(p, CB_Ethernet_DNS, "E_Ethernet_DNS", E_Ethernet_DNS, 3);
    L_Ethernet_TCP_Port = Make_Label(p, "L_Ethernet_TCP_Port", Row_Top(4));
    E_Ethernet_TCP_Port = Make_Edit(p, "E_Ethernet_TCP_Port", Row_Top(4), 80);
    FEth_Port_Rows[0] = {L_Ethernet_TCP_Port, {E_Ethernet_TCP_Port}, Row_Top(4)};
    L_Ethernet_UDP_Port = Make_Label(p, "L_Ethernet_UDP_Port", Row_Top(5));
    E_Ethernet_UDP_Port = Make_Edit(p, "E_Ethernet_UDP_Port", Row_Top(5), 80);
    FEth_Port_Rows[1] = {L_Ethernet_UDP_Port, {E_Ethernet_UDP_Port}, Row_Top(5)};
}

void TFParGen::Create_Other_Panels()
{
    struct TOther {
        TCategoryPanel** Panel;
        const char* Name;
        const char* Caption;
    } const others[] = {
        {&CP_Modbus_TCP_Slave, "CP_Modbus_TCP_Slave", "Modbus TCP Slave"},
        {&CP_Modbus_Slave, "CP_Modbus_Slave", "Modbus Slave"},
        {&CP_MQTT, "CP_MQTT", "MQTT "},
        {&CP_TLS, "CP_TLS", "TLS (Transport Layer Security)"},
        {&CP_NTP, "CP_NTP", "NTP (Network Time Protocol)"},
        {&CP_PROFINET, "CP_PROFINET", "PROFINET"},
        {&CP_Serial, "CP_Serial", "Serial"},
        {&CP_Modbus_Master, "CP_Modbus_Master", "Modbus Master"},
        {&CP_Modbus_TCP_Master, "CP_Modbus_TCP_Master", "Modbus TCP Master"},
        {&CP_BACnet_Master, "CP_BACnet_Master", "BACnet Master"},
        {&CP_CAN, "CP_CAN", "CAN"},
        {&CP_CANopen, "CP_CANopen", "CANopen"},
        {&CP_DeviceNet_Master, "CP_DeviceNet_Master", "DeviceNet Master"},
        {&CP_DeviceNet_Slave, "CP_DeviceNet_Slave", "DeviceNet Slave"},
    };
    for (const TOther& o : others)
        *o.Panel = Make_Panel(o.Name, o.Caption);
    CB_MQTT_WillFlag = Make_Box(CP_MQTT, "CB_MQTT_WillFlag", Row_Top(5));
    CB_TLS_Enable = Make_Box(CP_TLS, "CB_TLS_Enable", Row_Top(0));
    CB_TLS_En_Server_Auth = Make_Box(CP_TLS, "CB_TLS_En_Server_Auth", Row_Top(1));
    CB_TLS_En_Client_Auth = Make_Box(CP_TLS, "CB_TLS_En_Client_Auth", Row_Top(3));
}

// Creation, showing, layout

void TFParGen::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(Client_Width);
    SetClientHeight(700);
    for (int i = 0; i < CPG->PanelCount(); ++i)
        CPG->Panels(i)->SetVisible(false);
    Order_TAB_Panels();
    Move_GroupBoxs();
    Set_Lang();
}

void TFParGen::Order_TAB_Panels()
{
    Order_TAB_Panels_38R12();
}

void TFParGen::Move_GroupBoxs()
{
    RePosition_Objects_38R12();
}

void TFParGen::Order_TAB_Panels_38R12()
{
    // The group stacks its visible panels in creation order: the BACnet
    // panel on top, the Ethernet panel right below it.
    CP_BACnet_Slave->SetVisible(true);
    CP_Ethernet->SetVisible(true);
    CP_BACnet_Slave->SetCaption(QStringLiteral("1. ") + Lang(658));
    CP_Ethernet->SetCaption(QStringLiteral("2. ") + Lang(465));
    CP_BACnet_Slave->SetTabOrder(0);
    CP_Ethernet->SetTabOrder(1);
}

void TFParGen::Show_Row(const TRow& Row, bool Show)
{
    Row.Head->SetVisible(Show);
    for (TControl* c : Row.Parts)
        c->SetVisible(Show);
}

void TFParGen::Place_Row(const TRow& Row, int Top)
{
    // The first field stands at the row's top; the rest keep their offsets.
    const int shift = Top - Row.Parts.front()->Top();
    Row.Head->SetTop(Row.Head->Top() + shift);
    for (TControl* c : Row.Parts)
        c->SetTop(c->Top() + shift);
}

void TFParGen::Fit_Panel(TCategoryPanel* Panel, TControl* Last)
{
    // The bottom counted below the header, plus the header, plus 12.
    const int bottom = Last->Top() + Last->Height() - Header_Height;
    Panel->SetHeight(bottom + Header_Height + 12);
}

void TFParGen::RePosition_Objects_38R12()
{
    const bool ip = CB_BACnet_Slave_Type->ItemIndex() == 0;
    for (const TRow& row : FIP_Rows) {
        Show_Row(row, ip);
        if (ip)
            Place_Row(row, row.Top);
    }
    int top = Row_Top(1);
    for (const TRow& row : FMSTP_Rows) {
        Show_Row(row, !ip);
        if (!ip)
            Place_Row(row, top);
        top += Row_Step;
    }
    TControl* last = ip ? static_cast<TControl*>(E_BACnet_IP_Slave_Device_Identifier)
                        : static_cast<TControl*>(E_BACnet_MSTP_Slave_Network);
    CB_BACnet_Slave_Desc_32_Chars->SetTop(last->Top() + Row_Step);
    Fit_Panel(CP_BACnet_Slave, CB_BACnet_Slave_Desc_32_Chars);

    for (const TRow& row : FEth_Port_Rows)
        Show_Row(row, false);
    Fit_Panel(CP_Ethernet, E_Ethernet_DNS[3]);
    CP_Ethernet->SetVisible(CB_BACnet_Slave_Type->ItemIndex() != 0);
    // Showing or hiding a panel does not restack the group by itself.
    CPG->Realign();
}

void TFParGen::FormShow(TObject*)
{
    QString error;
    Set_Values(Read_ParGen_File(XML_ParGen, File_ParGen, &error));
    Is_Change = false;
    Move_GroupBoxs();
    if (!error.isEmpty())
        Error_Box(QStringLiteral("The parameter file could not be read whole:\n%1\n\n"
                                 "The values read before the damage are shown, the defaults for the rest. "
                                 "OK replaces the file with what is shown; Cancel leaves it as it is.")
                      .arg(error));
}

void TFParGen::FormResize(TObject*)
{
    if (ClientWidth() != Client_Width)
        SetClientWidth(Client_Width);
}

void TFParGen::FormMouseWheel(TObject*, TShiftState, int WheelDelta, TPoint MousePos, bool& Handled)
{
    const TPoint p = CPG->ScreenToClient(MousePos);
    if (!CPG->ClientRect().Contains(p))
        return;
    const int lines = GetWheelScrollLines();
    for (int i = 0; i < lines; ++i) {
        const int step = WheelDelta <= 0 ? CPG->VertScrollIncrement() : -CPG->VertScrollIncrement();
        CPG->SetScrollPos(CPG->ScrollPos() + step);
    }
    Handled = true;
}

// Values

QStringList TFParGen::Get_Values() const
{
    QStringList values;
    for (TControl* c : FValue_Controls) {
        if (auto* list = dynamic_cast<TComboBox*>(c))
            values << QString::number(list->ItemIndex());
        else if (auto* box = dynamic_cast<TCheckBox*>(c))
            values << QString::fromLatin1(box->Checked() ? "1" : "0");
        else
            values << static_cast<TEdit*>(c)->Text();
    }
    return values;
}

void TFParGen::Set_Values(const QStringList& Values)
{
    for (int i = 0; i < int(FValue_Controls.size()) && i < Values.size(); ++i) {
        TControl* c = FValue_Controls[std::size_t(i)];
        if (auto* list = dynamic_cast<TComboBox*>(c))
            list->SetItemIndex(Str_To_Int_Def(Values[i], -1));
        else if (auto* box = dynamic_cast<TCheckBox*>(c))
            box->SetChecked(Values[i] == QLatin1String("1"));
        else
            static_cast<TEdit*>(c)->SetText(Values[i]);
    }
}

// Events

void TFParGen::On_Change(TObject* Sender)
{
    Is_Change = true;
    if (Sender == CB_BACnet_Slave_Type)
        Move_GroupBoxs();
}

void TFParGen::On_Click(TObject* Sender)
{
    Is_Change = true;
    if (Sender == CB_MQTT_WillFlag || Sender == CB_TLS_Enable || Sender == CB_TLS_En_Server_Auth ||
        Sender == CB_TLS_En_Client_Auth)
        Move_GroupBoxs();
}

TEdit* TFParGen::Next_In_Chain(TEdit* Field) const
{
    for (const std::vector<TEdit*>& chain : FChains)
        for (std::size_t i = 0; i + 1 < chain.size(); ++i)
            if (chain[i] == Field)
                return chain[i + 1];
    return nullptr;
}

void TFParGen::KeyPress(TObject* Sender, QChar& Key)
{
    if (Key != QChar(u'.'))
        return;
    if (TEdit* next = Next_In_Chain(dynamic_cast<TEdit*>(Sender)))
        if (next->CanFocus())
            next->SetFocus();
    Key = QChar();
}

// Checks and closing

bool TFParGen::Check_Octets(TEdit* const (&Fields)[4], int First_Text)
{
    for (int i = 0; i < 4; ++i) {
        if (!In_Range(Fields[i], 0, 255)) {
            Error_Box(Lang(First_Text + i));
            return false;
        }
    }
    return true;
}

bool TFParGen::Controllo_Dati()
{
    const int type = CB_BACnet_Slave_Type->ItemIndex();
    auto fail = [](int Text) {
        Error_Box(Lang(Text));
        return false;
    };
    if (type != 0) {
        if (Has_Invalid_Chars(E_BACnet_MSTP_Slave_Device_Name->Text()))
            return fail(745);
        if (!In_Range(E_BACnet_MSTP_Slave_MAC_Address, 0, 127))
            return fail(746);
        if (!In_Range(E_BACnet_MSTP_Slave_Max_Master, 1, 127))
            return fail(747);
        if (!In_Range(E_BACnet_MSTP_Slave_Max_Info_Frame, 1, 100))
            return fail(748);
        if (!In_Range(E_BACnet_MSTP_Slave_Device_Instance, 0, 4194303))
            return fail(749);
        if (!In_Range(E_BACnet_MSTP_Slave_Network, 1, 65534))
            return fail(750);
    } else {
        if (!Check_Octets(E_BACnet_IP_Slave_IP, 730) || !Check_Octets(E_BACnet_IP_Slave_SM, 734))
            return false;
        if (CB_BACnet_IP_Slave_GAT->Checked() && !Check_Octets(E_BACnet_IP_Slave_GAT, 738))
            return false;
        const qint64 port = Field_Number(E_BACnet_IP_Slave_Port);
        if (port < 0 || port > 65535 || port == 10000 || port == 10001)
            return fail(742);
        if (Has_Invalid_Chars(E_BACnet_IP_Slave_Device_Name->Text()))
            return fail(743);
        if (!In_Range(E_BACnet_IP_Slave_Device_Identifier, 0, 4194303))
            return fail(744);
    }
    if (type == 1) {
        if (!Check_Octets(E_Ethernet_IP, 527) || !Check_Octets(E_Ethernet_SM, 531))
            return false;
        if (CB_Ethernet_En_GAT->Checked() && !Check_Octets(E_Ethernet_GAT, 535))
            return false;
        if (CB_Ethernet_DNS->Checked() && !Check_Octets(E_Ethernet_DNS, 539))
            return false;
    }
    return true;
}

void TFParGen::Btn_OKClick(TObject*)
{
    if (!Controllo_Dati())
        return;
    try {
        Write_ParGen_File(XML_ParGen, File_ParGen, Get_Values());
    } catch (const Exception& E) {
        Error_Box(E.Message());
        return;
    }
    SetModalResult(mrOk);
}

void TFParGen::Btn_CancelClick(TObject*)
{
    if (Is_Change &&
        MessageDlg(QStringLiteral("The parameters have been changed. Leave without saving them?"), mtConfirmation,
                   mbYesNo) != mrYes)
        return;
    SetModalResult(mrCancel);
}

// Texts

void TFParGen::Set_Lang()
{
    SetCaption(Lang(400));
    L_SW_Desc->SetCaption(Lang(401));
    Btn_OK->SetCaption(Lang(402));
    Btn_Cancel->SetCaption(Lang(403));
    Btn_OK->SetHint(Lang(404));
    Btn_Cancel->SetHint(Lang(405));

    auto octets = [](TEdit* const (&Fields)[4], int First) {
        for (int i = 0; i < 4; ++i)
            Fields[i]->SetHint(Lang(First + i));
    };
    L_Ethernet_IP->SetCaption(Lang(466));
    octets(E_Ethernet_IP, 467);
    L_Ethernet_SM->SetCaption(Lang(471));
    octets(E_Ethernet_SM, 472);
    CB_Ethernet_En_GAT->SetCaption(Lang(476));
    CB_Ethernet_En_GAT->SetHint(Lang(477));
    octets(E_Ethernet_GAT, 478);
    CB_Ethernet_DNS->SetCaption(Lang(482));
    CB_Ethernet_DNS->SetHint(Lang(483));
    octets(E_Ethernet_DNS, 484);
    L_Ethernet_TCP_Port->SetCaption(Lang(488));
    E_Ethernet_TCP_Port->SetHint(Lang(489));
    L_Ethernet_UDP_Port->SetCaption(Lang(490));
    E_Ethernet_UDP_Port->SetHint(Lang(491));

    CB_MQTT_WillFlag->SetCaption(Lang(449));
    CB_MQTT_WillFlag->SetHint(Lang(450));
    CB_TLS_Enable->SetCaption(Lang(493));
    CB_TLS_Enable->SetHint(Lang(494));
    CB_TLS_En_Server_Auth->SetCaption(Lang(495));
    CB_TLS_En_Server_Auth->SetHint(Lang(496));
    CB_TLS_En_Client_Auth->SetCaption(Lang(499));
    CB_TLS_En_Client_Auth->SetHint(Lang(500));

    L_BACnet_Slave_Type->SetCaption(Lang(659));
    CB_BACnet_Slave_Type->SetHint(Lang(660));
    L_BACnet_IP_Slave_IP->SetCaption(Lang(661));
    octets(E_BACnet_IP_Slave_IP, 662);
    L_BACnet_IP_Slave_SM->SetCaption(Lang(666));
    octets(E_BACnet_IP_Slave_SM, 667);
    CB_BACnet_IP_Slave_GAT->SetCaption(Lang(671));
    CB_BACnet_IP_Slave_GAT->SetHint(Lang(672));
    octets(E_BACnet_IP_Slave_GAT, 673);
    const std::pair<TLabel*, TWinControl*> rows[] = {
        {L_BACnet_IP_Slave_Port, E_BACnet_IP_Slave_Port},
        {L_BACnet_IP_Slave_Device_Name, E_BACnet_IP_Slave_Device_Name},
        {L_BACnet_IP_Slave_Device_Identifier, E_BACnet_IP_Slave_Device_Identifier},
        {L_BACnet_MSTP_Slave_Baudrate, CB_BACnet_MSTP_Slave_Baudrate},
        {L_BACnet_MSTP_Slave_Parity, CB_BACnet_MSTP_Slave_Parity},
        {L_BACnet_MSTP_Slave_Device_Name, E_BACnet_MSTP_Slave_Device_Name},
        {L_BACnet_MSTP_Slave_MAC_Address, E_BACnet_MSTP_Slave_MAC_Address},
        {L_BACnet_MSTP_Slave_Max_Master, E_BACnet_MSTP_Slave_Max_Master},
        {L_BACnet_MSTP_Slave_Max_Info_Frame, E_BACnet_MSTP_Slave_Max_Info_Frame},
        {L_BACnet_MSTP_Slave_Device_Instance, E_BACnet_MSTP_Slave_Device_Instance},
        {L_BACnet_MSTP_Slave_Network, E_BACnet_MSTP_Slave_Network},
    };
    int text = 677;
    for (const auto& [label, field] : rows) {
        label->SetCaption(Lang(text));
        field->SetHint(Lang(text + 1));
        text += 2;
    }
    CB_BACnet_Slave_Desc_32_Chars->SetCaption(Lang(699));
    CB_BACnet_Slave_Desc_32_Chars->SetHint(Lang(700));
}
