// Cell graphics in the binary cell stream: the graphic record and the
// payload record of the kinds that carry an object.
#include "grid/core/CellGraphic.h"
#include "grid/features/GridCellStreamData.h"
#include "grid/foundation/FilePicture.h"
#include "grid/foundation/IntList.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Jpeg.h"
#include "platform/graphics/Metafile.h"
#include "platform/graphics/Picture.h"
#include "platform/graphics/RasterImage.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"
#include <QFileInfo>

namespace {

const QStringList CellTypeNames{
    "ctBitmap", "ctIcon", "ctNone", "ctImageList", "ctCheckBox", "ctDataCheckBox", "ctRotated", "ctDataImage",
    "ctNode", "ctRadio", "ctEmpty", "ctImages", "ctPicture", "ctFilePicture", "ctValue", "ctProgress", "ctComment",
    "ctButton", "ctBitButton", "ctVirtCheckBox", "ctRowCheckBox", "ctProgressPie", "ctSummary", "ctRangeIndicator",
    "ctXPProgress", "ctInterface", "ctScrollbar", "ctRadioButton", "ctBalloon", "ctShape", "ctRating",
    "ctTriStateCheckBox", "ctExpand"};
const QStringList VAlignNames{"vaTop", "vaBottom", "vaCenter", "vaUnderText", "vaAboveText", "vaFull"};
const QStringList HAlignNames{"haLeft", "haRight", "haCenter", "haBeforeText", "haAfterText", "haFull"};
const QStringList CheckStateNames{"cbUnchecked", "cbChecked", "cbGrayed"};
const QString Prefix = QStringLiteral("CellGraphic.");

[[noreturn]] void BadGraphic(const QString& What) { throw EReadError(QStringLiteral("Invalid cell stream: ") + What); }

bool HasPayload(TCellType T)
{
    switch (T) {
    case ctBitmap:
    case ctBitButton:
    case ctIcon:
    case ctRadio:
    case ctImages:
    case ctPicture:
    case ctFilePicture:
        return true;
    default:
        return false;
    }
}

QByteArray U32(quint32 V)
{
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char((V >> (8 * i)) & 0xFF);
    return b;
}

// Counted data: a 32-bit byte count, then that many bytes.
QByteArray Counted(const QByteArray& Data) { return U32(quint32(Data.size())) + Data; }

QByteArray Uncounted(const QByteArray& Data, const QString& Name)
{
    if (Data.size() < 4)
        BadGraphic(Name);
    quint32 n = 0;
    for (int i = 0; i < 4; ++i)
        n |= quint32(uchar(Data[i])) << (8 * i);
    if (quint64(n) > quint64(Data.size() - 4))
        BadGraphic(Name);
    return Data.mid(4, qsizetype(n));
}

// A picture's data: its kind's class name as a short string, then the
// kind's own data.
QByteArray PictureData(TPicture* P)
{
    TGraphic* g = P->Graphic();
    if (!g || g->Empty())
        return QByteArray();
    const auto named = [](const char* Name, const QByteArray& Data) {
        return QByteArray(1, char(qstrlen(Name))) + Name + Data;
    };
    if (auto* jpeg = dynamic_cast<TJPEGImage*>(g))
        return named("TJPEGImage", Counted(jpeg->SaveToBytes()));
    if (auto* png = dynamic_cast<TPngImage*>(g))
        return named("TPngImage", png->SaveToBytes());
    if (auto* icon = dynamic_cast<TIcon*>(g))
        return named("TIcon", icon->SaveToBytes());
    if (auto* meta = dynamic_cast<TMetafile*>(g))
        return named("TMetafile", meta->SaveToBytes());
    if (auto* raster = dynamic_cast<TRasterImage*>(g))
        return named("TBitmap", Counted(raster->Bitmap()->SaveToBytes()));
    return named("TBitmap", Counted(g->SaveToBytes()));
}

// Decodes a graphic's data; a metafile is kept as its bytes, another kind
// this system does not know leaves the picture empty.
void LoadPicture(TPicture* P, const QByteArray& Data)
{
    if (Data.isEmpty())
        return;
    const int n = uchar(Data[0]);
    if (Data.size() < 1 + n)
        BadGraphic(QStringLiteral("Picture.Data"));
    const QString kind = QString::fromLatin1(Data.mid(1, n));
    const QByteArray rest = Data.mid(1 + n);
    const auto load = [&](TGraphic&& G, const QByteArray& Bytes) {
        G.LoadFromBytes(Bytes);
        P->SetGraphic(&G);
    };
    if (kind == QLatin1String("TBitmap"))
        load(TBitmap(), Uncounted(rest, QStringLiteral("Picture.Data")));
    else if (kind == QLatin1String("TJPEGImage"))
        load(TJPEGImage(), Uncounted(rest, QStringLiteral("Picture.Data")));
    else if (kind == QLatin1String("TPngImage"))
        load(TPngImage(), rest);
    else if (kind == QLatin1String("TIcon"))
        load(TIcon(), rest);
    else if (kind == QLatin1String("TMetafile"))
        load(TMetafile(), rest);
}

const TStreamValue* Only(const TStreamObject& O, const char* Name)
{
    for (const auto& [name, v] : O.Props)
        if (name != QLatin1String(Name))
            BadGraphic(name);
    return O.Find(QString::fromLatin1(Name));
}

QStringList StringsOf(const TStreamObject& O)
{
    QStringList items;
    if (const TStreamValue* v = Only(O, "Strings")) {
        if (v->Type != vaList)
            BadGraphic(QStringLiteral("Strings"));
        for (const TStreamValue& item : v->List) {
            if (!item.IsString())
                BadGraphic(QStringLiteral("Strings"));
            items << item.Text;
        }
    }
    return items;
}

void CheckClassName(const TStreamObject& O, const char* Name)
{
    if (O.ClassName != QLatin1String(Name))
        BadGraphic(QStringLiteral("%1 expected, %2 found").arg(QLatin1String(Name), O.ClassName));
}

int EnumValue(const TStreamValue& V, const QStringList& Names, const QString& Name)
{
    const int i = V.Type == vaIdent ? int(Names.indexOf(V.Text)) : -1;
    if (i < 0)
        BadGraphic(Name);
    return i;
}

} // namespace

