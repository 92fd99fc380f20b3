#include "grid/core/ControlLook.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/FilePicture.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"
#include <algorithm>

// The cell graphic slot: making, finding and removing a cell's graphic,
// the kind queries every other part asks, and the room each kind takes in
// its cell. Drawing is the painter's.

namespace {

bool Beside(const TCellGraphic* G) { return G->CellHAlign() == haBeforeText || G->CellHAlign() == haAfterText; }

bool OverOrUnder(const TCellGraphic* G) { return G->CellVAlign() == vaUnderText || G->CellVAlign() == vaAboveText; }

// The interface of a ctInterface cell's object, nil when it has none.
ICellInterface* CellInterface(const TCellGraphic* G) { return dynamic_cast<ICellInterface*>(G->CellBitmap()); }

} // namespace

// Making and removing

TCellGraphic* TProStringGrid::CreateCellGraphic(int ACol, int ARow)
{
    auto* old = dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ACol, ARow));
    auto graphic = std::make_unique<TCellGraphic>();
    // The store refuses a cell outside the grid before the old graphic goes.
    SetGraphicObjectEx(ACol, ARow, graphic.get());
    delete old;
    if (FNumHidden > 0 && RealToDisplCol(ACol) != ACol)
        RepaintCell(RealToDisplCol(ACol), ARow);
    return graphic.release();
}

bool TProStringGrid::RemoveCellGraphic(int ACol, int ARow)
{
    auto* own = dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ACol, ARow));
    if (!own && !GetCellGraphic(ACol, ARow))
        return false;
    if (own) {
        CellProperties(ACol, ARow)->SetGraphicObject(nullptr);
        delete own;
    }
    if (!IsDestroying())
        RepaintCell(ACol, ARow);
    return true;
}

bool TProStringGrid::RemoveCellGraphicOfType(int ACol, int ARow, TCellType AType)
{
    if (GetCellType(ACol, ARow) != AType)
        return false;
    return RemoveCellGraphic(ACol, ARow);
}

// Finding

TCellType TProStringGrid::GetCellType(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return ctEmpty;
    TCellType kind = ctEmpty;
    if (TObject* obj = GetGraphicObjectEx(ACol, ARow)) {
        auto* graphic = dynamic_cast<TCellGraphic*>(obj);
        if (!graphic)
            return ctEmpty;
        kind = graphic->CellType();
    }
    if (FMouseActions->HotmailRowSelect() && ACol == 0)
        return ctRowCheckBox;
    return kind;
}

TCellGraphic* TProStringGrid::GetCellGraphic(int ACol, int ARow)
{
    TCellGraphic* candidate = nullptr;
    if (ACol >= 0 && ARow >= 0) {
        if (TObject* obj = GetGraphicObjectEx(ACol, ARow)) {
            candidate = dynamic_cast<TCellGraphic*>(obj);
            if (!candidate)
                return nullptr;
        }
    }
    if (ACol != 0 || !FMouseActions->HotmailRowSelect())
        return candidate;
    if (!FRowCheckGraphic)
        FRowCheckGraphic = std::make_unique<TCellGraphic>();
    TCellGraphic* g = FRowCheckGraphic.get();
    g->SetCellType(ctRowCheckBox);
    g->SetCellTransparent(FControlLook->ControlStyle() == csFlat);
    if (ARow == 0) {
        // The header box: grayed while some but not all rows are selected.
        const int n = FSelectedRows->Count();
        const int m = RowCount() - FixedRows();
        g->SetCellAngle(n > 0 && n < m ? 1 : 0);
        g->SetCellBoolean(n >= m);
    } else {
        g->SetCellAngle(0);
        const int real = RealRowIndex(ARow);
        g->SetCellBoolean(real >= 0 && real < TotalRowCount() && GetRowSelect(real));
    }
    return g;
}

TCellGraphic* TProStringGrid::BaseGraphic(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return nullptr;
    const TPoint base = BaseCell(ACol, ARow);
    return GetCellGraphic(base.X, base.Y);
}

TIntList* TProStringGrid::GetCellImages(int ACol, int ARow)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    return g && g->CellType() == ctImages ? g->IntList() : nullptr;
}

qint64 TProStringGrid::GetImageSortKey(int ACol, int ARow)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return -1;
    switch (g->CellType()) {
    case ctBitmap:
        return qint64(reinterpret_cast<quintptr>(g->CellBitmap()));
    case ctIcon:
        return qint64(reinterpret_cast<quintptr>(g->CellIcon()));
    case ctImageList:
        return g->CellIndex();
    default:
        return -1;
    }
}

