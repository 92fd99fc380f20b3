#pragma once
// TControlLook: the look of cell controls (check boxes, radios, buttons,
// progress bars, drop-downs), the drop-down header and footer, and the
// fixed cells' gradient colours, which it passes on to the grid.
#include "grid/core/GridCoreTypes.h"
#include "platform/graphics/Color.h"
#include "platform/rtl/Object.h"
#include <memory>

class IGridSettingsOwner;
class TBitmap;
class THeaderAppearance;
class TFooterAppearance;

class TControlLook : public TPersistent {
public:
    using TControlStyle = ProGrid::TControlStyle;

    // AOwner is the grid; the header and footer appearances belong to it.
    explicit TControlLook(IGridSettingsOwner* AOwner);
    ~TControlLook() override;

    // The colours a new look starts with; some reach the grid through
    // their setters. The grid calls it again when it applies a style.
    void Init();
    // From a TControlLook only. Note: copies neither FlatButton, ProgressXP,
    // NoDisabledCheckRadioLook, NoDisabledButtonLook nor
    // FixedDropDownButton, and writes the fields directly: the grid is not
    // repainted and does not get the gradient colours.
    void Assign(TPersistent* Source) override;

    // These repaint the grid.
    int CheckSize() const { return FCheckSize; }
    void SetCheckSize(int Value) { SetRepainting(FCheckSize, Value); }
    int RadioSize() const { return FRadioSize; }
    void SetRadioSize(int Value) { SetRepainting(FRadioSize, Value); }
    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle Value) { SetRepainting(FControlStyle, Value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { SetRepainting(FColor, Value); }
    TColor CommentColor() const { return FCommentColor; }
    void SetCommentColor(TColor Value) { SetRepainting(FCommentColor, Value); }
    bool FlatButton() const { return FFlatButton; }
    void SetFlatButton(bool Value) { SetRepainting(FFlatButton, Value); }
    bool ProgressXP() const { return FProgressXP; }
    void SetProgressXP(bool Value) { SetRepainting(FProgressXP, Value); }
    int ProgressMarginX() const { return FProgressMarginX; }
    void SetProgressMarginX(int Value) { SetRepainting(FProgressMarginX, Value); }
    int ProgressMarginY() const { return FProgressMarginY; }
    void SetProgressMarginY(int Value) { SetRepainting(FProgressMarginY, Value); }
    bool DropDownAlwaysVisible() const { return FDropDownAlwaysVisible; }
    void SetDropDownAlwaysVisible(bool Value) { SetRepainting(FDropDownAlwaysVisible, Value); }
    bool SpinButtonsAlwaysVisible() const { return FSpinButtonsAlwaysVisible; }
    void SetSpinButtonsAlwaysVisible(bool Value) { SetRepainting(FSpinButtonsAlwaysVisible, Value); }
    bool NoDisabledCheckRadioLook() const { return FNoDisabledCheckRadioLook; }
    void SetNoDisabledCheckRadioLook(bool Value) { SetRepainting(FNoDisabledCheckRadioLook, Value); }
    bool NoDisabledButtonLook() const { return FNoDisabledButtonLook; }
    void SetNoDisabledButtonLook(bool Value) { SetRepainting(FNoDisabledButtonLook, Value); }
    // The setters copy the bitmap in and repaint.
    TBitmap* CheckedGlyph() const { return FCheckedGlyph.get(); }
    void SetCheckedGlyph(TBitmap* Value);
    TBitmap* UnCheckedGlyph() const { return FUnCheckedGlyph.get(); }
    void SetUnCheckedGlyph(TBitmap* Value);
    TBitmap* RadioOnGlyph() const { return FRadioOnGlyph.get(); }
    void SetRadioOnGlyph(TBitmap* Value);
    TBitmap* RadioOffGlyph() const { return FRadioOffGlyph.get(); }
    void SetRadioOffGlyph(TBitmap* Value);

    // Stored only
    TColor ProgressBorderColor() const { return FProgressBorderColor; }
    void SetProgressBorderColor(TColor Value) { FProgressBorderColor = Value; }
    bool CheckAlwaysActive() const { return FCheckAlwaysActive; }
    void SetCheckAlwaysActive(bool Value) { FCheckAlwaysActive = Value; }
    bool RadioAlwaysActive() const { return FRadioAlwaysActive; }
    void SetRadioAlwaysActive(bool Value) { FRadioAlwaysActive = Value; }
    bool FixedDropDownButton() const { return FFixedDropDownButton; }
    void SetFixedDropDownButton(bool Value) { FFixedDropDownButton = Value; }
    // List length of the combo editor.
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int Value) { FDropDownCount = Value; }
    // Width limit of cell hints when positive.
    int HintMaxWidth() const { return FHintMaxWidth; }
    void SetHintMaxWidth(int Value) { FHintMaxWidth = Value; }

    // Copied into every drop-down editor before it shows; the setters copy in.
    THeaderAppearance* DropDownHeader() const { return FDropDownHeader.get(); }
    void SetDropDownHeader(THeaderAppearance* Value);
    TFooterAppearance* DropDownFooter() const { return FDropDownFooter.get(); }
    void SetDropDownFooter(TFooterAppearance* Value);

    // Fixed-cell gradient. "Unless clNone": a clNone value is stored but
    // leaves the grid's colour as it was; the mirror colours always reach
    // the grid.
    TColor FixedGradientFrom() const { return FFixedGradientFrom; }
    void SetFixedGradientFrom(TColor Value);
    TColor FixedGradientTo() const { return FFixedGradientTo; }
    void SetFixedGradientTo(TColor Value);
    TColor FixedGradientMirrorFrom() const { return FFixedGradientMirrorFrom; }
    void SetFixedGradientMirrorFrom(TColor Value);
    TColor FixedGradientMirrorTo() const { return FFixedGradientMirrorTo; }
    void SetFixedGradientMirrorTo(TColor Value);
    TColor FixedGradientHoverFrom() const { return FFixedGradientHoverFrom; }
    void SetFixedGradientHoverFrom(TColor Value);
    TColor FixedGradientHoverTo() const { return FFixedGradientHoverTo; }
    void SetFixedGradientHoverTo(TColor Value);
    TColor FixedGradientHoverMirrorFrom() const { return FFixedGradientHoverMirrorFrom; }
    void SetFixedGradientHoverMirrorFrom(TColor Value);
    TColor FixedGradientHoverMirrorTo() const { return FFixedGradientHoverMirrorTo; }
    void SetFixedGradientHoverMirrorTo(TColor Value);
    TColor FixedGradientHoverBorder() const { return FFixedGradientHoverBorder; }
    void SetFixedGradientHoverBorder(TColor Value);
    TColor FixedGradientDownFrom() const { return FFixedGradientDownFrom; }
    void SetFixedGradientDownFrom(TColor Value);
    TColor FixedGradientDownTo() const { return FFixedGradientDownTo; }
    void SetFixedGradientDownTo(TColor Value);
    TColor FixedGradientDownMirrorFrom() const { return FFixedGradientDownMirrorFrom; }
    void SetFixedGradientDownMirrorFrom(TColor Value);
    TColor FixedGradientDownMirrorTo() const { return FFixedGradientDownMirrorTo; }
    void SetFixedGradientDownMirrorTo(TColor Value);
    TColor FixedGradientDownBorder() const { return FFixedGradientDownBorder; }
    void SetFixedGradientDownBorder(TColor Value);

private:
    template <typename T>
    void SetRepainting(T& Field, T Value)
    {
        Field = Value;
        InvalidateGrid();
    }
    void InvalidateGrid();

    IGridSettingsOwner* FGrid;
    int FCheckSize = 15;
    int FRadioSize = 10;
    std::unique_ptr<TBitmap> FCheckedGlyph;
    std::unique_ptr<TBitmap> FUnCheckedGlyph;
    std::unique_ptr<TBitmap> FRadioOnGlyph;
    std::unique_ptr<TBitmap> FRadioOffGlyph;
    TControlStyle FControlStyle = csTheme;
    TColor FColor = 0;
    TColor FCommentColor = clRed;
    bool FFlatButton = false;
    bool FProgressXP = false;
    int FProgressMarginX = 2;
    int FProgressMarginY = 2;
    TColor FProgressBorderColor = clGray;
    bool FDropDownAlwaysVisible = false;
    bool FSpinButtonsAlwaysVisible = false;
    bool FNoDisabledCheckRadioLook = false;
    bool FNoDisabledButtonLook = false;
    bool FCheckAlwaysActive = false;
    bool FRadioAlwaysActive = false;
    bool FFixedDropDownButton = false;
    int FDropDownCount = 8;
    int FHintMaxWidth = 0;
    std::unique_ptr<THeaderAppearance> FDropDownHeader;
    std::unique_ptr<TFooterAppearance> FDropDownFooter;
    TColor FFixedGradientFrom = clNone;
    TColor FFixedGradientTo = clNone;
    TColor FFixedGradientMirrorFrom = clNone;
    TColor FFixedGradientMirrorTo = clNone;
    TColor FFixedGradientHoverFrom = clGray;
    TColor FFixedGradientHoverTo = clWhite;
    TColor FFixedGradientHoverMirrorFrom = clNone;
    TColor FFixedGradientHoverMirrorTo = clNone;
    TColor FFixedGradientHoverBorder = clSilver;
    TColor FFixedGradientDownFrom = clGray;
    TColor FFixedGradientDownTo = clSilver;
    TColor FFixedGradientDownMirrorFrom = clNone;
    TColor FFixedGradientDownMirrorTo = clNone;
    TColor FFixedGradientDownBorder = clGray;
};
