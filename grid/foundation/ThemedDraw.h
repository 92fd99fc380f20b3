#pragma once
// Small helpers over the grid units' visual-styles binding (ProXPVS).
#include "platform/graphics/Canvas.h"
#include <QString>

// The binding is loaded and reports an active visual style.
bool ThemeActiveNow();
// Opens theme data of ClassName for Window, draws Part in State over Rect
// and closes the data; false (nothing drawn) when no theme data opens.
bool DrawThemedPart(void* Window, const QString& ClassName, HDC DC, int Part, int State, const TRect& Rect);
// The common-controls library is newer than version 5 (a file without a
// version counts as newer).
bool ComCtlAbove5();
