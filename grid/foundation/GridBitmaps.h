#pragma once
// The grid library's own bitmaps by name, drawn from character maps. The
// lower-left and top-left pixels of each are olive, the transparent colour.
//   "SGLEAFCLOSE", "SGLEAFOPEN": the node glyphs (plus and minus in a box);
//   "XPNODEC", "XPNODEO": the same in the rounded XP look;
//   "SGARDOWN", "SGARUP" (and grey "...D"): the search bar's find arrows;
//   "RIZEZERO" (hot "...H", down "...D"): its close cross; "SGHI",
//   "SGHID": its highlight marker.
#include <QString>

class TBitmap;

// False, and Bitmap untouched, for an unknown name.
bool LoadGridBitmap(const QString& Name, TBitmap* Bitmap);
