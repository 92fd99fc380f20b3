#include "platform/services/office/OfficePackage.h"

#include "platform/services/office/Automation.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <zip.h>

namespace Automation::Detail {

TFileKind SniffFile(const QString& path, QByteArray* content)
{
    QFile f(path);
    if (!QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly))
        return TFileKind::Missing;
    QByteArray data = content ? f.readAll() : f.read(32);
    if (content)
        *content = data;
    if (data.startsWith("PK\x03\x04") || data.startsWith("PK\x05\x06"))
        return TFileKind::Zip;
    if (data.startsWith(QByteArray::fromHex("D0CF11E0A1B11AE1")))
        return TFileKind::Ole2;
    if (data.size() >= 19 && data.startsWith(QByteArray("\x00\x01\x00\x00", 4))
        && (data.mid(4, 15) == "Standard Jet DB" || data.mid(4, 15) == "Standard ACE DB"))
        return TFileKind::Jet;
    return TFileKind::Other;
}

namespace {

zip_t* OpenZip(const QByteArray& data, const QString& what)
{
    zip_error_t err;
    zip_error_init(&err);
    zip_source_t* src = zip_source_buffer_create(data.constData(), zip_uint64_t(data.size()), 0, &err);
    zip_t* za = src ? zip_open_from_source(src, ZIP_RDONLY | ZIP_CHECKCONS, &err) : nullptr;
    if (!za) {
        if (src)
            zip_source_free(src);
        QString reason = QString::fromUtf8(zip_error_strerror(&err));
        zip_error_fini(&err);
        throw EOleException(QStringLiteral("%1 is no valid package (%2)").arg(what, reason));
    }
    zip_error_fini(&err);
    return za;
}

// Collects what a write archive over an empty memory buffer produced.
class TMemoryZip {
public:
    TMemoryZip()
    {
        zip_error_init(&FErr);
        FSrc = zip_source_buffer_create(nullptr, 0, 0, &FErr);
        if (FSrc) {
            zip_source_keep(FSrc);
            FZip = zip_open_from_source(FSrc, ZIP_TRUNCATE, &FErr);
        }
        if (!FZip)
            Fail();
    }
    ~TMemoryZip()
    {
        if (FZip)
            zip_discard(FZip);
        if (FSrc)
            zip_source_free(FSrc);
        zip_error_fini(&FErr);
    }
    zip_t* Zip() const { return FZip; }

    void Add(const QString& name, const QByteArray& data)
    {
        // The archive reads the buffer at close time: keep a copy alive.
        FKeep.append(data);
        const QByteArray& kept = FKeep.last();
        zip_source_t* s = zip_source_buffer(FZip, kept.constData(), zip_uint64_t(kept.size()), 0);
        if (!s)
            Fail(FZip);
        zip_int64_t idx = zip_file_add(FZip, name.toUtf8().constData(), s, ZIP_FL_ENC_UTF_8);
        if (idx < 0) {
            zip_source_free(s);
            Fail(FZip);
        }
        zip_set_file_compression(FZip, zip_uint64_t(idx), ZIP_CM_DEFLATE, 0);
    }

    void Copy(zip_t* from, zip_uint64_t index, const char* name)
    {
        zip_source_t* s = zip_source_zip(FZip, from, index, ZIP_FL_COMPRESSED, 0, -1);
        if (!s)
            Fail(FZip);
        if (zip_file_add(FZip, name, s, ZIP_FL_ENC_GUESS) < 0) {
            zip_source_free(s);
            Fail(FZip);
        }
    }

