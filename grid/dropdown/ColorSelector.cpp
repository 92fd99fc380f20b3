#include "grid/dropdown/ColorSelector.h"
#include "platform/controls/Application.h"
#include "platform/controls/Image.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/SysUtils.h"

namespace {

// The cube's colours row by row, left to right.
constexpr TColor CubeColors[127] = {
    0x663300, 0x996633, 0xCC6633, 0x993300, 0x990000, 0xCC0000, 0x660000,
    0x666600, 0x996600, 0xCC9900, 0xCC6600, 0xCC3300, 0xFF0000, 0xFF3333, 0x993333,
    0x808000, 0x999900, 0xCCCC33, 0xFFCC00, 0xFF9900, 0xFF6600, 0xFF6633, 0xCC3333, 0x996666,
    0x669933, 0x99CC00, 0xCCFF00, 0xFFFF00, 0xFFCC33, 0xFF9933, 0xFF9966, 0xFF6666, 0xFF0066, 0xCC0066,
    0x339933, 0x66CC00, 0x99FF00, 0xCCFF66, 0xFFFF66, 0xFFCC66, 0xFFCC99, 0xFF9999, 0xFF6699, 0xFF3399, 0xFF0099,
    0x006600, 0x00CC00, 0x00FF00, 0x99FF66, 0xCCFF99, 0xFFFFCC, 0xFFECCC, 0xFFCCCC, 0xFF99CC, 0xFF66CC, 0xFF00CC,
    0xCC0099,
    0x003300, 0x008000, 0x33CC33, 0x66FF66, 0x99FF99, 0xCCFFCC, 0xFFFFFF, 0xFFCCFF, 0xFF99FF, 0xFF66FF, 0xFF00FF,
    0xCC00CC, 0x660066,
    0x006633, 0x009900, 0x33FF66, 0x66FF99, 0x99FFCC, 0xCCFFFF, 0xCCCCFF, 0xCC99FF, 0xCC66FF, 0xCC33FF, 0x9900CC,
    0x800080,
    0x003333, 0x009966, 0x33FF99, 0x66FFCC, 0x99FFFF, 0x99CCFF, 0x9999FF, 0x9966FF, 0x9933FF, 0x9933CC, 0x990099,
    0x336666, 0x00CC99, 0x33FFCC, 0x66FFFF, 0x66CCFF, 0x6699FF, 0x807CFF, 0x6600FF, 0x9300D6, 0x663399,
    0x008080, 0x00CCCC, 0x00FFFF, 0x00CCFF, 0x3399FF, 0x0066FF, 0x5050FF, 0x6600CC, 0x330066,
    0x336699, 0x0099CC, 0x0099FF, 0x0066CC, 0x0033FF, 0x0000FF, 0x0000CC, 0x330099,
    0x003366, 0x006699, 0x0033CC, 0x003399, 0x000099, 0x000080, 0x2100A5,
};

// The discrete selector's palette, six rows of ten.
constexpr TColor PaletteColors[6][10] = {
    {0xFFFFFF, 0x000000, 0xE1ECEE, 0x7D491F, 0xBD814F, 0x4D50C0, 0x59BB9B, 0xA26480, 0xC6AC4B, 0x4696F7},
    {0xF2F2F2, 0x7F7F7F, 0xC3D9DD, 0xDACEC2, 0xF1E5DB, 0xDBDCF2, 0xDDF1EB, 0xECE0E5, 0xF3EEDB, 0xDAEAFD},
    {0xD8D8D8, 0x595959, 0x97BDC4, 0xE2B38D, 0xE4CCB8, 0xB7B9E5, 0xBCE3D7, 0xD9C1CC, 0xE8DDB7, 0xB5D5FB},
    {0xBFBFBF, 0x3F3F3F, 0x538993, 0xD48D54, 0xD7B395, 0x9496D9, 0x9BD6C3, 0xC7A2B2, 0xDCCD92, 0x8FC0FA},
    {0xA5A5A5, 0x262626, 0x294449, 0x5D3617, 0x926036, 0x343795, 0x3C9276, 0x7A495F, 0x9B8531, 0x096CE3},
    {0x7F7F7F, 0x0C0C0C, 0x101B1D, 0x3E240F, 0x614024, 0x232463, 0x28614F, 0x51313F, 0x675820, 0x064897},
};
constexpr TItemPos PaletteRows[6] = {ipStandAlone, ipTop, ipMiddle, ipMiddle, ipMiddle, ipBottom};

constexpr int SpectrumSize = 128;

TColor Mix(TColor From, TColor To, int Step, int Steps)
{
    auto channel = [&](int a, int b) { return a + (b - a) * Step / Steps; };
    return RGB(channel(GetRValue(From), GetRValue(To)), channel(GetGValue(From), GetGValue(To)),
               channel(GetBValue(From), GetBValue(To)));
}

// The full hue of column X: red, yellow, green, cyan, blue, magenta and
// back to red across the picture.
TColor Hue(int X)
{
    const int h = X * 6 * 255 / (SpectrumSize - 1);
    const int part = std::min(h / 255, 5);
    const int f = h - part * 255;
    switch (part) {
    case 0: return RGB(255, f, 0);
    case 1: return RGB(255 - f, 255, 0);
    case 2: return RGB(0, 255, f);
    case 3: return RGB(0, 255 - f, 255);
    case 4: return RGB(f, 0, 255);
    default: return RGB(255, 0, 255 - f);
    }
}

// White in the top row, the full hues in rows 63 and 64, black at the bottom.
void PaintSpectrum(TBitmap* Bitmap)
{
    Bitmap->SetSize(SpectrumSize, SpectrumSize);
    TCanvas* c = Bitmap->Canvas();
    const int half = SpectrumSize / 2;
    for (int x = 0; x < SpectrumSize; ++x) {
        const TColor hue = Hue(x);
        for (int y = 0; y < half; ++y)
            c->SetPixels(x, y, Mix(clWhite, hue, y, half - 1));
        for (int y = half; y < SpectrumSize; ++y)
            c->SetPixels(x, y, Mix(hue, clBlack, y - half, half - 1));
    }
}

} // namespace

