#pragma once
// The options window: the user-interface language chosen from the language
// files, the internet and update-check options with an immediate version
// check, and the two table-behaviour flags.
#include "platform/controls/Form.h"

class TPanel;
class TLabel;
class TImage;
class TCheckBox;
class TLinkLabel;
class TPageControl;
class TTabSheet;
class TLbButton;
class TStringList;

class TFSoftOptions : public TForm {
public:
    // Language slots on a page.
    static constexpr int Slots = 6;

    explicit TFSoftOptions(TComponent* AOwner = nullptr);
    ~TFSoftOptions() override;

    void FormCreate(TObject* Sender);
    // Takes the language in use, lists the language files, sets the boxes
    // from the options and shows the language page.
    void FormShow(TObject* Sender);
    // Stores the language and the options; the timer follows; closes with OK.
    void Btn_OKClick(TObject* Sender);
    // Btn_Next and Btn_Prev.
    void Btn_NextClick(TObject* Sender);
    // A slot's flag or name: asks, then switches the texts to that language.
    void LangClick(TObject* Sender);
    void CB_En_ConClick(TObject* Sender);
    void Btn_Check_UpdateClick(TObject* Sender);
    void LL_Check_UpdateLinkClick(TObject* Sender, const QString& Link);
    // SL_Languages: the "*.lng" files of Language_Dir that are not read-only,
    // sorted without regard to case.
    void Create_Lang_List();
    void Update_Lang_Page(int Num_Page);
    // CB_Update only while CB_En_Con is checked; Btn_Check_Update only while
    // CB_Update is enabled and checked.
    void Update_CheckBox();
    void Set_Lang();
    // Asks the maker's web server through the main window's HTTP client.
    bool Check_Version();
    static int Conv_Version(const QString& Ver_str);
    // (count + 5) div 6.
    int Page_Count() const;

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TPageControl* PC_Options;
    TTabSheet* TS_Language;
    TTabSheet* TS_Con_Options;
    TTabSheet* TS_Soft_Settings;
    TLabel* L_Sel_Lang;
    TLabel* L_Page_Lang;
    TImage* I_L[Slots];
    TLabel* L_L[Slots];
    TLbButton* Btn_Prev;
    TLbButton* Btn_Next;
    TCheckBox* CB_En_Con;
    TCheckBox* CB_Update;
    TLbButton* Btn_Check_Update;
    TLinkLabel* LL_Check_Update;
    TCheckBox* CB_Soft_Set_Jump_Table;
    TCheckBox* CB_DoubleClick_Auto_Size;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;

    // Language page shown, from 1.
    int Show_Page = 1;
    // File names of the language files ("English.lng"), sorted.
    TStringList* SL_Languages = nullptr;
    // The language chosen here; becomes Language_Name on OK.
    QString Language_In_Use;
};

extern TFSoftOptions* FSoftOptions;
