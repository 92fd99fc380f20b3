#pragma once
// TNavigation: the grid's keyboard, cursor advance, clipboard and editing
// options. AdvanceInsert and AdvanceDirection fire OnChange when they
// change; AdvanceAuto turned on also turns AdvanceOnEnter on; the other
// setters are plain.
#include "grid/foundation/GridTypes.h"
#include "platform/rtl/Object.h"

class TNavigation : public TPersistent {
public:
    // Copies every setting but KeepScrollOnSort, without an event; other
    // sources are ignored.
    void Assign(TPersistent* Source) override;
    bool AllowInsertRow() const { return FAllowInsertRow; }
    void SetAllowInsertRow(bool Value) { FAllowInsertRow = Value; }
    bool AllowDeleteRow() const { return FAllowDeleteRow; }
    void SetAllowDeleteRow(bool Value) { FAllowDeleteRow = Value; }
    bool AlwaysEdit() const { return FAlwaysEdit; }
    void SetAlwaysEdit(bool Value) { FAlwaysEdit = Value; }
    bool AdvanceOnEnter() const { return FAdvanceOnEnter; }
    void SetAdvanceOnEnter(bool Value) { FAdvanceOnEnter = Value; }
    bool AdvanceOnEnterLoop() const { return FAdvanceOnEnterLoop; }
    void SetAdvanceOnEnterLoop(bool Value) { FAdvanceOnEnterLoop = Value; }
    bool AdvanceInsert() const { return FAdvanceInsert; }
    void SetAdvanceInsert(bool Value);
    bool AdvanceAutoEdit() const { return FAdvanceAutoEdit; }
    void SetAdvanceAutoEdit(bool Value) { FAdvanceAutoEdit = Value; }
    bool AdvanceSkipReadOnlyCells() const { return FAdvanceSkipReadOnlyCells; }
    void SetAdvanceSkipReadOnlyCells(bool Value) { FAdvanceSkipReadOnlyCells = Value; }
    bool AutoGotoWhenSorted() const { return FAutoGotoWhenSorted; }
    void SetAutoGotoWhenSorted(bool Value) { FAutoGotoWhenSorted = Value; }
    bool AutoGotoIncremental() const { return FAutoGotoIncremental; }
    void SetAutoGotoIncremental(bool Value) { FAutoGotoIncremental = Value; }
    bool AutoComboDropSize() const { return FAutoComboDropSize; }
    void SetAutoComboDropSize(bool Value) { FAutoComboDropSize = Value; }
    bool AllowClipboardShortCuts() const { return FAllowClipboardShortCuts; }
    void SetAllowClipboardShortCuts(bool Value) { FAllowClipboardShortCuts = Value; }
    bool AllowCtrlEnter() const { return FAllowCtrlEnter; }
    void SetAllowCtrlEnter(bool Value) { FAllowCtrlEnter = Value; }
    bool AllowSmartClipboard() const { return FAllowSmartClipboard; }
    void SetAllowSmartClipboard(bool Value) { FAllowSmartClipboard = Value; }
    bool AllowRTFClipboard() const { return FAllowRTFClipboard; }
    void SetAllowRTFClipboard(bool Value) { FAllowRTFClipboard = Value; }
    bool AllowFmtClipboard() const { return FAllowFmtClipboard; }
    void SetAllowFmtClipboard(bool Value) { FAllowFmtClipboard = Value; }
    bool AllowClipboardAlways() const { return FAllowClipboardAlways; }
    void SetAllowClipboardAlways(bool Value) { FAllowClipboardAlways = Value; }
    bool AllowClipboardRowGrow() const { return FAllowClipboardRowGrow; }
    void SetAllowClipboardRowGrow(bool Value) { FAllowClipboardRowGrow = Value; }
    bool AllowClipboardColGrow() const { return FAllowClipboardColGrow; }
    void SetAllowClipboardColGrow(bool Value) { FAllowClipboardColGrow = Value; }
    bool AdvanceAuto() const { return FAdvanceAuto; }
    void SetAdvanceAuto(bool Value);
    bool AppendOnArrowDown() const { return FAppendOnArrowDown; }
    void SetAppendOnArrowDown(bool Value) { FAppendOnArrowDown = Value; }
    bool EditSelectAll() const { return FEditSelectAll; }
    void SetEditSelectAll(bool Value) { FEditSelectAll = Value; }
    bool ComboGetUpDown() const { return FComboGetUpDown; }
    void SetComboGetUpDown(bool Value) { FComboGetUpDown = Value; }
    bool CursorWalkEditor() const { return FCursorWalkEditor; }
    void SetCursorWalkEditor(bool Value) { FCursorWalkEditor = Value; }
    bool CursorWalkAlwaysEdit() const { return FCursorWalkAlwaysEdit; }
    void SetCursorWalkAlwaysEdit(bool Value) { FCursorWalkAlwaysEdit = Value; }
    bool CursorMoveRows() const { return FCursorMoveRows; }
    void SetCursorMoveRows(bool Value) { FCursorMoveRows = Value; }
    bool MoveRowOnSort() const { return FMoveRowOnSort; }
    void SetMoveRowOnSort(bool Value) { FMoveRowOnSort = Value; }
    bool KeepScrollOnSort() const { return FKeepScrollOnSort; }
    void SetKeepScrollOnSort(bool Value) { FKeepScrollOnSort = Value; }
    bool MoveScrollOnly() const { return FMoveScrollOnly; }
    void SetMoveScrollOnly(bool Value) { FMoveScrollOnly = Value; }
    bool ImproveMaskSel() const { return FImproveMaskSel; }
    void SetImproveMaskSel(bool Value) { FImproveMaskSel = Value; }
    bool LeftRightRowSelect() const { return FLeftRightRowSelect; }
    void SetLeftRightRowSelect(bool Value) { FLeftRightRowSelect = Value; }
    bool CopyHTMLTagsToClipboard() const { return FCopyHTMLTagsToClipboard; }
    void SetCopyHTMLTagsToClipboard(bool Value) { FCopyHTMLTagsToClipboard = Value; }
    bool KeepHorizScroll() const { return FKeepHorizScroll; }
    void SetKeepHorizScroll(bool Value) { FKeepHorizScroll = Value; }
    bool LineFeedOnEnter() const { return FLineFeedOnEnter; }
    void SetLineFeedOnEnter(bool Value) { FLineFeedOnEnter = Value; }
    bool SkipFixedCells() const { return FSkipFixedCells; }
    void SetSkipFixedCells(bool Value) { FSkipFixedCells = Value; }
    bool SkipDisabledRows() const { return FSkipDisabledRows; }
    void SetSkipDisabledRows(bool Value) { FSkipDisabledRows = Value; }
    bool TabToNextAtEnd() const { return FTabToNextAtEnd; }
    void SetTabToNextAtEnd(bool Value) { FTabToNextAtEnd = Value; }
    TAdvanceDirection AdvanceDirection() const { return FAdvanceDirection; }
    void SetAdvanceDirection(TAdvanceDirection Value);
    TInsertPosition InsertPosition() const { return FInsertPosition; }
    void SetInsertPosition(TInsertPosition Value) { FInsertPosition = Value; }
    TClipboardPasteAction ClipboardPasteAction() const { return FClipboardPasteAction; }
    void SetClipboardPasteAction(TClipboardPasteAction Value) { FClipboardPasteAction = Value; }
    TCursorAdvance CursorAdvance() const { return FCursorAdvance; }
    void SetCursorAdvance(TCursorAdvance Value) { FCursorAdvance = Value; }
    THomeEndAction HomeEndKey() const { return FHomeEndKey; }
    void SetHomeEndKey(THomeEndAction Value) { FHomeEndKey = Value; }
    TAdvanceDirection TabAdvanceDirection() const { return FTabAdvanceDirection; }
    void SetTabAdvanceDirection(TAdvanceDirection Value) { FTabAdvanceDirection = Value; }

