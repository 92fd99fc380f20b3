#pragma once
// The topic-template window: one template text in a rich edit, with the
// keywords a template may hold listed below it. The topic editor sets the
// three fields and the text before showing it and reads the plain text
// after OK.
#include "platform/controls/Form.h"

class TPanel;
class TLabel;
class TRichEdit;
class TSplitter;
class TProStringGrid;
class TLbButton;

class TFTopicTemplate : public TForm {
public:
    explicit TFTopicTemplate(TComponent* AOwner = nullptr);
    ~TFTopicTemplate() override;

    void FormCreate(TObject* Sender);
    void Set_Lang();
    // The template captions, the keyword list, the focus in the edit.
    void FormShow(TObject* Sender);
    // The keywords of Pub_Sub's table, one row each below the header; the
    // descriptions are read-only.
    void Laod_Keywords();

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TPanel* Panel1;
    TRichEdit* RE_TopicTemplate;
    TSplitter* Splitter1;
    TPanel* P_Legend;
    TLabel* L_List_Keywords;
    TProStringGrid* SG_Keywords;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;

    // 1: the text is a Template column's.
    int TopicTemplate = 0;
    int Working_Mode = 1;
    // 0: the publish table, 1: the subscribe table.
    int Pub_Sub = 0;
};

extern TFTopicTemplate* FTopicTemplate;
