// The look of a cell and the steps that paint its content over the
// background the base grid filled: fixed-cell looks, the row indicator,
// the modified-row bar, always-visible editor buttons, the text, borders
// and the focus frame. Nothing here allocates for a plain cell.
#include "grid/core/ControlLook.h"
#include "grid/core/GridSettings.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/ProStringGridPaint.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/Bands.h"
#include "grid/foundation/DrawUtils.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Frames.h"

namespace {

bool IsQLXLook(TGridLook Look)
{
    return Look == glQLX || Look == glXP || Look == glVista || Look == glWin7 || Look == glOffice2007;
}

// Half of the channel sum rounded to the even neighbour: Num / 100 exactly.
int RoundHalfEven(int Num)
{
    int q = Num / 100;
    const int r = Num % 100;
    if (r > 50 || (r == 50 && (q & 1)))
        ++q;
    return q;
}

} // namespace

// Colour mixing

TColor TProStringGrid::MixColor(TColor C1, TColor C2, int Percent)
{
    if (Percent >= 100)
        return C1;
    if (Percent < 1 || C1 == clNone)
        return C2;
    if (C2 == clNone)
        return C1;
    const TColor a = ColorToRGB(C1), b = ColorToRGB(C2);
    auto channel = [&](int x, int y) { return std::min(RoundHalfEven(Percent * x + (100 - Percent) * y), 255); };
    return RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
               channel(GetBValue(a), GetBValue(b)));
}

// Visual properties

void TProStringGrid::GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState& AState, TFont* AFont,
                                       TBrush* ABrush, bool Remap)
{
    const int c = Remap ? ACol : RealToDisplCol(ACol);
    const bool fixed = IsFixed(c, ARow) || c < FixedCols() || ARow < FixedRows();
    AFont->Assign(fixed ? FFixedFont.get() : Font());
    if (HasCellProperties(RCol, ARow)) {
        TCellProperties* props = GetGridCellProps(RCol, ARow);
        if (props->FontColor() != clNone)
            AFont->SetColor(props->FontColor());
        if (!props->FontStyle().Empty())
            AFont->SetStyle(props->FontStyle());
        if (props->FontSize() != 0)
            AFont->SetSize(props->FontSize());
        if (!props->FontName().isEmpty())
            AFont->SetName(props->FontName());
    }
    GetCellColor(RCol, ARow, AState, ABrush, AFont);
}