    QByteArray Finish()
    {
        if (zip_close(FZip) < 0)
            Fail(FZip);
        FZip = nullptr;
        QByteArray out;
        if (zip_source_open(FSrc) < 0)
            Fail();
        zip_source_seek(FSrc, 0, SEEK_END);
        zip_int64_t size = zip_source_tell(FSrc);
        zip_source_seek(FSrc, 0, SEEK_SET);
        out.resize(qsizetype(size));
        zip_int64_t got = size > 0 ? zip_source_read(FSrc, out.data(), zip_uint64_t(size)) : 0;
        zip_source_close(FSrc);
        if (got != size)
            Fail();
        return out;
    }

private:
    [[noreturn]] void Fail(zip_t* za = nullptr)
    {
        QString reason = za ? QString::fromUtf8(zip_strerror(za))
                            : QString::fromUtf8(zip_error_strerror(&FErr));
        throw EOleException(QStringLiteral("The package could not be written (%1)").arg(reason));
    }

    zip_error_t FErr;
    zip_source_t* FSrc = nullptr;
    zip_t* FZip = nullptr;
    QList<QByteArray> FKeep;
};

} // namespace

TZipPackage::TZipPackage(const QByteArray& data, const QString& what)
    : FData(data), FWhat(what)
{
    FZip = OpenZip(FData, what);
}

TZipPackage::~TZipPackage()
{
    if (FZip)
        zip_discard(static_cast<zip_t*>(FZip));
}

bool TZipPackage::Has(const QString& name) const
{
    return zip_name_locate(static_cast<zip_t*>(FZip), name.toUtf8().constData(), 0) >= 0;
}

QByteArray TZipPackage::Read(const QString& name) const
{
    zip_t* za = static_cast<zip_t*>(FZip);
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat(za, name.toUtf8().constData(), 0, &st) < 0 || !(st.valid & ZIP_STAT_SIZE))
        throw EOleException(QStringLiteral("%1 has no part \"%2\"").arg(FWhat, name));
    // A part over 512 MiB is taken as damage.
    if (st.size > (zip_uint64_t(1) << 29))
        throw EOleException(QStringLiteral("%1: part \"%2\" is too large").arg(FWhat, name));
    zip_file_t* zf = zip_fopen(za, name.toUtf8().constData(), 0);
    if (!zf)
        throw EOleException(QStringLiteral("%1: part \"%2\" cannot be read").arg(FWhat, name));
    QByteArray out(qsizetype(st.size), Qt::Uninitialized);
    zip_int64_t got = st.size ? zip_fread(zf, out.data(), st.size) : 0;
    zip_fclose(zf);
    if (got < 0 || zip_uint64_t(got) != st.size)
        throw EOleException(QStringLiteral("%1: part \"%2\" is damaged").arg(FWhat, name));
    return out;
}

QStringList TZipPackage::Names() const
{
    zip_t* za = static_cast<zip_t*>(FZip);
    QStringList names;
    zip_int64_t n = zip_get_num_entries(za, 0);
    for (zip_int64_t i = 0; i < n; ++i)
        if (const char* name = zip_get_name(za, zip_uint64_t(i), ZIP_FL_ENC_GUESS))
            names << QString::fromUtf8(name);
    return names;
}

QByteArray TZipPackage::Rewrite(const QMap<QString, QByteArray>& replaced,
                                const QStringList& dropped,
                                const QList<QPair<QString, QByteArray>>& added) const
{
    zip_t* za = static_cast<zip_t*>(FZip);
    TMemoryZip out;
    zip_int64_t n = zip_get_num_entries(za, 0);
    for (zip_int64_t i = 0; i < n; ++i) {
        const char* raw = zip_get_name(za, zip_uint64_t(i), ZIP_FL_ENC_RAW);
        if (!raw)
            continue;
        QString name = QString::fromUtf8(zip_get_name(za, zip_uint64_t(i), ZIP_FL_ENC_GUESS));
        if (dropped.contains(name))
            continue;
        auto it = replaced.find(name);
        if (it != replaced.end())
            out.Add(name, it.value());
        else
            out.Copy(za, zip_uint64_t(i), raw);
    }
    for (const auto& part : added)
        out.Add(part.first, part.second);
    return out.Finish();
}

QByteArray WriteZip(const QList<QPair<QString, QByteArray>>& parts)
{
    TMemoryZip out;
    for (const auto& part : parts)
        out.Add(part.first, part.second);
    return out.Finish();
}

