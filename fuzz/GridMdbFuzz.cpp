// Arbitrary bytes as an Access database read into the grid through
// libmdb: the table "Data" whole and two of its columns by a query; only
// the platform's errors may escape. (No WHERE clause: libmdb evaluates
// that alone, and its faults there are not ours to find.)
#include "FuzzFile.h"
#include "GridFuzzApp.h"
#include "grid/core/ProStringGrid.h"
#include "platform/rtl/Exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    StartGridFuzzApp();
    const QString path = WriteFuzzFile(QStringLiteral("data.mdb"),
                                       QByteArray(reinterpret_cast<const char*>(Data), qsizetype(Size)));
    TProStringGrid grid;
    try {
        grid.LoadFromMDBTable(path, QStringLiteral("Data"));
    } catch (const Exception&) {
    }
    TProStringGrid query;
    query.SetFixedRows(0);
    try {
        query.LoadFromMDBSQL(path, QStringLiteral("SELECT Rate, Name FROM Data"));
    } catch (const Exception&) {
    }
    return 0;
}
