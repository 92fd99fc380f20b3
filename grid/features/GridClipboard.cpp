// Clipboard copy, cut and paste of cells: text, rich text, the binary cell
// stream and HTML.
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridSettings.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProGridError.h"
#include "grid/core/ProStringGrid.h"
#include "grid/features/GridCellStreamData.h"
#include "grid/foundation/GridDragDrop.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/ProGridUndoRedo.h"
#include "grid/foundation/StringUtils.h"
#include "grid/foundation/TextUtils.h"
#include "platform/controls/Messages.h"
#include "platform/controls/RichText.h"
#include "platform/rtl/CodePages.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Stream.h"
#include "platform/rtl/SysUtils.h"
#include "platform/services/Clipboard.h"
#include <algorithm>
#include <optional>

namespace {

const QChar Quote = u'"';
const QChar VTab = QChar(11);

unsigned CF_HTMLFormat()
{
    static const unsigned id = RegisterClipboardFormat(QStringLiteral("HTML Format"));
    return id;
}

// Lines of a clipboard text: a break is CR, CR LF or LF, except inside a
// field that starts with a double quote, so a multi-line cell stays one
// field. A text ending in a break has an empty last line. A quote that is
// never closed is taken as a plain character.
QStringList ClipboardLines(const QString& Text, bool Quotes = true)
{
    QStringList lines;
    const qsizetype n = Text.size();
    qsizetype start = 0;
    bool fieldStart = true, inQuote = false;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = Text[i];
        if (inQuote) {
            if (c == Quote) {
                if (i + 1 < n && Text[i + 1] == Quote)
                    ++i;
                else
                    inQuote = false;
            }
            continue;
        }
        if (fieldStart && Quotes && c == Quote) {
            inQuote = true;
            fieldStart = false;
            continue;
        }
        fieldStart = c == u'\t';
        if (c == u'\r' || c == u'\n') {
            lines << Text.mid(start, i - start);
            if (c == u'\r' && i + 1 < n && Text[i + 1] == u'\n')
                ++i;
            start = i + 1;
            fieldStart = true;
        }
    }
    if (inQuote)
        return ClipboardLines(Text, false);
    lines << Text.mid(start);
    return lines;
}

// A field of a multi-line cell loses its enclosing quotes and gets its
// line breaks back.
QString UnquoteField(QString F)
{
    if (!F.contains(u'\n') && !F.contains(VTab))
        return F;
    if (F.startsWith(Quote))
        F.remove(0, 1);
    if (F.endsWith(Quote) && F.indexOf(Quote) == F.size() - 1)
        F.chop(1);
    F.replace(VTab, QLatin1String("\r\n"));
    QString out;
    out.reserve(F.size() + 8);
    for (qsizetype i = 0; i < F.size(); ++i) {
        if (F[i] == u'\n' && (i == 0 || F[i - 1] != u'\r'))
            out += u'\r';
        out += F[i];
    }
    return out;
}

// Rich text as the clipboard carries it: 7-bit bytes, or UTF-16 as the
// grid once wrote it; up to the first zero either way.
QString RtfBlockText(const QByteArray& Block)
{
    if (Block.size() >= 2 && Block[1] == '\0') {
        QString s;
        for (qsizetype i = 0; i + 1 < Block.size(); i += 2) {
            const char16_t u = char16_t(uchar(Block[i]) | uchar(Block[i + 1]) << 8);
            if (u == 0)
                break;
            s += QChar(u);
        }
        return s;
    }
    const qsizetype z = Block.indexOf('\0');
    return AnsiToUtf16(z < 0 ? Block : Block.left(z));
}

} // namespace

// Copying

