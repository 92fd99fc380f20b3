// The word processor: documents as WordprocessingML packages (.docx).
#include "platform/services/office/Automation.h"
#include "platform/services/office/OfficePackage.h"

#include "platform/rtl/AtomicFile.h"

#include <pugixml.hpp>

namespace Automation {

void CheckServer(const QString& progId);

using namespace Detail;

namespace {


bool Is(pugi::xml_node n, const char* local)
{
    return n.type() == pugi::node_element && std::strcmp(LocalName(n.name()), local) == 0;
}

const char* const kNewDocument =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
    "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
    "<w:body><w:p/><w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/>"
    "<w:pgMar w:top=\"1417\" w:right=\"1417\" w:bottom=\"1134\" w:left=\"1417\" w:header=\"708\""
    " w:footer=\"708\" w:gutter=\"0\"/></w:sectPr></w:body></w:document>";

const char* const kContentTypes =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/word/document.xml\""
    " ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
    "</Types>";

const char* const kPackageRels =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\""
    " Target=\"word/document.xml\"/></Relationships>";

} // namespace

struct TWordDocument::TData {
    pugi::xml_document Doc;
    pugi::xml_node Body;
    QByteArray W; // the main namespace's prefix with its colon
    // The selection: a paragraph and the node typing goes before (null:
    // the paragraph's end).
    pugi::xml_node SelPara;
    pugi::xml_node SelBefore;

    QByteArray N(const char* local) const { return W + local; }

    void Load(const QByteArray& xml, const QString& what)
    {
        pugi::xml_parse_result r = Doc.load_buffer(xml.constData(), size_t(xml.size()),
                                                   pugi::parse_default | pugi::parse_ws_pcdata);
        if (!r)
            throw EOleException(QStringLiteral("%1 is damaged (%2)").arg(what, QString::fromUtf8(r.description())));
        pugi::xml_node root = Doc.document_element();
        Body = ChildElement(root, "body");
        if (!Is(root, "document") || !Body)
            throw EOleException(QStringLiteral("%1 is no document").arg(what));
        QByteArray name = root.name();
        int colon = name.indexOf(':');
        W = colon < 0 ? QByteArray() : name.left(colon + 1);
        SelPara = ChildElement(Body, "p");
        if (!SelPara)
            SelPara = Body.prepend_child(N("p").constData());
        SelBefore = FirstContent(SelPara);
    }

    // The first child of a paragraph after its properties.
    static pugi::xml_node FirstContent(pugi::xml_node p)
    {
        pugi::xml_node c = p.first_child();
        if (Is(c, "pPr"))
            c = c.next_sibling();
        return c;
    }

    pugi::xml_node NewRun(pugi::xml_node para, pugi::xml_node before, const QString& text)
    {
        pugi::xml_node r = before ? para.insert_child_before(N("r").constData(), before)
                                  : para.append_child(N("r").constData());
        pugi::xml_node t = r.append_child(N("t").constData());
        if (text != text.trimmed())
            t.append_attribute("xml:space") = "preserve";
        t.text() = EscapeOoxmlText(text).toUtf8().constData();
        return r;
    }

    // Splits the paragraph before node: what precedes it moves into a new
    // paragraph inserted before, with the same properties. Returns it.
    pugi::xml_node SplitBefore(pugi::xml_node para, pugi::xml_node at)
    {
        pugi::xml_node first = para.parent().insert_child_before(N("p").constData(), para);
        if (pugi::xml_node ppr = ChildElement(para, "pPr"))
            first.append_copy(ppr);
        for (pugi::xml_node c = FirstContent(para); c && c != at;) {
            pugi::xml_node next = c.next_sibling();
            first.append_move(c);
            c = next;
        }
        return first;
    }
};

TWordDocument::TWordDocument(TWordApplication* app) : FApp(app), FData(std::make_unique<TData>()) {}
TWordDocument::~TWordDocument() = default;

void TWordDocument::TypeText(const QString& text)
{
    QString s = text;
    s.replace(QLatin1String("\r\n"), QLatin1String("\r")).replace(u'\n', u'\r');
    const QStringList lines = s.split(u'\r');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            TypeParagraph();
        if (!lines[i].isEmpty())
            FData->NewRun(FData->SelPara, FData->SelBefore, lines[i]);
    }
}

void TWordDocument::TypeParagraph()
{
    FData->SplitBefore(FData->SelPara, FData->SelBefore);
}

bool TWordDocument::BookmarkExists(const QString& name) const
{
    QByteArray n = name.toUtf8();
    auto found = FData->Body.find_node([&](pugi::xml_node x) {
        if (!Is(x, "bookmarkStart"))
            return false;
        for (pugi::xml_attribute a : x.attributes())
            if (std::strcmp(LocalName(a.name()), "name") == 0 && n == a.value())
                return true;
        return false;
    });
    return bool(found);
}

void TWordDocument::AddParagraph()
{
    pugi::xml_node sect = ChildElement(FData->Body, "sectPr");
    if (sect)
        FData->Body.insert_child_before(FData->N("p").constData(), sect);
    else
        FData->Body.append_child(FData->N("p").constData());
}

