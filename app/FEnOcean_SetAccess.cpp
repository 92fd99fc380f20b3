#include "app/FEnOcean_SetAccess.h"
#include "app/DeviceFields.h"
#include "app/EnOceanParts.h"
#include "app/WindowParts.h"
#include "controls/button/LbButton.h"
#include "controls/tabs/DeckTab.h"
#include "controls/tabs/DeckTabs.h"
#include "core/Catalog_EnOcean.h"
#include "core/EnOcean_Edit.h"
#include "core/EnOcean_File.h"
#include "core/Globals.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/Panel.h"
#include "platform/controls/TreeView.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/XmlDocument.h"

TFEnOcean_SetAccess* FEnOcean_SetAccess = nullptr;

namespace {

constexpr int Access_Label_Left = 16;
constexpr int Access_Field_Left = 180;
constexpr int Access_Field_Width = 201;
constexpr int Row_Step = 32;
constexpr int Max_Position = 1999;

TComboBox* Fixed_List(TComponent* Owner, TWinControl* Parent, const QByteArray& Name, int Left, int Top, int Width,
                      const QStringList& Items)
{
    TComboBox* list = Place<TComboBox>(Owner, Parent, Name.constData(), Left, Top, Width, 22);
    list->SetStyle(csDropDownList);
    for (const QString& item : Items)
        list->Items()->Add(item);
    return list;
}

TLabel* Row_Label(TComponent* Owner, TWinControl* Parent, const QByteArray& Name, int Top)
{
    return Place<TLabel>(Owner, Parent, Name.constData(), Access_Label_Left, Top + 3, Access_Field_Left - Access_Label_Left - 4, 16);
}

// Takes the Smart ACK lists out of the devices while it lives.
class TSmart_ACK_Aside {
public:
    explicit TSmart_ACK_Aside(TDevice_List& List) : FList(List)
    {
        for (TDevice_EnOcean* dev : FList)
            FKept.push_back(std::exchange(dev->SmartACKList, {}));
    }
    ~TSmart_ACK_Aside()
    {
        for (size_t i = 0; i < FList.size(); ++i)
            FList[i]->SmartACKList = std::move(FKept[i]);
    }

private:
    TDevice_List& FList;
    std::vector<std::vector<TRorFunTyp*>> FKept;
};

} // namespace

TFEnOcean_SetAccess::TFEnOcean_SetAccess(TComponent* AOwner) : TForm(AOwner)
{
    SetName(QStringLiteral("FEnOcean_SetAccess"));
    FEnOcean_SetAccess = this;
    SetPosition(poScreenCenter);
    SetShowHint(true);
    SetBounds(0, 0, Client_Width, Client_Height);
    XML1 = new TXMLDocument(this);
    XML1->SetName(QStringLiteral("XML1"));

    const TTitleBand band = Place_Title_Band(this, this, Client_Width);
    P_Title = band.P_Title;
    L_SW_Code = band.L_SW_Code;
    L_SW_Desc = band.L_SW_Desc;
    P_Button = Place_Plain_Panel(this, this, "P_Button", alBottom, 0, 0, Client_Width, 40);
    Btn_OK = Place_Button(this, P_Button, "Btn_OK", 420, 6, 110, 28);
    Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
    Btn_Cancel = Place_Button(this, P_Button, "Btn_Cancel", 560, 6, 110, 28);
    Btn_Cancel->SetModalResult(mrCancel);

    const int height = Client_Height - P_Title->Height() - P_Button->Height();
    TPanel* left = Place_Plain_Panel(this, this, "P_Devices", alLeft, 0, P_Title->Height(), 273, height);
    L_ID_Devices_List = Place<TLabel>(this, left, "L_ID_Devices_List", 8, 6, 250, 16);
    LB_ID_Devices_List = Place<TListBox>(this, left, "LB_ID_Devices_List", 8, 26, 257, height - 34);
    LB_ID_Devices_List->SetAnchors(TAnchors{akLeft, akTop, akRight, akBottom});
    LB_ID_Devices_List->OnClick = [this](TObject* Sender) { LB_ID_Devices_ListClick(Sender); };

    TPanel* right = Place_Plain_Panel(this, this, "P_Right", alClient, 0, 0, Client_Width - 273, 400);
    CT_ID_Data = Make_Tabs(right, "CT_ID_Data", {"ID & Security", "Data Exchange"});
    P_ID_Security = Place_Plain_Panel(this, right, "P_ID_Security", alClient, 0, 0, Client_Width - 273, 400);
    P_Data_Exchange = Place_Plain_Panel(this, right, "P_Data_Exchange", alClient, 0, 0, Client_Width - 273, 400);
    P_Data_Exchange->SetVisible(false);
    Create_Device_Page();
    Create_Data_Page();

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    OnClose = [this](TObject* Sender, TCloseAction& Action) { FormClose(Sender, Action); };
}

