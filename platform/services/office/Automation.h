#pragma once
// The automation service: the object model of a spreadsheet application,
// a word processor and a database connection, as automation clients call
// them, backed by real files. Workbooks are read from .xlsx packages and
// legacy .xls files and written as .xlsx; documents are read and written as
// .docx; databases are Access (.mdb) files, read only. The backend is
// chosen by a file's content (zip or OLE2 signature), not by its name.
// What no backend can do (writing a binary .xls or .doc, a database that
// is no Access file) raises EOleException naming the format.
// Indexes are 1-based, as automation counts.
#include "platform/rtl/Exceptions.h"

#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <vector>

// Errors of the automation objects (a file that cannot be opened, a failed
// query, an unsupported format).
STRATAGON_DECLARE_EXCEPTION(EOleError, Exception)
STRATAGON_DECLARE_EXCEPTION(EOleSysError, EOleError)
STRATAGON_DECLARE_EXCEPTION(EOleException, EOleError)

namespace Automation {

// A value as automation hands it over.
struct TOleValue {
    enum TKind { vkEmpty, vkString, vkNumber, vkBool, vkDate, vkError };
    TKind Kind = vkEmpty;
    QString Text;       // vkString; the error's text for vkError
    double Number = 0;  // vkNumber, vkBool (0 or 1), vkDate (a TDateTime)

    static TOleValue FromString(const QString& s);
    static TOleValue FromNumber(double d);
    bool IsEmpty() const { return Kind == vkEmpty; }
    // The value as text: numbers with the format settings, dates as date
    // (and time when it has one), booleans "True"/"False".
    QString ToText() const;
};

using TOleArray = std::vector<std::vector<TOleValue>>; // [row][column]

// A1 references: "$B$2", "B2:D10". Columns count from 1 (A), any number of
// letters. False for a text that is no reference.
QString ColumnLetters(int column);
bool ParseCellRef(const QString& ref, int& row, int& column);
bool ParseRangeRef(const QString& ref, int& row1, int& col1, int& row2, int& col2);
// "$B$2:$D$10", or "$B$2" for a single cell.
QString RangeAddress(int row1, int col1, int row2, int col2);

// Spreadsheets ("excel.application")

class TSheetApplication;
class TWorkbook;

class TWorksheet {
public:
    QString Name() const { return FName; }
    // Raises EOleException for a name that is empty, longer than 31
    // characters, holds one of : \ / ? * [ ] or another sheet has.
    void SetName(const QString& name);
    // The address of the used range in cell form; "$A$1" when empty.
    QString UsedRangeAddress() const;
    TOleValue Cell(int row, int column) const;
    void SetCell(int row, int column, const TOleValue& value);
    TOleArray RangeValue(const QString& ref) const;
    // Writes the array from the range's top left cell; a text that reads
    // as a number becomes a number, an empty text clears the cell.
    void SetRangeValue(const QString& ref, const TOleArray& values);

private:
    friend class TWorkbook;
    friend struct TWorkbookIo;
    TWorksheet(TWorkbook* book, const QString& name) : FBook(book), FName(name) {}
    struct TCell {
        TOleValue Value;
        int Style = -1; // style index of the file it came from
    };
    static quint64 Key(int row, int column) { return (quint64(row) << 32) | quint32(column); }
    TWorkbook* FBook;
    QString FName;
    QString FPart;       // its part in the package it was read from
    bool FDirty = true;  // to be written when the package is patched
    std::map<quint64, TCell> FCells;
};

class TWorkbook {
public:
    ~TWorkbook();
    int SheetCount() const { return int(FSheets.size()); }
    TWorksheet* Sheet(int index) const; // raises for a bad index
    TWorksheet* ActiveSheet() const { return FSheets.empty() ? nullptr : FSheets[FActive].get(); }
    // Adds a sheet before the active one and makes it active ("SheetN").
    TWorksheet* AddSheet();
    QString FullName() const { return FFileName; }

    bool Saved = false;
    void Save();
    void SaveAs(const QString& fileName);
    void Close(bool saveChanges);

private:
    friend class TSheetApplication;
    friend class TWorksheet;
    friend struct TWorkbookIo;
    explicit TWorkbook(TSheetApplication* app) : FApp(app) {}
    void WriteTo(const QString& fileName);

