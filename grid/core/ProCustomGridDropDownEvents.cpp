// The popup grid's events bound to the grid drop-down's forwarders at each
// opening, and the forwarders, which fire the drop-down's OnGrid... events.
#include "grid/core/LookSettings.h"
#include "grid/core/ProCustomGridDropDown.h"
#include "grid/core/ProCustomGridDropDownGrid.h"
#include "platform/graphics/GraphicsObjects.h"

using namespace ProCustomGridDropDownUnit;

namespace {

// A handler that calls the drop-down's forwarder with what it receives.
template <typename Method>
auto Forward(TCustomProGridDropDown* DropDown, Method M)
{
    return [DropDown, M](auto&&... Args) { (DropDown->*M)(std::forward<decltype(Args)>(Args)...); };
}

// Deactivating the popup is ignored while a handler runs (it may show a
// window of its own).
class TBlockActivateScope {
public:
    explicit TBlockActivateScope(TDropDownForm* Form) : FForm(Form)
    {
        if (FForm)
            FForm->SetBlockActivate(true);
    }
    ~TBlockActivateScope()
    {
        if (FForm)
            FForm->SetBlockActivate(false);
    }
    TBlockActivateScope(const TBlockActivateScope&) = delete;
    TBlockActivateScope& operator=(const TBlockActivateScope&) = delete;

private:
    TDropDownForm* FForm;
};

} // namespace

void TCustomProGridDropDown::BindGridEvents()
{
    using D = TCustomProGridDropDown;
    TProColGrid* g = FProColGrid;
    g->OnAnchorClick = Forward(this, &D::DoGridAnchorClick);
    g->OnAnchorEnter = Forward(this, &D::DoGridAnchorEnter);
    g->OnAnchorExit = Forward(this, &D::DoGridAnchorExit);
    g->OnAnchorHint = Forward(this, &D::DoGridAnchorHint);
    g->OnButtonClick = Forward(this, &D::DoGridButtonClick);
    g->OnEllipsClick = Forward(this, &D::DoGridEllipsClick);
    g->OnCheckBoxClick = Forward(this, &D::DoGridCheckBoxClick);
    g->OnGetAlignment = Forward(this, &D::DoGridGetAlignment);
    g->OnGetCellColor = Forward(this, &D::DoGridGetCellColor);
    g->OnGetFloatFormat = Forward(this, &D::DoGridGetFloatFormat);
    g->OnMouseMove = Forward(this, &D::DoGridMouseMove);
    g->OnTopLeftChanged = Forward(this, &D::DoGridTopLeftChanged);
    g->OnGetCellGradient = Forward(this, &D::DoGridGetCellGradient);
    g->OnGetDisplText = Forward(this, &D::DoGridGetDisplText);
    g->OnGetFormat = Forward(this, &D::DoGridGetFormat);
    g->OnGridHint = Forward(this, &D::DoGridHint);
    g->OnRightClickCell = Forward(this, &D::DoGridRightClickCell);
    g->OnScrollHint = Forward(this, &D::DoGridScrollHint);
    g->OnMouseDown = Forward(this, &D::DoGridMouseDown);
    g->OnMouseUp = Forward(this, &D::DoGridMouseUp);
    g->OnColumnSize = Forward(this, &D::DoGridColumnSize);
    g->OnColumnSizing = Forward(this, &D::DoGridColumnSizing);
    g->OnEndColumnSize = Forward(this, &D::DoGridEndColumnSize);
    g->OnRowSize = Forward(this, &D::DoGridRowSize);
    g->OnRowSizing = Forward(this, &D::DoGridRowSizing);
    g->OnEndRowSize = Forward(this, &D::DoGridEndRowSize);
    g->OnRowMove = Forward(this, &D::DoGridRowMove);
    g->OnRowMoving = Forward(this, &D::DoGridRowMoving);
    g->OnRowMoved = Forward(this, &D::DoGridRowMoved);
    g->OnColumnMove = Forward(this, &D::DoGridColumnMove);
    g->OnColumnMoving = Forward(this, &D::DoGridColumnMoving);
    g->OnColumnMoved = Forward(this, &D::DoGridColumnMoved);
    g->OnGetEditorType = Forward(this, &D::DoGridGetEditorType);
    g->OnGetEditorPropInt = Forward(this, &D::DoGridGetEditorProp);
    g->OnCanEditCell = Forward(this, &D::DoGridCanEditCell);
    g->OnAutoAddRow = Forward(this, &D::DoGridAutoAddRow);
    g->OnAutoDeleteRow = Forward(this, &D::DoGridAutoDeleteRow);
    g->OnAutoInsertRow = Forward(this, &D::DoGridAutoInsertRow);
    g->OnAutoInsertCol = Forward(this, &D::DoGridAutoInsertCol);
    g->OnCanAddRow = Forward(this, &D::DoGridCanAddRow);
    g->OnCanDeleteRow = Forward(this, &D::DoGridCanDeleteRow);
    g->OnCanInsertRow = Forward(this, &D::DoGridCanInsertRow);
    g->OnCellBalloon = Forward(this, &D::DoGridCellBalloon);
    g->OnSearchEditChange = Forward(this, &D::DoGridSearchEditChange);
    g->OnCustomCellDraw = nullptr;
    if (OnGridCustomCellDraw)
        g->OnCustomCellDraw = Forward(this, &D::DoGridCustomCellDraw);
    g->OnCustomCellBkgDraw = nullptr;
    if (OnGridCustomCellBkgDraw)
        g->OnCustomCellBkgDraw = Forward(this, &D::DoGridCustomCellBkgDraw);
    // A sort keeps the current item's row current.
    g->OnCanSort = [this](TObject*, int, bool&) { FTempItemIndex = FItemIndex; };
    g->OnClickSort = [this](TObject*, int) {
        const int row = ItemIndexToRow(FTempItemIndex);
        if (FProColGrid && row >= FProColGrid->FixedRows() && row < FProColGrid->RowCount())
            FProColGrid->SetRow(row);
    };
    g->OnSelectCell = [this](TObject*, int, int ARow, bool&) { GridSelectCell(ARow); };
    g->OnSelect = [this](TObject*) { GridSelect(); };
}

