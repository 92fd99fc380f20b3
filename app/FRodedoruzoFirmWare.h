#pragma once
// The main window: the numbered steps of the configuration workflow, one
// push button per step dispatched by Btn_Click, the start-up sequence, the
// settings, the update-check timer and the language refresh of the other
// windows. The only window that is not modal.
#include "platform/controls/Form.h"
#include <cstdint>
#include <memory>

class TLabel;
class TShape;
class TLinkLabel;
class TLbButton;
class TTimer;
class TXMLDocument;
class TSaveDialog;
class IHttpClient;

class TFRodedoruzoFirmWare : public TForm {
public:
    explicit TFRodedoruzoFirmWare(TComponent* AOwner = nullptr);
    ~TFRodedoruzoFirmWare() override;

    // Start-up: text table, layout, folders, settings, timer, captions,
    // language, last configuration, file paths, row clipboard, catalogue.
    void FormCreate(TObject* Sender);
    // Writes the settings; the close goes on.
    void FormClose(TObject* Sender, TCloseAction& Action);
    // One handler for every button; steps 2 to 6 need an active configuration
    // whose folder exists.
    void Btn_Click(TObject* Sender);
    // Texts 0 to 35 and the label pair.
    void Set_Lang();
    void Set_Files();
    // Writes "Stratagon.xml"; a failed write is shown in an error box.
    void Save_Setting();
    void Create_New_Project();
    void Open_Project();
    // Step 5: SD1 in Conf_Dir, ".csv" added unless the name ends in it (any
    // case), text 31 before replacing a file, then the EDE export; a failed
    // export is shown in an error box.
    void BACnet_EDE_File();
    // The hidden GSDML step: the file-name dialog, then the export with
    // the composed name; a failed export is shown in an error box.
    void PROFINET_XML();
    // Step 6: builds the images and writes the bank files (making "bin"
    // when missing), then opens FBoot in Ethernet mode with the BACnet type.
    // Note: a failed build or write is shown in an error box and the update
    // window stays closed, so no old images are sent.
    void Update_Device();
    // BACnet_Type of the parameter file; 0 when the file, its root or the
    // element is missing or the text is no integer.
    int Get_Type_BACnet();
    // Starts NomeSW in its folder and waits until it ends or 150000 ms have
    // passed; the program is never stopped. A failed start shows an error
    // box naming the program.
    // Note: Parameter and tipo are kept for the callers; the program gets no
    // arguments and is shown the desktop's way.
    void Start_Program(const QString& NomeSW, const QString& Parameter, uint8_t tipo);
    // The update check: off, ask the server, show or hide LL_Update, then on
    // again every 7200000 ms.
    void Timer_UpdateTimer(TObject* Sender);
    void LL_UpdateLinkClick(TObject* Sender, const QString& Link);
    void L_VelmoraClick(TObject* Sender);
    // Re-applies the texts of this window and the other windows that follow
    // a language switch.
    void Change_Language();
    // Timer_Update on exactly when internet and update check are both on.
    void Update_Timer_State();

    // Controls
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TLabel* L_Begin;
    TShape* Shape2;
    TLabel* L_Name_Conf;
    TLabel* L_Name_Conf_L2;
    TLabel* L_Step[8];
    TShape* Shape1;
    TLabel* L_Velmora;
    TLinkLabel* LL_Update;
    TLbButton* Btn_Info;
    TLbButton* Btn_Opz;
    TLbButton* Btn_Close;
    TLbButton* Btn_New;
    TLbButton* Btn_Open;
    TLbButton* Btn_Prm_Gen;
    TLbButton* Btn_EnOcean_Access;
    TLbButton* Btn_BACnet_SetAccess;
    TLbButton* Btn_BACnet_EDE_File;
    TLbButton* Btn_CreateBin;
    TLbButton* Btn_MQTT_Set_Topic;
    TLbButton* Btn_PROFINET_XML;
    TTimer* Timer_Update;

    // The EDE export's save dialog.
    TSaveDialog* SD1;

    // The settings file's and the configuration readers' document.
    TXMLDocument* XML1;
    // The version check's client.
    std::unique_ptr<IHttpClient> HTTP1;

private:
    void Lay_Out();
    void Show_Label_Pair();
    // A configuration is open and its folder is there; a folder gone since
    // leaves no configuration open.
    bool Configuration_Present();
    // Keeps a copy of a damaged settings file and says what was used.
    void Report_Damaged_Settings(const QString& Reason);
};

extern TFRodedoruzoFirmWare* FRodedoruzoFirmWare;
