#include "platform/rtl/XmlDocument.h"
#include "platform/rtl/AtomicFile.h"
#include "platform/rtl/CodePages.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/TextFile.h"
#include <QFile>
#include <QRegularExpression>
#include <pugixml.hpp>
#include <QHash>
#include <algorithm>
#include <cstring>
#include <deque>
#include <string>

namespace {

using NodeStruct = pugi::xml_node_struct;

QString FromPugi(const pugi::char_t* s)
{
    return QString::fromUtf8(s);
}

std::string ToPugi(const QString& s)
{
    return s.toStdString();
}

// A name to look up: the readers ask for attributes by short ASCII names
// row after row, so those convert on the stack, not through the heap.
class LookupName {
public:
    explicit LookupName(const QString& s)
    {
        const qsizetype n = s.size();
        if (n < qsizetype(sizeof FShort)) {
            const QChar* d = s.constData();
            qsizetype i = 0;
            for (; i < n && d[i].unicode() < 0x80 && d[i].unicode() != 0; ++i)
                FShort[i] = char(d[i].unicode());
            if (i == n) {
                FShort[n] = 0;
                FText = FShort;
                return;
            }
        }
        FLong = ToPugi(s);
        FText = FLong.c_str();
    }
    LookupName(const LookupName&) = delete;
    LookupName& operator=(const LookupName&) = delete;
    const char* c_str() const { return FText; }

private:
    char FShort[64];
    std::string FLong;
    const char* FText;
};

bool IsElement(const pugi::xml_node& n)
{
    return n.type() == pugi::node_element;
}

bool IsAnsiEncodingName(const QString& name)
{
    const QString n = name.trimmed().toLower();
    return n == u"windows-1252" || n == u"cp1252" || n == u"iso-8859-1" || n == u"latin1"
        || n == u"iso_8859-1" || n == u"us-ascii";
}

bool IsUtf16EncodingName(const QString& name)
{
    return name.trimmed().toLower().startsWith(u"utf-16");
}

// The encoding named by the declaration at the start of 8-bit bytes.
QString DeclaredEncoding(const QByteArray& bytes)
{
    static const QRegularExpression re(
        QStringLiteral(R"(^\s*<\?xml\s[^>]*?\sencoding\s*=\s*["']([^"']*)["'])"));
    const auto m = re.match(QString::fromLatin1(bytes.left(512)));
    return m.hasMatch() ? m.captured(1) : QString();
}

// The file's bytes as text: a byte-order mark or a UTF-16 start decides,
// then the declared encoding; undeclared bytes that are no valid UTF-8
// read as ANSI rather than being mangled.
QString DecodeXmlBytes(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return DecodeText(bytes);
    if (bytes.startsWith(QByteArray("<\0?\0", 4)))
        return DecodeTextAs(bytes, TEncodingKind::ekUtf16LE);
    if (bytes.startsWith(QByteArray("\0<\0?", 4)))
        return DecodeTextAs(bytes, TEncodingKind::ekUtf16BE);
    const QString declared = DeclaredEncoding(bytes);
    if (IsAnsiEncodingName(declared))
        return AnsiToUtf16(bytes);
    if (declared.isEmpty() && !IsValidUtf8(bytes))
        return AnsiToUtf16(bytes);
    return QString::fromUtf8(bytes);
}

