#pragma once
// TCellProperties: the look and merge information of one cell of a
// TBaseGrid, kept in the cell's object slot and created on demand.
//
// Merged ranges: the base (top-left) cell has IsBaseCell True and spans
// (width - 1, height - 1); every other cell of the range has IsBaseCell
// False and spans equal to its offset from the base cell. A cell outside
// any range has IsBaseCell True and spans -1.
#include "grid/foundation/GridTypes.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Types.h"

class TBaseGrid;
class TControl;

class TCellProperties : public TPersistent {
public:
    // Note: sets the grid's "has cell properties" flag.
    TCellProperties(TBaseGrid* AOwner, int ACol, int ARow);

    // Copies everything but the owner grid, the graphic object,
    // BrushColorTo, the paint pass, CalcType, CalcObject and
    // GradientDirection; repaints nothing.
    void Assign(TPersistent* Source) override;

    // The base cell of the range, given this object's cell (c, r).
    TPoint GetBaseCell(int c, int r) const;

    // The grid and cell the object was made for; not updated when cells move.
    TBaseGrid* OwnerGrid() const { return FOwnerGrid; }
    int OwnerCol() const { return FOwnerCol; }
    void SetOwnerCol(int Value) { FOwnerCol = Value; }
    int OwnerRow() const { return FOwnerRow; }
    void SetOwnerRow(int Value) { FOwnerRow = Value; }

    // Merging
    bool IsBaseCell() const { return FIsBaseCell; }
    void SetIsBaseCell(bool Value) { FIsBaseCell = Value; }
    int CellSpanX() const { return FCellSpanX; }
    void SetCellSpanX(int Value) { FCellSpanX = Value; }
    int CellSpanY() const { return FCellSpanY; }
    void SetCellSpanY(int Value) { FCellSpanY = Value; }
    // The paint pass in which this base cell's range was last painted.
    int PaintID() const { return FPaintID; }
    void SetPaintID(int Value) { FPaintID = Value; }

    // Look. Note: the setters of BrushColor, BrushColorTo, VAlignment and
    // WordWrap repaint the cell that holds this object.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value) { FAlignment = Value; }
    TVAlignment VAlignment() const { return FVAlignment; }
    void SetVAlignment(TVAlignment Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { FBorderColor = Value; }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value) { FBorderWidth = Value; }
    // clNone: not set.
    TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(TColor Value);
    // End colour of a gradient; clNone: solid.
    TColor BrushColorTo() const { return FBrushColorTo; }
    void SetBrushColorTo(TColor Value);
    TBrushStyle BrushStyle() const { return FBrushStyle; }
    void SetBrushStyle(TBrushStyle Value) { FBrushStyle = Value; }
    TCellGradientDirection GradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TCellGradientDirection Value) { FGradientDirection = Value; }
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor Value) { FFontColor = Value; }
    const QString& FontName() const { return FFontName; }
    void SetFontName(const QString& Value) { FFontName = Value; }
    int FontSize() const { return FFontSize; }
    void SetFontSize(int Value) { FFontSize = Value; }
    TFontStyles FontStyle() const { return FFontStyle; }
    void SetFontStyle(TFontStyles Value) { FFontStyle = Value; }
    // Puts the font settings that are set (a colour other than clNone, a
    // style, a size, a name) onto AFont.
    void ApplyFontTo(TFont* AFont) const;

    // Data of the derived grid
    // The user's object of the cell; not owned.
    TObject* CellObject() const { return FObject; }
    void SetCellObject(TObject* Value) { FObject = Value; }
    // The cell's graphic; the grid frees it only when its class is TCellGraphic.
    TObject* GraphicObject() const { return FGraphicObject; }
    void SetGraphicObject(TObject* Value) { FGraphicObject = Value; }
    TEditorType Editor() const { return FEditor; }
    void SetEditor(TEditorType Value) { FEditor = Value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    int NodeLevel() const { return FNodeLevel; }
    void SetNodeLevel(int Value) { FNodeLevel = Value; }
    // A control placed in the cell; not owned.
    TControl* Control() const { return FControl; }
    void SetControl(TControl* Value) { FControl = Value; }
    TColumnCalcType CalcType() const { return FCalcType; }
    void SetCalcType(TColumnCalcType Value) { FCalcType = Value; }
    // Not owned.
    TObject* CalcObject() const { return FCalcObject; }
    void SetCalcObject(TObject* Value) { FCalcObject = Value; }

private:
    friend class TBaseGrid;
    void Repaint();

    TBaseGrid* FOwnerGrid;
    int FOwnerCol;
    int FOwnerRow;
    TObject* FObject = nullptr;
    TObject* FGraphicObject = nullptr;
    TBrushStyle FBrushStyle = bsSolid;
    TColor FBrushColor = clNone;
    TColor FBrushColorTo = clNone;
    int FFontSize = 0;
    TColor FFontColor = clNone;
    TFontStyles FFontStyle;
    int FCellSpanY = -1;
    int FCellSpanX = -1;
    int FBorderWidth = 0;
    TColor FBorderColor = 0;
    TAlignment FAlignment = taLeftJustify;
    TVAlignment FVAlignment = vtaTop;
    int FPaintID = 0;
    bool FWordWrap;
    bool FIsBaseCell = true;
    TColumnCalcType FCalcType = acNONE;
    TObject* FCalcObject = nullptr;
    int FNodeLevel = 0;
    TEditorType FEditor = edNormal;
    QString FFontName;
    bool FReadOnly = false;
    TCellGradientDirection FGradientDirection = GradientVertical;
    TControl* FControl = nullptr;
};
