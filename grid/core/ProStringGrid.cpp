#include "grid/core/ProStringGrid.h"
#include "grid/core/CellEditors.h"
#include "grid/core/ControlLook.h"
#include "grid/core/DragSettings.h"
#include "grid/core/Filter.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridItem.h"
#include "grid/core/GridSettings.h"
#include "grid/core/GridUnit.h"
#include "grid/core/HeaderDragButton.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProStringGridPaint.h"
#include "grid/core/SearchPanel.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/ArrowWindow.h"
#include "grid/foundation/Bands.h"
#include "grid/foundation/ControlList.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/ProStringGridCheck.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/SearchFooter.h"
#include "grid/foundation/SyncGrid.h"
#include "grid/foundation/PictureContainer.h"
#include "grid/foundation/ThemeBinding.h"
#include "platform/controls/Form.h"
#include "platform/controls/Menu.h"
#include "platform/graphics/ImageList.h"
#include "platform/controls/ScrollBar.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Themes.h"
#include "platform/rtl/Collection.h"
#include "platform/rtl/List.h"
#include "platform/rtl/StringList.h"

namespace {

constexpr int VisibleColFlags = 513;
constexpr int ScrollBarWidth = 17;

} // namespace

// Construction

TProStringGrid::TProStringGrid(TComponent* AOwner) : TBaseGrid(AOwner)
{
    TControlStyle style = ControlStyle();
    style += csAcceptsControls;
    SetControlStyle(style);
    CreateOwnedObjects();
    if (auto* form = dynamic_cast<TCustomForm*>(AOwner)) {
        // The grid may grow and shrink with its form; the form's own
        // handler still runs.
        FResizeForm = form;
        FFormResizeAssigned = bool(form->OnResize);
        FFormResize = form->OnResize;
        form->OnResize = [this](TObject* Sender) { FormResize(Sender); };
        FFormWidth = form->Width();
        FFormHeight = form->Height();
        FreeNotification(form);
    }
    FVisibleCol.assign(VisibleColFlags, true);
    SetDefaultRowHeight(22);
    FFixedRowHeight = DefaultRowHeight();
    FQLX.To = ColorToRGB(clBtnFace);
    FIsWinXP = CheckWin32Version(5, 1);
    FIsWin7 = CheckWin32Version(6, 1);
    FIsWinVista = IsVistaOrLater();
    FIsComCtl6 = ((GetFileVersion(QStringLiteral("COMCTL32.DLL")) >> 16) & 0xFF) > 5;
    FBorderColor = FIsWinXP ? TColor(0xB99D7F) : TColor(0x808080);
    FScrollWidth = ScrollBarWidth;
    CreateRunTimeObjects();
    GridLinkCursor = crHandPoint;
}