// Saved XML text in Windows-1252. A character the code page lacks becomes
// a character reference where XML allows one (text and attribute values);
// in names, comments, processing instructions and CDATA it becomes "?".
QByteArray EncodeAnsiXml(const QString& text)
{
    QByteArray out = Utf16ToAnsi(text);
    if (AnsiToUtf16(out) == text)
        return out;
    enum { Content, Tag, Quoted, Markup } state = Content;
    QChar quote;
    QString close;
    out.clear();
    const QStringView all(text);
    for (qsizetype i = 0; i < all.size();) {
        const QStringView rest = all.mid(i);
        const QChar c = all[i];
        if (state == Content && c == u'<') {
            const char* opens[][2] = {{"<!--", "-->"}, {"<![CDATA[", "]]>"}, {"<?", "?>"}, {"<!", ">"}};
            state = Tag;
            for (const auto& o : opens)
                if (rest.startsWith(QLatin1String(o[0]))) {
                    out += o[0];
                    i += qsizetype(qstrlen(o[0]));
                    close = QLatin1String(o[1]);
                    state = Markup;
                    break;
                }
            if (state == Markup)
                continue;
        } else if (state == Markup && rest.startsWith(close)) {
            out += close.toLatin1();
            i += close.size();
            state = Content;
            continue;
        } else if (state == Tag && (c == u'"' || c == u'\'')) {
            state = Quoted;
            quote = c;
        } else if (state == Tag && c == u'>') {
            state = Content;
        } else if (state == Quoted && c == quote) {
            state = Tag;
        }
        const qsizetype len = c.isHighSurrogate() && rest.size() > 1 && rest[1].isLowSurrogate() ? 2 : 1;
        const QString ch = rest.left(len).toString();
        const QByteArray b = Utf16ToAnsi(ch);
        if (AnsiToUtf16(b) == ch)
            out += b;
        else if (state == Content || state == Quoted)
            out += "&#" + QByteArray::number(ch.toUcs4().value(0)) + ';';
        else
            out += '?';
        i += len;
    }
    return out;
}

// Number of elements still open at byte Limit of the text: start tags
// begun before it less end tags finished before it. Comments, CDATA,
// processing instructions and declarations do not count.
int OpenElementsAt(const std::string& text, size_t limit)
{
    limit = std::min(limit, text.size());
    int depth = 0;
    size_t i = 0;
    auto startsWith = [&](const char* p) { return text.compare(i, std::strlen(p), p) == 0; };
    // Moves past the end marker; false when it does not end before limit.
    auto skipPast = [&](const char* end) {
        const size_t e = text.find(end, i);
        if (e == std::string::npos || e + std::strlen(end) > limit)
            return false;
        i = e + std::strlen(end);
        return true;
    };
    while (i < limit) {
        if (text[i] != '<') {
            ++i;
            continue;
        }
        if (startsWith("<!--")) {
            if (!skipPast("-->"))
                break;
        } else if (startsWith("<![CDATA[")) {
            if (!skipPast("]]>"))
                break;
        } else if (startsWith("<?")) {
            if (!skipPast("?>"))
                break;
        } else if (startsWith("<!")) {
            if (!skipPast(">"))
                break;
        } else if (startsWith("</")) {
            if (!skipPast(">"))
                break;
            --depth;
        } else {
            // A start tag: open once a character of its name was read.
            if (i + 1 >= limit)
                break;
            size_t j = i + 1;
            char quote = 0;
            for (; j < limit; ++j) {
                const char c = text[j];
                if (quote) {
                    if (c == quote)
                        quote = 0;
                } else if (c == '"' || c == '\'') {
                    quote = c;
                } else if (c == '>') {
                    break;
                }
            }
            if (j >= limit) {
                ++depth;
                break;
            }
            if (text[j - 1] != '/')
                ++depth;
            i = j + 1;
        }
    }
    return std::max(depth, 0);
}

// Leaves what a failed parse built and that was read whole: going down the
// chain of elements still open, the innermost one is dropped when it holds
// no element (its text or attributes may be cut).
// Returns how many of the open elements are kept.
int DropCutElement(pugi::xml_document& doc, int open)
{
    pugi::xml_node parent = doc;
    for (int d = 0; d < open; ++d) {
        pugi::xml_node last;
        for (pugi::xml_node n = parent.last_child(); n; n = n.previous_sibling())
            if (IsElement(n)) {
                last = n;
                break;
            }
        if (!last)
            return d;
        bool holdsElements = false;
        for (pugi::xml_node n = last.first_child(); n && !holdsElements; n = n.next_sibling())
            holdsElements = IsElement(n);
        if (!holdsElements) {
            parent.remove_child(last);
            return d;
        }
        parent = last;
    }
    return open;
}

struct StringWriter : pugi::xml_writer {
    std::string out;
    void write(const void* data, size_t size) override
    {
        out.append(static_cast<const char*>(data), size);
    }
};

