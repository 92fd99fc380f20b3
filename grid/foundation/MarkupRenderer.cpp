// The render loop, lines and text runs of the mini-markup renderer.
#include "grid/foundation/MarkupRenderer.h"
#include "grid/foundation/MarkupCore.h"
#include "grid/foundation/ThemeBinding.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Frames.h"
#include <QLocale>

namespace {

TColor gHighlightBack = clHighlight;
TColor gHighlightText = clHighlightText;

// Right-to-left scripts are enabled when the user's language writes right
// to left.
bool RightToLeftLocale()
{
    static const bool rtl = QLocale::system().textDirection() == Qt::RightToLeft;
    return rtl;
}

void ConvertRunEntities(QString& Run)
{
    if (!Run.contains(u'&'))
        return;
    Run.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    Run.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    Run.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
}

} // namespace

void SetHTMLHighlightColors(TColor Background, TColor Text)
{
    gHighlightBack = Background;
    gHighlightText = Text;
}

TColor MarkupHighlightBack()
{
    return gHighlightBack;
}

TColor MarkupHighlightText()
{
    return gHighlightText;
}

bool RenderHTMLText(TCanvas* Canvas, const QString& Text, const TRect& Bounds, TCustomImageList* Images,
                    int MouseX, int MouseY, int FocusAnchorIndex, int HoverAnchorNumber, int ShadowOffset,
                    bool HitTestOnly, bool MeasureOnly, bool Printing, bool SelectedMode, bool BlinkOn,
                    bool HoverOnly, bool WrapWords, bool MouseDown, double PrintScale, TColor LinkColor,
                    TColor HoverBackColor, TColor HoverTextColor, TColor ShadowColor, QString& LinkAtMouse,
                    QString& PlainText, QString& FocusLink, QString& TitleAtMouse, int& ExtentX, int& ExtentY,
                    int& AnchorCount, int& AnchorAtMouse, TRect& AnchorRect, TRect& ControlRect,
                    QString& ControlID, QString& ControlValue, QString& ControlType,
                    THTMLPictureCache* PictureCache, TPictureContainer* PictureContainer, HWND WindowHandle,
                    int BiDiMode)
{
    if (!Canvas)
        return false;
    const MarkupRenderArgs args{Canvas,        Bounds,         Images,         MouseX,       MouseY,
                                FocusAnchorIndex, HoverAnchorNumber, ShadowOffset, HitTestOnly, MeasureOnly,
                                Printing,      SelectedMode,   BlinkOn,        HoverOnly,    WrapWords,
                                MouseDown,     PrintScale,     LinkColor,      HoverBackColor, HoverTextColor,
                                ShadowColor,   PictureCache,   PictureContainer, WindowHandle, BiDiMode};
    const MarkupRenderOutputs out{LinkAtMouse, PlainText,   FocusLink,   TitleAtMouse, ExtentX,
                                  ExtentY,     AnchorCount, AnchorAtMouse, AnchorRect, ControlRect,
                                  ControlID,   ControlValue, ControlType};
    MarkupRenderer renderer(args, out);
    return renderer.Run(Text);
}

MarkupRenderer::MarkupRenderer(const MarkupRenderArgs& Args, const MarkupRenderOutputs& Out)
    : A(Args), O(Out), C(Args.Canvas)
{
}

