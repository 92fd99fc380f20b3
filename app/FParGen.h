#pragma once
// The communication parameter editor ("Set Communication"): a scrolling
// group of category panels, one per interface of the gateway family, of
// which this member shows the BACnet slave (BACnet/IP or MS/TP) and, for
// MS/TP, the gateway's Ethernet interface. Reads "ParGen.xml" when shown,
// checks the fields in a fixed order on OK and rewrites the file.
#include "platform/controls/Form.h"
#include <QStringList>
#include <vector>

class TPanel;
class TLabel;
class TEdit;
class TComboBox;
class TCheckBox;
class TCategoryPanel;
class TCategoryPanelGroup;
class TLbButton;
class TXMLDocument;

class TFParGen : public TForm {
public:
    static constexpr int Client_Width = 460;
    static constexpr int Row_Step = 28;

    explicit TFParGen(TComponent* AOwner = nullptr);
    ~TFParGen() override;

    void FormCreate(TObject* Sender);
    // Reads the parameter file into the controls, clears Is_Change, lays out.
    // A damaged file is reported with what was kept of it; it stays until OK.
    void FormShow(TObject* Sender);
    // Puts the client width back to 460.
    void FormResize(TObject* Sender);
    // Inside CPG's client area the wheel scrolls CPG one line per wheel-scroll
    // line of the system; elsewhere it is left to the window.
    void FormMouseWheel(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled);
    // Checks, writes the file and closes with OK; a failed check or write
    // keeps the window open.
    void Btn_OKClick(TObject* Sender);
    // Closes with Cancel; after a change only when the user confirms.
    void Btn_CancelClick(TObject* Sender);
    // The checks of the side in use, in order; the first failure is shown in
    // an error box and gives false.
    bool Controllo_Dati();
    // Change of any field or list; the type list also lays out again.
    void On_Change(TObject* Sender);
    // Click of any check box; the MQTT will and TLS boxes also lay out again.
    void On_Click(TObject* Sender);
    // Octet fields: "." moves to the next field of the chain and is swallowed.
    void KeyPress(TObject* Sender, QChar& Key);
    void Set_Lang();

    // Panel order and layout of this family member.
    void Order_TAB_Panels();
    void Move_GroupBoxs();
    void Order_TAB_Panels_38R12();
    void RePosition_Objects_38R12();

    // The 44 texts of the parameter file from the controls, in file order,
    // and back.
    QStringList Get_Values() const;
    void Set_Values(const QStringList& Values);

    // Window
    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TCategoryPanelGroup* CPG;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;

    // Panels
    TCategoryPanel* CP_BACnet_Slave;
    TCategoryPanel* CP_Ethernet;
    TCategoryPanel* CP_Modbus_TCP_Slave;
    TCategoryPanel* CP_Modbus_Slave;
    TCategoryPanel* CP_MQTT;
    TCategoryPanel* CP_TLS;
    TCategoryPanel* CP_NTP;
    TCategoryPanel* CP_PROFINET;
    TCategoryPanel* CP_Serial;
    TCategoryPanel* CP_Modbus_Master;
    TCategoryPanel* CP_Modbus_TCP_Master;
    TCategoryPanel* CP_BACnet_Master;
    TCategoryPanel* CP_CAN;
    TCategoryPanel* CP_CANopen;
    TCategoryPanel* CP_DeviceNet_Master;
    TCategoryPanel* CP_DeviceNet_Slave;

