// Text on a canvas: TextOut, TextRect, TextExtent and DrawText.
#include "platform/graphics/qt/CanvasState.h"
#include "platform/graphics/qt/ImageSurface.h"
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <cmath>
#include <vector>

namespace {

// Widths of texts by font. A grid cell's text is measured for its layout
// more than once a paint and again on the next paint, and every measure
// shapes the text anew.
class WidthCache {
public:
    int Advance(const QFont& Font, const QFontMetrics& Fm, const QString& Text)
    {
        QHash<QString, int>& widths = Of(Font);
        const auto it = widths.constFind(Text);
        if (it != widths.cend())
            return *it;
        if (widths.size() >= MaxTexts)
            widths.clear();
        const int w = Fm.horizontalAdvance(Text);
        widths.insert(Text, w);
        return w;
    }

private:
    static constexpr qsizetype MaxTexts = 8192;
    static constexpr std::size_t MaxFonts = 8;
    struct Entry {
        QFont Font;
        QHash<QString, int> Widths;
    };
    QHash<QString, int>& Of(const QFont& Font)
    {
        for (Entry& e : FEntries)
            if (e.Font == Font)
                return e.Widths;
        if (FEntries.size() >= MaxFonts)
            FEntries.erase(FEntries.begin());
        FEntries.push_back({Font, {}});
        return FEntries.back().Widths;
    }
    std::vector<Entry> FEntries;
};

int Advance(const QFont& Font, const QFontMetrics& Fm, const QString& Text)
{
    thread_local WidthCache cache;
    return cache.Advance(Font, Fm, Text);
}

struct TextLine {
    QString Text;
    int Prefix = -1; // index of the underlined character
};

// Draws Text with the top of its character cell at Origin (device pixels);
// Held: the painter has Font already.
// Note: leaves the painter's font and pen set; the caller's operation owns them.
void PaintTextLine(const TCanvas* Canvas, QPainter* P, QPoint Origin, const TextLine& Line, const QFont& Font,
                   bool Opaque, bool Held = false)
{
    const QFontMetrics fm(Font);
    const DCState& dc = Canvas->State().DC;
    // Turned text draws in a rotated frame; level text needs none.
    const bool turned = Canvas->Font()->Orientation() != 0;
    QPoint o = Origin;
    if (turned) {
        P->save();
        P->translate(Origin);
        P->rotate(-Canvas->Font()->Orientation() / 10.0);
        o = QPoint(0, 0);
    }
    if (Opaque)
        P->fillRect(QRect(o.x(), o.y(), fm.horizontalAdvance(Line.Text), fm.height()), ToQColor(dc.BkColor));
    const QColor color = ToQColor(dc.TextColor);
    if (!Held)
        P->setFont(Font);
    P->setPen(color);
    P->drawText(o + QPoint(0, fm.ascent()), Line.Text);
    if (Line.Prefix >= 0 && Line.Prefix < Line.Text.size()) {
        const int x = fm.horizontalAdvance(Line.Text.left(Line.Prefix));
        const int w = fm.horizontalAdvance(Line.Text.at(Line.Prefix));
        P->fillRect(QRect(o.x() + x, o.y() + fm.ascent() + qMax(1, fm.underlinePos()), w, qMax(1, fm.lineWidth())),
                    color);
    }
    if (turned)
        P->restore();
}

// Removes the "&" prefixes: "&x" marks x, "&&" is a literal "&".
QString StripPrefix(const QString& Text, int* Marked)
{
    QString out;
    out.reserve(Text.size());
    *Marked = -1;
    for (int i = 0; i < Text.size(); ++i) {
        if (Text.at(i) == QLatin1Char('&') && i + 1 < Text.size()) {
            ++i;
            if (Text.at(i) != QLatin1Char('&'))
                *Marked = int(out.size());
        } else if (Text.at(i) == QLatin1Char('&')) {
            continue;
        }
        out += Text.at(i);
    }
    return out;
}

QString ExpandTabs(const QString& Text, const QFontMetrics& Fm, int TabChars, int Prefix, int* NewPrefix)
{
    *NewPrefix = Prefix;
    if (!Text.contains(QLatin1Char('\t')))
        return Text;
    const int stop = qMax(1, TabChars) * Fm.averageCharWidth();
    const int space = qMax(1, Fm.horizontalAdvance(QLatin1Char(' ')));
    QString out;
    for (int i = 0; i < Text.size(); ++i) {
        if (Text.at(i) == QLatin1Char('\t')) {
            const int x = Fm.horizontalAdvance(out.mid(out.lastIndexOf(QLatin1Char('\n')) + 1));
            const int target = (x / stop + 1) * stop;
            const int n = qMax(1, (target - x + space - 1) / space);
            if (Prefix > i)
                *NewPrefix += n - 1;
            out += QString(n, QLatin1Char(' '));
        } else {
            out += Text.at(i);
        }
    }
    return out;
}

QString EndEllipsis(const QFontMetrics& Fm, const QString& S, int Width)
{
    if (Fm.horizontalAdvance(S) <= Width)
        return S;
    const QString dots = QStringLiteral("...");
    for (int n = int(S.size()) - 1; n > 0; --n) {
        const QString t = S.left(n) + dots;
        if (Fm.horizontalAdvance(t) <= Width)
            return t;
    }
    return dots;
}

// Cuts S after the last whole word that fits with "..."; a first word too
// wide on its own is cut between characters.
QString WordEllipsis(const QFontMetrics& Fm, const QString& S, int Width)
{
    if (Fm.horizontalAdvance(S) <= Width)
        return S;
    const QString dots = QStringLiteral("...");
    for (qsizetype n = S.lastIndexOf(QLatin1Char(' ')); n > 0; n = S.lastIndexOf(QLatin1Char(' '), n - 1)) {
        if (S.at(n - 1) == QLatin1Char(' '))
            continue;
        const QString t = S.left(n) + dots;
        if (Fm.horizontalAdvance(t) <= Width)
            return t;
    }
    return EndEllipsis(Fm, S, Width);
}

// Keeps the last path component and drops characters before it.
QString PathEllipsis(const QFontMetrics& Fm, const QString& S, int Width)
{
    if (Fm.horizontalAdvance(S) <= Width)
        return S;
    const int sep = int(qMax(S.lastIndexOf(QLatin1Char('\\')), S.lastIndexOf(QLatin1Char('/'))));
    if (sep < 0)
        return EndEllipsis(Fm, S, Width);
    const QString tail = S.mid(sep);
    const QString dots = QStringLiteral("...");
    for (int n = sep - 1; n >= 0; --n) {
        const QString t = S.left(n) + dots + tail;
        if (Fm.horizontalAdvance(t) <= Width)
            return t;
    }
    return EndEllipsis(Fm, dots + tail, Width);
}

// The line as the ellipsis flags of Format cut it to Width.
QString Ellipsis(const QFontMetrics& Fm, const QString& S, int Width, unsigned Format)
{
    if (Format & DT_PATH_ELLIPSIS)
        return PathEllipsis(Fm, S, Width);
    if (Format & DT_WORD_ELLIPSIS)
        return WordEllipsis(Fm, S, Width);
    if (Format & DT_END_ELLIPSIS)
        return EndEllipsis(Fm, S, Width);
    return S;
}

// Breaks Line between words to fit Width; with BreakWords (an edit-control
// layout) a word wider than Width is broken between characters too.
void WrapLine(const QFont& Font, const QFontMetrics& Fm, const QString& Line, int Start, int Width, bool BreakWords,
              std::vector<std::pair<int, int>>& Out)
{
    int pos = 0;
    const int n = int(Line.size());
    if (n == 0) {
        Out.push_back({Start, 0});
        return;
    }
    while (pos < n) {
        // Each measure shapes the text: a rest that fits is measured once.
        if (Advance(Font, Fm, Line.mid(pos)) <= Width) {
            Out.push_back({Start + pos, n - pos});
            return;
        }
        int end = pos;
        int lastFit = -1;
        // The line up to lastFit is wider than Width (a first word alone).
        bool lineTooWide = false;
        while (end < n) {
            int wordEnd = end;
            while (wordEnd < n && Line.at(wordEnd) == QLatin1Char(' '))
                ++wordEnd;
            while (wordEnd < n && Line.at(wordEnd) != QLatin1Char(' '))
                ++wordEnd;
            const bool tooWide = Advance(Font, Fm, Line.mid(pos, wordEnd - pos)) > Width;
            if (tooWide && lastFit >= 0)
                break;
            lastFit = wordEnd;
            end = wordEnd;
            lineTooWide = tooWide;
            if (tooWide)
                break;
        }
        int lineEnd = lastFit < 0 ? n : lastFit;
        if (BreakWords && Width > 0 && lineTooWide) {
            int k = pos + 1;
            while (k < lineEnd && Fm.horizontalAdvance(Line.mid(pos, k + 1 - pos)) <= Width)
                ++k;
            lineEnd = k;
        }
        Out.push_back({Start + pos, lineEnd - pos});
        pos = lineEnd;
        while (pos < n && Line.at(pos) == QLatin1Char(' '))
            ++pos;
    }
}

// Multi-line text taller than its box: an edit-control layout drops the
// partly visible last line, and an end ellipsis goes on the last line shown.
void FitLines(const QFontMetrics& Fm, std::vector<TextLine>& Lines, const QString& Text,
              const std::vector<std::pair<int, int>>& Spans, const QRect& Box, int LineHeight, unsigned Format)
{
    const bool ellipsis = Format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS);
    if (!(Format & DT_EDITCONTROL) && !ellipsis)
        return;
    const int whole = qMax(1, Box.height() / qMax(1, LineHeight));
    if (int(Lines.size()) <= whole)
        return;
    Lines.resize(size_t(whole));
    if (ellipsis) {
        const auto& last = Spans[size_t(whole - 1)];
        QString rest = Text.mid(last.first);
        rest.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        TextLine& line = Lines.back();
        line.Text = (Format & DT_WORD_ELLIPSIS) ? WordEllipsis(Fm, rest, Box.width())
                                                 : EndEllipsis(Fm, rest, Box.width());
        if (line.Prefix >= line.Text.size() - 3)
            line.Prefix = -1;
    }
}

} // namespace