bool TProStringGrid::CellTypeInSet(int ACol, int ARow, Set<TCellType> Types)
{
    TCellGraphic* g = BaseGraphic(ACol, ARow);
    return g && Types.Contains(g->CellType());
}

bool TProStringGrid::HasDataGraphic(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return false;
    const TPoint base = BaseCell(ACol, ARow);
    const TCellType t = GetCellType(base.X, base.Y);
    return t == ctDataCheckBox || t == ctDataImage || t == ctVirtCheckBox || t == ctRowCheckBox;
}

bool TProStringGrid::HasControlGraphic(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return false;
    const TPoint base = BaseCell(ACol, ARow);
    switch (GetCellType(base.X, base.Y)) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadio:
    case ctButton:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctRadioButton:
    case ctTriStateCheckBox:
        return true;
    default:
        return false;
    }
}

TRect TProStringGrid::GetExpandRect(int ACol, int ARow)
{
    TCellGraphic* g = BaseGraphic(ACol, ARow);
    if (!g || g->CellType() != ctExpand)
        return {0, 0, 0, 0};
    const TRect r = CellRect(ACol, ARow);
    return {r.Right - 13, r.Top + 2, r.Right - 2, r.Top + 13};
}

TRect TProStringGrid::GetButtonRect(int ACol, int ARow)
{
    TCellGraphic* g = GetCellGraphic(DisplToRealCol(ACol), ARow);
    if (!g)
        return {0, 0, 0, 0};
    const TRect cell = CellRect(ACol, ARow);
    const qint64 pos = Round(g->CellValue());
    TRect r;
    r.Left = cell.Left + int(pos & 0xFFFF);
    r.Top = cell.Top + int(pos / 65536);
    r.Right = r.Left + (g->CellIndex() & 0xFFFF);
    r.Bottom = r.Top + int(unsigned(g->CellIndex()) >> 16);
    if (g->CellVAlign() == vaFull) {
        r.Top = cell.Top;
        r.Bottom = cell.Bottom;
    }
    if (g->CellHAlign() == haFull) {
        r.Left = cell.Left;
        r.Right = cell.Right;
    }
    return r;
}

// Room in the cell

TPoint TProStringGrid::CalcCellGraphicSize(int ACol, int ARow, int Extra)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return {0, 0};
    const bool textEmpty = GetCellEx(ACol, ARow).isEmpty();
    TPoint size{0, 0};
    const auto imageList = [&](bool ForceY) {
        if (TCustomImageList* list = GetCellImageList(ACol, ARow)) {
            size.X = Beside(g) || textEmpty ? list->Width() : 0;
            size.Y = ForceY || OverOrUnder(g) || textEmpty ? list->Height() : 0;
        }
    };
    const int gh = Canvas()->TextHeight(QStringLiteral("gh"));
    switch (g->CellType()) {
    case ctBitmap:
        if (auto* bmp = dynamic_cast<TBitmap*>(g->CellBitmap())) {
            size.X = Beside(g) || textEmpty ? bmp->Width() : 0;
            size.Y = OverOrUnder(g) || textEmpty ? bmp->Height() : 0;
        }
        break;
    case ctIcon:
        if (TIcon* icon = g->CellIcon()) {
            size.X = Beside(g) || textEmpty ? icon->Width() : 0;
            size.Y = icon->Height();
        }
        break;
    case ctImageList:
    case ctDataImage:
        imageList(false);
        break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
        size = {FControlLook->CheckSize(), FControlLook->CheckSize()};
        break;
    case ctRadioButton:
        size = {FControlLook->RadioSize(), FControlLook->RadioSize()};
        break;
    case ctProgressPie:
        size = {20, 20};
        break;
    case ctRadio:
        if (TStringList* options = g->Strings()) {
            if (g->CellBoolean()) {
                for (int i = 0; i < options->Count(); ++i)
                    size.X += Canvas()->TextWidth(options->Strings(i)) + 12;
                size.Y = gh;
            } else {
                size.X = 12;
                for (int i = 0; i < options->Count(); ++i)
                    size.X = std::max(size.X, Canvas()->TextWidth(options->Strings(i)) + 12);
                size.Y = std::max(16, gh) * options->Count();
            }
        }
        break;
    case ctImages:
        if (TCustomImageList* list = GetCellImageList(ACol, ARow)) {
            const int n = g->IntList() ? g->IntList()->Count() : 0;
            size = g->CellBoolean() ? TPoint{n * list->Width(), list->Height()}
                                    : TPoint{list->Width(), n * list->Height()};
        }
        break;
    case ctPicture:
    case ctFilePicture: {
        const TPoint cell = CellSize(RealToDisplCol(ACol), ARow);
        const int cw = cell.X - 1 - TotalXOffset();
        const int rh = cell.Y - 1 - TotalYOffset() - Extra;
        size = g->GetPictureSize(cw, rh, !textEmpty);
        break;
    }
    case ctButton:
    case ctBitButton:
        size = {g->CellIndex() & 0xFFFF, int(unsigned(g->CellIndex()) >> 16)};
        if (textEmpty) {
            if (g->CellHAlign() == haFull) {
                Canvas()->Font()->Assign(Font());
                size.X = Canvas()->TextWidth(g->CellText()) + 4;
            }
        } else if (g->CellHAlign() == haCenter) {
            size.X = 0;
        } else if (OverOrUnder(g)) {
            size.X = 0;
        } else {
            size.Y = 0;
        }
        break;
    case ctInterface: {
        ICellInterface* intf = CellInterface(g);
        size = intf ? TPoint{intf->GetWidth(), intf->GetHeight()} : TPoint{0, 0};
        if (size.X == 0 || size.Y == 0)
            size = CellSize(RealToDisplCol(ACol), ARow);
        break;
    }
    case ctRating:
        size = {g->CellAngle() * 18, 16};
        break;
    default:
        break;
    }
    const TRect r = CellRect(RealToDisplCol(ACol), ARow);
    if (g->CellVAlign() == vaFull)
        size.Y = r.Height();
    const bool captionButton =
        (g->CellType() == ctButton || g->CellType() == ctBitButton) && textEmpty && !g->CellText().isEmpty();
    if (g->CellHAlign() == haFull && g->CellType() != ctRating && !captionButton)
        size.X = r.Width();
    return size;
}