void TProStringGrid::GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                         bool Remap, TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                         TColor& AMirrorColorTo, TFont* AFont, TAlignment& HA, TVAlignment& VA,
                                         bool& WW, TCellGradientDirection& GD)
{
    const int fixedCols = FixedCols(), fixedRows = FixedRows();
    const bool printFonts = Print && !FPrintSettings->UseDisplayFont();
    if (ACol >= fixedCols && ARow >= fixedRows)
        AFont->Assign(printFonts ? FPrintSettings->Font() : Font());
    else
        AFont->Assign(printFonts ? FPrintSettings->FixedFont() : FFixedFont.get());

    const int rcol = Remap ? DisplToRealCol(ACol) : ACol;
    ABrush->SetColor(clNone);
    AColorTo = AMirrorColor = AMirrorColorTo = clNone;
    bool ownBrush = false;
    if (HasCellProperties(rcol, ARow)) {
        TCellProperties* props = GetGridCellProps(rcol, ARow);
        if (KeepsOwnBrush(rcol, ARow)) {
            if (props->BrushColor() != clNone) {
                ABrush->SetColor(props->BrushColor());
                ownBrush = true;
            }
        } else {
            ABrush->SetColor(props->BrushColor());
        }
        if (props->FontColor() != clNone)
            AFont->SetColor(props->FontColor());
        if (!props->FontStyle().Empty())
            AFont->SetStyle(props->FontStyle());
        if (props->FontSize() != 0)
            AFont->SetSize(props->FontSize());
        if (!props->FontName().isEmpty())
            AFont->SetName(props->FontName());
        WW = props->WordWrap();
        AColorTo = props->BrushColorTo();
        GD = props->GradientDirection();
    }
    if (AState.Contains(gdSelected))
        GD = GradientVertical;

    if (ABrush->Color() == clNone) {
        ABrush->SetColor(Color());
        if (FBands->Active() && (!Print || FBands->Print()) && ACol >= fixedCols &&
            ACol < ColCount() + FNumHidden - FFixedRightCols && ARow >= fixedRows &&
            ARow < RowCount() - FFixedFooters && FBands->TotalLength() > 0)
            ABrush->SetColor((ARow - fixedRows) % FBands->TotalLength() < FBands->PrimaryLength()
                                 ? FBands->PrimaryColor()
                                 : FBands->SecondaryColor());
        if (ACol < fixedCols || ARow < fixedRows || ACol >= ColCount() - FFixedRightCols ||
            ARow >= RowCount() - FFixedFooters)
            ABrush->SetColor(FixedColor());
    }

    const bool fixed = IsFixed(ACol, ARow) || ACol < fixedCols || ARow < fixedRows;
    if (fixed && !ownBrush && !Print) {
        ABrush->SetColor(FixedColor());
        AFont->Assign(FFixedFont.get());
        AState += gdFixed;
        if (IsQLXLook(FLook) || FLook == glListView) {
            ABrush->SetColor(FQLX.From);
            AColorTo = FQLX.To;
            AMirrorColor = FQLX.MirrorFrom;
            AMirrorColorTo = FQLX.MirrorTo;
        }
    }

    if (Print)
        GetCellPrintColor(rcol, ARow, AState, ABrush, AFont);
    else
        GetCellColor(rcol, ARow, AState, ABrush, AFont);
    if (OnGetCellGradient) {
        TColor color = ABrush->Color();
        OnGetCellGradient(this, ARow, rcol, color, AColorTo, AMirrorColor, AMirrorColorTo, GD);
        ABrush->SetColor(color);
    }
    FOwnBrushColor = ABrush->Color();
    FOwnFontColor = AFont->Color();

    ApplySelectionLook(ACol, ARow, AState, Print, Select, fixed, ABrush, AColorTo, AMirrorColor, AMirrorColorTo,
                       AFont);

    if (FUseDisabledFont && ((FUseEnabledRows && !GetRowEnabled(ARow)) || !Enabled()))
        AFont->SetColor(FDisabledFontColor);
    if (AState.Contains(gdSelected) && ARow != Row() && FMouseActions->DisjunctRowSelect() &&
        FSelectionColorTo == clNone)
        ABrush->SetColor(AdjustBrightness(ABrush->Color(), 7));

    GetWordWrapEx(rcol, ARow, WW);
    CalcCellAlignment(rcol, ARow, HA, VA);
}

