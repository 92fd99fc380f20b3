// A form with every standard control, for a look under xvfb-run. Writes
// std-controls-demo.png into the folder given as the first argument, or
// the current folder.
#include "platform/controls/Application.h"
#include "tests/support/DemoPump.h"
#include "platform/controls/Bevel.h"
#include "platform/controls/Button.h"
#include "platform/controls/CategoryPanelGroup.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/CheckListBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/DateTimePicker.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Form.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/LinkLabel.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/MaskEdit.h"
#include "platform/controls/Memo.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/ProgressBar.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/RichEdit.h"
#include "platform/controls/ScrollBar.h"
#include "platform/controls/Shape.h"
#include "platform/controls/SpeedButton.h"
#include "platform/controls/Splitter.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/TrackBar.h"
#include "platform/controls/TreeView.h"
#include "platform/controls/qt/WidgetHost.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Frames.h"
#include "platform/graphics/Picture.h"
#include <QDir>
#include <QImage>

namespace {

template <typename T>
T* Place(TWinControl* Parent, int X, int Y, int W, int H)
{
    auto* c = new T(Parent);
    c->SetBounds(X, Y, W, H);
    c->SetParent(Parent);
    return c;
}

TLabel* Caption(TWinControl* Parent, int X, int Y, const QString& Text)
{
    auto* l = new TLabel(Parent);
    l->SetLeft(X);
    l->SetTop(Y);
    l->SetCaption(Text);
    l->SetParent(Parent);
    return l;
}

void Edits(TCategoryPanel* p)
{
    Caption(p, 8, 34, QStringLiteral("&Name:"));
    auto* edit = Place<TEdit>(p, 80, 30, 180, 22);
    edit->SetText(QStringLiteral("Gateway 1"));
    Caption(p, 8, 62, QStringLiteral("Date:"));
    auto* mask = Place<TMaskEdit>(p, 80, 58, 100, 22);
    mask->SetEditMask(QStringLiteral("!99/99/0000;1;_"));
    mask->SetText(QStringLiteral("10/12/2026"));
    auto* memo = Place<TMemo>(p, 8, 86, 252, 56);
    memo->Lines()->Add(QStringLiteral("A memo with two lines"));
    memo->Lines()->Add(QStringLiteral("and a vertical scroll bar."));
    memo->SetScrollBars(ssVertical);
}

void Choices(TCategoryPanel* p)
{
    auto* check = Place<TCheckBox>(p, 8, 30, 120, 20);
    check->SetCaption(QStringLiteral("&Check box"));
    check->SetChecked(true);
    auto* grayed = Place<TCheckBox>(p, 140, 30, 120, 20);
    grayed->SetCaption(QStringLiteral("Grayed"));
    grayed->SetAllowGrayed(true);
    grayed->SetState(cbGrayed);
    auto* r1 = Place<TRadioButton>(p, 8, 52, 120, 20);
    r1->SetCaption(QStringLiteral("Radio one"));
    r1->SetChecked(true);
    auto* r2 = Place<TRadioButton>(p, 140, 52, 120, 20);
    r2->SetCaption(QStringLiteral("Radio two"));
    auto* combo = Place<TComboBox>(p, 8, 76, 252, 22);
    combo->SetStyle(csDropDownList);
    for (const char* s : {"EnOcean", "BACnet/IP", "Modbus"})
        combo->Items()->Add(QString::fromLatin1(s));
    combo->SetItemIndex(1);
    auto* list = Place<TListBox>(p, 8, 104, 252, 60);
    for (const char* s : {"Temperature sensor", "Window contact", "Rocker switch", "Occupancy"})
        list->Items()->Add(QString::fromLatin1(s));
    list->SetItemIndex(1);
}

void More(TCategoryPanel* p)
{
    auto* checks = Place<TCheckListBox>(p, 8, 30, 120, 70);
    for (const char* s : {"Read", "Write", "Notify"})
        checks->Items()->Add(QString::fromLatin1(s));
    checks->SetChecked(0, true);
    checks->SetChecked(2, true);
    auto* group = Place<TRadioGroup>(p, 136, 26, 124, 78);
    group->SetCaption(QStringLiteral("Units"));
    group->Items()->Add(QStringLiteral("Celsius"));
    group->Items()->Add(QStringLiteral("Fahrenheit"));
    group->SetItemIndex(0);
}

void Pages(TWinControl* Parent)
{
    auto* pages = Place<TPageControl>(Parent, 300, 8, 330, 250);
    auto* tree = new TTabSheet(pages);
    tree->SetCaption(QStringLiteral("Tree view"));
    tree->SetPageControl(pages);
    auto* rich = new TTabSheet(pages);
    rich->SetCaption(QStringLiteral("Rich edit"));
    rich->SetPageControl(pages);
    auto* view = new TTreeView(tree);
    view->SetAlign(alClient);
    view->SetParent(tree);
    TTreeNode* gw = view->Items()->Add(nullptr, QStringLiteral("Gateway"));
    TTreeNode* dev = view->Items()->AddChild(gw, QStringLiteral("Devices"));
    for (const char* s : {"Room 1.01 temperature", "Room 1.02 window", "Corridor switch"})
        view->Items()->AddChild(dev, QString::fromLatin1(s));
    view->Items()->AddChild(gw, QStringLiteral("BACnet objects"));
    view->FullExpand();
    view->SetSelected(dev->Item(0));
    auto* edit = new TRichEdit(rich);
    edit->SetAlign(alClient);
    edit->SetParent(rich);
    edit->SetRtf("{\\rtf1{\\colortbl ;\\red200\\green0\\blue0;}\\fs24 Rich \\b bold\\b0 , \\i italic\\i0 , "
                 "\\cf1 red\\cf0  and 21 \\u176?C\\par x\\super 2\\nosupersub  and H\\sub 2\\nosupersub O}");
    pages->SetActivePage(tree);
}

void Graphics(TWinControl* Parent)
{
    auto* ok = Place<TButton>(Parent, 300, 268, 90, 26);
    ok->SetCaption(QStringLiteral("&Button"));
    for (int i = 0; i < 3; ++i) {
        auto* b = Place<TSpeedButton>(Parent, 400 + i * 26, 268, 25, 25);
        b->SetCaption(QString(QChar(u'A' + i)));
        b->SetGroupIndex(1);
        b->SetDown(i == 0);
    }
    const TShapeType shapes[] = {stRectangle, stRoundRect, stEllipse, stCircle};
    const TColor colors[] = {clSkyBlue, clMoneyGreen, clYellow, clRed};
    for (int i = 0; i < 4; ++i) {
        auto* s = new TShape(Parent);
        s->SetBounds(300 + i * 55, 304, 48, 36);
        s->SetShape(shapes[i]);
        s->Brush()->SetColor(colors[i]);
        s->SetParent(Parent);
    }
    auto* bevel = new TBevel(Parent);
    bevel->SetBounds(300, 348, 330, 2);
    bevel->SetShape(bsTopLine);
    bevel->SetParent(Parent);
    TBitmap bitmap(64, 40);
    GradientFillRect(bitmap.Canvas(), Rect(0, 0, 64, 40), clNavy, clAqua, true);
    bitmap.Canvas()->Brush()->SetStyle(bsClear);
    bitmap.Canvas()->Font()->SetColor(clWhite);
    bitmap.Canvas()->TextOut(8, 12, QStringLiteral("TImage"));
    auto* image = new TImage(Parent);
    image->SetBounds(530, 300, 64, 40);
    image->Picture()->SetGraphic(&bitmap);
    image->SetParent(Parent);
    auto* link = Place<TLinkLabel>(Parent, 300, 358, 330, 20);
    link->SetCaption(QStringLiteral("A link label: <a href=\"https://example.org\">open the site</a> or <a id=\"help\">help</a>"));
}

void Ranges(TWinControl* Parent)
{
    Caption(Parent, 644, 12, QStringLiteral("Scroll bar, track bar, progress bar:"));
    auto* scroll = Place<TScrollBar>(Parent, 644, 32, 300, 17);
    scroll->SetPosition(30);
    auto* track = Place<TTrackBar>(Parent, 644, 56, 300, 32);
    track->SetPosition(6);
    auto* progress = Place<TProgressBar>(Parent, 644, 96, 300, 16);
    progress->SetPosition(65);
    Caption(Parent, 644, 124, QStringLiteral("Date-time picker:"));
    auto* date = Place<TDateTimePicker>(Parent, 644, 142, 150, 22);
    date->SetDateTime(EncodeDateTime(2026, 12, 10, 14, 30, 0, 0));
    auto* time = Place<TDateTimePicker>(Parent, 800, 142, 144, 22);
    time->SetKind(dtkTime);
    time->SetShowCheckbox(true);
    time->SetDateTime(EncodeDateTime(2026, 12, 10, 14, 30, 0, 0));

    auto* box = Place<TPanel>(Parent, 644, 176, 300, 200);
    box->SetBevelOuter(bvLowered);
    auto* left = new TPanel(box);
    left->SetAlign(alLeft);
    left->SetWidth(110);
    left->SetCaption(QStringLiteral("Panel"));
    left->SetParent(box);
    auto* split = new TSplitter(box);
    split->SetLeft(120);
    split->SetWidth(5);
    split->SetParent(box);
    auto* right = new TPanel(box);
    right->SetAlign(alClient);
    right->SetBevelOuter(bvNone);
    right->SetColor(clWindow);
    right->SetCaption(QStringLiteral("Splitter on the left"));
    right->SetParent(box);
}

} // namespace

