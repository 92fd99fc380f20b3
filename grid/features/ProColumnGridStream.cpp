// The column stream (a TProColumnGridIO in the object stream) and the
// column positions in an INI file.
#include "grid/core/CellEditors.h"
#include "grid/core/GridSettings.h"
#include "grid/features/GridStreamCodec.h"
#include "grid/features/GridStreamValues.h"
#include "grid/features/ProColumnGrid.h"
#include "platform/controls/Menu.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/StringList.h"
#include <optional>
#include <unordered_map>

// How each setting of an item goes into the stream and comes back: one
// entry per stored property, in the order the stream lists them.
struct ColumnItemStream {
    using TWrite = std::function<std::optional<TStreamValue>(const TGridColumnItem&)>;
    // False when the value does not fit the property.
    using TRead = std::function<bool(TGridColumnItem&, const TStreamValue&)>;
    struct TProp {
        QString Name;
        TWrite Write;
        TRead Read;
    };

    static const std::vector<TProp>& Props();
    static TStreamProps Write(const TGridColumnItem& Item);
    // Raises EReadError naming the first property that is unknown or does
    // not fit. References are looked up among Root's components.
    static void Read(TGridColumnItem& Item, const TStreamProps& Props, TComponent* Root);

private:
    static void AddInt(std::vector<TProp>& P, const char* Name, int TGridColumnItem::*Field);
    static void AddBool(std::vector<TProp>& P, const char* Name, bool TGridColumnItem::*Field, bool SkipTrue = false);
    static void AddText(std::vector<TProp>& P, const char* Name, QString TGridColumnItem::*Field);
    template <typename E>
    static void AddEnum(std::vector<TProp>& P, const char* Name, E TGridColumnItem::*Field, const QStringList& Names);
    static void AddColor(std::vector<TProp>& P, const char* Name, TColor TGridColumnItem::*Field);
    static void AddBorders(std::vector<TProp>& P, const char* Name, TCellBorders TGridColumnItem::*Field);
    static void AddPen(std::vector<TProp>& P, const char* Name, std::unique_ptr<TPen> TGridColumnItem::*Field);
    static void AddFont(std::vector<TProp>& P, const char* Name, std::unique_ptr<TFont> TGridColumnItem::*Field);
    static void AddStrings(std::vector<TProp>& P, const char* Name,
                           std::unique_ptr<TStringList> TGridColumnItem::*Field);
    // A component by its name; read by Read itself, which knows the root.
    template <typename C>
    static void AddReference(std::vector<TProp>& P, const char* Name, C* TGridColumnItem::*Field);
};

using namespace GridFiles;