bool GraphicStreamed(TCellType Type, const TCellGraphic* Graphic)
{
    if (!Graphic || Type == ctEmpty)
        return false;
    // A payload the application owns stays out of the stream.
    return HasPayload(Type) ? Graphic->CellCreated() : true;
}

void WriteGraphicRecords(TObjectWriter& Writer, TCellType Type, const TCellGraphic* G)
{
    TStreamObject rec{QStringLiteral("TGridGraphicIO"), {}, {}, {}};
    const auto add = [&](const char* Name, TStreamValue V) { rec.Props.emplace_back(Prefix + QLatin1String(Name), V); };
    add("CellType", TStreamValue::Ident(CellTypeNames.value(Type)));
    add("CellVAlign", TStreamValue::Ident(VAlignNames.value(G->CellVAlign())));
    add("CellHAlign", TStreamValue::Ident(HAlignNames.value(G->CellHAlign())));
    add("CellIndex", TStreamValue::Integer(G->CellIndex()));
    add("CellTransparent", TStreamValue::Boolean(G->CellTransparent()));
    add("CellCreated", TStreamValue::Boolean(G->CellCreated()));
    add("CellBoolean", TStreamValue::Boolean(G->CellBoolean()));
    add("CellCheckBoxState", TStreamValue::Ident(CheckStateNames.value(G->CellCheckBoxState())));
    add("CellAngle", TStreamValue::Integer(G->CellAngle()));
    if (G->CellValue() != 0)
        add("CellValue", TStreamValue::Extended(G->CellValue()));
    add("CellErrFrom", TStreamValue::Integer(G->CellErrFrom()));
    add("CellErrLen", TStreamValue::Integer(G->CellErrLen()));
    if (!G->CellText().isEmpty())
        add("CellText", TStreamValue::String(G->CellText()));
    Writer.WriteRootObject(rec);
    if (!HasPayload(Type))
        return;

    TStreamObject payload{QString(), {}, {}, {}};
    const auto data = [&](const char* Name, const QByteArray& Bytes) {
        if (!Bytes.isEmpty())
            payload.Props.emplace_back(QLatin1String(Name), TStreamValue::Binary(Bytes));
    };
    const auto strings = [&](const QStringList& Items) {
        std::vector<TStreamValue> list;
        for (const QString& s : Items)
            list.push_back(TStreamValue::String(s));
        if (!list.empty())
            payload.Props.emplace_back(QStringLiteral("Strings"), TStreamValue::ListOf(std::move(list)));
    };
    switch (Type) {
    case ctBitmap:
    case ctBitButton: {
        payload.ClassName = QStringLiteral("TGridBMPIO");
        auto* bmp = dynamic_cast<TBitmap*>(G->CellBitmap());
        data("Bitmap.Data", bmp && !bmp->Empty() ? Counted(bmp->SaveToBytes()) : QByteArray());
        break;
    }
    case ctIcon:
        payload.ClassName = QStringLiteral("TGridIconIO");
        data("Icon.Data", G->CellIcon() && !G->CellIcon()->Empty() ? G->CellIcon()->SaveToBytes() : QByteArray());
        break;
    case ctRadio:
        payload.ClassName = QStringLiteral("TGridSLIO");
        if (TStringList* sl = G->Strings())
        {
            QStringList items;
            for (int i = 0; i < sl->Count(); ++i)
                items << sl->Strings(i);
            strings(items);
        }
        break;
    case ctImages:
        payload.ClassName = QStringLiteral("TGridSLIO");
        if (TIntList* il = G->IntList())
            strings(il->StrValue().isEmpty() ? QStringList() : il->StrValue().split(u','));
        break;
    case ctPicture:
        payload.ClassName = QStringLiteral("TGridPicIO");
        if (auto* pic = dynamic_cast<TPicture*>(G->CellBitmap()))
            data("Picture.Data", PictureData(pic));
        break;
    case ctFilePicture:
        payload.ClassName = QStringLiteral("TGridFilePicIO");
        if (auto* fp = dynamic_cast<TFilePicture*>(G->CellBitmap()); fp && !fp->Filename().isEmpty())
            payload.Props.emplace_back(QStringLiteral("Picture.Filename"), TStreamValue::String(fp->Filename()));
        break;
    default:
        break;
    }
    Writer.WriteRootObject(payload);
}

