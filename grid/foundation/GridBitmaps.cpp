#include "grid/foundation/GridBitmaps.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include <initializer_list>

namespace {

constexpr TColor Background = clOlive;

TColor PaletteColor(char ch)
{
    switch (ch) {
    case 'k': return clBlack;
    case 'd': return clGray;
    case 's': return clSilver;
    case 'w': return clWhite;
    case 'b': return clNavy;
    case 'l': return 0xF0E0D0;
    case 'x': return 0x85511C;
    case 'g': return 0x21A121;
    case 'r': return clRed;
    case 'm': return 0x0000C0;
    case 'y': return clYellow;
    }
    return Background;
}

struct TBitmapMap {
    const char* Name;
    int Width;
    std::initializer_list<const char*> Rows;
};

const TBitmapMap Maps[] = {
    {"SGLEAFCLOSE", 11, {"", " ddddddddd", " dwwwwwwwd", " dwwwkwwwd", " dwwwkwwwd", " dwkkkkkwd", " dwwwkwwwd",
                         " dwwwkwwwd", " dwwwwwwwd", " ddddddddd", ""}},
    {"SGLEAFOPEN", 11, {"", " ddddddddd", " dwwwwwwwd", " dwwwwwwwd", " dwwwwwwwd", " dwkkkkkwd", " dwwwwwwwd",
                        " dwwwwwwwd", " dwwwwwwwd", " ddddddddd", ""}},
    {"XPNODEC", 11, {"", "  bbbbbbb", " bwwwwwwwb", " bwwwkwwwb", " bwwwkwwwb", " bwkkkkkwb", " blllklllb",
                     " blllklllb", " blllllllb", "  bbbbbbb", ""}},
    {"XPNODEO", 11, {"", "  bbbbbbb", " bwwwwwwwb", " bwwwwwwwb", " bwwwwwwwb", " bwkkkkkwb", " blllllllb",
                     " blllllllb", " blllllllb", "  bbbbbbb", ""}},    {"SGCHK01", 15, {"bbbbbbbbbbbbbbb", "bwwwwwwwwwwwwwb", "bwwwwwwwwwwwwwb", "bwwwwwwwwwwkwwb", "bwwwwwwwwwkkwwb", "bwwwwwwwwkkkwwb", "bwwkwwwwkkkwwwb", "bwwkkwwkkkwwwwb", "bwwkkkkkkwwwwwb", "bwwwkkkkwwwwwwb", "bwwwwkkwwwwwwwb", "bwwwwwwwwwwwwwb", "bwwwwwwwwwwwwwb", "bwwwwwwwwwwwwwb", "bbbbbbbbbbbbbbb"}},
    {"SGCHK02", 15, {"bbbbbbbbbbbbbbb", "bwwwwwwwwwwwwwb", "bwwwwwwwwwwwwwb", "bwwwwwwwwwwwwwb", "bwwwwwwwwwwwwwb", "bwwwwwwwwwwwwwb", "bwwwwwwwwwwwwwb", "bwwwwwwwwwwwwwb", "bwwwwwwwwwwwwwb", "bwwwwwwwwwwwwwb", "bwwwwwwwwwwwwwb", "bwwwwwwwwwwwwwb", "bwwwwwwwwwwwwwb", "bwwwwwwwwwwwwwb", "bbbbbbbbbbbbbbb"}},
    {"SGCHK03", 15, {"ddddddddddddddd", "dsssssssssssssd", "dsssssssssssssd", "dssssssssssdssd", "dsssssssssddssd", "dssssssssdddssd", "dssdssssdddsssd", "dssddssdddssssd", "dssddddddsssssd", "dsssddddssssssd", "dssssddsssssssd", "dsssssssssssssd", "dsssssssssssssd", "dsssssssssssssd", "ddddddddddddddd"}},
    {"SGCHK04", 15, {"ddddddddddddddd", "dsssssssssssssd", "dsssssssssssssd", "dsssssssssssssd", "dsssssssssssssd", "dsssssssssssssd", "dsssssssssssssd", "dsssssssssssssd", "dsssssssssssssd", "dsssssssssssssd", "dsssssssssssssd", "dsssssssssssssd", "dsssssssssssssd", "dsssssssssssssd", "ddddddddddddddd"}},
    {"SGCHK05", 15, {"xxxxxxxxxxxxxxx", "xlllllllllllllx", "xlllllllllllllx", "xllllllllllgllx", "xlllllllllggllx", "xllllllllgggllx", "xllgllllggglllx", "xllggllgggllllx", "xllgggggglllllx", "xlllggggllllllx", "xllllgglllllllx", "xlllllllllllllx", "xlllllllllllllx", "xlllllllllllllx", "xxxxxxxxxxxxxxx"}},
    {"SGCHK06", 15, {"xxxxxxxxxxxxxxx", "xlllllllllllllx", "xlllllllllllllx", "xlllllllllllllx", "xlllllllllllllx", "xlllllllllllllx", "xlllllllllllllx", "xlllllllllllllx", "xlllllllllllllx", "xlllllllllllllx", "xlllllllllllllx", "xlllllllllllllx", "xlllllllllllllx", "xlllllllllllllx", "xxxxxxxxxxxxxxx"}},
    {"SGCHK07", 15, {"ddddddddddddddd", "dsssssssssssssd", "dsssssssssssssd", "dssssssssssdssd", "dsssssssssddssd", "dssssssssdddssd", "dssdssssdddsssd", "dssddssdddssssd", "dssddddddsssssd", "dsssddddssssssd", "dssssddsssssssd", "dsssssssssssssd", "dsssssssssssssd", "dsssssssssssssd", "ddddddddddddddd"}},
    {"SGCHK08", 15, {"ddddddddddddddd", "dsssssssssssssd", "dsssssssssssssd", "dsssssssssssssd", "dsssssssssssssd", "dsssssssssssssd", "dsssssssssssssd", "dsssssssssssssd", "dsssssssssssssd", "dsssssssssssssd", "dsssssssssssssd", "dsssssssssssssd", "dsssssssssssssd", "dsssssssssssssd", "ddddddddddddddd"}},
    {"SGRAD01", 10, {"   bbbb", "  bbwwbb", " bwwwwwwb", "bbwwkkwwbb", "bwwkkkkwwb", "bwwkkkkwwb", "bbwwkkwwbb", " bwwwwwwb", "  bbwwbb", "   bbbb"}},
    {"SGRAD02", 10, {"   bbbb", "  bbwwbb", " bwwwwwwb", "bbwwwwwwbb", "bwwwwwwwwb", "bwwwwwwwwb", "bbwwwwwwbb", " bwwwwwwb", "  bbwwbb", "   bbbb"}},
    {"SGRAD03", 10, {"   dddd", "  ddssdd", " dssssssd", "ddssddssdd", "dssddddssd", "dssddddssd", "ddssddssdd", " dssssssd", "  ddssdd", "   dddd"}},
    {"SGRAD04", 10, {"   dddd", "  ddssdd", " dssssssd", "ddssssssdd", "dssssssssd", "dssssssssd", "ddssssssdd", " dssssssd", "  ddssdd", "   dddd"}},
    {"SGRAD05", 10, {"   xxxx", "  xxllxx", " xllllllx", "xxllggllxx", "xllggggllx", "xllggggllx", "xxllggllxx", " xllllllx", "  xxllxx", "   xxxx"}},
    {"SGRAD06", 10, {"   xxxx", "  xxllxx", " xllllllx", "xxllllllxx", "xllllllllx", "xllllllllx", "xxllllllxx", " xllllllx", "  xxllxx", "   xxxx"}},
    {"SGRAD07", 10, {"   dddd", "  ddssdd", " dssssssd", "ddssddssdd", "dssddddssd", "dssddddssd", "ddssddssdd", " dssssssd", "  ddssdd", "   dddd"}},
    {"SGRAD08", 10, {"   dddd", "  ddssdd", " dssssssd", "ddssssssdd", "dssssssssd", "dssssssssd", "ddssssssdd", " dssssssd", "  ddssdd", "   dddd"}},
    {"metrocheckon", 15, {"ddddddddddddddd", "ddddddddddddddd", "ddddddddddddddd", "dddddddddddwddd", "ddddddddddwwddd", "dddddddddwwwddd", "dddwddddwwwdddd", "dddwwddwwwddddd", "dddwwwwwwdddddd", "ddddwwwwddddddd", "dddddwwdddddddd", "ddddddddddddddd", "ddddddddddddddd", "ddddddddddddddd", "ddddddddddddddd"}},
    {"metrocheckoff", 15, {"ddddddddddddddd", "dwwwwwwwwwwwwwd", "dwwwwwwwwwwwwwd", "dwwwwwwwwwwwwwd", "dwwwwwwwwwwwwwd", "dwwwwwwwwwwwwwd", "dwwwwwwwwwwwwwd", "dwwwwwwwwwwwwwd", "dwwwwwwwwwwwwwd", "dwwwwwwwwwwwwwd", "dwwwwwwwwwwwwwd", "dwwwwwwwwwwwwwd", "dwwwwwwwwwwwwwd", "dwwwwwwwwwwwwwd", "ddddddddddddddd"}},
    {"metroradioon", 10, {"   dddd", "  ddwwdd", " dwwwwwwd", "ddwwddwwdd", "dwwddddwwd", "dwwddddwwd", "ddwwddwwdd", " dwwwwwwd", "  ddwwdd", "   dddd"}},
    {"metroradiooff", 10, {"   dddd", "  ddwwdd", " dwwwwwwd", "ddwwwwwwdd", "dwwwwwwwwd", "dwwwwwwwwd", "ddwwwwwwdd", " dwwwwwwd", "  ddwwdd", "   dddd"}},
    {"SGFILT", 12, {"", " kkkkkkkkkk", " kwwwwwwwwk", "  kwwwwwwk", "   kwwwwk", "    kwwk", "    kwwk", "    kwwk", "    kwwk", "    kkkk", "", ""}},
    // The search bar: find next and previous, close (hot, down), highlight.
    {"SGARDOWN", 12, {"", "    kkkk", "    kkkk", "    kkkk", "    kkkk", " kkkkkkkkkk", "  kkkkkkkk", "   kkkkkk", "    kkkk", "     kk", "", ""}},
    {"SGARDOWND", 12, {"", "    dddd", "    dddd", "    dddd", "    dddd", " dddddddddd", "  dddddddd", "   dddddd", "    dddd", "     dd", "", ""}},
    {"SGARUP", 12, {"", "", "     kk", "    kkkk", "   kkkkkk", "  kkkkkkkk", " kkkkkkkkkk", "    kkkk", "    kkkk", "    kkkk", "    kkkk", ""}},
    {"SGARUPD", 12, {"", "", "     dd", "    dddd", "   dddddd", "  dddddddd", " dddddddddd", "    dddd", "    dddd", "    dddd", "    dddd", ""}},
    {"RIZEZERO", 12, {"", " dd      dd", "  dd    dd", "   dd  dd", "    dddd", "     dd", "    dddd", "   dd  dd", "  dd    dd", " dd      dd", "", ""}},
    {"RIZEZEROH", 12, {"", " rr      rr", "  rr    rr", "   rr  rr", "    rrrr", "     rr", "    rrrr", "   rr  rr", "  rr    rr", " rr      rr", "", ""}},
    {"RIZEZEROD", 12, {"", " mm      mm", "  mm    mm", "   mm  mm", "    mmmm", "     mm", "    mmmm", "   mm  mm", "  mm    mm", " mm      mm", "", ""}},
    {"SGHI", 12, {"", "        kk", "       kyyk", "      kyyk", "     kyyk", "    kyyk", "   kyyk", "  kkyk", "  kkk", " yyyyyyyyy", "", ""}},
    {"SGHID", 12, {"", "        dd", "       dssd", "      dssd", "     dssd", "    dssd", "   dssd", "  ddsd", "  ddd", " sssssssss", "", ""}},
};

} // namespace

bool LoadGridBitmap(const QString& Name, TBitmap* Bitmap)
{
    for (const TBitmapMap& map : Maps) {
        if (Name != QLatin1String(map.Name))
            continue;
        const int h = int(map.Rows.size());
        Bitmap->SetSize(map.Width, h);
        TCanvas* c = Bitmap->Canvas();
        c->Brush()->SetColor(Background);
        c->FillRect(TRect{0, 0, map.Width, h});
        int y = 0;
        for (const char* row : map.Rows) {
            for (int x = 0; row[x] && x < map.Width; ++x)
                if (row[x] != ' ')
                    c->SetPixels(x, y, PaletteColor(row[x]));
            ++y;
        }
        return true;
    }
    return false;
}
