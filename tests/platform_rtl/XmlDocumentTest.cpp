#include "platform/rtl/Exceptions.h"
#include "platform/rtl/XmlDocument.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include "tests/support/FileBytes.h"

namespace {

const QString DataDir = QStringLiteral(STRATAGON_TEST_DATA "/platform_rtl/");

QStringList Names(TXMLNodeList* list)
{
    QStringList names;
    for (int i = 0; i < list->Count(); ++i)
        names << list->Nodes(i)->NodeName();
    return names;
}

TEST(XmlDocument, ReadsDocumentElementPastDeclarationAndComments)
{
    TXMLDocument doc;
    doc.LoadFromFile(DataDir + "declared_with_comments.xml");
    EXPECT_EQ(doc.Encoding(), "UTF-8");
    EXPECT_EQ(doc.ChildNodes()->Count(), 1);
    TXMLNode* root = doc.DocumentElement();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->NodeName(), "BACnet_to_Modbus");
    EXPECT_EQ(root->ParentNode(), nullptr);

    // Comments and processing instructions are no children.
    TXMLNodeList* children = root->ChildNodes();
    EXPECT_EQ(Names(children), (QStringList{"BACnet_Type", "BACnet_NAME_STA", "BACnet_in_Read", "Empty"}));
    EXPECT_EQ(children->IndexOf("BACnet_in_Read"), 2);
    EXPECT_EQ(children->IndexOf("bacnet_in_read"), -1);
    EXPECT_EQ(children->FindNode("Missing"), nullptr);
    EXPECT_THROW(children->Nodes(4), EXMLDocError);
    EXPECT_EQ(children->FindNode("BACnet_Type"), children->Nodes(0));

    struct TextCase {
        const char* name;
        bool isText;
        QString text;
    };
    for (const TextCase& c : {TextCase{"BACnet_Type", true, "0"},
                              TextCase{"BACnet_NAME_STA", true, "  dev name  "},
                              TextCase{"Empty", true, ""},
                              TextCase{"BACnet_in_Read", false, ""}}) {
        TXMLNode* node = root->FindChild(c.name);
        ASSERT_NE(node, nullptr) << c.name;
        EXPECT_EQ(node->IsTextElement(), c.isText) << c.name;
        if (c.isText)
            EXPECT_EQ(node->Text(), c.text) << c.name;
        else
            EXPECT_THROW(node->Text(), EXMLDocError) << c.name;
    }

    TXMLNodeList* rows = root->FindChild("BACnet_in_Read")->ChildNodes();
    ASSERT_EQ(rows->Count(), 2);
    EXPECT_EQ(rows->Nodes(0)->Attributes("Mnemonic"), QStringLiteral("Caf\u00E9 & Bar"));
    EXPECT_EQ(rows->Nodes(1)->Attributes("Data_Type"), "bo");
    EXPECT_EQ(rows->Nodes(1)->Attributes("Mnemonic"), "");
    EXPECT_FALSE(rows->Nodes(1)->HasAttribute("Mnemonic"));
    EXPECT_EQ(rows->Nodes(1)->ParentNode(), root->FindChild("BACnet_in_Read"));
}

TEST(XmlDocument, ParseErrorsNameFileLineAndLeaveNoContent)
{
    TXMLDocument doc;
    doc.LoadFromXML("<a><b/></a>");
    const QString file = DataDir + "broken.xml";
    try {
        doc.LoadFromFile(file);
        FAIL() << "no error";
    } catch (const EXMLDocError& e) {
        EXPECT_TRUE(e.Message().contains(file)) << e.Message().toStdString();
        EXPECT_TRUE(e.Message().contains("line 5,")) << e.Message().toStdString();
    }
    EXPECT_EQ(doc.DocumentElement(), nullptr);

    struct Case {
        const char* name;
        QString xml;
        QString where;
    };
    for (const Case& c : {Case{"UnclosedTag", "<a>\r\n<b>\r\n</a>", "line 3,"},
                          Case{"NoElement", "<!-- only -->", "line 1,"},
                          Case{"BadAttribute", "<a x=1/>", "line 1,"}}) {
        try {
            doc.LoadFromXML(c.xml);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const EXMLDocError& e) {
            EXPECT_TRUE(e.Message().contains(c.where)) << c.name << ": " << e.Message().toStdString();
        }
    }
    EXPECT_THROW(doc.LoadFromFile(DataDir + "missing.xml"), EFOpenError);
}

