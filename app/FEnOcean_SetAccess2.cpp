#include "app/FEnOcean_SetAccess2.h"
#include "app/ButtonGlyphs.h"
#include "app/DeviceFields.h"
#include "app/EnOceanParts.h"
#include "app/FEnOcean_Device.h"
#include "app/FEnOcean_Variable.h"
#include "app/WindowParts.h"
#include "controls/button/LbButton.h"
#include "controls/tabs/DeckTab.h"
#include "controls/tabs/DeckTabs.h"
#include "core/EnOcean_Edit.h"
#include "core/EnOcean_File.h"
#include "core/Globals.h"
#include "grid/core/ProStringGrid.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/Menu.h"
#include "platform/controls/Panel.h"
#include "platform/controls/Splitter.h"
#include "platform/controls/TreeView.h"
#include "platform/graphics/ImageList.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/XmlDocument.h"

TFEnOcean_SetAccess2* FEnOcean_SetAccess2 = nullptr;

namespace {

constexpr TColor Sky_Blue = 0xF0CAA6;
constexpr TColor Money_Green = 0xC0DCC0;
constexpr int Glyph_Button = 36;

// Yes of a confirmation box with Yes, No and Cancel.
bool Confirmed(int Text)
{
    return MessageDlg(Lang(Text), mtConfirmation, TMsgDlgButtons{mbYes, mbNo, mbCancel}) == mrYes;
}

} // namespace