// Colour cube

TProColorCubePanel::TProColorCubePanel(TComponent* AOwner) : TProCustomColorSelectorPanel(AOwner)
{
    SetShowHint(true);
    InitCubeCells();
    ResetCubePanel();
}

void TProColorCubePanel::InitCubeCells()
{
    FCubeSize = TPoint{6, 3};
    int n = 0;
    for (int r = 1; r <= 13; ++r) {
        const int count = r <= 7 ? r + 6 : 20 - r;
        const int x0 = r <= 7 ? 55 - 6 * (r - 1) : 19 + 6 * (r - 7);
        for (int i = 0; i < count; ++i, ++n)
            FCubeCells[n] = {x0 + 2 * FCubeSize.X * i, 20 + 10 * (r - 1), CubeColors[n]};
    }
}

void TProColorCubePanel::ResetCubePanel()
{
    FHotCell = -1;
    SetHeight(160);
    SetWidth(182);
}

void TProColorCubePanel::SetSelectedColor(TColor Value)
{
    FSelectedColor = Value;
    FSelectedCell = -1;
    for (int i = 1; i <= 127; ++i)
        if (Cell(i).Color == Value) {
            FSelectedCell = i;
            break;
        }
}

void TProColorCubePanel::SetShowRGBHint(bool Value)
{
    FShowRGBHint = Value;
    SetShowHint(Value);
}

int TProColorCubePanel::CellAt(int X, int Y) const
{
    const int a = FCubeSize.X;
    for (int i = 1; i <= 127; ++i) {
        const int dx = Cell(i).X - X;
        const int dy = Cell(i).Y - Y;
        if (dx * dx + dy * dy <= a * a)
            return i;
    }
    return -1;
}

