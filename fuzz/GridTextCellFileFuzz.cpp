// Arbitrary bytes as a text cell file, as a text cell stream and as
// fixed-width text: the grid loads them or raises the grid's error or a
// conversion error.
#include "GridFuzzApp.h"
#include "grid/core/ProGridError.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/IntList.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"
#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    StartGridFuzzApp();
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char*>(Data), qsizetype(Size));
    const QString path = dir.filePath("cells.txt");
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
    file.close();
    TProStringGrid grid;
    try {
        grid.LoadFromFile(path);
    } catch (const EProGridError&) {
    }
    TMemoryStream stream;
    stream.WriteBytes(bytes);
    stream.SetPosition(0);
    try {
        grid.LoadFromStream(&stream);
    } catch (const EConvertError&) {
    }
    TIntList positions(0, 0);
    for (const int p : {9, 1, 4, 4, 30})
        positions.Add(p);
    TProStringGrid fixed;
    fixed.LoadFromFixed(path, &positions, Size % 2, Size % 3 ? -1 : 2);
    return 0;
}
