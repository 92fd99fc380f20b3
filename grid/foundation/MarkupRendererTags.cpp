// Tags of the mini-markup renderer: fonts, hyperlinks, paragraphs, images,
// lists and form-control elements.
#include "grid/foundation/MarkupCore.h"
#include "grid/foundation/MarkupRenderer.h"
#include "grid/foundation/MarkupText.h"
#include "grid/foundation/PictureContainer.h"
#include "grid/foundation/ThemeBinding.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Frames.h"
#include "platform/graphics/ImageList.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"
#include "platform/services/Shell.h"
#include <cmath>

using markup::AttributeValue;

namespace {

inline char16_t Letter(QStringView Tag, qsizetype I)
{
    if (I >= Tag.size())
        return 0;
    const char16_t c = Tag[I].unicode();
    return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
}

void SetStyle(TCanvas* C, TFontStyle Style, bool On)
{
    TFontStyles s = C->Font()->Style();
    if (On)
        s += Style;
    else
        s -= Style;
    C->Font()->SetStyle(s);
}

// FONT SIZE: the number after "=", read after the first double quote that
// follows the "=" when there is one; 1 to 5 are the classic sizes.
int FontSizeValue(const QString& Upper, bool& Given)
{
    Given = false;
    const int p = markup::IPos(u"SIZE", Upper);
    if (p == 0)
        return 0;
    const qsizetype eq = Upper.indexOf(u'=', p - 1 + 4);
    if (eq < 0)
        return 0;
    Given = true;
    const qsizetype quote = Upper.indexOf(u'"', eq + 1);
    qsizetype i = quote >= 0 ? quote + 1 : eq + 1;
    int n = 0;
    for (; i < Upper.size() && Upper[i].isDigit() && Upper[i].unicode() < 128; ++i)
        n = std::min(n * 10 + (Upper[i].unicode() - u'0'), 100000);
    static constexpr int kSizes[] = {8, 10, 12, 14, 16};
    return n >= 1 && n <= 5 ? kSizes[n - 1] : n;
}

} // namespace

