// Looks, styles, colour tones and themes: each only sets the grid's
// colours and those of its settings objects; the painter reads them.
// The styles and themes are tables: one row per style (scheme).
#include "grid/core/ControlLook.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/DrawUtils.h"
#include "grid/foundation/GridBitmaps.h"
#include "grid/foundation/SearchFooter.h"
#include "grid/foundation/ThemeBinding.h"
#include "platform/graphics/Bitmap.h"

namespace {

// "Leave as it is" in the tables below.
constexpr TColor Keep = TColor(0x2FFFFFFF);

enum TFixedGradient { fgKeep, fgQLX, fgClear };

struct TStyleRow {
    TProGridStyle Style;
    int Look; // -1: the look stays
    TColor From, To, MirrorFrom, MirrorTo;
    TColor ActiveFrom, ActiveTo;
    // Keep: the selection of the first step; SelectionTo only with a colour.
    TColor Selection, SelectionTo;
    TColor GridLine, FixedLine;
    TFixedGradient Fixed;
    // The Office 2010 styles' own colour (their fixed grid lines).
    TColor Extra;
};

const TStyleRow StyleRows[] = {
    {gsOffice2003Blue, glXP, 0xFCE1CB, 0xE0A57D, clNone, clNone, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE, 0xC0C0C0,
     0x808080, fgQLX, Keep},
    {gsOffice2003Silver, glXP, 0xECE2E1, 0xB39698, clNone, clNone, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE,
     0xC0C0C0, 0x808080, fgQLX, Keep},
    {gsOffice2003Olive, glXP, 0xCFF0EA, 0x8CC0B1, clNone, clNone, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE, 0xC0C0C0,
     0x808080, fgQLX, Keep},
    {gsOffice2003Classic, glXP, clWhite, 0xCCD4D8, clNone, clNone, 0xD8D5D4, 0xD8D5D4, Keep, Keep, 0xC0C0C0,
     0x808080, fgClear, Keep},
    {gsOffice2007Luna, glOffice2007, 0xFBF9F6, 0xE8DBD2, clNone, clNone, 0x9DD8F9, 0x5EC1F1, 0x5EC1F1, Keep,
     0xF1EDEB, 0xD1BBA4, fgQLX, Keep},
    {gsOffice2007Obsidian, glOffice2007, 0xF7F7F7, 0xDEDEDE, clNone, clNone, 0x9DD8F9, 0x5EC1F1, 0x5EC1F1, Keep,
     0xE5D7D0, 0x808080, fgQLX, Keep},
    {gsWindowsXP, glXP, clBtnFace, clBtnFace, clNone, clNone, clBtnFace, clBtnFace, Keep, Keep, 0xC0C0C0,
     0x808080, fgClear, Keep},
    {gsWhidbey, glXP, clWhite, clBtnFace, clNone, clNone, 0x94E6FB, 0x1595EE, Keep, Keep, 0xC0C0C0, 0x808080,
     fgClear, Keep},
    {gsCustom, -1, Keep, Keep, Keep, Keep, Keep, Keep, Keep, Keep, Keep, Keep, fgKeep, Keep},
    {gsOffice2007Silver, glOffice2007, 0xF3F3F1, 0xCAC9C8, Keep, Keep, 0x99CCFF, 0x699CFF, 0x95C7F5, Keep,
     0xE5D7D0, 0x808080, fgQLX, Keep},
    {gsWindowsVista, glVista, clWhite, clWhite, 0xFAF8F7, 0xF4F2F1, 0xFDF8F1, 0xFCEFD5, 0xEACAB6, Keep, 0xECECF0,
     0xD4D2D1, fgKeep, Keep},
    {gsWindows7, glWin7, 0xFDFCFA, 0xFAF0E6, 0xF4E6DC, 0xF7E9DD, 0xFCEBDC, 0xFCDBC1, 0xEACAB6, Keep, 0xECECF0,
     0xD4D2D1, fgKeep, Keep},
    {gsTerminal, glStandard, Keep, Keep, Keep, Keep, Keep, Keep, Keep, Keep, Keep, Keep, fgKeep, Keep},
    {gsOffice2010Blue, glOffice2007, 0xF5E7DA, 0xF5E7DA, 0xF5E7DA, 0xF5E7DA, 0x5BD5FF, 0x71EFFF, Keep, Keep,
     0xC0C0C0, Keep, fgQLX, 0xC7B0A0},
    {gsOffice2010Silver, glOffice2007, 0xE8E3DF, 0xE8E3DF, 0xE8E3DF, 0xE8E3DF, 0x5BD5FF, 0x71EFFF, Keep, Keep,
     0xC0C0C0, Keep, fgQLX, 0xBAB5B1},
    {gsOffice2010Black, glOffice2007, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x5BD5FF, 0x71EFFF, Keep, Keep,
     0xC0C0C0, Keep, fgQLX, 0x444444},
};

// The fixed cells' hover and pressed colours of ControlLook.
struct TFixedStates {
    TColor HoverFrom, HoverTo, HoverMirrorFrom, HoverMirrorTo, HoverBorder;
    TColor DownFrom, DownTo, DownMirrorFrom, DownMirrorTo, DownBorder;
};

void ApplyFixedStates(TControlLook* CL, const TFixedStates& S)
{
    CL->SetFixedGradientHoverFrom(S.HoverFrom);
    CL->SetFixedGradientHoverTo(S.HoverTo);
    CL->SetFixedGradientHoverMirrorFrom(S.HoverMirrorFrom);
    CL->SetFixedGradientHoverMirrorTo(S.HoverMirrorTo);
    CL->SetFixedGradientHoverBorder(S.HoverBorder);
    CL->SetFixedGradientDownFrom(S.DownFrom);
    CL->SetFixedGradientDownTo(S.DownTo);
    CL->SetFixedGradientDownMirrorFrom(S.DownMirrorFrom);
    CL->SetFixedGradientDownMirrorTo(S.DownMirrorTo);
    CL->SetFixedGradientDownBorder(S.DownBorder);
}

void SetSortHeader(TSortSettings* S, TColor From, TColor To, TColor MirrorFrom, TColor MirrorTo)
{
    S->SetHeaderColor(From);
    S->SetHeaderColorTo(To);
    S->SetHeaderMirrorColor(MirrorFrom);
    S->SetHeaderMirrorColorTo(MirrorTo);
}

struct TThemeRow {
    TXPColorScheme Scheme;
    TColor From, To, MirrorFrom, MirrorTo, ActiveFrom, ActiveTo, FooterFrom, FooterTo;
};

const TThemeRow ThemeRows[] = {
    {xpBlue, 0xFCE1CB, 0xE0A57D, clNone, clNone, 0x94E6FB, 0x1595EE, 0xFCE1CB, 0xE0A57D},
    {xpGreen, 0xCFF0EA, 0x8CC0B1, clNone, clNone, 0x94E6FB, 0x1595EE, 0xCFF0EA, 0x8CC0B1},
    {xpGray, 0xECE2E1, 0xB39698, clNone, clNone, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698},
    {vistaAero, clWhite, clWhite, 0xFAF8F7, 0xF4F2F1, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698},
    {xpNone, clWhite, clBtnFace, clNone, clNone, clWhite, 0xFFD9B3, clWhite, 0xFFD9B3},
};

struct TLookName {
    const char* Name;
    const char* Caption;
};

const TLookName LookNames[] = {
    {"glStandard", "Standard"}, {"glSoft", "Soft"}, {"glClassic", "Classic"},
    {"glQLX", "QLX"}, {"glXP", "Windows XP"}, {"glListView", "ListView"},
    {"glVista", "Windows Vista"}, {"glWin7", "Windows 7"}, {"glOffice2007", "Office2007"},
};

} // namespace