    // BACnet slave
    TLabel* L_BACnet_Slave_Type;
    TComboBox* CB_BACnet_Slave_Type;
    TLabel* L_BACnet_IP_Slave_IP;
    TEdit* E_BACnet_IP_Slave_IP[4];
    TLabel* L_BACnet_IP_Slave_SM;
    TEdit* E_BACnet_IP_Slave_SM[4];
    TCheckBox* CB_BACnet_IP_Slave_GAT;
    TEdit* E_BACnet_IP_Slave_GAT[4];
    TLabel* L_BACnet_IP_Slave_Port;
    TEdit* E_BACnet_IP_Slave_Port;
    TLabel* L_BACnet_IP_Slave_Device_Name;
    TEdit* E_BACnet_IP_Slave_Device_Name;
    TLabel* L_BACnet_IP_Slave_Device_Identifier;
    TEdit* E_BACnet_IP_Slave_Device_Identifier;
    TLabel* L_BACnet_MSTP_Slave_Baudrate;
    TComboBox* CB_BACnet_MSTP_Slave_Baudrate;
    TLabel* L_BACnet_MSTP_Slave_Parity;
    TComboBox* CB_BACnet_MSTP_Slave_Parity;
    TLabel* L_BACnet_MSTP_Slave_Device_Name;
    TEdit* E_BACnet_MSTP_Slave_Device_Name;
    TLabel* L_BACnet_MSTP_Slave_MAC_Address;
    TEdit* E_BACnet_MSTP_Slave_MAC_Address;
    TLabel* L_BACnet_MSTP_Slave_Max_Master;
    TEdit* E_BACnet_MSTP_Slave_Max_Master;
    TLabel* L_BACnet_MSTP_Slave_Max_Info_Frame;
    TEdit* E_BACnet_MSTP_Slave_Max_Info_Frame;
    TLabel* L_BACnet_MSTP_Slave_Device_Instance;
    TEdit* E_BACnet_MSTP_Slave_Device_Instance;
    TLabel* L_BACnet_MSTP_Slave_Network;
    TEdit* E_BACnet_MSTP_Slave_Network;
    TCheckBox* CB_BACnet_Slave_Desc_32_Chars;

    // Ethernet
    TLabel* L_Ethernet_IP;
    TEdit* E_Ethernet_IP[4];
    TLabel* L_Ethernet_SM;
    TEdit* E_Ethernet_SM[4];
    TCheckBox* CB_Ethernet_En_GAT;
    TEdit* E_Ethernet_GAT[4];
    TCheckBox* CB_Ethernet_DNS;
    TEdit* E_Ethernet_DNS[4];
    TLabel* L_Ethernet_TCP_Port;
    TEdit* E_Ethernet_TCP_Port;
    TLabel* L_Ethernet_UDP_Port;
    TEdit* E_Ethernet_UDP_Port;

    // Boxes of the other members' panels whose click lays out again.
    TCheckBox* CB_MQTT_WillFlag;
    TCheckBox* CB_TLS_Enable;
    TCheckBox* CB_TLS_En_Server_Auth;
    TCheckBox* CB_TLS_En_Client_Auth;

    // The parameter file's document.
    TXMLDocument* XML_ParGen;

    // A field, list or check box was changed since the file was read.
    bool Is_Change = false;

private:
    // A label or check box at the left and its fields at the right.
    struct TRow {
        TControl* Head = nullptr;
        std::vector<TControl*> Parts;
        int Top = 0;
    };

    void Create_BACnet_Panel();
    void Create_Ethernet_Panel();
    void Create_Other_Panels();
    TCategoryPanel* Make_Panel(const char* Name, const char* Caption);
    TRow Make_Octet_Row(TCategoryPanel* Panel, TControl* Head, const char* Name, TEdit* (&Fields)[4], int Row);
    TEdit* Make_Edit(TCategoryPanel* Panel, const char* Name, int Top, int Width, int Max_Length = 0);
    TComboBox* Make_List(TCategoryPanel* Panel, const char* Name, int Top, const QStringList& Items);
    TLabel* Make_Label(TCategoryPanel* Panel, const char* Name, int Top);
    TCheckBox* Make_Box(TCategoryPanel* Panel, const char* Name, int Top);
    static void Show_Row(const TRow& Row, bool Show);
    static void Place_Row(const TRow& Row, int Top);
    // Bottom of Last + the header + 12 below the header.
    static void Fit_Panel(TCategoryPanel* Panel, TControl* Last);
    bool Check_Octets(TEdit* const (&Fields)[4], int First_Text);
    // Next octet field of the chain after Field, nullptr at its end.
    TEdit* Next_In_Chain(TEdit* Field) const;

    std::vector<TRow> FIP_Rows;
    std::vector<TRow> FMSTP_Rows;
    TRow FType_Row;
    TRow FEth_Port_Rows[2];
    std::vector<std::vector<TEdit*>> FChains;
    // Controls of the file's elements, in file order.
    std::vector<TControl*> FValue_Controls;
};

extern TFParGen* FParGen;
