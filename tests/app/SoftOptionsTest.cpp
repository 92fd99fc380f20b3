#include "AppWindows.h"
#include "tests/support/LoopbackServer.h"
#include "app/FAbout.h"
#include "app/FNew_Project.h"
#include "app/FOpenConf.h"
#include "app/FRodedoruzoFirmWare.h"
#include "app/FSoftOptions.h"
#include "app/Settings.h"
#include "app/VersionCheck.h"
#include "controls/button/LbButton.h"
#include "core/Globals.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/LinkLabel.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Timer.h"
#include "platform/rtl/StringList.h"
#include "platform/services/Shell.h"
#include <QFile>
#include <QFileInfo>

namespace {

// Shows the options window and hands it to Act; Act closes it.
void Show_Options(AppWindows* Test, const std::function<void()>& Act)
{
    TScopedModalHook hook([&](const TModalEvent& Event) {
        if (Event.Form == FSoftOptions)
            Act();
    });
    FRodedoruzoFirmWare->Btn_Click(FRodedoruzoFirmWare->Btn_Opz);
}

TEST_F(AppWindows, OptionsBoxesEnableEachOther)
{
    struct TCase {
        const char* Name;
        bool Internet, Update;
        bool UpdateEnabled, CheckEnabled;
    } const cases[] = {
        {"BothOn", true, true, true, true},
        {"InternetOnly", true, false, true, false},
        {"UpdateOnly", false, true, false, false},
        {"BothOff", false, false, false, false},
    };
    Start();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Opt_Enable_Internet = c.Internet;
        Opt_Enable_Update = c.Update;
        Show_Options(this, [&] {
            EXPECT_EQ(FSoftOptions->CB_En_Con->Checked(), c.Internet);
            EXPECT_EQ(FSoftOptions->CB_Update->Checked(), c.Update);
            EXPECT_EQ(FSoftOptions->CB_Update->Enabled(), c.UpdateEnabled);
            EXPECT_EQ(FSoftOptions->Btn_Check_Update->Enabled(), c.CheckEnabled);
            EXPECT_FALSE(FSoftOptions->LL_Check_Update->Visible());
            EXPECT_EQ(FSoftOptions->PC_Options->ActivePage(), FSoftOptions->TS_Language);
            // Clicking the connection box follows at once.
            FSoftOptions->CB_En_Con->SetChecked(!c.Internet);
            EXPECT_EQ(FSoftOptions->CB_Update->Enabled(), !c.Internet);
            EXPECT_EQ(FSoftOptions->CB_Update->Checked(), c.Update);
            FSoftOptions->Btn_Cancel->Click();
        });
        EXPECT_EQ(Opt_Enable_Internet, c.Internet);
        // Only OK writes the settings file.
        EXPECT_FALSE(QFile::exists(Path("Stratagon.xml")));
    }
}

TEST_F(AppWindows, OptionsOkSavesAndSetsTheTimer)
{
    struct TCase {
        const char* Name;
        bool Internet, Update, Jump, AutoSize;
        bool Timer;
    } const cases[] = {
        {"AllOn", true, true, true, true, true},
        {"UpdateWithoutInternet", false, true, false, true, false},
        {"InternetOnly", true, false, true, false, false},
        {"AllOff", false, false, false, false, false},
    };
    Start();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Show_Options(this, [&] {
            FSoftOptions->CB_Update->SetChecked(c.Update);
            FSoftOptions->CB_En_Con->SetChecked(c.Internet);
            FSoftOptions->CB_Soft_Set_Jump_Table->SetChecked(c.Jump);
            FSoftOptions->CB_DoubleClick_Auto_Size->SetChecked(c.AutoSize);
            FSoftOptions->Btn_OK->Click();
        });
        EXPECT_EQ(FRodedoruzoFirmWare->Timer_Update->Enabled(), c.Timer);
        Opt_Enable_Internet = Opt_Enable_Update = Opt_Jump_Field_Tables = Opt_Double_Click_Auto_Size = !c.Jump;
        Read_Settings(FRodedoruzoFirmWare->XML1);
        EXPECT_EQ(Opt_Enable_Internet, c.Internet);
        EXPECT_EQ(Opt_Enable_Update, c.Update);
        EXPECT_EQ(Opt_Jump_Field_Tables, c.Jump);
        EXPECT_EQ(Opt_Double_Click_Auto_Size, c.AutoSize);
    }
}