void TProColorCubePanel::DrawHexagon(int Index, int A, int B)
{
    const TCubeCell& c = Cell(Index);
    Canvas()->Polygon({{c.X - A, c.Y - B}, {c.X, c.Y - 2 * B}, {c.X + A, c.Y - B}, {c.X + A, c.Y + B},
                       {c.X, c.Y + 2 * B}, {c.X - A, c.Y + B}});
}

void TProColorCubePanel::DrawCell(int Index)
{
    if (Index < 1 || Index > 127)
        return;
    TCanvas* canvas = Canvas();
    const TColor color = Cell(Index).Color;
    canvas->Pen()->SetColor(color);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(color);
    DrawHexagon(Index, FCubeSize.X, FCubeSize.Y);
    auto frame = [&](TColor Color) {
        canvas->Brush()->SetStyle(bsClear);
        canvas->Pen()->SetColor(Color);
        DrawHexagon(Index, FCubeSize.X - 1, FCubeSize.Y);
        canvas->Pen()->SetColor(clWhite);
        DrawHexagon(Index, FCubeSize.X - 2, FCubeSize.Y - 1);
        canvas->Brush()->SetStyle(bsSolid);
    };
    if (Index == FHotCell)
        frame(clRed);
    if (Index == FSelectedCell)
        frame(clBlack);
}

void TProColorCubePanel::Paint()
{
    TProCustomColorSelectorPanel::Paint();
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(ClientRect());
    for (int i = 1; i <= 127; ++i)
        DrawCell(i);
}

void TProColorCubePanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TControlGuard alive = Guard();
    TProCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
    const int cell = CellAt(X, Y);
    if (alive.expired() || cell < 0)
        return;
    const int old = FSelectedCell;
    FSelectedCell = -1;
    DrawCell(old);
    FSelectedColor = Cell(cell).Color;
    FSelectedCell = cell;
    DrawCell(cell);
    Invalidate();
    CallEvent(OnSelect, this);
}

void TProColorCubePanel::MouseMove(TShiftState Shift, int X, int Y)
{
    TProCustomColorSelectorPanel::MouseMove(Shift, X, Y);
    const int cell = CellAt(X, Y);
    if (cell < 0) {
        if (FShowRGBHint) {
            SetHint(QString());
            Application->CancelHint();
        }
        return;
    }
    if (cell == FHotCell)
        return;
    const int old = FHotCell;
    FHotCell = cell;
    DrawCell(old);
    DrawCell(cell);
    Invalidate();
    if (FShowRGBHint) {
        const TColor c = Cell(cell).Color;
        SetHint(QStringLiteral("Red: %1,  Green: %2,  Blue: %3").arg(GetRValue(c)).arg(GetGValue(c)).arg(GetBValue(c)));
        Application->CancelHint();
    }
}

void TProColorCubePanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TControlGuard alive = Guard();
    TProCustomColorSelectorPanel::MouseUp(Button, Shift, X, Y);
    if (!alive.expired())
        CallEvent(FOnShouldHide, this);
}

// Spectrum

TProColorSpectrumPanel::TProColorSpectrumPanel(TComponent* AOwner) : TProCustomColorSelectorPanel(AOwner)
{
    FSpectrum = new TImage(this);
    FSpectrum->SetParent(this);
    FSpectrum->SetBounds(0, 0, SpectrumSize, SpectrumSize);
    PaintSpectrum(FSpectrum->Picture()->Bitmap());
    // The eyedropper of the original is a pointer of its own; the cross
    // marks the picked pixel as well.
    FSpectrum->SetCursor(crCross);
    FSpectrum->OnMouseMove = [this](TObject*, TShiftState, int X, int Y) { ImageMouseMove(X, Y); };
    FSpectrum->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { ImageMouseDown(); };
    FSpectrum->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) {
        CallEvent(FOnShouldHide, this);
    };
    UpdateSpectrumLayout();
}

