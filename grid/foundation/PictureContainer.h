#pragma once
// Pictures for mini-markup image tags: THTMLPicture (the file's bytes,
// decoded through the platform's picture formats, with frame stepping of
// animated GIF files), THTMLPictureCache (pictures by location) and
// TPictureContainer (a named collection).
#include "platform/graphics/Graphic.h"
#include "platform/rtl/Collection.h"
#include "platform/rtl/List.h"
#include "platform/rtl/Resources.h"
#include <cstdint>
#include <functional>
#include <memory>

class TMemoryStream;
class TPicture;

using TDownloadProgressEvent = std::function<void(TObject* Sender, std::uint32_t dwSize, std::uint32_t dwTotSize)>;
using TDownloadCancelEvent = std::function<void(TObject* Sender, bool& Cancel)>;
using TDownloadCompleteEvent = std::function<void(TObject* Sender)>;
using TDownloadErrorEvent = std::function<void(TObject* Sender, const QString& err)>;

class THTMLPicture : public TGraphic {
public:
    THTMLPicture();
    ~THTMLPicture() override;

    // Copies the bytes of another THTMLPicture (nullptr clears); other
    // sources are ignored.
    void Assign(TPersistent* Source) override;
    // True until a load succeeds.
    bool Empty() const override { return FIsEmpty; }
    // Size of the displayed picture (the current frame of a GIF) in pixels.
    int Width() const override;
    int Height() const override;
    // Does nothing: the size is the picture's own.
    void SetSize(int AWidth, int AHeight) override {}
    // Raises EInvalidGraphic "Could not load image. Invalid format" for
    // bytes no picture format reads.
    void LoadFromBytes(const QByteArray& Data) override;
    // The stored bytes, unchanged.
    QByteArray SaveToBytes() const override;
    // Stretched: into the whole of Rect; otherwise at the natural size
    // (scaled by the canvas's pixels per inch) from Rect's top-left.
    void Draw(TCanvas* ACanvas, const TRect& Rect) override;

    // Loading
    // Note: a file that cannot be read or decoded leaves the picture empty
    // and raises nothing.
    void LoadFromFile(const QString& FileName);
    // Nothing for a null stream; raises like LoadFromBytes.
    void LoadFromStream(TStream* Stream);
    // Stored form: the bytes without OnChange.
    void ReadData(TStream* Stream);
    void WriteData(TStream* Stream);
    // Only when a raw-data resource of that name exists.
    void LoadFromResourceName(HINSTANCE Instance, const QString& ResName);
    // Raises EResNotFound when the resource is missing.
    void LoadFromResourceID(HINSTANCE Instance, int ResID);
    // "RES://name" and "FILE://path" load (ID becomes the URL); any other
    // location is only remembered and stays empty.
    void LoadFromURL(const QString& url);

    bool Stretch() const { return FStretched; }
    void SetStretch(bool Value) { FStretched = Value; }
    // The location the picture was loaded from (the picture cache's key).
    const QString& ID() const { return FID; }
    void SetID(const QString& Value) { FID = Value; }
    const QString& URL() const { return FURL; }
    bool IsDB() const { return FIsDB; }
    void SetIsDB(bool Value) { FIsDB = Value; }
    bool Asynch() const { return FAsynch; }
    void SetAsynch(bool Value) { FAsynch = Value; }
    bool Busy() const { return FThreadBusy; }

    // Animation
    bool IsGIF() const;
    // -1 for data that are not a GIF.
    int FrameCount() const;
    // 1-based.
    int Frame() const { return FFrame; }
    // Rebuilds the displayed picture when there are data and fires
    // OnFrameChange.
    void SetFrame(int Value);
    // Next / previous frame, wrapping; the displayed picture is not rebuilt.
    void FrameNext();
    void FramePrev();
    // One animation step of 10 hundredths of a second; true when the frame
    // changed.
    bool Step();
    // Delay of frame I in hundredths of a second; -1 for non-GIF data or
    // when there is no frame I.
    int GetFrameTime(int I);
    int FrameXPos() const { return FFrameXPos; }
    int FrameYPos() const { return FFrameYPos; }
    bool FrameTransparent() const { return FFrameTransp; }
    int FrameDisposal() const { return FFrameDisposal; }
    // The GIF logical screen size, else the picture's size.
    int GetMaxWidth() const;
    int GetMaxHeight() const;
    int MaxWidth() const { return GetMaxWidth(); }
    int MaxHeight() const { return GetMaxHeight(); }

