// A native check box or radio button shows its parent's colour around its
// box and caption, not a strip of its own.
#include "StdControlsFixture.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Panel.h"
#include "platform/graphics/Color.h"
#include "platform/controls/qt/WidgetHost.h"
#include <QImage>
#include <QWidget>

namespace {

using CheckBoxBackground = StdControlsTest;

TEST_F(CheckBoxBackground, IsTheParentsColour)
{
    auto* panel = new TPanel(Form);
    panel->SetBounds(0, 0, 300, 100);
    panel->SetColor(TColor(0x00336699));
    panel->SetParent(Form);
    auto* box = new TCheckBox(Form);
    box->SetCaption(QStringLiteral("Read back"));
    box->SetBounds(10, 10, 200, 20);
    box->SetParent(panel);
    auto* radio = new TRadioButton(Form);
    radio->SetCaption(QStringLiteral("Ethernet"));
    radio->SetBounds(10, 40, 200, 20);
    radio->SetParent(panel);
    for (TWinControl* c : {static_cast<TWinControl*>(box), static_cast<TWinControl*>(radio)}) {
        QImage shot = static_cast<QWidget*>(c->Handle())->grab().toImage();
        // Right of the caption nothing of the control is drawn.
        QColor seen = shot.pixelColor(shot.width() - 3, shot.height() / 2);
        EXPECT_EQ(seen, QColor(0x99, 0x66, 0x33)) << c->Caption().toStdString();
    }
    // A colour of its own still wins.
    box->SetColor(clWhite);
    QImage shot = static_cast<QWidget*>(box->Handle())->grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.width() - 3, shot.height() / 2), QColor(Qt::white));
}

} // namespace
