#include "platform/graphics/Picture.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Jpeg.h"
#include "platform/graphics/Metafile.h"
#include "platform/graphics/RasterImage.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"
#include <QFileInfo>
#include <vector>

namespace {

struct FileFormat {
    QString Extension; // lower case, no dot
    QString Description;
    TGraphicFactory Factory;
};

std::vector<FileFormat>& Formats()
{
    static std::vector<FileFormat> formats = {
        {QStringLiteral("bmp"), QStringLiteral("Bitmaps"), [] { return new TBitmap; }},
        {QStringLiteral("png"), QStringLiteral("Portable Network Graphics"), [] { return new TPngImage; }},
        {QStringLiteral("gif"), QStringLiteral("GIF Image"), [] { return new TGIFImage; }},
        {QStringLiteral("ico"), QStringLiteral("Icons"), [] { return new TIcon; }},
        {QStringLiteral("jpg"), QStringLiteral("JPEG Image File"), [] { return new TJPEGImage; }},
        {QStringLiteral("jpeg"), QStringLiteral("JPEG Image File"), [] { return new TJPEGImage; }},
        {QStringLiteral("jpe"), QStringLiteral("JPEG Image File"), [] { return new TJPEGImage; }},
        {QStringLiteral("jfif"), QStringLiteral("JPEG Image File"), [] { return new TJPEGImage; }},
    };
    return formats;
}

const FileFormat* FindFormat(const QString& Extension)
{
    QString ext = Extension.toLower();
    if (ext.startsWith(QLatin1Char('.')))
        ext.remove(0, 1);
    for (const FileFormat& f : Formats())
        if (f.Extension == ext)
            return &f;
    return nullptr;
}

// A new, empty graphic of the same class as G.
TGraphic* NewLike(const TGraphic* G)
{
    if (dynamic_cast<const TJPEGImage*>(G))
        return new TJPEGImage;
    if (dynamic_cast<const TPngImage*>(G))
        return new TPngImage;
    if (dynamic_cast<const TGIFImage*>(G))
        return new TGIFImage;
    if (dynamic_cast<const TIcon*>(G))
        return new TIcon;
    if (dynamic_cast<const TMetafile*>(G))
        return new TMetafile;
    return new TBitmap;
}

// The format of encoded bytes, from their signature.
QString SniffExtension(const QByteArray& Data)
{
    if (Data.startsWith("BM"))
        return QStringLiteral("bmp");
    if (Data.startsWith("\x89PNG"))
        return QStringLiteral("png");
    if (Data.startsWith("GIF8"))
        return QStringLiteral("gif");
    if (Data.startsWith("\xFF\xD8"))
        return QStringLiteral("jpg");
    if (Data.startsWith(QByteArray("\0\0\1\0", 4)))
        return QStringLiteral("ico");
    return QString();
}

} // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TPicture::Assign(TPersistent* Source)
{
    if (!Source) {
        SetGraphic(nullptr);
        return;
    }
    if (auto* p = dynamic_cast<TPicture*>(Source)) {
        SetGraphic(p->Graphic());
        return;
    }
    if (auto* g = dynamic_cast<TGraphic*>(Source)) {
        SetGraphic(g);
        return;
    }
    TPersistent::Assign(Source);
}

void TPicture::SetGraphic(TGraphic* Value)
{
    if (!Value) {
        FGraphic.reset();
    } else if (Value != FGraphic.get()) {
        std::unique_ptr<TGraphic> copy(NewLike(Value));
        copy->Assign(Value);
        FGraphic = std::move(copy);
    }
    Changed();
}

TBitmap* TPicture::Bitmap()
{
    if (!dynamic_cast<TBitmap*>(FGraphic.get())) {
        FGraphic = std::make_unique<TBitmap>();
        Changed();
    }
    return static_cast<TBitmap*>(FGraphic.get());
}

TIcon* TPicture::Icon()
{
    if (!dynamic_cast<TIcon*>(FGraphic.get())) {
        FGraphic = std::make_unique<TIcon>();
        Changed();
    }
    return static_cast<TIcon*>(FGraphic.get());
}

int TPicture::Width() const
{
    return FGraphic ? FGraphic->Width() : 0;
}

int TPicture::Height() const
{
    return FGraphic ? FGraphic->Height() : 0;
}

void TPicture::LoadFromFile(const QString& FileName)
{
    const QString ext = QFileInfo(FileName).suffix();
    const FileFormat* format = FindFormat(ext);
    if (!format)
        throw EInvalidGraphic(QStringLiteral("Unknown picture file extension (.%1)").arg(ext));
    Take(std::unique_ptr<TGraphic>(format->Factory()), [&](TGraphic* g) { g->LoadFromFile(FileName); });
}

void TPicture::Take(std::unique_ptr<TGraphic> Graphic, const std::function<void(TGraphic*)>& Load)
{
    try {
        Load(Graphic.get());
    } catch (...) {
        FGraphic.reset();
        Changed();
        throw;
    }
    FGraphic = std::move(Graphic);
    Changed();
}

void TPicture::SaveToFile(const QString& FileName)
{
    if (FGraphic)
        FGraphic->SaveToFile(FileName);
}

void TPicture::LoadFromStream(TStream* Stream)
{
    const QByteArray data = Stream->ReadAll();
    const FileFormat* format = FindFormat(SniffExtension(data));
    if (!format) {
        FGraphic.reset();
        Changed();
        throw EInvalidGraphic(QStringLiteral("Unsupported stream format"));
    }
    Take(std::unique_ptr<TGraphic>(format->Factory()), [&](TGraphic* g) { g->LoadFromBytes(data); });
}

void TPicture::SaveToStream(TStream* Stream)
{
    if (FGraphic)
        FGraphic->SaveToStream(Stream);
}

void TPicture::RegisterFileFormat(const QString& Extension, const QString& Description, TGraphicFactory Factory)
{
    UnregisterFileFormat(Extension);
    Formats().push_back({Extension.toLower(), Description, std::move(Factory)});
}

void TPicture::UnregisterFileFormat(const QString& Extension)
{
    auto& formats = Formats();
    const QString ext = Extension.toLower();
    std::erase_if(formats, [&ext](const FileFormat& f) { return f.Extension == ext; });
}

bool TPicture::SupportsExtension(const QString& Extension)
{
    return FindFormat(Extension) != nullptr;
}

QStringList TPicture::RegisteredExtensions()
{
    QStringList out;
    for (const FileFormat& f : Formats())
        out << f.Extension;
    return out;
}

QString TPicture::GraphicFilter()
{
    QStringList all;
    QStringList parts;
    for (const FileFormat& f : Formats()) {
        const QString mask = QStringLiteral("*.") + f.Extension;
        all << mask;
        parts << QStringLiteral("%1 (%2)|%2").arg(f.Description, mask);
    }
    const QString masks = all.join(QLatin1Char(';'));
    return QStringLiteral("All (%1)|%1|").arg(masks) + parts.join(QLatin1Char('|'));
}