namespace {

const QStringList BorderNames{"cbTop", "cbLeft", "cbRight", "cbBottom"};
const QStringList PopupTypeNames{"cpFixedCellsRClick", "cpFixedCellsLClick", "cpNormalCellsRClick",
                                 "cpNormalCellsLClick", "cpAllCellsRClick", "cpAllCellsLClick"};
const QStringList PenStyleNames{"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot",
                                "psClear", "psInsideFrame", "psUserStyle", "psAlternate"};
const QStringList PenModeNames{"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy",
                               "pmMergePenNot", "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge",
                               "pmNotMerge", "pmMask", "pmNotMask", "pmXor", "pmNotXor"};
const QStringList PitchNames{"fpDefault", "fpVariable", "fpFixed"};
const QStringList QualityNames{"fqDefault", "fqDraft", "fqProof", "fqNonAntialiased", "fqAntialiased",
                               "fqClearType", "fqClearTypeNatural"};
const QStringList SortStyleNames{
    "ssAutomatic", "ssAlphabetic", "ssNumeric", "ssDate", "ssAlphaNoCase", "ssAlphaCase", "ssShortDateEU",
    "ssShortDateUS", "ssCustom", "ssFinancial", "ssAnsiAlphaCase", "ssAnsiAlphaNoCase", "ssRaw", "ssHTML",
    "ssImages", "ssCheckBox", "ssDateTime", "ssTime", "ssAlphaNumeric", "ssAlphaNumericNoCase"};
// Character sets by the names the stream gives them.
const std::vector<std::pair<int, const char*>> CharsetNames{
    {0, "ANSI_CHARSET"},      {1, "DEFAULT_CHARSET"},   {2, "SYMBOL_CHARSET"},     {77, "MAC_CHARSET"},
    {128, "SHIFTJIS_CHARSET"}, {129, "HANGEUL_CHARSET"}, {130, "JOHAB_CHARSET"},    {134, "GB2312_CHARSET"},
    {136, "CHINESEBIG5_CHARSET"}, {161, "GREEK_CHARSET"}, {162, "TURKISH_CHARSET"}, {163, "VIETNAMESE_CHARSET"},
    {177, "HEBREW_CHARSET"},  {178, "ARABIC_CHARSET"},  {186, "BALTIC_CHARSET"},   {204, "RUSSIAN_CHARSET"},
    {222, "THAI_CHARSET"},    {238, "EASTEUROPE_CHARSET"}, {255, "OEM_CHARSET"}};

[[noreturn]] void BadColumn(const QString& What) { throw EReadError(QStringLiteral("Invalid column stream: ") + What); }

std::optional<int> IntValue(const TStreamValue& V)
{
    if (!V.IsInteger() || V.Int < INT32_MIN || V.Int > INT32_MAX)
        return std::nullopt;
    return int(V.Int);
}

std::optional<int> IdentValue(const TStreamValue& V, const QStringList& Names)
{
    const int i = V.Type == vaIdent ? int(Names.indexOf(V.Text)) : -1;
    return i < 0 ? std::nullopt : std::optional<int>(i);
}

std::optional<TColor> ColorFrom(const TStreamValue& V)
{
    if (V.IsInteger())
        return TColor(int32_t(V.Int));
    TColor c = 0;
    if (V.Type == vaIdent && IdentToColor(V.Text, c))
        return c;
    return std::nullopt;
}

// A set as the names of its members, in ordinal order.
template <typename S>
TStreamValue SetValue(S Value, const QStringList& Names)
{
    QStringList members;
    for (int i = 0; i < Names.size(); ++i)
        if (Value.Bits() & (std::uint64_t(1) << i))
            members << Names[i];
    return TStreamValue::SetOf(members);
}

template <typename S, typename E>
std::optional<S> SetFrom(const TStreamValue& V, const QStringList& Names)
{
    if (V.Type != vaSet)
        return std::nullopt;
    S set;
    for (const QString& n : V.Names) {
        const int i = int(Names.indexOf(n));
        if (i < 0)
            return std::nullopt;
        set.Include(E(i));
    }
    return set;
}

TStreamValue CharsetValue(int Charset)
{
    for (const auto& [value, name] : CharsetNames)
        if (value == Charset)
            return TStreamValue::Ident(QString::fromLatin1(name));
    return TStreamValue::Integer(Charset);
}

std::optional<int> CharsetFrom(const TStreamValue& V)
{
    if (V.Type == vaIdent) {
        for (const auto& [value, name] : CharsetNames)
            if (V.Text == QLatin1String(name))
                return value;
        return std::nullopt;
    }
    return IntValue(V);
}

} // namespace

void ColumnItemStream::AddInt(std::vector<TProp>& P, const char* Name, int TGridColumnItem::*Field)
{
    P.push_back({QString::fromLatin1(Name),
                 [Field](const TGridColumnItem& I) { return std::optional(TStreamValue::Integer(I.*Field)); },
                 [Field](TGridColumnItem& I, const TStreamValue& V) {
                     const auto v = IntValue(V);
                     if (v)
                         I.*Field = *v;
                     return bool(v);
                 }});
}

void ColumnItemStream::AddBool(std::vector<TProp>& P, const char* Name, bool TGridColumnItem::*Field, bool SkipTrue)
{
    P.push_back({QString::fromLatin1(Name),
                 [Field, SkipTrue](const TGridColumnItem& I) -> std::optional<TStreamValue> {
                     if (SkipTrue && I.*Field)
                         return std::nullopt;
                     return TStreamValue::Boolean(I.*Field);
                 },
                 [Field](TGridColumnItem& I, const TStreamValue& V) {
                     I.*Field = V.Type == vaTrue;
                     return V.IsBoolean();
                 }});
}

