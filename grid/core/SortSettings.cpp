#include "grid/core/SortSettings.h"
#include "grid/core/GridSettingsOwner.h"
#include "grid/foundation/IntList.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"

TSortSettings::TSortSettings(IGridSettingsOwner* AOwner) : FGrid(AOwner)
{
    FUpGlyph = std::make_unique<TBitmap>();
    FDownGlyph = std::make_unique<TBitmap>();
    FIndexUpGlyph = std::make_unique<TBitmap>();
    FIndexDownGlyph = std::make_unique<TBitmap>();
}

TSortSettings::~TSortSettings() = default;

void TSortSettings::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TSortSettings*>(Source);
    if (!src)
        return;
    FAutoSortForGrouping = src->FAutoSortForGrouping;
    FAutoColumnMerge = src->FAutoColumnMerge;
    FColumn = src->FColumn;
    FShow = src->FShow;
    FIndexShow = src->FIndexShow;
    FIndexColor = src->FIndexColor;
    FFull = src->FFull;
    FSingleColumn = src->FSingleColumn;
    FIgnoreBlanks = src->FIgnoreBlanks;
    FBlankPos = src->FBlankPos;
    FAutoFormat = src->FAutoFormat;
    FDirection = src->FDirection;
    FUpGlyph->Assign(src->FUpGlyph.get());
    FDownGlyph->Assign(src->FDownGlyph.get());
    FIndexUpGlyph->Assign(src->FIndexUpGlyph.get());
    FIndexDownGlyph->Assign(src->FIndexDownGlyph.get());
    FIndexSortKey = src->FIndexSortKey;
    FInitSortDirection = src->FInitSortDirection;
    FFixedCols = src->FFixedCols;
    FNormalCellsOnly = src->FNormalCellsOnly;
    FRow = src->FRow;
    FUndoSort = src->FUndoSort;
    FHeaderColor = src->FHeaderColor;
    FHeaderColorTo = src->FHeaderColorTo;
    FHeaderMirrorColor = src->FHeaderMirrorColor;
    FHeaderMirrorColorTo = src->FHeaderMirrorColorTo;
}

QString TSortSettings::SaveToString() const
{
    if (FIndexShow)
        return QStringLiteral("i;") + (FGrid ? FGrid->SortIndexes()->SaveToString() : QString());
    return (FDirection == sdDescending ? QStringLiteral("d") : QStringLiteral("u")) + QString::number(FColumn);
}

void TSortSettings::LoadFromString(const QString& Value)
{
    if (Value.isEmpty())
        return;
    SetShow(true);
    if (Value.size() < 2)
        throw Exception(QStringLiteral("Invalid sort settings specifier"));
    if (!Value.contains(QLatin1String("i;"))) {
        FIndexShow = false;
        FDirection = Value.contains(QLatin1Char('u')) ? sdAscending : sdDescending;
        int column = 0;
        if (!TryStrToInt(Value.mid(1), column))
            return;
        FColumn = column;
        if (FGrid)
            FGrid->QSort();
        return;
    }
    FIndexShow = true;
    const QString keys = Value.mid(2);
    if (keys.isEmpty() || !FGrid)
        return;
    FGrid->SortIndexes()->LoadFromString(keys);
    FGrid->QSortIndexed();
}

void TSortSettings::RepaintHeaderRow()
{
    // Without fixed rows there is no header row to repaint.
    if (FGrid && FGrid->FixedRows() > 0)
        FGrid->RepaintRow(FGrid->FixedRows() - 1);
}

void TSortSettings::Remove()
{
    FColumn = -1;
    if (FGrid)
        FGrid->SortIndexes()->Clear();
    RepaintHeaderRow();
}

void TSortSettings::ToggleDirection()
{
    FDirection = FDirection == sdAscending ? sdDescending : sdAscending;
}

void TSortSettings::SetShow(bool Value)
{
    if (FShow == Value)
        return;
    FShow = Value;
    if (FGrid)
        FGrid->Invalidate();
}

void TSortSettings::SetRow(int Value)
{
    if (FGrid && Value > FGrid->FixedRows())
        throw Exception(QStringLiteral("Sort row should be smaller than number of fixed rows"));
    FRow = Value;
}

void TSortSettings::SetHeader(TColor& Field, TColor Value)
{
    if (Field == Value)
        return;
    Field = Value;
    RepaintHeaderRow();
}

void TSortSettings::SetUpGlyph(TBitmap* Value) { FUpGlyph->Assign(Value); }
void TSortSettings::SetDownGlyph(TBitmap* Value) { FDownGlyph->Assign(Value); }
void TSortSettings::SetIndexUpGlyph(TBitmap* Value) { FIndexUpGlyph->Assign(Value); }
void TSortSettings::SetIndexDownGlyph(TBitmap* Value) { FIndexDownGlyph->Assign(Value); }
