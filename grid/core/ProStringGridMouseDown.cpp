// The left button's press on the string grid, handled before the platform
// grid sees it: in a fixed order the press may grab the selection's resize
// handle, push a header or cell button, toggle a node, a radio group, a
// rating or a check box, start a drag of the selection, follow a link,
// select a header's row or column, or go on to the platform grid, which
// moves the current cell; OnClickCell fires for the cell pressed.
#include "grid/core/ControlLook.h"
#include "grid/core/DragSettings.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridFeatureHooks.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/MarkupRender.h"
#include "grid/foundation/MarkupText.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/StringUtils.h"
#include "grid/foundation/TextUtils.h"
#include "platform/controls/Messages.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Frames.h"
#include "platform/services/Shell.h"
#include <QUrl>

namespace {

// The half-star width of a rating, in pixels.
constexpr int RatingStep = 9;

bool AltDown() { return GetKeyState(VK_MENU) < 0; }

} // namespace

TShiftState TProStringGrid::PressShift(const TWMMouse& Message)
{
    const TShiftState keys = KeysToShiftState(Message.Keys);
    if (AltDown())
        return TShiftState{ssAlt};
    if (keys.Contains(ssShift))
        return TShiftState{ssShift};
    if (keys.Contains(ssCtrl))
        return TShiftState{ssCtrl};
    return {};
}

TShiftState TProStringGrid::FullShift(const TWMMouse& Message)
{
    TShiftState s = KeysToShiftState(Message.Keys);
    if (AltDown())
        s += ssAlt;
    return s;
}

void TProStringGrid::FireMouseDown(const TWMMouse& Message, TShiftState Shift)
{
    if (OnMouseDown)
        OnMouseDown(this, mbLeft, Shift, Message.XPos, Message.YPos);
}

void TProStringGrid::FireClickCell(int ARow, int ACol)
{
    if (OnClickCell)
        OnClickCell(this, ARow, ACol);
}

void TProStringGrid::WMLButtonDown(TWMMouse& Message)
{
    const int X = Message.XPos, Y = Message.YPos;
    FDoOnClick = FMouseDownMove = FMouseKeepDown = true;
    FColMoveFlg = FColSizeFlg = false;
    FSpinUpClick = FSpinDnClick = false;
    FCancelRange = false;
    TGridCoord cell = MouseCoord(X, Y);
    if (PressSelectionResizer(Message, false))
        return;
    if (Options().Contains(goEditing) && FMouseActions->RangeSelectAndEdit() && cell.X >= 0 && cell.Y >= 0 &&
        !IsSelected(cell.X, cell.Y))
        SetOptions(Options() - goEditing);
    bool allow = true;
    if (OnCanClickCell)
        OnCanClickCell(this, cell.Y, cell.X, allow);
    if (!allow)
        return;
    if (FMouseSelectMode == msResize) {
        PressSelectionResizer(Message, true);
        return;
    }
    if (FMouseActions->DisjunctCellSelect() && !PressShift(Message).Contains(ssCtrl) && cell.X >= 0 && cell.Y >= 0 &&
        !IsFixed(cell.X, cell.Y)) {
        FSelectedCells->Clear();
        Invalidate();
    }
    FSearchInc.clear();
    FMoveColInd = -1;
    FSelectionClick = false;
    FPushedCellButton = TPoint{-1, -1};
    FOldTopRow = TopRow();
    RecordPress(X, Y, cell);
    if (cell.X < 0 || cell.Y < 0) {
        HideInplaceEdit();
        if (!FFixedRowAlways)
            TBaseGrid::WMLButtonDown(Message);
        return;
    }
    PressCell(Message, cell);
}