void ColumnItemStream::AddText(std::vector<TProp>& P, const char* Name, QString TGridColumnItem::*Field)
{
    P.push_back({QString::fromLatin1(Name),
                 [Field](const TGridColumnItem& I) -> std::optional<TStreamValue> {
                     if ((I.*Field).isEmpty())
                         return std::nullopt;
                     return TStreamValue::String(I.*Field);
                 },
                 [Field](TGridColumnItem& I, const TStreamValue& V) {
                     I.*Field = V.Text;
                     return V.IsString();
                 }});
}

template <typename E>
void ColumnItemStream::AddEnum(std::vector<TProp>& P, const char* Name, E TGridColumnItem::*Field,
                               const QStringList& Names)
{
    P.push_back({QString::fromLatin1(Name),
                 [Field, &Names](const TGridColumnItem& I) {
                     return std::optional(TStreamValue::Ident(Names.value(int(I.*Field))));
                 },
                 [Field, &Names](TGridColumnItem& I, const TStreamValue& V) {
                     const auto v = IdentValue(V, Names);
                     if (v)
                         I.*Field = E(*v);
                     return bool(v);
                 }});
}

void ColumnItemStream::AddColor(std::vector<TProp>& P, const char* Name, TColor TGridColumnItem::*Field)
{
    P.push_back({QString::fromLatin1(Name),
                 [Field](const TGridColumnItem& I) { return std::optional(ColorValue(I.*Field)); },
                 [Field](TGridColumnItem& I, const TStreamValue& V) {
                     const auto c = ColorFrom(V);
                     if (c)
                         I.*Field = *c;
                     return bool(c);
                 }});
}

void ColumnItemStream::AddBorders(std::vector<TProp>& P, const char* Name, TCellBorders TGridColumnItem::*Field)
{
    P.push_back({QString::fromLatin1(Name),
                 [Field](const TGridColumnItem& I) { return std::optional(SetValue(I.*Field, BorderNames)); },
                 [Field](TGridColumnItem& I, const TStreamValue& V) {
                     const auto s = SetFrom<TCellBorders, TCellBorder>(V, BorderNames);
                     if (s)
                         I.*Field = *s;
                     return bool(s);
                 }});
}

// A pen writes what differs from a new pen's settings.
void ColumnItemStream::AddPen(std::vector<TProp>& P, const char* Name, std::unique_ptr<TPen> TGridColumnItem::*Field)
{
    const QString prefix = QString::fromLatin1(Name) + u'.';
    P.push_back({prefix + "Color",
                 [Field](const TGridColumnItem& I) -> std::optional<TStreamValue> {
                     if ((I.*Field)->Color() == clBlack)
                         return std::nullopt;
                     return ColorValue((I.*Field)->Color());
                 },
                 [Field](TGridColumnItem& I, const TStreamValue& V) {
                     const auto c = ColorFrom(V);
                     if (c)
                         (I.*Field)->SetColor(*c);
                     return bool(c);
                 }});
    P.push_back({prefix + "Mode",
                 [Field](const TGridColumnItem& I) -> std::optional<TStreamValue> {
                     if ((I.*Field)->Mode() == pmCopy)
                         return std::nullopt;
                     return TStreamValue::Ident(PenModeNames[(I.*Field)->Mode()]);
                 },
                 [Field](TGridColumnItem& I, const TStreamValue& V) {
                     const auto m = IdentValue(V, PenModeNames);
                     if (m)
                         (I.*Field)->SetMode(TPenMode(*m));
                     return bool(m);
                 }});
    P.push_back({prefix + "Style",
                 [Field](const TGridColumnItem& I) -> std::optional<TStreamValue> {
                     if ((I.*Field)->Style() == psSolid)
                         return std::nullopt;
                     return TStreamValue::Ident(PenStyleNames[(I.*Field)->Style()]);
                 },
                 [Field](TGridColumnItem& I, const TStreamValue& V) {
                     const auto s = IdentValue(V, PenStyleNames);
                     if (s)
                         (I.*Field)->SetStyle(TPenStyle(*s));
                     return bool(s);
                 }});
    P.push_back({prefix + "Width",
                 [Field](const TGridColumnItem& I) -> std::optional<TStreamValue> {
                     if ((I.*Field)->Width() == 1)
                         return std::nullopt;
                     return TStreamValue::Integer((I.*Field)->Width());
                 },
                 [Field](TGridColumnItem& I, const TStreamValue& V) {
                     const auto w = IntValue(V);
                     if (w)
                         (I.*Field)->SetWidth(*w);
                     return bool(w);
                 }});
}