void TCustomProGridDropDown::DoGridAnchorClick(TObject* Sender, int ARow, int ACol, const QString& Anchor, bool& AutoHandle)
{
    TBlockActivateScope block(FDropDownForm);
    CallEvent(OnGridAnchorClick, Sender, ARow, ACol, Anchor, AutoHandle);
}

void TCustomProGridDropDown::DoGridAnchorEnter(TObject* Sender, int ARow, int ACol, const QString& Anchor)
{
    CallEvent(OnGridAnchorEnter, Sender, ARow, ACol, Anchor);
}

void TCustomProGridDropDown::DoGridAnchorExit(TObject* Sender, int ARow, int ACol, const QString& Anchor)
{
    CallEvent(OnGridAnchorExit, Sender, ARow, ACol, Anchor);
}

void TCustomProGridDropDown::DoGridAnchorHint(TObject* Sender, int ARow, int ACol, QString& Anchor)
{
    CallEvent(OnGridAnchorHint, Sender, ARow, ACol, Anchor);
}

void TCustomProGridDropDown::DoGridButtonClick(TObject* Sender, int ACol, int ARow)
{
    TBlockActivateScope block(FDropDownForm);
    CallEvent(OnGridButtonClick, Sender, ACol, ARow);
}

void TCustomProGridDropDown::DoGridCanSort(TObject* Sender, int ACol, bool& DoSort)
{
    CallEvent(OnGridCanSort, Sender, ACol, DoSort);
}

void TCustomProGridDropDown::DoGridClickSort(TObject* Sender, int ACol)
{
    CallEvent(OnGridClickSort, Sender, ACol);
}

void TCustomProGridDropDown::DoGridCustomCompare(TObject* Sender, const QString& Str1, const QString& Str2, int& Res)
{
    CallEvent(OnGridCustomCompare, Sender, Str1, Str2, Res);
}

void TCustomProGridDropDown::DoGridRawCompare(TObject* Sender, int ACol, int Row1, int Row2, int& Res)
{
    CallEvent(OnGridRawCompare, Sender, ACol, Row1, Row2, Res);
}

void TCustomProGridDropDown::DoGridColumnSize(TObject* Sender, int ACol, bool& Allow)
{
    CallEvent(OnGridColumnSize, Sender, ACol, Allow);
}

void TCustomProGridDropDown::DoGridColumnSizing(TObject* Sender, int ACol, int ColumnSize)
{
    CallEvent(OnGridColumnSizing, Sender, ACol, ColumnSize);
}

void TCustomProGridDropDown::DoGridEndColumnSize(TObject* Sender, int ACol)
{
    CallEvent(OnGridEndColumnSize, Sender, ACol);
}

void TCustomProGridDropDown::DoGridRowSize(TObject* Sender, int ARow, bool& Allow)
{
    CallEvent(OnGridRowSize, Sender, ARow, Allow);
}

void TCustomProGridDropDown::DoGridRowSizing(TObject* Sender, int ARow, int RowSize)
{
    CallEvent(OnGridRowSizing, Sender, ARow, RowSize);
}

