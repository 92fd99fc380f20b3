#include "grid/core/ProStringGrid.h"
#include "grid/core/LookSettings.h"
#include "grid/core/SortSettings.h"
#include "grid/core/DragSettings.h"
#include "grid/foundation/SearchFooter.h"
#include "grid/foundation/ProStringGridCheck.h"
#include "grid/foundation/SyncGrid.h"
#include "platform/controls/Menu.h"
#include "platform/graphics/ImageList.h"
#include <algorithm>
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/StringList.h"

// Settings objects assigned as a whole are copied into the owned ones.

void TProStringGrid::SetFocusHelper(TFocusHelper* Value) { FFocusHelper->Assign(Value); }
void TProStringGrid::SetSortSettings(TSortSettings* Value) { FSortSettings->Assign(Value); }
void TProStringGrid::SetDragScrollOptions(TDragScrollOptions* Value) { FDragScrollOptions->Assign(Value); }
void TProStringGrid::SetProgressAppearance(TGridProgressAppearance* Value) { FProgressAppearance->Assign(Value); }
void TProStringGrid::SetSyncGrid(TSyncGrid* Value) { FSyncGrid->Assign(Value); }
void TProStringGrid::SetBalloon(TBalloonSettings* Value) { FBalloon->Assign(Value); }
void TProStringGrid::SetShowModified(TShowModified* Value) { FShowModified->Assign(Value); }

void TProStringGrid::SetLookupItems(TStringList* Value)
{
    if (Value)
        FLookupItems->Assign(Value);
}

// Fonts, headers and pictures

void TProStringGrid::SetActiveCellFont(TFont* Value) { FActiveCellFont->Assign(Value); }
void TProStringGrid::SetFixedFont(TFont* Value) { FFixedFont->Assign(Value); }

void TProStringGrid::SetColumnHeaders(TStrings* Value)
{
    if (FixedRows() > 0)
        ClearColumnHeaders();
    FColumnHeaders->Assign(Value);
}

void TProStringGrid::SetRowHeaders(TStrings* Value) { FRowHeaders->Assign(Value); }

void TProStringGrid::SetRowIndicator(TBitmap* Value)
{
    FRowIndicator->Assign(Value);
    RepaintCell(0, Row());
}

// Properties with more than a repaint

void TProStringGrid::SetAutoThemeAdapt(bool Value)
{
    FAutoThemeAdapt = Value;
    FSearchFooter->SetAutoThemeAdapt(Value);
}

// The referenced components clear themselves here when they are freed.

void TProStringGrid::SetCellChecker(TProStringGridCheck* Value)
{
    FCellChecker = Value;
    if (Value)
        FreeNotification(Value);
}

void TProStringGrid::SetFixedDropDownMenu(TPopupMenu* Value)
{
    FFixedDropDownMenu = Value;
    if (Value)
        FreeNotification(Value);
}

void TProStringGrid::SetGridImages(TCustomImageList* Value)
{
    FGridImages = Value;
    if (Value)
        FreeNotification(Value);
}

void TProStringGrid::SetFilterDropDownRow(int Value)
{
    if (Value >= TBaseGrid::FixedRows())
        return;
    FFilterDropDownRow = Value;
    Invalidate();
}

void TProStringGrid::SetFlat(bool Value)
{
    FFlat = Value;
    if (!IsLoading())
        Invalidate();
}

void TProStringGrid::SetSelectionColorMixerFactor(int Value)
{
    FSelectionColorMixerFactor = std::clamp(Value, 0, 100);
}

void TProStringGrid::SetShowSelection(bool Value)
{
    FShowSelection = Value;
    FShowSel = Value;
    Invalidate();
}

void TProStringGrid::SetURLColor(TColor Value)
{
    FURLColor = Value;
    if (FURLShow)
        Invalidate();
}

void TProStringGrid::SetURLFull(bool Value)
{
    FURLFull = Value;
    if (FURLShow)
        Invalidate();
}

void TProStringGrid::SetVAlignment(TVAlignment Value)
{
    FVAlignment = Value;
    if (FUpdateCount == 0)
        Invalidate();
}

void TProStringGrid::SetWordWrap(bool Value)
{
    FWordWrap = Value;
    TBaseGrid::SetWordWrap(Value);
    if (FUpdateCount == 0)
        Invalidate();
}

// Fixed-cell gradient

void TProStringGrid::SetQLXGradientFrom(TColor Value)
{
    FQLX.From = ColorToRGB(Value);
    Invalidate();
}

void TProStringGrid::SetQLXGradientTo(TColor Value)
{
    FQLX.To = ColorToRGB(Value);
    Invalidate();
}

void TProStringGrid::SetQLXGradientMirrorFrom(TColor Value)
{
    FQLX.MirrorFrom = ColorToRGB(Value);
    Invalidate();
}

void TProStringGrid::SetQLXGradientMirrorTo(TColor Value)
{
    FQLX.MirrorTo = ColorToRGB(Value);
    Invalidate();
}
