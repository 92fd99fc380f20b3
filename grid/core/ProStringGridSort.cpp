#include "grid/core/CellGraphic.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProGridError.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/SearchPanel.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/SearchFooter.h"
#include "grid/foundation/TextUtils.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/List.h"
#include "platform/rtl/SysUtils.h"
#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

// Rows change places through the cell store's row exchange, which moves a
// row pointer, so a sort costs comparisons and never copies texts. The
// quicksort is the classic one with the middle row as pivot: rows that
// compare equal end where its partitions leave them. The pivot is followed
// through the exchanges instead of being copied aside.
//
// Without compare or format events the comparisons read parsed keys: each
// cell's text (and its number, date or upper-case form when a comparison
// asks) is read once per sort and kept by the row's identity, which moves
// with the row.

namespace {

constexpr std::uint32_t DescendingBit = 0x80000000u;

int Sign(int Value) { return Value > 0 ? 1 : (Value < 0 ? -1 : 0); }

template <typename T>
int Order(T A, T B)
{
    return A > B ? 1 : (A == B ? 0 : -1);
}

int OrdinalOrder(const QString& A, const QString& B) { return Sign(QStringView(A).compare(QStringView(B))); }

bool IsTwoStateCheckBox(TCellType Type)
{
    return Type == ctCheckBox || Type == ctDataCheckBox || Type == ctVirtCheckBox || Type == ctRowCheckBox;
}

bool IsNumberKind(int Kind) { return Kind == ntInteger || Kind == ntFloat || Kind == ntScientific; }

// What a comparison learns about one cell; each part is worked out when a
// comparison first needs it.
struct TCellKey {
    enum : std::uint32_t {
        HasText = 1, HasUpper = 2, HasKind = 4, IsNumber = 8, HasNum = 16, NumOk = 32, NumEmpty = 64,
        HasFin = 128, FinOk = 256, FinEmpty = 512, HasDispl = 1024, DisplEmpty = 2048, HasDate = 4096,
        HasTime = 8192, HasCheck = 1u << 14, IsCheck = 1u << 15, HasAuto = 1u << 16, HasDateSep = 1u << 17,
        DateSep = 1u << 18, HasTimeSep = 1u << 19, TimeSep = 1u << 20
    };
    // The kind DetectStyle reads from the cell alone, in bits AutoShift on.
    static constexpr int AutoShift = 24;
    // What most comparisons read comes first, within one cache line.
    std::uint32_t Flags = 0;
    double Num = 0;
    QString Text;
    double Fin = 0;
    double Date = 0;
    double Time = 0;
    QString Upper;
};

} // namespace

// The keys of one sort; by column, then by row identity.
struct TProStringGrid::TSortKeys {
    struct TColumn {
        bool Ready = false;
        TSortStyle Style = ssAutomatic;
        QString Prefix;
        QString Suffix;
        std::vector<TCellKey> Cells;
    };
    // Ident[r]: the row that stood at r when the keys were made.
    std::vector<int> Ident;
    std::vector<TColumn> Cols;
};

namespace {

// One side of a comparison: a cell and its key, kept or made for this
// comparison only.
class TSortCell {
public:
    TSortCell(TProStringGrid* AGrid, int ACol, int ARow, TCellKey* AKey)
        : FGrid(AGrid), FCol(ACol), FRow(ARow), FKey(AKey)
    {
        if (!FKey)
            FKey = &FOwn.emplace();
    }

    int Row() const { return FRow; }

    const QString& Text()
    {
        if (!Has(TCellKey::HasText)) {
            FKey->Text = FGrid->SortSettings()->SortOnVirtualCells() ? FGrid->Cells(FCol, FRow)
                                                                      : FGrid->GetGridCell(FCol, FRow);
            Set(TCellKey::HasText);
        }
        return FKey->Text;
    }