// Looks

void TProStringGrid::SetLook(TGridLook Value)
{
    if (Value == FLook)
        return;
    FLook = Value;
    TControlLook* cl = FControlLook.get();
    if (Value != glCustom) {
        cl->SetFixedGradientFrom(clNone);
        cl->SetFixedGradientTo(clNone);
        cl->SetFixedGradientMirrorFrom(clNone);
        cl->SetFixedGradientMirrorTo(clNone);
        FQLX.From = FQLX.To = FQLX.MirrorFrom = FQLX.MirrorTo = clNone;
        FSortSettings->SetHeaderColor(clNone);
    }
    switch (Value) {
    case glVista:
        SetStyle(gsWindowsVista);
        FComponentStyle = tsWindowsVista;
        SetSelectionStyle(ssVista);
        break;
    case glWin7:
        SetStyle(gsWindows7);
        FComponentStyle = tsWindows7;
        SetSelectionStyle(ssWin7);
        break;
    case glOffice2007:
        SetStyle(gsOffice2007Luna);
        FComponentStyle = tsOffice2007Luna;
        SetSelectionStyle(ssOffice2007);
        break;
    case glCustom:
        break;
    default:
        ApplyPresetLook(Value);
        break;
    }
    SetScrollType(ssNormal);
    SetBorderStyle(bsSingle);
    FBorderColor = TColor(0xB99D7F);
    Invalidate();
    if (!IsLoading() && FFooterPanel)
        FFooterPanel->Invalidate();
}

