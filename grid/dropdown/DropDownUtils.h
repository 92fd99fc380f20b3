#pragma once
// Routines the drop-down classes share.
#include "platform/graphics/Color.h"
#include "platform/rtl/Types.h"

class TCanvas;

// Fills R with Steps bands (0 taken as 1) from FromColor to ToColor; with
// Direction the bands run across the width (left to right), else down the
// height; a negative Steps draws nothing. Band n has each channel From + Round(n * (To - From) / Steps).
// Note: neighbouring bands overlap by one pixel, and the last band reaches
// one pixel past the rectangle when the extent does not divide evenly.
void DrawGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R, bool Direction);
