#include "app/Settings.h"
#include "core/Globals.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/XmlDocument.h"
#include <QFile>
#include <QFileInfo>

QString Program_Dir_Override;

namespace {

const QString Root_Name = QStringLiteral("Conf_Settings");

// The text of Group/Value below the root; false when an element is missing
// or holds no plain text.
bool Read_Value(TXMLNode* Root, const QString& Group, const QString& Value, QString& Text)
{
    if (!Root)
        return false;
    TXMLNode* group = Root->FindChild(Group);
    if (!group)
        return false;
    TXMLNode* value = group->FindChild(Value);
    if (!value || !value->IsTextElement())
        return false;
    Text = value->Text();
    return true;
}

bool Read_Flag(TXMLNode* Root, const QString& Value)
{
    QString text;
    return Read_Value(Root, QStringLiteral("lastinternet"), Value, text) && text == QStringLiteral("1");
}

void Add_Value(TXMLNode* Group, const QString& Value, const QString& Text)
{
    Group->AddChild(Value)->SetText(Text);
}

QString Flag_Text(bool Flag)
{
    return Flag ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

void Init_Program_Folders(const QString& Dir)
{
    Exe_Dir = Dir;
    Master_Dir = Exe_Dir + QStringLiteral("/MASTER");
    Projects_Dir = Exe_Dir + QStringLiteral("/PROJECTS");
    Language_Dir = Exe_Dir + QStringLiteral("/LANGUAGE");
    Cat_EnOcean_Dir = Exe_Dir + QStringLiteral("/CAT_EnOcean");
    for (const QString* folder : {&Master_Dir, &Projects_Dir, &Language_Dir, &Cat_EnOcean_Dir})
        if (!DirectoryExists(*folder))
            CreateDir(*folder);
}

QString Settings_File_Name()
{
    return Exe_Dir + QStringLiteral("/Stratagon.xml");
}

QString Read_Settings(TXMLDocument* XML)
{
    Conf_Name.clear();
    Conf_Dir.clear();
    Last_IP_Address = QString::fromLatin1(Default_IP_Address);
    Language_Name = QStringLiteral("English");
    Opt_Enable_Internet = false;
    Opt_Enable_Update = false;
    Opt_Jump_Field_Tables = false;
    Opt_Double_Click_Auto_Size = false;

    const QString fileName = Settings_File_Name();
    if (!FileExists(fileName))
        return QString();
    XML->SetActive(true);
    const QString error = XML->LoadPartFromFile(fileName);
    TXMLNode* root = XML->ChildNodes()->First();
    QString text;
    if (Read_Value(root, QStringLiteral("lastproj"), QStringLiteral("projectname"), text))
        Conf_Name = text;
    if (Read_Value(root, QStringLiteral("lastipadd"), QStringLiteral("ipaddress"), text))
        Last_IP_Address = text;
    if (Read_Value(root, QStringLiteral("lastlang"), QStringLiteral("language"), text))
        Language_Name = text;
    Opt_Enable_Internet = Read_Flag(root, QStringLiteral("enable_internet"));
    Opt_Enable_Update = Read_Flag(root, QStringLiteral("enable_update"));
    Opt_Jump_Field_Tables = Read_Flag(root, QStringLiteral("enable_jump_field_tables"));
    Opt_Double_Click_Auto_Size = Read_Flag(root, QStringLiteral("Double_Click_Auto_Size"));
    return error;
}

QString Keep_Settings_Copy(QString& Error)
{
    const QString base = Settings_File_Name() + QStringLiteral(".damaged");
    QString copy = base;
    for (int n = 1; QFileInfo::exists(copy); ++n)
        copy = base + QChar(u'.') + QString::number(n);
    QFile file(Settings_File_Name());
    if (!file.copy(copy)) {
        Error = file.errorString();
        return QString();
    }
    return copy;
}

void Write_Settings(TXMLDocument* XML)
{
    XML->SetActive(true);
    XML->Clear();
    TXMLNode* root = XML->AddChild(Root_Name);
    Add_Value(root->AddChild(QStringLiteral("lastproj")), QStringLiteral("projectname"), Conf_Name);
    Add_Value(root->AddChild(QStringLiteral("lastipadd")), QStringLiteral("ipaddress"), Last_IP_Address);
    Add_Value(root->AddChild(QStringLiteral("lastlang")), QStringLiteral("language"), Language_Name);
    TXMLNode* internet = root->AddChild(QStringLiteral("lastinternet"));
    Add_Value(internet, QStringLiteral("enable_internet"), Flag_Text(Opt_Enable_Internet));
    Add_Value(internet, QStringLiteral("enable_update"), Flag_Text(Opt_Enable_Update));
    Add_Value(internet, QStringLiteral("enable_jump_field_tables"), Flag_Text(Opt_Jump_Field_Tables));
    Add_Value(internet, QStringLiteral("Double_Click_Auto_Size"), Flag_Text(Opt_Double_Click_Auto_Size));
    XML->SaveToFile(Settings_File_Name());
}

void Set_Files()
{
    File_ParGen = Conf_Dir + QStringLiteral("/ParGen.xml");
    File_EnOcean = Conf_Dir + QStringLiteral("/EnOcean.xml");
    File_MQTT_Set_Topic = Conf_Dir + QStringLiteral("/MQTT_Set_Topic.xml");
    File_BACnet_Slave = Conf_Dir + QStringLiteral("/BACnet_Slave.xml");
}
