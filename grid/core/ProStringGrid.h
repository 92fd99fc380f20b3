#pragma once
// TProStringGrid: the string grid of the system, a text grid on the base
// cell store with settings objects, events and overridable operations.
// One class; each concern has its own .cpp behind this header, and the
// sections below follow those files: lifetime (ProStringGrid.cpp),
// properties (ProStringGridProperties.cpp), the overridable operations
// (ProStringGridVirtual.cpp).
#include "grid/core/CellGraphic.h"
#include "grid/core/GridCoreTypes.h"
#include "grid/core/GridSettingsOwner.h"
#include "grid/core/ProStringGridEvents.h"
#include "grid/foundation/BaseGrid.h"
#include "grid/foundation/DrawUtils.h"
#include "grid/foundation/QLXStyle.h"
#include "platform/controls/CheckBox.h"
#include <array>
#include <memory>

class TArrowWindow;
class TBackGround;
class TBalloonSettings;
class TBands;
class TBitmap;
class TCellNode;
class TColumnSize;
class TControlList;
class TControlLook;
class TCustomImageList;
class TDragDropSettings;
class TDragScrollOptions;
class TDropCheckList;
class TDropList;
class TFilePicture;
class TFilter;
class TFilterCondition;
class TFilterDropDown;
class TFloatingFooter;
class TFocusHelper;
class TFooterPanel;
class TGridChangeNotifier;
class TGridFocusWindow;
class TGridProgressAppearance;
class TGrouping;
class THTMLSettings;
class THeaderDragButton;
class TIcon;
class TIntList;
class TList;
class TMouseActions;
class TNavigation;
class TPicture;
class TPrintSettings;
class TProStringGridCheck;
class TSearchPanel;
class TScrollBar;
class TSearchFooter;
class TShowModified;
class TSizeWhileTyping;
class TSortIndexList;
class TSortSettings;
class TStream;
class TStringList;
class TStrings;
class TSyncGrid;
class TXMLNode;
class TCustomListBox;
class TForm;
class TSGDropTarget;
struct TCellStreamData;
struct THintInfo;
class TGridItems;
class TGridItem;
class TControl;
class THTMLHintWindow;
class THTMLPictureCache;
class THintWindow;
class TPictureContainer;
class TScrollControl;
class TTimer;
class TGlyphCache;
class TControlCombo;
class TControlEdit;
class TCustomRichEdit;
class TEditLink;
class TGridButton;
class TGridCalculatorDropDown;
class TGridCheckBox;
class TGridColorDropDown;
class TGridCombo;
class TGridDatePicker;
class TGridDateTimePicker;
class TGridDetailPickerDropDown;
class TGridEditBtn;
class TGridGridDropDown;
class TGridImageDropDown;
class TGridMemoDropDown;
class TGridProGridDropDown;
class TGridSpin;
class TGridTimepickerDropDown;
class TGridTrackbarDropDown;
class TGridTransCombo;
class TGridTransEdit;
class TGridUnitEditBtn;
class TInplaceEdit;
class TProCustomDropDown;
class TProInplaceEdit;
class TProRichEdit;

class TProStringGrid : public TBaseGrid, public IGridSettingsOwner, public IQLXStyle, public IQLXTones {
public:
    // Lifetime
    explicit TProStringGrid(TComponent* AOwner = nullptr);
    ~TProStringGrid() override;

    // From a string grid only: fonts, colours, settings objects, counts,
    // sizes, options and scrolling, then the cells. Other sources are
    // ignored.
    void Assign(TPersistent* Source) override;
    // Note: after an editor change the first call repaints nothing.
    void Invalidate() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);

    // Update locking. BeginUpdate and EndUpdate count only while the grid
    // is visible; EndUpdate back at 0 repaints the whole grid once.
    void BeginUpdate();
    void EndUpdate();
    // Counting without touching the window, for internal bulk work.
    void StartUpdate() { ++FUpdateCount; }
    void ResetUpdate() { FUpdateCount = 0; }
    int UpdateCount() const { return FUpdateCount; }
    bool LockUpdate() const { return FUpdateCount > 0; }
    void SetLockUpdate(bool Value);

    // The control itself when it is a form, else its first form parent.
    static TCustomForm* GetParentForm(TControl* AControl);
    void ResetFixedCellHighlight();

    // What the settings objects ask of the grid
    void Repaint() override;
    void RepaintRow(int ARow) override;
    void RepaintCell(int ACol, int ARow) override;
    // 1 when there is none and FixedRowAlways is set.
    int FixedRows() const override;
    bool HasParentWindow() const override;
    TSortIndexList* SortIndexes() const override { return FSortIndexes.get(); }
    void SetFilterColumn(int ACol) override { FFilterCol = ACol; }
    // Widens column Index (-1: the last) to fill the client width while
    // ColumnSize.Stretch is on. Note: raises "Stretch column index out of
    // range" for an index at or past ColCount.
    void StretchColumn(int Index) override;

    // Registered notifiers hear of changed cell ranges.
    void RegisterNotifier(TGridChangeNotifier* ANotifier);
    void UnRegisterNotifier(TGridChangeNotifier* ANotifier);

    // Settings and look objects (owned)
    TFooterPanel* FooterPanel() const { return FFooterPanel; }
    // The footer panel's canvas.
    TCanvas* FooterCanvas() const;
    TFocusHelper* FocusHelper() const { return FFocusHelper.get(); }
    void SetFocusHelper(TFocusHelper* Value);
    TSearchFooter* SearchFooter() const { return FSearchFooter.get(); }
    TFloatingFooter* FloatingFooter() const { return FFloatingFooter.get(); }
    TPrintSettings* PrintSettings() const { return FPrintSettings.get(); }
    THTMLSettings* HTMLSettings() const { return FHTMLSettings.get(); }
    TSortSettings* SortSettings() const { return FSortSettings.get(); }
    void SetSortSettings(TSortSettings* Value);
    TDragDropSettings* DragDropSettings() const { return FDragDropSettings.get(); }
    TDragScrollOptions* DragScrollOptions() const { return FDragScrollOptions.get(); }
    void SetDragScrollOptions(TDragScrollOptions* Value);
    TControlLook* ControlLook() const { return FControlLook.get(); }
    TNavigation* Navigation() const { return FNavigation.get(); }
    TColumnSize* ColumnSize() const { return FColumnSize.get(); }
    TCellNode* CellNode() const { return FCellNode.get(); }
    TBands* Bands() const { return FBands.get(); }
    TSizeWhileTyping* SizeWhileTyping() const { return FSizeWhileTyping.get(); }
    TMouseActions* MouseActions() const { return FMouseActions.get(); }
    TGrouping* Grouping() const { return FGrouping.get(); }
    TBackGround* BackGround() const { return FBackGround.get(); }
    TGridProgressAppearance* ProgressAppearance() const { return FProgressAppearance.get(); }
    void SetProgressAppearance(TGridProgressAppearance* Value);
    TSyncGrid* SyncGrid() const { return FSyncGrid.get(); }
    void SetSyncGrid(TSyncGrid* Value);
    TFilter* Filter() const { return FFilter.get(); }
    TBalloonSettings* Balloon() const { return FBalloon.get(); }
    void SetBalloon(TBalloonSettings* Value);
    TShowModified* ShowModified() const { return FShowModified.get(); }
    void SetShowModified(TShowModified* Value);
    TFilterDropDown* FilterDropDown() const { return FFilterDropDown.get(); }
    TDropList* DropList() const { return FDropList; }
    TDropCheckList* DropCheckList() const { return FDropCheckList; }
    TStringList* FilterList() const { return FFilterList.get(); }
    TIntList* IgnoreColumns() const { return FIgnoreColumns.get(); }
    TIntList* MergedColumns() const { return FMergedColumns.get(); }
    TIntList* ColumnOrder() const { return FColumnOrder.get(); }
    TStringList* LookupItems() const { return FLookupItems.get(); }
    // Note: assigned only from a list.
    void SetLookupItems(TStringList* Value);
    TControlList* ControlList() const { return FControlList.get(); }
    THeaderDragButton* MoveButton() const { return FMoveButton; }
    TArrowWindow* ArwU() const { return FArrows[0]; }
    TArrowWindow* ArwD() const { return FArrows[1]; }
    TArrowWindow* ArwL() const { return FArrows[2]; }
    TArrowWindow* ArwR() const { return FArrows[3]; }

    // Properties
    // Fonts and lists; the setters copy in.
    TFont* ActiveCellFont() const { return FActiveCellFont.get(); }
    void SetActiveCellFont(TFont* Value);
    TFont* FixedFont() const { return FFixedFont.get(); }
    void SetFixedFont(TFont* Value);
    // Written into row 0 (column 0).
    TStringList* ColumnHeaders() const { return FColumnHeaders.get(); }
    void SetColumnHeaders(TStrings* Value);
    TStringList* RowHeaders() const { return FRowHeaders.get(); }
    void SetRowHeaders(TStrings* Value);
    // Repaints cell (0, Row).
    TBitmap* RowIndicator() const { return FRowIndicator.get(); }
    void SetRowIndicator(TBitmap* Value);
    int FixedRowHeight() const { return FFixedRowHeight; }
    void SetFixedRowHeight(int Value);
    int FixedColWidth() const { return ColWidths(0); }
    void SetFixedColWidth(int Value);
    QString Version() const { return QStringLiteral("6.2.1.3"); }
    // Has no effect.
    void SetVersion(const QString&) {}
    int VersionNr() { return GetVersionNr(); }
    QString VersionString() { return GetVersionString(); }
    // The fixed cells of the current row and column show ActiveCellFont and ActiveCellColor.
    bool ActiveCellShow() const { return FActiveCellShow; }
    void SetActiveCellShow(bool Value) { SetRepainting(FActiveCellShow, Value); }
    TColor ActiveCellColor() const { return FActiveCellColor; }
    void SetActiveCellColor(TColor Value) { SetRepainting(FActiveCellColor, Value); }
    TColor ActiveCellColorTo() const { return FActiveCellColorTo; }
    void SetActiveCellColorTo(TColor Value) { SetRepainting(FActiveCellColorTo, Value); }
    // A hint shows the anchor under the mouse.
    bool AnchorHint() const { return FAnchorHint; }
    void SetAnchorHint(bool Value) { FAnchorHint = Value; }
    // A filter list choice applies at once.
    bool AutoFilterUpdate() const { return FAutoFilterUpdate; }
    void SetAutoFilterUpdate(bool Value) { FAutoFilterUpdate = Value; }
    // Numbers are right-aligned.
    bool AutoNumAlign() const { return FAutoNumAlign; }
    void SetAutoNumAlign(bool Value) { FAutoNumAlign = Value; }
    // Switching on sizes the normal columns to their content.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value)
    {
        FAutoSize = Value;
        if (Value && !IsLoading())
            AutoSizeColumns(false, 4);
    }
    // Follows the office colour scheme; passed to the search footer.
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value);
    // Applied when a cell is validated; cleared when it is freed.
    TProStringGridCheck* CellChecker() const { return FCellChecker; }
    void SetCellChecker(TProStringGridCheck* Value);
    TAlignment DefaultAlignment() const { return FDefaultAlignment; }
    void SetDefaultAlignment(TAlignment Value) { SetRepainting(FDefaultAlignment, Value); }
    // The editor when no event chooses one.
    TEditorType DefaultEditor() const { return FDefaultEditor; }
    void SetDefaultEditor(TEditorType Value) { FDefaultEditor = Value; }
    TColor DisabledFontColor() const { return FDisabledFontColor; }
    void SetDisabledFontColor(TColor Value) { FDisabledFontColor = Value; }
    // The editor gets the text with its mini-markup tags.
    bool EditWithTags() const { return FEditWithTags; }
    void SetEditWithTags(bool Value) { FEditWithTags = Value; }
    bool EnableBlink() const { return FEnableBlink; }
    void SetEnableBlink(bool Value) { FEnableBlink = Value; }
    bool EnableHTML() const { return FEnableHTML; }
    void SetEnableHTML(bool Value) { FEnableHTML = Value; }
    bool EnableWheel() const { return FEnableWheel; }
    void SetEnableWheel(bool Value) { FEnableWheel = Value; }
    // Moving shows the drag button and arrows.
    bool EnhRowColMove() const { return FEnhRowColMove; }
    void SetEnhRowColMove(bool Value) { FEnhRowColMove = Value; }
    bool EnhTextSize() const { return FEnhTextSize; }
    void SetEnhTextSize(bool Value) { FEnhTextSize = Value; }
    // The keypad's decimal key types the locale separator.
    bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool Value) { FExcelStyleDecimalSeparator = Value; }
    // Switching on applies the Filter as a new level; switching off shows
    // the rows of the last level again.
    bool FilterActive() const { return FFilterActive; }
    void SetFilterActive(bool Value);
    // A filter list is built from the column's texts.
    bool FilterDropDownAuto() const { return FFilterDropDownAuto; }
    void SetFilterDropDownAuto(bool Value) { SetRepainting(FFilterDropDownAuto, Value); }
    // The filter list is a check list.
    bool FilterDropDownCheck() const { return FFilterDropDownCheck; }
    void SetFilterDropDownCheck(bool Value) { FFilterDropDownCheck = Value; }
    // The entry that clears a column filter.
    const QString& FilterDropDownClear() const { return FFilterDropDownClear; }
    void SetFilterDropDownClear(const QString& Value) { FFilterDropDownClear = Value; }
    TFilterDropDownColumns FilterDropDownColumns() const { return FFilterDropDownColumns; }
    void SetFilterDropDownColumns(TFilterDropDownColumns Value) { FFilterDropDownColumns = Value; }
    // The fixed row with the filter buttons. Note: only a value below FixedRows is taken.
    int FilterDropDownRow() const { return FFilterDropDownRow; }
    void SetFilterDropDownRow(int Value);
    // Node and summary rows are left out of filtering.
    bool FilterNormalCellsOnly() const { return FFilterNormalCellsOnly; }
    void SetFilterNormalCellsOnly(bool Value) { FFilterNormalCellsOnly = Value; }
    bool FilterIncremental() const { return FFilterIncremental; }
    void SetFilterIncremental(bool Value) { FFilterIncremental = Value; }
    bool FixedAsButtons() const { return FFixedAsButtons; }
    void SetFixedAsButtons(bool Value) { FFixedAsButtons = Value; }
    // Keep a fixed column (row) when the count is 0.
    bool FixedColAlways() const { return FFixedColAlways; }
    void SetFixedColAlways(bool Value) { FFixedColAlways = Value; }
    bool FixedRowAlways() const { return FFixedRowAlways; }
    void SetFixedRowAlways(bool Value) { FFixedRowAlways = Value; }
    // Menu of the fixed-cell drop-down buttons; cleared when it is freed.
    TPopupMenu* FixedDropDownMenu() const { return FFixedDropDownMenu; }
    void SetFixedDropDownMenu(TPopupMenu* Value);
    // Footer rows fixed at the bottom.
    int FixedFooters() const { return FFixedFooters; }
    void SetFixedFooters(int Value) { SetRepainting(FFixedFooters, Value); }
    // Fixed columns at the right.
    int FixedRightCols() const { return FFixedRightCols; }
    void SetFixedRightCols(int Value) { SetRepainting(FFixedRightCols, Value); }
    // Flat fixed cells; repaints unless loading.
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    const QString& FloatFormat() const { return FFloatFormat; }
    void SetFloatFormat(const QString& Value) { FFloatFormat = Value; }
    // Images of image cells; cleared when the list is freed.
    TCustomImageList* GridImages() const { return FGridImages; }
    void SetGridImages(TCustomImageList* Value);
    bool HideFocusRect() const { return FHideFocusRect; }
    void SetHideFocusRect(bool Value) { FHideFocusRect = Value; }
    TColor HighlightColor() const { return FHighlightColor; }
    // The pair is the mini-markup highlight colours.
    void SetHighlightColor(TColor Value);
    TColor HighlightTextColor() const { return FHighlightTextColor; }
    void SetHighlightTextColor(TColor Value);
    TColor HintColor() const { return FHintColor; }
    void SetHintColor(TColor Value) { FHintColor = Value; }
    bool HintShowCells() const { return FHintShowCells; }
    void SetHintShowCells(bool Value) { FHintShowCells = Value; }
    bool HintShowLargeText() const { return FHintShowLargeText; }
    void SetHintShowLargeText(bool Value) { FHintShowLargeText = Value; }
    bool HintShowSizing() const { return FHintShowSizing; }
    void SetHintShowSizing(bool Value) { FHintShowSizing = Value; }
    THintShowLargeTextPos HintShowLargeTextPos() const { return FHintShowLargeTextPos; }
    void SetHintShowLargeTextPos(THintShowLargeTextPos Value) { FHintShowLargeTextPos = Value; }
    THoverFixedCells HoverFixedCells() const { return FHoverFixedCells; }
    void SetHoverFixedCells(THoverFixedCells Value) { FHoverFixedCells = Value; }
    bool Hovering() const { return FHovering; }
    void SetHovering(bool Value) { FHovering = Value; }
    bool HTMLHint() const { return FHTMLHint; }
    void SetHTMLHint(bool Value) { FHTMLHint = Value; }
    // The height is cut to whole rows (SetBounds).
    bool IntegralHeight() const { return FIntegralHeight; }
    void SetIntegralHeight(bool Value) { FIntegralHeight = Value; }
    TIntelliPan IntelliPan() const { return FIntelliPan; }
    void SetIntelliPan(TIntelliPan Value) { FIntelliPan = Value; }
    bool IntelliZoom() const { return FIntelliZoom; }
    void SetIntelliZoom(bool Value) { FIntelliZoom = Value; }
    const QString& InvalidEntryTitle() const { return FInvalidEntryTitle; }
    void SetInvalidEntryTitle(const QString& Value) { FInvalidEntryTitle = Value; }
    const QString& InvalidEntryText() const { return FInvalidEntryText; }
    void SetInvalidEntryText(const QString& Value) { FInvalidEntryText = Value; }
    TInvalidEntryIcon InvalidEntryIcon() const { return FInvalidEntryIcon; }
    void SetInvalidEntryIcon(TInvalidEntryIcon Value) { FInvalidEntryIcon = Value; }
    TGridLook Look() const { return FLook; }
    bool Lookup() const { return FLookup; }
    void SetLookup(bool Value) { FLookup = Value; }
    bool LookupCaseSensitive() const { return FLookupCaseSensitive; }
    void SetLookupCaseSensitive(bool Value) { FLookupCaseSensitive = Value; }
    bool LookupHistory() const { return FLookupHistory; }
    void SetLookupHistory(bool Value) { FLookupHistory = Value; }
    int MaxEditLength() const { return FMaxEditLength; }
    void SetMaxEditLength(int Value) { FMaxEditLength = Value; }
    int MaxComboLength() const { return FMaxComboLength; }
    void SetMaxComboLength(int Value) { FMaxComboLength = Value; }
    bool Multilinecells() const { return FMultilinecells; }
    void SetMultilinecells(bool Value) { FMultilinecells = Value; }
    bool OemConvert() const { return FOemConvert; }
    void SetOemConvert(bool Value) { FOemConvert = Value; }
    TScrollBarAlways ScrollBarAlways() const { return FScrollBarAlways; }
    void SetScrollBarAlways(TScrollBarAlways Value);
    TColor ScrollColor() const { return FScrollColor; }
    void SetScrollColor(TColor Value);
    TScrollType ScrollType() const { return FScrollType; }
    // ssMetro puts the painted strips in place of the scroll bars.
    void SetScrollType(TScrollType Value);
    int ScrollWidth() const { return FScrollWidth; }
    void SetScrollWidth(int Value);
    bool ScrollProportional() const { return FScrollProportional; }
    void SetScrollProportional(bool Value);
    bool ScrollSynch() const { return FScrollSynch; }
    void SetScrollSynch(bool Value) { FScrollSynch = Value; }
    TScrollHintType ScrollHints() const { return FScrollHints; }
    void SetScrollHints(TScrollHintType Value) { FScrollHints = Value; }
    TColor SelectionColor() const { return FSelectionColor; }
    void SetSelectionColor(TColor Value) { SetRepainting(FSelectionColor, Value); }
    TColor SelectionColorTo() const { return FSelectionColorTo; }
    void SetSelectionColorTo(TColor Value) { SetRepainting(FSelectionColorTo, Value); }
    TColor SelectionMirrorColor() const { return FSelectionMirrorColor; }
    void SetSelectionMirrorColor(TColor Value) { SetRepainting(FSelectionMirrorColor, Value); }
    TColor SelectionMirrorColorTo() const { return FSelectionMirrorColorTo; }
    void SetSelectionMirrorColorTo(TColor Value) { SetRepainting(FSelectionMirrorColorTo, Value); }
    TColor SelectionTextColor() const { return FSelectionTextColor; }
    void SetSelectionTextColor(TColor Value) { SetRepainting(FSelectionTextColor, Value); }
    bool SelectionColorMixer() const { return FSelectionColorMixer; }
    void SetSelectionColorMixer(bool Value) { FSelectionColorMixer = Value; }
    // Kept within 0..100.
    int SelectionColorMixerFactor() const { return FSelectionColorMixerFactor; }
    void SetSelectionColorMixerFactor(int Value);
    bool SelectionRectangle() const { return FSelectionRectangle; }
    void SetSelectionRectangle(bool Value) { SetRepainting(FSelectionRectangle, Value); }
    bool SelectionResizer() const { return FSelectionResizer; }
    void SetSelectionResizer(bool Value) { SetRepainting(FSelectionResizer, Value); }
    bool SelectionRTFKeep() const { return FSelectionRTFKeep; }
    void SetSelectionRTFKeep(bool Value) { FSelectionRTFKeep = Value; }
    bool ShowDesignHelper() const { return FShowDesignHelper; }
    void SetShowDesignHelper(bool Value) { SetRepainting(FShowDesignHelper, Value); }
    // Also the base grid's selection flag; repaints.
    bool ShowSelection() const { return FShowSelection; }
    void SetShowSelection(bool Value);
    // The grid grows and shrinks with its form.
    bool SizeWithForm() const { return FSizeWithForm; }
    void SetSizeWithForm(bool Value) { FSizeWithForm = Value; }
    // Repaints while URLShow.
    TColor URLColor() const { return FURLColor; }
    void SetURLColor(TColor Value);
    bool URLShow() const { return FURLShow; }
    void SetURLShow(bool Value) { SetRepainting(FURLShow, Value); }
    bool URLShowInText() const { return FURLShowInText; }
    void SetURLShowInText(bool Value) { SetRepainting(FURLShowInText, Value); }
    bool URLUnderlineOnHover() const { return FURLUnderlineOnHover; }
    void SetURLUnderlineOnHover(bool Value) { FURLUnderlineOnHover = Value; }
    // Repaints while URLShow.
    bool URLFull() const { return FURLFull; }
    void SetURLFull(bool Value);
    bool URLEdit() const { return FURLEdit; }
    void SetURLEdit(bool Value) { FURLEdit = Value; }
    bool UseInternalHintClass() const { return FUseInternalHintClass; }
    void SetUseInternalHintClass(bool Value) { FUseInternalHintClass = Value; }
    // Characters the edValidChars editor takes.
    const QString& ValidChars() const { return FValidChars; }
    void SetValidChars(const QString& Value) { FValidChars = Value; }
    // Repaints when not updating.
    TVAlignment VAlignment() const { return FVAlignment; }
    void SetVAlignment(TVAlignment Value);
    // Also the base grid's flag; repaints when not updating.
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    // Texts of data check boxes.
    const QString& CheckTrue() const { return FCheckTrue; }
    void SetCheckTrue(const QString& Value) { FCheckTrue = Value; }
    const QString& CheckFalse() const { return FCheckFalse; }
    void SetCheckFalse(const QString& Value) { FCheckFalse = Value; }
    QChar PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(QChar Value) { FPasswordChar = Value; }
    QChar Delimiter() const { return FDelimiter; }
    void SetDelimiter(QChar Value) { FDelimiter = Value; }
    bool JavaCSV() const { return FJavaCSV; }
    void SetJavaCSV(bool Value) { FJavaCSV = Value; }
    const QString& XMLEncoding() const { return FXMLEncoding; }
    void SetXMLEncoding(const QString& Value) { FXMLEncoding = Value; }
    bool QuoteEmptyCells() const { return FQuoteEmptyCells; }
    void SetQuoteEmptyCells(bool Value) { FQuoteEmptyCells = Value; }
    bool AlwaysQuotes() const { return FAlwaysQuotes; }
    void SetAlwaysQuotes(bool Value) { FAlwaysQuotes = Value; }
    bool SaveFixedCells() const { return FSaveFixedCells; }
    void SetSaveFixedCells(bool Value) { FSaveFixedCells = Value; }
    bool SaveFixedRows() const { return FSaveFixedRows; }
    void SetSaveFixedRows(bool Value) { FSaveFixedRows = Value; }
    bool SaveFixedCols() const { return FSaveFixedCols; }
    void SetSaveFixedCols(bool Value) { FSaveFixedCols = Value; }
    bool SaveHiddenCells() const { return FSaveHiddenCells; }
    void SetSaveHiddenCells(bool Value) { FSaveHiddenCells = Value; }
    bool SaveVirtCells() const { return FSaveVirtCells; }
    void SetSaveVirtCells(bool Value) { FSaveVirtCells = Value; }
    bool SaveWithHTML() const { return FSaveWithHTML; }
    void SetSaveWithHTML(bool Value) { FSaveWithHTML = Value; }
    bool SaveWithRTF() const { return FSaveWithRTF; }
    void SetSaveWithRTF(bool Value) { FSaveWithRTF = Value; }
    bool LoadFirstRow() const { return FLoadFirstRow; }
    void SetLoadFirstRow(bool Value) { FLoadFirstRow = Value; }
    bool ShowNullDates() const { return FShowNullDates; }
    void SetShowNullDates(bool Value) { FShowNullDates = Value; }
    bool ExcelClipboardFormat() const { return FExcelClipboardFormat; }
    void SetExcelClipboardFormat(bool Value) { FExcelClipboardFormat = Value; }
    bool FitCellsInGrid() const { return FFitCellsInGrid; }
    void SetFitCellsInGrid(bool Value) { FFitCellsInGrid = Value; }
    int ZoomFactor() const { return FZoomFactor; }
    void SetZoomFactor(int Value) { FZoomFactor = Value; }
    bool NoDefaultDraw() const { return FNoDefaultDraw; }
    void SetNoDefaultDraw(bool Value) { FNoDefaultDraw = Value; }
    bool ClearTextOnly() const { return FClearTextOnly; }
    void SetClearTextOnly(bool Value) { FClearTextOnly = Value; }
    TColor SelectionRectangleColor() const { return FSelectionRectangleColor; }
    void SetSelectionRectangleColor(TColor Value) { FSelectionRectangleColor = Value; }
    const TPoint& XYOffset() const { return FXYOffset; }
    void SetXYOffset(const TPoint& Value) { SetRepainting(FXYOffset, Value); }
    // Stores the pair without repainting.
    void UpdateXYOffset(int X, int Y) { FXYOffset = TPoint{X, Y}; }
    bool XYOffsetTopLeftOnly() const { return FXYOffsetTopLeftOnly; }
    void SetXYOffsetTopLeftOnly(bool Value) { FXYOffsetTopLeftOnly = Value; }
    int MinRowHeight() const { return FMinRowHeight; }
    void SetMinRowHeight(int Value) { FMinRowHeight = Value; }
    int MaxRowHeight() const { return FMaxRowHeight; }
    void SetMaxRowHeight(int Value) { FMaxRowHeight = Value; }
    int MinColWidth() const { return FMinColWidth; }
    void SetMinColWidth(int Value) { FMinColWidth = Value; }
    int MaxColWidth() const { return FMaxColWidth; }
    void SetMaxColWidth(int Value) { FMaxColWidth = Value; }
    bool SizeGrowOnly() const { return FSizeGrowOnly; }
    void SetSizeGrowOnly(bool Value) { FSizeGrowOnly = Value; }
    bool UseDisabledFont() const { return FUseDisabledFont; }
    void SetUseDisabledFont(bool Value) { FUseDisabledFont = Value; }
    // -1 when not grouped. Setting -1 ungroups, a column above 0 groups by it.
    int GroupColumn() const { return FGroupColumn; }
    void SetGroupColumn(int Value);

