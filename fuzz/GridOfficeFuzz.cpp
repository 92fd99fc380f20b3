// Arbitrary workbooks read into the grid. An input that starts like a zip
// or an OLE2 file is the workbook itself (the binary ones go through
// libfreexl); any other input is the option byte and the parts of a
// package made around them: workbook, its relationships, sheet, shared
// strings and styles. The sheets are listed and read by index and by
// name; only the platform's errors may escape.
#include "FuzzBlocks.h"
#include "FuzzFile.h"
#include "GridFuzzApp.h"
#include "grid/core/ProStringGrid.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "platform/services/office/OfficePackage.h"
#include <memory>

namespace {

const QByteArray ContentTypes =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/></Types>";
const QByteArray RootRels =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
    "officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";

QByteArray Workbook(const uint8_t* Data, size_t Size)
{
    const QByteArray raw(reinterpret_cast<const char*>(Data), qsizetype(Size));
    if (raw.startsWith("PK\x03\x04") || raw.startsWith("\xD0\xCF\x11\xE0"))
        return raw;
    const TFuzzBlocks in = SplitFuzzBlocks(Data, Size);
    return Automation::Detail::WriteZip({{"[Content_Types].xml", ContentTypes},
                                         {"_rels/.rels", RootRels},
                                         {"xl/workbook.xml", in.Block(0)},
                                         {"xl/_rels/workbook.xml.rels", in.Block(1)},
                                         {"xl/worksheets/sheet1.xml", in.Block(2)},
                                         {"xl/sharedStrings.xml", in.Block(3)},
                                         {"xl/styles.xml", in.Block(4)}});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    StartGridFuzzApp();
    const QString path = WriteFuzzFile(QStringLiteral("book.xlsx"), Workbook(Data, Size));
    TProStringGrid grid;
    grid.SetFixedRows(Size % 2);
    QStringList sheets;
    try {
        std::unique_ptr<TStringList> list(grid.GetXLSSheets(path));
        sheets = list->ToStringList();
    } catch (const Exception&) {
    }
    try {
        grid.LoadFromXLS(path);
    } catch (const Exception&) {
    }
    for (const QString& sheet : sheets) {
        TProStringGrid named;
        try {
            named.LoadFromXLSSheet(path, sheet);
        } catch (const Exception&) {
        }
    }
    return 0;
}