TFEnOcean_SetAccess2::TFEnOcean_SetAccess2(TComponent* AOwner) : TForm(AOwner)
{
    SetName(QStringLiteral("FEnOcean_SetAccess2"));
    FEnOcean_SetAccess2 = this;
    SetPosition(poScreenCenter);
    SetShowHint(true);
    SetBounds(0, 0, Client_Width, Client_Height);
    XML1 = new TXMLDocument(this);
    XML1->SetName(QStringLiteral("XML1"));
    IL_BtnImage = new TImageList(this);
    IL_BtnImage->SetName(QStringLiteral("IL_BtnImage"));
    IL_BtnImage->SetSize(24, 24);
    Add_Button_Glyphs(IL_BtnImage);

    const TTitleBand band = Place_Title_Band(this, this, Client_Width);
    P_Title = band.P_Title;
    L_SW_Code = band.L_SW_Code;
    L_SW_Desc = band.L_SW_Desc;

    P_Button = Place_Plain_Panel(this, this, "P_Button", alBottom, 0, Client_Height - 40, Client_Width, 40);
    Btn_OK = Place_Button(this, P_Button, "Btn_OK", 420, 6, 110, 28);
    Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
    Btn_Cancel = Place_Button(this, P_Button, "Btn_Cancel", 560, 6, 110, 28);
    Btn_Cancel->SetModalResult(mrCancel);
    Btn_Scan = Place_Button(this, P_Button, "Btn_Scan", 16, 6, 110, 28);
    Btn_Scan->SetCaption(QStringLiteral("Scan"));
    Btn_Scan->SetVisible(false);

    Create_Device_Panel();
    Create_EEP_Panel();

    PM_Uni_SAck_EEP_Var = new TPopupMenu(this);
    PM_Uni_SAck_EEP_Var->SetName(QStringLiteral("PM_Uni_SAck_EEP_Var"));
    PM_Uni_SAck_EEP_Var->SetImages(IL_BtnImage);
    Menu_Item(PM_Uni_SAck_EEP_Var, "PopUpAddEEPVariableEnOcean", "Add EEP/Variable EnOcean", 0);
    Menu_Item(PM_Uni_SAck_EEP_Var, "PopUpRemoveEEPVariableEnOcean", "Remove EEP/Variable EnOcean", 1);
    Menu_Item(PM_Uni_SAck_EEP_Var, "PopUpModifyEEPVariableEnOcean", "Modify EEP/Variable EnOcean", 2);
    for (int i = 0; i < PM_Uni_SAck_EEP_Var->Items()->Count(); ++i)
        PM_Uni_SAck_EEP_Var->Items()->Items(i)->OnClick = [this](TObject* Sender) {
            PopUpEEPVariableEnOcean1Click(Sender);
        };

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

TFEnOcean_SetAccess2::~TFEnOcean_SetAccess2()
{
    Clear_Device_List(DevList);
    if (FEnOcean_SetAccess2 == this)
        FEnOcean_SetAccess2 = nullptr;
}

TMenuItem* TFEnOcean_SetAccess2::Menu_Item(TPopupMenu* Menu, const char* Name, const char* Caption, int Image)
{
    auto* item = new TMenuItem(Menu);
    item->SetName(QString::fromLatin1(Name));
    item->SetCaption(QString::fromLatin1(Caption));
    item->SetImageIndex(Image);
    Menu->Items()->Add(item);
    return item;
}

void TFEnOcean_SetAccess2::Create_Device_Panel()
{
    const int top = P_Title->Height();
    const int height = Client_Height - top - P_Button->Height();
    P_Devices = Place_Plain_Panel(this, this, "P_Devices", alLeft, 0, top, 273, height);
    L_ID_Devices_List = Place<TLabel>(this, P_Devices, "L_ID_Devices_List", 8, 6, 250, 16);
    P_Device_Buttons = Place_Plain_Panel(this, P_Devices, "P_Device_Buttons", alBottom, 0, height - 50, 273, 50);
    LB_ID_Devices_List = Place<TListBox>(this, P_Devices, "LB_ID_Devices_List", 8, 26, 257, height - 80);
    LB_ID_Devices_List->SetAnchors(TAnchors{akLeft, akTop, akRight, akBottom});
    LB_ID_Devices_List->OnClick = [this](TObject* Sender) { LB_ID_Devices_ListClick(Sender); };
    LB_ID_Devices_List->OnDblClick = [this](TObject* Sender) { LB_ID_Devices_ListDblClick(Sender); };

    const std::pair<TLbButton**, const char*> buttons[] = {{&Btn_Add_Device, "Btn_Add_Device"},
                                                           {&Btn_Remove_Device, "Btn_Remove_Device"},
                                                           {&Btn_Modify_Device, "Btn_Modify_Device"}};
    int left = 8;
    for (const auto& [button, name] : buttons) {
        *button = Place_Button(this, P_Device_Buttons, name, left, 7, Glyph_Button, Glyph_Button);
        (*button)->OnClick = [this](TObject* Sender) { Btn_DeviceClick(Sender); };
        left += Glyph_Button + 6;
    }
    Set_Button_Glyph(Btn_Add_Device, gkAdd);
    Set_Button_Glyph(Btn_Remove_Device, gkRemove);
    Set_Button_Glyph(Btn_Modify_Device, gkModify);

    PM_Device_EnOcean = new TPopupMenu(this);
    PM_Device_EnOcean->SetName(QStringLiteral("PM_Device_EnOcean"));
    PM_Device_EnOcean->SetImages(IL_BtnImage);
    Menu_Item(PM_Device_EnOcean, "PopUpAddEnOceanDevice1", "Add EnOcean Device", 0);
    Menu_Item(PM_Device_EnOcean, "PopUpRemoveEnOceanDevice1", "Remove EnOcean Device", 1);
    Menu_Item(PM_Device_EnOcean, "PopUpModifyEnOceanDevice1", "Modify EnOcean Device", 2);
    for (int i = 0; i < PM_Device_EnOcean->Items()->Count(); ++i)
        PM_Device_EnOcean->Items()->Items(i)->OnClick = [this](TObject* Sender) { PopUpEnOceanDevice1Click(Sender); };
    LB_ID_Devices_List->SetPopupMenu(PM_Device_EnOcean);

    Splitter1 = Place<TSplitter>(this, this, "Splitter1", 273, top, 4, height);
    Splitter1->SetAlign(alLeft);
    Splitter1->SetMinSize(120);
}

void TFEnOcean_SetAccess2::Create_EEP_Panel()
{
    const int top = P_Title->Height();
    const int height = Client_Height - top - P_Button->Height();
    const int width = Client_Width - 277;
    P_EEP = Place_Plain_Panel(this, this, "P_EEP", alClient, 277, top, width, height);

    CT_Uni_Smart_Remote = Place_Tab_Strip(this, P_EEP, "CT_Uni_Smart_Remote", {"Unidirectional", "Smart ACK", "Remote"});
    CT_Uni_Smart_Remote->Tabs()->Items(2)->SetVisible(false);
    CT_Uni_Smart_Remote->OnActiveTabChanged = [this](TObject* Sender, TDeckTab* ATab) {
        CT_Uni_Smart_RemoteActiveTabChanged(Sender, ATab);
    };

    P_Tree = Place_Plain_Panel(this, P_EEP, "P_Tree", alLeft, 0, 30, 420, height - 30);
    P_Variable_Buttons = Place_Plain_Panel(this, P_Tree, "P_Variable_Buttons", alBottom, 0, height - 80, 420, 50);
    TW_UniSmart_EEP = Place<TTreeView>(this, P_Tree, "TW_UniSmart_EEP", 0, 0, 420, height - 80);
    TW_UniSmart_EEP->SetAlign(alClient);
    TW_UniSmart_EEP->SetReadOnly(true);
    TW_UniSmart_EEP->SetHideSelection(false);
    TW_UniSmart_EEP->OnClick = [this](TObject* Sender) { TW_UniSmart_EEPClick(Sender); };
    // The keyboard moves the selection too; the table follows it.
    TW_UniSmart_EEP->OnChange = [this](TObject* Sender, TTreeNode*) { TW_UniSmart_EEPClick(Sender); };

    const std::pair<TLbButton**, const char*> buttons[] = {{&Btn_Add_Variable, "Btn_Add_Variable"},
                                                           {&Btn_Remove_Variable, "Btn_Remove_Variable"},
                                                           {&Btn_Modify_Variable, "Btn_Modify_Variable"}};
    int left = 8;
    for (const auto& [button, name] : buttons) {
        *button = Place_Button(this, P_Variable_Buttons, name, left, 7, Glyph_Button, Glyph_Button);
        (*button)->OnClick = [this](TObject* Sender) { Btn_VariableClick(Sender); };
        left += Glyph_Button + 6;
    }
    Set_Button_Glyph(Btn_Add_Variable, gkAdd);
    Set_Button_Glyph(Btn_Remove_Variable, gkRemove);
    Set_Button_Glyph(Btn_Modify_Variable, gkModify);

    Splitter2 = Place<TSplitter>(this, P_EEP, "Splitter2", 420, 30, 4, height - 30);
    Splitter2->SetAlign(alLeft);
    Splitter2->SetMinSize(120);

    SG_EEP_Var = new TProStringGrid(this);
    SG_EEP_Var->SetName(QStringLiteral("SG_EEP_Var"));
    SG_EEP_Var->SetBounds(424, 30, width - 424, height - 30);
    SG_EEP_Var->SetParent(P_EEP);
    SG_EEP_Var->SetAlign(alClient);
}

void TFEnOcean_SetAccess2::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    Set_Lang();
    // Only "Unidirectional" is offered.
    CT_Uni_Smart_Remote->Tabs()->Items(1)->SetVisible(false);
    CT_Uni_Smart_Remote->SetActiveTabIndex(0);
    Init_Table();
}

