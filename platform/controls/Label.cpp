#include "platform/controls/Label.h"
#include "platform/controls/WinControl.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace {

// Measures text where the label has no parent window yet.
TCanvas* MeasureCanvas()
{
    static TBitmap bitmap(1, 1);
    return bitmap.Canvas();
}

} // namespace

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FControlStyle += csReplicatable;
    SetParentColor(true);
    SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetAutoSize(bool value)
{
    FAutoSize = value;
    AdjustBounds();
}

void TCustomLabel::SetAlignment(TAlignment value)
{
    FAlignment = value;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout value)
{
    FLayout = value;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool value)
{
    FWordWrap = value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool value)
{
    FTransparent = value;
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value)
{
    FShowAccelChar = value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* value)
{
    if (FFocusControl)
        FFocusControl->RemoveFreeNotification(this);
    FFocusControl = value;
    if (value)
        value->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation)
{
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FFocusControl)
        FFocusControl = nullptr;
}

void TCustomLabel::SetEllipsisPosition(TEllipsisPosition value)
{
    if (FEllipsisPosition == value)
        return;
    FEllipsisPosition = value;
    Invalidate();
}

unsigned TCustomLabel::TextFlags() const
{
    unsigned flags = DT_EXPANDTABS;
    if (FWordWrap)
        flags |= DT_WORDBREAK;
    else if (FEllipsisPosition == epPathEllipsis)
        flags |= DT_PATH_ELLIPSIS;
    else if (FEllipsisPosition == epEndEllipsis)
        flags |= DT_END_ELLIPSIS;
    else if (FEllipsisPosition == epWordEllipsis)
        flags |= DT_WORD_ELLIPSIS;
    if (!FShowAccelChar)
        flags |= DT_NOPREFIX;
    if (FAlignment == taCenter)
        flags |= DT_CENTER;
    else if (FAlignment == taRightJustify)
        flags |= DT_RIGHT;
    return flags;
}

void TCustomLabel::AdjustBounds()
{
    if (!FAutoSize)
        return;
    TCanvas* canvas = MeasureCanvas();
    canvas->SetFont(Font());
    TRect r = Rect(0, 0, FWordWrap ? Width() : 0, 0);
    QString text = Caption().isEmpty() ? QStringLiteral(" ") : Caption();
    const unsigned dropped = DT_CENTER | DT_RIGHT | DT_PATH_ELLIPSIS | DT_END_ELLIPSIS | DT_WORD_ELLIPSIS;
    DrawText(canvas, text, -1, &r, (TextFlags() & ~dropped) | DT_CALCRECT);
    int left = Left();
    // A right-aligned label grows to the left.
    if (FAlignment == taRightJustify && !FWordWrap)
        left += Width() - r.Width();
    SetBounds(left, Top(), FWordWrap ? Width() : r.Width(), r.Height());
}

void TCustomLabel::Paint()
{
    TCanvas* canvas = Canvas();
    if (!canvas)
        return;
    TRect r = ClientRect();
    if (!FTransparent) {
        canvas->Brush()->SetColor(Color());
        canvas->Brush()->SetStyle(bsSolid);
        canvas->FillRect(r);
    }
    canvas->Brush()->SetStyle(bsClear);
    canvas->SetFont(Font());
    if (!Enabled())
        canvas->Font()->SetColor(clGrayText);
    unsigned flags = TextFlags();
    if (FLayout != tlTop) {
        TRect calc = r;
        DrawText(canvas, Caption(), -1, &calc, flags | DT_CALCRECT);
        int offset = r.Height() - calc.Height();
        r.Top += FLayout == tlBottom ? offset : offset / 2;
    }
    DrawText(canvas, Caption(), -1, &r, flags);
}

void TCustomLabel::WndProc(TMessage& Message)
{
    if (Message.Msg == CM_DIALOGCHAR && FFocusControl && Enabled() && FShowAccelChar
        && IsAccel(QChar(char16_t(Message.WParam & 0xFFFF)), Caption())) {
        if (FFocusControl->CanFocus()) {
            FFocusControl->SetFocus();
            Message.Result = 1;
        }
        return;
    }
    TGraphicControl::WndProc(Message);
}

void TCustomLabel::CMTextChanged(TMessage& Message)
{
    TGraphicControl::CMTextChanged(Message);
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::CMFontChanged(TMessage& Message)
{
    TGraphicControl::CMFontChanged(Message);
    AdjustBounds();
}
