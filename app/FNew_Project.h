#pragma once
// The new-configuration dialog: asks for a name, creates the folder
// PROJECTS/<name> with its "bin" folder and makes it the active
// configuration.
#include "platform/controls/Form.h"

class TPanel;
class TLabel;
class TEdit;
class TLbButton;

// True when Name can be a folder directly below PROJECTS: not empty, not
// "." or "..", no "/" or "\" and no control character.
bool Is_Safe_Conf_Name(const QString& Name);

class TFNew_Project : public TForm {
public:
    explicit TFNew_Project(TComponent* AOwner = nullptr);
    ~TFNew_Project() override;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    // Checks the name as typed (107 empty, 106 exists, 105 not a folder
    // name), creates the folders and closes with OK. A folder that cannot
    // be created is reported with the system's reason; nothing is left.
    void Btn_OKClick(TObject* Sender);
    // Enter runs the OK handler.
    void E_New_ProjKeyPress(TObject* Sender, QChar& Key);
    void Set_Lang();

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TLabel* Label1;
    TEdit* E_New_Proj;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;
};

extern TFNew_Project* FNew_Project;
