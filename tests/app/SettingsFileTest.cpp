#include "app/Settings.h"
#include "core/Globals.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/XmlDocument.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FDir.isValid());
        Init_Program_Folders(FDir.path());
    }

    void WriteSettings(const QByteArray& Text)
    {
        QFile f(Settings_File_Name());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(Text);
    }

    // The settings globals as the last read left them.
    static void ExpectSettings(const QString& Conf, const QString& IP, const QString& Language, const bool (&Flags)[4])
    {
        EXPECT_EQ(Conf_Name, Conf);
        EXPECT_EQ(Last_IP_Address, IP);
        EXPECT_EQ(Language_Name, Language);
        EXPECT_EQ(Opt_Enable_Internet, Flags[0]);
        EXPECT_EQ(Opt_Enable_Update, Flags[1]);
        EXPECT_EQ(Opt_Jump_Field_Tables, Flags[2]);
        EXPECT_EQ(Opt_Double_Click_Auto_Size, Flags[3]);
    }

    QTemporaryDir FDir;
    TXMLDocument FXML;
};

struct TReadCase {
    const char* Name;
    QByteArray File;        // empty: no settings file
    QString Conf_Name;
    QString IP;
    QString Language;
    bool Flags[4];
    bool Damaged = false;   // reported as not read whole
};

const QByteArray Full_File =
    "<Conf_Settings><lastproj><projectname>Plant A</projectname></lastproj>"
    "<lastipadd><ipaddress>10.0.0.7</ipaddress></lastipadd>"
    "<lastlang><language>Italiano</language></lastlang>"
    "<lastinternet><enable_internet>1</enable_internet><enable_update>1</enable_update>"
    "<enable_jump_field_tables>1</enable_jump_field_tables>"
    "<Double_Click_Auto_Size>1</Double_Click_Auto_Size></lastinternet></Conf_Settings>";

const TReadCase Read_Cases[] = {
    {"NoFile", "", "", "192.168.2.205", "English", {false, false, false, false}},
    {"EmptyRoot", "<Conf_Settings/>", "", "192.168.2.205", "English", {false, false, false, false}},
    {"AllValues", Full_File, "Plant A", "10.0.0.7", "Italiano", {true, true, true, true}},
    {"NoInternetGroup",
     "<Conf_Settings><lastproj><projectname>P</projectname></lastproj>"
     "<lastipadd><ipaddress>1.2.3.4</ipaddress></lastipadd><lastlang><language>Deutsch</language></lastlang>"
     "</Conf_Settings>",
     "P", "1.2.3.4", "Deutsch", {false, false, false, false}},
    {"FlagsOnlyForOne",
     "<Conf_Settings><lastinternet><enable_internet>true</enable_internet><enable_update> 1</enable_update>"
     "<enable_jump_field_tables>1 </enable_jump_field_tables><Double_Click_Auto_Size>1</Double_Click_Auto_Size>"
     "</lastinternet></Conf_Settings>",
     "", "192.168.2.205", "English", {false, false, false, true}},
    {"EmptyTextsKept",
     "<Conf_Settings><lastproj><projectname></projectname></lastproj><lastipadd><ipaddress/></lastipadd>"
     "</Conf_Settings>",
     "", "", "English", {false, false, false, false}},
    {"NamesMatchCase",
     "<Conf_Settings><LastProj><projectname>X</projectname></LastProj>"
     "<lastinternet><Enable_Internet>1</Enable_Internet><double_click_auto_size>1</double_click_auto_size>"
     "</lastinternet></Conf_Settings>",
     "", "192.168.2.205", "English", {false, false, false, false}},
    // A damaged file gives what was read whole before the damage.
    {"CutAfterAValue", "<Conf_Settings><lastproj><projectname>X</projectname>", "X", "192.168.2.205", "English",
     {false, false, false, false}, true},
    {"CutInsideAValue", "<Conf_Settings><lastipadd><ipaddress>10.0.", "", "192.168.2.205", "English",
     {false, false, false, false}, true},
    {"NotXml", "Conf_Settings=X", "", "192.168.2.205", "English", {false, false, false, false}, true},
    {"ValueWithChildElement",
     "<Conf_Settings><lastproj><projectname><b>X</b></projectname></lastproj></Conf_Settings>", "",
     "192.168.2.205", "English", {false, false, false, false}},
};

TEST_F(SettingsFile, ReadGivesValuesOrDefaults)
{
    for (const TReadCase& c : Read_Cases) {
        SCOPED_TRACE(c.Name);
        DeleteFile(Settings_File_Name());
        if (!c.File.isEmpty())
            WriteSettings(c.File);
        // Leftovers of an earlier read must not survive.
        Conf_Name = QStringLiteral("stale");
        Conf_Dir = QStringLiteral("stale");
        Opt_Enable_Internet = Opt_Enable_Update = Opt_Jump_Field_Tables = Opt_Double_Click_Auto_Size = true;
        const QString error = Read_Settings(&FXML);
        EXPECT_EQ(!error.isEmpty(), c.Damaged) << error.toStdString();
        ExpectSettings(c.Conf_Name, c.IP, c.Language, c.Flags);
        EXPECT_TRUE(Conf_Dir.isEmpty());
    }
}