void TCanvas::TextOut(int X, int Y, const QString& Text)
{
    {
        const QFont font = ToQFont(*Font(), DeviceScale(this));
        const bool held = Surface() && Surface()->HoldFont(font);
        CanvasPainter p(this, false);
        if (p)
            PaintTextLine(this, p.get(), ToDevice(this, TPoint{X, Y}), TextLine{Text, -1}, font,
                          State().DC.BkMode == OPAQUE, held);
    }
    FPenPos = {X + TextWidth(Text), Y};
}

// TextRect: the text is clipped to Rect, and unless the brush is bsClear
// all of Rect is first filled with the background colour.
void TCanvas::TextRect(const TRect& Rect, int X, int Y, const QString& Text)
{
    const QFont font = ToQFont(*Font(), DeviceScale(this));
    const bool held = Surface() && Surface()->HoldFont(font);
    CanvasPainter p(this, false);
    if (!p)
        return;
    const QRect box = ToDevice(this, Rect);
    p->setClipRect(box, State().DC.Clip ? Qt::IntersectClip : Qt::ReplaceClip);
    if (Brush()->Style() != bsClear)
        p->fillRect(box, ToQColor(State().DC.BkColor));
    PaintTextLine(this, p.get(), ToDevice(this, TPoint{X, Y}), TextLine{Text, -1}, font, false, held);
}