bool MarkupRenderer::ApplyTag(QStringView Tag, Pass& P, MarkupLineValues& L)
{
    if (Letter(Tag, 1) == u'/' && Tag.size() > 3) {
        const char16_t c1 = Letter(Tag, 2);
        const char16_t c2 = Letter(Tag, 3);
        switch (c1) {
        case u'A':
            CloseAnchor(P, L);
            break;
        case u'B':
            if (c2 == u'>') {
                SetStyle(C, fsBold, false);
                FontChanged();
            } else if (P.Drawing && !A.SelectedMode) {
                SetFontColor(FBaseFont.Color());
            }
            break;
        case u'E':
            FErrorMark = false;
            break;
        case u'F':
            C->Font()->SetName(FBaseFont.Name());
            C->Font()->SetHeight(FBaseFont.Height());
            FontChanged();
            if (P.Drawing && !A.SelectedMode) {
                SetFontColor(FBaseFont.Color());
                SetBackground(FFontSavedBack);
            }
            break;
        case u'H':
            if (P.Drawing) {
                SetFontColor(FHiSavedText);
                SetBackground(FHiSavedBack);
            }
            break;
        case u'I':
            SetStyle(C, fsItalic, false);
            FontChanged();
            break;
        case u'L':
            P.End = LineEnd::Ended;
            break;
        case u'P':
            P.End = LineEnd::Ended;
            if (P.Drawing) {
                SetBackground(FParaSavedBack);
                FParaBack = false;
            }
            break;
        case u'R':
            C->Font()->SetOrientation(0);
            FontChanged();
            break;
        case u'S':
            if (c2 == u'U') {
                FSub = FSup = false;
            } else if (c2 == u'H') {
                FShadow = false;
            } else {
                SetStyle(C, fsStrikeOut, false);
                FontChanged();
            }
            break;
        case u'U':
            if (c2 != u'>' && FListLevel >= 1) {
                --FListLevel;
            } else {
                SetStyle(C, fsUnderline, false);
                FontChanged();
            }
            break;
        case u'Z':
            FHidden = false;
            break;
        default:
            break;
        }
        return true;
    }

    const char16_t c1 = Letter(Tag, 1);
    const char16_t c2 = Letter(Tag, 2);
    switch (c1) {
    case u'A':
        OpenAnchor(Tag, P);
        break;
    case u'B':
        if (c2 == u'>') {
            SetStyle(C, fsBold, true);
            FontChanged();
        } else if (c2 == u'R') {
            if (P.First)
                O.PlainText += QLatin1Char('\r');
            P.End = LineEnd::Ended;
        } else if (c2 == u'L') {
            if (P.Drawing && !A.BlinkOn && FStartBack != clNone)
                SetFontColor(FStartBack);
        } else if (c2 == u'O') {
            ApplyBody(Tag, markup::UpperChars(Tag), P);
        }
        break;
    case u'C':
        return ApplyControl(Tag, P, L);
    case u'E':
        FErrorMark = true;
        break;
    case u'F':
        ApplyFont(Tag, markup::UpperChars(Tag), P);
        break;
    case u'H':
        if (c2 == u'I') {
            if (P.Drawing) {
                FHiSavedText = C->Font()->Color();
                FHiSavedBack = Background();
                SetFontColor(MarkupHighlightText());
                SetBackground(MarkupHighlightBack());
            }
        } else if (c2 == u'R') {
            P.End = LineEnd::Ended;
            if (P.Drawing) {
                const TColor penColor = C->Pen()->Color();
                const int penWidth = C->Pen()->Width();
                C->Pen()->SetColor(clBlack);
                C->Pen()->SetWidth(1);
                C->MoveTo(P.C, P.F);
                C->LineTo(A.Bounds.Right, P.F);
                C->Pen()->SetColor(penColor);
                C->Pen()->SetWidth(penWidth);
            }
        }
        break;
    case u'I':
        if (c2 == u'>') {
            SetStyle(C, fsItalic, true);
            FontChanged();
        } else if (c2 == u'N') {
            QString v;
            int x = 0;
            if (AttributeValue(Tag, u"X", v) && TryStrToInt(v, x) && x > P.HitX()) {
                if (P.Drawing) {
                    P.Pos = P.C + x;
                } else {
                    P.W = x;
                    P.Pos = P.C + x;
                }
            }
        } else if (c2 == u'M') {
            return ApplyImage(Tag, markup::UpperChars(Tag), P, L);
        }
        break;
    case u'L':
        return ApplyListItem(P, L);
    case u'P':
        ApplyParagraph(markup::UpperChars(Tag), P, L);
        break;
    case u'R': {
        QString v;
        if (AttributeValue(Tag, u"A", v)) {
            C->Font()->SetOrientation(markup::LenientInt(v) * 10);
            FontChanged();
        }
        break;
    }
    case u'S':
        if (c2 == u'>') {
            SetStyle(C, fsStrikeOut, true);
            FontChanged();
        } else if (c2 == u'H') {
            FShadow = true;
        } else if (markup::IPos(u"<SUB>", Tag) == 1) {
            FSub = true;
        } else if (markup::IPos(u"<SUP>", Tag) == 1) {
            FSup = true;
        }
        break;
    case u'U':
        if (c2 == u'>') {
            SetStyle(C, fsUnderline, true);
            FontChanged();
        } else {
            ++FListLevel;
            P.End = LineEnd::Ended;
        }
        break;
    case u'Z':
        FHidden = true;
        break;
    default:
        break;
    }
    return true;
}

// Hyperlinks