TEST_F(SettingsFile, WriteGivesTheElementsInOrderAndReadsBack)
{
    struct TState {
        const char* Name;
        QString Conf_Name, IP, Language;
        bool Flags[4];
    };
    const TState states[] = {
        {"Defaults", "", "192.168.2.205", "English", {false, false, false, false}},
        {"AllOn", "Plant <B> & C", " 10.0.0.1 ", "Français", {true, true, true, true}},
        {"Mixed", " lead and trail ", "", "Deutsch", {true, false, true, false}},
    };
    for (const TState& s : states) {
        SCOPED_TRACE(s.Name);
        Conf_Name = s.Conf_Name;
        Last_IP_Address = s.IP;
        Language_Name = s.Language;
        Opt_Enable_Internet = s.Flags[0];
        Opt_Enable_Update = s.Flags[1];
        Opt_Jump_Field_Tables = s.Flags[2];
        Opt_Double_Click_Auto_Size = s.Flags[3];
        Write_Settings(&FXML);

        TXMLDocument check;
        check.LoadFromFile(Settings_File_Name());
        ASSERT_EQ(check.ChildNodes()->Count(), 1);
        TXMLNode* root = check.ChildNodes()->First();
        EXPECT_EQ(root->NodeName(), u"Conf_Settings");
        QStringList layout;
        for (int g = 0; g < root->ChildNodes()->Count(); ++g) {
            TXMLNode* group = root->ChildNodes()->Nodes(g);
            for (int v = 0; v < group->ChildNodes()->Count(); ++v)
                layout << group->NodeName() + QChar(u'/') + group->ChildNodes()->Nodes(v)->NodeName();
        }
        EXPECT_EQ(layout.join(u' '),
                  u"lastproj/projectname lastipadd/ipaddress lastlang/language lastinternet/enable_internet "
                  "lastinternet/enable_update lastinternet/enable_jump_field_tables "
                  "lastinternet/Double_Click_Auto_Size");
        QString flags;
        for (int v = 0; v < 4; ++v)
            flags += root->FindChild(QStringLiteral("lastinternet"))->ChildNodes()->Nodes(v)->Text();
        EXPECT_EQ(flags, QStringLiteral("%1%2%3%4").arg(int(s.Flags[0])).arg(int(s.Flags[1])).arg(int(s.Flags[2]))
                             .arg(int(s.Flags[3])));

        Opt_Enable_Internet = !s.Flags[0];
        Last_IP_Address = QStringLiteral("changed");
        Read_Settings(&FXML);
        ExpectSettings(s.Conf_Name, s.IP, s.Language, s.Flags);
    }
}

TEST_F(SettingsFile, WriteLeavesNoTemporaryFileBehind)
{
    Write_Settings(&FXML);
    Write_Settings(&FXML);
    EXPECT_EQ(QDir(FDir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Stratagon.xml")});
}

TEST_F(SettingsFile, FoldersAreCreatedOnceAndKept)
{
    const QStringList expected = {"CAT_EnOcean", "LANGUAGE", "MASTER", "PROJECTS"};
    EXPECT_EQ(QDir(FDir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name), expected);
    EXPECT_EQ(Projects_Dir, FDir.path() + QStringLiteral("/PROJECTS"));
    EXPECT_EQ(Cat_EnOcean_Dir, FDir.path() + QStringLiteral("/CAT_EnOcean"));
    QFile keep(Master_Dir + QStringLiteral("/Sim38R12.sim"));
    ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
    keep.close();
    Init_Program_Folders(FDir.path());
    EXPECT_TRUE(FileExists(Master_Dir + QStringLiteral("/Sim38R12.sim")));
}

TEST_F(SettingsFile, FilePathsFollowTheActiveFolder)
{
    for (const QString& dir : {QString(), FDir.path() + QStringLiteral("/PROJECTS/A")}) {
        Conf_Dir = dir;
        Set_Files();
        EXPECT_EQ(File_ParGen, dir + QStringLiteral("/ParGen.xml"));
        EXPECT_EQ(File_EnOcean, dir + QStringLiteral("/EnOcean.xml"));
        EXPECT_EQ(File_MQTT_Set_Topic, dir + QStringLiteral("/MQTT_Set_Topic.xml"));
        EXPECT_EQ(File_BACnet_Slave, dir + QStringLiteral("/BACnet_Slave.xml"));
    }
}

} // namespace
