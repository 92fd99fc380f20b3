// The EnOcean editor with its device and variable dialogs, opened from the
// main window's step 3 on a small catalogue: the tree and the detail
// table, devices and variables added, changed and removed through the
// dialogs and their checks, OK and Cancel, a damaged file and a failed save.
#include "AppWindows.h"
#include "app/FEnOcean_Device.h"
#include "app/FEnOcean_SetAccess2.h"
#include "app/FEnOcean_Variable.h"
#include "app/FRodedoruzoFirmWare.h"
#include "controls/button/LbButton.h"
#include "controls/tabs/DeckTab.h"
#include "controls/tabs/DeckTabs.h"
#include "core/Globals.h"
#include "grid/core/ProStringGrid.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/TreeView.h"
#include "platform/controls/WinApi.h"
#include "platform/rtl/StringList.h"
#include <QDir>
#include <QFile>
#include <deque>
#include "tests/support/FileBytes.h"

using namespace SyntheticInput;

namespace {

QByteArray Device_Xml(const char* Id, const QByteArray& EEPs = QByteArray())
{
    return QByteArray("<Device Id=\"") + Id
           + "\" Secure_Type=\"0\" Key=\"\" RollCode=\"\" RollCodeAlg=\"0\" RollCodeTx=\"0\" CMACAlg=\"0\" "
             "DataCript=\"0\" PTM=\"0\"><UnidirectionalList>"
           + EEPs + "</UnidirectionalList><SmartACKList/><Remote/></Device>";
}

QByteArray EEP_Xml(int R, int F, int T, const QByteArray& Vars = QByteArray())
{
    return QStringLiteral("<RorgFuncType RorgNum=\"%1\" FuncNum=\"%2\" TypeNum=\"%3\"><VariablesList>")
               .arg(R).arg(F).arg(T).toUtf8()
           + Vars + "</VariablesList></RorgFuncType>";
}

QByteArray Var_Xml(int Case, const char* Data, int Offs, int Size, int Pos, int Bit)
{
    return QStringLiteral("<Variable CaseInd=\"%1\" Data=\"%2\" BitOffs=\"%3\" BitSize=\"%4\" Position=\"%5\" "
                          "BitStart=\"%6\"/>")
        .arg(Case).arg(QLatin1String(Data)).arg(Offs).arg(Size).arg(Pos).arg(Bit)
        .toUtf8();
}

QByteArray File_Xml(const QByteArray& Devices)
{
    return "<EnOcean><DevicesList>" + Devices + "</DevicesList></EnOcean><!--SW_VERSION = 1.000-->";
}

QStringList Items(const TStrings* L)
{
    QStringList out;
    for (int i = 0; i < L->Count(); ++i)
        out << L->Strings(i);
    return out;
}

// Node texts depth first, indented by level.
QStringList Tree_Texts(TTreeView* Tree)
{
    QStringList out;
    for (TTreeNode* n = Tree->Items()->GetFirstNode(); n; n = n->GetNext())
        out << QString(n->Level() * 2, QLatin1Char(' ')) + n->Text();
    return out;
}

// The catalogue: A5-02-05 (one case: Temperature, Learn Bit), F6-02-01
// (three cases), D2-01-01 (two cases).
class EnOceanEditor : public AppWindows {
protected:
    void SetUp() override
    {
        AppWindows::SetUp();
        Write_File(QStringLiteral("CAT_EnOcean/eep.xml"),
                   ReadBytes(QStringLiteral(STRATAGON_TEST_DATA "/core/images/enocean/eep.xml")));
        Start();
        Conf_Name = QStringLiteral("P1");
        Conf_Dir = Path(QStringLiteral("PROJECTS/P1"));
        Make_Folder(QStringLiteral("PROJECTS/P1/bin"));
        FRodedoruzoFirmWare->Set_Files();
        E = FEnOcean_SetAccess2;
        D = FEnOcean_Device;
        V = FEnOcean_Variable;
    }