    const QString& Upper()
    {
        if (!Has(TCellKey::HasUpper)) {
            FKey->Upper = UpperCase(Text());
            Set(TCellKey::HasUpper);
        }
        return FKey->Upper;
    }

    bool IsNumber()
    {
        if (!Has(TCellKey::HasKind)) {
            Set(TCellKey::HasKind);
            if (IsNumberKind(ClassifyNumberText(Text())))
                Set(TCellKey::IsNumber);
        }
        return Has(TCellKey::IsNumber);
    }

    // A two-state check box cell (sorted by its state).
    bool IsCheckBox()
    {
        if (!Has(TCellKey::HasCheck)) {
            Set(TCellKey::HasCheck);
            if (IsTwoStateCheckBox(FGrid->GetCellType(FCol, FRow)))
                Set(TCellKey::IsCheck);
        }
        return Has(TCellKey::IsCheck);
    }

    // What the automatic style learns from this cell alone.
    enum TAuto { AutoPlain, AutoNumber, AutoDate, AutoDateTime, AutoTime };
    TAuto AutoKind()
    {
        if (!Has(TCellKey::HasAuto)) {
            Set(TCellKey::HasAuto);
            FKey->Flags |= std::uint32_t(FindAutoKind()) << TCellKey::AutoShift;
        }
        return TAuto((FKey->Flags >> TCellKey::AutoShift) & 7);
    }

    bool HasDateSeparator() { return Contains(LocaleDateSeparator(), TCellKey::HasDateSep, TCellKey::DateSep); }
    bool HasTimeSeparator() { return Contains(LocaleTimeSeparator(), TCellKey::HasTimeSep, TCellKey::TimeSep); }

    bool DisplayEmpty()
    {
        if (!Has(TCellKey::HasDispl)) {
            Set(TCellKey::HasDispl);
            const bool empty = FGrid->SortSettings()->SortOnVirtualCells() ? Text().isEmpty()
                                                                            : FGrid->Cells(FCol, FRow).isEmpty();
            if (empty)
                Set(TCellKey::DisplEmpty);
        }
        return Has(TCellKey::DisplEmpty);
    }

    // The number of the text without prefix and suffix (and thousand
    // separators with Financial); Ok when it converted, Empty when nothing
    // was left to convert.
    double Number(bool Financial, const QString& Prefix, const QString& Suffix, bool& Ok, bool& Empty)
    {
        const std::uint32_t has = Financial ? TCellKey::HasFin : TCellKey::HasNum;
        const std::uint32_t ok = Financial ? TCellKey::FinOk : TCellKey::NumOk;
        const std::uint32_t empty = Financial ? TCellKey::FinEmpty : TCellKey::NumEmpty;
        double& value = Financial ? FKey->Fin : FKey->Num;
        if (!Has(has)) {
            Set(has);
            QString s = Text();
            if (!Prefix.isEmpty()) {
                const qsizetype p = s.indexOf(Prefix);
                if (p >= 0)
                    s.remove(p, Prefix.size());
            }
            if (!Suffix.isEmpty()) {
                const qsizetype p = s.indexOf(Suffix);
                if (p >= 0)
                    s.remove(p, Suffix.size());
            }
            if (Financial)
                s.remove(LocaleThousandSeparator());
            if (s.isEmpty())
                Set(empty);
            const QChar dec = LocaleDecimalSeparator();
            if (dec != u'.') {
                const qsizetype p = s.indexOf(dec);
                if (p >= 0)
                    s[p] = u'.';
            }
            int code = 0;
            Val(s, value, code);
            if (code == 0)
                Set(ok);
        }
        Ok = Has(ok);
        Empty = Has(empty);
        return value;
    }

    double Date()
    {
        if (!Has(TCellKey::HasDate)) {
            Set(TCellKey::HasDate);
            TDateTime d = 0;
            FKey->Date = !Text().isEmpty() && TryStrToDateTime(Text(), d) ? d : 0;
        }
        return FKey->Date;
    }

