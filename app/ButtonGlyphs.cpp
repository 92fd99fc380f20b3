#include "app/ButtonGlyphs.h"
#include "controls/button/LbButton.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"

namespace {

constexpr int Size = 24;
constexpr TColor Ground = 0xFF00FF;

} // namespace

void Draw_Button_Glyph(TBitmap* Bitmap, TGlyph_Kind Kind)
{
    Bitmap->SetSize(Size, Size);
    TCanvas* c = Bitmap->Canvas();
    c->Brush()->SetColor(Ground);
    c->FillRect(Rect(0, 0, Size, Size));
    c->Pen()->SetColor(clBlack);
    switch (Kind) {
    case gkAdd:
        c->Brush()->SetColor(0x30A030);
        c->Polygon({Point(9, 3), Point(14, 3), Point(14, 9), Point(20, 9), Point(20, 14), Point(14, 14),
                    Point(14, 20), Point(9, 20), Point(9, 14), Point(3, 14), Point(3, 9), Point(9, 9)});
        break;
    case gkRemove:
        c->Brush()->SetColor(0x2020D0);
        c->Rectangle(3, 9, 21, 15);
        break;
    case gkModify:
        // A pencil from the bottom left to the top right.
        c->Brush()->SetColor(0x20B0E0);
        c->Polygon({Point(3, 20), Point(5, 14), Point(16, 3), Point(20, 7), Point(9, 18)});
        c->Brush()->SetColor(0x404040);
        c->Polygon({Point(3, 20), Point(4, 17), Point(6, 19)});
        break;
    }
}

void Set_Button_Glyph(TLbButton* Button, TGlyph_Kind Kind)
{
    TBitmap glyph;
    Draw_Button_Glyph(&glyph, Kind);
    Button->SetGlyph(&glyph);
}

void Add_Button_Glyphs(TImageList* Images)
{
    for (TGlyph_Kind kind : {gkAdd, gkRemove, gkModify}) {
        TBitmap glyph;
        Draw_Button_Glyph(&glyph, kind);
        Images->AddMasked(&glyph, Ground);
    }
}