TSize TCanvas::TextExtent(const QString& Text) const
{
    const double k = DeviceScale(this);
    const QFont font = ToQFont(*Font(), k);
    const QFontMetrics fm(font);
    return {int(std::ceil(Advance(font, fm, Text) / k - 1e-9)), int(std::ceil(fm.height() / k - 1e-9))};
}

int DrawText(HDC DC, const QString& Text, int Count, TRect* Rect, unsigned Format)
{
    return DrawTextEx(DC, Text, Count, Rect, Format, nullptr);
}

int DrawTextEx(HDC DC, const QString& Text, int Count, TRect* Rect, unsigned Format, TDrawTextParams* Params)
{
    if (!DC || !Rect)
        return 0;
    QString text = Count < 0 ? Text : Text.left(Count);
    const double k = DeviceScale(DC);
    const QFont font = ToQFont(*DC->Font(), k);
    const QFontMetrics fm(font);
    QRect box = ToDevice(DC, *Rect);
    if (Params)
        box.adjust(qRound(Params->iLeftMargin * k), 0, -qRound(Params->iRightMargin * k), 0);

    int prefix = -1;
    if (!(Format & DT_NOPREFIX))
        text = StripPrefix(text, &prefix);
    if (Format & DT_HIDEPREFIX)
        prefix = -1;
    if (Format & DT_EXPANDTABS)
        text = ExpandTabs(text, fm, Params ? Params->iTabLength : 8, prefix, &prefix);

    // Lines as (start, length) in text.
    std::vector<std::pair<int, int>> spans;
    if ((Format & DT_SINGLELINE) && !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n'))) {
        spans.push_back({0, int(text.size())});
    } else if (Format & DT_SINGLELINE) {
        QString single;
        int p = prefix;
        for (int i = 0; i < text.size(); ++i) {
            if (text.at(i) == QLatin1Char('\r') || text.at(i) == QLatin1Char('\n')) {
                if (prefix > i)
                    --p;
                continue;
            }
            single += text.at(i);
        }
        text = single;
        prefix = p;
        spans.push_back({0, int(text.size())});
    } else {
        int start = 0;
        const int n = int(text.size());
        for (int i = 0; i <= n; ++i) {
            if (i < n && text.at(i) != QLatin1Char('\r') && text.at(i) != QLatin1Char('\n'))
                continue;
            const QString line = text.mid(start, i - start);
            if (Format & DT_WORDBREAK)
                WrapLine(font, fm, line, start, box.width(),
                         (Format & DT_EDITCONTROL) && !(Format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS)), spans);
            else
                spans.push_back({start, i - start});
            if (i < n && text.at(i) == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
    }

    std::vector<TextLine> lines;
    int maxWidth = 0;
    for (const auto& [start, len] : spans) {
        TextLine line{text.mid(start, len), (prefix >= start && prefix < start + len) ? prefix - start : -1};
        if (!(Format & DT_CALCRECT) || (Format & DT_SINGLELINE) == 0) {
            const QString before = line.Text;
            line.Text = Ellipsis(fm, line.Text, box.width(), Format);
            if (line.Text != before && line.Prefix >= line.Text.size() - 3)
                line.Prefix = -1;
        }
        // Measuring shapes the text again: only the calculation needs it.
        if (Format & DT_CALCRECT)
            maxWidth = qMax(maxWidth, Advance(font, fm, line.Text));
        lines.push_back(line);
    }
    const int lineHeight = fm.height() + ((Format & DT_EXTERNALLEADING) ? qMax(0, fm.leading()) : 0);
    if (!(Format & (DT_CALCRECT | DT_SINGLELINE)))
        FitLines(fm, lines, text, spans, box, lineHeight, Format);
    const int totalHeight = lineHeight * int(lines.size());
    if (Params)
        Params->uiLengthDrawn = unsigned(Count < 0 ? Text.size() : Count);

    if (Format & DT_CALCRECT) {
        const int w = int(std::ceil(maxWidth / k - 1e-9));
        const int h = int(std::ceil(totalHeight / k - 1e-9));
        const int sign = DC->State().DC.MapMode == MM_LOMETRIC ? -1 : 1;
        // The widest line sets the width, wrapped or not.
        Rect->Right = Rect->Left + w + (Params ? Params->iLeftMargin + Params->iRightMargin : 0);
        Rect->Bottom = Rect->Top + sign * h;
        return h;
    }

    int y = box.top();
    if (Format & DT_SINGLELINE) {
        if (Format & DT_VCENTER)
            y = box.top() + (box.height() - lineHeight) / 2;
        else if (Format & DT_BOTTOM)
            y = box.top() + box.height() - lineHeight;
    }
    {
        const bool held = DC->Surface() && DC->Surface()->HoldFont(font);
        CanvasPainter p(DC, false);
        if (p) {
            if (!(Format & DT_NOCLIP))
                p->setClipRect(box, DC->State().DC.Clip ? Qt::IntersectClip : Qt::ReplaceClip);
            if (Format & DT_RTLREADING)
                p->setLayoutDirection(Qt::RightToLeft);
            const bool opaque = DC->State().DC.BkMode == OPAQUE;
            int lineTop = y;
            for (const TextLine& line : lines) {
                int x = box.left();
                if (Format & DT_CENTER)
                    x = box.left() + (box.width() - Advance(font, fm, line.Text)) / 2;
                else if (Format & DT_RIGHT)
                    x = box.left() + box.width() - Advance(font, fm, line.Text);
                PaintTextLine(DC, p.get(), QPoint(x, lineTop), line, font, opaque, held);
                lineTop += lineHeight;
            }
        }
    }
    if ((Format & DT_SINGLELINE) && (Format & (DT_VCENTER | DT_BOTTOM)))
        return int(std::lround((y - box.top() + totalHeight) / k));
    return int(std::lround(totalHeight / k));
}

bool TextOut(HDC DC, int X, int Y, const QString& Text, int Count)
{
    if (!DC)
        return false;
    const TPoint keep = DC->PenPos();
    DC->TextOut(X, Y, Count < 0 ? Text : Text.left(Count));
    DC->SetPenPos(keep);
    return true;
}

bool GetTextExtentPoint32(HDC DC, const QString& Text, int Count, TSize* Size)
{
    if (!DC || !Size)
        return false;
    *Size = DC->TextExtent(Count < 0 ? Text : Text.left(Count));
    return true;
}