private:
    template <typename T>
    void SetRepainting(T& Field, const T& Value)
    {
        if (Field == Value)
            return;
        Field = Value;
        Invalidate();
    }

public:
    // Hidden columns and rows (ProStringGridHidden.cpp)
    // Display indexes count the shown columns and rows, real indexes all
    // of them. Real columns 0..511 can be hidden; a display column at or
    // past ColCount maps to itself, and so does a real column past 511 in
    // a grid that narrow. A hidden row lives outside the cell store in a
    // TGridItem until it is shown again.
    int DisplToRealCol(int ACol) const;
    // A hidden column gives the display index of the next shown one.
    int RealToDisplCol(int ACol) const;
    int RealColIndex(int ACol) const { return DisplToRealCol(ACol); }
    int DisplColIndex(int ACol) override { return RealToDisplCol(ACol); }
    int RealCol() const { return DisplToRealCol(Col()); }
    // False for a column past 511.
    bool IsHiddenColumn(int Colindex) const;
    int NumHiddenColumns() const { return FNumHidden; }
    int TotalColCount() const override { return ColCount() + FNumHidden; }
    int AllColCount() const { return TotalColCount(); }
    // A display row past the last real row counts on as shown; -1 for a
    // negative row.
    int DisplToRealRow(int ARow) const;
    // A hidden row gives the display index of the next shown one.
    int RealToDisplRow(int ARow) const;
    int RealRowIndex(int ARow) const { return DisplToRealRow(ARow); }
    int DisplRowIndex(int ARow) const { return RealToDisplRow(ARow); }
    int RealRow() const { return DisplToRealRow(Row()); }
    bool IsHiddenRow(int Rowindex) const;
    // The same answer; ListHidden, made when nil, caches the hidden rows
    // and belongs to the caller.
    bool IsHiddenRow(int Rowindex, TIntList*& ListHidden) const;
    int NumHiddenRows() const;
    int TotalRowCount() const { return RowCount() + NumHiddenRows(); }
    int AllRowCount() const { return TotalRowCount(); }
    TGridItems* GridItems() const { return FGridItems.get(); }
    // The parked texts and objects of hidden row Idx; nil for a shown row.
    TStrings* HiddenRowItems(int Idx) const;
    // Width by real column: the width kept while the column is hidden.
    int AllColWidths(int ACol) const;
    void SetAllColWidths(int ACol, int Value);

    // The last shown column is never hidden. Indexes are real ones.
    void HideColumn(int ColIndex) { HideColumns(ColIndex, ColIndex); }
    void HideColumns(int FromCol, int ToCol);
    void UnHideColumn(int ColIndex) { UnHideColumns(ColIndex, ColIndex); }
    void UnHideColumns(int FromCol, int ToCol);
    void UnHideColumnsAll();
    void HideRow(int Rowindex) { HideRows(Rowindex, Rowindex); }
    void HideRows(int FromRow, int ToRow);
    // Hides from FromRow on unless FromRow is hidden; removes the rows
    // through RemoveRowsEx.
    void HideRowsEx(int FromRow, int ToRow);
    // Hides the listed display rows (ascending) as one filter level.
    void HideRowList(TIntList* RowList);
    void UnHideRow(int Rowindex);
    // Nothing unless FromRow is hidden.
    void UnHideRows(int FromRow, int ToRow);
    void UnHideRowsAll();
    // Shows the rows of the last filter level back in their places.
    void UnHideRowList();
    // Parks the selection outside every cell, and brings it back.
    void HideSelection();
    void UnHideSelection();
    bool SelectionHidden() const { return FSelHidden; }
    int FilterLevel() const { return FFilterLevel; }
    void SetFilterLevel(int Value) { FFilterLevel = Value; }
    // Ends in-place editing, committing the editor's value.
    virtual void HideInplaceEdit();

    // Counts, current cell and ranges (ProStringGridCounts.cpp)
    // Note: these setters hide the platform grid's.
    void SetRowCount(int Value);
    void SetColCount(int Value);
    // Fires OnRowUpdate for a new row; follows the sync grid.
    void SetRow(int Value);
    void SetCol(int Value);
    // Only FixedRows..RowCount - 1 is taken.
    void SetTopRow(int Value);
    // 1 when there is none and FixedColAlways is set.
    int FixedCols() const;
    // With FixedRowAlways a value not below RowCount is cut and kept as
    // the minimum that comes back when the rows grow.
    void SetFixedRows(int Value);
    void SetFixedCols(int Value);
    void SetDefaultRowHeight(int Value);
    // Turns the range selection and editing look of a spreadsheet on, for
    // either value.
    bool SpreadSheet() const { return FSpreadSheet; }
    void SetSpreadSheet(bool Value);
    int FixedRowsMin() const { return FFixedRowsMin; }
    int FixedColsMin() const { return FFixedColsMin; }
    int MaxRowCount() const { return FMaxRowCount; }
    int MaxColCount() const { return FMaxColCount; }
    // What the file and clipboard writers take.
    int SaveStartCol() const;
    int SaveEndCol() const;
    int SaveColCount() const;
    int SaveStartRow() const;
    int SaveEndRow() const;
    int SaveRowCount() const;
    // The smallest rectangle holding every non-empty text; (0, 0, 0, 0)
    // for an empty grid.
    TRect UsedCells() { return GetUsedCells(); }
    virtual TRect GetUsedCells();
    // The cell under a screen point, -1 outside.
    void ScreenToCell(TPoint pt, int& ACol, int& ARow);
    bool IsIgnoredColumn(int ACol) const;
    bool IsOnSizeLine(int X, int Y) const;
    // The flat scroll bars' look. No flat scroll bar library exists on
    // this platform, so the grid keeps its plain bars and these find no
    // flat bars to change.
    void ApplyScrollType() {}
    void ApplyScrollColor() {}
    void ApplyScrollWidth() {}

    // Selection and repainting (ProStringGridSelection.cpp)
    // Note: hides the platform grid's; with ActiveCellShow the first row
    // and column repaint, with ActiveRowShow the row of Bottom.
    void SetSelection(const TGridRect& Value);
    // Disjoint row and column selection: flags per row (column), read and
    // written by index; without it the rectangle answers.
    bool RowSelect(int ARow) { return GetRowSelect(ARow); }
    bool GetRowSelect(int ARow);
    void SetRowSelect(int ARow, bool Value);
    bool ColSelect(int ACol) { return GetColSelect(ACol); }
    bool GetColSelect(int ACol);
    void SetColSelect(int ACol, bool Value);
    // Rows and columns past the grid are skipped.
    void SelectRows(int RowIndex, int RCount);
    void UnSelectRows(int RowIndex, int RCount);
    void SelectCols(int ColIndex, int CCount);
    void UnSelectCols(int ColIndex, int CCount);
    void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow);
    void ClearRowSelect();
    void ClearColSelect();
    int RowSelectCount();
    int ColSelectCount();
    // Copies the rectangle into the row (column) flags; All clears the
    // flags outside it too.
    void SyncRowSelect(bool All);
    void SyncColSelect(bool All);
    void FocusCell(int ACol, int ARow);
    void GotoCell(int ACol, int ARow);
    void EditCell(int ACol, int ARow);
    void MoveCurrentCell(int ACol, int ARow);
    // Exchanges texts and cell objects raw: no change hooks.
    void SwapCells(TGridCoord FromCell, TGridCoord ToCell);
    // Opens the in-place editor on the current cell.
    void ShowInplaceEdit();
    int ModifiedRowCount() const;
    bool RowModified(int ARow) const { return GetRowModified(ARow); }
    bool GetRowModified(int ARow) const;
    void SetRowModified(int ARow, bool Value);
    void ClearModifiedRows();
    bool RowEnabled(int ARow) const { return GetRowEnabled(ARow); }
    bool GetRowEnabled(int ARow) const;
    // Disabling (or enabling) the current row moves it to the first other
    // enabled row from FixedRows.
    void SetRowEnabled(int ARow, bool Value);
    bool UseEnabledRows() const { return FUseEnabledRows; }
    // One listener; unregistering drops it whatever is passed.
    void RegisterSelListener(ITProStringGridSelect* AListener) { FISelect = AListener; }
    void UnRegisterSelListener(ITProStringGridSelect*) { FISelect = nullptr; }
    ITProStringGridSelect* SelListener() const { return FISelect; }
    void RepaintCol(int ACol);
    // A range of display cells; the whole grid when a corner is out of view.
    void RepaintRect(const TRect& R);
    void RepaintActiveHeaders(int Col1, int Row1, int Col2, int Row2);
    void InvalidateGridRect(const TGridRect& R);
    bool LastRowAboveSearchFooter();
    // Scrolls until the search panel leaves the last row free.
    void AdjustForSearchFooter();
    // Disjoint cell selection, one packed entry per cell (row in the high
    // 16 bits, column in the low 16 bits); without it the rectangle answers.
    bool SelectedCells(int ACol, int ARow) const;
    // Works in every mode.
    void SetSelectedCells(int ACol, int ARow, bool Value);
    TGridCoord SelectedCell(int i) const;
    // Without disjoint cell selection the list is rebuilt from the
    // rectangle, column by column.
    int SelectedCellsCount();
    int SelectedRowCount();
    int SelectedColCount();
    // The i-th selected row, -1 past the last.
    int SelectedRow(int i) const;
    void ClearSelectedCells();

    // Cell accessors (ProStringGridCells.cpp)
    // Columns are real columns. The All* forms take real rows: a hidden
    // row answers from its parked texts.
    QString AllCells(int ACol, int ARow) { return GetCellsEx(ACol, ARow); }
    void SetAllCells(int ACol, int ARow, const QString& Value) { SetCellsEx(ACol, ARow, Value); }
    QString GetCellsEx(int ACol, int ARow);
    // A hidden row's texts grow up to ACol.
    void SetCellsEx(int ACol, int ARow, const QString& Value);
    // The raw stored text. Note: writing past a hidden row's texts raises
    // the list's index error; reading there gives an empty text.
    QString AllGridCells(int ACol, int ARow) const { return GetGridCellsEx(ACol, ARow); }
    void SetAllGridCells(int ACol, int ARow, const QString& Value) { SetGridCellsEx(ACol, ARow, Value); }
    QString GetGridCellsEx(int ACol, int ARow) const;
    void SetGridCellsEx(int ACol, int ARow, const QString& Value);
    QString AllWideCells(int ACol, int ARow) { return GetCellsEx(ACol, ARow); }
    void SetAllWideCells(int ACol, int ARow, const QString& Value) { SetCellsEx(ACol, ARow, Value); }
    QString WideCells(int ACol, int ARow) { return GetCellEx(ACol, ARow); }
    void SetWideCells(int ACol, int ARow, const QString& Value) { SetCellEx(ACol, ARow, Value); }
    // The user's object of a cell by real row.
    TObject* AllObjects(int ACol, int ARow) const { return GetObjectsEx(ACol, ARow); }
    void SetAllObjects(int ACol, int ARow, TObject* Value) { SetObjectsEx(ACol, ARow, Value); }
    TObject* GetObjectsEx(int ACol, int ARow) const;
    void SetObjectsEx(int ACol, int ARow, TObject* Value);
    // The object slot itself by real row.
    TObject* GetGridObjectsEx(int ACol, int ARow) const;
    // ACol counts positions of the recorded column order.
    QString OriginalCells(int ACol, int ARow);
    void SetOriginalCells(int ACol, int ARow, const QString& Value);

    // Per-cell look. Reading a cell without properties makes none.
    TColor Colors(int ACol, int ARow) const;
    // Repaints only outside updates.
    void SetColors(int ACol, int ARow, TColor Value);
    TColor ColorsTo(int ACol, int ARow) const;
    void SetColorsTo(int ACol, int ARow, TColor Value);
    TCellGradientDirection Gradients(int ACol, int ARow) const;
    void SetGradients(int ACol, int ARow, TCellGradientDirection Value);
    TFont* Fonts(int ACol, int ARow) { return GetCellFont(ACol, ARow); }
    // Copies the font's name, size, style and colour into the cell.
    void SetCellFont(int ACol, int ARow, TFont* Value);
    TColor FontColors(int ACol, int ARow) const;
    void SetFontColors(int ACol, int ARow, TColor Value);
    TFontStyles FontStyles(int ACol, int ARow) const;
    void SetFontStyles(int ACol, int ARow, TFontStyles Value);
    int FontSizes(int ACol, int ARow) const;
    void SetFontSizes(int ACol, int ARow, int Value);
    QString FontNames(int ACol, int ARow) const;
    void SetFontNames(int ACol, int ARow, const QString& Value);
    TAlignment Alignments(int ACol, int ARow) const;
    void SetAlignments(int ACol, int ARow, TAlignment Value);
    bool ReadOnly(int ACol, int ARow) const;
    void SetReadOnly(int ACol, int ARow, bool Value);
    // Note: reading makes the cell's properties.
    bool WordWraps(int ACol, int ARow);
    void SetWordWraps(int ACol, int ARow, bool Value);
    // The normal cells of a row. clNone takes the look back out of the
    // cells; merging, read-only state, editor, object and control stay.
    void SetRowColor(int ARow, TColor AColor);
    void SetRowColorTo(int ARow, TColor AColor);
    void SetRowFontColor(int ARow, TColor AColor);
    int LinesInCell(int ACol, int ARow);
    // The text without mini-markup tags.
    QString StrippedCells(int ACol, int ARow) { return GetStrippedCell(ACol, ARow); }
    QString GetStrippedCell(int ACol, int ARow);
    static QString StripCellTags(const QString& S);
    // 0 for an empty cell; raises "Error at position: n in Cell [c, r]."
    // at the first character that is no part of the number.
    double CellToReal(int ACol, int ARow);

    // The current cell's text, of its base cell when merged.
    QString CurrentCell() { return GetCurrentCell(); }
    void SetCurrentCellText(const QString& Value) { SetCurrentCell(Value); }
    virtual QString GetCurrentCell();
    virtual void SetCurrentCell(const QString& Value);
    // The cell's properties by real row (a hidden row's parked ones); nil
    // when it has none.
    TObject* GetRealCellObject(int ACol, int ARow) const;
    // False for fixed cells; else by the disjoint cell, row or column
    // selection in force, or inside Selection.
    bool IsSelected(int ACol, int ARow);

    // Typed values (ProStringGridCells.cpp)
    // An empty text or "-" reads 0; raises "Cell does not contain integer value".
    int Ints(int ACol, int ARow);
    void SetInts(int ACol, int ARow, int Value);
    int AllInts(int ACol, int ARow);
    void SetAllInts(int ACol, int ARow, int Value);
    // An empty text or "-" reads 0; raises "Cell does not contain a float value".
    double Floats(int ACol, int ARow);
    // Written with the cell's float format.
    void SetFloats(int ACol, int ARow, double Value);
    double AllFloats(int ACol, int ARow);
    // Written with FloatFormat.
    void SetAllFloats(int ACol, int ARow, double Value);
    virtual void GetCellFloatFormat(int ACol, int ARow, QString& Fmt) { Fmt = FFloatFormat; }
    // Locale short date; 0 empties the cell unless ShowNullDates.
    TDateTime Dates(int ACol, int ARow);
    void SetDates(int ACol, int ARow, TDateTime Value);
    TDateTime Times(int ACol, int ARow);
    void SetTimes(int ACol, int ARow, TDateTime Value);
    // The value of the cell's embedded form control ID; empty without one.
    QString GetCtrlVal(int ACol, int ARow, const QString& ID);
    // The cell text changes only when the control exists.
    void SetCtrlVal(int ACol, int ARow, const QString& ID, const QString& Value);

    // Fills: every cell with DoFixed, else the normal cells; CellsLoaded after.
    void TextFill(bool DoFixed, const QString& Txt);
    // Fmt takes the column, then the row.
    void FormatFill(bool DoFixed, const QString& Fmt);
    void RandomFill(bool DoFixed, int Rnd);
    // "column:row".
    void LinearFill(bool DoFixed);

    // Headers: line i of ColumnHeaders into cell (i, 0) while there are
    // fixed rows, of RowHeaders into (0, i) while there are fixed columns;
    // "\n" breaks the line.
    void ClearColumnHeaders();
    void ShowColumnHeaders();
    void ClearRowHeaders();
    void ShowRowHeaders();

    // Printed width and offset per column, written by printing; ACol
    // outside 0..511 raises "Columns is not in valid range".
    int GetPrintColWidth(int ACol) const;
    int GetPrintColOffset(int ACol) const;
    int* MaxWidths() { return FMaxWidths.data(); }
    int* Indents() { return FIndents.data(); }
    bool IsSortIndicatorCell(int ACol, int ARow);
    // The text inset: XYOffset once with XYOffsetTopLeftOnly, else twice.
    int TotalXOffset() const { return FXYOffsetTopLeftOnly ? FXYOffset.X : 2 * FXYOffset.X; }
    int TotalYOffset() const { return FXYOffsetTopLeftOnly ? FXYOffset.Y : 2 * FXYOffset.Y; }
    // The most lines of a cell of the row with Multilinecells, else 1.
    int MaxLinesInRow(int ARow);
    int MaxRowLines(int ARow) { return MaxLinesInRow(ARow); }
    int CellTextOffsetY() const { return TotalYOffset(); }
    // Records the widths of the columns and the grid's width.
    void InitOrigColSizes();
    void ChangeScale(int M, int D) override;

    // Per-cell questions (ProStringGridHooks.cpp). Each makes the grid's
    // answer, then raises its event when assigned; derived grids override.
    virtual void GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
    virtual void GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders);
    virtual void GetCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign);
    // The display text, formatted by OnGetFloatFormat when it takes the
    // cell as a number.
    virtual QString GetFormattedCell(int ACol, int ARow);
    virtual void GetCellEditorType(int ACol, int ARow, TEditorType& AEditor);
    // Overridden by grids that prepare an editor before it shows.
    virtual void GetCellEditor(int ACol, int ARow, TEditorType& AEditor);
    virtual bool HasNoEditor(int ACol, int ARow);
    // An event may add fixed cells, never take them away.
    virtual void IsFixedCell(int ACol, int ARow, bool& IsFixed);
    // Asks OnCanEditCell with the base cell of a merged range.
    virtual void CanEditCell(int ACol, int ARow, bool& CanEdit);
    virtual bool HasComboBox(int ACol, int ARow);
    virtual bool HasSpinEdit(int ACol, int ARow);
    virtual void GetCheckTrue(int ACol, int ARow, QString& Value);
    virtual void GetCheckFalse(int ACol, int ARow, QString& Value);
    // A wide hint wins and is packed into HintStr.
    virtual void GetCellHint(int ACol, int ARow, QString& HintStr, QString& WideHintStr);
    virtual TCursor GetCellCursor(int ACol, int ARow, int X, int Y);
    void GetDefaultVisualProperties(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                                    TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                    bool& WW, TCellGradientDirection& GD) override;
    virtual void GetCellText(int ACol, int ARow, QString& Value) { Value = Cells(ACol, ARow); }
    // One scratch font for every cell with properties: use it before asking again.
    virtual TFont* GetCellFont(int ACol, int ARow);
    bool IsFixed(int ACol, int ARow) override;
    void GetDisplText(int ACol, int ARow, QString& Value) override;

    // Offers a width the user sized (UpdateColSize) or auto-sizing found
    // (UpdateAutoColSize) to OnUpdateColumnSize.
    virtual void UpdateColSize(int ACol, int& AWidth);
    virtual void UpdateAutoColSize(int ACol, int& AWidth);
    // OnGetEditorProp, then OnGetEditorPropInt.
    virtual void GetEditorProp(int ACol, int ARow, TEditLink* AEditLink);
    // OnEllipsClick for the current cell (real column); answers its text.
    virtual QString DoEllipsClick(const QString& Text);
    // The pasted rows count as modified while ShowModified is on.
    virtual void CellsPasted(const TGridRect& ARect);

    // Notifications
    virtual void DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom);
    virtual void DoFixedEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor, TStrings* Values);
    // ARow: a display row, as the key handling passes it.
    virtual void DoInsertRow(int ARow);
    // Keeps one normal row: the only one is emptied, not removed. ARow: a
    // display row.
    virtual void DoDeleteRow(int ARow);
    virtual void DoExpandClick(int ACol, int ARow, bool Expanded);
    // Before the current cell moves; any of the three events may refuse.
    virtual void DoCellChanging(int ACol, int ARow, bool& Allow);
    virtual void CellValueChanged(int ACol) { CalcFooter(ACol); }
    virtual void CellsLoaded() { CalcFooter(-1); }
    virtual void StoreOldCell(int ACol, int ARow);
    // The text the writers store for a cell.
    virtual void SaveCell(int ACol, int ARow, QString& Value);
    // Stores Value raw after OnLoadCell.
    virtual void LoadCell(int ACol, int ARow, QString& Value);
    // The cell recorded by StoreOldCell.
    int OldCol() const { return FOldCell.Col; }
    int OldRow() const { return FOldCell.Row; }
    const QString& OldCellText() const { return FOldCell.Text; }
    bool OldModified() const { return FOldCell.Modified; }
    bool SelectionChangedFlag() const { return FSelectionChanged; }
    bool DisableChangeEvents() const { return FDisableChange; }
    void SetDisableChangeEvents(bool Value) { FDisableChange = Value; }

    // Row and column operations (ProStringGridRows.cpp)
    // Rows are display rows; requests past the grid change nothing. The
    // hidden rows below a removal are renumbered.
    // The full removal: side lists, cell controls and the current row follow.
    virtual void RemoveRows(int RowIndex, int RCount);
    // Keeps the current position, cell controls, modified and enabled rows
    // and the row heights.
    virtual void RemoveRowsEx(int RowIndex, int RCount);
    // Removes rows with their heights; the controls of the rows go.
    virtual void RemoveRowsCore(int ARow, int ACount);
    void RemoveRowsInternal(int ARow, int ACount) { RemoveRowsCore(ARow, ACount); }
    // The first row of each text stays; DoCase tells "A" from "a".
    void RemoveDuplicates(int ACol, bool DoCase);
    void RemoveSelectedRows();
    // Footer rows stay.
    void RemoveUnSelectedRows();
    void HideSelectedRows();
    // Footer rows stay shown.
    void HideUnSelectedRows();
    void RemoveSelectedCols();
    void RemoveUnSelectedCols();
    // The rows open empty with the default height; hidden rows below move
    // down with them.
    virtual void InsertRows(int RowIndex, int RCount, bool UpdateCellControls = true);
    // Above the footer row while the floating footer shows.
    void AddRow();
    void AddColumn() { InsertCols(ColCount(), 1); }
    // Real columns; hidden columns stay hidden at their new index.
    virtual void InsertCols(int ColIndex, int CCount);
    virtual void RemoveCols(int ColIndex, int CCount);
    // Joins column 2 into column 1 with Separator, then removes column 2.
    void MergeCols(int ColIndex1, int ColIndex2, const QString& Separator);
    // Merges runs of equal texts; without MainMerge a run also needs
    // identical spans in the neighbour.
    void MergeColumnCells(int ColIndex, bool MainMerge);
    void MergeRowCells(int RowIndex, bool MainMerge);
    void SplitColumnCells(int ColIndex);
    void SplitRowCells(int RowIndex);
    void SplitAllCells();
    // Texts and cell properties of a rectangle (ClearTextOnly: texts only).
    virtual void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2);
    virtual void TrimRect(int ACol1, int ARow1, int ACol2, int ARow2);
    void ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor);
    void Clear();
    // Clear, and the texts of the hidden rows.
    void ClearAll();
    void ClearNormalCells();
    void ClearSelection();
    void ClearRows(int RowIndex, int RCount);
    void ClearNormalRows(int RowIndex, int RCount);
    void ClearCols(int ColIndex, int CCount);
    void ClearNormalCols(int ColIndex, int CCount);
    void TrimColumn(int ACol) { TrimRect(ACol, 0, ACol, RowCount() - 1); }
    void TrimRow(int ARow) { TrimRect(0, ARow, ColCount() - 1, ARow); }
    void TrimAll() { TrimRect(0, 0, ColCount() - 1, RowCount() - 1); }
    // The first cell, row by row, whose stored text equals SubStr.
    bool IsCell(const QString& SubStr, int& ACol, int& ARow);
    // The text is a packed wide text.
    bool IsWideCell(int ACol, int ARow);
    // Column order: records the present order; positions map through it.
    void SetColumnOrder();
    // Shows every column and moves them back to the recorded order.
    void ResetColumnOrder();
    int ColumnPosition(int ACol) const;
    int ColumnAtPosition(int ACol);
    // The first column whose row-0 text is AValue, case included; -1 when none.
    int ColumnByHeader(const QString& AValue);
    bool BlockCellChange() const { return FBlockCellChange; }
    void SetBlockCellChange(bool Value) { FBlockCellChange = Value; }

    // Cell controls (ProStringGridControls.cpp)
    TControl* CellControls(int ACol, int ARow) { return GetCellControls(ACol, ARow); }
    TControl* GetCellControls(int ACol, int ARow);
    // Places AControl over the cell (nil takes it out of the cell).
    void SetCellControls(int ACol, int ARow, TControl* AControl);
    int NumCellControls() const { return FNumCellControls; }
    // Places, shows and hides the cell controls; RebuildList lists them
    // anew from the cells first.
    void CellControlsUpdate(bool RebuildList);

    // Cell graphics (ProStringGridGraphics.cpp). Columns are real
    // columns, rows store (display) rows, unless said otherwise. A cell
    // holds at most one TCellGraphic, owned by the grid.
    // Replaces the cell's graphic by a new one of kind ctNone; the text stays.
    TCellGraphic* CreateCellGraphic(int ACol, int ARow);
    // Frees the cell's graphic; False when it has none.
    bool RemoveCellGraphic(int ACol, int ARow);
    // Only when GetCellType answers AType.
    bool RemoveCellGraphicOfType(int ACol, int ARow, TCellType AType);
    // Nil without one. Note: with MouseActions.HotmailRowSelect, column 0
    // answers the grid's shared row check box, bound to the row selection.
    virtual TCellGraphic* GetCellGraphic(int ACol, int ARow);
    // ctEmpty without a graphic and for a negative index; ctRowCheckBox in
    // column 0 with HotmailRowSelect.
    virtual TCellType GetCellType(int ACol, int ARow);
    // The room the graphic takes from the cell's text.
    virtual TPoint GetCellGraphicSize(int ACol, int ARow) { return CalcCellGraphicSize(ACol, ARow, 0); }
    // Extra: a margin taken off the height a picture may fill.
    virtual TPoint CalcCellGraphicSize(int ACol, int ARow, int Extra);
    // The graphic's own extent, for printing at Scale.
    virtual TPoint CalcCellGraphicPos(int ACol, int ARow, int W, int H, double Scale);
    virtual TCustomImageList* GetCellImageList(int ACol, int ARow) { return FGridImages; }
    // The image list of a ctImages cell, else nil.
    TIntList* GetCellImages(int ACol, int ARow);
    // The key image cells sort by: the bitmap's (icon's) identity,
    // CellIndex of an image-list cell, -1 for other cells.
    qint64 GetImageSortKey(int ACol, int ARow);
    // The base cell of the cell's merged range holds a graphic of one of these kinds.
    bool CellTypeInSet(int ACol, int ARow, Set<TCellType> Types);
    // The state lives in the cell text or the row selection.
    bool HasDataGraphic(int ACol, int ARow);
    // A check box, radio or button (not a bit button): no text editor opens there.
    bool HasControlGraphic(int ACol, int ARow);
    bool IsClickControlCell(int ACol, int ARow) { return HasControlGraphic(ACol, ARow); }
    // The expand button of a ctExpand cell, empty elsewhere.
    TRect GetExpandRect(int ACol, int ARow);
    // ACol is a display column: where the painter last drew the cell's button.
    TRect GetButtonRect(int ACol, int ARow);

    // Decorations (ProStringGridDecorations.cpp). Adders replace the cell's
    // graphic, creators also make the object and own it, removers act only
    // on their own kind. Objects handed in stay the caller's.
    void AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    TBitmap* CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val);
    TBitmap* GetBitmap(int ACol, int ARow);
    bool HasBitmap(int ACol, int ARow) { return GetBitmap(ACol, ARow) != nullptr; }
    void RemoveBitmap(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctBitmap); }
    void AddPicture(int ACol, int ARow, TPicture* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                    TCellHAlign hal, TCellVAlign val);
    TPicture* CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                            TCellHAlign hal, TCellVAlign val);
    TPicture* GetPicture(int ACol, int ARow);
    bool HasPicture(int ACol, int ARow) { return GetPicture(ACol, ARow) != nullptr; }
    void RemovePicture(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctPicture); }
    void AddFilePicture(int ACol, int ARow, TFilePicture* AFilePicture, bool Transparent, TStretchMode StretchMode,
                        int Padding, TCellHAlign hal, TCellVAlign val);
    TFilePicture* CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                    TCellHAlign hal, TCellVAlign val);
    TFilePicture* GetFilePicture(int ACol, int ARow);
    void RemoveFilePicture(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctFilePicture); }
    void AddIcon(int ACol, int ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val);
    TIcon* CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val);
    void RemoveIcon(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctIcon); }
    // The image-list adders do nothing without GridImages.
    void AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    bool GetImageIdx(int ACol, int ARow, int& idx);
    // No repaint.
    void SetImageIdx(int ACol, int ARow, int Idx);
    void RemoveImageIdx(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctImageList); }
    // An empty cell text becomes the index.
    void AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    bool HasDataImage(int ACol, int ARow);
    // Empties the cell text with the image.
    void RemoveDataImage(int ACol, int ARow);
    // Dir 0 lays the images side by side; fill the list of GetCellImages.
    void AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val);
    void RemoveMultiImage(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctImages); }
    // Progress bars over 0..100 (AutoNumAlign right-aligns the cell).
    void AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor);
    void AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor, TColor BKTextColor);
    void AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                              TColor BKTextColor, const QString& Fmt, int Min, int Max);
    bool HasProgress(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctProgress}); }
    void RemoveProgress(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctProgress); }
    void AddProProgress(int ACol, int ARow, int Min, int Max);
    void RemoveProProgress(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctXPProgress); }
    void AddProgressPie(int ACol, int ARow, TColor Color, int Value);
    void SetProgressPie(int ACol, int ARow, int Value);
    void RemoveProgressPie(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctProgressPie); }
    void AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor, bool ShowValue);
    void RemoveRangeIndicator(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRangeIndicator); }
    void AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor);
    bool HasRating(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctRating}); }
    void RemoveRating(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRating); }
    // Comments in ControlLook.CommentColor or a colour of their own.
    void AddComment(int ACol, int ARow, const QString& Comment);
    void AddColorComment(int ACol, int ARow, const QString& Comment, TColor Color);
    bool IsComment(int ACol, int ARow, QString& Comment);
    QString GetComment(int ACol, int ARow);
    // A cell holding another graphic keeps it and gets no comment.
    void SetComment(int ACol, int ARow, const QString& Value);
    void RemoveComment(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctComment); }
    void RemoveAllComments();
    void AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor, TCellHAlign hal,
                  TCellVAlign val);
    // No repaint.
    void SetShapeColor(int ACol, int ARow, TColor FillColor);
    // clNone without a shape.
    TColor GetShapeColor(int ACol, int ARow);
    void RemoveShape(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctShape); }
    // Marks characters ErrPos .. ErrPos + ErrLen - 1 on any graphic, or on a
    // new ctEmpty graphic.
    void AddMarker(int ACol, int ARow, int ErrPos, int ErrLen);
    // (0, 0) without a graphic.
    void GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen);
    // A ctEmpty graphic goes; any other keeps its kind.
    void RemoveMarker(int ACol, int ARow);
    void RemoveAllMarkers();
    // Buttons: bw x bh pixels.
    void AddButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal, TCellVAlign val);
    void AddBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TBitmap* Glyph, TCellHAlign hal,
                      TCellVAlign val);
    TBitmap* CreateBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal,
                             TCellVAlign val);
    bool HasButton(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctButton, ctBitButton}); }
    // ACol is a display column; any graphic takes the caption.
    void SetButtonText(int ACol, int ARow, const QString& Caption);
    QString GetButtonText(int ACol, int ARow);
    // ACol is a display column: the button is drawn pushed.
    void PushButton(int ACol, int ARow, bool Push);
    void RemoveBitButton(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctBitButton); }
    void RemoveButton(int ACol, int ARow);
    void RemoveAllButtons();
    // Expand buttons switch the row between its present and ExpandedHeight.
    void AddExpand(int ACol, int ARow, int ExpandedHeight);
    bool HasExpand(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctExpand}); }
    void RemoveExpand(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctExpand); }
    // The new state; False without a graphic.
    bool ToggleExpand(int ACol, int ARow);
    bool GetExpandState(int ACol, int ARow);
    // DefaultRowHeight without a graphic.
    int GetExpandHeight(int ACol, int ARow, bool Expanded);
    // Cell scroll bars: page 0, range 100, position 0.
    void AddScrollBar(int ACol, int ARow, bool AutoRange);
    bool HasScrollBar(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctScrollbar}); }
    void RemoveScrollBar(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctScrollbar); }
    bool HasAutoRangeScrollBar(int ACol, int ARow);
    void SetScrollPosition(int ACol, int ARow, int Pos);
    // -1 without a scroll bar.
    int GetScrollPosition(int ACol, int ARow);
    void SetScrollProp(int ACol, int ARow, TScrollProp Prop);
    // (-1, -1) without a scroll bar.
    TScrollProp GetScrollProp(int ACol, int ARow);
    // A check box or radio button carries the balloon; a cell with another
    // graphic gets none.
    void AddBalloon(int ACol, int ARow, const QString& Title, const QString& Text, TBalloonIcon Icon);
    bool IsBalloon(int ACol, int ARow, QString& Title, QString& Text, TBalloonIcon& Icon);
    // ctBalloon cells only.
    bool HasBalloon(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctBalloon}); }
    void RemoveBalloon(int ACol, int ARow);
    // AObject (not owned) may implement ICellInterface.
    void AddInterfacedCell(int ACol, int ARow, TPersistent* AObject);
    TPersistent* GetInterfacedCell(int ACol, int ARow);
    void RemoveInterfacedCell(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctInterface); }
    // Text drawn at AAngle degrees; the cell text becomes s.
    void AddRotated(int ACol, int ARow, int AAngle, const QString& s);
    // Any graphic the cell holds becomes ctRotated.
    void SetRotated(int ACol, int ARow, int AAngle);
    bool IsRotated(int ACol, int ARow, int& aAngle);
    void RemoveRotated(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRotated); }

    // Check boxes and radio buttons (ProStringGridCheck.cpp). A data check
    // box keeps its state in the cell text: checked when it equals
    // GetCheckTrue exactly. The state operations find the graphic by real row.
    // Raise "Invalid cell" for a cell outside the grid.
    void AddCheckBox(int ACol, int ARow, bool State, bool Data);
    void AddCheckBox(int ACol, int ARow, TCheckBoxState State);
    // From row 0 with MouseActions.CheckAllCheck, else from FixedRows:
    // node rows get three-state boxes, summary rows none.
    void AddCheckBoxColumn(int ACol, bool DefaultState = false, bool DataCheckBox = false);
    void AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State);
    void RemoveCheckBox(int ACol, int ARow);
    void RemoveCheckBoxColumn(int ACol);
    bool HasCheckBox(int ACol, int ARow);
    bool HasDataCheckBox(int ACol, int ARow);
    // False for a cell without a check box (State untouched).
    bool GetCheckBoxState(int ACol, int ARow, bool& State);
    bool GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State);
    bool IsChecked(int ACol, int ARow);
    // No event.
    bool SetCheckBoxState(int ACol, int ARow, bool State);
    bool SetCheckBoxState(int ACol, int ARow, TCheckBoxState State);
    // ARow is a display row; OnCheckBoxChange fires when the state changes.
    bool ChangeCheckBoxState(int ACol, int ARow, bool Value);
    void CheckAll(int ACol);
    void UnCheckAll(int ACol);
    bool ToggleCheckBox(int ACol, int ARow) { return ToggleCheck(ACol, ARow, false); }
    // FromClick asks CanEditCell unless ControlLook.CheckAlwaysActive; with
    // Grouping.AutoCheckGroup a node's children follow and a child's node
    // shows whether they agree.
    virtual bool ToggleCheck(int ACol, int ARow, bool FromClick);
    static TCheckBoxState BoolToCheckBoxState(bool bChecked) { return bChecked ? cbChecked : cbUnchecked; }
    // The whole cell counts unless MouseActions.PreciseCheckBoxCheck.
    bool IsInCheckBox(int ACol, int ARow, int XPos, int YPos);
    void AddRadioButton(int ACol, int ARow, bool State = false);
    void AddRadioButtonColumn(int ACol);
    void RemoveRadioButton(int ACol, int ARow);
    void RemoveRadioButtonColumn(int ACol);
    bool HasRadioButton(int ACol, int ARow);
    bool IsRadioButtonChecked(int ACol, int ARow);
    // The other buttons of the column are not touched.
    bool SetRadioButtonState(int ACol, int ARow, bool State);
    void SetRadioButtonColumnIndex(int ACol, int Index);
    // -1 when none is checked.
    int GetRadioButtonColumnIndex(int ACol);
    // Checks the button and unchecks the rest of the column.
    virtual bool ToggleRadio(int ACol, int ARow, bool FromClick);
    // Radio groups: DirRadio other than 0 lays the options side by side;
    // sl stays the caller's.
    void AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStrings* sl);
    // The list belongs to the graphic; fill it.
    TStrings* CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio);
    bool GetRadioIdx(int ACol, int ARow, int& IdxRadio);
    // -1 also empties the cell text.
    bool SetRadioIdx(int ACol, int ARow, int IdxRadio);
    TStrings* GetRadioStrings(int ACol, int ARow);
    bool IsRadio(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctRadio}); }
    void RemoveRadio(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRadio); }
    // Steps to the next option (wrapping) and writes it into the cell.
    void SelectNextRadio(int ACol, int ARow, bool FromKey);
    // Removes the rows (footers included) whose check box in CheckBoxColumn
    // is checked (RemoveChecked) or not.
    void RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked);

    // Row outline nodes (ProStringGridNodes.cpp). A node in column 0 covers
    // a span of rows (its own included; 0: up to the next node);
    // contracting hides them. AddNode, ExpandNode, ContractNode,
    // RemoveNode, InsertChildRow, RemoveChildRow, InsertNormalRow and
    // MarkSummaryRow take real rows; the queries and SetNodeState display rows.
    void AddNode(int ARow, int Span);
    void MarkSummaryRow(int ARow);
    void RemoveNode(int ARow);
    void RemoveAllNodes();
    bool IsNode(int ARow);
    bool IsSummary(int ARow);
    // True: contracted.
    bool GetNodeState(int ARow);
    void SetNodeState(int ARow, bool Value);
    // -1 for a row without a node.
    int GetNodeLevel(int ARow);
    int GetNodeSpan(int ARow);
    void SetNodeSpan(int ARow, int Span);
    void UpdateNodeSpan(int ARow, int Delta);
    int GetSubNodeCount(int ARow);
    void UpdateSubNodeCount(int ARow, int Delta);
    // For the tree lines: 0 a node row, 1 the last row of a span, 2 a row
    // the level goes on after.
    int GetNodeSpanType(int ARow);
    // With CellNode.ExpandOne every other expanded node contracts first.
    void ExpandNode(int ARow);
    void ContractNode(int ARow);
    void ExpandAll();
    void ContractAll();
    // The node row holding ARow; -1 outside every node.
    int GetParentRow(int ARow);
    // A new row in the node holding ARow; on a node row with InsertAt 0
    // it goes right below and takes the node row's texts.
    void InsertChildRow(int ARow, int InsertAt);
    void RemoveChildRow(int ARow);
    void InsertNormalRow(int ARow);
    void RemoveNormalRow(int ARow);
    // X in client coordinates; True everywhere without MouseActions.PreciseNodeClick.
    bool IsInNodeButton(int ARow, int X);
    bool IsInNodeGlyph(int ARow, int X) { return IsInNodeButton(ARow, X); }
    int NumNodes() const { return FNumNodes; }
    int GetNodeIndent(int ARow) override;

    // Grouping (ProStringGridGroup.cpp). Each run of equal texts in the
    // group column gets a header row (a node) and, with Grouping.Summary,
    // a summary row after it; the group column goes and UnGroup puts it back.
    // Refused for a column left of the fixed columns and for column 0.
    virtual void Group(int Colindex);
    virtual void UnGroup();
    virtual void SubGroup(int Colindex);
    virtual void SubUnGroup(int Colindex);
    // Writes one aggregate per expanded group into its header (or summary)
    // row: 1 sum, 2 average, 3 minimum, 4 maximum, 5 count, 6 OnGroupCalc,
    // 7 distinct count, 8 standard deviation.
    void GroupCalc(int Colindex, int Method);
    // These also set the floating footer's calculation while it shows.
    void GroupSum(int Colindex);
    void GroupAvg(int Colindex);
    void GroupMin(int Colindex);
    void GroupMax(int Colindex);
    void GroupCount(int Colindex);
    void GroupCustomCalc(int Colindex) { GroupCalc(Colindex, 6); }
    void GroupDistinct(int Colindex) { GroupCalc(Colindex, 7); }
    void GroupStdDev(int Colindex) { GroupCalc(Colindex, 8); }
    bool IsGrouping() const { return FIsGrouping; }

    // Calculations and selection (ProStringGridCalc.cpp). A row of -1
    // stands for the first (last) data row. Non-numbers are skipped, except
    // where said; node and summary rows of a grouped grid and covered cells
    // of merged ranges do not count; footer rows never. A range past the
    // shown data rows reaches into the hidden rows (real rows then).
    double ColumnSum(int ACol, int FromRow, int ToRow);
    // Divides by the number of rows in the range; 0 for an empty range.
    double ColumnAvg(int ACol, int FromRow, int ToRow);
    // Start from the cell at FromRow whatever it holds (a non-number
    // raises); 0 for an empty range.
    double ColumnMin(int ACol, int FromRow, int ToRow);
    double ColumnMax(int ACol, int FromRow, int ToRow);
    // Population deviation over every shown row of the range; a non-number
    // raises; 0 for an empty range.
    double ColumnStdDev(int ACol, int FromRow, int ToRow);
    // Distinct texts, case ignored; an empty text counts once.
    double ColumnDistinct(int ACol, int FromRow, int ToRow);
    // OnColumnCalc (OnGroupCalc); 0 without a handler.
    double ColumnCustomCalc(int ACol, int FromRow, int ToRow);
    double GroupCustomCalc(int ACol, int FromRow, int ToRow);
    double RowSum(int ARow, int FromCol, int ToCol);
    double RowAvg(int ARow, int FromCol, int ToCol);
    double RowMin(int ARow, int FromCol, int ToCol);
    double RowMax(int ARow, int FromCol, int ToCol);
    void SelectCells(int FromCol, int FromRow, int ToCol, int ToRow);
    // Cells joined by Tab, rows by CR LF.
    QString SelectedText();
    // Running numbers into a column's data rows (a row's data columns).
    void AutoNumberCol(int ACol);
    void AutoNumberRow(int ARow);
    int AutoNumberStart() const { return FAutoNumberStart; }
    void SetAutoNumberStart(int Value) { FAutoNumberStart = Value; }
    int AutoNumberOffset() const { return FAutoNumberOffset; }
    void SetAutoNumberOffset(int Value) { FAutoNumberOffset = Value; }
    TSortDirection AutoNumberDirection() const { return FAutoNumberDirection; }
    void SetAutoNumberDirection(TSortDirection Value) { FAutoNumberDirection = Value; }

