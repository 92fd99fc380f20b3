// The older EnOcean editor, which the program creates but never opens: its
// texts and the language refresh, the device buttons below the security
// rows, the EEP and variable checks, and its file without Smart ACK EEPs.
#include "AppWindows.h"
#include "app/FEnOcean_SetAccess.h"
#include "app/FRodedoruzoFirmWare.h"
#include "controls/button/LbButton.h"
#include "controls/tabs/DeckTab.h"
#include "controls/tabs/DeckTabs.h"
#include "core/Globals.h"
#include "core/Lang.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/Panel.h"
#include "platform/controls/TreeView.h"
#include "platform/controls/WinApi.h"
#include "platform/rtl/StringList.h"
#include <QFile>
#include "tests/support/FileBytes.h"

using namespace SyntheticInput;

namespace {

class EnOceanOlderEditor : public AppWindows {
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
        W = FEnOcean_SetAccess;
    }

    void Pick(TComboBox* List, int Index)
    {
        List->SetFocus();
        if (List->ItemIndex() < 0)
            Key(List, VK_DOWN);
        while (List->ItemIndex() != Index)
            Key(List, List->ItemIndex() < Index ? VK_DOWN : VK_UP);
    }

    TFEnOcean_SetAccess* W = nullptr;
};

TEST_F(EnOceanOlderEditor, TextsFollowTheLanguageRefresh)
{
    EXPECT_EQ(W->Caption(), QStringLiteral("EnOcean Set Access"));
    EXPECT_EQ(W->ClientWidth(), 1150);
    EXPECT_EQ(W->ClientHeight(), 650);
    EXPECT_EQ(W->CT_ID_Data->Tabs()->Items(1)->Caption(), QStringLiteral("Data Exchange"));
    EXPECT_EQ(W->Uni.Btn_Var_Delete->Caption(), QStringLiteral("Delete"));
    EXPECT_EQ(W->L_DevEnOcean_Secure_PTM->Caption(), QStringLiteral("PTM"));
    Lang_SL->SetStrings(800, QStringLiteral("Accesso EnOcean"));
    Lang_SL->SetStrings(862, QStringLiteral("Cancella"));
    FRodedoruzoFirmWare->Change_Language();
    EXPECT_EQ(W->Caption(), QStringLiteral("Accesso EnOcean"));
    EXPECT_EQ(W->Uni.Btn_Var_Delete->Caption(), QStringLiteral("Cancella"));
    Load_Language();
}

TEST_F(EnOceanOlderEditor, EEPsAndVariablesWithTheirChecks)
{
    Write_File(QStringLiteral("PROJECTS/P1/EnOcean.xml"),
               "<EnOcean><DevicesList><Device Id=\"1\" Secure_Type=\"2\" Key=\"K\" RollCode=\"\" RollCodeAlg=\"0\" "
               "RollCodeTx=\"0\" CMACAlg=\"0\" DataCript=\"0\" PTM=\"1\"><UnidirectionalList/><SmartACKList>"
               "<RorgFuncType RorgNum=\"1\" FuncNum=\"1\" TypeNum=\"1\"><VariablesList/></RorgFuncType>"
               "</SmartACKList><Remote/></Device></DevicesList></EnOcean>");
    Run_Modal([&] { W->ShowModal(); },
              [&](TCustomForm*) {
                  EXPECT_EQ(W->LB_ID_Devices_List->Items()->Strings(0), QStringLiteral("ID 1"));
                  EXPECT_TRUE(W->DevList[0]->SmartACKList.empty());
                  W->LB_ID_Devices_List->SetItemIndex(0);
                  W->LB_ID_Devices_ListClick(W->LB_ID_Devices_List);
                  EXPECT_EQ(W->E_DevEnOcean_Secure_Key->Text(), QStringLiteral("K"));
                  EXPECT_EQ(W->CB_DevEnOcean_Secure_PTM->ItemIndex(), 1);
                  // Manual setting: the device buttons below the PTM row.
                  EXPECT_EQ(W->Btn_Add_Device->Top(), W->L_DevEnOcean_Secure_PTM->Top() + 33);
                  EXPECT_EQ(W->Btn_Delete_Device->Top(), W->Btn_Add_Device->Top() + 34);
                  Pick(W->CB_DevEnOcean_SecType, 0);
                  EXPECT_EQ(W->Btn_Add_Device->Top(), W->L_DevEnOcean_SecType->Top() + 33);

                  W->CT_ID_Data->SetActiveTabIndex(1);
                  EXPECT_TRUE(W->P_Data_Exchange->Visible());
                  W->Btn_EEPClick(W->Uni.Btn_EEP_Add);
                  Pick(W->Uni.CB_EEP_Rorg, 0);
                  W->Btn_EEPClick(W->Uni.Btn_EEP_Add);
                  Pick(W->Uni.CB_EEP_Func, 0);
                  Pick(W->Uni.CB_EEP_Type, 0);
                  W->Btn_EEPClick(W->Uni.Btn_EEP_Add);
                  W->Btn_EEPClick(W->Uni.Btn_EEP_Add);
                  EXPECT_EQ(W->Ind_EEP, 0);
                  W->Btn_VarClick(W->Uni.Btn_Var_Add);
                  W->Uni.CT_EEP_Var->SetActiveTabIndex(1);
                  Pick(W->Uni.CB_Var_Case, 0);
                  Pick(W->Uni.CB_Var_DataField, 1);
                  W->Uni.E_Var_Position->SetText(QStringLiteral("2000"));
                  W->Btn_VarClick(W->Uni.Btn_Var_Add);
                  W->Uni.E_Var_Position->SetText(QStringLiteral("1999"));
                  W->Btn_VarClick(W->Uni.Btn_Var_Add);
                  EXPECT_EQ(Box_Texts(), QStringList({"Error!! Select a RORG before add an EEP",
                                                      "Error!! Select a FUNC before add an EEP",
                                                      "Error!! EEP already present",
                                                      "Error!! Select a Variable before add",
                                                      "Error!! Position must be between 0 and 1999"}));
                  EXPECT_EQ(W->Ind_Var, 0);
                  TTreeNode* root = W->Uni.TW_EEP->Items()->GetFirstNode();
                  ASSERT_TRUE(root);
                  EXPECT_EQ(root->Item(0)->Item(0)->Text(), QStringLiteral("Variable - Learn Bit"));
                  W->Btn_OKClick(W->Btn_OK);
              });
    EXPECT_EQ(QString::fromUtf8(ReadBytes(File_EnOcean)).simplified().replace(QStringLiteral("> <"), QStringLiteral("><")),
              QStringLiteral("<EnOcean><DevicesList><Device Id=\"1\" Secure_Type=\"2\" Key=\"K\" RollCode=\"\" "
                             "RollCodeAlg=\"0\" RollCodeTx=\"0\" CMACAlg=\"0\" DataCript=\"0\" PTM=\"1\">"
                             "<UnidirectionalList><RorgFuncType RorgNum=\"165\" FuncNum=\"2\" TypeNum=\"5\">"
                             "<VariablesList><Variable CaseInd=\"0\" Data=\"Learn Bit\" BitOffs=\"28\" BitSize=\"1\" "
                             "Position=\"1999\" BitStart=\"0\" /></VariablesList></RorgFuncType></UnidirectionalList>"
                             "<SmartACKList /><Remote /></Device></DevicesList></EnOcean><!--SW_VERSION = 1.000-->"));
}

} // namespace