void TProStringGrid::ApplySelectionLook(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                        bool Fixed, TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                        TColor& AMirrorColorTo, TFont* AFont)
{
    auto paintSelected = [&] {
        ABrush->SetColor(FSelectionColor);
        AColorTo = FSelectionColorTo;
        AMirrorColor = FSelectionMirrorColor;
        AMirrorColorTo = FSelectionMirrorColorTo;
        if (FSelectionTextColor != clNone)
            AFont->SetColor(FSelectionTextColor);
    };
    const bool rowMode = FMouseActions->DisjunctRowSelect();
    const bool colMode = FMouseActions->DisjunctColSelect();
    const bool normalCell = !Fixed && ACol >= FixedCols() && ARow >= FixedRows();
    const bool active = Select && !Print && FShowSelection && normalCell;
    if (rowMode && active) {
        const bool downHere = FMouseDown && ARow == Row();
        const bool rowSelected = DisplayRowSelected(ARow);
        // While the mouse is down on the current row its selection shows inverted.
        if ((!downHere && rowSelected) || (FMouseDown && !rowSelected && AState.Contains(gdSelected))) {
            AState = {gdSelected};
            paintSelected();
        } else {
            AState -= gdSelected;
        }
    }
    if (colMode && active && ACol < ColCount() && GetColSelect(ACol)) {
        AState += gdSelected;
        paintSelected();
    }
    if (!rowMode && !colMode && Select && !Print) {
        // The current cell shows as the focus, not as selected, unless the
        // options draw it selected.
        const bool focusOnly = AState.Contains(gdFocused) && !Options().Contains(goDrawFocusSelected) &&
                               !Options().Contains(goRowSelect);
        const bool selected = AState.Contains(gdSelected) && !focusOnly;
        if ((FShowSelection && normalCell && selected) ||
            (AState.Contains(gdSelected) && FMouseDown && FShowSelection && !focusOnly)) {
            const TColor own = ABrush->Color();
            paintSelected();
            if (own != Color())
                ABrush->SetColor(MixColorIf(FSelectionColor, own, FSelectionColorMixer, FSelectionColorMixerFactor));
            AState += gdSelected;
        } else {
            AState -= gdSelected;
        }
    }
    if (FMouseActions->DisjunctCellSelect() && FShowSelection && Select && !Print && normalCell) {
        if (FSelectedCells->HasValue(int((unsigned(ARow) << 16) | (unsigned(ACol) & 0xFFFFu)))) {
            AState += gdSelected;
            paintSelected();
        } else if (ACol == Col() && ARow == Row()) {
            AState -= gdSelected;
            ABrush->SetColor(FOwnBrushColor);
            AFont->SetColor(FOwnFontColor);
        }
    }
}

// Cell content

void TProStringGrid::DrawCellContent(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect,
                                     TGridDrawState AState)
{
    TCellPaint p;
    p.Canvas = ACanvas;
    p.Col = ACol;
    p.Row = ARow;
    p.RCol = DisplToRealCol(ACol);
    p.Cell = ARect;
    p.Rect = ARect;
    p.State = AState;
    PrepareCell(p);
    DrawFixedLook(p);
    DrawRowIndicator(p);
    DrawModifiedBar(p);
    if (OnCustomCellBkgDraw)
        OnCustomCellBkgDraw(this, ACanvas, ACol, ARow, p.State, p.Rect, false);
    DrawEditorButtons(p);
    DrawCellGraphic(p, true);
    const bool eventDraws = (OnDrawCell || OnCustomCellDraw) && FNoDefaultDraw;
    if (!eventDraws && p.TextAllowed)
        DrawCellText(p);

    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->Brush()->SetColor(p.BrushColor);
    ACanvas->Font()->SetColor(p.FontColor);
    TRect borders = p.Cell;
    InflateRect(borders, 1, 1);
    DrawCellBorders(ACanvas, p.RCol, ARow, borders);
    DrawFixedEdges(p);
    DrawTreeLines(p);
    DrawCellGraphic(p, false);

    if (OnDrawCell) {
        const TRect r{p.Cell.Left + 1, p.Cell.Top + 1, p.Cell.Right - GridLineWidth(), p.Cell.Bottom - GridLineWidth()};
        OnDrawCell(this, ACol, ARow, r, p.State);
    }
    if (OnCustomCellDraw)
        OnCustomCellDraw(this, ACanvas, ACol, ARow, p.State, p.Cell, false);
    DrawFocusFrame(p);
}

void TProStringGrid::PrepareCell(TCellPaint& P)
{
    TCanvas* canvas = P.Canvas;
    P.FilterButton = P.Row == FFilterDropDownRow && P.Row < FixedRows() && GetColumnFilter(P.RCol);
    PrepareCellScrollBar(P);
    P.WW = FWordWrap;
    GetVisualProperties(P.Col, P.Row, P.State, false, false, true, canvas->Brush(), P.ColorTo, P.MirrorColor,
                        P.MirrorColorTo, canvas->Font(), P.HA, P.VA, P.WW, P.GD);
    GetGraphicInfo(P);
    if (P.State.Contains(gdSelected) && !P.State.Contains(gdFocused) && FSelectionColor == clNone)
        canvas->Brush()->SetColor(clHighlight);
    if (FZoomFactor != 0)
        canvas->Font()->SetSize(canvas->Font()->Size() + FZoomFactor);
    P.BrushColor = canvas->Brush()->Color();
    P.FontColor = canvas->Font()->Color();
    P.Fixed = IsFixed(P.Col, P.Row) || P.Col < FixedCols() || P.Row < FixedRows();
    P.FixedCell = P.Fixed;
    if (P.Row == FHoverRowIdx && HoverRow() && HoverRowCells().Contains(hcFixed))
        P.Fixed = false;
}

