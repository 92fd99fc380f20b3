// TProWatch: the twelve style presets and the colour rows of the shared
// style enumeration.
#include "grid/dropdown/ProWatch.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/SysUtils.h"
#include <algorithm>

namespace {

// Font attributes of a preset: what is not given keeps its value.
struct TFontSpec {
    const char* Name = nullptr;
    int Size = 0;
    TFontStyles Style;
    TColor Color = clNone;
};

void StyleFont(TFont* Font, const TFontSpec& S)
{
    if (S.Color != clNone)
        Font->SetColor(S.Color);
    if (S.Name)
        Font->SetName(QString::fromLatin1(S.Name));
    if (S.Size)
        Font->SetSize(S.Size);
    Font->SetStyle(S.Style);
}

struct TColorRow {
    TQLXStyle Style;
    TColor AMPMBorder, AMPM, Background, BackgroundTo, Border, CenterBorder, Center, Hands, Shadows, Second;
};

constexpr TColorRow ColorRows[] = {
    {tsOffice2003Blue, 0x962D00, 0xD68759, 0xFFD2AF, 0xFFD2AF, 0xD68759, 0xD68759, 0xD68759, 0xD68759, clWhite, clWhite},
    {tsOffice2003Silver, 0x962D00, 0xBDA4A5, 0xE6D8D8, 0xE6D8D8, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, clWhite, clWhite},
    {tsOffice2003Olive, 0x962D00, 0x82C0AF, 0xB9EAE1, 0xB9EAE1, 0x82C0AF, 0x82C0AF, 0x82C0AF, 0x82C0AF, clWhite, clWhite},
    {tsOffice2003Classic, 0x962D00, 0x808080, 0xF2F2F2, 0xF2F2F2, 0x808080, 0x808080, 0x808080, 0x808080, clWhite, 0x808080},
    {tsOffice2007Luna, 0xF0DED0, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0x723708, clWhite, 0x723708},
    {tsOffice2007Obsidian, 0xF2F1F0, 0x5C534C, 0x5C534C, 0x5C534C, 0xF2F1F0, 0xFFEFE3, 0xFFEFE3, 0xF2F1F0, clWhite, 0xF2F1F0},
    {tsWindowsXP, clBlack, clBtnFace, clBtnFace, clBtnFace, clBlack, clBlack, clBlack, clBlack, clWhite, clBlack},
    {tsWhidbey, 0x7E9898, 0xF5F9FA, 0xF5F9FA, 0xF5F9FA, 0x7E9898, 0x7E9898, 0x7E9898, 0x7E9898, clWhite, 0x7E9898},
    {tsOffice2007Silver, 0xE8E0DB, 0xF8F4F1, 0xF8F4F1, 0xF8F4F1, 0xE8E0DB, 0xE8E0DB, 0x74706F, 0x74706F, clWhite, 0x74706F},
    {tsWindowsVista, 0xFEDF9A, 0xFFFDF9, 0xFFFDF9, 0xFFFAF0, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, clWhite, 0xFEDF9A},
    {tsWindows7, 0xFBD6B8, 0xFDFBFA, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, clWhite, 0xFBD6B8},
    {tsTerminal, 0x808080, clBtnFace, clBtnFace, clBtnFace, 0x808080, 0x808080, 0x808080, 0x808080, clWhite, 0x808080},
    {tsOffice2010Blue, 0xC7B29F, 0xF0DAC7, 0xFDF6EF, 0xFDF6EF, 0xC7B29F, 0xC7B29F, 0xC7B29F, 0xC7B29F, clWhite, 0xC7B29F},
    {tsOffice2010Silver, 0xD2CDC8, 0xEDE5E0, clWhite, clWhite, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xC0C0C0, 0xD2CDC8},
    {tsOffice2010Black, 0x6D6D6D, 0x919191, 0xBFBFBF, 0xBFBFBF, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, clWhite, 0x6D6D6D},
};

} // namespace

