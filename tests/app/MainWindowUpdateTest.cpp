// The main window's update step and EDE command.
#include "AppWindows.h"
#include "app/FBoot.h"
#include "app/FRodedoruzoFirmWare.h"
#include "app/Settings.h"
#include "controls/button/LbButton.h"
#include "core/BACnet_EDE.h"
#include "core/Globals.h"
#include "platform/controls/Dialogs.h"
#include <QDir>
#include <QFile>
#include "tests/support/FileBytes.h"

namespace {

class MainWindowUpdate : public AppWindows {
protected:
    // Starts with configuration "P1" holding the files of a sample folder.
    void Start_With(const QString& Sample, const QStringList& Files)
    {
        const QString from = QStringLiteral(STRATAGON_TEST_DATA) + QChar(u'/') + Sample + QChar(u'/');
        for (const QString& f : Files)
            Write_File("PROJECTS/P1/" + f, ReadBytes(from + f));
        Make_Folder("PROJECTS/P1");
        Write_File("Stratagon.xml", "<Conf_Settings><lastproj><projectname>P1</projectname></lastproj></Conf_Settings>");
        Start();
        ASSERT_EQ(Conf_Dir, Path("PROJECTS/P1"));
    }

    // Presses step 6; true when the update window opened, which is then
    // cancelled.
    bool Press_Update(int* BACnetType = nullptr, int* Form_Type = nullptr)
    {
        bool opened = false;
        Run_Modal([] { FRodedoruzoFirmWare->Btn_Click(FRodedoruzoFirmWare->Btn_CreateBin); },
                  [&](TCustomForm* Form) {
                      opened = Form == FBoot;
                      if (BACnetType)
                          *BACnetType = FBoot->BACnetType;
                      if (Form_Type)
                          *Form_Type = FBoot->Form_Type;
                  });
        return opened;
    }
};

TEST_F(MainWindowUpdate, UpdateStepWritesTheBanksAndOpensTheWindow)
{
    struct TCase {
        const char* Name;
        const char* Sample;
        QStringList Files;
        int BACnetType;
    } const cases[] = {
        {"BACnetIP", "core/images/bacnet_ip", {"ParGen.xml", "BACnet_Slave.xml"}, 0},
        {"MSTP", "core/images/mstp", {"ParGen.xml"}, 1},
        {"NoFiles", "core/images/empty", {}, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Start_With(QString::fromLatin1(c.Sample), c.Files);
        // No "bin" folder yet: the update step makes it.
        ASSERT_FALSE(QFile::exists(Path("PROJECTS/P1/bin")));
        int type = -1;
        int mode = -1;
        EXPECT_TRUE(Press_Update(&type, &mode));
        EXPECT_EQ(type, c.BACnetType);
        EXPECT_EQ(mode, 1);
        EXPECT_EQ(ReadBytes(Path("PROJECTS/P1/bin/bank1.bin")).size(), 2048);
        EXPECT_GT(ReadBytes(Path("PROJECTS/P1/bin/bank2.bin")).size(), 0x10800);
        EXPECT_TRUE(FBoxes.Calls.empty());
        Stop();
        QFile::remove(Path("PROJECTS/P1/bin/bank1.bin"));
        QFile::remove(Path("PROJECTS/P1/bin/bank2.bin"));
        QDir(Path("PROJECTS/P1")).removeRecursively();
    }
}

// A configuration that cannot be built keeps the old banks and opens no
// window, so old images are never sent.
TEST_F(MainWindowUpdate, RefusedBuildKeepsTheOldBanks)
{
    Write_File("PROJECTS/P1/bin/bank1.bin", "old 1");
    Write_File("PROJECTS/P1/bin/bank2.bin", "old 2");
    Write_File("PROJECTS/P1/ParGen.xml", "<Par_Gen><BACnet_Type>0</BACnet_Type>");
    Start_With("core/images/empty", {});
    EXPECT_FALSE(Press_Update());
    EXPECT_EQ(FBoxes.Calls.size(), 1u);
    EXPECT_EQ(ReadBytes(Path("PROJECTS/P1/bin/bank1.bin")), "old 1");
    EXPECT_EQ(ReadBytes(Path("PROJECTS/P1/bin/bank2.bin")), "old 2");
}

// Every press rebuilds the banks from the files as they are then.
TEST_F(MainWindowUpdate, SecondPressRebuilds)
{
    Start_With("core/images/bacnet_ip", {"ParGen.xml", "BACnet_Slave.xml"});
    EXPECT_TRUE(Press_Update());
    const QByteArray first = ReadBytes(Path("PROJECTS/P1/bin/bank1.bin"));
    Write_File("PROJECTS/P1/ParGen.xml",
               ReadBytes(Path("PROJECTS/P1/ParGen.xml")).replace("<BACnet_Type>0<", "<BACnet_Type>1<"));
    int type = -1;
    EXPECT_TRUE(Press_Update(&type));
    EXPECT_EQ(type, 1);
    EXPECT_NE(ReadBytes(Path("PROJECTS/P1/bin/bank1.bin")), first);
}

TEST_F(MainWindowUpdate, UpdateStepNeedsAConfiguration)
{
    Start();
    EXPECT_FALSE(Press_Update());
    EXPECT_EQ(Box_Texts(), QStringList({"Error! Project not Valid"}));
}

TEST_F(MainWindowUpdate, EDECommand)
{
    struct TCase {
        const char* Name;
        QString Chosen;      // empty: the dialog is cancelled
        QString Written;     // the file the export goes to
        bool Exists;         // the file is there before
        int Answer;          // to text 31
        bool Replaced;
    } const cases[] = {
        {"AddsExtension", "ede", "ede.csv", false, IDYES, true},
        {"UpperCaseKept", "ede.CSV", "ede.CSV", false, IDYES, true},
        {"MixedCaseKept", "ede.cSv", "ede.cSv", false, IDYES, true},
        {"OtherExtension", "ede.txt", "ede.txt.csv", false, IDYES, true},
        {"ShortName", "sv", "sv.csv", false, IDYES, true},
        {"OverwriteYes", "ede.csv", "ede.csv", true, IDYES, true},
        {"OverwriteNo", "ede.csv", "ede.csv", true, IDNO, false},
        {"OverwriteCancel", "ede", "ede.csv", true, IDCANCEL, false},
        {"Cancelled", "", "ede.csv", false, IDYES, false},
    };
    Start_With("core/ede/mixed", {"ParGen.xml", "BACnet_Slave.xml"});
    const QString expected = Path("expected.csv");
    Create_EDE_File(expected);
    ASSERT_FALSE(ReadBytes(expected).isEmpty());
    TRecordingFileDialogService dialogs;
    TScopedFileDialogService scope(&dialogs);
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const QString written = Path("PROJECTS/P1/" + c.Written);
        QFile::remove(written);
        if (c.Exists)
            Write_File("PROJECTS/P1/" + c.Written, "old");
        FBoxes.Calls.clear();
        FBoxes.Answers = {c.Answer};
        dialogs.Requests.clear();
        if (!c.Chosen.isEmpty())
            dialogs.Answers = {TFileDialogResult{true, {Path("PROJECTS/P1/" + c.Chosen)}, 1}};
        FRodedoruzoFirmWare->Btn_Click(FRodedoruzoFirmWare->Btn_BACnet_EDE_File);
        ASSERT_EQ(dialogs.Requests.size(), 1u);
        EXPECT_TRUE(dialogs.Requests[0].Save);
        EXPECT_EQ(dialogs.Requests[0].InitialDir, Path("PROJECTS/P1"));
        EXPECT_EQ(dialogs.Requests[0].Filter, u"CSV (MS-DOS) (*.csv)|*.csv");
        EXPECT_EQ(Box_Texts(), c.Exists ? QStringList({"The File already exists! Do you want to overwrite the file?"})
                                        : QStringList());
        if (c.Exists) {
            EXPECT_EQ(FBoxes.Calls[0].Flags & 0xF, MB_YESNOCANCEL);
        }
        EXPECT_EQ(ReadBytes(written), c.Replaced ? ReadBytes(expected) : QByteArray(c.Exists ? "old" : ""));
    }
}

TEST_F(MainWindowUpdate, FailedEDEExportIsShown)
{
    Start_With("core/ede/mixed", {"ParGen.xml"});
    Write_File("PROJECTS/P1/BACnet_Slave.xml", "<BACnet_Slave/>");
    TRecordingFileDialogService dialogs;
    TScopedFileDialogService scope(&dialogs);
    dialogs.Answers = {TFileDialogResult{true, {Path("PROJECTS/P1/ede.csv")}, 1}};
    FRodedoruzoFirmWare->Btn_Click(FRodedoruzoFirmWare->Btn_BACnet_EDE_File);
    EXPECT_EQ(FBoxes.Calls.size(), 1u);
    EXPECT_FALSE(QFile::exists(Path("PROJECTS/P1/ede.csv")));
}

} // namespace
