#include "grid/core/CellGraphic.h"
#include "grid/foundation/FilePicture.h"
#include "grid/foundation/IntList.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"
#include <algorithm>

namespace {

// The kinds whose balloon strings hang in CellBitmap while CellAngle is 1.
bool CarriesBalloon(TCellType t) { return t == ctCheckBox || t == ctDataCheckBox || t == ctRadioButton; }

} // namespace

TCellGraphic::TCellGraphic() = default;

TCellGraphic::~TCellGraphic() { ReleaseOwned(); }

void TCellGraphic::ReleaseOwned()
{
    bool ownsBitmap = false;
    switch (FCellType) {
    case ctBitmap:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton:
    case ctRadio:
        ownsBitmap = FCellCreated;
        break;
    case ctImages:
    case ctBalloon:
        ownsBitmap = true;
        break;
    default:
        ownsBitmap = CarriesBalloon(FCellType) && FCellAngle == 1;
        break;
    }
    if (ownsBitmap && FCellBitmap) {
        delete FCellBitmap;
        FCellBitmap = nullptr;
    }
    if (CarriesBalloon(FCellType) && FCellAngle == 1) {
        FCellAngle = 0;
        FCellBitmap = nullptr;
    }
    if (FCellType == ctIcon && FCellCreated && FCellIcon) {
        delete FCellIcon;
        FCellIcon = nullptr;
    }
    FCellCreated = false;
}

void TCellGraphic::Become(TCellType AType, TObject* ABitmap)
{
    if (AType != FCellType || ABitmap != FCellBitmap)
        ReleaseOwned();
    FCellType = AType;
    FCellBitmap = ABitmap;
}

void TCellGraphic::Place(TCellHAlign hal, TCellVAlign val)
{
    FCellHAlign = hal;
    FCellVAlign = val;
}

void TCellGraphic::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TCellGraphic*>(Source);
    if (!src || src == this)
        return;
    ReleaseOwned();
    FCellType = src->FCellType;
    FCellVAlign = src->FCellVAlign;
    FCellHAlign = src->FCellHAlign;
    FCellIndex = src->FCellIndex;
    FCellTransparent = src->FCellTransparent;
    FCellValue = src->FCellValue;
    FCellAngle = src->FCellAngle;
    FCellBoolean = src->FCellBoolean;
    FCellErrFrom = src->FCellErrFrom;
    FCellErrLen = src->FCellErrLen;
    FCellText = src->FCellText;
    FCellCreated = src->FCellCreated;
    // Objects this graphic does not own must not be freed as its own.
    if (FCellCreated || CarriesBalloon(FCellType)) {
        FCellBitmap = nullptr;
        FCellIcon = nullptr;
    }
}

void TCellGraphic::SetInterfacedCell(TPersistent* AObject) { Become(ctInterface, AObject); }

void TCellGraphic::SetBitmap(TObject* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    Become(ctBitmap, ABmp);
    FCellTransparent = Transparent;
    Place(hal, val);
}

void TCellGraphic::SetButton(int bw, int bh, const QString& Caption, TCellHAlign hal, TCellVAlign val)
{
    Become(ctButton, FCellType == ctButton ? FCellBitmap : nullptr);
    FCellIndex = int(unsigned(bh) << 16 | unsigned(bw & 0xFFFF));
    FCellBoolean = false;
    FCellText = Caption;
    Place(hal, val);
}

void TCellGraphic::SetBitButton(int bw, int bh, const QString& Caption, TObject* Glyph, TCellHAlign hal,
                                TCellVAlign val)
{
    Become(ctBitButton, Glyph);
    FCellIndex = int(unsigned(bh) << 16 | unsigned(bw & 0xFFFF));
    FCellBoolean = false;
    FCellText = Caption;
    Place(hal, val);
}

void TCellGraphic::SetPicture(TObject* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                              TCellHAlign hal, TCellVAlign val)
{
    SetPictureKind(ctPicture, APicture, Transparent, StretchMode, Padding, hal, val);
}

void TCellGraphic::SetFilePicture(TObject* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                                  TCellHAlign hal, TCellVAlign val)
{
    SetPictureKind(ctFilePicture, APicture, Transparent, StretchMode, Padding, hal, val);
}

