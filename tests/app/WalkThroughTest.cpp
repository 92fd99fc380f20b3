// The integrator's road through the configurator in one go, offscreen: a
// new configuration, BACnet/IP parameters, two EnOcean devices with
// variables from the shipped catalogue, BACnet read and write objects, the
// EDE file and the device update with a stub update program, then every
// file the road wrote. Windows and controls are found by their names; the
// message boxes and the save dialog are answered by the test services.
#include "AppWindows.h"
#include "WalkRoad.h"
#include "app/FRodedoruzoFirmWare.h"
#include "app/Settings.h"
#include "controls/button/LbButton.h"
#include "core/Globals.h"
#include "grid/core/GridEditors.h"
#include "grid/core/ProInplaceEdit.h"
#include "grid/features/ProColumnGrid.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/TreeView.h"
#include "platform/controls/WinApi.h"
#include "platform/services/IcmpEcho.h"
#include <deque>

using namespace SyntheticInput;

namespace {

template <typename T>
T* Find(TComponent* Owner, const char* Name)
{
    auto* found = dynamic_cast<T*>(Owner->FindComponent(QString::fromLatin1(Name)));
    EXPECT_TRUE(found) << Name << " in " << Owner->Name().toStdString();
    return found;
}

TPoint Centre(TControl* C)
{
    return TPoint{C->Width() / 2, C->Height() / 2};
}

void Press(TComponent* Owner, const char* Name)
{
    if (auto* button = Find<TControl>(Owner, Name))
        Click(button, Centre(button));
}

// Replaces the field's text by typing, as after selecting all of it.
void Type_Into(TComponent* Owner, const char* Name, const QString& Text)
{
    auto* edit = Find<TEdit>(Owner, Name);
    if (!edit)
        return;
    Click(edit, TPoint{4, 4});
    edit->SelectAll();
    Key(edit, VK_DELETE);
    Type(edit, Text);
}

// Chooses an entry with the arrow keys.
void Pick(TComponent* Owner, const char* Name, int Index)
{
    auto* list = Find<TComboBox>(Owner, Name);
    if (!list)
        return;
    list->SetFocus();
    for (int guard = 0; list->ItemIndex() != Index && guard < 100; ++guard)
        Key(list, list->ItemIndex() < Index ? VK_DOWN : VK_UP);
    EXPECT_EQ(list->ItemIndex(), Index) << Name;
}

class WalkThrough : public AppWindows {
protected:
    void SetUp() override
    {
        AppWindows::SetUp();
        WalkRoad::Prepare_Program_Folder(FDir.path());
        FClock.SetNow(WalkRoad::EDE_Time());
        // The echo goes to 127.0.0.1 for real where the system allows it.
        if (TIcmpEcho().Ping(QStringLiteral("127.0.0.1"), "probe").Status == TEchoStatus::esError)
            SetIcmpEchoFactory([] { return std::make_unique<TFakeIcmpEcho>(); });
    }
    void TearDown() override
    {
        SetIcmpEchoFactory(nullptr);
        AppWindows::TearDown();
    }

    // The windows and boxes expected to open, in order, each with what the
    // user does in it. A form is named by its object name, a box by its
    // text.
    struct TStep {
        QString Window;
        std::function<void(TCustomForm*)> Act;
    };

    // Presses a step of the main window and walks the steps; every window
    // must be closed by its step.
    void Road(const char* Button, std::deque<TStep> Steps)
    {
        TScopedModalHook hook([&](const TModalEvent& Event) {
            const QString window = Event.Form ? Event.Form->Name() : Event.Text;
            ASSERT_FALSE(Steps.empty()) << "unexpected " << window.toStdString();
            TStep step = std::move(Steps.front());
            Steps.pop_front();
            EXPECT_EQ(window, step.Window);
            if (step.Act)
                step.Act(Event.Form);
            if (Event.Form && Event.Form->ModalResult() == mrNone) {
                ADD_FAILURE() << window.toStdString() << " was left open";
                Event.Form->SetModalResult(mrCancel);
            }
        });
        Press(FRodedoruzoFirmWare, Button);
        EXPECT_TRUE(Steps.empty()) << Steps.size() << " windows did not open, the first "
                                   << Steps.front().Window.toStdString();
    }

