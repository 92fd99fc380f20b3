#include "platform/controls/SpeedButton.h"
#include "platform/controls/WinControl.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Frames.h"

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner), FGlyph(std::make_unique<TBitmap>())
{
    FControlStyle = {csCaptureMouse, csDoubleClicks};
    SetParentColor(true);
    SetBounds(0, 0, 23, 22);
    FGlyph->OnChange = [this](TObject*) { Invalidate(); };
}

TSpeedButton::~TSpeedButton() { FGlyph->OnChange = nullptr; }

void TSpeedButton::SetGroupIndex(int value)
{
    FGroupIndex = value;
    if (value == 0 && FDown) {
        FDown = false;
        Invalidate();
    }
    UpdateExclusive();
}

void TSpeedButton::SetDown(bool value)
{
    if (FGroupIndex == 0)
        value = false;
    if (value == FDown)
        return;
    // The last down button of a group without AllowAllUp stays down.
    if (!value && !FAllowAllUp)
        return;
    FDown = value;
    if (value)
        UpdateExclusive();
    Invalidate();
}

void TSpeedButton::SetAllowAllUp(bool value)
{
    FAllowAllUp = value;
    if (Parent())
        for (int i = 0; i < Parent()->ControlCount(); ++i)
            if (auto* b = dynamic_cast<TSpeedButton*>(Parent()->Controls(i)); b && b->FGroupIndex == FGroupIndex && FGroupIndex)
                b->FAllowAllUp = value;
}

void TSpeedButton::SetFlat(bool value)
{
    FFlat = value;
    Invalidate();
}

void TSpeedButton::SetGlyph(TBitmap* value)
{
    FGlyph->Assign(value);
    if (!FGlyph->Empty() && FGlyph->Height() > 0 && FGlyph->Width() % FGlyph->Height() == 0) {
        int n = FGlyph->Width() / FGlyph->Height();
        if (n >= 1 && n <= 4)
            FNumGlyphs = n;
    }
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int value)
{
    FNumGlyphs = std::clamp(value, 1, 4);
    Invalidate();
}

void TSpeedButton::UpdateExclusive()
{
    if (!FDown || FGroupIndex == 0 || !Parent())
        return;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* b = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
        if (b && b != this && b->FGroupIndex == FGroupIndex && b->FDown) {
            b->FDown = false;
            b->Invalidate();
        }
    }
}

void TSpeedButton::Click() { TGraphicControl::Click(); }

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && Enabled()) {
        FPressed = true;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    bool clicked = FPressed && Button == mbLeft && ClientRect().Contains({X, Y});
    FPressed = false;
    TControlGuard alive = Guard();
    if (clicked) {
        if (FGroupIndex != 0) {
            if (!FDown) {
                FDown = true;
                UpdateExclusive();
            } else if (FAllowAllUp) {
                FDown = false;
            }
        }
        Invalidate();
        Click();
    } else {
        Invalidate();
    }
    if (!alive.expired())
        TGraphicControl::MouseUp(Button, Shift, X, Y);
}

void TSpeedButton::MouseEnter()
{
    FMouseInside = true;
    TGraphicControl::MouseEnter();
    if (FFlat)
        Invalidate();
}

void TSpeedButton::MouseLeave()
{
    FMouseInside = false;
    TGraphicControl::MouseLeave();
    if (FFlat)
        Invalidate();
}

void TSpeedButton::Paint()
{
    TCanvas* c = Canvas();
    TRect r = ClientRect();
    bool sunken = FPressed || FDown;
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(FDown && !FPressed ? clBtnHighlight : clBtnFace);
    c->FillRect(r);
    if (!FFlat || FMouseInside || sunken) {
        TRect e = r;
        DrawEdge(c, &e, sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
    int offset = sunken ? 1 : 0;
    int glyphWidth = 0;
    if (!FGlyph->Empty()) {
        int w = FGlyph->Width() / FNumGlyphs;
        int h = FGlyph->Height();
        // up, disabled, down, stay-down
        int index = !Enabled() ? 1 : FPressed ? 2 : FDown ? 3 : 0;
        if (index >= FNumGlyphs)
            index = 0;
        int x = Caption().isEmpty() ? (r.Width() - w) / 2 : 4;
        int y = (r.Height() - h) / 2;
        TRect src = Rect(index * w, 0, index * w + w, h);
        TRect dst = Rect(x + offset, y + offset, x + offset + w, y + offset + h);
        c->BrushCopy(dst, FGlyph.get(), src, FGlyph->Canvas()->Pixels(0, h - 1));
        glyphWidth = w + 4;
    }
    if (!Caption().isEmpty()) {
        c->Brush()->SetStyle(bsClear);
        c->SetFont(Font());
        if (!Enabled())
            c->Font()->SetColor(clGrayText);
        TRect t = Rect(glyphWidth + offset, offset, r.Right + offset, r.Bottom + offset);
        DrawText(c, Caption(), -1, &t, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
}