QString TProStringGrid::RectToText(const TGridRect& Rect, bool Disjunct)
{
    FClipTopLeft = TPoint{Rect.Left, Rect.Top};
    ExportNotification(esExportStart, -1);
    const bool rowSel = FMouseActions->DisjunctRowSelect(), colSel = FMouseActions->DisjunctColSelect();
    QString out;
    for (int r = Rect.Top; r <= Rect.Bottom; ++r) {
        ExportNotification(esExportNewRow, r);
        const int sr = FMouseActions->RowSelectPersistent() ? DisplToRealRow(r) : r;
        if (rowSel && Disjunct && !colSel && !GetRowSelect(sr))
            continue;
        for (int c = Rect.Left; c <= Rect.Right; ++c) {
            if (colSel && Disjunct && !GetColSelect(c))
                continue;
            const int rc = DisplToRealCol(c);
            QString s;
            SaveCell(rc, r, s);
            if (ClassifyCellText(s, false) == ctPackedWide)
                s = UnpackWideText(s);
            if (s.contains(u'\r')) {
                // A multi-line cell: its lines joined by LF, quoted.
                s.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
                s = Quote + s + Quote;
            }
            if (!FNavigation->CopyHTMLTagsToClipboard() && s.contains(QLatin1String("</")))
                s = GetStrippedCell(rc, r);
            else if (s.contains(QLatin1String("{\\")))
                s = ReadRtf(Utf16ToAnsi(s)).PlainText();
            if (FExcelClipboardFormat && CountLines(GetGridCell(rc, r), FMultilinecells) > 1) {
                QString t = GetGridCell(rc, r);
                t.replace(QLatin1String("\r\n"), QString(VTab));
                s = Quote + t + Quote;
            }
            out += s;
            if (c != Rect.Right)
                out += u'\t';
        }
        if (Rect.Bottom > Rect.Top)
            out += QLatin1String("\r\n");
    }
    ExportNotification(esExportDone, -1);
    return out;
}

QString TProStringGrid::GetSelectionAsText() { return RectToText(Selection(), false); }

void TProStringGrid::CopyCellAsRTF(int ACol, int ARow)
{
    const QString s = Cells(DisplToRealCol(ACol), ARow);
    if (!s.contains(QLatin1String("{\\")))
        return;
    // Rich text is 7-bit by nature; a text that is not keeps its letters
    // as far as the code page holds them.
    QByteArray block = Utf16ToAnsi(s);
    block.append('\0');
    Clipboard()->SetAsHandle(CF_RTFFormat(), block);
}

void TProStringGrid::CopyRectAsGridCells(const TGridRect& Rect)
{
    TMemoryStream ms;
    try {
        SaveRectToBinStream(TRect{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom}, &ms);
    } catch (const EProGridError&) {
        // A rectangle the stream cannot hold goes as text only.
        return;
    }
    Clipboard()->SetAsHandle(CF_GridCellsFormat(), ms.Data());
}

void TProStringGrid::CopyRectToClipboard(const TGridRect& Rect, bool Disjunct)
{
    TClipboard* cb = Clipboard();
    cb->Open();
    try {
        cb->SetAsText(RectToText(Rect, Disjunct));
        if (FNavigation->AllowRTFClipboard())
            CopyCellAsRTF(Rect.Left, Rect.Top);
        if (FNavigation->AllowFmtClipboard())
            CopyRectAsGridCells(Rect);
    } catch (...) {
        cb->Close();
        throw;
    }
    cb->Close();
}

void TProStringGrid::ExpandSelectionToMergedCells()
{
    const TGridRect sel = Selection();
    TGridRect r = sel;
    const TPoint tl = BaseCell(DisplToRealCol(sel.Left), sel.Top);
    r.Left = RealToDisplCol(tl.X);
    r.Top = tl.Y;
    const int brc = DisplToRealCol(sel.Right);
    if (!IsBaseCell(brc, sel.Bottom) || CellSpan(brc, sel.Bottom) != TPoint{0, 0}) {
        const TPoint b = BaseCell(brc, sel.Bottom);
        const TPoint span = CellSpan(b.X, b.Y);
        r.Right = std::max(sel.Right, RealToDisplCol(b.X + span.X));
        r.Bottom = std::max(sel.Bottom, b.Y + span.Y);
    }
    if (r.Left != sel.Left || r.Top != sel.Top || r.Right != sel.Right || r.Bottom != sel.Bottom)
        SetSelection(r);
}