    // Grid input: a click on the cell, then typing (an edit) or a choice
    // with the arrow keys (a list), then Enter.
    static void Cell(TProColumnGrid* Grid, int Real_Col, int Row, const QString& Text)
    {
        if (Text.isEmpty())
            return;
        const TRect r = Grid->CellRect(Grid->RealToDisplCol(Real_Col), Row);
        Click(Grid, TPoint{r.Left + 4, r.Top + 4});
        ASSERT_EQ(Grid->Row(), Row);
        TGridCombo* combo = Grid->Combobox();
        if (Grid->ColumnItem(Real_Col)->Editor() == edComboList) {
            Key(Grid, VK_F2);
            ASSERT_TRUE(combo && combo->Visible());
            const int index = combo->Items()->IndexOf(Text);
            ASSERT_GE(index, 0) << Text.toStdString();
            for (int guard = 0; combo->ItemIndex() != index && guard < 2000; ++guard)
                Key(combo, combo->ItemIndex() < index ? VK_DOWN : VK_UP);
            Key(combo, VK_RETURN, {}, QStringLiteral("\r"));
        } else {
            Type(Grid, Text.left(1));
            ASSERT_TRUE(Grid->NormalEdit() && Grid->NormalEdit()->Visible());
            Type(Grid->NormalEdit(), Text.mid(1));
            Key(Grid->NormalEdit(), VK_RETURN, {}, QStringLiteral("\r"));
        }
        EXPECT_EQ(Grid->AllCells(Real_Col, Row), Text);
    }

    static void Fill_Row(TProColumnGrid* Grid, int Row, const WalkRoad::TRow& R)
    {
        Cell(Grid, 1, Row, QString::fromLatin1(R.Type));
        Cell(Grid, 2, Row, QString::fromLatin1(R.Unit));
        Cell(Grid, 3, Row, QString::fromLatin1(R.Position));
        Cell(Grid, 4, Row, QString::fromLatin1(R.Bit));
        Cell(Grid, 5, Row, QString::fromLatin1(R.Length));
        Cell(Grid, 7, Row, QString::fromLatin1(R.Mnemonic));
    }

