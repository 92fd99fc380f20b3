// Arbitrary bytes as CSV, with separator detection and with each
// convention: the grid loads them or raises "File is empty".
#include "GridFuzzApp.h"
#include "grid/core/ProStringGrid.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    StartGridFuzzApp();
    TMemoryStream stream;
    stream.WriteBytes(QByteArray(reinterpret_cast<const char*>(Data), qsizetype(Size)));
    for (int pass = 0; pass < 2; ++pass) {
        TProStringGrid grid;
        grid.SetJavaCSV(pass == 1);
        grid.SetMultilinecells(pass == 1);
        stream.SetPosition(0);
        try {
            grid.LoadFromCSVStream(&stream, pass == 1 ? 3 : -1);
        } catch (const Exception& e) {
            if (e.Message() != QLatin1String("File is empty"))
                throw;
        }
    }
    return 0;
}