void TProStringGrid::CreateOwnedObjects()
{
    FFooterPanel = new TFooterPanel(this);
    FFooterPanel->SetAlign(alBottom);
    FFooterPanel->SetHeight(0);
    FFooterPanel->SetBorderWidth(0);
    FCellFont = std::make_unique<TFont>();
    FFocusHelper = std::make_unique<TFocusHelper>(this);
    FSearchFooter = std::make_unique<TSearchFooter>(this, TComponent::IsDesigning() && !IsLoading());
    FFloatingFooter = std::make_unique<TFloatingFooter>(this);
    FPrintSettings = std::make_unique<TPrintSettings>(this);
    FHTMLSettings = std::make_unique<THTMLSettings>();
    FSortSettings = std::make_unique<TSortSettings>(this);
    FDragDropSettings = std::make_unique<TDragDropSettings>(this);
    FDragScrollOptions = std::make_unique<TDragScrollOptions>();
    FControlLook = std::make_unique<TControlLook>(this);
    FNavigation = std::make_unique<TNavigation>();
    FNavigation->OnChange = [this](TObject*) { NavigationChanged(); };
    FColumnSize = std::make_unique<TColumnSize>(this);
    FCellNode = std::make_unique<TCellNode>(this);
    FBands = std::make_unique<TBands>();
    FBands->OnChange = [this](TObject*) { Invalidate(); };
    FSizeWhileTyping = std::make_unique<TSizeWhileTyping>();
    FMouseActions = std::make_unique<TMouseActions>(this);
    FMouseActions->OnChange = [this](TObject*) { MouseActionsChanged(); };
    FMouseActions->OnIsDesigning = [this](TObject* Sender, bool& Designing) { IsDesigning(Sender, Designing); };
    FMouseActions->OnInvalidate = [this](TObject*) { MouseActionsInvalidate(); };
    FGrouping = std::make_unique<TGrouping>();
    FColumnHeaders = std::make_unique<TStringList>();
    FColumnHeaders->OnChange = [this](TObject*) {
        SyncColumnHeaders();
        ShowColumnHeaders();
    };

    FOrigColSizes = std::make_unique<TIntList>(-1, -1);
    FFixedFont = std::make_unique<TFont>();
    FFixedFont->SetName(QStringLiteral("Tahoma"));
    FFixedFont->SetStyle({fsBold});
    FFixedFont->OnChange = [this](TObject*) { Invalidate(); };
    FActiveCellFont = std::make_unique<TFont>();
    FActiveCellFont->SetStyle({fsBold});
    FActiveCellFont->OnChange = [this](TObject*) { Invalidate(); };
    FRowHeaders = std::make_unique<TStringList>();
    FRowHeaders->OnChange = [this](TObject*) { ShowRowHeaders(); };

    FSortList = std::make_unique<TStringList>();
    FLookupItems = std::make_unique<TStringList>();
    FRowSelect = std::make_unique<TList>();
    FColSelect = std::make_unique<TList>();
    FSortIndexes = std::make_unique<TSortIndexList>(0, 0);
    FSortRowXRef = std::make_unique<TIntList>(0, 0);
    FUnSortRowXRef = std::make_unique<TIntList>(0, 0);
    FMergedColumns = std::make_unique<TIntList>(0, 0);
    FSelectedCells = std::make_unique<TIntList>(0, 0);
    FSelectedRows = std::make_unique<TIntList>(0, 0);
    FModifiedRows = std::make_unique<TIntList>(0, 0);
    FEnabledRows = std::make_unique<TIntList>(0, 0);
    FRowIndicator = std::make_unique<TBitmap>();
    FBackGround = std::make_unique<TBackGround>(this);

    FControlList = std::make_unique<TControlList>();
    FProgressAppearance = std::make_unique<TGridProgressAppearance>();
    FProgressAppearance->OnChange = [this](TObject*) { Invalidate(); };
    FSyncGrid = std::make_unique<TSyncGrid>(this);
    SetRowCount(10);
    SetBounds(Left(), Top(), 400, 250);
    FGridItems = std::make_unique<TGridItems>();
    FFilter = std::make_unique<TFilter>(this);

    FBalloon = std::make_unique<TBalloonSettings>();
    FBalloon->OnEnableChange = [this](TObject*) { BalloonEnableChanged(); };
    FShowModified = std::make_unique<TShowModified>();
    FShowModified->OnChange = [this](TObject*) { InvalidateCol(0); };

    FNotifierList = std::make_unique<TList>();
    FColumnOrder = std::make_unique<TIntList>(0, 0);
    FIgnoreColumns = std::make_unique<TIntList>(-1, -1);
    FFilterDropDown = std::make_unique<TFilterDropDown>();
    FFilterDropDown->OnChange = [this](TObject*) { Invalidate(); };
    FDropList = new TDropList(this);
    FDropList->SetParent(this);
    FDropList->SetBounds(0, 0, 0, 0);
    FDropList->SetVisible(false);
    FDropList->OnSelect = [this](TObject* Sender, int ItemIndex) { FilterSelect(Sender, ItemIndex); };
    FDropCheckList = new TDropCheckList(this);
    FDropCheckList->SetParent(this);
    FDropCheckList->SetBounds(0, 0, 0, 0);
    FDropCheckList->SetVisible(false);
    FDropCheckList->OnSelect = [this](TObject* Sender, int ItemIndex) { FilterCheck(Sender, ItemIndex); };
    FFilterList = std::make_unique<TStringList>();
    FFilterList->SetSorted(true);
    FFilterList->SetDuplicates(TDuplicates::dupIgnore);
    FImageCache = std::make_unique<THTMLPictureCache>();
    FColorTones.Background.BrushColor = clNone;
    FColorTones.Background.BorderColor = clNone;
    FSearchPanel = new TSearchPanel(this);
    FSearchPanel->SetAlign(alBottom);
    FSearchPanel->SetHeight(0);
    FSearchPanel->SetVisible(false);
    FSearchPanel->OnEditChange = [this](TObject* Sender) { SearchEditChange(Sender); };
    FSearchPanel->OnForwardClick = [this](TObject* Sender) { SearchFindNextClick(Sender); };
    FSearchPanel->OnBackwardClick = [this](TObject* Sender) { SearchFindPrevClick(Sender); };
    FSearchPanel->OnExitClick = [this](TObject* Sender) { SearchCloseClick(Sender); };
    FSearchPanel->OnHighlightClick = [this](TObject* Sender) { SearchHighlightClick(Sender); };
    FSearchFooter->OnChange = [this](TObject*) { UpdateSearchFooter(); };
}

