#include "platform/services/office/SpreadsheetIo.h"

#include "platform/services/office/OfficePackage.h"

#include "platform/rtl/DateTime.h"

#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <QSet>
#include <QTemporaryDir>
#include <freexl.h>
#include <pugixml.hpp>
#include <xlsxwriter.h>

namespace Automation {

using namespace Detail;

namespace {

const char* const kMainNs = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const char* const kRelNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const char* const kWorksheetType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet";
const char* const kWorksheetContent = "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml";

QString Prefix(pugi::xml_node node)
{
    QString name = QString::fromUtf8(node.name());
    int colon = name.indexOf(u':');
    return colon < 0 ? QString() : name.left(colon + 1);
}

// The prefix a document binds to a namespace ("r:"), or "" when none.
QString NsPrefix(pugi::xml_node root, const char* ns)
{
    for (pugi::xml_attribute a : root.attributes()) {
        QString name = QString::fromUtf8(a.name());
        if (name.startsWith(QLatin1String("xmlns:")) && std::strcmp(a.value(), ns) == 0)
            return name.mid(6) + u':';
    }
    return QString();
}

pugi::xml_document ParsePart(const TZipPackage& zip, const QString& part, bool required)
{
    pugi::xml_document doc;
    if (!zip.Has(part)) {
        if (required)
            throw EOleException(QStringLiteral("The workbook has no part \"%1\"").arg(part));
        return doc;
    }
    QByteArray data = zip.Read(part);
    pugi::xml_parse_result r = doc.load_buffer(data.constData(), size_t(data.size()),
                                               pugi::parse_default | pugi::parse_ws_pcdata);
    if (!r)
        throw EOleException(QStringLiteral("The workbook part \"%1\" is damaged (%2)")
                                .arg(part, QString::fromUtf8(r.description())));
    return doc;
}

QString Utf8(const char* s) { return QString::fromUtf8(s); }

// Text of an element and its descendants' <t> (phonetic runs left out).
QString CollectText(pugi::xml_node node)
{
    QString out;
    for (pugi::xml_node c : node.children()) {
        if (c.type() != pugi::node_element)
            continue;
        const char* local = LocalName(c.name());
        if (std::strcmp(local, "t") == 0)
            out += Utf8(c.child_value());
        else if (std::strcmp(local, "rPh") != 0)
            out += CollectText(c);
    }
    return out;
}

bool IsDateCode(const QString& code)
{
    QString plain;
    bool quoted = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        QChar c = code.at(i);
        if (c == u'"') {
            quoted = !quoted;
        } else if (quoted) {
            continue;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;
        } else if (c == u'[') {
            qsizetype end = code.indexOf(u']', i);
            QString inner = code.mid(i + 1, end < 0 ? -1 : end - i - 1).toLower();
            if (!inner.isEmpty() && std::all_of(inner.begin(), inner.end(), [](QChar x) {
                    return x == u'h' || x == u'm' || x == u's';
                }))
                plain += u'h';
            i = end < 0 ? code.size() : end;
        } else {
            plain += c.toLower();
        }
    }
    if (plain.contains(QLatin1String("general")))
        return false;
    return std::any_of(plain.begin(), plain.end(), [](QChar c) {
        return c == u'd' || c == u'm' || c == u'y' || c == u'h' || c == u's';
    });
}

bool IsDateFormatId(int id) { return (id >= 14 && id <= 22) || (id >= 45 && id <= 47); }

struct TStyles {
    std::vector<bool> DateXf;
    bool IsDate(int s) const { return s >= 0 && size_t(s) < DateXf.size() && DateXf[size_t(s)]; }
};

TStyles ReadStyles(const TZipPackage& zip, const QString& part)
{
    TStyles st;
    if (part.isEmpty())
        return st;
    pugi::xml_document doc = ParsePart(zip, part, false);
    pugi::xml_node root = doc.document_element();
    QHash<int, bool> custom;
    for (pugi::xml_node f : ChildElement(root, "numFmts").children())
        custom.insert(f.attribute("numFmtId").as_int(), IsDateCode(Utf8(f.attribute("formatCode").value())));
    for (pugi::xml_node xf : ChildElement(root, "cellXfs").children()) {
        if (xf.type() != pugi::node_element)
            continue;
        int id = xf.attribute("numFmtId").as_int();
        st.DateXf.push_back(custom.contains(id) ? custom.value(id) : IsDateFormatId(id));
    }
    return st;
}

struct TRels {
    QHash<QString, QString> Target; // id -> part
    QHash<QString, QString> Type;   // id -> type
};

TRels ReadRels(const TZipPackage& zip, const QString& sourcePart)
{
    TRels rels;
    pugi::xml_document doc = ParsePart(zip, RelsPartOf(sourcePart), false);
    for (pugi::xml_node r : doc.document_element().children()) {
        if (r.type() != pugi::node_element || r.attribute("TargetMode").as_string()[0] == 'E')
            continue;
        QString id = Utf8(r.attribute("Id").value());
        rels.Target.insert(id, ResolveTarget(sourcePart, Utf8(r.attribute("Target").value())));
        rels.Type.insert(id, Utf8(r.attribute("Type").value()));
    }
    return rels;
}

QString RelOfType(const TRels& rels, const char* suffix)
{
    for (auto it = rels.Type.begin(); it != rels.Type.end(); ++it)
        if (it.value().endsWith(QLatin1String(suffix)))
            return rels.Target.value(it.key());
    return QString();
}

struct TSheetEntry {
    QString Name;
    QString Part;
    bool Worksheet = true;
};

std::vector<TSheetEntry> ReadSheetList(pugi::xml_node wbRoot, const TRels& rels)
{
    std::vector<TSheetEntry> out;
    for (pugi::xml_node s : ChildElement(wbRoot, "sheets").children()) {
        if (s.type() != pugi::node_element)
            continue;
        QString rid;
        for (pugi::xml_attribute a : s.attributes())
            if (std::strcmp(LocalName(a.name()), "id") == 0 && std::strchr(a.name(), ':'))
                rid = Utf8(a.value());
        TSheetEntry e;
        e.Name = Utf8(s.attribute("name").value());
        e.Part = rels.Target.value(rid);
        e.Worksheet = rels.Type.value(rid).endsWith(QLatin1String("/worksheet"));
        out.push_back(e);
    }
    return out;
}

double ParseNumber(const char* text, bool& ok)
{
    return QByteArray(text).trimmed().toDouble(&ok);
}

TDateTime FromQDateTime(const QDateTime& dt)
{
    QDate d = dt.date();
    QTime t = dt.time();
    TDateTime date = EncodeDate(d.year(), d.month(), d.day());
    TDateTime time = EncodeTime(t.hour(), t.minute(), t.second(), t.msec());
    return date >= 0 ? date + time : date - time;
}

} // namespace