void TCustomProGridDropDown::DoGridEndRowSize(TObject* Sender, int ARow)
{
    CallEvent(OnGridEndRowSize, Sender, ARow);
}

void TCustomProGridDropDown::DoGridRowMove(TObject* Sender, int ARow, bool& Allow)
{
    CallEvent(OnGridRowMove, Sender, ARow, Allow);
}

void TCustomProGridDropDown::DoGridRowMoving(TObject* Sender, int ARow, bool& Allow)
{
    CallEvent(OnGridRowMoving, Sender, ARow, Allow);
}

void TCustomProGridDropDown::DoGridRowMoved(TObject* Sender, int FromIndex, int ToIndex)
{
    CallEvent(OnGridRowMoved, Sender, FromIndex, ToIndex);
}

void TCustomProGridDropDown::DoGridColumnMove(TObject* Sender, int ACol, bool& Allow)
{
    CallEvent(OnGridColumnMove, Sender, ACol, Allow);
}

void TCustomProGridDropDown::DoGridColumnMoving(TObject* Sender, int ACol, bool& Allow)
{
    CallEvent(OnGridColumnMoving, Sender, ACol, Allow);
}

void TCustomProGridDropDown::DoGridColumnMoved(TObject* Sender, int FromIndex, int ToIndex)
{
    CallEvent(OnGridColumnMoved, Sender, FromIndex, ToIndex);
}

void TCustomProGridDropDown::DoGridCustomCellDraw(TObject* Sender, TCanvas* Canvas, int ACol, int ARow, TGridDrawState AState, const TRect& ARect, bool Printing)
{
    CallEvent(OnGridCustomCellDraw, Sender, Canvas, ACol, ARow, AState, ARect, Printing);
}

void TCustomProGridDropDown::DoGridCustomCellBkgDraw(TObject* Sender, TCanvas* Canvas, int ACol, int ARow, TGridDrawState AState, const TRect& ARect, bool Printing)
{
    CallEvent(OnGridCustomCellBkgDraw, Sender, Canvas, ACol, ARow, AState, ARect, Printing);
}

void TCustomProGridDropDown::DoGridCellBalloon(TObject* Sender, int ACol, int ARow, QString& ATitle, QString& AText, int& AIcon)
{
    CallEvent(OnGridCellBalloon, Sender, ACol, ARow, ATitle, AText, AIcon);
}

void TCustomProGridDropDown::DoGridGetAlignment(TObject* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign)
{
    if (ACol >= 0 && ACol < FColumns->Count())
        HAlign = FColumns->Items(ACol)->Alignment();
    CallEvent(OnGridGetAlignment, Sender, ARow, ACol, HAlign, VAlign);
}

void TCustomProGridDropDown::DoGridGetCellColor(TObject* Sender, int ARow, int ACol, TGridDrawState AState, TBrush* ABrush, TFont* AFont)
{
    if (ACol >= 0 && ACol < FColumns->Count() && ABrush)
        ABrush->SetColor(FColumns->Items(ACol)->Color());
    CallEvent(OnGridGetCellColor, Sender, ARow, ACol, AState, ABrush, AFont);
}

void TCustomProGridDropDown::DoGridGetCellGradient(TObject* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo, TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD)
{
    CallEvent(OnGridGetCellGradient, Sender, ARow, ACol, Color, ColorTo, ColorMirror, ColorMirrorTo, GD);
}

void TCustomProGridDropDown::DoGridGetFloatFormat(TObject* Sender, int ACol, int ARow, bool& IsFloat, QString& FloatFormat)
{
    FloatFormat.clear();
    CallEvent(OnGridGetFloatFormat, Sender, ACol, ARow, IsFloat, FloatFormat);
}

void TCustomProGridDropDown::DoGridGetEditorType(TObject* Sender, int ACol, int ARow, TEditorType& AEditor)
{
    CallEvent(OnGridGetEditorType, Sender, ACol, ARow, AEditor);
}

void TCustomProGridDropDown::DoGridGetEditorProp(TObject* Sender, int ARow, int ACol)
{
    CallEvent(OnGridGetEditorProp, Sender, ARow, ACol);
}

void TCustomProGridDropDown::DoGridCanEditCell(TObject* Sender, int ARow, int ACol, bool& CanEdit)
{
    CallEvent(OnGridCanEditCell, Sender, ARow, ACol, CanEdit);
}

void TCustomProGridDropDown::DoGridEllipsClick(TObject* Sender, int ACol, int ARow, QString& S)
{
    TBlockActivateScope block(FDropDownForm);
    CallEvent(OnGridEllipsClick, Sender, ACol, ARow, S);
}