TFEnOcean_SetAccess::~TFEnOcean_SetAccess()
{
    Clear_Device_List(DevList);
    if (FEnOcean_SetAccess == this)
        FEnOcean_SetAccess = nullptr;
}

TDeckTabs* TFEnOcean_SetAccess::Make_Tabs(TWinControl* Parent, const char* Name,
                                           std::initializer_list<const char*> Captions)
{
    TDeckTabs* tabs = Place_Tab_Strip(this, Parent, Name, Captions);
    tabs->OnActiveTabChanged = [this](TObject* Sender, TDeckTab*) { Show_Page(Sender); };
    return tabs;
}

void TFEnOcean_SetAccess::Create_Device_Page()
{
    TPanel* p = P_ID_Security;
    const struct {
        const char* Name;
        QStringList Items;   // none for a text field
    } rows[] = {
        {"DevEnOcean_ID", {}},
        {"DevEnOcean_SecType", {"Unsecure", "Secure Pre Shared Key", "Secure with Manual Setting"}},
        {"DevEnOcean_Secure_Key", {}},
        {"DevEnOcean_Secure_RollCode", {}},
        {"DevEnOcean_Secure_RollCodeAlg", {"No RLC algorithm", "16-bit", "24-bit"}},
        {"DevEnOcean_Secure_RollCodeTx", {"No", "Yes"}},
        {"DevEnOcean_Secure_CMACAlg", {"No MAC", "AES128 - 3 bytes", "AES128 - 4 bytes"}},
        {"DevEnOcean_Secure_DataEnc", {"No data encryption", "VAES - AES128", "AES - CBC - AES128"}},
        {"DevEnOcean_Secure_PTM", {"No PTM", "PTM"}},
    };
    TLabel* labels[9];
    TControl* fields[9];
    for (int i = 0; i < 9; ++i) {
        const int top = 16 + Row_Step * i;
        labels[i] = Row_Label(this, p, QByteArray("L_") + rows[i].Name, top);
        if (rows[i].Items.isEmpty()) {
            TEdit* edit = Place<TEdit>(this, p, (QByteArray("E_") + rows[i].Name).constData(), Access_Field_Left, top,
                                       Access_Field_Width, 21);
            if (i > 0)
                edit->SetMaxLength(16);
            fields[i] = edit;
        } else {
            TComboBox* list =
                Fixed_List(this, p, QByteArray("CB_") + rows[i].Name, Access_Field_Left, top, Access_Field_Width, rows[i].Items);
            list->SetItemIndex(0);
            fields[i] = list;
        }
        FSecurity_Rows[i] = {labels[i], fields[i]};
    }
    L_DevEnOcean_ID = labels[0];
    E_DevEnOcean_ID = static_cast<TEdit*>(fields[0]);
    L_DevEnOcean_SecType = labels[1];
    CB_DevEnOcean_SecType = static_cast<TComboBox*>(fields[1]);
    L_DevEnOcean_Secure_Key = labels[2];
    E_DevEnOcean_Secure_Key = static_cast<TEdit*>(fields[2]);
    L_DevEnOcean_Secure_RollCode = labels[3];
    E_DevEnOcean_Secure_RollCode = static_cast<TEdit*>(fields[3]);
    L_DevEnOcean_Secure_RollCodeAlg = labels[4];
    CB_DevEnOcean_Secure_RollCodeAlg = static_cast<TComboBox*>(fields[4]);
    L_DevEnOcean_Secure_RollCodeTx = labels[5];
    CB_DevEnOcean_Secure_RollCodeTx = static_cast<TComboBox*>(fields[5]);
    L_DevEnOcean_Secure_CMACAlg = labels[6];
    CB_DevEnOcean_Secure_CMACAlg = static_cast<TComboBox*>(fields[6]);
    L_DevEnOcean_Secure_DataEnc = labels[7];
    CB_DevEnOcean_Secure_DataEnc = static_cast<TComboBox*>(fields[7]);
    L_DevEnOcean_Secure_PTM = labels[8];
    CB_DevEnOcean_Secure_PTM = static_cast<TComboBox*>(fields[8]);
    CB_DevEnOcean_SecType->OnChange = [this](TObject* Sender) { CB_DevEnOcean_SecTypeChange(Sender); };
    Btn_Add_Device = Place_Button(this, p, "Btn_Add_Device", Access_Label_Left, 0, 120, 28);
    Btn_Modify_Device = Place_Button(this, p, "Btn_Modify_Device", Access_Label_Left + 140, 0, 120, 28);
    Btn_Delete_Device = Place_Button(this, p, "Btn_Delete_Device", Access_Label_Left, 0, 120, 28);
    for (TLbButton* b : {Btn_Add_Device, Btn_Modify_Device, Btn_Delete_Device})
        b->OnClick = [this](TObject* Sender) { Btn_DeviceClick(Sender); };
}

