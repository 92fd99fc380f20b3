// The grid's settings as text: the column states line, the visual
// properties file and the print settings section of an INI file.
#include "grid/core/ControlLook.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridSettings.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/SortSettings.h"
#include "grid/features/GridFileText.h"
#include "grid/features/GridStreamValues.h"
#include "grid/foundation/Bands.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/SearchFooter.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"
#include "platform/services/Printer.h"
#include <QHash>

using namespace GridFiles;

namespace {

// Column states

QStringList Field(const QString& S) { return S.isEmpty() ? QStringList() : S.split(u','); }

int EntryOf(const QStringList& L, int i)
{
    if (i < 0 || i >= L.size())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(i));
    return StrToInt(L[i]);
}

// Visual properties

const QStringList ControlStyleNames{"csClassic", "csFlat", "csWinXP", "csBorland", "csQLX", "csGlyph", "csTheme"};
const QStringList LookNames{"glStandard", "glSoft", "glClassic", "glQLX", "glXP",
                            "glListView", "glVista", "glWin7", "glOffice2007"};
const QStringList DisplayNames{"bdTile", "bdFixed", "bdGradientHorz", "bdGradientVert"};
const QStringList CellsNames{"bcNormal", "bcFixed", "bcAll"};

class TPropWriter {
public:
    void Color(const QString& Key, TColor C) { Line(Key, ColorToString(C)); }
    void Bool(const QString& Key, bool B) { Line(Key, B ? QStringLiteral("true") : QStringLiteral("false")); }
    void Int(const QString& Key, int V) { Line(Key, QString::number(V)); }
    void Line(const QString& Key, const QString& Value) { FText += Key + u'=' + Value + QLatin1String("\r\n"); }
    void Font(const QString& Key, TFont* F)
    {
        Color(Key + QLatin1String(".Color"), F->Color());
        QStringList styles;
        for (int s = fsBold; s <= fsStrikeOut; ++s)
            if (F->Style().Contains(TFontStyle(s)))
                styles << FontStyleNames[s];
        Line(Key + QLatin1String(".Style"), styles.join(u','));
        Int(Key + QLatin1String(".Size"), F->Size());
        Line(Key + QLatin1String(".Name"), F->Name());
    }
    const QString& Text() const { return FText; }

private:
    QString FText;
};

