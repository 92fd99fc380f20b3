#include "grid/core/LookSettings.h"
#include "grid/core/GridSettingsOwner.h"
#include "platform/graphics/Bitmap.h"

// TBackGround

TBackGround::TBackGround(IGridSettingsOwner* AGrid) : FGrid(AGrid), FBitmap(std::make_unique<TBitmap>()) {}

TBackGround::~TBackGround() = default;

void TBackGround::InvalidateGrid()
{
    if (FGrid)
        FGrid->Invalidate();
}

void TBackGround::SetBitmap(TBitmap* Value)
{
    FBitmap->Assign(Value);
    InvalidateGrid();
}

// TGrouping

void TGrouping::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TGrouping*>(Source);
    if (!src)
        return;
    FGroupCountFormat = src->FGroupCountFormat;
    FHeaderColor = src->FHeaderColor;
    FHeaderColorTo = src->FHeaderColorTo;
    FHeaderTextColor = src->FHeaderTextColor;
    FHeaderUnderline = src->FHeaderUnderline;
    FMergeHeader = src->FMergeHeader;
    FMergeSummary = src->FMergeSummary;
    FShowGroupCount = src->FShowGroupCount;
    FSummaryColor = src->FSummaryColor;
    FSummaryColorTo = src->FSummaryColorTo;
    FSummaryTextColor = src->FSummaryTextColor;
    FSummaryLine = src->FSummaryLine;
    FAutoCheckGroup = src->FAutoCheckGroup;
    FAutoSelectGroup = src->FAutoSelectGroup;
}

// TBalloonSettings

void TBalloonSettings::SetEnable(bool Value)
{
    FEnable = Value;
    if (OnEnableChange)
        OnEnableChange(this);
}

void TBalloonSettings::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TBalloonSettings*>(Source);
    if (!src)
        return;
    FTextColor = src->FTextColor;
    FBackgroundColor = src->FBackgroundColor;
    FInitialDelay = src->FInitialDelay;
    FAutoHideDelay = src->FAutoHideDelay;
    FReshowDelay = src->FReshowDelay;
    FEnable = src->FEnable;
}

// TShowModified

void TShowModified::SetColor(TColor Value)
{
    FColor = Value;
    if (OnChange)
        OnChange(this);
}

void TShowModified::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TShowModified*>(Source);
    if (!src)
        return;
    FColor = src->FColor;
    FEnabled = src->FEnabled;
}

// TGridProgressAppearance

void TGridProgressAppearance::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TGridProgressAppearance::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TGridProgressAppearance*>(Source);
    if (!src)
        return;
    FCompleteColor = src->FCompleteColor;
    FCompleteFontColor = src->FCompleteFontColor;
    FUnCompleteColor = src->FUnCompleteColor;
    FUnCompleteFontColor = src->FUnCompleteFontColor;
    FLevel0Color = src->FLevel0Color;
    FLevel0ColorTo = src->FLevel0ColorTo;
    FLevel1Color = src->FLevel1Color;
    FLevel1ColorTo = src->FLevel1ColorTo;
    FLevel2Color = src->FLevel2Color;
    FLevel2ColorTo = src->FLevel2ColorTo;
    FLevel3Color = src->FLevel3Color;
    FLevel3ColorTo = src->FLevel3ColorTo;
    FLevel1Perc = src->FLevel1Perc;
    FLevel2Perc = src->FLevel2Perc;
    FBorderColor = src->FBorderColor;
    FShowBorder = src->FShowBorder;
    FStacked = src->FStacked;
    FShowPercentage = src->FShowPercentage;
    FCompletionSmooth = src->FCompletionSmooth;
    FShowGradient = src->FShowGradient;
    FSteps = src->FSteps;
    FStyle = src->FStyle;
    Changed();
}
