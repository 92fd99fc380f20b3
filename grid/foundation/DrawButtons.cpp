// The button routines of DrawUtils.h: drop-down, push and spin buttons in
// their themed, classic, flat and colour-tone looks.
#include "grid/foundation/DrawUtils.h"
#include "grid/foundation/ThemeBinding.h"
#include "platform/graphics/Frames.h"

namespace {

const TColorTone& StateTone(const TColorTones& Tones, int State)
{
    switch (State) {
    case bsHotState:
        return Tones.Hover;
    case bsDownState:
        return Tones.Selected;
    case bsDisabledState:
        return Tones.Disabled;
    default:
        return Tones.Background;
    }
}

// Draws the parts through the window's visual style; false when no style
// can be opened, so the caller draws the classic look instead.
struct TThemedPart {
    int Part;
    int State;
    TRect Rect;
};

bool DrawThemed(TCanvas* Canvas, HWND Window, const QString& ClassName, std::initializer_list<TThemedPart> Parts)
{
    if (!ProXPVS.Loaded)
        return false;
    HTHEME theme = ProXPVS.OpenThemeData(Window, ClassName);
    if (!theme)
        return false;
    for (const TThemedPart& p : Parts)
        ProXPVS.DrawThemeBackground(theme, Canvas, p.Part, p.State, &p.Rect, nullptr);
    ProXPVS.CloseThemeData(theme);
    return true;
}

unsigned FlatFlag(int Look)
{
    return Look == blFlat ? DFCS_FLAT : 0;
}

void FillFramed(TCanvas* Canvas, const TRect& Rect, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    Canvas->Brush()->SetColor(Color);
    Canvas->Rectangle(Rect);
}

void Triangle(TCanvas* Canvas, TPoint A, TPoint B, TPoint C, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    Canvas->Brush()->SetColor(Color);
    Canvas->Polygon({A, B, C});
}

} // namespace

void DrawDropDownButton(TCanvas* Canvas, HWND Window, const TRect& Rect, const TColorTones& Tones, int State,
                        int Look)
{
    TRect area{Rect.Right - 19, Rect.Top + 1, Rect.Right - 2, Rect.Bottom - 1};
    const bool disabled = State == bsDisabledState;
    if (Look == blColorTones) {
        area.Left += 3;
        FillFramed(Canvas, area, StateTone(Tones, State).BrushColor);
        Canvas->Pen()->SetColor(Tones.Background.BorderColor);
        Canvas->MoveTo(area.Left + 1, area.Top);
        Canvas->LineTo(area.Left + 1, area.Bottom);
        Triangle(Canvas, Point(area.Left + 5, area.Top + 8), Point(area.Left + 11, area.Top + 8),
                 Point(area.Left + 8, area.Top + 11), Tones.Background.TextColor);
        return;
    }
    if (Look == blThemed && DrawThemed(Canvas, Window, QStringLiteral("combobox"), {{1, disabled ? 4 : 1, area}}))
        return;
    DrawFrameControl(Canvas, area, DFC_SCROLL,
                     DFCS_SCROLLCOMBOBOX | (disabled ? DFCS_INACTIVE : 0) | FlatFlag(Look));
}

void DrawPushButton(TCanvas* Canvas, HWND Window, const TRect& Rect, const TColorTones& Tones, int State, int Look)
{
    if (Look == blColorTones) {
        const TColorTone& tone = StateTone(Tones, State);
        Canvas->Brush()->SetColor(tone.BrushColor);
        Canvas->Pen()->SetColor(tone.BorderColor);
        Canvas->Rectangle(Rect);
        return;
    }
    if (Look == blThemed && DrawThemed(Canvas, Window, QStringLiteral("button"), {{1, State + 1, Rect}}))
        return;
    unsigned flags = DFCS_BUTTONPUSH | FlatFlag(Look);
    if (State == bsHotState)
        flags |= DFCS_HOT;
    else if (State == bsDownState)
        flags |= DFCS_PUSHED;
    else if (State == bsDisabledState)
        flags |= DFCS_INACTIVE;
    TRect r = Rect;
    DrawFrameControl(Canvas, r, DFC_BUTTON, flags);
}

void DrawSpinButtons(TCanvas* Canvas, HWND Window, const TRect& Rect, const TColorTones& Tones, int State,
                     int Look)
{
    const TRect area{Rect.Right - 16, Rect.Top - 1, Rect.Right - 1, Rect.Bottom - 1};
    const int mid = area.Top + (area.Bottom - area.Top) / 2;
    TRect upper{area.Left, area.Top, area.Right, mid};
    TRect lower{area.Left, mid + 1, area.Right, area.Bottom};
    const bool disabled = State == bsDisabledState;
    if (Look == blColorTones) {
        const TColor c = StateTone(Tones, State).BrushColor;
        FillFramed(Canvas, upper, c);
        FillFramed(Canvas, lower, c);
        Triangle(Canvas, Point(upper.Left + 5, upper.Top + 5), Point(upper.Left + 9, upper.Top + 5),
                 Point(upper.Left + 7, upper.Top + 3), clBlack);
        Triangle(Canvas, Point(lower.Left + 5, lower.Top + 1), Point(lower.Left + 9, lower.Top + 1),
                 Point(lower.Left + 7, lower.Top + 3), clBlack);
        return;
    }
    const int state = disabled ? 4 : 1;
    if (Look == blThemed &&
        DrawThemed(Canvas, Window, QStringLiteral("spin"),
                   {{1, state, upper}, {2, state, TRect{area.Left, mid, area.Right, area.Bottom}}}))
        return;
    const unsigned flags = (disabled ? DFCS_INACTIVE : 0) | FlatFlag(Look);
    DrawFrameControl(Canvas, upper, DFC_SCROLL, DFCS_SCROLLUP | flags);
    DrawFrameControl(Canvas, lower, DFC_SCROLL, DFCS_SCROLLDOWN | flags);
}
