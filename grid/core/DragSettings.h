#pragma once
// The grid's drag settings: OLE drag and drop of cells and columns
// (TDragDropSettings) and scrolling while the framework's drag and drop
// hovers near the grid's edges (TDragScrollOptions).
#include "platform/rtl/Object.h"
#include <memory>

class IGridSettingsOwner;

class TDragDropSettings : public TPersistent {
public:
    explicit TDragDropSettings(IGridSettingsOwner* AOwner) : FGrid(AOwner) {}

    // Copies all fifteen values directly, without the setters' effects;
    // other sources are ignored.
    void Assign(TPersistent* Source) override;

    // A drag shows a snapshot of the dragged cells; else the header drag
    // button moves.
    bool ShowCells() const { return FShowCells; }
    void SetShowCells(bool Value) { FShowCells = Value; }
    bool OleAcceptFiles() const { return FOleAcceptFiles; }
    void SetOleAcceptFiles(bool Value) { FOleAcceptFiles = Value; }
    bool OleAcceptText() const { return FOleAcceptText; }
    void SetOleAcceptText(bool Value) { FOleAcceptText = Value; }
    bool OleAcceptURLs() const { return FOleAcceptURLs; }
    void SetOleAcceptURLs(bool Value) { FOleAcceptURLs = Value; }
    // With OleEntireRows a drop below the last row appends rows.
    bool OleAppendRows() const { return FOleAppendRows; }
    void SetOleAppendRows(bool Value) { FOleAppendRows = Value; }
    // Header cells can be dragged as columns.
    bool OleColumnDragDrop() const { return FOleColumnDragDrop; }
    void SetOleColumnDragDrop(bool Value) { FOleColumnDragDrop = Value; }
    // A column dropped from this grid moves to the drop position.
    bool OleColumnReorder() const { return FOleColumnReorder; }
    void SetOleColumnReorder(bool Value) { FOleColumnReorder = Value; }
    // Only header cells start a drag.
    bool OleColumnsOnly() const { return FOleColumnsOnly; }
    void SetOleColumnsOnly(bool Value) { FOleColumnsOnly = Value; }
    // A move out of the grid leaves the source cells in place.
    bool OleCopyAlways() const { return FOleCopyAlways; }
    void SetOleCopyAlways(bool Value) { FOleCopyAlways = Value; }
    // The grid accepts drops.
    bool OleDropTarget() const { return FOleDropTarget; }
    void SetOleDropTarget(bool Value) { FOleDropTarget = Value; }
    // The grid can start drags.
    bool OleDropSource() const { return FOleDropSource; }
    void SetOleDropSource(bool Value) { FOleDropSource = Value; }
    // Drops and markers refer to whole rows.
    bool OleEntireRows() const { return FOleEntireRows; }
    void SetOleEntireRows(bool Value) { FOleEntireRows = Value; }
    // A text drop inserts rows for the dropped lines.
    bool OleInsertRows() const { return FOleInsertRows; }
    void SetOleInsertRows(bool Value) { FOleInsertRows = Value; }
    // A move out of a whole-row selection removes the source rows.
    bool OleRemoveRows() const { return FOleRemoveRows; }
    void SetOleRemoveRows(bool Value) { FOleRemoveRows = Value; }
    // Rich text is offered and accepted in drags.
    bool OleDropRTF() const { return FOleDropRTF; }
    void SetOleDropRTF(bool Value) { FOleDropRTF = Value; }

private:
    IGridSettingsOwner* FGrid;
    bool FShowCells = true;
    bool FOleAcceptFiles = true;
    bool FOleAcceptText = true;
    bool FOleAcceptURLs = true;
    bool FOleAppendRows = false;
    bool FOleColumnDragDrop = false;
    bool FOleColumnReorder = false;
    bool FOleColumnsOnly = false;
    bool FOleCopyAlways = false;
    bool FOleDropTarget = false;
    bool FOleDropSource = false;
    bool FOleEntireRows = false;
    bool FOleInsertRows = false;
    bool FOleRemoveRows = false;
    bool FOleDropRTF = false;
};

// Milliseconds before the first scroll step and between the next ones.
class TDragScrollDelays : public TPersistent {
public:
    // From a TDragScrollDelays only.
    void Assign(TPersistent* Source) override;

    int InitialDelay() const { return FInitialDelay; }
    void SetInitialDelay(int Value) { FInitialDelay = Value; }
    int RepeatDelay() const { return FRepeatDelay; }
    void SetRepeatDelay(int Value) { FRepeatDelay = Value; }

private:
    int FInitialDelay = 1000;
    int FRepeatDelay = 250;
};

// Pixels from each edge within which a drag scrolls.
class TDragScrollMargins : public TPersistent {
public:
    // From a TDragScrollMargins only.
    void Assign(TPersistent* Source) override;

    int TopMargin() const { return FTopMargin; }
    void SetTopMargin(int Value) { FTopMargin = Value; }
    int BottomMargin() const { return FBottomMargin; }
    void SetBottomMargin(int Value) { FBottomMargin = Value; }
    int LeftMargin() const { return FLeftMargin; }
    void SetLeftMargin(int Value) { FLeftMargin = Value; }
    int RightMargin() const { return FRightMargin; }
    void SetRightMargin(int Value) { FRightMargin = Value; }

private:
    int FTopMargin = 50;
    int FBottomMargin = 50;
    int FLeftMargin = 50;
    int FRightMargin = 50;
};

class TDragScrollOptions : public TPersistent {
public:
    TDragScrollOptions();
    ~TDragScrollOptions() override;

    // Margins and delays by their own Assign, then Active.
    void Assign(TPersistent* Source) override;

    bool Active() const { return FActive; }
    void SetActive(bool Value) { FActive = Value; }
    TDragScrollDelays* Delays() const { return FDelays.get(); }
    void SetDelays(TDragScrollDelays* Value);
    TDragScrollMargins* Margins() const { return FMargins.get(); }
    void SetMargins(TDragScrollMargins* Value);

private:
    bool FActive = false;
    std::unique_ptr<TDragScrollDelays> FDelays;
    std::unique_ptr<TDragScrollMargins> FMargins;
};
