#pragma once
// Classic 3-D frame drawing: edges, frame controls, focus rectangles and
// gradient fills, in the system colours.
#include "platform/graphics/Canvas.h"

// DrawEdge
constexpr unsigned BDR_RAISEDOUTER = 0x1;
constexpr unsigned BDR_SUNKENOUTER = 0x2;
constexpr unsigned BDR_RAISEDINNER = 0x4;
constexpr unsigned BDR_SUNKENINNER = 0x8;
constexpr unsigned BDR_OUTER = 0x3;
constexpr unsigned BDR_INNER = 0xC;
constexpr unsigned BDR_RAISED = 0x5;
constexpr unsigned BDR_SUNKEN = 0xA;
constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr unsigned EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;

constexpr unsigned BF_LEFT = 0x1;
constexpr unsigned BF_TOP = 0x2;
constexpr unsigned BF_RIGHT = 0x4;
constexpr unsigned BF_BOTTOM = 0x8;
constexpr unsigned BF_TOPLEFT = BF_TOP | BF_LEFT;
constexpr unsigned BF_TOPRIGHT = BF_TOP | BF_RIGHT;
constexpr unsigned BF_BOTTOMLEFT = BF_BOTTOM | BF_LEFT;
constexpr unsigned BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT;
constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr unsigned BF_DIAGONAL = 0x10;
constexpr unsigned BF_MIDDLE = 0x800;
constexpr unsigned BF_SOFT = 0x1000;
constexpr unsigned BF_ADJUST = 0x2000;
constexpr unsigned BF_FLAT = 0x4000;
constexpr unsigned BF_MONO = 0x8000;

// Draws the edges of Rect; with BF_ADJUST Rect shrinks to the inside.
bool DrawEdge(HDC DC, TRect* Rect, unsigned Edge, unsigned Flags);
inline bool DrawEdge(HDC DC, TRect& Rect, unsigned Edge, unsigned Flags) { return DrawEdge(DC, &Rect, Edge, Flags); }

// DrawFrameControl types and states
constexpr unsigned DFC_CAPTION = 1;
constexpr unsigned DFC_MENU = 2;
constexpr unsigned DFC_SCROLL = 3;
constexpr unsigned DFC_BUTTON = 4;
constexpr unsigned DFC_POPUPMENU = 5;

constexpr unsigned DFCS_CAPTIONCLOSE = 0x0;
constexpr unsigned DFCS_CAPTIONMIN = 0x1;
constexpr unsigned DFCS_CAPTIONMAX = 0x2;
constexpr unsigned DFCS_CAPTIONRESTORE = 0x3;
constexpr unsigned DFCS_CAPTIONHELP = 0x4;

constexpr unsigned DFCS_SCROLLUP = 0x0;
constexpr unsigned DFCS_SCROLLDOWN = 0x1;
constexpr unsigned DFCS_SCROLLLEFT = 0x2;
constexpr unsigned DFCS_SCROLLRIGHT = 0x3;
constexpr unsigned DFCS_SCROLLCOMBOBOX = 0x5;
constexpr unsigned DFCS_SCROLLSIZEGRIP = 0x8;

constexpr unsigned DFCS_BUTTONCHECK = 0x0;
constexpr unsigned DFCS_BUTTONRADIOIMAGE = 0x1;
constexpr unsigned DFCS_BUTTONRADIOMASK = 0x2;
constexpr unsigned DFCS_BUTTONRADIO = 0x4;
constexpr unsigned DFCS_BUTTON3STATE = 0x8;
constexpr unsigned DFCS_BUTTONPUSH = 0x10;

constexpr unsigned DFCS_INACTIVE = 0x100;
constexpr unsigned DFCS_PUSHED = 0x200;
constexpr unsigned DFCS_CHECKED = 0x400;
constexpr unsigned DFCS_TRANSPARENT = 0x800;
constexpr unsigned DFCS_HOT = 0x1000;
constexpr unsigned DFCS_ADJUSTRECT = 0x2000;
constexpr unsigned DFCS_FLAT = 0x4000;
constexpr unsigned DFCS_MONO = 0x8000;

// Draws a classic button, check box, radio button, scroll or combo arrow.
bool DrawFrameControl(HDC DC, TRect* Rect, unsigned Type, unsigned State);
inline bool DrawFrameControl(HDC DC, TRect& Rect, unsigned Type, unsigned State) { return DrawFrameControl(DC, &Rect, Type, State); }

// Dotted frame drawn with XOR; drawing it twice leaves the image unchanged.
bool DrawFocusRect(HDC DC, const TRect& Rect);

// GradientFill
constexpr unsigned GRADIENT_FILL_RECT_H = 0;
constexpr unsigned GRADIENT_FILL_RECT_V = 1;
constexpr unsigned GRADIENT_FILL_TRIANGLE = 2;

// A vertex: position and 16-bit colour channels (the high byte counts).
struct TRIVERTEX {
    int x = 0;
    int y = 0;
    unsigned short Red = 0;
    unsigned short Green = 0;
    unsigned short Blue = 0;
    unsigned short Alpha = 0;
};
struct GRADIENT_RECT {
    unsigned UpperLeft = 0;
    unsigned LowerRight = 0;
};
struct GRADIENT_TRIANGLE {
    unsigned Vertex1 = 0;
    unsigned Vertex2 = 0;
    unsigned Vertex3 = 0;
};

// Mesh points to GRADIENT_RECT (rect modes) or GRADIENT_TRIANGLE entries.
bool GradientFill(HDC DC, const TRIVERTEX* Vertices, unsigned VertexCount, const void* Mesh,
                  unsigned MeshCount, unsigned Mode);
// Fills Rect from StartColor to EndColor, left to right (Horizontal) or top
// to bottom, one band per pixel column or row.
void GradientFillRect(TCanvas* Canvas, const TRect& Rect, TColor StartColor, TColor EndColor,
                      bool Horizontal);
