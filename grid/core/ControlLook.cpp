#include "grid/core/ControlLook.h"
#include "grid/core/GridSettingsOwner.h"
#include "grid/dropdown/DropDownAppearance.h"
#include "platform/graphics/Bitmap.h"

TControlLook::TControlLook(IGridSettingsOwner* AOwner) : FGrid(AOwner)
{
    FCheckedGlyph = std::make_unique<TBitmap>();
    FUnCheckedGlyph = std::make_unique<TBitmap>();
    FRadioOnGlyph = std::make_unique<TBitmap>();
    FRadioOffGlyph = std::make_unique<TBitmap>();
    Init();
    auto* owner = dynamic_cast<TPersistent*>(AOwner);
    FDropDownHeader = std::make_unique<THeaderAppearance>(owner);
    FDropDownFooter = std::make_unique<TFooterAppearance>(owner);
}

TControlLook::~TControlLook() = default;

void TControlLook::InvalidateGrid()
{
    if (FGrid)
        FGrid->Invalidate();
}

void TControlLook::Init()
{
    FColor = 0;
    FCommentColor = clRed;
    FProgressBorderColor = clGray;
    FFixedGradientFrom = clNone;
    FFixedGradientTo = clNone;
    FFixedGradientMirrorFrom = clNone;
    FFixedGradientMirrorTo = clNone;
    FFixedGradientHoverTo = clWhite;
    FFixedGradientHoverFrom = clGray;
    SetFixedGradientHoverMirrorFrom(clNone);
    SetFixedGradientHoverMirrorTo(clNone);
    FFixedGradientHoverBorder = clSilver;
    FFixedGradientDownTo = clSilver;
    FFixedGradientDownFrom = clGray;
    SetFixedGradientDownMirrorFrom(clNone);
    SetFixedGradientDownMirrorTo(clNone);
    FFixedGradientDownBorder = clGray;
}

void TControlLook::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TControlLook*>(Source);
    if (!src)
        return;
    FCheckSize = src->FCheckSize;
    FRadioSize = src->FRadioSize;
    FControlStyle = src->FControlStyle;
    FCheckedGlyph->Assign(src->FCheckedGlyph.get());
    FUnCheckedGlyph->Assign(src->FUnCheckedGlyph.get());
    FRadioOnGlyph->Assign(src->FRadioOnGlyph.get());
    FRadioOffGlyph->Assign(src->FRadioOffGlyph.get());
    FProgressMarginX = src->FProgressMarginX;
    FProgressMarginY = src->FProgressMarginY;
    FCommentColor = src->FCommentColor;
    FColor = src->FColor;
    FProgressBorderColor = src->FProgressBorderColor;
    FCheckAlwaysActive = src->FCheckAlwaysActive;
    FRadioAlwaysActive = src->FRadioAlwaysActive;
    FFixedGradientFrom = src->FFixedGradientFrom;
    FFixedGradientTo = src->FFixedGradientTo;
    FFixedGradientMirrorFrom = src->FFixedGradientMirrorFrom;
    FFixedGradientMirrorTo = src->FFixedGradientMirrorTo;
    FFixedGradientHoverFrom = src->FFixedGradientHoverFrom;
    FFixedGradientHoverTo = src->FFixedGradientHoverTo;
    FFixedGradientHoverMirrorFrom = src->FFixedGradientHoverMirrorFrom;
    FFixedGradientHoverMirrorTo = src->FFixedGradientHoverMirrorTo;
    FFixedGradientHoverBorder = src->FFixedGradientHoverBorder;
    FFixedGradientDownFrom = src->FFixedGradientDownFrom;
    FFixedGradientDownTo = src->FFixedGradientDownTo;
    FFixedGradientDownMirrorFrom = src->FFixedGradientDownMirrorFrom;
    FFixedGradientDownMirrorTo = src->FFixedGradientDownMirrorTo;
    FFixedGradientDownBorder = src->FFixedGradientDownBorder;
    FDropDownAlwaysVisible = src->FDropDownAlwaysVisible;
    FSpinButtonsAlwaysVisible = src->FSpinButtonsAlwaysVisible;
    FDropDownCount = src->FDropDownCount;
    FDropDownFooter->Assign(src->FDropDownFooter.get());
    FDropDownHeader->Assign(src->FDropDownHeader.get());
    FHintMaxWidth = src->FHintMaxWidth;
}

