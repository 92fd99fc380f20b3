// The smaller painters of a cell: check boxes and radio buttons in every
// control style, radio groups, the sort indicator, cell borders; the
// glyph bitmaps and the filter value list the header asks for.
#include "grid/core/ControlLook.h"
#include "grid/core/GridItem.h"
#include "grid/core/ProStringGridPaint.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/GridBitmaps.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/PictureContainer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Frames.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"

TBitmap* TGlyphCache::Get(const QString& Name)
{
    for (const TEntry& e : FEntries)
        if (e.Name == Name)
            return e.Bitmap.get();
    auto bitmap = std::make_unique<TBitmap>();
    LoadGridBitmap(Name, bitmap.get());
    FEntries.push_back({Name, std::move(bitmap)});
    return FEntries.back().Bitmap.get();
}

// Check boxes and radio buttons

namespace {

// Frame-control flags of the classic and flat looks.
unsigned FrameState(bool Checked, bool Grayed, bool Flat, bool Enabled)
{
    unsigned state = 0;
    if (Checked)
        state |= DFCS_CHECKED;
    if (Grayed)
        state |= DFCS_BUTTON3STATE | DFCS_CHECKED;
    if (Flat)
        state |= DFCS_FLAT;
    if (!Enabled)
        state |= DFCS_INACTIVE;
    return state;
}

// A Size square centred in R.
TRect Centred(const TRect& R, int Size)
{
    const int x = R.Left + (R.Width() - Size) / 2;
    const int y = R.Top + (R.Height() - Size) / 2;
    return TRect{x, y, x + Size, y + Size};
}

QString GlyphName(const char* Prefix, int First, bool Checked, bool Enabled)
{
    const int n = First + (Checked ? 0 : 1) + (Enabled ? 0 : 2);
    return QStringLiteral("%1%2").arg(QLatin1String(Prefix)).arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

void TProStringGrid::DrawCheck(TCanvas* ACanvas, const TRect& ARect, bool Checked, TCheckBoxState State,
                               bool IsTriState, ProGrid::TControlStyle Style, bool Grayed, bool Enabled)
{
    const bool enabled = FControlLook->NoDisabledCheckRadioLook() || FControlLook->CheckAlwaysActive() || Enabled;
    // Without visual styles the themed look is the classic one.
    if (Style == csTheme && !(FIsWinXP && FIsComCtl6))
        Style = csClassic;
    const bool checked = IsTriState ? State == cbChecked : Checked;
    const bool grayed = IsTriState ? State == cbGrayed : Grayed;
    const int size = FControlLook->CheckSize();
    TRect box = Centred(ARect, size);
    switch (Style) {
    case csWinXP:
    case csQLX: {
        TBitmap* glyph = Glyph(GlyphName("SGCHK", Style == csWinXP ? 5 : 1, checked || grayed, enabled));
        ACanvas->Draw(box.Left, box.Top, glyph);
        break;
    }
    case csBorland: {
        ACanvas->Brush()->SetStyle(bsSolid);
        ACanvas->Brush()->SetColor(enabled ? clBtnFace : clBtnShadow);
        ACanvas->FillRect(box);
        ACanvas->Pen()->SetWidth(1);
        ACanvas->Pen()->SetColor(clBtnHighlight);
        ACanvas->MoveTo(box.Left, box.Bottom - 1);
        ACanvas->LineTo(box.Left, box.Top);
        ACanvas->LineTo(box.Right - 1, box.Top);
        ACanvas->Pen()->SetColor(clBtnShadow);
        ACanvas->LineTo(box.Right - 1, box.Bottom - 1);
        ACanvas->LineTo(box.Left, box.Bottom - 1);
        if (checked || grayed) {
            ACanvas->Pen()->SetColor(enabled ? FControlLook->Color() : clGray);
            const int x = box.Left + size / 4, y = box.Top + size / 2;
            // A tick two pixels thick.
            for (int d = 0; d < 2; ++d) {
                ACanvas->MoveTo(x, y + d - 1);
                ACanvas->LineTo(x + size / 4, y + size / 4 + d - 1);
                ACanvas->LineTo(box.Right - size / 4, box.Top + size / 4 + d - 1);
            }
        }
        break;
    }
    case csGlyph: {
        TBitmap* glyph = checked || grayed ? FControlLook->CheckedGlyph() : FControlLook->UnCheckedGlyph();
        if (glyph && !glyph->Empty())
            DrawGlyph(ACanvas, glyph, box.Left, box.Top);
        break;
    }
    default: {
        DrawFrameControl(ACanvas, &box, DFC_BUTTON,
                         DFCS_BUTTONCHECK | FrameState(checked, grayed, Style == csFlat, enabled));
        break;
    }
    }
}

void TProStringGrid::DrawRadio(TCanvas* ACanvas, const TRect& ABox, bool Checked, bool Enabled)
{
    ProGrid::TControlStyle style = FControlLook->ControlStyle();
    if (style == csTheme && !(FIsWinXP && FIsComCtl6))
        style = csClassic;
    switch (style) {
    case csWinXP:
    case csQLX:
        DrawGlyph(ACanvas, Glyph(GlyphName("SGRAD", style == csWinXP ? 5 : 1, Checked, Enabled)), ABox.Left,
                  ABox.Top);
        break;
    case csGlyph: {
        TBitmap* glyph = Checked ? FControlLook->RadioOnGlyph() : FControlLook->RadioOffGlyph();
        if (glyph && !glyph->Empty())
            DrawGlyph(ACanvas, glyph, ABox.Left, ABox.Top);
        break;
    }
    default: {
        TRect box = ABox;
        DrawFrameControl(ACanvas, &box, DFC_BUTTON,
                         DFCS_BUTTONRADIO | FrameState(Checked, false, style == csFlat, Enabled));
        break;
    }
    }
}

void TProStringGrid::DrawRadioGroup(TCanvas* ACanvas, const TRect& ARect, TStrings* Options, int Index,
                                    const QString& CellText, bool SideBySide, bool Enabled, bool Selected,
                                    double Scale)
{
    if (!Options)
        return;
    const bool enabled = FControlLook->NoDisabledCheckRadioLook() || FControlLook->RadioAlwaysActive() || Enabled;
    const int size = int(FControlLook->RadioSize() * Scale);
    const int lineHeight = ACanvas->TextHeight(QStringLiteral("gh"));
    const TColor textColor = Selected && FSelectionTextColor != clNone ? FSelectionTextColor : ACanvas->Font()->Color();
    int x = ARect.Left, y = ARect.Top;
    for (int i = 0; i < Options->Count(); ++i) {
        const QString option = Options->Strings(i);
        const bool checked = Index >= 0 ? i == Index : option == CellText;
        const int top = y + std::max((lineHeight - size) / 2, 0);
        DrawRadio(ACanvas, TRect{x, top, x + size, top + size}, checked, enabled);
        ACanvas->Brush()->SetStyle(bsClear);
        ACanvas->Font()->SetColor(textColor);
        ACanvas->TextOut(x + size + 2, y, option);
        ACanvas->Brush()->SetStyle(bsSolid);
        if (SideBySide)
            x += size + 2 + ACanvas->TextWidth(option) + int(8 * Scale);
        else
            y += lineHeight;
    }
}

// Sort indicator

void TProStringGrid::DrawSortIndicator(TCanvas* ACanvas, int ACol, int Y, int X)
{
    const int rcol = DisplToRealCol(ACol);
    TBitmap* glyph = FSortSettings->Direction() == sdDescending ? FSortSettings->DownGlyph()
                                                                  : FSortSettings->UpGlyph();
    const bool noGlyph = !glyph || glyph->Empty();
    if (Mirrored())
        X = ClientWidth() - X - 4 - (noGlyph ? 7 : glyph->Width() + 7);
    TPen* pen = ACanvas->Pen();
    const TColor penColor = pen->Color();
    const int penWidth = pen->Width();
    if (FSortSettings->IndexShow()) {
        const int idx = FSortIndexes->FindIndex(rcol);
        if (idx < 0)
            return;
        TBitmap* up = FSortSettings->IndexUpGlyph();
        TBitmap* down = FSortSettings->IndexDownGlyph();
        const bool triangles = !up || up->Empty() || !down || down->Empty();
        const bool descending = !FSortIndexes->SortDirections(idx);
        ACanvas->Brush()->SetStyle(bsSolid);
        ACanvas->Brush()->SetColor(FSortSettings->IndexColor());
        ACanvas->Pen()->SetColor(clBlack);
        if (descending) {
            if (triangles)
                ACanvas->Polygon({Point(X - 7, Y - 5), Point(X + 7, Y - 5), Point(X, Y + 8)});
            else
                DrawGlyph(ACanvas, up, X - 7, Y - 7);
        } else {
            if (triangles)
                ACanvas->Polygon({Point(X - 6, Y + 8), Point(X + 6, Y + 8), Point(X, Y - 4)});
            else
                DrawGlyph(ACanvas, down, X - 7, Y - 7);
        }
        TFont* font = ACanvas->Font();
        const QString name = font->Name();
        const int size = font->Size();
        const TColor color = font->Color();
        const TFontStyles style = font->Style();
        font->SetName(QStringLiteral("Tahoma"));
        font->SetSize(6);
        font->SetStyle({});
        font->SetColor(clBlack);
        ACanvas->Brush()->SetStyle(bsClear);
        ACanvas->TextOut(X - 2, descending ? Y - 4 : Y - 2, QString::number(idx + 1));
        ACanvas->Brush()->SetStyle(bsSolid);
        font->SetName(name);
        font->SetSize(size);
        font->SetStyle(style);
        font->SetColor(color);
    } else if (noGlyph) {
        pen->SetWidth(1);
        if (FSortSettings->Direction() == sdDescending) {
            pen->SetColor(clGray);
            ACanvas->MoveTo(X - 4, Y - 4);
            ACanvas->LineTo(X, Y + 4);
            pen->SetColor(clWhite);
            ACanvas->LineTo(X + 4, Y - 4);
            ACanvas->LineTo(X - 4, Y - 4);
        } else {
            pen->SetColor(clWhite);
            ACanvas->MoveTo(X - 4, Y + 4);
            ACanvas->LineTo(X + 4, Y + 4);
            ACanvas->LineTo(X, Y - 4);
            pen->SetColor(clGray);
            ACanvas->LineTo(X - 4, Y + 4);
        }
    } else {
        ACanvas->Brush()->SetColor(FixedColor());
        DrawGlyph(ACanvas, glyph, X - 4, Y - 4);
    }
    pen->SetColor(penColor);
    pen->SetWidth(penWidth);
}

// Borders

void TProStringGrid::DrawCellBorders(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, bool Print)
{
    for (auto& pen : FBorderPens)
        if (!pen)
            pen = std::make_unique<TPen>();
    TPen* asked = FBorderPens[0].get();
    asked->Assign(ACanvas->Pen());
    TCellBorders borders;
    if (Print)
        GetCellPrintBorder(ACol, ARow, asked, borders);
    else
        GetCellBorder(ACol, ARow, asked, borders);
    if (borders.Empty())
        return;
    TPen* left = FBorderPens[1].get();
    TPen* top = FBorderPens[2].get();
    TPen* right = FBorderPens[3].get();
    TPen* bottom = FBorderPens[4].get();
    for (TPen* p : {left, top, right, bottom})
        p->Assign(asked);
    if (OnGetCellBorderProp)
        OnGetCellBorderProp(this, ARow, ACol, left, top, right, bottom);

    TPen saved;
    saved.Assign(ACanvas->Pen());
    const int half = (asked->Width() + 1) / 2;
    const int lineWidth = GridLineWidth();
    TRect r = ARect;
    if (Options().Contains(goVertLine)) {
        r.Left += half;
        r.Right -= half;
    }
    if (Options().Contains(goHorzLine))
        r.Bottom -= half;
    if (borders.Contains(cbLeft)) {
        ACanvas->Pen()->Assign(left);
        const int x = std::max(r.Left, 0);
        ACanvas->MoveTo(x, r.Top);
        ACanvas->LineTo(x, r.Bottom);
    }
    if (borders.Contains(cbRight)) {
        ACanvas->Pen()->Assign(right);
        ACanvas->MoveTo(r.Right - 1, r.Top);
        ACanvas->LineTo(r.Right - 1, r.Bottom);
    }
    if (borders.Contains(cbTop)) {
        ACanvas->Pen()->Assign(top);
        const int y = lineWidth > 0 ? std::max(r.Top + half - lineWidth, 0) : r.Top + 1;
        ACanvas->MoveTo(r.Left, y);
        ACanvas->LineTo(r.Right, y);
    }
    if (borders.Contains(cbBottom)) {
        ACanvas->Pen()->Assign(bottom);
        ACanvas->MoveTo(r.Left - lineWidth - 1, r.Bottom - 1);
        ACanvas->LineTo(r.Right, r.Bottom - 1);
    }
    ACanvas->Pen()->Assign(&saved);
}

void TProStringGrid::SetPictureContainer(TPictureContainer* Value)
{
    FPictureContainer = Value;
    if (Value)
        FreeNotification(Value);
    Invalidate();
}