    double Time()
    {
        if (!Has(TCellKey::HasTime)) {
            Set(TCellKey::HasTime);
            TDateTime t = 0;
            FKey->Time = TryStrToTime(Text(), t) ? t : 0;
        }
        return FKey->Time;
    }

private:
    // A date (time) separator at position 2 or 3 (1-based) with a number
    // character on both sides makes a date (time) candidate.
    TAuto FindAutoKind()
    {
        if (IsNumber())
            return AutoNumber;
        const QString& t = Text();
        const QChar dateSep = LocaleDateSeparator();
        const QChar timeSep = LocaleTimeSeparator();
        const auto separated = [&t](QChar Sep) {
            const qsizetype p = t.indexOf(Sep) + 1;
            return (p == 2 || p == 3) && p < t.size();
        };
        const auto digitsAround = [&t](QChar Sep) {
            const qsizetype p = t.indexOf(Sep);
            return IsNumberChar(t[p - 1]) && IsNumberChar(t[p + 1]);
        };
        if (separated(dateSep)) {
            if (!digitsAround(dateSep))
                return AutoPlain;
            return t.contains(timeSep) ? AutoDateTime : AutoDate;
        }
        if (separated(timeSep) && digitsAround(timeSep))
            return AutoTime;
        return AutoPlain;
    }

    bool Contains(QChar Sep, std::uint32_t Known, std::uint32_t Yes)
    {
        if (!Has(Known)) {
            Set(Known);
            if (Text().contains(Sep))
                Set(Yes);
        }
        return Has(Yes);
    }

    bool Has(std::uint32_t Flag) const { return (FKey->Flags & Flag) != 0; }
    void Set(std::uint32_t Flag) { FKey->Flags |= Flag; }

    TProStringGrid* FGrid;
    int FCol;
    int FRow;
    // Made only when no kept key serves.
    std::optional<TCellKey> FOwn;
    TCellKey* FKey;
};

TDateTime ShortDate(const QString& S, bool US)
{
    try {
        return US ? ParseShortDateUS(S) : ParseShortDateEU(S);
    } catch (const EConvertError&) {
        return 0;
    }
}

// The style ssAutomatic stands for with these two texts (not check boxes).
TSortStyle DetectStyle(TSortCell& A, TSortCell& B, bool IgnoreCase)
{
    const TSortStyle style = IgnoreCase ? ssAlphaNoCase : ssAlphabetic;
    switch (A.AutoKind()) {
    case TSortCell::AutoNumber:
        return ssNumeric;
    case TSortCell::AutoDate:
        return B.HasDateSeparator() ? ssDate : style;
    case TSortCell::AutoDateTime:
        return B.HasDateSeparator() ? ssDateTime : style;
    case TSortCell::AutoTime:
        return B.HasTimeSeparator() ? ssTime : style;
    default:
        return style;
    }
}

} // namespace

// The sort's bracket: column 0 kept aside with NormalCellsOnly, the scroll
// position, the update lock and the floating footer, all given back on
// every way out.
struct TProStringGrid::TSortRun {
    TSortRun(TProStringGrid* AGrid, bool AFooter, bool AScroll = true) : Grid(AGrid), Footer(AFooter), Scroll(AScroll)
    {
        if (Grid->SortSettings()->NormalCellsOnly() && Grid->FixedCols() > 0) {
            const TGridCellStore& store = Grid->Store();
            for (int r = 0; r < Grid->RowCount(); ++r)
                Col0.emplace_back(store.Text(0, r), store.Object(0, r));
            KeepCol0 = true;
        }
        TopRow = Grid->TopRow();
        Grid->BeginUpdate();
        if (Footer) {
            FooterVisible = Grid->FloatingFooter()->Visible();
            FixedFooters = Grid->FixedFooters();
            if (FooterVisible)
                Grid->FloatingFooter()->SetVisible(false);
        }
    }

