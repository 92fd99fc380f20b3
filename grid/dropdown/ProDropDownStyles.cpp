// The style presets of the drop-downs: popup, header, footer and button
// colours by style, the colour tones, and the selection colours of the
// list drop-downs.
#include "grid/dropdown/ProDropDown.h"
#include "grid/foundation/DrawUtils.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"

namespace {

// A cell of the popup table that leaves the value as it is.
constexpr TColor Keep = TColor(0x7FFFFFFF);

struct TPopupRow {
    TQLXStyle Style;
    TColor DropDownColor, DropDownColorTo, DropDownBorderColor;
    TColor HeaderColor, HeaderColorTo, HeaderFont, HeaderBorder;
    TColor FooterColor, FooterColorTo, FooterFont, FooterBorder;
};

struct TButtonRow {
    TQLXStyle Style;
    TColor Color, ColorTo, BorderColor, ColorHot, ColorHotTo, BorderColorHot, ColorDown, ColorDownTo,
        BorderColorDown, ColorDisabled, ColorDisabledTo, ColorChecked, ColorCheckedTo, BorderColorChecked;
};

struct TItemRow {
    TQLXStyle Style;
    TColor ColorHot, ColorHotTo, ColorMirrorHot, ColorMirrorHotTo, ColorSelected, ColorSelectedTo,
        ColorMirrorSelected, ColorMirrorSelectedTo, BorderColor, BorderColorTop, BorderColorBottom, EdgeColor,
        ColorSelectedText;
};

const TPopupRow PopupRows[] = {
    {tsOffice2003Blue, 0xFFFFFF, clNone, Keep, 0xFCE1CB, 0xE0A57D, 0x000000, 0x000000, 0xFCE1CB, 0xE0A57D, 0x000000, 0x962D00},
    {tsOffice2003Silver, 0xFFFFFF, clNone, Keep, 0xECE2E1, 0xB39698, 0x000000, 0x947C7C, 0xECE2E1, 0xB39698, 0x000000, 0x947C7C},
    {tsOffice2003Olive, 0xFFFFFF, clNone, clNone, 0xCFF0EA, 0x8CC0B1, 0x000000, 0x588060, 0xCFF0EA, 0x8CC0B1, 0x000000, 0x588060},
    {tsOffice2003Classic, 0xF2F2F2, 0xF2F2F2, clNone, 0x808080, 0x808080, 0xFFFFFF, 0x808080, 0x808080, 0x808080, 0xFFFFFF, 0x808080},
    {tsOffice2007Luna, 0xF3E5DA, 0xF0DED0, clNone, 0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF, 0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF},
    {tsOffice2007Obsidian, 0xFFFFFF, clNone, clNone, 0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C, 0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C},
    {tsWindowsXP, 0xFFFFFF, clNone, Keep, 0xFFFFFF, clBtnFace, 0x000000, 0x808080, 0xFFFFFF, clBtnFace, 0x000000, 0x808080},
    {tsWhidbey, 0xF5F9FA, 0xF5F9FA, clNone, 0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00, 0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00},
    {tsOffice2007Silver, 0xF8F4F1, 0xF0E8E3, clNone, 0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F, 0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F},
    {tsWindowsVista, 0xFFFFFF, 0xFFFFFF, 0x979797, 0xFFFDF9, 0xFFFAF0, 0x000000, 0xFCF2DA, 0xFFFAF0, 0xFFFDF9, 0x000000, 0xFCF2DA},
    {tsWindows7, 0xFFFFFF, 0xFFFFFF, 0x979797, 0xFDFBFA, 0xFDF3EB, 0x000000, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0x000000, 0xFBD6B8},
    {tsTerminal, 0xFFFFFF, 0xFFFFFF, 0x808080, clBtnFace, clBtnFace, 0x000000, clNone, clBtnFace, clBtnFace, 0x000000, clNone},
    {tsOffice2010Blue, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F, 0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F},
    {tsOffice2010Silver, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8, 0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8},
    {tsOffice2010Black, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D},
};

const TButtonRow ButtonRows[] = {
    {tsOffice2003Blue, 0xFCE1CB, 0xE0A57D, clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, 0x76AFF1, 0x4190F3, 0x45667B},
    {tsOffice2003Silver, 0xECE2E1, 0xB39698, clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, 0x76AFF1, 0x4190F3, 0x45667B},
    {tsOffice2003Olive, 0xCFF0EA, 0x8CC0B1, clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, 0x76AFF1, 0x4190F3, 0x45667B},
    {tsOffice2003Classic, 0xFFFFFF, 0xC9D1D5, clNone, 0xD2BDB6, 0xD2BDB6, 0x808080, 0xB59285, 0xB59285, 0x808080, 0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0x808080},
    {tsOffice2007Luna, 0xFFEFE3, 0xFFDDC4, clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, 0x76AFF1, 0x4190F3, 0x45667B},
    {tsOffice2007Obsidian, 0xF2F1F0, 0xC9C2BD, clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, 0x76AFF1, 0x4190F3, 0x45667B},
    {tsWindowsXP, 0xFFFFFF, clBtnFace, clNone, 0xEFD3C6, 0xEFD3C6, clHighlight, clInactiveCaption, clInactiveCaption, clHighlight, 0xB6B6B6, 0xB6B6B6, 0xB9D8DC, 0xB9D8DC, 0x000000},
    {tsWhidbey, 0xFFFFFF, 0xDFEDF0, clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, 0x76AFF1, 0x4190F3, 0x45667B},
    {tsOffice2007Silver, 0xF9F8F8, 0xE4E2DF, clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, 0x76AFF1, 0x4190F3, 0x45667B},
    {tsWindowsVista, 0xFFFDF9, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A, 0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A},
    {tsWindows7, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFCEBDC, 0xFCDBC1, 0xCEA27D, 0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFCDBC1, 0xCEA27D},
    {tsTerminal, clBtnFace, clBtnFace, clNone, 0xC0C0C0, 0xC0C0C0, 0x808080, clHighlight, clHighlight, 0x808080, clBtnFace, clBtnFace, clBtnFace, clBtnFace, clHighlight},
    {tsOffice2010Blue, 0xFDF6EF, 0xF0DAC7, 0xC7B29F, 0x8AE3FD, clNone, 0x58CAF1, 0x6CD0FF, clNone, 0x308AC2, 0xF2F2F2, 0xB6B6B6, 0x45E1FE, clNone, 0x4FA0CE},
    {tsOffice2010Silver, 0xFFFFFF, 0xEDE5E0, 0xD2CDC8, 0x8AE3FD, clNone, 0x58CAF1, 0x6CD0FF, clNone, 0x308AC2, 0xF2F2F2, 0xB6B6B6, 0x45E1FE, clNone, 0x4FA0CE},
    {tsOffice2010Black, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x8AE3FD, clNone, 0x58CAF1, 0x6CD0FF, clNone, 0x308AC2, 0xF2F2F2, 0xB6B6B6, 0x45E1FE, clNone, 0x4FA0CE},
};

const TItemRow ItemRows[] = {
    {tsOffice2003Blue, 0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x42AEFE, clNone, clNone, clNone, clNone},
    {tsOffice2003Silver, 0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x42AEFE, clNone, clNone, clNone, clNone},
    {tsOffice2003Olive, 0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x42AEFE, clNone, clNone, clNone, clNone},
    {tsOffice2003Classic, 0xD2BDB6, 0xD2BDB6, clNone, clNone, 0xB59285, 0xB59285, clNone, clNone, 0x808080, clNone, clNone, clNone, clNone},
    {tsOffice2007Luna, 0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x42AEFE, 0xF4FEFF, 0xCAF8FF, 0xC3D9DF, clNone},
    {tsOffice2007Obsidian, 0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x42AEFE, 0xF4FEFF, 0xCAF8FF, 0xC3D9DF, clNone},
    {tsWindowsXP, 0xEFD3C6, 0xEFD3C6, clNone, clNone, clHighlight, clNone, clNone, clNone, clHighlight, clNone, clNone, clNone, clHighlightText},
    {tsWhidbey, 0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x42AEFE, clNone, clNone, clNone, clNone},
    {tsOffice2007Silver, 0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x42AEFE, 0xF4FEFF, 0xCAF8FF, 0xC3D9DF, clNone},
    {tsWindowsVista, 0xFFFDF9, 0xFFFAF0, clNone, clNone, 0xFEF9F0, 0xFDF0D7, clNone, clNone, 0xFEDF9A, 0xFDFBF6, 0xFDF5E7, 0xFCEDCB, clNone},
    {tsWindows7, 0xFDFBFA, 0xFDF3EB, clNone, clNone, 0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xCEA27D, 0xFDF4EB, 0xFDEADB, 0xE0C5AE, clNone},
    {tsTerminal, 0xC0C0C0, 0xC0C0C0, clNone, clNone, clHighlight, clNone, clNone, clNone, 0x808080, clNone, clNone, clNone, clHighlightText},
    {tsOffice2010Blue, 0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, 0x7BEEFF, 0x6CD0FF, 0x6CD0FF, 0x7BEEFF, 0x308AC2, clNone, clNone, clNone, 0x000000},
    {tsOffice2010Silver, 0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, 0x7BEEFF, 0x6CD0FF, 0x6CD0FF, 0x7BEEFF, 0x308AC2, clNone, clNone, clNone, 0x000000},
    {tsOffice2010Black, 0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, 0x7BEEFF, 0x6CD0FF, 0x6CD0FF, 0x7BEEFF, 0x308AC2, clNone, clNone, clNone, 0x000000},
};

template <typename Row, std::size_t N>
const Row* FindRow(const Row (&Rows)[N], TQLXStyle Style)
{
    for (const Row& r : Rows)
        if (r.Style == Style)
            return &r;
    return nullptr;
}

void SetIfGiven(TColor& Field, TColor Value)
{
    if (Value != Keep)
        Field = Value;
}

} // namespace

