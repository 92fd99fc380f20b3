#include "grid/core/GridItem.h"
#include "grid/core/ProGridError.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/MarkupText.h"
#include "grid/foundation/StringUtils.h"
#include "grid/foundation/TextUtils.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"
#include <QRandomGenerator>
#include <algorithm>

namespace {

// The 1-based position of the first character that is no part of a
// decimal number (sign, digits, one point, exponent); 0 when all are.
int NumberErrorPos(const QString& S)
{
    int i = 0;
    const int n = int(S.size());
    auto digits = [&] {
        const int start = i;
        while (i < n && S[i].isDigit())
            ++i;
        return i > start;
    };
    if (i < n && (S[i] == u'+' || S[i] == u'-'))
        ++i;
    bool any = digits();
    if (i < n && S[i] == u'.') {
        ++i;
        any = digits() || any;
    }
    if (!any)
        return i + 1;
    if (i < n && (S[i] == u'e' || S[i] == u'E')) {
        ++i;
        if (i < n && (S[i] == u'+' || S[i] == u'-'))
            ++i;
        if (!digits())
            return i + 1;
    }
    return i < n ? i + 1 : 0;
}

TFormatSettings PointSettings()
{
    TFormatSettings settings = FormatSettings;
    settings.DecimalSeparator = u'.';
    return settings;
}

// Multiply, then divide, rounding halves away from zero.
int ScaleSize(int Value, int M, int D)
{
    if (D == 0)
        return Value;
    const long long p = (long long)Value * M;
    const long long q = p >= 0 ? (p + D / 2) / D : (p - D / 2) / D;
    return int(q);
}

QString StripMarkupTags(const QString& S)
{
    if (!S.contains(u'<'))
        return S;
    QString result;
    result.reserve(S.size());
    bool inTag = false;
    for (QChar c : S) {
        if (c == u'<')
            inTag = true;
        else if (c == u'>' && inTag)
            inTag = false;
        else if (!inTag)
            result += c;
    }
    return result;
}

} // namespace

// Texts and objects by real row

QString TProStringGrid::GetCellsEx(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return QString();
    if (TStrings* items = HiddenRowItems(ARow)) {
        QString text = ACol < items->Count() ? items->Strings(ACol) : QString();
        GetDisplText(ACol, ARow, text);
        return text;
    }
    return GetCellEx(ACol, RealToDisplRow(ARow));
}

void TProStringGrid::SetCellsEx(int ACol, int ARow, const QString& Value)
{
    if (TStrings* items = HiddenRowItems(ARow)) {
        while (items->Count() <= ACol)
            items->Add(QString());
        items->SetStrings(ACol, Value);
        return;
    }
    const int r = RealToDisplRow(ARow);
    SetCellEx(ACol, r, Value);
    const int d = RealToDisplCol(ACol);
    if (d != ACol)
        RepaintCell(d, r);
}

QString TProStringGrid::GetGridCellsEx(int ACol, int ARow) const
{
    if (TStrings* items = HiddenRowItems(ARow))
        return ACol >= 0 && ACol < items->Count() ? items->Strings(ACol) : QString();
    return GetGridCell(ACol, RealToDisplRow(ARow));
}

void TProStringGrid::SetGridCellsEx(int ACol, int ARow, const QString& Value)
{
    if (TStrings* items = HiddenRowItems(ARow)) {
        items->SetStrings(ACol, Value);
        return;
    }
    SetGridCell(ACol, RealToDisplRow(ARow), Value);
}

TObject* TProStringGrid::GetObjectsEx(int ACol, int ARow) const
{
    if (TStrings* items = HiddenRowItems(ARow)) {
        TObject* obj = ACol >= 0 && ACol < items->Count() ? items->Objects(ACol) : nullptr;
        if (auto* props = dynamic_cast<TCellProperties*>(obj))
            return props->CellObject();
        return obj;
    }
    return GetObjectEx(ACol, RealToDisplRow(ARow));
}

void TProStringGrid::SetObjectsEx(int ACol, int ARow, TObject* Value)
{
    if (TStrings* items = HiddenRowItems(ARow)) {
        if (ACol < 0)
            return;
        while (items->Count() <= ACol)
            items->Add(QString());
        // The slot holds cell properties only; the object goes into them.
        auto* props = dynamic_cast<TCellProperties*>(items->Objects(ACol));
        if (!props) {
            props = new TCellProperties(this, ACol, ARow);
            items->SetObjects(ACol, props);
        }
        props->SetCellObject(Value);
        return;
    }
    SetObjectEx(ACol, RealToDisplRow(ARow), Value);
}

