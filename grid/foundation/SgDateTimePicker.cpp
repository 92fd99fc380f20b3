#include "grid/foundation/SgDateTimePicker.h"
#include "grid/foundation/ThemeBinding.h"
#include "grid/foundation/ThemedDraw.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/NativeControl.h"
#include "platform/controls/Screen.h"
#include "platform/controls/WinApi.h"

TFlatDateTimePicker::TFlatDateTimePicker(TComponent* AOwner) : TDateTimePicker(AOwner)
{
    FLook.ButtonWidth = SystemVScrollWidth + 2;
    SetDoubleBuffered(true);
    SetBorderStyle(bsSingle);
    FBorderStyle = bsNone;
    FLook.IsWinXP = IsWinXPOrLater();
    FLook.IsThemed = ComCtlAbove5();
}

void TFlatDateTimePicker::SetBorderStyle(TBorderStyle value)
{
    if (FBorderStyle == value)
        return;
    FBorderStyle = value;
    Invalidate();
}

void TFlatDateTimePicker::SetBorderColor(TColor value)
{
    if (FLook.BorderColor == value)
        return;
    FLook.BorderColor = value;
    UpdateMargins();
    Invalidate();
}

void TFlatDateTimePicker::SetMetroStyle(bool value)
{
    if (FMetroStyle == value)
        return;
    FMetroStyle = value;
    UpdateMargins();
    Invalidate();
}

void TFlatDateTimePicker::SetCtl3D(bool value)
{
    if (FCtl3D == value)
        return;
    FCtl3D = value;
    UpdateMargins();
    Invalidate();
}

void TFlatDateTimePicker::UpdateMargins()
{
    if (!HandleAllocated())
        return;
    const int m = MetroActive() || !FCtl3D ? 1 : 0;
    const int right = MetroActive() && Kind() != dtkTime ? FLook.ButtonWidth + 2 : m;
    SetNativeMargins(this, TRect{m, m, right, m});
}

TFlatPaintState TFlatDateTimePicker::PaintState() const
{
    auto* self = const_cast<TFlatDateTimePicker*>(this);
    TFlatPaintState s;
    s.Kind = fekDatePicker;
    s.Window = self->HandleAllocated() ? self->Handle() : nullptr;
    s.Width = Width();
    s.Height = Height();
    s.Enabled = Enabled();
    s.Active = Screen && Screen->ActiveControl() == this;
    s.DroppedDown = DroppedDown();
    s.Color = Color();
    s.ParentColor = Parent() ? Parent()->Color() : clBtnFace;
    return s;
}

void TFlatDateTimePicker::RepaintFrame()
{
    if (MetroSuppressed() || !MetroActive())
        return;
    if (Enabled() && FLook.BorderColor == clNone && FLook.FocusBorderColor == clNone)
        return;
    if (!HandleAllocated())
        return;
    TControlCanvas canvas(this);
    PaintFlatFrame(&canvas, FLook, PaintState());
    if (!FLook.IsWinXP || !FlatThemedNow(FLook))
        PaintButtonFace(&canvas, FLook, PaintState());
}

void TFlatDateTimePicker::WMPaint(TMessage& Message)
{
    TDateTimePicker::WMPaint(Message);
    const TColor parentColor = Parent() ? Parent()->Color() : clNone;
    // The frame a native window keeps in its non-client area.
    if (!FCtl3D && (FControlLook || FLook.BorderColor != clNone)) {
        TControlCanvas canvas(this);
        PaintSingleBorder(&canvas, FLook, Width(), Height(), FBorderStyle == bsNone, parentColor);
    }
    if (!Enabled() && FlatThemedNow(FLook) && !FLook.DisabledBorder)
        RepaintFrame();
    if ((FLook.FocusBorderColor != clNone && Focused()) || FLook.BorderColor != clNone)
        RepaintFrame();
    if (FCtl3D && !MetroActive())
        return;
    {
        TControlCanvas canvas(this);
        if (MetroActive() && !MetroSuppressed() && Kind() != dtkTime) {
            const int cw = ClientWidth();
            const int cover = FControlLook ? 4 : 15;
            canvas.Brush()->SetStyle(bsSolid);
            canvas.Brush()->SetColor(Color());
            if (ThemeActiveNow())
                canvas.FillRect(TRect{cw - FLook.ButtonWidth - cover, 1, cw, Height()});
            else
                canvas.FillRect(TRect{cw - FLook.ButtonWidth - 2, 4, cw - 2, Height() - 4});
            PaintDropButton(&canvas, FLook, PaintState());
        }
        if (FControlLook && !FCtl3D) {
            TColor pen = FLook.BorderColor;
            if (FBorderStyle == bsNone && parentColor != clNone)
                pen = parentColor;
            else if (FLook.IsThemed)
                pen = 0xB99D7F;
            const int w = Width();
            const int h = Height();
            canvas.Pen()->SetColor(pen);
            canvas.Polyline({{0, h}, {0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
            if (!ThemeActiveNow())
                canvas.Polyline({{1, h}, {1, 1}, {w - 2, 1}, {w - 2, h - 2}, {0, h - 2}});
        }
    }
    RepaintFrame();
}

void TFlatDateTimePicker::CMEnter(TMessage& Message)
{
    TDateTimePicker::CMEnter(Message);
    FLook.HasFocus = true;
    RepaintFrame();
}

void TFlatDateTimePicker::CMExit(TMessage& Message)
{
    TDateTimePicker::CMExit(Message);
    FLook.HasFocus = false;
    RepaintFrame();
}

void TFlatDateTimePicker::CMMouseEnter(TMessage& Message)
{
    TDateTimePicker::CMMouseEnter(Message);
    if (!FLook.MouseInControl && Enabled()) {
        FLook.MouseInControl = true;
        RepaintFrame();
    }
    if (FLook.IsWinXP)
        Invalidate();
}

void TFlatDateTimePicker::CMMouseLeave(TMessage& Message)
{
    TDateTimePicker::CMMouseLeave(Message);
    if (FLook.MouseInControl && Enabled()) {
        FLook.MouseInControl = false;
        RepaintFrame();
    }
    FLook.ButtonHover = false;
    if (FLook.IsWinXP)
        Invalidate();
}

void TFlatDateTimePicker::MouseMove(TShiftState Shift, int X, int Y)
{
    TDateTimePicker::MouseMove(Shift, X, Y);
    if (TrackButtonHover(FLook, X, Width()))
        Invalidate();
}