void TProStringGrid::RecordPress(int X, int Y, TGridCoord Cell)
{
    // The cell a little up and left of the press: the one whose right or
    // bottom border a sizing grabs.
    const int dx = Cell.Y == 0 || Cell.X != 0 ? 5 : 0;
    const int dy = Cell.Y != 0 ? 4 : 0;
    MouseToCell(X - dx, Y - dy, FColClicked, FRowClicked);
    if (FColClicked >= 0 && FRowClicked >= 0) {
        FColClickedSize = ColWidths(FColClicked);
        FRowClickedSize = RowHeights(FRowClicked);
    }
    FClickPos = TPoint{X, Y};
    FClickState = gsNormal;
    FClickCol = Cell.X;
    FMoveCell = -1;
}

bool TProStringGrid::PressSelectionResizer(TWMMouse& Message, bool Armed)
{
    if (!Armed) {
        if (!FSelectionResizer || !FSelectionRectangle)
            return false;
        const TGridRect sel = Selection();
        const TRect r = CellRect(sel.Right, sel.Bottom);
        const int left = UseRightToLeftAlignment() ? r.Left : r.Right - 6;
        if (r.IsEmpty() || Message.XPos < left || Message.XPos >= left + 6 || Message.YPos < r.Bottom - 6 ||
            Message.YPos >= r.Bottom)
            return false;
    }
    const TGridRect sel = Selection();
    const int col = Col(), row = Row();
    FDropSelection = sel;
    if (GridFeatureHooks.CopySelection)
        GridFeatureHooks.CopySelection(this);
    FMouseResize = true;
    const bool editing = Options().Contains(goEditing);
    if (!editing && (Armed || !FMouseActions->RangeSelectAndEdit()))
        TBaseGrid::WMLButtonDown(Message);
    SetSelection(sel);
    MoveColRow(col, row, false, false);
    SetSelection(sel);
    FGridState = gsSelecting;
    if (!Armed) {
        MouseMove(TShiftState(), Message.XPos, Message.YPos);
        Message.Result = 1;
    }
    return true;
}

void TProStringGrid::PressCell(TWMMouse& Message, TGridCoord Cell)
{
    const int X = Message.XPos, Y = Message.YPos;
    const TPoint base = BaseCell(Cell.X, Cell.Y);
    const int ACol = base.X, ARow = base.Y;
    const TRect R = CellRect(ACol, ARow);
    if (FMouseActions->CaretPositioning())
        LButFlg = true;
    if (PressFixedSizing(X, Y))
        return;
    const bool fixedByCount = ACol < FixedCols() || ARow < FixedRows();
    const bool otherFixed = !fixedByCount && IsFixed(ACol, ARow);
    if (fixedByCount || otherFixed)
        HideInplaceEdit();
    bool nodeGlyph = ACol == 0 && IsNode(ARow) && PressOnNodeGlyph(ARow, X);
    if ((fixedByCount || otherFixed) && FFixedAsButtons && Options().Contains(goFixedVertLine) &&
        Options().Contains(goFixedHorzLine) && !nodeGlyph) {
        FPushedFixedCell = R;
        FPushedCellButton = TPoint{ACol, ARow};
        FFixedCellPushed = true;
        DrawFixedCellEdge(R, true);
        nodeGlyph = false;
    }
    if (PressCellDecoration(Message, ACol, ARow, R, nodeGlyph))
        return;
    if (ACol >= ColCount() || ARow >= RowCount()) {
        TBaseGrid::WMLButtonDown(Message);
        return;
    }
    FClickPosDelta = TPoint{X, Y};
    if (FColClicked >= 0 && FRowClicked >= 0) {
        const TRect c = CellRect(FColClicked, FRowClicked);
        FClickPosDelta = TPoint{X - c.Right, Y - c.Bottom};
    }
    if (PressDisjunct(Message, ACol, ARow))
        return;
    if (PressAnchor(Message, ACol, ARow, R))
        return;
    if (PressHeaderSelect(Message, ACol, ARow))
        return;
    if (ARow < FixedRows() && ACol >= FixedCols())
        FMoveCell = ACol;
    else if (ACol < FixedCols() && ARow >= FixedRows())
        FMoveCell = ARow;
    FMoveOfs = TPoint{X - R.Left, Y - R.Top};
    bool canEdit = Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit();
    const int realCol = DisplToRealCol(ACol);
    CanEditCell(realCol, ARow, canEdit);
    if (PressCheckBox(Message, ACol, ARow, canEdit))
        return;
    PressNormal(Message, ACol, ARow, R, canEdit, otherFixed);
}

