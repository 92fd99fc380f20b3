// Menu items show the image of their ImageIndex from the menu's Images.
#include "platform/controls/Menu.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/ImageList.h"
#include <QApplication>
#include <QMenu>
#include <gtest/gtest.h>

namespace {

TEST(MenuImages, ItemsTakeTheirImageFromTheMenusList)
{
    TImageList images;
    images.SetSize(16, 16);
    TBitmap bmp;
    bmp.SetSize(16, 16);
    bmp.Canvas()->Brush()->SetColor(clRed);
    bmp.Canvas()->FillRect(Rect(0, 0, 16, 16));
    images.Add(&bmp, nullptr);

    struct Row {
        const char* Caption;
        int ImageIndex;
        bool HasIcon;
    };
    const Row rows[] = {{"first image", 0, true}, {"past the list", 1, false}, {"none", -1, false}};
    TPopupMenu menu;
    menu.SetImages(&images);
    for (const Row& r : rows) {
        auto* item = new TMenuItem(&menu);
        item->SetCaption(QString::fromLatin1(r.Caption));
        item->SetImageIndex(r.ImageIndex);
        menu.Items()->Add(item);
    }
    int checked = 0;
    SetMenuChooser([&](TPopupMenu*) -> TMenuItem* {
        auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!open)
            return nullptr;
        for (const Row& r : rows)
            for (QAction* a : open->actions())
                if (a->text() == QLatin1String(r.Caption)) {
                    EXPECT_EQ(!a->icon().isNull(), r.HasIcon) << r.Caption;
                    ++checked;
                }
        return nullptr;
    });
    menu.Popup(10, 10);
    SetMenuChooser(nullptr);
    EXPECT_EQ(checked, 3);
}

} // namespace
