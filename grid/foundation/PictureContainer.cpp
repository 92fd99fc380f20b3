#include "grid/foundation/PictureContainer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Picture.h"
#include "platform/graphics/RasterImage.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"
#include <QFile>
#include <cstring>

namespace {

// GIF layout: a frame starts at a graphic control extension (0x21 0xF9 0x04)
// whose image descriptor (0x2C) follows 8 bytes after the 0x21.
constexpr int kDescriptorOffset = 8;
// The descriptor's position and size end 16 bytes after the 0x21; its
// packed byte follows.
constexpr int kDescriptorEnd = 17;

struct GifBytes {
    const unsigned char* Data;
    qsizetype Size;

    explicit GifBytes(const QByteArray& Bytes)
        : Data(reinterpret_cast<const unsigned char*>(Bytes.constData())), Size(Bytes.size())
    {
    }
    int Byte(qsizetype i) const { return i >= 0 && i < Size ? Data[i] : -1; }
    int Word(qsizetype i) const { return Byte(i) < 0 || Byte(i + 1) < 0 ? 0 : Byte(i) | (Byte(i + 1) << 8); }
    // A frame starts at i when MinFollowing more bytes follow the 0x21.
    bool FrameAt(qsizetype i, int MinFollowing) const
    {
        return i + MinFollowing < Size && Data[i] == 0x21 && Data[i + 1] == 0xF9 && Data[i + 2] == 0x04 &&
               Data[i + kDescriptorOffset] == 0x2C;
    }
    // Offset of frame N (1-based), -1 when there is none.
    qsizetype FrameStart(int N, int MinFollowing) const
    {
        int count = 0;
        for (qsizetype i = 0; i < Size; ++i)
            if (FrameAt(i, MinFollowing) && ++count == N)
                return i;
        return -1;
    }
};

bool StartsAsGif(const QByteArray& Data)
{
    return Data.size() >= 5 && Data.startsWith("GIF8");
}

// The part of Source inside R as a 32-bit bitmap with its alpha.
std::unique_ptr<TBitmap> CropBitmap(TBitmap* Source, const TRect& R)
{
    auto out = std::make_unique<TBitmap>(R.Width(), R.Height());
    out->SetPixelFormat(pf32bit);
    out->SetAlphaFormat(afDefined);
    for (int y = 0; y < R.Height(); ++y)
        std::memcpy(out->ScanLine(y), static_cast<const char*>(Source->ScanLine(R.Top + y)) + 4 * R.Left,
                    size_t(4 * R.Width()));
    return out;
}

} // namespace

// THTMLPicture

THTMLPicture::THTMLPicture() : FDatastream(std::make_unique<TMemoryStream>()) {}

THTMLPicture::~THTMLPicture() = default;

void THTMLPicture::ResetFrames()
{
    FFrame = 1;
    FFrameCount = -1;
    FNextCount = -1;
    FTimerCount = -1;
}

void THTMLPicture::Assign(TPersistent* Source)
{
    if (Source && !dynamic_cast<THTMLPicture*>(Source))
        return;
    FIsEmpty = true;
    gpPicture.reset();
    ResetFrames();
    auto* src = static_cast<THTMLPicture*>(Source);
    if (!src) {
        FDatastream->Clear();
        return;
    }
    FDatastream->Clear();
    FDatastream->WriteBytes(src->FDatastream->Data());
    if (FDatastream->Size() > 0)
        Rebuild();
    Changed();
}

void THTMLPicture::SetData(const QByteArray& Data)
{
    FIsEmpty = true;
    gpPicture.reset();
    ResetFrames();
    FDatastream->Clear();
    FDatastream->WriteBytes(Data);
    Rebuild();
}