void TWorkbookIo::ReadXlsx(TWorkbook& book, const QByteArray& data, const QString& fileName)
{
    TZipPackage zip(data, QStringLiteral("The workbook %1").arg(fileName));
    QString wbPart = MainPart(zip, QStringLiteral("xl/workbook.xml"));
    pugi::xml_document wb = ParsePart(zip, wbPart, true);
    pugi::xml_node root = wb.document_element();
    if (std::strcmp(LocalName(root.name()), "workbook") != 0)
        throw EOleException(QStringLiteral("%1 is no workbook").arg(fileName));
    TRels rels = ReadRels(zip, wbPart);
    TStyles styles = ReadStyles(zip, RelOfType(rels, "/styles"));
    QStringList shared;
    if (QString sst = RelOfType(rels, "/sharedStrings"); !sst.isEmpty()) {
        pugi::xml_document doc = ParsePart(zip, sst, false);
        for (pugi::xml_node si : doc.document_element().children())
            if (si.type() == pugi::node_element)
                shared << UnescapeOoxmlText(CollectText(si));
    }
    pugi::xml_node pr = ChildElement(root, "workbookPr");
    QString d1904 = Utf8(pr.attribute("date1904").value());
    double dateShift = (d1904 == QLatin1String("1") || d1904 == QLatin1String("true")) ? 1462 : 0;

    std::vector<TSheetEntry> entries = ReadSheetList(root, rels);
    int activeTab = ChildElement(ChildElement(root, "bookViews"), "workbookView").attribute("activeTab").as_int();
    book.FSheets.clear();
    book.FActive = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        const TSheetEntry& e = entries[i];
        if (!e.Worksheet)
            continue;
        if (int(i) == activeTab)
            book.FActive = int(book.FSheets.size());
        auto sheet = std::unique_ptr<TWorksheet>(new TWorksheet(&book, e.Name));
        sheet->FPart = e.Part;
        sheet->FDirty = false;
        pugi::xml_document sd = ParsePart(zip, e.Part, true);
        pugi::xml_node data = ChildElement(sd.document_element(), "sheetData");
        int rowNo = 0;
        for (pugi::xml_node row : data.children()) {
            if (row.type() != pugi::node_element)
                continue;
            rowNo = row.attribute("r") ? row.attribute("r").as_int() : rowNo + 1;
            int colNo = 0;
            for (pugi::xml_node c : row.children()) {
                if (c.type() != pugi::node_element)
                    continue;
                int r = rowNo, col = colNo + 1;
                if (c.attribute("r") && !ParseCellRef(Utf8(c.attribute("r").value()), r, col))
                    throw EOleException(QStringLiteral("%1: sheet \"%2\" has a bad cell reference \"%3\"")
                                            .arg(fileName, e.Name, Utf8(c.attribute("r").value())));
                colNo = col;
                if (r < 1 || r > 1048576 || col > 16384)
                    continue;
                QByteArray t = c.attribute("t").value();
                const char* v = ChildElement(c, "v").child_value();
                bool hasV = bool(ChildElement(c, "v"));
                TOleValue value;
                if (t == "s") {
                    bool ok;
                    int idx = QByteArray(v).toInt(&ok);
                    if (!ok || idx < 0 || idx >= shared.size())
                        throw EOleException(QStringLiteral("%1: sheet \"%2\" names a missing shared string").arg(fileName, e.Name));
                    value = TOleValue::FromString(shared.at(idx));
                } else if (t == "inlineStr") {
                    value = TOleValue::FromString(UnescapeOoxmlText(CollectText(ChildElement(c, "is"))));
                } else if (t == "str") {
                    value = TOleValue::FromString(UnescapeOoxmlText(Utf8(v)));
                } else if (t == "b") {
                    if (!hasV)
                        continue;
                    value.Kind = TOleValue::vkBool;
                    value.Number = QByteArray(v).trimmed() == "1" ? 1 : 0;
                } else if (t == "e") {
                    value.Kind = TOleValue::vkError;
                    value.Text = Utf8(v);
                } else if (t == "d") {
                    QDateTime dt = QDateTime::fromString(Utf8(v), Qt::ISODateWithMs);
                    if (!dt.isValid())
                        continue;
                    value.Kind = TOleValue::vkDate;
                    value.Number = FromQDateTime(dt);
                } else {
                    if (!hasV)
                        continue;
                    bool ok;
                    double d = ParseNumber(v, ok);
                    if (!ok)
                        throw EOleException(QStringLiteral("%1: sheet \"%2\" has a bad number \"%3\"").arg(fileName, e.Name, Utf8(v)));
                    int s = c.attribute("s").as_int(-1);
                    value = TOleValue::FromNumber(d);
                    if (styles.IsDate(s)) {
                        value.Kind = TOleValue::vkDate;
                        value.Number = d + dateShift;
                    }
                }
                if (value.IsEmpty())
                    continue;
                TWorksheet::TCell& cell = sheet->FCells[TWorksheet::Key(r, col)];
                cell.Value = value;
                cell.Style = c.attribute("s").as_int(-1);
            }
        }
        book.FSheets.push_back(std::move(sheet));
    }
    if (book.FSheets.empty())
        throw EOleException(QStringLiteral("%1 holds no worksheet").arg(fileName));
    book.FOrigin = 1;
    book.FPackage = data;
}