void ReadGraphicRecords(TObjectReader& Reader, TCellStreamEntry& Entry)
{
    const TStreamObject rec = Reader.ReadRootObject();
    CheckClassName(rec, "TGridGraphicIO");
    TCellType type = ctNone;
    bool typed = false;
    for (const auto& [name, v] : rec.Props) {
        if (!name.startsWith(Prefix))
            BadGraphic(name);
        const QString p = name.mid(Prefix.size());
        if (p == QLatin1String("CellType")) {
            type = TCellType(EnumValue(v, CellTypeNames, name));
            typed = true;
        } else if (p == QLatin1String("CellVAlign"))
            EnumValue(v, VAlignNames, name);
        else if (p == QLatin1String("CellHAlign"))
            EnumValue(v, HAlignNames, name);
        else if (p == QLatin1String("CellCheckBoxState"))
            EnumValue(v, CheckStateNames, name);
        else if (p == QLatin1String("CellIndex") || p == QLatin1String("CellAngle") ||
                 p == QLatin1String("CellErrFrom") || p == QLatin1String("CellErrLen")) {
            if (!v.IsInteger() || v.Int < INT32_MIN || v.Int > INT32_MAX)
                BadGraphic(name);
        } else if (p == QLatin1String("CellTransparent") || p == QLatin1String("CellCreated") ||
                   p == QLatin1String("CellBoolean")) {
            if (!v.IsBoolean())
                BadGraphic(name);
        } else if (p == QLatin1String("CellValue")) {
            if (v.Type != vaExtended && !v.IsInteger())
                BadGraphic(name);
        } else if (p == QLatin1String("CellText")) {
            if (!v.IsString())
                BadGraphic(name);
        } else {
            BadGraphic(name);
        }
    }
    if (!typed)
        BadGraphic(QStringLiteral("CellGraphic.CellType"));
    Entry.Graphic = rec.Props;
    if (!HasPayload(type))
        return;

    const TStreamObject payload = Reader.ReadRootObject();
    try {
        switch (type) {
        case ctBitmap:
        case ctBitButton: {
            CheckClassName(payload, "TGridBMPIO");
            auto bmp = std::make_unique<TBitmap>();
            if (const TStreamValue* v = Only(payload, "Bitmap.Data"))
                bmp->LoadFromBytes(Uncounted(v->Bytes, QStringLiteral("Bitmap.Data")));
            Entry.Payload = std::move(bmp);
            break;
        }
        case ctIcon: {
            CheckClassName(payload, "TGridIconIO");
            auto icon = std::make_unique<TIcon>();
            if (const TStreamValue* v = Only(payload, "Icon.Data"))
                icon->LoadFromBytes(v->Bytes);
            Entry.Payload = std::move(icon);
            break;
        }
        case ctRadio:
        case ctImages: {
            CheckClassName(payload, "TGridSLIO");
            auto sl = std::make_unique<TStringList>();
            for (const QString& s : StringsOf(payload)) {
                int n = 0;
                if (type == ctImages && !TryStrToInt(s, n))
                    BadGraphic(QStringLiteral("Strings"));
                sl->Add(s);
            }
            Entry.Payload = std::move(sl);
            break;
        }
        case ctPicture: {
            CheckClassName(payload, "TGridPicIO");
            auto pic = std::make_unique<TPicture>();
            if (const TStreamValue* v = Only(payload, "Picture.Data"))
                LoadPicture(pic.get(), v->Bytes);
            Entry.Payload = std::move(pic);
            break;
        }
        case ctFilePicture: {
            CheckClassName(payload, "TGridFilePicIO");
            auto fp = std::make_unique<TFilePicture>();
            if (const TStreamValue* v = Only(payload, "Picture.Filename")) {
                // Only a file that is there; a name from outside must not
                // open a device or a pipe.
                if (!v->IsString() || !QFileInfo(v->Text).isFile())
                    BadGraphic(QStringLiteral("Picture.Filename: no file ") + v->Text);
                fp->SetFilename(v->Text);
            }
            Entry.Payload = std::move(fp);
            break;
        }
        default:
            break;
        }
    } catch (const EReadError&) {
        throw;
    } catch (const Exception& e) {
        BadGraphic(payload.ClassName + QStringLiteral(": ") + e.Message());
    }
}

