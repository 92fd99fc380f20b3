// Arbitrary bytes as an XML file: loading raises EXMLDocError or gives a
// tree that can be walked, saved and loaded back to the same text; what a
// damaged file keeps can be walked and saved too.
#include "platform/rtl/CodePages.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/XmlDocument.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

namespace {

void Walk(TXMLNode* Node, int Depth)
{
    Node->NodeName();
    for (int i = 0; i < Node->AttributeCount(); ++i)
        Node->Attributes(Node->AttributeName(i));
    if (Node->IsTextElement())
        Node->Text();
    TXMLNodeList* Children = Node->ChildNodes();
    for (int i = 0; i < Children->Count() && Depth < 64; ++i) {
        TXMLNode* Child = Children->Nodes(i);
        if (Child->ParentNode() != Node)
            std::abort();
        Walk(Child, Depth + 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    static QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("fuzz.xml"));
    {
        QFile F(Path);
        if (!F.open(QIODevice::WriteOnly))
            std::abort();
        F.write(reinterpret_cast<const char*>(Data), qint64(Size));
    }
    TXMLDocument Doc;
    try {
        Doc.LoadFromFile(Path);
    } catch (const EXMLDocError&) {
        // What is kept of a damaged file is a tree that can be walked and saved.
        TXMLDocument Part;
        if (Part.LoadPartFromFile(Path).isEmpty())
            std::abort();
        if (TXMLNode* Root = Part.DocumentElement())
            Walk(Root, 0);
        Part.SaveToXML();
        return 0;
    }
    if (TXMLNode* Root = Doc.DocumentElement())
        Walk(Root, 0);
    const QString Saved = Doc.SaveToXML();
    Doc.SaveToFile(Path);
    TXMLDocument Again;
    try {
        Again.LoadFromFile(Path);
    } catch (const EXMLDocError&) {
        // Only a file saved in ANSI with characters that had to become "?"
        // (in names, comments, processing instructions) may fail to load.
        if (AnsiToUtf16(Utf16ToAnsi(Saved)) == Saved)
            std::abort();
        return 0;
    }
    if (Again.SaveToXML() != Saved && AnsiToUtf16(Utf16ToAnsi(Saved)) == Saved)
        std::abort();
    return 0;
}