TObject* TProStringGrid::GetGridObjectsEx(int ACol, int ARow) const
{
    if (TStrings* items = HiddenRowItems(ARow))
        return ACol >= 0 && ACol < items->Count() ? items->Objects(ACol) : nullptr;
    return GetGridObject(ACol, RealToDisplRow(ARow));
}

QString TProStringGrid::OriginalCells(int ACol, int ARow)
{
    const int c = ColumnPosition(ACol);
    return Cells(c == -1 ? ACol : c, ARow);
}

void TProStringGrid::SetOriginalCells(int ACol, int ARow, const QString& Value)
{
    const int c = ColumnPosition(ACol);
    SetCells(c == -1 ? ACol : c, ARow, Value);
}

QString TProStringGrid::GetCurrentCell()
{
    const TPoint base = BaseCell(RealCol(), Row());
    return GetGridCell(base.X, base.Y);
}

void TProStringGrid::SetCurrentCell(const QString& Value)
{
    const TPoint base = BaseCell(RealCol(), Row());
    SetCellEx(base.X, base.Y, Value);
}

TObject* TProStringGrid::GetRealCellObject(int ACol, int ARow) const
{
    TObject* obj = GetGridObjectsEx(ACol, ARow);
    return dynamic_cast<TCellProperties*>(obj);
}

// Per-cell look

TColor TProStringGrid::Colors(int ACol, int ARow) const
{
    return HasCellProperties(ACol, ARow) ? GetGridCellProps(ACol, ARow)->BrushColor() : clNone;
}

void TProStringGrid::SetColors(int ACol, int ARow, TColor Value)
{
    CellProperties(ACol, ARow)->SetBrushColor(Value);
    if (FUpdateCount == 0)
        RepaintCell(RealToDisplCol(ACol), ARow);
}

TColor TProStringGrid::ColorsTo(int ACol, int ARow) const
{
    return HasCellProperties(ACol, ARow) ? GetGridCellProps(ACol, ARow)->BrushColorTo() : clNone;
}

void TProStringGrid::SetColorsTo(int ACol, int ARow, TColor Value)
{
    CellProperties(ACol, ARow)->SetBrushColorTo(Value);
    RepaintCell(RealToDisplCol(ACol), ARow);
}

TCellGradientDirection TProStringGrid::Gradients(int ACol, int ARow) const
{
    return HasCellProperties(ACol, ARow) ? GetGridCellProps(ACol, ARow)->GradientDirection() : GradientVertical;
}

void TProStringGrid::SetGradients(int ACol, int ARow, TCellGradientDirection Value)
{
    CellProperties(ACol, ARow)->SetGradientDirection(Value);
    RepaintCell(RealToDisplCol(ACol), ARow);
}

void TProStringGrid::SetCellFont(int ACol, int ARow, TFont* Value)
{
    TCellProperties* props = CellProperties(ACol, ARow);
    props->SetFontName(Value->Name());
    props->SetFontSize(Value->Size());
    props->SetFontStyle(Value->Style());
    props->SetFontColor(Value->Color());
    if (FUpdateCount == 0)
        RepaintCell(RealToDisplCol(ACol), ARow);
}

TColor TProStringGrid::FontColors(int ACol, int ARow) const
{
    return HasCellProperties(ACol, ARow) ? GetGridCellProps(ACol, ARow)->FontColor() : clNone;
}

void TProStringGrid::SetFontColors(int ACol, int ARow, TColor Value)
{
    CellProperties(ACol, ARow)->SetFontColor(Value);
    RepaintCell(RealToDisplCol(ACol), ARow);
}

TFontStyles TProStringGrid::FontStyles(int ACol, int ARow) const
{
    return HasCellProperties(ACol, ARow) ? GetGridCellProps(ACol, ARow)->FontStyle() : TFontStyles();
}

void TProStringGrid::SetFontStyles(int ACol, int ARow, TFontStyles Value)
{
    CellProperties(ACol, ARow)->SetFontStyle(Value);
    RepaintCell(RealToDisplCol(ACol), ARow);
}