bool TProStringGrid::PressOnNodeGlyph(int ARow, int X)
{
    return !FMouseActions->PreciseNodeClick() || IsInNodeGlyph(ARow, X);
}

void TProStringGrid::DrawFixedCellEdge(const TRect& R, bool Sunken)
{
    TRect r = R;
    const unsigned edge = Sunken ? BDR_SUNKENINNER : BDR_RAISEDINNER;
    DrawEdge(Canvas()->Handle(), r, edge, BF_BOTTOMRIGHT);
    DrawEdge(Canvas()->Handle(), r, edge, BF_TOPLEFT);
}

bool TProStringGrid::PressCellDecoration(TWMMouse& Message, int ACol, int ARow, const TRect& R, bool NodeGlyph)
{
    const int X = Message.XPos, Y = Message.YPos;
    const int realCol = DisplToRealCol(ACol);
    if (FControlLook->SpinButtonsAlwaysVisible() && HasSpinEdit(realCol, ARow) && X > R.Right - 18) {
        if (Y > (R.Top + R.Bottom) / 2)
            FSpinDnClick = true;
        else
            FSpinUpClick = true;
    }
    if (ARow < FixedRows() && NodeGlyph && FMouseActions->NodeAllExpandContract()) {
        if (GetNodeState(ARow))
            ExpandAll();
        else
            ContractAll();
    }
    if (ARow >= FixedRows() && NodeGlyph) {
        PressNode(Message, ACol, ARow);
        return true;
    }
    if (IsRadio(realCol, ARow) && (IsEditable(realCol, ARow) || FControlLook->RadioAlwaysActive())) {
        HideInplaceEdit();
        ClickRadioGroup(realCol, ARow, X - R.Left, Y - R.Top);
        GrabFocus();
        return true;
    }
    if (ACol == 0 && ARow >= FixedRows() && FNumNodes > 0 && !FMouseActions->RowSelect() &&
        !Options().Contains(goRowSizing)) {
        FireMouseDown(Message, PressShift(Message));
        FireClickCell(ARow, ACol);
        return true;
    }
    if (PressSelectionClick(Message, ACol, ARow, R))
        return true;
    if (HasRating(realCol, ARow) && IsEditable(realCol, ARow)) {
        HideInplaceEdit();
        double rate = double((X - R.Left) / RatingStep) / 2;
        if (DoRatingChange(realCol, ARow, rate)) {
            SetFloats(realCol, ARow, rate);
            RepaintCell(ACol, ARow);
        }
        return true;
    }
    if (PressCellButton(Message, ACol, ARow))
        return true;
    // A merged cell is pressed at its base cell's corner, so the platform
    // grid selects the base cell.
    if (IsMergedCell(ACol, ARow) && !IsFixed(ACol, ARow) && !OnMouseDown) {
        Message.XPos = UseRightToLeftAlignment() ? R.Right - 2 : R.Left + 2;
        Message.YPos = R.Top + 2;
    }
    return false;
}

void TProStringGrid::PressNode(const TWMMouse& Message, int ACol, int ARow)
{
    FireMouseDown(Message, PressShift(Message));
    FireClickCell(ARow, ACol);
    const int realRow = DisplToRealRow(ARow);
    bool allow = true;
    if (GetNodeState(ARow)) {
        if (OnBeforeExpandNode)
            OnBeforeExpandNode(this, ARow, realRow, allow);
        if (allow) {
            ExpandNode(realRow);
            if (OnExpandNode)
                OnExpandNode(this, ARow, realRow);
        }
    } else {
        if (OnBeforeContractNode)
            OnBeforeContractNode(this, ARow, realRow, allow);
        if (allow) {
            ContractNode(realRow);
            if (OnContractNode)
                OnContractNode(this, ARow, realRow);
        }
    }
    if (FMouseActions->MoveRowOnNodeClick())
        SetRow(ARow);
}