bool MarkupRenderer::Run(const QString& Text)
{
    // Saved canvas state
    const TColor penColor = C->Pen()->Color();
    const int penWidth = C->Pen()->Width();
    const TColor brushColor = C->Brush()->Color();
    const TBrushStyle brushStyle = C->Brush()->Style();
    FBaseFont.Assign(C->Font());
    FMeasureFont.Assign(C->Font());
    FDrawFont.Assign(C->Font());
    FStartBack = brushStyle == bsClear ? clNone : brushColor;
    SetBackground(clNone);

    FThemed = IsWinXPOrLater() && ProXPVS.Loaded && ProXPVS.IsThemeActive();

    O.ControlRect = TRect{};
    O.PlainText.clear();
    O.FocusLink.clear();
    O.TitleAtMouse.clear();
    O.ControlValue.clear();
    O.ControlType.clear();
    if (!A.HitTestOnly)
        O.ControlID.clear();
    O.ExtentX = 0;
    O.ExtentY = 0;
    O.AnchorCount = 0;
    O.AnchorAtMouse = -1;

    FFlags = DT_BOTTOM | DT_SINGLELINE | DT_EXPANDTABS | DT_EXTERNALLEADING;
    if (RightToLeftLocale() && A.BiDiMode == 1) {
        if (FFlags & (DT_RIGHT | DT_CENTER))
            FFlags &= ~DT_RIGHT;
        else
            FFlags |= DT_RIGHT;
    }
    FRtlReading = RightToLeftLocale() && A.BiDiMode != 0;
    if (FRtlReading)
        FFlags |= DT_RTLREADING;
    if (!A.WrapWords)
        FFlags |= DT_END_ELLIPSIS;

    QString text = Text;
    markup::PrepareMarkup(text);

    TRect layout = A.Bounds;
    layout.Left += 1;
    int y = A.Bounds.Top;
    qsizetype at = 0;
    qsizetype stop = text.size();
    bool result = false;
    FRunWidths.reserve(16);

    while (at < stop) {
        C->Font()->Assign(&FMeasureFont);
        FontChanged();
        const int h0 = GhHeight();
        MarkupLineValues L;
        L.Height = h0;
        FSub = FSup = false;
        const bool inLink = FInLink, shadow = FShadow, hidden = FHidden, errorMark = FErrorMark;
        const QString target = FTarget, title = FTitle;
        const int anchors = FAnchors, images = FImages, listLevel = FListLevel;

        Pass m;
        m.First = true;
        m.C = m.Pos = layout.Left;
        m.D = y;
        m.E = layout.Right;
        m.F = layout.Bottom;
        FRunWidths.clear();
        const qsizetype lineStart = at;
        RenderLine(text, at, stop, m, L);
        if (at == lineStart && at < stop)
            break;
        L.Width = m.W;
        FMeasureFont.Assign(C->Font());

        int x = layout.Left;
        if (FAlign == 1 && layout.Right - L.Width > layout.Left)
            x = layout.Right - L.Width;
        else if (FAlign == 2 && layout.Right - layout.Left - L.Width > 0)
            x = layout.Left + (layout.Right - layout.Left - L.Width) / 2;
        x += FIndent;
        const int b = y + L.Height + L.SubDepth + L.SupDepth;

        if (!A.MeasureOnly) {
            FInLink = inLink;
            FShadow = shadow;
            FHidden = hidden;
            FErrorMark = errorMark;
            FTarget = target;
            FTitle = title;
            FAnchors = anchors;
            FImages = images;
            FListLevel = listLevel;
            FSub = FSup = false;
            C->Font()->Assign(&FDrawFont);
            FontChanged();
            Pass s;
            s.Drawing = !A.HitTestOnly;
            s.C = s.Pos = x;
            s.D = y;
            s.E = layout.Right;
            s.F = b;
            qsizetype lineAt = lineStart;
            qsizetype lineStop = at;
            RenderLine(text, lineAt, lineStop, s, L);
            FDrawFont.Assign(C->Font());
            if (s.LinkHit && b - L.Raise - GhHeight() < A.MouseY && A.MouseY < b - L.Raise)
                result = true;
            if (s.ImageHit)
                result = true;
        }

        const int height = L.Height + L.SubDepth + L.SupDepth;
        y += height;
        O.ExtentY += height;
        ++FLineNumber;
        if (!A.MeasureOnly && y + h0 > A.Bounds.Bottom)
            break;
    }
    O.AnchorCount = FAnchors;

    C->Pen()->SetColor(penColor);
    C->Pen()->SetWidth(penWidth);
    C->Font()->Assign(&FBaseFont);
    FontChanged();
    if (O.ExtentY == 0)
        O.ExtentY = GhHeight();
    C->Brush()->SetColor(brushColor);
    C->Brush()->SetStyle(brushStyle);
    return result;
}