void MarkupRenderer::OpenAnchor(QStringView Tag, Pass& P)
{
    if (P.Drawing && FAnchors == A.FocusAnchorIndex) {
        FFocusOpen = true;
        FFocusFromLineStart = false;
        FFocusLeft = P.Pos;
    }
    ++FAnchors;
    if (P.Drawing) {
        if (HoverApplies()) {
            SetStyle(C, fsUnderline, true);
            if (A.HoverBackColor != clNone) {
                FLinkSavedBack = Background();
                SetBackground(A.HoverBackColor);
            }
            if (A.HoverTextColor != clNone) {
                FLinkSavedText = C->Font()->Color();
                SetFontColor(A.HoverTextColor);
            }
        }
        const bool keepsHoverText =
            A.HoverOnly && FAnchors == A.HoverAnchorNumber && A.HoverTextColor != clNone;
        if (!A.SelectedMode && !keepsHoverText)
            SetFontColor(A.LinkColor);
    }
    QString v;
    if (AttributeValue(Tag, u"HREF", v)) {
        FTarget = v;
        FInLink = true;
    }
    if (AttributeValue(Tag, u"TITLE", v))
        FTitle = v;
    FAnchorStartX = P.HitX();
    FAnchorStartY = P.D;
    FAnchorStartLine = FLineNumber;
}

void MarkupRenderer::CloseAnchor(Pass& P, const MarkupLineValues& L)
{
    if (P.Drawing) {
        if (HoverApplies()) {
            SetStyle(C, fsUnderline, false);
            if (A.HoverBackColor != clNone)
                SetBackground(FLinkSavedBack);
            if (A.HoverTextColor != clNone)
                SetFontColor(FLinkSavedText);
        }
        if (!A.SelectedMode)
            SetFontColor(FBaseFont.Color());
    }
    FInLink = false;
    if (FLinkArea) {
        const bool sameLine = FAnchorStartLine == FLineNumber;
        O.AnchorRect = TRect{P.C + (sameLine ? FAnchorStartX : 0), sameLine ? FAnchorStartY : P.D,
                             P.C + P.HitX(), P.F};
        O.AnchorAtMouse = FAnchors;
        FLinkArea = false;
    }
    if (P.Drawing && FFocusOpen && FAnchors == A.FocusAnchorIndex + 1) {
        const int bottom = P.F - L.Raise;
        DrawFocusRect(C, TRect{FFocusLeft - 1, bottom - GhHeight(), P.Pos + 1, bottom});
        FFocusOpen = false;
    }
}

// Fonts, paragraphs, body

void MarkupRenderer::ApplyFont(QStringView Tag, const QString& Upper, Pass& P)
{
    QString v;
    if (AttributeValue(Upper, u"FACE", v)) {
        C->Font()->SetName(v);
        FontChanged();
    }
    if (AttributeValue(Upper, u" COLOR", v) && !A.SelectedMode)
        SetFontColor(markup::TagColor(v));
    if (AttributeValue(Upper, u"BGCOLOR", v) && P.Drawing && !A.SelectedMode) {
        FFontSavedBack = Background();
        SetBackground(markup::TagColor(v));
    }
    bool sized = false;
    const int size = FontSizeValue(Upper, sized);
    if (sized) {
        C->Font()->SetSize(size);
        FontChanged();
    }
}

void MarkupRenderer::ApplyParagraph(const QString& Upper, Pass& P, const MarkupLineValues& L)
{
    QString v;
    if (AttributeValue(Upper, u"ALIGN", v)) {
        if (v == u"LEFT")
            FAlign = 0;
        else if (v == u"RIGHT")
            FAlign = 1;
        else if (v == u"CENTER")
            FAlign = 2;
    }
    if (AttributeValue(Upper, u"INDENT", v))
        FIndent = markup::LenientInt(v);
    if (AttributeValue(Upper, u"BGCOLOR", v) && P.Drawing) {
        FParaSavedBack = Background();
        const TColor back = markup::TagColor(v);
        SetBackground(back);
        FParaBack = true;
        C->Pen()->SetColor(back);
        C->FillRect(TRect{A.Bounds.Left, P.D, A.Bounds.Right, P.D + L.Height});
    }
}