void TFEnOcean_SetAccess::Create_Data_Page()
{
    CT_Uni_Smart_Remote = Make_Tabs(P_Data_Exchange, "CT_Uni_Smart_Remote", {"Unidirectional", "Smart ACK", "Remote"});
    CT_Uni_Smart_Remote->Tabs()->Items(2)->SetVisible(false);
    Create_EEP_Page(Uni, "Uni", true);
    Create_EEP_Page(SAck, "SAck", false);
    SAck.P_Page->SetVisible(false);
}

void TFEnOcean_SetAccess::Create_EEP_Page(TEEP_Page& Page, const char* Prefix, bool Bound)
{
    auto name = [&](const char* Name) { return QByteArray(Name) + "_" + Prefix; };
    const int width = Client_Width - 273;
    Page.P_Page = Place_Plain_Panel(this, P_Data_Exchange, (QByteArray("P_Page_") + Prefix).constData(), alClient, 0, 30, width, 400);
    Page.TW_EEP = Place<TTreeView>(this, Page.P_Page, name("TW_EEP").constData(), 0, 0, 400, 400);
    Page.TW_EEP->SetAlign(alLeft);
    Page.TW_EEP->SetReadOnly(true);
    Page.TW_EEP->SetHideSelection(false);
    TPanel* side = Place_Plain_Panel(this, Page.P_Page, name("P_Side").constData(), alClient, 0, 0, width - 400, 400);
    Page.CT_EEP_Var = Make_Tabs(side, name("CT_EEP_Var").constData(), {"EEP", "Variable"});
    Page.P_EEP = Place_Plain_Panel(this, side, name("P_EEP").constData(), alClient, 0, 0, width - 400, 370);
    Page.P_Var = Place_Plain_Panel(this, side, name("P_Var").constData(), alClient, 0, 0, width - 400, 370);
    Page.P_Var->SetVisible(false);

    auto row = [&](TPanel* Panel, const char* Label, const char* List, int Top, TLabel*& L, TComboBox*& CB) {
        L = Row_Label(this, Panel, name(Label), Top);
        CB = Fixed_List(this, Panel, name(List), 100, Top, 340, {});
        if (Bound)
            CB->OnChange = [this](TObject* Sender) { CB_EEP_Var_Change(Sender); };
    };
    row(Page.P_EEP, "L_EEP_Rorg", "CB_EEP_Rorg", 16, Page.L_EEP_Rorg, Page.CB_EEP_Rorg);
    row(Page.P_EEP, "L_EEP_Func", "CB_EEP_Func", 48, Page.L_EEP_Func, Page.CB_EEP_Func);
    row(Page.P_EEP, "L_EEP_Type", "CB_EEP_Type", 80, Page.L_EEP_Type, Page.CB_EEP_Type);
    row(Page.P_Var, "L_Var_Case", "CB_Var_Case", 16, Page.L_Var_Case, Page.CB_Var_Case);
    row(Page.P_Var, "L_Var_DataField", "CB_Var_DataField", 48, Page.L_Var_DataField, Page.CB_Var_DataField);
    Page.L_Var_Position = Row_Label(this, Page.P_Var, name("L_Var_Position"), 80);
    Page.E_Var_Position = Place<TEdit>(this, Page.P_Var, name("E_Var_Position").constData(), 100, 80, 100, 21);
    Page.L_Var_BitStart = Row_Label(this, Page.P_Var, name("L_Var_BitStart"), 112);
    Page.CB_Var_BitStart = Fixed_List(this, Page.P_Var, name("CB_Var_BitStart"), 100, 112, 100,
                                      {"0", "1", "2", "3", "4", "5", "6", "7"});
    Page.CB_Var_BitStart->SetItemIndex(0);

    TLbButton** eep[] = {&Page.Btn_EEP_Add, &Page.Btn_EEP_Modify, &Page.Btn_EEP_Delete};
    TLbButton** var[] = {&Page.Btn_Var_Add, &Page.Btn_Var_Modify, &Page.Btn_Var_Delete};
    const char* const names[] = {"Add", "Modify", "Delete"};
    for (int i = 0; i < 3; ++i) {
        *eep[i] = Place_Button(this, Page.P_EEP, name((QByteArray("Btn_EEP_") + names[i]).constData()).constData(),
                               100 + 116 * i, 120, 110, 28);
        *var[i] = Place_Button(this, Page.P_Var, name((QByteArray("Btn_Var_") + names[i]).constData()).constData(),
                               100 + 116 * i, 152, 110, 28);
        if (Bound) {
            (*eep[i])->OnClick = [this](TObject* Sender) { Btn_EEPClick(Sender); };
            (*var[i])->OnClick = [this](TObject* Sender) { Btn_VarClick(Sender); };
        }
    }
    if (Bound) {
        Page.TW_EEP->OnClick = [this](TObject* Sender) { TW_EEPClick(Sender); };
        Page.TW_EEP->OnChange = [this](TObject* Sender, TTreeNode*) { TW_EEPClick(Sender); };
    }
}