int TWordDocument::ParagraphCount() const
{
    int n = 0;
    for (pugi::xml_node c : FData->Body.children())
        n += Is(c, "p");
    return n;
}

TWordTable* TWordDocument::AddTable(const TWordRange& range, int rows, int columns)
{
    if (rows < 1 || columns < 1 || rows > 32767 || columns > 63)
        throw EOleException(QStringLiteral("A table of %1 rows and %2 columns cannot be made").arg(rows).arg(columns));
    TData& d = *FData;
    pugi::xml_node parent = d.Body, before;
    switch (range.Kind) {
    case TWordRange::rkStart:
        before = d.Body.first_child();
        break;
    case TWordRange::rkBookmark: {
        QByteArray n = range.Bookmark.toUtf8();
        pugi::xml_node mark = d.Body.find_node([&](pugi::xml_node x) {
            return Is(x, "bookmarkStart") && n == x.attribute(d.N("name").constData()).value();
        });
        if (!mark)
            throw EOleException(QStringLiteral("The document has no bookmark \"%1\"").arg(range.Bookmark));
        pugi::xml_node para = mark.parent();
        while (para && !Is(para, "p") && para != d.Body)
            para = para.parent();
        if (!para || para == d.Body) {
            parent = mark.parent();
            before = mark;
        } else {
            pugi::xml_node anchor = mark;
            while (anchor.parent() != para)
                anchor = anchor.parent();
            pugi::xml_node first = d.SplitBefore(para, anchor);
            if (!TData::FirstContent(first))
                first.parent().remove_child(first);
            parent = para.parent();
            before = para;
        }
        break;
    }
    case TWordRange::rkEnd: {
        pugi::xml_node last;
        for (pugi::xml_node c : d.Body.children())
            if (Is(c, "p"))
                last = c;
        before = last ? last : ChildElement(d.Body, "sectPr");
        break;
    }
    }
    pugi::xml_node tbl = before ? parent.insert_child_before(d.N("tbl").constData(), before)
                                : parent.append_child(d.N("tbl").constData());
    pugi::xml_node pr = tbl.append_child(d.N("tblPr").constData());
    pugi::xml_node w = pr.append_child(d.N("tblW").constData());
    w.append_attribute(d.N("w").constData()) = 0;
    w.append_attribute(d.N("type").constData()) = "auto";
    pugi::xml_node borders = pr.append_child(d.N("tblBorders").constData());
    for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"}) {
        pugi::xml_node b = borders.append_child(d.N(side).constData());
        b.append_attribute(d.N("val").constData()) = "single";
        b.append_attribute(d.N("sz").constData()) = 4;
        b.append_attribute(d.N("space").constData()) = 0;
        b.append_attribute(d.N("color").constData()) = "auto";
    }
    pugi::xml_node grid = tbl.append_child(d.N("tblGrid").constData());
    const int width = 9000 / columns;
    for (int c = 0; c < columns; ++c)
        grid.append_child(d.N("gridCol").constData()).append_attribute(d.N("w").constData()) = width;
    for (int r = 0; r < rows; ++r) {
        pugi::xml_node tr = tbl.append_child(d.N("tr").constData());
        for (int c = 0; c < columns; ++c) {
            pugi::xml_node tc = tr.append_child(d.N("tc").constData());
            pugi::xml_node tcw = tc.append_child(d.N("tcPr").constData()).append_child(d.N("tcW").constData());
            tcw.append_attribute(d.N("w").constData()) = width;
            tcw.append_attribute(d.N("type").constData()) = "dxa";
            tc.append_child(d.N("p").constData());
        }
    }
    FTables.push_back(std::unique_ptr<TWordTable>(new TWordTable(this, tbl.internal_object())));
    return FTables.back().get();
}

static pugi::xml_node NodeOf(void* p) { return pugi::xml_node(static_cast<pugi::xml_node_struct*>(p)); }

int TWordTable::RowCount() const
{
    int n = 0;
    for (pugi::xml_node c : NodeOf(FNode).children())
        n += Is(c, "tr");
    return n;
}

int TWordTable::ColumnCount() const
{
    int n = 0;
    for (pugi::xml_node c : ChildElement(NodeOf(FNode), "tr").children())
        n += Is(c, "tc");
    return n;
}

void* TWordTable::CellNode(int row, int column) const
{
    int r = 0;
    for (pugi::xml_node tr : NodeOf(FNode).children()) {
        if (!Is(tr, "tr") || ++r != row)
            continue;
        int c = 0;
        for (pugi::xml_node tc : tr.children())
            if (Is(tc, "tc") && ++c == column)
                return tc.internal_object();
    }
    throw EOleException(QStringLiteral("The table has no cell (%1, %2)").arg(row).arg(column));
}

