#include "platform/services/Clipboard.h"

#include "platform/rtl/CodePages.h"
#include "platform/services/qt/MimeFormats.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHash>
#include <QMimeData>
#include <QUrl>

namespace {

struct TClipFormatTable {
    QHash<QString, unsigned> Ids; // by lower-case name
    QList<QString> Names;         // index = id - 0xC000
};

TClipFormatTable& ClipFormats()
{
    static TClipFormatTable table;
    return table;
}

constexpr unsigned FirstRegistered = 0xC000;

} // namespace

unsigned RegisterClipboardFormat(const QString& Name)
{
    if (Name.isEmpty())
        return 0;
    TClipFormatTable& t = ClipFormats();
    const QString key = Name.toLower();
    auto it = t.Ids.find(key);
    if (it != t.Ids.end())
        return *it;
    const unsigned id = FirstRegistered + unsigned(t.Names.size());
    t.Names << Name;
    t.Ids.insert(key, id);
    return id;
}

QString GetClipboardFormatName(unsigned Format)
{
    const TClipFormatTable& t = ClipFormats();
    if (Format < FirstRegistered || Format - FirstRegistered >= unsigned(t.Names.size()))
        return QString();
    return t.Names[qsizetype(Format - FirstRegistered)];
}

QString ClipboardFormatMimeType(unsigned Format)
{
    switch (Format) {
    case CF_TEXT:
    case CF_UNICODETEXT:
        return QStringLiteral("text/plain");
    case CF_HDROP:
        return QStringLiteral("text/uri-list");
    default:
        break;
    }
    const QString name = GetClipboardFormatName(Format);
    if (name.isEmpty())
        return QString();
    if (name.compare(QLatin1String("Rich Text Format"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("text/rtf");
    if (name.compare(QLatin1String("HTML Format"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("text/html");
    return QStringLiteral("application/x-") + name;
}

bool MimeHasFormat(const QMimeData* Mime, unsigned Format)
{
    if (!Mime)
        return false;
    switch (Format) {
    case CF_TEXT:
    case CF_UNICODETEXT:
        return Mime->hasText();
    case CF_HDROP:
        for (const QUrl& url : Mime->urls())
            if (url.isLocalFile())
                return true;
        return false;
    default: {
        const QString type = ClipboardFormatMimeType(Format);
        return !type.isEmpty() && Mime->hasFormat(type);
    }
    }
}

QByteArray MimeGetFormat(const QMimeData* Mime, unsigned Format)
{
    if (!MimeHasFormat(Mime, Format))
        return QByteArray();
    switch (Format) {
    case CF_TEXT:
        return Utf16ToAnsi(Mime->text());
    case CF_UNICODETEXT: {
        const QString text = Mime->text();
        QByteArray bytes;
        bytes.reserve(text.size() * 2);
        for (QChar c : text) {
            bytes += char(c.unicode() & 0xFF);
            bytes += char(c.unicode() >> 8);
        }
        return bytes;
    }
    case CF_HDROP: {
        QStringList lines;
        for (const QUrl& url : Mime->urls())
            if (url.isLocalFile())
                lines << url.toLocalFile();
        return lines.join(u'\n').toUtf8();
    }
    default:
        return Mime->data(ClipboardFormatMimeType(Format));
    }
}

void MimeSetFormat(QMimeData* Mime, unsigned Format, const QByteArray& Data)
{
    switch (Format) {
    case CF_TEXT:
        Mime->setText(AnsiToUtf16(Data));
        return;
    case CF_UNICODETEXT: {
        QString text;
        text.reserve(Data.size() / 2);
        for (qsizetype i = 0; i + 1 < Data.size(); i += 2)
            text += QChar(char16_t(uchar(Data[i]) | uchar(Data[i + 1]) << 8));
        Mime->setText(text);
        return;
    }
    case CF_HDROP: {
        QList<QUrl> urls;
        for (const QString& line : QString::fromUtf8(Data).split(u'\n', Qt::SkipEmptyParts))
            urls << QUrl::fromLocalFile(line);
        for (const QUrl& url : Mime->urls())
            if (!url.isLocalFile())
                urls << url;
        Mime->setUrls(urls);
        return;
    }
    default: {
        const QString type = ClipboardFormatMimeType(Format);
        if (!type.isEmpty())
            Mime->setData(type, Data);
    }
    }
}

// TClipboard

struct TClipboard::TData {
    int OpenCount = 0;
    // The content being built while open; nullptr until the first format
    // is set after Open.
    QMimeData* Pending = nullptr;

    const QMimeData* Current() const
    {
        if (Pending)
            return Pending;
        return QGuiApplication::clipboard() ? QGuiApplication::clipboard()->mimeData() : nullptr;
    }

    QMimeData* Building()
    {
        if (!Pending)
            Pending = new QMimeData;
        return Pending;
    }
};

TClipboard::TClipboard() : FData(std::make_unique<TData>()) {}

TClipboard::~TClipboard()
{
    delete FData->Pending;
}

void TClipboard::Open()
{
    ++FData->OpenCount;
}

void TClipboard::Close()
{
    if (FData->OpenCount == 0 || --FData->OpenCount > 0)
        return;
    QMimeData* mime = FData->Pending;
    FData->Pending = nullptr;
    if (!mime)
        return;
    if (QClipboard* cb = QGuiApplication::clipboard())
        cb->setMimeData(mime); // takes ownership
    else
        delete mime;
}

void TClipboard::Clear()
{
    Open();
    delete FData->Pending;
    FData->Pending = new QMimeData;
    Close();
}

bool TClipboard::HasFormat(unsigned Format) const
{
    return MimeHasFormat(FData->Current(), Format);
}

QString TClipboard::AsText() const
{
    const QMimeData* mime = FData->Current();
    return mime && mime->hasText() ? mime->text() : QString();
}

void TClipboard::SetAsText(const QString& Value)
{
    Open();
    FData->Building()->setText(Value);
    Close();
}

QByteArray TClipboard::GetAsHandle(unsigned Format) const
{
    return MimeGetFormat(FData->Current(), Format);
}

void TClipboard::SetAsHandle(unsigned Format, const QByteArray& Data)
{
    Open();
    MimeSetFormat(FData->Building(), Format, Data);
    Close();
}

TClipboard* Clipboard()
{
    static TClipboard clipboard;
    return &clipboard;
}
