#include "app/Form1.h"
#include "app/EnOceanParts.h"
#include "app/WindowParts.h"
#include "core/Catalog_EnOcean.h"
#include "core/Globals.h"
#include "platform/controls/Button.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Label.h"
#include "platform/rtl/StringList.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* AOwner) : TForm(AOwner)
{
    SetName(QStringLiteral("Form1"));
    Form1 = this;
    SetCaption(QStringLiteral("Form1"));
    SetBounds(0, 0, 1150, 411);
    SetClientWidth(1150);
    SetClientHeight(411);

    Button1 = Place<TButton>(this, this, "Button1", 24, 24, 120, 25);
    Button1->SetCaption(QStringLiteral("Carica XML"));
    Button1->OnClick = [this](TObject* Sender) { Button1Click(Sender); };
    const char* const names[] = {"Label1", "Label2", "Label3", "Label4"};
    const char* const captions[] = {"RORG", "FUNC", "TYPE", "DATAFIELD"};
    const char* const lists[] = {"CB_Rorg", "CB_Func", "CB_Type", "CB_DataField"};
    TLabel** labels[] = {&Label1, &Label2, &Label3, &Label4};
    TComboBox** combos[] = {&CB_Rorg, &CB_Func, &CB_Type, &CB_DataField};
    for (int i = 0; i < 4; ++i) {
        *labels[i] = Place<TLabel>(this, this, names[i], 24, 83 + 40 * i, 90, 16);
        (*labels[i])->SetCaption(QString::fromLatin1(captions[i]));
        *combos[i] = Place<TComboBox>(this, this, lists[i], 120, 80 + 40 * i, 1000, 22);
        (*combos[i])->SetStyle(csDropDownList);
    }
    CB_Rorg->OnChange = [this](TObject* Sender) { CB_RorgChange(Sender); };
    CB_Func->OnChange = [this](TObject* Sender) { CB_FuncChange(Sender); };
    CB_Type->OnChange = [this](TObject* Sender) { CB_TypeChange(Sender); };

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

TForm1::~TForm1()
{
    delete Catalog_EnOcean;
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::FormCreate(TObject*)
{
    delete Catalog_EnOcean;
    Catalog_EnOcean = new TCatalog_EnOcean;
}

void TForm1::Button1Click(TObject*)
{
    const bool ok = Catalog_EnOcean->Read_Cat_EnOcean_XML(Cat_EnOcean_Dir + QStringLiteral("/eep.xml"));
    ShowMessage(ok ? QStringLiteral("OK") : QStringLiteral("Error"));
    Fill_Combo(CB_Rorg, Catalog_EnOcean->Rorg_SL);
    Fill_Combo(CB_Func, nullptr);
    Fill_Combo(CB_Type, nullptr);
}

void TForm1::CB_RorgChange(TObject*)
{
    const int r = CB_Rorg->ItemIndex();
    if (r < 0 || r >= int(Catalog_EnOcean->List_Rorg.size()))
        return;
    Fill_Combo(CB_Func, Catalog_EnOcean->List_Rorg[size_t(r)]->Func_SL);
    Fill_Combo(CB_Type, nullptr);
}

void TForm1::CB_FuncChange(TObject*)
{
    const int r = CB_Rorg->ItemIndex();
    const int f = CB_Func->ItemIndex();
    if (r < 0 || r >= int(Catalog_EnOcean->List_Rorg.size()))
        return;
    const TRorg* rorg = Catalog_EnOcean->List_Rorg[size_t(r)];
    if (f < 0 || f >= int(rorg->List_Func.size()))
        return;
    Fill_Combo(CB_Type, rorg->List_Func[size_t(f)]->Type_SL);
}

void TForm1::CB_TypeChange(TObject*) {}
