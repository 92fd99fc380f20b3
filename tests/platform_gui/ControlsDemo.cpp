// Two forms for a look at the controls layer: a custom-drawn control with a
// window-less child, and a form with a few standard controls. Run under
// xvfb-run; writes controls-demo.png (the screen) into the folder given as
// the first argument, or the current folder.
#include "platform/controls/Application.h"
#include "tests/support/DemoPump.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/CustomControl.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Form.h"
#include "platform/controls/GraphicControl.h"
#include "platform/controls/Label.h"
#include "platform/controls/Menu.h"
#include "platform/controls/qt/WidgetHost.h"
#include "platform/graphics/Canvas.h"
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

namespace {

class TSwatches : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override
    {
        TCanvas* c = Canvas();
        TRect r = ClientRect();
        for (int i = 0; i < 8; ++i) {
            c->Brush()->SetColor(RGB(40 + i * 25, 90 + i * 15, 200 - i * 10));
            c->FillRect(Rect(r.Left, r.Top + i * 12, r.Right, r.Top + i * 12 + 12));
        }
        c->Pen()->SetColor(clNavy);
        c->Brush()->SetColor(clYellow);
        c->Rectangle(12, 110, 92, 170);
        c->Brush()->SetColor(clRed);
        c->Ellipse(110, 110, 190, 170);
        c->Pen()->SetColor(clBlack);
        for (int x = 200; x < 280; x += 6) {
            c->MoveTo(x, 110);
            c->LineTo(x + 30, 170);
        }
        c->Brush()->SetStyle(bsClear);
        c->Font()->SetSize(12);
        c->Font()->SetStyle({fsBold});
        c->TextOut(12, 180, QStringLiteral("Retained surface: Paint draws here"));
        c->Font()->SetStyle({});
        c->Font()->SetSize(9);
        c->TextOut(12, 202, QStringLiteral("Window-less child on the right, hover and click it"));
    }
};

class TBadge : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    int Clicks = 0;

protected:
    void Paint() override
    {
        TCanvas* c = Canvas();
        c->Brush()->SetColor(clWhite);
        c->Pen()->SetColor(clGreen);
        c->RoundRect(0, 0, Width(), Height(), 10, 10);
        c->Brush()->SetStyle(bsClear);
        c->Font()->SetColor(clGreen);
        c->TextOut(8, 6, QStringLiteral("graphic child"));
        c->TextOut(8, 22, QStringLiteral("clicks: %1").arg(Clicks));
    }
    void Click() override
    {
        ++Clicks;
        Invalidate();
        TGraphicControl::Click();
    }
};

} // namespace

int main(int argc, char** argv)
{
    Application->Initialize(argc, argv);
    Application->SetTitle(QStringLiteral("Controls demo"));

    TForm* drawing = nullptr;
    Application->CreateForm(drawing);
    drawing->SetCaption(QStringLiteral("Custom control"));
    drawing->SetBounds(20, 20, 420, 250);
    auto* swatches = new TSwatches(drawing);
    swatches->SetAlign(alClient);
    swatches->SetParent(drawing);
    auto* badge = new TBadge(drawing);
    badge->SetBounds(300, 100, 100, 40);
    badge->SetParent(swatches);

    TForm* controls = nullptr;
    Application->CreateForm(controls);
    controls->SetCaption(QStringLiteral("Controls"));
    controls->SetBounds(460, 20, 300, 200);
    auto* menu = new TMainMenu(controls);
    auto add = [menu](TMenuItem* parent, const char* caption) {
        auto* item = new TMenuItem(menu);
        item->SetCaption(QString::fromLatin1(caption));
        parent->Add(item);
        return item;
    };
    TMenuItem* fileMenu = add(menu->Items(), "&File");
    add(fileMenu, "&Open...")->SetShortCut(ShortCut('O', {ssCtrl}));
    add(fileMenu, "&Save")->SetShortCut(ShortCut('S', {ssCtrl}));
    add(fileMenu, "-");
    add(fileMenu, "E&xit");
    TMenuItem* view = add(menu->Items(), "&View");
    add(view, "&Status bar")->SetChecked(true);
    for (const char* size : {"S&mall", "&Large"}) {
        TMenuItem* item = add(view, size);
        item->SetRadioItem(true);
        item->SetGroupIndex(1);
    }
    view->Items(1)->SetChecked(true);
    add(menu->Items(), "&Help")->SetEnabled(false);
    controls->SetMenu(menu);
    controls->SetClientHeight(200);
    auto* label = new TLabel(controls);
    label->SetCaption(QStringLiteral("&Name:"));
    label->SetBounds(12, 16, 60, 16);
    label->SetParent(controls);
    auto* edit = new TEdit(controls);
    edit->SetBounds(80, 12, 200, 22);
    edit->SetText(QStringLiteral("Stratagon"));
    edit->SetParent(controls);
    auto* check = new TCheckBox(controls);
    check->SetCaption(QStringLiteral("&Remember the name"));
    check->SetBounds(80, 44, 200, 20);
    check->SetParent(controls);
    auto* ok = new TButton(controls);
    ok->SetCaption(QStringLiteral("OK"));
    ok->SetDefault(true);
    ok->SetBounds(124, 150, 75, 25);
    ok->SetParent(controls);
    auto* cancel = new TButton(controls);
    cancel->SetCaption(QStringLiteral("Cancel"));
    cancel->SetCancel(true);
    cancel->SetBounds(205, 150, 75, 25);
    cancel->SetParent(controls);

    drawing->Show();
    controls->Show();
    edit->SetFocus();
    Pump(500);

    QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(dir);
    QString file = QDir(dir).filePath(QStringLiteral("controls-demo.png"));
    QImage shot;
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        shot = QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, 800, 300).toImage();
    if (shot.isNull() || shot.allGray()) {
        // No window system to grab from: put the two windows side by side.
        shot = QImage(800, 300, QImage::Format_RGB32);
        shot.fill(Qt::darkGray);
        QPainter p(&shot);
        for (TForm* f : {drawing, controls}) {
            QWidget* w = f->Handle();
            p.drawPixmap(f->Left(), f->Top(), w->grab());
        }
    }
    bool saved = shot.save(file);
    qInfo("%s %s", saved ? "wrote" : "could not write", qPrintable(file));
    return saved ? 0 : 1;
}
