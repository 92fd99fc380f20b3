// Workbooks, documents and databases through the automation service.
#include "grid/core/ProGridError.h"
#include "grid/core/ProStringGrid.h"
#include "platform/controls/Control.h"
#include "platform/controls/Screen.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"
#include "platform/services/office/Automation.h"

#include <exception>
#include <stdexcept>

using namespace Automation;

namespace {

// The hourglass while an office application works; back on every way out.
class THourGlass {
public:
    THourGlass() : FOld(Screen->Cursor()) { Screen->SetCursor(crHourGlass); }
    ~THourGlass() { Screen->SetCursor(FOld); }

private:
    TCursor FOld;
};

std::shared_ptr<TSheetApplication> NewSheetApp()
{
    try {
        return CreateSheetApplication();
    } catch (const Exception&) {
        throw EProGridError(QStringLiteral("Excel OLE server not found"));
    }
}

// Quits an application started here when the call ends, however it ends.
template <class TApp>
struct TQuitOnExit {
    std::shared_ptr<TApp> App;
    bool Started;
    ~TQuitOnExit()
    {
        if (Started && App)
            App->Quit();
    }
};

// Column letters of the used-range address; -1 when there are none.
int LettersToColumn(const QString& s)
{
    int col = 0;
    for (QChar c : s) {
        if (!c.isLetter() || c.unicode() > 127)
            break;
        col = col * 26 + (c.toUpper().unicode() - u'A' + 1);
        if (col > 16384)
            return -1;
    }
    return col > 0 ? col : -1;
}

int NumberOrFail(const QString& s)
{
    bool ok;
    int v = s.toInt(&ok);
    return ok ? v : -1;
}

// "$B$2:$D$10", "$B$2", or whole rows "$2:$5": rows and columns from 1,
// -1 for a part that does not read.
void ParseUsedRange(const QString& A, int& r1, int& r2, int& c1, int& c2, bool& wholeRows)
{
    wholeRows = false;
    const int colon = A.indexOf(u':');
    auto cell = [](QString part, int& r, int& c) {
        const int d = part.indexOf(u'$');
        if (d < 0) {
            r = NumberOrFail(part);
            c = -1;
            return;
        }
        c = LettersToColumn(part.left(d));
        r = NumberOrFail(part.mid(d + 1));
    };
    if (colon >= 0) {
        QString L = A.left(std::min(colon, 255)), R = A.mid(colon + 1, 255);
        if (L.startsWith(u'$'))
            L.remove(0, 1);
        if (R.startsWith(u'$'))
            R.remove(0, 1);
        if (!L.contains(u'$')) {
            wholeRows = true;
            r1 = NumberOrFail(L);
            r2 = NumberOrFail(R.mid(R.indexOf(u'$') + 1));
            c1 = 1;
            c2 = 256;
            return;
        }
        cell(L, r1, c1);
        cell(R, r2, c2);
        return;
    }
    if (!A.contains(u'$')) {
        r1 = r2 = c1 = c2 = 1;
        return;
    }
    cell(A.mid(1), r1, c1);
    r2 = r1;
    c2 = c1;
}

} // namespace

TStringList* TProStringGrid::GetXLSSheets(const QString& FileName)
{
    THourGlass hourGlass;
    TQuitOnExit<TSheetApplication> app{NewSheetApp(), true};
    TWorkbook* book = app.App->OpenWorkbook(FileName);
    auto list = std::make_unique<TStringList>();
    for (int i = 1; i <= book->SheetCount(); ++i)
        list->Add(book->Sheet(i)->Name());
    book->Saved = true;
    return list.release();
}

void TProStringGrid::LoadFromXLS(const QString& FileName)
{
    ReadXLSSheet(FileName, QString(), false);
}

void TProStringGrid::LoadFromXLSSheet(const QString& FileName, const QString& SheetName)
{
    ReadXLSSheet(FileName, SheetName, true);
}

