#pragma once
// RenderHTMLText: lays out, draws and hit-tests a mini-markup text in a
// rectangle of a canvas. Each line is measured first, then drawn (or
// measured again for a hit test), so alignment applies before drawing.
#include "platform/controls/Messages.h"
#include "platform/graphics/Color.h"
#include "platform/rtl/Types.h"
#include <QString>

class TCanvas;
class TCustomImageList;
class THTMLPictureCache;
class TPictureContainer;

// Canvas: its font, pen and brush are the starting state and come back
// afterwards. Mouse coordinates are those of Bounds.
// FocusAnchorIndex: 0-based hyperlink drawn with a focus rectangle (-1 none);
// HoverAnchorNumber: 1-based hyperlink drawn hovered (0 none).
// HitTestOnly: the second pass of each line hit-tests instead of drawing,
// and the form-control element whose ID equals ControlID counts as hit.
// MeasureOnly: only the extents, anchor count and plain text are filled.
// HoverBackColor / HoverTextColor: clNone for none.
// BiDiMode: 0 left to right, 1 right to left, 2 right to left without
// alignment change, 3 right-to-left reading only.
// Returns true when the mouse is on a hyperlink (hit test), on an image
// inside a hyperlink or on a form-control element.
// Note: LinkAtMouse and AnchorRect keep the caller's values unless a hit
// sets them.
bool RenderHTMLText(TCanvas* Canvas, const QString& Text, const TRect& Bounds, TCustomImageList* Images,
                    int MouseX, int MouseY, int FocusAnchorIndex, int HoverAnchorNumber, int ShadowOffset,
                    bool HitTestOnly, bool MeasureOnly, bool Printing, bool SelectedMode, bool BlinkOn,
                    bool HoverOnly, bool WrapWords, bool MouseDown, double PrintScale, TColor LinkColor,
                    TColor HoverBackColor, TColor HoverTextColor, TColor ShadowColor, QString& LinkAtMouse,
                    QString& PlainText, QString& FocusLink, QString& TitleAtMouse, int& ExtentX, int& ExtentY,
                    int& AnchorCount, int& AnchorAtMouse, TRect& AnchorRect, TRect& ControlRect,
                    QString& ControlID, QString& ControlValue, QString& ControlType,
                    THTMLPictureCache* PictureCache, TPictureContainer* PictureContainer, HWND WindowHandle,
                    int BiDiMode);

// Background and text colour of the highlight tag ("<HI>"); initially the
// system highlight colours.
void SetHTMLHighlightColors(TColor Background, TColor Text);
