// The multi-column drop-down's table: loading from the drop-down,
// automatic column widths and row heights, cell drawing, keys and mouse.
#include "grid/dropdown/DropDownUtils.h"
#include "grid/dropdown/ProMultiColumnDropDown.h"
#include "platform/controls/SystemMetrics.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/ImageList.h"
#include <algorithm>

namespace ProMultiColumnDropDownUnit {

TProColGrid::TProColGrid(TComponent* AOwner)
    : TStringGrid(AOwner), FColumns(std::make_unique<TDropDownColumns>(this)), FHeaderFont(std::make_unique<TFont>())
{
    SetFixedCols(0);
    SetFixedRows(1);
    SetOptions((Options() - goRangeSelect - goDrawFocusSelected) + goHorzLine + goRowSelect);
    SetDefaultDrawing(false);
    SetBorderStyle(bsNone);
    TCustomGrid::SetGridLineWidth(0);
    FOldRow = Row();
}

TProColGrid::~TProColGrid() = default;

void TProColGrid::SetColumns(TDropDownColumns* Value)
{
    FColumns->Assign(Value);
}

void TProColGrid::SetHeaderFont(TFont* Value)
{
    FHeaderFont->Assign(Value);
}

void TProColGrid::SetGridLineWidth(int Value)
{
    FGridLineWidth = Value;
    TCustomGrid::SetGridLineWidth(0);
    Invalidate();
}

void TProColGrid::SetImages(TCustomImageList* Value)
{
    if (FImages)
        FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (FImages)
        FImages->FreeNotification(this);
}

void TProColGrid::Notification(TComponent* AComponent, TOperation Operation)
{
    TStringGrid::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FImages)
        FImages = nullptr;
}

// Loading and sizing

void TProColGrid::LoadFromDropDown(TProMultiColumnDropDown* D)
{
    if (!D)
        return;
    FProDropDown = D;
    FColumns->Assign(D->Columns());
    // The item texts stay with the drop-down's items.
    SetColCount(std::max(FColumns->Count(), 1));
    SetRowCount(D->Items()->Count() + 1);
    if (RowCount() > 1) {
        SetFixedRows(1);
        SetRow(1);
        SetRowCount(D->Items()->Count() + 1);
    }
    for (int i = 0; i < FColumns->Count(); ++i)
        SetColWidths(i, FColumns->Items(i)->Width());
    FLineColor = D->LineColor();
    FFixedLineColor = D->FixedLineColor();
    FHeaderColor = D->HeaderColor();
    FHeaderColorTo = D->HeaderColorTo();
    FHeaderHeight = D->HeaderHeight();
    FHeaderFont->Assign(D->HeaderFont());
    SetImages(D->Images());
    SetDefaultRowHeight(D->DropDownRowHeight());
    SetRowHeights(0, D->HeaderHeight());
    SetOptions(D->ColumnSizing() ? Options() + goColSizing : Options() - goColSizing);
    AutoSizeColumns();
    AutoRowHeights();
}

int TProColGrid::GetNeededWidth() const
{
    int w = 2 * FrameSize();
    for (int i = 0; i < ColCount(); ++i)
        w += ColWidths(i);
    if (VisibleRowCount() + FixedRows() < RowCount())
        w += GetSystemMetrics(SM_CXVSCROLL);
    return w;
}

bool TProColGrid::OnPopupForm() const
{
    return dynamic_cast<TDropDownForm*>(Parent()) != nullptr;
}

void TProColGrid::AutoSizeColumns()
{
    for (int i = 0; i < FColumns->Count(); ++i)
        if (FColumns->Items(i)->AutoSize())
            AutoSizeColumn(i);
}

void TProColGrid::AutoSizeColumn(int Index)
{
    if (Index < 0 || Index >= FColumns->Count() || !FColumns->Items(Index)->AutoSize() || !OnPopupForm()
        || !FProDropDown)
        return;
    TDropDownColumn* column = FColumns->Items(Index);
    TCanvas* canvas = static_cast<TDropDownForm*>(Parent())->Canvas();
    canvas->Font()->Assign(column->Font());
    TDropDownItems* items = FProDropDown->Items();
    int widest = 0;
    for (int r = 1; r < RowCount() && r - 1 < items->Count(); ++r) {
        TDropDownItem* item = items->Items(r - 1);
        int w = 0;
        if (column->ColumnType() == ctImage && item->ImageIndex() >= 0 && FImages)
            w += FImages->Width() + 4;
        const QString text = item->ColumnText(Index);
        if (!text.isEmpty())
            w += GetTextSize(canvas, text).X + 6;
        widest = std::max(widest, w);
    }
    column->SetWidth(widest);
    if (Index < ColCount())
        SetColWidths(Index, widest);
}

