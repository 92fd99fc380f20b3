#pragma once
// The update window: the gateway's address and the update options, the
// reachability check by ICMP echo, the update job file "Ethernet_Update.xml"
// next to the program and the start of the external update program.
// Opened modally by the main window's update step in Ethernet mode; the
// serial mode exists but is never opened.
#include "platform/controls/Form.h"
#include <cstdint>

class TPanel;
class TLabel;
class TEdit;
class TComboBox;
class TCheckBox;
class TLbButton;
class TXMLDocument;
class TProColumnGrid;
struct TEchoReply;

// The external update program in the program folder.
inline constexpr const char Update_Program_Name[] = "Ethernet_Update";
// The update job file it reads from the same folder.
inline constexpr const char Update_Job_File_Name[] = "Ethernet_Update.xml";

class TFBoot : public TForm {
public:
    // Echo timing: one echo waits up to Echo_Timeout; the check gives up
    // after Check_Limit; window messages are handled every Pause_Step.
    static constexpr uint32_t Echo_Timeout = 400;
    static constexpr uint32_t Check_Limit = 5000;
    static constexpr uint32_t Pause_Step = 10;
    static constexpr int Echo_Packet_Size = 1024;

    explicit TFBoot(TComponent* AOwner = nullptr);
    ~TFBoot() override;

    // Texts, then the panels of Form_Type, the address and the options.
    void FormShow(TObject* Sender);
    // Ethernet mode: echo check, job file, external program. Serial mode:
    // stores the options only.
    void Btn_UpdateClick(TObject* Sender);
    // True when the last echo came back with data; two answered echoes
    // end the check early, Check_Limit ends it otherwise.
    bool Send_Ping();
    // ping_res: 1 for a reply with data, 2 otherwise.
    void PingReply(const TEchoReply& Reply);
    // "." in an address field moves to the next field and is never typed.
    void KeyPress(TObject* Sender, QChar& Key);
    // Writes the job file from the fields and the options. Raises when the
    // file cannot be written.
    void Compile_XML_Parameter_New_Boot();
    // Texts 900 to 935; refills the option list and selects its first entry.
    void Set_Lang();
    // Serial mode: the ports that can be opened, the first selected.
    void update_ComPort();
    void Btn_COM_ListClick(TObject* Sender);

    // The four address fields joined with ".", as typed.
    QString IP_Text() const;
    // Exe_Dir + "/Ethernet_Update.xml".
    static QString Job_File_Path();
    // True while the echo check runs: Update and Cancel are disabled and
    // the window does not close.
    bool Checking() const { return FChecking; }

    // 0 serial, 1 Ethernet, 2 USB (texts only).
    int Form_Type = 1;
    // BACnet_Type of the parameter file: 0 BACnet/IP, 1 MS/TP.
    int BACnetType = 0;
    // Outcome of the last echo: 0 none yet, 1 reply with data, 2 without.
    int ping_res = 0;

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TPanel* P_IP_Address;
    TLabel* L_IP_Address;
    TEdit* E_IP1;
    TEdit* E_IP2;
    TEdit* E_IP3;
    TEdit* E_IP4;
    TPanel* P_Options;
    TLabel* L_Update_Option;
    TComboBox* CB_Update_Options;
    TCheckBox* CB_Update_Option_Read_Back;
    TPanel* P_Serial;
    TLabel* L_COM_Port;
    TComboBox* CB_COM_Port;
    TLbButton* Btn_COM_List;
    TPanel* P_Eth_Search;
    TLabel* L_List_Device;
    TLbButton* Btn_Search;
    // The devices found: IP address and MAC address.
    TProColumnGrid* CG_List_Devices;
    TCheckBox* CB_Find_All_VLM;
    TPanel* P_Button;
    TLbButton* Btn_Cancel;
    TLbButton* Btn_Update;

    // The job file's document.
    TXMLDocument* XML1;

private:
    void Show_Ethernet();
    void Show_Serial();
    // Handles pending messages and lets Pause_Step pass.
    void Pause();

    bool FChecking = false;
};

extern TFBoot* FBoot;
