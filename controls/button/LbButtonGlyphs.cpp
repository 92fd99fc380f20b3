// The button's built-in bitmaps, drawn from character maps in the 16
// classic colours. Kind strips hold two cells: the picture and its
// embossed disabled form. Olive is the background of every map, so the
// lower-left pixel of each cell is the transparent colour.
#include "controls/button/LbButtons.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include <initializer_list>

namespace {

constexpr TColor Background = clOlive;

TColor PaletteColor(char ch)
{
    switch (ch) {
    case 'k': return clBlack;
    case 'g': return clGreen;
    case 'R': return clRed;
    case 'b': return clNavy;
    case 'B': return clBlue;
    case 't': return clTeal;
    case 'd': return clGray;
    case 's': return clSilver;
    case 'w': return clWhite;
    case 'y': return clYellow;
    }
    return Background;
}

struct GlyphMap {
    const char* Name;
    int Height;
    std::initializer_list<const char*> Rows;
};

const GlyphMap Maps[] = {
    {"LBOK", 18, {"", "", "", "             gg", "            ggg", "           ggg", "          ggg", "   gg    ggg",
                  "   ggg  ggg", "    ggg ggg", "     ggggg", "      ggg", "       g"}},
    {"LBCANCEL", 18, {"", "", "", "    RR      RR", "    RRR    RRR", "     RRR  RRR", "      RRRRRR",
                      "       RRRR", "       RRRR", "      RRRRRR", "     RRR  RRR", "    RRR    RRR",
                      "    RR      RR"}},
    {"LBHELP", 18, {"", "", "      BBBBBB", "     BBB  BBB", "     BB    BB", "           BB", "          BBB",
                    "         BBB", "        BBB", "        BB", "        BB", "", "        BB", "        BB"}},
    {"LBYES", 18, {"", "", "", "             tt", "            ttt", "           ttt", "          ttt",
                   "   tt    ttt", "   ttt  ttt", "    ttt ttt", "     ttttt", "      ttt", "       t"}},
    {"LBNO", 18, {"", "      RRRRR", "    RR     RR", "   R         R", "  R         RR", "  R        R R",
                  " R        R   R", " R       R    R", " R      R     R", " R     R      R", " R    R       R",
                  "  R  R       R", "  R R        R", "   RR       R", "    RR     RR", "      RRRRR"}},
    {"LBCLOSE", 18, {"", "    kkkkkkkkk", "    k       k", "    k ddddd k", "    k ddddd k", "    k ddddd k",
                     "    k ddddd k", "    k ddddd k", "    k ddkdd k", "    k ddddd k", "    k ddddd k",
                     "    k ddddd k", "    k ddddd k", "    k ddddd k", "    kkkkkkkkk"}},
    {"LBABORT", 18, {"", "", "      RRRRRR", "     RRRRRRRR", "    RRRRRRRRRR", "   RRRRRRRRRRRR",
                     "   RRRRRRRRRRRR", "   RRwwwwwwwwRR", "   RRwwwwwwwwRR", "   RRRRRRRRRRRR",
                     "   RRRRRRRRRRRR", "    RRRRRRRRRR", "     RRRRRRRR", "      RRRRRR"}},
    {"LBRETRY", 18, {"", "", "       gggg", "     gg    gg g", "    g        gg", "   g        ggg", "   g",
                     "  g", "  g", "  g", "   g         g", "   g        g", "    g      g", "     gg  gg",
                     "       gg"}},
    {"LBIGNORE", 18, {"", "", "", "             kk", "         b   kk", "         bb  kk", "         bbb kk",
                      "  bbbbbbbbbbbkk", "  bbbbbbbbbbbkk", "         bbb kk", "         bb  kk", "         b   kk",
                      "             kk"}},
    {"LBALL", 19, {"", "              gg", "             ggg", "            ggg", "           ggg",
                   "  gg      ggg", "  ggg    ggg", "   ggg  ggg", "    gggggg", "     gggg", "      gg",
                   "              gg", "             ggg", "  gg        ggg", "  ggg      ggg", "   ggg    ggg",
                   "    gggggggg", "     gggggg"}},
    {"LBARROW", 3, {"kkkkk", " kkk", "  k"}},
};

bool Painted(const char* row, int x)
{
    for (int i = 0; i <= x; ++i)
        if (row[i] == '\0')
            return false;
    return row[x] != ' ';
}

void DrawMap(TCanvas* c, const GlyphMap& map, int left, int width)
{
    int y = 0;
    for (const char* row : map.Rows) {
        for (int x = 0; x < width; ++x)
            if (Painted(row, x))
                c->SetPixels(left + x, y, PaletteColor(row[x]));
        ++y;
    }
}

// The disabled cell: every painted pixel becomes grey over a white copy
// moved one pixel down and right.
void DrawEmbossed(TCanvas* c, const GlyphMap& map, int left, int width)
{
    for (TColor colour : {clWhite, clGray}) {
        const int shift = colour == clWhite ? 1 : 0;
        int y = 0;
        for (const char* row : map.Rows) {
            for (int x = 0; x < width; ++x)
                if (Painted(row, x) && x + shift < width && y + shift < map.Height - 1)
                    c->SetPixels(left + x + shift, y + shift, colour);
            ++y;
        }
    }
}

} // namespace

bool LoadLbButtonBitmap(const QString& Name, TBitmap* Bitmap)
{
    for (const GlyphMap& map : Maps) {
        if (Name != QLatin1String(map.Name))
            continue;
        const bool arrow = Name == QLatin1String("LBARROW");
        const int cell = arrow ? 5 : 18;
        const int cells = arrow ? 1 : 2;
        Bitmap->SetSize(cell * cells, map.Height);
        TCanvas* c = Bitmap->Canvas();
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(Background);
        c->FillRect(Rect(0, 0, cell * cells, map.Height));
        DrawMap(c, map, 0, cell);
        if (!arrow)
            DrawEmbossed(c, map, cell, cell);
        Bitmap->SetTransparentMode(tmAuto);
        return true;
    }
    return false;
}