    void Write_EnOcean(const QByteArray& Bytes) { Write_File(QStringLiteral("PROJECTS/P1/EnOcean.xml"), Bytes); }
    QByteArray EnOcean_Bytes() const { return ReadBytes(File_EnOcean); }
    // The saved file without the blanks between elements.
    std::string Saved_Text() const
    {
        return QString::fromUtf8(EnOcean_Bytes()).simplified().replace(QStringLiteral("> <"), QStringLiteral("><")).toStdString();
    }

    // Acts on the modal windows in the order they open: the editor first,
    // then the dialogs it opens. A window its action leaves open is
    // cancelled. Returns the editor's modal result.
    int Open(std::deque<std::function<void()>> Script)
    {
        int result = mrNone;
        TScopedModalHook hook([&](const TModalEvent& Event) {
            if (!Event.Form)
                return;
            ASSERT_FALSE(Script.empty()) << "unexpected window " << Event.Form->Name().toStdString();
            Opened << Event.Form->Name();
            auto act = std::move(Script.front());
            Script.pop_front();
            act();
            if (Event.Form == E)
                result = E->ModalResult();
            if (Event.Form->ModalResult() == mrNone)
                Event.Form->SetModalResult(mrCancel);
        });
        Opened.clear();
        FRodedoruzoFirmWare->Btn_Click(FRodedoruzoFirmWare->Btn_EnOcean_Access);
        EXPECT_TRUE(Script.empty()) << Script.size() << " windows did not open";
        return result;
    }

    // Picks an entry as the user does, by the arrow keys.
    void Pick(TComboBox* List, int Index)
    {
        List->SetFocus();
        if (List->ItemIndex() < 0)
            Key(List, VK_DOWN);
        while (List->ItemIndex() != Index)
            Key(List, List->ItemIndex() < Index ? VK_DOWN : VK_UP);
    }

    void Select_Device(int Index)
    {
        E->LB_ID_Devices_List->SetFocus();
        while (E->LB_ID_Devices_List->ItemIndex() != Index)
            Key(E->LB_ID_Devices_List, E->LB_ID_Devices_List->ItemIndex() < Index ? VK_DOWN : VK_UP);
    }

    // Selects the tree node at the depth-first Index as a click does.
    void Select_Node(int Index)
    {
        E->TW_UniSmart_EEP->SetSelected(E->TW_UniSmart_EEP->Items()->Item(Index));
        E->TW_UniSmart_EEPClick(E->TW_UniSmart_EEP);
    }

    // The value column; the merged heading rows read their label.
    QStringList Detail_Values() const
    {
        QStringList out;
        for (int row = 0; row < 9; ++row)
            out << E->SG_EEP_Var->Cells(1, row);
        return out;
    }

    // Chooses a complete variable in the dialog.
    void Choose(int R, int F, int T, int Case, int Var, const char* Pos, int Bit = 0)
    {
        Pick(V->CB_EEP_Rorg, R);
        Pick(V->CB_EEP_Func, F);
        Pick(V->CB_EEP_Type, T);
        Pick(V->CB_Var_Case, Case);
        Pick(V->CB_Var_Variable, Var);
        V->E_Var_Position->SetText(QString::fromLatin1(Pos));
        Pick(V->CB_Var_BitStart, Bit);
    }

