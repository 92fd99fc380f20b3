// XML export and import: one element per row, one per field.
#include "grid/core/ProGridError.h"
#include "grid/core/ProStringGrid.h"
#include "grid/features/GridFileText.h"
#include "platform/rtl/CodePages.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/XmlDocument.h"
#include <QFile>
#include <QRegularExpression>

using namespace GridFiles;

namespace {

// The byte form the declared encoding asks for; ANSI unless it names UTF-8
// or UTF-16.
TFileEncoding EncodingFor(const QString& Name)
{
    const QString n = Name.trimmed().toLower();
    if (n == QLatin1String("utf-8") || n == QLatin1String("utf8"))
        return TFileEncoding::Utf8Bom;
    if (n.startsWith(QLatin1String("utf-16")))
        return TFileEncoding::Utf16Bom;
    return TFileEncoding::Ansi;
}

bool IsAnsiRepresentable(QChar C)
{
    return !C.isSurrogate() && AnsiToUtf16(Utf16ToAnsi(QString(C))) == QString(C);
}

// Element text with the standard entities. A CR is written as a reference,
// since a reader turns a written CR LF into LF; in ANSI a character the
// code page lacks is written as a reference too.
QString XmlText(const QString& S, bool Ansi)
{
    QString out;
    out.reserve(S.size() + 8);
    for (qsizetype i = 0; i < S.size(); ++i) {
        const QChar c = S[i];
        switch (c.unicode()) {
        case u'&': out += QLatin1String("&amp;"); break;
        case u'<': out += QLatin1String("&lt;"); break;
        case u'>': out += QLatin1String("&gt;"); break;
        case u'"': out += QLatin1String("&quot;"); break;
        case u'\r': out += QLatin1String("&#13;"); break;
        default:
            if (Ansi && c.unicode() >= 0x80 && !IsAnsiRepresentable(c)) {
                char32_t code = c.unicode();
                if (c.isHighSurrogate() && i + 1 < S.size() && S[i + 1].isLowSurrogate())
                    code = QChar::surrogateToUcs4(c, S[++i]);
                out += QStringLiteral("&#%1;").arg(uint(code));
            } else {
                out += c;
            }
        }
    }
    return out;
}

} // namespace

void TProStringGrid::SaveToXML(const QString& FileName, const QString& ListDescr, const QString& RecordDescr,
                               TStrings* FieldDescr, bool ExportEmptyCells)
{
    const TFileEncoding enc = EncodingFor(FXMLEncoding);
    const bool ansi = enc == TFileEncoding::Ansi;
    const int h = FSaveHiddenCells ? FNumHidden : 0;
    QString out = QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\" ?>\r\n<%2>\r\n").arg(FXMLEncoding, ListDescr);
    TProgress progress(this);
    ExportNotification(esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        out += u'<' + RecordDescr + QLatin1String(">\r\n");
        for (int b = SaveStartCol(); b <= SaveEndCol() + h; ++b) {
            const int rc = FSaveHiddenCells ? b : DisplToRealCol(b);
            if (!IsBaseCell(rc, r))
                continue;
            QString text;
            SaveCell(rc, r, text);
            if (text.isEmpty() && !ExportEmptyCells)
                continue;
            if (text.isEmpty() && FQuoteEmptyCells)
                text = QStringLiteral("\"\"");
            const int i = b - SaveStartCol();
            const QString tag = FieldDescr && i < FieldDescr->Count() ? FieldDescr->Strings(i)
                                                                      : QStringLiteral("FIELD%1").arg(i);
            out += u'<' + tag + u'>' + XmlText(text, ansi) + QLatin1String("</") + tag + QLatin1String(">\r\n");
        }
        out += QLatin1String("</") + RecordDescr + QLatin1String(">\r\n");
        progress.Report(Percent(r, SaveEndRow() - SaveStartRow()));
    }
    out += QLatin1String("</") + ListDescr + QLatin1String(">\r\n");
    ExportNotification(esExportDone, -1);
    try {
        WriteText(FileName, out, enc);
    } catch (const Exception&) {
        throw EProGridError(QStringLiteral("Cannot Create file ") + FileName);
    }
}

// Reading