class TPropReader {
public:
    explicit TPropReader(const QString& Text)
    {
        TLineReader reader(Text);
        QStringView line;
        while (reader.Next(line)) {
            const qsizetype k = line.indexOf(u'=');
            if (k < 0)
                continue;
            const QString key = line.left(k).toString().toUpper();
            if (!FValues.contains(key))
                FValues.insert(key, line.mid(k + 1).toString());
        }
    }
    QString Value(const QString& Key) const { return FValues.value(Key.toUpper()); }
    TColor Color(const QString& Key) const
    {
        const QString v = Value(Key);
        return v.isEmpty() ? clNone : StringToColor(v);
    }
    bool Bool(const QString& Key) const { return Value(Key).toUpper() == QLatin1String("TRUE"); }
    int Int(const QString& Key) const { return StrToInt(Value(Key)); }
    // -1 for a missing or unknown name.
    int Enum(const QString& Key, const QStringList& Names) const
    {
        const QString v = Value(Key);
        for (int i = 0; i < Names.size(); ++i)
            if (Names[i].compare(v, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }
    void Font(const QString& Key, TFont* F) const
    {
        F->SetColor(Color(Key + QLatin1String(".Color")));
        const QString styles = Value(Key + QLatin1String(".Style"));
        TFontStyles st;
        for (int s = fsBold; s <= fsStrikeOut; ++s)
            if (styles.contains(FontStyleNames[s]))
                st.Include(TFontStyle(s));
        F->SetStyle(st);
        F->SetSize(Int(Key + QLatin1String(".Size")));
        F->SetName(Value(Key + QLatin1String(".Name")));
    }

private:
    QHash<QString, QString> FValues;
};

// Print settings

QString YN(bool B) { return B ? QStringLiteral("Y") : QStringLiteral("N"); }

int StyleBits(TFontStyles S)
{
    int bits = 0;
    for (int s = fsBold; s <= fsStrikeOut; ++s)
        if (S.Contains(TFontStyle(s)))
            bits |= 1 << s;
    return bits;
}

void WriteFont(TCustomIniFile& Ini, const QString& Section, const QString& Prefix, TFont* F)
{
    Ini.WriteString(Section, Prefix + QLatin1String("Name"), F->Name());
    Ini.WriteInteger(Section, Prefix + QLatin1String("Size"), F->Size());
    Ini.WriteInteger(Section, Prefix + QLatin1String("Style"), StyleBits(F->Style()));
    Ini.WriteInteger(Section, Prefix + QLatin1String("Color"), int(F->Color()));
}

void ReadFont(TCustomIniFile& Ini, const QString& Section, const QString& Prefix, TFont* F)
{
    F->SetName(Ini.ReadString(Section, Prefix + QLatin1String("Name"), QStringLiteral("Arial")));
    F->SetSize(Ini.ReadInteger(Section, Prefix + QLatin1String("Size"), 10));
    // Style bits only add to the style the font has.
    const int bits = Ini.ReadInteger(Section, Prefix + QLatin1String("Style"), 0);
    TFontStyles st = F->Style();
    for (int s = fsBold; s <= fsStrikeOut; ++s)
        if (bits & (1 << s))
            st.Include(TFontStyle(s));
    F->SetStyle(st);
    F->SetColor(TColor(Ini.ReadInteger(Section, Prefix + QLatin1String("Color"), 0)));
}

TPrintPosition PositionOf(int V) { return V >= 1 && V <= 6 ? TPrintPosition(V) : ppNone; }

} // namespace

// Column states

QString TProStringGrid::ColumnStatesToString()
{
    const int n = ColCount() + NumHiddenColumns();
    QStringList widths, order, visible;
    for (int i = 0; i < n; ++i) {
        widths << QString::number(i < ColCount() ? ColWidths(i) : DefaultColWidth());
        order << QString::number(FColumnOrder->Count() > 0 ? (i < FColumnOrder->Count() ? FColumnOrder->Items(i) : i) : i);
        visible << (IsHiddenColumn(i) ? QStringLiteral("0") : QStringLiteral("1"));
    }
    return QStringLiteral("%1#%2#%3#%4").arg(n).arg(widths.join(u','), order.join(u','), visible.join(u','));
}

void TProStringGrid::StringToColumnStates(const QString& Value)
{
    const qsizetype k = Value.indexOf(u'#');
    if (k < 0)
        return;
    // A moved grid goes back to its first order, so the states are not
    // laid over the moves.
    if (FColumnOrder->Count() > 0)
        ResetColumnOrder();
    FColumnOrder->Clear();
    UnHideColumnsAll();
    SetColCount(StrToInt(Value.left(k)));
    const QStringList parts = Value.mid(k + 1).split(u'#');
    const QStringList widths = Field(parts.value(0));
    const QStringList order = Field(parts.value(1));
    const QStringList visible = Field(parts.value(2));

    if (!order.isEmpty()) {
        std::vector<int> saved;
        for (int i = 0; i < ColCount() && i < order.size(); ++i) {
            const int v = StrToInt(order[i]);
            if (v != -1)
                saved.push_back(v);
        }
        ApplyColumnOrder(saved);
    }
    for (int c = ColCount() - 1; c >= 0; --c)
        if (c < visible.size() && visible[c] == QLatin1String("0"))
            HideColumn(c);

    const bool stretch = FColumnSize->Stretch();
    FColumnSize->SetStretch(false);
    if (stretch) {
        const int sc = FColumnSize->StretchColumn() == -1 ? ColCount() - 1 : FColumnSize->StretchColumn();
        SetDefaultColWidth(ColWidths(sc));
    }
    for (int i = 0; i < ColCount(); ++i)
        SetColWidths(i, EntryOf(widths, i));
    FColumnSize->SetStretch(stretch);
}

// Visual properties

void TProStringGrid::SaveVisualProps(const QString& FileName)
{
    TPropWriter w;
    w.Color("Color", Color());
    w.Color("HintColor", FHintColor);
    w.Color("SelectionColor", FSelectionColor);
    w.Color("SelectionColorTo", FSelectionColorTo);
    w.Color("SelectionMirrorColor", FSelectionMirrorColor);
    w.Color("SelectionMirrorColorTo", FSelectionMirrorColorTo);
    w.Color("SelectionTextColor", FSelectionTextColor);
    w.Color("URLColor", FURLColor);
    w.Bool("URLShow", FURLShow);
    w.Bool("URLShowInText", FURLShowInText);
    w.Color("ScrollColor", FScrollColor);
    w.Color("ActiveRowColor", ActiveRowColor());
    w.Bool("ActiveRowShow", ActiveRowShow());
    w.Bool("ActiveCellShow", FActiveCellShow);
    w.Font("Font", Font());
    w.Color("ActiveCellColor", FActiveCellColor);
    w.Color("ActiveCellColorTo", FActiveCellColorTo);
    w.Font("ActiveCellFont", FActiveCellFont.get());
    w.Font("FixedFont", FFixedFont.get());
    w.Color("Balloon.BackgroundColor", FBalloon->BackgroundColor());
    w.Color("Balloon.TextColor", FBalloon->TextColor());
    w.Int("Balloon.Transparency", FBalloon->Transparency());
    w.Color("Bands.PrimaryColor", FBands->PrimaryColor());
    w.Color("Bands.SecondaryColor", FBands->SecondaryColor());
    w.Bool("Bands.Active", FBands->Active());
    w.Color("SortSettings.IndexColor", FSortSettings->IndexColor());
    w.Color("FloatingFooter.Color", FFloatingFooter->Color());
    w.Int("ControlLook.CheckSize", FControlLook->CheckSize());
    w.Color("ControlLook.Color", FControlLook->Color());
    w.Color("ControlLook.CommentColor", FControlLook->CommentColor());
    w.Line("ControlLook.ControlStyle", ControlStyleNames.value(FControlLook->ControlStyle()));
    w.Color("ControlLook.FixedGradientFrom", FControlLook->FixedGradientFrom());
    w.Color("ControlLook.FixedGradientTo", FControlLook->FixedGradientTo());
    w.Int("ControlLook.RadioSize", FControlLook->RadioSize());
    w.Bool("ControlLook.FlatButton", FControlLook->FlatButton());
    w.Color("ControlLook.ProgressBorderColor", FControlLook->ProgressBorderColor());
    w.Bool("ControlLook.ProgressXP", FControlLook->ProgressXP());
    w.Line("Look", LookNames.value(FLook));
    w.Color("SearchFooter.Color", FSearchFooter->Color());
    w.Color("SearchFooter.ColorTo", FSearchFooter->ColorTo());
    w.Color("Grouping.HeaderColor", FGrouping->HeaderColor());
    w.Color("Grouping.HeaderColorTo", FGrouping->HeaderColorTo());
    w.Color("Grouping.HeaderTextColor", FGrouping->HeaderTextColor());
    w.Bool("Grouping.HeaderUnderline", FGrouping->HeaderUnderline());
    w.Color("Grouping.HeaderLineColor", FGrouping->HeaderLineColor());
    w.Int("Grouping.HeaderLineWidth", FGrouping->HeaderLineWidth());
    w.Color("Grouping.SummaryColor", FGrouping->SummaryColor());
    w.Color("Grouping.SummaryColorTo", FGrouping->SummaryColorTo());
    w.Color("Grouping.SummaryTextColor", FGrouping->SummaryTextColor());
    w.Bool("Grouping.SummaryLine", FGrouping->SummaryLine());
    w.Color("Grouping.SummaryLineColor", FGrouping->SummaryLineColor());
    w.Int("Grouping.SummaryLineWidth", FGrouping->SummaryLineWidth());
    w.Color("GridLineColor", GridLineColor());
    w.Color("GridFixedLineColor", GridFixedLineColor());
    w.Int("BackGround.Top", FBackGround->Top());
    w.Int("BackGround.Left", FBackGround->Left());
    w.Line("BackGround.Display", DisplayNames.value(FBackGround->Display()));
    w.Line("BackGround.Cells", CellsNames.value(FBackGround->Cells()));
    w.Color("BackGround.Color", FBackGround->Color());
    w.Color("BackGround.ColorTo", FBackGround->ColorTo());
    try {
        WriteText(FileName, w.Text(), TFileEncoding::Ansi);
    } catch (const Exception&) {
        throw Exception(QStringLiteral("Cannot Create ") + FileName);
    }
}

void TProStringGrid::LoadVisualProps(const QString& FileName)
{
    QByteArray bytes;
    try {
        bytes = ReadFileBytes(FileName);
    } catch (const Exception&) {
        throw Exception(QStringLiteral("Cannot open file ") + FileName);
    }
    const TPropReader r(DecodeBomOrAnsi(bytes));
    SetColor(r.Color("Color"));
    SetHintColor(r.Color("HintColor"));
    SetSelectionColor(r.Color("SelectionColor"));
    SetSelectionColorTo(r.Color("SelectionColorTo"));
    SetSelectionMirrorColor(r.Color("SelectionMirrorColor"));
    SetSelectionMirrorColorTo(r.Color("SelectionMirrorColorTo"));
    SetSelectionTextColor(r.Color("SelectionTextColor"));
    SetURLColor(r.Color("URLColor"));
    SetURLShow(r.Bool("URLShow"));
    SetURLShowInText(r.Bool("URLShowInText"));
    SetScrollColor(r.Color("ScrollColor"));
    SetActiveRowColor(r.Color("ActiveRowColor"));
    SetActiveRowShow(r.Bool("ActiveRowShow"));
    SetActiveCellShow(r.Bool("ActiveCellShow"));
    r.Font("Font", Font());
    SetActiveCellColor(r.Color("ActiveCellColor"));
    SetActiveCellColorTo(r.Color("ActiveCellColorTo"));
    r.Font("ActiveCellFont", FActiveCellFont.get());
    r.Font("FixedFont", FFixedFont.get());
    FBalloon->SetBackgroundColor(r.Color("Balloon.BackgroundColor"));
    FBalloon->SetTextColor(r.Color("Balloon.TextColor"));
    FBalloon->SetTransparency(uint8_t(r.Int("Balloon.Transparency")));
    FBands->SetPrimaryColor(r.Color("Bands.PrimaryColor"));
    FBands->SetSecondaryColor(r.Color("Bands.SecondaryColor"));
    FBands->SetActive(r.Bool("Bands.Active"));
    FSortSettings->SetIndexColor(r.Color("SortSettings.IndexColor"));
    FFloatingFooter->SetColor(r.Color("FloatingFooter.Color"));
    FControlLook->SetCheckSize(r.Int("ControlLook.CheckSize"));
    FControlLook->SetColor(r.Color("ControlLook.Color"));
    FControlLook->SetCommentColor(r.Color("ControlLook.CommentColor"));
    if (const int i = r.Enum("ControlLook.ControlStyle", ControlStyleNames); i >= 0)
        FControlLook->SetControlStyle(ProGrid::TControlStyle(i));
    FControlLook->SetFixedGradientFrom(r.Color("ControlLook.FixedGradientFrom"));
    FControlLook->SetFixedGradientTo(r.Color("ControlLook.FixedGradientTo"));
    FControlLook->SetRadioSize(r.Int("ControlLook.RadioSize"));
    FControlLook->SetFlatButton(r.Bool("ControlLook.FlatButton"));
    FControlLook->SetProgressBorderColor(r.Color("ControlLook.ProgressBorderColor"));
    FControlLook->SetProgressXP(r.Bool("ControlLook.ProgressXP"));
    if (const int i = r.Enum("Look", LookNames); i >= 0)
        SetLook(TGridLook(i));
    FSearchFooter->SetColor(r.Color("SearchFooter.Color"));
    FSearchFooter->SetColorTo(r.Color("SearchFooter.ColorTo"));
    FGrouping->SetHeaderColor(r.Color("Grouping.HeaderColor"));
    FGrouping->SetHeaderColorTo(r.Color("Grouping.HeaderColorTo"));
    FGrouping->SetHeaderTextColor(r.Color("Grouping.HeaderTextColor"));
    FGrouping->SetHeaderUnderline(r.Bool("Grouping.HeaderUnderline"));
    FGrouping->SetHeaderLineColor(r.Color("Grouping.HeaderLineColor"));
    FGrouping->SetHeaderLineWidth(r.Int("Grouping.HeaderLineWidth"));
    FGrouping->SetSummaryColor(r.Color("Grouping.SummaryColor"));
    FGrouping->SetSummaryColorTo(r.Color("Grouping.SummaryColorTo"));
    FGrouping->SetSummaryTextColor(r.Color("Grouping.SummaryTextColor"));
    FGrouping->SetSummaryLine(r.Bool("Grouping.SummaryLine"));
    FGrouping->SetSummaryLineColor(r.Color("Grouping.SummaryLineColor"));
    FGrouping->SetSummaryLineWidth(r.Int("Grouping.SummaryLineWidth"));
    SetGridLineColor(r.Color("GridLineColor"));
    SetGridFixedLineColor(r.Color("GridFixedLineColor"));
    FBackGround->SetTop(r.Int("BackGround.Top"));
    FBackGround->SetLeft(r.Int("BackGround.Left"));
    if (const int i = r.Enum("BackGround.Display", DisplayNames); i >= 0)
        FBackGround->SetDisplay(TBackGroundDisplay(i));
    if (const int i = r.Enum("BackGround.Cells", CellsNames); i >= 0)
        FBackGround->SetCells(TBackGroundCells(i));
    FBackGround->SetColor(r.Color("BackGround.Color"));
    FBackGround->SetColorTo(r.Color("BackGround.ColorTo"));
}

// Print settings

void TProStringGrid::SavePrintSettings(const QString& Key, const QString& Section)
{
    TMemIniFile ini(Key);
    TPrintSettings* p = FPrintSettings.get();
    ini.WriteInteger(Section, "ColumnSpacing", p->ColumnSpacing());
    ini.WriteInteger(Section, "RowSpacing", p->RowSpacing());
    ini.WriteInteger(Section, "TitleSpacing", p->TitleSpacing());
    ini.WriteInteger(Section, "FixedHeight", p->FixedHeight());
    ini.WriteInteger(Section, "FixedWidth", p->FixedWidth());
    ini.WriteString(Section, "Centered", YN(p->Centered()));
    ini.WriteString(Section, "NoAutoSize", YN(p->NoAutoSize()));
    ini.WriteString(Section, "UseFixedHeight", YN(p->UseFixedHeight()));
    ini.WriteString(Section, "UseFixedWidth", YN(p->UseFixedWidth()));
    ini.WriteString(Section, "RepeatFixedRows", YN(p->RepeatFixedRows()));
    ini.WriteString(Section, "RepeatFixedCols", YN(p->RepeatFixedCols()));
    ini.WriteString(Section, "UseDisplFont", YN(p->UseDisplayFont()));
    ini.WriteString(Section, "UseDefOrientation", YN(p->UseDefaultOrientation()));
    ini.WriteInteger(Section, "Borders", p->Borders());
    ini.WriteInteger(Section, "BorderColor", int(p->BorderColor()));
    ini.WriteInteger(Section, "BorderStyle", p->BorderStyle());
    ini.WriteInteger(Section, "Date", p->Date());
    ini.WriteInteger(Section, "PageNr", p->PageNr());
    ini.WriteInteger(Section, "Title", p->Title());
    ini.WriteInteger(Section, "Time", p->Time());
    ini.WriteString(Section, "DateFormat", p->DateFormat());
    ini.WriteString(Section, "TitleText", p->TitleText());
    ini.WriteInteger(Section, "FooterSize", p->FooterSize());
    ini.WriteInteger(Section, "HeaderSize", p->HeaderSize());
    ini.WriteInteger(Section, "LeftSize", p->LeftSize());
    ini.WriteInteger(Section, "RightSize", p->RightSize());
    ini.WriteInteger(Section, "FitToPage", p->FitToPage());
    WriteFont(ini, Section, "Font", p->Font());
    WriteFont(ini, Section, "HeaderFont", p->HeaderFont());
    WriteFont(ini, Section, "FooterFont", p->FooterFont());
    ini.WriteString(Section, "PageNumSep", p->PageNumSep());
    ini.WriteString(Section, "PageSuffix", p->PageSuffix());
    ini.WriteString(Section, "PagePrefix", p->PagePrefix());
    ini.WriteInteger(Section, "Orientation", int(p->Orientation()));
    QString lines = p->TitleLines()->Text();
    lines.replace(u'\r', QLatin1String("\\n")).remove(u'\n');
    ini.WriteString(Section, "TitleLines", lines);
    ini.WriteString(Section, "PrintGraphics", YN(p->PrintGraphics()));
    ini.UpdateFile();
}

void TProStringGrid::LoadPrintSettings(const QString& Key, const QString& Section)
{
    TMemIniFile ini(Key);
    TPrintSettings* p = FPrintSettings.get();
    const auto yes = [&](const char* Name, const char* Default) {
        return ini.ReadString(Section, Name, Default) == QLatin1String("Y");
    };
    p->SetColumnSpacing(ini.ReadInteger(Section, "ColumnSpacing", 20));
    p->SetRowSpacing(ini.ReadInteger(Section, "RowSpacing", 20));
    p->SetTitleSpacing(ini.ReadInteger(Section, "TitleSpacing", 20));
    p->SetFixedHeight(ini.ReadInteger(Section, "FixedHeight", 0));
    p->SetFixedWidth(ini.ReadInteger(Section, "FixedWidth", 0));
    p->SetCentered(yes("Centered", "Y"));
    p->SetNoAutoSize(yes("NoAutoSize", "N"));
    p->SetUseFixedHeight(yes("UseFixedHeight", "N"));
    p->SetUseFixedWidth(yes("UseFixedWidth", "N"));
    p->SetRepeatFixedRows(yes("RepeatFixedRows", "N"));
    p->SetRepeatFixedCols(yes("RepeatFixedCols", "N"));
    p->SetUseDisplayFont(yes("UseDisplFont", "N"));
    p->SetUseDefaultOrientation(yes("UseDefOrientation", "N"));
    if (const int v = ini.ReadInteger(Section, "Borders", 0); v >= 0 && v <= pbCustom)
        p->SetBorders(TPrintBorders(v));
    p->SetBorderColor(TColor(ini.ReadInteger(Section, "BorderColor", 0)));
    if (const int v = ini.ReadInteger(Section, "BorderStyle", 0); v >= 0 && v <= psInsideFrame)
        p->SetBorderStyle(TPenStyle(v));
    p->SetDate(PositionOf(ini.ReadInteger(Section, "Date", 0)));
    p->SetPageNr(PositionOf(ini.ReadInteger(Section, "PageNr", 0)));
    p->SetTitle(PositionOf(ini.ReadInteger(Section, "Title", 0)));
    p->SetTime(PositionOf(ini.ReadInteger(Section, "Time", 0)));
    p->SetDateFormat(ini.ReadString(Section, "DateFormat", QString()));
    p->SetTitleText(ini.ReadString(Section, "TitleText", QString()));
    p->SetFooterSize(ini.ReadInteger(Section, "FooterSize", 100));
    p->SetHeaderSize(ini.ReadInteger(Section, "HeaderSize", 100));
    p->SetLeftSize(ini.ReadInteger(Section, "LeftSize", 100));
    p->SetRightSize(ini.ReadInteger(Section, "RightSize", 100));
    if (const int v = ini.ReadInteger(Section, "FitToPage", 0); v >= 0 && v <= fpCustom)
        p->SetFitToPage(TFitToPage(v));
    ReadFont(ini, Section, "Font", p->Font());
    ReadFont(ini, Section, "HeaderFont", p->HeaderFont());
    ReadFont(ini, Section, "FooterFont", p->FooterFont());
    p->SetPageNumSep(ini.ReadString(Section, "PageNumSep", QString()));
    p->SetPageSuffix(ini.ReadString(Section, "PageSuffix", QString()));
    p->SetPagePrefix(ini.ReadString(Section, "PagePrefix", QString()));
    if (const int v = ini.ReadInteger(Section, "Orientation", 0); v == 0 || v == 1)
        p->SetOrientation(TPrinterOrientation(v));
    QString lines = ini.ReadString(Section, "TitleLines", QString());
    p->TitleLines()->SetText(lines.replace(QLatin1String("\\n"), QLatin1String("\r\n")));
    p->SetPrintGraphics(yes("PrintGraphics", "N"));
}