// A font writes its character set, colour, height, name and style always,
// orientation, pitch and quality when they differ from a new font's.
void ColumnItemStream::AddFont(std::vector<TProp>& P, const char* Name, std::unique_ptr<TFont> TGridColumnItem::*Field)
{
    const QString prefix = QString::fromLatin1(Name) + u'.';
    auto font = [Field](const TGridColumnItem& I) { return (I.*Field).get(); };
    auto set = [Field](TGridColumnItem& I) { return (I.*Field).get(); };
    P.push_back({prefix + "Charset", [font](const TGridColumnItem& I) { return std::optional(CharsetValue(font(I)->Charset())); },
                 [set](TGridColumnItem& I, const TStreamValue& V) {
                     const auto c = CharsetFrom(V);
                     if (c)
                         set(I)->SetCharset(*c);
                     return bool(c);
                 }});
    P.push_back({prefix + "Color", [font](const TGridColumnItem& I) { return std::optional(ColorValue(font(I)->Color())); },
                 [set](TGridColumnItem& I, const TStreamValue& V) {
                     const auto c = ColorFrom(V);
                     if (c)
                         set(I)->SetColor(*c);
                     return bool(c);
                 }});
    P.push_back({prefix + "Height",
                 [font](const TGridColumnItem& I) { return std::optional(TStreamValue::Integer(font(I)->Height())); },
                 [set](TGridColumnItem& I, const TStreamValue& V) {
                     const auto h = IntValue(V);
                     if (h)
                         set(I)->SetHeight(*h);
                     return bool(h);
                 }});
    P.push_back({prefix + "Name", [font](const TGridColumnItem& I) { return std::optional(TStreamValue::String(font(I)->Name())); },
                 [set](TGridColumnItem& I, const TStreamValue& V) {
                     if (V.IsString())
                         set(I)->SetName(V.Text);
                     return V.IsString();
                 }});
    P.push_back({prefix + "Orientation",
                 [font](const TGridColumnItem& I) -> std::optional<TStreamValue> {
                     if (font(I)->Orientation() == 0)
                         return std::nullopt;
                     return TStreamValue::Integer(font(I)->Orientation());
                 },
                 [set](TGridColumnItem& I, const TStreamValue& V) {
                     const auto o = IntValue(V);
                     if (o)
                         set(I)->SetOrientation(*o);
                     return bool(o);
                 }});
    P.push_back({prefix + "Pitch",
                 [font](const TGridColumnItem& I) -> std::optional<TStreamValue> {
                     if (font(I)->Pitch() == fpDefault)
                         return std::nullopt;
                     return TStreamValue::Ident(PitchNames[font(I)->Pitch()]);
                 },
                 [set](TGridColumnItem& I, const TStreamValue& V) {
                     const auto p = IdentValue(V, PitchNames);
                     if (p)
                         set(I)->SetPitch(TFontPitch(*p));
                     return bool(p);
                 }});
    P.push_back({prefix + "Style",
                 [font](const TGridColumnItem& I) { return std::optional(SetValue(font(I)->Style(), FontStyleNames)); },
                 [set](TGridColumnItem& I, const TStreamValue& V) {
                     const auto s = SetFrom<TFontStyles, TFontStyle>(V, FontStyleNames);
                     if (s)
                         set(I)->SetStyle(*s);
                     return bool(s);
                 }});
    P.push_back({prefix + "Quality",
                 [font](const TGridColumnItem& I) -> std::optional<TStreamValue> {
                     if (font(I)->Quality() == fqDefault)
                         return std::nullopt;
                     return TStreamValue::Ident(QualityNames[font(I)->Quality()]);
                 },
                 [set](TGridColumnItem& I, const TStreamValue& V) {
                     const auto q = IdentValue(V, QualityNames);
                     if (q)
                         set(I)->SetQuality(TFontQuality(*q));
                     return bool(q);
                 }});
}