void TProStringGrid::DrawFixedLook(TCellPaint& P)
{
    TCanvas* canvas = P.Canvas;
    if (IsStyled()) {
        if (P.Fixed || P.State.Contains(gdSelected))
            canvas->Brush()->SetStyle(bsClear);
        return;
    }
    if (!P.Fixed)
        return;
    TRect r = P.Rect;
    if (IsQLXLook(FLook)) {
        const bool hovered = (FHoverFixedCell.X == P.Col && FHoverFixedCell.Y == P.Row) ||
                             (FMoveColInd == P.Col && P.Row < FixedRows());
        if (hovered) {
            DrawHoveredHeader(P);
        } else if (FActiveCellShow && IsActiveHeader(P.Col, P.Row)) {
            DrawMirrorGradientRect(canvas, r, FActiveCellColor, true, false, clNone, true, clNone, clNone,
                                   FActiveCellColorTo);
        } else if (IsSortedHeader(P.Col, P.RCol, P.Row) && FSortSettings->HeaderColor() != clNone) {
            DrawMirrorGradientRect(canvas, r, FSortSettings->HeaderColor(), true, false, clNone, true,
                                   FSortSettings->HeaderMirrorColorTo(), FSortSettings->HeaderMirrorColor(),
                                   FSortSettings->HeaderColorTo());
        } else if (!FFlat) {
            DrawMirrorGradientRect(canvas, r, canvas->Brush()->Color(), true, false,
                                   FLook == glVista ? clWhite : clNone, true, P.MirrorColorTo, P.MirrorColor,
                                   P.ColorTo);
        }
    }
    if (FLook == glListView && !FFlat) {
        canvas->Brush()->SetColor(clBtnFace);
        canvas->FillRect(r);
        canvas->Pen()->SetColor(clWhite);
        canvas->MoveTo(r.Left, r.Top);
        canvas->LineTo(r.Right, r.Top);
    }
    canvas->Brush()->SetColor(P.BrushColor);
}

void TProStringGrid::DrawHoveredHeader(TCellPaint& P)
{
    TCanvas* canvas = P.Canvas;
    TRect r = P.Rect;
    r.Bottom += 1;
    const bool down = GetKeyState(VK_LBUTTON) < 0;
    const bool dropDown = FControlLook->FixedDropDownButton() && CanShowFixedDropDown(P.RCol);
    auto hover = [&](const TRect& R) {
        DrawMirrorGradientRect(canvas, R, FQLX.HoverFrom, true, false, FQLX.HoverBorder, true, FQLX.HoverMirrorTo,
                               FQLX.HoverMirrorFrom, FQLX.HoverTo);
    };
    auto pressed = [&](const TRect& R) {
        DrawMirrorGradientRect(canvas, R, FQLX.DownFrom, true, false, FQLX.DownBorder, true, FQLX.DownMirrorTo,
                               FQLX.DownMirrorFrom, FQLX.DownTo);
    };
    if (!dropDown) {
        down ? pressed(r) : hover(r);
        return;
    }
    // The button part at the right shows pressed while the mouse is down on it.
    TRect button{r.Right - 16, r.Top, r.Right, r.Bottom};
    TRect rest{r.Left, r.Top, r.Right - 16, r.Bottom};
    TPoint mouse;
    GetCursorPos(&mouse);
    mouse = ScreenToClient(mouse);
    const bool onButton = mouse.X >= button.Left && mouse.X < button.Right;
    hover(rest);
    down && onButton ? pressed(button) : hover(button);
    canvas->Pen()->SetColor(FQLX.HoverBorder == clNone ? clGray : FQLX.HoverBorder);
    canvas->MoveTo(button.Left, button.Top + 2);
    canvas->LineTo(button.Left, button.Bottom - 2);
    DrawDownTriangle(canvas, button.Left + 8, button.Top + (button.Height() - 3) / 2, clBlack);
    P.Rect.Right -= 16;
}

