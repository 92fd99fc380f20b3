#pragma once
// TWatchAppearance: every visual setting of the analogue watch (face,
// border, tick marks, numbers, AM/PM box, hands, centre point, fonts and a
// picture). Setters store a changed value and fire OnChange, except where
// a member says otherwise. clNone switches an element off where noted.
#include "grid/foundation/QLXStyle.h"
#include "platform/graphics/Color.h"
#include "platform/rtl/Object.h"
#include <memory>

class TFont;
class TPicture;

enum TWatchShape { wsCircle, wsRect, wsRoundRect };
// wgRadial runs the gradient across the width; the other three run it down
// the height.
enum TWatchGradient { wgRadial, wgVertical, wgDiagonalForward, wgDiagonalBackward };
enum TTickMarks { tmAll, tmHours, tmQuartHours, tmNone };
// hmsQuartDblLine: double lines at 3, 6, 9 and 12.
enum THourMarkStyle { hmsLine, hmsQuartDblLine };
enum TAMPMFrame { apRect, apRoundRect };
// psShortLine and psLineArrow draw no hands (the centre point still shows).
enum TPointerStyle { psLine, psShortLine, psPointer, psLineArrow };

class TWatchAppearance : public TPersistent {
public:
    TWatchAppearance();
    ~TWatchAppearance() override;

    // Copies every property, the fonts and the picture. Note: fires OnChange
    // only through CenterPointOuterBorderColor, TickMarks and HourMarkStyle.
    void Assign(TPersistent* Source) override;
    // Every property back to its default; the fonts to the default font
    // with their own name and size; the picture emptied.
    void SetDefaults();

    // Face
    // Side of the square face; 0 or less: min(client width, height) - 20.
    int Size() const { return FSize; }
    void SetSize(int Value);
    TWatchShape Shape() const { return FShape; }
    void SetShape(TWatchShape Value);
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor Value);
    // Gradient end; clNone: a solid face.
    TColor BackgroundColorTo() const { return FBackgroundColorTo; }
    void SetBackgroundColorTo(TColor Value);
    TWatchGradient BackgroundGradient() const { return FBackgroundGradient; }
    void SetBackgroundGradient(TWatchGradient Value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);
    // Drawn over the face at its own size; a change fires OnChange.
    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(TPicture* Value);

    // Marks and numbers
    TTickMarks TickMarks() const { return FTickMarks; }
    void SetTickMarks(TTickMarks Value);
    THourMarkStyle HourMarkStyle() const { return FHourMarkStyle; }
    void SetHourMarkStyle(THourMarkStyle Value);
    TColor HourColor() const { return FHourColor; }
    void SetHourColor(TColor Value);
    // 0: automatic.
    uint8_t HourMarkLength() const { return FHourMarkLength; }
    void SetHourMarkLength(uint8_t Value);
    uint8_t HourMarkWidth() const { return FHourMarkWidth; }
    void SetHourMarkWidth(uint8_t Value);
    TColor MinuteColor() const { return FMinuteColor; }
    void SetMinuteColor(TColor Value);
    // 0: automatic.
    uint8_t MinuteMarkLength() const { return FMinuteMarkLength; }
    void SetMinuteMarkLength(uint8_t Value);
    uint8_t MinuteMarkWidth() const { return FMinuteMarkWidth; }
    void SetMinuteMarkWidth(uint8_t Value);
    TFont* HourFont() const { return FHourFont.get(); }
    void SetHourFont(TFont* Value);

    // AM/PM box
    TFont* AMPMFont() const { return FAMPMFont.get(); }
    void SetAMPMFont(TFont* Value);
    // Note: AMPMColor and AMPMBorderColor are plain fields (no OnChange).
    TColor AMPMColor() const { return FAMPMColor; }
    void SetAMPMColor(TColor Value) { FAMPMColor = Value; }
    TColor AMPMBorderColor() const { return FAMPMBorderColor; }
    void SetAMPMBorderColor(TColor Value) { FAMPMBorderColor = Value; }
    TAMPMFrame AMPMFrame() const { return FAMPMFrame; }
    void SetAMPMFrame(TAMPMFrame Value);

    // Hands
    TPointerStyle PointerStyle() const { return FPointerStyle; }
    void SetPointerStyle(TPointerStyle Value);
    TColor HourPointer() const { return FHourPointer; }
    void SetHourPointer(TColor Value);
    // clNone: no shadow.
    TColor HourPointerShadow() const { return FHourPointerShadow; }
    void SetHourPointerShadow(TColor Value);
    uint8_t HourPointerSize() const { return FHourPointerSize; }
    void SetHourPointerSize(uint8_t Value);
    TColor MinutePointer() const { return FMinutePointer; }
    void SetMinutePointer(TColor Value);
    TColor MinutePointerShadow() const { return FMinutePointerShadow; }
    void SetMinutePointerShadow(TColor Value);
    uint8_t MinutePointerSize() const { return FMinutePointerSize; }
    void SetMinutePointerSize(uint8_t Value);
    TColor SecondPointer() const { return FSecondPointer; }
    void SetSecondPointer(TColor Value);
    uint8_t SecondPointerSize() const { return FSecondPointerSize; }
    void SetSecondPointerSize(uint8_t Value);

    // Centre point
    // Diameter; 0: no centre point.
    uint8_t CenterPointSize() const { return FCenterPointSize; }
    void SetCenterPointSize(uint8_t Value);
    TColor CenterPointColor() const { return FCenterPointColor; }
    void SetCenterPointColor(TColor Value);
    TColor CenterPointBorderColor() const { return FCenterPointBorderColor; }
    void SetCenterPointBorderColor(TColor Value);
    TColor CenterPointOuterBorderColor() const { return FCenterPointOuterBorderColor; }
    void SetCenterPointOuterBorderColor(TColor Value);

    TNotifyEvent OnChange;