TEST_F(AppWindows, OptionsTimerStartsWithTheIntervalItHas)
{
    Write_File("Stratagon.xml", "<Conf_Settings><lastinternet><enable_internet>1</enable_internet>"
                                "</lastinternet></Conf_Settings>");
    Start();
    TTimer* timer = FRodedoruzoFirmWare->Timer_Update;
    EXPECT_FALSE(timer->Enabled());
    FClock.Advance(5000);
    Show_Options(this, [&] {
        FSoftOptions->CB_Update->SetChecked(true);
        FSoftOptions->Btn_OK->Click();
    });
    EXPECT_TRUE(timer->Running());
    EXPECT_EQ(timer->Interval(), 60000u);
    EXPECT_EQ(timer->NextDue(), 1000u + 5000u + 60000u);
}

class LanguageFiles : public AppWindows {
protected:
    void Add_Language(const QString& Name, const QByteArray& Lines = QByteArray())
    {
        Write_File("LANGUAGE/" + Name + ".lng", Lines);
    }
};

TEST_F(LanguageFiles, SevenFilesGiveTwoPages)
{
    for (const char* name : {"Greek", "english", "Deutsch", "Italiano", "Castellano", "Francais", "Polski"})
        Add_Language(QString::fromLatin1(name));
    Write_File("LANGUAGE/Deutsch.bmp", QByteArray());
    Make_Folder("LANGUAGE/Folder.lng");
    Write_File("LANGUAGE/notes.txt", "x");
    Start();
    Show_Options(this, [&] {
        TFSoftOptions* o = FSoftOptions;
        ASSERT_EQ(o->SL_Languages->Count(), 7);
        EXPECT_EQ(o->SL_Languages->Strings(0), u"Castellano.lng");
        EXPECT_EQ(o->SL_Languages->Strings(2), u"english.lng");
        EXPECT_EQ(o->L_Page_Lang->Caption(), u"Page 1 / 2");
        EXPECT_EQ(o->L_Sel_Lang->Caption(), u"Selected Language : English");
        EXPECT_FALSE(o->Btn_Prev->Visible());
        EXPECT_TRUE(o->Btn_Next->Visible());
        EXPECT_EQ(o->L_L[0]->Caption(), u"Castellano");
        for (int i = 0; i < 6; ++i) {
            EXPECT_TRUE(o->L_L[i]->Visible()) << i;
            EXPECT_FALSE(o->I_L[i]->Visible()) << i;   // no flag files that can be read
        }
        o->Btn_NextClick(o->Btn_Next);
        EXPECT_EQ(o->Show_Page, 2);
        EXPECT_EQ(o->L_Page_Lang->Caption(), u"Page 2 / 2");
        EXPECT_TRUE(o->Btn_Prev->Visible());
        EXPECT_FALSE(o->Btn_Next->Visible());
        EXPECT_EQ(o->L_L[0]->Caption(), u"Polski");
        EXPECT_TRUE(o->L_L[0]->Visible());
        for (int i = 1; i < 6; ++i)
            EXPECT_FALSE(o->L_L[i]->Visible()) << i;
        o->Btn_NextClick(o->Btn_Next);
        EXPECT_EQ(o->Show_Page, 2);
        o->Btn_NextClick(o->Btn_Prev);
        o->Btn_NextClick(o->Btn_Prev);
        EXPECT_EQ(o->Show_Page, 1);
        o->Btn_Cancel->Click();
    });
}

// A 1 x 1 bitmap, 24 bits per pixel.
QByteArray One_Pixel_Bmp()
{
    QByteArray b("BM", 2);
    auto put32 = [&](quint32 v) {
        for (int i = 0; i < 4; ++i)
            b.append(char((v >> (8 * i)) & 0xFF));
    };
    auto put16 = [&](quint16 v) {
        b.append(char(v & 0xFF));
        b.append(char(v >> 8));
    };
    put32(58);
    put32(0);
    put32(54);
    put32(40);
    put32(1);
    put32(1);
    put16(1);
    put16(24);
    put32(0);
    put32(4);
    put32(2835);
    put32(2835);
    put32(0);
    put32(0);
    b.append("\x00\x00\xFF\x00", 4);
    return b;
}