// A component without a name is not written.
template <typename C>
void ColumnItemStream::AddReference(std::vector<TProp>& P, const char* Name, C* TGridColumnItem::*Field)
{
    P.push_back({QString::fromLatin1(Name),
                 [Field](const TGridColumnItem& I) -> std::optional<TStreamValue> {
                     const C* c = I.*Field;
                     if (!c || c->Name().isEmpty())
                         return std::nullopt;
                     return TStreamValue::Ident(c->Name());
                 },
                 {}});
}

// A list writes its lines only when it has any.
void ColumnItemStream::AddStrings(std::vector<TProp>& P, const char* Name,
                                  std::unique_ptr<TStringList> TGridColumnItem::*Field)
{
    P.push_back({QString::fromLatin1(Name) + QStringLiteral(".Strings"),
                 [Field](const TGridColumnItem& I) -> std::optional<TStreamValue> {
                     const TStringList* list = (I.*Field).get();
                     if (list->Count() == 0)
                         return std::nullopt;
                     std::vector<TStreamValue> lines;
                     for (int i = 0; i < list->Count(); ++i)
                         lines.push_back(TStreamValue::String(list->Strings(i)));
                     return TStreamValue::ListOf(std::move(lines));
                 },
                 [Field](TGridColumnItem& I, const TStreamValue& V) {
                     if (V.Type != vaList)
                         return false;
                     QStringList lines;
                     for (const TStreamValue& line : V.List) {
                         if (!line.IsString())
                             return false;
                         lines << line.Text;
                     }
                     TStringList* list = (I.*Field).get();
                     list->BeginUpdate();
                     list->Clear();
                     list->AddStrings(lines);
                     list->EndUpdate();
                     return true;
                 }});
}

const std::vector<ColumnItemStream::TProp>& ColumnItemStream::Props()
{
    using I = TGridColumnItem;
    static const std::vector<TProp> props = [] {
        std::vector<TProp> p;
        AddInt(p, "AutoMinSize", &I::FAutoMinSize);
        AddInt(p, "AutoMaxSize", &I::FAutoMaxSize);
        AddEnum(p, "Alignment", &I::FAlignment, AlignmentNames);
        AddBorders(p, "Borders", &I::FBorders);
        AddPen(p, "BorderPen", &I::FBorderPen);
        AddText(p, "CheckFalse", &I::FCheckFalse);
        AddText(p, "CheckTrue", &I::FCheckTrue);
        AddColor(p, "Color", &I::FColor);
        // A menu and an edit link go by name and come back when the grid's
        // owner has a component of that name.
        AddReference(p, "ColumnPopup", &I::FColumnPopup);
        AddEnum(p, "ColumnPopupType", &I::FColumnPopupType, PopupTypeNames);
        AddStrings(p, "ComboItems", &I::FComboItems);
        AddInt(p, "DropDownCount", &I::FDropDownCount);
        AddInt(p, "EditLength", &I::FEditLength);
        AddReference(p, "EditLink", &I::FEditLink);
        AddText(p, "EditMask", &I::FEditMask);
        AddEnum(p, "Editor", &I::FEditor, EditorNames);
        AddStrings(p, "Filter", &I::FFilter);
        AddBool(p, "FilterCaseSensitive", &I::FFilterCaseSensitive);
        AddBool(p, "Fixed", &I::FFixed);
        AddText(p, "FloatFormat", &I::FFloatFormat);
        AddFont(p, "Font", &I::FFont);
        AddText(p, "Header", &I::FHeader);
        AddEnum(p, "HeaderAlignment", &I::FHeaderAlignment, AlignmentNames);
        AddFont(p, "HeaderFont", &I::FHeaderFont);
        AddInt(p, "MinSize", &I::FMinSize);
        AddInt(p, "MaxSize", &I::FMaxSize);
        AddText(p, "Name", &I::FName);
        AddBool(p, "Password", &I::FPassword);
        AddBool(p, "PrintBorderCustom", &I::FPrintBorderCustom, true);
        AddBorders(p, "PrintBorders", &I::FPrintBorders);
        AddPen(p, "PrintBorderPen", &I::FPrintBorderPen);
        AddColor(p, "PrintColor", &I::FPrintColor);
        AddBool(p, "PrintFontCustom", &I::FPrintFontCustom, true);
        AddFont(p, "PrintFont", &I::FPrintFont);
        AddBool(p, "ReadOnly", &I::FReadOnly);
        AddBool(p, "ShowBands", &I::FShowBands);
        AddEnum(p, "SortStyle", &I::FSortStyle, SortStyleNames);
        AddText(p, "SortPrefix", &I::FSortPrefix);
        AddText(p, "SortSuffix", &I::FSortSuffix);
        AddInt(p, "SpinMax", &I::FSpinMax);
        AddInt(p, "SpinMin", &I::FSpinMin);
        AddInt(p, "SpinStep", &I::FSpinStep);
        AddInt(p, "Tag", &I::FTag);
        p.push_back({QStringLiteral("Width"),
                     [](const I& Item) { return std::optional(TStreamValue::Integer(Item.Width())); },
                     [](I& Item, const TStreamValue& V) {
                         const auto w = IntValue(V);
                         if (w)
                             Item.FWidth = *w;
                         return bool(w);
                     }});
        return p;
    }();
    return props;
}

