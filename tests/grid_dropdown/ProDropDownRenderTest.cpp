// An open drop-down rendered offscreen (the form with its edit and the
// popup with header, control and footer) and saved as a PNG in the build
// folder for a look by eye.
#include "grid/dropdown/DropDownUtils.h"
#include "grid/dropdown/ProCalculatorDropdown.h"
#include "grid/dropdown/ProDropDown.h"
#include "grid/dropdown/ProTimePickerDropDown.h"
#include "platform/rtl/DateTime.h"
#include "platform/controls/Form.h"
#include "platform/controls/Panel.h"
#include "platform/controls/qt/WidgetHost.h"
#include <QImage>
#include <QPainter>
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

// The form with its edits and the open popup, as they stand on the screen.
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
    const QImage shot = Shot(form, popup);
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
    const QImage calcShot = Shot(form, calc->DropDownForm());
    ASSERT_TRUE(calcShot.save(QStringLiteral(DROPDOWN_DEMO_DIR "/calculator_open.png")));
    calc->HideDropDown(false);
    time->ShowDropDown();
    ASSERT_TRUE(time->DroppedDown());
    const QImage timeShot = Shot(form, time->DropDownForm());
    ASSERT_TRUE(timeShot.save(QStringLiteral(DROPDOWN_DEMO_DIR "/timepicker_open.png")));
    EXPECT_EQ(time->EditText(), QStringLiteral("10:08:30"));
}

} // namespace
