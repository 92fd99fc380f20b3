#include "core/ConfigImageIO.h"

#include "core/ConfigImage.h"
#include "core/Globals.h"
#include "platform/rtl/XmlDocument.h"

int Put_Text8(quint8* Buf, int Pos, const QString& S, int Max)
{
    const int n = qMin(int(S.size()), Max);
    for (int i = 0; i < n; ++i)
        Buf[Pos + i] = quint8(S.at(i).unicode());
    return n;
}

std::unique_ptr<TXMLDocument> Load_Config_File(const QString& FileName)
{
    auto doc = std::make_unique<TXMLDocument>();
    doc->SetActive(true);
    doc->LoadFromFile(FileName);
    return doc;
}

bool Text_To_Number(const QString& S, bool Wide, qint64& Value)
{
    // The conversion answers with the caller's default on failure; two
    // different defaults tell a failure from a number equal to one of them.
    if (Wide) {
        const qint64 a = Str_To_Int64_Def(S, 0);
        if (a != Str_To_Int64_Def(S, 1))
            return false;
        Value = a;
    } else {
        const int a = Str_To_Int_Def(S, 0);
        if (a != Str_To_Int_Def(S, 1))
            return false;
        Value = a;
    }
    return true;
}

void Config_Image_Error(const QString& FileName, const QString& Where, const QString& Msg)
{
    QString text = QStringLiteral("File \"%1\"").arg(FileName);
    if (!Where.isEmpty())
        text += QStringLiteral(", ") + Where;
    throw EConfigImageError(text + QStringLiteral(": ") + Msg);
}

qint64 Required_Number(TXMLNode* Node, const QString& Attr, const QString& FileName,
                       const QString& Where, bool Wide)
{
    if (!Node->HasAttribute(Attr))
        Config_Image_Error(FileName, Where,
                           QStringLiteral("the attribute \"%1\" is missing.").arg(Attr));
    const QString text = Node->Attributes(Attr);
    qint64 value = 0;
    if (!Text_To_Number(text, Wide, value))
        Config_Image_Error(FileName, Where,
                           QStringLiteral("the attribute \"%1\" is not a number (\"%2\").")
                               .arg(Attr, text));
    return value;
}

bool Par_Text(TXMLNode* Root, const char* Name, QString& Text)
{
    TXMLNode* node = Root ? Root->FindChild(QString::fromLatin1(Name)) : nullptr;
    if (!node || !node->IsTextElement())
        return false;
    Text = node->Text();
    return true;
}
