#pragma once
// Fonts, pens and brushes: persistent objects that report every change.
#include "platform/graphics/Color.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/Set.h"
#include <QString>

class TBitmap;

class TGraphicsObject : public TPersistent {
public:
    TNotifyEvent OnChange;

protected:
    // Calls OnChange.
    virtual void Changed();
};

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = Set<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };
enum TFontQuality { fqDefault, fqDraft, fqProof, fqNonAntialiased, fqAntialiased, fqClearType, fqClearTypeNatural };

constexpr int DEFAULT_CHARSET = 1;
constexpr int ANSI_CHARSET = 0;

// Logical DPI of every canvas on screen.
constexpr int ScreenPixelsPerInch = 96;

class TFont : public TGraphicsObject {
public:
    TFont();

    void Assign(TPersistent* Source) override;

    const QString& Name() const { return FName; }
    void SetName(const QString& value);
    // Size in points; Height in pixels (negative: character height without
    // internal leading, the usual form). Each is derived from the other at
    // PixelsPerInch.
    int Size() const;
    void SetSize(int value);
    int Height() const { return FHeight; }
    void SetHeight(int value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles value);
    // Escapement of the base line in tenths of a degree, counter-clockwise.
    int Orientation() const { return FOrientation; }
    void SetOrientation(int value);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch value);
    int Charset() const { return FCharset; }
    void SetCharset(int value);
    TFontQuality Quality() const { return FQuality; }
    void SetQuality(TFontQuality value);
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int value) { FPixelsPerInch = value; }

private:
    QString FName;
    int FHeight;
    TColor FColor = clWindowText;
    TFontStyles FStyle;
    int FOrientation = 0;
    TFontPitch FPitch = fpDefault;
    int FCharset = DEFAULT_CHARSET;
    TFontQuality FQuality = fqDefault;
    int FPixelsPerInch = ScreenPixelsPerInch;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame, psUserStyle, psAlternate };
// Raster operation of the pen (and of brush fills) with the image.
enum TPenMode {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};

class TPen : public TGraphicsObject {
public:
    void Assign(TPersistent* Source) override;

    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    int Width() const { return FWidth; }
    void SetWidth(int value);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle value);
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode value);

private:
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
    TPenMode FMode = pmCopy;
};

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush : public TGraphicsObject {
public:
    ~TBrush() override;
    void Assign(TPersistent* Source) override;

    TColor Color() const { return FColor; }
    // Note: setting a colour while the style is bsClear makes it bsSolid.
    void SetColor(TColor value);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle value);
    // A pattern bitmap that replaces colour and style; not owned.
    TBitmap* Bitmap() const { return FBitmap; }
    void SetBitmap(TBitmap* value);

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    TBitmap* FBitmap = nullptr;
};