void TControlLook::SetCheckedGlyph(TBitmap* Value)
{
    FCheckedGlyph->Assign(Value);
    InvalidateGrid();
}

void TControlLook::SetUnCheckedGlyph(TBitmap* Value)
{
    FUnCheckedGlyph->Assign(Value);
    InvalidateGrid();
}

void TControlLook::SetRadioOnGlyph(TBitmap* Value)
{
    FRadioOnGlyph->Assign(Value);
    InvalidateGrid();
}

void TControlLook::SetRadioOffGlyph(TBitmap* Value)
{
    FRadioOffGlyph->Assign(Value);
    InvalidateGrid();
}

void TControlLook::SetDropDownHeader(THeaderAppearance* Value) { FDropDownHeader->Assign(Value); }
void TControlLook::SetDropDownFooter(TFooterAppearance* Value) { FDropDownFooter->Assign(Value); }

// Fixed-cell gradient

void TControlLook::SetFixedGradientFrom(TColor Value)
{
    FFixedGradientFrom = Value;
    if (FGrid && Value != clNone)
        FGrid->SetQLXGradientFrom(Value);
}

void TControlLook::SetFixedGradientTo(TColor Value)
{
    FFixedGradientTo = Value;
    if (FGrid && Value != clNone)
        FGrid->SetQLXGradientTo(Value);
}

void TControlLook::SetFixedGradientMirrorFrom(TColor Value)
{
    FFixedGradientMirrorFrom = Value;
    if (FGrid)
        FGrid->SetQLXGradientMirrorFrom(Value);
}

void TControlLook::SetFixedGradientMirrorTo(TColor Value)
{
    FFixedGradientMirrorTo = Value;
    if (FGrid)
        FGrid->SetQLXGradientMirrorTo(Value);
}

void TControlLook::SetFixedGradientHoverFrom(TColor Value)
{
    FFixedGradientHoverFrom = Value;
    if (FGrid && Value != clNone)
        FGrid->SetQLXGradientHoverFrom(Value);
}

void TControlLook::SetFixedGradientHoverTo(TColor Value)
{
    FFixedGradientHoverTo = Value;
    if (FGrid && Value != clNone)
        FGrid->SetQLXGradientHoverTo(Value);
}

void TControlLook::SetFixedGradientHoverMirrorFrom(TColor Value)
{
    FFixedGradientHoverMirrorFrom = Value;
    if (FGrid)
        FGrid->SetQLXGradientHoverMirrorFrom(Value);
}

void TControlLook::SetFixedGradientHoverMirrorTo(TColor Value)
{
    FFixedGradientHoverMirrorTo = Value;
    if (FGrid)
        FGrid->SetQLXGradientHoverMirrorTo(Value);
}

void TControlLook::SetFixedGradientHoverBorder(TColor Value)
{
    FFixedGradientHoverBorder = Value;
    if (FGrid && Value != clNone)
        FGrid->SetQLXGradientHoverBorder(Value);
}

void TControlLook::SetFixedGradientDownFrom(TColor Value)
{
    FFixedGradientDownFrom = Value;
    if (FGrid && Value != clNone)
        FGrid->SetQLXGradientDownFrom(Value);
}

void TControlLook::SetFixedGradientDownTo(TColor Value)
{
    FFixedGradientDownTo = Value;
    if (FGrid && Value != clNone)
        FGrid->SetQLXGradientDownTo(Value);
}

void TControlLook::SetFixedGradientDownMirrorFrom(TColor Value)
{
    FFixedGradientDownMirrorFrom = Value;
    if (FGrid)
        FGrid->SetQLXGradientDownMirrorFrom(Value);
}

void TControlLook::SetFixedGradientDownMirrorTo(TColor Value)
{
    FFixedGradientDownMirrorTo = Value;
    if (FGrid)
        FGrid->SetQLXGradientDownMirrorTo(Value);
}

void TControlLook::SetFixedGradientDownBorder(TColor Value)
{
    FFixedGradientDownBorder = Value;
    if (FGrid && Value != clNone)
        FGrid->SetQLXGradientDownBorder(Value);
}