void TProStringGrid::ReadXLSSheet(const QString& FileName, const QString& SheetName, bool Named)
{
    THourGlass hourGlass;
    auto created = NewSheetApp();
    struct TFinish {
        TProStringGrid* Grid;
        std::shared_ptr<TSheetApplication> App;
        ~TFinish() noexcept(false)
        {
            App->Quit();
            const bool unwinding = std::uncaught_exceptions() > 0;
            try {
                Grid->CellsChanged(TRect(0, 0, Grid->ColCount(), Grid->RowCount()));
                Grid->CellsLoaded();
            } catch (...) {
                if (!unwinding)
                    throw;
            }
        }
    } finish{this, created};

    TWorkbook* book = created->OpenWorkbook(FileName);
    TWorksheet* sheet = nullptr;
    if (Named) {
        for (int i = 1; i <= book->SheetCount(); ++i)
            if (book->Sheet(i)->Name() == SheetName)
                sheet = book->Sheet(i);
        if (!sheet)
            throw EProGridError(QStringLiteral("Excel worksheet ") + SheetName + QStringLiteral(" not found"));
    } else {
        sheet = book->ActiveSheet();
    }

    int r1 = -1, r2 = -1, c1 = -1, c2 = -1;
    bool wholeRows = false;
    ParseUsedRange(sheet->UsedRangeAddress(), r1, r2, c1, c2, wholeRows);
    if (r1 < 1 || r2 < r1 || c1 < 1 || c2 < c1)
        throw Exception(QStringLiteral("Incorrect XLS file"));

    const int colOffset = (FSaveFixedCells || FSaveFixedCols) ? 0 : FixedCols();
    const int rowOffset = (FSaveFixedCells || FSaveFixedRows) ? 0 : FixedRows();
    const int oldFixedCols = FixedCols(), oldFixedRows = FixedRows();
    SetColCount(c2 - c1 + 1 + colOffset);
    SetRowCount(r2 - r1 + 1 + rowOffset);
    if (oldFixedCols < ColCount() && FixedCols() != oldFixedCols)
        SetFixedCols(oldFixedCols);
    if (oldFixedRows < RowCount() && FixedRows() != oldFixedRows)
        SetFixedRows(oldFixedRows);

    try {
        if (wholeRows) {
            QString v = sheet->Cell(r1, c1).ToText();
            LoadCell(colOffset, rowOffset, v);
        } else {
            const TOleArray values = sheet->RangeValue(RangeAddress(r1, c1, r2, c2));
            for (int i = 1; i <= RowCount() - rowOffset; ++i)
                for (int j = 1; j <= ColCount() - colOffset; ++j) {
                    const TOleValue& e = values.at(size_t(i - 1)).at(size_t(j - 1));
                    if (e.Kind == TOleValue::vkError)
                        continue;
                    QString v = e.ToText();
                    LoadCell(j + colOffset - 1, i + rowOffset - 1, v);
                }
        }
    } catch (const EOleError&) {
        throw Exception(QStringLiteral("Incorrect XLS file"));
    } catch (const std::out_of_range&) {
        throw Exception(QStringLiteral("Incorrect XLS file"));
    }
    book->Close(false);
}

void TProStringGrid::SaveToXLS(const QString& FileName, bool CreateNewSheet)
{
    WriteXLSSheet(FileName, QString(), false, CreateNewSheet);
}

void TProStringGrid::SaveToXLSSheet(const QString& FileName, const QString& SheetName)
{
    WriteXLSSheet(FileName, SheetName, true, true);
}

void TProStringGrid::WriteXLSSheet(const QString& FileName, const QString& SheetName, bool Named,
                                   bool CreateNewSheet)
{
    THourGlass hourGlass;
    std::shared_ptr<TSheetApplication> running = ActiveSheetApplication();
    TQuitOnExit<TSheetApplication> app{running ? running : NewSheetApp(), !running};

    TWorkbook* book = nullptr;
    TWorksheet* sheet = nullptr;
    int firstRow = 1;
    bool saveAs = true;
    if (Named) {
        // A file that cannot be opened is reported, never replaced by a new workbook.
        if (FileExists(FileName)) {
            book = app.App->OpenWorkbook(FileName);
            saveAs = false;
        } else {
            book = app.App->AddWorkbook();
        }
        for (int i = 1; i <= book->SheetCount(); ++i)
            if (book->Sheet(i)->Name() == SheetName)
                sheet = book->Sheet(i);
        if (!sheet) {
            sheet = book->AddSheet();
            sheet->SetName(SheetName);
        }
    } else if (CreateNewSheet || app.App->WorkbookCount() == 0) {
        book = app.App->AddWorkbook();
        sheet = book->Sheet(1);
    } else {
        book = app.App->ActiveWorkbook();
        sheet = app.App->ActiveSheet();
        firstRow = app.App->ActiveCellRow;
    }

    const int r0 = SaveStartRow(), c0 = SaveStartCol();
    const int rows = RowCount() - r0, cols = ColCount() - c0;
    TOleArray data(size_t(std::max(rows, 0)), std::vector<TOleValue>(size_t(std::max(cols, 0))));
    ExportNotification(esExportStart, r0);
    for (int r = r0; r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r);
        for (int c = c0; c < ColCount(); ++c) {
            QString t;
            SaveCell(DisplToRealCol(c), r, t);
            t.remove(u'\r');
            data[size_t(r - r0)][size_t(c - c0)] = TOleValue::FromString(t);
        }
    }
    ExportNotification(esExportDone, 0);
    if (rows > 0 && cols > 0) {
        const QString target = QStringLiteral("A%1:%2%3").arg(firstRow).arg(ColumnLetters(cols)).arg(firstRow + rows - 1);
        sheet->SetRangeValue(target, data);
    }
    if (saveAs)
        book->SaveAs(FileName);
    else
        book->Save();
}

