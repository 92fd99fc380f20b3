#pragma once
// TPicture: holds one graphic of any registered format; formats are
// looked up by file extension.
#include "platform/graphics/Graphic.h"
#include <QStringList>
#include <functional>
#include <memory>

class TBitmap;
class TIcon;

using TGraphicFactory = std::function<TGraphic*()>;

class TPicture : public TPersistent {
public:
    TPicture();
    ~TPicture() override;

    void Assign(TPersistent* Source) override;

    // The graphic, or nullptr when the picture is empty.
    TGraphic* Graphic() const { return FGraphic.get(); }
    // Takes a copy of Value (nullptr empties the picture).
    void SetGraphic(TGraphic* Value);
    // The graphic as a bitmap; a picture holding something else is
    // replaced by an empty bitmap first.
    TBitmap* Bitmap();
    TIcon* Icon();
    int Width() const;
    int Height() const;

    // Raises EInvalidGraphic "Unknown picture file extension (.ext)" for an
    // unregistered extension. A truncated or invalid file leaves the picture
    // empty and raises EInvalidGraphic.
    void LoadFromFile(const QString& FileName);
    void SaveToFile(const QString& FileName);
    // Recognises the format from the first bytes.
    void LoadFromStream(TStream* Stream);
    void SaveToStream(TStream* Stream);

    TNotifyEvent OnChange;

    // Format registry: extension without the dot, case-insensitive.
    static void RegisterFileFormat(const QString& Extension, const QString& Description,
                                   TGraphicFactory Factory);
    static void UnregisterFileFormat(const QString& Extension);
    static bool SupportsExtension(const QString& Extension);
    static QStringList RegisteredExtensions();
    // "All (*.bmp;*.png;...)|*.bmp;*.png;...|Bitmaps (*.bmp)|*.bmp|..."
    static QString GraphicFilter();

private:
    void Changed();
    // Takes Graphic once Load has filled it; when Load throws, the picture
    // is left empty and the error goes on.
    void Take(std::unique_ptr<TGraphic> Graphic, const std::function<void(TGraphic*)>& Load);
    std::unique_ptr<TGraphic> FGraphic;
};
