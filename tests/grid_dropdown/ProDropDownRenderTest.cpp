// An open drop-down rendered offscreen (the form with its edit and the
// popup with header, control and footer) and saved as a PNG in the build
// folder for a look by eye.
#include "grid/dropdown/DropDownUtils.h"
#include "grid/dropdown/ProCalculatorDropdown.h"
#include "grid/dropdown/ProDetailDropDown.h"
#include "grid/dropdown/ProDropDown.h"
#include "grid/dropdown/ProImagePickerDropDown.h"
#include "grid/dropdown/ProMemoDropDown.h"
#include "grid/dropdown/ProMultiColumnDropDown.h"
#include "grid/dropdown/ProTimePickerDropDown.h"
#include "grid/dropdown/ProTrackBarDropDown.h"
#include "platform/rtl/DateTime.h"
#include "platform/controls/Form.h"
#include "platform/controls/Panel.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"
#include "platform/controls/qt/WidgetHost.h"
#include <QImage>
#include <QPainter>
#include "../support/PopupShot.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

class TRenderDropDown : public TProCustomDropDown {
public:
    explicit TRenderDropDown(TComponent* AOwner) : TProCustomDropDown(AOwner)
    {
        Panel = new TPanel(this);
        Panel->SetCaption(QStringLiteral("hosted control"));
        SetControl(Panel);
    }
    void BeforeDropDown() override
    {
        Panel->SetAlign(alNone);
        Panel->SetBounds(0, 0, 220, 90);
        TProCustomDropDown::BeforeDropDown();
    }
    TPanel* Panel = nullptr;
};


QRgb Rgb(TColor C)
{
    return qRgb(GetRValue(C), GetGValue(C), GetBValue(C));
}

TEST(DropDownRender, OpenDropDownWithHeaderAndFooter)
{
    TForm form(nullptr);
    form.SetBounds(40, 40, 300, 80);
    form.SetColor(clBtnFace);
    auto* edit = new TRenderDropDown(&form);
    edit->SetParent(&form);
    edit->SetBounds(20, 20, 220, 22);
    edit->SetPrefix(QStringLiteral("$ "));
    edit->SetText(QStringLiteral("1234"));
    THeaderAppearance* header = edit->DropDownHeader();
    header->SetCaption(QStringLiteral("<b>Header</b> caption"));
    header->Buttons()->Add()->SetCaption(QStringLiteral("Clear"));
    TFooterAppearance* footer = edit->DropDownFooter();
    footer->SetCaption(QStringLiteral("Footer"));
    footer->Buttons()->Add()->SetCaption(QStringLiteral("OK"));
    footer->Buttons()->Items(0)->SetModalResult(mrOk);
    form.Show();
    edit->ShowDropDown();
    ASSERT_TRUE(edit->DroppedDown());
    TDropDownForm* popup = edit->DropDownForm();

    const QImage popupShot = popup->Handle()->grab().toImage();
    const QImage shot = PopupShot(form, popup);
    const QString file = QStringLiteral(DROPDOWN_DEMO_DIR "/dropdown_open.png");
    ASSERT_TRUE(shot.save(file));

    // Below the edit, overlapping its last row; the header's gradient
    // starts in the style's colour, the footer shows the size grip.
    EXPECT_EQ(popup->Top(), form.ClientToScreen({0, 20}).Y + 22 - 1);
    const int headerTop = popup->Header()->Top();
    // Row 0 is the light inner frame; below it the gradient runs from
    // 0xFFEFE3 to 0xFFD2AF.
    EXPECT_EQ(popupShot.pixel(popup->Width() / 2, headerTop), Rgb(ProDropDownUnit::BlendColor(0xFFD2AF, clWhite, 20)));
    const QRgb band = popupShot.pixel(popup->Width() / 2, headerTop + 2);
    EXPECT_EQ(qBlue(band), 0xFF);
    EXPECT_GE(qRed(band), 0xAF);
    EXPECT_LE(qRed(band), 0xE3);
    TProFooter* f = popup->Footer();
    const int gx = f->Left() + f->Width() - 1 - 16 + 5;
    const int gy = f->Top() + f->Height() - 4;
    // Each white square lies under its darker twin one pixel up and left.
    EXPECT_EQ(popupShot.pixel(gx + 1, gy + 1), Rgb(clWhite));
    EXPECT_EQ(popupShot.pixel(gx - 1, gy - 1), Rgb(f->Appearance()->BorderColor()));
}