int main(int argc, char** argv)
{
    Application->Initialize(argc, argv);
    Application->SetTitle(QStringLiteral("Standard controls"));
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption(QStringLiteral("Standard controls"));
    form->SetBounds(10, 10, 960, 440);
    form->SetColor(clBtnFace);

    auto* group = Place<TCategoryPanelGroup>(form, 8, 8, 280, 390);
    const char* titles[] = {"Edits", "Choices", "More"};
    const int heights[] = {150, 172, 110};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new TCategoryPanel(group);
        panel->SetCaption(QString::fromLatin1(titles[i]));
        panel->SetHeight(heights[i]);
        panel->SetPanelGroup(group);
        if (i == 0)
            Edits(panel);
        else if (i == 1)
            Choices(panel);
        else
            More(panel);
    }
    Pages(form);
    Graphics(form);
    Ranges(form);
    auto* status = new TStatusBar(form);
    status->SetParent(form);
    for (const char* s : {"Ready", "12 devices", "BACnet/IP 192.168.1.10"})
        status->Panels()->Add()->SetText(QString::fromLatin1(s));
    status->Panels()->Items(0)->SetWidth(120);
    status->Panels()->Items(1)->SetWidth(120);

    form->Show();
    Pump(600);

    QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(dir);
    QString file = QDir(dir).filePath(QStringLiteral("std-controls-demo.png"));
    QImage shot = form->Handle()->grab().toImage();
    bool saved = shot.save(file);
    qInfo("%s %s", saved ? "wrote" : "could not write", qPrintable(file));
    return saved ? 0 : 1;
}
