#include "app/FMQTT_Set_Topic.h"
#include "app/FTopicTemplate.h"
#include "app/TableEditorParts.h"
#include "app/TableRowHelpers.h"
#include "app/WindowParts.h"
#include "controls/button/LbButton.h"
#include "core/Globals.h"
#include "core/MQTT_Topics.h"
#include "grid/features/ProColumnGrid.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Label.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RichEdit.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/XmlDocument.h"

TFMQTT_Set_Topic* FMQTT_Set_Topic = nullptr;

namespace {

constexpr int Topic_Client_Width = 1100;
constexpr int Topic_Client_Height = 337;
constexpr TColor Topic_Window_Colour = TColor(0xEDF7F8);

struct TTopic_Column_Look {
    int Width;
    TEditorType Editor;
    QStringList Items;
};

QStringList Channels()
{
    QStringList list;
    for (int i = 0; i < 64; ++i)
        list << QString::number(i);
    return list << QStringLiteral("All");
}

const QStringList QoS_Items{"0", "1", "2"};
const QStringList Type_Items{"Int", "Float", "String", "Base64"};
const QStringList Template_Items{"$VALUE$"};

std::vector<TTopic_Column_Look> Topic_Columns(int Pub_Sub)
{
    if (Pub_Sub == 0)
        return {{40, edNormal, {}},          {300, edNormal, {}},         {60, edDataCheckBox, {}},
                {80, edComboList, QoS_Items}, {80, edComboList, Type_Items}, {80, edNormal, {}},
                {80, edNormal, {}},          {100, edNormal, {}},         {120, edNormal, {}},
                {130, edComboEdit, Template_Items}, {75, edDataCheckBox, {}}, {55, edDataCheckBox, {}},
                {64, edDataCheckBox, {}},    {70, edNormal, {}},          {60, edComboList, Channels()},
                {40, edDataCheckBox, {}},    {80, edDataCheckBox, {}},    {170, edNormal, {}}};
    return {{40, edNormal, {}},          {300, edNormal, {}},         {60, edDataCheckBox, {}},
            {80, edComboList, QoS_Items}, {80, edComboList, Type_Items}, {80, edNormal, {}},
            {80, edNormal, {}},          {100, edNormal, {}},         {50, edNormal, {}},
            {64, edComboList, {"TCP", "UDP"}}, {130, edNormal, {}},   {130, edComboEdit, Template_Items},
            {40, edDataCheckBox, {}},    {80, edDataCheckBox, {}},    {220, edNormal, {}}};
}

} // namespace

