// The spreadsheet application: workbooks and sheets in memory, read from
// .xlsx and .xls files and written as .xlsx.
#include "platform/services/office/Automation.h"
#include "platform/services/office/OfficePackage.h"
#include "platform/services/office/SpreadsheetIo.h"

#include "platform/rtl/AtomicFile.h"
#include "platform/rtl/SysUtils.h"

#include <QFileInfo>
#include <algorithm>

namespace Automation {

void CheckServer(const QString& progId);

using namespace Detail;

// Worksheet

void TWorksheet::SetName(const QString& name)
{
    static const QString bad = QStringLiteral(":\\/?*[]");
    bool invalid = name.trimmed().isEmpty() || name.size() > 31
        || std::any_of(name.begin(), name.end(), [](QChar c) { return bad.contains(c); });
    if (invalid)
        throw EOleException(QStringLiteral("\"%1\" is no valid sheet name").arg(name));
    for (const auto& other : FBook->FSheets)
        if (other.get() != this && other->FName.compare(name, Qt::CaseInsensitive) == 0)
            throw EOleException(QStringLiteral("A sheet named \"%1\" exists already").arg(name));
    if (FName != name) {
        FName = name;
        FBook->Saved = false;
    }
}

QString TWorksheet::UsedRangeAddress() const
{
    if (FCells.empty())
        return QStringLiteral("$A$1");
    int r1 = int(FCells.begin()->first >> 32);
    int r2 = int(FCells.rbegin()->first >> 32);
    int c1 = INT_MAX, c2 = 0;
    for (const auto& cell : FCells) {
        int c = int(quint32(cell.first));
        c1 = std::min(c1, c);
        c2 = std::max(c2, c);
    }
    return RangeAddress(r1, c1, r2, c2);
}

TOleValue TWorksheet::Cell(int row, int column) const
{
    auto it = FCells.find(Key(row, column));
    return it == FCells.end() ? TOleValue() : it->second.Value;
}

void TWorksheet::SetCell(int row, int column, const TOleValue& value)
{
    if (row < 1 || column < 1 || row > 1048576 || column > 16384)
        throw EOleException(QStringLiteral("Cell (%1, %2) lies outside the sheet").arg(row).arg(column));
    if (value.IsEmpty() || (value.Kind == TOleValue::vkString && value.Text.isEmpty()))
        FCells.erase(Key(row, column));
    else
        FCells[Key(row, column)].Value = value;
    FDirty = true;
    FBook->Saved = false;
}

TOleArray TWorksheet::RangeValue(const QString& ref) const
{
    int r1, c1, r2, c2;
    if (!ParseRangeRef(ref, r1, c1, r2, c2))
        throw EOleException(QStringLiteral("\"%1\" is no cell range").arg(ref));
    if (r2 < r1)
        std::swap(r1, r2);
    if (c2 < c1)
        std::swap(c1, c2);
    TOleArray out(size_t(r2 - r1 + 1), std::vector<TOleValue>(size_t(c2 - c1 + 1)));
    for (auto it = FCells.lower_bound(Key(r1, 0)); it != FCells.end(); ++it) {
        int r = int(it->first >> 32);
        int c = int(quint32(it->first));
        if (r > r2)
            break;
        if (c >= c1 && c <= c2)
            out[size_t(r - r1)][size_t(c - c1)] = it->second.Value;
    }
    return out;
}

void TWorksheet::SetRangeValue(const QString& ref, const TOleArray& values)
{
    int r1, c1, r2, c2;
    if (!ParseRangeRef(ref, r1, c1, r2, c2))
        throw EOleException(QStringLiteral("\"%1\" is no cell range").arg(ref));
    r1 = std::min(r1, r2);
    c1 = std::min(c1, c2);
    for (size_t i = 0; i < values.size(); ++i)
        for (size_t j = 0; j < values[i].size(); ++j) {
            TOleValue v = values[i][j];
            double d;
            if (v.Kind == TOleValue::vkString && !v.Text.trimmed().isEmpty() && TryStrToFloat(v.Text, d))
                v = TOleValue::FromNumber(d);
            SetCell(r1 + int(i), c1 + int(j), v);
        }
}

// Workbook

TWorkbook::~TWorkbook() = default;

TWorksheet* TWorkbook::Sheet(int index) const
{
    if (index < 1 || index > SheetCount())
        throw EOleException(QStringLiteral("Sheet index %1 out of range").arg(index));
    return FSheets[size_t(index - 1)].get();
}

TWorksheet* TWorkbook::AddSheet()
{
    int n = SheetCount() + 1;
    QString name;
    auto taken = [this](const QString& s) {
        return std::any_of(FSheets.begin(), FSheets.end(), [&](const auto& sh) {
            return sh->FName.compare(s, Qt::CaseInsensitive) == 0;
        });
    };
    do
        name = QStringLiteral("Sheet%1").arg(n++);
    while (taken(name));
    auto sheet = std::unique_ptr<TWorksheet>(new TWorksheet(this, name));
    TWorksheet* raw = sheet.get();
    size_t at = FSheets.empty() ? 0 : size_t(FActive);
    FSheets.insert(FSheets.begin() + qsizetype(at), std::move(sheet));
    FActive = int(at);
    Saved = false;
    return raw;
}

void TWorkbook::Save()
{
    if (FFileName.isEmpty())
        throw EOleException(QStringLiteral("The workbook has no file name yet"));
    WriteTo(FFileName);
}

void TWorkbook::SaveAs(const QString& fileName)
{
    WriteTo(fileName);
    FFileName = fileName;
}

void TWorkbook::WriteTo(const QString& fileName)
{
    QString ext = LowerExt(fileName);
    if (ext == QLatin1String("xls") || ext == QLatin1String("xlt"))
        throw EOleException(QStringLiteral("Writing binary .xls workbooks is not supported: %1 (save as .xlsx)").arg(fileName));
    if (FOrigin == 2 && fileName == FFileName)
        throw EOleException(QStringLiteral("Writing binary .xls workbooks is not supported: %1 (save as .xlsx)").arg(fileName));
    QByteArray data = FOrigin == 1 ? TWorkbookIo::PatchXlsx(*this) : TWorkbookIo::WriteNewXlsx(*this);
    WriteFileAtomic(fileName, data);
    TWorkbookIo::Adopt(*this, data);
    Saved = true;
}

void TWorkbook::Close(bool saveChanges)
{
    if (saveChanges && !Saved)
        Save();
    TSheetApplication* app = FApp;
    auto it = std::find_if(app->FBooks.begin(), app->FBooks.end(),
                           [this](const auto& b) { return b.get() == this; });
    if (app->FActive == this)
        app->FActive = nullptr;
    if (it != app->FBooks.end())
        app->FBooks.erase(it); // deletes this
    if (!app->FActive && !app->FBooks.empty())
        app->FActive = app->FBooks.back().get();
}

// Application

static std::vector<std::weak_ptr<TSheetApplication>>& RunningSheetApps()
{
    static std::vector<std::weak_ptr<TSheetApplication>> apps;
    return apps;
}

TSheetApplication::~TSheetApplication() = default;

TWorkbook* TSheetApplication::Workbook(int index) const
{
    if (index < 1 || index > WorkbookCount())
        throw EOleException(QStringLiteral("Workbook index %1 out of range").arg(index));
    return FBooks[size_t(index - 1)].get();
}

TWorkbook* TSheetApplication::OpenWorkbook(const QString& fileName)
{
    QByteArray data;
    TFileKind kind = SniffFile(fileName, &data);
    auto book = std::unique_ptr<TWorkbook>(new TWorkbook(this));
    switch (kind) {
    case TFileKind::Missing:
        throw EOleException(QStringLiteral("The workbook %1 cannot be opened: no such file").arg(fileName));
    case TFileKind::Zip:
        TWorkbookIo::ReadXlsx(*book, data, fileName);
        break;
    case TFileKind::Ole2:
        TWorkbookIo::ReadXls(*book, fileName);
        break;
    default:
        throw EOleException(QStringLiteral("%1 is no workbook (neither an .xlsx package nor an .xls file)").arg(fileName));
    }
    book->FFileName = fileName;
    book->Saved = true;
    FBooks.push_back(std::move(book));
    FActive = FBooks.back().get();
    ActiveCellRow = ActiveCellColumn = 1;
    return FActive;
}

TWorkbook* TSheetApplication::AddWorkbook()
{
    auto book = std::unique_ptr<TWorkbook>(new TWorkbook(this));
    book->AddSheet();
    FBooks.push_back(std::move(book));
    FActive = FBooks.back().get();
    ActiveCellRow = ActiveCellColumn = 1;
    return FActive;
}

void TSheetApplication::Quit()
{
    FActive = nullptr;
    FBooks.clear();
    FRunning = false;
}

std::shared_ptr<TSheetApplication> CreateSheetApplication()
{
    CheckServer(QStringLiteral("excel.application"));
    std::shared_ptr<TSheetApplication> app(new TSheetApplication());
    RunningSheetApps().push_back(app);
    return app;
}

std::shared_ptr<TSheetApplication> ActiveSheetApplication()
{
    auto& apps = RunningSheetApps();
    for (auto it = apps.rbegin(); it != apps.rend(); ++it)
        if (auto app = it->lock(); app && app->FRunning)
            return app;
    apps.erase(std::remove_if(apps.begin(), apps.end(), [](const auto& w) { return w.expired(); }),
               apps.end());
    return nullptr;
}

} // namespace Automation
