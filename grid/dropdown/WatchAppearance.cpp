#include "grid/dropdown/WatchAppearance.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Picture.h"

namespace {

template <typename T>
bool Store(T& Field, T Value)
{
    if (Field == Value)
        return false;
    Field = Value;
    return true;
}

void ResetFont(TFont* Font, const char* Name, int Size)
{
    TFont fresh;
    Font->Assign(&fresh);
    Font->SetName(QString::fromLatin1(Name));
    Font->SetSize(Size);
}

} // namespace

TWatchAppearance::TWatchAppearance()
    : FPicture(std::make_unique<TPicture>()), FHourFont(std::make_unique<TFont>()),
      FAMPMFont(std::make_unique<TFont>())
{
    FPicture->OnChange = [this](TObject*) { PictureChanged(); };
    ResetFont(FHourFont.get(), "Tahoma", 8);
    ResetFont(FAMPMFont.get(), "Tahoma", 10);
}

TWatchAppearance::~TWatchAppearance() = default;

void TWatchAppearance::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TWatchAppearance::PictureChanged() { Changed(); }

void TWatchAppearance::SetDefaults()
{
    SetSize(0);
    SetShape(wsCircle);
    SetBackgroundColor(clWhite);
    SetBackgroundColorTo(clNone);
    SetBackgroundGradient(wgVertical);
    SetBorderColor(clBlack);
    SetBorderWidth(4);
    SetTickMarks(tmAll);
    SetHourMarkStyle(hmsLine);
    SetHourColor(clBlack);
    SetHourMarkLength(0);
    SetHourMarkWidth(1);
    SetMinuteColor(0x808080);
    SetMinuteMarkLength(0);
    SetMinuteMarkWidth(1);
    ResetFont(FHourFont.get(), "Tahoma", 8);
    ResetFont(FAMPMFont.get(), "Tahoma", 10);
    FAMPMColor = clWhite;
    FAMPMBorderColor = clBlack;
    SetAMPMFrame(apRect);
    SetPointerStyle(psLine);
    SetHourPointer(clBlack);
    SetHourPointerShadow(clBtnShadow);
    SetHourPointerSize(4);
    SetMinutePointer(clBlack);
    SetMinutePointerShadow(clBtnShadow);
    SetMinutePointerSize(3);
    SetSecondPointer(0x0000FF);
    SetSecondPointerSize(1);
    SetCenterPointSize(4);
    SetCenterPointColor(clBlack);
    SetCenterPointBorderColor(clNone);
    SetCenterPointOuterBorderColor(clNone);
    if (FPicture->Graphic())
        FPicture->SetGraphic(nullptr);
}

void TWatchAppearance::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TWatchAppearance*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    // Plain copies first, so that only the three setters below notify.
    FSize = src->FSize;
    FShape = src->FShape;
    FBackgroundColor = src->FBackgroundColor;
    FBackgroundColorTo = src->FBackgroundColorTo;
    FBackgroundGradient = src->FBackgroundGradient;
    FBorderColor = src->FBorderColor;
    FBorderWidth = src->FBorderWidth;
    FHourColor = src->FHourColor;
    FHourMarkLength = src->FHourMarkLength;
    FHourMarkWidth = src->FHourMarkWidth;
    FMinuteColor = src->FMinuteColor;
    FMinuteMarkLength = src->FMinuteMarkLength;
    FMinuteMarkWidth = src->FMinuteMarkWidth;
    FHourFont->Assign(src->FHourFont.get());
    FAMPMFont->Assign(src->FAMPMFont.get());
    FAMPMColor = src->FAMPMColor;
    FAMPMBorderColor = src->FAMPMBorderColor;
    FAMPMFrame = src->FAMPMFrame;
    FPointerStyle = src->FPointerStyle;
    FHourPointer = src->FHourPointer;
    FHourPointerShadow = src->FHourPointerShadow;
    FHourPointerSize = src->FHourPointerSize;
    FMinutePointer = src->FMinutePointer;
    FMinutePointerShadow = src->FMinutePointerShadow;
    FMinutePointerSize = src->FMinutePointerSize;
    FSecondPointer = src->FSecondPointer;
    FSecondPointerSize = src->FSecondPointerSize;
    FCenterPointSize = src->FCenterPointSize;
    FCenterPointColor = src->FCenterPointColor;
    FCenterPointBorderColor = src->FCenterPointBorderColor;
    {
        TNotifyEvent keep = std::move(FPicture->OnChange);
        FPicture->OnChange = nullptr;
        FPicture->Assign(src->FPicture.get());
        FPicture->OnChange = std::move(keep);
    }
    SetCenterPointOuterBorderColor(src->FCenterPointOuterBorderColor);
    SetTickMarks(src->FTickMarks);
    SetHourMarkStyle(src->FHourMarkStyle);
}

