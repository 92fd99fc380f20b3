// Arbitrary bytes as an XML file for the grid, flat and by level: the grid
// loads them or raises the parse error before it changes.
#include "GridFuzzApp.h"
#include "grid/core/ProStringGrid.h"
#include "platform/rtl/Exceptions.h"
#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    StartGridFuzzApp();
    static QTemporaryDir dir;
    const QString path = dir.filePath("cells.xml");
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(reinterpret_cast<const char*>(Data), qsizetype(Size));
    file.close();
    for (int pass = 0; pass < 4; ++pass) {
        TProStringGrid grid;
        try {
            grid.LoadFromXML(path, pass & 1, pass & 2);
        } catch (const Exception& e) {
            if (!e.Message().startsWith(QLatin1String("XMLDOM Parsing error")))
                throw;
        }
    }
    return 0;
}