private:
    // Graphics, check boxes, nodes, grouping and calculations
    TCellGraphic* GraphicByRealRow(int ACol, int ARow);
    TCellGraphic* BaseGraphic(int ACol, int ARow);
    TCellGraphic* NodeGraphic(int ARow);
    void DoExpandNode(int ARow);
    // ACol -1 colours the row.
    void ApplyGroupColors(int ACol, int ARow, bool Header);
    // Whether a column range reaches into hidden rows, and the range to walk.
    bool CalcRange(int& FromRow, int& ToRow);
    bool CountsInCalc(int ACol, int R, bool AllRows, TIntList*& Hidden);
    double CalcValue(int ACol, int R, bool AllRows);
    // The minimum, or with Largest the maximum.
    double ColumnExtreme(int ACol, int FromRow, int ToRow, bool Largest);
    double RowExtreme(int ARow, int FromCol, int ToCol, bool Largest);

    std::unique_ptr<TCellGraphic> FRowCheckGraphic;
    // Set while a node contracts: the current cell may leave the rows.
    bool FForceSel = false;
    bool FIsGrouping = false;
    QString FGroupCaption;
    QString FGroupFooter;
    int FGroupWidth = 0;
    int FAutoNumberStart = 0;
    int FAutoNumberOffset = 0;
    TSortDirection FAutoNumberDirection = sdAscending;