void MarkupRenderer::ApplyBody(QStringView Tag, const QString& Upper, Pass& P)
{
    if (!P.Drawing)
        return;
    QString v;
    if (AttributeValue(Upper, u"BGCOLOR", v)) {
        const TColor keep = Background();
        C->Brush()->SetColor(markup::BodyColor(v));
        C->FillRect(A.Bounds);
        SetBackground(keep);
    }
    if (AttributeValue(Tag, u"BACKGROUND", v)) {
        THTMLPicture* pic = FindPicture(v);
        const int w = pic && !pic->Empty() ? pic->Width() : 0;
        const int h = pic && !pic->Empty() ? pic->Height() : 0;
        if (w > 0 && h > 0) {
            const int saved = SaveDC(C);
            IntersectClipRect(C, A.Bounds.Left, A.Bounds.Top, A.Bounds.Right, A.Bounds.Bottom);
            for (int y = A.Bounds.Top; y < A.Bounds.Bottom; y += h)
                for (int x = A.Bounds.Left; x < A.Bounds.Right; x += w)
                    pic->Draw(C, Bounds(x, y, w, h));
            RestoreDC(C, saved);
        }
    }
}

// Images, list items and form-control elements

THTMLPicture* MarkupRenderer::FindPicture(const QString& Source)
{
    if (Source.contains(QStringLiteral("://"))) {
        if (!A.PictureCache)
            return nullptr;
        THTMLPicture* pic = A.PictureCache->FindPicture(Source);
        if (!pic) {
            pic = A.PictureCache->AddPicture();
            // Keyed by its location at once, so a picture that stays empty
            // is not added again on every paint.
            pic->SetID(Source);
            try {
                pic->LoadFromURL(Source);
            } catch (const Exception&) {
            }
        }
        return pic;
    }
    if (!Source.contains(u':') && A.PictureContainer)
        return A.PictureContainer->FindPicture(Source);
    return nullptr;
}

bool MarkupRenderer::Place(Pass& P, int Width)
{
    const int room = P.E - P.C;
    return !(P.First && P.HitX() + Width > room && Width < room);
}

void MarkupRenderer::Advance(Pass& P, MarkupLineValues& L, int Width, int Height)
{
    P.W += Width;
    P.Pos = P.Drawing ? P.Pos + Width : P.C + P.W;
    L.Height = std::max(L.Height, Height);
    P.TrailingBlank = 0;
}