TEST_F(LanguageFiles, FlagOwnThenDefaultThenNone)
{
    Add_Language("Alpha");
    Add_Language("Beta");
    Write_File("LANGUAGE/Alpha.bmp", One_Pixel_Bmp());
    Start();
    struct TCase {
        const char* Name;
        bool Default_Flag;
        bool Alpha_Shown, Beta_Shown;
    } const cases[] = {
        {"WithDefault", true, true, true},
        {"WithoutDefault", false, true, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        QFile::remove(Path("LANGUAGE/DefaultFlag.bmp"));
        if (c.Default_Flag)
            Write_File("LANGUAGE/DefaultFlag.bmp", One_Pixel_Bmp());
        Show_Options(this, [&] {
            EXPECT_EQ(FSoftOptions->L_L[0]->Caption(), u"Alpha");
            EXPECT_EQ(FSoftOptions->I_L[0]->Visible(), c.Alpha_Shown);
            EXPECT_EQ(FSoftOptions->I_L[1]->Visible(), c.Beta_Shown);
            EXPECT_FALSE(FSoftOptions->I_L[2]->Visible());
            FSoftOptions->Btn_Cancel->Click();
        });
    }
}

// A read-only language file is not offered.
TEST_F(LanguageFiles, ReadOnlyFileNotOffered)
{
    Add_Language("Alpha");
    Add_Language("Beta");
    const QString beta = Path("LANGUAGE/Beta.lng");
    ASSERT_TRUE(QFile::setPermissions(beta, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    Start();
    Show_Options(this, [&] {
        ASSERT_EQ(FSoftOptions->SL_Languages->Count(), 1);
        EXPECT_EQ(FSoftOptions->SL_Languages->Strings(0), u"Alpha.lng");
        FSoftOptions->Btn_Cancel->Click();
    });
}

TEST_F(LanguageFiles, NoLanguageFiles)
{
    Start();
    Show_Options(this, [&] {
        EXPECT_EQ(FSoftOptions->L_Page_Lang->Caption(), u"Page 1 / 0");
        EXPECT_TRUE(FSoftOptions->Btn_Next->Visible());
        for (int i = 0; i < 6; ++i)
            EXPECT_FALSE(FSoftOptions->L_L[i]->Visible());
        FSoftOptions->Btn_NextClick(FSoftOptions->Btn_Next);
        EXPECT_EQ(FSoftOptions->Show_Page, 1);
        FSoftOptions->Btn_Cancel->Click();
    });
}

TEST_F(LanguageFiles, SwitchAskedThenTextsChangeAndOkSavesTheLanguage)
{
    Add_Language("Italiano", "STR15 = Nuova Configurazione\nSTR100 = Crea Configurazione\n"
                             "STR200 = Apri Configurazione\nSTR309 = Abilita Internet\n");
    struct TCase {
        const char* Name;
        int Answer;
        bool Ok;
        QString Caption;    // of Btn_New afterwards
        QString Saved;      // language in the settings file
    } const cases[] = {
        {"NoKeepsAll", IDNO, true, "New Configuration", "English"},
        {"YesThenCancel", IDYES, false, "Nuova Configurazione", "English"},
        {"YesThenOk", IDYES, true, "Nuova Configurazione", "Italiano"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        QFile::remove(Path("Stratagon.xml"));
        Start();
        FBoxes.Calls.clear();
        FBoxes.Answers = {c.Answer};
        Show_Options(this, [&] {
            FSoftOptions->LangClick(FSoftOptions->L_L[0]);
            if (c.Ok)
                FSoftOptions->Btn_OK->Click();
            else
                FSoftOptions->Btn_Cancel->Click();
        });
        ASSERT_EQ(FBoxes.Calls.size(), 1u);
        EXPECT_EQ(FBoxes.Calls[0].Text, u"Do you want to change the Language from English to Italiano?");
        EXPECT_EQ(FBoxes.Calls[0].Flags & 0xF, MB_YESNO);
        EXPECT_EQ(FRodedoruzoFirmWare->Btn_New->Caption(), c.Caption);
        const bool switched = c.Answer == IDYES;
        EXPECT_EQ(FNew_Project->Caption(), switched ? u"Crea Configurazione" : u"Create New Configuration");
        EXPECT_EQ(FOpenConf->Caption(), switched ? u"Apri Configurazione" : u"Open Configuration");
        EXPECT_EQ(FSoftOptions->CB_En_Con->Caption(), switched ? u"Abilita Internet" : u"Enable Internet Connection");
        EXPECT_EQ(FSoftOptions->L_Sel_Lang->Caption(),
                  switched ? u"Selected Language : Italiano" : u"Selected Language : English");
        FRodedoruzoFirmWare->Close();
        Read_Settings(FRodedoruzoFirmWare->XML1);
        EXPECT_EQ(Language_Name, c.Saved);
        Stop();
    }
}

TEST_F(AppWindows, CheckUpdateButtonShowsTheAnswer)
{
    struct TCase {
        const char* Name;
        QByteArray Answer;
        bool Silent;
        bool Newer;
    } const cases[] = {
        {"Newer", "HTTP/1.0 200 OK\r\n\r\nver. 1.001", false, true},
        {"NotNewer", "HTTP/1.0 200 OK\r\n\r\nVER. 1.000", false, false},
        {"NoVersion", "HTTP/1.0 200 OK\r\n\r\nVER. 0.000", false, false},
        {"ErrorStatus", "HTTP/1.0 500 Error\r\n\r\nVER. 1.001", false, false},
        {"NoAnswer", "", true, false},
    };
    const QString host = Maker_Host;
    const uint32_t timeout = Version_Check_Timeout;
    Version_Check_Timeout = 300;
    Start();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TLoopbackServer server(c.Answer, c.Silent);
        Maker_Host = server.Host();
        Show_Options(this, [&] {
            FSoftOptions->CB_En_Con->SetChecked(true);
            FSoftOptions->CB_Update->SetChecked(true);
            ASSERT_TRUE(FSoftOptions->Btn_Check_Update->Enabled());
            FSoftOptions->Btn_Check_Update->Click();
            EXPECT_TRUE(FSoftOptions->LL_Check_Update->Visible());
            EXPECT_EQ(FSoftOptions->LL_Check_Update->Caption(),
                      c.Newer ? "<a href=\"http://" + server.Host() +
                                    "/Home/download/download.asp#ZT38XYZ\">New Version Available. Click Here for "
                                    "more Details</a>"
                              : QStringLiteral("No Update Available"));
            FSoftOptions->Btn_Cancel->Click();
        });
    }
    Maker_Host = host;
    Version_Check_Timeout = timeout;
}

TEST_F(AppWindows, AboutShowsFixedTextsAndLinksHome)
{
    QStringList opened;
    SetShellOpenHandler([&](const QString& Url) {
        opened << Url;
        return true;
    });
    Start();
    TScopedModalHook hook([&](const TModalEvent& Event) {
        if (Event.Form != FAbout)
            return;
        EXPECT_EQ(FAbout->Label2->Caption(), u"EnOcean / BACnet Slave - Converter");
        EXPECT_EQ(FAbout->Label9->Caption(), u"KQ38R12");
        EXPECT_EQ(FAbout->Label10->Caption(), u"1.000");
        EXPECT_EQ(FAbout->Label12->Caption(), u"UM38R12");
        EXPECT_EQ(FAbout->ClientWidth(), 425);
        EXPECT_EQ(FAbout->ClientHeight(), 148);
        FAbout->Label4Click(FAbout->Image2);
        FAbout->LbButton1->Click();
    });
    FRodedoruzoFirmWare->Btn_Click(FRodedoruzoFirmWare->Btn_Info);
    FRodedoruzoFirmWare->L_VelmoraClick(FRodedoruzoFirmWare->L_Velmora);
    SetShellOpenHandler(nullptr);
    const QString home = "http://" + Maker_Host + "/HOME/default.asp?frompg=KQ38R12";
    EXPECT_EQ(opened, QStringList({home, home}));
}

} // namespace