void TProCustomDropDown::SetComponentStyle(TQLXStyle AStyle)
{
    FQLXStyle = AStyle;
    if (const TPopupRow* p = FindRow(PopupRows, AStyle)) {
        if (p->DropDownColor != Keep)
            SetDropDownColor(p->DropDownColor);
        SetIfGiven(FDropDownColorTo, p->DropDownColorTo);
        SetIfGiven(FDropDownBorderColor, p->DropDownBorderColor);
        // Written past the setters: an open popup's panels keep their look.
        FDropDownHeader->SetColor(p->HeaderColor);
        FDropDownHeader->SetColorTo(p->HeaderColorTo);
        FDropDownHeader->SetBorderColor(p->HeaderBorder);
        FDropDownHeader->Font()->SetColor(p->HeaderFont);
        FDropDownFooter->SetColor(p->FooterColor);
        FDropDownFooter->SetColorTo(p->FooterColorTo);
        FDropDownFooter->SetBorderColor(p->FooterBorder);
        FDropDownFooter->Font()->SetColor(p->FooterFont);
    }
    if (const TButtonRow* b = FindRow(ButtonRows, AStyle)) {
        TProButtonAppearance* a = FButtonAppearance.get();
        a->SetColor(b->Color);
        a->SetColorTo(b->ColorTo);
        a->SetBorderColor(b->BorderColor);
        a->SetColorHot(b->ColorHot);
        a->SetColorHotTo(b->ColorHotTo);
        a->SetBorderColorHot(b->BorderColorHot);
        a->SetColorDown(b->ColorDown);
        a->SetColorDownTo(b->ColorDownTo);
        a->SetBorderColorDown(b->BorderColorDown);
        a->SetColorDisabled(b->ColorDisabled);
        a->SetColorDisabledTo(b->ColorDisabledTo);
        a->SetColorChecked(b->ColorChecked);
        a->SetColorCheckedTo(b->ColorCheckedTo);
        a->SetBorderColorChecked(b->BorderColorChecked);
    }
}