bool MarkupRenderer::ApplyImage(QStringView Tag, const QString& Upper, Pass& P, MarkupLineValues& L)
{
    const int number = ++FImages;
    QString source;
    AttributeValue(Tag, u"SRC", source);
    QString alt;
    if (number == FImageAtMouse && AttributeValue(Tag, u"ALT", alt) && !alt.isEmpty())
        source = alt;
    QString v;
    const int givenW = AttributeValue(Upper, u"WIDTH", v) ? markup::LenientInt(v) : -1;
    const int givenH = AttributeValue(Upper, u"HEIGHT", v) ? markup::LenientInt(v) : -1;
    const int ppi = Ppi();
    const QString upperSource = markup::UpperChars(source);

    int w = 0;
    int h = 0;
    std::function<void(int X, int Y)> draw;
    std::unique_ptr<TIcon> icon;
    THTMLPicture* pic = nullptr;
    if (upperSource.startsWith(u"IDX:")) {
        const int n = markup::LenientInt(QStringView(source).mid(4));
        if (A.Images && n >= 0 && n < A.Images->Count()) {
            w = A.Images->Width() * ppi / 96;
            h = A.Images->Height() * ppi / 96;
            draw = [&, n](int X, int Y) {
                if (!A.Printing) {
                    A.Images->Draw(C, X, Y, n);
                    return;
                }
                TBitmap bmp;
                A.Images->GetBitmap(n, &bmp);
                C->StretchDraw(Bounds(X, Y, int(std::lround(A.Images->Width() * A.PrintScale)),
                                      int(std::lround(A.Images->Height() * A.PrintScale))),
                               &bmp);
            };
        }
    } else if (upperSource.startsWith(u"SSYS:") || upperSource.startsWith(u"LSYS:")) {
        const QString path = source.mid(5);
        int index = 0;
        // A system-image index has no meaning here: it takes no space.
        icon = std::make_unique<TIcon>();
        if (!TryStrToInt(path, index) && GetShellFileIcon(path, upperSource.startsWith(u"L"), icon.get())) {
            w = icon->Width() * ppi / 96;
            h = icon->Height() * ppi / 96;
            draw = [&](int X, int Y) {
                if (A.Printing)
                    C->StretchDraw(Bounds(X, Y, int(std::lround(icon->Width() * A.PrintScale)),
                                          int(std::lround(icon->Height() * A.PrintScale))),
                                   icon.get());
                else
                    C->Draw(X, Y, icon.get());
            };
        }
    } else {
        pic = FindPicture(source);
        if (pic && !pic->Empty() && pic->Width() > 0 && pic->Height() > 0) {
            const int pw = pic->GetMaxWidth();
            const int ph = pic->GetMaxHeight();
            if (givenW >= 0 && givenH >= 0) {
                w = givenW;
                h = givenH;
            } else if (givenW >= 0) {
                w = givenW;
                h = int(std::lround(double(ph) * givenW / pw));
            } else if (givenH >= 0) {
                w = int(std::lround(double(pw) * givenH / ph));
                h = givenH;
            } else {
                w = pw;
                h = ph;
            }
            const int drawW = w;
            const int drawH = h;
            w = w * ppi / 96;
            h = h * ppi / 96;
            draw = [&, drawW, drawH](int X, int Y) {
                if (givenW >= 0 || givenH >= 0) {
                    pic->SetStretch(true);
                    pic->Draw(C, Bounds(X, Y, drawW, drawH));
                } else if (pic->FrameCount() > 1) {
                    if (FStartBack != clNone) {
                        const TColor keep = Background();
                        C->Brush()->SetColor(FStartBack);
                        C->FillRect(Bounds(X, Y, drawW, drawH));
                        SetBackground(keep);
                    }
                    pic->Draw(C, Bounds(X + pic->FrameXPos(), Y + pic->FrameYPos(), pic->Width(), pic->Height()));
                } else {
                    pic->Draw(C, Bounds(X, Y, drawW, drawH));
                }
            };
        }
    }
    if (!draw)
        return true;
    if (!Place(P, w)) {
        --FImages;
        return false;
    }
    const int hx = P.HitX();
    if (FInLink && hx < A.MouseX - P.C && A.MouseX - P.C < hx + w && P.D < A.MouseY && A.MouseY < P.D + h) {
        P.ImageHit = true;
        O.LinkAtMouse = FTarget;
        O.TitleAtMouse = FTitle;
        FImageAtMouse = number;
    }
    if (P.Drawing)
        draw(P.Pos, P.D);
    Advance(P, L, w, h);
    if (AttributeValue(Upper, u"ALIGN", v)) {
        if (v.startsWith(u"TOP"))
            L.Raise = L.Height - GhHeight();
        else if (v.startsWith(u"MIDDLE"))
            L.Raise = (L.Height - GhHeight()) / 2;
    }
    return true;
}

bool MarkupRenderer::ApplyListItem(Pass& P, MarkupLineValues& L)
{
    if (P.ListItem && P.First)
        return false;
    P.ListItem = true;
    P.W += 12 * FListLevel;
    if (!P.Drawing) {
        P.Pos = P.C + P.W;
        return true;
    }
    P.Pos += 12 * FListLevel - 12;
    const QString bullet = FListLevel % 2 == 1 ? QStringLiteral("\u2022") : QStringLiteral("\u25E6");
    TRect r{P.Pos, P.D, P.E, P.F - L.Raise};
    DrawText(C, bullet, -1, &r, FFlags | DT_NOPREFIX);
    P.Pos += 12;
    return true;
}