TStreamProps ColumnItemStream::Write(const TGridColumnItem& Item)
{
    TStreamProps out;
    for (const TProp& p : Props())
        if (std::optional<TStreamValue> v = p.Write(Item))
            out.emplace_back(p.Name, std::move(*v));
    return out;
}

void ColumnItemStream::Read(TGridColumnItem& Item, const TStreamProps& Props, TComponent* Root)
{
    static const std::unordered_map<QString, const TProp*> byName = [] {
        std::unordered_map<QString, const TProp*> m;
        for (const TProp& p : ColumnItemStream::Props())
            m.emplace(p.Name, &p);
        return m;
    }();
    Item.FCopying = true;
    for (const auto& [name, value] : Props) {
        const auto it = byName.find(name);
        if (it == byName.end())
            BadColumn(QStringLiteral("unknown property ") + name);
        const bool popup = name == QLatin1String("ColumnPopup");
        if (popup || name == QLatin1String("EditLink")) {
            if (value.Type != vaIdent && value.Type != vaNil)
                BadColumn(name);
            TComponent* found = Root && value.Type == vaIdent ? Root->FindComponent(value.Text) : nullptr;
            if (popup)
                Item.FColumnPopup = dynamic_cast<TPopupMenu*>(found);
            else
                Item.FEditLink = dynamic_cast<TEditLink*>(found);
            continue;
        }
        if (!it->second->Read(Item, value))
            BadColumn(name);
    }
    Item.FCopying = false;
}

// TProColumnGridIO

TProColumnGridIO::TProColumnGridIO(TComponent* AOwner) : TComponent(AOwner)
{
    auto* grid = dynamic_cast<TProColumnGrid*>(AOwner);
    if (!grid)
        throw EComponentError(QStringLiteral("TProColumnGridIO must be owned by a TProColumnGrid"));
    FItems = std::make_unique<TGridColumnCollection>(grid);
    // A holder's items never resize the grid.
    FItems->FNoRecursiveUpdate = true;
}

TProColumnGridIO::~TProColumnGridIO() = default;

void TProColumnGridIO::SetItems(TGridColumnCollection* Value) { FItems->Assign(Value); }

// The column stream

void TProColumnGrid::SaveColumnsToStream(TStream* st)
{
    TProColumnGridIO io(this);
    TGridColumnCollection* items = io.Items();
    TGridColumnCollection* columns = Columns();
    for (int i = 0; i < columns->Count(); ++i)
        items->Insert(i)->CopyFrom(columns->Items(i), true);
    std::vector<TStreamProps> written;
    for (int i = 0; i < items->Count(); ++i)
        written.push_back(ColumnItemStream::Write(*items->Items(i)));
    TStreamObject root;
    root.ClassName = QStringLiteral("TProColumnGridIO");
    root.Name = io.Name();
    root.Props.emplace_back(QStringLiteral("Items"), TStreamValue::Collection(std::move(written)));
    TObjectWriter(st).WriteRootObject(root);
}