void TProStringGrid::ApplyPresetLook(TGridLook Value)
{
    ApplyEditorStyle(tsWindowsXP);
    SetSelectionStyle(ssDefault);
    if (IsLoading())
        return;
    TControlLook* cl = FControlLook.get();
    // The gradient the search footer takes is the one the look started from.
    const TColor qlxFrom = FQLX.From, qlxTo = FQLX.To;
    const bool plain = Value == glStandard || Value == glSoft || Value == glClassic;
    if (plain) {
        SetFixedColor(clBtnFace);
        cl->SetFixedGradientFrom(clBtnFace);
        cl->SetFixedGradientTo(clNone);
    } else {
        cl->SetFixedGradientFrom(clWhite);
        cl->SetFixedGradientTo(clBtnFace);
    }
    SetGridFixedLineColor(TColor(0x808080));
    cl->SetFixedGradientMirrorFrom(clNone);
    cl->SetFixedGradientMirrorTo(clNone);
    FQLX.MirrorFrom = FQLX.MirrorTo = clNone;
    SetGridLineColor(TColor(0xC0C0C0));
    if (plain || Value == glListView) {
        FActiveCellColor = TColor(0x808080);
        FActiveCellColorTo = clNone;
        FSelectionColor = clHighlight;
        FSelectionTextColor = clHighlightText;
        FSearchFooter->SetColor(clBtnFace);
        FSearchFooter->SetColorTo(clBtnFace);
        return;
    }
    FActiveCellColor = TColor(0xEACAB6);
    FActiveCellColorTo = clNone;
    FSelectionColor = TColor(0xEACAB6);
    FSelectionColorTo = clNone;
    FSelectionTextColor = clBlack;
    FSearchFooter->SetColor(qlxFrom);
    FSearchFooter->SetColorTo(qlxTo);
    cl->SetFixedGradientFrom(clWhite);
    cl->SetFixedGradientTo(Value == glXP ? clBtnFace : TColor(0xC0C0C0));
    ApplyFixedStates(cl, {0xCFD0D1, 0xBEC6C8, 0xBEC6C8, 0xABBCBF, cl->FixedGradientHoverBorder(), 0x868788, 0x737C7E,
                          0x737C7E, 0x627376, cl->FixedGradientDownBorder()});
}

QString TProStringGrid::LookToString(TGridLook Look)
{
    return Look == glCustom ? QString() : QString::fromLatin1(LookNames[Look].Name);
}

QString TProStringGrid::LookToCaption(TGridLook Look)
{
    return Look == glCustom ? QString() : QString::fromLatin1(LookNames[Look].Caption);
}

// Styles

