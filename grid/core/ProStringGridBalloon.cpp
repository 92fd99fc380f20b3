// Balloon tool tips: while Balloon.Enable is on, a popup of the grid shows
// the text of the cell under the mouse with a title and an icon in the
// Balloon colours, at most 300 pixels wide, after the initial delay.
#include "grid/core/LookSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/StringUtils.h"
#include "grid/foundation/TextUtils.h"
#include "platform/controls/HintWindow.h"
#include "platform/controls/RichText.h"
#include "platform/controls/Timer.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Canvas.h"

namespace {

constexpr int BalloonWidth = 300;
constexpr int TextLimit = 2048;
constexpr int TitleLimit = 100;
constexpr int IconSize = 16;
constexpr int Margin = 6;

// The popup: icon and bold title on the first line, the text below.
class TGridBalloonWindow : public THintWindow {
public:
    using THintWindow::THintWindow;

    QString Title;
    // 0 none, 1 information, 2 warning, 3 error.
    int Icon = 0;
    QString Text;

    TSize Measure()
    {
        TCanvas* c = Canvas();
        c->Font()->Assign(Font());
        TRect r{0, 0, BalloonWidth - 2 * Margin, 0};
        DrawText(c, Text, -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        int w = r.Width(), h = r.Height();
        const int head = HeadHeight();
        if (head > 0) {
            TFontStyles bold{fsBold};
            c->Font()->SetStyle(bold);
            w = std::max(w, (Icon ? IconSize + 4 : 0) + c->TextWidth(Title));
            h += head + 4;
        }
        return {std::min(w, BalloonWidth - 2 * Margin) + 2 * Margin, h + 2 * Margin};
    }

protected:
    int HeadHeight()
    {
        if (Title.trimmed().isEmpty() && Icon == 0)
            return 0;
        return std::max(IconSize, Canvas()->TextHeight(QStringLiteral("Wg")));
    }

    void Paint() override
    {
        TCanvas* c = Canvas();
        const TRect r = ClientRect();
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(Color());
        c->FillRect(r);
        c->Brush()->SetColor(clGray);
        c->FrameRect(r);
        c->Font()->Assign(Font());
        const int head = HeadHeight();
        int y = Margin;
        if (head > 0) {
            int x = Margin;
            if (Icon > 0) {
                static const TColor colors[] = {clBlue, 0x00C0FF, clRed};
                c->Pen()->SetColor(colors[(Icon - 1) % 3]);
                c->Brush()->SetColor(colors[(Icon - 1) % 3]);
                c->Ellipse(x, y, x + IconSize, y + IconSize);
                c->Font()->SetColor(clWhite);
                c->Font()->SetStyle({fsBold});
                c->Brush()->SetStyle(bsClear);
                TRect g{x, y, x + IconSize, y + IconSize};
                static const char* const glyphs[] = {"i", "!", "x"};
                DrawText(c, QString::fromLatin1(glyphs[(Icon - 1) % 3]), -1, &g,
                         DT_CENTER | DT_VCENTER | DT_SINGLELINE);
                x += IconSize + 4;
            }
            c->Font()->Assign(Font());
            c->Font()->SetStyle({fsBold});
            c->Brush()->SetStyle(bsClear);
            c->TextOut(x, y, Title);
            y += head + 4;
        }
        c->Font()->Assign(Font());
        c->Brush()->SetStyle(bsClear);
        TRect t{Margin, y, r.Right - Margin, r.Bottom - Margin};
        DrawText(c, Text, -1, &t, DT_WORDBREAK | DT_NOPREFIX);
        c->Brush()->SetStyle(bsSolid);
    }
};

TGridBalloonWindow* AsBalloonWindow(THintWindow* W) { return static_cast<TGridBalloonWindow*>(W); }

// Tabs become blanks; line breaks and leading tabs go.
QString CutBalloonText(QString S)
{
    int lead = 0;
    while (lead < S.size() && S.at(lead) == QLatin1Char('\t'))
        ++lead;
    S.remove(0, lead);
    S.remove(QLatin1Char('\r'));
    S.remove(QLatin1Char('\n'));
    S.replace(QLatin1Char('\t'), QLatin1Char(' '));
    if (S.size() > TextLimit)
        S = S.left(TextLimit - 3) + QStringLiteral("...");
    return S;
}

} // namespace

void TProStringGrid::BalloonInit()
{
    if (FBalloon->FInit)
        return;
    FBalloon->FInit = true;
    FBalloonWnd = new TGridBalloonWindow(this);
    // The balloon's first title and icon.
    FBalloonTitle = QStringLiteral("ToolTipText");
    FBalloonIcon = 3;
    if (!FBalloonTimer) {
        FBalloonTimer = new TTimer(this);
        FBalloonTimer->SetEnabled(false);
        FBalloonTimer->OnTimer = [this](TObject*) { BalloonTimerTick(); };
    }
    if (FBalloon->Transparency() > 0)
        SetLayeredWindowAttributes(FBalloonWnd->Handle(), 0, static_cast<unsigned char>(255 - FBalloon->Transparency()),
                                   LWA_ALPHA);
}

void TProStringGrid::BalloonDone()
{
    if (FBalloon->FInit) {
        FreeAndNil(FBalloonWnd);
        if (FBalloonTimer)
            FBalloonTimer->SetEnabled(false);
    }
    FBalloon->FInit = false;
    FLastBalloonPos = TPoint{-1, -1};
}

void TProStringGrid::BalloonEnableChanged()
{
    if (IsLoading())
        return;
    if (FBalloon->Enable())
        BalloonInit();
    else
        BalloonDone();
}

void TProStringGrid::BalloonMouseMove(int X, int Y)
{
    if (!FBalloonWnd)
        return;
    int c, r;
    MouseToCell(X, Y, c, r);
    if (c == FBalloonCell.X && r == FBalloonCell.Y)
        return;
    FBalloonCell = TPoint{c, r};
    FBalloonPoint = TPoint{X, Y};
    FBalloonWnd->ReleaseHandle();
    FBalloonShowing = false;
    const int delay = FBalloon->InitialDelay() >= 0 ? FBalloon->InitialDelay() : 500;
    FBalloonTimer->SetInterval(unsigned(std::max(delay, 1)));
    FBalloonTimer->SetEnabled(c >= 0 && r >= 0);
}

void TProStringGrid::BalloonTimerTick()
{
    FBalloonTimer->SetEnabled(false);
    if (FBalloonShowing) {
        FBalloonWnd->ReleaseHandle();
        FBalloonShowing = false;
        return;
    }
    ShowBalloon(FBalloonPoint);
}

void TProStringGrid::ShowBalloon(TPoint P)
{
    if (!FBalloonWnd || !FBalloon->Enable())
        return;
    int c, r;
    MouseToCell(P.X, P.Y, c, r);
    if (c < 0 || r < 0) {
        FBalloonWnd->ReleaseHandle();
        return;
    }
    const TPoint base = BaseCell(DisplToRealCol(c), r);
    const int col = base.X, row = base.Y;
    QString text = GetCellEx(col, row);
    switch (ClassifyCellText(text, true)) {
    case ctHTML: text = StripCellTags(text); break;
    case ctRTF: text = ReadRtf(text.toLatin1()).PlainText(); break;
    case ctPackedWide: text = UnpackWideText(text); break;
    default: break;
    }
    text = CutBalloonText(text);
    QString title = QStringLiteral(" ");
    int icon = 1;
    CellBalloon(col, row, title, text, icon);
    if (OnCellBalloon)
        OnCellBalloon(this, col, row, title, text, icon);
    FLastBalloonPos = TPoint{col, row};
    FToolTipBuffer = text;
    if (title.size() > TitleLimit)
        title = title.left(TitleLimit - 3) + QStringLiteral("...");
    FBalloonTitle = title;
    FBalloonIcon = icon >= 0 && icon <= 3 ? icon : 0;
    if (text.isEmpty()) {
        FBalloonWnd->ReleaseHandle();
        return;
    }
    TGridBalloonWindow* w = AsBalloonWindow(FBalloonWnd);
    w->Title = FBalloonTitle;
    w->Icon = FBalloonIcon;
    w->Text = FToolTipBuffer;
    w->SetColor(FBalloon->BackgroundColor() != clNone ? FBalloon->BackgroundColor() : clInfoBk);
    w->Font()->SetColor(FBalloon->TextColor() != clNone ? FBalloon->TextColor() : clInfoText);
    const TSize size = w->Measure();
    const TPoint at = ClientToScreen(TPoint{P.X, P.Y + 20});
    w->ActivateHint(TRect{at.X, at.Y, at.X + size.cx, at.Y + size.cy}, FToolTipBuffer);
    FBalloonShowing = true;
    if (FBalloon->AutoHideDelay() >= 0) {
        FBalloonTimer->SetInterval(unsigned(std::max(FBalloon->AutoHideDelay(), 1)));
        FBalloonTimer->SetEnabled(true);
    }
}
