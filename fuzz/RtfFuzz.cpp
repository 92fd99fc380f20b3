// Arbitrary bytes as RTF: the reader never fails, and what it reads
// survives a write and a second read unchanged.
#include "platform/controls/RichText.h"
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(Data), qsizetype(Size));
    TRichText first = ReadRtf(bytes);
    TRichText again = ReadRtf(WriteRtf(first));
    if (!(first.PlainText() == again.PlainText()))
        std::abort();
    return 0;
}
