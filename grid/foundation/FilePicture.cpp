#include "grid/foundation/FilePicture.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"

TFilePicture::TFilePicture() = default;

TFilePicture::~TFilePicture() = default;

void TFilePicture::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TFilePicture*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    FFilename = src->FFilename;
    FWidth = src->FWidth;
    FHeight = src->FHeight;
}

void TFilePicture::Load()
{
    FPicture.reset();
    FLoadedName = FFilename;
    FLoadedAge = FileAge(FFilename);
    auto picture = std::make_unique<TPicture>();
    picture->LoadFromFile(FFilename);
    FPicture = std::move(picture);
}

void TFilePicture::SetFilename(const QString& Value)
{
    FFilename = Value;
    if (Value.isEmpty()) {
        FPicture.reset();
        FLoadedName.clear();
        FWidth = FHeight = 0;
        return;
    }
    Load();
    FWidth = FPicture->Width();
    FHeight = FPicture->Height();
}

TPicture* TFilePicture::Picture()
{
    if (FLoadedName != FFilename || FLoadedAge != FileAge(FFilename)) {
        try {
            Load();
        } catch (const Exception&) {
            // Kept as not readable until the file changes again.
            FPicture.reset();
        }
    }
    return FPicture.get();
}

void TFilePicture::DrawPicture(TCanvas* Canvas, const TRect& r)
{
    if (FFilename.isEmpty())
        return;
    if (TPicture* picture = Picture())
        Canvas->StretchDraw(r, picture->Graphic());
}