    TFEnOcean_SetAccess2* E = nullptr;
    TFEnOcean_Device* D = nullptr;
    TFEnOcean_Variable* V = nullptr;
    QStringList Opened;
};

TEST_F(EnOceanEditor, TreeAndDetailTable)
{
    Write_EnOcean(File_Xml(
        Device_Xml("1", EEP_Xml(165, 2, 5, Var_Xml(0, "Temperature", 16, 8, 3, 0) + Var_Xml(0, "Learn Bit", 28, 1, 4, 7))
                            + EEP_Xml(16, 1, 10))
        + Device_Xml("0x0A")));
    Open({[&] {
        EXPECT_EQ(E->Caption(), QStringLiteral("EnOcean Set Access"));
        EXPECT_EQ(Items(E->LB_ID_Devices_List->Items()), QStringList({"1", "0x0A"}));
        EXPECT_EQ(E->LB_ID_Devices_List->ItemIndex(), -1);
        EXPECT_TRUE(Tree_Texts(E->TW_UniSmart_EEP).isEmpty());
        // Only "Unidirectional" is offered.
        EXPECT_EQ(E->CT_Uni_Smart_Remote->ActiveTabIndex(), 0);
        EXPECT_FALSE(E->CT_Uni_Smart_Remote->Tabs()->Items(1)->Visible());
        EXPECT_FALSE(E->CT_Uni_Smart_Remote->Tabs()->Items(2)->Visible());

        // The keyboard selects a device as a click does.
        Select_Device(0);
        EXPECT_EQ(Tree_Texts(E->TW_UniSmart_EEP),
                  QStringList({"Unidirectional - EEP List", "  EEP - RORG : 0xA5 FUNC : 0x02 TYPE : 0x05",
                               "    Variable - Temperature", "    Variable - Learn Bit",
                               "  EEP - RORG : 0x10 FUNC : 0x01 TYPE : 0x0A"}));
        Select_Node(3);
        EXPECT_EQ(E->Ind_EEP, 0);
        EXPECT_EQ(E->Ind_Var, 1);
        EXPECT_EQ(Detail_Values(),
                  QStringList({"EEP", "0xA5 : 4BS Telegram", "0x02 : Temperature Sensors",
                               "0x05 : Temperature Sensor Range 0C to +40C", "Variable", "1 -> Temperature",
                               "Learn Bit", "4", "7"}));
        Select_Node(1);
        EXPECT_EQ(Detail_Values(),
                  QStringList({"EEP", "0xA5 : 4BS Telegram", "0x02 : Temperature Sensors",
                               "0x05 : Temperature Sensor Range 0C to +40C", "Variable", "", "", "", ""}));
        // A profile the catalogue lacks: its numbers in the tree, nothing in
        // the table.
        Select_Node(4);
        EXPECT_EQ(Detail_Values(), QStringList({"EEP", "", "", "", "Variable", "", "", "", ""}));
        Select_Node(0);
        EXPECT_EQ(E->Ind_EEP, -1);
        // The root selected: remove asks nothing and changes nothing.
        E->Btn_VariableClick(E->Btn_Remove_Variable);
        EXPECT_TRUE(FBoxes.Calls.empty());
        EXPECT_EQ(Tree_Texts(E->TW_UniSmart_EEP).size(), 5);

        // The label column and its colours.
        QStringList labels;
        for (int row = 0; row < 9; ++row)
            labels << E->SG_EEP_Var->Cells(0, row);
        EXPECT_EQ(labels, QStringList({"EEP", "RORG", "FUNC", "TYPE", "Variable", "Case", "Variable", "Position",
                                       "Bit Start"}));
        EXPECT_FALSE(E->SG_EEP_Var->IsBaseCell(1, 0));
        EXPECT_FALSE(E->SG_EEP_Var->IsBaseCell(1, 4));
        EXPECT_TRUE(E->SG_EEP_Var->IsBaseCell(1, 1));
        EXPECT_EQ(E->SG_EEP_Var->CellProperties(0, 0)->BrushColor(), TColor(0xF0CAA6));
        EXPECT_EQ(E->SG_EEP_Var->CellProperties(0, 5)->BrushColor(), TColor(0xC0DCC0));
        EXPECT_EQ(E->SG_EEP_Var->ColWidths(0), 80);
        EXPECT_EQ(E->SG_EEP_Var->ColWidths(1), 300);
    }});
}

// The device dialog's rows and height by security type, and its
// identifier check.
TEST_F(EnOceanEditor, DeviceDialogSizeAndIdentifier)
{
    Open({[&] { E->Btn_DeviceClick(E->Btn_Add_Device); },
          [&] {
              EXPECT_EQ(D->Caption(), QStringLiteral("Add EnOcean Device"));
              EXPECT_EQ(D->L_SW_Desc->Caption(), QStringLiteral("Add EnOcean Device"));
              EXPECT_EQ(D->ClientHeight(), 185);
              EXPECT_FALSE(D->E_DevEnOcean_Secure_Key->Visible());
              Pick(D->CB_DevEnOcean_SecType, 1);
              EXPECT_EQ(D->ClientHeight(), 216);
              EXPECT_TRUE(D->E_DevEnOcean_Secure_Key->Visible());
              EXPECT_FALSE(D->CB_DevEnOcean_Secure_PTM->Visible());
              Pick(D->CB_DevEnOcean_SecType, 2);
              EXPECT_EQ(D->ClientHeight(), 409);
              EXPECT_TRUE(D->CB_DevEnOcean_Secure_PTM->Visible());
              D->E_DevEnOcean_Secure_Key->SetFocus();
              Type(D->E_DevEnOcean_Secure_Key, QStringLiteral("00112233445566778899"));
              EXPECT_EQ(D->E_DevEnOcean_Secure_Key->Text(), QStringLiteral("0011223344556677"));
              Pick(D->CB_DevEnOcean_Secure_CMACAlg, 2);
              // Hidden again, the key still goes back to the editor.
              Pick(D->CB_DevEnOcean_SecType, 0);
              EXPECT_FALSE(D->E_DevEnOcean_Secure_Key->Visible());

              const struct {
                  const char* Id;
                  bool Ok;
              } ids[] = {{"", false},          {"-1", false},          {"4294967296", false}, {"12 ", false},
                         {"0x", false},        {"abc", false},         {"0", true},           {" 25", true},
                         {"$FF", true},        {"0x181ABCD", true},    {"+7", true},          {"4294967295", true}};
              for (const auto& c : ids) {
                  SCOPED_TRACE(c.Id);
                  FBoxes.Calls.clear();
                  D->E_DevEnOcean_ID->SetText(QString::fromLatin1(c.Id));
                  EXPECT_EQ(D->Check_Data_Device(), c.Ok);
                  EXPECT_EQ(Box_Texts(), c.Ok ? QStringList()
                                              : QStringList({"Error!! Device ID must be between 0 and 4294967296"}));
              }
              D->E_DevEnOcean_ID->SetText(QStringLiteral("4294967296"));
              Click(D->Btn_OK, {5, 5});
              EXPECT_EQ(D->ModalResult(), mrNone);
              D->E_DevEnOcean_ID->SetText(QStringLiteral("4294967295"));
              Click(D->Btn_OK, {5, 5});
              EXPECT_EQ(D->ModalResult(), mrOk);
          }});
    // Not saved: the editor was cancelled.
    EXPECT_FALSE(QFile::exists(File_EnOcean));
}

TEST_F(EnOceanEditor, DevicesAddedModifiedRemovedAndSaved)
{
    FBoxes.Answers = {IDNO, IDYES};
    const int result = Open({
        [&] {
            E->Btn_DeviceClick(E->Btn_Add_Device);
            E->Btn_DeviceClick(E->Btn_Add_Device);
            EXPECT_EQ(Items(E->LB_ID_Devices_List->Items()), QStringList({"0x181ABCD", "25"}));
            // A double click without a selection adds, with one it modifies.
            E->LB_ID_Devices_List->SetItemIndex(-1);
            E->LB_ID_Devices_ListDblClick(E->LB_ID_Devices_List);
            Select_Device(1);
            E->LB_ID_Devices_ListDblClick(E->LB_ID_Devices_List);
            EXPECT_EQ(Items(E->LB_ID_Devices_List->Items()), QStringList({"0x181ABCD", "26"}));
            EXPECT_EQ(E->LB_ID_Devices_List->ItemIndex(), -1);
            // Remove asks; No keeps the device, Yes removes it and empties
            // the tree and the table.
            Select_Device(1);
            E->Btn_DeviceClick(E->Btn_Remove_Device);
            EXPECT_EQ(E->DevList.size(), 2u);
            Select_Device(1);
            E->Btn_DeviceClick(E->Btn_Remove_Device);
            EXPECT_EQ(Items(E->LB_ID_Devices_List->Items()), QStringList({"0x181ABCD"}));
            EXPECT_TRUE(Tree_Texts(E->TW_UniSmart_EEP).isEmpty());
            EXPECT_EQ(Box_Texts(), QStringList({"Are you sure to cancel the Device EnOcean?",
                                                "Are you sure to cancel the Device EnOcean?"}));
            Click(E->Btn_OK, {5, 5});
        },
        [&] {
            D->E_DevEnOcean_ID->SetFocus();
            Type(D->E_DevEnOcean_ID, QStringLiteral("0x181ABCD"));
            Pick(D->CB_DevEnOcean_SecType, 2);
            D->E_DevEnOcean_Secure_Key->SetText(QStringLiteral("K1"));
            D->E_DevEnOcean_Secure_RollCode->SetText(QStringLiteral("R1"));
            Pick(D->CB_DevEnOcean_Secure_RollCodeAlg, 2);
            Pick(D->CB_DevEnOcean_Secure_RollCodeTx, 1);
            Pick(D->CB_DevEnOcean_Secure_CMACAlg, 1);
            Pick(D->CB_DevEnOcean_Secure_DataEnc, 2);
            Pick(D->CB_DevEnOcean_Secure_PTM, 1);
            D->E_DevEnOcean_Secure_Key->SetFocus();
            Click(D->Btn_OK, {5, 5});
        },
        [&] {
            // The key field, focused last time, is hidden now: the
            // identifier takes the typing.
            EXPECT_EQ(D->ActiveControl(), D->E_DevEnOcean_ID);
            // The identifier and type start afresh; the other fields keep
            // what they held.
            EXPECT_EQ(D->E_DevEnOcean_ID->Text(), QString());
            EXPECT_EQ(D->CB_DevEnOcean_SecType->ItemIndex(), 0);
            EXPECT_EQ(D->E_DevEnOcean_Secure_Key->Text(), QStringLiteral("K1"));
            D->E_DevEnOcean_ID->SetText(QStringLiteral("25"));
            Click(D->Btn_OK, {5, 5});
        },
        [&] {
            EXPECT_EQ(D->Caption(), QStringLiteral("Add EnOcean Device"));
            Click(D->Btn_Cancel, {5, 5});
        },
        [&] {
            EXPECT_EQ(D->Caption(), QStringLiteral("Modify EnOcean Device"));
            EXPECT_EQ(D->L_SW_Desc->Caption(), QStringLiteral("Modify EnOcean Device"));
            EXPECT_EQ(D->E_DevEnOcean_ID->Text(), QStringLiteral("25"));
            D->E_DevEnOcean_ID->SetText(QStringLiteral("26"));
            Click(D->Btn_OK, {5, 5});
        },
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(Opened, QStringList({"FEnOcean_SetAccess2", "FEnOcean_Device", "FEnOcean_Device", "FEnOcean_Device",
                                   "FEnOcean_Device"}));
    EXPECT_EQ(Saved_Text(), "<EnOcean><DevicesList><Device Id=\"0x181ABCD\" Secure_Type=\"2\" Key=\"K1\" "
                            "RollCode=\"R1\" RollCodeAlg=\"2\" RollCodeTx=\"1\" CMACAlg=\"1\" DataCript=\"2\" "
                            "PTM=\"1\"><UnidirectionalList /><SmartACKList /><Remote /></Device></DevicesList>"
                            "</EnOcean><!--SW_VERSION = 1.000-->");
}

// Variables added through the catalogue cascade, with the dialog's checks.
TEST_F(EnOceanEditor, VariablesAddedThroughTheCascade)
{
    Write_EnOcean(File_Xml(Device_Xml("1")));
    const QString incomplete = QStringLiteral("Error!! Select a RORG, FUNC, TYPE, Case and Variable");
    const int result = Open({
        [&] {
            // Without a device: text 1231.
            E->Btn_VariableClick(E->Btn_Add_Variable);
            EXPECT_EQ(Box_Texts(), QStringList({"Error!! Insert or select one EnOcean Device"}));
            Select_Device(0);
            E->Btn_VariableClick(E->Btn_Add_Variable);
            EXPECT_EQ(Tree_Texts(E->TW_UniSmart_EEP),
                      QStringList({"Unidirectional - EEP List", "  EEP - RORG : 0xA5 FUNC : 0x02 TYPE : 0x05",
                                   "    Variable - Learn Bit"}));
            // With the variable selected the dialog starts from it; the same
            // case and field again is refused.
            Select_Node(2);
            E->Btn_VariableClick(E->Btn_Add_Variable);
            EXPECT_EQ(Tree_Texts(E->TW_UniSmart_EEP).size(), 5);
            EXPECT_EQ(E->DevList[0]->UnidirectionalList.size(), 2u);
            Click(E->Btn_OK, {5, 5});
        },
        [&] {
            EXPECT_EQ(V->Caption(), QStringLiteral("Add EnOcean Variable"));
            EXPECT_EQ(Items(V->CB_EEP_Rorg->Items()),
                      QStringList({"0xA5 : 4BS Telegram", "0xF6 : RPS Telegram", "0xD2 : VLD Telegram"}));
            Click(V->Btn_OK, {5, 5});
            EXPECT_EQ(Box_Texts().last(), incomplete);
            Pick(V->CB_EEP_Rorg, 0);
            Pick(V->CB_EEP_Func, 0);
            Pick(V->CB_EEP_Type, 0);
            EXPECT_EQ(Items(V->CB_Var_Case->Items()), QStringList({"1 -> Temperature"}));
            Pick(V->CB_Var_Case, 0);
            EXPECT_EQ(Items(V->CB_Var_Variable->Items()),
                      QStringList({"Temperature : 16, 8", "Learn Bit : 28, 1"}));
            Pick(V->CB_Var_Variable, 1);
            V->E_Var_Position->SetText(QStringLiteral("x1"));
            Click(V->Btn_OK, {5, 5});
            EXPECT_EQ(Box_Texts().last(), QStringLiteral("Error!! Position must be an integer not below 0"));
            V->E_Var_Position->SetText(QStringLiteral("-1"));
            Click(V->Btn_OK, {5, 5});
            EXPECT_EQ(Box_Texts().last(), QStringLiteral("Error!! Position must be an integer not below 0"));
            V->E_Var_Position->SetText(QStringLiteral("12"));
            Pick(V->CB_Var_BitStart, 3);
            // Changing the RORG empties what lies below it.
            Pick(V->CB_EEP_Rorg, 1);
            EXPECT_TRUE(Items(V->CB_EEP_Type->Items()).isEmpty());
            EXPECT_TRUE(Items(V->CB_Var_Case->Items()).isEmpty());
            EXPECT_TRUE(Items(V->CB_Var_Variable->Items()).isEmpty());
            EXPECT_EQ(V->E_Var_Position->Text(), QString());
            EXPECT_EQ(V->CB_Var_BitStart->ItemIndex(), 0);
            Choose(0, 0, 0, 0, 1, "12", 3);
            Click(V->Btn_OK, {5, 5});
            EXPECT_EQ(V->ModalResult(), mrOk);
        },
        [&] {
            EXPECT_EQ(V->CB_EEP_Rorg->ItemIndex(), 0);
            EXPECT_EQ(V->CB_Var_Variable->ItemIndex(), 1);
            EXPECT_EQ(V->E_Var_Position->Text(), QStringLiteral("12"));
            EXPECT_EQ(V->CB_Var_BitStart->ItemIndex(), 3);
            FBoxes.Calls.clear();
            Click(V->Btn_OK, {5, 5});
            EXPECT_EQ(Box_Texts(), QStringList({"Error!! Variable already inserted in EEP"}));
            EXPECT_EQ(V->ModalResult(), mrNone);
            // Another profile makes a second EEP.
            Choose(1, 0, 0, 2, 0, "20", 7);
            Click(V->Btn_OK, {5, 5});
        },
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(Saved_Text(),
              "<EnOcean><DevicesList><Device Id=\"1\" Secure_Type=\"0\" Key=\"\" RollCode=\"\" RollCodeAlg=\"0\" "
              "RollCodeTx=\"0\" CMACAlg=\"0\" DataCript=\"0\" PTM=\"0\"><UnidirectionalList>"
              "<RorgFuncType RorgNum=\"165\" FuncNum=\"2\" TypeNum=\"5\"><VariablesList>"
              "<Variable CaseInd=\"0\" Data=\"Learn Bit\" BitOffs=\"28\" BitSize=\"1\" Position=\"12\" BitStart=\"3\" />"
              "</VariablesList></RorgFuncType>"
              "<RorgFuncType RorgNum=\"246\" FuncNum=\"2\" TypeNum=\"1\"><VariablesList>"
              "<Variable CaseInd=\"2\" Data=\"Rocker 2nd action\" BitOffs=\"4\" BitSize=\"3\" Position=\"20\" BitStart=\"7\" />"
              "</VariablesList></RorgFuncType>"
              "</UnidirectionalList><SmartACKList /><Remote /></Device></DevicesList></EnOcean><!--SW_VERSION = 1.000-->");
}

// At most 4 EEPs over both lists: a fifth profile is refused, a variable
// of one of the four is taken.
TEST_F(EnOceanEditor, FourEEPLimit)
{
    const QByteArray sack = "<SmartACKList>" + EEP_Xml(1, 1, 1) + "</SmartACKList>";
    QByteArray dev = Device_Xml("1", EEP_Xml(165, 2, 5) + EEP_Xml(210, 1, 1) + EEP_Xml(7, 7, 7));
    dev.replace("<SmartACKList/>", sack);
    Write_EnOcean(File_Xml(dev));
    Open({
        [&] {
            Select_Device(0);
            E->Btn_VariableClick(E->Btn_Add_Variable);
            EXPECT_EQ(E->DevList[0]->UnidirectionalList.size(), 3u);
            EXPECT_EQ(E->DevList[0]->UnidirectionalList[1]->VariableList.size(), 1u);
        },
        [&] {
            Choose(1, 0, 0, 0, 0, "1");
            Click(V->Btn_OK, {5, 5});
            EXPECT_EQ(Box_Texts(), QStringList({"Error!! No more space for EEP"}));
            Choose(2, 0, 0, 1, 0, "1");
            Click(V->Btn_OK, {5, 5});
            EXPECT_EQ(V->ModalResult(), mrOk);
        },
    });
}

// Modifying a variable and an EEP: the entry being modified is left out of
// the checks; an EEP's variables go only after a Yes.
TEST_F(EnOceanEditor, VariableAndEEPModified)
{
    Write_EnOcean(File_Xml(Device_Xml(
        "1", EEP_Xml(165, 2, 5, Var_Xml(0, "Temperature", 16, 8, 3, 0) + Var_Xml(0, "Learn Bit", 28, 1, 4, 7)))));
    FBoxes.Answers = {IDNO, IDYES};
    Open({
        [&] {
            Select_Device(0);
            Select_Node(2);
            E->Btn_VariableClick(E->Btn_Modify_Variable);
            EXPECT_EQ(Tree_Texts(E->TW_UniSmart_EEP).last(), QStringLiteral("    Variable - Learn Bit"));
            EXPECT_EQ(E->DevList[0]->UnidirectionalList[0]->VariableList[0]->FPosition, 30);
            Select_Node(1);
            // No to text 1226 opens no dialog.
            E->Btn_VariableClick(E->Btn_Modify_Variable);
            E->Btn_VariableClick(E->Btn_Modify_Variable);
            EXPECT_EQ(Box_Texts(), QStringList({"Do You really want to remove the variables for this EEP?",
                                                "Do You really want to remove the variables for this EEP?"}));
            EXPECT_EQ(Tree_Texts(E->TW_UniSmart_EEP),
                      QStringList({"Unidirectional - EEP List", "  EEP - RORG : 0xF6 FUNC : 0x02 TYPE : 0x01"}));
            // Nothing selected: the add starts from the last choice.
            E->Btn_VariableClick(E->Btn_Add_Variable);
        },
        [&] {
            EXPECT_EQ(V->Caption(), QStringLiteral("Modify EnOcean Variable"));
            EXPECT_FALSE(V->CB_EEP_Rorg->Enabled());
            EXPECT_FALSE(V->CB_EEP_Type->Enabled());
            EXPECT_EQ(V->CB_Var_Variable->ItemIndex(), 0);
            EXPECT_EQ(V->E_Var_Position->Text(), QStringLiteral("3"));
            // Unchanged, the variable is not a duplicate of itself.
            V->E_Var_Position->SetText(QStringLiteral("30"));
            Click(V->Btn_OK, {5, 5});
            EXPECT_EQ(V->ModalResult(), mrOk);
        },
        [&] {
            EXPECT_EQ(V->Caption(), QStringLiteral("Modify EnOcean EEP"));
            EXPECT_TRUE(Items(V->CB_Var_Case->Items()).isEmpty());
            EXPECT_FALSE(V->CB_Var_Case->Enabled());
            EXPECT_FALSE(V->E_Var_Position->Enabled());
            EXPECT_TRUE(V->CB_EEP_Rorg->Enabled());
            Pick(V->CB_EEP_Rorg, 1);
            Pick(V->CB_EEP_Func, 0);
            Pick(V->CB_EEP_Type, 0);
            Click(V->Btn_OK, {5, 5});
            EXPECT_EQ(V->ModalResult(), mrOk);
        },
        [&] {
            // The case list the EEP modification emptied is back.
            EXPECT_EQ(V->Caption(), QStringLiteral("Add EnOcean Variable"));
            EXPECT_EQ(V->CB_EEP_Type->ItemIndex(), 0);
            EXPECT_EQ(Items(V->CB_Var_Case->Items()).size(), 3);
            EXPECT_TRUE(V->CB_Var_Case->Enabled());
        },
    });
}

// OK without a change writes the same bytes; Cancel writes nothing and the
// next showing reads the file again.
TEST_F(EnOceanEditor, OkRewritesTheSameBytesAndCancelDiscards)
{
    Write_EnOcean(File_Xml(Device_Xml("1", EEP_Xml(165, 2, 5, Var_Xml(0, "Temperature", 16, 8, -5, 0)))));
    Open({[&] { Click(E->Btn_OK, {5, 5}); }});
    const QByteArray saved = EnOcean_Bytes();
    Open({[&] { Click(E->Btn_OK, {5, 5}); }});
    EXPECT_EQ(EnOcean_Bytes(), saved);
    FBoxes.DefaultAnswer = IDYES;
    Open({[&] {
        Select_Device(0);
        E->Btn_DeviceClick(E->Btn_Remove_Device);
        EXPECT_TRUE(E->DevList.empty());
        Click(E->Btn_Cancel, {5, 5});
    }});
    EXPECT_EQ(EnOcean_Bytes(), saved);
    Open({[&] { EXPECT_EQ(Items(E->LB_ID_Devices_List->Items()), QStringList({"1"})); }});
}

// A damaged file: what was read is shown with a warning naming the file;
// Cancel keeps the file, OK replaces it with what is shown.
TEST_F(EnOceanEditor, DamagedFileKeptUntilOK)
{
    const QByteArray damaged = "<EnOcean><DevicesList>" + Device_Xml("1") + "\n" + Device_Xml("2") + "\n<Device Id=";
    Write_EnOcean(damaged);
    Open({[&] {
        EXPECT_EQ(Items(E->LB_ID_Devices_List->Items()), QStringList({"1", "2"}));
        ASSERT_EQ(FBoxes.Calls.size(), 1u);
        const QString text = FBoxes.Calls[0].Text;
        EXPECT_TRUE(text.contains(File_EnOcean) && text.contains(QLatin1String("line 3")) &&
                    text.contains(QLatin1String("OK replaces the file")))
            << text.toStdString();
    }});
    EXPECT_EQ(EnOcean_Bytes(), damaged);
    EXPECT_EQ(Open({[&] { Click(E->Btn_OK, {5, 5}); }}), mrOk);
    EXPECT_EQ(Saved_Text().find("Id=\"2\"") != std::string::npos, true);
    EXPECT_EQ(Saved_Text().find("Device Id=\"\"") , std::string::npos);
}

// A save that fails is shown with its cause and the editor stays open.
TEST_F(EnOceanEditor, FailedSaveKeepsTheEditorOpen)
{
    Make_Folder(QStringLiteral("PROJECTS/P1/EnOcean.xml"));
    Open({[&] {
        Click(E->Btn_OK, {5, 5});
        EXPECT_EQ(E->ModalResult(), mrNone);
        ASSERT_EQ(FBoxes.Calls.size(), 1u);
        EXPECT_TRUE(FBoxes.Calls[0].Text.contains(File_EnOcean)) << FBoxes.Calls[0].Text.toStdString();
    }});
}

} // namespace