void TFEnOcean_SetAccess::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    FChoice = std::make_unique<TEEP_Cascade>(Cat_EnOcean);
    Set_Lang();
}

void TFEnOcean_SetAccess::Set_Lang()
{
    SetCaption(Lang(800));
    L_SW_Desc->SetCaption(Lang(801));
    Btn_OK->SetCaption(Lang(802));
    Btn_Cancel->SetCaption(Lang(803));
    Btn_OK->SetHint(Lang(804));
    Btn_Cancel->SetHint(Lang(805));
    L_ID_Devices_List->SetCaption(Lang(806));
    CT_ID_Data->Tabs()->Items(0)->SetCaption(Lang(807));
    CT_ID_Data->Tabs()->Items(1)->SetCaption(Lang(808));
    for (int i = 0; i < 9; ++i) {
        static_cast<TLabel*>(FSecurity_Rows[i][0])->SetCaption(Lang(809 + 2 * i));
        FSecurity_Rows[i][1]->SetHint(Lang(810 + 2 * i));
    }
    const std::pair<TLbButton*, int> device_buttons[] = {
        {Btn_Add_Device, 827}, {Btn_Modify_Device, 829}, {Btn_Delete_Device, 831}};
    for (const auto& [button, text] : device_buttons) {
        button->SetCaption(Lang(text));
        button->SetHint(Lang(text + 1));
    }
    for (int i = 0; i < 3; ++i)
        CT_Uni_Smart_Remote->Tabs()->Items(i)->SetCaption(Lang(833 + i));
    for (TEEP_Page* page : {&Uni, &SAck}) {
        page->CT_EEP_Var->Tabs()->Items(0)->SetCaption(Lang(836));
        page->CT_EEP_Var->Tabs()->Items(1)->SetCaption(Lang(837));
        const std::pair<TLabel*, TControl*> rows[] = {
            {page->L_EEP_Rorg, page->CB_EEP_Rorg},         {page->L_EEP_Func, page->CB_EEP_Func},
            {page->L_EEP_Type, page->CB_EEP_Type},         {page->L_Var_Case, page->CB_Var_Case},
            {page->L_Var_DataField, page->CB_Var_DataField}, {page->L_Var_Position, page->E_Var_Position},
            {page->L_Var_BitStart, page->CB_Var_BitStart}};
        const int texts[] = {838, 840, 842, 844, 852, 854, 856};
        for (int i = 0; i < 7; ++i) {
            rows[i].first->SetCaption(Lang(texts[i]));
            rows[i].second->SetHint(Lang(texts[i] + 1));
        }
        const std::pair<TLbButton*, int> buttons[] = {
            {page->Btn_EEP_Add, 846}, {page->Btn_EEP_Modify, 848}, {page->Btn_EEP_Delete, 850},
            {page->Btn_Var_Add, 858}, {page->Btn_Var_Modify, 860}, {page->Btn_Var_Delete, 862}};
        for (const auto& [button, text] : buttons) {
            button->SetCaption(Lang(text));
            button->SetHint(Lang(text + 1));
        }
    }
}