void ApplyGraphicRecords(TCellStreamEntry& Entry, TCellGraphic* G, int ACol, int ARow)
{
    for (const auto& [name, v] : *Entry.Graphic) {
        const QString p = name.mid(Prefix.size());
        if (p == QLatin1String("CellType"))
            G->SetCellType(TCellType(CellTypeNames.indexOf(v.Text)));
        else if (p == QLatin1String("CellVAlign"))
            G->SetCellVAlign(TCellVAlign(VAlignNames.indexOf(v.Text)));
        else if (p == QLatin1String("CellHAlign"))
            G->SetCellHAlign(TCellHAlign(HAlignNames.indexOf(v.Text)));
        else if (p == QLatin1String("CellIndex"))
            G->SetCellIndex(int(v.Int));
        else if (p == QLatin1String("CellTransparent"))
            G->SetCellTransparent(v.Type == vaTrue);
        else if (p == QLatin1String("CellCreated"))
            G->SetCellCreated(v.Type == vaTrue);
        else if (p == QLatin1String("CellBoolean"))
            G->SetCellBoolean(v.Type == vaTrue);
        else if (p == QLatin1String("CellCheckBoxState"))
            G->SetCellCheckBoxState(TCheckBoxState(CheckStateNames.indexOf(v.Text)));
        else if (p == QLatin1String("CellAngle"))
            G->SetCellAngle(int(v.Int));
        else if (p == QLatin1String("CellValue"))
            G->SetCellValue(v.Type == vaExtended ? v.Float : double(v.Int));
        else if (p == QLatin1String("CellErrFrom"))
            G->SetCellErrFrom(int(v.Int));
        else if (p == QLatin1String("CellErrLen"))
            G->SetCellErrLen(int(v.Int));
        else if (p == QLatin1String("CellText"))
            G->SetCellText(v.Text);
    }
    if (G->CellType() == ctNode)
        G->SetCellVar(-1);
    if (!Entry.Payload)
        return;
    // The grid owns every payload it read.
    G->SetCellCreated(true);
    if (G->CellType() == ctIcon) {
        G->SetCellIcon(static_cast<TIcon*>(Entry.Payload.release()));
    } else if (G->CellType() == ctImages) {
        auto* list = new TIntList(ACol, ARow);
        list->SetStrValue(static_cast<TStringList*>(Entry.Payload.get())->CommaText());
        Entry.Payload.reset();
        G->SetCellBitmap(list);
    } else {
        G->SetCellBitmap(Entry.Payload.release());
    }
}
