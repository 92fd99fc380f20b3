#pragma once
// The event types the string grid declares. Every event passes Sender
// first; var parameters are references the handler may change, preset by
// the grid.
// Note: TCanClickCellEvent, TCellComboControlEvent,
// TCellComboControlSelectEvent, TCellControlEvent, TGridWideHintEvent,
// TIsFixedCellEvent, TIsPasswordCellEvent and the drag-and-drop events with
// a cell pass the row before the column; every other type with a cell
// passes the column first. The types shared with the cell objects are in
// grid/foundation/GridEvents.h.
#include "grid/core/GridCoreTypes.h"
#include "grid/foundation/GridEvents.h"
#include "platform/controls/GridSelection.h"
#include "platform/rtl/DateTime.h"
#include <cstdint>

class TCheckListBox;
class TEditLink;
class TPopupMenu;
class TStringList;
class TStrings;

// Pasting
using TAfterCellPasteEvent = std::function<void(TObject* Sender, int ACol, int ARow, const QString& Value)>;
using TAfterCellPasteWideEvent = TAfterCellPasteEvent;
using TBeforeCellPasteEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value, bool& Allow)>;
using TBeforeCellPasteWideEvent = TBeforeCellPasteEvent;
using TClipboardEvent = std::function<void(TObject* Sender, bool& Allow)>;

// Moving about and editing
using TAutoAdvanceEvent =
    std::function<void(TObject* Sender, int OldRow, int OldCol, int& NewRow, int& NewCol, bool& Allow)>;
using TCanClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& Allow)>;
using TCellChangingEvent =
    std::function<void(TObject* Sender, int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow)>;
using TColChangingEvent = std::function<void(TObject* Sender, int OldCol, int NewCol, bool& Allow)>;
using TRowChangingEvent = std::function<void(TObject* Sender, int OldRow, int NewRow, bool& Allow)>;
using TRowChangedEvent = std::function<void(TObject* Sender, int OldRow, int NewRow)>;
using TCellValidateEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value, bool& Valid)>;
using TCellValidateWideEvent = TCellValidateEvent;
using TEditCellDoneEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TEditChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, const QString& Value)>;
using TGetEditorPropEvent = std::function<void(TObject* Sender, int ACol, int ARow, TEditLink* AEditLink)>;
using TFixedEditEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TGridFixedCellEditor& AEditor, TStrings* Values)>;
using TUnitChangedEvent = std::function<void(TObject* Sender, int ACol, int ARow, const QString& NewUnit)>;
using TCustomStrToDateEvent = std::function<void(TObject* Sender, const QString& Value, TDateTime& ADate)>;

// Cell editors
using TComboChangeEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex, const QString& ASelection)>;
using TComboObjectChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex,
                                                   const QString& ASelection, TObject* AObject)>;
using TColorSelectEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TColor Color, const QString& Value)>;
using TColorSelectedEvent = std::function<void(TObject* Sender, int ACol, int ARow, TColor& Color, QString& Value)>;
using TImageSelectEvent = std::function<void(TObject* Sender, int ACol, int ARow, int Index)>;
using TImageSelectedEvent = std::function<void(TObject* Sender, int ACol, int ARow, int& Index)>;
using TDateTimeChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, TDateTime ADateTime)>;
using TDateTimeSpinClickEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TDateTime AValue, bool UpDown)>;
using TFloatSpinClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, double AValue, bool UpDown)>;
using TDropDownButtonClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int ButtonIndex)>;

// Mini-markup form controls in cells (row first)
using TCellControlEvent = std::function<void(TObject* Sender, int ARow, int ACol, const QString& CtrlID,
                                             const QString& CtrlType, const QString& CtrlVal)>;
using TCellComboControlEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, const QString& CtrlID, const QString& CtrlType,
                       const QString& CtrlVal, TStringList* Values, bool& Edit, int& DropCount)>;
using TCellComboControlSelectEvent = std::function<void(TObject* Sender, int ARow, int ACol, int ItemIndex,
                                                        const QString& CtrlID, const QString& CtrlValue)>;

// Per-cell questions
using TCellCursorEvent = std::function<void(TObject* Sender, int ACol, int ARow, int X, int Y, TCursor& ACursor)>;
using TCellSaveLoadEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TGetCheckEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using THasComboEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& HasComboBox)>;
using THasSpinEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& HasSpinEdit)>;
using TIsFixedCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& IsFixed)>;
using TIsPasswordCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& IsPassword)>;
using TWordWrapEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& WordWrap)>;
using TGridWideHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, QString& hintstr)>;
using TCanShowFixedDropDownEvent = std::function<void(TObject* Sender, int ACol, bool& CanShow)>;
using TFixedDropDownEvent = std::function<void(TObject* Sender, int ACol, int ARow, TPopupMenu*& AMenu,
                                              bool& KeepFixedCellHighlighted)>;