void TFEnOcean_SetAccess::Show_Page(TObject* Sender)
{
    if (Sender == CT_ID_Data) {
        const bool data = CT_ID_Data->ActiveTabIndex() == 1;
        P_ID_Security->SetVisible(!data);
        P_Data_Exchange->SetVisible(data);
    } else if (Sender == CT_Uni_Smart_Remote) {
        const int kind = Active_Kind();
        Uni.P_Page->SetVisible(kind == 0);
        SAck.P_Page->SetVisible(kind == 1);
        Show_EEP_Tree();
    } else {
        for (TEEP_Page* page : {&Uni, &SAck}) {
            if (Sender != page->CT_EEP_Var)
                continue;
            const bool var = page->CT_EEP_Var->ActiveTabIndex() == 1;
            page->P_EEP->SetVisible(!var);
            page->P_Var->SetVisible(var);
        }
    }
}

void TFEnOcean_SetAccess::FormShow(TObject*)
{
    Cancel_Devices_List();
    const QString damage = Load_Configuration();
    Show_Device_List();
    Show_Device_Data();
    FChoice->Choose_Rorg(-1);
    Fill_Combo(Uni.CB_EEP_Rorg, FChoice->Rorg_Items());
    Show_Choice();
    Ind_EEP = -1;
    Ind_Var = -1;
    if (!damage.isEmpty())
        Damaged_File_Warning(damage);
}

void TFEnOcean_SetAccess::FormClose(TObject*, TCloseAction&)
{
    Cancel_Devices_List();
}

void TFEnOcean_SetAccess::Btn_OKClick(TObject*)
{
    QString error;
    if (!Save_Configuration(&error)) {
        Error_Box(error);
        return;
    }
    SetModalResult(mrOk);
}