void TProColorSpectrumPanel::UpdateSpectrumLayout()
{
    SetHeight(174);
    SetWidth(150);
    FSpectrum->SetLeft((Width() - FSpectrum->Width()) / 2);
    FSpectrum->SetTop(10);
    const int l = FSpectrum->Left();
    const int b = FSpectrum->Top() + FSpectrum->Height();
    FSelectedRect = TRect(l - 1, b + 8, l + FSpectrum->Width() / 2 - 2, b + 28);
    FHotRect = TRect(FSelectedRect.Right + 4, FSelectedRect.Top, l + FSpectrum->Width() + 1, FSelectedRect.Bottom);
    FHotColor = clNone;
    Invalidate();
}

void TProColorSpectrumPanel::DrawSwatch(const TRect& R, TColor Color)
{
    TCanvas* c = Canvas();
    c->Brush()->SetStyle(bsClear);
    c->Pen()->SetColor(clGray);
    c->Rectangle(R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1);
    c->Pen()->SetColor(clWhite);
    if (Color == clNone) {
        c->Rectangle(R);
    } else {
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(Color);
        c->Rectangle(R);
    }
    c->Brush()->SetStyle(bsSolid);
}

void TProColorSpectrumPanel::Paint()
{
    TProCustomColorSelectorPanel::Paint();
    TCanvas* c = Canvas();
    c->Brush()->SetColor(Color());
    c->FillRect(ClientRect());
    const TRect image = FSpectrum->BoundsRect();
    c->Brush()->SetStyle(bsClear);
    c->Pen()->SetColor(clWhite);
    c->Rectangle(image.Left - 1, image.Top - 1, image.Right + 1, image.Bottom + 1);
    c->Pen()->SetColor(clGray);
    c->Rectangle(image.Left - 2, image.Top - 2, image.Right + 2, image.Bottom + 2);
    c->Brush()->SetStyle(bsSolid);
    DrawSwatch(FSelectedRect, FSelectedColor);
    DrawSwatch(FHotRect, FHotColor);
}

void TProColorSpectrumPanel::ImageMouseMove(int X, int Y)
{
    // The picture's own pixel: what the panel shows there.
    FHotColor = FSpectrum->Picture()->Bitmap()->Canvas()->Pixels(X, Y);
    DrawSwatch(FHotRect, FHotColor);
    Invalidate();
}

void TProColorSpectrumPanel::ImageMouseDown()
{
    FSelectedColor = FHotColor;
    DrawSwatch(FSelectedRect, FSelectedColor);
    Invalidate();
    CallEvent(OnSelect, this);
}

void TProColorSpectrumPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TControlGuard alive = Guard();
    TProCustomColorSelectorPanel::MouseUp(Button, Shift, X, Y);
    if (!alive.expired())
        CallEvent(FOnShouldHide, this);
}

// Boxes

TColorBoxItem::TColorBoxItem(TCollection* Collection) : TCollectionItem(nullptr)
{
    if (Collection)
        SetCollection(Collection);
}

void TColorBoxItem::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TColorBoxItem*>(Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    SetColor(s->FColor);
    FEnabled = s->FEnabled;
}

void TColorBoxItem::SetColor(TColor Value)
{
    if (FColor == Value)
        return;
    FColor = Value;
    if (auto* items = dynamic_cast<TColorBoxItems*>(Collection()))
        CallEvent(items->OnChange, items);
}

TColorBoxItems::TColorBoxItems(TPersistent* AOwner)
    : TOwnedCollection(AOwner, [](TCollection* c) -> TCollectionItem* { return new TColorBoxItem(c); })
{
}

TColorBoxItem* TColorBoxItems::Add() { return static_cast<TColorBoxItem*>(TCollection::Add()); }

TColorBoxItem* TColorBoxItems::Insert(int Index) { return static_cast<TColorBoxItem*>(TCollection::Insert(Index)); }

