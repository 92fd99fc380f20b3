// Own cursor images: a control naming the id shows the image, with the
// transparent colour left out and the hot spot where it was set.
#include "platform/controls/CustomControl.h"
#include "platform/controls/Form.h"
#include "platform/controls/Screen.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/controls/qt/WidgetHost.h"
#include <QCursor>
#include <QWidget>
#include <gtest/gtest.h>

TEST(ScreenCursorImage, AControlShowsTheImageOfItsCursorId)
{
    constexpr TCursor id = 9100;
    TBitmap bmp(16, 16);
    bmp.SetTransparentMode(tmFixed);
    bmp.SetTransparentColor(clFuchsia);
    bmp.Canvas()->Brush()->SetColor(clFuchsia);
    bmp.Canvas()->FillRect(TRect{0, 0, 16, 16});
    bmp.Canvas()->Brush()->SetColor(clBlack);
    bmp.Canvas()->FillRect(TRect{4, 4, 12, 12});
    Screen->SetCursorImage(id, &bmp, TPoint{8, 8});
    TForm form(nullptr);
    auto* c = new TCustomControl(&form);
    c->SetParent(&form);
    c->SetBounds(0, 0, 50, 50);
    form.Show();
    c->SetCursor(id);
    const QCursor cursor = static_cast<QWidget*>(c->Handle())->cursor();
    const QImage image = cursor.pixmap().toImage();
    const QString seen = QStringLiteral("registered %1 shape %2 hot %3,%4 corner alpha %5 middle %6")
                             .arg(Screen->HasCursorImage(id))
                             .arg(cursor.shape() == Qt::BitmapCursor)
                             .arg(cursor.hotSpot().x())
                             .arg(cursor.hotSpot().y())
                             .arg(qAlpha(image.pixel(0, 0)))
                             .arg(image.pixel(8, 8) == qRgb(0, 0, 0));
    Screen->SetCursorImage(id, nullptr, TPoint{});
    EXPECT_EQ(seen, QStringLiteral("registered 1 shape 1 hot 8,8 corner alpha 0 middle 1"));
    EXPECT_FALSE(Screen->HasCursorImage(id));
}