bool TFEnOcean_SetAccess::Save_Configuration(QString* Error)
{
    TSmart_ACK_Aside aside(DevList);
    try {
        Save_EnOcean_File(XML1, File_EnOcean, DevList);
    } catch (const Exception& E) {
        if (Error)
            *Error = E.Message();
        return false;
    }
    return true;
}

QString TFEnOcean_SetAccess::Load_Configuration()
{
    const QString damage = Load_EnOcean_File(XML1, File_EnOcean, DevList);
    for (TDevice_EnOcean* dev : DevList)
        while (!dev->SmartACKList.empty())
            Remove_EEP(*dev, 1, int(dev->SmartACKList.size()) - 1);
    return damage;
}

void TFEnOcean_SetAccess::Cancel_Devices_List()
{
    Clear_Device_List(DevList);
}

// Devices

int TFEnOcean_SetAccess::Selected_Device() const
{
    const int index = LB_ID_Devices_List->ItemIndex();
    return index >= 0 && index < int(DevList.size()) ? index : -1;
}

int TFEnOcean_SetAccess::Active_Kind() const
{
    return CT_Uni_Smart_Remote->ActiveTabIndex();
}

void TFEnOcean_SetAccess::Show_Device_List()
{
    LB_ID_Devices_List->Items()->BeginUpdate();
    LB_ID_Devices_List->Items()->Clear();
    for (const TDevice_EnOcean* dev : DevList)
        LB_ID_Devices_List->Items()->Add(QStringLiteral("ID ") + dev->FId);
    LB_ID_Devices_List->Items()->EndUpdate();
}

void TFEnOcean_SetAccess::LB_ID_Devices_ListClick(TObject*)
{
    Show_Device_Data();
}

void TFEnOcean_SetAccess::Show_Device_Data()
{
    const int index = Selected_Device();
    if (index >= 0) {
        Device_To_Fields(*this, *DevList[size_t(index)]);
    } else {
        TDevice_EnOcean blank;
        blank.FId.clear();
        Device_To_Fields(*this, blank);
    }
    Show_Security_Type();
    Show_EEP_Tree();
}

void TFEnOcean_SetAccess::CB_DevEnOcean_SecTypeChange(TObject*)
{
    Show_Security_Type();
}

void TFEnOcean_SetAccess::Show_Security_Type()
{
    const int type = CB_DevEnOcean_SecType->ItemIndex();
    const int last = type == 2 ? 8 : type == 1 ? 2 : 1;
    for (int i = 2; i < 9; ++i)
        for (TControl* c : FSecurity_Rows[i])
            c->SetVisible(i <= last);
    const int top = FSecurity_Rows[last][0]->Top() + 33;
    Btn_Add_Device->SetTop(top);
    Btn_Modify_Device->SetTop(top);
    Btn_Delete_Device->SetTop(top + 34);
}

void TFEnOcean_SetAccess::Btn_DeviceClick(TObject* Sender)
{
    if (Sender == Btn_Add_Device) {
        if (Check_Device_ID(E_DevEnOcean_ID->Text())) {
            auto* dev = new TDevice_EnOcean;
            Device_From_Fields(*this, *dev);
            DevList.push_back(dev);
        }
    } else if (Sender == Btn_Modify_Device) {
        const int index = Selected_Device();
        if (Check_Device_ID(E_DevEnOcean_ID->Text()) && index >= 0)
            Device_From_Fields(*this, *DevList[size_t(index)]);
    }
    Show_Device_List();
}

// EEPs and variables

