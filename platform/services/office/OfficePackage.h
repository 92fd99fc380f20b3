#pragma once
// What the automation backends share: file sniffing, zip packages in
// memory, part names and the OOXML text escapes. Not for use outside
// platform/services/office.
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>
#include <memory>
#include <pugixml.hpp>

namespace Automation::Detail {

enum class TFileKind { Missing, Zip, Ole2, Jet, Other };
// Reads the file whole into content (when given) and tells its kind by
// its first bytes.
TFileKind SniffFile(const QString& path, QByteArray* content = nullptr);

// A zip package read from memory.
class TZipPackage {
public:
    // Raises EOleException naming what when the data is no zip.
    TZipPackage(const QByteArray& data, const QString& what);
    ~TZipPackage();
    bool Has(const QString& name) const;
    // Raises EOleException when the part is missing or damaged.
    QByteArray Read(const QString& name) const;
    QStringList Names() const;

    // A new package: every part of this one in its order, copied as it is
    // stored, except those replaced (written anew) and dropped; added
    // parts follow in their order.
    QByteArray Rewrite(const QMap<QString, QByteArray>& replaced,
                       const QStringList& dropped,
                       const QList<QPair<QString, QByteArray>>& added) const;

private:
    QByteArray FData;
    void* FZip = nullptr;
    QString FWhat;
};

// A package made of the given parts, in their order.
QByteArray WriteZip(const QList<QPair<QString, QByteArray>>& parts);

// The main part a package's relationships name ("officeDocument"), without
// a leading "/"; fallback when the package names none.
QString MainPart(const TZipPackage& zip, const QString& fallback);
// The relationships part of a part: "xl/workbook.xml" ->
// "xl/_rels/workbook.xml.rels".
QString RelsPartOf(const QString& part);
// A relationship target resolved against the folder of its source part.
QString ResolveTarget(const QString& sourcePart, const QString& target);

// OOXML text: characters XML cannot carry are written "_xHHHH_" (and a
// literal "_x" that would read as such an escape is protected).
QString EscapeOoxmlText(const QString& s);
QString UnescapeOoxmlText(const QString& s);

// XML parts: a document as UTF-8 bytes without indentation, an element's
// name without its prefix, and its first child element of a local name.
QByteArray SerializeXml(const pugi::xml_document& doc);
const char* LocalName(const char* name);
pugi::xml_node ChildElement(pugi::xml_node node, const char* local);

// The lower-case extension of a file name, without the dot.
QString LowerExt(const QString& fileName);

} // namespace Automation::Detail