    TNotifyEvent OnFrameChange;
    // Kept for callers that wire them; nothing fires them.
    TDownloadProgressEvent OnDownLoadProgress;
    TDownloadCancelEvent OnDownLoadCancel;
    TDownloadCompleteEvent OnDownLoadComplete;
    TDownloadErrorEvent OnDownLoadError;

private:
    void SetData(const QByteArray& Data);
    // Decodes the stored bytes (for a GIF only the frames from the current
    // one on) into the displayed picture.
    void Rebuild();
    void ResetFrames();

    std::unique_ptr<TMemoryStream> FDatastream;
    bool FIsEmpty = true;
    bool FStretched = false;
    // The decoded picture shown for the data.
    std::unique_ptr<TPicture> gpPicture;
    int FLogPixX = 96;
    int FLogPixY = 96;
    QString FURL;
    QString FID;
    bool FIsDB = false;
    bool FAsynch = true;
    bool FThreadBusy = false;
    int FFrame = 1;
    mutable int FFrameCount = -1;
    std::uint16_t FFrameXPos = 0;
    std::uint16_t FFrameYPos = 0;
    std::uint16_t FFrameXSize = 0;
    std::uint16_t FFrameYSize = 0;
    bool FFrameTransp = false;
    std::uint16_t FFrameDisposal = 0;
    std::uint16_t FAnimMaxX = 0;
    std::uint16_t FAnimMaxY = 0;
    int FNextCount = -1;
    int FTimerCount = -1;
};

// Pictures loaded by location; owns them.
class THTMLPictureCache : public TList {
public:
    ~THTMLPictureCache() override;

    // Appends a new, empty picture.
    THTMLPicture* AddPicture();
    // The first picture whose ID equals Value exactly, or nullptr.
    THTMLPicture* FindPicture(const QString& Value) const;
    THTMLPicture* GetPicture(int Index) const { return static_cast<THTMLPicture*>(Items(Index)); }
    // Takes Value; the picture it replaces is freed.
    void SetPicture(int Index, THTMLPicture* Value);
    void ClearPictures();
    // Steps every picture; true when any frame changed.
    bool Animate();
};

class TPictureItem : public TCollectionItem {
public:
    explicit TPictureItem(TCollection* Collection = nullptr);
    ~TPictureItem() override;

    // Copies Name, Tag and the picture of another item.
    void Assign(TPersistent* Source) override;

    THTMLPicture* Picture() const { return FPicture.get(); }
    // Assigns Value into the owned picture.
    void SetPicture(THTMLPicture* Value);
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    const QString& Name() const { return FName; }
    void SetName(const QString& Value) { FName = Value; }

protected:
    QString GetDisplayName() const override { return FName; }

private:
    std::unique_ptr<THTMLPicture> FPicture;
    int FTag = 0;
    QString FName;
};

class TPictureCollection : public TCollection {
public:
    explicit TPictureCollection(TComponent* AOwner);

    TPictureItem* Add() { return static_cast<TPictureItem*>(TCollection::Add()); }
    TPictureItem* Insert(int Index) { return static_cast<TPictureItem*>(TCollection::Insert(Index)); }
    TPictureItem* GetItem(int Index) const { return static_cast<TPictureItem*>(Items(Index)); }
    void SetItem(int Index, TPictureItem* Value) { SetItems(Index, Value); }
    // Steps every picture; true when any frame changed.
    bool Animate();
    TPersistent* GetOwner() const override;

private:
    TComponent* FOwner;
};

class TPictureContainer : public TComponent {
public:
    explicit TPictureContainer(TComponent* AOwner = nullptr);
    ~TPictureContainer() override;

    TPictureCollection* Items() const { return FItems.get(); }
    // Copies the items of Value.
    void SetItems(TPictureCollection* Value);
    // The picture of the first item whose name equals s (case ignored), or
    // nullptr.
    virtual THTMLPicture* FindPicture(const QString& s) const;

private:
    std::unique_ptr<TPictureCollection> FItems;
};