void ApplyWatchColorStyle(TWatchAppearance* A, TQLXStyle AStyle)
{
    A->SetCenterPointOuterBorderColor(clBlack);
    A->HourFont()->SetColor(clBlack);
    A->AMPMFont()->SetColor(clBlack);
    const auto row = std::find_if(std::begin(ColorRows), std::end(ColorRows),
                                  [AStyle](const TColorRow& r) { return r.Style == AStyle; });
    if (row == std::end(ColorRows))
        return;
    A->SetAMPMBorderColor(row->AMPMBorder);
    A->SetAMPMColor(row->AMPM);
    A->SetBackgroundColor(row->Background);
    A->SetBackgroundColorTo(row->BackgroundTo);
    A->SetBorderColor(row->Border);
    A->SetCenterPointBorderColor(row->CenterBorder);
    A->SetCenterPointColor(row->Center);
    A->SetHourColor(row->Hands);
    A->SetMinuteColor(row->Hands);
    A->SetHourPointer(row->Hands);
    A->SetMinutePointer(row->Hands);
    A->SetHourPointerShadow(row->Shadows);
    A->SetMinutePointerShadow(row->Shadows);
    A->SetSecondPointer(row->Second);
    if (AStyle == tsOffice2007Obsidian) {
        A->AMPMFont()->SetColor(0xF2F1F0);
        A->HourFont()->SetColor(0xF2F1F0);
    }
}

void TProWatch::SetComponentStyle(TQLXStyle AStyle)
{
    ApplyWatchColorStyle(FAppearance.get(), AStyle);
    AppearanceChanged();
}

void TProWatch::SetStyle(TWatchStyle Value)
{
    if (Value == FStyle)
        return;
    FStyle = Value;
    FAppearance->SetDefaults();
    ApplyStylePreset(Value);
    AppearanceChanged();
}