bool MarkupRenderer::ApplyControl(QStringView Tag, Pass& P, MarkupLineValues& L)
{
    const TControlTagFields f = ParseControlTag(Tag.toString());
    int width = 0;
    if (!TryStrToInt(f.Width, width))
        return true;
    int height = 25;
    if (!TryStrToInt(f.Height, height))
        height = 25;
    const bool checkLike = f.Type == u"CHECK" || f.Type == u"RADIO";
    const bool editLike = f.Type == u"EDIT" || f.Type == u"PASSWORD" || f.Type == u"MASK";
    const int gh = GhHeight();
    const int extW = checkLike ? 16 : width;
    const int extH = checkLike ? 16 : editLike ? gh + 10 : 25;
    if (!Place(P, extW))
        return false;
    L.Height = std::max(L.Height, height > 25 ? height - 2 : checkLike ? 16 : 23);

    const int hx = P.HitX();
    const bool over = hx < A.MouseX - P.C && A.MouseX - P.C < hx + extW && P.D < A.MouseY && A.MouseY < P.D + extH;
    if (over || (A.HitTestOnly && f.ID == O.ControlID)) {
        P.ImageHit = true;
        O.LinkAtMouse = QStringLiteral("ctrl");
        O.ControlRect = TRect{P.C + hx, P.D, P.C + hx + extW, P.D + extH};
        O.ControlValue = f.Value;
        O.ControlID = f.ID;
        O.ControlType = f.Type;
    }
    if (P.Drawing)
        DrawControl(f, P.Pos, P.F, L.Height, width, height);
    Advance(P, L, extW, extH);
    return true;
}

void MarkupRenderer::DrawControl(const TControlTagFields& F, int X, int B, int S, int Width, int Height)
{
    const TColor penColor = C->Pen()->Color();
    const TColor back = Background();
    const TColor border = FThemed ? TColor(0xB99D7F) : TColor(0x808080);
    const auto box = [&] {
        C->Pen()->SetColor(border);
        C->Brush()->SetColor(clWhite);
        C->Rectangle(X, B - S + 4, X + Width, B + 2);
        SetBackground(clNone);
    };
    const auto themed = [&](const char* Class, int Part, int State, TRect R) {
        HTHEME theme = ProXPVS.OpenThemeData(A.WindowHandle, QLatin1String(Class));
        const bool drawn = theme && ProXPVS.DrawThemeBackground(theme, C, Part, State, &R, nullptr) == S_OK;
        if (theme)
            ProXPVS.CloseThemeData(theme);
        return drawn;
    };
    const int gh = GhHeight();
    const auto hot = [&](int H) {
        return X - 2 < A.MouseX && A.MouseX < X + Width - 2 && B - H - 2 < A.MouseY && A.MouseY < B - 2;
    };
    const bool checked = F.Value.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0;

    if (F.Type == u"EDIT" || F.Type == u"PASSWORD" || F.Type == u"MASK") {
        box();
        const QString text = F.Type == u"PASSWORD" ? QString(F.Value.size(), u'*') : F.Value;
        TRect r{X + 2, B - S + 4, X + Width, B};
        DrawText(C, text, -1, &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    } else if (F.Type == u"COMBO") {
        box();
        TRect r{X + 4, B - S + 4, X + Width - 18, B};
        DrawText(C, F.Value, -1, &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        TRect button{X + Width - 18, B - S + 5, X + Width - 1, B + 1};
        if (!(FThemed && themed("combobox", 1, hot(gh + 10) ? 2 : 1, button)))
            DrawFrameControl(C, &button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
    } else if (F.Type == u"CHECK") {
        TRect r{X + 2, B - 15, X + 15, B};
        if (!(FThemed && themed("button", 3, checked ? 5 : 1, r)))
            DrawFrameControl(C, &r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (checked ? DFCS_CHECKED : 0));
    } else if (F.Type == u"RADIO") {
        TRect r{X + 2, B - 14, X + 14, B};
        if (!(FThemed && themed("button", 2, checked ? 5 : 1, r)))
            DrawFrameControl(C, &r, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_FLAT | (checked ? DFCS_CHECKED : 0));
    } else if (F.Type == u"BUTTON") {
        const bool over = hot(24);
        const bool pressed = over && A.MouseDown;
        TRect r{X + 2, B - Height, X + Width - 2, B};
        if (!(FThemed && themed("button", 1, pressed ? 3 : over ? 2 : 1, r)))
            DrawFrameControl(C, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
        SetBackground(clNone);
        TRect t{r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2};
        DrawText(C, F.Value, -1, &t, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    }
    C->Pen()->SetColor(penColor);
    SetBackground(back);
}

void MarkupRenderer::SetFontColor(TColor Color)
{
    C->Font()->SetColor(Color);
}
