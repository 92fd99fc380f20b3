#pragma once
// Shared by the object streams of the grid (cell stream, column stream):
// the identifier names of the enumerations and sets they store, and
// colours as the stream writes them. Not part of the public surface.
#include "grid/features/GridStreamCodec.h"
#include "platform/graphics/Color.h"
#include <QStringList>

namespace GridFiles {

extern const QStringList AlignmentNames;
extern const QStringList FontStyleNames;
extern const QStringList EditorNames;

// A named colour as its identifier ("clWindow"), any other as an integer.
TStreamValue ColorValue(TColor C);

} // namespace GridFiles