void MarkupRenderer::RenderLine(QStringView Text, qsizetype& At, qsizetype& Stop, Pass& P, MarkupLineValues& L)
{
    if (P.Drawing) {
        P.F -= L.SubDepth;
        if (FFocusOpen && FFocusFromLineStart) {
            FFocusLeft = P.C + 1;
            FFocusFromLineStart = false;
        }
        if (FParaBack) {
            const TColor back = Background();
            C->Pen()->SetColor(back);
            C->Brush()->SetColor(back);
            C->FillRect(TRect{A.Bounds.Left, P.D, A.Bounds.Right, P.D + L.Height});
        }
    }
    while (At < Stop && P.End == LineEnd::Open) {
        if (Text[At] != u'<') {
            CutRun(Text, At, Stop, P, L);
            continue;
        }
        const qsizetype close = Text.indexOf(u'>', At);
        if (close < 0 || close >= Stop) {
            // A tag without ">" ends the text.
            At = Stop;
            break;
        }
        if (!ApplyTag(Text.mid(At, close - At + 1), P, L)) {
            P.End = LineEnd::Full;
            break;
        }
        At = close + 1;
    }
    FinishLine(P, L);
}

void MarkupRenderer::CutRun(QStringView Text, qsizetype& At, qsizetype& Stop, Pass& P, MarkupLineValues& L)
{
    qsizetype tag = Text.indexOf(u'<', At);
    if (tag < 0 || tag > Stop)
        tag = Stop;
    qsizetype end = tag;
    if (A.WrapWords) {
        const qsizetype blank = Text.indexOf(u' ', At);
        if (blank >= 0 && blank < tag)
            end = blank + 1;
    }
    QString run = Text.mid(At, end - At).toString();
    ConvertRunEntities(run);
    if (run.isEmpty()) {
        At = end;
        return;
    }
    const auto grow = [&] {
        const int h = GhHeight();
        L.Height = std::max(L.Height, h);
        if (FSub)
            L.SubDepth = std::max(L.SubDepth, h / 4);
        if (FSup)
            L.SupDepth = std::max(L.SupDepth, h / 4);
        if (P.First)
            O.PlainText += run;
    };
    if (FHidden) {
        grow();
        At = end;
        return;
    }

    int width;
    if (P.First) {
        width = TextWidth(run);
        FRunWidths.push_back(width);
    } else {
        width = P.RunIndex < FRunWidths.size() ? FRunWidths[P.RunIndex] : TextWidth(run);
        ++P.RunIndex;
    }
    const int room = P.E - P.C;
    bool endsText = false;
    if (P.First) {
        P.W += width;
        const bool fits = P.W < room || width >= room || (P.HadRun && !P.LastEndsBlank);
        if (!fits && A.WrapWords) {
            P.W -= width;
            FRunWidths.pop_back();
            P.End = LineEnd::Full;
            return;
        }
        endsText = !fits && P.HadRun;
    } else if (!P.Drawing) {
        P.W += width;
    }
    grow();

    if (!P.Drawing) {
        const int offset = FRtlReading ? P.E - A.MouseX : A.MouseX - P.C;
        if (FInLink && A.MouseX - P.C >= P.W - width && P.W >= offset) {
            P.LinkHit = true;
            if (A.MouseY > P.D && A.MouseY < P.D + L.Height + L.SubDepth + L.SupDepth) {
                O.LinkAtMouse = FTarget;
                O.TitleAtMouse = FTitle;
                FLinkArea = true;
            }
        }
        P.Pos = P.C + P.W;
    } else {
        DrawRun(run, P, L, width);
    }

    At = end;
    P.HadRun = true;
    P.LastEndsBlank = run.endsWith(u' ');
    P.TrailingBlank = P.LastEndsBlank ? BlankWidth() : 0;
    if (endsText) {
        // Without word wrap the first run that overflows ends the text.
        Stop = At;
        P.End = LineEnd::Ended;
    }
}