void TProStringGrid::CreateRunTimeObjects()
{
    const TArrowDirection dirs[4] = {arrUp, arrDown, arrLeft, arrRight};
    for (int i = 0; i < 4; ++i)
        FArrows[i] = new TArrowWindow(this, dirs[i]);
    FMoveButton = new THeaderDragButton(this);
    FMoveButton->SetGrid(this);
    FMoveButton->SetParent(this);
    FMoveButton->SetEnabled(false);
    FMoveButton->SetVisible(false);
    FScrollBar = new TScrollBar(this);
    // The cell scroll bar speaks to the grid as a window's bar does.
    FScrollBar->OnScroll = [this](TObject*, TScrollCode Code, int& Pos) {
        Perform(WM_VSCROLL, MakeWParam(int(Code), Pos), LPARAM(FScrollBar));
        Pos = FScrollBar->Position();
    };
    FPaintScrollBar = new TScrollBar(this);
    CreateEditorControls();
}

// Destruction

TProStringGrid::~TProStringGrid()
{
    if (FocusGrid == this)
        FocusGrid = nullptr;
    // A store that cannot be written must not stop the grid from going.
    if (FColumnSize->Save()) {
        try {
            SaveColSizes();
        } catch (const Exception&) {
        }
    }
    Destroying();
    FreeScrollControls();
    BalloonDone();
    if (FResizeForm) {
        FResizeForm->OnResize = FFormResize;
        FResizeForm->RemoveFreeNotification(this);
    }
    FClearTextOnly = false;
    FSaveHiddenCells = false;
    if (ColCount() > 0 && RowCount() > 0 && FHasCellProps)
        FreeCellPropsRect(0, 0, TotalColCount() - 1, RowCount() - 1);
    FreeHiddenRowObjects();
    // The controls the grid made go first; the settings objects go with
    // their members.
    for (TArrowWindow*& arrow : FArrows)
        FreeAndNil(arrow);
    DestroyEditorControls();
    FreeAndNil(FMoveButton);
    FreeAndNil(FScrollBar);
    FreeAndNil(FPaintScrollBar);
    FSearchFooter->OnChange = nullptr;
    FreeAndNil(FSearchPanel);
    FreeAndNil(FDropCheckList);
    FreeAndNil(FDropList);
    FreeAndNil(FFooterPanel);
}

// Window

void TProStringGrid::CreateWnd()
{
    if (IsDestroying())
        return;
    TBaseGrid::CreateWnd();
    if (!Parent())
        return;
    for (TScrollBar* bar : {FScrollBar, FPaintScrollBar}) {
        bar->SetVisible(false);
        bar->SetParent(this);
        bar->SetTabStop(false);
        bar->SetKind(sbVertical);
    }
    FFooterPanel->SetParent(this);
    FFooterPanel->SetVisible(FFloatingFooter->Visible());
    if (FScrollType == ssMetro) {
        CreateScrollControls();
        SetScrollBars(ssNone);
    }
    if (FBalloon->Enable())
        BalloonInit();
    FSearchPanel->SetParent(this);
    FSearchPanel->SetVisible(FSearchFooter->Visible());
    FSearchPanel->SetHeight(FSearchFooter->Visible() ? 32 : 0);
    SetTimer(this, GridTimerID, 500);
    FTimerActive = true;
    if (FIsWinXP)
        FIsWinXP = IsThemeActive();
    // A desktop set to page scrolling scrolls the visible rows.
    FWheelPan = false;
    FWheelMsg = WM_MOUSEWHEEL;
    FWheelScrollLines = GetWheelScrollLines();
    if (FWheelScrollLines == -1)
        FWheelScrollLines = VisibleRowCount();
    if (FColumnSize->Save())
        LoadColSizes();
}

