#include "grid/foundation/Navigation.h"

void TNavigation::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TNavigation::SetAdvanceInsert(bool Value)
{
    if (FAdvanceInsert == Value)
        return;
    FAdvanceInsert = Value;
    Changed();
}

void TNavigation::SetAdvanceDirection(TAdvanceDirection Value)
{
    if (FAdvanceDirection == Value)
        return;
    FAdvanceDirection = Value;
    Changed();
}

void TNavigation::SetAdvanceAuto(bool Value)
{
    if (FAdvanceAuto == Value)
        return;
    FAdvanceAuto = Value;
    if (Value)
        FAdvanceOnEnter = true;
}

void TNavigation::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TNavigation*>(Source);
    if (!src)
        return;
    FAllowInsertRow = src->FAllowInsertRow;
    FAllowDeleteRow = src->FAllowDeleteRow;
    FAlwaysEdit = src->FAlwaysEdit;
    FAdvanceOnEnter = src->FAdvanceOnEnter;
    FAdvanceOnEnterLoop = src->FAdvanceOnEnterLoop;
    FAdvanceInsert = src->FAdvanceInsert;
    FAdvanceAutoEdit = src->FAdvanceAutoEdit;
    FAdvanceSkipReadOnlyCells = src->FAdvanceSkipReadOnlyCells;
    FAutoGotoWhenSorted = src->FAutoGotoWhenSorted;
    FAutoGotoIncremental = src->FAutoGotoIncremental;
    FAutoComboDropSize = src->FAutoComboDropSize;
    FAllowClipboardShortCuts = src->FAllowClipboardShortCuts;
    FAllowCtrlEnter = src->FAllowCtrlEnter;
    FAllowSmartClipboard = src->FAllowSmartClipboard;
    FAllowRTFClipboard = src->FAllowRTFClipboard;
    FAllowFmtClipboard = src->FAllowFmtClipboard;
    FAllowClipboardAlways = src->FAllowClipboardAlways;
    FAllowClipboardRowGrow = src->FAllowClipboardRowGrow;
    FAllowClipboardColGrow = src->FAllowClipboardColGrow;
    FAdvanceAuto = src->FAdvanceAuto;
    FAppendOnArrowDown = src->FAppendOnArrowDown;
    FEditSelectAll = src->FEditSelectAll;
    FComboGetUpDown = src->FComboGetUpDown;
    FCursorWalkEditor = src->FCursorWalkEditor;
    FCursorWalkAlwaysEdit = src->FCursorWalkAlwaysEdit;
    FCursorMoveRows = src->FCursorMoveRows;
    FMoveRowOnSort = src->FMoveRowOnSort;
    FMoveScrollOnly = src->FMoveScrollOnly;
    FImproveMaskSel = src->FImproveMaskSel;
    FLeftRightRowSelect = src->FLeftRightRowSelect;
    FCopyHTMLTagsToClipboard = src->FCopyHTMLTagsToClipboard;
    FKeepHorizScroll = src->FKeepHorizScroll;
    FLineFeedOnEnter = src->FLineFeedOnEnter;
    FSkipFixedCells = src->FSkipFixedCells;
    FSkipDisabledRows = src->FSkipDisabledRows;
    FTabToNextAtEnd = src->FTabToNextAtEnd;
    FAdvanceDirection = src->FAdvanceDirection;
    FInsertPosition = src->FInsertPosition;
    FClipboardPasteAction = src->FClipboardPasteAction;
    FCursorAdvance = src->FCursorAdvance;
    FHomeEndKey = src->FHomeEndKey;
    FTabAdvanceDirection = src->FTabAdvanceDirection;
}
