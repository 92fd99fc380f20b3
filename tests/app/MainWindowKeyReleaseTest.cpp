// A dialog closed by Enter on key down leaves the key's release to the
// button that has the focus afterwards: the release must not click it.
#include "AppWindows.h"
#include "app/FNew_Project.h"
#include "app/FParGen.h"
#include "app/FRodedoruzoFirmWare.h"
#include "app/Settings.h"
#include "controls/button/LbButton.h"
#include "core/Globals.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Edit.h"
#include "platform/controls/WinApi.h"
#include <QFile>

using namespace SyntheticInput;

namespace {

class MainWindowKeyRelease : public AppWindows {
protected:
    void SetUp() override
    {
        AppWindows::SetUp();
        Make_Folder("PROJECTS/P1/bin");
        Write_File("Stratagon.xml", "<Conf_Settings><lastproj><projectname>P1</projectname></lastproj></Conf_Settings>");
        Start();
        ASSERT_EQ(Conf_Dir, Path("PROJECTS/P1"));
        FRodedoruzoFirmWare->Show();
    }

    // Each modal window that opens, by name.
    QStringList FOpened;
    TModalHook Recording(const std::function<void(TCustomForm*)>& OnFirst)
    {
        return [this, OnFirst](const TModalEvent& Event) {
            if (!Event.Form)
                return;
            FOpened << Event.Form->Name();
            if (FOpened.size() == 1)
                OnFirst(Event.Form);
            if (Event.Form->ModalResult() == mrNone)
                Event.Form->SetModalResult(mrCancel);
        };
    }
};

TEST_F(MainWindowKeyRelease, NewConfigurationOpensOncePerEnter)
{
    TLbButton* button = FRodedoruzoFirmWare->Btn_New;
    TScopedModalHook hook(Recording([](TCustomForm*) {
        FNew_Project->E_New_Proj->SetText(QStringLiteral("Keyed"));
        KeyDown(FNew_Project->E_New_Proj, VK_RETURN, {}, QStringLiteral("\r"));
    }));
    Click(button, {5, 5});
    EXPECT_EQ(Conf_Name, u"Keyed");
    EXPECT_TRUE(button->Focused());
    KeyUp(button, VK_RETURN);
    EXPECT_EQ(FOpened, QStringList({"FNew_Project"}));
}

TEST_F(MainWindowKeyRelease, EDEExportAsksForTheFileOnce)
{
    TRecordingFileDialogService dialogs;
    TScopedFileDialogService scope(&dialogs);
    dialogs.Answers = {TFileDialogResult{true, {Path("PROJECTS/P1/ede.csv")}, 1}};
    TLbButton* button = FRodedoruzoFirmWare->Btn_BACnet_EDE_File;
    // The dialog's Enter went down inside it; only the release is left.
    Click(button, {5, 5});
    ASSERT_TRUE(QFile::exists(Path("PROJECTS/P1/ede.csv")));
    KeyUp(button, VK_RETURN);
    EXPECT_EQ(dialogs.Requests.size(), 1u);
    EXPECT_TRUE(FBoxes.Calls.empty());
}

TEST_F(MainWindowKeyRelease, ParameterErrorBoxClosedByEnterComesOnce)
{
    TScopedModalHook hook(Recording([](TCustomForm*) {
        FParGen->E_BACnet_IP_Slave_Port->SetText(QStringLiteral("10000"));
        Click(FParGen->Btn_OK, {5, 5});
        // The error box closed on Enter's press; its release reaches OK.
        KeyUp(FParGen->Btn_OK, VK_RETURN);
    }));
    FRodedoruzoFirmWare->Btn_Click(FRodedoruzoFirmWare->Btn_Prm_Gen);
    EXPECT_EQ(Box_Texts(), QStringList({"Error BACnet!! PORT must be between 0 and 65535, and different from 10000 and 10001"}));
    EXPECT_FALSE(QFile::exists(File_ParGen));
}

} // namespace