    // The variable dialog's choice, then OK.
    static TStep Variable(const WalkRoad::TVariable& V)
    {
        return {"FEnOcean_Variable", [V](TCustomForm* F) {
                    Pick(F, "CB_EEP_Rorg", V.Rorg);
                    Pick(F, "CB_EEP_Func", V.Func);
                    Pick(F, "CB_EEP_Type", V.Type);
                    Pick(F, "CB_Var_Case", V.Case);
                    Pick(F, "CB_Var_Variable", V.Field);
                    Type_Into(F, "E_Var_Position", QString::fromLatin1(V.Position));
                    Pick(F, "CB_Var_BitStart", V.Bit);
                    Press(F, "Btn_OK");
                }};
    }
};

TEST_F(WalkThrough, IntegratorRoad)
{
    using namespace WalkRoad;
    Start();
    TFRodedoruzoFirmWare* main = FRodedoruzoFirmWare;
    TLabel* name_label = Find<TLabel>(main, "L_Name_Conf_L2");

    // Step 1: a new configuration, confirmed with Enter.
    Road("Btn_New", {{"FNew_Project", [](TCustomForm* F) {
                          Type_Into(F, "E_New_Proj", QString::fromLatin1(Conf));
                          Key(Find<TEdit>(F, "E_New_Proj"), VK_RETURN, {}, QStringLiteral("\r"));
                      }}});
    EXPECT_EQ(name_label->Caption(), QString::fromLatin1(Conf));

    // Step 2: BACnet/IP parameters; a refused port first.
    Road("Btn_Prm_Gen", {{"FParGen",
                          [](TCustomForm* F) {
                              for (int i = 0; i < 4; ++i) {
                                  const QByteArray ip = "E_BACnet_IP_Slave_IP" + QByteArray::number(i + 1);
                                  const QByteArray gat = "E_BACnet_IP_Slave_GAT" + QByteArray::number(i + 1);
                                  Type_Into(F, ip.constData(), IP[i]);
                                  Type_Into(F, gat.constData(), Gateway[i]);
                              }
                              auto* gateway = Find<TCheckBox>(F, "CB_BACnet_IP_Slave_GAT");
                              Click(gateway, TPoint{6, gateway->Height() / 2});
                              EXPECT_TRUE(gateway->Checked());
                              Type_Into(F, "E_BACnet_IP_Slave_Port", QString::fromLatin1(Bad_Port));
                              Type_Into(F, "E_BACnet_IP_Slave_Device_Name", QString::fromLatin1(Device_Name));
                              Type_Into(F, "E_BACnet_IP_Slave_Device_Identifier", QString::fromLatin1(Device_Id));
                              Press(F, "Btn_OK");
                              EXPECT_EQ(F->ModalResult(), mrNone);
                              Type_Into(F, "E_BACnet_IP_Slave_Port", QString::fromLatin1(Port));
                              Press(F, "Btn_OK");
                          }},
                         {Bad_Port_Text, nullptr}});

    // Step 3: two devices, the first identifier refused once, and two
    // variables for each.
    Road("Btn_EnOcean_Access",
         {{"FEnOcean_SetAccess2",
           [](TCustomForm* E) {
               auto* devices = Find<TListBox>(E, "LB_ID_Devices_List");
               Press(E, "Btn_Add_Device");
               Press(E, "Btn_Add_Device");
               ASSERT_EQ(devices->Items()->Count(), 2);
               for (int d = 0; d < 2; ++d) {
                   devices->SetFocus();
                   while (devices->ItemIndex() != d)
                       Key(devices, VK_DOWN);
                   for (int v = 0; v < 2; ++v)
                       Press(E, "Btn_Add_Variable");
               }
               Press(E, "Btn_OK");
           }},
          {"FEnOcean_Device",
           [](TCustomForm* D) {
               Type_Into(D, "E_DevEnOcean_ID", QString::fromLatin1(Bad_Id));
               Press(D, "Btn_OK");
               EXPECT_EQ(D->ModalResult(), mrNone);
               Type_Into(D, "E_DevEnOcean_ID", QString::fromLatin1(Id_1));
               Press(D, "Btn_OK");
           }},
          {Bad_Id_Text, nullptr},
          {"FEnOcean_Device",
           [](TCustomForm* D) {
               Type_Into(D, "E_DevEnOcean_ID", QString::fromLatin1(Id_2));
               Pick(D, "CB_DevEnOcean_SecType", 1);
               Type_Into(D, "E_DevEnOcean_Secure_Key", QString::fromLatin1(Key_2));
               Press(D, "Btn_OK");
           }},
          Variable(Vars_1[0]), Variable(Vars_1[1]), Variable(Vars_2[0]), Variable(Vars_2[1])});

    // Step 4: read and write objects; OK refused once for a missing
    // Position.
    Road("Btn_BACnet_SetAccess",
         {{"FBACnetSlaveSetAccess",
           [](TCustomForm* B) {
               auto* read = Find<TProColumnGrid>(B, "CG_BACnet_in_Read");
               auto* write = Find<TProColumnGrid>(B, "CG_BACnet_in_Write");
               for (int r = 0; r < int(std::size(Read_Rows)); ++r)
                   Fill_Row(read, r + 1, Read_Rows[r]);
               auto* pages = Find<TPageControl>(B, "PageControl1");
               pages->SetActivePage(Find<TTabSheet>(B, "TS_BACnet_in_Write"));
               Fill_Row(write, 1, Write_Rows[0]);
               WalkRoad::TRow last = Write_Rows[1];
               last.Position = "";
               Fill_Row(write, 2, last);
               Press(B, "Btn_OK");
               EXPECT_EQ(B->ModalResult(), mrNone);
               Cell(write, 3, 2, QString::fromLatin1(Write_Rows[1].Position));
               Press(B, "Btn_OK");
           }},
          {Bad_Row_Text, nullptr}});

    // Step 5: the EDE file, named in the save dialog.
    TRecordingFileDialogService dialogs;
    {
        TScopedFileDialogService scope(&dialogs);
        dialogs.Answers = {TFileDialogResult{
            true, {Path(QStringLiteral("PROJECTS/") + QLatin1String(Conf) + QChar(u'/') + QLatin1String(EDE_Name))}, 1}};
        Road("Btn_BACnet_EDE_File", {});
        ASSERT_EQ(dialogs.Requests.size(), 1u);
        EXPECT_TRUE(dialogs.Requests[0].Save);
    }

    // Step 6: the update to 127.0.0.1 on the system clock, the stub update
    // program started for real; the window stays open until Cancel.
    SetClock(nullptr);
    Road("Btn_CreateBin", {{"FBoot", [](TCustomForm* U) {
                                for (int i = 0; i < 4; ++i) {
                                    const QByteArray name = "E_IP" + QByteArray::number(i + 1);
                                    Type_Into(U, name.constData(), Gateway_IP[i]);
                                }
                                Press(U, "Btn_Update");
                                EXPECT_EQ(U->ModalResult(), mrNone);
                                Press(U, "Btn_Cancel");
                            }}});
    SetClock(&FClock);

    // Closing the main window writes the settings.
    Close_Main();
    EXPECT_EQ(Box_Texts(), QStringList({Bad_Port_Text, Bad_Id_Text, Bad_Row_Text}));
    Check_Files(FDir.path(), QStringLiteral("08:30:05 11/12/2026"));
}

} // namespace
