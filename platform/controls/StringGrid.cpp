#include "platform/controls/StringGrid.h"
#include "platform/graphics/Canvas.h"

TStringGridStrings::TStringGridStrings(TStringGrid* AGrid, bool AIsCol, int AIndex)
    : FGrid(AGrid), FIsCol(AIsCol), FIndex(AIndex)
{
}

QString TStringGridStrings::Get(int Index) const
{
    return FIsCol ? FGrid->Cells(FIndex, Index) : FGrid->Cells(Index, FIndex);
}

void TStringGridStrings::Put(int Index, const QString& S)
{
    if (FIsCol)
        FGrid->SetCells(FIndex, Index, S);
    else
        FGrid->SetCells(Index, FIndex, S);
}

TObject* TStringGridStrings::GetObject(int Index) const
{
    return FIsCol ? FGrid->Objects(FIndex, Index) : FGrid->Objects(Index, FIndex);
}

void TStringGridStrings::PutObject(int Index, TObject* AObject)
{
    if (FIsCol)
        FGrid->SetObjects(FIndex, Index, AObject);
    else
        FGrid->SetObjects(Index, FIndex, AObject);
}

int TStringGridStrings::GetCount() const { return FIsCol ? FGrid->RowCount() : FGrid->ColCount(); }

int TStringGridStrings::Add(const QString& S) { return AddObject(S, nullptr); }

int TStringGridStrings::AddObject(const QString& S, TObject* AObject)
{
    int n = GetCount();
    int i = 0;
    for (int j = n - 1; j >= 0; --j)
        if (!Get(j).isEmpty() || GetObject(j)) {
            i = j + 1;
            break;
        }
    if (i >= n)
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    Put(i, S);
    PutObject(i, AObject);
    return i;
}

void TStringGridStrings::Insert(int, const QString&)
{
    throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
}

void TStringGridStrings::Delete(int)
{
    throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
}

void TStringGridStrings::Clear()
{
    for (int i = 0, n = GetCount(); i < n; ++i) {
        Put(i, QString());
        PutObject(i, nullptr);
    }
}

TStringGrid::TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner) {}

TStringGrid::~TStringGrid() = default;

namespace {

void CheckCell(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
}

} // namespace

void TStringGrid::SetCells(int ACol, int ARow, const QString& Value)
{
    CheckCell(ACol, ARow);
    FStore.SetText(ACol, ARow, Value);
    InvalidateCell(ACol, ARow);
    if (!FEditUpdate && EditorMode() && ACol == Col() && ARow == Row())
        InvalidateEditor();
}

void TStringGrid::SetObjects(int ACol, int ARow, TObject* Value)
{
    CheckCell(ACol, ARow);
    FStore.SetObject(ACol, ARow, Value);
}

TStrings* TStringGrid::Lines(bool IsCol, int Index)
{
    auto& line = FLines[{IsCol, Index}];
    if (!line)
        line = std::make_unique<TStringGridStrings>(this, IsCol, Index);
    return line.get();
}

TStrings* TStringGrid::Rows(int Index) { return Lines(false, Index); }
TStrings* TStringGrid::Cols(int Index) { return Lines(true, Index); }

void TStringGrid::SetRows(int Index, TStrings* Value)
{
    TStringGridStrings line(this, false, Index);
    for (int i = 0, n = line.GetCount(); i < n; ++i) {
        line.Put(i, i < Value->Count() ? Value->Strings(i) : QString());
        line.PutObject(i, i < Value->Count() ? Value->Objects(i) : nullptr);
    }
}

void TStringGrid::SetCols(int Index, TStrings* Value)
{
    TStringGridStrings line(this, true, Index);
    for (int i = 0, n = line.GetCount(); i < n; ++i) {
        line.Put(i, i < Value->Count() ? Value->Strings(i) : QString());
        line.PutObject(i, i < Value->Count() ? Value->Objects(i) : nullptr);
    }
}

void TStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    if (DefaultDrawing())
        Canvas()->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, Cells(ACol, ARow));
    TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

QString TStringGrid::GetEditText(int ACol, int ARow)
{
    QString value = Cells(ACol, ARow);
    if (OnGetEditText)
        OnGetEditText(this, ACol, ARow, value);
    return value;
}

void TStringGrid::SetEditText(int ACol, int ARow, const QString& Value)
{
    if (Value != Cells(ACol, ARow)) {
        FEditUpdate = true;
        struct Reset {
            bool& Flag;
            ~Reset() { Flag = false; }
        } reset{FEditUpdate};
        SetCells(ACol, ARow, Value);
    }
    TDrawGrid::SetEditText(ACol, ARow, Value);
}

void TStringGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    FStore.MoveColumn(FromIndex, ToIndex);
    TDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid::RowMoved(int FromIndex, int ToIndex)
{
    FStore.MoveRow(FromIndex, ToIndex);
    TDrawGrid::RowMoved(FromIndex, ToIndex);
}

void TStringGrid::DeleteColumn(int ACol)
{
    int old = ColCount();
    TDrawGrid::DeleteColumn(ACol);
    // The deleted column went last and dropped out of the count; its
    // contents must not come back when the count grows again.
    FStore.ClearColumn(ColCount() < old ? ColCount() : ACol);
}

void TStringGrid::ExchangeRows(int ARow1, int ARow2)
{
    if (ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount())
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    if (ARow1 == ARow2)
        return;
    // The editor's text belongs to the row it was opened on.
    if (EditorMode() && (Row() == ARow1 || Row() == ARow2))
        HideEditor();
    FStore.ExchangeRows(ARow1, ARow2);
    InvalidateRow(ARow1);
    InvalidateRow(ARow2);
}

void TStringGrid::DeleteRow(int ARow)
{
    int old = RowCount();
    TDrawGrid::DeleteRow(ARow);
    FStore.ClearRow(RowCount() < old ? RowCount() : ARow);
}
