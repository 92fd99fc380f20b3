#pragma once
// The MQTT topic editor ("Set MQTT Topics"): the topics the gateway
// publishes and those it subscribes to, each bound to a position in its
// data area. Reads "MQTT_Set_Topic.xml" when shown, checks both tables on
// OK and rewrites the file whole. A double click on a Template cell opens
// the topic-template window.
#include "platform/controls/Form.h"

class TPanel;
class TLabel;
class TPageControl;
class TTabSheet;
class TProColumnGrid;
class TLbButton;
class TStringList;
class TXMLDocument;

class TFMQTT_Set_Topic : public TForm {
public:
    explicit TFMQTT_Set_Topic(TComponent* AOwner = nullptr);
    ~TFMQTT_Set_Topic() override;

    void FormCreate(TObject* Sender);
    void Set_Lang();
    // Columns of working mode 1, both tables emptied to 1024 rows, then the
    // topic file; a damaged file, or one with more rows than a table, is
    // reported and what was read is shown.
    void FormShow(TObject* Sender);
    // OK: the checks, then the file; a failure keeps the window open.
    void Btn_OKClick(TObject* Sender);
    bool Controllo_dati();
    // True (wrong) when Str holds an odd number of "$".
    static bool Error_In_Topic_Template(const QString& Str);
    // Edits the template cell (real row and column) in the template window.
    void Show_Form_Topic(TObject* Sender, int ARow, int ACol);
    void Btn_DelRowClick(TObject* Sender);
    void Btn_InsRowClick(TObject* Sender);
    void Btn_CopyRowClick(TObject* Sender);
    void Btn_PasteRowClick(TObject* Sender);
    void CG_MQTT_KeyPress(TObject* Sender, QChar& Key);
    // Header auto-size, then the template window for a Template cell.
    void CG_MQTT_DblClickCell(TObject* Sender, int ARow, int ACol);
    // Header cells hint with their column's hint.
    void CG_MQTT_GridHint(TObject* Sender, int ARow, int ACol, QString& hintstr);

    // The grid of the active page.
    TProColumnGrid* Active_Grid() const;

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TPageControl* PageControl1;
    TTabSheet* TS_MQTT_Publish;
    TTabSheet* TS_MQTT_Subscribe;
    TProColumnGrid* CG_Pub;
    TProColumnGrid* CG_Sub;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;
    TLbButton* Btn_DelRow;
    TLbButton* Btn_InsRow;
    TLbButton* Btn_CopyRow;
    TLbButton* Btn_PasteRow;
    TXMLDocument* XML1;

    bool Do_Copy_Pub = false;
    bool Do_Copy_Sub = false;
    // Header hints by column from column 1.
    TStringList* Hint_MQTT_Set_Topic_Pub = nullptr;
    TStringList* Hint_MQTT_Set_Topic_Sub = nullptr;
    int Byte_IN = 1440;
    int Byte_OUT = 1440;
    int Working_Mode = 1;

private:
    TProColumnGrid* Make_Grid(TTabSheet* Page, const char* Name, int Pub_Sub);
    void Show_Columns(TProColumnGrid* Grid, int Pub_Sub);
};

extern TFMQTT_Set_Topic* FMQTT_Set_Topic;
