#include "app/FAbout.h"
#include "app/VersionCheck.h"
#include "app/WindowParts.h"
#include "controls/button/LbButton.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/services/Shell.h"

TFAbout* FAbout = nullptr;

TFAbout::TFAbout(TComponent* AOwner) : TForm(AOwner)
{
    SetName(QStringLiteral("FAbout"));
    FAbout = this;
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetColor(clWhite);
    SetBounds(0, 0, 425, 148);
    SetCaption(QStringLiteral("About"));

    Image2 = Place<TImage>(this, this, "Image2", 12, 12, 81, 81);
    Image2->SetStretch(true);
    Image2->SetCursor(crHandPoint);
    Image2->OnClick = [this](TObject* Sender) { Label4Click(Sender); };
    auto label = [this](const char* Name, int Left, int Top, int Width, const QString& Text) {
        TLabel* l = Place<TLabel>(this, this, Name, Left, Top, Width, 16);
        l->SetCaption(Text);
        return l;
    };
    Label1 = label("Label1", 108, 10, 300, QStringLiteral("Software Stratagon "));
    Label1->Font()->SetStyle(TFontStyles{fsBold});
    Label2 = label("Label2", 108, 28, 300, QString());
    Label3 = label("Label3", 108, 48, 110, QStringLiteral("Version :"));
    Label10 = label("Label10", 220, 48, 180, QString());
    Label6 = label("Label6", 108, 66, 110, QStringLiteral("Software Code : "));
    Label9 = label("Label9", 220, 66, 180, QString());
    Label8 = label("Label8", 108, 84, 110, QStringLiteral("Document Code :"));
    Label12 = label("Label12", 220, 84, 180, QString());
    Label4 = label("Label4", 108, 112, 180, QStringLiteral("www.velmora.com"));
    Label4->SetCursor(crHandPoint);
    Label4->Font()->SetColor(clBlue);
    Label4->Font()->SetStyle(TFontStyles{fsUnderline});
    Label4->OnClick = [this](TObject* Sender) { Label4Click(Sender); };
    LbButton1 = Place_Button(this, this, "LbButton1", 330, 108, 80, 30);
    LbButton1->SetCaption(QStringLiteral("OK"));
    LbButton1->SetModalResult(mrOk);

    OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

TFAbout::~TFAbout()
{
    if (FAbout == this)
        FAbout = nullptr;
}

void TFAbout::FormShow(TObject*)
{
    Label2->SetCaption(QStringLiteral("EnOcean / BACnet Slave - Converter"));
    Label9->SetCaption(QStringLiteral("KQ38R12"));
    Label10->SetCaption(QString::fromLatin1(SW_Version));
    Label12->SetCaption(QStringLiteral("UM38R12"));
    SetClientWidth(425);
    SetClientHeight(148);
}

void TFAbout::Label4Click(TObject*)
{
    ShellOpen(Home_Page_Url());
}
