#pragma once
// The grid library's own bitmaps by name, drawn from character maps. The
// lower-left and top-left pixels of each are olive, the transparent colour,
// except in the opaque ones.
//   "SGLEAFCLOSE", "SGLEAFOPEN": the node glyphs (plus and minus in a box);
//   "XPNODEC", "XPNODEO": the same in the rounded XP look;
//   "SGCHK01".."SGCHK08": 15 x 15 check boxes (checked, unchecked, then
//   the two disabled), 01-04 the QLX look and 05-08 the XP look; opaque;
//   "SGRAD01".."SGRAD08": 10 x 10 radio buttons in the same order;
//   "metrocheckon", "metrocheckoff", "metroradioon", "metroradiooff": the
//   flat look of colour tones; "SGFILT": the filter button.
//   "SGARDOWN", "SGARUP" (and grey "...D"): the search bar's find arrows;
//   "RIZEZERO" (hot "...H", down "...D"): its close cross; "SGHI",
//   "SGHID": its highlight marker.
#include <QString>

class TBitmap;

// False, and Bitmap untouched, for an unknown name.
bool LoadGridBitmap(const QString& Name, TBitmap* Bitmap);
