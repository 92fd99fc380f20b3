#pragma once
// TFilePicture: a cell picture named by its file. The decoded picture is
// kept while the file's path and modification time stay the same, so a
// cell does not decode its file on every draw.
#include "platform/rtl/Object.h"
#include "platform/rtl/Types.h"
#include <QString>
#include <memory>

class TCanvas;
class TPicture;

class TFilePicture : public TPersistent {
public:
    TFilePicture();
    ~TFilePicture() override;

    // Copies Filename (without loading), Width and Height.
    void Assign(TPersistent* Source) override;

    const QString& Filename() const { return FFilename; }
    // Loads the file to learn its size; an empty name clears the picture.
    // Note: a file that cannot be read as a picture raises the platform's
    // error, and the name stays set.
    void SetFilename(const QString& Value);
    // The size of the picture as last loaded.
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

    // Draws the picture stretched into r; nothing without a file name or
    // when the file can no longer be read as a picture.
    void DrawPicture(TCanvas* Canvas, const TRect& r);

private:
    // The decoded picture of the current file; nullptr when it cannot be read.
    TPicture* Picture();
    void Load();

    QString FFilename;
    int FWidth = 0;
    int FHeight = 0;
    std::unique_ptr<TPicture> FPicture;
    QString FLoadedName;
    double FLoadedAge = -1;
};