int TProStringGrid::FontSizes(int ACol, int ARow) const
{
    return HasCellProperties(ACol, ARow) ? GetGridCellProps(ACol, ARow)->FontSize() : 0;
}

void TProStringGrid::SetFontSizes(int ACol, int ARow, int Value)
{
    CellProperties(ACol, ARow)->SetFontSize(Value);
    RepaintCell(RealToDisplCol(ACol), ARow);
}

QString TProStringGrid::FontNames(int ACol, int ARow) const
{
    return HasCellProperties(ACol, ARow) ? GetGridCellProps(ACol, ARow)->FontName() : QString();
}

void TProStringGrid::SetFontNames(int ACol, int ARow, const QString& Value)
{
    CellProperties(ACol, ARow)->SetFontName(Value);
    RepaintCell(RealToDisplCol(ACol), ARow);
}

TAlignment TProStringGrid::Alignments(int ACol, int ARow) const
{
    return HasCellProperties(ACol, ARow) ? GetGridCellProps(ACol, ARow)->Alignment() : taLeftJustify;
}

void TProStringGrid::SetAlignments(int ACol, int ARow, TAlignment Value)
{
    CellProperties(ACol, ARow)->SetAlignment(Value);
    RepaintCell(RealToDisplCol(ACol), ARow);
}

bool TProStringGrid::ReadOnly(int ACol, int ARow) const
{
    return HasCellProperties(ACol, ARow) && GetGridCellProps(ACol, ARow)->ReadOnly();
}

void TProStringGrid::SetReadOnly(int ACol, int ARow, bool Value)
{
    CellProperties(ACol, ARow)->SetReadOnly(Value);
    RepaintCell(RealToDisplCol(ACol), ARow);
}

bool TProStringGrid::WordWraps(int ACol, int ARow) { return CellProperties(ACol, ARow)->WordWrap(); }

void TProStringGrid::SetWordWraps(int ACol, int ARow, bool Value)
{
    CellProperties(ACol, ARow)->SetWordWrap(Value);
    RepaintCell(RealToDisplCol(ACol), ARow);
}

void TProStringGrid::ResetCellLook(int ACol, int ARow)
{
    if (!HasCellProperties(ACol, ARow))
        return;
    TCellProperties* props = CellProperties(ACol, ARow);
    const bool keep = !props->IsBaseCell() || props->CellSpanX() >= 0 || props->CellSpanY() >= 0 ||
                      props->ReadOnly() || props->Editor() != edNormal || props->CellObject() || props->Control() ||
                      props->GraphicObject() || props->NodeLevel() != 0 || props->CalcType() != acNONE;
    if (!keep) {
        FreeCellProps(ACol, ARow);
        return;
    }
    props->SetBrushColor(clNone);
    props->SetBrushColorTo(clNone);
    props->SetGradientDirection(GradientVertical);
    props->SetFontColor(clNone);
    props->SetFontName(QString());
    props->SetFontSize(0);
    props->SetFontStyle(TFontStyles());
    props->SetAlignment(taLeftJustify);
}

void TProStringGrid::SetRowColor(int ARow, TColor AColor)
{
    for (int c = FixedCols(); c < AllColCount(); ++c) {
        if (AColor != clNone)
            CellProperties(c, ARow)->SetBrushColor(AColor);
        else if (HasCellProperties(c, ARow) && GetGridCellProps(c, ARow)->GraphicObject())
            GetGridCellProps(c, ARow)->SetBrushColor(clNone);
        else
            ResetCellLook(c, ARow);
    }
    RepaintRow(ARow);
}

void TProStringGrid::SetRowColorTo(int ARow, TColor AColor)
{
    for (int c = FixedCols(); c < AllColCount(); ++c) {
        if (AColor != clNone)
            CellProperties(c, ARow)->SetBrushColorTo(AColor);
        else
            ResetCellLook(c, ARow);
    }
    RepaintRow(ARow);
}

void TProStringGrid::SetRowFontColor(int ARow, TColor AColor)
{
    for (int c = FixedCols(); c < AllColCount(); ++c) {
        if (AColor != clNone)
            CellProperties(c, ARow)->SetFontColor(AColor);
        else if (Colors(c, ARow) == clNone)
            ResetCellLook(c, ARow);
    }
    RepaintRow(ARow);
}