public:
    // Cell drawing (ProStringGridPaint.cpp: the look of a cell and the
    // steps of its content; ProStringGridPaintText.cpp: its text;
    // ProStringGridPaintParts.cpp: check boxes, radio groups, the sort
    // indicator, borders and the background picture)
    // The look a cell is painted with. Print: the print fonts and colours;
    // Select: the selection colours apply; Remap: ACol is a display column.
    void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                             TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                             TFont* AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                             TCellGradientDirection& GD) override;
    // The fixed font or the grid's, then the cell properties of real column
    // RCol, then GetCellColor.
    void GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState& AState, TFont* AFont, TBrush* ABrush,
                           bool Remap);
    // Percent of C1 over C2, each channel rounded half to even: C1 from
    // 100 on, C2 below 1; the set one when the other is clNone.
    static TColor MixColor(TColor C1, TColor C2, int Percent);
    static TColor MixColorIf(TColor C1, TColor C2, bool Mix, int Percent)
    {
        return Mix ? MixColor(C1, C2, Percent) : C1;
    }
    static int LimitPercent(int X) { return X < 0 ? 0 : X > 100 ? 100 : X; }
    // A check box of Style in ARect. State counts with IsTriState only;
    // Grayed shows the third state of a two-state box.
    void DrawCheck(TCanvas* ACanvas, const TRect& ARect, bool Checked, TCheckBoxState State, bool IsTriState,
                   ProGrid::TControlStyle Style, bool Grayed, bool Enabled);
    // One radio glyph with its option text per option, side by side or one
    // per line. The checked option is Index, or with Index -1 the option
    // equal to CellText. Scale serves printing.
    void DrawRadioGroup(TCanvas* ACanvas, const TRect& ARect, TStrings* Options, int Index, const QString& CellText,
                        bool SideBySide, bool Enabled, bool Selected, double Scale = 1.0);
    // The sort direction (or the sort position of ACol) around (X, Y).
    void DrawSortIndicator(TCanvas* ACanvas, int ACol, int Y, int X);
    // R (deflated by 2) moved to the start point of Text turned by Angle
    // degrees in the canvas's font, placed by HAlign and VAlign.
    void CalcRotatedTextRect(TRect& R, int Angle, const QString& Text, TAlignment HAlign, TVAlignment VAlign);
    // The borders GetCellBorder (or, printing, GetCellPrintBorder) asks for.
    void DrawCellBorders(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, bool Print = false);
    // The BackGround picture or gradient in a cell, or in an area outside
    // the cells.
    void DrawCellBackgroundFixed(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect);
    void DrawCellBackgroundTiled(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect);
    void DrawCellBackgroundGradient(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect);
    void PaintBackgroundFixed(TCanvas* ACanvas, const TRect& ARect);
    void PaintBackgroundTiled(TCanvas* ACanvas, const TRect& ARect);
    // Pictures of mini-markup image tags; cleared when it is freed.
    TPictureContainer* PictureContainer() const { return FPictureContainer; }
    void SetPictureContainer(TPictureContainer* Value);
    THTMLPictureCache* ImageCache() const { return FImageCache.get(); }

    // Looks, styles and colour tones (ProStringGridLooks.cpp)
    // A preset look; setting the current one changes nothing.
    void SetLook(TGridLook Value);
    virtual void SetStyle(TProGridStyle AStyle);
    // The shared style: SetStyle with the same ordinal, then the editors.
    void SetComponentStyle(TQLXStyle AStyle) override;
    TQLXStyle ComponentStyle() const { return FComponentStyle; }
    // The flat look of the tones: classic, flat and metro scroll strips.
    void SetColorTones(const TColorTones& ATones) override;
    const TColorTones& ColorTones() const { return FColorTones; }
    void SetTheme(TXPColorScheme Scheme);
    // Adopts the office colour scheme when it changed since the last time.
    void ApplyOfficeTheme();
    // Hands a style to the drop-down editors that exist.
    virtual void ApplyEditorStyle(TQLXStyle AStyle);
    // Hands colour tones to the editors and drop-downs that exist.
    virtual void ApplyEditorTones(const TColorTones& ATones);
    // "glXP" and kin; empty for glCustom.
    static QString LookToString(TGridLook Look);
    // "Windows XP" and kin; empty for glCustom.
    static QString LookToCaption(TGridLook Look);

    // Footer calculation, stretching and sizing (ProStringGridSizing.cpp)
    void StretchRightColumn() { StretchColumn(ColCount() - 1); }
    // Repaints the footer panel.
    void UpdateFooter();
    TColor ArrowColor() const;
    // Colours all four move arrows.
    void SetArrowColor(TColor Value);
    void SetBackGround(TBackGround* Value);

    // Auto-sizing, fitting and swapping (ProStringGridAutoSize.cpp).
    // Columns and rows are display indexes; sizes stay within
    // MinColWidth..MaxColWidth (MinRowHeight..MaxRowHeight) unless the two
    // limits are equal, and a padding of 0 adds nothing.
    // Every column and row grows to its widest and tallest cell; columns
    // start from 0 unless SizeGrowOnly.
    void AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY);
    // The widest content of the column's rows (ColumnSize.Rows) with the
    // text inset and the lines, then Padding.
    void AutoSizeCol(int ACol, int Padding = 0);
    // AutoSizeCol for every column (the normal ones without DoFixedCols).
    void AutoSizeColumns(bool DoFixedCols, int Padding = 0);
    void AutoSizeRow(int ARow, int Padding = 0);
    // By content with WordWrap, else by the number of lines.
    void AutoSizeRows(bool DoFixedRows, int Padding = 0);
    // Scales the columns to fill the control's width; a remainder goes to
    // the widest. Columns all 0 wide share the width evenly.
    void AutoFitColumns(bool DoFixedCells = true);
    // The workers of AutoSizeCol and AutoSizeRow.
    void SizeColumnToContent(int ACol, bool GrowOnly);
    void SizeRowToContent(int ARow, bool GrowOnly);
    // The client area takes the size of all columns (rows).
    void SizeToCols();
    void SizeToRows();
    void SizeToCells();
    // Exchanges two columns (rows) with their cells, sizes and cell
    // controls; the sort column follows its data.
    void SwapColumns(int ACol1, int ACol2);
    void SwapRows(int ARow1, int ARow2);

    // Scroll bars (ProStringGridScroll.cpp)
    // Proportional thumbs for the window's bars.
    void UpdateProportionalHorz();
    void UpdateProportionalVert();
    // The cell scroll bar and the cell it serves.
    TScrollBar* CellScrollBar() const { return FScrollBar; }
    int ScrollCol() const { return FScrollCol; }
    int ScrollRow() const { return FScrollRow; }
    void SetScrollCell(int ACol, int ARow)
    {
        FScrollCol = ACol;
        FScrollRow = ARow;
    }
    // The painted strips of ssMetro; nil otherwise.
    TScrollControl* VertScrollControl() const { return FVScrollControl; }
    TScrollControl* HorzScrollControl() const { return FHScrollControl; }
    // The window of the thumb-drag hint; nil while none shows.
    THTMLHintWindow* ScrollHintWindow() const { return FScrollHintWnd; }

    // Surface, text measurement and notifications (ProStringGridSurface.cpp)
    // The alignment a cell's text takes: defaults, numbers to the right,
    // the cell's own, then GetCellAlignment.
    void CalcCellAlignment(int ACol, int ARow, TAlignment& HA, TVAlignment& VA);
    // The size the text of real column ACol needs. VS: room for a
    // vertical scroll bar; SB: wrapped in the cell's width.
    TSize GetCellTextSize(int ACol, int ARow, bool VS = false, bool SB = false);
    void CellTextExtent(int ACol, int DisplCol, TSize& Size, bool VS, bool SB, int ARow);
    // The dotted line of a column (row) being sized; drawn twice it is gone.
    void DrawSizeLineX(int X);
    void DrawSizeLineY(int Y);
    // The look's frame over the border.
    void PaintBorder();
    void PaintBackgroundOutsideCells();
    // A cell holding rich text, drawn into Rect of Canvas.
    void DrawRichCell(int ACol, int ARow, const TRect& Rect, TCanvas* Canvas);

    // Balloon tool tips (ProStringGridBalloon.cpp)
    void BalloonInit();
    void BalloonDone();
    // The balloon window while the balloons are set up; nil otherwise.
    THintWindow* BalloonWindow() const { return FBalloonWnd; }
    // Shows the balloon of the cell under client point P; hides it
    // over no cell.
    void ShowBalloon(TPoint P);
    // What the last balloon showed (its title after the cut) and its cell.
    const QString& BalloonTitle() const { return FBalloonTitle; }
    const QString& BalloonText() const { return FToolTipBuffer; }
    int BalloonIcon() const { return FBalloonIcon; }
    TPoint LastBalloonPos() const { return FLastBalloonPos; }

    // In-place editing (ProStringGridEditing.cpp). Columns are display
    // columns unless a name says real. The text kinds edit in NormalEdit;
    // the other kinds in the grid's editor controls
    // (ProStringGridEditors.cpp). Every edit ends the same way: the value
    // is validated (ValidateCell), written, and OnEditingDone fires at once
    // and OnEditCellDone once the event loop runs.
    // Editing is on (goEditing, RangeSelectAndEdit or the grid's own
    // switch) and the cell may be edited. Real column.
    bool IsEditable(int ACol, int ARow);
    // The base cell is not read-only, OnCanEditCell allows it, and it is
    // not fixed. Real column.
    bool IsEditableCell(int ACol, int ARow);
    // Validates the edited value of the cell where the edit started:
    // OnCellValidate (after the checker's correction), the cell written,
    // OnCellsChanged when it changed. A refusal writes back the old text
    // (or the handler's value) and reopens the editor there; the answer is
    // then False. Nothing pending: True at once.
    virtual bool ValidateCell(const QString& NewValue);
    // The same with OnCellValidateWide and the wide-text cell forms.
    virtual bool ValidateCellWide(const QString& NewValue);
    // Commits and hides the special editor of the current cell.
    void HideCellEdit();
    // Starts editing the current cell as F2 does.
    void ShowCellEdit();
    // Ends an edit after a key in an editor: the editor hides, Down on the
    // last row appends one with AppendOnArrowDown, Tab and the arrows go to
    // the grid's key handling and Return advances.
    void DoneInplaceEdit(int Key, TShiftState Shift);
    // OnEditingDone now; OnEditCellDone(ACol, ARow) when the posted
    // "GridEditDone" arrives. ACol is a real column.
    void EditingDone(int ACol, int ARow);
    void PostEditDone(int ACol, int ARow) { EditingDone(ACol, ARow); }
    // A left press and release 2 pixels inside the cell's top-left corner
    // through the platform's mouse handling, OnMouseDown and OnMouseUp
    // left out: opens the cell's editor as a click does.
    void SimulateCellClick(int ACol, int ARow);
    // An editor's value into a cell: the edit-text path, then the store.
    // Real column.
    void SetEditTextEx(int ACol, int ARow, const QString& Value);
    // The text the current cell had when the edit started, written back.
    void RestoreCurrentCell();
    // The current cell's text as the editors read it (display hooks).
    virtual QString GetCurrentCellText();
    // Writes through the edit-text path.
    virtual void SetCurrentCellEditText(const QString& Value);
    // The grid takes the focus (an editor leaves), AlwaysEdit off meanwhile.
    void TakeFocus();
    // The editors take Tab: goTabs, or a validation event is assigned.
    bool WantTabKey() const;
    // The cell's effective horizontal alignment (cell, default, event).
    TAlignment EffectiveAlignment(int ACol, int ARow);
    bool EditMode() const { return FEditMode; }
    // A special editor is shown.
    bool EditActive() const { return FEditActive; }
    TEditorType CurrentEditor() const { return FEditControl; }
    TEditorType EditControl() const { return FEditControl; }
    // The special editor control on screen; nil for the text kinds.
    TWinControl* EditCtrl() const { return FEditCtrl; }
    // False after a refused validation.
    bool LastValidation() const { return FLastValidation; }
    // The value as the last validation accepted (or corrected) it.
    const QString& NewCellText() const { return FNewCellText; }
    // The current cell's text when the edit started.
    const QString& CellCache() const { return FCellCache; }
    // The default text editor; nil before the first edit.
    TProInplaceEdit* NormalEdit() const;
    bool AlwaysValidate() const { return FAlwaysValidate; }
    void SetAlwaysValidate(bool Value) { FAlwaysValidate = Value; }
    // The current cell changed through an editor.
    bool Modified() const { return FCellModified; }
    void SetModified(bool Value) { FCellModified = Value; }
    // A validated value changed a cell.
    bool GridModified() const { return FGridModified; }
    void SetGridModified(bool Value) { FGridModified = Value; }
    // Row height for Lines lines of the row's font (the cell colour hook's
    // for its first normal cell) plus Offset, within the row limits.
    void SizeRowToLines(int ARow, int Lines, int Offset);
    // The character whose typing opened the editor; posted to it.
    QChar StartEditChar() const { return FStartEditChar; }
    // The mask of the text editor; OnGetEditMask may change it per cell.
    const QString& EditMask() const { return FEditMask; }
    void SetEditMask(const QString& Value) { FEditMask = Value; }
    // The notice of a refused value (InvalidEntryTitle, InvalidEntryText)
    // is shown on the editor.
    bool RefusalShown() const;

    // Special editors (ProStringGridEditors.cpp)
    // Shows, places, fills and focuses the control of the cell's kind.
    virtual void ShowEditControl(int ACol, int ARow);
    // Writes the control's value into the cell and hides it.
    virtual void HideEditControl(int ACol, int ARow);
    TGridCombo* Combobox() const { return FEditCombo; }
    TGridCombo* UniCombo() const { return FEditCombo; }
    TGridEditBtn* BtnEdit() const { return FEditBtn; }
    TGridUnitEditBtn* BtnUnitEdit() const { return FUnitEditBtn; }
    TGridButton* Btn() const { return FGridButton; }
    TGridCheckBox* EditCheck() const { return FEditCheck; }
    // Made on first read.
    TGridSpin* SpinEdit();
    TGridDatePicker* DateTimePicker();
    TGridDateTimePicker* DateAndTimePicker();
    TProRichEdit* InplaceRichEdit();
    // The hidden rich edit that renders rich-text cells.
    TProRichEdit* RichEdit();
    // The application's editor of edCustom cells; not owned.
    TEditLink* EditLink() const { return FEditLink; }
    void SetEditLink(TEditLink* Value);
    // The combo's items, shared by every combo cell.
    void ClearComboString();
    void AddComboString(const QString& S);
    void AddComboStringObject(const QString& S, TObject* AObject);
    // False when S is no item.
    bool RemoveComboString(const QString& S);
    // The item shown for a cell whose text is no item; False (and no
    // change) when S is no item.
    bool SetComboSelectionString(const QString& S);
    void SetComboSelection(int Idx) { FComboIdx = Idx; }
    int ComboSelection() const { return FComboIdx; }
    int GetComboCount() const;
    // After OnGetEditorProp for the cell: the index of its text among the
    // items, -1 when absent (real column).
    int GetComboIndex(int ACol, int ARow);
    void SetComboIndex(int ACol, int ARow, int Value);
    void DoUnitChanged(TObject* Sender, const QString& NewUnit);
    bool IsPasswordCellFunc(int ACol, int ARow);
    // Rich-text cells: one character per byte of the RTF text. Real column.
    void CellToRich(int ACol, int ARow, TCustomRichEdit* RichEditor);
    void RichToCell(int ACol, int ARow, TCustomRichEdit* RichEditor);
    QString RichToString(TCustomRichEdit* RichEditor);
    // Set while a popup editor's form lost the focus by itself.
    bool InvokedFocusChange() const { return FInvokedFocusChange; }
    void SetInvokedFocusChange(bool Value) { FInvokedFocusChange = Value; }

    // Drop-down editors (ProStringGridDropDowns.cpp). Each is made on first
    // read, owned by the grid and invisible between edits.
    TGridTrackbarDropDown* TrackbarDropDown();
    TGridMemoDropDown* MemoDropDown();
    TGridCalculatorDropDown* CalculatorDropDown();
    TGridTimepickerDropDown* TimePickerDropDown();
    TGridDetailPickerDropDown* DetailPickerDropDown();
    TGridGridDropDown* GridDropDown();
    TGridImageDropDown* ImagePickerDropDown();
    TGridColorDropDown* ColorPickerDropDown();

    // The grid drop-down editor (GridProGridDropDown.cpp), made on first
    // read like the others.
    TGridProGridDropDown* ProGridDropDown();

    // Advancing the edit cell, key press, Tab walk (ProStringGridAdvance.cpp)
    // Moves the current cell on from (ACol, ARow) in AdvanceDirection;
    // nothing unless AdvanceOnEnter or Force. Stops after one pass over
    // the cells when none may be edited.
    void AdvanceEdit(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool Recursing, bool DoEdit);
    // The Tab walk of the grid and its editors; False when the Tab was
    // passed on to the parent window.
    bool TabNavigate(bool Backward);
    bool TabToNextCell(bool Backward) { return TabNavigate(Backward); }
    bool CanSelectTabCell(int ACol, int ARow);
    // Appends a row (OnCanAddRow may refuse), then OnAutoAddRow.
    void AutoAddRow();
    // Starts editing the next edit or combo control of a markup cell after
    // the one with ID; the grid takes the focus when there is none.
    void EditNextCellControl(int ACol, int ARow, const QString& ID);
    const QString& SearchIncText() const { return FSearchInc; }
    // A typed character goes to the key-press search of the sort column;
    // a hit becomes the current row.
    void IncrementalSearch(QChar Key);

    // Form controls in cell markup (ProStringGridFormControls.cpp)
    // Opens the edit (EDIT, PASSWORD, MASK) or combo (COMBO) control over R;
    // other types do nothing. ARealCol is the cell's real column.
    void ControlStart(const QString& CellText, const QString& CtrlType, int ARow, int ARealCol, int ACol,
                      const TRect& R, const QString& CtrlVal, const QString& CtrlID);
    void StartControlEdit(const QString& CellText, const QString& CtrlType, int ARow, int ARealCol, int ACol,
                          const TRect& R, const QString& CtrlVal, const QString& CtrlID)
    {
        ControlStart(CellText, CtrlType, ARow, ARealCol, ACol, R, CtrlVal, CtrlID);
    }
    void ControlComboSelect(TObject* Sender);
    // Writes the open control's value into its tag and closes it.
    void ControlExit(TObject* Sender = nullptr);
    void ControlNext(int ACol, int ARow, const QString& ID) { EditNextCellControl(ACol, ARow, ID); }
    bool ControlEditing() const { return FCtrlEditing; }
    // The ID of the form control being edited.
    const QString& ControlID() const { return FCtrlID; }
    TControlEdit* ControlEdit() const { return FControlEdit; }
    TControlCombo* ControlCombo() const { return FControlCombo; }
    // The transparent editors of fixed cells.
    TGridTransEdit* TransEdit() const { return FTransEdit; }
    TGridTransCombo* TransCombo() const { return FTransCombo; }

    // Fixed-cell editing and the fixed drop-down button
    // (ProStringGridFixedEdit.cpp)
    // Opens the transparent edit or combo on display cell (ACol, ARow)
    // unless an open one refuses to stop or OnCanEditCell refuses; the
    // kind is FixedColsEditor or FixedRowsEditor, then OnFixedEdit's. The
    // cell's text changes when the edit is committed (Return, the focus
    // leaving), not when it is cancelled (Escape).
    void StartFixedCellEdit(int ACol, int ARow);
    void EditFixedCell(int ACol, int ARow) { StartFixedCellEdit(ACol, ARow); }
    // A fixed cell's editor is open.
    bool FixedEditing() const;
    // Commits an open fixed cell's editor (the grid takes the focus from
    // it); False when OnCellValidate refused and it stays open.
    bool EndFixedEdit();
    // X lies on the drop-down button of display cell (ACol, ARow): within
    // 16 pixels of its right edge (2 pixels short of it with goColSizing),
    // on a hover-highlighted fixed cell with ControlLook.FixedDropDownButton.
    bool OnFixedDropDownButton(int ACol, int ARow, int X);