void TProCustomDropDown::SetColorTones(const TColorTones& ATones)
{
    if (FButton) {
        FButton->SetButtonColor(ATones.Background.BrushColor);
        FButton->SetButtonColorHot(ATones.Hover.BrushColor);
        FButton->SetButtonColorDown(ATones.Selected.BrushColor);
        FButton->SetButtonBorderColor(ATones.Background.BorderColor);
    }
    SetBorderColor(ATones.Background.BorderColor);
}

void TProCustomDropDown::ReadStyleOrdinals(int SelectionColorStyle, int QLXStyle)
{
    FSelectionColorStyle = TSelectionColorStyle(SelectionColorStyle);
    FQLXStyle = TQLXStyle(QLXStyle);
}

void TProCustomDropDown::SetSelectionColorStyle(TSelectionColorStyle Value)
{
    FSelectionColorStyle = Value;
    switch (Value) {
    case scOffice2007:
        FSelectionColor = 0xD7FFFD;
        FSelectionColorTo = 0x58D4FC;
        break;
    case scWindowsVista:
        FSelectionColor = 0xFDF8F1;
        FSelectionColorTo = 0xFCEFD5;
        break;
    case scWindows7:
        FSelectionColor = 0xFCEBDC;
        FSelectionColorTo = 0xFCDBC1;
        break;
    case scCustom: break;
    }
}

void TProCustomDropDown::DrawSelectionBackground(TCanvas* ACanvas, const TRect& ARect, TColor BackgroundColor,
                                                 int Position)
{
    if (FSelectionColorStyle == scCustom) {
        ACanvas->Brush()->SetStyle(bsSolid);
        ACanvas->Brush()->SetColor(FSelectionColor);
        ACanvas->Pen()->SetColor(FSelectionColor);
        ACanvas->FillRect(ARect);
        return;
    }
    struct TSelectionRow {
        TColor MirrorFrom, MirrorTo, InnerUpper, InnerLower, Border, Corner;
    };
    static const TSelectionRow rows[] = {
        {0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF},
        {clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB},
        {clNone, clNone, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE},
    };
    const TSelectionRow& r = rows[int(FSelectionColorStyle) - 1];
    DrawRoundedSelection(ACanvas, FSelectionColor, FSelectionColorTo, Position, ARect, BackgroundColor, r.Corner,
                         r.Border, r.InnerLower, r.InnerUpper, r.MirrorTo, r.MirrorFrom);
}

bool ItemAppearanceStyleColors(TQLXStyle AStyle, TItemStyleColors& Colors)
{
    const TItemRow* r = FindRow(ItemRows, AStyle);
    if (!r)
        return false;
    Colors = {r->ColorHot,      r->ColorHotTo,     r->ColorMirrorHot,    r->ColorMirrorHotTo, r->ColorSelected,
              r->ColorSelectedTo, r->ColorMirrorSelected, r->ColorMirrorSelectedTo, r->BorderColor,
              r->BorderColorTop, r->BorderColorBottom, r->EdgeColor,     r->ColorSelectedText};
    return true;
}