void TCustomProGridDropDown::DoGridGetDisplText(TObject* Sender, int ACol, int ARow, QString& Value)
{
    CallEvent(OnGridGetDiplText, Sender, ACol, ARow, Value);
}

void TCustomProGridDropDown::DoGridGetFormat(TObject* Sender, int ACol, TSortStyle& AStyle, QString& APrefix, QString& ASuffix)
{
    CallEvent(OnGridGetFormat, Sender, ACol, AStyle, APrefix, ASuffix);
}

void TCustomProGridDropDown::DoGridHint(TObject* Sender, int ARow, int ACol, QString& HintStr)
{
    CallEvent(OnGridHint, Sender, ARow, ACol, HintStr);
}

void TCustomProGridDropDown::DoGridMouseMove(TObject* Sender, TShiftState Shift, int X, int Y)
{
    if (!FBalloonInit && FProColGrid) {
        TBalloonSettings* balloon = FProColGrid->Balloon();
        if (balloon->Enable()) {
            balloon->SetEnable(false);
            balloon->SetEnable(true);
        }
        FBalloonInit = true;
    }
    CallEvent(OnGridMouseMove, Sender, Shift, X, Y);
}

void TCustomProGridDropDown::DoGridMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)
{
    CallEvent(OnGridMouseDown, Sender, Button, Shift, X, Y);
}

void TCustomProGridDropDown::DoGridMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)
{
    CallEvent(OnGridMouseUp, Sender, Button, Shift, X, Y);
}

void TCustomProGridDropDown::DoGridKeyDown(TObject* Sender, int& Key, TShiftState Shift)
{
    CallEvent(OnGridKeyDown, Sender, Key, Shift);
}

void TCustomProGridDropDown::DoGridKeyUp(TObject* Sender, int& Key, TShiftState Shift)
{
    CallEvent(OnGridKeyUp, Sender, Key, Shift);
}

void TCustomProGridDropDown::DoGridKeyPress(TObject* Sender, QChar& Key)
{
    CallEvent(OnGridKeyPress, Sender, Key);
}

void TCustomProGridDropDown::DoGridRightClickCell(TObject* Sender, int ARow, int ACol)
{
    CallEvent(OnGridRightClickCell, Sender, ARow, ACol);
}

void TCustomProGridDropDown::DoGridScrollHint(TObject* Sender, int ARow, QString& HintStr)
{
    CallEvent(OnGridScrollHint, Sender, ARow, HintStr);
}

void TCustomProGridDropDown::DoGridTopLeftChanged(TObject* Sender)
{
    CallEvent(OnGridTopLeftChanged, this);
}

void TCustomProGridDropDown::DoGridSearchEditChange(TObject* Sender, const QString& Value, bool& DefaultSearch)
{
    CallEvent(OnGridSearchEditChange, Sender, Value, DefaultSearch);
}

void TCustomProGridDropDown::DoGridSpinClick(TObject* Sender, int ACol, int ARow, int AValue, bool UpDown)
{
    CallEvent(OnGridSpinClick, Sender, ACol, ARow, AValue, UpDown);
}

void TCustomProGridDropDown::DoGridAutoAddRow(TObject* Sender, int ARow)
{
    CallEvent(OnGridAutoAddRow, Sender, ARow);
}

void TCustomProGridDropDown::DoGridAutoInsertRow(TObject* Sender, int ARow)
{
    CallEvent(OnGridInsertRow, Sender, ARow);
}

void TCustomProGridDropDown::DoGridAutoInsertCol(TObject* Sender, int ACol)
{
    CallEvent(OnGridInsertCol, Sender, ACol);
}

void TCustomProGridDropDown::DoGridAutoDeleteRow(TObject* Sender, int ARow)
{
    CallEvent(OnGridDeleteRow, Sender, ARow);
}

void TCustomProGridDropDown::DoGridCanAddRow(TObject* Sender, bool& CanAdd)
{
    CallEvent(OnGridCanAddRow, Sender, CanAdd);
}

void TCustomProGridDropDown::DoGridCanInsertRow(TObject* Sender, int ARow, bool& CanInsert)
{
    CallEvent(OnGridCanInsertRow, Sender, ARow, CanInsert);
}

void TCustomProGridDropDown::DoGridCanDeleteRow(TObject* Sender, int ARow, bool& CanDelete)
{
    CallEvent(OnGridCanDeleteRow, Sender, ARow, CanDelete);
}

void TCustomProGridDropDown::DoGridCheckBoxClick(TObject* Sender, int ACol, int ARow, bool State)
{
    CallEvent(OnGridCheckBoxClick, Sender, ACol, ARow, State);
}
