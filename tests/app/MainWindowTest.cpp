#include "AppWindows.h"
#include "tests/support/LoopbackServer.h"
#include "app/FNew_Project.h"
#include "app/FRodedoruzoFirmWare.h"
#include "app/FSoftOptions.h"
#include "app/Settings.h"
#include "app/VersionCheck.h"
#include "controls/button/LbButton.h"
#include "core/Catalog_EnOcean.h"
#include "core/Globals.h"
#include "core/Lang.h"
#include "platform/controls/Label.h"
#include "platform/controls/LinkLabel.h"
#include "platform/controls/Shape.h"
#include "platform/controls/Timer.h"
#include "platform/rtl/StringList.h"
#include "platform/services/Process.h"
#include "platform/services/Shell.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/XmlDocument.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include "tests/support/FileBytes.h"

namespace {

TEST_F(AppWindows, StartInEmptyFolderThenCloseWritesTheSettings)
{
    Start();
    TFRodedoruzoFirmWare* w = FRodedoruzoFirmWare;
    EXPECT_EQ(QDir(FDir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name),
              QStringList({"CAT_EnOcean", "LANGUAGE", "MASTER", "PROJECTS"}));
    EXPECT_EQ(w->Caption(), u"Velmora - Configurator KQ38R12 - EnOcean / BACnet Slave ");
    EXPECT_EQ(w->L_SW_Code->Caption(), u"KQ38R12");
    EXPECT_EQ(w->L_SW_Desc->Caption(), u"EnOcean / BACnet Slave - Converter");
    EXPECT_EQ(w->ClientWidth(), 694);
    EXPECT_EQ(w->ClientHeight(), 484);
    EXPECT_EQ(w->L_Name_Conf->Caption(), u"None Configuration Opened ");
    EXPECT_EQ(w->L_Name_Conf_L2->Caption(), u"Use Step1 to open or create new configuration");
    EXPECT_EQ(w->Btn_CreateBin->Caption(), u"Update Device UDP");
    EXPECT_EQ(w->Btn_BACnet_EDE_File->Hint(), u"Create the BACnet EDE File for Actual Configuration");
    for (int n = 0; n < 8; ++n) {
        EXPECT_EQ(w->L_Step[n]->Visible(), n < 6) << n;
        EXPECT_EQ(w->L_Step[n]->Top(), 128 + 44 * n);
        EXPECT_EQ(w->L_Step[n]->Caption(), QStringLiteral("Step %1").arg(n + 1));
    }
    EXPECT_EQ(w->L_Velmora->Top(), w->L_Step[5]->Top());
    EXPECT_FALSE(w->Btn_MQTT_Set_Topic->Visible());
    EXPECT_FALSE(w->Btn_PROFINET_XML->Visible());
    EXPECT_FALSE(w->LL_Update->Visible());
    EXPECT_FALSE(w->Timer_Update->Enabled());
    EXPECT_EQ(w->FindComponent(QStringLiteral("Btn_Prm_Gen")), w->Btn_Prm_Gen);
    EXPECT_EQ(Last_IP_Address, u"192.168.2.205");
    ASSERT_NE(Row_Clipboard_SL, nullptr);
    ASSERT_NE(Cat_EnOcean, nullptr);
    EXPECT_FALSE(QFile::exists(Path("Stratagon.xml")));

    Close_Main();
    // The file begins with its root: no declaration, no comment.
    EXPECT_EQ(QString::fromUtf8(ReadBytes(Path("Stratagon.xml"))),
              "<Conf_Settings>\n"
              "  <lastproj>\n"
              "    <projectname />\n"
              "  </lastproj>\n"
              "  <lastipadd>\n"
              "    <ipaddress>192.168.2.205</ipaddress>\n"
              "  </lastipadd>\n"
              "  <lastlang>\n"
              "    <language>English</language>\n"
              "  </lastlang>\n"
              "  <lastinternet>\n"
              "    <enable_internet>0</enable_internet>\n"
              "    <enable_update>0</enable_update>\n"
              "    <enable_jump_field_tables>0</enable_jump_field_tables>\n"
              "    <Double_Click_Auto_Size>0</Double_Click_Auto_Size>\n"
              "  </lastinternet>\n"
              "</Conf_Settings>\n");
    EXPECT_TRUE(FBoxes.Calls.empty());
}

TEST_F(AppWindows, SecondStartReopensTheLastConfiguration)
{
    Start();
    Conf_Name = QStringLiteral("Plant 7");
    Make_Folder("PROJECTS/Plant 7");
    Close_Main();
    Stop();

    Conf_Name.clear();
    Start();
    EXPECT_EQ(Conf_Name, u"Plant 7");
    EXPECT_EQ(Conf_Dir, Path("PROJECTS/Plant 7"));
    EXPECT_EQ(File_ParGen, Path("PROJECTS/Plant 7/ParGen.xml"));
    EXPECT_EQ(FRodedoruzoFirmWare->L_Name_Conf->Caption(), u"Opened Configuration of the Converter : ");
    EXPECT_EQ(FRodedoruzoFirmWare->L_Name_Conf_L2->Caption(), u"Plant 7");
}

// The stored language is loaded before the other windows are created, so
// they take its texts; a missing language file falls back to English (its
// file applied when present), and that is the name written at exit. The
// catalogue is read from CAT_EnOcean.
TEST_F(AppWindows, StartLoadsTheStoredLanguageAndTheCatalogue)
{
    struct TCase {
        const char* Name;
        const char* Stored;
        const char* File;       // language file written, nullptr: none
        QByteArray Lines;
        QString Btn_New;
        QString New_Caption;    // of the new-configuration dialog
        QString Language;
    } const cases[] = {
        {"StoredFile", "Italiano", "Italiano", "STR15 = Nuova Configurazione\nSTR100 = Crea Configurazione\n",
         "Nuova Configurazione", "Crea Configurazione", "Italiano"},
        {"MissingFile", "Klingon", nullptr, "", "New Configuration", "Create New Configuration", "English"},
        {"MissingFileEnglishFile", "Klingon", "English", "STR15 = New One\n", "New One", "Create New Configuration",
         "English"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        QDir(Path("LANGUAGE")).removeRecursively();
        QDir(Path("CAT_EnOcean")).removeRecursively();
        if (c.File)
            Write_File(QStringLiteral("LANGUAGE/%1.lng").arg(QString::fromLatin1(c.File)), c.Lines);
        Write_File("CAT_EnOcean/eep.xml", ReadBytes(QStringLiteral(STRATAGON_TEST_DATA) + "/core/images/enocean/eep.xml"));
        Write_File("Stratagon.xml", QByteArray("<Conf_Settings><lastlang><language>") + c.Stored +
                                        "</language></lastlang></Conf_Settings>");
        Start();
        EXPECT_EQ(Language_Name, c.Language);
        EXPECT_EQ(FRodedoruzoFirmWare->Btn_New->Caption(), c.Btn_New);
        EXPECT_EQ(FNew_Project->Caption(), c.New_Caption);
        ASSERT_NE(Cat_EnOcean, nullptr);
        EXPECT_FALSE(Cat_EnOcean->List_Rorg.empty());
        Close_Main();
        Read_Settings(FRodedoruzoFirmWare->XML1);
        EXPECT_EQ(Language_Name, c.Language);
        Stop();
    }
    Load_Default_Lang();
}

TEST_F(AppWindows, StepsRefuseWithoutConfigurationAndTheNameIsKept)
{
    Write_File("Stratagon.xml",
               "<Conf_Settings><lastproj><projectname>Gone</projectname></lastproj></Conf_Settings>");
    Start();
    TFRodedoruzoFirmWare* w = FRodedoruzoFirmWare;
    EXPECT_TRUE(Conf_Dir.isEmpty());
    EXPECT_EQ(w->L_Name_Conf->Caption(), u"None Configuration Opened ");
    for (TLbButton* b : {w->Btn_Prm_Gen, w->Btn_EnOcean_Access, w->Btn_BACnet_SetAccess, w->Btn_BACnet_EDE_File,
                         w->Btn_CreateBin, w->Btn_MQTT_Set_Topic, w->Btn_PROFINET_XML}) {
        SCOPED_TRACE(b->Name().toStdString());
        FBoxes.Calls.clear();
        w->Btn_Click(b);
        ASSERT_EQ(FBoxes.Calls.size(), 1u);
        EXPECT_EQ(FBoxes.Calls[0].Text, u"Error! Project not Valid");
        EXPECT_EQ(FBoxes.Calls[0].Flags, MB_OK | MB_ICONERROR);
    }
    Close_Main();
    Read_Settings(w->XML1);
    EXPECT_EQ(Conf_Name, u"Gone");
}

TEST_F(AppWindows, DamagedSettingsAreReportedUsedAndKeptAside)
{
    Make_Folder("PROJECTS/P1");
    // Cut off inside the language: name and address were read whole.
    const QByteArray damaged = "<Conf_Settings><lastproj><projectname>P1</projectname></lastproj>\n"
                               "<lastipadd><ipaddress>10.0.0.7</ipaddress></lastipadd>\n"
                               "<lastlang><language>Deu";
    for (const char* copy : {"Stratagon.xml.damaged", "Stratagon.xml.damaged.1"}) {
        SCOPED_TRACE(copy);
        FBoxes.Calls.clear();
        Write_File("Stratagon.xml", damaged);
        Start();
        EXPECT_EQ(Conf_Dir, Path("PROJECTS/P1"));
        EXPECT_EQ(Last_IP_Address, u"10.0.0.7");
        EXPECT_EQ(Language_Name, u"English");
        ASSERT_EQ(FBoxes.Calls.size(), 1u);
        const QString box = FBoxes.Calls[0].Text;
        EXPECT_TRUE(box.contains(Path("Stratagon.xml")) && box.contains(QStringLiteral("line 3, column"))
                    && box.contains(Path(copy)))
            << box.toStdString();
        EXPECT_EQ(ReadBytes(Path(copy)), damaged);
        Close_Main();
        Stop();
        TXMLDocument doc;
        EXPECT_EQ(Read_Settings(&doc), QString());
        EXPECT_EQ(Conf_Name, u"P1");
        EXPECT_EQ(Last_IP_Address, u"10.0.0.7");
    }
    EXPECT_EQ(ReadBytes(Path("Stratagon.xml.damaged")), damaged);
}

TEST_F(AppWindows, ConfigurationFolderGoneWhileRunningIsNoConfiguration)
{
    Make_Folder("PROJECTS/P1/bin");
    Write_File("Stratagon.xml", "<Conf_Settings><lastproj><projectname>P1</projectname></lastproj></Conf_Settings>");
    Start();
    TFRodedoruzoFirmWare* w = FRodedoruzoFirmWare;
    ASSERT_EQ(Conf_Dir, Path("PROJECTS/P1"));
    QDir(Path("PROJECTS/P1")).removeRecursively();
    TRecordingFileDialogService dialogs;
    TScopedFileDialogService scope(&dialogs);
    for (TLbButton* b : {w->Btn_Prm_Gen, w->Btn_EnOcean_Access, w->Btn_BACnet_SetAccess, w->Btn_BACnet_EDE_File,
                         w->Btn_CreateBin}) {
        SCOPED_TRACE(b->Name().toStdString());
        FBoxes.Calls.clear();
        QStringList opened;
        Run_Modal([&] { w->Btn_Click(b); }, [&](TCustomForm* Form) { opened << Form->Name(); });
        EXPECT_TRUE(opened.isEmpty());
        EXPECT_EQ(Box_Texts(), QStringList({"Error! Project not Valid"}));
    }
    EXPECT_TRUE(dialogs.Requests.empty());
    EXPECT_FALSE(QFileInfo::exists(Path("PROJECTS/P1")));
    EXPECT_EQ(w->L_Name_Conf->Caption(), u"None Configuration Opened ");
    Close_Main();
    Read_Settings(w->XML1);
    EXPECT_EQ(Conf_Name, u"P1");
}

TEST_F(AppWindows, ConfigurationNameIsCutInsideItsFrame)
{
    Start();
    TFRodedoruzoFirmWare* w = FRodedoruzoFirmWare;
    w->Show();
    // Columns with ink on the name's line, in the frame's coordinates
    // (the frame is 424 wide).
    auto inkColumns = [&](int From, int To) {
        w->Repaint();
        TCanvas* c = w->Shape2->Canvas();
        int n = 0;
        for (int x = From; x < To; ++x) {
            bool ink = false;
            for (int y = 19; y < 32 && !ink; ++y)
                ink = (c->Pixels(x, y) & 0xFFFFFF) != clWhite;
            n += ink;
        }
        return n;
    };
    // The hint fits and is shown whole.
    EXPECT_GT(inkColumns(100, 200), 0);
    Conf_Name = QString(120, QChar(u'W'));
    Conf_Dir = Path("PROJECTS/" + Conf_Name);
    w->Set_Lang();
    EXPECT_EQ(w->L_Name_Conf_L2->Caption(), Conf_Name);
    EXPECT_GT(inkColumns(380, 417), 0);
    EXPECT_EQ(inkColumns(424, 600), 0);
}

TEST_F(AppWindows, UnwritableSettingsAreReported)
{
    Start();
    // A folder in the way of the settings file.
    Make_Folder("Stratagon.xml");
    Close_Main();
    ASSERT_EQ(FBoxes.Calls.size(), 1u);
    EXPECT_EQ(FBoxes.Calls[0].Flags, MB_OK | MB_ICONERROR);
    EXPECT_TRUE(QFileInfo(Path("Stratagon.xml")).isDir());
}

TEST_F(AppWindows, TimerRunsOnlyWithInternetAndUpdateCheck)
{
    struct TCase {
        const char* Name;
        const char* Internet;
        const char* Update;
        bool Enabled;
    } const cases[] = {
        {"BothOn", "1", "1", true},
        {"InternetOnly", "1", "0", false},
        {"UpdateOnly", "0", "1", false},
        {"BothOff", "0", "0", false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Write_File("Stratagon.xml", QByteArray("<Conf_Settings><lastinternet><enable_internet>") + c.Internet +
                                        "</enable_internet><enable_update>" + c.Update +
                                        "</enable_update></lastinternet></Conf_Settings>");
        Start();
        EXPECT_EQ(FRodedoruzoFirmWare->Timer_Update->Enabled(), c.Enabled);
        EXPECT_EQ(FRodedoruzoFirmWare->Timer_Update->Interval(), 60000u);
        Stop();
    }
}

TEST_F(AppWindows, UpdateCheckTimerFirstAfterAMinuteThenEveryTwoHours)
{
    const QString host = Maker_Host;
    Write_File("Stratagon.xml", "<Conf_Settings><lastinternet><enable_internet>1</enable_internet>"
                                "<enable_update>1</enable_update></lastinternet></Conf_Settings>");
    Start();
    TFRodedoruzoFirmWare* w = FRodedoruzoFirmWare;
    TTimer* timer = w->Timer_Update;
    ASSERT_TRUE(timer->Running());
    EXPECT_EQ(timer->NextDue(), 1000u + 60000u);

    {
        TLoopbackServer newer("HTTP/1.0 200 OK\r\n\r\nVER. 1.002");
        Maker_Host = newer.Host();
        FClock.Advance(59999);
        timer->CheckDue();
        EXPECT_FALSE(w->LL_Update->Visible());
        FClock.Advance(1);
        timer->CheckDue();
        EXPECT_TRUE(w->LL_Update->Visible());
        EXPECT_EQ(w->LL_Update->Caption(),
                  "<a href=\"http://" + newer.Host() +
                      "/Home/download/download.asp#ZT38R12\">New Version Available. Click Here for more Details</a>");
        QStringList opened;
        SetShellOpenHandler([&](const QString& Url) {
            opened << Url;
            return true;
        });
        w->LL_Update->ClickLink(0);
        SetShellOpenHandler(nullptr);
        EXPECT_EQ(opened, QStringList{"http://" + newer.Host() + "/Home/download/download.asp#ZT38R12"});
        EXPECT_EQ(timer->Interval(), 7200000u);
        EXPECT_TRUE(timer->Enabled());
        EXPECT_EQ(timer->NextDue(), 1000u + 60000u + 7200000u);
    }
    {
        TLoopbackServer failing("HTTP/1.0 503 Service Unavailable\r\n\r\nVER. 1.002");
        Maker_Host = failing.Host();
        FClock.Advance(7200000);
        timer->CheckDue();
        EXPECT_FALSE(w->LL_Update->Visible());
        EXPECT_EQ(timer->NextDue(), 1000u + 60000u + 2 * 7200000u);
    }
    Maker_Host = host;
}

TEST_F(AppWindows, BACnetTypeOfTheParameterFile)
{
    struct TCase {
        const char* Name;
        QByteArray File;   // empty: no file
        int Type;
    } const cases[] = {
        {"NoFile", "", 0},
        {"Value", "<ParGen><BACnet_Type>1</BACnet_Type></ParGen>", 1},
        {"NotRangeChecked", "<ParGen><BACnet_Type>77</BACnet_Type></ParGen>", 77},
        {"NoInteger", "<ParGen><BACnet_Type>IP</BACnet_Type></ParGen>", 0},
        {"NoElement", "<ParGen><Other>1</Other></ParGen>", 0},
        {"NotWellFormed", "<ParGen><BACnet_Type>1", 0},
        {"ElementWithChildren", "<ParGen><BACnet_Type><x>1</x></BACnet_Type></ParGen>", 0},
    };
    Make_Folder("PROJECTS/P");
    Start();
    Conf_Dir = Path("PROJECTS/P");
    Set_Files();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        QFile::remove(File_ParGen);
        if (!c.File.isEmpty())
            Write_File("PROJECTS/P/ParGen.xml", c.File);
        EXPECT_EQ(FRodedoruzoFirmWare->Get_Type_BACnet(), c.Type);
    }
}

// A launcher that records the start and hands out a program that ends at
// once, or none.
class TFakeLauncher : public IProcessLauncher {
public:
    class TEnded : public IProcess {
    public:
        bool Running() override { return false; }
        int ExitCode() override { return 0; }
        int64_t Pid() const override { return 1; }
    };
    QStringList Started;
    bool Fails = false;
    std::unique_ptr<IProcess> Start(const QString& program, const QString&, QString* error) override
    {
        Started << program;
        if (Fails) {
            if (error)
                *error = QStringLiteral("not found");
            return nullptr;
        }
        return std::make_unique<TEnded>();
    }
};

// A failed start is reported, naming the program.
TEST_F(AppWindows, StartProgramStartsAndReportsAFailedStart)
{
    Start();
    TFakeLauncher launcher;
    SetProcessLauncher(&launcher);
    for (bool fails : {false, true}) {
        launcher.Fails = fails;
        FRodedoruzoFirmWare->Start_Program(Path("Ethernet_Update.exe"), QString(), 0);
    }
    SetProcessLauncher(nullptr);
    EXPECT_EQ(launcher.Started, QStringList({Path("Ethernet_Update.exe"), Path("Ethernet_Update.exe")}));
    ASSERT_EQ(FBoxes.Calls.size(), 1u);
    EXPECT_TRUE(FBoxes.Calls[0].Text.contains(Path("Ethernet_Update.exe"))) << FBoxes.Calls[0].Text.toStdString();
}

} // namespace
