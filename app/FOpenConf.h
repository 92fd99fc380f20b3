#pragma once
// The open-configuration dialog: lists the folders below PROJECTS and
// hands the chosen name to the main window in Name_Conf.
#include "platform/controls/Form.h"

class TPanel;
class TLabel;
class TListBox;
class TLbButton;
class TStringList;

class TFOpenConf : public TForm {
public:
    explicit TFOpenConf(TComponent* AOwner = nullptr);
    ~TFOpenConf() override;

    void FormCreate(TObject* Sender);
    // Rereads the folders and preselects the active configuration, else
    // the first entry.
    void FormShow(TObject* Sender);
    void ListBox1Click(TObject* Sender);
    // Fills SL afresh with the folders of Projects_Dir (hidden ones left out).
    void Load_Existing_Configuration();
    // Index of the first entry of SL equal to snc ignoring the case of
    // ASCII letters; -1 when none.
    int Search_Open_Conf(const QString& snc) const;
    void Set_Lang();

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TLabel* Label1;
    TListBox* ListBox1;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;

    // Folder names found at the last show, in listing order.
    TStringList* SL = nullptr;
    // The chosen configuration, read by the main window after OK.
    QString Name_Conf;
};

extern TFOpenConf* FOpenConf;