void THTMLPicture::Rebuild()
{
    FFrameXPos = FFrameYPos = FFrameXSize = FFrameYSize = 0;
    FAnimMaxX = FAnimMaxY = 0;
    const QByteArray& data = FDatastream->Data();
    QByteArray block;
    bool frameKnown = false;
    if (IsGIF() && FrameCount() >= 1) {
        const GifBytes gif(data);
        FAnimMaxX = std::uint16_t(gif.Word(6));
        FAnimMaxY = std::uint16_t(gif.Word(8));
        const qsizetype first = gif.FrameStart(1, 9);
        const qsizetype current = gif.FrameStart(FFrame, 9);
        if (current >= 0 && current + kDescriptorEnd < gif.Size) {
            const qsizetype d = current + kDescriptorOffset + 1;
            FFrameXPos = std::uint16_t(gif.Word(d));
            FFrameYPos = std::uint16_t(gif.Word(d + 2));
            FFrameXSize = std::uint16_t(gif.Word(d + 4));
            FFrameYSize = std::uint16_t(gif.Word(d + 6));
            frameKnown = true;
        }
        if (current > first && first >= 0)
            block = data.left(first) + data.mid(current);
        else
            block = data;
    } else {
        block = data;
    }

    auto picture = std::make_unique<TPicture>();
    try {
        TBytesStream stream(block);
        picture->LoadFromStream(&stream);
    } catch (const Exception&) {
        gpPicture.reset();
        FIsEmpty = true;
        throw EInvalidGraphic(QStringLiteral("Could not load image. Invalid format"));
    }
    if (!picture->Graphic()) {
        gpPicture.reset();
        FIsEmpty = true;
        throw EInvalidGraphic(QStringLiteral("Could not load image"));
    }
    // A GIF decodes onto its logical screen; the displayed picture is the
    // frame's own rectangle, drawn at the frame's offset by the renderer.
    if (frameKnown && FFrameXSize > 0 && FFrameYSize > 0) {
        if (auto* raster = dynamic_cast<TRasterImage*>(picture->Graphic())) {
            const TRect r{FFrameXPos, FFrameYPos, FFrameXPos + FFrameXSize, FFrameYPos + FFrameYSize};
            TBitmap* full = raster->Bitmap();
            if (r.Right <= full->Width() && r.Bottom <= full->Height() &&
                (r.Width() != full->Width() || r.Height() != full->Height())) {
                const std::unique_ptr<TBitmap> frame = CropBitmap(full, r);
                picture->SetGraphic(frame.get());
            }
        }
    }
    gpPicture = std::move(picture);
    FIsEmpty = false;
}

int THTMLPicture::Width() const
{
    return gpPicture ? gpPicture->Width() : 0;
}

int THTMLPicture::Height() const
{
    return gpPicture ? gpPicture->Height() : 0;
}

void THTMLPicture::LoadFromBytes(const QByteArray& Data)
{
    SetData(Data);
    Changed();
}

QByteArray THTMLPicture::SaveToBytes() const
{
    return FDatastream->Data();
}

void THTMLPicture::Draw(TCanvas* ACanvas, const TRect& Rect)
{
    if (FIsEmpty || !gpPicture || !gpPicture->Graphic() || !ACanvas)
        return;
    if (FStretched) {
        gpPicture->Graphic()->Draw(ACanvas, Rect);
        return;
    }
    const int w = Width() * GetDeviceCaps(ACanvas, LOGPIXELSX) / FLogPixX;
    const int h = Height() * GetDeviceCaps(ACanvas, LOGPIXELSY) / FLogPixY;
    gpPicture->Graphic()->Draw(ACanvas, Bounds(Rect.Left, Rect.Top, w, h));
}

void THTMLPicture::LoadFromFile(const QString& FileName)
{
    QFile file(FileName);
    try {
        if (!file.open(QIODevice::ReadOnly))
            throw EFOpenError(FileName);
        SetData(file.readAll());
    } catch (const Exception&) {
        FIsEmpty = true;
        gpPicture.reset();
        return;
    }
    Changed();
}

void THTMLPicture::LoadFromStream(TStream* Stream)
{
    if (!Stream)
        return;
    SetData(Stream->ReadAll());
    Changed();
}

void THTMLPicture::ReadData(TStream* Stream)
{
    if (Stream)
        SetData(Stream->ReadAll());
}

void THTMLPicture::WriteData(TStream* Stream)
{
    Stream->WriteBytes(FDatastream->Data());
}

void THTMLPicture::LoadFromResourceName(HINSTANCE Instance, const QString& ResName)
{
    QByteArray data;
    if (!FindRCData(Instance, ResName, data))
        return;
    TBytesStream stream(data);
    LoadFromStream(&stream);
}

void THTMLPicture::LoadFromResourceID(HINSTANCE Instance, int ResID)
{
    QByteArray data;
    if (!FindRCData(Instance, ResID, data))
        throw EResNotFound(QStringLiteral("Resource %1 not found").arg(ResID));
    TBytesStream stream(data);
    LoadFromStream(&stream);
}

void THTMLPicture::LoadFromURL(const QString& url)
{
    const QString upper = url.toUpper();
    if (upper.startsWith(QLatin1String("RES://"))) {
        FID = url;
        LoadFromResourceName(HInstance, url.mid(6));
    } else if (upper.startsWith(QLatin1String("FILE://"))) {
        FID = url;
        LoadFromFile(url.mid(7));
    } else if (!FAsynch) {
        FURL = url;
        FID = url;
    } else if (!FThreadBusy) {
        // Remote locations are never fetched: the picture stays empty and
        // the load counts as in progress from now on.
        FURL = url;
        FThreadBusy = true;
    }
}

bool THTMLPicture::IsGIF() const
{
    return StartsAsGif(FDatastream->Data());
}

