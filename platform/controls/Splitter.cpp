#include "platform/controls/Splitter.h"
#include "platform/controls/WinControl.h"
#include "platform/graphics/Canvas.h"

TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FControlStyle = {csCaptureMouse};
    SetAlign(alLeft);
    SetBounds(0, 0, 3, 100);
    SetCursor(crHSplit);
}

TControl* TSplitter::FindControl() const
{
    TWinControl* parent = Parent();
    if (!parent || Align() == alNone || Align() == alClient)
        return nullptr;
    // The visible neighbour aligned to the same side, touching the splitter.
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (c == this || !c->Visible() || c->Align() != Align())
            continue;
        switch (Align()) {
        case alLeft: if (c->Left() + c->Width() == Left()) return c; break;
        case alRight: if (c->Left() == Left() + Width()) return c; break;
        case alTop: if (c->Top() + c->Height() == Top()) return c; break;
        case alBottom: if (c->Top() == Top() + Height()) return c; break;
        default: break;
        }
    }
    return nullptr;
}

int TSplitter::Position(int X, int Y) const
{
    TPoint p = ClientToParent({X, Y});
    return Vertical() ? p.X : p.Y;
}

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft)
        return;
    FControl = FindControl();
    if (!FControl)
        return;
    FDragging = true;
    FDownPos = Position(X, Y);
    FStartSize = Vertical() ? FControl->Width() : FControl->Height();
}

void TSplitter::MoveTo(int Pos)
{
    int delta = Pos - FDownPos;
    if (Align() == alRight || Align() == alBottom)
        delta = -delta;
    int size = FStartSize + delta;
    // The room left for the controls on the other side, alClient ones included.
    TWinControl* parent = Parent();
    int current = Vertical() ? FControl->Width() : FControl->Height();
    int available = current;
    int taken = 0;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (c->Visible() && (c->Align() == alLeft || c->Align() == alRight) == Vertical() && c->Align() != alClient
            && c->Align() != alNone)
            taken += Vertical() ? c->Width() : c->Height();
    }
    available += (Vertical() ? parent->ClientWidth() : parent->ClientHeight()) - taken - FMinSize;
    size = std::clamp(size, FMinSize, std::max(FMinSize, available));
    bool accept = true;
    if (OnCanResize)
        OnCanResize(this, size, accept);
    if (!accept || size == current)
        return;
    if (Vertical()) {
        if (Align() == alLeft)
            FControl->SetWidth(size);
        else
            FControl->SetBounds(FControl->Left() + FControl->Width() - size, FControl->Top(), size, FControl->Height());
    } else {
        if (Align() == alTop)
            FControl->SetHeight(size);
        else
            FControl->SetBounds(FControl->Left(), FControl->Top() + FControl->Height() - size, FControl->Width(), size);
    }
    parent->Realign();
}

void TSplitter::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (FDragging && FControl)
        MoveTo(Position(X, Y));
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    bool dragged = FDragging;
    if (FDragging && FControl)
        MoveTo(Position(X, Y));
    FDragging = false;
    FControl = nullptr;
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (dragged && OnMoved)
        OnMoved(this);
}

void TSplitter::Paint()
{
    TCanvas* c = Canvas();
    c->Brush()->SetColor(Color());
    c->FillRect(ClientRect());
}