void TWordTable::CellInsertAfter(int row, int column, const QString& text)
{
    pugi::xml_node tc = NodeOf(CellNode(row, column));
    pugi::xml_node para;
    for (pugi::xml_node c : tc.children())
        if (Is(c, "p"))
            para = c;
    if (!para)
        para = tc.append_child(FDoc->FData->N("p").constData());
    QString s = text;
    s.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    const QStringList lines = s.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            pugi::xml_node next = tc.insert_child_after(FDoc->FData->N("p").constData(), para);
            if (pugi::xml_node ppr = ChildElement(para, "pPr"))
                next.append_copy(ppr);
            para = next;
        }
        if (!lines[i].isEmpty())
            FDoc->FData->NewRun(para, pugi::xml_node(), lines[i]);
    }
}

void TWordTable::SetCellAlignment(int row, int column, int alignment)
{
    static const char* const names[] = {"left", "center", "right", "both"};
    if (alignment < 0 || alignment > 3)
        return;
    const TWordDocument::TData& d = *FDoc->FData;
    for (pugi::xml_node p : NodeOf(CellNode(row, column)).children()) {
        if (!Is(p, "p"))
            continue;
        pugi::xml_node ppr = ChildElement(p, "pPr");
        if (!ppr)
            ppr = p.prepend_child(d.N("pPr").constData());
        pugi::xml_node jc = ChildElement(ppr, "jc");
        if (!jc)
            jc = ppr.append_child(d.N("jc").constData());
        jc.remove_attribute(d.N("val").constData());
        jc.append_attribute(d.N("val").constData()) = names[alignment];
    }
}

void TWordDocument::SaveAs(const QString& fileName)
{
    QString ext = LowerExt(fileName);
    if (ext == QLatin1String("doc") || ext == QLatin1String("dot"))
        throw EOleException(QStringLiteral("Writing binary .doc documents is not supported: %1 (save as .docx)").arg(fileName));
    QByteArray xml = SerializeXml(FData->Doc);
    QByteArray data;
    if (FPackage.isEmpty()) {
        data = WriteZip({{QStringLiteral("[Content_Types].xml"), kContentTypes},
                         {QStringLiteral("_rels/.rels"), kPackageRels},
                         {QStringLiteral("word/document.xml"), xml}});
    } else {
        TZipPackage zip(FPackage, QStringLiteral("The document %1").arg(FFileName));
        data = zip.Rewrite({{FPart, xml}}, {}, {});
    }
    WriteFileAtomic(fileName, data);
    FPackage = data;
    if (FPart.isEmpty())
        FPart = QStringLiteral("word/document.xml");
    FFileName = fileName;
}

void TWordDocument::Close()
{
    TWordApplication* app = FApp;
    if (app->FActive == this)
        app->FActive = nullptr;
    auto it = std::find_if(app->FDocs.begin(), app->FDocs.end(), [this](const auto& d) { return d.get() == this; });
    if (it != app->FDocs.end())
        app->FDocs.erase(it); // deletes this
    if (!app->FActive && !app->FDocs.empty())
        app->FActive = app->FDocs.back().get();
}

// Application

static std::vector<std::weak_ptr<TWordApplication>>& RunningWordApps()
{
    static std::vector<std::weak_ptr<TWordApplication>> apps;
    return apps;
}

TWordApplication::~TWordApplication() = default;

TWordDocument* TWordApplication::OpenDocument(const QString& fileName)
{
    QByteArray data;
    TFileKind kind = SniffFile(fileName, &data);
    if (kind == TFileKind::Missing)
        throw EOleException(QStringLiteral("The document %1 cannot be opened: no such file").arg(fileName));
    if (kind == TFileKind::Ole2)
        throw EOleException(QStringLiteral("Binary .doc documents are not supported: %1").arg(fileName));
    if (kind != TFileKind::Zip)
        throw EOleException(QStringLiteral("%1 is no .docx document").arg(fileName));
    auto doc = std::unique_ptr<TWordDocument>(new TWordDocument(this));
    QString what = QStringLiteral("The document %1").arg(fileName);
    TZipPackage zip(data, what);
    doc->FPart = MainPart(zip, QStringLiteral("word/document.xml"));
    doc->FData->Load(zip.Read(doc->FPart), what);
    doc->FPackage = data;
    doc->FFileName = fileName;
    FDocs.push_back(std::move(doc));
    FActive = FDocs.back().get();
    return FActive;
}

TWordDocument* TWordApplication::AddDocument()
{
    auto doc = std::unique_ptr<TWordDocument>(new TWordDocument(this));
    doc->FData->Load(QByteArray(kNewDocument), QStringLiteral("A new document"));
    FDocs.push_back(std::move(doc));
    FActive = FDocs.back().get();
    return FActive;
}

void TWordApplication::Quit()
{
    FActive = nullptr;
    FDocs.clear();
    FRunning = false;
}

std::shared_ptr<TWordApplication> CreateWordApplication()
{
    CheckServer(QStringLiteral("word.application"));
    std::shared_ptr<TWordApplication> app(new TWordApplication());
    RunningWordApps().push_back(app);
    return app;
}

std::shared_ptr<TWordApplication> ActiveWordApplication()
{
    auto& apps = RunningWordApps();
    for (auto it = apps.rbegin(); it != apps.rend(); ++it)
        if (auto app = it->lock(); app && app->FRunning)
            return app;
    return nullptr;
}

} // namespace Automation
