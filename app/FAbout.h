#pragma once
// The about window: fixed product texts and a link to the maker's home page.
#include "platform/controls/Form.h"

class TImage;
class TLabel;
class TLbButton;

class TFAbout : public TForm {
public:
    explicit TFAbout(TComponent* AOwner = nullptr);
    ~TFAbout() override;

    // Description, software code, version and manual code; the texts do not
    // follow the language.
    void FormShow(TObject* Sender);
    // Opens the maker's home page (also the picture's click).
    void Label4Click(TObject* Sender);

    TImage* Image2;
    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label3;
    TLabel* Label10;
    TLabel* Label6;
    TLabel* Label9;
    TLabel* Label8;
    TLabel* Label12;
    TLabel* Label4;
    TLbButton* LbButton1;
};

extern TFAbout* FAbout;
