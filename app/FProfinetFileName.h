#pragma once
// The PROFINET file-name dialog: the GSDML file's name from a fixed
// leading part, the part the user types and a trailing part with the date
// of the program's start. On OK the name is left in Name_File_XML.
#include "platform/controls/Form.h"

class TPanel;
class TLabel;
class TEdit;
class TLbButton;

class TFProfinetFileName : public TForm {
public:
    explicit TFProfinetFileName(TComponent* AOwner = nullptr);
    ~TFProfinetFileName() override;

    // The fixed parts, the trailing one from today's date.
    void FormCreate(TObject* Sender);
    void Set_Lang();
    // Composes Name_File_XML and closes with OK.
    void Btn_OKClick(TObject* Sender);

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TLabel* Label1;
    TLabel* Label2;
    TLabel* L_XML_Fix1;
    TLabel* Label4;
    TEdit* E_XML_User;
    TLabel* Label5;
    TLabel* L_XML_Fix2;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;

    // The composed file name, read by the main window after OK.
    QString Name_File_XML;
};

extern TFProfinetFileName* FProfinetFileName;