TFMQTT_Set_Topic::TFMQTT_Set_Topic(TComponent* AOwner) : TForm(AOwner)
{
    SetName(QStringLiteral("FMQTT_Set_Topic"));
    FMQTT_Set_Topic = this;
    SetPosition(poScreenCenter);
    SetColor(Topic_Window_Colour);
    SetShowHint(true);
    Font()->SetName(QStringLiteral("Verdana"));
    Font()->SetSize(8);
    SetBounds(0, 0, Topic_Client_Width, Topic_Client_Height);
    XML1 = new TXMLDocument(this);
    XML1->SetName(QStringLiteral("XML1"));

    const TTitleBand band = Place_Editor_Title_Band(this, Topic_Client_Width, Topic_Window_Colour);
    P_Title = band.P_Title;
    L_SW_Code = band.L_SW_Code;
    L_SW_Desc = band.L_SW_Desc;

    TRow_Buttons buttons = Place_Row_Buttons(this, Topic_Client_Width, Topic_Client_Height, Topic_Window_Colour);
    P_Button = buttons.P_Button;
    Btn_OK = buttons.Btn_OK;
    Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
    Btn_Cancel = buttons.Btn_Cancel;
    Btn_DelRow = buttons.Btn_DelRow;
    Btn_DelRow->OnClick = [this](TObject* Sender) { Btn_DelRowClick(Sender); };
    Btn_InsRow = buttons.Btn_InsRow;
    Btn_InsRow->OnClick = [this](TObject* Sender) { Btn_InsRowClick(Sender); };
    Btn_CopyRow = buttons.Btn_CopyRow;
    Btn_CopyRow->OnClick = [this](TObject* Sender) { Btn_CopyRowClick(Sender); };
    Btn_PasteRow = buttons.Btn_PasteRow;
    Btn_PasteRow->OnClick = [this](TObject* Sender) { Btn_PasteRowClick(Sender); };

    PageControl1 = Place<TPageControl>(this, this, "PageControl1", 0, 69, Topic_Client_Width, Topic_Client_Height - 109);
    PageControl1->SetAlign(alClient);
    TS_MQTT_Publish = new TTabSheet(this);
    TS_MQTT_Publish->SetName(QStringLiteral("TS_MQTT_Publish"));
    TS_MQTT_Publish->SetPageControl(PageControl1);
    TS_MQTT_Subscribe = new TTabSheet(this);
    TS_MQTT_Subscribe->SetName(QStringLiteral("TS_MQTT_Subscribe"));
    TS_MQTT_Subscribe->SetPageControl(PageControl1);
    CG_Pub = Make_Grid(TS_MQTT_Publish, "CG_Pub", 0);
    CG_Sub = Make_Grid(TS_MQTT_Subscribe, "CG_Sub", 1);

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

TFMQTT_Set_Topic::~TFMQTT_Set_Topic()
{
    if (FMQTT_Set_Topic == this)
        FMQTT_Set_Topic = nullptr;
    delete Hint_MQTT_Set_Topic_Pub;
    delete Hint_MQTT_Set_Topic_Sub;
}

TProColumnGrid* TFMQTT_Set_Topic::Make_Grid(TTabSheet* Page, const char* Name, int Pub_Sub)
{
    auto* grid = Place<TProColumnGrid>(this, Page, Name, 0, 0, Page->ClientWidth(), Page->ClientHeight());
    grid->SetAlign(alClient);
    const std::vector<TTopic_Column_Look> looks = Topic_Columns(Pub_Sub);
    grid->SetColCount(int(looks.size()));
    grid->SetRowCount(MQTT_Table_Rows + 1);
    Grid_Table_Look(grid);
    grid->SetHintShowCells(true);
    for (int c = 0; c < int(looks.size()); ++c) {
        TGridColumnItem* item = grid->Columns()->Items(c);
        item->SetWidth(looks[size_t(c)].Width);
        item->SetEditor(looks[size_t(c)].Editor);
        item->ComboItems()->AddStrings(looks[size_t(c)].Items);
        if (looks[size_t(c)].Editor == edDataCheckBox)
            item->SetAlignment(taCenter);
    }
    grid->ColumnItem(0)->SetFixed(true);
    grid->OnKeyPress = [this](TObject* Sender, QChar& Key) { CG_MQTT_KeyPress(Sender, Key); };
    grid->OnDblClickCell = [this](TObject* Sender, int ARow, int ACol) { CG_MQTT_DblClickCell(Sender, ARow, ACol); };
    grid->OnGridHint = [this](TObject* Sender, int ARow, int ACol, QString& hintstr) {
        CG_MQTT_GridHint(Sender, ARow, ACol, hintstr);
    };
    return grid;
}

void TFMQTT_Set_Topic::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(Topic_Client_Width);
    SetClientHeight(Topic_Client_Height);
    delete Hint_MQTT_Set_Topic_Pub;
    delete Hint_MQTT_Set_Topic_Sub;
    Hint_MQTT_Set_Topic_Pub = new TStringList;
    Hint_MQTT_Set_Topic_Sub = new TStringList;
    Set_Lang();
}

void TFMQTT_Set_Topic::Set_Lang()
{
    SetCaption(Lang(1400));
    L_SW_Desc->SetCaption(Lang(1401));
    TLbButton* const buttons[] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    for (int i = 0; i < 6; ++i) {
        buttons[i]->SetCaption(Lang(1402 + i));
        buttons[i]->SetHint(Lang(1408 + i));
    }
    TS_MQTT_Publish->SetCaption(Lang(1433));
    TS_MQTT_Subscribe->SetCaption(Lang(1434));
    TProColumnGrid* const grids[] = {CG_Pub, CG_Sub};
    TStringList* const hints[] = {Hint_MQTT_Set_Topic_Pub, Hint_MQTT_Set_Topic_Sub};
    for (int t = 0; t < 2; ++t) {
        const QStringList headers = MQTT_Headers(t);
        for (int c = 0; c < headers.size(); ++c)
            grids[t]->ColumnItem(c)->SetHeader(headers[c]);
        if (hints[t]) {
            hints[t]->Clear();
            for (const QString& hint : MQTT_Header_Hints(t))
                hints[t]->Add(hint);
        }
    }
}

void TFMQTT_Set_Topic::Show_Columns(TProColumnGrid* Grid, int Pub_Sub)
{
    const QList<int> hidden = MQTT_Hidden_Cols(Pub_Sub, Working_Mode);
    const int cols = Grid->ColCount() + Grid->NumHiddenColumns();
    for (int c = 1; c < cols; ++c) {
        if (hidden.contains(c) && !Grid->IsHiddenColumn(c))
            Grid->HideColumn(c);
        else if (!hidden.contains(c) && Grid->IsHiddenColumn(c))
            Grid->UnHideColumn(c);
    }
}