TPoint TProStringGrid::CalcCellGraphicPos(int ACol, int ARow, int W, int H, double Scale)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return {0, 0};
    const bool textEmpty = GetCellEx(ACol, ARow).isEmpty();
    switch (g->CellType()) {
    case ctBitmap:
        if (auto* bmp = dynamic_cast<TBitmap*>(g->CellBitmap()))
            return {bmp->Width(), bmp->Height()};
        return {0, 0};
    case ctIcon:
        return g->CellIcon() ? TPoint{g->CellIcon()->Width(), g->CellIcon()->Height()} : TPoint{0, 0};
    case ctImageList:
        if (TCustomImageList* list = GetCellImageList(ACol, ARow))
            return {Beside(g) || textEmpty ? list->Width() : 0, list->Height()};
        return {0, 0};
    case ctDataImage:
        if (TCustomImageList* list = GetCellImageList(ACol, ARow))
            return {list->Width(), list->Height()};
        return {0, 0};
    case ctRadio:
        if (!g->CellBoolean()) {
            TPoint size = CalcCellGraphicSize(ACol, ARow, 0);
            const int n = g->Strings() ? g->Strings()->Count() : 0;
            size.Y = Canvas()->TextHeight(QStringLiteral("gh")) * n;
            return size;
        }
        return CalcCellGraphicSize(ACol, ARow, 0);
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
    case ctRadioButton:
    case ctImages:
    case ctProgressPie:
        return CalcCellGraphicSize(ACol, ARow, 0);
    case ctNode:
        return {20, 20};
    case ctPicture:
    case ctFilePicture: {
        const TPoint size = g->GetPictureSize(W, H, !textEmpty);
        if (Scale == 0)
            return size;
        return {int(Round(size.X / Scale)), int(Round(size.Y / Scale))};
    }
    case ctProgress:
    case ctXPProgress:
        return {AllColWidths(ACol), RowHeights(ARow)};
    case ctButton:
    case ctBitButton:
        return {g->CellIndex() & 0xFFFF, int(unsigned(g->CellIndex()) >> 16)};
    case ctInterface: {
        ICellInterface* intf = CellInterface(g);
        if (!intf)
            return {0, 0};
        const TRect r = CellRect(RealToDisplCol(ACol), ARow);
        const int w = intf->GetWidth(), h = intf->GetHeight();
        return {w != 0 ? w : r.Width(), h != 0 ? h : r.Height()};
    }
    case ctShape: {
        const int s = RowHeights(ARow) - 2 * FXYOffset.Y;
        return {s, s};
    }
    default:
        return {0, 0};
    }
}
