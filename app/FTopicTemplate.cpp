#include "app/FTopicTemplate.h"
#include "app/WindowParts.h"
#include "controls/button/LbButton.h"
#include "core/Globals.h"
#include "core/MQTT_Topics.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/CellProperties.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RichEdit.h"
#include "platform/controls/Splitter.h"
#include "platform/graphics/GraphicsObjects.h"

TFTopicTemplate* FTopicTemplate = nullptr;

namespace {

constexpr int Template_Client_Width = 635;
constexpr int Template_Client_Height = 396;

} // namespace

TFTopicTemplate::TFTopicTemplate(TComponent* AOwner) : TForm(AOwner)
{
    SetName(QStringLiteral("FTopicTemplate"));
    FTopicTemplate = this;
    SetPosition(poScreenCenter);
    Font()->SetName(QStringLiteral("Tahoma"));
    Font()->SetSize(8);
    SetBounds(0, 0, Template_Client_Width, Template_Client_Height);

    const TTitleBand band = Place_Title_Band(this, this, Template_Client_Width);
    P_Title = band.P_Title;
    L_SW_Code = band.L_SW_Code;
    L_SW_Desc = band.L_SW_Desc;

    P_Button = Place<TPanel>(this, this, "P_Button", 0, Template_Client_Height - 44, Template_Client_Width, 44);
    P_Button->SetAlign(alBottom);
    P_Button->SetBevelOuter(bvNone);
    P_Button->SetShowCaption(false);
    Btn_OK = Place_Button(this, P_Button, "Btn_OK", 210, 8, 96, 28);
    Btn_OK->SetModalResult(mrOk);
    Btn_Cancel = Place_Button(this, P_Button, "Btn_Cancel", 326, 8, 96, 28);
    Btn_Cancel->SetModalResult(mrCancel);

    P_Legend = Place<TPanel>(this, this, "P_Legend", 0, Template_Client_Height - 152, Template_Client_Width, 108);
    P_Legend->SetAlign(alBottom);
    P_Legend->SetBevelOuter(bvNone);
    P_Legend->SetShowCaption(false);
    L_List_Keywords = Place<TLabel>(this, P_Legend, "L_List_Keywords", 8, 2, 300, 16);
    SG_Keywords = Place<TProStringGrid>(this, P_Legend, "SG_Keywords", 8, 20, 600, 84);
    SG_Keywords->SetColCount(2);
    SG_Keywords->SetFixedCols(0);
    SG_Keywords->SetFixedRows(1);
    SG_Keywords->SetColWidths(0, 200);
    SG_Keywords->SetColWidths(1, 380);
    SG_Keywords->SetOptions(SG_Keywords->Options() + goEditing);
    // Keywords are shown as they are written, never read as markup.
    SG_Keywords->SetEnableHTML(false);
    Splitter1 = Place<TSplitter>(this, this, "Splitter1", 0, Template_Client_Height - 155, Template_Client_Width, 3);
    Splitter1->SetAlign(alBottom);

    Panel1 = Place<TPanel>(this, this, "Panel1", 0, 48, Template_Client_Width, Template_Client_Height - 203);
    Panel1->SetAlign(alClient);
    Panel1->SetBevelOuter(bvNone);
    Panel1->SetShowCaption(false);
    RE_TopicTemplate = Place<TRichEdit>(this, Panel1, "RE_TopicTemplate", 0, 0, Template_Client_Width, Template_Client_Height - 203);
    RE_TopicTemplate->SetAlign(alClient);

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

TFTopicTemplate::~TFTopicTemplate()
{
    if (FTopicTemplate == this)
        FTopicTemplate = nullptr;
}

void TFTopicTemplate::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(Template_Client_Width);
    SetClientHeight(Template_Client_Height);
    Set_Lang();
}

void TFTopicTemplate::Set_Lang()
{
    SetCaption(Lang(1600));
    L_SW_Desc->SetCaption(Lang(1602));
    L_List_Keywords->SetCaption(Lang(1604));
    SG_Keywords->SetCells(0, 0, Lang(1605));
    SG_Keywords->SetCells(1, 0, Lang(1606));
    Btn_OK->SetCaption(Lang(1607));
    Btn_Cancel->SetCaption(Lang(1608));
}

void TFTopicTemplate::FormShow(TObject*)
{
    if (TopicTemplate == 1) {
        SetCaption(Lang(1601));
        L_SW_Desc->SetCaption(Lang(1603));
    }
    Laod_Keywords();
    if (RE_TopicTemplate->CanFocus())
        RE_TopicTemplate->SetFocus();
}

void TFTopicTemplate::Laod_Keywords()
{
    if (Working_Mode != 1 || TopicTemplate != 1)
        return;
    const QList<QPair<QString, QString>> keywords = MQTT_Template_Keywords(Pub_Sub);
    SG_Keywords->SetRowCount(int(keywords.size()) + 1);
    for (int i = 0; i < keywords.size(); ++i) {
        SG_Keywords->SetCells(0, i + 1, keywords[i].first);
        SG_Keywords->SetCells(1, i + 1, keywords[i].second);
        SG_Keywords->CellProperties(1, i + 1)->SetReadOnly(true);
    }
}