bool TProStringGrid::PressSelectionClick(const TWMMouse& Message, int ACol, int ARow, const TRect& R)
{
    const bool selected = IsSelected(ACol, ARow);
    if (!selected && !(ARow < FixedRows() && !FEnhRowColMove))
        return false;
    const int realCol = DisplToRealCol(ACol);
    const int X = Message.XPos;
    if (Options().Contains(goEditing) || HasButton(realCol, ARow) || HasCheckBox(realCol, ARow) ||
        !FDragDropSettings->OleDropSource())
        return false;
    if (ARow < FixedRows() && (FMouseActions->ColSelect() || FMouseActions->AllSelect()))
        return false;
    if (ACol < FixedCols())
        return false;
    if (!(X > R.Left + 3 && X < R.Right - 3) && Options().Contains(goColSizing))
        return false;
    GrabFocus();
    FireMouseDown(Message, PressShift(Message));
    FSelectionClick = true;
    FireClickCell(ARow, ACol);
    return true;
}

bool TProStringGrid::PressCellButton(const TWMMouse& Message, int ACol, int ARow)
{
    const int realCol = DisplToRealCol(ACol);
    const bool button = HasButton(realCol, ARow);
    if (!button && !HasExpand(realCol, ARow))
        return false;
    HideInplaceEdit();
    if (!IsFixed(ACol, ARow)) {
        const bool force = FForceSel;
        FForceSel = true;
        SelectCell(ACol, ARow);
        FForceSel = force;
    }
    const TRect r = button ? GetButtonRect(realCol, ARow) : ExpandRect(CellRect(ACol, ARow));
    if (!r.Contains(TPoint{Message.XPos, Message.YPos}))
        return false;
    PushButton(ACol, ARow, true);
    FPushedCellButton = TPoint{ACol, ARow};
    SetMouseCapture(true);
    FireClickCell(ARow, ACol);
    return true;
}

TRect TProStringGrid::ExpandRect(const TRect& R) { return TRect{R.Right - 13, R.Top + 2, R.Right - 2, R.Top + 13}; }

bool TProStringGrid::PressDisjunct(TWMMouse& Message, int ACol, int ARow)
{
    const TShiftState shift = FullShift(Message);
    if (FMouseActions->DisjunctRowSelect() && ARow >= FixedRows() &&
        (ACol != 0 || !FMouseActions->HotmailRowSelect())) {
        if (shift.Contains(ssShift)) {
            const TGridRect old = Selection();
            TBaseGrid::WMLButtonDown(Message);
            SetSelection(TGridRect{ACol, ARow, old.Left, old.Top});
            return true;
        }
        const int row = FMouseActions->RowSelectPersistent() ? DisplToRealRow(ARow) : ARow;
        if (shift.Contains(ssCtrl) || FMouseActions->DisjunctRowSelectNoCtrl()) {
            if (GetRowSelect(row))
                FDeselectState = true;
        } else {
            FMouseDown = true;
            if (!shift.Contains(ssAlt))
                ClearRowSelect();
        }
    }
    if (FMouseActions->DisjunctColSelect() && ACol >= FixedCols()) {
        if (shift.Contains(ssCtrl)) {
            if (GetColSelect(ACol))
                FDeselectState = true;
        } else {
            FMouseDown = true;
            ClearColSelect();
        }
    }
    return false;
}