    ~TSortRun()
    {
        if (KeepCol0) {
            TGridCellStore& store = Grid->CellStore();
            for (int r = 0; r < int(Col0.size()); ++r) {
                store.SetText(0, r, Col0[std::size_t(r)].first);
                store.SetObject(0, r, Col0[std::size_t(r)].second);
            }
        }
        if (Scroll && Grid->Navigation()->KeepScrollOnSort())
            Grid->SetTopRow(TopRow);
        if (Footer) {
            if (FooterVisible)
                Grid->FloatingFooter()->SetVisible(true);
            Grid->SetFixedFooters(FixedFooters);
        }
        Grid->EndUpdate();
    }

    TProStringGrid* Grid;
    bool Footer;
    bool Scroll;
    bool KeepCol0 = false;
    std::vector<std::pair<QString, TObject*>> Col0;
    int TopRow = 0;
    bool FooterVisible = false;
    int FixedFooters = 0;
};

// Comparisons

int TProStringGrid::CompareCells(int ACol, int ARow1, int ARow2, TSortDirection Direction)
{
    ++FCompares;
    TSortSettings* settings = FSortSettings.get();
    TSortStyle style = settings->AutoFormat() ? ssAutomatic : (settings->IgnoreCase() ? ssAlphaNoCase : ssAlphabetic);
    QString prefix, suffix;
    TCellKey* key1 = nullptr;
    TCellKey* key2 = nullptr;
    // Keys are kept for the grid's own columns; a sort key may name any
    // column (a settings string does), and one the grid lacks is compared
    // without them.
    if (FSortKeys && ACol >= 0 && ACol < AllColCount()) {
        if (std::size_t(ACol) >= FSortKeys->Cols.size())
            FSortKeys->Cols.resize(std::size_t(ACol) + 1);
        TSortKeys::TColumn& column = FSortKeys->Cols[std::size_t(ACol)];
        if (!column.Ready) {
            column.Style = style;
            GetSortFormat(ACol, column.Style, column.Prefix, column.Suffix);
            column.Cells.resize(FSortKeys->Ident.size());
            column.Ready = true;
        }
        style = column.Style;
        prefix = column.Prefix;
        suffix = column.Suffix;
        const auto keyOf = [&](int ARow) -> TCellKey* {
            if (ARow < 0 || std::size_t(ARow) >= FSortKeys->Ident.size())
                return nullptr;
            return &column.Cells[std::size_t(FSortKeys->Ident[std::size_t(ARow)])];
        };
        key1 = keyOf(ARow1);
        key2 = keyOf(ARow2);
    } else {
        GetSortFormat(ACol, style, prefix, suffix);
    }
    TSortCell c1(this, ACol, ARow1, key1);
    TSortCell c2(this, ACol, ARow2, key2);

    if (style == ssAutomatic)
        style = c1.IsCheckBox() ? ssCheckBox : DetectStyle(c1, c2, settings->IgnoreCase());
    if (style == ssAlphaNumeric || style == ssAlphaNumericNoCase) {
        if (c1.IsNumber() && c2.IsNumber())
            style = ssNumeric;
        else
            style = style == ssAlphaNumeric ? ssAlphabetic : ssAlphaNoCase;
    }

    int result = 1;
    // Whether each text is empty as the style prepared it.
    bool empty1 = false, empty2 = false;
    bool prepared = false;
    switch (style) {
    case ssAlphabetic:
    case ssAlphaCase:
        result = OrdinalOrder(c1.Text(), c2.Text());
        break;
    case ssAlphaNoCase:
        result = OrdinalOrder(c1.Upper(), c2.Upper());
        break;
    case ssNumeric:
    case ssFinancial: {
        bool ok1 = false, ok2 = false;
        const bool fin = style == ssFinancial;
        double n1 = c1.Number(fin, prefix, suffix, ok1, empty1);
        double n2 = c2.Number(fin, prefix, suffix, ok2, empty2);
        prepared = true;
        // A text that does not convert is 0 when its cell shows nothing.
        if (!ok1 && c1.DisplayEmpty()) {
            ok1 = true;
            n1 = 0;
        }
        if (!ok2 && c2.DisplayEmpty()) {
            ok2 = true;
            n2 = 0;
        }
        result = !ok1 && !ok2 ? 0 : Order(n1, n2);
        break;
    }
    case ssDate:
    case ssDateTime:
        result = Order(c1.Date(), c2.Date());
        break;
    case ssShortDateEU:
    case ssShortDateUS:
        result = Order(ShortDate(c1.Text(), style == ssShortDateUS), ShortDate(c2.Text(), style == ssShortDateUS));
        break;
    case ssCustom: {
        int res = 0;
        if (OnCustomCompare)
            OnCustomCompare(this, c1.Text(), c2.Text(), res);
        result = res;
        break;
    }
    case ssAnsiAlphaCase:
        result = Sign(AnsiCompareStr(c1.Text(), c2.Text()));
        break;
    case ssAnsiAlphaNoCase:
        result = Sign(AnsiCompareText(c1.Text(), c2.Text()));
        break;
    case ssRaw: {
        int res = 0;
        if (OnRawCompare)
            OnRawCompare(this, ACol, ARow1, ARow2, res);
        result = res;
        break;
    }
    case ssHTML: {
        const QString s1 = GetStrippedCell(ACol, ARow1);
        const QString s2 = GetStrippedCell(ACol, ARow2);
        empty1 = s1.isEmpty();
        empty2 = s2.isEmpty();
        prepared = true;
        result = OrdinalOrder(s1, s2);
        break;
    }
    case ssImages:
        result = Order(GetImageSortKey(ACol, ARow1), GetImageSortKey(ACol, ARow2));
        break;
    case ssCheckBox: {
        bool s1 = false, s2 = false;
        GetCheckBoxState(ACol, ARow1, s1);
        GetCheckBoxState(ACol, ARow2, s2);
        result = s1 == s2 ? 0 : (s1 ? 1 : -1);
        break;
    }
    case ssTime:
        result = Order(c1.Time(), c2.Time());
        break;
    default:
        break;
    }

    if (settings->IgnoreBlanks()) {
        if (!prepared) {
            empty1 = c1.Text().isEmpty();
            empty2 = c2.Text().isEmpty();
        }
        if (empty1 != empty2) {
            const bool first = settings->BlankPos() == blFirst;
            int blank = empty1 ? (first ? -1 : 1) : (first ? 1 : -1);
            if (Direction == sdDescending)
                blank = -blank;
            result = blank;
        }
    }
    return result;
}