private:
    // A press on the drop-down button pops up the menu; True when it did.
    bool PressFixedDropDown(int X, int Y);
    // A press that opens a fixed cell's editor (fceLeftClick, fceRightClick).
    bool PressFixedEdit(TMouseButton Button, int X, int Y);
    // The hover of fixed cells is held: the drop-down menu is open, or its
    // handler kept the cell highlighted.
    bool FNoMouseLeave = false;

private:
    // Auto-sizing (ProStringGridAutoSize.cpp)
    int HorzPadding() const;
    int VertPadding() const;
    void PadColumn(int ACol, int Padding);
    void PadRow(int ARow, int Padding);
    bool AllRowsVisible() const;

protected:
    friend class TProInplaceEdit;
    friend class TGridCombo;
    friend class TGridSpin;
    friend class TGridEditBtn;
    friend class TGridUnitEditBtn;
    friend class TGridCheckBox;
    friend class TGridButton;
    friend class TGridDatePicker;
    friend class TGridDateTimePicker;
    friend class TGridDropDownKeys;
    friend class TEditLink;
    friend class TProRichEdit;
    friend class TControlEdit;
    friend class TControlCombo;
    friend class TGridTransEdit;
    friend class TGridTransCombo;
    friend class TFooterPanel;

    TInplaceEdit* CreateEditor() override;
    bool CanEditShow() override;
    bool SelectCell(int ACol, int ARow) override;
    QString GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const QString& Value) override;
    QString GetEditMask(int ACol, int ARow) override;
    int GetEditLimit() override { return FMaxEditLength; }
    void KeyPress(QChar& Key) override;
    void WMChar(TWMKey& Message) override;
    void TopLeftChanged() override;
    void CellChanged(int ACol, int ARow) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    void WMGridEditDone(TMessage& Message);
    // Double click on a cell (ProStringGridDblClick.cpp): the platform's
    // handling, then OnDblClickCell for the cell under the mouse; on a
    // fixed cell with fceDblClick its editor opens.
    void WMLButtonDblClk(TWMMouse& Message) override;

public:
    // Files and streams (grid/features: one file per format). Writers take
    // the texts through SaveCell and readers store through LoadCell; the
    // readers end with CellsChanged and CellsLoaded.
    // CSV (GridCsv.cpp). Unicode writes UTF-8 with a byte-order mark, else
    // ANSI; readers take a byte-order mark, else ANSI. MaxRows <= 0 reads all.
    void SaveToCSV(const QString& FileName, bool Unicode = false);
    // Note: the file must exist.
    void AppendToCSV(const QString& FileName, bool Unicode = false);
    // Note: an empty file changes nothing; the grid is not cleared first.
    void LoadFromCSV(const QString& FileName, int MaxRows = -1);
    // Into new rows after the last one.
    void InsertFromCSV(const QString& FileName, int MaxRows = -1);
    void LoadFromCSVStream(TStream* AStream, int MaxRows = -1);

    // Text cell file, text cell stream, ASCII table and fixed-width text
    // (GridTextFiles.cpp). The file holds the size, the column widths and
    // one line per non-empty cell; Unicode writes UTF-16 with a mark, else
    // ANSI. Note: a corrupt file raises "File contains no data or corrupt
    // file" and leaves the grid as it was.
    void SaveToFile(const QString& FileName, bool Unicode = false);
    void LoadFromFile(const QString& FileName);
    // UTF-16 without a mark, cells relative to the save rectangle. The
    // reader stops at the first line that is not cell data and leaves the
    // stream there.
    void SaveToStream(TStream* Stream);
    void LoadFromStream(TStream* Stream);
    // Columns padded to their longest text, aligned as the cells are.
    void SaveToASCII(const QString& FileName, bool Unicode = false);
    void AppendToASCII(const QString& FileName, bool Unicode = false);
    // Positions: column widths in characters; missing ones are appended
    // (longest line + 1), so the list passed in grows.
    void SaveToFixed(const QString& FileName, TIntList* Positions);
    // Positions: 1-based character positions, sorted in place; the last
    // one ends the last field. MaxRows -1 reads all lines.
    void LoadFromFixed(const QString& FileName, TIntList* Positions, bool DoTrim = true, int MaxRows = -1);

    // Binary cell stream (GridCellStream.cpp): a rectangle of cells with
    // texts and cell properties as object-stream records. Rect is inclusive.
    // Note: a rectangle past column or row 65535 is refused before anything
    // is written.
    void SaveRectToBinStream(const TRect& Rect, TStream* Stream);
    void SaveToBinStream(TStream* Stream);
    void SaveToBinFile(const QString& FileName);
    // The first cell read goes to Point; a stream of the whole grid resizes
    // the grid. Note: the stream is parsed and checked first; a damaged one
    // raises EReadError and changes nothing.
    void LoadAtPointFromBinStream(const TPoint& Point, TStream* Stream);
    void LoadFromBinStream(TStream* Stream);
    void LoadFromBinFile(const QString& FileName);
    // This grid's number in the cell streams it writes, unique in the process.
    int StreamID();

    // Office documents and databases (GridOffice.cpp), through the
    // platform's automation service: workbooks (.xlsx, .xls read only),
    // documents (.docx) and Access databases (.mdb). A missing application
    // raises "Excel OLE server not found" or "Word OLE server not found";
    // files the service cannot open or write raise its EOleException.
    // The sheet names of a workbook; the list belongs to the caller.
    TStringList* GetXLSSheets(const QString& FileName);
    // The active sheet, or the last sheet of that name ("Excel worksheet
    // <name> not found" when none).
    void LoadFromXLS(const QString& FileName);
    void LoadFromXLSSheet(const QString& FileName, const QString& SheetName);
    // Into a new workbook, or, with CreateNewSheet False and a workbook open
    // in the running application, into its active sheet from the active
    // cell's row down.
    void SaveToXLS(const QString& FileName, bool CreateNewSheet = true);
    // Into the named sheet (added when missing) of the file, made when missing.
    void SaveToXLSSheet(const QString& FileName, const QString& SheetName);
    // The grid as a table at the start of a new or the active document.
    void SaveToDOC(const QString& FileName, bool CreateNewDocument = true);
    // The grid as a table at the bookmark, or after the last line.
    void AppendToDoc(const QString& FileName, const QString& Bookmark);
    void LoadFromMDBTable(const QString& FileName, const QString& Table);
    // Field names go into the last fixed row.
    void LoadFromMDBSQL(const QString& FileName, const QString& SQL);

    // Sorting (ProStringGridSort.cpp; the entries that are not virtual in
    // grid/features/GridSort.cpp). Rows are display rows, columns real ones;
    // hidden rows stay where they are. Rows change places in the cell store
    // in constant time, so a sort moves no texts.
    // SortSettings.Column := Column and Direction := Direction, then QSort.
    void Sort(int Column, TSortDirection Direction);
    // With more than one row: SortSettings.Column := Col, then QSort.
    void SortByColumn(int Col);
    // The normal rows by SortSettings.Column in SortSettings.Direction;
    // nothing while the column is -1. Clears SortIndexes.
    void QSort() override;
    // The normal rows by the SortIndexes keys in their order. Note: raises
    // "No indexes specified for indexed sort" without keys.
    void QSortIndexed() override;
    // The children of each expanded node of the deepest level, by
    // SortSettings.Column (by the SortIndexes keys).
    virtual void QSortGroup();
    virtual void QSortGroupIndexed();
    // Back to the order the rows had before the first sort.
    virtual void QUnSort();
    // Rows Left..Right (both included) without QSort's row, scroll and
    // footer handling.
    void QuickSort(int Col, int Left, int Right);
    void QuickSortIndexed(int Left, int Right);
    // One step of a bubble sort: exchanges the rows when they compare in the
    // direction of the last sort (equal rows before any sort); ties go to
    // the next column. True when they were exchanged.
    bool SortLine(int Col, int ARow1, int ARow2);
    // Exchanges two rows with their heights, modified and (with
    // MoveRowOnSort) selection flags and cross-reference entries; with
    // SortSettings.SingleColumn only the two cells of the sort column.
    virtual void SortSwapRows(int ARow1, int ARow2);
    // -1, 0 or 1: how cell ACol of ARow1 compares with that of ARow2 in the
    // column's sort style; empty cells follow IgnoreBlanks and BlankPos.
    // Counts in Compares.
    int CompareCells(int ACol, int ARow1, int ARow2, TSortDirection Direction);
    // The cross-reference: entry i is the row index row i had before the
    // rows were first sorted. InitSortXRef makes it 0..RowCount - 1.
    void InitSortXRef();
    TIntList* SortRowXRef() const { return FSortRowXRef.get(); }
    // The real row of the row that was at ARow before sorting.
    int SortedRowIndex(int ARow);
    // Where the row first at ARow is now; the cross-reference's length when
    // it is nowhere, ARow while nothing was sorted.
    int UnSortedRowIndex(int ARow);
    // Cell (i, row now holding the row first at j); j itself when none.
    QString GetUnSortedCell(int i, int j);
    void SetUnSortedCell(int i, int j, const QString& Value);
    // +1 or -1 by the direction of the last quicksort; 0 before any.
    int SortDir() const { return FSortDir; }
    // The current row at the start of a sort, followed through exchanges.
    int SortRow() const { return FSortRow; }
    // Cell comparisons and row exchanges so far.
    int Compares() const { return FCompares; }
    void SetCompares(int Value) { FCompares = Value; }
    int Swaps() const { return FSwaps; }
    void SetSwaps(int Value) { FSwaps = Value; }
    // The tick count of the last header-click sort.
    unsigned SortTime() const { return FSortTime; }
    void SetSortTime(unsigned Value) { FSortTime = Value; }

    // Filtering (ProStringGridFilter.cpp; the entries that are not virtual
    // in ProStringGridFilterLevels.cpp). A filter hides the failing rows as
    // one more level; removing a level shows them again in their places.
    // The row passes the Filter conditions, combined in collection order,
    // then OnCustomFilter.
    virtual bool MatchFilterRow(int ARow);
    // Hides the row when it fails the conditions.
    void FilterRow(int ARow);
    // Tests every normal row (node and summary rows only without
    // FilterNormalCellsOnly) and hides the failing ones as a new level.
    void ApplyFilter();
    // Shows the rows of the last level again. True while more than one
    // level remains.
    bool RemoveLastFilter();
    // Every level; without one the conditions are cleared instead.
    void RemoveAllFilters();
    // Narrows to the rows whose cell in AColumn (-1: any cell of the row)
    // contains ACondition, in any case: one character more adds a level,
    // one less removes the last one, anything else starts anew; an empty
    // text shows every row.
    void NarrowDown(const QString& ACondition, int AColumn);
    // Fills FilterList with the filter values of a column; True when it
    // holds any.
    virtual bool GetColumnFilter(int ACol);
    // Apply the choice in the single-choice (multi-choice) filter list of
    // the column whose list is open.
    virtual void FilterSelect(TObject* Sender, int ItemIndex);
    virtual void FilterCheck(TObject* Sender, int ItemIndex);
    // The text fcCalculated conditions test; here the displayed text.
    virtual QString GetFormulaCellText(int ACol, int ARow);
    int FilterColumn() const { return FFilterCol; }
    // The condition of the last NarrowDown.
    const QString& LastFilter() const { return FLastFilter; }

    // Search and the search bar (ProStringGridSearch.cpp; FindFirst,
    // FindNext, FindWide and Replace in grid/features/GridSearch.cpp).
    // The next cell after StartCell whose text holds s as FindParams ask;
    // (-1, -1) starts at the first (backwards the last) cell and comes back
    // when nothing more is found. The walk never wraps around.
    TPoint Find(TPoint StartCell, const QString& s, TFindParams FindParams);
    // The same on the wide texts.
    TPoint FindWide(TPoint StartCell, const QString& s, TFindParams FindParams);
    TPoint FindFirst(const QString& s, TFindParams FindParams);
    // Goes on from the last cell found with the last text and parameters.
    TPoint FindNext();
    // Replaces OrigStr by NewStr in every cell Find reaches, in any case
    // unless fnMatchCase; the number of cells changed.
    int Replace(const QString& OrigStr, const QString& NewStr, TFindParams FindParams);
    // The first row from FixedRows whose cell in the sort column (column
    // FixedCols without a shown sort) starts with s, in any case; -1 when
    // none. s comes upper-cased.
    int Search(const QString& s);
    // Copies SearchFooter into the search bar and lays it out.
    void UpdateSearchFooter();
    TSearchPanel* SearchPanel() const { return FSearchPanel; }
    bool FindBusy() const { return FFindBusy; }
    int FindCol() const { return FFindCol; }
    void SetFindCol(int Value) { FFindCol = Value; }
    int FindRow() const { return FFindRow; }
    void SetFindRow(int Value) { FFindRow = Value; }
    // The last cell found; (-1, -1) for none.
    TPoint SearchCell() const { return FSearchCell; }
    void SetSearchCell(TPoint Value) { FSearchCell = Value; }
    TFindParams FindParams() const { return FFindParams; }
    // A cell out of view becomes current and is centred as far as the
    // grid scrolls (ProStringGridMove.cpp); a visible cell changes nothing.
    void ScrollInView(int ColIndex, int RowIndex);
    // Moving rows and columns, zoom (ProStringGridMove.cpp). Cell
    // controls, sort settings and the cursor follow a moved column.
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);
    // Count rows from FromIndex go before row ToIndex.
    void MoveRows(int FromIndex, int ToIndex, int Count);
    // Selects the current cell again, so that editing follows it.
    void UpdateEditMode();
    // Changes the zoom by x steps; the zoom stays within -10 .. 10.
    void Zoom(int x);
    // The fixed cell whose editor's changes FixedEditChange reports.
    void SetFixedEditCell(int ACol, int ARow) { FFixedEditCell = TPoint{ACol, ARow}; }
    // OnEditChange for the fixed cell being edited, with the editor's text.
    void FixedEditChange(TObject* Sender);

    // Mouse move, hover, hints and sizing (ProStringGridMouseMove.cpp)
    // The row under the mouse with HoverRow; -1 when none.
    int HoverRowIndex() const { return FHoverRowIdx; }
    // The fixed cell under the mouse with HoverFixedCells; (-1, -1) when none.
    TPoint HoverFixedCell() const { return FHoverFixedCell; }
    // The fixed cell under the mouse with the list-view look.
    TPoint HotFixedCell() const { return FHotFixedCell; }
    // The cell whose cell or expand button is under the mouse; (-1, -1) when none.
    TPoint HoverButton() const { return FHoverButton; }
    // What a press on a header selects, as the mouse found it.
    TMouseSelectMode MouseSelectMode() const { return FMouseSelectMode; }
    // HoverFixedCells reaches the cell: fixed columns with hfAll or
    // hfFixedColumns, fixed rows with hfAll or hfFixedRows.
    bool IsHoverFixedCell(int ACol, int ARow) const;
    // Within 4 pixels of a column border in the fixed rows (goColSizing)
    // or 3 pixels of a row border in the fixed columns (goRowSizing).
    bool IsOnSizingBorder(int X, int Y) const;
    // The hint window of sizing and thumb drags shows.
    bool SizingHintShown() const { return FScrollHintShow; }
    // Window procedure, wheel and panning (ProStringGridWheel.cpp)
    // Middle-button panning is on; it started at PanOrigin (client).
    bool Panning() const { return FWheelPan; }
    TPoint PanOrigin() const { return FWheelPanPos; }
    // SelectCell on the current cell.
    void Select() { SelectCell(Col(), Row()); }
    // Row and column moving (ProStringGridMoveFeedback.cpp)
    // The drop column and row of the move in progress; -1 after a press.
    int MoveColInd() const { return FMoveColInd; }
    int MoveRowInd() const { return FMoveRowInd; }
    // The glowing frame around the cell a special editor edits, while
    // FocusHelper.Enabled (ProStringGridFocusFrame.cpp). Note: without a
    // compositor the frame's window shows opaque; hence off by default.
    void ShowFocusFrame(const TRect& R);
    // Back onto the current cell after a window moved.
    void MoveFocusFrame();
    void HideFocusFrame();
    // The frame's window; nil before the first frame.
    TGridFocusWindow* FocusWindow() const { return FFocusWindow; }

protected:
    // Hover, zones, sizing and the move feedback, then the platform's move.
    void MouseMove(TShiftState Shift, int X, int Y) override;
    // Clears the hover state and the select mode.
    void CMMouseLeave(TMessage& Message) override;
    // The hint of the cell under the mouse, through OnGridHint.
    void CMHintShow(TMessage& Message) override;
    // The platform's decision, then OnColumnSize and OnRowSize may veto.
    void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    // Swallowed while an enhanced move shows its cursor.
    void WMRButtonUp(TWMMouse& Message) override;

private:
    // Steps of a mouse move
    void HoverMove(int ACol, int ARow, int X, int Y);
    void HeaderSelectDrag(int ACol, int ARow, int X, int Y, bool& RowZone);
    void FixedSizingZones(int X, int Y, bool OnCell);
    bool SelectModeZones(int ACol, int ARow, int X, int Y, bool RowZone);
    bool LinkZone(int ACol, int ARow, int X, int Y);
    void SizingFeedback(int X, int Y);
    void ShowSizingHint(const QString& Text, TPoint Screen);
    void SetZoneCursor(TCursor Value);
    // The hint of the cell under client point P into Info.
    void CellHintInfo(THintInfo& Info);
    // The anchor of an HTML cell under client point (X, Y); empty when none.
    QString AnchorAt(int ACol, int ARow, int X, int Y, QString* Hint = nullptr, int* Index = nullptr);
    // The 500 ms timer's hover selection and blink.
    void HoverTick();
    void BlinkTick();
    TPoint FHotFixedCell{-1, -1};
    TPoint FHoverButton{-1, -1};
    TPoint FHoverCell{-1, -1};
    int FHoverLink = -1;
    QString FAnchor;
    QString FLastAnchorHint;
    TPoint FLastHintPos{-1, -1};
    TGridRect FSizeSelection{-1, -1, -1, -1};
    TGridRect FLastMoveSelection{-1, -1, -1, -1};
    // Armed by the hover on the border of a fixed column (row) that may be sized.
    bool FSizeFixed = false;
    bool FSizeFixedR = false;
    // Set by a press: a fixed column (row) sizing and its line's position,
    // and the row or column a header selection began at (-1 none).
    bool FSizingFixed = false;
    bool FSizingFixedR = false;
    int FSizeFixedX = 0;
    int FSizeFixedY = 0;
    // Steps of the window procedure (ProStringGridWheel.cpp); True when
    // the message is done.
    bool InputWndProc(TMessage& Message);
    void WheelMessage(TMessage& Message);
    // The wheel overrides' common steps.
    bool PlatformWheel(bool Down, TShiftState Shift, TPoint MousePos);
    void StartPanning(TPoint P);
    void StopPanning();
    void PanStep();
    void DrawPanMark();
    void ErasePanMark();
    void AnnounceSelection(const TGridRect& Before);
    TPoint FWheelPanPos;
    TCursor FPrevCursor = crDefault;
    // Steps of the move feedback (ProStringGridMoveFeedback.cpp)
    void MoveFeedback(int X, int Y);
    void EndMoveFeedback();
    bool MoveFeedbackShown() const;
    int FMoveRowInd = -1;
    TPoint FMovePress{-1, -1};
    bool FMoveStarted = false;
    TGridFocusWindow* FFocusWindow = nullptr;

public:

    // Highlighting and cell checking (ProStringGridSearch.cpp for what the
    // search bar uses, grid/features/GridHighlight.cpp for the rest).
    // Occurrences of a text get the tag "hi" (Hilight) or "e" (Mark) around
    // them; cells that do not hold the text are left as they are. Without
    // DoFixed only the normal cells. Columns are store columns, in which
    // hidden columns follow the shown ones.
    static QString HilightText(bool DoCase, const QString& S, const QString& Text);
    static QString UnHilightText(const QString& S);
    static QString MarkText(bool DoCase, const QString& S, const QString& Text);
    static QString UnMarkText(const QString& S);
    void HilightInCell(bool DoCase, int Col, int Row, const QString& HiText);
    void HilightInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText);
    void HilightInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText);
    // Hidden columns included without DoFixed.
    void HilightInGrid(bool DoFixed, bool DoCase, const QString& HiText);
    void UnHilightInCell(int Col, int Row);
    void UnHilightInCol(bool DoFixed, int Col);
    void UnHilightInRow(bool DoFixed, int Row);
    void UnHilightInGrid(bool DoFixed);
    void MarkInCell(bool DoCase, int Col, int Row, const QString& HiText);
    void MarkInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText);
    void MarkInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText);
    // Hidden columns left out without DoFixed.
    void MarkInGrid(bool DoFixed, bool DoCase, const QString& HiText);
    void UnMarkInCell(int Col, int Row);
    void UnMarkInCol(bool DoFixed, int Col);
    void UnMarkInRow(bool DoFixed, int Row);
    void UnMarkInGrid(bool DoFixed);
    // Runs CellChecker over cells: earlier marks go, then Correct and
    // MarkError as its flags say. True when the checker changed nothing
    // (and without a checker); a range checks every cell.
    bool CheckCell(int Col, int Row);
    bool CheckCells(int FromCol, int FromRow, int ToCol, int ToRow);
    bool CheckCol(bool DoFixed, int Col);
    bool CheckRow(bool DoFixed, int Row);
    bool CheckGrid(bool DoFixed);

protected:
    // The search bar's handlers, bound when the grid is made.
    void SearchEditChange(TObject* Sender);
    void SearchFindNextClick(TObject* Sender);
    void SearchFindPrevClick(TObject* Sender);
    void SearchCloseClick(TObject* Sender);
    void SearchHighlightClick(TObject* Sender);
    // The search bar's accelerators.
    void CMDialogChar(TWMKey& Message) override;

private:
    // Steps of sorting (ProStringGridSort.cpp)
    struct TSortRun;
    struct TSortKeys;
    int CompareRows(int ACol, int ARow1, int ARow2);
    int CompareRowsIndexed(int Index, int ARow1, int ARow2);
    void QuickSortRows(int ACol, int Lo, int Hi);
    void QuickSortRowsIndexed(int Index, int Lo, int Hi);
    void QuickUnSortRows(int Lo, int Hi);
    void SortGroups(bool Indexed);
    void SortRange(int ACol, bool Indexed, int Lo, int Hi);
    // Exchanges the selection flags of two rows without events.
    void ExchangeRowSelect(int ARow1, int ARow2);
    // Steps of filtering (ProStringGridFilter.cpp)
    struct TFilterPass;
    bool MatchFilterData(int Index, int ARow);
    // Steps of search (ProStringGridSearch.cpp)
    TPoint FindInternal(TPoint StartCell, const QString& s, TFindParams FindParams, bool Wide);
    bool CellMatchesSearch(int ACol, int ARow, bool Wide);
    TFindParams SearchBarParams(bool Backward);
    void SearchBarStep(bool Backward);
    void SearchBarHilight();
    void SearchBarUnHilight();
    // The store columns of display columns From..To; WithHidden adds every
    // hidden column.
    std::vector<int> StoreColumns(int From, int To, bool WithHidden) const;
    void HilightRange(const QString& HiText, const QString& Tag, bool DoCase, const std::vector<int>& Cols,
                      int FromRow, int ToRow);
    void UnHilightRange(const QString& Tag, const std::vector<int>& Cols, int FromRow, int ToRow);

    // State of sorting, filtering and search
    int FSortDir = 0;
    int FSortRow = 0;
    int FCompares = 0;
    int FSwaps = 0;
    unsigned FSortTime = 0;
    // Parsed sort keys while a sort without compare or format events runs.
    TSortKeys* FSortKeys = nullptr;
    // FixedRows when the last filter level was made; -1 before any.
    int FFilterFixedRows = -1;
    QString FLastFilter;
    // The conditions compiled while ApplyFilter runs.
    TFilterPass* FFilterPass = nullptr;
    TSearchPanel* FSearchPanel = nullptr;
    TFindParams FFindParams;
    QString FSearchCache;
    QString FSearchCacheWide;
    TPoint FSearchCell{-1, -1};
    int FFindCol = 0;
    int FFindRow = 0;
    bool FFindBusy = false;
    TPoint FFixedEditCell{-1, -1};
    // The condition of a fnMatchRegular find, read once per find.
    const TFilterCondition* FFindCondition = nullptr;