void TWatchAppearance::SetSize(int Value) { if (Store(FSize, Value)) Changed(); }
void TWatchAppearance::SetShape(TWatchShape Value) { if (Store(FShape, Value)) Changed(); }
void TWatchAppearance::SetBackgroundColor(TColor Value) { if (Store(FBackgroundColor, Value)) Changed(); }
void TWatchAppearance::SetBackgroundColorTo(TColor Value) { if (Store(FBackgroundColorTo, Value)) Changed(); }
void TWatchAppearance::SetBackgroundGradient(TWatchGradient Value) { if (Store(FBackgroundGradient, Value)) Changed(); }
void TWatchAppearance::SetBorderColor(TColor Value) { if (Store(FBorderColor, Value)) Changed(); }
void TWatchAppearance::SetBorderWidth(int Value) { if (Store(FBorderWidth, Value)) Changed(); }
void TWatchAppearance::SetPicture(TPicture* Value) { FPicture->Assign(Value); }
void TWatchAppearance::SetTickMarks(TTickMarks Value) { if (Store(FTickMarks, Value)) Changed(); }
void TWatchAppearance::SetHourMarkStyle(THourMarkStyle Value) { if (Store(FHourMarkStyle, Value)) Changed(); }
void TWatchAppearance::SetHourColor(TColor Value) { if (Store(FHourColor, Value)) Changed(); }
void TWatchAppearance::SetHourMarkLength(uint8_t Value) { if (Store(FHourMarkLength, Value)) Changed(); }
void TWatchAppearance::SetHourMarkWidth(uint8_t Value) { if (Store(FHourMarkWidth, Value)) Changed(); }
void TWatchAppearance::SetMinuteColor(TColor Value) { if (Store(FMinuteColor, Value)) Changed(); }
void TWatchAppearance::SetMinuteMarkLength(uint8_t Value) { if (Store(FMinuteMarkLength, Value)) Changed(); }
void TWatchAppearance::SetMinuteMarkWidth(uint8_t Value) { if (Store(FMinuteMarkWidth, Value)) Changed(); }
void TWatchAppearance::SetHourFont(TFont* Value) { FHourFont->Assign(Value); Changed(); }
void TWatchAppearance::SetAMPMFont(TFont* Value) { FAMPMFont->Assign(Value); Changed(); }
void TWatchAppearance::SetAMPMFrame(TAMPMFrame Value) { if (Store(FAMPMFrame, Value)) Changed(); }
void TWatchAppearance::SetPointerStyle(TPointerStyle Value) { if (Store(FPointerStyle, Value)) Changed(); }
void TWatchAppearance::SetHourPointer(TColor Value) { if (Store(FHourPointer, Value)) Changed(); }
void TWatchAppearance::SetHourPointerShadow(TColor Value) { if (Store(FHourPointerShadow, Value)) Changed(); }
void TWatchAppearance::SetHourPointerSize(uint8_t Value) { if (Store(FHourPointerSize, Value)) Changed(); }
void TWatchAppearance::SetMinutePointer(TColor Value) { if (Store(FMinutePointer, Value)) Changed(); }
void TWatchAppearance::SetMinutePointerShadow(TColor Value) { if (Store(FMinutePointerShadow, Value)) Changed(); }
void TWatchAppearance::SetMinutePointerSize(uint8_t Value) { if (Store(FMinutePointerSize, Value)) Changed(); }
void TWatchAppearance::SetSecondPointer(TColor Value) { if (Store(FSecondPointer, Value)) Changed(); }
void TWatchAppearance::SetSecondPointerSize(uint8_t Value) { if (Store(FSecondPointerSize, Value)) Changed(); }
void TWatchAppearance::SetCenterPointSize(uint8_t Value) { if (Store(FCenterPointSize, Value)) Changed(); }
void TWatchAppearance::SetCenterPointColor(TColor Value) { if (Store(FCenterPointColor, Value)) Changed(); }
void TWatchAppearance::SetCenterPointBorderColor(TColor Value) { if (Store(FCenterPointBorderColor, Value)) Changed(); }
void TWatchAppearance::SetCenterPointOuterBorderColor(TColor Value)
{
    if (Store(FCenterPointOuterBorderColor, Value))
        Changed();
}