TColorBoxItem* TColorBoxItems::Items(int Index) const { return static_cast<TColorBoxItem*>(TCollection::Items(Index)); }

void TColorBoxAppearance::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TColorBoxAppearance*>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    BorderColor = s->BorderColor;
    OuterBorderColorHot = s->OuterBorderColorHot;
    InnerBorderColorHot = s->InnerBorderColorHot;
    OuterBorderColorSelected = s->OuterBorderColorSelected;
    InnerBorderColorSelected = s->InnerBorderColorSelected;
}

// Discrete selector

TCustomColorSelector::TCustomColorSelector(TComponent* AOwner)
    : TProCustomColorSelectorPanel(AOwner), FColorBoxAppearance(std::make_unique<TColorBoxAppearance>()),
      FItems(std::make_unique<TColorBoxItems>(this))
{
    SetParentColor(true);
}

TCustomColorSelector::~TCustomColorSelector() = default;

void TCustomColorSelector::SetColumns(int Value)
{
    if (FColumns == Value)
        return;
    FColumns = Value;
    ArrangeItems();
}

void TCustomColorSelector::SetColumnGap(int Value)
{
    if (FColumnGap == Value)
        return;
    FColumnGap = Value;
    ArrangeItems();
}

void TCustomColorSelector::SetColorBoxHeight(int Value)
{
    if (FColorBoxHeight == Value)
        return;
    FColorBoxHeight = Value;
    ArrangeItems();
}

void TCustomColorSelector::SetColorBoxWidth(int Value)
{
    if (FColorBoxWidth == Value)
        return;
    FColorBoxWidth = Value;
    ArrangeItems();
}

void TCustomColorSelector::SetColorBoxAppearance(TColorBoxAppearance* Value) { FColorBoxAppearance->Assign(Value); }

void TCustomColorSelector::SetItems(TColorBoxItems* Value) { FItems->Assign(Value); }

void TCustomColorSelector::SetItemColorStyle(TSelectionColorStyle Value)
{
    if (FItemColorStyle == Value)
        return;
    FItemColorStyle = Value;
    if (Value != scCustom)
        FColorBoxAppearance->Assign(std::make_unique<TColorBoxAppearance>().get());
}

bool TCustomColorSelector::IsEnabledItem(int Index) const
{
    return Index >= 0 && Index < FItems->Count() && FItems->Items(Index)->FEnabled;
}

void TCustomColorSelector::SetItemIndex(int Value)
{
    // A box that does not exist or is disabled cannot be selected.
    if (Value >= FItems->Count() || (Value >= 0 && !IsEnabledItem(Value)))
        return;
    if (FItemIndex >= 0 && Value != FItemIndex) {
        const int old = FItemIndex;
        FItemIndex = -1;
        InvalidateItem(old);
    }
    FItemIndex = Value;
    if (Value < 0)
        return;
    FSelectedColor = FItems->Items(Value)->Color();
    InvalidateItem(Value);
    CallEvent(OnItemSelect, this);
}

void TCustomColorSelector::SetItemHot(int Value)
{
    if (Value == FItemHot || Value >= FItems->Count() || (Value >= 0 && !IsEnabledItem(Value)))
        return;
    if (FItemHot >= 0) {
        const int old = FItemHot;
        FItemHot = -1;
        InvalidateItem(old);
    }
    FItemHot = Value;
    InvalidateItem(Value);
}

void TCustomColorSelector::SetSelectedColor(TColor Value)
{
    if (FSelectedColor == Value)
        return;
    FSelectedColor = Value;
    if (Value != clNone)
        for (int i = 0; i < FItems->Count(); ++i)
            if (FItems->Items(i)->Color() == Value) {
                SetItemIndex(i);
                return;
            }
    SetItemIndex(-1);
}

void TCustomColorSelector::SelectFirst()
{
    if (FItems->Count() > 0)
        SetItemIndex(0);
}

void TCustomColorSelector::SelectLast()
{
    if (FItems->Count() > 0)
        SetItemIndex(FItems->Count() - 1);
}