bool TProStringGrid::PressAnchor(const TWMMouse& Message, int ACol, int ARow, const TRect& R)
{
    const int realCol = DisplToRealCol(ACol);
    const QString text = Cells(realCol, ARow);
    const bool html = ClassifyCellText(text, FEnableHTML) == ctHTML;
    if (!FURLShow && !html)
        return false;
    // Links inside mini-markup and its form controls are worked by the
    // cell's markup; a plain text cell is a link as a whole.
    if (html)
        return PressMarkup(Message, ACol, ARow, R, text);
    if (!ContainsURL(text))
        return false;
    bool autoHandle = true;
    if (OnAnchorClick)
        OnAnchorClick(this, ARow, ACol, text, autoHandle);
    if (autoHandle)
        FollowAnchor(text);
    return true;
}

bool TProStringGrid::PressMarkup(const TWMMouse& Message, int ACol, int ARow, const TRect& R, QString Text)
{
    const int realCol = DisplToRealCol(ACol);
    TRect r = R;
    r.Right -= FXYOffset.X;
    r.Left += FXYOffset.X + 1;
    r.Top += FXYOffset.Y + 1;
    if (HasCheckBox(realCol, ARow))
        r.Left += FControlLook->CheckSize();
    QString anchor, plain, focus, title, ctrlID, ctrlValue, ctrlType;
    int extentX = 0, extentY = 0, anchors = 0, anchorAt = 0;
    TRect anchorRect, ctrlRect;
    Canvas()->Font()->Assign(GetCellFont(realCol, ARow));
    RenderHTMLText(Canvas(), Text, r, GetCellImageList(), Message.XPos, Message.YPos, -1, 0, 1, true, false, false,
                   false, false, false, true, false, 1.0, FURLColor, clNone, clNone, clGray, anchor, plain, focus,
                   title, extentX, extentY, anchors, anchorAt, anchorRect, ctrlRect, ctrlID, ctrlValue, ctrlType,
                   FImageCache.get(), FPictureContainer, Handle(), 0);
    if (anchor.isEmpty() && ctrlID.isEmpty()) {
        if (!HasControlTag(Text))
            return false;
        FireClickCell(ARow, ACol);
        HideInplaceEdit();
        const TPoint base = BaseCell(ACol, ARow);
        SetSelection(TGridRect{base.X, base.Y, base.X, base.Y});
        return true;
    }
    bool autoHandle = true;
    bool editable = (Options().Contains(goEditing) || FEditDisable) && !ReadOnly(realCol, ARow);
    if (!ctrlID.isEmpty())
        DoCanEditCell(ACol, ARow, editable);
    if (!ctrlID.isEmpty() && editable) {
        PressFormControl(ACol, ARow, ctrlRect, ctrlID, ctrlType, ctrlValue);
        autoHandle = false;
    } else if (!anchor.isEmpty() && OnAnchorClick) {
        OnAnchorClick(this, ARow, ACol, anchor, autoHandle);
    }
    if (autoHandle && !anchor.isEmpty())
        FollowAnchor(anchor);
    return true;
}

void TProStringGrid::PressFormControl(int ACol, int ARow, const TRect& CtrlRect, const QString& CtrlID,
                                      const QString& CtrlType, const QString& CtrlValue)
{
    const int realCol = DisplToRealCol(ACol);
    if (FCtrlEditing)
        ControlExit(this);
    QString text = Cells(realCol, ARow);
    const QString type = CtrlType.toUpper();
    if (type == QLatin1String("BUTTON")) {
        FCtrlXY = TPoint{realCol, ARow};
        FCtrlDown = true;
        RepaintCell(ACol, ARow);
    } else if (type == QLatin1String("CHECK")) {
        QString value;
        GetControlValue(text, CtrlID, value);
        SetControlValue(text, CtrlID, value.toUpper() == QLatin1String("TRUE") ? QStringLiteral("FALSE")
                                                                               : QStringLiteral("TRUE"));
        SetCells(realCol, ARow, text);
    } else if (type == QLatin1String("RADIO")) {
        text = ClearRadioControls(text);
        SetControlValue(text, CtrlID, QStringLiteral("TRUE"));
        SetCells(realCol, ARow, text);
    }
    if (OnControlClick)
        OnControlClick(this, ARow, ACol, CtrlID, CtrlType, CtrlValue);
    ControlStart(text, type, ARow, realCol, ACol, CtrlRect, CtrlValue, CtrlID);
}

