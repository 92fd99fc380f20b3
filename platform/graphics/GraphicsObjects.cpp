#include "platform/graphics/GraphicsObjects.h"
#include <cmath>

namespace {
int MulDiv(int a, int b, int c)
{
    return int(std::lround(double(a) * b / c));
}
} // namespace

void TGraphicsObject::Changed()
{
    if (OnChange)
        OnChange(this);
}

TFont::TFont() : FName(QStringLiteral("Tahoma")), FHeight(-11)
{
}

void TFont::Assign(TPersistent* Source)
{
    if (auto* f = dynamic_cast<TFont*>(Source)) {
        FName = f->FName;
        FHeight = MulDiv(f->FHeight, FPixelsPerInch, f->FPixelsPerInch);
        FColor = f->FColor;
        FStyle = f->FStyle;
        FOrientation = f->FOrientation;
        FPitch = f->FPitch;
        FCharset = f->FCharset;
        FQuality = f->FQuality;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TFont::SetName(const QString& value)
{
    if (value.isEmpty() || value == FName)
        return;
    FName = value;
    Changed();
}

int TFont::Size() const
{
    return -MulDiv(FHeight, 72, FPixelsPerInch);
}

void TFont::SetSize(int value)
{
    SetHeight(-MulDiv(value, FPixelsPerInch, 72));
}

void TFont::SetHeight(int value)
{
    if (value == FHeight)
        return;
    FHeight = value;
    Changed();
}

void TFont::SetColor(TColor value)
{
    if (value == FColor)
        return;
    FColor = value;
    Changed();
}

void TFont::SetStyle(TFontStyles value)
{
    if (value == FStyle)
        return;
    FStyle = value;
    Changed();
}

void TFont::SetOrientation(int value)
{
    if (value == FOrientation)
        return;
    FOrientation = value;
    Changed();
}

void TFont::SetPitch(TFontPitch value)
{
    if (value == FPitch)
        return;
    FPitch = value;
    Changed();
}

void TFont::SetCharset(int value)
{
    if (value == FCharset)
        return;
    FCharset = value;
    Changed();
}

void TFont::SetQuality(TFontQuality value)
{
    if (value == FQuality)
        return;
    FQuality = value;
    Changed();
}

void TPen::Assign(TPersistent* Source)
{
    if (auto* p = dynamic_cast<TPen*>(Source)) {
        FColor = p->FColor;
        FWidth = p->FWidth;
        FStyle = p->FStyle;
        FMode = p->FMode;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TPen::SetColor(TColor value)
{
    if (value == FColor)
        return;
    FColor = value;
    Changed();
}

void TPen::SetWidth(int value)
{
    if (value < 0)
        value = 0;
    if (value == FWidth)
        return;
    FWidth = value;
    Changed();
}

void TPen::SetStyle(TPenStyle value)
{
    if (value == FStyle)
        return;
    FStyle = value;
    Changed();
}

void TPen::SetMode(TPenMode value)
{
    if (value == FMode)
        return;
    FMode = value;
    Changed();
}

TBrush::~TBrush() = default;

void TBrush::Assign(TPersistent* Source)
{
    if (auto* b = dynamic_cast<TBrush*>(Source)) {
        FColor = b->FColor;
        FStyle = b->FStyle;
        FBitmap = b->FBitmap;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

// Notifies even when the colour stays: a canvas selects its brush again,
// after RestoreDC brought back an older background colour.
void TBrush::SetColor(TColor value)
{
    FColor = value;
    if (FStyle == bsClear)
        FStyle = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle value)
{
    if (value == FStyle)
        return;
    FStyle = value;
    Changed();
}

void TBrush::SetBitmap(TBitmap* value)
{
    FBitmap = value;
    Changed();
}
