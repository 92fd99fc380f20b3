// The PROFINET file-name dialog: the name from its three parts with the
// date of the program's start, and the hidden step writing the GSDML file
// under that name.
#include "AppWindows.h"
#include "app/FProfinetFileName.h"
#include "app/FRodedoruzoFirmWare.h"
#include "app/Settings.h"
#include "controls/button/LbButton.h"
#include "core/Globals.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/rtl/DateTime.h"
#include <QFile>

namespace {

TEST_F(AppWindows, ProfinetFileNameFromItsPartsAndTheExportUnderIt)
{
    FClock.SetNow(EncodeDate(2026, 3, 5));
    Start();
    TFProfinetFileName* f = FProfinetFileName;
    EXPECT_EQ(f->Caption(), QStringLiteral("PROFINET XML File Name"));
    EXPECT_EQ(f->L_XML_Fix2->Caption(), QStringLiteral("-20260305.xml"));

    struct TCase {
        const char* User;
        const char* Name;
    } const cases[] = {
        {"", "GSDML-V2.31-Velmora-ZT38R14-20260305.xml"},
        {"   ", "GSDML-V2.31-Velmora-ZT38R14-20260305.xml"},
        {"_hall", "GSDML-V2.31-Velmora-ZT38R14_hall-20260305.xml"},
        {"hall", "GSDML-V2.31-Velmora-ZT38R14_hall-20260305.xml"},
        {" hall", "GSDML-V2.31-Velmora-ZT38R14_ hall-20260305.xml"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.User);
        f->E_XML_User->SetText(QString::fromLatin1(c.User));
        Run_Modal([&] { EXPECT_EQ(f->ShowModal(), mrOk); }, [&](TCustomForm*) { f->Btn_OK->Click(); });
        EXPECT_EQ(f->Name_File_XML, QString::fromLatin1(c.Name));
    }
    // Cancel leaves the name as it was.
    f->E_XML_User->SetText(QStringLiteral("other"));
    Run_Modal([&] { f->ShowModal(); }, [&](TCustomForm*) { f->Btn_Cancel->Click(); });
    EXPECT_EQ(f->Name_File_XML, QStringLiteral("GSDML-V2.31-Velmora-ZT38R14_ hall-20260305.xml"));

    // The hidden step: the dialog, then the export into the folder chosen.
    Conf_Name = QStringLiteral("P1");
    Conf_Dir = Path(QStringLiteral("PROJECTS/P1"));
    Make_Folder(QStringLiteral("PROJECTS/P1"));
    Set_Files();
    TRecordingFileDialogService dialogs;
    TScopedFileDialogService scope(&dialogs);
    TFileDialogResult chosen;
    chosen.Accepted = true;
    chosen.Files << Path(QStringLiteral("PROJECTS/P1/typed-name.xml"));
    dialogs.Answers.push_back(chosen);
    f->E_XML_User->SetText(QStringLiteral("hall"));
    Run_Modal([] { FRodedoruzoFirmWare->Btn_Click(FRodedoruzoFirmWare->Btn_PROFINET_XML); },
              [&](TCustomForm* Form) {
                  if (Form == f)
                      f->Btn_OK->Click();
              });
    ASSERT_EQ(dialogs.Requests.size(), 1u);
    EXPECT_TRUE(QFile::exists(Path(QStringLiteral("PROJECTS/P1/GSDML-V2.31-Velmora-ZT38R14_hall-20260305.xml"))));
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("PROJECTS/P1/typed-name.xml"))));
}

} // namespace