void TProStringGrid::SaveToDOC(const QString& FileName, bool CreateNewDocument)
{
    WriteDoc(FileName, QString(), false, CreateNewDocument);
}

void TProStringGrid::AppendToDoc(const QString& FileName, const QString& Bookmark)
{
    WriteDoc(FileName, Bookmark, true, false);
}

void TProStringGrid::WriteDoc(const QString& FileName, const QString& Bookmark, bool Append, bool CreateNew)
{
    THourGlass hourGlass;
    std::shared_ptr<TWordApplication> running = ActiveWordApplication();
    std::shared_ptr<TWordApplication> created;
    if (!running) {
        try {
            created = CreateWordApplication();
        } catch (const Exception&) {
            throw EProGridError(QStringLiteral("Word OLE server not found"));
        }
    }
    TQuitOnExit<TWordApplication> app{running ? running : created, !running};

    TWordDocument* doc = nullptr;
    if (Append)
        doc = app.App->OpenDocument(FileName);
    else if (CreateNew || !app.App->ActiveDocument())
        doc = app.App->AddDocument();
    else
        doc = app.App->ActiveDocument();
    doc->ShowSpellingErrors = false;
    doc->TypeText(Text());
    doc->TypeParagraph();

    TWordRange range;
    if (Append && doc->BookmarkExists(Bookmark)) {
        range.Kind = TWordRange::rkBookmark;
        range.Bookmark = Bookmark;
    } else if (Append) {
        doc->AddParagraph();
        range.Kind = TWordRange::rkEnd;
    }
    TWordTable* table = doc->AddTable(range, RowCount(), ColCount());
    ExportNotification(esExportStart, 0);
    for (int a = 1; a <= RowCount(); ++a) {
        ExportNotification(esExportNextRow, a);
        for (int c = 1; c <= ColCount(); ++c) {
            const int real = DisplToRealCol(c - 1);
            QString t;
            SaveCell(real, a - 1, t);
            table->CellInsertAfter(a, c, t);
            const TAlignment align = EffectiveAlignment(real, a - 1);
            if (align == taRightJustify)
                table->SetCellAlignment(a, c, 2);
            else if (align == taCenter)
                table->SetCellAlignment(a, c, 1);
        }
    }
    ExportNotification(esExportDone, 0);
    doc->SaveAs(FileName);
}

void TProStringGrid::LoadFromMDBTable(const QString& FileName, const QString& Table)
{
    LoadFromMDBSQL(FileName, QStringLiteral("SELECT * FROM ") + Table);
}

void TProStringGrid::LoadFromMDBSQL(const QString& FileName, const QString& SQL)
{
    TAdoConnection connection;
    connection.Open(QStringLiteral("Driver={Microsoft Access Driver (*.mdb)};DBQ=") + FileName);
    TAdoRecordSet records;
    records.ActiveConnection = &connection;
    records.Open(SQL);

    const int n = records.FieldCount();
    SetColCount(n + FixedCols());
    if (FixedRows() > 0)
        for (int i = 0; i < n; ++i)
            SetCellEx(FixedCols() + i, FixedRows() - 1, records.FieldName(i));
    if (records.RecordCount() > 0)
        SetRowCount(FixedRows() + records.RecordCount());
    int r = FixedRows();
    while (!records.Eof()) {
        // The row is made before the record goes in.
        if (r >= RowCount())
            SetRowCount(r + 1);
        for (int i = 0; i < n; ++i) {
            QString v = records.FieldActualSize(i) > 0 ? records.FieldValue(i) : QString();
            LoadCell(FixedCols() + i, r, v);
        }
        records.MoveNext();
        ++r;
    }
    records.Close();
    connection.Close();
    CellsChanged(TRect(0, 0, ColCount(), RowCount()));
    CellsLoaded();
}
