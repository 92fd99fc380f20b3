// The grid drop-down's popup grid: taking the drop-down's settings,
// filling from its items, sizing columns and rows, keys and mouse.
#include "grid/core/ProCustomGridDropDownGrid.h"
#include "platform/controls/SystemMetrics.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/ImageList.h"
#include <algorithm>

namespace ProCustomGridDropDownUnit {

namespace {

// An item index kept as a cell object.
TObject* IndexObject(int Index)
{
    return reinterpret_cast<TObject*>(std::intptr_t(Index));
}

} // namespace

TProColGrid::TProColGrid(TComponent* AOwner)
    : TProStringGrid(AOwner), FColumns(std::make_unique<TDropDownColumns>(this)), FHeaderFont(std::make_unique<TFont>())
{
    SetFixedRowAlways(true);
    SetFixedRows(1);
    SetFixedCols(0);
    SetOptions((Options() - goRangeSelect) + goHorzLine + goRowSelect);
    SetBorderStyle(bsNone);
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
    TProStringGrid::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FImages && !IsDestroying())
        FImages = nullptr;
}

// Taking the drop-down's settings

void TProColGrid::PrepareFromDropDown(TCustomProGridDropDown* D)
{
    if (!D)
        return;
    FProDropDown = D;
    FColumns->Assign(D->Columns());
    if (ColCount() < FColumns->Count())
        SetColCount(FColumns->Count());
    if (D->UseItems())
        SetRowCount(D->Items()->Count() + 1);
    for (int i = 0; i < FColumns->Count() && i < ColCount(); ++i)
        SetColWidths(i, FColumns->Items(i)->Width());
    FLineColor = D->LineColor();
    FFixedLineColor = D->FixedLineColor();
    FHeaderColor = D->HeaderColor();
    FHeaderColorTo = D->HeaderColorTo();
    FHeaderHeight = D->HeaderHeight();
    FHeaderFont->Assign(D->HeaderFont());
    SetHoverRow(D->HoverRow());
    SetHoverRowColor(D->HoverRowColor());
    SetHoverRowColorTo(D->HoverRowColorTo());
    SetImages(D->Images());
    SetDefaultRowHeight(D->DropDownRowHeight());
    SetRowHeights(0, D->HeaderHeight());
    TGridOptions options = Options();
    options = D->ColumnSizing() ? options + goColSizing : options - goColSizing;
    options = D->ColumnMoving() ? options + goColMoving : options - goColMoving;
    options = D->RowSizing() ? options + goRowSizing : options - goRowSizing;
    options = D->RowMoving() ? options + goRowMoving : options - goRowMoving;
    SetOptions(options);
    if (D->AutoSizeColumns()) {
        if (D->UseItems()) {
            for (int i = 0; i < FColumns->Count(); ++i)
                AutoSizeColumn(i);
        } else {
            TProStringGrid::AutoSizeColumns(true, 4);
        }
    }
    UpdateWordWrapRowHeights();
}

void TProColGrid::FillFromItems()
{
    TCustomProGridDropDown* d = FProDropDown;
    if (!d)
        return;
    if (ColCount() != FColumns->Count())
        SetColCount(std::max(FColumns->Count(), 1));
    for (int i = 0; i < FColumns->Count(); ++i) {
        SetCells(i, 0, FColumns->Items(i)->Header());
        SetObjects(i, 0, IndexObject(-1));
    }
    TDropDownItems* items = d->Items();
    if (items->Count() > 0)
        SetRowCount(FixedRows() + items->Count());
    for (int k = 0; k < items->Count() && k + 1 < RowCount(); ++k) {
        TDropDownItem* item = items->Items(k);
        for (int i = 0; i < ColCount(); ++i)
            SetCells(i, k + 1, item->ColumnText(i));
        SetObjects(0, k + 1, IndexObject(k));
    }
}

// Sizing

TCanvas* TProColGrid::PopupCanvas() const
{
    auto* form = dynamic_cast<TDropDownForm*>(Parent());
    return form ? form->Canvas() : nullptr;
}

QString TProColGrid::SizingText(int C, int R, bool& HasImage)
{
    HasImage = false;
    if (!FProDropDown)
        return Cells(C, R);
    TDropDownItems* items = FProDropDown->Items();
    if (R - 1 < 0 || R - 1 >= items->Count())
        return QString();
    TDropDownItem* item = items->Items(R - 1);
    HasImage = C < FColumns->Count() && FColumns->Items(C)->ColumnType() == ctImage && item->ImageIndex() >= 0;
    return item->ColumnText(C);
}