void TFEnOcean_SetAccess::Show_EEP_Tree()
{
    const int kind = Active_Kind();
    TTreeView* tree = (kind == 1 ? SAck : Uni).TW_EEP;
    TTreeNodes* nodes = tree->Items();
    nodes->BeginUpdate();
    nodes->Clear();
    const int index = Selected_Device();
    if (index >= 0 && (kind == 0 || kind == 1)) {
        TTreeNode* root =
            nodes->Add(nullptr, kind == 0 ? EEP_Root_Text(0) : QStringLiteral("Smart Ack - EEP List"));
        for (const TRorFunTyp* eep : DevList[size_t(index)]->EEP_List(kind)) {
            TTreeNode* node = nodes->AddChild(root, EEP_Node_Text(*eep));
            for (const TVarEnOcean* var : eep->VariableList)
                nodes->AddChild(node, Variable_Node_Text(*var));
        }
    }
    nodes->EndUpdate();
    tree->FullExpand();
}

void TFEnOcean_SetAccess::Find_Selected_EEP_Var()
{
    Ind_EEP = -1;
    Ind_Var = -1;
    TTreeView* tree = (Active_Kind() == 1 ? SAck : Uni).TW_EEP;
    TTreeNode* root = tree->Items()->GetFirstNode();
    TTreeNode* selected = tree->Selected();
    if (!root || !selected || selected == root)
        return;
    if (selected->Parent() == root) {
        Ind_EEP = selected->Index();
    } else if (selected->Parent() && selected->Parent()->Parent() == root) {
        Ind_EEP = selected->Parent()->Index();
        Ind_Var = selected->Index();
    }
}

TRorFunTyp* TFEnOcean_SetAccess::Selected_EEP() const
{
    const int index = Selected_Device();
    if (index < 0 || Active_Kind() > 1)
        return nullptr;
    std::vector<TRorFunTyp*>& list = DevList[size_t(index)]->EEP_List(Active_Kind());
    return Ind_EEP >= 0 && Ind_EEP < int(list.size()) ? list[size_t(Ind_EEP)] : nullptr;
}

void TFEnOcean_SetAccess::Select_Node(int EEP, int Var)
{
    TTreeView* tree = (Active_Kind() == 1 ? SAck : Uni).TW_EEP;
    TTreeNode* root = tree->Items()->GetFirstNode();
    if (!root || EEP < 0 || EEP >= root->Count())
        return;
    TTreeNode* node = root->Item(EEP);
    if (Var >= 0 && Var < node->Count())
        node = node->Item(Var);
    tree->SetSelected(node);
    Find_Selected_EEP_Var();
}

void TFEnOcean_SetAccess::TW_EEPClick(TObject*)
{
    Find_Selected_EEP_Var();
    const TRorFunTyp* eep = Selected_EEP();
    if (!eep)
        return;
    const bool var = Ind_Var >= 0 && Ind_Var < int(eep->VariableList.size());
    FChoice->Preset(*eep, var ? eep->VariableList[size_t(Ind_Var)] : nullptr);
    Show_Choice();
}

void TFEnOcean_SetAccess::Show_Choice()
{
    Uni.CB_EEP_Rorg->SetItemIndex(FChoice->Rorg_Index());
    Fill_Combo(Uni.CB_EEP_Func, FChoice->Func_Items(), FChoice->Func_Index());
    Fill_Combo(Uni.CB_EEP_Type, FChoice->Type_Items(), FChoice->Type_Index());
    Fill_Combo(Uni.CB_Var_Case, FChoice->Case_Items(), FChoice->Case_Index());
    Fill_Combo(Uni.CB_Var_DataField, FChoice->Variable_Items(), FChoice->Variable_Index());
    Uni.E_Var_Position->SetText(FChoice->Position);
    Uni.CB_Var_BitStart->SetItemIndex(FChoice->Bit_Start);
}

void TFEnOcean_SetAccess::CB_EEP_Var_Change(TObject* Sender)
{
    FChoice->Position = Uni.E_Var_Position->Text();
    FChoice->Bit_Start = std::max(0, Uni.CB_Var_BitStart->ItemIndex());
    const int index = static_cast<TComboBox*>(Sender)->ItemIndex();
    if (Sender == Uni.CB_EEP_Rorg)
        FChoice->Choose_Rorg(index);
    else if (Sender == Uni.CB_EEP_Func)
        FChoice->Choose_Func(index);
    else if (Sender == Uni.CB_EEP_Type)
        FChoice->Choose_Type(index);
    else if (Sender == Uni.CB_Var_Case)
        FChoice->Choose_Case(index);
    else if (Sender == Uni.CB_Var_DataField)
        FChoice->Choose_Variable(index);
    Show_Choice();
}