bool TProStringGrid::IsActiveHeader(int ACol, int ARow)
{
    return (ARow == Row() && FixedCols() > 0 && ACol == FixedCols() - 1) ||
           (ACol == Col() && FixedRows() > 0 && ARow == FixedRows() - 1);
}

bool TProStringGrid::IsSortedHeader(int ACol, int RCol, int ARow)
{
    return RCol == FSortSettings->Column() && FixedRows() > 0 && ARow == FixedRows() - 1 &&
           (ACol >= FixedCols() || FSortSettings->FixedCols());
}

void TProStringGrid::DrawRowIndicator(TCellPaint& P)
{
    if (P.Col != 0 || P.Row != Row() || FixedCols() == 0 || FRowIndicator->Empty())
        return;
    if (FFixedRowAlways && RowCount() == FixedRows())
        return;
    TBitmap* bmp = FRowIndicator.get();
    int y = P.Rect.Top;
    if (FVAlignment == vtaCenter)
        y = P.Rect.Top + (P.Rect.Height() - bmp->Height()) / 2;
    else if (FVAlignment == vtaBottom)
        y = P.Rect.Bottom - bmp->Height();
    DrawGlyph(P.Canvas, bmp, P.Rect.Left + 2, y);
    P.Rect.Left += 2 + bmp->Width() + 2;
}

void TProStringGrid::DrawModifiedBar(TCellPaint& P)
{
    if (P.Col != 0 || !FShowModified->Enabled() || !GetRowModified(P.Row))
        return;
    P.Canvas->Brush()->SetColor(FShowModified->Color());
    P.Canvas->FillRect(TRect{P.Rect.Right - 4, P.Rect.Top, P.Rect.Right, P.Rect.Bottom});
    P.Canvas->Brush()->SetColor(P.BrushColor);
}

void TProStringGrid::DrawEditorButtons(TCellPaint& P)
{
    if (P.FixedCell || !(FControlLook->DropDownAlwaysVisible() || FControlLook->SpinButtonsAlwaysVisible()))
        return;
    const bool combo = HasComboBox(P.RCol, P.Row);
    const bool spin = HasSpinEdit(P.RCol, P.Row);
    if (!combo && !spin)
        return;
    int look = FControlLook->FlatButton() ? blFlat : FIsWinXP ? blThemed : blClassic;
    if (FFlat && FColorTones.Background.BrushColor != clNone)
        look = blColorTones;
    bool canEdit = true;
    CanEditCell(P.RCol, P.Row, canEdit);
    const int state = canEdit || FControlLook->NoDisabledButtonLook() ? bsNormalState : bsDisabledState;
    // Each button takes the right 16 pixels of what is left.
    if (combo) {
        const TRect area{P.Rect.Right - 18, P.Rect.Top, P.Rect.Right + 1, P.Rect.Bottom + 1};
        DrawDropDownButton(P.Canvas, Handle(), area, FColorTones, state, look);
        P.Rect.Right -= 16;
    }
    if (spin) {
        DrawSpinButtons(P.Canvas, Handle(), TRect{P.Rect.Right - 16, P.Rect.Top, P.Rect.Right, P.Rect.Bottom},
                        FColorTones, state, look);
        P.Rect.Right -= 16;
    }
    P.Canvas->Brush()->SetColor(P.BrushColor);
    P.Canvas->Font()->SetColor(P.FontColor);
}