private:
    void Changed();
    void PictureChanged();

    int FSize = 0;
    TWatchShape FShape = wsCircle;
    TColor FBackgroundColor = clWhite;
    TColor FBackgroundColorTo = clNone;
    TWatchGradient FBackgroundGradient = wgVertical;
    TColor FBorderColor = clBlack;
    int FBorderWidth = 4;
    std::unique_ptr<TPicture> FPicture;
    TTickMarks FTickMarks = tmAll;
    THourMarkStyle FHourMarkStyle = hmsLine;
    TColor FHourColor = clBlack;
    uint8_t FHourMarkLength = 0;
    uint8_t FHourMarkWidth = 1;
    TColor FMinuteColor = 0x808080;
    uint8_t FMinuteMarkLength = 0;
    uint8_t FMinuteMarkWidth = 1;
    std::unique_ptr<TFont> FHourFont;
    std::unique_ptr<TFont> FAMPMFont;
    TColor FAMPMColor = clWhite;
    TColor FAMPMBorderColor = clBlack;
    TAMPMFrame FAMPMFrame = apRect;
    TPointerStyle FPointerStyle = psLine;
    TColor FHourPointer = clBlack;
    TColor FHourPointerShadow = clBtnShadow;
    uint8_t FHourPointerSize = 4;
    TColor FMinutePointer = clBlack;
    TColor FMinutePointerShadow = clBtnShadow;
    uint8_t FMinutePointerSize = 3;
    TColor FSecondPointer = 0x0000FF;
    uint8_t FSecondPointerSize = 1;
    uint8_t FCenterPointSize = 4;
    TColor FCenterPointColor = clBlack;
    TColor FCenterPointBorderColor = clNone;
    TColor FCenterPointOuterBorderColor = clNone;
};

// The colour row of AStyle on Appearance (after the centre point's outer
// ring and the two font colours are set black); tsCustom has no row.
void ApplyWatchColorStyle(TWatchAppearance* Appearance, TQLXStyle AStyle);