// 1-based line and column of a byte offset in UTF-8 text.
void LineAndColumn(const std::string& text, ptrdiff_t offset, int& line, int& column)
{
    line = 1;
    column = 1;
    const ptrdiff_t end = std::min<ptrdiff_t>(offset, ptrdiff_t(text.size()));
    for (ptrdiff_t i = 0; i < end; ++i) {
        const char c = text[size_t(i)];
        if (c == '\n' || (c == '\r' && (i + 1 >= ptrdiff_t(text.size()) || text[size_t(i + 1)] != '\n'))) {
            ++line;
            column = 1;
        } else if ((uchar(c) & 0xC0) != 0x80 && c != '\r') {
            ++column;
        }
    }
}

} // namespace

struct TXMLDocument::TImpl {
    pugi::xml_document doc;
    // The node object of each node handed out so far.
    QHash<NodeStruct*, TXMLNode*> nodes;
    // Every node object ever made; those of removed content stay, detached,
    // so old pointers remain safe.
    std::deque<TXMLNode> pool;
    std::unique_ptr<TXMLNodeList> topLevel;
};

// TXMLNode

TXMLNode::TXMLNode(TKey, TXMLDocument* document, NodeStruct* node) : FDocument(document), FNode(node) {}

TXMLNode::~TXMLNode() = default;

QString TXMLNode::NodeName() const
{
    return FromPugi(pugi::xml_node(FNode).name());
}

QString TXMLNode::Text() const
{
    QString text;
    for (pugi::xml_node child : pugi::xml_node(FNode).children()) {
        if (IsElement(child))
            throw EXMLDocError(QStringLiteral("Element \"%1\" does not contain a single text node").arg(NodeName()));
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            text += FromPugi(child.value());
    }
    return text;
}

void TXMLNode::SetText(const QString& value)
{
    pugi::xml_node node(FNode);
    if (!node)
        return;
    while (pugi::xml_node child = node.first_child()) {
        FDocument->DetachSubtree(child.internal_object());
        node.remove_child(child);
    }
    if (!value.isEmpty())
        node.append_child(pugi::node_pcdata).set_value(ToPugi(value).c_str());
    FDocument->Changed();
}

bool TXMLNode::IsTextElement() const
{
    pugi::xml_node node(FNode);
    if (!IsElement(node))
        return false;
    for (pugi::xml_node child : node.children())
        if (IsElement(child))
            return false;
    return true;
}

QString TXMLNode::Attributes(const QString& name) const
{
    return FromPugi(pugi::xml_node(FNode).attribute(LookupName(name).c_str()).value());
}

bool TXMLNode::HasAttribute(const QString& name) const
{
    return bool(pugi::xml_node(FNode).attribute(LookupName(name).c_str()));
}

void TXMLNode::SetAttribute(const QString& name, const QString& value)
{
    pugi::xml_node node(FNode);
    if (!node)
        return;
    const std::string n = ToPugi(name);
    pugi::xml_attribute attr = node.attribute(n.c_str());
    if (!attr)
        attr = node.append_attribute(n.c_str());
    attr.set_value(ToPugi(value).c_str());
}

int TXMLNode::AttributeCount() const
{
    int count = 0;
    for (pugi::xml_attribute a : pugi::xml_node(FNode).attributes()) {
        (void)a;
        ++count;
    }
    return count;
}

QString TXMLNode::AttributeName(int index) const
{
    int i = 0;
    for (pugi::xml_attribute a : pugi::xml_node(FNode).attributes())
        if (i++ == index)
            return FromPugi(a.name());
    return QString();
}

TXMLNodeList* TXMLNode::ChildNodes()
{
    if (!FChildNodes)
        FChildNodes.reset(new TXMLNodeList(FDocument, this));
    return FChildNodes.get();
}

TXMLNode* TXMLNode::AddChild(const QString& name)
{
    pugi::xml_node child = pugi::xml_node(FNode).append_child(ToPugi(name).c_str());
    FDocument->Changed();
    return FDocument->NodeFor(child.internal_object());
}

TXMLNode* TXMLNode::FindChild(const QString& name)
{
    return ChildNodes()->FindNode(name);
}

TXMLNode* TXMLNode::ParentNode()
{
    pugi::xml_node parent = pugi::xml_node(FNode).parent();
    if (!IsElement(parent))
        return nullptr;
    return FDocument->NodeFor(parent.internal_object());
}

// TXMLNodeList

TXMLNodeList::TXMLNodeList(TXMLDocument* document, TXMLNode* owner) : FDocument(document), FOwner(owner) {}

TXMLNodeList::~TXMLNodeList() = default;