void MarkupRenderer::DrawRun(const QString& Run, Pass& P, const MarkupLineValues& L, int RunWidth)
{
    TRect r{P.Pos, P.D, P.E, P.F};
    if (FSub)
        r.Bottom += L.SubDepth;
    if (FSup)
        r.Bottom -= L.SupDepth;
    r.Bottom -= L.Raise;
    if (FShadow) {
        const TColor keep = C->Font()->Color();
        C->Font()->SetColor(A.ShadowColor);
        TRect s{r.Left + A.ShadowOffset, r.Top + A.ShadowOffset, r.Right + A.ShadowOffset,
                r.Bottom + A.ShadowOffset};
        DrawText(C, Run, -1, &s, FFlags);
        C->Font()->SetColor(keep);
    }
    DrawText(C, Run, -1, &r, FFlags);
    if (FInLink && FAnchors == A.FocusAnchorIndex + 1)
        O.FocusLink = FTarget;
    if (FErrorMark)
        DrawErrorMark(P.Pos, P.Pos + RunWidth, P.F);
    P.Pos += RunWidth;
}

void MarkupRenderer::DrawErrorMark(int Left, int Right, int F)
{
    const TColor penColor = C->Pen()->Color();
    const int penWidth = C->Pen()->Width();
    C->Pen()->SetColor(clRed);
    C->Pen()->SetWidth(1);
    int x = Left & ~1;
    int y = x % 4 == 0 ? F + 1 : F - 1;
    C->MoveTo(x, y);
    while (x < Right) {
        x += 2;
        y = y == F + 1 ? F - 1 : F + 1;
        C->LineTo(x, y);
    }
    C->Pen()->SetColor(penColor);
    C->Pen()->SetWidth(penWidth);
}

void MarkupRenderer::FinishLine(Pass& P, const MarkupLineValues& L)
{
    P.W -= P.TrailingBlank;
    O.ExtentX = std::max(O.ExtentX, P.W);
    if (P.Drawing && FFocusOpen) {
        // The focused hyperlink goes on: frame its part of this line.
        const int bottom = P.F - L.Raise;
        DrawFocusRect(C, TRect{FFocusLeft - 1, bottom - GhHeight(), P.Pos + 1, bottom});
        FFocusFromLineStart = true;
    }
}

// Canvas state

int MarkupRenderer::GhHeight()
{
    if (FGhHeight < 0)
        FGhHeight = C->TextHeight(QStringLiteral("gh"));
    return FGhHeight;
}

int MarkupRenderer::TextWidth(const QString& Run)
{
    TRect r{0, 0, 0, 0};
    DrawText(C, Run, -1, &r, FFlags | DT_CALCRECT);
    return r.Right - r.Left;
}

int MarkupRenderer::BlankWidth()
{
    if (FBlankWidth < 0)
        FBlankWidth = TextWidth(QStringLiteral(" "));
    return FBlankWidth;
}

int MarkupRenderer::Ppi() const
{
    return GetDeviceCaps(C, LOGPIXELSX);
}

TColor MarkupRenderer::Background() const
{
    return C->Brush()->Style() == bsClear ? clNone : C->Brush()->Color();
}

void MarkupRenderer::SetBackground(TColor Color)
{
    if (Color == clNone) {
        C->Brush()->SetStyle(bsClear);
        SetBkMode(C, TRANSPARENT);
    } else {
        C->Brush()->SetColor(Color);
    }
}

bool MarkupRenderer::HoverApplies() const
{
    return !A.HoverOnly || FAnchors == A.HoverAnchorNumber;
}
