#include "platform/controls/qt/CursorImages.h"
#include "platform/controls/qt/HostApi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/qt/ImageSurface.h"
#include <QPixmap>
#include <map>

namespace {

std::map<int, QCursor>& Table()
{
    static std::map<int, QCursor> table;
    return table;
}

} // namespace

void HostSetCursorImage(int Cursor, TBitmap* Image, TPoint HotSpot)
{
    if (!Image || Image->Empty() || !Image->Surface() || !Image->Surface()->Image()) {
        Table().erase(Cursor);
        return;
    }
    // The transparent colour's pixels become see-through.
    QImage image = Image->Surface()->Image()->convertToFormat(QImage::Format_ARGB32);
    const TColor key = Image->TransparentColor();
    const QRgb keyRgb = qRgb(GetRValue(key), GetGValue(key), GetBValue(key));
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (keyRgb & 0xFFFFFF))
                line[x] = 0;
    }
    Table()[Cursor] = QCursor(QPixmap::fromImage(image), HotSpot.X, HotSpot.Y);
}

bool HostHasCursorImage(int Cursor) { return Table().count(Cursor) > 0; }

QCursor HostCursor(int Id, Qt::CursorShape Fallback)
{
    auto it = Table().find(Id);
    return it != Table().end() ? it->second : QCursor(Fallback);
}