void TProWatch::ApplyStylePreset(TWatchStyle Value)
{
    TWatchAppearance* a = FAppearance.get();
    TFont* ampm = a->AMPMFont();
    TFont* hour = a->HourFont();
    const TFontStyles regular;
    const TFontStyles bold{fsBold};
    const int side = std::min(Width(), Height());
    auto hourHand = [a](TColor Color, TColor Shadow, int Size) {
        a->SetHourPointer(Color);
        a->SetHourPointerShadow(Shadow);
        if (Size)
            a->SetHourPointerSize(uint8_t(Size));
    };
    auto minuteHand = [a](TColor Color, TColor Shadow, int Size) {
        a->SetMinutePointer(Color);
        a->SetMinutePointerShadow(Shadow);
        if (Size)
            a->SetMinutePointerSize(uint8_t(Size));
    };
    auto background = [a](TColor From, TColor To) {
        a->SetBackgroundColor(From);
        a->SetBackgroundColorTo(To);
    };
    auto centre = [a](TColor Border, TColor Outer, TColor Fill) {
        a->SetCenterPointBorderColor(Border);
        a->SetCenterPointOuterBorderColor(Outer);
        a->SetCenterPointColor(Fill);
    };
    switch (Value) {
    case wsClassic:
        StyleFont(ampm, {"MS Sans Serif", 0, regular});
        StyleFont(hour, {"Comic Sans MS", 10, bold});
        a->SetHourMarkLength(8);
        hourHand(clBlack, clBtnShadow, 5);
        a->SetMinutePointerShadow(clBtnShadow);
        a->SetMinuteMarkLength(4);
        FAnimation = true;
        FAnimationFactor = 10;
        SetShowAMPM(true);
        SetShowNumbers(true);
        break;
    case wsTower:
        StyleFont(ampm, {"MS Sans Serif", 0, regular});
        a->SetAMPMFrame(apRect);
        a->SetBorderWidth(1);
        a->SetBackgroundColor(0xB1F0FE);
        a->SetBackgroundGradient(wgDiagonalForward);
        a->SetCenterPointColor(0x002BD5);
        a->SetCenterPointSize(6);
        StyleFont(hour, {"Century", 0, bold, clWindowText});
        hourHand(clBlack, clBtnShadow, 5);
        a->SetMinutePointerShadow(clBtnShadow);
        a->SetSecondPointer(0x002BD5);
        a->SetShape(wsRect);
        a->SetPointerStyle(psPointer);
        a->SetBackgroundColorTo(0x5BCCE8);
        a->SetAMPMColor(a->BackgroundColor());
        SetShowNumbers(false);
        a->SetTickMarks(tmHours);
        break;
    case wsFluorescent:
        StyleFont(ampm, {"MS Sans Serif", 10, regular, clWindowText});
        a->SetAMPMFrame(apRoundRect);
        a->SetBorderColor(0xFF3E3E);
        background(clBlack, clBlack);
        a->SetCenterPointColor(0xFF3E3E);
        a->SetCenterPointBorderColor(clBlack);
        a->SetCenterPointOuterBorderColor(clBlack);
        a->SetCenterPointSize(20);
        StyleFont(hour, {"MS Sans Serif", 8, regular, clWindowText});
        a->SetHourColor(0xFF3E3E);
        a->SetHourMarkLength(10);
        hourHand(0xFF3E3E, clBtnShadow, 2);
        a->SetMinuteColor(0xFF3E3E);
        minuteHand(0xFF3E3E, clBtnShadow, 2);
        a->SetShape(wsRoundRect);
        a->SetHourMarkWidth(2);
        a->SetHourMarkStyle(hmsQuartDblLine);
        a->SetTickMarks(tmHours);
        SetShowAMPM(false);
        SetShowNumbers(false);
        break;
    case wsEmerald:
        StyleFont(ampm, {"MS Sans Serif", 0, regular, 0xA00000});
        a->SetAMPMFrame(apRoundRect);
        a->SetBorderColor(0x3AE800);
        background(0x3AE800, clBlack);
        a->SetBackgroundGradient(wgDiagonalForward);
        a->SetCenterPointBorderColor(0x40FF00);
        a->SetCenterPointColor(0x38E100);
        a->SetCenterPointSize(16);
        StyleFont(hour, {"MS Sans Serif", 0, regular, clWindowText});
        hourHand(0x40FF00, clBtnShadow, 5);
        minuteHand(0x40FF00, clBtnShadow, 0);
        a->SetShape(wsRect);
        a->SetPointerStyle(psPointer);
        a->SetAMPMColor(clNone);
        hour->SetColor(a->BackgroundColor());
        a->SetCenterPointOuterBorderColor(clBlack);
        a->SetHourMarkStyle(hmsQuartDblLine);
        a->SetHourColor(a->BackgroundColor());
        a->SetSecondPointer(0x00FFFF);
        a->SetTickMarks(tmHours);
        SetShowNumbers(false);
        SetShowAMPM(false);
        break;
    case wsBlueStar:
        StyleFont(ampm, {"MS Sans Serif", 10, regular, 0xA00000});
        a->SetAMPMBorderColor(clNone);
        a->SetAMPMFrame(apRoundRect);
        a->SetBorderColor(0xFFD5D5);
        background(0xFFD5D5, 0xA00000);
        a->SetBackgroundGradient(wgRadial);
        StyleFont(hour, {"MS Sans Serif", 8, regular, clWindowText});
        hourHand(0xA00000, clBtnShadow, 5);
        minuteHand(0xA00000, clBtnShadow, 0);
        a->SetShape(wsRoundRect);
        a->SetPointerStyle(psPointer);
        a->SetAMPMColor(clNone);
        hour->SetColor(a->BackgroundColor());
        SetShowAMPM(true);
        SetShowNumbers(true);
        break;
    case wsFuchsia:
        StyleFont(ampm, {"MS Sans Serif", 10, regular, clWindowText});
        a->SetAMPMFrame(apRoundRect);
        a->SetBorderColor(0xFFD0FF);
        background(clBlack, clBlack);
        a->SetCenterPointBorderColor(0xDD68DD);
        a->SetCenterPointSize(20);
        StyleFont(hour, {"MS Sans Serif", 8, regular, clWindowText});
        a->SetHourColor(0xFFD0FF);
        a->SetHourMarkLength(10);
        hourHand(0xFFD0FF, clBtnShadow, 2);
        a->SetMinuteColor(0xFFD0FF);
        minuteHand(0xFFD0FF, clBtnShadow, 2);
        a->SetShape(wsRect);
        a->SetCenterPointOuterBorderColor(clBlack);
        a->SetHourMarkWidth(2);
        a->SetHourMarkStyle(hmsQuartDblLine);
        a->SetSecondPointer(0xDD68DD);
        a->SetTickMarks(tmQuartHours);
        SetShowAMPM(false);
        SetShowNumbers(false);
        break;
    case wsBlack:
        StyleFont(ampm, {"MS Sans Serif", 0, regular});
        background(0x202020, clNone);
        a->SetBorderColor(clBlack);
        centre(clWhite, clWhite, clWhite);
        a->SetHourColor(0x585858);
        StyleFont(hour, {"Century Gothic", 11, hour->Style(), clWhite});
        hourHand(clWhite, clBtnShadow, 5);
        a->SetMinuteColor(0x585858);
        minuteHand(clWhite, clBtnShadow, 0);
        a->SetMinuteMarkLength(4);
        SetShowAMPM(false);
        SetShowNumbers(true);
        break;
    case wsBlackWhite:
        background(clWhite, clNone);
        a->SetBorderColor(clBlack);
        a->SetBorderWidth(8);
        centre(clBlack, clBlack, clBlack);
        a->SetCenterPointSize(8);
        a->SetHourColor(0x585858);
        StyleFont(hour, {"Century Gothic", 14, bold, clBlack});
        hourHand(clBlack, clBtnShadow, 5);
        minuteHand(clBlack, clBtnShadow, 0);
        a->SetMinuteMarkLength(4);
        a->SetSecondPointer(0x000080);
        a->SetPointerStyle(psPointer);
        a->SetTickMarks(tmQuartHours);
        SetShowAMPM(false);
        SetShowNumbers(true);
        break;
    case wsGray:
        StyleFont(ampm, {"MS Sans Serif", 10, ampm->Style()});
        background(0xD1D1D1, 0x6C6C6C);
        a->SetBackgroundGradient(wgRadial);
        a->SetBorderColor(0x454545);
        centre(0x454545, clNone, clBlack);
        a->SetHourColor(clBlack);
        StyleFont(hour, {"Comic Sans MS", 8, regular});
        hourHand(0x4E4E4E, clNone, 1);
        a->SetMinuteColor(0x808080);
        minuteHand(0x4E4E4E, clNone, 1);
        a->SetSecondPointer(0x0000FF);
        SetShowAMPM(true);
        SetShowNumbers(true);
        break;
    case wsSuperNova:
        a->SetBackgroundColorTo(0xD1D3D3);
        a->SetBorderColor(clNone);
        a->SetCenterPointOuterBorderColor(clBlack);
        a->SetCenterPointSize(10);
        a->SetHourMarkLength(uint8_t(Round(side / 4.5)));
        a->SetHourPointer(clBlack);
        a->SetHourPointerShadow(clBtnShadow);
        a->SetMinuteColor(0x808080);
        a->SetMinuteMarkLength(uint8_t(side / 3));
        a->SetMinutePointer(clBlack);
        SetShowAMPM(false);
        SetShowNumbers(false);
        break;
    case wsSports:
        background(clBlack, clNone);
        a->SetBorderColor(clBlack);
        a->SetBorderWidth(1);
        centre(0xFF0000, clBlack, 0x191919);
        a->SetCenterPointSize(uint8_t(Round(side / 3.6)));
        a->SetHourColor(0xABB0B1);
        StyleFont(hour, {"Times New Roman", 9, hour->Style(), 0x797979});
        hourHand(0x0000FF, clNone, 2);
        a->SetMinuteColor(0x808080);
        minuteHand(0x00FFFF, clNone, 2);
        a->SetMinuteMarkLength(1);
        a->SetSecondPointer(0x188BFE);
        a->SetTickMarks(tmQuartHours);
        SetShowAMPM(false);
        SetShowNumbers(true);
        break;
    case wsSmooth:
        background(clWhite, 0xABB0B1);
        a->SetBorderColor(0x585858);
        a->SetBorderWidth(1);
        centre(clBlack, 0x4A4A4A, clWhite);
        a->SetCenterPointSize(6);
        a->SetHourColor(0xABB0B1);
        StyleFont(hour, {"Times New Roman", 9, hour->Style(), 0x797979});
        hourHand(0x4A4A4A, 0xB2B2B2, 2);
        a->SetMinuteColor(0x808080);
        minuteHand(0x4A4A4A, 0xB2B2B2, 2);
        a->SetMinuteMarkLength(1);
        a->SetSecondPointer(0x4A4A4A);
        a->SetTickMarks(tmQuartHours);
        SetShowAMPM(false);
        SetShowNumbers(true);
        break;
    }
}
