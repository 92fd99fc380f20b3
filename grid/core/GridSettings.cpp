#include "grid/core/GridSettings.h"
#include "grid/core/GridSettingsOwner.h"
#include "grid/foundation/IntList.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"

// TCellNode

TCellNode::TCellNode(IGridSettingsOwner* AOwner)
    : FContractGlyph(std::make_unique<TBitmap>()), FOwner(AOwner)
{
    FExpandGlyph = std::make_unique<TBitmap>();
}

TCellNode::~TCellNode() = default;

void TCellNode::RepaintGrid()
{
    if (FOwner)
        FOwner->Repaint();
}

void TCellNode::SetExpandGlyph(TBitmap* Value) { FExpandGlyph->Assign(Value); }
void TCellNode::SetContractGlyph(TBitmap* Value) { FContractGlyph->Assign(Value); }

void TCellNode::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TCellNode*>(Source);
    if (!src)
        return;
    FColor = src->FColor;
    FExpandOne = src->FExpandOne;
    FNodeType = src->FNodeType;
    FNodeColor = src->FNodeColor;
    FNodeIndent = src->FNodeIndent;
    FExpandGlyph->Assign(src->FExpandGlyph.get());
    FContractGlyph->Assign(src->FContractGlyph.get());
    FShowTree = src->FShowTree;
    FShowTreeFull = src->FShowTreeFull;
    FTreeColor = src->FTreeColor;
}

// TColumnSize

void TColumnSize::SetStretch(bool Value)
{
    FStretch = Value;
    if (!Owner)
        return;
    auto* grid = dynamic_cast<IGridSettingsOwner*>(Owner);
    if (!grid)
        throw EInvalidCast(QStringLiteral("Invalid class typecast"));
    if (grid->HasParentWindow())
        grid->StretchColumn(FStretchColumn);
}

void TColumnSize::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TColumnSize*>(Source);
    if (!src)
        return;
    FRows = src->FRows;
    FSave = src->FSave;
    FKey = src->FKey;
    FSection = src->FSection;
    FStretch = src->FStretch;
    FStretchColumn = src->FStretchColumn;
    FSynchWithGrid = src->FSynchWithGrid;
    FSynchNormalCellsOnly = src->FSynchNormalCellsOnly;
    FLocation = src->FLocation;
}

// THTMLSettings

THTMLSettings::THTMLSettings() : FColWidths(std::make_unique<TIntList>(0, 0)) {}

THTMLSettings::~THTMLSettings() = default;

void THTMLSettings::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<THTMLSettings*>(Source);
    if (!src)
        return;
    FBorderSize = src->FBorderSize;
    FCellSpacing = src->FCellSpacing;
    FCellPadding = src->FCellPadding;
    FSaveColor = src->FSaveColor;
    FSaveFonts = src->FSaveFonts;
    FFooterFile = src->FFooterFile;
    FHeaderFile = src->FHeaderFile;
    FTableStyle = src->FTableStyle;
    FPrefixTag = src->FPrefixTag;
    FSuffixTag = src->FSuffixTag;
    FSummary = src->FSummary;
    FWidth = src->FWidth;
    FXHTML = src->FXHTML;
    FConvertSpecialChars = src->FConvertSpecialChars;
    FAutoPreview = src->FAutoPreview;
    FNonBreakingText = src->FNonBreakingText;
}

// TPrintSettings

TPrintSettings::TPrintSettings(IGridSettingsOwner* AOwner)
    : FGrid(AOwner), FPageNumSep(QStringLiteral("/")), FDateFormat(QStringLiteral("dd/mm/yyyy"))
{
    FFont = std::make_unique<TFont>();
    FHeaderFont = std::make_unique<TFont>();
    FFooterFont = std::make_unique<TFont>();
    FFixedFont = std::make_unique<TFont>();
    FTitleLines = std::make_unique<TStringList>();
}

TPrintSettings::~TPrintSettings() = default;

void TPrintSettings::SetTitleLines(TStrings* Value) { FTitleLines->Assign(Value); }
void TPrintSettings::SetFont(TFont* Value) { FFont->Assign(Value); }
void TPrintSettings::SetFixedFont(TFont* Value) { FFixedFont->Assign(Value); }
void TPrintSettings::SetHeaderFont(TFont* Value) { FHeaderFont->Assign(Value); }
void TPrintSettings::SetFooterFont(TFont* Value) { FFooterFont->Assign(Value); }

void TPrintSettings::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TPrintSettings*>(Source);
    if (!src)
        throw EInvalidCast(QStringLiteral("Invalid class typecast"));
    FFooterSize = src->FFooterSize;
    FHeaderSize = src->FHeaderSize;
    FTime = src->FTime;
    FDate = src->FDate;
    FDateFormat = src->FDateFormat;
    FPageNr = src->FPageNr;
    FTitle = src->FTitle;
    FTitleText = src->FTitleText;
    FTitleLines->Assign(src->FTitleLines.get());
    FFont->Assign(src->FFont.get());
    FFixedFont->Assign(src->FFixedFont.get());
    FHeaderFont->Assign(src->FHeaderFont.get());
    FFooterFont->Assign(src->FFooterFont.get());
    FBorders = src->FBorders;
    FBorderStyle = src->FBorderStyle;
    FCentered = src->FCentered;
    FRepeatFixedRows = src->FRepeatFixedRows;
    FRepeatFixedCols = src->FRepeatFixedCols;
    FLeftSize = src->FLeftSize;
    FRightSize = src->FRightSize;
    FColumnSpacing = src->FColumnSpacing;
    FRowSpacing = src->FRowSpacing;
    FTitleSpacing = src->FTitleSpacing;
    FOrientation = src->FOrientation;
    FPagePrefix = src->FPagePrefix;
    FPageSuffix = src->FPageSuffix;
    FPageNumberOffset = src->FPageNumberOffset;
    FMaxPagesOffset = src->FMaxPagesOffset;
    FFixedWidth = src->FFixedWidth;
    FFixedHeight = src->FFixedHeight;
    FUseFixedHeight = src->FUseFixedHeight;
    FUseFixedWidth = src->FUseFixedWidth;
    FFitToPage = src->FFitToPage;
    FJobName = src->FJobName;
    FPageNumSep = src->FPageNumSep;
    FNoAutoSize = src->FNoAutoSize;
    FNoAutoSizeRow = src->FNoAutoSizeRow;
    FPrintGraphics = src->FPrintGraphics;
    FUseDisplayFont = src->FUseDisplayFont;
    FUseDefaultOrientation = src->FUseDefaultOrientation;
    FBorderColor = src->FBorderColor;
}