void TCustomColorSelector::SelectNext()
{
    if (FItemIndex + 1 < FItems->Count())
        SetItemIndex(FItemIndex + 1);
}

void TCustomColorSelector::SelectPrevious()
{
    if (FItemIndex - 1 >= 0)
        SetItemIndex(FItemIndex - 1);
}

void TCustomColorSelector::HotNext()
{
    if (FItemHot + 1 < FItems->Count())
        SetItemHot(FItemHot + 1);
}

void TCustomColorSelector::HotPrevious()
{
    if (FItemHot - 1 >= 0)
        SetItemHot(FItemHot - 1);
}

void TCustomColorSelector::KeyNavigate(int Key, bool EditorEnabled, bool DroppedDown)
{
    if (!Enabled() || Key < VK_PRIOR || Key > VK_DOWN)
        return;
    const bool stepsSideways = !EditorEnabled || DroppedDown;
    switch (Key) {
    case VK_PRIOR:
    case VK_HOME: SelectFirst(); break;
    case VK_NEXT:
    case VK_END: SelectLast(); break;
    case VK_LEFT:
        if (stepsSideways)
            SelectPrevious();
        break;
    case VK_RIGHT:
        if (stepsSideways)
            SelectNext();
        break;
    case VK_UP:
    case VK_DOWN: {
        if (!DroppedDown) {
            Key == VK_UP ? SelectPrevious() : SelectNext();
            break;
        }
        const int target = FItemIndex < 0 ? 0 : FItemIndex + (Key == VK_UP ? -FColumns : FColumns);
        if (target >= 0 && target < FItems->Count())
            SetItemIndex(target);
        break;
    }
    default: break;
    }
}

void TCustomColorSelector::FillDefaultPalette()
{
    FItems->Clear();
    for (int r = 0; r < 6; ++r)
        for (TColor c : PaletteColors[r]) {
            TColorBoxItem* item = FItems->Add();
            item->SetColor(c);
            item->SetColorBoxPos(PaletteRows[r]);
        }
    ArrangeItems();
}

int TCustomColorSelector::ItemAtPos(int X, int Y) const
{
    for (int i = 0; i < FItems->Count(); ++i) {
        const TRect& r = FItems->Items(i)->FRect;
        if (X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom)
            return i;
    }
    return -1;
}

TRect TCustomColorSelector::GetItemRect(int Index) const
{
    if (Index < 0 || Index >= FItems->Count())
        return TRect(-1, -1, -1, -1);
    return FItems->Items(Index)->FRect;
}

void TCustomColorSelector::GetItemsRect(TRect& R)
{
    R = ClientRect();
    R = TRect(R.Left + FOffsetX, R.Top + FOffsetY, R.Right - FOffsetX, R.Bottom - FOffsetY);
}

void TCustomColorSelector::GetItemSize(TSize& Size) { Size = TSize{FColorBoxWidth, FColorBoxHeight}; }

void TCustomColorSelector::ArrangeItems()
{
    if (FItems->Count() == 0) {
        SetHeight(50);
        SetWidth(100);
        return;
    }
    FItemHot = -1;
    TSize size;
    GetItemSize(size);
    TRect area;
    GetItemsRect(area);
    const int l = area.Left;
    const int t = area.Top;
    int x = l;
    int y = t;
    int column = 0;
    int widest = 0;
    bool standAlone = false;
    const int last = FItems->Count() - 1;
    for (int i = 0; i <= last; ++i) {
        TColorBoxItem* item = FItems->Items(i);
        item->FRect = TRect(x, y, x + size.cx, y + size.cy);
        ++column;
        if (i == last)
            break;
        if (item->ColorBoxPos() == ipStandAlone)
            standAlone = true;
        if (column < FColumns) {
            x += size.cx + FColumnGap;
        } else {
            widest = std::max(widest, x);
            x = l;
            y += size.cy + (standAlone ? FColumnGap : 0);
            column = 0;
            standAlone = false;
        }
    }
    widest = std::max(widest, x);
    SetHeight(y + size.cy + t);
    SetWidth(widest + size.cx + l + 1);
    Invalidate();
}