void TProStringGrid::FollowAnchor(const QString& Anchor)
{
    const int cellLink = Anchor.toUpper().indexOf(QStringLiteral("CELL://"));
    if (cellLink < 0) {
        // Only a well-formed URL with a scheme goes to the shell; any other
        // text in a link cell is not a command to run.
        const QUrl url(Anchor.trimmed(), QUrl::StrictMode);
        if (url.isValid() && !url.scheme().isEmpty())
            ShellOpen(url.toString());
        return;
    }
    TPoint cell;
    if (ParseCellAddress(Anchor.mid(cellLink + 7), cell) && cell.X >= 0 && cell.X < ColCount() &&
        cell.Y >= 0 && cell.Y < RowCount()) {
        SetRow(cell.Y);
        SetCol(cell.X);
        ScrollInView(cell.X, cell.Y);
    }
}

bool TProStringGrid::PressHeaderSelect(const TWMMouse& Message, int ACol, int ARow)
{
    const bool shift = KeysToShiftState(Message.Keys).Contains(ssShift);
    const TGridRect old = Selection();
    TGridRect sel{};
    if (ACol < FixedCols() && ARow < FixedRows() && FMouseActions->AllSelect() && Options().Contains(goRangeSelect) &&
        FMouseSelectMode == msAll) {
        GrabFocus();
        sel = TGridRect{FixedCols(), FixedRows(), ColCount() - 1, RowCount() - 1};
    } else if (ACol < FixedCols() && ARow >= FixedRows() && FMouseActions->RowSelect() && FMouseSelectMode == msRow) {
        if (EditorMode())
            GrabFocus();
        sel = TGridRect{FixedCols(), ARow, ColCount() - 1, shift ? old.Top : ARow};
        FMouseSelectStart = ARow;
    } else if (ACol >= FixedCols() && ARow < FixedRows() && FMouseActions->ColSelect() &&
               Options().Contains(goRangeSelect) && FMouseSelectMode == msColumn) {
        GrabFocus();
        const int other = !shift ? ACol : ACol < old.Left ? old.Right : old.Left;
        sel = TGridRect{ACol, FixedRows(), other, RowCount() - 1};
        FMouseSelectStart = ACol;
    } else {
        return false;
    }
    HideSelection();
    if (FMouseActions->DisjunctCellSelect() && FMouseSelectMode != msAll)
        FSelectedCells->Clear();
    SetSelection(TGridRect{std::min(sel.Left, sel.Right), std::min(sel.Top, sel.Bottom), std::max(sel.Left, sel.Right),
                           std::max(sel.Top, sel.Bottom)});
    FSelHidden = false;
    DoExit();
    if (FActiveCellShow)
        RepaintActiveHeaders(old.Left, old.Top, Col(), Row());
    if (FMouseSelectMode == msRow)
        RepaintCol(0);
    return true;
}