void TProStringGrid::WMTimer(TWMTimer& Message)
{
    if (Message.TimerID == GridTimerID) {
        ++FTimerTicks;
        // The key-press search text is dropped on the fourth tick after the last key.
        if (FNavigation->AutoGotoIncremental() && ++FSearchTics >= 4) {
            FSearchInc.clear();
            FSearchTics = 0;
        }
        HoverTick();
        BlinkTick();
        return;
    }
    TBaseGrid::WMTimer(Message);
}

void TProStringGrid::Loaded()
{
    TBaseGrid::Loaded();
    FOldCursor = Cursor();
    ShowColumnHeaders();
    ShowRowHeaders();
    if (FLook == glQLX)
        FLook = glCustom;
    FLoaded = true;
    if (Options().Contains(goAlwaysShowEditor)) {
        FNavigation->SetAlwaysEdit(true);
        SetOptions(Options() - goAlwaysShowEditor);
    }
    if (!FIsWinXP && FControlLook->ControlStyle() == csTheme)
        FControlLook->SetControlStyle(csClassic);
    FSearchFooter->SetAutoThemeAdapt(FAutoThemeAdapt);
    UpdateSearchFooter();
    if (FColumnSize->Save())
        LoadColSizes();
    if (FAutoSize)
        AutoSizeColumns(false, 4);
}

// Copying

void TProStringGrid::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TProStringGrid*>(Source);
    if (!src)
        return;
    Font()->Assign(src->Font());
    FActiveCellColor = src->FActiveCellColor;
    FActiveCellColorTo = src->FActiveCellColorTo;
    FActiveCellFont->Assign(src->FActiveCellFont.get());
    FActiveCellShow = src->FActiveCellShow;
    SetActiveRowShow(src->ActiveRowShow());
    SetAlign(src->Align());
    FFilterDropDown->Assign(src->FFilterDropDown.get());
    FAnchorHint = src->FAnchorHint;
    FAutoNumAlign = src->FAutoNumAlign;
    FAutoSize = src->FAutoSize;
    FAutoThemeAdapt = src->FAutoThemeAdapt;
    FAutoFilterUpdate = src->FAutoFilterUpdate;
    FMouseActions->Assign(src->FMouseActions.get());
    FNavigation->Assign(src->FNavigation.get());
    FGrouping->Assign(src->FGrouping.get());
    FSearchFooter->Assign(src->FSearchFooter.get());
    FPrintSettings->Assign(src->FPrintSettings.get());
    FFilter->Assign(src->FFilter.get());
    FHTMLSettings->Assign(src->FHTMLSettings.get());
    FBands->Assign(src->FBands.get());
    FCellNode->Assign(src->FCellNode.get());
    FSortSettings->Assign(src->FSortSettings.get());
    FDragScrollOptions->Assign(src->FDragScrollOptions.get());
    FDragDropSettings->Assign(src->FDragDropSettings.get());
    FProgressAppearance->Assign(src->FProgressAppearance.get());
    FColumnSize->Assign(src->FColumnSize.get());
    FSyncGrid->Assign(src->FSyncGrid.get());
    FFocusHelper->Assign(src->FFocusHelper.get());
    FFixedRowAlways = src->FFixedRowAlways;

    SetColCount(src->ColCount());
    SetRowCount(src->RowCount());
    SetFixedRows(src->TBaseGrid::FixedRows());
    SetFixedCols(src->FixedCols());
    SetDefaultColWidth(src->DefaultColWidth());
    SetDefaultRowHeight(src->DefaultRowHeight());
    SetFixedRowHeight(src->FixedRowHeight());
    SetFixedColWidth(src->FixedColWidth());
    FInvalidEntryTitle = src->FInvalidEntryTitle;
    FInvalidEntryIcon = src->FInvalidEntryIcon;
    FInvalidEntryText = src->FInvalidEntryText;
    SetOptions(src->Options());
    for (int c = 0; c < ColCount(); ++c)
        SetColWidths(c, src->ColWidths(c));
    FColumnHeaders->Assign(src->FColumnHeaders.get());
    for (int r = 0; r < RowCount(); ++r)
        SetRowHeights(r, src->RowHeights(r));
    FScrollProportional = src->FScrollProportional;
    FScrollSynch = src->FScrollSynch;
    FScrollHints = src->FScrollHints;
    FScrollBarAlways = src->FScrollBarAlways;
    SetScrollBars(src->ScrollBars());
    SetScrollColor(src->FScrollColor);
    SetScrollType(src->FScrollType);
    SetScrollWidth(src->FScrollWidth);
    AssignCells(src);
}