void TFEnOcean_SetAccess2::Set_Lang()
{
    SetCaption(Lang(1200));
    L_SW_Desc->SetCaption(Lang(1201));
    Btn_OK->SetCaption(Lang(1202));
    Btn_Cancel->SetCaption(Lang(1203));
    Btn_OK->SetHint(Lang(1204));
    Btn_Cancel->SetHint(Lang(1205));
    L_ID_Devices_List->SetCaption(Lang(1206));
    Btn_Add_Device->SetHint(Lang(1207));
    Btn_Remove_Device->SetHint(Lang(1208));
    Btn_Modify_Device->SetHint(Lang(1209));
    Btn_Add_Variable->SetHint(Lang(1210));
    Btn_Remove_Variable->SetHint(Lang(1211));
    Btn_Modify_Variable->SetHint(Lang(1212));
    for (int row = 0; row < 9; ++row)
        SG_EEP_Var->SetCells(0, row, Lang(1213 + row));
}

void TFEnOcean_SetAccess2::Init_Table()
{
    SG_EEP_Var->SetColCount(2);
    SG_EEP_Var->SetRowCount(9);
    SG_EEP_Var->SetFixedRows(0);
    SG_EEP_Var->SetFixedCols(0);
    SG_EEP_Var->SetOptions(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine});
    SG_EEP_Var->SetColWidths(0, 80);
    SG_EEP_Var->SetColWidths(1, 300);
    for (int row = 0; row < 9; ++row) {
        SG_EEP_Var->SetCells(0, row, Lang(1213 + row));
        const bool heading = row == 0 || row == 4;
        if (heading)
            SG_EEP_Var->MergeCells(0, row, 2, 1);
        SG_EEP_Var->CellProperties(0, row)->SetBrushColor(heading ? Sky_Blue : Money_Green);
    }
}

void TFEnOcean_SetAccess2::FormShow(TObject*)
{
    Cancel_Devices_List();
    const QString damage = Load_Configuration();
    Show_EnOcean_Device_List();
    if (!damage.isEmpty())
        Damaged_File_Warning(damage);
}