int TProStringGrid::LinesInCell(int ACol, int ARow) { return CountLines(Cells(ACol, ARow), true); }

QString TProStringGrid::GetStrippedCell(int ACol, int ARow) { return StripMarkupTags(Cells(ACol, ARow)); }

QString TProStringGrid::StripCellTags(const QString& S) { return StripMarkupTags(S); }

double TProStringGrid::CellToReal(int ACol, int ARow)
{
    const QString text = Cells(ACol, ARow);
    if (text.isEmpty())
        return 0;
    const QString number = ExtractFloatText(text);
    const int pos = NumberErrorPos(number);
    if (pos > 0)
        throw EProGridError(
            QStringLiteral("Error at position: %1 in Cell [%2, %3].").arg(pos).arg(ACol).arg(ARow));
    double value = 0;
    TryStrToFloat(number, value, PointSettings());
    return value;
}

// Typed values

namespace {

int ReadInt(const QString& Text)
{
    const QString s = Trim(Text);
    if (s.isEmpty() || s == QStringLiteral("-"))
        return 0;
    int value = 0;
    if (!TryStrToInt(s, value))
        throw EProGridError(QStringLiteral("Cell does not contain integer value"));
    return value;
}

double ReadFloat(const QString& Text)
{
    const QString t = Trim(Text);
    if (t.isEmpty() || t == QStringLiteral("-"))
        return 0;
    // A text without a number in it is no number, not 0.
    const QString s = ExtractFloatText(t);
    double value = 0;
    if (s.isEmpty() || !TryStrToFloat(s, value, PointSettings()))
        throw EProGridError(QStringLiteral("Cell does not contain a float value"));
    return value;
}

} // namespace

int TProStringGrid::Ints(int ACol, int ARow) { return ReadInt(GetStrippedCell(ACol, ARow)); }

void TProStringGrid::SetInts(int ACol, int ARow, int Value)
{
    SetCells(ACol, ARow, QString::number(Value));
    if (FNumHidden > 0)
        RepaintCell(RealToDisplCol(ACol), ARow);
}

int TProStringGrid::AllInts(int ACol, int ARow) { return ReadInt(GetCellsEx(ACol, ARow)); }

void TProStringGrid::SetAllInts(int ACol, int ARow, int Value) { SetCellsEx(ACol, ARow, QString::number(Value)); }

double TProStringGrid::Floats(int ACol, int ARow) { return ReadFloat(GetStrippedCell(ACol, ARow)); }

void TProStringGrid::SetFloats(int ACol, int ARow, double Value)
{
    QString fmt;
    GetCellFloatFormat(ACol, ARow, fmt);
    SetCells(ACol, ARow, Format(fmt, {Value}));
}

double TProStringGrid::AllFloats(int ACol, int ARow) { return ReadFloat(GetCellsEx(ACol, ARow)); }

void TProStringGrid::SetAllFloats(int ACol, int ARow, double Value)
{
    SetCellsEx(ACol, ARow, Format(FFloatFormat, {Value}));
}

TDateTime TProStringGrid::Dates(int ACol, int ARow) { return StrToDate(Cells(ACol, ARow)); }

void TProStringGrid::SetDates(int ACol, int ARow, TDateTime Value)
{
    SetCells(ACol, ARow, Value > 0 || FShowNullDates ? DateToStr(Value) : QString());
}

TDateTime TProStringGrid::Times(int ACol, int ARow) { return StrToTime(Cells(ACol, ARow)); }

void TProStringGrid::SetTimes(int ACol, int ARow, TDateTime Value) { SetCells(ACol, ARow, TimeToStr(Value)); }

QString TProStringGrid::GetCtrlVal(int ACol, int ARow, const QString& ID)
{
    QString value;
    if (!GetControlValue(Cells(ACol, ARow), ID, value))
        return QString();
    return value;
}

void TProStringGrid::SetCtrlVal(int ACol, int ARow, const QString& ID, const QString& Value)
{
    QString text = Cells(ACol, ARow);
    if (SetControlValue(text, ID, Value))
        SetCells(ACol, ARow, text);
}

// Fills