void TWorkbookIo::ReadXls(TWorkbook& book, const QString& fileName)
{
    const void* handle = nullptr;
    QByteArray path = QFile::encodeName(fileName);
    int rc = freexl_open(path.constData(), &handle);
    struct TCloser {
        const void*& H;
        ~TCloser() { if (H) freexl_close(H); }
    } closer{handle};
    if (rc != FREEXL_OK)
        throw EOleException(QStringLiteral("The .xls workbook %1 cannot be read (error %2)").arg(fileName).arg(rc));
    unsigned int count = 0;
    if (freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK || count == 0)
        throw EOleException(QStringLiteral("%1 holds no worksheet").arg(fileName));
    book.FSheets.clear();
    book.FActive = 0;
    for (unsigned short i = 0; i < count; ++i) {
        const char* name = nullptr;
        if (freexl_get_worksheet_name(handle, i, &name) != FREEXL_OK
            || freexl_select_active_worksheet(handle, i) != FREEXL_OK)
            throw EOleException(QStringLiteral("%1: sheet %2 cannot be read").arg(fileName).arg(i + 1));
        auto sheet = std::unique_ptr<TWorksheet>(new TWorksheet(&book, Utf8(name ? name : "")));
        unsigned int rows = 0;
        unsigned short cols = 0;
        freexl_worksheet_dimensions(handle, &rows, &cols);
        for (unsigned int r = 0; r < rows && r < 1048576; ++r)
            for (unsigned short c = 0; c < cols; ++c) {
                FreeXL_CellValue v;
                if (freexl_get_cell_value(handle, r, c, &v) != FREEXL_OK)
                    continue;
                TOleValue value;
                switch (v.type) {
                case FREEXL_CELL_INT:
                    value = TOleValue::FromNumber(v.value.int_value);
                    break;
                case FREEXL_CELL_DOUBLE:
                    value = TOleValue::FromNumber(v.value.double_value);
                    break;
                case FREEXL_CELL_TEXT:
                case FREEXL_CELL_SST_TEXT:
                    value = TOleValue::FromString(Utf8(v.value.text_value));
                    break;
                case FREEXL_CELL_DATE:
                case FREEXL_CELL_DATETIME:
                case FREEXL_CELL_TIME: {
                    QString text = Utf8(v.value.text_value);
                    QDateTime dt;
                    if (v.type == FREEXL_CELL_DATE)
                        dt = QDateTime(QDate::fromString(text, QStringLiteral("yyyy-MM-dd")), QTime(0, 0));
                    else if (v.type == FREEXL_CELL_DATETIME)
                        dt = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
                    else
                        dt = QDateTime(QDate(1899, 12, 30), QTime::fromString(text, QStringLiteral("HH:mm:ss")));
                    if (!dt.isValid())
                        continue;
                    value.Kind = TOleValue::vkDate;
                    value.Number = FromQDateTime(dt);
                    break;
                }
                default:
                    continue;
                }
                if (value.Kind == TOleValue::vkString && value.Text.isEmpty())
                    continue;
                sheet->FCells[TWorksheet::Key(int(r) + 1, int(c) + 1)].Value = value;
            }
        sheet->FDirty = false;
        book.FSheets.push_back(std::move(sheet));
    }
    book.FOrigin = 2;
    book.FPackage.clear();
}