void TCellGraphic::SetPictureKind(TCellType AType, TObject* APicture, bool Transparent, TStretchMode StretchMode,
                                  int Padding, TCellHAlign hal, TCellVAlign val)
{
    Become(AType, APicture);
    FCellTransparent = Transparent;
    FCellAngle = int(StretchMode);
    FCellIndex = Padding;
    Place(hal, val);
}

void TCellGraphic::SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    // A balloon goes with the old state: the angle is reset.
    ReleaseOwned();
    Become(Data ? ctDataCheckBox : ctCheckBox, FCellBitmap);
    FCellAngle = 0;
    FCellBoolean = Value;
    FCellTransparent = Flat;
    Place(hal, val);
}

void TCellGraphic::SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    ReleaseOwned();
    Become(ctTriStateCheckBox, FCellBitmap);
    FCellCheckBoxState = Value;
    FCellBoolean = false;
    FCellTransparent = Flat;
    Place(hal, val);
}

void TCellGraphic::SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    ReleaseOwned();
    Become(ctRadioButton, FCellBitmap);
    FCellAngle = 0;
    FCellBoolean = Value;
    FCellTransparent = Flat;
    Place(hal, val);
}

void TCellGraphic::SetIcon(TIcon* AIcon, TCellHAlign hal, TCellVAlign val)
{
    if (FCellType != ctIcon || AIcon != FCellIcon)
        ReleaseOwned();
    FCellType = ctIcon;
    FCellIcon = AIcon;
    Place(hal, val);
}

void TCellGraphic::SetDataImage(int Idx, TCellHAlign hal, TCellVAlign val)
{
    Become(ctDataImage, FCellType == ctDataImage ? FCellBitmap : nullptr);
    FCellIndex = Idx;
    Place(hal, val);
}

void TCellGraphic::SetImageIdx(int Idx, TCellHAlign hal, TCellVAlign val)
{
    Become(ctImageList, FCellType == ctImageList ? FCellBitmap : nullptr);
    FCellIndex = Idx;
    Place(hal, val);
}

void TCellGraphic::SetMultiImage(int Col, int Row, int Dir, TCellHAlign hal, TCellVAlign val,
                                 const std::function<void(TObject*, int, int)>& Notifier)
{
    auto* list = new TIntList(Col, Row);
    list->OnChange = Notifier;
    Become(ctImages, list);
    FCellBoolean = Dir == 0;
    FCellCreated = true;
    Place(hal, val);
}

void TCellGraphic::SetAngle(int AAngle)
{
    Become(ctRotated, FCellType == ctRotated ? FCellBitmap : nullptr);
    while (AAngle < 0)
        AAngle += 360;
    while (AAngle > 360)
        AAngle -= 360;
    FCellAngle = AAngle;
}

TPoint TCellGraphic::GetPictureSize(int cw, int rh, bool) const
{
    int w = 0, h = 0;
    if (FCellType == ctPicture) {
        if (auto* pic = dynamic_cast<TPicture*>(FCellBitmap)) {
            w = pic->Width();
            h = pic->Height();
        }
    } else if (FCellType == ctFilePicture) {
        if (auto* pic = dynamic_cast<TFilePicture*>(FCellBitmap)) {
            w = pic->Width();
            h = pic->Height();
        }
    } else {
        return {0, 0};
    }
    cw -= FCellIndex;
    rh -= FCellIndex;
    const auto aspect = [&](bool Limit) -> TPoint {
        double rx = w > 0 ? double(cw) / w : 1.0;
        double ry = h > 0 ? double(rh) / h : 1.0;
        if (Limit) {
            rx = std::min(rx, 1.0);
            ry = std::min(ry, 1.0);
        }
        if (rx < ry)
            return {cw, int(Round(h * rx))};
        return {int(Round(w * ry)), rh};
    };
    switch (FCellAngle) {
    case Stretch:
        return {cw, rh};
    case StretchWithAspectRatio:
        return aspect(false);
    case Shrink:
        return w > cw || h > rh ? TPoint{cw, rh} : TPoint{w, h};
    case ShrinkWithAspectRatio:
        return w > cw || h > rh ? aspect(true) : TPoint{w, h};
    default:
        return {w, h};
    }
}

TStringList* TCellGraphic::Strings() const { return dynamic_cast<TStringList*>(FCellBitmap); }

TIntList* TCellGraphic::IntList() const { return dynamic_cast<TIntList*>(FCellBitmap); }
