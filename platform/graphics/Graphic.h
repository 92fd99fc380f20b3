#pragma once
// TGraphic: the base of every picture format (bitmap, icon, PNG, GIF, JPEG).
#include "platform/rtl/Object.h"
#include "platform/rtl/Types.h"
#include <QByteArray>
#include <QString>

class TCanvas;
class TStream;

class TGraphic : public TPersistent {
public:
    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetSize(int AWidth, int AHeight) = 0;
    void SetWidth(int value) { SetSize(value, Height()); }
    void SetHeight(int value) { SetSize(Width(), value); }
    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool value);
    bool Modified() const { return FModified; }
    void SetModified(bool value) { FModified = value; }

    // Files and streams. Note: a truncated or invalid file leaves the
    // graphic empty and raises EInvalidGraphic (never a crash).
    void LoadFromFile(const QString& FileName);
    // Written to a temporary file and renamed over FileName; raises
    // EFCreateError or EWriteError on failure, leaving the old file intact.
    void SaveToFile(const QString& FileName);
    // Reads the rest of Stream.
    void LoadFromStream(TStream* Stream);
    void SaveToStream(TStream* Stream);
    // The encoded file bytes.
    virtual void LoadFromBytes(const QByteArray& Data) = 0;
    virtual QByteArray SaveToBytes() const = 0;

    TNotifyEvent OnChange;

    // Paints the graphic stretched into Rect of ACanvas.
    virtual void Draw(TCanvas* ACanvas, const TRect& Rect) = 0;

protected:
    virtual void Changed();

    bool FTransparent = false;
    bool FModified = false;
};