void TFEnOcean_SetAccess2::Btn_OKClick(TObject*)
{
    QString error;
    if (!Save_Configuration(&error)) {
        Error_Box(error);
        return;
    }
    SetModalResult(mrOk);
}

// The device file

bool TFEnOcean_SetAccess2::Save_Configuration(QString* Error)
{
    try {
        Save_EnOcean_File(XML1, File_EnOcean, DevList);
    } catch (const Exception& E) {
        if (Error)
            *Error = E.Message();
        return false;
    }
    return true;
}

QString TFEnOcean_SetAccess2::Load_Configuration()
{
    return Load_EnOcean_File(XML1, File_EnOcean, DevList);
}

void TFEnOcean_SetAccess2::Cancel_Devices_List()
{
    Clear_Device_List(DevList);
}

// Devices

int TFEnOcean_SetAccess2::Selected_Device() const
{
    const int index = LB_ID_Devices_List->ItemIndex();
    return index >= 0 && index < int(DevList.size()) ? index : -1;
}

TDevice_EnOcean* TFEnOcean_SetAccess2::Device() const
{
    const int index = Selected_Device();
    return index >= 0 ? DevList[size_t(index)] : nullptr;
}

int TFEnOcean_SetAccess2::Active_Kind() const
{
    return CT_Uni_Smart_Remote->ActiveTabIndex() == 0 ? 0 : 1;
}

void TFEnOcean_SetAccess2::Clear_Tree_And_Table()
{
    TW_UniSmart_EEP->Items()->Clear();
    Ind_EEP = -1;
    Ind_Var = -1;
    Show_EnOcean_SG_EEP_Var();
}

void TFEnOcean_SetAccess2::Show_EnOcean_Device_List()
{
    LB_ID_Devices_List->Items()->BeginUpdate();
    LB_ID_Devices_List->Items()->Clear();
    for (const TDevice_EnOcean* dev : DevList)
        LB_ID_Devices_List->Items()->Add(dev->FId);
    LB_ID_Devices_List->Items()->EndUpdate();
    LB_ID_Devices_List->SetItemIndex(-1);
    // No device is selected now, so none is shown.
    Clear_Tree_And_Table();
}

void TFEnOcean_SetAccess2::LB_ID_Devices_ListClick(TObject*)
{
    const int index = Selected_Device();
    if (index < 0)
        return;
    Show_EnOcean_TreeView_Uni_SAck(index);
    Find_Selected_EEP_Var();
    Show_EnOcean_SG_EEP_Var();
}

void TFEnOcean_SetAccess2::LB_ID_Devices_ListDblClick(TObject*)
{
    if (Selected_Device() >= 0)
        Modify_EnOcean_Device();
    else
        Add_EnOcean_Device();
}

void TFEnOcean_SetAccess2::Btn_DeviceClick(TObject* Sender)
{
    if (Sender == Btn_Add_Device)
        Add_EnOcean_Device();
    else if (Sender == Btn_Remove_Device)
        Remove_EnOcean_Device();
    else if (Sender == Btn_Modify_Device)
        Modify_EnOcean_Device();
}

void TFEnOcean_SetAccess2::PopUpEnOceanDevice1Click(TObject* Sender)
{
    TMenuItem* items = PM_Device_EnOcean->Items();
    if (Sender == items->Items(0))
        Add_EnOcean_Device();
    else if (Sender == items->Items(1))
        Remove_EnOcean_Device();
    else if (Sender == items->Items(2))
        Modify_EnOcean_Device();
}

void TFEnOcean_SetAccess2::PopUpEEPVariableEnOcean1Click(TObject*) {}

void TFEnOcean_SetAccess2::Add_EnOcean_Device()
{
    if (!FEnOcean_Device)
        return;
    FEnOcean_Device->Mode = 0;
    FEnOcean_Device->E_DevEnOcean_ID->SetText(QString());
    FEnOcean_Device->CB_DevEnOcean_SecType->SetItemIndex(0);
    if (FEnOcean_Device->ShowModal() != mrOk)
        return;
    auto* dev = new TDevice_EnOcean;
    Device_From_Fields(*FEnOcean_Device, *dev);
    DevList.push_back(dev);
    Show_EnOcean_Device_List();
}

void TFEnOcean_SetAccess2::Remove_EnOcean_Device()
{
    const int index = Selected_Device();
    if (index < 0 || !Confirmed(1222))
        return;
    delete DevList[size_t(index)];
    DevList.erase(DevList.begin() + index);
    Show_EnOcean_Device_List();
}

