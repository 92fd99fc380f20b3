#pragma once
// TCustomImageList / TImageList: a row of equally sized images with masks.
#include "platform/graphics/Color.h"
#include "platform/rtl/Object.h"
#include <memory>
#include <vector>

class TBitmap;
class TCanvas;
class TIcon;
class ImageSurface;

enum TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };
enum TImageType { itImage, itMask };

class TCustomImageList : public TComponent {
public:
    explicit TCustomImageList(TComponent* AOwner = nullptr);
    TCustomImageList(int AWidth, int AHeight);
    ~TCustomImageList() override;

    void Assign(TPersistent* Source) override;

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Changing a dimension clears the list.
    void SetWidth(int value);
    void SetHeight(int value);
    void SetSize(int AWidth, int AHeight);
    int Count() const { return int(FImages.size()); }

    // Adds Image (split into Width-wide images when wider) with Mask
    // (black = visible; nullptr: all visible); returns the first index.
    int Add(TBitmap* Image, TBitmap* Mask);
    // Adds Image with the pixels of MaskColor transparent.
    int AddMasked(TBitmap* Image, TColor MaskColor);
    int AddIcon(TIcon* Icon);
    void Replace(int Index, TBitmap* Image, TBitmap* Mask);
    void Delete(int Index);
    void Clear();

    // Draws image Index at (X, Y); a disabled image is drawn greyed out.
    void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled = true);
    void Draw(TCanvas* Canvas, int X, int Y, int Index, TDrawingStyle Style, TImageType ImageType,
              bool Enabled = true);
    // Fills Image with image Index on the list's background colour.
    bool GetBitmap(int Index, TBitmap* Image);
    void GetIcon(int Index, TIcon* Image);

    // clNone: transparent.
    TColor BkColor() const { return FBkColor; }
    void SetBkColor(TColor value) { FBkColor = value; }

    void BeginUpdate();
    void EndUpdate();
    TNotifyEvent OnChange;

    // Bridge: image Index as 32-bit ARGB (qt/ code only).
    const ImageSurface* Image(int Index) const;

protected:
    virtual void Change();

private:
    int FWidth = 16;
    int FHeight = 16;
    TColor FBkColor = clNone;
    int FUpdateCount = 0;
    bool FChanged = false;
    std::vector<std::unique_ptr<ImageSurface>> FImages;
};

class TImageList : public TCustomImageList {
public:
    using TCustomImageList::TCustomImageList;
};