int TProStringGrid::CompareRows(int ACol, int ARow1, int ARow2)
{
    // Ties go on to the columns on the right, hidden ones included.
    const int last = TotalColCount() - 1;
    for (int c = ACol;; ++c) {
        const int r = IsIgnoredColumn(c) ? 0 : CompareCells(c, ARow1, ARow2, FSortSettings->Direction());
        if (r != 0 || !FSortSettings->Full() || c >= last)
            return r;
    }
}

int TProStringGrid::CompareRowsIndexed(int Index, int ARow1, int ARow2)
{
    for (int i = Index; i < FSortIndexes->Count(); ++i) {
        const auto entry = std::uint32_t(FSortIndexes->Items(i));
        const int col = int(entry & ~DescendingBit);
        const bool descending = (entry & DescendingBit) != 0;
        const int r = IsIgnoredColumn(col) ? 0 : CompareCells(col, ARow1, ARow2, descending ? sdDescending : sdAscending);
        if (r != 0 || !FSortSettings->Full())
            return descending ? -r : r;
    }
    return 0;
}

// Quicksort

void TProStringGrid::QuickSortRows(int ACol, int Lo, int Hi)
{
    FSortDir = FSortSettings->Direction() == sdDescending ? -1 : 1;
    // The smaller part recurses, the larger one loops: the depth stays
    // logarithmic whatever the data.
    while (Lo < Hi) {
        int pivot = (Lo + Hi) / 2;
        int i = Lo, j = Hi;
        do {
            while (CompareRows(ACol, pivot, i) == FSortDir && i < Hi)
                ++i;
            while (CompareRows(ACol, j, pivot) == FSortDir && j > Lo)
                --j;
            if (i <= j) {
                if (i != j && CompareRows(ACol, i, j) != 0) {
                    SortSwapRows(i, j);
                    if (FSortKeys)
                        std::swap(FSortKeys->Ident[std::size_t(i)], FSortKeys->Ident[std::size_t(j)]);
                    pivot = pivot == i ? j : (pivot == j ? i : pivot);
                }
                ++i;
                --j;
            }
        } while (i <= j);
        if (j - Lo < Hi - i) {
            QuickSortRows(ACol, Lo, j);
            Lo = i;
        } else {
            QuickSortRows(ACol, i, Hi);
            Hi = j;
        }
    }
}