void TProStringGrid::DrawFixedEdges(TCellPaint& P)
{
    if (!P.FixedCell || FFlat && FLook != glSoft)
        return;
    TCanvas* canvas = P.Canvas;
    const TRect& c = P.Cell;
    const TGridOptions options = Options();
    switch (FLook) {
    case glClassic: {
        TRect r{c.Left, c.Top, c.Right, c.Bottom + 1};
        DrawEdge(canvas, r, BDR_RAISEDINNER, BF_TOPLEFT | BF_BOTTOMRIGHT);
        canvas->Pen()->SetColor(clBlack);
        canvas->MoveTo(c.Right, c.Top);
        canvas->LineTo(c.Right, c.Bottom + 2);
        canvas->MoveTo(c.Left, c.Bottom + 1);
        canvas->LineTo(c.Right + 1, c.Bottom + 1);
        break;
    }
    case glQLX:
    case glXP:
        if (!options.Contains(goFixedHorzLine))
            break;
        canvas->Pen()->SetColor(GridFixedLineColor());
        canvas->MoveTo(c.Left, c.Bottom + 1);
        canvas->LineTo(c.Right + 1, c.Bottom + 1);
        canvas->Pen()->SetColor(clWhite);
        canvas->MoveTo(c.Left, c.Bottom);
        canvas->LineTo(c.Left, c.Top);
        canvas->LineTo(c.Right, c.Top);
        break;
    case glSoft:
        if (!FFlat) {
            canvas->Pen()->SetColor(clBtnHighlight);
            if (options.Contains(goFixedHorzLine)) {
                canvas->MoveTo(c.Left, c.Bottom);
                canvas->LineTo(c.Right, c.Bottom);
            }
            if (options.Contains(goFixedVertLine)) {
                canvas->MoveTo(c.Right - 1, c.Top);
                canvas->LineTo(c.Right - 1, c.Bottom);
            }
            canvas->Pen()->SetColor(clBtnShadow);
        } else {
            canvas->Pen()->SetColor(clBlack);
        }
        if (options.Contains(goFixedHorzLine)) {
            canvas->MoveTo(c.Left, c.Bottom + 1);
            canvas->LineTo(c.Right + 1, c.Bottom + 1);
        }
        if (options.Contains(goFixedVertLine)) {
            canvas->MoveTo(c.Right, c.Top);
            canvas->LineTo(c.Right, c.Bottom + 1);
        }
        break;
    default:
        break;
    }
    if (FLook != glClassic && FFlat && P.Col >= ColCount() - FFixedRightCols) {
        canvas->Pen()->SetColor(clGray);
        canvas->MoveTo(c.Left, c.Top);
        canvas->LineTo(c.Left, c.Bottom + 1);
    }
}

void TProStringGrid::DrawFocusFrame(TCellPaint& P)
{
    if (FHideFocusRect || !Focused() || Options().Contains(goRowSelect))
        return;
    if (Col() < FixedCols() || Row() < FixedRows() || Col() >= ColCount() - FFixedRightCols ||
        Row() >= RowCount() - FFixedFooters)
        return;
    const TPoint base = BaseCell(DisplToRealCol(Col()), Row());
    if (base.X != P.RCol || base.Y != P.Row)
        return;
    TRect r = P.Cell;
    const int grow = GridLineWidth() - 1;
    InflateRect(r, grow, grow);
    r.Right -= 1;
    r.Bottom -= 1;
    P.Canvas->Brush()->SetStyle(bsSolid);
    P.Canvas->Brush()->SetColor(P.BrushColor);
    P.Canvas->DrawFocusRect(r);
}

// Glyphs

TBitmap* TProStringGrid::Glyph(const QString& Name)
{
    if (!FGlyphs)
        FGlyphs = std::make_unique<TGlyphCache>();
    return FGlyphs->Get(Name);
}

void TProStringGrid::DrawGlyph(TCanvas* ACanvas, TBitmap* Bitmap, int X, int Y)
{
    if (!Bitmap || Bitmap->Empty())
        return;
    const int w = Bitmap->Width(), h = Bitmap->Height();
    ACanvas->BrushCopy(TRect{X, Y, X + w, Y + h}, Bitmap, TRect{0, 0, w, h}, Bitmap->Canvas()->Pixels(0, h - 1));
}
