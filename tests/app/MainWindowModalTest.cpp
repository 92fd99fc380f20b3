// While one of the program's dialogs is open, clicks on the main window
// change nothing: no step runs, no second dialog opens, nothing is written.
#include "AppWindows.h"
#include "app/FAbout.h"
#include "app/FBoot.h"
#include "app/FEnOcean_SetAccess2.h"
#include "app/FNew_Project.h"
#include "app/FOpenConf.h"
#include "app/FParGen.h"
#include "app/FRodedoruzoFirmWare.h"
#include "app/FSoftOptions.h"
#include "controls/button/LbButton.h"
#include "core/Globals.h"
#include "platform/controls/Dialogs.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include "tests/support/FileBytes.h"

using namespace SyntheticInput;

namespace {

TEST_F(AppWindows, MainWindowTakesNoClicksWhileADialogIsOpen)
{
    const QString sample = QStringLiteral(STRATAGON_TEST_DATA "/core/images/bacnet_ip/");
    for (const char* f : {"ParGen.xml", "BACnet_Slave.xml"})
        Write_File(QStringLiteral("PROJECTS/P1/") + f, ReadBytes(sample + f));
    const QByteArray settings = "<Conf_Settings><lastproj><projectname>P1</projectname></lastproj></Conf_Settings>";
    Write_File("Stratagon.xml", settings);
    Start();
    TFRodedoruzoFirmWare* w = FRodedoruzoFirmWare;
    ASSERT_EQ(Conf_Dir, Path("PROJECTS/P1"));
    w->Show();
    TRecordingFileDialogService dialogs;
    TScopedFileDialogService scope(&dialogs);

    struct TCase {
        TLbButton* Step;
        TCustomForm* Dialog;
    } const cases[] = {
        {w->Btn_New, FNew_Project}, {w->Btn_Open, FOpenConf},       {w->Btn_Info, FAbout},
        {w->Btn_Opz, FSoftOptions}, {w->Btn_Prm_Gen, FParGen},      {w->Btn_CreateBin, FBoot},
        {w->Btn_EnOcean_Access, FEnOcean_SetAccess2},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Dialog->Name().toStdString());
        FBoxes.Calls.clear();
        QStringList opened;
        TScopedModalHook hook([&](const TModalEvent& Event) {
            if (!Event.Form)
                return;
            opened << Event.Form->Name();
            if (opened.size() > 1)
                return;
            // The banks of the update step are made before its window opens.
            QDir(Path("PROJECTS/P1/bin")).removeRecursively();
            for (TLbButton* b : {w->Btn_Close, w->Btn_Info, w->Btn_Opz, w->Btn_New, w->Btn_Open, w->Btn_Prm_Gen,
                                 w->Btn_EnOcean_Access, w->Btn_BACnet_SetAccess, w->Btn_BACnet_EDE_File,
                                 w->Btn_CreateBin})
                Click(b, {5, 5});
            EXPECT_TRUE(Event.Form->Visible());
            Event.Form->SetModalResult(mrCancel);
        });
        Click(c.Step, {5, 5});
        EXPECT_EQ(opened, QStringList({c.Dialog->Name()}));
        EXPECT_TRUE(FBoxes.Calls.empty());
        EXPECT_TRUE(dialogs.Requests.empty());
        EXPECT_TRUE(w->Visible());
        EXPECT_FALSE(QFileInfo::exists(Path("PROJECTS/P1/bin/bank1.bin")));
        EXPECT_EQ(ReadBytes(Path("Stratagon.xml")), settings);
        EXPECT_EQ(Conf_Dir, Path("PROJECTS/P1"));
    }
}

} // namespace