void TProStringGrid::QuickSortRowsIndexed(int Index, int Lo, int Hi)
{
    while (Lo < Hi) {
        int pivot = (Lo + Hi) / 2;
        int i = Lo, j = Hi;
        do {
            while (CompareRowsIndexed(Index, pivot, i) == 1 && i < Hi)
                ++i;
            while (CompareRowsIndexed(Index, j, pivot) == 1 && j > Lo)
                --j;
            if (i <= j) {
                if (i != j) {
                    SortSwapRows(i, j);
                    if (FSortKeys)
                        std::swap(FSortKeys->Ident[std::size_t(i)], FSortKeys->Ident[std::size_t(j)]);
                    pivot = pivot == i ? j : (pivot == j ? i : pivot);
                }
                ++i;
                --j;
            }
        } while (i <= j);
        if (j - Lo < Hi - i) {
            QuickSortRowsIndexed(Index, Lo, j);
            Lo = i;
        } else {
            QuickSortRowsIndexed(Index, i, Hi);
            Hi = j;
        }
    }
}

void TProStringGrid::QuickUnSortRows(int Lo, int Hi)
{
    // The working copy of the cross-reference is exchanged along, and
    // SortSwapRows exchanges the cross-reference itself.
    TIntList* xref = FUnSortRowXRef.get();
    while (Lo < Hi) {
        const int pivot = xref->Items((Lo + Hi) / 2);
        int i = Lo, j = Hi;
        do {
            while (xref->Items(i) < pivot && i < Hi)
                ++i;
            while (xref->Items(j) > pivot && j > Lo)
                --j;
            if (i <= j) {
                const int a = xref->Items(i);
                const int b = xref->Items(j);
                if (i != j && a != b) {
                    SortSwapRows(i, j);
                    xref->Exchange(i, j);
                }
                ++i;
                --j;
            }
        } while (i <= j);
        if (j - Lo < Hi - i) {
            QuickUnSortRows(Lo, j);
            Lo = i;
        } else {
            QuickUnSortRows(i, Hi);
            Hi = j;
        }
    }
}

// Exchanging rows