void TProStringGrid::CopyToClipBoard()
{
    CopyRectToClipboard(TGridRect{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, false);
    FClipLastOp = coCopy;
}

void TProStringGrid::CopySelectionToClipboard()
{
    ExpandSelectionToMergedCells();
    if (FMouseActions->DisjunctRowSelect() && !FNavigation->AllowFmtClipboard())
        CopyRectToClipboard(TGridRect{FixedCols(), SaveStartRow(), ColCount() - FFixedRightCols - 1, SaveEndRow()},
                            true);
    else if (FMouseActions->DisjunctColSelect() && !FNavigation->AllowFmtClipboard())
        CopyRectToClipboard(TGridRect{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, true);
    else
        CopyRectToClipboard(Selection(), false);
    FClipLastOp = coCopy;
}

void TProStringGrid::CopyToClipBoardAsHTML()
{
    const QString html = SaveToHTMLString(QString());
    TClipboard* cb = Clipboard();
    cb->Open();
    try {
        cb->SetAsText(html);
        cb->SetAsHandle(CF_HTMLFormat(), html.toUtf8());
    } catch (...) {
        cb->Close();
        throw;
    }
    cb->Close();
}

bool TProStringGrid::ClipCellEditable(int ARealCol, int ARow)
{
    if (FNavigation->AllowClipboardAlways())
        return true;
    bool can = Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit();
    if (can)
        CanEditCell(ARealCol, ARow, can);
    return can;
}

void TProStringGrid::CutToClipboard()
{
    const TGridRect r{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()};
    CopyRectToClipboard(r, false);
    for (int row = r.Top; row <= r.Bottom; ++row)
        for (int c = r.Left; c <= r.Right; ++c) {
            const int rc = DisplToRealCol(c);
            if (ClipCellEditable(rc, row))
                SetCells(rc, row, QString());
        }
    if (FShowModified->Enabled())
        for (int row = r.Top; row <= r.Bottom; ++row)
            SetRowModified(row, true);
    FClipLastOp = coCut;
}

void TProStringGrid::CutSelectionToClipboard()
{
    CopySelectionToClipboard();
    const TGridRect sel = Selection();
    if (FMouseActions->DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r) {
            const int sr = FMouseActions->RowSelectPersistent() ? DisplToRealRow(r) : r;
            if (!GetRowSelect(sr))
                continue;
            ClearRows(r, 1);
            if (FShowModified->Enabled())
                SetRowModified(r, true);
        }
    } else if (FMouseActions->DisjunctColSelect()) {
        for (int c = FixedCols(); c < ColCount(); ++c)
            if (GetColSelect(c))
                ClearCols(c, 1);
    } else {
        if (UndoRedo())
            UndoRedo()->StartSequence();
        for (int r = sel.Top; r <= sel.Bottom; ++r)
            for (int c = sel.Left; c <= sel.Right; ++c) {
                const int rc = DisplToRealCol(c);
                if (!ClipCellEditable(rc, r))
                    continue;
                if (UndoRedo())
                    UndoRedo()->RegisterChange(rc, r, Cells(rc, r), QString());
                SetCells(rc, r, QString());
            }
        if (UndoRedo())
            UndoRedo()->StopSequence();
        if (FShowModified->Enabled())
            for (int r = sel.Top; r <= sel.Bottom; ++r)
                SetRowModified(r, true);
        if (FNavigation->AllowFmtClipboard())
            FreeCellPropsRect(DisplToRealCol(sel.Left), sel.Top, DisplToRealCol(sel.Right), sel.Bottom);
    }
    FClipLastOp = coCut;
    CellsChanged(TRect{sel.Left, sel.Top, sel.Right, sel.Bottom});
    if (FNumHidden > 0)
        Invalidate();
}

// Pasting

bool TProStringGrid::PasteField(int ACol, int ARow, QString Field, bool Events)
{
    bool allow = true;
    const bool wide = ClassifyCellText(Field, false) == ctPackedWide;
    if (Events) {
        if (wide) {
            QString w = UnpackWideText(Field);
            if (OnClipboardBeforePasteWideCell)
                OnClipboardBeforePasteWideCell(this, ACol, ARow, w, allow);
            Field = PackWideText(w);
        } else if (OnClipboardBeforePasteCell) {
            OnClipboardBeforePasteCell(this, ACol, ARow, Field, allow);
        }
    }
    if (!allow)
        return false;
    PasteCellText(ACol, ARow, Field);
    if (Events) {
        if (wide && OnClipboardAfterPasteWideCell)
            OnClipboardAfterPasteWideCell(this, ACol, ARow, Field);
        else if (!wide && OnClipboardAfterPasteCell)
            OnClipboardAfterPasteCell(this, ACol, ARow, Field);
    }
    return true;
}

int TProStringGrid::PasteText(int ACol, int ARow, const QString& Text)
{
    int lines = 0, fields = 0;
    return PasteText(ACol, ARow, Text, lines, fields);
}

int TProStringGrid::PasteText(int ACol, int ARow, const QString& Text, int& Lines, int& Fields)
{
    Lines = 0;
    Fields = 0;
    if (ACol < 0 || ARow < 0)
        return 0;
    if (!Options().Contains(goEditing) && !FNavigation->AllowClipboardAlways() &&
        !FMouseActions->RangeSelectAndEdit())
        return 0;
    if (UndoRedo())
        UndoRedo()->StartSequence();
    const QStringList lines = ClipboardLines(Text);
    const bool insert = FNavigation->ClipboardPasteAction() == paInsert;
    int count = 0, row = ARow;
    std::optional<TGridRect> pasted;
    for (qsizetype li = 0; li < lines.size(); ++li) {
        const QString& line = lines[li];
        const bool lastLine = li == lines.size() - 1;
        ++Lines;
        ImportNotification(FPasteAll ? isImportNewRow : isImportSelRow, row);
        if (insert && !line.isEmpty())
            InsertRows(row, 1);
        const QStringList fields = line.split(u'\t');
        Fields = int(fields.size());
        int c = ACol;
        for (qsizetype fi = 0; fi < fields.size(); ++fi) {
            const bool lastField = fi == fields.size() - 1;
            ++count;
            if (lastField && lastLine && fields[fi].isEmpty())
                break;
            // The grid grows first; the field goes only into a cell it has.
            if (ColCount() < c + 1 && FNavigation->AllowClipboardColGrow())
                SetColCount(c + 1);
            if (c < ColCount() && row < RowCount() && ClipCellEditable(DisplToRealCol(c), row) &&
                PasteField(c, row, UnquoteField(fields[fi]), true)) {
                if (!pasted)
                    pasted = TGridRect{c, row, c, row};
                pasted->Left = std::min(pasted->Left, c);
                pasted->Right = std::max(pasted->Right, c);
                pasted->Bottom = std::max(pasted->Bottom, row);
            }
            ++c;
        }
        if (lastLine)
            break;
        ++row;
        const bool footer = FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow;
        const int limit = footer ? RowCount() - 1 : RowCount();
        if (row >= limit && !lines[li + 1].isEmpty() && FNavigation->AllowClipboardRowGrow())
            SetRowCount(RowCount() + (row - limit) + 1);
    }
    if (UndoRedo())
        UndoRedo()->StopSequence();
    if (pasted) {
        CellsPasted(FClipTopLeft, *pasted, FClipLastOp);
        CellsChanged(TRect{DisplToRealCol(pasted->Left), pasted->Top, DisplToRealCol(pasted->Right), pasted->Bottom});
    }
    return count;
}

void TProStringGrid::TextDimensions(const QString& Text, int& Fields, int& Breaks)
{
    const QStringList lines = ClipboardLines(Text);
    Fields = 1;
    int empty = 0;
    for (const QString& l : lines) {
        Fields = std::max(Fields, int(l.count(u'\t')) + 1);
        if (l.isEmpty())
            ++empty;
    }
    Breaks = int(lines.size()) - 1 - empty;
}

void TProStringGrid::SetSelectionAsText(const QString& Value)
{
    const TGridRect sel = Selection();
    const QStringList lines = ClipboardLines(Value);
    int row = sel.Top, right = sel.Left;
    for (qsizetype li = 0; li < lines.size(); ++li) {
        const bool lastLine = li == lines.size() - 1;
        const QStringList fields = lines[li].split(u'\t');
        int c = sel.Left;
        for (qsizetype fi = 0; fi < fields.size(); ++fi) {
            if (lastLine && fi == fields.size() - 1 && fields[fi].isEmpty())
                break;
            if (ColCount() < c + 1)
                SetColCount(c + 1);
            if (row < RowCount()) {
                SetGridCell(DisplToRealCol(c), row, UnquoteField(fields[fi]));
                right = std::max(right, c);
            }
            ++c;
        }
        if (lastLine)
            break;
        ++row;
        if (row >= RowCount() && !lines[li + 1].isEmpty())
            SetRowCount(row + 1);
    }
    CellsChanged(TRect{sel.Left, sel.Top, right, std::min(row, RowCount() - 1)});
}

int TProStringGrid::PasteGridCells(int ACol, int ARow, int& ARows, int& ACols)
{
    const QByteArray block = Clipboard()->GetAsHandle(CF_GridCellsFormat());
    if (block.isEmpty())
        return 0;
    TMemoryStream ms;
    ms.WriteBytes(block);
    ms.SetPosition(0);
    // Outside data: the whole block is read and checked before any change.
    TCellStreamData data = ParseCellStream(&ms);
    data.Header.FullGrid = false;
    const TCellStreamHeader& h = data.Header;
    PasteBegin();
    const bool insert = FNavigation->ClipboardPasteAction() == paInsert;
    if (FNavigation->AllowClipboardRowGrow() || FNavigation->AllowClipboardColGrow() || insert) {
        if (ACol + h.ColCount >= ColCount() && FNavigation->AllowClipboardColGrow())
            SetColCount(ACol + h.ColCount);
        if (ARow + h.RowCount >= RowCount() && FNavigation->AllowClipboardRowGrow())
            SetRowCount(ARow + h.RowCount);
        ARows = RowCount();
        ACols = ColCount();
        if (insert)
            InsertRows(ARow, h.RowCount);
    }
    ApplyCellStream(data, TPoint{ACol, ARow});
    const TGridRect rect{ACol, ARow, ACol + h.ColCount - 1, ARow + h.RowCount - 1};
    CellsPasted(h.ID == StreamID() ? FClipTopLeft : TPoint{-1, -1}, rect, FClipLastOp);
    PasteEnd();
    return h.ColCount * h.RowCount;
}

int TProStringGrid::PasteAtCell(int ACol, int ARow, int& ARows, int& ACols)
{
    ARows = 0;
    ACols = 0;
    TClipboard* cb = Clipboard();
    if (CanPasteGridCells() && cb->HasFormat(CF_GridCellsFormat()))
        return PasteGridCells(ACol, ARow, ARows, ACols);
    if (FNavigation->AllowRTFClipboard() && cb->HasFormat(CF_RTFFormat())) {
        const QString text = RtfBlockText(cb->GetAsHandle(CF_RTFFormat()));
        if (ClipCellEditable(DisplToRealCol(ACol), ARow))
            PasteCellText(ACol, ARow, text);
        ARows = 1;
        ACols = 1;
        return 0;
    }
    if (cb->HasFormat(CF_UNICODETEXT)) {
        const QString text = cb->AsText();
        if (!text.isEmpty())
            return PasteText(ACol, ARow, text, ARows, ACols);
    }
    return 0;
}

void TProStringGrid::PasteFromClipboard()
{
    ImportNotification(isImportStart, -1);
    FPasteAll = true;
    int rows = 0, cols = 0;
    try {
        PasteAtCell(SaveStartCol(), SaveStartRow(), rows, cols);
    } catch (...) {
        FPasteAll = false;
        throw;
    }
    FPasteAll = false;
    ImportNotification(isImportDone, -1);
    CellsLoaded();
}

void TProStringGrid::SmartFill(const TGridRect& Sel)
{
    QString value = Cells(DisplToRealCol(Sel.Left), Sel.Top);
    bool state = false;
    if (GetCheckBoxState(DisplToRealCol(Sel.Left), Sel.Top, state))
        value = state ? FCheckTrue : FCheckFalse;
    for (int c = Sel.Left; c <= Sel.Right; ++c)
        for (int r = Sel.Top; r <= Sel.Bottom; ++r) {
            if (!ClipCellEditable(DisplToRealCol(c), r))
                continue;
            const bool first = c == Sel.Left && r == Sel.Top;
            if (PasteField(c, r, value, !first))
                CellsPasted(TPoint{c, r}, TGridRect{c, r, c, r}, coCopy);
        }
}

// A date, number or integer series continued over a single row or column;
// true when one was written. Otherwise the pasted block is repeated.
bool TProStringGrid::SmartSeries(const TGridRect& Sel)
{
    const bool column = Sel.Left == Sel.Right;
    std::vector<TPoint> cells;
    for (int i = 0; column ? Sel.Top + i <= Sel.Bottom : Sel.Left + i <= Sel.Right; ++i)
        cells.push_back(column ? TPoint{Sel.Left, Sel.Top + i} : TPoint{Sel.Left + i, Sel.Top});
    if (cells.size() < 2)
        return false;
    const auto text = [&](TPoint p) { return Cells(DisplToRealCol(p.X), p.Y); };
    const QString v1 = text(cells[0]), v2 = text(cells[1]);
    const TFormatSettings& fs = FormatSettings;
    const auto put = [&](std::size_t i, const QString& V) {
        const TPoint p = cells[i];
        if (!ClipCellEditable(DisplToRealCol(p.X), p.Y))
            return;
        if (PasteField(p.X, p.Y, V, i > 0))
            CellsPasted(p, TGridRect{p.X, p.Y, p.X, p.Y}, coCopy);
    };
    const auto isDate = [&](const QString& S) { return LooksLikeDate(S) || S.contains(fs.TimeSeparator); };
    try {
        if (isDate(v1) && isDate(v2)) {
            TDateTime d1 = 0, d2 = 0;
            if (!TryStrToDateTime(v1, d1) || !TryStrToDateTime(v2, d2))
                return true;
            int y1, m1, dd1, y2, m2, dd2;
            DecodeDate(d1, y1, m1, dd1);
            DecodeDate(d2, y2, m2, dd2);
            const bool dateText = v1.contains(fs.DateSeparator);
            TDateTime d = d1;
            for (std::size_t i = 0; i < cells.size(); ++i) {
                put(i, dateText ? DateToStr(d) : TimeToStr(d));
                d = AddToDate(static_cast<unsigned short>(y2 - y1), static_cast<unsigned short>(m2 - m1),
                              static_cast<unsigned short>(dd2 - dd1), d, d2 - d1);
            }
        } else if (v1.contains(fs.DecimalSeparator) || v2.contains(fs.DecimalSeparator)) {
            double f1 = 0, f2 = 0;
            if (!TryStrToFloat(v1, f1) || !TryStrToFloat(v2, f2))
                return true;
            double f = f1;
            for (std::size_t i = 0; i < cells.size(); ++i, f += f2 - f1)
                put(i, Format(FFloatFormat, {f}));
        } else {
            int i1 = 0, i2 = 0;
            if (!TryStrToInt(v1, i1) || !TryStrToInt(v2, i2))
                return false;
            long long v = i1;
            for (std::size_t i = 0; i < cells.size(); ++i, v += i2 - i1)
                put(i, QString::number(v));
        }
    } catch (const Exception&) {
        // A value the conversions refuse ends the series; what was written stays.
    }
    CellsChanged(TRect{Sel.Left, Sel.Top, Sel.Right, Sel.Bottom});
    return true;
}

void TProStringGrid::PasteSelectionFromClipboard()
{
    ImportNotification(isImportStart, -1);
    FPasteAll = false;
    ExpandSelectionToMergedCells();
    const TGridRect sel = Selection();
    int rows = 0, cols = 0;
    const int n = PasteAtCell(Options().Contains(goRowSelect) ? FixedCols() : sel.Left, sel.Top, rows, cols);
    if (!FNavigation->AllowSmartClipboard())
        return;
    const int m = (sel.Right - sel.Left + 1) * (sel.Bottom - sel.Top + 1);
    if (n - 1 == m)
        return;
    const bool line = sel.Left == sel.Right || sel.Top == sel.Bottom;
    if (n == 1 && m > 1) {
        PasteBegin();
        SmartFill(sel);
        PasteEnd();
    } else if (n > 1 && line) {
        if (SmartSeries(sel))
            return;
        // The pasted block repeats down the column or along the row.
        const int period = n - 1;
        if (period > 0) {
            if (sel.Left == sel.Right) {
                for (int r = sel.Top + period; r <= sel.Bottom; ++r)
                    if (ClipCellEditable(DisplToRealCol(sel.Left), r))
                        PasteField(sel.Left, r, Cells(DisplToRealCol(sel.Left), r - period), true);
            } else {
                for (int c = sel.Left + period; c <= sel.Right; ++c)
                    if (ClipCellEditable(DisplToRealCol(c), sel.Top))
                        PasteField(c, sel.Top, Cells(DisplToRealCol(c - period), sel.Top), true);
            }
            CellsPasted(TPoint{sel.Left, sel.Top}, sel, coCopy);
        }
    } else if (n > 1 && !line) {
        // A single pasted row (or column) repeats over the selected rows
        // (or columns).
        if (rows == 1) {
            for (int r = sel.Top + 1; r <= sel.Bottom; ++r) {
                SetRow(r);
                PasteAtCell(sel.Left, r, rows, cols);
            }
            SetSelection(sel);
        } else if (cols == 1) {
            for (int c = sel.Left + 1; c <= sel.Right; ++c) {
                SetCol(c);
                PasteAtCell(c, sel.Top, rows, cols);
            }
            SetSelection(sel);
        }
    }
    ImportNotification(isImportDone, -1);
    CellsChanged(TRect{sel.Left, sel.Top, sel.Right, sel.Bottom});
    CellsLoaded();
}