int THTMLPicture::FrameCount() const
{
    if (!IsGIF())
        return -1;
    if (FFrameCount < 0) {
        const GifBytes gif(FDatastream->Data());
        int count = 0;
        for (qsizetype i = 0; i < gif.Size; ++i)
            if (gif.FrameAt(i, 9))
                ++count;
        FFrameCount = count;
    }
    return FFrameCount;
}

void THTMLPicture::SetFrame(int Value)
{
    FFrame = Value;
    if (FDatastream->Size() == 0)
        return;
    Rebuild();
    if (OnFrameChange)
        OnFrameChange(this);
}

void THTMLPicture::FrameNext()
{
    ++FFrame;
    if (FFrame > FrameCount())
        FFrame = 1;
}

void THTMLPicture::FramePrev()
{
    --FFrame;
    if (FFrame < 1)
        FFrame = FrameCount();
}

bool THTMLPicture::Step()
{
    if (FrameCount() < 2 || FIsEmpty)
        return false;
    bool changed = false;
    if (FNextCount == -1)
        FNextCount = GetFrameTime(FFrame);
    if (FTimerCount * 10 >= FNextCount) {
        FrameNext();
        Rebuild();
        FNextCount += GetFrameTime(FFrame);
        changed = true;
    }
    ++FTimerCount;
    return changed;
}

int THTMLPicture::GetFrameTime(int I)
{
    if (!IsGIF())
        return -1;
    const GifBytes gif(FDatastream->Data());
    const qsizetype start = gif.FrameStart(I, 8);
    if (start < 0)
        return -1;
    const int packed = gif.Byte(start + 3);
    FFrameTransp = (packed & 1) != 0;
    FFrameDisposal = std::uint16_t((packed >> 2) & 7);
    return gif.Word(start + 4);
}

int THTMLPicture::GetMaxWidth() const
{
    return FAnimMaxX != 0 ? FAnimMaxX : Width();
}

int THTMLPicture::GetMaxHeight() const
{
    return FAnimMaxY != 0 ? FAnimMaxY : Height();
}

// THTMLPictureCache

THTMLPictureCache::~THTMLPictureCache()
{
    ClearPictures();
}

THTMLPicture* THTMLPictureCache::AddPicture()
{
    auto* p = new THTMLPicture;
    Add(p);
    return p;
}

THTMLPicture* THTMLPictureCache::FindPicture(const QString& Value) const
{
    for (int i = 0; i < Count(); ++i)
        if (GetPicture(i)->ID() == Value)
            return GetPicture(i);
    return nullptr;
}

void THTMLPictureCache::SetPicture(int Index, THTMLPicture* Value)
{
    THTMLPicture* old = GetPicture(Index);
    SetItems(Index, Value);
    if (old != Value)
        delete old;
}

void THTMLPictureCache::ClearPictures()
{
    for (int i = 0; i < Count(); ++i)
        delete GetPicture(i);
    Clear();
}

bool THTMLPictureCache::Animate()
{
    bool changed = false;
    for (int i = 0; i < Count(); ++i)
        changed |= GetPicture(i)->Step();
    return changed;
}

// TPictureItem

TPictureItem::TPictureItem(TCollection* Collection) : TCollectionItem(nullptr), FPicture(std::make_unique<THTMLPicture>())
{
    if (Collection)
        SetCollection(Collection);
}

TPictureItem::~TPictureItem() = default;

void TPictureItem::Assign(TPersistent* Source)
{
    if (auto* item = dynamic_cast<TPictureItem*>(Source)) {
        FName = item->FName;
        FTag = item->FTag;
        FPicture->Assign(item->FPicture.get());
        return;
    }
    TCollectionItem::Assign(Source);
}

void TPictureItem::SetPicture(THTMLPicture* Value)
{
    FPicture->Assign(Value);
}

// TPictureCollection

TPictureCollection::TPictureCollection(TComponent* AOwner)
    : TCollection([](TCollection* c) -> TCollectionItem* { return new TPictureItem(c); }), FOwner(AOwner)
{
}

TPersistent* TPictureCollection::GetOwner() const
{
    return FOwner;
}

bool TPictureCollection::Animate()
{
    bool changed = false;
    for (int i = 0; i < Count(); ++i)
        changed |= GetItem(i)->Picture()->Step();
    return changed;
}

// TPictureContainer

TPictureContainer::TPictureContainer(TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TPictureCollection>(this))
{
}

TPictureContainer::~TPictureContainer() = default;

void TPictureContainer::SetItems(TPictureCollection* Value)
{
    if (Value && Value != FItems.get())
        FItems->Assign(Value);
}

THTMLPicture* TPictureContainer::FindPicture(const QString& s) const
{
    const QString name = s.toUpper();
    for (int i = 0; i < FItems->Count(); ++i) {
        TPictureItem* item = FItems->GetItem(i);
        if (item->Name().toUpper() == name)
            return item->Picture();
    }
    return nullptr;
}
