// The binary cell stream: a rectangle of cells with their texts and cell
// properties as a run of object-stream records.
#include "grid/core/ProGridError.h"
#include "grid/core/ProStringGrid.h"
#include "grid/features/GridFileText.h"
#include "grid/features/GridCellStreamData.h"
#include "grid/features/GridStreamCodec.h"
#include "grid/features/GridStreamValues.h"
#include "platform/controls/Control.h"
#include "platform/graphics/Color.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"
#include <atomic>
#include <optional>

using namespace GridFiles;

namespace {

constexpr int MaxCoord = 65535;

const QStringList VAlignmentNames{"vtaTop", "vtaCenter", "vtaBottom"};
const QStringList BrushStyleNames{"bsSolid", "bsClear", "bsHorizontal", "bsVertical",
                                  "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross"};
const QStringList GradientNames{"GradientVertical", "GradientHorizontal"};

[[noreturn]] void Bad(const QString& What)
{
    throw EReadError(QStringLiteral("Invalid cell stream: ") + What);
}

TStreamObject Record(const char* ClassName) { return TStreamObject{QString::fromLatin1(ClassName), {}, {}, {}}; }

void Add(TStreamObject& O, const char* Name, TStreamValue V) { O.Props.emplace_back(QString::fromLatin1(Name), std::move(V)); }

void AddText(TStreamObject& O, const char* Name, const QString& S)
{
    if (!S.isEmpty())
        Add(O, Name, TStreamValue::String(S));
}

QString JoinSizes(int From, int To, const std::function<int(int)>& Size)
{
    QStringList parts;
    for (int i = From; i <= To; ++i)
        parts << QString::number(Size(i));
    return parts.join(u',');
}

// Checked access to a record's values.
int IntOf(const TStreamValue& V, const QString& Name)
{
    if (!V.IsInteger() || V.Int < INT32_MIN || V.Int > INT32_MAX)
        Bad(Name);
    return int(V.Int);
}

bool BoolOf(const TStreamValue& V, const QString& Name)
{
    if (!V.IsBoolean())
        Bad(Name);
    return V.Type == vaTrue;
}

QString TextOf(const TStreamValue& V, const QString& Name)
{
    if (!V.IsString())
        Bad(Name);
    return V.Text;
}

int EnumOf(const TStreamValue& V, const QStringList& Names, const QString& Name)
{
    const int i = V.Type == vaIdent ? int(Names.indexOf(V.Text)) : -1;
    if (i < 0)
        Bad(Name);
    return i;
}

TColor ColorOf(const TStreamValue& V, const QString& Name)
{
    if (V.IsInteger())
        return TColor(int32_t(V.Int));
    TColor c = 0;
    if (V.Type != vaIdent || !IdentToColor(V.Text, c))
        Bad(Name);
    return c;
}

std::vector<int> SizeList(const QString& S, int Count, const QString& Name)
{
    std::vector<int> sizes;
    for (const QString& part : S.split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int v = part.trimmed().toInt(&ok);
        if (!ok)
            Bad(Name);
        sizes.push_back(v);
    }
    if (int(sizes.size()) < Count)
        Bad(Name);
    return sizes;
}

void CheckClass(const TStreamObject& O, const char* ClassName)
{
    if (O.ClassName != QLatin1String(ClassName))
        Bad(QStringLiteral("%1 expected, %2 found").arg(QLatin1String(ClassName), O.ClassName));
}

TCellStreamHeader ParseHeader(const TStreamObject& O)
{
    CheckClass(O, "TGridPropIO");
    TCellStreamHeader h;
    QString widths, heights;
    for (const auto& [name, v] : O.Props) {
        if (name == QLatin1String("ColCount"))
            h.ColCount = IntOf(v, name);
        else if (name == QLatin1String("RowCount"))
            h.RowCount = IntOf(v, name);
        else if (name == QLatin1String("ColWidths"))
            widths = TextOf(v, name);
        else if (name == QLatin1String("RowHeights"))
            heights = TextOf(v, name);
        else if (name == QLatin1String("FullGrid"))
            h.FullGrid = BoolOf(v, name);
        else if (name == QLatin1String("ID"))
            h.ID = IntOf(v, name);
        else
            Bad(name);
    }
    if (h.ColCount < 0 || h.RowCount < 0 || h.ColCount > MaxCoord + 1 || h.RowCount > MaxCoord + 1)
        Bad(QStringLiteral("size"));
    if (h.FullGrid) {
        h.ColWidths = SizeList(widths, h.ColCount, QStringLiteral("ColWidths"));
        h.RowHeights = SizeList(heights, h.RowCount, QStringLiteral("RowHeights"));
    }
    return h;
}

const QString PropPrefix = QStringLiteral("CellProperties.");

// Checks every property of a properties record; its values are applied later.
void CheckProps(const TStreamProps& Props, bool& HasGraphic)
{
    HasGraphic = false;
    for (const auto& [name, v] : Props) {
        if (name == QLatin1String("HasGraphic")) {
            HasGraphic = BoolOf(v, name);
            continue;
        }
        if (!name.startsWith(PropPrefix))
            Bad(name);
        const QString p = name.mid(PropPrefix.size());
        if (p == QLatin1String("IsBaseCell") || p == QLatin1String("ReadOnly") || p == QLatin1String("WordWrap"))
            BoolOf(v, name);
        else if (p == QLatin1String("CellSpanX") || p == QLatin1String("CellSpanY") ||
                 p == QLatin1String("BorderWidth") || p == QLatin1String("FontSize") ||
                 p == QLatin1String("NodeLevel") || p == QLatin1String("CellObject"))
            IntOf(v, name);
        else if (p == QLatin1String("BorderColor") || p == QLatin1String("BrushColor") ||
                 p == QLatin1String("BrushColorTo") || p == QLatin1String("FontColor"))
            ColorOf(v, name);
        else if (p == QLatin1String("Alignment"))
            EnumOf(v, AlignmentNames, name);
        else if (p == QLatin1String("VAlignment"))
            EnumOf(v, VAlignmentNames, name);
        else if (p == QLatin1String("BrushStyle"))
            EnumOf(v, BrushStyleNames, name);
        else if (p == QLatin1String("GradientDirection"))
            EnumOf(v, GradientNames, name);
        else if (p == QLatin1String("Editor"))
            EnumOf(v, EditorNames, name);
        else if (p == QLatin1String("FontName"))
            TextOf(v, name);
        else if (p == QLatin1String("FontStyle")) {
            if (v.Type != vaSet)
                Bad(name);
            for (const QString& s : v.Names)
                if (!FontStyleNames.contains(s))
                    Bad(name);
        } else if (p == QLatin1String("Control")) {
            if (v.Type != vaIdent && v.Type != vaNil)
                Bad(name);
        } else {
            Bad(name);
        }
    }
}

void ApplyProps(const TStreamProps& Props, TCellProperties& P)
{
    for (const auto& [name, v] : Props) {
        if (!name.startsWith(PropPrefix))
            continue;
        const QString p = name.mid(PropPrefix.size());
        if (p == QLatin1String("IsBaseCell"))
            P.SetIsBaseCell(v.Type == vaTrue);
        else if (p == QLatin1String("CellSpanX"))
            P.SetCellSpanX(int(v.Int));
        else if (p == QLatin1String("CellSpanY"))
            P.SetCellSpanY(int(v.Int));
        else if (p == QLatin1String("Alignment"))
            P.SetAlignment(TAlignment(AlignmentNames.indexOf(v.Text)));
        else if (p == QLatin1String("BorderColor"))
            P.SetBorderColor(ColorOf(v, name));
        else if (p == QLatin1String("BorderWidth"))
            P.SetBorderWidth(int(v.Int));
        else if (p == QLatin1String("BrushColor"))
            P.SetBrushColor(ColorOf(v, name));
        else if (p == QLatin1String("BrushColorTo"))
            P.SetBrushColorTo(ColorOf(v, name));
        else if (p == QLatin1String("BrushStyle"))
            P.SetBrushStyle(TBrushStyle(BrushStyleNames.indexOf(v.Text)));
        else if (p == QLatin1String("FontColor"))
            P.SetFontColor(ColorOf(v, name));
        else if (p == QLatin1String("FontName"))
            P.SetFontName(v.Text);
        else if (p == QLatin1String("FontSize"))
            P.SetFontSize(int(v.Int));
        else if (p == QLatin1String("FontStyle")) {
            TFontStyles st;
            for (const QString& s : v.Names)
                st.Include(TFontStyle(FontStyleNames.indexOf(s)));
            P.SetFontStyle(st);
        } else if (p == QLatin1String("Editor"))
            P.SetEditor(TEditorType(EditorNames.indexOf(v.Text)));
        else if (p == QLatin1String("GradientDirection"))
            P.SetGradientDirection(TCellGradientDirection(GradientNames.indexOf(v.Text)));
        else if (p == QLatin1String("ReadOnly"))
            P.SetReadOnly(v.Type == vaTrue);
        else if (p == QLatin1String("VAlignment"))
            P.SetVAlignment(TVAlignment(VAlignmentNames.indexOf(v.Text)));
        else if (p == QLatin1String("WordWrap"))
            P.SetWordWrap(v.Type == vaTrue);
        else if (p == QLatin1String("NodeLevel"))
            P.SetNodeLevel(int(v.Int));
        // The user's object and a control reference are never taken over.
    }
}

int NextStreamID()
{
    static std::atomic<int> serial{0};
    return ++serial;
}

} // namespace