void TProColGrid::AutoSizeColumn(int Index)
{
    TCanvas* canvas = PopupCanvas();
    if (Index < 0 || Index >= FColumns->Count() || !FColumns->Items(Index)->AutoSize() || !canvas)
        return;
    TDropDownColumn* column = FColumns->Items(Index);
    canvas->Font()->Assign(column->Font());
    int widest = 0;
    for (int r = 1; r < RowCount(); ++r) {
        bool image = false;
        const QString text = SizingText(Index, r, image);
        int w = image && FImages ? FImages->Width() + 4 : 0;
        if (!text.isEmpty()) {
            TRect box(0, 0, 1000, 500);
            DrawText(canvas, text, -1, &box, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
            w += box.Width() + 6;
        }
        widest = std::max(widest, w);
    }
    column->SetWidth(widest);
    if (Index < ColCount())
        SetColWidths(Index, widest);
}

void TProColGrid::UpdateWordWrapRowHeights()
{
    TCanvas* canvas = PopupCanvas();
    bool wraps = false;
    for (int i = 0; i < FColumns->Count(); ++i)
        wraps = wraps || FColumns->Items(i)->Wordwrap();
    if (!wraps || !canvas)
        return;
    for (int r = FixedRows(); r < RowCount(); ++r) {
        int h = 24;
        for (int c = 0; c < ColCount() && c < FColumns->Count(); ++c) {
            TDropDownColumn* column = FColumns->Items(c);
            if (!column->Wordwrap())
                continue;
            bool image = false;
            const QString text = SizingText(c, r, image);
            int n = image && FImages ? FImages->Height() + 6 : 0;
            if (!text.isEmpty()) {
                canvas->Font()->Assign(column->Font());
                TRect box(0, 0, ColWidths(c), 500);
                DrawText(canvas, text, -1, &box, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
                n = std::max(n, box.Height() + 6);
            }
            h = std::max(h, n);
        }
        SetRowHeights(r, h);
    }
}

int TProColGrid::GetPreferredWidth() const
{
    int w = 2 * FrameSize();
    for (int i = 0; i < ColCount(); ++i)
        w += ColWidths(i);
    if (VisibleRowCount() + FixedRows() != RowCount())
        w += GetSystemMetrics(SM_CXVSCROLL);
    return w;
}

void TProColGrid::GetWordWrapEx(int ACol, int ARow, bool& WordWrap)
{
    if (ARow >= FixedRows() && ACol >= 0 && ACol < FColumns->Count())
        WordWrap = FColumns->Items(ACol)->Wordwrap();
    TProStringGrid::GetWordWrapEx(ACol, ARow, WordWrap);
}

// Choosing

bool TProColGrid::SelectCell(int ACol, int ARow)
{
    return TProStringGrid::SelectCell(ACol, ARow);
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
    TControlGuard alive = Guard();
    if (Key == VK_RETURN) {
        Key = 0;
        TProStringGrid::KeyDown(Key, Shift);
        if (!alive.expired())
            DoSelect();
        return;
    }
    TProStringGrid::KeyDown(Key, Shift);
}

void TProColGrid::WMKeyDown(TWMKey& Message)
{
    if (Message.CharCode == VK_TAB)
        return;
    TProStringGrid::WMKeyDown(Message);
}

void TProColGrid::WMChar(TWMKey& Message)
{
    if (Message.CharCode == VK_RETURN) {
        Message.Result = 1;
        return;
    }
    TProStringGrid::WMChar(Message);
}

void TProColGrid::WMGetDlgCode(TMessage& Message)
{
    Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB;
}

void TProColGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FConfirmSelection = true;
    FOldRow = Row();
    TProStringGrid::MouseDown(Button, Shift, X, Y);
}

void TProColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TControlGuard alive = Guard();
    TProStringGrid::MouseUp(Button, Shift, X, Y);
    if (alive.expired() || Button != mbLeft)
        return;
    int col = -1, row = -1;
    MouseToCell(X, Y, col, row);
    if (col < 0 || row < FixedRows() || row >= RowCount() || HasCheckBox(DisplToRealCol(col), row))
        return;
    DoSelect();
}

bool TProColGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    FMouseWheelSelection = true;
    FConfirmSelection = false;
    TControlGuard alive = Guard();
    const bool handled = TProStringGrid::DoMouseWheelDown(Shift, MousePos);
    if (!alive.expired())
        FMouseWheelSelection = false;
    return handled;
}

void TProColGrid::WndProc(TMessage& Message)
{
    // The wheel steps one row through the platform's wheel overrides
    // below, before the popup's own wheel handling would choose an item.
    if (Message.Msg == WM_MOUSEWHEEL)
        TBaseGrid::WndProc(Message);
    else
        TProStringGrid::WndProc(Message);
}

bool TProColGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    FMouseWheelSelection = true;
    FConfirmSelection = false;
    TControlGuard alive = Guard();
    const bool handled = TProStringGrid::DoMouseWheelUp(Shift, MousePos);
    if (!alive.expired())
        FMouseWheelSelection = false;
    return handled;
}

} // namespace ProCustomGridDropDownUnit