void TFEnOcean_SetAccess2::Modify_EnOcean_Device()
{
    TDevice_EnOcean* dev = Device();
    if (!dev || !FEnOcean_Device)
        return;
    FEnOcean_Device->Mode = 1;
    Device_To_Fields(*FEnOcean_Device, *dev);
    if (FEnOcean_Device->ShowModal() != mrOk)
        return;
    Device_From_Fields(*FEnOcean_Device, *dev);
    Show_EnOcean_Device_List();
}

// EEPs and variables

void TFEnOcean_SetAccess2::Show_EnOcean_TreeView_Uni_SAck(int Ind_Device)
{
    const int tab = CT_Uni_Smart_Remote->ActiveTabIndex();
    if (tab != 0 && tab != 1)
        return;
    TTreeNodes* nodes = TW_UniSmart_EEP->Items();
    nodes->BeginUpdate();
    nodes->Clear();
    if (Ind_Device >= 0 && Ind_Device < int(DevList.size())) {
        TTreeNode* root = nodes->Add(nullptr, EEP_Root_Text(tab));
        for (const TRorFunTyp* eep : DevList[size_t(Ind_Device)]->EEP_List(tab)) {
            TTreeNode* node = nodes->AddChild(root, EEP_Node_Text(*eep));
            for (const TVarEnOcean* var : eep->VariableList)
                nodes->AddChild(node, Variable_Node_Text(*var));
        }
    }
    nodes->EndUpdate();
    TW_UniSmart_EEP->FullExpand();
    // Nothing is selected in the new tree, so the table shows nothing.
    Find_Selected_EEP_Var();
    Show_EnOcean_SG_EEP_Var();
}

void TFEnOcean_SetAccess2::CT_Uni_Smart_RemoteActiveTabChanged(TObject*, TDeckTab*)
{
    Ind_EEP = -1;
    Ind_Var = -1;
    Show_EnOcean_TreeView_Uni_SAck(Selected_Device());
}

void TFEnOcean_SetAccess2::Find_Selected_EEP_Var()
{
    Ind_EEP = -1;
    Ind_Var = -1;
    TTreeNode* root = TW_UniSmart_EEP->Items()->GetFirstNode();
    TTreeNode* selected = TW_UniSmart_EEP->Selected();
    if (!root || !selected)
        return;
    for (int i = 0; i < root->Count(); ++i) {
        TTreeNode* eep = root->Item(i);
        if (eep == selected) {
            Ind_EEP = i;
            return;
        }
        for (int j = 0; j < eep->Count(); ++j) {
            if (eep->Item(j) == selected) {
                Ind_EEP = i;
                Ind_Var = j;
                return;
            }
        }
    }
}

void TFEnOcean_SetAccess2::TW_UniSmart_EEPClick(TObject*)
{
    Find_Selected_EEP_Var();
    Show_EnOcean_SG_EEP_Var();
}

void TFEnOcean_SetAccess2::Show_EnOcean_SG_EEP_Var()
{
    const TRorFunTyp* eep = nullptr;
    const TVarEnOcean* var = nullptr;
    if (const TDevice_EnOcean* dev = Device()) {
        const std::vector<TRorFunTyp*>& list = dev->EEP_List(Active_Kind());
        if (Ind_EEP >= 0 && Ind_EEP < int(list.size())) {
            eep = list[size_t(Ind_EEP)];
            if (Ind_Var >= 0 && Ind_Var < int(eep->VariableList.size()))
                var = eep->VariableList[size_t(Ind_Var)];
        }
    }
    const QStringList values = EEP_Var_Details(Cat_EnOcean, eep, var);
    for (int row : {1, 2, 3, 5, 6, 7, 8})
        SG_EEP_Var->SetCells(1, row, values[row]);
}

void TFEnOcean_SetAccess2::Btn_VariableClick(TObject* Sender)
{
    if (Selected_Device() < 0) {
        Error_Box(Lang(1231));
        return;
    }
    const bool uni = CT_Uni_Smart_Remote->ActiveTabIndex() == 0;
    if (Sender == Btn_Add_Variable)
        uni ? Add_Uni_EnOcean_Variable() : Add_SAck_EnOcean_Variable();
    else if (Sender == Btn_Remove_Variable)
        uni ? Remove_Uni_EnOcean_Variable() : Remove_SAck_EnOcean_Variable();
    else if (Sender == Btn_Modify_Variable)
        uni ? Modify_Uni_EnOcean_Variable() : Modify_SAck_EnOcean_Variable();
}