NodeStruct* TXMLNodeList::Parent() const
{
    return FOwner ? FOwner->FNode : FDocument->FImpl->doc.internal_object();
}

void TXMLNodeList::Refresh() const
{
    if (FGeneration == FDocument->FGeneration)
        return;
    FItems.clear();
    for (pugi::xml_node child : pugi::xml_node(Parent()).children())
        if (IsElement(child))
            FItems.push_back(FDocument->NodeFor(child.internal_object()));
    FGeneration = FDocument->FGeneration;
}

int TXMLNodeList::Count() const
{
    Refresh();
    return int(FItems.size());
}

TXMLNode* TXMLNodeList::Nodes(int index) const
{
    Refresh();
    if (index < 0 || index >= int(FItems.size()))
        throw EXMLDocError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return FItems[size_t(index)];
}

TXMLNode* TXMLNodeList::FindNode(const QString& name) const
{
    const int i = IndexOf(name);
    return i < 0 ? nullptr : FItems[size_t(i)];
}

int TXMLNodeList::IndexOf(const QString& name) const
{
    Refresh();
    const std::string n = ToPugi(name);
    for (size_t i = 0; i < FItems.size(); ++i)
        if (n == pugi::xml_node(FItems[i]->FNode).name())
            return int(i);
    return -1;
}

int TXMLNodeList::IndexOf(const TXMLNode* node) const
{
    Refresh();
    if (!node || !node->FNode)
        return -1;
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i] == node)
            return int(i);
    return -1;
}

void TXMLNodeList::Clear()
{
    pugi::xml_node parent(Parent());
    if (!parent)
        return;
    if (!FOwner) {
        FDocument->Clear();
        return;
    }
    while (pugi::xml_node child = parent.first_child()) {
        FDocument->DetachSubtree(child.internal_object());
        parent.remove_child(child);
    }
    FDocument->Changed();
}

// TXMLDocument

TXMLDocument::TXMLDocument(TComponent* owner) : TComponent(owner), FImpl(new TImpl) {}

TXMLDocument::~TXMLDocument() = default;

TXMLNode* TXMLDocument::NodeFor(NodeStruct* node)
{
    TXMLNode*& slot = FImpl->nodes[node];
    if (!slot)
        slot = &FImpl->pool.emplace_back(TXMLNode::TKey(), this, node);
    return slot;
}

void TXMLDocument::DetachSubtree(NodeStruct* node)
{
    pugi::xml_node n(node);
    auto detach = [this](NodeStruct* s) {
        auto it = FImpl->nodes.find(s);
        if (it == FImpl->nodes.end())
            return;
        it.value()->FNode = nullptr;
        FImpl->nodes.erase(it);
    };
    detach(node);
    if (FImpl->nodes.empty())
        return;
    // Walk the descendants without recursion.
    pugi::xml_node cur = n.first_child();
    while (cur && cur != n) {
        detach(cur.internal_object());
        if (cur.first_child()) {
            cur = cur.first_child();
            continue;
        }
        while (cur != n && !cur.next_sibling())
            cur = cur.parent();
        if (cur != n)
            cur = cur.next_sibling();
    }
}

void TXMLDocument::DetachAll()
{
    for (TXMLNode* node : std::as_const(FImpl->nodes))
        node->FNode = nullptr;
    FImpl->nodes.clear();
    Changed();
}

void TXMLDocument::Clear()
{
    FOpenKept = 0;
    DetachAll();
    FImpl->doc.reset();
}

void TXMLDocument::LoadFromFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
    const QByteArray bytes = file.readAll();
    FFileName = fileName;
    Parse(DecodeXmlBytes(bytes), fileName);
}

QString TXMLDocument::LoadPartFromFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        Clear();
        return QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString());
    }
    const QByteArray bytes = file.readAll();
    FFileName = fileName;
    try {
        Parse(DecodeXmlBytes(bytes), fileName, true);
    } catch (const EXMLDocError& E) {
        return E.Message();
    }
    return QString();
}

void TXMLDocument::LoadFromXML(const QString& xml)
{
    Parse(xml, QString());
}