namespace {

template <typename F>
void ForFillCells(TProStringGrid& G, bool DoFixed, F Write)
{
    const int top = DoFixed ? 0 : G.FixedRows();
    const int bottom = DoFixed ? G.RowCount() - 1 : G.RowCount() - G.FixedFooters() - 1;
    const int left = DoFixed ? 0 : G.FixedCols();
    const int right = DoFixed ? G.ColCount() - 1 : G.ColCount() - G.FixedRightCols() - 1;
    for (int r = top; r <= bottom; ++r)
        for (int c = left; c <= right; ++c)
            Write(c, r);
}

} // namespace

void TProStringGrid::TextFill(bool DoFixed, const QString& Txt)
{
    ForFillCells(*this, DoFixed, [&](int c, int r) { SetCellEx(c, r, Txt); });
    CellsLoaded();
}

void TProStringGrid::FormatFill(bool DoFixed, const QString& Fmt)
{
    ForFillCells(*this, DoFixed, [&](int c, int r) { SetCellEx(c, r, Format(Fmt, {c, r})); });
    CellsLoaded();
}

void TProStringGrid::RandomFill(bool DoFixed, int Rnd)
{
    ForFillCells(*this, DoFixed,
                 [&](int c, int r) { SetInts(c, r, Rnd > 0 ? int(QRandomGenerator::global()->bounded(Rnd)) : 0); });
    CellsLoaded();
}

void TProStringGrid::LinearFill(bool DoFixed)
{
    ForFillCells(*this, DoFixed, [&](int c, int r) { SetCellEx(c, r, QStringLiteral("%1:%2").arg(c).arg(r)); });
    CellsLoaded();
}

// Headers

void TProStringGrid::ClearColumnHeaders()
{
    for (int i = 0; i < ColCount(); ++i)
        SetCells(i, 0, QString());
}

void TProStringGrid::ShowColumnHeaders()
{
    if (FixedRows() <= 0)
        return;
    for (int i = 0; i < FColumnHeaders->Count() && i < TotalColCount(); ++i)
        SetCells(i, 0, BackslashNToCR(FColumnHeaders->Strings(i)));
}

void TProStringGrid::ClearRowHeaders()
{
    for (int i = 0; i < RowCount(); ++i)
        SetCells(0, i, QString());
}

void TProStringGrid::ShowRowHeaders()
{
    if (FixedCols() <= 0)
        return;
    for (int i = 0; i < FRowHeaders->Count() && i < RowCount(); ++i)
        SetCells(0, i, BackslashNToCR(FRowHeaders->Strings(i)));
}

// Printing measures and the rest

int TProStringGrid::GetPrintColWidth(int ACol) const
{
    if (ACol < 0 || ACol >= int(FMaxWidths.size()))
        throw EProGridError(QStringLiteral("Columns is not in valid range"));
    return FMaxWidths[std::size_t(ACol)];
}

int TProStringGrid::GetPrintColOffset(int ACol) const
{
    if (ACol < 0 || ACol >= int(FIndents.size()))
        throw EProGridError(QStringLiteral("Columns is not in valid range"));
    return FIndents[std::size_t(ACol)];
}

bool TProStringGrid::IsSortIndicatorCell(int ACol, int ARow)
{
    const int last = FullCell(ACol, ARow).Bottom;
    return last == FSortSettings->Row() && FSortSettings->Show() && RowCount() > FixedRows() + 1;
}

int TProStringGrid::MaxLinesInRow(int ARow)
{
    if (ColCount() <= 0 || !FMultilinecells)
        return 1;
    int lines = 1;
    for (int c = 0; c < ColCount(); ++c)
        lines = std::max(lines, CountLines(Cells(DisplToRealCol(c), ARow), true));
    return lines;
}

void TProStringGrid::InitOrigColSizes()
{
    FOrigColSizes->Clear();
    for (int c = 0; c < ColCount(); ++c)
        FOrigColSizes->Add(ColWidths(c));
    FOldSize = Width();
}

void TProStringGrid::ChangeScale(int M, int D)
{
    TBaseGrid::ChangeScale(M, D);
    if (M == D || TComponent::IsDesigning())
        return;
    FFixedFont->SetSize(ScaleSize(FFixedFont->Size(), M, D));
    FActiveCellFont->SetSize(ScaleSize(FActiveCellFont->Size(), M, D));
}
