// The watch's twelve styles side by side, rendered offscreen and saved as
// a PNG in the build folder for a look by eye.
#include "grid/dropdown/ProWatch.h"
#include "platform/controls/Form.h"
#include "platform/controls/qt/WidgetHost.h"
#include "platform/rtl/DateTime.h"
#include <QImage>
#include <QPainter>
#include <QSet>
#include <gtest/gtest.h>

namespace {

TEST(WatchRender, AllStyles)
{
    constexpr int Size = 120;
    TForm form(nullptr);
    form.SetBounds(0, 0, 6 * Size, 2 * Size);
    std::vector<TProWatch*> watches;
    for (int s = wsClassic; s <= wsSmooth; ++s) {
        auto* w = new TProWatch(&form);
        w->SetParent(&form);
        w->SetBounds((s % 6) * Size, (s / 6) * Size, Size, Size);
        w->SetStyle(TWatchStyle(s));
        w->SetAnimation(false);
        w->SetTime(EncodeTime(10, 8, 0, 0));
        watches.push_back(w);
    }
    form.Show();
    const QImage shot = form.Handle()->grab().toImage();
    ASSERT_TRUE(shot.save(QStringLiteral(DROPDOWN_DEMO_DIR "/watch_styles.png")));
    // Every style paints a face with hands and marks: many colours each.
    for (TProWatch* w : watches) {
        QSet<QRgb> colors;
        for (int y = w->Top(); y < w->Top() + Size; ++y)
            for (int x = w->Left(); x < w->Left() + Size; ++x)
                colors.insert(shot.pixel(x, y));
        EXPECT_GE(colors.size(), 4) << int(w->Style());
    }
}

} // namespace