    TSheetApplication* FApp;
    QString FFileName;
    int FOrigin = 0; // 0 new, 1 xlsx package, 2 binary workbook
    QByteArray FPackage;  // the .xlsx it was read from
    std::vector<std::unique_ptr<TWorksheet>> FSheets;
    std::vector<QString> FDroppedParts;
    int FActive = 0;
};

class TSheetApplication {
public:
    ~TSheetApplication();
    // Workbooks
    int WorkbookCount() const { return int(FBooks.size()); }
    TWorkbook* Workbook(int index) const;
    // Raises EOleException when the file is missing or no workbook.
    TWorkbook* OpenWorkbook(const QString& fileName);
    TWorkbook* AddWorkbook();
    TWorkbook* ActiveWorkbook() const { return FActive; }
    TWorksheet* ActiveSheet() const { return FActive ? FActive->ActiveSheet() : nullptr; }
    // The active cell of the active sheet (row and column, from 1).
    int ActiveCellRow = 1;
    int ActiveCellColumn = 1;
    // Closes the workbooks without saving and ends the instance.
    void Quit();

private:
    friend class TWorkbook;
    friend std::shared_ptr<TSheetApplication> CreateSheetApplication();
    friend std::shared_ptr<TSheetApplication> ActiveSheetApplication();
    TSheetApplication() = default;
    std::vector<std::unique_ptr<TWorkbook>> FBooks;
    TWorkbook* FActive = nullptr;
    bool FRunning = true;
};

// A new instance; it counts as running until Quit. Raises EOleSysError when
// the server is switched off (SetServerAvailable).
std::shared_ptr<TSheetApplication> CreateSheetApplication();
// The running instance made last, or nullptr.
std::shared_ptr<TSheetApplication> ActiveSheetApplication();

// Word processing ("word.application")

class TWordApplication;
class TWordDocument;

class TWordTable {
public:
    int RowCount() const;
    int ColumnCount() const;
    // Adds text to the end of cell (row, column); a line break starts a
    // new paragraph in the cell.
    void CellInsertAfter(int row, int column, const QString& text);
    // 0 left, 1 centred, 2 right, for every paragraph of the cell.
    void SetCellAlignment(int row, int column, int alignment);

private:
    friend class TWordDocument;
    TWordTable(TWordDocument* doc, void* node) : FDoc(doc), FNode(node) {}
    void* CellNode(int row, int column) const;
    TWordDocument* FDoc;
    void* FNode;
};

// A place in a document's body where a table goes.
struct TWordRange {
    enum TKind { rkStart, rkBookmark, rkEnd };
    TKind Kind = rkStart;
    QString Bookmark;
};

class TWordDocument {
public:
    ~TWordDocument();
    bool ShowSpellingErrors = true;
    QString FullName() const { return FFileName; }
    // The selection: typing goes to the selection's place (the start of a
    // document just opened or made).
    void TypeText(const QString& text);
    void TypeParagraph();
    bool BookmarkExists(const QString& name) const;
    // Adds an empty paragraph at the end.
    void AddParagraph();
    int ParagraphCount() const;
    // Inserts a table of rows x columns at the range: before the first
    // block, at a bookmark (splitting its paragraph), or before the last
    // paragraph.
    TWordTable* AddTable(const TWordRange& range, int rows, int columns);
    void SaveAs(const QString& fileName);
    void Close();

private:
    friend class TWordApplication;
    friend class TWordTable;
    explicit TWordDocument(TWordApplication* app);
    struct TData;
    TWordApplication* FApp;
    QString FFileName;
    QByteArray FPackage;
    QString FPart;
    std::unique_ptr<TData> FData;
    std::vector<std::unique_ptr<TWordTable>> FTables;
};

class TWordApplication {
public:
    ~TWordApplication();
    int DocumentCount() const { return int(FDocs.size()); }
    TWordDocument* OpenDocument(const QString& fileName);
    TWordDocument* AddDocument();
    TWordDocument* ActiveDocument() const { return FActive; }
    void Quit();

private:
    friend class TWordDocument;
    friend std::shared_ptr<TWordApplication> CreateWordApplication();
    friend std::shared_ptr<TWordApplication> ActiveWordApplication();
    TWordApplication() = default;
    std::vector<std::unique_ptr<TWordDocument>> FDocs;
    TWordDocument* FActive = nullptr;
    bool FRunning = true;
};

std::shared_ptr<TWordApplication> CreateWordApplication();
std::shared_ptr<TWordApplication> ActiveWordApplication();

// Databases ("ADODB.Connection", "ADODB.RecordSet")

class TAdoConnection {
public:
    TAdoConnection();
    ~TAdoConnection();
    // Takes the file from the connection string's "DBQ=" entry. Raises
    // EOleException when it cannot be opened or is no Access database.
    void Open(const QString& connectionString);
    void Close();
    bool Connected() const;

private:
    friend class TAdoRecordSet;
    struct TData;
    std::unique_ptr<TData> FData;
};

class TAdoRecordSet {
public:
    TAdoRecordSet();
    ~TAdoRecordSet();
    TAdoConnection* ActiveConnection = nullptr;
    // Runs a SELECT; raises EOleException with the engine's message.
    void Open(const QString& sql);
    void Close();
    int FieldCount() const { return int(FNames.size()); }
    QString FieldName(int index) const { return FNames.at(size_t(index)); } // from 0
    // The current record's value as text, and its size (0 for null or empty).
    QString FieldValue(int index) const;
    int FieldActualSize(int index) const { return FieldValue(index).size(); }
    int RecordCount() const { return int(FRows.size()); }
    bool Eof() const { return FPos >= FRows.size(); }
    void MoveNext();

private:
    QStringList FNames;
    std::vector<QStringList> FRows;
    size_t FPos = 0;
};

// Test hook: a switched-off server makes its Create... raise EOleSysError
// "Invalid class string", as a missing application does.
void SetServerAvailable(const QString& progId, bool available);

} // namespace Automation
