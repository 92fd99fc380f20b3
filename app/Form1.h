#pragma once
// The catalogue test window: reads an EEP catalogue into a catalogue of
// its own and walks its RORG, FUNC and TYPE lists. Created at start-up;
// nothing in the program opens it. Its texts are fixed.
#include "platform/controls/Form.h"

class TButton;
class TLabel;
class TComboBox;
class TCatalog_EnOcean;

class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* AOwner = nullptr);
    ~TForm1() override;

    void FormCreate(TObject* Sender);
    // Reads "eep.xml" of the catalogue folder, says "OK" or "Error" and
    // fills the RORG list.
    void Button1Click(TObject* Sender);
    void CB_RorgChange(TObject* Sender);
    void CB_FuncChange(TObject* Sender);
    void CB_TypeChange(TObject* Sender);

    TCatalog_EnOcean* Catalog_EnOcean = nullptr;

    TButton* Button1;
    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label3;
    TLabel* Label4;
    TComboBox* CB_Rorg;
    TComboBox* CB_Func;
    TComboBox* CB_Type;
    TComboBox* CB_DataField;
};

extern TForm1* Form1;
