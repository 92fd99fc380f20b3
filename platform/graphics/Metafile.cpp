#include "platform/graphics/Metafile.h"
#include <algorithm>

namespace {

qint32 Int32At(const QByteArray& D, int At)
{
    quint32 v = 0;
    for (int i = 0; i < 4; ++i)
        v |= quint32(uchar(D[At + i])) << (8 * i);
    return qint32(v);
}

qint16 Int16At(const QByteArray& D, int At)
{
    return qint16(quint16(uchar(D[At])) | quint16(uchar(D[At + 1])) << 8);
}

} // namespace

void TMetafile::Assign(TPersistent* Source)
{
    auto* m = dynamic_cast<TMetafile*>(Source);
    if (!m) {
        TGraphic::Assign(Source);
        return;
    }
    FData = m->FData;
    FWidth = m->FWidth;
    FHeight = m->FHeight;
    Changed();
}

void TMetafile::SetSize(int AWidth, int AHeight)
{
    if (AWidth == FWidth && AHeight == FHeight)
        return;
    FWidth = AWidth;
    FHeight = AHeight;
    Changed();
}

void TMetafile::LoadFromBytes(const QByteArray& Data)
{
    FData = Data;
    FWidth = FHeight = 0;
    // Enhanced metafile: the bounds in device units follow the record header.
    if (Data.size() >= 44 && Int32At(Data, 0) == 1 && Data.mid(40, 4) == " EMF") {
        FWidth = std::max(0, Int32At(Data, 16) - Int32At(Data, 8) + 1);
        FHeight = std::max(0, Int32At(Data, 20) - Int32At(Data, 12) + 1);
    } else if (Data.size() >= 16 && quint32(Int32At(Data, 0)) == 0x9AC6CDD7u) {
        // Placeable metafile: the box in logical units and the units per inch.
        const int inch = quint16(Int16At(Data, 14));
        if (inch > 0) {
            FWidth = std::max(0, (Int16At(Data, 10) - Int16At(Data, 6)) * 96 / inch);
            FHeight = std::max(0, (Int16At(Data, 12) - Int16At(Data, 8)) * 96 / inch);
        }
    }
    Changed();
}