namespace {

QString CellName(int row, int col) { return ColumnLetters(col) + QString::number(row); }

// The sheet part with its cells written anew (inline strings); the other
// elements of an existing part stay.
QByteArray SheetXml(const QByteArray& original, const TWorksheet& sheet,
                    const std::map<quint64, std::pair<TOleValue, int>>& cells)
{
    pugi::xml_document doc;
    pugi::xml_node root;
    if (!original.isEmpty() && doc.load_buffer(original.constData(), size_t(original.size()),
                                               pugi::parse_default | pugi::parse_ws_pcdata))
        root = doc.document_element();
    if (!root) {
        doc.reset();
        auto decl = doc.append_child(pugi::node_declaration);
        decl.append_attribute("version") = "1.0";
        decl.append_attribute("encoding") = "UTF-8";
        decl.append_attribute("standalone") = "yes";
        root = doc.append_child("worksheet");
        root.append_attribute("xmlns") = kMainNs;
        root.append_attribute("xmlns:r") = kRelNs;
    }
    QByteArray p = Prefix(root).toUtf8();
    auto name = [&](const char* local) { return QByteArray(p + local); };
    pugi::xml_node data = ChildElement(root, "sheetData");
    if (!data)
        data = root.append_child(name("sheetData").constData());
    while (data.first_child())
        data.remove_child(data.first_child());
    // Cell formulas of a written sheet are gone; so are their shared parts.
    pugi::xml_node dim = ChildElement(root, "dimension");
    if (!dim)
        dim = root.prepend_child(name("dimension").constData());
    QString used = sheet.UsedRangeAddress();
    used.remove(u'$');
    dim.remove_attribute("ref");
    dim.append_attribute("ref") = used.toUtf8().constData();

    pugi::xml_node row;
    int rowNo = 0;
    for (const auto& [key, cell] : cells) {
        int r = int(key >> 32), c = int(quint32(key));
        if (r != rowNo) {
            row = data.append_child(name("row").constData());
            row.append_attribute("r") = r;
            rowNo = r;
        }
        const TOleValue& v = cell.first;
        pugi::xml_node x = row.append_child(name("c").constData());
        x.append_attribute("r") = CellName(r, c).toUtf8().constData();
        if (cell.second >= 0)
            x.append_attribute("s") = cell.second;
        switch (v.Kind) {
        case TOleValue::vkNumber:
        case TOleValue::vkDate:
            x.append_child(name("v").constData()).text() =
                QString::number(v.Number, 'g', QLocale::FloatingPointShortest).toUtf8().constData();
            break;
        case TOleValue::vkBool:
            x.append_attribute("t") = "b";
            x.append_child(name("v").constData()).text() = v.Number != 0 ? "1" : "0";
            break;
        case TOleValue::vkError:
            x.append_attribute("t") = "e";
            x.append_child(name("v").constData()).text() = v.Text.toUtf8().constData();
            break;
        default: {
            x.append_attribute("t") = "inlineStr";
            pugi::xml_node t = x.append_child(name("is").constData()).append_child(name("t").constData());
            QString text = EscapeOoxmlText(v.Text);
            if (text != text.trimmed() || text.contains(u'\n'))
                t.append_attribute("xml:space") = "preserve";
            t.text() = text.toUtf8().constData();
        }
        }
    }
    return SerializeXml(doc);
}

} // namespace