void TCustomColorSelector::InvalidateItem(int Index)
{
    if (Index >= 0 && Index < FItems->Count())
        InvalidateRect(FItems->Items(Index)->FRect);
}

void TCustomColorSelector::DrawItem(int Index, TCanvas* ACanvas)
{
    if (Index < 0 || Index >= FItems->Count() || !ACanvas)
        return;
    TColorBoxItem* item = FItems->Items(Index);
    TRect r = item->FRect;
    if (r.Left < 0 && r.Right < 0)
        return;
    const TColorBoxAppearance* a = FColorBoxAppearance.get();
    TColor outer = a->BorderColor;
    TColor inner = clNone;
    bool framed = false;
    if (Index == FItemHot) {
        outer = a->OuterBorderColorHot;
        inner = a->InnerBorderColorHot;
        framed = true;
    }
    if (Index == FItemIndex) {
        outer = a->OuterBorderColorSelected;
        inner = a->InnerBorderColorSelected;
        framed = true;
    }
    ACanvas->Brush()->SetStyle(bsSolid);
    if (item->Color() != clNone) {
        ACanvas->Pen()->SetColor(item->Color());
        ACanvas->Brush()->SetColor(item->Color());
        ACanvas->Rectangle(r);
    }
    if (framed) {
        ACanvas->Brush()->SetStyle(bsClear);
        if (outer != clNone) {
            ACanvas->Pen()->SetColor(outer);
            ACanvas->Rectangle(r);
            r = TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        }
        if (inner != clNone) {
            ACanvas->Pen()->SetColor(inner);
            ACanvas->Rectangle(r);
        }
        ACanvas->Brush()->SetStyle(bsSolid);
        return;
    }
    ACanvas->Pen()->SetColor(a->BorderColor);
    const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
    switch (item->ColorBoxPos()) {
    case ipStandAlone:
        ACanvas->MoveTo(L, B);
        ACanvas->LineTo(L, T);
        ACanvas->LineTo(R, T);
        ACanvas->LineTo(R, B);
        ACanvas->LineTo(L, B);
        break;
    case ipTop:
        ACanvas->MoveTo(L, B);
        ACanvas->LineTo(L, T);
        ACanvas->LineTo(R, T);
        ACanvas->LineTo(R, B);
        break;
    case ipMiddle:
        ACanvas->MoveTo(L, T);
        ACanvas->LineTo(L, B);
        ACanvas->MoveTo(R, T);
        ACanvas->LineTo(R, B);
        break;
    case ipBottom:
        ACanvas->MoveTo(L, T);
        ACanvas->LineTo(L, B);
        ACanvas->LineTo(R, B);
        ACanvas->MoveTo(R, T);
        ACanvas->LineTo(R, B + 1);
        break;
    }
}

void TCustomColorSelector::Paint()
{
    TProCustomColorSelectorPanel::Paint();
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(ClientRect());
    for (int i = 0; i < FItems->Count(); ++i)
        DrawItem(i, Canvas());
}

void TCustomColorSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TControlGuard alive = Guard();
    TProCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
    if (alive.expired())
        return;
    const int i = ItemAtPos(X, Y);
    if (IsEnabledItem(i))
        SetItemIndex(i);
}

void TCustomColorSelector::MouseMove(TShiftState Shift, int X, int Y)
{
    TProCustomColorSelectorPanel::MouseMove(Shift, X, Y);
    const int i = ItemAtPos(X, Y);
    SetItemHot(IsEnabledItem(i) ? i : -1);
}

void TCustomColorSelector::CMMouseLeave(TMessage& Message)
{
    TProCustomColorSelectorPanel::CMMouseLeave(Message);
    SetItemHot(-1);
}