void TProColumnGrid::LoadColumnsFromStream(TStream* st)
{
    const TStreamObject root = TObjectReader(st).ReadRootObject();
    if (root.ClassName != QLatin1String("TProColumnGridIO"))
        BadColumn(QStringLiteral("TProColumnGridIO expected, %1 found").arg(root.ClassName));
    // Every item is read and checked into the holder before the grid changes.
    TProColumnGridIO io(this);
    TGridColumnCollection* items = io.Items();
    for (const auto& [name, value] : root.Props) {
        if (name != QLatin1String("Items") || value.Type != vaCollection)
            BadColumn(name);
        for (const TStreamProps& props : value.Items)
            ColumnItemStream::Read(*items->Insert(items->Count()), props, Owner());
    }
    std::vector<int> widths;
    TGridColumnCollection* columns = Columns();
    BeginUpdate();
    const bool quiet = columns->FNoRecursiveUpdate;
    columns->FNoRecursiveUpdate = true;
    columns->BeginUpdate();
    columns->Clear();
    for (int i = 0; i < items->Count(); ++i) {
        TGridColumnItem* source = items->Items(i);
        widths.push_back(source->FWidth);
        columns->Insert(i)->CopyFrom(source, true);
    }
    columns->EndUpdate();
    columns->FNoRecursiveUpdate = quiet;
    // The grid takes the stream's column count, then its widths.
    const int n = columns->Count() - NumHiddenColumns();
    if (n != ColCount() && n > FixedCols())
        TProStringGrid::SetColCount(n);
    for (int i = 0; i < int(widths.size()); ++i) {
        TGridColumnItem* item = columns->Items(i);
        item->FWidth = widths[size_t(i)];
        SetAllColWidths(i, widths[size_t(i)]);
        if (FixedRows() > 0 && !item->Header().isEmpty())
            SetCells(i, 0, item->Header());
    }
    RebuildColumnHeaders();
    EndUpdate();
    Invalidate();
}

// Column positions

void TProColumnGrid::SaveColumnPositions(const QString& Key, const QString& Section)
{
    TMemIniFile ini(Key);
    TGridColumnCollection* columns = Columns();
    for (int i = 0; i < columns->Count(); ++i)
        ini.WriteInteger(Section, QStringLiteral("CP%1").arg(i), columns->Items(i)->DefIdx);
    ini.UpdateFile();
}

void TProColumnGrid::LoadColumnPositions(const QString& Key, const QString& Section)
{
    TMemIniFile ini(Key);
    TGridColumnCollection* columns = Columns();
    const int n = columns->Count();
    // Only a whole set of positions, each column once, is taken.
    std::vector<int> saved(size_t(n), -1);
    std::vector<bool> seen(size_t(n), false);
    for (int j = 0; j < n; ++j) {
        const int k = ini.ReadInteger(Section, QStringLiteral("CP%1").arg(j), -1);
        if (k < 0 || k >= n || seen[size_t(k)])
            return;
        seen[size_t(k)] = true;
        saved[size_t(j)] = k;
    }
    ResetColumnOrder();
    if (columns->Count() != n)
        return;
    // A grid that never recorded its starting order is put back by the
    // items' own default positions.
    std::vector<bool> isDefault(size_t(n), false);
    for (int i = 0; i < n; ++i) {
        const int d = columns->Items(i)->DefIdx;
        if (d < 0 || d >= n || isDefault[size_t(d)])
            return;
        isDefault[size_t(d)] = true;
    }
    columns->ResetOrganization();
    for (int j = 0; j < n; ++j)
        columns->Items(saved[size_t(j)])->DefIdx = j;
    columns->ResetOrganization();
    for (int j = 0; j < n; ++j)
        columns->Items(j)->DefIdx = saved[size_t(j)];
}

void TProColumnGrid::SaveColPositions()
{
    if (ColumnSize()->Location() == clIniFile)
        SaveColumnPositions(ColumnSize()->Key(), ColumnSize()->Section());
}

void TProColumnGrid::LoadColPositions()
{
    if (ColumnSize()->Location() == clIniFile)
        LoadColumnPositions(ColumnSize()->Key(), ColumnSize()->Section());
}