void TProStringGrid::SetStyle(TProGridStyle AStyle)
{
    // The look first, so that what this style leaves alone is the same
    // whatever look the grid had.
    const TStyleRow& row = StyleRows[AStyle];
    if (row.Look >= 0)
        SetLook(TGridLook(row.Look));
    FSelectionColor = clHighlight;
    FSelectionColorTo = clNone;
    FSelectionTextColor = clHighlightText;
    SetSelectionStyle(ssDefault);
    SetSortHeader(FSortSettings.get(), clNone, clNone, clNone, clNone);
    TControlLook* cl = FControlLook.get();
    cl->Init();

    auto set = [](TColor Value, auto Setter) {
        if (Value != Keep)
            Setter(Value);
    };
    set(row.From, [this](TColor c) { SetQLXGradientFrom(c); });
    set(row.To, [this](TColor c) { SetQLXGradientTo(c); });
    set(row.MirrorFrom, [this](TColor c) { SetQLXGradientMirrorFrom(c); });
    set(row.MirrorTo, [this](TColor c) { SetQLXGradientMirrorTo(c); });
    set(row.ActiveFrom, [this](TColor c) { FActiveCellColor = c; });
    set(row.ActiveTo, [this](TColor c) { FActiveCellColorTo = c; });
    if (row.Selection != Keep) {
        FSelectionColor = row.Selection;
        FSelectionTextColor = clBlack;
    }
    set(row.SelectionTo, [this](TColor c) { FSelectionColorTo = c; });
    set(row.GridLine, [this](TColor c) { SetGridLineColor(c); });
    set(row.FixedLine, [this](TColor c) { SetGridFixedLineColor(c); });
    set(row.Extra, [this](TColor c) { SetGridFixedLineColor(c); });
    if (row.Fixed == fgQLX) {
        cl->SetFixedGradientFrom(FQLX.From);
        cl->SetFixedGradientTo(FQLX.To);
    } else if (row.Fixed == fgClear) {
        cl->SetFixedGradientFrom(clNone);
        cl->SetFixedGradientTo(clNone);
    }
    ApplyStyleStates(AStyle);
    if (AStyle <= gsWindows7 && AStyle != gsCustom) {
        FSearchFooter->SetColor(FQLX.From);
        FSearchFooter->SetColorTo(FQLX.MirrorTo);
    } else if (AStyle >= gsOffice2010Blue) {
        FSearchFooter->SetColor(FQLX.From);
        FSearchFooter->SetColorTo(row.Extra);
    }
    Invalidate();
}

void TProStringGrid::ApplyStyleStates(TProGridStyle AStyle)
{
    TControlLook* cl = FControlLook.get();
    switch (AStyle) {
    case gsOffice2007Luna:
        ApplyFixedStates(cl, {0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87, 0xE4C19D, 0xE4C19D, 0xE4C19D,
                              0xE4C19D, 0xE4C19D});
        if (FLook == glOffice2007)
            SetSelectionStyle(ssOffice2007);
        break;
    case gsWindowsVista:
        FQLX.HoverFrom = 0xFFF7E3;
        FQLX.HoverTo = 0xFFF7E3;
        FQLX.HoverMirrorFrom = 0xFFEDBD;
        FQLX.HoverMirrorTo = 0xFBE7B7;
        FQLX.HoverBorder = 0xE3C993;
        cl->SetFixedGradientMirrorFrom(FQLX.MirrorFrom);
        cl->SetFixedGradientMirrorTo(FQLX.MirrorTo);
        ApplyFixedStates(cl, {FQLX.HoverFrom, FQLX.HoverTo, FQLX.HoverMirrorFrom, FQLX.HoverMirrorTo,
                              FQLX.HoverBorder, 0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F});
        SetSortHeader(FSortSettings.get(), 0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8);
        cl->SetFixedGradientFrom(clNone);
        cl->SetFixedGradientTo(clNone);
        SetSelectionStyle(ssVista);
        break;
    case gsWindows7:
        FQLX.HoverFrom = 0xFDF8F3;
        FQLX.HoverTo = 0xF9F3EF;
        FQLX.HoverMirrorFrom = clNone;
        FQLX.HoverMirrorTo = clNone;
        FQLX.HoverBorder = 0xEEE8E3;
        cl->SetFixedGradientMirrorFrom(FQLX.MirrorFrom);
        cl->SetFixedGradientMirrorTo(FQLX.MirrorTo);
        ApplyFixedStates(cl, {0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, cl->FixedGradientHoverBorder(), 0xF1E8DD,
                              0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA});
        SetSortHeader(FSortSettings.get(), 0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8);
        cl->SetFixedGradientFrom(clNone);
        cl->SetFixedGradientTo(clNone);
        SetSelectionStyle(ssWin7);
        break;
    case gsOffice2010Blue:
    case gsOffice2010Silver:
    case gsOffice2010Black: {
        FQLX.HoverFrom = FQLX.HoverTo = FQLX.HoverMirrorFrom = FQLX.HoverMirrorTo = FQLX.HoverBorder = clNone;
        cl->SetFixedGradientFrom(clNone);
        cl->SetFixedGradientTo(clNone);
        ApplyFixedStates(cl, {0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8, 0x5BD5FF, 0x64E0FF, 0x64E0FF,
                              0x71EFFF, 0x308AC2});
        const TColor sort = AStyle == gsOffice2010Blue ? TColor(0xD6CEC7)
                            : AStyle == gsOffice2010Silver ? TColor(0xAAAAAA)
                                                           : TColor(0xBABABA);
        SetSortHeader(FSortSettings.get(), sort, sort, sort, sort);
        break;
    }
    default:
        break;
    }
}