int TProStringGrid::StreamID()
{
    if (FStreamID == 0)
        FStreamID = NextStreamID();
    return FStreamID;
}

// Writing

void TProStringGrid::SaveRectToBinStream(const TRect& Rect, TStream* Stream)
{
    if (Rect.Left < 0 || Rect.Top < 0 || Rect.Right < Rect.Left || Rect.Bottom < Rect.Top)
        throw EProGridError(QStringLiteral("Invalid cell rectangle for the cell stream"));
    if (Rect.Right > MaxCoord || Rect.Bottom > MaxCoord)
        throw EProGridError(QStringLiteral("The cell stream holds columns and rows up to 65535"));
    const int cols = Rect.Right - Rect.Left + 1, rows = Rect.Bottom - Rect.Top + 1;
    TObjectWriter w(Stream);

    TStreamObject head = Record("TGridPropIO");
    Add(head, "ColCount", TStreamValue::Integer(cols));
    Add(head, "RowCount", TStreamValue::Integer(rows));
    AddText(head, "ColWidths", JoinSizes(Rect.Left, Rect.Right, [&](int c) { return ColWidths(c); }));
    AddText(head, "RowHeights", JoinSizes(Rect.Top, Rect.Bottom, [&](int r) { return RowHeights(r); }));
    const bool full = FSaveFixedCells ? rows == RowCount() && cols == ColCount()
                                      : rows == RowCount() - FixedRows() && cols == ColCount() - FixedCols();
    Add(head, "FullGrid", TStreamValue::Boolean(full));
    Add(head, "ID", TStreamValue::Integer(StreamID()));
    w.WriteRootObject(head);

    TProgress progress(this);
    ExportNotification(esExportStart, Rect.Top);
    for (int r = Rect.Top; r <= Rect.Bottom; ++r) {
        ExportNotification(esExportNextRow, r);
        for (int c = Rect.Left; c <= Rect.Right; ++c) {
            const int rc = DisplToRealCol(c);
            const bool hasProp = HasCellProperties(rc, r);
            TStreamObject cell = Record("TGridCellIO");
            Add(cell, "Col", TStreamValue::Integer(c));
            Add(cell, "Row", TStreamValue::Integer(r));
            AddText(cell, "Cell", Cells(c, r));
            Add(cell, "HasProp", TStreamValue::Boolean(hasProp));
            w.WriteRootObject(cell);
            if (!hasProp)
                continue;
            const TCellProperties* p = GetGridCellProps(rc, r);
            TStreamObject prop = Record("TGridCellPropIO");
            Add(prop, "CellProperties.IsBaseCell", TStreamValue::Boolean(p->IsBaseCell()));
            Add(prop, "CellProperties.CellSpanX", TStreamValue::Integer(p->CellSpanX()));
            Add(prop, "CellProperties.CellSpanY", TStreamValue::Integer(p->CellSpanY()));
            Add(prop, "CellProperties.Alignment", TStreamValue::Ident(AlignmentNames[p->Alignment()]));
            Add(prop, "CellProperties.BorderColor", ColorValue(p->BorderColor()));
            Add(prop, "CellProperties.BorderWidth", TStreamValue::Integer(p->BorderWidth()));
            Add(prop, "CellProperties.BrushColor", ColorValue(p->BrushColor()));
            Add(prop, "CellProperties.BrushColorTo", ColorValue(p->BrushColorTo()));
            Add(prop, "CellProperties.BrushStyle", TStreamValue::Ident(BrushStyleNames[p->BrushStyle()]));
            Add(prop, "CellProperties.CellObject", TStreamValue::Integer(0));
            Add(prop, "CellProperties.FontColor", ColorValue(p->FontColor()));
            AddText(prop, "CellProperties.FontName", p->FontName());
            Add(prop, "CellProperties.FontSize", TStreamValue::Integer(p->FontSize()));
            QStringList styles;
            for (int s = fsBold; s <= fsStrikeOut; ++s)
                if (p->FontStyle().Contains(TFontStyle(s)))
                    styles << FontStyleNames[s];
            Add(prop, "CellProperties.FontStyle", TStreamValue::SetOf(styles));
            Add(prop, "CellProperties.Editor", TStreamValue::Ident(EditorNames.value(p->Editor(), "edNormal")));
            Add(prop, "CellProperties.GradientDirection",
                TStreamValue::Ident(GradientNames[p->GradientDirection()]));
            Add(prop, "CellProperties.ReadOnly", TStreamValue::Boolean(p->ReadOnly()));
            Add(prop, "CellProperties.VAlignment", TStreamValue::Ident(VAlignmentNames[p->VAlignment()]));
            Add(prop, "CellProperties.WordWrap", TStreamValue::Boolean(p->WordWrap()));
            Add(prop, "CellProperties.NodeLevel", TStreamValue::Integer(p->NodeLevel()));
            if (p->Control() && !p->Control()->Name().isEmpty())
                Add(prop, "CellProperties.Control", TStreamValue::Ident(p->Control()->Name()));
            const TCellType type = GetCellType(rc, r);
            const TCellGraphic* graphic = type == ctEmpty ? nullptr : GetCellGraphic(rc, r);
            const bool hasGraphic = GraphicStreamed(type, graphic);
            Add(prop, "HasGraphic", TStreamValue::Boolean(hasGraphic));
            w.WriteRootObject(prop);
            if (hasGraphic)
                WriteGraphicRecords(w, type, graphic);
        }
        progress.Report(Percent(r, Rect.Bottom - Rect.Top));
    }
    ExportNotification(esExportDone, -1);
}

