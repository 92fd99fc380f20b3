#pragma once
// The flat look the combo and date editors draw over their native control:
// a one-pixel state frame, a flat face over the native drop button or a
// drop button of their own, and an optional label attached beside the
// editor. Each editor keeps a TFlatLook and says when the routines run.
// The routines draw with window coordinates on any device context.
#include "platform/controls/Messages.h"
#include "platform/graphics/Canvas.h"

class TCustomLabel;
class TFont;
class TWinControl;

// Where an attached label stands. The last value is spelled so.
enum TLabelPosition {
    lpLeftTop, lpLeftCenter, lpLeftBottom, lpTopLeft, lpBottomLeft, lpLeftTopLeft, lpLeftCenterLeft,
    lpLeftBottomLeft, lpTopCenter, lpBottomCenter, lpRightTop, lpRightCenter, lpRighBottom, lpTopRight, lpBottomRight
};

// The fields the three editors share.
struct TFlatLook {
    TColor BorderColor = clNone;
    // Frame colour while the control has the focus.
    TColor FocusBorderColor = clNone;
    // A sunken frame while the control is hot.
    bool FocusBorder = false;
    // False: a disabled control under an active theme gets the disabled frame colour.
    bool DisabledBorder = false;
    bool HasFocus = false;
    bool MouseInControl = false;
    // The mouse is over the drop-button strip.
    bool ButtonHover = false;
    // Width of the drop-button strip at the right edge.
    int ButtonWidth = 0;
    // Common controls newer than version 5.
    bool IsThemed = false;
    // Under an active theme no flat face over the native button; mouse
    // enter and leave repaint the whole control.
    bool IsWinXP = false;
    // Own drop button: fill (clNone: none), arrow and separator colours.
    TColor ButtonColor = clNone;
    TColor ButtonColorHot = clNone;
    TColor ButtonColorDown = clNone;
    TColor ButtonTextColor = clNone;
    TColor ButtonTextColorHot = clNone;
    TColor ButtonTextColorDown = clNone;
    TColor ButtonBorderColor = clNone;
};

// Width of the system vertical scroll bar; drop-button strips start at it + 2.
constexpr int SystemVScrollWidth = 17;

enum TFlatEditorKind { fekCombo, fekDatePicker };

// The control's state at the moment of drawing.
struct TFlatPaintState {
    TFlatEditorKind Kind = fekCombo;
    // The control's window (for theme data); may be nullptr.
    void* Window = nullptr;
    int Width = 0;
    int Height = 0;
    bool Enabled = true;
    bool Designing = false;
    // The control is the screen's active control.
    bool Active = false;
    // The drop-down list or calendar is open.
    bool DroppedDown = false;
    TColor Color = clWindow;
    TColor ParentColor = clBtnFace;
    // Combo only: the flat look and its bottom line.
    bool Flat = false;
    TColor FlatLineColor = clNone;
};

// Conditions
// IsThemed and an active visual style.
bool FlatThemedNow(const TFlatLook& Look);
bool FlatHot(const TFlatLook& Look, const TFlatPaintState& S);
bool FlatSunken(const TFlatLook& Look, const TFlatPaintState& S);
// The left or right mouse button is down now.
bool FlatMouseButtonDown();

// The state frame around the whole window.
void PaintFlatFrame(HDC DC, const TFlatLook& Look, const TFlatPaintState& S);
// The flat face over the native drop button; excludes it from DC's clipping.
void PaintButtonFace(HDC DC, const TFlatLook& Look, const TFlatPaintState& S);
// The own drop button (coloured, themed or classic); excludes the strip
// from DC's clipping.
void PaintDropButton(HDC DC, const TFlatLook& Look, const TFlatPaintState& S);
// The date pickers' single-line border over the native one. BorderNone:
// the border style is none; ParentColor clNone: no parent.
void PaintSingleBorder(HDC DC, const TFlatLook& Look, int Width, int Height, bool BorderNone, TColor ParentColor);

// Hover tracking: the mouse at X is over the strip (W - ButtonWidth < X < W).
// True when ButtonHover changed.
bool TrackButtonHover(TFlatLook& Look, int X, int Width);

// Label placement
// The label's top-left for an editor at Editor (parent coordinates); Tw is
// the caption's width, Lw and Lh the label's size, Margin the distance.
TPoint LabelOrigin(TLabelPosition Position, const TRect& Editor, int Margin, int Tw, int Lw, int Lh);
// Width of Caption in Font as a calculate-only DrawText (hidden prefix,
// bounds 1000 x 255) or, with PlainWidth, as the plain text width.
int LabelCaptionWidth(const QString& Caption, TFont* Font, bool PlainWidth);
// Places Label beside Editor: transparency and font first (Font nullptr:
// keep the label's), then the position, then the editor's visibility.
void PlaceLabel(TCustomLabel* Label, TWinControl* Editor, TLabelPosition Position, int Margin, bool Transparent,
                TFont* Font, bool PlainWidth);