void TProStringGrid::SortSwapRows(int ARow1, int ARow2)
{
    ++FSwaps;
    if (ARow1 >= 0 && ARow2 >= 0 && ARow1 < FSortRowXRef->Count() && ARow2 < FSortRowXRef->Count())
        FSortRowXRef->Exchange(ARow1, ARow2);
    if (FSortSettings->SingleColumn()) {
        const int c = FSortSettings->Column();
        const QString t1 = Cells(c, ARow1);
        const QString t2 = Cells(c, ARow2);
        TObject* o1 = GetGridObject(c, ARow1);
        TObject* o2 = GetGridObject(c, ARow2);
        SetCells(c, ARow1, t2);
        SetCells(c, ARow2, t1);
        CellStore().SetObject(c, ARow1, o2);
        CellStore().SetObject(c, ARow2, o1);
        return;
    }
    CellStore().ExchangeRows(ARow1, ARow2);
    const int h1 = RowHeights(ARow1);
    const int h2 = RowHeights(ARow2);
    if (h1 != h2) {
        FRows.SetSize(ARow1, h2);
        FRows.SetSize(ARow2, h1);
        RowHeightsChanged();
    }
    if (FMouseActions->DisjunctRowSelect() && FNavigation->MoveRowOnSort()) {
        if (NumHiddenRows() > 0)
            ExchangeRowSelect(DisplToRealRow(ARow1), DisplToRealRow(ARow2));
        else
            ExchangeRowSelect(ARow1, ARow2);
    }
    if (FShowModified->Enabled()) {
        const bool m1 = GetRowModified(ARow1);
        const bool m2 = GetRowModified(ARow2);
        if (m1 != m2) {
            SetRowModified(ARow1, m2);
            SetRowModified(ARow2, m1);
        }
    }
    if (FSortRow == ARow1)
        FSortRow = ARow2;
    else if (FSortRow == ARow2)
        FSortRow = ARow1;
}

void TProStringGrid::ExchangeRowSelect(int ARow1, int ARow2)
{
    const int n = std::max(ARow1, ARow2) + 1;
    if (FRowSelect->Count() < n)
        FRowSelect->SetCount(n);
    const bool s1 = FRowSelect->Items(ARow1) != nullptr;
    const bool s2 = FRowSelect->Items(ARow2) != nullptr;
    if (s1 == s2)
        return;
    FRowSelect->Exchange(ARow1, ARow2);
    // The list of selected rows names the rows by index.
    const int from = s1 ? ARow1 : ARow2;
    const int to = s1 ? ARow2 : ARow1;
    if (FSelectedRows->HasValue(from)) {
        FSelectedRows->DeleteValue(from);
        if (to >= FixedRows())
            FSelectedRows->Add(to);
    }
}

// Cross-reference

void TProStringGrid::InitSortXRef()
{
    FSortRowXRef->Clear();
    for (int i = 0; i < RowCount(); ++i)
        FSortRowXRef->Add(i);
}

// Sorting a range

void TProStringGrid::SortRange(int ACol, bool Indexed, int Lo, int Hi)
{
    // Parsed keys only when no event can answer differently from one
    // comparison to the next, and only while no outer sort keeps them.
    std::unique_ptr<TSortKeys> keys;
    if (!FSortKeys && !OnCustomCompare && !OnRawCompare && !OnGetFormat && !FSortSettings->SingleColumn()) {
        keys = std::make_unique<TSortKeys>();
        keys->Ident.resize(std::size_t(std::max(RowCount(), 0)));
        for (std::size_t i = 0; i < keys->Ident.size(); ++i)
            keys->Ident[i] = int(i);
        FSortKeys = keys.get();
    }
    struct TKeysGuard {
        TProStringGrid* Grid;
        bool Owned;
        ~TKeysGuard()
        {
            if (Owned)
                Grid->FSortKeys = nullptr;
        }
    } guard{this, bool(keys)};
    if (Indexed)
        QuickSortRowsIndexed(0, Lo, Hi);
    else
        QuickSortRows(ACol, Lo, Hi);
}

void TProStringGrid::QSort()
{
    if (FSortSettings->Column() < 0)
        return;
    if (RowCount() != FSortRowXRef->Count())
        InitSortXRef();
    FSortIndexes->Clear();
    const bool moveRow = FNavigation->MoveRowOnSort();
    const int oldRow = Row();
    {
        TSortRun run(this, true);
        FSortRow = Row();
        if (moveRow && RowCount() > FixedRows())
            SetRow(RowCount() - 1);
        SortRange(FSortSettings->Column(), false, FixedRows(), RowCount() - 1 - run.FixedFooters);
        if (!FMouseActions->DisjunctRowSelect()) {
            if (moveRow) {
                SetRow(FSortRow);
                FOldRowSel = -1;
            } else {
                SetRow(oldRow);
            }
        }
        if (OnRowUpdate && !moveRow)
            OnRowUpdate(this, oldRow, Row());
    }
    if (FFloatingFooter->Visible())
        FFooterPanel->Invalidate();
    if (FSearchFooter->Visible() && FSearchPanel && FSearchPanel->Visible())
        FSearchPanel->Invalidate();
}