// The saved document on one line, without indentation.
QString Compact(const TXMLDocument& doc)
{
    return doc.SaveToXML().simplified().replace(QStringLiteral("> <"), QStringLiteral("><"));
}

TEST(XmlDocument, DamagedFileKeepsWhatWasReadWhole)
{
    QTemporaryDir dir;
    const QString file = dir.path() + "/damaged.xml";
    struct Case {
        const char* name;
        QByteArray bytes;
        QString kept;
        QString where;   // empty: read whole
    } const cases[] = {
        {"Whole", "<r><a>1</a></r>", "<r><a>1</a></r>", ""},
        {"CutInText", "<r>\n<a>1</a>\n<b>19", "<r><a>1</a></r>", "line 3,"},
        {"CutInEndTag", "<r><a>1</a><b>192</b", "<r><a>1</a></r>", "line 1,"},
        {"CutAfterAnElement", "<r><a>1</a><b>2</b>\n", "<r><a>1</a><b>2</b></r>", "line 1,"},
        {"CutRightAfterAnElement", "<r><a>1</a><b>2</b>", "<r><a>1</a><b>2</b></r>", "line 1,"},
        {"CutInAGroup", "<r><g><x>1</x><y>2", "<r><g><x>1</x></g></r>", "line 1,"},
        {"CutInAnAttribute", "<r><a>1</a><d n=\"1\" m=\"2", "<r><a>1</a></r>", "line 1,"},
        {"SameNameInside", "<r><r>1</r>", "<r><r>1</r></r>", "line 1,"},
        {"TagInAComment", "<r><a>1</a><!-- <b> --><c>3", "<r><a>1</a><!-- <b> --></r>", "line 1,"},
        {"GarbageAfter", "<r><a>1</a><<x>", "<r><a>1</a></r>", "line 1,"},
        {"NoXmlAtAll", "hello", "", "line 1,"},
        {"EmptyFile", "", "", "line 1,"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.bytes);
        f.close();
        TXMLDocument doc;
        doc.LoadFromXML("<old/>");
        const QString error = doc.LoadPartFromFile(file);
        EXPECT_EQ(Compact(doc), c.kept);
        if (QString(c.where).isEmpty()) {
            EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        } else {
            EXPECT_TRUE(error.contains(file) && error.contains(c.where)) << error.toStdString();
        }
    }
    TXMLDocument doc;
    doc.LoadFromXML("<old/>");
    EXPECT_TRUE(doc.LoadPartFromFile(dir.path() + "/missing.xml").startsWith("Cannot open file"));
    EXPECT_EQ(doc.DocumentElement(), nullptr);
}

// A reader tells a group cut off by the damage from a whole one.
TEST(XmlDocument, DamagedFileTellsWhichElementsWereOpen)
{
    QTemporaryDir dir;
    const QString file = dir.path() + "/damaged.xml";
    const struct {
        const char* name;
        QByteArray bytes;
        int open;
    } cases[] = {
        {"Whole", "<r><g><x/></g></r>", 0},
        {"CutInAGroup", "<r><g><x>1</x><y>2", 2},
        {"CutAfterAGroup", "<r><g><x>1</x></g>", 1},
        {"CutInAnEmptyGroup", "<r><g><x/></g><h>", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.bytes);
        f.close();
        TXMLDocument doc;
        doc.LoadPartFromFile(file);
        EXPECT_EQ(doc.OpenElementsKept(), c.open);
        doc.Clear();
        EXPECT_EQ(doc.OpenElementsKept(), 0);
    }
}