QByteArray TWorkbookIo::PatchXlsx(TWorkbook& book)
{
    TZipPackage zip(book.FPackage, QStringLiteral("The workbook %1").arg(book.FFileName));
    QString wbPart = MainPart(zip, QStringLiteral("xl/workbook.xml"));
    QString relsPart = RelsPartOf(wbPart);
    const QString ctPart = QStringLiteral("[Content_Types].xml");
    pugi::xml_document wb = ParsePart(zip, wbPart, true);
    pugi::xml_document relsDoc = ParsePart(zip, relsPart, true);
    pugi::xml_document ct = ParsePart(zip, ctPart, true);
    pugi::xml_node wbRoot = wb.document_element();
    pugi::xml_node relsRoot = relsDoc.document_element();
    TRels rels = ReadRels(zip, wbPart);
    pugi::xml_node sheetsNode = ChildElement(wbRoot, "sheets");
    QString rPrefix = NsPrefix(wbRoot, kRelNs);
    if (rPrefix.isEmpty()) {
        wbRoot.append_attribute("xmlns:r") = kRelNs;
        rPrefix = QStringLiteral("r:");
    }

    // The existing <sheet> nodes, by part, with their old positions.
    QHash<QString, pugi::xml_node> byPart;
    QHash<QString, int> oldIndex;
    std::vector<pugi::xml_node> others;
    int maxSheetId = 0, idx = 0;
    for (pugi::xml_node s : sheetsNode.children()) {
        if (s.type() != pugi::node_element)
            continue;
        QString rid = Utf8(s.attribute((rPrefix + QStringLiteral("id")).toUtf8().constData()).value());
        QString part = rels.Target.value(rid);
        maxSheetId = std::max(maxSheetId, s.attribute("sheetId").as_int());
        oldIndex.insert(QString::number(quintptr(s.internal_object())), idx++);
        if (rels.Type.value(rid).endsWith(QLatin1String("/worksheet")))
            byPart.insert(part, s);
        else
            others.push_back(s);
    }

    QSet<QString> names;
    for (const QString& n : zip.Names())
        names.insert(n);
    QSet<QString> ids;
    for (auto it = rels.Target.begin(); it != rels.Target.end(); ++it)
        ids.insert(it.key());

    QMap<QString, QByteArray> replaced;
    QList<QPair<QString, QByteArray>> added;
    std::vector<pugi::xml_node> order;
    QByteArray p = Prefix(wbRoot).toUtf8();
    for (const auto& sheet : book.FSheets) {
        std::map<quint64, std::pair<TOleValue, int>> cells;
        for (const auto& [key, cell] : sheet->FCells)
            cells.emplace(key, std::make_pair(cell.Value, cell.Style));
        pugi::xml_node node = byPart.value(sheet->FPart);
        if (node) {
            node.attribute("name").set_value(sheet->FName.toUtf8().constData());
            if (sheet->FDirty)
                replaced.insert(sheet->FPart, SheetXml(zip.Read(sheet->FPart), *sheet, cells));
            byPart.remove(sheet->FPart);
        } else {
            int k = 1;
            while (names.contains(QStringLiteral("xl/worksheets/sheet%1.xml").arg(k)))
                ++k;
            QString part = QStringLiteral("xl/worksheets/sheet%1.xml").arg(k);
            names.insert(part);
            int n = 1;
            while (ids.contains(QStringLiteral("rId%1").arg(n)))
                ++n;
            QString rid = QStringLiteral("rId%1").arg(n);
            ids.insert(rid);
            pugi::xml_node rel = relsRoot.append_child(QByteArray(Prefix(relsRoot).toUtf8() + "Relationship").constData());
            rel.append_attribute("Id") = rid.toUtf8().constData();
            rel.append_attribute("Type") = kWorksheetType;
            QString wbDir = wbPart.left(wbPart.lastIndexOf(u'/') + 1);
            QString target = part.startsWith(wbDir) ? part.mid(wbDir.size()) : u'/' + part;
            rel.append_attribute("Target") = target.toUtf8().constData();
            pugi::xml_node ov = ct.document_element().append_child(QByteArray(Prefix(ct.document_element()).toUtf8() + "Override").constData());
            ov.append_attribute("PartName") = ('/' + part).toUtf8().constData();
            ov.append_attribute("ContentType") = kWorksheetContent;
            node = sheetsNode.append_child(QByteArray(p + "sheet").constData());
            node.append_attribute("name") = sheet->FName.toUtf8().constData();
            node.append_attribute("sheetId") = ++maxSheetId;
            node.append_attribute((rPrefix + QStringLiteral("id")).toUtf8().constData()) = rid.toUtf8().constData();
            added.append({part, SheetXml(QByteArray(), *sheet, cells)});
        }
        order.push_back(node);
    }
    // Sheets in the workbook's order; chart sheets after them.
    for (const pugi::xml_node& n : others)
        order.push_back(n);
    QHash<int, int> remap;
    for (size_t i = 0; i < order.size(); ++i) {
        auto key = QString::number(quintptr(order[i].internal_object()));
        if (oldIndex.contains(key))
            remap.insert(oldIndex.value(key), int(i));
        sheetsNode.append_move(order[i]);
    }
    for (pugi::xml_node dn : ChildElement(wbRoot, "definedNames").children()) {
        pugi::xml_attribute local = dn.attribute("localSheetId");
        if (local && remap.contains(local.as_int()))
            local.set_value(remap.value(local.as_int()));
    }
    if (pugi::xml_node view = ChildElement(ChildElement(wbRoot, "bookViews"), "workbookView")) {
        if (!view.attribute("activeTab"))
            view.append_attribute("activeTab");
        view.attribute("activeTab").set_value(book.FActive);
        view.remove_attribute("firstSheet");
    }

    // The calculation chain would name cells that hold no formula now.
    QStringList dropped;
    for (pugi::xml_node r = relsRoot.first_child(); r;) {
        pugi::xml_node next = r.next_sibling();
        if (QString::fromUtf8(r.attribute("Type").value()).endsWith(QLatin1String("/calcChain"))) {
            QString part = ResolveTarget(wbPart, Utf8(r.attribute("Target").value()));
            dropped << part;
            relsRoot.remove_child(r);
            for (pugi::xml_node o = ct.document_element().first_child(); o;) {
                pugi::xml_node on = o.next_sibling();
                if (Utf8(o.attribute("PartName").value()) == u'/' + part)
                    ct.document_element().remove_child(o);
                o = on;
            }
        }
        r = next;
    }
    replaced.insert(wbPart, SerializeXml(wb));
    replaced.insert(relsPart, SerializeXml(relsDoc));
    replaced.insert(ctPart, SerializeXml(ct));
    return zip.Rewrite(replaced, dropped, added);
}