void TProStringGrid::SetComponentStyle(TQLXStyle AStyle)
{
    FComponentStyle = AStyle;
    SetStyle(TProGridStyle(AStyle));
    if (!TComponent::IsDesigning())
        ApplyEditorStyle(AStyle);
    if (AStyle != tsCustom && FScrollType == ssMetro)
        SetScrollType(ssNormal);
}

// Colour tones

void TProStringGrid::SetColorTones(const TColorTones& ATones)
{
    FColorTones = ATones;
    SetLook(glClassic);
    SetFlat(true);
    SetScrollType(ssMetro);
    SetFixedColor(ATones.Foreground.BrushColor);
    FFixedFont->SetColor(ATones.Foreground.TextColor);
    FFixedFont->SetName(DefaultUIFontName());
    Font()->SetName(DefaultUIFontName());
    SetColor(ATones.Background.BrushColor);
    Font()->SetColor(ATones.Background.TextColor);
    FSelectionColor = ATones.Selected.BrushColor;
    FSelectionTextColor = ATones.Selected.TextColor;
    FSelectionColorTo = clNone;
    SetGridLineColor(TColor(0xE6E6E6));
    SetGridFixedLineColor(AdjustBrightness(ATones.Foreground.BrushColor, -20));
    SetBorderStyle(bsNone);

    TControlLook* cl = FControlLook.get();
    cl->SetControlStyle(csGlyph);
    TBitmap glyph;
    const auto load = [&glyph](const char* Name) {
        LoadGridBitmap(QString::fromLatin1(Name), &glyph);
        return &glyph;
    };
    cl->SetCheckedGlyph(load("metrocheckon"));
    cl->SetUnCheckedGlyph(load("metrocheckoff"));
    cl->SetRadioOnGlyph(load("metroradioon"));
    cl->SetRadioOffGlyph(load("metroradiooff"));
    if (!TComponent::IsDesigning())
        ApplyEditorTones(ATones);
    cl->SetFlatButton(true);
    FFloatingFooter->SetColor(ATones.Foreground.BrushColor);
    FSearchFooter->SetColor(ATones.Foreground.BrushColor);
    FSearchFooter->SetColorTo(ATones.Foreground.BrushColor);
    FCellNode->SetNodeType(cnFlat);
    Invalidate();
}

// Themes

void TProStringGrid::SetTheme(TXPColorScheme Scheme)
{
    for (const TThemeRow& row : ThemeRows) {
        if (row.Scheme != Scheme)
            continue;
        SetQLXGradientFrom(row.From);
        SetQLXGradientTo(row.To);
        SetQLXGradientMirrorFrom(row.MirrorFrom);
        SetQLXGradientMirrorTo(row.MirrorTo);
        FActiveCellColor = row.ActiveFrom;
        FActiveCellColorTo = row.ActiveTo;
        const bool cleared = Scheme == xpNone;
        FControlLook->SetFixedGradientFrom(cleared ? clNone : row.From);
        FControlLook->SetFixedGradientTo(cleared ? clNone : row.To);
        FSearchFooter->SetColor(row.FooterFrom);
        FSearchFooter->SetColorTo(row.FooterTo);
        Invalidate();
        return;
    }
}

void TProStringGrid::ApplyOfficeTheme()
{
    if (TComponent::IsDesigning())
        return;
    const TOfficeTheme theme = CurrentOfficeTheme();
    if (theme == FOfficeTheme)
        return;
    static const TQLXStyle styles[] = {tsOffice2003Blue,  tsOffice2003Silver, tsOffice2003Olive, tsOffice2003Classic,
                                       tsOffice2007Luna,  tsOffice2007Silver, tsOffice2007Obsidian,
                                       tsOffice2010Blue,  tsOffice2010Silver, tsOffice2010Black};
    if (theme != otUnknown)
        SetComponentStyle(styles[theme]);
    FOfficeTheme = theme;
}