    TNotifyEvent OnChange;

private:
    void Changed();

    bool FAllowInsertRow = false;
    bool FAllowDeleteRow = false;
    bool FAlwaysEdit = false;
    bool FAdvanceOnEnter = false;
    bool FAdvanceOnEnterLoop = true;
    bool FAdvanceInsert = false;
    bool FAdvanceAutoEdit = true;
    bool FAdvanceSkipReadOnlyCells = true;
    bool FAutoGotoWhenSorted = false;
    bool FAutoGotoIncremental = false;
    bool FAutoComboDropSize = false;
    bool FAllowClipboardShortCuts = false;
    bool FAllowCtrlEnter = true;
    bool FAllowSmartClipboard = false;
    bool FAllowRTFClipboard = false;
    bool FAllowFmtClipboard = false;
    bool FAllowClipboardAlways = false;
    bool FAllowClipboardRowGrow = true;
    bool FAllowClipboardColGrow = true;
    bool FAdvanceAuto = false;
    bool FAppendOnArrowDown = false;
    bool FEditSelectAll = true;
    bool FComboGetUpDown = true;
    bool FCursorWalkEditor = false;
    bool FCursorWalkAlwaysEdit = true;
    bool FCursorMoveRows = false;
    bool FMoveRowOnSort = false;
    bool FKeepScrollOnSort = false;
    bool FMoveScrollOnly = false;
    bool FImproveMaskSel = false;
    bool FLeftRightRowSelect = true;
    bool FCopyHTMLTagsToClipboard = true;
    bool FKeepHorizScroll = false;
    bool FLineFeedOnEnter = false;
    bool FSkipFixedCells = true;
    bool FSkipDisabledRows = true;
    bool FTabToNextAtEnd = false;
    TAdvanceDirection FAdvanceDirection = adLeftRight;
    TInsertPosition FInsertPosition = pInsertBefore;
    TClipboardPasteAction FClipboardPasteAction = paReplace;
    TCursorAdvance FCursorAdvance = caDefault;
    THomeEndAction FHomeEndKey = heFirstLastColumn;
    TAdvanceDirection FTabAdvanceDirection = adLeftRight;
};
