#pragma once
// The glyphs of the editors' add, remove and modify buttons and menu
// items, drawn in code on a fuchsia ground (the transparent colour).
class TBitmap;
class TImageList;
class TLbButton;

enum TGlyph_Kind { gkAdd, gkRemove, gkModify };

// Makes Bitmap a 24 x 24 glyph of Kind.
void Draw_Button_Glyph(TBitmap* Bitmap, TGlyph_Kind Kind);
void Set_Button_Glyph(TLbButton* Button, TGlyph_Kind Kind);
// Adds the three glyphs in the order add, remove, modify.
void Add_Button_Glyphs(TImageList* Images);