TEST(XmlDocument, SavesAttributesInOrderSetAndCommentAfterRoot)
{
    TXMLDocument doc;
    doc.LoadFromXML("<old><x/></old>");
    doc.ChildNodes()->Clear();
    doc.SetXMLDeclaration("UTF-8");
    TXMLNode* root = doc.AddChild("MQTT_Set_Topic");
    doc.AddComment("SW_VERSION = 1.000");
    TXMLNode* row = root->AddChild("MQTT_Publish")->AddChild("row");
    row->SetAttribute("Topic", "a/b");
    row->SetAttribute("Qos", "1");
    row->SetAttribute("Retain", "N");
    row->SetAttribute("Topic", "c<&>\"d");
    root->AddChild("Name")->SetText(QStringLiteral(" caf\u00E9 "));
    root->AddChild("MQTT_Subscribe");
    EXPECT_THROW(doc.AddChild("Second"), EXMLDocError);

    const QString expected = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<MQTT_Set_Topic>\n"
        "  <MQTT_Publish>\n"
        "    <row Topic=\"c&lt;&amp;>&quot;d\" Qos=\"1\" Retain=\"N\" />\n"
        "  </MQTT_Publish>\n"
        "  <Name> caf\u00E9 </Name>\n"
        "  <MQTT_Subscribe />\n"
        "</MQTT_Set_Topic>\n"
        "<!--SW_VERSION = 1.000-->\n");
    EXPECT_EQ(doc.SaveToXML().toStdString(), expected.toStdString());

    QTemporaryDir dir;
    const QString path = dir.filePath("MQTT_Set_Topic.xml");
    doc.SetCRLFLineBreaks(true);
    doc.SaveToFile(path);
    QString crlf = expected;
    crlf.replace("\n", "\r\n");
    EXPECT_EQ(ReadBytes(path).toStdString(), crlf.toStdString());

    TXMLDocument again;
    again.LoadFromFile(path);
    TXMLNode* r = again.DocumentElement()->FindChild("MQTT_Publish")->ChildNodes()->Nodes(0);
    EXPECT_EQ(r->AttributeName(0), "Topic");
    EXPECT_EQ(r->Attributes("Topic"), "c<&>\"d");
    EXPECT_EQ(again.DocumentElement()->FindChild("Name")->Text(), QStringLiteral(" caf\u00E9 "));
}

TEST(XmlDocument, AnsiDeclaredFileReadsAndWritesWindows1252)
{
    TXMLDocument doc;
    doc.LoadFromFile(DataDir + "ansi_declared.xml");
    TXMLNode* t = doc.DocumentElement()->FindChild("t");
    EXPECT_EQ(t->Text(), QStringLiteral("Gr\u00FC\u00DFe \u20AC"));

    QTemporaryDir dir;
    doc.SaveToFile(dir.filePath("out.xml"));
    EXPECT_EQ(ReadBytes(dir.filePath("out.xml")),
              QByteArray("<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<r>\n  <t>Gr\xFC\xDF" "e \x80</t>\n</r>\n"));

    // Characters the code page lacks become references where XML allows.
    t->SetText(QStringLiteral("\u0416\U0001F600"));
    t->SetAttribute("a", QStringLiteral("\u0416"));
    doc.AddComment(QStringLiteral("\u0416"));
    doc.SaveToFile(dir.filePath("out.xml"));
    EXPECT_EQ(ReadBytes(dir.filePath("out.xml")).toStdString(),
              "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<r>\n  <t a=\"&#1046;\">&#1046;&#128512;</t>\n</r>\n<!--?-->\n");
    TXMLDocument again;
    again.LoadFromFile(dir.filePath("out.xml"));
    EXPECT_EQ(again.DocumentElement()->FindChild("t")->Text(), QStringLiteral("\u0416\U0001F600"));
    EXPECT_EQ(again.DocumentElement()->FindChild("t")->Attributes("a"), QStringLiteral("\u0416"));
}

TEST(XmlDocument, OnlyTheDeclarationNamesTheEncoding)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("in.xml");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<?xml-note encoding=\"windows-1252\"?>\n<r>\xC3\xA9</r>\n");
    f.close();
    TXMLDocument doc;
    doc.LoadFromFile(path);
    EXPECT_EQ(doc.DocumentElement()->Text(), QStringLiteral("\u00E9"));
    EXPECT_EQ(doc.Encoding(), "");
}

TEST(XmlDocument, NodesOfReplacedContentStaySafe)
{
    TXMLDocument doc;
    doc.LoadFromXML("<a><b>1</b><c/></a>");
    TXMLNode* b = doc.DocumentElement()->FindChild("b");
    TXMLNodeList* list = doc.DocumentElement()->ChildNodes();
    EXPECT_EQ(list->Count(), 2);

    doc.DocumentElement()->SetText("plain");
    EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(b->NodeName(), "");
    EXPECT_EQ(b->ChildNodes()->Count(), 0);

    TXMLNode* root = doc.DocumentElement();
    doc.LoadFromXML("<z><y/></z>");
    EXPECT_EQ(root->NodeName(), "");
    EXPECT_EQ(root->Text(), "");
    ASSERT_NE(root->AddChild("lost"), nullptr);
    root->SetAttribute("k", "v");
    EXPECT_EQ(doc.SaveToXML(), "<z>\n  <y />\n</z>\n");
}

} // namespace