void TXMLDocument::Parse(const QString& text, const QString& origin, bool KeepPart)
{
    Clear();
    const std::string utf8 = text.toStdString();
    const unsigned options = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments | pugi::parse_pi;
    const pugi::xml_parse_result result =
        FImpl->doc.load_buffer(utf8.data(), utf8.size(), options, pugi::encoding_utf8);
    Changed();
    if (result) {
        // Readers usually visit every element; make room for them at once.
        struct Counter : pugi::xml_tree_walker {
            qsizetype count = 0;
            bool for_each(pugi::xml_node& n) override
            {
                count += IsElement(n);
                return true;
            }
        } counter;
        FImpl->doc.traverse(counter);
        FImpl->nodes.reserve(counter.count);
        return;
    }
    if (KeepPart) {
        // An early end is reported at the last byte, which was read.
        const size_t offset = size_t(std::max<ptrdiff_t>(result.offset, 0));
        FOpenKept = DropCutElement(FImpl->doc, OpenElementsAt(utf8, offset + 1 >= utf8.size() ? utf8.size() : offset));
    }
    else
        FImpl->doc.reset();
    Changed();
    int line, column;
    LineAndColumn(utf8, result.offset, line, column);
    const QString where = QStringLiteral("line %1, column %2").arg(line).arg(column);
    const QString reason = QString::fromUtf8(result.description());
    if (origin.isEmpty())
        throw EXMLDocError(QStringLiteral("XML error at %1: %2").arg(where, reason));
    throw EXMLDocError(QStringLiteral("XML error in file \"%1\" at %2: %3").arg(origin, where, reason));
}

QString TXMLDocument::SaveToXML() const
{
    StringWriter writer;
    FImpl->doc.save(writer, "  ", pugi::format_indent | pugi::format_no_declaration, pugi::encoding_utf8);
    QString text = QString::fromStdString(writer.out);
    if (FCRLF)
        text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return text;
}

void TXMLDocument::SaveToFile(const QString& fileName)
{
    const QString text = SaveToXML();
    // The same reading of the declaration as loading uses, so a saved file
    // always loads back in the encoding it was written in.
    const QString encoding = DeclaredEncoding(text.left(512).toUtf8());
    QByteArray bytes;
    if (IsAnsiEncodingName(encoding))
        bytes = EncodeAnsiXml(text);
    else if (IsUtf16EncodingName(encoding))
        bytes = EncodeText(text, TEncodingKind::ekUtf16LE, true);
    else
        bytes = text.toUtf8();
    WriteFileAtomic(fileName, bytes);
    FFileName = fileName;
}

TXMLNode* TXMLDocument::DocumentElement()
{
    return ChildNodes()->First();
}

TXMLNodeList* TXMLDocument::ChildNodes()
{
    if (!FImpl->topLevel)
        FImpl->topLevel.reset(new TXMLNodeList(this, nullptr));
    return FImpl->topLevel.get();
}

TXMLNode* TXMLDocument::AddChild(const QString& name)
{
    if (DocumentElement())
        throw EXMLDocError(QStringLiteral("Only one top level element is allowed in an XML document"));
    pugi::xml_node root = FImpl->doc.append_child(ToPugi(name).c_str());
    Changed();
    return NodeFor(root.internal_object());
}

void TXMLDocument::AddComment(const QString& text)
{
    FImpl->doc.append_child(pugi::node_comment).set_value(ToPugi(text).c_str());
    Changed();
}

void TXMLDocument::SetXMLDeclaration(const QString& encoding)
{
    pugi::xml_document& doc = FImpl->doc;
    for (pugi::xml_node n = doc.first_child(); n;) {
        pugi::xml_node next = n.next_sibling();
        if (n.type() == pugi::node_declaration)
            doc.remove_child(n);
        n = next;
    }
    pugi::xml_node decl = doc.prepend_child(pugi::node_declaration);
    decl.append_attribute("version").set_value("1.0");
    if (!encoding.isEmpty())
        decl.append_attribute("encoding").set_value(ToPugi(encoding).c_str());
    Changed();
}

bool TXMLDocument::HasXMLDeclaration() const
{
    for (pugi::xml_node n : FImpl->doc.children())
        if (n.type() == pugi::node_declaration)
            return true;
    return false;
}

QString TXMLDocument::Encoding() const
{
    for (pugi::xml_node n : FImpl->doc.children())
        if (n.type() == pugi::node_declaration)
            return FromPugi(n.attribute("encoding").value());
    return QString();
}
