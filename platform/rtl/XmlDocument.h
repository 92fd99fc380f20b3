#pragma once
// An XML document object model in the framework's shape.
//
// The document owns every node object it hands out; a node pointer stays
// valid as long as the document lives. Note: after Clear or a new load a
// node of the old content is detached: it reads as an empty node without
// name, text, attributes or children, and changes to it go nowhere.
//
// Child lists hold elements only; comments, processing instructions and
// the declaration are skipped. Text is never trimmed.
#include "platform/rtl/Object.h"
#include <QString>
#include <memory>
#include <vector>

class TXMLDocument;
class TXMLNodeList;

namespace pugi { struct xml_node_struct; }

class TXMLNode {
    struct TKey {
        explicit TKey() = default;
    };

public:
    // Made by the document only (the key is private to it).
    TXMLNode(TKey, TXMLDocument* document, pugi::xml_node_struct* node);
    ~TXMLNode();
    TXMLNode(const TXMLNode&) = delete;
    TXMLNode& operator=(const TXMLNode&) = delete;

    QString NodeName() const;
    // The text of a plain text element: its text and CDATA children joined.
    // Raises EXMLDocError when the element has child elements.
    QString Text() const;
    // Replaces the element's children by one text node ("" leaves none).
    void SetText(const QString& value);
    // True when the element has no child elements (an empty one included).
    bool IsTextElement() const;

    // The attribute's value, "" when it is missing.
    QString Attributes(const QString& name) const;
    bool HasAttribute(const QString& name) const;
    // Sets or adds an attribute; new attributes come after the older ones.
    void SetAttribute(const QString& name, const QString& value);
    // The attribute names in document order.
    int AttributeCount() const;
    QString AttributeName(int index) const;

    // The element children.
    TXMLNodeList* ChildNodes();
    // Appends a new child element and returns it.
    TXMLNode* AddChild(const QString& name);
    // The first child element of that name (exact case), nullptr when none.
    TXMLNode* FindChild(const QString& name);
    // The parent element, nullptr for the document element.
    TXMLNode* ParentNode();
    TXMLDocument* OwnerDocument() const { return FDocument; }

private:
    friend class TXMLDocument;
    friend class TXMLNodeList;

    TXMLDocument* FDocument;
    pugi::xml_node_struct* FNode;
    std::unique_ptr<TXMLNodeList> FChildNodes;
};

// The element children of a node (or the top-level elements of a document),
// read live from the tree.
class TXMLNodeList {
public:
    ~TXMLNodeList();
    TXMLNodeList(const TXMLNodeList&) = delete;
    TXMLNodeList& operator=(const TXMLNodeList&) = delete;

    int Count() const;
    // Raises EXMLDocError "List index out of bounds (N)" outside 0..Count-1.
    TXMLNode* Nodes(int index) const;
    TXMLNode* operator[](int index) const { return Nodes(index); }
    // The first element of that name (exact case), nullptr when none.
    TXMLNode* FindNode(const QString& name) const;
    // Position of the first element of that name, -1 when none.
    int IndexOf(const QString& name) const;
    int IndexOf(const TXMLNode* node) const;
    // Removes every child node (comments and text included).
    void Clear();
    TXMLNode* First() const { return Count() ? Nodes(0) : nullptr; }

private:
    friend class TXMLNode;
    friend class TXMLDocument;
    // owner nullptr: the top level of the document.
    TXMLNodeList(TXMLDocument* document, TXMLNode* owner);
    pugi::xml_node_struct* Parent() const;
    void Refresh() const;

    TXMLDocument* FDocument;
    TXMLNode* FOwner;
    mutable std::vector<TXMLNode*> FItems;
    mutable unsigned FGeneration = ~0u;
};

class TXMLDocument : public TComponent {
public:
    explicit TXMLDocument(TComponent* owner = nullptr);
    ~TXMLDocument() override;

    // Kept for the framework's shape: a document is always usable.
    bool Active() const { return FActive; }
    void SetActive(bool value) { FActive = value; }
    // The file last loaded or saved.
    const QString& FileName() const { return FFileName; }
    void SetFileName(const QString& value) { FFileName = value; }

    // Loading replaces the whole content. A file that cannot be read raises
    // EFOpenError; a parse error raises EXMLDocError naming the file, the
    // line and column and the parser's message; the content is then empty.
    // Note: UTF-8 and UTF-16 are recognised by their byte-order mark or the
    // declaration; a declared "windows-1252" or "ISO-8859-1" reads as ANSI.
    void LoadFromFile(const QString& fileName);
    void LoadFromXML(const QString& xml);
    // Loads what can be read of a damaged file and returns the message
    // LoadFromFile would raise ("" when the file was read whole). After a
    // parse error the document keeps the elements completed before it and
    // the still open elements that hold some of them; an element cut off
    // by the error is dropped with its text. A file that cannot be opened
    // leaves the document empty.
    QString LoadPartFromFile(const QString& fileName);
    // After LoadPartFromFile met damage: how many of the kept elements were
    // still open there. They are the last element at each level from the
    // top, so a reader can tell a cut-off group from a whole one. 0 after a
    // whole read and after Clear.
    int OpenElementsKept() const { return FOpenKept; }

    // Writes the document with two blanks of indentation per level, each
    // element on a line of its own, through the atomic write. The bytes
    // are UTF-8 unless the declaration names windows-1252 or ISO-8859-1
    // (ANSI) or UTF-16 (little-endian with its mark).
    // Note: in ANSI, characters the code page lacks are written as character
    // references in text and attribute values, as "?" elsewhere.
    void SaveToFile(const QString& fileName);
    void SaveToFile() { SaveToFile(FFileName); }
    QString SaveToXML() const;
    // Lines end in CR LF instead of LF when set.
    bool CRLFLineBreaks() const { return FCRLF; }
    void SetCRLFLineBreaks(bool value) { FCRLF = value; }

    // The first element at top level; nullptr when there is none.
    TXMLNode* DocumentElement();
    // The top-level elements (in a well-formed document just the root).
    TXMLNodeList* ChildNodes();
    // Adds the root element after the existing top-level nodes;
    // raises EXMLDocError when the document already has one.
    TXMLNode* AddChild(const QString& name);
    TXMLNode* CreateDocumentElement(const QString& name) { return AddChild(name); }
    // Appends a comment at top level, after everything already there.
    void AddComment(const QString& text);
    // Removes every node, the declaration included.
    void Clear();

    // The XML declaration, written first: version "1.0" and the encoding
    // given (none when empty). Removed by Clear.
    void SetXMLDeclaration(const QString& encoding = QStringLiteral("UTF-8"));
    bool HasXMLDeclaration() const;
    // The declared encoding, "" when there is no declaration or none named.
    QString Encoding() const;

private:
    friend class TXMLNode;
    friend class TXMLNodeList;
    struct TImpl;

    TXMLNode* NodeFor(pugi::xml_node_struct* node);
    void Changed() { ++FGeneration; }
    // Cuts node objects loose from content about to be removed.
    void DetachSubtree(pugi::xml_node_struct* node);
    void DetachAll();
    // KeepPart: after a parse error keep what was read (see LoadPartFromFile).
    void Parse(const QString& text, const QString& origin, bool KeepPart = false);

    std::unique_ptr<TImpl> FImpl;
    QString FFileName;
    bool FActive = false;
    bool FCRLF = false;
    int FOpenKept = 0;
    unsigned FGeneration = 0;
};