void TProStringGrid::AssignCells(TPersistent* Source)
{
    auto* src = dynamic_cast<TProStringGrid*>(Source);
    if (!src)
        return;
    const int cols = std::min(src->TotalColCount(), TotalColCount());
    const int rows = std::min(src->RowCount(), RowCount());
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            SetGridCell(c, r, src->GetGridCell(c, r));
    Invalidate();
}

// Repainting and update locking

void TProStringGrid::Invalidate()
{
    if (FEditChange) {
        FEditChange = false;
        return;
    }
    TBaseGrid::Invalidate();
    if (!IsLoading() && FFloatingFooter && FFloatingFooter->Visible() && FFooterPanel)
        FFooterPanel->Invalidate();
}

void TProStringGrid::Repaint() { TBaseGrid::Repaint(); }

void TProStringGrid::RepaintRow(int ARow) { InvalidateRow(ARow); }

void TProStringGrid::RepaintCell(int ACol, int ARow) { TBaseGrid::RepaintCell(ACol, ARow); }

int TProStringGrid::FixedRows() const
{
    const int n = TBaseGrid::FixedRows();
    return n == 0 && FFixedRowAlways ? 1 : n;
}

bool TProStringGrid::HasParentWindow() const { return Parent() && Parent()->HandleAllocated(); }

void TProStringGrid::BeginUpdate()
{
    if (!Visible())
        return;
    ++FUpdateCount;
    SendMessage(this, WM_SETREDRAW, 0, 0);
}

void TProStringGrid::EndUpdate()
{
    if (!Visible())
        return;
    if (FUpdateCount > 0)
        --FUpdateCount;
    if (FUpdateCount > 0 || IsDestroying())
        return;
    SendMessage(this, WM_SETREDRAW, 1, 0);
    Invalidate();
}

void TProStringGrid::SetLockUpdate(bool Value)
{
    if (Value)
        BeginUpdate();
    else
        EndUpdate();
}

void TProStringGrid::Resize()
{
    TBaseGrid::Resize();
    if ((FBackGround->Display() == bdGradientHorz || FBackGround->Display() == bdGradientVert) &&
        FBackGround->ColorTo() != clNone)
        Invalidate();
    CellControlsUpdate(false);
}

void TProStringGrid::Click()
{
    TBaseGrid::Click();
    StoreOldCell(Col(), Row());
}

void TProStringGrid::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (FIntegralHeight && FUpdateCount == 0 && DefaultRowHeight() > 0) {
        const int h = VisibleColCount() + FixedCols() < ColCount() ? ScrollBarWidth : 0;
        const int b = BorderStyle() == bsSingle ? 2 : 0;
        AHeight = AHeight + b - ((AHeight - h - b) % DefaultRowHeight());
    }
    TBaseGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TProStringGrid::SetBorderColor(TColor Value)
{
    if (FBorderColor == Value)
        return;
    FBorderColor = Value;
    if (Parent() && Parent()->HandleAllocated())
        Invalidate();
}

// Form resizing