void TProColGrid::AutoRowHeights()
{
    bool wraps = false;
    for (int i = 0; i < FColumns->Count(); ++i)
        wraps = wraps || FColumns->Items(i)->Wordwrap();
    if (!wraps || !OnPopupForm() || !FProDropDown)
        return;
    TCanvas* canvas = static_cast<TDropDownForm*>(Parent())->Canvas();
    TDropDownItems* items = FProDropDown->Items();
    for (int r = 1; r < RowCount() && r - 1 < items->Count(); ++r) {
        TDropDownItem* item = items->Items(r - 1);
        int h = 24;
        for (int i = 0; i < FColumns->Count(); ++i) {
            TDropDownColumn* column = FColumns->Items(i);
            if (!column->Wordwrap())
                continue;
            if (column->ColumnType() == ctImage && item->ImageIndex() >= 0 && FImages)
                h = std::max(h, FImages->Height() + 6);
            canvas->Font()->Assign(column->Font());
            TRect box(0, 0, i < ColCount() ? ColWidths(i) : column->Width(), 0);
            DrawText(canvas, item->ColumnText(i), -1, &box, DT_CALCRECT | DT_WORDBREAK);
            h = std::max(h, box.Height() + 6);
        }
        SetRowHeights(r, h);
    }
}

TRect TProColGrid::GetCellRect(int ACol, int ARow) const
{
    TRect r = CellRect(ACol, ARow);
    r.Right = r.Left + ColWidths(ACol);
    r.Bottom = r.Top + RowHeights(ARow);
    return r;
}

// Drawing

void TProColGrid::DrawCellLines(const TRect& R, bool Header)
{
    TCanvas* canvas = Canvas();
    const bool horz = Options().Contains(Header ? goFixedHorzLine : goHorzLine);
    const bool vert = Options().Contains(Header ? goFixedVertLine : goVertLine);
    int c = 1;
    if (Header) {
        canvas->Pen()->SetColor(FFixedLineColor);
        canvas->Pen()->SetWidth(1);
    } else {
        if (FGridLineWidth > 0)
            canvas->Pen()->SetColor(FLineColor);
        canvas->Pen()->SetWidth(FGridLineWidth);
        c = (FGridLineWidth + 1) / 2;
    }
    if (Header || FGridLineWidth > 0) {
        if (horz) {
            canvas->MoveTo(R.Left - c + 1, R.Bottom - c);
            canvas->LineTo(R.Right - c + 1, R.Bottom - c);
        }
        if (vert) {
            const int x = UseRightToLeftAlignment() ? R.Right - c + 1 : R.Right - c;
            canvas->MoveTo(x, R.Bottom - c);
            canvas->LineTo(x, R.Top - c);
        }
    }
    canvas->Pen()->SetWidth(1);
}

void TProColGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    TCanvas* canvas = Canvas();
    TProMultiColumnDropDown* dd = FProDropDown;
    if (dd && dd->OnDropDownDrawItem) {
        dd->OnDropDownDrawItem(dd, ACol, ARow, canvas, ARect);
        return;
    }
    int position = 3;
    if (ColCount() == 1)
        position = 0;
    else if (ACol == 0)
        position = 1;
    else if (ACol == ColCount() - 1)
        position = 2;
    TRect r = GetCellRect(ACol, ARow);
    const bool header = ARow < FixedRows();

    QString text = ARow >= 0 ? Cells(ACol, ARow) : QString();
    int image = -1;
    TColor color = Color();
    TAlignment alignment = taLeftJustify;
    bool wrap = false;
    bool ellipsis = false;
    TDropDownColumn* column = ACol < FColumns->Count() ? FColumns->Items(ACol) : nullptr;
    if (column) {
        color = column->Color();
        alignment = column->Alignment();
        wrap = column->Wordwrap();
        ellipsis = column->Ellipsis();
        canvas->Font()->Assign(column->Font());
        if (dd && ARow >= 1 && ARow - 1 < dd->Items()->Count()) {
            TDropDownItem* item = dd->Items()->Items(ARow - 1);
            if (column->ColumnType() == ctImage)
                image = item->ImageIndex();
            if (item->HasText(ACol))
                text = item->ColumnText(ACol);
        }
    } else {
        canvas->Font()->Assign(FHeaderFont.get());
    }
    if (dd && dd->OnDropDownGetItemText)
        dd->OnDropDownGetItemText(dd, ACol, ARow, text);

    const bool selected = AState.Contains(gdSelected) && !header;
    if (!header) {
        if (!selected) {
            canvas->Pen()->SetColor(color);
            canvas->Pen()->SetWidth(1);
            canvas->Brush()->SetStyle(bsSolid);
            canvas->Brush()->SetColor(color);
            canvas->Rectangle(r);
        } else if (dd) {
            dd->DrawSelectionBackground(canvas, r, color, position);
        } else {
            canvas->Brush()->SetStyle(bsSolid);
            canvas->Brush()->SetColor(clActiveCaption);
            canvas->FillRect(r);
        }
    } else {
        if (column) {
            text = column->Header();
            image = -1;
        }
        if (FHeaderColor == clNone || FHeaderColorTo == clNone) {
            canvas->Brush()->SetStyle(bsSolid);
            canvas->Brush()->SetColor(FHeaderColor);
            canvas->FillRect(r);
        } else if (dd) {
            dd->DrawGradient(canvas, FHeaderColor, FHeaderColorTo, 80, r, gdVertical);
        } else {
            ::DrawGradient(canvas, FHeaderColor, FHeaderColorTo, 80, r, false);
        }
    }
    DrawCellLines(r, header);

    TRect t = r;
    InflateRect(t, -FGridLineWidth, -FGridLineWidth);
    if (dd && dd->Images() && image >= 0) {
        TCustomImageList* images = dd->Images();
        const int y = images->Height() < t.Height() ? t.Top + (t.Height() - images->Height()) / 2 : t.Top;
        images->Draw(canvas, t.Left + 2, y, image, true);
        t.Left += images->Width() + 4;
    } else {
        t.Left += 2;
    }
    if (text.isEmpty())
        return;
    unsigned flags = DT_NOPREFIX | DT_EXPANDTABS;
    flags |= wrap ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE | DT_VCENTER;
    if (alignment == taRightJustify)
        flags |= DT_RIGHT;
    else if (alignment == taCenter)
        flags |= DT_CENTER;
    if (ellipsis)
        flags |= DT_END_ELLIPSIS;
    if (header)
        canvas->Font()->Assign(FHeaderFont.get());
    else if (selected && dd)
        canvas->Font()->SetColor(dd->SelectionTextColor());
    canvas->Brush()->SetStyle(bsClear);
    DrawText(canvas, text, -1, &t, flags);
    canvas->Brush()->SetStyle(bsSolid);
}

bool TProColGrid::SelectCell(int ACol, int ARow)
{
    return TStringGrid::SelectCell(ACol, ARow);
}

void TProColGrid::DoSelect()
{
    CallEvent(OnSelect, this);
}

// Keys and mouse

void TProColGrid::KeyDown(int& Key, TShiftState Shift)
{
    FConfirmSelection = true;
    if (Shift.Contains(ssAlt) && (Key == VK_UP || Key == VK_DOWN)) {
        if (FProDropDown)
            SendMessage(FProDropDown, WM_KEYDOWN, WPARAM(Key), 0);
        return;
    }
    const int key = Key;
    TControlGuard alive = Guard();
    TStringGrid::KeyDown(Key, Shift);
    if (!alive.expired() && key == VK_RETURN)
        DoSelect();
}

void TProColGrid::WMKeyDown(TWMKey& Message)
{
    if (Message.CharCode == VK_TAB)
        return;
    TStringGrid::WMKeyDown(Message);
}

void TProColGrid::WMGetDlgCode(TMessage& Message)
{
    Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB;
}

bool TProColGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    FMouseWheelSelection = true;
    FConfirmSelection = false;
    const bool handled = TStringGrid::DoMouseWheelDown(Shift, MousePos);
    FMouseWheelSelection = false;
    return handled;
}

bool TProColGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    FMouseWheelSelection = true;
    FConfirmSelection = false;
    const bool handled = TStringGrid::DoMouseWheelUp(Shift, MousePos);
    FMouseWheelSelection = false;
    return handled;
}

void TProColGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FConfirmSelection = true;
    FOldRow = Row();
    TStringGrid::MouseDown(Button, Shift, X, Y);
}

void TProColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TControlGuard alive = Guard();
    TStringGrid::MouseUp(Button, Shift, X, Y);
    if (alive.expired())
        return;
    int col = -1, row = -1;
    MouseToCell(X, Y, col, row);
    if (row >= FixedRows() && row < RowCount())
        DoSelect();
}

} // namespace ProMultiColumnDropDownUnit