struct TProStringGrid::TXmlImport {
    int C0 = 0;
    int R0 = 0;
    int Col = 0;
    int Row = 0;
    int Level = 0;
    int MaxCol = 0;
    int MaxRow = 0;
    bool LevelToRow = false;
    bool LoadFieldDescr = false;
};

void TProStringGrid::XmlStore(TXmlImport& In, const QString& Name, const QString& Value, bool HeaderName)
{
    const int c = In.C0 + In.Col, r = In.R0 + In.Row;
    if (c < 0 || r < 0) {
        ++In.Col;
        return;
    }
    if (c >= ColCount())
        SetColCount(c + 1);
    if (r >= RowCount())
        SetRowCount(r + 1);
    if (HeaderName && (FSaveFixedCells || FSaveFixedRows) && GetGridCell(c, 0).isEmpty()) {
        QString name = Name;
        LoadCell(c, 0, name);
    }
    QString v = Value;
    LoadCell(c, r, v);
    In.MaxCol = std::max(In.MaxCol, c);
    In.MaxRow = std::max(In.MaxRow, r);
    ++In.Col;
}

void TProStringGrid::XmlVisit(TXmlImport& In, TXMLNode* Node)
{
    const int attrs = Node->AttributeCount();
    for (int i = 0; i < attrs; ++i) {
        const QString name = Node->AttributeName(i);
        XmlStore(In, name, Node->Attributes(name), true);
    }
    bool rowStepped = false;
    if (In.LevelToRow && attrs > 0) {
        ++In.Row;
        In.Col = In.Level;
        rowStepped = true;
    }
    TXMLNodeList* children = Node->ChildNodes();
    const int n = children->Count();
    if (n > 1) {
        if (In.LevelToRow && !rowStepped) {
            ++In.Row;
            In.Col = 0;
        }
        ++In.Level;
        for (int i = 0; i < n; ++i)
            XmlVisit(In, children->Nodes(i));
        return;
    }
    if (n == 1) {
        XmlVisit(In, children->Nodes(0));
        return;
    }
    const QString text = Node->Text();
    if (!text.isEmpty()) {
        const bool quotedEmpty = FQuoteEmptyCells && text == QLatin1String("\"\"");
        XmlStore(In, Node->NodeName(), quotedEmpty ? QString() : text, In.LoadFieldDescr);
        return;
    }
    // An empty element fills a cell the grid has and makes none.
    const int c = In.C0 + In.Col, r = In.R0 + In.Row;
    if (c < ColCount() && r >= 0 && r < RowCount()) {
        QString v;
        LoadCell(c, r, v);
    }
    ++In.Col;
}

void TProStringGrid::LoadFromXML(const QString& FileName, bool LevelToRow, bool LoadFieldDescr)
{
    if (!QFile::exists(FileName))
        throw Exception(QStringLiteral("XML file not found"));
    TXMLDocument doc;
    try {
        doc.LoadFromFile(FileName);
    } catch (const EXMLDocError& e) {
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("line (\\d+)")).match(e.Message());
        QString reason = e.Message().section(QStringLiteral(": "), -1);
        throw Exception(QStringLiteral("XMLDOM Parsing error (%1) on line %2").arg(reason, m.captured(1)));
    }
    TXMLNode* root = doc.DocumentElement();
    if (!root)
        return;
    TXmlImport in;
    in.C0 = SaveStartCol();
    in.R0 = (!FSaveFixedCells && !FSaveFixedRows) || LoadFieldDescr ? FixedRows() : 0;
    in.MaxCol = in.C0;
    in.MaxRow = in.R0;
    in.LevelToRow = LevelToRow;
    in.LoadFieldDescr = LoadFieldDescr;
    TXMLNodeList* records = root->ChildNodes();
    for (int i = 0; i < records->Count(); ++i) {
        TXMLNode* rec = records->Nodes(i);
        in.Col = 0;
        in.Level = 1;
        if (LevelToRow && i == 0 && rec->AttributeCount() == 0)
            in.Row = -1;
        XmlVisit(in, rec);
        if (!LevelToRow)
            ++in.Row;
    }
    SetColCount(in.MaxCol + 1);
    SetRowCount(in.MaxRow + 1);
    CellsChanged(TRect{0, 0, ColCount(), RowCount()});
    CellsLoaded();
}