void TProStringGrid::SaveToBinStream(TStream* Stream)
{
    SaveRectToBinStream(TRect{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, Stream);
}

void TProStringGrid::SaveToBinFile(const QString& FileName)
{
    TMemoryStream ms;
    SaveToBinStream(&ms);
    ms.SaveToFile(FileName);
}

// Reading: the whole stream is parsed and checked before the grid changes.

TCellStreamData ParseCellStream(TStream* Stream)
{
    TObjectReader reader(Stream);
    TCellStreamData data;
    data.Header = ParseHeader(reader.ReadRootObject());
    while (Stream->Size() - Stream->Position() >= 2) {
        const TStreamObject rec = reader.ReadRootObject();
        CheckClass(rec, "TGridCellIO");
        TCellStreamEntry e;
        bool hasProp = false, col = false, row = false;
        for (const auto& [name, v] : rec.Props) {
            if (name == QLatin1String("Col")) {
                e.Col = IntOf(v, name);
                col = true;
            } else if (name == QLatin1String("Row")) {
                e.Row = IntOf(v, name);
                row = true;
            } else if (name == QLatin1String("Cell"))
                e.Text = TextOf(v, name);
            else if (name == QLatin1String("HasProp"))
                hasProp = BoolOf(v, name);
            else
                Bad(name);
        }
        if (!col || !row || e.Col < 0 || e.Row < 0 || e.Col > MaxCoord || e.Row > MaxCoord)
            Bad(QStringLiteral("cell coordinates"));
        if (hasProp) {
            const TStreamObject prop = reader.ReadRootObject();
            CheckClass(prop, "TGridCellPropIO");
            bool hasGraphic = false;
            CheckProps(prop.Props, hasGraphic);
            e.Props = prop.Props;
            if (hasGraphic)
                ReadGraphicRecords(reader, e);
        }
        data.Cells.push_back(std::move(e));
    }
    return data;
}

void TProStringGrid::ApplyCellStream(TCellStreamData& Data, const TPoint& Point)
{
    const TCellStreamHeader& head = Data.Header;
    if (head.FullGrid) {
        Clear();
        SetRowCount(head.RowCount);
        SetColCount(head.ColCount);
        for (int i = 0; i < head.ColCount && i < ColCount(); ++i)
            SetColWidths(i, head.ColWidths[i]);
        for (int i = 0; i < head.RowCount && i < RowCount(); ++i)
            SetRowHeights(i, head.RowHeights[i]);
    }
    auto& cells = Data.Cells;
    const int oc = head.FullGrid || cells.empty() ? 0 : cells.front().Col;
    const int orow = head.FullGrid || cells.empty() ? 0 : cells.front().Row;
    TProgress progress(this);
    int lastRow = -1;
    for (TCellStreamEntry& e : cells) {
        const int tc = Point.X + e.Col - oc, tr = Point.Y + e.Row - orow;
        // Only cells the grid has are written.
        if (tc < 0 || tr < 0 || tc >= ColCount() || tr >= RowCount())
            continue;
        SetCells(tc, tr, e.Text);
        if (tr != lastRow) {
            lastRow = tr;
            progress.Report(Percent(tr, RowCount()));
        }
        if (!e.Props)
            continue;
        const int rc = DisplToRealCol(tc);
        TCellProperties* target = CellProperties(rc, tr);
        TCellProperties holder(this, 0, 0);
        holder.Assign(target);
        holder.SetBrushColorTo(target->BrushColorTo());
        holder.SetGradientDirection(target->GradientDirection());
        ApplyProps(*e.Props, holder);
        holder.SetOwnerCol(tc);
        holder.SetOwnerRow(tr);
        target->Assign(&holder);
        target->SetBrushColorTo(holder.BrushColorTo());
        target->SetGradientDirection(holder.GradientDirection());
        if (e.Graphic)
            ApplyGraphicRecords(e, CreateCellGraphic(rc, tr), rc, tr);
    }
    Invalidate();
}

void TProStringGrid::LoadAtPointFromBinStream(const TPoint& Point, TStream* Stream)
{
    TCellStreamData data = ParseCellStream(Stream);
    ApplyCellStream(data, Point);
}

void TProStringGrid::LoadFromBinStream(TStream* Stream)
{
    LoadAtPointFromBinStream(TPoint{0, 0}, Stream);
    FNumNodes = 0;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (GetCellType(0, r) == ctNode)
            ++FNumNodes;
    if (FNumNodes > 0)
        RepaintCol(0);
}

void TProStringGrid::LoadFromBinFile(const QString& FileName)
{
    TMemoryStream ms;
    ms.LoadFromFile(FileName);
    LoadFromBinStream(&ms);
}