bool TProStringGrid::PressCheckBox(const TWMMouse& Message, int ACol, int ARow, bool CanEdit)
{
    const int realCol = DisplToRealCol(ACol);
    const bool hotmail = ACol == 0 && FMouseActions->HotmailRowSelect();
    const bool radio = HasRadioButton(realCol, ARow);
    if (!(CanEdit || FControlLook->CheckAlwaysActive() || hotmail) || !(HasCheckBox(realCol, ARow) || radio) ||
        !IsInCheckBox(realCol, ARow, Message.XPos, Message.YPos))
        return false;
    HideInplaceEdit();
    GrabFocus();
    const int realRow = DisplToRealRow(ARow);
    if (radio) {
        ToggleRadio(realCol, ARow, true);
        if (OnRadioButtonClick)
            OnRadioButtonClick(this, realCol, ARow);
    } else {
        ToggleCheck(realCol, ARow, true);
    }
    if (FShowModified->Enabled()) {
        SetRowModified(ARow, true);
        RepaintCell(0, ARow);
    }
    if (hotmail) {
        SetSelection(TGridRect{FixedCols(), ARow, ColCount() - 1, ARow});
        SetRowSelect(realRow, !GetRowSelect(realRow));
        if (realRow != ARow)
            RepaintCell(0, ARow);
        if (ARow == Row() && !GetRowSelect(realRow)) {
            HideSelection();
            FSelHidden = false;
        }
    }
    bool state = false;
    GetCheckBoxState(realCol, realRow, state);
    if (!FNavigation->AlwaysEdit() && ACol >= FixedCols() && ARow >= FixedRows() && !IsFixed(ACol, ARow))
        MoveColRow(ACol, ARow, true, true);
    DoCheckBoxClick(realCol, ARow, state);
    if (FHideFocusRect)
        RepaintCell(ACol, ARow);
    if (ARow < FixedRows() && FMouseActions->CheckAllCheck()) {
        for (int r = FixedRows(); r < RowCount() - FFixedFooters; ++r) {
            if (FMouseActions->HotmailRowSelect())
                SetRowSelect(DisplToRealRow(r), state);
            else
                SetCheckBoxState(realCol, r, state);
        }
        Invalidate();
    }
    FireMouseDown(Message, FullShift(Message));
    Click();
    return true;
}

void TProStringGrid::PressNormal(TWMMouse& Message, int ACol, int ARow, const TRect& R, bool CanEdit, bool OtherFixed)
{
    const int realCol = DisplToRealCol(ACol);
    const bool normal = ACol >= FixedCols() && ARow >= FixedRows() && !OtherFixed;
    const bool combo = normal && FControlLook->DropDownAlwaysVisible() && HasComboBox(realCol, ARow);
    const bool onceOnly = FMouseActions->EditOnDblClickOnly();
    const bool direct = FMouseActions->DirectEdit() || (FControlLook->DropDownAlwaysVisible() && combo);
    if (normal && (CanEdit || (onceOnly && combo)) && direct) {
        if (onceOnly && combo)
            FEditActive = false;
        HideInplaceEdit();
        GrabFocus();
    }
    const TGridRect sel = Selection();
    const bool onCurrent = R.Contains(TPoint{Message.XPos, Message.YPos}) && sel.Left == ACol && sel.Right == ACol &&
                           sel.Top == ARow && sel.Bottom == ARow;
    if (!onCurrent && FMouseActions->RangeSelectAndEdit() && !IsFixed(ACol, ARow) && !CanEdit) {
        FCancelRange = true;
        SetOptions(Options() - goEditing);
    }
    if (OtherFixed) {
        const bool footerRow = ARow == RowCount() - 1 && FFloatingFooter->Visible() &&
                               FFloatingFooter->FooterStyle() == fsFixedLastRow;
        if (!footerRow)
            FireClickCell(ARow, ACol);
        return;
    }
    PressPlatform(Message, ACol, ARow, R);
    const int X = Message.XPos;
    const bool border = ARow < FixedRows() && Options().Contains(goColSizing) &&
                        (std::abs(X - R.Left) <= 4 || std::abs(R.Right - X) <= 4);
    if (!border)
        FireClickCell(ARow, ACol);
    if (OnCellValidate) {
        FEntered = false;
        StoreOldCell(Col(), Row());
    }
    if (IsMergedCell(ACol, ARow) && !IsFixed(ACol, ARow) && (onCurrent || FMouseActions->DirectEdit()) && CanEdit)
        ShowInplaceEdit();
    PressDirectEdit(Message, ACol, ARow, R, CanEdit, combo);
    if (FCancelRange)
        FGridState = gsSelecting;
}

