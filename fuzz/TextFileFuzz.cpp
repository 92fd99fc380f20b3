// Arbitrary bytes through the text-file decoder: whatever encoding it picks,
// encoding the text back and decoding again must give the same text and lines.
#include "platform/rtl/TextFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const QByteArray Bytes(reinterpret_cast<const char*>(Data), qsizetype(Size));
    TEncodingKind Kind;
    bool Bom;
    const QString Text = DecodeText(Bytes, &Kind, &Bom);
    const QByteArray Again = EncodeText(Text, Kind, Bom);
    TEncodingKind Kind2;
    if (DecodeTextAs(Again, Kind) != Text)
        std::abort();
    // Bytes that decoded cleanly come back unchanged and are detected alike.
    if (Again == Bytes && (DecodeText(Again, &Kind2) != Text || Kind2 != Kind))
        std::abort();
    if (SplitLines(JoinLines(SplitLines(Text))) != SplitLines(Text))
        std::abort();
    return 0;
}