QByteArray TWorkbookIo::WriteNewXlsx(TWorkbook& book)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        throw EOleException(QStringLiteral("No temporary folder for the workbook"));
    QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("book.xlsx")));
    lxw_workbook* wb = workbook_new(path.constData());
    if (!wb)
        throw EOleException(QStringLiteral("The workbook cannot be made"));
    auto fail = [&](lxw_error err, const QString& where) {
        workbook_close(wb);
        throw EOleException(QStringLiteral("The workbook cannot be written (%1: %2)")
                                .arg(where, QString::fromUtf8(lxw_strerror(err))));
    };
    lxw_format* dateFormat = workbook_add_format(wb);
    format_set_num_format_index(dateFormat, 22);
    for (size_t i = 0; i < book.FSheets.size(); ++i) {
        const TWorksheet& sheet = *book.FSheets[i];
        lxw_worksheet* ws = workbook_add_worksheet(wb, sheet.FName.toUtf8().constData());
        if (!ws)
            fail(LXW_ERROR_SHEETNAME_ALREADY_USED, sheet.FName);
        if (int(i) == book.FActive)
            worksheet_activate(ws);
        for (const auto& [key, cell] : sheet.FCells) {
            lxw_row_t r = lxw_row_t((key >> 32) - 1);
            lxw_col_t c = lxw_col_t(quint32(key) - 1);
            const TOleValue& v = cell.Value;
            lxw_error err = LXW_NO_ERROR;
            switch (v.Kind) {
            case TOleValue::vkNumber:
                err = worksheet_write_number(ws, r, c, v.Number, nullptr);
                break;
            case TOleValue::vkDate:
                err = worksheet_write_number(ws, r, c, v.Number, dateFormat);
                break;
            case TOleValue::vkBool:
                err = worksheet_write_boolean(ws, r, c, v.Number != 0, nullptr);
                break;
            default:
                err = worksheet_write_string(ws, r, c, v.Text.toUtf8().constData(), nullptr);
            }
            if (err != LXW_NO_ERROR)
                fail(err, sheet.FName + u'!' + CellName(int(r) + 1, int(c) + 1));
        }
    }
    lxw_error err = workbook_close(wb);
    if (err != LXW_NO_ERROR)
        throw EOleException(QStringLiteral("The workbook cannot be written (%1)").arg(QString::fromUtf8(lxw_strerror(err))));
    QFile f(QFile::decodeName(path));
    if (!f.open(QIODevice::ReadOnly))
        throw EOleException(QStringLiteral("The workbook cannot be written (its temporary file is gone)"));
    return f.readAll();
}

void TWorkbookIo::Adopt(TWorkbook& book, const QByteArray& data)
{
    TZipPackage zip(data, QStringLiteral("The written workbook"));
    QString wbPart = MainPart(zip, QStringLiteral("xl/workbook.xml"));
    pugi::xml_document wb = ParsePart(zip, wbPart, true);
    TRels rels = ReadRels(zip, wbPart);
    std::vector<TSheetEntry> entries = ReadSheetList(wb.document_element(), rels);
    size_t k = 0;
    for (const TSheetEntry& e : entries)
        if (e.Worksheet && k < book.FSheets.size()) {
            book.FSheets[k]->FPart = e.Part;
            book.FSheets[k]->FDirty = false;
            ++k;
        }
    book.FOrigin = 1;
    book.FPackage = data;
}

} // namespace Automation