QString RelsPartOf(const QString& part)
{
    int slash = part.lastIndexOf(u'/');
    QString dir = slash < 0 ? QString() : part.left(slash + 1);
    return dir + QStringLiteral("_rels/") + part.mid(slash + 1) + QStringLiteral(".rels");
}

QString ResolveTarget(const QString& sourcePart, const QString& target)
{
    if (target.startsWith(u'/'))
        return target.mid(1);
    int slash = sourcePart.lastIndexOf(u'/');
    QStringList parts = slash < 0 ? QStringList() : sourcePart.left(slash).split(u'/');
    for (const QString& piece : target.split(u'/')) {
        if (piece == QLatin1String(".."))
        {
            if (!parts.isEmpty())
                parts.removeLast();
        } else if (piece != QLatin1String(".") && !piece.isEmpty()) {
            parts << piece;
        }
    }
    return parts.join(u'/');
}

QString MainPart(const TZipPackage& zip, const QString& fallback)
{
    if (!zip.Has(QStringLiteral("_rels/.rels")))
        return fallback;
    QByteArray rels = zip.Read(QStringLiteral("_rels/.rels"));
    pugi::xml_document doc;
    if (!doc.load_buffer(rels.constData(), size_t(rels.size())))
        return fallback;
    for (pugi::xml_node rel : doc.document_element().children()) {
        QString type = QString::fromUtf8(rel.attribute("Type").value());
        if (type.endsWith(QLatin1String("/officeDocument")))
            return ResolveTarget(QString(), QString::fromUtf8(rel.attribute("Target").value()));
    }
    return fallback;
}

static bool IsHex4(const QString& s, qsizetype at)
{
    if (at + 6 >= s.size())
        return false;
    for (int k = 2; k < 6; ++k) {
        QChar c = s.at(at + k);
        if (!(c.isDigit() || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F')))
            return false;
    }
    return s.at(at + 6) == u'_';
}

QString EscapeOoxmlText(const QString& s)
{
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        QChar c = s.at(i);
        ushort u = c.unicode();
        bool bad = (u < 0x20 && u != 9 && u != 10 && u != 13) || u == 0xFFFE || u == 0xFFFF;
        if (bad)
            out += QStringLiteral("_x") + QStringLiteral("%1").arg(u, 4, 16, QLatin1Char('0')).toUpper() + u'_';
        else if (c == u'_' && i + 1 < s.size() && s.at(i + 1) == u'x' && IsHex4(s, i))
            out += QStringLiteral("_x005F_");
        else
            out += c;
    }
    return out;
}

QString UnescapeOoxmlText(const QString& s)
{
    if (!s.contains(QLatin1String("_x")))
        return s;
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s.at(i) == u'_' && i + 1 < s.size() && s.at(i + 1) == u'x' && IsHex4(s, i)) {
            out += QChar(char16_t(s.mid(i + 2, 4).toUShort(nullptr, 16)));
            i += 6;
        } else {
            out += s.at(i);
        }
    }
    return out;
}

QByteArray SerializeXml(const pugi::xml_document& doc)
{
    struct TWriter : pugi::xml_writer {
        QByteArray Out;
        void write(const void* data, size_t size) override
        {
            Out.append(static_cast<const char*>(data), qsizetype(size));
        }
    } w;
    doc.save(w, "", pugi::format_raw, pugi::encoding_utf8);
    return w.Out;
}

const char* LocalName(const char* name)
{
    const char* colon = std::strchr(name, ':');
    return colon ? colon + 1 : name;
}

pugi::xml_node ChildElement(pugi::xml_node node, const char* local)
{
    for (pugi::xml_node c : node.children())
        if (c.type() == pugi::node_element && std::strcmp(LocalName(c.name()), local) == 0)
            return c;
    return {};
}

QString LowerExt(const QString& fileName)
{
    QString name = fileName.mid(fileName.lastIndexOf(u'/') + 1);
    int dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot + 1).toLower();
}

} // namespace Automation::Detail