public:
    // Settings persistence. The settings store (ProStringGridColumnStore.cpp)
    // is the INI file or registry key ColumnSize.Key, section
    // ColumnSize.Section; nothing happens while either is empty. Widths are
    // "Col<i>" entries, the column order "Pos<i>" entries.
    void SaveColSizes();
    void LoadColSizes();
    // Note: a saved order is laid over the first order of the columns, not
    // over the current one; the columns hidden now stay hidden.
    virtual void SaveColPositions();
    virtual void LoadColPositions();
    // The column count, widths, order and visibility as one line
    // ("3#64,80,64#0,1,2#1,1,1") (GridSettingsFiles.cpp). Reading raises
    // EConvertError or EListError on a malformed line, keeping what it
    // changed so far; a line without "#" changes nothing.
    QString ColumnStatesToString();
    void StringToColumnStates(const QString& Value);
    // Colours, fonts and looks as "key=value" lines in ANSI. Loading raises
    // EConvertError on a missing or malformed integer, keeping the values
    // applied before it.
    void SaveVisualProps(const QString& FileName);
    void LoadVisualProps(const QString& FileName);
    // PrintSettings in section Section of the INI file Key; missing keys
    // take their defaults.
    void SavePrintSettings(const QString& Key, const QString& Section);
    void LoadPrintSettings(const QString& Key, const QString& Section);

    // HTML (GridHtml.cpp): the cells as a table with one CSS class per cell
    // look; Dir is the folder for exported images ("/" separators and a
    // trailing "/", or empty). The file is UTF-16 with a mark with Unicode,
    // else 7-bit with other characters as numeric references; Show (or
    // HTMLSettings.AutoPreview) opens it.
    QString SaveToHTMLString(const QString& Dir);
    void SaveToHTML(const QString& FileName, bool Show = false, bool Unicode = false);
    // Note: an old file that cannot be read is replaced.
    void AppendToHTML(const QString& FileName, bool Show = false, bool Unicode = false);
    // XML (GridXml.cpp): one RecordDescr element per row, a FieldDescr name
    // (else "FIELD<i>") per field, in the encoding XMLEncoding names (ANSI
    // unless UTF-8 or UTF-16). Raises EProGridError "Cannot Create file".
    void SaveToXML(const QString& FileName, const QString& ListDescr, const QString& RecordDescr,
                   TStrings* FieldDescr = nullptr, bool ExportEmptyCells = true);
    // LevelToRow puts each nesting level on a row of its own; LoadFieldDescr
    // takes the element names of the first record as titles into row 0.
    // Raises "XML file not found" or "XMLDOM Parsing error" before any change.
    void LoadFromXML(const QString& FileName, bool LevelToRow = false, bool LoadFieldDescr = false);

    // Clipboard (GridClipboard.cpp). Text has a tab between cells and CR LF
    // after each row of a multi-row copy; a multi-line cell goes as its
    // lines joined by LF inside double quotes. With Navigation's
    // AllowRTFClipboard the top-left cell's rich text and with
    // AllowFmtClipboard the binary cell stream ("TProStringGrid Cells") go
    // along. Pasting prefers the cell stream, then rich text, then text.
    // Note: a cell stream is checked whole first; a damaged one raises
    // EReadError and changes nothing.
    void CopyToClipBoard();
    void CopySelectionToClipboard();
    // The HTML of the whole grid as text/html and as plain text.
    void CopyToClipBoardAsHTML();
    // Copies, then empties the cells that can be edited (all of them with
    // AllowClipboardAlways).
    void CutToClipboard();
    void CutSelectionToClipboard();
    void PasteFromClipboard();
    // With AllowSmartClipboard one value fills the selection, two start a
    // date, number or integer series, and a block repeats.
    void PasteSelectionFromClipboard();
    // The clipboard keys under AllowClipboardShortCuts, each after its
    // OnClipboard event: Ctrl+C and Ctrl+Insert copy, Ctrl+X and
    // Shift+Delete cut, Ctrl+V and Shift+Insert paste the selection. True
    // when Key was one of them.
    bool ClipboardShortCut(int Key, TShiftState Shift);
    QString GetSelectionAsText();
    // Stores raw, without edit checks, events or undo; the grid grows to
    // take the text.
    void SetSelectionAsText(const QString& Value);
    QString SelectionAsText() { return GetSelectionAsText(); }
    // The clipboard text of a rectangle; Disjunct leaves out rows and
    // columns not selected under disjoint row or column selection.
    QString RectToText(const TGridRect& Rect, bool Disjunct);
    // Pastes Text with its top-left field at (ACol, ARow): the grid grows
    // first (AllowClipboardColGrow, AllowClipboardRowGrow), then fields go
    // only into cells it has. Returns the fields counted; Lines and Fields
    // get the lines and the fields of the last line.
    int PasteText(int ACol, int ARow, const QString& Text, int& Lines, int& Fields);
    int PasteText(int ACol, int ARow, const QString& Text);
    // The most fields of a line (at least 1) and the line breaks that end
    // a non-empty line.
    static void TextDimensions(const QString& Text, int& Fields, int& Breaks);
    // Returns the cells of a cell stream or the fields of a text pasted.
    int PasteAtCell(int ACol, int ARow, int& RowCount, int& ColCount);
    void ExpandSelectionToMergedCells();
    // The top-left cell and the kind of the last copy or cut.
    TPoint ClipTopLeft() const { return FClipTopLeft; }
    TClipOperation ClipLastOp() const { return FClipLastOp; }
    // True while PasteFromClipboard runs.
    bool PasteAll() const { return FPasteAll; }
    // Paste hooks (their bodies in ProStringGridPasteHooks.cpp). A pasted
    // value goes through PasteCellText (display column; undo, check boxes);
    // CellsPasted marks the rows modified under ShowModified; TopLeft is
    // ClipTopLeft when the cells came from this grid, else (-1, -1).
    virtual void PasteBegin() {}
    virtual void PasteEnd() {}
    virtual void PasteCellText(int ACol, int ARow, const QString& Value);
    virtual bool CanPasteGridCells();
    virtual void CellsPasted(TPoint TopLeft, const TGridRect& ARect, TClipOperation ClipOp);

    // Drag and drop (GridOleDragDrop.cpp, classes in GridOleDragDrop.h).
    // Registers the grid's drop target when DragDropSettings.OleDropTarget
    // is set and revokes it when not; the accepted kinds follow the settings.
    void UpdateOleDropTarget();
    // The registered target; nil when none.
    TSGDropTarget* GridDropTarget() const { return FGridDropTarget.get(); }
    // Arms the next column drop: item AIndex of AList stands for hidden
    // column ACol.
    void OleColumnDragStart(int ACol, int AIndex, TCustomListBox* AList);
    // A window (owned by the grid, not shown) with a snapshot of the cells
    // of ARect, to follow the cursor in a drag.
    TForm* SelectionToForm(const TGridRect& ARect);
    TForm* MoveForm() const { return FMoveForm; }
    void SetMoveForm(TForm* Value) { FMoveForm = Value; }
    // The selection a drag from this grid started with; Top -1 when none.
    const TGridRect& DropSelection() const { return FDropSelection; }
    void SetDropSelection(const TGridRect& Value) { FDropSelection = Value; }

    // Printing (GridPrint.cpp: jobs, pages, strips, headers and footers;
    // GridPrintCells.cpp: measuring and drawing cells). A page is laid out
    // in tenths of a millimetre with y growing upwards (MM_LOMETRIC), so
    // every y on a page is negative. Printer jobs go through Printer().
    // Ranges are display indexes.
    void Print();
    void PrintRect(const TGridRect& Gridrect);
    void PrintSelection();
    // The rows and columns that pass the selection (the selection mode
    // decides which); PrintSelectedCols is the same operation.
    void PrintSelectedRows();
    void PrintSelectedCols();
    // Page PreviewPage (1 when it is 0) drawn into Displayrect (device
    // pixels), laid out on a page of Displayrect's size.
    void PrintPreview(TCanvas* Canvas, const TRect& Displayrect);
    void PrintPreviewRect(TCanvas* Canvas, const TRect& Displayrect, const TGridRect& Gridrect);
    void PrintPreviewSelection(TCanvas* Canvas, const TRect& Displayrect);
    void PrintPreviewSelectedRows(TCanvas* Canvas, const TRect& Displayrect);
    void PrintPreviewSelectedCols(TCanvas* Canvas, const TRect& Displayrect);
    // Page 1 drawn onto Canvas. Note: the page is the canvas's clipping
    // rectangle; DrawRect is only kept in PrevRect.
    void PrintDraw(TCanvas* Canvas, const TRect& DrawRect);
    void PrintDrawRect(TCanvas* Canvas, const TRect& DrawRect, const TGridRect& Gridrect);
    // A point size as a (negative) font height in 0.1 mm, times Fontscalefactor.
    int MapFontHeight(double PointSize) const;
    int MapFontSize(int Height) const;
    double Fontscalefactor() const { return FFontscalefactor; }
    void SetFontscalefactor(double Value) { FFontscalefactor = Value; }
    // The page rectangle a job was given (printer page or preview rectangle).
    const TRect& PrevRect() const { return FPrevRect; }
    // (0, 0, page width, page height) of the current job in 0.1 mm; the height is negative.
    const TRect& PrintPageRect() const { return FPrintPageRect; }
    // The width of the current strip's columns, repeated fixed columns included.
    int PrintPageWidth() const { return FPrintPageWidth; }
    int PrintColStart() const { return FPrintColStart; }
    int PrintColEnd() const { return FPrintColEnd; }
    int PrintNrOfPages() const { return FPrintNrOfPages; }
    // Sets the first and last page drawn; 0 draws all.
    int PreviewPage() const { return FPrintPageFrom; }
    void SetPreviewPage(int Value);
    bool IsPrintPreview() const { return FIsPrintPreview; }
    // Skips the counting pass; page numbers then show no page count.
    bool FastPrint() const { return FFastPrint; }
    void SetFastPrint(bool Value) { FFastPrint = Value; }
    // Turns rotated printer text the other way when the printer rotates
    // landscape pages by 270 degrees.
    bool PrinterDriverFix() const { return FPrinterDriverFix; }
    void SetPrinterDriverFix(bool Value) { FPrinterDriverFix = Value; }
    // The printer's landscape rotation in degrees.
    int PrinterOrientationDegrees() const { return 90; }
    // The printed size (width, height) in 0.1 mm of real column ACol.
    TPoint MeasurePrintCell(int ACol, int ARow);

    // Events (OnResize is the control's, raised by Resize)
    TAnchorClickEvent OnAnchorClick;
    TAnchorEvent OnAnchorEnter;
    TAnchorEvent OnAnchorExit;
    TAnchorHintEvent OnAnchorHint;
    TAutoAddRowEvent OnAutoAddRow;
    TAutoAdvanceEvent OnAutoAdvance;
    TAutoDeleteRowEvent OnAutoDeleteRow;
    TAutoInsertColEvent OnAutoInsertCol;
    TAutoInsertRowEvent OnAutoInsertRow;
    TNodeAllowEvent OnBeforeContractNode;
    TNodeAllowEvent OnBeforeExpandNode;
    TButtonClickEvent OnButtonClick;
    TCanAddRowEvent OnCanAddRow;
    TCanClickCellEvent OnCanClickCell;
    TCanDeleteRowEvent OnCanDeleteRow;
    TCanEditCellEvent OnCanEditCell;
    TCanInsertRowEvent OnCanInsertRow;
    TCanShowFixedDropDownEvent OnCanShowFixedDropDown;
    TCanSortEvent OnCanSort;
    TGridBalloonEvent OnCellBalloon;
    TCellChangingEvent OnCellChanging;
    TCellValidateEvent OnCellValidate;
    TCellValidateWideEvent OnCellValidateWide;
    TCellsChangedEvent OnCellsChanged;
    TCheckBoxClickEvent OnCheckBoxChange;
    TCheckBoxClickEvent OnCheckBoxClick;
    TCheckBoxClickEvent OnCheckBoxMouseUp;
    TClickCellEvent OnClickCell;
    TClickSortEvent OnClickSort;
    TAfterCellPasteEvent OnClipboardAfterPasteCell;
    TAfterCellPasteWideEvent OnClipboardAfterPasteWideCell;
    TBeforeCellPasteEvent OnClipboardBeforePasteCell;
    TBeforeCellPasteWideEvent OnClipboardBeforePasteWideCell;
    TClipboardEvent OnClipboardCopy;
    TClipboardEvent OnClipboardCut;
    TClipboardEvent OnClipboardPaste;
    TColChangingEvent OnColChanging;
    TColorSelectEvent OnColorSelect;
    TColorSelectedEvent OnColorSelected;
    TGroupCalcEvent OnColumnCalc;
    TColumnSizeEvent OnColumnMove;
    TColumnSizeEvent OnColumnMoving;
    TColumnSizeEvent OnColumnSize;
    TColumnSizingEvent OnColumnSizing;
    TComboChangeEvent OnComboChange;
    TClickCellEvent OnComboCloseUp;
    TClickCellEvent OnComboDropDown;
    TComboObjectChangeEvent OnComboObjectChange;
    TNodeClickEvent OnContractNode;
    TCellControlEvent OnControlClick;
    TCellComboControlEvent OnControlComboList;
    TCellComboControlSelectEvent OnControlComboSelect;
    TCellControlEvent OnControlEditDone;
    TNotifyEvent OnCreatedFloatingFooter;
    TNotifyEvent OnCreatedSearchFooter;
    TCustomCellDrawEvent OnCustomCellBkgDraw;
    TCustomCellDrawEvent OnCustomCellDraw;
    TCustomCellSizeEvent OnCustomCellSize;
    TCustomCompareEvent OnCustomCompare;
    TCustomFilterEvent OnCustomFilter;
    TCustomStrToDateEvent OnCustomStrToDate;
    TClickCellEvent OnDatePickerCloseUp;
    TClickCellEvent OnDatePickerDropDown;
    TDateTimeSpinClickEvent OnDateSpinClick;
    TDateTimeChangeEvent OnDateTimeChange;
    TDblClickCellEvent OnDblClickCell;
    TDragScrollEvent OnDragScroll;
    TDropDownButtonClickEvent OnDropDownFooterButtonClick;
    TDropDownButtonClickEvent OnDropDownHeaderButtonClick;
    TEditCellDoneEvent OnEditCellDone;
    TEditChangeEvent OnEditChange;
    TNotifyEvent OnEditingDone;
    TEllipsClickEvent OnEllipsClick;
    TEndColumnSizeEvent OnEndColumnSize;
    TEndRowSizeEvent OnEndRowSize;
    TExpandClickEvent OnExpandClick;
    TNodeClickEvent OnExpandNode;
    TGridProgressEvent OnFileProgress;
    TFilterCheckEvent OnFilterCheck;
    TNotifyEvent OnFilterDone;
    TGridProgressEvent OnFilterProgress;
    TFilterSelectEvent OnFilterSelect;
    TDoFitToPageEvent OnFitToPage;
    TFixedDropDownEvent OnFixedDropDownClick;
    TFixedEditEvent OnFixedEdit;
    TFloatSpinClickEvent OnFloatSpinClick;
    TCalcFooterEvent OnFooterCalc;
    TFooterPaintEvent OnFooterPaint;
    TGridAlignEvent OnGetAlignment;
    TGridBorderEvent OnGetCellBorder;
    TGridBorderPropEvent OnGetCellBorderProp;
    TGridColorEvent OnGetCellColor;
    TCellCursorEvent OnGetCellCursor;
    TGridGradientEvent OnGetCellGradient;
    TGridBorderEvent OnGetCellPrintBorder;
    TGridColorEvent OnGetCellPrintColor;
    TGetCheckEvent OnGetCheckFalse;
    TGetCheckEvent OnGetCheckTrue;
    TGetColumnFilterEvent OnGetColumnFilter;
    TGetEditorPropEvent OnGetEditorProp;
    TClickCellEvent OnGetEditorPropInt;
    TGetEditorTypeEvent OnGetEditorType;
    TFloatFormatEvent OnGetFloatFormat;
    TGridFormatEvent OnGetFormat;
    TWordWrapEvent OnGetWordWrap;
    TGridHintEvent OnGridHint;
    TGridWideHintEvent OnGridWideHint;
    TGroupCalcEvent OnGroupCalc;
    THasComboEvent OnHasComboBox;
    THasSpinEditEvent OnHasSpinEdit;
    TImageSelectEvent OnImageSelect;
    TImageSelectedEvent OnImageSelected;
    TIsFixedCellEvent OnIsFixedCell;
    TIsPasswordCellEvent OnIsPasswordCell;
    TCellSaveLoadEvent OnLoadCell;
    TOleDragDropEvent OnOleDrag;
    TOleDragOverEvent OnOleDragOver;
    TOleDragStartEvent OnOleDragStart;
    TOleDragStopEvent OnOleDragStop;
    TOleDragDropEvent OnOleDrop;
    TOleDropColEvent OnOleDropCol;
    TOleDropFileEvent OnOleDropFile;
    TOleDropURLEvent OnOleDropURL;
    TOleDroppedEvent OnOleDropped;
    TNotifyEvent OnPainted;
    TGridPrintCancelEvent OnPrintCancel;
    TGridPrintPageNumEvent OnPrintGetPageNum;
    TGridPrintNewPageEvent OnPrintNewPage;
    TGridPrintPageEvent OnPrintPage;
    TGridPrintPageDoneEvent OnPrintPageDone;
    TGridPrintColumnWidthEvent OnPrintSetColumnWidth;
    TGridPrintRowHeightEvent OnPrintSetRowHeight;
    TGridPrintStartEvent OnPrintStart;
    TRadioButtonClickEvent OnRadioButtonClick;
    TRadioClickEvent OnRadioClick;
    TRadioClickEvent OnRadioMouseUp;
    TRatingChangeEvent OnRatingChange;
    TRawCompareEvent OnRawCompare;
    TNotifyEvent OnRichEditSelectionChange;
    TClickCellEvent OnRightClickCell;
    TRowChangingEvent OnRowChanging;
    TRowDisjunctSelectEvent OnRowDisjunctSelect;
    TAutoInsertRowEvent OnRowDisjunctSelected;
    TRowSizeEvent OnRowMove;
    TRowSizeEvent OnRowMoving;
    TRowSizeEvent OnRowSize;
    TRowSizingEvent OnRowSizing;
    TRowChangedEvent OnRowUpdate;
    TCellSaveLoadEvent OnSaveCell;
    TScrollCellEvent OnScrollCell;
    TScrollHintEvent OnScrollHint;
    TSearchEditChangeEvent OnSearchEditChange;
    TSearchFooterActionEvent OnSearchFooterAction;
    TNotifyEvent OnSearchFooterClose;
    TSelectionChanged OnSelectionChanged;
    TSelectionResizeEvent OnSelectionResize;
    TSelectionResizeEvent OnSelectionResized;
    TSpinClickEvent OnSpinClick;
    TDateTimeSpinClickEvent OnTimeSpinClick;
    TUnitChangedEvent OnUnitChanged;
    TUpdateColumnSizeEvent OnUpdateColumnSize;

    // Overridable operations
    virtual void DoClickSort(int ACol);
    virtual void HandleF2Key() {}
    virtual void AdjustSelectAll(TGridRect& ARect) {}
    virtual void GetPrintPageNum(int PageNum, int PageColNum, QString& PageNumString);
    virtual void DoCheckBoxClick(int ACol, int ARow, bool State);
    virtual void EditTextHook(const QString& Text, QString& Result) {}
    virtual void DoFilterDone();
    virtual void BeginPaste() {}
    virtual void EndPaste() {}
    virtual void DoCanEditCell(int ACol, int ARow, bool& CanEdit);
    virtual void DoSearchFooterAction(const QString& Value, int ACol, int ARow, TSearchAction SearchAction);
    virtual void DoButtonClick(int ACol, int ARow);
    virtual void DoComboCloseUp(int ARow, int ACol);
    virtual void DoComboDropDown(int ARow, int ACol);
    virtual void CellsChanged(const TRect& R);
    virtual void GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
    virtual void GetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders);
    virtual void GetSortFormat(int ACol, TSortStyle& AStyle, QString& APrefix, QString& ASuffix);
    virtual void IsPasswordCell(int ACol, int ARow, bool& IsPassword);
    virtual void GetWordWrapEx(int ACol, int ARow, bool& WordWrap);
    virtual void CanAddRow(bool& CanAdd);
    virtual void CanInsertRow(int ARow, bool& CanInsert);
    virtual void EmptyHook() {}
    virtual void DoAddRow() { SetRowCount(RowCount() + 1); }
    virtual void CellSelectorClick(int ACol, int ARow) {}
    virtual void FormulaEditing(bool IsFormula) {}
    virtual void AdjustClickSelection(TGridRect& ARect) {}
    virtual void MouseActionsChanged() {}
    virtual void IsDesigning(TObject* Sender, bool& Designing);
    virtual void MouseActionsInvalidate() { Invalidate(); }
    virtual void DisableEditing();
    virtual void EditorKeyDown(int& Key, TShiftState Shift) {}
    virtual void EditorKeyPress(QChar& Key) {}
    virtual void NavigationChanged() {}
    virtual void GotoFirstRow() { SetRow(FixedRows()); }
    virtual bool AllowFmtClipboard();
    virtual void DoCheckBoxChange(int ACol, int ARow, bool State);
    virtual bool DoRatingChange(int ACol, int ARow, double& NewRate);
    virtual void DoScrollCell(int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax);
    virtual bool CanShowFixedDropDown(int ACol);
    virtual TCustomImageList* GetCellImageList() { return FGridImages; }
    virtual void ExportNotification(TGridExportState AState, int ARow) {}
    virtual void ImportNotification(TGridImportState AState, int ARow) {}
    // Copies the source's cells (texts of the store, hidden cells too).
    virtual void AssignCells(TPersistent* Source);
    virtual int GetVersionNr() { return 0x06020103; }
    virtual QString GetVersionString();
    virtual void CalcFooter(int ACol) { DoCalcFooter(ACol); }
    virtual void SyncColumnHeaders() {}
    // Apply the choice of the single- and multi-choice filter lists.
    virtual void FilterSelect() {}
    virtual void FilterCheck() {}
    // Fills the footer row; -1: every column.
    virtual void DoCalcFooter(int ACol);