TEST(DropDownRender, OpenCalculatorAndTimePicker)
{
    TForm form(nullptr);
    form.SetBounds(40, 40, 480, 60);
    auto* calc = new TProCalculatorDropdown(&form);
    calc->SetParent(&form);
    calc->SetBounds(10, 10, 200, 22);
    calc->SetText(QStringLiteral("1234.5"));
    auto* time = new TProTimePickerDropDown(&form);
    time->SetParent(&form);
    time->SetBounds(260, 10, 120, 22);
    time->SetShowTimePicker(true);
    time->SetAnimation(false);
    time->SetTime(EncodeTime(10, 8, 30, 0));
    form.Show();
    calc->ShowDropDown();
    ASSERT_TRUE(calc->DroppedDown());
    const QImage calcShot = PopupShot(form, calc->DropDownForm());
    ASSERT_TRUE(calcShot.save(QStringLiteral(DROPDOWN_DEMO_DIR "/calculator_open.png")));
    calc->HideDropDown(false);
    time->ShowDropDown();
    ASSERT_TRUE(time->DroppedDown());
    const QImage timeShot = PopupShot(form, time->DropDownForm());
    ASSERT_TRUE(timeShot.save(QStringLiteral(DROPDOWN_DEMO_DIR "/timepicker_open.png")));
    EXPECT_EQ(time->EditText(), QStringLiteral("10:08:30"));
}

// The list drop-downs open, each with a few items, and the track bar and
// the memo.
TEST(DropDownRender, OpenListsTrackBarAndMemo)
{
    TForm form(nullptr);
    form.SetBounds(40, 40, 520, 60);
    auto* images = new TImageList(&form);
    for (TColor c : {clRed, clGreen, clBlue, clYellow, clFuchsia, clAqua}) {
        TBitmap b(16, 16);
        b.Canvas()->Brush()->SetColor(c);
        b.Canvas()->FillRect(TRect(0, 0, 16, 16));
        images->Add(&b, nullptr);
    }
    auto* detail = new TProDetailDropDown(&form);
    detail->SetParent(&form);
    detail->SetBounds(10, 10, 180, 22);
    detail->SetImages(images);
    detail->SetItemHeight(36);
    for (int i = 0; i < 3; ++i) {
        TDetailItem* item = detail->Items()->Add();
        item->SetCaption(QStringLiteral("Device %1").arg(i + 1));
        item->SetNotes(QStringLiteral("profile <b>A5-02-0%1</b>").arg(i + 1));
        item->SetImageIndex(i);
    }
    detail->SetItemIndex(1);
    auto* table = new TProMultiColumnDropDown(&form);
    table->SetParent(&form);
    table->SetBounds(200, 10, 180, 22);
    table->SetImages(images);
    for (const char* h : {"Profile", "Name"})
        table->Columns()->Add()->SetHeader(QString::fromUtf8(h));
    table->Columns()->Items(0)->SetColumnType(ProMultiColumnDropDownUnit::ctImage);
    table->SetLookupColumn(1);
    for (int i = 0; i < 4; ++i) {
        auto* item = table->Items()->Add();
        item->SetImageIndex(i);
        item->Text()->Add(QStringLiteral("A5-0%1").arg(i + 1));
        item->Text()->Add(QStringLiteral("Sensor %1").arg(i + 1));
    }
    table->EndUpdate();
    table->SetItemIndex(2);
    auto* picker = new TProImagePickerDropDown(&form);
    picker->SetParent(&form);
    picker->SetBounds(390, 10, 60, 26);
    picker->SetImages(images);
    picker->AddImagesFromImageList();
    picker->SetColumns(3);
    picker->SetItemIndex(4);
    auto* track = new TProTrackBarDropDown(&form);
    track->SetParent(&form);
    track->SetBounds(10, 34, 120, 22);
    track->SetPosition(4);
    auto* memo = new TProMemoDropDown(&form);
    memo->SetParent(&form);
    memo->SetBounds(200, 34, 180, 22);
    memo->SetEditorEnabled(false);
    memo->MemoText()->SetText(QStringLiteral("First line\r\nSecond line"));
    form.Show();

    struct TShot {
        TProCustomDropDown* Edit;
        const char* File;
    };
    for (const TShot& s : {TShot{detail, "/detail_open.png"}, TShot{table, "/table_open.png"},
                           TShot{picker, "/imagepicker_open.png"}, TShot{track, "/trackbar_open.png"},
                           TShot{memo, "/memo_open.png"}}) {
        s.Edit->ShowDropDown();
        ASSERT_TRUE(s.Edit->DroppedDown()) << s.File;
        const QImage shot = PopupShot(form, s.Edit->DropDownForm());
        ASSERT_TRUE(shot.save(QStringLiteral(DROPDOWN_DEMO_DIR) + QString::fromUtf8(s.File)));
        s.Edit->HideDropDown(false);
    }
    // The chosen picture shows in the picker's edit.
    const QImage formShot = form.Handle()->grab().toImage();
    const TPoint centre = picker->ClientToScreen({(picker->Width() - 17) / 2, picker->Height() / 2});
    const TPoint origin = form.ClientToScreen({0, 0});
    EXPECT_EQ(formShot.pixel(centre.X - origin.X, centre.Y - origin.Y), Rgb(clFuchsia));
}

} // namespace