bool TFEnOcean_SetAccess::Check_EEP()
{
    int text = 0;
    const int index = LB_ID_Devices_List->ItemIndex();
    if (index >= int(DevList.size()))
        text = 864;
    else if (!FChoice->Rorg())
        text = 865;
    else if (!FChoice->Func())
        text = 866;
    else if (!FChoice->Type())
        text = 867;
    else if (DevList[size_t(index)]->EEP_Count() >= 4)
        text = 868;
    if (!text) {
        for (const TRorFunTyp* eep : DevList[size_t(index)]->EEP_List(Active_Kind()))
            if (eep->FRorgNum == FChoice->Rorg()->Number() && eep->FFuncNum == FChoice->Func()->Number()
                && eep->FTypeNum == FChoice->Type()->Number())
                text = 869;
    }
    if (text)
        Error_Box(Lang(text));
    return !text;
}

void TFEnOcean_SetAccess::Btn_EEPClick(TObject* Sender)
{
    const int index = Selected_Device();
    if (LB_ID_Devices_List->ItemIndex() < 0 || Active_Kind() > 1)
        return;
    if (Sender == Uni.Btn_EEP_Add) {
        if (!Check_EEP())
            return;
        std::vector<TRorFunTyp*>& list = DevList[size_t(index)]->EEP_List(Active_Kind());
        auto* eep = new TRorFunTyp;
        Modify_EEP(*eep, *FChoice, false);
        list.push_back(eep);
        Show_EEP_Tree();
        Select_Node(int(list.size()) - 1, -1);
    } else if (Sender == Uni.Btn_EEP_Delete) {
        Find_Selected_EEP_Var();
        if (index < 0 || Ind_EEP < 0 || Ind_Var >= 0)
            return;
        Remove_EEP(*DevList[size_t(index)], Active_Kind(), Ind_EEP);
        Show_EEP_Tree();
    }
}

bool TFEnOcean_SetAccess::Check_Var()
{
    int text = 0;
    if (LB_ID_Devices_List->ItemIndex() >= int(DevList.size()))
        text = 870;
    else if (!Selected_EEP())
        text = 871;
    else if (!FChoice->Data_Field())
        text = 872;
    else {
        bool ok = false;
        const int position = Uni.E_Var_Position->Text().toInt(&ok, 10);
        if (!ok || position < 0 || position > Max_Position)
            text = 873;
    }
    if (text)
        Error_Box(text == 873 ? Lang(873) + QString::number(Max_Position) : Lang(text));
    return !text;
}

void TFEnOcean_SetAccess::Btn_VarClick(TObject* Sender)
{
    if (LB_ID_Devices_List->ItemIndex() < 0)
        return;
    Find_Selected_EEP_Var();
    TRorFunTyp* eep = Selected_EEP();
    if (!eep)
        return;
    if (Sender == Uni.Btn_Var_Add) {
        if (!Check_Var())
            return;
        FChoice->Position = Uni.E_Var_Position->Text();
        FChoice->Bit_Start = std::max(0, Uni.CB_Var_BitStart->ItemIndex());
        auto* var = new TVarEnOcean;
        Set_Variable(*var, *FChoice);
        eep->VariableList.push_back(var);
        const int ind_eep = Ind_EEP;
        Show_EEP_Tree();
        Select_Node(ind_eep, int(eep->VariableList.size()) - 1);
    } else if (Sender == Uni.Btn_Var_Delete) {
        if (Ind_Var < 0)
            return;
        Remove_Variable(*eep, Ind_Var);
        Show_EEP_Tree();
    }
}