void TProStringGrid::PressPlatform(TWMMouse& Message, int ACol, int ARow, const TRect& R)
{
    const bool edge = ARow == TopRow() + VisibleRowCount() || ACol == LeftCol() + VisibleColCount() ||
                      (ACol == LeftCol() && LeftCol() > FixedCols());
    const bool keepLeft = Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll();
    const int left = LeftCol(), top = TopRow();
    if (keepLeft)
        BeginUpdate();
    if (!FSelHidden) {
        const bool alwaysEdit = FNavigation->AlwaysEdit();
        FNavigation->SetAlwaysEdit(false);
        TBaseGrid::WMLButtonDown(Message);
        FNavigation->SetAlwaysEdit(alwaysEdit);
    }
    FClickState = FGridState;
    if (FGridState == gsSelecting && edge && FMouseActions->NoAutoRangeScroll()) {
        StopSelectScroll();
        FGridState = gsNormal;
    }
    if (TopRow() != top && FMouseActions->NoScrollOnPartialRow()) {
        SetTopRow(top);
        SendMessage(this, WM_LBUTTONUP, 0, 0);
    }
    if (keepLeft) {
        SetLeftCol(left);
        EndUpdate();
    }
}

void TProStringGrid::PressDirectEdit(const TWMMouse& Message, int ACol, int ARow, const TRect& R, bool CanEdit,
                                     bool Combo)
{
    const int X = Message.XPos;
    const bool onceOnly = FMouseActions->EditOnDblClickOnly();
    if (!(X > R.Left + 3 && X < R.Right - 3) || ACol < FixedCols() || ARow < FixedRows())
        return;
    if (!(CanEdit || (onceOnly && Combo)))
        return;
    if (!(FMouseActions->DirectEdit() || (FControlLook->DropDownAlwaysVisible() && Combo)))
        return;
    const TPoint base = BaseCell(ACol, ARow);
    if (IsControlCell(DisplToRealCol(base.X), base.Y))
        return;
    if (onceOnly && Combo && !Options().Contains(goEditing)) {
        SetOptions(Options() + goEditing);
        GrabFocus();
    }
    bool allow = true;
    if (Row() != ARow && OnRowChanging)
        OnRowChanging(this, Row(), ARow, allow);
    if (Col() != ACol && OnColChanging)
        OnColChanging(this, Col(), ACol, allow);
    if ((Row() != ARow || Col() != ACol) && OnCellChanging)
        OnCellChanging(this, Row(), Col(), ARow, ACol, allow);
    if (!allow)
        return;
    SetSelection(TGridRect{base.X, base.Y, base.X, base.Y});
    StoreOldCell(base.X, base.Y);
    ShowEditor();
}

void TProStringGrid::GrabFocus()
{
    if (CanFocus() && !Focused())
        SetFocus();
}

void TProStringGrid::ClickRadioGroup(int ACol, int ARow, int X, int Y)
{
    TStrings* items = GetRadioStrings(ACol, ARow);
    int idx = -1;
    if (!items || !GetRadioIdx(ACol, ARow, idx))
        return;
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    const int displCol = RealToDisplCol(ACol);
    if (!IsFixed(displCol, ARow)) {
        SetCol(displCol);
        SetRow(ARow);
    }
    const int spacing = FControlLook->ControlStyle() >= csWinXP ? 16 : FControlLook->RadioSize();
    const bool horizontal = g && g->CellBoolean();
    const int pos = horizontal ? X : Y;
    int sum = 0;
    for (int i = 0; i < items->Count(); ++i) {
        const int prev = sum;
        sum += horizontal ? Canvas()->TextWidth(items->Strings(i)) + spacing
                          : std::max(spacing, Canvas()->TextHeight(QStringLiteral("gh")));
        if (prev < pos && pos < sum) {
            SetRadioIdx(ACol, ARow, i);
            if (OnRadioClick)
                OnRadioClick(this, ACol, ARow, i);
            return;
        }
    }
}
