#include "core/Table_File.h"

#include "platform/rtl/SysUtils.h"
#include "platform/rtl/XmlDocument.h"

namespace {

// Reads one list; false when reading stopped (Messages says why).
bool Read_List(TXMLNode* List, const QString& FileName, int Table_Rows, const TTable_Layout& L,
               TTable_Rows& Rows, QStringList& Messages)
{
    TXMLNodeList* children = List->ChildNodes();
    const int count = children->Count();
    for (int r = 0; r < count && r < Table_Rows; ++r) {
        TXMLNode* node = children->Nodes(r);
        Rows.emplace_back();
        QStringList& row = Rows.back();
        row << QString::number(r + 1);
        for (int c = 1; c < L.Col_Count; ++c)
            row << QString();
        for (const auto& [col, text] : L.Loaded)
            row[col] = QString::fromLatin1(text);
        for (const TRow_Attr& a : L.Attrs) {
            const QString name = QString::fromLatin1(a.Name);
            if (node->HasAttribute(name))
                row[a.Col] = node->Attributes(name);
            else if (a.Missing)
                row[a.Col] = QString::fromLatin1(a.Missing);
            else {
                Messages << QStringLiteral("File \"%1\", row %2 of %3: the attribute \"%4\" is missing.")
                                .arg(FileName)
                                .arg(r + 1)
                                .arg(QLatin1String(L.List_Name), name);
                return false;
            }
        }
    }
    if (count > Table_Rows && !Messages.contains(Too_Many_Rows_Warning(Table_Rows)))
        Messages << Too_Many_Rows_Warning(Table_Rows);
    return true;
}

} // namespace

QString Read_Table_File(TXMLDocument* XML, const QString& FileName, int Table_Rows,
                        const TTable_Layout* Layouts[2], TTable_Rows* Tables[2])
{
    Tables[0]->clear();
    Tables[1]->clear();
    if (FileName.isEmpty() || !FileExists(FileName))
        return QString();
    XML->SetActive(true);
    const QString damage = XML->LoadPartFromFile(FileName);
    QStringList messages;
    TXMLNode* root = XML->ChildNodes()->First();
    for (int t = 0; t < 2; ++t) {
        const QString name = QString::fromLatin1(Layouts[t]->List_Name);
        TXMLNode* list = root ? root->FindChild(name) : nullptr;
        if (!list) {
            // Damage that cut the file short explains a missing list.
            if (damage.isEmpty())
                messages << QStringLiteral("File \"%1\": the element \"%2\" is missing.").arg(FileName, name);
            break;
        }
        if (!Read_List(list, FileName, Table_Rows, *Layouts[t], *Tables[t], messages))
            break;
    }
    if (!damage.isEmpty())
        messages.prepend(damage);
    return messages.join(QLatin1Char('\n'));
}

void Write_Table_File(TXMLDocument* XML, const QString& FileName, const QString& Root,
                      const TTable_Layout* Layouts[2], const TTable_Rows* Tables[2])
{
    XML->SetActive(true);
    XML->Clear();
    TXMLNode* root = XML->AddChild(Root);
    XML->AddComment(QStringLiteral("SW_VERSION = 1.000"));
    for (int t = 0; t < 2; ++t) {
        const TTable_Layout& L = *Layouts[t];
        const TTable_Rows& rows = *Tables[t];
        TXMLNode* list = root->AddChild(QString::fromLatin1(L.List_Name));
        const int n = Table_Content_Rows(rows, L.Key_Col);
        for (int r = 0; r < n; ++r) {
            TXMLNode* row = list->AddChild(QStringLiteral("row"));
            for (const TRow_Attr& a : L.Attrs)
                row->SetAttribute(QString::fromLatin1(a.Name), Cell(rows[size_t(r)], a.Col));
        }
    }
    XML->SaveToFile(FileName);
}