void TFMQTT_Set_Topic::FormShow(TObject*)
{
    Working_Mode = 1;
    Byte_IN = MQTT_Byte_IN;
    Byte_OUT = MQTT_Byte_OUT;
    Show_Columns(CG_Pub, 0);
    Show_Columns(CG_Sub, 1);
    TS_MQTT_Subscribe->SetTabVisible(true);
    PageControl1->SetActivePage(TS_MQTT_Publish);
    Grid_Reset_Rows(CG_Pub, MQTT_Table_Rows);
    Grid_Reset_Rows(CG_Sub, MQTT_Table_Rows);

    TTable_Rows pub, sub;
    const QString messages = Read_MQTT_File(XML1, File_MQTT_Set_Topic, MQTT_Table_Rows, pub, sub);
    Grid_Load_Table(CG_Pub, pub);
    Grid_Load_Table(CG_Sub, sub);
    Report_Table_File(messages, MQTT_Table_Rows, QStringLiteral("topics"));
    Do_Copy_Pub = false;
    Do_Copy_Sub = false;
}

bool TFMQTT_Set_Topic::Error_In_Topic_Template(const QString& Str)
{
    return ::Error_In_Topic_Template(Str);
}

bool TFMQTT_Set_Topic::Controllo_dati()
{
    const QString error = Check_MQTT_Tables(Grid_Table(CG_Pub), Grid_Table(CG_Sub), Working_Mode);
    if (!error.isEmpty())
        Error_Box(error);
    return error.isEmpty();
}

void TFMQTT_Set_Topic::Btn_OKClick(TObject*)
{
    const bool saved = Check_And_Save(
        CG_Pub, CG_Sub, [this] { return Controllo_dati(); },
        [this] { Write_MQTT_File(XML1, File_MQTT_Set_Topic, Grid_Table(CG_Pub), Grid_Table(CG_Sub)); });
    if (saved)
        SetModalResult(mrOk);
}

TProColumnGrid* TFMQTT_Set_Topic::Active_Grid() const
{
    return PageControl1->ActivePage() == TS_MQTT_Subscribe ? CG_Sub : CG_Pub;
}

void TFMQTT_Set_Topic::Btn_DelRowClick(TObject*)
{
    Ask_Delete_Row(Active_Grid(), Lang(1423));
}

void TFMQTT_Set_Topic::Btn_InsRowClick(TObject*)
{
    Insert_Current_Row(Active_Grid());
}

void TFMQTT_Set_Topic::Btn_CopyRowClick(TObject*)
{
    Copy_Current_Row(Active_Grid());
    Do_Copy_Pub = Active_Grid() == CG_Pub;
    Do_Copy_Sub = !Do_Copy_Pub;
}

void TFMQTT_Set_Topic::Btn_PasteRowClick(TObject*)
{
    Paste_Current_Row(Active_Grid(), Active_Grid() == CG_Pub ? Do_Copy_Pub : Do_Copy_Sub);
}

void TFMQTT_Set_Topic::CG_MQTT_KeyPress(TObject* Sender, QChar& Key)
{
    Grid_KeyPress_Jump(Sender, Key);
}

void TFMQTT_Set_Topic::CG_MQTT_DblClickCell(TObject* Sender, int ARow, int ACol)
{
    auto* grid = static_cast<TProColumnGrid*>(Sender);
    Grid_DblClick_AutoSize(grid, ARow, ACol);
    const int templateCol = grid == CG_Pub ? int(Pub_Col_Template) : int(Sub_Col_Template);
    if (grid->Row() > 0 && grid->RealCol() == templateCol)
        Show_Form_Topic(grid, grid->RealRow(), grid->RealCol());
}

void TFMQTT_Set_Topic::Show_Form_Topic(TObject* Sender, int ARow, int ACol)
{
    auto* grid = static_cast<TProColumnGrid*>(Sender);
    if (!FTopicTemplate)
        return;
    // An open in-place editor would write its text over the result later.
    grid->HideInplaceEdit();
    FTopicTemplate->TopicTemplate = 1;
    FTopicTemplate->Working_Mode = Working_Mode;
    FTopicTemplate->Pub_Sub = grid == CG_Pub ? 0 : 1;
    FTopicTemplate->RE_TopicTemplate->Clear();
    FTopicTemplate->RE_TopicTemplate->SetText(grid->AllCells(ACol, ARow));
    if (FTopicTemplate->ShowModal() == mrOk)
        grid->SetAllCells(ACol, ARow, FTopicTemplate->RE_TopicTemplate->Text());
}

void TFMQTT_Set_Topic::CG_MQTT_GridHint(TObject* Sender, int ARow, int ACol, QString& hintstr)
{
    auto* grid = static_cast<TProColumnGrid*>(Sender);
    TStringList* hints = grid == CG_Pub ? Hint_MQTT_Set_Topic_Pub : Hint_MQTT_Set_Topic_Sub;
    const int c = grid->RealColIndex(ACol);
    if (ARow == 0 && c > 0 && hints && c - 1 < hints->Count())
        hintstr = hints->Strings(c - 1);
}
