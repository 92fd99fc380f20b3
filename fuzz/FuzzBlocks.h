#pragma once
// Splits a fuzz input into an option byte and blocks separated by "#~#",
// so that one input can carry several formats; missing blocks are empty.
#include <QByteArray>
#include <QList>
#include <cstddef>
#include <cstdint>

struct TFuzzBlocks {
    unsigned Options = 0;
    QList<QByteArray> Blocks;
    QByteArray Block(qsizetype Index) const { return Blocks.value(Index); }
};

inline TFuzzBlocks SplitFuzzBlocks(const uint8_t* Data, size_t Size)
{
    TFuzzBlocks result;
    if (Size == 0)
        return result;
    result.Options = Data[0];
    const QByteArray rest(reinterpret_cast<const char*>(Data) + 1, qsizetype(Size - 1));
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = rest.indexOf("#~#", from);
        if (at < 0) {
            result.Blocks << rest.mid(from);
            return result;
        }
        result.Blocks << rest.mid(from, at - from);
        from = at + 3;
    }
}