void TFEnOcean_SetAccess2::Preset_Variable_Dialog(int Kind, int EEP, int Var)
{
    if (Kind == 0)
        FEnOcean_Variable->ShowData_Uni_Add_Var(Selected_Device(), EEP, Var);
    else
        FEnOcean_Variable->ShowData_SAck_Add_Var(Selected_Device(), EEP, Var);
    FEnOcean_Variable->Uni_SAck = Kind;
}

void TFEnOcean_SetAccess2::Add_Uni_EnOcean_Variable()
{
    TDevice_EnOcean* dev = Device();
    if (!dev || !FEnOcean_Variable)
        return;
    const int kind = Active_Kind();
    Find_Selected_EEP_Var();
    Preset_Variable_Dialog(kind, Ind_EEP, Ind_Var);
    FEnOcean_Variable->Mode = 0;
    if (FEnOcean_Variable->ShowModal() != mrOk)
        return;
    Add_Variable(*dev, kind, FEnOcean_Variable->EEP_Index, FEnOcean_Variable->Choice());
    Show_EnOcean_TreeView_Uni_SAck(Selected_Device());
}

void TFEnOcean_SetAccess2::Remove_Entry(int Kind, int Text_EEP_Vars, int Text_EEP, int Text_Var)
{
    TDevice_EnOcean* dev = Device();
    if (!dev)
        return;
    Find_Selected_EEP_Var();
    std::vector<TRorFunTyp*>& list = dev->EEP_List(Kind);
    if (Ind_EEP >= 0 && Ind_EEP < int(list.size())) {
        TRorFunTyp* eep = list[size_t(Ind_EEP)];
        if (Ind_Var < 0) {
            if (Confirmed(eep->VariableList.empty() ? Text_EEP : Text_EEP_Vars))
                Remove_EEP(*dev, Kind, Ind_EEP);
        } else if (Confirmed(Text_Var)) {
            Remove_Variable(*eep, Ind_Var);
        }
    }
    Show_EnOcean_TreeView_Uni_SAck(Selected_Device());
}

void TFEnOcean_SetAccess2::Modify_Entry(int Kind, int Text_Clear)
{
    TDevice_EnOcean* dev = Device();
    if (!dev || !FEnOcean_Variable)
        return;
    Find_Selected_EEP_Var();
    std::vector<TRorFunTyp*>& list = dev->EEP_List(Kind);
    if (Ind_EEP < 0 || Ind_EEP >= int(list.size()))
        return;
    TRorFunTyp* eep = list[size_t(Ind_EEP)];
    const int ind_eep = Ind_EEP;
    const int ind_var = Ind_Var;
    if (ind_var < 0) {
        const bool clear = !eep->VariableList.empty();
        if (clear && !Confirmed(Text_Clear))
            return;
        Preset_Variable_Dialog(Kind, ind_eep, -1);
        FEnOcean_Variable->Mode = 1;
        FEnOcean_Variable->Modify_EEP_Var = 0;
        if (FEnOcean_Variable->ShowModal() != mrOk)
            return;
        Modify_EEP(*eep, FEnOcean_Variable->Choice(), clear);
    } else {
        if (ind_var >= int(eep->VariableList.size()))
            return;
        Preset_Variable_Dialog(Kind, ind_eep, ind_var);
        FEnOcean_Variable->Mode = 1;
        FEnOcean_Variable->Modify_EEP_Var = 1;
        if (FEnOcean_Variable->ShowModal() != mrOk)
            return;
        Set_Variable(*eep->VariableList[size_t(ind_var)], FEnOcean_Variable->Choice());
    }
    Show_EnOcean_TreeView_Uni_SAck(Selected_Device());
}

void TFEnOcean_SetAccess2::Remove_Uni_EnOcean_Variable()
{
    Remove_Entry(0, 1223, 1224, 1225);
}

void TFEnOcean_SetAccess2::Modify_Uni_EnOcean_Variable()
{
    Modify_Entry(0, 1226);
}

void TFEnOcean_SetAccess2::Add_SAck_EnOcean_Variable()
{
    Add_Uni_EnOcean_Variable();
}

void TFEnOcean_SetAccess2::Remove_SAck_EnOcean_Variable()
{
    Remove_Entry(1, 1227, 1228, 1229);
}

void TFEnOcean_SetAccess2::Modify_SAck_EnOcean_Variable()
{
    Modify_Entry(1, 1230);
}