protected:
    void CreateWnd() override;
    void Loaded() override;
    void Resize() override;
    // Records the current cell as the old cell.
    void Click() override;
    // Keeps the recorded column order in step.
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WndProc(TMessage& Message) override;
    bool HasNodes() override { return FNumNodes > 0; }
    // Everything of display cell (ACol, ARow) over its background.
    void DrawCellContent(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    void LastRowChanged() override;
    bool HasCustomCellBorders() override { return bool(OnGetCellBorder); }
    bool IsStyled() override { return FStyled; }

    // Header clicks: sorting and the filter lists (ProStringGridHeaderClick.cpp)
    // A fixed cell's drop-down button, else the platform's press, then
    // fixed-cell editing.
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // Opens or closes a filter list, then the platform's release; a left
    // release on a header cell of the sort row then sorts.
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // The sort of a left release at X on display cell (ACol, ARow), which
    // was pressed in row DownRow: one column, or with IndexShow the index
    // list (the index key adds or flips a column).
    void ClickSort(int ACol, int ARow, int X, int DownRow, TShiftState Shift);
    // Opens the filter list of real column ARealCol below its button in
    // the header cell rectangle R; FilterList holds the entries.
    void ShowFilterList(int ARealCol, const TRect& R);

    // Painting, sizing and scrolling (ProStringGridSurface.cpp,
    // ProStringGridSizing.cpp, ProStringGridScroll.cpp)
    void Paint() override;
    // Nothing is painted while updates are locked.
    void WMPaint(TMessage& Message) override;
    void WMSize(TWMSize& Message) override;
    void WMHScroll(TMessage& Message) override;
    void WMVScroll(TMessage& Message) override;
    void BarScrolled(bool Vertical, TScrollCode Code, int Pos) override;
    void WMGetDlgCode(TMessage& Message) override;
    void SizeChanged(int OldColCount, int OldRowCount) override;
    void ColWidthsChanged() override;
    void RowHeightsChanged() override;
public:
    // An object dragged over the grid near an edge scrolls it while
    // DragScrollOptions.Active is on.
    virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
protected:
    void DragScrollTimer(TObject* Sender);
    // A user's sizing of a column (row) ended: set by the mouse handling.
    bool FColSized = false;
    bool FRowSized = false;
    int FColClicked = -1;
    int FRowClicked = -1;
    int FColClickedSize = 0;
    int FRowClickedSize = 0;
    // The left button is down on the cells: set by the mouse handling.
    bool FMouseDown = false;
    // The column being moved, -1 for none.
    int FMoveColInd = -1;
    // The mini-markup link under the mouse (1-based, 0 for none) and the
    // blink state of blinking text: set by the mouse handling and the timer.
    int FHoverHTMLLink = 0;
    bool FBlinkOn = false;

    // Message handlers
    void CMEnabledChanged(TMessage& Message) override;
    void CMColorChanged(TMessage& Message) override;
    void CMCursorChanged(TMessage& Message);
    void WMTimer(TWMTimer& Message) override;

    // Fixed-cell gradient (kept as RGB)
public:
    TColor QLXGradientFrom() const { return FQLX.From; }
    TColor QLXGradientTo() const { return FQLX.To; }
    TColor QLXGradientMirrorFrom() const { return FQLX.MirrorFrom; }
    TColor QLXGradientMirrorTo() const { return FQLX.MirrorTo; }
    TColor QLXGradientHoverFrom() const { return FQLX.HoverFrom; }
    TColor QLXGradientHoverTo() const { return FQLX.HoverTo; }
    TColor QLXGradientHoverMirrorFrom() const { return FQLX.HoverMirrorFrom; }
    TColor QLXGradientHoverMirrorTo() const { return FQLX.HoverMirrorTo; }
    TColor QLXGradientHoverBorder() const { return FQLX.HoverBorder; }
    TColor QLXGradientDownFrom() const { return FQLX.DownFrom; }
    TColor QLXGradientDownTo() const { return FQLX.DownTo; }
    TColor QLXGradientDownMirrorFrom() const { return FQLX.DownMirrorFrom; }
    TColor QLXGradientDownMirrorTo() const { return FQLX.DownMirrorTo; }
    TColor QLXGradientDownBorder() const { return FQLX.DownBorder; }
    void SetQLXGradientFrom(TColor Value) override;
    void SetQLXGradientTo(TColor Value) override;
    void SetQLXGradientMirrorFrom(TColor Value) override;
    void SetQLXGradientMirrorTo(TColor Value) override;
    void SetQLXGradientHoverFrom(TColor Value) override { FQLX.HoverFrom = Value; }
    void SetQLXGradientHoverTo(TColor Value) override { FQLX.HoverTo = Value; }
    void SetQLXGradientHoverMirrorFrom(TColor Value) override { FQLX.HoverMirrorFrom = Value; }
    void SetQLXGradientHoverMirrorTo(TColor Value) override { FQLX.HoverMirrorTo = Value; }
    void SetQLXGradientHoverBorder(TColor Value) override { FQLX.HoverBorder = Value; }
    void SetQLXGradientDownFrom(TColor Value) override { FQLX.DownFrom = Value; }
    void SetQLXGradientDownTo(TColor Value) override { FQLX.DownTo = Value; }
    void SetQLXGradientDownMirrorFrom(TColor Value) override { FQLX.DownMirrorFrom = Value; }
    void SetQLXGradientDownMirrorTo(TColor Value) override { FQLX.DownMirrorTo = Value; }
    void SetQLXGradientDownBorder(TColor Value) override { FQLX.DownBorder = Value; }

    // The wheel's message and the rows one notch scrolls, read when the
    // window is made.
    unsigned WheelMsg() const { return FWheelMsg; }
    int WheelScrollLines() const { return FWheelScrollLines; }

    // The timer of every grid: 500 ms, id 111.
    static constexpr unsigned GridTimerID = 111;

protected:
    // Set by an editor change: the next Invalidate is swallowed.
    bool FEditChange = false;
    int FFilterCol = -1;
    int FFilterLevel = 0;
    int FNumNodes = 0;
    bool FStyled = false;

private:
    struct TQLXColors {
        TColor From = clWhite;
        TColor To = clNone;
        TColor MirrorFrom = clNone;
        TColor MirrorTo = clNone;
        TColor HoverFrom = clNone;
        TColor HoverTo = clNone;
        TColor HoverMirrorFrom = clNone;
        TColor HoverMirrorTo = clNone;
        TColor HoverBorder = clNone;
        TColor DownFrom = clNone;
        TColor DownTo = clNone;
        TColor DownMirrorFrom = clNone;
        TColor DownMirrorTo = clNone;
        TColor DownBorder = clNone;
    };

    // Steps of the file formats (grid/features)
    void WriteCsv(const QString& FileName, bool Unicode, bool Append);
    QString CsvField(int ACol, int ARow, QChar Sep);
    void ReadCsv(const QString& Text, int MaxRows, bool Insert);
    void StoreCsvLine(const QString& L, QChar Delim, int ARow, int Hidden);
    void StoreCsvField(QString Value, int& ACol, int ARow, int Hidden);
    void WriteAscii(const QString& FileName, bool Unicode, bool Append);
    // Office documents (GridOffice.cpp)
    void ReadXLSSheet(const QString& FileName, const QString& SheetName, bool Named);
    void WriteXLSSheet(const QString& FileName, const QString& SheetName, bool Named, bool CreateNewSheet);
    void WriteDoc(const QString& FileName, const QString& Bookmark, bool Append, bool CreateNew);

    // Steps of settings persistence (ProStringGridColumnStore.cpp,
    // grid/features/GridSettingsFiles.cpp)
    bool HasColumnStore() const;
    // Order[p]: the first index of the column to stand at position p.
    void ApplyColumnOrder(const std::vector<int>& Order);
    // Steps of HTML and XML (grid/features)
    struct THtmlExport;
    struct THtmlExportImages;
    QString HtmlCell(THtmlExport& Export, int ACol, int ARow, bool Header);
    QString HtmlCellStyle(int ACol, int ARow, int ARealCol, bool Fixed);
    QString HtmlCellContent(THtmlExport& Export, int ARealCol, int ARow, const QString& Text);
    void WriteHtml(const QString& FileName, bool Show, bool Unicode, bool Append);
    struct TXmlImport;
    void XmlVisit(TXmlImport& In, TXMLNode* Node);
    void XmlStore(TXmlImport& In, const QString& Name, const QString& Value, bool HeaderName);
    // Places a parsed cell stream with its first cell at Point.
    void ApplyCellStream(TCellStreamData& Data, const TPoint& Point);
    // Steps and state of printing (GridPrint.cpp, GridPrintCells.cpp)
    struct TPrintJob;
    enum class TPrintMode { DrawPreview, DrawPrint, CountPrint, CountPreview };
    void PrintJob(const TGridRect& Range, bool SelectedOnly);
    void PreviewJob(TCanvas* Canvas, const TRect& Displayrect, const TGridRect& Range, bool SelectedOnly);
    int PrintPages(TCanvas* Canvas, TPrintMode Mode, bool SelectedOnly, int Total);
    void PrintStrip(TPrintJob& J, int First);
    void PrintStripPage(TPrintJob& J);
    bool PrintRowPrinted(const TPrintJob& J, int ARow);
    bool PrintColPrinted(const TPrintJob& J, int ACol);
    void CalcPrintColWidths(TPrintJob& J);
    void FitPrintColWidths(TPrintJob& J);
    int LayoutPrintStrip(TPrintJob& J, int First);
    void CalcPrintMargins(TPrintJob& J, bool StripStart);
    int CalcPrintRowHeight(TPrintJob& J, int ARow);
    int PrintFullRow(TPrintJob& J, int Y, int ARow);
    int PrintRow(TPrintJob& J, int Y, int FirstCol, int LastCol, int ARow);
    void PrintCell(TPrintJob& J, int Y, int Pitch, int ACol, int LastCol, int ARow);
    void PrintCellContent(TPrintJob& J, const TRect& R, int Pitch, int ACol, int LastCol, int ARow);
    void PrintCellText(TPrintJob& J, const QString& Text, int Kind, const TRect& R, int Pitch, int ACol,
                       int LastCol, int ARow);
    void PrintCellGraphic(TPrintJob& J, TCellGraphic* G, const TRect& R, int ARow, int RCol);
    void PrintHeaderFooter(TPrintJob& J);
    QString PrintPageNumText(TPrintJob& J);
    void PrintPageEnd(TPrintJob& J, int Y);
    void PrintNewPage(TPrintJob& J);
    bool PrintPageDrawn(const TPrintJob& J) const;
    void InitPrintMetrics(TPrintJob& J);
    // The job being laid out; nil between jobs.
    TPrintJob* FPrintJob = nullptr;
    TGridRect FPrintRect;
    TRect FPrevRect;
    TRect FPrintPageRect;
    double FFontscalefactor = 1.0;
    int FPrintPageWidth = 0;
    int FPrintColStart = 0;
    int FPrintColEnd = 0;
    int FPrintNrOfPages = 0;
    int FPrintPageFrom = 0;
    int FPrintPageTo = 0;
    bool FIsPrintPreview = false;
    bool FFastPrint = false;
    bool FPrinterDriverFix = false;
    // Steps and state of the clipboard (GridClipboard.cpp)
    void CopyRectToClipboard(const TGridRect& Rect, bool Disjunct);
    void CopyCellAsRTF(int ACol, int ARow);
    void CopyRectAsGridCells(const TGridRect& Rect);
    // Pastes the clipboard's cell stream at (ACol, ARow); the cells pasted.
    int PasteGridCells(int ACol, int ARow, int& RowCount, int& ColCount);
    // Editing is on (or AllowClipboardAlways) and the cell can be edited.
    bool ClipCellEditable(int ARealCol, int ARow);
    // Offers a field to the before-paste events, stores it, and reports it.
    bool PasteField(int ACol, int ARow, QString Field, bool Events);
    // The smart steps of a selection paste.
    void SmartFill(const TGridRect& Sel);
    bool SmartSeries(const TGridRect& Sel);
    TPoint FClipTopLeft{-1, -1};
    TClipOperation FClipLastOp = coCopy;
    bool FPasteAll = false;
    // State of drag and drop (GridOleDragDrop.cpp)
    friend class TGridDropTarget;
    friend class TGridDropSource;
    std::shared_ptr<TSGDropTarget> FGridDropTarget;
    TForm* FMoveForm = nullptr;
    TGridRect FDropSelection{-1, -1, -1, -1};
    int FOleDragCol = -1;
    int FOleDragIndex = -1;
    TCustomListBox* FOleDragList = nullptr;
    // A press on a selected cell under OleDropSource: a move of more than
    // 3 pixels with the button down starts the drag, a release without one
    // selects the cell.
    bool FSelectionClick = false;
    // Installs StartOleDrag as the drag hook of the input handling.
    friend void InstallGridFeatureHooks();

    // The drag start of a move with the button down; True when a drag ran.
    bool OleDragMove(TShiftState Shift, int X, int Y);

private:
    // Drags the selection's cells, or the column ACol from a header.
    void StartOleDrag(int ACol, int ARow, int X, int Y);

    void CreateOwnedObjects();
    void CreateRunTimeObjects();
    void FormResize(TObject* Sender);
    void InvalidateSender(TObject*) { Invalidate(); }
    // Steps of hiding (ProStringGridHidden.cpp)
    void UpdateColMaps();
    // Opens ACount empty rows of default height at display row ARow.
    void InsertDisplayRows(int ARow, int ACount);
    // Puts hidden entries back: Places[i] is the display row entry i
    // takes once all are in; ascending. The entries are freed.
    void RestoreEntries(const std::vector<std::pair<int, TGridItem*>>& Places);
    // A copy of display row ARow's texts and objects over every real column.
    TStrings* TakeRowItems(int ARow);
    void PutRowItems(int ARow, TStrings* Items);
    // The platform setter and the normal row count, nothing more.
    void SetRowCountRaw(int Value);
    // Frees the cell properties of store rows FromRow..ToRow (past the
    // count too) and empties the rows.
    void ClearStoreRows(int FromRow, int ToRow);
    // Frees the cell properties parked with hidden rows.
    void FreeHiddenRowObjects();
    void ShowRowControls(int ARealRow);
    // Hides real rows (ascending, each once, none hidden yet) in one pass.
    void HideRealRows(const std::vector<int>& Rows);
    // Removes display rows (ascending, each once) in one pass as
    // RemoveRowsCore does.
    void RemoveRowSet(const std::vector<int>& Rows);
    // The selection flag of display row i, by real row with RowSelectPersistent.
    bool DisplayRowSelected(int ARow);
    // Keeps the entry list in ascending Idx order.
    void AddEntriesSorted(std::vector<TGridItem*> Items);
    // Takes display rows (ascending, each once) out of the store and the
    // row heights in one pass; their cells are not freed.
    void CompactRows(const std::vector<int>& Rows);
    int SearchPanelHeight() const;
    // Takes the look back out of a cell, freeing its properties when
    // nothing else is kept in them.
    void ResetCellLook(int ACol, int ARow);
    // The properties in a cell's slot (check HasCellProperties first).
    TCellProperties* GetGridCellProps(int ACol, int ARow) const
    {
        return static_cast<TCellProperties*>(GetGridObject(ACol, ARow));
    }

    // Owned objects, in the order the constructor makes them
    TFooterPanel* FFooterPanel = nullptr;
    std::unique_ptr<TFont> FCellFont;
    std::unique_ptr<TFocusHelper> FFocusHelper;
    std::unique_ptr<TSearchFooter> FSearchFooter;
    std::unique_ptr<TFloatingFooter> FFloatingFooter;
    std::unique_ptr<TPrintSettings> FPrintSettings;
    std::unique_ptr<THTMLSettings> FHTMLSettings;
    std::unique_ptr<TSortSettings> FSortSettings;
    std::unique_ptr<TDragDropSettings> FDragDropSettings;
    std::unique_ptr<TDragScrollOptions> FDragScrollOptions;
    std::unique_ptr<TControlLook> FControlLook;
    std::unique_ptr<TNavigation> FNavigation;
    std::unique_ptr<TColumnSize> FColumnSize;
    std::unique_ptr<TCellNode> FCellNode;
    std::unique_ptr<TBands> FBands;
    std::unique_ptr<TSizeWhileTyping> FSizeWhileTyping;
    std::unique_ptr<TMouseActions> FMouseActions;
    std::unique_ptr<TGrouping> FGrouping;
    std::unique_ptr<TStringList> FColumnHeaders;
    std::unique_ptr<TIntList> FOrigColSizes;
    std::unique_ptr<TFont> FFixedFont;
    std::unique_ptr<TFont> FActiveCellFont;
    std::unique_ptr<TStringList> FRowHeaders;
    std::unique_ptr<TStringList> FSortList;
    std::unique_ptr<TStringList> FLookupItems;
    std::unique_ptr<TList> FRowSelect;
    std::unique_ptr<TList> FColSelect;
    std::unique_ptr<TSortIndexList> FSortIndexes;
    std::unique_ptr<TIntList> FSortRowXRef;
    std::unique_ptr<TIntList> FUnSortRowXRef;
    std::unique_ptr<TIntList> FMergedColumns;
    std::unique_ptr<TIntList> FSelectedCells;
    std::unique_ptr<TIntList> FSelectedRows;
    std::unique_ptr<TIntList> FModifiedRows;
    std::unique_ptr<TIntList> FEnabledRows;
    std::unique_ptr<TBitmap> FRowIndicator;
    std::unique_ptr<TBackGround> FBackGround;
    std::unique_ptr<TControlList> FControlList;
    std::unique_ptr<TGridProgressAppearance> FProgressAppearance;
    std::unique_ptr<TSyncGrid> FSyncGrid;
    std::unique_ptr<TGridItems> FGridItems;
    std::unique_ptr<TFilter> FFilter;
    std::unique_ptr<TBalloonSettings> FBalloon;
    std::unique_ptr<TShowModified> FShowModified;
    std::unique_ptr<TList> FNotifierList;
    std::unique_ptr<TIntList> FColumnOrder;
    std::unique_ptr<TIntList> FIgnoreColumns;
    std::unique_ptr<TFilterDropDown> FFilterDropDown;
    TDropList* FDropList = nullptr;
    TDropCheckList* FDropCheckList = nullptr;
    std::unique_ptr<TStringList> FFilterList;

    // Made at run time, owned by the grid as a component
    TArrowWindow* FArrows[4] = {};
    THeaderDragButton* FMoveButton = nullptr;
    TScrollBar* FScrollBar = nullptr;
    TScrollBar* FPaintScrollBar = nullptr;

    // State
    int FUpdateCount = 0;
    int FStreamID = 0;
    bool FLoaded = false;
    TColor FBorderColor = TColor(0x808080);
    int FFixedRowHeight = 22;
    TQLXColors FQLX;
    // Column bookkeeping: real columns 0..512, all shown at creation.
    std::vector<bool> FVisibleCol;
    int FNumHidden = 0;
    // Hidden columns and rows
    std::vector<short> FAllColWidths;
    // Display to real column and hidden columns before a real one, kept
    // while columns are hidden.
    std::vector<int> FDisplToRealCol;
    std::vector<int> FHiddenBefore;
    bool FSelHidden = false;
    TGridRect FOldSelection;
    // Counts
    bool FSpreadSheet = false;
    int FFixedRowsMin = 1;
    int FFixedColsMin = 1;
    int FMaxRowCount = 0;
    int FMaxColCount = 0;
    int FOldRowSel = -1;
    int FNumCellControls = 0;
    // Selection
    bool FUseEnabledRows = false;
    bool FSelChange = false;
    ITProStringGridSelect* FISelect = nullptr;
    // Accessors and hooks
    // Grown by a print job to one entry past its last column.
    std::vector<int> FMaxWidths = std::vector<int>(512);
    std::vector<int> FIndents = std::vector<int>(512);
    int FOldSize = 0;
    struct TOldCell {
        int Col = -1;
        int Row = -1;
        QString Text;
        QString WideText;
        bool Modified = false;
    } FOldCell;
    bool FSelectionChanged = false;
    bool FDisableChange = false;
    bool FCellModified = false;
    bool FBlockCellChange = false;
    TCursor FOldCursor = crDefault;
    bool FInternalCursorChange = false;
    TMouseSelectMode FMouseSelectMode = msNormal;
    TPoint FHoverFixedCell{-1, -1};
    bool FFixedSizingFlags = false;
    int FTimerTicks = 0;
    unsigned FWheelMsg = 0;
    int FWheelScrollLines = 0;
    bool FWheelPan = false;
    bool FTimerActive = false;
    // The form whose OnResize the grid took over, and the handler it had.
    TCustomForm* FResizeForm = nullptr;
    TNotifyEvent FFormResize;
    bool FFormResizeAssigned = false;
    int FFormWidth = 0;
    int FFormHeight = 0;
    bool FIsWinXP = false;
    bool FIsWin7 = false;
    bool FIsWinVista = false;
    bool FIsComCtl6 = false;
    bool FActiveCellShow = false;
    TColor FActiveCellColor = clGray;
    TColor FActiveCellColorTo = clNone;
    bool FAnchorHint = false;
    bool FAutoFilterUpdate = true;
    bool FAutoNumAlign = false;
    bool FAutoSize = false;
    bool FAutoThemeAdapt = false;
    TProStringGridCheck* FCellChecker = nullptr;
    TAlignment FDefaultAlignment = taLeftJustify;
    TEditorType FDefaultEditor = edNormal;
    TColor FDisabledFontColor = clSilver;
    bool FEditWithTags = false;
    bool FEnableBlink = false;
    bool FEnableHTML = true;
    bool FEnableWheel = true;
    bool FEnhRowColMove = true;
    bool FEnhTextSize = false;
    bool FExcelStyleDecimalSeparator = false;
    bool FFilterActive = false;
    bool FFilterDropDownAuto = false;
    bool FFilterDropDownCheck = false;
    QString FFilterDropDownClear = QStringLiteral("(All)");
    TFilterDropDownColumns FFilterDropDownColumns = fdNormal;
    int FFilterDropDownRow = 0;
    bool FFilterNormalCellsOnly = true;
    bool FFilterIncremental = false;
    bool FFixedAsButtons = false;
    bool FFixedColAlways = false;
    bool FFixedRowAlways = false;
    TPopupMenu* FFixedDropDownMenu = nullptr;
    int FFixedFooters = 0;
    int FFixedRightCols = 0;
    bool FFlat = false;
    QString FFloatFormat = QStringLiteral("%.2f");
    TCustomImageList* FGridImages = nullptr;
    bool FHideFocusRect = false;
    TColor FHighlightColor = clHighlight;
    TColor FHighlightTextColor = clHighlightText;
    TColor FHintColor = clInfoBk;
    bool FHintShowCells = false;
    bool FHintShowLargeText = false;
    bool FHintShowSizing = false;
    THintShowLargeTextPos FHintShowLargeTextPos = hpCell;
    THoverFixedCells FHoverFixedCells = hfNone;
    bool FHovering = false;
    bool FHTMLHint = false;
    bool FIntegralHeight = false;
    TIntelliPan FIntelliPan = ipVertical;
    bool FIntelliZoom = true;
    QString FInvalidEntryTitle = QString();
    QString FInvalidEntryText = QString();
    TInvalidEntryIcon FInvalidEntryIcon = ieWarning;
    TGridLook FLook = glXP;
    bool FLookup = false;
    bool FLookupCaseSensitive = false;
    bool FLookupHistory = false;
    int FMaxEditLength = 0;
    int FMaxComboLength = 0;
    bool FMultilinecells = false;
    bool FOemConvert = false;
    TScrollBarAlways FScrollBarAlways = saNone;
    TColor FScrollColor = clNone;
    TScrollType FScrollType = ssNormal;
    int FScrollWidth = 0;
    bool FScrollProportional = false;
    bool FScrollSynch = false;
    TScrollHintType FScrollHints = shNone;
    TColor FSelectionColor = TColor(0xEACAB6);
    TColor FSelectionColorTo = clNone;
    TColor FSelectionMirrorColor = clNone;
    TColor FSelectionMirrorColorTo = clNone;
    TColor FSelectionTextColor = clBlack;
    bool FSelectionColorMixer = false;
    int FSelectionColorMixerFactor = 50;
    bool FSelectionRectangle = false;
    bool FSelectionResizer = false;
    bool FSelectionRTFKeep = false;
    bool FShowDesignHelper = true;
    bool FShowSelection = true;
    bool FSizeWithForm = false;
    TColor FURLColor = clBlue;
    bool FURLShow = false;
    bool FURLShowInText = false;
    bool FURLUnderlineOnHover = false;
    bool FURLFull = false;
    bool FURLEdit = false;
    bool FUseInternalHintClass = true;
    QString FValidChars = QString();
    TVAlignment FVAlignment = vtaTop;
    bool FWordWrap = true;
    QString FCheckTrue = QStringLiteral("Y");
    QString FCheckFalse = QStringLiteral("N");
    QChar FPasswordChar = QLatin1Char('*');
    QChar FDelimiter = QChar();
    bool FJavaCSV = false;
    QString FXMLEncoding = QStringLiteral("ISO-8859-1");
    bool FQuoteEmptyCells = true;
    bool FAlwaysQuotes = false;
    bool FSaveFixedCells = true;
    bool FSaveFixedRows = false;
    bool FSaveFixedCols = false;
    bool FSaveHiddenCells = false;
    bool FSaveVirtCells = true;
    bool FSaveWithHTML = true;
    bool FSaveWithRTF = false;
    bool FLoadFirstRow = true;
    bool FShowNullDates = true;
    bool FExcelClipboardFormat = false;
    bool FFitCellsInGrid = true;
    int FZoomFactor = 0;
    bool FNoDefaultDraw = false;
    bool FClearTextOnly = false;
    TColor FSelectionRectangleColor = clBlack;
    TPoint FXYOffset = TPoint{2, 2};
    bool FXYOffsetTopLeftOnly = false;
    int FMinRowHeight = 0;
    int FMaxRowHeight = 0;
    int FMinColWidth = 0;
    int FMaxColWidth = 0;
    bool FSizeGrowOnly = false;
    bool FUseDisabledFont = true;
    int FGroupColumn = -1;

    // Painting (ProStringGridPaint*.cpp, ProStringGridSurface.cpp)
    struct TCellPaint;
    void PrepareCell(TCellPaint& P);
    void ApplySelectionLook(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Fixed,
                            TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                            TFont* AFont);
    // The cell keeps a brush of its own (plain, rotated and marker cells).
    bool KeepsOwnBrush(int ACol, int ARow);
    void GetGraphicInfo(TCellPaint& P);
    void PrepareCellScrollBar(TCellPaint& P);
    // Behind: only a graphic that draws behind the text.
    void DrawCellGraphic(TCellPaint& P, bool Behind);
    void DrawTreeLines(TCellPaint& P);
    // Where a graphic of W x H goes in the cell.
    TRect PlaceGraphic(TCellPaint& P, int W, int H);
    // Progress bars and range indicators take the whole cell.
    void DrawFillingGraphic(TCellPaint& P, TCellGraphic* G);
    void DrawPlacedGraphic(TCellPaint& P, TCellGraphic* G, ICellInterface* Intf);
    void DrawRotatedText(TCellPaint& P, int Angle);
    void DrawNodeGlyph(TCellPaint& P, TCellGraphic* G);
    void DrawCellButton(TCellPaint& P, TCellGraphic* G);
    void DrawRating(TCellPaint& P, TCellGraphic* G);
    void DrawHoveredHeader(TCellPaint& P);
    bool IsActiveHeader(int ACol, int ARow);
    void DrawFixedLook(TCellPaint& P);
    void DrawRowIndicator(TCellPaint& P);
    void DrawModifiedBar(TCellPaint& P);
    void DrawEditorButtons(TCellPaint& P);
    void DrawFixedEdges(TCellPaint& P);
    void DrawFocusFrame(TCellPaint& P);
    void DrawCellText(TCellPaint& P);
    void DrawPlainText(TCellPaint& P, const QString& Text, TRect R, TColor LinkColor);
    void DrawMarkupText(TCellPaint& P, const QString& Text, TRect R, TColor LinkColor);
    // Narrows R to leave the graphic's place and the node indent free.
    void MakeRoomForGraphic(TCellPaint& P, TRect& R);
    bool IsCheckBoxCell(TCellPaint& P);
    // The last fixed row of a column that sorts by its header.
    bool IsSortableHeader(int ACol, int ARow);
    int SortIndicatorY(const TRect& R) const;
    void TileBitmap(TCanvas* ACanvas, TBitmap* Bitmap, TPoint Origin, const TRect& ARect);
    void DrawFilterButton(TCellPaint& P, const TRect& R);
    void DrawSelectionRectangle(TCellPaint& P);
    void DrawCellBackgroundPicture(TCellPaint& P);
    bool IsSortedHeader(int ACol, int RCol, int ARow);
    // One radio button of the control style in ABox.
    void DrawRadio(TCanvas* ACanvas, const TRect& ABox, bool Checked, bool Enabled);
    // The bitmap of a glyph name, made once per grid.
    TBitmap* Glyph(const QString& Name);
    void DrawGlyph(TCanvas* ACanvas, TBitmap* Bitmap, int X, int Y);
    std::unique_ptr<THTMLPictureCache> FImageCache;
    TPictureContainer* FPictureContainer = nullptr;
    std::unique_ptr<TGlyphCache> FGlyphs;
    // Pens of the four borders, made on first use.
    std::unique_ptr<TPen> FBorderPens[5];
    // The cell's own colours, remembered before the selection paints over them.
    TColor FOwnBrushColor = clNone;
    TColor FOwnFontColor = clNone;
    // The vertical text flag of the last cell painted.
    unsigned FVAlignFlag = 0;
    int FPaintCount = 0;

    // Looks (ProStringGridLooks.cpp)
    void ApplyPresetLook(TGridLook Value);
    void ApplyStyleStates(TProGridStyle AStyle);
    TQLXStyle FComponentStyle = tsWindowsXP;
    TColorTones FColorTones;
    TOfficeTheme FOfficeTheme = otUnknown;

    // Sizing and scrolling (ProStringGridSizing.cpp, ProStringGridScroll.cpp)
    // Explicit: the caller asked for it, so a bad index raises.
    void DoStretchColumn(int Index, bool Explicit);
    // The editor goes when the current cell holds a check box.
    void HideEditorOnCheckBox();
    bool FIsColChanging = false;
    bool FColChgFlg = true;
    bool FColSizeFlg = false;
    bool FDisableSize = false;
    bool FScrollLock = false;
    int FScrollCol = -1;
    int FScrollRow = -1;
    TScrollControl* FVScrollControl = nullptr;
    TScrollControl* FHScrollControl = nullptr;
    THTMLHintWindow* FScrollHintWnd = nullptr;
    bool FScrollHintShow = false;
    TTimer* FDragTmr = nullptr;
    TDragScrollDirections FDragScrollDirection;
    void CreateScrollControls();
    void FreeScrollControls();
    void ShowScrollHint(bool Vertical, int Index);
    void ScrollHintAndSynch(bool Vertical, int Code, int Index);
    // The steps around a scroll of the framework (Scroll); false when the
    // search panel stopped it.
    void HorzScroll(int Code, int Column, const std::function<void()>& Scroll);
    bool VertScroll(int Code, int Row, const std::function<void()>& Scroll);
    void HideScrollHint();
    void CellScrollMessage(TMessage& Message);
    void StopDragScroll();
    // The cells under a fixed background picture, to repaint when they change.
    TRect BackgroundRange();

    // Balloons (ProStringGridBalloon.cpp)
    THintWindow* FBalloonWnd = nullptr;
    TPoint FLastBalloonPos{-1, -1};
    QString FToolTipBuffer;
    QString FBalloonTitle;
    int FBalloonIcon = 0;
    void BalloonMouseMove(int X, int Y);
    void BalloonTimerTick();
    void BalloonEnableChanged();
    // A cell balloon of the cell's graphic changes the title, text and icon.
    void CellBalloon(int ACol, int ARow, QString& Title, QString& Text, int& Icon);
    TTimer* FBalloonTimer = nullptr;
    TPoint FBalloonCell{-1, -1};
    TPoint FBalloonPoint;
    bool FBalloonShowing = false;

    // What the cell graphics answer (ProStringGridPaintGraphics.cpp)
    bool IsRotatedCell(int ACol, int ARow, int& Angle);
    void StoreCellScrollPosition(int ACol, int ARow, int Position);
    // Editing state (ProStringGridEditing.cpp, ProStringGridEditors.cpp,
    // ProStringGridAdvance.cpp, ProStringGridFormControls.cpp)
    // Steps of editing
    void DecideEditing(int ACol, int ARow, int R, QString& Text);
    bool ValidateSteps(const QString& NewValue);
    void RestoreRefusedCell(int C, const QString& Text);
    void ShowRefusalBalloon();
    void HideRefusalNotice();
    bool IsControlCell(int ACol, int ARow);
    // The editors' side of the grid (GridEditors.cpp)
    bool CommitEditorText(const QString& Text);
    void EndEditorByKey(int& Key, TShiftState Shift);
    bool TabFromEditor(TShiftState Shift);
    void FireComboChange(int Index);
    void CursorWalk(const QString& Text, bool Forward);
    // Steps of the special editors
    TWinControl* ShowComboEditor(const TRect& R, int W, int H, TColor Clr, const QString& Text, int C, int ARow);
    TWinControl* ShowSpinEditor(const TRect& R, int W, int H, TColor Clr, const QString& Text, int C, int ARow);
    TWinControl* ShowDateEditor(const TRect& R, int W, int H, TColor Clr, const QString& Text, int C, int ARow);
    TWinControl* ShowCustomEditor(const TRect& R, TColor Clr, const QString& Text, int C, int ARow);
    void CommitSpinEditor(int C, int ARow);
    void CommitDateEditor(int C, int ARow);
    // Steps of the drop-down editors (ProStringGridDropDowns.cpp)
    TProCustomDropDown* DropDownEditor(TEditorType Kind);
    TWinControl* ShowDropDownEditor(const TRect& R, int W, int H, TColor Clr, const QString& Text, int C, int ARow);
    void SetDropDownValue(TProCustomDropDown* DropDown, const QString& Text, int C, int ARow);
    void CommitDropDownEditor(int C, int ARow);
    void DestroyDropDownEditors();
    void PostStartChar(TWinControl* Control);
    // The brush colour the cell is painted with.
    TColor EditorColor(int ACol, int ARow);
    void CreateEditorControls();
    void DestroyEditorControls();
    // Steps of advancing
    void AdvanceStep(int& ACol, int& ARow, bool Forward, bool& Stop);
    void AdvanceShowEditor(int OldCol, int OldRow, int C, int ARow, bool AutoEdit);
    int FirstNormalCol() const;
    int LastNormalCol() const;
    int LastNormalRow() const;

    bool FSyncedMove = false;
    int FOldLeftCol = 1;
    int FOldTopRow = 1;
    bool FEditMode = false;
    bool FEditing = false;
    bool FEditActive = false;
    bool FSpecialEditor = false;
    TEditorType FEditControl = edNormal;
    TWinControl* FEditCtrl = nullptr;
    QString FCellCache;
    QString FNewCellText;
    QChar FStartEditChar;
    bool FValidating = false;
    bool FLastValidation = true;
    bool FBlockKill = false;
    bool FBlockFocus = false;
    bool FEditDisable = false;
    bool FNoEditChange = false;
    bool FShowEditProcess = false;
    bool FEntered = false;
    bool FAlwaysValidate = false;
    bool FGridModified = false;
    bool FInvokedFocusChange = false;
    int FComboIdx = -1;
    bool FSpinUpClick = false;
    bool FSpinDnClick = false;
    bool LButFlg = false;
    TDateTime FOriginalDateTime = 0;
    QString FEditMask;
    THintWindow* FRefusalNotice = nullptr;
    // Editor controls, made with the grid or on first use
    TGridCombo* FEditCombo = nullptr;
    TGridEditBtn* FEditBtn = nullptr;
    TGridUnitEditBtn* FUnitEditBtn = nullptr;
    TGridCheckBox* FEditCheck = nullptr;
    TGridButton* FGridButton = nullptr;
    TGridSpin* FEditSpin = nullptr;
    TGridDatePicker* FEditDate = nullptr;
    TGridDateTimePicker* FEditDateTime = nullptr;
    TProRichEdit* FInplaceRichEdit = nullptr;
    TProRichEdit* FRichEdit = nullptr;
    TEditLink* FEditLink = nullptr;
    // Drop-down editors (ProStringGridDropDowns.cpp)
    TGridTrackbarDropDown* FEditTrackBar = nullptr;
    TGridMemoDropDown* FEditMemo = nullptr;
    TGridCalculatorDropDown* FEditCalculator = nullptr;
    TGridTimepickerDropDown* FEditTimePicker = nullptr;
    TGridDetailPickerDropDown* FEditDetailPicker = nullptr;
    TGridGridDropDown* FEditGridPicker = nullptr;
    TGridImageDropDown* FEditImagePicker = nullptr;
    TGridColorDropDown* FEditColorPicker = nullptr;
    // The grid drop-down editor (GridProGridDropDown.cpp)
    TGridProGridDropDown* FEditProGridPicker = nullptr;
    void SetProGridDropDownValue(const QString& Text);
    // Advancing and the Tab walk
    int FAECol = -1;
    int FAERow = -1;
    int FLastTabCol = -1;
    int FLastTabRow = -1;
    QString FSearchInc;
    int FSearchTics = 0;
    // Form controls in cells
    TControlEdit* FControlEdit = nullptr;
    TControlCombo* FControlCombo = nullptr;
    bool FCtrlEditing = false;
    TPoint FCtrlXY;
    QString FCtrlID;
    QString FCtrlType;
    TGridTransEdit* FTransEdit = nullptr;
    TGridTransCombo* FTransCombo = nullptr;

    // Left button press and release, keys (ProStringGridMouseDown.cpp,
    // ProStringGridMouseUp.cpp, ProStringGridKeys.cpp,
    // ProStringGridKeyTable.cpp; the header sort in
    // ProStringGridHeaderClick.cpp). The grid's own handling of a press
    // and a release runs before the platform grid sees them.
public:
    // Selects the radio item of the radio group cell (real column ACol)
    // under offset (X, Y) inside the cell.
    void ClickRadioGroup(int ACol, int ARow, int X, int Y);
    // The base cell passes CanEditCell and is not fixed. Real column.
    bool IsButtonEnabled(int ACol, int ARow);
    // Rows flagged from the selection (after a press that cleared them;
    // always with Keep).
    void SelectionToRowSelect(bool Keep);
    void SelectionToColSelect(bool Keep);
    // Split all merged columns; merge those of MergedColumns again.
    void SplitMergedColumns();
    void RemergeColumns();

protected:
    void WMLButtonDown(TWMMouse& Message) override;
    void WMLButtonUp(TWMMouse& Message) override;
    void WMKeyDown(TWMKey& Message) override;
    // After the platform grid's move: moving rows with Ctrl+Up/Down,
    // wrapping at the edges, skipping disabled rows, the synchronised grid.
    void KeyDown(int& Key, TShiftState Shift) override;
    // Search text, editor after cursor keys, the selection's announcement
    // and the keyboard's disjunct cell selection.
    void KeyUp(int& Key, TShiftState Shift) override;

private:
    // Steps of the press
    static TShiftState PressShift(const TWMMouse& Message);
    static TShiftState FullShift(const TWMMouse& Message);
    void FireMouseDown(const TWMMouse& Message, TShiftState Shift);
    void FireClickCell(int ARow, int ACol);
    void RecordPress(int X, int Y, TGridCoord Cell);
    bool PressSelectionResizer(TWMMouse& Message, bool Armed);
    void PressCell(TWMMouse& Message, TGridCoord Cell);
    bool PressOnNodeGlyph(int ARow, int X);
    void DrawFixedCellEdge(const TRect& R, bool Sunken);
    bool PressCellDecoration(TWMMouse& Message, int ACol, int ARow, const TRect& R, bool NodeGlyph);
    void PressNode(const TWMMouse& Message, int ACol, int ARow);
    bool PressSelectionClick(const TWMMouse& Message, int ACol, int ARow, const TRect& R);
    bool PressCellButton(const TWMMouse& Message, int ACol, int ARow);
    static TRect ExpandRect(const TRect& R);
    bool PressDisjunct(TWMMouse& Message, int ACol, int ARow);
    bool PressAnchor(const TWMMouse& Message, int ACol, int ARow, const TRect& R);
    bool PressMarkup(const TWMMouse& Message, int ACol, int ARow, const TRect& R, QString Text);
    void PressFormControl(int ACol, int ARow, const TRect& CtrlRect, const QString& CtrlID, const QString& CtrlType,
                          const QString& CtrlValue);
    // Opens a link: a cell address after "CELL://" becomes current, a URL
    // with a scheme goes to the shell; any other text does nothing.
    void FollowAnchor(const QString& Anchor);
    bool PressHeaderSelect(const TWMMouse& Message, int ACol, int ARow);
    bool PressCheckBox(const TWMMouse& Message, int ACol, int ARow, bool CanEdit);
    void PressNormal(TWMMouse& Message, int ACol, int ARow, const TRect& R, bool CanEdit, bool OtherFixed);
    void PressPlatform(TWMMouse& Message, int ACol, int ARow, const TRect& R);
    void PressDirectEdit(const TWMMouse& Message, int ACol, int ARow, const TRect& R, bool CanEdit, bool Combo);
    void GrabFocus();
    // Steps of the release
    bool ReleaseCellButton(const TWMMouse& Message, TGridCoord Cell);
    void ReleaseClick(const TWMMouse& Message, TGridCoord Cell);
    bool ReleaseSelectionClick(const TWMMouse& Message, TGridCoord Cell);
    void ReleaseDisjunct(TGridCoord Cell);
    void ReleaseCell(const TWMMouse& Message, int ACol, int ARow);
    // Steps of the keys
    bool KeyBeforeMove(TWMKey& Message, TShiftState Shift, const std::function<void()>& Swallow);
    bool KeyScrollOnly(int Key);
    void KeyControlCell(int Key);
    bool KeyRowSelectScroll(int Key, TShiftState Shift, const std::function<void()>& Swallow);
    bool KeySkipFixed(int Key);
    // The selection, when it changed since FMoveSelection, goes to
    // DoSelectionChanged.
    void AnnounceSelection();
    bool KeyHomeEnd(int Key, TShiftState Shift);
    bool KeyHomeEndRow(bool Home, bool Shift);
    void KeyTableAfter(int Key, TShiftState Shift);
    void KeyInsertRow();
    void KeyDeleteRow();
    void KeySelectAll();
    void KeyMoveRows(int Step, int Top, int Bottom);
    void KeyWrap(int Key);
    void KeySkipDisabled(int Key, int R0);
    void KeySpaceDisjunct(TShiftState Shift);
    // Row + 1 is the first footer row (or the floating footer's row).
    bool IsLastNormalRow();
    bool FooterShown() const;
    // The first (last) display column of ARow that CanSelectTabCell
    // allows; -1 when none.
    int FirstSelectableCol(int ARow);
    int LastSelectableCol(int ARow);

    // A press happened; the release fires OnClick for a fixed cell.
    bool FDoOnClick = false;
    bool FMouseDownMove = false;
    bool FMouseKeepDown = false;
    // The release deselects the row or column pressed with Ctrl.
    bool FDeselectState = false;
    // The selection's resize handle is held; FDropSelection is the
    // selection at the grab.
    bool FMouseResize = false;
    int FMouseSelectStart = -1;
    TPoint FPushedCellButton{-1, -1};
    TRect FPushedFixedCell;
    bool FFixedCellPushed = false;
    bool FCtrlDown = false;
    // A column or row was moved during this press (FColSizeFlg: sized).
    bool FColMoveFlg = false;
    // The press asks the release to return to range selecting.
    bool FCancelRange = false;
    // The column (header press) or row (row header press) a move carries.
    int FMoveCell = -1;
    TPoint FMoveOfs;
    // The press minus the right and bottom edge of FColClicked/FRowClicked.
    TPoint FClickPosDelta;
    TPoint FClickPos{-1, -1};
    // Set by a double click; the next release sorts nothing.
    bool FClickDouble = false;
    TGridState FClickState = gsNormal;
    int FClickCol = -1;
    // The current cell when the key went down.
    TPoint FLastKeyCell{-1, -1};
    // The selection last announced to OnSelectionChanged.
    TGridRect FMoveSelection{-1, -1, -1, -1};

    // Ends of a press: fixed sizing and enhanced moves at the release
    // (ProStringGridReleaseEnds.cpp), the cell scroll bar
    // (ProStringGridCellScrollBar.cpp), the special editors' live echo and
    // the frame and theme messages (ProStringGridWindowNotify.cpp)
public:
    // Fired at each step of an enhanced move and at the start of a drag of
    // cells; OnEndBlockFocus when the move ends.
    TNotifyEvent OnStartBlockFocus;
    TNotifyEvent OnEndBlockFocus;
    // A fixed column (row) is being sized by its border.
    bool FixedColSizing() const { return FSizingFixed; }
    bool FixedRowSizing() const { return FSizingFixedR; }

protected:
    virtual void DoStartBlockFocus();
    virtual void DoEndBlockFocus();

private:
    // True when the press starts sizing a fixed column or row.
    bool PressFixedSizing(int X, int Y);
    // True when the release ended a fixed sizing.
    bool ReleaseFixedSizing(int X, int Y);
    // True when the release ended an enhanced move (dropped or refused).
    bool ReleaseEnhancedMove(int X, int Y);
    // Shows the cell scroll bar over the cell under the mouse, or hides it.
    void CellScrollBarMove(int ACol, int ARow);
    // True when the message is done.
    bool WindowNotify(TMessage& Message);
    bool EditorEcho(const TMessage& Message);
    int FSizingFixedIndex = -1;
    bool FMoveRefused = false;

    // The search bar's keys and its room at the grid's bottom
    // (ProStringGridSearchKeys.cpp)
protected:
    // The shown search bar, less the 2 pixels a row may reach under it.
    int CoveredBottom() const override;

private:
    // What a key found before the platform's move, with the bar shown.
    struct TSearchKeyState {
        bool AtEnd = false;
        bool LastRow = false;
        bool Bracket = false;
        int Top = 0;
    };
    // Ctrl+F puts the focus into the shown bar's edit.
    void KeySearchFocus(int Key, TShiftState Shift);
    // True when the key stops here (at the end of the last row); else
    // opens the update bracket the key runs in.
    bool KeySearchBefore(int Key, TSearchKeyState& State, const std::function<void()>& Swallow);
    // Closes the bracket and keeps the current cell above the bar.
    void KeySearchAfter(int Key, const TSearchKeyState& State);
    // Scrolls until row ARow (cell ACol) leaves the bar free.
    void KeepAboveSearchPanel(int ACol, int ARow);

    // Rows shown again keep the cursor on its record, not on its row
    // number (ProStringGridFilterLevels.cpp).
    void FocusRecord(int ARealRow);
};