void TProStringGrid::FormResize(TObject* Sender)
{
    if (IsDestroying() || !FResizeForm)
        return;
    if (FSizeWithForm) {
        const int w = Width() + FResizeForm->Width() - FFormWidth;
        const int h = Height() + FResizeForm->Height() - FFormHeight;
        if (w > 0 && h > 0)
            SetBounds(Left(), Top(), w, h);
    }
    FFormWidth = FResizeForm->Width();
    FFormHeight = FResizeForm->Height();
    if (FFormResize) {
        try {
            FFormResize(Sender);
        } catch (...) {
        }
    }
    DoStretchColumn(FColumnSize->StretchColumn(), false);
}

void TProStringGrid::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == TOperation::opRemove) {
        if (AComponent == FResizeForm) {
            FResizeForm = nullptr;
            FFormResize = nullptr;
        }
        if (AComponent == FGridImages)
            FGridImages = nullptr;
        if (AComponent == FCellChecker)
            FCellChecker = nullptr;
        if (AComponent == FFixedDropDownMenu)
            FFixedDropDownMenu = nullptr;
        if (AComponent == FPictureContainer)
            FPictureContainer = nullptr;
        if (!IsDestroying() && FSyncGrid && FSyncGrid->Grid() == AComponent)
            FSyncGrid->SetGrid(nullptr);
        if (AComponent == FEditLink)
            FEditLink = nullptr;
    }
    TBaseGrid::Notification(AComponent, Operation);
}

// Small handlers

void TProStringGrid::WndProc(TMessage& Message)
{
    if (InputWndProc(Message))
        return;
    if (WindowNotify(Message))
        return;
    if (Message.Msg == CM_CURSORCHANGED) {
        TBaseGrid::WndProc(Message);
        CMCursorChanged(Message);
        return;
    }
    if (Message.Msg == WM_MOUSEMOVE && FBalloonWnd)
        BalloonMouseMove(LoSigned(WPARAM(Message.LParam)) - FrameSize(),
                         HiSigned(WPARAM(Message.LParam)) - FrameSize());
    if (WM_GRIDEDITDONE != 0 && Message.Msg == WM_GRIDEDITDONE)
        WMGridEditDone(Message);
    // The characters of the clipboard keys (Ctrl+C, Ctrl+V, Ctrl+X) go nowhere.
    if (Message.Msg == WM_CHAR && FNavigation->AllowClipboardShortCuts() &&
        (Message.WParam == 3 || Message.WParam == 22 || Message.WParam == 24)) {
        Message.Result = 0;
        return;
    }
    TBaseGrid::WndProc(Message);
}

void TProStringGrid::CMEnabledChanged(TMessage& Message)
{
    TBaseGrid::CMEnabledChanged(Message);
    Invalidate();
}

void TProStringGrid::CMColorChanged(TMessage& Message)
{
    TBaseGrid::CMColorChanged(Message);
    if (FFloatingFooter->Visible())
        FFloatingFooter->Invalidate();
}

void TProStringGrid::CMCursorChanged(TMessage& Message)
{
    if (FInternalCursorChange)
        FInternalCursorChange = false;
    else
        FMouseSelectMode = msNormal;
}

void TProStringGrid::ResetFixedCellHighlight()
{
    FFixedSizingFlags = false;
    if (FHoverFixedCells != hfNone && FHoverFixedCell.X != -1) {
        const TPoint cell = FHoverFixedCell;
        FHoverFixedCell = TPoint{-1, -1};
        RepaintCell(cell.X, cell.Y);
    }
}

TCustomForm* TProStringGrid::GetParentForm(TControl* AControl)
{
    for (TControl* c = AControl; c; c = c->Parent())
        if (auto* form = dynamic_cast<TCustomForm*>(c))
            return form;
    return nullptr;
}

void TProStringGrid::RegisterNotifier(TGridChangeNotifier* ANotifier)
{
    if (FNotifierList->IndexOf(ANotifier) < 0)
        FNotifierList->Add(ANotifier);
}

void TProStringGrid::UnRegisterNotifier(TGridChangeNotifier* ANotifier) { FNotifierList->Remove(ANotifier); }

void TProStringGrid::LastRowChanged()
{
    if (FFooterPanel)
        FFooterPanel->Invalidate();
}