void TProStringGrid::QSortIndexed()
{
    if (FSortIndexes->Count() == 0)
        throw EProGridError(QStringLiteral("No indexes specified for indexed sort"));
    if (RowCount() != FSortRowXRef->Count())
        InitSortXRef();
    const int oldRow = Row();
    {
        TSortRun run(this, true);
        FSortRow = Row();
        if (FNavigation->MoveRowOnSort() && RowCount() > FixedRows())
            SetRow(RowCount() - 1);
        SortRange(0, true, FixedRows(), RowCount() - 1 - run.FixedFooters);
        if (FNavigation->MoveRowOnSort()) {
            SetRow(FSortRow);
            FOldRowSel = -1;
        } else {
            SetRow(oldRow);
        }
    }
    if (FFloatingFooter->Visible())
        FFooterPanel->Invalidate();
}

void TProStringGrid::QSortGroup() { SortGroups(false); }

void TProStringGrid::QSortGroupIndexed() { SortGroups(true); }

void TProStringGrid::SortGroups(bool Indexed)
{
    if (RowCount() != FSortRowXRef->Count())
        InitSortXRef();
    const int oldRow = Row();
    TSortRun run(this, false);
    FSortRow = Row();
    const bool moveRow = FNavigation->MoveRowOnSort();
    if (moveRow && RowCount() > FixedRows())
        SetRow(RowCount() - 1);
    const int last = RowCount() - 1 - FixedFooters();
    int level = -1;
    for (int r = FixedRows(); r <= last; ++r)
        if (IsNode(r))
            level = std::max(level, GetNodeLevel(r));
    // One set of keys for every group.
    std::unique_ptr<TSortKeys> keys;
    if (!OnCustomCompare && !OnRawCompare && !OnGetFormat && !FSortSettings->SingleColumn()) {
        keys = std::make_unique<TSortKeys>();
        keys->Ident.resize(std::size_t(RowCount()));
        for (std::size_t i = 0; i < keys->Ident.size(); ++i)
            keys->Ident[i] = int(i);
        FSortKeys = keys.get();
    }
    struct TKeysGuard {
        TProStringGrid* Grid;
        ~TKeysGuard() { Grid->FSortKeys = nullptr; }
    } guard{this};
    // Without a sort column there is nothing to sort by.
    if (level >= 0 && (Indexed || FSortSettings->Column() >= 0)) {
        for (int r = FixedRows(); r <= last; ++r) {
            if (!IsNode(r) || GetNodeLevel(r) != level || GetNodeState(r))
                continue;
            const int span = GetNodeSpan(r);
            if (span > 2)
                SortRange(FSortSettings->Column(), Indexed, r + 1, std::min(r + span - 1, RowCount() - 1));
        }
    }
    if (moveRow) {
        SetRow(FSortRow);
        FOldRowSel = -1;
    } else {
        SetRow(oldRow);
    }
}

void TProStringGrid::QUnSort()
{
    FUnSortRowXRef->Clear();
    for (int i = 0; i < FSortRowXRef->Count(); ++i)
        FUnSortRowXRef->TList::Add(FSortRowXRef->TList::Items(i));
    TSortRun run(this, false, false);
    // The cross-reference may be shorter than the grid after rows came.
    const int n = std::min(RowCount(), FUnSortRowXRef->Count());
    QuickUnSortRows(0, n - 1);
}