using TCustomCellSizeEvent =
    std::function<void(TObject* Sender, TCanvas* Canvas, int ACol, int ARow, TPoint& ASize, bool Printing)>;

// Changes, calculations and notifications
using TCellsChangedEvent = std::function<void(TObject* Sender, const TRect& R)>;
using TSelectionChanged = std::function<void(TObject* Sender, int ALeft, int ATop, int ARight, int ABottom)>;
using TSelectionResizeEvent =
    std::function<void(TObject* Sender, const TGridRect& OrigSelection, const TGridRect& NewSelection)>;
using TRowDisjunctSelectEvent = std::function<void(TObject* Sender, int ARow, bool AState, bool& Allow)>;
using TCalcFooterEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TFooterPaintEvent = std::function<void(TObject* Sender, int AColumn, TCanvas* Canvas, const TRect& ARect)>;
using TGroupCalcEvent = std::function<void(TObject* Sender, int ACol, int FromRow, int ToRow, double& Res)>;
using TGridProgressEvent = std::function<void(TObject* Sender, int16_t progress)>;
using TRatingChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, double& NewRate, bool& Allow)>;
using TRadioButtonClickEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TRadioClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AIdx)>;
using TScrollCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, int ScrollPosition, int ScrollMin,
                                            int ScrollMax)>;
using TDragScrollEvent = std::function<void(TObject* Sender, int TopRow, int LeftCol,
                                            TDragScrollDirections& DragScrollDir, bool& CanScroll)>;
using TSearchFooterActionEvent =
    std::function<void(TObject* Sender, const QString& Value, int ACol, int ARow, TSearchAction SearchAction)>;

// Nodes: the display row and the real row
using TNodeAllowEvent = std::function<void(TObject* Sender, int ARow, int ARowReal, bool& Allow)>;
using TNodeClickEvent = std::function<void(TObject* Sender, int ARow, int ARowreal)>;

// Filtering
using TCustomFilterEvent = std::function<void(TObject* Sender, int ARow, bool& AcceptRow)>;
using TFilterCheckEvent = std::function<void(TObject* Sender, int Column, int ItemIndex, const QString& FriendlyName,
                                             QString& FilterCondition, TCheckListBox* CheckList)>;
using TFilterSelectEvent = std::function<void(TObject* Sender, int Column, int ItemIndex,
                                              const QString& FriendlyName, QString& FilterCondition)>;
using TGetColumnFilterEvent = std::function<void(TObject* Sender, int Column, TStrings* Filter)>;

// Drag and drop (row first)
using TOleDragDropEvent = std::function<void(TObject* Sender, int ARow, int ACol, const QString& data, bool& Allow)>;
using TOleDragOverEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& Allow)>;
using TOleDragStartEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TOleDragStopEvent = std::function<void(TObject* Sender, int OLEEffect)>;
using TOleDropColEvent = std::function<void(TObject* Sender, int ARow, int ACol, int DropCol)>;
using TOleDropFileEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, const QString& FileName, bool& Allow)>;
using TOleDropURLEvent = std::function<void(TObject* Sender, int ARow, int ACol, const QString& URL, bool& Allow)>;
using TOleDroppedEvent = std::function<void(TObject* Sender, const TGridRect& ARect)>;

// Printing
using TDoFitToPageEvent = std::function<void(TObject* Sender, double& ScaleFactor, bool& Allow)>;
using TGridPrintCancelEvent = std::function<void(TObject* Sender, int PageNr, bool& Cancel)>;
using TGridPrintColumnWidthEvent = std::function<void(TObject* Sender, int ACol, int& Width)>;
using TGridPrintNewPageEvent = std::function<void(TObject* Sender, int ARow, bool& NewPage)>;
using TGridPrintPageDoneEvent = std::function<void(TObject* Sender, TCanvas* Canvas, int LastRow, int LastRowOffset,
                                                   int LastPage, int PageXSize, int PageYSize)>;
using TGridPrintPageEvent =
    std::function<void(TObject* Sender, TCanvas* Canvas, int PageNr, int PageXSize, int PageYSize)>;
using TGridPrintPageNumEvent =
    std::function<void(TObject* Sender, int PageNum, int PageColNum, QString& PageNumString)>;
using TGridPrintRowHeightEvent = std::function<void(TObject* Sender, int ARow, int& Height)>;
using TGridPrintStartEvent = std::function<void(TObject* Sender, int NrOfPages, int& FromPage, int& ToPage)>;

// The grid's one selection listener, told the column and row the current
// cell moves to.
class ITProStringGridSelect {
public:
    virtual ~ITProStringGridSelect() = default;
    virtual void SelectCell(int ACol, int ARow) = 0;
};
