// The open grid drop-down rendered offscreen (the form with its edit and
// the popup with its grid) and saved as PNGs in the build folder for a
// look by eye: items with a sorted column, and a narrowed list.
#include "grid/core/ProCustomGridDropDown.h"
#include "grid/core/ProCustomGridDropDownGrid.h"
#include "platform/controls/Form.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/qt/WidgetHost.h"
#include "platform/rtl/Clock.h"
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace ProCustomGridDropDownUnit;

namespace {

QImage Shot(TForm& Form, TDropDownForm* Popup)
{
    const QImage formShot = Form.Handle()->grab().toImage();
    const QImage popupShot = Popup->Handle()->grab().toImage();
    const QPoint origin(Form.Left(), Form.Top());
    const QRect popupRect(Popup->Left(), Popup->Top(), Popup->Width(), Popup->Height());
    const QRect all = QRect(origin, formShot.size()).united(popupRect);
    QImage shot(all.size(), QImage::Format_RGB32);
    shot.fill(Qt::darkGray);
    QPainter painter(&shot);
    painter.drawImage(origin - all.topLeft(), formShot);
    painter.drawImage(popupRect.topLeft() - all.topLeft(), popupShot);
    return shot;
}

TEST(GridDropDownRender, OpenSortedAndNarrowed)
{
    TFakeClock clock;
    SetClock(&clock);
    clock.SetTicks(100000);
    TForm form(nullptr);
    form.SetBounds(40, 40, 320, 80);
    auto* edit = new TCustomProGridDropDown(&form);
    edit->SetParent(&form);
    edit->SetBounds(20, 20, 240, 22);
    for (const char* h : {"Code", "Device", "Profile"})
        edit->Columns()->Add()->SetHeader(QString::fromUtf8(h));
    edit->Columns()->Items(1)->SetAutoSize(true);
    edit->SetLookupColumn(1);
    edit->SetSorting(gsSingleColumn);
    const char* rows[][3] = {{"01", "Room sensor", "A5-02-05"}, {"02", "Window contact", "D5-00-01"},
                             {"03", "Rocker switch", "F6-02-01"}, {"04", "Occupancy", "A5-07-01"},
                             {"05", "Light sensor", "A5-06-02"}, {"06", "Valve actuator", "A5-20-01"}};
    edit->BeginUpdate();
    for (const auto& r : rows) {
        TDropDownItem* item = edit->Items()->Add();
        for (const char* t : r)
            item->Text()->Add(QString::fromUtf8(t));
    }
    edit->EndUpdate();
    edit->SetItemIndex(2);
    form.Show();
    edit->SetFocus();
    edit->ShowDropDown();
    ASSERT_TRUE(edit->DroppedDown());
    TProColGrid* grid = edit->GetGrid();
    const TRect header = grid->CellRect(1, 0);
    SyntheticInput::Click(grid, {header.Left + 10, header.Top + 5});
    ASSERT_EQ(grid->Cells(1, 1), QStringLiteral("Light sensor"));
    EXPECT_EQ(grid->Cells(1, grid->Row()), QStringLiteral("Rocker switch"));
    ASSERT_TRUE(Shot(form, edit->DropDownForm()).save(QStringLiteral(GRID_CORE_DEMO_DIR "/grid_dropdown_sorted.png")));

    edit->HideDropDown(true);
    edit->SetLookupMethod(lmNarrowDown);
    clock.SetTicks(200000);
    edit->ShowDropDown();
    for (QChar c : QStringLiteral("sen"))
        SyntheticInput::Key(grid, c.toUpper().unicode(), {}, QString(c));
    EXPECT_EQ(grid->RowCount(), 3);
    ASSERT_TRUE(Shot(form, edit->DropDownForm()).save(QStringLiteral(GRID_CORE_DEMO_DIR "/grid_dropdown_narrowed.png")));
    edit->HideDropDown(true);
    SetClock(nullptr);
}

} // namespace
