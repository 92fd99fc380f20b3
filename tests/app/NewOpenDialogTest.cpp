#include "AppWindows.h"
#include "app/FNew_Project.h"
#include "app/FOpenConf.h"
#include "app/FRodedoruzoFirmWare.h"
#include "controls/button/LbButton.h"
#include "core/Globals.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListBox.h"
#include "platform/rtl/StringList.h"
#include <QDir>
#include <QFileInfo>

namespace {

QStringList Entries(const QString& Dir)
{
    return QDir(Dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

TEST_F(AppWindows, NewConfigurationNames)
{
    struct TCase {
        const char* Name;
        QString Typed;
        QString Error;     // empty: accepted
    } const cases[] = {
        {"Valid", "Plant 1", ""},
        {"BlanksKept", " Plant 2 ", ""},
        {"Empty", "", "Error! Name Project is not valid"},
        {"Exists", "Old", "Error! Name project is not valid because directory already exists"},
        {"Slash", "Old/sub", "Error! Name project is not valid"},
        {"Backslash", "a\\b", "Error! Name project is not valid"},
        {"Dot", ".", "Error! Name project is not valid"},
        {"DotDot", "..", "Error! Name project is not valid"},
        {"UpAndOut", "../../x", "Error! Name project is not valid"},
        {"ControlChar", "a\tb", "Error! Name project is not valid"},
        {"FileInTheWay", "afile", "The folder \"<dir>\" could not be created: File exists"},
    };
    Make_Folder("PROJECTS/Old");
    Write_File("PROJECTS/afile", "x");
    Start();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        FBoxes.Calls.clear();
        Conf_Name = QStringLiteral("before");
        Conf_Dir.clear();
        TModalResult result = mrNone;
        Run_Modal([&] { FRodedoruzoFirmWare->Btn_Click(FRodedoruzoFirmWare->Btn_New); },
                  [&](TCustomForm* Form) {
                      ASSERT_EQ(Form, FNew_Project);
                      EXPECT_TRUE(FNew_Project->E_New_Proj->Text().isEmpty());
                      FNew_Project->E_New_Proj->SetText(c.Typed);
                      FNew_Project->Btn_OK->Click();
                      result = Form->ModalResult();
                  });
        if (c.Error.isEmpty()) {
            EXPECT_EQ(result, mrOk);
            EXPECT_TRUE(FBoxes.Calls.empty());
            EXPECT_EQ(Conf_Name, c.Typed);
            EXPECT_EQ(Conf_Dir, Path("PROJECTS/" + c.Typed));
            EXPECT_TRUE(QFileInfo(Conf_Dir + "/bin").isDir());
            EXPECT_EQ(File_BACnet_Slave, Conf_Dir + "/BACnet_Slave.xml");
            EXPECT_EQ(FRodedoruzoFirmWare->L_Name_Conf->Caption(), u"Opened Configuration of the Converter : ");
            EXPECT_EQ(FRodedoruzoFirmWare->L_Name_Conf_L2->Caption(), c.Typed);
        } else {
            EXPECT_EQ(result, mrNone);
            EXPECT_EQ(Box_Texts(), QStringList{QString(c.Error).replace("<dir>", Path("PROJECTS/" + c.Typed))});
            EXPECT_EQ(Conf_Name, u"before");
            EXPECT_TRUE(Conf_Dir.isEmpty());
        }
    }
    // Nothing was made outside PROJECTS or inside the existing folder.
    EXPECT_EQ(Entries(FDir.path()),
              QStringList({"CAT_EnOcean", "LANGUAGE", "MASTER", "PROJECTS"}));
    EXPECT_EQ(Entries(Path("PROJECTS")), QStringList({" Plant 2 ", "Old", "Plant 1", "afile"}));
    EXPECT_TRUE(Entries(Path("PROJECTS/Old")).isEmpty());
}

TEST_F(AppWindows, NewConfigurationSaysWhyItsFolderCannotBeMade)
{
    // PROJECTS could not be made at start-up: a file is in its way.
    Write_File("PROJECTS", "not a folder");
    Start();
    TModalResult result = mrNone;
    Run_Modal([&] { FRodedoruzoFirmWare->Btn_Click(FRodedoruzoFirmWare->Btn_New); },
              [&](TCustomForm* Form) {
                  FNew_Project->E_New_Proj->SetText(QStringLiteral("Plant"));
                  FNew_Project->Btn_OK->Click();
                  result = Form->ModalResult();
              });
    EXPECT_EQ(result, mrNone);
    EXPECT_EQ(Box_Texts(),
              QStringList{"The folder \"" + Path("PROJECTS/Plant") + "\" could not be created: Not a directory"});
    EXPECT_TRUE(Conf_Dir.isEmpty());
    EXPECT_TRUE(QFileInfo(Path("PROJECTS")).isFile());
}

TEST_F(AppWindows, NewConfigurationByEnterAndCancel)
{
    Start();
    Run_Modal([&] { FRodedoruzoFirmWare->Btn_Click(FRodedoruzoFirmWare->Btn_New); },
              [&](TCustomForm*) {
                  FNew_Project->E_New_Proj->SetText(QStringLiteral("Keyed"));
                  SyntheticInput::Key(FNew_Project->E_New_Proj, VK_RETURN, {}, QStringLiteral("\r"));
              });
    EXPECT_EQ(Conf_Name, u"Keyed");

    Run_Modal([&] { FRodedoruzoFirmWare->Btn_Click(FRodedoruzoFirmWare->Btn_New); },
              [&](TCustomForm*) {
                  FNew_Project->E_New_Proj->SetText(QStringLiteral("Dropped"));
                  FNew_Project->Btn_Cancel->Click();
              });
    EXPECT_EQ(Conf_Name, u"Keyed");
    EXPECT_FALSE(QFileInfo::exists(Path("PROJECTS/Dropped")));
}

TEST_F(AppWindows, OpenPreselectsAndOpens)
{
    struct TCase {
        const char* Name;
        QString Active;          // folder name of the active configuration, empty: none
        QString Clicked;         // entry clicked, empty: none
        QString Selected;        // preselected entry
        QString Opened;
    } const cases[] = {
        {"NoneActiveFirstEntry", "", "", "Alpha", "Alpha"},
        {"ActiveSelected", "Beta", "", "Beta", "Beta"},
        {"ActiveOtherCase", "gamma", "", "Gamma", "Gamma"},
        {"Clicked", "Beta", "Gamma", "Beta", "Gamma"},
        {"ActiveGone", "Delta", "", "Alpha", "Alpha"},
    };
    for (const char* name : {"Alpha", "Beta", "Gamma"})
        Make_Folder(QStringLiteral("PROJECTS/") + name);
    Make_Folder("PROJECTS/.hidden");
    Write_File("PROJECTS/file.txt", "x");
    Start();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Conf_Dir = c.Active.isEmpty() ? QString() : Projects_Dir + "/" + c.Active;
        Run_Modal([&] { FRodedoruzoFirmWare->Btn_Click(FRodedoruzoFirmWare->Btn_Open); },
                  [&](TCustomForm* Form) {
                      ASSERT_EQ(Form, FOpenConf);
                      TListBox* list = FOpenConf->ListBox1;
                      ASSERT_EQ(list->Items()->Count(), 3);
                      EXPECT_EQ(list->Items()->Strings(0), u"Alpha");
                      EXPECT_EQ(list->Items()->Strings(list->ItemIndex()), c.Selected);
                      if (!c.Clicked.isEmpty()) {
                          list->SetItemIndex(list->Items()->IndexOf(c.Clicked));
                          FOpenConf->ListBox1Click(list);
                      }
                      FOpenConf->Btn_OK->Click();
                  });
        EXPECT_EQ(Conf_Name, c.Opened);
        EXPECT_EQ(Conf_Dir, Projects_Dir + "/" + c.Opened);
        EXPECT_EQ(File_ParGen, Conf_Dir + "/ParGen.xml");
        EXPECT_EQ(FRodedoruzoFirmWare->L_Name_Conf_L2->Caption(), c.Opened);
    }
}

TEST_F(AppWindows, OpenCancelChangesNothing)
{
    Make_Folder("PROJECTS/Alpha");
    Start();
    Run_Modal([&] { FRodedoruzoFirmWare->Btn_Click(FRodedoruzoFirmWare->Btn_Open); },
              [&](TCustomForm*) { FOpenConf->Btn_Cancel->Click(); });
    EXPECT_TRUE(Conf_Dir.isEmpty());
    EXPECT_EQ(FRodedoruzoFirmWare->L_Name_Conf->Caption(), u"None Configuration Opened ");
}

TEST_F(AppWindows, OpenWithEmptyListLeavesNoConfigurationActive)
{
    Make_Folder("PROJECTS/Alpha");
    Start();
    auto open_ok = [&] {
        Run_Modal([&] { FRodedoruzoFirmWare->Btn_Click(FRodedoruzoFirmWare->Btn_Open); },
                  [&](TCustomForm*) { FOpenConf->Btn_OK->Click(); });
    };
    open_ok();
    EXPECT_EQ(Conf_Name, u"Alpha");
    // The folder goes away; an earlier choice must not come back.
    QDir(Path("PROJECTS/Alpha")).removeRecursively();
    open_ok();
    EXPECT_EQ(FOpenConf->ListBox1->Items()->Count(), 0);
    EXPECT_TRUE(Conf_Dir.isEmpty());
    EXPECT_TRUE(Conf_Name.isEmpty());
    EXPECT_EQ(FRodedoruzoFirmWare->L_Name_Conf->Caption(), u"None Configuration Opened ");
    EXPECT_EQ(FRodedoruzoFirmWare->L_Name_Conf_L2->Caption(), u"Use Step1 to open or create new configuration");
}

TEST_F(AppWindows, DialogTextsAndNames)
{
    Start();
    EXPECT_EQ(FNew_Project->Caption(), u"Create New Configuration");
    EXPECT_EQ(FNew_Project->Label1->Caption(), u"Name of the new Configuration");
    EXPECT_EQ(FNew_Project->Btn_Cancel->Hint(), u"Cancel the New Configuration");
    EXPECT_EQ(FNew_Project->L_SW_Code->Caption(), u"KQ38R12");
    EXPECT_EQ(FNew_Project->ClientWidth(), 331);
    EXPECT_EQ(FNew_Project->ClientHeight(), 162);
    EXPECT_EQ(FOpenConf->Caption(), u"Open Configuration");
    EXPECT_EQ(FOpenConf->Label1->Caption(), u"List of Avaliable Configurations");
    EXPECT_EQ(FOpenConf->ListBox1->Hint(), u"Select from this list the configuration to open");
    EXPECT_EQ(FOpenConf->ClientWidth(), 377);
    EXPECT_EQ(FOpenConf->ClientHeight(), 351);
    for (const char* name : {"E_New_Proj", "Btn_OK", "Btn_Cancel", "P_Title", "P_Button", "L_SW_Desc"})
        EXPECT_NE(FNew_Project->FindComponent(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_NE(FOpenConf->FindComponent(QStringLiteral("ListBox1")), nullptr);
}

} // namespace
